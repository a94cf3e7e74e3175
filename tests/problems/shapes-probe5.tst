# Shape links, a fifth set of rows for tests no other row decides, in the
# style of shapes-probe.tst: each pins one test of a routine with a
# position whose answer is worked out by hand.

# --- Knight's move touched on both side points ------------------------------
# Black's knight's move D5-E7 on 9x9 with White's E5 touching D5 and White's
# D7 touching E7: both side points hold the attacker's stones, so the
# pattern is the double contact, read by both sides at the middle points D6
# (beside D5) and E6.  Black's F7 stands beside E7.  No try is laddered:
# Black's D6 makes D5-D6 four liberties (C5, C6, D4, E6); Black's E6 makes
# E6-E7-F7 a chain of many; White's D6 makes D6-D7 four (C6, C7, D8, E6)
# and White's E6 makes E5-E6 four (D6, E4, F5, F6).  For Black the
# connection at D6 is the better try: it joins D5 to D6 and leaves E7 joined
# to F7 with four liberties after White's E6, where Black's E6 would leave
# D5 alone between White's E5 and D6 with two liberties (C5, D4).  Black
# to play: the candidate is D6, valued as the best of Black's two tries plus
# the best of White's two (the sum of the two sides' readings).

[knight-both-sides-touched-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:both D5 E7 D6 E6 [D6=r:5]

[knight-both-sides-touched-white]
# White to play: White's better try is also D6, which leaves Black's D5
# alone between E5 and D6 with two liberties (C5, D4), where White's E6
# leaves D5-D6 four liberties and E7-F7 four: the candidate is D6 with the
# same sum.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:both D5 E7 D6 E6 [D6=r:5]

# --- Knight's-move reinforcement: the owner's stone two beyond the cut ------
# The position of knight-reinforce-hane-beside-white-black (shapes-second.tst)
# with Black's H8 in place of White's: White's F7 touches E7 (A) on F9's
# line, P1 = F8 next to it, N = G8 outside P1, and H8 is the point beyond N
# from P1.  A Black stone there already covers the cut, so the pattern adds
# nothing.  The new pair F9-H8 is a knight's move with both side points (F8,
# H9) empty, and H8 alone has no eyes: no candidate at all.

[knight-reinforce-owner-beyond-outside-point]
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . O . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . X . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 F8 [none]

[knight-reinforce-owner-beyond-outside-point-other-end]
# The other end (knight-reinforce-contact-other-end of shapes-wide.tst):
# White's E9 touches F9 on E7's line, P1 = E8, N = D8 outside it, and
# Black's C8 (joined to the left group) stands beyond N from P1: the cut is
# covered, nothing.  C8 and E7 are one chain through the left group.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . O O O O O O O O O
  X X . . O X . . . . . O O
  X X X . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 E8 [none]

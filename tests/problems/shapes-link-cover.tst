# The (2,2) link's patterns: branches the other tables leave unread, each
# candidate's point and value worked out from the pattern.  "call
# Kankei5Utu:formula A B P F..." as in shapes-wide-cover.tst: the candidate
# at P is "P=r:5" when its value is the formula F (readings opened by A,
# the owner first, or by B, the attacker first, summed), "P=r/2:5" when it
# is half of it (toward zero).

# --- (2,2) links: the attacker on one midpoint --------------------------------------
# Black's D6 and F4, the centre E5.  White's D5 on the midpoint touching A;
# its mirror in the A-B diagonal is E6, the corner on that side F6.  E7
# (beyond E6 from the centre) is empty and A keeps three liberties (C6,
# D7, E6).  After Black's E5 White's E6 escapes upward (E7, F6) and no
# group has eyes, and F6 has no White neighbour: Black's point is F6,
# valued by Black's evaluation after F6 (e) plus White's after the centre
# E5 (e2); White's point is the centre.

[twotwo-midpoint-losing-answer-halved]
# White's G7, H6, G5, G4, F3 and E3 around F6 and F4: Black's F6 stands in
# White's sphere and loses (e < 0), while White's cut at E5 gains more
# (e + e2 > 0): the sum is halved (toward zero).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . X . . . O .
  . . . O . . O . .
  . . . . . X O . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 F6 D6 F6 F4 E5 [F6=r/2:5]

[twotwo-midpoint-losing-answer-halved-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . X . . . O .
  . . . O . . O . .
  . . . . . X O . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E5 D6 F6 F4 E5 [E5=r/2:5]

[twotwo-midpoint-losing-answer-even]
# As before with White's F8 too: Black's F6 loses as much as White's E5
# gains (e + e2 = 0, not above 0), so nothing is halved.
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . O . .
  . . . X . . . O .
  . . . O . . O . .
  . . . . . X O . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 F6 D6 F6 F4 E5 [F6=r:5]

# --- The push beside a knight's move: Black's D5 and E7 -----------------------------
# The points by steps from D5: D5 E5 / D6 E6 / D7 E7 (as in
# shapes-wide-cover.tst).

[keima-push-far-end-ladder]
# White's D8 above D7 (the side point touching B) with White to play: its
# push at D7, its cut at E6 (the cutting point on B's line) and Black's D6
# leave B (E7) with two liberties, E8 and F7, and the ladder catches it:
# White's F7, Black's E8, White's F8, Black's E9 runs into the edge (D8 is
# White's).  White's side of the value is half its evaluation after D7,
# E6, Black's D6 and its first ladder move F7; Black's side is its block
# at D7.
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaOsiUtu:ladder D5 E7 D7 E6 D6 F7 [D7=r:5]

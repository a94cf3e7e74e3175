# The opening's extension between two own stones on line 3: where the point
# on line 4 in the middle of the stretch has a stone beside it, its line-3
# point stands in for it.
#
#   call JobanEdgeGaps   (as in opening-gaps.tst) every candidate as
#       "P=value/bonus"

[extension-six-apart-second-middle-point-crowded]
# Black's D17 and L17 on line 3, six points between them (g = 6, h = 3):
# neither stands on line 4 and g is below 7, so the line of play is 4, the
# middle points G16 (k+h) and H16 (k+h+1).  Black's own H15 on line 5 (the
# scan looks at lines 2 to 4 only) touches H16, so H16's four neighbours
# are not all empty and its line-3 point H17 takes its place; G16 keeps
# its place (F16, H16, G17, G15 empty).  G16 is related to three own
# stones at most and no white stone is near it; White's trial at G16 leaves
# a lone stone with four liberties in the open and weakens neither black
# stone on line 3: w = 0.  g = 6 with f = 0: bonus g + 37 = 43 at M1 and,
# g being even, at M2: G16 and H17, value 25.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G16=25/43 H17=25/43]

# --- Five apart: the point under a stone that already holds a candidate -------
#   call JobanEdgeGaps:after11 P   the scan run after an earlier candidate
#       (P, 11, 0) was left in the table; every candidate as "P=value/bonus"
#   call JobanEdgeGaps:after10 P   the same with an earlier value of 10

[extension-five-apart-point-under-stone-already-worth-eleven]
# Black's D17 and K17 on line 3, five points between them (g = 5, f = 0,
# line of play 4, M1 = G16 at k+h = 4+3).  White's trial at G16 weakens
# neither lone black stone and no white stone is near: w = 0.  g = 5 with
# f = 0 looks first under P1: D17 stands on line 3, its line-2 point D18
# already holds a candidate of value 11 (at least 11): D18 gets bonus 39
# and the routine ends, no G16.  Merged with the earlier entry, 25 + 39/10
# beats 11: D18 becomes 25/39.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:after11 D18 [D18=25/39]

[extension-five-apart-point-under-stone-worth-ten]
# The same with the earlier candidate at D18 worth only 10, below 11, and
# nothing under K17 (K18): no line-2 point is taken.  M1 = G16 has two own
# stones related to it, not five, and no white stone in relation of kind 7
# or less: G16 gets bonus 38.  D18 keeps its 10.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:after10 D18 [D18=10 G16=25/38]

[extension-five-apart-point-under-second-stone-already-worth-eleven]
# The first row with the earlier candidate under P2 instead: nothing under
# D17 (D18 empty of candidates), K17 on line 3 with K18 worth 11: K18 gets
# bonus 39 and the routine ends.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:after11 K18 [K18=25/39]

# --- The endgame point whose opponent stone the ladder catches ----------------
#   call YoseValue P   the boundary point P read afresh: the candidates left
#       as "P=value/bonus" ("none")

[endgame-opponent-stone-on-point-caught-crawling-above-wall]
# Black's wall fills line 3 with D4 on top and all of lines 1 and 2 behind
# it: one living group.  White's last move was H8, far away.  E4 touches
# Black's wall at E3 and D4 (no group of under four eyes beside it, no
# chain of two liberties: no atari point).  Black's E4 joins the wall.
# White's E4 would keep only F4 and E5: Black's E5 from above, and White
# crawls along line 4 over the wall (F4, G4, H4) with two liberties each
# time, Black blocking at F5, G5, H5, until White's J4 at the edge has J5
# alone and Black takes the lot.  A point where the opponent's own stone
# is caught by the ladder (the game having a last move) is not valued: no
# candidate.
sgf games/endgame-lone-stone-crawls-above-wall.sgf 2
call YoseValue E4 [none]

# --- The border point whose opponent stone the ladder catches ----------------
#   call YoseBorderValue:gate P   (as in generators-cover2.tst) P valued
#       alone: the candidates left ("none" when a gate drops P)

[endgame-border-point-opponent-stone-caught-crawling-above-wall]
# The crawling position as a diagram.  E4 touches Black's living wall (E3,
# D4) and no white stone near it is dying; Black may play there and it is
# no atari point.  Black's E4 joins the wall with many liberties and lives.
# White's E4 keeps F4 and E5 and is caught by the ladder crawling along
# line 4 over the wall to J4 and J5: the border point is dropped with
# nothing stored.
black to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:gate E4 [none]

# --- The opening's centre points between stones (19x19) ----------------------
#   call JobanKoho2:points P...   the third stage of the opening (before move
#       60: no caps) on the position; the candidates at the points given,
#       "P=value/bonus" or "P=none"


[centre-point-own-stones-exactly-twelve-apart]
# Black's J13 at (1,3) and N11 at (3,1) from K10, both large knight's
# moves (kind 7), are (4,2) apart: Kyori 10 + 2 = 12, just far enough.
# White's K6 at (0,4).  Bonus 9.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:points K10 [K10=25/9]

[centre-point-own-stones-eleven-apart]
# The row before with N11 moved to N12, (3,2) from K10 (kind 8): J13 and
# N12 are (4,1) apart, Kyori 10 + 1 = 11, below 12: K10 is passed over.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:points K10 [K10=none]

[centre-point-own-stone-at-two-three]
# The twelve-apart row with N11 moved to M7, (2,3) from K10 (kind 8): J13
# and M7 are (3,6) apart (Kyori 21 + 3 = 24).  An own stone in relation of
# kind 8 takes one off: 9 - 1 = 8.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:points K10 [K10=25/8]

[centre-point-own-stone-at-two-two]
# The twelve-apart row with N11 moved to M8, (2,2) from K10 (kind 5): J13
# and M8 are (3,5) apart (Kyori 15 + 3 = 18).  An own stone in relation of
# kind 5 takes one off: 9 - 1 = 8.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:points K10 [K10=25/8]

[centre-point-opponent-stone-diagonal]
# The twelve-apart row with White's stone at J9 instead of K6, diagonal to
# K10 (kind 2, not next to it): a white diagonal stone makes the bonus 10.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:points K10 [K10=25/10]

[centre-point-between-two-opponent-stones]
# The twelve-apart row with the colours exchanged: one black stone (K6,
# kind 10) and two white ones twelve apart: bonus 8 for a single own
# stone.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:points K10 [K10=25/8]

# --- The wide extension between own stones with a white stone near -----------
#   call JobanEdgeGaps   every candidate as "P=value/bonus"

[extension-seven-apart-white-stone-near-middle]
# Black's D17 and M17 on line 3, seven points between them (g = 7, h = 4):
# g >= 7 puts the line of play on line 3, M1 = H17 (k+h = 8); g is odd, so
# no M2.  White's J15 (line 5, outside the scan) is a knight's move from
# H17 (kind 4).  H17 is related to two black stones, not four; White's
# trial at H17, backed by J15, is far from dying.  Whatever the trial does
# to D17 and M17, w is at least 1 (the white stone near), and for g >= 7
# with f = 0 one weak side or two both give bonus g + 38 = 45 at M1 (the
# firm case would give g + 37): H17, value 25.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [H17=25/45]

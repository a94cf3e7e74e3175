# The endgame's border point where the opponent's hane point decides the
# engine's gain, and the gates that drop a border point before it is
# valued: a dead stone of the opponent's beside it.  Then the opening's gap
# between the opponent's stone and ours, three apart.  Last, two own stones
# that an invasion between them would both weaken, and an atari point of the
# endgame between living walls.
#
#   call YoseBorderValue:hane P Q    J's stone at P has two of O's stones
#       diagonal to it on one side, and the point Q between them (next to
#       P) is empty and playable: O hanes there.  A = J's evaluation after
#       J at P and O at Q, when O's stone at Q keeps two liberties or more;
#       B = O's evaluation after O at P (no atari), counted when B >= -1.
#       v = A + B stored as (v, 0) when v >= 2 or v < 0, (0, 5) when v = 1,
#       (0, 0) when v = 0: "P=r/b", then "hane<plain" when A is below J's
#       evaluation after J at P alone
#   call YoseBorderValue:gate P   P valued alone: the candidates left
#       ("none" when a gate drops P)

# --- The hane point ----------------------------------------------------------

[endgame-border-hane-point-between-two-diagonal-stones]
# Black's wall on line 7 with its D5 and F5 in front, White's wall on line
# 3.  White's E4 touches its wall; D5 and F5 are diagonal to E4 on the
# upper side, and E5 between them is empty, legal and no self-atari for
# White: Black hanes at E5, and the hane stone joins D5 and F5 with many
# liberties.  So White's gain is read after White E4 and Black E5 (A = 1:
# the hane takes back one of the two points E4 alone gains), not after E4
# alone.  Black's E4 ataris nothing and gains B = 1, counted.  v = 1 + 1
# = 2, stored as it is with bonus 0 (E4 alone would have made it 3).
white to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:hane E4 E5 [E4=r/b hane<plain]

[endgame-border-hane-point-between-two-diagonal-stones-other-side]
# The same position turned upside down with the colours exchanged: Black's
# E6 under White's D5 and F5, which hane at E5 below E6.  A = 1, B = 1:
# v = 2, bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:hane E6 E5 [E6=r/b hane<plain]

# --- Gates -------------------------------------------------------------------

[endgame-border-point-beside-a-dead-stone]
# The hane position with Black's E2 alone inside White's area under White's
# wall: the stone is dead.  White's D2 touches White's wall (D3) and the
# dead stone: a dead stone of the opponent's next to the border point is
# captured, not bargained with, so D2 is not valued.
white to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . X . . . .
  . . . . . . . . .
call YoseBorderValue:gate D2 [none]

# --- The opening's gap with the opponent's stone first ------------------------
#   call JobanEdgeGaps   (as in opening-gaps.tst) every candidate as
#       "P=value/bonus"

[opening-pincer-three-apart-own-stone-shut-in-from-the-corner]
# White's D17 and Black's H17 three apart on line 3 (g = 3, the opponent's
# stone first).  White's J17 and J16 press H17 from the corner side: after
# White's trial approach at F17 (line 3, two from H17), H17 has only G17,
# H18 and H16 left between F17 and the J-stones, and its group is close to
# death (level 90 or more): the routine ends with nothing proposed.
# (Approached from line 2, at F18, H17 would keep G17 open to the centre
# and be only weak.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X O . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [none]

[opening-pincer-three-apart-own-stone-leaned-on]
# As above with only White's J16 leaning on H17: White's trial at F17 leaves
# H17 weak (level 31 or more, below 90); Black's trial at F17 leaves D17
# firm: only our side suffers.  g = 3: X = F17 (m-2) gets bonus 44.  The
# line-5 point above H17, H15, is empty but J16 stands among its eight
# surrounding points: nothing there.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/44]

[opening-pincer-three-apart-their-stone-hemmed]
# White's D17 hemmed by Black's C16 and D15, Black's H17 free, g = 3.
# White's trial at F17 leaves H17 firm; Black's trial at F17 leaves D17
# weak (level 31 or more, below 90): only the opponent suffers.  L3 at k+2
# .. k+4, no further than m-2: F17 alone gets bonus 30.  D17 stands on line
# 3 and g = 3: the line-2 point at k+1, E18, with its four neighbours E19,
# D18, F18 and E17 empty, gets bonus 35.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [E18=25/35 F17=25/30]

# --- The opening's extension between two own stones, both weakened -----------

[opening-extension-five-apart-both-own-stones-hemmed]
# Black's D17 and K17 on line 3, five apart (g = 5), each hemmed by White:
# C16 and D15 at D17, L16 and K15 at K17.  Neither stone is on line 4 and
# g < 7, so the line of play is 4 and the middle is G16 (k+h, its four
# neighbours empty).  White's invasion at G16 leaves both black stones weak
# (w = 2).  Neither stone has a line-3 extension far from the middle (each
# is shut in on its own side), so G16 itself takes the bonus 50; g is odd:
# no second middle point.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . X . . . . . . . . .
  . . O . . . . . . . O . . . . . . . .
  . . . O . . . . . O . . . . . . . . .
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
call JobanEdgeGaps [G16=25/50]

[opening-extension-four-apart-both-own-stones-hemmed]
# The same with J17 four apart from D17 (g = 4), hemmed by K16 and J15:
# line of play 4, middle points F16 and G16 (k+h and k+h+1).  White's
# invasion at F16 leaves both stones weak (w = 2), no far extension: F16
# gets bonus 50 and, g being even, G16 too.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . O . . . . . . O . . . . . . . . .
  . . . O . . . . O . . . . . . . . . .
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
call JobanEdgeGaps [F16=25/50 G16=25/50]

# --- The endgame's atari point between living groups ---------------------------
#   call YoseValue V   (as in generators.tst) the value of the point V read
#       afresh: the candidates left as "V=value/bonus"

[endgame-atari-point-between-living-walls]
# Black's wall on line 8 and its E6 hanging into White's wall (D6, F6, D5,
# F5 and the line-4 wall): E6 keeps E7 and E5.  Both walls live (eye value
# 4 or more), so E5 is valued, and it is an atari point: White's E5 ataris
# E6, and the atari formula takes over.  The forcing point is E6's last
# liberty E7: Black connects there, and White's E5 has only filled its own
# wall's point: gJ = 0.  Black cannot play E5 (E6-E5 would keep only E7, a
# self-atari): stored as (gJ, 0) = (0, 0), the follow-up not counted.
# (Valued by the ordinary formula White's E5 would be sente: bonus 5.)
white to play
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . O X O . . .
  . . . O . O . . .
  O O O O O O O O O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseValue E5 [E5=0/0]

# --- The one-stone point below its own dead stone -------------------------------
#   call YoseOneStone V   (as in generators-more.tst) "V=r/b mark" against
#       the reading, "none" when nothing is stored

[endgame-one-stone-below-its-own-dead-stone]
# endgame-one-stone-beside-its-own-dead-stone turned a quarter: E5 touches
# one stone, Black's E6 above it, shut in by White's D6, F6 and E7 with E5
# its last liberty: dead in the analysis.  White's D6 and F6 diagonal to E5
# are alive, but the one stone that E5 touches is dead: nothing stored.
white to play
  . . . . . . . . .
  O O O O O O O O O
  . . O . O . O . .
  O O O O X O O O O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  X . . . . . . . X
call YoseOneStone E5 [none]

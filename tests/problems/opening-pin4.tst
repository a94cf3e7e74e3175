# The opening on 19 x 19: the 3-3 point of every corner, the rules that
# answer the opponent's first moves, and the cells of the own-stones
# extension that the earlier tables leave open.  Every answer is worked out
# by hand from the opening's rules.  Points are written as GTP vertices.
#
#   call JobanKoho:at:moves30 P...   stage 2 of the opening with 30 moves
#                                    played: the candidates at P..., as
#                                    "P=value/bonus" or "P=none"
#   call JobanEdgeGaps               the edge scan alone: every candidate as
#                                    "P=value/bonus", "none" when none

# --- The 3-3 point of the upper-right and lower-left corners ---------------------
#
# The 3-3 point beside a lone star-point stone (the only stone among its
# eight surrounding points, its four neighbours empty) is a candidate for
# either side.  The invasion is read for the side opposite to the star-point
# stone; with the stone approached by two knight's moves it keeps its way out
# towards the centre, so the reading adds nothing (as in the upper-left
# corner).  Then the count of the star-point stone's side related to the 3-3
# point (one stone, fewer than 3) gives 20 with bonus 0 when the star-point
# stone is the side to move's own, else 25 with bonus 2.

[kf-three-three-lower-left-approached-star-point-for-the-invader]
# Black's D4 with White's F3 and C6; White to play: C3 = 25/2.
white to play
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
  . . O . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves30 C3 [C3=25/2]

[kf-three-three-lower-left-approached-star-point-own]
# The same with Black to play: D4 is Black's own stone: C3 = 20/0.
black to play
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
  . . O . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves30 C3 [C3=20/0]

[kf-three-three-upper-right-approached-star-point-for-the-invader]
# Black's Q16 with White's O17 and R14; White to play: R17 = 25/2.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . O . .
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
call JobanKoho:at:moves30 R17 [R17=25/2]

[kf-three-three-upper-right-approached-star-point-own]
# The same with Black to play: Q16 is Black's own stone: R17 = 20/0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . O . .
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
call JobanKoho:at:moves30 R17 [R17=20/0]

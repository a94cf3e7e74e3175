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

# --- The look-ahead's answers, the third move of a line ---------------------------
#
#   call YomiTe:display-numbers-sorted R   the side to move reads the root R
#                                  (the whole board the area, no forced
#                                  continuation, the root's best value 20,
#                                  so replies above 15 are read, and below
#                                  it captures and escapes, at most 3 on
#                                  9 x 9) with the look-ahead display on:
#                                  the numbers drawn on the moves, sorted
#
# The root is numbered 1, each of the opponent's replies 2, and each of our
# answers to a reply 3.

[kf-tree-numbers-two-replies-each-answered]
# The position of tree-one-reply-is-read-and-kept (yomi-pin.tst) with its
# top-right corner mirrored into the top-left: Black's B8 in atari under
# White's A8, C8 and B9, as H8 under G8, J8 and H9.  Black's root D2 takes
# White's four stones C3-D4 (numbered 1).  White then has two urgent moves,
# each the other's mirror image: H7 and B7, each taking one Black stone
# (worth well above 13; nothing else is short of liberties but White's own
# stones beside them, which need no saving).  Both are read, each numbered 2.
# After White's H7 Black's B8 is still in atari and escapes at B7 (three
# liberties A7, C7, B6 after it, an escape worth 13 or more): Black's one
# answer, numbered 3; after White's B7 likewise H7 for H8.  With no forced
# continuation nothing more is drawn.
black to play
  . O . . . . . O .
  O X O . . . O X O
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O O X . . . .
  . X O O X . . . .
  . . X . . . . . .
  . . . . . . . . .
call YomiTe:display-numbers-sorted D2 [1:D2 2:B7 2:H7 3:B7 3:H7]

# The opening on 19 x 19: the 3-3 point of the corners the earlier tables
# leave open.  The look-ahead: its tree on 9 x 9 (the answers below two
# replies, the score its lines leave) and its area round a weak stone on
# 19 x 19.
# Every answer is worked out by hand from the rules of the opening and of
# the look-ahead.  Points are written as GTP vertices.
#
#   call JobanKoho:at:moves30 P...   stage 2 of the opening with 30 moves
#                                    played: the candidates at P..., as
#                                    "P=value/bonus" or "P=none"

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

[three-three-lower-left-approached-star-point-for-the-invader]
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

[three-three-lower-left-approached-star-point-own]
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

[three-three-upper-right-approached-star-point-for-the-invader]
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

[three-three-upper-right-approached-star-point-own]
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

[tree-numbers-two-replies-each-answered]
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

# --- The look-ahead's score: the leaf its lines end in -------------------------------
#
#   call YomiTe:least-leaf R Q... [R Q...]   the side to move reads the root
#                                  R as above; the points after R are the
#                                  lines expected below R (a reply and the
#                                  answers to the leaf, a repeat of R
#                                  starting the next line), each evaluated
#                                  for the side to move against the base
#                                  before R: "least" when the root's score
#                                  is the least of those leaves
#
# With no forced continuation the leaf is evaluated as soon as the answer is
# played, and a reply that leaves no answer is evaluated at once; our side
# takes the best of its answers, the opponent the least of its replies.

[tree-score-of-one-reply-without-an-answer]
# The position of tree-one-reply-is-read-and-kept (yomi-pin.tst): after
# Black's D2 White's one reply is H7, after which Black has nothing to
# answer: that reply's value is the evaluation right after it, and being
# the only reply it is the root's score.
black to play
  . . . . . . . O .
  . . . . . . O X O
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O O X . . . .
  . X O O X . . . .
  . . X . . . . . .
  . . . . . . . . .
call YomiTe:least-leaf D2 H7 [least]

[tree-score-of-two-replies-each-answered]
# The position of tree-numbers-two-replies-each-answered: White's two
# replies H7 and B7, each answered by Black's one escape (B7 and H7): each
# reply is worth its one leaf, and White takes the lesser of the two.
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
call YomiTe:least-leaf D2 H7 B7 D2 B7 H7 [least]

# --- The look-ahead area round a weak stone: its last related point ---------------
#
#   call MakeYomiArea:cover P Q...   (as in generators-cover.tst) the area
#       made for the move P: each Q as "Q" when the area holds it, "Q=out"
#       when not
#
# The area of P is every empty point within 6 lines of P both ways; when a
# group collected around P is weak and not dead, every point related to
# each collected weak group and the eight points around it join.  The
# related points are listed as the empty points are scanned, row by row
# from the top, each row from the left: the last one listed is the lowest
# row's rightmost.

[look-ahead-area-round-the-last-related-point-of-a-weak-stone]
# The row look-ahead-area-takes-the-diagonal-round-a-far-related-point
# (life2-cover.tst) upside down: White's K10 on Black's wall J9-K9-L9
# (liberties J10, L10, K11) is weak and not dead.  P = G10 is a two-space
# jump from K10 (nothing stands between them; the wall's J9 beside the
# jump's far end does not block it), so K10's group is collected; the
# square of P ends at column N.  Every point below row 10 that could relate
# to K10 is cut off by the wall (each scan from it meets J9, K9 or L9
# first), so K10's last related point is in row 10, the rightmost: N10, a
# two-space jump (O10, a three-space jump, is cut off by L9 beside its
# third point).  O9, below and right of N10, is beside no other related
# point of K10: in the area only through N10.  O11, a (1,4) shape from K10
# (nothing on the line between), is related: P10 beside it is in too.  P9
# is beside none of them: out.
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
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . X X X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:cover G10 O9 P10 P9 [O9 P10 P9=out]

# --- The answer to a first move on the centre point ---------------------------------
#
#   call JobanTe:vs-computer-after-centre   stage 0 against another program
#       (19 x 19) after the side to move has played K10 as the first move:
#       "P C...", the point it gives and the candidates it left
#       ("P=value")

[vs-computer-answer-to-the-centre-point]
# Move 1 is K10 = (10,10): the star points of the corners that hold no move
# of the record.  K10 counts for the lower-right corner (3: both
# coordinates 10 or more), so the upper-left D16, the upper-right Q16 and
# the lower-left D4, in this order, each enter the table with value 100
# and bonus 0; the last one taken, D4, is the answer (empty, so playable).
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanTe:vs-computer-after-centre [D4 D16=100 D4=100 Q16=100]

# --- The random first point and the handicap -----------------------------------------
#
#   call JobanTe:first-columns-handicapH   stage 0 on the empty board in a
#       continuous game with developer mode on and H handicap stones
#       declared, 400 times from a fixed seed: the columns given, "x=3,4"
#
# The random first point (each coordinate 3 to N-2) is drawn only with fewer
# than 2 handicap stones; otherwise stage 0 takes a free corner point of its
# twelve-point table, whose columns on 9 x 9 are 3, 4, N-3 = 6 and N-2 = 7.

[first-point-columns-with-one-handicap-stone]
# One handicap stone is fewer than 2: the random point, columns 3 to 7, all
# five reached in 400 draws.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call JobanTe:first-columns-handicap1 [x=3,4,5,6,7]

[first-point-columns-with-two-handicap-stones]
# Two handicap stones: no random point; every corner point of the table has
# eight empty points around it, so the free corner points give columns 3,
# 4, 6 and 7, never 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call JobanTe:first-columns-handicap2 [x=3,4,6,7]

# --- The look-ahead area: the chain on the left of the point -------------------------

[look-ahead-area-reaches-round-a-weak-stone-on-the-left]
# The row look-ahead-area-reaches-round-a-weak-stone (generators-cover.tst)
# mirrored left to right, so that the chain next to P = K10 is its left
# neighbour J10: Black's line D10-J10 with D11 and D9 above and below its
# end.  White's C10 (liberties C9, C11 and B10) is weak but not dead, and it
# is collected as the enemy of the chain next to K10.  Beyond the square
# (columns D to Q) the area takes C10's related points C9, C11, B10 and
# their neighbours, A9, A10 and A11 on the edge among them; R10, right of
# the square, stays out.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . O X X X X X X . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:cover K10 R10 Q10 C9 C11 B10 A9 A10 A11 [A10 A11 A9 B10 C11 C9 Q10 R10=out]

# --- The edge scan at the first position of an edge ----------------------------------
#
#   call JobanEdgeGaps               the edge scan alone: every candidate as
#                                    "P=value/bonus", "none" when none

[side-pattern-from-a-stone-at-the-third-position]
# The row side-one-point-kept-three-own-and-an-opponent (opening-gaps.tst)
# one column to the left, so that the first stone stands at position 3 of
# the top edge, the first position the edge lines hold.  Black's C17 and
# H17 on line 3, four apart (g = 4): line of play 4, middle points E16 and
# F16.  E16 is related to three black stones (C17 and C15 knight's moves,
# H17 a large knight's move), fewer than 4.  White's F14 is a knight's move
# from E16, so although the invasion at E16 weakens neither stone, w = 1;
# no weak stone, so no extension.  Side pattern with base 39: no white
# stone within a one-space jump of E16; nothing of White's beside C16 or
# H16 on line 4; C15, two lines above C17, holds Black's stone (the answer
# counts 1); H15 is empty with eight empty points around it, the one line-5
# point kept.  H15 is related to three black stones, H17 (one-space jump
# below), K15 (one-space jump along line 5) and H12 (two-space jump above),
# and to White's F14 (knight's move): three or more, so H15 gets 2 * 39 div
# 3 = 26, and H14, the point beyond H15 seen from H16, with eight empty
# points around it, 26 + 1 = 27.  The answer 1 leaves E16 38 only for
# White's knight's move F14; F16 gets nothing.  (On the left edge C17 and
# C15 are two apart and of one colour: nothing.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . X . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
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
call JobanEdgeGaps [E16=25/38 H14=25/27 H15=25/26]

[invasion-three-apart-own-stone-above-only-the-line-5-point]
# The row invasion-three-apart-one-on-line-4-own-stone-above (opening-
# pin.tst) with Black's stone at F12: White's D16 (line 4) and H17 (line
# 3), g = 3.  Black's trial at F17 is not lost and weakens neither White
# stone, and no Black stone is within a large knight's move of F17: w = 0.
# v = g + 5 + 2 = 10: F17 gets value 10.  X = F17, two positions from the
# line-4 stone D16; the line-5 point at its position, F15, has Black's F12
# a two-space jump away (kind 6 <= 7), although F16 on line 4 has it only
# a three-space jump away: X gets bonus g = 3, so F17 = 25/3.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/3]

[invasion-five-apart-the-first-stone-weak]
# White's D17 and K17 on line 3, five apart (g = 5): the trial is Black's
# G17, the middle on line 3.  D17 is hemmed in by Black's C16 beside the
# corner and D15 above it; after Black's G17 its group is weak, and it has
# no extension of its own (toward the corner its two-space jump and large
# knight's moves lie on line 1): counted, the weak stone is P1 = D17.
# White's K17 group of six stones stays firm.  (Black's G17 is not so much
# weaker than D17 that the count changes.)  No Black stone is within a large
# knight's move of G17.  w = 1 with D17 weak: X = L3(k+2) = F17.  g = 5:
# G17 gets bonus 6 (g odd, no second middle point) and F17 bonus 21.  (On
# the left edge C16 and D15 stand next to D17: no stretch.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . O O . . . . . . . .
  . . X . . . . . . O O . . . . . . . .
  . . . X . . . . . O . . . . . . . . .
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
call JobanEdgeGaps [F17=25/21 G17=25/6]

# --- The 3-3 press: the strip's last point on line 2 ---------------------------------
#
#   call JobanKoho:press T S H A P...   (as in generators-roles.tst) the
#       press reading r: T's colour at S, the other at H, T's colour at A;
#       the candidates at P... as "P=r/0", "P=cap26/0" or "P=none"

[three-three-press-down-the-side-strip-end-occupied]
# three-three-press-down-the-side-for-white (generators-cover.tst) with
# Black's B14 beside C14: the strip from the 3-3 point C17 to C14, turned
# so that its line-2 side is the B column, must be empty at B17, B16, B15
# and B14 (its line-2 points) and at D15; B14 holds a stone, so the press
# proposes nothing: no candidate at B15 (the left edge's stones D16, C15
# and C14/B14 stand at neighbouring positions: no stretch either).
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . X X . . . . . . . . . . . . . . . .
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
call JobanKoho:press C14 C17 B15 E18 B15 [B15=none]

[extension-ten-apart-both-sides-firm]
# Black's D17 (with D15) and P17 (with P15) on line 3, ten apart (g = 10,
# one short of the wide stretch that is proposed without trials): the line
# of play is 3 (g >= 7), the middle points J17 and K17 (positions k+5 and
# k+6).  J17 is related to no Black stone and no White stone stands near.
# White's invasion at J17 is not close to death and leaves neither Black
# pair weak: w = 0.  g = 6..10 and neither stone on line 4: J17 and K17
# (g even) get bonus g + 37 = 47.  (On the left edge D17 and D15 are two
# apart and of one colour: nothing; P17 and P15 stand on line 5 of the
# right edge.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . X . . . .
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
call JobanEdgeGaps [J17=25/47 K17=25/47]

[own-first-three-apart-their-stone-on-line-4-up-point-free]
# own-first-three-apart-own-stone-pinched-up-point-free (opening-pin.tst)
# with White's stone at H16 on line 4 (with H15 and J16 beside it): Black's
# D17 on line 3 alone between White's A17 on the edge and the stretch, g =
# 3.  White's trial at F17 leaves D17 weak (a), Black's trial at F17 leaves
# H16's group firm (not b).  Black's own F17 keeps its group's level below
# 60: F17 gets 39.  The line-5 point above D17 (D17 being on line 3), D15,
# is empty and White's A17 is only a (2,3) shape from it (kind 8, beyond
# 7): D15 gets 39 too.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  O . . X . . . . . . . . . . . . . . .
  . . . . . . . O O . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
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
call JobanEdgeGaps [D15=25/39 F17=25/39]

[invasion-five-apart-second-stone-alone-on-line-4]
# White's D17 (line 3) and K16 (line 4), five apart (g = 5): Black's trial
# at the middle G17 is not close to death and weakens neither White stone;
# Black's G13 is a three-space jump from G17 (kind 10, beyond 7), not near:
# w = 0.  v = g + 5 + 2 (one stone on line 4) = 12: G17 gets value 12.
# g = 5: F17 = L3(k+2) gets value 12 as well, D17 not being on line 4;
# H17 = L3(m-2), K16 being on line 4, gets bonus 18 (19 only when D17 were
# on line 4 too).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=12/0 G17=12/0 H17=25/18]

[invasion-six-apart-second-stone-alone-on-line-4]
# The same with White's second stone at L16 (line 4), six apart (g = 6):
# the trial at the middle G17 again leaves w = 0 (G13 a three-space jump
# from it).  v = g + 5 + 2 = 13: G17 and H17 (g even) get value 13.  g = 6:
# F17 = L3(k+2) gets bonus 9, D17 not being on line 4; J17 = L3(m-2), L16
# alone being on line 4, gets bonus 21 (22 only when both were).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/9 G17=13/0 H17=13/0 J17=25/21]

[extension-four-apart-both-weak-the-second-stone-extends]
# Black's D17 and J17 on line 3, four apart (g = 4): line of play 4, middle
# points F16 and G16.  White's invasion at F16 is not close to death and
# leaves both Black stones weak, D17 capped by D15 with White's B16 beside
# the corner and J17 capped by J15: w = 2.  g = 4..6: D17's two-space jumps
# and large knight's moves along line 3 give no point (toward the corner
# they lie on line 1; F17 toward the stretch is next to F16, distance 1,
# not 10 or more), so the second stone's: J17's first such point on line 3
# is its two-space jump M17 (distance 21 + 1 = 22 from F16), empty with
# four empty neighbours and no White stone beside the jump: M17 takes F16's
# place with bonus 50, and G16 (g even) gets 50.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [G16=25/50 M17=25/50]

# --- The extension with one side suffering, graded from the middle point -------------

[extension-five-apart-one-side-suffers-one-middle-point]
# Black's D17 and K17 on line 3, five apart (g = 5): line of play 4, middle
# point G16 (H16 is the second middle point of even stretches only).  G16
# is related to two Black stones (large knight's moves), fewer than 4.
# White's G14 is a one-space jump from G16 (kind 3 <= 4): although White's
# invasion at G16 is not lost and weakens neither Black stone, w = 1, with
# no weak stone.  Side pattern with base 39: White's G14 within a one-space
# jump of G16 ends it at once with 0.  So G16 is graded: its eight
# surrounding points are empty, 38, and D15 two lines above D17 is empty,
# no +2; no White stone stands a knight's move from G16: G16 gets 38, and
# nothing more for g odd.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
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
call JobanEdgeGaps [G16=25/38]

[extension-six-apart-one-side-suffers-two-middle-points]
# The same with Black's second stone at L17, six apart (g = 6, still below
# the 7 from which the middle points simply get g + 38): G16 gets 38 as
# above, and H16, the second middle point (g even), graded from L17: its
# eight surrounding points empty, L15 above L17 empty: 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
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
call JobanEdgeGaps [G16=25/38 H16=25/38]

# The opening's edge scan on positions whose answers turn on the peep
# table: the narrow stretch whose first stone stands on line 3 (the block
# under the line-4 stone goes to the second line when the block's side
# peeps there), and the levels from which a trial move counts as hurting a
# group in the stretches between stones of different colours; and the
# free star point that stage 0 gives against another program.
# Every answer is worked out by hand from the rules of the opening; what
# the evaluation decides (the values of the trial moves, the death levels
# of groups after a trial) is stated as the premise of the row, or left out
# where a row reads the candidates' points alone.  Points are written as GTP
# vertices.
#
#   call JobanEdgeGaps:with-peeps   the edge scan alone, the peep table
#                                   rebuilt first: the candidates' points,
#                                   sorted, "none" when none
#   call JobanEdgeGaps:at P...      the edge scan alone, read at P...: each
#                                   as "P=value/bonus", "P=none" without one

# --- A narrow stretch whose first stone stands on line 3, with peeps -------------

[narrow-line-3-first-block-stays-on-line-3-beside-a-peep]
# White's N17 on line 3 and Black's Q16 on line 4 along the top, pos 13 and
# 16: the lowest stones at their pos, different colours, neither on line 2,
# on different lines, so the narrow stretch is read.  White's N19 on the
# first line is not read by the scan, and no stone stands on any other
# edge's lines 2 to 4 with a neighbour along that edge.  N17 is not on
# line 4: its chain (N17 alone, four liberties, N19 does not touch it) is
# not tight; X = Q18, the line-2 point at Q16's pos, with its eight
# surrounding points empty.  Black is not the side that plays X (White,
# the line-3 stone's colour, is), so Black's candidate is Y.  Y is P17, the
# line-3 point next to Q16 towards the stretch, unless Black peeps at the
# line-2 point there, P18.  The peep table: White's N19 and N17 are a
# one-space jump over the empty N18, and the points beside the gap, M18 and
# O18, are both empty: Black peeps at M18 and at O18.  No other pair of
# one colour is a one-space jump or a diagonal pair, so P18 is no peep
# point of Black's: Black's candidate stays P17 (O18 is no point of this
# rule).
black to play
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . X . . .
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
call JobanEdgeGaps:with-peeps [P17]

[narrow-line-3-first-block-goes-to-line-2-under-a-peep]
# White's N17 and O17 on line 3 and Black's Q16 on line 4 along the top;
# White's O19 on the first line is not read by the scan.  N17 and O17
# stand one position apart (nothing); O17 (pos 14) and Q16 (pos 16) are two
# apart, the lowest stones at their pos, of different colours, neither on
# line 2, on different lines: the narrow stretch.  O17 is not on line 4:
# its chain N17-O17 has six liberties (M17, N16, O16, N18, O18, P17), not
# tight; X = Q18 with its eight surrounding points empty.  Black does not
# play X (White does), so Black's candidate is Y.  The peep table: White's
# O19 and O17 are a one-space jump over the empty O18, and the points
# beside the gap, N18 and P18, are both empty: Black peeps at N18 and at
# P18.  P18 is the line-2 point next to Q16 towards the stretch, so Y is
# P18 rather than the line-3 point P17.
black to play
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . O O . . . . .
  . . . . . . . . . . . . . . . X . . .
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
call JobanEdgeGaps:with-peeps [P18]

# --- Five apart, the opponent's line-4 stone first, its group at level 30 ---------

[opponent-line-4-first-five-apart-its-group-at-level-30-is-not-weak-enough]
# Black to play.  White's D16 (line 4, pos 4) and Black's K17 (line 3,
# pos 10) along the top, five empty positions between (g = 5): the
# opponent's stone first, own stone second.  No other stone stands on lines
# 2 to 4 of the top edge.  Black's C13 stands on the left edge only (its
# narrow stretch with D16 there proposes B16, no point read here).
# Premises from the evaluation: after White's trial at H17 (the line-3 point
# at m-2) Black's K17 is not weak (death level 0); after Black's trial at
# F17 (the line-3 point at k+2) White's D16 is weak with death level 30.
# A group counts here only from level 31, so neither side is hurt, and
# neither level reaches 90.  Neither: g = 5 is at most 6 and White's D16
# stands on line 4 while K17 does not: bonus g + 27 = 32 at F17, which is
# related to one White stone only (D16, a knight's move), fewer than 3, so
# F17 keeps it.  G17 and H17 get nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at F17 G17 H17 [F17=25/32 G17=none H17=none]

# --- Five apart, own stone first, the opponent's group at level 20 ----------------

[own-line-3-first-five-apart-the-opponent-group-at-level-20-is-not-weak-enough]
# Black to play.  Black's K17 (line 3, pos 10) and White's Q16 (line 4,
# pos 16) along the top, five empty positions between (g = 5): own stone
# first, the opponent's second.  White's R16 stands next to Q16 (one apart,
# nothing); Black's K15 and M15 stand on line 5 and are not read by the
# top edge's scan.  (On the right edge Black's S12 and White's Q16 make a
# stretch of their own, whose points lie on the right edge's lines, not at
# O17.)  Premises from the evaluation: after White's trial at M17 (the
# line-3 point at k+2) Black's K17 is not weak (death level 0); after
# Black's trial at O17 (the line-3 point at m-2) White's Q16-R16 is weak
# with death level 20.  The trial hurts a group here only from level 21,
# so neither side is hurt.  Neither: g = 5 is at most 6 and White's Q16
# stands on line 4, Black's K17 does not: O17, the line-3 point at m-2,
# gets bonus g + 27 = 32.  M17 and N17 get nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . O O . .
  . . . . . . . . . X . X . . . . . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . X .
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
call JobanEdgeGaps:at M17 N17 O17 [M17=none N17=none O17=25/32]

# --- The invasion between two opponent stones, only the far one on line 4, w = 0 ---------

[invasion-three-apart-only-the-far-stone-on-line-4-own-stone-below]
# White's D17 (line 3, pos 4) and H16 (line 4, pos 8): g = 3, the
# opponent's stones on both sides.  Only H16 stands on line 4, so the
# middle point stays on line 3: M1 = F17, the trial point too.  Black's F12
# is five points below F17, not related to it: t does not hold.  Premises:
# after Black's trial at F17 neither White stone is weak (a lone stone in
# the open), and the trial stone itself is not close to death: w = 0.  With
# g = 3 below 7: v = g + 5 + 2 (H16 on line 4) = 10, so F17 gets value 10
# with bonus 0.  Then g is at most 4 and only H16 stands on line 4: X is
# the line-3 point 2 positions from H16 towards the stretch, F17 again,
# and the line-5 point at its pos, F15, has Black's F12 a two-space jump
# below it: X gets bonus g = 3 at value 25.  That entry is worth more
# (25 + 3 div 10 = 25 against 10), so it replaces the lesser one: F17 =
# 25/3.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
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
call JobanEdgeGaps:at F17 F15 [F15=none F17=25/3]

# --- The free star point against another program ----------------------------------
#
#   call JobanTe:vs-computer-after-two   stage 0 against another program (19
#       x 19) with two moves played: the point it gives ("pass" for none)

[free-star-point-the-first-one]
# Two moves played, both in the upper corners (D16 and Q16): the answer is
# the first of Q4, D16, D4 and Q16 (lower right, upper left, lower left,
# upper right) that is empty with no stone in relation.  Q4, the first, is
# empty and far from both stones: Q4 (not a point beside it).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . O . . .
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
call JobanTe:vs-computer-after-two [Q4]

[opponent-line-3-first-five-apart-own-group-at-level-30-is-not-weak-enough]
# Black to play.  White's K17 (line 3, pos 10) and Black's Q16 (line 4,
# pos 16) along the top, five empty positions between (g = 5): the
# opponent's stone first, own stone second.  No other stone stands on lines
# 2 to 4 of the top edge.  White's R13 stands on the right edge (its
# narrow stretch with Q16 there proposes no point read here).  Premises
# from the evaluation: after White's trial at O17 (the line-3 point at m-2)
# Black's Q16 is weak with death level 30; after Black's trial at M17 (the
# line-3 point at k+2) White's K17 is not weak.  A group counts here only
# from level 31, so neither side is hurt, and neither level reaches 90.
# Neither: K17 does not stand on line 4 and g is not 3, so b' = 2g + 20 =
# 30 goes to the line-3 point at m-3 (g below 7), N17; g = 5 gives no
# other point.  M17 and O17 get nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at M17 N17 O17 [M17=none N17=25/30 O17=none]

[own-line-4-first-five-apart-own-group-at-level-20-is-not-weak-enough]
# Black to play.  Black's D16 (line 4, pos 4) and White's K17 (line 3,
# pos 10) along the top, five empty positions between (g = 5): own stone
# first, the opponent's second.  Black's C16 stands next to D16 (one apart,
# nothing); White's H15 and K15 stand on line 5 and are not read by the
# top edge's scan.  (On the left edge White's B12 and Black's D16 make a
# stretch of their own, whose points lie on the left edge's lines, not on
# the top row read here.)  Premises from the evaluation: after White's
# trial at F17 (the line-3 point at k+2) Black's C16-D16 is weak with death
# level 20; after Black's trial at H17 (the line-3 point at m-2) White's
# K17 is not weak.  The trial hurts a group here only from level 21, so
# neither side is hurt.  Neither: K17 does not stand on line 4 and g is not
# 3, so b' = 2g + 18 = 28 goes to the line-3 point at k+3 (g below 7),
# G17; g = 5 gives no other point, and H17 would get b' + 1 only when
# White's K17 were a group of two stones.  F17 and H17 get nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . X X . . . . . . . . . . . . . . .
  . . . . . . . O . O . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at F17 G17 H17 [F17=none G17=25/28 H17=none]

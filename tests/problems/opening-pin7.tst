# The opening's edge scan on positions whose answers turn on the peep
# table: the narrow stretch whose first stone stands on line 3 (the block
# under the line-4 stone goes to the second line when the block's side
# peeps there).
# Every answer is worked out by hand from the rules of the opening; what
# the evaluation decides (the values of the trial moves) is left out: the
# rows read the candidates' points alone.  Points are written as GTP
# vertices.
#
#   call JobanEdgeGaps:with-peeps   the edge scan alone, the peep table
#                                   rebuilt first: the candidates' points,
#                                   sorted, "none" when none

# --- A narrow stretch whose first stone stands on line 3, with peeps -------------

[narrow-line-3-first-block-stays-on-line-3-beside-a-peep]
# White's N17 on line 3 and Black's Q16 on line 4 along the top, pos 13 and
# 16: the lowest stones at their pos, different colours, neither on line 2,
# on different lines, so the narrow stretch is read.  White's N19 on the
# first line takes no part in the scan, and no stone stands on any other
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
# White's O19 on the first line takes no part in the scan.  N17 and O17
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

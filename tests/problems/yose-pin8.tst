# The endgame's border scan: the opponent's stone that makes a point a
# border point may be its only stone on the point's diagonals, on any side.
#
#   call YoseBorderThink:at V...   (as in life-yose-pin4.tst) the scan of
#       the border points alone: each V as "V" with a candidate there,
#       "V=none" without, ":mark" when marked dealt with

# --- One opponent stone on a diagonal is enough --------------------------------

[endgame-border-scan-opponent-only-on-the-upper-left-diagonal]
# Black's living wall across the board on line 3 (its territory below),
# White's across on line 6 with one stone more at E5.  D4 and F4 are empty,
# in no region, unmarked; each touches Black's wall below and empty points
# beside and above it, and White's only stone near it is E5: on D4's
# upper-right diagonal, on F4's upper-left one.  Both go to the border
# reading: White's wall is not dying, Black may play there, its stone joins
# the wall (many liberties, no atari at stake), and the reading stores a
# value, so each keeps a candidate.  C4 has no White stone beside it or on
# a diagonal (E5 is two columns away): the scan passes it by.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . O . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderThink:at C4 D4 F4 [C4=none D4 F4]

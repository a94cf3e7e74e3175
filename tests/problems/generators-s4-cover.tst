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

# Known-answer rows for the diagonal relation of groups when the group
# minimum stands above every value the pattern can reach: a positive value
# below the minimum is proposed with value 0, never dropped and never 1.
# Entry: tests/engine/shapes/ShapesPin3Routines.cpp
# ("GunKankei2Utu:floored:pin3 A B": every candidate as "P=value").

[pin3-diagonal-floored-to-zero]
# shapes-relation-pin.tst's pin-diagonal-block-starts-ladder: Black's D4 and F5,
# White's E5 and D3 and F2.  Only the crossing D5 is read (F2 stands around
# F3, the point diagonal to the other crossing E4).  Each colour blocks at
# D5 and gains by it (Black shuts White's E5 off from the top, White's D5
# puts Black's D4 in a ladder), so the sum is positive; the minimum of 1000
# is above it, and the value becomes 0 at the side to move's point D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . . . . . . . .
call GunKankei2Utu:floored:pin3 D4 E5 [D5=0]

[pin3-diagonal-floored-to-zero-white]
# The same for White to play: White's point is also its block at D5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . . . . . . . .
call GunKankei2Utu:floored:pin3 D4 E5 [D5=0]

[pin3-diagonal-floored-both-sides-closed]
# Negative row: White's B7 added stands around C6, the point diagonal to
# the crossing D5 away from both stones, so that crossing is not read
# either; with both sides closed nothing is proposed, floor or not.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . . . . . . . .
call GunKankei2Utu:floored:pin3 D4 E5 [none]

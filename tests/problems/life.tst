# Life and death: "status V" is the analysis' verdict on the group at V,
# "dead" or "alive".  The answers are GNU Go's (dragon_status) for the same
# positions.

[corner-two-eyes]
# Two separate eyes in the corner.
black to play
  X . X . X O . . .
  X X X X X O . . .
  O O O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status A9 [alive]

[bent-three-eye]
# A bent three eye space with White's stone on its vital point.
black to play
  . O . X O . . . .
  . . X X O . . . .
  X X X O O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status D9 [dead]

[edge-six]
# Six points along the edge: alive whatever White does.
black to play
  . . . . . . X O .
  X X X X X X X O .
  O O O O O O O O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status A8 [alive]

[two-stones-in-a-loose-wall]
# Two stones with two liberties in a loose wall: they get out.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O O . .
  . . . O X X . O .
  . . . . O . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status E5 [alive]

[open-group]
# A stone in the open is alive.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
status E5 [alive]

[square-four]
# A square of four is one eye.
black to play
  . . X O . . . . .
  . . X O . . . . .
  X X X O . . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status C9 [dead]

[seki]
# Black and White share their last two liberties, each shut in by a living
# wall of the other: neither may approach.
black to play
  O X . O X . . . .
  O X . O X . . . .
  O X X O X . . . .
  O O O X X . . . .
  . O O X . . . . .
  O O X X . . . . .
  . O X . . . . . .
  O O X . . . . . .
  . O X . . . . . .
status B9 [alive]

[stone-in-a-ladder]
# The stone's two liberties and a working ladder: Black to play takes it
# (GNU Go calls it critical: dead with the attacker to move).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status E5 [dead]

[stones-in-a-net]
# White to play nets the three stones with two liberties (GNU Go: critical,
# White's attack at F5).  The analysis reads ladders, not nets, into a
# group's status.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . O X X O . . .
  . . . O X . . . .
  . . . O . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
status E6 [dead] *

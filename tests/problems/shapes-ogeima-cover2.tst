# The large knight's move between two stones of one colour, second round:
# the crosscut reading beside an end stone is not made when the owner
# already holds the far corner of the outer line.

[ogeima-crosscut-beside-a-own-far-corner]
# Black's D3 and E6 a large knight's move apart, White's D4 inside beside
# D3 (R2, part of White's group B4-D4, B5-C5, far from dead), Black's F4
# beyond E4 (D3 of the outer box): the crosscut reading beside A would
# follow, but Black's F6 at the far outer corner (D7, beyond E5 from D4)
# already holds that side: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . O O . . . . . .
  . O O O . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read D3 E6 [none]

[ogeima-crosscut-beside-a-own-far-corner-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . O O . . . . . .
  . O O O . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read D3 E6 [none]

[ogeima-crosscut-beside-b-own-far-corner]
# The mirror: White's E5 inside beside E6 (part of White's group E5-G5,
# F6-G6), Black's C5 beyond D5 and Black's C3 at the far outer corner
# behind D3: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O O . .
  . . X . O O O . .
  . . . . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read D3 E6 [none]

[ogeima-crosscut-beside-b-own-far-corner-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O O . .
  . . X . O O O . .
  . . . . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read D3 E6 [none]

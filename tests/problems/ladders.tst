# Ladders: "ladder V" reads whether the ladder catches the chain at V with
# the attacker to move first, and names its first move.  The answers are GNU
# Go's (ladder_attack) for the same positions.

[plain-ladder]
# The stone in the middle runs along the ladder into the lower left corner.
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
ladder E5 [1 F5]

[ladder-breaker]
# A white stone on each path lets the stone escape.
black to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
ladder E5 [0]

[second-line]
# On the second line the atari from above drives the stone onto the first
# line, where it dies.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X O . . . . . .
  . . . . . . . . .
ladder C2 [1 D2]

[dead-end]
# The corner behind the stone is a dead end.
black to play
  . . . . . . . . .
  . . . . . . . X O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder J8 [1 J7]

[two-stones-long-way]
# Two stones run across the 13x13 board; Black's stone on the far side
# helps the ladder.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X X . . . . . .
  . . . . X O O X . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
ladder F5 [1 F4|1 G4]

[escape-in-a-game]
# From a game GNU Go played with itself: after move 14 White's B9 has two
# liberties and runs out along the edge, and Black's C9 in atari is taken at
# D9 (GNU Go's attack).
sgf games/gnugo-9x9-seed3.sgf 14
ladder B9 [0]
ladder C9 [1 D9]

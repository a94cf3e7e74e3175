# Capturing races: "semeai" is the race generator's best move for the side
# to move.  The positions come from seeded random games; in each, GNU Go's
# semeai reading finds a race of the side to move that is won by whoever
# moves first.  The answers listed are every move after which GNU Go's
# reading (analyze_semeai_after_move) still gives that race to the side to
# move; the engine's answers are confirmed again in SikatuGnuGoTest.

[race-seed-52]
# The race of J7 against H2 is won by whoever moves first.
black to play
  . X X . . O . . .
  X X . . . . O . .
  . O . . . . . . X
  O O . . . . . . .
  . . . . O . . O X
  X . O . X O . . X
  O . O . . O X . .
  X . . O X X X O .
  X . O . O . . . X
semeai [H8|H7|G6|H6|F5|G5|G4|H4|D3|H3|J2|F1|H1]

[race-seed-73]
# The race of B5 against E4 is won by whoever moves first.
white to play
  X . X X O . . O X
  O O X X X X O . .
  . . X O . O O X O
  . X X . X . . X .
  X O X . . O O X O
  X . O O X X . . .
  . X O . O X O . O
  O X O . X . O O X
  O . O . O X X . .
semeai [E5|H4|D2|F2]

[race-seed-120]
# The race of A7 against C8 is won by whoever moves first.
black to play
  . . . . . . O . O
  . . O . . X O . .
  X X . . X . X . .
  . . X O . . . . .
  . . . O X X . . .
  . . . . . . . O .
  . . . . . O . . .
  . . O . . . . . .
  . X X O . . . . .
semeai [B9|A8|B8|D8|C7|D7|A6|B6|A5|B5|C5|D4]

[race-seed-195]
# The race of A3 against A2 is won by whoever moves first.
white to play
  O . . O . . O X .
  X X X X O . . O .
  O . . X X X . X X
  X O O O . O O O X
  X . X X X O . O .
  . X X . O . . . X
  O O X X X O O O O
  X . . O O O . O X
  X X X X O O . . .
semeai [B9|C9|E9|F9|J9|F8|G8|J8|B7|C7|G7|E6|B5|G5|J5|A4|D4|F4|G4|H4|B2|C2|G2|G1|H1|J1]

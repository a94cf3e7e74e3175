# Tactics: captures, escapes, ladders, nets and throw-ins.  The command
# "tactics" answers the best capture or escape that the tactical stage of
# the move choice puts in the candidate table, with the link-shape handlers
# silent (pass when there is none); the board, its record and the
# look-ahead level must be as they were.  "move" is the engine's whole
# move choice: on the nearly empty boards the opening comes first, so it is
# asked only where the position is past it.

[capture-three-in-atari]
# Captures a chain of three in atari before it runs out.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . X O O O . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [F6]

[capture-three-for-white]
# The same capture for White.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O O . .
  . . . . X X X O .
  . . . . O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [D6]

[no-extension-from-a-self-atari]
# A chain that may not extend at its liberty is left in atari.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . X O O O X . . .
  . . X X . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [pass]

[capture-instead-of-extending]
# Our chain in atari captures the enemy chain in atari beside it instead of
# extending.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O X O X . . .
  . . O X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [F5]

[take-the-cutting-stone]
# The cutting stone in atari is taken, which also saves the two-liberty
# stone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . X O X . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [C7]

[run-out-of-atari]
# Our stone in atari runs out into the open.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [D5]

[no-escape-into-a-ladder]
# Our stone in atari does not run into a working ladder.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [!D5]

[ladder-against-two-stones]
# The ladder's first move against two stones with two liberties.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . X O O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [E3]

[no-ladder-through-breakers]
# No ladder move when breakers stand on both of its paths.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . O . .
  . . X O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [!E6|D5]

[net-where-the-ladder-fails]
# The net where the ladder fails.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . O . .
  . . X O . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
  . . . . . . . . .
tactics [E5]

[throw-in-then-ladder]
# The throw-in at the false eye, then the ladder, takes the corner chain;
# the double atari at B7 on the corner chain and the stone at B6 wins one of
# them too (GNU Go rates the two 13.4 and 12.1).  The whole move choice may
# prefer the urgent ladder-path move C8, which blocks the corner chain's way
# out (of the three, GNU Go's score estimate ranks C8 best), or the answer
# to the knight's-move contact at B5, which is GNU Go's own choice here.
white to play
  X O X . X X . X O
  X . . . . O X X O
  X . . . X . . X .
  O X O . O X O O .
  . . . O O X O X .
  X O . . . X X . O
  . X O O O O X X .
  . X O . O X . X O
  X X . O O . O X O
tactics [A3|B7]
move [A3|B7|C8|B5]

[loose-net]
# The loose net catches three stones with two liberties (GNU Go's choice
# too).
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
tactics [F4]
move [F4]

[double-atari]
# The double atari on the two stones with two liberties each wins one (GNU
# Go's choice too).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . X O . O X . .
  . . . . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [E6]

[double-cut-9]
# White's E5 out at E4 would cut at D6 and F6 with C7 and G7 behind the
# cuts: the capture is urgent and ends the tactical stage.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [E4]

[double-cut-13]
# The same double cut on 13x13, the cutting stones further off.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . O . . . O . . . . .
  . . . . . X . . . . . . .
  . . . . X O X . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
tactics [F8]

[no-escape-along-the-second-line]
# White's C6 in atari would extend to B6 with three liberties, but on the
# second line it is still caught (Black B5 or B7 blocks; GNU Go finds no
# defence either): no escape is proposed there, nor played.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X . . . . .
  . . X . . . O . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
tactics [!B6]
move [!B6]

[chase-to-the-edge]
# Black's stone at H5 has two liberties; White's atari from below drives
# it to the edge, where it has no room.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . O X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [H4]

[escape-by-atari-beside]
# Black's stone at C5, pressed between White's C6 and C4 wall, cannot
# simply run; the atari at B6 on the stone above it gets it out.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . O X . . . . .
  . . X . . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [B6]

[squeeze-in-the-corner]
# White's corner stone has two liberties; Black squeezes it from A8.
black to play
  O . X . . . . . .
  . . . . . . . . .
  X O . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [A8]

[capture-that-is-a-self-atari]
# Black's two stones on the edge have only D9; White takes them there,
# though the stone at D9 is then itself short of liberties.
white to play
  . . X . X X O . .
  . O O X O O X . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [D9]

[edge-ladder-escape]
# White's H9 is chased along the edge; White plays H8 first, which also
# takes Black's two stones in the corner.
white to play
  . . . X . . . O X
  . . . . O . . . X
  . . . . . X . . O
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [H8]

[three-liberties-attacked]
# White's stone at D7 has three liberties; Black's C8 is the answer.
black to play
  X . X X O . . . .
  . O . . . . . . .
  . . X O . . . . .
  O . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
tactics [C8]

[throw-in-on-three-liberties]
# Black's corner stones H2-H1 have three liberties; White throws in at J2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . O O X
  . . . . . . O X .
  . . . . . . . X .
tactics [J2]

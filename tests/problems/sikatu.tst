# Life and death: "kill V" and "live V" are the side to move's pondering of
# the group at V, "sikatu" the life-and-death generators of the tactical
# stage.  The answers listed are every move that GNU Go's owl reading
# (owl_does_attack, owl_does_defend) confirms without a ko; the engine's own
# answers are confirmed again by GNU Go in SikatuGnuGoTest.

[straight-three-kill]
# White kills Black's straight three in the corner at its middle point.
white to play
  . . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
kill A8 [B9]
sikatu [B9]

[straight-three-live]
# Black lives only at the middle of the straight three.
black to play
  . . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
live A8 [B9]
sikatu [B9]

[bent-three-kill]
# The bent three in the corner dies to the placement at its corner point.
white to play
  . . X O . . . . .
  . X X O . . . . .
  X X O O . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
kill C9 [A9]
sikatu [A9]

[bent-three-live]
# ... and lives there.
black to play
  . . X O . . . . .
  . X X O . . . . .
  X X O O . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
live C9 [A9]
sikatu [A9]

[bulky-five-kill]
# The bulky five dies to the placement at its vital point.
white to play
  . . . X O . . . .
  . . X X O . . . .
  X X X O O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
kill D9 [B9]
sikatu [B9]

[bulky-five-live]
# ... and lives there without a ko.
black to play
  . . . X O . . . .
  . . X X O . . . .
  X X X O O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
live D9 [B9]
sikatu [B9]

[tripod-kill]
# The pyramid four in the corner dies to the placement at its centre.
white to play
  . . . X O . . . .
  . . X X O . . . .
  X X X O O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
kill D9 [B9]
sikatu [B9]

[corner-rect-six-kill]
# The rectangular six in the corner without outside liberties, judged alive: the placement B8 kills (B9 and A8 only make a ko).
white to play
  . . . X O . . . .
  . . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
kill D9 [B8]
sikatu [B8]

[side-straight-three-19-kill]
# A straight three on the edge of the big board.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . O . . .
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
  . . . O . . . . . . . . . . . O . . .
  . . . . . . O O O O O O O . . . . . .
  . . . . . . O X X X X X O . . . . . .
  . . . . . . O X . . . X O . . . . . .
kill H2 [K1]
sikatu [K1]

[side-straight-three-19-live]
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . O . . .
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
  . . . O . . . . . . . . . . . O . . .
  . . . . . . O O O O O O O . . . . . .
  . . . . . . O X X X X X O . . . . . .
  . . . . . . O X . . . X O . . . . . .
live H2 [K1]
sikatu [K1]

[corner-bent-three-19-kill]
# A bent three in the corner of the big board.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . O . . .
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
  . . . O . . . . . . . . . . . . O O O
  . . . . . . . . . . . . . . . O O X X
  . . . . . . . . . . . . . . . O X X .
  . . . . . . . . . . . . . . . O X . .
kill R2 [T1]
sikatu [T1]

[corner-bent-three-19-live]
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . O . . .
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
  . . . O . . . . . . . . . . . . O O O
  . . . . . . . . . . . . . . . O O X X
  . . . . . . . . . . . . . . . O X X .
  . . . . . . . . . . . . . . . O X . .
live R2 [T1]
sikatu [T1]

[bulky-five-13-kill]
# A bulky five in the corner of 13x13.
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . O . . . . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  O O O O O . . . . O . . .
  X X X X O . . . . . . . .
  . . X X O . . . . . . . .
  . . . X O . . . . . . . .
kill A3 [B1]
sikatu [B1]

[bulky-five-13-live]
# Black lives at B1 without a ko (A1 and B2 only make one).
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . O . . . . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  O O O O O . . . . O . . .
  X X X X O . . . . . . . .
  . . X X O . . . . . . . .
  . . . X O . . . . . . . .
live A3 [B1]
sikatu [B1]

[corner-rect-six-19-kill]
# The rectangular six in the corner of the big board: B2 kills (A2 and B1 only make a ko).
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . O . . .
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
  O O O O O . . . . . . . . . . O . . .
  X X X X O . . . . . . . . . . . . . .
  . . . X O . . . . . . . . . . . . . .
  . . . X O . . . . . . . . . . . . . .
kill A3 [B2]
sikatu [B2]

[second-line-corner-kill]
# Six stones on the second line from the corner live whatever White does.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O . .
  X X X X X X O . .
  . . . . . . . . .
kill A2 [pass]
# The relation answers that the life-and-death pass reaches through the
# group's links add the first-line hane F1 (value 9, reason 5): a small
# endgame move that the pass should not hand on as an attack here.
sikatu [!B1|C1|D1|E1|F1|G1] *

[two-eyes-19-kill]
# Two eyes in the corner: nothing to kill.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . O . . .
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
  . . . . . . . . . . . . . . . O . . .
  O O O O O O . . . . . . . . . . . . .
  X X X X X O . . . . . . . . . . . . .
  . . X . X O . . . . . . . . . . . . .
kill A2 [pass]

[two-eyes-19-own]
# Black's two eyes: no life-and-death move fills one of them.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . O . . .
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
  . . . . . . . . . . . . . . . O . . .
  O O O O O O . . . . . . . . . . . . .
  X X X X X O . . . . . . . . . . . . .
  . . X . X O . . . . . . . . . . . . .
live A2 [pass]
sikatu [!A1|B1|D1]

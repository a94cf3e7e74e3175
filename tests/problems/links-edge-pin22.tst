# Known answers for the hane-and-cut strip of the one-space jump to the edge
# when the opponent's stone K beside the jumping stone stands alone: its own
# liberties decide whether the pattern is read, and its own life, not that
# of the empty point above it, stops the reading.  Lines and forms as in
# links-edge.tst (LinkRoutines.cpp); "premise" marks an evaluation the row
# takes as given.

[pin22-hane-cut-lone-k-black]
# Black's second-line stone E8 (E7, E6, E5, D5 below it) jumps to the top
# edge over E9; White's lone D8 stands beside it with D7 above it empty, so
# K has exactly three liberties, C8, D7 and D9.  White's B7 and C6 are
# joined diagonally, and with Black's B6 on the other corner Black's C7
# cuts them: the hane-and-cut is read on the strip C8, D8, E8, F8.  Black's
# hane C8, White's D9 and Black's cut C7 leave Black's C8-C7 with B8, C9
# and D7, no ladder.  So the reading is Black C8, White C7, Black D9 (K is
# left with D7 alone), White's B8 joining B7-C7-C6 with plenty of
# liberties, and Black's C9: h0.  Black's point is the hane C8.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . O . . X . . . .
  . X O . X . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [C8=h0:5]

[pin22-hane-cut-lone-k-white]
# As pin22-hane-cut-lone-k-black with White to move: the same reading h0;
# Black's C7 would capture nothing, so White's point is D9 under K.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . O . . X . . . .
  . X O . X . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [D9=h0:5]

[pin22-hane-cut-lone-k-dead-premise]
# The position of pin22-hane-cut-lone-k-dead-black: the analysis reads
# White's lone D8, inside Black's E8-E7-E6-D6 with White's B7 and C6 cut
# off and surrounded beside it, as dead (premise: death level 100, weak,
# no way out).
black to play
  . . . . . . . . .
  . . . O X . . . .
  X O . . X . . . .
  . X O X X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunDeathLevel D8 [level=100 weak none]

[pin22-hane-cut-lone-k-dead-black]
# Black's E8 (E7, E6, D6 beside it) jumps to the top edge; White's lone D8
# has three liberties and Black's C7 cuts White's B7-C6 (Black B6), but
# White's D8 is dead (pin22-hane-cut-lone-k-dead-premise): the pattern is
# not read for a dead stone, however empty D7 above it is.  No candidate.
black to play
  . . . . . . . . .
  . . . O X . . . .
  X O . . X . . . .
  . X O X X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [none]

[pin22-hane-cut-lone-k-dead-white]
# As pin22-hane-cut-lone-k-dead-black with White to move: no candidate.
white to play
  . . . . . . . . .
  . . . O X . . . .
  X O . . X . . . .
  . X O X X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [none]

[pin22-attached-pair-self-atari-k-three-eyes-premise]
# The position of pin22-attached-pair-self-atari-k-three-eyes-black: once
# Black has connected at the gap E9 and the board is analysed again, White's
# group at K (D8-C8) has the eye value 3 (premise), and it is not weak
# (death level 0, with ways out).
black to play
  . O X . . X . . .
  . . O O X . . X .
  . O . . . . X . .
  O . . . . X . X X
  O . . . X . . O X
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe:tried D8 E8 E9 [3]
call GunDeathLevel D8 [level=0 B3 B4 C5 C6 D6]

[pin22-attached-pair-self-atari-k-three-eyes-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9, with
# Black F9 beyond S; White's D8-C8 (K, four liberties) stands beside it.
# Black's C9 sits between White's B9 and C8 with D9 its last liberty, so
# Black's D9 under K would leave C9-D9 with E9 alone: a self-atari, and
# Black connects at the gap.  White's group at K then has the eye value 3
# (pin22-attached-pair-self-atari-k-three-eyes-premise), so Black's line is
# read on after White's answer under K: Black E9, White D9 capturing C9
# (h0).  White's line: White's E9 would be a self-atari (E8 and F9 Black,
# D9 its only liberty, capturing nothing: C9's liberty is D9), so White
# plays under K at D9, capturing C9: h1 = White D9.  F7 above T has three
# Black stones around it and C7 above K2 three White ones: no move there;
# neither line is worth more than nothing, so no atari from beyond is read.
# No forcing line: s at the connection E9 (both lines come to nothing, while
# Black's E9 alone would be worth much more).
black to play
  . O X . . X . . .
  . . O O X . . X .
  . O . . . . X . .
  O . . . . X . X X
  O . . . X . . O X
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 D9 E8 D9 [E9=s:5]

[pin22-attached-pair-self-atari-k-three-eyes-white]
# As pin22-attached-pair-self-atari-k-three-eyes-black with White to move:
# the same lines, s at White's point D9 under K.
white to play
  . O X . . X . . .
  . . O O X . . X .
  . O . . . . X . .
  O . . . . X . X X
  O . . . X . . O X
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 D9 E8 D9 [D9=s:5]

[pin22-attached-pair-push-killed-k-premise]
# The position of pin22-attached-pair-push-killed-k-white after White's push
# at the gap D9: Black's C9 under K then kills White's lone C8 (premise).
black to play
  . . . O . . . . .
  . . O X X . X . .
  . . . O . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . X . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeKorosuCheck:pin3 C9 C8 [yes]

[pin22-attached-pair-push-killed-k-white]
# Black's D8-E8 on the second line (White D7 under D8, Black G8 and C4)
# jumps to the top edge over the gap D9; White's lone C8 (K, three
# liberties B8, C7, C9) stands beside it, N = C9 under it.  Black's C9 would
# have two liberties, B9 and D9 (no self-atari).  White's line: its push at
# D9 keeps C9 and E9 (no self-atari); K keeps its three liberties, no
# ladder; but Black's C9 under K would then kill it
# (pin22-attached-pair-push-killed-k-premise), so White takes its push back
# and plays under K itself: White's point is N = C9, not any point beyond K.
# B7 beyond K2 = B8 has two White stones around it (C8, A6), so no move
# there replaces it.  Black's line under K at C9 takes K's best point and
# is worth far more than the cap, so the total is the cap, 25, at White's
# C9.
white to play
  . . . . . . . . .
  . . O X X . X . .
  . . . O . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . X . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi D8 D9 D8 C9 D8 C9 [C9=25:5]

[pin22-attached-pair-under-reading-eye-three-premise-black]
# The position of pin22-attached-pair-under-reading-eye-three-black: after
# Black D9, White C9, Black E9 Black's evaluation is over 16 and White's
# C9-C8 reads the eye value 3; after White E9, Black F9, White D9 White's
# evaluation is 4 (premises).
black to play
  . . . . . . . . .
  . . . O X . . X .
  . . O . . X . . .
  O . . . . O . . .
  . X . . . . . O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Hyoka:line-me E8 C9 D9 C9 E9 [v=42 me=3]
call Hyoka:line-me D8 F9 E9 F9 D9 [v=4 me=4]

[pin22-attached-pair-under-reading-eye-three-black]
# Black's second-line stone E8 jumps to the top edge over E9; White's lone
# D8 (K) stands beside it, White C7 above K2 = C8 and Black F7 above T = F8
# (neither group weak, each stone with three liberties, S = F9 empty): the
# reading under the pair is read instead.  Black's side: NN = C9 is empty,
# so Black plays D9, White answers C9 and Black connects at E9; Black's
# evaluation is over 16 with White's answer C9 at the eye value 3
# (pin22-attached-pair-under-reading-eye-three-premise-black), so Black's
# part is 8.  White's side: S = F9 is empty, so White pushes at E9, Black
# blocks at F9 and White plays D9: White's part is its evaluation there, 4
# (premise; not over 16).  8 + 4 = 12 at Black's D9.
black to play
  . . . . . . . . .
  . . . O X . . X .
  . . O . . X . . .
  O . . . . O . . .
  . X . . . . . O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [D9=12:5]

[pin22-attached-pair-under-reading-eye-three-premise-white]
# As pin22-attached-pair-under-reading-eye-three-premise-black with White to
# move: Black's evaluation after D9, C9, E9 is still over 16 with C9 at
# the eye value 3, and White's after E9, F9, D9 is 4 (premises).
white to play
  . . . . . . . . .
  . . . O X . . X .
  . . O . . X . . .
  O . . . . O . . .
  . X . . . . . O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Hyoka:line-me E8 C9 D9 C9 E9 [v=44 me=3]
call Hyoka:line-me D8 F9 E9 F9 D9 [v=4 me=4]

[pin22-attached-pair-under-reading-eye-three-white]
# As pin22-attached-pair-under-reading-eye-three-black with White to move:
# the same 8 + 4 = 12, at White's push E9.
white to play
  . . . . . . . . .
  . . . O X . . X .
  . . O . . X . . .
  O . . . . O . . .
  . X . . . . . O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [E9=12:5]

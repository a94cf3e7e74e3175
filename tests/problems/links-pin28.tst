# Known answers for the reading of two opposing second-line stones side by
# side under a jump to the edge, when the owner's point under K is a
# self-atari and the owner connects at the gap: after the opponent's answer
# under K (read because K's group has the eye value 3), an evaluation of
# exactly 1 counts as 3.  Lines and forms as in links-edge.tst
# (LinkRoutines.cpp); "premise" marks an evaluation the row takes as given.

[pin28-self-atari-under-k-one-becomes-three-premise]
# The position of pin28-self-atari-under-k-one-becomes-three-black: after
# Black connects at the gap E9 White's group at K (D8-C8) has the eye value
# 3; after Black E9 and White's D9 capturing C9, Black's evaluation is
# exactly 1.  Neither Black's E8 nor White's D8-C8 is weak (death level 0,
# with ways out).  All premises.
black to play
  . O X . . X O X .
  . . O O X . . O .
  . O . . . . X . .
  O . . . . X . X X
  O . . . X . . O X
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe:tried D8 E8 E9 [3]
call Hyoka:line-me E8 D8 E9 D9 [v=1 me=5]
call GunDeathLevel D8 [level=0 B3 B4 C5 C6 D6]
call GunDeathLevel E8 [level=0 B3 B4 C2 C3 C5 C6 D6 F2 G2 G3]

[pin28-self-atari-under-k-one-becomes-three-black]
# Black's second-line stone E8 (three liberties) jumps to the top edge over
# the gap E9, Black F9 beyond S; White's D8-C8 (K, four liberties) stands
# beside it.  On the right White's G9 and Black's H9 are both in atari
# (White H8 under H9).  Black's C9 between White's B9 and C8 has D9 as its
# last liberty, so Black's D9 under K would leave C9-D9 with E9 alone: a
# self-atari, and Black connects at the gap E9.  K's group then has the eye
# value 3, so White's answer under K at D9 (capturing C9) is read, and
# Black's evaluation after it is exactly 1
# (pin28-self-atari-under-k-one-becomes-three-premise): a value of exactly 1
# is counted as 3, two more than h0.  F7 above T has three Black stones
# around it; the point beyond NN, B9, is White's: no atari from beyond.
# White's line: its E9 would have D9 alone (E8 and F9 Black, capturing
# nothing, F9 keeps F8), a self-atari, so White plays under K at D9:
# h1 = White D9.  C7 above K2 has three White stones around it, and G9
# beyond S is taken.  No forcing line, far below the cap: 3 + h1 = s+2 at
# Black's connection E9.
black to play
  . O X . . X O X .
  . . O O X . . O .
  . O . . . . X . .
  O . . . . X . X X
  O . . . X . . O X
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 D9 E8 D9 [E9=s+2:5]

[pin28-self-atari-under-k-one-becomes-three-white]
# As pin28-self-atari-under-k-one-becomes-three-black with White to move:
# the same lines and 3 + h1 = s+2, at White's point D9 under K.
white to play
  . O X . . X O X .
  . . O O X . . O .
  . O . . . . X . .
  O . . . . X . X X
  O . . . X . . O X
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 D9 E8 D9 [D9=s+2:5]

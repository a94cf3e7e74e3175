# Jump links: a fourth set of rows that pin single branches of the pattern
# routines (which corner stone decides the owner's outside point, ...).
# "call NAME A B ..." as in links-edge.tst; the answers are worked out by
# hand from the shapes.

[probe4-one-corner-outside-far-corner-opposite-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, J = E4 the corner on the other side); White D7 stands two
# lines out beside the gap on C's side (Gout) and C has three liberties, so
# the outside answer is chosen.  Black E7 (Dout) with F6 (D2) empty and D3
# (Hout) empty: Black's point is G = D6 with d = 0.  White F4 is J2, one row
# past J on the other side: the stone that decides this answer is D2 on C's
# side only, so F4 changes nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D6:0]

[probe4-one-corner-outside-far-corner-opposite-across-black]
# The row above mirrored across the jump: White's corner stone C4, D = E4,
# D2 = F4, G = D4, Dout = E3 (Black), Gout = D3 (White), Hout = D7 empty;
# J = E6 and White F6 is J2.  D2 is empty, so Black's point is G = D4 with
# d = 0; the stone past J has no say.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D4:0]

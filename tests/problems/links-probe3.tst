# Jump links: a third set of rows that pin single branches of the readings
# (the owner's free-side corner when the push is worth nothing, ...).
# "call NAME A B ..." as in links-edge.tst: the points after a repeated A are
# the lines of the row's working (the first from the owner, the second from
# the opponent, colours alternating; a point given twice in a row is a pass),
# and each candidate's value is answered as an expression of their
# evaluations.

[probe3-two-corners-free-corner-black]
# Black E4-E6 jump; White D4 and D6 hold both corners on the left, White C5
# stands beside N = D5 and White E3 under E4: E4 has two liberties (E5, F4),
# E6 three.  N is a self-atari for Black (its one liberty the gap), so
# Black's first point is the gap E5, worth h0 = 0 (nothing gained).  With
# that at most 0 and B's chain above two liberties, A's chain has exactly
# two: Black looks at the free corner beside A, F4, worth h2 > 0, which
# replaces the gap.  White's wedge at E5 leaves E4 one liberty F4 (not the
# free gap-row point F5): Black F5 then White F4 (h3), or Black F4 then White
# F5 (h5); White's value is the smaller, h3.  Value h2 + h3 for either side:
# Black's point F4, White's the wedge E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoKata:sides E4 E6 E4 E5 E4 E4 F4 E4 E5 F5 F4 E4 E4 E5 F4 F5 [F4=h2+h3:5]

[probe3-two-corners-free-corner-white]
# Black E4-E6 jump; White D4 and D6 hold both corners on the left, White C5
# stands beside N = D5 and White E3 under E4: E4 has two liberties (E5, F4),
# E6 three.  N is a self-atari for Black (its one liberty the gap), so
# Black's first point is the gap E5, worth h0 = 0 (nothing gained).  With
# that at most 0 and B's chain above two liberties, A's chain has exactly
# two: Black looks at the free corner beside A, F4, worth h2 > 0, which
# replaces the gap.  White's wedge at E5 leaves E4 one liberty F4 (not the
# free gap-row point F5): Black F5 then White F4 (h3), or Black F4 then White
# F5 (h5); White's value is the smaller, h3.  Value h2 + h3 for either side:
# Black's point F4, White's the wedge E5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoKata:sides E4 E6 E4 E5 E4 E4 F4 E4 E5 F5 F4 E4 E4 E5 F4 F5 [E5=h2+h3:5]

[probe3-one-corner-wedge-edge-black]
# Black B6-B4 jumps on the second line along the left edge; White's C6
# holds the one corner C beside the near stone B6, so G = C5 (gap row, C's
# side), H = A5 (first line), far stone B4, D = C4 (Black, joined to B4),
# E = A6.  White D5, D4, C3, B3 hem in B4-C4 (liberties A4, and the gap and
# G).  B6 and C6 have three liberties each, Dout D4 is White but D is not
# empty, Gout D5 is White (no outside stone beside the gap).  White's wedge
# at B5 is not caught (Black's C5 atari would be a self-atari; after A5 it
# extends to C5 and joins C6).  Black's answer at G = C5 joins B4-C4 with one
# liberty, A4: the
# gap on the second line and H on the first, so the edge chase is read:
# Black H A5, White G C5 puts B4-C4 in atari; Black extends at A4 (A5-A4-B4-C4
# then has A6 = E and A3), White takes A3, the liberty that is not E; the
# chain lives on, so Black's retake at B4 is no move.  Value h1, White's
# evaluation after B5, A5, C5, A4, A3, added at the gap for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . . O . . . . .
  . X X O . . . . .
  . O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1:whole B6 B4 B6 B6 B5 A5 C5 A4 A3 [B5=h1:5]

[probe3-edge-wedge-beside-k-two-liberties-black]
# Black's second-line stone E2 (with E3 F3 above) jumps to the bottom edge;
# White has wedged at E1 and White D2 = K stands beside the stone: N = D1
# under K, S = F1, T = F2, W = G1.  E2's chain has four liberties, F1 is no
# self-atari for either side, D1 is legal for Black.  K has exactly two
# liberties, D3 above it and N = D1 below (Black C2 takes the third; D3
# comes first in the chain's order, N last): L = D3, the one that is not N.
# Black plays L, White's D1 joins D2-E1 with two liberties (C1, F1): Black's
# point is L, and Black then blocks at S: h0 after D3, D1, F1.  White's
# part: U = G2 holds no Black stone, T has only two empty neighbours (F3 is
# Black), W = G1 is empty with three empty neighbours: White extends at W,
# h1.  s = h0 + h1 below 10 (no +3): Black D3, White G1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . X O X . . . .
  . . . . O . . . .
call IkkenEdgeWariKata:side E2 E1 E2 D3 D1 F1 E2 G1 [D3=s:5]

[probe3-edge-wedge-beside-k-two-liberties-white]
# Black's second-line stone E2 (with E3 F3 above) jumps to the bottom edge;
# White has wedged at E1 and White D2 = K stands beside the stone: N = D1
# under K, S = F1, T = F2, W = G1.  E2's chain has four liberties, F1 is no
# self-atari for either side, D1 is legal for Black.  K has exactly two
# liberties, D3 above it and N = D1 below (Black C2 takes the third; D3
# comes first in the chain's order, N last): L = D3, the one that is not N.
# Black plays L, White's D1 joins D2-E1 with two liberties (C1, F1): Black's
# point is L, and Black then blocks at S: h0 after D3, D1, F1.  White's
# part: U = G2 holds no Black stone, T has only two empty neighbours (F3 is
# Black), W = G1 is empty with three empty neighbours: White extends at W,
# h1.  s = h0 + h1 below 10 (no +3): Black D3, White G1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . X O X . . . .
  . . . . O . . . .
call IkkenEdgeWariKata:side E2 E1 E2 D3 D1 F1 E2 G1 [G1=s:5]

[probe3-edge-two-space-contact-corner-white]
# Black's third-line stone D3 (with E3, E4 beside it) jumps to the bottom
# edge; White's C3 = X touches it on the left, near the corner: K = C2,
# K2 = B2, XS2 = B3, XS2B = B4 (the point behind XS2, on the fourth line from
# the bottom but the second from the left edge), E = E2, F = E3 (Black),
# BACK = D4 and XB = C4 empty, L7 = C1 empty, K3 = A2 empty.  D3 and C3 have
# three liberties or more, Black (the owner) is black, so the shape is read.
# White's line: White pushes at D2, Black blocks at E2 (two liberties or
# more; F is Black's own, so no atari at F), White takes K = C2: White's
# C3-C2-D2 are shut in by Black's B1, A5, C5, D5, E4, E3, E2 and die, with
# K2 empty: the line's third point is K2 moved to XS2B, because B4 lies on
# the second line, is empty and has four empty neighbours.  White (the
# engine) takes the push D2 (White's F is no move, but E2 has Black's E3
# beside it, so the hane at K is not offered instead) and keeps the follow-up D2 / E2 / B4 (Black's
# block at E2 answered behind XS2).  This row pins the points; the value is
# read on the analysed position and is left to the other rows.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . X X . . . . .
  . . . . X . . . .
  . . O X X . . . .
  . . . . . . . . .
  . X . . . . . . .
call Kankei6EdgeKata:prep D3 D2 [D2:5 D2/E2/B4]

[probe3-edge-two-space-wedge-beside-stone-black]
# Black's third-line stone E3 jumps to the bottom edge; White has wedged at
# E2 and White D3 = X touches the stone: M = D2 (empty), N = F2, W = F3,
# W2 = G3, WB = F4, N2 = G2, M2 = C2, XB = C3 (empty).  E3 has two
# liberties (F3, E4) and no ladder catches it (either atari lets it out),
# X has three, so Black reads the descent at N: Black F2, White's W = F3
# ataris E3 with two liberties of its own (G3, F4); Black extends at E4 and
# F3 still has two, so N does not hold.  Black's M = D2 then has two
# liberties, but X keeps two and E2 one with XB empty: still no good.
# Black's point is W itself, h0 = Black's F3.  White's part: E3 is not
# caught, none of F4, G3, G2 is Black's, W is empty on the third line:
# White's point is W, h1 = White's F3.  s = h0 + h1 for either side, at F3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei6EdgeWariKata:side E3 E2 E3 F3 E3 F3 [F3=s:5]

[probe3-edge-two-space-wedge-beside-stone-white]
# Black's third-line stone E3 jumps to the bottom edge; White has wedged at
# E2 and White D3 = X touches the stone: M = D2 (empty), N = F2, W = F3,
# W2 = G3, WB = F4, N2 = G2, M2 = C2, XB = C3 (empty).  E3 has two
# liberties (F3, E4) and no ladder catches it (either atari lets it out),
# X has three, so Black reads the descent at N: Black F2, White's W = F3
# ataris E3 with two liberties of its own (G3, F4); Black extends at E4 and
# F3 still has two, so N does not hold.  Black's M = D2 then has two
# liberties, but X keeps two and E2 one with XB empty: still no good.
# Black's point is W itself, h0 = Black's F3.  White's part: E3 is not
# caught, none of F4, G3, G2 is Black's, W is empty on the third line:
# White's point is W, h1 = White's F3.  s = h0 + h1 for either side, at F3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei6EdgeWariKata:side E3 E2 E3 F3 E3 F3 [F3=s:5]

[probe3-edge-attached-pair-block-ladder-black]
# Black's second-line stone E8 (wall E8-E5) jumps to the top edge; White's
# D8-D7-D6 (K, with B8, F4 and C3 about) stands beside it on the smaller
# side, neither group weak.  N = D9, S = F9, gap E9, NN = C9, K2 = C8, Black
# C7 above K2, Black B6.  Black's line: D9 is no self-atari and no ladder
# catches D9 or the wall; K then has three liberties (C8, C6, D5), so White
# answers under at C9 without a ladder threat (K is not on two liberties),
# and Black connects at E9 (no ladder on the connection).  C9 (liberties B9,
# C8) is not caught: either atari lets it join B8 or K.  Black blocks at
# K2 = C8: the block keeps two liberties (B7, C6), C9 is in atari, and K is
# left with C6 and D5 and is caught by the ladder (Black D5, White C6 is shut
# in by B6 and C7).  So White answers at the bent pair D8, C9 with Black's
# C7 opposite: at the cut point itself, C8 (C7 is caught by no ladder).  o
# = h0 after D9, C9, E9, C8, and Black has a forcing line.  White's line:
# White E9 (K not caught, Black's N does not kill K, E9 not caught), Black
# blocks at F9 (two liberties), White D9 (no ladder, no net): Black's F9 is
# caught by the ladder on the first line, White F8 first (the higher line),
# so Black escapes at F8: p = h1 after E9, F9, D9, F8, and White has a
# forcing line.  Both lines forcing: s + s/2 + s/3 (below the cap), at
# Black's N = D9 or White's gap E9.
black to play
  . . . . . . . . .
  . O . O X . . . .
  . . X O X . . . .
  . X . O X . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5]

[probe3-edge-attached-pair-block-ladder-white]
# Black's second-line stone E8 (wall E8-E5) jumps to the top edge; White's
# D8-D7-D6 (K, with B8, F4 and C3 about) stands beside it on the smaller
# side, neither group weak.  N = D9, S = F9, gap E9, NN = C9, K2 = C8, Black
# C7 above K2, Black B6.  Black's line: D9 is no self-atari and no ladder
# catches D9 or the wall; K then has three liberties (C8, C6, D5), so White
# answers under at C9 without a ladder threat (K is not on two liberties),
# and Black connects at E9 (no ladder on the connection).  C9 (liberties B9,
# C8) is not caught: either atari lets it join B8 or K.  Black blocks at
# K2 = C8: the block keeps two liberties (B7, C6), C9 is in atari, and K is
# left with C6 and D5 and is caught by the ladder (Black D5, White C6 is shut
# in by B6 and C7).  So White answers at the bent pair D8, C9 with Black's
# C7 opposite: at the cut point itself, C8 (C7 is caught by no ladder).  o
# = h0 after D9, C9, E9, C8, and Black has a forcing line.  White's line:
# White E9 (K not caught, Black's N does not kill K, E9 not caught), Black
# blocks at F9 (two liberties), White D9 (no ladder, no net): Black's F9 is
# caught by the ladder on the first line, White F8 first (the higher line),
# so Black escapes at F8: p = h1 after E9, F9, D9, F8, and White has a
# forcing line.  Both lines forcing: s + s/2 + s/3 (below the cap), at
# Black's N = D9 or White's gap E9.
white to play
  . . . . . . . . .
  . O . O X . . . .
  . . X O X . . . .
  . X . O X . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [E9=s+s/2+s/3:5]

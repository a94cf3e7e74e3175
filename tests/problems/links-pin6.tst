# Jump links, sixth set: rows that pin single readings of the jump to the
# edge and the two-space jumps, each in a position where the reading the
# text asks for and a near neighbour of it (another point of the shape, a
# value one step across a bound) give different answers.  Lines and forms
# as in links-edge.tst (LinkRoutines.cpp); "premise" marks an evaluation
# the row takes as given.  "IkkenEdgeTukeYomi:bonus-only" is described in
# tests/engine/links/LinksPin6Routines.cpp.

[edge-two-space-peep-owner-beside-stone-cut-read-black]
# Black's third-line stone E3 (with E4 above it and F3 beside it) jumps to
# the bottom edge over E2 and E1; White's lone D2 peeps beside the
# second-line gap E2.  Black's F3 stands beside the stone on the free side,
# so the general reading runs (not the direct one): D2 keeps four liberties.
# Black's line: Black E2 (D2 then has three liberties, no extension
# reading); D3's eight neighbours hold only four empty points (E4, E3, E2
# and White's D2 are taken), so Black's point stays E2: h0 = Black E2.
# White's line: White E2, and with Black's F3 beside the stone Black cuts
# at once at the free neighbour F2: h1 = White E2, Black F2 (premise: the
# sum is positive).  No bonus: s at E2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X X . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 E2 F2 [E2=s:5]

[attached-pair-loose-move-bottom-escape-ladder-move-black]
# Black's second-line stone E2 (jumping to E4 over E3, E4 joined to the
# wall E5-F5-G5-H5 with H4, H3 and D6, D7 above) jumps to the bottom edge;
# White's D2 (K) stands beside it on the smaller side, with White G2 beyond
# F2 and White F4 over F3; White's wall C3-C6, B7 is on the left.  Neither
# group is weak.  Black's line: Black D1 under K; White answers under at
# C1, Black's block at C2 keeps one liberty (no ladder threat); Black's
# connection E1 would be caught by White's loose move F3 (Black's F2 is then
# driven along the first line into G2), so Black connects at once: h0 =
# Black E1.  White's line: White E1 (no ladder on K, Black's D1 does not
# kill K), Black blocks at F1 (two liberties), White D1 joins K.  Black's F1
# is caught by the ladder: White's F2, then G1 ends Black's run, or White's
# G1 first and Black's F2 runs into G2 and F3; the ladder's first move is
# F2, the liberty on the higher line (F2 and G1 have the same number of
# empty neighbours).  No capture beside F1, so Black escapes at the
# ladder's first move F2: h1 = E1, F1, D1, F2, a forcing line for White.
# F3 above F2 has two Black stones around it and C3 above C2 is White's;
# neither side has an atari from beyond.  One forcing line, the other
# side's: s + s/2, at Black's connection E1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . . O X . . . . .
  . . O . X X X X .
  . . O . X O . X .
  . . O . . . . X .
  . . . O X . O . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 E1 E2 E1 F1 D1 F2 [E1=s+s/2:5]

[attached-pair-loose-move-bottom-escape-ladder-move-white]
# As attached-pair-loose-move-bottom-escape-ladder-move-black with White to
# move: White's line is its own forcing line and its point the push E1;
# the same h0 and h1 (Black's escape at the ladder's first move F2), s + s/2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . . O X . . . . .
  . . O . X X X X .
  . . O . X O . X .
  . . O . . . . X .
  . . . O X . O . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 E1 E2 E1 F1 D1 F2 [E1=s+s/2:5]

[attached-pair-push-block-ataris-stone-black]
# Black's second-line stone E8 (jumping to E6 over E7, E6 joined to the
# wall E5-F5-G5-H5 with H6, H7 and D4, D3 below; Black H9 on the edge)
# jumps to the top edge; White's lone D8 (K) stands beside it on the
# smaller side, with White C9 on the edge beside N = D9 and White's wall
# C7-C4, B3.  Neither group is weak.  Black's line: Black's D9 under K
# would touch only White stones and the gap (a self-atari), so Black
# connects at the gap: h0 = Black E9.  White's line: White E9 (no ladder
# on K, which keeps C8, D7, D9; Black's D9 would be suicide; White's E9
# escapes through D9 to K and C9), Black blocks at S = F9 (two liberties),
# White D9 joins K.  Black's F9 is not caught: White's F8 is met by G9,
# joining H9, and White's G9 by F8, joining E8.  White's block at T = F8
# keeps two liberties (F7, G8) and leaves F9 with G9 alone and E8 with E7
# alone, so the ladder catches the stone: White's line is forcing, and
# Black answers at the bent pair E8, F9: F7 and G8 beyond F8 are empty, E7
# and G9 beside them too, so the answer is F8 itself.  h1 = White E9, Black
# F9, White D9, Black F8.  C7 above C8 is White's and F7 has two Black
# stones around it; no atari from beyond on either side.  One forcing line,
# the other side's: s + s/2, at Black's connection E9.
black to play
  . . O . . . . X .
  . . . O X . . . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5]

[attached-pair-push-block-ataris-stone-white]
# As attached-pair-push-block-ataris-stone-black with White to move:
# White's forcing line is the engine's own, its point the push E9 (the
# line E9, F9, D9); the same h0 and h1, s + s/2.
white to play
  . . O . . . . X .
  . . . O X . . . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5 E9/F9/D9]

[two-space-peep-captured-after-connection-black]
# Black's two-space jump C3-F3 on the third line; White's D4 peeps beside
# the gap D3 from above, between Black's C4 and E4, under White's wall
# C6-F6 (D3 is the peeped gap, E3 the other; D2 is D3's flank on the far
# side, C2 C3's corner there, E2 E3's flank on the far side, held by
# Black, and B2 is Black's).  E2 is on the second line: no approach from
# outside is read.  White's push D3 met by Black's D2 gives p (premise:
# White gains, p > 0).  Beside it the contact against the knight's move
# D2-F3 reads nothing (its middle point E2 is taken), the reading at C3's
# corner does not apply (the chain C3-C4 has four liberties) and White's
# cut at C2 would be a self-atari that captures nothing: p stands.
# Black's connection D3 (o, premise o >= 0) leaves the peep D4 in atari at
# D5, so Black's capture there (t: Black D3 and D5) moves o a third of the
# way toward t: o + (t - o)/3 + p, at the gap D3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X . . X . . .
  . X . . X . . . .
  . . . . . . . . .
call Kankei6Nozoki C3 F3 C3 D3 C3 D3 D2 C3 D3 D3 D5 [D3=o+(t-o)/3+p:5]

[two-space-peep-captured-after-connection-white]
# As two-space-peep-captured-after-connection-black with White to move:
# White's point is the push at the peeped gap D3 itself, with the same
# value (the owner's part moved toward the capture at D5 whoever plays).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X . . X . . .
  . X . . X . . . .
  . . . . . . . . .
call Kankei6Nozoki C3 F3 C3 D3 C3 D3 D2 C3 D3 D3 D5 [D3=o+(t-o)/3+p:5]

[attached-pair-escape-at-ladder-move-bonus-white]
# The position of attached-pair-loose-move-connects-at-once-white
# (links-edge-yomi-pin4.tst): Black's E8 with White's D8 (K) beside it at
# the top edge, White to move.  White's line: White E9, Black blocks at
# F9, White D9 joins K; Black's F9 (liberties G9 and F8) has no capture
# beside it and is caught by the ladder whose first move is White's F8
# (then G8 ends Black's run at G9).  So the escape point is F8, and since
# White is the engine, White's own play there after its line is the
# bonus: White E9, Black F9, White D9, White F8 (Black passes), h3.  The
# candidate is White's push E9 with bonus h3.
white to play
  . . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X O . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only E8 E9 E8 E8 E8 E8 E9 F9 D9 D9 F8 [=E9:h3]

[attached-pair-two-forcing-lines-bonus-black]
# The position of edge-attached-pair-two-forcing-lines-top-black
# (links-edge.tst): Black's E8 with White's D8 (K) beside it, both in
# living walls.  Black's line is D9, White C9 under it, Black's connection
# E9; White's C9 (liberties B9 and C8) has no capture beside it and is
# caught by the ladder whose first move is Black's C8, so White's escape
# point is C8, and with Black the engine, Black's own play there after its
# line is the bonus: Black D9, White C9, Black E9, Black C8 (White
# passes), h0.  The candidate is Black's D9 with bonus h0.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only E8 E9 E8 D9 C9 E9 E9 C8 [=D9:h0]

[attached-pair-two-forcing-lines-bonus-white]
# As attached-pair-two-forcing-lines-bonus-black with White to move:
# White's line is E9, Black's block F9, White D9; Black's F9 (liberties G9
# and F8) has no capture beside it and the ladder's first move is White's
# F8, so White's own play there after its line is the bonus: White E9,
# Black F9, White D9, White F8 (Black passes), h1.  The candidate is
# White's push E9 with bonus h1.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only E8 E9 E8 E8 E9 F9 D9 D9 F8 [=E9:h1]

[attached-pair-two-forcing-lines-left-edge-bonus-black]
# The position of edge-attached-pair-two-forcing-lines-left-black
# (links-edge.tst): Black's B5 at the left edge with White's B6 (K) beside
# it.  Black's line is A6 under K, White A7 under it, Black's connection
# A5; White's A7 (liberties A8 and B7) has no capture beside it and the
# ladder's first move is Black's B7 (the liberty off the first line), so
# Black's own play there after its line is the bonus: Black A6, White A7,
# Black A5, Black B7 (White passes), h0, at Black's A6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only B5 A5 B5 A6 A7 A5 A5 B7 [=A6:h0]

[attached-pair-two-forcing-lines-left-edge-bonus-white]
# As attached-pair-two-forcing-lines-left-edge-bonus-black with White to
# move: White's line A5, Black's block A4, White A6; Black's A4 (liberties
# B4 and A3) is caught by the ladder whose first move is White's B4, so the
# bonus is White A5, Black A4, White A6, White B4 (Black passes), h1, at
# White's push A5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only B5 A5 B5 B5 A5 A4 A6 A6 B4 [=A5:h1]

[attached-pair-ladder-threat-bonus-black]
# The position of pin-attached-pair-block-beyond-two-liberties-top-black
# (links-edge-yomi-pin.tst): Black's E8 heading the wall E8-E5, White's D8
# (K) joined to C6-D6-C5.  Black's D9 under K is answered at C9, and that
# answer lets Black's block at K2 = C8 start a ladder against K: with
# Black the engine, the bonus is Black's evaluation with D9 alone on the
# board (C9 taken back), h0 = Black D9.  The candidate is Black's D9.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only E8 E9 E8 D9 [=D9:h0]

[peep-escape-aims-at-t-capture-bonus-black]
# The position of edge-cover-peep-escape-aims-at-t-top-black
# (links-edge-cover.tst): Black's E8 jumps to the top edge, White's lone
# D9 (Q) peeps beside the gap E9 in front of White's wall B9, B8, C8, B7.
# White's part is the push E9, Black's block F9, White's escape C9 and
# Black's answer F8 (p, h1); Black's connection E9 leaves Q in atari and
# White extends at C9 (o, h0).  Black's capture of Q at C9 after the
# connection (Black E9, White passes, Black C9: t, h2) moves Black's part
# a third of the way toward it and is the candidate's bonus: the gap E9
# with o + (t - o)/3 + p (premise: a positive value, so the bonus is not
# held down) and bonus h2.
black to play
  . O . O . . . . .
  . O O X X . . . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:pin-bonus E8 E9 E8 E9 C9 E8 E9 F9 C9 F8 E8 E9 E9 C9 [=E9:h2 E9=o+(t-o)/3+p:5]

[peep-escape-aims-at-t-capture-bonus-left-black]
# The position of peep-escape-aims-at-t-capture-bonus-black on the left
# edge (edge-cover-peep-escape-aims-at-t-left-black): Black's B5 with the
# gap A5, White's A6 peeping in front of White's wall A8, B8, C8, B7.  The
# same lines: o = Black A5, White A7; p = White A5, Black A4, White A7,
# Black B4; t = Black A5, White passes, Black A7.  The gap A5 with
# o + (t - o)/3 + p and bonus h2.
black to play
  . . . . . . . . .
  O O O X . . . . .
  . O X . X . . . .
  O X X X X . . . .
  . X X . X . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:pin-bonus B5 A5 B5 A5 A7 B5 A5 A4 A7 B4 B5 A5 A5 A7 [=A5:h2 A5=o+(t-o)/3+p:5]

[corner-outside-far-corner-taken-hane-beside-far-stone-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White
# D7 stands two lines out beside the gap on C's side.  Black's E6 holds D,
# so the first rule (D empty) fails.  White D3 stands two lines out beside
# the gap on the other side (Hout), E4 (J) and E3 (Jout, beyond J seen from
# E5) are empty and White F4 is one row past J (J2): Black's point is J =
# E4, with no value read (0).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . X . . . .
  . . X . X . . . .
  . . . . . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E4:0]

[corner-outside-own-stone-beyond-far-corner-d2-taken-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side.  Black's E7 stands two lines
# out beside the far stone on C's side (Dout) and White's F6 one row past
# the corner E6 (D2).  D3 (Hout) is empty.  The first rule wants Dout
# empty, the fourth (Dout the owner's) wants D2 not the opponent's, the
# fifth wants Dout empty: no rule holds, no point and 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . O . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[corner-outside-own-stone-past-far-corner-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side.  E7 (Dout) and E6 (D) are
# empty and Black's F6 stands one row past E6 (D2); D3 (Hout) is empty.
# The first rule wants D2 the opponent's, the fourth Dout the owner's, the
# fifth D2 not the owner's: no rule holds, no point and 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . X . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[corner-outside-own-stone-two-out-past-far-corner-d2-taken-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side.  Black's E6 holds the
# corner D; E7 (Dout) is empty; White's F6 stands one row past D (D2) and
# Black's F7 one row past E7 (Dout2).  D3 (Hout) is empty.  The first rule
# wants D empty, the fourth Dout the owner's; the fifth holds (Dout empty,
# D2 not the owner's), and since D2 is not empty its point is the gap D5,
# with 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . O . X O . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D5:0]

[corner-outside-own-stone-two-out-past-far-corner-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side.  E6 (D), E7 (Dout) and F6
# (D2) are empty and Black's F7 stands one row past E7 (Dout2); Black's E4
# holds the corner J on the other side and D3 (Hout) is empty.  The fifth
# rule holds (Dout empty, D2 not the owner's), and with Dout2 the owner's
# and D2 empty its point is D = E6, with 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E6:0]

[corner-outside-hane-beside-near-stone-far-corner-taken-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; D = E6,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side) and
# White D7 two lines out beside the gap on C's side.  White F6 is not
# there (D2 = F6 empty), so the first rule fails.  White D3 stands two
# lines out beside the gap on the other side (Hout); Black's E4 holds J, so
# the second rule fails; C4 (I) and C3 (Iout, beyond I seen from C5) are
# empty and White B4 is one row past I (I2): Black's point is I = C4, with
# 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . O . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=C4:0]

[corner-outside-d2-with-own-stone-under-far-stone-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side.  E6 (D) and E7 (Dout) are
# empty and White F6 stands one row past E6 (D2): the first rule holds
# whatever stands on the other side (Black's E4 there changes nothing).
# Black's point is D = E6, valued by Black E6, White E7 (h0).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . O . . .
  . . X . X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 C5 E6 E7 [=E6:h0]

[one-space-peep-hane-extends-outward-white]
# Black's one-space jump E5-C5 with White's peep at D6, White's B5 outside
# C5 and Black's D3 below the gap's other corner.  White's hane at E4 (the
# corner beside E5) leaves E5 three liberties (D5, E6, F5): no ladder, so
# White's extensions of the hane are read.  Of E4's empty neighbours F4,
# E3 and D4, only F4 has three empty neighbours of its own (E3 has D3
# beside it, D4 has D3 below): h1 = White E4 and F4 (Black passing), above
# 0.  The hane at C4 leaves C5 with D5 and C6, and the ladder catches it:
# White's D5 and C6 are its first two moves, h3.  The answer is the smaller
# of the two (premise: the extension's line is worth more): h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O X . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane E5 C5 E4 C4 E5 E5 E4 E4 F4 E5 E5 C4 C4 D5 D5 C6 [=h3]

[attached-pair-s-owned-capture-bonus-black]
# The position of edge-cover-attached-pair-s-owned-top-black
# (links-edge-cover.tst): Black's E8 and White's D8 (K) side by side at
# the top edge in living walls, Black holding S = F9.  Black's line is
# D9, White C9, Black E9; White's C9 (liberties B9 and C8) has no capture
# beside it and the ladder's first move is Black's C8, so with Black the
# engine the bonus is Black's play there after the line: Black D9, White
# C9, Black E9, Black C8 (White passes), h0, at Black's D9.
black to play
  . . . . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only E8 E9 E8 D9 C9 E9 E9 C8 [=D9:h0]

[attached-pair-open-point-above-escape-bonus-white]
# The position of edge-cover-attached-pair-open-point-above-top-white
# (links-edge-cover.tst): Black's E8 with White's lone D8 (K) beside it,
# White to move.  White's line: White E9, Black's block F9, White D9
# joining K; Black's F9 (liberties G9 and F8) has no capture beside it and
# is caught by the ladder whose first move is White's F8 (H8 stops Black's
# run), so the bonus is White's own play there after its line: White E9,
# Black F9, White D9, White F8 (Black passes), h1, at White's push E9.
white to play
  . . . . . . . . .
  . . . O X . . O .
  . . O . . . X . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:bonus-only E8 E9 E8 E8 E9 F9 D9 D9 F8 [=E9:h1]

[attached-pair-ladder-threat-loose-move-bonus-black]
# The position of attached-pair-push-answer-loose-move-black
# (links-edge-yomi-pin4.tst): Black's D9 under K is answered at C9, and
# that answer lets Black's C8, joined to B8, start a ladder against K: a
# forcing line for Black, and with Black the engine the bonus is Black's
# evaluation with D9 alone on the board (C9 taken back), h0 = Black D9, at
# Black's D9.
black to play
  . . . . . . . . .
  . X . O X . O . .
  . . . . . . . . .
  O O X O X X . . .
  . . . O X X X X X
  . . . O X . . . .
  . . . O X . . . .
  X . . O X . . . .
  . . . O X . . . .
call IkkenEdgeTukeYomi:bonus-only E8 E9 E8 D9 [=D9:h0]

[corner-outside-hane-beside-near-stone-blocked-beyond-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side; White D3 stands two lines
# out beside the gap on the other side (Hout) and White B4 one row past
# the corner C4 (I2).  Black's C3 stands beyond C4 seen from C5 (Iout), so
# the third rule fails; E4 (J) is empty but F4 (J2) is not White's, so the
# second fails; the first wants White on F6 (D2), and the fourth and fifth
# want D3 not White's: no point, 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[corner-outside-hane-beside-far-stone-blocked-beyond-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side; White D3 (Hout) and White
# F4 one row past the corner E4 (J2).  Black's E3 stands beyond E4 seen
# from E5 (Jout), so the second rule fails; B4 (I2) is empty, so the third
# fails; the first wants White on F6, the fourth and fifth D3 not White's:
# no point, 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . O . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[corner-outside-white-two-out-other-side-alone-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C) and White
# D7 two lines out beside the gap on C's side; White D3 stands two lines
# out on the other side (Hout), and nothing else: E7 (Dout), E6 and F6 are
# empty, so the first rule fails (F6 not White's); the second and third
# want White one row past the far corners (F4, B4); the fourth and fifth
# want D3 not White's.  No point, 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

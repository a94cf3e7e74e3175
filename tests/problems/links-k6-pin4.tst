# Two-space jumps and one-space jumps: rows that pin the readings of the
# wedge read from outside (the ladder move, the block that puts the wedge
# in atari), the peeps of the two-space jump (beside both gaps, the low
# jump, the approach from outside), the peep of the jump to the edge (the
# reading from outside, the extension reading, the reading behind the
# corner), the corner read from outside and the marks the readings leave.
# "call NAME A B ..." as in links-twospace.tst; ":pin-bonus" as in
# links-k6-pin.tst; ":bonus-lines" and ":mark-values" are described in
# tests/engine/links/K6Pin4Routines.cpp.

[wedge-outside-atari-capture-black]
# Black's one-space jump C7-C5; White wedges at C6 with D6 beside it, White
# B8 behind the empty corner B7 and White B5 on the other corner, so that
# Black's block at B6 has only A6 and B7 for liberties.  White's corner B7
# met by Black's B6 leaves B6 in atari: its one liberty A6 is where White
# captures, and White's line goes on to A6 (h1).  Black's block B6 met by
# White's B7 (h0) leaves Black's block in atari and is worth less than
# Black's corner B7 met by White's B6 (h2); White's capture line (h1) is
# worth more than White's B6 met by Black's B7 (h3 = -h2).  So Black's point
# is the corner B7, White's the corner B7 as well, value h1 + h2.
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . O O . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C7 C5 B6 B7 C7 A6 C7 B6 B7 C7 B7 B6 A6 C7 B7 B6 C7 B6 B7 [B7=h1+h2:5]

[wedge-outside-atari-capture-white]
# As wedge-outside-atari-capture-black, White to play: White's point is
# its corner B7 (its capture line beats its B6), value h1 + h2.
white to play
  . . . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . O O . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C7 C5 B6 B7 C7 A6 C7 B6 B7 C7 B7 B6 A6 C7 B7 B6 C7 B6 B7 [B7=h1+h2:5]

[double-peep-own-beyond-far-gap-black]
# Black's two-space jump C5-F5; White D6 and E6 peep beside both gap points
# from above, D4 and E4 are their flanks below.  Black E3 stands two lines
# out beside the far gap E5 on the far side.  Gap D5: D3 (two lines out
# beside D5) is empty, but E3, two lines out beside the other gap, is
# Black's: gap D5 is left alone.  Gap E5: E3, two lines out beside E5
# itself, is Black's: left alone too.  Nothing is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[double-peep-own-beyond-far-gap-white]
# As double-peep-own-beyond-far-gap-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[double-peep-cut-both-ends-black]
# Black's two-space jump B5-E5 with White C6 and D6 peeping beside both gap
# points from above (C4 and D4 their flanks below).  White B3 and E3 stand
# two lines out beside the two ends below, C3 and D3 (two lines out beside
# the gaps) are empty; Black C2 and D2 sit under them.  Gap C5: White's B3
# beside the near end B5 calls for the cut reading at B5's lower corner B4:
# Black's connection C5 (h0); White's C5, Black's C4, White's cut B4 (h1).
# After White's D4 and Black's D5 Black's C4 is left with B4 and C3, and the
# ladder fails both ways (C3 joins C2, B4 joins B5): C5 gets h0 + h1.  Gap
# D5 likewise with White's E3 beside the end E5: Black's D5 (h2), White's
# D5, Black's D4, White's cut E4 (h3); after White's C4 and Black's C5 the
# ladder on D4 fails (D3 joins D2, E4 joins E5): D5 gets h2 + h3, named
# h0+h3 as Black's two connections are worth the same here (h0 = h2).
# Both readings answer the gap point whichever side moves.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . X . . X . . . .
  . . . . . . . . .
  . O . . O . . . .
  . . X X . . . . .
  . . . . . . . . .
call Kankei6Nozoki B5 E5 B5 C5 B5 C5 C4 B4 B5 D5 B5 D5 D4 E4 [C5=h0+h1:5 D5=h0+h3:5]

[double-peep-cut-both-ends-white]
# As double-peep-cut-both-ends-black, White to play: the same two gap
# points with the same sums.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . X . . X . . . .
  . . . . . . . . .
  . O . . O . . . .
  . . X X . . . . .
  . . . . . . . . .
call Kankei6Nozoki B5 E5 B5 C5 B5 C5 C4 B4 B5 D5 B5 D5 D4 E4 [C5=h0+h1:5 D5=h0+h3:5]

[edge-peep-outer-stone-far-gap-bonus-black]
# Black E7 (with E6 E5) jumps to the top edge: near gap E8, far gap E9.
# White's D8-C8 peeps beside E8, F8 is the free gap neighbour.  White G9
# stands two lines out beside the far gap on the free side, Black's G7 two
# lines out beside the stone (third line), G8 and D9 are empty, and H9 (the
# first-line point beyond G9) is empty with two empty neighbours: the
# reading from outside.  Black's line: E9, White E8, Black F8, White F9,
# Black H9, White D9, Black G8 (h0).  White's push E8 (h1); H8 has White's
# J8 beside it, so it is not read.  Black to play: E9 with h0 + h1 and no
# bonus.
black to play
  . . . . . . O . .
  . . O O . . . . O
  . . . . X . X . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pin-bonus E7 E8 E7 E9 E8 F8 F9 H9 D9 G8 E7 E8 [E9=s:5 E9+0]

[edge-peep-outer-stone-far-gap-bonus-white]
# As edge-peep-outer-stone-far-gap-bonus-black, White to play: White's
# push E8 with h0 + h1, no bonus.
white to play
  . . . . . . O . .
  . . O O . . . . O
  . . . . X . X . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pin-bonus E7 E8 E7 E9 E8 F8 F9 H9 D9 G8 E7 E8 [E8=s:5 E8+0]

[wedge-outside-block-ataris-wedge-black]
# Black's one-space jump C7-C5 (C7 with D7); White wedges at C6 with D6
# beside it, White B8 stands behind the empty corner B7.  White's wedge has
# B6 and D5 left; Black's E6 next to it is in atari (White D6, E7, F6
# around it, E5 its liberty).  Black's block at B6 leaves the wedge in
# atari, and White's answer is to capture the Black chain in atari next to
# it, at E5 (h0).  Black's corner B7 met by White's B6 (h2).  White's B7
# met by Black's B6 leaves White's wedge in atari, so no ladder catches
# Black's B6 (h1); White's B6 met by Black's B7 (h3 = -h2).  The block
# with the capture beats the corner for Black (h0 > h2) and White's
# extension beats its corner (h3 > h1): Black's point B6, White's point
# B6, value h0 + h3.
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . X X O . . . .
  . . O O X O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C7 C5 B6 B7 C7 A6 C7 B6 E5 C7 B7 B6 C7 B7 B6 C7 B6 B7 [B6=h0+h3:5]

[wedge-outside-block-ataris-wedge-white]
# As wedge-outside-block-ataris-wedge-black, White to play: White's
# extension B6 with h0 + h3.
white to play
  . . . . . . . . .
  . O . . . . . . .
  . . X X O . . . .
  . . O O X O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C7 C5 B6 B7 C7 A6 C7 B6 E5 C7 B7 B6 C7 B7 B6 C7 B6 B7 [B6=h0+h3:5]

[edge-peep-extension-third-move-black]
# Black F3 jumps to the bottom edge: near gap F2, far gap F1, G2 the free
# gap neighbour.  White's E2-E3 peeps beside F2 (E3 on Y beside the stone);
# Black's G3 on W sends the shape to the general reading.  Black's E4, D1
# and E1 leave White's chain D2, D3 and F2.  Black's F2 leaves it two
# liberties, and D2 (X2) is empty with two empty neighbours (C2, D3): the
# extension reading.  Black's extension D2, White's C2 (X3), Black takes
# E2-E3 at its last liberty D3: the bonus e (h2; the line's "F2 F2" is
# White's pass).  White's D2 instead has two liberties, C2 and D3; C2 is
# empty, off the first line, with one White neighbour: Black's C2, and C3
# (Y3) being empty with two liberties on White's chain, White's C3; D3 is
# empty, so the third move counts: a = Black F2, White D2, Black C2, White
# C3 (h0).  White's line with Black on W: White F2, Black G2 (h1).  v = h0 +
# h1 > 0, and twice v is not below e: no doubling.  Black's F2, h0 + h1,
# with e = h2 as its bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O X X . .
  . . . . O . . . .
  . . . X X . . . .
call Kankei6EdgeNozoki:bonus-lines F3 F2 F3 F2 D2 C2 C3 F3 F2 G2 F3 F2 F2 D2 C2 D3 [=F2:h2 F2=h0+h1:5]

[edge-peep-extension-third-move-white]
# As edge-peep-extension-third-move-black, White to play (White's F2 and
# Black's G2 leave White's F2 chain alive): White's F2, h0 + h1, bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O X X . .
  . . . . O . . . .
  . . . X X . . . .
call Kankei6EdgeNozoki:bonus-lines F3 F2 F3 F2 D2 C2 C3 F3 F2 G2 F3 F2 F2 D2 C2 D3 [=F2:0 F2=h0+h1:5]

[edge-peep-extension-crowded-black]
# As edge-peep-extension-third-move-black with White's B2 beside C2:
# after White's D2, C2 has two White neighbours, so Black has no third move
# there.  a = Black F2, White D2 (h0), which is above 5 and gets 5 more;
# White's F2, Black's G2 (h1).  Black's extension line is worth no more
# than twice the sum: no doubling.  F2 with s + 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O X X . .
  . O . . O . . . .
  . . . X X . . . .
call Kankei6EdgeNozoki F3 F2 F3 F2 D2 F3 F2 G2 [F2=s+5:5]

[edge-peep-extension-crowded-white]
# As edge-peep-extension-crowded-black, White to play: h0 is again above
# 5, White's F2 with s + 5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O X X . .
  . O . . O . . . .
  . . . X X . . . .
call Kankei6EdgeNozoki F3 F2 F3 F2 D2 F3 F2 G2 [F2=s+5:5]

[marks-edge-peep-general-reading]
# The general reading of edge-peep-extension-third-move-black marks the
# near gap F2 on the second board, with 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O X X . .
  . . . . O . . . .
  . . . X X . . . .
call Kankei6EdgeNozoki:mark-values F3 F2 [F2:2=1]

[marks-edge-peep-outer-stone]
# The reading from outside of edge-peep-outer-stone-far-gap-bonus-white
# marks the near gap E8 on the first board, with 1, whichever side moves.
white to play
  . . . . . . O . .
  . . O O . . . . O
  . . . . X . X . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:mark-values E7 E8 [E8:1=1]

[marks-peep-both-gaps]
# Black's two-space jump C5-F5 with White's D6 peeping at D5 and White's D3
# two lines out beside D5 on the far side: both gap points are marked on
# the first board, with 1, before the short answer.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki:mark-values C5 F5 [D5:1=1 E5:1=1]

[edge-peep-behind-y-x2-open-black]
# Black D3 jumps to the bottom edge: near gap D2, far gap D1, free gap
# neighbour E2.  White's lone C2 peeps beside D2 with four liberties; Black
# C4 stands behind the empty C3 (YB behind Y), and B3 and B2 are empty: the
# general reading.  White's E4 above E3 (W) leaves E3 two empty neighbours.
# Black's D2 leaves the peep three liberties, so no extension reading:
# Black's D2 (o = h0); with Black behind Y and Y and B2 (X2) empty, and B2
# with exactly three empty neighbours (A2, B3, B1): Black's D2 and B2,
# White's A2, Black's C1 (t = h2; "D2 D2" is White's pass), and a = o +
# (t - o)/2.  C3 then has four empty points around it, not five: Black's
# point stays D2.  White's line: White D2, Black E2; D3 keeps three
# liberties (no ladder), and White's E3 would join E4 with four liberties,
# so White's part is its D2 alone (p = h1).  D2 with o + (t - o)/2 + p.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 D3 D2 D2 B2 A2 C1 [D2=o+(t-o)/2+p:5]

[edge-peep-behind-y-x2-open-white]
# As edge-peep-behind-y-x2-open-black, White to play: White's D2 with
# o + (t - o)/2 + p.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 D3 D2 D2 B2 A2 C1 [D2=o+(t-o)/2+p:5]

[edge-peep-y-taken-black]
# Black D3 with E3 (on W) jumps to the bottom edge; White's C2-C3 peeps
# beside D2, C3 on Y, Black's C4 behind it.  Black on W: the general
# reading.  White's chain has four liberties (B2, C1, D2, B3) and three
# after Black's D2: no extension reading, a = Black's D2 (h0); Y holds
# White's stone, so the reading behind Y is off and D2 stays Black's point.
# With Black on W: White D2, Black E2, and White's D2 is not nearly dead
# (h1).  D2 with s = h0 + h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X X . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 [D2=s:5]

[edge-peep-y-taken-white]
# As edge-peep-y-taken-black, White to play: White's D2 with s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X X . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 [D2=s:5]

[edge-peep-beyond-taken-black]
# Black D3 with E3 (on W) jumps to the bottom edge; White's C2-B2 peeps
# beside D2, B2 standing on X2 beyond the peep; Black C4 behind the empty
# C3 (Y).  Black on W: the general reading.  White's chain keeps five
# liberties after Black's D2: no extension reading, a = Black's D2 (h0);
# the reading behind Y wants B2 empty, so it is off and D2 stays Black's
# point.  With Black on W: White D2, Black E2, White's D2 not nearly dead
# (h1).  D2 with s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . X X . . . .
  . O O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 [D2=s:5]

[edge-peep-beyond-taken-white]
# As edge-peep-beyond-taken-black, White to play: White's D2 with s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . X X . . . .
  . O O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 [D2=s:5]

[approach-with-stone-beside-end-black]
# Black's two-space jump C5-F5 with White's D7 two lines out beside the gap
# D5 above (the only White stone two lines out beside a gap) and White's
# C3 two lines out beside the end C5 below, which does not count.  As in
# two-space-approach-black: White's push D5, Black D4, White E5, Black E4
# (p); Black's answer E6 (o); s = o + p below 13 is doubled: E6, 2s,
# reason 29.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [E6=2s:29]

[peep-low-jump-corner-taken-black]
# Black's two-space jump C3-F3 on the third line; White's D4 peeps at the
# gap D3 from above, and White's C2 already stands on C3's lower corner.
# Op = D2, and the approach point E2 beside the far gap lies on the second
# line: no approach reading, White's part starts at 0 and is read at D3.
# White's D3 answered by Black's D2 leaves White worse off (below 0); the
# cut at C2 and the reading that plays there are out (C2 is taken: -1),
# and the knight's-move contact reading of D2-F3 finds nothing (0).  So
# White's part is 0, not above 0: Black's D3 gets its own value (Black's
# D3, h0) plus 0; White adds nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C3 F3 C3 D3 C3 [D3=h0:5]

[peep-low-jump-corner-taken-white]
# As peep-low-jump-corner-taken-black, White to play: White's part is
# not above 0, so nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C3 F3 [none]

[corner-outside-stone-beyond-near-end-black]
# Black's one-space jump C5-E5 with White's corner C6 beside the near stone
# C5 (G = D6 the gap-row point on C's side, D = E6 the corner beside the
# far stone E5, Dout = E7 two lines out beside it); White D7 stands two
# lines out beside the gap on C's side (Gout) and C has three liberties:
# the outside answer.  White F6 (D2, one row past E6) with E6 and E7 empty:
# Black's point is D = E6, valued by Black E6, White E7 (h0).  White's B5
# just outside the near stone on the jump line changes nothing: the rule
# looks at D, E7 and F6 only.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . O . . .
  . O X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 C5 E6 E7 [=E6:h0]

[approach-both-sides-of-gap-bonus-white]
# Black's two-space jump C5-F5 with White's D7 and D3 two lines out beside
# the gap D5 on both sides (no White stone in the box): the gap's value to
# both sides, Black's D5 (h0) plus White's D5 (h1), s.  White to play: the
# gap D5 with s and no bonus, under the caller's reason 5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto:pin-bonus C5 F5 C5 D5 C5 D5 [D5=s:5 D5+0]

[approach-both-sides-of-gap-bonus-black]
# As approach-both-sides-of-gap-bonus-white, Black to play: both flanks
# of the gap, D6 first, then D4, each with s and no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto:pin-bonus C5 F5 C5 D5 C5 D5 [D6=s:5 D4=s:5 D6+0 D4+0]

[edge-peep-behind-y-x2-crowded-black]
# As edge-peep-behind-y-x2-open-black with Black's B1 under B2 (X2):
# the general reading again.  Black's D2 leaves the peep three liberties:
# no extension reading, a = Black's D2 (h0).  Black stands behind Y with Y
# and B2 empty, but B2 now has two empty neighbours (A2, B3), not three,
# and the peep is not in atari: a stays h0, and D2 stays Black's point.
# E3 (W) is empty, not Black's: White D2, Black E2, no ladder on D3, and
# White's E3 would join E4 with four liberties, so White's part is its D2
# alone (h1).  D2 with s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . X . . . . .
  . . O . . . . . .
  . X . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[edge-peep-behind-y-x2-crowded-white]
# As edge-peep-behind-y-x2-crowded-black, White to play: White's D2
# with s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . X . . . . .
  . . O . . . . . .
  . X . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

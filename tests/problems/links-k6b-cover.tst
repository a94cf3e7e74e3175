# Two-space jumps: the branches of the outside cut, the peep's capture after
# the connection, and the edge readings that the first cover table left
# (see links-k6cover.tst).  "call NAME A B ..." as in links-twospace.tst:
# the points after a repeated A are the lines of the row's working (the
# first from the owner, the second from the opponent, colours alternating;
# a point given twice in a row is a pass), and each candidate's value is
# answered as an expression of their evaluations.

# The outside cut of Black's jump C5-F5: White's D7 two lines out beside
# the gap D5 (liberties D6 and E7), Black's C7 two lines out beside C5 on
# the same side (White's B7 leaves it two liberties, C8 and C6).  D6 is
# the cut's point Ns beside the gap, C6 the corner R1 beside C5, D4 and E4
# the far flanks.

[k6b-outside-cut-short-own-stone-black]
# White's D7 has two liberties and Black's C7 only two: the attacker's
# reading is R1 first: White C6 (against C7) and then D5 (two White moves
# in a row), Black D4, White E5, Black E4 (p).  Black's part: Black D6
# leaves D7 in atari, so Black captures at E7 too; with Black to move
# Black's part moves half of the way from o (Black D6) to t (Black D6 and
# E7).  Black's own candidate is D6: o + (t - o)/2 + p, under the caller's
# reason.
black to play
  . . . . . . . . .
  . . . X O O O . .
  . O X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 C6 C6 D5 D4 E5 E4 C5 D6 D6 E7 [D6=o+(t-o)/2+p:5]

[k6b-outside-cut-short-own-stone-white]
# As k6b-outside-cut-short-own-stone-black with White to move: Black's
# part stays at o (Black D6 alone), White's point is R1, C6: o + p = s.
white to play
  . . . . . . . . .
  . . . X O O O . .
  . O X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 C6 C6 D5 D4 E5 E4 [C6=s:5]

[k6b-outside-cut-short-own-stone-other-side-black]
# k6b-outside-cut-short-own-stone-black turned upside down: White's D3
# (liberties D4, E3), Black's C3 with two liberties (C2, C4; White's B3).
# Ns = D4, R1 = C4, the far flanks D6 and E6.  o: Black D4; t: Black D4
# and E3; p: White C4, D5, Black D6, White E5, Black E6.  Black's D4:
# o + (t - o)/2 + p.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . O X O . . O . .
  . . . X O O O . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D4 C5 C4 C4 D5 D6 E5 E6 C5 D4 D4 E3 [D4=o+(t-o)/2+p:5]

[k6b-outside-cut-short-own-stone-other-side-white]
# As k6b-outside-cut-short-own-stone-other-side-black, White to move:
# White's C4, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . O X O . . O . .
  . . . X O O O . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D4 C5 C4 C4 D5 D6 E5 E6 [C4=s:5]

# Kankei6EdgeWarikomi on Black D3's jump to the edge with White's wedge D2
# and White's second stone beside D3 (X): the owner's answer at M (the gap
# neighbour on X's side) when X is short of liberties.  N is the other gap
# neighbour, W the point beside D3 away from X (on the third line).

[k6b-edge-wedge-side-stone-in-atari-black]
# White's C3 beside D3 has one liberty left, C2 (Black's B3 and C4 take
# the others): Black's M, C2, captures it (o: Black C2).  Black's D3 has
# two liberties and no ladder against it; E4, F3 and F2 hold nothing of
# Black's and W = E3 lies empty on the third line: White's point is E3
# (p: White E3).  Black's C2, o + p = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X O X . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 D3 E3 [C2=s:5]

[k6b-edge-wedge-side-stone-in-atari-white]
# As k6b-edge-wedge-side-stone-in-atari-black, White to play: E3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X O X . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 D3 E3 [E3=s:5]

[k6b-edge-wedge-side-stone-in-atari-other-side-black]
# The other side: White's E3 with one liberty, E2 (Black's F3 and E4):
# Black's E2 captures it (o), White's W = C3 (p).  Black's E2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O X . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 C3 [E2=s:5]

[k6b-edge-wedge-side-stone-in-atari-other-side-white]
# As k6b-edge-wedge-side-stone-in-atari-other-side-black, White to play:
# C3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O X . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 C3 [C3=s:5]

[k6b-edge-wedge-side-stone-two-liberties-black]
# White's C3 alone with two liberties, B3 and C2 (Black's C4 above it);
# M = C2 has two empty neighbours (B2, C1).  Black's C2 ataris C3, White
# extends at its last liberty B3, Black closes the other gap neighbour E2
# (o: Black C2, White B3, Black E2).  White's point is W = E3 as before
# (p: White E3).  Black's C2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 B3 E2 D3 E3 [C2=s:5]

[k6b-edge-wedge-side-stone-two-liberties-white]
# As k6b-edge-wedge-side-stone-two-liberties-black, White to play: E3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 B3 E2 D3 E3 [E3=s:5]

[k6b-edge-wedge-side-stone-two-liberties-other-side-black]
# The other side: White's E3 with liberties F3 and E2 (Black's E4); M =
# E2 has F2 and E1 empty.  Black E2, White F3, Black C2 (o); White's C3
# (p).  Black's E2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 F3 C2 D3 C3 [E2=s:5]

[k6b-edge-wedge-side-stone-two-liberties-other-side-white]
# As k6b-edge-wedge-side-stone-two-liberties-other-side-black, White to
# play: C3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 F3 C2 D3 C3 [C3=s:5]

# The same wedge with White's C3 beside D3 holding three liberties and
# Black's D3-D4 holding four, White's D1 under the wedge: Black's answer
# is the other gap neighbour N (E2), unless the wedge then escapes.  After
# Black's E2 the wedge D2-D1 keeps three liberties (C2, C1, E1): no
# ladder, so Black looks at W (E3), where White's stone would join
# White's F3 with four liberties: Black takes W instead, worth Black's
# play there.

[k6b-edge-wedge-escapes-take-w-black]
# Black's E3 (o: Black E3).  White's point is E3 too (E4, F3 and F2 hold
# nothing of Black's, E3 lies on the third line; p: White E3).  E3, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O X . O . . .
  . . . O . . . . .
  . . . O . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E3 D3 E3 [E3=s:5]

[k6b-edge-wedge-escapes-take-w-white]
# As k6b-edge-wedge-escapes-take-w-black, White to play: E3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O X . O . . .
  . . . O . . . . .
  . . . O . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E3 D3 E3 [E3=s:5]

[k6b-edge-wedge-escapes-take-w-other-side-black]
# The other side: White's E3 beside D3, White's B3 beyond W = C3; N = C2.
# Black's C3 (o), White's C3 (p): C3, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . X O . . . .
  . . . O . . . . .
  . . . O . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C3 D3 C3 [C3=s:5]

[k6b-edge-wedge-escapes-take-w-other-side-white]
# As k6b-edge-wedge-escapes-take-w-other-side-black, White to play: C3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . X O . . . .
  . . . O . . . . .
  . . . O . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C3 D3 C3 [C3=s:5]

# Kankei6EdgeNozoki's direct reading of the cut when the cutting stone is
# caught: Black E3-E4 jumps to the edge (gap E2, far gap E1), White's
# two-stone chain beside the gap peeps (X, five liberties), the free
# neighbour N on the other side has three empty neighbours.  Black's D1
# (or F1) under the chain and Black's stone two lines out beside N: after
# White's cut at N, Black's E2 and White's E1, the cutting stone has two
# liberties and Black's atari from above drives it along the first line
# into Black's stones (E1 has no way out past D1): the ladder catches it.
# So White's point is the gap E2 itself instead of the cut, worth White's
# play there (p).  Black's part is the connection at E2 (o), negative
# here, so the sum is cut to a third; Black's group is more than two stones
# (no scaling for its size).  With White to play: E2, s/3.

[k6b-edge-peep-cut-caught-white]
# White's C2-D2 peeps on the left, N = F2; Black's G2 and D1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . O O . . X . .
  . . . X . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 E2 [E2=s/3:5]

[k6b-edge-peep-cut-caught-other-side-white]
# The other side: White's F2-G2 peeps on the right, N = D2; Black's C2
# and F1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . X . . O O . .
  . . . . . X . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 E2 [E2=s/3:5]

# Kankei6EdgeNozoki's direct reading when Black's connection leaves a
# Black chain beside the peep in atari: Black E3 jumps to the edge (gap
# E2, far gap E1), White's C2-D2-C1 peeps beside E2 (X), Black's D1 under
# it has one liberty, E1.  After Black's E2 the chain next to White's X in
# atari is D1: White escapes from the pressure by taking it at E1, so
# Black's part is Black E2, White E1 (o), negative.  White's part is the
# cut at F2 (its three liberties no ladder), Black E2, White E1 (p); White's
# H1 takes G1's room, so the extension two lines out is not read.  With a
# negative part the sum is cut to a third.

[k6b-edge-peep-own-chain-in-atari-black]
# Black's E3-E4-E5: a group of three stones, no scaling; v = s/3 is below
# 8, no bonus.  Black connects at E2: s/3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E1 E3 F2 E2 E1 [E2=s/3:5]

[k6b-edge-peep-own-chain-in-atari-white]
# As k6b-edge-peep-own-chain-in-atari-black, White to play: the cut F2,
# s/3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E1 E3 F2 E2 E1 [F2=s/3:5]

[k6b-edge-peep-own-chain-in-atari-other-side-black]
# The other side: White's F2-G2-G1, Black's F1 in atari (liberty E1),
# White's B1; N = D2.  Black E2, White E1 (o); White D2, Black E2, White
# E1 (p).  Black's E2: s/3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . . O O . .
  . O . . . X O . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E1 E3 D2 E2 E1 [E2=s/3:5]

[k6b-edge-peep-own-chain-in-atari-other-side-white]
# As k6b-edge-peep-own-chain-in-atari-other-side-black, White to play: D2,
# s/3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . . O O . .
  . O . . . X O . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E1 E3 D2 E2 E1 [D2=s/3:5]

[k6b-edge-peep-own-chain-in-atari-two-stones-black]
# As k6b-edge-peep-own-chain-in-atari-black with Black's E3-E4 alone
# (D1, in atari, is no part of the stone's group): two stones, v := 2v/3,
# then a third for the negative part: 2s/3/3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E1 E3 F2 E2 E1 [E2=2s/3/3:5]

[k6b-edge-peep-own-chain-in-atari-one-stone-white]
# As k6b-edge-peep-own-chain-in-atari-white with Black's E3 alone (D1 no
# part of its group): one stone, v := v/2, then a third: s/2/3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E1 E3 F2 E2 E1 [F2=s/2/3:5]

# Kankei6EdgeNozoki's direct reading with the peep caught by the owner's
# X2: Black E3-E4-E5 jumps to the edge, White's lone D2 peeps beside the
# gap E2 (its one-space partner B2 beside C2), Black's C3 stands on the
# third line over C2, C2 and C1 are empty.  Black's C2 shuts D2 in between
# C3, C2 and E3: dead, so Black's point is C2 instead of the gap.  Black's
# part: the connection E2 (o); White's: the cut F2, Black E2, White E1 (p;
# White's H1 takes G1's room).  Three stones, no scaling; both parts
# positive; Black adds 4 (v >= 8 and White's part positive), and the sum,
# over 26, loses 6.

[k6b-edge-peep-shut-in-at-x2-black]
# Black's C2: s+4-6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . X . X . . . .
  . O . O . . . . .
  . . . . . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [C2=s+4-6:5]

[k6b-edge-peep-shut-in-at-x2-white]
# As k6b-edge-peep-shut-in-at-x2-black, White to play: the cut F2, s-6
# (no bonus for White).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . X . X . . . .
  . O . O . . . . .
  . . . . . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [F2=s-6:5]

[k6b-edge-peep-shut-in-at-x2-other-side-black]
# The other side: White's F2 and H2, Black's G3, White's B1; N = D2.
# Black's G2: s+4-6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . X . .
  . . . . . O . O .
  . O . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [G2=s+4-6:5]

[k6b-edge-peep-shut-in-at-x2-other-side-white]
# As k6b-edge-peep-shut-in-at-x2-other-side-black, White to play: D2,
# s-6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . X . .
  . . . . . O . O .
  . O . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [D2=s-6:5]

# Kankei6EdgeKata's hane when the opponent's group under it is short of
# eyes with nowhere to extend: Black D3 (with E3 = F beside it) jumps to
# the bottom edge; White's C3 = X and B3 = XS2 touch it, Black's wall A4,
# B4, C4 shuts them into the corner.  Black's hane at K = C2, White's K2 =
# B2, Black's D2: White's corner group has no eyes and no open space to
# run to, so Black's line is valued plainly (o: Black C2, White B2, Black
# D2; B3 is White's, so no atari at XS2 follows).  White's line: the push
# D2, Black's E2 (F is Black's, no atari at F), White's K = C2; then the
# descent on the first line: White E1, Black F1, White D1 (p, with a Black
# pass between C2 and E1; below the cap of 22).  The sum s is below 20.

[k6b-edge-contact-corner-no-room-black]
# Black hanes at C2: s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X . . . . . .
  . O O X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 C2 B2 D2 D3 D2 E2 C2 C2 E1 F1 D1 [C2=s:5]

[k6b-edge-contact-corner-no-room-other-side-black]
# The other side: Black F3 with E3, the wall G4, H4, J4; White's G3 and
# H3.  Black's G2, White's H2, Black's F2 (o); White F2, Black E2, White
# G2, then E1, D1, F1 (p).  Black hanes at G2: s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X X X
  . . . . X X O O .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines F3 F2 F3 G2 H2 F2 F3 F2 E2 G2 G2 E1 D1 F1 [G2=s:5]

# Kankei6EdgeKata with the stone short of liberties but the contact stone
# free: Black D3 with White's C3 beside it and White's D4 on top (D3 keeps
# D2 and E3), White's C3 with three liberties (B3, C4, C2).  White's move:
# E3 beside the stone (no self-atari), Black's connection D2, White's E2
# (p).  Black's move: C3 has more than two liberties, so not the reading
# beyond it; Black's C2 would atari nothing, so Black connects at the gap D2
# (o).  Black's D2, s.

[k6b-edge-contact-short-stone-free-contact-black]
# Black connects at D2: s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 D2 D3 E3 D2 E2 [D2=s:5]

[k6b-edge-contact-short-stone-free-contact-white]
# As k6b-edge-contact-short-stone-free-contact-black, White to play: E3,
# s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 D2 D3 E3 D2 E2 [E3=s:5]

[k6b-edge-contact-short-stone-free-contact-other-side-black]
# The other side: White's E3 (liberties F3, E4, E2) and D4.  White's C3,
# Black's D2, White's C2 (p); Black's D2 (o).  Black's D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 D2 D3 C3 D2 C2 [D2=s:5]

[k6b-edge-contact-short-stone-free-contact-other-side-white]
# As k6b-edge-contact-short-stone-free-contact-other-side-black, White to
# play: C3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 D2 D3 C3 D2 C2 [C3=s:5]

[k6b-edge-contact-corner-no-room-push-held-at-22-black]
# As k6b-edge-contact-corner-no-room-black without Black's A4: the same
# lines.  White's push line is worth more here (23 to White, the lines'
# second evaluation), and a line value counts at most 22; Black's line is
# worth -6 to Black.  The sum -6 + 22 = 16 (below 20): Black's C2, 16.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . O O X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 C2 B2 D2 D3 D2 E2 C2 C2 E1 F1 D1 [C2=16:5]

[k6b-edge-peep-outside-stone-under-far-gap-black]
# As k6b-edge-peep-own-chain-in-atari-black with White's G1 (two lines out
# beside the far gap E1, on N's side) instead of H1: the outside reading,
# which wants D1 (the first-line point on the peep's side) empty; Black's
# D1 stands there, so nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . O . .
call Kankei6EdgeNozoki E3 E2 [none]

[k6b-edge-peep-outside-stone-under-far-gap-whole-handler-black]
# The same through the whole handler of the jump to the edge (the peep
# beside the near gap goes to the peep's reading alone): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . O . .
call Kankei6EdgeUtu:lines E3 E2 [none]

# Kankei6Nozoki2: White's D6 and E6 peep at both gaps of Black's jump C5-F5
# from one side, but they are shut in (Black's C6, D7, E7, F6 around them,
# only the gaps left as liberties).  For either gap White's push (White
# D5, Black D4; White E5, Black E4) is negative, and neither the
# attachment nor the cut beyond adds anything (0): White's value v is 0,
# not positive.  White, as the engine, then leaves the gaps alone (no
# candidate, no marks); Black takes each gap for its own value alone, and
# both gaps are marked.  By the position's symmetry Black's E5 is worth
# what Black's D5 is (o: Black D5).

[k6b-double-peep-shut-in-black]
# Black: D5 and E5, each o.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X O O X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 [D5=h0:5 E5=h0:5]

[k6b-double-peep-shut-in-white]
# White to play: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X O O X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[k6b-double-peep-shut-in-marks-black]
# Black to play: both gaps marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X O O X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki:marks C5 F5 [D5:1 E5:1]

[k6b-double-peep-shut-in-marks-white]
# White to play: no marks.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X O O X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki:marks C5 F5 [none]

[k6b-double-peep-shut-in-other-side-black]
# The other side: White's D4 and E4 shut in by Black's C4, D3, E3, F4.
# Black: D5 and E5, each o.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . X O O X . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 [D5=h0:5 E5=h0:5]

[k6b-double-peep-shut-in-other-side-white]
# As k6b-double-peep-shut-in-other-side-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . X O O X . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

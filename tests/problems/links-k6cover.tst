# Two-space jumps, second pass (reason 21): the quiet shapes the second
# pass over the relations answers.  "call Kankei6Hokyo:lines A B ..." runs
# the handler on the jump A-B; B next to A is the end beyond the edge (the
# third-line stone A's jump to the edge).  The points after each repeated A
# are a line of the working: the first from the owner (the colour at A), the
# second from the opponent, colours alternating in each; s is the sum of the
# two lines' evaluations for their first movers.  Prepared answers follow
# the candidates as "own/reply/answer".
#
# The edge box of the stone D3 (jump to the edge below it):
#   C3 D3 E3   ([0] [1] [2])        strip two lines out:  B3 F3
#   C2 D2 E2   ([3] [4] [5])                              B2 F2
#   C1 D1 E1   ([6] [7] [8])                              B1 F1

[k6-hokyo-peep-black]
# White C2 peeps at the second-line gap D2 of Black D3's jump to the edge.
# Roles of the peep on the left: F = E2, G2f = E1, C0 = C3, C1 = E3; C1 and
# F3 beyond it are empty, F1 (two lines out beside D1) is empty.  White's
# point: C2 has 4 liberties, so not the wedge at D2 itself; F1 has exactly
# three empty neighbours (E1, G1, F2), so White's point is F1.  Black, to
# play, takes the gap D2: value = Black's D2 + White's F1, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 D2 D3 F1 [D2=s:21]

[k6-hokyo-peep-white]
# As k6-hokyo-peep-black with White to play: White's own point F1 with the
# same value s (White F1 stands on the first line beside its escape, not a
# nearly dead stone: the candidate stays).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 D2 D3 F1 [F1=s:21]

[k6-hokyo-peep-from-edge]
# The relation of k6-hokyo-peep-black handed over from the end beyond the
# edge: the box is turned onto the stone, the same answer.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:from-edge D3 D2 D3 D2 D3 F1 [D2=s:21]

[k6-hokyo-peep-right-black]
# The peep from the right, White E2 (mirror of k6-hokyo-peep-black): F = C2,
# G2f = C1, C0 = E3, C1 = C3; White's point is B1 (three empty neighbours
# A1, C1, B2) two lines out beside D1 on the left.  Black D2, value s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 D2 D3 B1 [D2=s:21]

[k6-hokyo-peep-right-white]
# As k6-hokyo-peep-right-black, White to play: B1 with value s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 D2 D3 B1 [B1=s:21]

[k6-hokyo-peep-corner-point-black]
# Black G3's jump to the edge with White's peep at F2: F = H2, G2f = H1, and
# the point beyond G2f along the edge is the corner J1 with only two empty
# neighbours: White's point is G2f, H1.  Black G2, value = Black's G2 +
# White's H1, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei6Hokyo:lines G3 G2 G3 G2 G3 H1 [G2=s:21]

[k6-hokyo-peep-corner-point-white]
# As k6-hokyo-peep-corner-point-black, White to play: H1, value s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei6Hokyo:lines G3 G2 G3 G2 G3 H1 [H1=s:21]

[k6-hokyo-peep-short-black]
# The peeping stone C2 has only two liberties (C3, D2; Black B2 and C1
# hold the others): White's point is the wedge D2 itself.  Black D2, value
# = Black's D2 + White's D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . X O . . . . . .
  . . X . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 D2 D3 D2 [D2=s:21]

[k6-hokyo-peep-short-white]
# As k6-hokyo-peep-short-black, White to play: after White D2 and Black's
# block at E2 the two stones C2-D2 keep only C3 and D1, shut in by Black:
# nearly dead, so the attacking engine proposes nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . X O . . . . . .
  . . X . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-peep-corner-own-black]
# Black holds C3 (C0, the stone's corner on the peep's side) and the peep
# C2 has exactly three empty neighbours (B2, C1, D2): White's point is the
# wedge D2 after all, although F1 is open.  Black D2, value = Black's D2 +
# White's D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 D2 D3 D2 [D2=s:21]

[k6-hokyo-peep-c1-taken]
# White holds C1 = E3 as well (the stone's corner on the far side): the
# peep is no quiet shape, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-peep-beyond-c1]
# C1 = E3 empty but White stands on F3 two lines out beside the stone on the
# far side: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-peep-x-taken]
# F1, two lines out beside D1 on the far side, is not empty (White): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . O . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-peep-f-on-edge]
# Black B3's jump to the edge with White's peep at C2 (the right flank):
# its F is A2 on the first line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines B3 B2 [none]

[k6-hokyo-peep-f-inside-black]
# Black B3 with White's peep at A2 instead: F = C2 on the second line, G2f =
# C1, X = D1 with three empty neighbours: White's point D1.  Black B2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines B3 B2 B3 B2 B3 D1 [B2=s:21]

[k6-hokyo-gap-taken]
# White on the first-line gap D1: not the second pass's shape, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . . O . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-corner-c3]
# White B2 two lines out, but White also on C3 beside the stone: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-corner-c1]
# White B2 two lines out, and White on C1 beside the first-line gap:
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . O . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-corner-e1]
# White F2 two lines out on the right, and White on E1 beside the
# first-line gap: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . O . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-corner-e3]
# White B2 two lines out, and White on E3: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-quiet]
# Black D3 alone: no White stone in the box or two lines out, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-outside-wedge-black]
# White B2 two lines out beside the gap D2 on the left: K = C2, F = E2,
# G2f = E1, C0 = C3, C1 = E3.  E3 has three empty neighbours and D4 behind
# the stone is open: White's wedge at D2 with the cut at C3 (C3 is not
# caught in a ladder: three liberties).  White's line D2, Black E2, White
# C3, Black E3; Black's line the block at K, C2.  Value s times 3/2, held
# at 25: Black's block keeps the whole corner (s = 19, 28 above the cap).
# Black C2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 D2 E2 C3 E3 [C2=25:21]

[k6-hokyo-outside-wedge-white]
# As k6-hokyo-outside-wedge-black, White to play: the wedge D2 with the
# value s times 3/2 held at 25, and the prepared answer to Black's E2: the
# cut C3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 D2 E2 C3 E3 [D2=25:21 D2/E2/C3]

[k6-hokyo-outside-wedge-right-black]
# The mirror: White F2 on the right.  K = E2, F = C2, C0 = E3, C1 = C3.
# White D2, Black C2, White E3, Black C3; Black's block E2.  Black E2,
# s times 3/2 held at 25.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 E2 D3 D2 C2 E3 C3 [E2=25:21]

[k6-hokyo-outside-wedge-right-white]
# As k6-hokyo-outside-wedge-right-black, White to play: D2, prepared C2/E3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 E2 D3 D2 C2 E3 C3 [D2=25:21 D2/C2/E3]

[k6-hokyo-outside-wedge-ladder]
# As k6-hokyo-outside-wedge-black with Black on C4 and B3: White's cut at C3
# after D2, E2 has one liberty left and is caught: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X . X . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-outside-slide-black]
# White B2 two lines out; Black F3 leaves E3 (C1) only two empty
# neighbours, so no wedge: White's slide E1, Black E2, White D1, Black F1;
# F1 keeps two liberties (G1, F2), so White cuts at C2 as well.  Black's
# block at K = C2.  Value = Black's C2 + White's line, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 E1 E2 D1 F1 C2 [C2=s:21]

[k6-hokyo-outside-slide-white]
# As k6-hokyo-outside-slide-black, White to play: the slide E1 with the
# prepared answer to Black's E2, the hane D1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 E1 E2 D1 F1 C2 [E1=s:21 E1/E2/D1]

[k6-hokyo-outside-slide-cut-black]
# As k6-hokyo-outside-slide-black with Black D5 and White B4 further up:
# the same slide E1, Black E2, White D1, Black F1 (two liberties G1, F2),
# and White's cut at C2 at its end counts here.  Black C2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . . X . X . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 E1 E2 D1 F1 C2 [C2=s:21]

[k6-hokyo-outside-slide-cut-white]
# As k6-hokyo-outside-slide-cut-black, White to play: E1, prepared E2/D1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . . X . X . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 E1 E2 D1 F1 C2 [E1=s:21 E1/E2/D1]

[k6-hokyo-outside-slide-right-black]
# The mirror: White F2, Black B3 (C3 left two empty neighbours).  K = E2,
# F = C2, G2f = C1; White C1, Black C2, White D1, Black B1 (two liberties A1,
# B2), White E2.  Black E2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 E2 D3 C1 C2 D1 B1 E2 [E2=s:21]

[k6-hokyo-outside-slide-right-white]
# As k6-hokyo-outside-slide-right-black, White to play: C1, prepared C2/D1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 D3 E2 D3 C1 C2 D1 B1 E2 [C1=s:21 C1/C2/D1]

[k6-hokyo-outside-slide-short]
# As k6-hokyo-outside-slide-black with White G1: Black's F1 in the slide
# keeps one liberty (F2), so White does not go on to C2: White's line ends
# with F1.  Black C2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . O . . . . . . .
  . . . . . . O . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 E1 E2 D1 F1 [C2=s:21]

[k6-hokyo-outside-slide-x-taken]
# As k6-hokyo-outside-slide-black with White on F1 already: Black's F1 is
# refused, White's line ends with D1.  Black C2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . O . . . . . . .
  . . . . . O . . .
call Kankei6Hokyo:lines D3 D2 D3 C2 D3 E1 E2 D1 [C2=s:21]

[k6-hokyo-outside-c0-own]
# White B2 two lines out, Black already on C3 (C0): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-outside-g2f-own]
# White B2 two lines out, Black on E1 (G2f not empty): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . . . X . . . .
call Kankei6Hokyo:lines D3 D2 [none]

[k6-hokyo-outside-f-on-edge]
# Black B3 with White D2 two lines out on the right: F = A2 on the first
# line (and C1 = A3 has two empty neighbours, no wedge): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines B3 B2 [none]

# The middle of the board: Black's two-space jump C5-F5, box
#   C6 D6 E6 F6   ([0] [3] [6] [9])
#   C5 D5 E5 F5   ([1] [4] [7] [10])
#   C4 D4 E4 F4   ([2] [5] [8] [11])
# with one White stone on a corner beside an end stone and nothing between.

[k6-hokyo-corner-c6-black]
# White C6 beside C5: Ga = D5 (the gap beside C6's end stone), K = D6, Ao =
# D4, L = E6; D7 two lines out beside D5 is empty, so Black's point is the
# block K with the line D6, White D7, Black E6.  White's push D5 against
# Black's block D6: D6 keeps two liberties and escapes (no ladder), so
# White's point is its own block D6 with Black's D5.  Black D6, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 D6 D7 E6 C5 D6 D5 [D6=s:21]

[k6-hokyo-corner-c6-white]
# As k6-hokyo-corner-c6-black, White to play: White's block D6, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 D6 D7 E6 C5 D6 D5 [D6=s:21]

[k6-hokyo-corner-c4-black]
# White C4 below C5: K = D4, Ga = D5, L = E4, D3 empty.  Black's line D4,
# White D3, Black E4; White's D4, Black D5.  Black D4, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 D4 D3 E4 C5 D4 D5 [D4=s:21]

[k6-hokyo-corner-f6-black]
# White F6 beside the other end F5: Ga = E5, K = E6, L = D6, E7 empty.
# Black's line E6, White E7, Black D6; White's E6, Black E5.  Black E6, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 E6 E7 D6 C5 E6 E5 [E6=s:21]

[k6-hokyo-corner-f6-white]
# As k6-hokyo-corner-f6-black, White to play: E6, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 E6 E7 D6 C5 E6 E5 [E6=s:21]

[k6-hokyo-corner-f4-black]
# White F4 below F5: Ga = E5, K = E4, L = D4, E3 empty.  Black's line E4,
# White E3, Black D4; White's E4, Black E5.  Black E4, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 E4 E3 D4 C5 E4 E5 [E4=s:21]

[k6-hokyo-corner-beyond-white-black]
# White C6 and White D7 two lines out beside the gap D5: Black's point is
# the gap D5 itself (its value Black's D5).  White's push D5 against the
# block D6: D6 would stand in atari (E6 its last liberty) with White to
# move, so White's point is the push D5 itself, read on with Black's Ao =
# D4 and White's L = E6.  Black D5, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 D5 C5 D5 D4 E6 [D5=s:21]

[k6-hokyo-corner-beyond-white-white]
# As k6-hokyo-corner-beyond-white-black, White to play: the push D5, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 D5 C5 D5 D4 E6 [D5=s:21]

[k6-hokyo-corner-beyond-joined-black]
# As k6-hokyo-corner-beyond-white-black with Black on E6: the block D6
# joins E6 and has room, so White's point is its own block D6 with Black's
# D5.  Black still D5 (White holds D7), s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . X . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 D5 C5 D6 D5 [D5=s:21]

[k6-hokyo-corner-beyond-joined-white]
# As k6-hokyo-corner-beyond-joined-black, White to play: D6, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . X . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 C5 D5 C5 D6 D5 [D6=s:21]

[k6-hokyo-corner-beyond-black]
# White C6 with Black already on D7: the block is in place, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

[k6-hokyo-corner-two]
# White on C6 and F4, two corners: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

[k6-hokyo-flank]
# White on D4 beside the gap as well as on the corner C6 (only the first
# pass reads a stone beside a gap): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

[k6-hokyo-flank-d5]
# White on the corner C6 and on the gap D5: not the quiet shape, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

[k6-hokyo-flank-e5]
# White on the corner C6 and on the gap E5: not the quiet shape, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

[k6-hokyo-flank-d6]
# White on the corner C6 and on D6 beside the gap: not the quiet shape, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

[k6-hokyo-flank-e6]
# White on the corner C6 and on E6 beside the far gap: not the quiet shape, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

[k6-hokyo-flank-e4]
# White on the corner C6 and on E4 beside the far gap: not the quiet shape, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:lines C5 F5 [none]

# First-pass pattern routines of the two-space jump (reason 5), with their
# prepared answers: "call NAME:prep A B [lines]".

[k6-wedge-far-flank-black]
# Black's two-space jump C2-F2 along the second line, White's wedge D2 and
# White E3 beside the far gap E2 on the upper side: the free side is the
# edge side, and its flank of the wedge, D1, lies on the first line.  The
# far gap G = E2 does not fall to a ladder (E2-F2 has four liberties), and
# after White D1 and Black's block H = D3 neither D3 (it runs out at D4 or
# joins C2 at C3) nor C2 is caught.  Black's line: G = E2, White H = D3,
# Black F1 = D1; White's line: its first-line block D1.  Black E2, value s,
# with the prepared answer to White's D3: D1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X O . X . . .
  . . . . . . . . .
call Kankei6Warikomi:prep C2 F2 C2 E2 D3 D1 C2 D1 [E2=s:5 E2/D3/D1]

[k6-wedge-far-flank-white]
# As k6-wedge-far-flank-black, White to play: White's D1, value s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X O . X . . .
  . . . . . . . . .
call Kankei6Warikomi:prep C2 F2 C2 E2 D3 D1 C2 D1 [D1=s:5]

[k6-wedge-far-flank-along-black]
# The wedge on the other gap, E2, with White D3 beside D2: read from F2's
# end, G = D2, H = E3, F1 = E1.  Black's line D2, White E3, Black E1;
# White's E1.  Black D2, s, prepared D2/E3/E1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . O X . . .
  . . . . . . . . .
call Kankei6Warikomi:prep C2 F2 C2 D2 E3 E1 C2 E1 [D2=s:5 D2/E3/E1]

[k6-wedge-far-flank-along-white]
# As k6-wedge-far-flank-along-black, White to play: E1, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . O X . . .
  . . . . . . . . .
call Kankei6Warikomi:prep C2 F2 C2 D2 E3 E1 C2 E1 [E1=s:5]

[k6-wedge-far-flank-block-caught]
# As k6-wedge-far-flank-black with White D4 above D3: after White D1 Black's
# block at D3 has one liberty (C3) and is captured: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . X O . X . . .
  . . . . . . . . .
call Kankei6Warikomi:prep C2 F2 [none]

# Kankei6Kata: Black's jump C5-F5 with one White stone on a corner; the end
# stone beside it has more than three liberties, so the longer wedge
# sequence is read.

[k6-corner-long-black]
# White C6 on the corner beside C5; Black C4 gives C5-C4 five liberties.
# Roles: Ga = D5, Gb = E5, K = D6, Ao = D4, L = E6, Bo = E4.  D7, E7, F7
# (two lines out beside Ga, Gb and F5 on White's side) are empty.  White's
# line: Ga D5, Black Ao D4, White Bo E4, Black Gb E5, White K D6; E4 keeps
# two liberties (E3, F4).  Black E6 leaves K = D6 two empty neighbours, so
# Black's point is the gap D5 itself: value = Black's D5 + White's line, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . X . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 D5 C5 D5 D4 E4 E5 D6 [D5=s:5]

[k6-corner-long-white]
# As k6-corner-long-black, White to play: White's push D5, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . X . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 D5 C5 D5 D4 E4 E5 D6 [D5=s:5]

[k6-corner-long-turned-black]
# k6-corner-long-black turned half round: White F4 beside F5, Black F6 and
# D4.  Ga = E5, Gb = D5, K = E4, Ao = E6, Bo = D6; White's line E5, Black
# E6, White D6, Black D5, White E4 (D6 keeps C6 and D7).  Black E5, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . X . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 E5 C5 E5 E6 D6 D5 E4 [E5=s:5]

[k6-corner-long-turned-white]
# As k6-corner-long-turned-black, White to play: E5, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . X . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 E5 C5 E5 E6 D6 D5 E4 [E5=s:5]

# Kankei6EdgeWarikomi: White's wedge on the second-line gap of a third-line
# stone's jump to the edge (the edge box of D3 as above).

[k6-edge-wedge-open-right-black]
# White's wedge D2 with White F2 two lines out beside it on the right;
# Black holds E3 beside its stone, C2, E2 and B1..B3 are empty.  Black's
# block E2, White's hane E1, Black C2 and D1 (White's turn passed at the
# second): the wedge is taken.  White's point is C2 on the left.  Value =
# Black's line + White's C2, s; Black E2 with the prepared answer to E1: C2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . O . O . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 E1 C2 C2 D1 D3 C2 [E2=s:5 E2/E1/C2]

[k6-edge-wedge-open-right-white]
# As k6-edge-wedge-open-right-black, White to play: C2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . O . O . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 E1 C2 C2 D1 D3 C2 [C2=s:5]

[k6-edge-wedge-open-left-black]
# The mirror: Black C3, White B2.  Black C2, White C1, Black E2 and D1;
# White's E2.  Black C2, s, prepared C2/C1/E2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . O . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 C1 E2 E2 D1 D3 E2 [C2=s:5 C2/C1/E2]

[k6-edge-wedge-open-left-white]
# As k6-edge-wedge-open-left-black, White to play: E2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . O . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 C1 E2 E2 D1 D3 E2 [E2=s:5]

[k6-edge-wedge-own-flank-black]
# White's wedge D2 with White C3 on the stone's corner, Black already on C2
# below it: the point T is E2 on the other side (F = E3 on the third line).
# White's line E2; Black's line E2 (C2 keeps two liberties).  Both take E2,
# value s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . X O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 E2 [E2=s:5]

[k6-edge-wedge-own-flank-right-white]
# The mirror, White to play: White E3 and D2, Black E2; T = C2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . O X . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 D3 C2 [C2=s:5]

[k6-edge-wedge-own-flank-second-line]
# Black C3 with White's wedge C2 and White D3 on its corner, Black D2
# below it: T = B2, whose F = B3 lies on the second line: White's line B2
# with Black's answer B3; Black's line B2.  B2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . O X . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep C3 C2 C3 B2 C3 B2 B3 [B2=s:5]

[k6-edge-wedge-own-flank-caught]
# As k6-edge-wedge-own-flank-black with Black B4 and D4: White's corner
# stone C3 (liberties B3, C4) is caught (Black B3, and C4 is left with one
# liberty): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . O X . . . . .
  . . X O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 [none]

[k6-edge-wedge-side-refused-black]
# White's wedge D2 and White C2 beside it: N = E2, W = E3.  After Black's E2
# White cannot play E3 (Black F3 and E4 surround it): Black's point is N =
# E2 with its value.  E3 has no room, so White's point is E2 too (E2 is no
# 2-2 point): s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . X . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 E2 [E2=s:5]

[k6-edge-wedge-side-refused-white]
# As k6-edge-wedge-side-refused-black, White to play: E2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . X . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 E2 [E2=s:5]

[k6-edge-wedge-side-refused-corner]
# Black C3 with White's wedge C2 and White D2 beside it: N = B2, W = B3,
# which Black A3 and B4 make a point White cannot play.  Black's B2;
# White's B2 is the 2-2 point, read with Black's answer at B3: s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  X . X . . . . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep C3 C2 C3 B2 C3 B2 B3 [B2=s:5]

# Kankei6EdgeUtu, the whole handler: White beside the first-line gap only.

[k6-edge-far-peep-black]
# White C1 beside the first-line gap D1, Black E3 beside the stone: the
# point on the other side, E2, has three empty neighbours and Black E3 as
# its fourth.  Black's gap D2 against White's E1 on the first line: value =
# Black's D2 + White's E1, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . O . . . . . .
call Kankei6EdgeUtu:lines D3 D2 D3 D2 D3 E1 [D2=s:5]

[k6-edge-far-peep-white]
# As k6-edge-far-peep-black, White to play: E1, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . O . . . . . .
call Kankei6EdgeUtu:lines D3 D2 D3 D2 D3 E1 [E1=s:5]

[k6-edge-far-peep-left-black]
# The mirror: White E1, Black C3; C2 with three empty neighbours and Black
# C3.  Black D2 against White's C1: s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . O . . . .
call Kankei6EdgeUtu:lines D3 D2 D3 D2 D3 C1 [D2=s:5]

[k6-edge-far-peep-left-white]
# As k6-edge-far-peep-left-black, White to play: C1, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . O . . . .
call Kankei6EdgeUtu:lines D3 D2 D3 D2 D3 C1 [C1=s:5]

[k6-edge-far-peep-side-taken]
# White C1, Black already on E2 (the point on the other side): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . O . . . . . .
call Kankei6EdgeUtu:lines D3 D2 [none]

[k6-edge-far-peep-side-white]
# White C1 and White F2 beside E2: E2 keeps three empty neighbours but none
# of Black's: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . O . . . . . .
call Kankei6EdgeUtu:lines D3 D2 [none]

# Kankei6Soto on Black's jump C5-F5 (strip two lines out: D7 and D3 beside
# D5, E7 and E3 beside E5).

[k6-outside-both-sides-black]
# White on D7 and D3, two lines out on both sides of the gap D5: the gap is
# worth both sides' play there (Black's D5 + White's D5, s).  Black answers
# on the gap's flanks, D6 and D4, each with that value.
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
call Kankei6Soto C5 F5 C5 D5 C5 D5 [D6=s:5 D4=s:5]

[k6-outside-both-sides-white]
# As k6-outside-both-sides-black, White to play: the gap D5 itself, s.
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
call Kankei6Soto C5 F5 C5 D5 C5 D5 [D5=s:5]

[k6-outside-both-sides-far-black]
# White on E7 and E3 beside the far gap E5: Black E6 and E4, s each.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E5 C5 E5 [E6=s:5 E4=s:5]

[k6-outside-first-line]
# Black's jump C3-F3 on the third line with White D1 two lines out beside
# the gap D3, on the first line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
call Kankei6Soto C3 F3 [none]

[k6-corner-long-wedge-short]
# As k6-corner-long-black with Black F4 as well: at the end of White's line
# (D5, Black D4, White E4, Black E5, White D6) the wedge E4 is left with the
# one liberty E3: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . X . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 [none]

# Kankei6EdgeNozoki, the general reading: White peeps beside the gap of a
# third-line stone's jump to the edge, with Black's stones beside the
# stone on the peep's side, so the direct reading of the cut does not apply.

[k6-edge-peep-x2-black]
# Black D3 with C3 and B3, White's peep C2.  After Black's connection D2
# the peep keeps two liberties (B2, C1), and B2 (X2) has two empty
# neighbours (A2, B1): White's answer is X2 = B2, and the point beyond it,
# A2, is on the first line, so no third move: a = Black's evaluation after
# D2 and White's B2 (not above 5, no extra).  White's line: the push D2;
# Black's cut at E2 does not catch White's E3 (two liberties, it runs out),
# so b = White's evaluation after D2 alone.  Black's extension at B2 is
# worth less than twice the value, no bonus changes it: Black D2, a + b, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 B2 D3 D2 [D2=s:5]

[k6-edge-peep-x2-white]
# As k6-edge-peep-x2-black, White to play: the push D2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 B2 D3 D2 [D2=s:5]

[k6-edge-peep-x3-white]
# Black E3 with D3 and C3, White's peep D2, White to play.  After Black's E2
# the peep keeps C2 and D1, C2 (X2) has two empty neighbours.  White's C2
# is answered by Black's B2 beyond it (on the second line, next to White's
# C2 alone): a = Black's evaluation after E2, White C2, Black B2.  White's
# push E2 with Black's cut F2: White's F3 escapes, b = White's E2 alone.
# White E2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 C2 B2 E3 E2 [E2=s:5]

[k6-edge-peep-x3-black]
# As k6-edge-peep-x3-white, Black to play: Black's line ends behind (its
# evaluation after E2, C2, B2 is below 0), so the engine as owner adds
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 [none]

[k6-edge-peep-x3-right-white]
# The mirror of k6-edge-peep-x3-white: Black E3 with F3 and G3, White's peep
# F2; White's G2 answered by Black's H2.  White E2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 G2 H2 E3 E2 [E2=s:5]

# Kankei6Kata with the end stone short of liberties (three): the push is
# read here.

[k6-corner-push-fails-black]
# White C6 on the corner beside C5 (C5 keeps B5, C4, D5).  White's push D5,
# Black's block D6 escapes the ladder, White L = E6 has three liberties,
# Black closes at D7 (Y, C6 keeps two liberties), White's far gap E5: the
# White stones D5, E5, E6 make no eye shape.  The push does not work:
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 [none]

[k6-corner-push-fails-white]
# As k6-corner-push-fails-black, White to play: nothing either.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 [none]

[k6-corner-z-own]
# White C6 with Black already on C7, two lines out beside C5 on White's
# side: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 [none]

# Kankei6EdgeNozoki with Black's stone two points out on the peep's side.

[k6-edge-peep-own-beyond-black]
# White's peep C2 at Black D3's jump, C3 empty and Black already on B2 (X2)
# beyond the peep, B3 empty: the gap D2 is valued plainly: Black's D2, and
# White's push D2 answered by Black's cut at E2.  Both sides D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . X O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 [D2=s:5]

[k6-edge-peep-own-beyond-white]
# As k6-edge-peep-own-beyond-black, White to play: D2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . X O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 [D2=s:5]

[k6-edge-peep-own-beyond-right-black]
# The mirror: White's peep E2, Black F2; White's push D2 and Black's cut C2.
# D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O X . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 C2 [D2=s:5]

[k6-edge-peep-own-beyond-right-white]
# As k6-edge-peep-own-beyond-right-black, White to play: D2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O X . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 C2 [D2=s:5]

[k6-edge-peep-own-beyond-caught-black]
# As k6-edge-peep-own-beyond-black with White B3 as well: Black's B2 (two
# liberties, A2 and B1, along the edge) is caught in a ladder.  Black's D2
# against White's cut point E2, which has four empty neighbours: Black D2,
# value = Black's D2 + White's E2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . X O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 E2 [D2=s:5]

[k6-edge-peep-own-beyond-caught-white]
# As k6-edge-peep-own-beyond-caught-black, White to play: E2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . X O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 E2 [E2=s:5]

# Kankei6EdgeWarikomi with White's wedge D2 and White C3 on the stone's
# corner (C2 below it empty): N = E2, W = E3, M = C2.

[k6-edge-wedge-corner-block-black]
# Black F3 leaves White's W = E3 one liberty after Black's E2, so Black's
# block at N stays.  White's wedge D2 (C2, D1) is then caught (Black C2,
# White D1, Black C1 leaves it one liberty), so Black reads on: Black E2,
# C2 (White passed), White's M2 B2, Black's D1.  White's answer point is N
# itself (Black holds F3 beside W): value = Black's line + White's E2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . X . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 E2 C2 B2 D1 D3 E2 [E2=s:5]

[k6-edge-wedge-corner-block-white]
# As k6-edge-wedge-corner-block-black, White to play: White's E2 against
# Black's E2 alone, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . X . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 E2 [E2=s:5]

[k6-edge-wedge-corner-block-left-black]
# The mirror: White E3, Black B3.  N = C2, M = E2, M2 = F2.  Black C2, E2,
# White F2, Black D1; White's C2.  C2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 C2 E2 F2 D1 D3 C2 [C2=s:5]

[k6-edge-wedge-corner-block-left-white]
# As k6-edge-wedge-corner-block-left-black, White to play: C2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 C2 D3 C2 [C2=s:5]

[k6-edge-wedge-corner-block-m2-taken]
# As k6-edge-wedge-corner-block-black with Black on B2 as well: White cannot
# play M2, so Black's line ends with E2 and C2.  E2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . X . . .
  . X . O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 E2 C2 D3 E2 [E2=s:5]

[k6-corner-push-works-black]
# As k6-corner-push-fails-black with White F7 out beyond the far end: now
# White's wedge D5, E5, E6 after the sequence reaches F7 and has eye
# space: the push works.  Black's answer: K = D6 has three empty neighbours
# but C6 keeps three liberties (B6, C7, D6) and C4 is not Black's, so the
# gap D5 itself.  Value = Black's D5 + White's D5 alone, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 D5 C5 D5 [D5=s:5]

[k6-corner-push-works-white]
# As k6-corner-push-works-black, White to play: the push D5, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 D5 C5 D5 [D5=s:5]

[k6-corner-push-works-short-corner]
# As k6-corner-push-works-black with Black B6: the corner stone C6 has two
# liberties, so Black blocks at K = D6 (three empty neighbours).  Value =
# Black's D6 + White's D5, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . X O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 D6 C5 D5 [D6=s:5]

[k6-corner-push-works-z-own]
# As k6-corner-push-works-black with Black on C7 beside the corner stone
# (two lines out beside C5 on White's side): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 [none]

[k6-corner-push-works-turned]
# k6-corner-push-works-black turned half round: White F4 and C3.  Ga = E5:
# E5, value = Black's E5 + White's E5, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 E5 C5 E5 [E5=s:5]

# The corner patterns of the jump to the edge (their own entries; the
# handler runs them after the contact reading under reason 29).

[k6-edge-sansan-roomy]
# Black C3 on the 3-3 point with White D3 beside it, the rest of the corner
# open: Black's corner already has eye space enough (eye value 4 or more):
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanKata:prep C3 C2 [none]

[k6-edge-sansan-black]
# As k6-edge-sansan-roomy with White C6 above, cutting down Black's eye
# space.  E2, B2, B3 and B4 (behind B3, all four neighbours empty) are free.
# Black owns the relation: the hane D2 and the extension B4, each 25, with
# B4's prepared answers to B5 and to C2: B2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanKata:prep C3 C2 [D2=25:5 B4=25:5 B4/B5/B2 B4/C2/B2]

[k6-edge-sansan-white]
# As k6-edge-sansan-black, White to play: the push C2 at 25, prepared
# against Black's B2: D2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanKata:prep C3 C2 [C2=25:5 C2/B2/D2]

[k6-edge-sansan-right-black]
# Black G3 on the other 3-3 point with White F3 and G6: the hane F2 and the
# extension H4, prepared H4/H5/H2 and H4/G2/H2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanKata:prep G3 G2 [F2=25:5 H4=25:5 H4/H5/H2 H4/G2/H2]

[k6-edge-sansan-right-white]
# As k6-edge-sansan-right-black, White to play: G2, prepared G2/H2/F2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanKata:prep G3 G2 [G2=25:5 G2/H2/F2]

[k6-edge-sansan-second-line]
# Black C3 with White C6 and White B3 beside it on the second line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanKata:prep C3 C2 [none]

[k6-edge-sansan-e2-taken]
# As k6-edge-sansan-black with Black E2 already there: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . X . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanKata:prep C3 C2 [none]

[k6-edge-sansan-invasion-black]
# Black E3 with White D3 beside it and Black F4 behind F3: the 3-3 point G3
# beyond F3 is open (seven of its eight surrounding points empty).  Black
# answers at the gap E2, 25.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanUtikomi:prep E3 E2 [E2=25:5]

[k6-edge-sansan-invasion-white]
# As k6-edge-sansan-invasion-black, White to play: the invasion G3, 25.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanUtikomi:prep E3 E2 [G3=25:5]

[k6-edge-sansan-invasion-no-backing]
# As k6-edge-sansan-invasion-black without Black F4: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeSanSanUtikomi:prep E3 E2 [none]

[k6-edge-peep-lone-black]
# White's lone peep C2 at Black D3's jump to the edge; White's nearest
# friend A4 stands two points off diagonally, no closer relation, so the
# general reading runs.  Black's connection D2 leaves the peep three
# liberties; then C3 (Y) has five empty points around it and B2 (X2) three
# empty neighbours: Black's point is C3.  White's push D2 with Black's cut
# E2: White's E3 runs out (two liberties, no ladder), so White's value is
# the push alone.  Value = Black's D2 + White's D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [C3=s:5]

[k6-edge-peep-lone-white]
# As k6-edge-peep-lone-black, White to play: the push D2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6-edge-peep-lone-right-black]
# The mirror: White's peep E2 with G4; Black's point E3, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [E3=s:5]

[k6-edge-peep-lone-right-white]
# As k6-edge-peep-lone-right-black, White to play: D2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

# The link marks the readings leave ("P:1" on the first mark board, "P:2"
# on the second).

[k6-marks-corner]
# The second pass's corner reading of k6-hokyo-corner-c6-black adds its
# candidate and marks the six points beside and on the gaps.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:marks C5 F5 [D6:1 D5:1 D4:1 E6:1 E5:1 E4:1]

[k6-marks-corner-none]
# Black already on D7 (k6-hokyo-corner-beyond-black): no candidate, no mark.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:marks C5 F5 [none]

[k6-marks-edge-none]
# The second pass at the edge marks nothing (k6-hokyo-peep-black).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6Hokyo:marks D3 D2 [none]

[k6-marks-peep]
# White's peep D6 beside the gap D5 of Black's jump C5-F5, nothing of
# Black's two lines out beyond the flanks: both gap points are marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki:marks C5 F5 [D5:1 E5:1]

[k6-marks-peep-own-beyond]
# As k6-marks-peep with Black D3 two lines out beyond the flank D4: the
# reading stops before marking.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki:marks C5 F5 [none]

[k6-marks-edge-peep]
# The general reading of k6-edge-peep-lone-black marks the gap D2 on the
# second board.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:marks D3 D2 [D2:2]

[k6-corner-push-works-l-two-liberties]
# As k6-corner-push-works-black with Black F6 and White G7: White's L = E6
# in the push keeps two liberties (E7, E5), enough to go on, and the wedge
# reaches F7-G7 for its eyes.  Black D5, value = Black's D5 + White's D5, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O O . .
  . . O . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 D5 C5 D5 [D5=s:5]

[k6-corner-push-works-l-two-liberties-white]
# As k6-corner-push-works-l-two-liberties, White to play: D5, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O O . .
  . . O . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Kata:prep C5 F5 C5 D5 C5 D5 [D5=s:5]

[k6-edge-wedge-own-flank-stone-short-black]
# As k6-edge-wedge-own-flank-black with White D4 above the stone: after
# White's E2 the stone D3 keeps only E3, so White's line goes on with
# Black's E3 (the stone saving itself).  Black's line E2.  E2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . X O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 E2 E3 [E2=s:5]

[k6-edge-wedge-own-flank-stone-short-white]
# As k6-edge-wedge-own-flank-stone-short-black, White to play: E2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . X O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 E2 D3 E2 E3 [E2=s:5]

[k6-edge-contact-short]
# White's contact stone C3 beside Black D3 with one liberty left (Black C4
# and C2 around it): not the contact shape the reading is for, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X . . . . .
  . . X . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 [none]

[k6-edge-contact-k2-own]
# White's contact C3 with Black's stone B2 two points from the gap on
# White's side, holding two liberties (B3, C2; White A2 and B1 take the
# others): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  O X . . . . . . .
  . O . . . . . . .
call Kankei6EdgeKata:lines D3 D2 [none]

[k6-edge-wedge-lone-stone-black]
# White's wedge D2 with White C2 beside it; Black's D3 alone, none of
# Black's stones around it or beside F3.  Black's E2 would not catch White's
# E3 (two liberties, it runs out), so Black's answer is the extension to
# F3 two lines out.  White's E3 has three empty neighbours: White's point.
# Value = Black's F3 + White's E3, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 F3 D3 E3 [F3=s:5]

[k6-edge-wedge-lone-stone-white]
# As k6-edge-wedge-lone-stone-black, White to play: E3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 F3 D3 E3 [E3=s:5]

[k6-edge-wedge-lone-stone-left-black]
# The mirror: White D2 and E2; Black B3 against White's C3, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O O . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 B3 D3 C3 [B3=s:5]

[k6-edge-wedge-lone-stone-left-white]
# As k6-edge-wedge-lone-stone-left-black, White to play: C3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O O . . . .
  . . . . . . . . .
call Kankei6EdgeWarikomi:prep D3 D2 D3 B3 D3 C3 [C3=s:5]

# White on the first-line gap of a jump to the edge: Black E7 near the top
# edge, its jump to the edge through E8 and E9, White's E9 belongs to a living
# group along the edge (D9-F9, B9, A8, A7, B7, H9, J8, J7, H7).  Each side of
# the far gap is read alone.

[k6-edge-far-gap-one-side-black]
# Black C7 two lines out beside the stone on the left, the left column C8,
# C9 and D8 empty: Black's block D8 against White's C9 on the first line,
# value = Black's D8 + White's C9, s.  On the right White's G9 two lines out
# beside the far gap: that side gives nothing.
black to play
  . O . O O O O O .
  O . . . . . . . O
  O O X . X . . O O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeUtu:lines E7 E8 E7 D8 E7 C9 [D8=s:5]

[k6-edge-far-gap-one-side-white]
# As k6-edge-far-gap-one-side-black, White to play: C9, s.
white to play
  . O . O O O O O .
  O . . . . . . . O
  O O X . X . . O O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeUtu:lines E7 E8 E7 D8 E7 C9 [C9=s:5]

# Kankei6EdgeKata, both the stone and the contact stone with two liberties:
# Black D3 with White C3 beside it, White D4 on top of the stone and Black
# C4 on top of C3 (the two-liberty reading along the second line).

[k6-edge-contact-two-liberties-black]
# The stone keeps D2 and E3, White's C3 keeps B3 and C2.  White's move: E3
# beside the stone (no self-atari), Black's connection D2, White's E2.
# Black's move: B3 beyond the contact stone, White's C2, Black's B2 (White
# has nothing at B4).  Black B3, value = Black's line + White's line, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 B3 C2 B2 D3 E3 D2 E2 [B3=s:5]

[k6-edge-contact-two-liberties-white]
# As k6-edge-contact-two-liberties-black, White to play: E3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 B3 C2 B2 D3 E3 D2 E2 [E3=s:5]

[k6-edge-contact-two-liberties-right-black]
# The mirror: White E3 and D4, Black E4.  Black F3, White E2, Black F2;
# White C3, Black D2, White C2.  Black F3, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 F3 E2 F2 D3 C3 D2 C2 [F3=s:5]

[k6-edge-contact-two-liberties-right-white]
# As k6-edge-contact-two-liberties-right-black, White to play: C3, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeKata:lines D3 D2 D3 F3 E2 F2 D3 C3 D2 C2 [C3=s:5]

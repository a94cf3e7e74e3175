# Two-space jumps (and a few one-space wedges): rows that pin single cells,
# bounds and constants of the pattern routines, each beside the row that
# differs from it by one stone.  "call NAME A B ..." as in links-twospace.tst;
# ":pin-bonus" adds each candidate's bonus ("POINT+bonus";
# tests/engine/links/K6PinRoutines.cpp).

[k6pin-edge-peep-own-beyond-bonus-black]
# White's peep C2 at Black D3's jump to the edge, C3 empty and Black already
# on B2 beyond the peep, B3 empty: the gap D2 is valued plainly, Black's D2
# and White's push D2 answered by Black's cut E2, s, and this plain value
# carries no bonus (only the general reading's extension gives one).
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
call Kankei6EdgeNozoki:pin-bonus D3 D2 D3 D2 D3 D2 E2 [D2=s:5 D2+0]

[k6pin-edge-peep-own-beyond-bonus-right-white]
# The mirror (White's peep E2, Black F2), White to play: White's push D2
# and Black's cut C2; D2, s, no bonus.
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
call Kankei6EdgeNozoki:pin-bonus D3 D2 D3 D2 D3 D2 C2 [D2=s:5 D2+0]

[k6pin-wedge-outside-pressed-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is P = D4; the corner Y = C4 is empty with White B4 behind
# it, and White also holds PP = D3 below P: the press.  Black blocks at D4,
# White takes the corner C4, Black answers at Z = E4 (beyond D4 seen from
# C4): h0; White's corner C4 alone: h1.  Black's point D4, h0 + h1 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 E4 C5 C4 [D4=s:5]

[k6pin-wedge-outside-pressed-white]
# As k6pin-wedge-outside-pressed-black, White to play: White's point is the
# corner C4, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 E4 C5 C4 [C4=s:5]

[k6pin-edge-peep-cut-point-hemmed-white]
# Black D3's jump to the edge; White peeps at C2 with B2 beside it (a chain
# of two, six liberties).  The cut point N = E2 has only two empty
# neighbours (D2 and E3: Black E1 under it, White F2 beside it), so the
# direct reading of the cut is not used: the general reading.  Black's D2
# leaves White's chain far from two liberties: a = Black's D2 alone.
# White's push D2 and Black's cut E2; White's E3 then has E4 and F3 and runs
# out to F2, no ladder, so b = White's D2 alone.  D2 for both, a + b = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O O . . O . . .
  . . . . X . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6pin-edge-peep-cut-point-hemmed-black]
# As k6pin-edge-peep-cut-point-hemmed-white, Black to play: D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O O . . O . . .
  . . . . X . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6pin-edge-peep-cut-point-open-white]
# As k6pin-edge-peep-cut-point-hemmed-white without Black E1: E2 has three
# empty neighbours and the peep is a chain of two, so the cut is read
# directly and White's point is the cut E2 itself.  a = Black's D2 = 0,
# b = White's E2, Black D2, White D1 = -4 (no ladder on White's B2-C2 or
# E2-F2): v = -4, halved for Black's one stone (-2) and divided by 3 for
# the negative part: 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O O . . O . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 [E2=0:5]

[k6pin-edge-peep-cut-point-hemmed-mirror-white]
# The mirror of k6pin-edge-peep-cut-point-hemmed-white: White's peep E2
# with F2, the cut point C2 hemmed by Black C1 and White B2.  D2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . O O . . .
  . . X . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6pin-edge-peep-cut-point-hemmed-mirror-black]
# As k6pin-edge-peep-cut-point-hemmed-mirror-white, Black to play: D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . O O . . .
  . . X . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6pin-edge-peep-cut-point-open-mirror-white]
# As k6pin-edge-peep-cut-point-hemmed-mirror-white without Black C1: the
# direct reading, White's point the cut C2, value 0 (as in
# k6pin-edge-peep-cut-point-open-white).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . O O . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 [C2=0:5]

[k6pin-edge-peep-stone-laddered-white]
# As k6pin-edge-peep-cut-point-hemmed-white (the cut point E2 hemmed, so the
# general reading) with White D4 behind Black's D3 and Black F4 away to the
# right.  Black's line: D2 alone, a.  White's line: the push D2 and Black's
# cut E2 leave Black's D3 with two liberties (C3, E3), and the ladder
# catches it from E3 (Black runs to C3 and up the left side into White's
# B2-C2 and D4): White plays that first ladder move, b = White's D2, Black's
# E2, White's E3.  D2 for both, a + b = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . X . . . . .
  . O O . . O . . .
  . . . . X . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 E3 [D2=s:5]

[k6pin-edge-peep-stone-laddered-black]
# As k6pin-edge-peep-stone-laddered-white, Black to play: D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . X . . . . .
  . O O . . O . . .
  . . . . X . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 E3 [D2=s:5]

[k6pin-edge-peep-stone-laddered-mirror-white]
# The mirror of k6pin-edge-peep-stone-laddered-white: White's peep E2 with
# F2, the cut point C2 hemmed by Black C1 and White B2, White D4, Black B4;
# the ladder on D3 starts at C3.  D2, a + b with b = White's D2, Black's C2,
# White's C3: s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . X . . . . .
  . O . . O O . . .
  . . X . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 C2 C3 [D2=s:5]

[k6pin-edge-peep-stone-laddered-mirror-black]
# As k6pin-edge-peep-stone-laddered-mirror-white, Black to play: D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . X . . . . .
  . O . . O O . . .
  . . X . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 C2 C3 [D2=s:5]

[k6pin-edge-peep-corner-x2-two-empty-white]
# Black C3's jump to the edge with Black B3 (Y) beside it; White's peep B2
# with three liberties.  X2 = A2, beyond the peep, is empty with exactly two
# empty neighbours (A1, A3) and no Black one: with Black on Y that already
# sends the shape to the general reading.  Black's C2 leaves the peep two
# liberties and A2 two empty neighbours: the extension reading.  White's A2
# then has three liberties and the point beyond it is off the board, so no
# third move: a = Black's C2, White's A2 (not above 5).  White's push C2 and
# Black's cut D2: White's D3 runs out (no ladder), b = White's C2 alone.
# C2 for both, s; Black's own extension at A2 is worth no more than twice
# that, so no bonus.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pin-bonus C3 C2 C3 C2 A2 C3 C2 [C2=s:5 C2+0]

[k6pin-edge-peep-corner-x2-two-empty-black]
# As k6pin-edge-peep-corner-x2-two-empty-white, Black to play: C2, s, no
# bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pin-bonus C3 C2 C3 C2 A2 C3 C2 [C2=s:5 C2+0]

[k6pin-edge-peep-corner-x2-one-empty-white]
# As k6pin-edge-peep-corner-x2-two-empty-white with White A3: A2 now has a
# single empty neighbour and the cut point D2 is open, so the cut is read
# directly and White's point is the cut D2.  a = Black's C2 = h0; b = the
# better of White's cut D2, Black C2, White C1 (h1) and White's approach E1
# on the first line beside the far gap (h3, E1 has three empty neighbours).
# Here h0 = -2 and h3 = 74 > h1: v = 72, two thirds for Black's two stones
# (48), a third for the negative part: 16.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O X X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C3 C2 C3 C2 C3 D2 C2 C1 C3 C3 E1 [D2=16:5]

[k6pin-edge-peep-corner-x2-own-beside-white]
# Black C3's jump to the edge with Black B3 (Y) and A3; White's peep B2.
# X2 = A2 has one empty neighbour (A1) and one Black one (A3): with Black
# on Y that sends the shape to the general reading.  Black's C2 leaves the
# peep two liberties but A2 has a single empty neighbour, so no extension
# reading: a = Black's C2 alone (h0).  White's push C2 and Black's cut D2:
# White's D3 runs out (no ladder), b = White's C2 alone (h1).  White's C2,
# s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C3 C2 C3 C2 C3 C2 [C2=s:5]

[k6pin-edge-peep-corner-x2-own-beside-black]
# As k6pin-edge-peep-corner-x2-own-beside-white, Black to play: Black's own
# part a (its C2) is below 0, so the owner adds nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C3 C2 C3 C2 C3 C2 [none]

[k6pin-edge-peep-stone-in-ladder-white]
# Black D3's jump to the edge; White's peep C2 with C3 above it and White D4
# behind Black's stone: D3 has two liberties (D2, E3) and White's E3 catches
# it in a ladder (Black D2 is then in atari along the edge).  A stone that a
# ladder catches is not defended by the jump: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 [none]

[k6pin-edge-peep-stone-in-ladder-black]
# As k6pin-edge-peep-stone-in-ladder-white, Black to play: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 [none]

[k6pin-edge-peep-stone-in-ladder-mirror-white]
# The mirror of k6pin-edge-peep-stone-in-ladder-white (White's peep E2 with
# E3, White D4; the ladder starts at C3): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 [none]

[k6pin-edge-peep-stone-free-white]
# As k6pin-edge-peep-stone-in-ladder-white without White D4: no ladder, and
# the cut at E2 is read directly (E2 open, the peep C2-C3 a chain of two).
# a = Black's D2 (h0 = -3).  b = the best of White's cut E2, Black D2, White
# D1 (h1 = 50; the cut stone E2 has three liberties, no ladder), White's
# first-line approach F1 beside the far gap (h3 = 34; F1 has three empty
# neighbours) and, since White holds Y = C3 and Black's D3 stands alone,
# White's D4 behind the stone (h5 = 41; D4 has three empty neighbours): 50,
# White's point stays the cut E2.  v = 47, halved for Black's one stone
# (23), a third for the negative part: 7.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 E2 D2 D1 D3 D3 F1 D3 D3 D4 [E2=7:5]

[k6pin-edge-peep-stone-free-black]
# As k6pin-edge-peep-stone-free-white, Black to play: 7 (below 8, no
# extra 4), at the gap D2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 E2 D2 D1 D3 D3 F1 D3 D3 D4 [D2=7:5]

[k6pin-edge-peep-own-beyond-free-black]
# White's peep C2 at Black D3's jump to the edge, C3 empty, Black B2 beyond
# the peep with White B3 above it, but Black B2-B1 has three liberties: no
# ladder catches it, so the gap D2 gets its plain worth for the side to
# play: Black's D2 (h0) plus White's D2 (h1) when that is not below 0: s.
# (With the pair caught, as in k6-edge-peep-own-beyond-caught-white, White's
# point would be the cut E2.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . X O . . . . . .
  . X . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6pin-edge-peep-own-beyond-free-white]
# As k6pin-edge-peep-own-beyond-free-black, White to play: White's D2 (h1)
# plus Black's D2 when not below 0; Black's D2 is below 0 here, so the value
# is h1 alone, at D2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . X O . . . . . .
  . X . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D3 D2 [D2=h1:5]

[k6pin-edge-peep-own-beyond-free-mirror-white]
# The mirror: White's peep E2, Black F2-F1 beyond it with White F3 above,
# not caught.  Both parts are at least 0 here: D2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . O X . . .
  . . . . . X . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6pin-edge-peep-own-beyond-free-mirror-black]
# As k6pin-edge-peep-own-beyond-free-mirror-white, Black to play: D2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . O X . . .
  . . . . . X . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[k6pin-edge-peep-two-two-white]
# Black B3's jump to the bottom edge: the near gap B2 is the 2-2 point.
# White's lone peep A2 (no other White stone near) sends the shape to the
# general reading.  Black's connection B2 leaves the peep its two liberties
# A1 and A3, and X2 lies off the board, so Black's line at the 2-2 point is
# the connection answered by White's B1 on the first line: a = Black's B2,
# White's B1 (h0).  White's push B2 and Black's cut C2: White's C3 runs out,
# b = White's B2 alone (h1).  B2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki B3 B2 B3 B2 B1 B3 B2 [B2=s:5]

[k6pin-edge-peep-two-two-black]
# As k6pin-edge-peep-two-two-white, Black to play: B2, s.
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
call Kankei6EdgeNozoki B3 B2 B3 B2 B1 B3 B2 [B2=s:5]

[k6pin-edge-peep-two-two-right-white]
# The same at the right corner: Black H3, White's peep J2; Black's H2
# answered by White's H1.  H2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . O
  . . . . . . . . .
call Kankei6EdgeNozoki H3 H2 H3 H2 H1 H3 H2 [H2=s:5]

[k6pin-edge-peep-cut-point-on-side-edge-white]
# Black B3's jump to the bottom edge with White's peep C2-D2 (a chain of
# two) on the right: the cut point N = A2 is on the first line of the left
# edge, so the cut is not read directly; the general reading hands it to the
# side-edge reading: Black's B2 (h0) plus White's B2 (h1), s (not 12, so no
# change).  B2 for both.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki B3 B2 B3 B2 B3 B2 [B2=s:5]

[k6pin-edge-peep-cut-point-on-side-edge-black]
# As k6pin-edge-peep-cut-point-on-side-edge-white, Black to play: B2, s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki B3 B2 B3 B2 B3 B2 [B2=s:5]

[k6pin-edge-peep-cut-point-on-side-edge-right-white]
# The same at the right corner: Black H3, White G2-F2, the cut point J2 on
# the right edge.  H2, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . O O . .
  . . . . . . . . .
call Kankei6EdgeNozoki H3 H2 H3 H2 H3 H2 [H2=s:5]

[k6pin-approach-own-corner-near-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap
# D5 (backed by C8-D8-E8), as in two-space-approach-black, but Black holds
# C6, C5's corner on White's side (R1): the approach has nothing to push
# against; nothing.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-own-corner-near-white]
# As k6pin-approach-own-corner-near-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-own-corner-far-black]
# As two-space-approach-black with Black F6, F5's corner on White's side
# (R2): nothing.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-own-corner-far-white]
# As k6pin-approach-own-corner-far-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-own-beyond-far-gap-black]
# As two-space-approach-black with Black E7, two lines out beside the far
# gap E5 on White's side (P, beyond E6 seen from E5): nothing.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-own-beyond-far-gap-white]
# As k6pin-approach-own-beyond-far-gap-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-dead-stone-black]
# Black's jump C5-F5 with White's lone D7 two lines out beside the gap D5,
# hemmed in by Black C7, D8 and E8 (two liberties, nearly dead): a dead
# approach stone threatens nothing, so nothing (Black's C7 beside it is
# never read).
black to play
  . . . . . . . . .
  . . . X X . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-first-line-jump-white]
# Black's two-space jump C1-F1 along the first line with White D3 (backed
# by C4-D4-E4) two lines out beside the gap D1: the gap itself is on the
# first line, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
call Kankei6Soto C1 F1 [none]

[k6pin-approach-along-own-corner-near-black]
# The approach beside the far gap: White E7 (backed by D8-E8-F8) two lines
# out beside E5; the end next to it is F5, whose corner on White's side is
# F6 (R1), held by Black: nothing.
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . O . . . .
  . . . . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-along-own-corner-far-black]
# As k6pin-approach-along-own-corner-near-black with Black C6 instead, the
# other end's corner on White's side (R2): nothing.
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . O . . . .
  . . X . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-approach-cut-three-liberties-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (linked diagonally to White's E8-F8-G8-G7) and Black's C7 two lines out
# beside C5 on the same side: the cut.  White's D7 has three liberties (D6,
# D8, E7), so White's reading is the push itself: White D5, Black D4, White
# E5, Black E4 (a, h1).  Black's part: Black D6 (h0), which leaves D7 two
# liberties, no capture.  White's point is the push D5, s, under the
# caller's reason.
white to play
  . . . . . . . . .
  . . . . O O O . .
  . . X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 D5 D4 E5 E4 [D5=s:5]

[k6pin-approach-cut-three-liberties-black]
# As k6pin-approach-cut-three-liberties-white, Black to play: Black's point
# is the cut D6, s.
black to play
  . . . . . . . . .
  . . . . O O O . .
  . . X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 D5 D4 E5 E4 [D6=s:5]

[k6pin-approach-cut-three-liberties-across-white]
# The position mirrored across the jump (White D3, Black C3): White D5,
# Black D6, White E5, Black E6; Black's part D4.  White D5, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . X O . . O . .
  . . . . O O O . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D4 C5 D5 D6 E5 E6 [D5=s:5]

[k6pin-approach-first-line-stone-alive-black]
# Black's two-space jump C3-F3 on the third line with White D1 two lines
# out below the gap D3: the approach stone stands on the first line.  It is
# part of a living White group (A2-A3-B3, B1-C1-D1 and C2 around the eyes A1
# and B2), so only its line decides: a first-line stone does not approach,
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O X . . X . . .
  O . O . . . . . .
  . O O O . . . . .
call Kankei6Soto C3 F3 [none]

[k6pin-approach-first-line-stone-alive-white]
# As k6pin-approach-first-line-stone-alive-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O X . . X . . .
  O . O . . . . . .
  . O O O . . . . .
call Kankei6Soto C3 F3 [none]

[k6pin-approach-bonus-white]
# As two-space-approach-white (Black's jump C5-F5, White D7 backed by
# C8-D8-E8): White pushes at D5, 2s under reason 29, and the push carries
# no bonus.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto:pin-bonus C5 F5 C5 E6 C5 D5 D4 E5 E4 [D5=2s:29 D5+0]

[k6pin-approach-bonus-black]
# As k6pin-approach-bonus-white, Black to play: E6, 2s, no bonus.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto:pin-bonus C5 F5 C5 E6 C5 D5 D4 E5 E4 [E6=2s:29 E6+0]

[k6pin-outside-both-sides-far-white]
# White on E7 and E3, two lines out on both sides of the far gap E5, White
# to play: the far gap itself, Black's E5 + White's E5, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E5 C5 E5 [E5=s:5]

[k6pin-outside-beside-different-gaps-black]
# White on D7 and E3: two lines out, but beside different gap points (D5 on
# one side, E5 on the other), so neither gap is pressed from both sides and
# a single approach is not read either: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-outside-beside-different-gaps-white]
# As k6pin-outside-beside-different-gaps-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-outside-same-side-both-gaps-white]
# White on D7 and E7, both two lines out on the same side, one beside each
# gap point: again no gap is pressed from both sides, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[k6pin-peep-own-below-gap-black]
# Black's two-space jump C5-F5 with White's peep D6 above the gap D5.
# Black already holds D3, two lines out below the peeped gap on the far
# side (Q1): the peep threatens nothing, nothing (and no marks).
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
call Kankei6Nozoki C5 F5 [none]

[k6pin-peep-own-below-gap-white]
# As k6pin-peep-own-below-gap-black, White to play: no marks either.
white to play
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

[k6pin-peep-own-below-far-gap-black]
# As k6pin-peep-own-below-gap-black with Black E3 instead, two lines out
# below the other gap E5 (Q3): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[k6pin-peep-own-below-far-gap-white]
# As k6pin-peep-own-below-far-gap-black, White to play: no marks.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki:marks C5 F5 [none]

[k6pin-peep-opponent-below-gap-black]
# White's peep D6 and White D3 two lines out below the gap D5 (Q1): the
# gap is simply worth both sides' play there: Black's D5 (h0) plus White's
# D5 (h1, not below 0), s at D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 [D5=s:5]

[k6pin-peep-opponent-below-gap-white]
# As k6pin-peep-opponent-below-gap-black, White to play: D5, s.
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
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 [D5=s:5]

[k6pin-peep-opponent-below-gap-marks]
# As k6pin-peep-opponent-below-gap-white: both gap points are marked.
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
call Kankei6Nozoki:marks C5 F5 [D5:1 E5:1]

[k6pin-peep-own-above-gap-both-black]
# The peep on the other side at the other gap: White E4 below the gap E5;
# Black holds E7, two lines out above E5 (Q1 for this peep): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[k6pin-peep-own-above-far-gap-both-black]
# As k6pin-peep-own-above-gap-both-black with Black D7 instead, two lines
# out above the other gap D5 (Q3): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[k6pin-wedge-block-ataris-black]
# Black's one-space jump C5-E5; White's wedge D5 with D6 above it, shut in
# by Black's C6 and E6 (the pair's liberties D4 and D7); the corner C4 is
# empty with White B4 behind it, and White holds F4 and E3 below.  Black's
# block D4 puts the wedge in atari and no Black chain next to it is in
# atari, so White captures nothing: e1 = Black's D4 alone (h0).  e2 =
# Black's C4, White's D4 (h2).  White's corner C4 met by Black's D4 (h1,
# no ladder on D4) against White's extension D4 met by Black's C4 (h3).
# Here h0 > h2 (Black's point is the block D4) and h3 > h1 (White's point
# is D4 too): D4, h0 + h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X O X . . . .
  . O . . . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C5 C4 D4 C5 C4 D4 C5 D4 C4 [D4=h0+h3:5]

[k6pin-wedge-block-ataris-white]
# As k6pin-wedge-block-ataris-black, White to play: D4, h0 + h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X O X . . . .
  . O . . . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C5 C4 D4 C5 C4 D4 C5 D4 C4 [D4=h0+h3:5]

[k6pin-wedge-block-ataris-mirror-black]
# The mirror of k6pin-wedge-block-ataris-black: the corner E4 beside E5 with
# White F4 behind it, White B4 and C3 below.  e1 = Black's D4 alone (h0)
# beats Black's E4, White's D4 (h2); White's extension D4 met by Black's E4
# (h3) beats White's E4 met by Black's D4 (h1): D4, h0 + h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X O X . . . .
  . O . . . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 E4 E5 D3 C5 D4 C5 E4 D4 C5 E4 D4 C5 D4 E4 [D4=h0+h3:5]

[k6pin-wedge-block-ataris-mirror-white]
# As k6pin-wedge-block-ataris-mirror-black, White to play: D4, h0 + h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X O X . . . .
  . O . . . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 E4 E5 D3 C5 D4 C5 E4 D4 C5 E4 D4 C5 D4 E4 [D4=h0+h3:5]

[k6pin-peep-hane-no-room-white]
# Black's one-space jump C5-E5 with White's peep at D6 and White F5 outside
# E5; Black's B3 and D3 stand below.  White's hane at C4 leaves C5 three
# liberties (no ladder), and none of C4's empty neighbours has three empty
# neighbours of its own (D4 has D3 below, C3 and B4 have B3 beside), so no
# extension is read: the hane's value is White's C4 alone (h1), above 0.
# The hane at E4 catches E5 in a ladder (White's D5 and E6, h3).  The
# answer is the smaller: h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . X O . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C4 E4 C5 C5 C4 C5 C5 E4 E4 D5 D5 E6 [=h1]

[k6pin-peep-hane-no-room-across-white]
# k6pin-peep-hane-no-room-white mirrored across the jump (the peep at D4,
# Black B7 and D7): White's C6 alone (h1) against the ladder after E6
# (White's D5 and E4, h3): h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . X . X O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C6 E6 C5 C5 C6 C5 C5 E6 E6 D5 D5 E4 [=h1]

[k6pin-peep-hane-no-room-worthless-white]
# As k6pin-peep-hane-no-room-white with Black B4 as well: the hane at C4 has
# still no room to extend, and White's C4 alone (h1) is now below 0, so the
# reading gives up and answers the value it was given, 999.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . X O . . .
  . X . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C4 E4 C5 C5 C4 C5 C5 E4 E4 D5 D5 E6 [=999]

# Jump links: a second set of rows that pin single branches of the value and
# role rules (the ladder reading of an edge peep whose side stone is caught,
# the half-way move of the owner's value when the outside stone is taken).
# "call NAME A B ..." as in links-edge.tst and links-twospace.tst: the points
# after a repeated A are the lines of the row's working (the first from the
# owner, the second from the opponent, colours alternating; a point given
# twice in a row is a pass), and each candidate's value is answered as an
# expression of their evaluations.

[probe2-edge-two-space-peep-side-stone-in-ladder-left-black]
# Black E3 on the third line jumps to the edge; White's D2 peeps beside the
# near gap E2.  D3 beside the stone on the peep's side is empty, Black's C2
# two steps out beside the gap and White's C3 two steps out beside the
# stone: Black's C2 (liberties B2, C1) is caught by the ladder on the edge.
# Black's value is the connection at E2 (h0), White's the cut at F2, whose
# four neighbours are empty (h1): s.  Black connects at E2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . X O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 [E2=s:5]

[probe2-edge-two-space-peep-side-stone-in-ladder-left-white]
# The same with White to move: White cuts at F2 (the free neighbour of the
# gap, its four neighbours empty), value s as above.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . X O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 [F2=s:5]

[probe2-edge-two-space-peep-side-stone-in-ladder-right-black]
# The mirror image: White's F2 peeps, Black's G2 is caught by the ladder
# under White's G3.  Black connects at E2; White's cut is D2: s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . O . .
  . . . . . O X . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 [E2=s:5]

[probe2-edge-two-space-peep-side-stone-in-ladder-right-white]
# The same with White to move: White cuts at D2, value s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . O . .
  . . . . . O X . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 [D2=s:5]

[probe2-two-space-outside-stone-captured-half-way-black]
# Black's two-space jump C5-F5 with White's D7 two lines out beside the gap
# D5 and Black's C7 two lines out beside C5 on the same side: the cut.
# White's D7 has two liberties (D6, E7), Black's C7 three, so White's point
# is D6 and Black's is D6.  Black's D6 (o) leaves D7 in atari; Black then
# captures at E7 (t, Black D6 and E7 with White passing).  With Black to move
# Black's part moves half of the way from o to t; White's D6 (p) adds:
# o + (t - o)/2 + p, under the caller's reason.
black to play
  . . . . . . . . .
  . . . X O O O . .
  . . X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 D6 C5 D6 D6 E7 [D6=o+(t-o)/2+p:5]

[probe2-one-space-peep-far-corner-white]
# Black's one-space jump D4-D6 with White's C5 peeping beside the gap D5 and
# White's E4 on the far corner in D4's row.  White cuts at D5 and Black
# answers at E5; D4 is then left with two liberties (C4, D3) and the ladder
# catches it (White D3, Black C4, White B4, Black C3, White C2, ... runs into
# the corner), so Black's E5 is taken back and the cut is valued alone:
# White's line D5 (p).  E4 has three liberties, so Black's answer is the
# connection at D5 (o); the peeping stone then has three liberties.
# s = o + p, and with White as the engine the cut at D5 gets 3 more
# (s >= 2), reason 4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKado D4 D6 D4 D5 D4 D5 [D5=s+3:4]

[probe2-one-space-peep-far-corner-black]
# The same with Black to move: Black connects at D5, 2 more (s >= 2),
# reason 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKado D4 D6 D4 D5 D4 D5 [D5=s+2:3]

[probe2-two-space-wedge-with-flank-free-side-taken-below]
# Black's two-space jump C5-F5 with White's wedge D5 and White's D6 on the
# wedge's flank above: the free side is below, and White's D3 stands two
# lines out beside the wedge on that side.  The free side is taken: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Warikomi C5 F5 [none]

[probe2-two-space-wedge-with-flank-free-side-taken-above]
# The mirror across the line: White's flank D4 below the wedge D5, the free
# side above, White's D7 two lines out beside the wedge there: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X O . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Warikomi C5 F5 [none]

[probe2-three-space-intruder-at-the-end-with-a-flank-black]
# Black's three-space jump C5-G5 with White's D5 in the gap next to C5 and
# White's D6 beside it above.  Black's C4, the corner on the other side,
# stands; E3, two lines out beside the middle gap E5 on that side, is empty
# with its eight neighbours empty.  White's extension E3 (h1), Black's block
# D4 under the intruder (h0): s.  Black blocks at D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O . . X . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi C5 G5 C5 D4 C5 E3 [D4=s:5]

[probe2-three-space-intruder-at-the-end-with-a-flank-white]
# The same with White to move: White extends at E3, value s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O . . X . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi C5 G5 C5 D4 C5 E3 [E3=s:5]

[probe2-one-space-wedge-corner-near-end-two-liberties-black]
# Black's one-space jump D4-D6 with White's wedge D5 and White's C4 on the
# corner beside D4: D4 is left with two liberties (D3, E4), D6 has three.
# The free side is E; H is E4 beside D4.  White's atari at E4 (three
# liberties) and Black's escape at D3 give White's part (h1); White's own
# E5 is the other try (h3), the larger of the two counts.  Black's point is
# E5 (Z, nothing of Black's beyond it at F5), valued by Black's E5 (h0):
# h0 + h1 or h0 + h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariKadoDame D4 D6 D4 E5 D4 E4 D3 D4 D4 E5 [E5=h0+h1:5|E5=h0+h3:5]

[probe2-two-space-peep-cut-behind-ladder-black]
# Black's two-space jump C5-F5 with White's D6 peeping at the gap D5 and
# White's C3 two lines out beside C5 on the far side: the cut.  Black's D5
# (h0).  White's D5, Black's D4, White's cut at C4 (h1).  Then White's E4
# beside the other gap and Black's E5: Black's D4 is left with C4 and D3,
# and the ladder catches it (White C4, Black D3 runs into White's D2 and C3),
# so White plays the ladder's first two moves C4 and D3 and takes D4 (h3,
# Black passing between them).  Taking the stone beats the plain cut: the
# value is h0 + h3 at D5, whichever side moves.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 C4 C5 C5 D5 D4 E4 E5 C4 C4 D3 [D5=h0+h3:5]

[probe2-two-space-peep-cut-behind-ladder-white]
# The same with White to move: White's point is D5 too, h0 + h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 C4 C5 C5 D5 D4 E4 E5 C4 C4 D3 [D5=h0+h3:5]

[probe2-one-space-peep-far-corner-atari-follow-up-white]
# Black's one-space jump D4-D6 with White's C5 peeping beside the gap D5 and
# White's E4-F4 on the far corner; Black's F5 beside the far point E5 has
# two liberties (E5, F6) under White's G5, so White's E5 ataris it: the
# atari follow-up.  White plays E5; Black's F5 (liberty F6) is the chain in
# atari.  Black extends at F6 and White cuts at D5 (h1), or Black connects
# at D5 and White takes at F6 (h3); the smaller counts, and taking the stone
# is the better of the two for White: h1.  With White as the engine the
# point is E5 (the cut's own candidate at D5 is not looked at here).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . X O . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKado:atari D4 D6 D4 D4 E5 F6 D5 D4 D4 E5 D5 F6 [E5=h1:5]

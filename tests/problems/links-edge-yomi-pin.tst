# Known answers for the reading of a one-space jump to the edge whose
# second-line stone has an opponent stone beside it (the attached pair), the
# peep beside the gap, and the hane-and-cut strip pattern: rows whose answer
# turns on one stop, one cell or one bound of the reading.  Lines and forms
# as in links-edge.tst (LinkRoutines.cpp).

[pin-attached-pair-both-sides-taken]
# Black's second-line stone E8 jumps to the top edge over the gap E9.  White
# stands on both sides of it on the second line, D8 and F8: the pair reading
# is for one attached stone only, so it stops at once and proposes nothing
# (with F8 empty the same shape is read: links-edge.tst
# edge-attached-pair-two-forcing-lines-top-black).
black to play
  . . . . . . . . .
  . . . O X O . . .
  . . . . X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[pin-attached-pair-stone-above-held-off]
# Black's second-line stone E8 jumps to the top edge, White's D8 (K) beside
# it.  Above the stone H1 = E7 is empty while White holds H2 = E6, and T =
# F8, the second-line point on the other side of the stone, is empty with
# its three empty neighbours F9, F7 and G8: White's push E7 comes first, and
# the pair reading stops without a candidate.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O . . X . .
  . . . O O . X . .
  . . O . . X X . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[pin-hane-cut-extension-two-liberties-top-black]
# The hane-and-cut strip of links-edge.tst edge-attached-hane-cut: Black E8
# jumps to the top edge, White D8-D7 (K) beside it; the strip runs C8 (K2),
# D8, E8, F8.  Black's hane C8, White's cut C7, Black's D9 under K; White
# extends beyond C8 at B8.  With Black's B7 added, White's B8 keeps exactly
# two liberties (A8, B9): two are enough, so Black also takes C9 and the value
# h0 is Black's evaluation after C8, C7, D9, B8, C9.  The cut at C7 still
# stands (C7 is a cutting point for Black, D8-D7 has the three liberties C8,
# C7, D9) and Black's C8-C7 joins B7, so no ladder stops the reading.  Black
# plays the hane C8.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . X . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [C8=h0:5]

[pin-hane-cut-extension-two-liberties-top-white]
# As pin-hane-cut-extension-two-liberties-top-black (White's B8 with the two
# liberties A8 and B9, so Black takes C9: h0 after C8, C7, D9, B8, C9), for
# White: White answers the hane at D9, as C7 captures nothing.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . X . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [D9=h0:5]

[pin-hane-cut-extension-two-liberties-corner-side]
# As pin-hane-cut-extension-two-liberties-top-black with Black's stone at A8
# instead of B7: White's extension B8 again keeps exactly two liberties (B7,
# B9), so Black takes C9: h0 after C8, C7, D9, B8, C9.  Black plays the hane
# C8.
black to play
  . . . . . . . . .
  X . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [C8=h0:5]


[pin-attached-pair-block-beyond-two-liberties-top-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, joined to White's C6-D6-C5 by the jump over D7, Black's E8 heads
# the wall E8-E5.  N = D9, NN = C9, K2 = C8, S = F9, T = F8.  Black's line:
# Black D9, White C9; now D8 and C9 both have two liberties, and Black's C8
# (two liberties) with White's capture of D9 at E9 leaves D8 caught in a
# ladder: the answer at C9 lets Black's K2 start a ladder, a forcing line for
# Black.  Black's line goes on D9, White C8, Black C9, White B9 beyond NN:
# B9 has exactly two liberties (A9, B8), enough to go on, so Black connects
# at E9, and B9 is caught (Black B8 first): White plays the ladder's first
# point B8, and o is Black's evaluation there (D9 C8 C9 B9 E9 B8); the line
# D9, C8, C9.  White's line: White E9, Black F9 (two liberties), White D9
# (three liberties, no ladder; C6 is White's, so no net at C7); Black's F9
# is caught along the edge (White F8 first): Black escapes at F8, and p is
# White's evaluation after E9 F9 D9 F8, a forcing line for White.  Both
# sides force: s + s/2 + s/3 (below 25).
# Black plays its block D9 under K.
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
call IkkenEdgeTukeYomi E8 E9 E8 D9 C8 C9 B9 E9 B8 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-two-liberties-top-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, joined to White's C6-D6-C5 by the jump over D7, Black's E8 heads
# the wall E8-E5.  N = D9, NN = C9, K2 = C8, S = F9, T = F8.  Black's line:
# Black D9, White C9; now D8 and C9 both have two liberties, and Black's C8
# (two liberties) with White's capture of D9 at E9 leaves D8 caught in a
# ladder: the answer at C9 lets Black's K2 start a ladder, a forcing line for
# Black.  Black's line goes on D9, White C8, Black C9, White B9 beyond NN:
# B9 has exactly two liberties (A9, B8), enough to go on, so Black connects
# at E9, and B9 is caught (Black B8 first): White plays the ladder's first
# point B8, and o is Black's evaluation there (D9 C8 C9 B9 E9 B8); the line
# D9, C8, C9.  White's line: White E9, Black F9 (two liberties), White D9
# (three liberties, no ladder; C6 is White's, so no net at C7); Black's F9
# is caught along the edge (White F8 first): Black escapes at F8, and p is
# White's evaluation after E9 F9 D9 F8, a forcing line for White.  Both
# sides force: s + s/2 + s/3 (below 25).
# White pushes at E9.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C8 C9 B9 E9 B8 E8 E9 F9 D9 F8 [E9=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-two-liberties-left-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, joined to White's C6-D6-C5 by the jump over D7, Black's E8 heads
# the wall E8-E5.  N = D9, NN = C9, K2 = C8, S = F9, T = F8.  Black's line:
# Black D9, White C9; now D8 and C9 both have two liberties, and Black's C8
# (two liberties) with White's capture of D9 at E9 leaves D8 caught in a
# ladder: the answer at C9 lets Black's K2 start a ladder, a forcing line for
# Black.  Black's line goes on D9, White C8, Black C9, White B9 beyond NN:
# B9 has exactly two liberties (A9, B8), enough to go on, so Black connects
# at E9, and B9 is caught (Black B8 first): White plays the ladder's first
# point B8, and o is Black's evaluation there (D9 C8 C9 B9 E9 B8); the line
# D9, C8, C9.  White's line: White E9, Black F9 (two liberties), White D9
# (three liberties, no ladder; C6 is White's, so no net at C7); Black's F9
# is caught along the edge (White F8 first): Black escapes at F8, and p is
# White's evaluation after E9 F9 D9 F8, a forcing line for White.  Both
# sides force: s + s/2 + s/3 (below 25).
# Black plays its block D9 under K. (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . O . O . . . . .
  . X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 B7 A7 A8 A5 B8 B5 A5 A4 A6 B4 [A6=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-two-liberties-left-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, joined to White's C6-D6-C5 by the jump over D7, Black's E8 heads
# the wall E8-E5.  N = D9, NN = C9, K2 = C8, S = F9, T = F8.  Black's line:
# Black D9, White C9; now D8 and C9 both have two liberties, and Black's C8
# (two liberties) with White's capture of D9 at E9 leaves D8 caught in a
# ladder: the answer at C9 lets Black's K2 start a ladder, a forcing line for
# Black.  Black's line goes on D9, White C8, Black C9, White B9 beyond NN:
# B9 has exactly two liberties (A9, B8), enough to go on, so Black connects
# at E9, and B9 is caught (Black B8 first): White plays the ladder's first
# point B8, and o is Black's evaluation there (D9 C8 C9 B9 E9 B8); the line
# D9, C8, C9.  White's line: White E9, Black F9 (two liberties), White D9
# (three liberties, no ladder; C6 is White's, so no net at C7); Black's F9
# is caught along the edge (White F8 first): Black escapes at F8, and p is
# White's evaluation after E9 F9 D9 F8, a forcing line for White.  Both
# sides force: s + s/2 + s/3 (below 25).
# White pushes at E9. (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . O . O . . . . .
  . X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 B7 A7 A8 A5 B8 B5 A5 A4 A6 B4 [A5=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-two-liberties-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, joined to White's C6-D6-C5 by the jump over D7, Black's E8 heads
# the wall E8-E5.  N = D9, NN = C9, K2 = C8, S = F9, T = F8.  Black's line:
# Black D9, White C9; now D8 and C9 both have two liberties, and Black's C8
# (two liberties) with White's capture of D9 at E9 leaves D8 caught in a
# ladder: the answer at C9 lets Black's K2 start a ladder, a forcing line for
# Black.  Black's line goes on D9, White C8, Black C9, White B9 beyond NN:
# B9 has exactly two liberties (A9, B8), enough to go on, so Black connects
# at E9, and B9 is caught (Black B8 first): White plays the ladder's first
# point B8, and o is Black's evaluation there (D9 C8 C9 B9 E9 B8); the line
# D9, C8, C9.  White's line: White E9, Black F9 (two liberties), White D9
# (three liberties, no ladder; C6 is White's, so no net at C7); Black's F9
# is caught along the edge (White F8 first): Black escapes at F8, and p is
# White's evaluation after E9 F9 D9 F8, a forcing line for White.  Both
# sides force: s + s/2 + s/3 (below 25).
# Black plays its block D9 under K. (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . O O X . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C2 C1 B1 E1 B2 E2 E1 F1 D1 F2 [D1=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-two-liberties-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, joined to White's C6-D6-C5 by the jump over D7, Black's E8 heads
# the wall E8-E5.  N = D9, NN = C9, K2 = C8, S = F9, T = F8.  Black's line:
# Black D9, White C9; now D8 and C9 both have two liberties, and Black's C8
# (two liberties) with White's capture of D9 at E9 leaves D8 caught in a
# ladder: the answer at C9 lets Black's K2 start a ladder, a forcing line for
# Black.  Black's line goes on D9, White C8, Black C9, White B9 beyond NN:
# B9 has exactly two liberties (A9, B8), enough to go on, so Black connects
# at E9, and B9 is caught (Black B8 first): White plays the ladder's first
# point B8, and o is Black's evaluation there (D9 C8 C9 B9 E9 B8); the line
# D9, C8, C9.  White's line: White E9, Black F9 (two liberties), White D9
# (three liberties, no ladder; C6 is White's, so no net at C7); Black's F9
# is caught along the edge (White F8 first): Black escapes at F8, and p is
# White's evaluation after E9 F9 D9 F8, a forcing line for White.  Both
# sides force: s + s/2 + s/3 (below 25).
# White pushes at E9. (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . O O X . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C2 C1 B1 E1 B2 E2 E1 F1 D1 F2 [E1=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-escapes-top-black]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's A8
# added.  Black's line as there: Black D9, White C9 lets Black's K2 start a
# ladder on D8 (White's A8 does not stop it: Black's B8 ataris the chain
# B9-A9-A8 down to A7), a forcing line for Black; then D9, White C8, Black
# C9, White B9 with its two liberties A9 and B8, and Black connects at E9.
# Now B9 is not caught: Black's atari at B8 stands in atari itself (A8, C8
# and B9 are White's) and no net works, so the line stays D9, C8 and o is
# Black's evaluation after D9 C8 C9 B9 E9, without White's escape.  White's
# line as there: E9 F9 D9 F8, White's forcing line.  s + s/2 + s/3.
# Black plays its block D9 under K.
black to play
  . . . . . . . . .
  O . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C8 C9 B9 E9 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-escapes-top-white]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's A8
# added.  Black's line as there: Black D9, White C9 lets Black's K2 start a
# ladder on D8 (White's A8 does not stop it: Black's B8 ataris the chain
# B9-A9-A8 down to A7), a forcing line for Black; then D9, White C8, Black
# C9, White B9 with its two liberties A9 and B8, and Black connects at E9.
# Now B9 is not caught: Black's atari at B8 stands in atari itself (A8, C8
# and B9 are White's) and no net works, so the line stays D9, C8 and o is
# Black's evaluation after D9 C8 C9 B9 E9, without White's escape.  White's
# line as there: E9 F9 D9 F8, White's forcing line.  s + s/2 + s/3.
# White pushes at E9.
white to play
  . . . . . . . . .
  O . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C8 C9 B9 E9 E8 E9 F9 D9 F8 [E9=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-escapes-left-black]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's A8
# added.  Black's line as there: Black D9, White C9 lets Black's K2 start a
# ladder on D8 (White's A8 does not stop it: Black's B8 ataris the chain
# B9-A9-A8 down to A7), a forcing line for Black; then D9, White C8, Black
# C9, White B9 with its two liberties A9 and B8, and Black connects at E9.
# Now B9 is not caught: Black's atari at B8 stands in atari itself (A8, C8
# and B9 are White's) and no net works, so the line stays D9, C8 and o is
# Black's evaluation after D9 C8 C9 B9 E9, without White's escape.  White's
# line as there: E9 F9 D9 F8, White's forcing line.  s + s/2 + s/3.
# Black plays its block D9 under K. (the position on the left edge)
black to play
  . O . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . O . O . . . . .
  . X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 B7 A7 A8 A5 B5 A5 A4 A6 B4 [A6=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-escapes-left-white]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's A8
# added.  Black's line as there: Black D9, White C9 lets Black's K2 start a
# ladder on D8 (White's A8 does not stop it: Black's B8 ataris the chain
# B9-A9-A8 down to A7), a forcing line for Black; then D9, White C8, Black
# C9, White B9 with its two liberties A9 and B8, and Black connects at E9.
# Now B9 is not caught: Black's atari at B8 stands in atari itself (A8, C8
# and B9 are White's) and no net works, so the line stays D9, C8 and o is
# Black's evaluation after D9 C8 C9 B9 E9, without White's escape.  White's
# line as there: E9 F9 D9 F8, White's forcing line.  s + s/2 + s/3.
# White pushes at E9. (the position on the left edge)
white to play
  . O . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . O . O . . . . .
  . X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 B7 A7 A8 A5 B5 A5 A4 A6 B4 [A5=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-escapes-bottom-black]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's A8
# added.  Black's line as there: Black D9, White C9 lets Black's K2 start a
# ladder on D8 (White's A8 does not stop it: Black's B8 ataris the chain
# B9-A9-A8 down to A7), a forcing line for Black; then D9, White C8, Black
# C9, White B9 with its two liberties A9 and B8, and Black connects at E9.
# Now B9 is not caught: Black's atari at B8 stands in atari itself (A8, C8
# and B9 are White's) and no net works, so the line stays D9, C8 and o is
# Black's evaluation after D9 C8 C9 B9 E9, without White's escape.  White's
# line as there: E9 F9 D9 F8, White's forcing line.  s + s/2 + s/3.
# Black plays its block D9 under K. (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . O O X . . . .
  . . . . X . . . .
  O . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C2 C1 B1 E1 E2 E1 F1 D1 F2 [D1=s+s/2+s/3:5]

[pin-attached-pair-block-beyond-escapes-bottom-white]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's A8
# added.  Black's line as there: Black D9, White C9 lets Black's K2 start a
# ladder on D8 (White's A8 does not stop it: Black's B8 ataris the chain
# B9-A9-A8 down to A7), a forcing line for Black; then D9, White C8, Black
# C9, White B9 with its two liberties A9 and B8, and Black connects at E9.
# Now B9 is not caught: Black's atari at B8 stands in atari itself (A8, C8
# and B9 are White's) and no net works, so the line stays D9, C8 and o is
# Black's evaluation after D9 C8 C9 B9 E9, without White's escape.  White's
# line as there: E9 F9 D9 F8, White's forcing line.  s + s/2 + s/3.
# White pushes at E9. (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . O O X . . . .
  . . . . X . . . .
  O . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C2 C1 B1 E1 E2 E1 F1 D1 F2 [E1=s+s/2+s/3:5]

[pin-attached-pair-block-loses-the-stone]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, White's E7 above it, so E8 has only the liberties E9 and F8
# (Black's group lives on the right side, and no White chain beside E8 is in
# atari).  Black's block under K at D9 does not join E8: White's atari at F8
# then drives E8 along the first line (Black E9 with D9, White F9, Black C9,
# ...) into the corner, where the ladder catches it.  The block would cost
# the stone, so the reading stops without any candidate.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O O . X . .
  . . . O . X X X X
  . . O . . X . X .
  . . . . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[pin-attached-pair-block-loses-the-stone-wider-wall]
# As pin-attached-pair-block-loses-the-stone with White's wall D8-D7-E7,
# D6-C6, C5, C4-D4-E4 and Black's E6-F6-G6 under E7, joined to G7-H7 and
# G5-H5-J5: E8 again has only E9 and F8, and after Black's block at D9
# White's F8 chases E8 along the edge into a ladder: no candidate.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O O . X X .
  . . O O X X X . .
  . . O . . . X X X
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[pin-peep-connection-caught-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap (Q), White's wall D8-D7-E7 leaves E8 the liberties
# E9 and F8 only; Black's group lives on the right (G7, F6, H6, F5-J5), so
# its eyes are enough for the peep to be read.  White's play at S = F9 first
# would leave Black's connection in a ladder, so White's point would be F9.
# But Black's own connection at E9 falls to the ladder as well: E8-E9 has
# the liberties F9 and F8, White's F8 ataris, Black's F9 leaves one liberty
# (G9).  A connection that is caught ends the reading: no candidate for
# either side.
black to play
  . . . O . . . . .
  . . . O X . . . .
  . . . O O . X . .
  . . . O . X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 [none]

[pin-peep-connection-caught-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap (Q), White's wall D8-D7-E7 leaves E8 the liberties
# E9 and F8 only; Black's group lives on the right (G7, F6, H6, F5-J5), so
# its eyes are enough for the peep to be read.  White's play at S = F9 first
# would leave Black's connection in a ladder, so White's point would be F9.
# But Black's own connection at E9 falls to the ladder as well: E8-E9 has
# the liberties F9 and F8, White's F8 ataris, Black's F9 leaves one liberty
# (G9).  A connection that is caught ends the reading: no candidate for
# either side.
white to play
  . . . O . . . . .
  . . . O X . . . .
  . . . O O . X . .
  . . . O . X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 [none]

[pin-peep-connection-caught-living-wall]
# As pin-peep-connection-caught-black with Black's stones E6, E5 and E4 in
# a living shape below (E6-J6, E5 G5 J5, E4-J4): E8 still has only E9 and
# F8, Black's connection at E9 is caught by White's F8 along the edge, and
# the reading ends without a candidate.
black to play
  . . . O . . . . .
  . . . O X . . . .
  . . . O O . X . .
  . . . O X X X X X
  . . O . X . X . X
  . . . . X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 [none]

[pin-peep-ladder-bonus-top-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White's
# lone D9 (Q) peeps beside the gap with three liberties; Black's wall E8-E4
# with C6-C4 and G6-F5-G5 lives.  White's play at S = F9 first leaves no
# ladder on Black's connection, so White's point is the push at E9: Black's
# block at F9 would be caught along the edge, so Black answers at G8 (U, with
# F7 empty) and White plays F9: p is White's evaluation after E9 G8 F9.
# Black's part o: Black E9 alone; then D9 has two liberties (C9, D8) and the
# ladder catches it (Black D8, White C9, ... into the corner).  For Black's
# own link the bonus is Black's evaluation after E9 and the ladder's first
# two points D8 and C9 (D9 captured): the third line, b.  The value is o + p
# (below 6, not 2): E9 with bonus b.
black to play
  . . . O . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . X X X . X . .
  . . X . X X X . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . O O . .
  . . . . . . . . .
call IkkenEdgeNozoki:pin-bonus E8 E9 E8 E9 E8 E9 G8 F9 E8 E9 E9 D8 D8 C9 [=E9:h2 E9=h0+h1:5]

[pin-peep-ladder-bonus-top-white]
# The peep of pin-peep-ladder-bonus-top-black for White: White pushes at E9
# (its play at F9 first leaves no ladder on Black's connection), value o + p,
# o Black's E9 alone, p White's E9, Black G8, White F9 (Black's block at F9
# would be caught along the edge).  The ladder on D9 gives White no bonus.
white to play
  . . . O . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . X X X . X . .
  . . X . X X X . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . O O . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin-peep-ladder-bonus-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White's
# lone D9 (Q) peeps beside the gap with three liberties; Black's wall E8-E4
# with C6-C4 and G6-F5-G5 lives.  White's play at S = F9 first leaves no
# ladder on Black's connection, so White's point is the push at E9: Black's
# block at F9 would be caught along the edge, so Black answers at G8 (U, with
# F7 empty) and White plays F9: p is White's evaluation after E9 G8 F9.
# Black's part o: Black E9 alone; then D9 has two liberties (C9, D8) and the
# ladder catches it (Black D8, White C9, ... into the corner).  For Black's
# own link the bonus is Black's evaluation after E9 and the ladder's first
# two points D8 and C9 (D9 captured): the third line, b.  The value is o + p
# (below 6, not 2): E9 with bonus b.
# (the mirror: the peep on the other side of the gap, F9)
black to play
  . . . . . O . . .
  . . . . X . . . .
  . . . . X . . . .
  . . X . X X X . .
  . . X X X . X . .
  . . . . X X X . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:pin-bonus E8 E9 E8 E9 E8 E9 C8 D9 E8 E9 E9 F8 F8 G9 [=E9:h2 E9=h0+h1:5]

[pin-peep-ladder-bonus-top-mirror-white]
# The peep of pin-peep-ladder-bonus-top-black for White: White pushes at E9
# (its play at F9 first leaves no ladder on Black's connection), value o + p,
# o Black's E9 alone, p White's E9, Black G8, White F9 (Black's block at F9
# would be caught along the edge).  The ladder on D9 gives White no bonus.
# (the mirror: the peep on the other side of the gap, F9)
white to play
  . . . . . O . . .
  . . . . X . . . .
  . . . . X . . . .
  . . X . X X X . .
  . . X X X . X . .
  . . . . X X X . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 C8 D9 [E9=s:5]

[pin-peep-ladder-bonus-left-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White's
# lone D9 (Q) peeps beside the gap with three liberties; Black's wall E8-E4
# with C6-C4 and G6-F5-G5 lives.  White's play at S = F9 first leaves no
# ladder on Black's connection, so White's point is the push at E9: Black's
# block at F9 would be caught along the edge, so Black answers at G8 (U, with
# F7 empty) and White plays F9: p is White's evaluation after E9 G8 F9.
# Black's part o: Black E9 alone; then D9 has two liberties (C9, D8) and the
# ladder catches it (Black D8, White C9, ... into the corner).  For Black's
# own link the bonus is Black's evaluation after E9 and the ladder's first
# two points D8 and C9 (D9 captured): the third line, b.  The value is o + p
# (below 6, not 2): E9 with bonus b.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O . . X . X . . .
  . X X X X X . . .
  . . . . X . . O .
  . . . X X . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:pin-bonus B5 A5 B5 A5 B5 A5 B3 A4 B5 A5 A5 B6 B6 A7 [=A5:h2 A5=h0+h1:5]

[pin-peep-ladder-bonus-left-white]
# The peep of pin-peep-ladder-bonus-top-black for White: White pushes at E9
# (its play at F9 first leaves no ladder on Black's connection), value o + p,
# o Black's E9 alone, p White's E9, Black G8, White F9 (Black's block at F9
# would be caught along the edge).  The ladder on D9 gives White no bonus.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O . . X . X . . .
  . X X X X X . . .
  . . . . X . . O .
  . . . X X . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 B5 A5 B3 A4 [A5=s:5]

[pin-peep-ladder-bonus-bottom-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White's
# lone D9 (Q) peeps beside the gap with three liberties; Black's wall E8-E4
# with C6-C4 and G6-F5-G5 lives.  White's play at S = F9 first leaves no
# ladder on Black's connection, so White's point is the push at E9: Black's
# block at F9 would be caught along the edge, so Black answers at G8 (U, with
# F7 empty) and White plays F9: p is White's evaluation after E9 G8 F9.
# Black's part o: Black E9 alone; then D9 has two liberties (C9, D8) and the
# ladder catches it (Black D8, White C9, ... into the corner).  For Black's
# own link the bonus is Black's evaluation after E9 and the ladder's first
# two points D8 and C9 (D9 captured): the third line, b.  The value is o + p
# (below 6, not 2): E9 with bonus b.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . O O . .
  . . . . . . . . .
  . . X X X . . . .
  . . X . X X X . .
  . . X X X . X . .
  . . . . X . . . .
  . . . . X . . . .
  . . . O . . . . .
call IkkenEdgeNozoki:pin-bonus E2 E1 E2 E1 E2 E1 G2 F1 E2 E1 E1 D2 D2 C1 [=E1:h2 E1=h0+h1:5]

[pin-peep-ladder-bonus-bottom-white]
# The peep of pin-peep-ladder-bonus-top-black for White: White pushes at E9
# (its play at F9 first leaves no ladder on Black's connection), value o + p,
# o Black's E9 alone, p White's E9, Black G8, White F9 (Black's block at F9
# would be caught along the edge).  The ladder on D9 gives White no bonus.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . O O . .
  . . . . . . . . .
  . . X X X . . . .
  . . X . X X X . .
  . . X X X . X . .
  . . . . X . . . .
  . . . . X . . . .
  . . . O . . . . .
call IkkenEdgeNozoki E2 E1 E2 E1 E2 E1 G2 F1 [E1=s:5]

[pin-ladder-threat-after-the-capture]
# The ladder threat of the attached pair, read on its own: Black's D9 (under
# White's D8) and White's C9 beside it, D8 and C9 with two liberties each.
# Black plays C8 (two liberties: B8, C7), White captures D9 at its last
# liberty E9; D8 then has D7 and D9, and Black's D7 drives White (D9, then
# F9 / B9 along the edge) into the corner: caught, yes.
black to play
  . . O X . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeSichoNerai:pin D8 C9 D9 C8 [yes]

[pin-ladder-threat-broken-by-g9]
# As pin-ladder-threat-after-the-capture with White's G9 added: after Black
# C8 and White's capture at E9, Black's D7 and White's D9 leave the chain
# D8-D9-C9-E9 with B9 and F9; Black cannot atari from F9 (it would sit in
# atari between E9 and G9) and Black's B9 lets White connect at F9 to G9:
# no ladder, no.  (White's answer is the capture of D9 at E9, not a liberty
# of Black's C8: D8 then is not in atari.)
black to play
  . . O X . . O . .
  . . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeSichoNerai:pin D8 C9 D9 C8 [no]

[pin-ladder-threat-three-liberties]
# White's D8-D7 has three liberties (C8, C7, D6) beside Black's D9 and
# White's C9: the threat is read only on chains of two liberties, no.
black to play
  . . O X . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeSichoNerai:pin D8 C9 D9 C8 [no]

[pin-ladder-threat-three-liberties-caught-otherwise]
# White's D8-D7 has three liberties (C8, C7, D6), White's C9 two; Black's
# C8 would leave D8-D7 with C7 and D6 and no way out (Black's B7, C6, D5 and
# E6 around it), but the threat is read only when both chains have exactly
# two liberties at the start: no.
black to play
  . . O X . . . . .
  . . . O X . . . .
  . X . O X . . . .
  . . X . X . . . .
  . . . X X . . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeSichoNerai:pin D8 C9 H5 C8 [no]

[pin-hane-cut-dead-group-white]
# The hane-and-cut strip of links-edge.tst edge-attached-hane-cut (Black E8
# jumping to the top edge, White's D8-D7 beside it, the strip C8, D8, E8,
# F8), with Black's B7, A6 and B5-C5 added: White's D8-D7 with C6-B6 is
# enclosed and dead.  The pattern is not read for a dead group: no
# candidate.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . X . O X . . . .
  X O O X . . . . .
  . X X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [none]

[pin-hane-cut-dead-group-black]
# As pin-hane-cut-dead-group-white, for Black: White's group at D8 is dead,
# the pattern is not read, no candidate.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . X . O X . . . .
  X O O X . . . . .
  . X X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [none]

[pin-hane-cut-no-bonus-black]
# The hane-and-cut of links-edge.tst edge-attached-hane-cut-top-black: Black
# plays the hane C8, value h0 (Black C8, White C7, Black D9, White B8 with
# its three liberties, Black C9).  The pattern carries no bonus: C8/0.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:pin-bonus0 E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [C8=h0:5 C8/0]

[pin-hane-cut-no-bonus-white]
# The same for White: White answers at D9 (C7 captures nothing), value h0,
# no bonus: D9/0.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:pin-bonus0 E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [D9=h0:5 D9/0]

[pin-peep-first-at-s-owner-connects-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q, joined to D8-D6 and E6) peeps beside the gap; S = F9, T = F8.
# Black's E8 has three liberties (E9, F8, E7), so White's play at S first is
# read: after White F9 Black's connection at E9 leaves E8-E9 with F8 and E7,
# White's F8 drives it to E7, where F7 is its last liberty: caught.  White's
# point is F9, p its evaluation with F9 on the board.  Black's own
# connection at E9 keeps three liberties (F9, F8, E7): no ladder; Q's chain
# has many liberties, so o is Black's evaluation after E9.  The sum is 6 or
# more: s + 2.  Black connects at E9 (its own point, not White's F9).
black to play
  . . . O . . . . .
  . . . O X . . . .
  . . . O . . X . .
  . . . O O X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 F9 [E9=s+2:5]

[pin-peep-first-at-s-owner-connects-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q, joined to D8-D6 and E6) peeps beside the gap; S = F9, T = F8.
# Black's E8 has three liberties (E9, F8, E7), so White's play at S first is
# read: after White F9 Black's connection at E9 leaves E8-E9 with F8 and E7,
# White's F8 drives it to E7, where F7 is its last liberty: caught.  White's
# point is F9, p its evaluation with F9 on the board.  Black's own
# connection at E9 keeps three liberties (F9, F8, E7): no ladder; Q's chain
# has many liberties, so o is Black's evaluation after E9.  The sum is 6 or
# more: s + 2.  White plays F9.
white to play
  . . . O . . . . .
  . . . O X . . . .
  . . . O . . X . .
  . . . O O X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 F9 [F9=s+2:5]

[pin-peep-owner-part-24-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With White's J6 and J4 and Black's B2 added, o is 24 and p far below 2:
# an owner part below 25 keeps the sum, and the sum is below 6: s.
black to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . O
  O O O . . . X O .
  . . . . . . . . O
  . O . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin-peep-owner-part-24-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With White's J6 and J4 and Black's B2 added, o is 24 and p far below 2:
# an owner part below 25 keeps the sum, and the sum is below 6: s.
white to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . O
  O O O . . . X O .
  . . . . . . . . O
  . O . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin-peep-push-of-three-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's J9, E2, D1, F1 and White's H4 and E1 added, o is 40 and p is
# exactly 3: above 2, so the sum is not divided; it is over 6: s + 2.
black to play
  O O O O . . . . X
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . .
  O O O . . . X O .
  . . . . . . . O .
  . O . . . . . . .
  . . . . X . . . .
  . . . X O X . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[pin-peep-push-of-three-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's J9, E2, D1, F1 and White's H4 and E1 added, o is 40 and p is
# exactly 3: above 2, so the sum is not divided; it is over 6: s + 2.
white to play
  O O O O . . . . X
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . .
  O O O . . . X O .
  . . . . . . . O .
  . O . . . . . . .
  . . . . X . . . .
  . . . X O X . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[pin-attached-pair-pair-exchange-top-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty, so
# Black's point is C = D9: Black D9, White C9 (legal), Black E9; a is
# Black's evaluation (not above 16).  White's part b: B = F9 is empty, so
# White's point is A = E9: White E9, Black F9 (legal), White D9; b is
# White's evaluation (not above 16).  The value a + b = s, no bonus.  Black
# plays D9.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . O O X X . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 [D9=s:5 D9/0]

[pin-attached-pair-pair-exchange-top-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty, so
# Black's point is C = D9: Black D9, White C9 (legal), Black E9; a is
# Black's evaluation (not above 16).  White's part b: B = F9 is empty, so
# White's point is A = E9: White E9, Black F9 (legal), White D9; b is
# White's evaluation (not above 16).  The value a + b = s, no bonus.  White
# plays E9.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . O O X X . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 [E9=s:5 E9/0]

[pin-attached-pair-pair-exchange-far-point-taken-top-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): White's C9 already
# holds D, so Black's point is A = E9, a its evaluation after Black E9
# alone.  White's part b: B = F9 is empty: White E9, Black F9, White D9.
# The value a + b = s, no bonus.  Black plays E9.
black to play
  . . O . . . . . .
  . . . O X . . . .
  . . O O X X . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 E9 E8 E9 F9 D9 [E9=s:5 E9/0]

[pin-attached-pair-pair-exchange-near-point-taken-top-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty:
# Black D9, White C9, Black E9.  White's part b: Black's F9 already holds B,
# so White's point is C = D9, b its evaluation after White D9 alone.  The
# value a + b = s, no bonus.  White plays D9.
white to play
  . . . . . X . . .
  . . . O X . . . .
  . . O O X X . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 D9 C9 E9 E8 D9 [D9=s:5 D9/0]

[pin-attached-pair-pair-exchange-left-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty, so
# Black's point is C = D9: Black D9, White C9 (legal), Black E9; a is
# Black's evaluation (not above 16).  White's part b: B = F9 is empty, so
# White's point is A = E9: White E9, Black F9 (legal), White D9; b is
# White's evaluation (not above 16).  The value a + b = s, no bonus.  Black
# plays D9. (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . O O . . . . . .
  . X X . . . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 [A6=s:5 A6/0]

[pin-attached-pair-pair-exchange-left-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty, so
# Black's point is C = D9: Black D9, White C9 (legal), Black E9; a is
# Black's evaluation (not above 16).  White's part b: B = F9 is empty, so
# White's point is A = E9: White E9, Black F9 (legal), White D9; b is
# White's evaluation (not above 16).  The value a + b = s, no bonus.  White
# plays E9. (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . O O . . . . . .
  . X X . . . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 [A5=s:5 A5/0]

[pin-attached-pair-pair-exchange-far-point-taken-left-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): White's C9 already
# holds D, so Black's point is A = E9, a its evaluation after Black E9
# alone.  White's part b: B = F9 is empty: White E9, Black F9, White D9.
# The value a + b = s, no bonus.  Black plays E9. (the position on the left
# edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  O . O O O . . . .
  . O O . . . . . .
  . X X . . . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 B5 A5 B5 A5 B5 A5 A4 A6 [A5=s:5 A5/0]

[pin-attached-pair-pair-exchange-near-point-taken-left-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty:
# Black D9, White C9, Black E9.  White's part b: Black's F9 already holds B,
# so White's point is C = D9, b its evaluation after White D9 alone.  The
# value a + b = s, no bonus.  White plays D9. (the position on the left
# edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . O O . . . . . .
  . X X . . . . . .
  X . X X X . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 B5 A5 B5 A6 A7 A5 B5 A6 [A6=s:5 A6/0]

[pin-attached-pair-pair-exchange-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty, so
# Black's point is C = D9: Black D9, White C9 (legal), Black E9; a is
# Black's evaluation (not above 16).  White's part b: B = F9 is empty, so
# White's point is A = E9: White E9, Black F9 (legal), White D9; b is
# White's evaluation (not above 16).  The value a + b = s, no bonus.  Black
# plays D9. (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . O O X X . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 [D1=s:5 D1/0]

[pin-attached-pair-pair-exchange-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty, so
# Black's point is C = D9: Black D9, White C9 (legal), Black E9; a is
# Black's evaluation (not above 16).  White's part b: B = F9 is empty, so
# White's point is A = E9: White E9, Black F9 (legal), White D9; b is
# White's evaluation (not above 16).  The value a + b = s, no bonus.  White
# plays E9. (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . O O X X . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 [E1=s:5 E1/0]

[pin-attached-pair-pair-exchange-far-point-taken-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): White's C9 already
# holds D, so Black's point is A = E9, a its evaluation after Black E9
# alone.  White's part b: B = F9 is empty: White E9, Black F9, White D9.
# The value a + b = s, no bonus.  Black plays E9. (the position on the
# bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E2 E1 E2 E1 E2 E1 F1 D1 [E1=s:5 E1/0]

[pin-attached-pair-pair-exchange-near-point-taken-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it.  Black's F7 stands on the third line above T = F8, White's C7
# above K2 = C8: the first-line exchange under both stones is read on the
# strip F8, E8, D8, C8 (Black's stone in its second row): A = E9 (the gap),
# B = F9, C = D9, D = C9.  Black's part a (Black first): D = C9 is empty:
# Black D9, White C9, Black E9.  White's part b: Black's F9 already holds B,
# so White's point is C = D9, b its evaluation after White D9 alone.  The
# value a + b = s, no bonus.  White plays D9. (the position on the bottom
# edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . O O X X . . .
  . . . O X . . . .
  . . . . . X . . .
call IkkenEdgeTukeYomi:pin-bonus0 E2 E1 E2 D1 C1 E1 E2 D1 [D1=s:5 D1/0]

[pin-attached-pair-corner-above-k2-on-first-line-top-black]
# Black's second-line stone C8 jumps to the top edge over the gap C9, White's
# lone B8 (K) beside it, near the corner: N = B9 (next to the corner), NN =
# A9 (the corner), K2 = A8, S = D9, T = D8.  Black's line: Black B9 under K;
# with NN the corner no answer there is read, and K has two liberties (A8,
# B7) and is caught (Black B7 first): White plays B7, o is Black's
# evaluation after B9 B7; Black's point B9.  White's line: N = B9 is next to
# the corner and White's push at C9 ataris nothing, so White plays N itself:
# p is White's evaluation after B9.  K2H1 = A7, above K2, lies on the first
# line (the left edge): it does not replace White's point.  No forcing
# line: s.
# Black plays B9.
black to play
  . . . . . . . . .
  . O X . . . . . .
  . . X . . . . . .
  . . X . . . . . .
  O O X . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi C8 C9 C8 B9 B7 C8 B9 [B9=s:5]

[pin-attached-pair-corner-above-k2-on-first-line-top-white]
# Black's second-line stone C8 jumps to the top edge over the gap C9, White's
# lone B8 (K) beside it, near the corner: N = B9 (next to the corner), NN =
# A9 (the corner), K2 = A8, S = D9, T = D8.  Black's line: Black B9 under K;
# with NN the corner no answer there is read, and K has two liberties (A8,
# B7) and is caught (Black B7 first): White plays B7, o is Black's
# evaluation after B9 B7; Black's point B9.  White's line: N = B9 is next to
# the corner and White's push at C9 ataris nothing, so White plays N itself:
# p is White's evaluation after B9.  K2H1 = A7, above K2, lies on the first
# line (the left edge): it does not replace White's point.  No forcing
# line: s.
# White plays B9.
white to play
  . . . . . . . . .
  . O X . . . . . .
  . . X . . . . . .
  . . X . . . . . .
  O O X . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi C8 C9 C8 B9 B7 C8 B9 [B9=s:5]

[pin-attached-pair-corner-above-k2-on-first-line-left-black]
# Black's second-line stone C8 jumps to the top edge over the gap C9, White's
# lone B8 (K) beside it, near the corner: N = B9 (next to the corner), NN =
# A9 (the corner), K2 = A8, S = D9, T = D8.  Black's line: Black B9 under K;
# with NN the corner no answer there is read, and K has two liberties (A8,
# B7) and is caught (Black B7 first): White plays B7, o is Black's
# evaluation after B9 B7; Black's point B9.  White's line: N = B9 is next to
# the corner and White's push at C9 ataris nothing, so White plays N itself:
# p is White's evaluation after B9.  K2H1 = A7, above K2, lies on the first
# line (the left edge): it does not replace White's point.  No forcing
# line: s.
# Black plays B9. (the position on the left edge)
black to play
  . . . . O . . . .
  . O . . O O O . .
  . X X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B7 A7 B7 A8 C8 B7 A8 [A8=s:5]

[pin-attached-pair-corner-above-k2-on-first-line-left-white]
# Black's second-line stone C8 jumps to the top edge over the gap C9, White's
# lone B8 (K) beside it, near the corner: N = B9 (next to the corner), NN =
# A9 (the corner), K2 = A8, S = D9, T = D8.  Black's line: Black B9 under K;
# with NN the corner no answer there is read, and K has two liberties (A8,
# B7) and is caught (Black B7 first): White plays B7, o is Black's
# evaluation after B9 B7; Black's point B9.  White's line: N = B9 is next to
# the corner and White's push at C9 ataris nothing, so White plays N itself:
# p is White's evaluation after B9.  K2H1 = A7, above K2, lies on the first
# line (the left edge): it does not replace White's point.  No forcing
# line: s.
# White plays B9. (the position on the left edge)
white to play
  . . . . O . . . .
  . O . . O O O . .
  . X X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B7 A7 B7 A8 C8 B7 A8 [A8=s:5]

[pin-peep-atari-block-in-atari-top-black-no-bonus]
# As links-edge2-cover.tst edge2-peep-atari-block-in-atari-top-black,
# with the candidate's bonus: the follow-up carries none (E9/0).
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
black to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:pin-bonus0 E8 E9 E8 E9 E8 F9 [E9=s:5 E9/0]

[pin-peep-atari-block-in-atari-top-white-no-bonus]
# As links-edge2-cover.tst edge2-peep-atari-block-in-atari-top-white,
# with the candidate's bonus: the follow-up carries none (F9/0).
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
white to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:pin-bonus0 E8 E9 E8 E9 E8 F9 [F9=s:5 F9/0]

[pin-peep-hane-two-liberties-top-black-no-bonus]
# As links-edge2-cover.tst edge2-peep-hane-two-liberties-top-black,
# with the candidate's bonus: the follow-up carries none (E9/0).
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
black to play
  . . . O . . . . .
  . . . O X . . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:pin-bonus0 E8 E9 E8 E8 F9 E9 F8 E7 [E9=h1:5 E9/0]

[pin-peep-hane-two-liberties-top-white-no-bonus]
# As links-edge2-cover.tst edge2-peep-hane-two-liberties-top-white,
# with the candidate's bonus: the follow-up carries none (F9/0).
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
white to play
  . . . O . . . . .
  . . . O X . . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:pin-bonus0 E8 E9 E8 E8 F9 E9 F8 E7 [F9=h1:5 F9/0]

[pin-attached-pair-above-k2-two-opponent-stones-top-black]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's D8
# (K) joined to D6 and B5 instead of C6-D6-C5.  The lines are as there:
# Black's D9, White's C9 lets Black's K2 start a ladder on D8 (Black's
# forcing line D9, C8, C9, o after D9 C8 C9 B9 E9 B8), and White's push E9,
# Black F9, White D9 is a forcing line for White (Black's F9 caught, p after
# E9 F9 D9 F8).  K2H1 = C7, above K2, is empty, but two White stones (D8
# and D6) stand around it: more than one, so C7 does not replace White's
# point and the forcing lines keep their weight: s + s/2 + s/3.
# Black plays its block D9 under K.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . . O X . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C8 C9 B9 E9 B8 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5]

[pin-attached-pair-above-k2-two-opponent-stones-top-white]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's D8
# (K) joined to D6 and B5 instead of C6-D6-C5.  The lines are as there:
# Black's D9, White's C9 lets Black's K2 start a ladder on D8 (Black's
# forcing line D9, C8, C9, o after D9 C8 C9 B9 E9 B8), and White's push E9,
# Black F9, White D9 is a forcing line for White (Black's F9 caught, p after
# E9 F9 D9 F8).  K2H1 = C7, above K2, is empty, but two White stones (D8
# and D6) stand around it: more than one, so C7 does not replace White's
# point and the forcing lines keep their weight: s + s/2 + s/3.
# White pushes at E9.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . . O X . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C8 C9 B9 E9 B8 E8 E9 F9 D9 F8 [E9=s+s/2+s/3:5]

[pin-attached-pair-above-k2-two-opponent-stones-left-black]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's D8
# (K) joined to D6 and B5 instead of C6-D6-C5.  The lines are as there:
# Black's D9, White's C9 lets Black's K2 start a ladder on D8 (Black's
# forcing line D9, C8, C9, o after D9 C8 C9 B9 E9 B8), and White's push E9,
# Black F9, White D9 is a forcing line for White (Black's F9 caught, p after
# E9 F9 D9 F8).  K2H1 = C7, above K2, is empty, but two White stones (D8
# and D6) stand around it: more than one, so C7 does not replace White's
# point and the forcing lines keep their weight: s + s/2 + s/3.
# Black plays its block D9 under K. (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . O . O . . . . .
  . X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 B7 A7 A8 A5 B8 B5 A5 A4 A6 B4 [A6=s+s/2+s/3:5]

[pin-attached-pair-above-k2-two-opponent-stones-left-white]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's D8
# (K) joined to D6 and B5 instead of C6-D6-C5.  The lines are as there:
# Black's D9, White's C9 lets Black's K2 start a ladder on D8 (Black's
# forcing line D9, C8, C9, o after D9 C8 C9 B9 E9 B8), and White's push E9,
# Black F9, White D9 is a forcing line for White (Black's F9 caught, p after
# E9 F9 D9 F8).  K2H1 = C7, above K2, is empty, but two White stones (D8
# and D6) stand around it: more than one, so C7 does not replace White's
# point and the forcing lines keep their weight: s + s/2 + s/3.
# White pushes at E9. (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . O . O . . . . .
  . X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 B7 A7 A8 A5 B8 B5 A5 A4 A6 B4 [A5=s+s/2+s/3:5]

[pin-attached-pair-above-k2-two-opponent-stones-bottom-black]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's D8
# (K) joined to D6 and B5 instead of C6-D6-C5.  The lines are as there:
# Black's D9, White's C9 lets Black's K2 start a ladder on D8 (Black's
# forcing line D9, C8, C9, o after D9 C8 C9 B9 E9 B8), and White's push E9,
# Black F9, White D9 is a forcing line for White (Black's F9 caught, p after
# E9 F9 D9 F8).  K2H1 = C7, above K2, is empty, but two White stones (D8
# and D6) stand around it: more than one, so C7 does not replace White's
# point and the forcing lines keep their weight: s + s/2 + s/3.
# Black plays its block D9 under K. (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C2 C1 B1 E1 B2 E2 E1 F1 D1 F2 [D1=s+s/2+s/3:5]

[pin-attached-pair-above-k2-two-opponent-stones-bottom-white]
# The shape of pin-attached-pair-block-beyond-two-liberties with White's D8
# (K) joined to D6 and B5 instead of C6-D6-C5.  The lines are as there:
# Black's D9, White's C9 lets Black's K2 start a ladder on D8 (Black's
# forcing line D9, C8, C9, o after D9 C8 C9 B9 E9 B8), and White's push E9,
# Black F9, White D9 is a forcing line for White (Black's F9 caught, p after
# E9 F9 D9 F8).  K2H1 = C7, above K2, is empty, but two White stones (D8
# and D6) stand around it: more than one, so C7 does not replace White's
# point and the forcing lines keep their weight: s + s/2 + s/3.
# White pushes at E9. (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C2 C1 B1 E1 B2 E2 E1 F1 D1 F2 [E1=s+s/2+s/3:5]

[pin-peep-first-at-s-stone-escapes-h9-black]
# The peep of pin-peep-first-at-s-owner-connects with White's H9 added:
# White's play at S = F9 first still leaves Black's connection at E9 caught
# (E8-E9 with F8 and E7, White's F8, Black's E7, and F7 is the last
# liberty), so White's point is F9 and p its evaluation with F9 on the
# board; what counts is the ladder on Black's connection, not on White's
# F9, which here would escape after Black's E9 (Black's F8 atari is
# answered at G9, joining H9).
# Black connects at E9 (three liberties, no ladder), o after E9.  The sum
# is 6 or more: s + 2.
# Black connects at E9.
black to play
  . . . O . . . O .
  . . . O X . . . .
  . . . O . . X . .
  . . . O O X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 F9 [E9=s+2:5]

[pin-peep-first-at-s-stone-escapes-h9-white]
# The peep of pin-peep-first-at-s-owner-connects with White's H9 added:
# White's play at S = F9 first still leaves Black's connection at E9 caught
# (E8-E9 with F8 and E7, White's F8, Black's E7, and F7 is the last
# liberty), so White's point is F9 and p its evaluation with F9 on the
# board; what counts is the ladder on Black's connection, not on White's
# F9, which here would escape after Black's E9 (Black's F8 atari is
# answered at G9, joining H9).
# Black connects at E9 (three liberties, no ladder), o after E9.  The sum
# is 6 or more: s + 2.
# White plays F9.
white to play
  . . . O . . . O .
  . . . O X . . . .
  . . . O . . X . .
  . . . O O X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 F9 [F9=s+2:5]

[pin-peep-first-at-s-stone-escapes-h8-black]
# The peep of pin-peep-first-at-s-owner-connects with White's H8 added:
# White's play at S = F9 first still leaves Black's connection at E9 caught
# (E8-E9 with F8 and E7, White's F8, Black's E7, and F7 is the last
# liberty), so White's point is F9 and p its evaluation with F9 on the
# board; what counts is the ladder on Black's connection, not on White's
# F9, which here would escape after Black's E9 (toward White's H8).
# Black connects at E9 (three liberties, no ladder), o after E9.  The sum
# is 6 or more: s + 2.
# Black connects at E9.
black to play
  . . . O . . . . .
  . . . O X . . O .
  . . . O . . X . .
  . . . O O X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 F9 [E9=s+2:5]

[pin-peep-first-at-s-stone-escapes-h8-white]
# The peep of pin-peep-first-at-s-owner-connects with White's H8 added:
# White's play at S = F9 first still leaves Black's connection at E9 caught
# (E8-E9 with F8 and E7, White's F8, Black's E7, and F7 is the last
# liberty), so White's point is F9 and p its evaluation with F9 on the
# board; what counts is the ladder on Black's connection, not on White's
# F9, which here would escape after Black's E9 (toward White's H8).
# Black connects at E9 (three liberties, no ladder), o after E9.  The sum
# is 6 or more: s + 2.
# White plays F9.
white to play
  . . . O . . . . .
  . . . O X . . O .
  . . . O . . X . .
  . . . O O X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 F9 [F9=s+2:5]

[pin-peep-capture-beside-q-first-bottom-black]
# Black's second-line stone E2 jumps to the bottom edge over the gap E1;
# White's D1-D2 peeps beside the gap (Q), with two liberties (C1, E1).
# White's E3 and D2 leave E2 the liberties E1 and F2, and Black's D3 sits
# in atari (its last liberty C3); Black's group lives on the right.
# White's play at S = F1 first would leave Black's connection E2-E1 with F2
# alone: caught, so White's point is F1 and p its evaluation with F1 on the
# board.  Black connects at E1: Q is then in atari (C1), so White's atari
# at F2 is answered by capturing Q: no ladder.  Of the chains beside Q,
# Black's D3 is in atari: White captures it
# at C3 rather than extending at C1, and o is Black's evaluation after E1,
# C3.  Black's capture of Q at C1 gives the bonus t (Black E1 and C1).
# For Black's own link o moves a third of the way toward t: o + (t - o)/3
# + p, 6 or more, gains 2.  Black connects at E1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X X X X
  . . . O . X . X .
  . . . X O . X . .
  . . X O X . . . .
  . . . O . . . . .
call IkkenEdgeNozoki E2 E1 E2 E1 C3 E2 F1 E2 E1 E1 C1 [E1=o+(t-o)/3+p+2:5]

[pin-peep-capture-beside-q-first-bottom-white]
# Black's second-line stone E2 jumps to the bottom edge over the gap E1;
# White's D1-D2 peeps beside the gap (Q), with two liberties (C1, E1).
# White's E3 and D2 leave E2 the liberties E1 and F2, and Black's D3 sits
# in atari (its last liberty C3); Black's group lives on the right.
# White's play at S = F1 first would leave Black's connection E2-E1 with F2
# alone: caught, so White's point is F1 and p its evaluation with F1 on the
# board.  Black connects at E1: Q is then in atari (C1), so White's atari
# at F2 is answered by capturing Q: no ladder.  Of the chains beside Q,
# Black's D3 is in atari: White captures it
# at C3 rather than extending at C1, and o is Black's evaluation after E1,
# C3.  Black's capture of Q at C1 gives the bonus t (Black E1 and C1).
# For White o stays: o + p = s, below 6.  White plays F1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X X X X
  . . . O . X . X .
  . . . X O . X . .
  . . X O X . . . .
  . . . O . . . . .
call IkkenEdgeNozoki E2 E1 E2 E1 C3 E2 F1 [F1=s:5]

[pin-peep-sum-five-j6-h4-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's G6, White's G7 and Black's J6 and H4 added, o is 0 and p 5:
# the sum s = 5 stays below 6 and gains nothing: s.
black to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . O . .
  O X X X . X X . X
  O O O . . . X O .
  . . . . . . . X .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin-peep-sum-five-j6-h4-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's G6, White's G7 and Black's J6 and H4 added, o is 0 and p 5:
# the sum s = 5 stays below 6 and gains nothing: s.
white to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . O . .
  O X X X . X X . X
  O O O . . . X O .
  . . . . . . . X .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin-peep-sum-five-j6-j5-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's G6, White's G7 and Black's J6 and J5 added, o is 0 and p 5:
# the sum s = 5 stays below 6 and gains nothing: s.
black to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . O . .
  O X X X . X X . X
  O O O . . . X O X
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin-peep-sum-five-j6-j5-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's G6, White's G7 and Black's J6 and J5 added, o is 0 and p 5:
# the sum s = 5 stays below 6 and gains nothing: s.
white to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . O . .
  O X X X . X X . X
  O O O . . . X O X
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

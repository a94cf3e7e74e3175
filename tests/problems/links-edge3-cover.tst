# Jumps to the edge, third round: the corner reading of the attached stone
# and the branches of the edge contact reading that the earlier rounds left
# unread.  "call NAME S G ..." runs NAME on the relation of the second-line
# stone S to the edge beyond the first-line point G below it, with the
# routine's own points after G; the points after a repeated S are the lines
# of the row's working (the first from S's colour, the second from the
# other, colours alternating within a line; an empty line only keeps its
# place), and a value is answered as h0 or h1, the evaluation of that line
# for its first mover, with its reason.

[edge3-corner-reading-ladder-moves-bottom-white]
# White's B2 (A) stands beside Black's C2 (B); Black's chain C2-D2 has three
# liberties (C1, D3, E2); E = D2 is Black's and F = E2 beyond it is empty.
# C = B1 is the first-line point next to the corner, D = C1.  G = E3, one
# step beyond E from C on both axes, is White's with two liberties (D3, E2)
# and falls to the ladder: Black's atari at D3 (an atari at E2 lets White
# join C3 with three liberties), White extends to E2, Black F2, White E1
# joins D1 and has C1 and F1, Black F1, White C1 is left with B1 alone.  So
# the stored ladder starts D3 (L1), E2 (L2), read first (the row names E3).  The reading: White B1, Black
# D3, White C1, Black E2 (taking E3); its evaluation for White is h1 (the
# second line).  White to play takes the point C = B1 with h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . O X . . .
  . O X X . . . . .
  . . . O . . . . .
call IkkenEdgeSumiYomi:edge3 C2 C1 B2 C2 B1 C1 E3 C2 C2 B1 D3 C1 E2 [B1=h1:5]

[edge3-corner-reading-ladder-moves-bottom-black]
# The position of the row before with Black to play: the reading is the
# same (White B1, Black D3 = L1, White C1, Black E2 = L2, value h1 for
# White), and Black, the other side, takes the point D = C1 with it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . O X . . .
  . O X X . . . . .
  . . . O . . . . .
call IkkenEdgeSumiYomi:edge3 C2 C1 B2 C2 B1 C1 E3 C2 C2 B1 D3 C1 E2 [C1=h1:5]

[edge3-corner-reading-ladder-moves-left-white]
# The first row's position on the left edge: White's B2 (A) beside Black's
# B3 (B), Black's chain B3-B4 with three liberties (A3, C4, B5), E = B4,
# F = B5 empty, C = A2 next to the corner, D = A3.  G = C5 is White's with
# two liberties (C4, B5) and falls to the ladder that starts with Black's
# atari at C4 (L1; at B5 White would join C3), White extending to B5 (L2),
# then Black B6, White A5 joining A4, Black A6, White A3 left with A2 alone.
# The reading: White A2, Black C4, White A3, Black B5 (taking C5), value h1
# for White, at C = A2 for White to play.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X . . . . .
  O X . . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeSumiYomi:edge3 B3 A3 B2 B3 A2 A3 C5 B3 B3 A2 C4 A3 B5 [A2=h1:5]

[edge3-corner-reading-ladder-moves-left-black]
# The row before with Black to play: the same reading (White A2, Black C4,
# White A3, Black B5), value h1 for White, at D = A3 for Black.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O X . . . . .
  O X . . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeSumiYomi:edge3 B3 A3 B2 B3 A2 A3 C5 B3 B3 A2 C4 A3 B5 [A3=h1:5]

[edge3-corner-reading-beyond-chain-three-liberties-bottom-white]
# The first row without Black's E4: White's E3 (G) now has three liberties
# (D3, E2, E4), not the two the corner reading wants, so it reads nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O X . . .
  . O X X . . . . .
  . . . O . . . . .
call IkkenEdgeSumiYomi:edge3 C2 C1 B2 C2 B1 C1 E3 C2 C2 B1 D3 C1 E2 [none]

[edge3-corner-reading-ladder-moves-bottom-other-side-white]
# The first row's position turned to the bottom-right corner: White's H2 (A)
# beside Black's G2 (B), Black's chain G2-F2 with three liberties (G1, F3,
# E2), E = F2, F = E2 empty, C = H1 next to the corner, D = G1.  G = E3 is
# White's with two liberties (F3, E2); the ladder starts with Black's atari
# at F3 (L1; at E2 White would join G3 with three liberties), White extends
# to E2 (L2), Black D2, White E1 joins F1, Black D1, White G1 left with H1
# alone.  The reading: White H1, Black F3, White G1, Black E2 (taking E3),
# value h1 for White, at C = H1 for White to play.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . O . .
  . . . . . X X O .
  . . . . . O . . .
call IkkenEdgeSumiYomi:edge3 G2 G1 H2 G2 H1 G1 E3 G2 G2 H1 F3 G1 E2 [H1=h1:5]

[edge3-corner-reading-ladder-moves-bottom-other-side-black]
# The row before with Black to play: the same reading (White H1, Black F3,
# White G1, Black E2), value h1 for White, at D = G1 for Black.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . O . .
  . . . . . X X O .
  . . . . . O . . .
call IkkenEdgeSumiYomi:edge3 G2 G1 H2 G2 H1 G1 E3 G2 G2 H1 F3 G1 E2 [G1=h1:5]

[edge3-corner-reading-ladder-read-after-the-lines-white]
# The first row's position, with the reading called on the chains as the
# row's lines leave them: White's D3 and E2 in the lines join E3 to C3 and
# the lines are taken back, so E3's chain is rebuilt.  Its ladder is the
# same (Black D3 first, White E2 second), and the answer stays B1 with h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . O X . . .
  . O X X . . . . .
  . . . O . . . . .
call IkkenEdgeSumiYomi:edge3-as-found C2 C1 B2 C2 B1 C1 E3 C2 C2 B1 D3 C1 E2 [B1=h1:5]

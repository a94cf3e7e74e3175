# Jumps to the edge, second round: the family heads and strip patterns on
# positions whose candidate points and value rules are worked out by hand.
# "call NAME S G ..." runs NAME on the relation of the second-line stone S to
# the edge beyond the first-line point G below it; the points after a
# repeated S are the lines of the row's working (the first from the owner,
# the second from the opponent, colours alternating within a line), and a
# value is answered as an expression of s, the sum of the two lines'
# evaluations for their first movers (h0 or h1 for one line), with its reason.

[edge-cover-tuke-race-capture-above-stone-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
black to play
  . . . . . . . . .
  . . . O X O . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 F7 E8 E9 [F7=s:5]

[edge-cover-tuke-race-capture-above-stone-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
white to play
  . . . . . . . . .
  . . . O X O . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 F7 E8 E9 [E9=s:5]

[edge-cover-tuke-race-capture-above-stone-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . O X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 F3 E2 E1 [F3=s:5]

[edge-cover-tuke-race-capture-above-stone-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . O X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 F3 E2 E1 [E1=s:5]

[edge-cover-tuke-race-capture-above-stone-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . X O X . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 C4 B5 A5 [C4=s:5]

[edge-cover-tuke-race-capture-above-stone-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . X O X . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 C4 B5 A5 [A5=s:5]

[edge-cover-tuke-race-capture-above-stone-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X O .
  . . . . . X O X .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover H5 J5 H5 G4 H5 J5 [G4=s:5]

[edge-cover-tuke-race-capture-above-stone-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# has two liberties (C8, D9), Black's stone one (E9: White F8 and E7 take the
# others), so only the short race is read, on the strip C8 (K2), D8, E8, F8.
# C8 (row 0) is empty: X = C8, Y = C7, P = the stone, R = K, Z = E7, the
# point above the stone.  White's E7 has a single liberty (F7; Black D7 and
# E6 hold the others) and is not Black's colour, so the race turns into the
# captures: Black takes E7 at its liberty F7 (h0), White takes the stone at
# its liberty E9 (h1); the value is their sum s, at F7 for Black and at E9
# for White.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X O .
  . . . . . X O X .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover H5 J5 H5 G4 H5 J5 [J5=s:5]

[edge-cover-tuke-race-capture-above-k-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
black to play
  . . . . . . . . .
  . . X O X . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 D9 E8 C7 [D9=s:5]

[edge-cover-tuke-race-capture-above-k-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
white to play
  . . . . . . . . .
  . . X O X . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 D9 E8 C7 [C7=s:5]

[edge-cover-tuke-race-capture-above-k-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
# (the position mirrored)
black to play
  . . . . . . . . .
  . . . . X O X . .
  . . . . O X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 F9 E8 G7 [F9=s:5]

[edge-cover-tuke-race-capture-above-k-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
# (the position mirrored)
white to play
  . . . . . . . . .
  . . . . X O X . .
  . . . . O X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 F9 E8 G7 [G7=s:5]

[edge-cover-tuke-race-capture-above-k-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . X O X . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 D1 E2 C3 [D1=s:5]

[edge-cover-tuke-race-capture-above-k-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . X O X . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 D1 E2 C3 [C3=s:5]

[edge-cover-tuke-race-capture-above-k-left-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . O X O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 A4 B5 C3 [A4=s:5]

[edge-cover-tuke-race-capture-above-k-left-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) beside it
# is in atari (its liberty D9; Black C8, D7 and the stone hold the rest),
# the stone has two liberties (E9, F8): only the short race is read.  Row 0
# of the strip (C8) holds Black's stone, row 3 (F8) is empty: X = F8, Y = F7,
# P = K, R = the stone, Z = D7 above K, and the pattern's colour is the
# stone's, Black.  Black's D7 has a single liberty (C7; White D6 and E7 hold
# the others) and is not K's colour, so the race turns into the captures:
# White takes D7 at C7 (h1), Black takes K at D9 (h0); the value is their sum
# s, at C7 for White and at D9 for Black.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . O X O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 A4 B5 C3 [C3=s:5]

[edge-cover-tuke-block-beyond-k-top-black]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 C8 D7 D9 [C8=h0:5]

[edge-cover-tuke-block-beyond-k-top-white]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 C8 D7 D9 [D7=h0:5]

[edge-cover-tuke-block-beyond-k-bottom-mirror-black]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . X X . . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 G2 F3 F1 [G2=h0:5]

[edge-cover-tuke-block-beyond-k-bottom-mirror-white]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . X X . . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 G2 F3 F1 [F3=h0:5]

[edge-cover-tuke-block-beyond-k-top-mirror-black]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
# (the position mirrored)
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . X X . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 G8 F7 F9 [G8=h0:5]

[edge-cover-tuke-block-beyond-k-top-mirror-white]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
# (the position mirrored)
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . X X . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 G8 F7 F9 [F7=h0:5]

[edge-cover-tuke-block-beyond-k-left-black]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . . . . . .
  . X X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 B7 C6 A6 [B7=h0:5]

[edge-cover-tuke-block-beyond-k-left-white]
# Black's second-line stone E8 (with E7 F7) jumps to the top edge; White's
# lone D8 (K) stands beside it, White C6 further off.  On the strip C8 (K2),
# D8, E8, F8 the pattern's colour is White's (K), Black blocks at X = C8
# beyond K, Y = D7 above K.  C8 touches no Black stone and one White stone,
# it is no self-atari and no ladder catches it (three liberties); White's D9
# with Black D7 does not cut it off (Black's D7 joins E7); White's D7 leaves
# K's chain three liberties (D9, C7, D6), so no ladder: Black then takes D9.
# v = Black's evaluation after Black C8, White D7, Black D9 (h0).  Black
# plays C8; for White the answer is Y itself, D7 (one Black and one White
# neighbour, two empty).  From F8's side White's block meets Black's E7 and
# F7, so nothing more.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . . . . . .
  . X X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 B7 C6 A6 [C6=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-top-black]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X X . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 C8 [C8=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-top-white]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X X . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 C8 [C7=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-bottom-mirror-black]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . X X . . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 G2 [G2=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-bottom-mirror-white]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . X X . . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 G2 [G3=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-top-mirror-black]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
# (the position mirrored)
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . X X . . . .
  . . . . . X O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 G8 [G8=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-top-mirror-white]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
# (the position mirrored)
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . X X . . . .
  . . . . . X O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 G8 [G7=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-left-black]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . X . . . . .
  . X X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 B7 [B7=h0:5]

[edge-cover-tuke-block-beyond-k-ladder-left-white]
# The block beyond K of edge-cover-tuke-block-beyond-k with Black D6 added:
# after Black C8 White's D7 leaves the chain D8-D7 two liberties (D9, C7) and
# Black's C7 chases it along the first line into the corner (a ladder), so
# the reading stops at Black's C8: v = Black's evaluation after C8 (h0).
# Black plays C8; for White, Y = D7 has two Black neighbours (E7, D6), so
# White's answer is C7, the third-line point beyond K.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . X . . . . .
  . X X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 B7 [C7=h0:5]

[edge-cover-wedge-alone-hane-beside-stone-top-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
black to play
  . . O . O . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 F8 [F9=s+4:5]

[edge-cover-wedge-alone-hane-beside-stone-top-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
white to play
  . . O . O . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 F8 [F8=s+4:5]

[edge-cover-wedge-alone-hane-beside-stone-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
# (the position mirrored)
black to play
  . . . . O . O . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 D8 [D9=s+4:5]

[edge-cover-wedge-alone-hane-beside-stone-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
# (the position mirrored)
white to play
  . . . . O . O . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 D8 [D8=s+4:5]

[edge-cover-wedge-alone-hane-beside-stone-right-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . . . X O
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover H5 J5 H5 J4 J6 H5 H4 [J4=s+4:5]

[edge-cover-wedge-alone-hane-beside-stone-right-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . . . X O
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover H5 J5 H5 J4 J6 H5 H4 [H4=s+4:5]

[edge-cover-wedge-alone-hane-beside-stone-left-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A6 A4 B5 B6 [A6=s+4:5]

[edge-cover-wedge-alone-hane-beside-stone-left-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and nothing else
# in the six cells: S = F9, X = D9, T = F8.  F9 is no self-atari for White.
# T is empty with two empty neighbours (F7, F9) and one White neighbour (G8):
# White's point is the hane T, F8 (h1).  Black's part: Black F9 keeps two
# liberties, White plays X = D9 (h0), and Black's evaluation there is
# positive, so it gains 4: s + 4.  Black's point F9, White's F8.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A6 A4 B5 B6 [B6=s+4:5]

[edge-cover-attached-pair-s-owned-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
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
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 C8 E8 D9 [D9=s+s/2:5]

[edge-cover-attached-pair-s-owned-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
white to play
  . . . . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 C8 E8 D9 [D9=s+s/2:5]

[edge-cover-attached-pair-s-owned-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . X . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 C2 E2 D1 [D1=s+s/2:5]

[edge-cover-attached-pair-s-owned-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . X . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 C2 E2 D1 [D1=s+s/2:5]

[edge-cover-attached-pair-s-owned-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  X . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B7 B5 A6 [A6=s+s/2:5]

[edge-cover-attached-pair-s-owned-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  X . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B7 B5 A6 [A6=s+s/2:5]

[edge-cover-attached-pair-s-owned-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H7 H5 J6 [J6=s+s/2:5]

[edge-cover-attached-pair-s-owned-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4), and Black holds S = F9.  Black's line as in the
# two-forcing-lines rows: Black D9, White C9, Black E9, and White's C9 is
# caught on the first line (Black C8 first), White escapes at C8: h0 (D9 C9
# E9 C8), a forcing line for Black.  White's line: with Black on F9 and E8
# the push at the gap E9 would be a self-atari, so White plays under K at
# N = D9 instead (h1), no forcing line; nothing to chase beyond (Black's F9
# keeps three liberties).  One forcing line, Black's: s + s/2 for either
# engine, and both candidates are D9 (Black's descent, White's own).
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H7 H5 J6 [J6=s+s/2:5]

[edge-cover-hane-cut-prepared-top-black]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
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
call IkkenEdgeTukeHaneKiri:prep E8 E9 C8 F8 [C8 C8/C7/D9 C8/D9/C7]

[edge-cover-hane-cut-prepared-top-white]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
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
call IkkenEdgeTukeHaneKiri:prep E8 E9 C8 F8 [D9]

[edge-cover-hane-cut-prepared-top-mirror-black]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
# (the position mirrored)
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep E8 E9 G8 D8 [G8 G8/G7/F9 G8/F9/G7]

[edge-cover-hane-cut-prepared-top-mirror-white]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
# (the position mirrored)
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep E8 E9 G8 D8 [F9]

[edge-cover-hane-cut-prepared-left-black]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . O O X X . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep B5 A5 B7 B4 [B7 B7/C7/A6 B7/A6/C7]

[edge-cover-hane-cut-prepared-left-white]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . O O X X . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep B5 A5 B7 B4 [A6]

[edge-cover-hane-cut-prepared-bottom-mirror-black]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X O O .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep E2 E1 G2 D2 [G2 G2/G3/F1 G2/F1/G3]

[edge-cover-hane-cut-prepared-bottom-mirror-white]
# The hane-cut of edge-attached-hane-cut: Black E8, White D8 (K) with D7
# above it, White C6; the strip C8 (K2), D8, E8, F8.  For Black (the block's
# colour) the candidate is the hane C8 with two prepared answers: White's
# C7 is answered at D9, White's D9 at C7.  For White the candidate is D9
# (C7 captures nothing) and nothing is prepared.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X O O .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep E2 E1 G2 D2 [F1]

[edge-cover-attached-pair-first-line-exchange-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 [D9=s:5]

[edge-cover-attached-pair-first-line-exchange-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 [E9=s:5]

[edge-cover-attached-pair-first-line-exchange-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 [D1=s:5]

[edge-cover-attached-pair-first-line-exchange-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 [E1=s:5]

[edge-cover-attached-pair-first-line-exchange-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . X . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 [A6=s:5]

[edge-cover-attached-pair-first-line-exchange-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . X . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 [A5=s:5]

[edge-cover-attached-pair-first-line-exchange-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . O . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 [J6=s:5]

[edge-cover-attached-pair-first-line-exchange-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both in walls (D8-D6 with C7, C5, C4; E8-E6
# with F7, F5, F4).  Black holds F7 above T = F8 and White C7 above K2 = C8,
# so the pair is read as the first-line exchange on the strip F8 (T), E8,
# D8, C8 (K2), the pattern's colour Black's: A = E9, B = F9, C = D9, D = C9.
# D is empty: Black's part is D9, White C9, Black E9 (h0; no cut of a large
# value to 8 here), Black's point D9.  B is empty: White's part is White E9,
# Black F9 (legal), White D9 (h1), White's point E9.  The value is the sum s
# for either engine.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . O . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 [J5=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-top-black]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
black to play
  . . O . . X . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 E8 D9 [E9=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-top-white]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
white to play
  . . O . . X . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 E8 D9 [D9=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-bottom-black]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
call IkkenEdgeTukeYomi E2 E1 E2 E1 E2 D1 [E1=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-bottom-white]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
call IkkenEdgeTukeYomi E2 E1 E2 E1 E2 D1 [D1=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-left-black]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  O . O . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  X . X . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A5 B5 A6 [A5=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-left-white]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  O . O . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  X . X . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A5 B5 A6 [A6=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-right-black]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . O . O
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . X . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J5 H5 J6 [J5=s:5]

[edge-cover-attached-pair-first-line-exchange-ends-taken-right-white]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) and Black F9 on B (under T): D is taken, so
# Black's part is the connection at A = E9 alone (h0), Black's point E9; B is
# taken, so White's part is the descent at C = D9 alone (h1), White's point
# D9.  The value is the sum s for either engine.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . O . O
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . X . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J5 H5 J6 [J6=s:5]

[edge-cover-peep-escape-aims-at-t-top-black]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
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
call IkkenEdgeNozoki E8 E9 E8 E9 C9 E8 E9 F9 C9 F8 E8 E9 E9 C9 [E9=o+(t-o)/3+p:5]

[edge-cover-peep-escape-aims-at-t-top-white]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
white to play
  . O . O . . . . .
  . O O X X . . . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 C9 E8 E9 F9 C9 F8 [E9=s:5]

[edge-cover-peep-escape-aims-at-t-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
# (the position mirrored)
black to play
  . . . . . O . O .
  . . . . X X O O .
  . . . . X X X O .
  . . . X . X . X .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 G9 E8 E9 D9 G9 D8 E8 E9 E9 G9 [E9=o+(t-o)/3+p:5]

[edge-cover-peep-escape-aims-at-t-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
# (the position mirrored)
white to play
  . . . . . O . O .
  . . . . X X O O .
  . . . . X X X O .
  . . . X . X . X .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 G9 E8 E9 D9 G9 D8 [E9=s:5]

[edge-cover-peep-escape-aims-at-t-left-black]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
# (the position on the left edge)
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
call IkkenEdgeNozoki B5 A5 B5 A5 A7 B5 A5 A4 A7 B4 B5 A5 A5 A7 [A5=o+(t-o)/3+p:5]

[edge-cover-peep-escape-aims-at-t-left-white]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  O O O X . . . . .
  . O X . X . . . .
  O X X X X . . . .
  . X X . X . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 A7 B5 A5 A4 A7 B4 [A5=s:5]

[edge-cover-peep-escape-aims-at-t-bottom-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . X . X . X .
  . . . . X X X O .
  . . . . X X O O .
  . . . . . O . O .
call IkkenEdgeNozoki E2 E1 E2 E1 G1 E2 E1 D1 G1 D2 E2 E1 E1 G1 [E1=o+(t-o)/3+p:5]

[edge-cover-peep-escape-aims-at-t-bottom-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it.  Black's chain D8-E8
# runs down into a group with two eyes (C6, E6), more than three liberties,
# so White's play at S = F9 first is not read.  White's part: the push E9 is
# no ladder (White's C9 would join the wall, and Black's own C9 is
# suicide); Black blocks at S = F9, which puts
# White's D9-E9 in atari; White escapes at C9 (joining the wall).  Black's F9 now
# has two liberties and White's F8 chases it along the first line into the
# corner, so White's escape aims at T = F8 and Black must take it: p = White
# E9, Black F9, White C9, Black F8 (h1).  Black's part: Black connects at
# E9, which leaves Q in atari; nothing of Black's is in atari, so White
# extends at C9 (h0 = Black E9, White C9); Black's capture at C9 after the
# connection (h2, Black E9 and C9; White's C9 then, joining the wall, sets
# no ladder against the connection) is the bonus, and for Black the owner's
# part moves a third of the way toward it.  The two parts nearly cancel
# (White's push with its threat at F8 is worth about what Black's connection
# is), so the sum stays below 6 and is not 2: no raise.
# Black: o + (t - o)/3 + p at the gap; White: s at the push E9.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . X . X . X .
  . . . . X X X O .
  . . . . X X O O .
  . . . . . O . O .
call IkkenEdgeNozoki E2 E1 E2 E1 G1 E2 E1 D1 G1 D2 [E1=s:5]

[edge-cover-wedge-beside-k-stone-in-atari-top-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
black to play
  . . . . O . . . .
  . . . O X . . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-beside-k-stone-in-atari-top-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
white to play
  . . . . O . . . .
  . . . O X . . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-beside-k-stone-in-atari-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
# (the position mirrored)
black to play
  . . . . O . . . .
  . . . . X O . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-beside-k-stone-in-atari-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
# (the position mirrored)
white to play
  . . . . O . . . .
  . . . . X O . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-beside-k-stone-in-atari-left-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  O X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 [none]

[edge-cover-wedge-beside-k-stone-in-atari-left-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  O X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 [none]

[edge-cover-wedge-beside-k-stone-in-atari-bottom-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:cover E2 E1 [none]

[edge-cover-wedge-beside-k-stone-in-atari-bottom-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone and White E7 above it, so the
# stone has one liberty left (F8).  White's E7 is in atari too (its liberty
# E6; Black D7 and F7 beside it).  The wedge beside K: T = F8 is not Black's,
# the marks are set, and the stone's chain is short of liberties, so the
# short-liberty reading takes over; it stops at once for a chain in atari:
# no candidate for either engine.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:cover E2 E1 [none]

[edge-cover-peep-escape-aims-at-t-white-owner-top-white]
# The position of edge-cover-peep-escape-aims-at-t with the colours
# exchanged: White's E8 jumps to the edge, Black's D9 peeps, Black's wall
# behind it.  The same lines with the colours exchanged: Black's push E9,
# White's block F9, Black's escape C9 aiming at F8, White F8 (h1); White's
# connection E9 and Black's extension C9 (h0); White's capture at C9 (h2).
# White: o + (t - o)/3 + p at the gap; Black: s at the push E9.
white to play
  . X . X . . . . .
  . X X O O . . . .
  . X O O O . . . .
  . O . O . O . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 C9 E8 E9 F9 C9 F8 E8 E9 E9 C9 [E9=o+(t-o)/3+p:5]

[edge-cover-peep-escape-aims-at-t-white-owner-top-black]
# The position of edge-cover-peep-escape-aims-at-t with the colours
# exchanged: White's E8 jumps to the edge, Black's D9 peeps, Black's wall
# behind it.  The same lines with the colours exchanged: Black's push E9,
# White's block F9, Black's escape C9 aiming at F8, White F8 (h1); White's
# connection E9 and Black's extension C9 (h0); White's capture at C9 (h2).
# White: o + (t - o)/3 + p at the gap; Black: s at the push E9.
black to play
  . X . X . . . . .
  . X X O O . . . .
  . X O O O . . . .
  . O . O . O . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 C9 E8 E9 F9 C9 F8 [E9=s:5]

[edge-cover-peep-escape-aims-at-t-white-owner-top-mirror-white]
# The position of edge-cover-peep-escape-aims-at-t with the colours
# exchanged: White's E8 jumps to the edge, Black's D9 peeps, Black's wall
# behind it.  The same lines with the colours exchanged: Black's push E9,
# White's block F9, Black's escape C9 aiming at F8, White F8 (h1); White's
# connection E9 and Black's extension C9 (h0); White's capture at C9 (h2).
# White: o + (t - o)/3 + p at the gap; Black: s at the push E9.
# (the position mirrored)
white to play
  . . . . . X . X .
  . . . . O O X X .
  . . . . O O O X .
  . . . O . O . O .
  . . . . O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 G9 E8 E9 D9 G9 D8 E8 E9 E9 G9 [E9=o+(t-o)/3+p:5]

[edge-cover-peep-escape-aims-at-t-white-owner-top-mirror-black]
# The position of edge-cover-peep-escape-aims-at-t with the colours
# exchanged: White's E8 jumps to the edge, Black's D9 peeps, Black's wall
# behind it.  The same lines with the colours exchanged: Black's push E9,
# White's block F9, Black's escape C9 aiming at F8, White F8 (h1); White's
# connection E9 and Black's extension C9 (h0); White's capture at C9 (h2).
# White: o + (t - o)/3 + p at the gap; Black: s at the push E9.
# (the position mirrored)
black to play
  . . . . . X . X .
  . . . . O O X X .
  . . . . O O O X .
  . . . O . O . O .
  . . . . O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 G9 E8 E9 D9 G9 D8 [E9=s:5]

[edge-cover-attached-pair-first-line-exchange-far-end-taken-top-black]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) only: Black's part is the connection at
# A = E9 alone (h0), Black's point E9; B = F9 is empty, so White's part is
# White E9, Black F9, White D9 (h1), White's point E9.  The sum s for either
# engine, at E9 for both.
black to play
  . . O . . . . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 E8 E9 F9 D9 [E9=s:5]

[edge-cover-attached-pair-first-line-exchange-far-end-taken-top-white]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) only: Black's part is the connection at
# A = E9 alone (h0), Black's point E9; B = F9 is empty, so White's part is
# White E9, Black F9, White D9 (h1), White's point E9.  The sum s for either
# engine, at E9 for both.
white to play
  . . O . . . . . .
  . . . O X . . . .
  . . O O X X . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 E8 E9 F9 D9 [E9=s:5]

[edge-cover-attached-pair-first-line-exchange-far-end-taken-left-black]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) only: Black's part is the connection at
# A = E9 alone (h0), Black's point E9; B = F9 is empty, so White's part is
# White E9, Black F9, White D9 (h1), White's point E9.  The sum s for either
# engine, at E9 for both.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  O . O . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . X . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A5 B5 A5 A4 A6 [A5=s:5]

[edge-cover-attached-pair-first-line-exchange-far-end-taken-left-white]
# The first-line exchange of edge-cover-attached-pair-first-line-exchange
# with White C9 on D (under K2) only: Black's part is the connection at
# A = E9 alone (h0), Black's point E9; B = F9 is empty, so White's part is
# White E9, Black F9, White D9 (h1), White's point E9.  The sum s for either
# engine, at E9 for both.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  O . O . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . X . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A5 B5 A5 A4 A6 [A5=s:5]

[edge-cover-attached-pair-open-point-above-top-black]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
black to play
  . . . . . . . . .
  . . . O X . . O .
  . . O . . . X . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [E7=s+s/2:5]

[edge-cover-attached-pair-open-point-above-top-white]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
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
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5]

[edge-cover-attached-pair-open-point-above-bottom-black]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . O . . . X . .
  . . . O X . . O .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 F2 [E3=s+s/2:5]

[edge-cover-attached-pair-open-point-above-bottom-white]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . O . . . X . .
  . . . O X . . O .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 F2 [E1=s+s/2:5]

[edge-cover-attached-pair-open-point-above-left-black]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . O . . . . . . .
  . X . . X . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 B4 [C5=s+s/2:5]

[edge-cover-attached-pair-open-point-above-left-white]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . O . . . . . . .
  . X . . X . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 B4 [A5=s+s/2:5]

[edge-cover-attached-pair-open-point-above-right-black]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O O . .
  . . . . . . . O .
  . . . . X . . X .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 H4 [G5=s+s/2:5]

[edge-cover-attached-pair-open-point-above-right-white]
# Black's second-line stone E8 (Black G7 and E5 around) jumps to the top
# edge; White's lone D8 (K) stands beside it on the smaller side (White C7
# C6 behind, White H8 further off).  Black's line: Black D9 (no ladder on E8
# or D9: White's E9 would be a self-atari), K keeps two liberties, White
# answers under at C9; Black's K2 block at C8 would be a self-atari, so no
# ladder threat; Black connects at E9 (no ladder, and no loose move: F6 is
# not White's).  The point above the stone, E7, is empty with the six other
# points around it empty: Black's line becomes E7 alone.  White's C9 escapes
# toward C8 (no capture), and Black's block at C8 keeps one liberty: the
# plain line, h0 = D9, C9, E9.  White's line: White E9 (no ladder: White's
# D9 joins K, White's run along the first line meets H8); Black blocks at
# F9, White D9 joins K (no ladder on it, no loose move: C7 is White's);
# Black's F9 is caught on the first line (White F8, then H8 stops Black's
# run), so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for
# White.  One forcing line: s + s/2 for either engine, at Black's E7 and
# White's E9.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O O . .
  . . . . . . . O .
  . . . . X . . X .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 H4 [J5=s+s/2:5]

[edge-cover-wedge-alone-block-in-atari-top-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and White G9 on
# the other side (O3): O2 holds White, so S = F9, X = D9, T = F8.  F9 is no
# self-atari for White (it joins E9 and G9).  (With stones on both sides the
# O2 side decides, so the mirror image reads the same side.)  T is empty with three empty
# neighbours: White's point is the hane F8 (h1).  Black's block at F9 would
# be in atari (E9 and G9 White), so Black takes T = F8 instead; White plays
# X = D9 (h0); Black's evaluation there is positive: 4 more, s + 4.  Both
# engines' point is F8.
black to play
  . . O . O . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F8 D9 E8 F8 [F8=s+4:5]

[edge-cover-wedge-alone-block-in-atari-top-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and White G9 on
# the other side (O3): O2 holds White, so S = F9, X = D9, T = F8.  F9 is no
# self-atari for White (it joins E9 and G9).  (With stones on both sides the
# O2 side decides, so the mirror image reads the same side.)  T is empty with three empty
# neighbours: White's point is the hane F8 (h1).  Black's block at F9 would
# be in atari (E9 and G9 White), so Black takes T = F8 instead; White plays
# X = D9 (h0); Black's evaluation there is positive: 4 more, s + 4.  Both
# engines' point is F8.
white to play
  . . O . O . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F8 D9 E8 F8 [F8=s+4:5]

[edge-cover-wedge-alone-block-in-atari-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and White G9 on
# the other side (O3): O2 holds White, so S = F9, X = D9, T = F8.  F9 is no
# self-atari for White (it joins E9 and G9).  (With stones on both sides the
# O2 side decides, so the mirror image reads the same side.)  T is empty with three empty
# neighbours: White's point is the hane F8 (h1).  Black's block at F9 would
# be in atari (E9 and G9 White), so Black takes T = F8 instead; White plays
# X = D9 (h0); Black's evaluation there is positive: 4 more, s + 4.  Both
# engines' point is F8.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . O . O . .
call IkkenEdgeWarikomi:cover E2 E1 E2 F2 D1 E2 F2 [F2=s+4:5]

[edge-cover-wedge-alone-block-in-atari-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9, with White C9 two points along the first line (O2) and White G9 on
# the other side (O3): O2 holds White, so S = F9, X = D9, T = F8.  F9 is no
# self-atari for White (it joins E9 and G9).  (With stones on both sides the
# O2 side decides, so the mirror image reads the same side.)  T is empty with three empty
# neighbours: White's point is the hane F8 (h1).  Black's block at F9 would
# be in atari (E9 and G9 White), so Black takes T = F8 instead; White plays
# X = D9 (h0); Black's evaluation there is positive: 4 more, s + 4.  Both
# engines' point is F8.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . O . O . .
call IkkenEdgeWarikomi:cover E2 E1 E2 F2 D1 E2 F2 [F2=s+4:5]

[edge-cover-wedge-alone-t-owned-top-black]
# The lone wedge of edge-cover-wedge-alone-hane-beside-stone with Black F8
# on T instead of White G8: the owner already holds the second-line point
# above S, nothing is read: no candidate.
black to play
  . . O . O . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-alone-t-owned-top-white]
# The lone wedge of edge-cover-wedge-alone-hane-beside-stone with Black F8
# on T instead of White G8: the owner already holds the second-line point
# above S, nothing is read: no candidate.
white to play
  . . O . O . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-alone-t-owned-top-mirror-black]
# The lone wedge of edge-cover-wedge-alone-hane-beside-stone with Black F8
# on T instead of White G8: the owner already holds the second-line point
# above S, nothing is read: no candidate.
# (the position mirrored)
black to play
  . . . . O . O . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-alone-t-owned-top-mirror-white]
# The lone wedge of edge-cover-wedge-alone-hane-beside-stone with Black F8
# on T instead of White G8: the owner already holds the second-line point
# above S, nothing is read: no candidate.
# (the position mirrored)
white to play
  . . . . O . O . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge-cover-wedge-extended-safe-block-top-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
black to play
  . . . O O . . . .
  . . . . X . . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 E8 G9 [F9=s:4]

[edge-cover-wedge-extended-safe-block-top-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
white to play
  . . . O O . . . .
  . . . . X . . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 E8 G9 [G9=s:5]

[edge-cover-wedge-extended-safe-block-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
# (the position mirrored)
black to play
  . . . . O O . . .
  . X . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 E8 C9 [D9=s:4]

[edge-cover-wedge-extended-safe-block-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
# (the position mirrored)
white to play
  . . . . O O . . .
  . X . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 E8 C9 [C9=s:5]

[edge-cover-wedge-extended-safe-block-left-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 B5 A3 [A4=s:4]

[edge-cover-wedge-extended-safe-block-left-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 B5 A3 [A3=s:5]

[edge-cover-wedge-extended-safe-block-bottom-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D1 E2 C1 [D1=s:4]

[edge-cover-wedge-extended-safe-block-bottom-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it on the first line, so Black blocks on the other side,
# S = F9 (T = F8, U = G8, W = G9).  F9 is no self-atari.  Black's F9 is safe:
# White's F8 chases it along the first line, but Black's H8 stops the run,
# White's F8 keeps two liberties and ataris only F9.  So Black's point is
# F9 with Black's evaluation after it (h0); it does not put White's E9-D9
# in atari (C9 and D8 stay), so no doubling.  White's point: U is empty
# (not Black's), W = G9 is empty with three empty neighbours: White G9
# (h1).  s, for Black with the reason of the connection and White's G9 as
# related point, for White plainly.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D1 E2 C1 [C1=s:5]

[edge-cover-wedge-extended-unsafe-block-top-black]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
black to play
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 G8 E8 G9 [G8=s:4]

[edge-cover-wedge-extended-unsafe-block-top-white]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
white to play
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 G8 E8 G9 [G9=s:5]

[edge-cover-wedge-extended-unsafe-block-top-mirror-black]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
# (the position mirrored)
black to play
  . . . . O O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 C8 E8 C9 [C8=s:4]

[edge-cover-wedge-extended-unsafe-block-top-mirror-white]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
# (the position mirrored)
white to play
  . . . . O O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 C8 E8 C9 [C9=s:5]

[edge-cover-wedge-extended-unsafe-block-left-black]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 B3 B5 A3 [B3=s:4]

[edge-cover-wedge-extended-unsafe-block-left-white]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 B3 B5 A3 [A3=s:5]

[edge-cover-wedge-extended-unsafe-block-bottom-mirror-black]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 C2 E2 C1 [C2=s:4]

[edge-cover-wedge-extended-unsafe-block-bottom-mirror-white]
# The wedge of edge-cover-wedge-extended-safe-block without Black's H8:
# White's F8 now chases Black's F9 along the first line into the corner, so
# the block is not safe.  Black's answer on the second line: U = G8 is empty,
# White's F8 would atari nothing, G8 is not on the first line and has no
# Black neighbour: Black's point is G8 (h0).  White's point as before, G9
# (h1).  s, for Black with the reason of the connection.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 C2 E2 C1 [C1=s:5]

[edge-cover-wedge-beside-k-short-hane-top-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
black to play
  . . . . O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F8 E8 G9 [F8=s+3:5]

[edge-cover-wedge-beside-k-short-hane-top-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
white to play
  . . . . O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F8 E8 G9 [G9=s+3:5]

[edge-cover-wedge-beside-k-short-hane-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
# (the position mirrored)
black to play
  . . . . O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D8 E8 C9 [D8=s+3:5]

[edge-cover-wedge-beside-k-short-hane-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
# (the position mirrored)
white to play
  . . . . O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D8 E8 C9 [C9=s+3:5]

[edge-cover-wedge-beside-k-short-hane-left-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  O X . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 B4 B5 A3 [B4=s+3:5]

[edge-cover-wedge-beside-k-short-hane-left-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  O X . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 B4 B5 A3 [A3=s+3:5]

[edge-cover-wedge-beside-k-short-hane-bottom-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D2 E2 C1 [D2=s+3:5]

[edge-cover-wedge-beside-k-short-hane-bottom-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White has wedged at the
# gap E9 with White D8 (K) beside the stone: S = F9, N = D9, T = F8, U = G8,
# W = G9.  The stone has two liberties (F8, E7), its group (E6 with D6 F6)
# is not dead: the short-liberty reading.  T is not on the first line, U is
# empty, F9 is no self-atari for Black.  White's point: T is no self-atari
# for White, and W is empty with three empty neighbours: W = G9 (h1; it
# leaves the stone's two-liberty chain cut off under White's wall, a large
# value, 10 or more: 3 more; G9 is in no capturing race, so no cap at 19).  Black's part: Black F9, White's
# hane at T keeps two liberties, and Black's N = D9 then has one liberty:
# Black answers at T = F8 instead of F9 (h0).  s + 3, at F8 for Black and
# G9 for White.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D2 E2 C1 [C1=s+3:5]

[edge-cover-attached-pair-capture-beside-stone-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
black to play
  . . . . . . . . .
  . . O O X . . . .
  . . O X O . . . .
  . . O X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 F7 E8 E9 F7 [F7=s:5]

[edge-cover-attached-pair-capture-beside-stone-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
white to play
  . . . . . . . . .
  . . O O X . . . .
  . . O X O . . . .
  . . O X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 F7 E8 E9 F7 [E9=s:5]

[edge-cover-attached-pair-capture-beside-stone-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X X . . . .
  . . O X O . . . .
  . . O O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 F3 E2 E1 F3 [F3=s:5]

[edge-cover-attached-pair-capture-beside-stone-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X X . . . .
  . . O X O . . . .
  . . O O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 F3 E2 E1 F3 [E1=s:5]

[edge-cover-attached-pair-capture-beside-stone-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O O . . . . .
  . O X X . . . . .
  . X O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 C4 B5 A5 C4 [C4=s:5]

[edge-cover-attached-pair-capture-beside-stone-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O O . . . . .
  . O X X . . . . .
  . X O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 C4 B5 A5 C4 [A5=s:5]

[edge-cover-attached-pair-capture-beside-stone-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O O O .
  . . . . . X X O .
  . . . . . X O X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 G4 H5 J5 G4 [G4=s:5]

[edge-cover-attached-pair-capture-beside-stone-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, in White's wall D8-C8-C7-C6.  White's E7
# above the stone is in atari (its liberty F7; Black D7-D6-E6 around it), and
# the stone has two liberties (E9, F8): the capture beside the stone is read
# instead of the pair.  Black's part: Black takes E7 at F7 (h0).  White's
# part: White pushes at the gap E9 and Black still takes at F7 (h1, for
# White).  s, at F7 for Black and at the gap E9 for White.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O O O .
  . . . . . X X O .
  . . . . . X O X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 G4 H5 J5 G4 [J5=s:5]

[edge-cover-wedge-beside-k-captured-wedge-top-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
white to play
  . . . . O . . . .
  . . X O X . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 G8 E8 F8 E8 E8 G9 [F8=h0+h1:5|G9=h0+h3:5]

[edge-cover-wedge-beside-k-captured-wedge-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position mirrored)
white to play
  . . . . O . . . .
  . . . . X O X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 C8 E8 D8 E8 E8 C9 [D8=h0+h1:5|C9=h0+h3:5]

[edge-cover-wedge-beside-k-captured-wedge-left-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . O X . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 B3 B5 B4 B5 B5 A3 [B4=h0+h1:5|A3=h0+h3:5]

[edge-cover-wedge-beside-k-captured-wedge-bottom-mirror-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . . X O X . .
  . . . . O . . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 C2 E2 D2 E2 E2 C1 [D2=h0+h1:5|C1=h0+h3:5]

[edge-cover-wedge-beside-k-owner-above-t-top-white]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
white to play
  . . . . O . . . .
  . . . O X . X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 F9 [F9=s:5]

[edge-cover-wedge-beside-k-owner-above-t-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
# (the position mirrored)
white to play
  . . . . O . . . .
  . . X . X O . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 D9 [D9=s:5]

[edge-cover-wedge-beside-k-owner-above-t-left-white]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . X . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 A6 B5 A4 [A4=s:5]

[edge-cover-wedge-beside-k-owner-above-t-bottom-mirror-white]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D1 F1 E2 D1 [D1=s:5]

[edge-cover-wedge-beside-k-descent-beyond-u-top-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
white to play
  . . . . O . . . .
  . . . O X . X X .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 G9 H9 F9 [G9=s:5]

[edge-cover-wedge-beside-k-descent-beyond-u-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
# (the position mirrored)
white to play
  . . . . O . . . .
  . X X . X O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 C9 B9 D9 [C9=s:5]

[edge-cover-wedge-beside-k-descent-beyond-u-left-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 A6 B5 A3 A2 A4 [A3=s:5]

[edge-cover-wedge-beside-k-descent-beyond-u-bottom-mirror-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . X X . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D1 F1 E2 C1 B1 D1 [C1=s:5]

[edge-cover-hane-cut-caught-top-black]
# The hane-cut of edge-attached-hane-cut (Black E8, White D8 (K) with D7
# above it, White C6 B6, Black D6 D5; strip C8 (K2), D8, E8, F8) with White
# B8 added: after Black C8, White D9, Black C7, Black's C8-C7 has two
# liberties (B7, C9) and White's B7 chases it into the corner: the cut fails
# and the pattern adds nothing.
black to play
  . . . . . . . . .
  . O . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 [none]

[edge-cover-hane-cut-caught-top-white]
# The hane-cut of edge-attached-hane-cut (Black E8, White D8 (K) with D7
# above it, White C6 B6, Black D6 D5; strip C8 (K2), D8, E8, F8) with White
# B8 added: after Black C8, White D9, Black C7, Black's C8-C7 has two
# liberties (B7, C9) and White's B7 chases it into the corner: the cut fails
# and the pattern adds nothing.
white to play
  . . . . . . . . .
  . O . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 [none]

[edge-cover-hane-cut-caught-top-mirror-black]
# The hane-cut of edge-attached-hane-cut (Black E8, White D8 (K) with D7
# above it, White C6 B6, Black D6 D5; strip C8 (K2), D8, E8, F8) with White
# B8 added: after Black C8, White D9, Black C7, Black's C8-C7 has two
# liberties (B7, C9) and White's B7 chases it into the corner: the cut fails
# and the pattern adds nothing.
# (the position mirrored)
black to play
  . . . . . . . . .
  . . . . X O . O .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 G8 D8 [none]

[edge-cover-hane-cut-caught-top-mirror-white]
# The hane-cut of edge-attached-hane-cut (Black E8, White D8 (K) with D7
# above it, White C6 B6, Black D6 D5; strip C8 (K2), D8, E8, F8) with White
# B8 added: after Black C8, White D9, Black C7, Black's C8-C7 has two
# liberties (B7, C9) and White's B7 chases it into the corner: the cut fails
# and the pattern adds nothing.
# (the position mirrored)
white to play
  . . . . . . . . .
  . . . . X O . O .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 G8 D8 [none]

[edge-cover-hane-cut-short-extension-top-black]
# The hane-cut of edge-attached-hane-cut with Black B7 and A8 added: the cut
# stands (Black's C8-C7 joins B7), and after White C7, Black D9 White's
# extension beyond at B8 would keep one liberty (B9), so the reading stops
# with Black's evaluation after Black C8, White C7, Black D9 (h0).  For
# Black the hane C8; for White D9 (C7 captures nothing).
black to play
  . . . . . . . . .
  X . . O X . . . .
  . X . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 [C8=h0:5]

[edge-cover-hane-cut-short-extension-top-white]
# The hane-cut of edge-attached-hane-cut with Black B7 and A8 added: the cut
# stands (Black's C8-C7 joins B7), and after White C7, Black D9 White's
# extension beyond at B8 would keep one liberty (B9), so the reading stops
# with Black's evaluation after Black C8, White C7, Black D9 (h0).  For
# Black the hane C8; for White D9 (C7 captures nothing).
white to play
  . . . . . . . . .
  X . . O X . . . .
  . X . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 [D9=h0:5]

[edge-cover-hane-cut-short-extension-top-mirror-black]
# The hane-cut of edge-attached-hane-cut with Black B7 and A8 added: the cut
# stands (Black's C8-C7 joins B7), and after White C7, Black D9 White's
# extension beyond at B8 would keep one liberty (B9), so the reading stops
# with Black's evaluation after Black C8, White C7, Black D9 (h0).  For
# Black the hane C8; for White D9 (C7 captures nothing).
# (the position mirrored)
black to play
  . . . . . . . . .
  . . . . X O . . X
  . . . . X O . X .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 G8 D8 E8 G8 G7 F9 [G8=h0:5]

[edge-cover-hane-cut-short-extension-top-mirror-white]
# The hane-cut of edge-attached-hane-cut with Black B7 and A8 added: the cut
# stands (Black's C8-C7 joins B7), and after White C7, Black D9 White's
# extension beyond at B8 would keep one liberty (B9), so the reading stops
# with Black's evaluation after Black C8, White C7, Black D9 (h0).  For
# Black the hane C8; for White D9 (C7 captures nothing).
# (the position mirrored)
white to play
  . . . . . . . . .
  . . . . X O . . X
  . . . . X O . X .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 G8 D8 E8 G8 G7 F9 [F9=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-top-black]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
black to play
  . . . . . . . . .
  . . . O X X . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 C8 D7 D9 [C8=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-top-white]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
white to play
  . . . . . . . . .
  . . . O X X . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 C8 D7 D9 [D7=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-top-mirror-black]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
# (the position mirrored)
black to play
  . . . . . . . . .
  . . . X X O . . .
  . . . . O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 G8 F7 F9 [G8=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-top-mirror-white]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
# (the position mirrored)
white to play
  . . . . . . . . .
  . . . X X O . . .
  . . . . O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 E8 G8 F7 F9 [F7=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-left-black]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 B7 C6 A6 [B7=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-left-white]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . . . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover B5 A5 B5 B7 C6 A6 [C6=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-bottom-mirror-black]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . O . . . .
  . . . X X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 G2 F3 F1 [G2=h0:5]

[edge-cover-tuke-block-beyond-k-answer-above-bottom-mirror-white]
# Black's second-line stones E8-F8 jump to the top edge; White's D8 (K)
# stands beside E8, White E7 above the stone, Black D6.  On the strip C8
# (K2), D8, E8, F8 the pattern's colour is White's: Black blocks at X = C8
# (one White neighbour, no Black one, three liberties, no ladder); Y = D7 is
# empty.  Black's chain E8-F8 has four liberties.  White's D9 with Black's
# D7 does not cut the block off (D7 joins D6); White's D7 joins D8 and E7
# with four liberties, no ladder; Black then takes D9: v = Black's
# evaluation after C8, D7, D9 (h0).  For White the answer: Y has one Black
# neighbour (D6), one empty (C7) and two White ones (D8, E7): neither two
# Black neighbours nor two empty ones, and a Black neighbour: Y itself, D7.
# From F8's side the row-0 point is Black's own F8: nothing more.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . O . . . .
  . . . X X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 E2 G2 F3 F1 [F3=h0:5]

[edge-cover-wedge-extended-hane-under-wall-top-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
black to play
  . . . O O . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F8 F9 E8 F8 [F8=s:4]

[edge-cover-wedge-extended-hane-under-wall-top-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
white to play
  . . . O O . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F8 F9 E8 F8 [F8=s:5]

[edge-cover-wedge-extended-hane-under-wall-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
# (the position mirrored)
black to play
  . . . . O O . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D8 D9 E8 D8 [D8=s:4]

[edge-cover-wedge-extended-hane-under-wall-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
# (the position mirrored)
white to play
  . . . . O O . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D8 D9 E8 D8 [D8=s:5]

[edge-cover-wedge-extended-hane-under-wall-left-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 B4 A4 B5 B4 [B4=s:4]

[edge-cover-wedge-extended-hane-under-wall-left-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 B4 A4 B5 B4 [B4=s:5]

[edge-cover-wedge-extended-hane-under-wall-bottom-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D2 D1 E2 D2 [D2=s:4]

[edge-cover-wedge-extended-hane-under-wall-bottom-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White's wedge E9 has
# White D9 beside it, so Black blocks on the other side, S = F9 (T = F8,
# U = G8, W = G9), and White holds U.  Black's F9 is not safe: White's F8
# ataris it and Black's extension to G9 meets White's G8.  U is White's, so
# Black answers at T = F8, and with White on U White still plays S = F9:
# h0 (Black F8, White F9), Black's point F8.  White's point: U is not
# Black's, W = G9 has only two empty neighbours, T has two (F7, F9): White's
# hane at T, F8 (h1).  s, for Black with the reason of the connection.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D2 D1 E2 D2 [D2=s:5]

[edge-cover-wedge-extended-owner-on-u-top-black]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
black to play
  . . . O O . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 E8 G9 [F9=s:4]

[edge-cover-wedge-extended-owner-on-u-top-white]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
white to play
  . . . O O . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 E8 G9 [G9=s:5]

[edge-cover-wedge-extended-owner-on-u-top-mirror-black]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
# (the position mirrored)
black to play
  . . . . O O . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 E8 C9 [D9=s:4]

[edge-cover-wedge-extended-owner-on-u-top-mirror-white]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
# (the position mirrored)
white to play
  . . . . O O . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 E8 C9 [C9=s:5]

[edge-cover-wedge-extended-owner-on-u-left-black]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 B5 A3 [A4=s:4]

[edge-cover-wedge-extended-owner-on-u-left-white]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 B5 A3 [A3=s:5]

[edge-cover-wedge-extended-owner-on-u-bottom-mirror-black]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D1 E2 C1 [D1=s:4]

[edge-cover-wedge-extended-owner-on-u-bottom-mirror-white]
# The extended wedge (White E9 with D9; S = F9, T = F8, U = G8, W = G9) with
# Black holding U.  Black's F9 is safe: Black's G9 would join G8, and
# White's F8 between Black's stones keeps one liberty.  Black's point F9
# (h0, no doubling: White's E9-D9 keeps two liberties).  White's point: U is
# Black's, W is empty and no self-atari for White: White's G9 (h1).  s, for
# Black with the reason of the connection.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . O O . . .
call IkkenEdgeWarikomi:cover E2 E1 E2 D1 E2 C1 [C1=s:5]

[edge-cover-attached-pair-next-to-corner-top-black]
# Black's second-line stone C8 jumps to the top edge; White B8 (K) stands
# beside it toward the corner, both in walls (White B8-B4 with C4, Black
# C8-C6 with D5 D4).  N = B9, NN = A9 (the corner point), K2 = A8, gap C9, S = D9.
# Black's line: Black B9 (no self-atari, no ladder: White's C9 would be a
# self-atari and Black's C9 joins the wall); K keeps more than two
# liberties, but NN is the corner: Black's line is B9 with White's answer
# at K2, A8 (h0).  White's line: N = B9 is the point next to the corner and
# White's push at C9 would atari nothing, so White plays B9 itself (h1).  No
# forcing line: s, at B9 for either engine.
black to play
  . . . . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . O . X . . . . .
  . O O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi C8 C9 C8 B9 A8 C8 B9 [B9=s:5]

[edge-cover-attached-pair-next-to-corner-top-white]
# Black's second-line stone C8 jumps to the top edge; White B8 (K) stands
# beside it toward the corner, both in walls (White B8-B4 with C4, Black
# C8-C6 with D5 D4).  N = B9, NN = A9 (the corner point), K2 = A8, gap C9, S = D9.
# Black's line: Black B9 (no self-atari, no ladder: White's C9 would be a
# self-atari and Black's C9 joins the wall); K keeps more than two
# liberties, but NN is the corner: Black's line is B9 with White's answer
# at K2, A8 (h0).  White's line: N = B9 is the point next to the corner and
# White's push at C9 would atari nothing, so White plays B9 itself (h1).  No
# forcing line: s, at B9 for either engine.
white to play
  . . . . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . O . X . . . . .
  . O O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi C8 C9 C8 B9 A8 C8 B9 [B9=s:5]

[edge-cover-attached-pair-next-to-corner-bottom-black]
# Black's second-line stone C8 jumps to the top edge; White B8 (K) stands
# beside it toward the corner, both in walls (White B8-B4 with C4, Black
# C8-C6 with D5 D4).  N = B9, NN = A9 (the corner point), K2 = A8, gap C9, S = D9.
# Black's line: Black B9 (no self-atari, no ladder: White's C9 would be a
# self-atari and Black's C9 joins the wall); K keeps more than two
# liberties, but NN is the corner: Black's line is B9 with White's answer
# at K2, A8 (h0).  White's line: N = B9 is the point next to the corner and
# White's push at C9 would atari nothing, so White plays B9 itself (h1).  No
# forcing line: s, at B9 for either engine.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O X . . . . .
  . O . X . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi C2 C1 C2 B1 A2 C2 B1 [B1=s:5]

[edge-cover-attached-pair-next-to-corner-bottom-white]
# Black's second-line stone C8 jumps to the top edge; White B8 (K) stands
# beside it toward the corner, both in walls (White B8-B4 with C4, Black
# C8-C6 with D5 D4).  N = B9, NN = A9 (the corner point), K2 = A8, gap C9, S = D9.
# Black's line: Black B9 (no self-atari, no ladder: White's C9 would be a
# self-atari and Black's C9 joins the wall); K keeps more than two
# liberties, but NN is the corner: Black's line is B9 with White's answer
# at K2, A8 (h0).  White's line: N = B9 is the point next to the corner and
# White's push at C9 would atari nothing, so White plays B9 itself (h1).  No
# forcing line: s, at B9 for either engine.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O X . . . . .
  . O . X . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . O X . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi C2 C1 C2 B1 A2 C2 B1 [B1=s:5]

[edge-cover-attached-pair-next-to-corner-left-black]
# Black's second-line stone C8 jumps to the top edge; White B8 (K) stands
# beside it toward the corner, both in walls (White B8-B4 with C4, Black
# C8-C6 with D5 D4).  N = B9, NN = A9 (the corner point), K2 = A8, gap C9, S = D9.
# Black's line: Black B9 (no self-atari, no ladder: White's C9 would be a
# self-atari and Black's C9 joins the wall); K keeps more than two
# liberties, but NN is the corner: Black's line is B9 with White's answer
# at K2, A8 (h0).  White's line: N = B9 is the point next to the corner and
# White's push at C9 would atari nothing, so White plays B9 itself (h1).  No
# forcing line: s, at B9 for either engine.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . O O O O O . . .
  . X X X . O . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B7 A7 B7 A8 B9 B7 A8 [A8=s:5]

[edge-cover-attached-pair-next-to-corner-left-white]
# Black's second-line stone C8 jumps to the top edge; White B8 (K) stands
# beside it toward the corner, both in walls (White B8-B4 with C4, Black
# C8-C6 with D5 D4).  N = B9, NN = A9 (the corner point), K2 = A8, gap C9, S = D9.
# Black's line: Black B9 (no self-atari, no ladder: White's C9 would be a
# self-atari and Black's C9 joins the wall); K keeps more than two
# liberties, but NN is the corner: Black's line is B9 with White's answer
# at K2, A8 (h0).  White's line: N = B9 is the point next to the corner and
# White's push at C9 would atari nothing, so White plays B9 itself (h1).  No
# forcing line: s, at B9 for either engine.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . O O O O O . . .
  . X X X . O . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B7 A7 B7 A8 B9 B7 A8 [A8=s:5]


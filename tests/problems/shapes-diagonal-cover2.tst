# Known-answer rows for the diagonal link (second set): the cutter that a
# ladder takes, the second-line link whose stone a ladder takes, the
# crossing stone in atari between two short-of-liberty link stones.

# --- The cutter caught by a ladder on the third line ------------------------------
# Black's D3-E4 with White's D4 on the crossing point; the cut is E3, on the
# third line.  White's E3 would have two liberties (E2, F3) and Black's E2
# ladders it along the edge: White F3, Black G3, White F2, Black G2, White
# F1, Black E1, White G1, Black H1 captures (Black's F4 beside F3).  So the
# cut is no threat and Black, the owner, answers with the quiet move under
# it on the second line, F2 (beyond E3 away from D4, its eight neighbours
# empty), at the fixed value 5.  White, whose stone stands on the crossing
# point, gets nothing from this branch (the quiet move is only the owner's).

[diagonal-cut-third-line-ladder-quiet-move-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D3 E4 [F2=5:5]

[diagonal-cut-third-line-ladder-quiet-move-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D3 E4 [none]

# --- The second-line link whose stone a ladder takes ------------------------------
# "KosumiRenraku:plus A B P ATT... A OWN..." answers P as "r+K" against the
# sum r of the attacker's reading and, after A, the owner's (see
# tests/engine/shapes/DiagonalCover2Routines.cpp).
# Black's C2-D3 with White's C3 (joined to B3 and B2, five liberties) on
# the crossing point; the cut is D2, on the second line.  C2 has two
# liberties (C1, D2) and is taken by the ladder D2, C1, D1, B1, A1.  So
# the second-line case reads: White cuts at D2, Black plays U = E2 (beyond
# D2 away from C2), White captures C2 at C1: e1 is White's value there.
# E2 joins Black's living group of the lower right (eye space G1-J3), so
# the extension is not looked for; D3 then has two liberties (D4, E3) and
# White's reading is worth 10 or more (a stone taken): e1 gains 4.  V = D1
# is empty, so Black's answer Q stays the cut D2; e2 is Black's value after
# D2.  Black to play: e1 + 4 + e2 = r + 4 stays below 14 (no second +4);
# the row holds whichever of the two stones is named first.

[diagonal-second-line-ladder-living-side-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X X X X
  . O O X . X . . .
  . O X . . X . . .
  . . . . . X . . .
call KosumiRenraku:plus C2 D3 D2 D2 E2 C1 C2 D2 [D2=r+4:5]
call KosumiRenraku:plus D3 C2 D2 D2 E2 C1 D3 D2 [D2=r+4:5]

# White to play, the attacker: the same readings scored for White's side
# reach 14 with the eye bonus, so a second 4 is added; the candidate is the
# cut D2 itself.

[diagonal-second-line-ladder-living-side-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X X X X
  . O O X . X . . .
  . O X . . X . . .
  . . . . . X . . .
call KosumiRenraku:plus C2 D3 D2 D2 E2 C1 C2 D2 [D2=r+8:5]
call KosumiRenraku:plus D3 C2 D2 D2 E2 C1 D3 D2 [D2=r+8:5]

# --- The crossing stone in atari between two two-liberty link stones --------------
# "KosumiRenraku:min A B P R1 A R2": the smallest of the attacker's
# readings (B in a reading stands for the owner's pass).
# Black's C1-D2 in the corner with White's D1 on the crossing point, in
# atari at E1 (no ko: E1 keeps D1 and F1).  C1 has two liberties (B1, C2)
# and D2 two (C2, D3, White's E2 beside it).  White's cut at C2 (joined to
# C3, not a self-atari) and Black's capture at E1 leave the question: can a
# ladder still take one of the link stones?  C1 then has B1 and D1: White's
# B1, Black's D1 joins C1, D1, D2 and E1 with only D3 and F1 left (White's
# C2, E2, F2, C3, E3 around), and White's next atari takes them all.  So
# the cut is worth the smaller of White's two captures with the cut on the
# board: B1 taking C1, or D3 taking D2.  Black, the owner, gets the capture
# point E1 with that value; the row holds with either stone named first.

[diagonal-crossing-atari-both-short-ladder-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . X O O . . .
  . . X O . . . . .
call KosumiRenraku:min C1 D2 E1 C2 D2 B1 C1 C2 D2 D3 [E1=r/0:5]
call KosumiRenraku:min D2 C1 E1 C2 C1 D3 D2 C2 C1 B1 [E1=r/0:5]

# White to play, the attacker: the same value at the cut C2.

[diagonal-crossing-atari-both-short-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . X O O . . .
  . . X O . . . . .
call KosumiRenraku:min C1 D2 C2 C2 D2 B1 C1 C2 D2 D3 [C2=r/0:5]
call KosumiRenraku:min D2 C1 C2 C2 C1 D3 D2 C2 C1 B1 [C2=r/0:5]

# --- The diagonal's shape gate: one cell's colour decides ---------------------------
# The position of the quiet move under the laddered cutter (F2=5 above) with
# one cell changed.  Black's D4 instead of White's: the crossing point
# holds Black's own stone, the pair is solidly connected, nothing to
# answer.

[diagonal-gate-crossing-stone-own-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D3 E4 [none]

# D4 empty: neither crossing point holds a White stone, no cut threatens.

[diagonal-gate-crossing-points-empty-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D3 E4 [none]

# E4 White instead of Black: the two stones are not one side's pair.

[diagonal-gate-far-stone-opponent-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D3 E4 [none]

# White on both crossing points (E3 too): the cut is already made.

[diagonal-gate-both-crossing-points-taken-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D3 E4 [none]

# --- Knight's move, second pass: the owner's cut stone nearly dead ------------------
# Black's knight's move D5-E7 inside White's closed box C4-F4-F8-C8 (six
# points inside, White's wall with the whole board outside it).  White's
# C6 stands outside the cutting point D6 (P1; P2 = E6).  The outside
# pattern first reads Black's connection at D6: D5-D6 then sits in a box
# too small to live and is dead or nearly so, and when Black is the one to
# move, the owner's connection is no answer: nothing.  White to play reads
# on: White's D6 (joined to the wall, alive), Black's E6; D5 is then in
# atari (E5 its only liberty), so no ladder is read.  White's D6 and E6
# together are not worth more than twice that, so the value is White's
# D6, Black's E6 plus Black's D6.

[knight-second-pass-outside-owner-dead-black]
black to play
  . . . . . . . . .
  . . O O O O . . .
  . . O . X O . . .
  . . O . . O . . .
  . . O X . O . . .
  . . O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 [none]

[knight-second-pass-outside-owner-dead-white]
white to play
  . . . . . . . . .
  . . O O O O . . .
  . . O . X O . . .
  . . O . . O . . .
  . . O X . O . . .
  . . O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r:21]

# --- The opponent's stone beyond the cut, the far link stone in a ladder ----------
# Black's D4-E5 with White's E4 on the crossing point, White's C5 beyond
# the cut D5 and White's F5 beyond E5 (E6 and E3 empty), as in the row
# "diagonal-outer-stone-other-crossing" of shapes.tst, now with White's F6
# and E7 around E6.  Along the strip from C5 to F5 the first White stone
# of the sides is E4, beside E5, so the pattern reads E5's chain: it has
# two liberties (D5, E6) and White's D5 takes it (E6 would leave one
# liberty, D6).  So White's point is that first ladder move D5, valued by
# White's evaluation after D5 alone; Black defends at D5 too.

[diagonal-outer-stone-other-crossing-ladder-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . O . . .
  . . O . X O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 D5 [D5=r:5]

[diagonal-outer-stone-other-crossing-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . O . . .
  . . O . X O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 D5 [D5=r:5]

# --- The crossing stone in atari, the cutter taken by a ladder ---------------------
# Black's D4-E5 with White's D5 on the crossing point in atari (Black's D6
# above it, C5 its last liberty, no ko); D4 has three liberties, so the
# case of two two-liberty link chains does not apply, and White's D5 and
# F4 are two White stones around the cut E4.  White's cut at E4 joins F4
# with only F3 and F5 left (Black's E3 and G4): Black's F3 and White's F5
# leave it G5 alone (Black's F6), so the ladder takes the cutter.  The cut
# threatens nothing: no candidate for either side.

[diagonal-crossing-atari-cutter-laddered-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . . O X . . . .
  . . . X . O X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D4 E5 [none]

[diagonal-crossing-atari-cutter-laddered-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . . O X . . . .
  . . . X . O X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D4 E5 [none]

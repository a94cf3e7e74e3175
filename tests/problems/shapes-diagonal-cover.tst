# Known-answer rows for the diagonal link, the knight's-move push from
# outside and the cut between a diagonal pair.

# --- Knight's move: the push beside an end stone that a ladder then takes -------
# Black's knight's move D6-E4 (middle points D5 and E5, side points E6 and
# D4).  White's B5 stands beyond C5, outside the middle point D5, so White
# pushes at the far middle point E5 and Black blocks at D5; the end stone E4
# (three liberties E5, D4, F4 before the push) is then left with D4 and F4,
# and White's D4 captures it (F4 has no liberty of its own).  C5 and C4, the
# points outside D5 and D4, are empty.  Value: White's evaluation after E5,
# D5, D4 plus Black's after D4; Black answers at D4, White pushes at E5.

[knight-push-outside-ladder-low-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . O . . .
  . . . . X . O . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:cover D6 E4 D4 E5 D5 D4 D6 D4 [D4=r/0:5]

[knight-push-outside-ladder-low-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . O . . .
  . . . . X . O . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:cover D6 E4 E5 E5 D5 D4 D6 D4 [E5=r/0:5]

# The half-turn image: White's G5 beyond F5, outside E5, so White pushes at
# D5, Black blocks at E5 and White's E6 takes the end stone D6; Black's
# answer is E6, F5 and F6 being empty.

[knight-push-outside-ladder-high-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . O . X . . . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:cover D6 E4 E6 D5 E5 E6 D6 E6 [E6=r/0:5]

[knight-push-outside-ladder-high-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . O . X . . . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:cover D6 E4 D5 D5 E5 E6 D6 E6 [D5=r/0:5]

# --- Diagonal on the edge: the cut ataris the first-line stone ------------------
# Black's D1-E2 with White's E1-F1-F2 on the crossing point E1 and Black's
# D4, E4, E3 above.  White's cut at D2 leaves D1 in atari; Black extends at
# C1 and White's D2, with only C2 and D3 left between Black's stones, is
# dead: the cut gains nothing.  With Black's A1-A4 on the edge D1 escapes
# its ladder (C1 then B1 joins A1), so Black's answer is the second-line
# point beyond the cut from E2, C2: seven of its eight neighbours are empty
# (D1 is Black's), so 14.  The defence proper is C2 as well (beside D2 the
# stone on E3 and the empty first-line C1 call for C2); its smaller value
# leaves 14 and marks the entry as the link's cutting-point answer (3).
# White, the attacker, gets the cut D2 at 14 (its own cut worth less).

[diagonal-edge-atari-seven-empty-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . X X . . . .
  X . . . X . . . .
  X . . . X O . . .
  X . . X O O . . .
call KosumiRenraku:cover D1 E2 C2 [C2=14/0:3]

[diagonal-edge-atari-seven-empty-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . X X . . . .
  X . . . X . . . .
  X . . . X O . . .
  X . . X O O . . .
call KosumiRenraku:cover D1 E2 D2 [D2=14/0:5]

# The same with Black's B1 instead of the A-line stones: D1 escapes through
# B1, and C2 has six empty neighbours of eight and all four orthogonal ones
# empty: 12.

[diagonal-edge-atari-six-empty-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . X . . . .
  . . . . X O . . .
  . X . X O O . . .
call KosumiRenraku:cover D1 E2 C2 [C2=12/0:3]

[diagonal-edge-atari-six-empty-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . X . . . .
  . . . . X O . . .
  . X . X O O . . .
call KosumiRenraku:cover D1 E2 D2 [D2=12/0:5]

# Without them (Black's B3 only) D1 dies in its ladder: White's D2, Black's
# C1, White's C2 and the edge.  The pattern then plays the ladder's first
# two points for White, D2 and C1 (White passing nothing: both are White's
# moves), and scores White's position.  White gets D2 with that value;
# Black answers with the shape move beside D2: of D2's Black neighbours D1
# and E2 the corner beside E2 holds Black's E3 while C1 beside D1 is an
# empty first-line point, so the answer is C2, opposite E2.

[diagonal-edge-atari-ladder-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . X . . X . . . .
  . . . . X O . . .
  . . . X O O . . .
call KosumiRenraku:cover D1 E2 C2 D2 E2 C1 [C2=r/0:5]

[diagonal-edge-atari-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . X . . X . . . .
  . . . . X O . . .
  . . . X O O . . .
call KosumiRenraku:cover D1 E2 D2 D2 E2 C1 [D2=r/0:5]

# --- Knight's move, second pass: the outside stone is the one beside the cut ---
# Black's knight's move D5-E7 with White's C6 outside the cutting point D6
# (P1; P2 = E6), the position of the outside rows of shapes-probe4.tst, and
# on the other outer line White's F5 in atari among Black's F4, G5 and F6.
# Only C6, the stone outside D6, decides whether the cut is read: C6 has
# four liberties, so the cut is read as there.  After White's D6 and
# Black's E6, D5 keeps C5 and E5: White's C5 is answered by Black's E5,
# which captures F5 and joins D5 to E6-E7, and only C4 is short of
# liberties, with one (not two); White's E5 would stand in atari (E4 its
# one liberty).  No ladder counts: the value is White's D6, Black's E6
# plus Black's D6.

[knight-second-pass-outside-far-stone-in-atari-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . X . . .
  . . . X . O X . .
  . O X O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r:21]

# --- The cut between a diagonal pair that ataris one of its stones -------------
# White's E6 and F5 stand diagonally with Black's F6-G6 on the crossing
# point F6; Black cuts at E5.  White's E6 (Black's D6 beside it) is left in
# atari at E7, F5 keeps two liberties (F4, G5).  White extends at E7 (three
# liberties, no ladder) and Black's cutting stone lives on: the cut is worth
# Black's evaluation after E5 and White's E7.  F5, left with two liberties,
# has three again once the cut is taken back, so no ladder of it counts.
# The same cut with the stones named the other way round (F5 first) reads
# the atari on the second stone: the same value.

[cut-ataris-first-stone]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KiriHyoka:cover E5 E6 F5 E5 E7 [r]

[cut-ataris-second-stone]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KiriHyoka:cover E5 F5 E6 E5 E7 [r]

# --- Diagonal, second pass: the crossing stone in a ladder, a link stone short --
# Black's D4-E5 with White's D5 on the crossing point: D5 has two
# liberties (C5, D6) and dies in the ladder that starts at D6 (White's C5
# is then taken at C4, Black's B5 and C6 standing by).  Black's D4 has two
# liberties (C4, E4) and escapes its ladder; E5 has three (E6, F5, E4), so
# the pass reads White's cut at E4.  The cut leaves D4 in atari: the ladder
# reading of a chain already in atari stores no sequence at all (a ladder
# that is read stores at least its atari, the reply and the capture), so
# D4's sequence is not the single move the pattern wants and nothing is
# added.

[diagonal-second-pass-atari-no-sequence]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X . O X . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiHokyo:cover D4 E5 E4 [none]

# --- Diagonal: the crossing stone in a ladder, the cut pushed through -----------
# Black's D4-E5 with White's D5 on the crossing point: D5 (liberties C5
# and D6) dies in the ladder that starts at D6 (White's C5 is then taken at
# C4 between Black's B5 and C6).  White's cut at E4 joins F4 and ataris
# nothing.  After the cut and Black's D6 no Black chain beside E4 is short:
# D4 (C4, D3) and E5 (E6, F5) both get out, so there is no attack to read.
# White's F4 stands beyond the cut, so the push beside D4 is read: D3, the
# point beyond D4 from D5, is empty with two empty neighbours and Black's
# D2 lies beyond it.  White's D3 ataris D4, Black extends at C4 and White
# follows at C3 (beyond D3 from E3, the point beyond the cut from E5), and
# the cut E4 is worth White's evaluation there.  On the other side F5 has
# one empty neighbour only.  The other ladder try (the last Black chain
# beside D5 with two liberties that a ladder takes) finds none.

[diagonal-crossing-ladder-push-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . X . O X . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 D6 D3 C4 C3 [E4=r/0:5]

[diagonal-crossing-ladder-push-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . X . O X . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 D6 D3 C4 C3 [E4=r/0:5]

# The same with Black's F3 beside White's F4: White's follow-up is still C3,
# beyond D3 from E3 (F3, beyond E3 from D3, is not the point).

[diagonal-crossing-ladder-push-f3-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . X . O X . . . .
  . . . X . O . . .
  . . . . . X . . .
  . . . X . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 D6 D3 C4 C3 [E4=r/0:5]

# --- Diagonal: the crossing stone in a ladder, an attack beside the cut ---------
# Black's D4-E5 with White's D5 on the crossing point, caught in the ladder
# that starts at Black's D6 (White's C5 is then taken at C4).  White's cut
# at E4 joins F4-F3-F2.  After the cut and Black's D6, D4 and E5 could take
# D5, so only Black's E3 beside the cut is short: its ladder starts at D3
# (Black's E2 then has one liberty between White's D2 and F2).  White's D3
# is the best attack; Black answers the cut with D3 instead of the ladder,
# after which E5 (liberties E6 and F5) dies in the ladder that starts at
# E6 (Black's F5, White's G5, Black's F6 with one liberty left by White's
# G6).  The cut is worth the smaller of White's evaluations after E4, D6,
# D3 and after E4, D3, E6.

[diagonal-crossing-ladder-attack-beside-cut-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . X . O X . . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . O . O . . .
  . . . . . . . . .
call KosumiRenraku:min D4 E5 E4 E4 D6 D3 D4 E4 D3 E6 [E4=r/0:5]

[diagonal-crossing-ladder-attack-beside-cut-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . X . O X . . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . O . O . . .
  . . . . . . . . .
call KosumiRenraku:min D4 E5 E4 E4 D6 D3 D4 E4 D3 E6 [E4=r/0:5]

# --- Knight's move pushed through from both middle points: the owner's answers --
# Black's knight's move D6-E4, middle points D5 and E5.  White's B5 and G5
# are one-space jumps from D5 and E5, nothing of White's touches either
# middle point, so both pushes are read: White's D5, Black's E5, White's
# E6, and White's E5, Black's D5, White's D4 (neither pushing stone left to
# a ladder).  Black answers beside the end stones with the larger push
# value.  On D4's side C4 (beyond D4 from E4) has White's B3 and B5 among
# its neighbours, not seven empty and one of White's; the answer is D3
# (beyond D4 from D5), empty with seven empty neighbours.  On E6's side F6
# has seven empty neighbours and White's G5, and E7 is empty: F6.

[knight-both-pushes-owner-below-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . O . .
  . . . . X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:max D6 E4 D3 D5 E5 E6 D6 E5 D5 D4 [D3=r/0:5 F6]

# White's D3 (a jump from D5) and G5 (a jump from E5) instead: C4 has
# seven empty neighbours and White's D3, but D3 itself, beyond D4 from D5,
# is taken, and a White stone there makes D4, the side point, Black's
# answer.  On E6's side F6 has seven empty neighbours and White's G5, and
# E7 is empty: F6.

[knight-both-pushes-owner-side-point-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:max D6 E4 D4 D5 E5 E6 D6 E5 D5 D4 [D4=r/0:5 F6]

# --- Diagonal: Black's stone beyond the cut, White's beside it ------------------
# Black's D4-E5 with White's D5 on the crossing point (free: two liberties,
# no ladder).  Beyond the cutting point E4, away from D5, stands Black's
# F3; White's F4 stands beyond E4 from D4 and E3 (beyond E4 from E5) is
# empty.  So the hane is read: White cuts at E4 (joining F4), Black
# answers at E3, and White's evaluation there plus Black's own E4 is the
# cutting point's value, for either side to play.

[diagonal-hane-beside-near-stone-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . X . O . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 E3 D4 E4 [E4=r/0:5]

[diagonal-hane-beside-near-stone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . X . O . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 E3 D4 E4 [E4=r/0:5]

# The other side: White's E3 below the cut and F4 empty.  White cuts at E4
# (joining E3), Black plays F4, and E5, with White's E6 above it, is left
# in atari at F5: White takes it there.  White's evaluation after E4, F4,
# F5 plus Black's own E4.

[diagonal-hane-beside-far-stone-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 F4 F5 D4 E4 [E4=r/0:5]

[diagonal-hane-beside-far-stone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 F4 F5 D4 E4 [E4=r/0:5]

# --- Diagonal: the crossing chain in a ladder, Black's chain beside it too ------
# Black's D4-E5 with White's C5-D5 on the crossing point D5: two liberties
# (C4, D6), caught in the ladder that starts at Black's D6 (White's C4 then
# has only B4, Black's C3 and D4 beside it).  White's cut at E4 leaves no
# Black chain beside it short after Black's D6 (D4 and E5 could take D5),
# and no White stone stands beyond the cut, so nothing is read there.
# Instead Black's B5 beside C5 has two liberties (A5, B4) and dies in the
# ladder that starts at White's B4 (Black's A5, then White's A4 or A6 along
# the edge); C6 (C7, D6) gets out by taking C5-D5.  The value: Black's
# evaluation after D6, plus White's after B4 (e1) moved halfway toward
# White's after B4 and E4 together (e2): e1 + (e2 - e1) / 2.  Black plays
# D6, White B4.

[diagonal-crossing-chain-ladder-and-own-ladder-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . X O O X . . . .
  . . . X . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:halfway D4 E5 D6 D6 B4 [D6=r/0:5]

[diagonal-crossing-chain-ladder-and-own-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . X O O X . . . .
  . . . X . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:halfway D4 E5 B4 D6 B4 [B4=r/0:5]

# --- Diagonal: the crossing stone in atari, a Black stone beside the cut short ---
# Black's D4-E5 with White's D5 on the crossing point in atari (Black's D6
# above it, C5 its last liberty, no ko).  D4 has three liberties, so the
# case of two two-liberty link chains does not apply.  White's D5 and F4
# are two of White's stones around the cut E4.  White cuts at E4 (joining
# F4-F3, no ladder) and Black takes D5 at C5; Black's E3 beside the cut,
# between White's E2, F3 and the cut, is then in atari at D3, and White
# takes it there.  White's evaluation after E4, C5, D3 is positive, so the
# capture is proposed: its value is that plus Black's own C5.  Black plays
# C5, White cuts at E4.

[diagonal-crossing-atari-stone-beside-cut-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . . O . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 C5 E4 C5 D3 D4 C5 [C5=r/0:5]

[diagonal-crossing-atari-stone-beside-cut-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . . O . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 E4 C5 D3 D4 C5 [E4=r/0:5]

# --- The same knight's move with White to play: each push on its own ------------
# As knight-both-pushes-owner-below-black, White to play: each push is
# proposed at its own middle point with its own reading, D5 after White's
# D5, Black's E5, White's E6 and E5 after White's E5, Black's D5, White's
# D4.

[knight-both-pushes-attacker-d5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . O . .
  . . . . X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:cover D6 E4 D5 D5 E5 E6 [D5=r/0:5 E5]

[knight-both-pushes-attacker-e5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . O . .
  . . . . X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Pair:cover D6 E4 E5 E5 D5 D4 [D5 E5=r/0:5]

# The cut at E5 again, with Black's D7 and F7 closing White's way out: E6's
# extension at E7 is still in atari (only E8 left), so the extension is
# taken back and the cut is read as it stands.  The cutting stone keeps
# two liberties, D5 and E4; D5 is a knight's move from E7, so White ataris
# there and Black extends at E4, the cutting stone's last liberty: Black's
# evaluation after E5, D5, E4.  F5 has three liberties again once the cut
# is taken back: no ladder of it counts.

[cut-ataris-stone-whose-extension-is-caught]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . . X O X X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KiriHyoka:cover E5 E6 F5 E5 D5 E4 [r]

# --- The (3,3) diagonal: a side stone of the square, the way out checked --------
# Black's C3 and F6 three diagonal steps apart; the square from C3 to F6
# has the diagonal D4, E5.  A White stone on a side of the square (E3, F4,
# C5 or D6, none beside the diagonal's middle) is answered across the
# diagonal (D5 for E3 and F4, E4 for C5 and D6), unless White already
# stands one step further out beyond the square's edge from the diagonal
# (the check point), or Black holds the corner behind the answer point
# (C6 behind D5, F3 behind E4).  Each row puts one of those stones: no
# candidate.

[diagonal33-side-e3-way-out-taken]
# White's X2 (E3) with White's check point B4, beyond C4 from D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D5 [none]

[diagonal33-side-e3-corner-held]
# White's X2 (E3) with Black's corner C6 behind the answer D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D5 [none]

[diagonal33-side-f4-way-out-taken]
# White's X7 (F4) with White's check point E7, beyond E6 from E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D5 [none]

[diagonal33-side-f4-corner-held]
# White's X7 (F4) with Black's corner C6 behind the answer D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D5 [none]

[diagonal33-side-c5-way-out-taken]
# White's X8 (C5) with White's check point D2, beyond D3 from D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E4 [none]

[diagonal33-side-c5-corner-held]
# White's X8 (C5) with Black's corner F3 behind the answer E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E4 [none]

[diagonal33-side-d6-way-out-taken]
# White's X13 (D6) with White's check point G5, beyond F5 from E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . O . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E4 [none]

[diagonal33-side-d6-corner-held]
# White's X13 (D6) with Black's corner F3 behind the answer E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E4 [none]

# Without those stones, White to play: White's side stone is answered by
# Black across the diagonal (e1, Black's evaluation after that point), and
# White gets each diagonal point with e1 plus White's own evaluation after
# playing there: D4 with e1 + White's D4, E5 with e1 + White's E5.

[diagonal33-side-e3-free-d4-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D4 D4 C3 D5 [D4=r/0:5 E5]

[diagonal33-side-e3-free-e5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E5 E5 C3 D5 [E5=r/0:5 D4]

[diagonal33-side-f4-free-d4-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D4 D4 C3 D5 [D4=r/0:5 E5]

[diagonal33-side-f4-free-e5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E5 E5 C3 D5 [E5=r/0:5 D4]

[diagonal33-side-c5-free-d4-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D4 D4 C3 E4 [D4=r/0:5 E5]

[diagonal33-side-c5-free-e5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E5 E5 C3 E4 [E5=r/0:5 D4]

[diagonal33-side-d6-free-d4-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D4 D4 C3 E4 [D4=r/0:5 E5]

[diagonal33-side-d6-free-e5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E5 E5 C3 E4 [E5=r/0:5 D4]

# White's stone beside the middle of the diagonal (E4, or D5) is answered
# at the point across (D5, or E4) unless Black holds the corner behind that
# point (C6, or F3): no candidate.

[diagonal33-beside-middle-e4-corner-held]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 D5 [none]

[diagonal33-beside-middle-d5-corner-held]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei13Utu:cover C3 F6 E4 [none]

# --- Invasions between White's linked stones, Black to play ---------------------
# A one-space jump on the fourth line from the top, C6-E6: the point under
# the gap on the third line, D7 (third line one way, fourth the other), is
# an invasion, 18; each stone, on the fourth line facing the top edge with
# nothing between, also gives the second-line point toward the edge, C8
# and E8, 18 each.

[invasion-jump-top-side]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call AiteKankeiThink:at D7 C8 E8 [C8=18 D7=18 E8=18]

# A vertical one-space jump D3-D5: of the points beside the gap D4, C4 is
# on the third line (and the fourth the other way): 18.  On the other side
# F3-F5: G4, on the third line from the right, 18.

[invasion-jump-left-side]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call AiteKankeiThink:at C4 E4 [C4=18 E4=none]

[invasion-jump-right-side]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call AiteKankeiThink:at E4 G4 [E4=none G4=18]

# A knight's move from the third line, G3-F5 on 13x13: of the two outer
# points looked at, E3 (G3's row, the column beyond F5 away from G3) is on
# the third line, while H5 (F5's row, the column beyond G3 away from F5) is
# on the fifth: the invasion is H5, 18, with no Black stone around it and
# only the two White stones related to it.

[invasion-knight-fifth-line-far-side]
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . O . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . O . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call AiteKankeiThink:at H5 E3 [E3=none H5=18]

# --- Diagonal: after the cut both link stones die in ladders --------------------
# Black's D4-E5 with White's D5-D6 on the crossing point (four liberties).
# White's cut at E4 joins F4 and leaves D4 with C4 and D3, E5 with E6 and
# F5: both two liberties, so the two ladders are read as miai.  D4 dies in
# the ladder that starts at D3 (Black's C4 then has only C5, White's B4 and
# C3 standing by), E5 in the ladder that starts at E6 (Black's F5 has no
# liberty, White's F4 and G5 beside it).  Black saving D4 at D3 lets White
# start on E5 at E6, and the other way round: the cut is worth the smaller
# of White's evaluations after E4, D3, E6 and after E4, E6, D3.  Black's
# own defence would be the cutting point itself (White's F4 beside it has
# four liberties, no ladder), where D4-E5 would be nearly dead among White's
# stones, so nothing else is proposed; White's cut at E4 keeps the miai
# value (its own reading of the cut is not larger).

[diagonal-cut-both-ladders-miai-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . O X . O . .
  . O . X . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:min D4 E5 E4 E4 D3 E6 D4 E4 E6 D3 [E4=r/0:5]

[diagonal-cut-both-ladders-miai-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . O X . O . .
  . O . X . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:min D4 E5 E4 E4 D3 E6 D4 E4 E6 D3 [E4=r/0:5]

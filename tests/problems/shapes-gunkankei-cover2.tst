# Group relations of pairs of opposite colours, second round: the one-space
# jump whose value is halved for a group of several stones against a lone
# stone (which of the two stones is the engine's decides the halving), and
# the (1,3) shape whose stone on the edge has just three liberties.  "call
# ...:ogeima2-at A B P M... A N..." answers the candidate at P against the
# readings M... of B's colour and N... of A's colour (r their sum).

[group-jump-lone-white-halved]
# Black's C3-D3 and White's lone F3, a one-space jump D3-E3-F3 on the third
# line.  On the upper side E5 is two lines out beside the gap, on line 5,
# and D5 and F5 beside the stones are on line 4 with no stone around them:
# each side plays next to its own stone, Black D5 and White F5 (the far
# point E5 is not read).  The engine's group (Black, two stones) faces a
# lone stone, so the sum is halved twice: (D5 + F5) / 4, at Black's D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 D5 F5 D3 D5 [D5=r/4:18]

[group-jump-lone-white-not-halved-for-white]
# The same with White to move: the engine's group is White's lone F3, the
# other group has two stones, no halving: the whole sum at White's F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 F5 F5 D3 D5 [F5=r:18]

[group-jump-lone-white-halved-from-white]
# The first position taken from White's F3 (A White): the engine is still
# Black with two stones against one, halved twice, at Black's D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at F3 D3 D5 D5 F3 F5 [D5=r/4:18]

[group-jump-lone-black-halved-for-white]
# White's F3-G3 against Black's lone D3, White to move: White's two stones
# face one, halved twice, at White's F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 F5 F5 D3 D5 [F5=r/4:18]

[group-large-knight-edge-stone-three-liberties]
# Black's C1 on the edge (three liberties, the fewest the shape allows) and
# White's F2 a (1,3) shape apart along the edge.  Above C1, C3 two lines out
# toward F2 is on the third line: White takes that extension, C3; Black the
# better of C3 and the small jump D3.  The side beyond F2 is off the board.
# White to move: White's C3, the sum of both.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
call GunKankei7Utu:at C1 F2 C3 C3 C1 C3 F2 D3 [C3=r:18]

[group-large-knight-edge-stone-three-liberties-black]
# The colours exchanged, Black to move (A is White's C1): Black's answer is
# the extension C3, White's the better of C3 and D3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
call GunKankei7Utu:at C1 F2 C3 C3 C1 C3 F2 D3 [C3=r:18]

[group-knight-floored]
# Black's D4 and White's E6 a knight's move apart, nothing else on the
# board, with the group floor set above any evaluation.  On the side where
# F4 lies two from D4 on a line, White (the engine) answers at F4 itself
# (the replacements of the point only concern the side whose stone is two
# from E on a line, Black's here); a value below the floor becomes 1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-floored D4 E6 F4 [F4=1:18]

[group-knight-floored-black]
# Black to move: on the side where C6 lies two from White's E6, Black's
# point is C6 itself; below the floor, 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-floored D4 E6 C6 [C6=1:18]

[group-two-space-second-line-floored]
# Black's C2 and White's F2 a two-space jump apart on the second line, the
# gaps D2 and E2 each with three empty neighbours: Black's move is the gap
# next to White, E2 (Black at E2 plus White at D2); with the group floor
# above any evaluation the sum becomes 0 (and 0 * 8 / 10 stays 0).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:ogeima2-floored C2 F2 E2 [E2=0:18]

[group-two-space-second-line-floored-white]
# White to move: White's move is the gap next to Black, D2, 0 below the floor.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:ogeima2-floored C2 F2 D2 [D2=0:18]

[group-twotwo-capture-point-beside-e]
# Black's D4 and White's F6 a (2,2) diagonal apart.  The corner D6 is
# empty with nothing around it; White's D8 in atari (Black's C8, E8, D9)
# makes D7, next to D6, a capture point: both sides' move moves there, with
# the value of both sides playing D6 (Black at D6 plus White at D6).
black to play
  . . . X . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:ogeima2-at D4 F6 D7 D6 D4 D6 [D7=r:18]

[group-twotwo-capture-point-beside-e-white]
white to play
  . . . X . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:ogeima2-at D4 F6 D7 D6 D4 D6 [D7=r:18]

[group-twotwo-capture-point-beside-e-from-white]
# The same pair taken from White's F6: the capture point D7 again.
black to play
  . . . X . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:ogeima2-at F6 D4 D7 D6 F6 D6 [D7=r:18]

[group-knight-fifth-line-point-moves-out]
# Black's C5 and White's D7 a knight's move apart.  E5, two from C5 on its
# line, is on the fifth line; both sides are read at E5 (Black's point is
# E5: White is the engine, so the trial is not made, and no other rule
# applies), but White's point moves one line out to F6, beyond E6 from D6,
# on the fourth line with no White stone around it: the sum of both
# readings at E5, at F6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at C5 D7 F6 E5 C5 E5 [F6=r:18]

[group-knight-fifth-line-point-moves-out-black]
# The colours exchanged, Black to move: Black's point F6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at C5 D7 F6 E5 C5 E5 [F6=r:18]

[group-knight-point-between-two-stones]
# Black's D4 and White's E6 a knight's move apart, Black's D2 two below D4.
# On the side of F4 (two from D4 on its line) Black's point is not F4: G3,
# beyond F4 from E5, has exactly two relations to Black's stones, both
# large knight's moves (D4 and D2), and those two stones are two apart on a
# line, so Black's move is G3, between them (White is the engine: no trial
# first).  White's point is F4: the sum of Black at G3 and White at F4, at
# White's F4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at D4 E6 F4 F4 D4 G3 [F4=r:18]

[group-knight-point-between-two-stones-black]
# The colours exchanged, Black to move: White's move is G3, Black's F4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at D4 E6 F4 F4 D4 G3 [F4=r:18]

[group-jump-edge-slide-black]
# Black's C3-D3 and White's F3, a one-space jump on the third line.  Below
# the gap the point two lines out, E1, is on the first line: the edge side
# is read at E2, one line out beside the gap (two stones around it).  Both
# sides play E2; Black, the engine, on the second line also slides to G2
# (beyond F2, the middle of White's F3 and F1 behind E2 from D3; G2 empty
# with four empty neighbours) and half the slide's gain counts.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-edge D3 F3 E2 G2 [E2=r:18]

[group-jump-edge-slide-white]
# White's F3-G3 and Black's D3, White to move: White's slide goes to C2
# (beyond D2, the middle of Black's D3 and D1 behind E2 from F3).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-edge D3 F3 E2 C2 [E2=r:18]

[group-twotwo-between-two-stones]
# Black's C4-D4 and White's F6 a (2,2) diagonal apart (from D4).  At the
# corner D6, D7 beyond it from D5 (the point between D4 and D6) has all
# eight points around it empty, one large knight's move to a Black stone
# (C4) and one two-space jump (D4), and those two stones touch: Black
# plays D7, between them, where White is read at D6.  The sum, at D7.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:ogeima2-at D4 F6 D7 D6 D4 D7 [D7=r:18]

[group-twotwo-between-two-stones-white]
# White to move: White's point is the corner D6, the value still holds
# Black's reading at D7.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:ogeima2-at D4 F6 D6 D6 D4 D7 [D6=r:18]

[group-twotwo-between-two-stones-reversed]
# The colours exchanged, Black to move: Black's point D6, White read at D7.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:ogeima2-at D4 F6 D6 D6 D4 D7 [D6=r:18]

[group-knight-two-stones-against-one]
# Black's D3-D4 and White's lone E6 a knight's move from D4.  On the side
# where C6 lies two from E6 on its line both sides are read at C6 (no other
# rule applies to White's point, and Black's is C6 itself); the engine's
# group of two stones against a lone stone halves the sum twice.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at D4 E6 C6 C6 D4 C6 [C6=r/4:18]

[group-knight-two-stones-against-one-white]
# The colours exchanged, White to move: White's two stones, halved twice.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at D4 E6 C6 C6 D4 C6 [C6=r/4:18]

[group-knight-point-between-two-stones-along-a-row]
# Black's D4 and White's F5 a knight's move apart along the rows, Black's
# B4 two left of D4.  On the side of D6 (two above D4) Black's point is C7,
# beyond D6 from E5: C7 has exactly two relations to Black's stones, both
# large knight's moves (D4 and B4), and those two are two apart on a row.
# White, the engine, answers at D6: the sum of Black at C7 and White at D6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at D4 F5 D6 D6 D4 C7 [D6=r:18]

[group-knight-point-between-two-stones-along-a-row-black]
# The colours exchanged, Black to move: White's move C7, Black's D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . O . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at D4 F5 D6 D6 D4 C7 [D6=r:18]

[group-jump-white-beside-own-point-spoils-side]
# The jump D3-E3-F3 of the first halving row with a White stone at C6, one
# of the points around D5 (two lines out beside Black's D3): a stone of the
# other colour there spoils the upper side, no move at D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 D5 F5 D3 D5 [none]

[group-jump-white-beside-own-point-spoils-side-white]
# White to move: no move at White's F5 either.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 F5 F5 D3 D5 [none]

[group-jump-black-beside-other-point-spoils-side]
# A Black stone at G6, around F5 (two lines out beside White's F3): a stone
# of A's colour there spoils the upper side as well.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 D5 F5 D3 D5 [none]

[group-jump-black-beside-other-point-spoils-side-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 F5 F5 D3 D5 [none]

# Knight's moves: the value of the move between a knight's move and a large
# knight's move.  "KeimaOgeimaHokyo:value P M1 MID K" (tests/engine/shapes/
# KeimaPin12Routines.cpp) answers the candidate at P against the sum r of
# its two readings: the engine's P, the opponent's M1 and the engine's MID
# (scored for the engine), and the opponent's K alone (scored for the
# opponent); "KeimaOgeimaHokyo:sum" states that sum as a premise.

[between-bottom-line-value]
# The position of keima-pin4.tst [between-bottom-line]: White's E1 reaches
# Black's D3 by a knight's move and Black's F4 by a large knight's move;
# White plays E3 (M2), Black's answer E4 (M1), White's MID D2, and K, one
# step beyond E3 from E4, is E2.  The value is the plain sum of the two
# readings (10, premise) with 4 added for a sum of 8 or more, and the move carries no tie-break
# bonus.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . O . . . X . . .
  O O . X . . . . .
  . O . . . . . . .
  O O O O O . . . .
call KeimaOgeimaHokyo:sum E3 E4 D2 E2 [10]
call KeimaOgeimaHokyo:value E3 E4 D2 E2 [E3=r+4]

[between-bottom-line-sum-eight]
# The same with Black's J2 added far from the shape: the two readings now
# sum to exactly 8 (premise), the least sum that takes the addition of 4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . O . . . X . . .
  O O . X . . . . .
  . O . . . . . . X
  O O O O O . . . .
call KeimaOgeimaHokyo:sum E3 E4 D2 E2 [8]
call KeimaOgeimaHokyo:value E3 E4 D2 E2 [E3=r+4]

[between-bottom-line-sum-seven]
# Black's H5 in place of J2: the readings sum to 7 (premise), one below
# the bound, and the candidate keeps the plain sum.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . X .
  . O . . . X . . .
  O O . X . . . . .
  . O . . . . . . .
  O O O O O . . . .
call KeimaOgeimaHokyo:sum E3 E4 D2 E2 [7]
call KeimaOgeimaHokyo:value E3 E4 D2 E2 [E3=r]

# --- Knight's move touched on both side points: the owner's tie ---------------
# Black's knight's move E9-F7 on the top edge with White's F9 beside E9 and
# White's E7 beside F7: both side points hold White's stones and the middle
# points are E8 (beside E9) and F8 (beside F7).  White's D9-D5 wall and
# E7 close E9 in from the left; Black's G8 stands beside F8, White's G9
# beside F9.  "KeimaTuke:pin A B P F..." (keima-pin.tst) answers the
# candidate against the better of White's two tries (White E8 then Black
# F8; White F8 then Black E8, the G8 stone opening the alternative).
#
# Black's tries: Black's E8 leaves E8-E9 with the one liberty F8 (D9, F9,
# D8 and E7 are White's), so White takes it at once: a try the ladder takes
# counts -9.  Black's F8 joins F7 and G8, and White's E8 then takes E9:
# -9 again (premise).  On a tie the owner's point is the side point's
# neighbour beside A, E8.  White's tries: White's E8 takes E9 at once and
# joins the wall, Black answers F8: 9 (premise).  White's F8 makes F8-F9-G9
# with two liberties, E8 and H9; Black's E8 there would have no liberty and
# take nothing (the White chain keeps H9), so it is refused and the reading
# stands after White's F8: 11 (premise); Black's atari at H9 is answered by
# White's E8 taking E9, so no ladder takes F8.  White's best is 11, at F8.
# Black's best is below 0 beside White's positive best, so it counts 0:
# the candidate is worth 0 + 11.  Black to play: Black's point E8.

[knight-both-touched-owner-tie]
black to play
  . . X O X O O . .
  . . . O . . X . .
  . . . O O X . . .
  . . . O . O X . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own E9 F8 E8 [-9]
call HaneMore:value E9 E8 F8 [9]
call HaneMore:value E9 F8 [11]
call KeimaTuke:pin E9 F7 E8 F7 E8 F8 G8 F8 [E8=r:5]

[knight-both-touched-owner-tie-white]
# White to play: White's point, F8, with the same 0 + 11.
white to play
  . . X O X O O . .
  . . . O . . X . .
  . . . O O X . . .
  . . . O . O X . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin E9 F7 F8 F7 E8 F8 G8 F8 [F8=r:5]

[knight-both-touched-owner-reversed]
# The same pair read from F7 (A = F7, B = E9): the middle point beside A is
# now F8 and Black's try there is not taken (-9 as above, premise), where
# Black's E8 is taken at once by White's F8 and its value is below: -13
# (premise).  Black's best point is F8; White's tries are those above (11
# at White's F8), so the candidate is again 0 + 11, now at F8.
black to play
  . . X O X O O . .
  . . . O . . X . .
  . . . O O X . . .
  . . . O . O X . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own F7 F8 E8 [-9]
call HaneMore:value-own F7 E8 F8 [-13]
call KeimaTuke:pin F7 E9 F8 E9 E8 F8 G8 F8 [F8=r:5]

# --- Knight's move touched on both side points: the attacker's tie -----------
# White's knight's move A4-C3 on the left edge with Black's A3 beside A4
# and Black's C4 beside C3 (C4-C5 a chain under White's C6): the middle
# points are B4 (beside A4) and B3 (beside C3).  White's B2, A1 and E1
# stand below.
#
# Black's tries: Black's B3 makes A3-B3 with two liberties, A2 and B4;
# White's B4 leaves it the one liberty A2, where Black's A2 would have no
# liberty (A1 and B2 keep B1, C2), so the ladder takes B3: -9.  Black's B4
# joins C4-C5 and puts A4 in atari (A5); White answers B3 and A3 is left in
# atari: -10 (premise).  -9 is the better, so Black's point is B3.
# White's tries: White's B4 (A4-B4 with three liberties), Black's B3 into
# self-atari: 21 (premise); White's B3, Black's B4: 10 (premise).  White's
# best, 21 at B4, is positive beside Black's negative best, which counts
# 0: the candidate is worth 21 + 0.

[knight-both-touched-attacker-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . . . . .
  O . X . . . . . .
  X . O . . . . . .
  . O . . . . . . .
  O . . . O . . . .
call HaneMore:value A4 B4 B3 [-10]
call HaneMore:value-own A4 B4 B3 [21]
call HaneMore:value-own A4 B3 B4 [10]
call KeimaTuke:pin A4 C3 B3 A4 B4 B3 C6 B3 B4 [B3=r:5]

[knight-both-touched-attacker-ladder-white]
# White to play: White's point B4, with the same 21 + 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . . . . .
  O . X . . . . . .
  X . O . . . . . .
  . O . . . . . . .
  O . . . O . . . .
call KeimaTuke:pin A4 C3 B4 A4 B4 B3 C6 B3 B4 [B4=r:5]

# --- Knight's move with an attacker's stone beyond a side point: the atari ---
# White's knight's move D9-C7 from the top edge; Black's E7-F7 stands
# beyond the side point D7, so the shape is read with Na = C7 (the stone on
# Black's side), Sd = D7, Mp = C8, Mq = D8, Fd = C9, Nb = D9, and outside
# them Oa = B7, O1 = E7, Om = B8, Oq = E8, O4 = B9, Ob = E9.  White's E9
# (Ob) joins D9, White's F8 stands beside E8, White's C5 below Black's C6.
# "KeimaSotoHane:at A B P F..." (shapes-hane.tst) answers the candidate at
# P against the sum of its readings.
#
# Black's hane: Black's C8 (two liberties, B8 and C9), White's D8, Black's
# D7 (joined to E7-F7) leave C7 in atari at B7; C6, the point beyond C7
# from C8, holds Black's stone with two liberties, so White's answer is
# B7, which gives C7-B7 three liberties (A7, B6, B8) and no ladder: Black's
# value after the four moves, -6 (premise).  White's stone at Ob (E9)
# changes nothing here: only White's stone at Oq would end the pattern.
# White's answer around the hane: F8 stands beyond E8 with E8 empty, so
# White's point is D7 with White's D7 alone, 36 (premise); B9 is on the
# edge, so the block beside C9 is not read, nor the points off the board.
# The total is 36 + -6 = 30.  White to play: the candidate D7.

[knight-outside-hane-atari-own-beyond-other-middle]
white to play
  . . . O O . . . .
  . . . . . O . . .
  . . O . X X . . .
  . . X . . . . . .
  . X O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D9 D7 [36]
call HaneMore:value D9 C8 D8 D7 B7 [-6]
call KeimaSotoHane:at D9 C7 D7 D9 D7 C7 C8 D8 D7 B7 [D7=r:5]

[knight-outside-hane-atari-own-beyond-other-middle-black]
# Black to play: the hane at C8 itself with the same 30, and the prepared
# answer C8 / D8 / D7.
black to play
  . . . O O . . . .
  . . . . . O . . .
  . . O . X X . . .
  . . X . . . . . .
  . X O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D9 C7 C8 D9 D7 C7 C8 D8 D7 B7 [C8=r:5]
call KeimaSotoHane:prep D9 C7 [C8/D8/D7]

# --- The second pass, far pattern: doubling exactly on its bound -------------
# Black's knight's move H2-G4 with White's J4 on the far line beside H4
# (the box's outer point beside the end stone's side point) and White's J2
# beyond H2 on the same line: two White stones along the far line, so the
# pattern reads White's cut at P1 = H3 against Black's P2 = G3.  Both
# groups have eye values of 3 or more (premises: 8 and 7) and J3, the
# outer point beside H3, is empty.  "Kankei4Hokyo:pin A B P Q F..."
# (keima-pin.tst) answers H3 against r, White's H3 answered by Black's G3
# (scored for White) plus Black's H3 (scored for Black), and its bonus
# against White's H3 and G3 with Black passing.
#
# The readings: White's H3 and Black's G3, 1; Black's H3, 1; White's H3
# and G3 with Black passing, 4 (premises).  The value 1 + 1 = 2 is doubled
# only when twice it stays below that 4: 2 x 2 = 4 is not below, so the
# value stays 2 and no bonus is given, whoever plays.

[knight-far-two-stones-double-on-bound]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O O X O
  . . . . O O O . O
  . . . . . . X . O
  . . . . X X . . .
  . . . . . X . X O
  . . . . . . X . .
call GunMe H2 [8]
call GunMe J4 [7]
call HaneMore:value H2 H3 G3 [1]
call HaneMore:value-own H2 H3 [1]
call Reading:one-side H2 H3 G3 [4]
call Kankei4Hokyo:pin H2 G4 H3 G3 G4 H3 G3 H2 H3 [H3=r:21]

[knight-far-two-stones-double-on-bound-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O O X O
  . . . . O O O . O
  . . . . . . X . O
  . . . . X X . . .
  . . . . . X . X O
  . . . . . . X . .
call Kankei4Hokyo:pin H2 G4 H3 G3 G4 H3 G3 H2 H3 [H3=r:21]

# --- The hane beyond a knight's move: the cutting stone laddered, half-dead ---
# Black's knight's move D7-C5 with White's B7 beyond the side point C7:
# Na = D7 (joined to E7), Sd = C7, Mp = D6, Mq = C6, Fd = D5, Nb = C5, and
# outside Oa = E7, O1 = B7, Om = E6, Oq = B6, O4 = E5, Ob = B5 (Black's).
# White's C9 stands above, White's C4 and E4 beside Black's D4 below.
#
# White's hane: White's D6, Black's C6, White's C7 (joined to B7, four
# liberties).  D6 is left with E6 and D5, and the ladder takes it: Black's
# E6, and White's D5 would leave D6-D5 the one liberty E5 between C5 and
# D4.  Beyond C7 from C6 (C8) there is no Black stone, D8 (beyond D7 from
# D6) is empty, and C9, beyond C8 from C7, is White's: the pattern reads
# the ladder.  Black's stone beyond D7 from C7 is already there (E7), and
# the analysis counts White's D6 group weak at death level 79 (premise):
# above 70, not above 90.  So the reading goes on: Black's E6, White's D8,
# Black's D5 (taking D6): 30 for White (premise), halved for the group
# above level 70: 15.  Black to play: Black's answer at C7 (Sd) with 15.

[knight-outside-hane-ladder-half-dead]
black to play
  . . O . . . . . .
  . . . . . X . . .
  . O . X X . . . .
  . . . . . . . . .
  . X X . . . . . .
  . . O X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group D7 D6 D6 C6 C7 [dl=79 weak=1 d70=1 d90=0]
call HaneMore:value D7 D6 C6 C7 E6 D8 D5 [30]
call KeimaSotoHane:at D7 C5 C7 C5 D6 C6 C7 E6 D8 D5 [C7=r/2:5]

[knight-outside-hane-ladder-half-dead-white]
# White to play: the hane at D6 itself with the same 15, and the prepared
# answer D6 / C6 / C7.
white to play
  . . O . . . . . .
  . . . . . X . . .
  . O . X X . . . .
  . . . . . . . . .
  . X X . . . . . .
  . . O X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D7 C5 D6 C5 D6 C6 C7 E6 D8 D5 [D6=r/2:5]
call KeimaSotoHane:prep D7 C5 [D6/C6/C7]

# --- The stone outside a middle point: the owner's stone outside the other ---
# White's knight's move D3-B4 with Black's C2 outside the middle point C3
# (beside D3) and White's C5 outside the other middle point C4; B5, the
# outer point beside B4, is empty.  Read from D3: Na = D3, Sd = D4, Mp = C3,
# Mq = C4, Fd = B3, Nb = B4, Om = C2 (Black's), Oq = C5 (White's), Ob = B5.
# With the owner's stone outside Mq and nothing beside Nb, C4 is already
# covered from outside and the pattern adds nothing, whoever plays and from
# either end of the pair.

[knight-outside-middle-owner-outside-other]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D3 B4 [none]
call KeimaSotoNaka:at B4 D3 [none]

[knight-outside-middle-owner-outside-other-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D3 B4 [none]
call KeimaSotoNaka:at B4 D3 [none]

# --- The stone outside a middle point: the owner's far stone in atari --------
# Black's knight's move H3-J1 in the corner with White's G2 outside the
# middle point H2 and White's H1 beside it on the edge: Na = H3, Sd = J3,
# Mp = H2, Mq = J2, Fd = H1, Nb = J1, Om = G2; the points outside J3, J2 and
# J1 are off the board.  Black's J1 is in atari (J2), but only the
# attacker's stone at Om in atari ends the pattern, and G2 has four
# liberties: the pattern reads on and proposes the point H2, for the owner
# and for the attacker alike (its value is not what these rows pin).

[knight-outside-middle-far-stone-in-atari]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . O . .
  . . . . . . . O X
call KeimaSotoNaka:at H3 J1 [H2]

[knight-outside-middle-far-stone-in-atari-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . O . .
  . . . . . . . O X
call KeimaSotoNaka:at H3 J1 [H2]

# --- The stone outside a middle point: the attacker's share of the outside answer
# Black's knight's move D3-E1 with White's C2 outside the middle point D2
# (C5 far above): Na = D3, Sd = E3, Mp = D2, Mq = E2, Fd = D1, Nb = E1,
# Om = C2, O1 = F3, with nothing around F3.  White to play (the attacker).
# Black's connection at D2 is worth v = 3 (premise).  White's cut: White's
# D2, Black's E2, and the cut at E3 between E2 and D3 is worth 16
# (premise), less than the push through E1-E3 after Black's E3 (42,
# premise): k = 16.  O1 = F3 is empty, above the first line, with no stone
# around it, E4 (beyond E3 from E2) is empty and F3 has no White
# neighbour, so Black's outside answer F3 is read: 6 (premise), above v;
# for the attacker v only moves a third of the way toward it:
# 3 + (6 - 3) / 3 = 4.  The total 4 + 16 = 20 (no negative part, the cut
# works) goes to White's cut at D2; with no reading named, r is 0 and the
# answer carries the value itself.

[knight-outside-middle-outside-answer-third]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . X . . . .
call HaneMore:value-own D3 D2 [3]
call HaneMore:cut-value D3 E3 E2 D3 D2 E2 [16]
call HaneMore:push D3 E1 E3 D2 E3 [42]
call HaneMore:value-own D3 F3 [6]
call KeimaSotoNaka:at D3 E1 D2 [D2=r+20:5]

# --- Knight's move touched from the side: the push, then the pushing stone laddered
# White's knight's move G2-J3 with Black's G3 touching G2 from above (the
# contact stone T); S = G2, M = H2, N = H3, O = J3, F = J2, X = G4, and W,
# outside J3 on T's side, is J4.  White's F3 (in atari) and H4, Black's
# E3 and F4 around.  G3 has two liberties (H3, G4) and no ladder takes
# it: White's F3 beside it is in atari at F2, and White's H3 is answered
# by G4 joining F4; G2 has three.  U, beyond G3 from H3, is White's F3, so the strip is not read.
# Black's push at H2 (three liberties) stands.  T still has two
# liberties: White answers at N (H3) and Black takes G3's last liberty at
# G4; now the pushing stone H2 is left with J2 and H1 and the ladder takes
# it along the edge (White's J2, Black's H1, White's G1).  So the pattern
# hands over to the ladder-stone reading: W (J4) has one empty neighbour,
# so it reads Black's N answered by White's M (5 for Black, premise) and
# White's N (-2 for White, premise): the candidate is N with 5 + -2 = 3,
# whoever plays (White's extra reading at X needs two empty points around
# G4, which has one).  F3, with one liberty, gives no outside reading.

[knight-contact-push-then-laddered]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . O .
  . . . . X O X . O
  . . . . . . O . .
  . . . . . . . . .
call HaneMore:value G2 H3 H2 [5]
call HaneMore:value-own G2 H3 [-2]
call KeimaTuke:pin G2 J3 H3 J3 H3 H2 G2 H3 [H3=r:5]

[knight-contact-push-then-laddered-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . O .
  . . . . X O X . O
  . . . . . . O . .
  . . . . . . . . .
call KeimaTuke:pin G2 J3 H3 J3 H3 H2 G2 H3 [H3=r:5]

# --- The hane beyond a knight's move: the laddered cut beside the owner's stone
# Black's knight's move H2-G4 with White's F2 beyond the side point G2:
# Na = H2, Sd = G2, Mp = H3, Mq = G3, Fd = H4, Nb = G4, O1 = F2, Om = J3,
# Oq = F3, O4 = J4, Oa = J2.  Black's G1 stands below G2, Black's F6 far
# above.  White's hane: White's H3, Black's G3 (joined to G4), White's G2
# (joined to F2, three liberties).  H3 is left with J3 and H4, and the
# ladder takes it toward the edge: Black's H4, White's J3, Black's J4, and
# White's J2 is answered by Black's J1 taking the three stones.  H1, beyond
# H2 from H3, is empty; G1, beyond G2 from G3, is Black's, with two
# liberties (F1, H1), and a ladder takes it too: White's F1, Black's H1,
# White's J2.  So the two ladders are read against each other: Black's H4
# and White's F1, 0 for White (premise); Black's F1 and White's H4, 23
# (premise); the smaller, 0, counts.  White to play: the hane at H3 itself.

[knight-outside-hane-two-ladders]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . O . X .
  . . . . . . X . .
call HaneMore:value H2 H3 G3 G2 H4 F1 [0]
call HaneMore:value H2 H3 G3 G2 F1 H4 [23]
call KeimaSotoHane:at H2 G4 H3 G4 H3 G3 G2 H4 F1 F2 H3 G3 G2 F1 H4 [H3=r:5]

[knight-outside-hane-two-ladders-black]
# Black to play: Black's answer at Sd (G2) with the same 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . O . X .
  . . . . . . X . .
call KeimaSotoHane:at H2 G4 G2 G4 H3 G3 G2 H4 F1 F2 H3 G3 G2 F1 H4 [G2=r:5]

# --- The second pass, outside pattern: the ladder after the end stone's extension
# White's knight's move J8-G9 on the top edge with Black's H7 outside the
# middle point H8 (P1), H9 the other middle point (P2), S = J8 and Q = J9.
# Black's F8 and J6, White's G7 around.  White's connection at H8: 40
# (premise).  Black's cut at H8 answered by White's H9 leaves J8 with two
# liberties, J9 and J7.  Black's J9 would have no liberty and take
# nothing (J8 keeps J7), so only Black's J7 is read: White extends at J9,
# which joins J8 to H9-G9 with the two liberties F9 and G8, and the ladder
# takes that chain (Black's G8; White's F9 is then left with E9 alone),
# so Black plays its first move G8: 38 for Black (premise), above 0.
# With the ladder worth something, the cut is read once more with White's
# answer at Q: Black's H8, White's J9, Black's H9 (the point beyond H9
# from H8 is off the board): 37 (premise).  That is below the ladder's 38,
# so it becomes Black's share (whatever White's answer at G8 gave), and
# the candidate is 40 + 37 = 77.

[knight-outside-cut-end-stone-ladder]
white to play
  . . . . . . O . .
  . . . . . X . . O
  . . . . . . O X .
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own J8 H8 [40]
call HaneMore:value J8 H8 H9 J7 J9 G8 [38]
call HaneMore:value J8 H8 J9 H9 [37]
call Kankei4Hokyo:pin J8 G9 H8 J8 H8 G9 H8 J9 H9 [H8=r:21]

# --- The stone outside a middle point: the owner's hane behind the link stone
# White's knight's move F2-H1 on the bottom edge with Black's F3-G3 above:
# G3 stands outside the middle point G2 and F3 outside F2, so Na = F2,
# Sd = F1, Mp = G2, Mq = G1, Fd = H2, Nb = H1, Om = G3, Oa = F3, O4 = H3
# (the other outer points are off the board); White's D3 to the left.
# Black to play (the attacker).  White's side: E2, beyond F2 from G2, is
# empty with three empty neighbours and Black holds Oa, so White's hane at
# E2 is read: after White's E2, Black's G2, White's G1, Black's F1 has the
# one liberty E1 and is caught, so White's value is that of E2 alone, -2
# (premise), but never below 0: 0.  Black's side: Black's G2 and White's
# G1; the cut at F1 would be a self-atari that takes nothing (-1,
# premise), so there is no cut and Black's value is the reading itself,
# 14 (premise).  The total 0 + 14 = 14 (no negative part; above 4 the cut
# rule changes nothing) goes to Black's G2.  The push at G1 against H1
# (three liberties) is no ladder: after Black's G1 and White's G2 the
# pushing stone G1 is itself in atari at F1.

[knight-outside-middle-owner-hane-behind-negative]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X X . .
  . . . . . O . . .
  . . . . . . . O .
call HaneMore:value-own F2 E2 [-2]
call HaneMore:cut-value F2 F1 G1 F2 G2 G1 [-1]
call HaneMore:value F2 G2 G1 [14]
call KeimaSotoNaka:at F2 H1 G2 H1 G2 G1 [G2=r:5]

# --- The second pass, contact pattern: the atari next to the connection ------
# White's knight's move J3-H1 on the right edge with Black's H3 touching
# J3 (O = H3, S = J3, P1 = H2, P2 = J2); White's J4-J5 above, Black's G1
# between White's F1 and H1 on the bottom line.  H2 is no self-atari for
# either side and H3 (three liberties) is neither dead nor laddered.
# Black's cut at H2 (H2-H3 keeps three liberties) answered by White's J2:
# 5 for Black (premise); Black's H2 and J2 with White passing, the bonus
# reading: 2 (premise).  White's connection at H2: 9 (premise), and it
# leaves Black's G1 in atari at G2, a Black chain among the eight points
# around H2.  v = 5 + 9 = 14; twice 14 is not below 2, so nothing is
# doubled and the bonus stays 2.  White to play: 2 more for the atari
# around the connection, 16.

[knight-contact-connection-ataris]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . O
  . . . . . . . X O
  . . . . . . . . .
  . . . . . O X O .
call HaneMore:value J3 H2 J2 [5]
call HaneMore:value-own J3 H2 [9]
call Reading:one-side J3 H2 J2 [2]
call Kankei4Hokyo:pin J3 H1 H2 J2 H1 H2 J2 J3 H2 [H2=r+2/b:21]

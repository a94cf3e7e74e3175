# Relation answers with the whole value of every candidate: the large
# knight's move with the attacker on the outer lines only, the (2,3) link
# with a wedge and the (1,4) link with the attacker in the middle of A's
# line.  Each value is worked out from readings that premise rows print:
#   HaneMore:value A M...       the attacker's evaluation after M... (the
#                               attacker first, alternating);
#   HaneMore:value-own A M...   the owner's, from the owner's move;
#   HaneMore:group A P M...     the group at P after M... (attacker first);
#   HaneMore:cut-value A C X Y M...  the attacker's value of the cut at C
#                               between X and Y after M... (HaneMoreRoutines.cpp).
#   NAME:values A B             (RelationPin15Routines.cpp) every candidate
#                               of the handler as "P=value:reason" (a bonus
#                               after a slash), then the prepared answers as
#                               "own/reply/answer".
#
# Large knight's move: Black's C5 (A) and F6 (B), cells
#     beyond B's line   C7 D7 E7 F7      (D1 D3 D5 D7)
#     B's line          C6 D6 E6 F6=B    (R1 R3 R5 R7)
#     A's line          C5=A D5 E5 F5    (R0 R2 R4 R6)
#     beyond A's line   C4 D4 E4 F4      (D0 D2 D4 D6)

# --- White beyond B's line beside A (C7): the push, the block, the hane ------------------
# White's C7 alone outside (its chain has four liberties); D7, C4, D4 and E4
# are empty, B6 (beyond C6 from D6) is not White's.  White pushes at D5,
# Black blocks at D6, White hanes at C6: D5 keeps D4 and E5, and escapes
# either atari (to three liberties), so no ladder takes it; A is no lone
# stone with two liberties then, so White's point stays E7 (D5 of the
# cells).  White's value e is its evaluation after D5 D6 C6; then each of
# Black's ataris on D5, answered by White's extension at the other
# liberty, gives a reading; one below 0 counts as half of e (toward
# zero), and e becomes the smaller.  Black's value is its evaluation
# after D6.  Black to play proposes D6 with two thirds of the sum, White
# to play E7 with half of it (both toward zero).

[pf15-outside-atari-reading-below-zero]
# The plain shape.  e = 54; Black's D4, White's E5: -38, below 0, so it
# counts as 54 div 2 = 27 and e becomes 27; Black's E5, White's D4: 58,
# not smaller.  Black's D6: 27.  Sum 27 + 27 = 54: D6 = 2 x 54 div 3 = 36.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C5 D5 D6 C6 [54]
call HaneMore:value C5 D5 D6 C6 D4 E5 [-38]
call HaneMore:value C5 D5 D6 C6 E5 D4 [58]
call HaneMore:value-own C5 D6 [27]
call Kankei7Utu:values C5 F6 [D6=36:5]

[pf15-outside-atari-reading-below-zero-white]
# White to play: the same sum 54, E7 = 54 div 2 = 27.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C5 D5 D6 C6 [54]
call HaneMore:value C5 D5 D6 C6 D4 E5 [-38]
call HaneMore:value C5 D5 D6 C6 E5 D4 [58]
call HaneMore:value-own C5 D6 [27]
call Kankei7Utu:values C5 F6 [E7=27:5]

[pf15-outside-atari-reading-zero]
# White's B5 beside A and Black's G1 far below.  e = 40; Black's D4,
# White's E5: exactly 0, not below 0, so it counts as it is and e becomes
# 0; Black's E5, White's D4: 56.  (After the hane A has the one liberty
# C4: no lone stone with two liberties, White's point stays E7.)  Black's
# D6: 5.  Sum 5 + 0 = 5: D6 = 2 x 5 div 3 = 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
call HaneMore:value C5 D5 D6 C6 [40]
call HaneMore:value C5 D5 D6 C6 D4 E5 [0]
call HaneMore:value C5 D5 D6 C6 E5 D4 [56]
call HaneMore:value-own C5 D6 [5]
call Kankei7Utu:values C5 F6 [D6=3:5]

[pf15-outside-atari-reading-zero-white]
# White to play: the same sum 5, E7 = 5 div 2 = 2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
call Kankei7Utu:values C5 F6 [E7=2:5]

# --- White beside A's end near the edge: the ladder pattern ---------------------------
# Black's C2 (A) and F3 (B): A's line row 2 (C2 D2 E2 F2), B's line row 3
# (C3 D3 E3 F3), White's C4 beyond B's line beside A (D1) with four
# liberties and White's B3 beyond C3 from D3; D2 on the second line, D3 on
# the third; D4 not Black's, C1, D1 and E1 empty.  F2 is empty.  White's
# E2, Black's D3, White's E3, Black's E4, White's D4, Black's F2: D3 is
# left with C3 and D2: White's D2, Black's C3 (C2-C3-D3 with B2 and C1),
# White's C1, Black's B2, White's B1, Black's A2, White's A3 take it along
# the edge: a ladder.  Then White's E2 alone, Black's E3, White's D2,
# Black's D3, White's C3, Black's F2: A alone with B2 and C1 is caught the
# same way.  So White to play proposes E2 at the fixed value with the prepared
# answer after E2: Black's E3 answered at D2.
#   Kankei7Utu:ogeima-prep A B (OgeimaCoverRoutines.cpp): the prepared
#   answers as "own/reply/answer".

[pf15-outside-edge-ladder-prepared]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C2 F3 [E2/E3/D2]

# --- White's peep at D7 ----------------------------------------------------------------
# White's D7 alone outside; C7 is not Black's, D4 is empty, E7 and F4 are
# not Black's (no reading of Black's E6 first).  White pushes at D5
# (E4 is not Black's: no answer of Black's at D4): White's value is its
# evaluation after D5, not scaled (the group at D5 is not dead by the
# 70 rule).  C7 is not White's, and E8 (beyond E7 from E6) is not Black's:
# Black's point is the better of D6 and E5 by Black's evaluation after
# each, D6 when it is strictly better.

[pf15-peep-block-beside-the-peep-better]
# Black's D1 far below.  White's D5: 29.  Black's D6: 5, Black's E5: 3;
# D6 is better: D6 = 5 + 29 = 34.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
call HaneMore:value C5 D5 [29]
call HaneMore:group C5 D5 D5 [dl=46 weak=1 d70=0 d90=0]
call HaneMore:value-own C5 D6 [5]
call HaneMore:value-own C5 E5 [3]
call Kankei7Utu:values C5 F6 [D6=34:5]

[pf15-peep-block-beside-the-peep-better-white]
# White to play proposes its push at D5 with the same sum, 34.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
call Kankei7Utu:values C5 F6 [D5=34:5]

# --- The peep with White's C7 beside A's end, or Black's E8 --------------------------------
# Conditions as above except where a row says otherwise.

[pf15-peep-hane-atari-point]
# White's C7 beside A's end as well (D1), and Black's B6 between White's
# A6 and B5 with the two liberties B7 and C6: White's move at C6 would put
# it in atari, so C6 is one of White's atari points.  Black's answer is
# then E5 at once, by Black's evaluation after E5, however good D6 is.
# Black's H2 far away.  White's D5: 18 (not dead by the 70 rule); Black's
# E5: 1 (Black's D6: 6).  White to play proposes D5 = 1 + 18 = 19.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  O X . . . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
call HaneMore:value C5 D5 [18]
call HaneMore:group C5 D5 D5 [dl=63 weak=1 d70=0 d90=0]
call HaneMore:value-own C5 E5 [1]
call HaneMore:value-own C5 D6 [6]
call Kankei7Utu:values C5 F6 [D5=19:5]

[pf15-peep-hane-atari-point-black]
# Black to play: White's D5: 18; Black's E5: -1 (D6: 6, not looked at):
# E5 = -1 + 18 = 17.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  O X . . . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
call HaneMore:value C5 D5 [18]
call HaneMore:value-own C5 E5 [-1]
call HaneMore:value-own C5 D6 [6]
call Kankei7Utu:values C5 F6 [E5=17:5]

[pf15-peep-hane-no-atari-point]
# White's C7 beside A's end, but no Black chain with two liberties has C6
# among them (A has four): the choice between D6 and E5 as without C7.
# Black's E1 far below.  White's D5: 34 (not dead by the 70 rule); Black's
# D6: 8, Black's E5: 4: D6 = 8 + 34 = 42.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
call HaneMore:value C5 D5 [34]
call HaneMore:group C5 D5 D5 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:value-own C5 D6 [8]
call HaneMore:value-own C5 E5 [4]
call Kankei7Utu:values C5 F6 [D6=42:5]

[pf15-peep-hane-no-atari-point-white]
# White to play: D5 = 42.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
call Kankei7Utu:values C5 F6 [D5=42:5]

[pf15-peep-ladder-broken]
# Black's E8 beyond E7 from E6 (W1): Black reads its E6, White's D6,
# Black's D5 and White's E5, and the ladder on E5 (liberties E4 and F5).
# Black's F5 lets it out at E4; after Black's E4 the ladder runs down to
# the right (F5, F4, G4, G3 ...) and White's H2 stands in its path: not
# caught.  So Black's point is E5 with Black's evaluation after E5.
# White's D5: 13 (not dead by the 70 rule); Black's E5: 1 (D6 would be 9,
# not looked at): E5 = 1 + 13 = 14.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
call HaneMore:value C5 D5 [13]
call HaneMore:group C5 D5 D5 [dl=41 weak=1 d70=0 d90=0]
call HaneMore:value-own C5 E5 [1]
call HaneMore:value-own C5 D6 [9]
call Kankei7Utu:values C5 F6 [E5=14:5]

[pf15-peep-ladder-broken-white]
# White to play: D5 = 14.
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
call Kankei7Utu:values C5 F6 [D5=14:5]

# --- White's caps at D4 and F4 -----------------------------------------------------------
# White's D4 and F4 below A's line and C4 behind A.  E4, D7 and E5 are not
# Black's, E7 is not White's; E6 is not on the first line and E7 (beyond
# E6 from E5) is not Black's.  White's E6, Black's E5: B's F6 keeps F7, G6
# and F5, no ladder.  White's D5 then: E6 keeps D6 and E7 and escapes
# either atari (E7 out to three liberties, D6 into White's D5-D4-C4), so
# no ladder; White's value is its evaluation after E6 alone.  Black's D5,
# White's E5, Black's E6, White's D6: D6 keeps C6 and D7; Black's C6 lets
# it out at D7, and Black's D7 is answered by White's C6, which leaves
# Black's C5-D5 the one liberty B5: no ladder, so Black's point is D6 at
# Black's evaluation after D6.  The sum goes to D6 for Black, to E6 for
# White, with White's prepared answers after E6: Black's E5 answered at
# F5, Black's E7 answered at D6.

[pf15-cap-both-sides-no-ladder]
# White's E6: 62; Black's D6: 9.  D6 = 9 + 62 = 71.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . O O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C5 E6 [62]
call HaneMore:value-own C5 D6 [9]
call Kankei7Utu:values C5 F6 [D6=71:5]

[pf15-cap-both-sides-no-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . O O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:values C5 F6 [E6=71:5 E6/E5/F5 E6/E7/D6]

[pf15-cap-cut-worth-nothing]
# White's D4 alone below A's line, White's J5 far right.  F4 is not White's;
# C4 is empty but B3 (beyond it from D5) is not Black's: no hane behind A.
# White's D5, Black's D6: White's cut at C6 between D6 and C5 is worth
# exactly 0 (not below 0: it stands, and no other reading replaces it).
# Black's D5: 5.  Sum 5 + 0 = 5 (the cut is not worth 2: no doubling; not
# 4): White to play proposes D5 = 5.  The sum is above 4: no second
# reading at F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . O
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut-value C5 C6 D6 C5 D5 D6 [0]
call HaneMore:value-own C5 D5 [5]
call Kankei7Utu:values C5 F6 [D5=5:5]

[pf15-cap-cut-worth-nothing-black]
# Black to play proposes the block at D6 with the same sum, 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . O
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:values C5 F6 [D6=5:5]

[pf15-cap-cut-worth-two]
# White's D4 alone below A's line, Black's B9 far away.  F4 is not
# White's; B3 (beyond C4 from D5) is not Black's: no hane behind A.  White's
# D5, Black's D6: White's cut at C6 between D6 and C5 is worth 2 (not below
# 0: it stands).  Black's D5: 4.  Sum 4 + 2 = 6; with the cut worth
# exactly 2 the attacker to play doubles it: White proposes D5 = 12.  The
# sum is above 4: no second reading at F5.
white to play
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut-value C5 C6 D6 C5 D5 D6 [2]
call HaneMore:value-own C5 D5 [4]
call Kankei7Utu:values C5 F6 [D5=12:5]

[pf15-cap-cut-worth-two-black]
# Black to play: no doubling for the owner, D6 = 4 + 2 = 6.
black to play
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:values C5 F6 [D6=6:5]

[pf15-cap-cut-even-beside-a]
# White's D4 and D2, Black's C4 behind A (D0 not empty: no hane behind A).
# White's D5, Black's D6: White's cut at C6 is worth exactly 0 (it
# stands).  Black's D5: 6.  Sum 6 + 0 = 6, above 4: White to play proposes
# D5 = 6, and no second reading.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call HaneMore:cut-value C5 C6 D6 C5 D5 D6 [0]
call HaneMore:value-own C5 D5 [6]
call Kankei7Utu:values C5 F6 [D5=6:5]

[pf15-cap-cut-even-beside-a-black]
# Black to play: D6 = 6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei7Utu:values C5 F6 [D6=6:5]

# White's D4 alone, Black's C7 above C6.  White's D5, Black's D6: the cut
# at C6 would have the one liberty B6 (a self-atari): no cut, so the value
# of the cap falls back to the box reading for White: D5 White's, D6
# Black's, D7 empty, but White's C6 is a self-atari: White's evaluation
# after D5 D6 as it stands.  F5 has three empty neighbours (F4, G5, E5)
# and the sum is not above 4: the second reading, White's D5, Black's D6,
# White's F5 (and Black's G5 beyond F5 from E5 when Black is to play),
# White's evaluation then plus Black's after E5, under reason 18 (a value
# of 26 or more is kept as 25 with the excess over 13 as its bonus).

[pf15-cap-no-cut-sum-zero]
# White's D5 D6: -4; Black's D5: 4.  Sum 0: White adds no candidate at
# D5 for it.  Second reading: White's D5 D6 F5: 35; Black's E5: 12; 47,
# kept as 25 with bonus 34, at D5 for White, with the prepared answer
# after D5: Black's D6 answered at F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut-value C5 C6 D6 C5 D5 D6 [-1]
call HaneMore:value C5 D5 D6 [-4]
call HaneMore:value-own C5 D5 [4]
call HaneMore:value C5 D5 D6 F5 [35]
call HaneMore:value-own C5 E5 [12]
call Kankei7Utu:values C5 F6 [D5=25/34:18 D5/D6/F5]

[pf15-cap-no-cut-sum-zero-black]
# Black to play: the sum 0 goes to D6 all the same.  Second reading with
# Black's G5: White's D5 D6 F5 G5: -25; Black's E5: 12; E5 = -13.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C5 D5 D6 [-4]
call HaneMore:value-own C5 D5 [4]
call HaneMore:value C5 D5 D6 F5 G5 [-25]
call HaneMore:value-own C5 E5 [12]
call Kankei7Utu:values C5 F6 [D6=0:5 E5=-13:18]

# --- (2,3) link with a wedge ---------------------------------------------------------------
# Black's C6 (A) and E3 (B), the box C6 D6 E6 / C5 D5 E5 / C4 D4 E4 /
# C3 D3 E3.  White's wedge at D5 ([4]), D4 ([7]) empty; E5 is not Black's;
# B5 (beyond C5 from D5) is not Black's, B6 (beyond C6 from D6) not
# White's; C3 and the eight points around it are empty; C6 has four
# liberties (no ladder).  Black's point is the far corner C3, White's the
# extension C4; the value is Black's evaluation after C3 plus White's
# after C4, scaled by the White group at C4: times its death level div 100
# when it is weak (times 100 div 100 when dead).  C5 is on the third line.

[pf15-k8-wedge-extension-weak]
# White's H1 far away.  Black's C3: 15; White's C4: 43, the group weak at
# death level 41.  (15 + 43) x 41 div 100 = 2378 div 100 = 23.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . O .
call HaneMore:value-own C6 C3 [15]
call HaneMore:value C6 C4 [43]
call HaneMore:group C6 C4 C4 [dl=41 weak=1 d70=0 d90=0]
call Kankei8Utu:values C6 E3 [C3=23:5]

[pf15-k8-wedge-extension-weak-white]
# White to play proposes C4 with the same value, 23.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . O .
call Kankei8Utu:values C6 E3 [C4=23:5]

# --- (2,3) link, White's stone touching A along the long side ------------------------
# Box as above.  White's C5 ([3]) touches A, E5, C4, E4 and C3 hold no
# White stone, the middle points D5 and D4 are empty.  White's B6 and C7
# leave A the one liberty D6.  C5 keeps three liberties (B5, C4, D5), so
# Black's point is D6 (A's chain has two liberties or fewer), read with
# Black's move at D5; with A's one liberty White's point is the hane E5.
# The value is Black's evaluation after D5 plus White's after E5.

[pf15-k8-contact-a-in-atari]
# Black's D5: 15; White's E5: 16.  D6 = 15 + 16 = 31.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own C6 D5 [15]
call HaneMore:value C6 E5 [16]
call Kankei8Utu:values C6 E3 [D6=31:5]

[pf15-k8-contact-a-in-atari-white]
# White to play proposes the hane E5 with the same value, 31.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:values C6 E3 [E5=31:5]

# --- (2,3) link, White's stone on the far corner beside B's side -----------------------
# Box as above.  White's E6 ([2]) with nothing of White's on E5, C4, E4,
# C3 ([5], [6], [8], [9]) or D6 ([1]); E6 keeps three liberties (E7, D6,
# E5): no ladder.  Black's F6 beyond E6 from D6.  Black's E5 is no
# self-atari.  Black's E5, White's D5, Black's D6, then White's F5: F5
# keeps F4 and G5, F6 keeps F7 and G6 and escapes either atari (to F7 or
# G6, three liberties each): not caught, so Black's point stays E5 with
# Black's evaluation after E5 D5 D6 (alternating from Black).  White's
# point is D5 when White's evaluation after D5 is at least that after E5.
# Value: Black's reading plus White's better one plus 2.

[pf15-k8-far-corner-attacker-tie]
# Black's B4, E3 and G3, White's D2.  Black's E5 D5 D6: 10.  White's D5:
# -2, White's E5: -2, as good: White's point D5, 10 + -2 + 2 = 10.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O X . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . X . X . .
  . . . O . . . . .
  . . . . . . . . .
call HaneMore:value-own C6 E5 D5 D6 [10]
call HaneMore:value C6 D5 [-2]
call HaneMore:value C6 E5 [-2]
call Kankei8Utu:values C6 E3 [D5=10:5]

# --- (2,3) link with nothing of White's near --------------------------------------------
# Box as above; no White stone in the box, beside its long sides (B5, B4,
# F5, F4) or past its short ends (E7, D7, D2, C2).  White's cut is D5
# ([4]) unless D4 ([7]) is strictly better for White; Black's point is
# D5 unless D4 is strictly better for Black.  Value: Black's evaluation
# after its point plus White's after its cut.

[pf15-k8-free-ties-keep-d5]
# White's G8 far away.  White's D5: 32 (the group there not weak), White's
# D4: 32, a tie: White's cut stays D5.  Black's D5: -2, Black's D4: -2:
# Black's point stays D5.  White to play proposes D5 = -2 + 32 = 30.
white to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C6 D5 [32]
call HaneMore:value C6 D4 [32]
call HaneMore:value-own C6 D5 [-2]
call HaneMore:value-own C6 D4 [-2]
call HaneMore:group C6 D5 D5 [dl=0 weak=0 d70=0 d90=0]
call Kankei8Utu:values C6 E3 [D5=30:5]

[pf15-k8-free-ties-keep-d5-black]
# Black to play: the same readings (32, 32, -2, -2); Black's D4 is not
# strictly better: Black proposes D5 = 30.
black to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C6 D5 [32]
call HaneMore:value C6 D4 [32]
call HaneMore:value-own C6 D5 [-2]
call HaneMore:value-own C6 D4 [-2]
call Kankei8Utu:values C6 E3 [D5=30:5]

# --- (1,4) link, the attacker in the middle of A's line at the edge ---------------------
# Black's C3 (A) and G2 (B): A's line row 3 (C3 D3 E3 F3 G3), B's line row 2
# (C2 .. G2), the first line below.  White's E3 on A's line at the middle
# step: Black's answer is E2 beside it, White's point under it E1, on the
# first line, so White weighs E1 against F2 and D2: F2 replaces E1 only
# when strictly better, D2 replaces the point kept when at least as good.
# E1 is empty, G1, D3 and F3 hold no White stone; nothing beyond E1.

[pf15-onefour-edge-push-tie-keeps-first]
# Black's D6 and J5, White's C1 away from the shape.  Black's E2: 6.
# White's E1: -1 (its group there not dead by the 90 rule); White's F2:
# -1, not better: E1 stays; White's D2: -2, worse.  White to play
# proposes E1 with -1 + 6 = 5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . X
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . O . . . . . .
call HaneMore:value-own C3 E2 [6]
call HaneMore:value C3 E1 [-1]
call HaneMore:value C3 F2 [-1]
call HaneMore:value C3 D2 [-2]
call HaneMore:group C3 E1 E1 [dl=79 weak=1 d70=1 d90=0]
call Kankei11Utu:values C3 G2 [E1=5:5]

# More relation answers with the whole value of every candidate, with the
# commands of shapes-relation-pin15.tst ("NAME:values A B" from
# RelationPin15Routines.cpp, premises from HaneMoreRoutines.cpp) and
#   Reading:value-pass A M...   the attacker's evaluation after M...
#                               (attacker first, alternating), a move
#                               named A being a pass of the side to move
#                               (RelationPin21Routines.cpp).
#
# Large knight's move: Black's C5 (A) and F6 (B), cells
#     beyond B's line   C7 D7 E7 F7      (D1 D3 D5 D7)
#     B's line          C6 D6 E6 F6=B    (R1 R3 R5 R7)
#     A's line          C5=A D5 E5 F5    (R0 R2 R4 R6)
#     beyond A's line   C4 D4 E4 F4      (D0 D2 D4 D6)

# --- White peeping at D7: a tie between Black's two blocks keeps E5 ----------------------
# White's D7 alone on the outer line beyond B; C7 and E7 are not White's,
# D4 is empty, F4 and E4 are not Black's, E8 (beyond E7 from E6) is not
# Black's.  White's push at D5 is worth 34 to White and its group there is
# not dead by the 70 rule, so the sum is not divided.  Black blocks at D6
# or at E5 and keeps D6 only when it is strictly better: here both are
# worth 7, so the answer stays E5 with 7 + 34 = 41.

[pl21-peep-blocks-tie-keeps-e5]
black to play
  . X . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
call HaneMore:value C5 D5 [34]
call HaneMore:group C5 D5 D5 [dl=18 weak=1 d70=0 d90=0]
call HaneMore:value-own C5 D6 [7]
call HaneMore:value-own C5 E5 [7]
call Kankei7Utu:values C5 F6 [E5=41:5]

# --- White peeping at D7 with Black's E8: the ladder read after White's D6 ---------------
# White's D7, E7 and F7 above B, Black's E8 beyond E7 from E6, White's F4,
# Black's G5 (C7 not White's, D4 empty, F4 and E4 not Black's).  With
# Black's E8 Black's block is read: Black's E6, White's D6, Black's D5,
# White's E5, then the ladder on White's E5.  White's D6 leaves Black's
# E6-F6 with only F5 and G6 (D6, E5 and E7 White's), so Black's atari at E4
# is met by White's F5, which joins F4 and ataris E6-F6: the ladder fails
# (the premise rows below, on the board after those four moves, with and
# without White's D6).  So Black's point is E5 alone: Black's E5 1, White's
# D5 53 (its group not dead by the 70 rule): E5 = 1 + 53 = 54 to play for
# Black, and White's D5 with the same 54.

[pl21-peep-ladder-after-d6-premise]
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O O O . . .
  . . . O X X . . .
  . . X X O . X . .
  . . . . . O . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . X . . .
call Ladder:moves E5 [free]

[pl21-peep-ladder-without-d6-premise]
# Without White's D6 (E6-F6 keeping D6) Black's E4 atari runs White down
# to the corner.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O O O . . .
  . . . . X X . . .
  . . X X O . X . .
  . . . . . O . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . X . . .
call Ladder:moves E5 [caught E4 F5 F3 G4 H4 G3 G2 H3 H2 J3 J4 J2 J1]

[pl21-peep-ladder-fails-e5]
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O O O . . .
  . . . . . X . . .
  . . X . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . X . . .
call HaneMore:value C5 D5 [53]
call HaneMore:group C5 D5 D5 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:value-own C5 E5 [1]
call Kankei7Utu:values C5 F6 [E5=54:5]

[pl21-peep-ladder-fails-e5-white]
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O O O . . .
  . . . . . X . . .
  . . X . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . X . . .
call HaneMore:value C5 D5 [53]
call Kankei7Utu:values C5 F6 [D5=54:5]

# --- White capping at D4: the small sum that lets White turn at F5 as well ----------------
# White's D4 alone outside A's line (F4, E7, E4, D7 and E5 not White's or
# Black's as the pattern wants, B3 beyond C4 from D5 not Black's).  White
# pushes at D5, Black blocks at D6, and White's cut at C6 between D6 and
# C5 is worth k to White.  Black to play proposes D6 with Black's value of
# D5 plus k.  When that sum is at most 4 and F5 has exactly three empty
# neighbours (E5, G5, F4; F6 is Black's), White's turn at F5 after D5 D6
# is read too: Black answers at G5 (beyond F5 from E5) and White's
# evaluation after D5 D6 F5 G5 is added to Black's value of E5; Black
# proposes E5 with that sum under the group reason 18.

[pl21-cap-sum-four-turns]
# Black's D9 and G3, White's G2 far away.  Black's D5: 2, White's cut: 2,
# sum 4, not above 4: D6 = 4.  White's reading after D5 D6 F5 G5: 3,
# Black's E5: 4, E5 = 4 + 3 = 7 (reason 18).
black to play
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . X . .
  . . . . . . O . .
  . . . . . . . . .
call HaneMore:value-own C5 D5 [2]
call HaneMore:cut-value C5 C6 D6 C5 D5 D6 [2]
call HaneMore:value C5 D5 D6 F5 G5 [3]
call HaneMore:value-own C5 E5 [4]
call Kankei7Utu:values C5 F6 [D6=4:5 E5=7:18]

[pl21-cap-sum-five-no-turn]
# The bare shape: Black's D5 is worth 4 and White's cut 1, sum 5, above 4:
# D6 = 5 and no turn at F5 is read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own C5 D5 [4]
call HaneMore:cut-value C5 C6 D6 C5 D5 D6 [1]
call Kankei7Utu:values C5 F6 [D6=5:5]

# --- White capping at D4 and F4: the ladder on A after the cut ----------------------------
# White's D4 and F4 outside A's line, Black's F6-F7-F8 and G3.  White's
# E6, Black's E5: Black's F6 chain has many liberties, no ladder.  White's
# D5 then leaves E6 with the two liberties D6 and E7, and the ladder
# catches it (Black's D6, White's E7, Black's D7, E8 up the edge...), so
# White reads the cut: Black's D6, White's C6 (two liberties, B6 and C7),
# Black's E7 (taking E6).  A at C5 is left with the two liberties B5 and
# C4 and the ladder catches it: White's atari B5, Black's run C4, White's
# C3...  White plays the ladder's first two moves, B5 and C4 (Black
# passing between), capturing A: White's evaluation there is 94, above
# 0.  G5 (beyond F5 from E5) is not Black's, so nothing else is read:
# Black to play proposes E5 with 94, White to play E6 with 94.

[pl21-cap-ladder-takes-a]
black to play
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call Reading:value-pass C5 E6 E5 D5 D6 C6 E7 B5 C5 C4 [94]
call Kankei7Utu:values C5 F6 [E5=94:5]

[pl21-cap-ladder-takes-a-white]
white to play
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call Reading:value-pass C5 E6 E5 D5 D6 C6 E7 B5 C5 C4 [94]
call Kankei7Utu:values C5 F6 [E6=94:5]

# The same cap with Black's own D6 already standing and White's B6 and B4
# beside A.  White's E6, Black's E5, White's D5: E6 is in atari at E7 and
# caught.  Black's D6 is already there, White cuts at C6 (joined to B6),
# Black takes E6 at E7.  A is left with B5 and C4 and the ladder catches
# it (White's C4, Black's B5, White's A5); White's C4 and B5, Black
# passing, take A, and White's evaluation there is exactly 0: not above 0,
# so no candidate for either side.

[pl21-cap-ladder-takes-a-worth-zero]
black to play
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . X . . .
  . . X . . . . . .
  . O . O . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
call Reading:value-pass C5 E6 E5 D5 C5 C6 E7 C4 C5 B5 [0]
call Kankei7Utu:values C5 F6 [none]

[pl21-cap-ladder-takes-a-worth-zero-white]
white to play
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . O . X . X . . .
  . . X . . . . . .
  . O . O . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
call Reading:value-pass C5 E6 E5 D5 C5 C6 E7 C4 C5 B5 [0]
call Kankei7Utu:values C5 F6 [none]

# (1,4) link: Black's C4 (A) and G5 (B), cells
#     beyond B's line   C6 D6 E6 F6 G6       (D1 D3 D5 D7 D9)
#     B's line          C5 D5 E5 F5 G5=B     (R1 R3 R5 R7 R9)
#     A's line          C4=A D4 E4 F4 G4     (R0 R2 R4 R6 R8)
#     beyond A's line   C3 D3 E3 F3 G3       (D0 D2 D4 D6 D8)

# White's E4 in the middle of A's line, E6 (beyond E5 on B's side) empty
# and White's E7 beyond E6 from E5.  h, Black's reading after E5, is 22.
# White's values: F6 (the far point beyond B's line) 6, D5 (beside the
# stone on B's line, toward A) 8.  Black to play connects at E5 with
# h plus the better of the two: 22 + 8 = 30, no bonus.
[pl21-onefour-middle-stone-beyond]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own C4 E5 [22]
call HaneMore:value C4 F6 [6]
call HaneMore:value C4 D5 [8]
call Kankei11Utu:values C4 G5 [E5=30:5]

[pl21-onefour-middle-stone-beyond-white]
# White to play: both of its points, F6 with 22 + 6 = 28 and D5 with
# 22 + 8 = 30.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own C4 E5 [22]
call HaneMore:value C4 F6 [6]
call HaneMore:value C4 D5 [8]
call Kankei11Utu:values C4 G5 [D5=30:5 F6=28:5]

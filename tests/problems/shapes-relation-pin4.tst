# Known-answer rows for the relation moves of groups (adjacent stones, the
# one- and two-space jumps, the knight's move), the (1,4) and (2,3) links
# and the large knight's move (its caps, the pattern behind A), each
# pinning one cell, bound or point choice of its routine.  Entries:
#   NAME:at A B P M... A N...      (RoleRoutines.cpp) every candidate by its
#       point, the one at P against B's colour's reading M... plus A's
#       colour's N... ("P=r:18", "P=r*4/5:18", ...);
#   NAME:only A B P M... A N...    (ShapeRoutines.cpp) the candidate at P
#       alone, as above ("P=r/4:18" a quarter of the sum);
#   NAME:read A B M... A N...      (ShapeRoutines.cpp) every candidate
#       against the attacker's reading M... plus the owner's N...;
#   NAME:ogeima2-floored A B P     the candidate at P with the group minimum
#       above any value; NAME:ogeima2-at A B P M... A N... the candidate
#       at P alone against B's colour's reading M... plus A's colour's
#       N... ("P=r:18"; "none" when P has none) (Ogeima2CoverRoutines.cpp);
#   GunKankei2Utu:pin-side A B P K... A S...  (RelationPinRoutines.cpp)
#       the diagonal relation's candidate at P against Black's K... plus
#       White's S..., each colour alone;
#   GunKankei6Utu:pin A B X ...    (WidePinRoutines.cpp) every candidate
#       by its point (X not a candidate);
#   Kankei11Utu:bonus-words A B    (RelationPin4Routines.cpp) every
#       candidate as "P=bonus";
#   Kankei8Utu:formula A B P       (WideCoverRoutines.cpp) every candidate
#       by its point, the one at P against P's position value ("P=iti:5");
#   Kankei7Utu:ogeima-pass-at A B P M...  the candidate at P against the
#       attacker's reading M..., in which A stands for a pass;
#       Kankei7Utu:ogeima-prep A B: the prepared answers
#       (OgeimaCoverRoutines.cpp).

# --- Adjacent stones: the second look along the sides --------------------------------------

[contact-side-try-two-out-behind-a-held]
# Black's D3 touches White's E3 on the third line, Black's C4 stands one
# line out behind D3.  Toward the edge the points beside D3 and E3 are on
# the second line: no reading and no second look on that side.  On the
# upper side the plain reading stops at once (D5, two out from D3, has
# stones around it).  The second look along the upper side: one line out
# C4 (Black), D4, E4, F4; two lines out C5, D5, E5, F5.  White's C5 stands
# two lines out behind Black's stone (E_A, 2 lines), which ends the look:
# no candidate at all.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at D3 E3 A1 [none]

[contact-side-try-two-out-behind-a-open]
# The same without White's C5: nothing ends the look, no White stone
# stands at F4, E5, F5, E6 or F6 and Black's C4 stands one line out behind
# D3, so the point one line out beside White's stone, E4, is tried (both
# colours' plays there): the only candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at D3 E3 A1 [E4]

# --- Two-space jump on the third line: the floored side value -----------------------------

[two-space-third-line-extension-floored]
# wide-pin.tst's pin-two-space-third-line-extension (Black's G3 and White's
# K3 on the third line of 13x13, Black's L4 closing the upper side) with
# the group minimum above any value: the side toward the edge is read, and
# its value, below the minimum, becomes 0.  Black's G3 is a lone
# third-line stone whose two-space extension D3 is proposed at the side's
# value plus one: 1.
black to play
  O . . . . . . . . . . . X
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . X . .
  . . . . . . X . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:ogeima2-floored G3 K3 D3 [D3=1:18]

# --- The caps of a large knight's move: the first look's ladder on A ----------------------
# Black's C5-F6 (A = C5, B = F6) with White's caps D4 (D2) and F4 (D6), as
# in shapes-ogeima-cover3.tst's caps' ladder rows (C5 joined by B5; White's
# B4, C4 and G4; Black's E8, F7 and G5; White's F8 and G7), cells:
#     beyond B's line   C7 D7 E7 F7      (D1 D3 D5 D7)
#     B's line          C6 D6 E6 F6=B    (R1 R3 R5 R7)
#     A's line          C5=A D5 E5 F5    (R0 R2 R4 R6)
#     beyond A's line   C4 D4 E4 F4      (D0 D2 D4 D6)
# After White's E6 and Black's E5 the ladder does not take F6-F7, but
# after White's D5 as well it takes E6 (Black's D6, then E7 has one
# liberty): the caps' ladder reading, with White's E6, Black's E5 and
# White's D5 on the board.  Here A5 is empty and White's C7 stands above
# C6.  C5-B5 has three liberties (A5, B6, C6), four or fewer: the first
# look runs.  Black's D6, White's cut at C6 (joined to C7: four
# liberties), Black's E7 (taking E6) leave C5-B5 with two liberties, A5
# and B6, and the ladder takes it (White's B6, Black's A5, White's A6,
# Black's A4, White's A3; White's stones around keep their liberties).
# White then plays the first two moves of that ladder, B6 and A5 (Black
# passing between): C5-B5 is taken.  The value is White's evaluation
# there, at Black's E5 (Black to play) or White's E6 (White to play); the
# second look (White's F5, Black's D6, White's G6, then G5 or F6-F7
# taken) is worth less.  In the reading C5 stands for Black's pass.

[caps-first-look-ladder-on-a]
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . O . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-pass-at C5 F6 E5 E6 E5 D5 D6 C6 E7 B6 C5 A5 [E5=r:5]

[caps-first-look-ladder-on-a-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . O . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-pass-at C5 F6 E6 E6 E5 D5 D6 C6 E7 B6 C5 A5 [E6=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/D5]

# --- Knight's move of groups: the hane-and-cut trial ending in the stone's own chain ------
# Black's D5 and White's E7-E8 a knight's move apart on 9x9 (A = D5,
# B = E7), Black to play.  Box: D5 (R0), E5 (R1), D6 (R2), E6 (R3), D7
# (R4), E7 (R5); outer points F5 (D1), F6 (D3), F7 (D5) beyond B's line.
# The side beyond E5: D7 is empty, F5 is empty with no stone around it and
# lies two from D5 on D5's line, so Black, the engine, tries the hane and
# cut: Black's F6, White's E6, Black's E5, White's F5, Black's G6 (beyond
# F6 from E6), White's F4 (beyond F5 from F6).  White's cutting stone E6
# has joined E7-E8, which is left inside Black's D5-E5, F6-G6 and D8:
# nearly dead, while Black's two groups stand firm, so
# Black's point is F6 (its hane).  White's F5-F4 keeps its liberties
# toward White's G3 and is not what the trial takes.  White's point on the
# side is F5 itself.  Value: Black's evaluation after F6 plus White's after
# F5.  The other side's outer point C7 has Black's D8 around it: not read.

[knight-trial-cutting-stone-dies]
black to play
  . . . . . . . . .
  . . . X O . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D5 E7 F6 F5 D5 F6 [F6=r:18]

[knight-trial-cutting-stone-dies-white]
# The row above with White to play: only the engine's own colour tries
# the hane and cut, and White is not A's colour; each colour's point on the
# side is F5, the only candidate (C7 is not read, as above).
white to play
  . . . . . . . . .
  . . . X O . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D5 E7 A1 [F5]

[knight-halved-for-the-engines-larger-group]
# Black's lone D5 and White's E7-E8 alone on 9x9, White to play (White, the
# engine, is B's colour).  The side beyond E5: F5 two from D5 on D5's line;
# White is not A's colour, so no trial for Black's point; the point between
# two stones (beyond F5 from E6, G4) has no stones around; F5 is on the
# fourth line: Black's point is F5.  White's point on that side is F5 too.
# Value: White's evaluation after F5 plus Black's after F5.  The engine's
# group (E7-E8) has two stones and the other (D5) one: the value is halved
# twice, a quarter of the sum (toward zero).
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:only D5 E7 F5 F5 D5 F5 [F5=r/4:18]

# --- The one-space jump of groups with a dead stone at A ----------------------------------

[jump-a-dead]
# Black's C5 with White's B5, C4 and D5 around it (one liberty, C6: dead by
# the analysis) and White's E5 one space from it across D5.  A is a dead
# stone: the pattern does nothing, whichever side of the jump it would
# read (the upper side's points C7, D7, E7 stand free).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X O O . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status C5 [dead]
call GunKankei3Utu:ogeima2-at C5 E5 C7 [none]
call GunKankei3Utu:ogeima2-at C5 E5 D7 [none]
call GunKankei3Utu:ogeima2-at C5 E5 E7 [none]

[jump-a-dead-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X O O . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at C5 E5 C7 [none]
call GunKankei3Utu:ogeima2-at C5 E5 D7 [none]
call GunKankei3Utu:ogeima2-at C5 E5 E7 [none]

# --- The large knight's move with the attacker behind A -----------------------------------
# Black's C5-F6 on 9x9 (A = C5, B = F6; A's line row 5, B's line row 6,
# outer lines rows 4 and 7; D0 = C4 behind A on the outer line, R2 = D5).
# White's only stone around the shape is C4 (D0): the pattern behind A.

[caps-behind-a-two-liberties]
# With White's B5 as well, A (C5) has two liberties (C6, D5), two or
# fewer: the point R2 = D5 is proposed for either side at Black's
# evaluation after D5 plus White's after D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 D5 [D5=r:5]

[caps-behind-a-two-liberties-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 D5 [D5=r:5]

[caps-behind-a-three-liberties]
# Without White's B5, A has three liberties (B5, C6, D5): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

# --- The (2,3) link with no attacker in the box: outside stones beside B's line and past it
# Black's C6-E3 on 9x9 (A = C6, B = E3), box rows 6 to 3: C6 D6 E6 / C5 D5
# E5 / C4 D4 E4 / C3 D3 E3 ([0] .. [11], A's line C, the middle D, B's
# line E).  Outside points: W3 = F5 (beyond E5 from D5) beside B's line,
# V3 = D2 (beyond D3 from D4) past B's end.  White's F5 and D2 only: no
# White stone in the box, none on W1, W2 (B5, B4) or V1, V2 (E7, D7), so
# the first test (beside A's line and past A's end) fails; W3 and V3 hold
# White's stones: the middle point next to B, D4, is proposed by its
# position value, for either side.

[twothree-free-beside-b-line-and-past-b]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

[twothree-free-beside-b-line-and-past-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

# --- Two-space jump of groups in the open: the tries of the engine's colour --------------
# Black's F7 and White's J7 on 13x13, a two-space jump along row 7 (gaps
# G7 and H7), White's E7 touching F7 from behind.  Both sides are read: on
# the side of row 6 the points beside the gaps, G6 (next to F7) and H6
# (next to J7), each have seven empty points around (F7 or J7 is the
# eighth); E6 beyond F6 from G6 holds no White stone and K6 beyond J6 from
# H6 no Black one.  Row 8 likewise (G8, H8; E8, K8).  The engine's colour
# (A's, Black, to play) proposes each of its tries at its own point:
# beside the gap next to F7 (G6), two lines out at F7's step with eight
# empty points around (F5), two lines out at the first gap's step with
# four empty neighbours (G5), and beside the gap next to J7 (H6), which has
# four empty neighbours; the same on row 8: F9, G9, G8, H8.  The side's
# value goes to Black's best of them.  F7 is on the seventh line: no
# extension.  White's tries are not proposed (White is not the engine).
#   call GunKankei6Utu:pin A B X: every candidate by its point.

[two-space-open-tries-of-a]
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . O X . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:pin F7 J7 A1 [F5 F9 G5 G6 G8 G9 H6 H8]

[two-space-open-tries-of-a-white]
# The colours turned: White's J7-K7 against Black's F7, White (A's colour,
# A = J7) to play.  White's tries: beside the gap next to J7 (H6, H8), two
# lines out at J7's step (J5, J9), two lines out at the gap next to J7
# (H5, H9), and beside the gap next to F7 (G6, G8), each with four empty
# neighbours.
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . . O O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:pin J7 F7 A1 [G6 G8 H5 H6 H8 H9 J5 J9]

# --- Diagonal stones of groups: the knight's move when the push is caught by a ladder ------
# "GunKankei2Utu:pin-side A B P K... A S...": Black's moves K... alone and
# White's S... alone, each scored for its colour; r their sum (halved when
# one is negative).  Black's D4-E4 and F5, White's E5 diagonal to D4 on
# 9x9.  Crossing D5 (the other crossing E4 is Black's): its diagonal point
# away from both stones, C6, is empty with no stone around, E6 and C4 (the
# points that would close the side) are empty.
# White (stone E5, two liberties D5 and E6, fewer than four; E6 beyond E5
# from E4 is empty with three empty neighbours) blocks at D5; D4-E4 then
# keeps four liberties: no ladder, White's reading is D5 alone.
# Black (D4-E4 with five liberties) reads the knight's move: Black's C6,
# White's push D5, Black's block C5 (D5, the box's second point, is a
# stone), White's extension C4.  C4 (liberties B4, C3) escapes any ladder
# (three liberties after its extension), but D5-E5 (liberties D6, E6) is
# caught: Black's E6 leaves White's D6 with one liberty next to Black's C6.
# So Black's point is C6, its reading C6 alone.  Value at Black's C6 (Black
# to play) or White's D5 (White to play).

[diagonal-knight-push-laddered]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 C6 C6 D4 D5 [C6=r:18]

[diagonal-knight-push-laddered-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 C6 D4 D5 [D5=r:18]

[diagonal-block-ladder-half-gain]
# Black's D4-E4 and White's E5 diagonal to D4, White's D3, E3, F3 and G4
# below, White to play.  Crossing D5 (E4 is Black's): C6 beyond it is
# empty with no stone around; E6 and C4 close nothing.  White (E5 with
# three liberties, fewer than four; E6 beyond E5 from E4 empty with three
# empty neighbours) blocks at D5; D4-E4 is then left with C4 and F4 and
# the ladder takes it: White's C4, Black's F4 (then only F5), White's F5.
# White plays the ladder's first two moves, C4 and F4, which take D4-E4:
# White's reading is the smaller of twice D5's value and D5's plus half of
# what C4 and F4 add.  Black (D4-E4 with three liberties; C4 beyond D4
# from E4 empty with three empty neighbours) blocks at D5 too; E5 then has
# E6 and F5 and escapes either atari (E6-E5 or E5-F5 keeps three
# liberties): Black's reading is D5 alone.  Value at D5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X X . O . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 D4 D5 E5 C4 F4 [D5=r:18]

[contact-side-try-three-out-beside-b-held]
# contact-side-try-two-out-behind-a-open with White's E6 three lines
# out beside White's E3: the second look along the upper side finds no
# White stone at F4, E5 or F5 and Black's C4 behind D3, but a White stone
# among F4, E5, F5, E6, F6 keeps E4 from being tried: no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at D3 E3 A1 [none]


# --- The (1,4) link with the attacker beside A's line one step in: no bonus ---------------
# Black's C5-G4 (A's line row 5: C5 D5 E5 F5 G5 = R[0] R[2] R[4] R[6]
# R[8]; B's line row 4: C4 .. G4 = R[1] .. R[9]; outer rows 6 and 3).
# White's only stone is D4 (R[3]), none on R[4] or R[5]: the pattern of
# R[3].  Nothing of White's beyond D6 from D5 (D7) or beyond E6 from E5
# (E7); C6 (D[0]) is not Black's, E3 (D[5]) not White's, D7 not Black's:
# the point R[2] = D5 is proposed for either side, with bonus 0.
#   call Kankei11Utu:bonus-words A B: every candidate as "P=bonus".

[onefour-attacker-beside-a-line-no-bonus]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:bonus-words C5 G4 [D5=0]

[onefour-attacker-beside-a-line-no-bonus-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:bonus-words C5 G4 [D5=0]

# --- The (1,4) link with the attacker in the middle of A's line: no bonus -----------------
# Black's C5-G4 as above, White's E5 on R[4]: N = R[5] = E4, Z = D[5] = E3,
# Q = D[7] = F3, K1 = R[3] = D4; Z is empty, nothing of White's on D[9]
# (G3), R[2] (D5) or R[6] (F5).

[onefour-attacker-middle-no-bonus]
# E2 beyond E3 from E4 is empty: White's reading at E3 (on the third
# line, no edge tries); Black to play proposes N = E4, bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:bonus-words C5 G4 [E4=0]

[onefour-attacker-middle-no-bonus-white]
# White to play proposes its point Z = E3, bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:bonus-words C5 G4 [E3=0]

[onefour-attacker-middle-beyond-z-no-bonus]
# With White's E2 beyond E3 from E4: Black to play proposes E4; White to
# play (next row) proposes both F3 (Q) and D4 (K1); every bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei11Utu:bonus-words C5 G4 [E4=0]

[onefour-attacker-middle-beyond-z-no-bonus-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei11Utu:bonus-words C5 G4 [D4=0 F3=0]

# --- Adjacent stones of groups: the other colour's hane on a lone stone -------------------

[contact-lone-b-beside-own-stone]
# Black's C5-D5 (five liberties) touches White's lone E5 (three
# liberties) on 9x9, White to play.  Both sides are read: D6 and E6 (row
# 6) and D4 and E4 (row 4) are empty on the fourth line, and D7, E7, D3,
# E3 two lines out are empty with no stone around.  No atari threatens on
# either side.  White's move on each side: B's chain is a single stone and
# A's chain has more than three liberties, so White plays beside its own
# stone, E6 and E4; White, the engine, proposes those points.  The second
# look along the sides finds no stone one or two lines out: no try.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at D5 E5 A1 [E4 E6]

# --- Knight's move of groups on the fifth line: the outer point held ----------------------
[knight-fifth-line-point-stays]
# shapes-gunkankei-cover2.tst's group-knight-fifth-line-point-moves-out
# (Black's C5 and White's D7 a knight's move apart, White to play) with
# Black's B5 beside C5 and White's G7.  On the side of E5 the far box
# point C7 is empty, and E5, two from C5 on its line, is empty with no
# stone around.  Black's point
# is E5 (no trial: White is the engine; F4 beyond E5 from D6 sees one
# large knight's move to a Black stone, not two; E5 is not on the second
# line); White's point is E5 too.  E5 is on the fifth line, but F6 (beyond
# E6 from D6, fourth line) has White's G7 around it: White's point stays
# at E5.  Black's C5-B5 has two stones: no halving.  Value: White's
# evaluation after E5 plus Black's after E5, at E5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . O . .
  . . . . . . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:ogeima2-at C5 D7 E5 E5 C5 E5 [E5=r:18]

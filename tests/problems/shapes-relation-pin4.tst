# Known-answer rows for the relation moves of groups (adjacent stones, the
# two-space jump, the knight's move), the (1,4) and (2,3) links and the
# caps of a large knight's move, each pinning one cell, bound or point
# choice of its routine.  Entries: those of ShapeRoutines.cpp,
# RoleRoutines.cpp ("NAME:at A B P ...": the candidate points, the one at
# P valued against the readings the row names) and the floored entries
# ("NAME:ogeima2-floored A B P": the candidate at P with the group minimum
# above any value), OgeimaCoverRoutines.cpp ("Kankei7Utu:ogeima-pass-at A B
# P M...": the candidate at P against the attacker's reading M..., in
# which A stands for a pass; "Kankei7Utu:ogeima-prep A B": the prepared
# answers).

# --- Adjacent stones: the second look along the sides --------------------------------------

[kc-contact-side-try-two-out-behind-a-held]
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

[kc-contact-side-try-two-out-behind-a-open]
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

[kc-two-space-third-line-extension-floored]
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

[kc-caps-first-look-ladder-on-a]
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

[kc-caps-first-look-ladder-on-a-white]
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

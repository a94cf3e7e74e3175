# Known-answer rows for the relation moves of groups (adjacent stones, the
# two-space jump, the knight's move), the (1,4) and (2,3) links and the
# caps of a large knight's move, each pinning one cell, bound or point
# choice of its routine.  Entries: those of ShapeRoutines.cpp,
# RoleRoutines.cpp ("NAME:at A B P ...": the candidate points, the one at
# P valued against the readings the row names) and the floored entries
# ("NAME:ogeima2-floored A B P": the candidate at P with the group minimum
# above any value).

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

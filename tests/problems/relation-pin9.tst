# Group relations: the knight's move between Black's D5 (A) and White's E7
# (B), the side beyond D7 (side of B: its outer point C7 lies two from E7
# along E7's line, with D7 open and no stone around C7).  Each colour's
# point there is C7 (no trial of the hane and cut for the colour not to
# play, no two stones a one-space jump apart around it, C7 not on the
# second line).  A colour whose reading of its move at C7 is below zero
# drops the side; a reading of exactly -1 is below zero.  The readings are
# stated by the premise rows ("HaneMore:value-own D5 M": Black's reading
# of M; "HaneMore:value D5 M": White's).

[knight-side-b-white-reading-minus-one]
# Black to play, Black's D9 and F9 on the edge.  Black's C7 reads 58,
# White's C7 reads exactly -1: White's reading is below zero, the side is
# dropped, C7 is no candidate.
black to play
  . . . X . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 C7 [58]
call HaneMore:value D5 C7 [-1]
call GunKankei4Utu:only D5 E7 C7 [none]

[knight-side-b-black-reading-minus-one]
# White to play, White's G9-G8 and A6, B1.  Black's C7 reads exactly -1:
# below zero, the side is dropped before White's reading, C7 is no
# candidate.
white to play
  . . . . . . O . .
  . . . . . . O . .
  . . . . O . . . .
  O . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
call HaneMore:value-own D5 C7 [-1]
call GunKankei4Utu:only D5 E7 C7 [none]

# --- The hane and cut on A's side ----------------------------------------------------
# The same knight's move, Black (A's colour) to play, the side beyond E5:
# F5 two from D5 on D5's line.  Black's trial: Black F6 (the hane), White
# E6 (the cut), Black E5, White F5, Black G6, White F4.  F6 is Black's
# point only when, after it, the hane's group (F6-G6) and the group at E5
# (D5-E5) are both not weak and the cutting stones (F5-F4 or E6-E7) are
# near death (death level 70 or more).

[knight-trial-hane-group-left-weak]
# Black's B7 stands beside C7: the far side (C7) has a stone around it and
# is dropped.  After the trial D5-E5 is not weak and White's E6-E7 is near
# death, but Black's F6-G6 is weak: no trial point.  The point between two
# stones a one-space jump apart (G4, beyond F5 from E6) has no stones
# around it, and F5 is on the fourth line: Black's point is F5, White's
# point on the side is F5 too; both readings are above zero: F5 is the one
# candidate, F6 none.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group E7 F6 F6 E6 E5 F5 G6 F4 [dl=78 weak=1 d70=1 d90=0]
call HaneMore:group E7 D5 F6 E6 E5 F5 G6 F4 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:group E7 E6 F6 E6 E5 F5 G6 F4 [dl=82 weak=1 d70=1 d90=0]
call HaneMore:value-own D5 F5 [15]
call HaneMore:value D5 F5 [27]
call GunKankei4Utu:at D5 E7 A1 [F5]
call GunKankei4Utu:only D5 E7 F6 [none]

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

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

# --- The large knight's move from outside, near the edge -----------------------------
# Black's C2-F3 (A = C2 on the second line, B = F3), White's C4 beyond B's
# line at A's end and White's B3 behind C3, F2 (R6) empty: the ladder
# reading near the edge.  First White E2, Black D3, White E3, Black E4,
# White D4, Black F2: the ladder on Black's D3 must work.  Then, from White's
# E2: Black E3, White D2, Black D3, White C3, Black F2: the ladder on A must
# work, and White plays its first ladder move.  The candidate's value is a
# fixed 25 with the bonus Black's evaluation after D3 plus White's reading
# of E2 E3 D2 D3 C3 F2 and the ladder move: Black's point D3, White's E2.

[ogeima-edge-ladder-on-d3-after-e4]
# Black's A1 and F1 on the edge.  After the first reading (Black's E4, not
# E1) White's D2 takes D3 in a ladder (premise board below).  Black's D3
# reads 16, White's reading with its ladder move B2 reads 28: D3 with the
# bonus 44.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . . X . . .
  . . X . . . . . .
  X . . . . X . . .
call HaneMore:value-own C2 D3 [16]
call HaneMore:value C2 E2 E3 D2 D3 C3 F2 B2 [28]
call Kankei7Utu:ogeima-bonus C2 F3 [D3=44]

[ogeima-edge-ladder-on-d3-after-e4-white]
# White to play: White's point E2, the same reading, bonus 18 + 26.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . . X . . .
  . . X . . . . . .
  X . . . . X . . .
call HaneMore:value-own C2 D3 [18]
call HaneMore:value C2 E2 E3 D2 D3 C3 F2 B2 [26]
call Kankei7Utu:ogeima-bonus C2 F3 [E2=44]

[ogeima-edge-ladder-on-d3-premise]
# The board after the first reading of the rows above: White's D2 takes
# Black's D3 in a ladder.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O X . . . .
  . O . X O X . . .
  . . X . O X . . .
  X . . . . X . . .
ladder D3 [1 D2]

[ogeima-edge-ladder-bonus-far-stone]
# No stones on the edge, White's J5 far off.  Black's D3 reads 4; White's
# reading E2 E3 D2 D3 C3 F2 and its ladder move B2 reads 45: D3 with the
# bonus 49.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . O . . . . . .
  . O . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
call HaneMore:value-own C2 D3 [4]
call HaneMore:value C2 E2 E3 D2 D3 C3 F2 B2 [45]
call Kankei7Utu:ogeima-bonus C2 F3 [D3=49]

# --- The cap's ladder reading: the second look ---------------------------------------
# Black's C5-F6 as in shapes-ogeima-cover3.tst's caps' ladder rows (C5
# joined by B5; White's caps D4 and F4 with G4; Black's E8, F7, G5; White's
# F8, G7; White's A5, B4, C4), with White's B7 and Black's D2 and J4 apart.
# White reads E6, Black E5, White D5.  The first look (Black's D6, White's
# C6, Black's E7, White takes C5-B5 at B6) reads 2.  The second look: White's
# F5, Black's D6, White's G6; then either Black's E7 and White takes G5 at
# H5 (41), or Black's H5 and White takes F6-F7 at E7 (37); the worse for
# White, 37, is more than the first look: the value at White's E6 is that
# reading, and White's prepared answer after E6 and Black's E5 is F5.

[ogeima-caps-ladder-second-look-capture-of-b]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . O . . . X O . .
  . . . . . X . . .
  O X X . . . X . .
  . O O O . O O . X
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call HaneMore:value C5 E6 E5 D5 D6 C6 E7 B6 [2]
call HaneMore:value C5 E6 E5 F5 D6 G6 E7 H5 [41]
call HaneMore:value C5 E6 E5 F5 D6 G6 H5 E7 [37]
call Kankei7Utu:at C5 F6 E6 E6 E5 F5 D6 G6 H5 E7 [E6=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/F5]

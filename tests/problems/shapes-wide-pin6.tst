# Relation moves of groups for the wide shapes, with the group minimum set
# to exactly the value the row's readings give: a value lying on the
# minimum is kept (only a value below it is dropped to 0).
#
#   call NAME:at-min A B X F...
#
# runs the pattern on the pair (A, B) (A's colour is colA) for the side to
# move with the group minimum set to r, the value of the formula F (a term
# opened by A is read with A's colour first, one opened by B with B's
# colour first), and answers the candidate at X: "X=r", "X=r*8/10" (four
# fifths, toward zero), "X=0", else "X=r+k" / "X=r-k"; "none" when X is not
# proposed.

# --- Two-space jump on the second line ---------------------------------------------
# Black's C2 and White's F2 two spaces apart on the second line.  The gap
# points D2 and E2 each have three empty neighbours (D1, D3, E2 and E1, E3,
# D2), so the second-line rule is read: Black's play at E2 (the gap next
# to White) plus White's play at D2 (the gap next to Black).  That sum is
# exactly the minimum, so it is kept, and the proposal gets four fifths of
# it (times 8, divided by 10).  Black, the engine, proposes E2.  The sides
# propose nothing at E2: the side toward the edge is on the first line,
# the side above proposes points on the third and fourth lines.

[two-space-second-line-sum-on-the-minimum]
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
call GunKankei6Utu:at-min C2 F2 E2 C2 E2 F2 D2 [E2=r*8/10]

[two-space-second-line-sum-on-the-minimum-white]
# The same pair with White, the engine, to move: colA is still Black
# (A = C2), so the proposal is White's own gap point D2, the same four
# fifths of the same sum.
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
call GunKankei6Utu:at-min C2 F2 D2 C2 E2 F2 D2 [D2=r*8/10]

# --- Knight's move ---------------------------------------------------------------
# Black's D5 and White's E7 a knight's move apart, each a lone stone (no
# halving for the sizes of the groups).  The side beyond E5: its outer
# point F5 is two from D5 along D5's line, and is Black's point and
# White's alike (no Black stones a (1,3) shape from G4 and F5 not on the
# second line); White, the engine, proposes it.  The sum of Black's play
# at F5 and White's play at F5 is exactly the minimum, so it is kept (a
# sum below the minimum would become 1); it is halved when White's stone
# at F5 would be near death.  The other side (beyond D7, at C7) proposes
# only C7.

[knight-side-sum-on-the-minimum]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at-min D5 E7 F5 D5 F5 E7 F5 [F5=r|F5=r/2]

# --- (2,2) shape, pair mode ----------------------------------------------------------
# Black's D4 and White's F6 on opposite corners of a 3x3 box, the other
# corners F4 and D6 empty with no stone around them.  In pair mode each
# side records Black's and White's move at its corner: the far corner is
# empty, so neither colour takes the inner point beside it.  At F4 the
# value is Black's play at F4 plus White's play at F4; it is exactly the
# minimum, so it is kept (only a value below the minimum becomes 0).

[diagonal-pair-sum-on-the-minimum]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:pair-at-min D4 F6 F4 D4 F4 F6 F4 [F4/F4=r]

# --- Knight's move: a lone stone in open space is not near death ---------------
# Black's D4 and White's E6 a knight's move apart on an otherwise empty
# 13x13 board, both lone stones (no halving for the sizes of the groups).
# The side beyond E4: its outer point F4 is two from D4 along D4's line,
# and is Black's point and White's alike (no Black stones a (1,3) shape
# from G3, F4 on the fourth line, not the second, nor the fifth where
# White would rather take the point beyond the middle).  White, the
# engine, proposes F4 at Black's play there plus White's play there,
# whole: White's lone stone at F4, with the open board around it, is far
# from near death, so the sum is not halved.

[knight-side-open-board-not-halved]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . O . . . . . . . .
  . . . . . . . . . . . . .
  . . . X . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei4Utu:only D4 E6 F4 F4 D4 F4 [F4=r:18]

# --- Two-space jump across the lines: only one stone on the second line ------------
# Black's E5 and White's B5 two spaces apart along the fifth row (gaps D5
# and C5): White's stone is on the second line, Black's on the fifth, so
# neither the second-line rule (both stones on the second line) nor the
# third-line rule applies and nothing is proposed on the jump's own line.
# Both sides are read.  Row 6: the side points D6 and C6 each have seven
# empty points around (E5 or B5 the eighth), F6 and A6 beyond the outer
# points are empty; Black, the engine, proposes D6, E7 (eight empty around
# it), D7 and C6 (four empty neighbours each).  Row 4 likewise: D4, E3, D3
# and C4.  The proposal of each side is one of its tries.

[two-space-across-lines-one-stone-on-second-line]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei6Utu:pin E5 B5 C5 [C4 C6 D3 D4 D6 D7 E3 E7]

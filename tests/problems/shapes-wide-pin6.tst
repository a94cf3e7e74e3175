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

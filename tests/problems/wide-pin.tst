# Relation moves of groups for the wide shapes, pinned cell by cell: each
# row's candidate is valued by hand from the shape (which side is read,
# which points each colour tries, which point is proposed), the readings of
# the tries written in the row.
#
#   call NAME:pin A B X F...
#
# runs the pattern on the pair (A, B) (A's colour is colA) for the side to
# move and answers every candidate by its point; the one at X also as
# "X=r:18" when its value is the formula F, "X=r+1:18" one more, and so on.
# F is a sum of terms: a term opened by A is read with A's colour first,
# one opened by B with B's colour first (the colours alternate, the first
# colour scores it); inside a term a stone of A's colour separates tries of
# which the better counts.  A bonus beside the value follows as "/b"; a
# value of 26 or more is kept as 25 with the excess over 13 as its bonus
# and counts whole.  For the two-space jump r is halved (toward zero) when
# a term is negative (a side where one colour's better try loses).

# --- Two-space jump on the third line: the lone stone's own extension ------------
# Black's G3 and White's K3 on 13x13, a two-space jump along the third line
# (gaps H3 and J3).  Black's L4 stands beyond K4 from J4 (beyond B's outer
# point from the side point next to B, holding A's colour): the side toward
# row 4 is skipped.  The side toward the edge is read: the side points H2
# (beside the gap next to G3) and J2 each have exactly seven empty points
# around (G3 or K3 is the eighth), and F2 and L2 beyond the outer points
# G2 and K2 are empty.  The points two lines out lie on the edge (G1, H1,
# J1, K1): none has eight empty points around or four empty neighbours, so
# no colour tries them.  Black's tries: H2, and J2 answered by White's K2
# (beyond J1 from J2 is off the board); White's: J2, and H2 answered by
# Black's G2.  The value of the side is Black's better try plus White's
# better try, halved (toward zero) when either is negative.  The corner
# stones A13 and N13 only separate the tries.
# Black's G3 is a lone third-line stone with the two-space extension D3
# along the third line (nothing of White's beside E3 and F3, D3 with four
# empty neighbours), so Black, the engine, also proposes D3 at the value
# plus one.  Its tries H2 and J2 are proposed at their own points (J2 also
# as the edge-side hane of two third-line stones).

[pin-two-space-third-line-extension]
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
call GunKankei6Utu:pin G3 K3 D3 K3 J2 N13 H2 G2 G3 H2 N13 J2 K2 [D3=r+1:18 H2 J2]

[pin-two-space-third-line-extension-b-side]
# The same pair named from White's K3 (A = K3): now White is colA, and the
# engine's stone of the pair is B, Black's G3, whose extension D3 is
# proposed at the value plus one.  White's tries: J2, and H2 answered by
# Black's G2; Black's: H2, and J2 answered by White's K2 (the same sum).
# Black's L4 now stands beyond K4 from J4 (beyond A's outer point from the
# side point next to A, holding B's colour): the side toward row 4 is
# skipped all the same.
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
call GunKankei6Utu:pin K3 G3 D3 G3 H2 A13 J2 K2 K3 J2 A13 H2 G2 [D3=r+1:18 H2 J2]

[pin-two-space-third-line-extension-white-engine]
# White to play in the same position: the engine's stone is White's K3,
# whose two-space points N3 (first line) and K6 (sixth line) are no
# third-line extensions: no extension; White proposes its tries J2 and H2.
white to play
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
call GunKankei6Utu:pin G3 K3 D3 K3 J2 N13 H2 G2 G3 H2 N13 J2 K2 [H2 J2]

[pin-two-space-third-line-extension-white-engine-b-side]
white to play
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
call GunKankei6Utu:pin K3 G3 D3 G3 H2 A13 J2 K2 K3 J2 A13 H2 G2 [H2 J2]

[pin-two-space-third-line-extension-white]
# The colours swapped: White's G3 against Black's K3, White's L4 closing
# the side toward row 4; White to play proposes its lone stone's extension
# D3 at the value plus one.
white to play
  X . . . . . . . . . . . O
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . O . .
  . . . . . . O . . X . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:pin G3 K3 D3 K3 J2 N13 H2 G2 G3 H2 N13 J2 K2 [D3=r+1:18 H2 J2]

[pin-two-space-third-line-extension-white-b-side]
white to play
  X . . . . . . . . . . . O
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . O . .
  . . . . . . O . . X . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:pin K3 G3 D3 G3 H2 A13 J2 K2 K3 J2 A13 H2 G2 [D3=r+1:18 H2 J2]

[pin-two-space-third-line-extension-white-black-engine]
black to play
  X . . . . . . . . . . . O
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . O . .
  . . . . . . O . . X . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:pin G3 K3 D3 K3 J2 N13 H2 G2 G3 H2 N13 J2 K2 [H2 J2]

[pin-two-space-third-line-extension-blocked]
# White's E4 beside the gap E3 of the extension G3-D3: the extension is
# not clear, so nothing at D3; the rest as before.
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
  . . . . O . . . . . X . .
  . . . . . . X . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:pin G3 K3 D3 K3 J2 N13 H2 G2 G3 H2 N13 J2 K2 [H2 J2]

[pin-two-space-third-line-extension-two-stones]
# Black's G3-G4: the engine's group has two stones, so it is no lone
# third-line stone and its extension is not proposed.
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
  . . . . . . X . . . X . .
  . . . . . . X . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:pin G3 K3 D3 K3 J2 N13 H2 G2 G3 H2 N13 J2 K2 [H2 J2]

# --- Three-space jump of a group that is not weak: the middle point's own try ------
# Black's E7 and White's J7 on 13x13, a three-space jump along row 7 (gaps
# F7, G7, H7), neither on the third line; Black's E4, G4, J4 and L6 stand
# two lines below the strip, touching none of its points.  Both sides are
# read: toward row 6 the middle point M = G6 (eight empty points around),
# NA = F6 and NB = H6 (seven empty around each, E7 or J7 the eighth); toward
# row 8 M = G8, NA = F8, NB = H8.  Black's tries on a side: M, and NB
# answered by White's outer point beside J7 (J6 / J8); White's: M, and NA
# answered by Black's outer point beside E7 (E6 / E8).  Black, the engine,
# proposes its tries G6, H6, G8 and H8; its try at M is proposed at its own
# reading with no bonus, and the sum of both colours' better tries goes to
# Black's better try.  Toward row 6 White's stones G6 or F6 would stand
# alone in Black's sphere (E4, G4, J4 below): White's tries read below
# zero, so the sum does not raise G6, which keeps Black's own G6 reading.

[pin-three-space-middle-own-try]
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . X . .
  . . . . . . . . . . . . .
  . . . . X . X . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin E7 J7 G6 E7 G6 [G6=r:18 G8 H6 H8]

[pin-three-space-middle-own-try-white]
# The colours swapped, White to play: White's G6 keeps its own reading.
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . O . . . X . . . .
  . . . . . . . . . . O . .
  . . . . . . . . . . . . .
  . . . . O . O . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin E7 J7 G6 E7 G6 [G6=r:18 G8 H6 H8]

[pin-three-space-middle-own-try-b-side]
# The same named from Black's J7 (A = J7): White, the engine, is now the
# other colour; its tries are M and NA = H6 (beside the gap next to J7)
# answered by Black's J6.  White's G6 is proposed at its own reading (no
# bonus), Black's tries in White's sphere reading below zero.
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . O . . . X . . . .
  . . . . . . . . . . O . .
  . . . . . . . . . . . . .
  . . . . O . O . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin J7 E7 G6 E7 G6 [G6=r:18 G8 H6 H8]

# --- Three-space jump of a weak group: the open gaps ----------------------------
# "GunKankei10Utu:pin-weak" is the same pattern for a weak group: while the
# three gaps F7, G7, H7 of Black's E7 and White's J7 and the points beside
# them (F6 to H6, F8 to H8) are all empty, only the middle gap G7 is
# tried, valued as White's play there plus Black's; with a stone on one of
# them the sides are read as for any group.

[pin-three-space-weak-own-stone-beside-a]
# Black's E6 below E7 lies beside A, outside the gaps: they stay open, so
# only G7 (White's G7 plus Black's G7).
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . X . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin-weak E7 J7 G7 J7 G7 E7 G7 [G7=r:18]

[pin-three-space-weak-stone-beside-last-gap]
# White's H8 beside the gap H7 next to J7: the gaps are not open, so the
# sides are read.  Toward row 8 the middle point G8 has H8 around it (not
# eight empty): skipped.  Toward row 6: G6 with eight empty points around,
# F6 and H6 with seven: Black, the engine, proposes its tries G6 (the
# middle point) and H6 (four empty neighbours); nothing at G7.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . O . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin-weak E7 J7 G7 J7 G7 E7 G7 [G6 H6]

[pin-three-space-weak-stone-beside-first-gap]
# White's F8 beside the gap F7 next to E7 instead: the row-8 side is
# skipped (G8 has F8 around it), the row-6 side read as before.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . O . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin-weak E7 J7 G7 J7 G7 E7 G7 [G6 H6]

# --- A weak group's two-space extensions along the third line ------------------
#   call WeakGunNiken:pin V B T
# runs the extensions of the group at V and answers each candidate by its
# point and reason (13), the one at T also as "T=r:13" when its value is the
# engine's evaluation after its move at B plus the opponent's after its
# move at T; a bonus follows as "/b" (these moves carry none).
#
# Black's lone G3 on 9x9 (the 3-3 point of the lower right corner) has two
# two-space extensions on the third line, D3 and G6; White's C5 stands off
# both strips (nothing of White's on F2, F4, E2, E4 beside the gaps F3 and
# E3, nor on F4, H4, F5, H5 beside G4 and G5), and G3 has four liberties.

[pin-niken-own-corner]
# For Black's own group each extension point has four empty neighbours and
# is proposed itself: Black's move there plus White's move there.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken:pin G3 D3 D3 [D3=r:13 G6:13]
call WeakGunNiken:pin G3 G6 G6 [D3:13 G6=r:13]

[pin-niken-opponent-corner]
# White to play against Black's G3: both extension points have eight empty
# points around.  The gap next to D3 is E3, a (2,2) diagonal (kind 5, at
# most kind 6) from White's C5: White's move against that extension is E3,
# valued as White's D3 plus Black's E3.  The gap next to G6, G5, is four
# points from C5 (no relation of kind 6 or less): White's move there is G6
# itself, White's G6 plus Black's G6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken:pin G3 D3 E3 [E3=r:13 G6:13]
call WeakGunNiken:pin G3 G6 G6 [E3:13 G6=r:13]

[pin-niken-opponent-corner-large-knight]
# White's B4 instead: E3 is a large knight's move (kind 7, more than 6)
# from it, so White's move against D3 is D3 itself (White's D3 plus
# Black's D3).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken:pin G3 D3 D3 [D3=r:13 G6:13]

[pin-three-space-weak-white-in-last-gap]
# (Back to the weak group's three-space jump.)  White's H7 on the line,
# in the gap next to J7: the gaps' side points F6 to H6 and F8 to H8 and
# the gaps F7 and G7 are empty, which is all the open test looks at, so
# only the middle gap G7 is tried (White's G7 plus Black's G7).
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin-weak E7 J7 G7 J7 G7 E7 G7 [G7=r:18]

# --- Three-space jump of a group that is not weak: the sum at the better try ----
# Black's E7 and White's J7 on 13x13 with nothing near (the corner stones
# N13 and A13 only separate the tries in the formula): both sides are read
# alike.  Toward row 6 Black's tries are the middle point G6 and H6
# answered by White's J6; White's G6 and F6 answered by Black's E6.  The
# middle point is each colour's better try (the hane beside the far stone
# is blocked at once), so the side's value, Black's better try plus
# White's, goes to G6 for the engine's colour, with no bonus; the other
# tries are proposed at their own points.

[pin-three-space-sum-at-middle]
black to play
  O . . . . . . . . . . . X
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin E7 J7 G6 J7 G6 N13 F6 E6 E7 G6 N13 H6 J6 [G6=r:18 G8 H6 H8]

[pin-three-space-sum-at-middle-white]
white to play
  O . . . . . . . . . . . X
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin E7 J7 G6 J7 G6 N13 F6 E6 E7 G6 N13 H6 J6 [F6 F8 G6=r:18 G8]

# --- Three-space jump of a group that is not weak: the floor ----------------------
#   call GunKankei10Utu:pin-floored A B
# runs the pattern with the group minimum above any value (so every side's
# value is floored to 0) and answers the candidates by their points, those
# of value 0 as "P=0" (1 as "P=1").
#
# Black's E7 against White's J7 as in the middle-try rows above (Black's
# E4, G4, J4 and L6 below the strip), with Black's G9 crowding the middle
# point G8 of the row-8 side (skipped).  White, the engine, tries G6 (the
# middle point) and F6 answered by Black's E6, both alone in Black's
# sphere and reading below zero; each is proposed at its own reading, and
# the side's floored value 0 goes to White's better try, which then holds
# 0.

[pin-three-space-floored]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . X . .
  . . . . . . . . . . . . .
  . . . . X . X . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin-floored E7 J7 [F6=0 G6|F6 G6=0]

# --- Three-space jump of a group that is not weak: the crowded side points -------
# Black's E7 and White's J7 as above.  Black's J5 stands around H6 (NB of
# the row-6 side), which then has six empty points around it (J7 and J5):
# fewer than seven, the row-6 side is skipped; the row-8 side is read, and
# Black, the engine, proposes its tries G8 and H8 there.

[pin-three-space-crowded-nb]
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin E7 J7 G6 [G8 H8]

[pin-three-space-crowded-na]
# White's E5 around F6 (NA of the row-6 side) instead: F6 has six empty
# points around it (E7 and E5), the row-6 side is skipped.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . O . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:pin E7 J7 G6 [G8 H8]

# --- (2,3) shape of groups: the free jump to the far corner ------------------------
#   call GunKankei8Utu:at A B P M... A N...
# (as in shapes-wide.tst) answers the candidate at P as "P=r:18" when its
# value is B's colour's evaluation after M... plus A's colour's after N...,
# the other candidates by their points.
#
# Black's C6 and White's E3 on 9x9 in the (2,3) shape.  The corner E6 lies
# three from E3 along White's line: White's point there is E6 itself when
# no Black stone stands on the strip from E6 to E3 (columns D to F, rows 3
# to 6) nor two lines out at the middle steps (C5, G5, C4, G4); Black's is
# E5 beside it.  The corner C3 lies three from C6: Black's point is C3 when
# no White stone stands on the strip from C3 to C6 (columns B to D, rows 3
# to 6) nor on A5, E5, A4, E4; White's is C4.  A blocked jump takes the
# whole side away.

[pin-two-three-jump-blocked-near-a]
# White's B5 on the strip beside C6 (touching neither corner): Black's
# jump to C3 is blocked, that side adds nothing; the side of E6 stays:
# Black proposes E5 (White's E6 plus Black's E5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E5 E6 C6 E5 [E5=r:18]

[pin-two-three-jump-blocked-two-out]
# White's A4 two lines out from the strip at its second step from C3: the
# jump to C3 is blocked all the same.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E5 E6 C6 E5 [E5=r:18]

[pin-two-three-jump-blocked-two-out-first-step]
# White's A5, two lines out at the first step from C3: blocked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E5 E6 C6 E5 [E5=r:18]

[pin-two-three-jump-open-two-out-far-end]
# White's A6, two lines out beside C6 itself (the last step, not a middle
# one): the jump stays open; both sides as in the plain shape: Black
# proposes C3 (White's C4 plus Black's C3) and E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 C4 C6 C3 [C3=r:18 E5]

[pin-two-three-jump-blocked-for-white]
# Black's G5 two lines out from White's strip E6-E3 at its first step:
# White's jump to E6 is blocked, that side adds nothing; the side of C3
# stays: Black proposes C3 (White's C4 plus Black's C3).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 C4 C6 C3 [C3=r:18]

[pin-two-three-jump-blocked-for-white-on-strip]
# Black's F4 on White's strip beside E3 (touching neither corner): blocked.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C4 C4 C6 C3 [C4=r:18]

# --- Large knight's move of a weak group: the area is not looked at ----------------
# "GunKankei7Utu:pin-weak" runs the (1,3) pattern for a weak group: the
# extension beside the far stone is the point only on the third line; the
# area beyond (which settles it for a group that is not weak) is not
# looked at.

[pin-large-knight-weak-ignores-area]
# The position of shapes-probe6.tst's group-large-knight-settled-by-area:
# Black's C5 and White's B2, the extension beside B2 is D2 on the second
# line, the small jump D3.  D5 is Black's area, but for a weak group that
# does not count: Black proposes the small jump D3, Black's D3 plus the
# better of White's D2 and D3 (Black's E5 separates White's tries).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  X . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:pin-weak C5 B2 D3 B2 D2 E5 D3 C5 D3 [D3=r:18]

[pin-large-knight-weak-ignores-area-across]
# The same across the board (shapes-probe6.tst's
# group-large-knight-across-settled-by-area): Black's E3 and White's B2,
# the extension beside B2 is B4 on the second line, the small jump C4; E4
# is Black's area, not looked at: Black proposes C4, Black's C4 plus the
# better of White's B4 and C4 (Black's F4 separates them).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . X . . . .
  . O . . . . . . .
  . . . . X . . . .
call GunKankei7Utu:pin-weak E3 B2 C4 B2 B4 F4 C4 E3 C4 [C4=r:18]

# --- The relation moves of a weak group: no move settles it -----------------------
#   call WeakGunKankeiMoves:pin V W M F...
# runs the relation moves of the group at V (reason 13) and answers every
# candidate by its point and reason, the one at M also against the formula
# F (as for NAME:pin, a term opened by V read with V's colour first, one
# opened by W, a stone of the other colour, with that colour first); a
# bonus follows as "/b".
#
# Black's lone E5 on 9x9 with White's C8, G8, C2 and G2, each in the (2,3)
# shape with it.  For each pair the far corner three from E5 along E5's
# line (E8 for C8 and G8, E2 for C2 and G2) is Black's point (nothing of
# White's on the strip), and White's the point beside it toward White's
# stone (E7 or E3); the near corner three from White's stone along its line
# (C5 for C8 and C2, G5 for G8 and G2) is White's point, and Black's the
# point on White's line beside it toward White's stone (C6, C4, G6, G4).
# Each pair's value is Black's evaluation after its point plus White's
# after its point.  After any of Black's moves its group (two stones among
# four White stones) is still weak, and E5 has no one-space jump toward a
# living group of Black's: so every pair's move of the engine's colour is
# proposed with the pair's value and no bonus.

[pin-relation-moves-none-settles]
black to play
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
call WeakGunKankeiMoves:pin E5 C8 C6 E5 C6 C8 C5 [C4:13 C6=r:13 E2:13 E8:13 G4:13 G6:13]
call WeakGunKankeiMoves:pin E5 C8 E8 E5 E8 C8 E7 [C4:13 C6:13 E2:13 E8=r:13 G4:13 G6:13]

[pin-relation-moves-none-settles-white]
# White to play: White's points of the pairs are proposed, C5 (Black's C6
# plus White's C5, as Black's C4 plus White's C5), E7, G5 and E3.
white to play
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
call WeakGunKankeiMoves:pin E5 C8 C5 E5 C6 C8 C5 [C5=r:13 E3:13 E7:13 G5:13]

[pin-relation-moves-open-corner-settles]
# White's G2 left out: the lower right is open.  The pairs are those of
# C8, G8 and C2 as above; Black's G6 (toward the open lower right) and E2
# (beside it along the edge) leave Black's group no longer weak, its other
# moves (C6, E8, C4, toward White's stones) do not: only the moves that
# settle the group are proposed, each with its pair's value (G6: Black's
# G6 plus White's G5) and no bonus.
black to play
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pin E5 C8 G6 E5 G6 C8 G5 [E2:13 G6=r:13]

# --- A weak group's two-space extensions: the stone's liberties ---------------------
# Black's C7 on the 3-3 point of 9x9 with White's B7 and C8 against it: two
# liberties left (C6 and D7).  Its extensions C4 and F7 on the third line
# have nothing of White's beside their gap points and four empty
# neighbours: both are proposed, each at Black's move there plus White's.

[pin-niken-two-liberties]
black to play
  . . . . . . . . .
  . . O . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken:pin C7 C4 C4 [C4=r:13 F7:13]

[pin-niken-in-atari]
# White's D7 as well: C7 is in atari (one liberty, C6), and an extension
# from a stone with one liberty is none (C4's strip is still clear).
black to play
  . . . . . . . . .
  . . O . . . . . .
  . O X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken:pin C7 C4 C4 [none]

[pin-two-space-third-line-side-point-crowded]
# (Back to the two-space jump G3-K3 with Black's L4.)  White's G1 below G2:
# the side point H2 next to G3 now has six empty points around it (G3 and
# G1 are stones), fewer than seven: the edge side is skipped as well, so
# no tries and no extension; only the edge hane of two third-line stones,
# Black's J2, is proposed.
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
  . . . . . . O . . . . . .
call GunKankei6Utu:pin G3 K3 D3 K3 J2 N13 H2 G2 G3 H2 N13 J2 K2 [J2]

# --- The weak pair: the diagonal and the one-space jump ------------------------------
#   call WeakGunPair:cover V W   (as in generators-cover.tst) the engine's
#       weak group at V against the enemy group at W: the candidates by
#       their points

[pin-weak-pair-runs-the-diagonal-pattern]
# The position of shapes-gunkankei-cover.tst's group-diagonal-block-both-
# white: White's E5 diagonal to Black's D4 (kind 2), White to play.  The
# diagonal pattern runs with (D4, E5): each side blocks at the crossing
# point D5 (the other crossing E4 has Black's F5 beyond it); nothing else.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover E5 D4 [D5]

[pin-weak-pair-runs-the-jump-pattern]
# Black's C3-D3 and White's F3 a one-space jump apart on the third line
# (kind 3), Black to play: the jump pattern runs with (F3, D3).  The upper
# side (E5 two lines out beside the gap, on line 5): Black's weak two
# stones play close, at D5 beside D3.  The edge side (E1 on the first
# line): the edge reading on E2 beside the gap, which has two stones
# around it.  Black proposes D5 and E2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover D3 F3 [D5 E2]

[pin-two-three-same-colour]
# (The (2,3) shape of groups again.)  Black's C6 and E3 both Black's: the
# relation patterns of groups are for stones of opposite colours only;
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 [none]

[pin-two-two-same-colour]
# Black's D6 and F4 in the (2,2) shape, both Black's: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:at D6 F4 D4 [none]

# --- Knight's move of groups on the open board: no halving -------------------------
# The positions of shapes-wide.tst's group-knight-side rows, whose answers
# allow half the sum when the engine's stone would be near death: on the
# open 9x9 board the engine's stone at the side point has all the room it
# wants (not near death), so the sum counts whole.  "GunKankei4Utu:only A B
# P M... A N..." answers the candidate at P alone.

[pin-knight-side-near-b-whole]
# Black's D5, White's E7, White to play: the side beyond E5, both sides'
# point F5: Black's F5 plus White's F5.
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
call GunKankei4Utu:only D5 E7 F5 F5 D5 F5 [F5=r:18]

[pin-knight-side-near-a-whole]
# Black to play: the side beyond D7, both sides' point C7.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:only D5 E7 C7 C7 D5 C7 [C7=r:18]

[pin-knight-side-second-line-whole]
# Black's F5 and White's G3 by the right edge, White to play: White's H5
# (on the second line) against Black's G4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:only F5 G3 H5 H5 F5 G4 [H5=r:18]

[pin-knight-side-second-line-other-whole]
# Black's C7 and White's D5 by the left edge, Black to play: Black's B5
# against White's C6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:only C7 D5 B5 C6 C7 B5 [B5=r:18]

[pin-two-three-jump-blocked-two-out-beside-e6]
# (The (2,3) shape C6-E3 again.)  White's E5, two lines out from Black's
# strip C3-C6 at its second step from C3, also stands around the corner
# E6: that side is skipped, and Black's jump to C3 is blocked: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 [none]

[pin-two-three-jump-blocked-for-white-second-step]
# Black's G4, two lines out from White's strip E6-E3 at its second step
# from E6: White's jump to E6 is blocked, that side adds nothing; Black
# proposes C3 (White's C4 plus Black's C3).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 C4 C6 C3 [C3=r:18]

[pin-large-knight-extension-on-the-edge]
# Black's C5 and White's B2 in the (1,3) shape (long side down the board),
# nothing else.  Beside C5 the extension point A5 lies on the first line:
# that side is not read (though A5 and the small jump A4 are empty with
# no stone around).  Beside B2 Black proposes the extension D2 or the
# small jump D3 (the area beyond C5 decides which); nothing on the A file.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:at C5 B2 A1 [D2|D3]

[pin-relation-moves-escape-jump-no-bonus]
# (Relation moves of a weak group.)  The position of generators.tst's
# weak-group-jump-toward-a-living-group: Black's D7 under White's stones
# runs by its one-space jump D5 toward Black's living group below; D5 is
# the only candidate, under the weak-group reason and with no bonus (its
# value is the in-and-out value of D5, pinned in generators.tst).
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . O X O . . . .
  . . . . . . . . .
  O O . . . O O . .
  . . . . . . . . .
  X X X X X X X . .
  . X . . X . X . .
  . X . . X . X . .
call WeakGunKankeiMoves:pin D7 C8 A9 [D5:13]

[pin-two-three-friend-behind-far-corner]
# (The (2,3) shape C6-E3.)  Black's E2 stands beyond D3 from C4 (the middle
# point beside the far corner C3, seen from C4 on C6's line): on the side of
# C3 Black's point becomes D3, between its stones; White's stays C4.  The
# side of E6 is as in the plain shape (Black's E5).  Value White's C4 plus
# Black's D3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 D3 C4 C6 D3 [D3=r:18 E5]

[pin-two-three-floored]
# The plain (2,3) shape C6-E3 with the group minimum above any value
# ("GunKankei8Utu:pin-floored", as the three-space jump's floored row): each
# side's value is floored to 0, and Black proposes its points of both
# sides, C3 and E5, at 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:pin-floored C6 E3 [C3=0 E5=0]

[pin-large-knight-floored]
# shapes-wide.tst's group-large-knight position (Black's E6, White's F3,
# Black to play) with the group minimum above any value: Black proposes
# D3 and the better of G6 and G5, each side's value floored to 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:pin-floored E6 F3 [D3=0 G5=0|D3=0 G6=0]

[pin-knight-floored]
# Black's D5 and White's E7 on the open board (the knight's-move rows
# above), Black to play, with the group minimum above any value: a
# knight's-move side below the minimum counts 1 (not 0), and Black's stone
# is not near death (no halving): Black proposes C7 and F5 at 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:pin-floored D5 E7 [C7=1 F5=1]

[pin-two-three-corner-on-the-edge]
# Black's C4 and White's E1 in the (2,3) shape against the lower edge: the
# corner C1 lies on the first line, that side is not read.  The corner E4
# (three from E1 along White's line, nothing of Black's on the strip) is
# White's point, and Black's the point beside it toward E1, E3.  Value
# White's E4 plus Black's E3; Black proposes E3 alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
call GunKankei8Utu:at C4 E1 E3 E4 C4 E3 [E3=r:18]

# Shape links, second look: single routines on positions whose answers are
# worked out from the shapes by hand, for the role sets (the mirror image,
# the half turn, the other side of a jump) that the other tables leave
# open.  "call NAME A B ..." runs the routine NAME alone on the pair (A, B)
# for the side to move; the answer formats are those of shapes-wide.tst,
# "GunKankei6Utu:tries" answers each try of the engine's colour and
# "Kankei8Utu:wedge" a value scaled by the wedge group's death level (see
# their sections).

# --- Two-space relation of groups: the side tries --------------------------------
# "call GunKankei6Utu:tries A B T... B U..." runs the two-space pattern on
# A and B (A's colour the own side, B's the other) and reads the tries the
# row names: T... those of A's colour, U... those of B's colour, each a
# reading whose first move is its point (the colours alternate, the mover
# scores it), the tries of one colour separated by A.  Each try of the
# engine's colour is a candidate at its point with its own reading ("P=t");
# the best try of that colour (the side point first, a later try only when
# larger) carries instead the sum of both colours' best tries ("sum" then
# says that the sum counted).  A candidate that fits nothing reads
# "P=?value".
#
# Black's E7 and White's H7 on 13x13, a two-space jump along line 7 (lines
# 5 and 6 from the edge, so neither the second- nor the third-line readings
# nor a lone third-line stone's extension come in).  The strip: gaps F7 and
# G7; the side toward row 8 is the first, with L1 = F8 (beside the gap next
# to E7), L2 = G8, Aout = E8, Bout = H8, and two lines out E9, F9, G9, H9 at
# the four steps; the other side L1 = F6, L2 = G6, Aout = E6, Bout = H6, and
# E5, F5, G5, H5.  A side is skipped when the point beyond Aout from L1 (D8
# or D6) holds B's colour, or the point beyond Bout from L2 (J8 or J6) A's.

[group-two-space-side-upper-black]
# White's D6 closes the lower side (beyond E6 from F6).  On the upper side
# every point has its room: Black's tries are F8 (L1), E9 (all eight around
# empty), F9 (four empty neighbours) and G8 (four empty neighbours; G10,
# beyond G9 from G8, is empty, so White does not answer at H8); White's are
# G8, H9, G9 and F8 (F10 empty: no answer at E8).  Black proposes its four
# tries, White its four; the better of each colour's tries carries the sum.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 E9 E7 F9 E7 G8 H7 G8 E7 H9 E7 G9 E7 F8 [F8=t E9=t F9=t G8=t sum]

[group-two-space-side-upper-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 E9 E7 F9 E7 G8 H7 G8 E7 H9 E7 G9 E7 F8 [G8=t H9=t G9=t F8=t sum]

[group-two-space-side-lower-black]
# The other side: White's D8 closes the upper side (beyond E8 from F8).  On
# the lower side Black tries F6, E5, F5 and G6 (G4 empty), White G6, H5, G5
# and F6 (F4 empty).
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . O . . . . . . . . .
  . . . . X . . O . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F6 E7 E5 E7 F5 E7 G6 H7 G6 E7 H5 E7 G5 E7 F6 [F6=t E5=t F5=t G6=t sum]

[group-two-space-side-lower-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . O . . . . . . . . .
  . . . . X . . O . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F6 E7 E5 E7 F5 E7 G6 H7 G6 E7 H5 E7 G5 E7 F6 [G6=t H5=t G5=t F6=t sum]

[group-two-space-side-guarded-b-black]
# The upper side with White's G10: beyond G9 from Black's G8 stands White,
# so Black's G8 is read with White's answer at H8; G10 also takes room from
# White's G9 (three empty neighbours) and H9 (seven empty around), which are
# not tried.  Black: F8, E9, F9, G8 answered at H8; White: G8 and F8.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . O . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 E9 E7 F9 E7 G8 H8 H7 G8 E7 F8 [F8=t E9=t F9=t G8=t sum]

[group-two-space-side-guarded-b-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . O . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 E9 E7 F9 E7 G8 H8 H7 G8 E7 F8 [G8=t F8=t sum]

[group-two-space-side-guarded-a-black]
# The upper side with Black's F10: beyond F9 from White's F8 stands Black,
# so White's F8 is read with Black's answer at E8; F10 takes room from
# Black's E9 and F9, which are not tried.  Black: F8 and G8; White: G8, H9,
# G9 and F8 answered at E8.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 G8 H7 G8 E7 H9 E7 G9 E7 F8 E8 [F8=t G8=t sum]

[group-two-space-side-guarded-a-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 G8 H7 G8 E7 H9 E7 G9 E7 F8 E8 [G8=t H9=t G9=t F8=t sum]

[group-two-space-side-skipped-black]
# Black's J8 beyond H8 from G8 (Black's stone behind White's outer point):
# the upper side is skipped too, so nothing at all.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7  H7  [none]

[group-two-space-side-skipped-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7  H7  [none]

[group-two-space-side-not-skipped-black]
# The same point held by White: the side is read; J8 takes room from H9
# only.  Black: F8, E9, F9, G8; White: G8, G9, F8.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . O . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 E9 E7 F9 E7 G8 H7 G8 E7 G9 E7 F8 [F8=t E9=t F9=t G8=t sum]

[group-two-space-side-not-skipped-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . O . . . .
  . . . . X . . O . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries E7 H7 F8 E7 E9 E7 F9 E7 G8 H7 G8 E7 G9 E7 F8 [G8=t G9=t F8=t sum]

[group-two-space-side-white-first-black]
# The pair taken from White's H7 (A) toward Black's E7 (B): the first side
# is still the upper one, now with L1 = G8 beside H7, L2 = F8, Aout = H8,
# Bout = E8, and H9, G9, F9, E9 two lines out.  Black's J6 closes the lower
# side (beyond H6 from G6).  White's tries: G8, H9, G9, F8; Black's: F8,
# E9, F9, G8.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . . . . . . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries H7 E7 G8 H7 H9 H7 G9 H7 F8 E7 F8 H7 E9 H7 F9 H7 G8 [F8=t E9=t F9=t G8=t sum]

[group-two-space-side-white-first-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . O . . . . .
  . . . . . . . . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries H7 E7 G8 H7 H9 H7 G9 H7 F8 E7 F8 H7 E9 H7 F9 H7 G8 [G8=t H9=t G9=t F8=t sum]

[group-two-space-side-white-first-lower-black]
# White first, the lower side (Black's J8 closes the upper one): White's
# tries G6, H5, G5, F6; Black's F6, E5, F5, G6.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . X . . O . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries H7 E7 G6 H7 H5 H7 G5 H7 F6 E7 F6 H7 E5 H7 F5 H7 G6 [F6=t E5=t F5=t G6=t sum]

[group-two-space-side-white-first-lower-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . X . . O . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:tries H7 E7 G6 H7 H5 H7 G5 H7 F6 E7 F6 H7 E5 H7 F5 H7 G6 [G6=t H5=t G5=t F6=t sum]

# --- (2,3) links: the wedge on a middle point ------------------------------------
# Black's C6 and E3 on 9x9 (two across, three along): the box runs C6 D6 E6
# / C5 D5 E5 / C4 D4 E4 / C3 D3 E3, its middle points D5 and D4.  White's
# wedge on D5 (the first placement): Black answers on the far corner C3
# (T, all eight points around it empty), White extends at C4 (K), beside
# the wedge on A's line toward B.  On D4 (the half turn): Black's E6,
# White's E5.  The value is Black's evaluation after T plus White's after
# K, scaled by d/100 where d is the death level of White's group at K when
# it is weak: here the wedge and its extension stand between Black's stones
# without a base or eyes, a weak group, so the rows read "r*d"
# ("call Kankei8Utu:wedge A B K A T", see SecondPassRoutines.cpp).
# Nothing when the point beyond D (C5 / E4, beside the wedge toward the
# end stone) from the wedge is Black's (B5 / F4), when the point beyond the
# end stone (C6 / E3) from its neighbour on the short side (D6 / D3) is
# White's (B6 / F3), when the wedge's neighbour toward B's line on the far
# side (E5 / C4) is Black's while the point touching the end stone across
# the short side (D6 / D3) is empty, or when T has a stone around it.

[twothree-wedge-a-black]
# White's wedge at D5 alone: Black C3, White C4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C3=r*d:5]

[twothree-wedge-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C4=r*d:5]

[twothree-wedge-b-black]
# The half turn: White's wedge at D4: Black E6, White E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E6=r*d:5]

[twothree-wedge-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E5=r*d:5]

[twothree-wedge-a-guard-own-black]
# White's D5 with Black's B5 beyond C5: Black holds the far side of the
# point beside the wedge, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-a-guard-own-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-a-guard-other-black]
# The same point held by White (B5): the wedge is answered as alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C3=r*d:5]

[twothree-wedge-a-guard-other-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C4=r*d:5]

[twothree-wedge-b-guard-own-black]
# The half turn: White's D4 with Black's F4 beyond E4: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-b-guard-own-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-b-guard-other-black]
# White's F4 there instead: answered.  With F4 White's D4, E5 and F4 stand
# firm against the lone E3 (not a weak group): the sum unscaled.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E6=r:5]

[twothree-wedge-b-guard-other-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E5=r:5]

[twothree-wedge-a-behind-end-black]
# White's D5 with White's B6 behind C6 (beyond C6 from D6): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-a-behind-end-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-a-behind-end-own-black]
# Black's B6 there instead: answered.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C3=r*d:5]

[twothree-wedge-a-behind-end-own-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C4=r*d:5]

[twothree-wedge-b-behind-end-black]
# The half turn: White's D4 with White's F3 behind E3 (beyond E3 from D3):
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-b-behind-end-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-b-behind-end-own-black]
# Black's F3 there instead: answered.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E6=r*d:5]

[twothree-wedge-b-behind-end-own-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E5=r*d:5]

[twothree-wedge-a-far-side-own-black]
# White's D5 with Black's E5 on its far side and D6 empty: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-a-far-side-own-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-a-far-side-own-closed-black]
# The same with Black's D6 touching C6 across the short side: answered.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C3=r*d:5]

[twothree-wedge-a-far-side-own-closed-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C4=r*d:5]

[twothree-wedge-b-far-side-own-black]
# The half turn: White's D4 with Black's C4 and D3 empty: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-b-far-side-own-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-b-far-side-own-closed-black]
# With Black's D3 as well: answered.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E6=r*d:5]

[twothree-wedge-b-far-side-own-closed-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [E5=r*d:5]

[twothree-wedge-a-corner-crowded-black]
# White's D5 with White's B2 beside the corner C3: T has a stone around
# it, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-a-corner-crowded-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [none]

[twothree-wedge-b-corner-crowded-black]
# The half turn: White's D4 with White's F7 beside E6: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-b-corner-crowded-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C6 E3 E5 C6 E6 [none]

[twothree-wedge-second-line-a-black]
# Black's C2 and F4 (the box C2 C3 C4 / D2 D3 D4 / E2 E3 E4 / F2 F3 F4),
# White's wedge at D3 and White's B2 beside C2.  D (D2, beside the wedge on
# A's line) is on the second line and C2 has three liberties: White's D2
# leaves C2 with C1 and C3, and the ladder catches it.  So White's point is
# the ladder's start D2 instead of the extension E2; the value stays Black's
# evaluation after F2 plus White's after E2, here unscaled: White's E2 and
# D3 on the edge, with B2 beside, are not a weak group.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . . . .
  . O X . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C2 F4 E2 C2 F2 [F2=r:5]

[twothree-wedge-second-line-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . . . .
  . O X . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C2 F4 E2 C2 F2 [D2=r:5]

[twothree-wedge-second-line-b-black]
# The half turn, the whole position turned over: Black's D6 and G8 (the pair
# taken from D6), White's wedge at F7 and White's H8 beside G8.  D is F8 on
# the second line, G8 has three liberties: White's point F8, Black's D8; the
# value Black after D8 plus White after E8 (K = E8 beside the wedge on B's
# line), unscaled as above.
black to play
  . . . . . . . . .
  . . . . . . X O .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge D6 G8 E8 D6 D8 [D8=r:5]

[twothree-wedge-second-line-b-white]
white to play
  . . . . . . . . .
  . . . . . . X O .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge D6 G8 E8 D6 D8 [F8=r:5]

# --- Knight's-move reinforcement: the hane after the cut -------------------------
# Two living groups on 13x13, Black's on the left (eyes A11 and A4) and
# White's on the right (eyes N11 and N4); Black's knight's move E7-F9 with a
# White stone of the right group touching one end (see shapes-wide.tst).
# White's cut at the cutting point P1 beside its stone, Black's P2, and then
# White's hane at F, the point behind the far end (beyond B on the outer
# line when White touches A, beyond A when it touches B), when F is empty
# with three empty neighbours, or two and one White: the attacker's reading
# then has the hane as its third move.  Black's own reading is P1.  The
# value is the sum, doubled when it is 3 or less ("call KeimaHokyo:at A B P
# att... A own...").

[knight-reinforce-hane-beside-white-black]
# White's F7 (joined to the right by F6-K6) touches E7 on F9's line: P1 = F8,
# P2 = E8, F = G9.  White's G10 above G9 leaves it two empty neighbours and
# one White: White's hane G9 is still read (F8, E8, G9).
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . O . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 F8 F8 E8 G9 E7 F8 [F8=r:22|F8=r*2:22]

[knight-reinforce-hane-beside-white-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . O . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 F8 F8 E8 G9 E7 F8 [F8=r:22|F8=r*2:22]

[knight-reinforce-hane-beside-black-black]
# Black's G10 instead: two empty neighbours and one Black, no hane: White's
# reading is F8 and E8 alone.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . X . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 F8 F8 E8 E7 F8 [F8=r:22|F8=r*2:22]

[knight-reinforce-hane-beside-black-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . X . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 F8 F8 E8 E7 F8 [F8=r:22|F8=r*2:22]

[knight-reinforce-hane-other-end-black]
# The other end: White's E9 (joined to the right by E10-K10) touches F9 on
# E7's line: P1 = E8, P2 = F8, F = D7 behind E7.  Black's E7 joins its group
# through E6 and the row A5-E5, so D7 keeps three empty neighbours (C7, D8,
# D6): White's reading is E8, F8, D7; Black's own E8.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 E8 E8 F8 D7 E7 E8 [E8=r:22|E8=r*2:22]

[knight-reinforce-hane-other-end-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 E8 E8 F8 D7 E7 E8 [E8=r:22|E8=r*2:22]

[knight-reinforce-hane-other-end-beside-white-black]
# The same with White's C7 beside D7: two empty neighbours and one White,
# the hane is read.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X O . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 E8 E8 F8 D7 E7 E8 [E8=r:22|E8=r*2:22]

[knight-reinforce-hane-other-end-beside-white-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X O . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 E8 E8 F8 D7 E7 E8 [E8=r:22|E8=r*2:22]

[knight-reinforce-hane-other-end-beside-black-black]
# Black's D6 below D7 instead: two empty neighbours and one Black, no hane:
# White's reading is E8 and F8.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . X X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 E8 E8 F8 E7 E8 [E8=r:22|E8=r*2:22]

[knight-reinforce-hane-other-end-beside-black-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . X X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:at E7 F9 E8 E8 F8 E7 E8 [E8=r:22|E8=r*2:22]

# --- Knight's moves in the second pass: the outside point and the touched stone ---
# Black's knight's move D5-E7 on 9x9 (box D5 E5 / D6 E6 / D7 E7, the
# cutting points D6 and E6; outside them C6 and F6).  "call
# Kankei4Hokyo:read A B att... A own..." as in shapes-wide.tst.

[knight-second-pass-outside-ladder-a-black]
# White's C6 outside the cutting point D6 (P1), with White's D4 below D5:
# after White's D6 and Black's E6, D5 (S) has two liberties, C5 and E5.
# White's atari at E5 leaves it two liberties; Black extends at C5, and
# Black's D5-C5 with two liberties (B5, C4) is caught by White's ladder: the
# ladder is worth something to White, so White's value is read once more
# with Black's answer at Q = E5 (beside D5 on E7's line) to White's D6:
# Black E5, White E6, Black F6 (beyond E6 from D6).  That is worth less to
# White than the ladder and counts.  Value Black's D6 plus White's D6, E5,
# E6, F6; the sum is below 0, so (with no bonus beyond it) it is doubled.
# White as the engine: its D6 and E6 together make the bonus, and twice the
# sum is below it: doubled again.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E5 E6 F6 D5 D6 [D6=r*2:21]

[knight-second-pass-outside-ladder-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E5 E6 F6 D5 D6 [D6=r*2:21]

[knight-second-pass-outside-ladder-b-black]
# The half turn: White's F6 outside E6 (P1), White's E8 above E7: after
# White's E6 and Black's D6, E7 (S) has two liberties and the ladder after
# White's atari at D7 works the same way.  Q is D7 (beside E7 on D5's
# line): White's value is read as White E6, Black D7, White D6, Black C6;
# value Black's E6 plus that, doubled for both colours as above.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D7 D6 C6 D5 E6 [E6=r*2:21]

[knight-second-pass-outside-ladder-b-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D7 D6 C6 D5 E6 [E6=r*2:21]

[knight-second-pass-contact-lone-a-black]
# White's E5 touches D5 (S, a lone stone with three liberties); White's B7
# stands away.  White's cut E6 against Black's D6 and Black's own E6 sum to
# 2 here; White's E6 and D6 together are worth more than twice that, so the
# sum is doubled to 4; no White chain around E6 is in atari after Black's
# E6 (E5 keeps F5 and E4).  For Black, a value of 4 with the touched stone
# alone on three liberties gains 3: 7, that is r + 5 with r = 2.  For White
# the doubled sum: r * 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D6 D5 E6 [E6=r+5:21]

[knight-second-pass-contact-lone-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D6 D5 E6 [E6=r*2:21]

[knight-second-pass-contact-lone-b-black]
# The other end: White's D7 touches E7 (S, alone on three liberties);
# White's B6 away.  White's cut D6 against Black's E6, Black's own D6: the
# sum 2 doubled to 4, plus 3 for Black (r + 5); White r * 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . O . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r+5:21]

[knight-second-pass-contact-lone-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . O . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r*2:21]


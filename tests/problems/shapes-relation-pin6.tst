# Known-answer rows for the relation moves of groups and the (2,3) link,
# each pinning one cell, bound or point choice of its routine.  Entries:
#   GunKankei4Utu:only A B P M... A N...   (ShapeRoutines.cpp) the candidate
#       at P alone against B's colour's reading M... plus A's colour's
#       N... ("P=r:18"); "none" when P has none;
#   Kankei8Utu:wedge A B K A T             (SecondPassRoutines.cpp) every
#       candidate of the wedge on a middle point against the owner's T plus
#       the attacker's K, scaled by the attacker's group at K.

# --- Knight's move of groups: a value halved away ----------------------------------------

[knight-halved-to-nothing]
# Black's lone D5 and White's E7, one stone of a ten-stone White wall
# along the eighth line (A8 to J8 with E7), White to play (White, the
# engine, is B's colour).  Box as in shapes-relation-pin4.tst's
# knight-halved-for-the-engines-larger-group: on the side beyond E5 both
# colours' point is F5 (no trial for Black, who is not the engine; the
# point between two stones, G4, has no stones around; F5 on the fourth
# line), each a gain for its player.  The other side's outer point C7 has
# White's D8 around it: not read.  The engine's group has ten stones and
# the other one: the sum is halved ten times, to 0 for any sum below 1024.
# 0 is not below the group minimum (0), and a value of 0 adds nothing: no
# candidate at F5.
white to play
  . . . . . . . . .
  O O O O O O O O O
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:only D5 E7 F5 F5 D5 F5 [none]

# --- The (2,3) link with a wedge: the end stone in a ladder --------------------------------
# Black's C2 and E5 on 9x9 (A = C2, B = E5, the box C2-E5 stepping up from
# A: C3 (D) beside A, D3 and D4 the middle points, C4 (K), C5 (T), D2 (G)).
# White's wedge stands on D3, White's C3 beside it and White's C1 under A.

[wedge-end-stone-in-a-ladder]
# A (C2) has two liberties, B2 and D2.  White's atari at B2 drives Black
# out at D2 (two liberties, D1 and E2), White's E2 leaves D1, and Black's
# C2-D2-D1 is taken at E1: the ladder takes A.  The other gates pass
# (B3 beyond C3 is empty, C5 and the eight points around it are empty,
# B2 beyond A from D2 is empty), but an end stone that a ladder takes ends
# the pattern: no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . X . . . . . .
  . . O . . . . . .
call Kankei8Utu:wedge C2 E5 C4 C2 C5 [none]

# --- The (2,3) link with a wedge: the wedge's group dead ------------------------------------
# Black's C6 and E3 on 9x9 (A = C6, B = E3, the box stepping down from A:
# D6 (G) beside A, D5 and D4 the middle points, C5 (D), C4 (K), C3 (T)).
# Black's ring A1-E1, E1-E7, A7-E7, A1-A7 (with C6, D6 and E3 in it)
# encloses the empty points B2-D4, B5, C5, B6 and White's wedge on D5.

[wedge-group-dead]
# White's wedge at D5 alone inside the ring.  D6 holds Black, so Black's
# E5 beside the wedge does not end the pattern; B5 (beyond C5 from D5) is
# empty, B6 (beyond A from D6) is not White's, C3 and the eight points
# around it are empty, and A is part of the ring, in no ladder.  White's
# extension at C4 leaves two stones inside the living ring, without
# eyes or a neighbour to race: a dead group, whose death level counts as
# 100, so the value stays whole: Black's evaluation after C3 plus White's
# after C4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  X . X X X . . . .
  X . . O X . . . .
  X . . . X . . . .
  X . . . X . . . .
  X . . . X . . . .
  X X X X X . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C3=r:5]

[wedge-group-dead-white]
# White to play: White's C4 for the same whole value.
white to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  X . X X X . . . .
  X . . O X . . . .
  X . . . X . . . .
  X . . . X . . . .
  X . . . X . . . .
  X X X X X . . . .
call Kankei8Utu:wedge C6 E3 C4 C6 C3 [C4=r:5]

# --- Two-space jump of groups: a value of 26 or more ----------------------------------------
# Entry: GunKankei6Utu:kept A B X F... (RelationPin6Routines.cpp) every
# candidate by its point, the one at X as "X=kept" when it holds 25 with the
# excess of the formula's value r over 13 as its bonus, "X=r" when it holds
# r itself with no bonus.

[two-space-open-center-kept]
# Black's K10 and White's N10 in the middle of the empty 19x19 board
# (Black's A1 and White's T19 in the corners only separate the readings),
# Black to play.  On the lower side L9 and M9 lie beside the gaps, K9 and
# N9 beside the stones, K8, L8, M8, N8 two lines out: all free.  Black's
# tries: L9, K8 (eight empty points around), L8 and M9 (four empty
# neighbours each; M7 beyond M8 is on the board and empty, so M9 is read
# alone), each proposed at its own value; White's tries M9, N8, M8, L9.
# Black's L8 reads best of its tries; the sum of both colours' best, r, is
# 26 or more, and under the reason of the relation moves of groups such a
# value is kept as 25 with r - 13 as its bonus.  The upper side likewise
# (L11, K12, L12, M11, with L12 the best).
black to play
  . . . . . . . . . . . . . . . . . . O
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
call GunKankei6Utu:kept K10 N10 L8 K10 L9 A1 K8 A1 L8 A1 M9 N10 M9 A1 N8 A1 M8 A1 L9 [K12 K8 L11 L12 L8=kept L9 M11 M9]

# --- The (2,3) link with no attacker stone around: a tie between the middle points ---------
# Entry: Kankei8Utu:formula A B P F... (WideCoverRoutines.cpp) every
# candidate by its point, the one at P against the formula F ("P=r:5").

[twothree-free-middle-points-tie]
# Black's D4 and G6 on 10x10 (A = D4, B = G6; the box steps right from A:
# [3] E4 [4] E5 [5] E6, [6] F4 [7] F5 [8] F6, [9] G4 ... [11] G6), with
# Black's D6 and G4 on the other two corners of the box, nothing else.
# The board is symmetric about the line between columns E and F, which
# maps the box onto itself and the middle point E5 onto F5: Black's
# evaluation after E5 equals that after F5, and White's likewise.  No
# White stone in the box or on the eight outside points: the free
# pattern.  Black's point starts at E5 and moves to F5 only when F5 reads
# strictly better: on the tie it stays at E5, valued as Black's better
# middle point plus White's better one (D6 only separates the two
# alternatives of each term).
black to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . X . . X . . .
  . . . . . . . . . .
  . . . X . . X . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei8Utu:formula D4 G6 E5 D4 E5 D6 F5 G6 E5 D6 F5 [E5=r:5]

# --- The (2,3) link with no attacker stone in the box: White's better middle point --------
# Entry: Kankei8Utu:read A B M... A N... (ShapeRoutines.cpp) every candidate
# against the attacker's reading M... plus the owner's N... (B between two
# readings of one side offers them as alternatives, the better counting).
# Black's C8 and E5 on 9x9 (A = C8, B = E5; the box steps down from A:
# [3] C7 [4] D7 [5] E7, [6] C6 [7] D6 [8] E6, [9] C5 [10] D5 [11] E5).
# White's B7, B6, F7 and F6 stand on the four points beside the long lines
# (W1 beyond C7, W2 beyond C6, W3 beyond E7, W4 beyond E6), none past the
# short ends (E9, D9, D4, C4 empty): no White stone in the box, neither
# W2 nor W3 Black's, no pair of a side point with an end point, four
# outside stones: the free pattern reads the middle points.

[twothree-free-attacker-far-middle-point]
# White to play.  White's D7 is read first and leaves a group that is not
# weak (it leans on B7 and F7); White's D6, on the fourth line between
# B6 and F6, reads better than D7, so White's point moves to D6.  Black's
# point stays at D7 (four White stones beside the lines, not one).  Value:
# White's better of D7 and D6 plus Black's better of D7 and D6.
white to play
  . . . . . . . . .
  . . X . . . . . .
  . O . . . O . . .
  . O . . . O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C8 E5 D7 E5 D6 C8 D7 E5 D6 [D6=r:5]

[twothree-free-attacker-far-middle-point-black]
# Black to play: Black's D7 (on the third line, cutting White's B7 from
# F7) reads at least as well as its D6, so Black's point stays at D7, at
# the same value.
black to play
  . . . . . . . . .
  . . X . . . . . .
  . O . . . O . . .
  . O . . . O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C8 E5 D7 E5 D6 C8 D7 E5 D6 [D7=r:5]

# --- The (1,4) link with the attacker touching A: the weak cut halved ----------------------
# Entry: Kankei11Utu:read A B M... A N... (ShapeRoutines.cpp), as above.
# Black's C5 and G4 on 9x9 (A = C5, B = G4; A's line row 5, B's line row 4;
# R[1] = C4 under A, R[2] = D5 beside A, R[4] = E5; outer points C6, D6
# above A's line, D3, E3, F3 below B's line).  White's C4 touches A from
# B's line: the contact pattern.  C4 has three liberties (B4, C3, D4), so
# Black's point is D5 (P), White's too.  White, the engine, attacks: the
# value is Black's evaluation after D5 plus White's after D5, halved when
# White's group at D5 is weak after its move.

[onefour-contact-weak-cut-halved]
# Black's ring B4, B3, C2, D2, E2 below and the wall A7-J7 above (joined to
# A through C6): White's C4-D5 stand between them without room for eyes,
# a weak group: the sum is halved.  (A itself, part of the wall that owns
# the top, is not weak.)
white to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . X . . . . . .
  . . X . . . . . .
  . X O . . . X . .
  . X . . . . . . .
  . . X X X . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 D5 [D5=r/2:5]

[onefour-contact-cut-not-weak]
# The two stones alone with White's C4: White's C4-D5 open toward the
# whole lower board are not weak, the sum stays whole (whatever A's own
# state, a lone stone with two liberties left).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 D5 [D5=r:5]

# --- The (1,4) link with the attacker in the middle of A's line, near the edge -------------
# Black's C3 and G2 on 9x9 (A = C3 on the third line, B = G2 on the second;
# R[2] D3, R[3] D2, R[4] E3, R[5] E2, R[6] F3, R[7] F2; the outer line
# beyond B's is the edge line: D[5] = E1, D[7] = F1, D[9] = G1).  White's
# E3 on R[4]: N = E2, Z = E1, Q = F1, Y = G1, K1 = D2, K2 = D3, K3 = F2,
# K4 = F3.  Z is empty; Y, K2 and K4 hold no White stone; the point beyond
# Z from N is off the board.  White's push at Z = E1 is read; Z lies on the
# edge line, so White's F2 (K3) replaces it when strictly better, then D2
# (K1) replaces that when at least as good.

[onefour-middle-edge-far-point]
# White to play: White's F2, beside B on B's line, reads better than its
# first-line E1 (which leaves a group that is not nearly dead), and its D2
# reads worse than F2: White's point is F2, valued as White's best of E1,
# F2, D2 plus Black's evaluation after N = E2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
call Kankei11Utu:read C3 G2 E1 G2 F2 G2 D2 C3 E2 [F2=r:5]

[onefour-middle-edge-far-point-black]
# Black to play: Black's point is N = E2, at the same value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
call Kankei11Utu:read C3 G2 E1 G2 F2 G2 D2 C3 E2 [E2=r:5]

# --- Knight's move of groups: the point two lines in from the fifth line -------------------
# Black's G7 and White's H9 alone on 13x13, White to play (White, the
# engine, is B's colour).  Box: G7 (R0), H7 (R1), G8 (R2), H8 (R3), G9
# (R4), H9 (R5); beyond B's line J7 (D1), J8 (D3), J9 (D5).  The side
# beyond H7: G9 is empty, J7 is empty with no stone around it, two from G7
# on G7's line, on the fifth line (five from the right edge).  Black, not
# the engine, makes no trial; the point between two stones (K6) has no
# stones around it; J7 is not on the second line: Black's point is J7.
# White's point is J7 as well, read there; since J7 lies on the fifth line,
# the point beyond J8 from H8, K8, on the fourth line with no White stone
# around it, becomes White's point (its value unchanged).  Both groups are
# single stones: no halving.  Value: White's evaluation after J7 plus
# Black's after J7, proposed at K8.

[knight-fifth-line-point-moved-in]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . O . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei4Utu:only G7 H9 K8 J7 G7 J7 [K8=r:18]

# --- The diagonal relation of groups: a block that leaves its group nearly dead ------------
# Entry: GunKankei2Utu:pin-side A B P K... A S... (RelationPinRoutines.cpp)
# the candidate at P against Black's moves K... plus White's S..., each
# colour alone ("P=r:18", "P=r/4:18").
# Black's D4 and White's E5 diagonal on 9x9, Black's E7, G7, H6, G5, H4 and
# G3 around White's stone at a distance.  Crossing E4: its outer point F3
# has Black's G3 beside it, not read.  Crossing D5: its outer point C6 is
# free.  D4 and E5 each have four liberties, so neither colour blocks at
# once: each reads the knight's move to C6 pushed at D5, and the ladder
# on the pushing stones does not work, so each colour's point is the
# crossing D5 (the point beyond E4 from the other stone, C4 / E6, is empty):
# Black's evaluation after D5 plus White's after D5, both gains.

[diagonal-block-leaves-group-nearly-dead]
# After White's D5 its D5-E5 stand inside Black's loose net (E7, G7, H6,
# G5, H4, G3 and D4): a group nearly dead, though White's block itself
# gains.  Such a block quarters the sum.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . . X .
  . . . . O . X . .
  . . . X . . . X .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 D4 D5 [D5=r/4:18]

[diagonal-block-leaves-group-nearly-dead-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . . X .
  . . . . O . X . .
  . . . X . . . X .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 D4 D5 [D5=r/4:18]

[diagonal-block-group-lives]
# Without Black's G5 the net has a gap beside White's stones: White's
# D5-E5 is not nearly dead, and the sum stays whole.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . . X .
  . . . . O . . . .
  . . . X . . . X .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 D4 D5 [D5=r:18]

[onefour-middle-edge-tie-goes-to-the-near-point]
# The position of onefour-middle-edge-far-point with Black's C2 and G3
# added: now the board is symmetric about the E column (C3-C2 against
# G3-G2, White's E3 on the axis), so White's D2 (K1) and F2 (K3), mirror
# images, read alike, and both better than the first-line E1.  White's
# point moves from E1 to F2 (strictly better), and then to D2, which reads
# as well as F2: a tie goes to K1.  Value: White's best plus Black's E2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . X . .
  . . X . . . X . .
  . . . . . . . . .
call Kankei11Utu:read C3 G2 E1 G2 F2 G2 D2 C3 E2 [D2=r:5]

# Known-answer rows for the group relation patterns of one-space jumps
# and adjacent stones, the (1,4) and (2,3) links and the caps of a large
# knight's move, each pinning one cell or bound of its routine.  Entries:
# tests/engine/shapes/RelationPinRoutines.cpp and the shared ones of
# ShapeRoutines.cpp ("NAME:read A B M... A N...": the attacker's reading
# M... then the owner's N..., r their sum).

# --- The one-space jump: the far point in a large region ----------------------------------

[pin-jump-far-large-region]
# Black's H10 and White's K10-L10 on 19x19, a one-space jump H10-J10-K10 in
# the middle.  The lower side: Q = J8 two lines below the gap, QA = H8 below
# Black's stone, QB = K8 below White's.  No stone around J8, no White stone
# around H8, no Black stone around K8: the side is read.  Black (the engine,
# A's colour) has G7 around H8, so Black reaches out to J8; after it H8 is
# Black's area, inside one region of Black's framework (D3 J3 Q3 D7 G7 Q7)
# of more than 70 points: Black's reading counts a third more.  White's L8
# touches K8, so White plays K8.  White's group has two stones: no halving.
# Value: Black's J8 reading + a third of it + White's K8 reading, at J8.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . O . . . . . . O . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . O O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . O . . . . . . . .
  . . . X . . X . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunKankei3Utu:pin-far H10 K10 J8 K8 H10 J8 [J8=a*4/3+b:18]

[pin-jump-far-small-region]
# The same shape on 9x9 (Black's D6 with C3 around QA = D4; White's F6-G6
# with G4 beside QB = F4): Black reaches out to E4 and D4 is Black's area,
# but no region of a 9x9 board with these stones holds more than 70
# points: the plain sum of Black's E4 and White's F4 readings, at E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . O . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:pin-far D6 F6 E4 F4 D6 E4 [E4=a+b:18]

# --- The caps of a large knight's move: the ladders around B -----------------------------
# Black's C5-F6 as in shapes-wide.tst's caps (A = C5, B = F6; A's line row
# 5: C5 D5 E5 F5 = R0 R2 R4 R6; B's line row 6: C6 D6 E6 F6 = R1 R3 R5 R7;
# outer lines row 4: C4 D4 E4 F4 = D0 D2 D4 D6 and row 7: C7 D7 E7 F7 = D1
# D3 D5 D7), White's caps on D4 (D2) and F4 (D6): the ladders around B.
# With White (the attacker) to move the candidate is White's R5 = E6, and
# two answers are prepared for it: Black's R4 = E5 is answered at R6 = F5,
# Black's K = E7 (beyond R5 from R4) at R3 = D6.  The bonus is 0.

[pin-caps-ladders-prepared]
# shapes-wide.tst's largeknight-cap-both-sides, White to move.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/F5 E6/E7/D6]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[pin-caps-ladders-prepared-counter-caught]
# largeknight-cap-both-sides-counter-caught, White to move: the same two
# answers and bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/F5 E6/E7/D6]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[pin-caps-ladders-prepared-end-caught]
# largeknight-cap-end-caught (B caught by the ladder after E6 and E5),
# White to move: the same two answers and bonus 0.
white to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . O . .
  . . . . . X O . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/F5 E6/E7/D6]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[pin-caps-ladders-prepared-half-turn]
# The half turn (largeknight-cap-both-sides-half-turn, White to move): the
# caps E7 (D5, the mirror of D2) and C7 (D1, the mirror of D6).  White's
# mirror R5 is D5; Black's D6 (mirror R4) is answered at C6 (mirror R6),
# Black's D4 (beyond D5 from D6) at E5 (mirror R3).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C5 F6 [D5/D4/E5 D5/D6/C6]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[pin-caps-ladders-prepared-end-caught-half-turn]
# largeknight-cap-end-caught-half-turn, White to move: the same answers.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . O X . . . . . .
  . O . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C5 F6 [D5/D4/E5 D5/D6/C6]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]



# --- The diagonal relation: the block and the ladder it starts -------------------------
# "GunKankei2Utu:pin-side A B P K... [B L...] A S... [B L...]": Black's
# moves K..., White's S..., each alone; after B the two ladder moves the
# same colour plays after its block (the smaller of twice the block's value
# and the block's plus half the ladder's gain counts); r is the sum, halved
# when one colour's value is negative.

[pin-diagonal-block-starts-ladder]
# shapes-gunkankei-cover.tst's group-diagonal-block-both (Black's D4 and
# F5, White's E5 and D3) with White's F2 added.  Crossing D5: each stone has
# three liberties and the point behind it (C4 behind D4, E6 behind E5) is
# open with three empty neighbours, so each colour blocks at D5.  After
# White's D5, Black's D4 has two liberties (C4, E4) and is caught: White's
# C4, Black's E4, White's F4, Black's E3, White's F3 or E2 drive it onto
# F2 and the edge.  So White's reading is its D5, then the ladder's first
# two moves C4 and E4 (both White's), the smaller of twice D5's value and
# D5's plus half the gain.  After Black's D5 White's E5 (E4, E6) escapes:
# E4 joins D3 or E6 runs out; Black's reading is D5 alone.  The other
# crossing E4 is not read: F2 stands around its point F3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 D4 D5 E5 C4 E4 [D5=r:18]

[pin-diagonal-block-starts-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 D4 D5 E5 C4 E4 [D5=r:18]

[pin-diagonal-knight-point-on-edge]
# Black's D2 and White's E3 diagonal near the edge.  Crossing E2: its
# point diagonal away from both stones is F1, on the first line: that side
# is not read.  Crossing D3: its point C4 has Black's B5 around it: not read
# either.  Nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
call GunKankei2Utu:ogeima-read D2 E3 [none]

[pin-diagonal-knight-point-on-edge-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
call GunKankei2Utu:ogeima-read D2 E3 [none]

# --- The caps' ladder reading: no bonus ----------------------------------------------------
# The ladder reading of the caps proposes its value with bonus 0, from its
# first look (the cut beside A) and from its second (the attacker's R6
# against the owner's stone beyond it): Black's R4 = E5 or White's R5 = E6.

[pin-caps-ladder-first-look-no-bonus]
# shapes-ogeima-cover3.tst's ogeima-caps-ladder-first-look-atari: the first
# look's value stands.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[pin-caps-ladder-first-look-no-bonus-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[pin-caps-ladder-second-look-no-bonus]
# shapes-roles.tst's largeknight-caps-ladder-second-look: the second
# look's value.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[pin-caps-ladder-second-look-no-bonus-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

# --- The (1,4) link with the attacker outside A's line one step from A -------------------
# "Kankei11Utu:pin-quarter A B P M... A N...": a is the attacker's reading
# M..., e the owner's N...; "P=rule:5" when the value is e + a with both
# readings non-negative, or (e + a) / 4 with either negative (the rows of
# shapes-wide.tst and shapes-roles.tst accept either; here the sign of the
# readings decides).  Black's C5-G4: A's line row 5 (C5 D5 E5 F5 G5 = R[0]
# R[2] R[4] R[6] R[8]), B's line row 4 (C4 ... G4 = R[1] ... R[9]), the outer
# lines row 6 (D[0] D[2] ...) and row 3 (D[1] D[3] ...).

[pin-onefour-outer-first-step-a]
# White's D6 (D[2]); C3 (D[1]) is not Black's, so T = P = D5.  X = E6,
# beyond N = E5 from M = E4, has one White neighbour (D6), not two: White
# reads P = D5, Black's Q = D4, White's M = E4, U = D5.  Black reads D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 D5 D5 D4 E4 C5 D5 [D5=rule:5]

[pin-onefour-outer-first-step-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 D5 D5 D4 E4 C5 D5 [D5=rule:5]

[pin-onefour-outer-first-step-b]
# The half turn: White's F3 (D[7]); G6 (D[8]) is not Black's: T = P = F4;
# X = E3 has one White neighbour (F3): White reads F4, Black's F5, White's E5; Black reads F4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 F4 F4 F5 E5 C5 F4 [F4=rule:5]

[pin-onefour-outer-first-step-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 F4 F4 F5 E5 C5 F4 [F4=rule:5]

[pin-onefour-outer-first-step-owner-below]
# White's D6 with Black's C3 (D[1], Z) below A's line: T = N = E5 for
# Black; White's U = D5 as before (reading D5, D4, E4).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 E5 D5 D4 E4 C5 E5 [E5=rule:5]

[pin-onefour-outer-first-step-owner-below-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 D5 D5 D4 E4 C5 E5 [D5=rule:5]

[pin-onefour-outer-first-step-owner-below-half-turn]
# The half turn: White's F3 with Black's G6 (D[8], Z): T = N = E4 for
# Black; White's F4 (reading F4, F5, E5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 E4 F4 F5 E5 C5 E4 [E4=rule:5]

[pin-onefour-outer-first-step-owner-below-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 F4 F4 F5 E5 C5 E4 [F4=rule:5]

# --- (2,3) links: a far corner with the point beside it toward the end stone -------------
# Black's C6 and E3: box [0] C6, [1] D6, [2] E6 / [3] C5, [4] D5, [5] E5 /
# [6] C4, [7] D4, [8] E4 / [9] C3, [10] D3, [11] E3 (shapes-wide.tst's
# rows).  "Kankei8Utu:read A B M... A N...".

[pin-twothree-far-corner-with-contact-b]
# White's C3-D3 on the corner [9] and beside B at [10]: the contact across
# the short side, in the half-turn roles O = D3, P1 = D4, P2 = D5, E = E3,
# F = E5.  O's chain C3-D3 has five liberties and no ladder: White's point
# is P2 = D5 (its evaluation after D5).  E3 is a single stone, O's chain
# has two, and the eight points around E5 are empty: Black's point is F =
# E5.  Value: White's D5 + Black's E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E5 [E5=r:5]

[pin-twothree-far-corner-with-contact-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E5 [D5=r:5]

[pin-twothree-far-corner-with-contact-a]
# The identity roles: White's D6-E6 on [1] and the corner [2]: O = D6,
# P1 = D5, P2 = D4, E = C6, F = C4.  O's chain has five liberties: White
# plays D4; Black's C4 (C6 single, O two stones, C4 with eight empty points
# around).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C4 [C4=r:5]

[pin-twothree-far-corner-with-contact-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C4 [D4=r:5]

# --- (1,4) links: the prepared answers ----------------------------------------------------
# "Kankei11Utu:pin-prep A B": the prepared answers the link leaves, as
# "own move/reply/answer", sorted; "none" for none.  Cells as above.

[pin-onefour-outer-beside-a-prepared]
# White's C3 (D[1]) below B's line beside A: P = D5, Q = D4, O = C4.  The
# point beyond Z = D3 from Q (D2) is empty.  White (the attacker) proposes
# P = D5 and prepares: after D5, Black's D4 is answered at C4 and Black's
# C4 at D4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-prep C5 G4 [D5/C4/D4 D5/D4/C4]

[pin-onefour-outer-beside-a-owner-no-prepared]
# The same with Black to move: Black's Q = D4, no prepared answer.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-prep C5 G4 [none]

[pin-onefour-outer-beside-b-prepared]
# The half turn: White's G6 (D[8]) above A's line beside B: P = F4, Q = F5,
# O = G5: after F4, Black's F5 is answered at G5 and Black's G5 at F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-prep C5 G4 [F4/F5/G5 F4/G5/F5]

[pin-onefour-push-middle-prepared]
# White's E5 (R[4]) on A's line in the middle: N = E4, Z = E3, K1 = D4,
# K2 = D5.  The point beyond Z from N (E2) holds no White stone: Black (the
# owner) proposes N = E4 and prepares: after E4, White's D4 is answered at
# D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-prep C5 G4 [E4/D4/D5]

[pin-onefour-push-middle-attacker-no-prepared]
# The same with White to move: White's point, no prepared answer.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-prep C5 G4 [none]

[pin-onefour-push-middle-prepared-half-turn]
# The half turn: White's E4 (R[5]): N = E5, Z = E6, K1 = F5, K2 = F4; after
# Black's E5, White's F5 is answered at F4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-prep C5 G4 [E5/F5/F4]

# The same ladders around B with Black (the owner) to move: his point, R3
# or R2 as the ladders decide (shapes-wide.tst's rows), carries bonus 0.

[pin-caps-ladders-owner-no-bonus]
# largeknight-cap-both-sides: Black's point R3 = D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[pin-caps-ladders-owner-no-bonus-counter-caught]
# largeknight-cap-both-sides-counter-caught: Black's point R2 = D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[pin-caps-ladders-owner-no-bonus-end-caught]
# largeknight-cap-end-caught: Black's point R3 = D6.
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . O . .
  . . . . . X O . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[pin-caps-ladders-owner-no-bonus-half-turn]
# largeknight-cap-both-sides-half-turn: Black's point E5 (mirror R3).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[pin-caps-ladders-owner-no-bonus-end-caught-half-turn]
# largeknight-cap-end-caught-half-turn: Black's point E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . O X . . . . . .
  . O . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[pin-diagonal-other-crossing-held]
# Black's D4-E4 and White's E5: E4, one crossing of the diagonal D4-E5,
# holds Black's stone; the side of the other crossing, D5, is read (its
# point C6 is open, nothing around it).  Black (D4-E4, five liberties)
# takes the knight's move C6; White's push D5, Black's block C5 and White's
# extension C4 leave C4 (B4, C3) and D5-E5 (D6, E6, F5) free of ladders, so
# Black blocks at D5 instead, and with E5 then at two liberties and E6 open
# (three empty neighbours) Black also plays E6.  White (E5 with three
# liberties, E6 behind it open) blocks at D5; D4-E4 keeps four liberties,
# no ladder.  r = Black's D5 and E6 + White's D5, at D5 for either side.
# The side of E4 itself is not read: E4 is held.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 E6 D4 D5 [D5=r:18]

[pin-diagonal-other-crossing-held-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:pin-side D4 E5 D5 D5 E6 D4 D5 [D5=r:18]

[pin-onefour-outer-first-step-a-owner-on-p]
# White's D6 (D[2]) with White's E7 beside X = E6 (beyond N = E5 from M =
# E4), and White's F3 (D[7]; D[2] is looked at first): two White
# neighbours of E6 (D6, E7), no Black one, so White's point is M = E4 (its
# evaluation after E4, the cut between D5 and G4).  Black's D5 already stands on P: his
# move there is no move, worth 0, and his candidate D5 is dropped.  A zero
# reading is not negative: the value is White's reading whole, at E4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . X X . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 E4 E4 [E4=rule:5]

[pin-onefour-outer-first-step-a-owner-on-m]
# The same with Black's E4 on M instead: White's move there is no move,
# worth 0 (its candidate dropped); Black's point is P = D5, his reading
# whole: the value is Black's evaluation after D5, at D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 D5 C5 D5 [D5=rule:5]

[pin-onefour-outer-first-step-a-owner-beside-x]
# White's D6 (D[2]) and E7 beside X = E6 as above, but Black's E5 (on A's
# line, N) touches E6 too: an owner's stone beside X, so White does not
# play M; its reading is P = D5, Black's Q = D4, White's M = E4, at U = D5.
# Black's point is P = D5 (C3 is not his).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 D5 D5 D4 E4 C5 D5 [D5=rule:5]

[pin-onefour-outer-first-step-a-owner-beside-x-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:pin-quarter C5 G4 D5 D5 D4 E4 C5 D5 [D5=rule:5]

# --- Adjacent stones of a group relation: the side points on the second line -------------

[pin-group-contact-beside-second-line]
# Black's C5 and White's B5 side by side, B5 on the second line from the
# left edge.  Above: C6 beside A is on line 3 but B6 beside B on line 2;
# below: C4 on line 3, B4 on line 2.  Both sides want both points on line 3
# or higher: neither is read.  The look along the sides finds no stone near:
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read C5 B5 [none]

[pin-group-contact-beside-second-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read C5 B5 [none]

# Shape links over wider shapes: single routines on positions whose
# answers are worked out from the shapes by hand.  "call NAME:read A B
# M... A N..." runs the routine on the pair (A, B) and answers each
# candidate as "point=r:reason" when its value is the attacker's
# evaluation after the moves M... (attacker first, alternating) plus the
# owner's after N... (owner first); B between two readings of one side
# makes them alternatives of which the better counts.  A value the
# pattern scales or raises reads "r/4", "r*4/5", "r+2", "19<r" and the
# like.  "NAME:at A B P ..." answers so for the candidate at P alone and
# names the others by their points; "NAME:only" leaves the others out.
# A trailing "*" marks a check the engine fails now (said at the row).

# --- Extensions toward own stones: the points between ---------------------------
# Black's lone E5 on 9x9: the (1,4) and three-space extension points are on
# the edge line, so only the large knight's moves (D2, F2, D8, F8, B4, B6,
# H4, H6, all on line 2) mark the points between them and E5: the four
# middle cells of each 2x4 rectangle.  Together they are the 5x5 square
# around E5 without its corners and E5 itself.  The two-space extensions
# (E2, E8, B5, H5) mark only points already marked.

[extension-marks-large-knight]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Think:marks [C4 C5 C6 D3 D4 D5 D6 D7 E3 E4 E6 E7 F3 F4 F5 F6 F7 G4 G5 G6]

[extension-marks-large-knight-alone]
# The same with White's stones on the edge beside the two-space
# extension points (E1, E9, A5, J5): those points touch White and are not
# proposed, so the large knight's moves alone mark the same twenty
# points.
black to play
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . X . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
call Kankei6Think:marks [C4 C5 C6 D3 D4 D5 D6 D7 E3 E4 E6 E7 F3 F4 F5 F6 F7 G4 G5 G6]

[extension-marks-large-knight-blocked]
# Black's lone E5 with White's F8 on the large knight's point F8 itself:
# no extension from F8.  D8 still extends: F8 lies on the outer line of
# its rectangle toward E5 but at D8's own step, outside the cells that
# must be free.  F7 is then marked by nothing (the two-space point E8
# touches F8); the other nineteen stay marked.
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Think:marks [C4 C5 C6 D3 D4 D5 D6 D7 E3 E4 E6 E7 F3 F4 F5 F6 G4 G5 G6]

# --- (1,4) links: an attacker's stone on the outer line beside the middle -------
# Black's C5 and G4 (one apart across, four along); White's D3 on the
# outer line below B's line at the second step.  Black's answer is E4 (on
# B's line at the third step); White's point is D5 (A's line, second step,
# beside its stone), not E5, because C5 and G4 linked are no weak group
# (the analysis gives the pair a death level of at most 6).  Value: Black's
# evaluation after E4 plus White's after D5.

[onefour-outer-stone-near-a]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 E4 [E4=r:5]

[onefour-outer-stone-near-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 E4 [D5=r:5]

# The half turn: White's F6 on the outer line above A's line at the third
# step.  Black answers at E5 (A's line, second step); White plays F4 (B's
# line, beside G4), not E4, the group being no weak one as above.

[onefour-outer-stone-near-b]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 E5 [E5=r:5]

[onefour-outer-stone-near-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 E5 [F4=r:5]

[onefour-outer-stone-near-weak-a]
# White's D3 on the outer line as before, with White's B5 and C6 beside
# Black's C5: that stone is weak now, so White's point is E5 (A's line,
# third step) instead of D5; Black still answers at E4.  Value Black's
# evaluation after E4 plus White's after E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O X . . . . . .
  . . . . . . X . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 C5 E4 [E4=r:5]

[onefour-outer-stone-near-weak-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O X . . . . . .
  . . . . . . X . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 C5 E4 [E5=r:5]

[onefour-outer-stone-near-weak-b]
# The half turn: White's F6, with White's H4 and G3 beside a weak G4:
# White's point is E4 instead of F4; Black answers at E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . X O .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E4 C5 E5 [E5=r:5]

[onefour-outer-stone-near-weak-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . X O .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E4 C5 E5 [E4=r:5]


# --- (1,4) links: the other patterns in both placements ----------------------------
# The pair is Black's C5 and G4 throughout: A's line is row 5, B's line row 4.

[onefour-push-middle-near-a]
# White's E5 on A's line at the middle step: Black answers beside it on
# B's line at E4 (N); White's point is E3 (Z, the outer line below E4),
# which is empty, not on the edge.  Value: Black's evaluation after E4 plus
# White's after E3.
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
call Kankei11Utu:read C5 G4 E3 C5 E4 [E4=r:5]

[onefour-push-middle-near-a-white]
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
call Kankei11Utu:read C5 G4 E3 C5 E4 [E3=r:5]

[onefour-push-middle-near-b]
# The half turn: White's E4 on B's line; Black answers at E5 (N), White's
# point is E6 on the outer line above it.
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
call Kankei11Utu:read C5 G4 E6 C5 E5 [E5=r:5]

[onefour-push-middle-near-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E6 C5 E5 [E6=r:5]

[onefour-push-middle-outside-friend]
# White's E5 on A's line at the middle step with White's E2 beyond the
# outer point E3: Black answers at E4 (valued by Black's move there plus
# the better of White's F3 and D4); White proposes both F3 (the outer point
# beside F4) and D4 (B's line beside its stone), each with Black's E4
# reading plus its own.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F3 G4 D4 C5 E4 [E4=r:5]

[onefour-push-middle-outside-friend-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei11Utu:at C5 G4 F3 F3 C5 E4 [D4 F3=r:5]
call Kankei11Utu:at C5 G4 D4 D4 C5 E4 [D4=r:5 F3]

[onefour-push-middle-outside-friend-b]
# The half turn: White's E4 with White's E7: Black answers at E5, White
# proposes D6 and F5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D6 G4 F5 C5 E5 [E5=r:5]

[onefour-push-middle-outside-friend-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:at C5 G4 D6 D6 C5 E5 [D6=r:5 F5]
call Kankei11Utu:at C5 G4 F5 F5 C5 E5 [D6 F5=r:5]

[onefour-wedge-second-step]
# White's D4 on B's line at the first middle step, nothing else near: the
# last case, both sides' point is D5 (A's line beside it); value Black's
# evaluation after D5 plus White's after D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 D5 [D5=r:5]

[onefour-wedge-second-step-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 D5 [D5=r:5]

[onefour-wedge-second-step-far]
# The half turn: White's F5 on A's line at the last middle step: both
# sides' point is F4 on B's line beside it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 F4 [F4=r:5]

[onefour-wedge-second-step-far-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 F4 [F4=r:5]

[onefour-wedge-own-stone-beyond]
# White's D4 as before with Black's D7 two lines above D5 (beyond the
# outer point D6 from D5): Black answers at E5 (the next point on A's line),
# White's point is F5 (one further).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F5 C5 E5 [E5=r:5]

[onefour-wedge-own-stone-beyond-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F5 C5 E5 [F5=r:5]

[onefour-contact-a]
# White's D5 touching A on A's line: Black's point and White's are D4
# (B's line beside it), White's D5 having no friend around it.  Value:
# Black's evaluation after D4 plus White's after D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D4 C5 D4 [D4=r:5]

[onefour-contact-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D4 C5 D4 [D4=r:5]

[onefour-contact-b]
# The half turn: White's F4 touching B on B's line; both sides' point is
# F5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F5 C5 F5 [F5=r:5]

[onefour-contact-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F5 C5 F5 [F5=r:5]

[onefour-contact-a-friend]
# White's D5 touching A, with White's E6 among its eight neighbours and
# three liberties: White's point is D3 (beyond D4 from D5); Black's is D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X O . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D3 C5 D4 [D4=r:5]

[onefour-contact-a-friend-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X O . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D3 C5 D4 [D3=r:5]

[onefour-hane-a]
# White's C4 below A (B's line, first step), three liberties for each of
# C4 and C5: Black's point is D5 and the value Black's evaluation after D5
# plus White's after D5 (C5 keeps two liberties).
black to play
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

[onefour-hane-a-short]
# White's C4 below A with Black's B4 taking one of its liberties: C4 has
# two, C5 three, so Black answers at E5 (two steps along A's line); White's
# reading is D5 as before.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X O . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 E5 [E5=r:5]

[onefour-hane-b]
# The half turn: White's G5 above B: Black's point is F4, the value
# Black's evaluation after F4 plus White's after F4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 F4 [F4=r:5]

[onefour-outer-both-ends-a]
# White's E6 above the middle of A's line and White's G6 above B's end:
# Black answers at E4 (B's line under E6), White plays F4 (the next point
# of B's line).  Value Black's evaluation after E4 plus White's after F4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . O . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 E4 [E4=r:5]

[onefour-outer-both-ends-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . O . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 E4 [F4=r:5]

[onefour-outer-both-ends-b]
# The half turn: White's E3 below the middle of B's line and C3 below A's
# end: Black answers at E5, White plays D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 E5 [E5=r:5]

[onefour-outer-both-ends-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 E5 [D5=r:5]

[onefour-outer-first-step-a]
# White's D6 above A's line at the first step: Black's point is D5 (no
# Black stone at C3); White's reading is D5, Black D4, White E4, and White
# also proposes D5.  Value Black's evaluation after D5 plus White's after
# that sequence.
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
call Kankei11Utu:read C5 G4 D5 D4 E4 C5 D5 [D5=r:5|D5=r/4:5]

[onefour-outer-first-step-a-white]
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
call Kankei11Utu:read C5 G4 D5 D4 E4 C5 D5 [D5=r:5|D5=r/4:5]

[onefour-outer-first-step-b]
# The half turn: White's F3 below B's line at the last middle step: both
# propose F4; White's reading F4, Black F5, White E5.  The value is the
# sum, or a quarter of it when either reading is negative.
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
call Kankei11Utu:read C5 G4 F4 F5 E5 C5 F4 [F4=r:5|F4=r/4:5]

[onefour-outer-first-step-b-white]
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
call Kankei11Utu:read C5 G4 F4 F5 E5 C5 F4 [F4=r:5|F4=r/4:5]

[onefour-outer-behind-a]
# White's C3 below C4 (outer line of B's side at A's step): Black
# answers at D4, White at D5; value Black's evaluation after D4 plus
# White's after D5.
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
call Kankei11Utu:read C5 G4 D5 C5 D4 [D4=r:5]

[onefour-outer-behind-a-white]
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
call Kankei11Utu:read C5 G4 D5 C5 D4 [D5=r:5]

[onefour-outer-behind-b]
# The half turn: White's G6 above G5: Black answers at F5, White at F4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 C5 F5 [F5=r:5]

[onefour-outer-behind-b-white]
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
call Kankei11Utu:read C5 G4 F4 C5 F5 [F4=r:5]


# --- (2,3) links: Black's C6 and E3 (A's line column C, B's column E) -----------------

[twothree-middle-side-hane]
# White's E5 beside the middle points on B's line with White's D6 beside
# A: Black connects at D4 (the middle point on the far side), White cuts
# at C5 (beside A along A's line).  Value Black's evaluation after D4 plus
# White's after C5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 C5 C6 D4 [D4=r:5]

[twothree-middle-side-hane-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 C5 C6 D4 [C5=r:5]

[twothree-middle-side-below-b]
# White's E5 with White's E4 touching B from the middle line: Black
# connects at D4, White's point is C4 (beside the middle points on A's
# line).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 C4 C6 D4 [D4=r:5]

[twothree-middle-side-below-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 C4 C6 D4 [C4=r:5]

[twothree-middle-side-half-turn]
# The half turn: White's C4 beside the middle points on A's line with
# White's D3 beside B: Black connects at D5, White cuts at E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 E4 C6 D5 [D5=r:5]

[twothree-middle-side-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 E4 C6 D5 [E4=r:5]

[twothree-middle-side-half-turn-above-a]
# The half turn with White's C5 touching A: Black connects at D5, White's
# point is E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 E5 C6 D5 [D5=r:5]

[twothree-middle-side-half-turn-above-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 E5 C6 D5 [E5=r:5]

[twothree-contact-long-a]
# White's C5 touching A along the long side, three liberties for it and
# for A: both sides' point is D5, the middle point beside it; value Black's
# evaluation after D5 plus White's after D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 [D5=r:5]

[twothree-contact-long-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 [D5=r:5]

[twothree-contact-long-a-short]
# White's C5 touching A, with White's B6 taking one of A's liberties: A
# has two, so Black's point is D6 (on the middle line beside A), still
# valued by Black's move at D5; White pushes at D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 [D6=r:5]

[twothree-contact-long-a-short-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 [D5=r:5]

[twothree-contact-long-b]
# The half turn: White's E4 touching B: both sides' point is D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 D4 [D4=r:5]

[twothree-contact-long-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 D4 [D4=r:5]

[twothree-contact-short-a]
# White's D6 touching A across the short side, with Black's E6 leaving
# it two liberties: White pushes at D5 (the middle point below it), Black
# answers at D5 too; value Black's evaluation after D5 plus White's after
# D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 [D5=r:5]

[twothree-contact-short-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 [D5=r:5]

[twothree-contact-short-b]
# The half turn: White's D3 touching B, Black's C3 beside it: both sides'
# point is D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 D4 [D4=r:5]

[twothree-contact-short-free]
# White's D6 touching A across the short side with three liberties and
# no ladder: White cuts at the far middle point D4, Black answers at D5.
# Value Black's evaluation after D5 plus White's after D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 D5 [D5=r:5]

[twothree-contact-short-free-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 D5 [D4=r:5]

[twothree-contact-short-two-stones]
# White's D6-D7 (two stones) touching Black's lone C6: Black's point is
# C4 on A's line two steps on (all around it empty); White cuts at D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C4 [C4=r:5]

[twothree-contact-short-two-stones-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C4 [D4=r:5]

[twothree-contact-short-free-b]
# The half turn: White's D3 touching B: White cuts at D5, Black answers
# at D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D4 [D4=r:5]

[twothree-contact-short-free-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D4 [D5=r:5]

[twothree-contact-short-two-stones-b]
# The half turn: White's D3-D2 touching Black's lone E3: Black's point is
# E5; White cuts at D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E5 [E5=r:5]

[twothree-contact-short-two-stones-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E5 [D5=r:5]

[twothree-outside-beside-a-line]
# No White stone in the rectangle; White's B4 beside A's line at the
# second middle step: Black takes C4 (A's line there), White cuts at D4.
# Value Black's evaluation after C4 plus White's after D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C4 [C4=r:5]

[twothree-outside-beside-a-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C4 [D4=r:5]

[twothree-outside-beside-b-line]
# White's F5 beside B's line at the first middle step: Black takes E5,
# White cuts at D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E5 [E5=r:5]

[twothree-outside-beside-b-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E5 [D5=r:5]

[twothree-outside-past-a]
# White's E7 past the short end at A's step, on B's line: Black takes
# E6 (the corner beside it), White plays D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E6 [E6=r:5]

[twothree-outside-past-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 E6 [D5=r:5]

[twothree-outside-past-b]
# The half turn: White's C2 past B's end on A's line: Black takes C3,
# White plays D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C3 [C3=r:5]

[twothree-outside-past-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 C3 [D4=r:5]


[twothree-corner]
# White's E6 on the corner beside A's end (no White stone at D6), with
# Black's F6-G6 beyond it: Black answers at E5 (the corner point of B's
# line beside it); its value is Black's evaluation after E5, White's D5
# and Black's D6 (White's E5 cannot catch F6).  White's better of D5 and
# E5, plus 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 E3 E5 C6 E5 D5 D6 [E5=r+2:5]

[twothree-corner-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 E3 E5 C6 E5 D5 D6 [D5=r+2:5|E5=r+2:5]

[twothree-corner-half-turn]
# The half turn: White's C3 on the corner beside B's end, Black's B3-A3
# beyond it: Black answers at C4 (White's D4, Black's D3); White's better
# of D4 and C4, plus 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 E3 C4 C6 C4 D4 D3 [C4=r+2:5]

[twothree-corner-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 E3 C4 C6 C4 D4 D3 [D4=r+2:5|C4=r+2:5]

[twothree-free]
# No White stone in or around the rectangle: Black takes the better of
# the middle points D5 and D4, valued by its better move there plus White's
# better move there.
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
call Kankei8Utu:read C6 E3 D5 E3 D4 C6 D5 E3 D4 [D5=r:5|D4=r:5]


# --- Large knight's moves capped on the outer line ---------------------------------

[largeknight-cap-both-sides]
# Black's C5 and F6 (a large knight's move, A's line row 5, B's line
# row 6).  White's D4 caps A's line at the first step and White's F4 stands
# below B's end; White's C7 guards C6.  White's E6 (beside B) answered by
# Black's E5 is no ladder for F6 (three liberties), and with White's D5 too
# E6 escapes (D6 joins D5, E7 runs out), so White's value is its
# evaluation after E6 alone.  Black's counter D5, E5, E6, D6 leaves D6 free
# (C6 and D7 join C7), so Black's point is D6 with its own evaluation after
# D6.  Value: White's after E6 plus Black's after D6.
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
call Kankei7Utu:read C5 F6 E6 C5 D6 [D6=r:5]

[largeknight-cap-both-sides-white]
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
call Kankei7Utu:read C5 F6 E6 C5 D6 [E6=r:5]

[largeknight-cap-both-sides-half-turn]
# The half turn: White's E7 caps B's line at the second step, White's C7
# stands above A and White's F4 guards F5.  White's value is its evaluation
# after D5 alone (D5 escapes by D4, or by E5 joining E6); Black's counter
# E6, D6, D5, E5 leaves White's E5 free (F5 or E4 join F4), so Black's
# point is E5, valued by Black's move there.
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
call Kankei7Utu:read C5 F6 D5 C5 E5 [E5=r:5]

[largeknight-cap-both-sides-half-turn-white]
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
call Kankei7Utu:read C5 F6 D5 C5 E5 [D5=r:5]

[largeknight-cap-both-sides-counter-caught]
# As the first cap above but without White's C7: after Black's counter D5,
# E5, E6, D6 White's D6 is caught by the ladder (D7, C6 and on to the
# corner), so Black's point is D5, valued by Black's move there; White's
# value is still its evaluation after E6 alone.
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
call Kankei7Utu:read C5 F6 E6 C5 D5 [D5=r:5]

[largeknight-cap-both-sides-counter-caught-white]
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
call Kankei7Utu:read C5 F6 E6 C5 D5 [E6=r:5]


[largeknight-cap-end-caught]
# The cap D4 with White's F4 below B, and White's G6, G7 and F8 around
# F6: after White's E6 and Black's E5, F6 (two liberties) is caught by
# the ladder starting at F5.  White's value: its evaluation after E6, E5
# and F5.  Black's point is then D6, valued by Black's move there.
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
call Kankei7Utu:read C5 F6 E6 E5 F5 C5 D6 [D6=r:5]

[largeknight-cap-end-caught-white]
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
call Kankei7Utu:read C5 F6 E6 E5 F5 C5 D6 [E6=r:5]

[largeknight-cap-end-caught-half-turn]
# The half turn: White's E7 and C7 with White's B5, B4 and C3 around C5:
# after White's D5 and Black's D6, C5 is caught starting at C6.  Black's
# point is E5.
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
call Kankei7Utu:read C5 F6 D5 D6 C6 C5 E5 [E5=r:5]

[largeknight-cap-end-caught-half-turn-white]
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
call Kankei7Utu:read C5 F6 D5 D6 C6 C5 E5 [D5=r:5]

[largeknight-cap-ladder-reading]
# White's D4 caps the first step with White's F4 below B and White's C4
# below A; Black's F7 and E8 make White's E6 (after Black's E5 and White's
# D5) a ladder: Black's D6 ataris, E7 has one liberty.  So the reading of
# the net runs: after White E6, Black E5, White D5, Black D6 and White C6
# (two liberties), Black captures E6 at E7 and C5 is left with one
# liberty, B5, which White takes.  White's evaluation there is the value;
# Black defends at E5, White plays E6.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . O O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 E5 D5 D6 C6 E7 B5 [E5=r:5]

[largeknight-cap-ladder-reading-white]
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . O O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 E5 D5 D6 C6 E7 B5 [E6=r:5]

[largeknight-cap-ladder-reading-half-turn]
# The half turn of the net: White's E7, C7 and F6's neighbour F7;
# Black's C4 and D3.  White's D5, Black's D6, White's E5, Black's E6,
# White's F5, Black's D4 (capturing D5), White's G6 (capturing F6).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O O . . .
  . . . . . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 D6 E6 E5 F5 D4 G6 [D6=r:5]

[largeknight-cap-ladder-reading-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O O . . .
  . . . . . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 D6 E6 E5 F5 D4 G6 [D5=r:5]


[knight-hane-one-side]
# No White stone in the knight's move D5-E7; White's F5 beyond the side
# point E5 alone, White's B8 far away breaking the ladder of the push.
# White pushes at D6: White's D6, Black's E6, White's E5 (joining F5),
# White's evaluation there.  Black's answer is the best of E6, E5 (E5 on a
# tie with E6) and C7 (C7 only when better), each valued by Black's move
# alone; White proposes D6.  Value the sum.
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 D6 E6 E5 D5 E6 E7 E5 E7 C7 [E6=r:5|E5=r:5|C7=r:5]

[knight-hane-one-side-white]
white to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 D6 E6 E5 D5 E6 E7 E5 E7 C7 [D6=r:5]

[knight-hane-one-side-half-turn]
# The half turn: White's C7 beyond the side point D7, White's G4 breaking
# the ladder.  White pushes at E6 (E6, D6, D7); Black's answer is the best
# of D6, D7 and F5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D6 D7 D5 D6 E7 D7 E7 F5 [D6=r:5|D7=r:5|F5=r:5]

[knight-hane-one-side-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D6 D7 D5 D6 E7 D7 E7 F5 [E6=r:5]


[knight-hane-one-side-behind-b]
# The one-sided hane (White's F5, White's B8 breaking the ladder) with
# White's F7 touching E7 from outside: White's push D6, Black's E6,
# White's E5 is now answered by Black's F6 before White's evaluation.
# Black's answer and White's point as before.
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 D6 E6 E5 F6 D5 E6 E7 E5 E7 C7 [E6=r:5|E5=r:5|C7=r:5]

[knight-hane-one-side-behind-b-white]
white to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 D6 E6 E5 F6 D5 E6 E7 E5 E7 C7 [D6=r:5]

[knight-hane-one-side-behind-a]
# The half turn: White's C7 and G4 with White's C5 touching D5 from
# outside: White's E6, Black's D6, White's D7, Black's C6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D6 D7 C6 D5 D6 E7 D7 E7 F5 [D6=r:5|D7=r:5|F5=r:5]

[knight-hane-one-side-behind-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D6 D7 C6 D5 D6 E7 D7 E7 F5 [E6=r:5]

# --- Knight's moves in the second pass: Black's D5 and E7 ---------------------------

[knight-second-pass-contact-a]
# Black's knight's move D5-E7; White's E5 touches D5 on E7's line.
# White's cut is E6 (the cutting point beside E5), Black's answer D6: White's
# reading E6, Black D6 (White's E6 keeps three liberties), Black's own E6.
# The value is the sum, doubled when White's two moves E6 and D6 are worth
# more than twice the sum.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D6 D5 E6 [E6=r:21|E6=r*2:21]

[knight-second-pass-contact-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D6 D5 E6 [E6=r:21|E6=r*2:21]

[knight-second-pass-contact-b]
# The other end: White's D7 touches E7 on D5's line; the cutting point
# beside it is D6, the other E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r:21|D6=r*2:21]

[knight-second-pass-contact-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r:21|D6=r*2:21]

[knight-second-pass-outside-a]
# White's C6 outside the shape beside the cutting point D6 on D5's line:
# Black's D6 against White's D6 answered at E6.  Value Black's evaluation
# after D6 plus White's after D6, E6 (doubled when White's D6 and E6
# together are worth more than twice that).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r:21|D6=r*2:21]

[knight-second-pass-outside-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r:21|D6=r*2:21]

[knight-second-pass-outside-b]
# White's F6 outside beside the other cutting point E6: the point is E6,
# White's reading E6, D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D6 D5 E6 [E6=r:21|E6=r*2:21]

[knight-second-pass-outside-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D6 D5 E6 [E6=r:21|E6=r*2:21]

# --- Relation moves of groups ------------------------------------------------------

[group-contact-below]
# Black's D5 against White's E5, with Black's E6 above E5: White has two
# liberties, so Black's E4 (beside E5 below it) is an atari; White's D4
# would not atari D5, so White's point is E4 too, out of that atari.  The
# side above is closed by E6.
# Value four fifths of Black's evaluation after E4 plus White's after E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D5 E5 E4 D5 E4 [E4=r*4/5:18]

[group-contact-below-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D5 E5 E4 D5 E4 [E4=r*4/5:18]

[group-contact-above]
# The same with Black's E4 below E5: the side above is read, both
# sides' point is E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D5 E5 E6 D5 E6 [E6=r*4/5:18]

[group-contact-above-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D5 E5 E6 D5 E6 [E6=r*4/5:18]

[group-three-space-weak]
# Black's E7 and White's J7 a three-space jump apart on 13x13, neither on
# the third line, for a weak group: only the middle gap G7 is tried, valued
# as the engine's move there plus the opponent's.
black to play
  . . . . . . . . . . . . .
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
call GunKankei10Utu:weak E7 J7 G7 E7 G7 [G7=r:18]

[group-three-space-weak-white]
white to play
  . . . . . . . . . . . . .
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
call GunKankei10Utu:weak E7 J7 G7 E7 G7 [G7=r:18]

[group-two-space-third-line-bottom]
# Black's C3 and White's F3 a two-space jump apart, both on the third
# line; White's B4 and B2 close both sides (each stands beyond Black's
# outer point from the side point next to C3).  So only the edge side is
# read: Black's E2, White's F2, Black's E3 for Black; White's D2, Black's
# C2, White's D3 for White.  Value the sum, at most 19; Black's point E2,
# White's D2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . . O . . .
  . O . . . . . . .
  . . . . . . . . .
call GunKankei6Utu:read C3 F3 D2 C2 D3 C3 E2 F2 E3 [E2=r:18|E2=19<r:18]

[group-two-space-third-line-bottom-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . . O . . .
  . O . . . . . . .
  . . . . . . . . .
call GunKankei6Utu:read C3 F3 D2 C2 D3 C3 E2 F2 E3 [D2=r:18|D2=19<r:18]

[group-two-space-third-line-top]
# The same shape at the top edge: Black's C7 and White's F7, White's B8
# and B6 closing the sides; the edge side is now the side of the smaller
# coordinate: Black's E8, White's F8, Black's E7; White's D8, Black's C8,
# White's D7.
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . X . . O . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei6Utu:read C7 F7 D8 C8 D7 C7 E8 F8 E7 [E8=r:18|E8=19<r:18]

[group-two-space-third-line-top-white]
white to play
  . . . . . . . . .
  . O . . . . . . .
  . . X . . O . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei6Utu:read C7 F7 D8 C8 D7 C7 E8 F8 E7 [D8=r:18|D8=19<r:18]

[group-two-space-second-line]
# Black's C2 and White's F2 a two-space jump apart on the second line;
# Black's D4 crowds the side point D3 above (fewer than seven empty points
# around it), and the side below is the edge.  So only the gaps are read:
# Black's E2 (the gap next to F2) and White's D2 (the gap next to C2),
# four fifths of the sum; Black proposes E2, White D2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:read C2 F2 D2 C2 E2 [E2=r*4/5:18]

[group-two-space-second-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:read C2 F2 D2 C2 E2 [D2=r*4/5:18]

[group-two-space-second-line-b]
# The same with the sides swapped: Black's F2 and White's C2, Black's E4
# above: Black proposes D2, White E2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . . . . . . . .
call GunKankei6Utu:read F2 C2 E2 F2 D2 [D2=r*4/5:18]

[group-two-space-second-line-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . . . . . . . .
call GunKankei6Utu:read F2 C2 E2 F2 D2 [E2=r*4/5:18]

[group-two-two]
# Black's D6 and White's F4 in the (2,2) shape: both free corners, F6
# and D4, are tried, each valued as Black's move there plus White's (no
# Black stones a (1,3) and a two-space jump from the point beyond, no
# capture beside the corner).  Both are proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:at D6 F4 F6 F6 D6 F6 [D4 F6=r:18]
call GunKankei5Utu:at D6 F4 D4 D4 D6 D4 [D4=r:18 F6]

[group-two-two-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:at D6 F4 F6 F6 D6 F6 [D4 F6=r:18]
call GunKankei5Utu:at D6 F4 D4 D4 D6 D4 [D4=r:18 F6]


# --- Knight's moves: contact and hane answers, Black's D5 and E7 --------------------

[knight-hane-both-sides]
# No White stone in the knight's move D5-E7; White's F5 beyond the side
# point E5 and White's C7 beyond the other side point D7: the cut from
# both sides.  White's better push: D6, E6, E5 or E6, D6, D7; Black's
# answer is D7 (nothing of White's at C5 or C4).  Value Black's evaluation
# after D7 plus the better of White's two; White pushes at D6 or E6,
# whichever gave the better.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 D6 E6 E5 E7 E6 D6 D7 D5 D7 [D7=r:5]

[knight-hane-both-sides-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 D6 E6 E5 E7 E6 D6 D7 D5 D7 [D6=r:5|E6=r:5]

[knight-hane-both-sides-behind]
# The same with White's C4 behind C5, outside D5: Black's answer becomes
# E5, valued by Black's move there.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 D6 E6 E5 E7 E6 D6 D7 D5 E5 [E5=r:5]

[knight-reinforce-contact]
# Two living groups, Black's on the left (eyes A11 and A4) and White's on
# the right (eyes N11 and N4).  Black's knight's move E7-F9 (E7 joined to
# the left by C7 and D7); White's F7, joined to the right by the row F6-L6,
# touches E7 on F9's line.  The cutting point beside F7 is F8: White's F8,
# Black's E8 and White's G9 (G9 has three empty neighbours; G8 beside
# it, between F8 and White's H8, does not); Black's own F8.  The sum,
# doubled when it is 3 or less.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . . O . . . O O
  X X X X X O . . . . . O O
  X X . . . O O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 F8 F8 E8 G9 E7 F8 [F8=r:22|F8=r*2:22]

[knight-reinforce-contact-white]
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . . O . . . O O
  X X X X X O . . . . . O O
  X X . . . O O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 F8 F8 E8 G9 E7 F8 [F8=r:22|F8=r*2:22]

[knight-reinforce-contact-other-end]
# The other end: White's E9, joined to the right by the row E10-L10,
# touches F9 on E7's line.  The cutting point beside it is E8: White's E8
# and Black's F8 (D7 is Black's, so no third move); Black's own E8.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . O O O O O O O O O
  X X . . O X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 E8 E8 F8 E7 E8 [E8=r:22|E8=r*2:22]

[knight-reinforce-contact-other-end-white]
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . O O O O O O O O O
  X X . . O X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 E8 E8 F8 E7 E8 [E8=r:22|E8=r*2:22]


# --- Points valued as the engine's move plus the opponent's gain ------------------

[onefour-outer-middle-a]
# White's E6 above the middle of A's line alone: Black's point E4 on B's
# line below it, for either side valued as the engine's move there plus
# the opponent's when that gains.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E4 G4 C5 E4 [E4=r:5]

[onefour-outer-middle-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E4 C5 E4 G4 [E4=r:5]

[onefour-outer-middle-b]
# The half turn: White's E3 below the middle of B's line: the point is
# E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 G4 C5 E5 [E5=r:5]

[onefour-outer-middle-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 C5 E5 G4 [E5=r:5]

[onefour-wedge-own-behind]
# White's D4 on B's line at the first middle step with Black's C6 on the
# outer line behind A: the point is E5 (A's line, third step), valued as
# the engine's move there plus the opponent's when that gains.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 G4 C5 E5 [E5=r:5]

[onefour-wedge-own-behind-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 C5 E5 G4 [E5=r:5]

[onefour-wedge-own-behind-b]
# The half turn: White's F5 with Black's G3 behind B: the point is E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . X . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E4 G4 C5 E4 [E4=r:5]

[onefour-wedge-own-behind-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . X . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E4 C5 E4 G4 [E4=r:5]

[twothree-middle-side-alone]
# White's E5 beside the middle points on B's line, nothing else near:
# the point is D4, the far middle point, valued as the engine's move there
# plus the opponent's when that gains.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 E3 C6 D4 [D4=r:5]

[twothree-middle-side-alone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 D4 E3 [D4=r:5]

[twothree-middle-side-alone-b]
# The half turn: White's C4 alone: the point is D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 E3 C6 D5 [D5=r:5]

[twothree-middle-side-alone-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 E3 [D5=r:5]

[twothree-corner-alone]
# White's E6 on the corner beside A's end with nothing of Black's
# beyond it: the point is D5, the middle point.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 E3 C6 D5 [D5=r:5]

[twothree-corner-alone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D5 C6 D5 E3 [D5=r:5]

[twothree-corner-alone-b]
# The half turn: White's C3 on the corner beside B's end: the point is
# D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 E3 C6 D4 [D4=r:5]

[twothree-corner-alone-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 D4 C6 D4 E3 [D4=r:5]

# --- (1,4) links: more cases of the wedge and the contact ----------------------------

[onefour-wedge-outer-stone-far]
# White's D4 on B's line at the first middle step with White's E3 on the
# outer line beyond B's line at the second: Black answers at E5 (A's line,
# second middle step); White plays E6 beyond it, its eight neighbours
# empty.  Value Black's evaluation after E5 plus White's after E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E6 C5 E5 [E5=r:5]

[onefour-wedge-outer-stone-far-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E6 C5 E5 [E6=r:5]

[onefour-wedge-outer-stone-own-above]
# As before with Black's D3 below D4: White's point is E5 too.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 C5 E5 [E5=r:5]

[onefour-wedge-outer-stone-own-above-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E5 C5 E5 [E5=r:5]

[onefour-wedge-outer-stone-crowded]
# As before without D3 but with Black's F7 beside E6: White's point is
# D5, beside A.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 E5 [E5=r:5]

[onefour-wedge-outer-stone-crowded-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 C5 E5 [D5=r:5]

[onefour-wedge-outer-stone-far-b]
# The half turn: White's F5 with White's E6: Black answers at E4, White
# plays E3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E3 C5 E4 [E4=r:5]

[onefour-wedge-outer-stone-far-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 E3 C5 E4 [E3=r:5]

[onefour-contact-outer-guard]
# White's D5 touching A with White's B4 two lines out beside C4: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . O . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-contact-below-guard]
# White's D5 touching A with White's C3 below C4: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . . X . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-contact-outer-guard-b]
# The half turn: White's F4 with White's H5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . O .
  . . . . . O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-contact-below-guard-b]
# The half turn: White's F4 with White's G6 above G5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . X . . . . . .
  . . . . . O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-hane-own-far-end]
# White's C4 below A with Black's F3 on the far outer line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . X . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-hane-own-far-middle]
# White's C4 below A with Black's E3 on the far outer line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

# --- Shapes whose pattern stops: nothing to propose ---------------------------------
# Each row names the stone that stops the pattern.

[onefour-outer-middle-closed]
# White's D3 outside B's line with White's D6 on the outer line beside A's
# line at the same step: the pattern of the outer stone gives nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-outer-middle-closed-b]
# The half turn: White's F6 with White's F3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-outer-behind-own-beyond]
# White's C3 below C4 with Black's D2 beyond White's side of D3: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-outer-behind-own-beyond-b]
# The half turn: White's G6 with Black's F7: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . O . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-push-middle-with-second]
# White's E5 and D5 both on A's line: the middle stone's pattern, which
# stops for the stone at D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-push-middle-with-second-b]
# The half turn: White's E4 and F4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-push-middle-far-stone]
# White's E5 with White's F5 beside it on A's line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-push-middle-far-end]
# White's E5 with White's G3 below B's end: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-wedge-outer-guard]
# White's D4 with White's D7, two lines above D5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-wedge-outer-guard-b]
# The half turn: White's F5 with White's F2: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-wedge-outer-guard-middle]
# White's D4 with White's E7, two lines above E5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-contact-behind]
# White's D5 touching A with White's B5 behind A: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X O . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-contact-behind-b]
# The half turn: White's F4 with White's H4 behind B: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O X O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-hane-outer-guard]
# White's C4 below A with White's D6 on the outer line at the first step:
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . O . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-hane-outer-guard-b]
# The half turn: White's G5 with White's F3: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[onefour-hane-own-far]
# White's C4 below A with Black's D3 on the far outer line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . X . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 [none]

[twothree-middle-side-own-behind]
# White's E5 beside the middle points with Black's B4 beyond the other
# side of D4 (beyond C4 from D4): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . X . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 [none]

[twothree-middle-side-own-behind-b]
# The half turn: White's C4 with Black's F5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 [none]

[twothree-outside-guarded]
# White's B4 beside A's line with Black's B5 beside it: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X . . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 [none]

[twothree-outside-guarded-b]
# White's F5 beside B's line with Black's F4: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 [none]

[twothree-contact-short-atari]
# White's D6 touching A across the short side, in atari (Black's E6 and
# D7): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 [none]

[twothree-contact-short-atari-b]
# The half turn: White's D3 in atari (Black's C3 and D2): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . . X . . . . .
  . . . . . . . . .
call Kankei8Utu:read C6 E3 [none]

[largeknight-cap-own-inside]
# White's D4 caps A's line and White's F4 stands below B, but Black's D7
# is on the outer line beyond B's line: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[largeknight-cap-own-inside-b]
# The half turn: White's E7 and C7 with Black's E4: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]


[group-large-knight]
# Black's E6 and White's F3 in the (1,3) shape, the long side down the
# board.  Two sides: beside E6, G6 (two from E6, on the third line) and G5
# one step on; beside F3, D3 (two from F3, on the third line) and D4.
# Black's side of G6: the better of Black's G6 and G5; White's there is G6
# (third line).  Black's side of D3: D3 (third line); White's the better of
# D3 and D4.  Each side's value is Black's reading plus White's; Black
# proposes D3 (and the better of G6 and G5), White proposes G6 (and the
# better of D3 and D4).
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
call GunKankei7Utu:at E6 F3 D3 D3 F3 D4 E6 D3 [D3=r:18 G6|D3=r:18 G5]

[group-large-knight-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:at E6 F3 G6 G6 E6 G6 F3 G5 [G6=r:18 D3|G6=r:18 D4]

[group-large-knight-across]
# The same shape across the board: Black's D5 and White's G4.  Beside D5
# the sides are D3 (third line) and E3; beside G4, G6 (third line) and F6.
# Black proposes G6 and the better of D3 and E3; White proposes D3 and the
# better of G6 and F6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:at D5 G4 G6 G6 G4 F6 D5 G6 [G6=r:18 D3|G6=r:18 E3]

[group-large-knight-across-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:at D5 G4 D3 D3 D5 D3 G4 E3 [D3=r:18 G6|D3=r:18 F6]


[group-two-three]
# Black's C6 and White's E3 in the (2,3) shape.  The corner E6 (three
# from E3 along its line): Black's point beside it toward E3, E5, against
# White's E6 itself (nothing of Black's between E6 and E3).  The corner C3
# (three from C6): Black's C3 itself (nothing of White's between), against
# White's C4 beside it toward C6.  Each side's value is Black's reading
# plus White's; Black proposes E5 and C3, White E6 and C4.
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
call GunKankei8Utu:at C6 E3 E5 E6 C6 E5 [C3 E5=r:18]
call GunKankei8Utu:at C6 E3 C3 C4 C6 C3 [C3=r:18 E5]

[group-two-three-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E6 E6 C6 E5 [C4 E6=r:18]
call GunKankei8Utu:at C6 E3 C4 C4 C6 C3 [C4=r:18 E6]

[group-two-three-own-corner]
# Black's C3 already on the far corner: only the corner E6 is read, and
# with Black's stone on the other corner Black's point is E6 itself (no
# White stone at B6 behind C6).  Both sides' point is E6: Black's reading
# there plus White's.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E6 E6 C6 E6 [E6=r:18]

[group-two-three-own-corner-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E6 E6 C6 E6 [E6=r:18]

[group-two-three-own-corner-blocked]
# As before with White's B6 behind C6: Black's point becomes D5, the
# middle point beside C6; White's stays E6.  Value Black's reading at D5
# plus White's at E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 D5 E6 C6 D5 [D5=r:18]

[group-two-three-own-corner-blocked-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E6 E6 C6 D5 [E6=r:18]


[group-two-three-friend-behind]
# As the (2,3) shape of groups above with White's C7 beyond D6 from E5:
# on the side of E6 White's point becomes D6 (between C7 and E5), Black's
# stays E5; the other side is as before.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 E5 D6 C6 E5 [C3 E5=r:18]

[group-two-three-friend-behind-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 D6 D6 C6 E5 [C4 D6=r:18]

[group-two-three-attacker-corner]
# White's E6 on the near corner: only the corner C3 is read.  Black's
# point is C3; White's, with its stone on the other corner and nothing of
# Black's at F3 beyond E3, is C3 too.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 C3 C6 C3 [C3=r:18]

[group-two-three-attacker-corner-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 C3 C6 C3 [C3=r:18]

[group-two-three-attacker-corner-blocked]
# As before with Black's F3 beyond E3: White's point becomes D4 (the
# middle point beside E3); Black's stays C3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 C3 D4 C6 C3 [C3=r:18]

[group-two-three-attacker-corner-blocked-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei8Utu:at C6 E3 D4 D4 C6 C3 [D4=r:18]

[group-knight-side-near-b]
# Black's D5 and White's E7 a knight's move apart.  The side beyond E5:
# its outer point F5 (two from D5 along its line) is Black's point and
# White's alike while White is the engine (no Black stones a (1,3) shape
# from G4, F5 not on the second line), valued by Black's reading there
# plus White's, halved when White's stone at F5 would be near death.
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
call GunKankei4Utu:only D5 E7 F5 F5 D5 F5 [F5=r:18|F5=r/2:18]

[group-knight-side-near-a]
# The side beyond D7: its outer point C7 (two from E7 along its line) is
# both sides' point while Black is the engine (no White stones a (1,3)
# shape from B8, C7 not on the second line).
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
call GunKankei4Utu:only D5 E7 C7 C7 D5 C7 [C7=r:18|C7=r/2:18]

[group-knight-side-second-line]
# Black's F5 and White's G3 a knight's move apart by the right edge.  The
# side beyond G5: its outer point H5 is on the second line while F5 is
# not, so Black's point there is G4 (the middle point on G3's line);
# White's is H5.  White, the engine, proposes H5: Black's reading at G4
# plus White's at H5, halved when White's stone at H5 would be near
# death.
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
call GunKankei4Utu:only F5 G3 H5 H5 F5 G4 [H5=r:18|H5=r/2:18]

[group-knight-side-second-line-other]
# Black's C7 and White's D5 by the left edge.  The side beyond C5: its
# outer point B5 is on the second line while D5 is not, so White's point
# there is C6 (the middle point on C7's line); Black's is B5.  Black, the
# engine, proposes B5: Black's reading there plus White's at C6, halved
# when Black's stone at B5 would be near death.
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
call GunKankei4Utu:only C7 D5 B5 C6 C7 B5 [B5=r:18|B5=r/2:18]

[knight-contact-touched-two-liberties]
# White's E5 touches D5, and White's D4 below D5 leaves D5 two liberties
# (C5 and D6) and no ladder.  White pushes at D6 (D5 then in atari), Black
# blocks at D6 itself: both sides' point is D6, the value White's
# evaluation after D6 plus Black's after D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 D6 [D6=r:5]

[knight-contact-touched-two-liberties-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 D6 [D6=r:5]

[knight-contact-touched-two-liberties-other-end]
# The other end: White's D7 touches E7, White's E8 above it leaves E7 two
# liberties: both sides' point is E6.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E6 D5 E6 [E6=r:5]

[knight-contact-touched-two-liberties-other-end-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E6 D5 E6 [E6=r:5]

[knight-contact-attacker-beyond-side]
# White's E5 touches D5 (three liberties) and White's D8 stands beyond the
# side point D7: White extends to D7, Black's answer is D6 (the middle
# point beside D5).  Value White's evaluation after D7 plus Black's after
# D6 (doubled if that were negative); Black proposes D6, White D7.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D7 D5 D6 [D6=r:5]

[knight-contact-attacker-beyond-side-white]
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D7 D5 D6 [D7=r:5]

[knight-contact-attacker-beyond-side-own-outside]
# As before with Black's C6 outside the middle point D6: Black's answer
# becomes E6, the middle point beside E5.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D7 D5 E6 [E6=r:5]

[knight-contact-attacker-beyond-side-own-outside-white]
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D7 D5 E6 [D7=r:5]

[knight-contact-attacker-beyond-side-other-end]
# The other end: White's D7 touches E7 and White's E4 stands beyond the
# side point E5: White extends to E5, Black answers at E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E5 D5 E6 [E6=r:5]

[knight-contact-attacker-beyond-side-other-end-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E5 D5 E6 [E5=r:5]

[knight-contact-stone-caught]
# Black's knight's move D5-E7; White's E5 touches D5 with two liberties
# (Black's E4 below it) and is caught by a ladder (Black's F5, then E6 and
# on to the corner).  Outside E7 on White's side, F7 has two empty
# neighbours only (Black's G7), so the plain reading: White's E6 and
# Black's D6 for White, Black's E6 for Black (after it E5 has one
# liberty).  Both sides' point is E6, the sum as its value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E6 D6 D5 E6 [E6=r:5]

[knight-contact-stone-caught-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E6 D6 D5 E6 [E6=r:5]

[knight-contact-stone-caught-other-end]
# The other end: White's D7 touching E7, Black's D8 below it, Black's B5
# beside C5: both sides' point is D6 (White's D6 and Black's E6; Black's
# D6).
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 D5 D6 [D6=r:5]

[knight-contact-stone-caught-other-end-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 D5 D6 [D6=r:5]

[knight-contact-stone-in-atari-closed]
# White's E5 touching D5 in atari (Black's F5 and E4 around it, Black's
# G7 as in the shape before): the contact stone is caught, and with
# Black's F5 on the point beyond it there is nothing to answer.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

[knight-contact-stone-in-atari-closed-other-end]
# The other end: White's D7 in atari from Black's C7 and D8, Black's B5
# beside C5: nothing.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]


[knight-contact-outside-middle]
# White's E5 touches D5 (three liberties, no ladder) and White's C6
# stands outside the middle point D6 beside D5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

[knight-contact-behind]
# White's E5 touches D5 and White's C5 stands behind D5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

[knight-contact-outside-middle-other-end]
# White's D7 touches E7 and White's F6 stands outside the middle point E6
# beside E7: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

[knight-contact-behind-other-end]
# White's D7 touches E7 and White's F7 stands behind E7: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X O . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]


[knight-second-pass-far-stone]
# Two living groups as in the reinforcement above; Black's knight's move
# E7-F9, White's G7 on the far line beside E7 (joined to the right by
# G6-L6).  The cutting point beyond it is F8: White's F8 and Black's E8,
# White's evaluation; Black's own F8, Black's.  The sum for Black; for
# White one and a half times it (twice when it is 2 or less).
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 F8 E8 E7 F8 [F8=r:21]

[knight-second-pass-far-stone-white]
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 F8 E8 E7 F8 [F8=r*3/2:21|F8=r*2:21]

[knight-second-pass-far-stone-other-end]
# The other end: White's D9 on the far line beside F9 (joined to the
# right by D10-L10): the cutting point is E8, White's E8 and Black's F8;
# Black's own E8.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 E8 F8 E7 E8 [E8=r:21]

[knight-second-pass-far-stone-other-end-white]
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 E8 F8 E7 E8 [E8=r*3/2:21|E8=r*2:21]


[knight-second-pass-far-two-stones]
# The far stone G7 with White's G9 beside F9 too (two White stones along
# the far line): White's F8 and Black's E8, White's evaluation, plus
# Black's own F8; doubled only when White's F8 and E8 together are worth
# more than twice the sum, whoever is to play.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X O . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 F8 E8 E7 F8 [F8=r:21|F8=r*2:21]

[knight-second-pass-far-two-stones-white]
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X O . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 F8 E8 E7 F8 [F8=r:21|F8=r*2:21]

[knight-second-pass-far-two-stones-other-end]
# The other end: White's D9 and D7 on the far line (E7 joined to the
# left along row 6): White's E8 and Black's F8, plus Black's own E8.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X . O X . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 E8 F8 E7 E8 [E8=r:21|E8=r*2:21]

[knight-second-pass-far-two-stones-other-end-white]
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X . O X . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 E8 F8 E7 E8 [E8=r:21|E8=r*2:21]

[knight-second-pass-far-blocked]
# The far stone G7 with Black's G8 on the far line beside the cutting
# point: nothing.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . X . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 [none]

[knight-second-pass-far-blocked-other-end]
# The far stone D9 with Black's D8 beside the other cutting point:
# nothing.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . X . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 [none]

[knight-reinforce-contact-outer-held]
# The reinforcement shape with Black's G8 on the outer point beside the
# cutting point F8: nothing.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . X O . . . O O
  X X X X X O . . . . . O O
  X X . . . O O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 F8 [none]

[knight-reinforce-contact-outer-beyond]
# The reinforcement shape with Black's H7 beyond White's outer point G7:
# nothing.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . . O . . . O O
  X X X X X O . X . . . O O
  X X . . . O O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 F8 [none]

[knight-reinforce-contact-outer-held-other-end]
# The other end with Black's D8 beside the cutting point E8: nothing.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . O O O O O O O O O
  X X . . O X . . . . . O O
  X X . X . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 F8 [none]

[knight-reinforce-contact-outer-beyond-other-end]
# The other end with Black's C9 beyond White's outer point D9: nothing.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . O O O O O O O O O
  X X X . O X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call KeimaHokyo:at E7 F9 F8 [none]

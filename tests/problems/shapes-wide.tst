# Shape links over wider shapes: single routines on positions whose
# answers are worked out from the shapes by hand.  "call NAME:read A B
# M... A N..." runs the routine on the pair (A, B) and answers each
# candidate as "point=r:reason" when its value is the attacker's
# evaluation after the moves M... (attacker first, alternating) plus the
# owner's after N... (owner first), "r+k"/"r-k" when it is off by k.

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

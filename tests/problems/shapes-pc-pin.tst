# Known-answer rows for the group relation patterns of one-space jumps
# and adjacent stones, the (1,4) and (2,3) links and the caps of a large
# knight's move, each pinning one cell or bound of its routine.  Entries:
# tests/engine/shapes/FsetCPinRoutines.cpp and the shared ones of
# ShapeRoutines.cpp ("NAME:read A B M... A N...": the attacker's reading
# M... then the owner's N..., r their sum).

# --- The one-space jump: the far point in a large region ----------------------------------

[pc-jump-far-large-region]
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
call GunKankei3Utu:pc-far H10 K10 J8 K8 H10 J8 [J8=a*4/3+b:18]

[pc-jump-far-small-region]
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
call GunKankei3Utu:pc-far D6 F6 E4 F4 D6 E4 [E4=a+b:18]

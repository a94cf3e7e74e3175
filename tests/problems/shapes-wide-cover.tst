# The (2,3), (2,2) and (1,4) link handlers and the push beside a knight's
# move: the branches the other tables leave unread, one row per placement,
# each candidate's point and value worked out from the pattern.
#
# "call NAME:formula A B P F..." answers every candidate by its point and the
# one at P as "P=r:5" when its value is the formula F: a reading opened by A
# (the owner first, the colours alternating, scored for the owner) or by B
# (the attacker first, scored for the attacker), the readings summed.  With
# no formula, "P=iti:5" says the value is the position value of P (a point
# proposed by its evaluation alone).  A bonus would follow as "/B"; these
# patterns give none.

# --- (2,3) links: Black's C6 and E3 -----------------------------------------------------
# The box: [0] C6 [1] D6 [2] E6 / [3] C5 [4] D5 [5] E5 / [6] C4 [7] D4 [8] E4 /
# [9] C3 [10] D3 [11] E3; the middle points are D5 and D4.

[twothree-middle-side-far-stone]
# White's E5 beside the middle point D5 on B's line, and White's F3 past B
# (beyond B from D3), the point F4 (beyond E4 from D4) empty: Black's
# answer is E4 (touching B from the middle line's far end), read as Black's
# E4, White's F4 and Black's D5 closing the middle; White's point is C5
# (beside A along A's line).  Value: Black's reading E4 F4 D5 plus White's
# evaluation after C5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 E4 C6 E4 F4 D5 E3 C5 [E4=r:5]

[twothree-middle-side-far-stone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 C5 C6 E4 F4 D5 E3 C5 [C5=r:5]

[twothree-middle-side-far-stone-blocked]
# The same with Black's F4: White's hane point beyond E4 is taken, so the
# three-move reading does not apply and Black takes the far middle point D4
# by its position value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . X . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

[twothree-middle-side-far-stone-half-turn]
# The half turn: White's C4 beside the middle point D4 on A's line and
# White's B6 past A (beyond A from D6), B5 (beyond C5 from D5) empty: Black
# answers C5, read as Black's C5, White's B5 and Black's D4; White's point
# is E4 (beside B along B's line).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 C5 C6 C5 B5 D4 E3 E4 [C5=r:5]

[twothree-middle-side-far-stone-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 E4 C6 C5 B5 D4 E3 E4 [E4=r:5]

[twothree-contact-long-two-liberties]
# White's C5 touching A along the long side, Black's B5 leaving it two
# liberties (D5 and C4): after Black's D5 it is in atari at C4.  Black's
# value: D5 answered by White's C4 (h), with Black's capture D5 and C4 (w)
# counting half its gain over h, the sum at most doubled; White pushes at
# D5 (A keeps three liberties).  Both sides' point is D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:capture C6 E3 D5 C4 D5 [D5=capped:5]

[twothree-contact-long-two-liberties-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:capture C6 E3 D5 C4 D5 [D5=capped:5]

[twothree-contact-long-two-liberties-half-turn]
# The half turn: White's E4 touching B, Black's F4 leaving it E5 and D4;
# after Black's D4 it is in atari at E5.  Both sides' point is D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:capture C6 E3 D4 E5 D4 [D4=capped:5]

[twothree-contact-long-two-liberties-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:capture C6 E3 D4 E5 D4 [D4=capped:5]

[twothree-free-beside-and-past-b]
# No White stone in the box; White's F4 beside B's line (beyond E4 from D4)
# and White's D2 past B's end (beyond D3 from D4): the middle point next to
# B, D4, by its position value, for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

[twothree-free-beside-and-past-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

[twothree-free-beside-and-past-b-other]
# The same with White's F5 (beyond E5 from D5) and C2 (beyond C3 from C4).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

[twothree-free-beside-and-past-b-other-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

[twothree-free-beside-a-lower]
# No White stone in the box; White's B4 alone outside it, beside A's line
# next to the middle point D4 (beyond C4 from D4): Black answers at C4
# (A's line, beside that stone), White pushes at the middle point D4.  B5
# (beyond C5 from D5) is not Black's.  Value Black's evaluation after C4
# plus White's after D4.
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
call Kankei8Utu:formula C6 E3 C4 C6 C4 E3 D4 [C4=r:5]

[twothree-free-beside-a-lower-white]
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
call Kankei8Utu:formula C6 E3 D4 C6 C4 E3 D4 [D4=r:5]

[twothree-free-beside-a-lower-held]
# The same with Black's B5 above White's stone: nothing to answer.
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
call Kankei8Utu:formula C6 E3 C4 [none]

# --- (2,2) links: Black's D6 and F4 -----------------------------------------------------
# The square: [0] D6 [1] E6 [2] F6 / [3] D5 [4] E5 [5] F5 / [6] D4 [7] E4 [8] F4.

[twotwo-both-midpoints-own-stone-below]
# White on both midpoints of F6's side (E6 and F5); beyond the other
# midpoints from the centre, C5 is empty and E3 is Black's: Black's D5 (the
# midpoint beside A) by its position value, for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . O . . .
  . . . . . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 D5 [D5=iti:5]

[twotwo-both-midpoints-own-stone-left]
# C5 Black's and E3 empty, White's F5 with three liberties: E4 (the
# midpoint beside B) by its position value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . X . . O . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E4 [E4=iti:5]

[twotwo-both-midpoints-own-stone-left-short]
# As before with Black's G5: White's F5 has two liberties (F6, E5), so
# Black takes the centre E5 and White cuts at E4.  Value: Black's
# evaluation after E5 plus White's after E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . X . . O X . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E5 D6 E5 F4 E4 [E5=r:5]

[twotwo-both-midpoints-own-stone-left-short-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . X . . O X . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E4 D6 E5 F4 E4 [E4=r:5]

[twotwo-both-midpoints-other-side-own-stone-right]
# The mirror in the A-B diagonal: White on D5 and E4 (the midpoints of
# D4's side); beyond E6 from the centre E7 is empty, beyond F5 G5 is
# Black's: E6 by its position value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O . . X . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E6 [E6=iti:5]

[twotwo-both-midpoints-other-side-own-stone-above]
# E7 Black's and G5 empty, White's E4 with three liberties: F5 by its
# position value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 F5 [F5=iti:5]

[twotwo-both-midpoints-other-side-own-stone-above-short]
# As before with Black's E3: White's E4 has two liberties (D4, E5): Black
# takes the centre E5, White cuts at F5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E5 D6 E5 F4 F5 [E5=r:5]

[twotwo-both-midpoints-other-side-own-stone-above-short-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 F5 D6 E5 F4 F5 [F5=r:5]

[twotwo-midpoint-short-end-own-stone]
# White's E6 on a midpoint touching A, whose liberties White's D7 cuts to
# two (C6, D5); the midpoint across, D5, has Black's C5 beyond it: Black's
# value is its move at the centre E5.  White's cut at D5 is read on: Black
# takes A's last liberty C6, White plays E4 (beyond the centre from E6).
# Value: Black's E5 plus White's reading D5 C6 E4; Black's point E5, White's
# D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E5 D6 E5 F4 D5 C6 E4 [E5=r:5]

[twotwo-midpoint-short-end-own-stone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 D5 D6 E5 F4 D5 C6 E4 [D5=r:5]

[twotwo-midpoint-short-end-own-stone-b]
# The other end: White's E4 on the midpoint touching B (the [6] side),
# White's F3 cutting B's liberties to two (F5, G4); beyond the midpoint F5
# beside B, G5 is Black's: Black's value is its centre E5.  White's cut at
# F5 is read on: Black takes B's last liberty G4, White plays E6 (beyond the
# centre from E4).  Black's point E5, White's F5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . X . .
  . . . . O X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E5 D6 E5 F4 F5 G4 E6 [E5=r:5]

[twotwo-midpoint-short-end-own-stone-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . X . .
  . . . . O X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 F5 D6 E5 F4 F5 G4 E6 [F5=r:5]

[twotwo-free-corner-answer]
# No White stone in the square; White's C4 a knight's move from the centre,
# beyond D4 from E4 (past the corner of D4's side), nothing beyond D4 from
# D5 nor at the other outer points: Black's answers are the centre E5 (both
# sides' move there) and the corner D4 (Black's D4 plus White's E5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 D4 D6 D4 F4 E5 [D4=r:5 E5]
call Kankei5Utu:formula D6 F4 E5 D6 E5 F4 E5 [D4 E5=r:5]

# --- The push beside a knight's move: Black's D5 and E7 -----------------------------
# The knight's move's points by steps from D5: D5 E5 / D6 E6 / D7 E7.  A
# White stone past one end's side point (E4 below E5, or D8 above D7) makes
# that point the push: both sides want it.  (Called here with reason 5.)

[keima-push-far-end]
# White's D8 above D7, the side point touching B (E7): B has its four
# liberties, C7 beyond D7 from B is empty, D8 has four liberties, so with
# D8 not short of liberties after Black's D7 there is no hane.  Value
# White's evaluation after D7 plus Black's after D7.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaOsiUtu:formula D5 E7 D7 D5 D7 E7 D7 [D7=r:5]

[keima-push-far-end-hane]
# The same with Black's D9: after Black's D7 White's D8 has two liberties
# (C8, E8), so Black's value is read after its D7 and the hane C8 (beyond
# D7 from E6, the cutting point on B's line).
black to play
  . . . X . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaOsiUtu:hane D5 E7 D7 C8 [D7=r:5]

[keima-push-near-end-hane]
# The first placement: White's E4 below E5, the side point touching A
# (D5), Black's E3 under it: after Black's E5 White's E4 has two liberties
# (D4, F4), so Black's value is read after E5 and the hane F4 (beyond E5
# from D6).  White's push at E5 is the other half.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaOsiUtu:hane D5 E7 E5 F4 [E5=r:5]

# --- (1,4) links --------------------------------------------------------------------
# Black's C5 and G4: A's line row 5 (R[0] C5, R[2] D5, R[4] E5, R[6] F5,
# R[8] G5), B's line row 4 (R[1] C4 ... R[9] G4); the outer lines row 6
# above A's line (D[0] C6 ... D[8] G6) and row 3 below B's (D[1] C3 ...
# D[9] G3).

[onefour-outer-three-above]
# White's E6, F6 and G6 on the outer line above A's line, from the middle
# step on (D[4], D[6], D[8]): with D[6] held too, Black's E4 (R[5], on B's
# line at the middle step) by its position value, for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O O . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:formula C5 G4 E4 [E4=iti:5]

[onefour-outer-three-above-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O O . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:formula C5 G4 E4 [E4=iti:5]

[onefour-outer-three-below]
# The half turn: White's C3, D3 and E3 below B's line (D[1], D[3], D[5]):
# Black's E5 (R[4]) by its position value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:formula C5 G4 E5 [E5=iti:5]

[onefour-outer-three-below-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:formula C5 G4 E5 [E5=iti:5]

[onefour-middle-push-first-line]
# Black's C3 and G2 (A's line row 3, B's line row 2, the outer line below
# it the first line).  White's E3 on A's line at the middle step (R[4]):
# Black answers beside it at E2 (R[5]); White's point under it, E1 (D[5]),
# is on the first line, so White's value is the best of E1, F2 (R[7]) and
# D2 (R[3]).  Value Black's evaluation after E2 plus that best.  (Black's
# J9, far away, only separates the alternatives in the formula.)
black to play
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . X . .
  . . . . . . . . .
call Kankei11Utu:formula C3 G2 E2 C3 E2 G2 E1 J9 F2 J9 D2 [E2=r:5]

# --- (2,2) links: the attacker on a free corner, both its neighbours empty -----------

[twotwo-corner-atari-beside]
# Black's D1 and F3 (the square D1 E1 F1 / D2 E2 F2 / D3 E3 F3, the centre
# E2).  White's F1 on the corner of the [2] side, Black's G1 beside it: its
# neighbours in the square, E1 and F2, are empty, and Black's E1 puts it in
# atari with no White capture around E1: Black's point is E1; White cuts at
# the centre E2 (its stone there is not dead).  Value (Black's evaluation
# after E2 plus White's after E2) times 4 div 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . X . O X . .
call Kankei5Utu:formula D1 F3 E1 D1 E2 F3 E2 [E1=r*4/3:5]

[twotwo-corner-atari-beside-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . X . O X . .
call Kankei5Utu:formula D1 F3 E2 D1 E2 F3 E2 [E2=r*4/3:5]

[twotwo-corner-atari-beside-far]
# Black's D1 and F3 again, White's F1 with three liberties (E1, F2, G1):
# Black's E1 is no atari; but White's G2 beside F2, held by Black's G3 and
# H2, has two liberties (G1, F2), so Black's F2, the corner's other
# neighbour, is the atari: Black's point is F2.  Value as before.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X X . .
  . . . . . . O X .
  . . . X . O . . .
call Kankei5Utu:formula D1 F3 F2 D1 E2 F3 E2 [F2=r*4/3:5]

[twotwo-corner-atari-beside-other-side]
# The other corner: Black's A4 and C2 (the square A4 B4 C4 / A3 B3 C3 / A2
# B2 C2, the centre B3).  White's A2 on the corner of the [6] side, Black's
# A1 and B1 under it (two liberties, so White has no capture beside A3):
# Black's A3 (its neighbour toward A) puts it in atari, so Black's point is
# A3; White's the centre B3.  (With Black's A1 alone, in atari, White's
# capture at B1 would keep Black at the centre.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  O . X . . . . . .
  X X . . . . . . .
call Kankei5Utu:formula A4 C2 A3 A4 B3 C2 B3 [A3=r*4/3:5]

[twotwo-corner-atari-beside-other-side-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  O . X . . . . . .
  X X . . . . . . .
call Kankei5Utu:formula A4 C2 B3 A4 B3 C2 B3 [B3=r*4/3:5]

# --- (2,3) links: the attacker alone on a far corner ------------------------------
# Black's C6 and E3 as in the first rows.

[twothree-far-corner-push-cuts-off]
# White's E6 on the corner beside A's end ([2]), Black's F6 beyond it from
# D6 and White's F7 leaving F6 two liberties.  Black's E5 would be answered
# by White's push at D5, Black's block at D6 and White's F5, which keeps two
# liberties and leaves Black's F6 one: so Black takes the push point D5
# itself.  White's point is the better of D5 and E5.  Value Black's
# evaluation after D5 plus the better of White's after D5 and after E5
# (Black's F6 separates the two in the formula), plus 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D5 C6 D5 E3 D5 F6 E5 [D5=r+2:5]

[twothree-far-corner-push-cuts-off-half-turn]
# The half turn: White's C3 on the corner beside B's end ([9]), Black's B3
# beyond it from D3, White's B2 under it.  Black's C4 would be answered by
# White's D4, Black's D3 and White's B4, leaving B3 one liberty: Black takes
# D4.  Value Black's evaluation after D4 plus the better of White's after
# D4 and after C4, plus 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . X . . . .
  . O . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 C6 D4 E3 D4 B3 C4 [D4=r+2:5]

# --- (2,2) links: the attacker on a corner with one neighbour ----------------------
# Black's D6 and F4 again.

[twotwo-corner-half-far-midpoint]
# White's F6 on the corner of the [2] side and E6 beside it (touching A);
# the other neighbour F5 empty.  White's F3 below B (beyond B from F5)
# while E3 (beyond the far midpoint E4 from the centre) is not Black's:
# Black's answer is that far midpoint E4, by its position value, for either
# side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E4 [E4=iti:5]

[twotwo-corner-half-far-midpoint-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E4 [E4=iti:5]

[twotwo-corner-half-far-midpoint-other-side]
# The mirror: White's D4 on the other corner and D5 beside it (touching A),
# E4 empty; White's G4 beyond B from E4, G5 not Black's: the far midpoint
# F5 by its position value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . O . X O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 F5 [F5=iti:5]

[onefour-contact-short-end]
# Black's C5 and G4.  White's C4 touching A from B's line (R[1]) with
# White's B5 leaving A two liberties (C6, D5); White's C4 has three.
# Black's point is D5 (R[2], on A's line beside A).  White's D5 takes one
# of A's liberties, so Black extends at C6 (A's last one) before White's
# value is read.  Value Black's evaluation after D5 plus White's after D5
# and Black's C6; White's point is D5 as well.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . O . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:formula C5 G4 D5 C5 D5 G4 D5 C6 [D5=r:5]

[onefour-contact-short-end-half-turn]
# The half turn: White's G5 touching B from A's line (R[8]), White's H4
# leaving B two liberties (G3, F4): Black's point F4 (R[7]); after White's
# F4 Black extends at G3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . . . . . . X O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:formula C5 G4 F4 C5 F4 G4 F4 G3 [F4=r:5]

[onefour-contact-short-end-both-short]
# As in onefour-contact-short-end with Black's B4 too: White's C4 is down
# to two liberties (C3, D4) as well as A.  With A itself short of
# liberties Black still answers at D5 beside A (the point on B's line, E5
# side, is taken only when A has three or more).  Value as before.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . X O . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:formula C5 G4 D5 C5 D5 G4 D5 C6 [D5=r:5]

[twotwo-free-jump-and-knight]
# Black's D6 and F4, no White stone in the square; White's G5 a one-space
# jump from the centre E5 (beyond the midpoint F5) and White's C4 a
# knight's move from it (beyond the corner D4 from E4): two stones near the
# centre, so not the lone jump's pattern.  Black's answers: the centre E5
# (both sides' move there), F5 (the midpoint facing G5) and the corner D4,
# each of the last two with White's E5 added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . O . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 F5 D6 F5 F4 E5 [D4 E5 F5=r:5]
call Kankei5Utu:formula D6 F4 E5 D6 E5 F4 E5 [D4 E5=r:5 F5]

[twotwo-corner-half-end-in-atari]
# Black's D6 and F4.  White's F6 on the [2] corner and E6 beside it; A
# (D6) is down to one liberty (D5) by White's C6 and D7: with the end stone
# next to White's neighbour in atari there is nothing to link, no candidate
# for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O O . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E5 [none]

[twotwo-corner-half-end-in-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O O . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei5Utu:formula D6 F4 E5 [none]

[twothree-far-corner-in-a-ladder]
# Black's C8 and E5 (the box C8 D8 E8 / C7 D7 E7 / C6 D6 E6 / C5 D5 E5).
# White's E8 on the far corner beside A's end, held by Black's F8 and E9
# to two liberties: Black's E7 ataris, White's D8 is met by D7 and White's
# D9 has only C9 left, so the ladder takes the corner stone.  Nothing to
# answer, for either side.
black to play
  . . . . X . . . .
  . . X . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C8 E5 D7 [none]

[twothree-far-corner-in-a-ladder-white]
white to play
  . . . . X . . . .
  . . X . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C8 E5 D7 [none]

[onefour-outer-first-step-below-b-no-bonus]
# The positions of shapes-wide.tst's onefour-outer-behind rows, checked here
# for the bonus too (none).  Black's C5 and G4.  White's C3 alone on the
# outer line below B's line at A's end (D[1]); D2 (beyond D3 from D4) is
# not Black's.  Black answers at D4 (B's line, first step), White pushes
# at D5 (A's line beside A).  Value Black's evaluation after D4 plus
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
call Kankei11Utu:formula C5 G4 D4 C5 D4 G4 D5 [D4=r:5]

[onefour-outer-first-step-above-a-white-no-bonus]
# The half turn with White to play: White's G6 above A's line at B's end
# (D[8]); White pushes at F4 (beside B), Black's answer would be F5.
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
call Kankei11Utu:formula C5 G4 F4 C5 F5 G4 F4 [F4=r:5]

# Shape links, branches: single routines on positions that reach a branch
# of a pattern that the other tables leave open, with answers worked out
# from the shapes by hand.  "call NAME:at A B P ..." is the entry of
# shapes-roles.tst (A's colour the own side, B's the other; P the candidate
# whose value is compared, a point that is no candidate leaves every
# candidate answered by its point alone).

# --- Relation moves of groups: adjacent stones, the far point ----------------------
# White's G7 (A) against Black's E7-F7 (B) on 13x13.  A has three liberties
# (G8, H7, G6), B two stones, so neither atari map marks the side points,
# and B's lone-stone hane does not come in.  Black's G4 stands next to G5,
# two out from A on the low side, which closes that side; the high side has
# bA = G8, bB = F8, fA = G9, fB = F9, all empty with nothing around the far
# points.  Black's answer is the hane at G8 only when F8 is then firmly
# Black's: but White's D8 sees F8 over the empty E8 (a one-space relation),
# so F8 has near relations of both colours, only two black neighbours, a
# stone next to it (no vote) and stays 0.  Black plays two out from B, at
# F9, and Black to play proposes F9.  The low side gives nothing beside the
# contact (no stone of either colour on the strip's outer lines but G4, on
# the third line at A).
[group-contact-far-point-beyond-b]
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . O . . . . . . . . .
  . . . . X X O . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei1Utu:at G7 F7 A1 [F9]
# The value: four fifths of Black's evaluation after F9 plus White's after
# its hane F8 (G8 then has near relations to White's G7 and F8 alone, no
# black one: White's side, and firm with its empty neighbours on White's
# side too, so White's point is the hane and not G9).
call GunKankei1Utu:at G7 F7 F9 F9 G7 F8 [F9=r*4/5:18]


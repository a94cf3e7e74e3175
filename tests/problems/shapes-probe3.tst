# Shape links, a third set of rows for branches no other row decides, in
# the style of shapes-probe.tst and shapes-probe2.tst: each pins one test of
# a routine (a cell, a point choice, a bound) with a position whose answer
# is worked out by hand.  "call NAME:read A B ..." as in shapes-wide.tst.

# --- Adjacent stones of a group: the side toward the edge on line 2 --------
# Black's D3 against White's E3.  Below, D2 and E2 stand on line 2: a side
# whose points beside A and B are below line 3 is not read.  Above, D4 and
# E4 are empty on line 4, but Black's E6 stands around E5 (two out from
# E3), so that side is not read either.  The second look along the sides:
# below, the point one line out beside D3 (D2) is on line 2; above, no
# White stone stands at F4, E5 or F5, and no Black stone at C4, D5 or C5,
# so no point is tried.  Nothing is proposed.

[group-contact-edge-side-line-two]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D3 E3 [none]

[group-contact-edge-side-line-two-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D3 E3 [none]

# The same across the columns: Black's C5 above White's C4 on the C line.
# To the left B5 and B4 stand on line 2; to the right D5 and D4 are on
# line 4, but Black's F6 stands around E5 (two out from C5).  The second
# look: left, B5 is on line 2; right, no White stone at D3, E4 or E3 and
# no Black stone at D6, E5 or E6.  Nothing is proposed.

[group-contact-edge-side-line-two-column]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read C5 C4 [none]

# --- (2,2) shape of a group: the point between two stones beyond a corner ---
# Black's C3 (with C2 below it) and White's E5 in the (2,2) shape.  The
# corner E3: the box point between C3 and E3 is D3, and the point beyond
# E3 from D3 is F3, whose eight neighbours are empty; F3 is a two-space
# jump from C3 and a (1,3) from C2, one of each, and C2 and C3 touch: a
# Black stone at F3 would stand between two Black stones, so Black's point
# is F3, valued by Black's evaluation after F3, and White's point stays E3,
# valued by White's evaluation after E3.  The corner C5: beyond C5 from
# C4 is C6, a two-space jump from C3 but a (1,3) from no Black stone, and
# no capture point touches C5: both points C5.  Value the two evaluations
# summed, with no comparison.

[group-two-two-between-beyond]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call GunKankei5Utu:at C3 E5 F3 E3 C3 F3 [C5 F3=r:18]

[group-two-two-between-beyond-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call GunKankei5Utu:at C3 E5 E3 E3 C3 F3 [C5 E3=r:18]

# --- Adjacent stones of a group across the edge: A on line 2, B on line 3 ---
# Black's D2 below White's D3.  On either side the point beside A (C2,
# E2) is on line 2 while the point beside B (C3, E3) is on line 3: the
# side is not read, though the points two out (B2, B3 and F2, F3) are
# empty with no stone around them.  The second look along the sides: the
# point one line out beside D2 (C2 or E2) is on line 2 on both sides.
# Nothing is proposed.

[group-contact-across-edge-a-line-two]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 D3 [none]

[group-contact-across-edge-a-line-two-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 D3 [none]

# The same along a row: White's B5 (column B, line 2) beside Black's C5;
# above and below, B6 and B4 are on line 2, C6 and C4 on line 3.

[group-contact-across-edge-a-line-two-row]
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
call GunKankei1Utu:read B5 C5 [none]

# --- Knight's move contact: the hane behind the touched stone, the owner's
# answer beside the contact stone closed -------------------------------------
# As knight-contact-hane-behind, but White's contact stone E5 stands alone
# (F5 empty) and White's E3 sits under E4.  The push at D6 keeps three
# liberties (C6, D7, E6) and D5 is not laddered (it escapes at D4 or C5);
# after Black's block at E6 the pushing stone has two liberties, C6 and D7,
# and is laddered (Black's D7, White's C6 keeps only C5), while Black's
# try at F5 keeps three: the closing patterns run.  The hane: White's D4
# under D5 (three empty neighbours).  Black's answer E4 (beyond E5 from
# E6) has only two empty neighbours (White's E3 below it), so Black
# answers at D4 itself: Black's evaluation after D4 plus White's after D4.
# The contact reading (White's E6, Black's D6, White's F7 leave White's
# E5-E6 three liberties) adds Black's E6, named by its point.

[knight-contact-hane-behind-beside-closed]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . X . X . . . .
  . X . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D4 D4 D5 D4 [D4=r:5 E6]

# --- Two-space jump of a group, both stones on line 3 ---------------------
# Black's C3 and White's F3, a two-space jump along line 3 (gaps D3, E3).
# The side toward the edge is line 2: the point beside the gap next to C3
# is D2, beside C3 itself C2; beside the gap next to F3 is E2, beside F3
# F2.  The engine's colour records the prepared answer of its own hane
# under the other's stone: Black (A's colour) plays E2, answered at F2 by
# White's block, and then cuts at E3; White plays D2, answered at C2 by
# Black's block, and then cuts at D3.  "GunKankei6Utu:prep" answers the
# prepared answers alone.

[group-two-space-line-three-prepared]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei6Utu:prep C3 F3 [E2/F2/E3]

[group-two-space-line-three-prepared-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei6Utu:prep C3 F3 [D2/C2/D3]

# --- (2,3) link with no attacker in the box: stones beside both lines ------
# Black's D4-F7 (box D4 E4 F4 / D5 E5 F5 / D6 E6 F6 / D7 E7 F7; middle
# points E5 and E6).  White's C5 (beside D5, W1) and G5 (beside F5, W3):
# two outside stones, both beside the box, none beyond its short sides, so
# no side stone pairs with an end stone.  With two stones beside the box
# Black's defence starts at the middle point E5 and is replaced by E6 only
# when that is better; White's cut is the better of E5 and E6.  Value the
# two better readings summed.

[twothree-free-beside-both-lines]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . O . . . O . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read D4 F7 E5 F7 E6 D4 E5 F7 E6 [E5=r:5|E6=r:5]

# The same with White's C6 (beside D6, W2) and G5 (beside F5, W3).

[twothree-free-beside-both-lines-crossed]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . O . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read D4 F7 E5 F7 E6 D4 E5 F7 E6 [E5=r:5|E6=r:5]

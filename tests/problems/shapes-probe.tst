# Shape links, rows for branches that no other row decides: each pins one
# test of a routine (a cell, a bound, a liberty count) with a position whose
# answer is worked out by hand.  "call NAME:read A B ..." as in
# shapes-wide.tst; "KeimaOgeimaHokyo:prep" answers the move between two
# stones as "point:reason" and its prepared answer "own/reply/answer";
# "KeimaTuke:pass A B M..." reads M... for the attacker with A standing for
# a pass; "GunMe V" answers the eye value of the group at V.

# --- Extensions toward own stones: a large knight's move to the edge --------
# Black's lone J5 on the edge line; White's E4-F6 block fill every point
# that reaches J5 at a (1,4) shape (E6, E4), a three-space jump (E5), a
# two-space jump (F5) or a large knight's move (F6, F4), and White's H2 the
# last large knight's point but one; H9, H1, J9, J8, J2, J1 lie on the edge
# line, where no extension starts.  H8 alone extends to J5, and marks the
# middle points of its rectangle on both lines, H7 H6 and, on the edge
# line, J7 J6.

[extension-marks-large-knight-to-edge]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . . O O . . X
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
call Kankei6Think:marks [H6 H7 J6 J7]

# --- The move between two stones: the engine's stone on the edge line ----------
# White's J5 on the edge line, part of the living group J5-J1, E2-H2 with
# the eyes F1 and H1, reaches Black's G4 by a knight's move and Black's F6
# by a large knight's move (F5-H5 and G6-J6 empty between them); G4 and F6
# are a knight's move apart and all eight points around G4 are empty.  Of
# the middle points F5 and G5 of G4-F6, F5 is three from J5 along row 5
# (M1), so White plays G5 (M2).  N, beyond G4 from G5, is G3 (empty); the
# midpoint of G3 and J5 is H4, White's answer after Black's F5: prepared
# answer G5/F5/H4, candidate under reason 22.  No other White stone has
# both shapes toward G4 and F6.

[between-two-stones-from-the-edge]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . O
  . . . . . . X . O
  . . . . . . . . O
  . . . . O O O O O
  . . . . O . O . O
call KeimaOgeimaHokyo:prep [G5:22 G5/F5/H4]

# --- (2,3) link with no attacker in the box: one stone beside B's line ---------
# Black's D4-F7 (box D4 E4 F4 / D5 E5 F5 / D6 E6 F6 / D7 E7 F7; middle
# points E5 [4] and E6 [7]).  White's G5 is W3 (beyond F5 [5] from E5) and
# White's F3 is V1 (beyond F4 [2] from F5): two outside stones, one of them
# beside the box, and W3 with no stone past B's end (E8, D8).  White's cut
# is the better of E5 and E6; Black's defence starts at F5 ([5], under the
# stone at W3) and is replaced by E6 [7] only when that is better.  Value
# the two better readings summed.

[twothree-free-beside-b-line]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read D4 F7 E5 F7 E6 D4 F5 F7 E6 [F5=r:5|E6=r:5]

# --- Knight's-move second pass: the contact pattern with a dead end stone -----
# Black's D3 sits in White's area (C3, D2, E3 around it, only D4 left) and
# is dead; Black's E5 hangs from the living wall of row 7.  White's E3
# touches D3 (R1) of the knight's move D3-E5, the cutting points E4 and D4
# are empty.  The group at A (D3) is dead: nothing, although B's group and
# White's E3 live.

[knight-second-pass-contact-dead-end]
black to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . X . . . .
  . . . . X . . . .
  O O O . . O O O O
  . . O X O . . . .
  . . . O . . . . .
  . . . . . . . . .
status D3 [dead]
status E5 [alive]
call Kankei4Hokyo:read D3 E5 [none]

# --- Knight's-move contact: the push along the second line -------------------
# Black's C2-E3 inside White's living frame (row 5, columns A and J, the
# top of the board its area), with White's C3 touching C2 (T; three
# liberties, no ladder).  S = C2 with B2 (Y occupied) has three liberties
# (C1, B1, B3), more than two, so White pushes at M = D2 and Black blocks
# at N = D3; Black's stones have no eye space inside the frame, so the
# push is read.  M is on the second line, so it is valued by the edge
# reading: White's F = E2, Black's Q = F2.  Black's F2-G2 then has exactly
# three liberties (F3, G3, G1; White's F1 and H2 close the rest) and
# White's D2-E2 two (D1, E1), caught by a ladder: E1 is a dead end for
# White (F1 beside it), so Black's first ladder move is D1, and Black plays
# it before the value is read: White's D2, Black's D3, White's E2, Black's
# F2, White passes, Black's D1, for White.  The pushing stone D2 belongs
# through C3 (a one-space jump from A3) to White's living frame, so the
# value is not cut.  D3 has the empty neighbour D4, the point two lines
# outside D2 is off the board, and D2 alone after Black's D3 is caught
# (Black's E2, White's D1, Black's C1 ...): Black's point is N = D3,
# White's the push D2.

[knight-contact-push-second-line-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  O . . . . . . . O
  O . O . X . . . O
  O X X . . . X O O
  O . . . . O . . O
call KeimaTuke:pass C2 E3 D2 D3 E2 F2 C2 D1 [D3=r]

[knight-contact-push-second-line-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  O . . . . . . . O
  O . O . X . . . O
  O X X . . . X O O
  O . . . . O . . O
call KeimaTuke:pass C2 E3 D2 D3 E2 F2 C2 D1 [D2=r]

# --- Knight's-move second pass: the far stone's group with one eye and a half ---
# White's knight's move G2-F4 (box G2 F2 / G3 F3 / G4 F4; F2 the side point
# beside G2, White's own), Black's E2 on the far line beyond F2 (D1); the
# cutting points G3 and F3 and the outside points H3 and E3 are empty.
# E2 belongs to Black's A2-E2, A1, E1 round the straight three B1-C1-D1,
# shut in by White's A3-D3, F2, F1 and E4: one vital point C1, on which
# White may play, makes the eye value 3 ("GunMe" shows the analysis
# agrees).  Three is enough for the far pattern (below 3 stops it); White's
# G2 lives with the top of the board.  P1 is F3 (next to the far stone's
# side), P2 G3; beyond B's line at B's step is White's E4, so the single
# reading: Black's F3 and White's G3 for Black, White's own F3 for White,
# summed; for Black as the engine one and a half times the sum (twice when
# it is 2 or less).

[knight-second-pass-far-stone-eye-and-a-half]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  O O O O . . . . .
  X X X X X O O . .
  X . . . X O . . .
call GunMe E2 [3]
call Kankei4Hokyo:read G2 F4 F3 G3 G2 F3 [F3=r:21]

[knight-second-pass-far-stone-eye-and-a-half-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  O O O O . . . . .
  X X X X X O O . .
  X . . . X O . . .
call GunMe E2 [3]
call Kankei4Hokyo:read G2 F4 F3 G3 G2 F3 [F3=r*3/2:21|F3=r*2:21]

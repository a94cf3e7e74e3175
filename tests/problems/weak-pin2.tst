# Weak groups: rows that pin single cells of the extension filter and the
# bonuses of the extensions and of the double-move pass, the answers worked
# out by hand from the routines' rules.
#
#   call WeakGunHirogeru:probe V P...   (as in generators-probe.tst) the
#       extensions of the weak group at V, added under reason 13, read at
#       the points P... alone: "P=value" ("P=none" when nothing was added)
#   call WeakGunHirogeru:bonus:pin2 V P...   the same, each point as "P/b"
#       with the bonus b of its candidate ("P=none" without one)
#   call KohoDoubleScan:bonus:pin2 P Q R...   links of the side to move worth 2
#       at P, Q, R... and the double-move pass over them: each point as "P/b"
#       with the bonus b of its candidate

# --- The knight's-move extension: the diagonal strip -----------------------------
# White's lone C3 between Black's B3 and C2 (liberties C4, D3), Black to
# play: White's group is the opponent's.  Its knight's move to E4: the
# rectangle C3-E4 has the middle points D3 and D4, the diagonal strip beside
# it the middle cells D2 (on C3's side) and D5 (on E4's side).  E4 is on
# line 4 (not line 1) and has four empty neighbours; C3's chain has two
# liberties.  Any Black stone on D2 or D5 stops the extension.

[hirogeru-knight-extension-with-the-strip-clear]
# D2 and D5 empty, D3 and D4 empty and no White atari there: the extension
# E4 is proposed, at the fixed value 25 for the opponent's group.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe C3 E4 [E4=25]

[hirogeru-knight-extension-blocked-on-the-near-strip-cell]
# Black's D2 joins C2 (the chain C2-D2 keeps five liberties, White has no
# atari anywhere): the strip cell on C3's side holds a Black stone, so E4
# is not proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X X . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe C3 E4 [E4=none]

[hirogeru-knight-extension-blocked-on-the-far-strip-cell]
# Black's D5 (four liberties, not next to E4): the strip cell on E4's side
# holds a Black stone, so E4 is not proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe C3 E4 [E4=none]

# --- The extensions of our own group carry no bonus ------------------------------

[hirogeru-own-group-extensions-without-bonus]
# The same White C3 with White to play: the group is ours, and each of its
# extensions goes in with its value and bonus 0 (the opponent's would carry
# a bonus of a third of the reading).  The jump E3 along line 3: of the
# points beside C3 across the jump only C2 is Black, D2 and D4 beside the gap
# are empty; the jump up to C5: only B3 is Black beside C3, B4 and D4 beside
# the gap are empty; E3 and C5 have four empty neighbours.  Both readings
# gain the open side, so both are added.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:bonus:pin2 C3 C5 E3 [C5/0 E3/0]

# --- The double-move pass over links: no bonus -----------------------------------
# Black to play, Black's A2 and B1 in the corner; Black's links worth 2 at
# E5 (the open centre), J9 and J1 (empty first-line corners).  Black's
# double move with E5 is worth well over 25, J9 with J1 nowhere near.

[double-links-two-hits-raise-the-centre-without-bonus]
# E5 with J9 and E5 with J1 are hits: E5 has the most (two) and is raised
# to its best double move, with bonus 0; J9 and J1 keep their links, bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . X . . . . . . .
call KohoDoubleScan:bonus:pin2 E5 J9 J1 [E5/0 J1/0 J9/0]

[double-links-one-hit-raises-both-without-bonus]
# E5 with J9 alone is the one hit: for our links both points take a quarter
# of the double move (above 2 since it is above 25), bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . X . . . . . . .
call KohoDoubleScan:bonus:pin2 E5 J9 [E5/0 J9/0]

# --- The lone group's steps end with the extensions --------------------------------
#   call WeakGunSingle:probe:pin2 V P...   the steps of the lone weak group at
#       V, read at the points P... alone: "P=value" ("P=none")

[single-steps-end-with-the-extensions]
# White's lone E5 on an empty board, Black to play: the group is the
# opponent's, one stone with death level 0 (not given up).  No pending pairs
# (steps 1, 2 and 5), E5 is on line 5 (no two-space extension along line 3),
# no enemy stone for the relation patterns and no other White group to jump
# toward (step 4): only the last step, the extensions, adds.  The one-space
# jump E7 (strip clear, four empty neighbours) and the knight's move D7 (on
# line 7; the rectangle's middle points E6 and D6 empty, no White atari; the
# diagonal strip's middle cells F6 and C6 empty) go in at the fixed value
# 25; so does the rectangle point D6, which has no White neighbour (E6 has:
# E5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunSingle:probe:pin2 E5 E7 D7 D6 E6 [D6=25 D7=25 E6=none E7=25]

[single-steps-give-up-a-lone-stone-near-death]
# White's lone C3 touched by Black's B3 and C2 (two liberties left): a lone
# stone with death level 60, above 55, is given up: no step runs and none of
# its extensions E4, E3, C5 (each proposed by the extension routine itself,
# see the knight's-move rows above) is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call WeakGunSingle:probe:pin2 C3 E4 E3 C5 [C5=none E3=none E4=none]

# --- The one-space jump: the strip cells -----------------------------------------
# White's lone E5, Black to play: the group is the opponent's.  Its jump up
# to E7: the strip beside it holds D5 and F5 (beside E5), D6 and F6 (beside
# the gap E6), D7 and F7 (beside E7).  A Black stone beside the gap, or Black
# stones on both sides of E5, stop the jump; one Black stone beside E5 does
# not.

[hirogeru-jump-blocked-beside-the-gap-on-the-left]
# Black's D6 beside the gap: E7 is not proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe E5 E7 [E7=none]

[hirogeru-jump-blocked-beside-the-gap-on-the-right]
# Black's F6 beside the gap: E7 is not proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe E5 E7 [E7=none]

[hirogeru-jump-blocked-by-stones-on-both-sides-of-the-stone]
# Black's D5 and F5 on both sides of E5 (E5 keeps E6 and E4): E7 is not
# proposed, nor the jump down to E3 (the same two cells on that side).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe E5 E7 E3 [E3=none E7=none]

[hirogeru-jump-with-one-stone-beside-the-stone]
# Black's D5 alone beside E5: the jumps E7 and E3 are proposed at the fixed
# value 25.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe E5 E7 E3 [E3=25 E7=25]

# --- The knight's move from a first-line stone -------------------------------------

[hirogeru-knight-extension-from-the-first-line]
# White's lone E1 on the edge (three liberties), Black to play: its knight's
# moves up to D3 and F3 lie on line 3; their rectangles' middle points
# (E2, D2 and E2, F2) and diagonal strips (F2, C2 and D2, G2) are empty, and
# D3 and F3 have four empty neighbours: both go in at the fixed value 25.
# Only the point's line is checked, not the stone's.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
call WeakGunHirogeru:probe E1 D3 F3 [D3=25 F3=25]

# --- The two-space extension along line 3: the strip cells ---------------------------
# White's lone C3 on line 3, Black to play: its two-space extension F3 along
# line 3 (F3 on line 3 too; C3 has four liberties).  The strip from C3 to F3
# holds D4 and D2 beside the first gap point, E4 and E2 beside the second.

[hirogeru-two-space-extension-with-the-strip-clear]
# The strip empty, F3 with four empty neighbours: F3 goes in at the fixed
# value 25.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe C3 F3 [F3=25]

[hirogeru-two-space-extension-blocked-beside-the-first-gap]
# Black's D4 beside the first gap point D3: F3 is not proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe C3 F3 [F3=none]

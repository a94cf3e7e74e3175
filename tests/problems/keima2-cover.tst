# Knight's moves, the wedge: rows for branches of the answer to the wedge
# that keima-cover.tst leaves open, worked out by hand from the shape.
# Commands as in keima-cover.tst ("KeimaRenraku:read A B M... A N...": the
# attacker's reading M... plus, after A, the owner's N...).  Every pattern
# is also called with the pair named the other way round (B A).
#
# Wedge frame (Black's D5-E7, White's wedge W = D6): G = E6 the cut,
# H1 = E5, Nn = D5, Dd = E7, H2 = D7, E_G = F6, E_D = F7, E_H = F5,
# V = E4 beyond H1, Y1 = E8 beyond Dd.

# --- The owner's answer: the hane at H1 when the block at G is laddered -----------

[wari-owner-hane-laddered-block]
# White's C5 leaves Black's D5 a single stone with two liberties (D4, E5).
# Black's block at E6 joins E7, whose other liberties D7 and E8 White holds:
# White's E5 (two liberties, E4 and F5, no self-atari) leaves E6-E7 with F6
# and F7, and White's F6 captures it (F7 has no liberty of its own beside
# White's G7 and F8).  So Black answers the cut at E5 instead.  White's
# D4 first takes nothing (D5-E5-E6-E7 keeps four liberties).  White's point
# stays the cut at E6: E5's atari on D5 is no hane since Black holds no
# stone at E4.  F7 has one empty neighbour, so White's E6 counts alone.
# Value White's E6 plus Black's E5 (not above 15: nothing more).
black to play
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . O . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E5 [E5=r:5]
call KeimaRenraku:read E7 D5 E6 E7 E5 [E5=r:5]

[wari-owner-hane-laddered-block-white]
white to play
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . O . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E5 [E6=r:5]
call KeimaRenraku:read E7 D5 E6 E7 E5 [E6=r:5]

# --- The owner's stone at E_H: a two-liberty chain diagonal to Dd in a ladder -------
# "KeimaRenraku:pass A B M..." (tests/engine/shapes/KeimaWariCoverRoutines.cpp):
# every candidate against the attacker's reading M..., A standing for the
# owner's pass.

[wari-hane-te-diagonal-ladder]
# White's wedge D6-D7 (three liberties), Black's F5 at E_H, F6 (E_G) empty.
# Black's D8, diagonal to E7, is a chain of its own with two liberties (C8,
# D9; White's D7 and E8).  After White's cut at E6 and Black's block at F6
# the ladder takes D8 along the top edge (C8, D9, E9 ...): White plays its
# first two points, C8 and D9, and captures it.  That capture is worth more
# than the hane exchange at E6, so the cut E6 carries White's evaluation
# after E6, F6, C8 and D9, for either side to move (the owner's hane answer
# is E6 as well).
white to play
  . . . . . . . . .
  . . . X O . . . .
  . . . O X . . . .
  . . . O . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:pass D5 E7 E6 F6 C8 D5 D9 [E6=r:5]
call KeimaRenraku:pass E7 D5 E6 F6 C8 E7 D9 [E6=r:5]
ladder D8 [1 C8]

[wari-hane-te-diagonal-ladder-black]
black to play
  . . . . . . . . .
  . . . X O . . . .
  . . . O X . . . .
  . . . O . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:pass D5 E7 E6 F6 C8 D5 D9 [E6=r:5]
call KeimaRenraku:pass E7 D5 E6 F6 C8 E7 D9 [E6=r:5]

[wari-hane-te-diagonal-ladder-half-turn]
# The same shape turned half round on Black's D3-E5 (wedge E4-E3, cut D4,
# E_G = C4, E_H = C5): Black's E2 diagonal to D3 with F2 and E1 is taken
# along the bottom edge from F2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . X O . . . .
  . . . O X . . . .
  . . . . . . . . .
call KeimaRenraku:pass D3 E5 D4 C4 F2 D3 E1 [D4=r:5]
call KeimaRenraku:pass E5 D3 D4 C4 F2 E5 E1 [D4=r:5]
ladder E2 [1 F2]

[wari-owner-hane-ladder-beside-l]
# White's C5 leaves Black's D5 a single stone with two liberties; L = D4 is
# the one other than E5.  After Black's block at E6 White's D4 keeps two
# liberties (E4, D3), and Black's E5 leaves Black's C4 beside it with two
# (B4, C3) that the ladder takes from C3 (White's B5 and B3; the premise
# below): so Black answers the cut at E5 instead of E6.  White's point is
# the cut at E6 (no Black stone at E4 for the hane), and E7 keeps four
# liberties, so White's E6 counts alone.  Value White's E6 plus Black's E5;
# the sum is above 15, so 6 more.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . O O X . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E5 [E5=r+6:5]
call KeimaRenraku:read E7 D5 E6 E7 E5 [E5=r+6:5]

[wari-owner-hane-ladder-beside-l-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . O O X . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E5 [E6=r+6:5]
call KeimaRenraku:read E7 D5 E6 E7 E5 [E6=r+6:5]

[wari-owner-hane-ladder-beside-l-premise]
# Premise: after Black's E6, White's D4 and Black's E5 the ladder takes C4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . O O X X . . . .
  . . X O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C4 [1 C3]

[wari-owner-block-hane-in-atari]
# The shape of wari-owner-hane-laddered-block with Black's E4 at V: after
# Black's block at E6 White's E5 has F5 alone: E6-E7 is no ladder (Black
# takes E5 at F5), and Black's point stays the block at E6.  White's E5 there is
# caught at once, so Black's E6 counts alone.  White's point is the hane
# at E5 (no self-atari, it ataris D5; D4 empty, C5 White's, D3 not, Black's
# E4 at V), and F7 has one empty neighbour, so White's E5 counts alone.
# Value White's E5 plus Black's E6 (not above 15: nothing more).
black to play
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . O . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E5 D5 E6 [E6=r:5]
call KeimaRenraku:read E7 D5 E5 E7 E6 [E6=r:5]

# --- The block at G that leaves the wedge in atari, the owner to play ----------------
# "KeimaRenraku:halfway A B P L" (tests/engine/shapes/KeimaWariCoverRoutines.cpp):
# every candidate against the owner's P answered by the attacker's L, raised
# halfway toward the owner's P and L both, plus the attacker's P alone.

[wari-main-wedge-atari]
# The shape of keima-cover.tst's wari-main-wedge-atari-white with Black to
# play: Black's block at E6 leaves the wedge D6 in atari at C6.  White's
# extension there gives Black's value, and Black, to play, may capture at C6
# instead: the value goes halfway toward Black's E6 and C6 both.  White's
# E6 alone is added; the point is Black's block E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:halfway D5 E7 E6 C6 [E6=r:5]
call KeimaRenraku:halfway E7 D5 E6 C6 [E6=r:5]

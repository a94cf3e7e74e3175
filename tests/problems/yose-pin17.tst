# The endgame's one-stone point beside its own dead stone on the left, the
# border value of a point the opponent may not enter, the follow-up threat
# that a move leaves behind, the one-stone hane at the chain's first
# liberty, the stone scan's colour of the one stone and the ladder trap's
# answer.
#
#   call YoseOneStone V [L M]   (as in generators-more.tst) the point V
#       beside a single stone: A = J's evaluation after J at V, B = O's
#       after O at V; with the follow-up L M (J's hane at L after V, O's
#       answer at M) f = J's evaluation after J at V and L and O at M, else
#       f = 0; r = A + B, or min(2r, f) when r is below f: "V=r/b mark",
#       "none" when nothing is stored
#   call YoseBorderValue:eyes P   (as in yose-bounds.tst) the largest eye
#       value among the engine's groups next to P, "eyes=N", then the
#       candidates the border reading left ("P=value", "none")
#   call GunMe V   the eye value of the group at V as the analysis gives it
#   call YoseFollowUp P [L]   the side to move (J) plays P; the follow-up
#       of the stone at P: "Q=D4" the point it threatens ("Q=none"), then
#       "f=r", r = half J's evaluation after J at P and again at L (O
#       passing), 0 without L

# --- The one-stone point: its own dead stone on the left -----------------------

[endgame-one-stone-right-of-its-own-dead-stone]
# endgame-one-stone-beside-its-own-dead-stone (generators-cover.tst) turned
# left to right: E5 touches one stone, Black's D5 on its left, shut in by
# White's D6, C5 and D4 with E5 its last liberty: dead in the analysis.
# White's D6 and D4 diagonal to E5 belong to White's living wall on the B
# and D lines, but the one stone that E5 touches is dead: a dead stone is
# captured, not bargained with.  Nothing stored, no mark.
white to play
  . O . O . . . X X
  . O . O . . . X .
  . O O O . . . X .
  . O . O . . . X .
  . O O X . . . X .
  . O . O . . . X .
  . O O O . . . X .
  . O . O . . . X .
  . O . O . . . X X
status D5 [dead]
status D6 [alive]
call YoseOneStone E5 [none]

# --- The border value where the opponent may not play ---------------------------

[endgame-border-value-of-an-own-eye]
# Black's wall on line 4 with G3, J3, G2, H2 and J2 below it encloses H3:
# an eye of Black's living group (eye value 8, far above 4), whose area
# A1-F3 and G1-J1 lies below.  White's wall on line 5 is far from H3: no
# dying White stone touches it.  The border reading at H3: Black may fill
# it (the wall keeps many liberties, no self-atari), and no White stone is
# diagonal to H3, so there is no hane point; Black's evaluation does not
# rise by filling its own eye, so Black's gain counts 0.  White may not
# play H3 at all (no liberty there, nothing captured): White's gain is 0,
# not read.  value = 0 + 0: stored as (0, 0).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  X X X X X X X X X
  . . . . . . X . X
  . . . . . . X X X
  . . . . . . . . .
call GunMe H4 [8]
call YoseBorderValue:eyes H3 [eyes=8 H3=0]

# --- The follow-up threat of a move ---------------------------------------------

[endgame-follow-up-of-an-atari]
# White's lone E5 between Black's D5 and F5 keeps E6 and E4.  Black's E4
# leaves it in atari: the threat is the capture at its last liberty E6,
# worth half Black's evaluation after E4 and E6.  Black's E6 the same way
# threatens E4.  Black's C3 touches no White chain: no threat, 0.
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
call YoseFollowUp E4 E6 [Q=E6 f=r]
call YoseFollowUp E6 E4 [Q=E4 f=r]
call YoseFollowUp C3 [Q=none f=r]

# --- The one-stone hane at the chain's first liberty -----------------------------

[endgame-one-stone-hane-above-the-stone]
# endgame-one-stone-with-a-hane-to-follow (generators-more.tst) turned
# upside down: E5 touches one stone, White's F5; Black's D4 on the living
# C wall is diagonal to it, and F5 is alive too (linked to White's wall on
# the H line through F3).  Black's E5 leaves F5 two liberties, F6 and F4,
# both diagonal to E5: F6 has three empty neighbours (E6, G6, F7), F4 one
# (E4; F3 and G4 are White's).  Black's hane is F6, above the stone, and
# White answers at F4.  f = Black's evaluation after E5, F6 and White's F4;
# r = A + B, doubled up to f when below it.
black to play
  . . X . . . . O .
  . . X . . . . O .
  . . X . . . . O .
  . . X . . . . O .
  . . X . . O X O .
  . . X X . . O O .
  . . X . . O O O .
  . . X . . . . O .
  . . X . . . . O .
status F5 [alive]
status D4 [alive]
call YoseOneStone E5 F6 F4 [E5=r/b mark]

# --- The scan of the points beside one stone: the stone's colour -----------------
#   call YoseStoneThink:at V...   (life-yose-pin4.tst) the scan of the points
#       beside one or two stones alone: each V as "V" with a candidate
#       there, "V=none" without, ":mark" when marked dealt with
#   call GunMe:after V P   (as in life-pin17.tst) the owner of the group at V
#       plays P: the eye value of the group at P then

[endgame-stone-scan-takes-the-colour-of-the-one-stone]
# The position of endgame-one-stone-two-stones-on-the-edge
# (generators-branches.tst): Black's lone E2 beside White's lone D2 on the
# second line, Black to play.  E1 touches one stone, Black's E2: it is read
# with Black as the stone's colour, so it wants a White stone on a
# diagonal, and White's D2 is there, alive.  Black's E1 joins E2 (eye value
# 4): a candidate, and E1 is marked.  D1 touches one stone, White's D2: it
# is read with White as the stone's colour and wants a Black stone on a
# diagonal: Black's E2.  Black's D1 joins E2 by the diagonal (eye value 6):
# a candidate, marked.  F2 touches only Black's E2 and has no White stone
# on a diagonal: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call GunMe:after E2 E1 [4]
call GunMe:after E2 D1 [6]
call YoseStoneThink:at D1 E1 F2 [D1:mark E1:mark F2=none]

# --- The ladder trap answers 1 ---------------------------------------------------
#   call YoseSichoTrap P   (GenCoverRoutines.cpp) the side to move plays P,
#       then the trap test of its stone: its answer as a number (1 a trap,
#       0 none), then the candidates it left ("P=0/1", "none")

[endgame-ladder-trap-answers-one]
# The position of endgame-ladder-trap-of-a-two-liberty-stone
# (generators-cover.tst): Black's E5 between White's D5 and E6, with White's
# D4 below D5, keeps F5 and E4.  White's F5 leaves E5 in atari; Black's
# escape at E4 gives E5-E4 the two liberties F4 and E3, and the ladder
# catches it on the open board: a trap.  The test answers 1 and, Black
# being the side to move, leaves E5 at (0, 1).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap E5 [1 E5=0/1]

[endgame-ladder-trap-answers-zero]
# The same without White's D4: Black's escape at E4 after White's F5 gives
# E5-E4 the three liberties D4, E3 and F4, no ladder; White's E4 instead is
# answered at F5 with three liberties.  No trap: the test answers 0 and
# leaves no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap E5 [0 none]

# The endgame's values at the edges of their rules: a follow-up worth exactly
# twice the gain (not sente: sente wants twice the gain BELOW the follow-up),
# the smallest follow-up that lifts a reverse sente of no gain to 2, and a
# one-stone point whose joined group has eye value 3, one short of the bar.
# Each row also answers the bounds its position stands on, so that a change
# of the evaluation that moves the position off its edge fails the row.
#
#   call YoseValue:own-ladder P Q S      J's move at P (J the side to move,
#       O the other) leaves a chain of O's with two liberties that the
#       ladder catches, Q and S the ladder's first two moves; O's move at P
#       threatens nothing
#   call YoseValue:their-ladder P Q S    the same for O's move at P; J's
#       threatens nothing
#   call YoseValue:both-ladders P Q S Q2 S2   both threaten, J's ladder Q S,
#       O's Q2 S2
#       A = J's evaluation after J at P (and O's answer at Q when J's move
#       threatens); f1 = J's evaluation after J at P, Q and S, halved (0
#       without a threat); B and f2 the same for O, J answering.  J's move
#       is sente when 2A < f1, O's when 2B < f2.  r = A + B, bonus b = 0;
#       both sente: r = f1; only J's: r = min(2r, f1), b = 5; only O's:
#       r = 2r when that is below f2, then 2 when it is 0 and f2 >= 2.
#       25 or more is proposed as 0 with bonus 9.  "P=r/b", then the bounds:
#       "J:g<0|g=0|g>0" (A against 0), "J:2g<f|2g=f|2g>f" (the sente test;
#       "J:-" without a threat), the same with "O:" for B, "sum<0|=0|>0"
#       (A + B), and with O's threat "O:f<2|f=2|f>2" (f2 against the
#       floor of the reverse sente)
#   call YoseOneStone:eyes V   the point V beside one stone: "eyes=N", the
#       eye value of the engine's group at V after its move there, then the
#       candidates the routine left ("V=value", "none" without one); the
#       routine reads only when that group has eye value 4 or more

# --- The one-stone point: eye value 3 is still below the bar ----------------

[endgame-one-stone-crawl-beside-two-stones-eye-value-3]
# White's C2-D2 on the second line under Black's E2-E3.  E1 touches one
# stone (Black's E2), and White's D2 is diagonal to it and alive.  White's
# E1 joins C2-D2 by the diagonal and crawls under Black's wall: with C2 the
# joined group has eye value 3 (one stone alone at D2 leaves 2, see
# endgame-one-stone-crawl-under-a-wall), one eye short of two, so the point
# is not read: nothing is stored and the point is not marked.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . . . . . . . .
call YoseOneStone:eyes E1 [eyes=3 none]

[endgame-one-stone-crawl-beside-two-stones-eye-value-3-black]
# The same with the colours swapped: Black's E1 joins C2-D2 under White's
# E2-E3; eye value 3, nothing is read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X X O . . . .
  . . . . . . . . .
call YoseOneStone:eyes E1 [eyes=3 none]

# --- Our move's follow-up exactly twice its gain: gote -----------------------

[endgame-ladder-follow-up-exactly-twice-the-gain]
# Black's J5 on the edge beside White's H5 (under Black's H6-G6): H5 keeps
# G5 and H4, and the ladder catches it: Black's H4 ataris, and Black's G5
# at its last liberty takes it (Q = H4, S = G5).  White answers the threat
# at H4, reaching its G3-H3.  Black's gain after that answer, A, is exactly
# half the follow-up f1: 2A = f1 is not below f1, so Black's move is gote.
# White's J5 threatens nothing.  r = A + B, bonus 0 (with "2A <= f1" it
# would be sente: min(2r, f1) with bonus 5).  The stones away from H5 (E7,
# F4-G4, the white ones at the bottom left) shape the evaluation so that
# the two sides of the test meet.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X X .
  . . . . . . . O .
  . . . . . X X . .
  . . . . . . O O .
  . . O . O . . . .
  . . . O . . . . .
call YoseValue:own-ladder J5 H4 G5 [J5=r/b J:g>0 J:2g=f O:g=0 O:- sum>0]

[endgame-ladder-follow-up-exactly-twice-the-gain-white]
# White's B3 beside Black's A3 on the edge (White's B2 below): A3 keeps A4
# and A2, and the ladder catches it: White's A4 from above, then White's A2
# takes it (Q = A4, S = A2).  Black answers at A4.  White's gain after the
# answer is exactly half the follow-up: gote.  Black's B3 (joining A3)
# threatens nothing.  r = A + B, bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . X . . O . O . .
  . . . . . . . . .
  X . O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call YoseValue:own-ladder B3 A4 A2 [B3=r/b J:g>0 J:2g=f O:g>0 O:- sum>0]

# --- The opponent's follow-up exactly twice its gain: gote -------------------

[endgame-their-ladder-follow-up-exactly-twice-the-gain]
# White's E2 joins its D2 and F2 on the second line and threatens nothing;
# on its own point it loses a little (A below 0).  Black's E2 cuts them:
# White's F2, under Black's F3, keeps G2 and F1 and the ladder catches it
# (Black's G2, then F1 takes it: Q = G2, S = F1).  White answers at G2.
# Black's gain after the answer, B, is exactly half the follow-up f2:
# 2B = f2, so Black's move is gote and r = A + B, bonus 0.  (With
# "2B <= f2" the value would double, 2 (A + B) being below f2 = 2B as
# A < 0.)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  O O . . . . X . .
  . . . . . . . . .
  . . O . X . . . O
  O . . . . X . . .
  . . . O . O . X .
  . . . . . . . . .
call YoseValue:their-ladder E2 G2 F1 [E2=r/b J:g<0 J:- O:g>0 O:2g=f sum>0 O:f>2]

[endgame-both-ladders-theirs-exactly-twice-the-gain]
# F5 between Black's E5 and White's F4.  Black's F5 leaves F4 (Black's F3
# below) with G4 and E4; the ladder catches it (Black's G4, then E4 takes
# it, cutting into White's D-E group: Q = G4, S = E4), and White's answer
# at G4 leaves Black a gain far below half that capture: Black's move is
# sente.  White's F5 leaves Black's E5 (between White's D5 and F5) with E6
# and E4; the ladder catches it (White's E6, then E4: Q2 = E6, S2 = E4),
# and after Black's answer at E6 White's gain is exactly half the follow-up:
# White's move is gote.  Only Black's sente: r = min(2 (A + B), f1), bonus
# 5.  (With "2B <= f2" both would be sente: r = f1, proposed as 0 with
# bonus 9.)
black to play
  . . . . . . . . .
  . . X . . . . X .
  . . . . . X . . .
  . . . X . . . . .
  . . . O X . . O .
  . . X O . O . . .
  . . X O O X . . .
  . . . X . . . . .
  . . . . . . . . .
call YoseValue:both-ladders F5 G4 E4 E6 E4 [F5=r/b J:g>0 J:2g<f O:g>0 O:2g=f sum>0 O:f>2]

# --- The reverse sente of no gain with a follow-up of exactly 2 --------------

[endgame-reverse-sente-follow-up-of-two]
# White's F3 joins its F4, E3 and F2 and threatens nothing (Black's G1-G4
# chain has many liberties).  Black's F3 leaves White's F2 (beside Black's
# G2) with E2 and F1, and the ladder catches it (Black's E2, then F1 takes
# it: Q = E2, S = F1); White's F4 keeps two liberties too but escapes.
# White answers at E2.  Both gains are 0 (A + B = 0) and the capture is
# small: f2 = 2.  2B = 0 < f2: Black's move is sente.  r = 2 (A + B) = 0
# is below f2 and stays 0, then becomes 2 as f2 >= 2; bonus 0.  (With a
# floor of 3 it would stay 0.)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . O X . .
  . . . . O . X . .
  . . . O . O X . .
  . . . . X . X . .
call YoseValue:their-ladder F3 E2 F1 [F3=r/b J:g=0 J:- O:g=0 O:2g<f sum=0 O:f=2]

[endgame-reverse-sente-follow-up-of-two-black]
# Black's G5, beside its F5, under White's G6 and beside White's H5,
# threatens nothing.  White's G5 leaves Black's F5 (under White's F6) with
# F4 and E5, and the ladder catches it (White's F4, then E5 takes it:
# Q = F4, S = E5).  Black answers at F4.  Both gains are 0 and f2 = 2:
# White's move is sente, r = 0 doubled is 0, then 2; bonus 0.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . O O . .
  . X . O . X . O .
  . . X . . . . . .
  . . . X . X . . .
  . . . . . . . X .
  . . . . . . . . .
call YoseValue:their-ladder G5 F4 E5 [G5=r/b J:g=0 J:- O:g=0 O:2g<f sum=0 O:f=2]

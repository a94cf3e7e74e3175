# The endgame's values at the edges of their rules: a follow-up worth exactly
# twice the gain (not sente: sente wants twice the gain BELOW the follow-up),
# the smallest follow-up that lifts a reverse sente of no gain to 2, a
# one-stone point whose joined group has eye value 3, one short of the bar;
# then the reverse-sente doubling, the cap of 25, the dame checks, the
# open-area bonus, the border point's floors, atari bonus and store rule,
# the two-stone points, the false-eye fallback, the dame scan's filter and
# a stone the ladder catches.
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
#       (A + B), with O's threat "O:f<2|f=2|f>2" (f2 against the floor
#       of the reverse sente) and "O:2sum<f|2sum=f|2sum>f" (2 (A + B)
#       against f2), and "cap-1" or "cap" for a value of 24 or 25 before
#       the cap.  The dame checks and the diagonal-area bonus of a value of
#       0 are added by hand: "r+2", "b+3"
#   call YoseValue:no-threat P           neither move threatens anything
#   call YoseValue:eyes P   "eyes=N", the smallest eye value of the groups
#       next to P, then the candidates YoseValue left ("none" without one):
#       only points between groups of eye value 4 or more are valued
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
call YoseValue:their-ladder E2 G2 F1 [E2=r/b J:g<0 J:- O:g>0 O:2g=f sum>0 O:f>2 O:2sum<f]

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
call YoseValue:both-ladders F5 G4 E4 E6 E4 [F5=r/b J:g>0 J:2g<f O:g>0 O:2g=f sum>0 O:f>2 O:2sum>f]

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
call YoseValue:their-ladder F3 E2 F1 [F3=r/b J:g=0 J:- O:g=0 O:2g<f sum=0 O:f=2 O:2sum<f]

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
call YoseValue:their-ladder G5 F4 E5 [G5=r/b J:g=0 J:- O:g=0 O:2g<f sum=0 O:f=2 O:2sum<f]

# --- The reverse sente: doubling only while twice the sum is below f2 -------

[endgame-reverse-sente-twice-the-sum-equals-the-follow-up]
# White's A8 beside its B8-B9-C9 threatens nothing.  Black's A8 leaves that
# chain (under Black's C8 and B7) with A9 and D9, and the ladder catches it:
# Black's D9, then A9 takes it (Q = D9, S = A9).  White answers at D9.
# 2B < f2: Black's move is sente.  The sum A + B is exactly half of f2, so
# 2 (A + B) is not below f2 and the value stays A + B, bonus 0.  (With
# "2 (A + B) <= f2" it would double.)
white to play
  . O O . . . . . .
  . O X . O . . . .
  . X . . . O . . .
  . . X . . . O . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . X . . O .
  . . . . . . . X .
  . . . . . . . . .
call YoseValue:their-ladder A8 D9 A9 [A8=r/b J:g>0 J:- O:g>0 O:2g<f sum>0 O:f>2 O:2sum=f]

[endgame-reverse-sente-twice-the-sum-equals-the-follow-up-on-the-edge]
# White's J6 under its J7 threatens nothing.  Black's J6 leaves J7 on the
# edge with H7 and J8; the ladder catches it (Black's H7, then J8 takes it:
# Q = H7, S = J8).  White answers at H7.  Black's move is sente, and twice
# the sum equals f2: the value stays A + B, bonus 0.
white to play
  . . . . . X . . .
  . . X . . . . . .
  . X . . . O . . O
  . . . X . . O . .
  . . . O O . . . .
  . X O . . O . X .
  . . . O . X X . .
  . . O . . . . . .
  . . . . X . . . .
call YoseValue:their-ladder J6 H7 J8 [J6=r/b J:g>0 J:- O:g>0 O:2g<f sum>0 O:f>2 O:2sum=f]

[endgame-reverse-sente-doubled]
# Black's F4 beside its G4-H4 threatens nothing.  White's F4 leaves G4-H4
# (hemmed by White's H5, J4 and H3) with G5 and G3; the ladder catches it
# (White's G3, then G5 takes it: Q = G3, S = G5).  Black answers at G3.
# White's move is sente and 2 (A + B) is below f2: the value doubles,
# 2 (A + B), bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . X X O
  . . . . . . . O .
  . . . . . X . O .
  . . . . . . . X .
call YoseValue:their-ladder F4 G3 G5 [F4=r/b J:g>0 J:- O:g>0 O:2g<f sum>0 O:f>2 O:2sum<f]

[endgame-reverse-sente-doubled-to-one-below-the-cap]
# White's G5 between its G6 and H5 threatens nothing.  Black's G5 leaves
# H5 (over Black's H4) with H6 and J5; the ladder catches it (Black's H6,
# then J5 takes it: Q = H6, S = J5).  White answers at H6.  Black's move
# is sente and 2 (A + B) is below f2: doubled, 2 (A + B) = 24, one below
# the cap of 25, so it is stored as it is, bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . O .
  . . . . . . . X .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call YoseValue:their-ladder G5 H6 J5 [G5=r/b J:g>0 J:- O:g>0 O:2g<f sum>0 O:f>2 O:2sum<f cap-1]


# --- No threat on either side: the plain sum, the cap, the dame checks ------

[endgame-gote-corner-point-both-lose]
# The corner point A9 with White's C8 and B5 far off: neither move
# threatens anything (no follow-up, f1 = f2 = 0), and each side loses by
# filling the corner (A < 0, B < 0).  Without a follow-up neither move is
# sente, whatever the gains: r = A + B, below 0, bonus 0.  (Taking a
# follow-up of 0 as a threat would make a losing move "sente" and double
# the loss.)
white to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseValue:no-threat A9 [A9=r/b J:g<0 J:- O:g<0 O:- sum<0]

[endgame-gote-sum-one-below-the-cap]
# Black's A4 beside White's B4-C4-D4 wall on the edge links Black's B5-B6
# with B3; White's A4 gains a little.  Neither threatens a ladder:
# r = A + B = 24, one below the cap: stored as it is, bonus 0.
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . . O . . . . .
  . X . . . . . . .
  . X O . . . . . .
  . O O O . . . . .
  . X . . . . X . .
  . . . X X . X . .
  . . . . . . . . .
call YoseValue:no-threat A4 [A4=r/b J:g>0 J:- O:g>0 O:- sum>0 cap-1]

[endgame-gote-sum-at-the-cap]
# White's B8 in the open top left corner, Black's B4 and D5 below, White's
# C7 beside it.  Neither move threatens anything: A + B = 25, the cap, so
# the point is proposed as value 0 with bonus 9.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseValue:no-threat B8 [B8=r/b J:g>0 J:- O:g>0 O:- sum>0 cap]

[endgame-dame-check-of-the-opponents-move]
# G5 between White's G6, H5, F5 and Black's G4.  Both gains are 0 and
# neither move threatens anything: r = 0.  White's G5 leaves Black's
# G4-H4-G3 with two liberties, F4 and F3, and F4 is diagonal to G5 with
# two empty neighbours (E4, F3): e2 = 1.  Black's G5 leaves White's chains
# next to it (G6; H5-J5-J4; F5) three liberties each: e1 = 0.  The value
# is 2 e1 + 2 e2 = 2, bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O O
  . . . . . . X X O
  . . . . X . X O .
  . . . . . X O . .
  . . . . . . . . .
call YoseValue:no-threat G5 [G5=r+2/b J:g=0 J:- O:g=0 O:- sum=0]

[endgame-dame-check-of-our-move]
# G3 between Black's G4 and F3 and White's H3 and G2.  Both gains are 0,
# no threats: r = 0.  White's G3 leaves Black's G4 with two liberties, G5
# and F4, and F4 is diagonal to G3 with two empty neighbours (F5, E4):
# e1 = 1.  Black's G3 leaves White's H3-H4 and G2 three liberties or more:
# e2 = 0.  The value is 2 e1 + 2 e2 = 2, bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X O .
  . . . . . X . O .
  . . . . . . O . .
  . . . . . . . . .
call YoseValue:no-threat G3 [G3=r+2/b J:g=0 J:- O:g=0 O:- sum=0]


# --- A value of 0: the bonus of an open diagonal area point -----------------

[endgame-zero-value-beside-an-open-area]
# C5 between White's C6 and B5 (White's B4-B3 below, Black's C3 and E5 at
# a distance).  White's C5 gains what Black's loses (A + B = 0), neither
# threatens anything, and with nonzero gains no dame check is made: value
# 0.  An empty diagonal neighbour of C5 lies in one side's area and the
# other side may enter it without self-atari: bonus 3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . X . . . .
  . O . . . . . . .
  . O X . . . . . .
  . X . . . . . . .
  . . . . X . . . .
call YoseValue:no-threat C5 [C5=r/b+3 J:g>0 J:- O:g<0 O:- sum=0]

[endgame-zero-value-beside-neutral-points]
# D4 between White's D5 and Black's D3, in the open between White's
# E5-F5 line, B4 and Black's stones below.  Both gains are 0, no threats,
# no dame checks: value 0.  Its empty diagonal neighbours (C5, E3, C3) lie
# in nobody's area (area value 0), so the bonus stays 0.
black to play
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O O . . .
  . O . . . . . . .
  . . . X . . . . .
  X . . . . X . . .
  . . . . . . X X .
call YoseValue:no-threat D4 [D4=r/b J:g=0 J:- O:g=0 O:- sum=0]

[endgame-zero-value-beside-neutral-points-white]
# D3 between White's D2, E3 and Black's C3.  Both gains are 0, no threats,
# no dame checks: value 0; the empty diagonal neighbours of D3 lie in
# nobody's area, so the bonus stays 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . O . . . .
  . . X . O . . . .
  . . . O . O . O .
  . . . . . . . . .
call YoseValue:no-threat D3 [D3=r/b J:g=0 J:- O:g=0 O:- sum=0]


# --- The gate of settled groups: eye value 3 next to the point --------------

[endgame-point-beside-a-group-of-eye-value-3]
# C7 between Black's C8 and White's D7.  One of the two lone stones next
# to C7 has eye value 3 in the analysis, below the 4 of a settled group:
# the point is not valued (nothing stored).
white to play
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseValue:eyes C7 [eyes=3 none]

# --- Border points: the floors of both gains and the store rule -------------
#   call YoseBorderValue:plain P   a border point with no hane point of the
#       opponent's between two of its stones next to P and no chain next to
#       P in atari or caught by a ladder after either move: A = J's
#       evaluation after J at P, B = O's after O at P; gJ = A when A >= 1,
#       else 0; gO = B when B >= -1, else 0; v = gJ + gO is stored as
#       (v, 0) when v >= 2 or v < 0, as (0, 5) when v = 1 and as (0, 0)
#       when v = 0.  "P=r/b", then "J:g<1|g=1|g>1" (A against the floor),
#       "O:g<-2|g=-2|g=-1|g>-1" (B) and "v<-1|v=-1|v=0|v=1|v=2|v>2"

[endgame-border-point-worth-two]
# White's F2 on its F1, under Black's F3-G3 with Black's D2-D3 and H2 at the
# sides.  White's gain is exactly 1, the floor that counts it (A >= 1), and
# Black's F2 gains as much (B = 1, above -1).  No black chain next to F2 is
# put in atari or caught by a ladder, and no two black stones diagonal to
# F2 leave a hane point between them: v = 1 + 1 = 2, stored as it is,
# bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . O . X . X X . .
  . . O X . . . X .
  . . . O . O . . .
call YoseBorderValue:plain F2 [F2=r/b J:g=1 O:g>-1 v=2]

[endgame-border-point-worth-one]
# G3 between White's H3-H4 and G2 and Black's G4 and F3.  White's G3 gains
# exactly 1 (counted), Black's G3 nothing (B = 0): v = 1, which is
# proposed as value 0 with bonus 5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . X . O .
  . . . . . . X O .
  . . . . . X . O .
  . . . . . . O . .
  . . . . . . . . .
call YoseBorderValue:plain G3 [G3=r/b J:g=1 O:g>-1 v=1]

[endgame-border-point-losing-one]
# C7 between White's B7 and C6 and Black's C8 and D7.  White's C7 loses
# (A below 1: counted as 0, and so gets no atari bonus either, though it
# threatens Black's C8), and Black's loses exactly 1 (B = -1, the floor
# that still counts): v = -1, stored as it is (a negative value is
# proposed), bonus 0.
white to play
  . . . . . . . . .
  . O X . . X . . .
  . O . X . . X O .
  . . O X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:plain C7 [C7=r/b J:g<1 O:g=-1 v=-1]

[endgame-border-point-losing-two]
# B5 between White's A5 and B4 and Black's B6.  White's B5 loses (counted
# as 0), and Black's loses 2, below the floor of -1: counted as 0 too.
# v = 0: value 0, bonus 0.
white to play
  . . . . . . . . .
  . X X O X O . . .
  . . . O . . . . .
  O X . X X . . . .
  O . . O O O . . .
  . O O . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . X . . . . . . .
call YoseBorderValue:plain B5 [B5=r/b J:g<1 O:g=-2 v=0]

# --- Border points with the atari bonus --------------------------------------
#   call YoseBorderValue:atari-ours P     as YoseBorderValue:plain, but J's
#       move at P leaves a chain of O's in atari or caught by a ladder: with
#       A >= 1 the step max(A, 2) + 2 is added, gJ = A + max(A, 2) + 2
#   call YoseBorderValue:atari-theirs P   O's move at P does that: with
#       B >= -1 the step is max(B, 2) halved, t = B + step, and gO = B +
#       (t - B) halved

[endgame-border-point-atari-bonus-of-our-move]
# White's F8 between its G8 and F7 leaves Black's E8 (beside White's D8)
# with E9 and E7, and the ladder catches it.  White's own gain is exactly
# 1, the floor, so the bonus step is max(1, 2) + 2 = 4: gJ = 1 + 4 = 5.
# Black's F8 threatens nothing and gains B = 0 (counted).  v = gJ + 0,
# stored as it is, bonus 0.
white to play
  . . . . . . . O .
  . . . O X . O . .
  . O . X . O . . .
  . . . . . . . O .
  . . . . . . O . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:atari-ours F8 [F8=r/b J:g=1 O:g>-1 v>2]

[endgame-border-point-atari-bonus-of-their-move]
# H8 above White's G7-H7 (over Black's G6-H6 and J7).  White's H8 gains A
# and threatens nothing.  Black's H8 leaves G7-H7 with G8 and F7, and the
# ladder catches it: Black's gain B (8 here) gets the opponent's step, half
# of max(B, 2), and gO rises by half the difference: gO = B + (B/2)/2.
# v = A + gO, stored, bonus 0.
white to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . O O X
  . . . . O . X X .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
call YoseBorderValue:atari-theirs H8 [H8=r/b J:g>1 O:g>-1 v>2]

# --- Two stones of one colour beside the point, no atari --------------------
#   call YoseTwoStone:plain V S   the point V beside two stones of the colour
#       of the stone S, where no atari is at stake: the candidates the
#       routine left, by their points ("none" without one), and "mark" when
#       V is marked dealt with.  V must have exactly two empty neighbours,
#       and each of them at most one neighbour of that colour and at least
#       two of the other

[endgame-two-stones-both-open-sides-held-by-two]
# E5 beside Black's E6 and D5, empty at F5 and E4.  F5 touches White's G5
# and F4 (two) and no black stone; E4 touches White's F4 and E3 (two) and
# no black stone: the point is valued (its point value) and marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . . O . .
  . . . . . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 E6 [E5 mark]

[endgame-two-stones-both-open-sides-held-by-two-white-to-play]
# The same with White to play: the same two sides, valued and marked.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . . O . .
  . . . . . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 E6 [E5 mark]

[endgame-two-stones-one-open-side-held-by-one]
# Without White's E3, E4 touches only one white stone (F4): fewer than
# two, so nothing is stored and the point is not marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X . . O . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 E6 [none]

# --- The one-stone point's hane: two empty neighbours are enough ------------
#   call YoseOneStone V L M   (as in generators-more.tst) A = J's evaluation
#       after J at V, B = O's after O at V; f = J's evaluation after J at V
#       and L and O at M; r = A + B, or min(2r, f) when r is below f;
#       "V=r/b mark"

[endgame-one-stone-hane-point-with-two-empty-neighbours]
# The hane position of endgame-one-stone-with-a-hane-to-follow with Black's
# F3 added under F4.  Black's E5 leaves White's F5 with F6 and F4, both
# diagonal to E5; F6 has one empty neighbour (E6), F4 now exactly two (E4,
# G4): two are enough, so Black's hane is F4 and White answers at F6.
# f = Black's evaluation after E5, F4 and White's F6; r = A + B, doubled up
# to f when below it.
black to play
  . . X . . . . O .
  . . X . . . . O .
  . . X . . O O O .
  . . X X . . O O .
  . . X . . O X O .
  . . X . . . . O .
  . . X . . X . O .
  . . X . . . . O .
  . . X . . . . O .
call YoseOneStone E5 F4 F6 [E5=r/b mark]

# --- The fallback of a false eye ----------------------------------------------
#   call YoseKakemeThink   the false-eye scan alone: its candidates as
#       "P=value/bonus"

[endgame-fallback-mends-a-false-eye-on-the-edge]
# J7 on the edge between White's H7 and J6, with Black's H6 on its inner
# diagonal: an edge point with one diagonal held by the other side is a
# false eye (verdict Yes).  White may fill it without self-atari, Black
# captures nothing there, and White's chain H7-J7-J6 then keeps four
# liberties: the fallback proposes J7 with value 0 and bonus 1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . O . . X O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKakemeThink [J7=0/1]

[endgame-fallback-mends-a-false-eye-on-the-edge-black]
# The same with the colours swapped: Black mends J7, value 0, bonus 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . X . . O X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKakemeThink [J7=0/1]

# --- The two-stone atari: ties and the capture at exactly twice the total ---
#   call YoseTwoStone:atari V L N...   (as in generators-branches.tst) the
#       point V beside two stones of colour s that t = s xor 3 puts in atari
#       there, their escape at L, the empty neighbours N... of V with two or
#       more empty neighbours in neighbour order: a = t's evaluation after t
#       at V and s at L, b = t's after t at V and L; R = V, replaced by an N
#       only when s's evaluation there is larger (not on a tie), g = the
#       evaluation at R; total = g + a, doubled (engine t) or grown by its
#       half (engine s) only when 2 total < b

[endgame-two-stones-atari-capture-exactly-twice-the-total]
# D6 beside White's C6 and E6, empty at D7 and D5.  Black's D6 ataris E6
# (between Black's F6 and E5), which escapes at E7; Black's capture at E7
# is worth exactly twice the total g + a (White's best answer, at D6 or at
# D7, plus Black's gain after the escape): 2 total = b is not below b, so
# the total stays.  Black is t: its candidate is D6, marked.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . . . . . .
  . . O . O X . . .
  . . X . X . . . .
  . . . X . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . O . . . . . .
call YoseTwoStone:atari D6 E7 D7 [D6=r/b mark]

[endgame-two-stones-atari-owners-answers-tie]
# G6 beside Black's F6 and G5, empty at G7 and H6 (both with two or more
# empty neighbours).  White's G6 ataris F6 (under White's E6 and F5),
# which escapes at F7.  Black's answers at G6, G7 and H6 are all worth the
# same to Black: none is larger, so R stays G6 (a later tie does not
# replace it).  Black is s: its candidate is R, marked.
black to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:atari G6 F7 G7 H6 [R=r/b mark]

# --- The border point's living group: eye value 3 is not enough -------------

[endgame-border-point-beside-a-group-of-eye-value-3]
# G3 above Black's G2-H2 on the second line, White's F2 diagonal to it.
# The only black group next to G3, G2-H2, has eye value 3 in the analysis,
# below the 4 of a living group: the border point is not valued.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . X O
  . . . . . . . . .
  . . . . . O X X .
  . . . . . . . . .
call YoseBorderValue:eyes G3 [eyes=3 none]

[endgame-border-point-beside-a-group-of-eye-value-3-white]
# E5 above White's lone E4, under Black's E6.  White's only group next to
# E5, the stone E4, has eye value 3: not valued.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . X . . . . . . .
  . O . . O . . . .
  . . . . . X . . .
  . . . . . . . . .
  X . . . . . . . .
call YoseBorderValue:eyes E5 [eyes=3 none]

# --- The scan of the dame points: no empty neighbour at all -----------------
#   call YoseDameThink   the scan of the dame points alone: its candidates as
#       "P=value/bonus"; it takes only points with no empty neighbour and
#       both colours beside them

[endgame-dame-scan-takes-only-closed-points]
# Black's wall on the D line with E6, White's on the F line with E4.  E5
# touches Black's E6 and D5 and White's F5 and E4 and no empty point: a
# dame.  Neither side gains there, neither move threatens anything, no
# chain is left short of liberties and its four diagonals are stones: value
# 0, bonus 0.  E3, E2 and E1 each keep an empty neighbour on the E line:
# the scan passes them by.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X O O O O
  . . . X . O . . .
  . . . X O O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
call YoseDameThink [E5=0/0]

# --- A stone the ladder catches is not valued --------------------------------
#   call YoseValue P   (as in generators.tst) the candidates YoseValue left
#       as "P=value/bonus", "none" without one

[endgame-point-where-our-stone-is-caught-by-a-ladder]
# White's C2 between Black's C3 and B2 keeps two liberties, D2 and C1, and
# the ladder catches it (Black's atari drives it along the lines near the
# corner): the reading of the point ends without a value.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . X . . . . . . .
  . . . . . . . . .
call YoseValue C2 [none]

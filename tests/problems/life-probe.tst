# Life and death: the pattern passes on single groups, rows that pin one
# branch of a pass each (the direction of the border point's neighbour, the
# self-atari test of the lone stone's second point, the half eye the eye
# shape pass needs, the sharp eye read from the diagonals, the line-3 points
# of the wide extension tried first).  "call PASS V" as in generators.tst:
# each candidate as "point=K+d:reason", counted from the group's value K.

[probe-kill-border-point-neighbour-on-the-left]
# White's right edge group H9-H8, H6-H5-J5 around the space J9-J6, its mouth
# at H7 beside Black's G7 (the shape of kill-border-point-for-the-opponent
# turned onto the right edge).  J7 is a border point of the region with three
# empty neighbours (J8, J6, H7); its neighbour to the left, H7, has one empty
# neighbour (J7) and one black neighbour (G7).  Black's J7 answered by White's
# H7 leaves White the two-point space J9-J8 and the single point J6 beside
# Black's stone: short of two eyes.  The group is the opponent's: the
# candidate is Black's J7, at the group's value.
black to play
  . . . . . . X O .
  . . . . . . X O .
  . . . . . . X . .
  . . . . . . X O .
  . . . . . . X O O
  . . . . . . X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint H9 [J7=K:9]

[probe-kill-border-point-neighbour-on-the-left-own-group]
# The same with White to play: the group is the engine's own, the candidate
# is the defending move H7.
white to play
  . . . . . . X O .
  . . . . . . X O .
  . . . . . . X . .
  . . . . . . X O .
  . . . . . . X O O
  . . . . . . X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint H9 [H7=K:9]

[probe-lone-stone-in-atari-second-point-self-atari]
# Black's A3-D3-D2, C2-C1 with the lone stone A1, which White's B1 holds in
# atari.  A1's liberty A2 has one empty neighbour, B2, and no white neighbour,
# but White at B2 would be in atari (B1-B2 keeps only A2: Black's C1 and C2
# take the rest), so the shape is not read: nothing.  (White's capture at A2
# itself would keep two liberties, A1 and B2.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . X X O . . . .
  X O X . O . . . .
call SettleAtariIsi A3 [none]

[probe-eye-shape-without-a-half-eye]
# White's top edge group: the eyes A9 (corner) and C9 (one point each; C9's
# diagonals are White's B8, Black's D8 and two points off the board: a sharp
# eye), and the space E9-F9 open to Black's G9 on the edge (G9 keeps the
# liberty H9): no eye there at all, not a half eye.  No region of the group is
# worth exactly one eye value, so the eye shape pass does not run, although
# Black's F9 beside G9 would leave the lone D9 short of liberties and C9
# false: nothing.
black to play
  . O . O . . X . .
  O O O X O O O X .
  X X X X X X X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuMeShape B9 [none]

[probe-eye-shape-sharp-eye-on-the-edge]
# White's top edge group with the two-point eye A9-A8 in the corner (not a
# one-point eye), the one-point eye C9 on the edge (its diagonals: White's
# B8, Black's D8 and two points off the board, three in all: a sharp eye) and
# the half eye E9-F9 beside Black's D8.  Black's E9 takes White's lone D9
# into atari, its last liberty being C9, so C9 turns false and F9 is no eye
# beside Black's stone: one eye, dead.  E9 is proposed, at the group's value.
black to play
  . O . O . . O X .
  . O O X O O O X .
  O O X X X X X X .
  X X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuMeShape B9 [E9=K:9]

[probe-wide-extension-line-three-first]
# Black's A3-B3-C3 on line 3 under White's A4-C4.  The two-space extension F3
# (line 3, D2-E4 between clear, the eight points around F3 empty) and the
# large knight's move F2 (line 2, D3 and D2 clear) are both listed.  The
# points on line 3 are tried first: Black's F3 holds the side, two eyes, and
# the pass ends there.  F3 at the group's value plus one, reason 32; F2 is
# not proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  X X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SettleWideHiraki A3 [F3=K+1:32]

[probe-settle-liberty-capture-leaves-a-second-chain-in-atari]
# White's A4-F4 and F3-F1 enclose A1-E3 with Black's E3, E1 and B1 inside.
# D3 is a liberty of White's wall (no self-atari) and White there puts E3 in
# atari (its last liberty E2): D3 is marked in White's atari map.  White's
# capture at E2 leaves Black's E1 in atari beside it (its last liberty D1;
# E1 does not touch E3, so the capture gives it nothing), and Black extends
# there: D1-E1 with two liberties (C1, D2) beside B1 shares the corner, and
# White's eye value stays below 4.  The capture does not make two eyes:
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X . .
  O O O O O O X . .
  . . . . X O X . .
  . . . . . O X . .
  . X . . X O X . .
call SettleAtariDame A4 [none]

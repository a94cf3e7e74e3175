# Rows for the look-ahead's area and roots, the two-liberty kill pass at
# the eye-value line and the weak group's extensions, each at a branch no
# other row reaches.

# --- The look-ahead area around a weak stone: the related points' neighbours --
#   call MakeYomiArea:cover P Q...   (as in generators-cover.tst) the area
#       made for the move P: each Q as "Q" when the area holds it, "Q=out"
#       when not
# White's K10 under Black's hat J11-K11-L11 (liberties J10, L10, K9) has
# half an eye at most: weak and not dead.  It stands in a two-space jump
# from P, so it is collected, and the area takes every point related to it
# and the eight points around each.  Its farthest related points below are
# the (3, 2) shapes N8 and G8 (kind 8).  The square of P reaches 6 lines.

[look-ahead-area-takes-the-diagonal-round-a-far-related-point]
# P = G10, the square ends at column N.  O7 is beside no related point of
# K10, only diagonal to N8: in the area.  O8 (beside N8) and N7 (below it)
# are in too; P7, two columns out, is not.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X X X . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:cover G10 O7 O8 N7 P7 [N7 O7 O8 P7=out]

[look-ahead-area-takes-the-diagonal-round-a-far-related-point-other-side]
# The same seen from the right: P = N10, whose square begins at column G.
# F7 lies only diagonal to K10's related point G8: in the area; F8 and G7
# beside G8 are in, E7 is out.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X X X . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:cover N10 F7 F8 G7 E7 [E7=out F7 F8 G7]

# --- The roots' windows -------------------------------------------------------
#   call SelectRootKoho:area T R Q...   the roots the look-ahead takes from
#       a table of T worth 60 as an opening big point (reason 17) and R worth
#       40 as a pair answer (reason 5), the staged search at reason 5,
#       YomiWide 10: "root=R" per root, then each Q as "Q" when the area
#       holds it after the roots are taken, "Q=out" when not
# The area is first made around the top candidate T = K10: the square of 6
# lines, D4 to Q16 (nothing on the empty board is weak).  T itself, of
# reason 17, is never a root.  R lies outside that square but is worth 31
# or more, is above the floor (23, the top being 45 or more) and within 30
# of the top: it is the one root.  Each root then adds its own window, from
# 2 lines left of it and above it to 6 lines right of it and below it.

[look-ahead-root-window-below-left]
# R = C3: its window is columns A to J, rows 5 down to 1.  A1, A5, J1 and
# C3 itself are in; D3 (column D, row 3) is in by the root's window alone.
# C6 above the window and K3 right of it, both outside the top's square,
# are out.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call SelectRootKoho:area K10 C3 A1 A5 C3 C6 D3 J1 K3 [A1 A5 C3 C6=out D3 J1 K3=out root=C3]

[look-ahead-root-window-top-right]
# R = R17: its window is columns P to T (two left of R, then clipped at the
# edge), rows 19 down to 11.  P19, T11 and R17 are in; O19 one column
# further left and T10 one row further down are out.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call SelectRootKoho:area K10 R17 P19 O19 T11 T10 R17 [O19=out P19 R17 T10=out T11 root=R17]

# --- The two-liberty chain pass: the group at exactly eye value 4 ------------
#   call KillNiDameRen:read V L R   (as in generators.tst) the two-liberty
#       chain pass on the group at V against the reading "the attacker at
#       L, the defender at R"

[kill-two-liberty-chain-connects-to-two-eyes]
# Black's F2-F3 has two liberties, E2 and E3, under White's F1-E1, G2-G3
# and the wall A4-F4; Black's corner A1-D1, B2, D2, A3-D3 holds the two
# one-point eyes A2 and C2.  No ladder catches F2-F3: once it joins the
# corner its only liberties are the two eyes.  White's E2 (with E1, F1:
# liberties E3 and G1) and White's E3 (on the wall) are no self-ataris;
# Black answers at the other liberty and joins the corner: two sure eyes,
# eye value 2 + 2 = 4, alive.  Neither liberty is proposed.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O . . .
  X X X X . X O . .
  . X . X . X O . .
  X X X X O O . . .
call KillNiDameRen:read F2 E2 E3 [none]
call KillNiDameRen:read F2 E3 E2 [none]

[kill-two-liberty-chain-connects-to-two-eyes-after]
# The position after White's E2 and Black's E3: the group's eye value is
# 4 (the eyes A2 and C2).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O . . .
  X X X X X X O . .
  . X . X O X O . .
  X X X X O O . . .
call GunMe F2 [4]

# --- The weak pair's large knight's move: the weak group's small jump ---------
#   call WeakGunPair:cover V W   (as in generators-cover.tst) the engine's
#       weak group at V against the enemy group at W: the candidates by
#       their points
# White (the engine) has a lone stone a large knight's move (1, 3) from a
# lone black stone in the open: the pair runs the (1, 3) pattern with A the
# black stone, B the white one, and its weak flag set.  F0 is A moved two
# across toward B's side, G0 one step from F0 toward B along the long axis;
# F1 is B moved two toward A's side, G1 one step from it toward A.  White's
# answer on F0's side is F0 only when F0 is on line 3 (the flag keeps the
# area map out of it), else the small jump G0; on F1's side it is the
# better of F1 and G1 for White (read, so either may stand).

[weak-pair-large-knight-small-jump-in-the-open]
# White K10, Black L13.  F0 = J13 (line 7), so White's point there is
# G0 = J12; F1 = M10 or G1 = M11 on the other side.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call WeakGunPair:cover K10 L13 [J12 M10|J12 M11]

[weak-pair-large-knight-small-jump-in-the-open-other-side]
# White L13, Black K10: F0 = M10 (line 8), so White's point there is
# G0 = M11; F1 = J13 or G1 = J12 on the other side.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call WeakGunPair:cover L13 K10 [J13 M11|J12 M11]

# --- The double-move pass over small cuts: a refused move ----------------------
#   call KohoDoubleScan:cuts P Q R...   the engine's cuts (reason 3) worth 2
#       at P, Q, R... and the double-move pass over them: the opponent plays
#       each pair twice in a row; a pair above 25 is a hit for both points;
#       with two hits or more the points of the most hits take their best
#       value, with one hit the cuts stay as they were.  d = the opponent's
#       evaluation after its double move P and Q; each candidate as "P=d" or
#       "P=v"
# Black to play; White's double moves are read.  White's E5 is the open
# centre of the board, J9 and J1 empty first-line corners: a double move
# with E5 is worth well over 25, J9 with J1 adds nothing near 25.

[double-cuts-a-pair-with-a-refused-move-is-skipped]
# A1 inside Black's A2 and B1 is suicide for White: every pair with A1 is
# skipped (White's E5 alone is not read as a double move).  E5 and J9 make
# the one hit: one hit for cuts, nothing changes.
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
call KohoDoubleScan:cuts E5 J9 A1 [A1=2 E5=2 J9=2]

[double-cuts-two-hits-raise-the-centre]
# With J1 for A1: E5 with J9 and E5 with J1 are hits, J9 with J1 is not.
# E5 has the most hits (two) and takes its best double move, d (E5 and J9
# or E5 and J1: the corners add nothing); J9 and J1 stay at 2.
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
call KohoDoubleScan:cuts E5 J9 J1 [E5=d J1=2 J9=2]

# --- The weak pair's two-space jump -------------------------------------------
#   call WeakGunPair:cover V W   (as above)
# White (the engine) K10 and Black three points along row 10: the pair runs
# the two-space pattern with A the black stone and B the white one.  Black
# is not the engine, so White's own points are the candidates, on each side
# of the row: L2 beside the gap next to B, t3 two lines out beside B (all
# eight points around it empty), t2 two lines out beside that gap (four
# empty neighbours) and L1 beside the gap next to A (four empty
# neighbours), each added at its own point.  Line 10 is neither line 2 nor
# line 3, and B is not on line 3: nothing else.

[weak-pair-runs-the-two-space-pattern]
# Black N10: gaps M10 (next to A) and L10 (next to B).  Above: L11, K12,
# L12, M11; below: L9, K8, L8, M9.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call WeakGunPair:cover K10 N10 [K12 K8 L11 L12 L8 L9 M11 M9]

[weak-pair-runs-the-two-space-pattern-other-side]
# White N10, Black K10: gaps L10 (next to A) and M10 (next to B).  Above:
# M11, N12, M12, L11; below: M9, N8, M8, L9.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call WeakGunPair:cover N10 K10 [L11 L9 M11 M12 M8 M9 N12 N8]

[double-cuts-a-cut-worth-0-takes-part]
# As double-cuts-two-hits-raise-the-centre with J1's cut worth 0: a value
# of 0 is still within 0 to 10, so J1 takes part; E5 has two hits and takes
# d, J1 keeps 0 and J9 2.
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
call KohoDoubleScan:cuts-last0 E5 J9 J1 [E5=d J1=0 J9=2]

# --- The weak group's extensions: the one-space jump between two enemy stones ---
#   call WeakGunHirogeru:points V   (as in generators-cover.tst) the
#       extensions of the group at V: the candidates by their points

[weak-extensions-jump-from-between-two-enemy-stones]
# Black's C3 pinched by White's C4 and C2 (liberties B3 and D3).  The jump
# E3 has White on both points beside C3 (cells 0 and 2 of its strip): not
# tried.  C5 and C6 lie beyond White's C4 and are not related to C3; the
# knight's moves E4 and E2 have D3 between, a liberty of the two-liberty
# C3 and so in White's atari map: not tried; B5 and D5 are cut off by C4;
# A3, A2, A4 and the first-line points lack four empty neighbours.  Only
# the two-space jump F3 along line 3 remains (nothing beside its gaps D3
# and E3): F3 is proposed for Black's own group.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:points C3 [F3]

# The endgame's readings pinned where one cell decides: the first column of
# the endgame's scans, the ladder trap's candidate at the stone played (not
# at a stone of the chain the ladder catches), and the owner's answer on
# the left of a two-stone atari point.
#
#   call YoseBorderThink:at V...   (as in life-yose-pin4.tst) the scan of
#       the border points alone: each V as "V" with a candidate there,
#       "V=none" without, ":mark" when marked dealt with
#   call YoseSichoTrap:cover P   (as in generators-cover.tst) the side to
#       move plays P, then the trap test of its stone: "trap" or "free",
#       then the candidates left ("P=0/1")
#   call YoseTwoStone:atari V L N...   (as in generators-branches.tst) the
#       point V beside two stones of colour s that t = s xor 3 puts in
#       atari there, their escape at L, the empty neighbours N... of V with
#       two or more empty neighbours in neighbour order (up, right, down,
#       left): a = t's evaluation after t at V and s at L, b = t's after t
#       at V and L; R = V, replaced by an N only when s's evaluation there
#       is larger, g = the evaluation at R; total = g + a, doubled (engine
#       t) or grown by its half (engine s) when 2 total < b; the candidate
#       at R when the engine is s ("R=r/b"), else at V ("V=r/b"); "mark"
#       when V is marked dealt with

# --- The border scan starts at the first column ------------------------------

[endgame-border-scan-reads-the-first-column]
# Black's wall across the board on line 4, White's across on line 6, line 5
# empty between them.  Every point of line 5 is empty, in no region and
# unmarked, touches Black's wall below, White's wall above and an empty
# point beside it: the border scan sends each to the border reading.  A5
# on the first column is read like B5: Black may play there, its stone
# joins the wall, no atari is at stake, White's wall is not dying: both
# are valued.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderThink:at A5 B5 [A5 B5]

[endgame-border-scan-reads-the-first-column-white]
# The same with White to play: White's wall is the engine's living group
# next to line 5, Black's the opponent's; A5 and B5 are valued.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderThink:at A5 B5 [A5 B5]

# --- The ladder trap proposes the stone played ---------------------------------

[endgame-ladder-trap-escape-upward]
# endgame-ladder-trap-of-a-two-liberty-stone (generators-cover.tst) turned
# upside down: Black's E5 between White's D5 and E4, with White's D6 above
# D5: two liberties, F5 and E6.  White's F5 (liberties F6, G5, F4) leaves
# E5 in atari; Black's escape at E6 gives E5-E6 the two liberties F6 and
# E7 (D6 and D5 are White's), and the ladder catches it running up to the
# edge.  The trap holds, and the candidate (0, 1) goes to E5, the stone
# that was played, not to E6 or another stone of the caught chain.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover E5 [trap E5=0/1]

# --- The owner's answer on the left of the atari point -------------------------

[endgame-two-stones-owners-answer-on-the-left]
# endgame-two-stones-put-in-atari (generators-more.tst) mirrored left to
# right: F2 beside Black's F3 and G2, its empty neighbours F1 (below) and
# E2 (on its left).  White's F2 ataris G2 (under White's G3, beside H2),
# which escapes at G1.  Black's answer: F2 itself, or F1 (empty neighbours
# G1 and F2), or E2 (E3 and F2), whichever gives Black the most; E2, the
# neighbour on the left, is read too, the last of the four sides.  Black
# is the owner s: its candidate is R; the point is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . O . . X O .
  . . . . O . . . .
call YoseTwoStone:atari F2 G1 F1 E2 [R=r/b mark]

[endgame-two-stones-owners-answer-on-the-left-white-to-play]
# The same with White to play: the engine is t, the candidate is F2 itself,
# and its total counts Black's best answer among F2, F1 and E2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . O . . X O .
  . . . . O . . . .
call YoseTwoStone:atari F2 G1 F1 E2 [F2=r/b mark]

# --- The false-eye pass: every group, every region, only the atari side ---------
#   call YoseKamoThink:cover P Q   (as in generators-cover.tst) the false-eye
#       pass over the board: the candidate at P as "P=w" against
#       w = (u + s) * 2, u the evaluation for the region's colour r after r
#       plays P, s the evaluation for the other colour t after t plays P and
#       r answers at Q; the others by their points alone

[endgame-two-point-false-eye-on-the-top-edge]
# endgame-two-point-false-eye-atari-side (generators-cover.tst) turned
# upside down: Black's block C6-F6 up to D8-F8 with C9 and F9 on the top
# edge; White's wall round it from B5 to G9, with C8 and B8 beside C9.
# D9-E9 is Black's two-point space: D9 has White's C8 on its diagonal (a
# false eye), E9 none, so the region is a "maybe" (Kamo) with no border
# point.  Black's group now stands at the top of the board, the first
# group and its space the first region met: the pass reads them like any
# other.  White's D9 takes C9 (liberties B9, D9) into atari: D9 gets
# w = (u + s) * 2.  E9 is an atari point as well (Black's big chain has
# only D9 and E9), but its w is not above 0: no candidate there.
black to play
  . . X . . X O . .
  . O O X X X O . .
  . O X X X X O . .
  . O X X X X O . .
  . O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKamoThink:cover D9 E9 [D9=w]

[endgame-two-point-false-eye-on-the-top-edge-one-atari-side]
# As above with White's E5 gone: Black's block keeps the liberty E5 below
# its wall, so its big chain has three liberties (D9, E9, E5) and White's
# E9 takes nothing into atari: E9 is no atari point of White's and is
# skipped, while D9 still ataris C9.  Only D9 is read: D9 = w; the pass
# looks at the atari map on the point it reads, not on the other point
# of the space.
black to play
  . . X . . X O . .
  . O O X X X O . .
  . O X X X X O . .
  . O X X X X O . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKamoThink:cover D9 E9 [D9=w]

# --- The link marks: a knight's move alone in the centre -----------------------
#   call YoseLinkMark:cover P...   (as in generators-cover.tst) the marks of
#       the one-space jumps and knight's moves of one colour: each P as "P"
#       when marked dealt with, "P=no" when not

[endgame-link-mark-lone-knights-move-in-the-centre]
# Black's G7 and H9 on 13x13, a knight's move far from every edge and from
# any other stone: the link between them is each stone's only relation to
# a stone (no edge within reach).  Its two middle points G8 and H8 are
# empty: both are marked dealt with; G7's neighbour H7 and the point G9
# are not.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call YoseLinkMark:cover G8 H8 H7 G9 [G8 G9=no H7=no H8]

# --- The dame scan: one stone of a colour is enough ----------------------------
#   call YoseDameThink   (as in yose-bounds.tst) the scan of the dame points
#       alone: its candidates as "P=value/bonus"

[endgame-dame-scan-point-with-one-white-neighbour]
# endgame-dame-scan-takes-only-closed-points (yose-bounds.tst) with Black's
# E4 in place of White's: E5 touches Black's E6, D5 and E4 and only one
# White stone, F5, and no empty point.  The dame scan wants no empty
# neighbour and at least one stone of each colour: one White stone is
# enough, E5 is read.  Neither side gains there, neither move threatens
# anything, no chain beside it is short of liberties (no dame check), and
# its four diagonals D6, F6, D4 and F4 are stones (no open-area bonus):
# value 0, bonus 0.  E3, E2 and E1 keep an empty neighbour: not read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X O O O O
  . . . X . O . . .
  . . . X X O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
call YoseDameThink [E5=0/0]

# --- The cache forgets the zero cells on a three-liberty chain's liberties ---------
#   call YoseCacheInvalidate:zero M V...   every V holds value 0 with bonus
#       0 in the cells of both colours, the cache has been read once, and
#       the move at M (a stone of the diagram) makes it forget: each V as
#       "V=BW", "V=B", "V=W" (the colours whose cell keeps its 0) or "V=-"

[cache-forgets-zero-cells-on-all-three-liberties]
# Black's E5 is the move.  It touches White's chain F5-G5-H5, held by
# Black's F6 above F5 and F4-G4-H4 below: the chain has exactly three
# liberties, G6, H6 and J5.  Every cell of the 5 x 5 square round E5 is
# forgotten (E7 and G6 among them); then each liberty of a three-liberty
# chain next to the move's chain that holds 0 is forgotten too: H6 and J5,
# three and four columns away, are forgotten in both colours' caches, the
# third liberty J5 like the others.  J8, on no such liberty and outside
# the square, keeps its 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . X O O O .
  . . . . . X X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseCacheInvalidate:zero E5 G6 H6 J5 J8 E7 [E7=- G6=- H6=- J5=- J8=BW]

# --- The atari whose answer captures ---------------------------------------------
#   call YoseAtariValue:sente P F   (as in generators-more.tst) J's atari at
#       P forces O's answer at F; O's move at P forces nothing: A = J's
#       evaluation after J at P and O at F, B = O's after O at P, C = J's
#       after J at P and J again at F; r = 2 (A + B), or C halved when 2r
#       exceeds C; b = C.  "P=r/b"

[endgame-atari-answered-by-a-capture]
# White's E5 between Black's D5 and F5 keeps E6 and E4.  Black's D5 is
# itself in atari (White's C5, D6 and E5 round it, liberty D4).  Black's E6
# (joining F6-F5) leaves E5 with E4 alone: the answer that the atari
# forces is not E4, the chain's own liberty, but White's capture of D5 at
# D4, which frees E5.  So F = D4: A is read after E6 and White's capture
# at D4, C after E6 and Black's D4 (saving D5).  White's E6 puts nothing
# of Black's in atari and starts no ladder: B after White's E6 alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . O X O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseAtariValue:sente E6 D4 [E6=r/b]

# --- The atari bonus of our border move needs a gain of 1 ----------------------
#   call YoseBorderValue:atari-ours P   (as in yose-bounds.tst) a border point
#       without a hane point of the opponent's, where J's move leaves a chain
#       of O's in atari or caught by a ladder: A = J's evaluation after J at
#       P, B = O's after O at P; gJ = A + max(A, 2) + 2 when A >= 1, else 0;
#       gO = B when B >= -1, else 0; v = gJ + gO stored as (v, 0) when v >= 2
#       or v < 0, (0, 5) when v = 1, (0, 0) when v = 0: "P=r/b", then "J:g<1|
#       g=1|g>1" (A), "O:g<-2|g=-2|g=-1|g>-1" (B) and "v=..."

[endgame-border-point-atari-of-no-gain]
# endgame-border-point-atari-bonus-of-our-move (yose-bounds.tst) with
# White's G9 added on the top edge: White's F8 still leaves Black's E8
# with E9 and E7 and the ladder catches it, but with G9 already White's the
# move gains nothing more: A = 0, below the floor of 1.  The atari bonus
# is given only to a gain of 1 or more: gJ = 0, not 0 + max(0, 2) + 2.
# Black's F8 threatens nothing and its gain B is counted; here v = 0,
# stored as (0, 0).
white to play
  . . . . . . O O .
  . . . O X . O . .
  . O . X . O . . .
  . . . . . . . O .
  . . . . . . O . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:atari-ours F8 [F8=r/b J:g<1 O:g>-1 v=0]

# --- The ladder trap: the blocking stone with two liberties is read ------------

[endgame-ladder-trap-blocker-with-two-liberties]
# Black's H5 between White's G5 (over G4) and H6, with Black's H7 and J7
# above H6: two liberties, J5 and H4.  White's J5 on the edge keeps two
# liberties, J6 and J4: not in atari, so the trap is read there.  It leaves
# H5 in atari; Black's escape at H4 gives H5-H4 the two liberties H3 and J4
# (G4 is White's), and the ladder catches it: White's H3, Black's J4 with
# J3 alone, and White takes at J3 before Black can take J5.  The trap
# holds: H5 gets (0, 1).  (White's H4 instead, joining G4, is answered at
# J5; H5-J5 then keeps J6 and J4, and it is not caught: White's J6 would
# leave H6-J6 with G6 alone beside Black's H7-J7, and Black's J6 after
# White's J4 joins J7.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X X
  . . . . . . . O .
  . . . . . . O . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover H5 [trap H5=0/1]

[endgame-ladder-trap-blocker-with-two-liberties-white]
# The same with the colours swapped, White to play H5: a trap, H5 = 0/1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O O
  . . . . . . . X .
  . . . . . . X . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover H5 [trap H5=0/1]

# --- The border point beside a dying stone on its upper-left diagonal -----------
#   call YoseBorderValue:gate P   (as in generators-cover2.tst) P valued
#       alone: the candidates left ("none" when a gate drops P)

[endgame-border-point-dying-stone-on-the-upper-left]
# White's living wall on the F line, Black's facing it on the E line with a
# gap at E5 and E6.  White's D6 stands alone inside Black's side, held by
# Black's C6, D7 and D5, its one liberty E6: a dying stone.  E5 touches
# Black's E4 and D5, White's wall at F5 and the empty E6; the dying D6 is
# on its upper-left diagonal, the last of its eight neighbours: a border
# point beside a dying stone of the opponent's is not bargained with, so
# E5 is not valued.
black to play
  . . . . X O . . .
  . . . . X O . . .
  . . . X X O . . .
  . . X O . O . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
call YoseBorderValue:gate E5 [none]

[endgame-border-point-dying-stone-gone]
# The same without White's D6: no dying stone around E5, Black may play
# there, its E5 joins E4 and D5 beside Black's living side, no atari is at
# stake and White's E5 joins its wall: E5 is read, and both moves gain
# nothing by the evaluation (its readings, the premise here): stored as
# (0, 0).
black to play
  . . . . X O . . .
  . . . . X O . . .
  . . . X X O . . .
  . . X . . O . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
call YoseBorderValue:gate E5 [E5=0]

# --- The atari whose answer the opponent may not play ---------------------------
#   call YoseAtariValue:refused P F   J's atari at P leaves a chain of O's in
#       atari whose liberty F O may not play: J's move forces, O's answer is
#       refused and J's gain after it counts 0; O's move at P forces
#       nothing: B = O's evaluation after O at P; C = J's evaluation after J
#       at P and J again at F.  r = 2 (0 + B), or C halved when 2r exceeds
#       C; b = C as the candidate table keeps it.  "P=r/b"

[endgame-atari-with-a-refused-answer]
# Black's A2-B2-C2 on the second line over White's B1 and D1 on the edge.
# B1 keeps A1 and C1.  Black's C1 (joining C2) leaves B1 in atari with A1
# alone, and White may not play A1: B1-A1 would have no liberty (A2 and C1
# Black's) and would take nothing (A2-B2-C2-C1 keeps A3, B3, C3 and D2).
# Black's move forces, the answer is refused: the gain after the answer
# starts from 0 and stays 0.  White's C1 joins B1 and D1 (liberties A1, E1
# and D2) and puts nothing of Black's in atari.  Black's follow-up is A1,
# taking B1: C.  r = 2 (0 + B), capped at C halved; b = C.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X . . . . . .
  . O . O . . . . .
call YoseAtariValue:refused C1 A1 [C1=r/b]

[endgame-atari-with-a-refused-answer-white]
# The same with the colours swapped, White to play C1: C1 = r/b.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  . X . X . . . . .
call YoseAtariValue:refused C1 A1 [C1=r/b]

# --- The two-stone atari whose escape the owner may not play ----------------------
#   call YoseTwoStone:refused V L N...   the point V beside two stones of
#       colour s, t = s xor 3 puts one of them in atari at V and s may not
#       escape at its liberty L: the gain after the escape counts 0.  b = t's
#       evaluation after t at V and L; R = V, replaced by an N (V's empty
#       neighbours with two or more empty neighbours, in neighbour order)
#       only when s's evaluation there is larger, g = the evaluation at R;
#       total = g + 0, doubled (engine t) or grown by its half (engine s)
#       when 2 total < b.  The candidate at R when the engine is s
#       ("R=r"), else at V ("V=r"); "mark" when V is marked dealt with

[endgame-two-stones-escape-refused]
# B3 beside Black's B2 and B4, its other neighbours A3 and C3 empty.  B2
# sits between White's A2 and C2 over B1, with White's A1 and C1 on the
# edge: B2 keeps B1 and B3.  White's B3 leaves B2 in atari at B1, and Black
# may not play B1: B2-B1 would have no liberty and would take nothing
# (A1-A2 keeps A3, C1-C2 keeps D1, D2 and C3).  So the escape adds 0 to
# the total; White's capture at B1 is b.  Black's answer: B3, or A3 (empty
# neighbours A4 and B3) or C3 (C4, D3, B3), whichever gives Black the
# most.  Black is s: its candidate is R; the point is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  O X O . . . . . .
  O . O . . . . . .
call YoseTwoStone:refused B3 B1 A3 C3 [R=r mark]

[endgame-two-stones-escape-refused-white-to-play]
# The same with White to play: White is t, its candidate is B3 itself.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  O X O . . . . . .
  O . O . . . . . .
call YoseTwoStone:refused B3 B1 A3 C3 [B3=r mark]

# --- The race fallback wants a race ---------------------------------------------
#   call YoseSemeaiThink:cover   (as in generators-cover.tst) the race
#       fallback alone: its candidates as "P=value/bonus" ("none")

[endgame-fallback-false-eye-without-a-race]
# The false eye of endgame-fallback-mends-a-false-eye-on-the-edge
# (yose-bounds.tst) with Black to play: J7 on the edge between White's H7
# and J6, Black's H6 on its inner diagonal, a point of White's region with
# verdict Yes, and Black may play there.  But White's group is in no
# capturing race (no Black chain is racing it, its chains keep many
# liberties): the race fallback proposes nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . O . . X O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSemeaiThink:cover [none]

[endgame-fallback-false-eye-without-a-race-white]
# The same with the colours swapped, White to play: no race, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . X . . O X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSemeaiThink:cover [none]

# --- The false-eye fallback: two liberties are enough when no ladder catches ----
#   call YoseKakemeThink   (as in yose-bounds.tst) the false-eye scan alone:
#       its candidates as "P=value/bonus"

[endgame-fallback-mends-a-false-eye-keeping-two-liberties]
# endgame-fallback-mends-a-false-eye-on-the-edge (yose-bounds.tst) with
# White's G5 and Black's F7 and H5 added.  J7 is mended as there: White's
# chain H7-J7-J6 keeps G7, H8, J8 and J5.  J5 on the edge under J6, beside
# Black's H5, is a second point of White's region with verdict Yes (the
# analysis' premise).  White may play J5 without self-atari and Black
# takes nothing by playing there; White's J5 joins J6, and J6-J5 keeps
# exactly two liberties, J7 and J4.  The ladder does not catch it: Black's
# J7 would stand with J8 alone and be taken, and Black's J4 is answered at
# J7, joining H7.  Two liberties and no ladder: J5 = 0/1 as well.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . O .
  . . . . O . . X O
  . . . . . . O X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKakemeThink [J5=0/1 J7=0/1]

# --- The stone scan filters on the game board --------------------------------------
#   call YoseStoneThink:at V...   (as in life-yose-pin4.tst) the scan of the
#       points beside one or two stones alone: each V as "V" with a
#       candidate there, "V=none" without, ":mark" when marked dealt with

[endgame-stone-scan-reads-neighbours-in-a-row]
# The position of endgame-dame-scan-takes-only-closed-points (yose-bounds.tst):
# Black's wall across line 6 from A6 to E6 and down the D line, White's
# from F6 to J6 and down the F line.  E7 touches only Black's E6 and has
# White's F6 on its diagonal; F7, next in the scan, touches only White's F6
# and has Black's E6 on its diagonal.  Both are empty on the game board, in
# no region and unmarked when the scan reaches them: each is read as a
# one-stone point (the joined group lives), valued and marked, F7 as well
# as E7 though Black's reading at E7 came just before it.
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
call YoseStoneThink:at E7 F7 [E7:mark F7:mark]

# --- The dame check wants two empty points around the diagonal liberty ------------
#   call YoseValue:no-threat P   (as in yose-bounds.tst) neither move at P
#       threatens anything: A = J's evaluation after J at P, B = O's after O
#       at P, r = A + B, b = 0; the dame checks and the open-area bonus of a
#       value of 0 are added by hand ("r+2", "b+3"); then the bounds "J:g..",
#       "J:-", "O:g..", "O:-", "sum.."

[endgame-dame-check-diagonal-liberty-with-one-empty-neighbour]
# endgame-dame-check-of-the-opponents-move (yose-bounds.tst) with Black's E4
# added.  G5 between White's G6, H5, F5 and Black's G4; both gains are 0
# and neither move threatens anything: r = 0.  White's G5 still leaves
# Black's G4-H4-G3 with two liberties, F4 and F3, and F4 is diagonal to
# G5, but F4 now has one empty neighbour only (F3; E4 and G4 are Black's,
# F5 White's): one is not enough, e2 = 0.  Black's G5 leaves White's
# chains three liberties each: e1 = 0.  The value stays 0, and with value
# and bonus 0 the open-area bonus applies (an empty diagonal of G5 lies in
# an area the other side may enter): bonus 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O O
  . . . . X . X X O
  . . . . X . X O .
  . . . . . X O . .
  . . . . . . . . .
call YoseValue:no-threat G5 [G5=r/b+3 J:g=0 J:- O:g=0 O:- sum=0]

# --- The opponent's atari whose answer we may not play -----------------------------
#   call YoseAtariValue:refused-theirs P F   J's move at P forces nothing;
#       O's move at P leaves a chain of J's in atari whose liberty F J may
#       not play: O's move forces, J's answer is refused and O's gain after
#       it counts 0.  A = J's evaluation after J at P; r = A + 0, b = 0 (J's
#       move has no follow-up).  "P=r/b"

[endgame-their-atari-with-a-refused-answer]
# endgame-atari-with-a-refused-answer-white with Black to play: White's
# A2-B2-C2 over Black's B1 and D1 on the edge.  Black's C1 joins B1 and D1
# (liberties A1, E1, D2) and puts nothing of White's in atari: A after it.
# White's C1 leaves B1 in atari with A1 alone, and Black may not play A1
# (B1-A1 would have no liberty and take nothing): White's move forces, the
# answer is refused, and White's gain after it starts from 0 and stays 0.
# r = A + 0, and the bonus is 0: Black's move has no follow-up.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  . X . X . . . . .
call YoseAtariValue:refused-theirs C1 A1 [C1=r/b]

[endgame-their-atari-with-a-refused-answer-white]
# The same with the colours swapped, White to play C1: C1 = r/b.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X . . . . . .
  . O . O . . . . .
call YoseAtariValue:refused-theirs C1 A1 [C1=r/b]

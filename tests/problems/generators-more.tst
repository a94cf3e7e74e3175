# Engine generators, more branches: single routines on positions whose
# answers are worked out by hand from the generators' rules (the relation
# patterns of a weak group, the endgame's forcing ataris and one- and
# two-stone points, the look-ahead's bars around a big root).
#
#   call SelectYomiKoho:rootN R C...   the replies the look-ahead takes at
#       one level for a root worth N, the area marked around the root R: the
#       candidates C... (up to five) get 26, 25, 20, 16 and 15 in order, all
#       of the weak-group reason (no capture, no escape); answers the points
#       taken
#   call YomiContinue:rootN            the forced continuation of at most two
#       moves after the root colour's answer, for a root worth N (the side
#       to move is the root colour's opponent, the whole board the area):
#       "K M", K the moves played and M the first
#   call ThinkYomi:band                the band of the best move the
#       look-ahead's stage finds for the side to move: "below13", "13to24"
#       or "25up", and its point

# --- The look-ahead: the bar of the replies around a big root ---------------

[look-ahead-replies-root-14]
# A root of 14 sets the bar to 14 (the smaller of the root and 15): all five
# replies are above it and next to or diagonal to the root E5 (distance
# index below 8), so all are taken, with no cap for near replies.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SelectYomiKoho:root14 E5 D5 F5 E4 E6 D4 [D4 D5 E4 E6 F5]

[look-ahead-replies-root-15]
# A root of 15: the bar is 15.  26, 25, 20 and 16 are above it and near:
# taken.  15 is not above the bar and of the weak-group reason: not taken,
# and with four taken (the cap on 9 x 9 is three) the scan stops.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SelectYomiKoho:root15 E5 D5 F5 E4 E6 D4 [D5 E4 E6 F5]

[look-ahead-replies-root-34]
# A root of 34 is still below 35: the bar stays at 15, as for the root of 15.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SelectYomiKoho:root34 E5 D5 F5 E4 E6 D4 [D5 E4 E6 F5]

[look-ahead-replies-root-35]
# A root of 35 raises the bar to 25: only the 26 at D5 is above it (near:
# taken).  25, 20, 16 and 15 are at or below the bar and no captures or
# escapes: none is taken, and with one taken the scan runs on to the end.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SelectYomiKoho:root35 E5 D5 F5 E4 E6 D4 [D5]

[look-ahead-replies-root-36]
# A root of 36: the bar is 25 as for 35.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SelectYomiKoho:root36 E5 D5 F5 E4 E6 D4 [D5]

[look-ahead-replies-root-35-on-19x19]
# The same on 19 x 19 around the root D16 (cap two): the 26 at C16 is taken,
# the rest is not.  A root of 34 takes 26, 25, 20 and 16 (near replies have
# no cap), and stops at 15.
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
call SelectYomiKoho:root35 D16 C16 E16 D15 D17 C15 [C16]
call SelectYomiKoho:root34 D16 C16 E16 D15 D17 C15 [C16 D15 D17 E16]

# --- The look-ahead: the bar of the forced continuation ----------------------

[continuation-bar-around-a-big-root]
# Black's one-space jump D5-F5 with White's E4 under its gap, White's G7
# above.  White's best move here (its answer to the pair at H5) lies
# between the two bars of a first continuation move: 13 after a root below
# 35, 25 after a root of 35 or more (the band check holds the position to
# that).  After a root of 34 White's H5 is played and Black's forcing answer
# after it (second move, bar 14) too: two moves.  After a root of 35 or 36
# the bar of the first move is 25: nothing is played.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . X . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:band [13to24 H5]
call YomiContinue:root34 [2 H5]
call YomiContinue:root35 [0]
call YomiContinue:root36 [0]

# --- The endgame: forcing ataris, one- and two-stone points ------------------
#   call YoseAtariValue:both V F G   the atari point V where the side to move
#       (J) ataris a chain of the other side (O), answered at F, and O's move
#       at V ataris a chain of J's, answered at G: A = J's evaluation after J
#       at V and O at F, B = O's after O at V and J at G, C = J's after J at
#       V and J again at F.  r = 2 (A + B) grown by its half (both forcing),
#       or C halved when 2r exceeds C; b = C.  "V=r/b"
#   call YoseOneStone V [L M]   the point V beside a single stone: A = J's
#       evaluation after J at V, B = O's after O at V; with J's hane L on the
#       diagonal liberty of a two-liberty chain of O's beside V, answered at
#       M, f = J's evaluation after J at V and L and O at M (else 0).  r =
#       A + B, or min(2r, f) when r is below f, bonus b = 0: "V=r/b mark"
#       (mark: the point is marked dealt with), "none" when nothing is stored
#   call YoseTwoStone:atari V L N...   the point V beside two stones of
#       colour s that t = s xor 3 puts in atari there, their escape at L, and
#       the empty neighbours N... of V with two or more empty neighbours (V
#       counts), in neighbour order (up, right, down, left): a = t's
#       evaluation after t at V and s at L, b = t's after t at V and L; the
#       owner's answer R is V, or an N where s's evaluation after its move
#       is larger (the largest, the first on ties), g = that evaluation.
#       total = g + a; when 2 total < b it doubles when the engine is t,
#       else grows by its half.  The candidate at R when the engine is s
#       ("R=r/b mark"), else at V; bonus b = 0
#
#   A bonus is compared as the candidate table keeps it: at most 9 for a
#   value below 1, else at most ten times the value.

[endgame-atari-both-sides-force]
# Black's E4 between White's D4 and F4, White's E6 between Black's D6 and
# F6: each has two liberties, one of them E5.  Black's E5 joins E4 (three
# liberties: D5, F5, E3) and leaves E6 in atari; none of E6's neighbours is
# in atari, so White must answer at its liberty E7.  White's E5 joins E6
# (D5, F5, E7) and leaves E4 in atari, which Black answers at E3.  Both
# moves force: twice the two gains, and half of that again; the follow-up
# (Black capturing at E7) travels as the bonus and caps the value at its
# half.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . O X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseAtariValue:both E5 E7 E3 [E5=r/b]

[endgame-atari-both-sides-force-white-to-play]
# The same with White to play: White's E5 forces Black's answer at E3, and
# Black's E5 forces White's at E7; the follow-up is White's capture at E3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . O X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseAtariValue:both E5 E3 E7 [E5=r/b]

[endgame-atari-both-sides-force-between-walls]
# Black's wall on the D line with E6 and E3, White's on the F line with E5
# and E2.  E4 lies between White's E5 (liberties E4, F5) and Black's E3
# (liberties E4, D3).  Black's E4 joins the D line and ataris E5 (none of
# its neighbours in atari): White answers at F5.  White's E4 joins E5 to
# F4 and ataris E3: Black answers at D3.  Both force: 2 (A + B) grown by
# its half, unless twice that exceeds the capture at F5 (C).
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O . . .
  . . . X O . . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . X O O . . .
  . . . X . O . . .
call YoseAtariValue:both E4 F5 D3 [E4=r/b]

[endgame-atari-both-sides-force-between-walls-white-to-play]
# The same with White to play: White's E4 forces Black's D3, Black's E4
# forces White's F5; the follow-up is White's capture at D3.
white to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O . . .
  . . . X O . . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . X O O . . .
  . . . X . O . . .
call YoseAtariValue:both E4 D3 F5 [E4=r/b]

[endgame-atari-both-sides-force-small-follow-up]
# White's G5 beside F5: the capture at F5 no longer breaks into White's
# side, so the follow-up is small and the doubled value is cut to its half.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O . . .
  . . . X O . O . .
  . . . X . O . . .
  . . . . X O . . .
  . . . X O O . . .
  . . . X . O . . .
call YoseAtariValue:both E4 F5 D3 [E4=r/b]

[endgame-atari-only-own-side-forces]
# Black's E3 joins E4: the chain E4-E3 keeps D3, F3 and E2 after White's
# E5, so White's move there forces nothing, while Black's E5 still ataris
# E6: the sente formula, r = 2 (A + B) or C halved, A = Black's evaluation
# after E5 and White's E7, B = White's after its E5 alone, b = C.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . . . . . .
  . . . O X O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseAtariValue:sente E5 E7 [E5=r/b]

[endgame-one-stone-beside-a-living-wall]
# Black's living wall on the D line, White's on the G line with F6 pushed
# out.  E5 touches one stone (Black's D5), and White's F6 is diagonal to it
# (not dead).  Black's E5 joins the living wall (eye value 4 or more); no
# white chain touches E5, so there is no follow-up: the value is Black's
# gain at E5 plus White's gain at E5, bonus 0, and the point is marked.
black to play
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . O O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
call YoseOneStone E5 [E5=r/b mark]

[endgame-one-stone-no-diagonal-stone]
# Without White's F6 no stone of the other colour is diagonal to E5:
# nothing is read or stored.
black to play
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
  . . . X . . O . .
call YoseOneStone E5 [none]

[endgame-one-stone-with-a-hane-to-follow]
# E5 touches one stone, White's F5; Black's D6 (on the living C wall) is
# diagonal to it, alive, and F5 is alive too (linked to White's wall on the
# H line through F7).  Black's E5 joins the C wall by the diagonal to D6
# (eye value 4 or more) and leaves F5 two liberties, F6 and F4, both
# diagonal to E5: F6 has one empty neighbour (E6; F7, G6 are White's), F4
# three (F3, G4, E4): Black's hane is F4, White answers at F6.  f = Black's
# evaluation after E5, F4 and White's F6.  r = Black's gain at E5 plus
# White's there; when r is below f it doubles, up to f.  (Black's G5 is
# dead inside White's wall.)
black to play
  . . X . . . . O .
  . . X . . . . O .
  . . X . . O O O .
  . . X X . . O O .
  . . X . . O X O .
  . . X . . . . O .
  . . X . . . . O .
  . . X . . . . O .
  . . X . . . . O .
status F5 [alive]
status D6 [alive]
call YoseOneStone E5 F4 F6 [E5=r/b mark]

[endgame-two-stones-put-in-atari]
# D2 touches Black's D3 and C2, its other neighbours E2 and D1 are empty.
# C2 has two liberties, C1 and D2 (White's B2 and C3 beside it): White's D2
# ataris it (D3 keeps D4 and E3), so C2 escapes at C1.  a = White's
# evaluation after D2 and Black's C1, b = White's after D2 and C1 (the
# capture).  The owner's answer: D2, or E2 (empty neighbours E3 and D2) or
# D1 (C1 and D2), whichever gives Black the most.  total = g + a; when
# 2 total < b it grows by its half (the engine is Black, the owner).
# Black's candidate is its answer; the point is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . O X . . O . . .
  . . . . O . . . .
call YoseTwoStone:atari D2 C1 E2 D1 [R=r/b mark]

[endgame-two-stones-put-in-atari-white-to-play]
# The same with White to play: the engine is t, so the total doubles when
# 2 total < b, and White's candidate is the atari point D2 itself.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . O X . . O . . .
  . . . . O . . . .
call YoseTwoStone:atari D2 C1 E2 D1 [D2=r/b mark]

[endgame-two-stones-cutting-stone-in-atari]
# E3 touches White's E4 and D3, its other neighbours F3 and E2 are empty.
# D3 cuts into Black's C3-C4-D4 shape with two liberties, E3 and D2: Black's
# E3 ataris it (E4 keeps E5 and F4), and it escapes at D2.  a = Black's
# evaluation after E3 and White's D2, b = Black's after E3 and the capture
# at D2.  White's answer: E3, or F3 or E2 (each with two or more empty
# neighbours), whichever gives White the most.  total = g + a; when 2 total
# < b it doubles (the engine is Black, t).  Black's candidate is the atari
# point E3; the point is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . X O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call YoseTwoStone:atari E3 D2 F3 E2 [E3=r/b mark]

[endgame-two-stones-cutting-stone-in-atari-white-to-play]
# The same with White to play: the engine is the owner s: the total grows
# by its half when 2 total < b, and White's candidate is its answer.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . X O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call YoseTwoStone:atari E3 D2 F3 E2 [R=r/b mark]

# --- Weak groups: the relation patterns recorded as pairs --------------------
#   call WeakGunKankeiMoves:VARIANT V P Q M   the relation moves of the group
#       at V (colour c, the other colour o) against the readings: A = c's
#       evaluation after c at P, B = o's after o at Q, r = A + B; the
#       candidate at M as "M=r:13", the others by their points.  Variants:
#         pair      a negative r counts 0
#         pair:keep r as it is
#         keima     a negative r counts 1
#         ikken     a negative r counts 1, r at most 50
#         ikken:halved2  the same, halved twice (toward zero)
#   call WeakGunKankeiMoves:own-best V P1 P2 Q   A is the larger of c's
#       evaluations at P1 and P2 (P1 on ties) and c's point R the one that
#       gave it; opp-best V P Q1 Q2: B the larger of o's at Q1 and Q2, o's
#       point R.  The candidate pinned is the engine's point of that pair:
#       "R=r:13" when the chooser is the engine, else P or Q
#   In every row the group is a lone stone (or two) in the open, and the one
#   stone of the other colour is its only relation to the other colour.  The
#   patterns record each side's pair (c's move, o's move, value).  On the
#   open 9 x 9 board neither group is weak (a wide region of its own gives
#   it eye value 4 or more; no links), and the group stays so after c's move
#   of each pair: every pair's move for the side to move is added with the
#   pair's value.

[weak-pair-two-two-inner-point]
# Black's C4 and White's E2 in the (2,2) shape, Black's C2 on the far corner
# W6 (one line beside E2, both on line 2: their one-space jump is not read).
# The side at the corner E4 (W2): empty, on line 4, nothing around it.  Both
# colours' readings are at E4: r = Black's gain at E4 + White's at E4.  Black
# (c) is to move and its stone holds the other corner C2, and the inner point
# beside E4 on Black's side, D4 (W1), has seven empty points around it (C4 is
# the eighth): Black's move is D4.  The side at the corner C2 is occupied.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 E4 E4 D4 [D4=r:13]

[weak-pair-two-two-inner-point-white-to-play]
# The same with White to play: the group's colour is not the engine's, and
# the far corner C2 holds Black, not White: White's move is the corner E4
# itself, at the same value.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 E4 E4 E4 [E4=r:13]

[weak-pair-two-two-both-corners]
# Without Black's C2 the far corner is empty: Black's move is the corner E4
# (no stone of Black's on the other corner), and the side at C2 (W6, line 2,
# nothing around it) is read too, at C2 for both colours.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 E4 E4 E4 [C2 E4=r:13]
call WeakGunKankeiMoves:pair C4 C2 C2 C2 [C2=r:13 E4]

[weak-pair-knights-move-white-to-play]
# Black's D4 and White's F5 a knight's move apart: R1 D5, R2 E4, R3 E5,
# R4 F4 (the rows), D1 D6, D3 E6 on the line beyond F5, D2 E3, D4 F3 beyond
# D4; nothing behind either stone.  Side 1 (E = D6, F4 empty, nothing
# around D6): D6 is two above D4, but the hane-and-cut trial is Black's only
# when Black is to move, C7 has no two black stones in the (1,3) shape, and
# D6 is on line 4, not 2: Black's point is D6, and White's is D6 (no
# replacement on this side, D6 not on line 5).  Side 2 (E = F3, D5 empty):
# Black's point F3; White's may be replaced as F3 is two below F5: White's
# trial (White E3, Black E4, White F4, Black F3, White E2, Black G3) leaves
# no black stone nearly dead, G2 has no two white stones in the (1,3)
# shape, and F3 is on line 3: F3.  Every reading is a gain (not negative),
# one stone each (no halving), White's moves leave its group far from
# dead.  White's candidates D6 and F3, each worth both colours' gains there.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:keima D4 D6 D6 D6 [D6=r:13 F3]
call WeakGunKankeiMoves:keima D4 F3 F3 F3 [D6 F3=r:13]

[weak-pair-knights-move-second-line]
# Black's D4 and White's F3 (R1 D3, R3 E3, D1 D2, D4 F5).  Side 1: E = D2
# is two below D4 on line 2 while D4 is not: with White to play (no trial of
# Black's; C1 has one black stone in the (1,3) shape, not two) Black's point
# is R3 = E3, White's is D2.  Side 2: E = F5, White's trial (White E5, Black
# E4, White F4, Black F5, White E6, Black G5) leaves no black stone nearly
# dead, G6 has one white stone in the (1,3) shape: both points F5.  White's
# candidates: D2, worth Black's gain at E3 plus White's at D2, and F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:keima D4 E3 D2 D2 [D2=r:13 F5]
call WeakGunKankeiMoves:keima D4 F5 F5 F5 [D2 F5=r:13]

[weak-pair-large-knights-move]
# Black's D4 and White's E7 in the (1,3) shape (long axis vertical; both
# chains have four liberties, no contact).  F0 = F4 (two right of D4), G0 = F5;
# F1 = C7 (two left of E7), G1 = C6.  Side 0: Black takes the better of F4
# and F5 (F4 on a tie); White's point is F0 only on line 3 or, for a group
# not weak, toward area: F4 is on line 4 and the group is weak, so G0 = F5.
# Side 1: Black's point is F1 = C7, on line 3; White takes the better of C7
# and C6.  Black to move: side 0's candidate is Black's better point, side
# 1's is C7.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:own-best D4 F4 F5 F4 [C7 R=r:13]
call WeakGunKankeiMoves:opp-best D4 C7 C7 C6 [C7=r:13 F4|C7=r:13 F5]

[weak-pair-large-knights-move-white-to-play]
# The same with White to play: side 0's candidate is White's F5, side 1's
# White's better point of C7 and C6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:own-best D4 F4 F5 F4 [C6 F4=r:13|C7 F4=r:13]
call WeakGunKankeiMoves:opp-best D4 C7 C7 C6 [F4 R=r:13]

[weak-pair-large-knights-move-neutral-corner]
# As above with Black's H7 two to the right of F7 (a group of its own, too
# far from D4 for any relation): F7 is now next to White's E7 and a
# one-space jump from Black's H7, near to both colours, so its area value
# is 0 (and stays 0: a stone is next to it).  F4 is on line 4: White's
# point on side 0 is G0 = F5.  White to play: side 0's candidate is F5,
# worth Black's better gain at F4 or F5 plus White's at F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:own-best D4 F4 F5 F5 [C6 F5=r:13|C7 F5=r:13]

[weak-pair-large-knights-move-neutral-corner-black-to-play]
# The same with Black to play: side 0's candidate is Black's better point,
# its value now counting White's gain at F5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:own-best D4 F4 F5 F5 [C7 R=r:13]

[weak-pair-two-three-shape]
# Black's C3 and White's E6 in the (2,3) shape: W1 D3, W2 E3, W4 D4, W5 E4,
# W6 C5, W9 C6, W10 D6.  Side 1 (E = E3, line 3, nothing around it): E3 is
# two from C3 and three below E6.  Black's point is W5 = E4 (the far corner C6
# holds no black stone).  White's: the jump from E6 down to E3 is free (no
# black stone on D3-F6 nor on C4, C5, G4, G5), and beyond D3 from E4 (C2) is
# no white stone: E3.  Side 2 (E = C6): C6 is three above C3 and the jump is
# free of white stones (B3-D6, A4, A5, E4, E5), E7 beyond D6 from C5 is
# empty: Black's point C6.  White's is W6 = C5 (the far corner E3 is empty).
# Black's candidates: E4 (Black's gain at E4 + White's at E3) and C6 (Black's
# at C6 + White's at C5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 E4 E3 E4 [C6 E4=r:13]
call WeakGunKankeiMoves:pair C3 C6 C5 C6 [C6=r:13 E4]

[weak-pair-two-three-shape-white-to-play]
# The same with White to play: White's moves of the two pairs, E3 and C5,
# at the same values.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 E4 E3 E3 [C5 E3=r:13]
call WeakGunKankeiMoves:pair C3 C6 C5 C5 [C5=r:13 E3]

[weak-pair-two-three-shape-stone-beyond-the-jump]
# White's C2 under Black's C3 (their contact reads nothing: the points
# beside them on line 2 are too low, and no stone stands on the lines
# beside): on side 1 White's jump from E6 down to E3 is still free, and
# the point beyond D3 (W1) from E4 (W5), C2, now holds White's stone: White's
# point is D3.  White to play: candidates D3 (Black's gain at E4 + White's
# at D3) and C5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 E4 D3 D3 [C5 D3=r:13]

[weak-pair-settled-before-the-escape-jump]
# Black's C4 and White's E2 in the (2,2) shape (both corners read, as
# above), with Black's C9 five lines above C4, a group of its own with a
# wide region (eye value 4 or more).  C6 is a one-space jump from C4 with
# all eight points around it empty and a two-space relation to C9: an
# escape jump toward a living group.  But Black's moves of both pairs (C2
# and E4) leave the group not weak, so they are added and the jump is not
# looked for.
black to play
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 E4 E4 E4 [C2 E4=r:13]

[weak-pair-one-space-jump-open-sides]
# Black's D5 and White's F5 a one-space jump apart (gap E5).  Both sides are
# open: Q = E3 / E7 (line 3), QA = D3 / D7, QB = F3 / F7, nothing around Q,
# no white stone around QA, no black one around QB.  Neither group is weak
# and Q is not on line 5: each colour reaches out to Q.  Black at Q makes
# QA Black's area (next to Q, and the diagonal scan toward F5 stops at Q),
# White at Q makes QB White's likewise: both read at Q, and the regions are
# far from 70 points.  The engine's point is Q, worth both colours' gains
# at Q, at most 50.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:ikken D5 E3 E3 E3 [E3=r:13 E7]
call WeakGunKankeiMoves:ikken D5 E7 E7 E7 [E3 E7=r:13]

[weak-pair-one-space-jump-open-sides-white-to-play]
# The same with White to play: the same points and values.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:ikken D5 E3 E3 E3 [E3=r:13 E7]
call WeakGunKankeiMoves:ikken D5 E7 E7 E7 [E3 E7=r:13]

[weak-pair-one-space-jump-two-stones-against-one]
# Black's C5-D5 (two stones, the engine's) against White's lone F5: the
# value of each side is halved twice, once a stone of the engine's group.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:ikken:halved2 D5 E3 E3 E3 [E3=r:13 E7]
call WeakGunKankeiMoves:ikken:halved2 D5 E7 E7 E7 [E3 E7=r:13]

[weak-pair-one-space-jump-line-five]
# Black's D3 and White's F3 (gap E3).  Upward Q = E5 is on line 5 and QA =
# D5, QB = F5 on line 4, with no stone around them: neither colour reaches
# out to Q, Black reads QA = D5, White QB = F5.  Downward Q = E1 is on line
# 1: the edge reading runs on N = E2 (two stones around it), both colours
# gain there.  Black's candidates: D5, worth Black's gain at D5 + White's at
# F5 (at most 50), and E2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:ikken D3 D5 F5 D5 [D5=r:13 E2]

[weak-pair-one-space-jump-line-five-white-to-play]
# The same with White to play: White's candidate on the upper side is F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:ikken D3 D5 F5 F5 [E2 F5=r:13]

[weak-pair-one-space-jump-line-five-own-stone-near]
# Black's C6 stands around QA = D5 (its (3,3) diagonal to F3 is no pattern):
# Black now reaches out to Q = E5, which makes D5 Black's area: Black's
# point is E5, worth Black's gain at E5 + White's at F5.  C6 is linked to
# D3 (a large knight's move with nothing between), so the engine's group
# has two stones against White's one: the value is halved twice.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:ikken:halved2 D3 E5 F5 E5 [E2 E5=r:13]

[weak-pair-three-space-jump-on-the-third-line]
# Black's C3 and White's G3 both on line 3: the three-space pattern reads
# nothing, and no other relation gives a move.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 E3 E3 E3 [none]

#   call WeakGunKankeiMoves:three-space V M N1 O1 N2 O2   the three-space
#       jump from the group's stone at V, one side of it: M beside the
#       middle gap, N1 beside the gap next to V's stone, O1 beside that
#       stone, N2 and O2 the same at the other stone.  The group's colour c
#       tries M (e1, its evaluation after its move) and N2 with the other
#       colour's answer at O2; the other colour o tries M (e2) and N1
#       answered at O1.  Each side's point is its better try (M on ties);
#       the pair's value v is the sum of both sides' best, at least 0.  The
#       engine's tries are candidates with their own values, and its move of
#       the pair adds v at its point, where the larger stays.  Answer: the
#       engine's tries as "M=f N=f" (N = N2 for c, N1 for o) against these
#       formulas, other candidates by their points

[weak-pair-three-space-jump]
# Black's D5 and White's H5 a three-space jump apart on line 5 (D5 on line
# 4, H5 on line 2: not both on line 3; nothing beside either stone).  The
# group is not weak, so both sides are read.  Lower side: M = F4 with all
# eight points around it empty, N1 = E4 and N2 = G4 with seven or more
# around and four empty neighbours each, O1 = D4, O2 = H4.  The upper side
# likewise (F6, E6, D6, G6, H6).  Black to play: Black's tries F4 and G4
# are candidates.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:three-space D5 F4 E4 D4 G4 H4 [F6 G6 M=f N=f]
call WeakGunKankeiMoves:three-space D5 F6 E6 D6 G6 H6 [F4 G4 M=f N=f]

[weak-pair-three-space-jump-white-to-play]
# The same with White to play: White's tries M and N1 (E4 / E6, answered
# by Black at D4 / D6) are the candidates.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:three-space D5 F4 E4 D4 G4 H4 [E6 F6 M=f N=f]
call WeakGunKankeiMoves:three-space D5 F6 E6 D6 G6 H6 [E4 F4 M=f N=f]

[weak-pair-diagonal]
# Black's D4 and White's E5 diagonal: crossing points D5 and E4.  Side D5:
# Y = C6 (diagonal to D5 away from both stones), empty with nothing around
# it, and neither far point (E6, C4) holds the stone's colour.  Each stone
# has four liberties, so each colour reads the push and block: Black's
# knight's move to C6, White's push at D5, Black's block at C5 and White's
# extension to C4 leave C4 with two liberties (B4, C3) that no ladder
# takes (either atari leaves the extended chain three liberties), and the
# pushing stones D5-E5 have four: no ladder, so Black's point is the
# crossing point D5 itself (the point beyond E5 from E4, E6, is empty).
# White's reading at C6, D5 (Black's push), D6, E6 likewise finds no
# ladder on E6 (E7/F6): White's point is D5 too.  Side E4 is the mirror
# image (Y = F3; the extensions D3 and F5 escape): E4 for both.  Every
# value is both colours' gains at the crossing point (neither negative, no
# nearly dead group after them).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair D4 D5 D5 D5 [D5=r:13 E4]
call WeakGunKankeiMoves:pair D4 E4 E4 E4 [D5 E4=r:13]

[weak-pair-diagonal-white-to-play]
# The same with White to play: the same points and values.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair D4 D5 D5 D5 [D5=r:13 E4]
call WeakGunKankeiMoves:pair D4 E4 E4 E4 [D5 E4=r:13]

#   call WeakGunKankeiMoves:two-space V L1 T0 T1 L2 T2 T3   the two-space
#       jump from the group's stone at V, one side of it: L1 and L2 beside
#       the gaps (next to V's stone, next to the other stone), T0 to T3 two
#       lines out at the four steps.  The group's colour c tries L1, T0, T1
#       and L2, the other colour o tries L2, T3, T2 and L1, each valued by
#       the mover's evaluation after that move; each side's point is its
#       first best try, v = the sum of both sides' best (halved when either
#       is negative, at least 0).  The engine's tries are candidates at
#       their own values, its side's point at the larger of its try and v:
#       "P=f" against these formulas, other candidates by their points

[weak-pair-two-space-jump]
# Black's D5 and White's G5 a two-space jump apart (gaps E5 and F5; D5 on
# line 4, G5 on line 3, so neither line-2 nor line-3 pair reading follows,
# and D5 is not on line 3: no two-space extension either).  Both sides are
# open: above, L1 = E6, L2 = F6, T0..T3 = D7, E7, F7, G7; below, E4, F4 and
# D3..G3.  Every try is open: T0 and T3 have eight empty points around,
# T1, T2, L1 and L2 four empty neighbours, and the points beyond the guard
# (F8, E8 above; F2, E2 below) are empty, so no answer is played.  The
# two-space shape records no pair, and no escape jump leads to another
# black group: the pattern's own candidates stand.  Black to play: Black's
# four tries on each side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:two-space D5 E6 D7 E7 F6 F7 G7 [D3 D7=f E3 E4 E6=f E7=f F4 F6=f]
call WeakGunKankeiMoves:two-space D5 E4 D3 E3 F4 F3 G3 [D3=f D7 E3=f E4=f E6 E7 F4=f F6]

[weak-pair-two-space-jump-white-to-play]
# The same with White to play: White's four tries on each side (F6, G7,
# F7, E6 above; F4, G3, F3, E4 below).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:two-space D5 E6 D7 E7 F6 F7 G7 [E4 E6=f F3 F4 F6=f F7=f G3 G7=f]
call WeakGunKankeiMoves:two-space D5 E4 D3 E3 F4 F3 G3 [E4=f E6 F3=f F4=f F6 F7 G3=f G7]

#   call WeakGunKankeiMoves:contact V P Q M   the contact of the group's
#       stone at V with a stone of the other colour: r = (A + B) x 4 div 5,
#       A = c's evaluation after c at P, B = o's after o at Q; the
#       candidate at M as "M=r:13", others by their points

[weak-pair-contact]
# Black's D5 and White's E5 side by side on line 5 (three liberties each,
# no atari anywhere).  Below them: bA = D4, bB = E4 (line 4), fA = D3 and
# fB = E3 empty with nothing around them.  Black's hane at E4 makes D4
# firm: D4 is next to D5 and E4, and its diagonal toward E5 is closed by
# them, so it is +1, and its other neighbours C4 and D3 are Black's too
# (their scans toward E5 stop at Black's stones): doubled to +2, and Black
# reads at E4.  White's hane at D4 makes E4 firm for White likewise: White
# reads at D4.  The same above (E6 for Black, D6 for White).  The second
# look along the sides finds no stone on the lines beside: nothing more.
# The contact records no pair and adds its point directly: for Black to
# play E4 and E6, each worth (Black's gain + White's gain) x 4 div 5.
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
call WeakGunKankeiMoves:contact D5 E4 D4 E4 [E4=r:13 E6]
call WeakGunKankeiMoves:contact D5 E6 D6 E6 [E4 E6=r:13]

[weak-pair-contact-white-to-play]
# The same with White to play: White's hanes D4 and D6 at the same values.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:contact D5 E4 D4 D4 [D4=r:13 D6]
call WeakGunKankeiMoves:contact D5 E6 D6 D6 [D4 D6=r:13]

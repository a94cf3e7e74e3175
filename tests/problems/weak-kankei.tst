# Relation moves of a weak group (the weak-group generator's relation step):
# the cases that the pair rows of generators-more.tst leave open.  The
# diagonal contact where a ladder or a refused extension decides the point,
# and the block chosen when a stone stands behind the other stone; the
# three-space jump of a weak group, which only tries the middle gap; the
# (2,2) and (2,3) shapes with a stone on the far corner; the (1,3) shape
# when the extension and the small jump read alike.  The answers are worked
# out from the shapes by hand, the values from the evaluations after the
# moves the generator reads.
#
#   call WeakGunKankeiMoves:pair V P Q M   (generators-more.tst) A = c's
#       evaluation after c at P, B = o's after o at Q (c the colour of the
#       group at V, o the other), r = A + B, a negative r counted 0; the
#       candidate at M as "M=r:13", the others by their points
#   call GunKankei5Utu:pair A B   (shapes-roles.tst) the pairs the (2,2)
#       pattern records for the group's stone A against B, as "black's
#       move/white's move"
#   call WeakGunKankeiMoves:kosumi V P Q M   the diagonal contact of V's
#       stone: A (c after c at P) + B (o after o at Q), halved when either is
#       negative; the candidate at M as "M=r:13", others by their points,
#       then "plain" (A and B both 0 or more) or "negative"
#   call WeakGunKankeiMoves:middle-try V M   r = the engine's evaluation
#       after its move at M + the opponent's after its move at M (a sum of 0
#       written -1); "M=r:13", others by their points, then "weak" when the
#       group at V is weak (TGun::IsWeak), else "strong"
#   call WeakGunKankeiMoves:own-tie V P1 P2 Q   c takes the better of P1
#       and P2 by its evaluation (P1 on ties), o's point is Q; r = c's best
#       + o's evaluation at Q, at least 0; the engine's point of the pair as
#       "M=r:13", others by their points, then "tie" when c's two
#       evaluations are equal, else "apart".  opp-tie V P Q1 Q2: c's point is
#       P and o takes the better of Q1 and Q2

# --- Diagonal contact: the ladder after the push and block ------------------
# Each colour's reading on a side: it plays the knight's move Y (the point
# diagonal to the crossing point X away from both stones), the other colour
# pushes at X, it blocks in front of the push and the other colour extends
# beside its stone.  When the extension is refused, or the extended stone
# (else the pushing stones) is taken by the ladder, its point is Y, valued
# with Y alone on the board.  Otherwise its point is the block when the
# point behind the other stone (away from the other crossing point) holds a
# stone, else X itself.  A colour whose chain has four or more liberties
# always reads so.  The pair's value is both colours' gains at their points.

[weak-kosumi-stone-behind-the-other]
# Black's D4 and White's E5-E6.  Side D5 (Y = C6; neither E6-from-D4 nor
# C4-from-E5 holds the stone's colour beyond the block): Black plays C6,
# White pushes at D5, Black blocks at C5 and White extends to C4, which
# keeps two liberties (B4, C3) but escapes either atari with three, and the
# pushers D5-E5-E6 have plenty: no ladder.  Behind White's E5 away from E4
# stands White's E6: Black's point is the block C5.  White's reading: White
# C6, Black D5, White D6, and Black's extension at E6 is refused (White's
# own stone): White's point is C6.  Side E4 (Y = F3): Black F3, White E4,
# Black E3, White D3 (liberties C3, D2: escapes); F5 behind E5 is empty:
# Black's point is E4.  White F3, Black E4, White F4, Black F5: F5 has two
# liberties (G5, F6) and the ladder takes it (G5, F6, F7, G6, H6, G7, G8,
# H7, H8, J7 ... against the upper edge, E6 closing the first turn): White's
# point is F3.  Black to play: C5 (Black's gain at C5 + White's at C6) and
# E4 (Black's at E4 + White's at F3).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:kosumi D4 C5 C6 C5 [C5=r:13 E4 plain]
call WeakGunKankeiMoves:kosumi D4 E4 F3 E4 [C5 E4=r:13 plain]

[weak-kosumi-stone-behind-the-other-white-to-play]
# The same with White to play: White's points C6 (the refused extension)
# and F3 (the ladder), at the same values.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:kosumi D4 C5 C6 C6 [C6=r:13 F3 plain]
call WeakGunKankeiMoves:kosumi D4 E4 F3 F3 [C6 F3=r:13 plain]

[weak-kosumi-ladder-to-the-corner]
# Black's D4-D3 and White's E5.  Side D5 (Y = C6): Black C6, White D5,
# Black C5, White C4: C4 has two liberties (B4, C3) and the ladder takes it
# (B4, C3, C2, B3, B2, A3 ... with D3 closing the way down): Black's point
# is C6.  White's reading: White C6, Black D5 (joining D4-D3), White D6,
# Black E6 with two liberties (F6, E7), which escapes either atari; the
# pushers have five: no ladder, C4 behind D4 is empty: White's point is D5.
# Side E4 (Y = F3): Black F3, White E4, Black E3, and White's extension at
# D3 is refused (Black's stone): Black's point is F3.  White F3, Black E4,
# White F4, Black F5 (liberties G5, F6: escapes); behind Black's D4 away from
# D5 stands Black's D3: White's point is the block F4.  Black to play: C6
# (Black's gain at C6 + White's at D5) and F3 (Black's at F3 + White's at
# F4).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:kosumi D4 C6 D5 C6 [C6=r:13 F3 plain]
call WeakGunKankeiMoves:kosumi D4 F3 F4 F3 [C6 F3=r:13 plain]

[weak-kosumi-ladder-to-the-corner-white-to-play]
# The same with White to play: White's points D5 and the block F4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:kosumi D4 C6 D5 D5 [D5=r:13 F4 plain]
call WeakGunKankeiMoves:kosumi D4 F3 F4 F4 [D5 F4=r:13 plain]

# --- Three-space jump of a weak group: only the middle gap --------------------
# The patterns of a weak group's stones get the weak flag; a three-space
# jump with the weak flag and the seven points S3 to S9 of its strip empty
# (the gaps and the points beside them, and the point beside the gap next
# to the other stone on the low side) only tries the middle gap S7, as a
# candidate of its own (both colours' plays there), and records no pair.

[weak-three-space-middle-gap]
# Black's C2 below White's B5-C5-D5 (a lone stone on the second line with a
# small region: eye value below 4, death level above 6: weak), and White's
# G2 a three-space jump away on line 2 (not both on line 3; C3, C1 hold no
# White stone, G3, G1 no Black one; D3 to F3, D2 to F2, D1, E1 empty).  The
# middle gap E2 is tried: Black's gain at E2 + White's gain at E2, Black's
# E2 leaving no nearly dead group.  With the weak flag unset the lower side
# (E3 free, D3 and F3 with seven empty points around) would be read instead.
# C2's (1,3) relation to D5 records its own pair at E3 (Black's move E3
# leaves the group not weak): a point of its own.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . . . . . . . . .
call WeakGunKankeiMoves:middle-try C2 E2 [E2=r:13 E3 weak]

[weak-three-space-middle-gap-white-to-play]
# The same with White to play: the try is White's, at the same point and
# value (both colours' plays at E2).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . O . .
  . . . . . . . . .
call WeakGunKankeiMoves:middle-try C2 E2 [E2=r:13 E3 weak]

[weak-three-space-middle-gap-white-group]
# The colours exchanged: White's weak C2 under Black's wall and Black's G2,
# Black to play: the middle gap E2 again.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . X . .
  . . . . . . . . .
call WeakGunKankeiMoves:middle-try C2 E2 [E2=r:13 E3 weak]

# --- (2,2) shape, a stone on the far corner ---------------------------------
# The corner E of the side read is empty; the other corner E' holds a stone.
# Both colours' gains are read at E.  When the group's colour c is the
# engine's and E' holds c, c's move is the inner point I beside E (on the
# side of the group's stone when c is Black, of the other stone when c is
# White) when I has seven empty points around it.  When c is not the
# engine's and E' holds the other colour o, c's move is the other inner
# point I'; the engine's (o's) move stays E.  The box: W0 = the group's
# stone A, W8 = the other stone B, W2 and W6 the corners, W1/W5 beside W2
# (next to A / next to B), W3/W7 beside W6.

[weak-two-two-far-corner-low-side]
# Black's C4 and White's E2 (W2 = E4, W6 = C2, W3 = C3, W7 = D2).  Black's
# E4 holds the corner W2: only the side of C2 is read (line 2, nothing
# around it).  Black to play and Black on the far corner: Black's move is
# W3 = C3 (seven empty points around it, C4 the eighth), White's C2.  The
# candidate C3 is worth Black's gain at C2 + White's at C2.  E4's one-space
# jump to E2 records a pair at G3 (a point of its own).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 C2 C2 C3 [C3=r:13 G3]
call GunKankei5Utu:pair C4 E2 [C3/C2]

[weak-two-two-far-corner-low-side-white]
# The colours exchanged, White to play: White's move is W7 = D2 (beside
# Black's E2, seven empty points around it), worth White's gain at C2 +
# Black's at C2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 C2 C2 D2 [D2=r:13 G3]
call GunKankei5Utu:pair C4 E2 [C2/D2]

[weak-two-two-far-corner-held-by-the-engine]
# Black's C4 and White's E2 with White's C2 on the corner W6, White to play:
# the group's colour is not the engine's and the far corner holds White's
# stone: Black's move is W5 = E3 (beside White's E2; seven empty points
# around it), White's the corner E4 itself.  White's candidate E4 is worth
# Black's gain at E4 + White's at E4.  C4's one-space jump to C2 reads the
# edge point B3 (a point of its own).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 E4 E4 E4 [B3 E4=r:13]
call GunKankei5Utu:pair C4 E2 [E3/E4]

[weak-two-two-far-corner-held-by-the-engine-white-group]
# The colours exchanged, Black to play: White's move is W1 = D4 (beside
# White's own C4), Black's E4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 E4 E4 E4 [B3 E4=r:13]
call GunKankei5Utu:pair C4 E2 [E4/D4]

[weak-two-two-far-corner-held-by-the-engine-low-side]
# White's E4 on the corner W2, White to play: the side of C2 is read;
# Black's move is W7 = D2 (beside E2), White's C2, worth Black's gain at
# C2 + White's at C2.  The one-space jump C4-E4 records a pair at D6 (a
# point of its own).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 C2 C2 C2 [C2=r:13 D6]
call GunKankei5Utu:pair C4 E2 [D2/C2]

[weak-two-two-far-corner-held-by-the-engine-low-side-white-group]
# The colours exchanged, Black to play: White's move is W3 = C3 (beside
# its own C4), Black's C2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C4 C2 C2 C2 [C2=r:13 D6]
call GunKankei5Utu:pair C4 E2 [C2/C3]

# --- (2,3) shape, a stone on the far corner ---------------------------------
# A = the group's stone, B = the other stone; W0 = A, W11 = B, three lines
# along the long side (A's line W3k, the middle W3k+1, B's line W3k+2).  On
# the side where the corner E lies two from a colour's stone (side 1 for
# A, E = W2; side 2 for B, E = W9), that colour's point is the box point
# W5 / W6 beside E, but when the far corner (W9 / W2) holds its own stone:
# E itself, or W4 / W7 when the point beyond its stone from W1 / W10 holds
# the other colour.  Where E lies three from a stone, the free jump decides.

[weak-two-three-own-far-corner]
# Black's C3 and White's E6 (W1 D3, W2 E3, W4 D4, W5 E4, W9 C6, W10 D6).
# Black's C6 holds W9: only side 1 (E = E3, nothing around it) is read.
# Black's point: the far corner is Black's and B3 beyond C3 from D3 is
# empty: E3.  White's: E3 is three below E6 and the jump is free of Black
# stones (D3-F6, C4, C5, G4, G5), C2 beyond D3 from E4 is empty: E3.  The
# candidate E3 is worth Black's gain at E3 + White's at E3.  C6's one-space
# jump to E6 reads the edge point D7 (a point of its own).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 E3 E3 E3 [D7 E3=r:13]

[weak-two-three-own-far-corner-stone-behind]
# As above with White's B3 beside C3 (the contact reads nothing: the points
# beside the two stones are on line 2): beyond C3 from D3 holds White, so
# Black's point is W4 = D4, worth Black's gain at D4 + White's at E3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 D4 E3 D4 [D4=r:13 D7]

[weak-two-three-other-far-corner]
# Black's C3 and White's E6 with White's E3 on W2: only side 2 (E = C6,
# nothing around it) is read.  Black's point: C6 is three above C3 and the
# jump is free of White stones (B3-D6, A4, A5, E4, E5), E7 beyond D6 from C5
# is empty: C6.  White's: the far corner is White's and F6 beyond E6 from
# D6 is empty: C6.  White to play: C6, worth Black's gain at C6 + White's at
# C6.  The one-space jump C3-E3 reads the edge point D2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 C6 C6 C6 [C6=r:13 D2]

[weak-two-three-other-far-corner-stone-behind]
# As above with Black's F6 beside E6: White's point is W7 = D5, worth
# Black's gain at C6 + White's at D5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:pair C3 C6 D5 D5 [D2 D5=r:13]

# --- (1,3) shape: the extension and the small jump read alike -----------------
# Black's J8 and White's K5 on 13 x 13 (long axis vertical, K to the right
# of J).  A lone stone in the open is weak for the patterns (its eye value
# rests on one small region), so the far points count only on line 3.
# Side 0: F0 = L8 two right of J8, G0 = L7; Black takes the better of L8
# and L7, L8 on a tie; White's point is F0 = L8, on line 3.  Side 1: F1 =
# H5 two left of K5, G1 = H6; Black's point is G1 = H6 (H5 not on line 3,
# the group weak); White takes the better of H5 and H6, H5 on a tie.  Both
# colours' two tries read alike here ("tie").

[weak-large-knight-tie-black-to-play]
# Black to play: side 0's candidate is Black's L8 (the tie keeps F0), worth
# Black's gain at L8 + White's at L8; side 1's is Black's H6.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call WeakGunKankeiMoves:own-tie J8 L8 L7 L8 [H6 L8=r:13 tie]
call WeakGunKankeiMoves:opp-tie J8 H6 H5 H6 [H6=r:13 L8 tie]

[weak-large-knight-tie-white-to-play]
# White to play: side 1's candidate is White's H5 (the tie keeps F1), worth
# Black's gain at H6 + White's at H5; side 0's is White's L8.
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call WeakGunKankeiMoves:opp-tie J8 H6 H5 H6 [H5=r:13 L8 tie]
call WeakGunKankeiMoves:own-tie J8 L8 L7 L8 [H5 L8=r:13 tie]

# --- Which pairs are kept -------------------------------------------------
#   call WeakGunKankeiMoves:kept V P Q M W...   r = c's evaluation after c
#       at P + o's after o at Q, a negative r counted 0; "M=r:13", others by
#       their points; then for each W "W:settled" when c's move at W leaves
#       the group there no longer weak, else "W:weak" (the premise)
# The step keeps a recorded pair only when the group's colour, playing its
# own move of the pair, leaves the group no longer weak; only when no pair
# is kept (and no escape jump is found) are all of them proposed.

[weak-kept-pairs-only-the-settling-move]
# Black's F3 on the third line between White's D2 (a knight's move) and
# G2 (diagonal): a lone stone with little room, weak.  The diagonal: side
# F2 has its knight's-move point E1 on line 1 (not read); side G3 (Y = H4,
# nothing around it).  Black H4, White G3, Black G4, White F4: F4 keeps two
# liberties (E4, F5) and escapes either atari; no ladder, H2 behind G2 is
# empty: Black's point is G3.  White H4, Black G3, White H3, Black H2:
# H2 has two liberties (J2, H1) in the corner and is caught: White's point
# is H4.  The knight's move: side 1's corner F1 is on line 1; side 2 (E =
# D4, F2 empty, nothing around D4): Black's point D4; White's is D4 too
# (Black to play: no trial of White's; C5 has one White stone in the (1,3)
# shape, not two; D4 is on line 4).  Black's G3 leaves F3-G3 pressed
# against the second line, still weak; Black's D4 gives the group room
# toward the centre and settles it: only the pair at D4 is kept, worth
# Black's gain at D4 + White's at D4.  (Black at White's point H4 would
# settle the group too: the move tried is the group's colour's own move of
# each pair, G3.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . O . .
  . . . . . . . . .
call WeakGunKankeiMoves:kept F3 D4 D4 D4 G3 D4 H4 [D4=r:13 G3:weak D4:settled H4:settled]

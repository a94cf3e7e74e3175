# Weak groups: the two-space extension against the opponent's lone stone,
# the pair treatment that stops at a capture answer, the relation moves
# when none of them settles the group, and the best extension the link
# generators take from a group.  The answers are worked out by hand from the
# routines' rules; what the analysis and the evaluation give (eye values,
# whether a group is weak, the value of a capture answer) is stated as a
# premise.
#
#   call WeakGunNiken V   (as in generators.tst) the two-space extensions of
#       the group at V: "point:reason"
#   call WeakGunPair:cover V W   (as in generators-cover.tst) the engine's
#       weak group at V against the enemy group at W: the candidates by their
#       points
#   call WeakGunKankeiMoves:pair V P Q M   (as in generators-more.tst) the
#       relation moves of the weak group at V: the candidate at M as "M=r:13"
#       with r = the group's colour's evaluation after its play at P plus the
#       other colour's after its play at Q, the others by their points
#   call WeakGunThink:marks   (as in weak-pin4.tst) the generator over the
#       whole board: the pending entries it marked answered, as "kind/A" (an
#       off-board point written "(x,y)", y counted from the top)
#   call PairAnswerRange:N V   (as in generators.tst) the link entries of
#       mode N answered inside the area of the group at V, as "kind/A/B"
#   call WeakGunHirogeru:probe V P...   (as in generators-probe.tst) the
#       extensions of the weak group at V, added under reason 13, read at the
#       points P... alone: "P=value" ("P=none")
#   call WeakGunHirogeru:points V   (as in generators-cover.tst) the
#       extensions of the group at V: the candidates by their points
#   call KohoDoubleScan:links-raised P...   (as in weak-pin4.tst) links of the
#       side to move worth 2 at P... (in that order), then the double-move
#       pass: "P=v" when the link kept its value v, "P=up" when the pass
#       raised it
#   call GunHirogeruBest V   the best extension of the group at V: its point
#       ("none")
#   call GunHirogeruBest V P...   the best extension of the group at V, the
#       points P... being its related points of kinds 3, 4 and 6 with eight
#       empty points around them, in the order of its related points (rows
#       from the top, left to right): "top10" when the answer is the first of
#       P1..P10 whose reading (the group's colour's evaluation after its play
#       there) is the largest among those ten, else its point ("none"); then
#       "within" when no later point reads more than that, else "beyond"

# --- The two-space extension of the opponent: eight empty points around ----------
# Black's lone G3 on the 3-3 point of the lower right, White to play: Black's
# group is the opponent's.  Its two-space extensions on line 3 are D3 (gap
# points F3, E3) and G6 (gap points G4, G5); no White stone stands beside a
# gap point and G3's chain has four liberties.  Against the opponent's
# extension the point must have all eight surrounding points empty, and the
# move is the gap point next to the extension point when that gap point has
# a relation of kind 6 or less to a White stone, else the extension point.

[niken-opponent-extensions-both-open]
# Nothing else on the board: neither gap point next to an extension point (E3,
# G5) is related to a White stone, so both moves are the extension points.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken G3 [D3:13 G6:13]

[niken-opponent-extension-with-a-stone-diagonal-beyond]
# White's C4 stands diagonally beyond D3, up and to the left of it (the last of
# the eight points around D3): D3 no longer has eight empty points around
# it and that extension is dropped.  C4 is off both strips.  G6 stays; the
# gap point next to it, G5, is four and one from C4 (kind 11), no relation of
# kind 6 or less to a White stone, so the move is G6 itself.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken G3 [G6:13]

# --- The weak pair stops at a capture answer --------------------------------------
[weak-pair-stops-after-the-capture-answer]
# Black's D4, C5 and D6 around White's D5, White's E6 diagonal to D5, Black to
# play.  White's D5 is in atari with its liberty E5: the pending capture
# entry of kind 21 with E5 as its point.  Black's group at D4 is the own
# group, White's at D5 the enemy.  Step 1 answers the capture entries whose
# point lies in the own group's area: E5 is diagonal to D4, related to it,
# so the atari entry is answered and proposes E5.  Premise: the answer at
# E5 is worth 37 (value times ten 370, at least 220), so the first candidate
# added for the pair reaches 220 and the pair stops there: the relation
# patterns between the two groups are not run, E5 is the only candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . X O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover D4 D5 [E5]

# --- The relation moves: no move settles the group, every pair proposed ------------
# Black's lone E5 on 9x9 with White's C8, G8 and C2, each two and three from
# it (kind 8), and White's G1, two and four from it (kind 12, which no
# relation pattern reads).  As in wide-pin.tst each (2,3) stone gives two
# pairs: its far corner three from E5 along E5's line (E8 for C8 and G8, E2
# for C2) is Black's point and White's the point beside it toward White's
# stone (E7, E3); the near corner three from White's stone along its line
# (C5 for C8 and C2, G5 for G8) is White's point, and Black's the point
# beside it toward White's stone (C6, G6, C4).  Each pair's value is Black's
# evaluation after its point plus White's after its point.  Premise: after
# any of Black's moves its group is still weak, and no Black group lives
# near E5 (no escape jump toward one): every pair's move of the engine's
# colour is proposed with the pair's value, C2's last pair (E2 for Black, E3
# for White) included.

[relation-moves-none-settles-three-stones]
black to play
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . O . .
call WeakGunKankeiMoves:pair E5 E2 E3 E2 [C4 C6 E2=r:13 E8 G6]

[relation-moves-none-settles-three-stones-white]
# White to play: White's points of the pairs, C5 (for C8 and for C2), E7 (for
# C8 and for G8), G5 and E3.
white to play
  . . . . . . . . .
  . . O . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . O . .
call WeakGunKankeiMoves:pair E5 E2 E3 E3 [C5 E3=r:13 E7 G5]

# --- The best extension: ten points at most -------------------------------------
[hirogeru-best-center-stone-sixteen-points]
# Black's lone E5 in the middle of the empty 9x9 board.  Its related points
# with eight empty points around them: the two-space jumps E8, B5, H5, E2
# (line 2), the one-space jumps E7, C5, G5, E3 and the eight knight's moves;
# sixteen in all, in the order of the rows from the top: E8; D7 E7 F7; C6
# G6; B5 C5 G5 H5; C4 G4; D3 E3 F3; E2.  Only the first ten (E8 to H5) are
# tried, and the best of them is kept, the first on ties.  Each of the six
# left out is the mirror image (top to bottom) of one of the first ten (C4
# of C6, G4 of G6, D3 of D7, E3 of E7, F3 of F7, E2 of E8), so it reads the
# same: none reads more.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunHirogeruBest E5 E8 D7 E7 F7 C6 G6 B5 C5 G5 H5 C4 G4 D3 E3 F3 E2 [top10 within]

# --- The fifth step of a lone weak group: the far link entries --------------------
[think-lone-weak-group-answers-far-links-in-step-five]
# White's E4 and F5 (diagonal, one group) with Black's D6 and G3 apart, Black
# to play.  The analysis: White's group has eye value 0 and death level 6
# (weak); Black's G3 eye value 3 and death level 52 (weak); Black's D6 eye
# value 6 (not weak).  The pending entries: White's three-space jumps to
# the edge, F5 to the right edge (kind 10, A the off-board point (10,5)
# beside J5) and E4 to the bottom edge (kind 10, A = (5,10) below E1); no
# link entry of kind 7 or less and no capture entry.  No White chain touches
# a Black one, so each weak group goes alone.  White's group (numbered
# before G3): steps 1 and 2 find nothing of theirs (no capture entry, no link
# entry of kind 7 or less); premise: steps 1 to 4 give no candidate of score
# 260 or more; step 5 answers the entries of kind 8 and more whose on-board
# point lies in the area: F5 and E4 are the group's own stones, so both
# jumps are marked.  G3 then finds them answered.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunThink:marks [10/(10,5) 10/(5,10)]
call PairAnswerRange:1 E4 [none]
call PairAnswerRange:2 E4 [10/(10,5)/F5 10/(5,10)/E4]

# --- The double-move pass: a double move worth exactly 25 -------------------------
# Black to play, Black's A2 and B1 in the lower left corner.  Premises, the
# evaluation for Black after Black's two moves: B9 then D9 gives 25, B9 then
# D1 gives 26.  A double move counts as a hit only when it is worth more
# than 25.

[double-links-worth-exactly-25-no-hit]
# B9 with D9, worth 25, is no hit: no point has a hit, nothing is added and
# both links keep their value 2.
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
call KohoDoubleScan:links-raised B9 D9 [B9=2 D9=2]

[double-links-worth-26-one-hit]
# B9 with D1, worth 26, is a hit for both: the most hits is 1, and for our
# links a single hit divides the double move by 4: 26 / 4 = 6 for each,
# above their 2.
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
call KohoDoubleScan:links-raised B9 D1 [B9=up D1=up]

[hirogeru-best-two-space-jump-on-line-five-left-out]
# Black's lone E2 on line 2 with White's A3, D3, H3 and G5, Black to play.
# E2's related points of kinds 3, 4 and 6: the one-space jumps E4, C2 and
# G2, the knight's moves D4, F4, C3, G3, C1 and G1, the two-space jumps E5,
# B2 and H2.  White's D3 stands among the eight points around E4, D4, C3
# and C2, G5 around F4, H3 around G3, G2 and H2, A3 around B2; C1 and G1 lie
# on the edge (points around them off the board).  Only E5 has its eight
# surrounding points empty (White's D3, beside the gap point E3 on one side
# only, leaves E5's two-space relation to E2 standing), but E5 lies on line
# 5 and a two-space point is taken only on lines 2 to 4: nothing is tried.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  O . . O . . . O .
  . . . . X . . . .
  . . . . . . . . .
call GunHirogeruBest E2 [none]

[hirogeru-best-center-stone-tenth-point-counts]
# The same centre stone E5 with White's J1 in the far corner, off the
# surroundings of every point: the same sixteen points in the same order,
# the first ten tried.  Premises from the evaluation: H5, the tenth, reads
# more than each of the nine before it, and none of the six left out reads
# more than H5.  The answer is the first best of the ten: H5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
call GunHirogeruBest E5 E8 D7 E7 F7 C6 G6 B5 C5 G5 H5 C4 G4 D3 E3 F3 E2 [top10 within]
call GunHirogeruBest E5 [H5]

# --- The extension of a dying group: three levels nearer life is enough ------------
[hirogeru-dying-stone-jump-exactly-three-levels-better]
# Black's lone F5 among White's C8, G6, C4, E3, G3 and C2, White to play:
# Black's group is the opponent's.  Premises from the analysis: F5 has eye
# value 0 and death level 85; after Black's one-space jump D5 (played and
# analysed) the group D5-F5 has death level 82.  The jump D5: nothing of
# White's beside the gap point E5 (E6, E4), F6 and F4 not both White, D6 and
# D4 not both White; D5 has four empty neighbours; F5's chain has four
# liberties.  The death level 85 is above 70, so the jump must bring the
# group at least 3 levels nearer life: 82 is exactly 85 - 3, not above it,
# so D5 stays; White is the side to move, so no test of the 70 rule.  For
# the opponent's group the extension is added at the fixed value 25.
white to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . O . O . .
  . . O . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe F5 D5 [D5=25]

[hirogeru-dying-stone-at-71-knight-not-enough]
# Black's lone D4 among White's A8, D7, B6, A4, E3, E2, H2 and A1, White to
# play: Black's group is the opponent's.  Premises from the analysis: D4 has
# eye value 0 and death level 71; after Black's knight's move B3 (played
# and analysed) the group there (B3 with D4) has death level 75.  The
# knight's move B3 is on line 3; its rectangle's middle points C4 and C3 are
# not Black's capture points and the diagonal strip's middle cells hold no
# White stone; B3 has four empty neighbours and D4's chain four liberties.
# The death level 71 is above 70, so the move must bring the group at least
# 3 levels nearer life (68 or less): 75 is not, so B3 is dropped, and with
# it the rectangle point C3 that would come with it.
white to play
  . . . . . . . . .
  O . . . . . . . .
  . . . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  O . . X . . . . .
  . . . . O . . . .
  . . . . O . . O .
  O . . . . . . . .
call WeakGunHirogeru:probe D4 B3 C3 [B3=none C3=none]

[hirogeru-second-line-stone-knight-up-only]
# Black's lone F2 on line 2 among White's F5, H5, H4, D2, G2 and H2, White to
# play: Black's group is the opponent's.  Premises from the analysis: F2 has
# eye value 0 and death level 95; after Black's knight's move E4 (played and
# analysed) the group E4-F2 has death level 71.  F2's chain has three
# liberties.  Its extensions: the one-space jump F4 has White's F5 for a
# neighbour; the knight's moves G4 (White's H4 beside it), D3 (White's D2
# beside it) and H3 (White's H4 beside it) lack four empty neighbours, D1 and
# H1 lie on line 1; the two-space jumps need F2 on line 3.  The knight's move
# E4 (line 4) stays: its rectangle's middle points F3 and E3 are no Black
# capture points (no White chain has two liberties), the diagonal strip's
# middle cells G3 and D3 hold no White stone, E4 has four empty neighbours,
# and 71 is at least 3 below 95.  For the opponent's group E4 is added, and
# of the rectangle's middle points E3 (no Black neighbour); F3 touches F2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . O .
  . . . . . . . O .
  . . . . . . . . .
  . . . O . X O O .
  . . . . . . . . .
call WeakGunHirogeru:points F2 [E3 E4]

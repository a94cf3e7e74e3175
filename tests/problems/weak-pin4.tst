# Weak groups: the generator over the whole board, the pending vital points
# a weak group's area answers, the jump reading that the link generators
# take from a group, and the double-move pass over ten links.  The answers
# are worked out by hand from the routines' rules; what the analysis gives
# (eye values, death levels, the pending entries) is stated as a premise.
#
#   call WeakGunThink:marks   the generator over the whole board: the
#       pending entries it marked answered (1), as "kind/A" (A the entry's
#       first point; an off-board point is written "(x,y)", y counted from
#       the top)
#   call WeakGunPairAnswer:marks V   the capture entries (kinds 20 and up)
#       answered (marked 1) inside the area of the group at V, as "kind/A"
#       ("none")
#   call WeakGunPairAnswer:premarked V P...   the same answers with the
#       entries whose first point is one of P... marked answered beforehand:
#       the candidates by their points alone ("none")
#   call PairAnswer:reasons P...   the pair answers over the whole pending list,
#       read at the points P... alone: "P:r" with the reason r of the
#       candidate there ("P=none")
#   call WeakGunHirogeru:keima-bonus V B Q...   the extensions of the
#       opponent's weak group at V read at its knight's move B and the
#       rectangle points Q...: each bonus against its reading r, "P/r/3" (a
#       third, toward zero, held to 35 for B), "P/r/2" for a half, the
#       number else, "P=none" without a candidate; for B, r = e1 + e2 (e1
#       the group's colour's evaluation after its play at B, lowered by the
#       approach reading, e2 the side to move's after its own play at B),
#       for Q, r = e1 + the side to move's evaluation after its play at Q
#   call WeakGunHirogeru:halved-bonus V B   the same for the knight's move B of
#       a lone stone: "B/r/N/3", the bonus a third of r (as above) divided by
#       N = 1, 2, 4 ... (halved toward zero each time), held to 35
#   call WeakGunHirogeru:jump-bonus V B M   the same for the one-space jump B:
#       "B/r/3" with r = e1 + e2, e2 the smaller of the side to move's
#       evaluation after its play at B and after that play answered by the
#       group's colour at M (the point between B and the side to move's
#       stone two points diagonally from B), held to 35
#   call GunIkkenHyoka:named V P...   the jump reading of the group at V, named
#       by the reading it equals: "P" when it is the opponent's evaluation
#       after the group's colour plays P, "board" when it is the opponent's
#       evaluation of the position as it stands, "other" else
#   call KohoDoubleScan:links-raised P...   links of the side to move worth 2 at
#       P... (in that order), then the double-move pass: "P=v" when the
#       link kept its value v, "P=up" when the pass raised it
#   call KohoDoubleScan:links-last-1 P...   the same, the last link worth -1

# --- A lone weak stone, the last group of the board -----------------------------
# White C5 and Black B4 diagonal to it, Black to play.  The analysis: White
# C5 has eye value 4 and is not weak; Black B4 has eye value 3 and death
# level 48 (weak).  The pending entries: White C5's two-space jump to the
# left edge (kind 6, A the off-board point (0,5) beside A5, B = C5) and the
# vital point A3 of Black's group (kind 20).  Groups are numbered from the
# top: C5 is group 1, B4 group 2, the last one.

[think-lone-weak-stone-is-the-last-group]
# B4 touches no enemy chain (C5 is diagonal), so it goes alone.  Step 1
# answers the entries of kind 20 and up whose point lies in B4's area: A3 is
# a diagonal point of B4 (one of its From points), marked.  Step 1 adds no
# candidate (a vital point has no capture answer), so step 2 runs: the
# link entries of kinds up to 7 whose on-board point lies in the area: C5
# is a stone diagonal to B4 (related to it), so the kind-6 entry is marked
# too.  No other entry exists, whatever the later steps do.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunThink:marks [20/A3 6/(0,5)]

[pair-answer-vital-point-inside-the-area]
# As above, Black's B4 alone: its vital point A3 (kind 20) is in its area
# (a diagonal From point of B4): marked.  The kind-6 link entry is no
# capture entry and is left.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPairAnswer:marks B4 [20/A3]

[pair-answer-vital-point-outside-the-area]
# The same with White's C5: A3 is two points diagonally from C5, but the
# diagonal from A3 runs into Black's B4 first, so A3 is no From point of
# C5, nor a related point, and C5 touches no enemy chain: A3 lies outside
# White's area and nothing is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPairAnswer:marks C5 [none]

# --- An entry answered before is not answered again ----------------------------
# Black's D5 in atari under White's C5, D6 and E5, its liberty D4, Black to
# play.  The pending capture entry: D5's chain in atari with its liberty D4
# (kind 21); D4 lies in the area of D5's group (its liberty).

[pair-answer-escape-from-atari]
# The escape is answered: no White chain next to D5 is short of liberties,
# so the save point is D4 itself; Black's D4-D5 then has three liberties
# (C4, E4, D3), White's D4 would take D5 and keep three liberties, with
# nothing for Black to take back: the candidate at D4, the engine's own
# chain's save point (its value is the sum of the two readings).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPairAnswer:premarked D5 [D4]

[pair-answer-skips-an-entry-answered-before]
# The same with the entry at D4 marked answered (as the pair answers of the
# same decision leave it): it is not answered again, nothing is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPairAnswer:premarked D5 D4 [none]

# --- The jump reading takes the group's first From entry ------------------------
[ikken-reading-from-the-first-from-entry]
# Black's lone B6 with White A7 and D8.  The From entries are listed in the
# order of the empty points, top row first, left to right.  Top row: A9
# (large knight's move) stops at A7 beside the long leg; B9 (two-space
# jump down) stops since A7 beside the far gap and D8 two lines across on
# the near side are both White; C9 (large knight's move) stops since A7 and
# D8 stand on both sides; D9 ((2,3) shape) stops at D8 next to it.  Row 8:
# A8 (knight's move) stops at A7 next to it; B8 is a one-space jump to B6
# (A7 beside the gap, D7 empty): B8 is the first entry, a one-space jump
# with four empty neighbours.  The reading is White's evaluation after
# Black B8.
black to play
  . . . . . . . . .
  . . . O . . . . .
  O . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunIkkenHyoka:named B6 B8 D6 B4 [B8]

# --- The double-move pass looks at ten candidates -------------------------------
[double-scan-takes-the-tenth-link]
# Black's A2 and B1; Black's links at nine corner and edge points, then E5
# the tenth.  Premise: Black's double move with the open centre E5 and any
# one of the others is worth well over 25, while no corner or edge point
# scores above 25 together with every other one (two far corners such as
# A9 and J1 add nothing near 25).  The pass takes ten candidates, E5 among
# them: E5 has nine hits, every other point fewer, so E5 alone is raised
# (to its best double move); the others keep 2.
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
call KohoDoubleScan:links-raised A9 J9 J1 B9 J8 H9 A8 A1 C1 E5 [A1=2 A8=2 A9=2 B9=2 C1=2 E5=up H9=2 J1=2 J8=2 J9=2]

[double-scan-leaves-a-link-worth-minus-one]
# Black's A2 and B1; Black's links at J9 and J1 worth 2, at E5 worth -1.
# Premise: Black's double move with E5 and J9 or J1 is worth well over 25,
# J9 with J1 nowhere near.  Only candidates worth 0 to 10 take part: E5 at
# -1 is left out, J9 with J1 is no hit, nothing changes.  (With E5 worth 2,
# E5 would be raised: see the next row.)
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
call KohoDoubleScan:links-last-1 J9 J1 E5 [E5=-1 J1=2 J9=2]

[double-scan-raises-a-link-worth-two]
# As above with E5 worth 2: E5 takes part, E5 with J9 and E5 with J1 are
# hits; E5 has the most (two) and alone is raised.
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
call KohoDoubleScan:links-raised J9 J1 E5 [E5=up J1=2 J9=2]

# --- A weak group taken with its partner is not taken again ---------------------
[think-partner-of-a-dead-stone-is-handled-once]
# Black's D9 in atari beside White's E9 and D8, Black's F7 and D6 below,
# Black to play.  The analysis: D9 is dead (eye value 0, death level 99,
# so weak by its death level); White's E9-D8 has eye value 3 and death
# level 52 (weak); Black's F7-D6 has eye value 6 (not weak).  The pending
# entries: White's diagonal D8-E9 (kind 2), Black's knight's move D6-F7
# (kind 4), F7's two-space jump to the top edge (kind 6), D6's three-space
# jump to the left edge (kind 10), C9 as White's vital point (kind 20) and
# as the liberty of D9 in atari (kind 21).  D9 is group 1: its weak enemy
# partner is White's group, so the two go as a pair with D9 (Black's) as
# the own group: the capture entries in D9's area, C9 (its liberty), are
# marked; the pair's contact patterns mark nothing.  White's group is then
# done: when its turn comes it is not taken alone (alone its steps would
# also answer the link entries of its area, its own diagonal D8-E9 first).
black to play
  . . . X O . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunThink:marks [20/C9 21/C9]

# --- The escape jump toward another group of ours --------------------------------
#   call WeakGunKankeiMoves:jump V P   (as in generators.tst) the relation
#       moves of the group at V read at the jump P: "P=r:13" with r = (A + B)
#       * 13 / 10, A = Black's evaluation after Black P, B = White's after
#       White P; the other candidates by their points
# Two lone Black stones five lines apart on one column, Black to play: no
# relation joins them, so they are two groups, each with eye value 6 (no
# enemy stone anywhere).  No enemy stone: the relation patterns record
# nothing, so the escape jumps are looked at.  The one-space jump E5 of the
# group read has all eight surrounding points empty, and its relation
# record lists the stone above it first (the lines are scanned up, right,
# down, left) and the stone below it second.

[escape-jump-toward-a-group-related-first]
# E3 jumps to E5; E8 above is E5's first relation (a two-space jump), a
# stone of another group with eye value 6: the jump E5 is added with
# 13/10 of its two readings.  E3's other one-space jumps C3 and G3 relate
# to no other group; E1 is on the edge.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:jump E3 E5 [E5=r:13]

[escape-jump-toward-a-group-related-last]
# Upside down: E7 jumps to E5; E5's first relation is E7 itself (the group
# read), the last one E2 below (a two-space jump), another group with eye
# value 6: E5 is added the same way.  E7's jumps C7 and G7 relate to no
# other group, E9 is on the edge.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:jump E7 E5 [E5=r:13]

# --- The pair answers hand a net to the net answer ------------------------------
[pair-answers-take-the-net-with-its-chain]
# The net of generators-probe.tst (probe-net-the-escape-costs-the-stone-in-
# atari), White to play: Black's D6-E6-E5 has two liberties, F5 and E4, and
# the pending list holds the net at F4 on that chain (kind 23, A = F4, B =
# D6) besides Black's C5 in atari (kind 21), the ladder at F4 (kind 22) and
# the link entries.  The pair answers give the net entry to the net answer
# with the net point and the chain's stone: the net works (each extension
# of Black's chain is caught), so F4 is added under the capture reason 1
# (the link answers of the other entries add nothing at F4; kinds 21 and 22
# are not answered here).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . O X X O . . .
  . O X O X . . . .
  . . . O . . . . .
  . . X . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call PairAnswer:reasons F4 [F4:1]

# --- The knight's-move extension of the opponent's lone stone --------------------
[hirogeru-knight-rectangle-point-takes-a-third]
# White's lone E5 on an empty board, Black to play: the opponent's group.
# No enemy stone near, so nothing is halved.  The knight's move D7 (on line
# 7, four empty neighbours; the rectangle's middle points E6 and D6 empty,
# no White atari there; the diagonal strip's middle cells F6 and C6 empty)
# goes in at 25 with a third of its reading as bonus; of the rectangle's
# middle points D6 has no White neighbour and goes in at 25 with a third of
# (e1 + Black's evaluation after Black D6); E6 touches White's E5 and gets
# nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:keima-bonus E5 D7 D6 E6 [D6/r/3 D7/r/3 E6=none]

[hirogeru-knight-rectangle-points-all-around]
# The same lone White E5: every knight's move of E5 is clear in the same
# way (line 3 or more, four empty neighbours, the rectangle and the strip
# empty, no White atari), each in at 25 with a third of its reading; of each
# rectangle's two middle points the one beside the knight's point has no
# White neighbour and takes a third of (e1 + Black's evaluation there), the
# one beside E5 gets nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:keima-bonus E5 F7 F6 E6 [E6=none F6/r/3 F7/r/3]
call WeakGunHirogeru:keima-bonus E5 G6 F6 F5 [F5=none F6/r/3 G6/r/3]
call WeakGunHirogeru:keima-bonus E5 G4 F4 F5 [F4/r/3 F5=none G4/r/3]
call WeakGunHirogeru:keima-bonus E5 F3 F4 E4 [E4=none F3/r/3 F4/r/3]
call WeakGunHirogeru:keima-bonus E5 D3 D4 E4 [D3/r/3 D4/r/3 E4=none]
call WeakGunHirogeru:keima-bonus E5 C4 D4 D5 [C4/r/3 D4/r/3 D5=none]
call WeakGunHirogeru:keima-bonus E5 C6 D6 D5 [C6/r/3 D5=none D6/r/3]

# --- The one-space extension read with the cut of the opponent's shape ----------
[hirogeru-jump-read-with-the-cut-between-the-opponents-stones]
# White's lone D4 and Black's F4, Black to play: White's group is the
# opponent's, death level 0 (no check of the death level after the play).
# The one-space jump D6: D4's chain has four liberties; beside the gap D5,
# C5 and E5 hold no Black stone; C4 and E4 are not both Black, nor C6 and
# E6; D6 has four empty neighbours.  Black's own play at D6 stands in a
# (2,2) relation to Black's F4; their middle point E5 is next to White's D4
# and open to White, so Black's reading at D6 is the smaller of Black D6
# alone and Black D6 answered by White E5.  D4 touches no enemy chain (F4
# is two points away), so nothing is halved: D6 goes in at 25 with a third
# of e1 + that reading.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:jump-bonus D4 D6 E5 [D6/r/3]

# --- Our own two-space extension along the third line ----------------------------
#   call WeakGunNiken V   (as in generators.tst) the two-space extensions of
#       the group at V: the candidates' points with their reasons
# White's C3 between Black's B3 and C2, White to play: the group is ours.
# C3's chain has two liberties (C4, D3), more than one.  Its two-space
# jumps along line 3: C6 (column C is line 3; beside the gaps C4 and C5,
# B4, D4, B5 and D5 hold no Black stone) and F3 (beside the gaps D3 and E3:
# D4, D2, E4, E2).  Our own point needs four empty neighbours only.

[niken-own-both-jumps]
# Both strips clear: C6 and F3 go in under reason 13.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call WeakGunNiken C3 [C6:13 F3:13]

[niken-own-blocked-above-the-far-gap]
# Black's E4 beside the gap E3 next to F3 (F3 keeps four empty neighbours):
# the line from F3 toward C3 stops at a stone beside its first gap, so F3 is
# no two-space point of C3 and is not proposed; C6 still is.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call WeakGunNiken C3 [C6:13]

[niken-own-blocked-below-the-far-gap]
# Black's E2 on the other side of the gap E3: the same, F3 is not proposed.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X . X . . . .
  . . . . . . . . .
call WeakGunNiken C3 [C6:13]

# --- A lone stone's extensions halved by the stones of its neighbours ------------
[hirogeru-lone-stone-beside-two-chains-of-one-group]
# White's lone E5 under Black's D5 and E6, Black to play.  The analysis:
# D5 and E6 (diagonal) make one Black group with eye value 6, not weak.
# E5's chain has two liberties (E4, F5).  Its adjacent enemy chains D5 and
# E6 belong to that one group: one neighbour group, not weak, with two
# stones, so each extension's reading is halved twice before its third is
# taken.  The knight's moves F3, G4 and D3 are clear (not on line 1, four
# empty neighbours; no White atari anywhere, as D5 and E6 have three
# liberties each; the diagonal strips' middle cells D4 and G4, F6 and F3,
# F4 and C4 hold no Black stone).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:halved-bonus E5 F3 [F3/r/4/3]
call WeakGunHirogeru:halved-bonus E5 G4 [G4/r/4/3]
call WeakGunHirogeru:halved-bonus E5 D3 [D3/r/4/3]

# --- A White atari at the knight's middle point beside the extension -------------
#   call WeakGunHirogeru:probe V P...   (as in generators-probe.tst) the
#       extensions of the group at V read at P...: "P=value" ("P=none")
# White's E5 with Black's F5 beside it, Black to play: White's group is
# the opponent's; its chain keeps three liberties (D5, E6, E4).  Its
# knight's moves F3 and F7 have the middle points E4 and F4, and E6 and F6;
# D3 has E4 and D4.  Each point is on line 3 or more with four empty
# neighbours and the diagonal strips hold no Black stone (F3: D4 and G4; F7:
# D6 and G6; D3: F4 and C4); the opponent's extensions go in at 25.

[hirogeru-knight-middle-points-free]
# Black's F5 has three liberties: no White atari anywhere; F3, F7 and D3 go
# in at 25.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe E5 F3 F7 D3 [D3=25 F3=25 F7=25]

[hirogeru-knight-middle-point-beside-the-extension-in-atari-reach]
# White's G5 leaves Black's F5 two liberties, F4 and F6: White can give
# atari at either.  F4 is the middle point beside F3, F6 the one beside F7:
# neither extension is proposed.  D3's middle points E4 and D4 are no such
# points: D3 still goes in at 25.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe E5 F3 F7 D3 [D3=25 F3=none F7=none]

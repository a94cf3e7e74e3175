# Life and death pattern rows: the gates and values of the settling, killing
# and urgent eye passes, each on a position that sits on one gate.
#   call SikatuKillPatterns V   (life-yose-pin4.tst) the kill patterns on the
#       group at V: "kokyu=N" (its breathing points: the premise), then the
#       candidate points, sorted ("none")
#   call SettleWideHiraki V     (generators.tst) the wide extension pass on the
#       group at V: each candidate as "P=K+d:32", its value counted from the
#       group's value K
#   call GunMe V    the eye value of the group at V as the analysis gives it
#       (keima-pin.tst): the premise a row stands on
#   call SikatuSettle V   the settling patterns together on the group at V,
#       as the life-and-death pass runs them: "me=M kokyu=N" (the group's eye
#       value and breathing points: the premises of the gates), then each
#       candidate as "P=K+d:r" (value counted from the group's value K,
#       reason r), sorted ("none"), then "then:R", the reason left for the
#       candidates added after the patterns

# --- The kill patterns: the border point only for eye value 4 ----------------

[kill-patterns-border-point-needs-eye-value-four]
# White's top edge group A8-B8, D8-E8-E9 round the space A9-D9 under Black's
# wall, its mouth C8 beside Black's C7: enclosed, no breathing point, eye
# value 3 (the premises).  The border point C9 (three empty neighbours B9,
# D9, C8, and C8 with the one empty neighbour C9 and one Black neighbour)
# would be a border-point kill, but that pattern is only for a group of eye
# value 4: not read.  The two-liberty chain D8-E8-E9 (D9, C8) is caught by
# Black's atari at C8 (the escape at D9 leaves one liberty), so the chain
# kill skips it; A8-B8 has three liberties.  Nothing.
black to play
  . . . . O X . . .
  O O . O O X . . .
  X X X X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]
call SikatuKillPatterns A8 [kokyu=0 none]

# --- The wide extension falls back to the one-space jump on line 3 -----------

[wide-extension-falls-back-to-the-jump-on-line-three]
# Black's A3-B3-C3 on the third line under White's A4-B4-C4, White's G3
# standing off to the right.  The two-space extension F3 and the large
# knight's moves F2 and F4 from C3 all touch G3 (their eight surrounding
# points are not empty); upwards every extension crosses White's wall.  No
# wide point, so the pass looks at the one-space jumps and knight's moves on
# line 3: the jump E3 from C3 (D3 between, its eight surrounding points
# empty) is the only one (C5, the knight's move from B3, crosses B4-C4).
# Black E3 holds the two lower lines from A to E: two eyes, so E3 is
# proposed at the group's value plus one, under reason 32.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  X X X . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call SettleWideHiraki A3 [E3=K+1:32]


# --- The urgent eye pass: a capture beside the group comes first -------------
#   call SikatuUrgentMe:at V P...   (generators.tst) the urgent eye pass on
#       the group at V, its candidates at P... alone ("P=none" when none)

[urgent-eye-capture-beside-the-group-saves-it]
# Black's bulky five A9-B9-C9-A8-B8 in the corner (urgent-eye-bulky-five,
# generators.tst), now with Black's E8 beside it, so that White's E9 is a
# lone stone in atari (its one liberty F9) next to the group's chain.
# Black's capture at F9 leaves the group alive, not dead: a capture beside
# the group already saves it, and the pass stops before the eye points:
# B9, the point that splits the five, is not proposed.
black to play
  . . . X O . . . .
  . . X X X O . . .
  X X X O O O . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe:at D9 B9 [B9=none]

# --- The settling extension: two eyes exactly ---------------------------------
#   call SettleHiraki V    (generators.tst) the settling extension (reason 32)
#       on the group at V

[settle-extension-keeps-eye-value-four]
# White's corner A3-C3, A2, C2, B1-C1 with the one-point eyes A1 and B2, and
# its cut-off stone E3 beyond Black's D3-D4; Black's H2-H1 stand off to the
# right.  E2 (the jump from C2, the knight's move from C1 and C3) has three
# empty neighbours (D2, F2, E1) and one White stone beside it (E3), near
# relations to White's C1, C2, C3 and E3 and to one Black stone only, D3.
# White E2 leaves the group with the two eyes A1 and B2 and nothing more:
# eye value exactly 4 (the next row reads it), which is enough.  E2 at the
# group's value under reason 32.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X O . . . .
  O . O . . . . X .
  . O O . . . . X .
call SettleHiraki C2 [E2=K:32]

[settle-extension-keeps-eye-value-four-played]
# The row above after White's E2: the group at C2 has eye value 4 (the
# premise of the row above).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X O . . . .
  O . O . O . . X .
  . O O . . . . X .
call GunMe C2 [4]

# --- The kill at a border point: the border point last in its region --------
#   call KillBorderPoint V    (generators.tst) the kill pass at the border
#       points of the group at V

[kill-border-point-last-of-its-region]
# White's A8-B8 and D8-D7 along the top, with Black's A7-B7-C7 below, Black's
# E7 and E9 beside them and Black's D6 under D7.  White's space is A9-D9.
# The border point C9 has three empty neighbours (B9, D9, C8); C8, the mouth
# between B8 and D8, has one empty neighbour (C9) and one Black neighbour
# (C7).  Black's C9 answered by White's C8 leaves White the eye A9-B9 and
# D9 between Black's C9 and E9: short of two eyes.  No other point fits (B9
# and D9 have fewer than three empty neighbours).  The group is the
# opponent's: Black's own move C9, at the group's value.
black to play
  . . . . X . . . .
  O O . O . . . . .
  X X X O X . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint B8 [C9=K:9]

# --- The wide extension on line 5 ---------------------------------------------

[wide-extension-two-space-on-line-five]
# 13x13.  Black's solid corner A1-E5 with the one-point eyes A1 and C1 (eye
# value 4: the premise), White's wall A7-F7 two lines above it, White's G2
# and J3 off to the right.  Every extension upwards crosses or touches
# White's wall; to the right the two-space extensions and large knight's
# moves H2, H3 and H4 each touch G2 or J3.  The two-space extension H5 from
# E5 lies on line 5, the highest line a two-space extension is taken from,
# with F4-F6 and G4-G6 between free of White and its eight surrounding
# points empty: the only wide point.  Black H5 keeps the group alive (eye
# value 4, the next row): H5 at the group's value plus one, reason 32.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  O O O O O O . . . . . . .
  . . . . . . . . . . . . .
  X X X X X . . . . . . . .
  X X X X X . . . . . . . .
  X X X X X . . . O . . . .
  X X X X X . O . . . . . .
  . X . X X . . . . . . . .
call SettleWideHiraki E5 [H5=K+1:32]

[wide-extension-two-space-on-line-five-played]
# The row above after Black's H5: the group at E5 and H5 has eye value 4.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  O O O O O O . . . . . . .
  . . . . . . . . . . . . .
  X X X X X . . X . . . . .
  X X X X X . . . . . . . .
  X X X X X . . . O . . . .
  X X X X X . O . . . . . .
  . X . X X . . . . . . . .
call GunMe E5 [4]
call GunMe H5 [4]

# --- The lone stone in atari: a capture that gives three is not life --------
#   call SettleAtariIsi V    (generators.tst) the settling pass of a one-stone
#       chain of the group in atari, on the group at V

[lone-stone-in-atari-capture-gives-eye-value-three]
# Black's A3-D3 under White's wall, with the lone stones A1 (held in atari by
# White's B1, liberty A2) and D1 (held by D2 and E1, liberty C1, which
# touches White's B1: not read).  A2 has the one empty neighbour B2 and no
# White neighbour, and White at B2 would keep A2, C2 and C1: no self-atari.
# Black's B2 alone leaves the group eye value 0 (the next rows read it); it
# puts White's B1 in atari at C1, and Black's capture there joins D1, but
# C2 stays open beside White's D2: eye value 3, one eye short of two, not
# enough.  Nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . . O O . . . .
  X O . X O . . . .
call SettleAtariIsi A3 [none]

[lone-stone-in-atari-capture-gives-eye-value-three-second-point]
# The row above after Black's B2: eye value 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . X . O O . . . .
  X O . X O . . . .
call GunMe A3 [0]

[lone-stone-in-atari-capture-gives-eye-value-three-captured]
# The row above after Black's B2 and the capture of B1 at C1: eye value 3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . X . O O . . . .
  X . X X O . . . .
call GunMe A3 [3]

[lone-stone-in-atari-second-point-gives-eye-value-four]
# Black's wall A3-F5 with the two one-point eyes B4 and E4, held in from
# outside by White's G1-G6 and row 6; the lone stone A1 is held in atari by
# White's B1-G1 (its liberty A2).  A2 has the one empty neighbour B2 and no
# White neighbour, and White at B2 would join B1-G1: no self-atari.  Black's
# B2 leaves the eyes B4 and E4 and A2 beside White's B1 on the edge, no eye
# more: eye value exactly 4 (the next row reads it), enough.  No White chain
# is left in atari.  The engine's own group: B2 at the group's value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O . .
  X X X X X X O . .
  X . X X . X O . .
  X X X X X X O . .
  . . X X X X O . .
  X O O O O O O . .
call SettleAtariIsi A3 [B2=K:9]

[lone-stone-in-atari-second-point-gives-eye-value-four-played]
# The row above after Black's B2: eye value 4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O . .
  X X X X X X O . .
  X . X X . X O . .
  X X X X X X O . .
  . X X X X X O . .
  X O O O O O O . .
call GunMe A3 [4]

# --- The eye shape pass: a sharp eye with exactly two qualifying diagonals --
#   call SikatuMeShape V    (generators.tst) the eye shape pass on the group
#       at V

[eye-shape-edge-eye-two-diagonals-off-the-board]
# White's top edge group A9-D9, A8-C8 and E8-F8-G8-G9 around Black's D8.  The
# one-point eye B9 lies on the edge between A8 and C8: its two lower
# diagonal points are White's own, its two upper ones off the board, so
# exactly two of its diagonals are off the board or Black: enough for the
# sharp eye the pass looks for.  The space E9-F9, Black's D8 on the
# diagonal of E9, is worth half an eye (eye value 3 in all).  Black's E9 takes the last outside liberty of A9-D9 (only
# the eye B9 is left) and the group is dead; Black's F9 is a self-atari
# taken at E9.  E9 at the group's value.
black to play
  O . O O . . O X .
  O O O X O O O X .
  X X X X X X X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuMeShape B8 [E9=K:9]

[eye-shape-inner-eye-is-not-sharp]
# The shape of eye-shape-edge-eye-two-diagonals-off-the-board with the
# one-point eye moved in from the edge: White's A9-D9, A8, C8, A7-C7 round
# the eye B8, whose four diagonal points A9, C9, A7 and C7 are all White's
# own (none Black, none off the board), and the space E9-F9 beside Black's
# D8 worth half an eye.  The pass wants a one-point eye with two or more
# diagonals that are Black or off the board: there is none, so nothing is
# tried (Black's E9 would otherwise leave A9-D9 only the eye B8).
black to play
  O O O O . . O X .
  O . O X O O O X .
  O O O X X X X X .
  X X X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuMeShape A9 [none]

# --- The settling patterns together: which run for which group ---------------
# The wide extension runs first under reason 32; the ladder in the region,
# the diagonal and the liberty that atari an intruder run under reason 9
# for every group, the jump that peeps only for eye value 3 or less, the
# lone stone in atari only for eye value 3; the extension runs under reason
# 32 for fewer than 10 breathing points; reason 9 is left at the end.

[settle-all-lone-stone-at-eye-value-three]
# The position of lone-stone-in-atari-own-group (generators.tst): Black's
# A3-D3-D2 with the lone A1 held in atari by White's B1, eye value 3, no
# breathing point.  The lone stone pattern runs (eye value 3) and gives B2
# at the group's value.  The others add nothing: no wide point or jump
# (White's wall all round), no ladder inside, and the liberty pattern,
# reading Black's B2 against White's escape at C1, keeps nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . . X O . . . .
  X O . . O . . . .
call SikatuSettle A3 [me=3 kokyu=0 B2=K:9 then:9]

[settle-all-jump-that-peeps-at-eye-value-two]
# The position of jump-that-peeps-no-bonus (life-pin4.tst): White's
# G1-G2-G3-H3-J3 round H1-J2, eye value 2, one breathing point.  The jump
# that peeps runs (eye value 3 or less) and gives E3 at the group's value;
# the lone stone pattern does not run (eye value not 3) and no other pattern
# finds a point.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . . . . . O O O
  . . . X . . O . .
  . . . . . . O . .
call SikatuSettle G3 [me=2 kokyu=1 E3=K:9 then:9]

[settle-all-wide-extension-first]
# The position of wide-extension-no-bonus (life-pin4.tst): Black's A3-B3-C3
# under White's A4-D4, eye value 2, two breathing points.  The wide
# extension F2 gives two eyes: F2 at the group's value plus one under
# reason 32; the other patterns find nothing, and reason 9 is left.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O . . . . .
  X X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSettle A3 [me=2 kokyu=2 F2=K+1:32 then:9]

[settle-all-extension-without-breathing-points]
# The position of settle-extension-to-a-cut-off-stone (generators.tst):
# White's corner A3-C3-C2-C1, eye value 2, no breathing point (fewer than
# 10): the extension runs and E2, joining the cut-off E3, is proposed at the
# group's value under reason 32; nothing else.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X O . . . .
  . . O . . . . . .
  . . O . . . . . .
call SikatuSettle C2 [me=2 kokyu=0 E2=K:32 then:9]

# --- The jump that peeps: the peep that gives eye value 4 exactly -----------
#   call SettleIkkenNozoki V   (generators.tst) the jump-and-peep settling
#       pattern on the group at V

[jump-that-peeps-peep-gives-eye-value-four]
# The shape of jump-that-peeps-no-bonus (life-pin4.tst) with Black's C1 in
# the lower left: White's G1-G2-G3-H3-J3 round H1-J2; E3, White's
# one-space jump from G3 (F2-F3-F4 empty, four empty neighbours), peeps at
# the gap D3 of Black's D4-D2.  White E3 and D3 leave White exactly eye
# value 4 (the next row reads it), enough; when Black connects at D3
# instead, White's E2 closes E1-F2 (eye value 5, the row after).  E3 at
# the group's value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . . . . . O O O
  . . . X . . O . .
  . . X . . . O . .
call SettleIkkenNozoki G3 [E3=K:9]

[jump-that-peeps-peep-gives-eye-value-four-peeped]
# The row above after White's E3 and D3: eye value 4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . . O O . O O O
  . . . X . . O . .
  . . X . . . O . .
call GunMe E3 [4]

[jump-that-peeps-peep-gives-eye-value-four-answered]
# The row above with Black's D3 connecting and White's E2: eye value 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . . X O . O O O
  . . . X O . O . .
  . . X . . . O . .
call GunMe E3 [5]

# Life and death and endgame rows where one stone, one count or one side's
# right to play decides the answer: the pass over the groups that leaves a
# two-eyed group alone while a weak enemy group stands beside it, the
# extras of the killing and living points of the pondering (no one's area,
# four empty neighbours), a living point the engine may not hold, the
# settling liberty and the settling jump in other directions, the kill
# patterns' breathing-point gate, the first gates of the test that spares
# a group the reading, the urgent pass over the groups, endgame points the
# other side may not take, a threat answered on the first column, the scans
# of the points beside stones and of the border points, the fallback scans
# on the edges of the board, and the endgame cache forgotten around a move
# for both colours.
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on
#   status V        "dead" or "alive": the analysis' verdict on the group at
#       V (the premise a row stands on)

# --- The pass over the groups: a group of eye value 4 beside a weak one -----
#   call SikatuThink:remembered V   the life-and-death pass over every group
#       with the pondering on and no shape remembered at the start:
#       "remembered" when it left the shape of the group at V remembered as
#       pondered for a kill without a result, "not" otherwise
# A group of eye value 4 is left alone while an enemy group beside it is
# neither dead nor of eye value 4 or more; otherwise, when nothing else
# spares it, the opponent's group is pondered for a kill, and a kill search
# that finds nothing leaves its shape remembered.

[pass-reads-two-eyes-beside-a-living-wall]
# White's corner group A8-D8, B9, D9 has two sure eyes, A9 and C9 (each
# point enclosed by White's stones and the edge, and its diagonal B8, or B8
# and D8, White's): eye value 4, and no breathing point outside the eyes.
# Black's wall A7-E7, E8-E9, F8-G8, G9, G7, E6-F6 around it holds F9 (on
# the edge, its diagonals E8 and G8 Black's) and F7 (its four neighbours
# Black's; of its diagonals only G6 is White's): two sure eyes, eye value 4.
# So the wall does not stop the pass: Black to play, White's corner is the
# opponent's and is pondered for a kill.  Black's moves at A9 and C9 have
# no liberty and take nothing (White's chain keeps the other eye): the
# search has no move, finds no kill, and the shape is remembered.
black to play
  . O . O X . X O .
  O O O O X X X O .
  X X X X X . X O .
  . . . . X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [4]
call GunMe A7 [4]
call SikatuThink:remembered A8 [remembered]

[pass-leaves-two-eyes-beside-a-half-eyed-wall]
# The same without Black's E6: F7's diagonal E6 is now empty and White may
# play there (beside White's E5), so with White's G6 two of F7's diagonals
# are White's to take: F7 is a false eye in prospect, a half eye, and the
# wall's eye value is 2 (F9) + 1 = 3; the wall still has its sure eye and
# room (not dead).  An enemy group beside White's corner is neither dead
# nor of eye value 4: the corner is left alone, nothing is pondered and
# nothing remembered.
black to play
  . O . O X . X O .
  O O O O X X X O .
  X X X X X . X O .
  . . . . . X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [4]
call GunMe A7 [3]
status A7 [alive]
call SikatuThink:remembered A8 [not]

[pass-reads-two-eyes-beside-a-dead-wall]
# White's corner of the rows above; Black's wall A7-E7, E8-E9 has no
# closed space of its own and White's A5-G5, G4 faces it across row 6: the
# analysis gives it eye value 1 and counts it dead.  A dead neighbour does
# not stop the pass, so the corner is pondered, Black has no move inside
# it, and the shape is remembered.
black to play
  . O . O X . . . .
  O O O O X . . . .
  X X X X X . . . .
  . . . . . . . . .
  O O O O O O O . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [4]
call GunMe A7 [1]
status A7 [dead]
call SikatuThink:remembered A8 [remembered]

# --- The kill pondering's extra for a point in no one's area ----------------
#   call KorosuYomi:pin2 V   the kill pondering of the group at V
#       (life-pin2.tst): "n=N", then its candidates against K, the group's
#       value: "P=K/0", "P=K+2/0"
#   call AreaMap:side P...   the area map of the decision at each P by its
#       sign: "P=black", "P=white", "P=neutral" (0): the premise a row
#       stands on
# A killing point earns one extra when its verdict is a false eye, one when
# the area map is 0 there, one when a diagonal neighbour holds a stone of
# the engine's.

[kill-pondering-at-the-mouth-in-no-ones-area]
# Black's B9, A8-D8 walled in by White's A7-E7, E8, E9 holds the one-point
# eye A9 and the two points C9-D9, D9 touching White's E9 (eye value 3).
# White's D9, joined to E9, kills: C9 then touches a White stone and is no
# eye, Black keeps A9 alone.  White's C9 does not kill (its only liberty is
# D9: Black takes it there and C9 becomes the second eye), and A9 is no
# move for White (no liberty, nothing taken).  So n = 1, D9.  D9 touches
# White's E9 and Black's D8 alike: it lies in no one's area (+1); it is no
# false eye of Black's (+0); its diagonal E8 is White's, the engine's
# (+1): K + 2, bonus 0.
white to play
  . X . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]
call AreaMap:side C9 D9 [C9=black D9=neutral]
call KorosuYomi:pin2 A8 [D9=K+2/0 n=1]

[kill-pondering-at-the-mouth-read-by-the-owner]
# The same with Black (the owner) to play: the kill is still White's D9,
# in no one's area (+1); its diagonal C8 is now the engine's stone (+1,
# E8 no longer counts): K + 2 again, bonus 0.
black to play
  . X . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:pin2 A8 [D9=K+2/0 n=1]

# --- The life pondering: a living point the engine may not hold ------------
#   call IkiruYomi:points V   the life pondering of the group at V: "n=N",
#       then the points it proposed, sorted (values not read)
#   call IkiruYomi:extras V   the same, each candidate as "P=+E": E its
#       value less the base h (the group's value K, or K / 2 - 1 for eye
#       value below 3) and less the evaluation bonus (the defender's
#       UtuHyoka at P less the smallest over the living points): one for a
#       false-eye point, one for a point in no one's area, five for four
#       empty neighbours
#   ladder V   "1 W" when the ladder catches the chain at V, W its first
#       move (the premise a row stands on)
# Before a living point is proposed the engine takes it itself; the point
# is dropped when the engine's chain there has three or more stones and
# two liberties and the ladder catches it.

[life-pondering-drops-a-point-whose-chain-the-ladder-takes]
# Black's wall A7-F7, E8, E9-F9 (liberties B8, C8 and F8) walled in by
# White's A6-G6, G7-G9 holds the space A9-C9, B8-C8 with White's A8 and
# D8-D9 inside: no eye yet.  Black lives at B8 or at C8, n = 2:
#   B8: A8 is left with A9 alone and cannot run (A9 keeps one liberty);
#       D8-D9 keeps C8 and C9, but White's C8 would have C9 alone and
#       White's C9 is answered by B9: both white strings die, two eyes;
#   C8: D8-D9 is left with C9 alone and dies; A8 keeps A9 and B8, and
#       White's B8 (A8-B8 then has A9 and B9) is answered by B9: two eyes.
# White to play: the group is the opponent's, and White takes each point
# first.  B8 joins A8: two stones, kept.  C8 joins D8-D9: three stones with
# the two liberties B8 and C9, and the ladder catches them (Black's B8
# ataris, White's C9 runs to B9 alone, Black takes there): C8 is dropped.
white to play
  . . . O X X O . .
  O . . O X . O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
ladder D9 [1 C8]
call IkiruYomi:points A7 [B8 n=2]

[life-pondering-keeps-both-points-for-the-owner]
# The same with Black to play: Black's own stone at B8 or C8 joins its wall
# (more than two liberties): neither is dropped, both living points stay.
# Walled in without an eye, Black's space counts on White's side of the
# area map: B8 and C8 lie in White's area, no extra for either.
black to play
  . . . O X X O . .
  O . . O X . O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:points A7 [B8 C8 n=2]
call AreaMap:side B8 C8 [B8=white C8=white]
call IkiruYomi:extras A7 [B8=+0 C8=+0 n=2]

[life-pondering-living-points-in-no-ones-area]
# Black's wall A7-E7, E8-E9 round the same space as above, A9-C9 and
# B8-C8 with White's A8 and D8-D9 inside; White's D9, F9-F6 and A5-F5 leave
# the wall the outside liberties A6-E6, and B8 and C8 now lie in no one's
# area.  Black lives at B8 or C8 as above, n = 2, and each living point
# earns one extra for lying in no one's area: +1 over the base and the
# evaluation bonus.  (Neither is a false-eye point, neither has four empty
# neighbours.)
black to play
  . . . O X O . . .
  O . . O X O . . .
  X X X X X O . . .
  . . . . . O . . .
  O O O O O O . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call AreaMap:side B8 C8 [B8=neutral C8=neutral]
call IkiruYomi:extras A7 [B8=+1 C8=+1 n=2]

[life-pondering-centre-of-a-crossed-five]
# Black's ring B1-C1, B2-B3-C3, C4-D4-E4, E3-F3-F2, F1-E1 walled in by
# White holds the crossed five D1, C2, D2, E2, D3 (eye value 3).  Black's
# D2 at its centre leaves four one-point eyes: alive.  Any other black
# point leaves four points White kills at D2 (C2, E2 or D1 leave the
# pyramid D2 with three neighbours; D3 the same upside down): n = 1, D2.
# D2's four neighbours are all empty: five extra.  It lies in Black's
# area (no extra) and is no false-eye point: +5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O . . .
  O O X X X O O . .
  O X X . X X O . .
  O X . . . X O . .
  O X X . X X O . .
call GunMe C3 [3]
call AreaMap:side D2 [D2=black]
call IkiruYomi:extras C3 [D2=+5 n=1]

[life-pondering-centre-of-a-pyramid-four]
# The same with Black's D3 filled: the space D1, C2, D2, E2 is a pyramid
# four, and Black's D2 at its top leaves three one-point eyes: n = 1, D2.
# D2 now has Black's D3 above it, three empty neighbours: no extra, +0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O . . .
  O O X X X O O . .
  O X X X X X O . .
  O X . . . X O . .
  O X X . X X O . .
call GunMe C3 [3]
call IkiruYomi:extras C3 [D2=+0 n=1]

# --- The settling liberty: the intruder to the left of it -------------------
#   call SettleAtariDame V   (generators.tst) the settling liberty that puts
#       an attacker chain beside it in atari, on the group at V: each
#       candidate as "point=K+d:reason"

[settle-liberty-ataris-the-intruder-on-its-left]
# settle-liberty-ataris-the-intruder (generators.tst) reflected in the
# diagonal through A9, the corner now at the top right: White's G9-G6,
# H6-J6 encloses the corner H9-J7 with Black's H7 inside (two liberties, H8
# and J7).  J7 is a liberty of White's J6, no self-atari, and White there
# puts H7, the stone to its left, in atari.  White's J7 and the capture at
# H8 leave White the whole corner; Black instead runs out at H8, the chain
# H7-H8 has exactly the two liberties H9 and J8, and White's eye value
# falls below 4.  White's H9 then ataris H7-H8 again with a chain of more
# than one liberty (J9 and J8), and the eye value is back to 3: J7 is
# proposed at the group's value, reason 9.  The chain in atari is found on
# whichever side of the liberty it lies, the left one included.
black to play
  . . . . . X O . .
  . . . . . X O . .
  . . . . . X O X .
  . . . . . X O O O
  . . . . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SettleAtariDame G6 [J7=K:9]

# --- The settling jump that peeps, upward ----------------------------------
#   call SettleIkkenNozoki V   (generators.tst) the settling jump that
#       peeps, on the group at V: each candidate as "point=K+d:reason"
#   call SettleIkkenNozoki:prepared V   (life-yose-pin.tst) the same, each
#       candidate as "P=K", then every prepared answer "OWN/REPLY/ANSWER"

[settle-jump-peeps-upward-at-an-edge-jump]
# settle-jump-peeps-at-an-edge-jump (life-yose-pin.tst) reflected in the
# diagonal through A9: Black's one-space jump F9-H9 runs along the top
# edge, its gap G9 open with G8 below it, so White's G8 peeps at G9.  G8
# is White's one-space jump upward from G6 (G7 between, the strip F7-H7
# empty), its four neighbours empty.  White's group G6-J6, G5-G4, G3-J3
# holds the square H5-J4 (one eye).  White G8 and the cut at G9 take the
# corner H9-J7 as a second eye; when Black connects at G9 instead, White's
# H8 closes the corner: two eyes again.  So G8 is proposed at the group's
# value, reason 9; the jump runs along a column, and the peep is read at
# G8 itself.
black to play
  . . . . X X . X .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . O O O
  . . . . X . O . .
  . . . . X . O . .
  . . . . X . O O O
  . . . . X X X X X
  . . . . . . . . .
call SettleIkkenNozoki G6 [G8=K:9]

[settle-jump-peeps-upward-at-an-edge-jump-white]
# The same with White to play: the group is the engine's own, and the one
# answer that gives two eyes after Black's connection at G9 is H8 (F8 and
# G7 leave the corner open to Black's H9): one prepared answer, (G8, G9,
# H8).
white to play
  . . . . X X . X .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . O O O
  . . . . X . O . .
  . . . . X . O . .
  . . . . X . O O O
  . . . . X X X X X
  . . . . . . . . .
call SettleIkkenNozoki:prepared G6 [G8/G9/H8 G8=K]

# --- The kill patterns: only for fewer than three breathing points ---------
#   call SikatuKillPatterns V   the kill patterns on the group at V as the
#       pass over the groups calls them: "kokyu=N" (the group's breathing
#       points as the analysis gives them: the premise), then the points of
#       the candidates, sorted ("none")
# The kill patterns (border point, two-liberty chain) run only for a group
# with fewer than 3 breathing points.

[kill-patterns-skip-three-breathing-points]
# The position of kill-two-liberty-chain-read (generators.tst): Black's
# C5-D5 with the two liberties C4 and D4, which no ladder catches; White's
# atari at D4 (or C4) answered at the other liberty leaves the group short
# of life, so the two-liberty pass alone proposes D4.  But the group has 3
# breathing points: the kill patterns are not run for it, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . O X X O . . . .
  . . . . . . . . .
  . X . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuKillPatterns C5 [kokyu=3 none]

[kill-patterns-run-without-breathing-points]
# The position of kill-two-liberty-chain-answered-by-a-capture
# (life-yose-pin.tst): Black's chain C3-D3-E3-C2-E2 inside White's wall
# has no breathing point, so the kill patterns run; the group's eye value
# is below 4 (no border-point kill), and the two-liberty pass proposes both
# ataris, C1 and E1, each answered by Black's capture at D1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O . . .
  . O X X X O . . .
  . O X O X O . . .
  . O . . . . . . .
call SikatuKillPatterns C3 [kokyu=0 C1 E1]

# --- The test that spares a group the reading: its first gates -------------
#   call SikatuSkip:gates V   the test that spares the group at V the
#       life-and-death reading, on an empty candidate table: the counts it
#       starts from, "stones=S me=M kokyu=K" (stones, eye value, breathing
#       points as the analysis gives them: the premises), then "skip" or
#       "read"
# A group is spared at once when it has fewer than 2 stones, an eye value
# below 2 or above 4, or eye value 4 with 3 or more breathing points (or
# when it is hopeless: weak with a death level below 51).  Otherwise the
# other tests run (a saving candidate, a liberty move, a relation move of
# the urgent score, more than 5 breathing points, a saving extension, the
# second-line breathing point); in the "read" rows below none of them finds
# anything.

[skip-gates-two-stones-eye-value-two-read]
# The position of k6b-edge-contact-corner-no-room-black (links-k6b-cover.tst):
# White's B3-C3 shut into the corner by Black's A4-C4 wall and D3-E3: two
# stones, eye value 2, no breathing point, weak but far from hopeless
# (death level above 51).  Two stones and eye value 2 pass the first gates:
# read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X . . . . . .
  . O O X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSkip:gates B3 [stones=2 me=2 kokyu=0 read]

[skip-gates-one-stone-spared]
# The position of weak-pair-two-three-shape-stone-beyond-the-jump
# (generators-more.tst): White's lone C2 under Black's C3, eye value 4 with
# one breathing point, not hopeless: a group of one stone is spared.
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
call SikatuSkip:gates C2 [stones=1 me=4 kokyu=1 skip]

[skip-gates-lone-stone-inside-spared]
# The position of pin-peep-first-at-s-stone-escapes-h8-black
# (links-edge-yomi-pin.tst): White's lone H8 inside Black's stones on the
# right, eye value 2, no breathing point, weak but not given up: a group
# of one stone is spared at once, whatever the other tests would find.
black to play
  . . . O . . . . .
  . . . O X . . O .
  . . . O . . X . .
  . . . O O X . X .
  . . O . . X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSkip:gates H8 [stones=1 me=2 kokyu=0 skip]

[skip-gates-eye-value-one-spared]
# The position of pass-reads-two-eyes-beside-a-dead-wall: Black's wall
# A7-E7, E8-E9 without an eye of its own, eye value 1 (two breathing
# points): below 2, spared.
black to play
  . O . O X . . . .
  O O O O X . . . .
  X X X X X . . . .
  . . . . . . . . .
  O O O O O O O . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSkip:gates A7 [stones=7 me=1 kokyu=2 skip]

[skip-gates-eye-value-one-block-spared]
# The position of endgame-two-point-false-eye-atari-side
# (generators-cover.tst): Black's block C4-F4 down to D2-F2 with C1 and F1,
# walled in by White, holds only the two-point space D1-E1 with its false
# point D1: eye value 1, no breathing point, not given up.  Below 2: spared
# at once, whatever the other tests would find.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O O . .
  . O X X X X O . .
  . O X X X X O . .
  . O O X X X O . .
  . . X . . X O . .
call SikatuSkip:gates C4 [stones=13 me=1 kokyu=0 skip]

[skip-gates-edge-six-spared]
# The position of edge-six (life.tst): Black's A8-G8, G9 over the six
# points A9-F9 along the edge, eye value 5, no breathing point: above 4,
# spared at once.
black to play
  . . . . . . X O .
  X X X X X X X O .
  O O O O O O O O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSkip:gates A8 [stones=8 me=5 kokyu=0 skip]

[skip-gates-eye-value-five-spared]
# The position of eye-shape-false-point-beside-a-lone-stone
# (generators.tst): White's top edge group with the eyes A9 and C9 and the
# half eye E9-F9, eye value 5, no breathing point: above 4, spared.
black to play
  . O . O . . O X .
  O O O X O O O X .
  X X X X X X X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSkip:gates B9 [stones=9 me=5 kokyu=0 skip]

[skip-gates-eye-value-four-three-breathing-points-spared]
# The position of endgame-two-stones-put-in-atari (generators-more.tst):
# White's B2 and C3 in the corner, eye value 4 with three breathing points:
# spared.
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
call SikatuSkip:gates C3 [stones=2 me=4 kokyu=3 skip]

[skip-gates-eye-value-four-two-breathing-points-read]
# The position of diagonal-second-line-ladder-living-side-black
# (shapes-diagonal-cover2.tst): White's B3-C3-B2 in the corner, eye value 4
# with two breathing points, fewer than 3: read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X X X X
  . O O X . X . . .
  . O X . . X . . .
  . . . . . X . . .
call SikatuSkip:gates B3 [stones=3 me=4 kokyu=2 read]

[skip-gates-eye-value-four-no-breathing-point-read]
# The position of pass-reads-two-eyes-beside-a-living-wall: White's
# corner group with the two eyes A9 and C9, eye value 4, no breathing
# point: read (and then pondered, as that row shows).
black to play
  . O . O X . X O .
  O O O O X X X O .
  X X X X X . X O .
  . . . . X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSkip:gates A8 [stones=6 me=4 kokyu=0 read]

# --- The urgent pass over the groups --------------------------------------
#   call SikatuUrgentThink:table   the urgent life-and-death pass over
#       every group: every candidate it left in the table as "P=V:R"
#       (value, reason; "P=V/B:R" with a bonus B), sorted ("none")
# The urgent eye pass runs for every group of eye value below 3 that is
# not (weak with a death level below 71), not in a capturing race and has
# fewer than 3 breathing points.

[urgent-pass-reaches-a-group-of-eye-value-two]
# The position of urgent-eye-border-neighbour-eye-value-3
# (generators-roles.tst): Black's A8-B8-C8-C7-C6 with A9 around the corner
# point B9 and the open space A7-B7: eye value 2 as the analysis gives it,
# weak but not given up (death level above 71), in no race, no breathing
# point: the urgent eye pass runs for it.  Black's B6
# (the empty neighbour of the border point B7: area value 0, no White
# neighbour, three empty neighbours, off the edge) and Black's C9 (the
# empty neighbour of B9, one White neighbour D9) each bring the eye value
# to 3, not 4: each is worth half the group's value K = 42, held at 18.
# The relation answers run first and leave their reason (5).
black to play
  X . . O . . . . .
  X X X O . . . . .
  . . X O . . . . .
  . . X O . . . . .
  . . . . O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [2]
call SikatuUrgentThink:table [B6=18:5 C9=18:5]

[settle-jump-peeps-at-an-edge-jump-upside-down-white]
# settle-jump-peeps-at-an-edge-jump-white (life-yose-pin.tst) upside down:
# Black's one-space jump A6-A8 runs along the edge, its gap A7 open with
# B7 beside it, so White's B7 peeps at A7; B7 is White's one-space jump
# from D7 (the strip C6-C8 empty), its four neighbours empty.  White's
# group D9-D7, E7-G7, G8-G9 holds the square E9-F8 (one eye).  White to
# play, the group is the engine's own: after White's B7 and Black's
# connection at A7, of B7's empty neighbours only B8, above it, closes the
# corner A9-C8 against the edge chain for two eyes (B6 and C7 leave the
# corner open to Black's A8): one prepared answer, (B7, A7, B8).
white to play
  . . . O . . O X .
  X . . O . . O X .
  . . . O O O O X .
  X . . . . . . X .
  X X X X X X X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SettleIkkenNozoki:prepared D7 [B7/A7/B8 B7=K]

# --- An endgame point the other side may not take ---------------------------
#   call YoseValue:barred P   the point P that the side to move (J) may take
#       and the other side (O) may not: A = J's evaluation after J at P;
#       O's move counts nothing, r = A, b = 0: "P=r/b" ("r-1" when off);
#       then "O:barred" (O may not play at P) or "O:free", and A against 0
#       ("J:g<0", "J:g=0", "J:g>0")

[endgame-point-the-opponent-may-not-take]
# Black's living group A2-D2, A4-D4, B1, B3, D3 (eyes A1, A3 and C3)
# against White's E1-E4.  C1 touches Black's B1 and C2 and the empty D1:
# White's stone there would have D1 as its only liberty and take nothing, a
# self-atari, so White may not take it; Black may (its chain keeps many
# liberties).  No chain of either colour is left in atari by a move at C1
# (no white stone touches it, Black's chains have many liberties), both of
# its diagonals B2 and D2 hold stones, and the one group beside it (Black's)
# has eye value 4 or more.  Black's move there threatens nothing (no White
# chain touches C1): the value is Black's evaluation A alone, which is
# below 0 (Black fills a point of its own), stored as it is with bonus 0;
# White's side adds nothing, not -1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X O . . . .
  . X . X O . . . .
  X X X X O . . . .
  . X . . O . . . .
call YoseValue:barred C1 [C1=r/b O:barred J:g<0]

[endgame-point-the-opponent-may-not-take-worth-nothing]
# Black's living group A3-D3, A5-D5, B2, B4, D2, D4 with the lone C1 below
# (eyes A4, C4, A2, C2 and the corner) against White's wall E2-E5 and F1: D1
# touches Black's C1 and D2 and the empty E1, which touches White's F1 and
# E2.  White's stone at D1 would have E1 as its only liberty and take
# nothing: White may not take D1.  No move at D1 leaves a chain in atari
# (no white stone touches it; Black's C1 keeps B1 and C2), and the groups
# beside it are Black's living ones.  Black's D1 threatens nothing and
# leaves the evaluation as it was (A = 0), and no white chain beside D1
# has two liberties: no dame extra.  Of its diagonals E2 is a stone and C2
# is Black's eye, where White may not play: no open-area bonus.  So the
# value stays 0, bonus 0: White's side adds nothing, and no dame extra
# stands in for it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X O O O O O
  . X . X O . . . .
  X X X X O . O . .
  . X . X O . . . .
  . . X . . O . . .
call YoseValue:barred D1 [D1=r/b O:barred J:g=0]

# --- The opponent's threat answered on the first column --------------------
#   call YoseValue:their-ladder P Q S   (yose-bounds.tst) O's move at P
#       leaves a chain of J's with two liberties that the ladder catches, Q
#       and S its first two moves; J's move at P threatens nothing.
#       A = J's evaluation after J at P; B = O's after O at P and J's answer
#       at Q; f2 = O's after O at P, Q and S, halved.  O's move is sente
#       when 2B < f2; then r = 2 (A + B) when that is below f2, else A + B;
#       bonus 0.  "P=r/b", then the bounds as in yose-bounds.tst

[endgame-their-ladder-answered-on-the-first-column]
# endgame-reverse-sente-twice-the-sum-equals-the-follow-up (yose-bounds.tst)
# reflected in the diagonal through A9: White's B9 beside its A8-B8-A7
# threatens nothing.  Black's B9 leaves that chain (under Black's C8 and
# B7) with A9 and A6, and the ladder catches it: Black's A6, then A9 takes
# it (Q = A6, S = A9).  White answers at A6, a point of the first column,
# which is read like any other.  2B < f2: Black's move is sente; the sum
# A + B is exactly half of f2, so the value stays A + B, bonus 0.
white to play
  . . . . . . . . .
  O O X . . . . . .
  O X . X . . . . .
  . . . . . . . . .
  . O . . . . X . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . O O X .
  . . . . . . . . .
call YoseValue:their-ladder B9 A6 A9 [B9=r/b J:g>0 J:- O:g>0 O:2g<f sum>0 O:f>2 O:2sum=f]

# --- The scan of the points beside stones ---------------------------------
#   call YoseStoneThink:at V...   the endgame scan of the points beside one
#       or two stones alone (empty cache, clean marks): each V as "V" with a
#       candidate there, "V=none" without, ":mark" when marked dealt with
# The scan sends a point with exactly two stone neighbours, both of one
# colour, to the two-stone reading.

[stone-scan-sends-a-two-stone-point]
# The position of endgame-two-stones-both-open-sides-held-by-two
# (yose-bounds.tst): E5 beside Black's E6 and D5, in no region, empty at
# F5 and E4, each held by two White stones and touching no Black one.  The
# scan finds two stone neighbours of one colour and reads the point: E5 is
# valued and marked.
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
call YoseStoneThink:at E5 [E5:mark]

#   call YoseBorderThink:at V...   the same for the scan of the border
#       points beside the engine's stones
# The border scan takes a point with at least one empty neighbour, at least
# one stone of the engine's beside it and a stone of the opponent's next to
# it or on a diagonal: a point with no empty neighbour is the dame scan's.

[border-scan-passes-a-dame-by]
# The position of endgame-dame-scan-takes-only-closed-points
# (yose-bounds.tst): Black's living wall on the D line with E6, White's on
# the F line with E4.  E3, E2 and E1 each keep an empty neighbour on the E
# line, touch Black's wall and White's: the scan reads each of them, and
# each reading stores its value (no dying White stone beside them, Black
# may play there, Black's wall beside them has two eyes and more, no atari
# at stake, Black's stone there joins the wall).  E5 touches Black's E6
# and D5 and White's F5 and E4 and no empty point: the border scan passes
# it by.
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
call YoseBorderThink:at E5 E3 E2 E1 [E1 E2 E3 E5=none]

# --- The race fallback on the first column ---------------------------------
#   call YoseSemeaiThink:cover   (generators-cover.tst) the false eyes
#       (verdict Yes) of a region of the other colour's racing group where
#       the side to move may play: candidates "P=0/1"

[race-false-eye-on-the-first-column]
# endgame-fallback-race-false-eye-black (generators-cover.tst) reflected in
# the diagonal through A1: White's inner group C1-C4, B2 with A1 and A3
# (liberties B1 and A2) races Black's eyeless D1-D5, C5-B5, B4-B3, A4
# (liberties B6 and A5), both shut in by White's outer wall.  A2, between
# White's A1 and A3 with Black's B3 on its diagonal, is a false eye
# (verdict Yes) of White's racing group; Black may play there (it takes
# A3, whose only liberty it is): A2 = 0/1, on the first column as
# anywhere else.
black to play
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . . O O O . . . .
  . X X X O . . . .
  X X O X O . . . .
  O X O X O . . . .
  . O O X O . . . .
  O . O X O . . . .
call YoseSemeaiThink:cover [A2=0/1]

# --- The other fallback scans on the first column ---------------------------
#   call YoseDeathThink:cover    (generators-cover.tst) the dead chains'
#       last liberties in the engine's own region: candidates "P=0/2"
#   call YoseKakemeThink   (yose-bounds.tst) the false-eye scan alone: its
#       candidates as "P=value/bonus"

[dead-chains-last-liberty-on-the-first-column]
# endgame-fallback-fills-a-dead-chains-last-liberty (generators-cover.tst)
# reflected in the diagonal through A1: Black's B1-B4 with A1 and A4 lies
# dead under White's wall C1-C5, B5, A5, with the one liberty A3; White's
# A2 inside has no liberty but A3 either, so A3 must be filled before the
# count and is marked.  A3 lies in White's region and White may play there
# (it takes the six stones): value 0, bonus 2, on the first column as
# anywhere else.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  X X O . . . . . .
  . X O . . . . . .
  O X O . . . . . .
  X X O . . . . . .
call YoseDeathThink:cover [A3=0/2]

[false-eye-mended-on-the-left-edge]
# endgame-fallback-mends-a-false-eye-on-the-edge (yose-bounds.tst)
# mirrored left to right: A7 on the edge between White's B7 and A6, with
# Black's B6 on its inner diagonal, is a false eye (verdict Yes).  White
# may fill it without self-atari, Black captures nothing there, and
# White's chain B7-A7-A6 then keeps four liberties: the fallback proposes
# A7 with value 0 and bonus 1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKakemeThink [A7=0/1]

# The same three fallbacks turned so that the point lies on the top row.

[dead-chains-last-liberty-on-the-top-row]
# endgame-fallback-fills-a-dead-chains-last-liberty (generators-cover.tst)
# upside down: Black's A8-D8 with A9 and D9 lies dead under White's wall
# A7-E7, E8, E9 with the one liberty C9; White's B9 inside has no liberty
# but C9 either.  C9 lies in White's region and White may play there (it
# takes the six stones): value 0, bonus 2.
white to play
  X O . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseDeathThink:cover [C9=0/2]

[false-eye-mended-on-the-top-edge]
# endgame-fallback-mends-a-false-eye-on-the-edge (yose-bounds.tst)
# reflected in the diagonal through A1: G9 on the top edge between White's
# F9 and G8, with Black's F8 on its inner diagonal, is a false eye (verdict
# Yes).  White may fill it without self-atari, Black captures nothing
# there, and White's chain F9-G9-G8 then keeps four liberties: G9 with
# value 0 and bonus 1.
white to play
  . . . . . O . . .
  . . . . . X O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKakemeThink [G9=0/1]

[race-false-eye-on-the-top-row]
# endgame-fallback-race-false-eye-black (generators-cover.tst) upside
# down: White's inner group A7-D7, B8 with A9 and C9 (liberties A8 and B9)
# races Black's eyeless A6-E6, E7-C8, D9 (liberties F8 and E9), both shut
# in by White's outer wall.  B9, between White's A9 and C9 with Black's C8
# on its diagonal, is a false eye of White's racing group; Black may play
# there (it takes C9, whose only liberty it is): B9 = 0/1.
black to play
  O . O X . . O . .
  . O X X X . O . .
  O O O O X O . . .
  X X X X X O . . .
  O O O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSemeaiThink:cover [B9=0/1]

# And on the last column.

[dead-chains-last-liberty-on-the-last-column]
# dead-chains-last-liberty-on-the-first-column mirrored left to right:
# Black's H1-H4 with J1 and J4 lies dead under White's wall G1-G5, H5, J5
# with the one liberty J3; White's J2 inside has no liberty but J3 either.
# J3 lies in White's region and White may play there: value 0, bonus 2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O O O
  . . . . . . O X X
  . . . . . . O X .
  . . . . . . O X O
  . . . . . . O X X
call YoseDeathThink:cover [J3=0/2]

[race-false-eye-on-the-last-column]
# race-false-eye-on-the-first-column mirrored left to right: White's
# inner group G1-G4, H2 with J1 and J3 races Black's eyeless F1-F5, G5-H5,
# H4-H3, J4, both shut in by White's outer wall.  J2, between White's J1
# and J3 with Black's H3 on its diagonal, is a false eye of White's racing
# group; Black may play there (it takes J3, whose only liberty it is):
# J2 = 0/1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O O
  . . . . O O O . .
  . . . . O X X X .
  . . . . O X O X X
  . . . . O X O X O
  . . . . O X O O .
  . . . . O X O . O
call YoseSemeaiThink:cover [J2=0/1]

[false-eye-mended-on-the-bottom-edge]
# false-eye-mended-on-the-top-edge upside down: G1 on the bottom edge
# between White's F1 and G2, with Black's F2 on its inner diagonal, is a
# false eye (verdict Yes); White fills it (its chain F1-G1-G2 keeps four
# liberties): G1 with value 0 and bonus 1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . . . O . . .
call YoseKakemeThink [G1=0/1]

[stone-scan-sends-a-white-two-stone-point]
# The same with the colours swapped: E5 beside White's E6 and D5, its
# empty neighbours F5 and E4 each held by two Black stones: valued and
# marked.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . X . .
  . . . . . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseStoneThink:at E5 [E5:mark]

# --- The cache forgotten around a move -----------------------------------
#   call YoseCacheInvalidate:square M V...   every V holds value 5 in the
#       cells of both colours, the cache has been read once, and the move
#       at M (a stone of the diagram) makes it forget: each V as "V=BW",
#       "V=B", "V=W" (the colours whose cell keeps its 5) or "V=-"
# The move forgets every cell of the 5 x 5 square centred on it, in both
# colours' caches alike; a cell three lines away keeps its value.

[cache-forgets-the-square-around-a-move]
# Black's lone stone E5 is the move.  C3, E3, F6 and G7 lie in the square
# (at most two lines away in each direction): both colours forget them.
# B5 and H2 lie three lines away across, E8 three lines up: both keep.  E5
# touches no chain, so no three-liberty neighbour adds anything.
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
call YoseCacheInvalidate:square E5 C3 G7 B5 E8 H2 F6 E3 [B5=BW C3=- E3=- E8=BW F6=- G7=- H2=BW]

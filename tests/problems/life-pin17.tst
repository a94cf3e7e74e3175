# The settling jump that peeps at eye value 3, the urgent eye pass on a
# group of two stones, and its border neighbour whose chain keeps exactly
# two liberties.
#
#   call GunMe V   the eye value of the group at V as the analysis gives it
#   call GunMe:after V P   (yose-pin17.tst entries) the owner of the group
#       at V plays P and the board is analysed again: the eye value of the
#       group at P then
#   call SikatuSettle V   (life-katachi-pin6.tst) the settling patterns
#       together on the group at V: "me=N kokyu=N", the candidates as
#       "point=K+d:reason" (K the group's value), then "then:R" the reason
#       left
#   call SikatuUrgentMe:at V P...   (generators-roles.tst) the urgent eye
#       pass on the group at V, its candidates at P... as "P=K+d:reason"
#       ("P=none")

# --- The jump that peeps runs at eye value 3 ------------------------------------

[settle-all-jump-that-peeps-at-eye-value-three]
# settle-all-jump-that-peeps-at-eye-value-two (life-katachi-pin6.tst) with
# White's J1 added in its corner: White's G1-G2-G3-H3-J3 and J1 round H1,
# H2 and J2, eye value 3 now, one breathing point.  The jump that peeps
# runs up to eye value 3 and gives E3 at the group's value as before:
# E3, White's one-space jump from G3 (F2, F3, F4 empty, four empty
# neighbours), peeps at the gap D3 of Black's D4-D2, and White E3 with the
# cut at D3 takes the lower left as eye space (eye value 4 or more); when
# Black connects at D3 instead, White E2 closes the area E1-F2 beside the
# corner: two eyes.  The lone stone pattern runs too (eye value 3) but no
# White stone is in atari; no other pattern finds a point.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . . . . . O O O
  . . . X . . O . .
  . . . . . . O . O
call GunMe G3 [3]
call SikatuSettle G3 [me=3 kokyu=1 E3=K:9 then:9]

# --- The urgent eye pass: two stones are enough -----------------------------------

[urgent-eye-two-stone-group]
# White's A2-B2 on the second line in the corner, Black's lone C4 above:
# a group of two stones (the least the pass takes), eye value 3, no chain
# in atari beside it and no relation move for it.  C2, beside B2 at the
# edge of the group's corner region, has area value 0, no Black neighbour,
# exactly three empty neighbours (C1, D2, C3) and is off the edge: White
# plays it, its chain A2-B2-C2 keeps many liberties and the group's eye
# value becomes 4: C2 at the group's value, no more (C2 is no atari point
# for Black: A2-B2 has five liberties).
# C1 on the first line has no Black neighbour but lies on the edge: no
# candidate there.  The relation answers run first and the pass adds under
# the reason they left (5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
call GunMe A2 [3]
call GunMe:after A2 C2 [4]
call SikatuUrgentMe:at A2 C1 C2 [C1=none C2=K:5]

# --- The urgent eye pass: a border neighbour left with two liberties -------------

[urgent-eye-border-neighbour-with-two-liberties]
# White's A2-B2-C2-D2 on the second line over the region A1-D1, Black's
# lone F1 on the first line.  E1, beside the region's end D1, has area
# value 0 and one Black neighbour (F1), so the pass reads White's E1: its
# stone touches none of White's (D2 is diagonal) and keeps exactly two
# liberties, D1 and E2.  A chain of exactly two liberties gives no
# candidate, though the group's eye value after E1 is 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O . . . . .
  . . . . . X . . .
call GunMe:after A2 E1 [5]
call SikatuUrgentMe:at A2 E1 [E1=none]

# --- The saving extension wants eye value 3 ---------------------------------------
#   call SikatuSkip:gates V   (life-yose-pin4.tst) the test that spares the
#       group at V the life-and-death reading, on an empty candidate table:
#       "stones=S me=M kokyu=K" (the premises), then "skip" or "read"

[skip-gates-extension-that-keeps-eye-value-two-read]
# Black's A2-B2-C2 on the second line with B3 above and B1 below it, White's
# C5-D5 above, E2 and H2 to the right, White to play.  Black's group: five
# stones, eye value 2, one breathing point: D3, diagonal to C2, on the third
# line with no stone beside it (B5, a jump from B3, touches White's C5, and
# D4, a knight's move from C2, touches D5: no breathing points).  Black's D3
# leaves the eye value at 2: an extension saves the group only when it
# brings the eye value to 3 or more, so it is no saving extension.  The
# other tests find nothing either (no saving candidate in the empty table,
# no liberty move, no relation move, one breathing point, and D3 is not on
# the second line): read.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . . . . .
  . X . . . . . . .
  X X X . O . . O .
  . X . . . . . . .
call GunMe:after A2 D3 [2]
call SikatuSkip:gates A2 [stones=5 me=2 kokyu=1 read]

# --- The pass leaves a group of death level 0 alone ---------------------------------
#   call GunDeathLevel V   (life-sikatu-pin6.tst) the group's death level as
#       the analysis gives it: "level=L", "weak" when weak, then its
#       breathing points
#   call SikatuMeShape V   (generators.tst) the eye-shape pass on the group
#       at V: its candidates ("none")
#   call SikatuThink:pass V   (life-sikatu-pin6.tst) the life-and-death pass
#       over every group: its candidates as "P=K+d:R" against the value K
#       of the group at V; "none"

[pass-leaves-eye-value-three-at-death-level-zero]
# White's C6-D5-D3 in open ground, White to play: three stones, eye value
# 3, death level 0 with 13 breathing points (fewer than 14).  Settled by
# itself it would take the wide extension G3 (a two-space jump from D3 on
# the third line, all round it empty, eye value 9 after it), but the pass
# leaves a group of eye value below 4 alone when its death level is 0.
# Black's A4 with C2-D2 has eye value 5: only the eye-shape pass runs on
# it, and it finds no half eye to make use of.  The lone stones G7 and H5
# are single stones: left alone.  No candidate.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . O . . . . . .
  . . . O . . . O .
  X . . . . . . . .
  . . . O . . . . .
  . . X X . . . . .
  . . . . . . . . .
call GunMe C6 [3]
call GunDeathLevel C6 [level=0 B5 B7 C4 C8 D7 D8 E4 E6 E7 F3 F4 F5 F6]
call GunMe:after C6 G3 [9]
call SikatuSettle C6 [me=3 kokyu=13 G3=K+1:32 then:9]
call GunMe C2 [5]
call SikatuMeShape C2 [none]
call SikatuThink:pass C6 [none]

# --- The liberty in the atari map: the other chain runs out first -----------------
#   call GunMe:capture V P Q [R]   (yose-pin17.tst entries) the owner of the
#       group at V plays P and Q, the other colour runs out at R when given:
#       the eye value of the group at P then
#   call SettleAtariDame V   (generators.tst) the settling pattern of the
#       liberty in the atari map on the group at V: its candidates as
#       "point=K+d:reason" ("none")

[settle-liberty-capture-lets-the-other-chain-run-out]
# White's E3-E2-E1 with C3, Black's D4 above and F2 beside, Black's C2, B1
# and D1 in the corner, White to play.  D2, a liberty of White's group, is
# no self-atari for White (it joins E2) and is marked in White's atari map:
# it ataris Black's D1, left with C1.  White plays D2 and captures D1 at
# C1; that leaves Black's C2 in atari beside C1 (its last liberty B2, as
# C3 and D2 are White's), so Black's extension at B2 is played too: B2-C2
# joins B1 and keeps A1, A2 and B3.  The group's eye value is then 3,
# below 4 (it would be 4 had Black not run out), so the pattern stops
# there: no candidate.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . O . . . .
  . . X . O X . . .
  . X . X O . . . .
call GunMe:capture E3 D2 C1 B2 [3]
call GunMe:capture E3 D2 C1 [4]
call SettleAtariDame E3 [none]

# --- The ladder in the region: three moves are enough -------------------------------
#   call Ladder:moves V   (yose-pin17.tst entries) the ladder against the
#       chain at V: "caught" and the moves the ladder reading stored, or
#       "free"
#   call SettleSichoInJi V   (generators.tst) the settling ladder on an
#       attacker stone inside the group's region, on the group at V

[settle-ladder-of-three-moves-in-the-region]
# Black's A3-E3 with A2, E2 and E1 encloses A1-D2 (eye value 4), where
# White has A1, B2 and C1-D1, White to play.  White's B2 (liberties B1 and
# C2) is caught by a ladder of exactly three moves: Black's B1 captures A1
# but keeps only the liberty A1 (a self-atari, as the pattern wants), White
# extends at C2 (B2-C2-C1-D1 with D2 its last liberty), Black captures at
# D2.  After those three moves Black holds the whole corner (eye value 4
# or more): the ladder's first move B1 is proposed at the group's value,
# reason 9.  White's A1, already in atari, has no three-move ladder, and
# C1-D1 (three liberties) escapes.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X X O . . .
  X O . . X O . . .
  O . O O X O . . .
call GunMe E3 [4]
call Ladder:moves B2 [caught B1 C2 D2]
call Ladder:moves C1 [free]
call SettleSichoInJi E3 [B1=K:9]

# Life and death rows on the pass over the groups after the pondering and on
# the breathing-point bound of the test that spares a group the reading.
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on
#   status V        "dead" or "alive": the analysis' verdict on the group at V
#   call GunDeathLevel V   (life-sikatu-pin6.tst) the group's death level
#   call SikatuSkip:table V   (life-sikatu-pin6.tst) the test that spares the
#       group at V the reading, on an empty table: "skip" or "read", then the
#       candidates it left as "P=K+d:R", sorted; "none"
#   call SikatuSkip:second V   (life-sikatu-pin6.tst) the same test: "skip" or
#       "read", then every candidate it left against E, the evaluation for
#       the second-line mover after that colour's stone at the point
#   call IkiruYomi:cover V   (generators-cover.tst) the life pondering of the
#       group at V: "n=N" (its answer), then its candidates
#   call KorosuYomi:cover V   the kill pondering of the group at V: "n=N"
#       (its answer), then its candidates
#   call SikatuSettle V   the settling patterns on the group at V: "me=N
#       kokyu=N" (premises), then the candidates "P=K+d:R", then "then:R"
#   call SikatuKillPatterns V   the kill patterns on the group at V:
#       "kokyu=N" (the group's breathing points), then the points it proposes
#   call SikatuMeShape V   the eye-shape pass on the group at V: "P=K+d:R"
#   call SikatuThink:pass V   (life-sikatu-pin6.tst) the pass over every
#       group with the pondering on and nothing remembered: every candidate
#       left as "P=K+d:R" against K, the value of the group at V, sorted

# --- Own group of eye value 3: settled when the life pondering finds nothing --

[pass-settles-own-eye-value-three-when-life-reading-finds-nothing]
# White's A4-A3-B3-B2 against Black's A1-B1, C2 and D3: eye value 3, alive,
# death level 52 (premises).  White to play: the group is the engine's own.
# The test does not spare it (read, nothing left) and the life pondering
# answers 0 with no candidate (premises), so the pass settles it: the
# settling patterns propose B7 at K + 1, reason 32 (premise).  Black's
# A1-B1 has eye value 4 beside White's group, which is not dead and of eye
# value below 4: an open neighbour, so the pass leaves Black's group alone;
# C2 and D3 are single stones.  The table holds B7 at K + 1 alone.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  O O . X . . . . .
  . O X . . . . . .
  X X . . . . . . .
call GunMe A4 [3]
status A4 [alive]
call GunDeathLevel A4 [level=52 weak B5 B6 C4 C5]
call GunMe A1 [4]
call SikatuSkip:table A4 [read none]
call IkiruYomi:cover A4 [n=0]
call SikatuSettle A4 [me=3 kokyu=4 B7=K+1:32 then:9]
call SikatuThink:pass A4 [B7=K+1:32]

# --- Own group of eye value 4: kill patterns when the life pondering finds nothing

[pass-runs-kill-patterns-on-own-eye-value-four-after-an-empty-life-reading]
# White's B5-C5-B4 has eye value 4 (premise) and one breathing point (the
# kill patterns print it): the eye value 4 gate on three breathing points
# does not spare it.  White to play: the group is the engine's own.  Its
# neighbours, Black's A4 and the chain B3-C3-D3-D4-E4-D5, both have eye
# value 4, none below 4: no open neighbour.  The test does not spare it and
# leaves the relation answer A3 at K - 25, reason 4 (premise); the life
# pondering answers 0 (premise), so the pass runs the kill patterns on it:
# A5, proposed at the group's value, reason 9.  Black's chain is spared by
# the test (premise) and has no open neighbour either (White's groups have
# eye values 4 and 6); White's A2-A1-B1 and D2-E2-D1 (eye value 6) get
# nothing from the eye-shape pass (premises); A4 is a single stone.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O X . . . . .
  X O . X X . . . .
  . X X X . . . . .
  O . . O O . . . .
  O O . O . . . . .
call GunMe B5 [4]
call GunMe B3 [4]
call GunMe A4 [4]
call GunMe A2 [6]
call GunMe D2 [6]
status B3 [alive]
call SikatuSkip:table B5 [read A3=K-25:4]
call SikatuSkip:table B3 [skip none]
call IkiruYomi:cover B5 [n=0]
call SikatuKillPatterns B5 [kokyu=1 A5]
call SikatuMeShape A2 [none]
call SikatuMeShape D2 [none]
call SikatuThink:pass B5 [A3=K-25:4 A5=K:9]

# --- A group of eye value 6 goes to the eye-shape pass ------------------------

[pass-sends-eye-value-six-to-the-eye-shape-pass]
# White's A2, B1, C2-C3 (one group, eye value 6, two breathing points) and
# Black's B4-C4 (eye value 3, death level 44).  White to play.  Black's
# group is spared by the test and the kill patterns find nothing on it
# (premises).  White's group, of eye value 6, goes to the eye-shape pass,
# which proposes B3 at the group's value, reason 9 (premise).  E5 and B2 are
# single stones.  So the table holds B3 at K alone.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . X X . . . . . .
  . . O . . . . . .
  O X O . . . . . .
  . O . . . . . . .
call GunMe C3 [6]
call GunMe A2 [6]
call GunMe B4 [3]
call GunDeathLevel B4 [level=44 weak B6 C6 D6]
call SikatuSkip:table B4 [skip none]
call SikatuKillPatterns B4 [kokyu=3 none]
call SikatuKillPatterns C3 [kokyu=2 none]
call SikatuMeShape C3 [B3=K:9]
call SikatuThink:pass C3 [B3=K:9]

# --- Five breathing points are not too many for the reading -------------------

[skip-test-goes-on-to-the-second-line-with-five-breathing-points]
# White's E3, F2, E1-F1 (one group, eye value 3, five breathing points:
# premise printed by the settling patterns).  Only more than five breathing
# points spare a group outright; with five the test goes on.  The group is
# of eye value 3, so the extension test does not apply, and the second-line
# test looks at its breathing points on the second line with four empty
# neighbours and both colours around: D2 and H3.  White's stone at either
# gives the group eye value 4 or more, so both are added at White's
# evaluation after the stone there, and the test spares the group.  (Had
# five breathing points spared it, the table would be empty.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . X O X X . . .
  X . X X . . . . .
  . . . . . X . . .
  X . O . O . . . .
  X O . . . O . . .
  X X X . O O . . .
call GunMe F2 [3]
call GunMe E3 [3]
call SikatuSettle F2 [me=3 kokyu=5 none then:9]
call SikatuSkip:second F2 [skip D2=E H3=E]

# --- The two-liberty chain kill: an evaluation of exactly 1 still counts ------
#   call KillNiDameRen:read V L R   (generators.tst) the two-liberty chain
#       pass on the group at V, against the reading "the attacker at L, the
#       defender at R": the candidate at L as "L=r:9" when its value is the
#       attacker's evaluation after those two moves, the others by points
#   call HaneMore:value V M...   (keima-pin5.tst) the evaluation for the
#       colour other than V's after the moves M, played from that colour
#   call HaneMore:eyes A V M...   (keima-pin5.tst) the eye value of the group
#       at V after the moves M, played from the colour of A

[kill-two-liberty-chain-on-an-evaluation-of-one]
# Black's group B5, B3-B2-C2, D3, E4 and A1 (eye value 10).  Its chains
# with exactly two liberties: B5 (B4, B6), D3 (C3, E3) and A1 (A2, B1).
# White's A2, B1 and C3 are self-ataris.  White's B4 is not, and nothing of
# White's beside B5 is in atari after it, so Black answers at B6; B5-B6 then
# has eye value 2 (premise), below 4, and White's evaluation is exactly 1
# (premise): any value above 0 proposes B4, so B4 stands at the reading.
# White's E3 answered at C3 leaves Black's D3 in a group of eye value 5
# (premise): no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O X O O . . . . .
  . . . O X . . . .
  . X . X . . . . .
  . X X O . . . . .
  X . . . . . . . .
call GunMe B3 [10]
call HaneMore:value B5 B4 B6 [1]
call HaneMore:eyes D4 B5 B4 B6 [me=2]
call HaneMore:eyes D4 D3 E3 C3 [me=5]
call KillNiDameRen:read B3 B4 B6 [B4=r:9]

# --- The settling diagonal point when it is the group's first related point --
#   call SettleNanameAnswer V   (generators.tst) the settling diagonal point
#       that ataris an attacker chain, on the group at V

[settle-diagonal-first-related-point-after-the-capture]
# The position after Black's B4 and the capture at A5 in the next row
# (White's A4 taken): Black's group has eye value 7, alive (the premise).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . X O O . . . . .
  X . X . . . . . .
  X O . . . . . . .
  . O . . . . . . .
call GunMe B4 [7]

[settle-diagonal-point-first-in-the-list]
# Black's A3-A2 and C3 (eye value 0, premise) under White's A4, C4-D4 and
# B2-B1.  B4 is diagonal to A3 and C3 and touches no Black stone: White's A4
# and C4 stand beside it, B3 and B5 are empty.  Black there is no
# self-atari and puts A4 in atari (its liberties were A5 and B4): the
# capture point is A5.  Black's capture at A5 gives eye value 7 (previous
# row); White's connection at A5 leaves eye value 2 (premise).  Of B4's
# empty neighbours, B3 has no empty neighbour and is not tried; B5 has two
# (C5, B6) and one Black neighbour (B4): Black's B5 then gives eye value 5
# (premise).  B4 is proposed at the group's value, reason 9.  No other
# diagonal point qualifies: D2 ataris nothing (White's B2-B1 keeps C2, C1
# and A1; C4-D4 keeps four liberties).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . O O . . . . .
  X . X . . . . . .
  X O . . . . . . .
  . O . . . . . . .
call GunMe A3 [0]
call HaneMore:eyes A3 B4 B4 A5 [me=2]
call HaneMore:eyes A3 B4 B4 A5 B5 [me=5]
call SettleNanameAnswer A3 [B4=K:9]

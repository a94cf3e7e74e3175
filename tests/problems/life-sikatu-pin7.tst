# Life and death rows on the escape test of a lone stone and on the pass
# over a group of eye value 2.
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on
#   call GunDeathLevel V   the death level of the group at V as the
#       analysis gives it (life-sikatu-pin6.tst): "level=L", "weak" when
#       the group counts as weak, then its breathing points, sorted
#   call NigeruCheck V   the escape test (life-pin5.tst): "runs" when the
#       group's colour taking one of its breathing points lowers the death
#       level of the group of the first stone by 10 or more, "stays"
#       otherwise

# --- The escape test of a group of one stone --------------------------------
# The test plays each breathing point and reads the group that then stands
# on the group's first stone: a group of one stone has no other.

[escape-test-of-a-lone-stone-that-runs]
# Black's lone E2 on the second line between White's C2, G2 and E4: eye
# value 0 (the premise).  Its breathing points are the diagonals D3 and F3
# (kind 2; D1 and F1 lie on the first line, D4 and F4 touch White's E4,
# the knight's points C3 and G3 touch White's C2 and G2, the jump E4 is
# White's): death level 100 - 2 - 2 = 96, weak (the premise).  Black's D3
# makes the two-stone group E2-D3 with death level 81 (the next row): the
# fall 96 - 81 = 15 is 10 or more, so the stone runs.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . O . X . O . .
  . . . . . . . . .
call GunMe E2 [0]
call GunDeathLevel E2 [level=96 weak D3 F3]
call NigeruCheck E2 [runs]

[escape-test-lone-stone-position-after-the-diagonal]
# The row above after Black's D3: the group E2-D3 keeps eye value 0 and
# has death level 81, with breathing points B4, C4, C5 and F3 (the
# premises: 100 less 2 for each diagonal C4, F3, 3 for each knight's point
# B4, C5 and 2 more for each of these two, less 1 for each far relation
# point that no White stone sees).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . O . X . O . .
  . . . . . . . . .
call GunMe E2 [0]
call GunDeathLevel E2 [level=81 weak B4 C4 C5 F3]

# --- The pass settles a group of eye value 2 that the pondering cannot help --
#   the calls of the rows above, and:
#   call SikatuSkip:table V   the test that spares the group at V the
#       reading (life-sikatu-pin6.tst): "skip" or "read", then the
#       candidates it left as "P=K+d:R" against K, the group's value
#   call SikatuKoho:own V   the candidate points of the group at V for its
#       own colour (life-sikatu-pin6.tst), a premise
#   call IkiruYomi:points V   the life pondering of the group at V
#       (life-yose-pin4.tst): "n=N", then its candidate points
#   call SikatuThink:pass V   the pass over every group with the pondering
#       on (life-sikatu-pin6.tst): every candidate left as "P=K+d:R" against
#       K, the value of the group at V, sorted
# A group of eye value below 3 that the test does not spare is pondered for
# life, and gets the settling patterns when the pondering proposes nothing,
# whichever side it belongs to.

[pass-settles-an-enemy-group-of-eye-value-two-after-empty-pondering]
# Black's corner B9, A8-B8 with the one-point eye A9: eye value 2, death
# level 94 (weak, but not below 51), no breathing point (the premises).
# White to play: the group is the opponent's.  The test does not spare it:
# it leaves only a relation answer at C8, K - 9, too small to save it (the
# premise).  Black has no candidate point for its own reading (the
# premise), so the life search finds no living move and the filter no
# improving one: the pondering proposes nothing (n = 0), and the settling
# patterns run.
#   liberty in the atari map: Black's liberty A7 (no self-atari: it joins
#   A8) puts White's A6-A5 in atari (its other liberty B6).  Black's A7 and
#   capture at B6 (then White's B7, in atari, extends at C7) gives eye value
#   8 (a later row), 4 or more; so White answers at B6 instead: eye value
#   stays 2 (a later row) and White's chain B7-B6-A6-A5 has exactly the two
#   liberties C7 and C6.  Black's C7 has two liberties (C8, C6) and gives
#   eye value 14 (a later row), 3 or more: A7 is proposed at K, reason 9.
#   diagonal with answers: Black's C7 puts B7 in atari (liberty A7); after
#   White's connection at A7 Black's eye value is 10 (a later row), not
#   below 4: nothing.
#   The other settling patterns find nothing: no wide or narrow extension
#   (White's B7, D7 and A6 stand around every such point, or it lies on the
#   first line), no stone in the eye, no peep.
# White's stones (eye value 6, one group of regions without a one-point
# eye) get nothing; Black's B5 and A4 are single stones and are passed
# over.  So the table holds A7 at K (reason 9) and C8 at K - 9 (reason 5).
white to play
  . X . . . . . . .
  X X . . . . . . .
  . O . O . . . . .
  O . . . . . . . .
  O X . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe B8 [2]
call GunDeathLevel B8 [level=94 weak none]
call SikatuSkip:table B8 [read C8=K-9:5]
call SikatuKoho:own B8 [none]
call IkiruYomi:points B8 [n=0]
call SikatuThink:pass B8 [A7=K:9 C8=K-9:5]

[pass-settle-position-after-the-atari-and-the-answer]
# The row above after Black's A7 and White's B6: eye value 2 (the premise).
white to play
  . X . . . . . . .
  X X . . . . . . .
  X O . O . . . . .
  O O . . . . . . .
  O X . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe B8 [2]

[pass-settle-position-after-the-second-liberty]
# The row above and Black's C7 (White's B7-B6-A6-A5 in atari at C6): eye
# value 14 (the premise).
white to play
  . X . . . . . . .
  X X . . . . . . .
  X O X O . . . . .
  O O . . . . . . .
  O X . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe B8 [14]

[pass-settle-position-after-the-capture]
# The first row after Black's A7, Black's B6 taking A6-A5, and White's C7:
# eye value 8 (the premise).
white to play
  . X . . . . . . .
  X X . . . . . . .
  X O O O . . . . .
  . X . . . . . . .
  . X . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe B8 [8]

[pass-settle-position-after-the-diagonal-and-the-connection]
# The first row after Black's C7 and White's connection at A7: eye value
# 10 (the premise).
white to play
  . X . . . . . . .
  X X . . . . . . .
  O O X O . . . . .
  O . . . . . . . .
  O X . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe B8 [10]

# --- The life pondering's fallback: the base halved only below eye value 4 --
#   call SikatuKoho:own V   as above (a premise)
#   call SikatuIkiru:cover V   the life filter on the group at V
#       (generators-cover.tst): "me=N", then the moves it kept, sorted
#   call SikatuKorosu:cover V   the kill filter on the group at V
#       (generators-cover.tst): "me=N", then the moves it kept, sorted
#   call IkiruYomi:cover V   the life pondering of the group at V
#       (generators-cover.tst): "n=N", then its candidates against h, the
#       group's value K, or K / 2 - 1 for eye value below 3 ("P=h", "P=h/2")
# When no move lives, the pondering proposes the filter's moves; for a
# group that is not the engine's, the group's own colour plays each first,
# and the base is halved when the group there is left below eye value 4.
# Eye value exactly 4 keeps the base.

[life-pondering-fallback-keeps-the-base-at-eye-value-four]
# Black's corner A7-D7 with D9, and White's B9 and A8 inside the space
# A9-C9, B8-D8: eye value 2 (the premise).  White to play: the group is not
# the engine's.  Black's only candidate point is B8 (the premise): Black's
# B8 (A8 left with the liberty A9) gives eye value 4 (the next row), above
# 2 and at least 3, so the filter keeps it; White still kills after it
# (the kill filter there offers A9, C9 and D8, the next row), so no move
# lives and the pondering falls back on B8 (n = 1).  Black's B8 leaves the
# group at eye value 4, not below 4: the base stays h.  White's own stone
# at B8 joins A8 and B9 with the liberties A9, C9 and C8, more than one:
# proposed.  B8 is on the second line from both edges, not the second and
# third: no line bonus.  So B8 = h.
white to play
  . O . X O . . . .
  O . . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A7 [2]
call SikatuKoho:own A7 [B8]
call SikatuIkiru:cover A7 [me=2 B8]
call IkiruYomi:cover A7 [B8=h n=1]

[life-pondering-fallback-position-after-the-filter-move]
# The row above after Black's B8: eye value 4; White's kill filter keeps
# A9, C9 and D8 (the premises).
white to play
  . O . X O . . . .
  O X . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A7 [4]
call SikatuKorosu:cover A7 [me=4 A9 C9 D8]

# --- The skip test's relation answers: only those it adds itself count ------
#   call SikatuSkip:seeded-22 V P   the test that spares the group at V,
#       with a candidate of value 22 (score 220) already in the table at P
#       under the relation reason: "skip" or "read", then the points the
#       test added, sorted
# The relation step spares the group when one of the answers IT adds
# scores 220 or more; a strong candidate already in the table before it
# does not count (nor does it save the group unless it lies on one of the
# group's related points).

[skip-test-ignores-a-strong-candidate-from-before]
# The position of pass-settles-an-enemy-group-of-eye-value-two-after-empty-
# pondering: Black's corner group of eye value 2, which the test reads,
# adding only the relation answer C8 (K - 9, far below 22).  A candidate of
# value 22 at J1, far from the group (none of its related points), is in
# the table first: it saves nothing, and the relation step looks only at
# its own answer C8, below the bar.  No liberty move, no breathing point,
# no second-line point: the group is read, with C8 added.
white to play
  . X . . . . . . .
  X X . . . . . . .
  . O . O . . . . .
  O . . . . . . . .
  O X . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuSkip:seeded-22 B8 J1 [read C8]

# --- The life pondering's fallback: the engine's stone needs two liberties --
# For each of the filter's moves the engine's own stone is tried there; the
# point is proposed only when the engine's chain there keeps more than one
# liberty.

[life-pondering-fallback-drops-a-point-where-the-engine-has-one-liberty]
# Black's A7 between White's A8 and A6 (eye value 0, the premise) beside
# Black's B9, C8, C7-D7 and D9; White's A9-A8 has the one liberty B8.
# White to play: the group is not the engine's.  Black's only candidate
# point is B8 (the premise): Black's B8 takes A9-A8 and the group there
# reaches eye value 3 (the next row), above 0 and at least 3: the filter
# keeps it; White still kills after it (its kill filter there keeps B7 and
# D8, the next row), so no move lives and the pondering falls back on B8
# (n = 1).  White's own stone at B8 would join A9-A8 with B9 and C8
# Black's: the chain A9-A8-B8 has the one liberty B7, not more than one:
# B8 is not proposed.  The answer: n = 1 and no candidate.
white to play
  O X . X O . . . .
  O . X . O . . . .
  X . X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A7 [0]
call SikatuKoho:own A7 [B8]
call SikatuIkiru:cover A7 [me=0 B8]
call IkiruYomi:cover A7 [n=1]

[life-pondering-fallback-position-after-the-capture]
# The row above after Black's B8 took A9-A8: eye value 3; White's kill
# filter keeps B7 and D8 (the premises).
white to play
  . X . X O . . . .
  . X X . O . . . .
  X . X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A7 [3]
call SikatuKorosu:cover C7 [me=3 B7 D8]

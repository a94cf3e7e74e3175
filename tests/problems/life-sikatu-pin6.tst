# Life and death rows read with the whole candidate table or on a bound:
# the pass over the groups sending an enemy group of eye value 3 to the
# kill pondering, the kill filter that wants the eye value to fall, not
# merely to stay, the escape test on a fall of exactly 10, the urgent pass
# and a group with three breathing points, the test that spares a group on
# the first relation answer it adds, the life pondering's extra for a
# false-eye point, and the second-line breathing test over every breathing
# point.
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on
#   status V        "dead" or "alive": the analysis' verdict on the group at
#       V (the premise a row stands on)
#   call SikatuSkip:table V   the test that spares the group at V the
#       reading, on an empty table: "skip" or "read", then the candidates
#       it left as "P=K+d:R" (value against K, the group's value; R the
#       reason), sorted; "none"
#   call SikatuThink:pass V   the pass over every group with the pondering
#       on and nothing remembered: every candidate left as "P=K+d:R"
#       against K, the value of the group at V, sorted; "none"
#   call SikatuKoho:attacker V   the candidate points of the group at V
#       for the other colour, as the analysis lists them (a premise)
#   call SikatuKorosu:cover V   the kill filter on the group at V
#       (generators-cover.tst): "me=N", then the moves it kept, sorted; "none"

# --- The pass sends an enemy group of eye value 3 to the kill pondering ----
# A group of eye value 3 that the test does not spare is pondered for a
# kill when it is the opponent's (for life when it is the engine's own).

[pass-ponders-a-kill-for-the-enemy-eye-value-three]
# Black's B9, A8-D8 walled in by White's A7-E7, E8, E9 holds the one-point
# eye A9 and the two points C9-D9 beside White's E9: eye value 3 (the
# premise).  White to play: Black's group is the opponent's.  The test does
# not spare it, leaving a relation answer at D9 worth K - 6 (the premise).
# White's wall has eye value 6 and one open region: the eye-shape pass has
# no one-point eye of value 2 to read and adds nothing.  So the pass
# ponders Black's group for a kill: White's D9 kills (kill-pondering-at-
# the-mouth-in-no-ones-area, life-yose-pin4.tst), worth K + 2 (no one's
# area, a diagonal of White's).  K + 2 beats the relation answer's K - 6
# at the same point, which keeps its reason, 5.
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
call GunMe A7 [6]
call SikatuSkip:table A8 [read D9=K-6:5]
call SikatuThink:pass A8 [D9=K+2:5]

# --- The kill filter: an eye value that only stays is not a kill ------------
# An attacker's move stays in the kill filter when the target is gone or
# dead, or its eye value falls below what it was and is 3 or less.

[kill-filter-drops-moves-that-leave-eye-value-three]
# Black's B9, A8-D8 walled in by White's A7-E7 and F8-F9: the one-point eye
# A9 and the space C9-E9, E8 that reaches White's F9 and F8: eye value 3
# (the premise).  White's candidate points are E8 and E9 (the premise).
# White's E9 (joined to F9, many liberties) leaves the group eye value 3
# and alive, and so does White's E8 (joined to F8): the next rows give
# both positions.  Neither lowers the eye value: the filter keeps nothing.
white to play
  . X . . . O . . .
  X X X X . O . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]
call SikatuKoho:attacker A8 [E8 E9]
call SikatuKorosu:cover A8 [me=3 none]

[kill-filter-position-after-the-edge-move]
# The row above after White's E9: eye value 3, alive (the premises).
black to play
  . X . . O O . . .
  X X X X . O . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]
status A8 [alive]

[kill-filter-position-after-the-second-line-move]
# The row above it after White's E8: eye value 3, alive (the premises).
black to play
  . X . . . O . . .
  X X X X O O . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]
status A8 [alive]

# --- The escape test: a fall of exactly 10 is enough -------------------------
#   call GunDeathLevel V   the death level of the group at V as the
#       analysis gives it (the premise): "level=L", "weak" when the group
#       counts as weak, then its breathing points, sorted
#   call NigeruCheck V   the escape test (life-pin5.tst): "runs" when the
#       group's colour taking one of its breathing points lowers its death
#       level by 10 or more, "stays" otherwise
# A death level is never below 0, so a weak group at level 10 that a move
# makes safe (level 0) falls by exactly 10.

[escape-test-runs-on-a-fall-of-exactly-ten]
# Black's corner B9, A8-D8 beside White's A7-C7, E9 and F8, with Black's
# E6 out in the open (one group with the corner): eye value 3, weak, death
# level 10, and nine breathing points in the open ground around E6 (the
# premises).  Black's C5, one of them, joins the corner to a wide open
# area: eye value 9, no longer weak, death level 0 (the next row).  The
# fall is 10 - 0 = 10, not less than 10: the group runs.
black to play
  . X . . O . . . .
  X X X X . O . . .
  O O O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]
call GunDeathLevel A8 [level=10 weak C5 D4 D5 E4 F4 F5 G5 G6 G7]
call NigeruCheck A8 [runs]

[escape-test-position-after-the-breathing-point]
# The row above after Black's C5: eye value 9, death level 0 (the premises).
black to play
  . X . . O . . . .
  X X X X . O . . .
  O O O . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [9]
call GunDeathLevel A8 [level=0 B4 D3 E4 F4 F5 G5 G6 G7]

# --- The urgent pass leaves alone a group with three breathing points -------
#   call SikatuUrgentThink:table   the urgent pass over every group
#       (life-yose-pin4.tst): every candidate left as "P=V:R", sorted; "none"
# The urgent eye pass reads a group of eye value below 3 only when it has
# fewer than 3 breathing points (and is not weak below death level 71, and
# not in a capturing race); the eye-stealing pass reads groups of eye value
# exactly 4.

[urgent-pass-leaves-a-group-with-three-breathing-points]
# White's E9-E7 on the edge beside Black's wall D9-D7, A7-C7: eye value 0,
# weak at death level 75 (not below 71), and three breathing points E5, F5
# and G8 (the premises): not fewer than 3, so the urgent eye pass leaves it
# alone.  Black's wall has eye value 10 and Black's G6 stands alone (eye
# value 10): neither is below 3, and no group has eye value 4 for the
# stealing pass.  Nothing is proposed.
white to play
  . . . X O . . . .
  . . . X O . . . .
  X X X X O . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe E9 [0]
call GunDeathLevel E9 [level=75 weak E5 F5 G8]
call GunMe A7 [10]
call GunMe G6 [10]
call SikatuUrgentThink:table [none]

# --- The test that spares a group: a relation answer of its own ------------
# The test answers the pending relation pairs around the group and takes the
# best candidate added since it started (from the first free place of the
# table on); a score of 220 or more (value times ten plus bonus) spares the
# group.

[skip-test-spared-by-the-first-relation-answer-it-adds]
# White's A3-D3, D2, D1 round the lower left corner with Black's C2 inside
# (liberty-ataris-the-intruder-no-bonus, life-pin4.tst): six stones, eye
# value 4, no breathing point (the premises).  On an empty table the
# relation answers leave one candidate, B2 (one of the two liberties of
# Black's C2, reason 5), worth K + 10 (the premise).  It is the first candidate
# added since the test started, and K is at least 24 (six stones at 4
# each): its score is at least 340, well over 220.  So the group is spared.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  . . X O X . . . .
  . . . O X . . . .
call SikatuSkip:gates A3 [stones=6 me=4 kokyu=0 skip]
call SikatuSkip:table A3 [skip B2=K+10:5]

# --- The life pondering's extra for a living point that is a false eye -----
#   call SikatuKoho:own V   the candidate points of the group at V for its
#       own colour, in the order the analysis lists them (a premise)
#   call SikatuIkiru:cover V   the life filter on the group at V
#       (generators-cover.tst): "me=N", then the moves it kept, sorted
#   call IkiruYomi:pin2 V   the life pondering of the group at V
#       (life-pin2.tst): "n=N", then its candidates against h (the group's
#       value K, or K / 2 - 1 for eye value below 3) with their bonus
# A living point earns one extra when its false-eye verdict is Yes, one when
# it lies in no one's area, five when its four neighbours are empty.

[life-pondering-extra-for-a-false-eye-point]
# The race of endgame-fallback-race-false-eye-black (generators-cover.tst):
# Black's eyeless A4-E4, E3-C2, D1 against White's inner A3-D3, B2 with A1
# and C1.  Black's group: eye value 0, death level 100 (not hopeless), no
# breathing point, so the escape test stays (the premises).  Its candidates
# are F1, F2 and B1 (the premise): Black's F1 or F2 leaves eye value 1,
# below 3, and the filter drops them; Black's B1 takes C1 (B1 was its only
# liberty) and gives eye value 5 (the next row): kept.  With eye value 5
# there is nothing for White to read, so B1 lives: n = 1.  Black is the
# engine: its stone at B1 is a one-stone chain, kept.  B1 is a false eye of
# White's racing group (verdict Yes, as that row reads): + 1; it lies in
# White's area: + 0; B2 and A1 are White's: no + 5.  One living point: no
# evaluation bonus.  So h + 1, bonus 0, with h = K / 2 - 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O . . .
  X X X X X O . . .
  O O O O X O . . .
  . O X X X . O . .
  O . O X . . O . .
call GunMe A4 [0]
call GunDeathLevel A4 [level=100 weak none]
call NigeruCheck A4 [stays]
call SikatuKoho:own A4 [F1 F2 B1]
call AreaMap:side B1 [B1=white]
call SikatuIkiru:cover A4 [me=0 B1]
call IkiruYomi:pin2 A4 [B1=h+1/0 n=1]

[life-pondering-position-after-the-false-eye-capture]
# The row above after Black's B1 takes C1: Black's group has eye value 5
# (the premise), alive.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O . . .
  X X X X X O . . .
  O O O O X O . . .
  . O X X X . O . .
  O X . X . . O . .
call GunMe A4 [5]
status A4 [alive]

# --- The second-line breathing test reads every breathing point -------------
#   call SikatuSkip:second V   the test that spares the group at V the
#       reading, on an empty table: "skip" or "read", then the candidates it
#       left against E, the evaluation for the second-line mover after its
#       stone at the point: "P=E", "P=E+d"; sorted
# For a group of eye value below 4, each breathing point on the second line
# with four empty neighbours, seen by stones of both colours, is tried for
# the group's colour; when its group there reaches eye value 4 or more, the
# point is added at the evaluation after that move, and the group is spared.

[second-line-test-adds-both-second-line-breathing-points]
# White's C2-D2, C1 in the lower left beside Black's D1 and Black's wall
# E3-E5, with White's H1 on the right: eye value 3, death level 59 (weak,
# not below 51), breathing points B3, B4 and C4 (the premises).  Nothing
# else spares it on an empty table (the test leaves no other candidate).
# B3 and B4 lie on the second line (column B), their four neighbours empty,
# and both see White's C2 and Black's D1 or the wall; C4 is on the third
# line.  White's B3 gives eye value 4, White's B4 eye value 5 (the next
# rows): both are added, each at White's evaluation after it, and the group
# is spared.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . . O .
call GunMe C2 [3]
call GunDeathLevel C2 [level=59 weak B3 B4 C4]
call SikatuSkip:second C2 [skip B3=E B4=E]

[second-line-test-position-after-the-lower-point]
# The row above after White's B3: eye value 4 (the premise).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . O . . X . . . .
  . . O O . . . . .
  . . O X . . . O .
call GunMe C2 [4]

[second-line-test-position-after-the-upper-point]
# The row above it after White's B4: eye value 5 (the premise).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . X . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . O X . . . O .
call GunMe C2 [5]

# --- The life filter wants eye value 3 at least ------------------------------
# A defender's move stays in the life filter when the group's eye value
# afterwards is above what it was and at least 3.

[life-filter-drops-a-move-that-reaches-only-eye-value-two]
# White's lone D3 between Black's C2 and F4: eye value 0 (the premise).  Its
# own candidate points are C4, E4 and E2 (the premise).  White's C4 (the
# diagonal towards the open upper left) raises the eye value to 2, above 0
# but below 3; E4 and E2 leave it at 0 (the next rows).  None reaches 3:
# the filter keeps nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call GunMe D3 [0]
call SikatuKoho:own D3 [C4 E4 E2]
call SikatuIkiru:cover D3 [me=0 none]

[life-filter-position-after-the-upper-diagonal]
# The row above after White's C4: eye value 2 (the premise).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call GunMe D3 [2]

[life-filter-position-after-the-upper-right-diagonal]
# The same after White's E4 instead: eye value 0 (the premise).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call GunMe D3 [0]

[life-filter-position-after-the-lower-right-diagonal]
# The same after White's E2 instead: eye value 0 (the premise).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . . . .
  . . X . O . . . .
  . . . . . . . . .
call GunMe D3 [0]

#   call Locate:colours P...   the colours of the stones the relation
#       record of each empty point P sees, "P=BW", "P=B", "P=W", "P=-"
#       (the premise)

[second-line-test-leaves-a-point-no-white-stone-sees]
# Black's C2-D2 on the second line beside White's E3-E2: eye value 3,
# death level 57 (weak, not below 51), breathing points B3, B4 and C4 (the
# premises); nothing else spares it.  B3 and B4 are on the second line
# with four empty neighbours, C4 on the third.  B4's relation record sees
# stones of both colours, B3's sees Black's alone (the premises): B3 is
# not tried.  Black's B4 gives eye value 4 (the next row): B4 is added at
# Black's evaluation after it, and the group is spared.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X X O . . . .
  . . . . . . . . .
call GunMe C2 [3]
call GunDeathLevel C2 [level=57 weak B3 B4 C4]
call Locate:colours B3 B4 [B3=B B4=BW]
call SikatuSkip:second C2 [skip B4=E]

[second-line-test-position-after-the-seen-point]
# The row above after Black's B4: eye value 4 (the premise).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . O . . . .
  . . X X O . . . .
  . . . . . . . . .
call GunMe C2 [4]

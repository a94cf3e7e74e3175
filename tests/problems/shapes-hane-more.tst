# Knight's moves against an attacker's stone beyond a side point: more rows
# for the hane answer alone (see shapes-hane.tst for the commands and the
# names of the points), on positions whose answers are worked out by hand.
#
#     Oa  Na  Sd  O1         Na = A, Nb = B (Black's link stones)
#     Om  Mp  Mq  Oq         Mp, Mq the middle (cutting) points
#     O4  Fd  Nb  Ob         Sd, Fd the side points
#
# "call HaneMore:group A P M..." plays the moves M... from White (the
# attacker) and answers for the group at P "dead" or its death level, weak
# flag and the 70 and 90 death rules; "call HaneMore:value A M..." answers
# White's evaluation after M...  These rows state the premises a row rests
# on where they come from the analysis or the evaluation alone.

# --- The laddered cut: where the owner's test move goes ------------------------------
# Black's B4-C6 on the left edge, White's D4 beyond the side point C4 and
# Black's B7 above Fd: Na B4, Sd C4, Mp B5, Mq C5, Fd B6, Nb C6.  White's
# cut B5, Black's C5, White's C4: B5 has A5 and B6, and the ladder takes it
# (Black's B6, White's A5; Black's A6 leaves A4 alone, White's A4 joins A3
# and ataris B4, Black's B3 saves B4 and ataris again, White's A2 runs into
# Black's B2 and the edge).  B3 (behind B4, beyond Mp) is empty and C3 is
# not Black's, and White stands at C2 below C3, so the owner first tries
# its move behind Na, A4 (beyond Na continuing Sd to Na), and reads the
# laddered cut only when the analysis does not count the group at B5 dead
# after it.  The point behind Na is A4, not B3: the rows put stones so that
# the two moves leave B5 in different states.
#
# White's A3 beside A4: Black's A4 leaves B4-A4 with A5 and B3 alone, a
# weak group beside B5, so B5 has a neighbour to race and is not counted
# dead; Black's B3 instead would leave B4-B3 three liberties (A4, C3, B2)
# and B5 nothing to race: dead.  So the cut is read: Black's ladder atari
# B6 (the ladder's first move), White's atari B3 on B4, Black's A5 (the
# ladder's second point), White's evaluation; not halved, B5 is not dead by
# the 70 rule either.  Black proposes the side point C4, White the cut B5.
# After the push C5, B5, White's B6 has A6 alone (B7 Black's): the push adds
# nothing.

[sichote-behind-race-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  . X O O . . . . .
  O . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
ladder B5 [1 B6]

[sichote-behind-race-status]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  O . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call HaneMore:group B4 B5 B5 C5 C4 A4 [dl=100 weak=1 d70=0 d90=0]
call HaneMore:group B4 B5 B5 C5 C4 B3 [dead]

[sichote-behind-race]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  O . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 C6 B5 C5 C4 B6 B3 A5 [C4=r:5]

[sichote-behind-race-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  O . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 C6 B5 C5 C4 B6 B3 A5 [B5=r:5]

[sichote-behind-race-mirror]
# The pair named C6 B4: the mirrored orientation, the same roles.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  O . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C4 B4 B5 C5 C4 B6 B3 A5 [C4=r:5]

[sichote-behind-race-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  O . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 B5 B4 B5 C5 C4 B6 B3 A5 [B5=r:5]

# White's B2 (two below B4) and C3 (below C4) instead: Black's A4 leaves
# B4-A4 three liberties (A5, B3, A3), B5 has no weak neighbour to race and
# is dead, so the laddered cut reads nothing; Black's B3 would have left
# B4-B3 with A4 and A3 alone, a race for B5.  The push adds nothing (White's
# B6 has A6 alone): no candidate at all.

[sichote-behind-dead-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  . X O O . . . . .
  . . O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
ladder B5 [1 B6]

[sichote-behind-dead-status]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call HaneMore:group B4 B5 B5 C5 C4 A4 [dead]
call HaneMore:group B4 B5 B5 C5 C4 B3 [dl=100 weak=1 d70=0 d90=0]

[sichote-behind-dead]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

[sichote-behind-dead-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 [none]

# --- The push after a laddered cut: the death level of White's hane --------------------
# Black's B4-C6 on the left edge, White's D4 beyond C4 with F4 beside it
# (so White's stones outside are not a weak group), White's A8-B8 above:
# Na B4, Sd C4, Mp B5, Mq C5, Fd B6, Nb C6, O4 A6.  The cut B5 (after
# Black's C5 and White's C4) is laddered (Black's B6, White's A5; Black's
# A4, White's A6 has A7 alone).  B3 and C3 below are empty and neither B2
# nor C2 is White's: the laddered cut adds nothing.  White's push: C5,
# Black's B5, White's B6.  B6 then has A6 and B7 and escapes (after Black's
# B7 White's A6; Black's A7 is itself caught at C7), so the push is read;
# C6 keeps C7 and D6: two liberties, neither captured nor in atari, so White
# scores the push as it stands, and the routine stops there when White's
# group at B6 (B6 with A8-B8) is weak with a death level of 60 or more.
# Otherwise, C6 being a single stone, Black's block at A6 and White's B7 are
# read as well and the smaller of the two counts.  Black's answer: C4 alone
# (C5 on the third line, B5 on the second; A6 is on the edge and its jump
# point is off the board).  Value: Black's C4 plus White's push; Black
# proposes C4, White the push C5.
#
# Level 59: the push is read to the end.

[nobi-level-59-cut-ladder]
black to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  . X O O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B5 [1 B6]

[nobi-level-59-push]
# The push C5, B5, B6 on the board: B6 escapes.
black to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . X O . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B6 [0]

[nobi-level-59-status]
black to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group B4 D4 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:group B4 B6 C5 B5 B6 [dl=59 weak=1 d70=0 d90=0]

[nobi-level-59]
black to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 C5 B5 B6 D4 C5 B5 B6 A6 B7 [C4=r:5]

[nobi-level-59-white]
white to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C5 B4 C4 C6 C5 B5 B6 D4 C5 B5 B6 A6 B7 [C5=r:5]

[nobi-level-59-mirror]
black to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C4 C6 C4 B4 C5 B5 B6 D4 C5 B5 B6 A6 B7 [C4=r:5]

[nobi-level-59-mirror-white]
white to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C5 C6 C4 B4 C5 B5 B6 D4 C5 B5 B6 A6 B7 [C5=r:5]

# Level 60: Black's H6 far off raises the level of White's B6-B8 group by
# one (the analysis' level, stated by the status row); the push then ends
# the routine and nothing is proposed.

[nobi-level-60-status]
black to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . X .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group B4 D4 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:group B4 B6 C5 B5 B6 [dl=60 weak=1 d70=0 d90=0]

[nobi-level-60]
black to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . X .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

[nobi-level-60-white]
white to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . X .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

[nobi-level-60-mirror-white]
white to play
  . . . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
  . . X . . . . X .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 [none]

# --- The hane's value against the threshold 22 ----------------------------------------
# Black's D5-E7, White's F5 beyond E5 and Black's C7 at O4 beside D7:
# Na D5, Sd E5, Mp D6, Mq E6, Fd D7, Nb E7; Om C6, Oq F6, Ob F7.  White's
# C4 and D8 let the cut D6 out of the ladder (after Black's D7 White's C6,
# C5 joins C4); White's G6 or G8 and the stones far off only shape the
# evaluation.  White's cut D6, Black's E6, White's E5 is read as it stands
# (D5 keeps C5 and D4, F7 is empty), White's evaluation v.  When v is 22 or
# more and O4 is Black's, White's cut D6 is read against Black's hane at
# C6 (White's D6, Black's C6, White's E6) and the smaller counts; below 22
# v stands.  E4 beyond E5 is empty.  Black's answer: E6 (G6 beyond F6 is not
# Black's, E6 on the fourth line, D4 and E4 empty), or E5 when Black's E5
# alone is worth at least as much (F6 empty, D5-E5 then has more than two
# liberties): the larger of the two.  C7 is Black's, B8 is on the second
# line and D8, beside the jump from E7, is White's: no other try.  White
# proposes the cut D6.

[threshold-22-cut-runs]
white to play
  . . . . . . . . .
  . . . O O . . . .
  . . X . X . . . X
  . . . O X . O . .
  . . . X O O . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . O . .
  . . O . . . . . .
ladder D6 [0]
status E5 [alive]

[threshold-22-value]
# With White's G6 White's evaluation after the hane is 22: the threshold.
white to play
  . . . . . . . . .
  . . . O O . . . .
  . . X . X . . . X
  . . . . . . O . .
  . . . X . O . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . O . .
  . . O . . . . . .
call HaneMore:value D5 D6 E6 E5 [22]

[threshold-22]
white to play
  . . . . . . . . .
  . . . O O . . . .
  . . X . X . . . X
  . . . . . . O . .
  . . . X . O . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . O . .
  . . O . . . . . .
call KeimaSotoHane:at D5 E7 D6 D5 E6 C7 E5 E7 D6 E6 E5 F5 D6 C6 E6 [D6=r:5]

[threshold-21-value]
# With White's G8 instead of G6 the value is 21: just below the threshold.
white to play
  . . . . . . . . .
  . . . O O . O . .
  . . X . X . . . X
  . . . . . . . . .
  . . . X . O . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . O . .
  . . O . . . . . .
call HaneMore:value D5 D6 E6 E5 [21]

[threshold-21]
white to play
  . . . . . . . . .
  . . . O O . O . .
  . . X . X . . . X
  . . . . . . . . .
  . . . X . O . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . O . .
  . . O . . . . . .
call KeimaSotoHane:at D5 E7 D6 D5 E6 C7 E5 E7 D6 E6 E5 [D6=r:5]

[threshold-22-mirror]
# The pair named E7 D5: the mirrored orientation, the same roles.
white to play
  . . . . . . . . .
  . . . O O . . . .
  . . X . X . . . X
  . . . . . . O . .
  . . . X . O . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . O . .
  . . O . . . . . .
call KeimaSotoHane:at E7 D5 D6 E7 E6 C7 E5 D5 D6 E6 E5 F5 D6 C6 E6 [D6=r:5]

[threshold-21-mirror]
white to play
  . . . . . . . . .
  . . . O O . O . .
  . . X . X . . . X
  . . . . . . . . .
  . . . X . O . . .
  . X O . . . . . .
  . X . . . . . . .
  . . . . . . O . .
  . . O . . . . . .
call KeimaSotoHane:at E7 D5 D6 E7 E6 C7 E5 D5 D6 E6 E5 [D6=r:5]

# --- The push after a laddered cut: Nb a single stone ----------------------------------
# The level-59 shape with White's C8 as well: White's B6 with A8-B8-C8 is
# not a weak group after the push (the status row), so the push is read to
# the end.  C6 is a single stone: Black's block at A6 and White's B7 are
# read after the push, and here that reading is the smaller for White (the
# order row).  Value: Black's C4 plus the smaller of White's two readings.

[nobi-single-stone-status]
black to play
  . . . . . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group B4 B6 C5 B5 B6 [dl=0 weak=0 d70=0 d90=0]
call Readings:order B4 C6 C5 B5 B6 D4 C5 B5 B6 A6 B7 [>]

[nobi-single-stone]
black to play
  . . . . . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 C5 B5 B6 D4 C5 B5 B6 A6 B7 [C4=r:5]

[nobi-single-stone-white]
white to play
  . . . . . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C5 B4 C4 C6 C5 B5 B6 D4 C5 B5 B6 A6 B7 [C5=r:5]

# --- Black's answer: the point above Fd when White stands beyond Nb --------------------
# Black's D5-E7, White's F5 beyond E5 and White's E8 beyond E7 (continuing
# E6 to E7); White's J8 and Black's J1 far off (J1 names the larger of
# Black's tries in the formulas).  The cut D6 runs (after Black's D7
# White's C6 has B6, C5 and C7), so White scores the cut, the block E6 and
# the hane E5 as they stand; C7 is empty (not Black's) and E4 below E5 is
# empty.  Black's answer, the largest of: E6 (E6 on the fourth line, F6 and
# G6 empty, D4 empty), E5 alone (F6 empty, D5-E5 then has more than two
# liberties), the block C7 (empty, on the third line, D8 empty, four empty
# neighbours; after C7, White's D6 and Black's E6 D5 keeps three liberties,
# no ladder), scored after C7 alone; B8 beyond C7 is on the second line;
# White's E8 stands beyond E7, so D8 (empty, with C8, D9 and D7 empty) is
# tried alone as well.  The evaluation rates D8 the largest, so Black
# proposes D8, White the cut D6; value Black's best plus White's cut.

[uke-beyond-nb-cut-runs]
white to play
  . . . . . . . . .
  . . . . O . . . O
  . . . . X . . . .
  . . . O X . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
ladder D6 [0]

[uke-beyond-nb]
black to play
  . . . . . . . . .
  . . . . O . . . O
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D8 D5 E6 J1 E5 J1 C7 J1 D8 E7 D6 E6 E5 [D8=r:5]

[uke-beyond-nb-white]
white to play
  . . . . . . . . .
  . . . . O . . . O
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D6 D5 E6 J1 E5 J1 C7 J1 D8 E7 D6 E6 E5 [D6=r:5]

[uke-beyond-nb-mirror]
black to play
  . . . . . . . . .
  . . . . O . . . O
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at E7 D5 D8 E7 E6 J1 E5 J1 C7 J1 D8 D5 D6 E6 E5 [D8=r:5]

# --- Beside a middle point: the owner's block at O4 -----------------------------------
# "call KeimaSotoNaka:at A B P T..." runs the answer to White's stone beside
# the middle point Mp alone (trigger at Om), the formula as above.
#
# Black's D5-E7 with White's C6 at Om and White's D8 above Fd (D7), Black's
# E8 beside it and Black's D3 below.  Black's own side: Black's D6, value
# v.  D8 has three liberties (C8, D9, D7), C7 (O4) is empty with B7, C8
# and D7 empty: Black's C7 and White's D7 are read; D7-D8 then has C8 and
# D9 and a ladder takes it (Black's C8, White's D9, Black's E9 joins E8,
# White's C9 is taken at B9), so Black's value w there raises v by half
# the difference: v + (w - v) div 2.  C5 (Oa) is empty.  White's side: the
# cut D6 and Black's E6 (D6-C6 keeps four liberties); White's cut at E5
# then does not work (the cut row), so White's value k is its evaluation
# there.  total = v + (w - v) div 2 + k, with v + k positive and no small
# total: that is half of v + w + 2k.  E7-E8 has four liberties: no more.
# The formula names the position after Black's D6, C7 and White's D7 by
# the moves C7, D7, D6 (the same stones).

[naka-block-o4-ladder]
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . X O X . . . .
  . . O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D7 [1 C8|1 D9]

[naka-block-o4]
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [no cut]
call KeimaSotoNaka:at D5 E7 D6 D5 D6 D5 C7 D7 D6 E7 D6 E6 E7 D6 E6 [D6=r/2:5]

# --- Beside a middle point: the ladder on Nb after a cut that fails ---------------------
# Black's D5-D4 and E7, White's C6 at Om, White's D8-E8-F8 above and H7 far
# right.  Black's D6, value v (D8-F8 has many liberties: no block at C7).
# White's cut D6 and Black's E6; White's cut at E5 does not work, so k is
# White's evaluation there (-2, the value row), and the total (v + k)/2 as
# k is negative: Black's and White's candidate at D6.  The cut not working
# and E7 having three liberties (D7, E6, F7): White's push E6 and Black's
# block D6 leave E7 with D7 and F7, and the ladder takes it (White's D7
# first: after Black's F7, White's G7 leaves F6 alone), value White's
# evaluation after the ladder's first move.  White answers at E6 itself.
# Black's point: D8 beyond D7 is White's and C7 empty, so Black's D7 and
# White's C7 are read, and Black's D7-E7 keeps an eye value of 4 or more
# (the eyes row): Black proposes D7.

[naka-ladder-nb-ladder]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X . . O .
  . . O X O . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E7 [1 D7]

[naka-ladder-nb-premises]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X . . O .
  . . O . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [no cut]
call HaneMore:value D5 D6 E6 [-2]
call HaneMore:eyes D5 D7 D7 C7 [me=6]

[naka-ladder-nb]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X . . O .
  . . O . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D7 E7 E6 D6 D7 [D6 D7=r:5]
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 [D6=r/2:5 D7]

[naka-ladder-nb-white]
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X . . O .
  . . O . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 E6 E7 E6 D6 D7 [D6 E6=r:5]

# --- Beside a middle point: White's stone beyond the side point as well ---------------
# Black's D5-E7, White's C6 at Om and F5 at O1: the hane rows.  Black's D6
# alone, plus White's cut D6, Black's E6 and White's hane E5 (E5-F5 keeps
# four liberties, so it stays on the board); the candidate is D6 whoever
# plays.

[naka-hane]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 E5 [D6=r:5]

[naka-hane-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 E5 [D6=r:5]

[naka-hane-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at E7 D5 D6 E7 D6 D5 D6 E6 E5 [D6=r:5]

[naka-hane-left]
# Black's B5 on the left as well: Black's D6 is now worth more than E6
# would be, the same formula.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . X . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 D6 [5]
call HaneMore:value-own D5 E6 [-1]
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 E5 [D6=r:5]

[naka-hane-left-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . X . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at E7 D5 D6 E7 D6 D5 D6 E6 E5 [D6=r:5]

# The same with White's C6 beside Mp: the hane answer itself reads nothing
# (Om is not empty; the middle point's answer takes the shape), in either
# orientation.

[hane-om-taken]
black to play
  . . . . . . . . .
  . . . . O . . . O
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 [none]
call KeimaSotoHane:at E7 D5 [none]

# --- Beside a middle point: the owner's hane behind Na --------------------------------
# Black's D5-E7, White's C6 at Om and C5 at Oa beside D5.  D4 behind D5
# (beyond Na continuing D6 to D5) is empty with three empty neighbours
# (C4, E4, D3): Black's D4, White's cut D6, Black's E6, White's E5 are read,
# and E5 then has F5 and E4 and the ladder takes it (Black's F5 first, the
# ladder row; nothing of either colour lies in its way), so Black's value is that of
# D4 alone (positive here) at D4.  White's cut D6 and Black's E6: White's
# cut at E5 does not work (the cut row), k is White's evaluation there,
# negative: the total is half of the sum.  Black proposes D4, White D6.

[naka-behind-na-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O X O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E5 [1 F5]

[naka-behind-na]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [no cut]
call KeimaSotoNaka:at D5 E7 D4 D5 D4 E7 D6 E6 [D4=r/2:5]

[naka-behind-na-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D4 E7 D6 E6 [D6=r/2:5]

# --- Beside a middle point: a cut worth exactly nothing ---------------------------------
# Black's D5-E7, White's C6 at Om, Black's F3 far below.  White's cut at E5
# after White's D6 and Black's E6 is worth exactly 0 (the cut row): that
# counts as no cut, so k is White's evaluation after D6 and E6 (-1, the
# value row) and Black's D6 is worth 0.  (0 + -1) div 2 = 0, which the
# routine turns into -1: as much as v + k.  E7 has four liberties: no more.

[naka-even-cut-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [even]
call HaneMore:value-own D5 D6 [0]
call HaneMore:value D5 D6 E6 [-1]

[naka-even-cut]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]

[naka-even-cut-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]

# --- Beside a middle point: Black's stone near O1 -------------------------------------
# Black's D5-E7 and G6, White's C6 at Om, White's H3 and E2 far off.
# White's cut at E5 works here (the cut row), so the answer from outside
# is considered: F5 (O1) is empty and off the edge, but Black's G6 stands
# among its eight neighbours and no White stone does: Black keeps D6 as
# its point (neither E5 nor F5 is tried).

[naka-o1-guarded]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . X . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . O . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [cut]
call KeimaSotoNaka:at D5 E7 [D6]

# --- Black's answer: E6 against E5 ------------------------------------------------------
# Black's D5-E7 and H5, White's F5 beyond E5, White's D8 above D7 and B5,
# E2 off the shape.  The cut D6 runs (after Black's D7 White's C6 has B6,
# C5 and C7, next to B5), so White scores the cut, block and hane as they
# stand (C7 empty, E4 empty).  Black's answer: E6 (fourth line, F6 and G6
# empty, D4 and E4 empty) or E5 alone when worth at least as much (F6
# empty, D5-E5 then has four liberties); the block C7 is not tried (D8
# above D7 is taken), B8 is on the second line, E8 is empty.  The
# evaluation rates E6 the higher: Black proposes E6, H5 naming the larger.

[uke-mq-cut-runs]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . O . X O O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
ladder D6 [0]

[uke-mq]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E6 D5 E6 H5 E5 E7 D6 E6 E5 [E6=r:5]

# --- The hane with Black's stone beside Na and an open O4 -----------------------------
# Black's D5-E7, White's F5 beyond E5, Black's C5 beside D5 (Oa): C7 (O4)
# is empty and all eight points around it are empty, so the hane answer
# leaves the shape alone: nothing.  (Black's E4 below E5, White's F7 beside
# E7: both far from C7.)

[hane-open-o4]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [none]

[hane-open-o4-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [none]

# --- Black's answer: the jump beyond the block, in the open ----------------------------
# On 13x13: Black's G6-H8, White's J6 beyond H6 (Na G6, Sd H6, Mp G7, Mq H7,
# Fd G8, Nb H8; O4 F8), White's C12 far up-left and Black's N1 in the
# corner (N1 names the larger of Black's tries).  White's cut G7 escapes:
# after Black's F7 the ladder runs up-left into White's C12 (the ladder
# row), and after Black's G8 White's F7 has three liberties.  So White
# scores the cut, block and hane as they stand (J8 empty, H5 empty).
# Black's answer, the largest of: H7 (no stone at J5, K7 or G5, H5 empty;
# H7 on the sixth line), H6 alone (J7 empty, G6-H6 then with more than two
# liberties), the block F8 (empty, G9 empty, four empty neighbours, not on
# the second line; after F8, White's G7 and Black's H7 G6 keeps three
# liberties, no ladder), scored after F8 alone, and E9 beyond F8 (on the
# ninth line, nothing within two points of it nor three along its lines).
# The evaluation rates E9 the largest: Black proposes E9, White the cut G7.

[uke-wide-jump-cut-ladder]
white to play
  . . . . . . . . . . . . .
  . . O . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . X . . . . .
  . . . . . . O X . . . . .
  . . . . . . X O O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . X
ladder G7 [0]

[uke-wide-jump]
black to play
  . . . . . . . . . . . . .
  . . O . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . X
call KeimaSotoHane:at G6 H8 E9 G6 H7 N1 H6 N1 F8 N1 E9 H8 G7 H7 H6 [E9=r:5]

[uke-wide-jump-white]
white to play
  . . . . . . . . . . . . .
  . . O . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . X
call KeimaSotoHane:at G6 H8 G7 G6 H7 N1 H6 N1 F8 N1 E9 H8 G7 H7 H6 [G7=r:5]

# --- Touching a link stone from outside (KeimaSotoTuke) --------------------------------
# "call KeimaSotoTuke:at A B P T..." runs the answer to White's stone at Oa
# alone.  Black's D5-E7, White's C5 beside D5 (Oa; Om C6 empty, C5 with
# three liberties, B6 not Black's).  D5 has three liberties, so Black's
# hane C6 is tried against White's cut D6: the cut escapes (the ladder
# row), so Black's point is D6 itself, valued by Black's D6 alone.
# White's side: the cut D6 and Black's block E6.
#
# White's G5 far right: D5 (D4, E5) then escapes (the ladder row), and
# White's cut at E5 between E6 and D5 is worth exactly 0 (the cut row),
# which counts as no cut: White's value is its evaluation after D6 and E6.
# Value: Black's D6 plus White's D6 E6, at D6 whoever plays.

[tuke-even-cut-ladders]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X O . . . . .
  . . O X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]

[tuke-even-cut-na]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . O X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [0]

[tuke-even-cut]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [even]
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]

[tuke-even-cut-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]

# White's E4 below E5 instead: after the cut and the block D5 has D4 and E5
# and the ladder takes it, its first move E5 (Sd): Black answers at F5
# beyond it (K1, beyond Sd continuing D5 to E5); White's E4-E5 then keeps
# D4, E3 and F4, not in atari, so White's value is its evaluation after
# D6, E6, E5, F5.  The total is negative: doubled (with the doubled amount
# as a bonus when White plays).  The formula names the sum twice.

[tuke-ladder-sd-ladders]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . O X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [1 E5]

[tuke-ladder-sd-cut]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X O . . . . .
  . . O X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]

[tuke-ladder-sd]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 E5 F5 D5 D6 E7 D6 E6 E5 F5 [D6=r:5]

[tuke-ladder-sd-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 E5 F5 D5 D6 E7 D6 E6 E5 F5 [D6=r:5]

# --- Beside a middle point: a working cut and Black's answer from outside --------------
# Black's D5-E7 and White's C6 alone.  Black's D6 first (value v, D8 empty:
# no block at C7).  White's cut D6 and Black's E6: White's cut at E5 works
# here, worth 11 (the cut row); taken back to the cut alone, Black's E5
# blocks and White's push through the one-space jump E7-E5 is worth 2 (the
# push row): k is the smaller, 2.  F5 (O1) is empty, off the edge, with no
# stone around it, E4 beyond E5 is empty and F5 has no White neighbour:
# Black's answer from outside F5 replaces D6 when worth more (the
# evaluation rates it so), and Black proposes F5 with its value plus k.

[naka-cut-works-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut-value D5 E5 E6 D5 D6 E6 [11]
call HaneMore:push D5 E7 E5 D6 E5 [2]

[naka-cut-works]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 F5 D5 F5 [F5=r+2:5]

# --- The hane's value far above the threshold ------------------------------------------
# Black's D5-E7 and C7 (O4), White's F5 beyond E5, White's D8 above D7
# (the cut D6 then runs: the ladder row), White's B8-B9 and A4 off the
# shape.  White's hane D6, E6, E5 is worth 22 or more (128, the value row),
# so White's cut D6 is read against Black's hane at C6 (D6, C6, E6) and
# the smaller counts; here the cut D6 matters to that reading (the value
# rows: after D6, C6, E6 it is worth 114, without the cut stone 116).
# Black's answer: E6 or E5 alone, the larger (the block at C7 is Black's
# own stone, B8 beyond it is White's, E8 is empty).  White proposes D6,
# Black E5 (the evaluation rates E5 at least as high).

[threshold-far-cut-runs]
white to play
  . O . . . . . . .
  . O . O . . . . .
  . . X . X . . . .
  . . . O X . . . .
  . . . X O O . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]

[threshold-far-values]
white to play
  . O . . . . . . .
  . O . O . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value D5 D6 E6 E5 [128]
call HaneMore:value D5 D6 C6 E6 [114]
call HaneMore:value D5 E6 C6 [116]

[threshold-far]
white to play
  . O . . . . . . .
  . O . O . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 D6 D5 E6 C7 E5 E7 D6 E6 E5 F5 D6 C6 E6 [D6=r:5]

[threshold-far-black]
black to play
  . O . . . . . . .
  . O . O . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E6 C7 E5 E7 D6 E6 E5 F5 D6 C6 E6 [E5=r:5]

# --- Beside a middle point: the cut that the ladder takes ------------------------------
# Black's D5-E7 with C7 and B6 around White's C6.  After White's cut D6 and
# Black's E6, D6-C6 has C5 and D7 alone and the ladder takes it (Black's
# C5 first; the ladder row): the cut is not read and nothing is proposed
# (E6-E7 with its many liberties is not what is asked).

[naka-cut-ladder-check]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . X O O X . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [1 C5]

[naka-cut-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . X O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [none]

[naka-cut-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . X O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [none]

# --- The hane that ataris a link stone: the block on the edge is not tried ------------
# The edge shape of the atari rows (Black's B4-C6, White's D4 beyond C4 and
# B3 below B4) with Black's A8-A9 and H4 and White's E9 and E2 off the
# shape.  As there: the cut, block and hane leave B4 with A4 alone, Black's
# extension A4 is laddered (the ladder row), so Black blocks at B6 on the
# second line and White captures at A4, 4 more as that is worth 12 or more;
# Black's answer C4 alone (C5 on the third line, B5 on the second).  The
# block beside Fd would be A6, on the edge: it is not tried, nor the jump
# beyond it (off the board), and C7 beyond C6 is empty.

[hane-atari-edge-far-ladder]
black to play
  X . . . O . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  X X O O . . . X .
  . O . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
ladder A4 [1 A5]

[hane-atari-edge-far]
black to play
  X . . . O . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . X .
  . O . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 B5 C5 C4 B6 A4 [C4=r+4:5]

[hane-atari-edge-far-white]
white to play
  X . . . O . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . X .
  . O . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 B4 C4 C6 B5 C5 C4 B6 A4 [B5=r+4:5]

[hane-atari-edge-far-mirror]
black to play
  X . . . O . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . X .
  . O . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C4 C6 C4 B4 B5 C5 C4 B6 A4 [C4=r+4:5]

# --- Touching from outside: Na in atari after the cut ---------------------------------
# Black's D5-E7, White's C5 beside D5 and D4 below it.  D5 has two
# liberties (D6, E5): Black's point is the cut point D6, valued by Black's
# D6 alone.  White's cut D6 and Black's E6 leave D5 with E5 alone: White
# captures at E5 and Black answers at F5 (beyond E5 continuing D5 to E5);
# White's evaluation there.  The total is negative: doubled (the formula
# names the sum twice), at D6 whoever plays.

[tuke-na-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 E5 F5 D5 D6 E7 D6 E6 E5 F5 [D6=r:5]

[tuke-na-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 E5 F5 D5 D6 E7 D6 E6 E5 F5 [D6=r:5]

# Black's E4 as well: after White's capture at E5 and Black's F5, White's E5
# has D5 alone (E4, F5 and E6 Black's); the capture stands and White's
# evaluation is read there, not after a further extension.  The total is
# not negative: Black's D6 plus White's D6 E6 E5 F5.

[tuke-na-atari-hemmed]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 E5 F5 [D6=r:5]

[tuke-na-atari-hemmed-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 D6 E7 D6 E6 E5 F5 [D6=r:5]

# Jump links, thirteenth set: rows that pin single readings of the jump to
# the edge (the attached pair and the peep from the edge), each in a
# position where the point the routine reads and a near neighbour of it (the
# point above K against the point above the stone, the escape that keeps two
# liberties against the capture beside it, an eye value of 4 against 3)
# give different answers.  Lines and forms as in links-edge.tst
# (LinkRoutines.cpp); "premise" marks a reading of the analysis the row takes
# as given, printed by a row of its own where a command shows it.
# The ":owner-offset" and ":opponent-offset" entries and
# "IkkenEdgeNozoki:point" are described in
# tests/engine/links/LinksPin13Routines.cpp.

[p13-attached-pair-stop-open-beyond-k-stone-above-black]
# The position of links-edge-yomi-pin4.tst
# attached-pair-stop-open-beyond-k-black with Black's E6 added, two lines
# above the stone (joining D6 to F6).  Black's second-line stone E8 jumps to
# the top edge; White's D8 (K) stands beside it.  The stop looks above K,
# not above the stone: D7 above K is still empty with Black's D6 above it,
# and K2 = C8 is empty with three empty neighbours (B8, C7, C9), so the
# reading proposes nothing, whatever stands above the stone.  (E7 above the
# stone is empty and E6 holds no White stone: the stop on the stone's side
# does not apply either way.)
black to play
  . . . . . . . . .
  . . . O X . . . .
  . O . . . X X X X
  . O . X X X . . .
  . O . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[p13-attached-pair-filled-above-k-empty-above-stone-black]
# The position of links-edge-yomi-pin4.tst
# attached-pair-stop-open-beyond-k-black with White's D7 added above K
# (joined to K).  Black's D6 is still two lines above K and K2 = C8 still
# has three empty neighbours, but the point above K is no longer empty, so
# the stop does not apply, though the points above the stone (E7, E6) are
# both empty; the reading goes on and proposes a point.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . O . O . X X X X
  . O . X . X . . .
  . O . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [!none]

[p13-attached-pair-escape-joins-k-eye-value-4-black]
# The position of links-edge-yomi-pin4.tst
# attached-pair-loose-move-blocked-black with Black's B9 on the first line
# and Black's C4 in place of White's (cutting White's C7-C5 from B3).
# Black's second-line stone E8 jumps to the top edge; White's D8 (K) stands
# beside it, White's wall C7-C5 beyond it.  Neither group is weak.  Black's
# line: Black D9 under K (no ladder on E8 or D9), White answers at NN = C9;
# there is no ladder threat from Black's K2 = C8 (C9 has one liberty, not
# two), so Black connects at the gap E9 (no ladder, no loose move: F6 is
# empty).  White's C9 stands between Black's B9 and D9 with C8 its only
# liberty: it is caught at once.  No Black chain beside it is in atari, so
# White's escape is that liberty, C8, which joins C9 to K and the wall:
# o = Hyoka(Black) after D9, C9, E9, C8.  The group White's C8 joins has eye
# value 4 (premise, the next row), not 3, so Black's line counts as Black's
# own forcing line; and it is not 2 or less, so the cuts stay in force.
# E7 has five empty points around it and C8 was empty at the start: Black's
# line stays D9, C9, E9 with Black's point D9.  White's line as there:
# White E9, Black F9, White D9 joins K, Black's F9 caught, Black escapes at
# F8: p after E9, F9, D9, F8, White's forcing line.  F7 has two Black stones
# around it (E8, E6), C7 is White's: no line is reset.  Neither side has an
# atari from beyond (B9 is Black's; G9 ataris nothing).  Both forcing
# lines: s + s/2 + s/3 (below 25, no cut), at D9 with the prepared answer
# to White's C9: the connection E9.
black to play
  . X . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . X X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5 D9/C9/E9]

[p13-attached-pair-escape-joins-k-eye-value-4-premise]
# Premise of p13-attached-pair-escape-joins-k-eye-value-4-black: after
# Black D9, White C9, Black E9, White C8 the White group at C8 (with K = D8
# and the wall C7-C5) has eye value 4.
white to play
  . X O X X . . . .
  . . O O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . X X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe C8 [4]

[p13-peep-escape-keeps-two-liberties-white]
# Black's second-line stone E8, joined to the wall E7-J7, E6, J6, E5-J5 (a
# living group with a large eye), jumps to the top edge over the gap E9;
# White's D9 peeps beside it, so S = F9 and T = F8.  Black's C9 beyond D9
# is in atari (White's B9, D9; C8 its liberty).  The Black chain at the
# stone has many liberties, so White's F9 first is not read: White's point
# is the push at the gap E9.  White's D9-E9 is not caught by a ladder
# (premise, the next row: White takes C9 at C8 whenever it runs short).
# Black blocks at F9 (G9 and F8, two liberties), and White's D9-E9 has D8
# alone: it escapes at D8, where D8-D9-E9 keeps two liberties (C8, D7), so
# the escape stays D8 although C9 beside it is still in atari.  White's
# move at F8 threatens nothing: of the Black chains beside F8 only the block
# F9 has two liberties or fewer, and no ladder catches it (Black's F8 joins
# the wall), so p = Hyoka(White) after
# E9, F9, D8, with the prepared answer E9, F9, D8.  Black's part: Black
# connects at E9 (no ladder on the wall); D9 is then in atari (D8) and
# White captures C9 first at C8: o = Hyoka(Black) after E9, C8.  The sum
# reads 2 (premise) and U = G8 is empty with three empty neighbours (F8, H8,
# G9): 4, at the push E9.
white to play
  . O X O . . . . .
  . . . . X . . . .
  . . . . X X X X X
  . . . . X . . . X
  . . . . X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:prepared E8 E9 E8 E9 C8 E8 E9 F9 D8 [E9=4(s=2):5 E9/F9/D8]

[p13-peep-escape-keeps-two-liberties-black]
# The position of p13-peep-escape-keeps-two-liberties-white with Black to
# move.  White's part and its prepared answer as there (E9, F9, D8).
# Black's part: the connection E9, White's capture C8 (o); with Q = D9 in
# atari Black's capture at D8 (D8 joins the wall: not in atari) reads
# t = Hyoka(Black) after Black E9, Black D8, and Black's part moves a third
# of the way toward it; the eye value of Black's group is not 3, so Black's
# point stays the connection E9.  The value is 6 or more (premise): 2 more,
# o + (t - o)/3 + p + 2 at E9.
black to play
  . O X O . . . . .
  . . . . X . . . .
  . . . . X X X X X
  . . . . X . . . X
  . . . . X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:prepared E8 E9 E8 E9 C8 E8 E9 F9 D8 E8 E9 E9 D8 [E9=o+(t-o)/3+p+2:5 E9/F9/D8]

[p13-peep-escape-keeps-two-liberties-premise]
# Premise of p13-peep-escape-keeps-two-liberties-white: after White's push
# at E9 the ladder does not catch White's D9-E9.
white to play
  . O X O O . . . .
  . . . . X . . . .
  . . . . X X X X X
  . . . . X . . . X
  . . . . X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-peep-escape-short-captures-beside-white]
# The position of p13-peep-escape-keeps-two-liberties-white with Black's D7
# added (joined to the wall).  White's escape at D8 would keep C8 alone, one
# liberty: White takes it back and captures the chain beside it in atari,
# C9, at C8 instead.  So White's line is E9, F9, C8 (p) with the prepared
# answer E9, F9, C8; Black's part as there (o after E9, C8); the sum reads 2
# (premise): 4 at E9.
white to play
  . O X O . . . . .
  . . . . X . . . .
  . . . X X X X X X
  . . . . X . . . X
  . . . . X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:prepared E8 E9 E8 E9 C8 E8 E9 F9 C8 [E9=4(s=2):5 E9/F9/C8]

[p13-attached-pair-escape-joins-k-eye-value-3-black]
# The shape of p13-attached-pair-escape-joins-k-eye-value-4-black with
# White's B7 beside the wall and Black's B4-C4-D4 sealing it below (D3 and
# White's B3 gone).  The lines are as there: Black's D9, White's C9 (caught
# at once between B9 and D9), Black's E9, White's escape C8 joining K and
# the wall: o after D9, C9, E9, C8; White's push E9, Black F9, White D9,
# Black's escape F8: p, White's forcing line.  White's group after C8 has
# eye value 3 (premise, the next row): Black's line is not Black's forcing
# line, and the eye value is above 2, so the cuts stay in force.  White's
# wall is now short of life, so the sum is large and the half for White's
# forcing line takes it above 25 (premise), and Black's capture at C8 after
# D9, C9, E9 reads more than 20 (premise): the total is cut to 25 and then
# to 18, at D9 with the prepared answer E9.
black to play
  . X . . . . . . .
  . . . O X . O . .
  . O O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . X X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [D9=18:5 D9/C9/E9]

[p13-attached-pair-escape-joins-k-eye-value-3-white]
# The position of p13-attached-pair-escape-joins-k-eye-value-3-black with
# White to move: White's line is White's own forcing line, Black's the
# other's (White's escape was caught), both halves added: above 25 again.
# White's own move at F8, Black's escape point, after E9, F9, D9 reads
# more than 20 (premise):
# cut to 25, then 18, at the push E9 with the prepared answer D9.
white to play
  . X . . . . . . .
  . . . O X . O . .
  . O O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . X X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [E9=18:5 E9/F9/D9]

[p13-attached-pair-escape-joins-k-eye-value-3-premise]
# Premise of p13-attached-pair-escape-joins-k-eye-value-3-black: after
# Black D9, White C9, Black E9, White C8 the White group at C8 (K, the wall
# B7-C7-C6-C5) has eye value 3.
white to play
  . X O X X . . . .
  . . O O X . O . .
  . O O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . X X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe C8 [3]

[p13-attached-pair-push-then-under-k-kills-black]
# The position of p13-attached-pair-filled-above-k-empty-above-stone-black
# with Black's B5 in place of White's, cutting White's B-line wall.
# Black's second-line stone E8 jumps to the top edge; White's K = D8-D7
# stands beside it.  Black's line: Black D9 under K (K keeps C8, C7, E7:
# three liberties); White answers at NN = C9; no ladder threat from K2 = C8
# (K has three liberties, not two).  Black connects at E9 (E7, F8, F9: no
# ladder, and F7 beyond T = F8 is Black's: no loose move).  White's C9
# (B9, C8) is caught by the ladder that starts at C8 (premise, a row
# below), and no Black chain beside it is in atari: White escapes at C8,
# o = Hyoka(Black) after D9, C9, E9, C8, where White's group has eye value
# 4 (premise, a row below), not 3: Black's own forcing line.  White's line:
# White's E9 (not a self-atari; D9 is not the point next to the corner)
# leaves K uncaught (premise), and Black's D9 would then leave K's group
# dead (premise, a row below): White plays under K at D9 instead,
# p = Hyoka(White) after White D9.  F7 above T and C7 above K2 are taken or
# crowded (C7 has four White stones around it): no line is reset.  Black's
# B9 would atari nothing, and White's part is not above 0 (premise): no atari
# from beyond.
# One forcing line: s + s/2 at D9, with the prepared answer E9.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . O . O . X X X X
  . O . X . X . . .
  . X . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 C8 E8 D9 [D9=s+s/2:5 D9/C9/E9]

[p13-attached-pair-push-then-under-k-kills-white]
# The position of p13-attached-pair-push-then-under-k-kills-black with
# White to move: the same lines, Black's now the other side's forcing line,
# s + s/2 at White's D9 under K (a one-point line: no prepared answer).
white to play
  . . . . . . . . .
  . . . O X . . . .
  . O . O . X X X X
  . O . X . X . . .
  . X . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 C8 E8 D9 [D9=s+s/2:5]

[p13-attached-pair-push-then-under-k-kills-premise-push]
# Premises of p13-attached-pair-push-then-under-k-kills-black, with White's
# push E9 on the board: the ladder does not catch K, and Black's D9 would
# leave K's group dead.
white to play
  . . . . O . . . .
  . . . O X . . . .
  . O . O . X X X X
  . O . X . X . . .
  . X . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
ladder D8 [0]
call IkkenEdgeKorosuCheck:pin3 D9 D8 [yes]

[p13-attached-pair-push-then-under-k-kills-premise-ladder]
# Premise of p13-attached-pair-push-then-under-k-kills-black: after Black
# D9, White C9, Black E9 the ladder catches White's C9, its first move C8.
black to play
  . . O X X . . . .
  . . . O X . . . .
  . O . O . X X X X
  . O . X . X . . .
  . X . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
ladder C9 [1 C8]

[p13-attached-pair-push-then-under-k-kills-premise-eyes]
# Premise of p13-attached-pair-push-then-under-k-kills-black: after Black
# D9, White C9, Black E9, White C8 White's group at C8 has eye value 4.
black to play
  . . O X X . . . .
  . . O O X . . . .
  . O . O . X X X X
  . O . X . X . . .
  . X . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
call GunMe C8 [4]

[p13-attached-pair-corner-reading-beside-k-black]
# Black's second-line stone D8 jumps to the top edge over D9; White's K =
# C8 stands beside it, joined to B8 beyond it (K2), so NN = B9 is the
# first-line point next to the corner and A8 beyond K2 is empty.  Black's
# B7-C7 under K and K2 has two liberties (A7, B6) between White's D7-D6-C6
# and the edge, and the ladder catches it: White B6, Black A7 (premise,
# the next rows).  Neither group is weak.  K = B8-C8 has three liberties
# (A8, B9, C9), so the corner reading runs: Black B9, White B6, Black C9
# under K, White A7, h0 = Hyoka(Black) after them (not 6: nothing doubled),
# at Black's B9.  The reading of the pair itself ends without a point:
# after Black's C9 under K the ladder catches the stone D8 (D9, E8; White
# starts at E8, premise).
black to play
  . . . . . . . . .
  . O O X . . . . .
  . X X O X . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared D8 D9 D8 B9 B6 C9 A7 [B9=h0:5]

[p13-attached-pair-corner-reading-beside-k-white]
# The position of p13-attached-pair-corner-reading-beside-k-black with
# White to move: the same corner reading, h0 for Black, taken by White at
# Black's second point C9 under K; the pair's own reading again ends
# without a point.
white to play
  . . . . . . . . .
  . O O X . . . . .
  . X X O X . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared D8 D9 D8 B9 B6 C9 A7 [C9=h0:5]

[p13-attached-pair-corner-reading-beside-k-premise-ladder]
# Premise of p13-attached-pair-corner-reading-beside-k-black: the ladder
# catches Black's B7-C7, White starting at B6 (Black's reply is its last
# liberty A7).
black to play
  . . . . . . . . .
  . O O X . . . . .
  . X X O X . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B7 [1 B6]

[p13-attached-pair-corner-reading-beside-k-premise-stone]
# Premise of p13-attached-pair-corner-reading-beside-k-black: with Black's
# C9 under K the ladder catches the stone D8, White starting at E8.
white to play
  . . X . . . . . .
  . O O X . . . . .
  . X X O X . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D8 [1 E8]

[p13-attached-pair-self-atari-under-k-reads-one-black]
# Black's second-line stone E8 (with D7 below K and F6 further off; Black's
# C5 and D2 stand far away) jumps to the top edge over E9; White's D8 (K)
# stands beside it, White's C9-B9 on the first line beyond N = D9 and the
# wall A7-C7 below.  Neither group is weak.  Black's D9 under K would be a
# self-atari (C9 and D8 White, E9 its only liberty), so Black connects at
# the gap E9: L = E9.  With E9 on the board White's group at K has eye value
# 3 (premise, a row below), so White plays under K at D9 and Black's part
# is Hyoka(Black) after Black E9, White D9: h0, which reads exactly 1
# (premise) and so counts as 3.  White's line: the push E9 (two liberties,
# no ladder on K or on E9: premise), Black's D9 would be refused (no
# liberty, nothing captured), Black blocks at F9 (G9, F8); Black's D9 would
# now take E9 back in a ko, but no White stone stands at G8 beyond T, so no
# ko point is proposed; White plays D9 under K (no ladder: the chain joins
# C9), and the ladder catches Black's F9 starting at F8 (premise): M = E9,
# F9, then T = F8 for the ko; Black escapes at F8, h1 = Hyoka(White) after
# E9, F9, D9, F8, a forcing line for White.  F7 has only E8 and F6 of
# Black's around it, C7 above K2 is White's: no line is reset; B9 beyond
# NN is White's, and G9 beyond S ataris nothing.  The total is the sum
# with Black's part raised by 2 plus half of it: with s = h0 + h1 = 4 that
# is 6 + 3 = 9, the form s+5, at Black's connection E9.
black to play
  . O O . . . . . .
  . . . O X . . . .
  O O O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 E9 D9 E8 E9 F9 D9 F8 [E9=s+5:5]

[p13-attached-pair-self-atari-under-k-reads-one-white]
# The position of p13-attached-pair-self-atari-under-k-reads-one-black with
# White to move: the same lines, White's own forcing line, 9 (the form
# s+5) at White's push E9 with the prepared answer to Black's F9: the ko
# point F8.
white to play
  . O O . . . . . .
  . . . O X . . . .
  O O O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 E9 D9 E8 E9 F9 D9 F8 [E9=s+5:5 E9/F9/F8]

[p13-attached-pair-self-atari-under-k-reads-one-premise-eyes]
# Premise of p13-attached-pair-self-atari-under-k-reads-one-black: with
# Black's connection E9 on the board White's group at K has eye value 3.
black to play
  . O O . X . . . .
  . . . O X . . . .
  O O O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call GunMe D8 [3]

[p13-attached-pair-self-atari-under-k-reads-one-premise-push]
# Premises of p13-attached-pair-self-atari-under-k-reads-one-black: after
# White's push E9 the ladder catches neither K nor the push.
white to play
  . O O . O . . . .
  . . . O X . . . .
  O O O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
ladder D8 [0]
ladder E9 [0]

[p13-attached-pair-self-atari-under-k-reads-one-premise-block]
# Premise of p13-attached-pair-self-atari-under-k-reads-one-black: after
# White E9, Black F9, White D9 the ladder catches Black's F9, starting at
# F8.
black to play
  . O O O O X . . .
  . . . O X . . . .
  O O O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
ladder F9 [1 F8]

[p13-peep-escape-refused-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9 (Black
# C8 and D7 around D8, Black's B9 in the corner in atari at B8 between
# White's A9 and C9); White's D9-C9 peeps beside the gap (D8, E9: two
# liberties), so S = F9, T = F8, both empty.  Black's group has eye value
# above 2 (premise, a row below).  The chain at the stone has four
# liberties, so White's F9 first is not read: White's point is the push at
# the gap E9, not caught by a ladder (premise: White can take B9 at B8).
# Black blocks at F9 (G9, F8); White's C9-D9-E9 is left with D8 alone, and
# White's D8 is refused: it would have no liberty and capture nothing (C8
# keeps B8 and C7, D7 keeps C7, D6 and E7, the stone keeps E7 and F8).  So
# White's part is -1, with no prepared answer.  Black's part: Black
# connects at E9 (no ladder); D9-C9 is then in atari at D8, and White
# first takes the chain beside it in atari, B9, at B8: o = Hyoka(Black)
# after E9, B8.  The value o - 1 is below 6 and not 2 (premise), so it
# stays: o - 1 at White's push E9.
white to play
  O X O O . . . . .
  . . X . X . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:owner-offset E8 E9 E9 B8 [E9=o-1]

[p13-peep-escape-refused-premise]
# Premise of p13-peep-escape-refused-white: Black's group at the stone has
# eye value above 2 (6).
white to play
  O X O O . . . . .
  . . X . X . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe E8 [6]

[p13-peep-escape-refused-premise-push]
# Premise of p13-peep-escape-refused-white: after White's push E9 the
# ladder does not catch C9-D9-E9.
white to play
  O X O O O . . . .
  . . X . X . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-attached-pair-under-k-ataris-k-black]
# Black's second-line stone E8 jumps to the top edge over E9, with Black's
# F9 on the first line beyond the gap and E6 two lines above; White's D8
# (K) stands beside it with Black's C8 beyond (K2) and White's D6 two lines
# above K, White's B7 further off.  Neither group is weak (premise).  S =
# F9 is Black's; E7 and D7 above the stones are empty but E6 is Black's and
# D6 White's, so neither stop from above applies.  Black's line: Black D9
# under K (C9, E9: no ladder on it, the stone keeps E9, E7, F8) leaves K in
# atari at D7, and none of the Black chains beside K (C8, D9, the stone) is
# in atari: White extends at D7, h0 = Hyoka(Black) after D9, D7, and the
# line counts as Black's forcing line.  F7 has two Black stones around it
# (E8, E6): no reset; B9 beyond NN would atari nothing.  White's line: the
# push E9 would be a self-atari (D9 its only liberty), so White plays under
# K at D9: h1 = Hyoka(White) after White D9.  C7 above K2 has three White
# stones around it (B7, D6, D8): no reset.  White's atari from beyond at G9
# (F9 left with F8; no White chain beside F9 in atari) is answered by
# Black's F8 and then White's E9, reading less than h1 (premise).  One
# forcing line: s + s/2 at Black's D9.
black to play
  . . . . . X . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 D7 E8 D9 [D9=s+s/2:5]

[p13-attached-pair-under-k-ataris-k-white]
# The position of p13-attached-pair-under-k-ataris-k-black with White to
# move: the same lines; the extension of K counts as a forcing line only for
# Black to move, so no half is added: s at White's D9.
white to play
  . . . . . X . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 D7 E8 D9 [D9=s:5]

[p13-peep-ladder-self-atari-first-black]
# Black's lone second-line stone E8 (C7 further off) jumps to the top edge
# over E9; White's D9 peeps beside the gap (C9, D8, E9), White's B9 two
# points beyond.  Black's group has eye value above 2 (premise, a row
# below).  S = F9, T = F8, both empty; the stone has four liberties, so
# White's F9 first is not read: White's point is the push E9, which no
# ladder catches (premise).  Black blocks at F9 (G9, F8); White's D9-E9
# keeps C9 and D8.  Black's F9 is caught by a ladder (premise: White F8),
# so the block is not safe: it is taken back, and with U = G8 and R = F7
# both empty Black plays G8 and White F9: h1 = Hyoka(White) after E9, G8,
# F9.  Black's part: the connection E9 (no ladder); D9 keeps C9 and D8 and
# the ladder catches it, starting at C9 (premise): h0 = Hyoka(Black) after
# E9.  C9 is a self-atari for Black (B9, D9 White; C8 its only liberty),
# so Black tries it first: with Black's C9 and White's push E9 the ladder
# catches D9-E9 (premise), so Black's point is C9, and as C9 has one
# liberty the prepared answer is C9, C8 (White's capture), E9 (Black's
# connection).  Black's part is below 25, the sum below 6 and not 2
# (premise): s at C9.  (The follow-ups: T is empty, and the stone has four
# liberties, not three: nothing more.)
black to play
  . O . O . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:prepared E8 E9 E8 E9 E8 E9 G8 F9 [C9=s:5 C9/C8/E9]

[p13-peep-ladder-self-atari-first-white]
# The position of p13-peep-ladder-self-atari-first-black with White to
# move: the ladder's self-atari is Black's own choice only, so White's
# point is the push E9 with the same sum, and no prepared answer: s at E9.
white to play
  . O . O . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:prepared E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[p13-peep-ladder-self-atari-first-premise-eyes]
# Premise of p13-peep-ladder-self-atari-first-black: Black's group at the
# stone has eye value 6.
black to play
  . O . O . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe E8 [6]

[p13-peep-ladder-self-atari-first-premise-push]
# Premise of p13-peep-ladder-self-atari-first-black: White's push E9 is not
# caught by a ladder.
white to play
  . O . O O . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-peep-ladder-self-atari-first-premise-block]
# Premise of p13-peep-ladder-self-atari-first-black: after White E9, Black
# F9 the ladder catches the block, White starting at F8.
white to play
  . O . O O X . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder F9 [1 F8]

[p13-peep-ladder-self-atari-first-premise-q]
# Premise of p13-peep-ladder-self-atari-first-black: after Black's
# connection E9 the ladder catches D9, Black starting at C9.
black to play
  . O . O X . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D9 [1 C9]

[p13-peep-ladder-self-atari-first-premise-self-atari]
# Premise of p13-peep-ladder-self-atari-first-black: after Black's C9 and
# White's push E9 the ladder catches D9-E9.
black to play
  . O X O O . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [1 F9]

[p13-attached-pair-far-first-line-white-stop-black]
# The position of p13-attached-pair-escape-joins-k-eye-value-4-black with
# White's F9 on the first line beyond the gap (S).  White's stone at S
# ends the reading of the pair at once: nothing is proposed (D9 under K is
# empty, so that point plays no part in the stop).
black to play
  . X . . . O . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . X X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[p13-attached-pair-under-k-white-no-stop-white]
# The position of p13-attached-pair-escape-joins-k-eye-value-4-black with
# White's D9 under K instead (N taken by White, S = F9 empty), White to
# move.  Only a White stone at S stops the reading; N does not, so the
# reading runs on and proposes a point.
white to play
  . X . O . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . X X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [!none]

[p13-attached-pair-capture-beside-stone-no-bonus-black]
# The position of links-edge-cover.tst
# edge-cover-attached-pair-capture-beside-stone-top-black, with the
# candidate's bonus: Black's E8 jumps to the top edge, White's D8 (K)
# beside it in the wall D8-C8-C7-C6, White's E7 above the stone in atari
# (F7), and the stone has two liberties (E9, F8): the capture beside the
# stone is read instead of the pair, Black taking E7 at F7 (h0) and White
# pushing at E9 before Black takes (h1).  The capture carries no bonus:
# s at F7, bonus 0.
black to play
  . . . . . . . . .
  . . O O X . . . .
  . . O X O . . . .
  . . O X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 F7 E8 E9 F7 [F7=s:5 F7/0]

[p13-attached-pair-capture-beside-stone-no-bonus-white]
# The position of p13-attached-pair-capture-beside-stone-no-bonus-black
# with White to move: s at the push E9, bonus 0.
white to play
  . . . . . . . . .
  . . O O X . . . .
  . . O X O . . . .
  . . O X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 F7 E8 E9 F7 [E9=s:5 E9/0]

[p13-peep-push-leaves-stone-one-liberty-white]
# Black's second-line stone E8 jumps to the top edge over E9 between
# White's D8 and E7 (two liberties: E9, F8); White's D9-D8 peeps beside the
# gap (E9, D7), Black's C9-C8 beyond it and Black's G9, G7 further right.
# Black's group has eye value above 2 (premise, a row below).  S = F9, T =
# F8.  White's F9 first: the ladder catches it at once (premise), so it is
# not read; White's point is the push E9, which no ladder catches
# (premise).  The push leaves the stone with F8 alone, so Black connects
# there: h1 = Hyoka(White) after E9, F8.  Black's part: the connection E9
# (no ladder, premise); D9-D8 is left with D7, no Black chain beside it is
# in atari (C9-C8 keeps B9, B8, C7; E8-E9 keeps F9, F8), so White extends
# at D7: h0 = Hyoka(Black) after E9, D7.  Black's part is below 25 and the
# sum below 6 (premise), so nothing is added: s at White's push E9.  (The
# follow-ups: T is empty, and S has two empty neighbours only.)
white to play
  . . X O . . X . .
  . . X O X . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:prepared E8 E9 E8 E9 D7 E8 E9 F8 [E9=s:5]

[p13-peep-push-leaves-stone-one-liberty-premise-eyes]
# Premise of p13-peep-push-leaves-stone-one-liberty-white: Black's group at
# the stone has eye value 6.
white to play
  . . X O . . X . .
  . . X O X . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe E8 [6]

[p13-peep-push-leaves-stone-one-liberty-premise-far]
# Premise of p13-peep-push-leaves-stone-one-liberty-white: White's F9 is
# caught by the ladder, Black starting at F8.
black to play
  . . X O . O X . .
  . . X O X . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder F9 [1 F8]

[p13-peep-push-leaves-stone-one-liberty-premise-push]
# Premise of p13-peep-push-leaves-stone-one-liberty-white: White's push E9
# is not caught by a ladder.
black to play
  . . X O O . X . .
  . . X O X . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-peep-push-leaves-stone-one-liberty-premise-connection]
# Premise of p13-peep-push-leaves-stone-one-liberty-white: Black's
# connection E9 is not caught by a ladder.
white to play
  . . X O X . X . .
  . . X O X . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-attached-pair-owner-part-zero-no-atari-beyond-black]
# Black's second-line stone E8, in the wall E8-E7-E6, jumps to the top edge
# over E9; White's K = D8 in the wall D8-D7-D6 stands beside it (White's
# C5, C4 below, Black's F4), White's A9 alone in the corner.  Neither group
# is weak (premise).  Black's line: Black D9 under K (C9, E9: no ladder on
# it), K keeps C8, C7, C6, D5, and White answers at NN = C9: no ladder
# threat from K2 = C8 (K has four liberties, not two).  Black connects at
# E9 (the wall has many liberties: no ladder, no loose move).  The ladder
# catches White's C9, starting at C8 (premise, a row below); no Black chain
# beside C9 is in atari, so White escapes at C8 into K: h0 = Hyoka(Black)
# after D9, C9, E9, C8, which reads exactly 0 (premise).  White's group
# there has eye value 6 (premise, a row below): not 3, so this is Black's
# forcing line, and the cuts stay in force.  E7 above the stone is Black's;
# F7 has three Black stones around it: no reset.  Black's part is 0, not
# above 0, so Black's atari from beyond at B9 (against A9) is not tried.
# White's line: the push E9 (D9, F9: not a self-atari; no ladder on K or
# on the push, which joins K at D9), Black's F9 (G9, F8) is no ko, White
# plays D9 into K (no ladder, no loose move: the chain has five
# liberties), and the ladder catches Black's F9, starting at F8 (premise):
# Black escapes at F8, h1 = Hyoka(White) after E9, F9, D9, F8, White's
# forcing line.  C7 has three White stones around it: no reset; G9 beyond
# S would atari nothing.  Both forcing lines: s + s/2 + s/3 at Black's D9,
# with the prepared answer E9 to White's C9.
black to play
  O . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5 D9/C9/E9]

[p13-attached-pair-owner-part-zero-premise-ladder]
# Premise of p13-attached-pair-owner-part-zero-no-atari-beyond-black: after
# Black D9, White C9, Black E9 the ladder catches C9, starting at C8.
white to play
  O . O X X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C9 [1 C8]

[p13-attached-pair-owner-part-zero-premise-eyes]
# Premise of p13-attached-pair-owner-part-zero-no-atari-beyond-black: after
# Black D9, White C9, Black E9, White C8 White's group at C8 has eye value
# 6.
black to play
  O . O X X . . . .
  . . O O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe C8 [6]

[p13-attached-pair-owner-part-zero-premise-block]
# Premise of p13-attached-pair-owner-part-zero-no-atari-beyond-black: after
# White E9, Black F9, White D9 the ladder catches F9, starting at F8.
white to play
  O . . O O X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder F9 [1 F8]

[p13-peep-capture-in-atari-then-ladder-black]
# Black's second-line stone E8, joined to D8, jumps to the top edge over
# E9; White's D9 peeps beside the gap (C9, E9), with White's B9 and C8
# around C9 and White's D7-E7 under the pair; Black's G8 and H9 hold
# White's G9.  Black's group has eye value 5 (premise, a row below): above
# 2, and not 3.  Black's part: the connection E9, which no ladder catches
# (premise: D9 is then in atari, and Black's chain can capture it).  D9
# is left with C9 alone and no Black chain beside it is in atari, so White
# would extend at C9.  Black's capture at C9 would leave
# the capturing stone with D9 alone (B9 and C8 White): in atari.  So White
# extends at C9 instead, joining B9 and C8, and then the ladder catches
# Black's D8-E8-E9 (F9, F8), starting at F8 (premise, a row below): Black's
# point is that first move, F8, not the connection.
black to play
  . O . O . . O X .
  . . O X X . X . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:point E8 E9 [F8]

[p13-peep-capture-in-atari-then-ladder-premise-eyes]
# Premise of p13-peep-capture-in-atari-then-ladder-black: Black's group at
# the stone has eye value 5.
black to play
  . O . O . . O X .
  . . O X X . X . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe E8 [5]

[p13-peep-capture-in-atari-then-ladder-premise-connection]
# Premise of p13-peep-capture-in-atari-then-ladder-black: Black's
# connection E9 alone is not caught by a ladder.
white to play
  . O . O X . O X .
  . . O X X . X . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-peep-capture-in-atari-then-ladder-premise-extension]
# Premise of p13-peep-capture-in-atari-then-ladder-black: after Black's
# connection E9 and White's extension C9 the ladder catches Black's chain,
# White starting at F8.
white to play
  . O O O X . O X .
  . . O X X . X . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [1 F8]

[p13-attached-pair-third-line-stones-exchange-black]
# Black's second-line stone E8 jumps to the top edge over E9; White's D8
# (K) stands beside it; neither group is weak (premise).  Black's F7
# stands above T = F8 and White's C7
# above K2 = C8 (White's D5 further off): the first-line exchange is read
# instead of the pair, on the strip from F8 to C8, Black (the colour at
# E8) against White, with A = E9, B = F9, C = D9, D = C9.  Black's C9
# holds D, so Black's point is A = E9: h0 = Hyoka(Black) after E9.  B = F9
# is empty, so White's point is A too: White E9, Black F9 (legal), White
# D9: h1 = Hyoka(White) after them (not above 16: no cut).  s at E9, no
# bonus.
black to play
  . . X . . . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 E9 E8 E9 F9 D9 [E9=s:5 E9/0]

[p13-attached-pair-third-line-stones-exchange-white]
# The position of p13-attached-pair-third-line-stones-exchange-black with
# White to move: the same two readings, s at White's point A = E9.
white to play
  . . X . . . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:pin-bonus0 E8 E9 E8 E9 E8 E9 F9 D9 [E9=s:5 E9/0]

[p13-attached-pair-exchange-far-eye-value-3-black]
# Black's second-line stone E8, with Black's F7-G7-H7 and G8 on the right
# (J6 further off), jumps to the top edge over E9; White's D8 (K) stands
# beside it, White's C7 above K2 = C8, White's C9 and G9 on the first line
# (H5 further off).  Neither group is weak (premise).  Black's F7 above T
# and White's C7 above K2: the first-line exchange is read instead of the
# pair, on the strip from F8 to C8, Black against White, A = E9, B = F9, C
# = D9, D = C9.  D is White's, so Black's point is A: o = Hyoka(Black)
# after E9.  B is empty: White's point is A too, White E9, Black F9
# (legal), White D9, and White's evaluation there is above 16 (premise)
# while Black's F9 then stands in a group of eye value 3 (premise, a row
# below): White's part counts 8.  o + 8 at E9.
black to play
  . . O . . . O . .
  . . . O X . X . .
  . . O . . X X X .
  . . . . . . . . X
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:owner-offset E8 E9 E9 [E9=o+8]

[p13-attached-pair-exchange-far-eye-value-3-white]
# The position of p13-attached-pair-exchange-far-eye-value-3-black with
# White to move: the same two readings (White's again above 16, cut to
# 8), o + 8 at White's point A = E9.
white to play
  . . O . . . O . .
  . . . O X . X . .
  . . O . . X X X .
  . . . . . . . . X
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:owner-offset E8 E9 E9 [E9=o+8]

[p13-attached-pair-exchange-far-eye-value-3-premise]
# Premise of p13-attached-pair-exchange-far-eye-value-3-black: after White
# E9, Black F9, White D9, Black's group at F9 has eye value 3.
black to play
  . . O O O X O . .
  . . . O X . X . .
  . . O . . X X X .
  . . . . . . . . X
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe F9 [3]

[p13-attached-pair-under-k-caught-owner-part-one-black]
# Black's second-line stone E8 jumps to the top edge over E9, with Black's
# F9 beyond the gap and Black's wall G7-G4 on the right; White's K = D8 in
# the wall C8-C1 stands beside it, White's E6 two lines under the stone and
# White's G9 beyond F9.  Neither group is weak (premise).  T = F8 has only
# two empty neighbours, so White's E6 above E7 does not stop the reading.
# Black's line: Black D9 under K (C9, E9) leaves the stone uncaught but
# the ladder catches D9 itself, starting at C9 (premises, a row below):
# Black's line is the connection E9 (C9 beyond N is no corner point) and
# Black's part is 1.  F7 has three Black stones around it: no reset; B9
# beyond NN would atari nothing.  White's line: White's push E9 would be a
# self-atari (D9 its only liberty: F9 and E8 are Black's), so White plays
# under K at D9: p = Hyoka(White) after White D9.  C7 above K2 is White's:
# no reset; G9 beyond S is taken.  No forcing line: p + 1, at Black's E9.
black to play
  . . . . . X O . .
  . . O O X . . . .
  . . O . . . X X X
  . . O . O . X . .
  . . O . . . X . .
  . . O . . . X X X
  . . O . . . . . .
  . . O . . . . . .
  . . O . . . . . .
call IkkenEdgeTukeYomi:opponent-offset E8 E9 D9 [E9=p+1]

[p13-attached-pair-under-k-caught-owner-part-one-white]
# The position of p13-attached-pair-under-k-caught-owner-part-one-black
# with White to move: the same parts, p + 1 at White's D9 under K.
white to play
  . . . . . X O . .
  . . O O X . . . .
  . . O . . . X X X
  . . O . O . X . .
  . . O . . . X . .
  . . O . . . X X X
  . . O . . . . . .
  . . O . . . . . .
  . . O . . . . . .
call IkkenEdgeTukeYomi:opponent-offset E8 E9 D9 [D9=p+1]

[p13-attached-pair-under-k-caught-owner-part-one-premise]
# Premises of p13-attached-pair-under-k-caught-owner-part-one-black: with
# Black's D9 on the board the ladder catches D9, starting at C9, and not
# the stone E8.
white to play
  . . . X . X O . .
  . . O O X . . . .
  . . O . . . X X X
  . . O . O . X . .
  . . O . . . X . .
  . . O . . . X X X
  . . O . . . . . .
  . . O . . . . . .
  . . O . . . . . .
ladder D9 [1 C9]
ladder E8 [0]

[p13-attached-pair-k-in-atari-above-k-owner-black]
# Black's second-line stone E8 jumps to the top edge over E9; White's K =
# D8-C8 stands beside it (White's A8, B7 and B5 further left), with Black's
# C9 on the first line beyond N and Black's C7-D7 under K (Black's G7 off to
# the right).  Neither group is weak (premise).  D7 above K is Black's, so
# no stop from above.  Black's line: Black D9 under K joins C9 (B9, E9; no
# ladder on it or on the stone: premise) and leaves K with B8 alone; NN =
# C9 is taken, so Black's line is D9.  None of the Black chains beside K
# (C9-D9, the stone, C7-D7) is in atari, so White extends at B8 (joining
# A8 and B7): o = Hyoka(Black) after D9, B8, Black's forcing line.  F7 has
# two Black stones around it (E8, G7): no reset; B9 beyond NN would atari
# nothing.  White's line: the push E9 (not a self-atari) leaves K uncaught,
# Black's D9 would not kill K, but the ladder catches the push itself
# (premises, a row below), so White's line is D9 under K with the part 1.
# C7 above K2 is Black's; G9 beyond S would atari nothing.  The sum o + 1
# and its half: with o = 8 (premise) that is 9 + 4 = 13, o + 5, at Black's
# D9.
black to play
  . . X . . . . . .
  O . O O X . . . .
  . O X X . . X . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:owner-offset E8 E9 D9 B8 [D9=o+5]

[p13-attached-pair-k-in-atari-above-k-owner-white]
# The position of p13-attached-pair-k-in-atari-above-k-owner-black with
# White to move: K's extension is a forcing line only for Black to move,
# so the total is the sum alone, o + 1, at White's D9.
white to play
  . . X . . . . . .
  O . O O X . . . .
  . O X X . . X . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:owner-offset E8 E9 D9 B8 [D9=o+1]

[p13-attached-pair-k-in-atari-above-k-premise-push]
# Premises of p13-attached-pair-k-in-atari-above-k-owner-black, after
# White's push E9: the ladder does not catch K, Black's D9 would not leave
# K's group dead, and the ladder catches the push, starting at F9.
white to play
  . . X . O . . . .
  O . O O X . . . .
  . O X X . . X . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D8 [0]
call IkkenEdgeKorosuCheck:pin3 D9 D8 [no]
ladder E9 [1 F9]

[p13-attached-pair-k-in-atari-above-k-premise-under]
# Premises of p13-attached-pair-k-in-atari-above-k-owner-black, after
# Black's D9: the ladder catches neither the stone nor D9.
white to play
  . . X X . . . . .
  O . O O X . . . .
  . O X X . . X . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E8 [0]
ladder D9 [0]

[p13-peep-atari-follow-up-connection-caught-black]
# Black's second-line stone E8, joined to D8 (T), jumps to the top edge
# over E9; White's F9 peeps beside the gap from the right, so S = D9 (empty)
# and W = C9 beyond it; White's C8, D7 and F8 around the pair, White's J9
# off to the right and Black's G9 beside F9; Black's wall C6-G6 with its
# eye below.  The follow-up after the peep: S is empty, T is Black's, White's
# D9 is no self-atari, and D8-E8 has exactly three liberties (D9, E9, E7).
# White's D9 and Black's connection E9 would leave D8-E8-E9 with E7 alone,
# so the reading runs.  Black's block at W = C9 would have B9 alone, so
# White's part is Hyoka(White) with D9 on the board: h1.  Black's
# connection E9 is caught by the ladder (premise, a row below), so Black's
# point is W = C9 and Black's part its evaluation after Black C9: h0.  s at
# C9.
black to play
  . . . . . O X . O
  . . O X X O . . .
  . . . O . . . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:prepared E8 E9 E8 C9 E8 D9 [C9=s:5]

[p13-peep-atari-follow-up-connection-caught-white]
# The position of p13-peep-atari-follow-up-connection-caught-black with
# White to move: the same parts, s at White's S = D9, with the prepared
# answer to Black's W = C9: the push E9.
white to play
  . . . . . O X . O
  . . O X X O . . .
  . . . O . . . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:prepared E8 E9 E8 C9 E8 D9 [D9=s:5 D9/C9/E9]

[p13-peep-atari-follow-up-connection-caught-premise]
# Premise of p13-peep-atari-follow-up-connection-caught-black: Black's
# connection E9 is caught by the ladder, White starting at E7.
white to play
  . . . . X O X . O
  . . O X X O . . .
  . . . O . . . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [1 E7]

[p13-peep-far-side-first-reads-zero-white]
# Black's second-line stone E8 jumps to the top edge over E9, White's E7
# under it (E8 keeps E9, D8, F8: three liberties); White's D9-C9 peeps
# beside the gap (White's A9 in the corner, White's G7-H7-G6 and Black's
# J7-J6 on the right, Black's A6-B6, F4, C3, H3 further off).  Black's group
# has eye value above 2 (premise, a row below).  S = F9, T = F8.  White's
# F9 first: not a self-atari, the stone has three liberties, so it is
# read: no ladder catches F9, and Black's connection E9 after it (D8, F8)
# is caught (premises, rows below), so the reading is worth Hyoka(White)
# with F9 on the board, which reads exactly 0 (premise): not above 0, so
# White's point is not S but the push at the gap.  The push reading ends
# without a stop: no ladder catches the push (premise), the stone keeps
# D8 and F8, Black's block F9 keeps G9 and F8, the push chain keeps B9, C8
# and D8; Black's own connection E9 (D8, F8, F9) is not caught (premise).
# White's point: the push E9.
white to play
  O . O O . . . . .
  . . . . X . . . .
  . . . . O . O O X
  X X . . . . O . X
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . X .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:point E8 E9 [E9]

[p13-peep-far-side-first-reads-zero-premise-eyes]
# Premise of p13-peep-far-side-first-reads-zero-white: Black's group at
# the stone has eye value 10.
white to play
  O . O O . . . . .
  . . . . X . . . .
  . . . . O . O O X
  X X . . . . O . X
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . X .
  . . . . . . . . .
  . . . . . . . . .
call GunMe E8 [10]

[p13-peep-far-side-first-reads-zero-premise-far]
# Premise of p13-peep-far-side-first-reads-zero-white: no ladder catches
# White's F9.
black to play
  O . O O . O . . .
  . . . . X . . . .
  . . . . O . O O X
  X X . . . . O . X
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . X .
  . . . . . . . . .
  . . . . . . . . .
ladder F9 [0]

[p13-peep-far-side-first-reads-zero-premise-caught]
# Premise of p13-peep-far-side-first-reads-zero-white: after White's F9,
# Black's connection E9 is caught by the ladder, White starting at D8.
white to play
  O . O O X O . . .
  . . . . X . . . .
  . . . . O . O O X
  X X . . . . O . X
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . X .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [1 D8]

[p13-peep-far-side-first-reads-zero-premise-connection]
# Premise of p13-peep-far-side-first-reads-zero-white: Black's connection
# E9 alone is not caught.
white to play
  O . O O X . . . .
  . . . . X . . . .
  . . . . O . O O X
  X X . . . . O . X
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . X .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-peep-far-side-first-reads-zero-premise-push]
# Premise of p13-peep-far-side-first-reads-zero-white: White's push E9 is
# not caught.
black to play
  O . O O O . . . .
  . . . . X . . . .
  . . . . O . O O X
  X X . . . . O . X
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . X .
  . . . . . . . . .
  . . . . . . . . .
ladder E9 [0]

[p13-peep-far-side-first-caught-not-read-white]
# The position of p13-peep-push-leaves-stone-one-liberty-white: Black's
# stone E8 has two liberties (E9, F8), so White's F9 beside the gap (not a
# self-atari: it joins nothing but keeps E9 and F8) is read, and the
# ladder catches it at once, Black starting at F8 (premise:
# p13-peep-push-leaves-stone-one-liberty-premise-far): the play is not read
# further, -1.
white to play
  . . X O . . X . .
  . . X O X . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 [=-1]

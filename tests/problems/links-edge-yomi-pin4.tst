# Known answers for the one-space jump to the edge, fourth set: the reading
# of the attached pair, the peep beside the gap, the hane-cut strip and the
# corner reading, in positions where two points the reading could use give
# different answers (the connection against the block beyond it, the push
# against the block, the atari from beyond either side, the point the owner
# plays when the connection settles the group's eyes, the cut that
# captures), with the prepared answers and the marks' values, and with
# values just across a bound (a hane worth 0 or 1, a corner reading worth
# exactly 6).  Lines and forms as in links-edge.tst (LinkRoutines.cpp);
# "premise" marks an evaluation the row takes as given.

[attached-pair-loose-move-connects-at-once-black]
# Black's second-line stone E8 (jumping to E6 over E7, E6 joined to the
# wall E5-F5-G5-H5 with H6, H7 and D4, D3 below) jumps to the top edge;
# White's D8 (K) stands beside it on the smaller side, with White G8 beyond
# F8 and White F6 under F7; White's wall C7-C4, B3 is on the left.  Neither
# group is weak.  Black's line: Black D9 under K (D9 has two liberties; no
# ladder on E8, which keeps E7, E9 and F8, nor on D9, whose atari at C9 is
# answered by the connection E9).  K then has C8 and D7 and White answers
# under at C9; Black's block at K2 = C8 would keep only B8, so there is no
# ladder threat.  Black connects at E9: the chain D9-E9-E8 keeps E7, F8 and
# F9, no ladder.  But White has the loose move F7: with F8 and F9 empty and
# White F6 beyond F7, White's F7 and Black's F8 leave Black's chain with E7
# and F9 only, and White's E7 then drives it along the first line into G8
# (Black F9 has G9 alone).  So the connection would be caught: Black
# connects at once and Black's line is the connection alone, h0 = Black E9,
# with Black's point the connection E9.  White's line: White E9 (no ladder
# on K; Black's D9 does not kill K; White's E9 and D9 escape through D9 to
# K), Black blocks at F9 (two liberties), White D9 joins K (no ladder; no
# loose move on C8: C7 is White's).  Black's F9 is caught (White's F8, then
# G8 ends Black's run at G9), so Black escapes at F8, the ladder's first
# point: h1 = E9, F9, D9, F8, a forcing line for White.  F7 above F8 has two
# Black stones around it (E8, E6) and C7 above C8 is White's; neither side
# has an atari from beyond.  One forcing line, the other side's: s + s/2.
black to play
  . . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X O . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5]

[attached-pair-loose-move-connects-at-once-white]
# As attached-pair-loose-move-connects-at-once-black with White to move:
# White's line is its own forcing line and its point the push E9; the same
# h0 (Black's connection E9 alone) and h1, s + s/2.
white to play
  . . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X O . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5]

[attached-pair-loose-move-blocked-black]
# The position of attached-pair-loose-move-connects-at-once-black with
# F6 empty: White's F7 would have nothing beyond it, so there is no loose
# move and Black's connection E9 (E7, F8, F9) is safe.  Black's line is then
# D9, C9, E9: White's C9 (B9, C8) is not caught (Black's C8 atari is itself
# captured at B8), Black's C8 block keeps one liberty (no ladder threat),
# the plain line, h0 = D9, C9, E9, with Black's point D9 under K (E7 has
# only five empty points around it; C8 is empty at the start, so the
# connection is not chosen instead).  White's line as before (h1), a
# forcing line for White: s + s/2 at D9.
black to play
  . . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [D9=s+s/2:5]

[peep-marks-gap-and-far-side]
# The position of links-edge-yomi-pin3.tst
# pin3-peep-push-safe-block-keeps-block-black: Black's E8 jumps to the top
# edge, White's D9 peeps beside the gap E9 and the reading ends with a
# candidate.  It marks the gap E9 and the far first-line point F9 as dealt
# with, both with the value 1, and no other point.
black to play
  . O . O . . . . .
  . O O . X . X . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:mark-values E8 E9 [E9=1 F9=1]

[peep-connection-gives-eyes-extends-black]
# Black's wall E8-J8 with G9 on the first line; White's D9 peeps beside the
# gap E9 from White's wall D9-D5 (White C4, F5 and H5 further off).  Black's
# group has the two-point eye H9-J9 and the half eye E9-F9 that White's push
# at E9 spoils: eye value 3; after Black's connection at E9, F9 is a second
# eye: eye value 4.  White's part: White's F9 first is a self-atari (E9
# alone), so White pushes at the gap E9 (no ladder: it joins the wall);
# Black blocks at F9, joined to the wall; the block is safe (its chain is
# large and White's F8 is no move), and no ladder catches Black's stone:
# h1 = White E9, Black F9.  Black's part: the connection E9; D9 keeps many
# liberties (no capture, no ladder): h0 = Black E9.  The connection turns
# the group from eye value 3 to 4, so Black's point is the group's
# extension instead: of its one-space jumps and knight's moves, only G6 has
# four empty neighbours (E6 and F6, H6 touch White's D6, F5, H5; J6 is on
# the edge), and its reading gains (premise): G6.  Black's part reads 25 or
# more and White's 2 or less (premises of the evaluation), so the sum is
# divided by 3: s/3 at G6.
black to play
  . . . O . . X . .
  . . . O X X X X X
  . . . O . . . . .
  . . . O . . . . .
  . . . O . O . O .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 F9 [G6=s/3:5]

[peep-connection-gives-eyes-extends-white]
# As peep-connection-gives-eyes-extends-black with White to move: White's
# point is its push at the gap E9 (its F9 first is a self-atari); the same
# s/3.
white to play
  . . . O . . X . .
  . . . O X X X X X
  . . . O . . . . .
  . . . O . . . . .
  . . . O . O . O .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 F9 [E9=s/3:5]

[peep-connection-gives-eyes-no-extension-black]
# The position of peep-connection-gives-eyes-extends-black with White's
# row E5-J5 in place of F5 and H5: the connection still turns the group from
# eye value 3 to 4, but no point two lines below the wall has four empty
# neighbours, so the group has no extension and Black's point stays the
# connection E9.  Black's part reads 25 or more and White's 2 or less
# (premises): s/3 at E9.
black to play
  . . . O . . X . .
  . . . O X X X X X
  . . . O . . . . .
  . . . O . . . . .
  . . . O O O O O O
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 F9 [E9=s/3:5]

[peep-atari-prepared-white]
# The position of links-edge2-cover.tst edge2-peep-atari-block-in-atari-top-
# white: Black's E8-F8 (E9, F9, E7) with White's D9 peeping and White's G8
# beyond; White's F9 and Black's connection E9 leave the chain with E7
# alone, and Black's block at W = G9 instead keeps only H9, so White's part
# is h1 = White F9 and Black's h0 = Black E9.  With White to move the
# candidate is S = F9 worth s, and White's follow-up is prepared: after
# White F9 and Black's block at W = G9, White pushes at the gap E9.
white to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:prepared E8 E9 E8 E9 E8 F9 [F9=s:5 F9/G9/E9]

[peep-atari-prepared-black]
# As peep-atari-prepared-white with Black to move: Black's point is the
# connection E9 worth s, and nothing is prepared for the owner.
black to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:prepared E8 E9 E8 E9 E8 F9 [E9=s:5]

[peep-hane-prepared-white]
# The position of links-edge2-cover.tst edge2-peep-hane-two-liberties-top-
# white: White F9, Black E9, White F8 leaves White's F8-F9 with G8 and G9,
# so Black takes the stone's last liberty E7: h1.  For White the candidate
# is S = F9 worth h1, with the prepared answer: after White F9 and Black's
# connection E9, White plays the hane at T = F8.
white to play
  . . . O . . . . .
  . . . O X . . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:prepared E8 E9 E8 E8 F9 E9 F8 E7 [F9=h1:5 F9/E9/F8]

[peep-escape-prepared-white]
# The position of links-edge-cover.tst edge-cover-peep-escape-aims-at-t-top-
# white: White's push E9 is blocked at F9, which puts White's D9-E9 in
# atari; White escapes at C9 (its liberty, joining the wall: two liberties
# or more, so no capture is looked for) and aims at T = F8: h1 = White E9,
# Black F9, White C9, Black F8.  White's candidate is the push E9 worth s,
# and the reading prepares the escape: after the push E9 and Black's block
# F9, White's C9.  The peep's follow-ups add nothing (F8 is not Black's, and
# Black's chain has more than three liberties).
white to play
  . O . O . . . . .
  . O O X X . . . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki:prepared E8 E9 E8 E9 C9 E8 E9 F9 C9 F8 [E9=s:5 E9/F9/C9]

[attached-pair-plain-line-prepared-black]
# The position of attached-pair-loose-move-blocked-black: Black's line
# is the plain D9, C9, E9 (h0), three points, and Black's point D9 keeps
# them, so the answer to White's C9 under K is prepared: the connection E9.
# White's line E9, F9, D9, F8 (h1): s + s/2 at D9.
black to play
  . . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [D9=s+s/2:5 D9/C9/E9]

[attached-pair-plain-line-prepared-white]
# As attached-pair-plain-line-prepared-black with White to move:
# White's line is the push E9, Black's block F9 and White's D9 joining K,
# then Black's escape F8 (a forcing line, three points before the escape:
# E9, F9, D9), so White's answer to the block is prepared: D9.  s + s/2 at
# E9.
white to play
  . . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5 E9/F9/D9]

[peep-block-double-atari-unsafe-black]
# Black's second-line stone E8 (E7, E9, F8) jumps to the top edge over the
# gap E9, above Black's living group E6-J6 with the eye space F5-H4; Black
# H8 stands on the right.  White's D9 (Q) peeps from White's wall on the D
# line.  White's F9 first is not read: it is no ladder (three liberties),
# and Black's connection E9 then keeps E7 and F8 and escapes either way.
# White's part: the push E9 (no ladder: it joins the wall); Black's stone
# keeps E7 and F8; Black blocks at S = F9 (G9 and F8).  The block is no
# ladder (after White's F8 and Black's G9, Black's H9 joins H8), but
# White's T = F8 (F7 and G8) ataris both the block (G9 left) and the stone
# (E7 left): a double atari, so the block is not safe.  U = G8 and F7 are
# empty, so Black answers at U first and White then takes S:
# h1 = White E9, Black G8, White F9.  Black's part: the connection E9, Q's
# chain is large: h0 = Black E9.  White's part is more than 2, and the sum
# is 6 or more, so it gains 2: s + 2 at the gap.
black to play
  . . . O . . . . .
  . . . O X . . X .
  . . . O . . . . .
  . . . O X X X X X
  . . . O X . . . X
  . . . O X . . . X
  . . . O X X X X X
  . . . O . . . . .
  . . . O . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[peep-block-double-atari-unsafe-white]
# As peep-block-double-atari-unsafe-black with White to move: White's
# point is the push E9, the same s + 2.
white to play
  . . . O . . . . .
  . . . O X . . X .
  . . . O . . . . .
  . . . O X X X X X
  . . . O X . . . X
  . . . O X . . . X
  . . . O X X X X X
  . . . O . . . . .
  . . . O . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[peep-block-no-double-atari-safe-black]
# The position of peep-block-double-atari-unsafe-black with a Black stone
# on G9: Black's block F9 joins G9 (G8, H9 and F8), so White's F8 ataris the
# stone alone and the block is safe; the stone is in no ladder (White's F8
# is answered at E7, joining the wall below).  White's part keeps the
# block: h1 = White E9, Black F9; Black's part h0 = Black E9.  The sum is
# 2, but U = G8 has only two empty neighbours (G9 and H8 are Black's), so
# it is not raised: s.
black to play
  . . . O . . X . .
  . . . O X . . X .
  . . . O . . . . .
  . . . O X X X X X
  . . . O X . . . X
  . . . O X . . . X
  . . . O X X X X X
  . . . O . . . . .
  . . . O . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 F9 [E9=s:5]

[peep-hane-worth-nothing-white]
# The shape of links-edge2-cover.tst edge2-peep-hane-two-liberties-top-white
# with Black stones added on A9, A7, J6, B3 and H3 (White H6 and the walls
# as there): Black's second-line stone E8 (E9, F8, E7) jumps to the top
# edge, White's D9 peeps beside the gap, S = F9 and T = F8 are empty and F9
# has three empty neighbours; Black's group, joined across the eye E7 to
# the wall below, has eye value 4.  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9, so Black takes the stone's last liberty E7, and
# White's evaluation there is 0 with White to move (premise): not above 0,
# so the hane proposes nothing.
white to play
  X . . O . . . . .
  . . . O X . . . .
  X . O X . X O . .
  . O X X . X X O X
  . O X . X X X O .
  . O X X X X X O .
  . X O O O O O X .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 E8 E8 F9 E9 F8 E7 [none]

[peep-hane-worth-one-white]
# The position of peep-hane-worth-nothing-white with the Black stone on
# J9 instead of J6: the same reading, White F9, Black E9, White F8, Black E7,
# now worth 1 to White (premise), above 0: White's point S = F9 worth h1,
# with the hane F8 prepared after Black's connection.
white to play
  X . . O . . . . X
  . . . O X . . . .
  X . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . X O O O O O X .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:prepared E8 E9 E8 E8 F9 E9 F8 E7 [F9=h1:5 F9/E9/F8]

[attached-pair-ladder-threat-prepared-black]
# The position of links-edge-yomi-pin.tst
# pin-attached-pair-block-beyond-two-liberties-top-black: Black's D9 under K
# and White's answer C9 let Black's K2 block C8 start a ladder on K, so for
# Black the threat is prepared at once: after D9 and White's C9, Black C8.
# Black's line then goes D9, White C8, Black C9, White B9 beyond NN; B9 keeps
# two liberties, Black connects at E9, and B9 is caught, so the line is the
# three points D9, C8, C9 and its answer is prepared too: after D9 and
# White's C8, Black C9.  Values as there: both sides force, s + s/2 + s/3 at
# D9.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C8 C9 B9 E9 B8 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5 D9/C9/C8 D9/C8/C9]

[attached-pair-ladder-threat-prepared-white]
# As attached-pair-ladder-threat-prepared-black with White to move: the
# threat is Black's, so nothing of Black's line is prepared; White's line is
# the push E9, Black's block F9, White's D9 joining K (then Black's escape
# F8), and its answer to the block is prepared: D9.  s + s/2 + s/3 at E9.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C8 C9 B9 E9 B8 E8 E9 F9 D9 F8 [E9=s+s/2+s/3:5 E9/F9/D9]

[attached-pair-push-answer-loose-move-black]
# Black's second-line stone E8 (its wall E6-F6 and E5-J5 down the E line,
# Black A2 far off) jumps to the top edge; White's D8 (K) stands beside it,
# joined to White's wall on the D line by the jump over D7, with White A6-B6
# and G8; Black B8 and C6 stand on White's side.  Black's line: Black D9,
# White C9 under it; D8 (C8, D7) and C9 (B9, C8) both have two liberties,
# and Black's C8, joined to B8, with White's capture of D9 at E9 leaves D8
# caught in a ladder: a threat for Black, prepared for Black as D9, C9, C8.
# Black's line goes on D9, White C8, Black C9, White B9 beyond NN: B9 has
# the one liberty A9, so it is taken back: the line D9, C8 (two points),
# h0 = D9, C8, C9, worth 13 (premise).  White's line: White E9 (Black's D9
# would not kill K's group; no ladder:
# Black's F9 is answered at D9, joining K with three liberties, and White's
# run along the first line meets G8); Black blocks at F9 (G9, F8), White
# answers at D9 (C9, C8, D7: no ladder), but Black's loose move C7, with
# Black C6 beyond, catches White's C8 in a ladder (B8 is Black's): White's
# answer is caught, so White's line is that point alone, C7, worth 0.  C7
# has two White stones around it and F7 three Black ones; B9 ataris
# nothing.  Black's threat is the one forcing line: 13 + 13/2 = 19 at D9.
black to play
  . . . . . . . . .
  . X . O X . O . .
  . . . . . . . . .
  O O X O X X . . .
  . . . O X X X X X
  . . . O X . . . .
  . . . O X . . . .
  X . . O X . . . .
  . . . O X . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C8 C9 [D9=19:5 D9/C9/C8]

[attached-pair-push-answer-loose-move-white]
# As attached-pair-push-answer-loose-move-black with White to move:
# White's point is the loose move's point C7 (its line has no ladder move
# stored against D9), nothing prepared; Black's threat is the other side's
# forcing line: the same 13 + 13/2 = 19.
white to play
  . . . . . . . . .
  . X . O X . O . .
  . . . . . . . . .
  O O X O X X . . .
  . . . O X X X X X
  . . . O X . . . .
  . . . O X . . . .
  X . . O X . . . .
  . . . O X . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C8 C9 [C7=19:5]

[attached-pair-stop-open-beside-stone-black]
# Black's second-line stone E8 (linked to Black's wall G7-J7, G6-G4, H4-J4)
# jumps to the top edge; White's D8 (K) with C8 (K2) beside it joins White's
# wall on the C line; White's E6 stands two lines above the stone.  Neither
# group is weak.  E7 above the stone is empty with White's E6 above it, and
# T = F8 beside the stone is empty with three empty neighbours (F7, G8,
# F9): White's attack from above is the matter here, not the pair, so the
# reading proposes nothing.  (NN = C9 has only two empty neighbours: the
# count is T's.)
black to play
  . . . . . . . . .
  . . O O X . . . .
  . . O . . . X X X
  . . O . O . X . .
  . . O . . . X . .
  . . O . . . X X X
  . . O . . . . . .
  . . O . . . . . .
  . . O . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[attached-pair-stop-open-beside-stone-crowded-black]
# The position of attached-pair-stop-open-beside-stone-black with Black's
# G8 beside T: T = F8 has two empty neighbours only, so the reading goes on
# and proposes a point.
black to play
  . . . . . . . . .
  . . O O X . X . .
  . . O . . . X X X
  . . O . O . X . .
  . . O . . . X . .
  . . O . . . X X X
  . . O . . . . . .
  . . O . . . . . .
  . . O . . . . . .
call IkkenEdgeTukeYomi E8 E9 [!none]

[attached-pair-stop-open-beyond-k-black]
# Black's second-line stone E8 (linked to Black's wall F7-J7, F6-F4, G4-J4)
# jumps to the top edge; White's D8 (K) stands beside it, linked to White's
# wall on the B line; Black's D6 stands two lines above K.  Neither group is
# weak.  D7 above K is empty with Black's D6 above it, and K2 = C8 beyond K
# is empty with three empty neighbours (B8, C7, C9): Black's attack on K
# from above is the matter here, so the reading proposes nothing.  (D7 has
# only two empty neighbours: the count is K2's.)
black to play
  . . . . . . . . .
  . . . O X . . . .
  . O . . . X X X X
  . O . X . X . . .
  . O . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[attached-pair-stop-open-beyond-k-crowded-black]
# The position of attached-pair-stop-open-beyond-k-black with Black's B8
# beside K2: K2 = C8 has two empty neighbours only, so the reading goes on
# and proposes a point.
black to play
  . . . . . . . . .
  . X . O X . . . .
  . O . . . X X X X
  . O . X . X . . .
  . O . . . X . . .
  . O . . . X X X X
  . O . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [!none]

[attached-pair-atari-from-beyond-s-white]
# Black's second-line stone E8 (jumping to E6 over E7, E6 joined to the wall
# E5-H5 with H6, H7 and D4, D3 below) jumps to the top edge; White's D8 (K)
# stands beside it on the smaller side, White's wall C7-C4, B3 on the left.
# Black's G8 on the second line has two liberties, F8 and G9, between
# White's G7 and H8.  Black's line is the plain D9, C9, E9 (no ladder on
# E8 or D9; White's C9 is not caught; Black's C8 block keeps one liberty; no
# loose move: F6 is empty): h0.  White's line: White E9 (no ladder: Black's
# F9 atari is answered at D9, joining K, and Black's D9 atari chases White
# along the first line only until G8, which White's G9 then ataris); Black
# blocks at F9 (G9, F8), White D9 joins K (three liberties, no ladder, no
# loose move: C6 is White's).  Black's F9 is not caught, and White's block
# at T = F8 keeps one liberty: the line E9, F9, D9, worth 2 for White.  It
# is above 0, so White tries its atari from beyond S: White's G9 ataris G8
# (G9 keeps F9 and H9), G8 has no neighbour of White's in atari to capture,
# so Black connects at F8 and White pushes at E9: h1 = White G9, Black F8,
# White E9, worth more than 2 (premise), so White's line becomes G9, F8,
# E9.  No forcing line: s, at G9 for White with the prepared answer to
# Black's connection F8: the push E9.
white to play
  . . . . . . . . .
  . . . O X . X O .
  . . O . . . O X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 E8 G9 F8 E9 [G9=s:5 G9/F8/E9]

[attached-pair-atari-from-beyond-s-black]
# As attached-pair-atari-from-beyond-s-white with Black to move: Black's
# point is D9, the first of its plain line D9, C9, E9, whose answer to
# White's C9 is prepared (E9); the same s.
black to play
  . . . . . . . . .
  . . . O X . X O .
  . . O . . . O X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 E8 G9 F8 E9 [D9=s:5 D9/C9/E9]

[attached-pair-atari-from-beyond-nn-black]
# The position of attached-pair-loose-move-blocked-black with White's A9
# in the corner (A8, B9).  Black's line is first the plain D9, C9, E9 as
# there (White's C9 is still not caught: Black's C8 atari is answered at B9,
# joining A9), worth more than 0.  Then Black's atari from beyond NN: B9
# ataris A9 (B9 keeps C9 and B8; A9 is left with A8), and no chain of
# Black's beside A9 is in atari, so White escapes at A8 and Black plays
# under K at D9: h0 = Black B9, White A8, Black D9, worth more than the
# plain line (premise), so Black's line becomes B9, A8, D9.  White's line as
# there: E9, F9, D9, F8 (h1), a forcing line for White: s + s/2 at B9, with
# the answer to White's escape A8 prepared: D9.
black to play
  O . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 B9 A8 D9 E8 E9 F9 D9 F8 [B9=s+s/2:5 B9/A8/D9]

[attached-pair-atari-from-beyond-nn-white]
# As attached-pair-atari-from-beyond-nn-black with White to move: Black's
# part is its better line B9, A8, D9 (h0), White's the forcing line E9, F9,
# D9, F8 (h1) with its answer D9 to the block prepared: s + s/2 at E9.
white to play
  O . . . . . . . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 B9 A8 D9 E8 E9 F9 D9 F8 [E9=s+s/2:5 E9/F9/D9]

[attached-pair-block-in-atari-push-white]
# The position of attached-pair-loose-move-blocked-black with White's G9
# beside F9 (joined to G8) and Black's A9 in the corner.  Black's line is the
# plain D9, C9, E9 as there (White's C9 escapes: Black's C8 atari is taken
# at B8, Black's B9 atari is answered at C8): h0.  White's line: White E9
# (no ladder: Black's F9 atari would be a self-atari, and Black's D9 atari
# lets White's F9 join G9); Black's stone keeps E7 and F8; Black's block at
# S = F9 would keep only F8, so White's line is the push alone: h1 = White
# E9, White's point the push E9 (not the block's point).  The sum is above
# 25 (premise), no forcing line and no bonus: held at 25.
white to play
  X . . . . . O . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 E8 E9 [E9=25:5]

[attached-pair-block-in-atari-push-black]
# As attached-pair-block-in-atari-push-white with Black to move: Black's
# point D9 with its plain line's answer to C9 prepared (E9); held at 25.
black to play
  X . . . . . O . .
  . . . O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C9 E9 E8 E9 [D9=25:5 D9/C9/E9]

[attached-pair-ko-answer-white]
# The position of attached-pair-loose-move-blocked-black with White's
# C9 and C8 added under and beyond K.  Black's D9 under K would be a
# self-atari (C9, D8 White's), so Black's line is the connection E9 alone
# (K's group does not have eye value 3).  White's line: White E9 (no
# ladder: Black's F9 atari is answered at D9, joining K, and Black's D9 is
# suicide); Black blocks at S = F9 (G9, F8).  Now Black's D9 would take E9
# back as a ko, so White reads its answer to the ko first: G8 beyond T is
# White's, so White plays T = F8 and then G9 beyond S, taking F9; a third of
# White's evaluation there, 10 (premise), is White's value at the gap E9,
# and for White the answer F8 to the block is prepared (E9, F9, F8).  The
# reading goes on: White D9 joins K, Black's F9 is caught (White F8, then
# Black's G9 has H9 alone), so White's line is E9, F9, F8 (the ko's T in
# third place), again prepared E9/F9/F8, with a total of less than 10
# (premise): the gap keeps the value 10.
white to play
  . . O . . . . . .
  . . O O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 [E9=10:5 E9/F9/F8 E9/F9/F8]

[attached-pair-ko-answer-black]
# As attached-pair-ko-answer-white with Black to move: the ko answer's
# value 10 at the gap is proposed whichever side the engine plays (no
# prepared answer for Black), and Black's own point is the gap too, with a
# smaller total: E9 worth 10.
black to play
  . . O . . . . . .
  . . O O X . O . .
  . . O . . . . X .
  . . O . X . . X .
  . . O . X X X X .
  . . O X . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 [E9=10:5]

[corner-reading-worth-six-doubled-white]
# The position of links-edge3-cover.tst edge3-corner-reading-ladder-moves-
# bottom-white with White stones added on A9 and E6, far from the corner:
# White's B2 (A) beside Black's C2 (B), Black's chain C2-D2 with three
# liberties, F = E2 empty, White's E3 (G) with two liberties caught by the
# ladder that starts D3 (L1), E2 (L2).  The reading: White B1, Black D3,
# White C1, Black E2: White's evaluation there is exactly 6 (premise, h1).
# For the engine's own colour a value of exactly 6 counts double: 12 at
# C = B1 for White.
white to play
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . O X . . .
  . O X X . . . . .
  . . . O . . . . .
call IkkenEdgeSumiYomi:edge3 C2 C1 B2 C2 B1 C1 E3 C2 C2 B1 D3 C1 E2 [B1=12:5]

[corner-reading-worth-six-black]
# The position of corner-reading-worth-six-doubled-white with Black to
# move: the same reading, worth 6 to White (h1), is not doubled for the
# other side: Black takes D = C1 with h1.
black to play
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . O X . . .
  . O X X . . . . .
  . . . O . . . . .
call IkkenEdgeSumiYomi:edge3 C2 C1 B2 C2 B1 C1 E3 C2 C2 B1 D3 C1 E2 [C1=h1:5]

[hane-cut-capturing-cut-white]
# The hane-cut strip of links-edge-cover.tst edge-cover-hane-cut-prepared-
# top-white, C8 (K2), D8, E8, F8: Black's E8-E7, White's D8-D7 (K with the
# stone above it, three liberties C8, C7, D9) and White's C6 on the C line
# (C5, C4 and B3-C3 below), Black's D6-D5 under D7.  Here White's B7 sits
# between Black's A7, B8 and B6 with the one liberty C7, so Black's cut at
# C7 also captures B7.  The cut is no ladder after Black's hane C8 and
# White's D9.  For White (K's colour) the answer to the hane-cut is the
# point where Black's cut captures: C7 itself, not the first-line point D9.
white to play
  . . . . . . . . .
  . X . O X . . . .
  X O . O X . . . .
  . X O X . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep E8 E9 C8 F8 [C7]

[hane-cut-capturing-cut-black]
# As hane-cut-capturing-cut-white with Black to move: Black's point is
# the hane C8, with both answers prepared (White's C7 met at D9, White's D9
# at C7).
black to play
  . . . . . . . . .
  . X . O X . . . .
  X O . O X . . . .
  . X O X . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:prep E8 E9 C8 F8 [C8 C8/C7/D9 C8/D9/C7]

[attached-pair-push-leaves-k-laddered-black]
# Black's second-line stone E8 heads Black's wall down the E line (with
# F5-H5, H6 and H7); White's D8 (K) stands beside it, linked over D7 to
# White's wall A6-D6, D5-D1; Black's C8 sits beyond K, so K has only D7 and
# D9.  Black's line is read first (Black D9 under K: no ladder on the wall
# or on D9).  White's line: White's push at the gap E9 (D9, F9; not a
# self-atari) leaves K with D7 and D9, and Black's D7 catches it: White's
# D9 joins the push (C9, F9), Black's F9 leaves C9 alone and Black's C8
# stands beside it.  K falls to a ladder after the push: the reading
# proposes nothing.
black to play
  . . . . . . . . .
  . . X O X . . . .
  . . . . . . . X .
  O O O O X . . X .
  . . . O X X X X .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[attached-pair-push-leaves-k-laddered-white]
# As attached-pair-push-leaves-k-laddered-black with White to move: the
# same ladder on K after the push, nothing proposed.
white to play
  . . . . . . . . .
  . . X O X . . . .
  . . . . . . . X .
  O O O O X . . X .
  . . . O X X X X .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

# Known answers for the reading of the attached pair (a one-space jump to
# the edge whose second-line stone has an opponent stone beside it), second
# set: rows whose answer turns on one bound or one cell of the reading.
# Lines and forms as in links-edge.tst (LinkRoutines.cpp).

[pin2-attached-pair-plain-k-three-liberties-top-black]
# Black's second-line stone E8 (with E7 D7 C7, and G7 E5) jumps to the top
# edge; White's D8 (K) with C8 (K2, White's at the start) stands beside it,
# its chain's liberties D9, C9 and B8: exactly three.  White A8 and B7-B6-B5
# stand beyond B8.  Black's line: Black D9 (two liberties, no ladder: White's
# E9 atari is captured at F9), K keeps two liberties, White answers under at
# C9; K2 is White's, so no ladder threat; Black connects at E9 (no ladder on
# the big chain).  White's C9-C8-D8 has B9 and B8: Black's B8 would be a
# self-atari (A8, B7 White's), and Black's B9 lets White join B8 to the
# wall, so no capture; Black's block at K2 is no move (occupied): the plain
# line, h0 = D9, C9, E9.  In the plain line with K's chain at three
# liberties, K2 White's, and C9 empty at the start with two empty neighbours
# (B9, D9), Black's point is the connection E9 itself.  E7 above the stone
# is Black's; F7 has three Black stones around it; B9 ataris nothing.
# White's line: White E9 (two liberties; no ladder: White's D9 joins K,
# whose chain then reaches B8 and the wall); Black blocks at F9, White D9;
# Black's F9 is caught on the first line (White F8, then H8 stops the run),
# so Black escapes at F8: h1 = E9, F9, D9, F8, a forcing line for White
# (C7 above K2 is Black's).  One forcing line, the other side's: s + s/2.
black to play
  . . . . . . . . .
  O . O O X . . O .
  . O X X X . X . .
  . O . . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5]

[pin2-attached-pair-plain-k-four-liberties-top-black]
# As pin2-attached-pair-plain-k-three-liberties-top-black with C7 empty:
# K's chain D8-C8 now has four liberties (D9, C9, B8, C7), one past the
# three that send Black to the connection, so Black's line stays D9, C9, E9
# and Black plays D9 under K.  The lines read the same: White's C9-C8-D8
# keeps B9, B8 and C7 (no capture, plain line h0 = D9, C9, E9); C7 above K2
# now empty has four White stones around it (B7, B6, C8, D8), so White's
# line stays; White's E9-D9-D8-C8 keeps C9, B8 and C7; Black's F9 is caught
# as before: h1 = E9, F9, D9, F8, White's forcing line: s + s/2.
black to play
  . . . . . . . . .
  O . O O X . . O .
  . O . X X . X . .
  . O . . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [D9=s+s/2:5]

[pin2-peep-first-at-s-connection-suicide-top-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# peeps from D9 (with D8) and holds F8 and E7, so E8's only liberty is the
# gap.  White's play first at S = F9 (joined to F8, three liberties, no
# ladder) leaves Black's connection at E9 with no liberty and nothing to
# capture (D9-D8 and F9-F8 keep theirs): the connection is suicide, so the
# play at S is not read: -1.
black to play
  . . . O . . . . .
  . . . O X O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 [=-1]

[pin2-peep-first-at-s-connection-in-atari-e7-open-top-black]
# As pin2-peep-first-at-s-connection-suicide-top-black with White's E7
# moved down to E6: E8 keeps E7.  After White's F9 Black's connection at E9
# is legal, but E8-E9 has the one liberty E7 and White takes it: the
# connection is caught, so White's play at S is worth White's evaluation
# with F9 on the board (h1 = White's F9).
black to play
  . . . O . . . . .
  . . . O X O . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 E8 E8 F9 [=h1]

[pin2-attached-pair-corner-push-stone-laddered-top-black]
# Black's second-line stone H8 (Black G6, G5, H5 below) jumps to the top
# edge next to the corner over the gap H9; White's G8 (K) with F8, F9 and E7
# stands beside it.  Black's line: Black's G9 under K would touch only White
# stones and H9 (a self-atari), so Black connects at the gap: h0 = Black H9.
# White's line: White H9 has G9 and J9 (no self-atari); K's chain keeps four
# liberties (no ladder); Black's G9 would be suicide (no kill); Black's J9
# lets White join G9 to K (no ladder on H9).  S = J9 is the corner point, so
# the push ends there, with Black's H8 at two liberties (J8, H7), and a
# ladder catches it: White H7, Black J8, White J7, and the corner takes the
# rest.  Black then plays the ladder's first move H7 itself: h1 = White H9,
# Black H7.  No forcing line, the sum is below the cap: s.  The candidate is
# H9 for Black (the connection) and for White (the push).
black to play
  . . . . . O . . .
  . . . . . O O X .
  . . . . O . . . .
  . . . . . . X . .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H8 H9 H8 H9 H8 H9 H7 [H9=s:5]

[pin2-attached-pair-corner-push-stone-laddered-top-white]
# As pin2-attached-pair-corner-push-stone-laddered-top-black, for White: h0
# = Black H9, h1 = White H9, Black H7 (the ladder's first move): s at H9.
white to play
  . . . . . O . . .
  . . . . . O O X .
  . . . . O . . . .
  . . . . . . X . .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H8 H9 H8 H9 H8 H9 H7 [H9=s:5]

[pin2-attached-pair-corner-push-no-ladder-top-black]
# As pin2-attached-pair-corner-push-stone-laddered-top-black with Black's G7
# and H6 added: White's H7 would now be a self-atari (one liberty, J7), and
# White's J8 lets Black extend to H7, so no ladder catches H8 at its two
# liberties after the push: h1 = White H9 alone.  Black's line stays the
# connection (G9 still a self-atari): h0 = Black H9.  s at H9.
black to play
  . . . . . O . . .
  . . . . . O O X .
  . . . . O . X . .
  . . . . . . X X .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H8 H9 H8 H9 H8 H9 [H9=s:5]

[pin2-attached-pair-corner-push-stone-in-atari-top-black]
# Black's second-line stone H8 (Black J7-J6, G6, G5, H5 around) jumps to the
# top edge next to the corner over the gap H9; White's G8 (K) with F8, F9
# and E7 stands beside it, and White's H7 sits under the stone, so H8 has
# two liberties, H9 and J8 (no neighbour of it in atari).  Black's line:
# Black's G9 under K would be a self-atari (only H9 free), so Black connects
# at the gap (White's group at K has not the eye value 3): h0 = Black H9.
# White's line: White H9 (G9, J9 free); K's chain keeps its four liberties,
# Black's G9 would be suicide, Black's J9 lets White join G9 to K: no ladder.
# Black's H8 is left with the one liberty J8 (and S = J9 is the corner):
# with the stone in atari the value is White's at once, h1 = White H9 (not
# Black's block at T = J8, the corner answer of a stone with more
# liberties).  No forcing line: s at H9.
black to play
  . . . . . O . . .
  . . . . . O O X .
  . . . . O . . O X
  . . . . . . X . X
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H8 H9 H8 H9 H8 H9 [H9=s:5]

[pin2-attached-pair-corner-push-stone-in-atari-top-white]
# As pin2-attached-pair-corner-push-stone-in-atari-top-black, for White:
# h0 = Black H9, h1 = White H9 (Black's stone left in atari): s at the push
# H9.
white to play
  . . . . . O . . .
  . . . . . O O X .
  . . . . O . . O X
  . . . . . . X . X
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H8 H9 H8 H9 H8 H9 [H9=s:5]

[pin2-attached-pair-corner-push-block-at-t-top-black]
# As pin2-attached-pair-corner-push-stone-laddered-top-black with Black's H7
# added under the stone: after White's push at H9 the chain H8-H7 keeps four
# liberties (J8, J7, G7, H6), no atari and no ladder, and S = J9 is the
# corner point: Black answers the push by blocking at T = J8, h1 = White H9,
# Black J8.  Black's line is still the connection (G9 a self-atari): h0 =
# Black H9.  No forcing line: s at H9.
black to play
  . . . . . O . . .
  . . . . . O O X .
  . . . . O . . X .
  . . . . . . X . .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H8 H9 H8 H9 H8 H9 J8 [H9=s:5]

[pin2-attached-pair-corner-push-block-at-t-top-white]
# As pin2-attached-pair-corner-push-block-at-t-top-black, for White: h0 =
# Black H9, h1 = White H9, Black J8 (the block at T): s at the push H9.
white to play
  . . . . . O . . .
  . . . . . O O X .
  . . . . O . . X .
  . . . . . . X . .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H8 H9 H8 H9 H8 H9 J8 [H9=s:5]

# Jump links, twenty-fifth set: the reading of the attached pair at a jump
# to the edge, with a total that lands exactly on the cap, and with the
# point above K2 open for the opponent.  Lines and forms as in
# links-edge.tst (LinkRoutines.cpp); "premise" marks a reading the row
# takes as given, printed by a row of its own.  "IkkenEdgeTukeYomi:point"
# is described in tests/engine/links/LinksPin13Routines.cpp.

[p25-attached-pair-total-on-cap-white]
# Black's second-line stone E8 (F6, G4 further off) jumps to the top edge
# over E9; White's D8 (K, D6 below it) stands beside it: N = D9, NN = C9,
# K2 = C8, S = F9, T = F8.  Neither group is weak, nothing stops the
# reading, and E8 has three liberties.
# Black's line: Black D9 under K (two liberties, no ladder: White's atari at
# E9 would stand in atari itself).  K keeps C8 and D7; White's answer at C9
# would let Black's C8 set up a ladder (premise, the next row), so White
# answers at K2 = C8 instead, Black takes C9 and White plays B9 beyond it
# (two liberties, A9 and B8); Black connects at E9 and the ladder catches
# B9, starting at B8 (premise): White takes B8, h0 = Hyoka(Black) after
# D9, C8, C9, B9, E9, B8.  A forcing line of Black's, White to move: the
# other side's line.
# White's line: the push at E9 (K keeps C8, D9 and D7, Black's D9 would
# not kill it; E9 keeps D9 and F9, no ladder); E8 keeps F8 and E7, so
# Black blocks at F9 (G9, F8: two liberties),
# White D9 (D8-D9-E9 keeps C9, C8, D7: no ladder); the ladder catches
# Black's F9 starting at F8 (premise), so Black defends there: h1 =
# Hyoka(White) after E9, F9, D9, F8, White's own forcing line, and its
# bonus White's evaluation after taking F8 itself (above 20).  C7 above K2
# has two White stones around it (D8, D6), and G9 beyond S ataris nothing:
# the lines stay.  s = h0 + h1 reads 14 (8 and 6), and both forcing lines
# count: s + s/2 + s/3 = 14 + 7 + 4 = 25, exactly the cap, not over it, so
# the total stays 25 (a total over the cap with such a bonus would drop to
# 18).  White's line E9, F9, D9 is the prepared answer.
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:prepared E8 E9 E8 D9 C8 C9 B9 E9 B8 E8 E9 F9 D9 F8 [E9=s+s/2+s/3:5 E9/F9/D9]

[p25-attached-pair-total-on-cap-premise-answer-nn]
# Premise of p25-attached-pair-total-on-cap-white: after Black's D9 and
# White's C9, Black's C8 sets up a ladder on K.
white to play
  . . O X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeSichoNerai:pin D8 C9 D9 C8 [yes]

[p25-attached-pair-total-on-cap-premise-beyond]
# Premise of p25-attached-pair-total-on-cap-white: after D9, C8, C9, B9,
# E9 the ladder catches White's B9, Black's first atari at B8.
white to play
  . O X X X . . . .
  . . O O X . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B9 [1 B8]

[p25-attached-pair-total-on-cap-premise-block]
# Premise of p25-attached-pair-total-on-cap-white: after E9, F9, D9 the
# ladder catches Black's block F9, White's first atari at F8.
white to play
  . . . O O X . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder F9 [1 F8]

[p25-attached-pair-above-k2-open-white]
# The position of links-edge-pin22.tst attached-pair-push-killed-k-white
# with White's A6 moved to B5.  Black's D8-E8 jumps to the top edge over
# D9; White's C8 is K, N = C9, NN = B9, K2 = B8.  The reading goes through
# to White's line.  The point above K2, B7, is empty, on the third line,
# and of its eight neighbours only C8 is White (A6 is gone; B5 and D7 are
# not beside it): White plays there in place of its line's first point.
# F9 beyond S = E9 ataris nothing, so nothing replaces B7: White's point is
# B7, not the gap D9.
white to play
  . . . . . . . . .
  . . O X X . X . .
  . . . O . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:point D8 D9 [B7]

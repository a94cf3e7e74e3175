# Shape links, a fourth set of rows for bounds no other row decides, in the
# style of shapes-probe.tst: each pins one test of a routine with a
# position whose answer is worked out by hand.  "call NAME:read A B ..." as
# in shapes-wide.tst.

# --- Knight's move, second pass: only a two-liberty chain is laddered ------
# Black's knight's move D5-E7 on 9x9 with White's C6 outside the cutting
# point D6 (P1; P2 = E6, S = D5, Q = E5).  After White's D6 and Black's E6,
# D5 has two liberties, C5 and E5.  White's E5 would stand between Black's
# D5, E6 and F5 with E4 alone: one liberty, not read.  White's C5 (with C6
# and D6, four liberties) is answered by Black's extension at E5, which
# joins D5 to E6-E7 and F5 (many liberties).  Of Black's chains beside C5,
# C4 (White's B4 and D4 beside it) is left with C3 alone: one liberty, not
# two, so it is no ladder to read, and no chain there has two liberties.
# No ladder counts: the value is White's cut (D6, Black E6) plus Black's
# D6.  Black to play: the sum is not below 0, kept as it is; White to play:
# White's D6 and E6 together (D5 cut off with two liberties, C4 short of
# liberties) are worth more than twice the sum, which is doubled.

[knight-second-pass-outside-atari-chain-not-laddered-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . X . . .
  . O X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r:21]

[knight-second-pass-outside-atari-chain-not-laddered-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . X . . .
  . O X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 D6 E6 D5 D6 [D6=r*2:21]

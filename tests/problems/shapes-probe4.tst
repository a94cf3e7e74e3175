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

# --- Large knight's move capped on both outer lines: the ladder on A -------
# Black's C5 and F6 (A's line row 5, B's line row 6); White's D4 caps A's
# line at the first step and White's F4 stands below B, as in the ladder
# reading of shapes-wide.tst but without White's C4, so that A keeps two
# liberties.  White's E6 (R5) and Black's E5 (R4) leave F6 three liberties:
# no ladder.  White's D5 (R2) too, and Black's F7 and E8 make White's E6 a
# ladder, so the reading of the net runs: Black's D6 (R3), White's C6 (R1,
# two liberties, B6 and C7), Black's E7 (D5 of the box) capturing E6.  A,
# C5, is then left with two liberties, B5 and C4 (D5 and C6 White's): not
# one, so White does not simply take a liberty; the ladder on it is read.
# No Black stone stands at K1 (beyond R6 from R4), so there is no second
# look.

[largeknight-cap-net-two-liberties-ladder-fails]
# Black's B3 breaks the ladder on C5 (White's C4 is answered by B5 running
# to three liberties; White's B5 by C4 and C3 reaching B3's side): the
# reading finds nothing and, the net having been read, nothing else is
# proposed.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[largeknight-cap-net-two-liberties-ladder-fails-white]
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[largeknight-cap-net-two-liberties-ladder-works]
# Without B3 the ladder on C5 works (it runs to the lower left): White
# plays its first two moves, B5 and C4, Black passing between, and C5 is
# taken.  White's evaluation there is the value, at Black's E5 (R4) for
# Black and at White's E6 (R5) for White.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:pass C5 F6 E6 E5 D5 D6 C6 E7 B5 C5 C4 [E5=r:5]

[largeknight-cap-net-two-liberties-ladder-works-white]
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:pass C5 F6 E6 E5 D5 D6 C6 E7 B5 C5 C4 [E6=r:5]

# --- Knight's move, second pass: a touching stone that can be squeezed -----
# Black's knight's move D5-E7 on 9x9 with White's E5 touching D5 (O; P1 =
# E6, P2 = D6, S = D5) and Black's E4 under it: E5 has two liberties, E6
# and F5.  No ladder takes it: Black's E6 leaves F5 with three liberties;
# Black's F5 is answered at E6 (two liberties, D6 and F6), and then Black's
# D6 lets F6 reach White's G7, Black's F6 lets D6 run to C6 or D7 and on to
# White's B7.  But after Black's net at F6 White's escape at E6 is caught
# (Black's D6, White's F5, then the ladder from F4 runs to the lower right)
# while the escape at F5 (three liberties) is not: E5 can be squeezed, not
# laddered, and the contact pattern reads on.  Neither D5 nor E5 is dead
# and E6 is no self-atari for either side.  White's E6 with Black's D6
# leaves E5-E6 two liberties (F5, F6): White's value after both, and White
# playing D6 as well for the bonus.  Black's E6 (no ladder on E6-E7) puts
# E5 in atari (F5 alone).  White's E6 and D6 together, cutting D5 off with
# E5 beside it, are worth more than twice the sum, so the sum is doubled.
# White to play: 2r (the bonus less that).  Black to play: 2r, plus 2 for
# White's E5 in atari; that is not 4 (the sum is more than 1), so no more.

[knight-second-pass-contact-squeezable-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . O . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:twice D5 E7 E6 D6 D5 E6 [E6=2r+2:21]

[knight-second-pass-contact-squeezable-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . O . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 E6 D6 D5 E6 [E6=r*2:21]

# --- (2,3) links, the wedge: an end stone that can be squeezed -------------
# Black's E5 and B3 on 9x9 (three along row 5 to the left, two down): the
# box runs E5 E4 E3 / D5 D4 D3 / C5 C4 C3 / B5 B4 B3, its middle points D4
# and C4.  White's wedge on D4 with White's D5 and E4 beside E5 (P = D4,
# D = D5, G = E4, T = B5, K = C5).  D6 (beyond D5 from D4) is not Black's,
# E6 (beyond E5 from E4) not White's, and the eight points around B5 are
# empty.  E5 has two liberties, E6 and F5, and White's E7 stands beyond
# E6.  No ladder takes it: White's E6 leaves F5 with three liberties;
# White's F5 is answered at E6 (two liberties, D6 and F6), and then White's
# D6 lets F6 reach Black's G7, White's F6 lets D6 run on to Black's B7.
# After White's net at F6 Black's escape at E6 is caught (White's D6, Black's
# F5, then the ladder from F4 runs to the lower right) but the escape at F5
# (three liberties) is not: E5 can be squeezed, which is no ladder, and the
# wedge is answered.  Value Black's B5 plus White's C5, scaled by d/100 for
# White's weak group at C5 (the wedge's stones without a base or eyes
# between Black's): "r*d" as in shapes-second.tst.

[twothree-wedge-end-squeezable-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . O . X . .
  . . . . . . . . .
  . . . O X . . . .
  . . . O O . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge E5 B3 C5 E5 B5 [B5=r*d:5]

[twothree-wedge-end-squeezable-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . O . X . .
  . . . . . . . . .
  . . . O X . . . .
  . . . O O . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge E5 B3 C5 E5 B5 [C5=r*d:5]

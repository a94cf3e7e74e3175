# Jump links: the peep with the opponent's stone beyond the far point.
# "call NAME:s1 A B ..." as in links-ikken-cover.tst: the points after a
# repeated A are the lines of the row's working (even lines from the owner,
# odd lines from the opponent, colours alternating; an empty line only keeps
# its place), each candidate answered as an expression of the lines'
# evaluations h0, h1, ... and its kind.
#
# Common frame: Black's one-space jump D6-D4 (A = D6, B = D4, gap D5);
# White peeps from C5 (S), so P = E5, Q = E6, R = E4 and White holds
# U = F5 beyond P; V = F6 and W = F4 are empty.

[s1-soto-aite-both-corners-a-captured-black]
# Q and R empty: the cut D5 and P = E5 stand, then two readings.  One:
# White E6, Black E4; with White C6 A = D6 keeps D7 alone, so White also
# takes D7: e1 = h1 after D5 E5 E6 E4 D7.  Two: White E4, Black E6; D4
# joins Black C4 (D3, C3, B4 free, no ladder), nothing taken: e2 = h3
# after D5 E5 E4 E6.  White's capture makes the first reading the larger
# one: D5 = max = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . O . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite:s1 D6 D4 D6 D6 D5 E5 E6 E4 D7 D6 D6 D5 E5 E4 E6 [D5=h1:5]

[s1-soto-aite-both-corners-a-captured-white]
# s1-soto-aite-both-corners-a-captured-black with White to play: the
# point is the gap for either side, with the same readings: D5 = h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . O . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite:s1 D6 D4 D6 D6 D5 E5 E6 E4 D7 D6 D6 D5 E5 E4 E6 [D5=h1:5]

[s1-soto-aite-both-corners-other-side-black]
# s1-soto-aite-both-corners-a-captured-black turned over the board's middle
# column: Black's jump F6-F4 (gap F5), White peeps from G5 (S) and holds
# G6 and D5 (U), Black G4; so P = E5, Q = E6, R = E4 and V = D6, W = D4
# empty.  One: White E6, Black E4; F6 keeps F7 alone and White takes it:
# e1 = h1 after F5 E5 E6 E4 F7.  Two: White E4, Black E6; F4-G4 keeps F3,
# G3 and H4, nothing taken: e2 = h3 after F5 E5 E4 E6.  The capture makes
# the first reading the larger: F5 = max = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . O . . O . .
  . . . . . X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite:s1 F6 F4 F6 F6 F5 E5 E6 E4 F7 F6 F6 F5 E5 E4 E6 [F5=h1:5]

[s1-soto-aite-both-corners-other-side-white]
# s1-soto-aite-both-corners-other-side-black with White to play: F5 = h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . O . . O . .
  . . . . . X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite:s1 F6 F4 F6 F6 F5 E5 E6 E4 F7 F6 F6 F5 E5 E4 E6 [F5=h1:5]

[s1-soto-aite-both-corners-b-captured-black]
# s1-soto-aite-both-corners-a-captured-black turned over the board's middle
# row, with the jump still read from D6: Black D6, D4 and C6, White C5 (S),
# C4 and F5 (U); P = E5, Q = E6, R = E4.  One: White E6, Black E4; D6-C6
# keeps D7, C7 and B6, nothing taken: e1 = h1 after D5 E5 E6 E4.  Two:
# White E4, Black E6; B = D4 keeps D3 alone and White takes it: e2 = h3
# after D5 E5 E4 E6 D3.  The capture makes the second reading the larger:
# D5 = max = h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . O . . O . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite:s1 D6 D4 D6 D6 D5 E5 E6 E4 D6 D6 D5 E5 E4 E6 D3 [D5=h3:5]

[s1-soto-aite-both-corners-b-captured-white]
# s1-soto-aite-both-corners-b-captured-black with White to play: D5 = h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . O . . O . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite:s1 D6 D4 D6 D6 D5 E5 E6 E4 D6 D6 D5 E5 E4 E6 D3 [D5=h3:5]

[s1-soto-aite2-ladder-black]
# The owner beyond a far corner: Black F6 = V, so White takes M = R = E4
# (two liberties, E3 and F4), Black N = Q = E6, and E = B = D4 keeps C4
# and D3 with White C5, D5 and E4 around it: the ladder toward the lower
# left catches it.  e1: White plays both ladder moves (Black passing),
# which fill D4's two liberties and take it: h1 after D5 E5 E4 E6 and
# White C4, D3.  e2: White takes N = E6 herself instead (Black passing),
# which captures E5 and leaves D6, D4 and F6 apart: h3 after D5 E5 E4 E6.
# The gap gets the smaller, White's capture of D4 with Black's top whole:
# D5 = min = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . O . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite2:s1 D6 D4 D6 D6 D5 E5 E4 E6 C4 C4 D3 D6 D6 D5 E5 E4 E4 E6 [D5=h1:5]

[s1-soto-aite2-ladder-white]
# s1-soto-aite2-ladder-black with White to play: the gap for either side,
# D5 = min = h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . O . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite2:s1 D6 D4 D6 D6 D5 E5 E4 E6 C4 C4 D3 D6 D6 D5 E5 E4 E4 E6 [D5=h1:5]

[s1-soto-aite2-ladder-w-own-black]
# s1-soto-aite2-ladder-black turned over the middle row: Black F4 = W (not
# V), so White takes M = Q = E6, Black N = R = E4, and E = A = D6 keeps C6
# and D7, caught by the ladder toward the upper left.  e1: h1 after D5 E5
# E6 E4 and White C6, D7 (D6 taken); e2: White takes E4 herself, h3 after
# D5 E5 E6 E4 (E5 taken).  D5 = min = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . O . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite2:s1 D6 D4 D6 D6 D5 E5 E6 E4 C6 C6 D7 D6 D6 D5 E5 E6 E6 E4 [D5=h1:5]

[s1-soto-aite2-ladder-other-side-black]
# s1-soto-aite2-ladder-black turned over the board's middle column: Black's
# jump F6-F4, White peeps from G5 (S) and holds D5 (U); Black D6 = V, so
# White takes M = R = E4, Black N = Q = E6, and E = B = F4 keeps G4 and F3,
# caught by the ladder toward the lower right.  e1: h1 after F5 E5 E4 E6
# and White G4, F3 (F4 taken); e2: White takes E6 herself, h3 after F5 E5
# E4 E6 (E5 taken).  F5 = min = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . . O . . O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiSotoAite2:s1 F6 F4 F6 F6 F5 E5 E4 E6 G4 G4 F3 F6 F6 F5 E5 E4 E4 E6 [F5=h1:5]

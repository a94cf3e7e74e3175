# Jump links: the peep's main reading where the owner's block at P leaves
# the cutting chain with two liberties and a ladder takes it.  "call
# IkkenNozokiMain:ik:bonus A B ..." as in links-ikken-cover.tst: the points
# after a repeated A are the lines of the row's working (h0 from the owner,
# h1 from the opponent, colours alternating); each candidate is answered as
# an expression of s = h0 + h1, then its bonus.
#
# Common frame: Black's one-space jump D6-D4 (A = D6, B = D4, gap D5);
# White peeps from C5 (S), so P = E5.  Black B6, B5 and C3 hem S in.
# Black's connection at D5 leaves S with C6 and C4 (not one liberty): the
# owner value is h0 = Black D5.  White's cut D5 joins C5 with three
# liberties (C6, C4, E5), no end falls into atari.  Black blocks at P = E5
# (three liberties E6, F5, E4): C5-D5 keeps C6 and C4 only and is caught in
# a ladder either way (Black C6, White C4 leaves B4 alone; Black C4, White
# C6 leaves C7 alone).  So the cut value is White's evaluation with the cut
# and P standing, h1 = White D5, Black E5, and the gap gets s with no bonus.

[s3-nozoki-cut-laddered-white]
# White to play (the attacker's engine): the plain sum, D5 = s, bonus 0
# (the 2 on top of a positive sum is the owner's engine's only).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . X O . . . . . .
  . . . X . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 E5 [D5=s:5 D5+0]

# The wedge joined by a stone on the gap row when the block P is on the
# first line (IkkenWariNobi through IkkenWarikomi:ik): Black's jump D2-F2
# on the second line, White's wedge E2 with E3 beside it, so Black's block
# is P = E1 and the corners Y1, Y2 are D1 and F1 (Y1 the one beside the
# jump's first point A), with C1 and G1 beyond them seen from P.  Both ends
# keep three liberties after Black's E1, so Black's value is h0 after E1.
# No White stone stands beyond an end (C2, G2) and the points beyond the
# corners are off the board: White's value starts as its extension at P,
# h1 after White E1, no exchanges.  P on the first line with both corners
# empty: White also reads each hane, the corner, Black's block beyond it
# and White's connection at P (h3 for D1-C1-E1, h5 for F1-G1-E1); a hane
# that reads strictly better than the best so far becomes White's value
# and point.  The value is h0 plus White's best; Black's answer is P with
# the kind of a block (3), White's is its best point (5).  Lines 2 and 4
# are empty (they only keep the colours of lines 3 and 5 White's).
#
# White H1 stands next to G1: Black's block there after White's hane at F1
# has G2 alone and is in atari, so that hane (h5) is White's best, above
# the plain extension (h1) and the other hane (h3).

[s3-wari-nobi-edge-hane-b-side-black]
# Black to play: P = E1 with h0 + h5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X O X . . .
  . . . . . . . O .
call IkkenWarikomi:ik D2 F2 D2 E1 D2 E1 D2 D2 D1 C1 E1 D2 D2 F1 G1 E1 [E1=h0+h5:3]

[s3-wari-nobi-edge-hane-b-side-white]
# White to play: White's point is its hane F1 (Y2, on B's side: B = F2
# keeps F3 and G2 after it, so the hane is read like the other), h0 + h5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X O X . . .
  . . . . . . . O .
call IkkenWarikomi:ik D2 F2 D2 E1 D2 E1 D2 D2 D1 C1 E1 D2 D2 F1 G1 E1 [F1=h0+h5:5]

[s3-wari-nobi-edge-hane-a-side-white]
# The same board with the jump named from F2 (A = F2, B = D2): F1 is now
# Y1, read first (line 3: F1, G1, E1), D1 is Y2 (line 5): F1 = h0 + h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X O X . . .
  . . . . . . . O .
call IkkenWarikomi:ik F2 D2 F2 E1 F2 E1 F2 F2 F1 G1 E1 F2 F2 D1 C1 E1 [F1=h0+h3:5]

[s3-wari-nobi-edge-hane-left-white]
# White B1 instead of H1: Black's block at C1 after the hane D1 stands in
# atari (C2 alone), so the hane at Y1 = D1 is White's best: D1 = h0 + h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X O X . . .
  . O . . . . . . .
call IkkenWarikomi:ik D2 F2 D2 E1 D2 E1 D2 D2 D1 C1 E1 D2 D2 F1 G1 E1 [D1=h0+h3:5]

[s3-wari-nobi-edge-hane-left-black]
# s3-wari-nobi-edge-hane-left-white with Black to play: P = E1, h0 + h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X O X . . .
  . O . . . . . . .
call IkkenWarikomi:ik D2 F2 D2 E1 D2 E1 D2 D2 D1 C1 E1 D2 D2 F1 G1 E1 [E1=h0+h3:3]

# The frame above with White F3 beside E3 and no stone on the first line:
# B = F2 has only G2 and F1.  After Black's block E1 no end is in atari and
# B's chain has two liberties (A = D2 has three), so B is read: White's
# atari at G2 catches nothing (Black F1 joins E1, whose chain then reaches
# D1 and G1, and White's D1 would stand in atari itself), and no Black
# stone beside White's atari point falls into a ladder after Black's
# extension, so nothing is read; P is on the first line and the point
# behind B (BB = G2) is empty: White plays there and Black the corner
# beside B (F1), and Black's value is h0 after E1, G2, F1.  White's
# extension at P is h1 (E1 alone).

[s3-wari-nobi-edge-b-atari-white]
# White's hane at Y2 = F1 on B's side leaves B = F2 with G2 alone (one
# liberty): Black extends there, h5 = White F1, Black G2.  The other hane
# (D1, C1, E1: h3) and the extension read lower: F1 = h0 + h5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . X O X . . .
  . . . . . . . . .
call IkkenWarikomi:ik D2 F2 D2 E1 G2 F1 D2 E1 D2 D2 D1 C1 E1 D2 D2 F1 G2 [F1=h0+h5:5]

[s3-wari-nobi-edge-b-atari-black]
# Black to play: P = E1 with the same sum, h0 + h5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . X O X . . .
  . . . . . . . . .
call IkkenWarikomi:ik D2 F2 D2 E1 G2 F1 D2 E1 D2 D2 D1 C1 E1 D2 D2 F1 G2 [E1=h0+h5:3]

[s3-wari-nobi-edge-b-atari-named-from-f2-white]
# The jump named from F2: A = F2 (read for Black's value, the same
# working: G2 behind it, then F1), and F1 is Y1, not on B's side, so its
# hane is read as a plain one: White F1, Black G1, White E1 (h3), no
# higher than the extension h1; the hane at Y2 = D1 (B = D2 keeps C2 and
# D3) is White D1, Black C1, White E1 (h5), lower still.  White's point
# stays P: E1 = h0 + h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . X O X . . .
  . . . . . . . . .
call IkkenWarikomi:ik F2 D2 F2 E1 G2 F1 F2 E1 F2 F2 F1 G1 E1 F2 F2 D1 C1 E1 [E1=h0+h1:5]

# The peep at a jump on the second line, whose block P lies on the first
# line: Black's jump D2-F2 (A = D2, B = F2, gap E2), White peeps from E3
# (S; its liberties D3, F3, E4), so P = E1.  White D1 takes one of A's
# liberties.

[s3-nozoki-edge-end-two-liberties-black]
# Black's connection at E2 gives h0.  White's cut at E2 joins E3 (E1, D3,
# F3, E4 free), A = D2 keeps C2 and D3, B = F2 three liberties: no atari.
# Black blocks at P = E1 (legal: F1 free); the cutting chain keeps three
# liberties and P is on the first line, so the ends are read along the
# edge: A has two liberties and no ladder takes it (Black's extension at
# C2 has three liberties; at D3 it runs out into the open), so of its
# liberties C2 (second line, with B2, C3 and C1 empty) is s2 and D3 s1:
# White plays C2, Black D3.  B has three liberties and is not read.  White's
# evaluation then (line 3: E2, E1, C2, D3) is above 0 and becomes the cut
# value: E2 = h0 + h3, bonus 0 (Black's engine, no peeping stone in atari).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . X . . .
  . . . O . . . . .
call IkkenNozokiMain:ik:bonus D2 F2 D2 E2 D2 E2 E1 D2 D2 E2 E1 C2 D3 [E2=h0+h3:5 E2+0]

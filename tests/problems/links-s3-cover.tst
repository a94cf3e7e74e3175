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

# Knight's moves against stones outside the box: rows whose answers turn on
# one cell, one bound or one point choice of the answers to outside stones.
# Commands as in shapes-hane.tst ("KeimaSotoHane:at A B P T...": the
# candidate at P against the formula T..., A starting a term of the owner,
# B one of the attacker), shapes-hane-more.tst ("KeimaSotoTuke:at" the same
# for the stone touching a link stone from outside; "HaneMore:*" the
# premises) and keima-soto-pin.tst.
#
# Outside frame of Black's D5-E7 (named D5 E7):
#
#     Oa  Na  Sd  O1         C5 D5 E5 F5
#     Om  Mp  Mq  Oq         C6 D6 E6 F6
#     O4  Fd  Nb  Ob         C7 D7 E7 F7

# --- Touching a link stone from outside: the touching stone in atari ----------------
# Black's D5-E7, White's C5 beside D5 (Oa), Black's B5 and C4 around it: C5
# has C6 alone.  The answer to a touching stone is read only while that
# stone is not in atari (C6, Om, is empty, C5 is on the third line, B6 is
# not Black's): nothing, whoever plays.

[tuke-oa-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . X O X . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 [none]

[tuke-oa-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . X O X . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 [none]

# --- Beyond a side point: the hane stone dies -------------------------------------
# Black's D5-E7, White's F5-G5 beyond E5 with E5, F6 and G6 (three
# liberties), Black's wall E4-F4-G4, H5-H6 and E7-F7-G7 around them.  The
# hane: White's cut D6 (C6, D7 left), Black's E6, White's E5: E5-F5-G5 then
# has F6 and G6 alone, two points closed in by Black: the group is dead, so
# the hane is not read at all: nothing.

[hane-sd-dead-status]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . . . X .
  . . . X . O O X .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group D5 E5 D6 E6 E5 [dead]

[hane-sd-dead]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . . . X .
  . . . X . O O X .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [none]

[hane-sd-dead-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . . . X .
  . . . X . O O X .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [none]

# --- Beyond a side point: Black's stone two steps beyond Mq ----------------------
# The position of uke-mq (shapes-hane-more.tst: Black's D5-E7 and H5,
# White's F5 beyond E5, White's D8 above D7, B5 and E2 off the shape) with
# Black's G6 as well, two steps beyond E6 (continuing D6 to E6; F6 between
# is empty).  The cut D6 still runs, so White scores the cut, Black's block
# E6 and the hane E5 as they stand.  Black's answer: with F6 empty and G6
# Black's, Black takes E5, valued by Black's E5 alone (E6 is not weighed
# against it); the block C7 is not tried (D8 is taken), B8 is on the second
# line, E8 is empty.  The value rows show that the evaluation rates E6 above
# E5 here, so the choice of E5 rests on G6 alone.

[uke-beyond-oq-values]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . X . .
  . O . X . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call HaneMore:value-own D5 E6 [3]
call HaneMore:value-own D5 E5 [0]

[uke-beyond-oq]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . X . .
  . O . X . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E5 E7 D6 E6 E5 [E5=r:5]

# --- Touching a link stone from outside: the touching stone on the edge ------------
# Black's B5-C7 at the left edge, White's A5 beside B5 on the first line
# (Oa; Na B5, Sd C5, Mp B6, Mq C6, Fd B7, Nb C7; Om A6 empty).  A touching
# stone on the first line is not answered: nothing, whoever plays, though
# A5 has two liberties and A6 is empty.

[tuke-oa-first-line]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at B5 C7 [none]

[tuke-oa-first-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at B5 C7 [none]

# --- Beside a middle point: the outside answer with O1 on the edge -----------------
# Black's G5-H7 at the right edge, White's F6 beside G6 (Om) and White's H4
# below H5: Na G5, Sd H5, O1 J5, Mp G6, Mq H6, Fd G7, Nb H7, Oa F5.  Black's
# G6 first (G8 beyond G7 is empty: no block at F7; F5 is empty).  White's
# cut G6 and Black's H6: White's cut at H5 works (the cut row), so the
# answer from outside is looked at, but only when O1 is off the first
# line: J5 is on it, so Black keeps G6.  (Were it weighed, White's H4
# beyond H5 would make it Black's H5, which the value rows rate far above
# G6.)

[naka-o1-first-line-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . O . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut G5 H5 H6 G5 G6 H6 [cut]
call HaneMore:value-own G5 G6 [0]
call HaneMore:value-own G5 H5 [32]

[naka-o1-first-line]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . O . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at G5 H7 [G6]

# --- Beside a middle point: the ladder on Nb, Black's group at exactly 4 -----------
# The position of naka-ladder-nb (shapes-hane-more.tst: Black's D5-D4 and
# E7, White's C6 at Om, White's D8-E8-F8 above and H7 far right) with
# White's C5 beside D5 as well.  White's cut at E5 still does not work, E7
# has three liberties, and after White's push E6 and Black's block D6 the
# ladder takes E7 (the ladder row, first move D7): White answers at E6.
# Black's point: D8 is White's and C7 empty, so Black's D7 and White's C7
# are read; D7-E7 then has an eye value of exactly 4 (the eyes row), which
# is enough: Black proposes D7 as well as D6 (D4 behind D5 is Black's, so
# no hane behind Na).  D7's value: White's push, the block, the ladder's
# first move.

[naka-ladder-nb-eyes-four-ladder]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X . . O .
  . . O X O . . . .
  . . O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E7 [1 D7]

[naka-ladder-nb-eyes-four-premises]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X . . O .
  . . O . . . . . .
  . . O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [no cut]
call HaneMore:eyes D5 D7 D7 C7 [me=4]

[naka-ladder-nb-eyes-four]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X . . O .
  . . O . . . . . .
  . . O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D7 E7 E6 D6 D7 [D6 D7=r:5]

# --- Beyond a side point: the block beside Fd worth as much as the answer ------------
# Black's D5-E7 and J8, White's F5 beyond E5 and C9 up-left.  White's cut
# D6, Black's E6, White's hane E5: the ladder does not take D6 (the ladder
# row: after Black's C6 White's D7-D6 runs toward C9), E5-F5 keeps four
# liberties and D5 two, F7 is empty: White scores the three moves as they
# stand.  Black's answer: E6 first (F4 and G6 not Black's, E6 on the fourth
# line, D4 not White's), valued by Black's E6 alone (0, the value rows);
# then E5, F6 being empty and E4 not Black's: Black's E5 alone is 19, at
# least as much, so E5.  The block C7 (empty, on the third line, D8 empty,
# four empty neighbours; after C7, White's D6 and Black's E6 no ladder
# takes D5, the second ladder row) is worth 19 after C7 alone as well, and
# it replaces the answer only when worth more: Black keeps E5.  B8 beyond
# C7 is on the second line, E8 is empty.  Value: Black's E5 plus White's
# D6, E6, E5.

[uke-block-equal-ladder]
white to play
  . . O . . . . . .
  . . . . . . . . X
  . . . . X . . . .
  . . . O X . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]

[uke-block-equal-ladder-d5]
white to play
  . . O . . . . . .
  . . . . . . . . X
  . . X . X . . . .
  . . . O X . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [0]

[uke-block-equal-premises]
black to play
  . . O . . . . . .
  . . . . . . . . X
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 E6 [0]
call HaneMore:value-own D5 E5 [19]
call HaneMore:value-own D5 C7 [19]

[uke-block-equal]
black to play
  . . O . . . . . .
  . . . . . . . . X
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E5 E7 D6 E6 E5 [E5=r:5]

# --- Beside a middle point: the outside answer worth as much as Mp ------------------
# Black's D5-E7, White's C6 at Om, White's E4 below E5 and H5 far right.
# Black's D6 first (D8 empty: no block at C7; C5 empty).  White's cut D6
# and Black's E6: White's cut at E5 works (the cut row), so the answer from
# outside is looked at: F5 is empty, on the fifth line, with White's E4
# among its eight neighbours.  White's E4 stands beyond E5 (continuing E6
# to E5), so Black's E5 is weighed against D6 rather than F5: both are
# worth -2 (the value rows), and E5 would replace D6 only when worth more:
# Black keeps D6.

[naka-sd-equal-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . O .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [cut]
call HaneMore:value-own D5 D6 [-2]
call HaneMore:value-own D5 E5 [-2]

[naka-sd-equal]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . O .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [D6]

# Black's D5-E7 with J3 and B2 far off, White's C6 alone.  The cut works
# (the cut row); F5 is empty, on the fifth line, with no stone among its
# eight neighbours, E4 below E5 is empty and F5 has no White neighbour:
# Black's F5 is weighed against D6.  Both are worth 0 (the value rows):
# Black keeps D6.

[naka-o1-equal-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . X
  . X . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [cut]
call HaneMore:value-own D5 D6 [0]
call HaneMore:value-own D5 F5 [0]

[naka-o1-equal]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . X
  . X . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [D6]

# --- The hane that ataris a link stone: the capture worth exactly 12 ----------------
# The edge shape of hane-atari-edge (shapes-hane.tst: Black's B4-C6, White's
# D4 beyond C4 and B3 below B4) with Black's A7 on the edge above.  As
# there: the cut B5, Black's C5 and White's C4 leave B4 with A4 alone;
# B3 is White's and not in atari, so Black's answer is the extension A4,
# which the ladder takes (the ladder row); B5 is on the second line, so
# Black blocks at B6 and White captures at A4.  White's evaluation there is
# exactly 12 (the value row): 12 or more counts as a link stone taken, 4
# more.  Black's answer is C4 alone (C5 on the third line, B5 on the
# second); the block beside B6 would be A6, on the edge.  With Black's E9
# instead of A7 the capture is worth 11: nothing more.

[hane-atari-twelve-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  X X O O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder A4 [1 A5]

[hane-atari-twelve-value]
black to play
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value B4 B5 C5 C4 B6 A4 [12]

[hane-atari-twelve]
black to play
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 B5 C5 C4 B6 A4 [C4=r+4:5]

[hane-atari-twelve-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 B4 C4 C6 B5 C5 C4 B6 A4 [B5=r+4:5]

[hane-atari-eleven-ladder]
black to play
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  X X O O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder A4 [1 A5]

[hane-atari-eleven-value]
black to play
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value B4 B5 C5 C4 B6 A4 [11]

[hane-atari-eleven]
black to play
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 B5 C5 C4 B6 A4 [C4=r:5]

# --- Beyond a side point: the block beside Fd that keeps Na out of a ladder --------
# Black's D5-E7, White's F5 beyond E5, White's D4-E4 below D5 and E5 and
# White's B6 up-left.  The hane: White's D6, Black's E6, White's E5 leave
# D5 with C5 alone (above the first line), so the atari answer is read:
# D4 behind D5 is White's with four liberties, so Black extends at C5,
# which no ladder takes (D5-C5 keeps B5, C4 and C6): White scores the hane
# with Black's C5.  Black's answer: E6 or E5, the block C7 (empty, on the
# third line, D8 empty, four empty neighbours).  After Black's C7, White's
# D6 and Black's E6, D5 (C5, E5) is not laddered: White's C5 lets D5 reach
# E5 and Black's E6-E7 (the ladder row; without Black's E6 the ladder would
# take it, the second ladder row).  So the block is scored after C7 alone,
# which the evaluation rates above E6 and E5: Black proposes C7, White the
# cut D6.  Value: Black's C7 plus White's D6, E6, E5, C5.

[uke-block-ladder-after-mq]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . O . O X . . . .
  . . . X . O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [0]

[uke-block-ladder-without-mq]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . O . O . . . . .
  . . . X . O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [1 C5]

[uke-block-keeps-na]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . . . X . O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 C7 D5 C7 E7 D6 E6 E5 C5 [C7=r:5]

[uke-block-keeps-na-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . . . X . O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 D6 D5 C7 E7 D6 E6 E5 C5 [D6=r:5]

# --- Beyond a side point: a capture beside Nb is not a capture at Mq --------------
# The position of uke-beyond-oq with Black's F8 caught in White's E8,
# F9 and G8: White's F7 (beside E7, Ob) would capture it, White's E6 would
# capture nothing.  Only a capture at Mq makes Black answer at Mq, so Black
# still takes E5 by Black's G6 two steps beyond E6 (the block C7 is not
# tried: D8 is White's; White's E8 stands beyond E7, but D8 above D7 is
# taken, so D8 is not tried either).
# Value: Black's E5 plus White's D6, E6, E5.

[uke-capture-beside-nb]
black to play
  . . . . . O . . .
  . . . O O X O . .
  . . . . X . . . .
  . . . . . . X . .
  . O . X . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E5 E7 D6 E6 E5 [E5=r:5]

# --- The prepared answers of the cut ("KeimaSotoHane:prep", "KeimaSotoNaka:prep") ---
# White to play at the cut D6 leaves Black's answer and White's reply: in
# the hane's main line (uke-beyond-oq) both orders, Black's E6 answered
# at E5 and Black's E5 answered at E6; after the atari answer
# (uke-block-keeps-na) only Black's E6 answered at E5.  Beside a middle
# point (Black's D5-E7 and White's C6 alone) a working cut leaves Black's
# E6 answered at E5, a cut that does not work (naka-ladder-nb,
# shapes-hane-more.tst) nothing.  The laddered cut of the edge shape
# (hane-sichote-atari, shapes-hane.tst: Black's B4-C6 and B7, White's D4
# beyond C4, White's D3 and C2 around Black's C3) leaves Black's C5
# answered at C4.  Black to play leaves none.

[prep-hane]
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . X . .
  . O . X . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:prep D5 E7 [D6/E5/E6 D6/E6/E5]

[prep-hane-black]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . X . .
  . O . X . O . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:prep D5 E7 [none]

[prep-hane-atari]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . . . X . O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:prep D5 E7 [D6/E6/E5]

[prep-naka-cut]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:prep D5 E7 [D6/E6/E5]

[prep-naka-no-cut]
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
call KeimaSotoNaka:prep D5 E7 [none]

[prep-hane-sichote]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:prep B4 C6 [B5/C5/C4]

# --- Beyond a side point: the block point with two empty neighbours ---------------
# uke-block-keeps-na with Black's B7 and C8 beside C7: C7 now has two
# empty neighbours only (C6, D7), too few for the block, which is not
# tried although the evaluation rates it above E6 and E5 (the value rows).
# Black's answer: E6 (-2), then E5 as D5-E5 would keep three liberties
# (C5, D6, E6) and is worth as much: E5.  Value: Black's E5 plus the atari
# reading of uke-block-keeps-na (White's D6, E6, E5, Black's C5).

[uke-block-two-empty-premises]
black to play
  . . . . . . . . .
  . . X . . . . . .
  . X . . X . . . .
  . O . . . . . . .
  . . . X . O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 E6 [-2]
call HaneMore:value-own D5 E5 [-2]
call HaneMore:value-own D5 C7 [2]

[uke-block-two-empty]
black to play
  . . . . . . . . .
  . . X . . . . . .
  . X . . X . . . .
  . O . . . . . . .
  . . . X . O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E5 E7 D6 E6 E5 C5 [E5=r:5]

# --- Beside a middle point: the owner's point marked ("KeimaSotoNaka:marks") -------
# Black to play marks Black's point with 1, so that later moves skip it:
# F5, the answer from outside, in naka-cut-works (shapes-hane-more.tst:
# Black's D5-E7 and White's C6 alone); D6 in naka-ladder-nb.  White to play
# marks nothing.

[marks-naka-outside]
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
call KeimaSotoNaka:marks D5 E7 [F5:1]

[marks-naka-outside-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:marks D5 E7 [none]

[marks-naka-ladder-nb]
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
call KeimaSotoNaka:marks D5 E7 [D6:1]

# --- Beside a middle point: the ladder on Nb with D8 empty ---------------------------
# naka-ladder-nb (shapes-hane-more.tst) without White's D8: White's cut at
# E5 still does not work (the cut row) and after White's push E6 and
# Black's block D6 the ladder still takes E7 (the ladder row).  Black's
# point after the ladder: D8 beyond D7 is not White's, so the block at D7
# is not read and Black's point is D6, the same as Black's first answer:
# Black proposes D6 alone.

[naka-ladder-nb-d8-empty-ladder]
black to play
  . . . . . . . . .
  . . . . O O . . .
  . . . . X . . O .
  . . O X O . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E7 [1 D7]

[naka-ladder-nb-d8-empty]
black to play
  . . . . . . . . .
  . . . . O O . . .
  . . . . X . . O .
  . . O . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [no cut]
call KeimaSotoNaka:at D5 E7 [D6]

# --- After the laddered cut: the pushing stone caught --------------------------------
# The edge shape of hane-nobi-atari (shapes-hane.tst: Black's B4-C6, White's
# D4 beyond C4 with D6 beside it) with Black's B7 above B6 instead of
# White's.  The cut B5, Black's C5 and White's C4: the ladder takes B5 (the
# cut row); B3 below B4 is empty, C3 below C4 is not Black's and neither
# B2 nor C2 is White's: the laddered cut reads nothing.  The push: White's
# C5, Black's B5, White's B6, which then has A6 alone (the push row): a
# push whose stone is caught is not read.  Nothing, whoever plays.

[nobi-push-caught-cut]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X O . . . . .
  . O X . . . . . .
  . X O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B5 [1 B6]

[nobi-push-caught-push]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . O X O . . . . .
  . X O . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B6 [1 A6]

[nobi-push-caught]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

[nobi-push-caught-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

# Knight's moves against outside stones: rows for branches of the answers
# beside a middle point, beyond a side point and touching a link stone, and
# of the contact stone's value, that the other tables leave unread.  The
# commands are those of shapes-hane.tst and keima-cover.tst:
# "KeimaSotoNaka:at" and "KeimaSotoHane:at A B P T..." (the candidate at P
# against the formula T..., A starting a term of the owner, B one of the
# attacker), "HaneMore:*" (tests/engine/shapes/HaneMoreRoutines.cpp: the
# premises), "KeimaSotoNaka:bonus A B" (KeimaSotoCoverRoutines.cpp: each
# candidate's point and tie-break bonus), "KeimaTukeUtu:value A B M..."
# ("r" when the value is the attacker's reading M...) and
# "KeimaRenraku:at".  Every pattern is also called with the pair named the
# other way round (B A), which reads the same stones through the
# other-side cells.
#
# Outside frame of Black's D5-E7:
#
#     Oa  Na  Sd  O1         C5 D5 E5 F5
#     Om  Mp  Mq  Oq         C6 D6 E6 F6
#     O4  Fd  Nb  Ob         C7 D7 E7 F7

# --- Beside a middle point: the solid answer at Sd instead of O1 ------------------
# Black's D5-E7, White's C6 at Om and E4 below E5 (beyond Sd, seen from Mq).
# Black's D6 first is worth -1 (value-own).  White's cut D6 and Black's
# block E6: White's cut at E5 works (47), and after Black's E5 instead the
# push through the jump E7-E5 is worth 35, the smaller: k = 35.  F5 (O1) is
# empty and off the edge with White's E4 among its eight neighbours, so the
# outside answer is looked at; White's stone beyond E5 makes it the solid
# E5, not F5.  E5 alone (21) beats D6 (-1): Black proposes E5 with
# 21 + 35; White proposes its cut D6 with the same sum.

[naka-sd-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut-value D5 E5 E6 D5 D6 E6 [47]
call HaneMore:push D5 E7 E5 D6 E5 [35]
call HaneMore:value-own D5 D6 [-1]
call HaneMore:value-own D5 E5 [21]

[naka-sd]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 E5 D5 E5 [E5=r+35:5]
call KeimaSotoNaka:at E7 D5 E5 E7 E5 [E5=r+35:5]

[naka-sd-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 E5 [D6=r+35:5]
call KeimaSotoNaka:at E7 D5 D6 E7 E5 [D6=r+35:5]

# White's G5 and F4 instead of E4: F5 has two White neighbours, so the
# solid E5 is again the outside answer looked at, but here E5 alone (-5)
# is worth less than D6 (-2) and Black keeps D6.  k = 16 (the cut's 16
# against the push's 17); D6's value is below zero, so the sum is halved:
# (-2 + 16) / 2 = 7, that is D6's value plus 9.

[naka-sd-two-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . O . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut-value D5 E5 E6 D5 D6 E6 [16]
call HaneMore:push D5 E7 E5 D6 E5 [17]
call HaneMore:value-own D5 D6 [-2]
call HaneMore:value-own D5 E5 [-5]

[naka-sd-two]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . O . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D6 [D6=r+9:5]
call KeimaSotoNaka:at E7 D5 D6 E7 D6 [D6=r+9:5]

# --- Beyond a side point: the trigger stone's liberties ---------------------------
# The position of uke-mq (shapes-hane-more.tst: Black's D5-E7 and H5,
# White's F5 beyond E5, D8, B5 and E2) with Black's G5 and F4 around F5:
# White's F5 has two liberties (E5, F6) and the hane answer reads only a
# trigger stone of three or more: nothing.  With G5 alone (F5 keeps F4)
# the answer is there again: Black's E6, as in uke-mq.

[hane-o1-two]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X . O X X .
  . . . . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [none]
call KeimaSotoHane:at E7 D5 [none]

[hane-o1-two-white]
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X . O X X .
  . . . . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [none]
call KeimaSotoHane:at E7 D5 [none]

[hane-o1-three]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X . O X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [E6]
call KeimaSotoHane:at E7 D5 [E6]

# --- The contact stone's value: the ataris on the touched stone --------------------
# Black's D5-E7, White's contact E5.  White's push D6 leaves D5 two
# liberties, C5 and D4, no ladder takes D5 and after Black's E6 none takes
# E5 (E4 and F5).  White's atari from either side is read, Black extending
# on the other, and the better counts; an atari into a stone of one
# liberty is worth nothing.
#
# Black's B5 and C4: White's C5 would have C6 alone, so only the atari at
# D4 (Black's C5) counts.  Black's C4 and D3: White's D4 would have E4
# alone, so only the atari at C5 (Black's D4) counts, worth 20; but then
# both cut White stones (E5 and D6) are dead by the 70 rule while Black's
# D5 and E6 are not weak, so the atari is worth a quarter: 5.  With
# Black's B5, C4 and D3 both ataris fail; then the value is White's evaluation after the
# push and the block, or 0 when the pushing stone dies: White's D6 is dead
# (group) there, so 0 although that evaluation is 3.

[utu-c5-self-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . X . X O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTukeUtu:value D5 E7 D6 E6 D4 C5 [r]
call KeimaTukeUtu:value E7 D5 D6 E6 D4 C5 [r]

[utu-d4-self-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value D5 D6 E6 C5 D4 [20]
call HaneMore:group D5 E5 D6 E6 C5 D4 [dl=77 weak=1 d70=1 d90=0]
call HaneMore:group D5 D6 D6 E6 C5 D4 [dl=83 weak=1 d70=1 d90=0]
call HaneMore:group D5 D5 D6 E6 C5 D4 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:group D5 E6 D6 E6 C5 D4 [dl=0 weak=0 d70=0 d90=0]
call KeimaTukeUtu:value D5 E7 [5]
call KeimaTukeUtu:value E7 D5 [5]

[utu-both-self-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . X . X O . . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group D5 D6 D6 E6 [dead]
call HaneMore:value D5 D6 E6 [3]
call KeimaTukeUtu:value D5 E7 [0]
call KeimaTukeUtu:value E7 D5 [0]

# --- Touching a link stone from outside, through the knight's-move answer ----------
# The position of soto-tuke-hane (keima-cover.tst): White's C5 touches D5
# from outside (Oa for D5-E7, the other-side cell Ob for E7-D5) with no
# White stone in the box or beside the middle points, so the knight's-move
# answer hands it to the outside-touch answer either way round: Black's
# C6 with the same sum.

[renraku-soto-tuke]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 C6 D5 C6 E7 D6 E6 E5 F5 E4 [C6=r:5]
call KeimaRenraku:at E7 D5 C6 E7 C6 D5 D6 E6 E5 F5 E4 [C6=r:5]

# Black's F6 beside F5: after White's push D6 and Black's E6 the contact
# stone E5 has two liberties (E4, F5) and Black's ladder takes it, E4 first
# (F5 then has F4 and G5 alone); D5 escapes (ladder D5).  With E5 caught
# the ataris on D5 are not read: the value is White's evaluation after the
# push and the block.

[utu-t-ladder-premises]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X X . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E5 [1 E4]
ladder D5 [0]

[utu-t-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTukeUtu:value D5 E7 D6 E6 [r]
call KeimaTukeUtu:value E7 D5 D6 E6 [r]

# --- Beside a middle point with White's stone behind Nb: Black's point ------------------
# The position of naka-ura (keima-cover.tst: Black's D5-E7 and J1, White's
# C6 at Om and F7 at Ob), White's part unchanged: the push at E6 with
# Black's D6 and White's D7 against the cut at D6 with Black's E6 and
# White's E5, the larger.  Black's G7 beyond F7 (seen from E7): Black's
# point is F6 (Oq), which cuts F7 off, valued alone.  Black's F5 at O1
# instead: Black compares E6 with the extension D7 (Fd) and takes the
# larger, D7 (4 against -2).

[naka-ura-g7]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O X . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoNaka:at D5 E7 F6 D5 F6 E7 E6 D6 D7 J1 D6 E6 E5 [F6=r:5]
call KeimaSotoNaka:at E7 D5 F6 E7 F6 D5 E6 D6 D7 J1 D6 E6 E5 [F6=r:5]

[naka-ura-o1-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call HaneMore:value-own D5 E6 [-2]
call HaneMore:value-own D5 D7 [4]

[naka-ura-o1]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoNaka:at D5 E7 D7 D5 D7 E7 E6 D6 D7 J1 D6 E6 E5 [D7=r:5]
call KeimaSotoNaka:at E7 D5 D7 E7 D7 D5 E6 D6 D7 J1 D6 E6 E5 [D7=r:5]

# --- White's stones beside both middle points: the hane that is caught -------------
# The position of ryo-naka (keima-cover.tst: Black's D5-E7, White's C6 and
# F6) with Black's F5, D4 and E3: after White's cut D6 and Black's E6,
# White's E5 would have E4 alone and E4 then F4 alone (group: dead), so
# E5 is taken back and Mp's side counts White's D6 and E6 only, plus
# Black's D6 alone.  Mq's side as in ryo-naka: White's E6, Black's D6,
# White's D7, plus Black's E6 alone.  Both points are added without a
# tie-break bonus.

[ryo-naka-caught]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . O . . .
  . . . X . X . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group D5 E5 D6 E6 E5 [dead]
call KeimaSotoNaka:at D5 E7 D6 E7 D6 E6 D5 D6 [D6=r:5 E6]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E7 D6 [D6=r:5 E6]
call KeimaSotoNaka:at D5 E7 E6 E7 E6 D6 D7 D5 E6 [D6 E6=r:5]
call KeimaSotoNaka:at E7 D5 E6 D5 E6 D6 D7 E7 E6 [D6 E6=r:5]
call KeimaSotoNaka:bonus D5 E7 [D6/0 E6/0]
call KeimaSotoNaka:bonus E7 D5 [D6/0 E6/0]

# --- Beside a middle point with White's stone beyond Sd: the hane refused --------
# Black's D5-E7 with F6 (Oq), E4, F4 and G5; White's C6 (Om), F5 (O1) and
# F7 (Ob).  After White's cut D6 and Black's E6, White's E5 would join F5
# with no liberty left (E4, F4, G5 and F6 are Black's): the hane cannot be
# played, so the reading ends and nothing is proposed.

[naka-hane-suicide]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X O . .
  . . O . . X . . .
  . . . X . O X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [none]
call KeimaSotoNaka:at E7 D5 [none]

# --- Beside a middle point: Black's stones already close White in -----------------
# Black's D5-E7 with C5 (Oa) and C8 (beyond C7 from C6); White's C6 (Om).
# B6 beyond C6 and C7 (O4) are empty and B6 has no White neighbour: White's
# C6 is already closed in and the answer stays out: nothing.  Without C8 the
# cut is read again and Black proposes D6.

[naka-closed-in]
black to play
  . . . . . . . . .
  . . X . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [none]
call KeimaSotoNaka:at E7 D5 [none]

[naka-closed-in-open]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [D6]
call KeimaSotoNaka:at E7 D5 [D6]

# --- Touching from outside: the hane with White's stone at B7 ----------------------
# The position of soto-tuke-hane (keima-cover.tst) with White's B7 beyond
# C6 from D5: Black's hane C6 still ladders White's cut D6, and with B7
# White's hane at B6 is read after C6: Black's side is its C6 with White's
# B6, plus White's side as in soto-tuke-hane.

[soto-tuke-hane-b7]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 C6 D5 C6 B6 E7 D6 E6 E5 F5 E4 [C6=r:5]
call KeimaSotoTuke:at E7 D5 C6 E7 C6 B6 D5 D6 E6 E5 F5 E4 [C6=r:5]

# Black's C7 and D8 around D7 (naka-ura's position otherwise): after White's
# push E6 and Black's D6, White's D7 would have no liberty, so the push is
# valued as it stands (10), against the cut D6, E6, E5 (-29): White's part
# is 10, and Black's point E6 alone is added.

[naka-ura-fd-refused]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . X . X O . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoNaka:at D5 E7 E6 D5 E6 E7 E6 D6 J1 D6 E6 E5 [E6=r:5]
call KeimaSotoNaka:at E7 D5 E6 E7 E6 D5 E6 D6 J1 D6 E6 E5 [E6=r:5]
call HaneMore:value D5 E6 D6 [10]
call HaneMore:value D5 D6 E6 E5 [-29]

# --- The move between two stones: the other middle point on the line ----------------
# The position of between-two-stones-from-the-edge (shapes-probe.tst) turned
# upside down, and turned about the diagonal.  Upside down: White's J5
# (group J5-J9, E8-H8, eyes F9 and H9) reaches Black's G6 by a knight's
# move and Black's F4 by a large knight's move; of the middle points F5 and
# G5 of G6-F4, F5 is three from J5 along row 5 (M1), so White plays G5;
# beyond G6 from G5 is G7, the midpoint of G7 and J5 is H6: G5/F5/H6.
# About the diagonal: White's E9 (group E9-A9, B8-B5, eyes A8 and A6),
# Black's D7 and F6; of E7 and E6, E6 is three from E9 down column E (M1),
# so White plays E7; beyond D7 from E7 is C7, the midpoint of C7 and E9 is
# D8: E7/E6/D8.

[between-upside-down]
white to play
  . . . . O . O . O
  . . . . O O O O O
  . . . . . . . . O
  . . . . . . X . O
  . . . . . . . . O
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaOgeimaHokyo:prep [G5:22 G5/F5/H6]

[between-turned]
white to play
  O O O O O . . . .
  . O . . . . . . .
  O O . X . . . . .
  . O . . . X . . .
  O O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaOgeimaHokyo:prep [E7:22 E7/E6/D8]


# --- Beside a middle point: the answer from outside with one White neighbour --------
# The position of naka-cut-works (shapes-hane-more.tst: Black's D5-E7,
# White's C6) with White's G5 beside F5.  The cut at E5 works (23) and the
# push after Black's E5 is worth 18: k = 18.  E4 beyond E5 is empty and F5
# has one White neighbour only, so the answer from outside is F5 itself:
# F5 alone (23) beats D6 (-2), and Black proposes F5 with 23 + 18 (the
# solid E5 would be worth 2 only).

[naka-o1-one-premises]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut-value D5 E5 E6 D5 D6 E6 [23]
call HaneMore:push D5 E7 E5 D6 E5 [18]
call HaneMore:value-own D5 D6 [-2]
call HaneMore:value-own D5 F5 [23]
call HaneMore:value-own D5 E5 [2]

[naka-o1-one]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 F5 D5 F5 [F5=r+18:5]
call KeimaSotoNaka:at E7 D5 F5 E7 F5 [F5=r+18:5]

# naka-ura's position with Black's C7 beside D7: after White's push E6 and
# Black's D6, White's D7 has D8 alone, so the push is worth 0; the cut D6,
# E6, E5 is worth -29, below it: White's part is 0 and Black's E6 alone
# is the value.

[naka-ura-fd-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X O . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call HaneMore:value D5 D6 E6 E5 [-29]
call KeimaSotoNaka:at D5 E7 E6 D5 E6 [E6=r:5]
call KeimaSotoNaka:at E7 D5 E6 E7 E6 [E6=r:5]

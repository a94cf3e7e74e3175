# Knight's moves against stones beside both middle points, and the diagonal
# link's push from outside: rows whose answers turn on one bound or one cell
# of the pattern.  Commands as in keima-soto-cover.tst ("KeimaSotoNaka:at A
# B P T...": the candidate at P against the formula T..., A starting a term
# of the owner, B one of the attacker; "HaneMore:*" the premises) and
# shapes-diagonal-cover.tst ("KosumiRenraku:cover A B P R...": P against
# the attacker's reading R..., with its tie-break bonus).
#
# Outside frame of Black's D5-E7 (named D5 E7):
#
#     Oa  Na  Sd  O1         C5 D5 E5 F5
#     Om  Mp  Mq  Oq         C6 D6 E6 F6
#     O4  Fd  Nb  Ob         C7 D7 E7 F7
#
# Named E7 D5 the roles turn: Mp = E6 with Sd = D7, Mq = D6 with Fd = E5.

# --- Both middle points: the first side added only above zero ---------------------
# Black's D5-E7 with F5, F7 and G6 around White's F6 (Oq), White's C6 (Om):
# White stands beside both middle points, so each cut is read on its own.
# D6's side: White's D6, Black's E6 (which takes F6, its last liberty),
# White's E5 has only E4 left (D5, F5 and E6 are Black's) and is taken
# back: White's evaluation after D6 and E6 is -1, Black's D6 alone 0, the
# side is worth -1.  E6's side: White's E6 (joining F6), Black's D6, White's
# D7, plus Black's E6 alone.
# Named D5 E7 the D6 side is read first and kept only when worth more than
# zero: -1 leaves E6 alone.  Named E7 D5 the D6 side is read second and is
# added whatever its sign: D6 with -1 as well as E6.

[ryo-first-side-below-zero]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . O . . O X . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group D5 E5 D6 E6 E5 [dead]
call HaneMore:value D5 D6 E6 [-1]
call HaneMore:value-own D5 D6 [0]
call KeimaSotoNaka:at D5 E7 E6 E7 E6 D6 D7 D5 E6 [E6=r:5]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E7 D6 [D6=r:5 E6]

[ryo-first-side-below-zero-white]
# White to play: each side is proposed at its own cut point, the same way.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . O . . O X . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 E6 E7 E6 D6 D7 D5 E6 [E6=r:5]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E7 D6 [D6=r:5 E6]

# The same with White's G4 far off: after White's D6 and Black's E6 White's
# evaluation is -1, Black's D6 alone is worth 1, so the D6 side is worth
# exactly 0: not more than zero, so named D5 E7 only E6 is proposed, and
# named E7 D5 D6 is added with 0.

[ryo-first-side-zero]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . O . . O X . .
  . . . X . X . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value D5 D6 E6 [-1]
call HaneMore:value-own D5 D6 [1]
call KeimaSotoNaka:at D5 E7 E6 E7 E6 D6 D7 D5 E6 [E6=r:5]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E7 D6 [D6=r:5 E6]

# With White's A3 instead: -2 after White's D6 and Black's E6, 3 for Black's
# D6 alone: the D6 side is worth 1, above zero, and is proposed named
# either way.

[ryo-first-side-one]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . O . . O X . .
  . . . X . X . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value D5 D6 E6 [-2]
call HaneMore:value-own D5 D6 [3]
call KeimaSotoNaka:at D5 E7 D6 E7 D6 E6 D5 D6 [D6=r:5 E6]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E7 D6 [D6=r:5 E6]

# --- Diagonal link: the push from outside, strip cells beside the far stone -------
# Black's diagonal D4-E5, White's D5 on the crossing point, so E4 is the
# cut.  White's F4 stands beyond E4 (away from D4; E3, beyond it from E5,
# is empty, and D6 beyond D5 from D4 is empty), White's C4 beyond D4 (D3,
# beyond D4 from D5, is empty).  Along the three-wide strip from F4 to C4
# the points beside the two middle rows are E5 (Black) and E3 (empty) on
# E4's row, D5 (White) and D3 on D4's row: the first White stone of them is
# D5, so White pushes at D3 (beside D4, opposite D5), Black connects at E4
# and White turns at E3 (beside E4, opposite E5).  D4 is not caught by a
# ladder.  Value: White's evaluation after D3, E4, E3; White proposes D3,
# Black the connection E4, both without a tie-break bonus.  White's F3
# beside F4 (the strip's first row, not one of the four points looked at)
# changes nothing but the evaluation.

[kosumi-soto-near-beside-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O X . O . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 D3 D3 E4 E3 [D3=r/0:5]

[kosumi-soto-near-beside]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O X . O . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E4 D3 E4 E3 [E4=r/0:5]

# The other hand: White's E4 on the crossing point, D5 the cut, White's C5
# beyond D5 and F5 beyond E5.  Along the strip from C5 to F5 the points
# looked at are D6 and D4 (Black) on D5's row, E6 and E4 (White) on E5's:
# White pushes at E6, Black connects at D5, White turns at D6.  Value:
# White's evaluation after E6, D5, D6; no tie-break bonus.

[kosumi-soto-far-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 E6 E6 D5 D6 [E6=r/0:5]

[kosumi-soto-far]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:cover D4 E5 D5 E6 D5 D6 [D5=r/0:5]

# --- Beyond a side point: the owner's answer when two tries are worth the same ------
# The position of uke-beyond-nb (shapes-hane-more.tst: Black's D5-E7, White's
# F5 beyond E5 and E8 beyond E7, White's J8 and Black's J1 far off) with
# Black's H8 as well.  Black's tries in order: E6 (-1), E5 alone (3, more:
# E5), the block C7 at O4 scored after C7 alone (15, more: C7; after C7,
# White's D6 and Black's E6 no ladder takes D5), B8 beyond C7 is on the
# second line, and D8 above Fd, tried because White's E8 stands beyond E7
# (D8 empty with C8, D9 and D7 empty): 15 as well.  A later try replaces
# the answer only when it is worth more, so Black keeps C7 with 15; value
# 15 plus White's cut D6, E6, E5 read as it stands.  White proposes the cut.

[uke-equal-tries-premises]
black to play
  . . . . . . . . .
  . . . . O . . X O
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call HaneMore:value-own D5 E6 [-1]
call HaneMore:value-own D5 E5 [3]
call HaneMore:value-own D5 C7 [15]
call HaneMore:value-own D5 D8 [15]

[uke-equal-tries]
black to play
  . . . . . . . . .
  . . . . O . . X O
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 C7 D5 E6 J1 E5 J1 C7 J1 D8 E7 D6 E6 E5 [C7=r:5]
call KeimaSotoHane:at E7 D5 C7 E7 E6 J1 E5 J1 C7 J1 D8 D5 D6 E6 E5 [C7=r:5]

[uke-equal-tries-white]
white to play
  . . . . . . . . .
  . . . . O . . X O
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D6 D5 E6 J1 E5 J1 C7 J1 D8 E7 D6 E6 E5 [D6=r:5]

# --- Beside a middle point: the tie-break bonus of the hane and of the block -------
# The position of naka-hane (shapes-hane-more.tst: Black's D5-E7, White's
# C6 at Om and F5 at O1): the answer is D6 (Black's D6 alone plus White's
# cut D6, E6, E5), added without a tie-break bonus, named either way.

[naka-hane-no-bonus]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:bonus D5 E7 [D6/0]
call KeimaSotoNaka:bonus E7 D5 [D6/0]

# The position of ura-te (keima-cover.tst: Black's F6 at Oq against White's
# F7-G7 at Ob, White's C6 at Om and G4): the smaller of White's two cuts is
# added at D6, without a tie-break bonus.

[ura-te-no-bonus]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O O . .
  . . O . . X . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:bonus D5 E7 [D6/0]
call KeimaSotoNaka:bonus E7 D5 [D6/0]

# The ura-te shape with White's F7 alone at Ob and Black's G8: F7 has F8
# and G7 and a ladder from G7 takes it (the ladder row), so Black's block
# at F6 already holds White's stone behind E7 and nothing is proposed;
# White's cuts at D6 are not read.  (With White's F7-G7, not laddered,
# ura-te proposes D6.)

[ura-te-ob-laddered]
black to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . X O . . .
  . . O . . X . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder F7 [1 G7]
call KeimaSotoNaka:at D5 E7 [none]
call KeimaSotoNaka:at E7 D5 [none]

# --- Beyond a side point: the point above Fd needs three empty neighbours ----------
# The position of uke-beyond-nb with Black's D9 above D8 and White's B7
# (which lets White's cut at D6 out of the ladder: it is read as it
# stands).  Black's tries: E6 (-4), E5 alone (4, more: E5), the block C7 at
# O4 after C7 alone (75, more: C7; C7 keeps four empty neighbours, no
# ladder on D5 after C7, D6, E6); B8 beyond C7 is on the second line.
# White's E8 stands beyond E7, but D8 above Fd now has only two empty
# neighbours (C8 and D7; D9 Black's, E8 White's), fewer than three, so it
# is not tried although D8 alone (79) would be worth more than C7.  Black
# proposes C7 with 75 plus White's cut D6, E6, E5.

[uke-above-fd-two-empty-premises]
black to play
  . . . X . . . . .
  . . . . O . . . O
  . O . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call HaneMore:value-own D5 E6 [-4]
call HaneMore:value-own D5 E5 [4]
call HaneMore:value-own D5 C7 [75]
call HaneMore:value-own D5 D8 [79]

[uke-above-fd-two-empty]
black to play
  . . . X . . . . .
  . . . . O . . . O
  . O . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 C7 D5 E6 J1 E5 J1 C7 E7 D6 E6 E5 [C7=r:5]
call KeimaSotoHane:at E7 D5 C7 E7 E6 J1 E5 J1 C7 D5 D6 E6 E5 [C7=r:5]

# --- Beside a middle point and behind Nb: both of White's cuts worth nothing -------
# Black's D5-E7 with F5 (O1) and D8; White's C6 (Om) and F7 (Ob), F6 (Oq)
# empty.  G7, beyond F7 from E7, is not Black's, so Black's point is E6
# (Mq) alone (-6), or D7 (Fd) alone when O1 is Black's and D7 is worth
# more: -5, D7.  White's E6 leaves F7 three liberties (F6, G7, F8), so the
# cuts are read.  White's E6, Black's D6, White's D7: D7 keeps only C7
# (D8, D6 and E7 are Black's), in atari: worth 0.  White's D6, Black's E6,
# White's E5: E5 keeps only E4 (D5, F5 and E6 are Black's), caught: worth
# 0, not more than the first, so White's point stays E6.  Black proposes
# D7 with -5 + 0, White E6 with the same.

[naka-ura-cuts-nothing-premises]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 E6 [-6]
call HaneMore:value-own D5 D7 [-5]

[naka-ura-cuts-nothing]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D7 D5 D7 [D7=r:5]
call KeimaSotoNaka:at E7 D5 D7 E7 D7 [D7=r:5]

[naka-ura-cuts-nothing-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 E6 D5 D7 [E6=r:5]
call KeimaSotoNaka:at E7 D5 E6 E7 D7 [E6=r:5]

# The same with White's H9 far off: Black's E6 alone and D7 alone are now
# worth the same, -5; D7 replaces E6 only when it is worth more, so Black
# proposes E6 with -5 + 0.

[naka-ura-equal-answers-premises]
black to play
  . . . . . . . O .
  . . . X . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 E6 [-5]
call HaneMore:value-own D5 D7 [-5]

[naka-ura-equal-answers]
black to play
  . . . . . . . O .
  . . . X . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 E6 D5 E6 [E6=r:5]
call KeimaSotoNaka:at E7 D5 E6 E7 E6 [E6=r:5]

# --- Beside a middle point and behind Nb: White's stone behind Nb laddered ------------
# Black's D5-E7 with F8, G8 and H7; White's C6 (Om) and F7 (Ob), F6 (Oq)
# and F5 (O1) empty.  White's push at E6 (Mq, behind Nb) leaves F7 two
# liberties, F6 and G7 (E7 and F8 Black's), and a ladder takes it (after
# Black's F6, F7-G7 would keep only G6: G8 and H7 are Black's).  So the
# reading ends at once and nothing is proposed, named either way.  Without
# H7 F7 escapes that way, the push is read and Black proposes E6.

[naka-ura-ob-two-laddered]
black to play
  . . . . . . . . .
  . . . . . X X . .
  . . . . X O . X .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [none]
call KeimaSotoNaka:at E7 D5 [none]

[naka-ura-ob-two-escapes]
black to play
  . . . . . . . . .
  . . . . . X X . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [E6]
call KeimaSotoNaka:at E7 D5 [E6]

# --- Beyond both side points: White's two cuts worth the same ----------------------
# The position of hane-kiri-open (shapes-hane.tst: Black's D5-E7, White's
# F5 beyond E5 and C7 beyond D7, Black's J1 far off) with Black's F9:
# White's cut D6, Black's E6, White's E5 and White's cut E6, Black's D6,
# White's D7 are now worth the same, 19.  White's point is E6 only when the
# second is worth more, so White proposes D6; Black's answer is D7 (no
# White stone at C5 or C4), valued alone.  Value: Black's D7 plus 19.

[hane-kiri-equal-cuts-premises]
white to play
  . . . . . X . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call HaneMore:value D5 D6 E6 E5 [19]
call HaneMore:value D5 E6 D6 D7 [19]

[hane-kiri-equal-cuts-white]
white to play
  . . . . . X . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D6 D5 D7 E7 D6 E6 E5 J1 E6 D6 D7 [D6=r:5]

[hane-kiri-equal-cuts]
black to play
  . . . . . X . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D7 D5 D7 E7 D6 E6 E5 J1 E6 D6 D7 [D7=r:5]

# --- Beyond a side point: the jump beyond the block worth the same ------------------
# The position of uke-wide-jump (shapes-hane-more.tst, 13x13: Black's G6-H8,
# White's J6 beyond H6, White's C12 and Black's N1 far off) with Black's
# G13 and White's J2 far off as well.  White's cut G7 still escapes (after
# Black's F7 the ladder runs into C12), so it is scored as it stands.
# Black's tries: H7 (1), H6 alone (19, more: H6), the block F8 after F8
# alone (9, less), and E9 beyond F8 (in the open, nothing within its 28
# surrounding points): 19, the same as H6.  A later try replaces the answer
# only when it is worth more: Black proposes H6 with 19 plus White's cut.

[uke-open-jump-equal-premises]
black to play
  . . . . . . X . . . . . .
  . . O . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . O . . . .
  . . . . . . . . . . . . X
call HaneMore:value-own G6 H7 [1]
call HaneMore:value-own G6 H6 [19]
call HaneMore:value-own G6 F8 [9]
call HaneMore:value-own G6 E9 [19]

[uke-open-jump-equal]
black to play
  . . . . . . X . . . . . .
  . . O . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . X . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . O . . . .
  . . . . . . . . . . . . X
call KeimaSotoHane:at G6 H8 H6 G6 H7 N1 H6 N1 F8 N1 E9 H8 G7 H7 H6 [H6=r:5]
call KeimaSotoHane:at H8 G6 H6 H8 H7 N1 H6 N1 F8 N1 E9 G6 G7 H7 H6 [H6=r:5]

# --- Beyond a side point: Black's stone beyond Oq already laddered -------------------
# The position of hane-sicho (shapes-hane.tst: Black's D5-E7 and G6, White's
# F5 beyond E5, G5 and H6) with White's F8: Black's G6 (beyond F6 from E6)
# has two liberties, F6 and G7, and a ladder from G7 already takes it before
# any push.  The push at E6 is read only against a stone that the ladder
# does not take yet, so nothing is proposed, named either way.  (Without
# F8 the ladder fails until White's push E6 and Black's block D6, and
# hane-sicho proposes E6.)

[hane-sicho-already-laddered]
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . . . . . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder G6 [1 G7]
call KeimaSotoHaneSicho:at D5 E7 [none]
call KeimaSotoHaneSicho:at E7 D5 [none]

# The hane-sicho position itself: Black's E6 (and White's push there) is
# added without a tie-break bonus, named either way.

[hane-sicho-no-bonus]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:bonus D5 E7 [E6/0]
call KeimaSotoHaneSicho:bonus E7 D5 [E6/0]

# Jump links, sixteenth set: the general reading of the peep at a jump to
# the edge on its bounds (the owner's value of exactly 5 after the
# opponent's extension, the opponent's dead gap stone), the wedge with an
# opponent stone behind the empty corner when the corner stone is caught at
# once, the peep at both gaps of a two-space jump from one side, the peep
# at one gap (the owner's capture of the peeping stone moving its value a
# third of the way, every reading of the push negative), and the general
# answer to a free two-space jump on the saved area map.
# Lines and forms as in links-twospace.tst (LinkRoutines.cpp); premise rows
# print the readings a row takes as given (HaneMore:... as in
# shapes-hane-more.tst, AreaMap:side as in life-yose-pin4.tst,
# KeimaTukeUtu:after, Kankei6Free:as-saved, Kankei6Nozoki:bonus and
# Gun:stones in LinksPin16Routines.cpp).

[pg16-edge-peep-extension-five-black]
# Black's D3 on the third line and the edge below: the gap points D2 and
# D1.  White's C2 peeps beside D2; Black holds C3 beside the stone on the
# peep's side (Y) and E3 on the free side (W); Black F2 stands beside the
# free gap neighbour E2 (N).  N has only two empty neighbours (D2 and E1),
# so the general reading runs.  White's C2 has three liberties (B2, C1,
# D2).  Black's connection at D2 leaves C2 with two (B2, C1), and B2 (X2)
# has two empty neighbours (A2, B3): Black's extension at B2 puts C2 in
# atari, White's A2 (X3) is answered by Black's capture at C1 (the bonus
# e = h2 = 9).  White's own extension at B2 gives B2-C2 three liberties
# (A2, B3, C1), and A2 beyond it is on the first line: no third move, so
# a = Black's evaluation after D2 and White's B2, h0 = 5, which is not
# above 5 and gets nothing added.  White's push at D2 is met by Black's
# cut at E2 (Black holds W): Black to play, so b is White's evaluation
# there, h1 = 0.  v = 5, and 2v = 10 is not below e = 9: Black's point D2
# at s = h0 + h1 = 5 with the bonus 9.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . X X X . . . .
  . . O . . X . . .
  . X . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 B2 D3 D2 E2 [D2=s:5]
call Kankei6EdgeNozoki:pin-bonus D3 D2 D3 D2 B2 D3 D2 E2 D3 D2 D2 B2 A2 C1 [D2=h0+h1:5 D2+9]

[pg16-edge-peep-dead-gap-white]
# Black's D3 and E3 on the third line, the edge below D3: gap points D2 and
# D1.  White's C2 peeps beside D2; White F2 stands beside E2 (N), so N has
# two empty neighbours and the general reading runs; Black's E3 is on the
# free side (W).  White's C2 has four liberties.  Black's connection at D2
# leaves it three: a = Black's evaluation after D2, h0 = 48 (Black's D2
# joins D3-E3 and is far from dead).  White's push at D2 is met by Black's
# cut at E2 (Black holds W): White's C2-D2 is then dead (premise row), and
# with White to play b = -10.  v = 48 - 10 = 38 at White's point D2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . X X . . . .
  . . O . . O . . .
  . . . . . . . . .
call HaneMore:group D3 D2 D2 E2 [dead]
call Kankei6EdgeNozoki D3 D2 D3 D2 [D2=38:5]

[pg16-edge-peep-dead-gap-black]
# As pg16-edge-peep-dead-gap-white, Black to play: White's dead gap stone
# counts only for White; b is White's evaluation after D2 and Black's E2,
# h1 = -58, and v = h0 + h1 = 48 - 58 = -10 is not positive: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . X X . . . .
  . . O . . O . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 E2 [none]

[pg16-wedge-outside-corner-in-atari-black]
# Black's one-space jump D4-D6; White wedges at D5 with C5 beside it, so
# Black's block is E5 (P), with the corner E4 (Y) beside D4 and White E3
# just behind it; F5 (PP) is empty.  Black's D4-D3 has four liberties.
# Black's block at E5 leaves White's C5-D5 three liberties (B5, C4, C6), so
# White's corner E4 is read: E4-E3 then has F4 alone (D3, F3 and E2 are
# Black's), a capturing point, so E4 is taken back and e1 = Black's
# evaluation after E5 alone, h0 = 15.  Black's E4 met by White's E5:
# e2 = h2 = -21.  best = 15 at Black's E5.  White's E4 met by Black's E5:
# E5 (liberties E6, F5) escapes any ladder (E6 joins D6, F5 has three
# liberties), so f = h1 = -19; White's E5 met by Black's E4 gives h3 = 21,
# more: f = 21 at White's E5.  value = h0 + h3 = 36 at Black's E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O O . . . . .
  . . . X . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
call IkkenWariSoto D4 D6 E5 E4 D4 F5 D4 E5 D4 E4 E5 D4 E4 E5 D4 E5 E4 [E5=h0+h3:5]

[pg16-wedge-outside-corner-in-atari-white]
# As pg16-wedge-outside-corner-in-atari-black, White to play: e1 = h0 (E4
# caught at once, taken back) against e2 = h2, and White's E5 (h3) above
# its E4 (h1): White's point E5 at h0 + h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O O . . . . .
  . . . X . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
call IkkenWariSoto D4 D6 E5 E4 D4 F5 D4 E5 D4 E4 E5 D4 E4 E5 D4 E5 E4 [E5=h0+h3:5]

[pg16-double-peep-corner-cut-black]
# Black's two-space jump C5-F5; White's D6 and E6 peep beside both gaps
# from above, White H5 stands beyond F5.  D3, E3, C3 and F3 (two lines out
# below) are empty.  Gap D5: White's E4, Black's E5, White's D5, Black's
# D4 leave Black's D4 not weak, so the approach is not read; White's D5
# met by Black's D4: White's evaluation -11, the push at the knight's move
# D4-F5 58, White's cut at C4 (C5's corner below) 23: v = 58; Black's D5
# is worth 0, so D5 gets 58.  Gap E5: White's D4, Black's D5, White's E5,
# Black's E4 leave White's D4 weak, so again no approach; White's E5 met
# by Black's E4: White's evaluation -19, the push at the knight's move
# E4-C5 45, White's cut at F4 (F5's corner below) -10: v = 45; Black's E5
# is worth 0, so E5 gets 45.  The readings are the premise rows.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . X . . X . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group C5 D4 E4 E5 D5 D4 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:group C5 D4 D4 D5 E5 E4 [dl=79 weak=1 d70=1 d90=0]
call HaneMore:value C5 D5 D4 [-11]
call HaneMore:value C5 E5 E4 [-19]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [58]
call KeimaTukeUtu:after C5 E4 C5 E5 E4 [45]
call HaneMore:cut-value C5 C4 D4 C5 D5 D4 [23]
call HaneMore:cut-value C5 F4 E4 F5 E5 E4 [-10]
call HaneMore:value-own C5 D5 [0]
call HaneMore:value-own C5 E5 [0]
call Kankei6Nozoki C5 F5 [D5=58:5 E5=45:5]

[pg16-free-flank-in-area-black]
# Black's two-space jump D3-D6 with no White stone in its box; Black F5
# and White B5, F2 stand near.  The saved area map leaves C4, D4, E4, C5
# and D5 neutral but gives E5, the far gap's flank beside Black's F5, to
# Black (premise row): a point between the stones in someone's area, so the
# general answer proposes nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . X . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
call AreaMap:side C4 D4 E4 C5 D5 E5 [C4=neutral C5=neutral D4=neutral D5=neutral E4=neutral E5=black]
call Kankei6Free:as-saved D3 D6 [none]

[pg16-free-flank-in-area-white]
# As pg16-free-flank-in-area-black, White to play: nothing either.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O . . . X . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
call AreaMap:side C4 D4 E4 C5 D5 E5 [C4=neutral C5=neutral D4=neutral D5=neutral E4=neutral E5=black]
call Kankei6Free:as-saved D3 D6 [none]

[pg16-peep-caught-at-once-black]
# Black's two-space jump C5-F5; White's D6 peeps beside the gap D5, Black
# holds C6 and D7 around it and C4 (C5's corner below, so White can
# neither cut there nor play the corner reading); White C7 and E7, Black
# D2.  D3, C3 and E3 (two lines out below) are empty.  White's E4, Black's
# E5, White's D5, Black's D4 leave Black's D4 not weak, so the approach is
# not read.  White's D5 met by Black's D4: White's evaluation h1 = 1, the
# push at the knight's move D4-F5 -55 (premise rows), the corner reading
# and the cut at C4 nothing (-1): v = 1.  Black's D5 leaves White's D6 in
# atari (E6 alone): o = h0 = 3, and with Black's capture at E6 as well
# t = h2 = 93; o moves a third of the way: 3 + 90/3 = 33, plus v:
# o + (t - o)/3 + p = 34 at Black's D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O X O . . . .
  . . X O . . . . .
  . . X . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
call HaneMore:group C5 D4 E4 E5 D5 D4 [dl=0 weak=0 d70=0 d90=0]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [-55]
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 C5 D5 D5 E6 [D5=o+(t-o)/3+p:5]

[pg16-peep-all-readings-negative-black]
# Black's two-space jump C5-F5; White's D6 peeps beside the gap D5 and
# Black holds C4 (C5's corner below: no cut there, no corner reading);
# White B4 and F7, Black G7 stand off.  White's E4, Black's E5, White's D5,
# Black's D4 leave White's E4 weak, so the approach is not read.  White's
# D5 met by Black's D4: White's evaluation h1 = -1, the push at the
# knight's move D4-F5 -1 (premise row), the corner reading and the cut -1:
# v = -1, not positive.  Black to play adds Black's D5 (h0 = -4) plus v:
# s = h0 + h1 = -5, with no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O X . .
  . . . O . . . . .
  . . X . . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group C5 E4 E4 E5 D5 D4 [dl=78 weak=1 d70=1 d90=0]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [-1]
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 [D5=s:5]
call Kankei6Nozoki:bonus C5 F5 C5 D5 C5 D5 D4 [D5=s:5 D5+0]

[pg16-edge-peep-outside-stone-black]
# Black's D3 and the edge below (gap points D2, D1); White's C2 peeps
# beside D2, White F1 stands two lines out beside D1 on the free side,
# Black F3 two lines out beside the stone (above the third line).  F2 and
# C1 are empty; G1, one line further out beside F1, has two empty
# neighbours (H1, G2).  Black's line: D1, White D2, Black E2, White E1,
# Black G1, White C1, Black F2: a = h0 = 9.  White's push at D2 is worth
# 29, White's G2 (all four neighbours empty) 43 (premise rows): b = 43 =
# h1.  Black to play: Black's D1 at s = 52, with White's D2 answered by
# Black's E2 prepared.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . O . . . . . .
  . . . . . O . . .
call HaneMore:value D3 D2 [29]
call HaneMore:value D3 G2 [43]
call Kankei6EdgeNozoki:prep:pin3 D3 D2 D3 D1 D2 E2 E1 G1 C1 F2 D3 G2 [D1=s:5 D1/D2/E2]

[pg16-edge-peep-outside-stone-white]
# As pg16-edge-peep-outside-stone-black, White to play: White's D2 at the
# same s, nothing prepared.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . O . . . . . .
  . . . . . O . . .
call Kankei6EdgeNozoki:prep:pin3 D3 D2 D3 D1 D2 E2 E1 G1 C1 F2 D3 G2 [D2=s:5]

[pg16-edge-no-peep-black]
# Black's D3 and the edge below; White's C3 stands beside the stone, but
# neither C2 nor E2 beside the gap D2 is White's: no peep, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki D3 D2 [none]

[pg16-double-peep-value-two-white]
# Black's two-space jump C5-F5; White's D6 and E6 peep beside both gaps
# from above, White E7 behind them; Black C6 above C5, Black B4 and F4
# below.  D3, C3, E3 (two lines out below) are empty.  Gap D5: after
# White's E4, Black's E5, White's D5, Black's D4 White's E4 is dead, so the
# approach is not read; White's D5 met by Black's D4: White's evaluation 1,
# the push at the knight's move D4-F5 0, White's cut at C4 refused (C4
# would have one liberty): v = 1; Black's D5 is worth 1: a value of 2,
# which is 8 with White to play, at White's D5.  Gap E5: after White's D4,
# Black's D5, White's E5, Black's E4 White's D4 is dead: no approach;
# White's E5 met by Black's E4: White's evaluation 1, the knight's-move
# push E4-C5 7, the cut at F4 refused (Black's stone): v = 7; Black's E5
# is worth 1: 8 at White's E5.  The readings are the premise rows.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X O O . . . .
  . . X . . X . . .
  . X . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group C5 E4 E4 E5 D5 D4 [dead]
call HaneMore:group C5 D4 D4 D5 E5 E4 [dead]
call HaneMore:value C5 D5 D4 [1]
call HaneMore:value C5 E5 E4 [1]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [0]
call KeimaTukeUtu:after C5 E4 C5 E5 E4 [7]
call HaneMore:cut-value C5 C4 D4 C5 D5 D4 [-1]
call HaneMore:cut-value C5 F4 E4 F5 E5 E4 [-1]
call HaneMore:value-own C5 D5 [1]
call HaneMore:value-own C5 E5 [1]
call Kankei6Nozoki C5 F5 [D5=8:5 E5=8:5]

[pg16-double-peep-value-two-black]
# Black's two-space jump C5-F5; White's D6 and E6 peep beside both gaps
# from above, White G7 further off; Black C6 above C5, Black C4 below it
# and F3 two lines below F5.  D3, C3 and E3 are empty.  Gap D5: after
# White's E4, Black's E5, White's D5, Black's D4 White's E4 is dead: no
# approach; White's D5 met by Black's D4: White's evaluation 1, the push
# at the knight's move D4-F5 -1, the cut at C4 refused (Black's stone):
# v = 1; Black's D5 is worth 1: a value of 2, which is 6 with Black to
# play, at Black's D5.  Gap E5: after White's D4, Black's D5, White's E5,
# Black's E4 White's D4 is dead; White's E5 met by Black's E4: White's
# evaluation 2, the push at the knight's move E4-C5 0, the cut at F4
# refused (F4 would have one liberty): v = 2; Black's E5 is worth 1: 3 at
# Black's E5.  The readings are the premise rows.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . X O O . . . .
  . . X . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group C5 E4 E4 E5 D5 D4 [dead]
call HaneMore:group C5 D4 D4 D5 E5 E4 [dead]
call HaneMore:value C5 D5 D4 [1]
call HaneMore:value C5 E5 E4 [2]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [-1]
call KeimaTukeUtu:after C5 E4 C5 E5 E4 [0]
call HaneMore:cut-value C5 C4 D4 C5 D5 D4 [-1]
call HaneMore:cut-value C5 F4 E4 F5 E5 E4 [-1]
call HaneMore:value-own C5 D5 [1]
call HaneMore:value-own C5 E5 [1]
call Kankei6Nozoki C5 F5 [D5=6:5 E5=3:5]

[pg16-peep-corner-reading-captures-end-white]
# Black's two-space jump C5-F5, Black H5 beyond F5; White's D6 peeps
# beside the gap D5 and White's B5, B6, C6 leave C5 with C4 and D5 for
# liberties; White A4 and F3 stand off.  D3, C3 and E3 (two lines out
# below) are empty.  White's E4, Black's E5, White's D5, Black's D4 leave
# White's E4 weak: no approach.  White's D5 met by Black's D4 (White's
# evaluation -26): the corner reading.  C4 is empty and open to White, E4
# is above the first line and C5 has one liberty (C4).  White's E4,
# Black's E5, White's C4 capture C5; White's C4 then has three liberties
# and Black's D4 one (D3): Black extends at D3, C5 is empty, and White's
# evaluation there is 40; with Black's C4 and White's E5 instead it is 29:
# the reading gives 29.  The knight's-move push D4-F5 is 27 and White's
# cut at C4 -11 (premise rows): v = 29.  Black's D5 (3) captures nothing:
# White's D6-C6-B6-B5 keeps six liberties.  3 + 29 = 32 at White's D5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O . . . . .
  . O X . . X . X .
  O . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:group C5 E4 E4 E5 D5 D4 [dl=84 weak=1 d70=1 d90=0]
call HaneMore:value C5 D5 D4 [-26]
call HaneMore:value C5 D5 D4 E4 E5 C4 D3 [40]
call HaneMore:value C5 D5 D4 E4 C4 E5 [29]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [27]
call HaneMore:cut-value C5 C4 D4 C5 D5 D4 [-11]
call HaneMore:value-own C5 D5 [3]
call Kankei6Nozoki C5 F5 [D5=32:5]

[pg16-peep-corner-reading-captures-end-black]
# As pg16-peep-corner-reading-captures-end-white, Black to play: the same
# readings, Black's D5 at 32.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O . . . . .
  . O X . . X . X .
  O . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C5 D5 D4 E4 E5 C4 D3 [40]
call HaneMore:value C5 D5 D4 E4 C4 E5 [29]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [27]
call Kankei6Nozoki C5 F5 [D5=32:5]

[pg16-wedge-outside-tie-keeps-corner-white]
# Black's one-space jump D4-D6; White wedges at D5 with C5 beside it (White
# D7 above D6, H5 off to the side), Black's block is E5 (P), the corner E4
# (Y) beside D4 has White's E3 just behind it, F5 (PP) is empty; Black D3,
# F3 and E2 surround E3, White F2 and Black G2 below.  Black's D4-D3 has
# four liberties.  Black's E5 leaves C5-D5 three liberties; White's E4 then
# has F4 alone (with E3), so it is taken back: e1 = h0 = 49, against
# Black's E4 met by White's E5, e2 = h2 = -8.  White's E4 met by Black's
# E5: E5 (liberties E6, F5) escapes (E6 joins D6 with C6 and E7 free, F5
# has three liberties), f = h1 = 8; White's E5 met by Black's E4 is worth
# as much, h3 = 8, not more: White's point stays the corner E4, at
# h0 + h1 = 57.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . O O . . . O .
  . . . X . . . . .
  . . . X O X . . .
  . . . . X O X . .
  . . . . . . . . .
call IkkenWariSoto D4 D6 E5 E4 D4 F5 D4 E5 D4 E4 E5 D4 E4 E5 D4 E5 E4 [E4=h0+h1:5]

[pg16-edge-peep-cut-stone-laddered-black]
# Black's C3-D3 on the third line and the edge below D3 (gap points D2,
# D1); White's C2-C1 peeps beside D2, Black B2 beside it and Black F1 on
# the first line.  E2 (N) has four empty neighbours, E3 (W) is empty,
# White's C2-C1 has three liberties (B1, D1, D2) and two stones, F3 is
# empty and F1 is Black's: the cut at E2 is read directly.  White's E2,
# Black's D2, White's D1 leave C2-C1-D1 with B1 and E1: Black's E1 (joined
# to F1) leaves only B1, and White's B1 has A1 alone: the ladder catches
# the peeping stones, so nothing is proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O . . . . . .
  . . O . . X . . .
call Kankei6EdgeNozoki D3 D2 [none]

[pg16-edge-peep-cut-stone-laddered-white]
# As pg16-edge-peep-cut-stone-laddered-black, White to play: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O . . . . . .
  . . O . . X . . .
call Kankei6EdgeNozoki D3 D2 [none]

[pg16-edge-peep-cut-point-on-side-edge-bonus-black]
# Black B3's jump to the bottom edge with White's peep C2-D2 on the right:
# the cut point N = A2 is on the first line of the left edge, so the
# side-edge reading answers: Black's B2 (h0) plus White's B2 (h1), s, with
# no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . O O . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pin-bonus B3 B2 B3 B2 B3 B2 [B2=s:5 B2+0]

[pg16-edge-peep-dead-connection-premise]
# The premise of the two pg16-edge-peep-dead-connection rows: with Black's
# connection at D2 on the board, the group D2-D3-E3 counts as dead.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . O . . .
  . . . X X . . . .
  . . O X . O . . .
  X . O . . . . . .
status D2 [dead]

[pg16-edge-peep-dead-connection-white]
# Black's D3-E3 on the third line, the edge below D3 (gap points D2, D1);
# White's C2-C1 peeps beside D2, White F2 beside the cut point E2, White
# A4 and F4 above, Black A1 in the corner.  E2 has two empty neighbours
# and Black holds E3 (W): the general reading.  Black's D2 leaves C2-C1
# four liberties, and Black's group at D2 is then dead (premise row): a =
# 0.  White's push at D2 met by Black's cut at E2 leaves White's C2-D2-C1
# alive and not weak (premise row), so b is White's evaluation there, 4.
# v = 4 at White's D2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . O . . .
  . . . X X . . . .
  . . O . . O . . .
  X . O . . . . . .
call HaneMore:group D3 D2 D2 E2 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:value D3 D2 E2 [4]
call Kankei6EdgeNozoki D3 D2 [D2=4:5]

[pg16-edge-peep-dead-connection-black]
# As pg16-edge-peep-dead-connection-white, Black to play: a = 0 (the
# connected group is dead), b = White's evaluation after D2 and Black's
# E2, 2: v = 2.  Black's point moves to C3 (Y): with D2 on the board, C3
# and B2 were empty, five of C3's eight surrounding points are empty (B2,
# B3, B4, C4, D4) and three of B2's neighbours (A2, B1, B3).  2 at C3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . O . . .
  . . . X X . . . .
  . . O . . O . . .
  X . O . . . . . .
call HaneMore:value D3 D2 E2 [2]
call Kankei6EdgeNozoki D3 D2 [C3=2:5]

[pg16-edge-peep-extension-laddered-white]
# Black's D3-E3-E4, the edge below D3 (gap points D2, D1); White's C2
# peeps beside D2, C3 (Y) is empty, Black's B2 stands two points out on
# the peep's side and White's B3 above it, White A1 in the corner.  Black's
# B2 (liberties A2, B1) is caught in a ladder (premise row): Black's D2
# (h0) and White's D2 (h1) are read; E2 has three empty neighbours (E3 is
# Black's), so White's point is the gap D2 itself: s = h0 + h1 at D2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . X X . . . .
  . X O . . . . . .
  O . . . . . . . .
ladder B2 [1 B1]
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[pg16-edge-peep-extension-laddered-black]
# As pg16-edge-peep-extension-laddered-white, Black to play: Black's D2 at
# s = h0 + h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . X X . . . .
  . X O . . . . . .
  O . . . . . . . .
call Kankei6EdgeNozoki D3 D2 D3 D2 D3 D2 [D2=s:5]

[pg16-wedge-outside-owner-beyond-block-in-atari-white]
# Black's one-space jump D4-D6; White wedges at D5 with E5 beside it, so
# Black's block is C5 (P), the corner C4 (Y) beside D4 has White's C3 just
# behind it, and Black's B5 (PP) stands beyond the block with White's B4
# and B6 beside it; Black C6, B7, D8 and F4 stand near.  Black's D4 has
# three liberties.  Black's C5 leaves D5-E5 three liberties; White's C4
# then joins B4 and C3 with four liberties: no capture, e1 = h0 = -1.
# Black's C4 met by White's C5: e2 = h2 (far lower).  best = -1 at
# Black's C5.  White's C4 met by Black's C5 (joined to B5 and C6, no
# ladder): f = h1.  White's C5 met by Black's C4 leaves Black's B5 in atari
# (A5 alone): White takes it at A5, h3, more than h1: f = h3 at White's C5.
# h0 + h3 at White's C5.
white to play
  . . . . . . . . .
  . . . X . . . . .
  . X . . . . . . .
  . O X X . . . . .
  . X . O O . . . .
  . O . X . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto D4 D6 C5 C4 D4 B5 D4 C5 C4 D4 C4 C5 D4 C4 C5 D4 C5 C4 A5 [C5=h0+h3:5]

[pg16-wedge-outside-owner-beyond-block-in-atari-black]
# As pg16-wedge-outside-owner-beyond-block-in-atari-white, Black to play:
# Black's block C5 at h0 + h3.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . X . . . . . . .
  . O X X . . . . .
  . X . O O . . . .
  . O . X . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto D4 D6 C5 C4 D4 B5 D4 C5 C4 D4 C4 C5 D4 C4 C5 D4 C5 C4 A5 [C5=h0+h3:5]

[pg16-peep-corner-reading-worth-nothing-black]
# Black's two-space jump C5-F5 with G5-H5 beyond F5; White's D6 peeps
# beside the gap D5, White's B5 and C6 leave C5 with C4 and D5; Black B4
# and C7, White A6, B7, H6, F4, D2 and E2.  D3, C3 and E3 are empty.
# White's E4, Black's E5, White's D5, Black's D4 leave White's E4 weak: no
# approach.  White's D5 met by Black's D4: White's evaluation -39.  The
# corner reading: C4 is empty and open to White, E4 above the first line,
# C5 has one liberty; White's E4, Black's E5, White's C4 take C5, White's
# C4 keeps two liberties (C3, C5) and Black's D4 one (D3): Black's D3,
# and White's evaluation there is 0 (premise row), not positive, so the
# reading gives 0 as it stands.  The knight's-move push D4-F5 is -2 and
# White's cut at C4 -2: v = 0, not positive.  Black to play adds Black's
# D5 (58) plus v: 58.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  O . O O . . . O .
  . O X . . X X X .
  . X . . . O . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . . . . . .
call HaneMore:group C5 E4 E4 E5 D5 D4 [dl=43 weak=1 d70=0 d90=0]
call HaneMore:value C5 D5 D4 [-39]
call HaneMore:value C5 D5 D4 E4 E5 C4 D3 [0]
call KeimaTukeUtu:after C5 D4 F5 D5 D4 [-2]
call HaneMore:cut-value C5 C4 D4 C5 D5 D4 [-2]
call HaneMore:value-own C5 D5 [58]
call Kankei6Nozoki C5 F5 [D5=58:5]

[pg16-edge-peep-direct-extension-kills-premise]
# The premise of pg16-edge-peep-direct-extension-kills-black: with Black's
# extension at B2 on the board, White's C2-C1 counts as dead.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . X . .
  X X . X . . . . .
  O X O . . . . . .
  . . O . . . . . .
status C2 [dead]

[pg16-edge-peep-direct-extension-kills-black]
# Black's D3 on the third line, the edge below (gap points D2, D1);
# White's C2-C1 peeps beside D2; Black B3 (two points out on the peep's
# side) with A3, White A2 (three out), B2 and B1 below B3 empty; Black
# E4-E5 and G4 above; Black's group at D3 has six stones (premise row).
# E2 has four empty neighbours, E3 and C3 are empty, White's C2-C1 has five
# liberties: the cut at E2 is read directly.  White's E2, Black's D2,
# White's D1 leave C2-C1-D1 four liberties and E2 three: no ladder, b =
# White's evaluation there, 34; White's F1 (three empty neighbours) is only
# 16.  Black's D2 puts nothing in atari: a = Black's evaluation after D2,
# -2.  B2 is empty, B3 Black's, A2 White's and B1 empty: Black's B2 leaves
# White's C2-C1 dead (premise problem), so Black's point is B2.
# v = 32 (six stones: no reduction), a third for the negative a: 10; Black
# to play, at least 8 with b positive: 14 at B2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . X . .
  X X . X . . . . .
  O . O . . . . . .
  . . O . . . . . .
call Gun:stones D3 [6]
call HaneMore:value-own D3 D2 [-2]
call HaneMore:value D3 E2 D2 D1 [34]
call HaneMore:value D3 F1 [16]
call Kankei6EdgeNozoki D3 D2 [B2=14:5]

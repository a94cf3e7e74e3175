# Jump links and knight's-move shapes, eighth set.  Lines and forms as in
# links-twospace.tst (LinkRoutines.cpp); "premise" marks an evaluation the
# row takes as given.  "Kankei6Free:neutral" (LinksPin7Routines.cpp) sets
# the saved area map neutral on the six points between the stones.

[two-space-free-third-flank-best-black]
# Black's two-space jump J3-J6 on the second line from the right edge of a
# 10x10 board, White's lone G7 above and to the left; the six points
# between the stones are neutral.  The gaps are J4 (next to A) and J5;
# Black's points beside them are H4 and K4 beside J4, H5 and K5 beside J5
# (the flanks in box order H4, K4, H5, K5).  Premise: Black's H5, which
# stands between White's G7 and the jump, is worth strictly more to Black
# than H4, K4 and K5, and White's push at J5, toward its G7, is worth
# strictly more to White than J4.  So White's gap point is J5 (the second
# gap, strictly better) and Black's point is H5, the third flank: Black to
# play adds H5 at Black's H5 value plus White's J5 value, s = h0 + h1.
black to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . O . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral J3 J6 J3 H5 J3 J5 [H5=s:5]

[two-space-free-third-flank-best-white]
# The same position, White to play: White's gap point J5 at the same value.
white to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . O . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral J3 J6 J3 H5 J3 J5 [J5=s:5]




[edge-peep-extension-doubled-black]
# The position of edge-peep-extension-third-move-black (links-k6-pin4.tst)
# with White's J4 added on the right, three points from Black's G3: none
# of the shape's points changes, so the readings are the same three lines:
# a = Black F2, White D2, Black C2, White C3 (h0); b = White F2, Black G2
# (h1, White's line); the bonus e = Black F2, D2, White C2, Black D3 (h2).
# Premise: with J4 White's push at F2 is worth more to White than before,
# the three evaluations being h0 = 24, h1 = -14 and h2 = 31.  Then
# v = a + b = 10 > 0, and twice v, 20, is below e = 31: the value is
# doubled to 20 and the bonus lowered by it to 31 - 20 = 11.  Black's F2,
# 20, bonus 11.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . O
  . . . . O X X . .
  . . . . O . . . .
  . . . X X . . . .
call Kankei6EdgeNozoki:bonus-lines F3 F2 F3 F2 D2 C2 C3 F3 F2 G2 F3 F2 F2 D2 C2 D3 [=F2:11 F2=20:5]

[edge-peep-extension-doubled-white]
# The same position, White to play.  Premise: with White to move the
# three evaluations are h0 = 26, h1 = -14 and h2 = 33.  v = 12 > 0 and
# twice v, 24, is below e = 33: White's F2 at the doubled value 24, no
# bonus (the bonus goes to the owner only).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . O
  . . . . O X X . .
  . . . . O . . . .
  . . . X X . . . .
call Kankei6EdgeNozoki:bonus-lines F3 F2 F3 F2 D2 C2 C3 F3 F2 G2 F3 F2 F2 D2 C2 D3 [=F2:0 F2=24:5]


[edge-attach-corner-ladder-white]
# Black's second-line G2 jumps to the bottom edge (gap G1) in the
# lower right corner; White's F2 (K) stands beside it on the smaller side,
# joined to White's wall E2-E3-D3-D4-D5, and Black's G2 joins H2: the
# chain G2-H2 has three liberties (G1, H1, J2), White's G3 and F2 taking
# the others.  S = H1, the first-line point beyond the stone, is next to
# the corner; N = F1, under K, is not.  Beyond G2 from K stands Black's H2
# with J2 empty beyond it, and above H2 White's H3 with G3, a chain of two
# liberties (H4, J3) that Black's H4 ladders (White's J3, Black's J4,
# White's J2, Black's J1 takes it in the corner).  So the corner reading
# runs: White's H1, Black's H4, White's G1, Black's J3 (taking G3-H3),
# valued for White; premise: that evaluation is 10.  White to play adds H1
# at 10.  The general reading adds White's G1 as well (premise: at 7).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X X X
  . . . O O X X X X
  . . . O . X X . .
  . . . O O X O O .
  . . . . O O X X .
  . . . . . . . . .
call IkkenEdgeTukeYomi G2 G1 [G1=7:5 H1=10:5]

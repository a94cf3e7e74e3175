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

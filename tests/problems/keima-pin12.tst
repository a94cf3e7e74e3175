# Knight's moves: the value of the move between a knight's move and a large
# knight's move.  "KeimaOgeimaHokyo:value P M1 MID K" (tests/engine/shapes/
# KeimaPin12Routines.cpp) answers the candidate at P against the sum r of
# its two readings: the engine's P, the opponent's M1 and the engine's MID
# (scored for the engine), and the opponent's K alone (scored for the
# opponent); "KeimaOgeimaHokyo:sum" states that sum as a premise.

[between-bottom-line-value]
# The position of keima-pin4.tst [between-bottom-line]: White's E1 reaches
# Black's D3 by a knight's move and Black's F4 by a large knight's move;
# White plays E3 (M2), Black's answer E4 (M1), White's MID D2, and K, one
# step beyond E3 from E4, is E2.  The value is the plain sum of the two
# readings (10, premise) with 4 added for a sum of 8 or more, and the move carries no tie-break
# bonus.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . O . . . X . . .
  O O . X . . . . .
  . O . . . . . . .
  O O O O O . . . .
call KeimaOgeimaHokyo:sum E3 E4 D2 E2 [10]
call KeimaOgeimaHokyo:value E3 E4 D2 E2 [E3=r+4]

[between-bottom-line-sum-eight]
# The same with Black's J2 added far from the shape: the two readings now
# sum to exactly 8 (premise), the least sum that takes the addition of 4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . O . . . X . . .
  O O . X . . . . .
  . O . . . . . . X
  O O O O O . . . .
call KeimaOgeimaHokyo:sum E3 E4 D2 E2 [8]
call KeimaOgeimaHokyo:value E3 E4 D2 E2 [E3=r+4]

[between-bottom-line-sum-seven]
# Black's H5 in place of J2: the readings sum to 7 (premise), one below
# the bound, and the candidate keeps the plain sum.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . X .
  . O . . . X . . .
  O O . X . . . . .
  . O . . . . . . .
  O O O O O . . . .
call KeimaOgeimaHokyo:sum E3 E4 D2 E2 [7]
call KeimaOgeimaHokyo:value E3 E4 D2 E2 [E3=r]

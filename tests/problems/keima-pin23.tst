# Knight's moves: the attacker's stones on both side points, the value of
# the two sides' tries ON the bound where a candidate is proposed at all.
# Commands as in keima-pin.tst ("KeimaTuke:pin A B P [Q] F...": the
# candidate at P against the sum of readings F..., a term opened by A read
# with the owner first, one opened by B with the attacker first; inside a
# term a stone of the owner's colour opens an alternative of which the
# larger counts).  "HaneMore:value-own A M..." and "HaneMore:value A M..."
# print the premises: the reading of the owner's (the attacker's) try,
# scored for the side that starts it.
#
# Black's D5-E7 with White's E5 and D7 on both side points; the middle
# points are D6 and E6.  Each side tries both middle points, the other
# side answering at the remaining one; the better try of each side counts
# and a side's better try is cut to 0 only when the two sides' better
# tries have opposite signs.  A candidate is proposed when the sum of the
# two better tries is above 0.

[ryo-sum-one-premise]
# White's C6 beside D6, Black's G6 beyond E6.  Black's tries: D6 answered
# at E6 is -1 for Black, E6 answered at D6 is 0.  White's tries: D6
# answered at E6 is 0 for White, E6 answered at D6 is 1.  No try ends in a
# ladder: Black's D6 and White's D6 join the stones beside them with many
# liberties, White's E6 joins E5 with four (D6, F6, F5, E4).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . X . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 D6 E6 [-1]
call HaneMore:value-own D5 E6 D6 [0]
call HaneMore:value D5 D6 E6 [0]
call HaneMore:value D5 E6 D6 [1]

[ryo-sum-one-black]
# The position of [ryo-sum-one-premise].  Black's better try is E6 (0
# against -1), White's better try is E6 (1 against 0).  Black's is 0, so
# neither is cut: the sum is 0 + 1 = 1, above 0, and the candidate stands
# at E6 for either side (Black's better point and White's are the same),
# valued 1: Black's better try (G6 opening the alternative) plus White's
# E6 answered at D6.  Named E7 D5, the same stones are read through the
# other end's cells.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . X . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E6 D5 D6 E6 G6 E6 D6 E7 E6 D6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 E7 D6 E6 G6 E6 D6 D5 E6 D6 [E6=r:5]

[ryo-sum-one-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . X . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E6 D5 D6 E6 G6 E6 D6 E7 E6 D6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 E7 D6 E6 G6 E6 D6 D5 E6 D6 [E6=r:5]

[ryo-sum-zero-premise]
# Black's C6, F4 and H9 around the box.  Every try reads 0: Black's D6
# answered at E6 and E6 answered at D6, White's the same, each scored for
# the side that starts it.
black to play
  . . . . . . . X .
  . . . . . . . . .
  . . . O X . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 D6 E6 [0]
call HaneMore:value-own D5 E6 D6 [0]
call HaneMore:value D5 D6 E6 [0]
call HaneMore:value D5 E6 D6 [0]

[ryo-sum-zero-black]
# The position of [ryo-sum-zero-premise]: both sides' better tries are 0,
# the sum is 0, not above 0: no candidate, whoever plays and whichever end
# names the pair.
black to play
  . . . . . . . X .
  . . . . . . . . .
  . . . O X . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 D5 D6 E6 F4 E6 D6 [none]
call KeimaTuke:pin E7 D5 E6 E7 D6 E6 F4 E6 D6 [none]

[ryo-sum-zero-white]
white to play
  . . . . . . . X .
  . . . . . . . . .
  . . . O X . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 D5 D6 E6 F4 E6 D6 [none]
call KeimaTuke:pin E7 D5 E6 E7 D6 E6 F4 E6 D6 [none]

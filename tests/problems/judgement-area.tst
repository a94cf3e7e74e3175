# The position judgement: Black's lead on the scale of the evaluation (2 a
# point): -2 x komi, 2 a prisoner either way, the area map's value of every
# empty point, -4 a dead-marked black stone and +4 a dead-marked white one,
# and -4 (black) or +4 (white) a stone of every group that is not dead, has
# an eye value below 3 and a death level above 70.
#
#   call KeiseiHandanCalc:komiK   the judgement from Black's side with komi
#       K, against the sum of the area map over the empty points as the
#       analysis of the position left it: "j=area-13"
#   call KeiseiHandan:komi6.5     the same from the side to move's view: for
#       White both the judgement and the area sum change sign
#
# The positions are those of judgement.tst, whose groups F5 G5 F4 stand at
# death level 70 and 71 with eye value 2 (one eye), worked there by hand.
# The lone stone on the edge line beside the group (G2) is marked dead
# (the status check pins that premise): -4 for a black one, +4 for a
# white one.  The group itself is not marked dead, so its own step, the
# nearly dead group, decides at 70 and 71.  No stone was captured.

[judgement-white-group-at-death-level-70]
# White's three stones at death level 70: not above 70, they count as a
# live group.  Komi 6.5 gives -13, Black's dead G2 -4: -17.  Without komi
# -4.
white to play
  . . X . . . .
  . . . . . . .
  . . X . . O O
  . . . . . O .
  . . . . . . .
  . . . . . . X
  . . . . . . .
status G2 [dead]
status F5 [alive]
call KeiseiHandanCalc:komi6.5 [j=area-17]
call KeiseiHandanCalc:komi0 [j=area-4]

[judgement-white-group-at-death-level-71]
# Black's A1 puts the group at death level 71 (eye value 2, below 3): its
# three white stones count 4 each for Black: -13 - 4 + 12 = -5; without
# komi -4 + 12 = 8.
white to play
  . . X . . . .
  . . . . . . .
  . . X . . O O
  . . . . . O .
  . . . . . . .
  . . . . . . X
  X . . . . . .
status G2 [dead]
status F5 [alive]
call KeiseiHandanCalc:komi6.5 [j=area-5]
call KeiseiHandanCalc:komi0 [j=area+8]

[judgement-white-group-at-death-level-71-for-white]
# The same judged for White, the side to move: the sign turns, +5 against
# White's area (the area sum with its sign turned).
white to play
  . . X . . . .
  . . . . . . .
  . . X . . O O
  . . . . . O .
  . . . . . . .
  . . . . . . X
  X . . . . . .
call KeiseiHandan:komi6.5 [j=area+5]

[judgement-white-group-at-death-level-70-for-white]
# Death level 70 judged for White: +17 against White's area.
white to play
  . . X . . . .
  . . . . . . .
  . . X . . O O
  . . . . . O .
  . . . . . . .
  . . . . . . X
  . . . . . . .
call KeiseiHandan:komi6.5 [j=area+17]

[judgement-black-group-at-death-level-70]
# The colours exchanged: Black's group at death level 70 counts as live;
# komi -13 and White's dead G2 +4: -9, for Black to move the same.
black to play
  . . O . . . .
  . . . . . . .
  . . O . . X X
  . . . . . X .
  . . . . . . .
  . . . . . . O
  . . . . . . .
status G2 [dead]
call KeiseiHandanCalc:komi6.5 [j=area-9]
call KeiseiHandan:komi6.5 [j=area-9]

[judgement-black-group-at-death-level-71]
# Black's group at death level 71: its three stones count -4 each for
# Black: -13 + 4 - 12 = -21, for Black to move the same; without komi
# 4 - 12 = -8.
black to play
  . . O . . . .
  . . . . . . .
  . . O . . X X
  . . . . . X .
  . . . . . . .
  . . . . . . O
  O . . . . . .
status G2 [dead]
status F5 [alive]
call KeiseiHandanCalc:komi6.5 [j=area-21]
call KeiseiHandan:komi6.5 [j=area-21]
call KeiseiHandanCalc:komi0 [j=area-8]

# The kill at a border point: a group left with exactly two eyes after the
# exchange is not killed.
#   call GunMe V    the eye value of the group at V as the analysis gives it
#       (keima-pin.tst): the premise the rows stand on
#   call KillBorderPoint V    (generators.tst) the kill pass at the border
#       points of the group at V: each candidate as "P=K:9" (the group's
#       value K), sorted ("none")
#
# White's top edge group A8-B8, D8-E8-F8-F9 round the space A9-E9 under
# Black's wall A7-G7 and G8-G9, its mouth C8 beside Black's C7.  C9 is the
# one border point of the space with three empty neighbours (B9, D9, C8);
# C8 has one empty neighbour (C9) and one Black neighbour (C7).  Black's C9
# answered by White's C8 splits the space into A9-B9 and D9-E9: two eyes
# of two points each, Black's C9 (liberties B9 and D9) dead between them.
# Eye value 4 is not below 4: no kill, whoever is to play.

[border-kill-exchange-leaves-two-eyes]
# The position after Black's C9 and White's C8: the two-point eyes A9-B9
# (the corner) and D9-E9 (between Black's dead C9 and White's F9), one eye
# each: 2 + 2.
black to play
  . . X . . O X . .
  O O O O O O X . .
  X X X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [4]

[border-kill-two-eyes-left-black-to-play]
# Black to play: the group is the opponent's; the exchange C9, C8 leaves
# it two eyes, so no candidate.
black to play
  . . . . . O X . .
  O O . O O O X . .
  X X X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint A8 [none]

[border-kill-two-eyes-left-white-to-play]
# White to play: the group is the engine's own; the same exchange leaves it
# two eyes, so the defending move C8 is not proposed either.
white to play
  . . . . . O X . .
  O O . O O O X . .
  X X X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint A8 [none]

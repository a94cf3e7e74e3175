# The endgame's border point where the opponent's hane point decides the
# engine's gain, and the gates that drop a border point before it is
# valued: a dead stone of the opponent's beside it.
#
#   call YoseBorderValue:hane P Q    J's stone at P has two of O's stones
#       diagonal to it on one side, and the point Q between them (next to
#       P) is empty and playable: O hanes there.  A = J's evaluation after
#       J at P and O at Q, when O's stone at Q keeps two liberties or more;
#       B = O's evaluation after O at P (no atari), counted when B >= -1.
#       v = A + B stored as (v, 0) when v >= 2 or v < 0, (0, 5) when v = 1,
#       (0, 0) when v = 0: "P=r/b", then "hane<plain" when A is below J's
#       evaluation after J at P alone
#   call YoseBorderValue:hane-atari P Q   the same where O's hane stone at Q
#       is in atari: J's gain is then its evaluation after J at P alone,
#       uncounted floors and no atari bonus
#   call YoseBorderValue:gate P   P valued alone: the candidates left
#       ("none" when a gate drops P)

# --- The hane point ----------------------------------------------------------

[endgame-border-hane-point-between-two-diagonal-stones]
# Black's wall on line 7 with its D5 and F5 in front, White's wall on line
# 3.  White's E4 touches its wall; D5 and F5 are diagonal to E4 on the
# upper side, and E5 between them is empty, legal and no self-atari for
# White: Black hanes at E5, and the hane stone joins D5 and F5 with many
# liberties.  So White's gain is read after White E4 and Black E5 (A = 1:
# the hane takes back one of the two points E4 alone gains), not after E4
# alone.  Black's E4 ataris nothing and gains B = 1, counted.  v = 1 + 1
# = 2, stored as it is with bonus 0 (E4 alone would have made it 3).
white to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:hane E4 E5 [E4=r/b hane<plain]

[endgame-border-hane-point-between-two-diagonal-stones-other-side]
# The same position turned upside down with the colours exchanged: Black's
# E6 under White's D5 and F5, which hane at E5 below E6.  A = 1, B = 1:
# v = 2, bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderValue:hane E6 E5 [E6=r/b hane<plain]

# --- Gates -------------------------------------------------------------------

[endgame-border-point-beside-a-dead-stone]
# The hane position with Black's E2 alone inside White's area under White's
# wall: the stone is dead.  White's D2 touches White's wall (D3) and the
# dead stone: a dead stone of the opponent's next to the border point is
# captured, not bargained with, so D2 is not valued.
white to play
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . X . . . .
  . . . . . . . . .
call YoseBorderValue:gate D2 [none]

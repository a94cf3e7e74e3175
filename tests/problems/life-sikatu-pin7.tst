# Life and death rows on the escape test of a lone stone and on the pass
# over a group of eye value 2.
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on
#   call GunDeathLevel V   the death level of the group at V as the
#       analysis gives it (life-sikatu-pin6.tst): "level=L", "weak" when
#       the group counts as weak, then its breathing points, sorted
#   call NigeruCheck V   the escape test (life-pin5.tst): "runs" when the
#       group's colour taking one of its breathing points lowers the death
#       level of the group of the first stone by 10 or more, "stays"
#       otherwise

# --- The escape test of a group of one stone --------------------------------
# The test plays each breathing point and reads the group that then stands
# on the group's first stone: a group of one stone has no other.

[escape-test-of-a-lone-stone-that-runs]
# Black's lone E2 on the second line between White's C2, G2 and E4: eye
# value 0 (the premise).  Its breathing points are the diagonals D3 and F3
# (kind 2; D1 and F1 lie on the first line, D4 and F4 touch White's E4,
# the knight's points C3 and G3 touch White's C2 and G2, the jump E4 is
# White's): death level 100 - 2 - 2 = 96, weak (the premise).  Black's D3
# makes the two-stone group E2-D3 with death level 81 (the next row): the
# fall 96 - 81 = 15 is 10 or more, so the stone runs.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . O . X . O . .
  . . . . . . . . .
call GunMe E2 [0]
call GunDeathLevel E2 [level=96 weak D3 F3]
call NigeruCheck E2 [runs]

[escape-test-lone-stone-position-after-the-diagonal]
# The row above after Black's D3: the group E2-D3 keeps eye value 0 and
# has death level 81, with breathing points B4, C4, C5 and F3 (the
# premises: 100 less 2 for each diagonal C4, F3, 3 for each knight's point
# B4, C5 and 2 more for each of these two, less 1 for each far relation
# point that no White stone sees).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . O . X . O . .
  . . . . . . . . .
call GunMe E2 [0]
call GunDeathLevel E2 [level=81 weak B4 C4 C5 F3]

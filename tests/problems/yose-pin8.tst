# The endgame's border scan: the opponent's stone that makes a point a
# border point may be its only stone on the point's diagonals, on any side.
# Then the atari whose forced answer is a ladder starting on the first
# column.
#
#   call YoseBorderThink:at V...   (as in life-yose-pin4.tst) the scan of
#       the border points alone: each V as "V" with a candidate there,
#       "V=none" without, ":mark" when marked dealt with
#   call YoseAtariValue:sente P F   (as in generators-more.tst) J's atari at
#       P forces O's answer at F; O's move at P forces nothing: A = J's
#       evaluation after J at P and O at F, B = O's after O at P, C = J's
#       after J at P and J again at F; r = 2 (A + B), or C halved when 2r
#       exceeds C; b = C.  "P=r/b"

# --- One opponent stone on a diagonal is enough --------------------------------

[endgame-border-scan-opponent-only-on-the-upper-left-diagonal]
# Black's living wall across the board on line 3 (its territory below),
# White's across on line 6 with one stone more at E5.  D4 and F4 are empty,
# in no region, unmarked; each touches Black's wall below and empty points
# beside and above it, and White's only stone near it is E5: on D4's
# upper-right diagonal, on F4's upper-left one.  Both go to the border
# reading: White's wall is not dying, Black may play there, its stone joins
# the wall (many liberties, no atari at stake), and the reading stores a
# value, so each keeps a candidate.  C4 has no White stone beside it or on
# a diagonal (E5 is two columns away): the scan passes it by.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . O . . . .
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderThink:at C4 D4 F4 [C4=none D4 F4]

# --- A ladder that starts on the first column ----------------------------------

[endgame-atari-whose-ladder-starts-on-the-first-column]
# White's B5 is held by Black's C5 and C4; Black's B6 leaves it with A5 and
# B4.  Black's atari at A5 (on the first column) sends White to B4, where
# Black's B3 and C4 leave the two stones A4 alone: Black captures there,
# and the ladder works.  Black's atari at B4 fails: White's A5 has A4 and
# A6, and whichever Black takes, White joins A7-A8-B8 above or A3-A2-B2
# below and escapes.  So the ladder's first move is A5, on column A, and it
# is the answer Black's B6 forces: F = A5 (A after B6 and White's A5, C
# after B6 and Black's A5).  Black's chain at B6 keeps A6, B7 and C6 (no
# ladder against it); White's B6 joins B5 with many liberties and touches
# no Black chain: it forces nothing, B after White's B6 alone.
black to play
  . . . . . . . . .
  O O . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . . X . . . . . .
  O X . . . . . . .
  O O . . . . . . .
  . . . . . . . . .
call YoseAtariValue:sente B6 A5 [B6=r/b]

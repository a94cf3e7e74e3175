# Engine generators, branches without a row before: the endgame's
# two-stone atari when the capture dwarfs the rest, and the forcing atari of
# both sides when the follow-up lies between the value and twice the value.
# The entries are those of the routines of the endgame's more branches:
#
#   call YoseTwoStone:atari V L N...   the point V beside two stones of
#       colour s that t = s xor 3 puts in atari there, their escape at L, and
#       the empty neighbours N... of V with two or more empty neighbours, in
#       neighbour order (up, right, down, left): a = t's evaluation after t
#       at V and s at L, b = t's after t at V and L; the owner's answer R is
#       V, or an N where s's evaluation after its move is larger, g = that
#       evaluation.  total = g + a; when 2 total < b it doubles when the
#       engine is t, else grows by its half.  The candidate at R when the
#       engine is s ("R=r/b mark"), else at V; bonus b = 0
#   call YoseAtariValue:both V F G   the atari point V where the side to move
#       (J) ataris a chain of the other side (O), answered at F, and O's move
#       at V ataris a chain of J's, answered at G: A = J's evaluation after J
#       at V and O at F, B = O's after O at V and J at G, C = J's after J at
#       V and J again at F.  r = 2 (A + B) grown by its half, or C halved when
#       twice r exceeds C; b = C.  "V=r/b"

# --- The two-stone atari: a capture worth more than twice the rest ----------

[endgame-two-stones-escape-toward-support]
# White's cutting stone D3 (liberties E3 and D2) in Black's C3-C4-D4 shape,
# White's E4 beside E3, and White's D1 under D2.  Black's E3 ataris D3 (E4
# keeps E5 and F4); D3 escapes at D2 and joins D1, so Black's gain a after
# the escape is small and White's own move at E3 or beside it (g) is
# modest, while Black's capture at D2 cuts the white stones apart and
# splits White's shape (b): 2 (g + a) < b, and the engine is Black (t): the
# total doubles.  Black's candidate is E3; the point is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . X O . . . . .
  . . X . . . . . .
  . . . O . . . . .
call YoseTwoStone:atari E3 D2 F3 E2 [E3=r/b mark]

[endgame-two-stones-escape-toward-support-white-to-play]
# The same with White to play: White is the owner s, so the total grows by
# its half when 2 total < b, and White's candidate is its answer R.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . X O . . . . .
  . . X . . . . . .
  . . . O . . . . .
call YoseTwoStone:atari E3 D2 F3 E2 [R=r/b mark]

[endgame-two-stones-escape-toward-e1]
# White's support at E1 instead of D1: the escape at D2 reaches it only
# through D1 and E2, so it is weaker, yet the capture still dwarfs the rest:
# 2 (g + a) < b with Black, t, to play: the total doubles.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . X O . . . . .
  . . X . . . . . .
  . . . . O . . . .
call YoseTwoStone:atari E3 D2 F3 E2 [E3=r/b mark]

# --- The forcing atari of both sides: the follow-up caps the value ----------

[endgame-atari-both-sides-force-follow-up-between]
# The walls of the both-forcing atari at E4 (Black's E4 ataris E5, answered
# at F5; White's E4 ataris E3, answered at D3), with White's G6 beside F6:
# Black's capture at F5 after E4 still breaks in, but G6 closes part of
# White's side, so C lies between r = 2 (A + B) grown by its half and
# twice r: twice r exceeds C and the value is C halved.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O O . .
  . . . X O . . . .
  . . . X . O . . .
  . . . . X O . . .
  . . . X O O . . .
  . . . X . O . . .
call YoseAtariValue:both E4 F5 D3 [E4=r/b]

[endgame-atari-both-sides-force-follow-up-between-lower]
# White's G5 side stone at G4 instead (beside F4): the capture at F5 is
# again between r and twice r: C halved.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O . . .
  . . . X O . . . .
  . . . X . O O . .
  . . . . X O . . .
  . . . X O O . . .
  . . . X . O . . .
call YoseAtariValue:both E4 F5 D3 [E4=r/b]

# --- The one-stone point: the eye value of the joined group -----------------
#   call YoseOneStone V [L M]   the point V beside a single stone: A = J's
#       evaluation after J at V, B = O's after O at V (no follow-up given:
#       f = 0); r = A + B, bonus b = 0: "V=r/b mark" (mark: the point is
#       marked dealt with), "none" when nothing is stored

[endgame-one-stone-two-stones-on-the-edge]
# Black's lone E2 beside White's lone D2, both alive on the second line.
# E1 touches one stone (E2) and White's D2 is diagonal to it.  Black's E1
# joins E2: two stones on the edge still have eye value 4 (the gate is
# below 4), so the point is read: r = A + B, and marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
status D2 [alive]
status E2 [alive]
call YoseOneStone E1 [E1=r/b mark]

[endgame-one-stone-crawl-under-a-wall]
# Black's E3 over E2 and White's D2: White's E1 beside E2 joins D2 by the
# diagonal, crawling on the first line under Black's two stones: the group
# keeps an eye value below 4, so nothing is read or stored.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . . . . . . .
status D2 [alive]
status E2 [alive]
call YoseOneStone E1 [none]

# Jump links, seventh set: the general answer to a two-space jump that no
# White stone touches, and single readings of the jump families, each in a
# position where the reading the routine makes and a near neighbour of it
# give different answers.  Lines and forms as in links-twospace.tst
# (LinkRoutines.cpp); "premise" marks an evaluation the row takes as given.
# "Kankei6Free:neutral" (LinksPin7Routines.cpp) sets the saved area map
# neutral on the six points between the stones, as a premise of the row.

[two-space-free-edge-column-owner-black]
# Black's two-space jump B4-B7 on the second line of an empty 10x10 board,
# no White stone anywhere; the six points between the stones are neutral.
# The board is the same seen from row 1 or row 10 (B4 and B7, B5 and B6
# change places), so White's push at B5 and at B6 are worth the same and
# White's point is B5, the gap next to A.  Black's points beside the gaps:
# A5 and A6 on the first line, C5 and C6 on the third, C5 and C6 equal by
# the same mirror (premise: the third-line point is worth more to Black
# than the first-line one), so Black's point is C5, the first of the best.
# Black to play adds Black's C5 at White's B5 value plus Black's C5 value:
# s = h0 + h1.
black to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral B4 B7 B4 C5 B4 B5 [C5=s:5]

[two-space-free-edge-column-owner-white]
# The same jump, White to play: White's gap point B5 (B5 and B6 are worth
# the same by the mirror, the one next to A is kept), at the same value s.
white to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral B4 B7 B4 C5 B4 B5 [B5=s:5]

[two-space-free-edge-column-reversed-black]
# The same jump read from B7 toward B4: now B6 is the gap next to A and C6
# the first of Black's two best points, equal to C5 by the mirror.
black to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral B7 B4 B7 C6 B7 B6 [C6=s:5]

[two-space-free-edge-column-reversed-white]
# Read from B7 toward B4, White to play: White's B6, the gap next to A.
white to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral B7 B4 B7 C6 B7 B6 [B6=s:5]

[two-space-free-owner-stone-beside-b-white]
# The same jump with Black's C7 beside B on the third line: a Black stone on
# a corner of the box ([11]) means the jump needs no general answer.
white to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X X . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral B4 B7 B4 C5 B4 B5 [none]

[two-space-free-owner-stone-beside-a-white]
# Black's C4 beside A instead ([2]): nothing either.
white to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . X X . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral B4 B7 B4 C5 B4 B5 [none]

[two-space-free-first-line-white]
# Black's jump A4-A7 on the first line: the gap point next to A lies on the
# first line, so no general answer.
white to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  X . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  X . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral A4 A7 A4 B5 A4 A5 [none]

[two-space-free-right-edge-column-owner-black]
# Black's two-space jump J4-J7 on the second line from the right edge of an
# empty 10x10 board, no White stone anywhere; the six points between the
# stones are neutral.  As on the left edge, the board is the same seen from
# row 1 or row 10, so White's pushes J5 and J6 are worth the same and
# White's point is J5, the gap next to A.  Black's points beside the gaps:
# H5 and H6 on the third line (equal by the mirror), K5 and K6 on the first
# (premise: the third-line point is worth more to Black than the first-line
# one), so Black's point is H5, the first flank of the box and the first of
# the best.  Black to play: H5 at s = h0 + h1.
black to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral J4 J7 J4 H5 J4 J5 [H5=s:5]

[two-space-free-right-edge-column-owner-white]
# The same jump, White to play: White's gap point J5, at the same value s.
white to play
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . X .
  . . . . . . . . . .
  . . . . . . . . . .
  . . . . . . . . . .
call Kankei6Free:neutral J4 J7 J4 H5 J4 J5 [J5=s:5]

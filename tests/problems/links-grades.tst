# Stone relations of the wider shapes: the link grade that the relation
# scan gives a pair of Black stones from the White stones around them.
# "call LinkGrade A B" answers A's relations toward B as "kind:grade"
# (kind 5 the (2,2) diagonal, 7 the large knight's move, 8 the (2,3) shape,
# 11 the (4,1) shape, 13 the (3,3) diagonal); both stones record the link
# with the same grade.

[knight-long-grade2-low-side]
# Black's large knight's move C5-F6: the only White stone, D4, stands on the
# line beyond C5 one step along (M1): one side is touched, so grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 F6 [7:2]
call LinkGrade F6 C5 [7:2]

[knight-long-grade2-high-side]
# The same large knight's move with White D7 on the line beyond F6 (O1)
# instead: one side touched, grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 F6 [7:2]

[knight-long-grade3-both-sides]
# White on both outer lines (D4 and D7): both sides touched, grade 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 F6 [7:3]
call LinkGrade F6 C5 [7:3]

[knight-long-grade1-free]
# No White stone near the large knight's move: grade 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 F6 [7:1]

[knight-long-downward-grade2]
# Large knight's move C6-F5, the partner one line lower: White D7 on the
# line beyond C6 (M1) gives grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C6 F5 [7:2]

[knight-long-upright-grade2]
# Upright large knight's move D3-E6 (three up, one right): White F4 on the
# line beyond E6 (O1) gives grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade D3 E6 [7:2]

[knight-long-beside-stone-grade2]
# Upright large knight's move D8-E5 (three down, one right): White E8 right
# beside D8 on the partner's line (ES) raises the free grade 1 to 2.
black to play
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade D8 E5 [7:2]

[knight-four-grade3-high-side]
# The (4,1) shape B5-F6: White E7 on the line beyond F6 (O3) gives grade 3;
# the shape knows no grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . X . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade B5 F6 [11:3]
call LinkGrade F6 B5 [11:3]

[knight-four-grade3-low-side]
# The same (4,1) shape with White E4 on the line beyond B5 (M3): grade 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . X . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade B5 F6 [11:3]

[knight-four-grade1-free]
# The (4,1) shape with no White stone near: grade 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade B5 F6 [11:1]

[wide-diagonal-grade2-a-side]
# The (2,2) diagonal C5-E7: White C7, two above C5 (A3), is no crossing
# point but one enemy near: grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 E7 [5:2]
call LinkGrade E7 C5 [5:2]

[wide-diagonal-grade2-b-side]
# The same diagonal with White E5, two right of C5 (B3): grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 E7 [5:2]

[wide-diagonal-grade3-crossing]
# The same diagonal with White C6 right above C5 (A1, next to the way
# through D6): grade 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 E7 [5:3]

[big-diagonal-grade2-free]
# The (3,3) diagonal C4-F7 with the points between empty and no White stone:
# grade 2 (this shape is never graded 1).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C4 F7 [13:2]
call LinkGrade F7 C4 [13:2]

[big-diagonal-grade3-a-side]
# The (3,3) diagonal with White C6 two above C4 (A3): an enemy met, grade 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C4 F7 [13:3]

[big-diagonal-grade3-far-side]
# The (3,3) diagonal with White E7 beside F7 (A4): grade 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C4 F7 [13:3]

[two-three-grade2-low-corner]
# The (2,3) shape C5-F7: White D4 diagonally behind C5 (M1) is the only enemy:
# grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 F7 [8:2]
call LinkGrade F7 C5 [8:2]

[two-three-grade2-below-partner]
# The (2,3) shape with White F6 right below F7 (K7): grade 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 F7 [8:2]

[two-three-grade3-beside-partner]
# The (2,3) shape with White E7 beside F7 on the high side (O2): grade 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade C5 F7 [8:3]

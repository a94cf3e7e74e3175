# Jump links: rows that pin single branches of the value and role rules
# (the outer stone's line, the point behind the corner, the peep's point
# behind the stone, the wedge-side cut of a double peep, the smaller of two
# hanes).  "call NAME A B ..." as in links-twospace.tst: the points after a
# repeated A are the lines of the row's working (the first from the owner,
# the second from the opponent, colours alternating), and each candidate's
# value is answered as an expression of their evaluations.

[probe-two-space-approach-from-the-second-line-black]
# Black's two-space jump C4-F4 with White D2 two lines out below the gap D4:
# the approach stone stands on the second line, not the first, so it is read.
# No Black stone on C3, F3 or E2 (the corners on White's side and the point
# two lines out beside E4), C2 and B3 are empty.  White's line: the push D4,
# Black D5, White E4, Black E5 (p); Black's answer E3 beside the far gap on
# White's side (o = Black's evaluation after it).  s = o + p below 13 is
# doubled.  Reason 29: Black plays E3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6Soto C4 F4 C4 E3 C4 D4 D5 E4 E5 [E3=2s:29]

[probe-two-space-approach-from-the-second-line-white]
# The same with White to move: White pushes at D4, value 2s as above.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei6Soto C4 F4 C4 E3 C4 D4 D5 E4 E5 [D4=2s:29]

[probe-two-space-approach-from-the-first-line]
# Black's two-space jump C3-F3 with White D1 two lines out below the gap D3:
# a stone on the first line does not approach; nothing for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
call Kankei6Soto C3 F3 [none]

[probe-two-space-approach-behind-the-corner]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5,
# and White B6 just outside the jump on White's side, behind the corner C6
# (one step beyond C6 seen from D6): the approach is already backed from
# outside; nothing for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 [none]

[probe-edge-two-space-peep-behind-the-stone-white]
# Black E7 on the third line jumps to the edge; White's chain D8-C8-D7 peeps
# beside the near gap E8 and stands on Y (D7, beside Black's stone on the
# peep's side); Black's C7 two steps out on that side, G9 and the rest empty.
# The free neighbour F8 has its four neighbours empty and White's chain more
# than two liberties, Y is White's: the direct reading.  White's cut F8,
# Black E8, White E9 leaves nothing in a ladder; White's Q2 (G9, three empty
# neighbours) is worth less than the cut.  Black's E7 is a single stone and
# the point behind it, E6, is empty with three empty neighbours: White's play
# there (h1) is worth more than the cut, so it becomes White's point and part.
# Black's part is the connection E8 (h0).  s = h0 + h1 for Black's group of
# one stone is halved, both parts are positive, and the half is above 26: it
# loses 6.  White plays E6: s/2-6.
white to play
  . . . . . . . . .
  . . O O . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 E6 [E6=s/2-6:5]

[probe-edge-two-space-peep-behind-the-stone-black]
# The same with Black to move: Black's point is the gap E8; the halved sum
# (White's part the play behind the stone, h1) is 8 or more with White's part
# positive, so Black adds 4, and the result above 26 loses 6: s/2+4-6.
black to play
  . . . . . . . . .
  . . O O . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 E6 [E8=s/2+4-6:5]

[probe-edge-two-space-peep-behind-the-stone-no-better]
# Without Black's C7: the same direct reading, but White's play behind the
# stone at E6 is worth exactly as much as the cut F8, Black E8, White E9 (h1
# both), and only a larger value moves White's point: White keeps the cut at
# F8.  s = h0 + h1 (Black's connection E8, White's cut), one Black stone:
# s/2, above 26: s/2-6.
white to play
  . . . . . . . . .
  . . O O . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s/2-6:5]

[probe-two-space-double-peep-cut-beside-the-end-white]
# Black's two-space jump C5-F5; White D6 and E6 peep beside both gap points
# from above (D5 next to C5, E5 next to F5; D4 and E4 their flanks below).
# Gap D5: D3 (two lines out beside D5) is empty, White's C3 stands two lines
# out beside C5: the cut reading at C5's lower corner C4.  Black's part is
# the connection D5 (h0); White's is the cut White D5, Black D4, White C4
# (h1); after White E4, Black E5 the ladder against Black D4 fails (Black's
# D2 breaks it), so White's part stays h1.  D5 gets h0+h1 for either side.
# Gap E5: White's E3 two lines out beside E5: E5 gets its point value, White's
# evaluation after White E5 (h3) plus Black's after Black E5 (h2) when that is
# positive; it is negative here: h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . X . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 C4 C5 E5 C5 E5 [D5=h0+h1:5 E5=h3:5]

[probe-two-space-double-peep-cut-beside-the-end-black]
# The same with Black to move: D5 gets h0+h1 again; E5's point value is now
# Black's evaluation after Black E5 (h2) plus White's after White E5 (h3, the
# lines read with Black to move): h2+h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . X . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 C4 C5 E5 C5 E5 [D5=h0+h1:5 E5=h2+h3:5]

[probe-two-liberty-ladder-both-orders-read-first-answers]
# Black D5 has two liberties, E5 (the first) and D4 (White D6, C5 around it;
# White C4 and E4 below, White F6 and C7 further out).  The first order:
# White's atari at E5, Black's extension at D4 leaves the pair in atari, the
# ladder's first move is White's capture at D3, and Black's evaluation after
# it (h0 is White's, negated) is positive: the result, answered at once.  The
# second order would read as well (White D4, Black E5, White's ladder E6:
# Black's evaluation, -h2, positive and different) but is never reached: -h0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O . O . . .
  . . O X . . . . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 D8 D5 D6 E5 D4 D3 D6 D6 D4 E5 E6 [=-h0]

[probe-one-space-peep-hanes-far-end-smaller]
# Black's one-space jump C5-E5 with White's peep at D6; White's B5 and F5
# outside the ends, and White's G6 (the position of the row where the near
# end's reading is the smaller, mirrored across the jump).  White's hane at
# C4 leaves C5 with two liberties and a ladder: its first two moves, D5 and
# C6 (h1: White C4, D5, C6, Black passing); the hane at E4 likewise against
# E5 with D5 and E6 (h3).  With White's G6 beside the far end the reading
# against E5 is the smaller: h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . O . .
  . O X . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C4 E4 C5 C5 C4 C4 D5 D5 C6 C5 C5 E4 E4 D5 D5 E6 [=h3]

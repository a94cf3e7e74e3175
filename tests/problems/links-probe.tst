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

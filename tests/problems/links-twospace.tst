# Two-space jumps: single pattern routines on positions whose candidate
# points and value rules are worked out by hand.  "call NAME A B ..." runs
# NAME on the box of the jump A-B for the side to move; the points after a
# repeated A are the lines the row's working names (the first from the
# owner, the second from the opponent, colours alternating), and the answer
# gives each candidate's value as an expression of s, the sum of the two
# lines' evaluations for their first movers, with its reason code.

[two-space-approach-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [E6=2s:29]

[two-space-approach-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [D5=2s:29]

[two-space-approach-across-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E4 C5 D5 D6 E5 E6 [E4=2s:29]

[two-space-approach-across-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E4 C5 D5 D6 E5 E6 [D5=2s:29]

[two-space-approach-along-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 E5 E4 D5 D4 [D6=2s:29]

[two-space-approach-along-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position mirrored along the jump, so the roles run from the other end)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 E5 E4 D5 D4 [E5=2s:29]

[two-space-approach-both-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O O O . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D4 C5 E5 E6 D5 D6 [D4=2s:29]

[two-space-approach-both-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned half round)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O O O . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D4 C5 E5 E6 D5 D6 [E5=2s:29]

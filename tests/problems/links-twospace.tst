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

[two-space-approach-upright-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . O O . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 D5 E7 E6 F6 E5 F5 [D5=2s:29]

[two-space-approach-upright-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . O O . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 D5 E7 E6 F6 E5 F5 [E6=2s:29]

[two-space-approach-upright-across-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . O .
  . . . . . . O O .
  . . . . . . . O .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 F5 E7 E6 D6 E5 D5 [F5=2s:29]

[two-space-approach-upright-across-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . O .
  . . . . . . O O .
  . . . . . . . O .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 F5 E7 E6 D6 E5 D5 [E6=2s:29]

[two-space-approach-upright-along-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . O O . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 D6 E7 E5 F5 E6 F6 [D6=2s:29]

[two-space-approach-upright-along-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned upright and mirrored along the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . O O . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 D6 E7 E5 F5 E6 F6 [E5=2s:29]

[two-space-approach-upright-both-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . O .
  . . . . . . O O .
  . . . . X . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 F6 E7 E5 D5 E6 D6 [F6=2s:29]

[two-space-approach-upright-both-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Both gain little here: s = o + p is
# below 13, so the value is doubled, 2s.  Reason 29 for both sides: Black
# plays E6, White pushes at D5.
# (the position turned upright and half round)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . O .
  . . . . . . O O .
  . . . . X . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto E7 E4 E7 F6 E7 E5 D5 E6 D6 [E5=2s:29]

[two-space-peep-outside-far-gap-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E5 [D5=s:5]

[two-space-peep-outside-far-gap-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E5 [E5=s:5]

[two-space-peep-outside-far-gap-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . X . . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E5 [D5=s:5]

[two-space-peep-outside-far-gap-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . X . .
  . . . . . . . . .
  . . X . . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E5 [E5=s:5]

[two-space-peep-outside-far-gap-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D5 [E5=s:5]

[two-space-peep-outside-far-gap-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position mirrored along the jump, so the roles run from the other end)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D5 [D5=s:5]

[two-space-peep-outside-far-gap-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D5 [E5=s:5]

[two-space-peep-outside-far-gap-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned half round)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D5 [D5=s:5]

[two-space-peep-outside-far-gap-upright-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . O . O . . . . .
  . O . . . . O . .
  . . . . X . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E5 [E6=s:5]

[two-space-peep-outside-far-gap-upright-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . O . O . . . . .
  . O . . . . O . .
  . . . . X . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E5 [E5=s:5]

[two-space-peep-outside-far-gap-upright-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . O .
  . . . . . O . O .
  . . O . . . . O .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E5 [E6=s:5]

[two-space-peep-outside-far-gap-upright-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . O .
  . . . . . O . O .
  . . O . . . . O .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E5 [E5=s:5]

[two-space-peep-outside-far-gap-upright-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . X . . . .
  . O . . . . O . .
  . O . O . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E6 [E5=s:5]

[two-space-peep-outside-far-gap-upright-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned upright and mirrored along the jump)
white to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . X . . . .
  . O . . . . O . .
  . O . O . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E6 [E6=s:5]

[two-space-peep-outside-far-gap-upright-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . X . . . . . .
  . . . . X . . . .
  . . O . . . . O .
  . . . . . O . O .
  . . . . X . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E6 [E5=s:5]

[two-space-peep-outside-far-gap-upright-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White E3 stands two lines out beside the other gap: Black's answer is the
# connection D5 (o: Black D5), White's the push at the other gap E5 (p: White
# E5); the value is their sum s for either side.
# (the position turned upright and half round)
white to play
  . . . . . . . . .
  . . X . . . . . .
  . . . . X . . . .
  . . O . . . . O .
  . . . . . O . O .
  . . . . X . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E6 [E6=s:5]

[two-space-peep-outside-corner-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 C4 [D5=s:5]

[two-space-peep-outside-corner-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 C4 [D5=s:5]

[two-space-peep-outside-corner-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D6 C6 [D5=s:5]

[two-space-peep-outside-corner-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . O O O . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D6 C6 [D5=s:5]

[two-space-peep-outside-corner-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 E5 E4 F4 [E5=s:5]

[two-space-peep-outside-corner-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position mirrored along the jump, so the roles run from the other end)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 E5 E4 F4 [E5=s:5]

[two-space-peep-outside-corner-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 E5 E6 F6 [E5=s:5]

[two-space-peep-outside-corner-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned half round)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 E5 E6 F6 [E5=s:5]

[two-space-peep-outside-corner-upright-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . O . .
  . O . O . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E6 F6 F7 [E6=s:5]

[two-space-peep-outside-corner-upright-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . O . .
  . O . O . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E6 F6 F7 [E6=s:5]

[two-space-peep-outside-corner-upright-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . O .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E6 D6 D7 [E6=s:5]

[two-space-peep-outside-corner-upright-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . O .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 E6 D6 D7 [E6=s:5]

[two-space-peep-outside-corner-upright-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . O . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E5 F5 F4 [E5=s:5]

[two-space-peep-outside-corner-upright-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned upright and mirrored along the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . O . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E5 F5 F4 [E5=s:5]

[two-space-peep-outside-corner-upright-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . O .
  . . . . . O . O .
  . . O . X . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E5 D5 D4 [E5=s:5]

[two-space-peep-outside-corner-upright-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White C3 stands two lines out beside C5: the cut is read.  o: Black D5.
# p: White D5, Black D4, White C4 (the cut at C5's corner; no ladder on D4
# follows).  The candidate is D5 for either side, value s.
# (the position turned upright and half round)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . O .
  . . . . . O . O .
  . . O . X . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 E5 D5 D4 [E5=s:5]

[two-space-peep-weak-owner-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . O O . .
  . O X . . X O . .
  . O . . . . O . .
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E4 E5 D5 D4 [D5=s/2:5]

[two-space-peep-weak-owner-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . O O . .
  . O X . . X O . .
  . O . . . . O . .
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E4 E5 D5 D4 [E4=s/2:5]

[two-space-peep-weak-owner-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
  . O . . . . O . .
  . O X . . X O . .
  . . O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E6 E5 D5 D6 [D5=s/2:5]

[two-space-peep-weak-owner-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
  . O . . . . O . .
  . O X . . X O . .
  . . O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E6 E5 D5 D6 [E6=s/2:5]

[two-space-peep-weak-owner-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O . . .
  . O X . . X O . .
  . O . . . . O . .
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D4 D5 E5 E4 [E5=s/2:5]

[two-space-peep-weak-owner-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position mirrored along the jump, so the roles run from the other end)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O . . .
  . O X . . X O . .
  . O . . . . O . .
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D4 D5 E5 E4 [D4=s/2:5]

[two-space-peep-weak-owner-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned half round)
black to play
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
  . O . . . . O . .
  . O X . . X O . .
  . O O . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D6 D5 E5 E6 [E5=s/2:5]

[two-space-peep-weak-owner-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned half round)
white to play
  . . . . . . . . .
  . . O . . O . . .
  . . . . . . . . .
  . O . . . . O . .
  . O X . . X O . .
  . O O . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 C5 D6 D5 E5 E6 [D6=s/2:5]

[two-space-peep-weak-owner-upright-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . . O .
  . . . O . . . . .
  . . . . . . . . .
  . . . O X . . O .
  . . . O O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 F5 E5 E6 F6 [E6=s/2:5]

[two-space-peep-weak-owner-upright-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . . O .
  . . . O . . . . .
  . . . . . . . . .
  . . . O X . . O .
  . . . O O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 F5 E5 E6 F6 [F5=s/2:5]

[two-space-peep-weak-owner-upright-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . O O . . . .
  . O . . X O . . .
  . . . . . O . . .
  . . . . . . . . .
  . O . . X O . . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 D5 E5 E6 D6 [E6=s/2:5]

[two-space-peep-weak-owner-upright-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . O O . . . .
  . O . . X O . . .
  . . . . . O . . .
  . . . . . . . . .
  . O . . X O . . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 E7 D5 E5 E6 D6 [D5=s/2:5]

[two-space-peep-weak-owner-upright-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . O X . . O .
  . . . . . . . . .
  . . . O . . . . .
  . . . O X . . O .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 F6 E6 E5 F5 [E5=s/2:5]

[two-space-peep-weak-owner-upright-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned upright and mirrored along the jump)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . . O X . . O .
  . . . . . . . . .
  . . . O . . . . .
  . . . O X . . O .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 F6 E6 E5 F5 [F6=s/2:5]

[two-space-peep-weak-owner-upright-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . O . . X O . . .
  . . . . . . . . .
  . . . . . O . . .
  . O . . X O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 D6 E6 E5 D5 [E5=s/2:5]

[two-space-peep-weak-owner-upright-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump (B4 B5 C6 F6 G4 G5 G6, C2 F2 below): White's E4
# beyond the far flank, Black E5, White D5, Black D4 leaves White's E4 strong
# and Black's D4 weak, so White's point is E4 with p, White's evaluation
# after that line.  Black's own connection D5 loses (o < 0): the sum is
# halved (it stays far below the cap of 20).
# (the position turned upright and half round)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . O . . X O . . .
  . . . . . . . . .
  . . . . . O . . .
  . O . . X O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 E7 D6 E6 E5 D5 [D6=s/2:5]

[two-space-peep-nothing-to-gain-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . O O . .
  . O X . . X O . .
  . O . . . . O . .
  . O . . . . O . .
  . . O O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 [D5=h0:5]

[two-space-peep-nothing-to-gain-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . O O . .
  . O X . . X O . .
  . O . . . . O . .
  . O . . . . O . .
  . . O O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[two-space-peep-nothing-to-gain-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . O O O O . . .
  . O . . . . O . .
  . O . . . . O . .
  . O X . . X O . .
  . . O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 [D5=h0:5]

[two-space-peep-nothing-to-gain-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . O O O O . . .
  . O . . . . O . .
  . O . . . . O . .
  . O X . . X O . .
  . . O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[two-space-peep-nothing-to-gain-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O . . .
  . O X . . X O . .
  . O . . . . O . .
  . O . . . . O . .
  . . O O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 [E5=h0:5]

[two-space-peep-nothing-to-gain-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position mirrored along the jump, so the roles run from the other end)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O . . .
  . O X . . X O . .
  . O . . . . O . .
  . O . . . . O . .
  . . O O O O . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[two-space-peep-nothing-to-gain-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned half round)
black to play
  . . . . . . . . .
  . . O O O O . . .
  . O . . . . O . .
  . O . . . . O . .
  . O X . . X O . .
  . O O . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 E5 [E5=h0:5]

[two-space-peep-nothing-to-gain-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned half round)
white to play
  . . . . . . . . .
  . . O O O O . . .
  . O . . . . O . .
  . O . . . . O . .
  . O X . . X O . .
  . O O . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [none]

[two-space-peep-nothing-to-gain-upright-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . O O O . .
  . . . O X . . O .
  . . . O . . . O .
  . . . . . . . O .
  . . . O X . . O .
  . . . O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 [E6=h0:5]

[two-space-peep-nothing-to-gain-upright-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . O O O . .
  . . . O X . . O .
  . . . O . . . O .
  . . . . . . . O .
  . . . O X . . O .
  . . . O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [none]

[two-space-peep-nothing-to-gain-upright-across-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . O O O . . . .
  . O . . X O . . .
  . O . . . O . . .
  . O . . . . . . .
  . O . . X O . . .
  . . O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E6 [E6=h0:5]

[two-space-peep-nothing-to-gain-upright-across-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . O O O . . . .
  . O . . X O . . .
  . O . . . O . . .
  . O . . . . . . .
  . O . . X O . . .
  . . O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [none]

[two-space-peep-nothing-to-gain-upright-along-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . O O O O . .
  . . . O X . . O .
  . . . . . . . O .
  . . . O . . . O .
  . . . O X . . O .
  . . . . O O O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 [E5=h0:5]

[two-space-peep-nothing-to-gain-upright-along-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned upright and mirrored along the jump)
white to play
  . . . . . . . . .
  . . . O O O O . .
  . . . O X . . O .
  . . . . . . . O .
  . . . O . . . O .
  . . . O X . . O .
  . . . . O O O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [none]

[two-space-peep-nothing-to-gain-upright-both-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . O O O O . . .
  . O . . X O . . .
  . O . . . . . . .
  . O . . . O . . .
  . O . . X O . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 E7 E5 [E5=h0:5]

[two-space-peep-nothing-to-gain-upright-both-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 is the
# peeped gap, E5 the other; D4 is D5's flank on the far side, C4 C5's corner
# there, D3 and C3 two lines out beside D5 and C5, E3 beside E5, E4 E5's flank).
# White surrounds the jump completely: the push gains White nothing (the
# reading's best is 0), so White adds nothing and Black's candidate is its
# connection D5 with its own value (h0: Black D5).
# (the position turned upright and half round)
white to play
  . . . . . . . . .
  . . O O O O . . .
  . O . . X O . . .
  . O . . . . . . .
  . O . . . O . . .
  . O . . X O . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [none]

[two-space-peep-both-gaps-black]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O . . .
  . O X . . X O . .
  . O . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [D5=6:5 E5=6:5]

[two-space-peep-both-gaps-white]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O . . .
  . O X . . X O . .
  . O . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [D4=8:5 E4=8:5]

[two-space-peep-both-gaps-across-black]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . O . .
  . O X . . X O . .
  . O O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [D5=6:5 E5=6:5]

[two-space-peep-both-gaps-across-white]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . O . .
  . O X . . X O . .
  . O O O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 [D6=8:5 E6=8:5]

[two-space-peep-both-gaps-upright-black]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . O X . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . O X . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [E6=6:5 E5=6:5]

[two-space-peep-both-gaps-upright-white]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . . O X . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . O X . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [F6=8:5 F5=8:5]

[two-space-peep-both-gaps-upright-across-black]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X O . . .
  . . . . . O . . .
  . . . . . O . . .
  . . . . X O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [E6=6:5 E5=6:5]

[two-space-peep-both-gaps-upright-across-white]
# Black's two-space jump C5-F5 with White D6 and E6 beside both gaps, and White
# around (C6 F6 B4-B6 G4-G6, C2 F2 below).  Each gap is read: White's point
# is the flank of the other gap on the far side (E4 for D5, D4 for E5) after
# White E4, Black E5, White D5, Black D4 (and the mirror), Black's the gap
# itself.  Black's connection loses, so each sum is halved, to 2 here; a value
# of exactly 2 becomes 8 for White as the attacker and 6 for Black.
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . . . X O . . .
  . . . . . O . . .
  . . . . . O . . .
  . . . . X O . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki E7 E4 [D6=8:5 D5=8:5]

[two-space-approach-large-sum-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box;
# C7, E7, C6 and F6 hold no Black stone), White's wall reaching B8 and a
# Black stone at E2 far below.  White's line: the push D5, Black D4, White
# E5, Black E4 (p); Black's answer E6 beside the far gap on White's side (o).
# Here s = o + p is 13 or more, so the value is s itself, not doubled.
# Reason 29: Black plays E6.
black to play
  . . . . . . . . .
  . O O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [E6=s:29]

[two-space-approach-large-sum-white]
# The same with White to move: White pushes at D5, s = o + p is 13 or more
# again and the value is s, not doubled.  Reason 29.
white to play
  . . . . . . . . .
  . O O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [D5=s:29]

[two-space-peep-held-at-20-black]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 the
# peeped gap, E5 the other, D4 D5's flank on the far side, E4 E5's flank
# there; D3, C3 and E3, two lines out, are empty).  White's B5 beside C5 and
# A9 far off.  White's reading at E4 (above the second line): White E4,
# Black E5, White D5, Black D4 leaves White's E4 strong and Black's D4 weak,
# so White's point is E4 and its part v is the evaluation after those four
# moves.  Black's part o: the connection D5, negative here.  With o < 0 the
# sum is halved and held at 20; here half the sum is over 20: 20.
black to play
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E4 E5 D5 D4 [D5=cap20(s/2):5]

[two-space-peep-held-at-20-white]
# Black's two-space jump C5-F5; White D6 peeps beside the gap D5 (D5 the
# peeped gap, E5 the other, D4 D5's flank on the far side, E4 E5's flank
# there; D3, C3 and E3, two lines out, are empty).  White's B5 beside C5 and
# A9 far off.  White's reading at E4 (above the second line): White E4,
# Black E5, White D5, Black D4 leaves White's E4 strong and Black's D4 weak,
# so White's point is E4 and its part v is the evaluation after those four
# moves.  Black's part o: the connection D5, negative here.  With o < 0 the
# sum is halved and held at 20; here half the sum is over 20: 20.
white to play
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 E4 E5 D5 D4 [E4=cap20(s/2):5]

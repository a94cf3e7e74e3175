# One-space jumps: single pattern routines on positions whose candidate
# points and value rules are worked out by hand.  "call NAME A B ..." runs
# NAME on the box of the jump A-B for the side to move, with the routine's
# own points after B; the points after a repeated A are the lines the row's
# working names (h0 from the owner, h1 from the opponent, h2 from the owner,
# ..., colours alternating, each evaluated for its first mover), and each
# candidate's value is answered as the sum or the line it equals.

[one-space-wedge-stone-behind-corner-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 C5 C4 D4 C5 C4 D4 C5 D4 C4 [C4=h1+h2:5]

[one-space-wedge-stone-behind-corner-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 C5 C4 D4 C5 C4 D4 C5 D4 C4 [C4=h1+h2:5]

[one-space-wedge-stone-behind-corner-across-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D6 C6 C5 D7 C5 D6 C6 C5 C6 D6 C5 C6 D6 C5 D6 C6 [C6=h1+h2:5]

[one-space-wedge-stone-behind-corner-across-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D6 C6 C5 D7 C5 D6 C6 C5 C6 D6 C5 C6 D6 C5 D6 C6 [C6=h1+h2:5]

[one-space-wedge-stone-behind-corner-along-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here the roles run from E5 (the White stone behind the corner E4 at F4):
# the block at D4 is worth more to Black (h0 > h2) and White's extension at D4
# more than the corner (h3 > h1): D4 for both, h0 + h3.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 E4 E5 D3 C5 D4 E4 C5 E4 D4 C5 E4 D4 C5 D4 E4 [D4=h0+h3:5]

[one-space-wedge-stone-behind-corner-along-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here the roles run from E5 (the White stone behind the corner E4 at F4):
# the block at D4 is worth more to Black (h0 > h2) and White's extension at D4
# more than the corner (h3 > h1): D4 for both, h0 + h3.
# (the position mirrored along the jump, so the roles run from the other end)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 E4 E5 D3 C5 D4 E4 C5 E4 D4 C5 E4 D4 C5 D4 E4 [D4=h0+h3:5]

[one-space-wedge-stone-behind-corner-both-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here the roles run from E5 (the White stone behind the corner E4 at F4):
# the block at D4 is worth more to Black (h0 > h2) and White's extension at D4
# more than the corner (h3 > h1): D4 for both, h0 + h3.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X O X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D6 E6 E5 D7 C5 D6 E6 C5 E6 D6 C5 E6 D6 C5 D6 E6 [D6=h0+h3:5]

[one-space-wedge-stone-behind-corner-both-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here the roles run from E5 (the White stone behind the corner E4 at F4):
# the block at D4 is worth more to Black (h0 > h2) and White's extension at D4
# more than the corner (h3 > h1): D4 for both, h0 + h3.
# (the position turned half round)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X O X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D6 E6 E5 D7 C5 D6 E6 C5 E6 D6 C5 E6 D6 C5 D6 E6 [D6=h0+h3:5]

[two-liberty-ladder-after-atari-black]
# Black D5 has two liberties, E5 and D4 (White D6, C5 around it; White C4 and
# E4 below).  White's atari at E5 (the first liberty) and Black's extension
# at D4 leave Black's pair in atari: the ladder's first move is White's
# capture at D3, and the result is Black's evaluation after White E5, Black D4,
# White D3 when that is positive; it is here, so the first order answers at
# once.  h0 is White's evaluation of that line (the jump D6-D8 is White's),
# Black's is its negation: -h0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 D8 D5 D6 E5 D4 D3 [=-h0]

[two-liberty-ladder-second-order-black]
# The same shape turned over: Black D5 with the liberties C5 and D4 (White D6,
# E5; White C4 and E4 below).  The first order, White C5, Black D4, White's
# capture at D3 (h0), leaves Black's evaluation not positive here, so the
# second order is read: White's atari at D4, Black's extension at C5, and the
# ladder's first move B5 (h2): the result is -h2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 D8 D5 D6 C5 D4 D3 D6 D6 D4 C5 B5 [=-h2]

[two-liberty-no-ladder-black]
# Black D5 with two liberties (White D6 and C5): after White's atari on either
# liberty and Black's extension on the other, Black's pair has three
# liberties and no ladder: no reading, -999.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 D8 D5 [=-999]

[two-liberty-no-ladder-along-black]
# Black D5 with two liberties (White D6 and C5): after White's atari on either
# liberty and Black's extension on the other, Black's pair has three
# liberties and no ladder: no reading, -999.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 D8 D5 [=-999]

[one-space-peep-hanes-at-both-corners-white]
# Black's one-space jump C5-E5 with White's peep at D6; White B5 and F5 stand
# outside the ends, so each end has three liberties.  White's hane at C4 (the
# far corner beside C5) leaves C5 with two liberties and a ladder: White's
# atari at D5 and the block at C6, the ladder's first two moves (h1: White
# C4, D5, C6, Black passing); the hane at E4 likewise against E5 with D5 and
# E6 (h3).  The answer is the smaller of the two: the one against E5, h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O X . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C4 E4 C5 C5 C4 C4 D5 D5 C6 C5 C5 E4 E4 D5 D5 E6 [=h3]

[one-space-peep-hanes-at-both-corners-across-white]
# Black's one-space jump C5-E5 with White's peep at D6; White B5 and F5 stand
# outside the ends, so each end has three liberties.  White's hane at C4 (the
# far corner beside C5) leaves C5 with two liberties and a ladder: White's
# atari at D5 and the block at C6, the ladder's first two moves (h1: White
# C4, D5, C6, Black passing); the hane at E4 likewise against E5 with D5 and
# E6 (h3).  The answer is the smaller of the two: the one against E5, h3.
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . X O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C6 E6 C5 C5 C6 C6 D5 D5 C4 C5 C5 E6 E6 D5 D5 E4 [=h3]

[one-space-peep-second-hane-escapes-white]
# The same shape with Black E7 above: after White's hane at E4 and the atari
# at D5, Black E5 escapes through E6 to E7, so there is no ladder against E5
# and the routine gives up, returning the value it was given (999).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . O X . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C4 E4 [=999]

[one-space-peep-second-hane-escapes-across-white]
# The same shape with Black E7 above: after White's hane at E4 and the atari
# at D5, Black E5 escapes through E6 to E7, so there is no ladder against E5
# and the routine gives up, returning the value it was given (999).
# (the position mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O X . X O . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C6 E6 [=999]

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

[one-space-wedge-stone-behind-corner-upright-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 F6 F7 E7 G6 E7 F6 F7 E7 F7 F6 E7 F7 F6 E7 F6 F7 [F7=h1+h2:5]

[one-space-wedge-stone-behind-corner-upright-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 F6 F7 E7 G6 E7 F6 F7 E7 F7 F6 E7 F7 F6 E7 F6 F7 [F7=h1+h2:5]

[one-space-wedge-stone-behind-corner-upright-across-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . O O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 D6 D7 E7 C6 E7 D6 D7 E7 D7 D6 E7 D7 D6 E7 D6 D7 [D7=h1+h2:5]

[one-space-wedge-stone-behind-corner-upright-across-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  The lines: h0 Black D4, White C4 (Black's block met at
# the corner; C4 cannot be captured); h1 White C4, Black D4 (no ladder on
# D4); h2 Black C4, White D4; h3 White D4, Black C4.  Black's point is D4 when
# h0 >= h2, else C4; White's is C4, or D4 when h3 > h1; the value is the
# sum of the two chosen.
# Here Black's corner C4 is worth more than the block (h2 > h0) and White's
# corner more than the extension (h1 > h3): C4 for both, h1 + h2.
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . O O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 D6 D7 E7 C6 E7 D6 D7 E7 D7 D6 E7 D7 D6 E7 D6 D7 [D7=h1+h2:5]

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

[one-space-wedge-stone-behind-corner-upright-along-black]
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
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 F6 F5 E5 G6 E7 F6 F5 E7 F5 F6 E7 F5 F6 E7 F6 F5 [F6=h0+h3:5]

[one-space-wedge-stone-behind-corner-upright-along-white]
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
# (the position turned upright and mirrored along the jump)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 F6 F5 E5 G6 E7 F6 F5 E7 F5 F6 E7 F5 F6 E7 F6 F5 [F6=h0+h3:5]

[one-space-wedge-stone-behind-corner-upright-both-black]
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
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O O . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 D6 D5 E5 C6 E7 D6 D5 E7 D5 D6 E7 D5 D6 E7 D6 D5 [D6=h0+h3:5]

[one-space-wedge-stone-behind-corner-upright-both-white]
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
# (the position turned upright and half round)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O O . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto E7 E5 D6 D5 E5 C6 E7 D6 D5 E7 D5 D6 E7 D5 D6 E7 D6 D5 [D6=h0+h3:5]

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

[two-liberty-ladder-after-atari-upright-black]
# Black D5 has two liberties, E5 and D4 (White D6, C5 around it; White C4 and
# E4 below).  White's atari at E5 (the first liberty) and Black's extension
# at D4 leave Black's pair in atari: the ladder's first move is White's
# capture at D3, and the result is Black's evaluation after White E5, Black D4,
# White D3 when that is positive; it is here, so the first order answers at
# once.  h0 is White's evaluation of that line (the jump D6-D8 is White's),
# Black's is its negation: -h0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 B6 E6 D6 E5 F6 G6 [=-h0]

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

[two-liberty-ladder-second-order-upright-black]
# The same shape turned over: Black D5 with the liberties C5 and D4 (White D6,
# E5; White C4 and E4 below).  The first order, White C5, Black D4, White's
# capture at D3 (h0), leaves Black's evaluation not positive here, so the
# second order is read: White's atari at D4, Black's extension at C5, and the
# ladder's first move B5 (h2): the result is -h2.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . O X . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 B6 E6 D6 E7 F6 G6 D6 D6 F6 E7 E8 [=-h2]

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

[two-liberty-no-ladder-upright-black]
# Black D5 with two liberties (White D6 and C5): after White's atari on either
# liberty and Black's extension on the other, Black's pair has three
# liberties and no ladder: no reading, -999.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 B6 E6 [=-999]

[two-liberty-no-ladder-upright-along-black]
# Black D5 with two liberties (White D6 and C5): after White's atari on either
# liberty and Black's extension on the other, Black's pair has three
# liberties and no ladder: no reading, -999.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 B6 E6 [=-999]

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

[one-space-peep-hanes-at-both-corners-upright-white]
# Black's one-space jump C5-E5 with White's peep at D6; White B5 and F5 stand
# outside the ends, so each end has three liberties.  White's hane at C4 (the
# far corner beside C5) leaves C5 with two liberties and a ladder: White's
# atari at D5 and the block at C6, the ladder's first two moves (h1: White
# C4, D5, C6, Black passing); the hane at E4 likewise against E5 with D5 and
# E6 (h3).  The answer is the smaller of the two: the one against E5, h3.
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane E7 E5 F7 F5 E7 E7 F7 F7 E6 E6 D7 E7 E7 F5 F5 E6 E6 D5 [=h3]

[one-space-peep-hanes-at-both-corners-upright-across-white]
# Black's one-space jump C5-E5 with White's peep at D6; White B5 and F5 stand
# outside the ends, so each end has three liberties.  White's hane at C4 (the
# far corner beside C5) leaves C5 with two liberties and a ladder: White's
# atari at D5 and the block at C6, the ladder's first two moves (h1: White
# C4, D5, C6, Black passing); the hane at E4 likewise against E5 with D5 and
# E6 (h3).  The answer is the smaller of the two: the one against E5, h3.
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane E7 E5 D7 D5 E7 E7 D7 D7 E6 E6 F7 E7 E7 D5 D5 E6 E6 F5 [=h3]

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

[one-space-peep-second-hane-escapes-upright-white]
# The same shape with Black E7 above: after White's hane at E4 and the atari
# at D5, Black E5 escapes through E6 to E7, so there is no ladder against E5
# and the routine gives up, returning the value it was given (999).
# (the position turned to run up the board)
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane E7 E5 F7 F5 [=999]

[one-space-peep-second-hane-escapes-upright-across-white]
# The same shape with Black E7 above: after White's hane at E4 and the atari
# at D5, Black E5 escapes through E6 to E7, so there is no ladder against E5
# and the routine gives up, returning the value it was given (999).
# (the position turned upright and mirrored across the jump)
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . . X . X . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane E7 E5 D7 D5 [=999]

[one-corner-outside-d2-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . O . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 C5 E6 E7 [=E6:h0]

[one-corner-outside-d2-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . O . . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 C5 E4 E3 [=E4:h0]

[one-corner-outside-d2-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . O . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 C5 C6 C7 [=C6:h0]

[one-corner-outside-d2-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . O . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 C5 C4 C3 [=C4:h0]

[one-corner-outside-d2-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 E7 D5 C5 [=D5:h0]

[one-corner-outside-d2-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . O . .
  . . . . X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 E7 F5 G5 [=F5:h0]

[one-corner-outside-d2-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 E7 D7 C7 [=D7:h0]

[one-corner-outside-d2-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# White F6 (D2, one row past E6 beyond D seen from G) with E6 and E7 (Dout)
# empty: Black's point is D = E6, valued by Black E6, White E7 (h0).
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . . . . . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 E7 F7 G7 [=F7:h0]

[one-corner-outside-dout-owned-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D6:0]

[one-corner-outside-dout-owned-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D4:0]

[one-corner-outside-dout-owned-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D6:0]

[one-corner-outside-dout-owned-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D4:0]

[one-corner-outside-dout-owned-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D6:0]

[one-corner-outside-dout-owned-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . O . .
  . . . . X . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F6:0]

[one-corner-outside-dout-owned-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D6:0]

[one-corner-outside-dout-owned-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# Black E7 (Dout) with F6 (D2) empty and D3 (Hout) empty: Black's point is G
# = D6 with d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F6:0]

[one-corner-outside-dout2-owned-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E6:0]

[one-corner-outside-dout2-owned-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E4:0]

[one-corner-outside-dout2-owned-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=C6:0]

[one-corner-outside-dout2-owned-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=C4:0]

[one-corner-outside-dout2-owned-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D5:0]

[one-corner-outside-dout2-owned-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . O . .
  . . . . X . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F5:0]

[one-corner-outside-dout2-owned-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . X . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D7:0]

[one-corner-outside-dout2-owned-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7 (Dout) and F6 (D2) empty, Black F7 (Dout2, beyond Dout seen from Gout):
# Black's point is D = E6 with d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . X . . . .
  . . . . . . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F7:0]

[one-corner-outside-open-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D5:0]

[one-corner-outside-open-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D5:0]

[one-corner-outside-open-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D5:0]

[one-corner-outside-open-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=D5:0]

[one-corner-outside-open-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=E6:0]

[one-corner-outside-open-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=E6:0]

[one-corner-outside-open-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=E6:0]

[one-corner-outside-open-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; the near
# stone C5, the far stone E5, D = E6 the corner on C's side in E5's row,
# G = D6, H = D4, I = C4 and J = E4 the corners on the other side); White D7
# stands two lines out beside the gap on C's side (Gout) and C has three
# liberties, so the outside answer is chosen.  Answer: OUT:d.
# E7, F6 and F7 empty: Black's point is the gap D5 with d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=E6:0]

[one-corner-outside-far-corner-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E4:0]

[one-corner-outside-far-corner-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E6:0]

[one-corner-outside-far-corner-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=C4:0]

[one-corner-outside-far-corner-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=C6:0]

[one-corner-outside-far-corner-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F5:0]

[one-corner-outside-far-corner-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D5:0]

[one-corner-outside-far-corner-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . O . . . O . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F7:0]

[one-corner-outside-far-corner-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White F4 (J2) with E4 and E3 empty: Black's point is J = E4, d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . O . . . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D7:0]

[one-corner-outside-near-corner-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=C4:0]

[one-corner-outside-near-corner-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . . . . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=C6:0]

[one-corner-outside-near-corner-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . . . . . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E4:0]

[one-corner-outside-near-corner-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=E6:0]

[one-corner-outside-near-corner-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . O X . . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F7:0]

[one-corner-outside-near-corner-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X O . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D7:0]

[one-corner-outside-near-corner-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . O . .
  . . . O X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=F5:0]

[one-corner-outside-near-corner-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# White B4 (I2) with C4 and C3 empty, F4 empty: Black's point is I = C4, d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . O . .
  . . . . X O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=D5:0]

[one-corner-outside-blocked-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-blocked-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-blocked-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-blocked-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-blocked-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-blocked-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-blocked-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . O . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-blocked-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C; near stone
# C5, far stone E5; H = D4 the gap-row point on the other side, I = C4 and
# J = E4 the corners on the other side), White D7 two lines out beside the
# gap on C's side (Gout) and White D3 two lines out on the other side (Hout).
# Jout is the point beyond J seen from the far stone E5 (E3), Iout the point
# beyond I seen from the near stone C5 (C3); J2 and I2 lie one row past J and
# I on the other side (F4, B4).  Answer: OUT:d.
# Neither F4 nor B4 holds White: no point, d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-far-corner-closed-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . . . O . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-far-corner-closed-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . O . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-far-corner-closed-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-far-corner-closed-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . O . . . . . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-far-corner-closed-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . O . .
  . . . . X . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-far-corner-closed-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . . O . .
  . . X . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-far-corner-closed-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . X . .
  . . O . . . O . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-far-corner-closed-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White F4 (J2) but Black E3 on Jout: the far corner is not chosen; I2 (B4)
# is empty, so no point, d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . O . . . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-near-corner-closed-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-near-corner-closed-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
# (the position mirrored across the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . O . . . . . . .
  . . X . X . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-near-corner-closed-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
# (the position mirrored along the jump, so the roles run from the other end)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . X . X . . . .
  . . . . . O . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-near-corner-closed-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
# (the position turned half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . O . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe C5 E5 [=none:0]

[one-corner-outside-near-corner-closed-upright-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
# (the position turned to run up the board)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . O X . X . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-near-corner-closed-upright-across-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
# (the position turned upright and mirrored across the jump)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . X . X O . . .
  . . O . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-near-corner-closed-upright-along-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
# (the position turned upright and mirrored along the jump)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . O . .
  . . . O X . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

[one-corner-outside-near-corner-closed-upright-both-black]
# Black's one-space jump C5-E5 with White's corner stone C6 (C), White D7
# (Gout) and White D3 (Hout) as above; J = E4 is the corner on the other side
# in the far stone's row, I = C4 in the near stone's row.  Jout is the point
# beyond J seen from the jump's end in J's row (E3), Iout beyond I seen from
# the end in I's row (C3).  Answer: OUT:d.
# White B4 (I2) but Black C3 on Iout: the near corner is not chosen either;
# no point, d = 0.
# (the position turned upright and half round)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . O . .
  . . X . X O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1SotoTe E7 E5 [=none:0]

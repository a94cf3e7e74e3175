# Rows that pin single cells of the link routines' role tables and the
# edges of their value rules: a value exactly at a bound, a tie, a cell
# whose colour alone decides the answer.  "call NAME A B ..." runs NAME on
# the box of the jump A-B for the side to move, with the lines of the row's
# hand working after each repeated A (the first from the owner, the next
# from the opponent, colours alternating); each candidate's value is
# answered as the expression of s, the sum of the two lines' evaluations for
# their first movers, that it equals (LinkRoutines.cpp names the forms).
# "call LinkGrade A B" answers the relations A's record holds toward B as
# "kind:grade".

[edge-peep-owner-part-far-above-push-of-two-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's J9, E2, D1 and White's H4 added, o is 37 and p is exactly 2:
# an opponent part of 2 or less with an owner part of 25 or more divides the
# sum by 3, s/3, and adds nothing.
black to play
  O O O O . . . . X
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . .
  O O O . . . X O .
  . . . . . . . O .
  . O . . . . . . .
  . . . . X . . . .
  . . . X . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s/3:5]

[edge-peep-owner-part-far-above-push-of-two-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's J9, E2, D1 and White's H4 added, o is 37 and p is exactly 2:
# an opponent part of 2 or less with an owner part of 25 or more divides the
# sum by 3, s/3, and adds nothing.
white to play
  O O O O . . . . X
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . .
  O O O . . . X O .
  . . . . . . . O .
  . O . . . . . . .
  . . . . X . . . .
  . . . X . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s/3:5]

[edge-peep-owner-part-exactly-25-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With White's J6 and J4 added, o is exactly 25 and p far below 2: the sum
# is divided by 3, s/3.
black to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . O
  O O O . . . X O .
  . . . . . . . . O
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s/3:5]

[edge-peep-owner-part-exactly-25-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With White's J6 and J4 added, o is exactly 25 and p far below 2: the sum
# is divided by 3, s/3.
white to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . O
  O O O . . . X O .
  . . . . . . . . O
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s/3:5]

[edge-peep-sum-exactly-six-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's G6 and White's G7 added, o is 1 and p 5: p is above 2, and
# the sum s = 6 reaches 6, so it gains 2: s + 2.
black to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . O . .
  O X X X . X X . .
  O O O . . . X O .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[edge-peep-sum-exactly-six-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 peeps beside the gap, its chain A9-D9 part of White's living group.
# Black's part o: Black E9.  White's part p: White E9; Black's block at F9
# is caught on the first line, so Black answers at G8 and White plays F9.
# With Black's G6 and White's G7 added, o is 1 and p 5: p is above 2, and
# the sum s = 6 reaches 6, so it gains 2: s + 2.
white to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . O . .
  O X X X . X X . .
  O O O . . . X O .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[two-space-approach-sum-exactly-13-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Reason 29: Black plays E6, White D5.
# With Black's A1 and White's B3 far off, o is 7 and p 6: s = 13 is not
# below 13, so it is not doubled: s.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [E6=s:29]

[two-space-approach-sum-exactly-13-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Reason 29: Black plays E6, White D5.
# With White to play and White's F7 (beside Black's F5, off every point the
# routine reads) and Black's E1 added, o is 6 and p 7: s = 13, not doubled.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [D5=s:29]

[two-space-approach-sum-zero-black]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Reason 29: Black plays E6, White D5.
# With Black's H6 and White's D1 far off, o is 5 and p -5: s = 0 is
# doubled to 0, and a value of 0 becomes -1.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . X .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [E6=-1:29]

[two-space-approach-sum-zero-white]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5
# (the only White stone of the outer strip beside the gaps, none in the box).
# White's line: the push D5, Black D4, White E5, Black E4 (p = White's
# evaluation after it); Black's answer E6 beside the far gap on White's side
# (o = Black's evaluation after it).  Reason 29: Black plays E6, White D5.
# With Black's H6 and White's D1 far off, o is 5 and p -5: s = 0 is
# doubled to 0, and a value of 0 becomes -1.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . X .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [D5=-1:29]

[edge-two-space-peep-sum-exactly-8-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9 has a stone beside it (H9), so White's extension there is
# not read.  Black's line: the connection E8 (a).  White's line: the cut F8,
# Black E8, White E9 (b).  Black's group E7-E5-G7-G6 has three stones and
# more: no division, and neither part is negative.  With Black's G7 added a
# is 5 and b 3: v = 8 reaches 8 with b above 0, so Black, the owner, adds 4:
# 12 = s + 4, which the answer names s+s/2 (the first form equal to 12).
black to play
  . . . . . . . X .
  . . O O . . . . .
  . O . . X . X . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+s/2:5]

[edge-two-space-peep-sum-exactly-8-white]
# The same with White to play: the 4 is the owner's alone, so White's cut
# F8 is worth s = 8.
white to play
  . . . . . . . X .
  . . O O . . . . .
  . O . . X . X . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s:5]

[two-space-peeps-on-one-side-held-at-20-black]
# Black's two-space jump C5-F5; White D6 and E6 peep beside both gap points
# from above (D5 the gap next to C5, E5 the one next to F5; D4 and E4 their
# flanks below).  White's B5 beside C5, A9 and Black's C9 far off.  Gap D5
# first: White's E4, Black E5, White D5, Black D4 leaves Black's D4 weak and
# White's E4 strong, so White's point is E4 and v is White's evaluation
# difference after those moves (above 40 here).  Black's part o is the
# connection D5, -1 here (h0): with o < 0 the sum is halved and held at 20,
# and half of it is 20 or more: 20.  Gap E5 then: the same read from F5
# (White D4, Black D5, White E5, Black E4; White's point D4) with Black's
# connection E5 worth 0 (h2), not negative: the plain sum, 42.
black to play
  O . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . O X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 C5 E5 [D5=20:5 E5=42:5]

[two-space-peeps-on-one-side-held-at-20-white]
# Black's two-space jump C5-F5; White D6 and E6 peep beside both gap points
# from above (D5 the gap next to C5, E5 the one next to F5; D4 and E4 their
# flanks below).  White's B5 beside C5, A9 and Black's C9 far off.  Gap D5
# first: White's E4, Black E5, White D5, Black D4 leaves Black's D4 weak and
# White's E4 strong, so White's point is E4 and v is White's evaluation
# difference after those moves (above 40 here).  Black's part o is the
# connection D5, -1 here (h0): with o < 0 the sum is halved and held at 20,
# and half of it is 20 or more: 20.  Gap E5 then: the same read from F5
# (White D4, Black D5, White E5, Black E4; White's point D4) with Black's
# connection E5 worth 0 (h2), not negative: the plain sum, 42.
# White to play: the points are White's, E4 and D4.
white to play
  O . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . O X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Nozoki C5 F5 C5 D5 C5 C5 E5 [E4=20:5 D4=42:5]

[two-liberty-ladder-after-atari-result-one]
# Black D5 has two liberties, E5 and D4 (White D6, C5 around it; White C4 and
# E4 below).  White's atari at E5 (the first liberty) and Black's extension
# at D4 leave Black's pair in atari: the ladder's first move is White's
# capture at D3, and the result is Black's evaluation after White E5, Black
# D4, White D3 when that is positive.  With White's H9 added h0, White's
# evaluation of that line, is -1: Black's is 1, positive, so the first order
# answers it: -h0.
black to play
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 D8 D5 D6 E5 D4 D3 [=-h0]

[large-knight-enemy-beside-the-partner]
# Black's large knight's move D4-G5 with White's G4 under G5, on D4's line
# three points along: from D4 that is the far point N3 of the pattern, an
# enemy there (nES 1) with nothing else around lifts the firm link to grade
# 2; from G5 White's G4 is the point ES beside the stone on the partner's
# line, nES 1 again: grade 2 from both ends.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade D4 G5 [7:2]
call LinkGrade G5 D4 [7:2]

[one-space-wedge-stone-behind-corner-tie]
# Black's one-space jump C5-E5; White wedges at D5 with D6 above it, so
# Black's block is D4; the corner C4 beside it is empty and White B4 stands
# just behind it.  Black's C6 and F7 make White's D5-D6 short of liberties:
# after Black D4 and White C4 (which no ladder captures) the wedge chain has
# two liberties, E6 and D7, and the ladder catches it, so Black's block is
# worth Black's evaluation after Black D4, White C4 and the ladder's first
# move D7 (h0).  Black's corner: Black C4, White D4 (h2).  White's side: White
# C4, Black D4 (h1, no ladder on D4), or White D4, Black C4 (h3, smaller).
# Here h0 and h2 are equal: a tie keeps the block D4 as Black's point, and
# the value is the better of the two plus White's h1: h0 + h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 D7 C5 C4 D4 C5 C4 D4 C5 D4 C4 [D4=h0+h1:5]

[edge-attached-hane-cut-closing-the-corner-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above K
# sends Black's hane at C8 to the cutting variant: C7 is a cutting point for
# Black, White's D8-D7 chain has exactly three liberties (C8, C7, D9), and
# after Black C8, White D9, Black C7 no ladder takes Black's C7.  White cuts
# at C7, Black takes D9, White extends at B8 (beyond C8) and keeps two
# liberties, so Black closes the first line at C9: the value h0 is Black's
# evaluation after Black C8, White C7, Black D9, White B8, Black C9.  With
# Black's A9 in the corner the last move C9 counts: h0 is well above Black's
# evaluation before it.
# Black plays the hane C8.
black to play
  X . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [C8=h0:5]

[edge-attached-hane-cut-closing-the-corner-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above K
# sends Black's hane at C8 to the cutting variant: C7 is a cutting point for
# Black, White's D8-D7 chain has exactly three liberties (C8, C7, D9), and
# after Black C8, White D9, Black C7 no ladder takes Black's C7.  White cuts
# at C7, Black takes D9, White extends at B8 (beyond C8) and keeps two
# liberties, so Black closes the first line at C9: the value h0 is Black's
# evaluation after Black C8, White C7, Black D9, White B8, Black C9.  With
# Black's A9 in the corner the last move C9 counts: h0 is well above Black's
# evaluation before it.
# White answers at D9 (C7 captures nothing).
white to play
  X . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [D9=h0:5]

[one-space-peep-hanes-extension-with-room]
# Black's one-space jump C5-E5 with White's peep at D6 and White F5 outside
# E5.  White's hane at C4 leaves C5 three liberties, no ladder: White extends
# the hane where it has room, at an empty neighbour of C4 with three empty
# neighbours.  B4 has three (A4, B3, B5); D4 (D5, E4) and C3 (B3, C2) have two
# beside White's D3: only B4 counts, h1 (White C4, B4, Black passing); h3
# (D4) and h5 (C3) are not read.  The hane at E4 leaves E5 with D5 and E6 and
# a ladder: its first two moves, h7.  The answer is the smaller of h1 and h7:
# h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . X O . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . X . . . . .
call IkkenNozokiKadoHane C5 E5 C4 E4 C5 C5 C4 C4 B4 C5 C5 C4 C4 D4 C5 C5 C4 C4 C3 C5 C5 E4 E4 D5 D5 E6 [=h1]

[edge-attached-pair-bonus-exactly-20]
# Black's second-line stone B6 jumps to the left edge; White's B7 (K) stands
# beside it on the second line, A7 (N) under K.  Black's line starts with the
# block under K at A7 and ends with Black's capturing follow-up, whose
# evaluation, the candidate's bonus, is exactly 20 here (White's F9 and
# Black's H8 added to the position of the capped total); the total of both
# lines with their forcing parts is above 25, held at 25; the urgent pass is
# off, and a bonus of 20 is not above 20, so no cut to 18: A7 at 25.
black to play
  . . . O . O X . X
  . . . O . . . X X
  . O . . . . . . .
  . X . X . . . O .
  . . . . . . . O .
  . . X . . . . . .
  . . X . . . . . .
  . . . X . . . . O
  O O . . X . . X O
call IkkenEdgeTukeYomi B6 A6 [A7=25:5]

[edge-two-space-peep-outside-reading-black]
# Black E7 on the third line jumps to the top edge (E8 the near gap, E9 the
# far one); White's D8 peeps beside E8, and White's G9 stands two lines out
# beside E9 on the free side, with Black's G7 two lines out beside the stone
# (on line 3) and G8 beside E8 empty: the outside reading.  D9 beside E9 on
# the peep's side is empty, and H9 (three out beside E9) is empty with two
# empty neighbours.  Black's line: E9, White E8, Black F8, White F9, Black H9,
# White D9, Black G8 (h0).  White's part: the push E8 (h1), or H8 (three out
# beside E8, its four neighbours empty) when better (h3): here H8, so the
# value is h0 + h3.
# Black plays the far gap E9.
black to play
  . . . . . . O . .
  . . . O . . . . .
  . . . . X . X . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E9 E8 F8 F9 H9 D9 G8 E7 E8 E7 E7 H8 [E9=h0+h3:5]

[edge-two-space-peep-outside-reading-white]
# Black E7 on the third line jumps to the top edge (E8 the near gap, E9 the
# far one); White's D8 peeps beside E8, and White's G9 stands two lines out
# beside E9 on the free side, with Black's G7 two lines out beside the stone
# (on line 3) and G8 beside E8 empty: the outside reading.  D9 beside E9 on
# the peep's side is empty, and H9 (three out beside E9) is empty with two
# empty neighbours.  Black's line: E9, White E8, Black F8, White F9, Black H9,
# White D9, Black G8 (h0).  White's part: the push E8 (h1), or H8 (three out
# beside E8, its four neighbours empty) when better (h3): here H8, so the
# value is h0 + h3.
# White pushes at the near gap E8.
white to play
  . . . . . . O . .
  . . . O . . . . .
  . . . . X . X . .
  . . . . X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E9 E8 F8 F9 H9 D9 G8 E7 E8 E7 E7 H8 [E8=h0+h3:5]

[two-space-approach-far-corner-across]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5.
# Black's F4 stands at F5's corner on the other side of the jump, not on the
# side of White's stone (F6 there is empty), so nothing stops the reading:
# White's push D5, Black D4, White E5, Black E4 (p); Black's answer E6 (o);
# s = o + p below 13: 2s.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 E6 C5 D5 D4 E5 E4 [E6=2s:29]

[two-space-approach-outside-stone-short-of-liberties]
# Black's two-space jump C5-F5 with White D7 two lines out beside the gap D5,
# and Black's C7 two lines out beside C5 on the same side: the cut.  White's
# D7 has two liberties (D6, E7; Black's D8 and C7 beside it) but is not nearly
# dead, linked diagonally to White's E8-F8-G8-G7, and Black's C7 has three: Black's point is D6 and
# White's D6 too.  Black D6 (o; it leaves D7 in atari, but the capture counts
# only for Black as the engine), White D6 (a): s = o + a, under the caller's
# reason.
white to play
  . . . . . . . . .
  . . . X O O O . .
  . . X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 D6 [D6=s:5]

[large-knight-enemy-beyond-the-partners-line]
# Black's large knight's move D4-G5 with White's F6: from D4 that is O2, two
# along and two across, beyond G5's line; an enemy on that side only (a = 0,
# b = 1) makes the link 2.  From G5 White's F6 is M1, beside G5 away from D4's
# line: one side again, 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . X . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call LinkGrade D4 G5 [7:2]
call LinkGrade G5 D4 [7:2]

[one-space-wedge-block-caught-after-the-corner-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 above it; the
# corner C4 beside Black's block D4 is empty with White B4 behind it, and
# White's E4 stands at the other corner.  White's side: White C4 and Black
# D4 leave Black's D4 in atari (D5, C4, E4 White), so the ladder reading on D4
# holds and White plays its first move, the capture at D3: h1 (White C4,
# Black D4, White D3).  White's extension D4, Black C4 (h3) is smaller, so
# White's point stays C4.  Black's side: the corner C4, White D4 (h2) is
# worth more than the block D4 met at C4 (h0): Black's point is C4 too.  The
# value: h2 + h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 C5 C4 D4 D3 C5 C4 D4 C5 D4 C4 [C4=h1+h2:5]

[one-space-wedge-block-caught-after-the-corner-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 above it; the
# corner C4 beside Black's block D4 is empty with White B4 behind it, and
# White's E4 stands at the other corner.  White's side: White C4 and Black
# D4 leave Black's D4 in atari (D5, C4, E4 White), so the ladder reading on D4
# holds and White plays its first move, the capture at D3: h1 (White C4,
# Black D4, White D3).  White's extension D4, Black C4 (h3) is smaller, so
# White's point stays C4.  Black's side: the corner C4, White D4 (h2) is
# worth more than the block D4 met at C4 (h0): Black's point is C4 too.  The
# value: h2 + h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 C5 C4 D4 D3 C5 C4 D4 C5 D4 C4 [C4=h1+h2:5]

[one-space-peep-hanes-near-end-smaller]
# Black's one-space jump C5-E5 with White's peep at D6; White's B5 and F5
# outside the ends, and White's A6.  White's hane at C4 leaves C5 with two
# liberties and a ladder: White's atari at D5 and the block at C6, the
# ladder's first two moves against C5 (h1: White C4, D5, C6, Black passing);
# the hane at E4 likewise against E5 with D5 and E6 (h3).  Here the reading
# against C5 is the smaller: h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . O . . . . .
  . O X . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoHane C5 E5 C4 E4 C5 C5 C4 C4 D5 D5 C6 C5 C5 E4 E4 D5 D5 E6 [=h1]

[two-liberty-ladder-after-atari-beside-the-atari-stone]
# Black D5 has two liberties, E5 and D4 (White D6, C5 around it; White C4 and
# E4 below), and Black's E6 stands above E5 with two liberties, E7 and F6
# (White's D6 and F7 around it).  White's atari at E5 (the first liberty) and
# Black's extension at D4: the Black chains next to White's E5 are read in
# the order up, right, down, left, so Black's E6 comes first, and the ladder
# catches it with White's E7 first.  The result is Black's evaluation after
# White E5, Black D4, White E7, which is positive: h0 is White's evaluation
# of that line (the jump D6-D8 is White's), Black's its negation: -h0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . O X . . . .
  . . O X . . . . .
  . . O . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariDameSicho D6 D8 D5 D6 E5 D4 E7 [=-h0]

[one-space-wedge-own-stone-below-caught-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 above it, so
# Black's block is D4; the corner E4 beside it is empty and White F4 stands
# just behind it; Black's D3 stands below D4 between White's C3 and E3.  The
# lines: h0 Black D4, White E4 (the block met at the corner); h1 White E4,
# Black D4; h2 Black E4, White D4; h3 White D4, Black E4 and, since Black's
# D3 is then in atari and the ladder reading on it holds, White's capture at
# D2.  Black's block is worth more than the corner (h0 >= h2): D4; White's
# extension with the capture is worth more than its corner (h3 > h1): D4.
# The value: h0 + h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . . . . . O . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 E4 E5 D3 C5 D4 E4 C5 E4 D4 C5 E4 D4 C5 D4 E4 D2 [D4=h0+h3:5]

[one-space-wedge-own-stone-below-caught-white]
# Black's one-space jump C5-E5; White wedges at D5 with D6 above it, so
# Black's block is D4; the corner E4 beside it is empty and White F4 stands
# just behind it; Black's D3 stands below D4 between White's C3 and E3.  The
# lines: h0 Black D4, White E4 (the block met at the corner); h1 White E4,
# Black D4; h2 Black E4, White D4; h3 White D4, Black E4 and, since Black's
# D3 is then in atari and the ladder reading on it holds, White's capture at
# D2.  Black's block is worth more than the corner (h0 >= h2): D4; White's
# extension with the capture is worth more than its corner (h3 > h1): D4.
# The value: h0 + h3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . . . . . O . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 E4 E5 D3 C5 D4 E4 C5 E4 D4 C5 E4 D4 C5 D4 E4 D2 [D4=h0+h3:5]

# The peep beside the gap of a jump to the edge, its two follow-ups read on
# their own: the opponent's play at S (first line, across the gap from the
# peeping stone Q) that leaves the owner's connection in atari, and the same
# play followed by the hane at T (second line, beside the stone).
# "call NAME S G ..." runs NAME on the relation of the second-line stone S to
# the edge beyond the first-line point G below it; the points after a
# repeated S are the lines of the row's working (the first from the owner,
# the second from the opponent, colours alternating within a line; an empty
# line keeps its place), and a value is answered as an expression of their
# evaluations h0, h1 for their first movers (s = h0 + h1).

[edge2-peep-atari-block-in-atari-top-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
black to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 E9 E8 F9 [E9=s:5]

[edge2-peep-atari-block-in-atari-top-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
white to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 E9 E8 F9 [F9=s:5]

[edge2-peep-atari-block-in-atari-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position mirrored left to right: the peep on the other side)
black to play
  . . . . . O . . .
  . . O X X O . . .
  . . . O . X . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 E9 E8 D9 [E9=s:5]

[edge2-peep-atari-block-in-atari-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . . . . O . . .
  . . O X X O . . .
  . . . O . X . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 E9 E8 D9 [D9=s:5]

[edge2-peep-atari-block-in-atari-bottom-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . X . O . . .
  . . . O X X O . .
  . . . O . . . . .
call IkkenEdgeNozokiAtari:edge2 E2 E1 E2 E1 E2 F1 [E1=s:5]

[edge2-peep-atari-block-in-atari-bottom-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . X . O . . .
  . . . O X X O . .
  . . . O . . . . .
call IkkenEdgeNozokiAtari:edge2 E2 E1 E2 E1 E2 F1 [F1=s:5]

[edge2-peep-atari-block-in-atari-left-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O O X X . X . . .
  . X . X X X . . .
  . X O X . X . . .
  . O . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 B5 A5 B5 A5 B5 A4 [A5=s:5]

[edge2-peep-atari-block-in-atari-left-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O O X X . X . . .
  . X . X X X . . .
  . X O X . X . . .
  . O . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 B5 A5 B5 A5 B5 A4 [A4=s:5]

[edge2-peep-atari-block-in-atari-right-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . O .
  . . . X . X O X .
  . . . X X X . X .
  . . . X . X X O O
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 H5 J5 H5 J5 H5 J6 [J5=s:5]

[edge2-peep-atari-block-in-atari-right-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8 has exactly three liberties (E9, F9, E7).  White's F9 is no
# self-atari (E9 and G9 stay free).  After White F9 and Black's connection
# at E9 the chain E8-F8-E9 keeps only E7: the play at S is a threat.
# Black's block at W = G9 instead would have only H9 (White holds F9 and
# G8), so it is not read: White's part p = Hyoka(White) with F9 on the board.
# Black's part: Black E9 leaves the chain F9 and E7; White's F9 is answered
# at E7, joining the two-eyed wall, so no ladder: o = Hyoka(Black) after E9,
# at the gap.  Value o + p = s: Black at the gap E9, White at S = F9.
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . O .
  . . . X . X O X .
  . . . X X X . X .
  . . . X . X X O O
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 H5 J5 H5 J5 H5 J6 [J6=s:5]

[edge2-peep-atari-block-and-ladder-top-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
black to play
  . . . O . . . . .
  . . . O X X X O .
  . . . . O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 G9 E8 F9 G9 E9 H9 [G9=s:5]

[edge2-peep-atari-block-and-ladder-top-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
white to play
  . . . O . . . . .
  . . . O X X X O .
  . . . . O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 G9 E8 F9 G9 E9 H9 [F9=s:5]

[edge2-peep-atari-block-and-ladder-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position mirrored left to right: the peep on the other side)
black to play
  . . . . . O . . .
  . O X X X O . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 C9 E8 D9 C9 E9 B9 [C9=s:5]

[edge2-peep-atari-block-and-ladder-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . . . . O . . .
  . O X X X O . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 E8 C9 E8 D9 C9 E9 B9 [D9=s:5]

[edge2-peep-atari-block-and-ladder-bottom-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O O . .
  . . . O X X X O .
  . . . O . . . . .
call IkkenEdgeNozokiAtari:edge2 E2 E1 E2 G1 E2 F1 G1 E1 H1 [G1=s:5]

[edge2-peep-atari-block-and-ladder-bottom-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O O . .
  . . . O X X X O .
  . . . O . . . . .
call IkkenEdgeNozokiAtari:edge2 E2 E1 E2 G1 E2 F1 G1 E1 H1 [F1=s:5]

[edge2-peep-atari-block-and-ladder-left-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 B5 A5 B5 A3 B5 A4 A3 A5 A2 [A3=s:5]

[edge2-peep-atari-block-and-ladder-left-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 B5 A5 B5 A3 B5 A4 A3 A5 A2 [A4=s:5]

[edge2-peep-atari-block-and-ladder-right-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . . O O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 H5 J5 H5 J7 H5 J6 J7 J5 J8 [J7=s:5]

[edge2-peep-atari-block-and-ladder-right-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, Black's.  Black's chain
# E8-F8-G8, walled in by White D8, E7, F7, G7, H8, has exactly three
# liberties (E9, F9, G9).  After White F9 and Black E9 it keeps only G9: a
# threat.  Black's block at W = G9 has two liberties (E9, H9), so White's
# push at the gap is read: White's D9-E9-F9 keeps C9, C8 and D7 (not in
# atari), and Black takes the stone's chain's last liberty H9:
# p = Hyoka(White) after White F9, Black G9, White E9, Black H9.
# Black's part: Black E9 leaves F9 and G9, and White F9, Black G9, White H9
# catch it on the edge (a ladder), so Black's point is W = G9 instead:
# o = Hyoka(Black) after Black G9.  Value o + p = s: Black at W = G9,
# White at S = F9.
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . . O O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 H5 J5 H5 J7 H5 J6 J7 J5 J8 [J6=s:5]

[edge2-peep-atari-push-captured-top-black]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
black to play
  . . . O . . . . .
  . . X O X X X O .
  . . . X O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 [none]

[edge2-peep-atari-push-captured-top-white]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
white to play
  . . . O . . . . .
  . . X O X X X O .
  . . . X O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 [none]

[edge2-peep-atari-push-captured-top-mirror-black]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position mirrored left to right: the peep on the other side)
black to play
  . . . . . O . . .
  . O X X X O X . .
  . . O O O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 [none]

[edge2-peep-atari-push-captured-top-mirror-white]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . . . . O . . .
  . O X X X O X . .
  . . O O O X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 E8 E9 [none]

[edge2-peep-atari-push-captured-bottom-black]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O O O . .
  . . X O X X X O .
  . . . O . . . . .
call IkkenEdgeNozokiAtari:edge2 E2 E1 [none]

[edge2-peep-atari-push-captured-bottom-white]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O O O . .
  . . X O X X X O .
  . . . O . . . . .
call IkkenEdgeNozokiAtari:edge2 E2 E1 [none]

[edge2-peep-atari-push-captured-left-black]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  O O X . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 B5 A5 [none]

[edge2-peep-atari-push-captured-left-white]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  O O X . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 B5 A5 [none]

[edge2-peep-atari-push-captured-right-black]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . X O O
  . . . . . . . X .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 H5 J5 [none]

[edge2-peep-atari-push-captured-right-white]
# The walled chain E8-F8-G8 of the row above, but Black's C8 and D7 leave
# White's D9-D8 only C9 and the gap.  After White F9 Black blocks at W = G9
# (two liberties, E9 and H9); White's push at the gap then has only C9 left
# (D9-D8-E9-F9: C8 and D7 are Black's), so Black captures it: White's play
# at S is no threat and neither side gets a candidate.
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . O X .
  . . . . . . X O O
  . . . . . . . X .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiAtari:edge2 H5 J5 [none]

[edge2-peep-hane-two-liberties-top-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
black to play
  . . . O . . . . .
  . . . O X . . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 E8 E8 F9 E9 F8 E7 [E9=h1:5]

[edge2-peep-hane-two-liberties-top-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
white to play
  . . . O . . . . .
  . . . O X . . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 E8 E8 F9 E9 F8 E7 [F9=h1:5]

[edge2-peep-hane-two-liberties-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position mirrored left to right: the peep on the other side)
black to play
  . . . . . O . . .
  . . . . X O . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X X X . X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 E8 E8 D9 E9 D8 E7 [E9=h1:5]

[edge2-peep-hane-two-liberties-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . . . . O . . .
  . . . . X O . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X X X . X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 E8 E8 D9 E9 D8 E7 [D9=h1:5]

[edge2-peep-hane-two-liberties-bottom-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X . X X O .
  . . O X . X O . .
  . . . O X . . . .
  . . . O . . . . .
call IkkenEdgeNozokiHane:edge2 E2 E1 E2 E2 F1 E1 F2 E3 [E1=h1:5]

[edge2-peep-hane-two-liberties-bottom-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X . X X O .
  . . O X . X O . .
  . . . O X . . . .
  . . . O . . . . .
call IkkenEdgeNozokiHane:edge2 E2 E1 E2 E2 F1 E1 F2 E3 [F1=h1:5]

[edge2-peep-hane-two-liberties-left-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  O O X X . X O . .
  . X . . X X O . .
  . . X X X X O . .
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 B5 A5 B5 B5 A4 A5 B4 C5 [A5=h1:5]

[edge2-peep-hane-two-liberties-left-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  O O X X . X O . .
  . X . . X X O . .
  . . X X X X O . .
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 B5 A5 B5 B5 A4 A5 B4 C5 [A4=h1:5]

[edge2-peep-hane-two-liberties-right-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  . . O X X X X . .
  . . O X X . . X .
  . . O X . X X O O
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 H5 J5 H5 H5 J6 J5 H6 G5 [J5=h1:5]

[edge2-peep-hane-two-liberties-right-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9; White
# D9 (Q) peeps beside it, so S = F9 and T = F8, both empty; F9 has three
# empty neighbours.  The stone alone has three liberties (E9, F8, E7) and
# its group, joined across the eye E7 to the wall below, has eye value 4
# (the eye E7-E6 and the eye D5).  White F9, Black E9, White F8: White's
# F8-F9 keeps G8 and G9 (two liberties, more than one), so Black must
# connect at the stone's last liberty E7: p = Hyoka(White) after White F9,
# Black E9, White F8, Black E7, greater than 0.  White's point is S = F9,
# Black's the gap E9, both worth p = h1.
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  . . O X X X X . .
  . . O X X . . X .
  . . O X . X X O O
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 H5 J5 H5 H5 J6 J5 H6 G5 [J6=h1:5]

[edge2-peep-hane-one-liberty-top-black]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
black to play
  . . . O . . . O .
  . . . O X . X O .
  . . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-one-liberty-top-white]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
white to play
  . . . O . . . O .
  . . . O X . X O .
  . . O X . X O . .
  . O X X . X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-one-liberty-top-mirror-black]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position mirrored left to right: the peep on the other side)
black to play
  . O . . . O . . .
  . O X . X O . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X X X . X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-one-liberty-top-mirror-white]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position mirrored left to right: the peep on the other side)
white to play
  . O . . . O . . .
  . O X . X O . . .
  . . O X . X O . .
  . O X X . X X O .
  . O X X X . X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-one-liberty-bottom-black]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X . X X O .
  . . O X . X O . .
  . . . O X . X O .
  . . . O . . . O .
call IkkenEdgeNozokiHane:edge2 E2 E1 [none]

[edge2-peep-hane-one-liberty-bottom-white]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X . X X O .
  . . O X . X O . .
  . . . O X . X O .
  . . . O . . . O .
call IkkenEdgeNozokiHane:edge2 E2 E1 [none]

[edge2-peep-hane-one-liberty-left-black]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  O O X X . X O . .
  . X . . X X O . .
  . . X X X X O . .
  . X O X X X O . .
  O O . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 B5 A5 [none]

[edge2-peep-hane-one-liberty-left-white]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  O O X X . X O . .
  . X . . X X O . .
  . . X X X X O . .
  . X O X X X O . .
  O O . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 B5 A5 [none]

[edge2-peep-hane-one-liberty-right-black]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . O O O . O O
  . . O X X X O X .
  . . O X X X X . .
  . . O X X . . X .
  . . O X . X X O O
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 H5 J5 [none]

[edge2-peep-hane-one-liberty-right-white]
# The hane position of the rows above with Black G8 added (White's H8 and
# H9 keep the group's eye value at 4): after White F9, Black E9, White F8,
# White's F8-F9 keeps only G9 (one liberty) and Black would capture it, so
# the hane is no threat: no candidate.
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . O O O . O O
  . . O X X X O X .
  . . O X X X X . .
  . . O X X . . X .
  . . O X . X X O O
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 H5 J5 [none]

[edge2-peep-hane-eye-value-three-top-black]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
black to play
  . . . O . . . . .
  . . . O X . . . .
  . . O X . X O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-eye-value-three-top-white]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
white to play
  . . . O . . . . .
  . . . O X . . . .
  . . O X . X O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-eye-value-three-top-mirror-black]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position mirrored left to right: the peep on the other side)
black to play
  . . . . . O . . .
  . . . . X O . . .
  . . O X . X O . .
  . O X X X X X O .
  . O X X X . X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-eye-value-three-top-mirror-white]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . . . . O . . .
  . . . . X O . . .
  . . O X . X O . .
  . O X X X X X O .
  . O X X X . X O .
  . O X X X X X O .
  . . O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 E8 E9 [none]

[edge2-peep-hane-eye-value-three-bottom-black]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O X . X O . .
  . . . O X . . . .
  . . . O . . . . .
call IkkenEdgeNozokiHane:edge2 E2 E1 [none]

[edge2-peep-hane-eye-value-three-bottom-white]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O O O O . .
  . O X X X X X O .
  . O X . X X X O .
  . O X X X X X O .
  . . O X . X O . .
  . . . O X . . . .
  . . . O . . . . .
call IkkenEdgeNozokiHane:edge2 E2 E1 [none]

[edge2-peep-hane-eye-value-three-left-black]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  O O X X . X O . .
  . X . X X X O . .
  . . X X X X O . .
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 B5 A5 [none]

[edge2-peep-hane-eye-value-three-left-white]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  O O X X . X O . .
  . X . X X X O . .
  . . X X X X O . .
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 B5 A5 [none]

[edge2-peep-hane-eye-value-three-right-black]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  . . O X X X X . .
  . . O X X X . X .
  . . O X . X X O O
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 H5 J5 [none]

[edge2-peep-hane-eye-value-three-right-white]
# The hane position with E6 filled by Black: E7 is now a one-point eye
# whose diagonal D8 is White's and F8 open, half an eye, so with the eye D5
# the group's eye value is 3, not 4: the hane is not read, no candidate.
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . O O O . . .
  . . O X X X O . .
  . . O X X X X . .
  . . O X X X . X .
  . . O X . X X O O
  . . O X X X O . .
  . . . O O O . . .
  . . . . . . . . .
call IkkenEdgeNozokiHane:edge2 H5 J5 [none]


# The wedge beside the owner's stone with the opponent's K next to it, the
# rows of links-edge-cover.tst with the engine as the owner (Black): the
# owner's point, with the value that the sum of the two parts gains when the
# engine owns the link (3 from 10 on, the cut reason from 20 on; the entry
# answers the value before that gain, see Edge2CoverLinkRoutines.cpp).

[edge2-wedge-beside-k-captured-wedge-top-black-owner]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# Black's point is M = U, the extension, worth h0 plus White's better part.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . O . . . .
  . . X O X . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 G8 E8 F8 E8 E8 G9 [G8=h0+h1:5|G8=h0+h3:5]

[edge2-wedge-beside-k-captured-wedge-top-mirror-black-owner]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position mirrored)
# Black's point is M = U, the extension, worth h0 plus White's better part.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . O . . . .
  . . . . X O X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 C8 E8 D8 E8 E8 C9 [C8=h0+h1:5|C8=h0+h3:5]

[edge2-wedge-beside-k-captured-wedge-left-black-owner]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position on the left edge)
# Black's point is M = U, the extension, worth h0 plus White's better part.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . O X . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 B3 B5 B4 B5 B5 A3 [B3=h0+h1:5|B3=h0+h3:5]

[edge2-wedge-beside-k-captured-wedge-bottom-mirror-black-owner]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, and K is in atari
# (Black C8, D7 and the stone around it): White's stones are dead while
# Black's group is not.  S = F9, T = F8, U = G8, W = G9, N = D9.  Black's D9
# would capture, so N is no forbidden point (no crawl reading), and K has
# one liberty, not two (no L).  U is empty with its eight neighbours empty:
# Black's part is the extension to U, G8 (h0).  White's part: U is not
# Black's; T has three empty neighbours and W is empty: White takes the
# better of the hane T = F8 (h1) and the descent W = G9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position on the bottom edge and mirrored)
# Black's point is M = U, the extension, worth h0 plus White's better part.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . . X O X . .
  . . . . O . . . .
call IkkenEdgeWarikomi:owner E2 E1 E2 C2 E2 D2 E2 E2 C1 [C2=h0+h1:5|C2=h0+h3:5]

[edge2-wedge-beside-k-owner-above-t-top-black-owner]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . O . . . .
  . . . O X . X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 F9 D9 E8 F9 [F9=s:5]

[edge2-wedge-beside-k-owner-above-t-top-mirror-black-owner]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
# (the position mirrored)
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . O . . . .
  . . X . X O . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 D9 F9 E8 D9 [D9=s:5]

[edge2-wedge-beside-k-owner-above-t-left-black-owner]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
# (the position on the left edge)
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . X . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 A4 A6 B5 A4 [A4=s:5]

[edge2-wedge-beside-k-owner-above-t-bottom-mirror-black-owner]
# Black's second-line stone E8 (chain E8-E7-F7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8
# and V = F7 (above T = F8).  S = F9, N = D9, W = G9.  F9 is no self-atari
# for either side; N is no forbidden point for Black; K has three liberties
# (no L); U is Black's.  Black's S does not shorten the stone's chain, V is
# not empty: Black's part is Black F9, White D9 (h0), Black's point F9.
# White's part: U is Black's and V is Black's too, so White's descent at W
# is not read: White plays S = F9 (h1).  For White: s at F9.
# (the position on the bottom edge and mirrored)
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:owner E2 E1 E2 D1 F1 E2 D1 [D1=s:5]

[edge2-wedge-beside-k-descent-beyond-u-top-black-owner]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . O . . . .
  . . . O X . X X .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 F9 D9 E8 G9 H9 F9 [F9=s:5]

[edge2-wedge-beside-k-descent-beyond-u-top-mirror-black-owner]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
# (the position mirrored)
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . O . . . .
  . X X . X O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 D9 F9 E8 C9 B9 D9 [D9=s:5]

[edge2-wedge-beside-k-descent-beyond-u-left-black-owner]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
# (the position on the left edge)
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 A4 A6 B5 A3 A2 A4 [A4=s:5]

[edge2-wedge-beside-k-descent-beyond-u-bottom-mirror-black-owner]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White has
# wedged at E9 with White D8 (K) beside the stone; Black holds U = G8 with
# H8 beside it.  S = F9, T = F8, N = D9, V = F7, W = G9.  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is empty
# but F6 above it is no White wall: Black's part is Black F9, White D9 (h0).
# White's part: U is Black's, W is neither forbidden nor a self-atari for
# White, V is not Black's and Black's G8-H8 is not dead: White descends at
# W = G9, Black answers beyond at H9 (joining H8), White plays S = F9; Black's
# chain keeps many liberties, so no ladder: h1 (G9, H9, F9).  For White: s
# at G9.
# (the position on the bottom edge and mirrored)
# Black's point is its part's first move, worth s.
# With Black to play the sum gains 3 from 10 on, the cut reason from 20.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . X X . X O . . .
  . . . . O . . . .
call IkkenEdgeWarikomi:owner E2 E1 E2 D1 F1 E2 C1 B1 D1 [D1=s:5]

[edge2-attached-pair-push-caught-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
black to play
  . . X . . . X . .
  . . . O X X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 E8 E9 E8 D9 [D9=h0:5]

[edge2-attached-pair-push-caught-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
white to play
  . . X . . . X . .
  . . . O X X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 E8 E9 E8 D9 [D9=h0:5]

[edge2-attached-pair-push-caught-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X X . . .
  . . X . . . X . .
call IkkenEdgeTukeYomi:less1 E2 E1 E2 D1 [D1=h0:5]

[edge2-attached-pair-push-caught-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X X . . .
  . . X . . . X . .
call IkkenEdgeTukeYomi:less1 E2 E1 E2 D1 [D1=h0:5]

[edge2-attached-pair-push-caught-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  X . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . X . . X X . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 B5 A5 B5 A6 [A6=h0:5]

[edge2-attached-pair-push-caught-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  X . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . X . . X X . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 B5 A5 B5 A6 [A6=h0:5]

[edge2-attached-pair-push-caught-read-from-k-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# Here K stands on the larger side along the edge (the position mirrored):
# of the two opposing stones side by side the one with the larger
# coordinate along the edge reads the pair, so this relation answers none.
# (the position mirrored left to right: the peep on the other side)
black to play
  . . X . . . X . .
  . . . X X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . X . . O . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 E8 E9 E8 F9 [none]

[edge2-attached-pair-push-caught-read-from-k-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# Here K stands on the larger side along the edge (the position mirrored):
# of the two opposing stones side by side the one with the larger
# coordinate along the edge reads the pair, so this relation answers none.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . X . . . X . .
  . . . X X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . X . . O . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 E8 E9 E8 F9 [none]

[edge2-attached-pair-push-caught-read-from-k-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# Here K stands on the larger side along the edge (the position mirrored):
# of the two opposing stones side by side the one with the larger
# coordinate along the edge reads the pair, so this relation answers none.
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
  . . . X X . . X .
  . . . . . X X X .
  . . . . . O O O .
  . . . O O . . . X
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 H5 J5 H5 J4 [none]

[edge2-attached-pair-push-caught-read-from-k-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4); Black also holds C9 (NN), F8 (T) and G9.
# Black's line: Black D9 (N) is no self-atari (it joins C9) and no ladder
# takes it or the stone; NN is Black's, K keeps three liberties and more,
# NN is not in the corner: Black's part is Black D9 (h0), its point D9.
# F7 above T has Black's stones around it; B9 beyond NN ataris nothing.
# White's line: White's push at the gap E9 is no self-atari and K is no
# ladder; but Black's D9 then ataris E9 and its extension F9 has no liberty
# (F8 and G9 are Black's): the push is caught, N is not in the corner, so
# White's point is N = D9 with a fixed value of 1 for its part.  No forcing line: both
# sides' point D9 with h0 + 1 (the entry answers the value less 1).
# Here K stands on the larger side along the edge (the position mirrored):
# of the two opposing stones side by side the one with the larger
# coordinate along the edge reads the pair, so this relation answers none.
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
  . . . X X . . X .
  . . . . . X X X .
  . . . . . O O O .
  . . . O O . . . X
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi:less1 H5 J5 H5 J4 [none]


[edge2-peep-first-at-s-connection-in-atari-top-black]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
black to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 E8 E8 F9 [=h1]

[edge2-peep-first-at-s-connection-in-atari-top-white]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
white to play
  . . . O . . . . .
  . . . O X X O . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 E8 E8 F9 [=h1]

[edge2-peep-first-at-s-connection-in-atari-top-mirror-black]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position mirrored left to right: the peep on the other side)
black to play
  . . . . . O . . .
  . . O X X O . . .
  . . . O . X . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 D9 E8 E8 D9 [=h1]

[edge2-peep-first-at-s-connection-in-atari-top-mirror-white]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position mirrored left to right: the peep on the other side)
white to play
  . . . . . O . . .
  . . O X X O . . .
  . . . O . X . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 D9 E8 E8 D9 [=h1]

[edge2-peep-first-at-s-connection-in-atari-bottom-black]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . X . O . . .
  . . . O X X O . .
  . . . O . . . . .
call IkkenEdgeHasamiHyoka:edge2 E2 E1 F1 E2 E2 F1 [=h1]

[edge2-peep-first-at-s-connection-in-atari-bottom-white]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . X . O . . .
  . . . O X X O . .
  . . . O . . . . .
call IkkenEdgeHasamiHyoka:edge2 E2 E1 F1 E2 E2 F1 [=h1]

[edge2-peep-first-at-s-connection-in-atari-left-black]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O O X X . X . . .
  . X . X X X . . .
  . X O X . X . . .
  . O . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 B5 A5 A4 B5 B5 A4 [=h1]

[edge2-peep-first-at-s-connection-in-atari-left-white]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O O X X . X . . .
  . X . X X X . . .
  . X O X . X . . .
  . O . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 B5 A5 A4 B5 B5 A4 [=h1]

[edge2-peep-first-at-s-connection-in-atari-right-black]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position on the right edge, mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . O .
  . . . X . X O X .
  . . . X X X . X .
  . . . X . X X O O
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 H5 J5 J6 H5 H5 J6 [=h1]

[edge2-peep-first-at-s-connection-in-atari-right-white]
# The opponent's play at S first, read on its own.  Black's second-line
# stone E8 jumps to the top edge over the gap E9; White D9 (Q) peeps beside
# it, S = F9.  Black's chain E8-F8 has three liberties (E9, F9, E7), not
# more, and F9 is empty and no self-atari for White (E9 and G9 stay free).
# White F9 is no ladder for Black: Black's G9 atari is answered at E9
# joining D9-D8, and Black's E9 atari would leave Black's E8-F8-E9 with E7
# alone while White's F9 takes G9.  Then Black's connection at the gap E9
# leaves the chain only E7: it is caught (in atari), so White's value of S
# is Hyoka(White) with F9 on the board (h1, White's line F9).
# (the position on the right edge, mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . O .
  . . . X . X O X .
  . . . X X X . X .
  . . . X . X X O O
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 H5 J5 J6 H5 H5 J6 [=h1]

[edge2-peep-first-at-s-four-liberties-top-black]
# The position of the rows above without White G8: Black's chain E8-F8
# now has four liberties (E9, F9, E7, G8), more than three, so White's play
# at S first is not read: -1.
black to play
  . . . O . . . . .
  . . . O X X . . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 [=-1]

[edge2-peep-first-at-s-four-liberties-top-white]
# The position of the rows above without White G8: Black's chain E8-F8
# now has four liberties (E9, F9, E7, G8), more than three, so White's play
# at S first is not read: -1.
white to play
  . . . O . . . . .
  . . . O X X . . .
  . . . X . O . . .
  . . X X X X X . .
  . . X . X . X . .
  . . X X X X X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 [=-1]

[edge2-peep-first-at-s-four-liberties-left-black]
# The position of the rows above without White G8: Black's chain E8-F8
# now has four liberties (E9, F9, E7, G8), more than three, so White's play
# at S first is not read: -1.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O O X X . X . . .
  . X . X X X . . .
  . X O X . X . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 B5 A5 A4 [=-1]

[edge2-peep-first-at-s-four-liberties-left-white]
# The position of the rows above without White G8: Black's chain E8-F8
# now has four liberties (E9, F9, E7, G8), more than three, so White's play
# at S first is not read: -1.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  O O X X . X . . .
  . X . X X X . . .
  . X O X . X . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 B5 A5 A4 [=-1]

[edge2-aim-two-chains-in-atari-black]
# The aim of a play at E5 against the other side's chains beside it: White's
# D5 and F5 each have one liberty (E5) and E5 has two empty neighbours (E6,
# E4), so Black's E5 threatens: yes.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . X O . O X . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 E5 [yes]

[edge2-aim-two-chains-in-atari-white]
# The aim of a play at E5 against the other side's chains beside it: White's
# D5 and F5 each have one liberty (E5) and E5 has two empty neighbours (E6,
# E4), so Black's E5 threatens: yes.
# (colours swapped: White's play against Black's chains)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . O X . X O . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 E5 [yes]

[edge2-aim-two-chains-one-empty-neighbour-black]
# As above with Black E4: E5 has one empty neighbour only, and neither
# White chain has exactly two liberties (no ladder clause): no.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . X O . O X . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 E5 [no]

[edge2-aim-two-chains-one-empty-neighbour-white]
# As above with Black E4: E5 has one empty neighbour only, and neither
# White chain has exactly two liberties (no ladder clause): no.
# (colours swapped: White's play against Black's chains)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . O X . X O . .
  . . . O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 E5 [no]

[edge2-aim-ladder-on-two-liberties-black]
# White's lone E5 has two liberties (F5, E4) with Black D5, E6 and F6
# around it: Black's E4 atari drives it along F5, G5 ... to the edge (a
# ladder with nothing in its way), so the play at F5 beside it aims at it:
# yes (one chain only, the ladder clause).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 F5 [yes]

[edge2-aim-ladder-on-two-liberties-white]
# White's lone E5 has two liberties (F5, E4) with Black D5, E6 and F6
# around it: Black's E4 atari drives it along F5, G5 ... to the edge (a
# ladder with nothing in its way), so the play at F5 beside it aims at it:
# yes (one chain only, the ladder clause).
# (colours swapped: White's play against Black's chains)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 F5 [yes]

[edge2-aim-no-ladder-on-two-liberties-black]
# White's lone E5 with Black D5 and E6 only: it has two liberties but
# either atari lets it extend to three, so no ladder takes it, and it is
# the only White chain beside F5: no.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 F5 [no]

[edge2-aim-no-ladder-on-two-liberties-white]
# White's lone E5 with Black D5 and E6 only: it has two liberties but
# either atari lets it extend to three, so no ladder takes it, and it is
# the only White chain beside F5: no.
# (colours swapped: White's play against Black's chains)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 F5 [no]


[edge2-peep-first-at-s-four-liberties-caught-top-black]
# The opponent's play at S first, with more than three liberties.  Black's
# second-line stone E8 jumps to the top edge over the gap E9; White D9 (Q)
# peeps beside it, S = F9.  Black's chain E8-F8 has four liberties (E9, F9,
# E7, G8): more than three, so White's play at F9 first is not read (-1),
# although Black's connection at E9 after it would be caught (White G8,
# and Black's E7 has no liberty among White D7, F7 and E6).
black to play
  . . . O . . . O .
  . . . O X X . . .
  . . . O . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 [=-1]

[edge2-peep-first-at-s-four-liberties-caught-top-white]
# The opponent's play at S first, with more than three liberties.  Black's
# second-line stone E8 jumps to the top edge over the gap E9; White D9 (Q)
# peeps beside it, S = F9.  Black's chain E8-F8 has four liberties (E9, F9,
# E7, G8): more than three, so White's play at F9 first is not read (-1),
# although Black's connection at E9 after it would be caught (White G8,
# and Black's E7 has no liberty among White D7, F7 and E6).
white to play
  . . . O . . . O .
  . . . O X X . . .
  . . . O . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 E8 E9 F9 [=-1]

[edge2-peep-first-at-s-four-liberties-caught-left-black]
# The opponent's play at S first, with more than three liberties.  Black's
# second-line stone E8 jumps to the top edge over the gap E9; White D9 (Q)
# peeps beside it, S = F9.  Black's chain E8-F8 has four liberties (E9, F9,
# E7, G8): more than three, so White's play at F9 first is not read (-1),
# although Black's connection at E9 after it would be caught (White G8,
# and Black's E7 has no liberty among White D7, F7 and E6).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  . X . O . . . . .
  . X O . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 B5 A5 A4 [=-1]

[edge2-peep-first-at-s-four-liberties-caught-left-white]
# The opponent's play at S first, with more than three liberties.  Black's
# second-line stone E8 jumps to the top edge over the gap E9; White D9 (Q)
# peeps beside it, S = F9.  Black's chain E8-F8 has four liberties (E9, F9,
# E7, G8): more than three, so White's play at F9 first is not read (-1),
# although Black's connection at E9 after it would be caught (White G8,
# and Black's E7 has no liberty among White D7, F7 and E6).
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  . X . O . . . . .
  . X O . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
call IkkenEdgeHasamiHyoka:edge2 B5 A5 A4 [=-1]

[edge2-wedge-beside-k-descent-captures-top-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# For White: its point with h0 plus that part.
white to play
  . . . . O . . X O
  . . X O X . . O O
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 F8 E8 E8 G9 [F8=h0+h1:5|G9=h0+h3:5]

[edge2-wedge-beside-k-descent-captures-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position mirrored left to right: the peep on the other side)
white to play
  O X . . O . . . .
  O O . . X O X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 D8 E8 E8 C9 [D8=h0+h1:5|C9=h0+h3:5]

[edge2-wedge-beside-k-descent-captures-left-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . O X . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X O . . . . . . .
  O O . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 A6 B5 B4 B5 B5 A3 [B4=h0+h1:5|A3=h0+h3:5]

[edge2-wedge-beside-k-descent-captures-bottom-white]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# For White: its point with h0 plus that part.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X O X . . O O
  . . . . O . . X O
call IkkenEdgeWarikomi:cover E2 E1 E2 F1 D1 E2 F2 E2 E2 G1 [F2=h0+h1:5|G1=h0+h3:5]

[edge2-wedge-beside-k-descent-captures-owner-top-black]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# Black's point S = F9 with h0 plus White's part; with Black to play the sum
# gains 3 from 10 on, the cut reason from 20 (the entry answers it before).
black to play
  . . . . O . . X O
  . . X O X . . O O
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 F9 D9 E8 F8 E8 E8 G9 [F9=h0+h1:5|F9=h0+h3:5]

[edge2-wedge-beside-k-descent-captures-owner-top-mirror-black]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# Black's point S = F9 with h0 plus White's part; with Black to play the sum
# gains 3 from 10 on, the cut reason from 20 (the entry answers it before).
# (the position mirrored left to right: the peep on the other side)
black to play
  O X . . O . . . .
  O O . . X O X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 D9 F9 E8 D8 E8 E8 C9 [D9=h0+h1:5|D9=h0+h3:5]

[edge2-wedge-beside-k-descent-captures-owner-left-black]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# Black's point S = F9 with h0 plus White's part; with Black to play the sum
# gains 3 from 10 on, the cut reason from 20 (the entry answers it before).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . O X . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X O . . . . . . .
  O O . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 A4 A6 B5 B4 B5 B5 A3 [A4=h0+h1:5|A4=h0+h3:5]

[edge2-wedge-beside-k-descent-captures-owner-bottom-black]
# Black's second-line stone E8 (chain E8-E7-D7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone, K in atari (Black C8,
# D7 and the stone around it).  S = F9, T = F8, U = G8, V = F7, W = G9,
# N = D9; Black's H9 has only G9 (White H8, J8, J9).  Black's D9 would
# capture K, so N is no forbidden point; K has one liberty, so no L.  U is
# empty but not all its eight neighbours are (H8, H9): no extension.  Black's
# S = F9 leaves the stone's chain many liberties; V is empty but F6 beyond
# it is no White wall: Black's point is S, White answers at N: h0 (F9, D9).
# White's part: U is not Black's, T has three empty neighbours and W is
# empty: White takes the better of the hane T = F8 (h1) and the descent
# W = G9 that captures H9 (h3), T on a tie.
# Black's point S = F9 with h0 plus White's part; with Black to play the sum
# gains 3 from 10 on, the cut reason from 20 (the entry answers it before).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . X O X . . O O
  . . . . O . . X O
call IkkenEdgeWarikomi:owner E2 E1 E2 F1 D1 E2 F2 E2 E2 G1 [F1=h0+h1:5|F1=h0+h3:5]

[edge2-aim-two-chains-two-liberties-black]
# White's D5 (liberties C5, E5) and F5 (E5, G5) each have two liberties
# and E5 between them two empty neighbours (E6, E4): Black's E5 ataris both
# at once, a threat: yes (the two-chain clause; neither stone alone falls
# to a ladder, each atari lets it extend to three liberties).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . . O . O . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 E5 [yes]

[edge2-aim-two-chains-two-liberties-white]
# White's D5 (liberties C5, E5) and F5 (E5, G5) each have two liberties
# and E5 between them two empty neighbours (E6, E4): Black's E5 ataris both
# at once, a threat: yes (the two-chain clause; neither stone alone falls
# to a ladder, each atari lets it extend to three liberties).
# (colours swapped: White's play against Black's chains)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . . X . X . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNeraiCheck:edge2 E5 [yes]

[edge2-wedge-beside-k-descent-taken-top-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For White: s at F9.
white to play
  . . . . O . X . .
  . . . O X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 F9 [F9=s:5]

[edge2-wedge-beside-k-descent-taken-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For White: s at F9.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . X . O . . . .
  . . . . X O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 D9 [D9=s:5]

[edge2-wedge-beside-k-descent-taken-left-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For White: s at F9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 A6 B5 A4 [A4=s:5]

[edge2-wedge-beside-k-descent-taken-bottom-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For White: s at F9.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . . O . X . .
call IkkenEdgeWarikomi:cover E2 E1 E2 F1 D1 E2 F1 [F1=s:5]


[edge2-wedge-beside-k-descent-taken-owner-top-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For Black: s at F9, with the gain of the engine's own link (3 from 10 on,
# the cut reason from 20; the entry answers the value before it).
black to play
  . . . . O . X . .
  . . . O X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 F9 D9 E8 F9 [F9=s:5]

[edge2-wedge-beside-k-descent-taken-owner-top-mirror-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For Black: s at F9, with the gain of the engine's own link (3 from 10 on,
# the cut reason from 20; the entry answers the value before it).
# (the position mirrored left to right: the peep on the other side)
black to play
  . . X . O . . . .
  . . . . X O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 D9 F9 E8 D9 [D9=s:5]

[edge2-wedge-beside-k-descent-taken-owner-left-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For Black: s at F9, with the gain of the engine's own link (3 from 10 on,
# the cut reason from 20; the entry answers the value before it).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 A4 A6 B5 A4 [A4=s:5]

[edge2-wedge-beside-k-descent-taken-owner-bottom-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds W = G9.
# S = F9, T = F8, U = G8, V = F7, N = D9.  The stone's chain has four
# liberties; F9 is no self-atari for either side; Black's D9 is legal (no
# forbidden point); K has three liberties (no L).  U is empty but G9 among
# its neighbours is Black's: no extension; Black's S leaves the stone's
# chain four liberties; V is empty but F6 beyond it is no White wall:
# Black's part is S = F9, White answers at N = D9 (h0).  White's part: U is
# not Black's; T has three empty neighbours but W is taken, and W is not
# empty: White blocks at S = F9 (h1), its stones there not dead.
# For Black: s at F9, with the gain of the engine's own link (3 from 10 on,
# the cut reason from 20; the entry answers the value before it).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . . O . X . .
call IkkenEdgeWarikomi:owner E2 E1 E2 F1 D1 E2 F1 [F1=s:5]

[edge2-wedge-beside-k-block-dead-top-white]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
white to play
  . . . . O . X . .
  . . X O X . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge2-wedge-beside-k-block-dead-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
# (the position mirrored left to right: the peep on the other side)
white to play
  . . X . O . . . .
  . . . . X O X . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 [none]

[edge2-wedge-beside-k-block-dead-left-white]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . O X . . . . . .
  O X X . . . . . .
  . . X . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 [none]

[edge2-wedge-beside-k-block-dead-bottom-white]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  . . X O X . . . .
  . . . . O . X . .
call IkkenEdgeWarikomi:cover E2 E1 [none]


[edge2-wedge-beside-k-block-dead-owner-top-black]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
# With Black as the engine the death of White's block is not read.
# Black's part: K has one liberty (no L), Black's D9 would capture (no
# forbidden point); U's neighbours are not all empty; Black's S leaves the
# stone's chain many liberties and V is Black's: Black plays S = F9, White
# answers at N = D9 (h0).  White's part: the block at S (h1).  For Black:
# s at F9, with the gain of the engine's own link (the entry answers the
# value before it).
black to play
  . . . . O . X . .
  . . X O X . . . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 F9 D9 E8 F9 [F9=s:5]

[edge2-wedge-beside-k-block-dead-owner-top-mirror-black]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
# With Black as the engine the death of White's block is not read.
# Black's part: K has one liberty (no L), Black's D9 would capture (no
# forbidden point); U's neighbours are not all empty; Black's S leaves the
# stone's chain many liberties and V is Black's: Black plays S = F9, White
# answers at N = D9 (h0).  White's part: the block at S (h1).  For Black:
# s at F9, with the gain of the engine's own link (the entry answers the
# value before it).
# (the position mirrored left to right: the peep on the other side)
black to play
  . . X . O . . . .
  . . . . X O X . .
  . . . X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 D9 F9 E8 D9 [D9=s:5]

[edge2-wedge-beside-k-block-dead-owner-left-black]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
# With Black as the engine the death of White's block is not read.
# Black's part: K has one liberty (no L), Black's D9 would capture (no
# forbidden point); U's neighbours are not all empty; Black's S leaves the
# stone's chain many liberties and V is Black's: Black plays S = F9, White
# answers at N = D9 (h0).  White's part: the block at S (h1).  For Black:
# s at F9, with the gain of the engine's own link (the entry answers the
# value before it).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . O X . . . . . .
  O X X . . . . . .
  . . X . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 A4 A6 B5 A4 [A4=s:5]

[edge2-wedge-beside-k-block-dead-owner-bottom-black]
# Black's second-line stone E8 (chain E8-E7-D7-F7) jumps to the top edge;
# White has wedged at E9 with White D8 (K) beside the stone, K in atari
# (Black C8, D7 and the stone); Black holds W = G9 and V = F7.  S = F9,
# T = F8 (two empty neighbours), U = G8, N = D9.  White's part: U is not
# Black's, T has fewer than three empty neighbours, W is taken: White's
# block at S = F9 is read, and for White as the engine the analysis then
# finds its stones there (E9-F9 with the dead K) dead: no candidate.
# With Black as the engine the death of White's block is not read.
# Black's part: K has one liberty (no L), Black's D9 would capture (no
# forbidden point); U's neighbours are not all empty; Black's S leaves the
# stone's chain many liberties and V is Black's: Black plays S = F9, White
# answers at N = D9 (h0).  White's part: the block at S (h1).  For Black:
# s at F9, with the gain of the engine's own link (the entry answers the
# value before it).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X . . .
  . . X O X . . . .
  . . . . O . X . .
call IkkenEdgeWarikomi:owner E2 E1 E2 F1 D1 E2 F1 [F1=s:5]

[edge2-wedge-beside-k-descent-answer-taken-top-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For White: s at its descent G9.
white to play
  . . . . O . . O .
  . . . O X . X X .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 G9 [G9=s:5]

[edge2-wedge-beside-k-descent-answer-taken-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For White: s at its descent G9.
# (the position mirrored left to right: the peep on the other side)
white to play
  . O . . O . . . .
  . X X . X O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 C9 [C9=s:5]

[edge2-wedge-beside-k-descent-answer-taken-left-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For White: s at its descent G9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 A6 B5 A3 [A3=s:5]

[edge2-wedge-beside-k-descent-answer-taken-bottom-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For White: s at its descent G9.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . X X .
  . . . . O . . O .
call IkkenEdgeWarikomi:cover E2 E1 E2 F1 D1 E2 G1 [G1=s:5]


[edge2-wedge-beside-k-descent-answer-taken-owner-top-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
black to play
  . . . . O . . O .
  . . . O X . X X .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 F9 D9 E8 G9 [F9=s:5]

[edge2-wedge-beside-k-descent-answer-taken-owner-top-mirror-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
# (the position mirrored left to right: the peep on the other side)
black to play
  . O . . O . . . .
  . X X . X O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 D9 F9 E8 C9 [D9=s:5]

[edge2-wedge-beside-k-descent-answer-taken-owner-left-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  O X . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 A4 A6 B5 A3 [A4=s:5]

[edge2-wedge-beside-k-descent-answer-taken-owner-bottom-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# but White holds H9, so Black's answer there is illegal and White's part is
# its descent alone: h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . X X .
  . . . . O . . O .
call IkkenEdgeWarikomi:owner E2 E1 E2 F1 D1 E2 G1 [F1=s:5]

[edge2-wedge-beside-k-descent-answer-in-atari-top-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For White: s at its descent G9.
white to play
  . . . . O . . . O
  . . . O X . X . .
  . . . . X . X . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 F9 D9 E8 G9 [G9=s:5]

[edge2-wedge-beside-k-descent-answer-in-atari-top-mirror-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For White: s at its descent G9.
# (the position mirrored left to right: the peep on the other side)
white to play
  O . . . O . . . .
  . . X . X O . . .
  . . X . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:cover E8 E9 E8 D9 F9 E8 C9 [C9=s:5]

[edge2-wedge-beside-k-descent-answer-in-atari-left-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For White: s at its descent G9.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . X X X . . . . .
  . . . . . . . . .
  O . . . . . . . .
call IkkenEdgeWarikomi:cover B5 A5 B5 A4 A6 B5 A3 [A3=s:5]

[edge2-wedge-beside-k-descent-answer-in-atari-bottom-white]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For White: s at its descent G9.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . X . X . .
  . . . O X . X . .
  . . . . O . . . O
call IkkenEdgeWarikomi:cover E2 E1 E2 F1 D1 E2 G1 [G1=s:5]


[edge2-wedge-beside-k-descent-answer-in-atari-owner-top-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
black to play
  . . . . O . . . O
  . . . O X . X . .
  . . . . X . X . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 F9 D9 E8 G9 [F9=s:5]

[edge2-wedge-beside-k-descent-answer-in-atari-owner-top-mirror-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
# (the position mirrored left to right: the peep on the other side)
black to play
  O . . . O . . . .
  . . X . X O . . .
  . . X . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeWarikomi:owner E8 E9 E8 D9 F9 E8 C9 [D9=s:5]

[edge2-wedge-beside-k-descent-answer-in-atari-owner-left-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  O X X . . . . . .
  . . . . . . . . .
  . X X X . . . . .
  . . . . . . . . .
  O . . . . . . . .
call IkkenEdgeWarikomi:owner B5 A5 B5 A4 A6 B5 A3 [A4=s:5]

[edge2-wedge-beside-k-descent-answer-in-atari-owner-bottom-black]
# Black's second-line stone E8 (chain E8-E7) jumps to the top edge; White
# has wedged at E9 with White D8 (K) beside the stone; Black holds U = G8.
# S = F9, T = F8, N = D9, V = F7, W = G9, Y = H9 (beyond W).  K has three
# liberties (no L), N is no forbidden point; U is Black's, so Black does not
# extend there; Black's S leaves the stone's chain its liberties; V is
# empty but F6 beyond it is no White wall: Black's part is Black F9, White
# D9 (h0).  White's part: U is Black's, W is neither forbidden nor a
# self-atari for White, V is not Black's and Black's U is not dead: White
# descends at W = G9 and Black answers beyond it at Y = H9:
# with White's J9 beside it and H8 empty, Black's H9 would have H8 alone
# (in atari), so it is taken back and White's part is its descent alone:
# h1 (G9).
# For Black: s at F9, with the gain of the engine's own link (the entry
# answers the value before it).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . X . X . .
  . . . O X . X . .
  . . . . O . . . O
call IkkenEdgeWarikomi:owner E2 E1 E2 F1 D1 E2 G1 [F1=s:5]

[edge2-tuke-race-k-colour-above-k2-top-black]
# The short race of the rows edge-cover-tuke-race-capture-above-stone: Black's
# second-line stone E8 jumps to the top edge; White D8 (K) beside it has two
# liberties (C8, D9), Black's stone one (E9), so only the race is read, on
# the strip C8 (K2), D8, E8, F8, with X = C8 and Y = C7.  Here White holds
# Y = C7 (K's colour above the empty K2): the race is not read, no candidate.
black to play
  . . . . . . . . .
  . . . O X O . . .
  . . O X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 [none]

[edge2-tuke-race-k-colour-above-k2-top-white]
# The short race of the rows edge-cover-tuke-race-capture-above-stone: Black's
# second-line stone E8 jumps to the top edge; White D8 (K) beside it has two
# liberties (C8, D9), Black's stone one (E9), so only the race is read, on
# the strip C8 (K2), D8, E8, F8, with X = C8 and Y = C7.  Here White holds
# Y = C7 (K's colour above the empty K2): the race is not read, no candidate.
white to play
  . . . . . . . . .
  . . . O X O . . .
  . . O X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E8 E9 [none]

[edge2-tuke-race-k-colour-above-k2-bottom-black]
# The short race of the rows edge-cover-tuke-race-capture-above-stone: Black's
# second-line stone E8 jumps to the top edge; White D8 (K) beside it has two
# liberties (C8, D9), Black's stone one (E9), so only the race is read, on
# the strip C8 (K2), D8, E8, F8, with X = C8 and Y = C7.  Here White holds
# Y = C7 (K's colour above the empty K2): the race is not read, no candidate.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O X O . . . .
  . . . O X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 [none]

[edge2-tuke-race-k-colour-above-k2-bottom-white]
# The short race of the rows edge-cover-tuke-race-capture-above-stone: Black's
# second-line stone E8 jumps to the top edge; White D8 (K) beside it has two
# liberties (C8, D9), Black's stone one (E9), so only the race is read, on
# the strip C8 (K2), D8, E8, F8, with X = C8 and Y = C7.  Here White holds
# Y = C7 (K's colour above the empty K2): the race is not read, no candidate.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O X O . . . .
  . . . O X O . . .
  . . . . . . . . .
call IkkenEdgeTuke:cover E2 E1 [none]


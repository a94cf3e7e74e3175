# Knight's moves, the wedge answered by the owner's stone at E_H: rows for
# the branches of that answer that keima2-cover.tst leaves open, worked out
# by hand from the shape.  "KeimaRenraku:third A B P L F..."
# (tests/engine/shapes/KeimaS2CoverRoutines.cpp): the candidate at P against
# the owner's P raised a third toward the owner's P and L, plus the formula F.
# "KeimaRenraku:at A B P F..." as in keima-cover.tst: the candidate at P
# against the formula F (A opens the owner's reading, B the attacker's, a
# stone of the attacker's colour starts an alternative of which the smaller
# counts); "r+4" is the 4 added to a total above 12.
#
# Wedge frame (Black's D5-E7, White's wedge W = D6): G = E6 the cut,
# H1 = E5, Nn = D5, Dd = E7, H2 = D7, E_G = F6, E_D = F7, E_H = F5,
# V = E4 beyond H1.

# --- The owner's cut at G putting the wedge in atari ------------------------------

[wari-hane-te-wedge-atari-capture]
# Black's D7 and White's wedge D6: the wedge has two liberties, C6 and E6,
# and no ladder takes it (White's G7 breaks the run E6, F6, F7 after
# Black's C6).  Black's F5 stands at E_H, F6 (E_G) is empty: the hane
# answer.  White's E4 holds V, so Black's V in the attacker's first line is
# refused and the line counts as it stands: White E6, Black F6, White E5;
# against White E6, Black E5, White F6, the smaller of the two (no cut
# beyond V is tried).  Black's own side: Black's E6 leaves the wedge in
# atari at C6, and Black to play counts the capture a third: E6 alone
# raised a third of the way toward E6 and C6.  The sum is above 12, so 4
# more (r+4).  No chain of Black's diagonal to E7 has two liberties apart
# from E7's own, so nothing else is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . O . .
  . . . O . . . . .
  . . . X . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]
call KeimaRenraku:third D5 E7 E6 C6 E7 E6 F6 E5 D6 E6 E5 F6 [E6=r+4:5]
call KeimaRenraku:third E7 D5 E6 C6 D5 E6 F6 E5 D6 E6 E5 F6 [E6=r+4:5]

[wari-hane-te-wedge-atari-capture-white]
# White to play: the capture is not counted (the owner's E6 alone).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . O . .
  . . . O . . . . .
  . . . X . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 E6 D5 E6 E7 E6 F6 E5 D6 E6 E5 F6 [E6=r+4:5]
call KeimaRenraku:at E7 D5 E6 E7 E6 D5 E6 F6 E5 D6 E6 E5 F6 [E6=r+4:5]

# --- The hane answer: one cut beyond V that alone works ---------------------------

[wari-hane-te-lone-cut-nn]
# White's C5 beside Black's D5 (two liberties, D4 and E5; the wedge D6 keeps
# three).  Black's F5 stands at E_H, F6 empty.  White's line: E6, Black F6,
# White E5, Black V = E4; now D5 is in atari, and White's cut at D4 between
# D5 and E4 captures it: that cut works and its value is White's evaluation
# after the capture.  The other cut, F4 between F5 and E4, is a self-atari
# beside Black's G4 with no Black chain in atari: it does not work.  So the
# first line counts the capture at D4 alone, and D4 is the cut to mend.
# Against it White's E6, Black E5, White F6: the smaller counts.  Black's
# own side: Black's D4 (mending D5 at once) is worth more than Black's E6
# by over 5, so Black's point is D4 with D4's value.  The sum is above 12:
# 4 more (r+4).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . O X . X . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 D4 D5 D4 E7 E6 F6 E5 E4 D4 C5 E6 E5 F6 [D4=r+4:5]
call KeimaRenraku:at E7 D5 D4 E7 D4 D5 E6 F6 E5 E4 D4 C5 E6 E5 F6 [D4=r+4:5]

[wari-hane-te-lone-cut-nn-white]
# White to play: White's point is the cut at E6, valued as for Black (the
# owner's side is Black's D4).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . O X . X . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 E6 D5 D4 E7 E6 F6 E5 E4 D4 C5 E6 E5 F6 [E6=r+4:5]
call KeimaRenraku:at E7 D5 E6 E7 D4 D5 E6 F6 E5 E4 D4 C5 E6 E5 F6 [E6=r+4:5]

[wari-hane-te-lone-cut-eh]
# The other cut alone: White's F7, G6 and G5 hem in Black's F5 (two
# liberties, F4 and F6).  White's line E6, Black F6, White E5, Black E4
# leaves F5-F6 with F4 alone, and White's cut at F4 between F5 and E4
# captures them: that cut works, worth White's evaluation after the
# capture.  The cut at D4 between D5 and E4 is a self-atari beside Black's
# C4 (D5 keeps C5 and D4, E4 keeps D4, F4 and E3: none in atari): it does
# not work.  Against White's E6, Black E5, White F6 the smaller counts.
# Black's F4 (F5 is not yet in atari) is not worth 5 more than Black's
# block at E6, which keeps E6-E7 whole against the wedge: the owner's point
# stays E6, with E6's value.  The sum is above 12: 4 more.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . O . .
  . . . X . X O . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 E6 D5 E6 E7 E6 F6 E5 E4 F4 D6 E6 E5 F6 [E6=r+4:5]
call KeimaRenraku:at E7 D5 E6 E7 E6 D5 E6 F6 E5 E4 F4 D6 E6 E5 F6 [E6=r+4:5]

[wari-hane-te-lone-cut-eh-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . O . .
  . . . X . X O . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 E6 D5 E6 E7 E6 F6 E5 E4 F4 D6 E6 E5 F6 [E6=r+4:5]
call KeimaRenraku:at E7 D5 E6 E7 E6 D5 E6 F6 E5 E4 F4 D6 E6 E5 F6 [E6=r+4:5]

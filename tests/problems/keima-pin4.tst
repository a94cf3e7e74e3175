# Knight's moves: more rows for the contact handler, the second passes over
# the relation list and the move between a knight's move and a large
# knight's move, each worked out by hand from the shape.  Commands as in
# keima-pin.tst ("KeimaTuke:pin", "Kankei4Hokyo:pin", "KeimaHokyo:pin A B P
# [Q] F...", tests/engine/shapes/KeimaPinRoutines.cpp) and shapes-probe.tst
# ("KeimaOgeimaHokyo:prep" answers the move between two stones as
# "point:reason" and its prepared answer "own/reply/answer"; "GunMe V" the
# eye value of the group at V, for rows whose branch turns on it;
# "KeimaTuke:pass A B M..." the candidates against the attacker's reading
# M..., "r/4" for a quarter of it), shapes-hane-more.tst ("HaneMore:eyes A
# P M..." the eye value of the group at P after M..., played from the
# colour of A).

# --- The move between two stones: where the engine's stone stands ----------
# The stage looks at every stone of the side to play, the bottom line and
# the first column included.

[between-bottom-line]
# White's E1 on the bottom line, in the living corner group A1-E1,
# B2-B5, A3, A5 (eyes A2 and A4), reaches Black's D3 by a knight's move and
# Black's F4 by a large knight's move; D3 and F4 are a knight's move apart
# and the eight points around D3 are empty.  Of the middle points E3 and
# E4 of D3-F4, E4 is three from E1 along the E column (M1), so White plays
# E3 (M2).  Beyond D3 from E3 lies C3 (empty); the midpoint of C3 and E1
# is D2, White's answer after Black's E4: prepared answer E3/E4/D2, under
# reason 22.  No other White stone has both shapes toward D3 and F4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . O . . . X . . .
  O O . X . . . . .
  . O . . . . . . .
  O O O O O . . . .
call KeimaOgeimaHokyo:prep [E3:22 E3/E4/D2]

[between-first-column]
# White's A5 on the first column, joined to the living corner group A3-A1,
# B2-E2, C1, E1 (eyes B1 and D1) by the one-space jump A5-A3 along the
# edge; A4 is empty, so the knight's move to Black's C4 stands (nothing of
# White's at A4, B5, B4 or C5 between them) and so does the large
# knight's move to Black's D6.  C4 and D6 are a knight's move apart, the
# eight points around C4 are empty.  Of the middle points C5 and D5, D5 is
# three from A5 along row 5 (M1): White plays C5 (M2); beyond C4 from C5
# lies C3 (empty), and the midpoint of C3 and A5 is B4: prepared answer
# C5/D5/B4, under reason 22.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  O . . . . . . . .
  . . X . . . . . .
  O . . . . . . . .
  O O O O O . . . .
  O . O . O . . . .
call KeimaOgeimaHokyo:prep [C5:22 C5/D5/B4]

# --- The move between two stones: the eye value of the engine's group ------
# White's J5 on the edge line, in the group J5-J1, E2-H2 with the
# eyes F1 and H1, reaches Black's G4 by a knight's move and Black's F6 by
# a large knight's move (the position of shapes-probe.tst
# [between-two-stones-from-the-edge]).  Black's D2-D1 closes White's side
# of the bottom edge, so the group's eye value is the two single eyes,
# 2 + 2 = 4 (premise, shown by "GunMe"): the least that lets the stage look
# at J5.  White plays G5 with the prepared answer G5/F5/H4.

[between-eyes-four]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . O
  . . . . . . X . O
  . . . . . . . . O
  . . . X O O O O O
  . . . X O . O . O
call GunMe J5 [4]
call KeimaOgeimaHokyo:prep [G5:22 G5/F5/H4]

[between-eyes-three]
# White's G1 taken away: F1-G1-H1 is one eye with a vital point at G1 for
# a second, eye value 3 (premise, "GunMe"); the group is not alive by eyes
# and the stage passes over J5: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . O
  . . . . . . X . O
  . . . . . . . . O
  . . . X O O O O O
  . . . X O . . . O
call GunMe J5 [3]
call KeimaOgeimaHokyo:prep [none]

# --- The second pass: the outside stone's own liberties ---------------------
# Black's D5-E7, White's C6 outside the cutting point D6 (P1), named D5 E7
# or E7 D5.  The outside pattern reads only when the outside stone's chain
# has more than one liberty and its group is not dead, and then marks P1
# in the skip marks ("Kankei4Hokyo:marks").

[k4-outside-stone-two-liberties]
# White's C6 has two liberties, C5 and D6; Black's B6 and C7 beside it are
# each in atari (A6, D7), so C6 is not given up (the analysis keeps it
# alive, "status").  Black's D6 joins D5; White's D6 answered by Black's E6
# leaves C6-D6 the liberties C5 and D7, free to run toward B5 or C8: the
# pattern reads to the end and marks D6.
black to play
  . . . . . . . . .
  . . O . . . . . .
  . O X . X . . . .
  . X O . . . . . .
  . O . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status C6 [alive]
call Kankei4Hokyo:marks D5 E7 [D6=1]
call Kankei4Hokyo:marks E7 D5 [D6=1]

[k4-outside-stone-in-atari]
# Black's C5 added: White's C6 is left the one liberty D6 (still not dead,
# Black's B6 and C7 being in atari as well): the pattern ends at once,
# nothing is proposed and nothing marked.
black to play
  . . . . . . . . .
  . . O . . . . . .
  . O X . X . . . .
  . X O . . . . . .
  . O X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status C6 [alive]
call Kankei4Hokyo:marks D5 E7 [none]
call Kankei4Hokyo:marks E7 D5 [none]
call Kankei4Hokyo:pin D5 E7 D6 [none]
call Kankei4Hokyo:pin E7 D5 D6 [none]

# --- The contact handler: the closing block marks N -----------------------
# The position of keima-pin.tst [pin-sandan-white]: Black's C5-D7, White's
# contact D5 (T), S = C5, M = C6, N = D6.  White's push at C6 leaves S two
# liberties that no ladder takes, and the owner's block at D6 does not keep
# the push (the handler goes on to the closing block: its hane below at C4
# is one of the candidates of that row).  The closing block marks N, D6,
# in the second skip marks with 1 ("KeimaTuke:marks2 A B").

[closing-marks-n]
white to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . . . . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:marks2 C5 D7 [D6=1]
call KeimaTuke:marks2 D7 C5 [D6=1]

[closing-z-taken]
# White's B5 behind S (Z): the handler ends before any reading and marks
# nothing.
white to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . . . . X . . .
  . O X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:marks2 C5 D7 [none]
call KeimaTuke:marks2 D7 C5 [none]

# --- The contact handler: S left two liberties by the push -------------------
# Black's D5-E7, White's contact E5 (T) beside D5 (S): M = D6, N = E6,
# Z = C5, E_M = C6, Y = D4, U = E4, X = F5.  S starts with three liberties
# (C5, D4, D6); White's push at D6 leaves it C5 and D4, and no ladder takes
# it (White's C5 is answered by D4 and White's D4 by C5, each time with
# three liberties).  Black blocks at E6.

[push-two-liberties-kept]
# White's B6, B7 and C7 stand behind the pushing stone: after Black's E6,
# White's D6 (liberties C6 and D7) joins them at C6 or D7 whichever Black
# takes, so neither the group nor the chain at M is given up and the push
# is kept.  Black answers at M itself: the candidate D6 is worth Black's
# D6 alone plus White's D6 answered by Black's E6.  Nothing else is
# proposed (the closing block does not run).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . X . . . .
  . O . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 E7 D6 D5 D6 E6 [D6=r:5]

[push-two-liberties-kept-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . X . . . .
  . O . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 E7 D6 D5 D6 E6 [D6=r:5]

[push-two-liberties-given-up]
# Without White's stones behind D6: after Black's E6 the lone D6 and E5
# are cut apart and the group at M is given up, so the push is not kept
# and the closing block speaks.  The hane below: Y = D4 has three empty
# neighbours; U = E4 has three too and neither X = F5 nor E_N = F6 is
# White's, so Black answers at E4, valued Black's E4 plus White's D4 (both
# alone).  The contact stone's ladder reading: W = F7 has three empty
# neighbours, N2 = G6 and X2 = G5 are empty; White's E6, Black's D6,
# White's F7 leave White's E5-E6 three liberties, and no ladder takes T,
# so Black's answer is N = E6 (by its point).  M = D6 is on the fourth
# line: no push-and-hane under it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E4 D5 E4 E7 D4 [E4=r:5 E6]
call KeimaTuke:pin E7 D5 E4 E7 E4 D5 D4 [E4=r:5 E6]

[push-two-liberties-given-up-white]
# The same with White to play: White's hane is proposed at Y = D4 itself
# (by its point), and the contact stone's ladder reading proposes N = E6
# under reason 27 (with White's prepared answer), worth White's E6,
# Black's D6, White's F7 plus Black's E6 alone, without a bonus.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E6 E7 E6 D6 F7 D5 E6 [D4 E6=r:27]
call KeimaTuke:pin E7 D5 E6 D5 E6 D6 F7 E7 E6 [D4 E6=r:27]

# --- The contact handler: both owner groups alive, M on the second line -----
# The position of the engine test of the push on the second line: Black's
# G3-J2, White's contact G2 under G3 (S = G3, T = G2, M = H3, N = H2,
# Z = G4).  After White's push at H3 and Black's block at H2 both Black
# groups are alive by eyes, S keeps three liberties (F4, F2, G4) and Z has
# two empty neighbours: White's hane at G4 behind S is read (no ladder on
# H3 after it), and the candidate H3 is worth White's H3, Black's H2,
# White's G4, without a bonus.  The closing block adds the contact stone's
# answer at N, H2 (W = J1 in the corner has one empty neighbour).  Y = F3
# holds Black's stone (no hane below) and M is not on the third line.

[push-second-line-both-alive]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . O O X
  . . . . O . . . O
  . . . O O X X . .
  . . . . . . O . X
  . . . X . X . . .
call KeimaTuke:pin G3 J2 H3 J2 H3 H2 G4 [H2 H3=r:5]
call KeimaTuke:pin J2 G3 H3 G3 H3 H2 G4 [H2 H3=r:5]

# --- The contact handler: the push read on, the blocks' eye values ---------
# Black's F4-F3 and G6, a knight's move F4-G6; White's contact G4 (T)
# beside F4 (S): M = F5, N = G5, F = F6, Z = E4, E_M = E5, E_F = E6, Q = F7,
# X = H4, Y = F3, W = H6.  White's E6 belongs to the White group in the
# upper left; Black's F7-F9 wall and White's H5-H6 stand to the right.  T
# has three liberties, S-F3 five; F3 fills Y, so the strip pattern is not
# tried.  White's push at F5 (three liberties) leaves S four, and Black
# blocks at G5; the eye values after White's F5 and Black's G5 are the
# premises of each row ("HaneMore:eyes").

[push-block-pushing-group-four]
# Black's J7 added.  Black's group at S has eye value 4, Black's group at
# N only 2: the blocks are not both alive.  M is on the fourth line, so
# White's value is its evaluation after F5 and G5.  N has no empty
# neighbour (F5, G4, H5 White, G6 Black), so the answer stays at M; E_F is
# White's, not Black's, so no block at E_M is read.  White's pushing group
# (F5 joined to E6 across the empty E5 and F6) has eye value 4, so the
# value is not cut to a quarter: F5 worth White's F5 and Black's G5, for
# either side.
black to play
  . O . O O X . . .
  O O O O O X . . .
  O O O O O X . . X
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:eyes G4 F4 F5 G5 [me=4]
call HaneMore:eyes G4 G5 F5 G5 [me=2]
call HaneMore:eyes G4 F5 F5 G5 [me=4]
call KeimaTuke:pin F4 G6 F5 G6 F5 G5 [F5=r:5]
call KeimaTuke:pin G6 F4 F5 F4 F5 G5 [F5=r:5]

[push-block-pushing-group-four-white]
white to play
  . O . O O X . . .
  O O O O O X . . .
  O O O O O X . . X
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin F4 G6 F5 G6 F5 G5 [F5=r:5]
call KeimaTuke:pin G6 F4 F5 F4 F5 G5 [F5=r:5]

[push-block-pushing-group-three]
# White's B9 taken away (A9-B9-C9 one eye with a vital point for a
# second) and White's J4 added: White's pushing group has eye value 3
# after F5 and G5, Black's groups at S and N 4 and 0.  The push is read on
# as above, but a pushing group without two eyes gains little: F5 is worth
# a quarter of White's F5 and Black's G5 ("KeimaTuke:pass", r/4), for
# either side.
black to play
  . . . O O X . . .
  O O O O O X . . .
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . O
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:eyes G4 F4 F5 G5 [me=4]
call HaneMore:eyes G4 G5 F5 G5 [me=0]
call HaneMore:eyes G4 F5 F5 G5 [me=3]
call KeimaTuke:pass F4 G6 F5 G5 [F5=r/4]
call KeimaTuke:pass G6 F4 F5 G5 [F5=r/4]

[push-block-pushing-group-three-white]
white to play
  . . . O O X . . .
  O O O O O X . . .
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . O
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pass F4 G6 F5 G5 [F5=r/4]
call KeimaTuke:pass G6 F4 F5 G5 [F5=r/4]

[push-block-n-group-three]
# Black's G8 and J8 instead: Black's group at N gets eye value 3, still
# short of life (S's group 4, White's pushing group 4): the push is read
# on as above, F5 worth White's F5 and Black's G5, for either side.
black to play
  . O . O O X . . .
  O O O O O X X . X
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:eyes G4 F4 F5 G5 [me=4]
call HaneMore:eyes G4 G5 F5 G5 [me=3]
call HaneMore:eyes G4 F5 F5 G5 [me=4]
call KeimaTuke:pin F4 G6 F5 G6 F5 G5 [F5=r:5]
call KeimaTuke:pin G6 F4 F5 F4 F5 G5 [F5=r:5]

[push-block-n-group-three-white]
white to play
  . O . O O X . . .
  O O O O O X X . X
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin F4 G6 F5 G6 F5 G5 [F5=r:5]

[push-block-both-alive]
# Black's H8 instead: Black's groups at S and at N have eye values 4 and
# 5, both alive by eyes.  M is not on the second line, so the block at N
# is looked at for a ladder: G5-G6 has two liberties, F6 and G7, and
# Black's extension at either joins F7 (no ladder), so the push gets no
# candidate of its own (no F5).  The
# closing block: the hane below is not read (Y = F3 is Black's); W = H6
# is White's with two empty neighbours, so the contact stone is read
# directly and Black's answer is N = G5; M is not on the third line.
# With White to play G5 is worth White's G5 answered by Black's F5 plus
# Black's G5 alone (not 2).  With Black to play, T is left two liberties
# by Black's G5 and X = H4 has two empty neighbours, so Black's H4 after
# G5 is read as well: G5 is named by its point.
black to play
  . O . O O X . . .
  O O O O O X . X .
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:eyes G4 F4 F5 G5 [me=4]
call HaneMore:eyes G4 G5 F5 G5 [me=5]
call KeimaTuke:pin F4 G6 F5 G6 F5 [G5]
call KeimaTuke:pin G6 F4 F5 F4 F5 [G5]

[push-block-both-alive-white]
white to play
  . O . O O X . . .
  O O O O O X . X .
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  . . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin F4 G6 G5 G6 G5 F5 F4 G5 [G5=r:5]
call KeimaTuke:pin G6 F4 G5 F4 G5 F5 G6 G5 [G5=r:5]

[push-block-s-group-three]
# The same with White's A4 under Black's A6-D6: Black's group at S drops
# to eye value 3 (N's stays 5, White's pushing group 7), so the blocks are
# no longer both alive and the push is read on as in
# [push-block-pushing-group-four]: F5 worth White's F5 and Black's G5,
# not cut (the pushing group has two eyes), for either side.
black to play
  . O . O O X . . .
  O O O O O X . X .
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  O . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:eyes G4 F4 F5 G5 [me=3]
call HaneMore:eyes G4 G5 F5 G5 [me=5]
call HaneMore:eyes G4 F5 F5 G5 [me=7]
call KeimaTuke:pin F4 G6 F5 G6 F5 G5 [F5=r:5]
call KeimaTuke:pin G6 F4 F5 F4 F5 G5 [F5=r:5]

[push-block-s-group-three-white]
white to play
  . O . O O X . . .
  O O O O O X . X .
  O O O O O X . . .
  X X X X O . X O .
  . . . . . . . O .
  O . . . . X O . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin F4 G6 F5 G6 F5 G5 [F5=r:5]

# --- The second pass: the contact stone's group dead --------------------------

[k4-contact-stone-dead]
# Black's D5-E7, White's E5-F5 touching D5 from the side (O = E5 at R1,
# P1 = E6), shut in by Black's D3-H3, H4-H7, D8-G8 and D4-D5: White's two
# stones have five liberties but no room for eyes and no way out, and the
# analysis counts them dead ("status"), while Black's D5 lives with the
# wall.  The contact pattern leaves a dead touching stone alone: nothing.
black to play
  . . . . . . . . .
  . . . X X X X . .
  . . . . X . . X .
  . . . . . . . X .
  . . . X O O . X .
  . . . X . . . X .
  . . . X X X X X .
  . . . . . . . . .
  . . . . . . . . .
status E5 [dead]
status D5 [alive]
call Kankei4Hokyo:pin D5 E7 E6 [none]
call Kankei4Hokyo:pin E7 D5 E6 [none]

# --- The reinforcement stage's contact answer: eye values of four ----------
# Black's corner group A3-D3, B1-B2, D1-D2 (eyes A1-A2 and C1-C2) and
# Black's E5, a knight's move from D3; White's E3, in White's group
# E1-E3, F2-J2, G1 (eyes F1 and H1-J1), touches D3 from the side (O at R1
# of D3-E5).  P1 = E4 (the cutting point next to O), P2 = D4; F = F5 has
# three empty neighbours; E = F3 and N = F4 are empty, T = G3 beyond F3 and
# G4 beyond F4 are not Black's.  White's reading: E4, Black's D4, White's
# hane at F5; Black's: E4 alone (White's E3 chain is not in atari after it,
# and no White stone stands at T).  The sum is above 3, so it is added as
# it is, under reason 22, for either side to play.  The stage reads a
# pair only when both groups have eye value 4 or more ("GunMe").

[hokyo-owner-group-four]
# White's A6-B6 above Black's group leave it its two eyes alone: eye
# value 4; White's group has 8.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  X X X X O . . . .
  . X . X O O O O O
  . X . X O . O . .
call GunMe D3 [4]
call GunMe E3 [8]
call KeimaHokyo:pin D3 E5 E4 E5 E4 D4 F5 D3 E4 [E4=r:22]
call KeimaHokyo:pin E5 D3 E4 D3 E4 D4 F5 E5 E4 [E4=r:22]

[hokyo-owner-group-four-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  X X X X O . . . .
  . X . X O O O O O
  . X . X O . O . .
call KeimaHokyo:pin D3 E5 E4 E5 E4 D4 F5 D3 E4 [E4=r:22]

[hokyo-contact-group-four]
# Instead Black's J3 above White's J2 leaves White's group its two eyes
# alone: eye value 4 (Black's has 10).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  X X X X O . . . X
  . X . X O O O O O
  . X . X O . O . .
call GunMe D3 [10]
call GunMe E3 [4]
call KeimaHokyo:pin D3 E5 E4 E5 E4 D4 F5 D3 E4 [E4=r:22]
call KeimaHokyo:pin E5 D3 E4 D3 E4 D4 F5 E5 E4 [E4=r:22]

[hokyo-contact-group-four-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  X X X X O . . . X
  . X . X O O O O O
  . X . X O . O . .
call KeimaHokyo:pin D3 E5 E4 E5 E4 D4 F5 D3 E4 [E4=r:22]

# --- The contact handler: two liberties, the answer moved to N -----------------

[dame2-answer-at-n]
# Black's D5-C5 (S's chain) and E7; White's contact E5 (T) with B5 and
# C4-D4 around: M = D6, N = E6, Z = C5 (Black's), E_M = C6, E_F = C7.  S's
# chain has two liberties, C6 and D6, and no ladder takes it (White's C6
# is answered by D6 toward E7, White's D6 by C6 with Black's B7 ahead:
# "ladder").  No White chain beside it is in atari, T has three liberties
# and E_F is empty.  After White's push at D6 the chain's one liberty is
# C6 = E_M; with Black's block at E6 first, White's D6 is caught (Black's
# C6, White's D7, Black's D8, White's C7: C7-D7-D6 is left C8 alone), so
# Black's answer moves from M to N: the candidate is E6, none at D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . X . . . .
  . . . . . . . . .
  . O X X O . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [0]
call KeimaTuke:pin D5 E7 D6 E7 D6 [E6]
call KeimaTuke:pin E7 D5 D6 D5 D6 [E6]

# --- The contact handler: the push-and-hane needs a contact stone of three --
# The position of keima-pin.tst [pin-sandan-white] (Black's C5-D7, White's
# contact D5: S = C5, T = D5, M = C6 on the third line, N = D6 on the
# fourth, E_M = B6 with two empty neighbours, E_F = B7 White's) with
# Black's D4 added under T.  T is left two liberties, E5 and D6, and a
# ladder takes it (first move E5: "ladder"), so the handler reads only the
# patterns of a laddered contact stone.  The contact stone's ladder
# reading: W = E7 has three empty neighbours and N2 = F6 beyond E6 is
# Black's: nothing.  The owner's stone at U = D4 has three liberties: no
# hane at Y.  The push-and-hane under M wants a contact stone of more than
# two liberties: nothing either, whichever side plays.

[sandan-contact-two-liberties]
white to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . . . . X . . .
  . . X O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [1 E5]
call KeimaTuke:pin C5 D7 C6 D7 C6 D6 B6 [none]
call KeimaTuke:pin D7 C5 C6 C5 C6 D6 B6 [none]

[sandan-contact-two-liberties-black]
black to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . . . . X . . .
  . . X O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin C5 D7 C6 D7 C6 D6 B6 [none]
call KeimaTuke:pin D7 C5 C6 C5 C6 D6 B6 [none]

# --- The second pass: a stone on a cutting point stops it ------------------

[k4-outside-stone-alone]
# Black's D5-E7, White's lone F6 outside the cutting point E6 (named D5
# E7: P1 = E6, P2 = D6): F6 has four liberties and is not dead; Black's E6
# joins E7, White's E6 answered by Black's D6 leaves E6-F6 four liberties.
# The outside pattern reads to the end and marks E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:marks D5 E7 [E6=1]
call Kankei4Hokyo:marks E7 D5 [E6=1]

[k4-stone-on-cutting-point]
# White's D6 added on the other cutting point (R2 of D5-E7, R3 of E7-D5):
# the knight's move is already cut into, and the second pass proposes and
# marks nothing, whichever end is named first.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:marks D5 E7 [none]
call Kankei4Hokyo:marks E7 D5 [none]
call Kankei4Hokyo:pin D5 E7 E6 [none]
call Kankei4Hokyo:pin E7 D5 E6 [none]

# --- The contact handler: attacker's stones on both side points ----------------

[ryo-answer-in-atari-kept]
# Black's D5-E7 with White's E5 and D7 on both side points (R2 = D6,
# R3 = E6 of D5-E7), Black's C6-C7 beside D7 and White's F7 beside E7.
# Black's tries: D6 (joined to C6-C7, no ladder) answered by White's E6;
# or E6 answered by White's D6, which joins D7 with the one liberty D8
# left (C6, C7, D5, E6, E7 all Black's): an answer in atari, not one of
# two liberties taken by a ladder, so it stays and Black's E6 is read
# with it.  The better of the two counts (the formula's alternatives, the
# owner's C6 separating them) and it is E6's.  White's tries (D6 answered
# by E6, E6 answered by D6, neither first stone laddered) are worth
# nothing or less to White while Black's is worth more, so White's counts 0:
# the candidate E6 is worth Black's better try alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X O X O . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E6 D5 D6 E6 C6 E6 D6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 E7 D6 E6 C6 E6 D6 [E6=r:5]

# Knight's moves: more rows for the contact handler, the second passes over
# the relation list and the move between a knight's move and a large
# knight's move, each worked out by hand from the shape.  Commands as in
# keima-pin.tst ("KeimaTuke:pin", "Kankei4Hokyo:pin", "KeimaHokyo:pin A B P
# [Q] F...", tests/engine/shapes/KeimaPinRoutines.cpp) and shapes-probe.tst
# ("KeimaOgeimaHokyo:prep" answers the move between two stones as
# "point:reason" and its prepared answer "own/reply/answer"; "GunMe V" the
# eye value of the group at V, for rows whose branch turns on it).

# --- The move between two stones: where the engine's stone stands ----------
# The stage looks at every stone of the side to play, the bottom line and
# the first column included.

[ka-between-bottom-line]
# White's E1 on the bottom line, part of the living corner group A1-E1,
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

[ka-between-first-column]
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
# White's J5 on the edge line, part of the group J5-J1, E2-H2 with the
# eyes F1 and H1, reaches Black's G4 by a knight's move and Black's F6 by
# a large knight's move (the position of shapes-probe.tst
# [between-two-stones-from-the-edge]).  Black's D2-D1 closes White's side
# of the bottom edge, so the group's eye value is the two single eyes,
# 2 + 2 = 4 (premise, shown by "GunMe"): the least that lets the stage look
# at J5.  White plays G5 with the prepared answer G5/F5/H4.

[ka-between-eyes-four]
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

[ka-between-eyes-three]
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

[ka-k4-outside-stone-two-liberties]
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

[ka-k4-outside-stone-in-atari]
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

[ka-closing-marks-n]
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

[ka-closing-z-taken]
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

# The opening's edge scan on the left and right edges (the line-4 point
# over an end stone on line 3 with one opponent stone next to it along the
# edge), a wide invasion between two opponent stones that both suffer, and
# stage 0 against another program when the middle point of moves 1 and 3
# lies on the first line.  Every answer is worked out by hand from the
# rules of the opening; what the evaluation decides (death levels after a
# trial stone) is stated by premise rows on the position with the trial
# stone added.  Points are written as GTP vertices.
#
#   call JobanEdgeGaps                the edge scan alone: every candidate as
#                                     "point=value/bonus", "none" when none
#   call JobanEdgeGaps:at P...        (as in opening-pin6.tst) the edge scan
#                                     alone, read at P...: "P=value/bonus",
#                                     "P=none"
#   call GunDeathLevel V              the death level of the group at V:
#                                     "level=L", "weak" when weak, its
#                                     breathing points
#   call JobanHirakiFromStone P Q     (as in opening-pin11.tst) the extension
#                                     point on line 3 found from the stone P,
#                                     far from Q; "none" without one
#   call JobanEdgeGaps:value-at P...  (OpeningPin6Routines.cpp) the edge scan
#                                     alone, then the value read back from
#                                     the candidate table at P...: "P=value",
#                                     0 for a point without a candidate
#   call JobanTe:vs-computer-after P...  (as in opening-pin6.tst) stage 0
#                                     against another program after the moves
#                                     P... and passes up to four moves: the
#                                     point, "pass" for none

# --- Four apart on the left and right edges, White next to the line-4 point -
#
# Black's C16 and C11 on line 3 of the left edge (pos 4 and pos 9, g = 4,
# h = 2; the middle points on line 4 are D14 and D13), White's F13 a
# knight's move from D14 and White's D17 on line 4 of the left edge, next
# to D16 (the line-4 point over C16) on the side away from the stretch.
# The right-edge rows are the same position mirrored left to right: R16
# and R11, White's O13 and Q17, middle points Q14 and Q13.  On the top edge
# C16 and D17 (Q17 and R16) stand next to each other: no stretch there.

[pk-left-edge-invasion-leaves-c16-weak-premise]
# Premise: after White's invasion at the middle point D14, Black's C16 is
# weak at level 80 (above 20).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel C16 [level=80 weak B14 B15 B17 B18]

[pk-left-edge-invasion-leaves-c11-firm-premise]
# Premise: with the same trial stone Black's C11 stays at level 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel C11 [level=0 B12 B13 B9 C13 C9 D10 D12 D9 E10 E11 E12]

[pk-left-edge-invasion-trial-lives-premise]
# Premise: the trial stone D14 itself stands at level 0, not close to death.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel D14 [level=0 B13 B14 B15 B18 C13 C18 D12 E11 E12 E15 E16 F11 F16 F17 F18 G12 G15 H12 H13 H14]

[pk-left-edge-weak-stone-has-no-extension]
# C16's two-space jump and large knight's moves onto line 3: C13 (one
# point from the trial D14) and F17 (line 3 of the top edge, three points
# from D14); both are closer than distance 10 to D14: no extension.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanHirakiFromStone C16 D14 [none]

[pk-left-edge-opponent-next-to-line-4-point-upward]
# The extension between own stones C16 and C11, both on line 3 (f = 0):
# line of play 4, M1 = D14, M2 = D13, both with four empty neighbours.  D14
# is related to two black stones (C16 a knight's move, C11 a large
# knight's move), fewer than 4.  White's invasion at D14 leaves C16 weak
# and C11 firm, and is not close to death itself (premises): w = 1 with
# C16 the weak stone, which has no extension (41 goes nowhere).  g = 4,
# f = 0: the side pattern with base 39.  No white stone within a one-space
# jump of D14 (F13 is a knight's move away); both ends on line 3.
# C16: its line-4 point D16 has exactly one white stone beside it on
# line 4 (D17; D15 is empty), each neighbour counted once: D16 gets 40.
# Its line-5 point E16 is not kept (D17 is among its eight points) and is
# not Black's.  C11: D11 has nothing of White's beside it; E11 is kept,
# alone, related to one black stone (C11, a one-space jump), fewer than 3:
# the base, 39.  The answer is 0,
# so the middle points are graded: D14 has eight empty points around it
# and nothing two lines above C16 (E16 empty): 38, and White's F13 is a
# knight's move from D14 on line 6 (not 5): D14 gets 38 + 10 = 48.  g is
# even: D13 graded from C11 (eight empty points, E11 empty) gets 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D13=25/38 D14=25/48 D16=25/40 E11=25/39]

[pk-right-edge-invasion-leaves-r16-weak-premise]
# Premise: after White's invasion at Q14, Black's R16 is weak at level 80.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel R16 [level=80 weak S14 S15 S17 S18]

[pk-right-edge-invasion-leaves-r11-firm-premise]
# Premise: with the same trial stone Black's R11 stays at level 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel R11 [level=0 P10 P11 P12 Q10 Q12 Q9 R13 R9 S12 S13 S9]

[pk-right-edge-invasion-trial-lives-premise]
# Premise: the trial stone Q14 stands at level 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel Q14 [level=0 M12 M13 M14 N11 N12 N15 O11 O16 O17 O18 P12 P15 P16 Q12 R13 R18 S13 S14 S15 S18]

[pk-right-edge-weak-stone-has-no-extension]
# R16's jumps onto line 3: R13 and O17, both closer than distance 10 to
# the trial Q14: no extension.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanHirakiFromStone R16 Q14 [none]

[pk-right-edge-opponent-next-to-line-4-point-upward]
# The left-edge row mirrored: R16 and R11 on line 3 of the right edge,
# M1 = Q14, M2 = Q13.  w = 1 with R16 weak (premises), base 39.  Q16, the
# line-4 point over R16, has exactly one white stone beside it on line 4
# (Q17): 40.  P16 is not kept (Q17 is among its eight points); P11 is kept
# alone, related to one black stone (R11): 39.  Q14 gets 38 + 10 for
# White's O13 a knight's move away on line 6; Q13 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [P11=25/39 Q13=25/38 Q14=25/48 Q16=25/40]

# --- Seven apart between two hemmed-in white stones -------------------------
#
# White's D17 and M17 on line 3 of the top edge (pos 4 and pos 12): g = 7,
# h = 4, nothing on lines 2 to 4 between them.  Black's C17, C16, D15 and
# E15 hem D17 in from the corner side and from below; Black's N17, N16,
# M15 and L15 do the same for M17.  Black's invasion tries the line-3
# middle point H17.

[pk-seven-apart-d17-suffers-premise]
# Premise: after Black's H17, White's D17 is weak at level 85 (above 20).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X O . . . X . . . O X . . . . . .
  . . X . . . . . . . . . X . . . . . .
  . . . X X . . . . . X X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel D17 [level=85 weak E18 F16 F17 F18]

[pk-seven-apart-m17-suffers-premise]
# Premise: after Black's H17, White's M17 is weak at level 85.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X O . . . X . . . O X . . . . . .
  . . X . . . . . . . . . X . . . . . .
  . . . X X . . . . . X X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel M17 [level=85 weak K16 K17 K18 L18]

[pk-seven-apart-d17-has-no-extension]
# D17's two-space jump and large knight's moves onto line 3: only G17, one
# point from the trial H17 (A17 lies on line 1): no extension.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X O . . . X . . . O X . . . . . .
  . . X . . . . . . . . . X . . . . . .
  . . . X X . . . . . X X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanHirakiFromStone D17 H17 [none]

[pk-seven-apart-m17-has-no-extension]
# M17's two-space jumps onto line 3: J17, one point from H17, and P17, far
# enough (seven points) with four empty neighbours, but Black's N16 stands
# at the side of the strip from M17 to P17: blocked.  No extension.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X O . . . X . . . O X . . . . . .
  . . X . . . . . . . . . X . . . . . .
  . . . X X . . . . . X X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanHirakiFromStone M17 H17 [none]

[pk-seven-apart-both-white-stones-suffer]
# Black's trial at H17 leaves both white stones weak above 20, neither
# with an extension (premises): w = 2, whatever the trial stone's own
# state.  g = 7 is above 6: the middle gets g + 33 = 40 at M1 = H17 (line
# 3, both ends on line 3); g is odd, so J17 gets nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X O . . . . . . . O X . . . . . .
  . . X . . . . . . . . . X . . . . . .
  . . . X X . . . . . X X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:at H17 J17 [H17=25/40 J17=none]

# --- The value read back from the candidate table ---------------------------

[pk-value-read-back-at-a-small-candidate-and-an-empty-point]
# The position of pb-invasion-five-apart-both-on-line-4 (opening-pin11.tst):
# White's D16 and K16 on line 4, five apart, Black's G13 below; the scan
# gives G17 value 14 (g + 5 + 2 + 2), F17 and H17 value 25 (bonus 19).  The
# value read back is that of the point's candidate: G17 14, F17 25; E17
# holds no candidate, so it reads 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:value-at G17 F17 E17 [G17=14 F17=25 E17=0]

# --- Stage 0 against another program: the middle point on the first line ----

[pk-vs-computer-middle-of-first-line-moves]
# Moves: Black A19, White Q16, Black A1, then a pass.  With four moves
# played the answer is the middle of moves 1 and 3: ((1 + 1) div 2,
# (1 + 19) div 2) = column 1, row 10 = A10.  It is empty and nine points
# from A19 and A1 and far from Q16, so no stone is related to it.  A10 has
# x = 1 > 0 and is a legal move for Black: it is the answer, first line or
# not.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanTe:vs-computer-after A19 Q16 A1 [A10]

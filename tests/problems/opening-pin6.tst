# The opening's edge scan (stretches whose trials leave both sides weak,
# the star-point extension's foot trial, crowded or single line-4 ends),
# the 3-3 point of the lower-right corner among stones of the star-point
# stone's colour, the jump from a lone stone, stage 0 against another
# program, and the look-ahead's area and its choice of a root whose line
# ends at once.
# Every answer is worked out by hand from the rules of the opening and of
# the look-ahead; what the evaluation decides (which groups a trial move
# leaves weak, and how stones form groups) is stated as the premise of the
# row.  Points are written as GTP vertices.
#
#   call JobanEdgeGaps                the edge scan alone: every candidate as
#                                     "point=value/bonus", "none" when none
#   call JobanEdgeGaps:at P...        the edge scan alone, read at P...
#   call JobanKoho:at:moves30 P...    stage 2 of the opening with 30 moves
#                                     played: the candidates at P...
#   call JobanTe:vs-computer-after P...  stage 0 against another program
#                                     after the moves P... and passes up to
#                                     four moves: the point, "pass" for none
#   call JobanTe:vs-computer-after-one P  the same after the one move P
#   call JobanKoho:jump-read P S      stage 2: P's candidate from the jump of
#                                     the lone stone S, "P=25/a+b" when its
#                                     bonus adds the other side's play
#   call MakeYomiArea:cover P Q...    the look-ahead area made for P: each Q
#                                     as "Q" when in it, "Q=out" when not
#   call SakiyomiChoose:lens-A-B-C P Q R  the root chosen among P, Q, R read
#                                     with scores 5, 9, 7 and lines of A, B
#                                     and C moves
#
# Relation shapes named below: one-space jump (0,2), knight's move (1,2),
# two-space jump (0,3), large knight's move (1,3).

# --- Three apart along the top, both sides weak after the trial -------------------
#
# Black D16 (line 4) with D17 below it, and H17 (line 3), on the top edge:
# the stones at pos 4 and pos 8, g = 3, h = 2.  No other stone stands on
# lines 2 to 4 between them.  White's C16, J16, J17, D14 and H14 hem them
# in; none of them is within a knight's move of F16 or F17 (C16 and J16 are
# two-space jumps, J17 a large knight's move, D14 and H14 two points
# diagonally away).  The other stretches give nothing: on the top edge C16
# and D16, H17 and J17 stand next to each other; on the left edge D14 and
# C16 are two apart but of one colour.

[own-three-apart-both-weak-only-the-far-stone-alone]
# Black to play.  White's F19 on the first line keeps H17 out of the group
# of D16 and D17 (premise: D16-D17 is a group of two stones, H17 one of
# one).  P1 = D16 (the highest stone at pos 4), P2 = H17, both Black: the
# extension between own stones, f = 1.  Line of play 4 (nothing of White's
# right above H17), M1 = F16 with its four neighbours empty.  F16 is related
# to three black stones (D16 one-space jump, D17 and H17 knight's moves),
# fewer than 4, and to no white stone within a knight's move.  Premise:
# White's trial at F16 leaves both D16 and H17 weak (death level above 20)
# and is not itself close to death: w = 2.  With g = 3 the stretch is given
# up only when both groups hold two stones or more; H17 stands alone, so
# the side pattern runs with base 33: no white stone within a one-space
# jump of F16; D16 on line 4 and H17 on line 3, so the line-5 point above
# H17, H15, must have eight empty points around it, and White's H14 is one
# of them: the pattern answers 0 at once.  F16 gets 25 with bonus 32.
black to play
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X O . . . . . . . . . .
  . . O X . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . O . . . . . . . . . . .
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
call JobanEdgeGaps [F16=25/32]

[own-three-apart-both-weak-one-group-of-three]
# The same without White's F19: D16, D17 and H17 are one group of three
# stones (premise).  The trial leaves them weak as before (w = 2), but now
# both stones' groups hold two stones or more, three black stones stand
# within a knight's move of F16 and no white stone does: nothing at all.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X O . . . . . . . . . .
  . . O X . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . O . . . . . . . . . . .
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
call JobanEdgeGaps [none]

[invasion-three-apart-both-weak]
# The first position with White to play: D16 and H17 are the opponent's
# stones, the invasion between them (g = 3): the trial and M1 are the
# line-3 point at pos 6, F17 (not both stones stand on line 4).  Premise:
# White's trial at F17 leaves both D16 and H17 weak with death levels above
# 20.  Premise: neither finds an extension point on line 3 away from the
# trial (D16's large knight's move C13 runs past White's D14; of H17's,
# E17 is next to the trial, far less than distance 10, and L17 lies beyond
# White's J16 and J17); w = 2, so the close-to-death test of the trial
# does not apply.  g = 3 is at most 6: F17 gets 25 with bonus
# 27 (g odd, no second middle point).
white to play
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X O . . . . . . . . . .
  . . O X . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . O . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/27]

# --- The 3-3 point of the lower-right corner ----------------------------------------
#
# R3 is empty with its four neighbours empty and, of its eight surrounding
# points, only Q4 (the star point, diagonally up and to the left) holds a
# stone.  Its colour counts the stones related to R3: fewer than 3 gives
# 20 or 25 with a bonus; exactly 3 gives value 10; 4 or more value 6 (bonus
# 0).  Premise: White's invasion at R3 does not leave Q4's group weak, so
# the reading adds nothing; on the sides of R3 the points two beyond R4 and
# Q3 (R6 and O3) are empty, so there is no press; the edge scan finds
# Black's stones next to each other (P3 and Q4 on the bottom, R5 and Q4 on
# the right) or of one colour, and adds nothing at R3.

[three-three-lower-right-three-related]
# Black's Q4 with P3 and R5, one-space jumps from R3 along the
# third lines: three black stones related to R3: R3 gets value 10.
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
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves30 R3 [R3=10/0]

[three-three-lower-right-four-related]
# Black's P2 added, a knight's move from R3 with Q3 and Q2 between empty:
# four related black stones, R3 gets value 6.
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
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves30 R3 [R3=6/0]

# --- Stage 0 against another program ------------------------------------------------
#
# With four moves played the answer is the middle of moves 1 and 3 when it
# is free; a move that is a pass has no middle.  White's D4 and D16 and
# Black's Q16 (stones of the position, not moves of the record) stand on
# the star points; Black plays Q4 as the first move.  Each of the twelve
# free-corner points has a star-point stone among its eight surrounding
# points, so the random corner has no point either.

[vs-computer-fourth-move-after-a-passed-third]
# Moves: Q4, then three passes.  Move 3 is a pass: no middle point.
# Premise: the whole-board dictionary has no continuation.  No free corner
# point: pass.  (The middle of Q4 and no point would be H12.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . X . . .
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
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanTe:vs-computer-after Q4 [pass]

# --- The look-ahead's choice ---------------------------------------------------------

[choice-last-root-alone-ends-at-once]
# Three roots read with scores 5, 9 and 7; only the last one's line is
# shorter than 2 moves and both others run longer than 2: that root, C1,
# is taken whatever the scores.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:lens-3-3-1 A1 B1 C1 [C1]

[choice-first-root-ends-at-once-last-line-two]
# The first root's line is shorter than 2 moves, but the last one's is 2
# moves long, not longer: no shortcut.  The best score is B1's 9; its line
# of 3 is not longer than 5, and no capture: B1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:lens-1-3-2 A1 B1 C1 [B1]

# --- Five apart from a star-point stone, the side trial at its foot ---------------------
#
# Black's D16 on the 4-4 point and K17 on line 3 along the top, pos 4 and
# 10: g = 5, h = 3, f = 1 with S = D16.  Line of play 4, M1 = G16 with its
# four neighbours empty, related to two black stones (D16 a two-space jump,
# K17 a large knight's move).  White's two stones below D16 are not within
# a knight's move of G16.  Premise: White's invasion at G16 leaves neither
# black stone weak and is not itself close to death, so w = 0.  D16 has no
# black stone diagonal to it or nearer and none within the (1,4) shape:
# shape 2, E = the line-3 point two positions from D16 towards K17, F17.
# White then tries the line-3 point next to D16, E17: the bonus is 44 when
# that leaves D16 weak with a death level of 70 or more, else 39.  (The
# left edge's pair C14-D16 is two apart with different colours: its
# candidate stands at C15 or B15, not read here.)

[extension-five-apart-star-point-foot-trial-leaves-it-dying]
# White's C14 and E14.  Premise: after White's E17, D16 is weak with
# death level 75: F17 gets 25 with bonus 44.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . O . O . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G16 [E17=none F17=25/44 G16=none]

[extension-five-apart-star-point-foot-trial-leaves-it-weak]
# White's E13 instead of E14.  Premise: after White's E17, D16 is weak
# with death level 66, below 70: F17 gets 25 with bonus 39.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G16 [E17=none F17=25/39 G16=none]

# --- A one-space jump from a lone stone ------------------------------------------------

[jump-two-space-jump-from-a-weak-opponent-stone]
# Black's lone R10 on line 3 of the right edge: its first one-space jump
# that lies on line 5 or 6 is P10 (up gives R12 and down R8, both line 3;
# right is off the board), with its eight surrounding points empty.
# White's M10, hemmed by Black's L10, M11 and M9, is weak (premise) and
# stands a two-space jump from P10 with N10 and O10 between empty; it is
# five points from R10 itself, no relation of the stone.  The stones
# related to P10 are what counts: White's play at P10 counts too, less 10:
# 25/a+b.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . . . . X O . . . . X . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:jump-read P10 R10 [P10=25/a+b]

# --- Opponent stone first, own stone second, neither weak -------------------------------

[opponent-first-five-apart-its-foot-crowded]
# White's D16 (line 4, pos 4) and Black's K17 (line 3, pos 10) along the
# top, g = 5; Black's K17 stands in a line with L17 and M17 and has L16
# above L17 (those stand next to each other along the edge: nothing there).
# Premise: White's trial at H17 leaves the black group not weak, and
# Black's trial at F17 leaves D16 (with White's E14 and F14 below it) not
# weak: neither side.  g <= 6 with D16 on line 4 and K17 on line 3: bonus
# g + 27 = 32, at F17 unless F17 is related to 3 or more white stones.
# F17 is: D16 (knight's move), E14 (large knight's move) and F14 (two-space
# jump).  So the point one further, G17, gets 25 with bonus 32.  (On the
# left edge D16 stands alone; E14 and F14 are on line 5 and 6.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X X X . . . . . . .
  . . . O . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O O . . . . . . . . . . . . .
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
call JobanEdgeGaps [G17=25/32]

# --- The invasion between two opponent stones, only the far one on line 4 ----------------

[invasion-three-apart-only-the-far-stone-on-line-4]
# White's D17 (line 3, pos 4) and H16 (line 4, pos 8): g = 3.  Only one of
# them stands on line 4, so the middle points stay on line 3: M1 = F17, the
# trial point too.  Black's F14 is a two-space jump from F17 (with E14 and
# G14 beside it, a wall on line 6): t holds, and premise: Black's trial
# stone at F17 is not close to death and White's D17 is not weak after it.
# So w = 1 (whether from H16 weak or from t alone).  X is L3(k+2) or
# L3(m-2), both F17 for g = 3.  g <= 4: M1 = F17 gets bonus 5 (g odd, no
# M2) and X = F17 bonus 5: F17 = 25/5 and nothing else.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . X X X . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/5]

# --- The look-ahead's area: the enemy of the chain above the move -----------------------

[look-ahead-area-reaches-round-a-weak-stone-above]
# The move K10 under Black's line K11-K16, whose end touches White's K17;
# Black's J16 and L16 stand diagonally beside K17, whose liberties are J17,
# L17 and K18.  Premise: K17 is weak but not dead.  It is the enemy of the
# chain next to K10 on its upper side, so it is collected; beyond the
# square of K10 (x and y 4..16) the area takes the points related to it,
# J17, L17 and K18 among them, and their eight neighbours, J19, K19 and
# L19 on the edge among them.  K4 is in the square; K3, below it, is out.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . X X X . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
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
call MakeYomiArea:cover K10 K3 K4 J17 L17 K18 J19 K19 L19 [J17 J19 K18 K19 K3=out K4 L17 L19]

# --- Stage 0 against another program: the answer to a first move on the K column --------
#
# A first move on the tenth column (x = 10) but not the centre gives the
# corner 3 when its y is 10 or more, else 1; the answer is the star point
# diagonally opposite: (16,16) for corner 1, (4,4) for corner 3.

[vs-computer-second-move-after-the-point-above-the-centre]
# White's K11 (x = 10, y = 9): corner 1, answer (16,16) = Q4.
white to play
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
call JobanTe:vs-computer-after-one K11 [Q4]

[vs-computer-second-move-after-the-point-below-the-centre]
# White's K9 (x = 10, y = 11): corner 3, answer (4,4) = D16.
white to play
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
call JobanTe:vs-computer-after-one K9 [D16]

# The opening's edge scan on 19 x 19: the extension between own stones
# whose first stone stands on line 4 and whose second on line 3, with the
# first stone hurt by the opponent's invasion at the middle point.
# Every answer is worked out by hand from the rules of the opening; what
# the evaluation decides (the death levels of the groups after the trial
# move) is stated by premise rows on the position with the trial stone
# added.  Points are written as GTP vertices.
#
#   call JobanEdgeGaps           the edge scan alone: every candidate as
#                                "point=value/bonus", "none" when none
#   call GunDeathLevel V         the death level of the group at V:
#                                "level=L", "weak" when weak, its breathing
#                                points, sorted
#
# The position: Black's L16 (line 4, pos 11) and Q17 (line 3, pos 16) along
# the top edge, White's M15, K14 and L14 above L16 (lines 5 and 6).  No
# other stone stands on lines 2 to 4 of any edge (Q17 is also the right
# edge's line-4 stone at pos 3, alone on that edge), so the one stretch is
# L16-Q17: g = 4, h = 2, both Black, f = 1 with the line-4 stone S = L16,
# the first stone of the stretch.

[own-line-4-first-trial-premise]
# Premise of the next row: White's trial stone at N16 added.  Black's L16
# is weak at level 50 (above 20); Q17 is not weak (level 0); White's N16,
# one group with M15, K14 and L14, is not close to death (level 0).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . X . O . . . . . .
  . . . . . . . . . . . O . . . . . . .
  . . . . . . . . . O O . . . . . . . .
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
call GunDeathLevel L16 [level=50 weak J15 J16 J17 K17 K18 L18 M17 M18]
call GunDeathLevel Q17 [level=0 O17 O18 P15 P16 P18 Q15 R15 R16 S16]
call GunDeathLevel N16 [level=0 H13 H14 H15 J12 J15 J16 K12 L12 M12 M17 M18 N13 N18 O14 O15 O17 O18 P15 P16]

[own-line-4-first-weak-extends-and-reaches-from-the-first-stone]
# Line of play 4 (one stone on line 4, g = 4): M1 = N16 (pos 13), M2 = O16,
# both with four empty neighbours.  N16 is related to two Black stones
# (L16 one-space jump, Q17 large knight's move), fewer than 4.  Premise
# row before: White's trial at N16 leaves L16 weak and Q17 not, and is not
# close to death: w = 1 with W = L16.  L16's points on line 3 at a two-
# space jump or a large knight's move are H17 and O17 (the others lie on
# lines 1, 4 and 7); O17 is 1 + 1 = 2 from N16, H17 is 15 + 1 = 16 away,
# with no White stone on the middle rows' side points K17, K15, J17, J15
# and four empty neighbours: H17 gets 41.  f = 1: the line-3 point two
# positions from S toward the stretch; S is the first stone, so that is
# pos 11 + 2 = 13, N17: 39.  The side pattern is not read with f = 1.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . O . . . . . . .
  . . . . . . . . . O O . . . . . . . .
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
call JobanEdgeGaps [H17=25/41 N17=25/39]

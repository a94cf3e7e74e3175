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

# --- A line-4 stone capped on line 5, three apart -------------------------------

[own-three-apart-line-4-stone-capped-premise]
# Premise of the next row: White's trial stone at F16 added.  Neither
# Black stone is weak (D16 and H17 at level 0); White's F16 is not close to
# death (level 0).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . O . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=0 B16 B17 C17 D18 E17 E18]
call GunDeathLevel H17 [level=0 F18 G15 G18 H15 J15 J16 K16 K17 K18]
call GunDeathLevel F16 [level=0 weak B14 B15 C13 C14 D13 E13 E17 E18 F14 F18 G14 G15 G18 H15]

[own-three-apart-line-4-stone-capped-on-line-5]
# Black's D16 (line 4, pos 4) and H17 (line 3, pos 8) along the top, White's
# D15 on line 5 right above D16.  D16 and D15 are also the left edge's
# line-4 stones at pos 4 and 5, next to each other: nothing there.  The top
# stretch: g = 3, h = 2, P1 = D16, P2 = H17, both Black, f = 1.  The line
# of play is 4: the stretch is contested only by an opponent stone on line
# 4 right above a line-3 stone, and H16 above H17 is empty (D15 stands above
# the line-4 stone, on line 5).  M1 = F16 with four empty neighbours; it is
# related to two Black stones (D16 one-space jump, H17 knight's move).
# White's D15 is a knight's move from F16, so although the trial at F16
# leaves both stones firm (premise row before), w = 1 with no weak stone.
# The stretch is not contested, so the side pattern runs with base 22: no
# White stone within a one-space jump of F16; D16 on line 4 and H17 on
# line 3: H15, the line-5 point above H17, is empty with eight empty points
# around it and gets 22.  H17: nothing of White's beside H16 on line 4; H15
# kept alone.  H15 is related to Black's H17 (one-space jump) only (the
# (1,4) shape to D16 is cut by White's D15 on its far row), so it gets base
# 22 again.  H15 holds no Black stone: the answer 0, and F16, related to
# two Black stones (fewer than 3), gets 17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [F16=25/17 H15=25/22]

# --- A weak 4-4 stone whose large knight's move turns the corner ----------------

[own-four-apart-corner-stone-weak-premise]
# Premise of the next row: White's trial stone at F16 added.  Black's D16
# is weak at level 66 (above 20); J17 is not weak; White's F16 is not close
# to death.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . . . . X . . . . . . . . . .
  . . . X . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . O . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=66 weak C15 C18 D14 D18 E15 E17 E18]
call GunDeathLevel J17 [level=0 G17 G18 H15 H16 H18 J15 K15 K16 L16 L17 L18]
call GunDeathLevel F16 [level=0 B12 C12 C13 C15 C18 D11 D14 D18 E15 E17 E18 F18 G12 G15 G17 G18 H13 H14 H15 H16]

[own-four-apart-corner-stone-extension-too-near-the-middle]
# Black's D16 (4-4 point; line 4, pos 4) and J17 (line 3, pos 9) along the
# top; White's F14, E13, B14 and B17.  On the left edge B17 (line 2, pos 3)
# and D16 (line 4, pos 4) are next to each other; D16 and B14 (line 2, pos
# 6) are two apart, but a stone on line 2 gives nothing.  The top stretch:
# g = 4, h = 2, both Black, f = 1 with S = D16.  Line of play 4: M1 = F16,
# M2 = G16, both with four empty neighbours.  F16 is related to two Black
# stones (D16 one-space jump, J17 large knight's move) and to White's F14
# (one-space jump).  Premise row before: the trial at F16 leaves D16
# weak and J17 not: w = 1 with W = D16.  D16's points on line 3 at a two-
# space jump or a large knight's move are G17 and, round the corner on the
# left edge's line 3, C13 (the others lie on lines 1, 4 and 5, and E13 is
# White's).  G17 is 1 + 1 = 2 from F16; C13 is 3 columns and 3 rows from
# F16: 6 + 3 = 9, less than 10.  So D16 has no extension point and nothing
# gets 41.  f = 1: F17, the line-3 point two positions from D16 toward
# the stretch, gets 39.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . . . . X . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . O . . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/39]

# --- The point beyond a kept line-5 point, with a stone next to it ---------------
#
# The side pattern gives the point beyond a kept line-5 point W (seen from
# the line-4 point below W) only when the eight points around that point
# are empty; here White's E13 stands next to D14, the point beyond D15.

[side-two-kept-point-beyond-crowded-premise]
# Premise of the next row: White's trial stone at F16 added.  Neither
# Black group (C17-D17, J17) is weak (level 0); White's F16 is not close to
# death.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X X . . . . X . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
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
call GunDeathLevel D17 [level=0 B15 C15 D15 E15 E18 F18]
call GunDeathLevel J17 [level=0 G17 G18 H15 H16 H18 J15 K15 K16 L16 L17 L18]
call GunDeathLevel F16 [level=0 C12 C13 C14 D11 D14 D15 E11 E15 E18 F18 G12 G17 G18 H12 H13 H15 H16 J13 J14 J15]

[side-two-kept-point-beyond-crowded]
# Black's C17-D17 and J17 along the top, White's G14 and E13 (lines 6 and
# 5).  On the left edge C17 and D17 stand at one pos (3); nothing else is on
# lines 2 to 4 of any edge.  The top stretch D17-J17: g = 4, h = 2, both on
# line 3 (f = 0), line of play 4, M1 = F16 and M2 = G16 with four empty
# neighbours.  F16 is related to D17 (knight's move) and J17 (large
# knight's move); C17's large knight's move is cut by D17.  White's G14 is a
# knight's move from F16, so although the trial there leaves no group weak
# (premise row before), w = 1 with no weak stone.  Side pattern, base 39:
# no White stone within a one-space jump of F16 (G14 a knight's move, E13 a
# large knight's move); both stones on line 3.  D15 and J15 are empty with
# eight empty points around them: both kept.  D17's neighbours are Black's
# C17 and empty points, and its group has two stones: D15 gets 39; D17 has
# a Black neighbour, but D14, beyond D15 seen from D16, has White's E13
# next to it: nothing there.  J17 is a lone stone with empty neighbours:
# J15 gets 39 + 1 = 40.  No line-5 point holds a Black stone, so the
# middle points are graded: F16 has eight empty points around it: 38, and
# White's G14 a knight's move away, not on line 5, gives F16 38 + 10 = 48;
# G16, graded from J17 (eight empty points around, J15 empty): 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
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
call JobanEdgeGaps [D15=25/39 F16=25/48 G16=25/38 J15=25/40]

[side-one-kept-point-beyond-crowded-premise]
# Premise of the next row: White's trial stone at F16 added.  H17 is weak
# at level 66 (above 20); D17 is not weak; White's F16 is not close to
# death.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  X . . . . . . . O . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
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
call GunDeathLevel D17 [level=0 B12 B13 C13 C14 C15 C16 D15 E15 E18 F18]
call GunDeathLevel H17 [level=66 weak F18 G15 G18 J18 K16 K17 K18]
call GunDeathLevel F16 [level=0 C13 C14 D14 D15 E15 E18 F14 F18 G14 G15 G18 H13 H14 J13 K13 K16 K17 L14 L15 L16]

[side-one-kept-point-beyond-crowded]
# As side-three-apart-one-point-kept-three-own (Black's D17 and H17 three
# apart, White's J15 capping H17, Black's A14 and A15), with White's E13.
# w = 1 with H17 the weak stone (premise row before): its two-space
# extension L17 gets 23.  Side pattern, base 22: no White stone within a
# one-space jump of F16 (J15 and E13 are large knight's moves); nothing of
# White's beside D16 or H16 on line 4; H15 is next to White's J15, D15 is
# kept alone.  D15 is related to three Black stones, D17 (one-space jump),
# A15 (two-space jump) and A14 (large knight's move), and to White's E13
# (knight's move): three own stones, so D15 gets 2 * 22 div 3 = 14; D14,
# the point beyond D15 seen from D16, has White's E13 next to it: nothing
# there.  The answer is 0: F16 is related to two Black stones within a large
# knight's move (fewer than 3): 17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  X . . . . . . . O . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [D15=25/14 F16=25/17 L17=25/23]

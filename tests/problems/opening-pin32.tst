# An invasion on the top edge between two white stones, E16 on line 4 and
# J18 on line 2, where the invaded stone J18 is left exactly at death
# level 80 and the invading stone is weak but far from death.  Every
# answer is worked out by hand from the rules of the opening; what the
# evaluation decides (death levels after the trial stone, the extension
# points) is stated by premise rows on the position with the trial stone
# added.  Points are written as GTP vertices.
#
#   call JobanEdgeGaps                the edge scan alone: every candidate as
#                                     "point=value/bonus", "none" when none
#   call GunDeathLevel V              the death level of the group at V:
#                                     "level=L", "weak" when weak, its
#                                     breathing points
#   call JobanHirakiFromStone P Q     (as in opening-pin11.tst) the extension
#                                     point on line 3 found from the stone P,
#                                     far from Q; "none" without one
#
# The position: White's E16 (line 4) and J18 (line 2) along the top edge,
# White's M14 below; Black's H14, M15 and L19 (line 1).  No other stone
# stands on lines 2 to 4 of any edge, so the scan sees one pair only:
# E16 at pos 5 and J18 at pos 9, four apart, both White's.  Black's trial
# stone goes on G17 (line 3, the middle pos: g = 3, h = 2).

[pv-invasion-j18-left-at-80-premise]
# Premise: after Black's trial at G17, White's J18 is weak at level 80
# exactly (above 20).
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . X . . . O . . . . . . .
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
call GunDeathLevel J18 [level=80 weak H16 J16 K16 K17 L17]

[pv-invasion-j18-left-at-80-e16-premise]
# Premise: White's E16 stays at level 0, not weak.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . X . . . O . . . . . . .
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
call GunDeathLevel E16 [level=0 C15 C16 C17 D14 D15 D17 D18 E14 E18 F14 F15 F18 G15]

[pv-invasion-j18-left-at-80-trial-premise]
# Premise: the trial stone G17 is weak, at level 10.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . X . . . O . . . . . . .
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
call GunDeathLevel G17 [level=10 weak E18 F13 F14 F15 F18 G12 G13 G15 H12 H16 J12 J13 J15 J16 K13 K14 K15]

[pv-invasion-j18-left-at-80-no-extension]
# Premise: J18 finds no extension point away from G17.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . X . . . O . . . . . . .
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
call JobanHirakiFromStone J18 G17 [none]

[pv-invasion-j18-left-at-80-e16-no-extension]
# Premise: nor does E16.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . X . . . O . . . . . . .
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
call JobanHirakiFromStone E16 G17 [none]

[pv-invasion-j18-left-at-80]
# White's E16 and J18 three empty positions apart on the top edge (g = 3):
# Black's invasion at G17 (premises) leaves J18 weak above 20 without an
# extension and E16 not weak: w = 1, J18 the weak stone.  G17's own group
# is weak too: d1 = 80, d0 = 10, d0 - d1 below 40; d1 is 80 or more and d0
# below 80: w = 2, J18 hurts more than the invader.  g = 3, not above 6:
# bonus 27 at the middle point G17 (J18 is not on line 4, so the point
# stays on line 3), and g odd: no second point.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . X . . . O . . . . . . .
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
call JobanEdgeGaps [G17=25/27]

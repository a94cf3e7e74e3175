# The opening's edge scan between an own stone and an opponent's stone
# along the top edge: which trial move of the opponent is read, and the
# level from which a trial counts as hurting the opponent's group.
# Every answer is worked out by hand from the rules of the opening; what
# the evaluation decides (the death level of a group after a trial move)
# is stated by a premise row on the position with the trial stone added.
# Points are written as GTP vertices.
#
#   call JobanEdgeGaps:at P...   the edge scan alone, read at P...: each as
#                                "P=value/bonus", "P=none" without one
#   call GunDeathLevel V         the death level of the group at V:
#                                "level=L", "weak" when weak, its breathing
#                                points, sorted

[own-first-five-apart-opponent-trial-at-k-plus-2-hurts-premise]
# Premise of the next row: White's trial stone at F17 (the line-3 point at
# k+2) added; Black's D16 is weak with death level 25.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . X . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=25 weak B15 B16 B17 C14 C15 C17 C18 D14 D18 E14 E15 E18 F15]

[own-first-five-apart-opponent-trial-at-k-plus-3-premise]
# Premise: with White's stone at G17 (k+3) instead, D16 stands at level
# 14, below the level at which a trial hurts; the scan does not read this
# point for the opponent's trial.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . X . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=14 weak B15 B16 B17 C14 C15 C17 C18 D14 D18 E14 E15 E17 E18 F15 F16]

[own-first-five-apart-own-trial-at-m-minus-2-premise]
# Premise: Black's trial stone at H17 (the line-3 point at m-2) added;
# White's K16 is not weak (level 0).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
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
call GunDeathLevel K16 [level=0 H15 J14 J15 J18 K14 K18 L14 L17 L18 M15 M16 M17]

[own-first-five-apart-opponent-trial-at-k-plus-2-hurts]
# Black to play.  Black's D16 (line 4, pos 4) and White's K16 (line 4,
# pos 10) along the top, five empty positions between (g = 5): own stone
# first, the opponent's second.  White's B13 stands on the left edge's
# second line and makes no stretch whose points lie on the top row read
# here.  The opponent's trial is read at k+2 (F17): D16 is then weak at
# level 25 (premise), from 21 on it is hurt, so a holds.  The own trial at
# m-2 (H17) leaves K16 not weak, so b does not.  Only a, g not 3: 45 goes
# to the line-3 point at k+3, G17.  Had neither held, both stones on line
# 4 and g at most 6 would have given H17 g + 37 = 42 instead.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G17 H17 J17 [E17=none F17=none G17=25/45 H17=none J17=none]

[own-first-three-apart-own-trial-leaves-group-at-level-21-premise]
# Premise of the next row: Black's trial stone at F17 (the line-3 point at
# m-2) added; White's H17 is weak with death level 21.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . X . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
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
call GunDeathLevel H17 [level=21 weak G16 G18 H15 J15 J16 K16 K17 K18]

[own-first-three-apart-opponent-trial-premise]
# Premise: White's trial stone at F17 (k+2) added; Black's D17 is not weak
# (level 0).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . O . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
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
call GunDeathLevel D17 [level=0 B16 B17 C15 C16 D14 D15 E13 E14 E16 E18 F13 G13 G14 G16 H14 H15]

[own-first-three-apart-own-trial-at-level-21-hurts]
# Black to play.  Black's D17 (line 3, pos 4) and White's H17 (line 3,
# pos 8) along the top, three empty positions between (g = 3).  Black's
# F15 on line 5 is not read by the top edge's scan; White's C13 stands on
# the left edge's third line, whose stretch points are not on the top row.
# The opponent's trial at F17 leaves D17 not weak: a does not hold.  The
# own trial at F17 (m-2) leaves H17 weak at exactly level 21 (premise):
# from 21 on the group is hurt, so b holds with level 21.  Only b: the
# points from m-4 to m-2 not before k+2 (g = 3) leave F17 alone, and the
# level below 60 gives it g + 17 = 20.  (Had b not held, g = 3 with H17
# off line 4 would have given F17 the bonus 0.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G17 [E17=none F17=25/20 G17=none]

[opponent-first-three-apart-own-trial-leaves-group-at-level-89-premise]
# Premise of the row after next: Black's trial stone at F17 (the line-3
# point at k+2) added; White's D16 is weak with death level 89.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . X . X . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=89 weak B16 B17 C17]

[opponent-first-three-apart-opponent-trial-premise]
# Premise: White's trial stone at F17 (m-2) added; Black's H17 is not weak
# (level 0).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . O . X . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
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
call GunDeathLevel H17 [level=0 G15 G16 G18 H15 J15 K16 K17 K18]

[opponent-first-three-apart-own-trial-at-level-89-is-still-read]
# Black to play.  White's D16 (line 4, pos 4) and Black's H17 (line 3,
# pos 8) along the top, three empty positions between (g = 3): the
# opponent's stone first.  D16 is the stone read at pos 4 (line 4 is looked
# at first, before Black's D18 on line 2); Black's D15 on line 5 is not
# read.  On the left edge D15 and D16 stand next to each other (no
# stretch).  White's trial at F17 (m-2) leaves H17 not weak: a does not
# hold, and its level is far below 90.  Black's trial at F17 (k+2) leaves
# D16 weak at level 89 (premise): from 31 on it is hurt, so b holds, and
# only from 90 on would the group be lost anyway and the stretch left
# alone.  Only b: the line-3 points from k+2 up to k+4 but not beyond m-2
# leave F17 alone, with 30; D16 is not on line 3, so no second-line point.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G17 [E17=none F17=25/30 G17=none]

[opponent-first-three-apart-own-trial-leaves-group-at-level-90-premise]
# Premise of the row after next: Black's trial stone at F17 (the line-3
# point at k+2) added; White's D17 is weak with death level 90.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . O . X . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . . X . . . . . . . . . . . .
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
call GunDeathLevel D17 [level=90 weak B16 C16 E16 E18]

[opponent-first-three-apart-line-3-opponent-trial-premise]
# Premise: White's trial stone at F17 (m-2) added; Black's H16 is not weak
# (level 0).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . O . O . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . . X . . . . . . . . . . . .
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
call GunDeathLevel H16 [level=0 B14 B15 B16 C13 C16 D13 E13 E14 E16 F13 F14 G13 G18 H18 J14 J17 J18 K15 K16 K17]

[opponent-first-three-apart-own-trial-at-level-90-leaves-the-stretch]
# Black to play.  White's D17 (line 3, pos 4) and Black's H16 (line 4,
# pos 8) along the top, three empty positions between (g = 3): the
# opponent's stone first.  Black's C18 on line 2 at pos 3 stands next to
# D17 (one apart, nothing); Black's D15 and G15 on line 5 are not read by
# the top edge's scan, and the left edge's short stretch D15-D17 has its
# points on columns B to D, not read here.  White's trial at F17 (m-2)
# leaves H16 not weak (level 0).  Black's trial at F17 (k+2) leaves D17 at
# level 90 (premise): from 90 on the group is lost anyway and the stretch
# gets nothing.  (Had it been read, b alone would have given F17 30 and,
# D17 standing on line 3, E18 35.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . . X . . . . . . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G17 E18 [E17=none E18=none F17=none G17=none]

[opponent-first-six-apart-opponent-trial-leaves-own-group-at-level-90-premise]
# Premise of the row after next: White's trial stone at J17 (the line-3
# point at m-2) added; Black's L17 is weak with death level 90.
black to play
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . O . . . . O . X . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . O . . . . . . .
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
call GunDeathLevel L17 [level=90 weak K15 K16 K18 M18]

[opponent-first-six-apart-own-trial-premise]
# Premise: Black's trial stone at F17 (k+2) added; White's D17 is weak
# with death level 67.
black to play
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . O . X . . . . X . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . O . . . . . . .
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
call GunDeathLevel D17 [level=67 weak C15 C16 C18 D15 E15 E16 E18]

[opponent-first-six-apart-opponent-trial-at-level-90-leaves-the-stretch]
# Black to play.  White's D17 (line 3, pos 4) and Black's L17 (line 3,
# pos 11) along the top, six empty positions between (g = 6): the
# opponent's stone first.  White's N16 (line 4, pos 13) makes a narrow
# stretch with L17 whose point, pos 12, lies on column M, not read here;
# White's N19 (first line) and M15 (line 5) and Black's B17 (pos 2) are not
# read by the top edge's scan.  White's trial at J17 (m-2) leaves L17 at
# level 90 (premise): from 90 on the group is lost anyway and the stretch
# gets nothing, whatever Black's trial at F17 does to D17.  (Had it been
# read, both trials hurt: 50 at every line-3 point from k+2 to m-3, F17 to
# H17.)
black to play
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . O . . . . . . X . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . O . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G17 H17 J17 K17 [E17=none F17=none G17=none H17=none J17=none K17=none]

[opponent-first-three-apart-opponent-trial-leaves-own-group-at-level-89-premise]
# Premise of the row after next: White's trial stone at F17 (the line-3
# point at m-2) added; Black's H17 is weak with death level 89.
black to play
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . O . X . . . . . . . . . . .
  . X . . . . . . . O . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
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
call GunDeathLevel H17 [level=89 weak G16 G18 J18 K18]

[opponent-first-three-apart-own-trial-hurts-premise]
# Premise: Black's trial stone at F17 (k+2) added; White's D17 is weak
# with death level 60.
black to play
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . X . X . . . . . . . . . . .
  . X . . . . . . . O . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
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
call GunDeathLevel D17 [level=60 weak B18 C15 C18 D15 E15 E16 E18 G18]

[opponent-first-three-apart-opponent-trial-at-level-89-both-hurt]
# Black to play.  White's D17 (line 3, pos 4) and Black's H17 (line 3,
# pos 8) along the top, three empty positions between (g = 3): the
# opponent's stone first.  White's K16 (line 4, pos 10) makes a narrow
# stretch with H17 whose point, pos 9, lies on column J, not read here;
# White's F19 (first line) and H15 (line 5) and Black's B16 (pos 2) are not
# read by the top edge's scan.  White's trial at F17 (m-2) leaves H17 weak
# at level 89 (premise): hurt (from 31), and below 90, so the stretch is
# still read.  Black's trial at F17 (k+2) leaves D17 weak at level 60:
# hurt too.  Both, g = 3: 50 at the line-3 point at m-2, F17.
black to play
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . . . . . . . . .
  . X . . . . . . . O . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
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
call JobanEdgeGaps:at E17 F17 G17 [E17=none F17=25/50 G17=none]

[own-first-three-apart-opponent-trial-hurts-d16-premise]
# Premise of the level-60 row below: White's trial stone at F17 (the
# line-3 point at k+2) added; Black's D16 is weak with death level 76.
black to play
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . O . O X . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel D16 [level=76 weak B17 C17 C18 D18 E18]

[own-first-three-apart-own-stone-at-k-plus-2-level-60-premise]
# Premise: Black's trial stone at F17 (k+2, which is also m-2) added; the
# Black group at F17 is weak with death level 60.
black to play
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . O X . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel F17 [level=60 weak B17 C17 C18 D18 E18 F15 G15 G18]

[own-first-three-apart-own-trial-leaves-h16-firm-premise]
# Premise: with the same stone at F17, White's H16 is not weak (level 0).
black to play
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . O X . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel H16 [level=0 B13 B17 C13 C17 D12 E12 F12 F13 F15 G13 G14 G15 G18 H14 J14 J15 K15 K18]

[own-first-three-apart-own-stone-at-level-60-is-not-safe]
# Black to play.  Black's D16 (line 4, pos 4) and White's H16 (line 4,
# pos 8; read before H17 on line 3) along the top, three empty positions
# between (g = 3): own stone first.  Black's J17 stands next to H17 (one
# apart, nothing); White's H19 (first line) and D15, E14 (lines 5 and 6)
# are not read by the top edge's scan; on the left edge B15 and D16 stand
# one apart.  White's trial at F17 hurts D16 (level 76, from 21 on): a
# holds.  Black's trial at F17 leaves H16 firm: b does not.  Only a with
# g = 3: Black's own stone at F17 would be safe only below level 60, and
# it stands at 60 (premise), so F17 gets nothing; D16 is not on line 3, so
# no point above it.  Nothing at all.
black to play
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . O X . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:at E17 F17 G17 [E17=none F17=none G17=none]

[own-own-five-apart-invasion-leaves-d16-firm-premise]
# Premise of the level-70 row below: White's invasion stone at G16 (the
# middle, line 4) added; Black's D16 is not weak (level 0).
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . X . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=0 B16 B17 C15 C17 D18 E15 E17 E18 F15 F17]

[own-own-five-apart-invasion-leaves-k17-firm-premise]
# Premise: with the same stone, Black's K17 is not weak (level 0).
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . X . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
call GunDeathLevel K17 [level=0 H17 H18 J15 J16 J18 K15 L15 L16 M16 M17 N18]

[own-own-five-apart-invading-stone-not-lost-premise]
# Premise: the invading stone G16 itself stands at level 0, far from lost.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . X . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
call GunDeathLevel G16 [level=0 weak E15 E17 F14 F15 F17 F18 G14 G18 H14 H15 H17 H18 J15 J16]

[own-own-five-apart-opponent-next-to-star-stone-level-70-premise]
# Premise: White's trial stone at E17 (the line-3 point one step from D16
# toward K17) added; Black's D16 is weak with death level 70.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O . . . . X . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=70 weak B16 B17 C15 C17 C18 E15 F15]

[own-own-five-apart-star-stone-at-level-70-gets-the-larger-bonus]
# Black to play.  Black's D16 (line 4, pos 4) and Black's K17 (line 3,
# pos 10) along the top, five empty positions between (g = 5), one of them
# on line 4 (f = 1, s = D16).  Black's L19 (first line) and White's D14
# (line 6) are not read by the top edge's scan; on the left edge White's
# B14 and Black's D16 make a narrow stretch whose point lies on column B to
# D at pos 15, not read here.  Not both on line 4 and g not 3: the line of
# play is 4, the middle G16 (k+h, h = 3) with its four neighbours empty.
# White's invasion there leaves neither D16 nor K17 weak and G16 not lost,
# and no White stone stands a knight's move or nearer to G16: both sides
# firm.  g = 5 with f = 1: D16 is a 4-4 stone with no Black stone diagonal
# or nearer and none at the (1,4) shape, so the shape is 2 and the point
# is the line-3 point two from D16 toward K17, F17.  White's trial at E17
# (one from D16) leaves D16 weak at level 70 (premise): from 70 on the
# bonus is 44 instead of 39.
black to play
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . O . O . . . . . . . . . . . . . . .
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
call JobanEdgeGaps:at E16 E17 F16 F17 G16 G17 H16 H17 J16 J17 [E16=none E17=none F16=none F17=25/44 G16=none G17=none H16=none H17=none J16=none J17=none]

# --- The look-ahead area of a move beside a weak stone ---------------------------
#
#   call MakeYomiArea:cover P Q...   the area made for the move P: each Q as
#       "Q" when the area holds it, "Q=out" when not, sorted
# The area: every empty point within 6 lines of P both ways; and, when a
# group collected around P is weak and not dead, each point related to
# every collected weak group and its eight neighbours, stones among them.

[look-ahead-area-of-the-liberty-of-a-weak-stone-takes-the-stones-beside]
# Black's line L10-Q10 with Q11 and Q9 above and below its end, White's R10
# beside it (the position of the generators' row in which R10, with its
# liberties R9, R11 and S10, is weak but not dead).  P = S10, R10's own
# liberty: R10 is the first group collected (the stone next to P), and it
# is weak and not dead, so the area takes the points related to it, R9,
# R11 and S10, and their eight neighbours, stones too: R10 itself, Q10
# (diagonal to R9 and R11), Q9 and Q11.  P10, two columns from R9 and R11,
# is a stone beside none of them, and the square around P takes empty
# points only: out.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . X X X X X X O . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:cover S10 R10 Q10 Q11 Q9 P10 R9 R11 [P10=out Q10 Q11 Q9 R10 R11 R9]

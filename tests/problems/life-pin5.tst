# Life and death rows on the gates in front of the kill pondering: a group
# with 4 or more breathing points is not pondered, a group that can run out
# is not pondered, and a group pondered without a kill is remembered.
#   call KorosuYomi:remembered V   the kill pondering of the group at V with
#       the pondering on and nothing remembered: "kokyu=K" (the group's
#       breathing points as the analysis gives them: the premise), "n=N"
#       (the kill points proposed), then "remembered" when the group's
#       shape was left remembered as pondered without a result, "not"
#   call NigeruCheck V   the escape test of the group at V: "runs" when the
#       group's colour taking one of its breathing points lowers its death
#       level by 10 or more, "stays" otherwise
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on
#   status V        "dead" or "alive": the analysis' verdict on the group at
#       V (the premise a row stands on)

# --- The breathing-point gate of the kill pondering --------------------------
# The kill pondering does nothing for a group with 4 or more breathing
# points (open space around it: killing it is not a matter of reading).
# With fewer, when nothing else stops it, it searches; a search that finds
# no kill leaves the group's shape remembered.

[kill-pondering-four-breathing-points-not-read]
# White's D3-E3-D2 bent three on the third and second lines, Black's E4
# and F3 pressing from above and from the right; the lower right and the
# left stay open.  Eye value 4 and exactly 4 breathing points (the
# premises).  It does not run out (the escape test stays, as the row
# reads), is not weak and hopeless, and nothing is
# remembered: the only gate left is the breathing points, 4 of them, so
# the pondering does nothing: no point, nothing remembered.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O O X . . .
  . . . O . . . . .
  . . . . . . . . .
call GunMe D3 [4]
call NigeruCheck D3 [stays]
call KorosuYomi:remembered D3 [kokyu=4 n=0 not]

[kill-pondering-three-breathing-points-read]
# White's C3-D3-E3 on the third line under Black's wall C4-F4: eye value 4
# (the premise), 3 breathing points, fewer than 4, below the wall where
# Black cannot come in from above.  The pondering reads: Black has no
# killing move against a three-stone group with the whole second and
# first lines below it and both ends open, so the search finds nothing,
# no point, and the shape is remembered.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe C3 [4]
call KorosuYomi:remembered C3 [kokyu=3 n=0 remembered]

# --- The escape test ----------------------------------------------------------

[escape-test-two-stones-under-a-wall-run-down]
# White's C4-D4 on the fourth line under Black's wall B5-E5 with E4 beside
# it: no eye of its own (the analysis calls it dead: the premise), but the
# whole lower board is open.  White's stone on one of its breathing points
# below (the jump to C2 or D2, the diagonal points on the third line)
# joins it to the open ground, and its death level falls by 10 or more:
# it runs.  So the kill pondering is not run: no point, nothing
# remembered, although the group has only 3 breathing points.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X X X . . . .
  . . O O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status C4 [dead]
call NigeruCheck C4 [runs]
call KorosuYomi:remembered C4 [kokyu=3 n=0 not]

# The kill pondering reads no more than the first three moves of each
# side's filter, at every depth of its search.
#
#   call GunMe V   the eye value of the group at V as the analysis gives it
#   call NigeruCheck V   (life-pin5.tst) the escape test of the group at V:
#       "runs" or "stays"
#   call SikatuKorosu:order V   the attacker's filter on the group at V: the
#       moves it kept, in the order the search reads them ("none")
#   call KorosuYomi:remembered V   (life-pin5.tst) the kill pondering of the
#       group at V, the pondering on and nothing remembered: "kokyu=K",
#       "n=N" (the kill points proposed), then "remembered" when the shape
#       was left remembered as pondered without a result, "not"
#   call SikatuTarget V   the stones the search on the group at V follows:
#       the group's own stones, sorted, then "+" and the stones of the
#       groups linked to it, sorted ("+ none")
#   status V   the analysis' verdict on the group at V ("dead", "alive"):
#       the premise a row stands on
#   call KorosuYomi:cover V   (life-reading-cover.tst) the kill pondering of
#       the group at V: "n=N", then its candidates against K, the group's
#       value; sorted

# --- Three moves a side: a group with the whole lower edge is not killed ----------

[kill-pondering-three-stones-under-the-wall-with-a-far-stone]
# kill-pondering-three-breathing-points-read (life-pin5.tst) with Black's
# H4 added two points beyond the end of the wall C4-F4.  White's C3-D3-E3
# on the third line keeps eye value 4 and three breathing points, B2, F2
# and G2 (fewer than 4), it does not run out and is not weak: the
# pondering reads.  Black's filter keeps six moves, B3 F2 A3 F1 B4 B2 in
# that order (the premise), and the search reads B3, F2 and A3 only, each
# against White's first three answers.  None of them kills: below the
# wall White holds the whole second and first lines from the A to the J
# column, and a single Black stone at B3 or A3 closes only the left side
# while F2 stands alone on the right where White answers from E3.  No
# kill point; the shape is remembered as pondered without a result.  (Read
# with a fourth move on either side, Black's B3 would be taken as a kill,
# though White's group has the room of the whole lower edge.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X . X .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe C3 [4]
call NigeruCheck C3 [stays]
call SikatuKorosu:order C3 [B3 F2 A3 F1 B4 B2]
call KorosuYomi:remembered C3 [kokyu=3 n=0 remembered]
call KorosuYomi:cover C3 [n=0]

# --- The target follows the linked groups too ------------------------------------------

[target-takes-the-wall-linked-across-a-dead-stone]
# Black's walls C1-C4 and G1-G4 stand on the lower side four columns apart,
# two groups; White's lone E2 between them is dead (the premise), a
# one-space jump from C2 and from G2.  The groups beside a dead group share
# its area and are linked to each other: the C wall is linked to the G wall
# and the G wall to the C wall.  The search on a group follows its own
# stones and then the stones of each linked group: the C wall's four
# stones, then the G wall's four, and the other way round for the G wall.
# White's E2 has no linked group: its one stone alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . X . .
  . . X . . . X . .
  . . X . O . X . .
  . . X . . . X . .
status E2 [dead]
call SikatuTarget C2 [C1 C2 C3 C4 + G1 G2 G3 G4]
call SikatuTarget G2 [G1 G2 G3 G4 + C1 C2 C3 C4]
call SikatuTarget E2 [E2 + none]

# Life and death: the pondering of one group, read with the bonus of every
# candidate it proposes.  Pondering proposes its killing and living points
# (and, with no living point, the filter's moves) with bonus 0: the value
# alone carries what the reading found.
#   call KorosuYomi:pin2 V   the kill pondering of the group at V: "n=N", then
#       its candidates against K, the group's value: "P=K/0", "P=K+1/0"
#   call IkiruYomi:pin2 V    the life pondering of the group at V: "n=N", then
#       its candidates against h (K, or K / 2 - 1 for eye value below 3):
#       "P=h/0", "P=h+d/0"

[pin2-kill-pondering-straight-three-bonus]
# White's B9 at the middle of Black's straight three kills (n = 1): B9 is
# an inner point of Black's eye space (no false eye, in Black's area), its
# diagonals A8 and C8 are Black's, not the engine's (White): the value is
# K with no extra, and the bonus is 0.
white to play
  . . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:pin2 A8 [B9=K/0 n=1]

[pin2-kill-pondering-straight-three-read-by-the-owner]
# The same group read for the kill with Black (the group's owner) to play:
# the attacker is still White and B9 still kills (n = 1), but now the
# engine is Black and B9's diagonal neighbours A8 and C8 hold the engine's
# stones: K + 1, bonus 0.  (No false eye at B9, and B9 lies in Black's
# area: nothing more.)
black to play
  . . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:pin2 A8 [B9=K+1/0 n=1]

[pin2-life-pondering-two-living-moves-bonus]
# The position of life-pondering-two-living-moves-of-equal-worth: Black's
# corner group of eye value 3 lives at B8 or at D9 (each ataris one white
# stone and splits the space into two eyes), n = 2; the two evaluations
# after them are equal (same stones round the same empty points), so both
# are at h, each with bonus 0.
black to play
  . . . . X O . . .
  O . . O X O . . .
  X X X X X O . . .
  O O O O O O . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:pin2 A7 [B8=h/0 D9=h/0 n=2]

[pin2-life-pondering-fallback-bonus]
# The position of life-pondering-falls-back-on-the-filter-own-group:
# Black's corner group of eye value 2 has no living move (White kills after
# D8 or B8), so the pondering proposes the filter's two moves D8 and B8,
# each keeping more than one liberty for Black, at h (no line bonus) and
# bonus 0.
black to play
  O O . X O . . . .
  O . . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:pin2 A7 [B8=h/0 D8=h/0 n=2]

# --- The kill pondering's extra for the engine's diagonal stone ---------------

[pin2-kill-pondering-bent-three-in-the-corner]
# Black's C9-C8-B8-B7-A7 walled in by White holds the bent three A9-B9-A8
# in the corner: eye value 3.  White's A9 (the corner point, two liberties
# B9 and A8) kills: whichever of B9 or A8 Black takes, White's A9 is only
# captured into a one-point eye.  White's B9 or A8 instead is a stone
# with one liberty that Black captures at A9, leaving the two eyes B9 and
# A8: no kill.  So n = 1, A9.  A9 is in Black's area, no false eye (its one
# diagonal point B8 is Black's), and with White the engine no diagonal
# stone of the engine's: K, bonus 0.
white to play
  . . X O . . . . .
  . X X O . . . . .
  X X O O . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:pin2 B8 [A9=K/0 n=1]

[pin2-kill-pondering-bent-three-in-the-corner-read-by-the-owner]
# The same with Black (the owner) to play: the kill is still White's A9,
# and now its one diagonal stone B8 is the engine's: one extra, K + 1 (one
# stone there is enough).
black to play
  . . X O . . . . .
  . X X O . . . . .
  X X O O . . . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:pin2 B8 [A9=K+1/0 n=1]

# --- The gates of the kill pondering and the remembered shapes ---------------

[pin2-kill-pondering-skipped-when-the-group-runs-out]
# The position of life-pondering-skipped-when-the-group-runs-out-through-a-gap
# with White to play: Black's corner group faces the open gap D6-E6, and
# its breathing point E5 takes it out into the open centre.  A group that
# can run out is not pondered for the kill either: n = 0, nothing proposed.
white to play
  . . . . X O . . .
  O . . O X O . . .
  X X X X X O . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:pin2 A7 [n=0]

[pin2-kill-pondering-found-twice]
# The straight three of pin2-kill-pondering-straight-three-bonus pondered
# twice in a row: the kill B9 is found the first time, so the shape is not
# remembered as hopeless, and the second pondering finds it again: 1 and 1.
white to play
  . . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:again:pin2 A8 [n=1 again=1]

# --- The urgent pass steals an eye of every group of eye value 4 -------------
#   call SikatuUrgentThink:steal:pin2   the urgent pass over all groups: the
#       candidates of the eye-stealing reason (33) as "P=V", sorted

[pin2-urgent-pass-steals-from-the-first-group]
# urgent-steal-peep-at-the-first-line-gap (generators.tst) upside down:
# White's 13 stones on the top two lines under Black's wall, eye value 4
# (the eye C9, the half eyes E9 and H9).  White's group is the first group
# on the board (its stones come first from the top), and the pass reaches
# it: Black's E8 and E9 cut A9-D8 off with the single eye C9: dead, so E8
# is proposed under 33 at the group's value 4 x 13 + 2 x 5 (liberties E8,
# H8, C9, E9, H9) = 62.  Black's H8 and H9 only capture J9-J8: nothing.
# Black's wall has no region of eye value 1 to steal from.
black to play
  O O . O . O O . O
  O O O O . O O . O
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentThink:steal:pin2 [E8=62]

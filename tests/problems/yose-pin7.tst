# The endgame's race fallback: a false eye of a group in no capturing race
# is left alone.

# --- The race fallback leaves a false eye of a group out of any race -----------
#   call YoseSemeaiThink:cover   (as in generators-cover.tst) the false eyes
#       (verdict Yes) of a region not of the side to move whose group is in
#       a capturing race: candidates "P=0/1"

[endgame-race-fallback-false-eye-of-a-group-in-no-race]
# The position of endgame-fallback-mends-a-false-eye-on-the-edge
# (yose-bounds.tst) with Black to play.  J7 on the edge between White's H7
# and J6, Black's H6 on its inner diagonal, is a false eye (verdict Yes) of
# White's region, and Black may play there (its stone keeps J8).  White's
# group has eye value 4 or more: it is paired with no one and is in no
# capturing race; Black's lone H6 has nothing to race against either.  The
# race fallback wants the region's group in a race: no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . O . . X O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSemeaiThink:cover [none]

[endgame-race-fallback-false-eye-of-a-group-in-no-race-white]
# The same with the colours swapped and White to play: J7 is a false eye
# of Black's group, which races no one; White may play there (J8): no
# candidate.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . X . . O X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSemeaiThink:cover [none]

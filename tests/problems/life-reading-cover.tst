# Life and death: the life pondering when more than one move lives.
#   call IkiruYomi:cover V   the life pondering of the group at V: "n=N",
#       then its candidates against h, the base of the values: the group's
#       value K, or K / 2 - 1 for eye value below 3 ("P=h", "P=h+d", ...)
# Each living move gets the defender's evaluation after it, less the
# smallest of these evaluations, on top of the base.

[life-pondering-two-living-moves-of-equal-worth]
# Black's corner group A7-E7-E8-E9 holds the space A9-D9, B8-C8 with two
# white stones in it, A8 and D8: eye value 3, short of life.  Black lives
# with either of two moves, each of which puts one white stone in atari and
# splits the space into two eyes:
#   B8: A8 is left with A9 alone (the left eye), D8 with C8 and D9 beside
#       the right part C9-D9-C8; White's C8 or D9 is answered by the other;
#   D9: D8 is left with C8 alone (the right eye), A8 beside the left part
#       A9-B9-C9-B8; White's B8 or B9 is answered by the other.
# So n = 2.  After either move Black has the same eight stones around five
# empty points and the same two white stones dead inside: the two
# evaluations are equal, both bonuses are 0.  Neither point is a false-eye
# point, both lie in Black's area, neither has four empty neighbours: both
# are proposed at h.
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
call IkiruYomi:cover A7 [B8=h D9=h n=2]

[life-pondering-two-living-moves-of-equal-worth-white-to-play]
# The same with White to play: the group is the opponent's, and White (the
# engine) takes each living point itself first: B8 (beside A8, liberties
# B9 and C8) and D9 (joined to D8, liberties C9 and C8) are legal and form
# no chain of three stones, so neither is dropped: the same two points at h.
white to play
  . . . . X O . . .
  O . . O X O . . .
  X X X X X O . . .
  O O O O O O . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:cover A7 [B8=h D9=h n=2]

[life-pondering-two-living-moves-of-equal-worth-other-side]
# The first position turned upside down (the group on the lower edge): the
# living points are B2 and D1, both at h.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  O O O O O O . . .
  X X X X X O . . .
  O . . O X O . . .
  . . . . X O . . .
call IkiruYomi:cover A3 [B2=h D1=h n=2]

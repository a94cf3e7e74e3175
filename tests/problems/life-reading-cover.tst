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

# --- The escape test before pondering ------------------------------------------
# For each breathing point of the group (a diagonal, one-space or knight's
# point off the first line in open ground) the defender plays it; when the
# group's death level falls by 10 or more the group can run out, and the
# pondering is skipped: "n=0" and no candidate.

[life-pondering-skipped-when-the-group-runs-out-through-a-gap]
# The corner group of life-pondering-two-living-moves-of-equal-worth with
# White's D6, E6 and F6 gone: Black's wall A7-E7 faces the open gap D6-E6.
# Its one breathing point is E5, a one-space jump from E7 over the gap with
# both points beside the gap (D6, F6) and all four neighbours empty (D7-D5
# is no jump: C6 beside its gap is White's).  Black's E5 reaches the open
# centre: the group is far from death after it, so it runs out and is not
# pondered (without the test, B8 and D9 would still be read as living).
black to play
  . . . . X O . . .
  O . . O X O . . .
  X X X X X O . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:cover A7 [n=0]

[life-pondering-skipped-when-the-group-runs-out-along-the-top-white-to-play]
# The same corner group with White's F8, F7 and F6 gone instead (F9 stays):
# the breathing point is G7, a one-space jump from E7 over F7 with F8 and
# F6 open (E8-G8 is no jump: F9 beside its gap is White's; F6 is no
# diagonal point: E6 beside it is White's).  Black's G7 runs out to the
# right: no pondering, whichever side is to move.
white to play
  . . . . X O . . .
  O . . O X . . . .
  X X X X X . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:cover A7 [n=0]

# --- The pass over the groups: who gets the settling patterns ----------------
#   call SikatuThink:settle   the life-and-death pass over every group with
#       the pondering on: the candidates of the settling patterns (reasons 9
#       and 32) as "P:R", sorted
# A group short of one eye in prospect (eye value below 2) needs no reading:
# when it is the engine's own it gets the settling patterns, when it is the
# opponent's it gets nothing.

[life-pass-settles-the-engines-own-group-black]
# The position of life-pondering-skipped-when-the-group-runs-out-through-a-gap
# (Black's corner group open at D6-E6; eye value 0: the two white stones
# inside leave it no sure eye).  Black to play: the group is the engine's.
#   wide extension (32): E4, two points below E7 with E6-E5 empty between
#       and its eight surrounding points empty;
#   liberty in the atari map (9): D9 puts D8 in atari; capturing at C8 would
#       live, so White connects at C8 instead and its chain C8-D8 has two
#       liberties, B8 and C9: Black's answer at either keeps more than one
#       liberty with eye value 3 or more: D9.  B8 gives nothing: White's
#       connection at A9 leaves A8-A9 one liberty, not two.
# White's own three stones A6-C6 are the opponent's: nothing for them.
black to play
  . . . . X O . . .
  O . . O X O . . .
  X X X X X O . . .
  O O O . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuThink:settle [D9:9 E4:32]

[life-pass-settles-the-engines-own-group-white]
# The same with White to play: Black's corner group is the opponent's and
# gets nothing; White's A6-B6-C6 on the side (no eye yet) is the engine's:
# its wide extension C3, two points below C6 with C5-C4 empty between and
# its eight surrounding points empty (32).
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
call SikatuThink:settle [C3:32]

# --- The kill pondering's values ----------------------------------------------
#   call KorosuYomi:cover V   the kill pondering of the group at V: "n=N",
#       then its candidates against K, the group's value ("P=K", "P=K+d")
# A killing point is worth K, plus one for each of: a false-eye point, a
# point outside every area, a diagonal neighbour holding the engine's stone.

[kill-pondering-straight-three-no-extra]
# The position of straight-three-kill (sikatu.tst): White's B9 at the middle
# of Black's straight three kills (n = 1).  B9 is an inner point of Black's
# eye space (no false eye, in Black's area); its diagonal neighbours A8 and
# C8 are Black's stones and the others lie off the board: no extra, K.
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
call KorosuYomi:cover A8 [B9=K n=1]

[kill-pondering-rectangular-six-no-extra]
# The position of corner-rect-six-kill: White's placement B8 kills (n = 1).
# B8 is an inner point of Black's six (no false eye, in Black's area); its
# diagonals A9 and C9 are empty, A7 and C7 Black's: no extra, K.
white to play
  . . . X O . . . .
  . . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call KorosuYomi:cover D9 [B8=K n=1]

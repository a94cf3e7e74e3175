# Knight's moves against an attacker's stone beyond a side point: the hane
# routines alone, on positions whose answers are worked out by hand.
#
# "call KeimaSotoHane:at A B P T..." runs the hane answer alone on Black's
# knight's move (A, B) with White attacking, and "KeimaSotoHaneSicho:at"
# the two-liberty answer beside it; "P=r:5" says the candidate at P carries
# the value r of the formula T... under the pair answers' reason code, the
# other candidates are named by their points.  The formula is a sum of
# terms: A starts a term of the owner (Black first, scored for Black), B one
# of the attacker (White first, scored for White); the empty points after it
# are the moves of the reading, the sides alternating.  A further Black
# stone in the formula starts another reading of the same term of which the
# larger counts, a further White stone one of which the smaller counts.
# Without P the answer is the candidates' points, "none" when there is none.
#
# Names of the points (first orientation, White's trigger stone O1 beyond
# the side point Sd):
#
#     Oa  Na  Sd  O1         Na = A, Nb = B (Black's link stones)
#     Om  Mp  Mq  Oq         Mp, Mq the middle (cutting) points
#     O4  Fd  Nb  Ob         Sd, Fd the side points
#
# With the pair named the other way round (B A) the same stones are read in
# the mirrored orientation: White's stone is then beyond the box's cell 4.
#
# Black's answer: KeimaSotoUke proposes Sd, valued by Black's Sd alone, when
# Mq is on the third line and Mp on the second; Sd followed by White's push
# below it (Sd, then White beyond Sd away from Mq) when White stands two
# steps below Mp (the point beyond Sd and the push's point continued) and
# Oq is empty; Mq alone when White's Mq would be an atari.  The rows keep the
# other tries of the answer off: the block beside Fd is on the edge or its
# jump point is taken, and the wide jump beyond it is on the second line.

# --- The two-liberty stone beyond Mq (KeimaSotoHaneSicho) -------------------------
# Black's D5-E7 knight's move, White's F5 beyond the side point E5.  Black's
# G6 beyond Mq's outer point F6 has two liberties (F6, G7; White's H6, G5).
# No ladder takes it now: after White's G7 Black's F6 reaches E6 and F7, and
# either atari lets it join E7.  After White's push at Mq E6 and Black's
# block at D6 White's G7 leaves F6 with F7 alone: the ladder works, its first
# move G7.  Value at E6 whoever plays: Black's E6 alone plus the smaller of
# White's two lines (E6 D6 G7: the block, then the ladder; E6 G7 D6: Black
# answers the ladder first and White cuts at D6).

[hane-sicho-ladder-before]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder G6 [0]

[hane-sicho-ladder-after]
# The push at E6 and the block at D6 on the board.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder G6 [1 G7]

[hane-sicho]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:at D5 E7 E6 D5 E6 E7 E6 D6 G7 F5 E6 G7 D6 [E6=r:5]

[hane-sicho-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:at D5 E7 E6 D5 E6 E7 E6 D6 G7 F5 E6 G7 D6 [E6=r:5]

[hane-sicho-mirror]
# The same pair named E7 D5: F5 is beyond the box's cell 4, the mirrored
# orientation takes the same roles (A is now E7, B D5 in the formula).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:at E7 D5 E6 E7 E6 D5 E6 D6 G7 F5 E6 G7 D6 [E6=r:5]

[hane-sicho-half-turn]
# The half turn of the shape about the knight's move: White's C7 beyond
# the side point D7, Black's B6 with two liberties (C6, B5; White's A6,
# B7).  After White's push D6 and Black's block E6, White's B5 leaves C6
# with C5 alone: the ladder's first move is B5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . X . . . .
  O X . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:at D5 E7 D6 D5 D6 E7 D6 E6 B5 C7 D6 B5 E6 [D6=r:5]

[hane-sicho-three-liberties]
# Without White's G5 the stone G6 has three liberties: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X O .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:at D5 E7 [none]

[hane-sicho-white-stone]
# G6 White's instead of Black's: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . O O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:at D5 E7 [none]

[hane-sicho-ladder-fails]
# Black's F7 beside E7: after the push and block, White's G7 lets F6 join
# F7 and E7, so no ladder takes G6 and there is nothing to answer.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . . . . X O .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHaneSicho:at D5 E7 [none]

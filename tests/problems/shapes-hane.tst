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

# --- The push after a laddered cut (KeimaSotoHaneNobi) ---------------------------
# Black's B4-C6 on the left edge, White's D4 beyond the side point C4:
# Na B4, Sd C4, Mp B5, Mq C5, Fd B6, Nb C6; Oa A4, Om A5, O4 A6 on the edge
# line, Oq D5, Ob D6.  White's D6 beside D4 keeps White's stones outside
# from being a weak group; White's B7 stands above Fd.  White's cut B5,
# Black's C5, White's C4: B5 has A5 and B6 and the ladder takes it
# (Black's B6, White's A5, Black's A4, White's A6, Black's A7 captures),
# so the laddered cut gives way to the push at C5 (White's C5, Black's B5,
# White's B6, joined to B7).  C6 then has C7 alone: Black's C7 extends to
# D7 and C8, and a ladder takes C6-C7 (White's C8, then along the top), so
# the extension is read after Black's block at A6 instead: White's C5, B5,
# B6, Black's A6, White's C7 captures.  Black's answer is C4 alone (C5 on
# the third line, B5 on the second).  Value: Black's C4 plus White's push;
# Black proposes C4, White C5.  Below the cut C3 is empty and B2, C2 are
# not White's, so the laddered cut itself adds nothing.

[hane-nobi-cut-ladder]
# The cut, the block and the hane on the board.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . O X . . . . . .
  . X O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B5 [1 B6]

[hane-nobi-extension-ladder]
# The push, the block, the hane at B6 and Black's extension at C7.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O X . . . . . .
  . O X O . . . . .
  . X O . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C7 [1 C8]

[hane-nobi-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 C5 B5 B6 A6 C7 [C4=r:5]

[hane-nobi-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C5 B4 C4 C6 C5 B5 B6 A6 C7 [C5=r:5]

[hane-nobi-atari-mirror]
# The pair named C6 B4: the mirrored orientation, the same answers.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C4 C6 C4 B4 C5 B5 B6 A6 C7 [C4=r:5]

[hane-nobi-atari-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C5 C6 C4 B4 C5 B5 B6 A6 C7 [C5=r:5]

[hane-nobi-extension-runs]
# Black's D8 waits above: after Black's C7 White's C8 lets D7 join D8 and
# White's D7 lets C8 join it, so no ladder takes the extension, and the
# push is read with it: White's C5, B5, B6, Black's C7.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 C5 B5 B6 C7 [C4=r:5]

[hane-nobi-extension-runs-ladder]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . O X . . . . . .
  . O X O . . . . .
  . X O . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C7 [0]

[hane-nobi-capture]
# White's C7 as well: C6 has B6 and C5, so White's C5 would be an atari
# and Black's answer is C5 itself.  After the laddered cut (the ladder as
# before: Black's B6 joins C6) White's push C5, Black's B5, White's B6
# captures C6.  Value: Black's C5 plus White's C5 B5 B6; C5 either way.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C5 B4 C5 C6 C5 B5 B6 [C5=r:5]

[hane-nobi-capture-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C5 C6 C5 B4 C5 B5 B6 [C5=r:5]

[hane-nobi-under-stone]
# Black's A4 beside B4 and White's B3 below it: after the cut, block and
# hane B4-A4 keeps A3 and A5, and the cut at B5 is still laddered
# (Black's B6, White's A5 has A6 alone).  The laddered cut reads nothing
# (B3 below Na is taken), and with White's B3 below Na and C3 empty
# White's push is not read: nothing at all.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  X X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

[hane-nobi-under-stone-c3]
# The same with White's C3 (the point below C4 not empty): the push is
# read as in hane-nobi-atari; Black's answer is still C4 alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X O . . . . .
  . . . . . . . . .
  X X . O . . . . .
  . O O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 C5 B5 B6 A6 C7 [C4=r:5]

# --- The laddered cut itself (KeimaSotoHaneSichoTe) --------------------------------
# The same edge shape with Black's B7 above Fd: after the push and block
# White's B6 has A6 alone, so the push is never read; the cut B5 is
# laddered as before, its ladder's first moves Black's B6 and White's A5.

[hane-sichote-cut-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  . X O O . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder B5 [1 B6]

[hane-sichote-free]
# Black's C3 below C4 with three liberties after White's C4 (B3, D3, C2):
# Black ataris at B6, White ataris B4 at B3, Black captures B5 at A5.
# Value White's evaluation there, always at the cut B5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 C6 B5 C5 C4 B6 B3 A5 [B5=r:5]

[hane-sichote-free-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 B5 B4 B5 C5 C4 B6 B3 A5 [B5=r:5]

[hane-sichote-below-taken]
# Black's B3 below B4: the point where White would atari B4 is taken, the
# laddered cut reads nothing (and the push is not read): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

[hane-sichote-atari]
# White's D3 and C2 around Black's C3: after White's C4 C3 has B3 alone.
# White's two orders: Black's ladder atari B6 and White's capture at B3,
# or Black's B3 first and White's escape at B6; the smaller counts.  Black
# proposes the side point C4, White the cut B5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 C6 B5 C5 C4 B6 B3 D4 B5 C5 C4 B3 B6 [C4=r:5]

[hane-sichote-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 C6 B5 C5 C4 B6 B3 D4 B5 C5 C4 B3 B6 [B5=r:5]

[hane-sichote-atari-mirror]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C4 B4 B5 C5 C4 B6 B3 D4 B5 C5 C4 B3 B6 [C4=r:5]

[hane-sichote-laddered]
# White's C2 below Black's C3 alone: after White's C4 C3 has B3 and D3 and
# the ladder takes it (White's B3 first: Black's D3 runs along the bottom
# edge), so White's ladder move B3 answers Black's ladder atari B6: the
# same two orders as in hane-sichote-atari, the smaller counts.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 C6 B5 C5 C4 B6 B3 D4 B5 C5 C4 B3 B6 [C4=r:5]

[hane-sichote-laddered-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 C6 B5 C5 C4 B6 B3 D4 B5 C5 C4 B3 B6 [B5=r:5]

[hane-sichote-laddered-check]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  . X O O . . . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
ladder C3 [1 B3]

[hane-sichote-below]
# No Black stone at C3; White's B2 two below B4: Black's A4 (behind B4) is
# tried first, and after it the analysis takes the cut B5 as dead, so the
# laddered cut reads nothing: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

[hane-sichote-below-dead]
# The cut, block and hane with Black's A4 on the board.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  X X O O . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
status B5 [dead]

[hane-sichote-below-white]
# White's B7 instead of Black's: after Black's A4 the cut B5 lives with
# White's C4-D4 (the analysis counts it neither dead nor weak), so the
# laddered cut is read in full: Black's ladder atari B6, White's atari
# B3, Black's ladder reply A5, White's evaluation, at B5.  The push is
# read as well (hane-nobi-atari, here at C5).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 C6 B5 C5 C4 B6 B3 A5 [B5=r:5 C5]

[hane-sichote-below-white-alive]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  X X O O . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
status B5 [alive]

[hane-sichote-below-right-white]
# White's C2 instead of B2 (two below C4): the same reading.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 C6 B5 C5 C4 B6 B3 A5 [B5=r:5 C5]

[hane-sichote-below-right-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 B5 B4 B5 C5 C4 B6 B3 A5 [B5=r:5 C5]

[hane-sichote-nothing-below]
# Neither B2 nor C2 White's, C3 empty: the laddered cut reads nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 [none]

# --- The hane that ataris a link stone (KeimaSotoHaneAtari) -----------------------
# Black's knight's move B4-C6 on the left edge, White's D4 beyond C4 and
# White's B3 below B4.  White's cut B5, Black's C5, White's C4 leave B4 with
# A4 alone.  B3 (behind B4, beyond Mp) is White's and not in atari (A3,
# B2, C3), so Black's answer is the extension A4: B4-A4 then has A3 and A5
# and the ladder takes it (White's A5, Black's A3 has A2 alone).  The
# extension taken back, and the cut on the second line: Black blocks at B6
# and White captures at A4.  White's evaluation there is at least 12 (a
# link stone taken), so 4 more.  Black's answer: C4 alone (third and
# second line).  Black proposes C4, White the cut B5.

[hane-atari-edge-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X . . . . . .
  X X O O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder A4 [1 A5]

[hane-atari-edge]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 C4 B4 C4 C6 B5 C5 C4 B6 A4 [C4=r+4:5]

[hane-atari-edge-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at B4 C6 B5 B4 C4 C6 B5 C5 C4 B6 A4 [B5=r+4:5]

[hane-atari-edge-mirror]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . O . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C6 B4 C4 C6 C4 B4 B5 C5 C4 B6 A4 [C4=r+4:5]

# Black's D5-E7 in the middle, White's F5 beyond E5 and White's D4 below
# D5; Black's D8 takes the jump point above Fd.  White's cut D6, Black's
# E6, White's E5 leave D5 with C5 alone; D4 behind it has C4, E4 and D3.
# Black's answer: F6 empty and White's D4 two below D6 with E4 empty, so
# E5, White's E4, Black's evaluation.  The block beside Fd (C7) is not
# tried (its jump point D8 is taken), B8 is on the second line and E8 is
# empty.  Black proposes E5, White the cut D6.

[hane-atari-ladder]
# White's B5 as well: Black's C5 gives D5-C5 C4 and C6 and the ladder
# takes it (White's C6 first), so the extension is taken back and, D6
# being on the fourth line, White scores the cut, block and hane as they
# stand.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E5 E4 E7 D6 E6 E5 [E5=r:5]

[hane-atari-ladder-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 D6 D5 E5 E4 E7 D6 E6 E5 [D6=r:5]

[hane-atari-ladder-check]
black to play
  . . . X . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . . . O X . . . .
  . O X X O O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C5 [1 C6]

[hane-atari-runs]
# Without B5 the extension C5 has three liberties: White scores after it.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E5 E4 E7 D6 E6 E5 C5 [E5=r:5]

[hane-atari-runs-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 D6 D5 E5 E4 E7 D6 E6 E5 C5 [D6=r:5]

[hane-atari-runs-mirror]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at E7 D5 E5 E7 E5 E4 D5 D6 E6 E5 C5 [E5=r:5]

[hane-atari-runs-mirror-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at E7 D5 D6 E7 E5 E4 D5 D6 E6 E5 C5 [D6=r:5]

[hane-atari-behind-in-atari]
# Black's C4 and D3 leave White's D4 with E4 alone: Black's answer to the
# atari is the capture at E4 (three liberties after it), and White scores
# after it.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . X O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E5 D5 E5 E4 E7 D6 E6 E5 E4 [E5=r:5]

[hane-atari-nothing-behind]
# White's C5 instead of D4: after the cut, block and hane D5 has D4 alone,
# and D4 (behind D5) is empty: nothing.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 [none]

# --- White's stones beyond both side points (KeimaSotoHaneKiri) -------------------
# Black's D5-E7, White's F5 beyond E5 and C7 beyond D7; Black's J1 far off
# names the larger of two readings in the formulas.  White reads both
# cuts: D6, Black's E6, White's E5; and E6, Black's D6, White's D7.  The
# larger counts, and White proposes E6 when the second is larger, else D6
# (the "order" rows state which is larger for the evaluation).  Black's
# answer is the side point beside E7, D7, unless White stands at C5 (beside
# D5 from outside) or at C4 below it: then E5.  Its value is Black's move
# there alone.  Value: Black's answer plus the larger cut.

[hane-kiri-open-order]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call Readings:order D5 E7 D6 E6 E5 F5 E6 D6 D7 [<]

[hane-kiri-open]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D7 D5 D7 E7 D6 E6 E5 J1 E6 D6 D7 [D7=r:5]

[hane-kiri-open-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 E6 D5 D7 E7 D6 E6 E5 J1 E6 D6 D7 [E6=r:5]

[hane-kiri-open-other-name]
# The pair named E7 D5: the box from E7 has White's C7 beyond its first
# side point D7, so E7 is Na, D7 Sd, E6 Mp, D6 Mq, E5 Fd.  The cuts are
# the same two, in the other order: the first (E6, D6, D7) is now the
# larger, so White keeps Mp, again E6.  Black's answer is this box's Fd,
# E5 (F7 beside E7 and F8 below it are empty).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at E7 D5 E5 E7 E5 D5 D6 E6 E5 J1 E6 D6 D7 [E5=r:5]

[hane-kiri-open-other-name-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at E7 D5 E6 E7 E5 D5 D6 E6 E5 J1 E6 D6 D7 [E6=r:5]

[hane-kiri-touch]
# White's C5 touching D5 from outside: Black's answer is E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . O X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 E5 D5 E5 E7 D6 E6 E5 J1 E6 D6 D7 [E5=r:5]

[hane-kiri-below]
# White's C4 (below C5) instead: E5 again.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 E5 D5 E5 E7 D6 E6 E5 J1 E6 D6 D7 [E5=r:5]

[hane-kiri-capture-order]
# White's E8 and F7 as well: E7 has D7 and E6, and the second cut
# captures it; even so the evaluation rates the first cut higher.
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call Readings:order D5 E7 D6 E6 E5 F5 E6 D6 D7 [>]

[hane-kiri-capture]
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D7 D5 D7 E7 D6 E6 E5 J1 E6 D6 D7 [D7=r:5]

[hane-kiri-capture-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at D5 E7 D6 D5 D7 E7 D6 E6 E5 J1 E6 D6 D7 [D6=r:5]

[hane-kiri-capture-other-name]
# Named E7 D5, E7 is Na with two liberties only: nothing.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoHane:at E7 D5 [none]

# --- The hane with White's stone below Sd (KeimaSotoHane, the last check) ----------
# Black's D5-E7, White's F5 beyond E5 and White's E4 below E5 (D4, F4 and
# E5 free: three liberties; Black's E3 under it).  White's D8 above Fd
# lets the cut D6 out of the ladder (after Black's C6 White's D7 joins
# it); White's E8 and F7 leave E7 with D7 and E6.  The cut D6, Black's E6,
# White's E5 is read with Black's block at F6 first, White's F7 standing
# beside E7 (White's D6, E5; Black's E6, F6), White's evaluation.  Then
# the hane is read with Black's block at E5: White's D6, Black's E5,
# White's E6; E4 has D4 and F4 left.  With Black's D3 as well the ladder
# takes it (Black's F4, White's D4 has C4 alone), and Black's F4 is
# played before White's evaluation; the smaller of the two counts.
# Black's answer is E6 alone: White's E6 would be an atari on E7.  Black
# proposes E6, White D6.

[hane-below-sd-ladder]
black to play
  . . . . . . . . .
  . . . O O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E6 D5 E6 E7 D6 E6 E5 F6 F5 D6 E5 E6 F4 [E6=r:5]

[hane-below-sd-ladder-white]
white to play
  . . . . . . . . .
  . . . O O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 D6 D5 E6 E7 D6 E6 E5 F6 F5 D6 E5 E6 F4 [D6=r:5]

[hane-below-sd-ladder-mirror]
black to play
  . . . . . . . . .
  . . . O O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at E7 D5 E6 E7 E6 D5 D6 E6 E5 F6 F5 D6 E5 E6 F4 [E6=r:5]

[hane-below-sd-cut-check]
# The cut, block and hane on the board: D6 escapes and E5 lives.
black to play
  . . . . . . . . .
  . . . O O . . . .
  . . . . X O . . .
  . . . O X . . . .
  . . . X O O . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]
status E5 [alive]

[hane-below-sd-block-check]
# The hane with Black's block at E5: E4 is taken.
black to play
  . . . . . . . . .
  . . . O O . . . .
  . . . . X O . . .
  . . . O O . . . .
  . . . X X O . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E4 [1 F4]

[hane-below-sd-runs]
# Without Black's D3 White's D4 reaches C4 and D3: no ladder, the first
# value stands.
black to play
  . . . . . . . . .
  . . . O O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at D5 E7 E6 D5 E6 E7 D6 E6 E5 F6 [E6=r:5]

[hane-below-sd-runs-check]
black to play
  . . . . . . . . .
  . . . O O . . . .
  . . . . X O . . .
  . . . O O . . . .
  . . . X X O . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E4 [0]

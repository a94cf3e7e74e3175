# Knight's-move contact: the push read on when the touched stone keeps
# three liberties or more, with the owner's stone outside the side point
# (E_F).  Frame as in keima-cover.tst: Black's D5-E7, White's contact T =
# E5, M = D6, N = E6, F = D7, E_M = C6, E_F = C7, Z = C5.  Commands:
# "KeimaTuke:read A B M..." (shapes-roles.tst: the attacker's reading,
# scored for the attacker).

# --- The block outside M when the block at N fails ----------------------------------

[push-outside-block-cheaper]
# Black's D5-C5 (four liberties after White's push at D6), E7 and C7 (E_F);
# White's E8, F7 and F6 close E7 in from above and the right, so Black's
# groups here have no eyes and the push is read on rather than handed to
# the closing readings.  After White's D6 Black's block at E6 would leave
# E6-E7 with the single liberty D7 (E5, D6, F6, F7, E8 all White's): a
# self-atari, a poor answer.  With C7 Black's, Black may block at C6
# instead (E7 keeps D7 and E6), which is the better answer for Black, so
# the push is worth White's evaluation after White's D6 and Black's C6, the
# smaller of the two.  White's stones around E7 make one group with eyes
# to spare, so the value is not quartered.  D6 is not laddered after
# Black's E6 (White takes E6-E7 at D7), so both sides' point is D6.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . X . X O . . .
  . . . . . O . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 C6 [D6=r:5]
call KeimaTuke:read E7 D5 D6 C6 [D6=r:5]

[push-outside-block-cheaper-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . X . X O . . .
  . . . . . O . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 C6 [D6=r:5]
call KeimaTuke:read E7 D5 D6 C6 [D6=r:5]

[push-outside-block-cheaper-half-turn]
# The half turn about the box: White's contact D7 touches E7, the push is
# at E6, Black's block at D6 would leave D5-D6 with E5 alone (C5, C6, D4
# White's), and Black's F5 outside E5 gives the block at F6.  Value White's
# evaluation after White's E6 and Black's F6, at E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . O . . . . . .
  . . O X . X . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read E7 D5 E6 F6 [E6=r:5]
call KeimaTuke:read D5 E7 E6 F6 [E6=r:5]

# --- Both owner groups with eyes: the block at N caught by a ladder -----------------
# "KeimaTuke:at A B P ..." (shapes-roles.tst): the candidate at P against
# the attacker's reading after it, the other candidates by their points.

[push-block-laddered-owner-alive]
# Black's D5-C5 with B6, and E7 with B8: both count as groups with eyes to
# spare once Black has blocked at E6, so the push is not valued as a fight
# of weak stones.  White's E8 and F6 leave E6-E7 two liberties after
# White's push at D6 and Black's block at E6 (D7 and F7), and White's F7
# runs it into a ladder along D7 and C7: the block is no answer, so the
# push is worth White's evaluation after D6 alone, at D6 (the block taken
# back and played again).  The closing readings add their own points: the
# hane below S at D4 and the block at E6.
black to play
  . . . . . . . . .
  . X . . O . . . .
  . . . . X . . . .
  . X . . . O . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 D6 [D6=r:5 D4 E6]
call KeimaTuke:at E7 D5 D6 D6 [D6=r:5 D4 E6]

[push-block-laddered-owner-alive-white]
white to play
  . . . . . . . . .
  . X . . O . . . .
  . . . . X . . . .
  . X . . . O . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 D6 [D6=r:5 D4 E6]
call KeimaTuke:at E7 D5 D6 D6 [D6=r:5 D4 E6]

[push-block-laddered-owner-alive-half-turn]
# The half turn about the box: White's contact D7 touches E7, the push at
# E6, Black's block at D6 left with D5-D6 at C5 and E5 (C6, D4 White's).
# Candidate E6 at White's evaluation after E6 alone; the closing readings
# add E8 and D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . O . . . X . .
  . . . X . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at E7 D5 E6 E6 [E6=r:5 E8 D6]
call KeimaTuke:at D5 E7 E6 E6 [E6=r:5 E8 D6]

[push-block-laddered-owner-alive-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . O . . . X . .
  . . . X . . . . .
  . . . O . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at E7 D5 E6 E6 [E6=r:5 E8 D6]
call KeimaTuke:at D5 E7 E6 E6 [E6=r:5 E8 D6]

# --- The contact reading with room outside O: its value, both sides to play --------
# The position of knight-contact-hane-behind (shapes-roles.tst), there
# named by its point only: Black's D5-E7 with C7, D8 and B6 around D6,
# White's E5-F5 touching D5.  W (F7, outside E7 on White's side) has three
# empty neighbours, so the contact reading plays White's E6, Black's D6 and
# White's F7: White's chain E5-F5-E6 keeps more than two liberties, so the
# reading counts.  White's contact chain is not laddered, so Black's point
# is N itself: value White's evaluation after E6, D6, F7 plus Black's
# after E6 alone, at E6.  With White to play the same sum is White's at E6,
# under the contact-ladder reason 27 (the prepared answers D6 then F7 go
# with it).  The hane below S adds D4, named by its point.

[contact-reading-open-w]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . X . X . . . .
  . X . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 E6 E6 D6 F7 D5 E6 [D4 E6=r:5]
call KeimaTuke:at E7 D5 E6 E6 D6 F7 E7 E6 [D4 E6=r:5]

[contact-reading-open-w-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . X . X . . . .
  . X . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 E6 E6 D6 F7 D5 E6 [D4 E6=r:27]
call KeimaTuke:at E7 D5 E6 E6 D6 F7 E7 E6 [D4 E6=r:27]

[contact-reading-open-w-half-turn]
# The half turn: White's D7-C7 touching E7, W = C5 outside D5: White's D6,
# Black's E6, White's C5, plus Black's D6 alone, at D6; the hane adds E8.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O X . . . .
  . . . . . . X . .
  . . . X . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 D6 E6 C5 D5 D6 [E8 D6=r:5]
call KeimaTuke:at E7 D5 D6 D6 E6 C5 E7 D6 [E8 D6=r:5]

[contact-reading-open-w-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O X . . . .
  . . . . . . X . .
  . . . X . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 D6 E6 C5 D5 D6 [E8 D6=r:27]
call KeimaTuke:at E7 D5 D6 D6 E6 C5 E7 D6 [E8 D6=r:27]

# --- The owner's stone two below T: the strip reading instead of the push ----------

[contact-strip-below]
# Black's D5-C5 and E7, White's contact E5, Black's E3 two beyond E5 on
# E5's line with E4 between empty, D4 and D3 empty: the handler reads the
# strip from E7 down to E3 instead of the push.  The strip's sides: D5 is
# Black's (F5 empty), so the outer points are D6 and D4 (three empty
# neighbours each), the middle ones E6 and E4.  Black's tries: E6, White
# E4, Black D4, White F3; and E4, White E6, Black D6, White F7: White's
# two stones beside the contact stone leave Black behind in both, so each
# counts 0 (the strip takes no loss).  White's tries: D6, Black E6, White
# D4; and D4, Black E4, White D6 (D5-C5 keeps liberties at B5 and C4/C6,
# so no atari is read): the better counts.  Value White's better try plus
# 0; Black's point the first middle point E6 (the tries tie at 0).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 D4 E7 D4 E4 D6 D5 E6 E4 D4 F3 E7 E4 E6 D6 F7 E7 [E6=r:5]
call KeimaTuke:read E7 D5 D6 E6 D4 D5 D4 E4 D6 E7 E6 E4 D4 F3 D5 E4 E6 D6 F7 D5 [E6=r:5]

[contact-strip-below-white]
# White's point is the first outer point D6 (White's two tries tie: the
# same stones in another order).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 D4 E7 D4 E4 D6 D5 E6 E4 D4 F3 E7 E4 E6 D6 F7 E7 [D6=r:5]
call KeimaTuke:read E7 D5 D6 E6 D4 D5 D4 E4 D6 E7 E6 E4 D4 F3 D5 E4 E6 D6 F7 D5 [D6=r:5]

# --- S at three liberties: the push's stone caught once Black blocks ---------------

[push-stone-caught-owner-x-free]
# Black's D5 (three liberties: C5, D4, D6), E7 and C7; White's contact E5
# and White's B6 and B4 on the left.  White's push at D6 leaves D5 two
# liberties that no ladder takes (White's C5, Black's D4 and out; White's
# D4, Black's C5 and out).  Black blocks at E6: D6 is left with C6 and D7,
# and Black's C6 catches it (White's D7 has only D8 between C7 and E7).
# The stone still belongs to White's group with B6 and B4, which is not
# dead, so the push is not dismissed at once; but Black's stone at F5
# beyond the contact stone would not be caught (F4, G5, F6 free): the
# pushing stone is caught while Black's outside stands, so no push value
# is added at D6 and only the closing readings speak (E4 under E5 and the
# block at E6, named by their points).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . O . . . . . . .
  . . . X O . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 D6 [E4 E6]
call KeimaTuke:at E7 D5 D6 D6 [E4 E6]

[push-stone-caught-owner-x-free-white]
# With White to play the hane's point is White's D4 itself.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . O . . . . . . .
  . . . X O . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 D6 [D4 E6]
call KeimaTuke:at E7 D5 D6 D6 [D4 E6]

# --- M on the second line, both owner groups alive: the hane behind S --------------
# Frame on the left edge: Black's B5-C7, White's contact C5 (joined by C4),
# M = B6, N = C6, Z = A5 behind S, F = B7.

[push-second-line-hane-behind]
# Black's B5-B4 with B2, C2 and D3 below, and C7: after White's push at B6
# and Black's block at C6 both Black groups count as alive by eyes, so the
# push is not valued by itself; with B6 on the second line White's follow-up
# is the hane at A5 behind S: B5-B4 has exactly three liberties (A5, A4,
# B3) and A5 two empty neighbours (A4, A6).  White's A7-A8 on the edge keep
# B6 out of the ladder (Black's B7, White's A6 joins A5 to A7-A8 with A4,
# A9 and B8 free), so the push is worth White's evaluation after B6, C6,
# A5, at B6.  The closing readings add C6, named by its point.
black to play
  . . . . . . . . .
  O . . . . . . . .
  O . X . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . . . X . . . . .
  . X X . . . . . .
  . . . . . . . . .
call KeimaTuke:at B5 C7 B6 B6 C6 A5 [B6=r:5 C6]
call KeimaTuke:at C7 B5 B6 B6 C6 A5 [B6=r:5 C6]

[push-second-line-hane-behind-white]
white to play
  . . . . . . . . .
  O . . . . . . . .
  O . X . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . . . X . . . . .
  . X X . . . . . .
  . . . . . . . . .
call KeimaTuke:at B5 C7 B6 B6 C6 A5 [B6=r:5 C6]
call KeimaTuke:at C7 B5 B6 B6 C6 A5 [B6=r:5 C6]

[push-second-line-hane-behind-ladder]
# The same without White's A7-A8: after White's A5 Black's B7 ataris B6,
# and White's A6 is left with A7 and A4 on the edge (Black's A7, then A4
# runs into B4's wall): the ladder takes B6, so the hane is not read and
# only the closing readings speak (C6).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . X O . . . . . .
  . . . X . . . . .
  . X X . . . . . .
  . . . . . . . . .
call KeimaTuke:at B5 C7 B6 B6 C6 A5 [C6]
call KeimaTuke:at C7 B5 B6 B6 C6 A5 [C6]

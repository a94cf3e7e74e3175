# Weak groups and relations of groups: positions sitting on the edges that
# the earlier tables leave open.  The answers are worked out by hand from
# the routines' rules; what the evaluation gives is stated as a premise.
#
#   call Kankei7Utu:read A B M... A N...   (as in shapes-ogeima-cover.tst)
#       the large knight's move (A, B): the candidate "P=r:5" with r White's
#       reading M... plus Black's N...
#   call Readings:order A B R1... S R2...   (as in shapes-hane.tst) the
#       premise: two readings of the colour opposite A's compared
#   call WeakGunHirogeru:best V   (RelationWeakPin8Routines.cpp) the best
#       extension of our group at V, then the premise: the extension points
#       sharing the largest candidate value ("max:P,Q")

# --- The peep beyond B's line: the owner's answer after a ladder ----------------------
# Black's pair C5-F6 with White's peep D7 and Black's E8 above E7 (as in
# ogeima-peep-owner-above-e7), Black's G5 beside F5, and White's F8 and G7
# up to the right.  The owner's answer is read: Black's E6, White's D6,
# Black's D5, White's E5.  White's E5 then has two liberties, E4 and F5;
# Black's E4 ataris it and White's F5 brings the chain E5-F5 down to one
# liberty (F4: E6, F6 and G5 are Black's), so a ladder takes E5 (White's F8
# and G7 touch none of these points).  The owner's answer is then the better
# of E6 and E5 by Black's evaluation after its move there; the premise says
# E6 reads more.  Black to play: the candidate is E6, valued by Black's move
# there plus White's push at D5 (White's D5 is not dead: it keeps D4, D6 and
# E5 free).

[peep-ladder-takes-the-push-answer]
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . O . .
  . . . . . X . . .
  . . X . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Readings:order D7 C5 E6 C5 E5 [>]
call Kankei7Utu:read C5 F6 D5 C5 E6 [E6=r:5]

[peep-ladder-takes-the-push-answer-white]
# White to play: the candidate is White's push D5, valued the same way (the
# better of Black's E6 and E5 plus White's D5).
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . O . .
  . . . . . X . . .
  . . X . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Readings:order D7 C5 E6 C5 E5 [>]
call Kankei7Utu:read C5 F6 D5 C5 E6 [D5=r:5]

# --- The best extension of a weak group: a tie ------------------------------------------
# The extension step keeps as its best the first extension, in the order of
# the group's related points (rows from the top, left to right in a row),
# whose value is larger than all before it: a later one of the same value
# does not replace it.

[hirogeru-best-first-of-a-tie]
# Black's lone E5 in the middle of the empty board, Black to play.  Its
# one-space jumps E7, C5, G5 and E3 stand alike to the board (a quarter
# turn about E5 carries each onto the next), and the premise says they
# share the largest value among the candidates.  The first of them among
# the related points is E7 (row 7 comes before rows 5 and 3), so the best
# extension is E7.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:best E5 [E7 max:E7,C5,G5,E3]

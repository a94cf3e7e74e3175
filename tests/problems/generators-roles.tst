# Rows that pin the edges of the generators' rules: a value at a bar, a
# distance at its limit, a relation kind at its bound.
#
#   call SelectYomiKoho:VARIANT R C...  the replies the look-ahead takes at
#       one level (the area is the window around the root R, two lines left
#       of and above it, six right of and below it); the candidates C... get
#       the variant's values and reasons in order:
#         near    root 20; 40, 30 (weak group), 20 (pair answer), 16
#                 (capture), 14 (weak group)
#         bar     root 20; 16 (weak group), 12 (capture)
#         root35  root 35; 30, 20 (weak group), 14 (capture)
#       answers the points taken
#   call WeakGunNiken V      the two-space extensions of the group at V:
#       "point:reason"
#   call PairAnswerRange:M V the pending links answered inside the area of
#       the group at V (M = 1: kinds 7 and below, 2: 8 and above), as
#       "kind/A/B"

[look-ahead-reply-just-above-the-bar]
# Root D16 with its best value 20: the bar is 15.  E15 (16, weak group) is
# next to the root and above the bar: taken.  D14 (12, capture) is below 13:
# the scan ends there, captures or not.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call SelectYomiKoho:bar D16 E15 D14 [E15]

[look-ahead-replies-under-a-root-of-35]
# Root D16 with its best value 35: not below 35, so the bar is 25.  E15 (30,
# weak group, next to the root) is taken.  E17 (20, weak group) is not above
# the bar and no capture: left, and the scan goes on with one taken.  C17 (14,
# capture) is taken below the bar; two are taken, the cap: the scan ends.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call SelectYomiKoho:root35 D16 E15 E17 C17 [C17 E15]

[look-ahead-reply-at-distance-seven]
# Root D16 (bar 15).  E15 (40) is next to the root: taken.  G15 (30, weak
# group) stands three lines right and one below: distance index 6 + 1 = 7,
# below 8, so it is near and taken.  H16 (20, pair answer) is four lines off
# (distance 10) and taken as a pair answer with two taken, not more than the
# cap.  C17 (16, diagonal) is taken.  D14 (14) is not above the bar and no
# capture, and with four taken the scan ends.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call SelectYomiKoho:near D16 E15 G15 H16 C17 D14 [C17 E15 G15 H16]

[two-space-extensions-gap-in-two-space-reach]
# White to play against Black's lone C7 on the 3-3 point: its two-space
# extensions F7 and C4 on line 3 have eight empty points around them and no
# White stone beside their gap points.  The gap point next to F7, E7, stands a
# two-space jump (kind 6, the bound) above White's E4: against that extension
# White's move is E7.  The gap point next to C4, C5, is a knight's move (kind
# 4) from E4: there the move is C5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [C5:13 E7:13]

[pair-range-large-knight]
# Black's large knight's move F14-J15 with White's J14 under J15: graded 2
# from both ends (from F14 the far point beside the partner is White's, from
# J15 the point beside it), a cuttable link of kind 7, found first from J15
# (the upper stone): the entry holds F14 and J15.  Kind 7 is the last kind of
# the first range, which answers it; the second has nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . X . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call PairAnswerRange:1 F14 [7/F14/J15]
call PairAnswerRange:2 F14 [none]

# The look-ahead at the exact edges of its rules: the replies taken at a
# level, the forced continuation, the roots taken from the candidate table,
# the choice among the roots read and the capture shortcut.  For each
# comparison the rows hold the value at the point where the rule turns and
# the one next to it on the other side.
#
#   call SelectYomiKoho:edge-VARIANT R C...  the replies the look-ahead takes
#       at one level from a made-up table: the area is the window marked
#       around the root R (two lines left of and above it, six right of and
#       below it); the root's best value and the candidates' values and
#       reasons are the variant's (tests/engine/YomiBarRoutines.cpp), in the
#       order of C...; answers the points taken.  The bar is the smaller of
#       the root's value and 15 for a root below 35, else 25; the cap is three
#       on 9 x 9, else two; the distance index of a point to the root is
#       t(a) + b, a and b the larger and smaller offset, t = 0 1 3 6 10 15 21
#   call ThinkYomi:best [P...]  the best value of the look-ahead's move
#       choice for the side to move (the whole board the area) and its point,
#       "V T"; with P... after those points have been played in turn
#   call YomiContinue:rootN     the forced continuation of at most two moves
#       after the root colour's answer, for a root worth N (the side to move
#       is the root colour's opponent, the whole board the area): "K M", K the
#       moves played and M the first.  Move k goes on while the best value is
#       k + 12 or more (root below 35) or k + 24 or more (35 and up)
#   call YomiContinue:deepD     the same with at most D moves after a root of
#       20

# --- The reply choice ---------------------------------------------------------

[look-ahead-reply-at-the-floor-of-13]
# Root D16 with its best value 20: the bar is 15.  E15 holds a capture of
# 13: not below 13, so the scan does not stop; at or below the bar and a
# capture: taken (one reply, under the cap of two).  D14 holds a capture of
# 12: below 13, the scan stops there, captures or not.
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
call SelectYomiKoho:edge-floor D16 E15 D14 [E15]

[look-ahead-reply-of-80-is-not-big]
# Root D16 with its best value 40: the bar is 25.  K10 (80, weak group) is
# below 81, so the first rule of the big replies does not hold: it is above the
# bar but six lines off both ways (distance index 21 + 6 = 27, not below 8),
# and a weak-group reason is above 5; below the bar's rules it is neither a
# capture nor an escape: left, with none taken the scan goes on.  F15 (30) is
# two lines right and one down (distance 3 + 1 = 4): near and above 25, taken.
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
call SelectYomiKoho:edge-big80 D16 K10 F15 [F15]

[look-ahead-big-capture-beyond-the-cap]
# Root D16 (best 40, bar 25).  E16 (90) and K10 (85), both 81 or more, are
# taken while fewer than two stand.  F15 (82, a capture) is big too, but two
# are taken already: it goes on to the last rule, where a capture is taken; with
# three taken (two or more) the scan stops, and E15 (30, near) is never read.
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
call SelectYomiKoho:edge-bigcapture D16 E16 K10 F15 E15 [E16 F15 K10]

[look-ahead-reply-at-distance-eight]
# Root D16 (best 20, bar 15), weak-group replies all above the bar.  G15 (30)
# is three lines right and one down: distance index 6 + 1 = 7, below 8, taken.
# G14 (25) is three right and two down: 6 + 2 = 8, not below 8, so it is far;
# its reason (13) is above 5 and it is no capture: left, and with one taken the
# scan goes on.  F13 (20) is two right and three down: 6 + 2 = 8 again, left.
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
call SelectYomiKoho:edge-dist8 D16 G15 G14 F13 [G15]

[look-ahead-far-reply-reason-five-or-less]
# Root D16 (best 20, bar 15), three replies four lines right (distance index
# 10 + 0 = 10 for H16, 10 + 1 = 11 for H15 and H17): far.  H16 (30) answers a
# relation pair (reason 5, not above 5) with none taken: taken.  H15 (25) has
# reason 6 (no generator sets it, but the rule reads only the number), H17
# (20) reason 9 (life and death): above 5, and neither a capture nor an
# escape: left, and with one taken the scan runs to the end.
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
call SelectYomiKoho:edge-farreason D16 H16 H15 H17 [H16]

[look-ahead-far-pair-answer-at-the-bar]
# Root D16 (best 20, bar 15).  E15 (16, weak group, diagonal) is above the
# bar and near: taken.  H16 (15, pair answer) is four lines off (distance 10)
# and not above the bar: the far rule does not take it, and a pair answer is no
# capture: left, with one taken the scan goes on.  C17 (14, capture) is taken
# below the bar; two taken, the cap: the scan ends.
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
call SelectYomiKoho:edge-farlim D16 E15 H16 C17 [C17 E15]

[look-ahead-far-pair-answer-over-the-cap]
# Root D16 (best 20, bar 15).  E15 (40), E17 (35) and C17 (30) are near and
# above the bar: all three taken (near replies have no cap).  H16 (25, pair
# answer) is far: taken only while at most two stand, and three do: left; it is
# no capture, and with three taken (two or more) the scan stops before the
# capture H15 (20).
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
call SelectYomiKoho:edge-overcap D16 E15 E17 C17 H16 H15 [C17 E15 E17]

[look-ahead-far-capture-over-the-cap]
# As before, but H16 (25) is a capture: the far rule does not take it with
# three standing, so it goes on to the last rule, which takes a capture; with
# four taken the scan stops before D14 (20, capture).
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
call SelectYomiKoho:edge-overcapcapture D16 E15 E17 C17 H16 D14 [C17 E15 E17 H16]

[look-ahead-low-replies-by-reason]
# Root D16 with its best value 40: the bar is 25 and every reply is at or
# below it, so only reasons 1 and 2 are taken.  E15 (24) is a link move
# (reason 3) and F14 (23) has reason 0: left.  G13 (22, escape, reason 2) and
# H12 (20, capture, reason 1) are taken; two taken, the cap on 19 x 19: the
# scan stops before J11 (18, capture).
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
call SelectYomiKoho:edge-lowreasons D16 E15 F14 G13 H12 J11 [G13 H12]

[look-ahead-cap-on-13x13]
# On 13 x 13 the cap is two (three only on 9 x 9).  Root D10 with its best
# value 40 (bar 25): E9 (24, capture) and F8 (22, escape) are taken below the
# bar; with two taken the scan stops before G7 (20, capture).
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call SelectYomiKoho:edge-low3 D10 E9 F8 G7 [E9 F8]

[look-ahead-window-left-and-up]
# The window of the root K10 runs two lines left of and above it: H10 (two
# left), K12 (two up) and H12 (both) are inside, G10, K13 and G13 (three off)
# outside.  Root 20 (bar 15), weak-group replies of 30 down to 25, all within
# distance index 5 of the root: the three inside are taken (near replies have
# no cap), the three outside are skipped.
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
call SelectYomiKoho:edge-windownear K10 H10 G10 K12 K13 H12 G13 [H10 H12 K12]

[look-ahead-window-right-and-down]
# The window runs six lines right of and below the root K10: Q10 and K4 are
# inside, R10 and K3 (seven off) outside.  Root 20, pair answers of 30 down
# to 27: Q10 (30) is far (distance index 21) and taken with none standing,
# R10 is skipped, K4 (28, far) is taken with one standing, K3 is skipped.
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
call SelectYomiKoho:edge-windowfar K10 Q10 R10 K4 K3 [K4 Q10]

# --- The roots ----------------------------------------------------------------
#   call SelectRootKoho:edge-VARIANT C...   the roots the look-ahead takes
#       from a made-up table (tests/engine/YomiBarRoutines.cpp: values and
#       reasons of C... in order, YomiWide, the reason the staged search
#       left): the area is the square of six lines around the top candidate;
#       the floor is 13, or 23 under a top of 45 or more.  Answers the roots

[root-floor-under-a-top-of-45]
# A top of 45 (pair answer at K10) raises the floor to 23.  L11, a capture of
# 23, is not below it: taken (captures pass the other value rules).  M12, a
# capture of 22, is below the floor: the scan stops.
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
call SelectRootKoho:edge-floor45 K10 L11 M12 [K10 L11]

[root-floor-under-a-top-of-44]
# A top of 44 leaves the floor at 13: L11, a capture of 13, is taken; M12, a
# capture of 12, stops the scan.
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
call SelectRootKoho:edge-floor44 K10 L11 M12 [K10 L11]

[root-outside-the-area-at-31]
# The area is the square of six lines around the top K10 (40): D4 to Q16.
# A1 (capture, 31) lies outside it but is worth 31, not below: it stays a
# candidate and is taken.  B1 (capture, 30) lies outside and below 31:
# skipped.
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
call SelectRootKoho:edge-outside31 K10 A1 B1 [A1 K10]

[root-area-square-of-six-lines]
# The area around the top K10 (40) reaches six lines each way.  Pair answers
# of 22 to 15 (none below 15, none more than 25 under the top): Q10 (six right),
# D10 (six left), K16 (six up) and K4 (six down) are inside and taken; R10,
# C10, K17 and K3, seven lines off, are outside, below 31: skipped.
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
call SelectRootKoho:edge-square K10 Q10 R10 D10 C10 K16 K17 K4 K3 [D10 K10 K16 K4 Q10]

[root-wide-at-50]
# YomiWide 2 on 19 x 19.  K10 (60) and L11 (55), pair answers, are taken
# while fewer than two stand.  M12 (pair answer, 50) comes with two standing:
# not below 50, so it is not skipped; taken, and with three (YomiWide + 1) the
# scan stops before N13 (capture, 49).
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
call SelectRootKoho:edge-wide50 K10 L11 M12 N13 [K10 L11 M12]

[root-wide-at-49]
# YomiWide 2 again: K10 (60) and L11 (55) are taken; M12 (pair answer, 49)
# comes with two standing, below 50 and no capture: skipped.  N13 (capture,
# 48) is taken (captures are never too many), the third root: the scan
# stops.
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
call SelectRootKoho:edge-wide49 K10 L11 M12 N13 [K10 L11 N13]

[root-wide-on-13x13]
# YomiWide counts on boards above 9 x 9, 13 x 13 too.  With YomiWide 1 the
# top G7 (60) is taken; H8 (pair answer, 40) comes with one root standing,
# below 50, no capture: skipped; J9 (capture, 30) is taken, the second root
# (YomiWide + 1): the scan stops.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call SelectRootKoho:edge-wide1 G7 H8 J9 [G7 J9]

[root-wide-not-on-9x9]
# On 9 x 9 YomiWide does not count: with YomiWide 1 the top E5 (60), F6 (pair
# answer, 40) and G7 (capture, 30) are all taken.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SelectRootKoho:edge-wide1 E5 F6 G7 [E5 F6 G7]

[root-opening-reasons]
# The staged search left reason 17 (so no reason up to 17 is above it).
# Under the top K10 (40), L11 (35) has reason 17: 17 or more, skipped.  M12 (34)
# has reason 16: below 17, and not above the staged search's reason: taken.
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
call SelectRootKoho:edge-joban K10 L11 M12 [K10 M12]

[root-other-reasons-from-15]
# Under the top K10 (40, floor 13): L11, a pair answer of 15, is not below
# 15: taken.  M12, a pair answer of 14, is: skipped.  N13, a capture of 13, is
# not below the floor: taken.
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
call SelectRootKoho:edge-under15 K10 L11 M12 N13 [K10 L11 N13]

[root-far-below-a-top-of-91]
# A top of 91 (floor 23): L11 (pair answer, 30) is not below 30, and not
# below 25: taken.  M12 (29) is below 30 and 91 - 29 = 62 is more than 60:
# skipped.
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
call SelectRootKoho:edge-top91 K10 L11 M12 [K10 L11]

[root-far-below-a-top-of-88]
# A top of 88: L11 (pair answer, 28) is below 30 but 88 - 28 = 60 is not
# more than 60, and it is not below 25: taken.  M12 (27): 88 - 27 = 61, more
# than 60: skipped.
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
call SelectRootKoho:edge-top88 K10 L11 M12 [K10 L11]

[root-below-25-under-a-top-of-56]
# A top of 56 (floor 23): L11 (pair answer, 25) is not below 25 (nor 56 - 25
# = 31 more than 60): taken.  M12 (24) is below 25 and 56 - 24 = 32 is more
# than 30: skipped.
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
call SelectRootKoho:edge-top56 K10 L11 M12 [K10 L11]

[root-below-25-under-a-top-of-54]
# A top of 54: L11 (pair answer, 24) is below 25 but 54 - 24 = 30 is not
# more than 30: taken.  M12 (23, at the floor): 54 - 23 = 31, more than 30:
# skipped.
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
call SelectRootKoho:edge-top54 K10 L11 M12 [K10 L11]

[root-reasons-above-the-staged-search-at-4]
# The staged search left reason 4.  Under the top K10 (40, reason 5, not
# above 5): L11 (35, life and death, 9) is above 5 and above 4: skipped.  M12
# (34) is a peep (14), kept whatever the reason left: taken.  N13 (33, reason
# 6) and O14 (32, pondered life and death, 10) are above 5 and above 4:
# skipped.
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
call SelectRootKoho:edge-kind4 K10 L11 M12 N13 O14 [K10 M12]

[root-reasons-above-the-staged-search-at-9]
# The staged search left reason 9 (life and death).  L11 (35, reason 9) is
# not above 9: taken.  M12 (34, peep): taken.  N13 (33, reason 6) is above 5
# but not above 9: taken.  O14 (32, reason 10) is above 5 and above 9:
# skipped.
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
call SelectRootKoho:edge-kind9 K10 L11 M12 N13 O14 [K10 L11 M12 N13]

# --- The choice among the roots read --------------------------------------------
#   call SakiyomiChoose:edge-lens-A-B-C P Q R   the root chosen among the three
#       roots read P, Q, R (P the engine's own top choice), scored 5, 9 and 7,
#       none a capture, with line lengths A, B and C.  In score order Q, R, P;
#       the best is Q
#   call Sakiyomi:edge-capture29 P Q   the look-ahead on a table of two
#       captures, P worth 40, Q worth 29: the point chosen and "at-once" when
#       no tree node was read, else "read"

[choice-line-of-two-is-not-short]
# P's line has length 2: not below 2, so no root is without an answer.  Q's
# 3 is not above 5: no preference for short lines; Q is no capture and no
# capture follows: the best, Q.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:edge-lens-2-3-3 A1 B1 C1 [B1]

[choice-line-of-one-against-longer-lines]
# P's line has length 1 (no answer in the area) and every other line is
# longer than 2: P is chosen whatever its score.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:edge-lens-1-3-3 A1 B1 C1 [A1]

[choice-best-line-of-six]
# The best root Q has a line of 6, above 5, and our own top choice P one of 3,
# below 4: the first of Q and R (all but the last in score order) with a line
# below 4 is chosen: R (3).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:edge-lens-3-6-3 A1 B1 C1 [C1]

[choice-best-line-of-five]
# Q's line of 5 is not above 5: the best, Q, stands.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:edge-lens-3-5-3 A1 B1 C1 [B1]

[choice-own-top-line-of-four]
# Q's line of 6 is above 5, but P's line of 4 is not below 4: Q stands.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:edge-lens-4-6-3 A1 B1 C1 [B1]

[choice-no-line-below-four-among-the-others]
# Q's line of 6, P's of 3: the scan looks at Q (6) and R (4): neither is below
# 4 (P, last in score order, is not looked at); no capture follows the best:
# Q stands.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SakiyomiChoose:edge-lens-3-6-4 A1 B1 C1 [B1]

[capture-shortcut-at-29]
# Black's J1 takes White's H1 (its last liberty) and stands in atari against
# J2 afterwards: a capture point and a self-atari point for Black; played, its
# group is not dead.  Worth 29, above 28, it is chosen at once, before any
# tree node is read (the top root H3, worth 40, is no such capture).
black to play
  . . . . X . O O .
  . . . . X . . . X
  X . . . X X . . .
  . . O . . . . . .
  . . X . O X O . .
  O O X . . X . O .
  O . . . . . X . O
  . . O O . . . X O
  . X . . . . X O .
call Sakiyomi:edge-capture29 H3 J1 [J1 at-once]

# --- The forced continuation --------------------------------------------------
# The values of the look-ahead's own move choice are the evaluation's; the
# ThinkYomi:best rows hold each position to them, so that the continuation's
# rows meet the bar exactly where they say.

[continuation-big-root-at-the-first-bar]
# White to play after Black's answer (Black is the root colour).  White's F5
# stands four lines from the right edge, its third-line gap point G5 free,
# and Black's G7 has approached two lines out beside that gap: White's answer
# goes to G6, the flank of G5 on the approach's side, and its reading, above
# 25, is held at 25 this early in the game (before move 20).  Nothing else of
# White's is worth more: the look-ahead's choice is G6 at 25.  After it
# Black's best is H7, worth 25 again.  After a root of 35 or 36 the first
# move needs 1 + 24 = 25: 25 is not below it, G6 is played; the second needs
# 2 + 24 = 26: 25 is below, the line stops with one move.  After a root of 34
# the bars are 13 and 14: both moves are played.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [25 G6]
call ThinkYomi:best G6 [25 H7]
call YomiContinue:root35 [1 G6]
call YomiContinue:root36 [1 G6]
call YomiContinue:root34 [2 G6]

[continuation-big-root-at-the-first-bar-for-white]
# The same with the colours turned: Black to play after White's answer (White
# is the root colour).  White's F4 stands four lines from the right edge and
# Black's G6 has approached two lines out beside its third-line gap G4: the
# approaching side's move is the second-line gap point H4, its reading held
# at 25 this early; Black's best is H4 at 25.  Then White's best is G3,
# worth 25.  Root 35: the first move (bar 25) is played, the second (bar 26)
# is not.  Root 34: both.  With a continuation of one move, that move would be
# Black's, the root colour's opponent's, at the last step: nothing is played.
# With two, H4 and G3 are played (root 20: bars 13 and 14).  With three, the
# third move would be Black's best H3 (35, above the bar 15), but it would
# again be the opponent's at the last step: two moves.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . X . .
  . . . . . X X . .
  . . . . . . . . .
  . . O . . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [25 H4]
call ThinkYomi:best H4 [25 G3]
call ThinkYomi:best H4 G3 [35 H3]
call YomiContinue:root35 [1 H4]
call YomiContinue:root34 [2 H4]
call YomiContinue:deep1 [0]
call YomiContinue:deep2 [2 H4]
call YomiContinue:deep3 [2 H4]

[continuation-big-root-one-below-the-first-bar]
# White to play (Black the root colour).  White's best is E5, worth 24;
# after it Black's best is C5, worth 11.  After a root of 35 the first move
# needs 25: 24 is below, nothing is played.  After a root of 34 the first move
# needs 13 (E5 is played) and the second 14: 11 is below, one move.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . X . .
  . . . O . X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [24 E5]
call ThinkYomi:best E5 [11 C5]
call YomiContinue:root35 [0]
call YomiContinue:root34 [1 E5]

[continuation-big-root-at-the-second-bar]
# White to play (Black the root colour).  White's best is D5, worth 26;
# after it Black's best is E6, worth 26.  After a root of 35 the first move
# needs 25 and the second 26: 26 is not below either, both are played (the
# second is the root colour's own, so the last step may be played).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . X X O . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [26 D5]
call ThinkYomi:best D5 [26 E6]
call YomiContinue:root35 [2 D5]

[continuation-small-root-one-below-the-first-bar]
# White to play (Black the root colour).  White's best is C7, worth 12.
# After a root of 34 the first move needs 1 + 12 = 13: 12 is below, nothing is
# played.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O O O . . . .
  . . . . . . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [12 C7]
call YomiContinue:root34 [0]

[continuation-small-root-at-the-first-bar]
# Black to play (White the root colour).  Black's best is B5, worth 13;
# after it White's best is C4, worth 44.  After a root of 34 the first move
# needs 13: 13 is not below it, B5 is played; the second needs 14: C4 is played
# too.  After a root of 35 the first move needs 25: nothing is played.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . X . .
  . . . . . . X . .
  . . . O . . . . .
  . . . . . . O . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [13 B5]
call ThinkYomi:best B5 [44 C4]
call YomiContinue:root34 [2 B5]
call YomiContinue:root35 [0]

[continuation-small-root-one-below-the-second-bar]
# White to play (Black the root colour).  White's best is G3, worth 59;
# after it Black's best is G4, worth 13.  After a root of 34 the second move
# needs 2 + 12 = 14: 13 is below, one move.  After a root of 35 the second
# needs 26: one move as well.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [59 G3]
call ThinkYomi:best G3 [13 G4]
call YomiContinue:root34 [1 G3]
call YomiContinue:root35 [1 G3]

[continuation-small-root-one-below-the-second-bar-for-white]
# Black to play (White the root colour).  Black's best is E8, worth 62;
# after it White's best is E6, worth 13: below the second bar of 14 after a
# root of 34, one move.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . O . X . X . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [62 E8]
call ThinkYomi:best E8 [13 E6]
call YomiContinue:root34 [1 E8]

[continuation-small-root-at-the-second-bar]
# Black to play (White the root colour).  Black's best is C7, worth 36;
# after it White's best is E5, worth 14.  After a root of 34 the second move
# needs 14: not below, two moves.  After a root of 35 it needs 26: one move.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . . O X . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [36 C7]
call ThinkYomi:best C7 [14 E5]
call YomiContinue:root34 [2 C7]
call YomiContinue:root35 [1 C7]

[continuation-small-root-at-the-second-bar-for-black]
# White to play (Black the root colour).  White's D4 stands four lines from
# the left edge and Black's lone C6 has approached two lines out beside its
# third-line gap C4; with no White stone on D6 and the approaching stone
# short of eyes, White's answer is B5, below the flank C5, held at 25 this
# early: White's best is B5 at 25.  After it Black's best is B6, worth 14:
# root 34, two moves (bars 13 and 14); root 35, one (bars 25 and 26).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best [25 B5]
call ThinkYomi:best B5 [14 B6]
call YomiContinue:root34 [2 B5]
call YomiContinue:root35 [1 B5]


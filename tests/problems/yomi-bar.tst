# The look-ahead's reply choice and its forced continuation at the exact
# edges of their bars: for each comparison the value one below, at and one
# above the point where the rule turns.
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
#   call ThinkYomi:best [P]     the best value of the look-ahead's move choice
#       for the side to move (the whole board the area) and its point, "V T";
#       with P after the side to move has played P
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
# reason 6, H17 (20) reason 9 (life and death): above 5, and neither a capture
# nor an escape: left, and with one taken the scan runs to the end.
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

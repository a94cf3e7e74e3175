# The opening: stage-2 and stage-3 generators and the edge scan on 19 x 19
# positions whose answers are worked out by hand from the opening's rules.
#
#   call JobanEdgeGaps                the edge scan alone: every candidate as
#                                     "point=value/bonus"
#   call JobanKoho:at V...            stage 2 of the opening: the candidates
#                                     at the points given, "V=value/bonus" or
#                                     "V=none"
#   call JobanKoho:at:movesN V...     the same with the game record brought to
#                                     N moves (passes)
#   call JobanKoho:has V...           stage 2: "V" when a candidate stands at
#                                     V (its value is the evaluation's),
#                                     "V=none" when none
#   call JobanKoho2:at:movesN V...    stage 3 after N moves: "V=value" or
#                                     "V=none"

[centre-point-at-move-30]
# Black holds the top side K16-Q16-Q10 with stones on each of its three
# points and nothing near the centre: K10 has no stone in relation and the
# first side tested holds, so the centre point is proposed as 25 with bonus
# 49 while fewer than 31 moves have been played (30 here).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves30 K10 [K10=25/49]

[centre-point-at-move-31]
# The same position with 31 moves played: the centre point is left to the
# middle game, nothing at K10.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves31 K10 [K10=none]

[centre-point-left-side-for-white]
# White's three points of the left side D10-D16-K16 (the last side tested:
# top, right and bottom hold no white stone, so they fail first).  Move 30:
# K10 = 25 with bonus 49.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves30 K10 [K10=25/49]

[cap-of-a-lone-stone-at-move-100]
# White's lone stone K4 on line 4 with eight empty points around it.  The
# first one-space jump on a higher line, upward first, is K6 (line 6): no
# black stone near, one white stone in relation, so Black caps there with
# value 25 (the bonus is the evaluation's).  Move 100 is the last move at
# which the cap is tried.
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
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:at:moves100 K6 [K6=25]

[cap-of-a-lone-stone-at-move-101]
# From move 101 on there is no cap.
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
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:at:moves101 K6 [K6=none]

[cap-of-a-lone-stone-from-move-60]
# The cap starts at move 60; at move 59 there is none.
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
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:at:moves59 K6 [K6=none]
call JobanKoho2:at:moves60 K6 [K6=25]

[cap-of-a-lone-stone-on-the-left-side]
# White's lone stone C10 on line 3: the jump up (C12) stays on line 3, so the
# first jump on a higher line is the one to the right, E10 (line 5).
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
  . . O . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho2:at:moves80 E10 [E10=25]

[edge-gap-four-apart-knight-over-the-middle]
# Black D17 and J17 on line 3, four points apart on the top edge: the line
# of play is 4, middle points F16 and G16.  White's G14 stands a knight's
# move from F16, so even if the invasion at F16 weakens neither stone, one
# side counts as suffering (w = 1); the side pattern runs with base 39: no
# white stone within a jump of F16; D15 and J15 (line 5 above each stone)
# are empty with empty surroundings, each over a lone stone whose
# neighbours are empty: 39 + 1 = 40 each, and no stone is found there, so
# the pattern answers 0.  Then F16 is graded: eight empty points around it
# (38), D15 not White's; White's G14 is a knight's move away on line 6, so
# F16 gets 38 + 10 = 48 (and 38, which does not replace it).  G16 is graded
# from J17 the same way: 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D15=25/40 J15=25/40 F16=25/48 G16=25/38]

[edge-gap-four-apart-mirrored]
# The same shape reflected left to right: L17 and Q17, middle points N16 and
# O16 (the first middle point is now the one nearer L17), White's O14 a
# knight's move from N16.  The line-5 points L15 and Q15 get 40, N16 gets
# 48 and O16 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . X . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [L15=25/40 Q15=25/40 N16=25/48 O16=25/38]

[edge-gap-four-apart-own-stone-above]
# As the first row with Black's D15 already on line 5 above D17: that stone
# counts 1 in the side pattern, so only J15 is kept; it sees one black stone
# (J17) among its relations, so it gets the base, 39.  The pattern answers
# 1: F16 then gets 38 only because White's G14 is a knight's move from it,
# and G16 gets nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J15=25/39 F16=25/38]

[three-three-press-for-white]
# Black's star point D16 over an empty 3-3 point C17; White's E17 and
# Black's F17 stand in a row beyond D17 along line 3.  Black's F17 has three
# liberties; the line-2 side of the strip from C17 to F17 (C18 to F18) and
# E16 are empty, and B15 (reached from B17 and B16) is empty with empty
# neighbours: White, not the side of F17, is the engine, so the candidate is
# White's hane at E18 (the entry on line 2 two steps from C17), and C17
# itself stands as the big 3-3 invasion.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O X . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:has C17 E18 [C17 E18]

[three-three-press-for-black]
# The same position with Black to play: Black's own 3-3 move C17 is the
# candidate (the side of F17 is the engine), E18 gets nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O X . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:has C17 E18 [C17 E18=none]

[three-three-press-along-the-left-edge]
# The shape turned over the diagonal: White's C15 and Black's C14 in a row
# below C16 on line 3.  The strip's line-2 side is B17 to B14, and White's
# candidate is B15, two steps from C17 on line 2.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:has C17 B15 [C17 B15]

[edge-gap-three-apart-both-weak]
# Black D17 and H17 on line 3, three points apart: line of play 4 (no white
# stone right above either), middle point F16.  White's C16 leans on D17
# and White's H15 caps H17, so White's invasion at F16 leaves both lone
# stones weak (w = 2): the side pattern runs with base 33.  No white stone
# within a jump of F16.  Above D17 the line-4 point D16 has exactly one
# white stone beside it on line 4 (C16): D16 gets 33 + 1 = 34; D15 is not
# kept (C16 is next to it) and H15 holds White's stone, so no line-5 point
# is kept and the pattern answers 0: F16 gets 32.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D16=25/34 F16=25/32]

[edge-gap-three-apart-both-weak-mirrored]
# The same reflected left to right: M17 and Q17 with White's R16 beside Q16
# and White's M15 over M17.  The middle point is now O16, and the line-4
# point with one white stone beside it is Q16, above the second stone:
# Q16 = 34, O16 = 32.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . X . . .
  . . . . . . . . . . . . . . . . O . .
  . . . . . . . . . . . O . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [Q16=25/34 O16=25/32]

[edge-gap-four-apart-weak-stone-extends]
# Black D17 and J17, four apart (line of play 4, middle points F16, G16);
# White's J15 caps J17.  White's invasion at F16 leaves J17 weak and D17
# not: w = 1 with J17 the weak stone.  J17's two-space extension M17 lies
# on line 3, far from F16, with nothing of White's beside the gap and four
# empty neighbours: bonus 41.  The side pattern (base 39): D15 is kept
# (empty, empty around), J15 holds White's stone; D15 sees one black stone
# among its relations, so it gets the base, 39, and the pattern answers 0.
# F16: eight empty points around it, 38 (no white stone two lines above
# D17, no white stone a knight's move away).  G16, graded from J17: 38,
# plus 2 for White's J15 two lines above J17: 40.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D15=25/39 F16=25/38 G16=25/40 M17=25/41]

[edge-gap-four-apart-weak-stone-extends-mirrored]
# Reflected left to right: L17 (capped by L15) and Q17; middle points N16
# and O16.  The weak stone is now the first one, L17: its two-space
# extension away from the stretch, H17, gets 41 (O17 on the other side is
# next to N16).  Q15 is the one line-5 point kept: 39.  N16 is graded from
# L17: 38 + 2 for White's L15 = 40; L15 is also a knight's move from N16,
# on line 5, so the line-3 point at its position (L17) would get 50, but
# that point is Black's stone.  O16, graded from Q17: 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . X . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [H17=25/41 N16=25/40 O16=25/38 Q15=25/39]

[edge-gap-knight-on-line-5-top]
# Black D17 and J17 with White's H15 a knight's move from F16 on line 5.
# The knight's move makes w = 1; the invasion weakens neither stone.  Side
# pattern (base 39): D15 kept, J15 not (H15 is next to it): D15 = 39,
# answer 0.  F16: 38; White's H15 stands on line 5, so the line-3 point at
# its position, H17, gets 38 + 10 = 48.  G16 has H15 among its eight
# neighbours: 13.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D15=25/39 F16=25/38 G16=25/13 H17=25/48]

[edge-gap-knight-on-line-5-left]
# The same along the left edge (the board turned over its diagonal): C16
# and C11, White's E12.  Positions run down the edge, so the line-3 point
# at the knight's position is C12.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [C12=25/48 D13=25/13 D14=25/38 E16=25/39]

[edge-gap-knight-on-line-5-bottom]
# The same along the bottom edge: D3 and J3, White's H5: H3 = 48.
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
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D5=25/39 F4=25/38 G4=25/13 H3=25/48]

[edge-gap-knight-on-line-5-right]
# The same along the right edge: R16 and R11, White's P12: R12 = 48.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . O . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [P16=25/39 Q14=25/38 Q13=25/13 R12=25/48]

[edge-gap-weak-fourth-line-stone-large-knight-top]
# Black D17 (line 3) and J16 (line 4), four apart: one stone on line 4
# (f = 1), so the line of play is 4 and the middle point F16.  White's H15,
# J14 and K14 hem J16 in from above: White's invasion at F16 leaves J16
# weak (w = 1).  Of J16's extensions none of the two-space jumps lies on
# line 3; its large knight's move M17 does, far from F16 (F17, the other
# one on line 3, is next to F16), with
# nothing of White's beside its gap and four empty neighbours: M17 gets 41.
# With one stone on line 4 the line-3 point two positions from it toward
# the stretch, G17, gets 39.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . O O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G17=25/39 M17=25/41]

[edge-gap-weak-fourth-line-stone-large-knight-left]
# The same along the left edge: C16 and D11, White's E12, F11 and F10.  The
# large knight's move is C8, the point two positions from D11 is C13.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . X . O . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [C13=25/39 C8=25/41]

[edge-gap-weak-fourth-line-stone-large-knight-bottom]
# Along the bottom edge: D3 and J4, White's H5, J6 and K6: M3 and G3.
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
  . . . . . . . . O O . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G3=25/39 M3=25/41]

[edge-gap-weak-fourth-line-stone-large-knight-right]
# Along the right edge: R16 and Q11, White's P12, O11 and O10: R8 and R13.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . O . . . .
  . . . . . . . . . . . . . O . X . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [R13=25/39 R8=25/41]

[three-three-press-stone-close-to-death]
# As the press for White, with White's F16 and G16 over Black's F17: the
# stone keeps two liberties (F18, G17) but is close to death, so White's
# candidate is the 3-3 point C17 itself, not the hane at E18.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O X . . . . . . . . . . . . .
  . . . X . O O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:has C17 E18 [C17 E18=none]

[edge-gap-large-knight-middle-row-stone-top]
# As edge-gap-weak-fourth-line-stone-large-knight-top, with White's L15 on
# line 5 beside the second of the two middle rows (positions K and L)
# between J16 and its large knight's move M17.  An opponent stone beside
# the middle rows closes that extension, and J16 has no other on line 3 far
# from F16 (F17 is next to it), so the 41 goes; J16 stays weak (White has
# only come closer), w = 1, and with one stone on line 4 G17 still gets 39.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . O . . O . . . . . . . .
  . . . . . . . . O O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G17=25/39]

[edge-gap-large-knight-middle-row-stone-left]
# The same along the left edge: White's E9 on line 5 beside the second
# middle row (rows 10 and 9) between D11 and C8 closes C8; C13 keeps 39.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . X . O . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [C13=25/39]

[edge-gap-large-knight-middle-row-stone-bottom]
# Along the bottom edge: White's L5 beside the second middle row (K, L)
# between J4 and M3 closes M3; G3 keeps 39.
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
  . . . . . . . . O O . . . . . . . . .
  . . . . . . . O . . O . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G3=25/39]

[edge-gap-large-knight-middle-row-stone-right]
# Along the right edge: White's P9 on line 5 beside the second middle row
# (rows 10 and 9) between Q11 and R8 closes R8; R13 keeps 39.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . O . . . .
  . . . . . . . . . . . . . O . X . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . O . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [R13=25/39]

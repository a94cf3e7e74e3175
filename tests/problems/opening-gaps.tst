# The opening's edge scan on 19 x 19: the own-stones side pattern above two
# own stones on an edge (which line-5 points above the stones are kept and
# what each gets from the stones already around it), and the stretches of
# the other shapes at the bounds of their rules.  Every answer is worked out
# by hand from the opening's rules; "w" is the number of sides that would
# suffer from the opponent's invasion at the middle point (a weak stone
# after the trial, or else 1 for an opponent stone near the middle point).
#
#   call JobanEdgeGaps                the edge scan alone: every candidate as
#                                     "point=value/bonus", "none" when none
#
# Relation shapes named below: one-space jump (0,2), knight's move (1,2),
# two-space jump (0,3), large knight's move (1,3), three-space jump (0,4)
# and the (1,4) shape.

[side-one-point-kept-three-own-and-an-opponent]
# Black D17 and J17 on line 3, four apart along the top (g = 4): line of
# play 4, middle points F16 and G16.  F16 is related to three black stones
# (D17 and D15 knight's moves, J17 a large knight's move), fewer than 4.
# White's G14 is a knight's move from F16, so although the invasion at F16
# weakens neither stone, w = 1; no weak stone, so no extension.  Side
# pattern with base 39: no white stone within a one-space jump of F16;
# nothing of White's beside D16 or J16 on line 4; D15 holds Black's stone
# (the answer counts 1); J15 is empty with eight empty points around it, the
# one line-5 point kept.  J15 is related to three black stones, J17 (one-
# space jump below), L15 (one-space jump along line 5) and J12 (two-space
# jump above), and to White's G14 (knight's move): three or more, so J15
# gets 2 * 39 div 3 = 26, and J14, the point beyond J15 seen from J16, with
# eight empty points around it, 26 + 1 = 27.  The answer 1 leaves F16 38
# only for White's knight's move G14; G16 gets nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . X . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F16=25/38 J14=25/27 J15=25/26]

[side-three-apart-one-point-kept-four-own]
# Black D17 and H17 three apart (g = 3): line of play 4 (nothing of
# White's right above either stone), middle point F16, related to the two
# black stones D17 and H17 (knight's moves).  White's J15 caps H17: the
# invasion at F16 leaves H17 weak, not D17 with Black's A14-A16 behind it
# (w = 1, H17 the weak stone).  H17's two-space extension along line 3 away
# from the stretch, L17, has no black stone around it and no white
# neighbour: 23.  Side pattern with base 22 (the stretch is not contested):
# no white stone within a one-space jump of F16; nothing of White's beside
# D16 or H16 on line 4; H15 is next to White's J15 (not kept, not Black's);
# D15 is kept alone.  D15 is related to four black stones, D17 (one-space
# jump), A15 (two-space jump), A14 and A16 (large knight's moves), and to no
# white stone (J15 is five points away): D15 gets bonus 0.  The answer is 0:
# F16 is related to White's J15 by a large knight's move, so it gets 17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
  X . . . . . . . O . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D15=25/0 F16=25/17 L17=25/23]

[side-three-apart-one-point-kept-three-own]
# As the row before without Black's A16: D15 is related to three black
# stones (D17, A15, A14) and no white one, so it gets 2 * 22 div 3 = 14, and
# D14, beyond D15 seen from D16, with eight empty points around it,
# 14 + 1 = 15.  L17 23 and F16 17 as before.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  X . . . . . . . O . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D14=25/15 D15=25/14 F16=25/17 L17=25/23]

[side-four-apart-weak-stone-one-point-kept-four-own]
# As edge-gap-four-apart-weak-stone-extends (Black D17 and J17, White's
# J15 capping J17), with Black's A14, A15 and A16 behind D17.  w = 1 with
# J17 the weak stone: its two-space extension M17 gets 41.  Side pattern
# with base 39: D15 is the one line-5 point kept (J15 is White's); it is
# related to four black stones (D17, A15, A14, A16) and no white one: bonus
# 0.  The answer is 0, so the middle points are graded: F16 has eight empty
# points around it and nothing of White's two lines above D17 or a knight's
# move away: 38; G16, graded from J17: 38 + 2 for White's J15 two lines
# above J17 = 40.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
  X . . . . . . . O . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D15=25/0 F16=25/38 G16=25/40 M17=25/41]

[side-both-weak-one-point-kept-three-own-and-an-opponent]
# Black D17 and H17 three apart; White's B16 presses D17 from the side and
# White's H15 caps H17, so White's invasion at F16 leaves both lone stones
# weak (w = 2).  F16 is related to D17 and H17 only, and an opponent stone
# (H15) is a knight's move from it, so the side pattern runs with base 33:
# no white stone within a one-space jump of F16; nothing of White's beside
# D16 or H16 on line 4; H15 is White's; D15 is empty with eight empty points
# around it (B16 is two points off) and is kept alone.  D15 is related to
# three black stones (D17 one-space jump, A15 two-space jump, A14 large
# knight's move) and to White's B16 (knight's move): 2 * 33 div 3 = 22, and
# D14 beyond it 23.  The answer is 0: F16 gets 32.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
  X . . . . . . O . . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D14=25/23 D15=25/22 F16=25/32]

[side-both-weak-one-point-kept-four-own-and-an-opponent]
# As the row before with Black's E12, a large knight's move above D15 (and
# only a (1,4) shape from F16): D15 is related to four black stones, but
# also to White's B16, so it does not get bonus 0: still 22, D14 23, F16
# 32.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . O . . . . . . . . . . . . . . . . .
  X . . . . . . O . . . . . . . . . . .
  X . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . X . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D14=25/23 D15=25/22 F16=25/32]

[side-two-kept-own-neighbour-and-the-point-beyond]
# Black C17-D17 and J17, White's G14 a knight's move from F16 (w = 1 as in
# edge-gap-four-apart-knight-over-the-middle).  Side pattern with base 39:
# both line-5 points D15 and J15 are kept.  D17's neighbours are Black's C17
# and empty points, and its group has two stones: D15 gets the base, 39;
# D17 has a black neighbour, so D14, beyond D15 seen from D16, with eight
# empty points around it, gets 39 too.  J17 is a lone stone with empty
# neighbours: J15 = 39 + 1 = 40.  The answer is 0: F16 (eight empty points
# around) 38 + 10 = 48 for White's G14 on line 6; G16, graded from J17,
# 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X X . . . . X . . . . . . . . . .
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
call JobanEdgeGaps [D14=25/39 D15=25/39 F16=25/48 G16=25/38 J15=25/40]

[side-two-kept-opponent-neighbour]
# Black D17 and J17 with White's C17 next to D17 (in atari among Black's
# B17, C18 and D17), White's G14 a knight's move from F16 (w = 1).  Both
# line-5 points are kept (C17 is not among the eight points around D15).
# D17 has a white neighbour, so the line-4 point D16 gets 39 + 1 = 40
# instead of D15; J15 = 40 (a lone stone with empty neighbours).  The answer
# is 0: F16 48, G16 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . X O X . . . . X . . . . . . . . . .
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
call JobanEdgeGaps [D16=25/40 F16=25/48 G16=25/38 J15=25/40]

[side-two-kept-group-of-two-without-neighbour]
# Black B17 and D17, a one-space jump along line 3 (one group of two
# stones), and J17; White's G14 (w = 1).  Both line-5 points are kept.
# D17's neighbours are empty but its group has two stones: D15 = 39, not
# 40; D17 has no black neighbour, so nothing beyond D15.  J15 = 40.  F16 48,
# G16 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . X . . . . X . . . . . . . . . .
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
call JobanEdgeGaps [D15=25/39 F16=25/48 G16=25/38 J15=25/40]

[side-fourth-line-stone-line-5-point-over-the-other]
# Black D16 (line 4) and H17 (line 3), three apart: line of play 4,
# middle point F16, related to D16 (one-space jump) and H17 (knight's move).
# White's E14 is a knight's move from F16: w = 1, no weak stone.  Side
# pattern with base 22: no white stone within a one-space jump of F16.
# Exactly one stone stands on line 4; the other, H17, stands on line 3 and
# H15 above it is empty with eight empty points around it: H15 gets 22.
# Then H17: nothing of White's beside H16; H15 is kept alone.  H15 is
# related to four black stones, H17 (one-space jump), L15 and H12 (two-space
# jumps) and D16 (the (1,4) shape), and to White's E14 (large knight's
# move): 2 * 22 div 3 = 14 at H15, which keeps its 22, and 15 at H14, beyond
# H15 with eight empty points around it.  The answer is 0: F16 is related
# to fewer than 3 black stones: 17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . X . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F16=25/17 H14=25/15 H15=25/22]

[side-fourth-line-stone-line-5-point-crowded]
# Black D16 (line 4) and H17 (line 3), White's G14 a knight's move from
# F16 (w = 1).  G14 is among the eight points around H15, the line-5 point
# over the stone on line 3, so the side pattern answers 0 at once: nothing
# at H15 or H16.  F16 is related to two black stones: 17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [F16=25/17]

[side-three-apart-opponent-jump-from-middle]
# Black D17 and H17 three apart, White's F14 a one-space jump above F16
# (w = 1; the invasion weakens neither lone stone).  The side pattern
# answers 0 at once for the white stone within a one-space jump of F16:
# D15 and H15, otherwise both kept, get nothing.  F16 is related to a white
# stone: 17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F16=25/17]

[side-four-apart-opponent-jump-from-middle]
# As edge-gap-four-apart-knight-over-the-middle with White's F14 added, a
# one-space jump above F16: the side pattern (base 39) answers 0 at once, so
# D15 and J15 get nothing.  F16 is graded: 38 + 10 for White's G14 (a
# knight's move, on line 6) = 48 (F14 is a jump, not a knight's move); G16
# from J17: 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . O O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F16=25/48 G16=25/38]

[side-four-apart-opponent-beside-line-4-point]
# Black D17 and J17, White's G14 (w = 1) and White's C16 beside D16 on
# line 4.  Side pattern with base 39: D16 has exactly one white stone
# beside it on line 4: 40.  D15 is not kept (C16 is among its eight
# points) and is not Black's.  J15 is kept alone, related to one black stone
# (J17): the base, 39.  The answer is 0: F16 48, G16 38.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . X . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [D16=25/40 F16=25/48 G16=25/38 J15=25/39]

[side-three-apart-own-stone-above-ends]
# Black D17 and H17 three apart with Black's D15 above D17; White's K17
# crowds H17 and White's E13 stands a large knight's move from F16.  F16 is
# related to three black stones (D17, D15, H17), fewer than 4.  The invasion
# at F16 leaves H17 weak (w = 1): its two-space extensions along line 3 are
# closed (E17 has Black's D17 beside it, L17 White's K17 next to it), and
# its jump to H15, with no stone among the eight points around it, gets 23.
# Side pattern with base 22: no white stone within a one-space jump of F16;
# nothing of White's beside D16 or H16 on line 4; D15 is Black's: the
# answer is 1, which ends the routine, so F16 gets nothing (without that
# end it would get 17 for White's E13).  H15 is kept alone, related to H17
# and D15 (a three-space jump) only: 22, under the jump's 23.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [H15=25/23]

[side-both-weak-own-stone-above]
# Black D17 and H17 with Black's D15 above D17, White's C16 leaning on D17
# and White's H15 capping H17: the invasion at F16 leaves both weak (w = 2);
# White's H15 is a knight's move from F16, so the pattern runs with base
# 33.  D16 has one white stone (C16) beside it on line 4: 34.  D15 is
# Black's (the answer counts 1) and H15 White's; no line-5 point is kept.
# The answer 1 means F16 gets no 32.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D16=25/34]

[extension-seven-apart-one-side-suffers]
# Black D17 and M17 on line 3, seven apart (g = 7): line of play 3,
# middle point H17 (odd g: one), related to the two black stones by
# three-space jumps.  White's J15 is a knight's move from H17 (w = 1); with
# g >= 7 and neither stone on line 4, H17 gets g + 38 = 45.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . X . . . . . . .
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
call JobanEdgeGaps [H17=25/45]

[extension-seven-apart-fourth-line-stones-one-side-suffers]
# Black D16 and M16, both on line 4, seven apart: the line of play is 3
# (both stones on line 4), middle point H17; White's J15 a knight's move
# from it (w = 1).  Both stones on line 4 (not exactly one): the middle
# point itself gets g + 38 = 45.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . X . . . . . . .
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
call JobanEdgeGaps [H17=25/45]

[three-apart-one-weak-three-own-around-middle]
# Black D17 and H17 three apart, Black's F13 a two-space jump above F16,
# White's K17 crowding H17.  F16 is related to D17, H17 (knight's moves)
# and F13: three black stones, fewer than 4.  The invasion at F16 leaves
# H17 weak (w = 1): its two-space extensions are closed (E17 beside D17,
# L17 next to K17), its jump to H15 has no stone among the eight points
# around it: 23.  Side pattern with base 22: nothing within a one-space
# jump of F16, nothing beside D16 or H16 on line 4, D15 and H15 both kept.
# D17 and H17, a three-space jump apart on line 3, are one group of two
# stones with empty neighbours: D15 and H15 get the base, 22 (H15 keeps the
# jump's 23), and nothing beyond (no black neighbour).  The answer is 0;
# F16 is related to three black stones and to no white one within a large
# knight's move (K17 is a (1,4) shape away): nothing at F16.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . X . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [D15=25/22 H15=25/23]

[invasion-nine-apart-firm]
# White D17 and O17 on line 3, nine apart (g = 9): Black's trial at the
# middle point J17 leaves neither white stone weak, and no black stone is
# near J17 (w = 0): g >= 9, so J17 gets g + 36 = 45 (31 is for g = 7 and
# 8).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=25/45]

[invasion-six-apart-own-stone-near]
# White D17 and L17, six apart (g = 6): middle points G17 and H17.
# Black's H14 is a large knight's move from G17, so although Black's trial
# at G17 weakens neither white stone, w = 1.  No white stone was counted
# weak, so X is the line-3 point two from L17, J17.  g = 6: G17 and H17 get
# bonus 6, J17 bonus 21.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G17=25/6 H17=25/6 J17=25/21]

[invasion-seven-apart-own-stone-near]
# White D17 and M17, seven apart: middle point H17, with Black's H14 a
# two-space jump above it (w = 1, the trial weakening neither white stone):
# g >= 7, so H17 gets g + 33 = 40 (w = 0 would give 31).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . O . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [H17=25/40]

[approach-six-apart-opponent-stone-capped]
# White's G17 and Black's O17 on line 3, six apart (g = 6); Black's G15
# caps G17.  White's trial at M17, two from O17, leaves O17 on its own (not
# weak); Black's trial at J17, two from G17, leaves the capped G17 weak
# (death level 31 or more).  Only the opponent's side suffers: the line-3
# points at positions k+2 .. k+4 (J17, K17, L17, all within m-2) get 30.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=25/30 K17=25/30 L17=25/30]

[approach-six-apart-both-stones-capped]
# As the row before with White's O15 capping O17 too: White's trial at
# M17 leaves O17 weak and Black's trial at J17 leaves G17 weak.  Both
# suffer: every line-3 point from k+2 to m-3, J17, K17 and L17, gets 50.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=25/50 K17=25/50 L17=25/50]

[narrow-line-2-stone-under-line-3-stone]
# Black D17-E17 on line 3 with White's E18 under E17 on line 2, and White's
# H16 on line 4 three positions on.  At position 5 the stone on the lowest
# of lines 2, 3, 4 is White's E18, the colour of H16: the narrow stretch
# gives nothing (Black's E17 above it does not count), and D17-E17, one
# apart, nothing.  The table stays empty.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . O . . . . . . . . . . . . . .
  . . . X X . . . . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [none]

[extension-seven-apart-fourth-line-stone-one-side-suffers]
# Black D16 (line 4) and M17 (line 3), seven apart (g = 7): line of play
# 3, middle point H17; White's J15 is a knight's move from H17 (w = 1).
# Exactly one stone, S = D16, stands on line 4: instead of the middle, the
# line-3 point two positions from S toward the stretch, F17, gets
# g + 38 = 45.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . X . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/45]

[approach-five-apart-both-on-line-4]
# White's D16 and Black's K16, both on line 4, five apart (g = 5).
# White's trial at H17 (two from K16) leaves K16 firm and Black's trial at
# F17 (two from D16) leaves D16 firm: neither side suffers.  g <= 6 with
# the opponent's stone on line 4 and ours on line 4 too: g + 37 = 42 at the
# line-3 point two from D16, F17 (related to one white stone, fewer than
# 3).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/42]

[approach-five-apart-opponent-on-line-4-ours-on-line-3]
# As the row before with Black's stone on line 3, K17: neither side
# suffers, the opponent's stone alone is on line 4: F17 gets
# g + 27 = 32.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/32]

[pincer-three-apart-neither-weak]
# Black D17 and White's H17 three apart (g = 3).  White's trial at F17
# leaves D17 firm and Black's trial at F17 leaves H17 firm: neither side
# suffers; H17 is not on line 4; g = 3: F17 gets bonus 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/0]

[pincer-three-apart-own-stone-hemmed]
# Black D17 with White's C16 leaning on it and White's D15 capping it;
# White's H17 three positions on (g = 3).  White's trial at F17 leaves D17
# weak (death level 21 or more); Black's trial at F17 leaves H17 firm: only
# our side suffers.  g = 3: Black tries F17 itself, and D17-F17 is then far
# from dead (below 60): F17 gets 39.  The line-5 point above D17, D15, holds
# White's stone: nothing there.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/39]

[pincer-five-apart-our-group-of-three-their-pair]
# Black's C16-C17-D17 (a group of three stones) and White's K17-L17 (two
# stones), K17 five positions from D17 (g = 5).  White's trial at F17 leaves
# Black's group firm and Black's trial at H17 leaves White's pair firm:
# neither side suffers; K17 is not on line 4.  b' = 2g + 18 = 28: g < 7, so
# G17 (k+3) gets 28; White's group has exactly 2 stones and ours 3 or more,
# so H17 (m-2) gets 29.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . X X . . . . . O O . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G17=25/28 H17=25/29]

[edge-gap-large-knight-first-middle-row-stone-bottom]
# As edge-gap-weak-fourth-line-stone-large-knight-bottom (Black D3 and J4,
# White's H5, J6 and K6) with White's K5 added: K5 stands beside the first
# middle row (position K) between J4 and its large knight's move M3, on the
# side away from the edge, and closes that extension; J4's other one on line
# 3, F3, is next to the middle point F4.  No 41; J4 stays weak (w = 1) and
# one stone is on line 4: G3, two positions from J4 toward the stretch, gets
# 39.
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
  . . . . . . . O . O . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G3=25/39]

[approach-six-apart-fourth-line-opponent-capped]
# White's G16 on line 4 and Black's O17 on line 3, six apart (g = 6);
# Black's G14 caps G16.  White's trial at M17, two from O17, leaves O17
# firm; Black's trial at J17, the line-3 point two from G16, leaves the
# capped G16 weak (death level 31 or more).  Only the opponent's side
# suffers: J17, K17 and L17 (positions k+2 .. k+4, all within m-2) get
# 30.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . X . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=25/30 K17=25/30 L17=25/30]

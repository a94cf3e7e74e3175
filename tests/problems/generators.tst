# Engine generators: single routines on positions whose answers are worked
# out by hand from the generators' rules.
#
#   call SelectYomiKoho:VARIANT R C...  the replies the look-ahead takes at
#       one level: the area is the window marked around the root R (two
#       lines left of and above it, six right of and below it), and the
#       candidates C... get the variant's values and reasons in order:
#         big   root 40; 90, 85, 82, 81 (weak group)
#         near  root 20; 40, 30 (weak group), 20 (pair answer), 16
#               (capture), 14 (weak group)
#         low   root 40; 25 (weak group), 24 (capture), 22 (escape),
#               20 (capture), 12 (capture)
#       answers the points taken
#   call WeakGunNiken V            the two-space extensions of the group at
#       V: "point:reason" (the values are the evaluation's)
#   call PairAnswerRange:M V       the pending links answered inside the
#       area of the group at V, M = 1 for kinds 7 and below, 2 for 8 and
#       above: the pair entries marked answered, "kind/A/B"; a point off the
#       board (a link to the edge) is written "(x,y)" as the board model
#       keeps it, y counted from the top

[look-ahead-replies-near-and-far]
# Root D16 (bar: the root's 20 is above 15, so 15).  The area runs from B18
# to K10.  E15 (40) is next to the root: taken.  K10 (30) lies six lines
# off both ways (distance index 21 + 6): too far, and a weak-group reason is
# not a pair answer, nor a capture: left.  H16 (20) is four lines off
# (distance 10) but a pair answer while no more than two are taken: taken.
# C17 (16, above the bar) is diagonal to the root: taken, beyond the cap of
# two, since near replies have no cap.  D14 (14) is below the bar and no
# capture, and with three taken the scan stops.
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
call SelectYomiKoho:near D16 E15 K10 H16 C17 D14 [C17 E15 H16]

[look-ahead-replies-far-pair-answer-at-the-cap]
# Root D16 again: E15 (40) and E17 (30) are both diagonal to the root and
# taken, so two replies stand when H16 (20, a pair answer four lines off)
# comes: two is still within the cap of two, so it is taken too.  C17
# (16, capture, next to the root) is taken; D14 (14) ends the scan.
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
call SelectYomiKoho:near D16 E15 E17 H16 C17 D14 [C17 E15 E17 H16]

[look-ahead-replies-near-on-9x9]
# Root C7 on 9 x 9 (cap three; the area covers the whole board): D6 (40,
# diagonal) is taken; J1 (30) is far and of the weak-group reason: left;
# G7 (20, pair answer, four lines off) is taken with one reply standing;
# B8 (16, capture, diagonal) is taken; C5 (14) is below the bar, and with
# three taken the scan stops.
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
call SelectYomiKoho:near C7 D6 J1 G7 B8 C5 [B8 D6 G7]

[look-ahead-replies-big-ones-on-9x9]
# On 9 x 9 the cap is three: of four replies of 81 or more the first three
# are taken, the fourth is left and, being no capture, ends the scan.
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
call SelectYomiKoho:big C7 D6 E5 F4 G3 [D6 E5 F4]

[look-ahead-replies-big-ones-on-19x19]
# On 19 x 19 the cap is two.  The 90 at T1 lies outside the area of the
# root D16 and is skipped; 85 at E16 and 82 at K10 (the far corner of the
# area) are taken; 81 at F15 is left.
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
call SelectYomiKoho:big D16 T1 E16 K10 F15 [E16 K10]

[look-ahead-replies-below-a-big-root]
# A root of 40 raises the bar to 25: every candidate is at or below it, so
# only captures and escapes are taken, up to the cap of two on 19 x 19:
# the 25 at E15 (weak group) is left, F14 (24, capture) and G13 (22,
# escape) are taken, and the scan stops.
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
call SelectYomiKoho:low D16 E15 F14 G13 H12 J11 [F14 G13]

[look-ahead-replies-below-a-big-root-on-9x9]
# The same on 9 x 9 with the cap of three: E5, F4 and G3 (20, capture);
# H2 (12) would end the scan anyway.
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
call SelectYomiKoho:low C7 D6 E5 F4 G3 H2 [E5 F4 G3]

[two-space-extensions-of-own-stone]
# Black's lone stone C7 on the 3-3 point has two two-space extensions on
# line 3: F7 and C4, each with four empty neighbours and nothing of White's
# beside the two gap points (White's G5 stands off both strips).  For
# Black's own group both are proposed at the extension point itself.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [C4:13 F7:13]

[two-space-extensions-blocked-beside-the-gap]
# White's E6 stands beside the gap point E7 of the extension to F7: only C4
# is left.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [C4:13]

[two-space-extensions-of-the-opponent]
# White to play against Black's C7: the extension points have eight empty
# points around them.  White's G5 is a (2,2) diagonal from E7, the gap point
# next to F7, so against that extension White's move is E7; the gap point
# next to C4 (C5) sees no white stone, so there the move is C4 itself.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [C4:13 E7:13]

[pair-range-diagonal-link-in-the-area]
# Black's diagonal F14-G13 with White's G14 on one crossing point and the
# other (F13) open to White: a cuttable link of kind 2, found first from
# F14 (the upper stone), so the entry holds G13 and F14.  Both lie in the
# group's area: the first range (kinds up to 7) answers it.  The same link
# of Black's N7-O6 far away is not in this group's area.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . X O . . . . .
  . . . . . . . . . . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call PairAnswerRange:1 F14 [2/G13/F14]
call PairAnswerRange:2 F14 [none]

[pair-range-the-other-group]
# The same position from Black's other group: its own link only.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . X O . . . . .
  . . . . . . . . . . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call PairAnswerRange:1 N7 [2/O6/N7]

[pair-range-three-space-jump]
# Black's three-space jump F14-K14 (kind 10) with White's J15 beside its
# third gap point J14: one side of the jump is touched, so the link is
# graded 3, cuttable.  The second range answers it (K14 is related to F14,
# so it lies in F14's area); the first does not.  (A bare three-space jump
# with no white stone near is firm, grade 1, and makes no pair at all.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . X . . . X . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call PairAnswerRange:2 F14 [10/K14/F14]
call PairAnswerRange:1 F14 [none]

# --- Life and death: the urgent eye pass -----------------------------------
#   call SikatuUrgentMe V    the urgent eye pass on the group at V: each
#       candidate as "point=K+d:reason", its value counted from the group's
#       value K (its Kati)

[urgent-eye-bulky-five]
# Black's bulky five A9-B9-C9-A8-B8 in the corner.  Of its points on lines 1
# or 2 from both edges only B9 has three empty neighbours (A9, C9, B8); A9,
# A8 and B8 have two.  Black at B9 splits the space into two eyes (A8-A9 and
# C9): candidate B9 with the group's value less 4.
black to play
  . . . X O . . . .
  . . X X O . . . .
  X X X O O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe D9 [B9=K-4:9]

[urgent-eye-bulky-five-mirrored]
# The same shape in the top right corner: H9 is the inner point with three
# empty neighbours (G9, J9, H8); White to play finds the same point.
white to play
  . . . . O X . . .
  . . . . O X X . .
  . . . . O O X X X
  . . . . . O O O O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe F9 [H9=K-4:9]

[urgent-eye-rectangular-six]
# Black's rectangular six A9-C9, A8-C8: B9 (A9, C9, B8) and B8 (B9, A8, C8)
# each have three empty neighbours and lie on lines 1 or 2 from both edges;
# either move keeps two eyes.  Both are candidates at the group's value
# less 4.
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
call SikatuUrgentMe D9 [B8=K-4:9 B9=K-4:9]

# --- The endgame -----------------------------------------------------------
#   call YoseValue V        the value of the boundary point V between both
#       colours, read afresh (the cache emptied): "point=value/bonus"

[endgame-dame-between-walls]
# Black's wall on the D line and White's on the F line, both alive.  E9 is
# a neutral point: neither colour gains by playing it, there is no
# follow-up, no two-liberty chain beside it, and both its diagonal
# neighbours are stones: value 0, bonus 0.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X O O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
call YoseValue E9 [E9=0/0]

[endgame-big-gap]
# D5 is the one gap in Black's wall: White there breaks into the whole left
# side, Black there seals it, so the point is worth far more than 25 between
# both colours and is stored as value 0 with bonus 9.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . . O O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X X O . .
  . . . . O O . O .
call YoseValue D5 [D5=0/9]

#   call YoseValue:gote V   the same against the readings: "V=r/b", where
#       r = A + B, A = the side to move's evaluation after its move at V,
#       B = the other side's after its move at V, and b = 0 (value and
#       bonus each as "r", "r+2", "b-1" against the formula)

[endgame-gote-gap-at-the-edge]
# Black's wall on the D line reaches the edge, White's on the F line stops
# at F2.  F1 is a boundary point: both walls are alive, it is no atari point
# of either colour, and neither move there leaves a chain of the other
# colour in atari or in a ladder, so neither is sente: the value is gote,
# Black's gain at F1 plus White's gain at F1, with bonus 0.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . . . . .
call YoseValue:gote F1 [F1=r/b]

#   call YoseAtariValue V   the value of the atari point V read afresh:
#       "point=value/bonus", "none" when the reading stores nothing

[endgame-atari-point-escape-ladders]
# White's E1 on the first line under Black's wall C2-F2 has two liberties,
# D1 and F1: both are atari points.  Black's move at F1 joins the wall (no
# danger to it).  White's move there makes the two-stone chain E1-F1 with
# two liberties, D1 and G1, and Black's atari at G1 leaves White's D1 with
# one liberty (C1): the ladder catches it, so the point is stored as value
# 0, bonus 0, whatever Black's move is worth.  D1 likewise (White's C1 then
# G1 runs into the same end).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X . . .
  . . . . O . . . .
call YoseAtariValue F1 [F1=0/0]
call YoseAtariValue D1 [D1=0/0]

[endgame-atari-point-own-ladder]
# The same position with White to play: White's own move at F1 (or D1)
# makes the two-liberty chain that the ladder catches, so the reading ends
# at once and stores nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X . . .
  . . . . O . . . .
call YoseAtariValue F1 [none]
call YoseAtariValue D1 [none]

[pair-range-links-to-the-edge]
# Black's E2 and White's D2 side by side on line 2.  Each stone's jump to
# the edge (to the point off the board below line 1) has an enemy stone
# beside the stone itself, so both links are graded 2, cuttable: two pairs
# of kind 3 whose first point is off the board.  White's D2 is related to
# E2, so both stones lie in the area of Black's group and both links are
# answered in the first range, White's too; the second range has nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call PairAnswerRange:1 E2 [3/(4,10)/D2 3/(5,10)/E2]
call PairAnswerRange:2 E2 [none]

[pair-range-links-to-the-edge-firm]
# White's stone one point further away (C2): no enemy stone beside either
# stone or beside the points under them, so both edge links are firm (grade
# 1) and make no pair.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
call PairAnswerRange:1 E2 [none]

# --- Life and death: the other pattern passes --------------------------------
#   call PASS V    one pattern pass on the group at V, called directly (the
#       gates of its callers, eye value and breathing points, are not
#       applied): each candidate as "point=K+d:reason", its value counted
#       from the group's value K
#   call SikatuUrgentMe:at V P...    the urgent eye pass, its candidates at
#       P... alone ("P=none" when there is none): the relation answers it
#       runs first leave their own candidates in the table

[wide-extension-large-knight-under-a-wall]
# Black's A3-B3-C3 on line 3 under White's wall A4-D4.  The two-space
# extension F3 is out (White's D4 stands beside the first gap point); of the
# large knight's moves from C3, F4 is out (D4 is one of the first two points
# between) and F2 stands: line 2, D3 and D2 empty, all eight points around
# F2 empty.  No listed point is on line 3, so F2 is tried: Black there holds
# the space A1-E2 under the stones, two eyes, so F2 is proposed at the
# group's value plus one, under the settling reason 32.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O . . . . .
  X X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SettleWideHiraki A3 [F2=K+1:32]

[wide-extension-blocked-in-between]
# White's D2 on the first point between C3 and F2 takes the large knight's
# move away; with no wide point left, the jumps along line 3 are listed
# instead, but E3 (the one-space jump) has White's D2 among its eight
# neighbours: nothing is tried.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O . . . . .
  X X X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call SettleWideHiraki A3 [none]

[kill-border-point-for-the-opponent]
# White's top edge group A8-B8, D8-E8-E9 around the space A9-D9, its mouth
# at C8 beside Black's C7.  C9 is a border point of the region with three
# empty neighbours (B9, D9, C8), and C8 has one empty neighbour (C9) and
# one black neighbour (C7).  Black's C9 answered by White's C8 leaves White
# the two-point eye A9-B9 and the single point D9 beside Black's stone:
# short of two eyes.  The group is the opponent's, so the candidate is
# Black's own move C9, at the group's value.
black to play
  . . . . O X . . .
  O O . O O X . . .
  X X X X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint A8 [C9=K:9]

[kill-border-point-for-the-own-group]
# The same with White to play: the group is the engine's own, so the
# candidate is the defending move C8.
white to play
  . . . . O X . . .
  O O . O O X . . .
  X X X X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint A8 [C8=K:9]

[kill-border-point-mouth-open-below]
# The shape of the two rows above with Black's stone one line lower, at
# C6: the mouth C8 now has two empty neighbours (C9 and C7) and no black
# neighbour, and the other neighbours of C9 (B9, D9) touch no black stone:
# no pair of points fits, nothing is read.
black to play
  . . . . O X . . .
  O O . O O X . . .
  X X . X X X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint A8 [none]

#   call KillNiDameRen:read V L R   the two-liberty chain pass on the group
#       at V, against the reading "the attacker at L, the defender at R":
#       the candidate at L as "L=r:9" when its value is the attacker's
#       evaluation after those two moves, the others by their points alone

[kill-two-liberty-chain-read]
# Black's C5-D5 has two liberties, C4 and D4, under White's B5, C6, D6 and
# E5; Black's B3 and F3 stand where either ladder runs, so no ladder catches
# it.  White's atari at D4 is no self-atari; Black answers at the other
# liberty, C4, and the group, without an eye in the open, stays below eye
# value 4: the candidate D4 is worth White's evaluation after D4 and C4.
# (The atari at C4 answered at D4 reads the same way and may stand as a
# second candidate; the row pins D4's value only.)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . O X X O . . . .
  . . . . . . . . .
  . X . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call KillNiDameRen:read C5 D4 C4 [D4=r:9|C4 D4=r:9]

[eye-shape-false-point-beside-a-lone-stone]
# White's top edge group: the eyes A9 and C9 (one point each, eye value 2;
# A9 in the corner has three diagonal points off the board) and the space
# E9-F9 beside Black's D8, worth a half eye: eye value 5.  Black's E9 takes
# White's lone D9 into atari, its last liberty being the eye C9, so C9 turns
# false and F9 is no eye beside Black's stone: the group is dead.  Black's
# F9 instead leaves D9 two liberties and is itself captured at E9: the group
# lives.  E9 alone is proposed, at the group's value.
black to play
  . O . O . . O X .
  O O O X O O O X .
  X X X X X X X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuMeShape B9 [E9=K:9]

[lone-stone-in-atari-own-group]
# Black's A3-D3-D2 with the lone stone A1, which White's B1 holds in atari:
# eye value 3.  A1's liberty A2 has one empty neighbour, B2, and no white
# neighbour; White at B2 would not be in atari (B1-B2 keeps A2, C2, C1).
# Black's B2 leaves White's B1 in atari inside, and (with B1 taken at C1
# when needed) Black has A2 and the point of B1-C1: two eyes.  The group is
# the engine's own, so the candidate is B2, at the group's value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . . X O . . . .
  X O . . O . . . .
call SettleAtariIsi A3 [B2=K:9]

[lone-stone-in-atari-opponents-group]
# The same with White to play: against the opponent's group the candidate
# is the liberty A2 itself (taking A1 and the eye with it).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . . X O . . . .
  X O . . O . . . .
call SettleAtariIsi A3 [A2=K:9]

[urgent-eye-border-neighbour]
# Black's A8-B8-C8-C7-C6 holds the eye A9-B9 and the half eye A7-B7.  The
# border point B7 has the empty neighbour B6: area value 0, no white
# neighbour, and then exactly three empty neighbours (A6, B5, B7) and no
# edge.  Black's B6 encloses A7-B7-A6, a second eye: eye value 4, so B6 is
# worth the group's value (not marked in Black's atari map: nothing added).
# A6 and C9 are no candidates of the pass: A6 lies on the edge with no white
# neighbour, and Black's C9 beside White's D9 adds no eye.  The relation
# answers run first: Black's C8 has a cuttable link to the top edge (White's
# D9 beside it), a pending pair in the group's area, answered under reason
# 5, and the pass adds under the reason it left.
black to play
  . . . O . . . . .
  X X X O . . . . .
  . . X O . . . . .
  . . X O . . . . .
  . . . . O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe:at A8 B6 A6 [A6=none B6=K:5]

#   call YoseAtariValue:sente V F   the atari point V whose atari by the
#       side to move (J) forces the other side (O) to connect at F, while
#       O's move at V forces nothing: A = J's evaluation after J at V and O
#       at F, B = O's after O at V, C = J's after J at V and J again at F
#       (the follow-up).  r = 2 (A + B), or C halved when 2r exceeds C;
#       b = C
#   call YoseAtariValue:reverse V G   only O's atari at V forces (J answers
#       at G): A = J's evaluation after J at V, B = O's after O at V and J
#       at G; r = A + B, b = 0

[endgame-atari-point-sente]
# White's E5 pokes between the walls with two liberties, E4 and F5 (Black's
# E6 above it).  Black's E4 joins the D line and leaves E5 in atari: White
# must connect at F5, so Black's move is sente and is worth twice the two
# gains, A (after White's F5) + B (White's E4, which joins F4 and ataris
# nothing), unless that doubled exceeds the follow-up C (Black capturing at
# F5 too); the follow-up travels as the bonus.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O . . .
  . . . X O . . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
call YoseAtariValue:sente E4 F5 [E4=r/b]

[endgame-atari-point-reverse-sente]
# The same with White to play: White's E4 joins F4 and threatens nothing,
# Black's E4 is the forcing atari that White answers at F5.  White's move
# there is reverse sente: its value is White's gain at E4 plus Black's gain
# after E4 and White's answer at F5, not doubled, bonus 0.
white to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O . . .
  . . . X O . . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
call YoseAtariValue:reverse E4 F5 [E4=r/b]

# --- The look-ahead's forced continuation ------------------------------------
#   call YomiContinue:VARIANT   the continuation after the root colour's last
#       answer (the side to move is the root colour's opponent; the whole
#       board is the area): "N M", N the moves played and M the first of
#       them.  deepD: at most D moves, root value 20 (bar: move k goes on
#       while the best candidate is worth k + 12 or more)

[continuation-stops-before-the-opponents-last-move]
# White's C6-D6-E6 is in atari (its liberty E5); White's E5 saves it and
# puts Black's C5-D5 in atari: a chain tactic worth far above the bar.  With
# a continuation of one move that one move would be White's, the root
# colour's opponent's, at the last step: the line stops before it.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . X O O O X . . .
  . . X X . O . . .
  . . O O X X O . .
  . . . X O O X . .
  . . . . X X . . .
  . . . . . . . . .
call YomiContinue:deep1 [0]

[continuation-two-forcing-moves]
# With two moves White's E5 (first, bar 13) and Black's reply (second, bar
# 14: Black has its own two stones in atari to deal with, a move above 14)
# are played.  With three, the third would again be White's at the last
# step: still two.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . X O O O X . . .
  . . X X . O . . .
  . . O O X X O . .
  . . . X O O X . .
  . . . . X X . . .
  . . . . . . . . .
call YomiContinue:deep2 [2 E5]
call YomiContinue:deep3 [2 E5]

# --- Weak groups: the relation moves and the escape jump ----------------------
#   call WeakGunKankeiMoves:jump V P   the relation moves of the group at V,
#       against the reading of the jump P: r = (A + B) * 13 / 10 (toward
#       zero), A = Black's evaluation after Black at P, B = White's after
#       White at P; the candidate at P as "P=r:13", others by their points
#   call WeakGunKankeiMoves:edge V P   the same against the edge reading of
#       a one-space jump to an enemy stone: r = A + B, a sum from 24 to 49
#       kept as 23

[weak-group-records-the-edge-point-of-a-jump]
# Black's C3 and White's E3 on line 3, a one-space jump apart (gap D3).
# Toward the lower edge the point two lines out beside the gap, D1, is on
# line 1, so the edge reading runs on D2 (one line out beside the gap; only
# C3 and E3 stand around it): Black's gain at D2 plus White's gain at D2,
# both not negative, kept as 23 when from 24 to 49 (in pair mode no second
# move is added to Black's reading).  The entry holds D2 for both colours.
# Toward the upper side the point two lines out, D5, has White's E6 beside
# it: that side is skipped.  Black's D2 leaves the group not weak, so the
# entry's move for the side to move is proposed with the entry's value.
# (C3's relation to E6 records C6 as well: not read here.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:edge C3 D2 [C6 D2=r:13]

[weak-group-records-the-edge-point-of-a-jump-white-to-play]
# The same with White to play: the entry's move for White is D2 as well.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunKankeiMoves:edge C3 D2 [C6 D2=r:13]

[weak-group-jump-toward-a-living-group]
# Black's lone D7 under White's C8-D8-E8, C7 and E7 keeps one liberty, D6,
# and can run out there (no ladder holds it).  The relation patterns of the
# stone record no move for it, so nothing settles the group and the escape
# jump is looked for: of D7's one-space jumps only D5 is open (C7, E7 and
# D8 are White's), all eight points around D5 are empty, and D5 is a
# one-space jump from D3 of Black's living group on the lower side (eyes at
# A1-A2, C1-D2 and F1-F2).  D5 is added with the in-and-out value of the
# point, (Black's gain at D5 + White's gain at D5) * 13 / 10.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . O X O . . . .
  . . . . . . . . .
  O O . . . O O . .
  . . . . . . . . .
  X X X X X X X . .
  . X . . X . X . .
  . X . . X . X . .
call WeakGunKankeiMoves:jump D7 D5 [D5=r:13]

[weak-group-jump-toward-a-living-group-for-the-opponent]
# The same with White to play: the escape jump is added at the same point
# and value whichever side is to move.
white to play
  . . . . . . . . .
  . . O O O . . . .
  . . O X O . . . .
  . . . . . . . . .
  O O . . . O O . .
  . . . . . . . . .
  X X X X X X X . .
  . X . . X . X . .
  . X . . X . X . .
call WeakGunKankeiMoves:jump D7 D5 [D5=r:13]

[weak-group-jump-with-a-stone-beside-it]
# White's C4 is one of the eight points around D5: the jump is not open,
# and with no recorded relation move either, nothing is added.
black to play
  . . . . . . . . .
  . . O O O . . . .
  . . O X O . . . .
  . . . . . . . . .
  O O . . . O O . .
  . . O . . . . . .
  X X X X X X X . .
  . X . . X . X . .
  . X . . X . X . .
call WeakGunKankeiMoves:jump D7 D5 [none]

# --- Life and death: the urgent eye-stealing pass ---------------------------
#   call SikatuUrgentSteal V    the eye-stealing pass on the group at V: for
#       each point R of a region worth half an eye, each empty neighbour E of
#       R that is a peep point of the attacker is tried (the attacker plays E,
#       then R); when the group is then dead, E is proposed at the group's
#       value K under reason 33

[urgent-steal-peep-at-the-first-line-gap]
# White's 13 stones on the first two lines under Black's wall: the eye C1
# (one point, all neighbours White; Black at C1 would be suicide, the chain
# round it keeps E1 and E2) is worth a whole eye, the gaps E1 and H1 of the
# first-line jumps D1-F1 and G1-J1 are one-point regions on the border of
# White's area worth half an eye each (their only empty neighbour, E2 and H2,
# touches White stones): eye value 2 + 1 + 1 = 4.  Black's peeps: beside the
# gap E1 of D1-F1 the point E2 (the other side is off the board), beside the
# gap E2 of D2-F2 the point E1 (E3 is Black's); the same at H2 and H1.
# R = E1, E = E2: Black E2 and E1 cut the seven stones A1-D2 off with the
# single eye C1 (and F1-J2 with the half eye H1): dead, so E2 is proposed.
# R = H1, E = H2: Black H2 and H1 capture J1-J2, but the rest keeps C1 and E1
# (eye value 3, never killed): nothing.  K = 4 x 13 + 2 x 5 (liberties E2,
# H2, C1, E1, H1) = 62.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  O O O O . O O . O
  O O . O . O O . O
call SikatuUrgentSteal A2 [E2=K:33]

[urgent-steal-peep-at-the-first-line-gap-moved-left]
# The same shape with the eye at B1 and the gaps at D1 (of C1-E1) and G1 (of
# F1-H1), the group seen from its right end J2.  Black D2 and D1 cut A1-C2
# off with the single eye B1 (and E1-J2 with the half eye G1): dead, D2 is
# proposed.  Black G2 and G1 capture H1-J2, the rest keeps B1 and D1 (eye
# value 3): nothing.  K = 4 x 13 + 2 x 5 (D2, G2, B1, D1, G1) = 62.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  O O O . O O . O O
  O . O . O O . O O
call SikatuUrgentSteal J2 [D2=K:33]

[urgent-steal-two-eyes-on-the-left]
# A1 left empty: the left part has two eyes (A1 and C1), so after Black E2
# and E1 it still lives, and H2-H1 captures only J1-J2: nothing is proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X X
  O O O O . O O . O
  . O . O . O O . O
call SikatuUrgentSteal B2 [none]

# --- Life and death: the jump and peep --------------------------------------
#   call SettleIkkenNozoki V    the settling jump that peeps, on the group
#       at V (the group's candidates as "point=K+d:reason")

[settle-jump-that-peeps-at-a-one-space-jump]
# White's G1-G2-G3-H3-J3 has the square H1-J2 (one eye).  Black's one-space
# jump D4-D2 has its gap D3 open with C3 and E3 empty beside it: E3 is
# White's peep at D3.  E3 is White's one-space jump from G3 (the strip F2,
# F3, F4 empty) with four empty neighbours.  White E3 and the cut at D3 take
# the whole lower left as eye space (eye value 4 or more); when Black
# connects at D3 instead, White E2 (of the empty points beside E3 the one
# that does: F3 and E4 leave the space open) closes the area
# E1-F2 next to the square: two eyes.  So E3 is proposed at the group's
# value K (4 x 5 stones + 2 x 15 related points = 50) under reason 9; the
# group is not Black's own, so no answers are prepared.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . . . . . O O O
  . . . X . . O . .
  . . . . . . O . .
call SettleIkkenNozoki G3 [E3=K:9]

[settle-jump-that-peeps-blocked-beside-the-gap]
# Black C3 beside the gap D3: the jump D4-D2 has a Black stone on one side
# of its gap, so E3 is no peep point and the pass proposes nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . X . . . O O O
  . . . X . . O . .
  . . . . . . O . .
call SettleIkkenNozoki G3 [none]

[settle-jump-that-peeps-strip-occupied]
# Black F4 stands on the strip beside the jump G3-E3: the jump is not open,
# nothing is proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . X . . .
  . . . . . . O O O
  . . . X . . O . .
  . . . . . . O . .
call SettleIkkenNozoki G3 [none]

# --- Life and death: the liberty in the atari map ----------------------------
#   call SettleAtariDame V    the settling liberty that puts an attacker
#       chain beside it in atari, on the group at V

[settle-liberty-ataris-the-intruder]
# White's A3-D3-D2-D1 encloses the corner A1-C2 with Black's C2 inside (two
# liberties, B2 and C1).  C1 is a liberty of White's D1, no self-atari
# (White's chain keeps B1 and more), and White there puts C2 in atari: it is
# marked in White's atari map.  White C1 and the capture at B2 leave White
# the whole corner (eye value 4 or more); Black instead runs out at B2, the
# chain B2-C2 has exactly two liberties, A2 and B1, and White's eye value
# falls below 4 (a single eye space round Black's two stones).  White A2
# then ataris B2-C2 again with a chain of more than one liberty (A1, B1) and
# the eye value is back to 3: C1 is proposed at the group's value K = 4 x 6
# stones + 2 x 5 related points (A2, B2, A1, B1, C1) = 34, reason 9.  The
# group's own eye value here is 4 (the pass is called without its callers'
# gates).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  . . X O X . . . .
  . . . O X . . . .
call SettleAtariDame D3 [C1=K:9]

[settle-liberty-no-atari-on-three-liberties]
# Black B2 beside C2: the chain B2-C2 has three liberties (A2, B1, C1), so
# White's C1 is no atari, it is not in White's atari map: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  . X X O X . . . .
  . . . O X . . . .
call SettleAtariDame D3 [none]

# --- Life and death: the diagonal with answers ------------------------------
#   call SettleNanameAnswer V    the settling diagonal point that ataris an
#       attacker chain, on the group at V

[settle-diagonal-ataris-the-intruder]
# White's A2-A3-D3-D2 round Black's C2 (liberties B2 and C1), eye value 3.
# C1 is diagonal to White's D2 and touches no White stone (a relation of
# kind 2), White there keeps B1 and D1 and puts C2 in atari (White's atari
# map).  White C1 and the capture at B2 give two eyes (4); Black connects at
# B2 instead (B2-C2 is left with B1 alone) and White is back to 3.  Of C1's
# empty neighbours other than B2, B1 has one empty neighbour (A1) and one
# White neighbour (C1): White B1 captures B2-C2, two eyes; D1 has no empty
# neighbour and is not tried.  C1 is proposed at K = 4 x 6 stones + 2 x 5
# related points (B2, A1, B1, C1, D1) = 34, reason 9 (the group is not
# Black's own: no prepared answers).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  O . X O X . . . .
  . . . . X . . . .
call SettleNanameAnswer D3 [C1=K:9]

[settle-diagonal-the-connection-keeps-two-liberties]
# A2 empty: when Black connects at B2 the chain B2-C2 keeps A2 and B1, and
# White's B1 neither captures nor makes a second eye: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  . . X O X . . . .
  . . . . X . . . .
call SettleNanameAnswer D3 [none]

# --- Life and death: the ladder in the region -------------------------------
#   call SettleSichoInJi V    the settling ladder on an attacker stone inside
#       the group's region, on the group at V

[settle-ladder-on-the-corner-intruder]
# White's A3-E3-E2-E1 encloses A1-D2 with Black's A1 and C1 inside.  A1
# (liberties A2 and B1) is caught by a ladder whose first move is White's
# atari at B1 (the ladder check below); White's stone at B1, between A1 and
# C1, has B2 as its only liberty: a self-atari, as the pass wants.  The
# ladder goes on with Black B2 (taking B1) and White A2; after these three
# moves White's group at A2 has two eyes, so B1, the ladder's first move, is
# proposed at K = 4 x 7 stones + 2 x 6 related points (A2, B2, C2, D2, B1,
# D1) = 40, reason 9.  C1 (three liberties) is no ladder.  The group's own
# eye value is 6 here (the pass is called without its callers' gates).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X . . .
  O O O O O X . . .
  . . . . O X . . .
  X . X . O X . . .
ladder A1 [1 B1]
call SettleSichoInJi D3 [B1=K:9]

[settle-ladder-first-move-not-a-self-atari]
# Without Black's C1 the ladder on A1 starts with White's A2, which joins
# White's wall (no self-atari): the pass proposes nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X . . .
  O O O O O X . . .
  . . . . O X . . .
  X . . . O X . . .
ladder A1 [1 A2]
call SettleSichoInJi D3 [none]

# --- Life and death: the extension beside a stone of another group ----------
#   call SettleHiraki V    the settling extension (reason 32) on the group
#       at V

[settle-extension-to-a-cut-off-stone]
# White's corner A3-C3-C2-C1 holds only the square A1-B2 (one eye).  White's
# E3 is a group of its own: Black's D3 and D4 stand between it and C3.  E2
# is related to the corner by the knight's move from C1 (kind 4; the jump
# from C2 is stopped by Black's D3 beside its gap D2), has three empty
# neighbours (D2, F2, E1) and one White stone beside it (E3), is related to
# White's C1 and E3 (two near relations) and to a single Black stone, D3 (D4's
# knight's move is stopped by E3).  White E2 joins the corner to E3 and the
# open side: two eyes, so E2 is proposed at K = 4 x 5 stones + 2 x 8
# related points (A2, B2, D2, E2, A1, B1, D1, E1) = 36 under reason 32.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X O . . . .
  . . O . . . . . .
  . . O . . . . . .
call SettleHiraki C2 [E2=K:32]

[settle-extension-no-stone-beside-it]
# Without White's E3 no point of the corner's relations has a White stone
# beside it: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X . . . . .
  . . O . . . . . .
  . . O . . . . . .
call SettleHiraki C2 [none]

[settle-extension-two-attacker-relations]
# Black's F1 is diagonal to E2: with D3 that makes two near relations to
# Black at E2, and the extension is not tried.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X O . . . .
  . . O . . . . . .
  . . O . . X . . .
call SettleHiraki C2 [none]

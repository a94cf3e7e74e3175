# The opening's edge scan: invasions between two opponent stones and
# approaches from an own stone toward an opponent's, at the exact values
# their rules give.  Every answer is worked out by hand from the rules of
# the opening; what the evaluation decides (the death level of a group
# after a trial stone) is stated by a premise row on the position with the
# trial stone added.  Points are written as GTP vertices.
#
#   call JobanEdgeGaps                the edge scan alone: every candidate as
#                                     "point=value/bonus", "none" when none
#   call JobanKoho:press T S H A P... the opening's candidates at P... against
#                                     the 3-3 press reading r (T's colour at
#                                     S, the other colour at H, T's colour at
#                                     A, evaluated for T's colour):
#                                     "P=r/bonus", "P=cap24/bonus" or
#                                     "P=cap26/bonus" for a value held below r,
#                                     "P=none"
#   call JobanEdgeGaps:narrow-sum S X T Y   (as in opening-pin.tst) the
#                                     candidates read against v = a + b, a
#                                     S's colour playing X alone, b T's colour
#                                     playing Y alone: "P=sum" for (v, 0) up
#                                     to 25 or (25, min(v - 25, 48)) above
#   call JobanEdgeGaps:at P...        (as in opening-pin6.tst) the edge scan
#                                     alone, read at P...: "P=value/bonus",
#                                     "P=none"
#   call JobanKoho:at:moves30 P...     stage 2 of the opening after 30 moves:
#                                     the candidates at P... as
#                                     "P=value/bonus", "P=none"
#   call HaneMore:value A M           the evaluation for the colour opposite
#                                     A's after that colour's move at M
#   call Readings:sum A P B Q         the evaluation of A's colour after
#                                     its move at P plus that of B's colour
#                                     after its move at Q
#   call JobanHirakiFromStone P Q     (OpeningPin11Routines.cpp) the
#                                     extension point on line 3 the opening
#                                     finds from the stone P, far from Q;
#                                     "none" without one
#   call GunDeathLevel V              the death level of the group at V:
#                                     "level=L", "weak" when weak, its
#                                     breathing points, sorted

[pb-invasion-five-apart-both-on-line-4-d16-firm-premise]
# Premise of the row below: Black's trial stone at G17 (the middle point on
# line 3) added; White's D16 does not become weak (level 0).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . O . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
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
call GunDeathLevel D16 [level=0 B15 C14 C17 C18 D14 D18 E14 E15 E17 E18 F15 F16]

[pb-invasion-five-apart-both-on-line-4-k16-firm-premise]
# Premise: with the same trial stone White's K16 is weak but at level 0,
# not above 20: it does not count as a suffering side.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . O . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
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
call GunDeathLevel K16 [level=0 weak H15 H16 J14 J15 J17 J18 K14 K18 L14 L17 L18 M15 M16 M17]

[pb-invasion-five-apart-both-on-line-4-trial-lives-premise]
# Premise: the trial stone G17 itself stands at level 0, not close to death.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . O . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
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
call GunDeathLevel G17 [level=0 E12 E13 E14 E17 E18 F11 F14 F15 F16 F18 G15 H14 H15 H16 H18 J12 J13 J14 J17 J18]

[pb-invasion-five-apart-both-on-line-4]
# White's D16 and K16 both on line 4, five apart along the top (g = 5, the
# middle G17 on line 3).  Black's trial at G17 is not close to death and
# weakens neither white stone (premises above); Black's G13 is a three-space
# jump below G17, beyond the near relations: w = 0.  v = g + 5 + 2 + 2 (both
# stones on line 4) = 14: G17 gets value 14 (g odd: no second middle point).
# g = 5 with both stones on line 4: F17 = L3(k+2) gets bonus 19, and H17 =
# L3(m-2) likewise 19 (18 would be for a stone alone on line 4).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/19 G17=14/0 H17=25/19]

[pb-approach-eleven-apart-odd-one-middle-point]
# Black's D17 (line 3) and White's Q17 (line 3), eleven empty positions
# apart along the top (g = 11, h = 6).  From ten on the approach takes the
# middle at once: L3(k+h) = K17, on the 10th column, gets bonus 50.  g is
# odd: there is no second middle point, L17 gets nothing.  On the left and
# right edges each stone stands alone.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . O . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [K17=25/50]

[pb-three-three-press-hane-white-stone-further-out-on-line-2]
# Black's star point D16 over the empty 3-3 point C17 (its other seven
# surrounding points empty); White's E17 and Black's F17 stand in a row
# beyond D17 along line 3, and White's H18 stands further out on line 2.
# F17 keeps three liberties (F16, F18, G17).  The strip from C17 to F17 is
# turned so that its line-2 side is row 18: C18, D18, E18, F18 and E16 (line
# 4, two steps from C17) are empty.  A1 = B17 (one step beyond C17 from D17),
# A2 = B16 (beyond C16 from D16), A3 = B15 (beyond B16 from B17), empty with
# four empty neighbours.  The reading: Black (F17's side) at C17, White at
# E18, Black at B15, and r is Black's evaluation after it.  White, not
# F17's side, is the engine and F17 is far from lost: the candidate is
# White's hane E18, worth r, which is not above the cap of 24.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . O . . . . . . . . . . .
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
call JobanKoho:press F17 C17 E18 B15 E18 [E18=r/0]

[pb-three-three-press-hane-black-stone-beside-the-pressed-stone]
# The colours exchanged, with Black to play: White's star point D16, Black's
# E17 and White's F17 along line 3, and Black's G18 diagonally beside F17
# (F17 keeps F16, F18 and G17).  The strip, A1 = B17, A2 = B16 and A3 = B15
# as above, all empty.  The reading: White at C17, Black at E18, White at
# B15, r White's evaluation after it.  Black, not F17's side, is the engine:
# the candidate is Black's hane E18, worth r, not above 24.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . X O . . . . . . . . . . . . .
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
call JobanKoho:press F17 C17 E18 B15 E18 [E18=r/0]

[pb-narrow-last-stretch-of-the-edge-white-slides]
# Black's P16 (line 4, pos 15) and White's R17 (line 3, pos 17) along the
# top: two apart, the last stretch the scan can start (pos 15 = 19 - 4).
# P16 stands on line 4: R17 (one stone, four liberties) is not short of
# liberties; X = P18, the line-2 point at P16's pos, has eight empty points
# around it; Y = Q17, the line-3 point next to P16 towards R17.  a = White's
# slide at P18, b = Black's block at Q17; R17 stands alone, no 3 more.
# White, the sliding side, is the engine: the candidate is P18.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . O . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:narrow-sum R17 P18 P16 Q17 [P18=sum]

[pb-narrow-last-stretch-of-the-edge-black-blocks]
# The same with Black to play: the blocking side is the engine, Q17 with the
# same sum.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . O . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:narrow-sum R17 P18 P16 Q17 [Q17=sum]

[pb-three-three-read-star-point-firm-before-premise]
# Premise of the 3-3 reading below: White's star point D16 is not weak as
# it stands.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  O . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel D16 [level=0 B15 B16 B17 C14 C15 C17 D14 E14 E15 F15]

[pb-three-three-read-star-point-weak-after-premise]
# Premise: with Black's invasion at C17 added, D16 is weak.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  O . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel D16 [level=0 weak B15 C14 C15 D14 E14 E15 E17 E18 F15 F16 F17]

[pb-three-three-read-gain-26-premise]
# Premise: Black's evaluation after Black's C17 is 26.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  O . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call HaneMore:value D16 C17 [26]

[pb-three-three-read-gain-26]
# White's star point D16 over the empty 3-3 point C17, whose four neighbours
# and six other surrounding points are empty; no stones stand on line 3
# beyond D17 or below C16, so no press is read.  D16's group is not weak;
# Black, the other colour, invades at C17: D16 becomes weak and Black's
# evaluation is 26, above 25 (premises): C17 gets value 25 with bonus 10.
# The corner's own entry for C17 comes later: the star point not being
# Black's, at most 25 with bonus 2, worth 25 in the merge against 25 + 10/10
# = 26: 25/10 stays.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . X . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  O . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:at:moves30 C17 [C17=25/10]

[pb-invasion-seven-apart-trial-lives-premise]
# Premise of the row below: Black's trial stone at H17 (the middle point on
# line 3) added, it stands at level 0, not close to death.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . O . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel H17 [level=0 F16 F17 F18 G15 G16 G18 H15 J15 J16 J18 K16 K17 K18]

[pb-invasion-seven-apart-d17-firm-premise]
# Premise: with the same trial stone White's D17 is not weak.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . O . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel D17 [level=0 B16 C15 D15 E15 E16 E18 F16 F17 F18]

[pb-invasion-seven-apart-m17-firm-premise]
# Premise: nor is White's M17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . O . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel M17 [level=0 K16 K17 K18 L15 L16 L18 M15 N15 O16 O17 O18]

[pb-invasion-seven-apart-neither-side-suffers]
# White's D17 and M17 on line 3, seven empty positions apart along the top
# (g = 7, h = 4): the middle point is H17.  Black's trial there is not close
# to death and weakens neither white stone (premises above); no black stone
# stands near H17: w = 0.  From seven on (below nine) the invasion takes the
# middle with bonus 31; g is odd, so H17 alone.  D17 stands alone on the
# left edge.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . O . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [H17=25/31]

[pb-narrow-three-apart-small-sum-premise]
# Premise of the two rows below: White's slide at L18 alone and Black's
# block at M17 alone are read at 20 together.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call Readings:sum O17 L18 L16 M17 [20]

[pb-narrow-three-apart-small-sum-black-blocks]
# Black's L16 (line 4, pos 11) and White's O17 (line 3, pos 14) along the
# top, three apart; White's K14 a knight's move below L16.  L16 stands on
# line 4: O17 (one stone, four liberties) is not short of liberties; X =
# L18, the line-2 point at L16's pos, has eight empty points around it; Y =
# M17, the line-3 point next to L16 towards O17.  a = White's slide at L18,
# b = Black's block at M17: their sum, 20 (premise), is not above 25, so
# it is the value itself with bonus 0.  Black, the blocking side, is the engine: M17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:narrow-sum O17 L18 L16 M17 [M17=sum]

[pb-narrow-three-apart-small-sum-white-slides]
# The same with White to play: the sliding side is the engine, L18 with the
# same sum, bonus 0.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . X . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . O . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:narrow-sum O17 L18 L16 M17 [L18=sum]

[pb-invasion-three-apart-on-line-4-trial-lost-premise]
# Premise of the row below: White's trial stone at G17 (line 3, the middle
# pos) added, with Black's F14 above it, stands weak at level 72, above 70:
# close to death.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . X . . . X . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel G17 [level=72 weak E18 F18 G15 H15 H18 J18]

[pb-invasion-three-apart-on-line-4-trial-lost-e16-premise]
# Premise: Black's E16 (joined with J16 and F14 in one group) is not weak.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . X . . . X . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel E16 [level=0 C15 C16 C17 D14 D17 D18 E18 F18 G15 H14 H15 H18 J14 J18 K14 K17 K18 L15 L16 L17]

[pb-invasion-three-apart-on-line-4-trial-lost]
# Black's E16 and J16 both on line 4, three empty positions apart along the
# top (g = 3, h = 2), Black's F14 above them.  The trial of the invasion is
# White's stone on line 3 at the middle pos, G17 (the candidates would move
# to line 4, G16, both stones standing there, but the trial stays on line
# 3).  After it neither black stone is weak and G17 is close to death
# (premises): the trial is taken back and nothing is proposed.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . X . . . X . . . . . . . . . .
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
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [none]

[pb-invasion-three-apart-on-line-4-trial-lives-premise]
# Premise of the row below: without F14, White's trial G17 stands at level
# 63, weak but not close to death.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . X . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel G17 [level=63 weak E18 F15 F18 G15 H15 H18 J18]

[pb-invasion-three-apart-on-line-4-trial-lives-e16-premise]
# Premise: E16 then stands at level 0.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . X . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel E16 [level=0 C15 C16 C17 D14 D17 D18 E14 E18 F14 F15 F18 G15]

[pb-invasion-three-apart-on-line-4-trial-lives-j16-premise]
# Premise: and J16 at level 0.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . X . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel J16 [level=0 G15 H14 H15 H18 J14 J18 K14 K17 K18 L15 L16 L17]

[pb-invasion-three-apart-on-line-4-trial-lives]
# The same without Black's F14: the trial G17 is not close to death and
# weakens neither black stone; no white stone is near G17: w = 0.  v = g + 5
# + 2 + 2 = 12 at the middle point moved to line 4, G16 (g odd: one point).
# Both stones on line 4: L3(k+2) and L3(m-2), both G17, get bonus 5.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . X . . . X . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G16=12/0 G17=25/5]

[pb-invasion-four-apart-both-lost-h17-premise]
# Premise of the row below: White's trial stone at K17 (the first middle
# point) added, Black's H17, hemmed in by White's G17, is weak at level 85.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O X . O . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel H17 [level=85 weak H15 J15 J16 J18]

[pb-invasion-four-apart-both-lost-h17-no-extension-premise]
# Premise: with the trial stone there H17 finds no extension point.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O X . O . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanHirakiFromStone H17 K17 [none]

[pb-invasion-four-apart-both-lost-n16-premise]
# Premise: Black's N16 is weak at level 0, not above 20.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O X . O . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel N16 [level=0 weak L15 L16 M14 M15 M17 M18 N14 N18 O14 O17 O18 P15 P16 P17]

[pb-invasion-four-apart-both-lost-trial-premise]
# Premise: the trial stone K17 itself is weak at level 54.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O X . O . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel K17 [level=54 weak J15 J16 J18 K15 L15 L16 L18 M17 M18]

[pb-invasion-four-apart-the-hemmed-stone-lost]
# Black's H17 (line 3, pos 8) and N16 (line 4, pos 13), four empty positions
# apart along the top (g = 4, h = 2): the middle points K17 and L17.
# White's G17 beside H17 is a three-space jump from K17, not near it.
# White's trial at K17 (premises): H17 is weak above 20 with no extension,
# N16 not above 20: w = 1, the weak stone H17.  The trial stone is weak
# too: d1 = 85 (H17), d0 = 54 (K17); d0 - d1 is below 40, and d1 is 80 or
# more while d0 is below 80: w = 2.  g = 4, not above 6: K17 and L17 (g
# even) get bonus 27.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O X . . . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [K17=25/27 L17=25/27]

[pb-approach-eight-apart-their-stone-at-60-premise]
# Premise of the row below: White's trial stone at O17 (line 3, two short of
# Q16) added, Black's Q16, with White's Q15 below it, is weak at level 60.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . O . . . . . . . . X . . .
  . . . . . . . . . X . . . . . O . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . O . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . O . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel Q16 [level=60 weak P18 Q18 R17 R18 S16 S17]

[pb-approach-eight-apart-our-stone-firm-premise]
# Premise: with Black's trial at J17 (two beyond G16) instead, White's G16
# stands at level 0.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . . . . . . X . . .
  . . . . . . . . . X . . . . . O . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . O . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . O . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel G16 [level=0 E15 E16 E17 F14 F15 F17 F18 G14 G18 H14 H15 H18]

[pb-approach-eight-apart-their-stone-at-60]
# White's G16 (line 4, pos 7) and Black's Q16 (line 4, pos 16) along the
# top, eight empty positions apart on lines 2 to 4 (g = 8; Black's K15 is
# on line 5).  Black's trial at J17 leaves G16 firm; White's trial at O17
# leaves Q16 weak at level 60 (premises): only the opponent's side suffers.
# The line-3 points from pos m-4 = 12 to m-2 = 14, M17, N17 and O17 (all
# from k+2 on), get value 15 with bonus 0, the level not being below 60;
# L17 (pos 11) gets nothing.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . X . . .
  . . . . . . . . . X . . . . . O . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . O . X . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . O . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:at L17 M17 N17 O17 [L17=none M17=15/0 N17=15/0 O17=15/0]

[pb-three-three-press-two-liberties-star-point-weak-premise]
# Premise of the row below: Black's star point D16 is already weak (level
# 11), so the 3-3 point is not read as an invasion of it.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O X . . . . . . . . . . . . .
  . . . X . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel D16 [level=11 weak B15 B16 B17 C14 C17 C18 D14 E14 E15]

[pb-three-three-press-two-liberties]
# Black's star point D16 over the empty 3-3 point C17; White's E17 and
# Black's F17 in a row beyond D17 along line 3, White's F16 under F17.  F17
# keeps two liberties, F18 and G17: not one, so the press is read.  The
# strip from C17 to F17 has its line-2 side on row 18, C18 to F18 empty, and
# E16 empty; A1 = B17, A2 = B16, A3 = B15, empty with empty neighbours.  The
# reading: Black (F17's side) at C17, White at E18, Black at B15, r Black's
# evaluation.  Black is the engine: C17 gets r (held at 26 at most), bonus
# 0.  D16 being weak, the invasion reading adds nothing; the corner's own
# entry for C17 (20, the star point Black's, two black stones related to
# C17) comes later and does not replace it.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O X . . . . . . . . . . . . .
  . . . X . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press F17 C17 E18 B15 C17 E18 [C17=r/0 E18=none]

# --- Three apart on line 4: the weak stone against the invading stone --------------

[pb-invasion-weak-pair-39-apart-g16-premise]
# Premise: White's G16-G15 (Black's F15 beside G15) and L16 on line 4; with
# Black's trial at J17 (line 3, the middle pos) G16's group is weak at 31.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel G16 [level=31 weak E17 F17 F18 G13 G18 H13 H14 H18 J14 J15]

[pb-invasion-weak-pair-39-apart-g16-no-extension-premise]
# Premise: G16 then finds no extension point.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanHirakiFromStone G16 J17 [none]

[pb-invasion-weak-pair-39-apart-l16-premise]
# Premise: L16 stays at level 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel L16 [level=0 J15 K14 K15 K18 L14 L18 M14 M17 M18 N15 N16 N17]

[pb-invasion-weak-pair-39-apart-trial-premise]
# Premise: the trial stone J17 is weak at 70, not above 70.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel J17 [level=70 weak G18 H18 J15 K15 K18 L18]

[pb-invasion-weak-pair-39-apart]
# White's G16 and L16 both on line 4, three empty positions apart (g = 3,
# h = 2); Black's F15 is a (2,3) shape from J17, not near.  Black's trial
# at J17 (premises): G16 weak above 20 without an extension, L16 not: w = 1,
# the weak stone G16.  The trial stone is weak too, not close to death: d1
# = 31, d0 = 70, d0 - d1 = 39, below 40, and d1 below 80: w stays 1.  g = 3:
# the middle point, moved to line 4 (both stones there), J16 gets bonus 5,
# and X = L3(k+2) = J17 (P1's side being the weak one) bonus 5.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J16=25/5 J17=25/5]

[pb-invasion-weak-pair-49-apart-g16-premise]
# Premise: with White's O18 added (line 2 further right), the trial at J17
# leaves G16's group weak at 23.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel G16 [level=23 weak E17 F17 F18 G13 G18 H13 H14 H18 J14 J15]

[pb-invasion-weak-pair-49-apart-g16-no-extension-premise]
# Premise: still no extension point from G16.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanHirakiFromStone G16 J17 [none]

[pb-invasion-weak-pair-49-apart-l16-premise]
# Premise: L16 at level 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel L16 [level=0 J15 K14 K15 K18 L14 L18 M14 M17 M18 N15 O16 P16 Q17 Q18]

[pb-invasion-weak-pair-49-apart-trial-premise]
# Premise: the trial stone J17 is weak at 72.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . X . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call GunDeathLevel J17 [level=72 weak G18 H18 J15 K15 K18 L18]

[pb-invasion-weak-pair-49-apart]
# The same with White's O18: w = 1 (G16 at 23, no extension), and the trial
# stone is weak at 72: d0 - d1 = 49, 40 or more: the invasion hurts us more
# than them, w = 0 (the trial is not taken back for being close to death,
# w having been 1).  No black stone near J17.  v = g + 5 + 2 + 2 = 12 at
# J16 (the middle point on line 4); both stones on line 4: L3(k+2) and
# L3(m-2), both J17, get bonus 5.  L16 and O18 (line 2) three apart give
# nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . O . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . O . . . . . . . .
  . . . . . X O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J16=12/0 J17=25/5]

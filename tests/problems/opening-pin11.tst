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

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
#   call WeakGunNiken:read V B T   the same, the candidate at T valued
#       against r, the side to move's evaluation after its move at B plus the
#       other side's after its move at T: "T=r:reason"
#   call PairAnswerRange:M V the pending links answered inside the area of
#       the group at V (M = 1: kinds 7 and below, 2: 8 and above), as
#       "kind/A/B"
#   call JobanKoho:press T S H A P...  the opening's candidates at P... against
#       the 3-3 press reading r (T's colour at S, the other colour at H, T's
#       colour at A, evaluated for T's colour): "P=r/bonus", "P=cap24/bonus"
#       or "P=cap26/bonus" for a value held below r, "P=none"
#   call YoseAtariValue:sente V F    (as in generators.tst) J's atari at V
#       forces O to connect at F: r = 2 (A + B), or C halved when 2r
#       exceeds C; b = C
#   call YoseAtariValue:forcing V F G   J's atari at V forces O at F, O's atari
#       there forces J at G: A = J's evaluation after J V, O F; B = O's after
#       O V, J G; C = J's after J V, J F.  r = 2 (A + B) raised by half of
#       itself, or C halved when 2r exceeds C; b = C
#   call YoseValue:ladder V Q S   J's move at V leaves a chain of O's that the
#       ladder catches, Q and S its first two moves: A = J's evaluation after
#       J V, O Q; B = O's after O V; F = J's after J V, Q, S.  Sente when 2A
#       < F/2: r = min(2 (A + B), F/2), bonus 5; else r = A + B, bonus 0
#   call SikatuUrgentMe:at V P...  the urgent eye pass on the group at V, its
#       candidates at P... as "P=K+d:reason" from the group's value K

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
call SelectYomiKoho:under35 D16 E15 E17 C17 [C17 E15]

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

[three-three-press-value-for-white]
# Black's star point D16 over an empty 3-3 point C17; White's E17 and
# Black's F17 stand in a row beyond D17 along line 3.  Black's F17 has three
# liberties; the line-2 side of the strip from C17 to F17 (C18 to F18) and E16
# are empty, and B15 (reached from B17 and B16) is empty with empty
# neighbours: the press reading is Black (F17's colour) at C17, White at E18
# (the strip's entry on line 2 two steps from C17), Black at B15, and r is
# Black's evaluation after it.
# White, not F17's side, is the engine: the candidate is White's hane E18
# with r held at 24; r is below 24 here: E18 is worth r.
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
call JobanKoho:press F17 C17 E18 B15 E18 [E18=r/0]

[three-three-press-value-for-black]
# Black's star point D16 over an empty 3-3 point C17; White's E17 and
# Black's F17 stand in a row beyond D17 along line 3.  Black's F17 has three
# liberties; the line-2 side of the strip from C17 to F17 (C18 to F18) and E16
# are empty, and B15 (reached from B17 and B16) is empty with empty
# neighbours: the press reading is Black (F17's colour) at C17, White at E18
# (the strip's entry on line 2 two steps from C17), Black at B15, and r is
# Black's evaluation after it.
# Black to play, with Black's G12 added: Black, F17's side, is the engine,
# so the candidate is C17 with r held at 26, and r is above 26: 26, bonus 0.
# The 3-3 reading adds C17 again with 25 and bonus 10, worth 25 + 1 = 26 in
# the merge, not more than 26: the first entry stays.  E18 gets nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O X . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
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
call JobanKoho:press F17 C17 E18 B15 C17 E18 [C17=cap26/0 E18=none]

[endgame-atari-point-sente-halved]
# White's E5 pokes between the walls with two liberties, E4 and F5 (Black's
# E6 above it).  Black's E4 joins the D line and leaves E5 in atari: White
# must connect at F5, so Black's move is sente: twice the two gains, A (after
# White's F5) + B (White's E4, which ataris nothing).  With White's H5 in
# White's area the follow-up C (Black capturing at F5 too) is smaller than
# twice that doubled sum: the value is C halved.  The follow-up travels as the
# bonus.
black to play
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X X O . . .
  . . . X O . . O .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
  . . . X . O . . .
call YoseAtariValue:sente E4 F5 [E4=r/b]

[endgame-atari-point-both-forcing]
# E5 is the last liberty but one of both sides' chains: Black's E5 leaves
# White's F5 (walled by Black's F6 and G5) in atari, so White must connect
# at F4; White's E5 leaves Black's D5 (walled by White's C5 and D4) in atari,
# so Black must connect at D6.  Both moves force: A (Black E5, White F4) + B
# (White E5, Black D6), doubled, and grown by half of itself for White's
# forcing move too.  With White's E3 added A + B is negative, so twice the
# value does not exceed C (Black E5 and the capture at F4): no halving.  C
# travels as the bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O X . O X . .
  . . . O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseAtariValue:forcing E5 F4 D6 [E5=r/b]

[urgent-eye-border-neighbour-with-atari]
# Black's A8-B8-C8-C7-C6 with Black's A7 holds the eye A9-B9 and the point
# B7.  The border point B7 has the empty neighbour B6 with one White
# neighbour, White's A6 (its liberties A5 and B6), and area value 0.  Black's
# B6 encloses B7, a second eye: eye value 4, so B6 is worth the group's value,
# and it puts White's A6 in atari (B6 is marked in Black's atari map): 2
# more, K + 2.  A6 holds a stone: no candidate there.  The relation answers
# run first and the pass adds under the reason they left (5).
black to play
  . . . O . . . . .
  X X X O . . . . .
  X . X O . . . . .
  O . X O . . . . .
  . . . . O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe:at A8 B6 A6 [A6=none B6=K+2:5]

[endgame-sente-by-a-ladder]
# White to play at E3 between White's D3-D2 and Black's E2 (linked to F3):
# White's E3 leaves Black's E2 with two liberties, F2 and E1, and the ladder
# catches it (White F2, Black E1, then along the first line), so White's move
# threatens the capture: the follow-up is half White's evaluation after E3,
# F2 and E1 (White playing both ladder points).  With Black's answer at F2,
# White's gain A is less than half of that: White's move is sente.  Black's
# E3 ataris nothing and threatens no ladder: gote.  Only White's sente: the
# value is twice the two gains, A + B, or the follow-up when that is smaller,
# bonus 5.
white to play
  . . X . . . . . .
  . . O X . . . . .
  . . O X . . . . .
  . . O . X . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . O . X . . .
  . . . O X . . . .
  . . . . . . . . .
call YoseValue:ladder E3 F2 E1 [E3=r/5]

[two-space-extension-answer-valued-at-the-gap]
# The extensions of Black's C7 against White's E4 as above, read with their
# values: against the extension F7 White's move is the gap point E7 (two-space
# reach of White's E4), valued by White's own evaluation after White at F7
# plus Black's after Black at E7, the point White plays: r.  C5 (the
# knight's-move gap point next to C4) is there too.
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
call WeakGunNiken:read C7 F7 E7 [C5:13 E7=r:13]

[urgent-eye-border-neighbour-eye-value-3]
# Black's A8-B8-C8-C7-C6 with Black's A9: the corner eye is B9 alone, and
# A7-B7 a half eye.  The border point B7 has the empty neighbour B6 (area
# value 0, no White neighbour, three empty neighbours A6, B5, B7, not on the
# edge).  Black's B6 encloses A7-B7-A6 but with B9 the group's eye value is
# only 3: the value is half the group's value held at 18.  The group's value
# K is 42 here: half of it, 21, is
# held at 18, which is K - 24.  The pass adds under the reason the relation
# answers left (5).
black to play
  X . . O . . . . .
  X X X O . . . . .
  . . X O . . . . .
  . . X O . . . . .
  . . . . O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe:at A8 B6 A6 [A6=none B6=K-24:5]

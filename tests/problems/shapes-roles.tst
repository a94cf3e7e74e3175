# Shape links, one row per role set: each routine's patterns in both of
# their placements (the first placement and its mirror or half turn), with
# positions where one cell decides whether the pattern fires, so that a
# cell of a role table read from the wrong index fails a row.  The answers
# are worked out from the shapes by hand.  "call NAME A B" answers
# "point=value:reason", "none" when nothing is added.  "call NAME:read A B
# M... A N..." answers each candidate against the attacker's evaluation
# after M... (attacker first, alternating) plus the owner's after N...
# (owner first), as in shapes-wide.tst.  "call NAME:at A B P M... A N..."
# (tests/engine/shapes/RoleRoutines.cpp) answers so for the candidate at P
# alone and names the others by their points; there B between readings of
# the other colour offers alternatives of which the worse counts.  "call
# NAME:pair A B" answers the pairs a group pattern records for the
# weak-group generator as "black's move/white's move".

# --- Knight's move in the second pass: a contact stone the ladder takes ----------
# Black's knight's move D5-E7.  A contact stone whose chain the ladder
# takes is no threat: the second pass adds nothing for it.

[knight-second-pass-contact-caught-b]
# White's D7 touches E7 on D5's line; Black's D8 and C6 leave it two
# liberties, C7 and D6, and Black's D6 ladders it (C7, B7, C8 ... run
# into Black's stones at the top edge).
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D7 [1 D6|1 C7]
call Kankei4Hokyo:read D5 E7 [none]

[knight-second-pass-contact-caught-a]
# The half turn: White's E5 touches D5 on E7's line, Black's E4 and F6
# leave it two liberties F5 and E6, and the ladder takes it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E5 [1 E6|1 F5]
call Kankei4Hokyo:read D5 E7 [none]

# --- Knight's move in the second pass: two far stones decide the doubling -------
# Black's knight's move E7-F9 between two living groups (13x13).  With a
# White stone on the far line at each end's step, White's reading of both
# cutting points is the bonus reading: White's F8 and E8 (Black passing)
# are worth more than twice the exchange (White's cut and Black's block,
# plus Black's own connection), so the sum is doubled for Black.  With the
# second far stone missing the sum stays as it is (shapes-wide.tst's
# far-stone rows).  The comparison of the two readings is judged here, not
# named by the row: White's two cuts split Black's knight's move for good
# while the exchange leaves it connected.

[knight-second-pass-far-pair-doubled]
# White's G7 and G9 on the line beyond F9, at E7's step and at F9's:
# the cutting point is F8; White's F8 and Black's E8, plus Black's F8.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X O . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 F8 E8 E7 F8 [F8=r*2:21]

[knight-second-pass-far-pair-doubled-other-end]
# The other placement: White's D9 and D7 on the line beyond E7: the
# cutting point is E8; White's E8 and Black's F8, plus Black's E8.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X . O X . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:read E7 F9 E8 F8 E7 E8 [E8=r*2:21]

# --- Knight's move contact: the attacker's stone beyond the side point ----------
# Black's knight's move D5-E7, White's E5 touching D5 and White's D8 beyond
# the side point D7 (on D5's line): White would extend at D7.  With
# Black's C7 outside D7, the extension runs into Black's wall and nothing
# is read.

[knight-contact-beyond-side-own-outside-far]
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

[knight-contact-beyond-side-own-outside-far-other-end]
# The other end: White's D7 touching E7, White's E4 beyond the side point
# E5 (on E7's line), Black's F5 outside E5: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

# The same shape on the edge: Black's D2-F3, White's D3 touching D2 and
# White's G2 beyond the side point F2 on the second line.  The middle point
# E2 beside D2 is on the second line, so Black's answer is F2 itself, the
# point White extends to: White's evaluation after F2 plus Black's after
# F2, at F2 for either side.

[knight-contact-beyond-side-second-line]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . X . . O . .
  . . . . . . . . .
call KeimaTuke:read D2 F3 F2 D2 F2 [F2=r:5]

[knight-contact-beyond-side-second-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . X . . O . .
  . . . . . . . . .
call KeimaTuke:read D2 F3 F2 D2 F2 [F2=r:5]

[knight-contact-beyond-side-second-line-other-end]
# The other end: Black's D3-F2, White's F3 touching F2 and White's C2
# beyond the side point D2: the answer is D2 for both.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . O . . X . . .
  . . . . . . . . .
call KeimaTuke:read D3 F2 D2 D3 D2 [D2=r:5]

[knight-contact-beyond-side-second-line-other-end-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O . . .
  . . O . . X . . .
  . . . . . . . . .
call KeimaTuke:read D3 F2 D2 D3 D2 [D2=r:5]

# --- Knight's move contact: the touched stone with two liberties -----------------
# Black's D5-E7, White's E5 touching D5; White's D4-D3-C3 leaves D5 two
# liberties (C5, D6) that no ladder takes, Black's E4 and White's F6 leave
# E5 two liberties (F5, E6) and no ladder.  White pushes at D6; E5 has two
# liberties and the point behind D5, C5, has three empty neighbours, so
# Black's answer is C5.  Value White's evaluation after D6 plus Black's
# after C5 (C5 makes no double atari: of the White chains beside it only
# E5 has two liberties).  Black proposes C5, White D6.

[knight-contact-touched-two-liberties-behind]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . O X . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 C5 [C5=r:5]

[knight-contact-touched-two-liberties-behind-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . O X . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 C5 [D6=r:5]

[knight-contact-touched-two-liberties-behind-other-end]
# The half turn: White's D7 touching E7, White's E8-E9-F9, Black's D8 and
# White's C6: White pushes at E6, Black answers behind E7 at F7.
black to play
  . . . . O O . . .
  . . . X O . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E6 D5 F7 [F7=r:5]

[knight-contact-touched-two-liberties-behind-other-end-white]
white to play
  . . . . O O . . .
  . . . X O . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E6 D5 F7 [E6=r:5]

# --- Large knight's move: the caps on both steps of A's outer line ---------------
# Black's C5-F6 with White's caps D4 and F4 (A's outer line at the first
# and third steps) and White's F8, G7, G6 around F6 as in shapes-wide.tst's
# cap rows.  Black's E7, beyond White's E6 from Black's E5 (the point White
# would take after pushing at E6), spoils the cap's reading: nothing.

[largeknight-caps-blocked-beyond]
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . O . .
  . . . . . X O . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[largeknight-caps-blocked-beyond-white]
white to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . O . .
  . . . . . X O . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[largeknight-caps-blocked-beyond-half-turn]
# The half turn: White's caps E7 and C7, White's B5, B4 and C3 around C5,
# Black's D4 beyond White's D5 from Black's D6: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . O X . . . . . .
  . O . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[largeknight-caps-blocked-beyond-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . O X . . . . . .
  . O . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

# --- Relation moves of groups: adjacent stones, the atari beside A ---------------
# White's E5 (A) against Black's D5 (B), Black's E6 above E5: E5 has two
# liberties, E4 and F5, so Black's E4 (beside A below it) is an atari.
# Black's point is then E4 (the opponent's atari beside A comes first),
# and White's is E4 too (the atari point that the opponent would take).
# The side above is closed by E6.  Value four fifths of Black's evaluation
# after E4 plus White's after E4; Black proposes E4.

[group-contact-atari-beside-a]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at E5 D5 E4 E4 E5 E4 [E4=r*4/5:18]

[group-contact-atari-beside-a-other-side]
# The same with Black's E4 below E5: the side above is read, Black's
# atari at E6 is both sides' point.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at E5 D5 E6 E6 E5 E6 [E6=r*4/5:18]

# --- Relation moves of groups: the two-space jump, one side closed -------------
# Black's F7 and White's J7 a two-space jump apart on 13x13.  Black's K6
# stands beyond White's side point J6 from H6 (the low side's point beside
# the gap next to J7), which closes the low side.  On the high side every
# try of the mover is a candidate with its own value: for Black the point
# beside the gap next to F7 (G8), the point two lines out beside F7 (F9,
# all eight points around it empty), two lines out beside the first gap
# (G9, four empty neighbours) and the point beside the second gap (H8,
# four empty neighbours); for White the mirror of these from J7: H8, J9,
# H9 and G8.  The best of them also carries the sum; the row names the
# points ("call ...:at F7 J7 F7" names no candidate of its own).

[group-two-space-one-side-closed]
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . . O . . . .
  . . . . . . . . . X . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:at F7 J7 F7 [F9 G8 G9 H8]

[group-two-space-one-side-closed-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . . O . . . .
  . . . . . . . . . X . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:at F7 J7 F7 [G8 H8 H9 J9]

[group-two-space-one-side-closed-high]
# Black's K8 closes the high side instead: Black's tries on the low side,
# G6, F5, G5 and H6.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . X . . .
  . . . . . X . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei6Utu:at F7 J7 F7 [F5 G5 G6 H6]

# --- Relation moves of groups: the (2,2) shape in pair mode ----------------------
# White's D4 (A) and Black's F6 (B), a (2,2) shape; the weak-group
# generator records each side's pair (black's move/white's move).  White's
# F4 holds one corner, so only the side of the other corner D6 is read.
# White to play owns A and finds its own stone on the far corner: White's
# move is then the inner point beside D6 toward B, E6 (seven empty points
# around it, B the eighth), Black's is D6 itself.

[group-twotwo-pair-own-corner]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:pair D4 F6 [D6/E6]

[group-twotwo-pair-own-corner-other]
# White's D6 on the other corner: the side of F4 is read, White's move is
# F5 (beside F4 toward B), Black's F4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:pair D4 F6 [F4/F5]

# --- Extensions toward own stones: one large knight's move alone -----------------
# Black's lone E5 on 9x9 with White's stones touching every extension
# point but one: the two-space points E2, E8, B5, H5 and the large
# knight's points D2, F2, F8, B4, B6, H4, H6 each touch a White stone
# (the (1,4) and three-space points lie on the edge line).  Only D8
# extends toward E5, and it marks the four middle points of its
# rectangle, D7, E7, D6 and E6: not D5 beside E5, nor E8 beside D8.

[extension-marks-one-large-knight]
black to play
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . O
  O . . . X . . . O
  O . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . O O O . . .
call Kankei6Think:marks [D6 D7 E6 E7]

[extension-marks-one-large-knight-other]
# The same with D8 closed by White's D9 and F8 open: E6, E7, F6, F7.
black to play
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . O
  O . . . X . . . O
  O . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . O O O . . .
call Kankei6Think:marks [E6 E7 F6 F7]

# --- Knight's move contact: the contact stone caught by a ladder ----------------
# Black's D5-E7, White's E5 touching D5, Black's E4 below it: E5 has two
# liberties (F5, E6) and the ladder takes it (Black's F5, E6 ...).  F7,
# outside E7 on White's side, has three empty neighbours, so the reading
# is White's E6, Black's D6, White's F7: White's chain E5-E6 is left with
# two liberties (F5, F6), too few, and nothing is added.

[knight-contact-caught-open-outside]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E5 [1 F5|1 E6]
call KeimaTuke:read D5 E7 [none]

[knight-contact-caught-open-outside-other-end]
# The half turn: White's D7 touching E7, Black's D8 above it; the ladder
# takes D7; C5 is open: nothing.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D7 [1 C7|1 D6]
call KeimaTuke:read D5 E7 [none]

# The same with White's E3 below Black's E4, which leaves E4 two
# liberties (D4, F4): White's hane at D4 (beyond D5 from the middle point
# D6; D4 keeps two liberties, C4 and D3) ataris E4, Black extends at F4
# and White pushes at D6.  White's evaluation after D4, F4, D6 is the
# value; Black's point is D6, White's D4.

[knight-contact-caught-owner-below]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D4 F4 D6 [D6=r:5]

[knight-contact-caught-owner-below-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D4 F4 D6 [D4=r:5]

[knight-contact-caught-owner-below-other-end]
# The half turn: White's D7 touching E7, Black's D8 and White's D9 above:
# White's E8, Black's C8, White's E6.
black to play
  . . . O . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E8 C8 E6 [E6=r:5]

[knight-contact-caught-owner-below-other-end-white]
white to play
  . . . O . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E8 C8 E6 [E8=r:5]

# --- Knight's move contact: the double hane around the touched stone -------------
# Black's D5-E7, White's E5 touching D5 (three liberties) and White's D4
# below D5, which leaves D5 two liberties (C5, D6) and no ladder: Black's
# C6 outside the middle point D6 stops one.  White's push at D6 is read
# twice: Black blocks at D7 and White turns at C5, or Black takes C5 and
# White pushes on at D7; the worse of the two counts for White.  Black's
# answer is E6 (no double atari there: of the White chains beside it only
# E5 has two liberties).  Value Black's evaluation after E6 plus White's
# worse reading; Black proposes E6, White D6.

[knight-contact-double-hane]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 E6 D6 D7 C5 E7 D6 C5 D7 D5 E6 [E6=r:5]

[knight-contact-double-hane-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 D6 D7 C5 E7 D6 C5 D7 D5 E6 [D6=r:5]

[knight-contact-double-hane-other-end]
# The half turn: White's D7 touching E7, White's E8 above E7, Black's F6
# outside E6: White pushes at E6, Black blocks at E5 or takes F7; Black's
# answer is D6.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . . . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D6 E6 E5 F7 E7 E6 F7 E5 D5 D6 [D6=r:5]

[knight-contact-double-hane-other-end-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . . . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 E6 E6 E5 F7 E7 E6 F7 E5 D5 D6 [E6=r:5]

# --- Knight's move contact: the hane behind the touched stone --------------------
# Black's D5-E7 with Black's C7, D8 and B6 around the middle point D6, White's
# E5-F5 touching D5 (D5 has three liberties, White's chain five).  White's
# push at D6 keeps three liberties, leaves D5 two, and Black's block at E6
# leaves it two liberties among Black's stones with no way out (at D7
# or C6 it keeps one at most): the pushing stone is as good as dead, so the push
# is not read on and the closing patterns run.  The hane: White's D4
# under D5 (three empty neighbours).  Black's answer would be E4 under E5
# if the contact stone stood alone, but White's F5 beside it makes Black
# answer at D4 itself: Black's evaluation after D4 plus White's after D4,
# at D4.  The contact reading adds Black's E6 (White's E6, Black's D6,
# White's F7 leave White's chain four liberties), named by its point.

[knight-contact-hane-behind]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . X . X . . . .
  . X . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 D4 D4 D5 D4 [D4=r:5 E6]

[knight-contact-hane-behind-other-end]
# The half turn: Black's F5, E4 and G6 around E6, White's D7-C7 touching E7:
# the hane is E8, Black's other point D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O X . . . .
  . . . . . . X . .
  . . . X . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at D5 E7 E8 E8 D5 E8 [E8=r:5 D6]

# --- Large knight's move: the caps' ladder read without the push ----------------
# Black's C5-F6 (C5 joined by B5, five liberties; F6 by F7), White's caps D4
# and F4 with G4 beside F4; Black's E8 and G5, White's G7 and F8.  After
# White's E6 and Black's E5 the ladder does not take F6-F7 (three
# liberties), but after White's D5 as well it takes E6 (Black's D6, then E7
# has one liberty): the cap's ladder reading.  Its first look (the cut at
# C6 and the ladder on C5) needs C5's chain at four liberties or fewer and
# finds nothing.  Its second: with Black's G5 beyond F5 from E5 and G6
# empty, White's F5 (joining F4) leaves F6-F7 and G5 two liberties each;
# Black's D6 and White's G6 follow.  Then White captures either G5 (at H5
# after Black's E7) or F6-F7 (at E7 after Black's H5): the worse of the two
# is the value, at Black's E5 (White's E6).

[largeknight-caps-ladder-second-look]
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E5 E6 E5 F5 D6 G6 E7 H5 F6 E6 E5 F5 D6 G6 H5 E7 [E5=r:5]

[largeknight-caps-ladder-second-look-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E6 E6 E5 F5 D6 G6 E7 H5 F6 E6 E5 F5 D6 G6 H5 E7 [E6=r:5]

[largeknight-caps-ladder-second-look-half-turn]
# The half turn: F6 joined by G6, C5 by C4; White's caps E7 and C7 with B7,
# Black's D3 and B6, White's B4 and C3.  White's D5, Black's D6, White's C6,
# Black's E5, White's B5, then White's A6 or D4: the worse, at Black's D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O . . . .
  . X . . . X X . .
  . . X . . . . . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D5 D6 C6 E5 B5 D4 A6 F6 D5 D6 C6 E5 B5 A6 D4 [D6=r:5]

[largeknight-caps-ladder-second-look-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O . . . .
  . X . . . X X . .
  . . X . . . . . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D5 D5 D6 C6 E5 B5 D4 A6 F6 D5 D6 C6 E5 B5 A6 D4 [D5=r:5]

# --- Knight's move in the second pass: an outside stone in atari ----------------
# Black's D5-E7 with White's F6 outside the cutting point E6, but Black's
# F5, G6 and F7 leave F6 one liberty (E6): the stone is no threat and the
# second pass adds nothing.

[knight-second-pass-outside-in-atari-b]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . . . O X . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 [none]

[knight-second-pass-outside-in-atari-a]
# The other side: White's C6 outside D6 with Black's C5, B6 and C7 around.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . X O . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:read D5 E7 [none]

# --- Relation moves of groups: adjacent stones, the far point crowded ----------
# White's E5 against Black's D5 with Black's E6 above (as in the atari rows
# above) and White's C3: the point two out from D5 below, D3, has a stone
# around it, so the side below is not read either.  The second look along
# the sides finds White's own stone two lines out behind D5 and passes:
# nothing.

[group-contact-far-point-crowded]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at E5 D5 E4 [none]

# --- Relation moves of groups: the knight's move closed on both sides ----------
# Black's D5 and White's E7 with White's D7 beside E7: the far box point of
# the side beyond E5 (D7) is taken, and the side beyond D7 has a stone
# around its outer point C7: nothing on either side.

[group-knight-both-sides-closed]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:only D5 E7 F5 [none]
call GunKankei4Utu:only D5 E7 C7 [none]

# --- (1,4) links: the attacker outside A's line, the owner outside B's ---------
# Black's C5 and G4; White's D6 on the outer line above A's line at the
# first step, Black's C3 on the outer line below B's line at A's step.
# With that stone Black answers at E5 (A's line, second step) instead of
# D5; White's point is D5, read as White's D5, Black's D4, White's E4 (E6,
# beyond E5 from E4, touches only one White stone).  The value is Black's
# evaluation after E5 plus White's after that line, a quarter of it when
# either is negative.

[onefour-outer-first-step-owner-below]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 D4 E4 C5 E5 [E5=r:5|E5=r/4:5]

[onefour-outer-first-step-owner-below-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 D5 D4 E4 C5 E5 [D5=r:5|D5=r/4:5]

[onefour-outer-first-step-owner-below-half-turn]
# The half turn: White's F3 below B's line at B's first step, Black's G6
# above A's line at B's step: Black answers at E4, White plays F4, Black
# F5, White E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 F5 E5 C5 E4 [E4=r:5|E4=r/4:5]

[onefour-outer-first-step-owner-below-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei11Utu:read C5 G4 F4 F5 E5 C5 E4 [F4=r:5|F4=r/4:5]

# --- Extensions toward own stones: one two-space extension alone ----------------
# Black's lone E5 on 9x9 with White's stones touching every extension
# point but E8 (White's D9 and F9 close the large knight's points D8 and
# F8 without touching E8).  E8 marks the six points beside the two gaps,
# D6, E6, F6, D7, E7 and F7: not D5 or F5 beside E5.

[extension-marks-one-two-space]
black to play
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . O
  O . . . X . . . O
  O . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . O O O . . .
call Kankei6Think:marks [D6 D7 E6 E7 F6 F7]

[extension-marks-one-two-space-below]
# The same from below: E2 alone extends, marking D3, E3, F3, D4, E4, F4.
black to play
  . . . O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . O
  O . . . X . . . O
  O . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
call Kankei6Think:marks [D3 D4 E3 E4 F3 F4]

# --- Extensions toward own stones: one three-space extension ------------------
# Black's lone E6 on 9x9: the three-space point E2 extends (the others are
# on the edge line), and the (1,4) points D2 and F2 touch White's D1 and F1,
# the large knight's points B5, B7, H5, H7 and the two-space points B6, H6
# touch White's stones on the edge.  E2 marks the nine points of the three
# gaps' rows, D3 to F5; the large knight's points D3 and F3 and the
# two-space point E3 are then marked and not proposed.  D2 and F2, beside
# E2, stay unmarked.

[extension-marks-one-three-space]
black to play
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . O
  O . . . X . . . O
  O . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
call Kankei6Think:marks [D3 D4 D5 E3 E4 E5 F3 F4 F5]

# --- Relation moves of groups: the knight's move's hane-and-cut trial ----------
# Black's D5-D4 (two stones, so the sum is not halved) and White's E7 a
# knight's move apart; White to play.  The side beyond D7: its outer point
# C7 lies two from E7 on E7's line, so White, the engine, tries the hane
# and cut there: White's C6, Black's D6, White's D7, Black's C7, White's
# B6, Black's C8.  With White's A7, A8, C9 and D9 around, Black's C7-C8 is
# left with three liberties inside White's stones (nearly dead) while
# White's C6-B6 and D7-E7 stand firm: White's point is C6.  Black's point
# on that side is C7 itself.  Value Black's evaluation after C7 plus
# White's after C6.  The other side's point, F5, is named by its point.

[group-knight-trial-opponent]
white to play
  . . O O . . . . .
  O . . . . . . . .
  O . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D5 E7 C6 C6 D5 C7 [C6=r:18 F5]

[group-knight-trial-own]
# The half turn with the colours kept: Black's D5 against White's E7-E8,
# Black to play.  The side beyond E5: F5 lies two from D5 on D5's line;
# Black's trial F6, White's E6, Black's E5, White's F5, Black's G6,
# White's F4 leaves White's F5-F4 inside Black's E3, F3, H4 and H5:
# Black's point is F6, White's F5 (the outer point).  Value Black's
# evaluation after F6 plus White's after F5.  The other side's point, C7
# (Black's outer point there), is named by its point.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . X .
  . . . . . . . X .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D5 E7 F6 F5 D5 F6 [F6=r:18 C7]


# Large knight's moves, more rows: the cut two lines below the diagonal
# attacker, and the ladder reading of the two caps.  Black's pair C5-F6
# unless a row says otherwise (A = C5, B = F6), cells as in
# shapes-ogeima-cover.tst:
#     beyond B's line   C7 D7 E7 F7      (D1 D3 D5 D7)
#     B's line          C6 D6 E6 F6=B    (R1 R3 R5 R7)
#     A's line          C5=A D5 E5 F5    (R0 R2 R4 R6)
#     beyond A's line   C4 D4 E4 F4      (D0 D2 D4 D6)
# "Half turn" rows turn the diagram about the middle of the rectangle.

# --- The diagonal attacker with White two lines below the hane ---------------------------

[ogeima-diagonal-white-below-the-hane]
# As ogeima-diagonal-lone-a-short with White's D3, the point beyond D4
# from D5: White already stands below Black's hane at D5, so the pattern
# adds nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-diagonal-white-below-the-hane-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-diagonal-white-below-the-hane-half-turn]
# The half turn: White's E8 above Black's hane at E6.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . X . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-diagonal-white-below-the-hane-half-turn-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . X . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

# --- The caps' ladder reading ---------------------------------------------------------

[ogeima-caps-ladder-first-look-atari]
# Black's C5-F6 as in shapes-roles.tst's caps' ladder rows (C5 joined by
# B5; White's caps D4 and F4 with G4; Black's E8, F7, G5; White's F8, G7),
# with White's A5, B4 and C4 around C5-B5.  After White's E6, Black's E5
# and White's D5 the ladder takes E6 and C5-B5 has two liberties (B6, C6),
# four or fewer: the first look runs.  Black's D6, White's cut at C6 (two
# liberties), Black's E7 (taking E6) leave C5-B5 one liberty: White takes
# two stones at B6.  The second look (White's F5, Black's D6, White's G6,
# then G5 alone or F6-F7 captured, the worse for White: G5) is worth no
# more, so the first look's value stands, at Black's E5 or White's E6, and
# White's prepared answer after E6, when Black replies at E5, is D5.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E5 E6 E5 D5 D6 C6 E7 B6 [E5=r:5]

[ogeima-caps-ladder-first-look-atari-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E6 E6 E5 D5 D6 C6 E7 B6 [E6=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/D5]

[ogeima-caps-ladder-first-look-captured]
# As above with White's B6 as well: C5-B5 has one liberty (C6) once White
# stands at D5, so after Black's D6 White's C6 takes C5-B5 outright and
# Black's E7 takes E6.  A is gone: the value is White's evaluation there,
# again worth more than the second look, so D5 is the prepared answer.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . O . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E5 E6 E5 D5 D6 C6 E7 [E5=r:5]

[ogeima-caps-ladder-first-look-captured-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . O . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E6 E6 E5 D5 D6 C6 E7 [E6=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/D5]

[ogeima-caps-ladder-second-look-turn-in-atari]
# The second look cut short: shapes-roles.tst's caps' ladder row with
# Black's H4, F3 and G3 around White's F4-G4.  C5-B5 keeps five liberties
# (no first look); in the second, White's turn at F5 joins F4-G4 with one
# liberty left (E4): the look ends, nothing is proposed and White prepares
# no answer.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O X .
  . . . . . X X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-caps-ladder-second-look-turn-in-atari-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O X .
  . . . . . X X . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-prep C5 F6 [none]

[ogeima-caps-ladder-second-look-block-in-atari]
# The second look cut short later: the same row with Black's H6 and H7
# beside White's G7.  White's F5 stands, F6-F7 and G5 have two liberties
# each, Black turns at D6, but White's block at G6 joins G7 with one
# liberty left (G8): the look ends, nothing.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O X .
  . . . . . X . X .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-caps-ladder-second-look-block-in-atari-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O X .
  . . . . . X . X .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-prep C5 F6 [none]

# --- The crosscut beside A with Black beyond the cut --------------------------------------

[ogeima-crosscut-beside-a-cut-behind]
# White's D5 inside beside A, joined by D4 to the wall C3-E3, and Black's
# D7 beyond D6 (the outer line above B's line at step 1): the crosscut
# reading at D6.  Black's D6 (his evaluation after it) plus White's worse
# answer after her own D6: Black's C6, White's E7, Black's E6, or Black's
# E7 and White's cut at C6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D6 C6 E7 E6 F6 D6 E7 C6 C5 D6 [D6=r:5]

[ogeima-crosscut-beside-a-cut-behind-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D6 C6 E7 E6 F6 D6 E7 C6 C5 D6 [D6=r:5]

[ogeima-crosscut-beside-a-worth-one]
# The row above with White's E8 beyond E7: the worse of White's answers is
# now the first (Black's C6, White's E7, Black's E6), and with Black's D6
# the sum comes to exactly 1, a positive value: the reading stands and the
# owner's block outside (giving up D6) is not read.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D6 C6 E7 E6 F6 D6 E7 C6 C5 D6 [D6=r:5]

[ogeima-crosscut-beside-a-worth-one-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D6 C6 E7 E6 F6 D6 E7 C6 C5 D6 [D6=r:5]

# --- The contact beside A, the toucher netted ---------------------------------------------

[ogeima-contact-owner-behind-toucher-netted]
# As ogeima-contact-owner-behind (White's C6 touching A, Black's C4 behind
# A) with Black's B6, B7, C8, D8 and E8 around C6: White's stone has two
# liberties (C7, D6) but no way out, a dead stone, so the contact is not
# read: nothing.
black to play
  . . . . . . . . .
  . . X X X . . . .
  . X . . . . . . .
  . X O . . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-caps-ladder-first-look-atari-half-turn]
# The half turn of ogeima-caps-ladder-first-look-atari: F6 joined by G6
# with White's H6, G7 and F7 around it; White's caps E7 and C7 with B7.
# White's D5, Black's D6, White's E6, Black's E5, White's F5, Black's D4
# (taking D5), White's G5 takes F6-G6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O O . .
  . X . . . X X O .
  . . X . . . . . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D5 D6 E6 E5 F5 D4 G5 [D6=r:5]

[ogeima-caps-ladder-first-look-atari-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O O . .
  . X . . . X X O .
  . . X . . . . . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D5 D5 D6 E6 E5 F5 D4 G5 [D5=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [D5/D6/E6]

[ogeima-caps-ladder-first-look-captured-half-turn]
# The same with White's G5 as well: White's F5 takes F6-G6 outright.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O O . .
  . X . . . X X O .
  . . X . . . O . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D5 D6 E6 E5 F5 D4 [D6=r:5]

[ogeima-caps-ladder-first-look-captured-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O O O . .
  . X . . . X X O .
  . . X . . . O . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D5 D5 D6 E6 E5 F5 D4 [D5=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [D5/D6/E6]

[ogeima-caps-ladder-second-look-turn-in-atari-half-turn]
# The half turn of the turn in atari: Black's A7, B8 and C8 around White's
# B7-C7; White's C6 joins them with one liberty (D7): nothing.
black to play
  . . . . . . . . .
  . X X . . . . . .
  X O O . O . . . .
  . X . . . X X . .
  . . X . . . . . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-caps-ladder-second-look-turn-in-atari-half-turn-white]
white to play
  . . . . . . . . .
  . X X . . . . . .
  X O O . O . . . .
  . X . . . X X . .
  . . X . . . . . .
  . O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-prep C5 F6 [none]

[ogeima-caps-ladder-second-look-block-in-atari-half-turn]
# The half turn of the block in atari: Black's A5 and A4 beside White's
# B4; White's B5 joins it with one liberty (B3): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O . . . .
  . X . . . X X . .
  X . X . . . . . .
  X O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-caps-ladder-second-look-block-in-atari-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O . . . .
  . X . . . X X . .
  X . X . . . . . .
  X O X . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-prep C5 F6 [none]

# --- The second pass with Black already on the outer lines --------------------------------

[ogeima-second-pass-far-corner-black-beside]
# As ogeima-second-pass-far-corner (White's C7 alone, D1 of the box) with
# Black's D7 beside it on the same outer line (D3): Black already closes
# that side, so the second pass adds nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 [none]

[ogeima-second-pass-far-corner-black-below-b]
# The same with Black's E4 on the other outer line below E5 (D4): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 [none]

[ogeima-second-pass-far-corner-black-below-d5]
# The same with Black's D4 below D5 (D2): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 [none]

[ogeima-second-pass-far-corner-black-beside-half-turn]
# The half turn of the first: White's F4 alone (D6 of the box), Black's E4
# beside it: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 [none]

# --- The crosscut beside A with Black's stone in atari above ------------------------------

[ogeima-crosscut-beside-a-stone-in-atari-above]
# The crosscut row with Black's E8 in atari under White's D8, E9 and F8
# (E7 its last liberty).  After White's D6 the first answer (Black's C6,
# White's E7 taking E8, Black's E6) is the better one for White; the worse
# is Black's E7, saving E8, and White's cut at C6: that one is added to
# Black's D6.
black to play
  . . . . O . . . .
  . . . O X O . . .
  . . . X . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D6 E7 C6 C5 D6 [D6=r:5]

[ogeima-crosscut-beside-a-stone-in-atari-above-white]
white to play
  . . . . O . . . .
  . . . O X O . . .
  . . . X . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . O O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 D6 E7 C6 C5 D6 [D6=r:5]

# --- The peep with A on the first line, the hane behind A spoilt ---------------------------

[ogeima-peep-first-line-hane-point-taken]
# As ogeima-peep-first-line with Black's B1 beside A: after White's C2 and
# Black's D1, White's B1 behind A cannot be played, so the peep's reading
# ends: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . X X . . . . . .
call Kankei7Utu:read C1 F2 [none]

[ogeima-peep-first-line-hane-point-taken-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . X X . . . . . .
call Kankei7Utu:read C1 F2 [none]

[ogeima-peep-first-line-hane-in-atari]
# The same with Black's B2 instead: White's B1 would stand in atari (one
# liberty, A1), so the reading ends: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . X . . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 [none]

[ogeima-peep-first-line-hane-in-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . X . . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 [none]

# --- Patterns whose point Black already holds ---------------------------------------------

[ogeima-inside-beside-a-own-stone-at-d6]
# White's D5 inside beside A, joined by D4 (four liberties, no ladder),
# with Black already at D6, the owner's point of the crosscut (R3): D6 is
# no point for either side, and nothing is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-inside-beside-a-own-stone-at-d6-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . X O . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-contact-peep-own-stone-at-e6]
# White's C6 touching A with White's D7 above D6 and Black's D4 below D5:
# the contact would be read at E6 (White's E6 answered at E5), but Black
# already stands at E6, so Black's opening move there is refused: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . X X . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-contact-peep-own-stone-at-e6-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O . X X . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

# --- More rows: the diagonal attacker with Black beyond the far corner, the cut in atari --

[ogeima-diagonal-black-at-far-outer-corner]
# As ogeima-diagonal-lone-a-short with Black's F4 at the far corner of the
# outer line below A's line (D6): Black already holds that side, so the
# pattern adds nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . O X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-diagonal-black-at-far-outer-corner-half-turn]
# The half turn: Black's C7 above B's end of the rectangle: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . X O . .
  . . X . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-caps-ladder-first-look-cut-in-atari]
# ogeima-caps-ladder-first-look-atari with Black's C7: White's cut at C6
# after Black's D6 would stand in atari (one liberty, B6), so the first
# look stops there; the second look's value stands, as in shapes-roles.tst's
# caps' ladder row (White's F5, Black's D6, White's G6, then the worse of
# G5 or F6-F7 captured), with White's prepared answer F5 after E6 and E5.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . X . . X O . .
  . . . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E5 E6 E5 F5 D6 G6 E7 H5 F6 E6 E5 F5 D6 G6 H5 E7 [E5=r:5]

[ogeima-caps-ladder-first-look-cut-in-atari-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . X . . X O . .
  . . . . . X . . .
  O X X . . . X . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E6 E6 E5 F5 D6 G6 E7 H5 F6 E6 E5 F5 D6 G6 H5 E7 [E6=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/F5]

[ogeima-caps-ladder-first-look-cut-in-atari-alone]
# The row above without Black's G5: the first look stops at White's cut in
# atari, and with no Black stone beyond F5 there is no second look either:
# nothing.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . X . . X O . .
  . . . . . X . . .
  O X X . . . . . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-caps-ladder-first-look-cut-in-atari-alone-white]
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . X . . X O . .
  . . . . . X . . .
  O X X . . . . . .
  . O O O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

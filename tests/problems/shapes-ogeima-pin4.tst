# Large knight's moves with White on the outer lines only: the owner's
# share of the outside push, the push read against Black's stone at the far
# corner or taken by a ladder, the peep with Black at the far corner,
# the two caps, the hane behind A and White behind A, with the gates on the
# outer points.  Black's pair C5-F6 (A = C5, B = F6) unless a row says
# otherwise, cells as in shapes-ogeima-cover.tst:
#     beyond B's line   C7 D7 E7 F7      (D1 D3 D5 D7)
#     B's line          C6 D6 E6 F6=B    (R1 R3 R5 R7)
#     A's line          C5=A D5 E5 F5    (R0 R2 R4 R6)
#     beyond A's line   C4 D4 E4 F4      (D0 D2 D4 D6)
# "Half turn" rows turn the diagram about the middle of the rectangle, so
# the attacker's stone stands at F4 (D1 of the mirrored shape).

[outside-beside-a-owner]
# The position of ogeima-outside-beside-a with Black to play: White's
# push at D5, Black's block at D6 and White's hane at C6 are read as there
# (D5 keeps two liberties, no ladder takes it, A is not a lone stone in a
# working ladder), White's value the same; Black's own block at D6 adds
# Black's evaluation after D6, and Black's candidate D6 takes two thirds
# of the sum (rounded toward zero).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 D6 D5 D6 C6 F6 D5 D6 C6 D4 E5 F6 D5 D6 C6 E5 D4 C5 D6 [D6=r*2/3:5]

[outside-beside-a-owner-half-turn]
# The half turn (White's F4 outside, White's D9 above the shape): Black's
# block at E5 takes two thirds.
black to play
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 E5 E6 E5 F5 F6 E6 E5 F5 E7 D6 F6 E6 E5 F5 D6 E7 C5 E5 [E5=r*2/3:5]

[outside-owner-at-far-corner]
# As ogeima-outside-beside-a with Black's F4 below A's line at the far
# end (D6).  White's push at D5, Black's block at D6, White's hane at C6:
# D5 keeps two liberties (D4, E5) and escapes either atari (to three
# liberties), and Black's D6 escapes White's ataris (to D8 or into B), so
# no ladder changes the point: White's candidate stays at E7.  With Black
# at F4 White's push is read against Black's D4 below it instead of the
# hane and the ataris: White's D5, Black's D4.  Black's D6 added, E7 takes
# half of the sum.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 E7 D5 D4 C5 D6 [E7=r/2:5]

[outside-owner-at-far-corner-black]
# Black to play: the same sum at D6, two thirds of it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 D6 D5 D4 C5 D6 [D6=r*2/3:5]

[outside-stone-two-liberties]
# Black's B7 and C8 leave White's C7 two liberties (C6, D7): the outside
# stone is too weak to push against, nothing.
white to play
  . . . . . . . . .
  . . X . . . . . .
  . X O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[outside-stone-black-beyond-a]
# Black's C4 behind A (D0 not empty): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[outside-stone-black-below-d5]
# Black's D4 below White's push point (D2 not empty): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[outside-stone-black-below-e5]
# Black's E4 (D4 not empty): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[outside-stone-black-beside-it]
# Black's D7 beside White's C7 on the outer line (D3 own): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

# --- White's push works with a ladder on Black's block ---------------------------------

[outside-ladder-on-the-block]
# As ogeima-outside-beside-a with White's D8 above D7.  After White's D5,
# Black's D6 and White's C6, A is a lone stone with two liberties (B5,
# C4), B5 behind A has three empty neighbours, and Black's D6 (liberties
# D7, E6) is taken by White's E6: Black's D7 is left with E7 alone.  White
# pushes at D5 itself, worth White's evaluation after D5, D6, C6 plus
# Black's after D6, whole; prepared: Black's D6 answered by C6, Black's C6
# by D6.
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 D5 D5 D6 C6 C5 D6 [D5=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [D5/C6/D6 D5/D6/C6]

[outside-ladder-on-the-block-black]
# Black to play: the same sum at D6, two thirds of it.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 D6 D5 D6 C6 C5 D6 [D6=r*2/3:5]

# --- The peep at D7 with Black's F4 at the far corner ---------------------------------

[peep-far-corner-white-near-d4]
# White's peep at D7, Black's F4 below the far end, D4 and E4 empty.  D4
# is related to two White stones closely (D2 a one-space jump below it,
# B3 a knight's move away): White's answer is the push at E5 itself,
# worth White's evaluation after E5; Black's E6 adds Black's evaluation
# after it.  Black takes the sum at E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E6 [E6=r:5]

[peep-far-corner-white-near-d4-white]
# White to play: the same sum at E5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E6 [E5=r:5]

[peep-far-corner-one-white-near-d4-white]
# Without B3 D4 is related closely to D2 alone: White reads the push at
# D5, Black's D4 below it and White's E5, and takes the sum at D5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 D4 E5 C5 E6 [D5=r:5]

[peep-black-beside-it]
# White's peep at D7 with Black's C7 beside it, beyond B's line at A's end
# (D1 own): Black already holds that side, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[peep-black-beside-it-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[peep-black-below-d5]
# White's peep at D7 with Black's D4 below the push point (D2 not empty):
# nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[peep-black-at-e7]
# White's peep at D7 with Black's E7 beside it above B's line (D5 own):
# nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[outside-push-in-a-ladder]
# White's C7 outside B's line at A's end, Black's E3 and F5 below and
# beside the shape.  White's push at D5, Black's D6, White's C6 leave D5
# with two liberties (D4, E5); Black's D4 ataris, White's E5 has E4 and
# E6, Black's E6 ataris again, and White's E4 is left with F4 alone: the
# ladder takes the push, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[outside-push-in-a-ladder-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[outside-ladder-on-the-block-b4]
# As outside-ladder-on-the-block with White's B4 as well: B5 behind A
# keeps two empty neighbours (A5, B6), enough; White's push at D5 takes
# the whole sum as there.
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 D5 D5 D6 C6 C5 D6 [D5=r:5]
call Kankei7Utu:ogeima-prep C5 F6 [D5/C6/D6 D5/D6/C6]

# --- The two caps at D4 and F4 -------------------------------------------------------

[caps-black-at-e7]
# White's caps at D4 and F4 below A's line; Black's E7 stands beyond E6
# from E5 (the point White's push at E6 would run to): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[caps-b-on-the-first-line]
# Black's C2-F1, B on the first line; White's caps at D3 and F3 above A's
# line: the push at E1 would be on the first line, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . X . . . . . .
  . . . . . X . . .
call Kankei7Utu:read C2 F1 [none]

[cap-hane-point-crowded]
# As ogeima-cap-hane-behind-a with White's A7 as well: of the eight points
# around B6 only six are empty (A and A7 taken), so there is no hane
# behind A; the cap's own answers D6 and E5 stay.
black to play
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0 E5=0]

# --- White behind A ---------------------------------------------------------------

[behind-a-three-liberties]
# White's C4 behind A, A with three liberties (B5, C6, D5): A is not short
# of liberties, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[peep-marks]
# White's lone peep at D7: the points on B's line beside the peep, D6 and
# E6, are marked for the later shape moves.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-marks C5 F6 [D6 E6]

[outside-ladder-on-the-block-b5-closed]
# As outside-ladder-on-the-block with White's A5 and B4 as well: B5
# behind A keeps a single empty neighbour (B6), so White does not push
# for the ladder on D6.  White reads the push, Black's block and White's
# hane at C6, then Black's ataris on D5 (two liberties) from either side
# (Black D4, White E5; Black E5, White D4), the least of the three for
# White; Black's D6 added, White's candidate at E7 takes half.
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . O . . . . . .
  . . . . . X . . .
  O . X . . . . . .
  . O . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:outer-at C5 F6 E7 D5 D6 C6 F6 D5 D6 C6 D4 E5 F6 D5 D6 C6 E5 D4 C5 D6 [E7=r/2:5]

[cap-black-at-e4]
# White's cap at D4 with Black's E4 beside it below A's line (D4 own):
# Black already blocks that way, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[cap-black-at-d7]
# White's cap at D4 with Black's D7 above B's line (D3 own): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[cap-black-at-e5]
# White's cap at D4 with Black's E5 on A's line inside the shape (R4
# own): nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[caps-both-sides]
# White's caps at D4 below A's line and at E7 above B's line, on an open
# board: both pushes between them, D5 and E6, are tried for the side to
# play (no stone played there is dying); nothing else.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0 E6=0]

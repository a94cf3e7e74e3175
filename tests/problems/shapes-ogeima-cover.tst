# Large knight's moves: the patterns the other tables leave out.  Black's
# pair C5-F6 unless a row says otherwise (A = C5 on row 5, B = F6 on row 6):
#     beyond B's line   C7 D7 E7 F7      (D1 D3 D5 D7)
#     B's line          C6 D6 E6 F6=B    (R1 R3 R5 R7)
#     A's line          C5=A D5 E5 F5    (R0 R2 R4 R6)
#     beyond A's line   C4 D4 E4 F4      (D0 D2 D4 D6)
# "Half turn" rows turn the diagram about the middle of the rectangle, so
# that B plays A's part (the mirror placement of each pattern).  The values
# are the readings the rows name: "call Kankei7Utu:read A B M... A N..."
# sums White's reading M... (White first, alternating, scored for White) and
# Black's N... (Black first, scored for Black).

# --- Two or more White stones inside the rectangle ---------------------------------------

[ogeima-two-inside-beside-a-r3-r4]
# White's D6 and E5 inside with White's C6 beside A: R4 (E5) holds White, so
# the point is R5, E6, valued as a point for both sides: the mover's
# evaluation after its move there plus the other side's after its move there.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 E6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-two-inside-beside-a-r3-r4-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 E6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-two-inside-beside-a-r3-r5]
# White's D6 and E6 inside with C6 beside A: R4 is empty, so the point is
# R2, D5 under A's line, valued for both sides.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O O X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 D5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-two-inside-beside-a-r3-r5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O O X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 D5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-two-inside-beside-a-r2-r5]
# White's D5 and E6 inside with C6 beside A and D6 empty: the two points
# D6 (Black's) and E6 (White's) are miai.  Black's D6 is valued by Black's
# move there plus White's at E6, which is taken and counts 0; White's own
# point E6 is occupied, so White gets nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-two-inside-beside-a-r2-r5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-two-inside-beside-a-r4-r5]
# White's E5 and E6 inside with C6 beside A: the miai are E5 (Black's,
# taken: Black gets nothing) and D5 (White's), valued by White's move there
# (Black's taken E5 counts 0).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-two-inside-beside-a-r4-r5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . O X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-two-inside-beside-a-r2-r4]
# White's D5 and E5 on A's line with C6 beside A, neither D6 nor E6 White:
# no pattern answers it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . X O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-two-inside-beside-a-r2-r4-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . X O O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-two-inside-beside-b-r2-r4]
# White's D5 and E5 inside with White's F5 beside B: R4 holds White, so
# the point is E6, valued for both sides.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 E6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-two-inside-beside-b-r2-r4-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X O O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 E6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-two-inside-beside-b-r2-r3]
# White's D5 and D6 inside with F5 beside B: the miai are D6 (Black's,
# taken: nothing for Black) and E6 (White's), valued by White's move there.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-two-inside-beside-b-r2-r3-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-two-inside-beside-b-r2-r5]
# White's D5 and E6 inside with F5 beside B: Black's D6 valued by Black's
# move there; White's point E6 is taken: nothing for White.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . X O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-two-inside-beside-b-r2-r5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . X O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-two-inside-open-r2-r3]
# White's D5 and D6 inside, nothing beside the ends: the point beyond B's
# line over D6, D7, valued as a point.  For Black it is Black's move there
# (White's D7 only thickens White's own pair: below 0, which the point value
# counts as 0); for White, White's move there plus Black's.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 C5 D7 [D7=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D7=0]

[ogeima-two-inside-open-r2-r3-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D7 C5 D7 [D7=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D7=0]

[ogeima-two-inside-open-r3-r5]
# White's D6 and E6 inside, D5 empty, nothing beside the ends: the point
# E5 on A's line, valued for both sides.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-two-inside-open-r3-r5-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

# --- One White stone inside, diagonal from A ---------------------------------------------

[ogeima-diagonal-owner-behind-a]
# White's D6 alone inside; Black's C4 behind A on the outer line and E3
# (two lines beyond A's line at step 2) empty: the try at E5, valued by
# both sides' play there.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-diagonal-owner-behind-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-diagonal-owner-behind-a-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-diagonal-owner-behind-a-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-diagonal-attacker-behind-a]
# White's D6 inside with White's C4 behind A: no pattern.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-diagonal-attacker-behind-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . X . . .
  . . X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-diagonal-attacker-behind-a-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-diagonal-attacker-behind-a-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . X . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-diagonal-lone-a-short]
# White's D6 joined by C6 beside A, and White's B5: A is a lone stone with
# two liberties (C4, D5), so Black extends along A's line at E5 (four
# liberties) and White's point is D5 (neither C4's far side B4 Black nor E3
# White).  Value: Black's evaluation after E5 plus White's after D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-diagonal-lone-a-short-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . O X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 E5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-diagonal-lone-a-short-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . X . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-diagonal-lone-a-short-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . X . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 D6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-diagonal-lone-a-short-owner-behind]
# As the row above with Black's B4 on the outer line behind A (beyond C4
# from D4): White's point moves to E5 as well, so the value is Black's
# evaluation after E5 plus White's after E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . O X . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-diagonal-lone-a-short-owner-behind-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . X . . .
  . O X . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-diagonal-lone-a-short-owner-behind-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . X O . .
  . . X . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-diagonal-lone-a-short-owner-behind-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . X O . .
  . . X . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

# --- One White stone inside on A's line --------------------------------------------------

[ogeima-inside-beside-a-free]
# White's D5 alone inside on A's line, three liberties, no ladder on it:
# Black's point D6, White's answer the same D6 (White's C4/B5 side is empty,
# A has three liberties).  Value: Black's evaluation after D6 plus White's
# after D6; White's candidate is the cut (reason 3).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-inside-beside-a-free-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 [D6=r:3]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-inside-beside-a-free-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-inside-beside-a-free-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 [E5=r:3]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-inside-beside-a-ladder]
# White's D5 with Black's D4, E4 and E6 around it: two liberties, and
# Black's D6 atari sends it to E5 with one liberty: the stone is caught by
# the ladder, so the pattern leaves it alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . X O . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-inside-beside-a-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . X O . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-inside-beside-a-ladder-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . O X . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-inside-beside-a-ladder-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . O X . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-inside-ladder-on-a]
# White's D5 (joined by D4) inside with White's B5 and B4 beside A: after
# Black's D6, A has two liberties and White's C6 takes it in a ladder (C4
# has one liberty after Black's C4), so Black's value is its evaluation
# after D6 and White's C6.  White's B5 stands behind A, C6 is no
# self-atari for White: White's point is D6 itself, valued by White's move
# there.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . O X O . . . . .
  . O . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 C6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-inside-ladder-on-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . O X O . . . . .
  . O . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D6 C6 [D6=r:3]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-inside-ladder-on-a-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . O . .
  . . . . O X O . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 F5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-inside-ladder-on-a-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . O . .
  . . . . O X O . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E5 F5 [E5=r:3]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-inside-first-line]
# Black's C2 (with C3) and F1: B on the first line.  White's D2 inside
# with White's B2 behind A and F2 at B's end.  Black's point is D1; White's
# the better of C1 and E1 (C1 is no self-atari for White).  Black's value:
# its evaluation after D1 plus the better of White's after C1 or E1; White's
# the same sum at its better point (reason 3, the cut).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X O . O . . .
  . . . . . X . . .
call Kankei7Utu:read C2 F1 C1 F1 E1 C2 D1 [D1=r:5]
call Kankei7Utu:ogeima-bonus C2 F1 [D1=0]

[ogeima-inside-first-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X O . O . . .
  . . . . . X . . .
call Kankei7Utu:read C2 F1 C1 F1 E1 C2 D1 [C1=r:3|E1=r:3]
call Kankei7Utu:ogeima-bonus C2 F1 [C1=0|E1=0]

[ogeima-inside-first-line-mirror]
# The same shape reflected left to right with the pair written C1-F2, so
# that it is B's end that stands as A did: White's E2 inside, G2 behind F2,
# C2 at C1's end.  Black's E1; White's better of F1 and D1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . O X O . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 F1 F2 D1 C1 E1 [E1=r:5]
call Kankei7Utu:ogeima-bonus C1 F2 [E1=0]

[ogeima-inside-first-line-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . O X O . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 F1 F2 D1 C1 E1 [F1=r:3|D1=r:3]
call Kankei7Utu:ogeima-bonus C1 F2 [F1=0|D1=0]

[ogeima-inside-first-line-end-filled]
# As the first-line row with Black's E1 filled in beside B: White's play
# at E1 counts 0, and White's C1 (taking a liberty of C2-C3 beside its B2)
# is worth more, so White's point is C1 and the sum is Black's after D1 plus
# White's after C1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X O . O . . .
  . . . . X X . . .
call Kankei7Utu:read C2 F1 C1 C2 D1 [D1=r:5]
call Kankei7Utu:ogeima-bonus C2 F1 [D1=0]

[ogeima-inside-first-line-end-filled-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O X O . O . . .
  . . . . X X . . .
call Kankei7Utu:read C2 F1 C1 C2 D1 [C1=r:3]
call Kankei7Utu:ogeima-bonus C2 F1 [C1=0]

[ogeima-inside-first-line-end-filled-mirror]
# The mirror of the row above: Black's D1 filled in beside C1; White's
# point F1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . O X O . .
  . . X X . . . . .
call Kankei7Utu:read C1 F2 F1 C1 E1 [E1=r:5]
call Kankei7Utu:ogeima-bonus C1 F2 [E1=0]

[ogeima-inside-first-line-end-filled-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . O X O . .
  . . X X . . . . .
call Kankei7Utu:read C1 F2 F1 C1 E1 [F1=r:3]
call Kankei7Utu:ogeima-bonus C1 F2 [F1=0]

# --- A White stone beside A on B's line --------------------------------------------------

[ogeima-contact-in-atari]
# White's C6 touching A with Black's B6 and D6 around it: one liberty
# left (C7), no pattern.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O X . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-contact-in-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O X . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-contact-in-atari-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . X O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-contact-in-atari-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . X O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-contact-two-liberties]
# White's C6 with two liberties (Black's B6): Black takes D6 (D7 empty);
# White's D5 under A is answered by Black's D6, A keeping two liberties.
# Value: Black's evaluation after D6 plus White's after D5 and Black's D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 D6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-contact-two-liberties-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 D6 C5 D6 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-contact-two-liberties-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 E5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-contact-two-liberties-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . O X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 E5 C5 E5 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-contact-owner-behind]
# White's C6 with Black's C4 behind A: the point is E5 for both sides:
# White's E5 answered by Black's E6, plus Black's evaluation after E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 E6 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-contact-owner-behind-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . X . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 E6 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-contact-owner-behind-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 D5 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-contact-owner-behind-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . X . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 D5 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-contact-first-line-alone]
# A (C1) on the first line, White's C2 beside it with nothing beyond B's
# line at D3 and E3: the edge hane is not read, nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 [none]
call Kankei7Utu:ogeima-bonus C1 F2 [none]

[ogeima-contact-first-line-alone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 [none]
call Kankei7Utu:ogeima-bonus C1 F2 [none]

# --- The peep beyond B's line at step 1 --------------------------------------------------

[ogeima-peep-first-line]
# Black's C1-F2 (A on the first line) and White's peep D3.  White's C2,
# Black's D1, White's B1 (two liberties): White's evaluation there.  B2
# is empty, so the point is C2 for both; Black adds its own evaluation after
# C2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 C2 D1 B1 C1 C2 [C2=r:5]
call Kankei7Utu:ogeima-bonus C1 F2 [C2=0]

[ogeima-peep-first-line-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 C2 D1 B1 C1 C2 [C2=r:5]
call Kankei7Utu:ogeima-bonus C1 F2 [C2=0]

[ogeima-peep-first-line-prepared]
# As above: White's C2 comes with the prepared answer D1 to B1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
call Kankei7Utu:ogeima-prep C1 F2 [none]

[ogeima-peep-first-line-prepared-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
call Kankei7Utu:ogeima-prep C1 F2 [C2/D1/B1]

[ogeima-peep-first-line-beyond]
# As above with White's B2 beyond C2: Black's point is D2 instead, valued
# by Black's move there; White's point stays C2 with the same sum.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 C2 D1 B1 C1 D2 [D2=r:5]
call Kankei7Utu:ogeima-bonus C1 F2 [D2=0]

[ogeima-peep-first-line-beyond-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . O . . . X . . .
  . . X . . . . . .
call Kankei7Utu:read C1 F2 C2 D1 B1 C1 D2 [C2=r:5]
call Kankei7Utu:ogeima-bonus C1 F2 [C2=0]

[ogeima-peep-first-line-mirror]
# B on the first line instead (C2-F1) with White's peep E3: the mirror
# placement, White's F2, Black's E1, White's G1; the point F2 for both.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . X . . .
call Kankei7Utu:read C2 F1 F2 E1 G1 C2 F2 [F2=r:5]
call Kankei7Utu:ogeima-bonus C2 F1 [F2=0]

[ogeima-peep-first-line-mirror-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . X . . .
call Kankei7Utu:read C2 F1 F2 E1 G1 C2 F2 [F2=r:5]
call Kankei7Utu:ogeima-bonus C2 F1 [F2=0]

[ogeima-peep-owner-at-far-corner]
# White's peep D7 with Black's F4 on A's outer line at B's end and D4, E4
# empty: Black's point E6 (its evaluation after E6); White, with nothing
# of its own near D4, pushes at D5, Black blocks at D4, White turns at E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 D4 E5 C5 E6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-peep-owner-at-far-corner-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 D4 E5 C5 E6 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-peep-owner-at-far-corner-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 E7 D6 C5 D5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-peep-owner-at-far-corner-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 E7 D6 C5 D5 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-peep-owner-at-far-corner-backed]
# As above with White's C3 and E2 near D4 (two relations of White stones
# within a knight's move): White plays E5 at once; the value is Black's
# after E6 plus White's after E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-peep-owner-at-far-corner-backed-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E5 C5 E6 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-peep-owner-at-far-corner-backed-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . O . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-peep-owner-at-far-corner-backed-half-turn-white]
white to play
  . . . O . . . . .
  . . . . . O . . .
  . . X . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D6 C5 D5 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-peep-atari-beside-a]
# White's peep D7 and C7, with B5 and C4 around A: White's C6 would
# atari A, so Black's point is E5 (its evaluation after E5) and White's
# push D5 is read alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . X . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-peep-atari-beside-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . . . . X . . .
  . O X . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 E5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-peep-atari-beside-a-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . X O . .
  . . X . . . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-peep-atari-beside-a-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . X O . .
  . . X . . . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 D6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-peep-owner-above-e7]
# White's peep D7 with Black's E8 above E7: Black's E6, White's D6,
# Black's D5, White's E5 leaves White's E5 with two liberties and a free
# way out (E4, F5): no ladder, so Black's point is E5, valued by Black's
# move there, plus White's push at D5.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 E5 [E5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E5=0]

[ogeima-peep-owner-above-e7-white]
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 D5 C5 E5 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-peep-owner-above-e7-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 D6 [D6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0]

[ogeima-peep-owner-above-e7-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 C5 D6 [E6=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

[ogeima-peep-push-dead]
# White's peep D7 with Black's D6 and E5 around D5: Black's own points
# (D6, and E5 on A's line) are taken, so Black gets nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X . X . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]

[ogeima-peep-push-dead-half-turn]
# The half turn (White's peep E4, Black's E5 and D6 around E6): White's
# push at E6 keeps one liberty, a dead stone, so its evaluation is cut to a
# third (Black's own points count 0); nothing for Black.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-peep-push-dead-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . X . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 E6 [E6=r/3:5]
call Kankei7Utu:ogeima-bonus C5 F6 [E6=0]

# --- The cap on A's outer line at step 1 -------------------------------------------------

[ogeima-cap-hane-behind-a]
# White's cap D4; Black's B3 beyond C4 from D5, C4 empty; B6 and its
# surroundings empty but for A, and A related to two Black stones (F6, B3):
# the hane behind A.  Its value is White's evaluation after D5 and D6 with
# Black passing between, at B6 for Black (beside D6 and E5, the cap's own
# points) and at D5 for White (worth more than the cap's other answers: two
# White moves in a row).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-pass-at C5 F6 B6 D5 C5 D6 [B6=r:5 D6 E5]
call Kankei7Utu:ogeima-bonus C5 F6 [B6=0 D6=0 E5=0]

[ogeima-cap-hane-behind-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-pass-at C5 F6 D5 D5 C5 D6 [D5=r:5]
call Kankei7Utu:ogeima-bonus C5 F6 [D5=0]

[ogeima-cap-hane-behind-b]
# The half turn: White's cap E7, Black's G8; the hane at G5 for Black.
black to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-pass-at C5 F6 G5 E6 C5 E5 [G5=r:5 E5 D6]
call Kankei7Utu:ogeima-bonus C5 F6 [G5=0 E5=0 D6=0]

[ogeima-cap-small-turn]
# The cap position of the hane row: Black's answer at D6 is small (the cut
# at C6 behind White's push gains little), so White's turn at F5 is read as
# well: White's D5, Black's D6, White's F5, Black's G5 beyond it; Black's
# E5, valued by White's evaluation after those plus Black's after E5, under
# the relation moves of groups (18).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E5 D5 D6 F5 G5 C5 E5 [B6 D6 E5=r:18]
call Kankei7Utu:ogeima-bonus C5 F6 [B6=0 D6=0 E5=0]

[ogeima-cap-small-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C5 F6 [D5/D6/F5]

[ogeima-cap-small-turn-half-turn]
# The half turn: White's cap E7 and turn at C6 (Black's B6 beyond it);
# Black's D6.
black to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D6 E6 E5 C6 B6 C5 D6 [G5 E5 D6=r:18]
call Kankei7Utu:ogeima-bonus C5 F6 [G5=0 E5=0 D6=0]

[ogeima-cap-small-turn-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . X . .
  . . . . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-prep C5 F6 [E6/E5/C6]

[ogeima-cap-third-friend]
# As above with Black's A4 as well: A is related to three Black stones, so
# there is no hane behind A; the turn is read as before.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  X . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E5 D5 D6 F5 G5 C5 E5 [D6 E5=r:18]
call Kankei7Utu:ogeima-bonus C5 F6 [D6=0 E5=0]

[ogeima-caps-ladder-b-three-liberties]
# The caps D4 and F4 with White's G4 and G7, Black's E8, F7, G5, C5 joined
# by B5, as in the ladder row of shapes-roles.tst but without White's F8.
# After White's E6, Black's E5 and White's D5 the ladder still takes E6
# (Black's D6, E7 has one liberty), so the cap's ladder reading runs: A's
# chain has five liberties (no cut behind), and after White's F5 the
# chain F6-F7 keeps three liberties (E7, G6, F8): the second look stops
# and nothing is proposed.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-caps-ladder-b-three-liberties-white]
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X O . .
  . . . . . X . . .
  . X X . . . X . .
  . . . O . O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-caps-ladder-b-three-liberties-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O . . . .
  . X . . . X X . .
  . . X . . . . . .
  . O X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-caps-ladder-b-three-liberties-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O O . O . . . .
  . X . . . X X . .
  . . X . . . . . .
  . O X . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:read C5 F6 [none]
call Kankei7Utu:ogeima-bonus C5 F6 [none]

[ogeima-caps-marks]
# White's caps D4 and F4: the four inner points are marked for the later
# shape moves.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-marks C5 F6 [D5 D6 E5 E6]

[ogeima-caps-marks-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-marks C5 F6 [D5 D6 E5 E6]

[ogeima-caps-marks-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-marks C5 F6 [E6 E5 D6 D5]

[ogeima-caps-marks-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:ogeima-marks C5 F6 [E6 E5 D6 D5]

# --- Outside B's line at A's end ---------------------------------------------------------

[ogeima-outside-beside-a]
# White's C7 outside B's line at A's end (four liberties), White's E3
# below the shape.  White pushes at D5, Black blocks at D6, White hanes at
# C6: D5 has two liberties and no ladder takes it, so Black's ataris from
# either side are read (Black D4, White E5; Black E5, White D4), none a loss
# for White: White's value is the least of the three evaluations.  With
# Black's evaluation after D6 added, White's candidate at E7 takes half.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 E7 D5 D6 C6 F6 D5 D6 C6 D4 E5 F6 D5 D6 C6 E5 D4 C5 D6 [E7=r/2:5]

[ogeima-outside-beside-a-half-turn]
# The half turn of the row above, White's D9 above the shape taking the
# part of E3 (none of Black's ataris a loss for White).
white to play
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Utu:at C5 F6 D4 E6 E5 F5 F6 E6 E5 F5 E7 D6 F6 E6 E5 F5 D6 E7 C5 E5 [D4=r/2:5]

[ogeima-outside-near-edge-blocked]
# Black's C2-F3 (A's line the second line) with White's C4 beyond B's line
# at A's end and White's B3 behind C3: the ladder near the edge would be
# read, but Black's F2 fills R6: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . . X . . .
  . . X . . X . . .
  . . . . . . . . .
call Kankei7Utu:read C2 F3 [none]
call Kankei7Utu:ogeima-bonus C2 F3 [none]

[ogeima-outside-near-edge-blocked-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . O . . . X . . .
  . . X . . X . . .
  . . . . . . . . .
call Kankei7Utu:read C2 F3 [none]
call Kankei7Utu:ogeima-bonus C2 F3 [none]

# --- The second pass: White only beyond B's line at A's end ------------------------------

[ogeima-second-pass-far-corner]
# White's C7 alone near the shape.  White's reading: D6, Black's D5,
# White's E6, Black's E5, then White's F7 (three of its neighbours empty).
# Black's: D6.  D6 takes the sum, under the second pass (21); for White
# with the prepared answer E6 to D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 D6 D5 E6 E5 F7 C5 D6 [D6=r:21]

[ogeima-second-pass-far-corner-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 D6 D5 E6 E5 F7 C5 D6 [D6=r:21 D6/D5/E6]

[ogeima-second-pass-far-corner-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 E5 E6 D5 D6 C4 C5 E5 [E5=r:21]

[ogeima-second-pass-far-corner-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 E5 E6 D5 D6 C4 C5 E5 [E5=r:21 E5/E6/D5]

[ogeima-second-pass-far-corner-closed]
# As above with Black's G7: F7 keeps only two empty neighbours, so White's
# reading ends at E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . X . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 D6 D5 E6 E5 C5 D6 [D6=r:21]

[ogeima-second-pass-far-corner-closed-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . X . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 D6 D5 E6 E5 C5 D6 [D6=r:21 D6/D5/E6]

[ogeima-second-pass-far-corner-closed-half-turn]
# The half turn of the row above (A and B exchange their parts).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . X . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 E5 E6 D5 D6 C5 E5 [E5=r:21]

[ogeima-second-pass-far-corner-closed-half-turn-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . X . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei7Hokyo:ogeima-read C5 F6 E5 E6 D5 D6 C5 E5 [E5=r:21 E5/E6/D5]


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
# X1
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
# X2
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
# X3
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
# X4
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

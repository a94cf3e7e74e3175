# Knight's moves: the contact handler read from the other corner ("call
# KeimaTuke:pin A B P [Q] F...", as in keima-pin.tst: the candidate at P
# against the sum of readings F..., a term opened by A read with the
# owner first, one opened by B with the attacker first).  "HaneMore:value-own
# A M..." and "HaneMore:value A M..." print the premises: the owner's
# (the attacker's) reading, scored for the side that starts it.

# --- The touched stone with two liberties beside an attacker's chain in atari ---

[dame2-capture-beside-turned]
# The position of keima-pin5.tst [dame2-capture-beside-black] turned half a
# circle: Black's F5-E3, White's contact E5 touching S = F5, White's F6
# next to S in atari (Black's F7 and G6), its last liberty E6.  S keeps two
# liberties (G5, F4) and no ladder takes it, since it can always capture
# F6.  After White's push at M = F4 Black captures at E6 instead of
# running, so the attacker's reading v is White F4, Black E6 (scored for
# White); the owner's vo is Black's F4 alone.  T = E5 keeps three
# liberties and Black captured, so the answer stays at M.  Premises:
# vo = -5, v = 27 (White's F4 alone, without the capture, reads 42).
# Black's F4 sets up no double atari (value -1); vo lies below it and is
# raised halfway: -5 + (-1 - -5) div 2 = -3, under the cap 2 x (vo + v) =
# 44.  The value is -3 + 27 = 24, two more than the plain sum r = 22.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . O X . .
  . . . . O X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin F5 E3 F4 E3 F4 E6 F5 F4 [F4=r+2:5]
call KeimaTuke:pin E3 F5 F4 F5 F4 E6 E3 F4 [F4=r+2:5]
ladder F5 [0]
call HaneMore:value-own F5 F4 [-5]
call HaneMore:value F5 F4 E6 [27]
call HaneMore:value F5 F4 [42]

# --- Beside a middle point: the ladder on Nb, the point beyond Fd taken ---------------
# The position of shapes-hane-more.tst [naka-ladder-nb] with Black's C7
# added (the point beyond Fd = D7 from Nb = E7).  Black's D5-D4 and E7,
# White's C6, D8-E8-F8 and H7.  As there, White's cut at E5 does not work
# (the cut row), E7 keeps three liberties (D7, E6, F7) and after White's
# push E6 and Black's block D6 the ladder takes E7 with D7 first (the
# ladder row: White's D7 joins D8, Black's F7, White's G7 and E7-F7 is
# left with F6).  D8 beyond D7 is White's, but C7 is not empty, so Black's
# D7 and White's C7 are not read and Black's point stays the block at D6:
# D7 is not proposed, D6 is.

[naka-ladder-nb-beyond-taken-premises]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . X . X . . O .
  . . O . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:cut D5 E5 E6 D5 D6 E6 [no cut]

[naka-ladder-nb-beyond-taken-ladder]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . X . X . . O .
  . . O X O . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E7 [1 D7]

[naka-ladder-nb-beyond-taken]
black to play
  . . . . . . . . .
  . . . O O O . . .
  . . X . X . . O .
  . . O . . . . . .
  . . . X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D7 E7 E6 D6 D7 [D6]

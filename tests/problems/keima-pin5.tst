# Knight's moves: more known answers of the contact handler ("call
# KeimaTuke:pin A B P [Q] F...", tests/engine/shapes/KeimaPinRoutines.cpp:
# F... a sum of readings, a term starting with A for the owner's reading or
# B for the attacker's).  Each row stands beside a row of keima-pin.tst or of
# this file that differs in one stone, and the answer changes with it.

# --- The touched stone with two liberties beside an attacker's chain in atari ---

[dame2-capture-beside-black]
# The position of keima-pin.tst [pin-dame2-black] with Black's C4 and D3
# added: White's D4 next to S = D5 is now in atari, its last liberty E4.
# S keeps two liberties (C5, D6) and no ladder takes it, since it can always
# capture D4.  After White's push at M = D6 Black does not run but captures
# at E4, so the attacker's reading v is White D6, Black E4 (scored for
# White); the owner's vo is Black's D6 alone.  T = E5 keeps three liberties
# and Black captured, so the answer stays at M.  Premises: vo = -5, v = 27
# (White's D6 alone, without the capture, reads 42).  Black's D6 sets up no
# double atari, whose value is then -1; vo lies below it and is raised
# halfway: -5 + (-1 - -5) div 2 = -3, under the cap 2 x (vo + v) = 44.  The
# value is -3 + 27 = 24, two more than the plain sum r = 22.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . X O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 E7 D6 E4 D5 D6 [D6=r+2:5]
call KeimaTuke:pin E7 D5 D6 D5 D6 E4 E7 D6 [D6=r+2:5]
ladder D5 [0]
call HaneMore:value-own D5 D6 [-5]
call HaneMore:value D5 D6 E4 [27]
call HaneMore:value D5 D6 [42]

# --- M on the third line, N on the fourth: the owner's block carries no bonus ---

[sandan-black-block]
# The position of keima-cover.tst [sandan-black], Black to play: Black's
# C5-D7, White's contact D5 with three liberties, M = C6 on the third line,
# N = D6 on the fourth, E_M = B6 empty with two empty neighbours, E_F = B7
# White's.  After Black's D6 White's C6 is laddered, so Black's block at N
# carries the push-and-hane reading (White's C6, Black's D6, White's B6,
# scored for White) with no bonus; the hane below is answered at D4.
black to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . . . . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin C5 D7 D6 D7 C6 D6 B6 [D4 D6=r:5]
call KeimaTuke:pin D7 C5 D6 C5 C6 D6 B6 [D4 D6=r:5]

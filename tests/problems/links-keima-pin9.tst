# Jump links and knight's-move shapes, ninth set.  Lines and forms as in
# links-twospace.tst (LinkRoutines.cpp) and links-roles.tst.

[one-space-wedge-stone-behind-corner-tie-white]
# The position of one-space-wedge-stone-behind-corner-tie in links-roles.tst
# (Black's jump C5-E5, White's wedge D5-D6, Black's block D4, the corner C4
# with White B4 behind it), White to play.  White's side: White C4, Black D4
# (h1, no ladder on D4) against White D4, Black C4 (h3, smaller): White's
# point is its corner C4, while Black's point is the block D4.  White to
# play takes White's point C4 at the same value, h0 + h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . X O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 D7 C5 C4 D4 C5 C4 D4 C5 D4 C4 [C4=h0+h1:5]

[uke-outer-point-taken-black]
# The position of uke-equal-tries (keima-soto-pin.tst: Black's D5-E7,
# White's F5 beyond E5 and E8 beyond E7, Black's H8 and J1, White's J8) with
# White's D8 and F6 as well.  In the owner's answer after the hane Mq is E6,
# Sd is E5, Mp is D6, and the outer point beyond Mq is F6, here White's: no
# stone of Black's at F4 (Q1), F6 not empty, E5-E6 not the third and second
# line, so the answer is Mq = E6, and the try of Sd = E5 is made only when
# F6 is empty (premises: Black's E5 is worth more than E6).  White's D8
# (Q6) blocks the block at C7 and the point D8 itself; B8 beyond C7 is on the
# second line.  Black to play proposes E6.
black to play
  . . . . . . . . .
  . . . O O . . X O
  . . . . X . . . .
  . . . . . O . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call HaneMore:value-own D5 E6 [-2]
call HaneMore:value-own D5 E5 [3]
call KeimaSotoHane:at D5 E7 E5 [E6]

# --- White's stones on both side points, both of White's tries laddered ---------
# Black's D5-E7 with White's E5 and D7 on both side points; Black's C8 and
# D8 above D7, C6 beside D6, F5 and E4 around E5 (White's E5 is in atari
# at E6).  White's tries: D6 leaves D6-D7 with C7 and E6 and the ladder takes
# it (first move E6); E6 leaves E5-E6 with D6 and F6 and the ladder takes it
# (first move F6): each laddered try is worth -9, so White's side is -9.
# Black's tries: D6 answered by White's E6 (-9 for Black), E6 answered by
# White's D6 (0; White's D6-D7 is then in atari, not a two-liberty ladder,
# so the answer stands).  Black's side is 0: neither side above 0, no side
# is raised, and 0 + -9 is not above 0: no candidate, whoever plays.

[ryo-tuke-both-tries-laddered-black]
black to play
  . . . . . . . . .
  . . X X . . . . .
  . . . O X . . . .
  . . X . . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D5 D6 E6 [-9]
call HaneMore:value-own D5 E6 D6 [0]
call KeimaTuke:read D5 E7 [none]

[ryo-tuke-both-tries-laddered-white]
white to play
  . . . . . . . . .
  . . X X . . . . .
  . . . O X . . . .
  . . X . . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

[ryo-tuke-both-tries-laddered-premise-d6]
# Premise: after White's D6 the ladder takes D6-D7, starting at E6.
black to play
  . . . . . . . . .
  . . X X . . . . .
  . . . O X . . . .
  . . X O . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [1 E6]

[ryo-tuke-both-tries-laddered-premise-e6]
# Premise: after White's E6 the ladder takes E5-E6, starting at F6.
black to play
  . . . . . . . . .
  . . X X . . . . .
  . . . O X . . . .
  . . X . O . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E6 [1 F6]

# --- White's first try laddered, the second not --------------------------------
# Black's D5-E7 with White's E5 and D7 on both side points; Black's D8 above
# D7, C6 beside D6 and E4 below E5; White's B6, Black's B3 and F9 away.
# White's tries: D6 leaves D6-D7 with C7 and E6, and the ladder takes it
# (premise; first move C7): -9.  E6 leaves E5-E6 with D6, F5 and F6, no
# ladder: White's E6 answered by Black's D6, worth 0 to White (premise).
# White's side: 0.  Black's tries: D6 (joined to C6 and D5, no ladder)
# answered by White's E6, 0 to Black; E6 answered by White's D6, -4 (D6-D7
# is then in atari, not a two-liberty ladder, so the answer stands).  Black's
# side: 0.  0 + 0 is not above 0: no candidate, whoever plays.  (White's D6
# answered by Black's E6 would be worth 4 to White: the laddered try must
# not be read.)

[ryo-tuke-first-try-laddered-black]
black to play
  . . . . . X . . .
  . . . X . . . . .
  . . . O X . . . .
  . O X . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value D5 E6 D6 [0]
call HaneMore:value D5 D6 E6 [4]
call HaneMore:value-own D5 D6 E6 [0]
call HaneMore:value-own D5 E6 D6 [-4]
call KeimaTuke:read D5 E7 [none]

[ryo-tuke-first-try-laddered-white]
white to play
  . . . . . X . . .
  . . . X . . . . .
  . . . O X . . . .
  . O X . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]

[ryo-tuke-first-try-laddered-premise-d6]
# Premise: after White's D6 the ladder takes D6-D7, starting at C7.
black to play
  . . . . . X . . .
  . . . X . . . . .
  . . . O X . . . .
  . O X O . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [1 C7]

[ryo-tuke-first-try-laddered-premise-e6]
# Premise: after White's E6 no ladder takes E5-E6.
black to play
  . . . . . X . . .
  . . . X . . . . .
  . . . O X . . . .
  . O X . O . . . .
  . . . X O . . . .
  . . . . X . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E6 [0]

# --- Two-space jump, a peep and the reading of the corner exchange -----------------
# Black's two-space jump C5-F5, White's D6 peeping at the gap D5 (Pg; Og is
# E5, Op D4 below D5, N = C5, Far = F5, Nc = C4, Q4 = E4); White's G6,
# Black's H8 and B3.  Q1 (D3), Q2 (C3) and Q3 (E3) are empty.  The push at
# Q4: after White E4, Black E5, White D5, Black D4 White's E4 group is weak
# (premise), so no value there.  White's D5, Black's D4: the plain push is
# worth -7; the knight's move D4-F5 with White's D5 (16 read on the board
# with D5 and D4 standing) stays below h1; the cut at C4 between D4 and C5
# reads nothing (-1).  The corner reading: White E4
# (A1), Black E5 (A2), White C4 (A3): C4 keeps B4 and C3, Black's D4 is left
# with D3 alone; Black D3, and C5 (B5, C6) is caught in a ladder starting at
# B5: White's B5 is worth 40.  Then, with E4 still on the board, Black takes
# C4 (A3) and White E5 (A2): h1.  The reading is the smaller, h1 (22), above
# the knight's move, -7 and -1: White's value h1.  Black's D5 is worth h0 (0, not
# negative; no ladder takes D6).  D5 gets h0 + h1.

[two-space-peep-corner-exchange-white]
white to play
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
  . . . O . . X . .
  . . X . . X . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own C5 D5 [0]
call HaneMore:value C5 D5 D4 [-7]
call HaneMore:value C5 D5 D4 E4 C4 E5 [22]
call HaneMore:value C5 D5 D4 E4 E5 C4 D3 B5 [40]
call HaneMore:group C5 E4 E4 E5 D5 D4 [dl=78 weak=1 d70=1 d90=0]
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 E4 C4 E5 [D5=s:5]

[two-space-peep-corner-exchange-premise-push]
# Premises after White's D5 and Black's D4: the knight's move D4-F5 and the
# cut at C4.
black to play
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
  . . . O . . X . .
  . . X O . X . . .
  . . . X . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTukeUtu:value D4 F5 [16]
call KiriHyoka:cover C4 D4 C5 [-1]

[two-space-peep-corner-exchange-premise-ladder]
# Premise: after White E4, Black E5, White C4, Black D3 the ladder takes
# C5, starting at B5.
black to play
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
  . . . O . . X . .
  . . X O X X . . .
  . . O X O . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C5 [1 B5]

[two-space-peep-corner-exchange-premise-peep]
# Premise: after Black's D5 no ladder takes White's D6.
white to play
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
  . . . O . . X . .
  . . X X . X . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]

# The same shape with White's C7, E7 and F8 above and Black's H8: Black's
# two-space jump C5-F5, White's D6 peeping at D5, White's G6, Black's B3.
# The push at Q4 again leaves White's E4 group weak (premise): no value.
# White's D5, Black's D4: the plain push is worth -6; the
# knight's move D4-F5 (13 read on the board with D5 and D4 standing) and the
# cut at C4 (-1) stay below the corner reading.  The corner reading: White
# E4, Black E5, White C4, Black D3 (D4's last liberty), the ladder on C5
# from B5 (premise): h1 (14).  The exchange, Black C4 and White E5 with E4
# standing, is worth 19 to White, more than h1, so the reading is h1.
# Black's D5: h0 (3; no ladder takes D6).  D5 gets h0 + h1 = s.

[two-space-peep-corner-ladder-smaller-white]
white to play
  . . . . . . . . .
  . . . . . O . X .
  . . O . O . . . .
  . . . O . . X . .
  . . X . . X . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own C5 D5 [3]
call HaneMore:value C5 D5 D4 [-6]
call HaneMore:value C5 D5 D4 E4 C4 E5 [19]
call HaneMore:group C5 E4 E4 E5 D5 D4 [dl=78 weak=1 d70=1 d90=0]
call Kankei6Nozoki C5 F5 C5 D5 C5 D5 D4 E4 E5 C4 D3 B5 [D5=s:5]

[two-space-peep-corner-ladder-smaller-premise-push]
white to play
  . . . . . . . . .
  . . . . . O . X .
  . . O . O . . . .
  . . . O . . X . .
  . . X O . X . . .
  . . . X . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTukeUtu:value D4 F5 [13]
call KiriHyoka:cover C4 D4 C5 [-1]

[two-space-peep-corner-ladder-smaller-premise-ladder]
# Premise: after White E4, Black E5, White C4, Black D3 the ladder takes
# C5, starting at B5.
white to play
  . . . . . . . . .
  . . . . . O . X .
  . . O . O . . . .
  . . . O . . X . .
  . . X O X X . . .
  . . O X O . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C5 [1 B5]

[two-space-peep-corner-ladder-smaller-premise-peep]
# Premise: after Black's D5 no ladder takes White's D6.
white to play
  . . . . . . . . .
  . . . . . O . X .
  . . O . O . . . .
  . . . O . . X . .
  . . X X . X . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [0]

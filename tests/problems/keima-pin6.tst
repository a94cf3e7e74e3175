# Knight's moves: more known answers of the second pass ("Kankei4Hokyo:pin
# A B P [Q] F...", "Kankei4Hokyo:marks A B", tests/engine/shapes/
# KeimaPinRoutines.cpp), of the contact handler and of the answers to
# outside stones.  Rows come in pairs that differ in one stone, and the
# answer changes with it.  "HaneMore:value" / "value-own" / "group" rows
# (HaneMoreRoutines.cpp) state the readings the answers rest on.

# --- The second pass, outside pattern: the cutting stone dies -------------------
# Black's D5-E7, White's lone C6 outside the cutting point D6 (P1 = D6,
# P2 = E6, S = D5).  C6 has three liberties and the analysis does not count
# it dead, so the pattern reads: Black's D6 (e_def) and White's cut D6
# answered by Black's E6 (e_att).  The pattern gives up only when White's
# group at D6 is then dead by the 90 rule.

[k4-outside-cut-lives]
# Nothing more on the board: after White's D6 and Black's E6 the White
# stones C6-D6 still have room (B6, C5, C7, D7), and the value reads on.
# S = D5 keeps three liberties, so no ladder is read; with White to play
# the bonus reading (White's D6 and E6, Black passing) is above twice the
# sum, so the value is doubled and the bonus dropped: 2 x (0 + -3) = -6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status C6 [alive]
call HaneMore:value-own D5 D6 [0]
call HaneMore:value D5 D6 E6 [-3]
call Kankei4Hokyo:pin D5 E7 D6 E6 D5 D6 E7 D6 E6 [D6=2r:21]
call Kankei4Hokyo:pin E7 D5 D6 E6 E7 D6 D5 D6 E6 [D6=2r:21]
call Kankei4Hokyo:marks D5 E7 [D6=1]

[k4-outside-cut-dies]
# Black's C5 added below C6: C6 keeps three liberties (B6, C7, D6) and is
# still not counted dead, but after White's D6 and Black's E6 the chain
# C6-D6 is shut in by C5-D5, E6 and E7 and the analysis counts it dead:
# the pattern gives up, nothing is proposed or marked, whoever plays.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status C6 [alive]
call HaneMore:group D5 D6 D6 E6 [dead]
call Kankei4Hokyo:pin D5 E7 D6 [none]
call Kankei4Hokyo:pin E7 D5 D6 [none]
call Kankei4Hokyo:marks D5 E7 [none]

[k4-outside-cut-dies-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . X X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 D6 [none]
call Kankei4Hokyo:pin E7 D5 D6 [none]
call Kankei4Hokyo:marks E7 D5 [none]

# --- The contact handler: the push leaves the touched stone to a ladder ----------
# The position of shapes-probe2.tst [knight-contact-push-ladders-touched]:
# Black's D5-E7, White's E5 touching D5 (S), M = D6, N = E6, White's B5
# and C4 off the shape.  After White's push at D6, D5 keeps C5 and D4 and
# White's atari at D4 catches it (the escape at C5 meets B5 and C4).
# E5 keeps three liberties and neither C6 (E_M) nor C5 (Z) is Black's, so
# Black's answer is M: Black's D6 plus White's D6, with no bonus; White
# proposes the push with its own reading alone, again with no bonus.

[contact-push-ladders-touched-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X O . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 D5 D6 E7 D6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 E7 D6 D5 D6 [D6=r:5]

[contact-push-ladders-touched-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X O . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 E7 D6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 D5 D6 [D6=r:5]

# The same shape, one stone changed around the contact stone or outside M:
# Black's answer moves from M to N.

[contact-push-ladders-touched-contact-two-liberties]
# Black's E4 under White's E5 (and White's F7 and C8 further out): E5 has
# two liberties, F5 and E6, and escapes (Black's F5 is answered by E6, now
# joined to the pushing stone D6 after the push; "ladder E5").  White's
# push at D6 stands: after Black's E6 and White's F5 the pushing stone D6
# (C6, D7) runs out toward C8, so it is not laddered.  D5 is again left
# with C5 and D4 and caught by White's D4.  With the contact stone at two
# liberties and no ladder or net on it, Black's answer is N, E6: Black's
# E6 plus White's D6.  White proposes the push at D6 with its own reading.
black to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . O . X O . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E5 [0]
call KeimaTuke:pin D5 E7 E6 D5 E6 E7 D6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 E7 E6 D5 D6 [E6=r:5]

[contact-push-ladders-touched-contact-two-liberties-white]
white to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . O . X O . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 E7 D6 [D6=r:5]

[contact-push-ladders-touched-own-outside-m]
# Black's C6 outside M (E_M) instead, White's C8 further out: E5 keeps
# three liberties and no ladder, the push D6 (D7, E6) runs out toward C8.
# After the push White's D4 still catches D5 (C5 joins C6, and the chain
# C5-C6-D5 is driven along B6-C7 into White's B5, C8 and the edge).  With
# Black's stone at E_M the push is read on: Black's block at D7 (F) and
# White's E6 (N), scored for White; Black answers at N, E6, valued as
# Black's E6 plus that reading.  White proposes D6 with the reading alone.
black to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . O . X O . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E5 [0]
call KeimaTuke:pin D5 E7 E6 D5 E6 E7 D6 D7 E6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 E7 E6 D5 D6 D7 E6 [E6=r:5]

[contact-push-ladders-touched-own-outside-m-white]
white to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . O . X O . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 E7 D6 D7 E6 [D6=r:5]

# --- Outside a middle point: the owner's stone behind the far stone ------------
# Black's D5-E7 ("KeimaSotoNaka:at", "KeimaSotoNaka:bonus A B": the
# candidates with their bonuses), White's C6 outside the middle point D6
# (Om), Black's F6 (Oq) and White's F7 (Ob) beside E7.  F7 keeps F8 and G7
# and no ladder takes it.  White's two orders are read: the cut D6, Black's
# E6 and White's hane E5 (e1); the cut D6, Black's E5 and White's E6 (e2).
# When White's hane stone E5 is then laddered the answer reads nothing;
# otherwise the candidate is the cut D6 with the smaller of e1 and e2,
# whoever plays, with no bonus.

[naka-ura-own-oq-hane-caught]
# Black's D4 and F4 under E5: after the cut, the block and the hane, E5 has
# E4 and F5, and Black's F5 leaves E4-E5 the one liberty E3: caught.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . X . . .
  . . . X . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder F7 [0]
call KeimaSotoNaka:at D5 E7 [none]
call KeimaSotoNaka:at E7 D5 [none]

[naka-ura-own-oq-hane-caught-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . X . . .
  . . . X . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 [none]
call KeimaSotoNaka:bonus D5 E7 [none]

[naka-ura-own-oq-hane-runs]
# White's F4 instead of Black's: E5's hane stone joins F4 after either
# atari and runs.  e1 = -2 and e2 = 21 (premises): D6 with -2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . X . . .
  . . . X . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value D5 D6 E6 E5 [-2]
call HaneMore:value D5 D6 E5 E6 [21]
call KeimaSotoNaka:at D5 E7 D6 E7 D6 E6 E5 C6 D6 E5 E6 [D6=r:5]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E5 C6 D6 E5 E6 [D6=r:5]
call KeimaSotoNaka:bonus D5 E7 [D6/0]

[naka-ura-own-oq-hane-runs-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . X . . .
  . . . X . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 E7 D6 E6 E5 C6 D6 E5 E6 [D6=r:5]
call KeimaSotoNaka:bonus D5 E7 [D6/0]

# Shape links, a second set of rows for branches no other row decides, in
# the style of shapes-probe.tst: each pins one test of a routine (a cell,
# a point choice, a bound) with a position whose answer is worked out by
# hand.  "call NAME:read A B ..." as in shapes-wide.tst.

# --- (2,3) link with no attacker in the box: one stone beside A's line -----
# Black's D4-F7 (box D4 E4 F4 / D5 E5 F5 / D6 E6 F6 / D7 E7 F7; middle
# points E5 [4] and E6 [7]).  White's C6 is W2 (beyond D6 [6] from E6) and
# White's E8 is V3 (beyond E7 [10] from E6): two outside stones, one of
# them beside the box, and no pair of a side stone with an end stone on
# the same side (W2 goes with V1/V2, E3/F3, both empty).  White's cut is
# the better of E5 and E6; Black's defence starts at D6 ([6], under the
# stone at W2) and is replaced by E6 [7] only when that is better.  Value
# the two better readings summed.

[twothree-free-beside-a-line]
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read D4 F7 E5 F7 E6 D4 D6 F7 E6 [D6=r:5|E6=r:5]

[twothree-free-beside-a-line-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . . X . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:read D4 F7 E5 F7 E6 D4 D6 F7 E6 [E5=r:5|E6=r:5]

# --- Knight's-move contact: the push leaves the touched stone to a ladder ---
# Black's knight's move D5-E7, White's E5 touching D5 (S), M = D6, N = E6.
# D5 has three liberties (C5, D4, D6) and White's E5 three (F5, E4, E6),
# so White pushes at D6: D5 is left with C5 and D4, and White's atari at
# D4 catches it, since the escape at C5 meets White's B5 and C4 (one
# liberty, C6).  White's pushing stone D6 keeps three liberties.  The
# push's value is White's evaluation after D6; the point outside D6 (C6)
# and the point behind D5 (C5) hold no Black stone, and E5 has more than
# two liberties, so Black's answer is M itself, D6: value Black's
# evaluation after D6 plus White's after D6.  White proposes the push D6
# with its own value alone.

[knight-contact-push-ladders-touched]
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
call KeimaTuke:read D5 E7 D6 D5 D6 [D6=r:5]

[knight-contact-push-ladders-touched-white]
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
call KeimaTuke:read D5 E7 D6 [D6=r:5]

[knight-contact-push-ladders-touched-other-end]
# The half turn: White's D7 touches E7, White's G7 and F8 catch E7 in the
# ladder after White's push at E6: Black's answer is E6.
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . O X . O . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 E6 D5 E6 [E6=r:5]

# --- Knight's-move contact: the laddered touched stone on the second line ---
# Black's knight's move D2-E4, White's E2 touching D2 (S); M = D3, N = E3.
# Black's D2-C2 has two liberties (C3, D3) under White's B2, C1-D1, and
# White's atari at D3 catches it: the escape at C3 leaves B3 and C4, and
# White's C4 drives it into B3 against White's B4.  With two liberties and
# a ladder status the handler turns to the ladder reading, which answers
# only a touched stone above the second line: nothing.  (Black's E3 would
# break that ladder, D3 then in atari after C3.)

[knight-contact-laddered-touched-second-line]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . O X X O . . . .
  . . O O . . . . .
call KeimaTuke:read D2 E4 [none]

[knight-contact-laddered-touched-second-line-other-end]
# The same stones read from E4: White's E2 is now the side point at the
# pair's far end, touching D2: nothing either.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . X . . . .
  . . . . . . . . .
  . O X X O . . . .
  . . O O . . . . .
call KeimaTuke:read E4 D2 [none]

# --- A diagonal answered by the opponent's stones beyond it: a self-atari ---
# The first shape of shapes.tst (Black's D4-E5, White's D5 on the crossing
# point, White's E3 beyond the cutting point E4 and White's E6 beyond E5)
# with Black's F6 and G5 around F5: White's push at F5, the point beside
# E5 opposite D5 along the strip E3-E6, would be a self-atari (F4 its only
# liberty), so the strip is not read.  White's C4 beside D4 makes the cut
# at E4 an atari on both D4 (D3 left) and E5 (F5 left): the cut reading
# stops there, so nothing is proposed by either side.

[diagonal-outer-stone-push-self-atari]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . O X . X . .
  . . O X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D4 E5 [none]

[diagonal-outer-stone-push-self-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . O X . X . .
  . . O X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D4 E5 [none]

# --- Knight's move with the attacker on both side points: nothing to gain ---
# The board is cut in four settled quarters: Black's A4-D4/D1-D3 and
# E6-J6/E7-E9, White's E4-J4/E1-E3 and A6-D6/D7-D9, each wall closing a
# 3x3 or 4x3 area of its own.  Black's knight's move D4-E6 is crossed by
# White's E4 and D6 on both side points; the middle points D5 and E5 are
# neutral points between living walls like the rest of row 5.  Each
# side's tries (its stone on one middle point, the other side's on the
# other) fill two neutral points and take nothing: both sides' best is 0,
# and a sum of 0 proposes nothing.

[knight-both-sides-crossed-neutral]
black to play
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  O O O O X X X X X
  . . . . . . . . .
  X X X X O O O O O
  . . . X O . . . .
  . . . X O . . . .
  . . . X O . . . .
call KeimaTuke:read D4 E6 [none]

[knight-both-sides-crossed-neutral-white]
white to play
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  O O O O X X X X X
  . . . . . . . . .
  X X X X O O O O O
  . . . X O . . . .
  . . . X O . . . .
  . . . X O . . . .
call KeimaTuke:read D4 E6 [none]

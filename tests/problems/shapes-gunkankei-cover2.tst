# Group relations of pairs of opposite colours, second round: the one-space
# jump whose value is halved for a group of several stones against a lone
# stone (which of the two stones is the engine's decides the halving), and
# the (1,3) shape whose stone on the edge has just three liberties.  "call
# ...:ogeima2-at A B P M... A N..." answers the candidate at P against the
# readings M... of B's colour and N... of A's colour (r their sum).

[group-jump-lone-white-halved]
# Black's C3-D3 and White's lone F3, a one-space jump D3-E3-F3 on the third
# line.  On the upper side E5 is two lines out beside the gap, on line 5,
# and D5 and F5 beside the stones are on line 4 with no stone around them:
# each side plays next to its own stone, Black D5 and White F5 (the far
# point E5 is not read).  The engine's group (Black, two stones) faces a
# lone stone, so the sum is halved twice: (D5 + F5) / 4, at Black's D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 D5 F5 D3 D5 [D5=r/4:18]

[group-jump-lone-white-not-halved-for-white]
# The same with White to move: the engine's group is White's lone F3, the
# other group has two stones, no halving: the whole sum at White's F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 F5 F5 D3 D5 [F5=r:18]

[group-jump-lone-white-halved-from-white]
# The first position taken from White's F3 (A White): the engine is still
# Black with two stones against one, halved twice, at Black's D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . O . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at F3 D3 D5 D5 F3 F5 [D5=r/4:18]

[group-jump-lone-black-halved-for-white]
# White's F3-G3 against Black's lone D3, White to move: White's two stones
# face one, halved twice, at White's F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . O O . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:ogeima2-at D3 F3 F5 F5 D3 D5 [F5=r/4:18]

[group-large-knight-edge-stone-three-liberties]
# Black's C1 on the edge (three liberties, the fewest the shape allows) and
# White's F2 a (1,3) shape apart along the edge.  Above C1, C3 two lines out
# toward F2 is on the third line: White takes that extension, C3; Black the
# better of C3 and the small jump D3.  The side beyond F2 is off the board.
# White to move: White's C3, the sum of both.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . X . . . . . .
call GunKankei7Utu:at C1 F2 C3 C3 C1 C3 F2 D3 [C3=r:18]

[group-large-knight-edge-stone-three-liberties-black]
# The colours exchanged, Black to move (A is White's C1): Black's answer is
# the extension C3, White's the better of C3 and D3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . O . . . . . .
call GunKankei7Utu:at C1 F2 C3 C3 C1 C3 F2 D3 [C3=r:18]

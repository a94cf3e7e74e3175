# The (2,3) link between Black's C6 (A) and E3 (B): the box runs down from
# A, [0] C6 [1] D6 [2] E6 / [3] C5 [4] D5 [5] E5 / [6] C4 [7] D4 [8] E4 /
# [9] C3 [10] D3 [11] E3.  Outside: W1 B5, W2 B4, W3 F5, W4 F4 (beside the
# long lines), V1 E7, V2 D7, V3 D2, V4 C2 (past the short ends).  These rows
# pin one cell each of the patterns, with the candidate point and its value
# (a formula of readings, or "iti": the point's position value).

[k8p2-middle-beside-with-a-contact]
# White's E5 beside the middle point D5 and White's D6 touching A: the
# middle-side pattern with the contact across A's short side.  Black
# connects at the far middle point D4, valued as Black's D4 plus White's
# push at C5 (the point beside A along the long side).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 C6 D4 E3 C5 [D4=r:5]

[k8p2-middle-beside-with-a-contact-white]
# The same for White: the push at C5, same value.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 C5 C6 D4 E3 C5 [C5=r:5]

[k8p2-middle-beside-with-a-contact-half-turn-white]
# The half turn: White's C4 beside the middle point D4 and White's D3
# touching B across its short side.  White's point is E4 (beside B along
# the long side), valued as Black's D5 plus White's E4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 E4 C6 D5 E3 E4 [E4=r:5]

[k8p2-middle-beside-with-a-contact-half-turn]
# Black's side of it: the middle point D5, same value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D5 C6 D5 E3 E4 [D5=r:5]

[k8p2-wedge-blocked-beside]
# White wedges at D5; Black's E5 stands beside the wedge on B's line and
# D6 (between A and the wedge's line) is open: Black's shape holds, no
# candidate.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 C3 [none]

[k8p2-wedge-blocked-beside-half-turn]
# The half turn: White's wedge at D4, Black's C4 beside it on A's line, D3
# open: no candidate.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . X O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 E6 [none]

[k8p2-free-side-and-end-a]
# No White stone in the box; White's B4 beside A's line (W2) and E7 past
# A's end (V1): the middle point D5 is proposed by its position value alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D5 [D5=iti:5]

[k8p2-free-side-and-end-b]
# The half turn: White's F4 beside B's line (W4) and C2 past B's end (V4):
# the middle point D4 by its position value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [D4=iti:5]

# --- The wedge beside an end stone on the second line ---------------------
# Black's C2 (A) and F4 (B): the box runs right from A, [0] C2 [1] C3 [2] C4
# / [3] D2 [4] D3 [5] D4 / [6] E2 [7] E3 [8] E4 / [9] F2 [10] F3 [11] F4.
# White's wedge at D3; Black answers on the far corner F2, White extends at
# E2.  The value is Black's F2 plus White's E2, scaled by White's group at
# E2 (the entry names both "r" and "r*d"); only the point is at stake here.

[k8p2-wedge-second-line-ladder-white]
# White's B2 leaves A three liberties (C1, C3, D2).  White's D2 beside A
# leaves it C1 and C3, and the ladder works along the edge (C3, then C1 and
# the chain C2-C1 runs out of liberties at B1/A1): the cut is D2, not the
# extension E2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . . . .
  . O X . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C2 F4 E2 C2 F2 [D2=r:5|D2=r*d:5]

[k8p2-wedge-second-line-four-liberties-white]
# Without White's B2, A has four liberties: no ladder is tried and White
# extends at E2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
call Kankei8Utu:wedge C2 F4 E2 C2 F2 [E2=r:5|E2=r*d:5]

# --- The free box: the first role set's own cells ------------------------

[k8p2-free-side-and-end-a-other]
# White's B5 beside A's line (W1, beyond C5 from D5) and D7 past A's end
# (V2, beyond D6 from D5): the middle point D5 by its position value.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D5 [D5=iti:5]

[k8p2-free-own-beside-a-lower]
# Black's own B4 beside A's line next to the middle point D4 (W2): the
# free box needs no answer, no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . X . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D5 [none]

[k8p2-free-own-beside-b-upper]
# Black's own F5 beside B's line next to the middle point D5 (W3): no
# candidate (Black to play: for White a weak push at D5 would also end the
# pattern, so only Black's side shows the stone's cell).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D5 [none]

# --- Cells read by the wedge and the middle-side contact ---------------------

[k8p2-wedge-far-corner-taken-white]
# White's wedge at D5 with Black's own C3 on the far corner (T): the owner's
# answer point is taken, so the pattern gives nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 C4 [none]

[k8p2-middle-beside-and-b-contact-two-liberties]
# White's E5 beside the middle point D5 and White's E4 touching B along the
# long side, White's F3 leaving B two liberties (D3, E2): B is not in
# atari, so Black connects at the far middle point D4, valued as Black's D4
# plus White's C4 (beside the middle point D4 on A's line).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 C6 D4 E3 C4 [D4=r:5]

[k8p2-middle-beside-and-b-contact-atari]
# The same with White's E2 too: B is in atari at D3, and the middle-side
# pattern leaves it alone: no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . O . . . .
  . . . . X O . . .
  . . . . O . . . .
  . . . . . . . . .
call Kankei8Utu:formula C6 E3 D4 [none]

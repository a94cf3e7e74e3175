# The static evaluation of weak groups at the border between weak and nearly
# dead: a group without two eyes and with no links loses v = Kati x dl div
# 100 of its colour's score while its death level dl is 70 or less; above 70
# (and with an eye value other than 3) it counts as nearly dead: 4 a stone
# as dead stones, the area around it handed over, and (100 - dl) x v div 100
# of v back.  The same border decides whether it is dead by the 70 rule.
# Each row holds one group of the colour judged.  Answer (HyokaCalc:group):
# the group's death level, eye value, the 70 rule, and the weak-group and
# dead-stone terms of its colour.
#
# The white group F5 G5 F4 on 7x7 (Black C7, C5 and G2).
# Related points of kind 4 or less (Kati = 4 a stone + 2 each): liberties F6
# G6 E5 E4 G4 F3 (6), diagonals E6 E3 G3 (3), one-space jumps F7 G7 D5 D4 F2
# (5), knight's moves D6 E7 D3 E2 (4): 18 points, Kati = 12 + 36 = 48.
# Breathing points (kinds 2 to 4, off line 1, no stone next to them, strip
# points empty, none on firm area): D6, D3, E2 (knight's moves, 3 each, and
# 2 more each as there are two or more: 15), E6, E3 (diagonals, 2 each: 4), D4 (one-space
# jump, 3; the only one, no live white group beyond it): 22 in all.  Not
# breathing points: E7 F7 G7 (line 1), D5 (next to C5), G3 (next to G2), F2
# (next to G2).  Six breathing points: the judgement neither pairs nor kills
# the group.  The far related points (kind 6 or more) that no black stone
# reaches by kind 4 or less: C2 (C5 three above, G2 four to the side) and D1
# (G2 a large knight's move away): 1 each; C4 is next to C5, B3 a knight's
# move from C5, C3 a one-space jump from C5, E1 a knight's move from G2.
# Other points in those shapes are not related to it: the scans stop at
# C5 (from C6, B6, B5, and from B4 toward F4), at F4 itself (from B4 toward
# F5) and at G2 (from F1).  With one eye (the region evaluation gives eye
# value 2) the count starts at 94.

[weak-group-at-death-level-70-white]
# 94 - 22 - 2 = 70: weak, not nearly dead.  v = 48 x 70 div 100 = 33, all
# lost: White's weak-group term 33, no dead stones; not dead by the 70 rule
# (70 is not above 70).
white to play
  . . X . . . .
  . . . . . . .
  . . X . . O O
  . . . . . O .
  . . . . . . .
  . . . . . . X
  . . . . . . .
call HyokaCalc:group F5 [dl=70 me=2 death70=0 weak=33 dead=0]

[nearly-dead-group-at-death-level-71-white]
# Black's A1 adds a knight's move to C2, so only D1 of the far points
# counts: 94 - 22 - 1 = 71, above 70, eye value 2 (not 3): nearly dead.
# Its three stones count 12 as dead stones; v = 48 x 71 div 100 = 34, and
# (100 - 71) x 34 div 100 = 9 of it comes back: White's weak-group term -9.
# Weak, in no race and above 70: dead by the 70 rule.
white to play
  . . X . . . .
  . . . . . . .
  . . X . . O O
  . . . . . O .
  . . . . . . .
  . . . . . . X
  X . . . . . .
call HyokaCalc:group F5 [dl=71 me=2 death70=1 weak=-9 dead=12]

[weak-group-at-death-level-70-black]
# The first position with the colours exchanged: Black's group, Black's
# terms, the same numbers.
black to play
  . . O . . . .
  . . . . . . .
  . . O . . X X
  . . . . . X .
  . . . . . . .
  . . . . . . O
  . . . . . . .
call HyokaCalc:group F5 [dl=70 me=2 death70=0 weak=33 dead=0]

[nearly-dead-group-at-death-level-71-black]
# The second position with the colours exchanged.
black to play
  . . O . . . .
  . . . . . . .
  . . O . . X X
  . . . . . X .
  . . . . . . .
  . . . . . . O
  O . . . . . .
call HyokaCalc:group F5 [dl=71 me=2 death70=1 weak=-9 dead=12]

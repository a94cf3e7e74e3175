# Group relations: the knight's move whose engine stone lands near death by
# the 70 rule (its value halved), and the adjacent pair where the other
# colour's atari point beside A is the engine's move.
# "GunKankei4Utu:only A B P M... A N...": the candidate of the knight's move
# on (A, B) at P, its value against M... (B's colour's reading) plus N...
# (A's colour's): "r", or "r/2" when halved once.
# "GunKankei1Utu:at A B P M... A N...": the candidates of the adjacent pair
# (A, B), the one at P with its value against M... (B's colour's reading)
# plus N... (A's colour's): "r*4/5" for four fifths of the sum; the others
# by their points alone.
# "HaneMore:group A P M...": the group at P after M... (played from the
# colour opposite A's first): its death level, weak, and near death by the
# 70 and by the 90 rule.

[knight-engine-stone-near-death-halved]
# 9x9, Black's lone B6 (A) and White's C8 (B) a knight's move apart, Black
# to play.  The box: R1 = C6, R2 = B7 (White), R3 = C7, R4 = B8; beyond B's
# line D6 (D1), D7 (D3), D8 (D5); beyond A's line A6, A7, A8 (White).
# Behind B6 on its line (B5) no White stone, behind C8 on its line (C9) no
# Black one.  Side 2 would need E = A8, which holds White's stone: skipped.
# Side 1: B8 is empty; E = D6 is empty, on the fourth line, and nothing
# stands around it.  D6 is two from B6 on a line, so Black (the engine)
# first tries the hane: Black D7, White C7, Black C6, White D6, Black E7,
# White D5; Black's group at D7 then is weak (death level 79), so D7 is not
# taken.  The knight check at E5 (beyond D6 from C7): the only Black stone
# a large knight's move from E5 is B6, not two: no.  D6 is not on the
# second line: Black's point stays D6.  Black's D6 reads 2; its group there
# has death level 75: weak and above 70 but not above 90, so near death by
# the 70 rule only: the pattern goes on and the value will be halved.
# White's point is D6 too (E is not two from C8 on a line), reading 10;
# D6 is not on the fifth line.  Black's group is B6 alone: no halving for
# the sizes.  The sum 12 is not below the minimum; halved for the near-dead
# stone: 6, at D6.
black to play
  . . . . O . O . .
  O . O . . . . . .
  . O . . . . . . .
  . X . . . . . . .
  O . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . X O . . . . .
  . X O . . . . . .
call HaneMore:group C8 D7 D7 C7 C6 D6 E7 D5 [dl=79 weak=1 d70=1 d90=0]
call HaneMore:group C8 D6 D6 [dl=75 weak=1 d70=1 d90=0]
call HaneMore:value C8 D6 [2]
call HaneMore:value B6 D6 [10]
call GunKankei4Utu:only B6 C8 D6 D6 B6 D6 [D6=r/2:18]

[adjacent-atari-point-beside-a]
# 9x9, Black's F6 (A) and White's G6 (B) side by side, Black to play.
# F6 has two liberties (E6, F7) but is no ladder: after White's F7 Black
# extends to E6 with three liberties, after White's E6 Black's F7 has three.
# G6 has three liberties.  The side below: F5 holds White's stone, skipped.
# The side above: F7 and G7 empty on the third line, F8 and G8 empty with
# nothing around them.  Black cannot put a White chain in atari at G7, but
# White can atari F6 at F7: Black's point is F7 (Black's F7 reads 15),
# and White's is F7 as well (White's F7 reads 22).  Black, the engine, proposes F7 with four
# fifths of 37, toward zero.
black to play
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . . . O . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
status F6 [alive]
ladder F6 [0]
ladder G6 [0]
call HaneMore:value G6 F7 [15]
call HaneMore:value F6 F7 [22]
call GunKankei1Utu:at F6 G6 F7 F7 F6 F7 [F7=r*4/5:18]

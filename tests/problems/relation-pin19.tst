# Group relations: the knight's move with A's own reading of exactly 0, and
# the one-space jump's far point taken or left by the area value after it.
# "GunKankei4Utu:only A B P M... A N...": the candidate of the knight's move
# on (A, B) at P, its value against M... (B's colour's reading) plus N...
# (A's colour's): "r", or "r/4" when halved twice.
# "GunKankei3Utu:pin-far A B P M... A N...": the one-space jump on (A, B),
# the candidate at P against b (the reading M... of B's colour) and a (the
# reading N... of A's colour): "P=a+b:18".

[knight-own-reading-zero-kept]
# 9x9, White's D9 (A) on the edge and Black's B8-B7 (B is B8), a knight's
# move apart; Black's G7 far off, Black to play.  Behind D9 on its line (E9)
# no Black stone, behind B8 on its line (A8) no White one.  The side with
# E = D7, two below D9 and one beyond B8's line: the far point of the box on
# D9's line (B9) is empty, and D7 is empty, on the third line, with nothing
# around it.  White's point (White is not the engine, so no hane trial):
# E6, beyond D7 from C8, is related to one White stone only (D9), not to
# two a large knight's move from it, and D7 is not on the second line: D7.
# White's reading of D7 is exactly 0, which is not below 0: the side goes
# on.  Black's point on this side is D7 too; Black's D7 leaves its group
# near death by neither the 90 rule nor the 70 rule (no halving for it).
# The other side would need E two above B8, on the tenth line: off the
# board.  The engine's group has two stones against White's lone stone: the
# sum 0 + 15 is halved twice (toward zero), 3, at D7.
black to play
  . . . O . . . . .
  . X . . . . . . .
  . X . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value-own D9 D7 [0]
call HaneMore:value D9 D7 [15]
call HaneMore:group D9 D7 D7 [dl=0 weak=0 d70=0 d90=0]
call GunKankei4Utu:only D9 B8 D7 D7 D9 D7 [D7=r/4:18]

[jump-far-area-neutral-stays-beside-a]
# 13x13, Black's F7 (A) and White's H7-J7 (B is H7), a one-space jump over
# G7, with Black's H5 below and White's D10 up to the left; Black to play.
# Neither group is weak (the premises).  Below, H5 stands around G5: that
# side adds nothing.  Above: Q = G9, QA = F9, QB = H9; no stone around G9,
# no White stone around F9, no Black one around H9.  Black (the engine, its
# group not weak; F9 is on the fifth line, not the fourth) tries the far
# point G9: after it the area at F9 is still neutral (0), so Black does not
# take Q and plays F9 beside its stone (reading 29).  White (no White stone
# touching H9, its group not weak, H9 on the fifth line) reaches out to
# G9, after which H9 is on White's side: White's point G9 (reading 10).
# 29 + 10 = 39, below the cap of 50; White's group has two stones, so no
# halving: F9 is worth 39.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . O . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . O O . . . .
  . . . . . . . . . . . . .
  . . . . . . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call HaneMore:group H7 F7 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:group F7 H7 [dl=0 weak=0 d70=0 d90=0]
call AreaMap:after F7 F9 G9 [neutral]
call AreaMap:after H7 H9 G9 [white]
call HaneMore:value-own F7 F9 [29]
call HaneMore:value F7 G9 [10]
call GunKankei3Utu:pin-far F7 H7 F9 G9 F7 F9 [F9=a+b:18]

[jump-far-area-black-reaches-out]
# 13x13, Black's F7 (A) and White's H7 (B), a one-space jump over G7, with
# White's B9 and Black's B5 far to the left; Black to play.  Neither
# group is weak (the premises); each stone of the jump is a group of its
# own.  Above: Q = G9, QA = F9, QB = H9, with no stone around G9, no White
# stone around F9, no Black one around H9.  Black (the engine; F9 is on
# the fifth line, not the fourth) tries the far point G9: after it F9 is on
# Black's side of the area map (not 0), so Black's point is G9 itself,
# reading 19 (Black's play at G9, as the evaluation measures it from the
# position of the decision).  White (no White stone touching H9, its group
# not weak, H9 on the fifth line) reaches out to G9 too: after it H9 is on
# White's side, White's reading 12.  19 + 12 = 31, below the cap of 50, no
# halving (no lone stone against a larger group): G9 is worth 31.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . O . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . O . . . . .
  . . . . . . . . . . . . .
  . X . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call HaneMore:group H7 F7 [dl=0 weak=0 d70=0 d90=0]
call HaneMore:group F7 H7 [dl=0 weak=0 d70=0 d90=0]
call AreaMap:after F7 F9 G9 [black]
call AreaMap:after H7 H9 G9 [white]
call HaneMore:value-own F7 G9 [19]
call HaneMore:value F7 G9 [12]
call GunKankei3Utu:pin-far F7 H7 G9 G9 F7 G9 [G9=a+b:18]

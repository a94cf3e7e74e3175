# Group relations: the stage that reads the relation moves of the engine's
# living groups, run with a count n, chooses its best candidate only when
# that candidate's score (value x 10 + bonus) reaches max(160, 10 n).  A
# relation move worth 26 or more is kept as value 25 with the excess over 13
# as its bonus; the one-space jump's value is capped at 50.
# "call GunKankeiThink:nN" runs the stage with count N and answers the best
# candidate as "value/bonus" and "chosen" or "none".

[stage-count-27-chooses-the-jump]
# 13x13, Black's lone F7 and White's lone H7 a one-space jump apart, Black
# to play.  Black's stone is alive by its eyes (eye value 4 or more) and
# is the engine's only group: the stage reads its one relation, the jump.
# Both sides of the jump (F5-G5-H5 below, F9-G9-H9 above) are open; the
# best candidate the stage leaves is 25 with bonus 27 (a relation value of
# 40 kept as 25 with the excess over 13), score 25 x 10 + 27 = 277.  With
# n = 27 the bar is max(160, 270) = 270: 277 reaches it, the stage chooses.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . O . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunMe F7 [4]
call GunKankeiThink:n27 [25/27 chosen]

[stage-count-28-leaves-the-jump]
# The same position with n = 28: the bar is max(160, 280) = 280, above the
# best score 277: the stage chooses nothing.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . X . O . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankeiThink:n28 [25/27 none]

# --- The one-space jump's far point in a region of 70 points ------------------
# Black's H10 and White's K10-L10 on 19x19, a one-space jump H10-J10-K10.
# The lower side: Q = J8 two lines below the gap, QA = H8 below Black's
# stone, QB = K8 below White's.  No stone around J8, no White stone around
# H8, no Black stone around K8: the side is read.  Black (the engine, A's
# colour) has G7 around H8, so Black reaches out to J8; after it H8 is
# Black's area, inside one region of Black's framework (E4 J4 O4 E7 G7
# O7).  Black's reading counts a third more only when that region has MORE
# than 70 points.  White's L8 touches K8, so White plays K8; White's group
# has two stones: no halving.  "JiSize:after H10 H8 J8" is the size of the
# region at H8 after Black's J8 (the premise); "HaneMore:value-own H10 J8"
# is Black's reading of J8 (12: a third of it, 4, is not 0).

[jump-far-region-of-exactly-70]
# Black's F5 stands inside the framework: the region at H8 after J8 has
# exactly 70 points, not more than 70: the plain sum of Black's J8 and
# White's K8 readings, at J8.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . O . . . . . . O . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . O O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . O . . . . . . . .
  . . . . X . X . . . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
  . . . . X . . . X . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JiSize:after H10 H8 J8 [70]
call HaneMore:value-own H10 J8 [12]
call GunKankei3Utu:pin-far H10 K10 J8 K8 H10 J8 [J8=a+b:18]

[jump-far-region-of-71]
# Without F5 the region at H8 after J8 has 71 points, more than 70: Black's
# reading counts a third more.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . O . . . . . . O . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . X . O O . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . O . . . . . . . .
  . . . . X . X . . . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . X . . . X . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JiSize:after H10 H8 J8 [71]
call HaneMore:value-own H10 J8 [12]
call GunKankei3Utu:pin-far H10 K10 J8 K8 H10 J8 [J8=a*4/3+b:18]

# --- The second look along the sides of an adjacent pair ----------------------
# White's D2 (A) against Black's E2 (B) on the second line, White's D4 two
# lines out beside D2.  The main reading of the upper side stops at once
# (the point two out from D2, D4, is taken; the lower side is on the first
# line).  The second look on the upper side: the points one, two and three
# lines out at C2 (behind A), D2, E2 and F2 (behind B) are C3-C4-C5, D3-D4-D5,
# E3-E4-E5, F3-F4-F5; D3 and E3 are empty and D3 is on the third line.

[group-contact-side-try-two-behind-a]
# White's C3 and C4 stand one and two lines out behind White's D2: the
# point one line out behind A and the one behind B are not both stones (F3
# is empty), and no Black stone is one or two lines out behind A nor any
# White one behind B; the two-line points beside A and B are not both
# stones (E4 is empty).  No Black stone at F3, E4, F4; White stones one or
# two lines out beside and behind A, and no Black stone at F3, E4, F4, E5,
# F5: the point one line out beside Black's stone, E3, is the try.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O O . . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call GunKankei1Utu:at D2 E2 J9 [E3]

# --- The diagonal relation: a reading of exactly 0 ----------------------------
# "GunKankei2Utu:pin-side A B P K... A S...": Black's moves K..., White's
# S..., each alone (the other colour passing), scored for the mover; r is
# the sum, halved only when one colour's value is below 0.

[diagonal-white-knight-reads-zero]
# White's E4 (A, with E3-F3 below it) and Black's D5 diagonal to it, White
# to play; White's B5-B6 on the left.  Crossing D4, the point diagonal to it
# away from both stones is C3: empty, on the third line, nothing around it;
# beyond C4 from C3 (C5) is not White, beyond D3 from C3 (E3) is not Black.
# Black (D5 has four liberties): the knight's move C3, White's push D4,
# then the block: D4 is a stone, so Black's block is C4 and White's
# extension C5, which joins B5-B6 with liberties to spare, and the pushing
# stone D4 joins E4-E3-F3: no ladder.  So Black plays the block C4 (E3,
# beyond E4 from E5, is a stone), and E4's chain has more than two
# liberties: Black's reading is C4 alone, 28; its group (death level 43)
# is not near death by the 70 rule (no division by 4).  White (E3 behind
# E4 is taken, so no block at the crossing): the knight's move C3,
# Black's push D4, White's block D3 and Black's extension at E3, which is
# White's stone: refused, so the pushing stones count as caught and
# White's point is C3, its reading C3 alone: exactly 0.  Neither reading
# is below 0: no halving, C3 (White's point) is worth 28 + 0 = 28.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . O . X . . . . .
  . . . . O . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value E4 C4 [28]
call HaneMore:value-own E4 C3 [0]
call HaneMore:group E4 C4 C4 [dl=43 weak=1 d70=0 d90=0]
call GunKankei2Utu:pin-side E4 D5 C3 C4 E4 C3 [C3=r:18]

[diagonal-readings-summing-to-zero]
# The same shape with White's F7 and Black's G7 added far up, White to
# play.  The crossing E5 is not read: F7 stands around its point F6.
# Crossing D4 the moves are as before: Black's reading is its block C4
# alone and White's its knight's move C3 alone, and Black's C4 group is not
# near death by the 70 rule.  Here Black's C4 reads 26 and White's C3
# reads -27: the sum -1, halved toward zero since White's reading is below
# 0, is exactly 0; a value of 0 is not above 0, so nothing is added at C3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O X . .
  . O . . . . . . .
  . O . X . . . . .
  . . . . O . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value E4 C4 [26]
call HaneMore:value-own E4 C3 [-27]
call HaneMore:group E4 C4 C4 [dl=59 weak=1 d70=0 d90=0]
call GunKankei2Utu:pin-side E4 D5 C3 C4 E4 C3 [none]

# --- The knight's move: the other colour's reading of exactly 0 ---------------
# "GunKankei4Utu:only A B P M... A N...": the candidate of the knight's
# move on (A, B) at P, its value against M... (the other colour's reading)
# plus N... (A's colour's): "r", or "r/4" when halved twice.

[knight-edge-white-reading-zero]
# 9x9, Black's B8-B7 (A is B8) and White's D9 on the edge, a knight's move
# apart; Black's G7 far off, Black to play.  Behind B8 on its line (A8) no
# White stone, behind D9 on its line (E9) no Black one.  The side beyond B8
# (E would be off the board) is dropped; the side beyond D9: B9 is empty,
# E = D7 is empty, on the third line, with nothing around it.  Black's
# point is D7 (D7 is not two from B8 on a line).  White's point: D7 is two
# from D9 on a line, but White is not the engine (no trial), E6 has no two
# White stones around it, and D7 is not on the second line: D7.  Black's
# D7 leaves its group neither near death by the 90 rule nor by the 70 rule
# (no halving for it); White's reading of D7 is exactly 0, which is not
# below 0: the side is kept.  The engine's group has two stones against
# White's lone stone: the sum 15 + 0 is halved twice (toward zero), 3, at
# D7.
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
call HaneMore:value B8 D7 [0]
call HaneMore:value-own B8 D7 [15]
call HaneMore:group D9 D7 D7 [dl=0 weak=0 d70=0 d90=0]
call GunKankei4Utu:only B8 D9 D7 D7 B8 D7 [D7=r/4:18]

# --- The two-space jump on the second line ------------------------------------
# "GunKankei6Utu:pin A B X F...": every candidate of the two-space jump on
# (A, B) by its point, the one at X with its value against the formula F
# (r: the sum of the terms, each read with its opening stone's colour
# first); a bonus the value does not explain follows as "/b".

[niken-second-line-gap-next-to-b]
# 9x9, Black's C2 and White's F2, both on the second line, a two-space jump
# (gaps D2 next to C2 and E2 next to F2), Black to play.  Each gap has
# three empty neighbours.  After both sides (the lower one lies on the
# first line; the upper one, D3 and E3, gives its own candidates), the
# second-line rule: Black's reading of E2 (12) plus White's of D2 (28) is
# 40, times 8 div 10 is 32 (r - 8), added at E2 (Black is A's colour and
# the engine) with no bonus of its own.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . O . . .
  . . . . . . . . .
call HaneMore:value-own C2 E2 [12]
call HaneMore:value C2 D2 [28]
call GunKankei6Utu:pin C2 F2 E2 C2 E2 F2 D2 [C4 D3 D4 E2=r-8:18 E3]

[group-contact-side-try-beside-a]
# 9x9, Black's C7 (A) under White's C8 (B) in a column, White's E9 far up to
# the right and Black's A4 far down, Black to play.  The main reading: on the
# right D8 is on the second line, on the left B7 is: both sides stop.  The
# second look along the column from C6 (behind A) to C9 (behind B): the left
# strip has B7 on the second line; the right one has D7 and D8 empty and D7 on
# the third line, with one, two and three lines out D6-E6-F6 (at C6),
# D7-E7-F7, D8-E8-F8 and D9-E9-F9 (at C9).  No pair of stones across it and no
# stone of the wrong colour behind either end.  White's E9 two lines out behind
# B is a White stone on B's side; no Black stone one, two or three lines out
# beside or behind A (D6, E7, E6, F7, F6): the point one line out beside
# Black's stone, D7, is the try.
black to play
  . . . . O . . . .
  . . O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at C7 C8 J9 [D7]

# --- The one-space jump of a weak group ---------------------------------------

[jump-weak-own-group-stays-beside-a]
# 13x13, Black's G5 (A) and White's G7 (B), a one-space jump over G6 in a
# column, Black to play; White's H5, K5, K6 and G3 press on G5 (with
# Black's G9, K10, E1 and White's G11, H11 further off).  Black's group at
# G5 is weak (the premise), White's at G7 is not.  The right side (Q =
# J6) has White stones around J6: skipped.  The left side: Q = E6, QA =
# E5, QB = E7, all on the fifth line; no stone around E6, no White stone
# around E5, no Black one around E7.  Black is the engine, its group is
# weak and no Black stone stands around E5: Black does not reach out to
# Q; it plays E5 beside its stone (reading 9).  White (not the engine's
# colour, its group not weak, no White stone touching E7) reaches out to
# E6, after which E7 is on White's side of the area map: White's point E6
# (reading 6).  9 + 6 = 15, below the cap, no halving (neither group is a
# large one against a lone stone): E5 is worth 15.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . O O . . . . .
  . . . . . . . . . X . . .
  . . . . . . X . . . . . .
  . . . . . . . . . . . . .
  . . . . . . O . . . . . .
  . . . . . . . . . O . . .
  . . . . . . X O . O . . .
  . . . . . . . . . . . . .
  . . . . . . O . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . . . . . .
call HaneMore:group G7 G5 [dl=67 weak=1 d70=0 d90=0]
call HaneMore:group G5 G7 [dl=0 weak=0 d70=0 d90=0]
call AreaMap:after G7 E7 E6 [white]
call HaneMore:value-own G5 E5 [9]
call HaneMore:value G5 E6 [6]
call GunKankei3Utu:values G5 G7 [15]
call GunKankei3Utu:pin-far G5 G7 E5 E6 G5 E5 [E5=a+b:18]

# --- A stone whose chain a ladder takes ---------------------------------------
# "KankeiPatternUtu:at A": every relation of A to the other colour read by
# its pattern; the candidates by their points.  "Ren:status A": the chain
# at A (liberties, ladder status, dead mark) as the premise.

[relations-of-a-chain-the-ladder-takes]
# 11x11, Black's J5 between White's K5 and J4, with White's H4-J4, H3, H1-J1
# below and F8, E2 further off; Black's L7 far right, White to play.  J5
# has two liberties (H5, J6) and White's ladder takes it (the premise: its
# ladder status is 1), though the analysis has not marked it dead.  A
# chain that a ladder takes is not read: none of its relations (the
# contacts with K5 and J4, the diagonal with H4, ...) adds a candidate.
white to play
  . . . . . . . . . . .
  . . . . . . . . . . .
  . . . . . . . . . . .
  . . . . . O . . . . .
  . . . . . . . . . . X
  . . . . . . . . . . .
  . . . . . . . . X O .
  . . . . . . . O O . .
  . . . . . . . O . . .
  . . . . O . . . . . .
  . . . . . . . O O . .
call Ren:status J5 [libs=2 ladder=1 dead=0]
call KankeiPatternUtu:at J5 [none]

# --- The one-space jump's edge reading with a reading of exactly 0 ----------
# "GunKankei3Utu:ogeima2-edge A B N T": the candidate at N of the jump's
# edge side, its whole value (23 with the excess as the bonus, read back
# whole) against r: both colours' readings of N, the engine's with half of
# what its slide to T on the second line adds.

[jump-edge-reading-zero-kept]
# 13x13, White's E3 (A) and Black's G3 (B), a one-space jump over F3 on the
# third line, White's E5 above and K3 to the right, Black's L5 further off;
# Black to play.  Above the gap, F5 has White's E5 around it: that side
# adds nothing.  Below, the point two lines out, F1, is on the first line:
# the edge side is read at F2 (empty, two stones around it).  White plays
# F2: 3.  Black (the engine) plays F2: exactly 0, which is not below 0, so the
# reading goes on: F2 is on the second line, so Black also slides to D2
# (beyond E2, the middle of White's E3 and E1 behind F2 from G3; D2 empty
# with four empty neighbours) and half the slide's gain counts.  The sum
# is the value at F2.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . O . . . . . X . .
  . . . . . . . . . . . . .
  . . . . O . X . . O . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call HaneMore:value-own E3 F2 [3]
call HaneMore:value E3 F2 [0]
call GunKankei3Utu:ogeima2-edge E3 G3 F2 D2 [F2=r:18]

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

# --- The one-space jump's far point in a region of 70 points -----------------------
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

# --- The second look along the sides of an adjacent pair -----------------------------
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

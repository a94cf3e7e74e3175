# Group relations of adjacent stones of opposite colours: which point each
# side's reading proposes, and the second look along the side of the pair.
# "call GunKankei1Utu:at A B P ..." lists the candidates the relation of A
# and B adds (with the value only at P; P here is a point that is never a
# candidate, so the rows check the points alone).

[group-contact-lone-stone-beside-own]
# White's E5-F5 (A is E5) against Black's lone D5, Black to play.  Both
# sides of the pair (D6/E6 above, D4/E4 below) are open on the fourth line
# with the points two out (D7/E7, D3/E3) empty and alone.  No atari either
# way (D5 has three liberties, E5-F5 five).  Black's stone is alone and
# White's chain has more than three liberties, so Black plays beside its
# own stone: D6 above and D4 below, Black's points as the engine's.  The
# second look finds nothing (no stone one or two lines out around the pair).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at E5 D5 J9 [D6 D4]

[group-contact-side-try-beside-b]
# White's D2 (A) against Black's E2 on the second line, White's D4 two lines
# out beside its own stone.  The main reading of the upper side stops at
# once (the point two out from D2, D4, is taken; the edge side is on the
# first line).  The second look: nothing of Black's one, two or three lines
# out beside or behind E2 (F3, E4, F4, E5, F5), and White's D4 two lines out
# beside D2: the point one line out beside Black's stone, E3, is the try.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call GunKankei1Utu:at D2 E2 J9 [E3]

[group-contact-side-try-beside-b-three-out-black]
# The same with Black's E5 three lines out above E2: Black's stone on the
# far lines beside its own stone spoils the try: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call GunKankei1Utu:at D2 E2 J9 [none]

[group-contact-side-try-beside-b-four-out-black]
# Black's stone four lines out (E6) is beyond the lines the second look
# reads: the try at E3 stands.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call GunKankei1Utu:at D2 E2 J9 [E3]

[group-jump-six-stones-lone-white-halved-to-nothing]
# Black's six stones A5-D5 with B4 and C4 (one chain) and White's lone F5:
# a one-space jump D5-E5-F5 on the fifth line, both sides open (E7 and E3
# two lines out beside the gap, with nothing around them).  The engine's
# group has six stones and faces a lone stone, so each side's sum (capped
# at 50) is halved six times: below 64 it comes to 0, whatever the readings.
# Each side's candidate is worth 0, which is not below the group minimum of
# 0, so it stays 0 (the floor of 1 is only for values below the minimum).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . O . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei3Utu:values D5 F5 [0 0]

[group-contact-column-far-point-two-out]
# White's E5 (A) above Black's E4 (B), Black's F5 beside E5: E5 has two
# liberties (E6, D5).  The pair stands in a column, so its sides are left
# and right; the right is closed by F5.  On the left D5 and D4 are on the
# fourth line, and the points two out, C5 and C4, are empty with nothing
# around them (Black's A5 is three out from E5, one beyond C5's
# neighbour B5).  Black's D5 is an atari on E5, which comes first for both
# colours: the candidate is D5.  The second look finds nothing of either
# colour one or two lines out on the left.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:at E5 E4 J9 [D5]

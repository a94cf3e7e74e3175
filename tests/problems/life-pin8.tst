# Life and death rows on the settling liberty whose capture point lies on
# the edge column, and on the attacker's filter at a self-atari of exactly
# four stones.
#   call SettleAtariDame V   (generators.tst) the settling liberty that puts
#       an attacker chain beside it in atari, on the group at V: each
#       candidate as "point=K+d:reason"
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on
#   call SikatuKorosu:cover V   (generators-cover.tst) the attacker's filter
#       on the group at V: the group's eye value "me=N", then the moves
#       kept, sorted ("none"); a move is kept when it is no self-atari of
#       four stones or more and the group is then captured, dead, or below
#       N in eye value and at most 3

# --- The settling liberty: the capture point on the edge column ------------
# White's A4-C4, C3-C1 encloses the strip A1-B3 with Black's A1 in the
# corner (two liberties, A2 and B1).  B1 touches White's C1, White there
# keeps B2 and is no self-atari, and it puts A1 in atari with its last
# liberty A2: the capture point lies on the first column, which is a point
# like any other.

[settle-liberty-capture-point-on-the-first-column]
# White's eye value is 4 (premise, next row).  White's B1 and the capture
# at A2 leave White the corner A1 as one eye and A3-B3-B2 as another: 5
# (premise).  Black instead runs out at A2: the chain A1-A2 has exactly the
# two liberties A3 and B2 and White's eye value falls to 2 (premise).
# White's B2 then ataris A1-A2 again with its own chain B2-B1-C1 (joined to
# the wall) keeping A3 and B3, more than one liberty, and the eye value is
# back to 3 (premise): B1 is proposed at the group's value, reason 9.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X . . . . .
  . . O X . . . . .
  . . O X . . . . .
  X . O X . . . . .
call SettleAtariDame C1 [B1=K:9]

[settle-liberty-first-column-premise-eye-value]
# The position above: White's group round the corner strip.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X . . . . .
  . . O X . . . . .
  . . O X . . . . .
  X . O X . . . . .
call GunMe C1 [4]

[settle-liberty-first-column-after-the-capture]
# White's B1 and the capture of A1 at A2: the empty A1 between White's A2
# and B1 is one eye, A3-B3-B2 another: two eyes.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X . . . . .
  . . O X . . . . .
  O . O X . . . . .
  . O O X . . . . .
call GunMe C1 [5]

[settle-liberty-first-column-after-the-run]
# White's B1 and Black's run to A2: Black's A1-A2 with A3 and B2 sits in
# White's only eye space.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X . . . . .
  . . O X . . . . .
  X . O X . . . . .
  X O O X . . . . .
call GunMe C1 [2]

[settle-liberty-first-column-after-the-second-atari]
# White's B2 then: A1-A2 is left with A3 alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X . . . . .
  . . O X . . . . .
  X O O X . . . . .
  X O O X . . . . .
call GunMe C1 [3]

# --- The attacker's filter: a self-atari of exactly four stones ------------
# Black's A8-F8 and F9 under White's wall A7-G7, G8-G9, with the single
# space A9-E9 along the top edge.

[kill-filter-drops-a-self-atari-of-exactly-four-stones]
# White's A9-B9-C9 inside the space, D9 and E9 empty: Black's eye value 3
# (premise, next row).  White's D9 joins the three stones into the four
# A9-D9 with the single liberty E9: a self-atari of four stones, dropped
# although the group's eye value then falls to 0 (premise).  White's E9 is
# a single stone in atari (liberty D9), but the eye value stays 3
# (premise): not below 3, dropped.  A White move outside the wall leaves
# the group and its space as they are.  Nothing is kept.
white to play
  O O O . . X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuKorosu:cover A8 [me=3 none]

[kill-filter-four-stones-premise-eye-value]
# The position above.
white to play
  O O O . . X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]

[kill-filter-four-stones-after-the-self-atari]
# White's D9: A9-D9 in atari inside Black's only space.
white to play
  O O O O . X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [0]

[kill-filter-four-stones-after-the-stone-at-the-end]
# White's E9 instead: the lone E9 in atari beside F9.
white to play
  O O O . O X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]

[kill-filter-keeps-a-self-atari-of-three-stones]
# One White stone less: White's A9-B9 inside, C9, D9 and E9 empty, Black's
# eye value 4 (premise).  White's C9 makes the three stones A9-C9 with the
# single liberty D9: a self-atari, but of three stones only, and the eye
# value falls to 3 (premise, the position of the four-stone row): kept.
# White's D9 (liberties C9 and E9) also brings it to 3 (premise): kept.
# White's E9 leaves it at 4 (premise): dropped.
white to play
  O O . . . X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuKorosu:cover A8 [me=4 C9 D9]

[kill-filter-three-stones-premise-eye-value]
# The position above.
white to play
  O O . . . X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [4]

[kill-filter-three-stones-after-the-middle-stone]
# White's D9 in the three-stone row's position.
white to play
  O O . O . X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [3]

[kill-filter-three-stones-after-the-stone-at-the-end]
# White's E9 in the three-stone row's position.
white to play
  O O . . O X O . .
  X X X X X X O . .
  O O O O O O O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe A8 [4]

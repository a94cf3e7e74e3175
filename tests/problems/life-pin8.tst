# Life and death rows on the settling liberty whose capture point lies on
# the edge column.
#   call SettleAtariDame V   (generators.tst) the settling liberty that puts
#       an attacker chain beside it in atari, on the group at V: each
#       candidate as "point=K+d:reason"
#   call GunMe V    the eye value of the group at V as the analysis gives
#       it (keima-pin.tst): the premise a row stands on

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

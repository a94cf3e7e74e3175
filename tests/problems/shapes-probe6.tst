# Shape links, rows for branches no other row decides (the large knight's
# move between groups): each position's answer is worked out by hand.
# "call NAME:at A B P ..." as in shapes-wide.tst.

# --- The large knight's move: the owner's extension or small jump -----------
# Black's C5 and White's B2 in the (1,3) shape, the long side down the board.
# Beside C5 the extension point A5 is on the edge line (and holds a stone):
# no side there.  Beside B2 the extension is D2 (two from B2 toward C5's
# side) on the second line, not the third, and the small jump D3.  Black's
# point there is the extension when the area beyond C5's line at C5's step
# (D5, outside the rectangle on C5's row) is claimed, else the small jump.
# D5 has three black neighbours (C5, D6, E5), no white one: black area, so
# Black proposes D2.  (A5, the point on the other outer line, holds a live
# black stone and has no area: reading it would give the small jump D3.)
# Value: Black's D2 plus the better of White's D2 and D3.
[group-large-knight-settled-by-area]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  X . X . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:at C5 B2 D2 D2 B2 D3 C5 D2 [D2=r:18]

# The area point left open: White's E5 beside D5 (D5 now touches Black's C5
# and D6 and White's E5), so D5 is claimed by neither side and Black's point
# beside B2 is the small jump D3.  Value: Black's D3 plus the better of
# White's D2 and D3.
[group-large-knight-unsettled-area]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  X . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
call GunKankei7Utu:at C5 B2 D3 D2 B2 D3 C5 D3 [D3=r:18]

# The same across the board: Black's E3 and White's B2, the long side along
# the rows.  Beside E3 the extension point E1 is on the edge line (and holds
# a stone).  Beside B2 the extension is B4 on the second line and the small
# jump C4.  The area point beyond E3's line at E3's step is E4, with three
# black neighbours (E3, E5, F4) and no white one: black area, so Black
# proposes B4.  (E1 on the other outer line holds a live black stone.)
# Value: Black's B4 plus the better of White's B4 and C4.
[group-large-knight-across-settled-by-area]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . X . . . .
  . O . . . . . . .
  . . . . X . . . .
call GunKankei7Utu:at E3 B2 B4 B4 B2 C4 E3 B4 [B4=r:18]

# --- Knight's move: the contact stone and the owner's second move -----------
# Black's knight's move D4-E6, White's E4 touching D4 (S = D4, T = E4, M =
# D5, N = E5, X = F4 beyond T, U = E3 behind T).  Black's F5 (outside N) and
# F6 (beside E6) stand near.  E4 has three liberties (E5, F4, E3): no
# ladder.  White's push at D5 leaves D4 two liberties (C4, D3) and no
# ladder on it (D3 or C4 extends to three); Black blocks at E5, and White's
# D5, shut in by D4, E5 and E6 with two liberties (C5, D6), counts dead: the
# block closes the push.  Then White's E4 has two liberties (F4, E3) and
# F4 has two empty neighbours (F3, G4; F5 is Black's): Black, to play,
# reads a second move at F4 after its E5, and when that scores more its
# share rises halfway toward it.  E5's value: White's E5 answered at D5 plus
# Black's E5 so raised.  Black's hane behind E4 at E3 (three empty
# neighbours, F4 not White's, F5 not White's) is the other candidate.
[knight-contact-block-try]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . . . X . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:block D4 E6 E4 E5 D5 F4 [E3 E5=r:5]

[knight-contact-block-try-half-turn]
# The same turned half round: Black's E4-F6 with White's E6 touching F6 on
# the other side point (T = E6, N = E5, M = F5, X = D6, the hane at E7).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:block E4 F6 E6 E5 F5 D6 [E7 E5=r:5]

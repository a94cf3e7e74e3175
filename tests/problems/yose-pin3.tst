# Known answers that tie the endgame's link marks and point gates to single
# stones: the link rows come as a marked position and its unmarked twins one
# stone apart; the gate rows put the only weak group on the point's left.

[pin3-endgame-link-mark-jump-over-one-end-backed]
# Black's one-space jump C3-E3 with White's D2 under the gap and D4 over it
# empty: the gap is dealt with only when BOTH ends are backed on the open
# side (C4 and E4). Here only C4 is backed, E4 is White's: D3 is not marked.
# C4-E3 is no knight's-move link that would mark D3 and D4: C3, beside C4
# on E3's line, is Black's own stone, so the two are joined, not linked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . X . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 [D3=no]

[pin3-endgame-link-mark-jump-over-both-ends-backed]
# The same with E4 Black: both ends backed over the open side, White under
# the gap: D3 is marked dealt with.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . X . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 [D3]

[pin3-endgame-link-mark-jump-pressed-and-backed-above]
# Black's jump C3-E3 backed over both ends (C4, E4) with White on BOTH
# sides of the gap (D4 and D2), C2 and E2 empty: the gap is dealt with only
# when the side facing the backing stones is empty, and D4 is White's; the
# other reading wants D2 empty and stones under both ends. D3 is not
# marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 [D3=no]

[pin3-endgame-point-with-a-lone-stone-on-its-left]
# E5 with Black's lone stone D5 on its left only; White's C6 stands
# diagonally next to D5, away from E5. As the two lone stones of the gate's
# row in the bounds table (C8 and D7, diagonal to each other), the black
# stone has eye value 3, below the 4 of a settled group. The gate looks at
# all four sides of the point, the left one too: E5 is not valued (nothing
# stored).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseValue:eyes E5 [eyes=3 none]

[pin3-endgame-point-with-a-hemmed-stone-on-its-left]
# As above with White's C4 too: Black's D5 has White on both diagonals of
# its far side, weaker still (eye value 1): E5 is again not valued.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseValue:eyes E5 [eyes=1 none]

# --- Two stones of one colour beside the point: every open side checked ------
#   call YoseTwoStone:plain V S   (as in yose-bounds.tst)

[pin3-endgame-two-stones-open-side-touching-one-own-stone]
# E5 beside Black's E6 and D5, empty at F5 and E4, as the bounds table's
# valued row, with Black's F6 added: F5 now touches one black stone (F6)
# and still two white (G5, F4); one of the point's colour is allowed (at
# most one): valued and marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . X . . O . .
  . . . . . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 E6 [E5 mark]

[pin3-endgame-two-stones-left-side-held-by-one]
# E5 beside Black's E6 (above) and F5 (right), empty at E4 (below) and
# D5 (left). E4 touches White's D4 and E3 (two); D5 touches only D4 (one
# white stone, fewer than two): every open side is checked, the left one
# too, so nothing is stored and the point is not marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 E6 [none]

[pin3-endgame-two-stones-left-side-held-by-two]
# As above with White's C5: D5 now touches C5 and D4 (two), E4 still D4
# and E3: both open sides held by two, valued and marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . X . . .
  . . . O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 E6 [E5 mark]

[pin3-endgame-two-stones-upper-side-held-by-one]
# E5 beside Black's F5 (right) and E4 (below), empty at E6 (above) and
# D5 (left). D5 touches White's C5 and D4 (two); E6 touches only White's
# E7 (one): the upper side is checked too, nothing is stored, no mark.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 F5 [none]

[pin3-endgame-two-stones-upper-side-held-by-two]
# As above with White's D6: E6 now touches E7 and D6 (two), D5 touches
# D6, C5 and D4: both open sides held, valued and marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:plain E5 F5 [E5 mark]

# --- The two-stone point's bonus --------------------------------------------
#   call YoseTwoStone:bonus V S   each candidate as "P:b=N" and V's cache
#       cell's bonus as "cell:b=N" ("cell=empty" without one)

[pin3-endgame-two-stones-valued-with-no-bonus]
# The valued position of the left-side rows (both open sides held by two):
# the two-stone point is stored with its point value and bonus 0, and that
# is the bonus of the candidate too.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . X . . .
  . . . O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:bonus E5 E6 [E5:b=0 cell:b=0]

[pin3-endgame-two-stones-not-valued-no-cell]
# The left side held by one (no White C5): nothing stored, the cell stays
# empty.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseTwoStone:bonus E5 E6 [none cell=empty]

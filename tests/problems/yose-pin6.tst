# The endgame's readings pinned where one cell decides: the first column of
# the endgame's scans, the ladder trap's candidate at the stone played (not
# at a stone of the chain the ladder catches), and the owner's answer on
# the left of a two-stone atari point.
#
#   call YoseBorderThink:at V...   (as in life-yose-pin4.tst) the scan of
#       the border points alone: each V as "V" with a candidate there,
#       "V=none" without, ":mark" when marked dealt with
#   call YoseSichoTrap:cover P   (as in generators-cover.tst) the side to
#       move plays P, then the trap test of its stone: "trap" or "free",
#       then the candidates left ("P=0/1")
#   call YoseTwoStone:atari V L N...   (as in generators-branches.tst) the
#       point V beside two stones of colour s that t = s xor 3 puts in
#       atari there, their escape at L, the empty neighbours N... of V with
#       two or more empty neighbours in neighbour order (up, right, down,
#       left): a = t's evaluation after t at V and s at L, b = t's after t
#       at V and L; R = V, replaced by an N only when s's evaluation there
#       is larger, g = the evaluation at R; total = g + a, doubled (engine
#       t) or grown by its half (engine s) when 2 total < b; the candidate
#       at R when the engine is s ("R=r/b"), else at V ("V=r/b"); "mark"
#       when V is marked dealt with

# --- The border scan starts at the first column ------------------------------

[endgame-border-scan-reads-the-first-column]
# Black's wall across the board on line 4, White's across on line 6, line 5
# empty between them.  Every point of line 5 is empty, in no region and
# unmarked, touches Black's wall below, White's wall above and an empty
# point beside it: the border scan sends each to the border reading.  A5
# on the first column is read like B5: Black may play there, its stone
# joins the wall, no atari is at stake, White's wall is not dying: both
# are valued.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderThink:at A5 B5 [A5 B5]

[endgame-border-scan-reads-the-first-column-white]
# The same with White to play: White's wall is the engine's living group
# next to line 5, Black's the opponent's; A5 and B5 are valued.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  . . . . . . . . .
  X X X X X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseBorderThink:at A5 B5 [A5 B5]

# --- The ladder trap proposes the stone played ---------------------------------

[endgame-ladder-trap-escape-upward]
# endgame-ladder-trap-of-a-two-liberty-stone (generators-cover.tst) turned
# upside down: Black's E5 between White's D5 and E4, with White's D6 above
# D5: two liberties, F5 and E6.  White's F5 (liberties F6, G5, F4) leaves
# E5 in atari; Black's escape at E6 gives E5-E6 the two liberties F6 and
# E7 (D6 and D5 are White's), and the ladder catches it running up to the
# edge.  The trap holds, and the candidate (0, 1) goes to E5, the stone
# that was played, not to E6 or another stone of the caught chain.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover E5 [trap E5=0/1]

# --- The owner's answer on the left of the atari point -------------------------

[endgame-two-stones-owners-answer-on-the-left]
# endgame-two-stones-put-in-atari (generators-more.tst) mirrored left to
# right: F2 beside Black's F3 and G2, its empty neighbours F1 (below) and
# E2 (on its left).  White's F2 ataris G2 (under White's G3, beside H2),
# which escapes at G1.  Black's answer: F2 itself, or F1 (empty neighbours
# G1 and F2), or E2 (E3 and F2), whichever gives Black the most; E2, the
# neighbour on the left, is read too, the last of the four sides.  Black
# is the owner s: its candidate is R; the point is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . O . . X O .
  . . . . O . . . .
call YoseTwoStone:atari F2 G1 F1 E2 [R=r/b mark]

[endgame-two-stones-owners-answer-on-the-left-white-to-play]
# The same with White to play: the engine is t, the candidate is F2 itself,
# and its total counts Black's best answer among F2, F1 and E2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X O . .
  . . . O . . X O .
  . . . . O . . . .
call YoseTwoStone:atari F2 G1 F1 E2 [F2=r/b mark]

# Known-answer rows for the peep beside a jump to the edge: the opponent's
# push at the gap when the owner's block beyond the gap is safe (read with the
# block on the board) or unsafe (the owner answers on the second line first).

[pin3-peep-push-safe-block-keeps-block-black]
# Black's second-line stone E8 jumps to the top edge; White's lone D9 (Q)
# peeps beside the gap E9, with White's wall B9, B8, C8, B7 behind it; D8 is
# open, so White's push E9 keeps two liberties (C9, D8) after Black's block.
# Black's group has two eyes (C6, E6) and more than three liberties, so
# White's S = F9 first is not read.  White's part: the push E9 is no ladder
# (three liberties); Black blocks at S = F9, which keeps two liberties (G9,
# F8) and leaves White's D9-E9 out of atari.  The block is safe: White's F8
# would have the single liberty F7 between Black's E8, G8 and F9, and
# White's G9 is met at F8.  Black's stone E8 is in no ladder, so White's part
# is read with the block still on the board: p = White E9, Black F9 (h1).
# Black's part: the connection E9 (h0); Q keeps two liberties (C9, D8) and
# no ladder catches it (either atari lets Q join the wall): no bonus.
# Value h0 + h1 at the gap for either side to move.
black to play
  . O . O . . . . .
  . O O . X . X . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 F9 [E9=s:5]

[pin3-peep-push-safe-block-keeps-block-white]
# As pin3-peep-push-safe-block-keeps-block-black with White to move: White's
# point is its push at the gap, h0 + h1 with the block F9 kept in h1.
white to play
  . O . O . . . . .
  . O O . X . X . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 F9 [E9=s:5]

[pin3-peep-push-unsafe-block-answers-at-u-black]
# The position of pin3-peep-push-safe-block-keeps-block-black without Black's
# G8: the block F9 is now caught, White's F8 chases it along the first line
# into the corner, so it is not safe.  U = G8 and R = F7 are both empty, so
# Black first answers on the second line at U and White then takes S:
# p = White E9, Black G8, White F9 (h1).  G8 has four empty neighbours, so a
# sum of 2 is not raised.  Black's part as before (h0).
black to play
  . O . O . . . . .
  . O O . X . . . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin3-peep-push-unsafe-block-answers-at-u-white]
# As pin3-peep-push-unsafe-block-answers-at-u-black with White to move: White's
# push at the gap, the same h0 + h1.
white to play
  . O . O . . . . .
  . O O . X . . . .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s:5]

[pin3-peep-push-unsafe-block-r-taken-black]
# The position of pin3-peep-push-unsafe-block-answers-at-u-black with a White
# stone on R = F7: White's F8 atari is now backed by F7 and the block F9 is
# still caught, so it is not safe; R is not empty, so Black has no second-line
# answer first and White's part is the push alone: p = White E9 (h1).  Black's
# part is the connection (h0).
black to play
  . O . O . . . . .
  . O O . X . . . .
  . O X X X O . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 [E9=s:5]

[pin3-peep-push-unsafe-block-sum-raised-by-two-black]
# The position of pin3-peep-push-unsafe-block-answers-at-u-black with a White
# stone on G7 under U: the block F9 is still caught along the first line, U =
# G8 and R = F7 are empty, so White's part is p = White E9, Black G8, White F9
# (h1) and Black's part the connection (h0).  The opponent's part is more than
# 2, so the sum is not divided; it is 6 or more, so it gains 2.
black to play
  . O . O . . . . .
  . O O . X . . . .
  . O X X X . O . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[pin3-peep-push-unsafe-block-sum-two-raised-to-four-black]
# The position of pin3-peep-push-unsafe-block-answers-at-u-black with a White
# stone on H8 beside U: White's G8 now finishes the first-line ladder against
# the block F9 (Black's H9 has only J9), so the block is unsafe; U = G8 and
# R = F7 are empty: p = White E9, Black G8, White F9 (h1), and the
# connection (h0).  The sum is 2 and U now has exactly three empty
# neighbours (F8, G9, G7), so the value becomes 4; without H8 (four empty
# neighbours, pin3-peep-push-unsafe-block-answers-at-u-black) it stays 2.
black to play
  . O . O . . . . .
  . O O . X . . O .
  . O X X X . . . .
  . X . X . X . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=4(s=2):5]

[pin3-kill-check-lone-stone-hemmed-in]
# The killing test that the attached pair's reading uses: White's lone D2
# sits under Black's two-row wall C3-G3, C4-G4 and beside Black's C2;
# Black's E2 leaves it one liberty (D1) with no room for an eye, so
# the group at D2 is dead after the move: "yes".
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X X . .
  . . X X X X X . .
  . . X O . . . . .
  . . . . . . . . .
call IkkenEdgeKorosuCheck:pin3 E2 D2 [yes]

[pin3-kill-check-lone-stone-with-room]
# The same White stone without Black's walls: after Black's E2 it keeps
# three liberties and the open board around it, so it is not dead: "no".
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
call IkkenEdgeKorosuCheck:pin3 E2 D2 [no]

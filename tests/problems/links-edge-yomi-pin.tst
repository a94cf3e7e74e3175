# Known answers for the reading of a one-space jump to the edge whose
# second-line stone has an opponent stone beside it (the attached pair), the
# peep beside the gap, and the hane-and-cut strip pattern: rows whose answer
# turns on one stop, one cell or one bound of the reading.  Lines and forms
# as in links-edge.tst (LinkRoutines.cpp).

[pin-attached-pair-both-sides-taken]
# Black's second-line stone E8 jumps to the top edge over the gap E9.  White
# stands on both sides of it on the second line, D8 and F8: the pair reading
# is for one attached stone only, so it stops at once and proposes nothing
# (with F8 empty the same shape is read: links-edge.tst
# edge-attached-pair-two-forcing-lines-top-black).
black to play
  . . . . . . . . .
  . . . O X O . . .
  . . . . X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[pin-attached-pair-stone-above-held-off]
# Black's second-line stone E8 jumps to the top edge, White's D8 (K) beside
# it.  Above the stone H1 = E7 is empty while White holds H2 = E6, and T =
# F8, the second-line point on the other side of the stone, is empty with
# its three empty neighbours F9, F7 and G8: White's push E7 comes first, and
# the pair reading stops without a candidate.
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O . . X . .
  . . . O O . X . .
  . . O . . X X . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

# Shape links: single routines on positions whose answers are worked out
# from the shapes by hand.  "call NAME A B" runs the routine NAME alone on
# the pair (A, B) for the side to move and answers the candidates it left
# as "point=value:reason" (in any order), "none" when it left none.

[diagonal-cut-forbidden]
# Black's diagonal D4-E5 with White's E4 beside it: the cutting point D5 is
# closed to White (C5, D6, E5 and D4 are Black), so there is nothing to do.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . X . X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku D4 E5 [none]

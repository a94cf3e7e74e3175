# Shape links: single routines on positions whose answers are worked out
# from the shapes by hand.  "call NAME A B" runs the routine NAME alone on
# the pair (A, B) for the side to move and answers the candidates it left
# as "point=value:reason" (in any order), "none" when it left none.
# "call NAME:read A B M..." answers the value against readings the row
# names (see shapes-wide.tst).

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

# --- A diagonal answered by the opponent's stones beyond it ---------------------
# Black's diagonal D4-E5 with White's D5 on the crossing point; White's E3
# stands beyond the cutting point E4 (below it) and White's E6 beyond E5, so
# the strip from E3 to E6 is read: its first opponent stone on the sides of
# the two middle rows is D5, beside Black's E5, so White's push is F5 (the
# point beside E5 opposite D5), Black connects at E4 and White turns at F4.
# E5 escapes a ladder (E4 joins it to D4), so there is no ladder move.  The
# value is White's evaluation after F5, E4, F4; Black defends at E4, White
# pushes at F5.

[diagonal-outer-stone-beside-far-stone]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 F5 E4 F4 [E4=r:5]

[diagonal-outer-stone-beside-far-stone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 F5 E4 F4 [F5=r:5]

# The same link with the opponent's stone on the other crossing point E4:
# the cutting point is D5, White's C5 stands beyond it and White's F5
# beyond E5.  Along the strip from C5 to F5 the first opponent stone of the
# middle rows' sides is E4, on the far side, so White pushes at E6 (beside
# E5 opposite E4), Black connects at D5 and White turns at D6.

[diagonal-outer-stone-other-crossing]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 E6 D5 D6 [D5=r:5]

[diagonal-outer-stone-other-crossing-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . X O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 E6 D5 D6 [E6=r:5]

# White's D5 on the crossing point again, but the opponent's stone beyond
# the cut stands beside it (F4) with White's C4 beyond D4: the strip runs
# from F4 to C4, its first opponent stone is D5 beside D4, so White pushes
# at D3 (below D4), Black connects at E4 and White turns at E3.

[diagonal-outer-stone-beside-near-stone]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 D3 E4 E3 [E4=r:5]

[diagonal-outer-stone-beside-near-stone-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 D3 E4 E3 [D3=r:5]

# The first shape again with White's F6 and G5 around F5: now E5 is
# caught by a ladder starting at E4 (E5 can only run to F5, where it has
# one liberty), so White's point is that ladder move, E4, and the value
# White's evaluation after E4 alone; Black defends at E4 too.

[diagonal-outer-stone-ladder]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . O . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 E4 [E4=r:5]

[diagonal-outer-stone-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . . . O X . O . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 E4 [E4=r:5]

# The third shape with Black's F5 beside E5 (the point beyond E5 from D5,
# which only the other shape's reading needs empty): the same reading.

[diagonal-outer-stone-beside-near-stone-own-beside]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . O X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 D3 E4 E3 [E4=r:5]

# The first shape with Black's D3 below D4 (the point beyond D4 from D5,
# which only the third shape's reading needs empty): the same reading.

[diagonal-outer-stone-beside-far-stone-own-below]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiRenraku:read D4 E5 F5 E4 F4 [F5=r:5]

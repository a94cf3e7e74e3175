# Two-space jumps (and a few one-space wedges): rows that pin single cells,
# bounds and constants of the pattern routines, each beside the row that
# differs from it by one stone.  "call NAME A B ..." as in links-twospace.tst;
# ":pf:bonus" adds each candidate's bonus ("POINT/bonus"), ":pf:less A B A L"
# answers each value less the owner's evaluation after its line L
# (tests/engine/links/K6PinRoutines.cpp).

[k6pin-edge-peep-own-beyond-bonus-black]
# White's peep C2 at Black D3's jump to the edge, C3 empty and Black already
# on B2 beyond the peep, B3 empty: the gap D2 is valued plainly, Black's D2
# and White's push D2 answered by Black's cut E2, s, and this plain value
# carries no bonus (only the general reading's extension gives one).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . X O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pf:bonus D3 D2 D3 D2 D3 D2 E2 [D2=s:5 D2/0]

[k6pin-edge-peep-own-beyond-bonus-right-white]
# The mirror (White's peep E2, Black F2), White to play: White's push D2
# and Black's cut C2; D2, s, no bonus.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . O X . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pf:bonus D3 D2 D3 D2 D3 D2 C2 [D2=s:5 D2/0]

[k6pin-wedge-outside-pressed-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 beside it, so
# Black's block is P = D4; the corner Y = C4 is empty with White B4 behind
# it, and White also holds PP = D3 below P: the press.  Black blocks at D4,
# White takes the corner C4, Black answers at Z = E4 (beyond D4 seen from
# C4): h0; White's corner C4 alone: h1.  Black's point D4, h0 + h1 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 E4 C5 C4 [D4=s:5]

[k6pin-wedge-outside-pressed-white]
# As k6pin-wedge-outside-pressed-black, White to play: White's point is the
# corner C4, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 E4 C5 C4 [C4=s:5]

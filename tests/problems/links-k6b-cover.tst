# Two-space jumps: the branches of the outside cut, the peep's capture after
# the connection, and the edge readings that the first cover table left
# (see links-k6cover.tst).  "call NAME A B ..." as in links-twospace.tst:
# the points after a repeated A are the lines of the row's working (the
# first from the owner, the second from the opponent, colours alternating;
# a point given twice in a row is a pass), and each candidate's value is
# answered as an expression of their evaluations.

# The outside cut of Black's jump C5-F5: White's D7 two lines out beside
# the gap D5 (liberties D6 and E7), Black's C7 two lines out beside C5 on
# the same side (White's B7 leaves it two liberties, C8 and C6).  D6 is
# the cut's point Ns beside the gap, C6 the corner R1 beside C5, D4 and E4
# the far flanks.

[k6b-outside-cut-short-own-stone-black]
# White's D7 has two liberties and Black's C7 only two: the attacker's
# reading is R1 first: White C6 (against C7) and then D5 (two White moves
# in a row), Black D4, White E5, Black E4 (p).  Black's part: Black D6
# leaves D7 in atari, so Black captures at E7 too; with Black to move
# Black's part moves half of the way from o (Black D6) to t (Black D6 and
# E7).  Black's own candidate is D6: o + (t - o)/2 + p, under the caller's
# reason.
black to play
  . . . . . . . . .
  . . . X O O O . .
  . O X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 C6 C6 D5 D4 E5 E4 C5 D6 D6 E7 [D6=o+(t-o)/2+p:5]

[k6b-outside-cut-short-own-stone-white]
# As k6b-outside-cut-short-own-stone-black with White to move: Black's
# part stays at o (Black D6 alone), White's point is R1, C6: o + p = s.
white to play
  . . . . . . . . .
  . . . X O O O . .
  . O X O . . O . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D6 C5 C6 C6 D5 D4 E5 E4 [C6=s:5]

[k6b-outside-cut-short-own-stone-other-side-black]
# k6b-outside-cut-short-own-stone-black turned upside down: White's D3
# (liberties D4, E3), Black's C3 with two liberties (C2, C4; White's B3).
# Ns = D4, R1 = C4, the far flanks D6 and E6.  o: Black D4; t: Black D4
# and E3; p: White C4, D5, Black D6, White E5, Black E6.  Black's D4:
# o + (t - o)/2 + p.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . O X O . . O . .
  . . . X O O O . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D4 C5 C4 C4 D5 D6 E5 E6 C5 D4 D4 E3 [D4=o+(t-o)/2+p:5]

[k6b-outside-cut-short-own-stone-other-side-white]
# As k6b-outside-cut-short-own-stone-other-side-black, White to move:
# White's C4, s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . X . . .
  . . . . . . . . .
  . O X O . . O . .
  . . . X O O O . .
  . . . . . . . . .
call Kankei6Soto C5 F5 C5 D4 C5 C4 C4 D5 D6 E5 E6 [C4=s:5]

# Jump links: a third set of rows that pin single branches of the readings
# (the owner's free-side corner when the push is worth nothing, ...).
# "call NAME A B ..." as in links-edge.tst: the points after a repeated A are
# the lines of the row's working (the first from the owner, the second from
# the opponent, colours alternating; a point given twice in a row is a pass),
# and each candidate's value is answered as an expression of their
# evaluations.

[probe3-two-corners-free-corner-black]
# Black E4-E6 jump; White D4 and D6 hold both corners on the left, White C5
# stands beside N = D5 and White E3 under E4: E4 has two liberties (E5, F4),
# E6 three.  N is a self-atari for Black (its one liberty the gap), so
# Black's first point is the gap E5, worth h0 = 0 (nothing gained).  With
# that at most 0 and B's chain above two liberties, A's chain has exactly
# two: Black looks at the free corner beside A, F4, worth h2 > 0, which
# replaces the gap.  White's wedge at E5 leaves E4 one liberty F4 (not the
# free gap-row point F5): Black F5 then White F4 (h3), or Black F4 then White
# F5 (h5); White's value is the smaller, h3.  Value h2 + h3 for either side:
# Black's point F4, White's the wedge E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoKata:sides E4 E6 E4 E5 E4 E4 F4 E4 E5 F5 F4 E4 E4 E5 F4 F5 [F4=h2+h3:5]

[probe3-two-corners-free-corner-white]
# Black E4-E6 jump; White D4 and D6 hold both corners on the left, White C5
# stands beside N = D5 and White E3 under E4: E4 has two liberties (E5, F4),
# E6 three.  N is a self-atari for Black (its one liberty the gap), so
# Black's first point is the gap E5, worth h0 = 0 (nothing gained).  With
# that at most 0 and B's chain above two liberties, A's chain has exactly
# two: Black looks at the free corner beside A, F4, worth h2 > 0, which
# replaces the gap.  White's wedge at E5 leaves E4 one liberty F4 (not the
# free gap-row point F5): Black F5 then White F4 (h3), or Black F4 then White
# F5 (h5); White's value is the smaller, h3.  Value h2 + h3 for either side:
# Black's point F4, White's the wedge E5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoKata:sides E4 E6 E4 E5 E4 E4 F4 E4 E5 F5 F4 E4 E4 E5 F4 F5 [E5=h2+h3:5]

# Jump links: rows that pin single branches of the forcing-line reading of
# the edge contact (the owner's atari beyond its line, the owner's descent
# that leaves the attached stones on two liberties).  "call NAME A B ..." as
# in links-edge.tst: the points after a repeated A are the lines of the
# row's working (the first from the owner, the second from the opponent,
# colours alternating), and each candidate's value is answered as an
# expression of their evaluations.

[probe5-edge-attached-atari-beyond-black]
# Black's second-line stone E8 (wall E8-E5) jumps to the top edge; White's
# chain K = D8-D7-D6-C6-B6-B5 with C8 stands beside it, N = D9, S = F9, gap
# E9, NN = C9, K2 = C8 (White's), X = StepBeyond(N, NN) = B9; White A9 sits
# in the corner with two liberties (A8, B9).  Black's line: Black D9 (no
# self-atari, no ladder on E8 or D9), K keeps many liberties, NN is empty
# and K2 is not Black's: White answers under at C9, which joins K (no
# ladder threat: K2 is taken), Black connects at E9; C9 is part of K and not
# caught, and Black's block at K2 is refused (White's stone): the plain
# line D9, C9, E9.  That value is positive, so Black looks beyond: B9 is
# empty, Black's B9 puts exactly one chain in atari (A9) and has two empty
# neighbours (C9, B8); A9 has no neighbour in atari, so White escapes at A8
# and Black still descends at D9: this evaluation is the larger, and the
# line becomes [B9, A8, D9] (o = h0).  White's line as in the pair-block
# ladder rows: White E9, Black F9, White D9 joins K, Black's F9 is caught on
# the first line and escapes at F8 (p = h1, a forcing line for White).  Only
# White's line is forcing: s + s/2 (below the cap), at Black's first point
# B9, the atari beyond.
black to play
  O . . . . . . . .
  . . O O X . . . .
  O . . O X . . . .
  . O O O X . . . .
  . O . . X . . . .
  X . O X . O . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 B9 A8 D9 E8 E9 F9 D9 F8 [B9=s+s/2:5]

[probe5-edge-attached-atari-beyond-white]
# The position of probe5-edge-attached-atari-beyond-black with White to
# play: Black's line is again raised to the atari beyond, B9, A8, D9
# (h0), White's line E9, F9, D9, F8 (h1) is forcing and now White's own:
# s + s/2, at White's gap E9.  Without the atari beyond Black's part would
# be the plain D9, C9, E9, a smaller value.
white to play
  O . . . . . . . .
  . . O O X . . . .
  O . . O X . . . .
  . O O O X . . . .
  . O . . X . . . .
  X . O X . O . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 B9 A8 D9 E8 E9 F9 D9 F8 [E9=s+s/2:5]

[probe5-edge-attached-owned-k2-ladder-black]
# Black's second-line stone E8 (wall E8-E5) jumps to the top edge; White's
# K = D8-D7-D6 (liberties D9, C7, D5) stands beside it, N = D9, S = F9, gap
# E9, NN = C9, K2 = C8, which is Black's (so White has no answer under at
# NN to read).  Black's line: Black D9 (no self-atari, no ladder on E8 or
# D9) leaves K exactly two liberties, C7 and D5, and the ladder catches it:
# Black D5, White C7 is shut in by C8 and C6 and Black B7 takes.  So White
# plays the ladder's first move D5 itself: o = h0 after D9, D5.  The third
# line above T (F7) is surrounded by Black's wall and keeps the line; no
# Black move at B9 puts anything in atari.  White's line as in the
# pair-block ladder rows: White E9, Black F9, White D9, Black's F9 caught on
# the first line escapes at F8 (p = h1, forcing for White).  Only White's
# line is forcing: s + s/2, at Black's N = D9.  (Without the ladder
# escape, Black's value after D9 alone is far larger and the total reaches
# the cap.)
black to play
  X . . . . . . . .
  O . X O X . . . .
  . . . O X . . . .
  . O X O X . . . .
  . . . . X . . . .
  O O . . . O . . .
  X . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 D5 E8 E9 F9 D9 F8 [D9=s+s/2:5]

[probe5-edge-attached-owned-k2-ladder-white]
# The position of probe5-edge-attached-owned-k2-ladder-black with White to
# play: Black's line is D9 with White's escape at the ladder's first move
# D5 (h0), White's line E9, F9, D9, F8 (h1) is forcing and White's own:
# s + s/2, at White's gap E9.
white to play
  X . . . . . . . .
  O . X O X . . . .
  . . . O X . . . .
  . O X O X . . . .
  . . . . X . . . .
  O O . . . O . . .
  X . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 D5 E8 E9 F9 D9 F8 [E9=s+s/2:5]

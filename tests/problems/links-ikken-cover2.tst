# Jump links, second set: the peep's main reading when the opponent's cut
# at the gap leaves an end in atari.  "call NAME:ik:bonus A B ..." as in
# links-ikken-cover.tst: the points after a repeated A are the lines of the
# row's working (h0 from the owner, h1 from the opponent, colours
# alternating), each candidate's value is answered as an expression of
# s = h0 + h1 ("s+5": the sum with 5 on top), followed by its bonus.
#
# Common frame: Black's one-space jump D6-D4 (A = D6, B = D4, gap D5);
# White peeps from C5 (S), so P = E5 and the far corners are Q = E6 (A's
# row) and R = E4 (B's row).  S's chain never falls into atari, so Black's
# connection at the gap gives the owner value h0 = Black D5 and no bonus.
# The cut at D5 joins S's chain and has many liberties: the reading goes
# on, finds an end in atari and hands off to the end-in-atari reading,
# whose value e is added to h0.

[ik2-renatari-extend-half-capped-black]
# White C6 and D7 leave A = D6 with the liberties D5 and E6: the cut puts
# it in atari with the last liberty E6 (not P).  No White chain beside D6 is
# in atari.  Black extends at E6: D6-E6 has three liberties (E7, F6, E5),
# no ladder; White plays P = E5 and D6-E6 keeps two liberties (not in
# atari), so White's reading is h1 after D5, E6, E5 with half of it on top,
# held at 5 (h1 is far above 10): e = h1 + 5.  Black to play: C1 = E6 has
# three empty neighbours but C2 = E4 has three empty and one Black one (not
# two and two), so the point is the gap: D5 = s + 5, bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 E6 E5 [D5=s+5:5 D5+0]

[ik2-renatari-extend-half-capped-white]
# ik2-renatari-extend-half-capped-black with White to play: the attacker's
# point is always the gap, with the same arithmetic: D5 = s + 5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 E6 E5 [D5=s+5:5 D5+0]

[ik2-renatari-extend-half-capped-b-end-black]
# The end in atari is B: White C4 and D3 leave D4 with E4 alone after the
# cut (A = D6 keeps three liberties).  Black extends at E4 (three liberties,
# no ladder), White plays E5, D4-E4 keeps E3 and F4: e = h1 + 5 with h1
# after D5, E4, E5.  C1 is now R = E4, C2 = Q = E6 has three empty
# neighbours: the point is the gap, D5 = s + 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . O X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 E4 E5 [D5=s+5:5 D5+0]

[ik2-renatari-extend-half-capped-other-side-black]
# The peep from the other side: White E5 (S), E6 and D7, so P = C5,
# Q = C6, R = C4.  The cut leaves D6 with C6 alone; Black extends there
# (C7, B6, C5 free, no ladder), White plays P = C5 and C6-D6 keeps two
# liberties: e = h1 + 5 with h1 after D5, C6, C5.  C2 = C4 has three empty
# neighbours and one Black one: the gap, D5 = s + 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . . . O . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 C6 C5 [D5=s+5:5 D5+0]

[ik2-renatari-extend-corner-open-black]
# ik2-renatari-extend-half-capped-black with a Black stone at E3: the same
# reading (e = h1 + 5), but now C1 = E6 has exactly three empty neighbours
# (E7, F6, E5) and C2 = E4 exactly two empty (F4, E5) and two Black ones
# (D4, E3): Black's own link answers at the far corner E6 instead of the
# gap: E6 = s + 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 E6 E5 [E6=s+5:5 E6+0]

[ik2-renatari-capture-beside-end-black]
# White D7 stands in atari (Black D8 and E7; its liberty C7) beside
# A = D6, which the cut leaves with E6 alone.  Black takes D7 at C7; D6's
# liberties are then D7 and E6, and E6 is the far corner of A's row: White
# plays it.  e = h1 after D5, C7, E6, and the value is h0 + e = s; C1 = E6
# has only two empty neighbours (E7 is Black): the gap, D5 = s.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 C7 E6 [D5=s:5 D5+0]

[ik2-renatari-capture-beside-end-white]
# ik2-renatari-capture-beside-end-black with White to play: the same
# capture and corner reading, at the gap: D5 = s.
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 C7 E6 [D5=s:5 D5+0]

[ik2-renatari-extension-at-p-in-atari-black]
# A's chain D6-E6 is walled in by White C6, D7, E7, F6: the cut leaves it
# with P = E5 as its only liberty.  Black's extension at P leaves the chain
# with E4 alone (F5 is White): the extension fails, White's value is the
# cut as it stands, e = h1 after D5.  The gap: D5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . O X X O . . .
  . . O . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 [D5=s:5 D5+0]

[ik2-renatari-extension-at-p-in-atari-white]
# ik2-renatari-extension-at-p-in-atari-black with White to play: D5 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . O X X O . . .
  . . O . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 [D5=s:5 D5+0]

[ik2-renatari-extension-at-p-illegal-black]
# ik2-renatari-extension-at-p-in-atari-black with White E4 too: Black's
# extension at P = E5 would have no liberty and captures nothing (illegal):
# e = h1 after the cut D5 alone.  The gap: D5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . O X X O . . .
  . . O . . O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus D6 D4 D6 D5 D6 D5 [D5=s:5 D5+0]

# The peep with the opponent on a far corner as well (IkkenNozokiKado),
# when the peeping stone can be laddered after the owner's connection: the
# lines are o = h0 (Black connects at the gap), p = h1 (White's cut at the
# gap) and t = h2 (Black connects and, White passing, plays the ladder's
# first move on the peeping stone).  Black's answer at P is a lone stone
# with one liberty (White stands beside it), so the cut is valued as it
# stands (p).  K's chain has three liberties, so Black's answer is the gap:
# the owner value is o moved half of the way toward t (t > o), and the
# value is that plus p, plus 2 for Black's own link (3 for White's attack)
# from 2 up.  Black's point is the gap with the kind of a cut answer (3),
# White's the gap with the kind of a connection (4).

[ik2-nozoki-kado-peep-ladder-black]
# Black's jump D6-D4, White peeps from C5 and holds the far corner K = E6
# in A's row (P = E5; White F5 leaves Black's P with E4 alone).  After
# Black's D5 the peeping stone has C4 and C6; Black's atari at C6 catches
# it at once (White's C4 would have no liberty: B4, C3, D4 are Black).
# Black to play: D5 = o + (t - o)/2 + p + 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . X O . . O . . .
  . X . X . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKado D6 D4 D6 D5 D6 D5 D6 D5 D5 C6 [D5=o+(t-o)/2+p+2:3]

[ik2-nozoki-kado-peep-ladder-white]
# ik2-nozoki-kado-peep-ladder-black with White to play: the same readings,
# 3 on top for the attacker: D5 = o + (t - o)/2 + p + 3.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . X O . . O . . .
  . X . X . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKado D6 D4 D6 D5 D6 D5 D6 D5 D5 C6 [D5=o+(t-o)/2+p+3:4]

[ik2-nozoki-kado-peep-ladder-other-side-black]
# The other side: White peeps from E5 and holds K = C6 (P = C5; White B5
# beside it).  After Black's D5 the peeping stone has E4 and E6; Black's
# atari at E6 catches it at once (E4 has no liberty: D4, F4, E3 are
# Black).  Black to play: D5 = o + (t - o)/2 + p + 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . O . . O X . . .
  . . . X . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKado D6 D4 D6 D5 D6 D5 D6 D5 D5 E6 [D5=o+(t-o)/2+p+2:3]

# The wedge joined by a stone beside it on the gap row (IkkenWariNobi,
# through IkkenWarikomi:ik), when no corner or outside point decides the
# shape: Black's jump D6-D4, White's wedge D5 with C5 beside it, so Black's
# block is P = E5 with the corners Y1 = E6 and Y2 = E4; Y1o = F6 and
# Y2o = F4 lie beyond them, Y1p = E7 and Y2p = E3 behind them, PP = F5 and
# PPP = G5 beyond P.  Both ends keep three liberties after the block, so
# Black's value is h0 after E5.  No White stone stands beyond an end, so
# White extends at P and trades: for each Black stone at Y1o (Y2o) White
# plays Y1 (Y2) and Black Y1p (Y2p); with both, White PP and Black PPP too.
# White's value is h1 after these moves (the line repeats E5 for Black's
# pass), plus the number of exchange moves when it is above 0.  Neither
# corner is an atari point for White, so P stays White's point.  Black's
# own answer is P with the kind of a block (3), White's P (5).

[ik2-wari-nobi-upper-exchange-black]
# Black F6 (Y1o): one exchange, White E6 and Black E7; h1 is above 0, so
# two moves are added: E5 = s + 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . O O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik D6 D4 D6 E5 D6 E5 E5 E6 E7 [E5=s+2:3]

[ik2-wari-nobi-upper-exchange-white]
# ik2-wari-nobi-upper-exchange-black with White to play: E5 = s + 2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . O O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik D6 D4 D6 E5 D6 E5 E5 E6 E7 [E5=s+2:5]

[ik2-wari-nobi-lower-exchange-black]
# Black F4 (Y2o): the exchange White E4, Black E3: E5 = s + 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O O . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik D6 D4 D6 E5 D6 E5 E5 E4 E3 [E5=s+2:3]

[ik2-wari-nobi-both-exchanges-nothing-added-black]
# Black F6 and F4: three exchanges (E6-E7, E4-E3, F5-G5), but White's
# value after them is not above 0, so the six moves are not added:
# E5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . O O . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik D6 D4 D6 E5 D6 E5 E5 E6 E7 E4 E3 F5 G5 [E5=s:3]

[ik2-wari-nobi-both-exchanges-other-side-black]
# The other side: White's gap-row stone is E5, so P = C5, Y1 = C6,
# Y2 = C4, Y1o = B6 and Y2o = B4 (Black), Y1p = C7, Y2p = C3, PP = B5,
# PPP = A5.  Three exchanges (C6-C7, C4-C3, B5-A5) and White's value above
# 0: six moves on top, C5 = s + 6 (":less6" answers the value less 6: s).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . O O . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik2:less6 D6 D4 D6 C5 D6 C5 C5 C6 C7 C4 C3 B5 A5 [C5=s:3]

# The opponent's outside block beside its corner stone, when the owner
# already stands beyond the corner's neighbour (IkkenKado1OsaeSoto, called
# as "IkkenKado1OsaeSoto:ik2 A B G D"): the gap and D empty, H (beyond the
# gap from G) and D2 (beyond D from G) empty.  White plays G and the gap
# (Black passing between), Black H, White D, Black D2; the line is h1 (the
# empty line h0 only keeps the place), and G is proposed with that value
# when it is above 0, for either side to move.

[ik2-kado1-osae-soto-black]
# Black's jump D6-D4, White's corner C6; G = C5, D = C4, Black B4 beyond
# D.  White C5 and D5, Black E5, White C4, Black C3: White has cut the jump
# and its stones stand, h1 above 0: C5 = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1OsaeSoto:ik2 D6 D4 C5 C4 D6 D6 C5 C5 D5 E5 C4 C3 [C5=h1:5]

[ik2-kado1-osae-soto-white]
# ik2-kado1-osae-soto-black with White to play: the same point and value
# for the attacker, C5 = h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1OsaeSoto:ik2 D6 D4 C5 C4 D6 D6 C5 C5 D5 E5 C4 C3 [C5=h1:5]

[ik2-kado1-osae-soto-other-corner-black]
# White's corner across and along: E4, so G = E5, D = E6, H = C5,
# D2 = E7 (Black F6 beyond D).  White E5 and D5, Black C5, White E6,
# Black E7: h1 above 0, E5 = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . X . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1OsaeSoto:ik2 D6 D4 E5 E6 D6 D6 E5 E5 D5 C5 E6 E7 [E5=h1:5]

[ik2-kado1-osae-soto-walled-black]
# ik2-kado1-osae-soto-black with Black walls at B5, B6, C7 and D7: after
# the same five moves White's stones C4-C5-C6-D5 are shut in, h1 is not
# above 0, and nothing is proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O X . . . . .
  . X . . . . . . .
  . X . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1OsaeSoto:ik2 D6 D4 C5 C4 D6 D6 C5 C5 D5 E5 C4 C3 [none]

# The corner shape's edge reading (IkkenKado1Edge, called as
# "IkkenKado1Edge:ik2 A B G D FS"): Black's jump D6-D4, White's corner C6,
# G = C5 beside it, D = C4 and FS = D4, so Dout = B4 (beyond D from FS).
# White's value is its move at G (h1 after C5); Black's answer is Dout when
# it is empty with at least two empty neighbours, else G (h0 after it).
# The value is h0 + h1 = s; Black proposes its answer, White G.

[ik2-kado1-edge-dout-cramped-black]
# B4 has one empty neighbour only (C4; A4 and B5 White, B3 Black): Black
# answers at G, C5 = s with h0 after Black's C5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . O . . . . . . .
  O . . X . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1Edge:ik2 D6 D4 C5 C4 D4 D6 C5 D6 C5 [C5=s:5]

[ik2-kado1-edge-dout-open-black]
# A4 empty as well: B4 has two empty neighbours, Black answers there,
# B4 = s with h0 after Black's B4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . O . . . . . . .
  . . . X . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1Edge:ik2 D6 D4 C5 C4 D4 D6 B4 D6 C5 [B4=s:5]

[ik2-kado1-edge-dout-open-white]
# ik2-kado1-edge-dout-open-black with White to play: the attacker's point
# is G, with the same sum: C5 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O X . . . . .
  . O . . . . . . .
  . . . X . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKado1Edge:ik2 D6 D4 C5 C4 D4 D6 B4 D6 C5 [C5=s:5]


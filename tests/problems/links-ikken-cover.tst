# Jump links: rows for branches of the peep's main reading, the wedge with a
# gap-row stone and the three-space jump that no other row reaches.  "call
# NAME:ik A B ..." as in links-edge.tst: the points after a repeated A are
# the lines of the row's working (the first from the owner, the second from
# the opponent, colours alternating), and each candidate's value is answered
# as an expression of their evaluations (s = h0 + h1).
#
# Three-space jump boxes: [3k + j] is k steps from A toward B, j - 1 across
# the line (j = 0 toward the smaller coordinate: the left column for a jump
# down a column, the upper row for one along a row).

[ik-k10-nozoki-far-corner-taken-black]
# Black's three-space jump E7-E3; White peeps at the first gap from D6 (S)
# and holds the far end-row corner K = F7.  E = E7, G = E6, M2 = F5 (the
# middle gap's far flank), Z = G7 and T2 = F8 empty, E7's chain has three
# liberties: Black's point stays G = E6 (h0).  Black's E6 ataris nothing,
# [7] = E5 is far from the edge: White's point is M2 = F5 (h1), and K is no
# empty corner (it holds White's stone, so its seven empty neighbours do not
# move White's point to the gap).  Black to play: E6 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 E6 E7 F5 [E6=s:5]

[ik-k10-nozoki-far-corner-taken-white]
# The position of ik-k10-nozoki-far-corner-taken-black with White to play:
# White's own point M2 = F5, the same sum (Black's E6, White's F5).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 E6 E7 F5 [F5=s:5]

[ik-k10-nozoki-open-corner-six-white]
# White peeps from D6 at Black's E7-E3; the far corner K = F7 is empty but a
# White stone stands at G8, so only six of the eight points around K are
# empty: White's point stays M2 = F5 (with seven it would be the gap E6).
# Black's point G = E6 (E7 has four liberties, F8 and G7 empty).  White to
# play: F5 = s with Black's E6 (h0) and White's F5 (h1).
white to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 E6 E7 F5 [F5=s:5]

[ik-k10-nozoki-right-peep-white]
# White peeps at Black's E7-E3 from the right, F6 = [5], and holds the far
# corner on the other side, K = [0] = D7: S = F6, D = D6, Z = C7 (empty),
# C2 = F7, M2 = [6] = D5.  E7 keeps three liberties, T2 = D8 is empty:
# Black's point G = E6 (h0); White's M2 = D5 (h1), K holding White's stone.
# White to play: D5 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 E6 E7 D5 [D5=s:5]

[ik-k10-nozoki-right-peep-black]
# ik-k10-nozoki-right-peep-white with Black to play: Black's gap E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 E6 E7 D5 [E6=s:5]

[ik-k10-nozoki-second-line-white]
# Black's three-space jump B2-F2 runs along the second line; White peeps
# from C3 = [3] at the gap C2 = G.  M2 = [8] = D1, K = [2] = B1 (empty),
# C2 = [0] = B3, Z off the board.  B2 has four liberties, T2 = A1 empty:
# Black's point G = C2 (h0).  The middle gap D2 is on the second line, so
# White's point is the corner on the peep's side, B3 (h1).  White to play:
# B3 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . X . . . X . . .
  . . . . . . . . .
call Kankei10Nozoki:ik B2 F2 B2 C2 B2 B3 [B3=s:5]

[ik-k10-nozoki-gap-ataris-white]
# White's peep D6 at Black's E7-E3 has two liberties left (Black C6 and D5
# take the others): Black's gap E6 would atari it, so White's point is the
# middle gap E5 itself (h1).  Black's point G = E6 (E7 has four liberties,
# F8 and G7 empty; h0).  White to play: E5 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 E6 E7 E5 [E5=s:5]

[ik-k10-nozoki-corner-weakens-peep-black]
# Black's three-space jump B3-F3 on the third line; White peeps from below
# at C2 = [5] with A2 behind the end.  E = B3, G = C3, M2 = D4, K = B4,
# C2 = B2, T1 = B1, T3 = A2 (White), Z = B5 and T2 = A4 empty: Black's
# valued point is G = C3 (h0).  Black to play, T1 on the first line, B2
# and B1 empty, T3 White's: Black's B2 leaves the C2 stone weak (cut off
# from A2, under Black's wall), so Black proposes B2 with the value of C3
# (not read again).  White's point: the middle gap D3 is on the third line,
# Black's C3 ataris nothing, K = B4 is empty with seven empty neighbours:
# the gap C3 (h1).  B2 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . X . . .
  O . O . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik B3 F3 B3 C3 B3 C3 [B2=s:5]

[ik-k10-nakanozoki-outside-stone-black]
# White peeps at the middle gap E5 of Black's E7-E3 from D5 (W = [6]);
# N = F5 is empty, G7 and G3 (two lines out on N's side) are empty, E5 is
# far from the edge, D6 and D4 (P1, P2) are empty.  Black already stands two
# lines out beside the first gap on W's side (C6, beyond the empty P1 = D6):
# Black's proposal moves from the middle gap to N = F5.  White's D5 is
# joined to the wall B4-C4-B5-C5, so it is not dead after
# Black's E5: only the outside stone moves the proposal.  The value is
# Black's E5 (h0) and White's F5 (h1): F5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . O O O . . . . .
  . O O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10NakaNozoki:ik E7 E3 E7 E5 E7 F5 [F5=s:5]

[ik-k10-nakanozoki-outside-stone-low-black]
# As ik-k10-nakanozoki-outside-stone-black with Black's outside stone two
# lines out beside the third gap instead (C4, beyond the empty P2 = D4),
# White's D5 joined to the wall B5-C6: again N = F5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . O O . . . . . .
  . O O O . . . . .
  . . X . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10NakaNozoki:ik E7 E3 E7 E5 E7 F5 [F5=s:5]

[ik-k10-nozoki-corner-weakens-peep-low-black]
# Black's three-space jump B3-F3 on the third line; White peeps from below
# at the third gap's flank E2 = [11] with G2 behind the end F3.  E = F3,
# G = E3, M2 = D4, K = F4, D = E4, C2 = F2, Z = F5, T1 = F1, T3 = G2
# (White), T2 = G4 empty, F3 with four liberties: Black's valued point is
# G = E3 (h0).  Black to play, T1 on the first line, F2 and F1 empty: Black's
# F2 leaves E2 weak, so Black proposes F2 with E3's value.  White's point:
# D3 is on the third line, Black's E3 ataris nothing, K = F4 is empty with
# seven empty neighbours: the gap E3 (h1).  F2 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X . . . X . . .
  . . . . O . O . .
  . . . . . . . . .
call Kankei10Nozoki:ik B3 F3 B3 E3 B3 E3 [F2=s:5]

[ik-k10-sotonaka-hasi-right-black]
# No White stone in the box of Black's E7-E3; White stands two lines out
# on the right beside the middle gap (G5) and beside A (G7).  The gap next
# to that end is G = E6, Black's block P = F6 on the stones' side, Q = D6,
# C = F7.  Value: Black's F6 (h0) and White's E6 (h1).  Black to play:
# F6 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoNaka:ik E7 E3 E7 F6 E7 E6 [F6=s:5]

[ik-k10-sotonaka-hasi-right-white]
# ik-k10-sotonaka-hasi-right-black with White to play: White's gap E6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoNaka:ik E7 E3 E7 F6 E7 E6 [E6=s:5]

[ik-k10-edgekata-two-liberty-stone-white]
# Black's fourth-line stone E6 faces the top edge (E7 third line, E8 second,
# E9 first); White's D6 stands beside it ([0]) with two liberties, C6 and D7
# (Black D5 below it).  P = D7, Y = C7, Y2 = G7, both on the third line.
# Black's E6 has three liberties and Y holds no White stone: Black's point
# P = D7 (h0).  White's stone has two liberties, Y is empty and the gap E7
# has exactly three empty neighbours: White's point is P = D7 too (h1).
# White to play: D7 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeKata:ik E6 E7 E6 D7 E6 D7 [D7=s:5]

[ik-k10-edgekata-two-liberty-stone-right-white]
# The mirror of ik-k10-edgekata-two-liberty-stone-white: White's F6 ([2])
# with two liberties (G6, F7; Black F5 below), P = F7, Y = G7, Y2 = C7.
# Black's point F7 (h0), White's point F7 (h1).  White to play: F7 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeKata:ik E6 E7 E6 F7 E6 F7 [F7=s:5]

[ik-k10-edgekata-three-liberty-stone-white]
# As ik-k10-edgekata-two-liberty-stone-white without Black's D5: White's
# D6 keeps three liberties, so White's point stays the gap E7 (h1); Black's
# point is P = D7 (h0).  White to play: E7 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeKata:ik E6 E7 E6 D7 E6 E7 [E7=s:5]

[ik-warikado-end-in-atari-on-the-edge-black]
# Black's one-space jump B7-B5 next to the left edge; White wedges at B6,
# holds the corner C7 ([2]) and B8, so Black's B7 has one liberty, A7 on the
# first column.  The corner decides: N = C6, P = A6, E1 = B7.  B7 has one
# liberty, so the atari from the corner's side is not read.  Black's atari
# from the other side, A6, leaves B7 in atari at L = A7: White takes at A7
# (h0 after Black A6, White A7).  White's A7 at once (h1).  Black to play:
# P = A6 with h0 + h1; then A6 again with h0 plus White's own A6 (h3): the
# larger of the two stays.
black to play
  . . . . . . . . .
  . O . . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik B7 B5 B7 A6 A7 B7 A7 B7 B7 A6 [A6=h0+h1:5|A6=h0+h3:5]

[ik-warikado-end-in-atari-on-the-edge-white]
# ik-warikado-end-in-atari-on-the-edge-black with White to play: White's
# point is the liberty L = A7 (h0 + h1), and A6 gets h0 + h3.
white to play
  . . . . . . . . .
  . O . . . . . . .
  . X O . . . . . .
  . O . . . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik B7 B5 B7 A6 A7 B7 A7 B7 B7 A6 [A7=h0+h1:5 A6=h0+h3:5]

[ik-k10-edgesan-nozoki-stone-three-lines-out]
# Black's fourth-line stone E6 faces the top edge; White stands in front on
# the third line (E7 = [4]) and beside it at D7 ([3]).  The free flank is
# P = F7 (third line), C = F6, Z = G6, Y = G7, W = G8.  T1 = H7 is empty,
# but Black already stands three lines out beside the stone, T2 = H6: the
# stone is linked out that way and nothing is proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . X . . X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 [none]

[ik-k10-edgesan-nozoki-outside-third-line-white]
# As ik-k10-edgesan-nozoki-stone-three-lines-out with Black's outside stone
# on the third line instead, T1 = H7: T2 = H6 and T4 = F5 are empty, E6 has
# three liberties and W = G8 is empty.  T1 holds Black's stone, so White's
# point is W = G8 (h1); Black's value is its own P = F7 (h0).  White to play:
# G8 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . X .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 F7 E6 G8 [G8=s:5]

[ik-k10-edgesan-nozoki-outside-third-line-black]
# ik-k10-edgesan-nozoki-outside-third-line-white with Black to play: Black's
# P = F7 with the same sum.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . X .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 F7 E6 G8 [F7=s:5]

[ik-k10-edgesan-outside-beside-stone-left]
# White stands in front of Black's fourth-line E6 on the third line (E7) and
# two lines out beside the stone on the left (C6), nowhere else near: the
# flank of E7 away from that stone, F7, is tried from both sides: Black's
# F7 (h0) and White's F7 (h1), F7 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 F7 E6 F7 [F7=s:5]

[ik-k10-edgesan-outside-beside-stone-right]
# The mirror: White's G6 two lines out on the right, the flank tried is D7.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 D7 E6 D7 [D7=s:5]

[ik-k10-edgekata-stone-short-of-liberties-black]
# White's D6 beside Black's fourth-line E6 and White's E5 behind it leave
# E6 two liberties (E7, F6); Y2 = G7 is empty and P = D7 has exactly three
# empty neighbours: Black's point is the third-line E7 in front (h0).
# White's D6 has three liberties and Black has no stone at G7: White's
# point is E7 too (h1).  Black to play: E7 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeKata:ik E6 E7 E6 E7 E6 E7 [E7=s:5]

[ik-k10-edgekata-white-outside-black]
# White's D6 beside Black's fourth-line E6 and White's C7 two lines out
# beside E7 on that side (Y): E6 has three liberties, so Black's point is
# E7 because Y holds White (h0).  White's D6 has three liberties, G7 is
# empty: White's point is E7 (h1).  Black to play: E7 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeKata:ik E6 E7 E6 E7 E6 E7 [E7=s:5]

[ik-k10-edgekata-black-outside-white]
# White's D6 beside Black's fourth-line E6, Black's G7 two lines out beside
# E7 on the other side (Y2): White's D6 has three liberties, so Black's G7
# turns White's point to the flank P = D7 (h1); Black's own point is P = D7
# (E6 has three liberties, C7 is empty; h0).  White to play: D7 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeKata:ik E6 E7 E6 D7 E6 D7 [D7=s:5]

[ik-nozoki-cut-in-atari-black]
# Black's one-space jump E6-E4 with D6 and D4 beside the ends; White peeps
# at the gap from D5 (S), P = F5 and T = C5 are empty.  The far corners
# F6 and F4 are Black's eyes (G6, F7 and G4, F3 are Black): White cannot
# cut there.  Black connects at E5: D5 has one liberty, White extends at
# C5 and it stands: Black's value h0 after E5, C5.  White cuts at E5: the
# two stones D5-E5 have two liberties and escape the ladder either way
# (through C5 to the open left, through F5 between the eyes).  The ends
# are safe; Black blocks at F5 and the cutting stones are in atari: White
# extends at C5 (the bonus is 4 for each of the two stones), the far-corner
# cuts are both impossible, so the cut is valued as it stands, h1 after
# E5, F5, C5.  The two readings nearly cancel (each side's gain is the
# other's loss: the sum is -1), so twice the sum is below the bonus 8, and
# for Black's own link even below half of it: Black's value becomes half
# the bonus, 4 (answered as s/2 + 4, s/2 being 0 here), the bonus staying
# 8 ("E5+8").
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . X X . X . .
  . . . O . . . . .
  . . . X X . X . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus E6 E4 E6 E5 C5 E6 E5 F5 C5 [E5=s/2+4:5 E5+8]

[ik-nozoki-cut-in-atari-white]
# ik-nozoki-cut-in-atari-black with White to play: the same readings and
# the same small sum; twice it is below the bonus, and for the attacker the
# sum is doubled instead (2s = -2), at the gap E5, and the bonus loses the
# doubled value: 8 + 2 = 10, held at 9 for a value below 1 ("E5+9").
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . X X . X . .
  . . . O . . . . .
  . . . X X . X . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMain:ik:bonus E6 E4 E6 E5 C5 E6 E5 F5 C5 [E5=2s:5 E5+9]

[ik-k10-warihasi-yoko-upper-black]
# White wedges into Black's three-space jump E7-E3 at the first gap E6 and
# stands beside the middle gap at D5 (W = [6]); N = F5.  Black already
# holds F7, the corner beside A on N's side (one step beyond the wedge
# seen from W).  U = G5, two lines out beside the middle gap on N's side,
# is quiet.  Black's N = F5 (h0), White's U = G5 (h1).  Black to play:
# F5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi E7 E3 E7 F5 E7 G5 [F5=s:5]

[ik-k10-warihasi-yoko-upper-white]
# ik-k10-warihasi-yoko-upper-black with White to play: White's U = G5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi E7 E3 E7 F5 E7 G5 [G5=s:5]

[ik-k10-warihasi-yoko-lower-black]
# White wedges at the third gap E4 of Black's E7-E3 and stands beside the
# middle gap at F5 (W = [8]); N = D5, Black holds D3 (beyond the wedge seen
# from W), U = C5 is quiet.  Black's N = D5 (h0), White's C5 (h1): D5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi E7 E3 E7 D5 E7 C5 [D5=s:5]

[ik-k10-warihasi-yoko-lower-white]
# ik-k10-warihasi-yoko-lower-black with White to play: White's U = C5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . O . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi E7 E3 E7 D5 E7 C5 [C5=s:5]

[ik-k10-warihasi-peep-lower-black]
# White wedges at the third gap E4 of Black's E7-E3 and peeps beside it at
# D4 ([9]); Black holds F3, the corner beside B on the other side.  N = F5,
# D = F4 (the flank of the wedge away from the peep), U = G5 (two lines out
# beside the middle gap on that side) is quiet.  Black's D = F4 (h0),
# White's U = G5 (h1).  Black to play: F4 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi E7 E3 E7 F4 E7 G5 [F4=s:5]

[ik-k10-warihasi-peep-lower-white]
# ik-k10-warihasi-peep-lower-black with White to play: White's U = G5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10WariHasi E7 E3 E7 F4 E7 G5 [G5=s:5]

[ik-nozoki-kiri-hanes-at-both-far-corners]
# Black's one-space jump E6-E4, White's peep D5; White has cut at E5 and
# Black blocked at F5.  Each end keeps three liberties (E6: D6, E7 and the
# far corner F6; E4: D4, E3, F4), all empty, so neither end is short of
# liberties and the hanes at both far corners are read: White's hane at
# F6 leaves E6 two liberties, and the ladder takes it (Black runs toward
# the empty upper left corner, nothing of Black's there); White's hane at
# F4 does the same to E4.  Both ladders work, so the cut is worth the
# smaller of the two captures: White F6 and the ladder's two moves at D6
# and E7 (h1), or White F4 and D4, E3 (h3); the shape is symmetric and the
# two are equal (answered h1).  Black's answer stays the gap E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKiriHyoka:ik E6 E4 E6 E6 E5 F5 F6 F6 D6 D6 E7 E6 E6 E5 F5 F4 F4 D4 D4 E3 [=E5:h1]

[ik-nozoki-kiri-lower-ladder-broken]
# ik-nozoki-kiri-hanes-at-both-far-corners with Black's C3 in the lower
# left: White's hane at F6 still catches E6 in the ladder, but after the
# hane at F4 Black's E4 runs out along D4-D3 (or C4) and joins C3, so the
# second ladder fails and the hanes change nothing: the cut is worth the
# position after White's cut and Black's block alone, White's E5, Black's
# F5 (h1).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKiriHyoka:ik E6 E4 E6 E6 E5 F5 [=E5:h1]

[ik-wari-jibun-kado-upper-corner]
# White wedges at E5 into Black's one-space jump E6-E4 with D5 beside it:
# P = F5 is Black's block.  Black already stands one step beyond P (G5)
# and on the corner F6 beside A; the other corner K = F4 is empty.  X = G6
# (beyond F6 seen from E6) is empty, Xa = G4, Y = G3 (Black's), Z = F3.
# White extends at P (four liberties, no ladder).  Black takes K, White
# plays X = G6, which joins H6 and lives on: e = White's value after F5,
# F4, G6 (h1).  Black plays X, White K = F4: Y holds Black and Z, Xa are
# empty, so Black chooses between Z and Xa: after Black F3, White G4 (h3)
# and after Black G4, White F3 (h5); White keeps the smaller, f.  The
# value is the smaller of e and f, at P for either side: the reading with
# Black's F3 is the smallest here (White's G4 is pressed against G3), so
# F5 = h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . O .
  . . . O O . X . .
  . . . . X . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 E6 F5 F4 G6 E6 E6 F5 G6 F4 F3 G4 E6 E6 F5 G6 F4 G4 F3 [F5=h3:5]

[ik-wari-jibun-kado-lower-corner]
# The reflection of ik-wari-jibun-kado-upper-corner across the gap row:
# Black holds the corner F4 beside B, K = F6, X = G4 (White's escape H4),
# Xa = G6, Y = G7 (Black's), Z = F7.  e after F5, F6, G4 (h1); Black's Z
# then White's Xa (h3), Black's Xa then White's Z (h5): F5 = h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . X . . . .
  . . . O O . X . .
  . . . . X X . O .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 E6 F5 F6 G4 E6 E6 F5 G4 F6 F7 G6 E6 E6 F5 G4 F6 G6 F7 [F5=h3:5]

[ik-wari-nobi-end-in-atari-stone-behind-black]
# White wedges at E5 into Black's one-space jump E6-E4, D5 and D6 beside it
# and E7 behind A: Black's E6 has one liberty left, F6 (Y1).  P = F5.
# Black blocks at F5: A is the one end in atari, so White takes at its
# liberty F6 (Black's value h0 after F5, F6).  White's stone stands behind
# A (AB = E7) and Y1 is empty; E7 has three liberties, so White's point is
# the corner Y1 = F6 (h1).  Black to play: F5 = s, with reason 3 (the block
# on Black's own link).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 F6 E6 F6 [F5=s:3]

[ik-wari-nobi-end-in-atari-stone-behind-white]
# ik-wari-nobi-end-in-atari-stone-behind-black with White to play: White's
# point is the corner F6 (the same two lines).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 F6 E6 F6 [F6=s:5]

[ik-wari-nobi-stone-behind-in-atari-white]
# As ik-wari-nobi-end-in-atari-stone-behind-white with Black's D7 and E8
# around White's E7: the stone behind A has one liberty, so White's point
# is P = F5 itself (h1); Black's value as before, F5 then White's F6 (h0).
white to play
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . O X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 F6 E6 F5 [F5=s:5]

[ik-wari-nobi-stones-behind-both-ends-white]
# White wedges at E5 (D5 beside it) and stands behind both ends, E7 and E3;
# both corners F6 and F4 are empty.  Black's block at F5 leaves E6 two
# liberties and the ladder starting at F6 catches it (Black D6 runs into
# White's D5 and on to the upper left): Black's value is h0 after F5 and
# White's F6.  White's corners: F6 first (not caught: h1), then F4 (h3),
# which replaces F6 only when strictly larger; the shape is symmetric and
# the two are equal, so White's point stays F6: h0 + h1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 F6 E6 F6 E6 E6 F4 [F6=h0+h1:5]

[ik-wari-nobi-stones-behind-both-ends-black]
# ik-wari-nobi-stones-behind-both-ends-white with Black to play: Black's
# block F5 with the same value, reason 3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 F6 E6 F6 E6 E6 F4 [F5=h0+h1:3]

[ik-k10-sotonaka-hasi-left-upper-black]
# No White stone in the box of Black's E7-E3; White stands two lines out on
# the left beside the middle gap (C5) and beside A (C7): the gap next to A,
# E6, Black's block D6 on the stones' side (Q = F6, C = D7).  Black's D6
# (h0), White's E6 (h1): D6 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoNaka:ik E7 E3 E7 D6 E7 E6 [D6=s:5]

[ik-k10-sotonaka-hasi-left-lower-black]
# White two lines out on the left beside the middle gap (C5) and beside B
# (C3): the gap next to B, E4, Black's block D4 (Q = F4, C = D3).  Black's
# D4 (h0), White's E4 (h1): D4 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoNaka:ik E7 E3 E7 D4 E7 E4 [D4=s:5]

[ik-k10-sotonaka-hasi-left-lower-white]
# ik-k10-sotonaka-hasi-left-lower-black with White to play: White's E4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoNaka:ik E7 E3 E7 D4 E7 E4 [E4=s:5]

[ik-k10-sotonaka-hasi-right-lower-black]
# White two lines out on the right beside the middle gap (G5) and beside B
# (G3): the gap E4, Black's block F4 (Q = D4, C = F3).  Black's F4 (h0),
# White's E4 (h1): F4 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoNaka:ik E7 E3 E7 F4 E7 E4 [F4=s:5]

[ik-wari-aite-soto-end-ladder-black]
# White wedges at E5 into Black's one-space jump E6-E4 with D5 beside it and
# G5 one step beyond Black's block point P = F5: both corners F6 and F4 are
# empty.  Black blocks at F5, White hanes at F6 and Black takes F4: E6 is
# left with two liberties (D6, E7), fewer than the block's chain, and the
# ladder catches it (White E7, Black D6 runs into D5 and on to the upper
# left), so White plays its first move E7: e is Black's value after F5,
# F6, F4, E7 (h0).  The other way, White F4 and Black F6 (h2).  The block
# gets the smaller: the ladder line, F5 = h0, with no bonus ("F5+0").
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O O . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik:bonus E6 E4 E6 F5 F6 F4 E7 E6 E6 F5 F4 F6 [F5=h0:5 F5+0]

[ik-wari-aite-soto-end-ladder-white]
# ik-wari-aite-soto-end-ladder-black with White to play: the same point and
# value for either side.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O O . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 F6 F4 E7 E6 E6 F5 F4 F6 [F5=h0:5]

[ik-k10-sotonaka-hasi-right-lower-with-upper-stone]
# As ik-k10-sotonaka-hasi-right-lower-black with a third White stone two
# lines out beside the first gap (G6): White's stones beside the middle
# gap and beside B still decide, the gap next to B, E4, with Black's block
# F4: F4 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . O . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoNaka:ik E7 E3 E7 F4 E7 E4 [F4=s:5]

[ik-k10-nozoki-lower-peep-open-corner-white]
# White peeps at the gap next to B of Black's E7-E3 from D4 ([9]): E = E3,
# G = E4, M2 = F5, K = F3 (the end-row corner on the other side), D = F4,
# Z = G3, C2 = D3.  E3 has three liberties, T2 = F2 and Z are empty:
# Black's point G = E4 (h0).  Black's E4 ataris nothing, E5 is far from the
# edge; K is empty with seven empty neighbours (only E3 is Black's), so
# White's point is the gap E4 itself (h1).  White to play: E4 = s.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 E4 E7 E4 [E4=s:5]

[ik-k10-edgesanyoko-second-line-stone-white]
# Black's fourth-line stone E6 faces the top edge; White stands beside the
# third-line point E7 at D7 ([3]) with D8 behind it on the second line
# ([6] = G).  P = F7, F = F8, C = F6, Y = G7, Z = G8, H = C7, J = G6.  P is
# on the third line; White's D7-D8 is no lone stone.  White's point: F,
# then (C and Y empty) E7 as C has three empty neighbours, then P = F7
# because G holds White (J is not Black's): h1 after White F7.  Black's
# point: White's chain escapes any ladder and G holds White, so P = F7
# (h0).  White to play: F7 = s.
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSanYoko:ik E6 E7 E6 F7 E6 F7 [F7=s:5]

[ik-k10-edgesanyoko-second-line-stone-black]
# ik-k10-edgesanyoko-second-line-stone-white with Black to play: Black's
# P = F7 with the same sum.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSanYoko:ik E6 E7 E6 F7 E6 F7 [F7=s:5]

[ik-nozoki-mae-end-ladder]
# Black's one-space jump E6-E4; White's peep D5 with D6, and White's G6 and
# G4 on the far side.  White cuts at E5 and Black blocks at F5.  White's
# hane at the far corner F6 (two liberties, F7 and G6's) leaves E6 in
# atari; Black extends at E7.  Black's F5 then has two liberties (G5, F4)
# and the ladder catches it: White F4, and Black's G5 has only H5 left
# between G6 and G4.  White's value is the smaller of the ladder (White F4
# and G5 take F5: h1 after E5, F5, F6, E7, F4, -, G5) and the capture of E6
# instead of letting Black extend (h3 after E5, F5, F6, -, E7).  On B's
# side White's F4 leaves E4 two liberties: nothing there.  The ladder line
# is the smaller (Black loses F5 and White's wall closes): E5 = h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . O . .
  . . . O . . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiMae:ik E6 E4 E6 E6 E5 F5 F6 E7 F4 F4 G5 E6 E6 E5 F5 F6 F6 E7 [E5=h1:5]

[ik-kado-taikaku-black]
# White holds the diagonally opposite corners D6 and F4 of Black's
# one-space jump E6-E4, each with three liberties.  White's cut at E5 is not
# caught (it joins D6 or F4 whichever side Black ataris from), Black's
# ataris at D5 and F5 leave White's other side alive: the cut is worth
# White's E5 (h1).  Black's D5 (h0): no Black stone beyond F5 (G5), and the
# sum is above 10, so 4 more: D5 = s + 4; F5 the same by the shape's half
# turn, and neither atari point is marked for Black.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoTaikaku:ik E6 E4 E6 D5 E6 E5 [D5=s+4:5 F5=s+4:5]

[ik-kado-taikaku-white]
# ik-kado-taikaku-black with White to play: both values go to the gap E5,
# s + 4.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoTaikaku:ik E6 E4 E6 D5 E6 E5 [E5=s+4:5]

[ik-kado-taikaku-other-diagonal-black]
# The other diagonal: White's F6 and D4 around Black's E6-E4; the same
# readings by the reflection: D5 = s + 4 and F5 = s + 4 (h0 Black's D5, h1
# White's E5).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoTaikaku:ik E6 E4 E6 D5 E6 E5 [D5=s+4:5 F5=s+4:5]

[ik-k10-warihasi-third-line-white]
# Black's three-space jump D3-H3 runs along the third line (with D4 and H4
# above the ends); White wedges at the first gap E3.  P = E4 is on the
# fourth line and Q = E2 on the second, no White stone around, E5 and E1
# are not Black's.  Black's block: E4 (h0) against E2 (h2), E4 being the
# better (its value is larger here).  White's extension: from the
# fourth-line flank White may also bend to F4, the middle gap's flank on
# that side: White's E4 (h1) against F4 (h3); F4 is worth more (the push at
# E4 runs into Black's D4).  White to play: F4 = h0 + h3.
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . X . . . X . . . . .
  . . . X O . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call Kankei10WariHasi D3 H3 D3 E4 D3 E4 D3 E2 D3 F4 [F4=h0+h3:5]

[ik-k10-warihasi-third-line-black]
# ik-k10-warihasi-third-line-white with Black to play: Black's block E4
# with the same value.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . X . . . X . . . . .
  . . . X O . . X . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call Kankei10WariHasi D3 H3 D3 E4 D3 E4 D3 E2 D3 F4 [E4=h0+h3:5]

[ik-k10-nozoki-outside-behind-end]
# White peeps from D6 at Black's E7-E3; Black already stands at F8, behind
# A on the far corner's side (T2, one step beyond D = F6 from K = F7): the
# owner's point moves from the gap E6 to the middle gap's far flank
# M2 = F5.  White's point: K = F7 is empty but F8 is Black's, so only six
# of its neighbours are empty: M2 = F5 too.  Black's F5 (h0) and White's F5
# (h1): F5 = s.
black to play
  . . . . . . . . .
  . . . . . X . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10Nozoki:ik E7 E3 E7 F5 E7 F5 [F5=s:5]

[ik-kadokata-lower-corner-in-atari]
# White holds both left corners D6 and D4 of Black's one-space jump E6-E4;
# the lower one, D4-D3, is in atari (its last liberty C3; Black's C4, D5,
# D2, E3 and E4 around it).  A corner stone in atari is no threat to the
# link: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . X O X . . . .
  . . . O X . . . .
  . . . X . . . . .
  . . . . . . . . .
call IkkenKadoKata:sides E6 E4 [none]

[ik-wari-kado-jibun-black]
# White wedges at E5 into Black's one-space jump E6-E4 with D5 beside it;
# Black holds the corner F6 beside A, F4 is empty and nothing stands
# beyond F5 (P) or behind the corners.  Black's block at F5 joins F6 and
# E6 (no ladder): h0.  G6, beyond F6 from A, is empty, so the point stays
# P.  White extends at F5 instead (h1).  Black to play: F5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 E6 F5 [F5=s:5]

[ik-wari-kado-jibun-white]
# ik-wari-kado-jibun-black with White to play: White's extension F5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 E6 F5 [F5=s:5]

[ik-wari-kado-jibun-stone-beyond-corner]
# As ik-wari-kado-jibun-black with Black's G6 beyond the corner: Black
# already reaches out on A's side, so Black's point moves further out to
# G4 (beyond F5 seen from A; empty, four empty neighbours, few relations),
# valued as the block: Black's F5 (h0) and White's F5 (h1): G4 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 E6 F5 [G4=s:5]

[ik-wari-kado-jibun-stone-beyond-in-atari]
# As ik-wari-kado-jibun-black with White's G6 beyond the corner, in atari
# (Black's G7 and H6): after White's extension at F5 Black takes G6 at G5,
# so White's part is h1 after F5, G5; Black's block F5 (h0).  F5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . X X O X .
  . . . O O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik E6 E4 E6 F5 E6 F5 G5 [F5=s:5]

[ik-wari-kado-dame-eye-behind-end]
# White wedges at E5 into Black's one-space jump E6-E4 with D6 on a corner;
# Black's E6 is a single stone with two liberties, E7 and F6.  E7, beyond
# E6 seen from the gap, is Black's eye (D7, F7, E8): White can never take
# E6's liberty there, so the atari at F6 is no threat: nothing.
black to play
  . . . . . . . . .
  . . . . X . . . .
  . . . X . X . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariKadoDame E6 E4 [none]

[ik-k10-edgesanyoko-right-second-line-stone-white]
# The mirror of ik-k10-edgesanyoko-second-line-stone-white: White's F7
# ([5]) with F8 behind it on the second line, and a White stone two lines
# out beside Black's fourth-line E6 on White's own side (G6), which does not
# stop the reading (only one on the far side, C6, would).  P = D7, F = D8,
# C = D6, Y = C7, Z = C8, H = G7, J = C6.  White's point: D8, then E7 (C has
# three empty neighbours), then P = D7 as G = F8 holds White: h1.  Black's
# point P = D7 (h0).  White to play: D7 = s.
white to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . O . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSanYoko:ik E6 E7 E6 D7 E6 D7 [D7=s:5]

[ik-wari-kado-dame-hane-two-liberties]
# As probe2-one-space-wedge-corner-near-end-two-liberties-black with
# Black's F4 beside H = E4: White's atari at E4 now has only two liberties
# (E3, E5), still not one, so it is read: Black escapes at D3 (h1 after
# E4, D3), which leaves the hane weak; White's own E5 (h3) is worth more
# and counts.  Black's point Z = P = E5 (F5 is not Black's), valued by
# Black's E5 (h0): E5 = h0 + h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . O X . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariKadoDame D4 D6 D4 E5 D4 E4 D3 D4 D4 E5 [E5=h0+h3:5]

[ik-wari-nobi-stone-behind-b-white]
# White wedges at E5 (D5 beside it) and stands behind B only (E3); F4 is
# empty.  Black's block F5 leaves E4 two liberties (D4, F4) and the ladder
# starting at F4 catches it (Black D4 runs between D5 and E3 down to the
# lower left): Black's value h0 after F5 and White's F4.  White's point is
# the corner beside B, F4 (h1).  White to play: F4 = s, no bonus.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik:bonus E6 E4 E6 F5 F4 E6 F4 [F4=s:5 F4+0]

[ik-wari-nobi-stone-behind-b-black]
# ik-wari-nobi-stone-behind-b-white with Black to play: the block F5 with
# the same value, reason 3, no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O O . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWarikomi:ik:bonus E6 E4 E6 F5 F4 E6 F4 [F5=s:3 F5+0]

[ik-k10-sotosoba-upper-left-black]
# No White stone in the box of Black's E7-E3; White stands two lines out on
# the left beside the first gap (C6).  W = D5 (the middle gap's flank on
# that side), Z = C5, G = E6, P = D6.  After Black's D5, White's D6, Black's
# E6 and White's cut at E5, the cutting stone has two liberties and the
# ladder takes it (Black F5, White E4, Black F4, ... to the lower left): so
# Black's point is W = D5 (h0).  B5, beyond Z, is not Black's: White's
# point is the middle gap E5 (h1).  Black to play: D5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoSoba:ik E7 E3 E7 D5 E7 E5 [D5=s:5]

[ik-k10-sotosoba-upper-left-white]
# ik-k10-sotosoba-upper-left-black with White to play: White's E5.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoSoba:ik E7 E3 E7 D5 E7 E5 [E5=s:5]

[ik-k10-sotosoba-upper-right-black]
# The reflection: White's G6 on the right beside the first gap; W = F5,
# P = F6; the cut at E5 is caught the same way: Black's F5 (h0), White's E5
# (h1): F5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoSoba:ik E7 E3 E7 F5 E7 E5 [F5=s:5]

[ik-k10-sotosoba-lower-left-black]
# White's C4 on the left beside the third gap: W = D5, G = E4, P = D4;
# Black's D5, White's D4, Black's E4 and White's cut at E5 caught by the
# ladder toward the upper left: Black's D5 (h0), White's E5 (h1): D5 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10SotoSoba:ik E7 E3 E7 D5 E7 E5 [D5=s:5]

[ik-k10-edgesan-nozoki-stone-in-atari]
# White stands in front of Black's fourth-line E6 on the third line (E7)
# and beside it (D7), and also at D6 and E5: E6 has one liberty left (F6).
# A stone in atari is not read for its link to the edge: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 [none]

[ik-k10-edgesan-outside-beside-second-line-left]
# White in front of Black's fourth-line E6 on the third line (E7) and two
# lines out beside the second-line point on the left (C8): the flank away
# from it, F7, is tried (its corner F6 has no White neighbour): Black's F7
# (h0), White's F7 (h1): F7 = s.
black to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 F7 E6 F7 [F7=s:5]

[ik-k10-edgesan-outside-beside-second-line-right]
# The mirror: White's G8 on the right; the flank tried is D7: D7 = s.
black to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 D7 E6 D7 [D7=s:5]

[ik-k10-edgesan-outside-beside-second-line-corner-touched]
# As ik-k10-edgesan-outside-beside-second-line-left with White's F5 below
# the empty corner F6 beside the stone on F7's side: the corner is touched
# by White, and nothing is tried.
black to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 [none]

[ik-k10-edgesan-outside-beside-third-line-left]
# White in front of Black's fourth-line E6 on the third line (E7) and two
# lines out beside it on the left (C7); E6 is no ladder prey: the flank away
# from C7, F7, is tried: Black's F7 (h0), White's F7 (h1): F7 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 F7 E6 F7 [F7=s:5]

[ik-k10-edgesan-outside-beside-third-line-right]
# The mirror: White's G7; the flank tried is D7: D7 = s.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei10EdgeSan:ik E6 E7 E6 D7 E6 D7 [D7=s:5]

[ik-kado-taikaku-cut-dies]
# White holds the diagonal corners D6 and F4 of Black's one-space jump
# E6-E4 (three liberties each), but Black's C7, D8, B6, C5 and D4 enclose
# the upper left: after White's cut at E5 and Black's atari at F5, White's
# extension at D5 joins D6 in a group with no room (liberties C6 and D7
# only, inside Black's stones): the cut dies, and nothing is proposed.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . X . . . . . .
  . X . O X . . . .
  . . X . . . . . .
  . . . X X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenKadoTaikaku:ik E6 E4 [none]

[ik-kado-taikaku-cut-dies-lower-right]
# ik-kado-taikaku-cut-dies turned half round: Black's G3, F2, H4, G5 and F6
# enclose the lower right; after White's cut at E5 and Black's atari at
# D5, White's extension at F5 joins F4 in a group with no room (G4 and F3
# only): the cut dies, nothing is proposed.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . . . . X . .
  . . . . X O . X .
  . . . . . . X . .
  . . . . . X . . .
  . . . . . . . . .
call IkkenKadoTaikaku:ik E6 E4 [none]

[ik-nozoki-kado-soto-both-outside]
# White peeps at Black's E6-E4 from D5 and stands beyond both far corners,
# G6 (beyond F6 from A) and G4 (beyond F4 from B); both corners are empty.
# Black's answer is the gap E5 (h0).  White cuts at E5, Black blocks at
# F5, and White hanes at either empty corner: F6 (h1 after E5, F5, F6) or
# F4 (h3), the better one counts; the shape is symmetric, the two equal:
# E5 = h0 + h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . O . .
  . . . O . . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoSoto:ik E6 E4 E6 E5 E6 E5 F5 F6 E6 E6 E5 F5 F4 [E5=h0+h1:5]

[ik-nozoki-kado-soto-own-upper-corner]
# As ik-nozoki-kado-soto-both-outside with Black already on the upper far
# corner F6: Black's answer moves to the other, empty corner F4 (h0 after
# Black F4).  White's cut at E5, Black's F5 and White's hane at the only
# empty corner F4 (h3): F4 = h0 + h3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X O . .
  . . . O . . . . .
  . . . . X . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenNozokiKadoSoto:ik E6 E4 E6 F4 E6 E6 E6 E5 F5 F4 [F4=h0+h3:5]

[ik-wari-kado-dame-owner-around-the-free-side]
# Black's one-space jump D4-D6 with White's wedge D5 and White's C4 on the
# corner beside D4, which has two liberties (D3, E4); the free side is E.
# Black already stands beyond the free gap-row point (F5, beyond E5 from the
# wedge) and on the other free corner (E6), and H = E4 touches only one
# Black stone (D4): Black's point is H = E4 itself, valued by Black's E4
# (h0).  White's part: the atari at E4 and Black's escape at D3 (h1)
# against White's own E5 (h3), the larger: E4 = h0 + h1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . O . X . . .
  . . O X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariKadoDame D4 D6 D4 E4 D4 E4 D3 D4 D4 E5 [E4=h0+h1:5]

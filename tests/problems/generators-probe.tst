# Engine generators: rows that pin single branches of the weak-group,
# capture-answer and life-and-death routines, the answers worked out by
# hand from the routines' rules.
#
#   call WeakGunHirogeru:probe V P...   the extensions of the weak group at
#       V, added under reason 13, read at the points P... alone: "P=value"
#       ("P=none" when nothing was added there)

[probe-extension-of-an-opponent-stone-with-two-liberties]
# White's lone C3 stands between Black's C2 and B3: two liberties (C4, D3),
# so its chain is not the one-liberty chain the extensions pass over.  The
# one-space jump E3 along line 3: of the points beside C3 across the jump
# only C2 is Black (not both), D2 and D4 beside the gap and E2 and E4
# beside E3 are empty, and E3 has four empty neighbours.  The group is the
# opponent's (Black to play), so the extension is proposed at the fixed
# value 25 (its bonus is the reading's).  The jump up to C5 the same: B3 is
# Black, D3 empty beside C3, B4-D4 and B5-D5 empty.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:probe C3 E3 C5 [C5=25 E3=25]

# --- Shared liberty ----------------------------------------------------------
#   call DameShareThink:probe   the shared-liberty shape over the whole
#       board (reason 1): each candidate as "point:reason" (the values are
#       the reading's)

[probe-shared-liberty-the-owner-extends-when-the-cut-is-laddered]
# White's D6 has two liberties, D7 and D5; D7 is shared with White's E7
# (three liberties: E8, D7, F7).  Black's D7 is no ladder while D6 can be
# taken at D5; after White's D5 the two White chains stay apart at D7, and
# E7 (now E8, F7) is caught by the ladder: the shape stands.  As the
# attacker Black proposes D7.  As the owner White answers: D7 is Black's
# cutting point, and D5 has three empty neighbours, so White reads D5 and
# Black's cut at D7: that stone (liberties C7, D8) runs C7-atari, D8, E8,
# D9 into the edge beside White's C8 and is caught, so White's answer is
# the extension D5 itself.
black to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . O . . . .
  . . X O X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call DameShareThink:probe [D7:1]

[probe-shared-liberty-owner-answer-at-the-extension]
# The same shape with White, the owner, to play: the answer D5 (see above).
white to play
  . . . . . . . . .
  . . O . . . . . .
  . . . . O . . . .
  . . X O X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call DameShareThink:probe [D5:1]

# --- A chain in atari ----------------------------------------------------------
#   call AtariNigeAnswer:probe A B   the answer to the chain at B in atari
#       with liberty A: "A=r" against r = max(e1, -1) + e2, e1 the
#       evaluation for the chain's side after it extends at A, e2 the
#       opponent's after it takes at A

[probe-atari-escape-valued-for-the-owner]
# Black's D6 in atari (White C6, E6, D7), its liberty D5.  Nothing beside it
# is in atari, so Black saves by extending at D5 (three liberties C5, E5,
# D4, no ladder); White's take at D5 leaves a stone with four liberties and
# Black has no counter-capture.  The saving value is Black's evaluation
# after D5 (no less than -1) plus White's after taking at D5; the
# candidate for Black's own chain is at the saving point D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call AtariNigeAnswer:probe D5 D6 [D5=r]

[probe-atari-escape-valued-for-the-taker]
# The same chain with White to play: the candidate, White's take at D5,
# has the same sum.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call AtariNigeAnswer:probe D5 D6 [D5=r]

# --- Atari before the cut --------------------------------------------------------
#   call KosumiAtariThink:probe S E T X   the atari before the cut over the
#       board (reason 14), the attacker being the side to move: its
#       candidate at S as "S=r" against r = min(w1, w2), w1 the attacker's
#       evaluation after S, the owner's escape E and the cut T, w2 after S,
#       the owner's T and the attacker's X ("S=none" without a candidate)

[probe-atari-before-the-cut-escape-by-extension]
# White's diagonal D6-E5; Black's E6 puts White's F6 in atari (F7 and G6
# Black), its liberty F5, not the other crossing point D5.  Next to F6 the
# Black chains are E6-E7-F7 (four liberties) and G6 (two liberties, G5
# and G7, beside White's H6): none is in atari, so White has no capture to
# escape by: the escape and the extension are both F5.  Black's cut at D5
# after White's F5 has two liberties (C5, D4) and the ladder does not take
# it (Black's C4 stands below).  The value is the smaller of Black's
# evaluation after E6, F5, D5 and after E6, D5, F5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . . . O . O X O .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KosumiAtariThink:probe E6 F5 D5 F5 [E6=r]

# --- Atari, extension, double atari -------------------------------------------
#   call RyoAtariThink:probe L O Y A B   the pattern over the board (reason
#       14), the attacker being the side to move: its candidate at L as
#       "L=r" against r = the least of the attacker's evaluations after
#       L, O, Y, A, B; after L, O, Y, B, A; and after L, Y, O

[probe-atari-extension-double-atari-both-orders]
# White's E6 (two liberties, E5 and F6, no ladder) touches at E5 White's D5
# with three liberties (C5, D4, E5).  Black's D4 is an atari point of
# Black's (on White's D3-D2 as it stands), no self-atari.  Black's E5,
# White's F6, Black's D4 then leave two White chains in atari beside D4:
# D5 (liberty C5) and D3-D2 (liberty D1).  White may save either; Black
# takes the other: both orders are read, and White's other answer to E5,
# D4 itself, with Black's F6 after it.  E5 gets the least of the three.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . X O X . . . .
  . . X O X . . . .
  . . . . . . . . .
call RyoAtariThink:probe E5 F6 D4 C5 D1 [E5=r]

[probe-atari-extension-double-atari-upside-down]
# The same shape turned upside down, so that the two chains beside the
# double atari come in the other order: White's E4 (liberties E5, F4)
# touches White's D5 (C5, D6, E5) at E5; Black's E5, White's F4, Black's
# D6 leave D5 (liberty C5) and D7-D8 (liberty D9) in atari.  Both orders of
# White's save and Black's capture are read, and White's D6 with Black's
# F4 after it; E5 gets the least of the three.
black to play
  . . . . . . . . .
  . . X O X . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call RyoAtariThink:probe E5 F4 D6 C5 D9 [E5=r]

# --- Settling extensions ---------------------------------------------------------
#   call SettleWideHiraki V   (the entry of generators.tst) each candidate as
#       "point=K+d:reason", its value counted from the group's value K

[probe-wide-extension-knight-on-line-three]
# Black's A2-B2-C2 on line 2 under White's A3-C3, White's G2 further right.
# No wide point stands: the two-space jumps F2 and (from B2, A2) E2, D2
# and the ones upward have White's G2 among F2's eight neighbours or White
# stones between; of the large knight's moves, F3 has G2 beside it, B2-E3
# has White's C3 among its first two points between, A2-D3 has B3, and the
# ones upward reach line 5.  The jumps along line 3 are listed instead: no
# one-space jump reaches line 3 from line 2, but C2's knight's move E3 does
# (the points between, D2 and D3, empty; all eight points around E3
# empty).  Black's E3 closes the space A1-E2 under the stones: two eyes,
# so E3 is proposed at the group's value plus one, reason 32.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O . . . . . .
  X X X . . . O . .
  . . . . . . . . .
call SettleWideHiraki A2 [E3=K+1:32]

# --- The peep table ----------------------------------------------------------------
#   call NozokiCheck:probe P...   the peep table rebuilt: for each P the
#       targets it peeps at in table order, "P>T1,T2", or "P>none"

[probe-peep-table-the-sixty-first-peep-by-scan-order]
# Black's one-space jumps: rows 18, 14 and 10 hold ten stones each on the
# odd lines (nine jumps, both side points of every gap peep: 54), row 6
# holds A6-C6-E6 (two jumps: 58).  Scanning from the top row, the vertical
# jump P5-P3 is taken from its upper stone P5, in row 5: its side points
# O4 and Q4 peep at P4, entries 59 and 60.  The table is then full, so the
# horizontal jump J4-L4, taken from J4 in row 4, adds nothing: K5 and K3
# peep at nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  X . X . X . X . X . X . X . X . X . X
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  X . X . X . X . X . X . X . X . X . X
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  X . X . X . X . X . X . X . X . X . X
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  X . X . X . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . X . X . . . . . . . .
  . . . . . . . . . . . . . . X . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call NozokiCheck:probe O4 Q4 K5 K3 [K3>none K5>none O4>P4 Q4>P4]

# --- The double peep -------------------------------------------------------------
#   call DoubleNozokiThink:probe   the double peep over the board on a
#       rebuilt peep table: the candidates as "point:reason" (reason 5; the
#       values are the reading's)

[probe-double-peep-owner-answers-at-the-open-diagonal]
# White's D6-F6 and D6-D4 jumps: E5 peeps at both gaps, E6 and D5, and is
# Black's double peep, near Black's C5 and E3 (one-space jumps from E5).
# No White stone touches E5, so the full reading runs; either cut joins a
# Black stone (D5 to C5, E6 to E5), so both lines stand.  White, the owner,
# is to play.  The point read is E5 itself: no Black chain among its eight
# neighbours, and neither target is an atari point of White's.  E5 has
# four empty neighbours; of its diagonals D6, F6 and D4 are White and F4
# alone is empty, F4 is not on the first line and has four empty
# neighbours: White's answer is the shape point F4 (the cuts are worth
# something to Black, so the answer is not E5 itself).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call DoubleNozokiThink:probe [F4:5]

[probe-double-peep-the-attacker-peeps]
# The same position with Black, the peeping side, to play: the candidate is
# the point read, the peep E5 itself.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . O . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call DoubleNozokiThink:probe [E5:5]

# --- A net -------------------------------------------------------------------------
#   call GetaAnswer:probe A B E L   the answer to the net at A on the chain
#       at B: "P=r" at the answer point (A for the net's owner, E for the
#       chain's owner) against r = e1 + e2, halved when the escaping group
#       is weak; e1 the chain side's evaluation after its escape E
#       (analysed) and the owner's capture at L (not analysed again: the
#       capture counts by its prisoner), e2 the owner's after the net at A

[probe-net-the-escape-costs-the-stone-in-atari]
# Black's D6-E6-E5 has two liberties, F5 and E4; E5 touches both, and the
# net point F4 is diagonal to it.  The block from E5 to G3 (one step beyond
# F4) holds Black's G3, so the escape point is F4 itself.  Black's C5,
# diagonal to D6 (the chain's first stone), stands in atari (White's B5,
# C6, D5 around it, its liberty C4, Black's C3 below to run to, so not
# given up by the analysis): after Black's F4 White takes it at C4, which
# counts in Black's value of the escape.  After White's net at F4
# each extension of Black's chain is caught.  White, the net's owner, to
# play: F4 at the sum.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . O X X O . . .
  . O X O X . . . .
  . . . O . . . . .
  . . X . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call GetaAnswer:probe F4 D6 F4 C4 [F4=r]

#   call AtariNigeAnswer:ko A B L   the answer to the chain at B in atari
#       with its liberty A, when the opponent's take at A leaves its lone
#       stone in atari and it connects at L: "A=r" against
#       r = max(e1, -1) + e2 div 2, e1 the chain side's evaluation after it
#       extends at A, e2 the opponent's after A and L (e2 not 2)

[probe-atari-escape-against-a-ko-take]
# Black's E5 in atari inside White's D5, E6, F5, its liberty E4; White's
# stones beside it have two liberties each, so Black has no capture and
# saves by connecting at E4 to D4, F4 and E3.  White's take at E4 is a ko:
# the White stone there has one liberty, E5, so White is read connecting
# there too, and half of White's evaluation after both counts.  Black to
# play: E4 at the sum.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O X O . . .
  . . . X . X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call AtariNigeAnswer:ko E4 E5 E5 [E4=r]

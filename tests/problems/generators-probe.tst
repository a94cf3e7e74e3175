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

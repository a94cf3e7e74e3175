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

# Life and death and endgame rows where one stone, one edge or one eye value
# decides the answer: the settling jump that peeps at a jump along the left
# edge and its prepared answer, the settling diagonal whose connection still
# leaves two eyes, an atari point whose forcing point is a ladder's first
# move, the lone stone in atari that lives by a capture, the two-liberty
# chain answered by a capture, the urgent eye pass's border neighbour in
# every direction, a candidate in the table that spares a group the
# reading, and the kill at a border point whose mouth lies above it.
#   call PASS V    one pattern pass on the group at V (the entries of
#       generators.tst): each candidate as "point=K+d:reason", its value
#       counted from the group's value K

# --- The settling jump that peeps, at a jump along the left edge ------------
#   call SettleIkkenNozoki V    the settling jump that peeps, on the group
#       at V

[settle-jump-peeps-at-an-edge-jump]
# settle-jump-that-peeps-at-a-one-space-jump (generators.tst) moved to the
# left edge: Black's one-space jump A4-A2 runs along the edge, its gap A3
# open with B3 beside it (the other side is off the board), so White's B3
# peeps at A3.  B3 is White's one-space jump from D3 (the strip C4, C3, C2
# empty) with its four neighbours empty (A3, B4, C3, B2).  White's
# group D1-D3-E3-F3-G3-G2-G1 holds the square E1-F2 (one eye, eye value
# 2).  White B3 and the cut at A3 cut off Black's A2 and take the corner
# A1-C2 as a second eye space (eye value 4 or more); when Black connects at
# A3 instead, White B2 closes the corner A1-B1-C1-C2 against the edge
# chain: two eyes again.  So B3 is proposed at the group's value, reason 9;
# the group is the opponent's, no answers are prepared.  The cut point A3
# lies on the first column: the pass must read it like any other.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X .
  X . . . . . . X .
  . . . O O O O X .
  X . . O . . O X .
  . . . O . . O X .
call SettleIkkenNozoki D3 [B3=K:9]

[settle-jump-peeps-at-an-edge-jump-white]
# The same with White to play (the group is the engine's own): the
# candidate is the same B3 at the group's value, and the answers are
# prepared: after White's B3 and Black's connection at A3 (the peep point),
# of B3's empty neighbours B4, C3 and B2 only B2 gives two eyes (B4 and C3
# leave the corner open to Black's A2): one prepared answer, (B3, A3, B2),
# the reply being the peep point and the answer the neighbour (not the
# other way round: the jump's pass prepares one direction only).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X .
  X . . . . . . X .
  . . . O O O O X .
  X . . O . . O X .
  . . . O . . O X .
call SettleIkkenNozoki D3 [B3=K:9]
call SettleIkkenNozoki:prepared D3 [B3=K B3/A3/B2]

[settle-jump-peeps-at-an-edge-jump-black-prepares-nothing]
# With Black to play the group is the opponent's: B3 at the group's value
# and no prepared answer.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X .
  X . . . . . . X .
  . . . O O O O X .
  X . . O . . O X .
  . . . O . . O X .
call SettleIkkenNozoki:prepared D3 [B3=K]

[settle-jump-peeps-at-an-edge-jump-gap-filled]
# Black's A3 fills the gap: A2-A5 is one chain, there is no jump to peep
# at and B3 is not in White's peep map: nothing is read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X .
  X . . . . . . X .
  X . . O O O O X .
  X . . O . . O X .
  . . . O . . O X .
call SettleIkkenNozoki D3 [none]

[settle-jump-peeps-at-an-edge-jump-three-open-sides]
# settle-jump-peeps-at-an-edge-jump with Black's B4 on the wall above B3:
# B3 keeps three empty neighbours (A3, C3, B2), enough for the jump point.
# The reading is the same (White B3 and the cut at A3 take the corner; when
# Black connects at A3, White B2 closes it: two eyes): B3 at the group's
# value, reason 9.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X X X .
  X X . . . . . X .
  . . . O O O O X .
  X . . O . . O X .
  . . . O . . O X .
call SettleIkkenNozoki D3 [B3=K:9]

# --- The settling diagonal: the connection must leave the group short -------
#   call SettleNanameAnswer V    the settling diagonal point that ataris an
#       attacker chain, on the group at V

[settle-diagonal-connection-leaves-two-eyes]
# settle-diagonal-ataris-the-intruder (generators.tst) with Black's wall a
# line further right: White's A2-A3-E3-E2-D2 round Black's C2 now also
# holds D1-E1.  C1 ataris C2 (White's atari map), White's capture at B2
# lives; but when Black connects at B2 instead, White still has the
# two-point eye D1-E1 and the corner A1-B1 beside Black's B2-C2, whose one
# liberty is B1: eye value 4, two eyes without the diagonal.  The pass
# proposes a diagonal only where the connection leaves the group short of
# two eyes (below 4): nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X . . .
  O O O O O X . . .
  O . X O O X . . .
  . . . . . X . . .
call SettleNanameAnswer D3 [none]

[settle-diagonal-connection-leaves-one-eye]
# The same with Black's E1: D1-E1 is no eye any more, and after White's C1
# and Black's connection at B2 White is back to eye value 3.  Of C1's empty
# neighbours other than B2, B1 has one empty neighbour (A1) and one White
# neighbour (C1): White's B1 captures B2-C2, two eyes; D1 touches two White
# stones (C1, D2) and is not tried.  C1 is proposed at the group's value,
# reason 9.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X . . .
  O O O O O X . . .
  O . X O O X . . .
  . . . . X X . . .
call SettleNanameAnswer D3 [C1=K:9]


# --- The endgame: an atari point whose other side is a ladder ----------------
#   call YoseAtariValue:both V F G   (generators-more.tst) both moves at V
#       force: J's leaves O a chain answered at F, O's leaves J one answered
#       at G.  A = J's evaluation after J at V and O at F, B = O's after O
#       at V and J at G, C = J's after J at V and J again at F.
#       r = 2 (A + B), grown by its half, or C halved when 2r exceeds C;
#       b = C.  "V=r/b"
#   call YoseAtariValue:reverse V G   (generators.tst) only O's move at V
#       forces (J answers at G): r = A + B with A = J's evaluation after J
#       at V and B = O's after O at V and J at G; b = 0
# J's forcing point here is not an atari's liberty but the first move of
# the ladder that J's move starts: the point where O must answer.

[endgame-atari-point-forcing-by-a-ladder]
# The position of endgame-ladder-follow-up-exactly-twice-the-gain
# (yose-bounds.tst) with Black's J4 beside J5 and White's J3 under it.
# Black's J5 leaves White's H5 (under Black's H6-G6) with G5 and H4, and
# the ladder catches it: Black's H4 ataris and Black's G5 takes it.  No
# White chain next to J5 is in atari, so J's forcing point F is the
# ladder's first move H4, where White answers by connecting H5 to H3.
# White's J5 instead ataris Black's J4 (left with H4 alone, J3 being
# White's): Black's answer G is the escape at H4, joining F4-G4.  Both
# moves force: r = 2 (A + B) grown by its half (or C halved), with the
# follow-up C (Black at J5 and H4) as the bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X X .
  . . . . . . . O .
  . . . . . X X . X
  . . . . . . O O O
  . . O . O . . . .
  . . . O . . . . .
call YoseAtariValue:both J5 H4 H4 [J5=r/b]

[endgame-atari-point-forcing-by-a-ladder-white]
# The same with the colours swapped and White to play: White's J5 starts
# the ladder against Black's H5 (first move H4), Black's J5 ataris White's
# J4 (escape H4).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . O O .
  . . . . . . . X .
  . . . . . O O . O
  . . . . . . X X X
  . . X . X . . . .
  . . . X . . . . .
call YoseAtariValue:both J5 H4 H4 [J5=r/b]

[endgame-atari-point-ladder-broken]
# endgame-atari-point-forcing-by-a-ladder with White's F5 and F6: after
# Black's J5 and H4, White's G5 joins F5-F6 with four liberties, so the
# ladder fails and Black's J5 forces nothing (H4 is no forcing point, the
# value is not doubled).  White's J5 still ataris J4 (Black escapes at
# H4): only O's move forces, r = A + B, bonus 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O X X .
  . . . . . O . O .
  . . . . . X X . X
  . . . . . . O O O
  . . O . O . . . .
  . . . O . . . . .
call YoseAtariValue:reverse J5 H4 [J5=r/b]

# O's forcing point from the ladder status the chains already carry: the
# ladder against J's chain after O's move is not read again.
#   call YoseAtariValue:plain V   neither move at V forces: r = A + B, A =
#       J's evaluation after J at V, B = O's after O at V; bonus 0: "V=r"

[endgame-atari-point-their-ladder-forces]
# The position of endgame-ladder-follow-up-exactly-twice-the-gain
# (yose-bounds.tst) with White to play.  White's J5 touches no Black chain:
# it forces nothing.  Black's J5 leaves White's H5 with G5 and H4, and the
# ladder status of that chain says Black catches it starting at H4: White
# answers at H4 (joining H3).  Only O's move forces: r = A + B with B read
# after Black's J5 and White's H4, bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . X X .
  . . . . . . . O .
  . . . . . X X . .
  . . . . . . O O .
  . . O . O . . . .
  . . . O . . . . .
call YoseAtariValue:reverse J5 H4 [J5=r/b]

[endgame-atari-point-their-ladder-broken]
# The same with White's F5 and F6: after Black's J5 and H4, White's G5
# joins them with four liberties, the ladder fails and Black's J5 forces
# nothing either: r = A + B, bonus 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O X X .
  . . . . . O . O .
  . . . . . X X . .
  . . . . . . O O .
  . . O . O . . . .
  . . . O . . . . .
call YoseAtariValue:plain J5 [J5=r]

# --- The lone stone in atari: life by a capture ------------------------------
#   call SettleAtariIsi V    the settling pass of a one-stone chain of the
#       group in atari, on the group at V (generators.tst)

[lone-stone-in-atari-life-by-a-capture]
# Black's A3-D3-D2 with the lone stone A1, which White's B1 holds in atari
# (its liberty A2 has one empty neighbour, B2, and no White neighbour;
# White at B2 would keep A2, C2 and C1: no self-atari).  Black's B2 alone
# leaves the group without two eyes (the corner is open at C1-C2), but it
# leaves White's B1 in atari at C1, and Black's capture there closes the
# corner: A2 and the space of B1-C1-C2, two eyes.  So the pass counts the
# shape as living by the capture; the group is the opponent's (White to
# play), so the candidate is the liberty A2 itself, at the group's value.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . . X O . . . .
  X O . O O . . . .
call SettleAtariIsi A3 [A2=K:9]

[lone-stone-in-atari-no-capture-left]
# White's C1 joins B1 to D1 and the wall: after Black's B2 no White chain
# beside B2 or A1 is in atari, and the group has no second eye: nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . . X O . . . .
  X O O O O . . . .
call SettleAtariIsi A3 [none]

# --- The two-liberty chain: the defender's answer by a capture ----------------
#   call KillNiDameRen:read V L R   (generators.tst) the two-liberty chain
#       pass on the group at V, against the reading "the attacker at L, the
#       defender at R": the candidate at L as "L=r:9" when its value is the
#       attacker's evaluation after those two moves, the others by their
#       points alone

[kill-two-liberty-chain-answered-by-a-capture]
# Black's C3-D3-E3-C2-E2 inside White's wall (B1-B4, row 4, F2-F4) has two
# liberties, C1 and E1, and holds White's D2, which is in atari at D1.  No
# ladder catches the chain: its capture at D1 gives it liberties and E1
# opens to F1.  White's atari at C1 (joining B1) is no self-atari; Black's
# answer is not the other liberty E1 but the capture of the White stone in
# atari beside the chain, at D1.  The group, with one eye at most, stays
# below eye value 4, so C1 is worth White's evaluation after C1 and D1.
# The atari from the other side, E1, is answered by the same capture and
# stands as a second candidate (its own value).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O . . .
  . O X X X O . . .
  . O X O X O . . .
  . O . . . . . . .
call KillNiDameRen:read C3 C1 D1 [C1=r:9 E1]
call KillNiDameRen:read C3 E1 D1 [C1 E1=r:9]

[kill-two-liberty-chain-answered-by-a-capture-black]
# The same with the colours swapped and Black to play: Black's C1 and E1,
# each answered by White's capture at D1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X X X X . . .
  . X O O O X . . .
  . X O X O X . . .
  . X . . . . . . .
call KillNiDameRen:read C3 C1 D1 [C1=r:9 E1]
call KillNiDameRen:read C3 E1 D1 [C1 E1=r:9]

[kill-two-liberty-chain-no-stone-inside]
# Without White's D2 the chain has four liberties (C1, D2, D1, E1): no
# two-liberty chain, nothing.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O . . .
  . O X X X O . . .
  . O X . X O . . .
  . O . . . . . . .
call KillNiDameRen:read C3 C1 E1 [none]

# --- The urgent eye pass: the border neighbour in every direction ------------
#   call SikatuUrgentMe:at V P...   (generators.tst) the urgent eye pass on
#       the group at V, its candidates at P... alone ("P=none" when there is
#       none); the relation answers it runs first leave their own candidates
#       and reason in the table
# urgent-eye-border-neighbour (generators.tst) has the empty neighbour below
# its border point; these are the same shape turned so that the neighbour
# lies to the left, to the right and above it.

[urgent-eye-border-neighbour-to-the-left]
# Black's H9-H8-H7-G7-F7 holds the eye J9-J7 side and the half eye G8-G9
# (the corner shape of urgent-eye-border-neighbour turned a quarter, the
# group along the top right).  The border point G8 has the empty neighbour
# F8 to its left: area value 0, no White neighbour, then exactly three
# empty neighbours (E8, F9, G8) and no edge.  Black's F8 encloses G8-G9-F9,
# a second eye: eye value 4, so F8 is worth the group's value (not in
# Black's atari map: nothing added).  F9 lies on the edge with no White
# neighbour: no candidate.  The relation answers run first and leave
# reason 5.
black to play
  . . . O . . . X .
  . . . O . . . X .
  . . . O . X X X .
  . . . O . O O O O
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe:at H9 F8 F9 [F8=K:5 F9=none]

[urgent-eye-border-neighbour-to-the-right]
# The same shape along the top left: the border point C8 of the half eye
# C8-C9, its empty neighbour D8 to the right: D8 at the group's value, D9
# on the edge none.
black to play
  . X . . . O . . .
  . X . . . O . . .
  . X X X . O . . .
  O O O O . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe:at B9 D8 D9 [D8=K:5 D9=none]

[urgent-eye-border-neighbour-above]
# The shape of urgent-eye-border-neighbour upside down, along the lower
# left: the border point B3 of the half eye A3-B3, its empty neighbour B4
# above: B4 at the group's value, A4 on the edge none.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O . . . . .
  . . . . O . . . .
  . . X O . . . . .
  . . X O . . . . .
  X X X O . . . . .
  . . . O . . . . .
call SikatuUrgentMe:at A2 B4 A4 [A4=none B4=K:5]

# --- A candidate already in the table saves the group --------------------------
#   call SikatuSkip:seeded V P   the test that spares the group at V the
#       life-and-death reading, with P already in the table at value 20
#       under the relation reason (5): "skip" or "read", then the points of
#       the candidates the test added on the way ("none")
# A candidate of a capture or relation reason (5 or below) worth 15 or more
# on one of the group's related points saves the group when the group's
# colour playing there gives it two eyes (eye value 4 or more); the test
# then stops before any other generator runs.

[skip-saved-by-a-relation-candidate]
# The position of settle-diagonal-ataris-the-intruder (generators.tst):
# White's A2-A3-D3-D2 round Black's C2, eye value 3.  B2 is a related point
# of the group (it touches White's A2 and B3), and
# White's B2 leaves C2 in atari at C1 with the corner A1-B1 closed: eye
# value 4.  The seeded candidate (reason 5, value 20) saves the group: the
# test spares it at once and adds nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  O . X O X . . . .
  . . . . X . . . .
call SikatuSkip:seeded D3 B2 [skip none]

[skip-not-saved-by-a-useless-candidate]
# The same with the seed at D1: White's D1 beside D2 leaves Black's C2 its
# two liberties B2 and C1 and the group at eye value 3, so the seed saves
# nothing; the other tests find nothing either (no liberty move, a relation
# answer below the urgent score, no breathing point, no extension at eye
# value 3): the group is read, and nothing was added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  O . X O X . . . .
  . . . . X . . . .
call SikatuSkip:seeded D3 D1 [read none]

[skip-saved-by-a-candidate-worth-fifteen]
# As skip-saved-by-a-relation-candidate, the seed at B2 worth 15: the
# least value that saves the group.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  O . X O X . . . .
  . . . . X . . . .
call SikatuSkip:seeded-15 D3 B2 [skip none]

[skip-not-saved-by-a-candidate-worth-fourteen]
# The same seed worth 14 saves nothing, and the other tests run as in
# skip-not-saved-by-a-useless-candidate (they do not look at the seed): the
# relation answer they find at D1 (the point the useless seed took) is worth
# less than the urgent score and saves nothing, but it stays in the table
# (there it fell on the seed's point).  The group is read; D1 was added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  O . X O X . . . .
  . . . . X . . . .
call SikatuSkip:seeded-14 D3 B2 [read D1]

# --- The kill at a border point: the mouth below the border point -----------
#   call KillBorderPoint V    the kill pass at the border points of the
#       group at V (generators.tst), called without its callers' gates

[kill-border-point-mouth-above-the-edge]
# kill-border-point-for-the-opponent (generators.tst) upside down: White's
# bottom edge group A2-B2, D2-E2-E1 around the space A1-D1, its mouth at C2
# beside Black's C3.  C1 is a border point with three empty neighbours (B1,
# D1, C2), and C2, above it, has one empty neighbour (C1) and one Black
# neighbour (C3).  Black's C1 answered by White's C2 leaves White the
# two-point eye A1-B1 and the single point D1 beside Black's stone: short
# of two eyes.  The group is the opponent's: Black's own move C1, at the
# group's value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X . . .
  O O . O O X . . .
  . . . . O X . . .
call KillBorderPoint A2 [C1=K:9]

[kill-border-point-mouth-above-the-edge-white]
# The same with White to play: the group is the engine's own, so the
# candidate is the defending move C2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X . . .
  O O . O O X . . .
  . . . . O X . . .
call KillBorderPoint A2 [C2=K:9]

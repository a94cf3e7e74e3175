# Generator rows that reach branches no other row reaches: the first of a
# two-liberty chain's liberties in the kill pass, the small invasion between
# two opponent stones, and the eye-value bar of the endgame's false-eye
# fallback.

# --- The two-liberty chain pass: the first liberty ---------------------------
#   call KillNiDameRen:read V L R   (as in generators.tst) the candidate at L
#       as "L=r:9" against White's evaluation after White L, Black R

[kill-two-liberty-chain-first-liberty]
# kill-two-liberty-chain-read seen in a mirror: Black's F5-G5 has the two
# liberties F4 and G4 under White's E5, F6, G6 and H5, with Black's D3 and
# H3 where the ladders run.  White's atari at F4 (the first liberty from
# the left) is no self-atari; Black connects at G4 and the chain, without
# an eye, stays below eye value 4: F4 is worth White's evaluation after F4
# and G4.  (The atari from the other side, G4 answered at F4, reads the
# same way and may stand as a second candidate; the row pins F4.)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O O . .
  . . . . O X X O .
  . . . . . . . . .
  . . . X . . . X .
  . . . . . . . . .
  . . . . . . . . .
call KillNiDameRen:read G5 F4 G4 [F4=r:9|F4=r:9 G4]

# --- The invasion between two opponent stones four apart ---------------------
#   call JobanEdgeGaps   (as in opening-gaps.tst) every candidate as
#       "P=value/bonus"

[invasion-four-apart-own-stone-near]
# White D17 and J17 on line 3 with four points between them (g = 4): the
# middle points are F17 (k+h) and G17.  Black's F14 is a two-space jump
# below F17, a relation of kind 7 or less, so although Black's trial at
# F17 weakens neither white stone, w = 1.  No white stone was counted weak,
# so X is the line-3 point two from J17, G17.  g <= 4: F17 and G17 get
# bonus 5 (25/5), and X, G17, bonus 5 as well.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/5 G17=25/5]

[invasion-four-apart-no-stone-near]
# The same without F14: the trial weakens neither white stone and no black
# stone is near F17 (w = 0).  g = 4 is below 7: v = g + 5 = 9, no stone on
# line 4 adds 2, so F17 and G17 get value 9 with bonus 0; with neither white
# stone on line 4 the g = 3 or 4 rule adds nothing more.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . O . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=9/0 G17=9/0]

# --- The false-eye fallback: the owner's eye value ---------------------------
#   call YoseKakemeThink   (as in yose-bounds.tst) the false-eye scan alone:
#       its candidates as "P=value/bonus"

[endgame-fallback-false-eye-of-a-group-below-four]
# endgame-fallback-mends-a-false-eye-on-the-edge without White's E6: J7 is
# still a false eye (verdict Yes) of White's H7-J6, but that group, alone
# on the side, has eye value 3, below the 4 the fallback asks of the
# region's owner: no candidate.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . X O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseKakemeThink [none]

# --- The life-and-death filters ----------------------------------------------
#   call SikatuIkiru:cover V    the defender's filter on the group at V
#   call SikatuKorosu:cover V   the attacker's filter on the group at V
#       both answer the group's eye value "me=N" and the moves kept, sorted
#       ("none"); the defender keeps a move after which the eye value is
#       above N and at least 3; the attacker keeps a move that is no
#       self-atari of four stones or more and after which the group is
#       captured, dead, or below N in eye value and at most 3

[life-filter-keeps-a-move-to-eye-value-three]
# Black's wall A7-D7 with D9 over the corner space, White's A9, B9 and A8
# inside it; C9, B8, C8 and D8 empty: eye value 2.  Black's D8 joins D9 to
# the wall and closes the space round White's three stones; Black's B8
# takes them into atari (their last liberty C9).  Either move brings the
# group to eye value 3, one eye and a half: above 2 and exactly at the bar
# of 3, so both stay in the list.
black to play
  O O . X O . . . .
  O . . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuIkiru:cover A7 [me=2 B8 D8]

[kill-filter-drops-a-self-atari-of-five-stones]
# Black's corner group A7-D7-D9 with eye value 3, White's A9, B9, C9 and A8
# inside its space, B8 and C8 empty.  White's B8 or C8 would join the four
# stones into five with the single liberty left (C8 or B8): a self-atari of
# five stones, which the attacker's filter drops whatever it does to the
# eyes.  No other point touches the group: the list is empty.
white to play
  O O O X O . . . .
  O . . X O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuKorosu:cover A7 [me=3 none]

# --- The endgame's two-point false eye ---------------------------------------
#   call YoseKamoThink:cover P Q   the false-eye pass over the board: the
#       candidate at P as "P=w" against w = (u + s) * 2, u the evaluation for
#       the region's colour r after r plays P, s the evaluation for the other
#       colour t after t plays P and r answers at Q; the others by their
#       points alone

[endgame-two-point-false-eye-atari-side]
# Black's block C4-F4 down to D2-F2 with C1 and F1 on the edge; White's
# wall round it from B5 to G1, with C2 and B2 beside C1.  D1-E1 is Black's
# two-point space: D1 has White's C2 on its diagonal (a false eye, verdict
# Yes), E1 none, so the region is a "maybe" (Kamo) with no border point.
# White's D1 takes C1 (liberties B1, D1) into atari: D1 is an atari point
# for White and gets w = (u + s) * 2, Black's evaluation after D1 plus
# White's after D1 answered at E1, doubled.  White's E1 takes nothing into
# atari (F1 hangs on F2): no candidate there.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O O O O O O . .
  . O X X X X O . .
  . O X X X X O . .
  . O O X X X O . .
  . . X . . X O . .
call YoseKamoThink:cover D1 E1 [D1=w]

[endgame-two-point-false-eye-atari-side-mirror]
# The same mirrored left to right with the colours swapped: White's space
# E1-F1, F1 the false eye beside White's G1 under Black's G2; Black's F1
# takes G1 into atari: F1 = w, with White's colour as r.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X X X X X .
  . . X O O O O X .
  . . X O O O O X .
  . . X O O O X X .
  . . X O . . O . .
call YoseKamoThink:cover F1 E1 [F1=w]

# --- The fallback scans of the endgame ---------------------------------------
#   call YoseDeathThink:cover    the dead chains' last liberties in our own
#       region: candidates "P=0/2"
#   call YoseSemeaiThink:cover   the false eyes (verdict Yes) of a region of
#       the other colour whose group is in a capturing race: "P=0/1"

[endgame-fallback-fills-a-dead-chains-last-liberty]
# Black's A2-D2 with A1 and D1 lies dead under White's wall A3-E3, E2, E1,
# with the one liberty C1; White's B1 inside has no liberty but C1 either,
# so C1 must be filled before the count and is marked.  C1 lies in White's
# region and White may play there (it takes the six stones): value 0,
# bonus 2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  X O . X O . . . .
call YoseDeathThink:cover [C1=0/2]

[endgame-fallback-dead-chains-liberty-in-the-other-region]
# The same with Black to play: C1 is marked, and Black may play there (it
# takes B1), but it lies in White's region, not Black's: no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  X O . X O . . . .
call YoseDeathThink:cover [none]

[endgame-fallback-race-false-eye-black]
# White's inner group A3-D3, B2 with A1 and C1 (liberties A2 and B1) races
# Black's eyeless A4-E4, E3-C2, D1 (liberties F2 and E1), both shut in by
# White's outer wall.  B1, between White's A1 and C1 with Black's C2 on its
# diagonal, is a false eye (verdict Yes) of White's racing group; Black may
# play there (it takes C1, whose only liberty it is): B1 = 0/1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O . . .
  X X X X X O . . .
  O O O O X O . . .
  . O X X X . O . .
  O . O X . . O . .
call YoseSemeaiThink:cover [B1=0/1]

[endgame-fallback-race-false-eye-white]
# The same race with White to play: Black's racing group owns the false
# eye E1 under D1 and E2 (verdict Yes); White may play there (liberty F1):
# E1 = 0/1.  C1, also a Yes point of Black's region, holds White's stone:
# no move there.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O . . .
  X X X X X O . . .
  O O O O X O . . .
  . O X X X . O . .
  O . O X . . O . .
call YoseSemeaiThink:cover [E1=0/1]

# --- The ladder trap of a boundary point -------------------------------------
#   call YoseSichoTrap:cover P   the side to move plays P, then the trap test
#       of its stone: "trap" or "free", then the candidates left ("P=0/1")

[endgame-ladder-trap-of-a-two-liberty-stone]
# Black's E5 between White's D5 and E6, with White's D4 below D5: two
# liberties, F5 and E4.  White's F5 (liberties F6, G5, F4) leaves E5 in
# atari; Black's escape at E4 gives E5-E4 the two liberties F4 and E3 (D4
# and D5 are White's), and the ladder catches it on the open board: the
# point is a trap, E5 gets (0, 1).  (White's E4 instead is answered at F5
# with three liberties: no ladder there.)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover E5 [trap E5=0/1]

[endgame-ladder-trap-of-a-two-liberty-stone-mirror]
# The same mirrored left to right with the colours swapped, White to play
# E5 between Black's F5 and E6 over F4: a trap, E5 = 0/1.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover E5 [trap E5=0/1]

[endgame-ladder-trap-broken-by-a-stone-on-the-way]
# As the trap above with Black's G3 on the ladder's way: after E4 White's
# atari at E3 drives Black to F4 and G4, which joins G3; the atari at F4
# lets Black out at E3 with three liberties.  No ladder: free, no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover E5 [free none]

[endgame-ladder-trap-escape-with-three-liberties]
# Without White's D4 the escape at E4 leaves E5-E4 three liberties (D4, F4,
# E3), and the escape at F5 three as well: free, no candidate.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseSichoTrap:cover E5 [free none]

# --- The 3-3 press along the other edge of the corner ------------------------
#   call JobanKoho:press T S H A P...   (as in generators-roles.tst) the
#       press reading r: T's colour at S, the other at H, T's colour at A;
#       the candidates at P... as "P=r/0", "P=cap26/0" or "P=none"

[three-three-press-down-the-side-for-white]
# three-three-press-value-for-white turned over the corner's diagonal:
# Black's star point D16 over the empty 3-3 point C17; White's C15 and
# Black's C14 stand in a column below C16 along line 3 of the left edge.
# The strip from C17 to C14 is turned so that its line-2 side is the B
# column: B17 to B14 and D15 beside it are empty; A3 of the reading is E18
# (one step beyond D17 from C17's side), empty with empty neighbours.  The
# reading: Black at C17, White at B15 (line 2, two steps from C17), Black at
# E18.  White, not C14's side, is the engine: the candidate is White's hane
# B15, worth r (below the cap of 24).
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press C14 C17 B15 E18 B15 [B15=r/0]

[three-three-press-down-the-side-for-black]
# The same with Black to play and Black's H13 added (the turned G12 of
# three-three-press-value-for-black): Black, C14's side, is the engine, the
# candidate is C17 held at 26; B15 gets nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press C14 C17 B15 E18 C17 B15 [C17=cap26/0 B15=none]

[three-three-press-blocked-beyond-the-corner]
# three-three-press-value-for-white with White's A15 beside B15: the point
# that closes the press (A3 of the reading, B15) has a stone next to it,
# so the press proposes nothing: E18 gets no candidate.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . O X . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  O . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press F17 C17 E18 B15 E18 [E18=none]

[three-three-press-down-the-side-blocked]
# three-three-press-down-the-side-for-white with White's E19 beside E18,
# the point that closes that press: nothing at B15.
white to play
  . . . . O . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . O . . . . . . . . . . . . . . . .
  . . X . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press C14 C17 B15 E18 B15 [B15=none]

# --- The approach between an own stone and the opponent's --------------------
#   call JobanEdgeGaps   every candidate as "P=value/bonus"
# Black's stone at k (F, 6) and White's at m (N, 13) along the top edge:
# g = 6.  a: White's trial at H17 (k+2) leaves Black's stone weak with
# death level 21 or more; b: Black's trial at L17 (m-2) leaves White's so.

[approach-six-apart-own-first-opponent-capped]
# Black's F17 and White's N17 on line 3 with Black's N15 capping N17.  The
# white trial at H17 leaves F17 on its own, not weak; the black trial at
# L17 leaves the capped N17 weak, with death level 60 or more.  Only b: the
# line-3 points from m-4 to m-2 (J17, K17, L17, all at k+2 or beyond) get
# value 15 with bonus 0 (g + 17 is for a death level below 60).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=15/0 K17=15/0 L17=15/0]

[approach-six-apart-own-first-both-capped]
# As above with White's F15 capping F17 too: both trials leave the stone
# weak (a and b), g is not 3: every line-3 point from k+3 to m-2, J17, K17
# and L17, gets bonus 50.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=25/50 K17=25/50 L17=25/50]

[approach-six-apart-own-first-own-capped]
# Only White's F15 capping Black's F17: a alone, g is not 3: the line-3
# point k+3, J17, gets bonus 45.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=25/45]

[approach-six-apart-opponent-on-line-four]
# Black's F17 on line 3, White's N16 on line 4, nothing capping: neither
# trial leaves a weak stone.  g = 6 is at most 6 and the opponent's stone
# stands on line 4: L3(m-2), L17, gets g + 27 = 33 (g + 37 is for both
# stones on line 4).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [L17=25/33]

[approach-six-apart-both-on-line-four]
# Black's F16 and White's N16, both on line 4: L17 gets g + 37 = 43.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . X . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [L17=25/43]

# --- The two-space extension's strip: each cell beside the gap points
# ----------
#   call WeakGunNiken V   (as in generators.tst) the two-space extensions of
#       the group at V: "point:reason"
# Black's lone C7 on the 3-3 point, Black to play: its extensions on line 3
# are F7 (gap points D7, E7) and C4 (gap points C6, C5), each kept when no
# white stone stands on the four points beside its two gap points (the
# strip's cells 3, 5, 6 and 8) and the extension point has four empty
# neighbours.  One white stone on one of those cells drops that extension.

[two-space-extension-blocked-above-the-first-gap-point]
# White's D8 stands beside D7, the gap point next to C7 on the way to F7, on
# the
# edge side: only C4 is left.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [C4:13]

[two-space-extension-blocked-above-the-second-gap-point]
# White's E8 stands beside E7, the gap point next to F7, on the edge side:
# only C4 is left.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [C4:13]

[two-space-extensions-blocked-on-both-strips]
# White's D6 stands beside D7 (the first gap point towards F7, inner
# side) and beside C6 (the first gap point towards C4, D side) at once: both
# extensions are dropped.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [none]

[two-space-extension-down-blocked-beside-the-second-gap-point]
# White's D5 stands beside C5, the gap point next to C4, on the D side: only
# F7 is left.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [F7:13]

[two-space-extension-down-blocked-outside-the-first-gap-point]
# White's B6 stands beside C6, the gap point next to C7 on the way to C4,
# on the edge side: only F7 is left.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [F7:13]

[two-space-extension-down-blocked-outside-the-second-gap-point]
# White's B5 stands beside C5, the gap point next to C4, on the edge side:
# only F7 is left.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunNiken C7 [F7:13]

# --- The 3-3 press in the lower right: the strip turned round ----------------
# Seen from the lower right corner, line 2 lies on the larger coordinate's
# side of the strip from the 3-3 point, so the strip is turned before its
# line-2 entries are read.

[three-three-press-lower-right-along-the-bottom-for-white]
# three-three-press-value-for-white turned half round: Black's star point
# Q4 over the empty 3-3 point R3; White's P3 and Black's O3 in a row beyond
# Q3 along line 3.  The press reading: Black at R3, White at P2 (line 2, two
# steps from R3), Black at S5.  White is the engine: P2 is worth r.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . X O . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press O3 R3 P2 S5 P2 [P2=r/0]

[three-three-press-lower-right-along-the-bottom-for-black]
# The same with Black to play and Black's N7 added (G12 turned half round):
# R3 held at 26, P2 nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . X O . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press O3 R3 P2 S5 R3 P2 [R3=cap26/0 P2=none]

[three-three-press-lower-right-up-the-side-for-white]
# three-three-press-down-the-side-for-white turned half round: White's R5
# and Black's R6 above R4 along line 3 of the right edge.  The reading:
# Black at R3, White at S5 (line 2), Black at P2.  White's hane S5 is worth
# r.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . O . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press R6 R3 S5 P2 S5 [S5=r/0]

[three-three-press-lower-right-up-the-side-for-black]
# The same with Black to play and Black's M7 added: R3 held at 26.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . X . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . . . . . . . O . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanKoho:press R6 R3 S5 P2 R3 S5 [R3=cap26/0 S5=none]

# --- The look-ahead area of a move --------------------------------------------
#   call MakeYomiArea:cover P Q...   the area made for the move P: each Q as
#       "Q" when the area holds it, "Q=out" when not
# The area: every empty point within 6 lines of P both ways; and, when a
# group collected around P (the groups of the stones related to P, and of
# the enemy chains touching the chains next to P) is weak and not dead,
# each point related to every collected weak group and its eight
# neighbours.

[look-ahead-area-square-around-the-move]
# P = K10 beside Black's line L10-Q10, whose end touches White's R10; Black's
# R11 leaves R10 (liberties R9 and S10) dead in the analysis, and Black's
# line is strong: no group is weak and not dead.  The area is the square
# D16-Q4 (x and y 6 either way of K10): D10, Q16, Q4, K16 and K4 at its
# sides are in, C10, R4, K17 and K3 one line beyond are out, and so are
# R10's liberty S10 and T10 beyond it.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . X . .
  . . . . . . . . . . X X X X X X O . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:cover K10 C10 D10 Q16 Q4 R4 K17 K3 K16 K4 S10 T10 [C10=out D10 K16 K17=out K3=out K4 Q16 Q4 R4=out S10=out T10=out]

[look-ahead-area-reaches-round-a-weak-stone]
# The same line with Black's Q11 and Q9 above and below its end instead:
# White's R10 (liberties R9, R11 and S10) is weak but not dead, and it is
# collected as the enemy of the chain next to K10.  Beyond the square the
# area takes its liberties R9, R11, S10 and their neighbours, T9, T10 and
# T11 on the edge among them; C10, left of the square, stays out.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . X X X X X X O . .
  . . . . . . . . . . . . . . . X . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:cover K10 C10 D10 R9 R11 S10 T9 T10 T11 [C10=out D10 R11 R9 S10 T10 T11 T9]

# --- The settling diagonal of the engine's own group: its prepared answers ------
#   call SettleNanameAnswer:prepared V   the settling diagonal pass on the
#       group at V: its candidates by their points, then each prepared
#       answer as "OWN/REPLY/ANSWER"

[settle-diagonal-own-group-prepares-both-answers]
# settle-diagonal-ataris-the-intruder (generators.tst) with White to play:
# the group A2-A3-D3-D2 is the engine's own.  C1 is proposed as there, and
# its answers are prepared both ways round: after C1, Black's connection at
# B2 is answered by the capture at B1 (its one living answer), and Black's
# B1 by B2.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  O . X O X . . . .
  . . . . X . . . .
call SettleNanameAnswer:prepared D3 [C1 C1/B1/B2 C1/B2/B1]

[settle-diagonal-opponent-group-prepares-nothing]
# The same with Black to play: C1 is proposed against White's group, and
# nothing is prepared for a group that is not the engine's.
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
call SettleNanameAnswer:prepared D3 [C1]

# --- The narrow stretch with a stone on line 2 at its far end --------------------
#   call JobanEdgeGaps   every candidate as "P=value/bonus"

[narrow-far-stone-on-line-two-black]
# Black's D16 on line 4 and White's G18 on line 2, three apart along the top
# edge (the lowest stones of lines 2 to 4 at D and G): a narrow stretch
# between stones of different colours, but one of them stands on line 2:
# nothing (no slide under D16 at D18, no block at E17).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [none]

[narrow-far-stone-on-line-two-white]
# The same with White to play: nothing either.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [none]

# --- The approach between the opponent's stone and an own stone ------------------
#   call JobanEdgeGaps   every candidate as "P=value/bonus"
# White's stone at k, Black's (the engine's) at m along the top edge.  a:
# White's trial at L3(m-2) leaves Black's stone weak (death level 31 or
# more); b: Black's trial at L3(k+2) leaves White's so.  Neither, with
# White's stone not on line 4 or g above 6: g = 3 gives L3(m-2) bonus 0;
# otherwise bb = 2g + 20 goes to L3(m-3) when g < 7, L3(m-4) when g is 6 to
# 9, L3(m-5) when g >= 7 (and L3(m-6) when White's stone is on line 4), and
# L3(m-6) when g = 9.

[approach-opponent-first-six-apart]
# White's F17 and Black's N17 on line 3, g = 6, neither trial leaves a weak
# stone: bb = 32 at L3(m-3) = K17 and L3(m-4) = J17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . O . . . . . . X . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [J17=25/32 K17=25/32]

[approach-opponent-first-nine-apart]
# White's D17 and Black's O17, g = 9: bb = 38 at L3(m-4) = K17, L3(m-5) =
# J17 and L3(m-6) = H17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . . . . . X . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [H17=25/38 J17=25/38 K17=25/38]

[approach-opponent-first-eight-apart-from-line-four]
# White's D16 on line 4 and Black's N17, g = 8 (too wide for the line-4
# rule of g <= 6): bb = 36 at L3(m-4) = J17 and L3(m-5) = H17, and with
# White's stone on line 4 L3(m-6) = G17 too.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . X . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G17=25/36 H17=25/36 J17=25/36]

[approach-opponent-first-three-apart]
# White's D17 and Black's H17, g = 3, neither weak: F17 = L3(m-2) gets
# bonus 0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/0]

[approach-opponent-first-three-apart-own-stone-capped]
# As above with White's H15 capping H17 and Black's D15 over D17: White's
# trial at F17 leaves H17 weak (a), Black's at F17 leaves D17 below death
# level 31 (not b).  a alone with g = 3: L3(m-2) = F17 gets bonus 44; the
# line-5 point above H17, H15, is taken: nothing there.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . X . . . O . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [F17=25/44]

# --- The endgame's link marks -----------------------------------------------------
#   call YoseLinkMark:cover P...   the marks of the one-space jumps and
#       knight's moves of one colour: each P as "P" when marked dealt with,
#       "P=no" when not
# A one-space jump's gap is marked when a stone of the other colour stands
# beside it on one side, the other side is empty, and each of the jump's
# two stones has a stone of its colour beside it on that other side; a
# knight's move marks its two middle points when both are empty.

[endgame-link-mark-jump-under-a-stone]
# Black's one-space jump C3-E3 with C2 and E2 under both ends: White's D4
# stands over the gap D3 and D2 under it is empty: D3 is marked dealt
# with; D2 and D4 are not.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . X . X . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 D2 D4 [D2=no D3 D4=no]

[endgame-link-mark-jump-over-a-stone]
# The same turned over: C4 and E4 over both ends, White's D2 under the gap,
# D4 empty: D3 is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . X . X . . . .
  . . . O . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 [D3]

[endgame-link-mark-jump-pressed-from-both-sides]
# As the first with White's D2 as well: the side away from D4 must be
# empty, and the other alternative wants D4 empty: D3 is not marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . X O X . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 [D3=no]

[endgame-link-mark-jump-with-one-end-open]
# As the first without Black's E2: only one end is backed: not marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . X . . . .
  . . X . . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 [D3=no]

[endgame-link-mark-knights-move-upright]
# Black's knight's move C3-D5: its two middle points C4 and D4 are empty:
# both are marked; C5 and D3, the other corners, are not.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseLinkMark:cover C4 D4 C5 D3 [C4 C5=no D3=no D4]

[endgame-link-mark-knights-move-crossed]
# As above with White's C4 in one middle point: neither is marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . O . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseLinkMark:cover C4 D4 [C4=no D4=no]

[endgame-link-mark-knights-move-flat]
# Black's knight's move C3-E4 along the row: the middle points D3 and D4
# are marked.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 D4 C4 E3 [C4=no D3 D4 E3=no]

[endgame-link-mark-knights-move-white]
# The same for White's stones: marked as well (the marks are for either
# colour).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 D4 [D3 D4]

[endgame-link-mark-knights-move-of-two-colours]
# Black's C3 and White's E4: no link between stones of one colour, no
# mark.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call YoseLinkMark:cover D3 D4 [D3=no D4=no]

[approach-opponent-first-own-stone-pincered]
# (The approach rows above.)  White's D17 and Black's K17 on line 3, g = 5,
# with White's N17 pincering K17 from the other side (K17-N17, stones of
# two colours both on line 3, is a narrow stretch that gives nothing).
# White's trial at H17 (m-2) leaves K17 between two white stones weak (a);
# Black's trial at F17 leaves D17 on its own (not b).  a alone, g not 3:
# L3(m-3) = G17 gets 45; the line-5 point above K17, K15, is empty with
# eight empty points round it and no white stone within a large knight's
# move (N17 is three along and two up): it gets 45 - 1 = 44.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . O . . . . . X . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps [G17=25/45 K15=25/44]

# --- Life pondering without a living move: the filter's moves ----------------------
#   call IkiruYomi:cover V   the life pondering of the group at V: "n=N",
#       then its candidates against h, the base of the values: the group's
#       value K, or K / 2 - 1 for eye value below 3 ("P=h", "P=h/2", "P=h/4"
#       halved once or twice, "P=h+d")

[life-pondering-falls-back-on-the-filter-own-group]
# The position of life-filter-keeps-a-move-to-eye-value-three: Black's
# corner group of eye value 2 (h = K / 2 - 1).  Black's D8 and B8 pass the
# filter (eye value 3), but White kills after either, so no move lives: the
# pondering falls back on the filter's two moves (n = 2).  For Black's own
# group each is played by Black and keeps more than one liberty (D8 and B8
# join the wall): both are proposed at h, with no line bonus (neither
# stands on the second line from one edge and the third from the other).
black to play
  O O . X O . . . .
  O . . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:cover A7 [B8=h D8=h n=2]

[life-pondering-falls-back-on-the-filter-other-group]
# The same with White to play: the group is not the engine's.  For each of
# the filter's moves in its order, D8 then B8, Black plays it first and
# the group there is left below eye value 4 (3): the base is halved, for
# that point and the ones after it.  White's D8 (joined to E8) and B8 (with
# A8-A9-B9, liberties C9 and C8) keep more than one liberty: D8 = h / 2,
# B8 = h / 4.
white to play
  O O . X O . . . .
  O . . . O . . . .
  X X X X O . . . .
  O O O O O . . . .
  . . . . . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkiruYomi:cover A7 [B8=h/4 D8=h/2 n=2]

# --- The weak pair: the relation pattern by the relation's kind -------------------
#   call WeakGunPair:cover V W   the engine's weak group at V against the
#       enemy group at W: the candidates by their points
# With two lone stones on an empty board and White to play, no pending
# pair is answered first, and the one relation between the stones runs the
# group-relation pattern of its kind with (the enemy stone, the own stone):
# the candidates are that pattern's, as its rows in shapes-wide.tst give
# them for the same position.

[weak-pair-runs-the-knights-move-pattern]
# White's E7 a knight's move from Black's D5 (kind 4): the knight's-move
# pattern runs with (D5, E7) and proposes its two side points, C7 and F5
# (group-knight-side-near-a and -b in shapes-wide.tst).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover E7 D5 [C7 F5]

[weak-pair-runs-the-two-two-pattern]
# White's F4 two and two from Black's D6 (kind 5): the pattern of that
# shape runs with (D6, F4): D4 and F6 (group-two-two-white).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover F4 D6 [D4 F6]

[weak-pair-runs-the-large-knight-pattern]
# White's F3 a large knight's move from Black's E6 (kind 7): G6 and a point
# on the other side (group-large-knight-white).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover F3 E6 [D4 G6|D3 G6]

[weak-pair-runs-the-large-knight-pattern-across]
# White's G4 a large knight's move across from Black's D5: D3 and a point
# on the other side (group-large-knight-across-white).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover G4 D5 [D3 F6|D3 G6]

[weak-pair-runs-the-two-three-pattern]
# White's E3 two and three from Black's C6 (kind 8): C4 and E6
# (group-two-three-white).
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover E3 C6 [C4 E6]

# --- The one-stone point beside a dead stone --------------------------------------
#   call YoseOneStone V   (as in generators-more.tst) the point V beside one
#       stone: "V=r/b mark" against the reading, "none" when nothing is
#       stored

[endgame-one-stone-beside-a-dead-diagonal-stone]
# E5 touches one stone, Black's D5 on the D wall.  Of its diagonal points
# F4 holds White's lone stone inside Black's F3 and G4, dead in the
# analysis: the point is not valued (a dead stone is captured, not
# bargained with): nothing stored, no mark.
black to play
  . . . X . . . O .
  . . . X . . . O .
  . . . X . . . O .
  . . . X . . . O .
  . . . X . . . O .
  . . . X . O X O .
  . . . X . X . O .
  . . . X . . . O .
  . . . X . . . O .
call YoseOneStone E5 [none]

[endgame-one-stone-beside-its-own-dead-stone]
# E5 touches one stone, Black's F5, shut in by White's F6, G5 and F4 with
# E5 its last liberty: dead in the analysis.  White's F6 and F4 diagonal to
# E5 are alive, but the one stone that E5 touches is dead: nothing stored,
# no mark.
white to play
  X X . . . O . O .
  . X . . . O . O .
  . X . . . O O O .
  . X . . . O . O .
  . X . . . X O O .
  . X . . . O . O .
  . X . . . O O O .
  . X . . . O . O .
  X X . . . O . O .
call YoseOneStone E5 [none]

# --- The narrow stretch under a 4-4 stone: the far chain's liberties ---------------
#   call JobanEdgeGaps:points   the edge scan alone: its candidates by their
#       points (the values are the evaluation's)
# Black's D16 on line 4 and White's G17 on line 3, three apart along the
# top edge: the slide X = D18 (line 2 under D16) and the block Y = E17
# (line 3 next to D16), proposed at X when the engine is White (the side
# that slides), at Y when it is Black.  Nothing when White's chain at G17
# is short of liberties: fewer than three, or three with a single stone.

[narrow-slide-for-the-far-side]
# White to play, G17 alone with four liberties: White's slide D18.
white to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . X . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:points [D18]

[narrow-far-stone-with-three-liberties]
# Black's G16 under G17 leaves the lone stone three liberties: nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O . . . . . . . . . . . .
  . . . X . . X . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:points [none]

[narrow-far-chain-of-two-with-three-liberties]
# White's G17-H17 under Black's G16, H16 and J17: three liberties (F17,
# G18, H18), but two stones: Black's block E17.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . O O X . . . . . . . . . .
  . . . X . . X X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:points [E17]

[narrow-far-chain-of-two-with-two-liberties]
# As above with Black's G18 too: two liberties (F17, H18): nothing.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . X . . . . . . . . . . . .
  . . . . . . O O X . . . . . . . . . .
  . . . X . . X X . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call JobanEdgeGaps:points [none]

# --- The weak group's extensions: which related points are tried ---------------------
#   call WeakGunHirogeru:points V   the extensions of the group at V: the
#       candidates by their points (the values are the evaluation's)

[weak-extensions-of-a-lone-stone-on-line-three]
# Black's lone C3, Black to play: every related point of the kinds that
# extend is tried when it has four empty neighbours.  The one-space jumps
# C5 and E3 (A3 and C1 on the edge have three); the knight's moves B5, D5,
# E4 and E2 (B1 and D1 lie on the first line, A4 and A2 on the edge); the
# two-space jumps F3 and C6, both on line 3 as C3 is, with nothing beside
# their gap points.  Each is proposed for Black's own group.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunHirogeru:points C3 [B5 C5 C6 D5 E2 E3 E4 F3]

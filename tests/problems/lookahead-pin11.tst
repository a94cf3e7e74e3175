# The look-ahead's choice among the roots it has read, on quiet positions
# where each root's line is the root alone: the answers are worked out by
# hand from the look-ahead's rules; what the evaluation gives (the value for
# Black after a move, the best reply of the look-ahead's own move choice) is
# stated by premise rows.
#
#   call Sakiyomi:edge-capture29 P Q   the look-ahead on a table of two
#       captures, P worth 40, Q worth 29: the point chosen and "at-once" when
#       no tree node was read, else "read"
#   call Sakiyomi:top-added-last P Q   (YomiBarRoutines.cpp) the same
#       with the table in the order the staged search left it, Q (29) first
#       and P (40) last, P the point the search chose
#   call SelectRootKoho:edge-square C...  (as in yomi-bar.tst) the roots the
#       look-ahead takes from a table of C... worth 40 (the top, around which
#       the area is made), then 22, 21, 20, 19, 18, 17, 16 and 15, all pair
#       answers: the roots taken
#   call SelectRootKoho:single P  (YomiBarRoutines.cpp) the roots taken
#       from a table of the one candidate P, worth 40 (pair answer)
#   call Locate:colours P   the colours of the stones the relation record of
#       the empty point P sees: "P=B", "P=W", "P=BW" or "P=-"
#   call GunDeathLevel V    the death level of the group at V: "level=L",
#       "weak" when weak, its breathing points
#   call ThinkYomi:best [P...]  the best value of the look-ahead's own move
#       choice for the side to move and its point, "V T", after the points P...
#       were played in turn from the side to move; "none" when it finds no move
#   call HaneMore:value A M     the evaluation for the colour opposite A's
#       after that colour's move at M

[pb-quiet-root-h2-no-reply-premise]
# Premise: after Black's H2 White's own move choice finds nothing to play.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best H2 [none]

[pb-quiet-root-e5-no-reply-premise]
# Premise: after Black's E5 likewise nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best E5 [none]

[pb-quiet-root-h2-value-premise]
# Premise: Black's evaluation after Black's H2 is 22.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C7 H2 [22]

[pb-quiet-root-e5-value-premise]
# Premise: Black's evaluation after Black's E5 is 32.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C7 E5 [32]

[pb-quiet-root-d4-value-premise]
# Premise: Black's evaluation after Black's D4 is 46.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call HaneMore:value C7 D4 [46]

[pb-quiet-root-d4-no-reply-premise]
# Premise: after Black's D4 White's move choice finds nothing either.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call ThinkYomi:best D4 [none]

[pb-choice-lower-root-reads-better]
# White's lone C7 on 9 x 9; the table holds H2 (40) and E5 (29), both of the
# capture reason, though nothing can be taken.  Neither is a capture point,
# so the capture shortcut passes and the tree is read; E5 lies within six
# lines of H2, inside the area, and 29 is above the floor of 13: two roots.
# After either root White has no reply (premises): each line is the root
# alone, one move, so no root is the only short one, and each score is
# Black's evaluation after the root: H2 22, E5 32.  E5 scores best; being a
# capture itself, no capture after it is preferred: E5, the lower candidate
# of the table, is chosen.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Sakiyomi:edge-capture29 H2 E5 [E5 read]

[pb-choice-top-root-reads-better]
# The same with D4 (40) in H2's place: after D4 White has no reply either
# and Black's evaluation is 46, above E5's 32: the top candidate D4 stands.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Sakiyomi:edge-capture29 D4 E5 [D4 read]

[pb-choice-top-candidate-last-in-the-table]
# The table of pb-choice-lower-root-reads-better in the order the staged
# search left it: E5 (29) first, H2 (40) last.  H2, the point the search
# chose, is a candidate of the table, so the look-ahead runs; sorted, the
# roots are H2 and E5 as before, each line the root alone, E5 scoring 32
# against H2's 22: E5 is chosen, after reading.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Sakiyomi:top-added-last H2 E5 [E5 read]

[pb-capture-shortcut-at-29-for-white]
# The colours exchanged, White to play: White's J1 takes Black's H1 (its
# last liberty) and stands in atari against J2 afterwards: a capture point
# and a self-atari point for White, not for Black (for Black J1 would only
# join H1).  Played by White, its group is not dead.  Worth 29, above 28, it
# is chosen at once, before any tree node is read (the top root H3, worth
# 40, is no such capture).
white to play
  . . . . O . X X .
  . . . . O . . . O
  O . . . O O . . .
  . . X . . . . . .
  . . O . X O X . .
  X X O . . O . X .
  X . . . . . O . X
  . . X X . . . O X
  . O . . . . O X .
call Sakiyomi:edge-capture29 H3 J1 [J1 at-once]

# --- The area around the top: the weak enemies of a weak group ---------------------

[pb-area-weak-enemy-top-sees-only-black-premise]
# Premise: the empty point K10 is related to Black's N12 (the (2,3) shape)
# and to no white stone: White's N13, three and three away, is no relation
# of an empty point.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
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
call Locate:colours K10 [K10=B]

[pb-area-weak-enemy-black-weak-premise]
# Premise: Black's N12 is weak (level 2, not dead).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
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
call GunDeathLevel N12 [level=2 weak L11 L12 M10 M11 N10 O10 O11 P11 P12]

[pb-area-weak-enemy-white-weak-premise]
# Premise: White's N13, touching N12 from above, is weak too (level 2).
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
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
call GunDeathLevel N13 [level=2 weak L13 L14 M14 M15 N15 O14 O15 P13 P14]

[pb-area-weak-enemy-from-points-reach-row-18]
# The area around the top K10: the empty points of the square D4 to Q16;
# the groups around: N12's (related to K10), and, N12 being weak, the weak
# enemy group touching it, N13's, though N13 itself is no relation of K10
# (premises).  A weak group that is not dead is among them, so every point
# related to N12 or N13, and the eight points around each, join the area.
# Points related to N13 reach row 17 (N17 three-space jump, M17 and O17 the
# (1,4) shape); those around them reach row 18: M18, N18, O18.  N12's reach
# only row 16, and 17 around.  N19 is around none of them.  The roots, in
# table order: K10, then N18 (22), M18 (20), O18 (19) and N17 (15), each
# inside the area and not too far below the top; N19, A1, T1 and A10 lie
# outside it, worth less than 31.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . O . . . . . .
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
call SelectRootKoho:edge-square K10 N18 N19 M18 O18 A1 T1 A10 N17 [K10 N18 M18 O18 N17]

[pb-area-weak-enemy-from-points-reach-row-2]
# The same turned upside down: Black's N8, White's N7 below it; the points
# around those related to N7 reach row 2: M2, N2, O2; N1 is around none.
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
  . . . . . . . . . . . . X . . . . . .
  . . . . . . . . . . . . O . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call SelectRootKoho:edge-square K10 N2 N1 M2 O2 A19 T19 A10 N3 [K10 N2 M2 O2 N3]

[pb-roots-of-a-table-of-one]
# A table of one candidate, E5 worth 40: the area is made around it, 40 is
# above the floor of 13 and a pair answer is never skipped for its reason:
# one root, E5 (the search itself then does not run: fewer than two).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SelectRootKoho:single E5 [E5]

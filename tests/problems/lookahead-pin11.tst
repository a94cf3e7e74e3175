# The look-ahead's choice among the roots it has read, on quiet positions
# where each root's line is the root alone: the answers are worked out by
# hand from the look-ahead's rules; what the evaluation gives (the value for
# Black after a move, the best reply of the look-ahead's own move choice) is
# stated by premise rows.
#
#   call Sakiyomi:edge-capture29 P Q   the look-ahead on a table of two
#       captures, P worth 40, Q worth 29: the point chosen and "at-once" when
#       no tree node was read, else "read"
#   call Sakiyomi:top-added-last P Q   (LookaheadPin11Routines.cpp) the same
#       with the table in the order the staged search left it, Q (29) first
#       and P (40) last, P the point the search chose
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

# The look-ahead's tree read from one root on 9 x 9: which of the
# opponent's replies is read, what the root's principal line becomes, and
# the length marker it leaves.  Every answer is worked out by hand from the
# look-ahead's rules.
#
#   call YomiTe:principal-line R   the side to move reads the root R (the whole board
#                        the area, no forced continuation, the root's best
#                        value 20, so replies above 15 are read): "L R Q",
#                        the line length marker and the first two moves of
#                        the root's principal line ("L R" when no reply is
#                        kept)

[tree-capture-leaves-the-opponent-nothing-to-answer]
# Black's D2 takes White's four stones C3, D3, C4 and D4, White's only
# stones.  White then has no chain, no relation and no peep to answer, and
# each of Black's chains keeps four liberties or more: no reply, the line is
# the root alone and its length 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O O X . . . .
  . X O O X . . . .
  . . X . . . . . .
  . . . . . . . . .
call YomiTe:principal-line D2 [1 D2]

[tree-refused-root-is-a-line-of-one-move]
# A root that cannot be played (C3 holds White's stone) ends the line at the
# root: length 1, the root alone.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O O X . . . .
  . X O O X . . . .
  . . X . . . . . .
  . . . . . . . . .
call YomiTe:principal-line C3 [1 C3]

[tree-one-reply-is-read-and-kept]
# As the first row with Black's H8 in atari under White's G8, J8 and H9.
# After Black's D2 White's one urgent move is H7, taking H8 (H8 escaping
# there would cut White's three stones apart, so the capture is worth far
# more than 15); no other chain is short of liberties.  One reply: it is
# read and, being the first, kept: the line is D2 H7 and the length marker
# 2 (no forced continuation follows).
black to play
  . . . . . . . O .
  . . . . . . O X O
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O O X . . . .
  . X O O X . . . .
  . . X . . . . . .
  . . . . . . . . .
call YomiTe:principal-line D2 [2 D2 H7]

# --- The numbers of the look-ahead display -----------------------------------------
#
#   call YomiTe:display-numbers R     the same reading of the root R with the
#                             look-ahead display on: the numbers drawn on
#                             its moves in order, "1:D2 2:H7" ("none")
#   call YomiContinue:display-numbers2   a forced continuation of two moves at most
#                             after the root colour's answer (the side to
#                             move is the root colour's opponent, the root's
#                             best value 20), display on: the numbers drawn

[tree-numbers-root-and-reply]
# The row tree-one-reply-is-read-and-kept with the display on: the root D2
# is numbered 1, White's reply H7 2; Black has no answer after it, so no 3.
black to play
  . . . . . . . O .
  . . . . . . O X O
  . . . . . . . . .
  . . . . . . . . .
  . . X X . . . . .
  . X O O X . . . .
  . X O O X . . . .
  . . X . . . . . .
  . . . . . . . . .
call YomiTe:display-numbers D2 [1:D2 2:H7]

[tree-numbers-of-a-forced-continuation]
# The position of continuation-big-root-at-the-first-bar-for-white (White
# the root colour, Black to play): Black's best is H4 (25, above the first
# bar 13), then White's best G3 (25, above the second bar 14, and White is
# the root colour at the last step): the continuation's moves are numbered
# from 4, H4 4 and G3 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . X . .
  . . . . . X X . .
  . . . . . . . . .
  . . O . . O . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call YomiContinue:display-numbers2 [4:H4 5:G3]

# --- The trace of the look-ahead area ------------------------------------------
#
#   call MakeYomiArea:trace-spans P   the trace lines the area of P leaves with the
#                               trace on (the area empty before): the point
#                               as written ("<x,y>", y from the top), the 19
#                               rows from the top as the spans of their
#                               marked columns ("4-16"; "-" none), and "end"
#                               for the closing empty line
#
# On a board without weak groups the area is every empty point of the square
# six lines around P, clipped to the board.

[area-trace-of-the-centre]
# K10 = <10,10>: columns and rows 4 to 16 (10 - 6 to 10 + 6).
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:trace-spans K10 [<10,10> - - - 4-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 - - - end]

[area-trace-of-the-lower-left]
# C3 = <3,17>: columns -3 to 9 clipped to 1-9, rows 11 to 23 clipped to
# 11-19.
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:trace-spans C3 [<3,17> - - - - - - - - - - 1-9 1-9 1-9 1-9 1-9 1-9 1-9 1-9 1-9 end]

[area-trace-of-the-upper-right]
# R17 = <17,3>: columns 11 to 23 clipped to 11-19, rows -3 to 9 clipped to
# 1-9.
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
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
call MakeYomiArea:trace-spans R17 [<17,3> 11-19 11-19 11-19 11-19 11-19 11-19 11-19 11-19 11-19 - - - - - - - - - - end]

[area-trace-skips-a-stone]
# K10 with Black's K12 = <10,8> in the square: row 8 is marked but for
# column 10.  (A lone stone with open space around it is not weak.)
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . X . . . . . . . . .
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
call MakeYomiArea:trace-spans K10 [<10,10> - - - 4-16 4-16 4-16 4-16 4-9,11-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 4-16 - - - end]

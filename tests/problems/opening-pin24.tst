# Stage 0 of the opening against another program: the middle point of
# moves 1 and 3 once four moves are played.
# Every answer is worked out by hand from the rules of the opening.  Points
# are written as GTP vertices.
#
#   call JobanTe:vs-computer-after P...  (as in opening-pin6.tst) stage 0
#                                     against another program after the
#                                     moves P...: the point, "pass" for none
#
# Relation shapes named below: one-space jump (0,2), knight's move (1,2),
# two-space jump (0,3), large knight's move (1,3).

[vs-computer-middle-beside-a-third-move-answered-at-once]
# Moves: Black Q16, White D4, Black D16, White E14 (a knight's move from
# D16, so D16 itself no longer stands free).  With four moves played the
# answer is the middle of moves 1 and 3: Q16 = (16,4) and D16 = (4,4) give
# ((16 + 4) div 2, (4 + 4) div 2) = (10,4) = K16.  K16 is empty and only
# the emptiness of K16 and its own relations count: Q16 and D16 are six
# columns away, E14 five columns away, D4 twelve rows away, so no stone is
# related to K16.  It is a legal move for Black: K16.
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
call JobanTe:vs-computer-after Q16 D4 D16 E14 [K16]

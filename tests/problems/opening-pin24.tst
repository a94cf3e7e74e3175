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
# ((16 + 4) div 2, (4 + 4) div 2) = (10,4) = K16.  Only K16 itself is
# asked to be empty and free: Q16 and D16 are six columns away, E14 five
# columns away, D4 twelve rows away, so no stone is related to K16.  It is
# a legal move for Black: K16.
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

# --- The invasion between two White stones four apart, one on line 4 --------
#   call JobanEdgeGaps   (as in opening-gaps.tst) every candidate as
#       "P=value/bonus"

[invasion-four-apart-star-side-stone-on-line-four-own-stone-above]
# White's D16 (line 4, pos 4) and J17 (line 3, pos 9) along the top: g = 4,
# h = 2, the middle points F17 (pos 6) and G17 (pos 7).  Black's E12 is the
# only other stone.  No black stone is related to F17 (E12 is five rows
# away), and Black's trial at F17 weakens neither white stone nor is close
# to death (premise, as for D17 and J17 alone): w = 0.  g < 7: v = 4 + 5
# + 2 for the one stone on line 4 = 11, so F17 and G17 get value 11 with
# bonus 0.  Only D16 stands on line 4: X is the line-3 point two positions
# from D16 towards the stretch, F17, and the line-5 point at its pos is
# F15; E12 is a large knight's move (1,3) from F15, so F17 gets value 25
# with bonus g = 4, which outweighs its 11.  (G15, the line-5 point two
# from J17, has no black stone that near: E12 is (2,3) from it.)  No other
# edge holds two stones on lines 2 to 4.  F17 = 25/4, G17 = 11/0.
black to play
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . O . . . . . . . . . .
  . . . O . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . . . . . . . . . . . . . . . .
  . . . . X . . . . . . . . . . . . . .
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
call JobanEdgeGaps [F17=25/4 G17=11/0]

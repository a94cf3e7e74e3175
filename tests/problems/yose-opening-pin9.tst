# The endgame scans pass by the points that lie in a region, whatever the
# region's number, the first one too.
#
#   call JiNo:at V...   (premise) the number of the region each V lies in
#       after the analysis, "V=n", 0 when in none
#   call YoseStoneThink:at V...   (as in life-yose-pin4.tst) the scan of the
#       points beside one or two stones alone: each V as "V" with a
#       candidate there, "V=none" without, ":mark" when marked dealt with

# --- A point of the first region ----------------------------------------------

[endgame-region-point-premise-first-region]
# Premise for the row below: White's D6 and E7 with C8 hold D7 in White's
# region, the first (and only) one the analysis numbers; D5 lies in none.
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
call JiNo:at D7 D5 [D5=0 D7=1]

[endgame-stone-scan-passes-a-point-of-the-first-region-by]
# D7 touches exactly two stones, White's D6 and E7, and keeps two empty
# neighbours, C7 and D8: out of a region it would go to the two-stone
# reading.  It lies in region 1 (premise above), and the scan skips every
# point in a region: no candidate, no mark.
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
call YoseStoneThink:at D7 [D7=none]

# --- A hane stone that would be left in atari -----------------------------------
#   call YoseBorderValue:hane-caught P Q   J's stone at P has two of O's
#       stones diagonal to it with the empty hane point Q between them, but
#       O's stone at Q would keep one liberty only, so the hane is not read:
#       A = J's evaluation after J at P alone, as it is; B = O's after O at
#       P (no atari), counted when B >= -1.  v = A + B stored as (v, 0) when
#       v >= 2 or v < 0, (0, 5) when v = 1, (0, 0) when v = 0: "P=r/b", then
#       the hane reading against A ("hane<plain", "hane=plain", "hane>plain")

[endgame-border-hane-stone-left-with-one-liberty-is-not-read]
# Black's living wall on lines 1 and 2 with H3 and H4 standing on it.  H5
# touches Black's H4, has empty neighbours G5, H6 and J5, and White's J6
# and J4 on its right diagonals with J5 between them, empty, legal for
# Black and no self-atari: White's hane point.  But White's stone at J5
# would join J6 (J7 Black above it, H6 its other liberty) and J4-J3 (H4,
# H3 and J2 all Black, J5 its only liberty) into one chain whose only
# liberty is H6: the hane stone keeps one liberty, so Black's gain is read
# after H5 alone.
# White's H5 touches Black's wall at H4 only, which keeps many liberties:
# no atari.  The hane reading comes out above H5 alone here, so it would
# have counted for more.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X X O . O . X
  O . . X O . X . O
  . . X O . O . . .
  O . O . . X . X O
  X . . . O X X X O
  X X X X X X X X X
  X . X X . X X . X
call YoseBorderValue:hane-caught H5 J5 [H5=r/b hane>plain]

# --- The one-stone point whose sum equals a negative follow-up -------------------
#   call YoseOneStone V [L M]   (as in generators-more.tst) the point V beside
#       a single stone: A = J's evaluation after J at V, B = O's after O at
#       V; with the follow-up L M (J's hane at L after V, O's answer at M)
#       f = J's evaluation after J at V and L and O at M.  r = A + B, or
#       min(2r, f) only when r is below f: "V=r/b mark"

[endgame-one-stone-sum-equal-to-a-negative-follow-up-is-kept]
# White's living wall on lines 8 and 9 with B7 below it, Black's on lines
# 1 and 2 with the lone B6 high up.  A6 touches only Black's B6 (A7 and A5
# empty), with White's B7, not dying, on its diagonal.  White's stone at
# A6, diagonal to B7, belongs with it to White's living group on top (two
# eyes and more).  Black's B6 then keeps two
# liberties, B5 and C6; White's hane at B5 (two apart from A6, three empty
# neighbours) and Black's answer at C6 give the follow-up f.  Here A + B
# comes out exactly equal to f, both negative: r is not below f, so the
# sum is stored as it is, not doubled.
white to play
  . . . . . . . . .
  O O O O O O O O O
  . O . . . . . X .
  . X . . . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . O . . . . . .
  X X X X X X X X X
  X . X X . X X . X
call YoseOneStone A6 B5 C6 [A6=r/b mark]

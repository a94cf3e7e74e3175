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

# Jumps to the edge: single pattern routines on positions whose candidate
# points and value rules are worked out by hand.  "call NAME S G ..." runs
# NAME on the relation of the stone S to the edge beyond the first-line
# point G below it; the points after a repeated S are the lines the row's
# working names (the first from the owner, the second from the opponent,
# colours alternating), and each candidate's value is answered as an
# expression of s, the sum of the two lines' evaluations for their first
# movers, with its reason code.

[edge-two-space-peep-one-stone-top-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
black to play
  . . . . . . . O .
  . . O O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s/2+4-6:5]

[edge-two-space-peep-one-stone-top-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
white to play
  . . . . . . . O .
  . . O O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s/2-6:5]

[edge-two-space-peep-one-stone-bottom-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . . . . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [E2=s/2+4-6:5]

[edge-two-space-peep-one-stone-bottom-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . . . . . . O .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [F2=s/2-6:5]

[edge-two-space-peep-one-stone-top-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position mirrored, so the peep is on the other side)
black to play
  . O . . . . . . .
  . . . . . O O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [E8=s/2+4-6:5]

[edge-two-space-peep-one-stone-top-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position mirrored, so the peep is on the other side)
white to play
  . O . . . . . . .
  . . . . . O O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [D8=s/2-6:5]

[edge-two-space-peep-one-stone-bottom-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O O . .
  . O . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [E2=s/2+4-6:5]

[edge-two-space-peep-one-stone-bottom-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O O . .
  . O . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [D2=s/2-6:5]

[edge-two-space-peep-one-stone-left-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B5=s/2+4-6:5]

[edge-two-space-peep-one-stone-left-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B4=s/2-6:5]

[edge-two-space-peep-one-stone-left-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B5=s/2+4-6:5]

[edge-two-space-peep-one-stone-left-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B6=s/2-6:5]

[edge-two-space-peep-one-stone-right-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H5=s/2+4-6:5]

[edge-two-space-peep-one-stone-right-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H4=s/2-6:5]

[edge-two-space-peep-one-stone-right-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H5=s/2+4-6:5]

[edge-two-space-peep-one-stone-right-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group is the lone stone: v = s/2.  Black's stone dies to the cut, so
# the sum is large: v is over 26 and loses 6; for Black (v >= 8, White's part
# positive) 4 more before the cap.  Black connects at E8, White cuts at F8.
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H6=s/2-6:5]

[edge-two-space-peep-two-stones-top-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
black to play
  . . . . . . . X .
  . . O O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=2s/3+4-6:5]

[edge-two-space-peep-two-stones-top-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
white to play
  . . . . . . . X .
  . . O O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=2s/3-6:5]

[edge-two-space-peep-two-stones-bottom-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . . . . . . X .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [E2=2s/3+4-6:5]

[edge-two-space-peep-two-stones-bottom-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O . . . . .
  . . . . . . . X .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [F2=2s/3-6:5]

[edge-two-space-peep-two-stones-top-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position mirrored, so the peep is on the other side)
black to play
  . X . . . . . . .
  . . . . . O O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [E8=2s/3+4-6:5]

[edge-two-space-peep-two-stones-top-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position mirrored, so the peep is on the other side)
white to play
  . X . . . . . . .
  . . . . . O O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [D8=2s/3-6:5]

[edge-two-space-peep-two-stones-bottom-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O O . .
  . X . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [E2=2s/3+4-6:5]

[edge-two-space-peep-two-stones-bottom-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O O . .
  . X . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [D2=2s/3-6:5]

[edge-two-space-peep-two-stones-left-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B5=2s/3+4-6:5]

[edge-two-space-peep-two-stones-left-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B4=2s/3-6:5]

[edge-two-space-peep-two-stones-left-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B5=2s/3+4-6:5]

[edge-two-space-peep-two-stones-left-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . O . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B6=2s/3-6:5]

[edge-two-space-peep-two-stones-right-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H5=2s/3+4-6:5]

[edge-two-space-peep-two-stones-right-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H4=2s/3-6:5]

[edge-two-space-peep-two-stones-right-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H5=2s/3+4-6:5]

[edge-two-space-peep-two-stones-right-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black H9 is linked to E7 by the (2,3) shape: Black's group has two stones,
# v = 2s/3, still over 26 (the stone dies to the cut): less 6, and 4 more for
# Black before the cap.
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X . .
  . . . . . . . O .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H6=2s/3-6:5]

[edge-two-space-peep-strong-group-top-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
black to play
  . . . . . . . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+4:5]

[edge-two-space-peep-strong-group-top-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
white to play
  . . . . . . . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s:5]

[edge-two-space-peep-strong-group-bottom-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . X . X . .
  . O . . X . . . .
  . . O O . . . . .
  . . . . . . . X .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [E2=s+4:5]

[edge-two-space-peep-strong-group-bottom-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . X . X . .
  . O . . X . . . .
  . . O O . . . . .
  . . . . . . . X .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [F2=s:5]

[edge-two-space-peep-strong-group-top-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position mirrored, so the peep is on the other side)
black to play
  . X . . . . . . .
  . . . . . O O . .
  . . . . X . . O .
  . . X . X . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [E8=s+4:5]

[edge-two-space-peep-strong-group-top-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position mirrored, so the peep is on the other side)
white to play
  . X . . . . . . .
  . . . . . O O . .
  . . . . X . . O .
  . . X . X . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [D8=s:5]

[edge-two-space-peep-strong-group-bottom-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . X . O . .
  . . . . X . . O .
  . . . . . O O . .
  . X . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [E2=s+4:5]

[edge-two-space-peep-strong-group-bottom-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . X . O . .
  . . . . X . . O .
  . . . . . O O . .
  . X . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [D2=s:5]

[edge-two-space-peep-strong-group-left-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . O . . . . . .
  . O . O . . . . .
  . O . . . . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . X . . . . .
  X . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B5=s+4:5]

[edge-two-space-peep-strong-group-left-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . O . . . . . .
  . O . O . . . . .
  . O . . . . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . . X . . . . .
  X . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B4=s:5]

[edge-two-space-peep-strong-group-left-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  X . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B5=s+4:5]

[edge-two-space-peep-strong-group-left-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  X . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B6=s:5]

[edge-two-space-peep-strong-group-right-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . X
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H5=s+4:5]

[edge-two-space-peep-strong-group-right-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . X
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H4=s:5]

[edge-two-space-peep-strong-group-right-mirror-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . X
  . . . . . X . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . . . O .
  . . . . . O . O .
  . . . . . . O . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H5=s+4:5]

[edge-two-space-peep-strong-group-right-mirror-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading).  G9, the point two out beside the far gap, has a stone beside it
# (H9), so White's extension there is not read.  Black's line: the
# connection E8 (o).  White's line: the cut F8, Black E8, White E9 (p).
# Black's group has three stones and more: no division.  The cut costs
# little here, so the sum stays below 25: s for White, s + 4 for Black.
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . X
  . . . . . X . . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . . . O .
  . . . . . O . O .
  . . . . . . O . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H6=s:5]

[edge-peep-dead-pair-top-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
black to play
  . . O O . . O . .
  . X X X X . . . .
  X . X . X . . . .
  X X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 B9 E8 E9 E8 E9 E9 B9 [E9=o+(t-o)/3+p:5]

[edge-peep-dead-pair-top-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
white to play
  . . O O . . O . .
  . X X X X . . . .
  X . X . X . . . .
  X X X X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 B9 E8 E9 [E9=s:5]

[edge-peep-dead-pair-bottom-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  X . X . X . . . .
  . X X X X . . . .
  . . O O . . O . .
call IkkenEdgeNozoki E2 E1 E2 E1 B1 E2 E1 E2 E1 E1 B1 [E1=o+(t-o)/3+p:5]

[edge-peep-dead-pair-bottom-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  X . X . X . . . .
  . X X X X . . . .
  . . O O . . O . .
call IkkenEdgeNozoki E2 E1 E2 E1 B1 E2 E1 [E1=s:5]

[edge-peep-dead-pair-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position mirrored, so the peep is on the other side)
black to play
  . . O . . O O . .
  . . . . X X X X .
  . . . . X . X . X
  . . . . X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 H9 E8 E9 E8 E9 E9 H9 [E9=o+(t-o)/3+p:5]

[edge-peep-dead-pair-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position mirrored, so the peep is on the other side)
white to play
  . . O . . O O . .
  . . . . X X X X .
  . . . . X . X . X
  . . . . X X X X X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 H9 E8 E9 [E9=s:5]

[edge-peep-dead-pair-bottom-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X X X
  . . . . X . X . X
  . . . . X X X X .
  . . O . . O O . .
call IkkenEdgeNozoki E2 E1 E2 E1 H1 E2 E1 E2 E1 E1 H1 [E1=o+(t-o)/3+p:5]

[edge-peep-dead-pair-bottom-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X X X X
  . . . . X . X . X
  . . . . X X X X .
  . . O . . O O . .
call IkkenEdgeNozoki E2 E1 E2 E1 H1 E2 E1 [E1=s:5]

[edge-peep-dead-pair-left-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the left edge)
black to play
  . . X X . . . . .
  . X . X . . . . .
  O X X X . . . . .
  O X . X . . . . .
  . X X X . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 A8 B5 A5 B5 A5 A5 A8 [A5=o+(t-o)/3+p:5]

[edge-peep-dead-pair-left-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the left edge)
white to play
  . . X X . . . . .
  . X . X . . . . .
  O X X X . . . . .
  O X . X . . . . .
  . X X X . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 A8 B5 A5 [A5=s:5]

[edge-peep-dead-pair-left-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . X X X . . . . .
  O X . X . . . . .
  O X X X . . . . .
  . X . X . . . . .
  . . X X . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 A2 B5 A5 B5 A5 A5 A2 [A5=o+(t-o)/3+p:5]

[edge-peep-dead-pair-left-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  O . . . . . . . .
  . . . . . . . . .
  . X X X . . . . .
  O X . X . . . . .
  O X X X . . . . .
  . X . X . . . . .
  . . X X . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 A2 B5 A5 [A5=s:5]

[edge-peep-dead-pair-right-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the right edge)
black to play
  . . . . . X X . .
  . . . . . X . X .
  . . . . . X X X O
  . . . . . X . X O
  . . . . . X X X .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki H5 J5 H5 J5 J8 H5 J5 H5 J5 J5 J8 [J5=o+(t-o)/3+p:5]

[edge-peep-dead-pair-right-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the right edge)
white to play
  . . . . . X X . .
  . . . . . X . X .
  . . . . . X X X O
  . . . . . X . X O
  . . . . . X X X .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki H5 J5 H5 J5 J8 H5 J5 [J5=s:5]

[edge-peep-dead-pair-right-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . X X X .
  . . . . . X . X O
  . . . . . X X X O
  . . . . . X . X .
  . . . . . X X . .
call IkkenEdgeNozoki H5 J5 H5 J5 J2 H5 J5 H5 J5 J5 J2 [J5=o+(t-o)/3+p:5]

[edge-peep-dead-pair-right-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's pair C9-D9 is dead under Black's wall.  Black's part o: Black E9,
# then White B9 (the pair's last liberty, White's answer).  White's part p:
# White E9 alone (Black's block at F9 would be in atari, so it is taken
# back).  For Black the capture at B9 (t: Black E9 and B9) moves o a third of
# the way toward it.  The sum stays below 6: no 2 added.
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
  . . . . . . . . .
  . . . . . X X X .
  . . . . . X . X O
  . . . . . X X X O
  . . . . . X . X .
  . . . . . X X . .
call IkkenEdgeNozoki H5 J5 H5 J5 J2 H5 J5 [J5=s:5]

[edge-peep-living-chain-top-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
black to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . . . . .
  O O O . . . X . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[edge-peep-living-chain-top-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
white to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . . . . .
  O O O . . . X . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s+2:5]

[edge-peep-living-chain-bottom-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  O O O . . . X . .
  O X X X . . . . .
  O X . X X . . . .
  O X X X X . . . .
  O O O O . . . . .
call IkkenEdgeNozoki E2 E1 E2 E1 E2 E1 G2 F1 [E1=s+2:5]

[edge-peep-living-chain-bottom-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  O O O . . . X . .
  O X X X . . . . .
  O X . X X . . . .
  O X X X X . . . .
  O O O O . . . . .
call IkkenEdgeNozoki E2 E1 E2 E1 E2 E1 G2 F1 [E1=s+2:5]

[edge-peep-living-chain-top-mirror-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White F9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at D9 first is not
# read: White's point is the push at E9.
# White's chain F9-J9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at D9 is caught on the first line (White D8 chases it along
# the edge), so Black answers at C8 and White plays D9.  The push is worth
# more than 6: s + 2 for either side.
# (the position mirrored, so the peep is on the other side)
black to play
  . . . . . O O O O
  . . . . X X X X O
  . . . . X X . X O
  . . . . . X X X O
  . . X . . . O O O
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 C8 D9 [E9=s+2:5]

[edge-peep-living-chain-top-mirror-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White F9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at D9 first is not
# read: White's point is the push at E9.
# White's chain F9-J9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at D9 is caught on the first line (White D8 chases it along
# the edge), so Black answers at C8 and White plays D9.  The push is worth
# more than 6: s + 2 for either side.
# (the position mirrored, so the peep is on the other side)
white to play
  . . . . . O O O O
  . . . . X X X X O
  . . . . X X . X O
  . . . . . X X X O
  . . X . . . O O O
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 C8 D9 [E9=s+2:5]

[edge-peep-living-chain-bottom-mirror-black]
# Black's second-line stone E2 jumps to the bottom edge over the gap E1;
# White F1 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at D1 first is not
# read: White's point is the push at E1.
# White's chain F1-J1 is part of White's living group, so the connection at
# E1 captures nothing.  Black's part o: Black E1.  White's part p: White E1;
# Black's block at D1 is caught on the first line (White D2 chases it along
# the edge), so Black answers at C2 and White plays D1.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . X . . . O O O
  . . . . . X X X O
  . . . . X X . X O
  . . . . X X X X O
  . . . . . O O O O
call IkkenEdgeNozoki E2 E1 E2 E1 E2 E1 C2 D1 [E1=s+2:5]

[edge-peep-living-chain-bottom-mirror-white]
# Black's second-line stone E2 jumps to the bottom edge over the gap E1;
# White F1 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at D1 first is not
# read: White's point is the push at E1.
# White's chain F1-J1 is part of White's living group, so the connection at
# E1 captures nothing.  Black's part o: Black E1.  White's part p: White E1;
# Black's block at D1 is caught on the first line (White D2 chases it along
# the edge), so Black answers at C2 and White plays D1.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . X . . . O O O
  . . . . . X X X O
  . . . . X X . X O
  . . . . X X X X O
  . . . . . O O O O
call IkkenEdgeNozoki E2 E1 E2 E1 E2 E1 C2 D1 [E1=s+2:5]

[edge-peep-living-chain-left-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the left edge)
black to play
  O O O O O . . . .
  O X X X O . O . .
  O X . X O . . . .
  O X X X . . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 B5 A5 B3 A4 [A5=s+2:5]

[edge-peep-living-chain-left-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the left edge)
white to play
  O O O O O . . . .
  O X X X O . O . .
  O X . X O . . . .
  O X X X . . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 B5 A5 B3 A4 [A5=s+2:5]

[edge-peep-living-chain-left-mirror-black]
# Black's second-line stone B5 jumps to the left edge over the gap A5;
# White A4 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at A6 first is not
# read: White's point is the push at A5.
# White's chain A1-A4 is part of White's living group, so the connection at
# A5 captures nothing.  Black's part o: Black A5.  White's part p: White A5;
# Black's block at A6 is caught on the first line (White B6 chases it along
# the edge), so Black answers at B7 and White plays A6.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . X X . . . . . .
  O X X X . . . . .
  O X . X O . . . .
  O X X X O . O . .
  O O O O O . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 B5 A5 B7 A6 [A5=s+2:5]

[edge-peep-living-chain-left-mirror-white]
# Black's second-line stone B5 jumps to the left edge over the gap A5;
# White A4 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at A6 first is not
# read: White's point is the push at A5.
# White's chain A1-A4 is part of White's living group, so the connection at
# A5 captures nothing.  Black's part o: Black A5.  White's part p: White A5;
# Black's block at A6 is caught on the first line (White B6 chases it along
# the edge), so Black answers at B7 and White plays A6.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . X X . . . . . .
  O X X X . . . . .
  O X . X O . . . .
  O X X X O . O . .
  O O O O O . . . .
call IkkenEdgeNozoki B5 A5 B5 A5 B5 A5 B7 A6 [A5=s+2:5]

[edge-peep-living-chain-right-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the right edge)
black to play
  . . . . O O O O O
  . . O . O X X X O
  . . . . O X . X O
  . . . . . X X X O
  . . . . . . X X .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki H5 J5 H5 J5 H5 J5 H3 J4 [J5=s+2:5]

[edge-peep-living-chain-right-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at F9 first is not
# read: White's point is the push at E9.
# White's chain A9-D9 is part of White's living group, so the connection at
# E9 captures nothing.  Black's part o: Black E9.  White's part p: White E9;
# Black's block at F9 is caught on the first line (White F8 chases it along
# the edge), so Black answers at G8 and White plays F9.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the right edge)
white to play
  . . . . O O O O O
  . . O . O X X X O
  . . . . O X . X O
  . . . . . X X X O
  . . . . . . X X .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki H5 J5 H5 J5 H5 J5 H3 J4 [J5=s+2:5]

[edge-peep-living-chain-right-mirror-black]
# Black's second-line stone H5 jumps to the right edge over the gap J5;
# White J4 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at J6 first is not
# read: White's point is the push at J5.
# White's chain J1-J4 is part of White's living group, so the connection at
# J5 captures nothing.  Black's part o: Black J5.  White's part p: White J5;
# Black's block at J6 is caught on the first line (White H6 chases it along
# the edge), so Black answers at H7 and White plays J6.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . X X .
  . . . . . X X X O
  . . . . O X . X O
  . . O . O X X X O
  . . . . O O O O O
call IkkenEdgeNozoki H5 J5 H5 J5 H5 J5 H7 J6 [J5=s+2:5]

[edge-peep-living-chain-right-mirror-white]
# Black's second-line stone H5 jumps to the right edge over the gap J5;
# White J4 peeps beside the gap.  Black's group has eyes (eye value over 2)
# and its chain more than three liberties, so White's play at J6 first is not
# read: White's point is the push at J5.
# White's chain J1-J4 is part of White's living group, so the connection at
# J5 captures nothing.  Black's part o: Black J5.  White's part p: White J5;
# Black's block at J6 is caught on the first line (White H6 chases it along
# the edge), so Black answers at H7 and White plays J6.  The push is worth
# more than 6: s + 2 for either side.
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . X X .
  . . . . . X X X O
  . . . . O X . X O
  . . O . O X X X O
  . . . . O O O O O
call IkkenEdgeNozoki H5 J5 H5 J5 H5 J5 H7 J6 [J5=s+2:5]

[edge-attached-hane-cut-top-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [C8=h0:5]

[edge-attached-hane-cut-top-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 C8 F8 E8 C8 C7 D9 B8 C9 [D9=h0:5]

[edge-attached-hane-cut-bottom-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O O X . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E2 E1 C2 F2 E2 C2 C3 D1 B2 C1 [C2=h0:5]

[edge-attached-hane-cut-bottom-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O O X . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E2 E1 C2 F2 E2 C2 C3 D1 B2 C1 [D1=h0:5]

[edge-attached-hane-cut-top-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position mirrored, so the peep is on the other side)
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 G8 D8 E8 G8 G7 F9 H8 G9 [G8=h0:5]

[edge-attached-hane-cut-top-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position mirrored, so the peep is on the other side)
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E8 E9 G8 D8 E8 G8 G7 F9 H8 G9 [F9=h0:5]

[edge-attached-hane-cut-bottom-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X O O .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E2 E1 G2 D2 E2 G2 G3 F1 H2 G1 [G2=h0:5]

[edge-attached-hane-cut-bottom-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X O O .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri E2 E1 G2 D2 E2 G2 G3 F1 H2 G1 [F1=h0:5]

[edge-attached-hane-cut-left-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . O O X X . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri B5 A5 B7 B4 B5 B7 C7 A6 B8 A7 [B7=h0:5]

[edge-attached-hane-cut-left-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . O O X X . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri B5 A5 B7 B4 B5 B7 C7 A6 B8 A7 [A6=h0:5]

[edge-attached-hane-cut-left-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . O O X X . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri B5 A5 B3 B6 B5 B3 C3 A4 B2 A3 [B3=h0:5]

[edge-attached-hane-cut-left-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . O O X X . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri B5 A5 B3 B6 B5 B3 C3 A4 B2 A3 [A4=h0:5]

[edge-attached-hane-cut-right-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . O . . .
  . . . . X X O O .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri H5 J5 H7 H4 H5 H7 G7 J6 H8 J7 [H7=h0:5]

[edge-attached-hane-cut-right-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . O . . .
  . . . . X X O O .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri H5 J5 H7 H4 H5 H7 G7 J6 H8 J7 [J6=h0:5]

[edge-attached-hane-cut-right-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X X .
  . . . . X X O O .
  . . . . . O . . .
  . . . . . O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri H5 J5 H3 H6 H5 H3 G3 J4 H2 J3 [H3=h0:5]

[edge-attached-hane-cut-right-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The strip as built from K2, from Black's relation E8 to the edge (h0).
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X X .
  . . . . X X O O .
  . . . . . O . . .
  . . . . . O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri H5 J5 H3 H6 H5 H3 G3 J4 H2 J3 [J4=h0:5]

[edge-attached-hane-cut-reversed-top-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed D8 D9 F8 C8 D8 D8 C8 C7 D9 B8 C9 [C8=h1:5]

[edge-attached-hane-cut-reversed-top-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . O O X . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed D8 D9 F8 C8 D8 D8 C8 C7 D9 B8 C9 [D9=h1:5]

[edge-attached-hane-cut-reversed-bottom-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O O X . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed D2 D1 F2 C2 D2 D2 C2 C3 D1 B2 C1 [C2=h1:5]

[edge-attached-hane-cut-reversed-bottom-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . O O X . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed D2 D1 F2 C2 D2 D2 C2 C3 D1 B2 C1 [D1=h1:5]

[edge-attached-hane-cut-reversed-top-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position mirrored, so the peep is on the other side)
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed F8 F9 D8 G8 F8 F8 G8 G7 F9 H8 G9 [G8=h1:5]

[edge-attached-hane-cut-reversed-top-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position mirrored, so the peep is on the other side)
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . X O O .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed F8 F9 D8 G8 F8 F8 G8 G7 F9 H8 G9 [F9=h1:5]

[edge-attached-hane-cut-reversed-bottom-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X O O .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed F2 F1 D2 G2 F2 F2 G2 G3 F1 H2 G1 [G2=h1:5]

[edge-attached-hane-cut-reversed-bottom-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . X O O .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed F2 F1 D2 G2 F2 F2 G2 G3 F1 H2 G1 [F1=h1:5]

[edge-attached-hane-cut-reversed-left-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . O O X X . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed B6 A6 B4 B7 B6 B6 B7 C7 A6 B8 A7 [B7=h1:5]

[edge-attached-hane-cut-reversed-left-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . O . . . . .
  . . . O . . . . .
  . O O X X . . . .
  . X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed B6 A6 B4 B7 B6 B6 B7 C7 A6 B8 A7 [A6=h1:5]

[edge-attached-hane-cut-reversed-left-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . O O X X . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed B4 A4 B6 B3 B4 B4 B3 C3 A4 B2 A3 [B3=h1:5]

[edge-attached-hane-cut-reversed-left-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . X X . . . . . .
  . O O X X . . . .
  . . . O . . . . .
  . . . O . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed B4 A4 B6 B3 B4 B4 B3 C3 A4 B2 A3 [A4=h1:5]

[edge-attached-hane-cut-reversed-right-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . O . . .
  . . . . X X O O .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed H6 J6 H4 H7 H6 H6 H7 G7 J6 H8 J7 [H7=h1:5]

[edge-attached-hane-cut-reversed-right-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . O . . .
  . . . . . O . . .
  . . . . X X O O .
  . . . . . . X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed H6 J6 H4 H7 H6 H6 H7 G7 J6 H8 J7 [J6=h1:5]

[edge-attached-hane-cut-reversed-right-mirror-black]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X X .
  . . . . X X O O .
  . . . . . O . . .
  . . . . . O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed H4 J4 H6 H3 H4 H4 H3 G3 J4 H2 J3 [H3=h1:5]

[edge-attached-hane-cut-reversed-right-mirror-white]
# Black E8 on the second line jumps to the top edge; White D8 (K) stands
# beside it with White D7 above.  The strip along the edge runs C8 (K2), D8,
# E8, F8 (third line C7 D7 E7 F7, first line C9 D9 E9 F9).  White D7 above
# K sends Black's hane at C8 to the cutting variant: C7 is a cutting point
# for Black (White D7 and C6 meet only diagonally), White's D8-D7 chain has
# exactly three liberties (C8, C7, D9), and after Black C8, White D9, Black
# C7 Black's pair has three liberties, so no ladder stops it.  The value h:
# Black C8, White C7, Black D9, White B8 (beyond C8; it keeps two
# liberties), Black C9, for Black.  Black plays the hane C8; White answers
# at D9 (C7 captures nothing).
# The same strip reached reversed, from White's relation D8 to the edge
# (K = E8, the strip built from F8 to C8 and turned round); the line is
# White's opponent's (h1).
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . X X .
  . . . . X X O O .
  . . . . . O . . .
  . . . . . O . . .
  . . . . . . . . .
call IkkenEdgeTukeHaneKiri:reversed H4 J4 H6 H3 H4 H4 H3 G3 J4 H2 J3 [J4=h1:5]

[edge-attached-pair-two-forcing-lines-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
black to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [D9=s+s/2+s/3:5]

[edge-attached-pair-two-forcing-lines-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
white to play
  . . . . . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 C8 E8 E9 F9 D9 F8 [E9=s+s/2+s/3:5]

[edge-attached-pair-two-forcing-lines-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 C2 E2 E1 F1 D1 F2 [D1=s+s/2+s/3:5]

[edge-attached-pair-two-forcing-lines-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 C2 E2 E1 F1 D1 F2 [E1=s+s/2+s/3:5]

[edge-attached-pair-two-forcing-lines-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B7 B5 A5 A4 A6 B4 [A6=s+s/2+s/3:5]

[edge-attached-pair-two-forcing-lines-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B7 B5 A5 A4 A6 B4 [A5=s+s/2+s/3:5]

[edge-attached-pair-two-forcing-lines-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H7 H5 J5 J4 J6 H4 [J6=s+s/2+s/3:5]

[edge-attached-pair-two-forcing-lines-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White's C9 is caught by a ladder on the first line (Black C8 first): White
# escapes at C8, the line's end for o (D9, C9, E9, C8).  Black's F9 is caught
# likewise (White F8 first): Black escapes at F8, the end for p (E9, F9, D9,
# F8).  Both sides have a forcing line: s + s/2 + s/3 for either engine (below
# the cap of 25).
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H7 H5 J5 J4 J6 H4 [J5=s+s/2+s/3:5]

[edge-attached-pair-one-forcing-line-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
black to play
  . . . . . . . . .
  . O . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [D9=s+s/2:5]

[edge-attached-pair-one-forcing-line-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
white to play
  . . . . . . . . .
  . O . O X . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 F8 [E9=s+s/2:5]

[edge-attached-pair-one-forcing-line-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . O . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 F2 [D1=s+s/2:5]

[edge-attached-pair-one-forcing-line-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . O . O X . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 F2 [E1=s+s/2:5]

[edge-attached-pair-one-forcing-line-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 B4 [A6=s+s/2:5]

[edge-attached-pair-one-forcing-line-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 B4 [A5=s+s/2:5]

[edge-attached-pair-one-forcing-line-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . O .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 H4 [J6=s+s/2:5]

[edge-attached-pair-one-forcing-line-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 lets White's C9 escape: no ladder there, so Black's line ends at
# E9 (o: D9, C9, E9).  Black's F9 is still caught (p: E9, F9, D9, F8): one
# forcing line, White's, so s + s/2 for either engine.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . O .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 H4 [J5=s+s/2:5]

[edge-attached-pair-no-forcing-line-top-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
black to play
  . . . . . . . . .
  . O . O X . X . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 [D9=s:5]

[edge-attached-pair-no-forcing-line-top-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
white to play
  . . . . . . . . .
  . O . O X . X . .
  . . . O X . . . .
  . . . O X . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 E8 D9 C9 E9 E8 E9 F9 D9 [E9=s:5]

[edge-attached-pair-no-forcing-line-bottom-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . O . O X . X . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 [D1=s:5]

[edge-attached-pair-no-forcing-line-bottom-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . X . . .
  . . O . . X . . .
  . . . O X . . . .
  . . . O X . . . .
  . O . O X . X . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 E2 D1 C1 E1 E2 E1 F1 D1 [E1=s:5]

[edge-attached-pair-no-forcing-line-left-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 [A6=s:5]

[edge-attached-pair-no-forcing-line-left-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . O . . . . . . .
  . . . . O O . . .
  . O O O . . . . .
  . X X X . . . . .
  . . . . X X . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 B5 A6 A7 A5 B5 A5 A4 A6 [A5=s:5]

[edge-attached-pair-no-forcing-line-right-black]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . O .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . .
  . . . . . . . X .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 [J6=s:5]

[edge-attached-pair-no-forcing-line-right-white]
# Black's second-line stone E8 jumps to the top edge; White D8 (K) stands
# beside it on the smaller side, both stones in living walls (D8-D6 with C5
# C4, E8-E6 with F5 F4).  N = D9 under K, S = F9 beyond the gap E9, NN = C9,
# K2 = C8.  Black's line: Black D9 (White's E9 then would be self-atari, so no
# ladder), White C9 under it, Black connects at E9 (no ladder on the
# connection): the line D9, C9, E9.  White's line: White E9 (Black's atari at
# D9 would be self-atari, so no ladder), Black blocks at F9, White D9: the
# line E9, F9, D9.  Each side's candidate is its line's first point: Black
# D9, White E9.  s = o + p, o Black's evaluation at the end of Black's line,
# p White's at the end of White's.
# White B8 and Black G8: neither first-line block is caught (o: D9, C9, E9;
# p: E9, F9, D9), so no forcing line: s.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . O .
  . . . O O . . . .
  . . . . . O O O .
  . . . . . X X X .
  . . . X X . . . .
  . . . . . . . X .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 H5 J6 J7 J5 H5 J5 J4 J6 [J5=s:5]

[edge-attached-pair-larger-side-top-black]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
black to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . X . . O . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[edge-attached-pair-larger-side-top-white]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
white to play
  . . . . . . . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . X . . O . .
  . . . X . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E8 E9 [none]

[edge-attached-pair-larger-side-bottom-black]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . O . .
  . . . X . . O . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 [none]

[edge-attached-pair-larger-side-bottom-white]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . O . .
  . . . X . . O . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . X O . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi E2 E1 [none]

[edge-attached-pair-larger-side-left-black]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . X X X . . . . .
  . O O O . . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 [none]

[edge-attached-pair-larger-side-left-white]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X X . . .
  . X X X . . . . .
  . O O O . . . . .
  . . . . O O . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi B5 A5 [none]

[edge-attached-pair-larger-side-right-black]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . . X X X .
  . . . . . O O O .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 [none]

[edge-attached-pair-larger-side-right-white]
# The two walls the other way round: White F8 (K) beside Black E8 on the
# larger side.  Only the relation of the stone with the larger coordinate
# reads the pair, so Black's E8 reads nothing.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . . X X X .
  . . . . . O O O .
  . . . O O . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeTukeYomi H5 J5 [none]

[edge-two-space-peep-outside-stone-top-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
black to play
  . . . . . . . X .
  . . O O . . . . .
  . O . . X . O . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 [none]

[edge-two-space-peep-outside-stone-top-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
white to play
  . . . . . . . X .
  . . O O . . . . .
  . O . . X . O . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 [none]

[edge-two-space-peep-outside-stone-bottom-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . X . X . .
  . O . . X . O . .
  . . O O . . . . .
  . . . . . . . X .
call Kankei6EdgeNozoki E3 E2 [none]

[edge-two-space-peep-outside-stone-bottom-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . X . X . .
  . O . . X . O . .
  . . O O . . . . .
  . . . . . . . X .
call Kankei6EdgeNozoki E3 E2 [none]

[edge-two-space-peep-outside-stone-top-mirror-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position mirrored, so the peep is on the other side)
black to play
  . X . . . . . . .
  . . . . . O O . .
  . . O . X . . O .
  . . X . X . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 [none]

[edge-two-space-peep-outside-stone-top-mirror-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position mirrored, so the peep is on the other side)
white to play
  . X . . . . . . .
  . . . . . O O . .
  . . O . X . . O .
  . . X . X . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 [none]

[edge-two-space-peep-outside-stone-bottom-mirror-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . X . O . .
  . . O . X . . O .
  . . . . . O O . .
  . X . . . . . . .
call Kankei6EdgeNozoki E3 E2 [none]

[edge-two-space-peep-outside-stone-bottom-mirror-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X . X . O . .
  . . O . X . . O .
  . . . . . O O . .
  . X . . . . . . .
call Kankei6EdgeNozoki E3 E2 [none]

[edge-two-space-peep-outside-stone-left-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . O . . . . . .
  . O . O . . . . .
  . O . . . . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . O X . . . . .
  X . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 [none]

[edge-two-space-peep-outside-stone-left-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . O . . . . . .
  . O . O . . . . .
  . O . . . . . . .
  . . X X X . . . .
  . . . . . . . . .
  . . O X . . . . .
  X . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 [none]

[edge-two-space-peep-outside-stone-left-mirror-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  X . . . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 [none]

[edge-two-space-peep-outside-stone-left-mirror-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  X . . . . . . . .
  . . O X . . . . .
  . . . . . . . . .
  . . X X X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 [none]

[edge-two-space-peep-outside-stone-right-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . X O . .
  . . . . . . . . X
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 [none]

[edge-two-space-peep-outside-stone-right-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X X X . .
  . . . . . . . . .
  . . . . . X O . .
  . . . . . . . . X
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 [none]

[edge-two-space-peep-outside-stone-right-mirror-black]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . X
  . . . . . X O . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . . . O .
  . . . . . O . O .
  . . . . . . O . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 [none]

[edge-two-space-peep-outside-stone-right-mirror-white]
# Black E7 on the third line with its group E6 E5 jumps to the edge; White's
# chain D8-C8 peeps beside the near gap E8.  White G7 stands two lines out
# beside Black's stone on the free side (F7 between is empty), and G8 two
# lines out beside the near gap is not Black's: the peep is not answered.
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . X
  . . . . . X O . .
  . . . . . . . . .
  . . . . X X X . .
  . . . . . . . O .
  . . . . . O . O .
  . . . . . . O . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 [none]

[edge-two-space-peep-outside-stone-held-top-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
black to play
  . . . . . . . . .
  . . O O . . X X .
  . O . . X . O . .
  . . O . X X X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+4-6:5]

[edge-two-space-peep-outside-stone-held-top-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
white to play
  . . . . . . . . .
  . . O O . . X X .
  . O . . X . O . .
  . . O . X X X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s-6:5]

[edge-two-space-peep-outside-stone-held-bottom-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the bottom edge)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . X X X . .
  . O . . X . O . .
  . . O O . . X X .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [E2=s+4-6:5]

[edge-two-space-peep-outside-stone-held-bottom-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the bottom edge)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . X X X . .
  . O . . X . O . .
  . . O O . . X X .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 F2 E2 E1 [F2=s-6:5]

[edge-two-space-peep-outside-stone-held-top-mirror-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position mirrored, so the peep is on the other side)
black to play
  . . . . . . . . .
  . X X . . O O . .
  . . O . X . . O .
  . . X X X . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [E8=s+4-6:5]

[edge-two-space-peep-outside-stone-held-top-mirror-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position mirrored, so the peep is on the other side)
white to play
  . . . . . . . . .
  . X X . . O O . .
  . . O . X . . O .
  . . X X X . O . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 D8 E8 E9 [D8=s-6:5]

[edge-two-space-peep-outside-stone-held-bottom-mirror-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the bottom edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X X X . O . .
  . . O . X . . O .
  . X X . . O O . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [E2=s+4-6:5]

[edge-two-space-peep-outside-stone-held-bottom-mirror-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the bottom edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . X X X . O . .
  . . O . X . . O .
  . X X . . O O . .
  . . . . . . . . .
call Kankei6EdgeNozoki E3 E2 E3 E2 E3 D2 E2 E1 [D2=s-6:5]

[edge-two-space-peep-outside-stone-held-left-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the left edge)
black to play
  . . . . . . . . .
  . . O . . . . . .
  . O . O . . . . .
  . O . . . . . . .
  . . X X X . . . .
  . . . X . . . . .
  . X O X . . . . .
  . X . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B5=s+4-6:5]

[edge-two-space-peep-outside-stone-held-left-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the left edge)
white to play
  . . . . . . . . .
  . . O . . . . . .
  . O . O . . . . .
  . O . . . . . . .
  . . X X X . . . .
  . . . X . . . . .
  . X O X . . . . .
  . X . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B4 B5 A5 [B4=s-6:5]

[edge-two-space-peep-outside-stone-held-left-mirror-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the left edge and mirrored)
black to play
  . . . . . . . . .
  . X . . . . . . .
  . X O X . . . . .
  . . . X . . . . .
  . . X X X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B5=s+4-6:5]

[edge-two-space-peep-outside-stone-held-left-mirror-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the left edge and mirrored)
white to play
  . . . . . . . . .
  . X . . . . . . .
  . X O X . . . . .
  . . . X . . . . .
  . . X X X . . . .
  . O . . . . . . .
  . O . O . . . . .
  . . O . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki C5 B5 C5 B5 C5 B6 B5 A5 [B6=s-6:5]

[edge-two-space-peep-outside-stone-held-right-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the right edge)
black to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X X X . .
  . . . . . X . . .
  . . . . . X O X .
  . . . . . . . X .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H5=s+4-6:5]

[edge-two-space-peep-outside-stone-held-right-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the right edge)
white to play
  . . . . . . . . .
  . . . . . . O . .
  . . . . . O . O .
  . . . . . . . O .
  . . . . X X X . .
  . . . . . X . . .
  . . . . . X O X .
  . . . . . . . X .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H4 H5 J5 [H4=s-6:5]

[edge-two-space-peep-outside-stone-held-right-mirror-black]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the right edge and mirrored)
black to play
  . . . . . . . . .
  . . . . . . . X .
  . . . . . X O X .
  . . . . . X . . .
  . . . . X X X . .
  . . . . . . . O .
  . . . . . O . O .
  . . . . . . O . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H5=s+4-6:5]

[edge-two-space-peep-outside-stone-held-right-mirror-white]
# Black E7 with its group (E6 E5 F6 G6) jumps to the edge; White's chain
# D8-C8 peeps beside the near gap E8.  White G7 two lines out beside Black's
# stone is met by Black G8 two lines out beside the gap, so the direct
# reading goes on: o Black's connection E8, p White's cut F8, Black E8, White
# E9.  Black's group has more than two stones (no division); the cut would
# cost Black much, so the sum is over 26 and loses 6, after Black's 4.
# (the position on the right edge and mirrored)
white to play
  . . . . . . . . .
  . . . . . . . X .
  . . . . . X O X .
  . . . . . X . . .
  . . . . X X X . .
  . . . . . . . O .
  . . . . . O . O .
  . . . . . . O . .
  . . . . . . . . .
call Kankei6EdgeNozoki G5 H5 G5 H5 G5 H6 H5 J5 [H6=s-6:5]

[edge-two-space-peep-negative-part-one-stone-white]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading; G9 beside the far gap has White's H9 beside it and is not read).
# Black's line: the connection E8 (a).  White's line: the cut F8, Black E8,
# White E9 (b); s = a + b.
# White E6 under the stone: Black's group is still the lone stone (v = s/2),
# and White's part b is negative here, so v is divided by 3 as well:
# s/2/3.  White (the opponent) adds nothing more; White cuts at F8.
white to play
  . . . . . . . O .
  . . O O . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s/2/3:5]

[edge-two-space-peep-negative-part-one-stone-black]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading; G9 beside the far gap has White's H9 beside it and is not read).
# Black's line: the connection E8 (a).  White's line: the cut F8, Black E8,
# White E9 (b); s = a + b.
# The same with Black to move: v = s/2/3 with a negative part, below 8, so
# Black's 4 are not added.  Black connects at E8.
black to play
  . . . . . . . O .
  . . O O . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s/2/3:5]

[edge-two-space-peep-negative-part-two-stones]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading; G9 beside the far gap has White's H9 beside it and is not read).
# Black's line: the connection E8 (a).  White's line: the cut F8, Black E8,
# White E9 (b); s = a + b.
# Black G7 makes Black's group the two stones E7 and G7 (one-space jump):
# v = 2s/3, and White's part b is negative: divided by 3, 2s/3/3.
white to play
  . . . . . . . O .
  . . O O . . . . .
  . . . . X . X . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=2s/3/3:5]

[edge-two-space-peep-negative-part-three-stones]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading; G9 beside the far gap has White's H9 beside it and is not read).
# Black's line: the connection E8 (a).  White's line: the cut F8, Black E8,
# White E9 (b); s = a + b.
# Black D6 (diagonal) and G8 (knight's move) make Black's group three
# stones: no reduction for the group's size, but White's part b is negative:
# s/3.
white to play
  . . . . . . . O .
  . . O O . . X . .
  . . . . X . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s/3:5]

[edge-two-space-peep-held-at-25]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading; G9 beside the far gap has White's H9 beside it and is not read).
# Black's line: the connection E8 (a).  White's line: the cut F8, Black E8,
# White E9 (b); s = a + b.
# Black D5 (knight's move) makes Black's group two stones: v = 2s/3, both
# parts positive.  Here 2s/3 is 26: a value of 25 or 26 is held at 25 (only
# a larger one loses 6).
white to play
  . . . . . . . O .
  . . O O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=cap25(2s/3):5]

[edge-two-space-peep-exactly-25]
# Black E7 on the third line jumps to the edge; White's two-stone chain
# D8-C8 peeps beside the near gap E8 (the free neighbour F8 has its four
# neighbours empty, White's chain more than two liberties: the direct
# reading; G9 beside the far gap has White's H9 beside it and is not read).
# Black's line: the connection E8 (a).  White's line: the cut F8, Black E8,
# White E9 (b); s = a + b.
# White A9 and Black J9 far off: Black's group is the lone stone, both
# parts positive, and s/2 is exactly 25: it stays 25 (neither held nor
# reduced by 6).
white to play
  O . . . . . . O X
  . . O O . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=s/2:5]

[edge-peep-sum-two-raised-to-four]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap, White's pair C9-D9 is dead under Black's
# wall.  Black's part o: Black E9, then White B9; White's part p: White E9.
# S = F9 across the gap, T = F8 above it, U = G8 (two from E8 beyond T).
# With White's J7 and Black's F4 farther off the sum s = o + p is exactly 2:
# below 6 (no 2 added), and U = G8 is empty with exactly three empty
# neighbours (F8, H8, G7; White's G9 is the fourth): the value becomes 4.
# White pushes at E9.
white to play
  . . O O . . O . .
  . X X X X . . . .
  X . X . X . . . O
  X X X X X . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 B9 E8 E9 [E9=4(s=2):5]

[edge-peep-sum-two-with-u-taken]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap, White's pair C9-D9 is dead under Black's
# wall.  Black's part o: Black E9, then White B9; White's part p: White E9.
# S = F9 across the gap, T = F8 above it, U = G8 (two from E8 beyond T).
# With White's G8 (on U) and D4 the sum s is 2 again, but U holds a stone:
# the value stays s.
white to play
  . . O O . . O . .
  . X X X X . O . .
  X . X . X . . . .
  X X X X X . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 B9 E8 E9 [E9=s:5]

[edge-peep-large-owner-part-small-push-black]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap; White's chain A9-D9 belongs to White's
# living group.  Black's part o: Black E9.  White's part p: White E9; Black's
# block at F9 is caught on the first line, so Black answers at G8 and White
# plays F9.  With Black's F6 and White's H5 added, Black's connection is
# worth 25 or more while White's push loses (p is 2 or less): the sum is
# divided by 3, s/3, and gets no 2.
black to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . .
  O O O . . . X O .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s/3:5]

[edge-peep-large-owner-part-small-push-white]
# Black's second-line stone E8 jumps to the top edge over the gap E9;
# White D9 peeps beside the gap; White's chain A9-D9 belongs to White's
# living group.  Black's part o: Black E9.  White's part p: White E9; Black's
# block at F9 is caught on the first line, so Black answers at G8 and White
# plays F9.  With Black's F6 and White's H5 added, Black's connection is
# worth 25 or more while White's push loses (p is 2 or less): the sum is
# divided by 3, s/3, and gets no 2.
white to play
  O O O O . . . . .
  O X X X X . . . .
  O X . X X . . . .
  O X X X . X . . .
  O O O . . . X O .
  . . . . . . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenEdgeNozoki E8 E9 E8 E9 E8 E9 G8 F9 [E9=s/3:5]

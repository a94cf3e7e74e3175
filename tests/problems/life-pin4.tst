# Life and death rows where the candidate's bonus or one direction of the
# scan round an eye point decides the answer: the settling, killing and
# urgent eye passes on small corners.
#   call NAME:bonus V   one pattern pass (NAME) on the group at V, under
#       the reason its callers give it: each candidate as "P=K+d/b:r", its
#       value counted from the group's value K (its Kati), its bonus b and
#       its reason r.  The pattern passes add their points with no bonus:
#       every candidate reads "/0".
#   call SikatuUrgentSteal V   (generators.tst) the urgent eye-stealing
#       pass on the group at V: each candidate as "P=K+d:r"

# --- The bonus of the pattern candidates --------------------------------------

[urgent-eye-bulky-five-no-bonus]
# Black's bulky five A9-B9-C9-A8-B8 in the corner: B9, the only point of the
# space on lines 1 or 2 from both edges with three empty neighbours (A9, C9,
# B8), splits the space into two eyes (A8-A9 and C9).  The urgent eye pass
# proposes B9 at the group's value less 4, with no bonus.
black to play
  . . . X O . . . .
  . . X X O . . . .
  X X X O O . . . .
  O O O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuUrgentMe:bonus D9 [B9=K-4/0:9]

[kill-border-point-no-bonus]
# White's top edge group A8-B8, D8-E8-E9 round the space A9-D9, its mouth C8
# beside Black's C7.  C9 is a border point with three empty neighbours (B9,
# D9, C8); C8 has one empty neighbour (C9) and one Black neighbour (C7).
# Black C9 answered by White C8 leaves White short of two eyes (the eye
# A9-B9 and D9 beside Black's stone).  The group is the opponent's: Black's
# own move C9 at the group's value, with no bonus.
black to play
  . . . . O X . . .
  O O . O O X . . .
  X X X X X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KillBorderPoint:bonus A8 [C9=K/0:9]

[eye-shape-false-point-no-bonus]
# White's top edge group with the one-point eyes A9 and C9 and the space
# E9-F9 beside Black's D8 (eye value 5).  Black's E9 takes White's lone D9
# into atari, its last liberty being C9, so C9 turns false and the group is
# dead; Black's F9 instead is captured at E9.  E9 alone is proposed at the
# group's value, with no bonus.
black to play
  . O . O . . O X .
  O O O X O O O X .
  X X X X X X X X .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SikatuMeShape:bonus B9 [E9=K/0:9]

[wide-extension-no-bonus]
# Black's A3-B3-C3 under White's wall A4-D4: the two-space extension F3 is
# out (D4 beside the first gap point), the large knight's move F4 too (D4 on
# the first two points between); F2 stands (line 2, D3 and D2 empty, its
# eight surrounding points empty) and Black there holds A1-E2 with two eyes:
# F2 at the group's value plus one under reason 32, with no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O . . . . .
  X X X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call SettleWideHiraki:bonus A3 [F2=K+1/0:32]

[lone-stone-in-atari-no-bonus]
# Black's A3-D3-D2 with the lone A1 held in atari by White's B1 (eye value
# 3): A1's liberty A2 has the one empty neighbour B2, no White neighbour,
# and White at B2 would not be in atari.  Black's B2 gives two eyes (A2 and
# the point of B1-C1 once B1 is taken): the engine's own group, so B2 at the
# group's value, with no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O . . . .
  X X X X O . . . .
  . . . X O . . . .
  X O . . O . . . .
call SettleAtariIsi:bonus A3 [B2=K/0:9]

[jump-that-peeps-no-bonus]
# White's G1-G2-G3-H3-J3 round the square H1-J2; E3, White's one-space jump
# from G3 (F2-F3-F4 empty, four empty neighbours), peeps at the gap D3 of
# Black's D4-D2.  White E3 and D3 take the lower left as eye space; when
# Black connects at D3, White E2 closes E1-F2: two eyes.  E3 at the group's
# value, with no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X X X X X X
  . . . X . . . . .
  . . . . . . O O O
  . . . X . . O . .
  . . . . . . O . .
call SettleIkkenNozoki:bonus G3 [E3=K/0:9]

[liberty-ataris-the-intruder-no-bonus]
# White's A3-D3-D2-D1 round the corner with Black's C2 inside (liberties B2
# and C1).  White C1 ataris C2 and the capture at B2 gives White the corner;
# Black's escape at B2 leaves B2-C2 two liberties, A2 and B1, and White's
# A2 ataris it again with a chain of two liberties, back to eye value 3.  C1
# at the group's value, with no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X . . . .
  O O O O X . . . .
  . . X O X . . . .
  . . . O X . . . .
call SettleAtariDame:bonus D3 [C1=K/0:9]

[diagonal-ataris-the-intruder-no-bonus]
# White's A2-A3-D3-D2 round Black's C2 (liberties B2 and C1).  C1, diagonal
# to D2, ataris C2; White C1 and the capture at B2 give two eyes; Black's
# connection at B2 brings White back to 3, and White's B1 then captures
# B2-C2: two eyes.  C1 at the group's value, with no bonus (the opponent's
# group: no prepared answers).
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
call SettleNanameAnswer:bonus D3 [C1=K/0:9]

[ladder-on-the-corner-intruder-no-bonus]
# White's A3-E3-E2-E1 round A1-D2 with Black's A1 and C1 inside.  The ladder
# on A1 starts with White's B1, a self-atari (its only liberty B2); Black
# B2 takes it, White A2, and the group at A2 has two eyes: the ladder's first
# move B1 at the group's value, with no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X X X . . .
  O O O O O X . . .
  . . . . O X . . .
  X . X . O X . . .
call SettleSichoInJi:bonus D3 [B1=K/0:9]

[extension-to-a-cut-off-stone-no-bonus]
# White's corner A3-C3-C2-C1 with its cut-off stone E3 beyond Black's D3 and
# D4.  E2, the knight's move from C1, has three empty neighbours and one
# White stone beside it, two near relations to White (C1, E3) and one to
# Black (D3); White E2 joins the corner to E3 and the open side: two eyes.
# E2 at the group's value under reason 32, with no bonus.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  X X X X . . . . .
  O O O X O . . . .
  . . O . . . . . .
  . . O . . . . . .
call SettleHiraki:bonus C2 [E2=K/0:32]

# --- The eye-stealing peep on the left of the eye point -------------------------

[urgent-steal-peep-left-of-the-gap]
# White's 13 stones on the two lines along the right edge beside Black's
# wall on column G: J3 is a one-point eye (its neighbours J2, J4, H3 all
# White), the gaps J5 of the jump J4-J6 and J8 of J7-J9 are one-point
# regions worth half an eye each (their only empty neighbour, H5 and H8,
# touches White stones): eye value 2 + 1 + 1 = 4.  Black's peep beside the
# gap J5 is H5, on its left (the other side is off the board).  Black H5
# then J5 cuts J1-H4 off with the single eye J3 and J6-H9 with the half
# eye J8: dead, so H5 is proposed at the group's value, reason 33.  Black
# H8 then J8 captures only J9-H9 and the rest keeps J3 and J5: nothing.
black to play
  . . . . . . X O O
  . . . . . . X . .
  . . . . . . X O O
  . . . . . . X O O
  . . . . . . X . .
  . . . . . . X O O
  . . . . . . X O .
  . . . . . . X O O
  . . . . . . X O O
call SikatuUrgentSteal H1 [H5=K:33]
call SikatuUrgentSteal:bonus H1 [H5=K/0:33]

# --- The bonus of the two-liberty chain kill ------------------------------------
#   call KillNiDameRen:bonus V   the two-liberty chain pass on the group
#       at V: each candidate as "P/b:r" (its value is an evaluation and is
#       not shown)

[kill-two-liberty-chain-no-bonus]
# Black's C3-D3-E3-C2-E2 inside White's wall (B1-B4, row 4, F2-F4) has two
# liberties, C1 and E1, no ladder catches it, and it holds White's D2 in
# atari at D1.  White's atari at C1 or at E1 is no self-atari; Black's
# answer to either is the capture at D1, and the group, one eye at most,
# stays below eye value 4: both are candidates under reason 9 with their
# evaluations as values and no bonus.
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
call KillNiDameRen:bonus C3 [C1/0:9 E1/0:9]

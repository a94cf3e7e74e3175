# Generator rows that reach branches no other row reaches: the first of a
# two-liberty chain's liberties in the kill pass, the small invasion between
# two opponent stones, and the eye-value bar of the endgame's false-eye
# fallback.

# --- The two-liberty chain pass: the first liberty -----------------------------
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

# --- The invasion between two opponent stones four apart ----------------------
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

# --- The life-and-death filters -----------------------------------------------
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

# Weak groups: which groups the weak-group generator takes up, the best
# extension it hands back when the best value is small, and the relation
# moves' values at the least a pattern keeps.  The answers are worked out by
# hand from the routines' rules; what the analysis and the evaluation give
# (eye values, death levels, whether a group is weak, readings) is stated as
# a premise.
#
#   call WeakGunThink:target V   (WeakPin9Routines.cpp) whether the
#       weak-group generator takes up the group at V: "yes" or "no"
#   call GunMe V   (as in keima-pin4.tst) the premise: the eye value of the
#       group at V
#   call GunDeathLevel V   (as in sikatu-pin6.tst) the premise: the death
#       level of the group at V, "weak" when it counts as weak, then its
#       breathing points
#   call WeakGunHirogeru:read V P   (WeakPin9Routines.cpp) the premise of an
#       extension of the group at V to P: "dl=D v=R", D the death level of
#       the group at P after the group's colour plays P, R the extension's
#       value (that colour's evaluation after its play, lowered by the
#       approach reading, plus the other colour's after its play at P,
#       lowered the same way for a one-space jump)
#   call WeakGunHirogeru:best V   (as in relation-weak-pin8.tst) the best
#       extension of the group at V ("none"), then the premise: the extension points
#       sharing the largest candidate value ("max:P,Q")
#   call Readings:sum A P B Q   (WeakPin9Routines.cpp) the premise: A's
#       colour's evaluation after its move at P plus B's colour's after its
#       move at Q
#   call Pairs:kinds   (WeakPin9Routines.cpp) the premise: the kinds of the
#       pending point pairs in list order
#   call PairAnswer:links-reasons P...   (WeakPin9Routines.cpp) links of the
#       side to move (reason 4) worth 2 at P..., then the pair answers over
#       the whole pending list: "P:r" with the reason r of the last candidate
#       at P ("P:4=2" when that is the link itself)
#   call WeakGunKankeiMoves:pin V W M F...   (as in wide-pin.tst) the
#       relation moves of the weak group at V, the candidate at M against the
#       formula F of readings r ("M=r:13"; a value equal to r/2, toward zero,
#       is written "M=r/2:13", ahead of "r+1")

# --- Eye value 4: weak by the group's own test ------------------------------------
# A group of eye value 4 or more is taken up when the group's own test calls
# it weak, whatever its death level; below 4 when its death level is above 0.

[target-eye-value-four-weak-at-death-level-zero]
# Black's lone E5 in the middle with White's D8 (one and three from it),
# Black to play.  Premises: E5's group has eye value 4 and death level 0 and
# counts as weak; White's D8 has eye value 4 and death level 0 and does not
# count as weak.  With eye value 4 the group's own test decides: E5 is taken
# up although its death level is 0, D8 is not.
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunMe E5 [4]
call GunDeathLevel E5 [level=0 weak C4 C5 C6 D3 D4 D6 E3 E7 F3 F6 F7 G4 G5 G6]
call GunMe D8 [4]
call GunDeathLevel D8 [level=0 B7 C6 C7 D6 E7 F7 F8]
call WeakGunThink:target E5 [yes]
call WeakGunThink:target D8 [no]

# --- The best extension: only a value above 0 counts ------------------------------
# The extension step hands back the extension point whose value (the group's
# colour's evaluation after its play there, lowered by the approach reading,
# plus the other colour's after its play there) is the largest above 0, none
# when no value is above 0.

[hirogeru-best-lone-extension-worth-one]
# White's H8 beside Black's G8, with Black's F6, Black to play: White's
# group is the opponent's, a lone stone (death level 97, premise).  The
# extension candidates are the one-space jump H6 alone (premise "max:");
# after White's H6 its group's death level is 70, at least 3 below 97, so
# the jump is read, and its value is 1 (premises).  1 is above 0: the best
# extension is H6.
black to play
  O . . . . . . . .
  . . . O . . X O .
  . . . . . . . . .
  . . . . . X . . .
  . . X . . . . . .
  . . . . . . X . .
  . . . . . . . . .
  . . . O . . . . O
  . . . . . . . . .
call GunDeathLevel H8 [level=97 weak H6]
call WeakGunHirogeru:read H8 H6 [dl=70 v=1]
call WeakGunHirogeru:best H8 [H6 max:H6]

[hirogeru-best-lone-extension-worth-zero]
# Black's B9-C9 on the top edge against White's D9, White to play: Black's
# group is the opponent's (death level 97, premise).  The extension
# candidates are the one-space jump B7 alone (premise "max:"); after Black's
# B7 its group's death level is 70, at least 3 below 97, and the jump's
# value is 0 (premises).  No value is above 0: there is no best extension.
white to play
  . X X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . O .
  . O . . . . . . .
  . O . . . . . . .
  . . O . . . O . .
  X . . . . . . . .
  . . . . . . . . O
call GunDeathLevel B9 [level=97 weak B7]
call WeakGunHirogeru:read B9 B7 [dl=70 v=0]
call WeakGunHirogeru:best B9 [none max:B7]

# --- The relation moves: a pair value below 0 is raised ------------------------------
[kankei-moves-diagonal-pair-worth-minus-one-kept-as-zero]
# White's B9 and D9 on the top edge, Black's B7 two and two from D9, Black to
# play (the other stones stand to the right and below, away from D7).  The relation patterns of White's group run
# in the pair mode with the least value 0: D9 and B7 stand in the (2,2)
# shape, one corner B9 holds White's stone, the other, D7, is empty with no
# stone around it.  The pair's value is White's evaluation after its move at
# D7 plus Black's after its move at D7: -1 (premise).  Below the least value
# 0 it is raised to 0, and Black's move of the pair, D7, is proposed at 0,
# which is r/2 toward zero for r = -1.
black to play
  . O . O . . . . .
  . . . . . . X . .
  . X . . . . . . .
  . . . . . X O . .
  . . X . . . . . X
  . . . . . . . . .
  X . . . . . . . .
  . . . . . . . . .
  . X . . . . . . .
call Readings:sum D9 D7 B7 D7 [-1]
call WeakGunKankeiMoves:pin D9 B7 D7 D9 D7 B7 D7 [D7=r/2:13]

# --- The pair answers: the double-move pass takes the last entry's reason ----------
[pair-answers-double-move-after-a-vital-point-entry]
# Black's C4 with White's D5 diagonal to it, Black to play.  The pending list
# holds two entries, a relation entry of kind 10 and last the vital
# point of a group of eye value 3 or 4 (kind 20) (premise).  The first goes
# to the relation dispatch (reason 5), the last, of kind 20 or more, to the
# capture dispatch, which sets reason 1 and answers nothing for kind 20.
# Black's links worth 2 at H8 and H2: Black's double move H8 and H2 is
# worth more than 25 (premise), the one pair, one hit each.  For links a
# single hit is enough, divided by 4, and both points are added under the
# reason the dispatch left: 1, the capture dispatch's.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Pairs:kinds [10 20]
call PairAnswer:links-reasons H8 H2 [H2:1 H8:1]

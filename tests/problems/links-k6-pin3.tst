# Two-space jumps to the edge and one-space wedges: rows that pin a bound
# of the direct reading of the peep at the edge and the zero value of the
# wedge read from outside.  "call NAME A B ..." as in links-twospace.tst.

[pin3-edge-peep-direct-cut-worth-one-black]
# Black E7 jumps to the top edge; White's chain D8-C8 peeps beside the near
# gap E8, the free neighbour F8 is open: the direct reading of White's cut.
# Black D9 sits on the edge beside White's chain and White F9 beyond the
# far gap.  Black's connection E8 (h0, 25); White's cut F8, Black E8, White
# E9 (h1) gains White just 1.  Black's group has more than two stones: no
# division; neither part is negative.  Black to play, v = 26 >= 8 and the
# cut's part 1 > 0: four more, 30; past 26 the value loses 6: 24 at E8.
black to play
  . . . X . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+4-6:5]

[pin3-edge-peep-direct-cut-worth-one-white]
# As pin3-edge-peep-direct-cut-worth-one-black, White to play: no four for
# the owner's side; 26 is held at 25, at White's cut F8.
white to play
  . . . X . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [F8=cap25(s):5]

[pin3-wedge-outside-even-black]
# Black's one-space jump C5-E5; White wedges at D5 with D6 above, White B4
# behind the corner C4.  Both exchanges end with one stone each on D4 and
# C4: Black D4/White C4 (h0) and Black C4/White D4 (h2); White's lines are
# the same positions seen from White (h1 = -h0, h3 = -h2).  The value is
# max(h0, h2) + max(h1, h3) = |h0 - h2|.  With White H8 far away the two
# exchanges are worth the same (h0 = h2): the value is 0 and nothing is
# added.
black to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 C5 C4 D4 C5 C4 D4 C5 D4 C4 [none]

[pin3-wedge-outside-even-white]
# As pin3-wedge-outside-even-black, White to play: value 0, nothing.
white to play
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 C5 C4 D4 C5 C4 D4 C5 D4 C4 [none]

[pin3-wedge-outside-corner-one-better-black]
# As pin3-wedge-outside-even-black without White H8 and with Black J2 instead:
# Black's corner exchange (C4 first, h2) is now 1 better than the block
# (h0), so Black's point is C4 and the value |h0 - h2| = h1 + h2 = 1.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . X O X . . . .
  . O . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
  . . . . . . . . .
call IkkenWariSoto C5 E5 D4 C4 C5 D3 C5 D4 C4 C5 C4 D4 C5 C4 D4 C5 D4 C4 [C4=h1+h2:5]

[pin3-edge-peep-direct-cut-worth-nothing-black]
# As pin3-edge-peep-direct-cut-worth-one-black with White H2 far below: now
# White's cut F8, Black E8, White E9 (h1) gains White nothing, while
# Black's connection E8 (h0) is still 25.  v = 25: at least 8, but the
# cut's part is not above 0, so no four; 25 is held at 25: E8, s.
black to play
  . . . X . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . O .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s:5]

[pin3-edge-peep-direct-connection-worth-nothing-black]
# The strong-group peep of links-edge.tst with White F9 and D9 on the top
# edge: Black's connection E8 (h0) is now worth 0 and White's cut F8,
# Black E8, White E9 (h1) 6.  Neither part is below 0, so no division by
# 3; v = 6 < 8, no four: E8, s.
black to play
  . . . O . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s:5]

[pin3-edge-peep-direct-cut-worth-one-bonus-black]
# pin3-edge-peep-direct-cut-worth-one-black: the direct reading passes no
# bonus; Black's candidate E8 carries 0.
black to play
  . . . X . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pin-bonus E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+4-6:5 E8+0]

[pin3-edge-peep-direct-cut-worth-one-bonus-white]
# As pin3-edge-peep-direct-cut-worth-one-white: White's F8 carries no bonus.
white to play
  . . . X . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:pin-bonus E7 E8 E7 E8 E7 F8 E8 E9 [F8=cap25(s):5 F8+0]

[pin3-edge-peep-direct-sum-eight-black]
# The strong-group peep of links-edge.tst with Black G8 and White J1 far
# below: Black's connection E8 (h0) 5 and White's cut F8, Black E8, White
# E9 (h1) 3.  v = 8, just at the bound 8, and the cut's part is above 0:
# four more, 12 at E8 (the frame names 12 as s + s/2).
black to play
  . . . . . . . X .
  . . O O . . X . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+s/2:5]

[pin3-edge-peep-direct-sum-twenty-four-black]
# The strong-group peep of links-edge.tst with White C9 on the edge:
# Black's connection E8 (h0) 3, White's cut F8, Black E8, White E9 (h1)
# 17.  v = 20 and four more, 24: just below 25, so no cap: E8, s + 4.
black to play
  . . O . . . . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+4:5]

[pin3-edge-peep-direct-sum-seven-black]
# pin3-edge-peep-direct-sum-eight-black with White J6 as well: Black's
# connection E8 (h0) 5, White's cut F8, Black E8, White E9 (h1) 2.  v = 7,
# one below the bound 8: no four, E8, s.
black to play
  . . . . . . . X .
  . . O O . . X . .
  . O . . X . . . .
  . . O . X . X . O
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . O
call Kankei6EdgeNozoki E7 E8 E7 E8 E7 F8 E8 E9 [E8=s:5]

[pin3-edge-peep-direct-prepared-white]
# pin3-edge-peep-direct-cut-worth-one-white: White's cut F8 (25) also leaves
# its prepared answer: when Black connects at E8, White turns at E9.
white to play
  . . . X . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:prep:pin3 E7 E8 E7 E8 E7 F8 E8 E9 [F8=cap25(s):5 F8/E8/E9]

[pin3-edge-peep-direct-prepared-black]
# As pin3-edge-peep-direct-prepared-white, Black to play: Black's E8 leaves
# no prepared answer.
black to play
  . . . X . O . X .
  . . O O . . . . .
  . O . . X . . . .
  . . O . X . X . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei6EdgeNozoki:prep:pin3 E7 E8 E7 E8 E7 F8 E8 E9 [E8=s+4-6:5]

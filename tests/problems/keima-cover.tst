# Knight's moves: rows for the branches of the contact, wedge and outside
# answers that no other table reaches, each worked out by hand from the
# shape.  Every pattern is also called with the pair named the other way
# round (B A), which reads the same stones through the mirrored cells.
#
# Commands (see the tables they come from): "KeimaTuke:read" and
# "KeimaRenraku:read A B M... A N..." (shapes-roles.tst: the attacker's
# readings M... split by B into alternatives of which the better counts,
# then after A the owner's); "KeimaTuke:at A B P ..." (shapes-roles.tst:
# the candidate at P, B splitting the attacker's readings into
# alternatives of which the worse counts); "KeimaSotoNaka:at" and
# "KeimaSotoTuke:at A B P T..." (shapes-hane.tst: a sum of terms, A
# starting the owner's, B the attacker's; a further stone of the owner's
# colour starts an alternative of which the larger counts, one of the
# attacker's colour one of which the smaller counts).  "KeimaTuke:nobi A B
# P F" (tests/engine/shapes/KeimaCoverRoutines.cpp) answers the candidates
# against the attacker's F alone plus the owner's P alone, the owner's
# counted twice when it loses.  The other commands of that file:
# "KeimaTukeUtu:value", "KeimaTuke:hane" and "KeimaRenraku:at".
#
# Contact frame (Black's D5-E7, White's contact stone T at E5 touching S =
# D5): M = D6 and N = E6 the middle points, F = D7 the other side point,
# Q = D8 beyond F, Z = C5 behind S, E_M = C6 and E_F = C7 outside M and F,
# X = F5 beyond T, U = E4 and Y = D4 below T and S.
#
# Outside frame (no White stone in the box D5-E7):
#
#     Oa  Na  Sd  O1         C5 D5 E5 F5
#     Om  Mp  Mq  Oq         C6 D6 E6 F6
#     O4  Fd  Nb  Ob         C7 D7 E7 F7

# --- The attacker's stone beyond the side point F ---------------------------------

[q-atari]
# White's contact E5 and White's D8 beyond F (D7) on D5's line; Black's C8,
# E8 and D9 leave D8 in atari at D7.  The push along the line at F would
# join a stone Black captures next: no candidate.
black to play
  . . . X . . . . .
  . . X O X . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]
call KeimaTuke:read E7 D5 [none]

[q-two]
# Black's D9 and C8 leave D8 two liberties (D7, E8): the push at D7 is a
# threat.  Black's E4 and White's F6 leave the contact stone E5 two
# liberties (F5, E6) that no ladder takes (Black's E6 lets E5 out at F5
# next to F6, Black's F5 lets it out at E6 next to F6).  With E5 at two
# liberties Black's answer is N (E6), not M; value White's D7 alone plus
# Black's E6 alone (twice when it loses).  Black proposes E6, White D7.
black to play
  . . . X . . . . .
  . . X O . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:nobi D5 E7 E6 D7 [E6=r:5]
call KeimaTuke:nobi E7 D5 E6 D7 [E6=r:5]
ladder E5 [0]

[q-two-white]
white to play
  . . . X . . . . .
  . . X O . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:nobi D5 E7 E6 D7 [D7=r:5]
call KeimaTuke:nobi E7 D5 E6 D7 [D7=r:5]

# --- M on the third line, N on the fourth: the push and the hane under it -----------

[sandan-white]
# Black's C5-D7, White's contact D5 (three liberties: D4, E5, D6).  M = C6
# (third line), N = D6 (fourth line), E_M = B6 with exactly two empty
# neighbours (B5, C6: Black's A6, White's B7), E_F = B7 White's, not Black's.
# White's push C6, Black's D6: Black's A6, A7 and B8 leave White's C6 with
# B6 and C7 and the ladder takes it (sandan-ladder), while Black's E5 beyond
# the contact stands, so the closing block runs: the hane below (Y = C4 for
# White, U = D4 for Black, three empty neighbours), the contact-ladder
# reading silenced by Black's F6 two lines outside N, and the push with the
# hane at E_M: White's C6, Black's D6, White's B6, White's evaluation.
# White proposes C6 with that value.  The hane below is valued as half of
# White's C4 and C6 (Black elsewhere) plus Black's answer D4 alone
# ("KeimaTuke:hane A B Y M P", tests/engine/shapes/KeimaCoverRoutines.cpp).
white to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . . . . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at C5 D7 C6 C6 D6 B6 [C6=r:5 C4]
call KeimaTuke:at D7 C5 C6 C6 D6 B6 [C6=r:5 C4]
call KeimaTuke:hane C5 D7 C4 C6 D4 [C4=r:5 C6]
call KeimaTuke:hane D7 C5 C4 C6 D4 [C4=r:5 C6]

[sandan-black]
# Black to play: White's C6 after Black's D6 is laddered, so the block at N
# (D6) carries the same value; Black's answer to the hane is D4, valued as
# White's C4 alone plus Black's D4 alone.
black to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . . . . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:at C5 D7 D6 C6 D6 B6 [D6=r:5 D4]
call KeimaTuke:at D7 C5 D6 C6 D6 B6 [D6=r:5 D4]
call KeimaTuke:at C5 D7 D4 C4 C5 D4 [D4=r:5 D6]
call KeimaTuke:at D7 C5 D4 C4 D7 D4 [D4=r:5 D6]

[sandan-ladder]
# Premise: after White's C6 and Black's D6 the ladder takes C6 (C7 drives
# it to B6 with B5 alone, B6 to C7 with C8 alone).
black to play
  . . . . . . . . .
  . X . . . . . . .
  X O . X . . . . .
  X . O X . X . . .
  . . X O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C6 [1 C7|1 B6]

# --- The wedge with the attacker's stone V beyond H1 ------------------------------

[wari-soto]
# White's wedge D6 in Black's D5-E7, White's E4 beyond H1 (E5) on its line:
# G = E6 and H1 = E5 are read for both sides.  Black: G then White's H1
# (E6 E5), or H1 then White's G, and since F5 beside H1 then has three empty
# neighbours Black also extends there and White answers F6 (E5 E6 F5 F6);
# the better.  White likewise: H1 then Black's G (E5 E6), or G, Black's H1,
# White's F6, Black's F5 (E6 E5 F6 F5).  Black's better is the block at G
# (the extended hane loses), White's the cut at G with the extension: both
# propose E6 with the sum.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E5 E6 E7 E6 E5 F6 F5 D5 E6 E5 E7 E5 E6 F5 F6 [E6=r:5]
call KeimaRenraku:read E7 D5 E5 E6 D5 E6 E5 F6 F5 E7 E6 E5 D5 E5 E6 F5 F6 [E6=r:5]

[wari-soto-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E5 E6 E7 E6 E5 F6 F5 D5 E6 E5 E7 E5 E6 F5 F6 [E6=r:5]
call KeimaRenraku:read E7 D5 E5 E6 D5 E6 E5 F6 F5 E7 E6 E5 D5 E5 E6 F5 F6 [E6=r:5]

# --- White's stones beside both middle points (Om and Oq) ------------------------

[ryo-naka]
# White's C6 and F6 beside D6 and E6: each cut is read on its own and the
# point added for either side.  Mp's side: White's D6, Black's E6, White's
# E5 (not caught: E4 and F5 free, F6 beside), plus Black's D6 alone, added
# as it is positive; Mq's side: White's E6, Black's D6, White's D7, plus
# Black's E6 alone, added whatever its sign.  Named E7 D5 the roles turn:
# Mp = E6 with Sd = D7, Mq = D6 with Fd = E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . O . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 E7 D6 E6 E5 D5 D6 [D6=r:5 E6]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E5 E7 D6 [D6=r:5 E6]
call KeimaSotoNaka:at D5 E7 E6 E7 E6 D6 D7 D5 E6 [D6 E6=r:5]
call KeimaSotoNaka:at E7 D5 E6 D5 E6 D6 D7 E7 E6 [D6 E6=r:5]

# --- White's stone beside Mp (C6) and behind Nb (F7) ---------------------------------

[naka-ura]
# Oq (F6) empty, G7 beyond F7 not Black's, O1 (F5) not Black's: Black's point
# is Mq (E6), valued alone.  White's: the push at E6 with Black's D6 and
# White's D7 (D7 keeps two liberties, so its evaluation counts) against the
# cut at D6 with Black's E6 and White's E5 (E5 not caught); the larger, at
# its own point.  Black's J1 in the far corner only splits the two readings
# in the formula.  Black proposes E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoNaka:at D5 E7 E6 D5 E6 E7 E6 D6 D7 J1 D6 E6 E5 [E6=r:5]
call KeimaSotoNaka:at E7 D5 E6 E7 E6 D5 E6 D6 D7 J1 D6 E6 E5 [E6=r:5]

[naka-ura-white]
# White to play: the cut at D6 reads more than the push at E6 (the order
# check), so White proposes D6.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . O . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . X
call KeimaSotoNaka:at D5 E7 D6 D5 E6 E7 E6 D6 D7 J1 D6 E6 E5 [D6=r:5]
call KeimaSotoNaka:at E7 D5 D6 E7 E6 D5 E6 D6 D7 J1 D6 E6 E5 [D6=r:5]
call Readings:order D5 E7 E6 D6 D7 J1 D6 E6 E5 [<]

[ura-te]
# Black's F6 (Oq) against White's F7-G7 (Ob, not laddered): White cuts at
# D6, Black blocks at E6 and White's E5 is not laddered (White's G4 breaks
# it, ura-te-ladder); also White's D6, Black's E5, White's E6.  The smaller
# of the two is added at D6 whoever plays.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O O . .
  . . O . . X . . .
  . . . X . . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 E7 D6 E6 E5 C6 D6 E5 E6 [D6=r:5]
call KeimaSotoNaka:at E7 D5 D6 D5 D6 E6 E5 C6 D6 E5 E6 [D6=r:5]

[ura-te-ladder]
# Premise: after White's D6, Black's E6 and White's E5 the ladder on E5
# fails (G4).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O O . .
  . . O O X X . . .
  . . . X O . . . .
  . . . . . . O . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E5 [0]

# --- White's stone touching Na from outside (Oa = C5) -------------------------------

[soto-tuke-hane]
# Na (D5) has three liberties, so Black tries the hane at Om (C6): White's
# cut at D6 is then laddered (Black's D8 stops the run at D7;
# soto-tuke-hane-ladders), so Black's point is C6, valued alone (B7 is not
# White's, so no hane at B6 is read).  White's side: the cut at D6 and
# Black's block at E6 leave D5 two liberties (D4, E5) and White's C4 and
# D3 ladder it with E5 first, which is the side point Sd: Black's F5 then
# ataris E5 and White extends at E4; White's evaluation after that.  Black
# proposes C6, White D6, with the sum.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 C6 D5 C6 E7 D6 E6 E5 F5 E4 [C6=r:5]
call KeimaSotoTuke:at E7 D5 C6 E7 C6 D5 D6 E6 E5 F5 E4 [C6=r:5]

[soto-tuke-hane-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoTuke:at D5 E7 D6 D5 C6 E7 D6 E6 E5 F5 E4 [D6=r:5]
call KeimaSotoTuke:at E7 D5 D6 E7 C6 D5 D6 E6 E5 F5 E4 [D6=r:5]

[soto-tuke-hane-ladders]
# Premises: after Black's C6 the cut at D6 is laddered (E6 first), and
# after White's D6 and Black's E6 the ladder on D5 starts at E5.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . X O . . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [1 E6]

[soto-tuke-hane-ladders-2]
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . O X . . . . .
  . . O . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [1 E5]

# --- The touched stone with two liberties and a ladder status ---------------------

[tuke-sicho]
# Black's D5-E7, White's contact E5 and White's D4: D5 has C5 and D6.
# White's D6 then C4 (with B5) ladders it toward the top left (ladder D5),
# Black's B3 spoils the ladder toward the bottom, and C5 first lets D5 out
# at D6-E6.  After Black's block at E6, White's D6 has C6 and D7 only, so
# Black's extension to C6 ataris it and the ladder fails
# (tuke-sicho-after-block): the block is worth Black's E6 alone plus
# White's D6 alone.  D5 is on the fourth line.  Black proposes E6, White D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X O . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 E6 [E6=r:5]
call KeimaTuke:read E7 D5 D6 E7 E6 [E6=r:5]
ladder D5 [1 D6]

[tuke-sicho-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X O . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 E6 [D6=r:5]
call KeimaTuke:read E7 D5 D6 E7 E6 [D6=r:5]

[tuke-sicho-after-block]
# Premise: with Black's E6 on the board no ladder takes D5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . X . . . .
  . O . X O . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [0]

# --- The lone contact stone whose capture Black can force ---------------------------

[tuke-tori]
# White's E5 alone with two liberties (F5, E6; Black's E4), F5 beyond it
# surrounded by White's E5, G5, F4 and F6, D5 with exactly three liberties.
# After White's push D6 and Black's E6, Black's F5 would capture E5 and be
# left with that one point; White's F5 instead joins E5 to its wall and the
# ladder takes D5 (White's B5 and C4: D4 then leaves C5 nothing;
# tuke-tori-ladder).  So the capture is forced and the pattern is handled:
# half of White's push D6 alone, at E6 for Black, at D6 for White.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . O . X O . O . .
  . . O . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 [E6=r/2:5]
call KeimaTuke:read E7 D5 D6 [E6=r/2:5]

[tuke-tori-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . O . . .
  . O . X O . O . .
  . . O . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 [D6=r/2:5]
call KeimaTuke:read E7 D5 D6 [D6=r/2:5]

[tuke-tori-ladder]
# Premise: after White's D6, Black's E6 and White's F5 the ladder takes D5
# with D4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X O . . .
  . O . X O O O . .
  . . O . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D5 [1 D4]

# --- The stone beyond F with White outside F, N on the second line -----------------

[nobi-edge]
# Black's D3-F2, White's contact D2 under D3: M = E3, N = E2 (second line),
# F = F3, White's G3 beyond F and White's F4 outside F (E_F).  White's
# reading: N (E2), Black's M (E3), White's F (F3); Black's: M alone.  Black
# proposes E3, White E2, with the sum.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . X . . O . .
  . . . O . X . . .
  . . . . . . . . .
call KeimaTuke:read D3 F2 E2 E3 F3 D3 E3 [E3=r:5]
call KeimaTuke:read F2 D3 E2 E3 F3 F2 E3 [E3=r:5]

[nobi-edge-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . O . . .
  . . . X . . O . .
  . . . O . X . . .
  . . . . . . . . .
call KeimaTuke:read D3 F2 E2 E3 F3 D3 E3 [E2=r:5]
call KeimaTuke:read F2 D3 E2 E3 F3 F2 E3 [E2=r:5]

# --- The wedge: Black's stone at E_G, White's beyond H1; White's beyond Dd ----------

[wari-nobi-te]
# White's wedge D6 in Black's D5-E7 (G = E6, H1 = E5, E_G = F6, E_D = F7,
# V = E4 beyond H1, Y1 = E8 beyond Dd, H2 = D7).  Black's F6 at E_G, F7
# empty, White's E4 at V: the cut at E6 with Black's E5 and Black's block at
# E6 with White's E5 are added only when neither loses; White's cut leaves
# D6-E6 with two liberties between Black's E5, F6 and E7 and loses, so
# nothing is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . X . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 [none]
call KeimaRenraku:read E7 D5 [none]

[wari-nobi-te-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . X . . .
  . . . X . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 [none]
call KeimaRenraku:read E7 D5 [none]

[wari-miai]
# White's E8 beyond Dd, D7 (H2) and D8 empty: G and H2 are miai.  Each side
# plays one and the other answers at the other; each side's better order
# counts, and the points follow the better orders.  White's hane at D7
# after Black's E6 does more than White's cut at E6 after Black's D7 (the
# order check), so both sides start at D7; value the sum of the two better
# orders.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D7 E7 D7 E6 D5 E6 D7 E7 D7 E6 [D7=r:5]
call KeimaRenraku:read E7 D5 E6 D7 D5 D7 E6 E7 E6 D7 D5 D7 E6 [D7=r:5]
call Readings:order D5 E7 E6 D7 D5 D7 E6 [<]

[wari-miai-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D7 E7 D7 E6 D5 E6 D7 E7 D7 E6 [D7=r:5]
call KeimaRenraku:read E7 D5 E6 D7 D5 D7 E6 E7 E6 D7 D5 D7 E6 [D7=r:5]

[wari-ed]
# White's F7 at E_D (nothing at E_G, E_H or V): G valued as the side to
# move's own play there plus the other side's (not below zero): White's E6
# alone plus Black's E6 alone, at E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E6 [E6=r:5]
call KeimaRenraku:read E7 D5 E6 E7 E6 [E6=r:5]

[wari-ed-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E6 [E6=r:5]
call KeimaRenraku:read E7 D5 E6 E7 E6 [E6=r:5]

# --- The value of White's contact play (the two-space jumps' value routine) --------

[tuke-utu-wide]
# Black's D5-C5 (Z = C5 Black's) with White's contact E5: after White's
# push D6 the chain still has four liberties, so the value is White's
# evaluation after the push and Black's block at E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTukeUtu:value D5 E7 D6 E6 [r]
call KeimaTukeUtu:value E7 D5 D6 E6 [r]

[tuke-utu-f-own]
# Black's D7 at F: the contact threatens nothing, 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTukeUtu:value D5 E7 [0]

[tuke-utu-laddered]
# The position of tuke-sicho: D5 with two liberties caught by the ladder,
# 0.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . O . X O . . . .
  . . . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTukeUtu:value D5 E7 [0]
call KeimaTukeUtu:value E7 D5 [0]

# --- White's stones beside Mp (C6) and beyond Sd (F5) -------------------------------

[naka-hane-atari]
# White's cut D6, Black's block E6 and White's E5 would leave E5-F5 in
# atari at F6 (Black's E4, F4 and G5), so E5 is taken back: Black's D6
# alone plus White's D6 with Black's E6, added at D6 whoever plays.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]
call KeimaSotoNaka:at E7 D5 D6 E7 D6 D5 D6 E6 [D6=r:5]

[naka-hane-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O X . .
  . . . . X X . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoNaka:at D5 E7 D6 D5 D6 E7 D6 E6 [D6=r:5]
call KeimaSotoNaka:at E7 D5 D6 E7 D6 D5 D6 E6 [D6=r:5]

# --- The move between two stones: a stone beside the knight's partner -------------

[between-crowded]
# The position of between-two-stones-from-the-edge (shapes-probe.tst) with
# Black's F3 beside G4's corner: the point between the knight's move and
# the large knight's move is played only when all eight points around G4
# are empty, so nothing is proposed.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . O
  . . . . . . X . O
  . . . . . X . . O
  . . . . O O O O O
  . . . . O . O . O
call KeimaOgeimaHokyo:prep [none]

# --- The touched stone with two liberties: Black's stone outside F ---------------

[dame2-behind-own-outside]
# Black's D5-E7, White's contact E5 (three liberties) and White's D4: D5 has
# C5 and D6 and no ladder takes it (each atari lets it out with three
# liberties).  White pushes at D6; E5 does not have two liberties, but
# Black's C7 stands outside F (E_F) and the point behind D5, C5, is empty
# with three empty neighbours, so Black's answer is C5.  Value White's D6
# plus Black's C5 (no double atari at C5).  Black proposes C5, White D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 C5 [C5=r:5]
call KeimaTuke:read E7 D5 D6 E7 C5 [C5=r:5]
ladder D5 [0]

[dame2-behind-own-outside-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 D5 C5 [D6=r:5]
call KeimaTuke:read E7 D5 D6 E7 C5 [D6=r:5]

# --- The wedge left in atari by the block at G --------------------------------------

[wari-main-wedge-atari-white]
# White's wedge D6 with two liberties (C6, E6; Black's D7) and no ladder on
# it (White's F4 catches the run along E6-E5).  Black's block at E6 leaves
# D6 in atari: Black's value is read with White's extension at C6, White to
# play adds White's E6 alone; the cut point E6 is White's proposal.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . X X . . . .
  . . . O . . . . .
  . . . X . . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E6 C6 [E6=r:5]
call KeimaRenraku:read E7 D5 E6 E7 E6 C6 [E6=r:5]
ladder D6 [0]

# --- The wedge: Black's stone at E_G, White's at E_D not in atari -----------------

[wari-tori-no-atari]
# White's wedge D6, Black's F6 at E_G and White's F7 at E_D: the cut at G
# against the capture of F7 is read only when F7 is in atari; F7 has F8 and
# G7, so nothing is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . O . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 [none]
call KeimaRenraku:read E7 D5 [none]

# --- The wedge: White's hane at H1 that ataris Nn --------------------------------

[wari-hane-atari]
# White's wedge D6 and White's C5 leave Black's D5 with D4 and E5; Black's
# E4 stands beyond H1 (V), D4 (beyond Nn from the wedge) is empty, C5
# (beyond Nn from H1) is White's and D3 is not.  White's E5 is no self-atari
# and ataris D5, so White's point is the hane at E5 instead of the cut at E6.
# Black's block at E6 leaves White's E5 caught at once (F5 alone), so
# Black's E6 counts alone.  Value Black's E6 plus White's E5; the sum is
# above 15, so 6 more.  Black proposes E6, White E5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E5 D5 E6 [E6=r+6:5]
call KeimaRenraku:read E7 D5 E5 E7 E6 [E6=r+6:5]

[wari-hane-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O . . . . .
  . . O X . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E5 D5 E6 [E5=r+6:5]
call KeimaRenraku:read E7 D5 E5 E7 E6 [E5=r+6:5]

# --- The wedge: White's stone at E_H, the wedge left in atari -------------------------

[wari-ate-te-capture]
# White's wedge D6 with two liberties (D7, E6; Black's C6) and no ladder on
# it (White's D8), White's F5 at E_H: the atari from outside.  Black blocks
# at E6, White ataris at E5, and the wedge, now in atari at D7, is captured
# there: Black's value after E6, E5, D7, plus White's E6 alone; the sum is
# above 15, so 3 more, and not doubled (Black's E6 alone is worth less than
# twice the sum).  The reason is the cut's (3).
black to play
  . . . . . . . . .
  . . . O . . . . .
  . . . . X . . . .
  . . X O . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E6 E5 D7 [E6=r+3:3]
call KeimaRenraku:read E7 D5 E6 E7 E6 E5 D7 [E6=r+3:3]
ladder D6 [0]

# --- The hane beyond Sd with Na on the first line ---------------------------------

[hane-first-line-white]
# Black's D1-E3, White's F1 beyond the side point E1 (Na = D1, Sd = E1,
# Mp = D2, Mq = E2, Fd = D3, O4 = C3).  White's cut D2, Black's E2, White's
# E1 leaves D2 two liberties and no ladder (White's C4), and D1 in atari on
# the first line: Black's D3 and White's capture at C1 give White's value.
# Black's answer: White's E2 is no capture or atari, so E2, or E1 when it
# is worth at least as much (D1-E1 then has three liberties); the block at
# C3 is not tried because after C3, D2, E2 the ladder takes D1 along the
# edge (hane-first-line-ladders); B4 beyond it is on the second line.
# White proposes D2 with the sum.  Black's J9 only splits the readings.
white to play
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
call KeimaSotoHane:at D1 E3 D2 D1 E2 J9 E1 E3 D2 E2 E1 D3 C1 [D2=r:5]
call KeimaSotoHane:at E3 D1 D2 E3 E2 J9 E1 D1 D2 E2 E1 D3 C1 [D2=r:5]

[hane-first-line]
# Black to play: E1 and E2 are worth the same to Black (the order check),
# and on a tie the answer is the side point E1.
black to play
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X . O . . .
call KeimaSotoHane:at D1 E3 E1 D1 E1 E3 D2 E2 E1 D3 C1 [E1=r:5]
call KeimaSotoHane:at E3 D1 E1 E3 E1 D1 D2 E2 E1 D3 C1 [E1=r:5]
call Readings:order F1 C4 E2 D1 E1 [=]

[hane-first-line-ladders]
# Premise: after Black's C3, White's D2 and Black's E2, White's E1 starts a
# ladder that takes D1 along the first line.
white to play
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . X . X . . . .
  . . . O X . . . .
  . . . X . O . . .
ladder D1 [1 E1]

[hane-first-line-cut]
# Premise: after White's D2, Black's E2 and White's E1 no ladder takes D2.
white to play
  . . . . . . . . X
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . O . . . . . .
  . . . . X . . . .
  . . . O X . . . .
  . . . X O O . . .
ladder D2 [0]

# --- The hane beyond Sd: the owner's jump from the second line to the third -------

[hane-jump-third-line-white]
# Black's C4-D6, White's E4 beyond the side point D4 (Na = C4, Sd = D4,
# Mp = C5, Mq = D5, Fd = C6, O4 = B6 on the second line).  White's cut C5,
# Black's D5, White's D4: C5 keeps two liberties and no ladder (White's B7),
# so White's value is that reading.  Black's answer: D5, or D4 when it is
# worth at least as much (C4-D4 then has more than two liberties), or the
# block beside Fd when it is worth more; with O4 on the second line and
# C7 (beyond Fd from Mp) on the third, the block is the jump to C7 (C4 is
# not laddered after C7, C5, D5).  White proposes C5 with the sum.
white to play
  . . . . . . . . X
  . . . . . . . . .
  . O . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C4 D6 C5 C4 D5 J9 D4 J9 C7 D6 C5 D5 D4 [C5=r:5]
call KeimaSotoHane:at D6 C4 C5 D6 D5 J9 D4 J9 C7 C4 C5 D5 D4 [C5=r:5]

[hane-jump-third-line]
# Black to play: C7 is worth more than D5 and D4 (the order checks), so
# Black proposes C7.
black to play
  . . . . . . . . X
  . . . . . . . . .
  . O . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . X . O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaSotoHane:at C4 D6 C7 C4 D5 J9 D4 J9 C7 D6 C5 D5 D4 [C7=r:5]
call KeimaSotoHane:at D6 C4 C7 D6 D5 J9 D4 J9 C7 C4 C5 D5 D4 [C7=r:5]
call Readings:order E4 B7 D5 C4 C7 [<]
call Readings:order E4 B7 D4 C4 C7 [<]

[wari-ate-te-ladder]
# The atari from outside (White's F5 at E_H) with the wedge D6 at three
# liberties: after Black's E6 and White's E5 the wedge has C6 and D7 and
# the ladder takes it (Black's C6 first, Black's B7 at the end;
# wari-ate-te-ladder-premise), so Black's value is read after that first
# ladder move; plus White's E6 alone, 3 more above 15, not doubled.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . X . . . .
  . . . O . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:read D5 E7 E6 D5 E6 E5 C6 [E6=r+3:3]
call KeimaRenraku:read E7 D5 E6 E7 E6 E5 C6 [E6=r+3:3]

[wari-ate-te-ladder-premise]
# Premise: after Black's E6 and White's E5 the ladder takes D6, C6 first.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . X . . . .
  . . . O X . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [1 C6]

# --- The push with the contact stone at two liberties --------------------------------

[push-contact-two-liberties]
# Black's D5-C5 and E7, White's contact E5 with two liberties (F5, E6;
# Black's E4) and no ladder on it (White's G6).  White's push D6 stands (C7
# beside it), and after Black's E6 and White's F5 on E5's last liberty the
# pushing stone D6 is not laddered (C7 again), so the push is read on: D5-C5
# keeps four liberties, Black blocks at E6 and White's value is its
# evaluation there, not quartered because the pushing group has eye value 4
# or more; M is not laddered, so both sides' point is D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . O . .
  . . X X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 [D6=r:5]
call KeimaTuke:read E7 D5 D6 E6 [D6=r:5]
ladder E5 [0]
call HaneMore:eyes E5 D6 D6 E6 [me=6]

[push-contact-two-liberties-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . . . . . . O . .
  . . X X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 [D6=r:5]
call KeimaTuke:read E7 D5 D6 E6 [D6=r:5]

[push-contact-two-liberties-ladder]
# The same without White's C7: after White's push D6, Black's E6 and
# White's F5 on E5's last liberty the ladder takes D6 (the premise below),
# so only the readings of a laddered contact stone and of Black's stone
# beyond it remain: E5-E6 would keep two liberties after White's E6 (F5,
# F6), and Black's E4 has three liberties, so nothing is added.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . O . .
  . . X X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]
call KeimaTuke:read E7 D5 [none]

[push-contact-two-liberties-ladder-premise]
# Premise: after White's D6, Black's E6 and White's F5 the ladder takes D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . O X . O . .
  . . X X O O . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [1 C6|1 D7]

# --- White's stones on both side points ------------------------------------------------

[ryo-tuke-answer-caught]
# Black's D5-E7 with White's E5 and D7 on both side points, Black's D8
# above D7.  Black's tries: D6 answered by White's E6, or E6 answered by
# White's D6; but White's D6-D7 then has C6 and C7 and the ladder takes it
# (the premise below), so that answer is no answer and Black's E6 counts
# alone.  White's tries: D6 answered by Black's E6, or E6 answered by
# Black's D6 (neither first stone laddered).  Each side's better try counts
# (both sums positive here, so no side's value is cut to 0), at its own
# point: E6 for both.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 E7 E6 D6 D5 D6 E6 E7 E6 [E6=r:5]
call KeimaTuke:read E7 D5 D6 E6 D5 E6 D6 E7 D6 E6 D5 E6 [E6=r:5]

[ryo-tuke-answer-caught-premise]
# Premise: after Black's E6 and White's D6 the ladder takes D6-D7.
black to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . O X . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder D6 [1 C6]

[ryo-tuke-answer-caught-white]
white to play
  . . . . . . . . .
  . . . X . . . . .
  . . . O X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 D6 E6 E7 E6 D6 D5 D6 E6 E7 E6 [E6=r:5]
call KeimaTuke:read E7 D5 D6 E6 D5 E6 D6 E7 D6 E6 D5 E6 [E6=r:5]

# --- The wedge: Black's stone at E_G, White's at E_D in atari -----------------------

[wari-tori]
# White's wedge D6, Black's F6 at E_G, White's F7 at E_D in atari at G7
# (Black's F8).  White's cut at E6 is read against both Black answers, the
# smaller counting: Black's capture at G7 then White's E5, or Black's E5
# then White's extension at G7.  Black's point is the better of the block
# at E6 and the capture at G7, each alone: the capture (the order check).
# Black proposes G7, White E6, with the sum ("KeimaRenraku:at" answers as
# "KeimaSotoHane:at"; Black's F6 and White's D6 split the readings).
black to play
  . . . . . . . . .
  . . . . . X . . .
  . . . . X O . . .
  . . . O . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 G7 D5 E6 F6 G7 E7 E6 G7 E5 D6 E6 E5 G7 [G7=r:5]
call KeimaRenraku:at E7 D5 G7 E7 E6 F6 G7 D5 E6 G7 E5 D6 E6 E5 G7 [G7=r:5]
call Readings:order D6 F7 E6 F6 G7 [<]

[wari-tori-white]
white to play
  . . . . . . . . .
  . . . . . X . . .
  . . . . X O . . .
  . . . O . X . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaRenraku:at D5 E7 E6 D5 E6 F6 G7 E7 E6 G7 E5 D6 E6 E5 G7 [E6=r:5]
call KeimaRenraku:at E7 D5 E6 E7 E6 F6 G7 D5 E6 G7 E5 D6 E6 E5 G7 [E6=r:5]

# --- The touched stone in atari ------------------------------------------------------

[touched-in-atari]
# White's contact E5 against Black's D5-C5-C6, whose last liberty is the
# middle point D6 (White's B5, B6, C4, D4 and C7): nothing is read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . O . X . . . .
  . O X . . . . . .
  . O X X O . . . .
  . . O O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:read D5 E7 [none]
call KeimaTuke:read E7 D5 [none]

# Knight's moves: rows that pin values AND bonuses of the contact handler,
# the second pass and the reinforcement stage's contact answer, worked out
# by hand from the shape ("call KeimaTuke:pin", "Kankei4Hokyo:pin" and
# "KeimaHokyo:pin A B P [Q] F...", tests/engine/shapes/KeimaPinRoutines.cpp:
# F... a sum of readings, a term starting with A for the owner's reading or
# B for the attacker's; Q names the bonus reading b, the attacker's P and Q
# with the owner passing).  Beside each row that fires stands one where a
# single stone the pattern reads is changed and the answer changes with it.

# --- The contact handler: the push with the hane at E_M, and the hane below ---

[pin-sandan-white]
# The position of keima-cover.tst [sandan-white]: Black's C5-D7, White's
# contact D5.  White as the engine proposes the push C6 valued as White's
# C6, Black's D6, White's B6 (scored for White), and the hane below at C4;
# no candidate of the handler carries a bonus.  Named D7 C5, the same
# stones are read through the other end's cells.
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
call KeimaTuke:pin C5 D7 C6 D7 C6 D6 B6 [C4 C6=r:5]
call KeimaTuke:pin D7 C5 C6 C5 C6 D6 B6 [C4 C6=r:5]

# --- The contact handler: the touched stone with two liberties, no ladder ---

[pin-dame2-black]
# White's E5 touches D5 (S); White's D4 leaves S two liberties, C5 and D6,
# and no ladder takes it (White's C5 lets it out at D6 toward E7, White's
# D6 lets it out at C5): the two-liberty pattern.  No White chain next to
# S is in atari, T = E5 has three liberties, E_F = C7 is empty and S's
# liberty after White's push at M = D6 is C5, not E_M = C6: the answer
# stays at M.  Value White's D6 alone plus Black's D6 alone (no double
# atari at D6 to raise it); both sides propose D6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 E7 D6 D5 D6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 D5 D6 E7 D6 [D6=r:5]
ladder D5 [0]

[pin-dame2-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 E7 D6 D5 D6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 D5 D6 E7 D6 [D6=r:5]

[pin-dame2-z-white]
# White's C5 at Z behind S instead: the handler ends at once.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . O X O . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 [none]
call KeimaTuke:pin E7 D5 D6 [none]

# --- The contact handler: attacker's stones on both side points ---
# Black's D5-E7 with White's E5 and D7 on both side points: each side
# tries both middle points (D6 then the other side's E6, or E6 then D6),
# the better try of each side counts; no try is laddered here.  The two
# sides' tries end in the same positions, so one side's better try is the
# other's worse one negated.

[pin-ryo-owner-ahead-black]
# Black's F7 and White's C5: both of Black's tries gain (D6 the more),
# so both of White's lose and White's counts 0: the value is Black's
# better try, at D6, for either side.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . . . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 D5 D6 E6 F7 E6 D6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 E7 D6 E6 F7 E6 D6 [D6=r:5]

[pin-ryo-owner-ahead-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . O X X . . .
  . . . . . . . . .
  . . O X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 D5 D6 E6 F7 E6 D6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 E7 D6 E6 F7 E6 D6 [D6=r:5]

[pin-ryo-attacker-ahead-black]
# Black's F6, White's F7 and E8: both of Black's tries lose, Black's counts
# 0; the value is White's better try, E6 answered at D6, at E6.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . O X O . . .
  . . . . . X . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E6 E7 D6 E6 F6 E6 D6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 D5 D6 E6 F6 E6 D6 [E6=r:5]

[pin-ryo-attacker-ahead-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . O X O . . .
  . . . . . X . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E6 E7 D6 E6 F6 E6 D6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 D5 D6 E6 F6 E6 D6 [E6=r:5]

# --- The contact stone in a ladder, the owner's stone U beyond it with two liberties ---
# Black's D5-E7, White's contact E5 (T) in atari under Black's F5 (X) and
# E4 (U): T's ladder status is 1, so the ladder patterns run.  X is Black's,
# so the contact-ladder reading ends at once; U = E4 has exactly two
# liberties (D4, F4; White's E3 below), Y = D4 is empty and White's D4 is
# no self-atari (C4, D3): White's hane at Y, Black's answer at U's first
# liberty left (F4), White's push at M = D6, scored for White.  Black adds
# it at M, White at Y; no bonus.  Named E7 D5, the same stones are read
# through the other end's cells.

[pin-soto-a-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 E7 D4 F4 D6 [D6=r:5]
call KeimaTuke:pin E7 D5 D6 D5 D4 F4 D6 [D6=r:5]

[pin-soto-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D4 E7 D4 F4 D6 [D4=r:5]
call KeimaTuke:pin E7 D5 D4 D5 D4 F4 D6 [D4=r:5]

[pin-soto-a-three-liberties]
# Without White's E3, U = E4 has three liberties: no hane at Y is read,
# and nothing else of the ladder patterns fires.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 [none]
call KeimaTuke:pin E7 D5 D6 [none]

[pin-soto-a-y-taken]
# White's D4 already stands at Y: no hane is read.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . X O X . . .
  . . . O X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 D6 [none]
call KeimaTuke:pin E7 D5 D6 [none]

[pin-soto-b-black]
# The other end: White's contact D7 touches E7 (S) in atari under Black's
# C7 (X) and D8 (U); U has two liberties (C8, E8; White's D9 above), Y =
# E8 is empty and no self-atari for White (E9, F8).  White's E8, Black's
# C8, White's push at M = E6.
black to play
  . . . O . . . . .
  . . . X . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E6 E7 E8 C8 E6 [E6=r:5]
call KeimaTuke:pin E7 D5 E6 D5 E8 C8 E6 [E6=r:5]

[pin-soto-b-white]
white to play
  . . . O . . . . .
  . . . X . . . . .
  . . X O X . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call KeimaTuke:pin D5 E7 E8 E7 E8 C8 E6 [E8=r:5]
call KeimaTuke:pin E7 D5 E8 D5 E8 C8 E6 [E8=r:5]

# --- The second pass: an attacker's stone touching one end (contact pattern) ---
# Black's D5-E7; White's E5 touches D5: P1 = E6 (the cutting point next to
# E5), P2 = D6.  White's cut E6 answered by Black's D6, scored for White,
# plus Black's own E6, scored for Black: r.  When twice r is below White's
# E6 and D6 together (b: White's two cutting points, Black passing), the
# value is doubled (2r); White as the engine keeps b less that value as
# its bonus (b-v), Black keeps none.  For Black a value of exactly 4 gains
# 3 more when the touched stone S is a single stone with at most three
# liberties: S, not the touching stone O, decides.  Named E7 D5, the same
# stones are read through the other end's cells (O at R4, S at R5).

[pin-k4-contact-s-two-black]
# Black's C5 makes S = D5-C5 two stones: r = 2 is doubled to 4 and gains
# nothing more (White's E5 alone with three liberties does not count).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r:21]
call Kankei4Hokyo:marks D5 E7 [none]

[pin-k4-contact-s-two-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . X X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . X .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r/b-v:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r/b-v:21]

[pin-k4-contact-o-two-black]
# White's F5 makes O = E5-F5 two stones while S = D5 stands alone on three
# liberties (C5, D4, D6): r = 2 doubled to 4, plus 3 = r + 5.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . X . . . .
  . . . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=r+5:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=r+5:21]

[pin-k4-contact-o-two-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . X . . X . . . .
  . . . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r/b-v:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r/b-v:21]

[pin-k4-contact-b-s-two-black]
# The half turn: White's D7 touches E7, and Black's F7 makes S = E7-F7 two
# stones (White's B7 away): P1 = D6, P2 = E6; r = 2 doubled to 4, nothing
# more.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . O X X . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 D6 E6 E7 D6 E6 D5 D6 [D6=2r:21]
call Kankei4Hokyo:pin E7 D5 D6 E6 D5 D6 E6 E7 D6 [D6=2r:21]

[pin-k4-contact-p1-laddered]
# White's F6, F7 and E8 leave Black's connection at P1 = E6 (joined to E7)
# two liberties, D6 and D7, and White's C7 makes the ladder work (White's
# D6, Black's D7, White's D8: "ladder" below): a connection that the ladder
# takes is no answer, nothing is added for either side.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . X O . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 [none]
call Kankei4Hokyo:pin E7 D5 E6 [none]

[pin-k4-contact-p1-laddered-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . X O . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 [none]
call Kankei4Hokyo:pin E7 D5 E6 [none]

[pin-k4-contact-p1-laddered-premise]
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . O . X O . . .
  . . . . X O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder E6 [1 D6]

[pin-k4-contact-p1-free-black]
# Without White's C7 the ladder fails (Black's D7 gets out at C7), so the
# connection counts: r (White's E6 and Black's D6 for White, Black's E6
# for Black) is doubled, twice r being below b; no White chain around E6
# is in atari after Black's E6 and the value is not 4: 2r.  White as the
# engine: 2r, its value below 1, so its bonus b-v is cut to 9.
black to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X O . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r:21]

[pin-k4-contact-p1-free-white]
white to play
  . . . . . . . . .
  . . . . O . . . .
  . . . . X O . . .
  . . . . . O . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r/9:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r/9:21]

[pin-k4-contact-both-sides]
# White's E5 and D7 touch both ends: no contact pattern (and none of the
# others, a stone standing on a side point).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . O . O X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 [none]
call Kankei4Hokyo:pin E7 D5 E6 [none]

[pin-k4-contact-cut-in-atari-black]
# White's E5 (O) has two liberties, E6 and F5, but no ladder takes it
# (Black's F5 would join F6 with E6 alone left, and White takes both at E6;
# "ladder" below).  White's cut at P1 = E6 joins E5 and, after Black's D6,
# the chain E5-E6 has one liberty, F5: White's reading goes on with F5,
# which captures Black's F6 (White's E6 took its liberty), and no bonus is
# read.  Black's own E6 leaves White's E5 in atari: Black as the engine
# adds 2.  r = White's E6, Black's D6, White's F5 plus Black's E6.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . X O . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 F5 D5 E6 [E6=r+2:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 F5 E7 E6 [E6=r+2:21]
ladder E5 [0]

[pin-k4-contact-cut-in-atari-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . X O . O . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 F5 D5 E6 [E6=r:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 F5 E7 E6 [E6=r:21]

[pin-k4-contact-cut-two-liberties-black]
# Without Black's E4, White's E5-E6 keeps two liberties (E4, F5) after
# Black's D6: White's reading stops there, White's E6 and D6 together give
# the bonus reading b, and twice the sum is below it: doubled.  Black's E6
# leaves E5 two liberties, no atari, and the value is not 4: 2r.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . X O . O . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r:21]

[pin-k4-contact-cut-two-liberties-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . X O . .
  . . . X O . O . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r/b-v:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r/b-v:21]

[pin-k4-contact-half-bonus-black]
# White's F4 below F5 and Black's B6 away: r is more than half of b, so
# twice r is not below b and nothing is doubled; the bonus b stays with
# the candidate for either side (only a doubled value drops it for Black).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . X . . . . . . .
  . . . X O . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=r/b:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=r/b:21]

[pin-k4-contact-half-bonus-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . X . . . . . . .
  . . . X O . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=r/b:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=r/b:21]

[pin-k4-contact-third-bonus-black]
# Black's C7 in place of B6: r is below half of b (but not below a third):
# doubled, Black keeps no bonus, White keeps b less the doubled value.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r:21]

[pin-k4-contact-third-bonus-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . X . X . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=2r/b-v:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=2r/b-v:21]

[pin-k4-contact-bonus-bound-black]
# Black's E4 below E5 and White's F7: twice r is exactly b, not below it:
# not doubled, the bonus stays.  Black's E6 leaves White's E5 in atari
# (F5 alone): Black adds 2.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=r+2/b:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=r+2/b:21]

[pin-k4-contact-bonus-bound-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 D6 E7 E6 D6 D5 E6 [E6=r/b:21]
call Kankei4Hokyo:pin E7 D5 E6 D6 D5 E6 D6 E7 E6 [E6=r/b:21]

[pin-k4-contact-o-laddered]
# Black's E4 and F6 leave White's E5 two liberties (E6, F5) and a ladder
# takes the chain (Black's F5 first), while White's F4, diagonal to E5,
# keeps its group from being dead ("status" below): O's ladder status
# alone stops the contact answer.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . X . . .
  . . . X O . . . .
  . . . . X O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 E6 [none]
call Kankei4Hokyo:pin E7 D5 E6 [none]
ladder E5 [1 F5]
status E5 [alive]

# --- The second pass: an attacker's stone outside a cutting point (outside pattern) ---
# Black's D5-E7, White's C6 outside the cutting point D6 (P1), White's D4
# below D5 and White's F5: after White's D6 and Black's E6, D5 (S) has two
# liberties, C5 and E5.  White's atari at C5 (joined to C6) leaves Black's
# extension at E5 a chain of many liberties: nothing.  White's atari at E5
# (joined to F5) is answered by Black's extension at C5, and D5-C5 with B5
# and C4 is caught by White's ladder, first move B5 ("ladder" below).  White's value of
# that ladder (D6, E6, E5, C5, B5) and its value when Black answers the
# ladder first and White then takes C5 (D6, E6, E5, B5, C5): the smaller
# counts.  White's cut read with Black's answer at Q = E5 and White's E6
# (D6, E5, E6, F6) is worth more than the ladder here, so it does not
# replace it.  r = Black's D6 plus that smaller value; not doubled (twice
# r is above the bonus reading b of White's D6 and E6), White as the
# engine keeps b as its bonus.  Named E7 D5 the same stones are read
# through the other end's cells.  The outside and far patterns mark their
# point P1 in the skip marks (LinkMark1 = 1; "Kankei4Hokyo:marks A B"),
# the contact pattern marks nothing.

[pin-k4-outside-ladder-black]
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 D6 E6 D5 D6 E7 D6 E6 E5 C5 B5 C6 D6 E6 E5 B5 C5 [D6=r:21]
call Kankei4Hokyo:pin E7 D5 D6 E6 E7 D6 D5 D6 E6 E5 C5 B5 C6 D6 E6 E5 B5 C5 [D6=r:21]
call Kankei4Hokyo:marks D5 E7 [D6=1]
call Kankei4Hokyo:marks E7 D5 [D6=1]

[pin-k4-outside-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 D6 E6 D5 D6 E7 D6 E6 E5 C5 B5 C6 D6 E6 E5 B5 C5 [D6=r/b:21]
call Kankei4Hokyo:pin E7 D5 D6 E6 E7 D6 D5 D6 E6 E5 C5 B5 C6 D6 E6 E5 B5 C5 [D6=r/b:21]

[pin-k4-outside-ladder-premise]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O O X . . . .
  . . X X O O . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
ladder C5 [1 B5]

[pin-k4-outside-no-ladder-black]
# Without White's D4, D5 keeps three liberties after White's D6 and Black's
# E6: no ladder is read, White's value is its D6 answered by E6.  The sum
# with Black's D6 is below 0, so below twice itself: doubled (2r) for
# either side, White's bonus then dropped.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 D6 E6 D5 D6 E7 D6 E6 [D6=2r:21]
call Kankei4Hokyo:pin E7 D5 D6 E6 E7 D6 D5 D6 E6 [D6=2r:21]

[pin-k4-outside-no-ladder-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . O . . . . . .
  . . . X . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call Kankei4Hokyo:pin D5 E7 D6 E6 D5 D6 E7 D6 E6 [D6=2r:21]
call Kankei4Hokyo:pin E7 D5 D6 E6 E7 D6 D5 D6 E6 [D6=2r:21]
call Kankei4Hokyo:marks D5 E7 [D6=1]
call Kankei4Hokyo:marks E7 D5 [D6=1]

# --- The second pass: an attacker's stone on the far line (far pattern) ---

[pin-k4-far-stone-black]
# shapes-wide.tst [knight-second-pass-far-stone]: Black's E7-F9 between two
# living groups, White's G7 (joined to the right) on the far line beyond
# F9 at E7's step: P1 = F8, P2 = E8, F = G9 empty.  r = White's F8 answered
# by E8 plus Black's own F8.  Black as the engine adds r as it is.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 F8 E8 F9 F8 E8 E7 F8 [F8=r:21]
call Kankei4Hokyo:marks E7 F9 [F8=1]
call Kankei4Hokyo:marks F9 E7 [F8=1]

[pin-k4-far-stone-white]
# White as the engine: r is 2 here, at most 2, so it is doubled; White's
# bonus is its two cuts F8 and E8 together (b).
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 F8 E8 F9 F8 E8 E7 F8 [F8=2r/b:21]

[pin-k4-far-stone-other-end-black]
# The other end: White's D9 (joined to the right) beyond E7's line at F9's
# step: P1 = E8, P2 = F8.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 E8 F8 F9 E8 F8 E7 E8 [E8=r:21]

[pin-k4-far-stone-other-end-white]
# White as the engine: r is below 2, doubled; the value is below 1, so the
# bonus b is cut to 9.
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 E8 F8 F9 E8 F8 E7 E8 [E8=2r/9:21]
call Kankei4Hokyo:marks E7 F9 [E8=1]

[pin-k4-far-two-stones-black]
# G7 and White's G9 at F (two White stones along the far line): White's
# F8 and E8 together (b) are worth more than twice r, so r is doubled for
# either side; White keeps b itself as its bonus, Black none.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X O . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 F8 E8 F9 F8 E8 E7 F8 [F8=2r:21]

[pin-k4-far-two-stones-white]
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . X O . . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 F8 E8 F9 F8 E8 E7 F8 [F8=2r/b:21]

[pin-k4-far-two-stones-other-end-black]
# The other end: White's D9 and D7 along the far line beyond E7.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X . O X . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 E8 F8 F9 E8 F8 E7 E8 [E8=2r:21]

[pin-k4-far-two-stones-other-end-white]
# White's value is below 1: its bonus b is cut to 9.
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . O O O O O O O O O O
  X X . O . X . . . . . O O
  X X . . . . . . . . . O O
  X X . O X . . . . . . O O
  X X X X X . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 E8 F8 F9 E8 F8 E7 E8 [E8=2r/9:21]

[pin-k4-far-large-black]
# The far stone G7 again, with Black's F10 and H9 around F9 and White's
# G10: Black's F9 chain matters more and r is large.  Black as the engine
# adds r as it is.
black to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . X O . . . . O O
  X X . . . X . X . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 F8 E8 F9 F8 E8 E7 F8 [F8=r:21]

[pin-k4-far-large-white]
# White as the engine: r above 2 counts one and a half times (r + r div 2),
# bonus b.
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . X O . . . . O O
  X X . . . X . X . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 F8 E8 F9 F8 E8 E7 F8 [F8=r*3/2/b:21]

[pin-k4-far-three-white]
# Black's G10 in place of White's: r is 3, one past the doubling bound:
# 3 + 1 = 4, not 6.
white to play
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . X X . . . . O O
  X X . . . X . X . . . O O
  X X . . . . . . . . . O O
  X X X X X . O . . . . O O
  X X . . . . O O O O O O O
  X X . . . . . . . . . O O
  . X . . . . . . . . . O .
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
  X X . . . . . . . . . O O
call Kankei4Hokyo:pin E7 F9 F8 E8 F9 F8 E8 E7 F8 [F8=r*3/2/b:21]

[pin-k4-far-eye-and-a-half-black]
# Black's knight's move E2-G3 (box E2 E3 / F2 F3 / G2 G3).  E2 belongs to
# Black's A2-E2, A1, E1 round the straight three B1-C1-D1, shut in by
# White's A3-D3 and A4-E4, with White's H1-H4 closing the space to the
# right: one eye and a vital point, eye value 3 ("GunMe"), the least the
# far pattern takes.  White's E4 (joined to the row-5 wall, alive) stands
# on the far line beyond G3's line at E2's step: P1 = F3, P2 = F2, F = G4
# empty.  r = White's F3 answered at F2 plus Black's own F3; Black adds it
# as it is.  Named G3 E2 the knight's move is read from its other end (G3
# is in E2's group through the link) with the same answer.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  O O O O O . . O .
  O O O O . . X O .
  X X X X X . . O .
  X . . . X . . O .
call GunMe E2 [3]
call Kankei4Hokyo:pin E2 G3 F3 F2 G3 F3 F2 E2 F3 [F3=r:21]
call Kankei4Hokyo:pin G3 E2 F3 F2 E2 F3 F2 G3 F3 [F3=r:21]

[pin-k4-far-eye-and-a-half-white]
# White as the engine: r is at most 2 (below 0), doubled; its bonus, White's
# F3 and F2 together, is not above 0: none.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  O O O O O . . O .
  O O O O . . X O .
  X X X X X . . O .
  X . . . X . . O .
call Kankei4Hokyo:pin E2 G3 F3 F2 G3 F3 F2 E2 F3 [F3=2r:21]
call Kankei4Hokyo:pin G3 E2 F3 F2 E2 F3 F2 G3 F3 [F3=2r:21]

[pin-k4-far-eye-and-a-half-two-stones-black]
# White's G4 at F as well (two White stones along the far line): White's
# F3 and F2 together (not above 0 here) are still above twice r (below
# them): doubled for either side; no bonus above 0 to keep.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  O O O O O O O O O
  O O O O O . O O .
  O O O O . . X O .
  X X X X X . . O .
  X . . . X . . O .
call Kankei4Hokyo:pin E2 G3 F3 F2 G3 F3 F2 E2 F3 [F3=2r:21]
call Kankei4Hokyo:pin G3 E2 F3 F2 E2 F3 F2 G3 F3 [F3=2r:21]

# --- The reinforcement stage: the contact answer on a knight's move ---
# Two living groups on 13x13 as in shapes-second.tst: Black's E7 (joined to
# the left group along row 7) and F9, White's F7 touching E7 on F9's line:
# P1 = F8, P2 = E8, F = G9 (three empty neighbours: White's hane there is
# read), E = G7, N = G8, T = H7 beyond G7.  White's reading: F8, Black's E8,
# White's G9; Black's own: F8, then as the rows say.  The sum is above 3
# in every row here, so it is added as it is.

[pin-hokyo-o-atari-black]
# Black's F6 leaves White's F7 (linked to White's G6 and the right group)
# two liberties, F8 and G7: after Black's F8 it is in atari and White
# extends at G7 before Black's value is read (Black F8, White G7).
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . . . . O O O
  X X X X X O . . . . O O O
  X X . . . X O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 E7 F8 G7 [F8=r:22]

[pin-hokyo-o-atari-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . . . . O O O
  X X X X X O . . . . O O O
  X X . . . X O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 E7 F8 G7 [F8=r:22]

[pin-hokyo-o-free-black]
# Without Black's F6, White's F7 keeps three liberties after Black's F8:
# no extension is read, Black's value is its F8 alone (T = H7 is empty, so
# Black's G7 is not read either).
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . . . . O O O
  X X X X X O . . . . O O O
  X X . . . . O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 E7 F8 [F8=r:22]

[pin-hokyo-t-black]
# White's H7 at T (beyond G7 from F7) instead of G6, F7 a single stone with
# three liberties: Black as the engine reads its F8 and then its G7 as
# well, which shuts F7 in with one liberty left, a value of 9 or more held
# at 8: White's reading plus 8.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . . . . O O O
  X X X X X O . O . . O O O
  X X . . . . . O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 [F8=r+8:22]

[pin-hokyo-t-white]
# White as the engine: Black's value is its F8 alone.
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . . . . O O O
  X X X X X O . O . . O O O
  X X . . . . . O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 E7 F8 [F8=r:22]

[pin-hokyo-t-two-stones-black]
# White's F6 joins F7: O's chain has two stones, Black's G7 is not read:
# Black's F8 alone.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . . . . O O O
  X X X X X O . O . . O O O
  X X . . . O . O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 E7 F8 [F8=r:22]

[pin-hokyo-beside-white-black]
# shapes-second.tst's rows of the same names: White's hane at G9 is read
# (two empty neighbours and White's G10); the sum is above 3: as it is.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . O . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 E7 F8 [F8=r:22]

[pin-hokyo-beside-white-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . O . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 G9 E7 F8 [F8=r:22]

[pin-hokyo-beside-black-black]
# Black's G10: no hane, White's reading F8 and E8; the sum is 4, one
# above 3: as it is.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . X . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 E7 F8 [F8=r:22]

[pin-hokyo-beside-black-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . X . . . O O O
  X X . . . X . . . . O O O
  X X . . . . . O . . O O O
  X X X X X O . . . . O O O
  X X . . . O O O O O O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 F8 F9 F8 E8 E7 F8 [F8=r:22]

[pin-hokyo-other-end-black]
# White's E9 touches F9: P1 = E8, the hane at D7 is read; the sum is 1:
# doubled.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 E8 F9 E8 F8 D7 E7 E8 [E8=2r:22]

[pin-hokyo-other-end-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 E8 F9 E8 F8 D7 E7 E8 [E8=2r:22]

[pin-hokyo-other-end-beside-white-black]
# White's C7 beside D7: the hane is read; the sum is 4: as it is.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X O . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 E8 F9 E8 F8 D7 E7 E8 [E8=r:22]

[pin-hokyo-other-end-beside-white-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X O . X . . . . . O O O
  X X . . X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 E8 F9 E8 F8 D7 E7 E8 [E8=r:22]

[pin-hokyo-other-end-beside-black-black]
# Black's D6 below D7: no hane; the sum is -2, doubled to -4.
black to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . X X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 E8 F9 E8 F8 E7 E8 [E8=2r:22]

[pin-hokyo-other-end-beside-black-white]
white to play
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  . X . . . . . . . . O O .
  X X . . O O O O O O O O O
  X X . . O X . . . . O O O
  X X . . . . . . . . O O O
  X X . . X . . . . . O O O
  X X . X X . . . . . O O O
  X X X X X . . . . . O O O
  . X . . . . . . . . O O .
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
  X X . . . . . . . . O O O
call KeimaHokyo:pin E7 F9 E8 F9 E8 F8 E7 E8 [E8=2r:22]

# Group relations of pairs of opposite colours: the branches that leave a
# pair alone, the second look along the side of an adjacent pair (the try
# one line out), the block at the crossing point of a diagonal pair.  The
# value of a try is both sides' play at its point: "call ... :read A B M...
# A N..." sums the reading M... of B's colour and N... of A's colour.

[group-contact-side-try-beside-a]
# Black's D2 and White's E2 touching on the second line.  On the edge side
# nothing is read (first line); on the other, White's E4 two lines out
# beside its own E2 spoils the extensions, and with nothing of Black's behind
# D2 on the far lines the point beside Black's stone one line out, D3, is
# worth a try: both sides' play there, under the group relation reason.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 D3 D2 D3 [D3=r:18]

[group-contact-side-try-beside-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 D3 D2 D3 [D3=r:18]

[group-contact-side-try-reversed]
# The same with the colours exchanged (White's D2 is A): the try at D3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 D3 D2 D3 [D3=r:18]

[group-contact-side-try-reversed-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . . . . . .
  . . . O X . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 D3 D2 D3 [D3=r:18]

[group-contact-side-try-other-way]
# Black's F2 with White's E2 on its left and White's D4 two out beside E2:
# the try beside Black's stone, F3.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
call GunKankei1Utu:read F2 E2 F3 F2 F3 [F3=r:18]

[group-contact-side-try-other-way-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
call GunKankei1Utu:read F2 E2 F3 F2 F3 [F3=r:18]

[group-contact-side-try-column]
# The pair on the second column: Black's B4 under White's B5, White's D5
# two out beside B5: the try at C4.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read B4 B5 C4 B4 C4 [C4=r:18]

[group-contact-side-try-column-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . O . O . . . . .
  . X . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei1Utu:read B4 B5 C4 B4 C4 [C4=r:18]

[group-contact-side-try-both-two-out]
# As the first with Black's D4 as well: both points two lines out hold
# stones, no try.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 [none]

[group-contact-side-try-both-two-out-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 [none]

[group-contact-side-try-black-beyond]
# As the first with Black's F4 two out beyond White's stone: no try.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 [none]

[group-contact-side-try-black-beyond-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 [none]

[group-contact-side-try-black-three-out-beside-b]
# As the first with Black's E5 three lines out beside White's E2: only
# Black's stones behind D2 (C3, C4, D4, C5, D5) stop the try, so D3 is
# still tried.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 D3 D2 D3 [D3=r:18]

[group-contact-side-try-black-three-out-beside-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 D3 D2 D3 [D3=r:18]

[group-contact-side-try-black-three-out-behind-a]
# As the first with Black's C5 three lines out behind D2: Black already
# reaches that side, no try.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 [none]

[group-contact-side-try-black-three-out-behind-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . X . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X O . . . .
  . . . . . . . . .
call GunKankei1Utu:read D2 E2 [none]

[group-diagonal-block-both]
# Black's D4 and White's E5 diagonal.  White's D3 under D4 and Black's F5
# beside E5 leave each stone three liberties, and behind each stone away
# from the crossing point E4 (C4 behind D4, E6 behind E5) the point is open
# with three empty neighbours: each side blocks at the crossing point D5,
# no ladder on the other stone (three liberties).  The value is Black's
# evaluation after D5 plus White's after D5, at D5 for either side.  The
# other crossing, E4, is not read: Black's F5 stands beyond it.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:ogeima-read D4 E5 D5 D4 D5 [D5=r:18]

[group-diagonal-block-both-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:ogeima-read D4 E5 D5 D4 D5 [D5=r:18]

[group-diagonal-block-both-white-first]
# The same pair taken from White's E5: the crossing E4 is skipped for
# White's D3 beyond it, D5 is read as before.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:ogeima-read E5 D4 D5 E5 D5 [D5=r:18]

[group-diagonal-block-both-white-first-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O X . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei2Utu:ogeima-read E5 D4 D5 E5 D5 [D5=r:18]

[group-knight-attacker-behind-a]
# Black's D4 and White's E6 a knight's move apart with White's D3 behind
# D4 on its line: the pattern leaves the pair alone (without D3 both sides
# get their points, F4/F5 and C6).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D4 E6 D5 [none]

[group-knight-attacker-behind-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . O . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D4 E6 D5 [none]

[group-knight-owner-behind-b]
# As above without D3 but with Black's E7 behind White's E6: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D4 E6 D5 [none]

[group-knight-owner-behind-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . X . . . .
  . . . . O . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei4Utu:at D4 E6 D5 [none]

[group-twotwo-pair-floored]
# White's D4 and Black's F6 a (2,2) diagonal apart, White's F4 on one
# corner, read in pair mode (as the weak-group generator does) with the
# group floor set above any evaluation: the pair D6/E6 of the side read
# carries the value 0.
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . X . . .
  . . . . . . . . .
  . . . O . O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call GunKankei5Utu:ogeima-pair-floored D4 F6 [D6/E6=0]

[group-two-space-second-line-blocked-a]
# Black's C2 and White's F2 two spaces apart on the second line, Black's
# D3 above the gap point D2: the side above is closed and D2 keeps two empty
# neighbours, so the second-line pattern stops (without D3 it proposes E2
# for Black and D2 for White, four fifths of both sides' play).
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:read C2 F2 [none]

[group-two-space-second-line-blocked-a-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X . . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:read C2 F2 [none]

[group-two-space-second-line-blocked-b]
# As above with White's E3 above E2 instead: nothing.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:read C2 F2 [none]

[group-two-space-second-line-blocked-b-white]
white to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . O . . . .
  . . X . . O . . .
  . . . . . . . . .
call GunKankei6Utu:read C2 F2 [none]

[group-three-space-weak-open]
# Black's E7 and White's J7 a three-space jump apart on 13x13 for a weak
# group, nothing around: the middle gap G7 is tried, both sides' play
# there.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 G7 E7 G7 [G7=r:18]

[group-three-space-weak-open-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 G7 E7 G7 [G7=r:18]

[group-three-space-white-above-a]
# As above with White's E8 beside Black's E7: the jump is White's to
# press, no pattern.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . O . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-white-above-a-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . O . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-white-below-a]
# White's E6 beside Black's E7 instead: nothing.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . O . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-white-below-a-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . O . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-black-above-b]
# Black's J8 beside White's J7: nothing.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-black-above-b-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . X . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-black-below-b]
# Black's J6 beside White's J7: nothing.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-black-below-b-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . X . . . O . . . .
  . . . . . . . . X . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 [none]

[group-three-space-white-beside-b]
# White's own J8 beside J7 does not stop it: the middle G7 is tried as in
# the open row.
black to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . O . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 G7 E7 G7 [G7=r:18]

[group-three-space-white-beside-b-white]
white to play
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . O . . . .
  . . . . X . . . O . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
  . . . . . . . . . . . . .
call GunKankei10Utu:weak E7 J7 G7 E7 G7 [G7=r:18]


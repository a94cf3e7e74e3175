# The weak pair's contact: the relation pattern of two adjacent stones runs
# with the enemy stone first.
#
#   call WeakGunPair:cover V W   (generators-cover.tst) the engine's weak
#       group at V against the enemy group at W: the candidates by their
#       points

[weak-pair-runs-the-contact-pattern]
# The position of group-contact-lone-stone-beside-own
# (shapes-gunkankei-pin5.tst): Black's lone D5, the engine's, against
# White's E5-F5, Black to play.  Black's D5 touches White's E5 (kind 1): the
# contact pattern runs with (E5, D5), the enemy stone first.  Both sides of
# the pair are open on the fourth line with the points two out empty and
# alone, no atari either way; Black's stone is alone and White's chain has
# more than three liberties, so Black plays beside its own stone: D6 above
# and D4 below, as that row gives them.
black to play
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . X O O . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
  . . . . . . . . .
call WeakGunPair:cover D5 E5 [D4 D6]

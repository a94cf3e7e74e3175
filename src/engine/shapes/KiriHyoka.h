// The value of a cut and of a double atari.
//
// KiriHyoka is the reading that every generator considering a cut of a
// diagonal link asks: what is it worth to c to play at the cutting point
// between two of the other colour's stones, after their owner's best reply?
// The diagonal, knight's-move and (1,3) handlers, the jump-link handlers, the
// chain tactics and the peeps call it.  RyoAtariHyoka values a double atari,
// CommonDame finds the shared liberty it plays, and EmptyThink is a step of
// the third stage that chooses among the candidates gathered so far.
//
// The readings open one look-ahead level above the caller's and leave every
// board, the level and the chains as they found them.
#pragma once

#include "board/Point.h"

namespace vorn {

class TRen;

// The value for c (a Hyoka-scale number) of cutting at `cut` between the
// other colour's stones a and b, a diagonal pair whose other crossing point
// holds a stone (normally c's); -1 when the cut does not work: illegal, a
// self-atari that captures nothing, a cutter or second cutting stone caught
// by a ladder or left in atari (a ko capture excepted).
int KiriHyoka(int c, Point cut, Point a, Point b);

// The value for the owner of the stone at p of a double atari on the two
// enemy chains with two liberties next to its chain; -1 when there is none
// or inside the root look-ahead.
int RyoAtariHyoka(Point p);

// The first liberty of r1 (in r1's liberty order) that is also a liberty of
// r2; (0, 0) when none (or a chain is missing).
Point CommonDame(TRen* r1, TRen* r2);

// Stage 3: the best candidate gathered so far at 160; (0, 0) when the table
// is empty.  It sets no reason code of its own.
void EmptyThink(Point& out);

} // namespace vorn

// Shape moves on the links of the engine's groups and beside one-space
// relations facing the opponent.
//
// WeakGunKankeiThink (stage 3) and IkiGunKankeiThink (stage 4) walk the
// one-space jumps of the engine's weak groups and of its groups that already
// live by their eyes, and propose the move two lines out beside the gap
// (reason 15).  Kankei34Think (stage 3, reason 18) looks at every stone
// facing an opponent's stone across an empty one-space gap, and at every
// linked knight's move of either colour: the approach beside the
// opponent's stone, and the push beside the knight's move.
//
// A one-space jump A-G-B is read one side at a time, the low side (smaller
// coordinates across the line) first, then the high side:
//
//     A2  G2  B2      two lines out
//     A1  G1  B1      one line out, on the side under test
//     A   G   B       the jump
//     A1' G1' B1'     one line out, on the other side
//
// Every candidate is the engine's move, whichever colour owns the link.
// The stage routines stand down inside the root look-ahead; every reading
// takes back what it played.
#pragma once

#include "board/Point.h"

namespace vorn {

class TGun;

// Stage 3: the one-space jumps of the engine's weak groups (eye value below
// 4 and not safe from death, or weak by their shape); the best candidate of
// the table at 160, (0, 0) when it is empty.
void WeakGunKankeiThink(Point& out);
// Stage 4: the same for the engine's groups with eye value 4 or more.
void IkiGunKankeiThink(Point& out);
// Stage 3: one-space relations facing the opponent and linked knight's
// moves of either colour; selects at 160.
void Kankei34Think(Point& out);

// The linked one-space jumps of g's stones, in board order.
void GunKankeiScan(const TGun& g);
// A one-space jump of the engine's group, both sides (once per pair).
void GunIkkenUtu(Point a, Point b);
// A stone and the opponent's stone facing it across the gap.
void IkkenAiteUtu(Point a, Point b);
// A linked knight's move with the opponent's stone at one end's outside.
void KeimaOsiUtu(Point a, Point b);

// The points of one side of a one-space jump.
struct TIkkenSide {
    Point A, G, B;
    Point A1, G1, B1;    // one line out
    Point A2, G2, B2;    // two lines out
    Point A1o, G1o, B1o; // one line out on the other side
};
// Side 0 (low) or 1 (high) of the jump from a to b.
TIkkenSide IkkenSideOf(Point a, Point b, int side);

// The side routines.
void GunIkkenSotoUtu(const TIkkenSide& s);
void GunIkkenSotoYomi(const TIkkenSide& s);
void IkkenAiteSideUtu(const TIkkenSide& s);
void IkkenAiteLoneUtu(const TIkkenSide& s);

} // namespace vorn

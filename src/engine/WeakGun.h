// Weak groups: the first generator of stage 3 proposes, for every weak group
// of either colour, moves that strengthen or attack it (reason kkWeakGun).
//
// A weak group that touches weak enemy groups is handled as a pair, once,
// through the group-relation patterns on the stones where the two meet.  A
// lone weak group goes through six steps in a fixed order (its pending
// capture threats, its links, its two-space extensions, its relation
// patterns, its wider links, its extensions) until one of them yields a
// candidate of score 260 or more.
//
// The unit also keeps the pair table in which the group-relation patterns
// record (Black's move, White's move, value) while the weak-group generator
// collects them, and the extension routines that the link generators call.
//
// "Weak" here is wider than TGun::IsWeak: a group without two eyes (eye value
// below 4) counts as soon as its death level is above 0.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGun;

constexpr int kMaxGunKankeiPair = 20;

// The pattern pair table: per entry the move for Black, the move for White and
// a value.  It lives only while WeakGunKankeiMoves runs the patterns.
struct TGunKankeiPairTable {
    Arr<Point, 1, kMaxGunKankeiPair> Kuro{};
    Arr<Point, 1, kMaxGunKankeiPair> Siro{};
    Arr<int, 1, kMaxGunKankeiPair> Value{};
};
extern TGunKankeiPairTable GunKankeiPair;
extern int GunKankeiPairCount;
// 1 while the group-relation patterns record pairs instead of candidates.
extern std::uint8_t GunKankeiPairMode;

// Records a pattern's pair: colour's move p1, the other colour's p2.  A full
// table ignores the call.
void AddKohoPair(int colour, Point p1, Point p2, int value);

// A group that the weak-group generator works on.
bool IsWeakGunTarget(const TGun& g);

// --- The generator and its treatments ---------------------------------------------

// Stage-3 generator: every weak group of the game board; selects at 160.
void WeakGunThink(Point& out);
// The six steps of a weak group that no weak enemy group touches.
void WeakGunSingle(const TGun& g);
// Our weak group g against the weak enemy group h that touches it.
void WeakGunPair(const TGun& g, const TGun& h);
// The pending capture threats (pair kinds 20 and above) inside the area of
// the group last marked in KohoTeMap, under reason kkToru.
void WeakGunPairAnswer(const TGun& g);
// The pending link threats inside that area: mode 1 the kinds up to 7,
// mode 2 the kinds from 8.
void PairAnswerRange(int mode);

// --- Move finders of the steps --------------------------------------------------

// Two-space extensions along the third line.
void WeakGunNiken(const TGun& g);
// Extensions by one-space jumps, knight's moves and two-space jumps; out is
// the best extension found ((0, 0) when none).  With noAdd set nothing is
// added.
void WeakGunHirogeru(const TGun& g, int noAdd, Point& out);
// The group-relation patterns of the group's stones, collected as pairs and
// kept when our move there leaves the group no longer weak.
void WeakGunKankeiMoves(const TGun& g);
// One-space jumps toward a living group of the same colour; true when one
// was added.
bool GunIkkenNigeru(const TGun& g);

// --- For the link generators ----------------------------------------------------

// The first clear two-space extension along the third line; (0, 0) when none.
void GunNikenHirogeru(const TGun& g, Point& out);
// The opponent's evaluation after the group's first open one-space jump (or
// of the position itself when it has none).
int GunIkkenHyoka(const TGun& g);
// The group's best open extension by its own evaluation; (0, 0) when none.
void GunHirogeruBest(const TGun& g, Point& out);

// Back to start-up values.
void WeakGunReset();

} // namespace vorn

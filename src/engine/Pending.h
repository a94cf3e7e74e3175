// Calls into units that are not in the program yet.  Each does nothing until
// its unit lands (a generator with an out point leaves (0, 0) there, so its
// stage yields nothing); the unit's author then deletes the no-op from
// Pending.cpp and moves the declaration to the unit's own header.
#pragma once

#include <cstdint>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGun;

// --- Generators, by stage --------------------------------------------------------
// Stage 3.
void WeakGunKankeiThink(Point& out);
void Kankei34Think(Point& out);
void JiUtikomiThink();
void AiteKankeiThink();
void GunKankeiThink(int n, Point& out);
// Stage 4.
void IkiGunKankeiThink(Point& out);
// Stages 6 and 7.
void Kankei6Think(Point& out);

// --- Called by generators -----------------------------------------------------------
// A two-space extension along line 3 from the group of a stone on line 3, or a
// jump to line 5, where nothing stands within three lines; (0, 0) when none.
void HirakiTobiTe(Point stone, Point& out);
// The group-relation patterns of every stone of a group (n: the least value
// a pattern keeps).  While GunKankeiPairMode is 1 they record pairs with
// AddKohoPair instead of adding candidates.
void KankeiGunUtu(const TGun& g, int n);
// The patterns of one relation between the related point a and our stone b,
// by relation kind; weak is passed as 1 by the weak-group generator.
void GunKankei1Utu(Point a, Point b);
void GunKankei2Utu(Point a, Point b);
void GunKankei3Utu(Point a, Point b, int weak);
void GunKankei4Utu(Point a, Point b);
void GunKankei5Utu(Point a, Point b);
void GunKankei6Utu(Point a, Point b);
void GunKankei7Utu(Point a, Point b, int weak);
void GunKankei8Utu(Point a, Point b);

} // namespace vorn

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
struct TKankeiBox;
class TGun;

// --- Relation handlers of the link generators ----------------------------------
// A is the stone whose relation to its partner B is threatened (B may lie on
// the border line for a link to the edge).  They add candidates and prepared
// answers under the current reason code and select nothing.
// Pattern families of the knight's move (engine/shapes/Keima.h routes to
// them): a stone of the attacker on a middle point of the box r, and stones
// of the attacker just outside it (d: the outer lines, dc their colours).
void KeimaWarikomi(std::span<const Point> r, std::span<const std::uint8_t> c, int att);
void KeimaSotoNaka(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
void KeimaSotoHane(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
void KeimaSotoHaneSicho(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc,
                        int att);
void KeimaSotoTuke(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
// Relation moves run at the end of the pair answers (reason 5); selects at
// 160 into out.
void Kankei4Think(Point& out);

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

#include "engine/Pending.h"

#include "board/Gun.h"
#include "engine/Hyoka.h"
#include <algorithm>

#include "engine/Koho.h"

namespace vorn {

// Not in the program yet: each of these does nothing, and every out point is
// left at (0, 0), except that a stage generator still selects from the
// candidate table at its threshold, as the driver expects of it.

void WeakGunKankeiThink(Point& out) { SelectIfAny(kSelectMiddle, out); }
void Kankei34Think(Point& out) { SelectIfAny(kSelectMiddle, out); }
void JiUtikomiThink() {}
void AiteKankeiThink() {}
void GunKankeiThink(int n, Point& out) { SelectIfAny(std::max(kSelectMiddle, 10 * n), out); }
void IkiGunKankeiThink(Point& out) { SelectIfAny(kSelectMiddle, out); }
void Kankei6Think(Point& out) { SelectIfAny(kSelectLow, out); }

void HirakiTobiTe(Point, Point& out) { out = Point{}; }
void KankeiGunUtu(const TGun&, int) {}
void GunKankei1Utu(Point, Point) {}
void GunKankei2Utu(Point, Point) {}
void GunKankei3Utu(Point, Point, int) {}
void GunKankei4Utu(Point, Point) {}
void GunKankei5Utu(Point, Point) {}
void GunKankei6Utu(Point, Point) {}
void GunKankei7Utu(Point, Point, int) {}
void GunKankei8Utu(Point, Point) {}

} // namespace vorn

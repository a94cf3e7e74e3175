#include "engine/Pending.h"

#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/links/KankeiBox.h"
#include <algorithm>

#include "engine/Koho.h"

namespace vorn {

// Not in the program yet: each of these does nothing, and every out point is
// left at (0, 0), except that a stage generator still selects from the
// candidate table at its threshold, as the driver expects of it.

int KouDateCount = 0;
int KouDateValue = 0;

void Kankei5Utu(Point, Point) {}
void Kankei7Utu(Point, Point) {}
void Kankei8Utu(Point, Point) {}
void Kankei10Utu(Point, Point) {}
void Kankei11Utu(Point, Point) {}
void Kankei13Utu(Point, Point) {}
void IkkenEdgeTuke(TKankeiBox) {}
void IkkenEdgeTukeYomi(TKankeiBox) {}
void Kankei6EdgeUtu(Point, Point) {}

void SikatuUrgentThink(Point& out) { out = Point{}; }
void SikatuThink() {}
void SemeaiThink() {}
void WeakGunKankeiThink(Point& out) { SelectIfAny(kSelectMiddle, out); }
void Kankei34Think(Point& out) { SelectIfAny(kSelectMiddle, out); }
void JiUtikomiThink() {}
void AiteKankeiThink() {}
void GunKankeiThink(int n, Point& out) { SelectIfAny(std::max(kSelectMiddle, 10 * n), out); }
void Center19Think(Point& out) { out = Point{}; }
void KouThink(Point& out) { out = Point{}; }
void IkiGunKankeiThink(Point& out) { SelectIfAny(kSelectMiddle, out); }
void KankeiHokyo(int, Point& out) { SelectIfAny(kSelectLow, out); }
void Kankei6Think(Point& out) { SelectIfAny(kSelectLow, out); }
void KeimaOgeimaHokyo(Point& out) { SelectIfAny(kSelectLow, out); }
void KeimaHokyo(Point& out) { SelectIfAny(kSelectLow, out); }

void HirakiTobiTe(Point, Point& out) { out = Point{}; }
void NikenUtikomiThink() {}
void KankeiGunUtu(const TGun&, int) {}
void GunKankei1Utu(Point, Point) {}
void GunKankei2Utu(Point, Point) {}
void GunKankei3Utu(Point, Point, int) {}
void GunKankei4Utu(Point, Point) {}
void GunKankei5Utu(Point, Point) {}
void GunKankei6Utu(Point, Point) {}
void GunKankei7Utu(Point, Point, int) {}
void GunKankei8Utu(Point, Point) {}

void Sakiyomi(Point p, Point& out) { out = p; }
void KouDate(int, Point& out)
{
    out = Point{};
    KouDateValue = 0;
}

void KouKatachiAnswer() {}

} // namespace vorn

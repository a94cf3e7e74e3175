#include "engine/Pending.h"

#include "engine/links/KankeiBox.h"

namespace vorn {

// Not in the program yet: each of these does nothing, and every out point is
// left at (0, 0).

void NozokiCheck() {}
Arr<Grid<std::uint8_t, 1, 19>, 1, 2> NozokiMap{};
int KouDateCount = 0;
int KouDateValue = 0;
std::uint8_t GunKankeiPairMode = 0;

void Kankei5Utu(Point, Point) {}
void Kankei6Utu(Point, Point) {}
void Kankei7Utu(Point, Point) {}
void Kankei8Utu(Point, Point) {}
void Kankei10Utu(Point, Point) {}
void Kankei11Utu(Point, Point) {}
void Kankei13Utu(Point, Point) {}
void IkkenWarikomi(TKankeiBox) {}
void IkkenNozoki(TKankeiBox) {}
void IkkenNozokiSoto(TKankeiBox) {}
void IkkenKado1(TKankeiBox) {}
void IkkenEdgeRenraku(Point, Point) {}
void KeimaWarikomi(std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoNaka(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoHane(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoHaneSicho(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoTuke(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void Kankei4Think(Point& out) { out = Point{}; }

void SikatuUrgentThink(Point& out) { out = Point{}; }
void SikatuThink() {}
void NozokiThink(Point& out) { out = Point{}; }
void SemeaiThink() {}
void WeakGunThink(Point& out) { out = Point{}; }
void WeakGunKankeiThink(Point& out) { out = Point{}; }
void Kankei34Think(Point& out) { out = Point{}; }
void JiUtikomiThink() {}
void AiteKankeiThink() {}
void GunKankeiThink(int, Point& out) { out = Point{}; }
void Center19Think(Point& out) { out = Point{}; }
void KouThink(Point& out) { out = Point{}; }
void IkiGunKankeiThink(Point& out) { out = Point{}; }
void JiThink(Point& out) { out = Point{}; }
void GunJiThink(Point& out) { out = Point{}; }
void KankeiHokyo(int, Point& out) { out = Point{}; }
void Kankei6Think(Point& out) { out = Point{}; }
void KeimaOgeimaHokyo(Point& out) { out = Point{}; }
void KeimaHokyo(Point& out) { out = Point{}; }
void LastThink(Point& out) { out = Point{}; }
void YoseThink(Point& out) { out = Point{}; }

void GunHirogeruBest(const TGun&, Point& out) { out = Point{}; }
void GunNikenHirogeru(const TGun&, Point& out) { out = Point{}; }
void HirakiTobiTe(Point, Point& out) { out = Point{}; }
void NikenUtikomiThink() {}

void KosumiKankeiUtu(Point& out) { out = Point{}; }
void Sakiyomi(Point p, Point& out) { out = p; }
void KouDate(int, Point& out)
{
    out = Point{};
    KouDateValue = 0;
}

void KouKatachiAnswer() {}

} // namespace vorn

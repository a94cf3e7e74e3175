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
void Kankei11Utu(Point, Point) {}
void Kankei13Utu(Point, Point) {}
void KeimaWarikomi(std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoNaka(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoHane(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoHaneSicho(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void KeimaSotoTuke(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int) {}
void Kankei4Think(Point& out) { out = Point{}; }

void SikatuUrgentThink(Point& out) { out = Point{}; }
void SikatuThink() {}
void SemeaiThink() {}
void Center19Think(Point& out) { out = Point{}; }
void KouThink(Point& out) { out = Point{}; }
void KankeiHokyo(int, Point& out) { SelectIfAny(kSelectLow, out); }
void KeimaOgeimaHokyo(Point& out) { SelectIfAny(kSelectLow, out); }
void KeimaHokyo(Point& out) { SelectIfAny(kSelectLow, out); }

void NikenUtikomiThink() {}

void Sakiyomi(Point p, Point& out) { out = p; }
void KouDate(int, Point& out)
{
    out = Point{};
    KouDateValue = 0;
}

void KouKatachiAnswer() {}

} // namespace vorn

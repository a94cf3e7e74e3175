#include "engine/Pending.h"

#include "engine/links/KankeiBox.h"

namespace vorn {

// Not in the program yet: each of these does nothing, and every out point is
// left at (0, 0).

int KouDateCount = 0;
int KouDateValue = 0;
std::uint8_t GunKankeiPairMode = 0;

void KosumiRenraku(Point, Point) {}
void KeimaRenraku(Point, Point) {}
void Kankei5Utu(Point, Point) {}
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
void Kankei6EdgeUtu(Point, Point) {}
void Kankei4Think(Point& out) { out = Point{}; }

void SikatuUrgentThink(Point& out) { out = Point{}; }
void SikatuThink() {}
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

void HirakiTobiTe(Point, Point& out) { out = Point{}; }
void NikenUtikomiThink() {}

void Sakiyomi(Point p, Point& out) { out = p; }
void KouDate(int, Point& out)
{
    out = Point{};
    KouDateValue = 0;
}

void KouKatachiAnswer() {}
int KeimaTukeUtu(Point, Point) { return 0; }

} // namespace vorn

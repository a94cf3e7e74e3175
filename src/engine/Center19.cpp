#include "engine/Center19.h"

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn {

namespace {

// The square of the centre scans.
constexpr int kCenterLow = 5;
constexpr int kCenterHigh = 15;

// One scan of the open centre: every empty point of the square whose nearest
// opponent stone is of kind `nearest`, with no own stone of kind `ownBound` or
// closer and with at least two own stones in relation.  The diagonal scan
// (nearest 2) also wants two of those own stones far enough apart to work
// together, and leaves the points the link handlers have dealt with.
void CenterScan(int nearest, int ownBound)
{
    const TGoban& b = *GobanLv[0];
    const bool kosumi = nearest == KankeiNaname;
    for (int y = kCenterLow; y <= kCenterHigh; ++y)
        for (int x = kCenterLow; x <= kCenterHigh; ++x) {
            const Point p(x, y);
            if (!b.OnBoardPt(p) || b.GetIroPt(p) != kAki || (kosumi && LinkMark1[x][y] != 0))
                continue;
            const TLocate& loc = b.GetLocatePt(p);
            if (loc.HasKankeiLE(ownBound, JibunIro))
                continue;
            Arr<Point, 1, kMaxKankei> points;
            Arr<int, 1, kMaxKankei> kinds;
            const int aite = loc.GetIroPointsKinds(AiteIro, points, kinds);
            if (MinInt(kinds, aite) != nearest)
                continue;
            const int own = loc.GetIroPointsKinds(JibunIro, points, kinds);
            if (own < 2)
                continue;
            if (kosumi) {
                Arr<Point, 1, kMaxKyoriPairs> firsts, seconds;
                if (KyoriPairs(points, kinds, own, firsts, seconds) == 0)
                    continue;
            }
            AddKohoTryKakari(p);
        }
}

} // namespace

void Center19Think(Point& out)
{
    KohoKind = kkCenter19;
    out = Point{};
    if (BoardSize != 19)
        return;
    Center19Kosumi();
    Center19Ikken();
    Center19Ren2();
    SelectIfAny(kSelectHigh, out);
}

void Center19Kosumi() { CenterScan(KankeiNaname, KankeiTonari); }

void Center19Ikken() { CenterScan(Kankei1ken, Kankei2ken); }

void Center19Ren2()
{
    ForEachRen(2, [](TRen* r) {
        if (r->IsiCount() != 1)
            return;
        const Point stone = r->GetIsi(1);
        const TGun* g = GunAt(stone);
        if (g == nullptr || g->IsDeath90() == 1)
            return;
        const int c = r->GetIro(), o = Aite(c);
        // An opponent chain around the stone is in atari: the fight is elsewhere.
        int around[4] = {};
        const int n = ListAroundRen8(stone, o, around);
        for (int k = 0; k < n; ++k) {
            const TRen* m = CurGoban().RenList.Items(around[k]);
            if (m != nullptr && m->Kuu() == 1)
                return;
        }
        const Point kuu[2] = {r->GetKuu(1), r->GetKuu(2)};
        for (int i = 0; i < 2; ++i) {
            const Point l = kuu[i], other = kuu[1 - i];
            if (EmptyNeighbours(l) != 3)
                continue;
            // o ataris from l, c extends at the other liberty.
            int a = 0;
            {
                TYomiTrial t;
                if (!t.Play(o, l) || !t.Play(c, other))
                    continue;
                a = Hyoka(o);
            }
            if (a < 0)
                continue;
            const int b = UtuHyoka(c, l);
            if (b >= 0)
                AddKoho(l, a + b, 0);
        }
    });
}

int MinInt(const Arr<int, 1, kMaxKankei>& values, int count)
{
    int m = 99;
    for (int i = 1; i <= count; ++i)
        if (values[i] < m)
            m = values[i];
    return m;
}

int KyoriPairs(const Arr<Point, 1, kMaxKankei>& points, const Arr<int, 1, kMaxKankei>& kinds, int count,
               Arr<Point, 1, kMaxKyoriPairs>& firsts, Arr<Point, 1, kMaxKyoriPairs>& seconds)
{
    int n = 0;
    for (int i = 1; i <= count; ++i)
        for (int j = i + 1; j <= count; ++j) {
            if (kinds[i] <= KankeiNaname || kinds[j] <= KankeiNaname || Kyori(points[i], points[j]) <= 4)
                continue;
            if (n >= kMaxKyoriPairs)
                return n;
            ++n;
            firsts[n] = points[i];
            seconds[n] = points[j];
        }
    return n;
}

void NikenUtikomiThink()
{
    const TGoban& b = *GobanLv[0];
    for (int y = 3; y <= BoardSize - 2; ++y)
        for (int x = 3; x <= BoardSize - 2; ++x) {
            if (b.GetIro(x, y) != AiteIro)
                continue;
            const TLocate& loc = b.GetLocate(x, y);
            for (int i = 1; i <= loc.GetKankeiSu(); ++i)
                if (loc.GetLinkGrade(i) == 1 && loc.OnBoardAt(i) && loc.GetKankeiKind(i) == Kankei2ken)
                    NikenUtikomi(Point(x, y), loc.GetKankeiPoint(i));
        }
}

void NikenUtikomi(Point a, Point b)
{
    if ((a.x == b.x && a.y > b.y) || (a.y == b.y && a.x > b.x))
        return;
    const TGoban& board = *GobanLv[0];
    // The strip over the jump: steps 0..3 from a, three points across each.
    Point strip[12];
    BetweenStrip3(a, b, strip);
    // The side points of the two middle steps; the nearer stone x, the
    // farther y, and z the middle point of the jump beside p.
    struct Side {
        int entry;
        bool nearA;
        int z;
    };
    static constexpr Side kSides[] = {{3, true, 4}, {5, true, 4}, {6, false, 7}, {8, false, 7}};
    for (const Side& side : kSides) {
        const Point p = strip[side.entry];
        if (!board.OnBoardPt(p) || board.GetIroPt(p) != kAki)
            continue;
        Arr<Point, 1, kMaxKankei> own;
        if (board.GetLocatePt(p).GetKindPoints(JibunIro, Kankei3ken, own) != 1)
            continue;
        const Point q = own[1];
        const Point x = side.nearA ? a : b, y = side.nearA ? b : a;
        const Point z = strip[side.z];
        if (Kyori(x, q) != 16 || Kyori(y, q) != 4)
            continue;
        Point toQ[15];
        BetweenStrip3(p, q, toQ);
        if (EmptyNeighbours(p) != 4)
            continue;
        const Point w = board.GetIroPt(toQ[6]) == kAki ? toQ[6] : toQ[8];
        const Point answer = toQ[7];
        // The invading stone must not die at once when the opponent closes
        // the way to our stone.
        TYomiTrial t;
        if (!t.Play(JibunIro, p) || !t.Play(AiteIro, w))
            continue;
        CurGoban().Analyze();
        const TGun* g = GunAt(p);
        const bool dead = g != nullptr && g->GetDeath() != 0;
        t.Back();
        if (dead)
            continue;
        // The opponent blocks at the middle of the jump; we run to our stone.
        if (!t.Play(AiteIro, z) || !t.Play(JibunIro, answer))
            continue;
        AddPreparedTe(p, z, answer);
        const int va = Hyoka(JibunIro);
        t.BackAll();
        const int v = va + UtuHyoka(JibunIro, w);
        if (v > 25)
            AddKoho(p, 25, v - 11);
        else
            AddKoho(p, v, 0);
    }
}

} // namespace vorn

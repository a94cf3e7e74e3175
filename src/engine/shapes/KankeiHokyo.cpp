#include "engine/shapes/KankeiHokyo.h"

#include <cstdlib>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/links/IkkenOuter.h"
#include "engine/links/Kankei6Hokyo.h"
#include "engine/shapes/Kankei4Hokyo.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/Kosumi.h"
#include "engine/shapes/Ogeima.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

constexpr TRefusal kGoOn = TRefusal::GoOn;

using THandler = void (*)(Point, Point);

// Second-pass handlers by relation kind.
constexpr THandler kSmall[] = {
    nullptr,           // 0
    nullptr,           // 1 adjacent
    KosumiHokyo,       // 2 diagonal
    IkkenOuterRenraku, // 3 one-space jump
    Kankei4Hokyo,      // 4 knight's move
};
constexpr THandler kLarge[] = {
    nullptr,      // 0
    nullptr,      // 1
    nullptr,      // 2
    nullptr,      // 3
    nullptr,      // 4
    nullptr,      // 5 (2,2)
    Kankei6Hokyo, // 6 two-space jump
    Kankei7Hokyo, // 7 (1,3)
};

template <std::size_t N>
void CallKind(const THandler (&table)[N], int kind, Point a, Point b)
{
    if (kind >= 0 && kind < static_cast<int>(N) && table[kind] != nullptr)
        table[kind](a, b);
}

bool KnightApart(Point p, Point q)
{
    const int dx = std::abs(p.x - q.x), dy = std::abs(p.y - q.y);
    return (dx == 1 && dy == 2) || (dx == 2 && dy == 1);
}

// Three points from s along a line.
bool ThreeOnLine(Point s, Point m)
{
    return (m.x == s.x && std::abs(m.y - s.y) == 3) || (m.y == s.y && std::abs(m.x - s.x) == 3);
}

// The engine's stone s reaches p by a knight's move and q by a (1,3) shape;
// p and q, the opponent's, are a knight's move apart.  The engine plays at
// the middle point of p-q next to p (M2), the other middle point (M1) being
// three points from s on a line.
void KeimaOgeimaBetween(Point s, Point p, Point q)
{
    TIroCounts around;
    CountAround8(p, around);
    if (around[kAki] != 8)
        return;
    Point r[6];
    BetweenRows(p, q, r);
    Point m1, m2;
    if (ThreeOnLine(s, r[2]))
        m1 = r[2], m2 = r[3];
    else if (ThreeOnLine(s, r[3]))
        m1 = r[3], m2 = r[2];
    else
        return;
    const Point n = StepBeyond(m2, p);
    if (IroOf(n) != kAki)
        return;
    const Point mid((n.x + s.x) / 2, (n.y + s.y) / 2), k = StepBeyond(m1, m2);
    const int col = IroOf(s), o = Aite(col);
    TShapeYomi y(kGoOn);
    const int e1 = y.ScoreAfter(col, {{col, m2}, {o, m1}, {col, mid}});
    const int e2 = y.ScoreAfter(o, {{o, k}});
    AddKoho(m2, KeimaOgeimaValue(e1 + e2), 0);
    AddPreparedTe(m2, m1, mid);
}

// An opponent's stone O beside one end of the knight's move a-b, on B's line
// at A's step (or on A's line at B's step): the cutting point next to it.
void KeimaHokyoAnswer(Point a, Point b)
{
    const TKeimaBox k(a, b);
    const int col = k.own, o = k.att;
    if (o == 0 || MeAt(a) < 4)
        return;
    const bool r1 = k.c[1] == o, r4 = k.c[4] == o;
    if (r1 == r4)
        return;
    const Point op = r1 ? k.R[1] : k.R[4], p1 = r1 ? k.R[3] : k.R[2], p2 = r1 ? k.R[2] : k.R[3];
    const Point f = r1 ? k.D[5] : k.D[0], e = r1 ? k.D[1] : k.D[4], n = r1 ? k.D[3] : k.D[2];
    const Point t = StepBeyond(op, e);
    if (MeAt(op) < 4 || IroOf(e) != kAki || IroOf(n) != kAki || IroOf(t) == col || IroOf(StepBeyond(p1, n)) == col)
        return;
    const int nO = IsiOf(op), lO = KuuOf(op);

    // The opponent's cut at P1 against our P2, with its hane at F.
    int e1 = 0;
    {
        TShapeYomi y(kGoOn);
        y.Play(o, p1);
        y.Play(col, p2);
        e1 = y.ScoreReached(o);
        if (IroOf(f) == kAki) {
            TIroCounts around;
            CountNeighbour(f, around);
            if (around[kAki] == 3 || (around[kAki] == 2 && around[o] == 1)) {
                y.Play(o, f);
                e1 = y.ScoreReached(o);
            }
        }
    }
    // Our connection at P1.
    int e2 = 0;
    {
        TShapeYomi y(kGoOn);
        y.Play(col, p1);
        e2 = y.ScoreReached(col);
        if (KuuOf(op) == 1) {
            e2 = y.ScoreAfter(col, {{o, KuuPointOf(op, 1)}});
        } else if (JibunIro == col && IroOf(t) == o && nO == 1 && lO == 3) {
            e2 = y.ScoreAfter(col, {{col, e}});
            if (e2 >= 9)
                e2 = 8;
        }
    }
    AddKoho(p1, KeimaHokyoValue(e1 + e2), 0);
}

} // namespace

void KankeiHokyoSmall(int kind, Point a, Point b) { CallKind(kSmall, kind, a, b); }

void KankeiHokyoLarge(int kind, Point a, Point b) { CallKind(kLarge, kind, a, b); }

void KankeiHokyo(int mode, Point& out)
{
    KohoKind = kkHokyo;
    const TGoban& g = CurGoban();
    for (int i = 1; i <= g.PairCount(); ++i) {
        const int kind = g.PairKind(i);
        if (kind >= kPairJi)
            continue;
        const Point a = g.PairPointB(i), b = g.PairPointA(i);
        if (mode == 1)
            KankeiHokyoSmall(kind, a, b);
        else if (mode == 2)
            KankeiHokyoLarge(kind, a, b);
    }
    SelectIfAny(kSelectLow, out);
}

int KeimaOgeimaValue(int sum) { return sum >= 8 ? sum + 4 : sum; }

int KeimaHokyoValue(int sum) { return sum > 3 ? sum : 2 * sum; }

void KeimaOgeimaHokyo(Point& out)
{
    KohoKind = kkKeimaHokyo;
    const TGoban& g = CurGoban();
    const int me = JibunIro;
    for (int y = 1; y <= BoardSize; ++y) {
        for (int x = 1; x <= BoardSize; ++x) {
            if (g.GetIro(x, y) != me)
                continue;
            const Point s(x, y);
            if (MeAt(s) < 4)
                continue;
            const TLocate& loc = g.GetLocatePt(s);
            const int n = loc.GetKankeiSu();
            for (int i = 1; i <= n; ++i) {
                if (loc.GetLinkGrade(i) != 0 || !loc.OnBoardAt(i) || loc.GetKankeiKind(i) != KankeiKeima)
                    continue;
                for (int j = 1; j <= n; ++j) {
                    if (j == i || loc.GetLinkGrade(j) != 0 || !loc.OnBoardAt(j) ||
                        loc.GetKankeiKind(j) != KankeiOgeima)
                        continue;
                    const Point p = loc.GetKankeiPoint(i), q = loc.GetKankeiPoint(j);
                    if (KnightApart(p, q))
                        KeimaOgeimaBetween(s, p, q);
                }
            }
        }
    }
    SelectIfAny(kSelectLow, out);
}

void KeimaHokyo(Point& out)
{
    const TGoban& g = CurGoban();
    TYomiKeep keep;
    for (int i = 1; i <= g.PairCount(); ++i) {
        if (g.PairKind(i) != KankeiKeima)
            continue;
        KeimaHokyoAnswer(g.PairPointB(i), g.PairPointA(i));
        keep.Restore();
    }
    SelectIfAny(kSelectLow, out);
}

} // namespace vorn

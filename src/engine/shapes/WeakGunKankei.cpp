#include "engine/shapes/WeakGunKankei.h"

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// The approach beside a lone stone keeps values from this on in the bonus.
constexpr int kAiteValueCap = 25;

bool Empty(Point p) { return IroOf(p) == kAki; }

// a comes before b in board order by column, then row: each pair, which
// both stones record, is read once.
bool Precedes(Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); }

// The stage pass over the engine's groups that pass the test.
template <class Test>
void GroupPass(Test qualifies, Point& out)
{
    if (InSakiyomi == 1)
        return;
    KohoKind = kkWeakGunKankei;
    const TGunList& list = CurGoban().GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr || g->GetIsiIro() != JibunIro || !qualifies(*g))
            continue;
        GunKankeiScan(*g);
        YomiUnwind();
    }
    SelectIfAny(kSelectMiddle, out);
}

// Both sides of the jump a-b (a first in board order), low side first.
void BothSides(Point a, Point b, void (*side)(const TIkkenSide&))
{
    if (!Precedes(a, b))
        return;
    side(IkkenSideOf(a, b, 0));
    side(IkkenSideOf(a, b, 1));
}

// The approach at p beside the opponent's stone: our move at p and the
// opponent's at x, both valued.
int ApproachValue(Point p, Point x) { return UtuHyoka(JibunIro, p) + UtuHyoka(AiteIro, x); }

} // namespace

TIkkenSide IkkenSideOf(Point a, Point b, int side)
{
    Point s3[9], s5[9];
    BetweenStrip3(a, b, s3);
    BetweenStrip5(a, b, s5);
    // The side under test's column of the strips, and the other's.
    const int near = side == 0 ? 0 : 2, far = 2 - near;
    TIkkenSide s;
    s.A = s3[1];
    s.G = s3[4];
    s.B = s3[7];
    s.A1 = s3[near];
    s.G1 = s3[3 + near];
    s.B1 = s3[6 + near];
    s.A1o = s3[far];
    s.G1o = s3[3 + far];
    s.B1o = s3[6 + far];
    s.A2 = s5[side];
    s.G2 = s5[2 + side];
    s.B2 = s5[4 + side];
    return s;
}

// --- Weak and living groups -------------------------------------------------------------

void WeakGunKankeiThink(Point& out)
{
    GroupPass(
        [](const TGun& g) {
            return g.GetMe() < 4 ? g.GetDeathLevel() != 0 : g.IsWeak();
        },
        out);
}

void IkiGunKankeiThink(Point& out)
{
    GroupPass([](const TGun& g) { return g.GetMe() >= 4; }, out);
}

void GunKankeiScan(const TGun& g)
{
    ForEachStoneKankei([&g](Point s, const TLocate& loc, int i) {
        if (g.HasIsi(s) == 1 && loc.GetLinkGrade(i) == 1 && loc.GetKankeiKind(i) == Kankei1ken)
            GunIkkenUtu(s, loc.GetKankeiPoint(i));
    });
}

void GunIkkenUtu(Point a, Point b) { BothSides(a, b, GunIkkenSotoUtu); }

void GunIkkenSotoUtu(const TIkkenSide& s)
{
    // A jump to the edge fails here: its far points lie off the board.
    if (!Empty(s.A1) || !Empty(s.G1) || !Empty(s.B1))
        return;
    if (!Empty(s.G2) || (!Empty(s.A2) && !Empty(s.B2)))
        return;
    if (LineNoPt(s.G2) <= 2 || EmptyNeighbours(s.G2) < 3)
        return;
    if (IroOf(s.A2) == AiteIro || IroOf(s.B2) == AiteIro) {
        GunIkkenSotoYomi(s);
        return;
    }
    if (NeighboursOf(s.G2, JibunIro) > 0)
        return;
    AddKoho(s.G2, UtuHyoka(JibunIro, s.G2), 0);
}

void GunIkkenSotoYomi(const TIkkenSide& s)
{
    // R the opponent's stone two lines out, S between it and the jump, T the
    // other end's point two lines out, U beyond G2 and W beyond R.
    const bool atA = IroOf(s.A2) == AiteIro;
    const Point r = atA ? s.A2 : s.B2, sp = atA ? s.A1 : s.B1, t = atA ? s.B2 : s.A2;
    const Point u = StepBeyond(s.G1, s.G2), w = StepBeyond(sp, r);
    int v = 0;
    {
        TShapeYomi y;
        if (!y.Play(JibunIro, s.G2))
            return;
        v = y.Score(JibunIro);
        // The cap over the opponent's stone as well, where there is room.
        if (Empty(w) && EmptyAround(w) >= 6) {
            const int mark = y.Tries();
            if (y.Play(JibunIro, w))
                v = y.Score(JibunIro);
            y.BackTo(mark);
        }
    }
    AddKoho(s.G2, v, 0);
    AddPreparedTe(s.G2, u, t);
    AddPreparedTe(s.G2, s.G1, sp);
    AddPreparedTe(s.G2, sp, s.G1);
}

// --- Stones facing the opponent -------------------------------------------------------------

void Kankei34Think(Point& out)
{
    if (InSakiyomi == 1)
        return;
    KohoKind = kkGunKankei;
    ForEachStoneKankei([](Point s, const TLocate& loc, int i) {
        const int kind = loc.GetKankeiKind(i), grade = loc.GetLinkGrade(i);
        if (grade == 0 && kind == Kankei1ken)
            IkkenAiteUtu(s, loc.GetKankeiPoint(i));
        else if (grade == 1 && kind == KankeiKeima)
            KeimaOsiUtu(s, loc.GetKankeiPoint(i));
    });
    SelectIfAny(kSelectMiddle, out);
}

void IkkenAiteUtu(Point a, Point b)
{
    const TGoban& g = CurGoban();
    if (!g.OnBoardPt(a) || !g.OnBoardPt(b))
        return;
    BothSides(a, b, IkkenAiteSideUtu);
}

namespace {

// The roles of a side of a stone facing the opponent's: Y the opponent's
// stone, M ours, P and X one and two lines out beside Y, the same beside M.
struct TAite {
    Point y, m, p, x, y1o, m1o, n, z;
    explicit TAite(const TIkkenSide& s)
    {
        const bool yIsB = IroOf(s.A) == JibunIro;
        y = yIsB ? s.B : s.A;
        m = yIsB ? s.A : s.B;
        p = yIsB ? s.B1 : s.A1;
        x = yIsB ? s.B2 : s.A2;
        y1o = yIsB ? s.B1o : s.A1o;
        m1o = yIsB ? s.A1o : s.B1o;
        n = yIsB ? s.A1 : s.B1;
        z = StepBeyond(s.G1, p);
    }
};

} // namespace

void IkkenAiteSideUtu(const TIkkenSide& s)
{
    const TAite r(s);
    if (EmptyAround(r.y) == 8) {
        IkkenAiteLoneUtu(s);
        return;
    }
    if (EmptyAround(r.p) < 7 || !Empty(s.A1) || !Empty(s.G1) || !Empty(s.B1))
        return;
    if (IroOf(s.G1o) != AiteIro || IroOf(r.m1o) != JibunIro || !Empty(r.y1o))
        return;
    if (!Empty(s.A2) || !Empty(s.G2) || !Empty(s.B2) || KuuOf(s.G1o) != 3)
        return;
    // After our stone in the gap, the ladder must take the stone beside it.
    {
        TShapeYomi y;
        if (!y.Play(JibunIro, s.G) || SichoCheck(s.G1o) != 1)
            return;
    }
    const int e = ApproachValue(r.p, r.x);
    if (e >= kAiteValueCap)
        AddKoho(r.p, kAiteValueCap, e / 10 + 11);
    else
        AddKoho(r.p, e, 0);
    AddPreparedTe(r.p, r.z, r.x);
    AddPreparedTe(r.p, s.G1, s.G);
    AddPreparedTe(r.p, s.G, s.G1);
}

void IkkenAiteLoneUtu(const TIkkenSide& s)
{
    const TAite r(s);
    const Point w = StepBeyond(s.G, r.y), v = StepBeyond(r.y, w);
    if (IroOf(r.n) == AiteIro || DeadStone(r.m) || DeadStone(r.y))
        return;
    const TGun* gy = GunAt(r.y);
    if (gy == nullptr || gy->IsWeak())
        return;
    const TGoban& g = CurGoban();
    if (!g.OnBoardPt(r.y) || g.GetLocatePt(r.y).CountKankeiLE(Kankei2ken, AiteIro) == 0)
        return;
    if (EmptyAround(r.p) < 7 || NeighboursOf(r.x, AiteIro) > 0 || IroOf(v) == AiteIro)
        return;
    const int e = ApproachValue(r.p, r.x);
    if (e >= kAiteValueCap)
        AddKoho(r.p, kAiteValueCap, e - 14);
    else
        AddKoho(r.p, e, 0);
    // The opponent's answer beyond P: the jump out when it has room.
    const bool roomy = LineNoPt(r.x) >= 3 && EmptyAround(StepBeyond(r.p, r.x)) == 8;
    AddPreparedTe(r.p, r.z, roomy ? r.x : s.G1);
    AddPreparedTe(r.p, s.G1, s.G);
    AddPreparedTe(r.p, s.G, s.G1);
    AddPreparedTe(r.p, w, s.G1);
}

// --- The push beside a knight's move -----------------------------------------------------

void KeimaOsiUtu(Point a, Point b)
{
    if (a.x > b.x)
        return;
    const int own = IroOf(a);
    if (own != kKuro && own != kSiro)
        return;
    const int opp = Aite(own);
    Point box[6];
    BetweenRows(a, b, box);
    // T the opponent's stone beyond one end's side point, P that point (it
    // touches Q and T), R the cutting point on Q's line, S the one on P's.
    Point t, p, q, r, s;
    if (const Point t1 = StepBeyond(box[3], box[1]); IroOf(t1) == opp) {
        t = t1, p = box[1], q = a, r = box[2], s = box[3];
    } else if (const Point t2 = StepBeyond(box[2], box[4]); IroOf(t2) == opp) {
        t = t2, p = box[4], q = b, r = box[3], s = box[2];
    } else {
        return;
    }
    if (KuuOf(q) != 4 || KuuOf(t) == 1)
        return;
    const TGun* gt = GunAt(t);
    if (gt == nullptr || gt->GetDeath() == 1 || !Empty(StepBeyond(q, p)))
        return;

    // The opponent's push at P, and when the engine is the opponent, the
    // cut behind it and the ladder on Q.
    int e1 = 0;
    {
        TShapeYomi y;
        if (!y.Play(opp, p))
            return;
        e1 = y.Score(opp);
        if (JibunIro == opp && y.Play(opp, r) && y.Play(own, s) && SichoCheck(q) == 1) {
            const int mark = y.Tries();
            if (y.Play(opp, SichoTeOf(q, 1)))
                e1 = y.Score(opp) / 2;
            y.BackTo(mark);
        }
    }
    // The owner's block at P, and the hane beyond it when the opponent's
    // stone is then short of liberties.
    int e2 = 0;
    {
        TShapeYomi y;
        if (!y.Play(own, p))
            return;
        e2 = y.Score(own);
        if (ToruRenAt(t) == nullptr)
            return;
        if (JibunIro == own && KuuOf(t) == 2) {
            const Point v = StepBeyond(r, p);
            if (Empty(v) && y.Play(own, v))
                e2 = y.Score(own);
        }
    }
    AddKoho(p, e1 + e2, 0);
}

} // namespace vorn

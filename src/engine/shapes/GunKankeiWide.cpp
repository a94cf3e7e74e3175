#include "engine/shapes/GunKankeiWide.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// The two-space jump between two third-line stones is worth this at most.
constexpr int kNikenLine3Cap = 19;

bool Empty(Point p) { return IroOf(p) == kAki; }

// a and b are stones of different colours, neither dead: the gate of every
// wide pattern.  Sets colA and opp.
bool Gate(Point a, Point b, int& colA, int& opp)
{
    colA = IroOf(a);
    if (!IsStone(colA) || IroOf(b) != Aite(colA) || DeadStone(a) || DeadStone(b))
        return false;
    opp = Aite(colA);
    return true;
}

// The groups of the engine's stone and of the other stone of the pair.
struct TPairGuns {
    int nOwn = 0, nOther = 0;
    TPairGuns(Point a, Point b)
    {
        const bool aOurs = IroOf(a) == JibunIro;
        const TGun* own = GunAt(aOurs ? a : b);
        const TGun* other = GunAt(aOurs ? b : a);
        nOwn = own == nullptr ? 0 : own->GetIsiSu();
        nOther = other == nullptr ? 0 : other->GetIsiSu();
    }
};

// The best of one side's tries: each try is added as the engine's candidate
// when the engine is the mover, and the largest value (the first on ties)
// gives the side's point.
struct TBest {
    int mover;
    int e;
    Point p;
    void Offer(Point q, int v)
    {
        if (mover == JibunIro)
            AddKoho(q, v, 0);
        if (v > e) {
            e = v;
            p = q;
        }
    }
};

// c plays p, then the other colour answers at `reply` unless `open` is on
// the board and free of the other colour: Hyoka(c).
int PlayAndGuard(int c, Point p, Point open, Point reply)
{
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(c, p))
        return 0;
    if (CurGoban().OnBoardPt(open) && IroOf(open) != Aite(c))
        return y.Score(c);
    return y.ScoreAfter(c, {{Aite(c), reply}});
}

// --- Knight's move -----------------------------------------------------------------

// One stone's point on the side where E lies two from it on a line.  The
// cells are named for a's side of the box (the other side is its half-turn
// image): dn = D3, rn = R3, rf = R1, df = D1.  x is the stone, c its colour.
Point KeimaOwnPoint(int c, Point x, Point e, Point dn, Point rn, Point rf, Point df)
{
    const int o = Aite(c);
    if (c == JibunIro) {
        // The hane and the cut: does our stone at dn come out strong and
        // the cutting stones weak?
        TShapeYomi y(TRefusal::GoOn);
        y.Play(c, dn);
        y.Play(o, rn);
        y.Play(c, rf);
        y.Play(o, df);
        y.Play(c, StepBeyond(rn, dn));
        y.Play(o, StepBeyond(dn, df));
        if (y.Stood() > 0) {
            CurGoban().Analyze();
            if (!GunWeakAt(dn) && !GunWeakAt(rf) && (GunDeath70At(df) || GunDeath70At(rn)))
                return dn;
        }
    }
    // A point between two stones of ours a one-space jump apart, each a
    // large knight's move from it.
    const Point p = StepBeyond(rn, df);
    const TGoban& b = CurGoban();
    if (b.OnBoardPt(p) && IroOf(p) == kAki) {
        const TLocate& l = b.GetLocatePt(p);
        Arr<Point, 1, kMaxKankei> far;
        if (l.CountIro(o) <= 1 && l.CountIro(c) == 2 && l.GetKindPoints(c, KankeiOgeima, far) == 2) {
            const int dx = std::abs(far[1].x - far[2].x), dy = std::abs(far[1].y - far[2].y);
            if ((dx == 2 && dy == 0) || (dx == 0 && dy == 2))
                return p;
        }
    }
    if (LineNoPt(e) == 2 && LineNoPt(x) != 2)
        return rn;
    return e;
}

// c plays p: Hyoka(c); when the engine plays c, a move that leaves its group
// nearly lost stops the pattern (false), one that leaves it weak sets flag.
bool KeimaRead(int c, Point p, int& e, int& flag)
{
    TShapeYomi y(TRefusal::GoOn);
    e = 0;
    if (!y.Play(c, p))
        return true;
    e = y.Score(c);
    if (c == JibunIro) {
        if (GunDeath90At(p))
            return false;
        flag = GunDeath70At(p) ? 1 : 0;
    }
    return true;
}

// --- (2,3) shape -----------------------------------------------------------------------

// No stone of colour o on the strip of a three-space jump from e to x (the
// three lines, and the two lines out at the middle steps).
bool FreeJump(Point e, Point x, int o)
{
    Point s3[12], s5[8];
    BetweenStrip3(e, x, s3);
    BetweenStrip5(e, x, s5);
    for (const Point p : s3)
        if (IroOf(p) == o)
            return false;
    for (int i = 2; i <= 5; ++i)
        if (IroOf(s5[i]) == o)
            return false;
    return true;
}

// The point of colour c whose stone x lies at the (2,3) shape's end.  side
// 1 (E = W2) names the cells W1, W5, W4; side 2 (E = W9) their half-turn
// images W10, W6, W7.  threeApart: E lies three from x on a line.  False
// when the jump to E is blocked (the side adds nothing).
bool Keima23Point(int c, Point x, int side, bool threeApart, const Point (&w)[12], Point& pt, int& e)
{
    const Point e1 = side == 1 ? w[2] : w[9], e2 = side == 1 ? w[9] : w[2];
    const Point c1 = side == 1 ? w[1] : w[10], c5 = side == 1 ? w[5] : w[6], c4 = side == 1 ? w[4] : w[7];
    if (threeApart) {
        if (!FreeJump(e1, x, Aite(c)))
            return false;
        pt = IroOf(StepBeyond(c5, c1)) == c ? c1 : e1;
    } else {
        pt = c5;
        if (IroOf(e2) == c)
            pt = IroOf(StepBeyond(c1, x)) == Aite(c) ? c4 : e1;
    }
    e = UtuHyoka(c, pt);
    return true;
}

} // namespace

// --- Knight's move ---------------------------------------------------------------------

void GunKankei4Utu(Point a, Point b)
{
    int colA = 0, opp = 0;
    if (!Gate(a, b, colA, opp))
        return;
    Point r[6], d[6];
    BetweenRows(a, b, r);
    BetweenDiag(a, b, d);
    if (IroOf(StepBeyond(r[2], a)) == opp || IroOf(StepBeyond(r[3], b)) == colA)
        return;
    const TPairGuns guns(a, b);
    for (int side : {1, 2}) {
        const Point e = side == 1 ? d[1] : d[4];
        if (!Empty(side == 1 ? r[4] : r[1]) || !Empty(e) || LineNoPt(e) <= 1 || StonesAround(e) > 0)
            continue;
        int flag = 0;
        // Side 1: E two from a; side 2: E two from b.
        const Point ownPt = side == 1 ? KeimaOwnPoint(colA, a, e, d[3], r[3], r[1], d[1]) : e;
        int e1 = 0;
        if (!KeimaRead(colA, ownPt, e1, flag))
            return;
        if (e1 < 0)
            continue;
        Point oppPt = side == 2 ? KeimaOwnPoint(opp, b, e, d[2], r[2], r[4], d[4]) : e;
        int e2 = 0;
        if (!KeimaRead(opp, oppPt, e2, flag))
            return;
        if (side == 1 && LineNoPt(e) == 5) {
            const Point t = StepBeyond(r[3], d[3]);
            if (LineNoPt(t) == 4 && IroAround(t, opp) == 0)
                oppPt = t;
        }
        if (e2 < 0)
            continue;
        int value = e1 + e2;
        if (guns.nOther == 1 && guns.nOwn >= 2)
            value = HalveTimes(value, guns.nOwn);
        if (value < GunKankeiMin)
            value = 1;
        if (flag == 1)
            value /= 2;
        if (GunKankeiPairMode == 1 || value > 0)
            GunKankeiPut(colA, ownPt, oppPt, value, kNoFloor);
    }
}

// --- (2,2) diagonal ------------------------------------------------------------------------

void GunKankei5Utu(Point a, Point b)
{
    int colA = 0, opp = 0;
    if (!Gate(a, b, colA, opp))
        return;
    Point w[9];
    BetweenWide(a, b, w);
    for (int i : {2, 6}) {
        const Point e = w[i], e2 = w[8 - i];
        if (!Empty(e) || LineNoPt(e) <= 1 || StonesAround(e) > 0)
            continue;
        int e1 = UtuHyoka(colA, e);
        const int eo = UtuHyoka(opp, e);
        if (GunKankeiPairMode == 1) {
            int value = e1 + eo;
            if (value < GunKankeiMin)
                value = 0;
            // The inner points beside E: next to a, and next to b.
            const Point nearA = i == 2 ? w[1] : w[3], nearB = i == 2 ? w[5] : w[7];
            const Point in = colA == kKuro ? nearA : nearB, in2 = colA == kKuro ? nearB : nearA;
            // colA's move is the inner point beside E when the far corner
            // holds the mover's stone, else E; the other colour's is E.
            const Point own = colA == JibunIro ? (IroOf(e2) == colA && EmptyAround(in) >= 7 ? in : e)
                                               : (IroOf(e2) == opp && EmptyAround(in2) >= 7 ? in2 : e);
            GunKankeiPut(colA, own, e, value, kNoFloor);
            continue;
        }
        // The point beyond E from the inner point next to our stone: a
        // stone there would stand between two of ours.
        Point m = i == 2 ? w[1] : w[3];
        if (GobanLv[0]->GetIroPt(a) != colA)
            m = i == 2 ? w[5] : w[7];
        const Point z = StepBeyond(m, e);
        Point own = e, oppPt = e;
        bool between = false;
        if (CurGoban().OnBoardPt(z) && Empty(z) && EmptyAround(z) == 8) {
            const TLocate& l = CurGoban().GetLocatePt(z);
            Arr<Point, 1, kMaxKankei> p7, p6;
            if (l.GetKindPoints(colA, KankeiOgeima, p7) == 1 && l.GetKindPoints(colA, Kankei2ken, p6) == 1
                && std::abs(p7[1].x - p6[1].x) + std::abs(p7[1].y - p6[1].y) == 1)
                between = true;
        }
        if (between) {
            e1 = UtuHyoka(colA, z);
            own = z;
        } else {
            const TGoban& g = CurGoban();
            for (int dir = 1; dir <= 4; ++dir) {
                const Point q = Dir4Pt(e, dir);
                if (Empty(q) && (g.IsToruTenPt(colA, q) != 0 || g.IsToruTenPt(opp, q) != 0)) {
                    own = oppPt = q;
                    break;
                }
            }
        }
        AddKoho(GunKankeiEnginePt(colA, own, oppPt), e1 + eo, 0);
    }
}

// --- Two-space jump ----------------------------------------------------------------------

void GunKankei6Utu(Point a, Point b)
{
    int colA = 0, opp = 0;
    if (!Gate(a, b, colA, opp))
        return;
    Point s[12], t[8];
    BetweenStrip3(a, b, s);
    BetweenStrip5(a, b, t);
    for (int k : {0, 1}) {
        const int j = 2 * k;
        const Point l1 = s[3 + j], l2 = s[6 + j], aOut = s[j], bOut = s[9 + j];
        const Point t0 = t[k], t1 = t[2 + k], t2 = t[4 + k], t3 = t[6 + k];
        if (!Empty(l1) || !Empty(l2) || LineNoPt(l1) <= 1 || EmptyAround(l1) < 7 || EmptyAround(l2) < 7)
            continue;
        if (IroOf(StepBeyond(l1, aOut)) == opp || IroOf(StepBeyond(l2, bOut)) == colA)
            continue;

        // A's colour: beside the gap next to a, or further out.
        TBest own{colA, 0, l1};
        own.e = UtuHyoka(colA, l1);
        if (colA == JibunIro)
            AddKoho(l1, own.e, 0);
        if (Empty(t0) && EmptyAround(t0) == 8)
            own.Offer(t0, UtuHyoka(colA, t0));
        if (Empty(t1) && EmptyNeighbours(t1) == 4)
            own.Offer(t1, UtuHyoka(colA, t1));
        if (EmptyNeighbours(l2) == 4)
            own.Offer(l2, PlayAndGuard(colA, l2, StepBeyond(l2, t2), bOut));

        // The other colour, the same from b's side.
        TBest other{opp, 0, l2};
        other.e = UtuHyoka(opp, l2);
        if (opp == JibunIro)
            AddKoho(l2, other.e, 0);
        if (Empty(t3) && EmptyAround(t3) == 8)
            other.Offer(t3, UtuHyoka(opp, t3));
        if (Empty(t2) && EmptyNeighbours(t2) == 4)
            other.Offer(t2, UtuHyoka(opp, t2));
        if (EmptyNeighbours(l1) == 4)
            other.Offer(l1, PlayAndGuard(opp, l1, StepBeyond(l1, t1), aOut));

        int value = own.e + other.e;
        if (own.e < 0 || other.e < 0)
            value /= 2;
        if (value < GunKankeiMin)
            value = 0;
        const bool ours = colA == JibunIro;
        AddKoho(ours ? own.p : other.p, value, 0);
        // A lone third-line stone of the engine's side may rather extend.
        const Point x = ours ? a : b;
        const TGun* g = GunAt(x);
        if (LineNoPt(x) == 3 && g != nullptr && g->GetIsiSu() == 1) {
            Point ext;
            GunNikenHirogeru(*g, ext);
            if (ext.x != 0)
                AddKoho(ext, value + 1, 0);
        }
    }

    const int la = LineNoPt(a), lb = LineNoPt(b);
    if (la == 2 && lb == 2) {
        if (EmptyNeighbours(s[4]) < 3 || EmptyNeighbours(s[7]) < 3)
            return;
        int value = UtuHyoka(colA, s[7]) + UtuHyoka(opp, s[4]);
        if (value < GunKankeiMin)
            value = 0;
        AddKoho(colA == JibunIro ? s[7] : s[4], value * 8 / 10, 0);
    } else if (la == 3 && lb == 3) {
        // The side toward the edge: each colour's hane under the other's
        // stone, answered by the block, and the cut behind.
        const int j = LineNoPt(s[6]) == 2 ? 0 : 2;
        const Point l1 = s[3 + j], l2 = s[6 + j], aOut = s[j], bOut = s[9 + j];
        int e1 = 0, e2 = 0;
        {
            TShapeYomi y(TRefusal::GoOn);
            y.Play(colA, l2);
            y.Play(opp, bOut);
            y.Play(colA, s[7]);
            e1 = ScoreReached(y, colA);
        }
        {
            TShapeYomi y(TRefusal::GoOn);
            y.Play(opp, l1);
            y.Play(colA, aOut);
            y.Play(opp, s[4]);
            e2 = ScoreReached(y, opp);
        }
        const int value = std::min(e1 + e2, kNikenLine3Cap);
        if (colA == JibunIro) {
            AddKoho(l2, value, 0);
            AddPreparedTe(l2, bOut, s[7]);
        } else {
            AddKoho(l1, value, 0);
            AddPreparedTe(l1, aOut, s[4]);
        }
    }
}

// --- Large knight's move ---------------------------------------------------------------

Point Ogeima7H0(Point a, Point b)
{
    Point d[8];
    BetweenDiag(a, b, d);
    return d[7];
}

Point Ogeima7H1(Point a, Point b)
{
    Point d[8];
    BetweenDiag(a, b, d);
    return d[0];
}

void GunKankei7Utu(Point a, Point b, int weak)
{
    int colA = 0, opp = 0;
    if (!Gate(a, b, colA, opp))
        return;
    if (KuuOf(a) < 3 || KuuOf(b) < 3 || NeighboursOf(a, opp) > 0 || NeighboursOf(b, colA) > 0)
        return;
    const int sx = b.x > a.x ? 1 : -1, sy = b.y > a.y ? 1 : -1;
    const bool longX = std::abs(b.x - a.x) == 3;
    // F0 two from a across the short axis toward b's side, F1 two from b
    // toward a's side; G0 and G1 one step from them toward the other end.
    const Point f0 = longX ? Point(a.x, a.y + 2 * sy) : Point(a.x + 2 * sx, a.y);
    const Point f1 = longX ? Point(b.x, b.y - 2 * sy) : Point(b.x - 2 * sx, b.y);
    const Point g0 = longX ? Point(f0.x + sx, f0.y) : Point(f0.x, f0.y + sy);
    const Point g1 = longX ? Point(f1.x - sx, f1.y) : Point(f1.x, f1.y - sy);
    const Point h0 = Ogeima7H0(a, b), h1 = Ogeima7H1(a, b);
    const TGoban& game = *GobanLv[0];
    // The extension when it is on the third line or claims area, else the
    // small jump.
    auto settled = [weak](Point f, Point h) { return LineNoPt(f) == 3 || (weak != 1 && AreaMapBackupAt(h) != 0); };
    // The better of the extension and the small jump (the extension on ties).
    auto better = [](int c, Point f, Point g, Point& pt) {
        const int ef = UtuHyoka(c, f), eg = UtuHyoka(c, g);
        pt = eg > ef ? g : f;
        return std::max(ef, eg);
    };
    for (int i : {0, 1}) {
        const Point f = i == 0 ? f0 : f1, g = i == 0 ? g0 : g1;
        if (game.GetIroPt(f) != kAki || LineNoPt(f) <= 1 || StonesAround(f) > 0 || StonesAround(g) > 0)
            continue;
        Point ownPt, oppPt;
        int e1 = 0, e2 = 0;
        if (i == 0) {
            e1 = better(colA, f0, g0, ownPt);
            oppPt = settled(f0, h0) ? f0 : g0;
            e2 = UtuHyoka(opp, oppPt);
        } else {
            ownPt = settled(f1, h1) ? f1 : g1;
            e1 = UtuHyoka(colA, ownPt);
            e2 = better(opp, f1, g1, oppPt);
        }
        GunKankeiPut(colA, ownPt, oppPt, e1 + e2, 0);
    }
}

// --- (2,3) shape --------------------------------------------------------------------------

void GunKankei8Utu(Point a, Point b)
{
    int colA = 0, opp = 0;
    if (!Gate(a, b, colA, opp))
        return;
    colA = GobanLv[0]->GetIroPt(a);
    opp = Aite(colA);
    Point w[12];
    BetweenWide(a, b, w);
    for (int side : {1, 2}) {
        const Point e = side == 1 ? w[2] : w[9];
        if (!Empty(e) || LineNoPt(e) <= 1 || StonesAround(e) > 0)
            continue;
        Point ownPt, oppPt;
        int e1 = 0, e2 = 0;
        if (!Keima23Point(colA, a, side, side == 2, w, ownPt, e1) || !Keima23Point(opp, b, side, side == 1, w, oppPt, e2))
            continue;
        GunKankeiPut(colA, ownPt, oppPt, e1 + e2, 0);
    }
}

// --- Three-space jump ----------------------------------------------------------------------

void GunKankei10Utu(Point a, Point b, int weak)
{
    int colA = 0, opp = 0;
    // Two stones both on the third line are left to the edge patterns.
    if (!Gate(a, b, colA, opp) || AtariOrSicho(a) || AtariOrSicho(b) || (LineNoPt(a) == 3 && LineNoPt(b) == 3))
        return;
    Point s[15];
    BetweenStrip3(a, b, s);
    if (IroOf(s[0]) == opp || IroOf(s[2]) == opp || IroOf(s[12]) == colA || IroOf(s[14]) == colA)
        return;
    // A weak group with the gaps still open only tries the middle; with a
    // stone in them it reads the sides like any other.
    if (weak == 1) {
        bool open = true;
        for (int i = 3; i <= 9 && open; ++i)
            open = Empty(s[i]);
        if (open) {
            AddKohoTry(s[7]);
            return;
        }
    }
    for (int j : {0, 2}) {
        const Point m = s[6 + j], na = s[3 + j], nb = s[9 + j], aOut = s[j], bOut = s[12 + j];
        if (!Empty(m) || EmptyAround(m) < 8 || EmptyAround(na) < 7 || EmptyAround(nb) < 7)
            continue;
        TBest own{colA, UtuHyoka(colA, m), m};
        if (colA == JibunIro)
            AddKoho(m, own.e, 0);
        if (EmptyNeighbours(nb) == 4)
            own.Offer(nb, PlayAndGuard(colA, nb, Point(), bOut));
        TBest other{opp, UtuHyoka(opp, m), m};
        if (opp == JibunIro)
            AddKoho(m, other.e, 0);
        if (EmptyNeighbours(na) == 4)
            other.Offer(na, PlayAndGuard(opp, na, Point(), aOut));
        GunKankeiPut(colA, own.p, other.p, own.e + other.e, 0);
    }
}

} // namespace vorn

#include "engine/shapes/GunKankei.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

int GunKankeiMin = 0;

namespace {

// The relations of one stone that the patterns read.
constexpr int kMaxPatternKankei = 10;
// The edge reading of the one-space jump keeps values above this in the bonus.
constexpr int kEdgeValueCap = 23;
constexpr int kEdgeValueFull = 50;
// The one-space jump's value is capped here.
constexpr int kIkkenValueCap = 50;
// A region this large makes the far extension worth a third more.
constexpr int kLargeRegion = 70;

Point Shift(Point p, int dx, int dy) { return Point(p.x + dx, p.y + dy); }

// --- Adjacent stones -------------------------------------------------------------

// c plays near and the board is analysed: when the area value at watch is
// firm (+-2) or twoLibs holds, the difference since the decision's start is
// the value, at near; otherwise c plays far instead.
int NearOrFar(int c, Point near, Point watch, bool twoLibs, Point far, Point& pt)
{
    {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(c, near)) {
            CurGoban().Analyze();
            if (std::abs(GetAreaMap(watch)) == 2 || twoLibs) {
                pt = near;
                return HyokaDiff(c);
            }
        }
    }
    pt = far;
    return UtuHyoka(c, far);
}

// The second look along the sides of an adjacent pair: the strip from the
// point behind a to the point behind b, each step read one, two and three
// lines out on one side.  A stone of one side's colour on the far lines
// behind its own stone makes the point beside the other stone worth a try.
void TonariSideTry(Point a, Point b, int colA)
{
    const int opp = Aite(colA);
    const Point ea = StepBeyond(b, a), eb = StepBeyond(a, b);
    Point strip[12];
    BetweenStrip3(ea, eb, strip);
    for (int j : {0, 2}) {
        // Lines 1, 2 and 3 out at the steps ea, a, b, eb.
        Point l1[4], l2[4], l3[4];
        for (int k = 0; k < 4; ++k) {
            l1[k] = strip[3 * k + j];
            l2[k] = StepBeyond(strip[3 * k + 1], l1[k]);
            l3[k] = StepBeyond(l1[k], l2[k]);
        }
        const Point s1A = l1[1], s1B = l1[2];
        if (IroOf(s1A) != kAki || IroOf(s1B) != kAki || LineNoPt(s1A) < 3)
            continue;
        auto c = [](Point p) { return IroOf(p); };
        auto bothStones = [&c](Point p, Point q) { return IsStone(c(p)) && IsStone(c(q)); };
        if (bothStones(l1[0], l1[3]) || c(l1[3]) == colA || c(l1[0]) == opp)
            continue;
        if (bothStones(l2[1], l2[2]) || c(l2[2]) == colA || c(l2[1]) == opp)
            continue;
        if (bothStones(l2[0], l2[3]) || c(l2[3]) == colA || c(l2[0]) == opp)
            continue;
        auto any = [&c](int colour, std::initializer_list<Point> pts) {
            for (Point p : pts)
                if (c(p) == colour)
                    return true;
            return false;
        };
        if (!any(opp, {l1[3], l2[2], l2[3]})) {
            if (any(colA, {l1[0], l2[1], l2[0]}) && !any(opp, {l1[3], l2[2], l2[3], l3[2], l3[3]}))
                AddKohoTry(s1B);
        } else if (!any(colA, {l1[0], l2[1], l2[0], l3[1], l3[0]})) {
            AddKohoTry(s1A);
        }
    }
}

// --- Diagonal stones -----------------------------------------------------------------

// The reading of one colour at a diagonal contact: s is col's stone, o the
// other's, x the crossing point of the side, x2 the other crossing point, y
// the point diagonal to x away from both stones.  Answers col's value and
// sets its point; d becomes 4 when col's move leaves its own group nearly
// dead.
int KosumiSide(int col, Point s, Point o, Point x, Point x2, Point y, int& d, Point& pt)
{
    const int other = Aite(col);
    const Point t2 = StepBeyond(x2, s);
    if (KuuOf(s) < 4 && IroOf(t2) == kAki && EmptyNeighbours(t2) == 3) {
        // The block at the crossing point, and the ladder it may start.
        pt = x;
        TShapeYomi r(TRefusal::GoOn);
        if (!r.Play(col, x))
            return 0;
        int e = r.Score(col);
        if (KuuOf(o) == 2 && SichoCheck(o) == 1) {
            const Point l1 = SichoTeOf(o, 1), l2 = SichoTeOf(o, 2);
            int e2 = r.ScoreAfter(col, {{col, l1}, {col, l2}});
            e2 = e + (e2 - e) / 2;
            e = std::min(2 * e, e2);
        }
        return e;
    }

    // The knight's move to y, the push at x, the block and the extension:
    // does the ladder take the pushing stones?
    int lad = 1;
    Point block, extend;
    TShapeYomi r(TRefusal::GoOn);
    r.Play(col, y);
    const int atY = r.Tries();
    r.Play(other, x);
    Point rows[6];
    BetweenRows(s, y, rows);
    if (IsStone(IroOf(rows[2]))) {
        block = rows[3];
        extend = rows[1];
    } else {
        block = rows[2];
        extend = rows[4];
    }
    r.Play(col, block);
    if (r.Play(other, extend)) {
        lad = SichoCheck(extend);
        if (lad == 0)
            lad = SichoCheck(x);
    }
    r.BackTo(atY);
    if (lad == 1) {
        pt = y;
        return ScoreReached(r, col);
    }
    r.BackAll();

    const Point w2 = StepBeyond(x2, o);
    pt = IsStone(IroOf(w2)) ? block : x;
    if (!r.Play(col, pt))
        return 0;
    int e = r.Score(col);
    if (KuuOf(o) == 2 && IroOf(w2) == kAki && EmptyNeighbours(w2) == 3 && r.Play(col, w2))
        e = r.Score(col);
    if (e >= 0 && GunDeath70At(pt))
        d = 4;
    return e;
}

// --- One-space jump ------------------------------------------------------------------

struct TIkkenGuns {
    bool weakOwn = false, weakOther = false;
    int nOwn = 0, nOther = 0;
};

// The side of the jump away from the edge: both sides' extensions two lines
// out, beside the gap or beside their own stone.
void IkkenOpenSide(int colA, Point q, Point qa, Point qb, const TIkkenGuns& g)
{
    const int opp = Aite(colA);
    if (StonesAround(q) > 0 || IroAround(qa, opp) > 0 || IroAround(qb, colA) > 0)
        return;

    // A's colour: the far point beside the gap when it claims area, else
    // the point beside its own stone.
    bool far = !((JibunIro == colA && g.weakOwn && IroAround(qa, colA) == 0) || (AiteIro == colA && g.weakOther)
                 || (IroAround(qa, colA) == 0 && LineNoPt(q) == 5 && LineNoPt(qa) == 4));
    int e1 = 0;
    Point ownPt = qa;
    if (far) {
        far = false;
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(colA, q)) {
            TGoban& b = CurGoban();
            b.Analyze();
            if (GetAreaMap(qa) != 0) {
                far = true;
                ownPt = q;
                e1 = HyokaDiff(colA);
                const TJi* ji = b.OnBoardPt(qa) ? b.JiList.GetJiAt(qa) : nullptr;
                if (ji != nullptr && ji->GetJisu() > kLargeRegion)
                    e1 += e1 / 3;
            }
        }
    }
    if (!far)
        e1 = UtuHyoka(colA, qa);

    // The other colour: the point beside its own stone, or the far point.
    const bool near = NeighboursOf(qb, opp) > 0;
    const bool far2 = !((JibunIro == opp && g.weakOwn) || (AiteIro == opp && g.weakOther)
                        || (IroAround(qb, opp) == 0 && LineNoPt(q) == 5 && LineNoPt(qb) == 4));
    int e2 = 0;
    Point oppPt = qb;
    bool read = false;
    if (!near && far2) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(opp, q)) {
            CurGoban().Analyze();
            if (GetAreaMap(qb) != 0) {
                e2 = HyokaDiff(opp);
                oppPt = q;
                read = true;
            }
        }
    }
    if (!read)
        e2 = UtuHyoka(opp, qb);

    int value = std::min(e1 + e2, kIkkenValueCap);
    if (g.nOther == 1 && g.nOwn >= 2)
        value = HalveTimes(value, g.nOwn);
    const Point pt = GunKankeiEnginePt(colA, ownPt, oppPt);
    GunKankeiPut(kKuro, pt, pt, value, 1);
}

// One colour's move at n beside the gap on the side of the edge (the point
// two lines out lies on line 1 or 2), with the slide along the second line
// when the engine plays it: s is the mover's stone, t the other's.  False
// when the move loses.
bool IkkenEdgeRead(int c, Point n, Point s, Point t, int& e)
{
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(c, n))
        return false;
    e = y.Score(c);
    if (e < 0)
        return false;
    if (LineNoPt(n) == 2 && JibunIro == c && GunKankeiPairMode == 0) {
        const Point far = StepBeyond(s, n);
        const Point m((t.x + far.x) / 2, (t.y + far.y) / 2);
        const Point t2 = StepBeyond(n, m);
        if (IroOf(t2) == kAki && EmptyNeighbours(t2) == 4 && y.Play(c, t2))
            e += (y.Score(c) - e) / 2;
    }
    return true;
}

void IkkenEdgeSide(int colA, Point a, Point b, Point n)
{
    if (IroOf(n) != kAki || StonesAround(n) >= 3)
        return;
    int e1 = 0, e2 = 0;
    if (!IkkenEdgeRead(colA, n, a, b, e1) || !IkkenEdgeRead(Aite(colA), n, b, a, e2))
        return;
    int value = e1 + e2, bonus = 0;
    if (value > kEdgeValueCap) {
        bonus = value - kEdgeValueCap;
        if (value < kEdgeValueFull)
            value = kEdgeValueCap;
    }
    GunKankeiPut(kKuro, n, n, value, kNoFloor, bonus);
}

} // namespace

// --- Shared ---------------------------------------------------------------------------

void GunKankeiPut(int colA, Point own, Point opp, int value, int floor, int bonus)
{
    if (floor != kNoFloor && value < GunKankeiMin)
        value = floor;
    if (GunKankeiPairMode == 1) {
        AddKohoPair(colA, own, opp, value);
        return;
    }
    AddKoho(GunKankeiEnginePt(colA, own, opp), value, bonus);
}

Point GunKankeiEnginePt(int colA, Point own, Point opp) { return JibunIro == colA ? own : opp; }

int ScoreReached(const TShapeYomi& y, int c) { return y.Stood() > 0 ? y.Score(c) : 0; }

int StonesAround(Point p)
{
    TIroCounts n;
    CountAround8(p, n);
    return n[kKuro] + n[kSiro];
}

int EmptyAround(Point p)
{
    TIroCounts n;
    CountAround8(p, n);
    return n[kAki];
}

int IroAround(Point p, int c)
{
    TIroCounts n;
    CountAround8(p, n);
    return c >= kAki && c <= kHen ? n[c] : 0;
}

bool DeadStone(Point p) { return CurGoban().IsDeathPt(p) != 0; }

bool AtariOrSicho(Point p) { return KuuOf(p) == 1 || SichoOf(p) == 1; }

bool GunWeakAt(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsWeak();
}

bool GunDeath70At(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsDeath70() == 1;
}

bool GunDeath90At(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsDeath90() == 1;
}

int HalveTimes(int v, int n)
{
    for (int i = 0; i < n && v != 0; ++i)
        v /= 2;
    return v;
}

int AreaMapBackupAt(Point p)
{
    if (p.x < 0 || p.y < 0 || p.x > 20 || p.y > 20)
        return 0;
    return AreaMapBackup[p.x][p.y];
}

void GunKankeiReset() { GunKankeiMin = 0; }

// --- The stage and the dispatch --------------------------------------------------------

void GunKankeiThink(int n, Point& out)
{
    KohoKind = kkGunKankei;
    const TGunList& list = CurGoban().GunList;
    for (int i = 1; i <= list.GetCount(); ++i) {
        const TGun* g = list.GetGun(i);
        if (g == nullptr || g->GetIsiIro() != JibunIro || g->GetDeath() == 1 || g->GetMe() < 4)
            continue;
        KankeiGunUtu(*g, n);
        YomiUnwind();
    }
    SelectIfAny(std::max(kSelectMiddle, 10 * n), out);
}

void KankeiGunUtu(const TGun& g, int n)
{
    GunKankeiMin = n;
    const int weak = g.IsWeak() ? 1 : 0;
    for (int i = 1; i <= g.GetIsiSu(); ++i)
        KankeiPatternUtu(g.GetYoso(i), weak);
}

void KankeiPatternUtu(Point a, int weak)
{
    TRen* r = ToruRenAt(a);
    if (r == nullptr || r->Kuu() == 1 || r->GetSicho() >= 1)
        return;
    const int col = IroOf(a);
    // The relations to the other colour, the first ten in record order (a
    // stone may have up to fifteen).
    Point pts[kMaxPatternKankei];
    int kinds[kMaxPatternKankei];
    int n = 0;
    const TLocate& loc = CurGoban().GetLocatePt(a);
    for (int i = 1; i <= loc.GetKankeiSu() && n < kMaxPatternKankei; ++i) {
        const int c = loc.GetKankeiIro(i);
        if (!IsStone(c) || c == col)
            continue;
        pts[n] = loc.GetKankeiPoint(i);
        kinds[n] = loc.GetKankeiKind(i);
        ++n;
    }
    for (int i = 0; i < n; ++i) {
        const Point b = pts[i];
        switch (kinds[i]) {
        case KankeiKeima:
            GunKankei4Utu(a, b);
            break;
        case KankeiOgeima:
            GunKankei7Utu(a, b, weak);
            break;
        case KankeiNaname2:
            GunKankei5Utu(a, b);
            break;
        case KankeiKeima23:
            GunKankei8Utu(a, b);
            break;
        case KankeiNaname:
            GunKankei2Utu(a, b);
            break;
        case Kankei1ken:
            GunKankei3Utu(a, b, weak);
            break;
        case Kankei2ken:
            GunKankei6Utu(a, b);
            break;
        case Kankei3ken:
            GunKankei10Utu(a, b, weak);
            break;
        case KankeiTonari:
            GunKankei1Utu(a, b);
            break;
        default:
            break;
        }
    }
}

// --- The near shapes -------------------------------------------------------------------

void GunKankei1Utu(Point a, Point b)
{
    const int colA = IroOf(a);
    if (!IsStone(colA) || IroOf(b) != Aite(colA) || DeadStone(a) || DeadStone(b) || AtariOrSicho(a)
        || AtariOrSicho(b))
        return;
    const int opp = Aite(colA);
    // The game position's chains, before anything is played.
    const int kuuA = KuuOf(a), kuuB = KuuOf(b);
    const TRen* rb = ToruRenAt(b);
    const int stonesB = rb == nullptr ? 0 : rb->IsiCount();
    const bool alongX = a.y == b.y;
    for (int s : {1, -1}) {
        const int dx = alongX ? 0 : s, dy = alongX ? s : 0;
        const Point bA = Shift(a, dx, dy), bB = Shift(b, dx, dy);
        const Point fA = Shift(a, 2 * dx, 2 * dy), fB = Shift(b, 2 * dx, 2 * dy);
        if (IroOf(bA) != kAki || IroOf(bB) != kAki || LineNoPt(bA) < 3 || LineNoPt(bB) < 3)
            continue;
        if (IroOf(fA) != kAki || IroOf(fB) != kAki || StonesAround(fA) > 0 || StonesAround(fB) > 0)
            continue;

        // A's colour: an atari first, else the hane at bB when it holds, else
        // the extension two out from A.
        int e1 = 0;
        Point p1;
        if (AtariMapAt(colA, bB) != 0) {
            e1 = UtuHyoka(colA, bB);
            p1 = bB;
        } else if (AtariMapAt(opp, bA) != 0) {
            e1 = UtuHyoka(colA, bA);
            p1 = bA;
        } else {
            e1 = NearOrFar(colA, bB, bA, kuuB == 2, fA, p1);
        }

        // The other colour likewise from B's side.
        int e2 = 0;
        Point p2;
        if (AtariMapAt(opp, bA) != 0) {
            e2 = UtuHyoka(opp, bA);
            p2 = bA;
        } else if (AtariMapAt(colA, bB) != 0) {
            e2 = UtuHyoka(opp, bB);
            p2 = bB;
        } else if (stonesB == 1 && kuuA > 3) {
            e2 = UtuHyoka(opp, bB);
            p2 = bB;
        } else {
            e2 = NearOrFar(opp, bA, bB, kuuA == 2, fB, p2);
        }
        AddKoho(GunKankeiEnginePt(colA, p1, p2), (e1 + e2) * 4 / 5, 0);
    }
    TonariSideTry(a, b, colA);
}

void GunKankei2Utu(Point a, Point b)
{
    const int colA = IroOf(a);
    if (!IsStone(colA) || IroOf(b) != Aite(colA) || DeadStone(a) || DeadStone(b) || GunDeath90At(a) || GunDeath90At(b))
        return;
    const Point kuro = colA == kKuro ? a : b, siro = colA == kKuro ? b : a;
    const Point cross[2] = {Point(a.x, b.y), Point(b.x, a.y)};
    for (int i = 0; i < 2; ++i) {
        const Point x = cross[i], x2 = cross[1 - i];
        // Diagonal to x, away from both stones.
        const Point y(3 * x.x - a.x - b.x, 3 * x.y - a.y - b.y);
        if (IroOf(x) != kAki || IroOf(y) != kAki || LineNoPt(y) <= 1 || StonesAround(y) > 0)
            continue;
        if (IroOf(StepBeyond(y, StepBeyond(a, x))) == colA || IroOf(StepBeyond(y, StepBeyond(b, x))) == IroOf(b))
            continue;
        int d = 0;
        Point ptK, ptS;
        const int eK = KosumiSide(kKuro, kuro, siro, x, x2, y, d, ptK);
        const int eS = KosumiSide(kSiro, siro, kuro, x, x2, y, d, ptS);
        int value = eK + eS;
        if (d > 0)
            value /= 4;
        if (eK < 0 || eS < 0)
            value /= 2;
        if (value > 0)
            GunKankeiPut(kKuro, ptK, ptS, value, 0);
    }
}

void GunKankei3Utu(Point a, Point b, int /*weak*/)
{
    const int colA = IroOf(a);
    if (!IsStone(colA) || IroOf(b) != Aite(colA) || DeadStone(a) || DeadStone(b))
        return;
    const int la = LineNoPt(a), lb = LineNoPt(b);
    if (la == 1 || lb == 1 || (la == 2 && lb == 2))
        return;
    Point s3[9], s5[9];
    BetweenStrip3(a, b, s3);
    BetweenStrip5(a, b, s5);
    TIkkenGuns g;
    {
        const Point ownStone = colA == JibunIro ? a : b, otherStone = colA == JibunIro ? b : a;
        const TGun* own = GunAt(ownStone);
        const TGun* other = GunAt(otherStone);
        g.weakOwn = own != nullptr && own->IsWeak();
        g.weakOther = other != nullptr && other->IsWeak();
        g.nOwn = own == nullptr ? 0 : own->GetIsiSu();
        g.nOther = other == nullptr ? 0 : other->GetIsiSu();
    }
    for (int j : {0, 1}) {
        const Point q = s5[2 + j];
        if (IroOf(q) != kAki)
            continue;
        if (LineNoPt(q) >= 3)
            IkkenOpenSide(colA, q, s5[j], s5[4 + j], g);
        else
            IkkenEdgeSide(colA, a, b, s3[3 + 2 * j]);
    }
}

} // namespace vorn

#include "engine/Nozoki.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "engine/Koho.h"
#include "engine/Kyuba.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn {

Arr<Point, 1, kMaxNozoki> NozokiFrom{};
Arr<Point, 1, kMaxNozoki> NozokiTo{};
int NozokiCount = 0;
Arr<Grid<std::uint8_t, 1, 19>, 1, 2> NozokiMap{};

namespace {

inline int IroAt(Point p) { return CurGoban().GetIroPt(p); }

inline Point Dir4(Point p, int d) { return Point(p.x + Dir4X[d], p.y + Dir4Y[d]); }

// A peep of colour ca from `from` at `to`, counted when the table took it.
void AddPeep(int ca, Point from, Point to)
{
    if (NozokiAdd(from, to))
        ++NozokiMap[ca][from.x][from.y];
}

// The group of the stone at p (fresh analysis) is dead by the 90 rule.
bool GunDeath90(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsDeath90() != 0;
}

} // namespace

// ---------------------------------------------------------------------------
// The peep table

void NozokiClear()
{
    for (int c = 1; c <= 2; ++c)
        FillGrid<std::uint8_t, 1, 19>(NozokiMap[c], 0);
    NozokiCount = 0;
}

bool NozokiAdd(Point from, Point to)
{
    if (NozokiCount >= kMaxNozoki)
        return false;
    for (int i = 1; i <= NozokiCount; ++i)
        if (NozokiFrom[i] == from && NozokiTo[i] == to)
            return false;
    ++NozokiCount;
    NozokiFrom[NozokiCount] = from;
    NozokiTo[NozokiCount] = to;
    return true;
}

int NozokiList(Point from, std::span<Point> list, int high)
{
    const int room = std::min(high + 1, static_cast<int>(list.size()));
    int n = 0;
    for (int i = 1; i <= NozokiCount && n < room; ++i)
        if (NozokiFrom[i] == from)
            list[n++] = NozokiTo[i];
    return n;
}

void NozokiCheck()
{
    NozokiClear();
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int co = b.GetIro(x, y);
            if (co != kKuro && co != kSiro)
                continue;
            const Point a(x, y);
            const TLocate& loc = b.GetLocate(x, y);
            for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
                if (loc.GetKankeiIro(i) != co)
                    continue;
                if (loc.GetKankeiKind(i) == KankeiNaname)
                    NozokiKosumiCheck(a, loc.GetKankeiPoint(i));
                else if (loc.GetKankeiKind(i) == Kankei1ken)
                    NozokiIkkenCheck(a, loc.GetKankeiPoint(i));
            }
        }
}

void NozokiKosumiCheck(Point a, Point b)
{
    // One crossing point holds the cutter's stone, the other is the cut.
    const Point c1(a.x, b.y), c2(b.x, a.y);
    Point p, t;
    if (IroAt(c1) != kAki && IroAt(c2) == kAki) {
        p = c1;
        t = c2;
    } else if (IroAt(c1) == kAki && IroAt(c2) != kAki) {
        p = c2;
        t = c1;
    } else {
        return;
    }
    const int ca = IroAt(p);
    const TRen* r = ToruRenAt(p);
    if ((ca != kKuro && ca != kSiro) || r == nullptr || r->Kuu() == 1 || NeighboursOf(t, ca) != 0)
        return;
    const TGoban& board = CurGoban();
    for (int d = 1; d <= 4; ++d) {
        const Point e = Dir4(t, d);
        if (IroAt(e) != kAki || board.IsSelfAtariPt(ca, e) != 0)
            continue;
        if (EmptyNeighbours(e) > 2 || NeighboursOf(e, ca) >= 1)
            AddPeep(ca, e, t);
    }
}

void NozokiIkkenCheck(Point a, Point b)
{
    if ((a.x == b.x && a.y > b.y) || (a.y == b.y && a.x > b.x))
        return;
    const int co = IroAt(a), ca = Aite(co);
    Point box[9];
    BetweenStrip3(a, b, box);
    const Point gap = box[4];
    if (IroAt(gap) != kAki)
        return;
    if (IroAt(box[3]) == kAki && IroAt(box[5]) != co)
        AddPeep(ca, box[3], gap);
    if (IroAt(box[5]) == kAki && IroAt(box[3]) != co)
        AddPeep(ca, box[5], gap);
}

// ---------------------------------------------------------------------------
// The generator

namespace {

void KosumiAtariAll() { KosumiAtariThink(nullptr); }
void SichoMichiAll() { SichoMichiThink(nullptr); }

// The nine urgent shapes in their order, each with the reason code set
// before it runs (the double peep adds under its own).
struct TUrgentShape {
    void (*Run)();
    std::uint8_t Reason;
};
constexpr TUrgentShape kUrgentShapes[] = {
    {DoubleNozokiThink, kkNozoki}, {DameShareThink, kkToru},    {KosumiAtariAll, kkNozoki},
    {SichoMichiAll, kkNozoki},     {RyoAtariThink, kkNozoki},   {Kiri2Think, kkNozoki},
    {KeimaNozokiThink, kkNozoki},  {NozokiAtariThink, kkNozoki}, {NirenThink, kkNozoki},
};

} // namespace

void NozokiThink(Point& out)
{
    for (const TUrgentShape& shape : kUrgentShapes) {
        KohoKind = shape.Reason;
        shape.Run();
        YomiUnwind();
    }
    SelectIfAny(kSelectUrgent, out);
}

// ---------------------------------------------------------------------------
// The double peep

namespace {

// ca has played the peep; co connects at `tie` and ca cuts at `cut`.  False
// when a move is refused or the cutting stone is lost at once (in atari, or
// two liberties and caught by the ladder).
bool PeepCut(TYomiTrial& line, int ca, Point tie, Point cut)
{
    if (!line.Play(Aite(ca), tie) || !line.Play(ca, cut))
        return false;
    ToruRenMake();
    const TRen* r = ToruRenAt(cut);
    return r != nullptr && r->Kuu() != 1 && !(r->Kuu() == 2 && ToruSicho(cut));
}

// The owner has blocked at p, one step beyond the cutting stone seen from
// the peep e: the cuts on either side of p (KiriHyoka of the two side points
// of p's row in the box from e to p); s is the side of the better one.
void SideCuts(int ca, Point e, Point p, int& k1, int& k2, Point& s)
{
    Point box[9];
    BetweenStrip3(e, p, box);
    k1 = KiriHyoka(ca, box[6], box[7], box[3]);
    k2 = KiriHyoka(ca, box[8], box[7], box[5]);
    s = k1 >= k2 ? box[6] : box[8];
}

// Line 1 from the peep e: co connects at t1, ca cuts at t2.  False when the
// line does not stand.
bool DoublePeepLine1(int ca, Point e, Point t1, Point t2, bool near, int& w)
{
    const int co = Aite(ca);
    TYomiTrial line;
    if (!PeepCut(line, ca, t1, t2))
        return false;
    const Point p = StepBeyond(e, t2);
    if (!line.Play(co, p)) {
        w = YomiHyoka(ca);
        if (w >= 0 && GunDeath90(e))
            w = -1;
        return true;
    }
    int k1, k2;
    Point s;
    SideCuts(ca, e, p, k1, k2, s);
    if (k1 < 0 && k2 < 0) {
        w = YomiHyoka(ca);
        if (!near)
            w /= 2;
        return true;
    }
    // The better cut, unless the owner's connection at its point holds.
    w = std::max(k1, k2);
    line.Back();
    if (line.Play(co, s)) {
        line.Play(ca, p);
        w = std::min(w, YomiHyoka(ca));
    }
    return true;
}

// Line 2 from the peep e: co connects at t2, ca cuts at t1.
bool DoublePeepLine2(int ca, Point e, Point t1, Point t2, int& w)
{
    const int co = Aite(ca);
    TYomiTrial line;
    if (!PeepCut(line, ca, t2, t1))
        return false;
    const Point p = StepBeyond(e, t1);
    if (!line.Play(co, p)) {
        w = YomiHyoka(ca);
        return true;
    }
    int k1, k2;
    Point s;
    SideCuts(ca, e, p, k1, k2, s);
    w = std::max(k1, k2);
    if (k1 < 0 && k2 < 0) {
        w = YomiHyoka(ca);
        if (w >= 0 && GunDeath90(e))
            w = -1;
    }
    return true;
}

// Where the owner meets the double peep at e: the ladder against the one
// chain of the peeping colour around e, else a target that ataris.
Point DoublePeepPoint(int ca, Point e, Point t1, Point t2)
{
    int chains[8];
    if (ListAroundRen8(e, ca, chains) == 1) {
        const TRen* r = CurGoban().RenList.Items(chains[0]);
        Point first;
        if (r != nullptr && ToruSicho(r->GetIsi(1), &first) && first.x != 0)
            return first;
    }
    const int co = Aite(ca);
    if (AtariMapAt(co, t1) == 1)
        return t1;
    if (AtariMapAt(co, t2) == 1)
        return t2;
    return e;
}

// The owner's answer at q, or the one empty diagonal point of q when the
// owner's stones stand on its other three diagonals.
Point OwnerAnswer(int co, Point q)
{
    if (EmptyNeighbours(q) != 4)
        return q;
    int empty = 0, own = 0;
    Point d;
    for (int i = 1; i <= 4; ++i) {
        const Point n(q.x + NanameX[i], q.y + NanameY[i]);
        const int c = IroAt(n);
        if (c == kAki) {
            ++empty;
            d = n;
        } else if (c == co) {
            ++own;
        }
    }
    if (empty != 1 || own != 3 || LineNoPt(d) == 1)
        return q;
    return EmptyNeighbours(d) >= 3 || NeighboursOf(d, co) >= 1 ? d : q;
}

} // namespace

void DoubleNozokiThink()
{
    TKohoKindKeep kind(kkKankei);
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            for (int ca = 1; ca <= 2; ++ca)
                if (NozokiMap[ca][x][y] >= 2)
                    DoubleNozokiUtu(ca, Point(x, y));
}

void DoubleNozokiUtu(int ca, Point e)
{
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(e) || !InYomiArea(e))
        return;
    Point targets[4];
    if (NozokiList(e, targets, 3) < 2)
        return;
    const Point t1 = targets[0], t2 = targets[1];
    const int co = Aite(ca);
    if (b.IsToruTenPt(co, e) != 0)
        return;
    if (NeighboursOf(e, ca) == 0 && NeighboursOf(e, co) >= 1 && KiriMapAt(ca, e) == 0) {
        DoubleNozokiCut(ca, e, t1, t2);
        return;
    }
    const bool near = b.GetLocatePt(e).HasKankeiLE(KankeiKeima, ca);

    int w1 = 0, w2 = 0;
    {
        TYomiTrial peep;
        if (!peep.PushPlay(ca, e) || !DoublePeepLine1(ca, e, t1, t2, near, w1) ||
            !DoublePeepLine2(ca, e, t1, t2, w2))
            return;
    }
    const bool big = w1 >= 20 || w2 >= 20;
    int m = std::min(w1, w2);
    if (!near)
        m /= 2;

    const Point q = DoublePeepPoint(ca, e, t1, t2);
    int h = 0;
    {
        TYomiTrial answer;
        if (answer.PushPlay(co, q)) {
            h = YomiHyoka(co);
            if (JibunIro == co && GunDeath90(q))
                return;
        }
    }
    h = std::max(h, 0);

    int total = m + h;
    if (total <= 10 && big)
        total = JibunIro == ca ? total * 2 : total + (total + 1) / 2;
    else if (total >= 6)
        total += 3;
    if (total == 0)
        return;
    if (JibunIro == ca)
        AddKoho(q, total, 0);
    else
        AddKoho(m <= 0 && h >= 15 ? q : OwnerAnswer(co, q), total, 0);
}

void DoubleNozokiCut(int ca, Point e, Point t1, Point t2)
{
    const int co = Aite(ca);
    if (IroAt(StepBeyond(e, t1)) != ca || IroAt(StepBeyond(e, t2)) != ca)
        return;
    int w1, w2;
    {
        TYomiTrial peep;
        if (!peep.PushPlay(ca, e))
            return;
        {
            TYomiTrial cut;
            if (!cut.Play(co, t1) || !cut.Play(ca, t2))
                return;
            w1 = YomiHyoka(ca);
        }
        TYomiTrial cut;
        if (!cut.Play(co, t2) || !cut.Play(ca, t1))
            return;
        w2 = YomiHyoka(ca);
    }
    const int m = std::min(w1, w2);
    if (JibunIro == ca) {
        AddKoho(e, m, 0);
        return;
    }
    // The owner connects on the side the peep leaves open.
    const int d1 = IroAt(StepBeyond(t1, e)), d2 = IroAt(StepBeyond(t2, e));
    if ((d1 == kAki && d2 == kAki) || (d1 == co && d2 == co)) {
        AddKoho(t1, m, 0);
        AddKoho(t2, m, 0);
    } else {
        AddKoho(d1 == kAki ? t2 : t1, m, 0);
    }
}

// ---------------------------------------------------------------------------
// The peep at an atari point

namespace {

void NozokiAtariUtu(int ca, Point k)
{
    const int co = Aite(ca);
    TRen* x = nullptr;
    for (int d = 1; d <= 4 && x == nullptr; ++d) {
        const Point q = Dir4(k, d);
        TRen* r = IroAt(q) == co ? ToruRenAt(q) : nullptr;
        if (r != nullptr && r->Kuu() == 2)
            x = r;
    }
    if (x == nullptr)
        return;
    const Point l = x->GetKuu(1) == k ? x->GetKuu(2) : x->GetKuu(1);
    const Point m = TonariAtariKuu(x);
    if (m.x == 0)
        return;
    int w1, w2;
    {
        TYomiTrial peep;
        if (!peep.PushPlay(ca, k))
            return;
        w1 = LineHyoka(ca, {{co, m}, {ca, l}});
        TYomiTrial t;
        if (t.Play(co, l)) {
            t.Play(ca, m);
            w2 = YomiHyoka(ca);
        } else {
            w2 = w1;
        }
    }
    AddKohoSide(ca, k, m, std::min(w1, w2));
}

} // namespace

void NozokiAtariThink()
{
    for (int ca = 1; ca <= 2; ++ca)
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x) {
                const Point k(x, y);
                if (NozokiMap[ca][x][y] != 0 && AtariMapAt(Aite(ca), k) != 0)
                    NozokiAtariUtu(ca, k);
            }
}

// ---------------------------------------------------------------------------

void UrgentStage4Think(Point& out) { (void)out; }

void KosumiKankeiUtu(Point& out) { out = Point{}; }

void NozokiReset()
{
    NozokiClear();
    NozokiFrom.Fill(Point{});
    NozokiTo.Fill(Point{});
}

} // namespace vorn

#include "engine/shapes/LinkUtil.h"

#include <algorithm>

#include "board/Array.h"
#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// Cell i of a caller's box, range-tested.
Point At(std::span<const Point> box, int i)
{
    if (i < 0 || i >= static_cast<int>(box.size()))
        RangeError(i, 0, static_cast<long>(box.size()) - 1);
    return box[static_cast<std::size_t>(i)];
}

int At(std::span<const std::uint8_t> colours, int i)
{
    if (i < 0 || i >= static_cast<int>(colours.size()))
        RangeError(i, 0, static_cast<long>(colours.size()) - 1);
    return colours[static_cast<std::size_t>(i)];
}

// A box laid over the board with its colours read there.
template <int High>
struct TLocalBox {
    Arr<Point, 0, High> pt{};
    Arr<std::uint8_t, 0, High> iro{};
    std::span<Point> Out() { return std::span<Point>(pt.begin(), High + 1); }
    void ReadIro()
    {
        for (int i = 0; i <= High; ++i)
            iro[i] = static_cast<std::uint8_t>(IroOf(pt[i]));
    }
    std::span<const Point> Pts() const { return std::span<const Point>(pt.begin(), High + 1); }
    std::span<const std::uint8_t> Iro() const { return std::span<const std::uint8_t>(iro.begin(), High + 1); }
};

// The empty orthogonal neighbours of p in direction order; answers the count.
int EmptyAround(Point p, Point (&out)[4]) { return ListNeighbour(p, kAki, out); }

} // namespace

// --- Partners -----------------------------------------------------------------

int LinkPartners(Point a, Point b, int kind, std::span<Point> out)
{
    const TGoban& g = CurGoban();
    const int cap = std::min<int>(kMaxLinkPartners, static_cast<int>(out.size()));
    int n = 0;
    for (int i = 1; i <= g.PairCount() && n < cap; ++i) {
        if (g.PairKind(i) != kind)
            continue;
        // P is the point given first when the entry was made.
        const Point p = g.PairPointB(i), q = g.PairPointA(i);
        Point partner;
        if (p == a && q != b)
            partner = q;
        else if (p == b && q != a)
            partner = q;
        else if (q == b && p != a)
            partner = p;
        else if (q == a && p != b)
            partner = p;
        else
            continue;
        out[static_cast<std::size_t>(n++)] = partner;
    }
    return n;
}

int JoinedLinkCheck(Point a, Point b)
{
    Point r[kMaxLinkPartners];
    int n = LinkPartners(a, b, 2, r);
    for (int i = 0; i < n; ++i)
        IkkenPartnerUtu(a, b, r[i]);
    n = LinkPartners(a, b, 4, r);
    int result = 0;
    for (int i = 0; i < n; ++i)
        if (KeimaPartnerCheck(a, b, r[i]) == 1)
            result = 1;
    return result;
}

void IkkenPartnerUtu(Point a, Point b, Point r)
{
    Point x;
    if (Kyori(a, r) == 3)
        x = a;
    else if (Kyori(b, r) == 3)
        x = b;
    else
        return;
    TLocalBox<8> box;
    BetweenStrip3(x, r, box.Out());
    box.ReadIro();
    const Point gap = box.pt[4];
    if (!IsStone(box.iro[4]))
        return;
    const int kx = KuuOf(x), kr = KuuOf(r);
    if (kx < 2 || kx > 3 || kr < 2 || kr > 3)
        return;
    const int own = IroOf(a);
    if (!IsStone(own))
        return;
    const int opp = Aite(own);
    const bool low = box.iro[3] == own;
    const Point m1 = box.pt[low ? 0 : 2], m2 = box.pt[low ? 6 : 8], mid = box.pt[low ? 3 : 5];
    if (KuuOf(gap) <= 1)
        return;
    const TRen* single = ToruRenAt(mid);
    if (single == nullptr || single->IsiCount() != 1)
        return;

    // An end with three liberties must fall to the ladder after the
    // opponent's hane.
    const auto caughtAfter = [opp](Point end, Point hane) {
        TShapeYomi y;
        return y.Play(opp, hane) && ToruSicho(end);
    };
    if (kx == 3 && !caughtAfter(x, m1))
        return;
    if (kr == 3 && !caughtAfter(r, m2))
        return;

    // What the opponent gains by taking every liberty of an end.
    bool played = true;
    const auto fill = [opp, &played](Point end) {
        Point lib[3];
        const int k = std::min(KuuOf(end), 3);
        for (int i = 0; i < k; ++i)
            lib[i] = KuuPointOf(end, i + 1);
        TShapeYomi y(TRefusal::GoOn);
        int stood = 0;
        for (int i = 0; i < k; ++i)
            stood += y.Play(opp, lib[i]) ? 1 : 0;
        if (stood == 0) {
            played = false;
            return 0;
        }
        return y.Score(opp);
    };
    const int e1 = fill(x);
    const int e2 = fill(r);
    if (!played)
        return;

    Point best;
    int value;
    Point n[4];
    if (e2 < e1) {
        best = m2;
        value = e2;
        for (int i = 0, k = EmptyAround(m2, n); i < k; ++i)
            AddPreparedTe(m2, n[i], m1);
    } else {
        best = m1;
        value = e1;
        for (int i = 0, k = EmptyAround(m1, n); i < k; ++i)
            AddPreparedTe(m1, n[i], m2);
    }
    // The opponent's atari at the hane point: the hane from the far side.
    if (AtariMapAt(opp, m1) == 1) {
        const Point t = StepBeyond(gap, x);
        best = EmptyNeighbours(t) == 3 ? t : m1;
    } else if (AtariMapAt(opp, m2) == 1) {
        const Point t = StepBeyond(gap, r);
        best = EmptyNeighbours(t) == 3 ? t : m2;
    }
    if (JibunIro == opp) {
        AddKoho(best, value, 0);
        return;
    }
    if (JibunIro != own)
        return;
    // Our answer: the best open point beside the hane points.
    int top = 0;
    for (const Point m : {m1, m2}) {
        for (int i = 0, k = EmptyAround(m, n); i < k; ++i) {
            if (LineNoPt(n[i]) == 1 || EmptyNeighbours(n[i]) != 4)
                continue;
            const int v = UtuHyoka(own, n[i]);
            if (v > top) {
                top = v;
                best = n[i];
            }
        }
    }
    AddKoho(best, value, 0);
}

int KeimaPartnerCheck(Point a, Point b, Point r)
{
    Point k, s;
    if (Kyori(a, r) == 4 && Kyori(b, r) == 6) {
        k = a;
        s = b;
    } else if (Kyori(b, r) == 4 && Kyori(a, r) == 6) {
        k = b;
        s = a;
    } else {
        return 0;
    }
    TLocalBox<5> box;
    BetweenRows(k, r, box.Out());
    box.ReadIro();
    const int own = box.iro[0];
    if (!IsStone(own))
        return 0;
    const int opp = Aite(own);
    if (box.iro[1] != opp || IroOf(StepBeyond(box.pt[1], box.pt[0])) == opp ||
        IroOf(StepBeyond(box.pt[3], box.pt[2])) != kAki)
        return 0;
    if (KuuOf(k) < 3 || KuuOf(s) != 3)
        return 0;
    TRen* hane = ToruRenAt(box.pt[1]);
    if (hane == nullptr || hane->GetSicho() == 1)
        return 0;

    // The cut at the open crossing point of the diagonal.
    const Point c = CrossPt(a, b);
    Point l1;
    int e = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(opp, c))
            return 0;
        if (SichoCheck(c) == 1) {
            KeimaPartnerSicho(c, box.pt[2], k, s);
            return 0;
        }
        if (!ToruSicho(s, &l1))
            return 0;
        y.Play(own, l1);
        y.Play(opp, box.pt[2]);
        if (KuuOf(k) == 1)
            y.Play(own, KuuPointOf(k, 1));
        e = y.Score(opp);
    }
    if (JibunIro == opp) {
        AddKoho(c, e, 0);
        AddPreparedTe(c, l1, box.pt[2]);
        AddPreparedTe(c, box.pt[2], l1);
        return 1;
    }
    AddKoho(KuuOf(box.pt[1]) == 2 ? box.pt[3] : c, e, 0);
    return 1;
}

void KeimaPartnerSicho(Point c, Point d, Point k, Point s)
{
    if (!ToruSicho(s))
        return;
    const int own = IroOf(k);
    if (!IsStone(own))
        return;
    const int opp = Aite(own);
    int e1 = 0;
    {
        TRen* kr = ToruRenAt(k);
        const Point first = kr == nullptr ? Point() : kr->SichoTe(1);
        TShapeYomi y(TRefusal::GoOn);
        if (!y.PushPlay(opp, first) || KuuOf(d) != 2)
            return;
        y.Play(own, d);
        y.Play(opp, KuuPointOf(k, 1));
        e1 = y.Score(own);
    }
    int e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        Point l1;
        if (!y.Play(opp, d) || !ToruSicho(s, &l1))
            return;
        TRen* sr = ToruRenAt(s);
        const Point l2 = sr == nullptr ? Point() : sr->SichoTe(2);
        y.Play(own, l1);
        if (l2.x != 0)
            y.Play(own, l2);
        e2 = y.Score(own);
    }
    AddKoho(c, std::min(e1, e2), 0);
}

// --- Fixed readings -----------------------------------------------------------------

void IkkenMiaiUtu(std::span<const Point> box, Point p, Point q, int colour)
{
    if (!IsStone(colour))
        return;
    const int opp = Aite(colour);
    const Point gap = At(box, 4);
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(colour, p) || !y.Play(opp, gap) || !y.Play(colour, q))
        return;
    const int e1 = y.Score(colour);
    y.BackTo(1);
    y.Play(opp, q);
    y.Play(colour, gap);
    const int e2 = y.Score(colour);
    y.BackAll();
    AddKoho(JibunIro == colour ? p : gap, std::min(e1, e2), 0);
}

int IkkenNozokiYomi(std::span<const Point> box, std::span<const std::uint8_t> colours, int colour)
{
    if (!IsStone(colour))
        return 0;
    const int opp = Aite(colour);
    // S: colour's stone beside the gap; T the point across the gap from it.
    int s, t, p[2], q[2];
    if (At(colours, 3) == colour) {
        s = 3, t = 5, p[0] = 2, p[1] = 8, q[0] = 0, q[1] = 6;
    } else if (At(colours, 5) == colour) {
        s = 5, t = 3, p[0] = 0, p[1] = 6, q[0] = 2, q[1] = 8;
    } else {
        return 0;
    }
    if (At(colours, p[0]) != kAki || At(colours, p[1]) != kAki || KuuOf(At(box, s)) <= 2)
        return 0;
    const Point gap = At(box, 4), sp = At(box, s), tp = At(box, t);
    const Point end[2] = {At(box, 1), At(box, 7)};
    int result = 0;
    for (int i = 0; i < 2; ++i) {
        const Point qi = At(box, q[i]), pi = At(box, p[i]);
        const Point w = StepBeyond(gap, end[i]);
        const Point u = StepBeyond(sp, qi);
        if (IroOf(qi) != kAki || IroOf(StepBeyond(end[i], qi)) != opp || IroOf(u) != kAki || IroOf(w) != kAki)
            continue;
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(colour, gap))
            continue;
        y.Play(opp, tp);
        y.Play(colour, qi);
        y.Play(opp, u);
        y.Play(colour, pi);
        if (KuuOf(pi) <= 1)
            continue;
        const Point l = KuuPointOf(end[i], 1);
        const int five = y.Tries();
        y.Play(opp, l);
        Point s1;
        if (ToruSicho(tp, &s1)) {
            if (s1.x != 0)
                y.Play(colour, s1);
            const int e1 = y.Score(colour);
            y.BackTo(five);
            y.Play(opp, s1);
            y.Play(colour, l);
            const int e2 = y.Score(colour);
            y.BackAll();
            AddKoho(gap, std::min(e1, e2), 0);
            result = 1;
        } else {
            const int e0 = y.Score(colour);
            y.BackAll();
            if (e0 > 0)
                AddKoho(gap, 8, 0);
        }
    }
    return result;
}

bool IkkenSotoIsiCheck(std::span<const Point> box, std::span<const std::uint8_t> colours, int colour)
{
    if (!IsStone(colour))
        return false;
    for (const int corner : {0, 6, 2, 8}) {
        if (At(colours, corner) != colour)
            continue;
        const Point x = At(box, corner == 0 || corner == 6 ? 3 : 5);
        return IroOf(StepBeyond(At(box, 4), x)) == Aite(colour);
    }
    return false;
}

void Dame2Utu(Point s, Point t, Point u, Point v, int colour)
{
    if (!IsStone(colour))
        return;
    const int opp = Aite(colour);
    if (KuuOf(s) == 2) {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(colour, u))
            return;
        const Point l = KuuPointOf(s, 1);
        y.Play(opp, l);
        y.Play(colour, v);
        const int e1 = y.Score(colour);
        y.BackTo(1);
        y.Play(opp, v);
        y.Play(colour, l);
        const int e2 = y.Score(colour);
        y.BackAll();
        AddKoho(u, std::min(e1, e2), 0);
        return;
    }
    const int e0 = UtuHyoka(opp, t);
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(colour, t))
        return;
    y.Play(opp, u);
    y.Play(colour, v);
    const int e1 = y.Score(colour);
    y.BackTo(1);
    y.Play(opp, v);
    y.Play(colour, u);
    const int e2 = y.Score(colour);
    y.BackAll();
    AddKoho(t, e0 + std::min(e1, e2), 0);
}

void MiaiHyokaUtu(Point p, Point q, int colour)
{
    if (!IsStone(colour))
        return;
    const int opp = Aite(colour);
    TShapeYomi y(TRefusal::GoOn);
    const auto a1 = y.Line(opp, {{opp, p}, {colour, q}});
    const auto a2 = y.Line(opp, {{opp, q}, {colour, p}});
    const auto b1 = y.Line(colour, {{colour, p}, {opp, q}});
    const auto b2 = y.Line(colour, {{colour, q}, {opp, p}});
    if (!a1 || !a2 || !b1 || !b2)
        return;
    const int s1 = std::max(*a1, *a2), s2 = std::max(*b1, *b2);
    const Point first1 = *a2 > *a1 ? q : p;
    const Point first2 = *b2 > *b1 ? q : p;
    AddKoho(JibunIro == opp ? first1 : first2, s1 + s2, 0);
}

void KeimaKiriUtu(Point p, Point q, Point r, int colour)
{
    if (!IsStone(colour))
        return;
    const int opp = Aite(colour);
    const Point t = StepBeyond(p, q);
    int e1 = 0, e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(colour, p))
            return;
        y.Play(opp, q);
        const Point l = KuuPointOf(r, 1);
        y.Play(colour, l);
        e1 = y.Score(colour);
        y.BackTo(1);
        y.Play(opp, l);
        y.Play(colour, q);
        e2 = y.Score(colour);
        // The opponent's stone beyond q can be cut off on either side.
        if (IroOf(t) == kAki) {
            TLocalBox<8> box;
            BetweenStrip3(p, t, box.Out());
            box.ReadIro();
            if (box.iro[3] == opp && box.iro[5] == opp) {
                const int mark = y.Tries();
                if (y.Play(opp, t)) {
                    const bool near = box.pt[1] == t;
                    const Point x1 = box.pt[near ? 0 : 6], x2 = box.pt[near ? 2 : 8];
                    const int k = std::max(KiriHyoka(colour, x1, t, box.pt[3]), KiriHyoka(colour, x2, t, box.pt[5]));
                    e2 = std::max(e2, k);
                }
                y.BackTo(mark);
            }
        }
    }
    const int v = std::min(e1, e2);
    const int e0 = UtuHyoka(opp, p);
    AddKoho(p, (v + e0) * 3 / 2, 0);
}

void KeimaStripUtu(Point p, Point q)
{
    TLocalBox<14> box;
    BetweenStrip3(p, q, box.Out());
    box.ReadIro();
    const int own = IroOf(p);
    if (!IsStone(own))
        return;
    const int opp = Aite(own);
    const auto& c = box.iro;
    if ((c[6] == own && c[8] == own) || (c[4] == opp && c[10] == opp))
        return;
    int x1, x2, y1, y2, z1, z2;
    if (c[6] == own)
        x1 = 6, x2 = 8, y1 = 3, y2 = 9, z1 = 2, z2 = 14;
    else if (c[8] == own)
        x1 = 8, x2 = 6, y1 = 5, y2 = 11, z1 = 0, z2 = 12;
    else
        return;
    if (c[x2] == opp) {
        KeimaStripYomi(box.Pts(), box.Iro(), opp);
        return;
    }
    const auto& pt = box.pt;
    if (EmptyNeighbours(pt[y1]) < 3 || EmptyNeighbours(pt[y2]) < 3)
        return;
    const Point w1 = pt[4], w2 = pt[10];

    // Own first: the two jumps, each answered by the other.
    struct TOwnLine {
        Point wa, wb, yb, zb;
    };
    const TOwnLine ownLines[2] = {{w1, w2, pt[y2], pt[z2]}, {w2, w1, pt[y1], pt[z1]}};
    int best = 0;
    Point wBest;
    for (int i = 0; i < 2; ++i) {
        const TOwnLine& l = ownLines[i];
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, l.wa))
            return;
        y.Play(opp, l.wb);
        y.Play(own, l.yb);
        if (IroOf(l.zb) == kAki && EmptyNeighbours(l.zb) >= 3)
            y.Play(opp, l.zb);
        const int e = std::max(y.Score(own), 0);
        if (i == 0 || e > best) {
            best = e;
            wBest = l.wa;
        }
    }
    // Opponent first.
    struct TOppLine {
        Point ya, wa, yb;
    };
    const TOppLine oppLines[2] = {{pt[y1], w1, pt[y2]}, {pt[y2], w2, pt[y1]}};
    int fBest = 0;
    Point yBest;
    for (int i = 0; i < 2; ++i) {
        const TOppLine& l = oppLines[i];
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(opp, l.ya))
            return;
        y.Play(own, l.wa);
        y.Play(opp, l.yb);
        int f;
        if (KuuOf(pt[x1]) == 1) {
            const Point lib = KuuPointOf(pt[x1], 1);
            const int mark = y.Tries();
            y.Play(own, lib);
            const int a = y.Score(opp);
            y.BackTo(mark);
            y.Play(own, pt[x2]);
            y.Play(opp, lib);
            const int b = y.Score(opp);
            f = std::min(a, b);
        } else {
            f = y.Score(opp);
        }
        if (i == 0 || f > fBest) {
            fBest = f;
            yBest = l.ya;
        }
    }
    AddKoho(JibunIro == opp ? yBest : wBest, fBest + best, 0);
}

void KeimaStripYomi(std::span<const Point> box, std::span<const std::uint8_t> colours, int opp)
{
    if (!IsStone(opp))
        return;
    const int own = Aite(opp);
    int x, yc[2];
    if (At(colours, 6) == own)
        x = 6, yc[0] = 3, yc[1] = 9;
    else if (At(colours, 8) == own)
        x = 8, yc[0] = 5, yc[1] = 11;
    else
        return;
    const Point w[2] = {At(box, 4), At(box, 10)};
    const Point xp = At(box, x);
    for (int i = 0; i < 2; ++i) {
        const Point yi = At(box, yc[i]);
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(opp, yi))
            continue;
        y.Play(own, w[i]);
        Point first;
        if (ToruSicho(xp, &first))
            y.Play(opp, first);
        AddKoho(yi, y.Score(opp), 0);
    }
}

int Kankei7SubHyoka(std::span<const Point> box, int col)
{
    if (!IsStone(col))
        return -1;
    const int oth = Aite(col);
    const int e = Hyoka(col);
    Point p, q, r;
    if (IroOf(At(box, 2)) == col) {
        p = At(box, 2), q = At(box, 3), r = At(box, 1);
    } else if (IroOf(At(box, 5)) == col) {
        p = At(box, 5), q = At(box, 4), r = At(box, 6);
    } else {
        return e;
    }
    const Point s1 = StepBeyond(p, q), s2 = StepBeyond(q, r), s3 = StepBeyond(r, q);
    if (IroOf(q) != oth || IroOf(s1) != kAki || CurGoban().IsSelfAtariPt(col, r))
        return e;
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(col, r))
        return e;
    y.Play(oth, s1);
    const int v = y.Score(col);
    y.BackTo(1);
    if (v >= 10 && IroOf(s2) == kAki) {
        y.Play(oth, s2);
        y.Play(col, s3);
        y.Play(oth, s1);
        return std::min(v, y.Score(col));
    }
    return std::max(e, v);
}

} // namespace vorn

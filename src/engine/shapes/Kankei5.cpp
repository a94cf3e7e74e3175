#include "engine/shapes/Kankei5.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "board/Array.h"
#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

constexpr int kCentre = 4;
// The square reflected in its A-B diagonal: the [6] side read as the [2] side.
constexpr TPerm kTranspose = TransposePerm3();

// The group at p on a fresh analysis: its stones and its eye value (0
// without a group).
int IsiSuAt(Point p)
{
    const TGun* g = GunAt(p);
    return g == nullptr ? 0 : g->GetIsiSu();
}

void MarkMidpoints(const TShape& s)
{
    for (const int i : {1, 3, 5, 7})
        LinkMark1Set(s.R(i), 1);
}

// No attacker stone in the square: the cut at the centre against the
// attacker's stones near it.
void Kankei5Free(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    const Point centre = s.R(kCentre);
    const TLocate& loc = CurGoban().GetLocatePt(centre);
    if (!loc.HasKankeiLE(4, att))
        return;
    // An empty point may have a one-space or knight's-move relation to a
    // stone on every side (twelve of them): room for every relation it has.
    Arr<Point, 1, kMaxKankei> near{};
    const int n = loc.GetKindLEPoints(4, att, near);
    if (n == 1 && Kyori(centre, near[1]) == 3) {
        Kankei5TobiUtu(s, near[1]);
        return;
    }
    const int eAtt = UtuHyoka(att, centre);
    const int eOwn = UtuHyoka(own, centre);
    AddKoho(centre, eAtt + eOwn, 0);
    Point answers[kMaxUkeTen];
    const int m = Kankei5UkeTen(s, answers);
    for (int i = 0; i < m; ++i) {
        const Point l = answers[i];
        const int e = UtuHyoka(own, l) + (AtariMapAt(own, l) == 1 ? 2 : 0);
        s.Add(l, centre, e + eAtt);
    }
    MarkMidpoints(s);
}

// --- The attacker on a free corner ---------------------------------------------------

// Both neighbours of the corner K empty: the cut at the centre, or an atari
// at a neighbour that the attacker cannot answer by capturing.
void KadoAki(const TShape& s, Point n1, Point n2)
{
    const int own = s.Own(), att = s.Opp();
    const Point centre = s.R(kCentre);
    int h = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(att, centre);
        h = y.Score(att);
        const TGun* g = GunAt(centre);
        if (g != nullptr && g->IsDeath90() == 1)
            return;
    }
    const int v = (UtuHyoka(own, centre) + h) * 4 / 3;
    Point t = centre;
    if (AtariMapAt(own, n1) == 1 && AroundToruTe(n1, att).x == 0)
        t = n1;
    else if (AtariMapAt(own, n2) == 1 && AroundToruTe(n2, att).x == 0)
        t = n2;
    s.Add(t, centre, v);
}

// Both neighbours of K held by the attacker: the owner takes the free corner
// or the centre, the attacker pushes at the better midpoint of F's side.
void KadoRyo(const TRole& r)
{
    const TShape& s = r.Shape();
    const int own = s.Own(), att = s.Opp();
    const Point n1 = r.R(1), f = r.R(6), o1 = r.R(3), o2 = r.R(7);
    // Both tests look out from N1.
    if (IroOf(StepBeyond(n1, s.A())) == att || IroOf(StepBeyond(n1, s.B())) == att)
        return;
    const Point t = Around8Empty(f) ? f : s.R(kCentre);
    const int h = PlayScore(own, own, t);
    const int a1 = UtuHyoka(att, o1), a2 = UtuHyoka(att, o2);
    const Point x = a1 < a2 ? o2 : o1;
    s.Add(t, x, h + std::max(a1, a2));
}

// One neighbour of K held by the attacker, the other not empty (or one empty
// and the other the owner's): the owner's centre with the ladders around it.
void KadoHan(const TRole& r)
{
    const TShape& s = r.Shape();
    const int own = s.Own(), att = s.Opp();
    const Point centre = s.R(kCentre), k = r.R(2), f = r.R(6);
    Point n1 = r.R(1), n2 = r.R(5);
    if (IroOf(n2) == att)
        std::swap(n1, n2);
    const Point e1 = StepBeyond(k, n1), e2 = StepBeyond(k, n2);
    const Point v = StepBeyond(n2, e2);
    const Point u = StepBeyond(n1, centre); // the far midpoint next to E2
    const Point z = StepBeyond(centre, u);
    if (IroOf(v) == att && IroOf(z) != own) {
        AddKohoHyoka(u);
        return;
    }
    if (KuuOf(e1) <= 1)
        return;
    Point x = centre;
    if (SichoOf(e1) == 1)
        x = SichoTeOf(e1, 1);
    const int a = UtuHyoka(att, x);
    int h = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(own, centre);
        if (SichoCheck(e1) == 1) {
            y.Play(att, SichoTeOf(e1, 1));
            y.Play(own, f);
            y.Play(att, KuuPointOf(e1, 1));
            h = y.Score(own);
        } else {
            h = y.Score(own);
            // Our ladder against the corner stone, when we are to play.
            if (JibunIro == own && KuuOf(k) == 2 && SichoCheck(k) == 1) {
                const int h2 = y.ScoreAfter(own, {{own, SichoTeOf(k, 1)}});
                if (h < h2)
                    h += (h2 - h) / 2;
            }
        }
    }
    s.Add(centre, x, h + a);
}

// The attacker's cut at m beside the end stone `end`, with its ladder on
// the end stone when there is one.
int HenCut(int att, Point m, Point end)
{
    TShapeYomi y(TRefusal::GoOn);
    y.Play(att, m);
    if (KuuOf(end) == 2 && SichoCheck(end) == 1)
        return y.ScoreAfter(att, {{att, SichoTeOf(end, 1)}});
    return y.Score(att);
}

} // namespace

void Kankei5Utu(Point a, Point b)
{
    const TShape s(5, a, b);
    if (!s.Valid() || !s.Gate() || s.c(kCentre) != kAki)
        return;
    if (s.FirstOpp({2, 6}) >= 0)
        Kankei5KadoUtu(s);
    else if (s.FirstOpp({1, 3, 5, 7}) >= 0)
        Kankei5HenUtu(s);
    else
        Kankei5Free(s);
}

void Kankei5KadoUtu(const TShape& s)
{
    const int att = s.Opp();
    if (s.FirstOpp({2, 6}) < 0)
        return;
    // K the attacker's corner, N1 and N2 its neighbours, F the free corner,
    // O1 and O2 the midpoints of F's side.
    const TRole r(s, s.c(2) == att ? kIdentity : kTranspose);
    const Point centre = s.R(kCentre);
    if (IroOf(StepBeyond(centre, r.R(3))) == att || IroOf(StepBeyond(centre, r.R(7))) == att)
        return;
    MarkMidpoints(s);
    const int c1 = r.c(1), c2 = r.c(5);
    if (c1 == kAki && c2 == kAki)
        KadoAki(s, r.R(1), r.R(5));
    else if (c1 == att && c2 == att)
        KadoRyo(r);
    else
        KadoHan(r);
}

void Kankei5HenUtu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    const bool side2 = s.FirstOpp({1, 5}) >= 0;
    if (!side2 && s.FirstOpp({3, 7}) < 0)
        return;
    // The attacker's midpoint on [1] or [5] of the view; Q mirrors it in the
    // A-B diagonal, F is the corner on Q's side.
    const TRole r(s, side2 ? kIdentity : kTranspose);
    if (r.c(1) == att && r.c(5) == att) {
        Kankei5HenRyoUtu(s);
        return;
    }
    const bool nearA = r.c(1) == att;
    const Point centre = s.R(kCentre), f = r.R(6), q = r.R(nearA ? 3 : 7);
    const Point end = nearA ? s.A() : s.B();
    if (IroOf(StepBeyond(centre, q)) == att)
        return;
    const int kuu = KuuOf(end);
    if (kuu <= 1)
        return;
    if (kuu == 2) {
        Kankei5Dame2Utu(s);
        return;
    }
    Point t = centre;
    int e = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(own, centre);
        const int mark = y.Tries();
        y.Play(att, q);
        if (CaughtAt(q)) {
            y.BackTo(mark);
            e = y.Score(own);
        } else {
            CurGoban().Analyze();
            if (MeAt(centre) >= 4 && MeAt(end) >= 4) {
                y.BackTo(mark);
                e = y.Score(own);
            } else {
                y.BackAll();
                if (NeighboursOf(f, att) != 2)
                    t = f;
                e = y.ScoreAfter(own, {{own, t}});
            }
        }
    }
    const int e2 = PlayScore(att, att, centre);
    int v = e + e2;
    if (v >= 10 && e > 0 && e2 > 0)
        v += 3;
    if (e < 0 && v > 0)
        v /= 2;
    s.Add(t, centre, v);
}

void Kankei5HenRyoUtu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    const bool side2 = s.c(1) == att && s.c(5) == att;
    if (!side2 && !(s.c(3) == att && s.c(7) == att))
        return;
    // O1, O2 the attacker's midpoints, M1, M2 the other two, F the corner
    // on their side.
    const TRole r(s, side2 ? kIdentity : kTranspose);
    const Point o1 = r.R(1), o2 = r.R(5), f = r.R(6), m1 = r.R(3), m2 = r.R(7);
    const Point centre = s.R(kCentre);
    const int r1 = IroOf(StepBeyond(centre, m1)), r2 = IroOf(StepBeyond(centre, m2));
    if (r1 == kHen || r2 == kHen || r1 == att || r2 == att)
        return;
    if (KuuOf(s.A()) == 1 || KuuOf(s.B()) == 1)
        return;
    if (r1 == kAki && r2 == own) {
        AddKohoHyoka(m1);
        return;
    }
    if (r1 == own && r2 == kAki) {
        if (KuuOf(o2) <= 2)
            s.Add(centre, m2, UtuHyoka(own, centre) + UtuHyoka(att, m2));
        else
            AddKohoHyoka(m2);
        return;
    }
    const int h1 = HenCut(att, m1, s.A()), h2 = HenCut(att, m2, s.B());
    const Point x = h1 < h2 ? m2 : m1;
    const Point t = KuuOf(o1) == 2 || KuuOf(o2) == 2 ? centre : f;
    s.Add(t, x, UtuHyoka(own, t) + std::max(h1, h2));
}

void Kankei5Dame2Utu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    // By the first attacker stone among the midpoints: O that stone, M the
    // midpoint beside the same end stone S.
    struct TRoles {
        int o, m, s;
    };
    static constexpr TRoles kRoles[] = {{1, 3, 0}, {3, 1, 0}, {5, 7, 8}, {7, 5, 8}};
    const TRoles* pick = s.FirstOppRow(kRoles, &TRoles::o);
    if (pick == nullptr)
        return;
    const Point o = s.R(pick->o), m = s.R(pick->m), end = s.R(pick->s), centre = s.R(kCentre);
    const int n = IsiSuAt(end), me = MeAt(o);
    const Point r1 = StepBeyond(o, centre); // the midpoint opposite O
    const Point r2 = StepBeyond(centre, m);

    int e = 0;
    if (KuuOf(o) <= 2) {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(own, centre);
        if (IroOf(o) != att)
            e = y.Score(own); // O's stone was captured
        else
            e = y.ScoreAfter(own, {{att, KuuPointOf(o, 1)}});
    } else if (IroOf(r2) == own) {
        e = UtuHyoka(own, centre);
    } else {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(own, centre);
        e = y.Score(own);
        y.Play(att, m);
        y.Play(own, KuuPointOf(end, 1));
        e = std::min(e, y.Score(own));
        y.BackAll();
        LinkMark2Set(m, 1);
    }
    int f = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(att, m);
        f = y.ScoreAfter(att, {{own, KuuPointOf(end, 1)}, {att, r1}});
    }
    int v = e + f;
    // A lone end stone against a group with eyes is half the matter.
    if (n == 1 && me >= 6)
        v /= 2;
    s.Add(centre, m, v);
}

void Kankei5TobiUtu(const TShape& s, Point e)
{
    const int own = s.Own(), att = s.Opp();
    const Point centre = s.R(kCentre);
    const Point mid((centre.x + e.x) / 2, (centre.y + e.y) / 2);
    // M the midpoint toward e, H the free corner next to M, G the other
    // midpoint next to H: the attacker cuts at the centre and crawls to G.
    struct TRoles {
        int m, g, h;
    };
    static constexpr TRoles kRoles[] = {{3, 7, 6}, {7, 3, 6}, {1, 5, 2}, {5, 1, 2}};
    const TRoles* pick =
        std::find_if(std::begin(kRoles), std::end(kRoles), [&](const TRoles& k) { return s.R(k.m) == mid; });
    if (pick == std::end(kRoles))
        return;
    const Point m = s.R(pick->m), g = s.R(pick->g), h = s.R(pick->h);
    const Point yPt = StepBeyond(g, h), z = StepBeyond(e, yPt);
    if (IroOf(yPt) == own || IroOf(z) == own)
        return;
    TShapeYomi y(TRefusal::GoOn);
    const int gain = y.ScoreAfter(att, {{att, centre}, {own, m}, {att, g}});
    if (gain > 0)
        s.Add(m, centre, gain);
}

int Kankei5UkeTen(const TShape& s, std::span<Point> out)
{
    const int att = s.Opp();
    const auto held = [att](Point p) { return IroOf(p) == att; };
    const auto beyond = [&s, &held](int from, int via) { return held(StepBeyond(s.R(from), s.R(via))); };
    const int cap = std::min(kMaxUkeTen, static_cast<int>(out.size()));
    int n = 0;
    const auto add = [&](int i) {
        if (n < cap)
            out[static_cast<std::size_t>(n++)] = s.R(i);
    };
    const auto centreOnly = [&] {
        n = 0;
        add(kCentre);
        return n;
    };
    // The side of [2].
    const bool x1 = beyond(kCentre, 1), x5 = beyond(kCentre, 5);
    if (x1 && x5)
        return centreOnly();
    if (x1 != x5)
        add(x1 ? 1 : 5);
    const bool y2a = beyond(5, 2), y2b = beyond(1, 2);
    if (y2a && y2b)
        return centreOnly();
    if (y2a != y2b) {
        if ((y2a && x5) || (y2b && x1))
            return n;
        add(2);
    }
    // The side of [6]: its corner only when the attacker captures at neither
    // midpoint next to it.
    const bool x3 = beyond(kCentre, 3), x7 = beyond(kCentre, 7);
    if (x3 && x7)
        return centreOnly();
    if (x3 != x7)
        add(x3 ? 3 : 7);
    const bool y6a = beyond(7, 6), y6b = beyond(3, 6);
    if (y6a && y6b)
        return centreOnly();
    if (!y6a && !y6b)
        return n;
    if ((y6a && x7) || (y6b && x3))
        return n;
    const TGoban& g = CurGoban();
    if (g.IsToruTenPt(att, s.R(3)) == 1)
        add(3);
    else if (g.IsToruTenPt(att, s.R(7)) == 1)
        add(7);
    else
        add(6);
    return n;
}

} // namespace vorn

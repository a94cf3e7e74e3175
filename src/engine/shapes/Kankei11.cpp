#include "engine/shapes/Kankei11.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

constexpr TRefusal kGoOn = TRefusal::GoOn;
constexpr TPerm kHalfTurn = ReversePerm(9);

bool Has(Point p, int c) { return IroOf(p) == c; }

// Hyoka(c) after c plays p, taken back; 0 at the game position when p is
// refused.
int After(int c, Point p)
{
    TShapeYomi y(kGoOn);
    y.Play(c, p);
    return y.ScoreReached(c);
}

// --- The attacker inside --------------------------------------------------------------------

// The attacker at R4 (R5): the middle of A's line.
void Kankei11Naka45Utu(const TRole& r)
{
    const int own = r.Own(), att = r.Opp();
    const Point n = r.R(5), z = r.D(5), q = r.D(7), k1 = r.R(3), k2 = r.R(2), k3 = r.R(7);
    if (r.d(5) != kAki || r.d(9) == att || r.c(2) == att || r.c(6) == att)
        return;
    const int h = After(own, n);
    if (Has(StepBeyond(n, z), att)) {
        const int a1 = UtuHyoka(att, q);
        if (JibunIro == att)
            AddKoho(q, h + a1, 0);
        const int a2 = UtuHyoka(att, k1);
        if (JibunIro == att)
            AddKoho(k1, h + a2, 0);
        else
            AddKoho(n, h + std::max(a1, a2), 0);
        return;
    }
    int a = 0;
    {
        TShapeYomi y(kGoOn);
        y.Play(att, z);
        a = y.ScoreReached(att);
        if (JibunIro == att && IsDeath90At(z))
            return;
    }
    Point t = z;
    if (LineNoPt(z) == 1) {
        if (const int a3 = UtuHyoka(att, k3); a < a3)
            t = k3, a = a3;
        if (const int a4 = UtuHyoka(att, k1); a <= a4)
            t = k1, a = a4;
    }
    if (JibunIro == att) {
        AddKoho(t, a + h, 0);
    } else {
        AddKoho(n, a + h, 0);
        AddPreparedTe(n, k1, k2);
    }
}

// The attacker at R3 (R6): beside A's line one step in.
void Kankei11Naka36Utu(const TRole& r)
{
    const int own = r.Own(), att = r.Opp();
    const Point o = r.R(3), m1 = r.R(2), m2 = r.R(4), g4 = r.D(4);
    const Point beyondG2 = StepBeyond(m1, r.D(2));
    if (Has(beyondG2, att) || Has(StepBeyond(m2, g4), att))
        return;
    if (r.d(0) == own) {
        AddKohoHyoka(m2);
        return;
    }
    if (r.d(5) == att) {
        const int e = UtuHyoka(own, m2);
        Point t = m1;
        if (Has(StepBeyond(m1, o), own)) {
            t = m2;
        } else if (CurGoban().OnBoardPt(g4)) {
            TIroCounts around;
            CountAround8(g4, around);
            if (around[kAki] == 8)
                t = g4;
        }
        r.Shape().Add(m2, t, e + UtuHyoka(att, t));
        return;
    }
    if (Has(beyondG2, own)) {
        const Point y = StepBeyond(m1, m2);
        r.Shape().Add(m2, y, UtuHyoka(own, m2) + UtuHyoka(att, y));
        return;
    }
    AddKoho(m1, UtuHyoka(own, m1) + UtuHyoka(att, m1), 0);
}

// The attacker at R2 (R7): next to A on A's line.
void Kankei11Naka27Utu(const TRole& r)
{
    const int own = r.Own(), att = r.Opp();
    const Point o = r.R(2), m = r.R(3), e = r.R(0), n = r.R(1);
    if (Has(StepBeyond(o, e), att) || Has(StepBeyond(m, n), att) || Has(StepBeyond(e, n), att))
        return;
    Point u = m;
    TIroCounts around;
    CountAround8(o, around);
    if (around[att] > 0 && KuuOf(o) >= 3)
        u = StepBeyond(o, m);
    r.Shape().Add(m, u, UtuHyoka(own, m) + UtuHyoka(att, u));
}

// The attacker at R1 (R8): touching A from B's line.
void Kankei11Naka18Utu(const TRole& r)
{
    const int own = r.Own(), att = r.Opp();
    const Point o = r.R(1), p = r.R(2), e = r.R(0), q = r.R(4);
    if (KuuOf(e) == 1 || r.d(3) == own || r.d(5) == own || r.d(7) == own || r.d(0) == att || r.d(2) == att ||
        KuuOf(o) == 1)
        return;
    const Point t = (KuuOf(o) <= 2 && KuuOf(e) > 2) ? q : p;
    const int ev = UtuHyoka(own, t);
    int h = 0;
    bool weak = false;
    {
        TShapeYomi y(kGoOn);
        y.Play(att, p);
        if (KuuOf(e) == 1)
            y.Play(own, KuuPointOf(e, 1));
        h = y.ScoreReached(att);
        weak = IsWeakAt(p);
    }
    int v = ev + h;
    if (JibunIro == att && weak)
        v /= 2;
    r.Shape().Add(t, p, v);
}

// --- The attacker on the outer lines only ---------------------------------------------------

// Two attacker's stones outside the middle, on either side.
void Kankei11Soto45RyoUtu(const TRole& r)
{
    const Point p = r.R(5), u = r.R(7);
    if (r.d(6) == r.Opp())
        AddKohoHyoka(p);
    else
        r.Shape().Add(p, u, UtuHyoka(r.Own(), p) + UtuHyoka(r.Opp(), u));
}

// The attacker at D4 (D5): outside the middle of A's line.
void Kankei11Soto45Utu(const TRole& r)
{
    if (r.d(8) == r.Opp())
        Kankei11Soto45RyoUtu(r);
    else
        AddKohoHyoka(r.R(5));
}

// The attacker at D3 (D6): outside B's line, one step from A.
void Kankei11Soto36Utu(const TRole& r)
{
    const int own = r.Own(), att = r.Opp();
    const Point t = r.R(5);
    if (r.d(2) == att)
        return;
    const int e = UtuHyoka(own, t);
    const Point u = IsWeakAt(r.R(0)) ? r.R(4) : r.R(2);
    r.Shape().Add(t, u, e + UtuHyoka(att, u));
}

// The attacker at D2 (D7): outside A's line, one step from A.
void Kankei11Soto27Utu(const TRole& r)
{
    const int own = r.Own(), att = r.Opp();
    const Point p = r.R(2), q = r.R(3), n = r.R(4), m = r.R(5);
    const Point t = r.d(1) == own ? n : p;
    const int e = UtuHyoka(own, t);
    TIroCounts around;
    CountNeighbour(StepBeyond(m, n), around);
    Point u = p;
    int a = 0;
    if (around[att] >= 2 && around[own] == 0) {
        u = m;
        a = UtuHyoka(att, m);
    } else {
        TShapeYomi y(kGoOn);
        a = y.ScoreAfter(att, {{att, p}, {own, q}, {att, m}});
    }
    int v = e + a;
    if (e < 0 || a < 0)
        v /= 4;
    r.Shape().Add(t, u, v);
}

// The attacker at D1 (D8): outside B's line beside A.
void Kankei11Soto18Utu(const TRole& r)
{
    const int own = r.Own(), att = r.Opp();
    const Point p = r.R(2), q = r.R(3), o = r.R(1);
    if (Has(StepBeyond(q, r.D(3)), own))
        return;
    const int v = After(own, q) + After(att, p);
    if (JibunIro == own) {
        AddKoho(q, v, 0);
    } else {
        AddKoho(p, v, 0);
        AddPreparedTe(p, q, o);
        AddPreparedTe(p, o, q);
    }
}

// The pairs of cells i and 9 - i, middle first, with their patterns.
struct TPairPattern {
    int i;
    void (*fn)(const TRole&);
};

constexpr TPairPattern kNaka[] = {
    {4, Kankei11Naka45Utu}, {3, Kankei11Naka36Utu}, {2, Kankei11Naka27Utu}, {1, Kankei11Naka18Utu}};
constexpr TPairPattern kSoto[] = {
    {4, Kankei11Soto45Utu}, {3, Kankei11Soto36Utu}, {2, Kankei11Soto27Utu}, {1, Kankei11Soto18Utu}};

void RunFirstPair(const TShape& s, bool outer, const TPairPattern (&table)[4])
{
    const auto at = [&](int i) { return outer ? s.d(i) : s.c(i); };
    for (const TPairPattern& p : table) {
        if (at(p.i) == s.Opp()) {
            p.fn(TRole(s, kIdentity));
            return;
        }
        if (at(9 - p.i) == s.Opp()) {
            p.fn(TRole(s, kHalfTurn));
            return;
        }
    }
}

} // namespace

void Kankei11NakaUtu(const TShape& s) { RunFirstPair(s, false, kNaka); }

void Kankei11SotoUtu(const TShape& s) { RunFirstPair(s, true, kSoto); }

void Kankei11Utu(Point a, Point b)
{
    const TShape s(11, a, b);
    if (!s.Valid() || !s.Gate())
        return;
    for (int i = 0; i <= 9; ++i) {
        if (s.c(i) == s.Opp()) {
            Kankei11NakaUtu(s);
            return;
        }
    }
    Kankei11SotoUtu(s);
}

} // namespace vorn

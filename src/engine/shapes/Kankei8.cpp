#include "engine/shapes/Kankei8.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

constexpr TPerm kHalfTurn = ReversePerm(11);

// The view in which the attacker's stone stands on `cell`: the box as it
// is when that cell holds it, else its half turn.
TRole RolesOf(const TShape& s, int cell) { return TRole(s, s.c(cell) == s.Opp() ? kIdentity : kHalfTurn); }

int StonesOf(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->IsiCount();
}

// The attacker plays x; the group there by a fresh analysis.  Hyoka of the
// position is HyokaDiff after that analysis.
const TGun* CutGroup(TShapeYomi& y, int att, Point x)
{
    y.Play(att, x);
    CurGoban().Analyze();
    return GunAt(x);
}

} // namespace

TKankei8Soto::TKankei8Soto(const TShape& s)
{
    // Each point one step past a box cell, away from the cell named first.
    static constexpr int kW[4][2] = {{4, 3}, {7, 6}, {4, 5}, {7, 8}};
    static constexpr int kV[4][2] = {{5, 2}, {4, 1}, {7, 10}, {6, 9}};
    const TGoban& g = CurGoban();
    for (int i = 1; i <= 4; ++i) {
        W[i] = StepBeyond(s.R(kW[i - 1][0]), s.R(kW[i - 1][1]));
        V[i] = StepBeyond(s.R(kV[i - 1][0]), s.R(kV[i - 1][1]));
        w[i] = static_cast<std::uint8_t>(g.GetIroPt(W[i]));
        v[i] = static_cast<std::uint8_t>(g.GetIroPt(V[i]));
    }
}

void Kankei8Utu(Point a, Point b)
{
    const TShape s(8, a, b);
    if (!s.Valid() || !s.Gate())
        return;
    const int att = s.Opp();
    const bool open4 = s.c(4) == kAki, open7 = s.c(7) == kAki;
    if (open4 != open7) {
        Kankei8WarikomiUtu(s);
        return;
    }
    if (!open4)
        return;
    // B's end is looked at before A's.
    switch (const int first = s.FirstOpp({5, 6, 8, 9, 3, 2, 1, 10})) {
    case 5:
    case 6:
        Kankei8NakaUtu(s);
        break;
    case 8:
    case 3:
        Kankei8TateTukeUtu(s);
        break;
    case 9:
    case 2:
        // A far corner: with the point beside it toward the end stone held
        // too, the contact across the short side.
        if (s.c(first == 9 ? 10 : 1) == att)
            Kankei8YokoTukeUtu(s);
        else
            Kankei8KadoUtu(s);
        break;
    case 1:
    case 10:
        Kankei8YokoTukeUtu(s);
        break;
    default:
        Kankei8Free(s);
        break;
    }
}

void Kankei8NakaUtu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    // O = [5] beside the middle point N = [4]; M = [7] the other middle
    // point; E = B the stone past M.
    const TRole r = RolesOf(s, 5);
    const Point n = r.R(4), m = r.R(7), q2 = r.R(3), q3 = r.R(8), q4 = r.R(6), e = r.R(11);
    if (IroOf(StepBeyond(m, q4)) == own)
        return;
    if (r.c(1) == att) {
        s.Add(m, q2, UtuHyoka(own, m) + UtuHyoka(att, q2));
        return;
    }
    if (r.c(8) == att) {
        if (KuuOf(e) == 1)
            return;
        s.Add(m, q4, UtuHyoka(own, m) + UtuHyoka(att, q4));
        return;
    }
    const Point s1 = StepBeyond(r.R(10), e), s2 = StepBeyond(m, q3);
    if (IroOf(s1) == att && IroOf(s2) == kAki) {
        TShapeYomi y(TRefusal::GoOn);
        const int h = y.ScoreAfter(own, {{own, q3}, {att, s2}, {own, n}});
        s.Add(q3, q2, h + PlayScore(att, att, q2));
        return;
    }
    AddKohoHyoka(m);
}

void Kankei8TateTukeUtu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    // O = [3] touching E = A along the long side; P = [4] the middle point
    // beside it, G = [1] the other point touching A, H = [5].
    const TRole r = RolesOf(s, 3);
    const Point o = r.R(3), e = r.R(0), p = r.R(4), g = r.R(1), hane = r.R(5);
    const int n = KuuOf(o);
    int h = 0, w = 0;
    Point t = p;
    if (n <= 2) {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(own, p);
        if (n == 2) {
            // The contact stone in atari: it runs, or we take it.
            const Point l = KuuPointOf(o, 1);
            const int mark = y.Tries();
            y.Play(att, l);
            h = y.Score(own);
            y.BackTo(mark);
            y.Play(own, l);
            w = y.Score(own);
        } else {
            h = y.Score(own);
        }
    } else {
        if (KuuOf(e) <= 2)
            t = g;
        h = PlayScore(own, own, p);
    }
    const Point u = KuuOf(e) == 1 ? hane : p;
    const int a = PlayScore(att, att, u);
    int v = h + a;
    if (w > 0)
        v = std::min(2 * v, h + a + (w - h) / 2);
    s.Add(t, u, v);
}

void Kankei8YokoTukeUtu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    // O = [1] touching E = A across the short side; P1 = [4] the middle
    // point next to it, P2 = [7] the far one, F = [6].
    const TRole r = RolesOf(s, 1);
    const Point o = r.R(1), p1 = r.R(4), p2 = r.R(7), e = r.R(0), f = r.R(6);
    const int n = KuuOf(o);
    if (n <= 1)
        return;
    const Point x = n == 2 || SichoOf(o) == 1 ? p1 : p2;
    int h = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        const TGun* g = CutGroup(y, att, x);
        if (g != nullptr && g->IsDeath90() == 1 && JibunIro == att)
            return;
        h = HyokaDiff(att);
    }
    Point t = p1;
    if (StonesOf(e) == 1 && StonesOf(o) >= 2 && Around8Empty(f))
        t = f;
    s.Add(t, x, UtuHyoka(own, t) + h);
}

void Kankei8KadoUtu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    // O = [2] on the far corner, N = [1] between it and A, P = [4] the
    // middle point, D = [5].
    const TRole r = RolesOf(s, 2);
    const Point o = r.R(2), p = r.R(4), nPt = r.R(1), d = r.R(5);
    if (SichoOf(o) == 1)
        return;
    const Point x = StepBeyond(nPt, o);
    if (IroOf(x) != own) {
        AddKohoHyoka(p);
        return;
    }
    const Point yPt = StepBeyond(p, d);
    if (CurGoban().IsSelfAtariPt(own, d) == 1)
        return;
    Point t = d;
    int h = 0;
    {
        // Our stone on D, their push at P, our block at N: can they cut
        // on at Y and take our stone beyond the corner?
        TShapeYomi y(TRefusal::GoOn);
        y.Play(own, d);
        y.Play(att, p);
        y.Play(own, nPt);
        const int mark = y.Tries();
        if (y.Play(att, yPt) && KuuOf(yPt) >= 2 && CaughtAt(x))
            t = p;
        y.BackTo(mark);
        if (t == d)
            h = y.Score(own);
    }
    if (t == p)
        h = UtuHyoka(own, p);
    const int a1 = UtuHyoka(att, p), a2 = UtuHyoka(att, d);
    const Point u = a1 >= a2 ? p : d;
    s.Add(t, u, h + std::max(a1, a2) + 2);
}

void Kankei8Free(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    const TKankei8Soto o(s);
    if (o.w[2] == own || o.w[3] == own)
        return;
    const auto held = [att](std::uint8_t c) { return c == att; };
    if ((held(o.w[1]) || held(o.w[2])) && (held(o.v[1]) || held(o.v[2]))) {
        AddKohoHyoka(s.R(4));
        return;
    }
    if ((held(o.w[3]) || held(o.w[4])) && (held(o.v[3]) || held(o.v[4]))) {
        AddKohoHyoka(s.R(7));
        return;
    }
    int outside = 0, beside = 0;
    for (int i = 1; i <= 4; ++i) {
        beside += held(o.w[i]) ? 1 : 0;
        outside += (held(o.w[i]) ? 1 : 0) + (held(o.v[i]) ? 1 : 0);
    }
    if (outside == 1) {
        Kankei8SotoIsi(s, o);
        return;
    }
    Point x = s.R(4);
    int h = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        const TGun* g = CutGroup(y, att, x);
        if (JibunIro == att && g != nullptr && g->IsWeak20())
            return;
        h = HyokaDiff(att);
    }
    if (const int h2 = UtuHyoka(att, s.R(7)); h < h2) {
        h = h2;
        x = s.R(7);
    }
    Point t = s.R(4);
    if (beside == 1) {
        if (held(o.w[2]))
            t = s.R(6);
        else if (held(o.w[3]))
            t = s.R(5);
    }
    int e = UtuHyoka(own, t);
    if (const int e2 = UtuHyoka(own, s.R(7)); e < e2) {
        e = e2;
        t = s.R(7);
    }
    s.Add(t, x, e + h);
}

void Kankei8SotoIsi(const TShape& s, const TKankei8Soto& o)
{
    const int att = s.Opp();
    if (o.w[2] == att || o.w[3] == att)
        Kankei8SotoYokoUtu(s, o);
    else if (o.w[1] == att || o.w[4] == att)
        return;
    else if (o.v[1] == att || o.v[4] == att)
        Kankei8SotoKadoUtu(s, o);
}

void Kankei8SotoYokoUtu(const TShape& s, const TKankei8Soto& o)
{
    const int own = s.Own(), att = s.Opp();
    Point t, u, z;
    if (o.w[2] == att)
        t = s.R(6), u = s.R(7), z = o.W[1];
    else if (o.w[3] == att)
        t = s.R(5), u = s.R(4), z = o.W[4];
    else
        return;
    if (IroOf(z) == own)
        return;
    s.Add(t, u, UtuHyoka(own, t) + UtuHyoka(att, u));
}

void Kankei8SotoKadoUtu(const TShape& s, const TKankei8Soto& o)
{
    const int own = s.Own(), att = s.Opp();
    Point t, u;
    if (o.v[1] == att)
        t = s.R(2), u = s.R(4);
    else if (o.v[4] == att)
        t = s.R(9), u = s.R(7);
    else
        return;
    s.Add(t, u, UtuHyoka(own, t) + UtuHyoka(att, u));
}

void Kankei8WarikomiUtu(const TShape& s)
{
    const int own = s.Own(), att = s.Opp();
    if (s.c(4) != att && s.c(7) != att)
        return;
    // P = [4] the attacker's wedge, T = [9] the owner's answer on the far
    // corner, K = [6] the attacker's extension, D = [3] beside A = E, G = [1].
    const TRole r = RolesOf(s, 4);
    if (r.c(5) == own && r.c(1) == kAki)
        return;
    const Point p = r.R(4), t = r.R(9), k = r.R(6), d = r.R(3), e = r.R(0), g = r.R(1);
    if (IroOf(StepBeyond(p, d)) == own || r.c(9) != kAki || IroOf(StepBeyond(g, e)) == att || !Around8Empty(t) ||
        SichoOf(e) == 1)
        return;
    const int a = UtuHyoka(own, t);
    Point u = k;
    int h = 0, death = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(att, k);
        h = y.Score(att);
        if (const TGun* gun = GunAt(k); gun != nullptr) {
            if (gun->GetDeath() == 1)
                death = 100;
            else if (gun->IsWeak())
                death = gun->GetDeathLevel();
        }
    }
    // Beside an end stone on the second line with three liberties, the
    // attacker's move at D may start a ladder on it: D is then the cut.
    if (LineNoPt(d) == 2 && KuuOf(e) == 3) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(att, d) && SichoCheck(e) == 1)
            u = d;
    }
    int v = a + h;
    if (death > 0)
        v = v * death / 100;
    s.Add(t, u, v);
}

} // namespace vorn

#include "engine/shapes/Ogeima.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Locate.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/OgeimaSoto.h"

namespace vorn {

// Readings that stand no move score 0 (ScoreReached): the value of the
// position the decision starts from.  A pattern whose opening move is
// refused adds nothing; a later refused move is skipped and the line goes on.

namespace {

constexpr TRefusal kGoOn = TRefusal::GoOn;

// --- One stone inside ---------------------------------------------------------------

// The attacker at R3 (the mirror R4), diagonally inside from A.
bool OgeimaNanameUtu(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.c(3) != opp)
        return false;
    const Point y2 = StepBeyond(r.R(4), r.D(4)), y3 = StepBeyond(r.R(2), r.D(2));
    if (IroOf(y3) == opp || r.d(0) == opp || r.d(0) == kHen || (r.d(3) == own && r.c(1) == kAki) || r.d(6) == own)
        return true;
    LinkMark1Set(r.R(2), 1);
    if (r.d(0) == own && IroOf(y2) != opp) {
        AddKohoTry(r.R(4));
        return true;
    }
    const Point y4 = StepBeyond(r.D(2), r.D(0));

    // The owner's move: the hane under A, or the extension from a lone A.
    Point p = r.R(2);
    if (SichoOf(r.R(3)) != 1 && IsiOf(r.R(0)) == 1 && r.Kuu(0) <= 2)
        p = r.R(4);
    int e1 = 0;
    {
        TShapeYomi y(kGoOn);
        if (!y.Play(own, p))
            return true;
        const int k = KuuOf(p);
        if (k == 1 || (k == 2 && SichoCheck(r.R(2)) == 1))
            return true;
        e1 = y.Score(own);
        // A weak attacker's group near D4: the owner's diagonal approach.
        const TGoban& g = CurGoban();
        const Point d4 = r.D(4);
        const Point near = g.OnBoardPt(d4) ? g.GetLocatePt(d4).GetNearest(opp) : Point();
        if (g.OnBoardPt(near) && IroOf(near) == opp && IsWeakAt(near)) {
            Point diag[4];
            const int n = ListDiagonal(near, kAki, diag);
            for (int i = 1; i < n; ++i)
                if (Kyori(diag[i], d4) < Kyori(diag[0], d4))
                    std::swap(diag[0], diag[i]);
            if (n > 0 && y.Play(own, diag[0]))
                e1 = y.Score(own);
        }
    }

    // The attacker's point.
    const Point t = (IroOf(y4) == own || IroOf(y2) == opp) ? r.R(4) : r.R(2);
    int e2 = 0;
    {
        TShapeYomi y(kGoOn);
        y.Play(opp, t);
        e2 = y.ScoreReached(opp);
        if (t == r.R(2) && JibunIro == opp && IsDeath90At(t))
            return true;
    }
    const int v = e1 + e2;
    AddKoho(JibunIro == opp ? t : p, v, 0);
    return true;
}

// The attacker at R2 with the owner at D3: the crosscut beside A.
void OgeimaNaka1Yomi(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.d(7) == own || IsDeath70At(r.R(2)))
        return;
    const Point r3 = r.R(3), w = r.D(5);
    TShapeYomi y(kGoOn);
    if (!y.Play(own, r3))
        return;
    const int e0 = y.Score(own);
    y.BackAll();
    y.Play(opp, r3);
    const int ea = y.ScoreAfter(opp, {{own, r.R(1)}, {opp, w}, {own, r.R(5)}});
    const int eb = y.ScoreAfter(opp, {{own, w}, {opp, r.R(1)}});
    int v = e0 + std::min(ea, eb);
    AddKoho(r3, v, 0);
    if (v > 0)
        return;
    // The owner gives up R3 and blocks outside.
    const int ec = y.ScoreAfter(opp, {{own, r.R(1)}, {opp, r.R(5)}, {own, w}});
    v = e0 + ec;
    if (v <= 5)
        v = JibunIro == opp ? 2 * v : v + v / 2;
    AddKoho(r3, v, 0);
}

// The attacker at R2 (the mirror R5), beside A on A's line.
bool OgeimaNaka1Utu(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.c(2) != opp)
        return false;
    if (r.d(3) == opp || r.d(5) == opp)
        return true;
    if (r.Kuu(0) == 1 || SichoOf(r.R(2)) == 1)
        return true;
    if (r.d(5) == own)
        return true;
    if (r.d(3) == own) {
        OgeimaNaka1Yomi(r);
        return true;
    }
    const Point a = r.R(0), r1 = r.R(1), r3 = r.R(3), r5 = r.R(5), d3 = r.D(3);

    // The owner's turn at R3, read against the ladder on A.
    int e1 = 0;
    {
        TShapeYomi y(kGoOn);
        if (!y.Play(own, r3))
            return true;
        e1 = y.Score(own);
        if (KuuOf(a) == 2 && SichoCheck(a) == 1) {
            y.Play(opp, SichoTeOf(a, 1));
            e1 = y.Score(own);
        }
    }

    // The attacker's point.
    Point p = r3;
    int e2 = 0;
    const Point behind = StepBeyond(r.R(2), a);
    if (IroOf(behind) == opp && CurGoban().IsSelfAtariPt(opp, r1) == 0) {
        if (LineNoPt(r5) == 1 && r.c(6) == opp) {
            const int ea = UtuHyoka(opp, r1), eb = UtuHyoka(opp, r5);
            p = ea < eb ? r5 : r1;
            e2 = std::max(ea, eb);
        } else {
            e2 = UtuHyoka(opp, r3);
        }
    } else {
        if (KuuOf(a) == 2) {
            TShapeYomi y(kGoOn);
            if (y.Play(opp, r3) && SichoCheck(a) == 0)
                p = d3;
        } else if (r.c(6) == opp && r.Kuu(6) > 1) {
            p = r.Kuu(7) <= 3 ? r5 : d3;
        }
        e2 = UtuHyoka(opp, p);
    }
    const int v = e1 + e2;
    if (JibunIro == own)
        AddKoho(r3, v, 0);
    else
        AddKohoEx(p, v, kkKiri, r3);
    LinkMark1Set(r3, 1);
    return true;
}

// --- Two stones inside -------------------------------------------------------------------

void OgeimaNaka2Hyoka(const TShape& s)
{
    const Point p = s.c(4) == s.Opp() ? s.R(5) : s.R(2);
    AddKohoHyoka(p);
    LinkMark1Set(p, 1);
}

void OgeimaNaka2Miai(const TShape& s)
{
    const bool r2 = s.c(2) == s.Opp();
    const Point p1 = r2 ? s.R(3) : s.R(4), p2 = r2 ? s.R(5) : s.R(2);
    const int v = UtuHyoka(s.Opp(), p2) + UtuHyoka(s.Own(), p1);
    s.Add(p1, p2, v);
}

// Two or more stones inside, none beside an end: one point of the shape,
// D3 beyond B's line when the attacker holds R2, else R4 on A's line.
void OgeimaNaka2Soto(const TShape& s)
{
    const Point p = s.c(2) == s.Opp() ? s.D(3) : s.R(4);
    if (IroOf(p) == kAki)
        AddKohoHyoka(p);
}

void OgeimaNaka2Utu(const TShape& s)
{
    const int opp = s.Opp();
    if (s.c(1) == opp) {
        if (s.c(3) == opp)
            OgeimaNaka2Hyoka(s);
        else if (s.c(5) == opp)
            OgeimaNaka2Miai(s);
    } else if (s.c(6) == opp) {
        if (s.c(4) == opp)
            OgeimaNaka2Hyoka(s);
        else if (s.c(2) == opp)
            OgeimaNaka2Miai(s);
    } else {
        OgeimaNaka2Soto(s);
    }
}

// --- Beside an end stone -----------------------------------------------------------------

// The owner's p against the attacker's p answered at q; the attacker's
// value rides as the bonus unless doubling the owner's total says more.
void OgeimaTukeYomi(const TRole& r, Point p, Point q)
{
    const int own = r.Own(), opp = r.Opp();
    TShapeYomi y(kGoOn);
    if (!y.Play(own, p))
        return;
    const int e1 = y.Score(own);
    y.BackAll();
    y.Play(opp, p);
    const int e2 = y.ScoreReached(opp);
    y.Play(own, q);
    const int e3 = y.ScoreReached(opp);
    y.BackAll();
    const int v = e1 + e3;
    if (2 * v < e2)
        AddKoho(p, 2 * v, 0);
    else
        AddKoho(p, v, e2);
}

// The attacker at R1 with A on the first line.
void OgeimaTukeEdge(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.d(3) != opp || r.d(5) != opp || IsDeadAt(r.R(0)) || IsDeadAt(r.R(1)))
        return;
    const Point r2 = r.R(2);
    TShapeYomi y(kGoOn);
    if (!y.Play(opp, r2))
        return;
    const int e1 = y.Score(opp);
    y.BackAll();
    y.Play(own, r2);
    const int e2 = y.ScoreReached(opp);
    y.BackAll();
    AddKoho(r2, e1 + e2, 0);
    LinkMark1Set(r.R(5), 1);
}

// The attacker at R1 (the mirror R6), touching A from B's line.
bool OgeimaTukeOn(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.c(1) != opp)
        return false;
    if (r.d(0) == opp || r.d(2) == opp || r.d(4) == opp || r.d(1) == own || r.d(3) == own || r.d(5) == own)
        return true;
    if (LineNoPt(r.R(2)) == 1) {
        OgeimaTukeEdge(r);
        return true;
    }
    const int m = r.Kuu(1);
    if (m <= 1 || r.Kuu(0) <= 1 || r.d(4) == own)
        return true;
    const Point r2 = r.R(2), r3 = r.R(3), r4 = r.R(4), r5 = r.R(5);
    if (r.d(3) == opp && r.d(2) == own) {
        OgeimaTukeYomi(r, r5, r4);
        return true;
    }
    if (r.d(0) == own) {
        if (IsDeath90At(r.R(1)))
            return true;
        TShapeYomi y(kGoOn);
        if (!y.Play(opp, r4))
            return true;
        y.Play(own, r5);
        const int e1 = y.Score(opp);
        y.BackAll();
        AddKoho(r4, e1 + UtuHyoka(own, r4), 0);
        return true;
    }
    const Point t = (m == 2 && r.d(3) == kAki) ? r3 : r2;
    TShapeYomi y(kGoOn);
    if (!y.Play(own, t))
        return true;
    const int eOwn = y.Score(own);
    y.BackAll();
    y.Play(opp, r2);
    int eOpp = 0;
    if (m == 2 && KuuOf(r.R(0)) != 1)
        eOpp = y.ScoreAfter(opp, {{own, r3}});
    else
        eOpp = y.ScoreReached(opp);
    y.BackAll();
    const int v = eOwn + eOpp;
    AddKoho(JibunIro == own ? t : r2, v, 0);
    return true;
}

// --- The second pass ---------------------------------------------------------------------

// The attacker at D1 (the mirror D6) only.
bool Kankei7HokyoYomi(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.d(1) != opp)
        return false;
    if (r.d(3) == own || r.d(4) == own || r.d(2) == own || IsDeath70At(r.D(1)))
        return true;
    const Point r3 = r.R(3), d7 = r.D(7);
    TShapeYomi y(kGoOn);
    if (!y.Play(opp, r3))
        return true;
    y.Play(own, r.R(2));
    y.Play(opp, r.R(5));
    y.Play(own, r.R(4));
    if (IroOf(d7) == kAki && EmptyNeighbours(d7) >= 3)
        y.Play(opp, d7);
    const int eOpp = y.Score(opp);
    y.BackAll();
    y.Play(own, r3);
    const int eOwn = y.ScoreReached(own);
    y.BackAll();
    AddKoho(r3, eOwn + eOpp, 0);
    if (JibunIro == opp)
        AddPreparedTe(r3, r.R(2), r.R(5));
    LinkMark1Set(r3, 1);
    return true;
}

} // namespace

// --- Entries --------------------------------------------------------------------------------

void OgeimaNakaUtu(const TShape& s)
{
    int n = 0;
    for (int i = 2; i <= 5; ++i)
        n += s.c(i) == s.Opp() ? 1 : 0;
    if (n != 1) {
        OgeimaNaka2Utu(s);
        return;
    }
    if (s.c(3) == s.Opp() || s.c(4) == s.Opp())
        OgeimaBoth(s, OgeimaNanameUtu);
    else
        OgeimaBoth(s, OgeimaNaka1Utu);
}

void OgeimaTukeUtu(const TShape& s) { OgeimaBoth(s, OgeimaTukeOn); }

void Kankei7Utu(Point a, Point b)
{
    const TShape s(7, a, b);
    if (!s.Valid() || !s.Gate())
        return;
    // The first cell holding the attacker, in this order, picks the pattern.
    struct TTrigger {
        bool outer;
        int i, j;
        void (*fn)(const TShape&);
    };
    static constexpr TTrigger kTriggers[] = {
        {false, 2, 3, OgeimaNakaUtu}, {false, 4, 5, OgeimaNakaUtu}, {false, 1, 6, OgeimaTukeUtu},
        {true, 3, 4, OgeimaNozokiUtu}, {true, 2, 5, OgeimaKakeUtu},   {true, 1, 6, OgeimaSotoUtu},
        {true, 0, 7, OgeimaUraUtu},
    };
    for (const TTrigger& t : kTriggers) {
        const int ci = t.outer ? s.d(t.i) : s.c(t.i), cj = t.outer ? s.d(t.j) : s.c(t.j);
        if (ci == s.Opp() || cj == s.Opp()) {
            t.fn(s);
            return;
        }
    }
}

void Kankei7Hokyo(Point a, Point b)
{
    const TShape s(7, a, b);
    if (!s.Valid())
        return;
    for (int i = 0; i <= 7; ++i)
        if (s.c(i) == s.Opp())
            return;
    for (int i = 2; i <= 5; ++i)
        if (s.d(i) == s.Opp())
            return;
    if (s.d(1) == s.Opp() || s.d(6) == s.Opp())
        OgeimaBoth(s, Kankei7HokyoYomi);
}

} // namespace vorn

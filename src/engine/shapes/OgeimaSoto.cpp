#include "engine/shapes/OgeimaSoto.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/LinkUtil.h"
#include "engine/shapes/Ogeima.h"

namespace vorn {

// As in Ogeima.cpp: a reading that stands no move scores 0, a pattern
// whose opening move is refused adds nothing, later refused moves are
// skipped unless a pattern says the line ends there.

namespace {

constexpr TRefusal kGoOn = TRefusal::GoOn;

// --- The peep at D3 ----------------------------------------------------------------------

// A on the first line: the attacker's hane at R1 from below.
void OgeimaNozokiEdge(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    const Point r1 = r.R(1), r2 = r.R(2), r3 = r.R(3);
    const Point w1 = StepBeyond(r2, r.R(0)), w2 = StepBeyond(r3, r1);
    int eOpp = 0;
    {
        TShapeYomi y(kGoOn);
        if (!y.Play(opp, r1))
            return;
        y.Play(own, r2);
        if (!y.Play(opp, w1) || KuuOf(w1) <= 1)
            return;
        eOpp = y.Score(opp);
    }
    const Point t = IroOf(w2) == opp ? r3 : r1;
    const int v = UtuHyoka(own, t) + eOpp;
    if (JibunIro == own) {
        AddKoho(t, v, 0);
    } else {
        AddKoho(r1, v, 0);
        AddPreparedTe(r1, r2, w1);
    }
}

// D2 and D4 empty with the owner at D6.
void OgeimaNozokiYomi(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    const Point r2 = r.R(2), r4 = r.R(4), r5 = r.R(5), d2 = r.D(2);
    TShapeYomi y(kGoOn);
    if (!y.Play(own, r5))
        return;
    const int e1 = y.Score(own);
    y.BackAll();
    Point t = r2;
    int e2 = 0;
    if (CurGoban().GetLocatePt(d2).CountKankeiLE(4, opp) >= 2) {
        t = r4;
        e2 = y.ScoreAfter(opp, {{opp, r4}});
    } else {
        e2 = y.ScoreAfter(opp, {{opp, r2}, {own, d2}, {opp, r4}});
    }
    AddKoho(JibunIro == own ? r5 : t, e1 + e2, 0);
}

// The attacker at D3 (the mirror D4), peeping at the middle from outside
// B's line.
bool OgeimaNozokiOn(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.d(3) != opp)
        return false;
    if (r.d(1) == own)
        return true;
    const Point r2 = r.R(2), r3 = r.R(3), r4 = r.R(4), r5 = r.R(5);
    LinkMark1Set(r3, 1);
    LinkMark1Set(r5, 1);
    if (LineNoPt(r2) == 1) {
        OgeimaNozokiEdge(r);
        return true;
    }
    if (r.d(2) != kAki || r.d(5) == own)
        return true;
    if (r.d(6) == own && r.d(4) == kAki) {
        OgeimaNozokiYomi(r);
        return true;
    }
    // The attacker's push under A.
    int eOpp = 0;
    bool dead = false;
    {
        TShapeYomi y(kGoOn);
        if (!y.Play(opp, r2))
            return true;
        if (r.d(4) == own)
            y.Play(own, r.D(2));
        eOpp = y.Score(opp);
        dead = IsDeath70At(r2);
    }
    // The owner's answer.
    Point t = r4;
    int eOwn = 0;
    if (r.d(1) == opp && AtariMapAt(opp, r.R(1)) != 0) {
        eOwn = UtuHyoka(own, r4);
    } else {
        Point c = r3;
        if (IroOf(StepBeyond(r5, r.D(5))) == own) {
            TShapeYomi y(kGoOn);
            y.Play(own, r5);
            y.Play(opp, r3);
            y.Play(own, r2);
            y.Play(opp, r4);
            c = SichoCheck(r4) == 1 ? r5 : r4;
        }
        if (c == r4) {
            eOwn = UtuHyoka(own, r4);
        } else {
            const int ea = UtuHyoka(own, c), eb = UtuHyoka(own, r4);
            t = ea > eb ? c : r4;
            eOwn = std::max(ea, eb);
        }
    }
    int v = eOwn + eOpp;
    if (dead)
        v /= 3;
    AddKoho(JibunIro == opp ? r2 : t, v, 0);
    return true;
}

// --- The cap at D2 -------------------------------------------------------------------------

// With the owner's stone beyond D0: the hane behind A.
void OgeimaKakeHane(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    const Point g = StepBeyond(r.D(2), r.R(0));
    if (!CurGoban().OnBoardPt(g))
        return;
    TIroCounts around;
    CountAround8(g, around);
    if (around[kAki] != 7 || CurGoban().GetLocatePt(r.R(0)).CountIro(own) != 2)
        return;
    TShapeYomi y(kGoOn);
    if (!y.Play(opp, r.R(2)))
        return;
    y.Play(opp, r.R(3));
    const int e = y.Score(opp);
    y.BackAll();
    AddKoho(JibunIro == own ? g : r.R(2), e, 0);
}

// The position of the ladder reading of the cap: the attacker's R5, the
// owner's R4 and the attacker's R2 stand, the last of them the last try of
// `caller`.  Leaves the position as it found it.
void OgeimaKakeYomi(const TRole& r, TShapeYomi& caller)
{
    const int own = r.Own(), opp = r.Opp();
    const Point a = r.R(0), b = r.R(7), r1 = r.R(1), r2 = r.R(2), r3 = r.R(3), r4 = r.R(4), r5 = r.R(5),
                r6 = r.R(6), d5 = r.D(5);
    const Point engine = JibunIro == own ? r4 : r5;

    // The cut at R1 after the owner's R3, and the ladder on A it leaves.
    int best = -1;
    if (KuuOf(a) <= 4) {
        TShapeYomi y(kGoOn);
        y.Play(own, r3);
        if (y.Play(opp, r1) && KuuOf(r1) > 1) {
            y.Play(own, d5);
            if (IroOf(a) != own)
                best = y.Score(opp);
            else if (KuuOf(a) == 1)
                best = y.ScoreAfter(opp, {{opp, KuuPointOf(a, 1)}});
            else if (KuuOf(a) == 2 && SichoCheck(a) == 1)
                best = y.ScoreAfter(opp, {{opp, SichoTeOf(a, 1)}, {opp, SichoTeOf(a, 2)}});
        }
    }
    if (best > 0)
        AddKoho(engine, best, 0);

    // Without R2: the attacker's R6 against the owner's stone at K1.
    const Point k1 = StepBeyond(r4, r6), k2 = StepBeyond(r5, b);
    if (IroOf(k1) != own || IroOf(k2) != kAki)
        return;
    caller.Back();
    [&] {
        TShapeYomi y(kGoOn);
        if (!y.Play(opp, r6) || KuuOf(r6) == 1)
            return;
        if (KuuOf(b) != 2 || KuuOf(k1) != 2)
            return;
        y.Play(own, r3);
        if (!y.Play(opp, k2) || KuuOf(k2) == 1)
            return;
        const Point l1 = KuuPointOf(b, 1), l2 = KuuPointOf(k1, 1);
        const int e1 = y.ScoreAfter(opp, {{own, d5}, {opp, l2}});
        const int e2 = y.ScoreAfter(opp, {{own, l2}, {opp, l1}});
        const int m = std::min(e1, e2);
        if (best < m) {
            best = m;
            if (JibunIro == opp)
                AddPreparedTe(r5, r4, r6);
        } else if (JibunIro == opp) {
            AddPreparedTe(r5, r4, r2);
        }
        if (best > 0)
            AddKoho(engine, best, 0);
    }();
    caller.Play(opp, r2);
}

// The attacker at D2 and at D6: the ladders around B.
void OgeimaKakeSicho(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    const Point b = r.R(7), r2 = r.R(2), r3 = r.R(3), r4 = r.R(4), r5 = r.R(5), r6 = r.R(6);
    if (LineNoPt(r5) == 1)
        return;
    const Point k = StepBeyond(r4, r5);
    if (IroOf(k) == own)
        return;
    int s = 0, eOpp = 0;
    {
        TShapeYomi y(kGoOn);
        if (!y.Play(opp, r5))
            return;
        y.Play(own, r4);
        s = SichoCheck(b);
        if (s == 1) {
            y.Play(opp, SichoTeOf(b, 1));
            eOpp = y.Score(opp);
        } else {
            y.Play(opp, r2);
            if (SichoCheck(r5) == 1) {
                OgeimaKakeYomi(r, y);
                return;
            }
            y.BackTo(1);
            eOpp = y.Score(opp);
        }
    }
    Point t = r3;
    int eOwn = 0;
    if (s == 1) {
        eOwn = UtuHyoka(own, r3);
    } else {
        TShapeYomi y(kGoOn);
        y.Play(own, r2);
        y.Play(opp, r4);
        y.Play(own, r5);
        y.Play(opp, r3);
        const int s2 = SichoCheck(r3);
        y.BackTo(1);
        if (s2 == 1) {
            t = r2;
            eOwn = y.ScoreReached(own);
        } else {
            y.BackAll();
            eOwn = UtuHyoka(own, r3);
        }
    }
    const int v = eOwn + eOpp;
    if (JibunIro == opp) {
        AddKoho(r5, v, 0);
        AddPreparedTe(r5, r4, r6);
        AddPreparedTe(r5, k, r3);
    } else {
        AddKoho(t, v, 0);
    }
}

// The attacker at D2 (the mirror D5), capping A's line from outside.
bool OgeimaKakeOn(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.d(2) != opp)
        return false;
    if (r.d(4) == own || r.d(3) == own || r.c(4) == own)
        return true;
    const Point a = r.R(0), r1 = r.R(1), r2 = r.R(2), r3 = r.R(3), r4 = r.R(4), r5 = r.R(5), r6 = r.R(6);
    if (r.d(5) == opp) {
        AddKohoTry(r2);
        AddKohoTry(r5);
        return true;
    }
    for (const Point p : {r2, r3, r4, r5})
        LinkMark1Set(p, 1);
    if (r.d(6) == opp) {
        OgeimaKakeSicho(r);
        return true;
    }
    if (r.d(0) == kAki && IroOf(StepBeyond(r2, r.D(0))) == own)
        OgeimaKakeHane(r);

    // The push at R2, blocked at R3: the cut at R1 behind it.
    int k = 0;
    {
        TShapeYomi y(kGoOn);
        if (!y.Play(opp, r2))
            return true;
        y.Play(own, r3);
        k = KiriHyoka(opp, r1, r3, a);
        if (k < 0) {
            Point rows[8];
            for (int i = 0; i <= 7; ++i)
                rows[i] = r.R(i);
            k = Kankei7SubHyoka(rows, opp);
        }
    }
    int v = UtuHyoka(own, r2) + k;
    if (k == 2 && JibunIro == opp)
        v *= 2;
    if (JibunIro == opp) {
        if (v == 4)
            v = 7;
        if (v > 0)
            AddKoho(r2, v, 0);
    } else {
        AddKoho(r3, v, 0);
    }

    // A small answer: the attacker turns at R6 as well.
    TIroCounts around;
    CountNeighbour(r6, around);
    if (v > 4 || around[kAki] != 3)
        return true;
    int e = 0;
    {
        TShapeYomi y(kGoOn);
        y.Play(opp, r2);
        y.Play(own, r3);
        y.Play(opp, r6);
        if (JibunIro == own)
            y.Play(own, StepBeyond(r4, r6));
        e = y.ScoreReached(opp);
    }
    v = UtuHyoka(own, r4) + e;
    PushKohoKind(kkGunKankei);
    if (JibunIro == opp) {
        AddKoho(r2, v, 0);
        AddPreparedTe(r2, r3, r6);
    } else {
        AddKoho(r4, v, 0);
    }
    PopKohoKind();
    return true;
}

// --- Outside B's line at A's end ----------------------------------------------------------

// With the attacker's stone behind R1 near the edge: the ladder that the
// attacker's R4 sets up, worth a fixed 25 when it works.
void OgeimaSotoSicho(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    const Point a = r.R(0), r1 = r.R(1), r2 = r.R(2), r3 = r.R(3), r4 = r.R(4), r5 = r.R(5), r6 = r.R(6);
    if (r.c(6) != kAki)
        return;
    int eOpp = 0;
    {
        TShapeYomi y(kGoOn);
        if (!y.Play(opp, r4))
            return;
        y.Play(own, r3);
        y.Play(opp, r5);
        y.Play(own, r.D(5));
        y.Play(opp, r.D(3));
        y.Play(own, r6);
        if (SichoCheck(r3) == 0)
            return;
        y.BackTo(1);
        y.Play(own, r5);
        y.Play(opp, r2);
        y.Play(own, r3);
        y.Play(opp, r1);
        y.Play(own, r6);
        if (SichoCheck(a) == 0)
            return;
        y.Play(opp, SichoTeOf(a, 1));
        eOpp = y.Score(opp);
    }
    const int v = UtuHyoka(own, r3) + eOpp;
    if (JibunIro == own) {
        AddKoho(r3, 25, v);
    } else {
        AddKoho(r4, 25, v);
        AddPreparedTe(r4, r5, r2);
    }
}

// The attacker at D1 (the mirror D6), outside B's line beside A.
bool OgeimaSotoOn(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.d(1) != opp)
        return false;
    if (r.d(3) == own || r.d(0) != kAki || r.d(2) != kAki || r.d(4) != kAki || KuuOf(r.D(1)) <= 2)
        return true;
    const Point a = r.R(0), r1 = r.R(1), r2 = r.R(2), r3 = r.R(3), d5 = r.D(5);
    if (IroOf(StepBeyond(r3, r1)) == opp && LineNoPt(r2) == 2 && LineNoPt(r3) == 3) {
        OgeimaSotoSicho(r);
        return true;
    }
    const Point n2 = StepBeyond(r2, a);

    // The attacker pushes under A and hanes at R1.
    TShapeYomi y(kGoOn);
    if (!y.Play(opp, r2))
        return true;
    y.Play(own, r3);
    y.Play(opp, r1);
    if (SichoCheck(r2) == 1)
        return true;
    Point t = d5;
    if (IsiOf(a) == 1 && KuuOf(a) == 2 && EmptyNeighbours(n2) >= 2 && SichoCheck(r3) == 1)
        t = r2;
    int eOpp = 0;
    if (r.d(6) == own) {
        y.BackTo(1);
        eOpp = y.ScoreAfter(opp, {{own, r.D(2)}});
    } else if (t == r2) {
        eOpp = y.Score(opp);
        if (JibunIro == opp) {
            AddPreparedTe(r2, r3, r1);
            AddPreparedTe(r2, r1, r3);
        }
    } else {
        eOpp = y.Score(opp);
        // The owner's ataris on the pushing stone, when it has two liberties.
        if (KuuOf(r2) == 2) {
            const Point lib[2] = {KuuPointOf(r2, 1), KuuPointOf(r2, 2)};
            for (int i = 0; i < 2; ++i) {
                const int mark = y.Tries();
                y.PushPlay(own, lib[i]);
                int e = y.ScoreAfter(opp, {{opp, lib[1 - i]}});
                if (e < 0)
                    e = eOpp / 2;
                eOpp = std::min(eOpp, e);
                y.BackTo(mark);
            }
        }
    }
    y.BackAll();
    const int v = UtuHyoka(own, r3) + eOpp;
    if (JibunIro == own)
        AddKoho(r3, (2 * v) / 3, 0);
    else
        AddKoho(t, t == d5 ? v / 2 : v, 0);
    return true;
}

// --- Behind A ---------------------------------------------------------------------------

bool OgeimaUraOn(const TRole& r)
{
    const int own = r.Own(), opp = r.Opp();
    if (r.d(0) != opp)
        return false;
    if (KuuOf(r.R(0)) > 2)
        return true;
    const Point r2 = r.R(2);
    TShapeYomi y(kGoOn);
    if (!y.Play(own, r2))
        return true;
    const int e1 = y.Score(own);
    y.BackAll();
    y.Play(opp, r2);
    const int e2 = y.ScoreReached(opp);
    y.BackAll();
    AddKoho(r2, e1 + e2, 0);
    return true;
}

} // namespace

void OgeimaNozokiUtu(const TShape& s) { OgeimaBoth(s, OgeimaNozokiOn); }
void OgeimaKakeUtu(const TShape& s) { OgeimaBoth(s, OgeimaKakeOn); }
void OgeimaSotoUtu(const TShape& s) { OgeimaBoth(s, OgeimaSotoOn); }
void OgeimaUraUtu(const TShape& s) { OgeimaBoth(s, OgeimaUraOn); }

} // namespace vorn

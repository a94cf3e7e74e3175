#include "engine/links/IkkenWariNobi.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Yose.h"

namespace vorn {

namespace {

constexpr int kNoReading = -999;

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The named points of the wedge beside a gap-row stone (see the header).
struct TWariPts {
    Point A, B, Gap, P, Y1, Y2, Y1o, Y2o, Y1p, Y2p, PP, PPP, AB, BB;
};

TWariPts WariPoints(const TKankeiBox& box)
{
    // P on the j = 0 side of the orientation.
    const int o = box.IsOpp(3) ? kOrientAcross : kOrientPlain;
    TWariPts w;
    w.A = box[1];
    w.B = box[7];
    w.Gap = box[4];
    w.P = box[box.Idx(o, 1, 0)];
    w.Y1 = box[box.Idx(o, 0, 0)];
    w.Y2 = box[box.Idx(o, 2, 0)];
    w.Y1o = StepBeyond(w.A, w.Y1);
    w.Y2o = StepBeyond(w.B, w.Y2);
    w.Y1p = StepBeyond(w.P, w.Y1);
    w.Y2p = StepBeyond(w.P, w.Y2);
    w.PP = StepBeyond(w.Gap, w.P);
    w.PPP = StepBeyond(w.P, w.PP);
    w.AB = StepBeyond(w.Gap, w.A);
    w.BB = StepBeyond(w.Gap, w.B);
    return w;
}

// The liberty of the last chain of the other colour next to the chain at p
// that is in atari; (0, 0) when none is.
Point LastAtariMren(Point p)
{
    TRen* r = ToruRenAt(p);
    if (r == nullptr || RenKuu(p) == 0)
        return Point();
    const TRenList& list = CurGoban().RenList;
    Point l;
    for (int i = 1; i <= r->MrenCount(); ++i)
        if (TRen* m = list.Items(r->Mren(i)); m != nullptr && m->Kuu() == 1)
            l = m->GetKuu(1);
    return l;
}

// The first move of the ladder that catches the chain at p (chains fresh);
// (0, 0) when it escapes or there is no chain.
Point SichoFirstAt(Point p)
{
    Point first;
    if (RenKuu(p) == 0 || !ToruSicho(p, &first))
        return Point();
    return first;
}

// Step 5 of the block: the owner's value e with P standing.  False when the
// block cannot be played or leaves the owner's group dead.
bool WariNobiOwnValue(const TKankeiBox& box, const TWariPts& w, int& e)
{
    const int own = box.Own, opp = box.Opp;
    TYomiTrial t;
    if (!t.Play(own, w.P))
        return false;
    CurGoban().Analyze();
    if (const TGun* g = GunAt(w.P); g != nullptr && g->GetDeath() == 1)
        return false;
    const int la = RenKuu(w.A), lb = RenKuu(w.B);
    if (la == 1 && lb == 1) {
        e = 0;
    } else if (la == 1 || lb == 1) {
        e = TrialHyoka(t, own, {{opp, RenKuuPt(la == 1 ? w.A : w.B, 1)}});
    } else if (la == 2 || lb == 2) {
        // A is read when it has two liberties, else B.
        const bool readA = la == 2;
        const Point end = readA ? w.A : w.B;
        const Point first = SichoFirstAt(end);
        const int v = first.x != 0 ? TrialHyoka(t, own, {{opp, first}}) : IkkenWariDameSicho(end);
        if (v != kNoReading) {
            e = v;
        } else {
            e = Hyoka(own);
            const Point behind = readA ? w.AB : w.BB;
            if (LineNoPt(w.P) == 1 && IroAt(behind) == kAki) {
                const int mark = t.Tries();
                if (t.Play(opp, behind))
                    e = TrialHyoka(t, own, {{own, readA ? w.Y1 : w.Y2}});
                t.BackTo(mark);
            }
        }
    } else {
        e = Hyoka(own);
    }
    return true;
}

// One hane of the opponent at corner y of the first line (yp beyond it seen
// from P): false when the hane is caught; else its value in g.  The hane on
// B's side first looks after B's chain.
bool WariNobiHane(const TKankeiBox& box, const TWariPts& w, Point y, Point yp, bool bSide, int& g)
{
    const int own = box.Own, opp = box.Opp;
    TYomiTrial t;
    t.Play(opp, y);
    ToruRenMake();
    if (SichoCheck(w.Gap) != 0 || RenKuu(y) <= 1)
        return false;
    if (bSide && RenKuu(w.B) == 0) {
        g = Hyoka(opp);
    } else if (bSide && RenKuu(w.B) == 1) {
        g = TrialHyoka(t, opp, {{own, RenKuuPt(w.B, 1)}});
    } else if (t.Play(own, yp)) {
        t.Play(opp, w.P);
        g = Hyoka(opp);
        AddPreparedTe(y, yp, w.P);
    } else {
        g = Hyoka(opp);
    }
    return true;
}

// Step 6 of the block: the opponent's value f and point d.
int WariNobiOppValue(const TKankeiBox& box, const TWariPts& w, Point& d)
{
    const int own = box.Own, opp = box.Opp;
    const bool ab = IroAt(w.AB) == opp, bb = IroAt(w.BB) == opp;
    const bool y1Aki = IroAt(w.Y1) == kAki, y2Aki = IroAt(w.Y2) == kAki;
    int f = 0;
    if ((ab && y1Aki) || (bb && y2Aki)) {
        if (ab && bb) {
            d = w.Y1;
            f = -1;
            {
                TYomiTrial t;
                if (t.Play(opp, w.Y1)) {
                    ToruRenMake();
                    if (SichoCheck(w.Y1) == 0)
                        f = Hyoka(opp);
                    else
                        d = w.Y2;
                }
            }
            TYomiTrial t;
            if (t.Play(opp, w.Y2)) {
                ToruRenMake();
                if (RenKuu(w.Y2) > 1) {
                    const int g = Hyoka(opp);
                    if (g > f) {
                        f = g;
                        d = w.Y2;
                    }
                }
            }
        } else if (ab) {
            d = RenKuu(w.AB) == 1 ? w.P : w.Y1;
            f = SeqHyoka(opp, {{opp, d}});
        } else {
            d = w.Y2;
            f = SeqHyoka(opp, {{opp, w.Y2}});
        }
        return f;
    }

    // The opponent extends at P, with the exchanges the owner's outside
    // stones invite.
    d = w.P;
    {
        TYomiTrial t;
        t.Play(opp, w.P);
        int moves = 0;
        if (IroAt(w.Y1o) == own && IroAt(w.Y1) == kAki && IroAt(w.Y1p) == kAki) {
            t.Play(opp, w.Y1);
            t.Play(own, w.Y1p);
            moves += 2;
        }
        if (IroAt(w.Y2o) == own && IroAt(w.Y2) == kAki && IroAt(w.Y2p) == kAki) {
            t.Play(opp, w.Y2);
            t.Play(own, w.Y2p);
            moves += 2;
        }
        if (IroAt(w.Y1o) == own && IroAt(w.Y2o) == own && IroAt(w.PP) == kAki && IroAt(w.PPP) == kAki) {
            t.Play(opp, w.PP);
            t.Play(own, w.PPP);
            moves += 2;
        }
        f = Hyoka(opp);
        if (f > 0)
            f += moves;
    }
    if (LineNoPt(w.P) == 1 && IroAt(w.Y1) == kAki && IroAt(w.Y2) == kAki) {
        for (int i = 0; i < 2; ++i) {
            int g = 0;
            const Point y = i == 0 ? w.Y1 : w.Y2;
            if (WariNobiHane(box, w, y, i == 0 ? w.Y1p : w.Y2p, i == 1, g) && g > f) {
                f = g;
                d = y;
            }
        }
    } else {
        for (Point y : {w.Y1, w.Y2}) {
            if (IroAt(y) != kAki || AtariMapAt(opp, y) == 0 || EmptyNeighbours(y) != 3)
                continue;
            if (const int g = SeqHyoka(opp, {{opp, y}}); g > f) {
                f = g;
                d = y;
            }
        }
    }
    return f;
}

} // namespace

void IkkenWariNobi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariPts w = WariPoints(box);
    if (IroAt(w.Y1) == own && IroAt(w.Y2) == own)
        return;
    bool soto = false;
    if (IroAt(w.Y1) == kAki && IroAt(w.Y1p) == opp) {
        IkkenWariSoto(box, w.P, w.Y1, w.A, w.PP);
        soto = true;
    }
    if (IroAt(w.Y2) == kAki && IroAt(w.Y2p) == opp) {
        IkkenWariSoto(box, w.P, w.Y2, w.B, w.PP);
        soto = true;
    }
    if (soto)
        return;
    if (IroAt(w.PP) == own) {
        IkkenWariJibunSoto(box);
        return;
    }
    if (IroAt(w.PP) == opp) {
        IkkenWariAiteSoto(box);
        return;
    }
    if (IroAt(w.Y1) == own || IroAt(w.Y2) == own) {
        IkkenWariKadoJibun(box);
        return;
    }
    int e = 0;
    if (!WariNobiOwnValue(box, w, e))
        return;
    Point d;
    const int value = e + WariNobiOppValue(box, w, d);
    // The block is a move on the owner's own link: the double-threat scan
    // reads it with P as its related point.
    if (box.EngineAttacks())
        AddKoho(d, value, 0);
    else
        AddKohoEx(w.P, value, kkKiri, w.P);
    LinkMark1Set(w.P, 1);
    LinkMark1Set(w.Y1, 1);
    LinkMark1Set(w.Y2, 1);
}

int IkkenWariDameSicho(Point t)
{
    if (RenKuu(t) != 2)
        return kNoReading;
    const int k = IroAt(t), d = k ^ 3;
    const Point libs[2] = {RenKuuPt(t, 1), RenKuuPt(t, 2)};
    for (int order = 0; order < 2; ++order) {
        const Point l1 = libs[order], l2 = libs[1 - order];
        TYomiTrial tr;
        if (!tr.PushPlay(d, l1))
            continue;
        ToruRenMake();
        if (RenKuu(l1) == 1)
            continue;
        tr.Play(k, l2);
        ToruRenMake();
        int result = kNoReading;
        Point near[4];
        const int n = ListNeighbour(l1, k, near);
        for (int i = 0; i < n; ++i) {
            Point first;
            if (!ToruSicho(near[i], &first) || !CurGoban().OnBoardPt(first))
                continue;
            if (const int h = TrialHyoka(tr, k, {{d, first}}); h > 0)
                result = h;
            break;
        }
        if (result != kNoReading)
            return result;
    }
    return kNoReading;
}

void IkkenWariSoto(TKankeiBox box, Point p, Point y, Point e, Point pp)
{
    const int own = box.Own, opp = box.Opp;
    const Point gap = box[4];
    if (RenKuu(e) == 1)
        return;
    if (IroAt(pp) == opp) {
        IkkenWariSotoOsae(box, p, y, e, pp);
        return;
    }
    // The owner's block at P, met by the opponent's corner y.
    int e1 = 0;
    {
        TYomiTrial t;
        t.Play(own, p);
        ToruRenMake();
        if (RenKuu(gap) == 1) {
            const Point cap = LastAtariMren(gap);
            e1 = cap.x != 0 ? TrialHyoka(t, own, {{opp, cap}}) : Hyoka(own);
        } else if (!t.Play(opp, y)) {
            e1 = Hyoka(own);
        } else {
            Point cap;
            SichoToruTe(y, cap);
            if (cap.x == 0) {
                e1 = Hyoka(own);
                if (RenKuu(gap) == 2)
                    if (const Point first = SichoFirstAt(gap); first.x != 0)
                        e1 = TrialHyoka(t, own, {{own, first}});
            } else {
                t.Back();
                e1 = Hyoka(own);
            }
        }
    }
    const int e2 = SeqHyoka(own, {{own, y}, {opp, p}});
    const int best = std::max(e1, e2);
    const Point g = e1 >= e2 ? p : y;

    // The opponent's corner y, or its extension at P.
    Point d = y;
    int f = 0;
    {
        TYomiTrial t;
        t.Play(opp, y);
        Point first;
        if (t.Play(own, p)) {
            ToruRenMake();
            first = SichoFirstAt(p);
        }
        f = first.x != 0 ? TrialHyoka(t, opp, {{opp, first}}) : Hyoka(opp);
    }
    {
        TYomiTrial t;
        t.Play(opp, p);
        t.Play(own, y);
        int gv = Hyoka(opp);
        if (IroAt(pp) == own)
            if (const Point first = SichoFirstAt(pp); first.x != 0)
                gv = TrialHyoka(t, opp, {{opp, first}});
        if (gv > f) {
            f = gv;
            d = p;
        }
    }
    const int value = best + f;
    if (value <= 0)
        return;
    KankeiKoho(box, g, d, value);
}

void IkkenWariSotoOsae(TKankeiBox box, Point p, Point y, Point, Point)
{
    const int own = box.Own, opp = box.Opp;
    const Point z = StepBeyond(y, p);
    const int h1 = SeqHyoka(own, {{own, p}, {opp, y}, {own, z}});
    const int h2 = SeqHyoka(opp, {{opp, y}});
    KankeiKoho(box, p, y, h1 + h2);
}

void IkkenWariJibunSoto(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariPts w = WariPoints(box);
    if (RenKuu(w.A) == 1 || RenKuu(w.B) == 1 || RenKuu(w.Gap) == 1)
        return;
    const bool k1 = IroAt(w.Y1) == own, k2 = IroAt(w.Y2) == own;
    if (k1 && k2)
        return;
    if (k1 || k2) {
        IkkenWariJibunKado(box);
        return;
    }
    int e = 0;
    {
        TYomiTrial t;
        t.Play(own, w.P);
        ToruRenMake();
        if (RenKuu(w.Gap) == 1)
            t.Play(opp, RenKuuPt(w.Gap, 1));
        e = Hyoka(own);
    }
    // The opponent extends at P; the owner holds one corner, the opponent
    // takes the other.
    int f = 0;
    {
        TYomiTrial t;
        t.Play(opp, w.P);
        int v[2] = {-1, -1};
        for (int i = 0; i < 2; ++i) {
            const int mark = t.Tries();
            if (t.Play(own, i == 0 ? w.Y1 : w.Y2)) {
                t.Play(opp, i == 0 ? w.Y2 : w.Y1);
                v[i] = Hyoka(opp);
            }
            t.BackTo(mark);
        }
        f = std::min(v[0], v[1]);
        if (f < 0)
            f = v[0] < 0 ? v[1] : v[0];
    }
    ToruRenMake();
    for (Point end : {w.A, w.B}) {
        if (RenKuu(end) != 2 || SichoCheck(end) != 1)
            continue;
        Point s1, s2;
        SichoFirstTwo(end, s1, s2);
        if (!CurGoban().OnBoardPt(s1) || !CurGoban().OnBoardPt(s2))
            continue;
        f = std::max(f, SeqHyoka(opp, {{opp, s1}, {opp, s2}}));
    }
    int value = e + f;
    if (value >= 4)
        ++value;
    AddKoho(w.P, value, 0);
}

void IkkenWariJibunKado(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariPts w = WariPoints(box);
    // The owner's corner with its end, and the other corner K with its end.
    const bool first = IroAt(w.Y1) == own;
    const Point mine = first ? w.Y1 : w.Y2, mineEnd = first ? w.A : w.B;
    const Point k = first ? w.Y2 : w.Y1, kEnd = first ? w.B : w.A;
    const Point x = StepBeyond(mineEnd, mine), xa = StepBeyond(kEnd, k);
    const Point y = StepBeyond(w.Gap, k), z = StepBeyond(w.P, k);
    if (IroAt(x) != kAki)
        return;
    TYomiTrial t;
    t.Play(opp, w.P);
    ToruRenMake();
    if (SichoCheck(w.P) == 1)
        return;
    int e = 0;
    {
        const int mark = t.Tries();
        t.Play(own, k);
        if (!t.Play(opp, x))
            return;
        ToruRenMake();
        const int lx = RenKuu(x);
        if (lx == 1 || (lx == 2 && SichoCheck2(x) == 1))
            return;
        e = Hyoka(opp);
        t.BackTo(mark);
    }
    int f = 0;
    t.Play(own, x);
    t.Play(opp, k);
    if (IroAt(y) == own && IroAt(z) == kAki && IroAt(xa) == kAki) {
        const int g1 = TrialHyoka(t, opp, {{own, z}, {opp, xa}});
        const int g2 = TrialHyoka(t, opp, {{own, xa}, {opp, z}});
        f = std::min(g1, g2);
    } else {
        f = HyokaAiteNigeru(opp, k);
    }
    t.BackAll();
    AddKoho(w.P, std::min(e, f), 0);
}

void IkkenWariAiteSoto(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariPts w = WariPoints(box);
    if (IroAt(w.Y1) != kAki || IroAt(w.Y2) != kAki)
        return;
    TYomiTrial t;
    t.Play(own, w.P);
    int e = 0;
    {
        const int mark = t.Tries();
        t.Play(opp, w.Y1);
        t.Play(own, w.Y2);
        e = Hyoka(own);
        // The weaker of A's chain and the block's (A's only when strictly
        // weaker), caught by a ladder.
        const Point weak = RenKuu(w.A) < RenKuu(w.P) ? w.A : w.P;
        if (RenKuu(weak) == 2)
            if (TRen* r = ToruRenAt(weak); r != nullptr && r->GetSicho() == 1)
                e = TrialHyoka(t, own, {{opp, r->SichoTe(1)}});
        t.BackTo(mark);
    }
    const int g = TrialHyoka(t, own, {{opp, w.Y2}, {own, w.Y1}});
    t.BackAll();
    AddKoho(w.P, std::min(e, g), 0);
}

void IkkenWariKadoJibun(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariPts w = WariPoints(box);
    const bool first = IroAt(w.Y1) == own;
    const Point k = first ? w.Y1 : w.Y2, e = first ? w.A : w.B;
    const Point q = StepBeyond(e, k);
    Point d = w.P;
    int ev = 0;
    {
        TYomiTrial t;
        t.Play(own, w.P);
        ToruRenMake();
        if (SichoCheck(w.P) == 1)
            return;
        ev = Hyoka(own);
    }
    if (IroAt(q) == own) {
        // A point further out, where the owner is not crowded yet.
        const Point r = StepBeyond(e, w.P);
        const TLocate* loc = KankeiLocateAt(r);
        if (IroAt(r) == kAki && EmptyNeighbours(r) == 4 && loc != nullptr && loc->CountIro(own) <= 4)
            d = r;
    }
    int f = 0;
    {
        TYomiTrial t;
        t.Play(opp, w.P);
        ToruRenMake();
        if (IroAt(q) == opp && RenKuu(q) == 1)
            f = TrialHyoka(t, opp, {{own, RenKuuPt(q, 1)}});
        else
            f = Hyoka(opp);
    }
    KankeiKoho(box, d, w.P, ev + f);
    LinkMark2Set(w.P, 1);
}

} // namespace vorn

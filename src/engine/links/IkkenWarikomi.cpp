#include "engine/links/IkkenWarikomi.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/links/IkkenWariNobi.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn {

namespace {

constexpr TKankeiTest kWariTests[] = {
    {{BoxCells({3}), BoxCells({5})}},
    {{BoxCells({0}), BoxCells({2}), BoxCells({6}), BoxCells({8})}},
};

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The ladder status of the chain at p and the first move of its ladder
// ((0, 0) when it escapes or there is no chain).
int SichoStatusAt(Point p, Point& first)
{
    first = Point();
    TRen* r = IroAt(p) == kKuro || IroAt(p) == kSiro ? ToruRenAt(p) : nullptr;
    if (r == nullptr)
        return 0;
    const int s = r->GetSicho();
    if (s == 1)
        first = r->SichoTe(1);
    return s;
}

// The owner connects at `conn` and the opponent cuts at `cut`; a cutting
// chain caught at once (one liberty, or two and a ladder) is taken back.
// Answers whether both moves stood; they stay on the trial.
bool ConnectAndCut(const TKankeiBox& box, TYomiTrial& t, Point conn, Point cut)
{
    if (!t.Play(box.Own, conn) || !t.Play(box.Opp, cut))
        return false;
    ToruRenMake();
    const int l = RenKuu(cut);
    if (l == 1 || (l == 2 && SichoCheck(cut) == 1))
        t.Back();
    return true;
}

// One side of the plain wedge, named for the owner's atari S on the j = 0
// side of orientation o: T across the gap, U and V the corners on T's side,
// W and X those on S's side (beside A and beside B).
void WariNomiSide(const TKankeiBox& box, int o)
{
    const int own = box.Own, opp = box.Opp;
    const Point a = box[1], b = box[7], gap = box[4];
    const int si = box.Idx(o, 1, 0);
    const Point s = box[si], t = box[box.Idx(o, 1, 2)];
    const Point u = box[box.Idx(o, 0, 2)], v = box[box.Idx(o, 2, 2)];
    const Point w = box[box.Idx(o, 0, 0)], x = box[box.Idx(o, 2, 0)];
    // The atari point off the board (a jump along the edge): nothing to read.
    if (box.IsHen(si) || IroAt(StepBeyond(gap, s)) == own)
        return;

    // The opponent's side: the wedge extended to S, the owner's block at T,
    // and the better of the cuts at U and V.
    int k1 = 0, k2 = 0;
    {
        TYomiTrial tr;
        tr.Play(opp, s);
        tr.Play(own, t);
        CurGoban().Analyze();
        const TGun* g = GunAt(s);
        if (g == nullptr || g->GetIsiIro() != opp || g->GetDeath() == 1)
            return;
        k1 = KiriHyoka(opp, u, t, a);
        k2 = KiriHyoka(opp, v, t, b);
    }
    const int k = std::max(k1, k2);

    // The owner's atari at S, and the owner's connection at W or at X.
    TYomiTrial tr;
    tr.Play(own, s);
    ToruRenMake();
    int e1 = k1;
    if (SichoAtariCheck(gap) == 1) {
        e1 = Hyoka(own);
    } else {
        tr.Play(opp, t);
        const int mark = tr.Tries();
        if (ConnectAndCut(box, tr, w, x))
            e1 = Hyoka(own);
        tr.BackTo(mark);
    }
    const int mark = tr.Tries();
    ConnectAndCut(box, tr, x, w);
    const int e2 = Hyoka(own);
    tr.BackTo(mark);
    const int value = std::max(e1, e2) + k;

    // The attacker prefers a ladder against an end of two liberties.
    Point cand = s;
    if (box.EngineAttacks()) {
        ToruRenMake();
        for (Point end : {a, b}) {
            Point first;
            if (RenKuu(end) == 2 && ToruSicho(end, &first) && first.x != 0)
                cand = first;
        }
    }
    tr.BackAll();
    AddKoho(cand, value, 0);
}

} // namespace

void IkkenWarikomi(TKankeiBox box)
{
    switch (KankeiFirstMatch(box, kWariTests)) {
    case 0:
        IkkenWariNobi(box);
        break;
    case 1:
        IkkenWariKado(box);
        break;
    default:
        IkkenWariNomi(box);
        break;
    }
}

void IkkenWariNomi(TKankeiBox box)
{
    WariNomiSide(box, kOrientPlain);
    WariNomiSide(box, kOrientAcross);
}

void IkkenWariKado(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point gap = box[4];
    // Named for the corner: N on its side of the gap row, P across, Y1 the
    // free corner in the corner's row, Y2 the other free corner.
    const int o = box.IsOpp(0) || box.IsOpp(6) ? kOrientPlain : kOrientAcross;
    const int row = box.IsOpp(box.Idx(o, 0, 0)) ? 0 : 2;
    const int pi = box.Idx(o, 1, 2);
    const Point n = box[box.Idx(o, 1, 0)], p = box[pi];
    const Point y1 = box[box.Idx(o, row, 2)], y2 = box[box.Idx(o, 2 - row, 2)];
    const bool aRow = box.IsOpp(0) || box.IsOpp(2);
    const Point end1 = aRow ? box[1] : box[7], end2 = aRow ? box[7] : box[1];
    if (CurGoban().IsToruTenPt(own, n) == 1)
        return;
    LinkMark1Set(p, 1);
    LinkMark1Set(y1, 1);
    LinkMark1Set(y2, 1);
    Point se;
    const int s = SichoStatusAt(end1, se);
    const int l = RenKuu(end1);

    // The atari from the corner's side, when it catches the wedge.
    if (CurGoban().IsKinsiPt(own, n) == 0 && l >= 2) {
        TYomiTrial t;
        t.Play(own, n);
        ToruRenMake();
        if (RenKuu(n) >= 2 && SichoAtariCheck(gap) == 1) {
            const int e1 = Hyoka(own);
            t.Back();
            Point z;
            int e2 = 0;
            if (l == 2 && IroAt(y1) == kAki && CurGoban().IsSelfAtariPt(opp, y1) == 0) {
                z = s == 1 ? se : y1;
                e2 = TrialHyoka(t, opp, {{opp, z}});
            } else {
                t.Play(opp, p);
                t.Play(own, n);
                ToruRenMake();
                const int sc = SichoCheck(n);
                t.Back();
                if (sc == 1) {
                    z = p;
                    e2 = Hyoka(opp);
                }
                t.Back();
                if (sc != 1) {
                    z = s == 1 ? se : n;
                    e2 = UtuHyoka(opp, n);
                }
            }
            t.BackAll();
            KankeiKoho(box, n, z, e1 + e2);
            return;
        }
    }

    // The atari from the free side: an end left in atari is the opponent's
    // point.
    Point lib;
    int e1 = 0;
    {
        TYomiTrial t;
        t.Play(own, p);
        ToruRenMake();
        for (Point end : {end1, end2})
            if (RenKuu(end) == 1) {
                lib = RenKuuPt(end, 1);
                break;
            }
        e1 = lib.x != 0 ? TrialHyoka(t, own, {{opp, lib}}) : Hyoka(own);
    }
    if (lib.x != 0) {
        int e2 = 0;
        {
            TYomiTrial t;
            if (!t.Play(opp, lib))
                return;
            e2 = Hyoka(opp);
        }
        KankeiKoho(box, p, lib, e1 + e2);
        AddKoho(p, e1 + UtuHyoka(opp, p), 0);
        return;
    }
    if (!IkkenWariKadoDame(box))
        IkkenWariKadoNobi(box, pi, e1);
}

bool IkkenWariKadoDame(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point a = box[1], b = box[7], gap = box[4];
    const int la = RenKuu(a), lb = RenKuu(b);
    if (la != 2 && lb != 2)
        return false;
    // The free side, and on it H beside the end E of two liberties.
    const int o = box.IsOpp(0) || box.IsOpp(6) ? kOrientPlain : kOrientAcross;
    const Point p = box[box.Idx(o, 1, 2)], y1 = box[box.Idx(o, 0, 2)], y2 = box[box.Idx(o, 2, 2)];
    const Point h = la == 2 ? y1 : y2, e = la == 2 ? a : b, h2 = la == 2 ? y2 : y1;
    if (IroAt(h) != kAki)
        return false;
    if (const TRen* r = ToruRenAt(e); r != nullptr && r->IsiCount() == 1 &&
                                      CurGoban().IsKinsiPt(opp, StepBeyond(gap, e)) == 1)
        return false;

    Point d = h;
    int ev = 0;
    {
        TYomiTrial t;
        t.Play(opp, h);
        ToruRenMake();
        if (RenKuu(h) == 1)
            return false;
        const Point l = RenKuuPt(e, 1);
        const int mark = t.Tries();
        if (t.Play(own, l)) {
            ev = Hyoka(opp);
            t.BackTo(mark);
            if (box.EngineAttacks()) {
                const int e2 = TrialHyoka(t, opp, {{opp, l}});
                const int half = (e2 - ev) / 2;
                ev = half < ev ? ev + half : 2 * ev;
            }
        } else {
            ev = Hyoka(opp);
        }
    }
    if (const int u = UtuHyoka(opp, p); u > ev) {
        ev = u;
        d = p;
    }
    Point z = p;
    TIroCounts around;
    CountNeighbour(h, around);
    if (IroAt(StepBeyond(gap, p)) == own && IroAt(h2) == own && around[own] <= 1)
        z = h;
    KankeiKoho(box, z, d, UtuHyoka(own, z) + ev);
    return true;
}

void IkkenWariKadoNobi(TKankeiBox box, int side, int e1)
{
    const int own = box.Own, opp = box.Opp;
    // The extension off the board (a jump along the edge): nothing to read.
    if ((side != 3 && side != 5) || box.IsHen(side))
        return;
    const int o = side == 3 ? kOrientPlain : kOrientAcross;
    const Point a = box[1], b = box[7], gap = box[4];
    const Point x = box[side], other = box[8 - side];
    const Point y1 = box[box.Idx(o, 0, 0)], y2 = box[box.Idx(o, 2, 0)];
    if (CurGoban().IsSelfAtariPt(opp, x) == 1) {
        if (!box.EngineAttacks()) {
            const int h = SeqHyoka(own, {{own, x}, {opp, other}});
            AddKoho(x, h, 0);
        }
        return;
    }
    const Point xx = StepBeyond(gap, x), xxo = StepBeyond(x, xx);
    const Point y1o = StepBeyond(a, y1), y2o = StepBeyond(b, y2);
    const Point y1x = StepBeyond(x, y1), y2x = StepBeyond(x, y2);
    if (IroAt(y1) == own && IroAt(y2) == own)
        return;

    TYomiTrial t;
    t.Play(opp, x);
    const bool own1 = IroAt(y1) == own, own2 = IroAt(y2) == own;
    if (IroAt(xx) == own && own1 != own2) {
        const int h = TrialHyoka(t, opp, {{own, own1 ? y2 : y1}, {opp, other}});
        t.BackAll();
        AddKoho(x, e1 + h, 0);
        return;
    }
    // At most one further exchange, by the owner's stones beyond the corners;
    // an owner's answer that stands there is a bonus.
    int bonus = 0;
    const bool out1 = IroAt(y1o) == own, out2 = IroAt(y2o) == own;
    if (out1 && out2) {
        if (IroAt(xx) == kAki && IroAt(xxo) == kAki) {
            t.Play(opp, xx);
            if (t.Play(own, xxo))
                ++bonus;
        }
    } else if (out1) {
        if (IroAt(y2) == own && IroAt(xx) == kAki) {
            t.Play(own, xx);
        } else if (IroAt(y1) == kAki && IroAt(y1x) == kAki) {
            t.Play(opp, y1);
            if (t.Play(own, y1x))
                ++bonus;
        }
    } else if (out2) {
        if (IroAt(y1) == own && IroAt(xx) == kAki) {
            if (t.Play(own, xx)) {
                ToruRenMake();
                if (SichoCheck(y1) == 1)
                    t.Play(opp, RenKuuPt(y1, 1));
            }
        } else if (IroAt(y2) == kAki && IroAt(y2x) == kAki) {
            t.Play(opp, y2);
            if (t.Play(own, y2x))
                ++bonus;
        }
    }
    const int h = Hyoka(opp);
    const TGun* g = GunAt(x);
    const bool dead = g != nullptr && g->GetIsiIro() == opp && g->GetDeath() == 1;
    t.BackAll();
    if (dead)
        return;
    const int v = e1 + (bonus > 0 && e1 <= 8 ? 4 * bonus : 0);
    AddKoho(x, v + std::max(h, 0), 0);
}

} // namespace vorn

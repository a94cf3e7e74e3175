#include "engine/links/IkkenEdgeWarikomi.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeRenraku.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

bool GunDeath(Point p, int death)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() == death;
}

// The owner's candidate when the engine owns the link, the opponent's
// otherwise; the owner's under a reason of its own when `reason` is set.
void EdgeKoho(const TKankeiBox& box, Point m, Point a, int value, std::uint8_t reason = 0)
{
    if (JibunIro != box.Own) {
        AddKoho(a, value, 0);
    } else if (m.x != 0) {
        if (reason != 0)
            AddKohoEx(m, value, reason, a);
        else
            AddKoho(m, value, 0);
    }
}

// The owner's answer to the wedge in the shape with the opponent's stone K
// beside the owner's stone; M stays (0, 0) when the owner's move at L is
// refused.
int WariKataJibun(const TKankeiBox& box, const TIkkenEdgeSide& e, bool hen, Point l, Point& m)
{
    const int own = box.Own, opp = box.Opp;
    const Point s = box[e.S], t = box[e.T], n = box[e.N];
    if (l.x != 0) {
        TYomiTrial tr;
        if (!tr.Play(own, l))
            return 0;
        tr.Play(opp, n);
        ToruRenMake();
        const int kuuN = IkkenEdgeKuu(opp, n);
        if (kuuN >= 1 && kuuN <= 2) {
            m = l;
            return TrialHyoka(tr, own, {{own, s}});
        }
        // L does not hold N: read the owner's other answers.
    }
    if (hen) {
        m = LineNoPt(e.U) == 1 ? t : e.U;
        return SeqHyoka(own, {{own, m}});
    }
    TIroCounts around;
    CountAround8(e.U, around);
    if (GunDeath(e.Stone, 0) && GunDeath(e.Gap, 1) && IroAt(e.U) == kAki && around[kAki] == 8) {
        m = e.U;
        return SeqHyoka(own, {{own, e.U}});
    }
    TYomiTrial tr;
    tr.Play(own, s);
    ToruRenMake();
    if (IkkenEdgeKuu(own, e.Stone) == 2 && SichoCheck(e.Stone) == 1) {
        tr.Back();
        m = t;
        return TrialHyoka(tr, own, {{own, t}});
    }
    m = s;
    // The opponent's hane at T cuts the block off when a wall at Z backs it.
    if (IroAt(e.V) == kAki && IkkenEdgeKabePt(StepBeyond(t, e.V), opp)) {
        const int mark = tr.Tries();
        tr.Play(opp, t);
        tr.Play(own, n);
        if (tr.Play(opp, e.V) && Hyoka(own) < 0)
            m = t;
        tr.BackTo(mark);
    }
    return TrialHyoka(tr, own, {{opp, n}});
}

// The opponent's move in the same shape; false when its block at S would
// leave a dead group (read only when the engine is the opponent).
bool WariKataAite(const TKankeiBox& box, const TIkkenEdgeSide& e, Point& a, int& vp, int& vo)
{
    const int own = box.Own, opp = box.Opp;
    const Point s = box[e.S], t = box[e.T];
    const TGoban& g = CurGoban();
    if (IroAt(e.U) == own) {
        if (g.IsKinsiPt(opp, e.W) == 1 || g.IsSelfAtariPt(opp, e.W) == 1 || IroAt(e.V) == own || GunDeath(e.U, 1)) {
            a = s;
            vp = SeqHyoka(opp, {{opp, s}});
            return true;
        }
        a = e.W;
        const Point y = StepBeyond(s, e.W);
        TYomiTrial tr;
        tr.Play(opp, e.W);
        if (!tr.Play(own, y)) {
            vp = Hyoka(opp);
            return true;
        }
        ToruRenMake();
        if (IkkenEdgeKuu(own, y) == 1) {
            tr.Back();
            vp = Hyoka(opp);
            return true;
        }
        tr.Play(opp, s);
        ToruRenMake();
        if (IkkenEdgeKuu(own, y) == 2 && SichoCheck(y) == 1) {
            Point s1, s2;
            SichoFirstTwo(y, s1, s2);
            vp = 2 * TrialHyoka(tr, opp, {{own, s1}});
            vo *= 2;
        } else {
            vp = Hyoka(opp);
        }
        AddPreparedTe(e.W, y, s);
        return true;
    }
    if (EmptyNeighbours(t) >= 3 && IroAt(e.W) == kAki) {
        const int va = SeqHyoka(opp, {{opp, t}});
        const int vb = SeqHyoka(opp, {{opp, e.W}});
        if (va < vb) {
            a = e.W;
            vp = vb;
        } else {
            a = t;
            vp = va;
        }
        return true;
    }
    if (IroAt(e.W) == kAki && EmptyNeighbours(e.W) == 3) {
        a = e.W;
        vp = SeqHyoka(opp, {{opp, e.W}});
        return true;
    }
    a = s;
    TYomiTrial tr;
    tr.Play(opp, s);
    if (JibunIro == opp) {
        CurGoban().Analyze();
        if (GunDeath(s, 1))
            return false;
    }
    vp = Hyoka(opp);
    return true;
}

} // namespace

void IkkenEdgeWarikomi(TKankeiBox box)
{
    if (box.IsOpp(3) || box.IsOpp(5))
        IkkenEdgeWariNobi(box);
    else if (box.IsOpp(0) || box.IsOpp(2))
        IkkenEdgeWariKata(box);
    else
        IkkenEdgeWariTobi(box);
}

void IkkenEdgeWariNobi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // The block goes on the side away from the gap stone's neighbour ([5]
    // when both sides hold one).
    const TIkkenEdgeSide e = IkkenEdgeSideOf(box, box.IsOpp(3) ? kOrientPlain : kOrientAcross);
    const Point s = box[e.S], t = box[e.T];
    const TGoban& g = CurGoban();
    if (g.IsSelfAtariPt(own, s) == 1 || box.IsOwn(e.T))
        return;
    bool twice = false, safe = false;
    Point m;
    int vo = 0;
    {
        TYomiTrial tr;
        tr.Play(own, s);
        safe = IkkenEdgeSafeCheck(opp, s, t);
        if (safe) {
            m = s;
            vo = Hyoka(own);
        }
        ToruRenMake();
        twice = IkkenEdgeKuu(opp, e.Gap) == 1 && JibunIro == own;
    }
    if (!safe) {
        TIroCounts n;
        CountNeighbour(e.U, n);
        if (IroAt(e.U) == kAki && AtariMapAt(opp, t) == 0 && LineNoPt(e.U) >= 2 && n[own] == 0) {
            m = e.U;
            vo = SeqHyoka(own, {{own, e.U}});
        } else if (box.IsAki(e.T)) {
            m = t;
            vo = IroAt(e.U) == opp ? SeqHyoka(own, {{own, t}, {opp, s}}) : SeqHyoka(own, {{own, t}});
        }
    }
    Point a = s;
    int vp = 0;
    if (IroAt(e.U) == own) {
        if (IroAt(e.W) == kAki && g.IsSelfAtariPt(opp, e.W) == 0)
            a = e.W;
        vp = SeqHyoka(opp, {{opp, a}});
    } else {
        if (IroAt(e.W) == kAki && EmptyNeighbours(e.W) >= 3)
            a = e.W;
        if (a == s && EmptyNeighbours(t) >= 2)
            a = t;
        vp = IroAt(e.W) == own ? SeqHyoka(opp, {{opp, a}, {own, t}}) : SeqHyoka(opp, {{opp, a}});
    }
    int value = vo + vp;
    if (twice)
        value *= 2;
    EdgeKoho(box, m, a, value, kkTugi);
    LinkMark1Set(s, 1);
    LinkMark1Set(t, 1);
}

void IkkenEdgeWariKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // K beside the stone on [0]: the block is read on the [5] side.
    const TIkkenEdgeSide e = IkkenEdgeSideOf(box, box.IsOpp(0) ? kOrientPlain : kOrientAcross);
    const Point s = box[e.S], t = box[e.T], n = box[e.N], k = box[e.K];
    if (box.IsOwn(e.T))
        return;
    LinkMark1Set(s, 1);
    LinkMark1Set(t, 1);
    if (IkkenEdgeKuu(own, e.Stone) <= 2) {
        IkkenEdgeWariKataDame(box);
        return;
    }
    const TGoban& g = CurGoban();
    if (g.IsSelfAtariPt(opp, s) == 1 || g.IsSelfAtariPt(own, s) == 1)
        return;
    bool hen = false;
    if (g.IsKinsiPt(own, n) == 1) {
        // N is no block for the owner: will the stone at S crawl to death?
        TYomiTrial tr;
        tr.Play(own, s);
        tr.Play(opp, n);
        hen = HenYomi(s) == 1;
    }
    // L: K's other liberty when K has two.
    Point l;
    if (IkkenEdgeKuu(opp, k) == 2)
        for (int i = 1; i <= 2; ++i)
            if (const Point q = RenKuuPt(k, i); q != n)
                l = q;
    Point m;
    int vo = WariKataJibun(box, e, hen, l, m);
    Point a;
    int vp = 0;
    if (!WariKataAite(box, e, a, vp, vo))
        return;
    int value = vo + vp;
    if (JibunIro == own && value >= 10)
        value += 3;
    EdgeKoho(box, m, a, value, value >= 20 ? kkKiri : 0);
}

void IkkenEdgeWariKataDame(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TIkkenEdgeSide e = IkkenEdgeSideOf(box, box.IsOpp(0) ? kOrientPlain : kOrientAcross);
    const Point s = box[e.S], t = box[e.T], n = box[e.N];
    const TGoban& g = CurGoban();
    if (LineNoPt(t) == 1 || IroAt(e.U) == opp || IkkenEdgeKuu(own, e.Stone) == 1)
        return;
    if (const TGun* gs = GunAt(e.Stone); gs == nullptr || gs->IsDeath90() == 1)
        return;
    if (g.IsSelfAtariPt(own, s) == 1)
        return;
    Point a = s;
    if (g.IsSelfAtariPt(opp, t) == 0) {
        a = t;
        if (IroAt(e.W) == kAki && EmptyNeighbours(e.W) >= 3)
            a = e.W;
    }
    int vp = 0;
    bool lost = false;
    {
        TYomiTrial tr;
        tr.Play(opp, a);
        vp = Hyoka(opp);
        const TGun* ga = GunAt(a);
        lost = ga != nullptr && ga->GetSmai() == 1 && ga->GetLost() == 1;
    }
    if (vp >= 10)
        vp += 3;
    Point m = s;
    int vo = 0;
    {
        TYomiTrial tr;
        tr.Play(own, s);
        bool hane = tr.Play(opp, t);
        if (hane) {
            ToruRenMake();
            if (IkkenEdgeKuu(opp, t) == 1) {
                tr.Back();
                hane = false;
            }
        }
        if (!hane) {
            vo = TrialHyoka(tr, own, {{opp, n}});
        } else {
            tr.Play(own, n);
            ToruRenMake();
            const bool atariN = IkkenEdgeKuu(own, n) == 1;
            const int s1 = SichoCheck(e.Stone);
            tr.Back();
            tr.Back();
            if (s1 == 0 && !atariN) {
                tr.Play(opp, n);
                ToruRenMake();
                vo = SichoCheck(s) == 1 ? TrialHyoka(tr, own, {{own, t}}) : Hyoka(own);
            } else {
                m = t;
                tr.Back();
                vo = TrialHyoka(tr, own, {{own, t}});
            }
        }
    }
    int value = vo + vp;
    if (lost && value > 19)
        value = 19;
    EdgeKoho(box, m, a, value);
}

void IkkenEdgeWariTobi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // Two points along the edge from the stone and the gap: strip cells [2]
    // and [3] lie on the first line beyond [3] and beyond [5].
    KankeiStripMake(box, box[1], StepBeyond(box[1], box[4]));
    int o;
    if (box.StripOpp(2))
        o = kOrientPlain;
    else if (box.StripOpp(3))
        o = kOrientAcross;
    else
        return;
    const TIkkenEdgeSide e = IkkenEdgeSideOf(box, o);
    const Point s = box[e.S], t = box[e.T], x = box[e.N];
    if (CurGoban().IsSelfAtariPt(opp, s) == 1 || box.IsOwn(e.T))
        return;
    Point a = s;
    if (box.IsAki(e.T)) {
        TIroCounts n;
        CountNeighbour(t, n);
        if (n[kAki] == 3 || (n[kAki] == 2 && n[opp] >= 1))
            a = t;
    }
    const int vp = SeqHyoka(opp, {{opp, a}});
    Point m = s;
    int vo = 0;
    {
        TYomiTrial tr;
        tr.Play(own, s);
        ToruRenMake();
        if (IkkenEdgeKuu(own, s) == 1) {
            tr.Back();
            m = t;
            tr.Play(own, t);
        }
        tr.Play(opp, x);
        vo = Hyoka(own);
        if (vo > 0)
            vo += 4;
    }
    EdgeKoho(box, m, a, vo + vp);
}

bool IkkenEdgeKabePt(Point p, int c)
{
    const int iro = IroAt(p);
    if (iro == c)
        return true;
    if (iro != kAki)
        return false;
    TIroCounts n;
    CountNeighbour(p, n);
    return n[kAki] == 2 && n[c] == 2;
}

} // namespace vorn

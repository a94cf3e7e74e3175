#include "engine/links/IkkenOuter.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"

namespace vorn {

namespace {

bool GunDead(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() == 1;
}

// The liberty of the last chain of colour c next to p that is in atari;
// (0, 0) when there is none.
Point LastAtariLiberty(Point p, int c)
{
    int list[4];
    const int n = ListTonariRen(p, c, list);
    Point l;
    for (int i = 0; i < n; ++i)
        if (TRen* r = CurGoban().RenList.Items(list[i]); r != nullptr && r->Kuu() == 1)
            l = r->GetKuu(1);
    return l;
}

} // namespace

void IkkenOuterRenraku(Point a, Point b)
{
    const TGoban& g = CurGoban();
    if (g.GetIroPt(a) == kHen || g.GetIroPt(b) == kHen) {
        IkkenEdgeOuterRenraku(a, b);
        return;
    }
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 2 || box.Own < 0)
        return;
    if (KankeiOppCells(box) != 0)
        return;
    KankeiStripMake(box, box[1], box[7]);
    if (box.StripOpp(2) || box.StripOpp(3))
        IkkenSotoIsiUtu(box);
}

void IkkenSotoIsiUtu(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (box.StripOpp(2) && box.StripOpp(3))
        return;
    // The named points for S on strip [2], mirrored for S on [3].
    const int o = box.StripOpp(2) ? kOrientPlain : kOrientAcross;
    const Point s = box.Strip[box.StripIdx(o, 1, 0)];
    const Point corners[2] = {box[box.Idx(o, 0, 0)], box[box.Idx(o, 2, 0)]};
    const Point n = box[box.Idx(o, 1, 0)], m = box[box.Idx(o, 1, 2)], gap = box[4];
    if (const TGun* gs = GunAt(s); gs != nullptr && gs->IsDeathOrWeak())
        return;
    const TGoban& g = CurGoban();
    int best = -99;
    Point d;
    for (Point t : corners) {
        if (g.IsKinsiPt(opp, t) == 1 || g.IsSelfAtariPt(opp, t) == 1 || AtariMapAt(opp, t) == 0)
            continue;
        TYomiTrial tr;
        tr.Play(opp, t);
        ToruRenMake();
        // When the atari captured and so freed the owner's chain there is no
        // escape to read.
        const Point l = LastAtariLiberty(t, own);
        if (l.x == 0)
            continue;
        const int e = TrialHyoka(tr, opp, {{own, l}, {opp, gap}, {own, m}, {opp, n}});
        if (e > best) {
            best = e;
            d = t;
            if (box.EngineAttacks())
                AddPreparedTe(t, l, gap);
        }
    }
    if (best < 0)
        return;
    KankeiKoho(box, n, d, UtuHyoka(own, n) + best);
}

void IkkenEdgeOuterRenraku(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 2)
        return;
    // The outer strip runs from the stone toward the edge, whichever end the
    // caller named first.
    Point stone = a, edge = b;
    if (box.IsHen(1)) {
        KankeiEdgeTurn(box);
        stone = b;
        edge = a;
    }
    if (box.IsHen(0) || box.IsHen(2) || box.Own < 0)
        return;
    for (int i : {0, 2, 3, 4, 5})
        if (box.IsOpp(i))
            return;
    KankeiStripMake(box, stone, edge);
    if (box.StripOpp(2) || box.StripOpp(3))
        IkkenEdgeSotoIsiUtu(box);
}

void IkkenEdgeSotoIsiUtu(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    int o;
    if (box.StripOpp(2)) {
        if (box.StripOwn(0))
            return;
        o = kOrientPlain;
    } else if (box.StripOpp(3)) {
        if (box.StripOwn(1))
            return;
        o = kOrientAcross;
    } else {
        return;
    }
    const Point s = box.Strip[box.StripIdx(o, 1, 0)];
    const int f = box.Idx(o, 1, 2);
    const Point n = box[box.Idx(o, 1, 0)], k = box[box.Idx(o, 0, 2)];
    if (!box.IsAki(f) || GunDead(box[1]) || GunDead(s))
        return;
    int v = 0;
    {
        TYomiTrial t;
        t.Play(opp, box[4]);
        t.Play(own, box[f]);
        t.Play(opp, n);
        ToruRenMake();
        if (SichoCheck(box[f]) == 1)
            v = TrialHyoka(t, opp, {{own, k}});
        else
            v = Hyoka(opp);
    }
    AddKoho(box[4], v, 0);
}

} // namespace vorn

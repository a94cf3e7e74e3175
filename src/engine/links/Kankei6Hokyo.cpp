#include "engine/links/Kankei6Hokyo.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

bool GunDead(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() == 1;
}

} // namespace

void Kankei6Hokyo(Point a, Point b)
{
    const TGoban& g = CurGoban();
    if (g.GetIroPt(a) == kHen || g.GetIroPt(b) == kHen) {
        Kankei6HokyoEdge(a, b);
        return;
    }
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 3 || box.Own < 0)
        return;
    for (int i : {4, 7, 3, 5, 6, 8})
        if (box.IsOpp(i))
            return;
    int corners = 0;
    for (int i : {0, 2, 9, 11})
        corners += box.IsOpp(i) ? 1 : 0;
    if (corners == 1)
        Kankei6HokyoKata(box);
}

void Kankei6HokyoKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const int o = Kankei6Orient(box, 0);
    if (o < 0)
        return;
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    const Point c = at(0, 0), k = at(1, 0), ga = at(1, 1), ao = at(1, 2), l = at(2, 0);
    const Point y = StepBeyond(ga, k);
    if (IroAt(y) == own)
        return;
    if (const TGun* g = GunAt(c); g != nullptr && g->IsDeath70() == 1)
        return;
    // The owner's point: Ga when the opponent already stands beyond K,
    // else the block at K.
    Point w;
    int ov = 0;
    if (IroAt(y) == opp) {
        w = ga;
        ov = UtuHyoka(own, ga);
    } else {
        w = k;
        ov = SeqHyoka(own, {{own, k}, {opp, y}, {own, l}});
    }
    // The opponent's point: the push at Ga when the owner's block at K would
    // be caught in a ladder, else its own block at K.
    Point d;
    int a = 0;
    {
        TYomiTrial t;
        t.Play(opp, ga);
        int s = 1;
        if (t.Play(own, k)) {
            ToruRenMake();
            s = SichoCheck(k);
        }
        t.Back();
        if (s == 1) {
            d = ga;
            a = TrialHyoka(t, opp, {{own, ao}, {opp, l}});
        } else {
            t.Back();
            d = k;
            a = TrialHyoka(t, opp, {{opp, k}, {own, ga}});
        }
    }
    KankeiKoho(box, w, d, ov + a);
    for (int i = 3; i <= 8; ++i)
        LinkMark1Set(box[i], 1);
}

void Kankei6HokyoEdge(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 3)
        return;
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    if (box.Own < 0)
        return;
    if (box.IsOpp(4) || box.IsOpp(7))
        return;
    if (box.IsOpp(3) || box.IsOpp(5)) {
        Kankei6HokyoNozoki(box);
        return;
    }
    for (int i : {0, 2, 6, 8})
        if (box.IsOpp(i))
            return;
    Kankei6HokyoEdgeFree(box);
}

void Kankei6HokyoNozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // The roles for the peep on [3], mirrored for [5].
    int o;
    if (box.IsOpp(3))
        o = kOrientPlain;
    else if (box.IsOpp(5))
        o = kOrientAcross;
    else
        return;
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    const Point pe = at(1, 0), f = at(1, 2), g2f = at(2, 2), c0 = at(0, 0), c1 = at(0, 2);
    const Point gap = box[4];
    if (LineNoPt(f) == 1 || GunDead(box[1]))
        return;
    if (IroAt(c1) == opp)
        return;
    if (IroAt(c1) == kAki && IroAt(StepBeyond(box[1], c1)) == opp)
        return;
    const Point x = StepBeyond(box[7], g2f);
    if (IroAt(x) != kAki)
        return;
    Point d;
    if (RenKuu(pe) <= 2) {
        d = gap;
    } else {
        d = EmptyNeighbours(x) == 3 ? x : g2f;
        if (IroAt(c0) == own && EmptyNeighbours(pe) == 3)
            d = gap;
    }
    int a = 0;
    {
        TYomiTrial t;
        t.Play(opp, d);
        if (d == gap) {
            // The wedge must live after the owner's block.
            t.Play(own, f);
            TrialAnalyze();
            const TGun* g = GunAt(gap);
            if (g != nullptr && g->IsDeath90() == 1 && box.EngineAttacks())
                return;
            t.Back();
        } else if (box.EngineAttacks()) {
            TrialAnalyze();
            const TGun* g = GunAt(d);
            if (g != nullptr && (g->IsDeath70() == 1 || g->GetSmai() == 1))
                return;
        }
        a = Hyoka(opp);
    }
    KankeiKoho(box, gap, d, a + UtuHyoka(own, gap));
}

void Kankei6HokyoEdgeFree(TKankeiBox box)
{
    KankeiStripMake(box, box[1], box[7]);
    if (box.StripOpp(2) || box.StripOpp(3))
        Kankei6HokyoSoto(box);
}

void Kankei6HokyoSoto(TKankeiBox box)
{
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[7]);
    const int own = box.Own, opp = box.Opp;
    int o;
    if (box.StripOpp(2))
        o = kOrientPlain;
    else if (box.StripOpp(3))
        o = kOrientAcross;
    else
        return;
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    const Point k = at(1, 0), f = at(1, 2), g2f = at(2, 2), c0 = at(0, 0), c1 = at(0, 2);
    if (IroAt(c0) == own || IroAt(g2f) != kAki || GunDead(box[1]))
        return;
    const Point e1 = StepBeyond(box[4], box[1]);
    const int u = UtuHyoka(own, k);
    if (IroAt(c1) == kAki && IroAt(e1) == kAki && EmptyNeighbours(c1) == 3 && EmptyNeighbours(e1) >= 2) {
        Kankei6HokyoSotoKiri(box, u);
        return;
    }
    if (LineNoPt(f) == 1)
        return;
    // The slide: opponent G2f, owner F, opponent [7], owner X beyond it;
    // while X has room the opponent cuts at K as well.
    const Point x = StepBeyond(box[7], g2f);
    int a = 0;
    {
        TYomiTrial t;
        t.Play(opp, g2f);
        t.Play(own, f);
        t.Play(opp, box[7]);
        if (t.Play(own, x)) {
            ToruRenMake();
            a = RenKuu(x) > 1 ? TrialHyoka(t, opp, {{opp, k}}) : Hyoka(opp);
        } else {
            a = Hyoka(opp);
        }
    }
    KankeiKoho(box, k, g2f, u + a);
    if (box.EngineAttacks())
        AddPreparedTe(g2f, f, box[7]);
}

void Kankei6HokyoSotoKiri(TKankeiBox box, int u)
{
    const int opp = box.Opp, own = box.Own;
    const int o = IroAt(StepBeyond(box[4], box[3])) == opp ? kOrientPlain : kOrientAcross;
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    const Point k = at(1, 0), f = at(1, 2), c0 = at(0, 0), c1 = at(0, 2);
    int a = 0;
    {
        TYomiTrial t;
        t.Play(opp, box[4]);
        t.Play(own, f);
        t.Play(opp, c0);
        ToruRenMake();
        if (SichoCheck(c0) == 1)
            return;
        t.Play(own, c1);
        a = Hyoka(opp);
    }
    const int value = std::min((u + a) * 3 / 2, 25);
    KankeiKoho(box, k, box[4], value);
    if (box.EngineAttacks())
        AddPreparedTe(box[4], f, c0);
}

} // namespace vorn

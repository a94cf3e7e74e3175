#include "engine/links/Kankei6EdgeWarikomi.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/Kankei6EdgeUtu.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The named points of a reading, by the side s of the second stone.
struct TWariPts {
    Point X, M, N, W;
    Point N2, M2, M3, W2, WB, XB, XBB;
};

TWariPts WariPts(const TKankeiBox& box, int s)
{
    const int o = 2 - s;
    TWariPts r;
    r.X = box[s];
    r.M = box[3 + s];
    r.N = box[3 + o];
    r.W = box[o];
    r.N2 = StepBeyond(box[4], r.N);
    r.M2 = StepBeyond(box[4], r.M);
    r.M3 = StepBeyond(r.M, r.M2);
    r.W2 = StepBeyond(box[1], r.W);
    r.WB = StepBeyond(r.N, r.W);
    r.XB = StepBeyond(box[1], r.X);
    r.XBB = StepBeyond(r.X, r.XB);
    return r;
}

// The opponent's stone at p is caught: in atari, or with two liberties and
// caught by the ladder.  The chains must be fresh.
bool Caught(int opp, Point p)
{
    const int k = IkkenEdgeKuu(opp, p);
    return k == 1 || (k == 2 && SichoCheck(p) == 1);
}

} // namespace

void Kankei6EdgeWarikomi(TKankeiBox box)
{
    if (box.IsOpp(3) || box.IsOpp(5)) {
        Kankei6EdgeWariYoko(box);
    } else if (box.IsOpp(0) || box.IsOpp(2)) {
        if ((box.IsOpp(0) && box.IsOwn(3)) || (box.IsOpp(2) && box.IsOwn(5)))
            Kankei6EdgeWariKataJibun(box);
        else
            Kankei6EdgeWariKata(box);
    } else if (box.IsOpp(6) || box.IsOpp(8)) {
        Kankei6EdgeWariSaki(box);
    } else {
        Kankei6EdgeWariTobi(box);
    }
}

void Kankei6EdgeWariYoko(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariPts r = WariPts(box, box.IsOpp(3) ? 0 : 2);
    if (IroAt(r.W) != kAki || IroAt(r.W2) == opp || LineNoPt(r.N) == 1)
        return;
    // The owner's N, when the opponent's W then is caught or cannot be
    // played.
    Point d;
    int a = 0;
    bool chosen = false;
    {
        TYomiTrial t;
        t.Play(own, r.N);
        if (t.Play(opp, r.W)) {
            ToruRenMake();
            const bool caught = Caught(opp, r.W);
            t.Back();
            if (caught) {
                d = r.N;
                a = Hyoka(own);
                chosen = true;
            }
        } else {
            t.Back();
            d = r.N;
            a = Hyoka(own);
            chosen = true;
        }
    }
    if (!chosen) {
        // A lone stone with nothing of the owner's near extends to W2.
        const TRen* stone = ToruRenAt(box[1]);
        TIroCounts around, near;
        CountAround8(box[1], around);
        CountNeighbour(r.W2, near);
        const bool alone = stone != nullptr && stone->IsiCount() == 1;
        d = alone && around[own] == 0 && near[own] == 0 && IroAt(r.W2) == kAki ? r.W2 : r.W;
        a = SeqHyoka(own, {{own, d}});
    }
    // The opponent's follow-up: W when it stands in the open, else the
    // owner's point, and on the 2-2 point with the owner's W in answer.
    Point p;
    int b = 0;
    if (EmptyNeighbours(r.W) == 3) {
        p = r.W;
        b = SeqHyoka(opp, {{opp, r.W}});
    } else {
        p = d;
        TYomiTrial t;
        t.Play(opp, d);
        b = LineNoPair(d) == Point(2, 2) ? TrialHyoka(t, opp, {{own, r.W}}) : Hyoka(opp);
    }
    KankeiKoho(box, d, p, a + b);
}

void Kankei6EdgeWariKataJibun(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const int s = box.IsOpp(0) && box.IsOwn(3) ? 0 : 2, o = 2 - s;
    const Point x = box[s], u = box[3 + s], t = box[3 + o], f = box[o];
    if (LineNoPt(t) == 1 || Kankei6EdgeSicho(opp, x) == 1)
        return;
    // The opponent takes T.
    int a = 0;
    {
        TYomiTrial tr;
        tr.Play(opp, t);
        if (LineNoPt(f) == 2) {
            tr.Play(own, f);
            a = Hyoka(opp);
        } else {
            a = Hyoka(opp);
            if (IkkenEdgeKuu(own, box[1]) == 1)
                a = TrialHyoka(tr, opp, {{own, RenKuuPt(box[1], 1)}});
        }
    }
    // The owner takes T.
    int b = 0;
    {
        TYomiTrial tr;
        tr.Play(own, t);
        b = Hyoka(own);
        if (IkkenEdgeKuu(own, u) == 1)
            b = TrialHyoka(tr, own, {{opp, RenKuuPt(u, 1)}});
    }
    AddKoho(t, a + b, 0);
}

void Kankei6EdgeWariSaki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // T: the second-line point above the other side of the far gap.
    const int side = Kankei6EdgeSide(box, 6);
    if (side < 0)
        return;
    const Point t = box[5 - side];
    const int v = SeqHyoka(own, {{own, t}}) + SeqHyoka(opp, {{opp, t}});
    AddKoho(t, v, 0);
}

void Kankei6EdgeWariKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const int s = Kankei6EdgeSide(box, 0);
    if (s < 0)
        return;
    const TWariPts r = WariPts(box, s);
    const Point stone = box[1], gap = box[4];
    if (IroAt(r.M) != kAki || LineNoPt(r.N) == 1)
        return;
    const int ls = IkkenEdgeKuu(own, stone);
    if (ls == 1 || Kankei6EdgeSicho(own, stone) == 1)
        return;
    const int w = IroAt(r.W), n2 = IroAt(r.N2), wb = IroAt(r.WB), w2 = IroAt(r.W2);
    if (w == own || n2 == opp)
        return;

    // The owner's answer D with its value a.
    Point d;
    int a = 0;
    const int lx = IkkenEdgeKuu(opp, r.X);
    const TRen* xr = ToruRenAt(r.X);
    if (lx == 1) {
        d = r.M;
        a = SeqHyoka(own, {{own, r.M}});
    } else if (lx == 2 && xr != nullptr && xr->IsiCount() == 1 && EmptyNeighbours(r.M) >= 2) {
        // M ataris X: it extends, and the owner closes at N.
        d = r.M;
        TYomiTrial t;
        t.Play(own, r.M);
        ToruRenMake();
        t.Play(opp, RenKuuPt(r.X, 1));
        t.Play(own, r.N);
        a = Hyoka(own);
    } else {
        TYomiTrial t;
        t.Play(own, r.N);
        bool keep = true;
        if (ls == 2 && w == kAki) {
            // The opponent's W ataris the owner's stone: after the owner's
            // extension the W stone must still be short, unless the owner's
            // M then catches the intruder or X.
            const int mark = t.Tries();
            if (t.Play(opp, r.W)) {
                ToruRenMake();
                if (IkkenEdgeKuu(opp, r.W) >= 2) {
                    t.Play(own, RenKuuPt(stone, 1));
                    ToruRenMake();
                    if (IkkenEdgeKuu(opp, r.W) >= 2) {
                        keep = false;
                        if (t.Play(own, r.M)) {
                            ToruRenMake();
                            if (IkkenEdgeKuu(own, r.M) >= 2) {
                                const int kx = IkkenEdgeKuu(opp, r.X), k4 = IkkenEdgeKuu(opp, gap);
                                keep = kx == 0 || k4 == 0 || (kx == 1 && k4 == 1) ||
                                       (kx == 2 && k4 == 1 && IroAt(r.M2) == kAki && IroAt(r.XB) == opp &&
                                        IroAt(r.M3) == kAki && IroAt(r.XBB) == kAki);
                            }
                        }
                    }
                }
            }
            t.BackTo(mark);
        }
        if (keep) {
            ToruRenMake();
            const int t4 = SichoCheck(gap);
            a = Hyoka(own);
            d = r.N;
            if (t4 == 0) {
                // The intruder escapes: W instead when the opponent's W
                // would live there.
                if (t.Play(opp, r.W)) {
                    ToruRenMake();
                    const int k = IkkenEdgeKuu(opp, r.W);
                    const bool good = k > 2 || (k == 2 && SichoCheck(r.W) == 0);
                    t.BackAll();
                    if (good) {
                        a = UtuHyoka(own, r.W);
                        d = r.W;
                    }
                }
                t.BackAll();
            } else if (JibunIro == own) {
                const int mark = t.Tries();
                t.Play(own, r.M);
                if (t.Play(opp, r.M2))
                    a = TrialHyoka(t, own, {{own, box[7]}});
                else
                    a = Hyoka(own);
                t.BackTo(mark);
                // After N the opponent's M: the prepared answer to it, when
                // its W would not be caught.
                t.Play(opp, r.M);
                if (t.Play(opp, r.W)) {
                    ToruRenMake();
                    const bool ok = !Caught(opp, r.W);
                    t.Back();
                    if (ok) {
                        ToruRenMake();
                        AddPreparedTe(r.N, r.M, TonariPairTe(r.W, own));
                    }
                }
                t.BackAll();
            } else {
                t.BackAll();
            }
        } else {
            t.BackAll();
            if (w2 == opp)
                return;
            d = r.W;
            a = UtuHyoka(own, r.W);
        }
    }

    // The opponent's point P with its value b.
    Point p;
    int b = 0;
    if (Kankei6EdgeSicho(own, stone) >= 1) {
        TRen* sr = ToruRenAt(stone);
        p = sr != nullptr ? sr->SichoTe(1) : Point();
        b = UtuHyoka(opp, p);
    } else if (wb != own && w2 != own && n2 != own && w == kAki && LineNoPt(r.W) == 3) {
        p = r.W;
        b = SeqHyoka(opp, {{opp, r.W}});
    } else {
        p = r.N;
        b = UtuHyoka(opp, r.N);
    }
    KankeiKoho(box, d, p, a + b);
}

void Kankei6EdgeWariTobi(TKankeiBox box)
{
    // Strip cells 6 and 7 lie beyond the edge and are never read, so
    // mirroring them too changes nothing.
    KankeiStripMake(box, box[1], Kankei6EdgeEnd(box));
    Kankei6EdgeWariTobiKata(box);
    KankeiMirrorBox(box);
    KankeiMirrorStrip(box);
    Kankei6EdgeWariTobiKata(box);
}

void Kankei6EdgeWariTobiKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const auto so = [&box](int i) { return static_cast<int>(box.StripIro[i]); };
    if (!box.IsAki(3) || !box.IsAki(5) || box.IsOwn(0) || so(0) != kAki || so(2) != kAki || so(4) != kAki)
        return;
    if (box.IsOwn(2) && so(3) == opp) {
        // The opponent two lines out on the other side: the owner's block
        // at [5] and its run along the edge.
        const int a = SeqHyoka(own, {{own, box[5]}, {opp, box[8]}, {own, box[3]}, {own, box[7]}});
        const int v = a + UtuHyoka(opp, box[3]);
        if (JibunIro == own) {
            AddKoho(box[5], v, 0);
            AddPreparedTe(box[5], box[8], box[3]);
        } else {
            AddKoho(box[3], v, 0);
        }
    } else if (so(3) == opp) {
        int a = 0;
        {
            TYomiTrial t;
            t.Play(own, box[3]);
            ToruRenMake();
            a = SichoCheck(box[4]) == 1 ? TrialHyoka(t, own, {{own, box[5]}}) : Hyoka(own);
        }
        const Point p = box.IsAki(0) && EmptyNeighbours(box[0]) == 3 ? box[0] : box[3];
        const int b = SeqHyoka(opp, {{opp, p}});
        KankeiKoho(box, box[3], p, a + b);
    } else {
        AddKohoHyoka(box[3]);
    }
}

} // namespace vorn

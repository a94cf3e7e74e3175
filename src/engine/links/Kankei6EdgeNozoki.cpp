#include "engine/links/Kankei6EdgeNozoki.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/Kankei6EdgeUtu.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

struct TNozokiPts {
    Point X, N, Y, W;
    Point X2, X3, Y2, Y3, YB, X2E, S7, F7, Back;
    Point Q0, Q1, Q2;
};

// The points of the peep, with the strip two lines out from the stone
// toward [7]; false when neither [3] nor [5] holds the opponent.
bool NozokiPts(TKankeiBox& box, TNozokiPts& r)
{
    const int s = Kankei6EdgeSide(box, 3);
    if (s < 0)
        return false;
    const int o = 2 - s;
    r.X = box[3 + s];
    r.N = box[3 + o];
    r.Y = box[s];
    r.W = box[o];
    r.X2 = StepBeyond(box[4], r.X);
    r.X3 = StepBeyond(r.X, r.X2);
    r.Y2 = StepBeyond(box[1], r.Y);
    r.Y3 = StepBeyond(r.Y, r.Y2);
    r.YB = StepBeyond(r.X, r.Y);
    r.X2E = StepBeyond(r.Y2, r.X2);
    r.S7 = box[6 + s];
    r.F7 = box[6 + o];
    r.Back = StepBeyond(box[4], box[1]);
    if (box.StripHigh < 5)
        KankeiStripMake(box, box[1], box[7]);
    const int q = s == 0 ? 1 : 0;
    r.Q0 = box.Strip[q];
    r.Q1 = box.Strip[2 + q];
    r.Q2 = box.Strip[4 + q];
    return true;
}

// The liberty of the last chain next to the chain at p that is in atari;
// (0, 0) when none is.
Point LastAtariMrenKuu(Point p)
{
    const TRen* r = ToruRenAt(p);
    if (r == nullptr || (r->GetIro() != kKuro && r->GetIro() != kSiro))
        return Point();
    Point lib;
    const TRenList& list = CurGoban().RenList;
    for (int i = 1; i <= r->MrenCount(); ++i)
        if (TRen* m = list.Items(r->Mren(i)); m != nullptr && m->Kuu() == 1)
            lib = m->GetKuu(1);
    return lib;
}

// The opponent's value after its gap stone was cut off by the owner's N
// (or W): -10 for an opponent engine when the gap stone is as good as dead,
// else the change of the position, after a full analysis.
int CutGapValue(int opp, Point gap)
{
    TrialAnalyze();
    const TGun* g = GunAt(gap);
    if (g != nullptr && g->GetIsiIro() == opp && g->IsDeath90() == 1 && JibunIro == opp)
        return -10;
    return HyokaDiff(opp);
}

// The direct reading of the cut at N.
void NozokiDirect(const TKankeiBox& box, const TNozokiPts& r)
{
    const int own = box.Own, opp = box.Opp;
    const Point stone = box[1], gap = box[4], far = box[7];
    const TGun* g = GunAt(stone);
    const int n = g == nullptr ? 0 : g->GetIsiSu();
    // The opponent's cut at N, with the owner's [4] and its own [7].
    Point p = r.N;
    int b = 0, kx = 0, kn = 0;
    {
        TYomiTrial t;
        t.Play(opp, r.N);
        t.Play(own, gap);
        t.Play(opp, far);
        b = Hyoka(opp);
        kx = IkkenEdgeKuu(opp, r.X) == 2 ? SichoCheck(r.X) : 0;
        kn = SichoCheck(r.N);
    }
    if (kx == 1)
        return;
    if (kn == 1) {
        p = gap;
        b = SeqHyoka(opp, {{opp, gap}});
    }
    if (IroAt(r.Q2) == kAki && EmptyNeighbours(r.Q2) == 3)
        b = std::max(b, SeqHyoka(opp, {{opp, r.Q2}}));
    if (IroAt(r.Y) == opp) {
        const TRen* sr = ToruRenAt(stone);
        if (sr != nullptr && sr->IsiCount() == 1 && IroAt(r.Back) == kAki && EmptyNeighbours(r.Back) == 3) {
            const int t = UtuHyoka(opp, r.Back);
            if (t > b) {
                b = t;
                p = r.Back;
            }
        }
    }
    // The owner's connection, and the opponent's escape from an atari it
    // makes.
    Point d = gap;
    int a = 0;
    {
        TYomiTrial t;
        t.Play(own, gap);
        ToruRenMake();
        const Point lib = LastAtariMrenKuu(r.X);
        a = lib.x != 0 ? TrialHyoka(t, own, {{opp, lib}}) : Hyoka(own);
    }
    if (IroAt(r.X2) == kAki && IroAt(r.Y2) == own && IroAt(r.X3) == opp && IroAt(r.X2E) == kAki) {
        TYomiTrial t;
        t.Play(own, r.X2);
        TrialAnalyze();
        if (const TGun* gx = GunAt(r.X); gx != nullptr && gx->GetDeath() == 1)
            d = r.X2;
    }
    int v = a + b;
    if (n == 1)
        v /= 2;
    else if (n == 2)
        v = 2 * v / 3;
    if (a < 0 || b < 0)
        v /= 3;
    if (JibunIro == own && v >= 8 && b > 0)
        v += 4;
    if (v >= 25)
        v = v <= 26 ? 25 : v - 6;
    if (JibunIro == opp) {
        AddKoho(p, v, 0);
        AddPreparedTe(r.N, gap, far);
    } else {
        AddKoho(d, v, 0);
    }
}

} // namespace

void Kankei6EdgeNozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TNozokiPts r;
    if (!NozokiPts(box, r))
        return;
    const Point gap = box[4];
    const int w = IroAt(r.W);
    if (w == opp)
        return;
    if (w == kAki && IroAt(r.Q0) == opp && IroAt(r.Q1) != own)
        return;
    if (Kankei6EdgeSicho(own, box[1]) == 1)
        return;
    const int y = IroAt(r.Y), x2 = IroAt(r.X2), y2 = IroAt(r.Y2), yb = IroAt(r.YB);
    if (y == kAki && x2 == own) {
        if (y2 == opp) {
            Kankei6EdgeNozokiSicho(box);
            return;
        }
        const int a = SeqHyoka(own, {{own, gap}});
        const int b = SeqHyoka(opp, {{opp, gap}, {own, r.N}});
        AddKoho(gap, a + b, 0);
        return;
    }
    if (y == kAki && yb == opp && x2 == kAki && y2 == kAki)
        return;
    if (IroAt(r.Q2) == opp) {
        Kankei6EdgeNozokiSoto(box);
        return;
    }
    // The direct reading needs an open N, a peep with room and no shape of
    // the owner's that the general reading knows better.
    bool direct = true;
    if (EmptyNeighbours(r.N) < 3 || IkkenEdgeKuu(opp, r.X) <= 2) {
        direct = false;
    } else if (LineNoPt(r.N) == 1 || w == own) {
        direct = false;
    } else if (y == own && x2 == kAki) {
        TIroCounts near;
        CountNeighbour(r.X2, near);
        if (near[kAki] >= 2 || near[own] >= 1)
            direct = false;
    } else {
        const TRen* xr = ToruRenAt(r.X);
        const TLocate* loc = KankeiLocateAt(r.X);
        if (xr != nullptr && xr->IsiCount() == 1 && loc != nullptr && !loc->HasKankeiLE(4, opp))
            direct = false;
    }
    if (direct && y == kAki && x2 == kAki && y2 == kAki && yb == own)
        direct = false;
    if (direct)
        NozokiDirect(box, r);
    else
        Kankei6EdgeNozokiYomi(box);
}

void Kankei6EdgeNozokiSicho(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TNozokiPts r;
    if (!NozokiPts(box, r))
        return;
    const Point gap = box[4];
    if (Kankei6EdgeSicho(own, r.X2) != 1) {
        AddKohoHyoka(gap);
        return;
    }
    const int a = UtuHyoka(own, gap);
    const Point p = EmptyNeighbours(r.N) == 4 ? r.N : gap;
    const int b = UtuHyoka(opp, p);
    KankeiKoho(box, gap, p, a + b);
}

void Kankei6EdgeNozokiSoto(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TNozokiPts r;
    if (!NozokiPts(box, r))
        return;
    const Point gap = box[4], far = box[7];
    if (IroAt(r.Q1) != kAki || IroAt(r.S7) != kAki || LineNoPt(r.Q0) <= 2 || IroAt(r.Q0) != own)
        return;
    // Z: three lines out beside [7] on the free side.
    const Point z = StepBeyond(r.F7, r.Q2);
    if (IroAt(z) != kAki || EmptyNeighbours(z) != 2)
        return;
    const int a = SeqHyoka(own, {{own, far}, {opp, gap}, {own, r.N}, {opp, r.F7}, {own, z}, {opp, r.S7}, {own, r.Q1}});
    int b = UtuHyoka(opp, gap);
    const Point z2 = StepBeyond(r.N, r.Q1);
    if (IroAt(z2) == kAki && EmptyNeighbours(z2) == 4)
        b = std::max(b, UtuHyoka(opp, z2));
    const int v = a + b;
    if (JibunIro == own) {
        AddKoho(far, v, 0);
        AddPreparedTe(far, gap, r.N);
    } else {
        AddKoho(gap, v, 0);
    }
    LinkMark1Set(gap, 1);
}

void Kankei6EdgeNozokiHen(TKankeiBox box)
{
    const Point gap = box[4];
    int v = SeqHyoka(box.Own, {{box.Own, gap}}) + SeqHyoka(box.Opp, {{box.Opp, gap}});
    if (v == 12)
        v = 19;
    AddKoho(gap, v, 0);
}

void Kankei6EdgeNozokiYomi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TNozokiPts r;
    if (!NozokiPts(box, r))
        return;
    const Point stone = box[1], gap = box[4];
    if (box.IsOpp(7) || Kankei6EdgeSicho(own, stone) == 1)
        return;
    if (LineNoPt(r.N) == 1) {
        Kankei6EdgeNozokiHen(box);
        return;
    }
    const int y = IroAt(r.Y), x2 = IroAt(r.X2);
    LinkMark2Set(gap, 1);
    if (IkkenEdgeKuu(opp, r.X) <= 2)
        return;

    // The owner's line: the connection at [4].
    Point d = gap;
    int a = 0, e = 0;
    {
        TYomiTrial t;
        t.Play(own, gap);
        ToruRenMake();
        if (IkkenEdgeKuu(opp, r.X) == 2 && x2 == kAki && EmptyNeighbours(r.X2) >= 2) {
            // The owner's extension at X2 (its value is the bonus) ...
            const int mark = t.Tries();
            t.Play(own, r.X2);
            if (t.Play(opp, r.X3)) {
                ToruRenMake();
                e = TrialHyoka(t, own, {{own, RenKuuPt(r.X, 1)}});
            } else {
                e = Hyoka(own);
            }
            t.BackTo(mark);
            // ... and the opponent's there, with the owner's third move.
            t.Play(opp, r.X2);
            ToruRenMake();
            const int lx = IkkenEdgeKuu(opp, r.X2);
            bool third = false;
            if (lx == 1) {
                a = TrialHyoka(t, own, {{own, RenKuuPt(r.X2, 1)}});
                third = true;
            } else if (IroAt(r.X3) == kAki && LineNoPt(r.X3) != 1 && NeighboursOf(r.X3, opp) == 1) {
                const int m3 = t.Tries();
                t.Play(own, r.X3);
                if (IroAt(r.Y3) == kAki && lx == 2) {
                    t.Play(opp, r.Y3);
                    ToruRenMake();
                    if (RenKuu(r.Y2) != 1 || SichoCheck(r.X3) == 0) {
                        third = true;
                        a = Hyoka(own);
                    }
                } else {
                    third = true;
                    a = Hyoka(own);
                }
                t.BackTo(m3);
            }
            if (!third) {
                a = Hyoka(own);
                if (a > 5)
                    a += 5;
            }
            t.BackTo(mark);
        } else if (LineNoPair(gap) == Point(2, 2)) {
            a = TrialHyoka(t, own, {{opp, box[7]}});
        } else {
            a = Hyoka(own);
            if (const TGun* g = GunAt(gap); g != nullptr && g->GetDeath() == 1)
                a = 0;
            if (IroAt(r.YB) == own && x2 == kAki && y == kAki) {
                if (EmptyNeighbours(r.X2) == 3) {
                    const int tv = TrialHyoka(t, own, {{own, r.X2}, {opp, r.X3}, {own, r.S7}});
                    a += (tv - a) / 2;
                } else if (JibunIro == own && IkkenEdgeKuu(opp, r.X) == 1) {
                    const int tv = TrialHyoka(t, own, {{own, RenKuuPt(r.X, 1)}});
                    a += (tv - a) / 2;
                }
            }
            if (y == kAki && x2 == kAki) {
                TIroCounts around;
                CountAround8(r.Y, around);
                if (around[kAki] == 5 && EmptyNeighbours(r.X2) == 3)
                    d = r.Y;
            }
        }
    }

    // The opponent's line: the push at [4] and the owner's cut at N.
    int b = 0;
    {
        TYomiTrial t;
        t.Play(opp, gap);
        if (IroAt(r.W) == own) {
            t.Play(own, r.N);
            b = CutGapValue(opp, gap);
        } else {
            t.Play(own, r.N);
            ToruRenMake();
            if (SichoCheck(stone) == 1) {
                TRen* sr = ToruRenAt(stone);
                b = TrialHyoka(t, opp, {{opp, sr != nullptr ? sr->SichoTe(1) : Point()}});
            } else if (t.Play(opp, r.W)) {
                ToruRenMake();
                const int k = IkkenEdgeKuu(opp, r.W);
                if (k == 1 || (k == 2 && SichoCheck(r.W) == 1)) {
                    t.Back();
                    b = Hyoka(opp);
                    t.Back();
                    const int tv = Hyoka(opp);
                    b += (tv - b) / 2;
                } else {
                    t.Back();
                    t.Back();
                    b = Hyoka(opp);
                }
            } else {
                t.Back();
                b = CutGapValue(opp, gap);
            }
        }
    }

    int v = a + b;
    if (v <= 0 || (a < 0 && JibunIro == own))
        return;
    if (2 * v < e) {
        v *= 2;
        e -= v;
    }
    if (JibunIro == own)
        AddKoho(d, v, e);
    else
        AddKoho(gap, v, 0);
}

} // namespace vorn

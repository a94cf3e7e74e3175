#include "engine/links/IkkenOsi.h"

#include <algorithm>
#include <utility>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/links/KankeiBox.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn {

namespace {

// What one cut of the double cut leaves: the liberties of the cutting chain
// and the first two moves of the ladder against the owner's end.
struct TRyoKiriCut {
    Point L1, L2, S1, S2;
};

// k cuts at x next to the owner's end: false when the cut is refused, ends
// in atari, captures the end or lets the end escape the ladder.
bool RyoKiriCut(int k, Point x, Point end, TRyoKiriCut& cut)
{
    TYomiTrial t;
    if (!t.Play(k, x))
        return false;
    ToruRenMake();
    if (RenKuu(x) < 2 || CurGoban().GetIroPt(end) == kAki || SichoCheck(end) != 1)
        return false;
    cut.L1 = RenKuuPt(x, 1);
    cut.L2 = RenKuuPt(x, 2);
    SichoFirstTwo(end, cut.S1, cut.S2);
    return true;
}

// The corner is safe for the owner: its stone, or an empty point between two
// owner stones with no opponent beside it.
bool Secure(const TKankeiBox& box, int i)
{
    if (box.IsOwn(i))
        return true;
    TIroCounts n;
    CountNeighbour(box[i], n);
    return n[box.Own] == 2 && n[box.Opp] == 0;
}

// The two liberties of the chain of colour c next to `at` that is in atari
// (a) and of the one with two liberties (b), when exactly two chains of c
// touch `at` and they are one of each.  Answers a's liberty and b's first
// stone.
bool AtariAndTwo(Point at, int c, Point& aLiberty, Point& bStone)
{
    int list[4];
    if (ListTonariRen(at, c, list) != 2)
        return false;
    TRen* r0 = CurGoban().RenList.Items(list[0]);
    TRen* r1 = CurGoban().RenList.Items(list[1]);
    if (r0 == nullptr || r1 == nullptr)
        return false;
    if (r0->Kuu() == 2 && r1->Kuu() == 1)
        std::swap(r0, r1);
    if (r0->Kuu() != 1 || r1->Kuu() != 2)
        return false;
    aLiberty = r0->GetKuu(1);
    bStone = r1->GetIsi(1);
    return true;
}

} // namespace

int IkkenOsiHyoka(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 2 || box.Own < 0)
        return -1;
    const int own = box.Own, opp = box.Opp;
    // P opposite the opponent's stone beside the gap, X1 and X2 on P's side.
    const int o = box.IsOpp(3) ? kOrientAcross : kOrientPlain;
    const int p = box.Idx(o, 1, 0);
    const Point x1 = box[box.Idx(o, 0, 0)], x2 = box[box.Idx(o, 2, 0)];
    if (!box.IsAki(p))
        return -1;
    TYomiTrial t;
    t.Play(opp, box[4]);
    t.Play(own, box[p]);
    ToruRenMake();
    const int c1 = KiriHyoka(opp, x1, box[1], box[p]);
    const int c2 = KiriHyoka(opp, x2, box[7], box[p]);
    if (c1 >= 0 || c2 >= 0)
        return std::max(c1, c2);
    const int r = IkkenRyoKiri(box, x1, x2);
    return r >= 0 ? r : Hyoka(opp);
}

int IkkenRyoKiri(const TKankeiBox& box, Point x1, Point x2)
{
    const int k = CurGoban().GetIroPt(box[4]);
    if (!IsStone(k))
        return -1;
    const int d = k ^ 3;
    TRyoKiriCut cut1, cut2;
    if (!RyoKiriCut(k, x1, box[1], cut1) || !RyoKiriCut(k, x2, box[7], cut2))
        return -1;
    const int e1 = SeqHyoka(k, {{k, x1}, {d, cut1.L1}, {k, x2}, {d, cut1.L2}, {k, cut2.S1}});
    int e2 = 0;
    {
        TYomiTrial t;
        t.Play(k, x2);
        t.Play(d, cut2.L1);
        t.Play(k, x1);
        t.Play(d, cut2.L2);
        if (cut1.S1.x > 0)
            TrialSichoPair(t, k, cut1.S1, cut1.S2);
        e2 = Hyoka(k);
    }
    return std::min(e1, e2);
}

int IkkenKiriYomi(int k, Point p, Point q, Point r)
{
    if (!IsStone(k))
        return -1;
    const int d = k ^ 3;
    const int lq = RenKuu(q), lr = RenKuu(r);
    Point w, v; // the two-liberty chain and the three-liberty one
    if (lq == 2 && lr == 3) {
        w = q;
        v = r;
    } else if (lq == 3 && lr == 2) {
        w = r;
        v = q;
    } else {
        return -1;
    }
    TYomiTrial t;
    if (!t.PushPlay(k, p))
        return -1;
    ToruRenMake();
    if (RenKuu(p) == 1)
        return -1;
    // W's liberty as it stands after the cut.
    const Point l = RenKuuPt(w, 1);
    if (!t.Play(k, l))
        return -1;
    ToruRenMake();
    if (RenKuu(l) == 1)
        return -1;
    const int e0 = Hyoka(k);
    t.Back();
    if (!t.Play(d, l))
        return -1;
    ToruRenMake();
    int value = -1;
    if (SichoCheck(v) == 1) {
        Point s1, s2;
        SichoFirstTwo(v, s1, s2);
        value = std::min(e0, TrialHyoka(t, k, {{k, s1}}));
    } else if (RenKuu(v) == 2) {
        const Point libs[2] = {RenKuuPt(v, 1), RenKuuPt(v, 2)};
        for (Point ki : libs) {
            TIroCounts n;
            CountNeighbour(ki, n);
            if (n[kAki] != 2 || n[d] != 2)
                continue;
            TYomiTrial branch;
            branch.Play(k, ki);
            ToruRenMake();
            Point aLiberty, bStone;
            if (!AtariAndTwo(ki, d, aLiberty, bStone) || !branch.Play(d, aLiberty))
                continue;
            ToruRenMake();
            if (SichoCheck(bStone) != 1)
                continue;
            Point s1, s2;
            SichoFirstTwo(bStone, s1, s2);
            TrialSichoPair(branch, k, s1, s2);
            value = Hyoka(k);
        }
    }
    return value;
}

void IkkenTugiTe(const TKankeiBox& box, Point& g)
{
    g = box[4];
    // The free side: F in the gap row, U and V its corners beside A and B.
    int o;
    if (box.IsOpp(3))
        o = kOrientAcross;
    else if (box.IsOpp(5))
        o = kOrientPlain;
    else
        return;
    const int f = box.Idx(o, 1, 0), u = box.Idx(o, 0, 0), v = box.Idx(o, 2, 0);
    if (!box.IsAki(f) || box.IsOpp(u) || box.IsOpp(v))
        return;
    const bool uSecure = Secure(box, u), vSecure = Secure(box, v);
    if (uSecure == vSecure)
        return;
    const int open = uSecure ? v : u;
    if (box.IsAki(open))
        g = box[open];
    TIroCounts n;
    CountNeighbour(box[open], n);
    if (n[kAki] != 3)
        return;
    // One step beyond the open corner, seen from F; only an empty point can
    // be played.
    const Point beyond = StepBeyond(box[f], box[open]);
    if (CurGoban().GetIroPt(beyond) != kAki)
        return;
    CountNeighbour(beyond, n);
    if (n[kAki] == 4) {
        g = beyond;
    } else if (n[kAki] == 3 && n[box.Opp] == 1) {
        TIroCounts diag;
        CountDiagonal(beyond, diag);
        if (diag[box.Own] >= 2)
            g = beyond;
    }
}

} // namespace vorn

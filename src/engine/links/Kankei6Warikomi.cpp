#include "engine/links/Kankei6Warikomi.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The wedge stands at [4] (plain), else at [7] (the box read from B).
int WariOrient(const TKankeiBox& box) { return box.IsOpp(4) ? kOrientPlain : kOrientAlong; }

// The points of the four readings of a wedge with a second stone, whose
// row (in the wedge's orientation) is k: F1, H the wedge's flanks on the
// free and the taken side, F2 G's flank on the free side, K and FarF the
// corners of N and Far on the free side, O1 and O2 the outer points beside
// N and beside the wedge and P the one beside G, all on the free side.
struct TWariRoles {
    Point X, G, N, F1, H, F2, K, FarF, O1, O2, P;
};

TWariRoles WariRoles(TKankeiBox& box, int k)
{
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[10]);
    const int o = WariOrient(box);
    const int t = box.IsOpp(box.Idx(o, k, 0)) ? 0 : 2;
    const int f = 2 - t;
    auto at = [&box, o](int kk, int j) { return box[box.Idx(o, kk, j)]; };
    TWariRoles r;
    r.X = at(1, 1);
    r.G = at(2, 1);
    r.N = at(0, 1);
    r.F1 = at(1, f);
    r.H = at(1, t);
    r.F2 = at(2, f);
    r.K = at(0, f);
    r.FarF = at(3, f);
    r.O1 = box.Strip[box.StripIdx(o, 0, f / 2)];
    r.O2 = box.Strip[box.StripIdx(o, 1, f / 2)];
    r.P = StepBeyond(r.G, r.F2);
    return r;
}

// The opponent already stands two lines out on the free side.
bool FreeSideTaken(const TWariRoles& r, int opp)
{
    return IroAt(r.O1) == opp || IroAt(r.O2) == opp || IroAt(r.P) == opp;
}

// The wedge sits on the second line with room to run: the free side's
// block on the first line holds nothing.
bool WedgeRunsOnTheEdge(const TWariRoles& r) { return LineNoPt(r.F1) == 1 && RenKuu(r.X) > 2; }

} // namespace

void Kankei6Warikomi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    int stones = 0;
    for (int i = 0; i <= 11; ++i)
        stones += box.IsOpp(i) ? 1 : 0;
    if (stones >= 2) {
        Kankei6Warikomi2(box);
        return;
    }
    if (!box.IsOpp(4) && !box.IsOpp(7))
        return;
    const int o = WariOrient(box);
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    const Point x = at(1, 1), g = at(2, 1), n = at(0, 1), far = at(3, 1);
    if (IroAt(at(1, 0)) == own || IroAt(at(1, 2)) == own)
        return;
    if (LineNoPt(x) == 1)
        return;
    for (int j : {0, 2}) {
        const Point s = at(1, j), t = at(1, 2 - j), c = at(0, j);
        if (IroAt(s) != kAki || LineNoPt(s) == 1)
            continue;
        if (IroAt(StepBeyond(x, s)) != kAki)
            continue;
        const Point q = StepBeyond(c, s);
        if (IroAt(q) != kAki)
            continue;
        if (IroAt(c) == own && IroAt(StepBeyond(g, q)) == own)
            continue;
        const int e1 = UtuHyoka(own, s);
        const Point w = IroAt(c) == kAki && EmptyNeighbours(c) >= 3 && RenKuu(n) <= 3 ? c : s;
        // After the opponent's extension at S and the owner's block at T the
        // block and Far make a knight's move: the contact play against it.
        int e2 = 0;
        {
            TYomiTrial tr;
            tr.PushPlay(opp, s);
            tr.Play(own, t);
            ToruRenMake();
            e2 = KeimaTukeOnBoard(t, far);
        }
        int value = e1 + e2;
        if (value <= 1)
            continue;
        if (e1 < 0)
            value /= 2;
        KankeiKoho(box, s, w, value);
    }
}

void Kankei6Warikomi2(TKankeiBox box)
{
    KankeiStripMake(box, box[1], box[10]);
    if (!box.IsOpp(4) && !box.IsOpp(7))
        return;
    const int o = WariOrient(box);
    auto row = [&box, o](int k) { return box.IsOpp(box.Idx(o, k, 0)) || box.IsOpp(box.Idx(o, k, 2)); };
    if (row(1))
        Kankei6WariYoko(box);
    else if (row(0))
        Kankei6WariKata(box);
    else if (row(2))
        Kankei6WariSaki(box);
    else if (row(3))
        Kankei6WariSakiKata(box);
}

void Kankei6WariYoko(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariRoles r = WariRoles(box, 1);
    if (FreeSideTaken(r, opp) || WedgeRunsOnTheEdge(r))
        return;
    const int o1 = IroAt(r.O1), o2 = IroAt(r.O2), k = IroAt(r.K), p = IroAt(r.P);
    if (o1 == opp || o2 == own || o2 == opp)
        return;
    if (p == own && (o1 == own || k == own))
        return;
    Point d = r.F1;
    if (RenKuu(r.N) <= 2 && o2 == kAki && EmptyNeighbours(r.O2) == 4)
        d = r.O2;
    int e = SeqHyoka(opp, {{opp, d}});
    if (const int e2 = SeqHyoka(opp, {{opp, r.F2}}); e2 > e) {
        d = r.F2;
        e = e2;
    }
    const Point w = o2 == kAki && k == own && o1 == own ? r.F2 : r.F1;
    int v = 0;
    {
        // Owner F1, opponent F2, owner G: when the ladder catches F1 the
        // owner's block is valued with F2 standing, otherwise on its own.
        TYomiTrial t;
        t.Play(own, r.F1);
        t.Play(opp, r.F2);
        t.Play(own, r.G);
        ToruRenMake();
        const bool caught = SichoCheck(r.F1) == 1;
        t.Back();
        if (!caught)
            t.Back();
        v = Hyoka(own);
    }
    KankeiKoho(box, w, d, v + e);
}

void Kankei6WariKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariRoles r = WariRoles(box, 0);
    if (FreeSideTaken(r, opp) || IroAt(r.P) == own || WedgeRunsOnTheEdge(r))
        return;
    Point d = r.F1;
    int e = SeqHyoka(opp, {{opp, r.F1}});
    if (IroAt(r.K) == own) {
        if (const int e2 = SeqHyoka(opp, {{opp, r.F2}}); e < e2) {
            e = e2;
            d = r.F2;
        }
    }
    int v = 0;
    {
        TYomiTrial t;
        t.Play(own, r.F1);
        ToruRenMake();
        if (RenKuu(r.X) < 2) {
            v = Hyoka(own);
        } else {
            t.Play(opp, r.F2);
            ToruRenMake();
            if (SichoCheck(r.F2) == 1) {
                t.Back();
                v = Hyoka(own);
            } else {
                t.Play(own, r.G);
                t.Play(opp, r.H);
                v = std::max(Hyoka(own), 0);
            }
        }
    }
    KankeiKoho(box, r.F1, d, v + e);
}

void Kankei6WariSaki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TWariRoles r = WariRoles(box, 2);
    if (FreeSideTaken(r, opp) || IroAt(r.H) != kAki)
        return;
    if (IroAt(r.K) == own && (IroAt(r.FarF) == own || IroAt(r.P) == own))
        return;
    if (LineNoPt(r.F1) != 1) {
        AddKohoHyoka(r.F1);
        return;
    }
    if (CurGoban().GetIroPt(r.N) == own)
        if (TRen* n = ToruRenAt(r.N); n != nullptr && n->GetSicho() == 1)
            return;
    int e1 = 0;
    {
        TYomiTrial t;
        t.Play(own, r.G);
        ToruRenMake();
        if (SichoCheck(r.G) == 1)
            return;
        const int mark = t.Tries();
        t.Play(opp, r.F1);
        t.Play(own, r.H);
        ToruRenMake();
        if (SichoCheck(r.H) == 1 || SichoCheck(r.N) == 1)
            return;
        t.BackTo(mark);
        t.Play(opp, r.H);
        t.Play(own, r.F1);
        e1 = Hyoka(own);
    }
    const int e2 = SeqHyoka(opp, {{opp, r.F1}});
    const int value = e1 + e2;
    if (box.EngineAttacks()) {
        AddKoho(r.F1, value, 0);
    } else {
        AddKoho(r.G, value, 0);
        AddPreparedTe(r.G, r.H, r.F1);
    }
}

void Kankei6WariSakiKata(TKankeiBox box)
{
    for (int i = 3; i <= 8; ++i)
        if (box.IsOwn(i))
            return;
    if (!box.IsOpp(4) && !box.IsOpp(7))
        return;
    const int o = WariOrient(box);
    const int t = box.IsOpp(box.Idx(o, 3, 0)) ? 0 : 2;
    AddKohoHyoka(box[box.Idx(o, 1, t)]);
}

} // namespace vorn

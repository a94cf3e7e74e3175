#include "engine/links/Kankei6Nozoki.h"

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

// The opponent plays `outer` (Og's flank on the far side), the owner Og, the
// opponent the peeped gap pg, the owner its far flank op: when that leaves
// the owner's op weak and the opponent's outer stone strong, the change of
// the position for the opponent; 0 otherwise.
int OuterPushValue(int opp, Point outer, Point og, Point pg, Point op)
{
    const int own = opp ^ 3;
    TYomiTrial t;
    t.Play(opp, outer);
    t.Play(own, og);
    t.Play(opp, pg);
    t.Play(own, op);
    TrialAnalyze();
    const TGun* go = GunAt(outer);
    const TGun* gp = GunAt(op);
    if (go != nullptr && gp != nullptr && !go->IsWeak() && gp->IsWeak())
        return HyokaDiff(opp);
    return 0;
}

void MarkGaps(const TKankeiBox& box)
{
    LinkMark1Set(box[4], 1);
    LinkMark1Set(box[7], 1);
}

} // namespace

void Kankei6Nozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if ((box.IsOpp(3) && box.IsOpp(6)) || (box.IsOpp(5) && box.IsOpp(8))) {
        Kankei6Nozoki2(box);
        return;
    }
    // The roles for the peep on [3], turned onto the first peep that holds.
    const int o = Kankei6Orient(box, 1);
    if (o < 0)
        return;
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    const Point pg = at(1, 1), og = at(2, 1), n = at(0, 1), far = at(3, 1);
    const Point pe = at(1, 0), op = at(1, 2), nc = at(0, 2);
    const Point q1 = StepBeyond(pg, op), q2 = StepBeyond(n, nc);
    const Point q3 = StepBeyond(q2, q1), q4 = StepBeyond(nc, op);
    if (IroAt(q1) == own || IroAt(q3) == own)
        return;
    MarkGaps(box);
    if (IroAt(q1) == opp) {
        AddKohoHyoka(pg);
        return;
    }
    if (IroAt(q2) == opp) {
        Kankei6NozokiKiri(pg, op, nc, opp, og, q4);
        return;
    }
    if (IroAt(q3) == opp) {
        Kankei6NozokiSoto(box);
        return;
    }

    // The opponent's point R and value v: the approach at Q4 when it leaves
    // the owner weak, else the push at Pg with its follow-ups.
    int v = 0;
    Point rp;
    if (LineNoPt(q4) > 2) {
        v = OuterPushValue(opp, q4, og, pg, op);
        rp = q4;
    }
    if (v == 0) {
        rp = pg;
        TYomiTrial t;
        t.Play(opp, pg);
        t.Play(own, op);
        v = Hyoka(opp);
        const int k = std::max(KeimaTukeOnBoard(op, far), Kankei6NozokiYomi(box, n, op));
        const int c = KiriHyokaOnBoard(opp, nc, op, n);
        v = std::max({v, k, c});
    }
    if (v <= 0) {
        if (!box.EngineAttacks())
            AddKoho(pg, UtuHyoka(own, pg) + v, 0);
        return;
    }
    // The owner's connection at Pg, better by a third of what capturing the
    // peep then adds.
    int ov = 0;
    {
        TYomiTrial t;
        const bool stood = t.Play(own, pg);
        ov = Hyoka(own);
        if (stood) {
            Point capture;
            SichoToruTe(pe, capture);
            if (capture.x > 0) {
                t.Play(own, capture);
                const int o2 = Hyoka(own);
                ov += (o2 - ov) / 3;
            }
        }
    }
    int value = ov + v;
    if (ov < 0)
        value = std::min(value / 2, 20);
    KankeiKoho(box, pg, rp, value);
}

void Kankei6Nozoki2(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    int side;
    if (box.IsOpp(3) && box.IsOpp(6))
        side = kOrientPlain;
    else if (box.IsOpp(5) && box.IsOpp(8))
        side = kOrientAcross;
    else
        return;
    // Gap [4] first, then [7] (the box read from B).
    for (int o : {side, side | kOrientAlong}) {
        auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
        const Point gi = at(1, 1), gj = at(2, 1), fi = at(1, 2), fj = at(2, 2), ni = at(0, 1), fari = at(3, 1);
        const Point p = StepBeyond(gi, fi);
        if (IroAt(p) == own)
            continue;
        const Point q = StepBeyond(gj, fi);
        if (IroAt(StepBeyond(q, p)) == own)
            continue;
        if (IroAt(p) == opp) {
            AddKohoHyoka(gi);
            continue;
        }
        const Point s = StepBeyond(fj, fi);
        if (IroAt(q) == opp) {
            Kankei6NozokiKiri(gi, fi, s, opp, gj, fj);
            continue;
        }
        Point rp = fj;
        int v = OuterPushValue(opp, fj, gj, gi, fi);
        if (v == 0) {
            rp = gi;
            TYomiTrial t;
            t.Play(opp, gi);
            t.Play(own, fi);
            v = Hyoka(opp);
            v = std::max({v, KeimaTukeOnBoard(fi, fari), KiriHyokaOnBoard(opp, s, fi, ni)});
        }
        if (v > 0) {
            const int o = SeqHyoka(own, {{own, gi}});
            int value = o + v;
            if (o < 0)
                value = std::min(value / 2, 20);
            if (value == 2)
                value = box.EngineAttacks() ? 8 : 6;
            KankeiKoho(box, gi, rp, value);
        } else if (box.EngineAttacks()) {
            continue;
        } else {
            AddKoho(gi, UtuHyoka(own, gi) + v, 0);
        }
        MarkGaps(box);
    }
}

void Kankei6NozokiKiri(Point pg, Point op, Point nc, int attacker, Point og, Point q4)
{
    const int own = attacker ^ 3;
    const int u = UtuHyoka(own, pg);
    int v = 0;
    {
        TYomiTrial t;
        t.Play(attacker, pg);
        t.Play(own, op);
        t.Play(attacker, nc);
        v = Hyoka(attacker);
        t.Back();
        // After the approach at Q4 and the owner's Og: the ladder on Op.
        t.Play(attacker, q4);
        t.Play(own, og);
        ToruRenMake();
        if (SichoCheck(op) == 1) {
            Point s1, s2;
            SichoFirstTwo(op, s1, s2);
            TrialSichoPair(t, attacker, s1, s2);
            v = std::max(v, Hyoka(attacker));
        }
    }
    AddKoho(pg, u + v, 0);
}

void Kankei6NozokiSoto(TKankeiBox box)
{
    const bool first = box.IsOpp(3) || box.IsOpp(5);
    const Point pg = first ? box[4] : box[7], og = first ? box[7] : box[4];
    const int value = UtuHyoka(box.Own, pg) + UtuHyoka(box.Opp, og);
    KankeiKoho(box, pg, og, value);
}

int Kankei6NozokiYomi(const TKankeiBox& box, Point n, Point op)
{
    const int own = box.Own, opp = box.Opp;
    const int o = Kankei6Orient(box, 1);
    if (o < 0)
        return -1;
    // A1 Og's flank on the far side, A2 = Og, A3 = N's corner there.
    const Point a1 = box[box.Idx(o, 2, 2)], a2 = box[box.Idx(o, 2, 1)], a3 = box[box.Idx(o, 0, 2)];
    ToruRenMake();
    const TGoban& g = CurGoban();
    if (g.GetIroPt(a3) != kAki || g.IsKinsiPt(opp, a3) == 1 || LineNoPt(a1) == 1 || RenKuu(n) > 3)
        return -1;
    TYomiTrial t;
    t.PushPlay(opp, a1);
    t.Play(own, a2);
    if (!t.Play(opp, a3))
        return -1;
    ToruRenMake();
    int r = -1;
    if (RenKuu(a3) >= 2 && RenKuu(op) == 1) {
        t.Play(own, RenKuuPt(op, 1));
        ToruRenMake();
        if (CurGoban().GetIroPt(n) == kAki) {
            r = Hyoka(opp);
        } else if (SichoCheck(n) == 1) {
            Point s1, s2;
            SichoFirstTwo(n, s1, s2);
            r = TrialHyoka(t, opp, {{opp, s1}});
        }
        t.Back();
    }
    t.Back();
    t.Back();
    if (r > 0)
        r = std::min(r, TrialHyoka(t, opp, {{own, a3}, {opp, a2}}));
    return r;
}

} // namespace vorn

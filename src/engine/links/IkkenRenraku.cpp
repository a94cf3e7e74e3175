#include "engine/links/IkkenRenraku.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/links/IkkenKado1.h"
#include "engine/links/IkkenNozoki.h"
#include "engine/links/IkkenWarikomi.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeRenraku.h"

namespace vorn {

namespace {

constexpr TKankeiTest kIkkenTests[] = {
    {{BoxCells({4})}},
    {{BoxCells({3}), BoxCells({5})}},
    {{BoxCells({0, 6}), BoxCells({2, 8})}},
    {{BoxCells({0, 8}), BoxCells({2, 6})}},
    {{BoxCells({0}), BoxCells({8}), BoxCells({2}), BoxCells({6})}},
};

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The liberty of the first of two chains that is in atari on a point other
// than `not`; (0, 0) when neither is.
Point AtariLiberty(Point first, Point second, Point not_)
{
    for (Point s : {first, second})
        if (RenKuu(s) == 1 && RenKuuPt(s, 1) != not_)
            return RenKuuPt(s, 1);
    return Point();
}

// The owner ataris the wedge from gap-row cell `side`, the opponent extends
// at the other one, and the owner connects on one corner or the other: the
// smaller value of the opponent's cut at the corner left open.  `near` and
// `far` are the corners on the atari's side beside A and beside B.
int FreeSideValue(const TKankeiBox& box, TYomiTrial& t, int side, int near, int far)
{
    const int own = box.Own, opp = box.Opp;
    const int mark = t.Tries();
    t.Play(own, box[side]);
    t.Play(opp, box[8 - side]);
    t.Play(own, box[near]);
    ToruRenMake();
    const int c1 = KiriHyoka(opp, box[far], box[side], box[7]);
    t.Back();
    t.Play(own, box[far]);
    ToruRenMake();
    const int c2 = KiriHyoka(opp, box[near], box[side], box[1]);
    t.BackTo(mark);
    return std::min(c1, c2);
}

} // namespace

int IkkenShape(const TKankeiBox& box) { return KankeiFirstMatch(box, kIkkenTests); }

void IkkenRenraku(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiPrologue(a, b, IkkenEdgeRenraku, box) || box.D != 2)
        return;
    switch (IkkenShape(box)) {
    case kIkkenWarikomi:
        IkkenWarikomi(box);
        break;
    case kIkkenNozoki: {
        {
            // The outside reading starts from the position it was given.
            TYomiKeep keep;
            IkkenNozoki(box);
        }
        IkkenNozokiSoto(box);
        break;
    }
    case kIkkenKadoKata:
        IkkenKadoKata(box);
        break;
    case kIkkenKadoTaikaku:
        IkkenKadoTaikaku(box);
        break;
    case kIkkenKado1:
        IkkenKado1(box);
        break;
    default:
        IkkenFree(box);
        break;
    }
}

void IkkenFree(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    for (int i : {0, 2, 6, 8}) {
        if (!box.IsAki(i))
            return;
        TIroCounts around;
        CountAround8(box[i], around);
        if (around[opp] == 0)
            return;
    }
    int m = 0;
    {
        TYomiTrial t;
        t.Play(opp, box[4]);
        ToruRenMake();
        if (SichoCheck(box[4]) == 1)
            return;
        const int m1 = FreeSideValue(box, t, 3, 0, 6);
        const int m2 = FreeSideValue(box, t, 5, 2, 8);
        m = std::min(m1, m2);
    }
    Point best = box[4];
    int d = UtuHyoka(own, best);
    for (int i : {0, 2, 6, 8}) {
        const int v = UtuHyoka(own, box[i]);
        if (v > d) {
            d = v;
            best = box[i];
        }
    }
    KankeiKoho(box, best, box[4], d + m);
    if (box.EngineAttacks()) {
        AddPreparedTe(box[4], box[3], box[5]);
        AddPreparedTe(box[4], box[5], box[3]);
    }
}

void IkkenKadoTaikaku(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point k[2] = {box.IsOpp(0) ? box[0] : box[2], box.IsOpp(0) ? box[8] : box[6]};
    const Point s[2] = {box[3], box[5]};
    if (RenKuu(k[0]) <= 2 || RenKuu(k[1]) <= 2)
        return;
    int e0 = 0;
    {
        TYomiTrial t;
        t.Play(opp, box[4]);
        ToruRenMake();
        if (SichoCheck(box[4]) == 1)
            return;
        for (int i = 0; i < 2; ++i) {
            const int mark = t.Tries();
            if (!t.Play(own, s[i])) {
                t.BackTo(mark);
                continue;
            }
            ToruRenMake();
            // The push ataris the corner and stands: no cut to read.
            if (RenKuu(s[i]) > 1 && RenKuu(k[i]) == 1)
                return;
            t.Play(opp, s[1 - i]);
            CurGoban().Analyze();
            const TGun* g = GunAt(s[1 - i]);
            const bool dead = g != nullptr && g->IsDeath90() == 1;
            t.BackTo(mark);
            if (dead)
                return;
        }
        e0 = Hyoka(opp);
    }
    for (int i : {3, 5}) {
        // An owner stone beyond the other side of the gap row already holds it.
        if (IroAt(StepBeyond(box[4], box[8 - i])) == own)
            continue;
        int value = SeqHyoka(own, {{own, box[i]}}) + e0;
        if (value > 10)
            value += 4;
        if (box.EngineAttacks()) {
            AddKoho(box[4], value, 0);
        } else {
            if (AtariMapAt(own, box[i]) != 0)
                ++value;
            AddKoho(box[i], value, 0);
        }
    }
}

void IkkenKadoKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point a = box[1], b = box[7], gap = box[4];
    const int kuuA = RenKuu(a), kuuB = RenKuu(b);
    if (kuuA == 1 || kuuB == 1)
        return;
    // The named points for the opponent on [0] and [6], mirrored for [2], [8].
    const int o = box.IsOpp(0) && box.IsOpp(6) ? kOrientPlain : kOrientAcross;
    const Point o1 = box[box.Idx(o, 0, 0)], o2 = box[box.Idx(o, 2, 0)];
    const int n = box.Idx(o, 1, 0), f = box.Idx(o, 1, 2);
    const int c1 = box.Idx(o, 0, 2), c2 = box.Idx(o, 2, 2);
    if (RenKuu(o1) == 1 || RenKuu(o2) == 1)
        return;
    const TGoban& g = CurGoban();
    if (!box.IsAki(f) || g.IsToruTenPt(own, box[n]) == 1 || g.IsToruTenPt(opp, gap) == 1)
        return;
    if (box.IsOpp(c1) || box.IsOpp(c2))
        return;
    const Point p = StepBeyond(gap, box[n]);
    const Point q1 = StepBeyond(a, o1), q2 = StepBeyond(b, o2);
    if ((IroAt(q1) == own || IroAt(q2) == own) && IroAt(p) == kAki)
        return;

    // The owner's side: the push at N, or the gap when N is a self-atari.
    Point d;
    int e1 = 0;
    if (g.IsSelfAtariPt(own, box[n]) == 1) {
        d = gap;
        e1 = SeqHyoka(own, {{own, gap}});
    } else {
        d = box[n];
        TYomiTrial t;
        t.Play(own, box[n]);
        ToruRenMake();
        const Point l = AtariLiberty(o1, o2, p);
        if (l.x != 0) {
            e1 = Hyoka(own);
        } else {
            t.Play(opp, p);
            e1 = IkkenKiriMin(gap, box[c1], box[c2], p, a, b, own);
            t.Back();
            if (!box.EngineAttacks())
                AddPreparedTe(box[n], p, gap);
        }
    }
    if (e1 <= 0 && (kuuA > 2 || kuuB > 2)) {
        const int x = kuuA == 2 ? c1 : kuuB == 2 ? c2 : -1;
        if (x >= 0 && box.IsAki(x)) {
            const int u = UtuHyoka(own, box[x]);
            if (u > e1) {
                e1 = u;
                d = box[x];
            }
        }
    }

    // The opponent's side: the wedge at the gap, or the push at N.
    Point t;
    int e2 = 0;
    if (g.IsSelfAtariPt(own, gap) == 1 || IroAt(p) == own) {
        t = box[n];
        e2 = SeqHyoka(opp, {{opp, box[n]}});
    } else {
        t = gap;
        TYomiTrial tr;
        tr.Play(opp, gap);
        ToruRenMake();
        const Point l = AtariLiberty(a, b, box[f]);
        if (l.x != 0) {
            const int v1 = TrialHyoka(tr, opp, {{own, box[f]}, {opp, l}});
            const int v2 = TrialHyoka(tr, opp, {{own, l}, {opp, box[f]}});
            e2 = std::min(v1, v2);
        } else {
            tr.Play(own, box[f]);
            e2 = IkkenKiriMin(box[n], box[c1], box[c2], box[f], a, b, opp);
            tr.Back();
            if (box.EngineAttacks())
                AddPreparedTe(gap, box[f], box[n]);
        }
    }
    KankeiKoho(box, d, t, e1 + e2);
    LinkMark1Set(d, 1);
    LinkMark1Set(t, 1);
}

int IkkenKiriMin(Point move, Point cut1, Point cut2, Point stone, Point end1, Point end2, int colour)
{
    TYomiTrial t;
    t.Play(colour, move);
    ToruRenMake();
    const int c1 = KiriHyoka(colour, cut1, stone, end1);
    const int c2 = KiriHyoka(colour, cut2, stone, end2);
    if (c1 == -1 || c2 == -1)
        return Hyoka(colour);
    return std::min(c1, c2);
}

} // namespace vorn

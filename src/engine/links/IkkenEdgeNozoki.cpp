#include "engine/links/IkkenEdgeNozoki.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeRenraku.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

int GunMe(Point p)
{
    const TGun* g = GunAt(p);
    return g == nullptr ? 0 : g->GetMe();
}

// The side of the peep: S across the gap from Q; false without a peep.
bool NozokiSide(const TKankeiBox& box, TIkkenEdgeSide& e)
{
    if (!box.IsOpp(3) && !box.IsOpp(5))
        return false;
    e = IkkenEdgeSideOf(box, box.IsOpp(3) ? kOrientPlain : kOrientAcross);
    return true;
}

// The liberty of the first chain next to the chain at p that is in atari;
// (0, 0) when none is.
Point MrenAtariKuu(Point p)
{
    const TRen* r = ToruRenAt(p);
    if (r == nullptr)
        return Point();
    const TRenList& list = CurGoban().RenList;
    for (int i = 1; i <= r->MrenCount(); ++i)
        if (TRen* m = list.Items(r->Mren(i)); m != nullptr && m->Kuu() == 1)
            return m->GetKuu(1);
    return Point();
}

// What the opponent gets against the peep: S when the owner's connection
// then falls to a ladder, else the push at the gap with the owner's best
// answer.  False when the reading ends the routine.
bool NozokiAite(const TKankeiBox& box, const TIkkenEdgeSide& e, Point& a, int& vp)
{
    const int own = box.Own, opp = box.Opp;
    const Point s = box[e.S], t = box[e.T], gap = e.Gap, stone = e.Stone;
    const int r = IkkenEdgeHasamiHyoka(box, s);
    if (r > 0) {
        a = s;
        vp = r;
        return true;
    }
    a = gap;
    TYomiTrial tr;
    tr.Play(opp, gap);
    ToruRenMake();
    if (SichoCheck(gap) == 1)
        return false;
    if (IkkenEdgeKuu(own, stone) == 1) {
        vp = TrialHyoka(tr, opp, {{own, RenKuuPt(stone, 1)}});
        return true;
    }
    if (!tr.Play(own, s))
        return false;
    ToruRenMake();
    if (IkkenEdgeKuu(own, s) == 1) {
        tr.Back();
        vp = Hyoka(opp);
        return true;
    }
    if (IkkenEdgeKuu(opp, gap) == 1) {
        // The block ataris the push: it escapes, and may aim at T.
        const int mark = tr.Tries();
        Point esc;
        IkkenEdgeNigeTe(tr, gap, esc);
        if (esc.x == 0) {
            vp = -1;
        } else {
            vp = IkkenEdgeNeraiCheck(opp, t) ? TrialHyoka(tr, opp, {{own, t}}) : Hyoka(opp);
            AddPreparedTe(gap, s, esc);
        }
        tr.BackTo(mark);
        return true;
    }
    if (!IkkenEdgeSafeCheck(opp, s, t)) {
        tr.Back();
        vp = IroAt(e.U) == kAki && IroAt(e.V) == kAki ? TrialHyoka(tr, opp, {{own, e.U}, {opp, s}}) : Hyoka(opp);
    } else {
        if (SichoCheck(stone) == 1)
            tr.Back();
        vp = Hyoka(opp);
    }
    return true;
}

// The owner's connection at the gap and what it does to Q.
struct TNozokiJibun {
    Point M;     // the owner's point
    int Vo = 0;  // its value
    int Bonus = 0;
    Point Z;     // the ladder's first move against Q, when it works
    int Me2 = 0; // the owner's eye value after the connection
};

// The owner connects at the gap; false when the connection is caught by a
// ladder.  me1: the owner's eye value before it (the eye value after it is
// only read when this is 3).
bool NozokiJibun(const TKankeiBox& box, const TIkkenEdgeSide& e, int me1, TNozokiJibun& o)
{
    const int own = box.Own, opp = box.Opp;
    const Point q = box[e.N], gap = e.Gap;
    o.M = gap;
    TYomiTrial tr;
    tr.Play(own, gap);
    ToruRenMake();
    if (SichoCheck(gap) == 1)
        return false;
    const int kuuQ = IkkenEdgeKuu(opp, q);
    const int mark = tr.Tries();
    if (kuuQ == 1) {
        // Q in atari: the opponent captures first where it can, else extends.
        const Point atari = MrenAtariKuu(q);
        if (atari.x != 0)
            tr.PushPlay(opp, atari);
        else
            tr.Play(opp, RenKuuPt(q, 1));
        o.Vo = Hyoka(own);
        tr.BackTo(mark);
    } else {
        o.Vo = Hyoka(own);
    }
    ToruRenMake();
    if (kuuQ == 1) {
        const Point l = RenKuuPt(q, 1);
        tr.Play(own, l);
        o.Bonus = Hyoka(own);
        if (JibunIro == own)
            o.Vo += (o.Bonus - o.Vo) / 3;
        ToruRenMake();
        const bool capAtari = IkkenEdgeKuu(own, l) == 1;
        tr.BackTo(mark);
        if (capAtari) {
            // Q's extension there: does it chase the connection in a ladder?
            tr.Play(opp, l);
            ToruRenMake();
            Point s1, s2;
            if (SichoCheck(gap) == 1) {
                SichoFirstTwo(gap, s1, s2);
                if (s1.x != 0)
                    o.M = s1;
            }
            tr.BackTo(mark);
        }
    } else if (kuuQ == 2 && ToruSicho(q, &o.Z) && JibunIro == own) {
        Point s1, s2;
        SichoFirstTwo(q, s1, s2);
        TrialSichoPair(tr, own, s1, s2);
        o.Bonus = Hyoka(own);
        tr.BackTo(mark);
    }
    if (me1 == 3) {
        CurGoban().Analyze();
        o.Me2 = GunMe(e.Stone);
    }
    return true;
}

} // namespace

void IkkenEdgeNozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point stone = box[1], gap = box[4];
    {
        const TGun* g = GunAt(stone);
        if (g == nullptr || g->GetMe() <= 2 || (g->GetIsiSu() == 1 && g->IsDeath70() == 1))
            return;
    }
    if (IkkenEdgeKuu(own, stone) == 1)
        return;
    TIkkenEdgeSide e;
    if (!NozokiSide(box, e))
        return;
    const Point q = box[e.N], s = box[e.S];
    if (box.IsOpp(e.T) || box.IsOpp(e.S))
        return;
    if (const TGun* gq = GunAt(q); gq != nullptr && gq->GetDeath() == 1 && (box.IsOwn(e.T) || box.IsOwn(e.S)))
        return;
    if (IkkenEdgeKuu(opp, q) == 1)
        return;

    Point a;
    int vp = 0;
    if (!NozokiAite(box, e, a, vp))
        return;
    const int me1 = GunMe(stone);
    TNozokiJibun o;
    if (!NozokiJibun(box, e, me1, o))
        return;
    Point m = o.M;
    if (me1 == 3 && o.Me2 == 4) {
        // The connection makes the group alive: extend it instead.  Without
        // an extension the connection stays the owner's point.
        CurGoban().Analyze();
        if (const TGun* g = GunAt(stone)) {
            Point x;
            WeakGunHirogeru(*g, 1, x);
            if (x.x != 0)
                m = x;
        }
    }
    if (o.Z.x != 0 && CurGoban().IsSelfAtariPt(own, o.Z) == 1 && JibunIro == own) {
        // The ladder's first move is a self-atari: play it only when the
        // opponent's push at the gap then falls to a ladder itself.
        TYomiTrial tr;
        tr.Play(own, o.Z);
        tr.Play(opp, gap);
        ToruRenMake();
        if (SichoCheck(gap) == 1) {
            m = o.Z;
            if (IkkenEdgeKuu(own, o.Z) == 1)
                AddPreparedTe(o.Z, RenKuuPt(o.Z, 1), gap);
        }
    }
    const int vo = o.Vo;
    int value = vo + vp;
    if (vp <= 2 && vo >= 25)
        value /= 3;
    else if (value >= 6)
        value += 2;
    if (value == 2 && IroAt(e.U) == kAki && EmptyNeighbours(e.U) == 3)
        value = 4;
    AddKohoSide(opp, a, m, value, o.Bonus);
    LinkMark1Set(gap, 1);
    LinkMark1Set(s, 1);
    IkkenEdgeNozokiAtari(box);
    IkkenEdgeNozokiHane(box);
}

int IkkenEdgeHasamiHyoka(const TKankeiBox& box, Point s)
{
    const int own = box.Own, opp = box.Opp;
    const Point stone = box[1], gap = box[4];
    if (IroAt(s) != kAki || CurGoban().IsSelfAtariPt(opp, s) == 1 || IkkenEdgeKuu(own, stone) > 3)
        return -1;
    TYomiTrial tr;
    tr.Play(opp, s);
    ToruRenMake();
    if (SichoCheck(s) == 1)
        return -1;
    if (!tr.Play(own, gap))
        return -1;
    ToruRenMake();
    const int caught = SichoCheck(gap);
    tr.Back();
    return caught == 1 ? Hyoka(opp) : -1;
}

void IkkenEdgeNigeTe(TYomiTrial& t, Point p, Point& e)
{
    e = Point();
    const TRen* r = ToruRenAt(p);
    const Point l = RenKuuPt(p, 1);
    if (r == nullptr || l.x == 0)
        return;
    const int c = r->GetIro();
    if (!t.Play(c, l))
        return;
    e = l;
    ToruRenMake();
    const TRen* after = ToruRenAt(l);
    if (after == nullptr || after->Kuu() >= 2)
        return;
    const Point cap = MrenAtariKuu(l);
    if (cap.x == 0)
        return;
    t.Back();
    t.Play(c, cap);
    e = cap;
}

bool IkkenEdgeNeraiCheck(int c, Point p)
{
    const int other = c ^ 3;
    ToruRenMake();
    int list[4];
    const int n = ListTonariRen(p, other, list);
    const TRenList& rens = CurGoban().RenList;
    int shortOf = 0;
    for (int i = 0; i < n; ++i)
        if (const TRen* r = rens.Items(list[i]); r != nullptr && r->Kuu() <= 2)
            ++shortOf;
    if (shortOf >= 2 && EmptyNeighbours(p) >= 2)
        return true;
    for (int i = 0; i < n; ++i) {
        const TRen* r = rens.Items(list[i]);
        if (r != nullptr && r->Kuu() == 2 && SichoCheck2(r->GetIsi(1)) == 1)
            return true;
    }
    return false;
}

void IkkenEdgeNozokiAtari(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TIkkenEdgeSide e;
    if (!NozokiSide(box, e))
        return;
    const Point s = box[e.S], gap = e.Gap, stone = e.Stone, w = e.W;
    if (!box.IsAki(e.S) || !box.IsOwn(e.T) || CurGoban().IsSelfAtariPt(opp, s) == 1 ||
        IkkenEdgeKuu(own, stone) != 3)
        return;
    int vp = -999;
    {
        TYomiTrial tr;
        tr.Play(opp, s);
        tr.Play(own, gap);
        ToruRenMake();
        if (IkkenEdgeKuu(own, stone) != 1)
            return;
        tr.Back();
        // The owner blocks at W instead; the opponent's push at the gap is
        // then answered on the stone's last liberty.
        const int mark = tr.Tries();
        if (tr.Play(own, w)) {
            ToruRenMake();
            if (IkkenEdgeKuu(own, w) >= 2) {
                tr.Play(opp, gap);
                ToruRenMake();
                if (IkkenEdgeKuu(opp, gap) == 1)
                    return;
                tr.Play(own, RenKuuPt(stone, 1));
                vp = Hyoka(opp);
            }
        }
        tr.BackTo(mark);
        if (vp == -999)
            vp = Hyoka(opp);
    }
    Point m = gap;
    int vo = 0;
    {
        TYomiTrial tr;
        tr.Play(own, gap);
        ToruRenMake();
        if (SichoCheck(gap) == 0) {
            vo = Hyoka(own);
        } else {
            tr.Back();
            m = w;
            vo = UtuHyoka(own, w);
        }
    }
    const int value = vo + vp;
    if (JibunIro == own) {
        AddKoho(m, value, 0);
    } else {
        AddKoho(s, value, 0);
        AddPreparedTe(s, w, gap);
    }
}

void IkkenEdgeNozokiHane(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TIkkenEdgeSide e;
    if (!NozokiSide(box, e))
        return;
    const Point s = box[e.S], t = box[e.T], gap = e.Gap, stone = e.Stone;
    if (!box.IsAki(e.S) || !box.IsAki(e.T) || EmptyNeighbours(s) < 3 || IkkenEdgeKuu(own, stone) != 3 ||
        GunMe(stone) != 4)
        return;
    int v = 0;
    {
        TYomiTrial tr;
        tr.Play(opp, s);
        tr.Play(own, gap);
        tr.Play(opp, t);
        ToruRenMake();
        if (IkkenEdgeKuu(opp, t) <= 1)
            return;
        tr.Play(own, RenKuuPt(stone, 1));
        v = Hyoka(opp);
    }
    if (v <= 0)
        return;
    if (JibunIro == opp) {
        AddKoho(s, v, 0);
        AddPreparedTe(s, gap, t);
    } else {
        AddKoho(gap, v, 0);
    }
}

} // namespace vorn

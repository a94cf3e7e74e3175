#include "engine/links/IkkenNozokiKata.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/IkkenNozoki.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// A far corner's reason: a connecting move for the owner engine, a cutting
// move for the attacker, the gap the related point either way.
void NozokiKohoEx(const TKankeiBox& box, Point ownPt, int value)
{
    const Point gap = box[4];
    if (!box.EngineAttacks())
        AddKohoEx(ownPt, value, kkKiri, gap);
    else
        AddKohoEx(gap, value, kkTugi, gap);
}

// The group at p (fresh analysis) is dead.
bool GunDead(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() == 1;
}

// The ladder status of the chain at p, 0 without a chain.
int SichoStatus(Point p)
{
    TRen* r = RenKuu(p) > 0 ? ToruRenAt(p) : nullptr;
    return r == nullptr ? 0 : r->GetSicho();
}

// The owner's answers to the cut in IkkenNozokiKado: its atari at P on the
// corner stone K, or the gap.  h gets the answer, the value is answered.
int KadoDefence(const TKankeiBox& box, Point p, Point k, Point s, Point& h, bool& stop)
{
    const int own = box.Own, opp = box.Opp;
    const Point gap = box[4];
    h = gap;
    int ownerValue = 0;
    bool atP = false;
    TYomiTrial t;
    if (RenKuu(k) == 2) {
        t.Play(own, p);
        ToruRenMake();
        if (RenKuu(p) >= 2) {
            // The owner's atari at P holds when its stone at K's first
            // liberty would have room too.
            const Point l = RenKuuPt(k, 1);
            int room = 0;
            {
                TYomiTrial probe;
                if (probe.PushPlay(own, l)) {
                    ToruRenMake();
                    room = RenKuu(l);
                }
            }
            if (room >= 2) {
                h = p;
                atP = true;
                // The opponent extends; a refused extension leaves P as it is.
                t.Play(opp, l);
                ownerValue = Hyoka(own);
                t.Back();
            }
        }
        t.Back();
    }
    if (!atP) {
        t.Play(own, gap);
        ownerValue = Hyoka(own);
        if (!box.EngineAttacks() && GunDead(gap)) {
            stop = true;
            return 0;
        }
        if (SichoStatus(s) == 1) {
            const Point first = ToruRenAt(s)->SichoTe(1);
            const int e = TrialHyoka(t, own, {{own, first}});
            if (ownerValue < e)
                ownerValue += (e - ownerValue) / 2;
        }
        t.Back();
    } else {
        const int e = SeqHyoka(own, {{own, gap}});
        if (ownerValue < e) {
            ownerValue = e;
            h = gap;
        }
    }
    return ownerValue;
}

} // namespace

// --- The opponent on the far column too -------------------------------------------

void IkkenNozokiRyo(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point gap = box[4];
    int e1 = 0, e2 = 0;
    {
        TYomiTrial t;
        if (!t.PushPlay(opp, gap))
            return;
        ToruRenMake();
        if (NozokiCaught(gap))
            return;
        e1 = HyokaAiteNigeru(opp, gap);
    }
    {
        TYomiTrial t;
        if (!t.PushPlay(own, gap))
            return;
        CurGoban().Analyze();
        if (NozokiCaught(gap))
            return;
        e2 = HyokaAiteNigeru(own, gap);
    }
    int v = e1 + e2;
    if (v >= 20)
        v += 5;
    else if (BoardSize == 19 && GobanLv[0]->Tejun.Current() <= 50)
        v = 30;
    NozokiKohoEx(box, gap, v);
}

void IkkenNozokiKado(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point a = box[1], b = box[7], gap = box[4];
    // K the opponent's far corner, E1 the end in its row, E2 the other end,
    // F the far corner in E2's row.
    int pi, si, ki, fi;
    if (box.IsOpp(3)) {
        pi = 5, si = 3;
        if (box.IsOpp(2))
            ki = 2, fi = 8;
        else if (box.IsOpp(8))
            ki = 8, fi = 2;
        else
            return;
    } else {
        pi = 3, si = 5;
        if (box.IsOpp(0))
            ki = 0, fi = 6;
        else if (box.IsOpp(6))
            ki = 6, fi = 0;
        else
            return;
    }
    const bool kInARow = ki == 0 || ki == 2;
    const Point p = box[pi], s = box[si], k = box[ki], f = box[fi];
    const Point e1 = kInARow ? a : b, e2 = kInARow ? b : a;

    // The cut.
    TYomiTrial t;
    t.PushPlay(opp, gap);
    ToruRenMake();
    if (NozokiCaught(gap))
        return;
    int cutValue = 0;
    const bool answer = RenKuu(e1) > 0 && RenKuu(k) > 0 && !(RenKuu(e1) == 1 && RenKuu(k) >= 2);
    if (!answer || !t.Play(own, p)) {
        if (answer)
            t.Back();
        cutValue = Hyoka(opp);
    } else {
        ToruRenMake();
        const int lp = RenKuu(p);
        if (lp == 1 || (lp == 2 && SichoStatus(p) == 1) || (RenKuu(e1) == 2 && SichoStatus(e1) == 1)) {
            t.Back();
            cutValue = Hyoka(opp);
        } else {
            cutValue = Hyoka(opp);
            if (box.IsAki(fi)) {
                const int mark = t.Tries();
                if (t.Play(opp, f)) {
                    ToruRenMake();
                    if (RenKuu(e2) > 0 && RenKuu(f) >= 2) {
                        const bool e2Atari = RenKuu(e2) == 1, pAtari = RenKuu(p) == 1;
                        const Point l1 = RenKuuPt(e2, 1), l2 = RenKuuPt(p, 1);
                        if (e2Atari && pAtari) {
                            const int m = t.Tries();
                            int r1 = 0, r2 = 0;
                            if (t.Play(own, l1)) {
                                t.Play(opp, l2);
                                r1 = Hyoka(opp);
                            } else {
                                r1 = Hyoka(opp);
                            }
                            t.BackTo(m);
                            if (t.Play(own, l2)) {
                                t.Play(opp, l1);
                                r2 = Hyoka(opp);
                            } else {
                                r2 = Hyoka(opp);
                            }
                            t.BackTo(m);
                            cutValue = std::min(r1, r2);
                        } else if (e2Atari || pAtari) {
                            if (t.Play(own, e2Atari ? l1 : l2))
                                cutValue = Hyoka(opp);
                            t.Back();
                        }
                    }
                }
                t.BackTo(mark);
            }
            t.Back();
        }
    }

    // The defence, from the position with the cut.
    if (box.EngineAttacks()) {
        CurGoban().Analyze();
        if (GunDead(gap))
            return;
    }
    t.BackAll();
    Point h;
    bool stop = false;
    const int ownerValue = KadoDefence(box, p, k, s, h, stop);
    if (stop)
        return;
    int v = cutValue + ownerValue;
    if (!box.EngineAttacks()) {
        if (v >= 2)
            v += 2;
    } else if (v >= 2) {
        v += 3;
    }
    NozokiKohoEx(box, h, v);
    LinkMark1Set(gap, 1);
    if (AtariMapAt(opp, p) == 1)
        IkkenNozokiAtari(box, p);
}

void IkkenNozokiAtari(TKankeiBox box, Point p)
{
    const int own = box.Own, opp = box.Opp;
    const Point gap = box[4];
    TYomiTrial t;
    t.Play(opp, p);
    ToruRenMake();
    // The liberty of the last owner chain beside P left in atari.
    Point l;
    int list[4];
    const int count = ListTonariRen(p, own, list);
    for (int i = 0; i < count; ++i)
        if (TRen* r = CurGoban().RenList.Items(list[i]); r != nullptr && r->Kuu() == 1)
            l = r->GetKuu(1);
    if (l.x == 0)
        return;
    const int e1 = TrialHyoka(t, opp, {{own, l}, {opp, gap}});
    const int e2 = TrialHyoka(t, opp, {{own, gap}, {opp, l}});
    t.BackAll();
    const int v = std::min(e1, e2);
    if (box.EngineAttacks()) {
        AddKoho(p, v, 0);
        AddPreparedTe(p, l, gap);
        AddPreparedTe(p, gap, l);
    } else {
        AddKoho(gap, v, 0);
    }
}

// --- The far point and beyond it --------------------------------------------------

void IkkenNozokiMukai(TKankeiBox box)
{
    const int opp = box.Opp;
    if (!box.IsOpp(3) && !box.IsOpp(5))
        return;
    const TNozoki f = NozokiFrame(box);
    int k1 = 0, k2 = 0;
    {
        TYomiTrial t;
        t.Play(opp, f.Gap);
        CurGoban().Analyze();
        if (GunDead(f.Gap) || NozokiCaught(f.Gap))
            return;
        k1 = KiriHyoka(opp, f.Q, f.A, f.P);
        k2 = KiriHyoka(opp, f.R, f.B, f.P);
    }
    if (k1 <= 0 || k2 <= 0)
        return;
    const int v = std::min(k1, k2);
    if (box.EngineAttacks()) {
        AddKoho(f.Gap, v, 0);
        return;
    }
    // The engine owns the link: its best defence, valued by the weaker cut.
    const int me = JibunIro;
    Point h = f.Gap;
    int best = UtuHyoka(me, f.Gap);
    for (Point corner : {f.Q, f.R}) {
        TIroCounts n;
        CountNeighbour(corner, n);
        if (n[AiteIro] == 0) {
            Point list[4];
            const int count = ListNeighbour(corner, kAki, list);
            for (int i = 0; i < count; ++i) {
                if (LineNoPt(list[i]) <= 1)
                    continue;
                const int e = SeqHyoka(me, {{me, list[i]}});
                if (best < e) {
                    best = e;
                    h = list[i];
                }
            }
        } else {
            const int e = SeqHyoka(me, {{me, corner}});
            if (best < e) {
                best = e;
                h = corner;
            } else if (best == e && AtariMapAt(me, corner) == 1) {
                h = corner;
            }
        }
    }
    AddKoho(h, v, 0);
}

void IkkenNozokiHen(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const Point gap = box[4];
    LinkMark1Set(gap, 1);
    int e1 = 0;
    {
        TYomiTrial t;
        t.Play(opp, gap);
        ToruRenMake();
        if (SichoCheck(gap) == 1)
            return;
        e1 = Hyoka(opp);
    }
    const int e2 = UtuHyoka(own, gap);
    AddKohoEx(gap, e1 + e2, kkKiri, gap);
}

void IkkenNozokiSotoJibun(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TNozoki f = NozokiFrame(box);
    const int e1 = SeqHyoka(own, {{own, f.Gap}});
    const int e2 = SeqHyoka(opp, {{opp, f.Gap}, {own, f.P}});
    int v = e1 + e2;
    if (v == 2)
        v = 4;
    AddKoho(f.Gap, v, 0);
}

void IkkenNozokiSotoAite(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TNozoki f = NozokiFrame(box);
    if (box.IsOwn(f.Qi) && box.IsOwn(f.Ri))
        return;
    if (IroAt(f.V) == own || IroAt(f.W) == own) {
        IkkenNozokiSotoAite2(box);
        return;
    }
    if (IroAt(f.V) == opp || IroAt(f.W) == opp) {
        AddKohoTry(f.Gap);
        return;
    }
    TYomiTrial t;
    t.Play(opp, f.Gap);
    t.Play(own, f.P);
    if (box.IsAki(f.Qi) && box.IsAki(f.Ri)) {
        // The opponent takes one far corner, the owner the other; an end
        // left in atari is captured.
        int e[2] = {0, 0};
        const Point corner[2][2] = {{f.Q, f.R}, {f.R, f.Q}};
        const Point end[2] = {f.A, f.B};
        for (int i = 0; i < 2; ++i) {
            const int mark = t.Tries();
            t.Play(opp, corner[i][0]);
            t.Play(own, corner[i][1]);
            e[i] = Hyoka(opp);
            ToruRenMake();
            if (RenKuu(end[i]) == 1)
                e[i] = TrialHyoka(t, opp, {{opp, RenKuuPt(end[i], 1)}});
            t.BackTo(mark);
        }
        AddKoho(f.Gap, std::max(e[0], e[1]), 0);
    } else {
        const Point m = box.IsAki(f.Qi) ? f.Q : f.R;
        const int v = TrialHyoka(t, opp, {{opp, m}});
        KankeiKoho(box, m, f.Gap, v);
    }
}

void IkkenNozokiSotoAite2(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TNozoki f = NozokiFrame(box);
    const bool vOwn = IroAt(f.V) == own;
    const Point m = vOwn ? f.R : f.Q, n = vOwn ? f.Q : f.R, e = vOwn ? f.B : f.A;
    const int ni = vOwn ? f.Qi : f.Ri;
    TYomiTrial t;
    t.Play(opp, f.Gap);
    t.Play(own, f.P);
    if (!t.Play(opp, m))
        return;
    ToruRenMake();
    if (RenKuu(m) == 1)
        return;
    if (box.IsOwn(ni)) {
        KankeiKoho(box, m, f.Gap, Hyoka(opp));
        return;
    }
    t.Play(own, n);
    ToruRenMake();
    if (RenKuu(e) == 2 && SichoCheck(e) == 1) {
        Point s1, s2;
        SichoFirstTwo(e, s1, s2);
        const int mark = t.Tries();
        TrialSichoPair(t, opp, s1, s2);
        const int e1 = Hyoka(opp);
        t.BackTo(mark);
        t.Back();
        const int e2 = TrialHyoka(t, opp, {{opp, n}});
        AddKoho(f.Gap, std::min(e1, e2), 0);
    }
}

// --- The far corners ---------------------------------------------------------------

void IkkenNozokiKadoSoto(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TNozoki f = NozokiFrame(box);
    const bool vOpp = IroAt(f.V) == opp;
    const Point m = vOpp ? f.Q : f.R;
    if (RenKuu(f.S) <= 2 || (box.IsOwn(f.Qi) && box.IsOwn(f.Ri)))
        return;
    Point h = f.Gap;
    if (box.IsOwn(f.Qi) && box.IsAki(f.Ri))
        h = f.R;
    else if (box.IsAki(f.Qi) && box.IsOwn(f.Ri))
        h = f.Q;
    const int ownerValue = SeqHyoka(own, {{own, h}});
    int cutValue = -1;
    TYomiTrial t;
    t.Play(opp, f.Gap);
    t.Play(own, f.P);
    if (vOpp && IroAt(f.W) == opp) {
        for (int i : {f.Qi, f.Ri})
            if (box.IsAki(i))
                cutValue = std::max(cutValue, TrialHyoka(t, opp, {{opp, box[i]}}));
    } else {
        const bool mStood = t.Play(opp, m);
        const Point l = mStood ? TonariAtariKuuPt(m) : Point();
        if (l.x != 0)
            cutValue = TrialHyoka(t, opp, {{own, l}});
        else
            cutValue = Hyoka(opp);
        t.Back();
        if (mStood && cutValue < 0)
            cutValue = Hyoka(opp);
    }
    t.BackAll();
    int v = ownerValue + cutValue;
    if (v == 2)
        v = 4;
    KankeiKoho(box, h, f.Gap, v);
}

void IkkenNozokiKadoJibun(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TNozoki f = NozokiFrame(box);
    // Ko the owner's far corner, N the other one, E the end in N's row.
    const bool koQ = box.IsOwn(f.Qi);
    const Point n = koQ ? f.R : f.Q, e = koQ ? f.B : f.A;
    const int ni = koQ ? f.Ri : f.Qi;
    const Point x1 = StepBeyond(e, f.P), x3 = StepBeyond(e, n);
    if (!box.IsAki(ni))
        return;

    TYomiTrial t;
    t.Play(opp, f.Gap);
    t.Play(own, f.P);
    bool fails = !t.Play(opp, n);
    if (!fails) {
        ToruRenMake();
        fails = NozokiCaught(n);
    }
    if (fails) {
        // The opponent cannot hold the other corner: a small sum is raised.
        t.Back();
        const int cutValue = Hyoka(opp);
        t.BackAll();
        const int ownerValue = SeqHyoka(own, {{own, f.Gap}});
        int v = ownerValue + cutValue;
        if (ownerValue < 0)
            v /= 2;
        if (v >= 2 && v <= 4)
            v = box.EngineAttacks() ? 6 : 5;
        AddKoho(f.Gap, v, 0);
        return;
    }
    int cutValue = Hyoka(opp);
    t.Back();
    t.Back();

    // The cut stands.  A large cut: the owner's N and U against the
    // opponent's P and its tries beyond the owner's corner.
    if (cutValue > 15) {
        const int mark = t.Tries();
        t.Play(own, n);
        t.Play(opp, f.P);
        int e0 = 0;
        if (!t.Play(own, f.U)) {
            e0 = Hyoka(opp);
        } else {
            int ei[2] = {0, 0};
            const Point tries[2] = {x1, x3};
            for (int i = 0; i < 2; ++i) {
                if (t.Play(opp, tries[i])) {
                    ToruRenMake();
                    if (NozokiCaught(tries[i])) {
                        t.Back();
                        ei[i] = Hyoka(opp);
                    } else {
                        ei[i] = Hyoka(opp);
                        t.Back();
                    }
                } else {
                    t.Back();
                    ei[i] = Hyoka(opp);
                }
            }
            e0 = std::max(ei[0], ei[1]);
        }
        t.BackTo(mark);
        cutValue = std::min(cutValue, e0);
    }
    if (cutValue > 15 && IroAt(x1) == own && IroAt(x3) == kAki)
        cutValue = std::min(cutValue, TrialHyoka(t, opp, {{own, x3}, {opp, f.P}, {own, f.U}, {opp, n}}));
    t.BackAll();

    Point h = f.Gap;
    int ownerValue = SeqHyoka(own, {{own, f.Gap}});
    if (cutValue > 10) {
        const Point y = StepBeyond(f.P, n);
        if (IroAt(x1) == own && IroAt(f.U) == kAki && IroAt(x3) == kAki) {
            if (EmptyNeighbours(x3) == 4) {
                // The extension outside wins with a margin, but keeps its
                // own value.
                const int ex = SeqHyoka(own, {{own, x3}});
                if (ex + 3 > ownerValue) {
                    ownerValue = ex;
                    h = x3;
                }
            }
        } else if (IroAt(y) == kAki && EmptyNeighbours(y) == 4) {
            const int ey = SeqHyoka(own, {{own, y}});
            if (ey > ownerValue) {
                ownerValue = ey;
                h = y;
            }
        }
    }
    KankeiKoho(box, h, f.Gap, ownerValue + cutValue);
}

void IkkenNozokiMae(Point gap, Point p, Point a, Point q, Point b, Point r)
{
    const int own = IroAt(a);
    if (own != kKuro && own != kSiro)
        return;
    const int opp = own ^ 3;
    TYomiTrial t;
    t.Play(opp, gap);
    t.Play(own, p);
    const Point pairs[2][2] = {{q, a}, {r, b}};
    for (const auto& [corner, end] : pairs) {
        const int mark = t.Tries();
        if (!t.Play(opp, corner)) {
            t.BackTo(mark);
            continue;
        }
        ToruRenMake();
        if (RenKuu(corner) < 2 || RenKuu(end) != 1) {
            t.BackTo(mark);
            continue;
        }
        const Point l = RenKuuPt(end, 1);
        if (!t.Play(own, l)) {
            t.BackTo(mark);
            continue;
        }
        ToruRenMake();
        if (RenKuu(p) == 1) {
            t.BackTo(mark);
            continue;
        }
        if (SichoCheck(p) == 1) {
            // P's chain is caught: the ladder, or the capture of the end.
            Point s1, s2;
            SichoFirstTwo(p, s1, s2);
            const int ladder = t.Tries();
            TrialSichoPair(t, opp, s1, s2);
            const int e1 = Hyoka(opp);
            t.BackTo(ladder);
            t.Back();
            const int e2 = TrialHyoka(t, opp, {{opp, l}});
            AddKoho(gap, std::min(e1, e2), 0);
        }
        t.BackTo(mark);
    }
}

} // namespace vorn

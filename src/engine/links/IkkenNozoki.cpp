#include "engine/links/IkkenNozoki.h"

#include <algorithm>
#include <span>

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
#include "engine/links/IkkenNozokiKata.h"
#include "engine/links/IkkenOsi.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/LinkUtil.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

int IsiCountAt(Point p)
{
    const TRen* r = RenKuu(p) > 0 ? ToruRenAt(p) : nullptr;
    return r == nullptr ? 0 : r->IsiCount();
}

// The working values of the cut's reading.
struct TNozokiYomi {
    int OwnerValue = 0; // the owner's evaluation after connecting at the gap
    int CutValue = 0;   // the opponent's evaluation after cutting
    int Value = 0;      // the candidate's value
    int Bonus = 0;
    Point G;            // the owner's answer
};

// The owner's block at P ataris the cutting stones: the opponent extends
// (a third move on the trial) and the cuts at the far corners decide.
void CutInAtari(const TKankeiBox& box, const TNozoki& f, TYomiTrial& t, TNozokiYomi& y)
{
    const int opp = box.Opp;
    const int mark = t.Tries();
    y.Bonus = 4 * IsiCountAt(f.Gap);
    t.Play(opp, RenKuuPt(f.Gap, 1));
    ToruRenMake();
    const int k1 = KiriHyoka(opp, f.Q, f.P, f.A);
    const int k2 = KiriHyoka(opp, f.R, f.P, f.B);
    if (k1 < 0 && k2 < 0) {
        y.CutValue = Hyoka(opp);
        if (y.OwnerValue == 1 && y.CutValue == 1) {
            if (!box.EngineAttacks())
                AddKoho(f.Gap, 4, y.Bonus);
            AddKoho(f.Gap, 4, 0);
        } else {
            y.Value = y.OwnerValue + y.CutValue;
            if (2 * y.Value < y.Bonus) {
                if (!box.EngineAttacks() && 2 * y.Value < y.Bonus / 2) {
                    y.Value = y.Bonus / 2;
                } else {
                    y.Value *= 2;
                    y.Bonus -= y.Value;
                }
            }
            AddKoho(f.Gap, y.Value, y.Bonus);
        }
    } else {
        y.CutValue = std::min(k1, k2);
        if (y.CutValue < 0)
            y.CutValue = Hyoka(opp);
        y.Value = y.OwnerValue + y.CutValue;
        if (2 * y.Value < y.Bonus) {
            y.Value *= 2;
            y.Bonus -= y.Value;
        }
        AddKoho(f.Gap, y.Value, y.Bonus);
    }
    t.BackTo(mark);
}

// P on the first line: the ends short of liberties are chased along the
// edge before the cut is valued; the attacker also reads its own P after
// the cut.  Takes back everything, its caller's cut and P too.
void CutOnTheEdge(const TKankeiBox& box, const TNozoki& f, TYomiTrial& t, TNozokiYomi& y)
{
    const int own = box.Own, opp = box.Opp;
    for (Point end : {f.A, f.B}) {
        ToruRenMake();
        if (RenKuu(end) != 2)
            continue;
        if (SichoCheck(end) == 1) {
            Point s1, s2;
            SichoFirstTwo(end, s1, s2);
            TrialSichoPair(t, opp, s1, s2);
            break;
        }
        // s2 the liberty on the second line, s1 the other; the later one
        // when both or neither are.
        Point s1, s2;
        for (int i = 1; i <= 2; ++i) {
            const Point l = RenKuuPt(end, i);
            (LineNoPt(l) == 2 ? s2 : s1) = l;
        }
        if (s1.x != 0 && s2.x != 0 && EmptyNeighbours(s2) >= 2) {
            t.Play(opp, s2);
            t.Play(own, s1);
        }
    }
    const int e = Hyoka(opp);
    if (e > 0)
        y.CutValue = e;
    y.Value = y.OwnerValue + y.CutValue;
    if (y.Value == 2)
        y.Value = 4;
    AddKoho(f.Gap, y.Value, y.Bonus);
    t.BackAll();
    if (box.EngineAttacks() && InSakiyomi == 0 && y.Value > 0) {
        t.Play(opp, f.Gap);
        t.Play(opp, f.P);
        const int e3 = Hyoka(opp) / 3;
        if (y.CutValue < e3) {
            y.CutValue = e3;
            y.Value = y.OwnerValue + y.CutValue;
            AddKoho(f.Gap, y.Value, y.Bonus);
        }
        t.BackAll();
    }
}

// P away from the edge, the cut and P standing: the cuts at the far corners
// (the liberty readings when both are small), or the owner's connection
// chosen by IkkenTugiTe when one cut is large.
void CutInTheOpen(const TKankeiBox& box, const TNozoki& f, TYomiTrial& t, TNozokiYomi& y)
{
    const int own = box.Own, opp = box.Opp;
    int k1 = KiriHyoka(opp, f.Q, f.P, f.A);
    int k2 = KiriHyoka(opp, f.R, f.P, f.B);
    if (k1 <= 4 && k2 <= 4) {
        k1 = IkkenKiriYomi(opp, f.Q, f.P, f.A);
        k2 = IkkenKiriYomi(opp, f.R, f.P, f.B);
        if (k1 > 0 || k2 > 0)
            y.CutValue = std::max(k1, k2);
        else
            y.CutValue = IkkenNozokiKiriHyoka(box, y.G);
        if (y.OwnerValue <= 2 && y.CutValue <= 2) {
            // Small either way: what the opponent's own P is worth.
            t.Back();
            if (t.Play(opp, f.P))
                y.Bonus = Hyoka(opp);
            t.Back();
            y.Value = y.OwnerValue + y.CutValue;
            if (2 * y.Value < y.Bonus) {
                y.Value *= 2;
                if (!box.EngineAttacks())
                    y.Bonus = 0;
            }
            AddKoho(f.Gap, y.Value, y.Bonus);
        } else {
            if (y.OwnerValue < 0 && y.CutValue > 0)
                y.OwnerValue = 0;
            y.Value = y.OwnerValue + y.CutValue;
            KankeiKoho(box, y.G, f.Gap, y.Value);
        }
        return;
    }
    // The better cut X with its value, the other one's value beside it.
    const bool rBetter = k1 < k2;
    const Point x = rBetter ? f.R : f.Q;
    y.CutValue = rBetter ? k2 : k1;
    const int other = rBetter ? k1 : k2;
    if (k1 > 2 && k2 > 2) {
        // The owner defends the better cut: the opponent turns at P.
        t.Back();
        const int mark = t.Tries();
        t.Play(own, x);
        t.Play(opp, f.P);
        const int e = std::max(Hyoka(opp), other);
        y.CutValue = std::min(y.CutValue, e);
        t.BackTo(mark);
    }
    t.BackAll();
    IkkenTugiTe(box, y.G);
    y.Value = y.OwnerValue + y.CutValue;
    if (!box.EngineAttacks())
        AddKohoEx(y.G, y.Value, kkKiri, f.Gap);
    else
        AddKoho(f.Gap, y.Value, 0);
}

// The main reading of the peep: the owner's connection at the gap, then the
// opponent's cut and the owner's block at P.  Answers whether the atari at P
// is still to be read, with the candidate's value in `value`.
bool NozokiCut(const TKankeiBox& box, const TNozoki& f, int& value)
{
    const int own = box.Own, opp = box.Opp;
    TNozokiYomi y;
    y.G = f.Gap;
    TYomiTrial t;

    // The owner connects: worthless when the connected group dies or the
    // connection is caught by a ladder.
    t.Play(own, f.Gap);
    CurGoban().Analyze();
    if (const TGun* g = GunAt(f.Gap); g != nullptr && g->IsDeath90() == 1 && !box.EngineAttacks())
        return false;
    if (RenKuu(f.Gap) == 2 && SichoCheck(f.Gap) == 1)
        return false;
    if (RenKuu(f.S) == 1) {
        const Point l = RenKuuPt(f.S, 1);
        if (t.Play(opp, l)) {
            y.OwnerValue = Hyoka(own);
            t.Back();
            if (!box.EngineAttacks())
                y.Bonus = TrialHyoka(t, own, {{own, l}});
        } else {
            t.Back();
            y.OwnerValue = Hyoka(own);
        }
    } else {
        y.OwnerValue = Hyoka(own);
    }
    t.Back();

    // The opponent cuts.
    t.Play(opp, f.Gap);
    ToruRenMake();
    if (NozokiCaught(f.Gap))
        return false;
    if (RenKuu(f.A) == 1 || RenKuu(f.B) == 1) {
        IkkenNozokiRenAtari(box, f.P, y.OwnerValue, y.Bonus);
        return false;
    }
    if (box.EngineAttacks())
        y.Bonus = Hyoka(opp);
    if (!t.Play(own, f.P))
        return false;
    y.CutValue = Hyoka(opp);
    y.Value = 0;
    ToruRenMake();
    if (RenKuu(f.Gap) == 1) {
        CutInAtari(box, f, t, y);
    } else if (LineNoPt(f.P) == 1) {
        CutOnTheEdge(box, f, t, y);
        return false;
    } else {
        if (RenKuu(f.P) > 2 && RenKuu(f.Gap) == 2 && SichoCheck(f.Gap) == 1) {
            y.CutValue = Hyoka(opp);
            t.BackAll();
            y.Value = y.OwnerValue + y.CutValue;
            if (y.Value > 0 && !box.EngineAttacks())
                y.Value += 2;
            AddKoho(f.Gap, y.Value, 0);
            return false;
        }
        CutInTheOpen(box, f, t, y);
    }
    value = y.Value;
    return true;
}

} // namespace

TNozoki NozokiFrame(const TKankeiBox& box)
{
    TNozoki f;
    const int o = box.IsOpp(3) ? kOrientPlain : kOrientAcross;
    f.Si = box.Idx(o, 1, 0);
    f.Pi = box.Idx(o, 1, 2);
    f.Qi = box.Idx(o, 0, 2);
    f.Ri = box.Idx(o, 2, 2);
    f.A = box[1];
    f.B = box[7];
    f.Gap = box[4];
    f.S = box[f.Si];
    f.P = box[f.Pi];
    f.Q = box[f.Qi];
    f.R = box[f.Ri];
    f.T = StepBeyond(f.Gap, f.S);
    f.U = StepBeyond(f.Gap, f.P);
    f.V = StepBeyond(f.A, f.Q);
    f.W = StepBeyond(f.B, f.R);
    return f;
}

bool NozokiCaught(Point p)
{
    const int l = RenKuu(p);
    return l == 1 || (l == 2 && SichoCheck(p) == 1);
}

void IkkenNozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (box.IsOpp(3) && box.IsOpp(5)) {
        IkkenNozokiRyo(box);
        return;
    }
    if ((box.IsOpp(3) && (box.IsOpp(2) || box.IsOpp(8))) || (box.IsOpp(5) && (box.IsOpp(0) || box.IsOpp(6)))) {
        IkkenNozokiKado(box);
        return;
    }
    if (!box.IsOpp(3) && !box.IsOpp(5))
        return;
    if (CurGoban().IsToruTenPt(opp, box[4]) == 1)
        return;
    if ((box.IsOwn(3) && box.IsOpp(5)) || (box.IsOwn(5) && box.IsOpp(3)))
        IkkenNozokiMukai(box);
    const TNozoki f = NozokiFrame(box);
    if (box.IsHen(f.Pi)) {
        IkkenNozokiHen(box);
        return;
    }
    if (box.IsOwn(f.Pi))
        return;
    LinkMark1Set(f.Gap, 1);
    LinkMark1Set(f.P, 1);
    const int u = IroAt(f.U);
    if (u == own) {
        IkkenNozokiSotoJibun(box);
        return;
    }
    if (u == opp) {
        IkkenNozokiSotoAite(box);
        return;
    }
    if ((IroAt(f.V) == opp && box.IsAki(f.Qi)) || (IroAt(f.W) == opp && box.IsAki(f.Ri))) {
        IkkenNozokiKadoSoto(box);
        return;
    }
    if (IkkenNozokiYomi(std::span<const Point>(box.Pt.v, 9), std::span<const std::uint8_t>(box.Iro.v, 9), opp) != 0)
        return;
    if (box.IsOwn(f.Qi) || box.IsOwn(f.Ri)) {
        IkkenNozokiKadoJibun(box);
        return;
    }
    IkkenNozokiMae(f.Gap, f.P, f.A, f.Q, f.B, f.R);
    IkkenNozokiMain(box);
}

void IkkenNozokiMain(TKankeiBox box)
{
    const TNozoki f = NozokiFrame(box);
    int value = 0;
    if (NozokiCut(box, f, value) && value <= 4 && AtariMapAt(box.Opp, f.P) == 1)
        IkkenNozokiAtari(box, f.P);
}

void IkkenNozokiSoto(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (!box.IsOpp(3) && !box.IsOpp(5))
        return;
    const TNozoki f = NozokiFrame(box);
    if (IroAt(f.U) != opp)
        return;
    Point m, n;
    if (box.IsAki(f.Qi) && box.IsOwn(f.Ri)) {
        m = f.Q;
        n = f.V;
    } else if (box.IsOwn(f.Qi) && box.IsAki(f.Ri)) {
        m = f.R;
        n = f.W;
    } else {
        return;
    }
    const Point x = StepBeyond(f.P, m), y = StepBeyond(m, n), z = StepBeyond(f.U, n);
    if (IroAt(x) != own || IroAt(y) != own || IroAt(z) != kAki)
        return;
    const int e1 = SeqHyoka(opp, {{opp, n}, {own, z}, {opp, f.Gap}});
    const int e2 = SeqHyoka(opp, {{opp, n}, {own, f.Gap}, {opp, z}});
    AddKoho(n, std::min(e1, e2), 0);
}

// --- Readings the cut hands off ---------------------------------------------------

void IkkenNozokiRenAtari(TKankeiBox box, Point p, int ownerValue, int bonus)
{
    const int own = box.Own, opp = box.Opp;
    const TNozoki f = NozokiFrame(box);
    const bool aInAtari = RenKuu(f.A) == 1;
    const Point e = aInAtari ? f.A : f.B;
    const Point la = RenKuuPt(e, 1);
    const Point k = TonariAtariKuu(ToruRenAt(e));
    const Point c1 = aInAtari ? f.Q : f.R, c2 = aInAtari ? f.R : f.Q;
    int value = 0;
    TYomiTrial t;
    if (k.x != 0) {
        // The owner captures beside the end; a far corner among the end's
        // liberties is where the opponent goes on.
        t.Play(own, k);
        ToruRenMake();
        Point corner;
        for (int i = 1; i <= RenKuu(e); ++i) {
            const Point l = RenKuuPt(e, i);
            if (l == c1 || l == c2)
                corner = l;
        }
        value = corner.x != 0 ? TrialHyoka(t, opp, {{opp, corner}}) : Hyoka(opp);
        t.Back();
    } else if (la == p) {
        if (!t.Play(own, p)) {
            t.Back();
            value = Hyoka(opp);
        } else {
            ToruRenMake();
            const int l = RenKuu(p);
            if (l == 1) {
                LinkMark2Set(f.Gap, 1);
                t.Back();
                value = Hyoka(opp);
            } else if (l == 2 && SichoCheck(p) == 1) {
                Point s1, s2;
                SichoFirstTwo(p, s1, s2);
                const int mark = t.Tries();
                TrialSichoPair(t, opp, s1, s2);
                value = Hyoka(opp);
                t.BackTo(mark);
                t.Back();
            } else {
                value = Hyoka(opp);
                t.Back();
            }
        }
    } else {
        t.Play(own, la);
        ToruRenMake();
        if (SichoCheck(la) == 1) {
            t.Back();
            value = Hyoka(opp);
        } else {
            t.Play(opp, p);
            ToruRenMake();
            const Point l2 = RenKuu(la) == 1 ? RenKuuPt(la, 1) : Point();
            if (l2.x != 0 && t.Play(own, l2)) {
                value = Hyoka(opp);
                t.Back();
            } else {
                if (l2.x != 0)
                    t.Back();
                const int h = Hyoka(opp);
                value = h + std::min(h / 2, 5);
            }
            t.BackAll();
        }
    }
    const int v = ownerValue + value;
    if (!box.EngineAttacks()) {
        TIroCounts n2;
        CountNeighbour(c2, n2);
        const bool c1Open = EmptyNeighbours(c1) == 3 && n2[kAki] == 2 && n2[own] == 2;
        AddKoho(c1Open ? c1 : f.Gap, v, bonus);
    } else {
        AddKoho(f.Gap, v, bonus);
    }
}

int IkkenNozokiKiriHyoka(TKankeiBox box, Point& g)
{
    const int own = box.Own, opp = box.Opp;
    const TNozoki f = NozokiFrame(box);
    int best = Hyoka(opp);
    ToruRenMake();
    // The last liberty of each end other than its far corner.
    Point la, lb;
    for (int i = 1; i <= RenKuu(f.A); ++i)
        if (const Point l = RenKuuPt(f.A, i); l != f.Q)
            la = l;
    for (int i = 1; i <= RenKuu(f.B); ++i)
        if (const Point l = RenKuuPt(f.B, i); l != f.R)
            lb = l;
    const Point qb = StepBeyond(f.P, f.Q), rb = StepBeyond(f.P, f.R);
    const int na = RenKuu(f.A), nb = RenKuu(f.B);

    // Side A: the opponent's atari at La, the owner's extension at Q and the
    // opponent's block behind it.
    if (na == 2 && IroAt(f.Q) == kAki && la.x != 0 && IroAt(la) == kAki) {
        TYomiTrial t;
        if (t.Play(opp, la)) {
            ToruRenMake();
            const int n = RenKuu(la);
            if (n >= 2) {
                const int e = TrialHyoka(t, opp, {{own, f.Q}, {opp, qb}});
                best = std::max(best, e);
            }
            t.Back();
            if (n >= 2) {
                t.Play(own, la);
                if (!t.Play(opp, f.Q)) {
                    g = la;
                } else {
                    ToruRenMake();
                    if (NozokiCaught(f.Q))
                        g = la;
                }
            }
        }
    }

    // Side B: the opponent's atari at Lb; after the owner's extension at R
    // a capture next to Lb, or the exchange at Rb.
    if (nb == 2 && IroAt(f.R) == kAki && lb.x != 0 && IroAt(lb) == kAki) {
        TYomiTrial t;
        if (t.Play(opp, lb)) {
            ToruRenMake();
            const int n = RenKuu(lb);
            if (n >= 2) {
                const int mark = t.Tries();
                t.Play(own, f.R);
                ToruRenMake();
                Point k;
                int list[4];
                const int count = ListTonariRen(lb, own, list);
                for (int i = 0; i < count; ++i)
                    if (TRen* r = CurGoban().RenList.Items(list[i]); r != nullptr && r->Kuu() == 1)
                        k = r->GetKuu(1);
                int e = 0;
                if (k.x != 0) {
                    e = TrialHyoka(t, opp, {{opp, k}});
                    g = rb;
                } else if (t.Play(opp, rb)) {
                    e = Hyoka(opp);
                    if (const TGun* gun = GunAt(rb); gun != nullptr && gun->GetDeath() == 1)
                        e /= 2;
                    t.Back();
                } else {
                    t.Back();
                    e = Hyoka(opp);
                }
                t.BackTo(mark);
                if (t.Play(own, rb)) {
                    t.Play(opp, f.R);
                    e = std::min(e, Hyoka(opp));
                }
                t.BackTo(mark);
                best = std::max(best, e);
            }
            t.Back();
            if (n >= 2) {
                t.Play(own, lb);
                if (!t.Play(opp, f.R)) {
                    g = lb;
                } else {
                    ToruRenMake();
                    if (RenKuu(f.R) == 1)
                        g = lb;
                }
            }
        }
    }

    if (na == 3 && nb == 3 && la.x != 0 && lb.x != 0 && IroAt(la) == kAki && IroAt(f.Q) == kAki &&
        IroAt(lb) == kAki && IroAt(f.R) == kAki)
        best = IkkenNozokiKadoHane(f.Q, f.R, f.A, f.B, opp, best);
    return best;
}

int IkkenNozokiKadoHane(Point q, Point r, Point a, Point b, int opp, int value)
{
    TYomiTrial t;
    if (!t.Play(opp, q))
        return value;
    ToruRenMake();
    int e1 = 0;
    if (SichoCheck(a) == 1) {
        Point s1, s2;
        SichoFirstTwo(a, s1, s2);
        const int mark = t.Tries();
        TrialSichoPair(t, opp, s1, s2);
        e1 = Hyoka(opp);
        t.BackTo(mark);
    } else {
        // The opponent extends the hane where it has room.
        Point list[4];
        const int count = ListNeighbour(q, kAki, list);
        for (int i = 0; i < count; ++i)
            if (EmptyNeighbours(list[i]) == 3)
                e1 = std::max(e1, TrialHyoka(t, opp, {{opp, list[i]}}));
        if (e1 == 0)
            e1 = Hyoka(opp);
        if (e1 <= 0)
            return value;
    }
    t.Back();
    if (!t.Play(opp, r))
        return value;
    ToruRenMake();
    if (SichoCheck(b) == 0)
        return value;
    Point s1, s2;
    SichoFirstTwo(b, s1, s2);
    TrialSichoPair(t, opp, s1, s2);
    const int e2 = Hyoka(opp);
    return std::min(e1, e2);
}

} // namespace vorn

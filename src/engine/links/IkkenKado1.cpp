#include "engine/links/IkkenKado1.h"

#include <algorithm>
#include <initializer_list>
#include <span>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/WeakGun.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/LinkUtil.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The points of the shape, named from the opponent's corner (see the header).
struct TKado1 {
    Point A, B, Gap, C, D, E, F, G, H, N, Fs, I, J;
    Point Cout, Dout, Gout, Hout, Nout;
    Point D2, Cfar, Iout, Jout, I2, J2, Dout2;
};

// C is the first corner of `order` that holds the opponent; false when none
// does.
bool Kado1Points(const TKankeiBox& box, std::initializer_list<int> order, TKado1& k)
{
    int c = -1;
    for (int i : order)
        if (box.IsOpp(i)) {
            c = i;
            break;
        }
    if (c < 0)
        return false;
    // C at cell (0, 0) of the orientation; I and J keep to A's and B's rows.
    const int across = c == 2 || c == 8 ? kOrientAcross : kOrientPlain;
    const int o = across | (c == 6 || c == 8 ? kOrientAlong : kOrientPlain);
    k.A = box[1];
    k.B = box[7];
    k.Gap = box[4];
    k.C = box[c];
    k.D = box[box.Idx(o, 2, 0)];
    k.E = box[box.Idx(o, 0, 2)];
    k.F = box[box.Idx(o, 2, 2)];
    k.G = box[box.Idx(o, 1, 0)];
    k.H = box[box.Idx(o, 1, 2)];
    k.N = box[box.Idx(o, 0, 1)];
    k.Fs = box[box.Idx(o, 2, 1)];
    k.I = box[box.Idx(across, 0, 2)];
    k.J = box[box.Idx(across, 2, 2)];
    k.Cout = StepBeyond(k.N, k.C);
    k.Dout = StepBeyond(k.Fs, k.D);
    k.Gout = StepBeyond(k.Gap, k.G);
    k.Hout = StepBeyond(k.Gap, k.H);
    k.Nout = StepBeyond(k.Gap, k.N);
    k.D2 = StepBeyond(k.G, k.D);
    k.Cfar = StepBeyond(k.C, k.Cout);
    // I lies in A's row and J in B's: each is seen from the stone of its
    // own row, so the relation reads the same from either end.
    k.Iout = StepBeyond(k.A, k.I);
    k.Jout = StepBeyond(k.B, k.J);
    k.I2 = StepBeyond(k.H, k.I);
    k.J2 = StepBeyond(k.H, k.J);
    k.Dout2 = StepBeyond(k.Gout, k.Dout);
    return true;
}

int IsiCountAt(Point p)
{
    const TRen* r = RenKuu(p) > 0 ? ToruRenAt(p) : nullptr;
    return r == nullptr ? 0 : r->IsiCount();
}

// The smaller of 2v and m: a value pulled toward a better reading without
// more than doubling it.
int AtMostDouble(int v, int m) { return 2 * v < m ? 2 * v : m; }

void Kado1Osae(const TKado1& k, int opp) { IkkenKado1Osae(k.G, k.Dout, k.Gap, k.D, k.C, opp); }

// The wedge stands: the owner's H and the opponent's G, then the opponent's
// cuts at I and J.  w is what the wedge is worth to the opponent.
int Kado1CutValue(const TKankeiBox& box, const TKado1& k, TYomiTrial& t)
{
    const int own = box.Own, opp = box.Opp;
    const int mark = t.Tries();
    t.Play(own, k.H);
    t.Play(opp, k.G);
    const int cuts = t.Tries();
    t.Play(own, k.J);
    ToruRenMake();
    const int cut1 = KiriHyoka(opp, k.I, k.H, k.A);
    t.BackTo(cuts);
    t.Play(own, k.I);
    ToruRenMake();
    const int cut2 = KiriHyoka(opp, k.J, k.H, k.B);
    t.BackTo(cuts);
    int w = 0;
    if (cut1 > 0 && cut2 > 0) {
        w = std::min(cut1, cut2);
    } else {
        CurGoban().Analyze();
        Point first;
        if (const TGun* g = GunAt(k.H); g != nullptr && g->GetMe() == 3)
            w = GunIkkenHyoka(*g);
        else if (RenKuu(k.H) > 0 && ToruSicho(k.H, &first))
            w = TrialHyoka(t, opp, {{own, first}});
        else
            w = Hyoka(opp);
        if ((cut1 > 0 || cut2 > 0) && w > 0)
            w += 2;
    }
    if (box.EngineAttacks())
        AddPreparedTe(k.Gap, k.H, k.G);
    t.BackTo(mark);
    return w;
}

// The owner's block at G, valued by the liberties it leaves the corner.
int Kado1BlockValue(const TKankeiBox& box, const TKado1& k)
{
    const int own = box.Own, opp = box.Opp;
    TYomiTrial t;
    t.Play(own, k.G);
    ToruRenMake();
    const int lc = RenKuu(k.C);
    if (lc == 1) {
        const Point e = RenNigeTe(ToruRenAt(k.C));
        int d = TrialHyoka(t, own, {{opp, e}});
        if (!box.EngineAttacks()) {
            const int d2 = TrialHyoka(t, own, {{own, e}});
            d += (d2 - d) / 3;
        }
        return d;
    }
    int d = Hyoka(own);
    if (lc == 2 && EmptyNeighbours(k.Cout) == 3) {
        const int d2 = TrialHyoka(t, own, {{own, k.Cout}});
        d += (d2 - d) / (box.EngineAttacks() ? 4 : 3);
    }
    return d;
}

} // namespace

void IkkenKado1(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if ((box.IsOpp(0) && box.IsOpp(2)) || (box.IsOpp(6) && box.IsOpp(8)))
        return;
    TKado1 k;
    if (!Kado1Points(box, {0, 6, 2, 8}, k))
        return;
    if ((IroAt(k.E) == own && IroAt(k.F) == own) || IroAt(k.Cout) == own)
        return;
    if (IroAt(k.Dout) == opp && IroAt(k.D) == kAki) {
        IkkenKado1Soto(box);
        return;
    }
    const int libN = RenKuu(k.N), libC = RenKuu(k.C);
    if (libN == 1 || libC <= 1)
        return;
    if (libN == 2) {
        IkkenKado1Dame2(box);
        return;
    }
    if (IkkenSotoIsiCheck(std::span<const Point>(box.Pt.v, 9), std::span<const std::uint8_t>(box.Iro.v, 9), opp))
        return;
    if (libC == 2 && IroAt(k.Gout) != opp) {
        Kado1Osae(k, opp);
        return;
    }
    if (LineNoPt(k.D) == 1 && LineNoPt(k.G) == 2) {
        IkkenKado1Edge(k.N, k.Fs, k.C, k.Gap, k.G, k.D, opp);
        return;
    }

    // The wedge, unless a ladder catches it.
    Point r = k.Gap, out;
    int w = 0;
    {
        TYomiTrial t;
        t.Play(opp, k.Gap);
        ToruRenMake();
        if (SichoCheck(k.Gap) == 1) {
            t.BackAll();
            Kado1Osae(k, opp);
            return;
        }
        // The owner's answer at G, on a level of its own, and the
        // opponent's H beside it.
        const int mark = t.Tries();
        t.PushPlay(own, k.G);
        ToruRenMake();
        if (RenKuu(k.G) == 1) {
            if (LineNoPt(k.Gap) == 2 && LineNoPt(k.H) == 1) {
                t.BackTo(mark);
                ToruRenMake();
                IkkenKado1WariEdge(box);
                return;
            }
        } else if (t.Play(opp, k.H)) {
            CurGoban().Analyze();
            const TGun* gh = GunAt(k.H);
            bool held = SichoCheck(k.C) == 1 || (gh != nullptr && gh->IsDeath70() == 1);
            if (!held && RenKuu(k.N) == 2 && EmptyNeighbours(k.Cout) == 3)
                held = TrialHyoka(t, opp, {{own, k.Cout}}) < 0;
            if (held) {
                t.BackAll();
                Kado1Osae(k, opp);
                return;
            }
        }
        t.BackTo(mark);
        w = Kado1CutValue(box, k, t);
    }

    // The opponent's extension outside a lone near stone.
    if (IroAt(k.Nout) == kAki && IsiCountAt(k.N) == 1 && EmptyNeighbours(k.Nout) == 3)
        if (const int u = UtuHyoka(opp, k.Nout); w < u) {
            w = u;
            r = out = k.Nout;
        }

    // The owner's answer.
    int d = 0;
    if (out.x != 0) {
        d = UtuHyoka(own, k.Nout);
    } else if (IroAt(k.Gout) == opp && libC > 2) {
        IkkenKado1SotoTe(box, d, out);
        if (out.x == 0) {
            const int d1 = UtuHyoka(own, k.Gap), d2 = UtuHyoka(own, k.G);
            out = d1 < d2 ? k.G : k.Gap;
            d = std::max(d1, d2);
        }
    } else {
        out = k.G;
        d = Kado1BlockValue(box, k);
    }

    int total = d + w;
    if (total <= 0)
        return;
    if (d < 0 || w < 0)
        total /= 2;
    if (!box.EngineAttacks()) {
        AddKoho(out, total, 0);
    } else {
        if (IroAt(k.E) == own && IroAt(k.Hout) == opp)
            r = k.G;
        AddKoho(r, total, 0);
    }
}

void IkkenKado1Soto(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TKado1 k;
    if (!Kado1Points(box, {0, 6, 2, 8}, k))
        return;
    LinkMark1Set(k.G, 1);
    LinkMark1Set(k.Gap, 1);
    if (IroAt(k.Gout) == own || RenKuu(k.N) == 1)
        return;

    // The owner's G (met by the opponent's Gout when that is open), or E.
    Point out = k.G;
    int v = 0;
    if (IroAt(k.Gout) == kAki) {
        TYomiTrial t;
        t.Play(own, k.G);
        t.Play(opp, k.Gout);
        v = Hyoka(own);
        if (!box.EngineAttacks())
            if (const TGun* g = GunAt(k.G); g != nullptr && g->IsDeath90() == 1)
                return;
    } else {
        v = SeqHyoka(own, {{own, k.G}});
    }
    if (IroAt(k.Nout) == opp && IroAt(k.E) == kAki && EmptyNeighbours(k.E) >= 3)
        if (const int u = UtuHyoka(own, k.E); v < u) {
            v = u;
            out = k.E;
        }

    // The opponent's wedge, when it stands.
    Point r = k.Gap;
    int w = 0;
    bool works = false;
    {
        TYomiTrial t;
        t.Play(opp, k.Gap);
        ToruRenMake();
        const int g = RenKuu(k.Gap);
        if (IroAt(k.D) == own) {
            const int mark = t.Tries();
            t.Play(own, k.G);
            ToruRenMake();
            works = RenKuu(k.G) <= 1;
            t.BackTo(mark);
            ToruRenMake();
        } else {
            works = g != 1 && !(g == 2 && SichoCheck(k.Gap) == 1);
        }
        if (works) {
            if (RenKuu(k.N) == 1) {
                w = TrialHyoka(t, opp, {{own, RenKuuPt(k.N, 1)}, {opp, k.H}});
            } else {
                t.Play(own, k.H);
                t.Play(opp, k.G);
                ToruRenMake();
                w = Hyoka(opp);
                if (box.EngineAttacks())
                    AddPreparedTe(k.Gap, k.H, k.G);
            }
        }
    }
    if (!works) {
        // The opponent's G instead, with the wedge after it.
        r = k.G;
        TYomiTrial t;
        t.Play(opp, k.G);
        w = TrialHyoka(t, opp, {{own, k.Gap}});
        t.Play(opp, k.Gap);
        const int w2 = IroAt(k.H) == kAki ? TrialHyoka(t, opp, {{own, k.H}}) : Hyoka(opp);
        if (2 * (v + w) < w2) {
            w = 2 * (v + w);
            v = 0;
        }
    }
    KankeiKoho(box, out, r, v + w);
}

void IkkenKado1Osae(Point g, Point dout, Point gap, Point d, Point c, int opp)
{
    const int own = opp ^ 3;
    const Point gout = StepBeyond(gap, g);
    if (IroAt(gout) == own)
        return;
    const Point cout = StepBeyond(dout, gout);
    if (IroAt(cout) == own)
        return;
    if (IroAt(cout) == kAki && IroAt(StepBeyond(c, cout)) == own)
        return;
    const Point h = StepBeyond(g, gap);
    LinkMark1Set(g, 1);
    const bool engineOwns = JibunIro == own;

    if (IroAt(dout) == kAki) {
        int a = 0, a0 = 0;
        {
            TYomiTrial t;
            t.Play(own, g);
            ToruRenMake();
            if (RenKuu(c) == 1) {
                a = TrialHyoka(t, own, {{opp, RenNigeTe(ToruRenAt(c))}});
            } else {
                a = Hyoka(own);
                if (RenKuu(c) == 2 && IroAt(cout) == kAki && IroAt(gout) == kAki)
                    a0 = TrialHyoka(t, own, {{own, cout}});
            }
        }
        const int b = SeqHyoka(opp, {{opp, g}, {opp, gap}, {own, h}});
        int total = a + b;
        if (a < a0 && engineOwns)
            total = AtMostDouble(total, a + (a0 - a) / 2);
        AddKoho(g, total, 0);
        return;
    }
    if (IroAt(dout) == own) {
        IkkenKado1OsaeSoto(g, gap, d, opp);
        return;
    }

    // The opponent stands on Dout (or Dout is off the board).
    bool flag = false;
    int a = 0;
    {
        TYomiTrial t;
        t.Play(own, g);
        ToruRenMake();
        if (RenKuu(c) == 1) {
            const Point e = RenKuuPt(c, 1);
            a = TrialHyoka(t, own, {{opp, e}});
            if (engineOwns) {
                const int a2 = TrialHyoka(t, own, {{own, e}});
                a = AtMostDouble(a, a + (a2 - a) / 2);
            }
        } else {
            a = Hyoka(own);
            int list[4];
            const int n = ListTonariRen(g, opp, list);
            for (int i = 0; i < n; ++i)
                if (TRen* r = CurGoban().RenList.Items(list[i]); r != nullptr && r->Kuu() == 2 && r->GetSicho() == 1)
                    flag = true;
        }
    }
    int b = 0;
    {
        TYomiTrial t;
        t.Play(opp, g);
        if (IroAt(h) == kAki)
            t.Play(own, gap);
        const Point d2 = StepBeyond(g, d);
        if (IroAt(d) == kAki && IroAt(d2) == kAki) {
            t.Play(opp, d);
            t.Play(own, d2);
        }
        b = Hyoka(opp);
    }
    int total = a + b;
    if (total == 2 && flag)
        total = engineOwns ? 6 : 4;
    AddKoho(g, total, 0);
}

void IkkenKado1OsaeSoto(Point g, Point gap, Point d, int opp)
{
    const int own = opp ^ 3;
    if (IroAt(gap) != kAki || IroAt(d) != kAki)
        return;
    const Point h = StepBeyond(g, gap), d2 = StepBeyond(g, d);
    if (IroAt(h) != kAki || IroAt(d2) != kAki)
        return;
    // The owner passes between the opponent's two moves.
    const int v = SeqHyoka(opp, {{opp, g}, {opp, gap}, {own, h}, {opp, d}, {own, d2}});
    if (v > 0)
        AddKoho(g, v, 0);
}

void IkkenKado1Dame2(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TKado1 k;
    if (!Kado1Points(box, {0, 2, 6, 8}, k))
        return;
    if (IroAt(k.Nout) == kAki)
        return;
    // The owner's answer to the wedge: E, or H when E is taken.
    const bool atH = IroAt(k.E) != kAki;
    if (atH && IroAt(k.H) != kAki)
        return;
    const int s = RenKuu(k.N) > 0 ? ToruRenAt(k.N)->GetSicho() : 0;

    int w = 0;
    {
        TYomiTrial t;
        t.Play(opp, k.Gap);
        if (s == 1) {
            w = Hyoka(opp);
        } else if (atH) {
            w = TrialHyoka(t, opp, {{own, k.H}, {opp, k.G}});
            if (w < 0) {
                t.Back();
                w = TrialHyoka(t, opp, {{opp, k.G}});
                t.Play(opp, k.Gap);
            }
        } else {
            const int mark = t.Tries();
            t.Play(own, k.E);
            w = Hyoka(opp);
            t.Play(opp, k.H);
            ToruRenMake();
            if (RenKuu(k.H) >= 2)
                w = Hyoka(opp);
            if (IroAt(k.E) == own && RenKuu(k.E) == 1) {
                const int m = t.Tries();
                if (t.Play(own, RenKuuPt(k.E, 1)))
                    w = Hyoka(opp);
                t.BackTo(m);
            }
            t.BackTo(mark);
            w = std::min(w, TrialHyoka(t, opp, {{opp, k.E}, {own, k.H}}));
        }
    }

    // The owner's point: the gap, unless the shape outside asks for G or a
    // capture.  Off the board there is no chain at Nout and the gap stays.
    Point out = k.Gap;
    if (CurGoban().OnBoardPt(k.Nout)) {
        const int gout = IroAt(k.Gout), dout = IroAt(k.Dout);
        if (RenKuu(k.Nout) == 1)
            out = RenKuu(k.C) <= 2 ? k.G : RenKuuPt(k.Nout, 1);
        else if ((gout == opp && dout == own) || (gout == kAki && dout == own) || gout == own ||
                 IroAt(k.D) == own || RenKuu(k.C) <= 2)
            out = k.G;
    }
    int d = 0, d2 = 0;
    {
        TYomiTrial t;
        t.Play(own, out);
        d = Hyoka(own);
        if (out == k.G && RenKuu(k.C) == 2 && IroAt(k.Gout) == kAki && IroAt(k.Cout) == kAki)
            d2 = TrialHyoka(t, own, {{own, k.Cout}});
    }
    int total = d + w;
    if (0 < d && d < d2 && !box.EngineAttacks()) {
        total = AtMostDouble(total, d + (d2 - d) / 2);
        if (total + 20 < d2)
            total += 5;
    }
    KankeiKoho(box, out, k.Gap, total);
    LinkMark2Set(k.Gap, 1);
}

void IkkenKado1SotoTe(TKankeiBox box, int& d, Point& out)
{
    const int own = box.Own, opp = box.Opp;
    d = 0;
    out = Point();
    TKado1 k;
    if (!Kado1Points(box, {0, 6, 2, 8}, k))
        return;
    const bool hout = IroAt(k.Hout) == opp;
    if (IroAt(k.Dout) == kAki && IroAt(k.D) == kAki && IroAt(k.D2) == opp) {
        out = k.D;
        d = SeqHyoka(own, {{own, k.D}, {opp, k.Dout}});
    } else if (hout && IroAt(k.Jout) == kAki && IroAt(k.J) == kAki && IroAt(k.J2) == opp) {
        out = k.J;
    } else if (hout && IroAt(k.Iout) == kAki && IroAt(k.I) == kAki && IroAt(k.I2) == opp) {
        out = k.I;
    } else if (!hout && IroAt(k.Dout) == own && IroAt(k.D2) != opp) {
        out = k.G;
    } else if (!hout && IroAt(k.Dout) == kAki && IroAt(k.D2) != own) {
        out = IroAt(k.Dout2) == own && IroAt(k.D2) == kAki ? k.D : k.Gap;
    }
}

void IkkenKado1Edge(Point, Point fs, Point, Point gap, Point g, Point d, int opp)
{
    const int own = opp ^ 3;
    const int a = SeqHyoka(opp, {{opp, g}});
    const Point dout = StepBeyond(fs, d);
    const Point out = IroAt(dout) == kAki && EmptyNeighbours(dout) >= 2 ? dout : g;
    const int b = SeqHyoka(own, {{own, out}});
    AddKohoSide(opp, g, out, a + b);
}

void IkkenKado1WariEdge(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TKado1 k;
    if (!Kado1Points(box, {0, 6, 2, 8}, k))
        return;
    int v = 0;
    {
        TYomiTrial t;
        t.Play(own, k.H);
        t.Play(opp, k.G);
        ToruRenMake();
        if (RenKuu(k.Fs) != 1)
            return;
        t.Play(own, RenKuuPt(k.Fs, 1));
        ToruRenMake();
        // The opponent takes the extended chain's second liberty, or its
        // first when the second is E; a chain left with the single liberty E
        // has nothing to read.
        const int n = RenKuu(k.Fs);
        Point tp = n >= 2 ? RenKuuPt(k.Fs, 2) : RenKuuPt(k.Fs, 1);
        if (n >= 2 && tp == k.E)
            tp = RenKuuPt(k.Fs, 1);
        if (n == 0 || (n == 1 && tp == k.E))
            return;
        t.Play(opp, tp);
        // Legal only when the opponent captured: the owner plays back in.
        t.Play(own, k.Fs);
        v = Hyoka(opp);
    }
    if (box.EngineAttacks() && v > 4)
        v += 3;
    AddKoho(k.Gap, v, 0);
    if (box.EngineAttacks())
        AddPreparedTe(k.Gap, k.H, k.G);
}

} // namespace vorn

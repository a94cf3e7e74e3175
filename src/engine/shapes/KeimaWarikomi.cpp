#include "engine/shapes/KeimaWarikomi.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Kyuba.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/LinkUtil.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

using F = TWariFrame;

constexpr TPerm kMirror = ReversePerm(5);

bool Dead(const TGun* g) { return g == nullptr || g->GetDeath() != 0; }
bool Weak(const TGun* g) { return g != nullptr && g->IsWeak(); }
bool Death90(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsDeath90() == 1;
}

// --- The wedge stone short of liberties ----------------------------------------

// The wedge in atari: the attacker's extension at G, when the far stone has
// two liberties and the extension escapes.
void KeimaWariAtari(const F& f)
{
    if (KuuOf(f.Dd) != 2)
        return;
    int e1 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.G))
            return;
        Point t;
        SichoToruTe(f.G, t);
        if (t.x != 0)
            return;
        e1 = y.Score(f.att);
    }
    AddKoho(f.G, e1 + UtuHyoka(f.own, f.G), 0);
}

// The wedge with two liberties and a ladder on it.  `stored` is the ladder
// status the wedge's chain carried before the router read the ladder: a
// ladder known already leaves nothing to add, one just found is answered.
void KeimaWariSicho(const F& f, int stored)
{
    if (stored == 1)
        return;
    const int e1 = UtuHyoka(f.own, f.G);
    int e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.G))
            return;
        e2 = y.Score(f.att);
        if (LadderedAt(f.G))
            return;
    }
    AddKoho(f.G, e1 + e2, 0);
    LinkMark1Set(StepBeyond(f.W, f.G), 1);
    LinkMark2Set(f.G, 1);
}

// --- The owner's stone at E_G ----------------------------------------------------

// The attacker's stone at E_D in atari: the cut at G against the capture.
void KeimaWariTori(const F& f)
{
    if (IroOf(f.ED) != f.att || KuuOf(f.ED) != 1)
        return;
    const Point l = KuuPointOf(f.ED, 1);
    int e1 = 0, e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.G))
            return;
        y.Play(f.own, l);
        y.Play(f.att, f.H1);
        e1 = y.Score(f.att);
        y.BackTo(1);
        y.Play(f.own, f.H1);
        y.Play(f.att, l);
        e2 = y.Score(f.att);
    }
    const int va = std::min(e1, e2);
    const int w1 = UtuHyoka(f.own, f.G), w2 = UtuHyoka(f.own, l);
    const Point p = w1 > w2 ? f.G : l;
    const int w = w1 > w2 ? w1 : w2;
    AddKohoSide(f.att, f.G, p, va + w);
}

// The attacker's stone at V: its extension after the cut.
void KeimaWariNobiTe(const F& f)
{
    int e1 = 0, e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.G))
            return;
        y.Play(f.own, f.H1);
        if (Point first; ToruSicho(f.EG, &first))
            y.Play(f.att, first);
        e1 = y.Score(f.att);
    }
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.own, f.G))
            return;
        y.Play(f.att, f.H1);
        e2 = y.Score(f.own);
    }
    if (e1 >= 0 && e2 >= 0)
        AddKoho(f.G, e1 + e2, 0);
}

// The owner's stone at E_G with nothing of the attacker at E_D.
void KeimaWariSotoTe(const F& f)
{
    const int own = f.own, att = f.att;
    if (IroOf(f.V) == att) {
        KeimaWariNobiTe(f);
        return;
    }
    if (KuuOf(f.Dd) == 2) {
        KeimaKiriUtu(f.G, f.H1, f.Dd, att);
        return;
    }
    const int kn = KuuOf(f.Nn);
    Point p = f.G;
    if (kn <= 2)
        p = IroOf(f.V) == own ? f.G : f.H1;
    int e1 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, p) || LadderedAt(p))
            return;
        e1 = y.Score(own);
    }
    if (kn == 2 && CurGoban().IsSelfAtariPt(att, f.H1) == 0) {
        // The atari on Nn from H1.
        int e2 = 0;
        {
            TShapeYomi y(TRefusal::GoOn);
            if (!y.Play(att, f.H1))
                return;
            if (SichoAtariCheck(f.Nn) == 1) {
                e2 = y.Score(att);
            } else {
                y.Play(own, KuuPointOf(f.Nn, 1));
                y.Play(att, f.G);
                e2 = y.Score(att);
            }
        }
        AddKohoSide(att, f.H1, p, e1 + e2);
        return;
    }

    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(att, f.G))
        return;
    y.Play(own, f.H1);
    const int kg = KuuOf(f.G);
    if (kg == 1)
        return;
    if (kg == 2 && SichoCheck(f.G) == 1) {
        int total = e1 + y.Score(att);
        if (JibunIro == own && total <= 2)
            total *= 2;
        y.BackAll();
        AddKoho(f.G, total, 0);
        return;
    }
    // The cuts beside E_G, each side of the owner's stone.
    const int k1 = KiriHyoka(att, f.ED, f.EG, f.Dd);
    const int k2 = KiriHyoka(att, f.EH, f.EG, f.H1);
    bool extra = false;
    int e2 = 0;
    if (k1 <= 0 && k2 <= 0) {
        e2 = y.Score(att);
        y.BackTo(1);
        if (y.Play(att, f.H1))
            extra = 2 * e2 < y.Score(att);
        y.BackTo(1);
    } else {
        e2 = std::max(k1, k2);
        int w = KeimaWariRyoAtari(att, f.Y1);
        y.BackTo(1);
        if (e2 < w) {
            if (y.Play(att, f.H1))
                w = std::min(w, y.Score(att));
            y.BackTo(1);
            e2 = std::max(e2, w);
        }
    }
    if (k1 >= 0 && k2 < 0) {
        y.Play(own, f.ED);
        y.Play(att, f.H1);
        const int k = y.Score(att);
        if (k < k1)
            e2 = std::max(k, k1 / 2);
        y.BackTo(1);
    }
    y.BackAll();
    int total = e1 + e2;
    if (extra)
        total = KeimaWariExtraTotal(total, JibunIro == att);
    AddKoho(f.G, total, 0);
}

// --- The owner's stone at E_H ------------------------------------------------------

void KeimaWariHaneTe(const F& f)
{
    const int own = f.own, att = f.att;
    Point pc; // the cut that alone works after the owner's V
    int va = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, f.G))
            return;
        y.Play(own, f.EG);
        y.Play(att, f.H1);
        if (y.Play(own, f.V)) {
            const int k1 = KiriHyoka(att, f.YN, f.Nn, f.V);
            const int k2 = KiriHyoka(att, f.EY, f.EH, f.V);
            if (k1 <= -1 && k2 <= -1) {
                va = y.Score(att);
            } else {
                va = std::max(k1, k2);
                if (k1 > -1 && k2 <= -1)
                    pc = f.YN;
                else if (k2 > -1 && k1 <= -1)
                    pc = f.EY;
            }
        } else {
            va = y.Score(att);
        }
        y.BackTo(1);
        y.Play(own, f.H1);
        y.Play(att, f.EG);
        va = std::min(va, y.Score(att));
    }
    int vo = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, f.G))
            return;
        vo = y.Score(own);
        if (JibunIro == own && KuuOf(f.W) == 1 && y.Play(own, KuuPointOf(f.W, 1))) {
            const int w = y.Score(own);
            if (vo < w)
                vo += (w - vo) / 3;
        }
    }
    Point p = f.G;
    if (pc.x != 0) {
        const int u = UtuHyoka(own, pc);
        if (vo + 5 < u) {
            p = pc;
            vo = u;
        }
    }
    AddKohoSide(att, f.G, p, KeimaWariHaneTotal(vo + va, JibunIro == att));
}

// After the hane at E_H: the owner's two-liberty chains diagonal to Dd that
// the cut at G and the block at E_G leave in a ladder.
void KeimaWariKiriSicho(const F& f)
{
    const int own = f.own, att = f.att;
    Point diag[4];
    const int n = ListDiagonal(f.Dd, own, diag);
    Point chains[4];
    int m = 0;
    {
        const TRen* rd = ToruRenAt(f.Dd);
        const TRen* seen[4] = {};
        for (int i = 0; i < n; ++i) {
            const TRen* r = ToruRenAt(diag[i]);
            if (r == nullptr || r == rd || r->Kuu() != 2 || std::find(seen, seen + m, r) != seen + m)
                continue;
            seen[m] = r;
            chains[m++] = diag[i];
        }
    }
    if (m == 0)
        return;
    int values[4];
    int nv = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, f.G))
            return;
        y.Play(own, f.EG);
        const int mark = y.Tries();
        for (int i = 0; i < m; ++i) {
            if (IroOf(chains[i]) != own || SichoCheck(chains[i]) != 1)
                continue;
            const Point t1 = SichoTeOf(chains[i], 1), t2 = SichoTeOf(chains[i], 2);
            if (t1.x == 0 || t2.x == 0)
                continue;
            y.Play(att, t1);
            y.Play(att, t2);
            values[nv++] = y.Score(att);
            y.BackTo(mark);
        }
    }
    for (int i = 0; i < nv; ++i)
        AddKoho(f.G, values[i], 0);
}

// --- The attacker's stones outside ---------------------------------------------------

// The attacker's stone at E_H: the atari from outside after the owner's G.
void KeimaWariAteTe(const F& f)
{
    const int own = f.own, att = f.att;
    const Point k = StepBeyond(f.W, f.G);
    int v = 0, m = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, f.G))
            return;
        if (JibunIro == own) {
            y.Play(att, f.H1);
            v = y.Score(own);
            const int mark = y.Tries();
            if (KuuOf(f.W) == 1) {
                y.Play(own, KuuPointOf(f.W, 1));
                v = y.Score(own);
                y.BackTo(mark);
            } else if (SichoOf(f.W) == 1) {
                y.Play(own, SichoTeOf(f.W, 1));
                v = y.Score(own);
                y.BackTo(mark);
            } else if (v == 0) {
                y.BackTo(1);
                v = std::max(v, y.Score(own) / 3);
                y.Play(att, f.H1);
            }
            y.BackTo(1);
            m = y.Score(own);
        } else {
            y.Play(att, f.H1);
            if (SichoCheck(f.W) == 1) {
                y.Play(own, KuuOf(f.W) == 1 ? KuuPointOf(f.W, 1) : SichoTeOf(f.W, 1));
                v = y.Score(own);
            } else {
                v = y.Score(own);
                m = KeimaKankeiUtu(f.W);
                v = std::max(v, m);
            }
        }
    }
    int total = v + UtuHyoka(att, f.G);
    if (total > 15)
        total += 3;
    if (JibunIro == own && 2 * total < m)
        total *= 2;
    AddKohoEx(f.G, total, kkKiri, f.G);
    LinkMark1Set(k, 1);
}

// One side's half of the shape with the attacker's stone at V: c plays p1
// and the other side p2; c's value and its point, p2 instead when c's stone
// at p1 dies there, or when the exchange the other way round (with c's
// extension e1 against e2 when e1 has room) is worth more.  false when c's
// first move is refused.
bool SotoHalf(int c, Point p1, Point p2, Point e1, Point e2, int& v, Point& p)
{
    const int o = Aite(c);
    p = p1;
    bool dead = false;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(c, p1))
            return false;
        y.Play(o, p2);
        v = y.Score(c);
        dead = Dead(GunAt(p1));
    }
    const auto better = [&v, &p, p2](int w) {
        if (v < w) {
            v = w;
            p = p2;
        }
    };
    if (dead) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(c, p2))
            better(y.Score(c));
    }
    TShapeYomi y(TRefusal::GoOn);
    if (y.Play(c, p2)) {
        y.Play(o, p1);
        int w = y.Score(c);
        if (IroOf(e1) == kAki && EmptyNeighbours(e1) == 3) {
            y.Play(c, e1);
            y.Play(o, e2);
            w = y.Score(c);
        }
        better(w);
    }
    return true;
}

// The attacker's stone at V: G and H1 for both sides.
void KeimaWariSoto(const F& f)
{
    int vo = 0, va = 0;
    Point po, pa;
    if (!SotoHalf(f.own, f.G, f.H1, f.EH, f.EG, vo, po) || !SotoHalf(f.att, f.H1, f.G, f.EG, f.EH, va, pa))
        return;
    AddKohoSide(f.att, pa, po, vo + va);
}

// --- Value routines of the main reading ----------------------------------------------

// After own G and att H1 standing: the ataris on the attacker's two-liberty
// stone at H1, each order; starts from value.
int KeimaWariDameHyoka(const F& f, int value)
{
    if (IroOf(f.H1) != f.att || KuuOf(f.H1) != 2)
        return value;
    const Point l[2] = {KuuPointOf(f.H1, 1), KuuPointOf(f.H1, 2)};
    int result = value;
    for (int i = 0; i < 2; ++i) {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.PushPlay(f.own, l[i]))
            continue;
        if (y.PushPlay(f.att, l[1 - i]))
            result = std::max(result, y.Score(f.own));
        else
            result = y.Score(f.att);
    }
    return result;
}

// The owner's hane at H1 with the attacker's cut at G answered at E_G: worth
// w when neither of the attacker's cuts at E_D and E_H works; then p := H1.
int KeimaWariMiaiHyoka(const F& f, int value, Point& p)
{
    const int own = f.own, att = f.att;
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(own, f.H1))
        return value;
    y.Play(att, f.G);
    y.Play(own, f.DD[f.iG]);
    int n = 0;
    for (const int i : {f.iD, f.iH}) {
        const int mark = y.Tries();
        if (!y.Play(att, f.DD[i]) || CaughtAt(f.DD[i]))
            ++n;
        y.BackTo(mark);
    }
    if (n != 2)
        return value;
    int w = y.Score(own);
    if (KuuOf(f.Dd) == 2) {
        const Point l[2] = {KuuPointOf(f.Dd, 1), KuuPointOf(f.Dd, 2)};
        int a1 = -1;
        for (int i = 0; i < 2; ++i)
            if (EmptyNeighbours(l[i]) >= 2)
                a1 = i;
        if (a1 >= 0) {
            const int mark = y.Tries();
            y.Play(att, l[a1]);
            y.Play(own, l[1 - a1]);
            w = std::min(w, y.Score(own));
            y.BackTo(mark);
        }
    }
    if (value < w) {
        p = f.H1;
        return w;
    }
    return value;
}

// The single stone Nn with two liberties: whether the owner's answer to the
// cut is the hane at H1 rather than the block at G.
Point OwnerPoint(const F& f)
{
    const int own = f.own, att = f.att;
    const TRen* rn = ToruRenAt(f.Nn);
    if (rn == nullptr || rn->IsiCount() != 1 || rn->Kuu() != 2)
        return IroOf(f.ED) == own && IroOf(f.H2) == att ? f.H1 : f.G;
    Point l;
    for (int i = 1; i <= 2 && l.x == 0; ++i)
        if (const Point q = KuuPointOf(f.Nn, i); q != f.H1)
            l = q;
    if (l.x == 0)
        return f.G;
    Point p = f.G;
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(own, f.G))
        return p;
    if (y.Play(att, l) && KuuOf(l) >= 2 && y.Play(own, f.H1)) {
        // The last of the owner's chains beside the attacker's stone at L
        // with two liberties.
        Point s;
        if (TRen* r = ToruRenAt(l); r != nullptr) {
            for (int i = 1; i <= r->MrenCount(); ++i) {
                TRen* m = CurGoban().RenList.Items(r->Mren(i));
                if (m != nullptr && m->Kuu() == 2)
                    s = m->GetIsi(1);
            }
        }
        if (s.x != 0 && SichoCheck(s) == 1)
            p = f.H1;
    }
    y.BackTo(1);
    if (p == f.G && y.Play(att, f.H1) && KuuOf(f.H1) >= 2 && KuuOf(f.G) == 2 && SichoCheck(f.G) == 1)
        p = f.H1;
    return p;
}

// The cut at G read from both sides.
void KeimaWariMain(const F& f)
{
    const int own = f.own, att = f.att;
    LinkMark2Set(f.H1, 1);
    Point p = OwnerPoint(f);

    int v = 0;
    if (p == f.H1) {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, f.H1))
            return;
        v = y.Score(own);
    } else {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, f.G))
            return;
        if (KuuOf(f.W) == 1 || !y.Play(att, f.H1)) {
            if (KuuOf(f.W) == 1) {
                // The wedge in atari: its extension, or its capture.
                const Point l2 = KuuPointOf(f.W, 1);
                y.Play(att, l2);
                v = y.Score(own);
                y.BackTo(1);
                if (JibunIro == own && y.Play(own, l2))
                    v += (y.Score(own) - v) / 2;
            } else {
                v = y.Score(own);
            }
            y.BackAll();
            AddKoho(f.G, v + UtuHyoka(att, f.G), 0);
            return;
        }
        CurGoban().Analyze();
        bool alive = false, weakN = false;
        if (!CaughtAt(f.H1)) {
            const TGun* gh = GunAt(f.H1);
            const TGun* gn = GunAt(f.Nn);
            weakN = Weak(gn);
            alive = !(gh != nullptr && gh->IsDeath70() == 1) && !(Weak(gh) && !weakN);
        }
        if (alive) {
            v = y.Score(own);
            if (v <= 0)
                v = KeimaWariDameHyoka(f, v);
            y.BackAll();
            if (v <= 0 || weakN) {
                v = KeimaWariMiaiHyoka(f, v, p);
                if (v <= 0) {
                    TShapeYomi z(TRefusal::GoOn);
                    if (z.Play(own, p))
                        v = z.Score(own);
                }
            }
        } else {
            y.BackTo(1);
            v = y.Score(own);
            if (JibunIro == own && Death90(f.G))
                return;
        }
    }

    // The attacker's cut, or its hane at H1 when the atari there works.
    Point pa = f.G;
    if (CurGoban().IsSelfAtariPt(att, f.H1) == 0 && AtariMapAt(att, f.H1) != 0) {
        const Point j1 = f.YN, j2 = StepBeyond(f.H1, f.Nn), j3 = StepBeyond(f.Nn, j1);
        if (IroOf(f.V) == own && IroOf(j1) == kAki && IroOf(j2) == att && IroOf(j3) != att)
            pa = f.H1;
    }
    int va = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, pa))
            return;
        va = y.Score(att);
        if (KuuOf(f.Dd) <= 2 && IroOf(f.ED) == kAki && EmptyNeighbours(f.ED) >= 2 && y.Play(att, f.ED))
            va += (y.Score(att) - va) / 3;
        if (JibunIro == att && Death90(pa))
            return;
    }
    AddKohoSide(att, pa, p, KeimaWariTotal(v + va, JibunIro == own, LastTe == f.W));
}

} // namespace

TWariFrame::TWariFrame(std::span<const Point> r, int a, bool r3) : own(IsStone(a) ? Aite(a) : 0), att(a), atR3(r3)
{
    const TPerm& p = r3 ? kMirror : kIdentity;
    Nn = r[p[0]];
    H1 = r[p[1]];
    W = r[p[2]];
    G = r[p[3]];
    H2 = r[p[4]];
    Dd = r[p[5]];
    Point dd[6];
    BetweenDiag(r[0], r[5], dd);
    for (int i = 0; i <= 5; ++i)
        DD[i] = dd[i];
    iH = p[1];
    iG = p[3];
    iD = p[5];
    EG = DD[iG];
    ED = DD[iD];
    EH = DD[iH];
    V = StepBeyond(G, H1);
    Y1 = StepBeyond(G, Dd);
    Y2 = StepBeyond(W, H2);
    YN = StepBeyond(W, Nn);
    EY = StepBeyond(EG, EH);
}

void KeimaWarikomi(std::span<const Point> r, std::span<const std::uint8_t> c, int att)
{
    if (r.size() < 6 || c.size() < 6 || !IsStone(att))
        return;
    if (c[2] != att && c[3] != att)
        return;
    const F f(r, att, c[2] != att);
    const int own = f.own;
    LinkMark1Set(f.G, 1);
    LinkMark1Set(f.H1, 1);
    const int kw = KuuOf(f.W);
    if (kw == 1) {
        KeimaWariAtari(f);
        return;
    }
    if (kw == 2) {
        // The status stored in the chain before the check below stores its
        // own answer there (0 while the ladder was never read).
        const TRen* wedge = ToruRenAt(f.W);
        const int stored = wedge == nullptr ? 0 : wedge->SichoStatus();
        if (SichoCheck(f.W) == 1) {
            KeimaWariSicho(f, stored);
            return;
        }
    }
    LinkMark2Set(f.G, 1);
    const int eg = IroOf(f.EG);
    if (eg == att)
        return;
    if (eg == own) {
        if (IroOf(f.ED) == att)
            KeimaWariTori(f);
        else
            KeimaWariSotoTe(f);
        return;
    }
    const int eh = IroOf(f.EH);
    if (eh == att) {
        KeimaWariAteTe(f);
        return;
    }
    if (eh == own) {
        KeimaWariHaneTe(f);
        KeimaWariKiriSicho(f);
        return;
    }
    if (IroOf(f.V) == att) {
        KeimaWariSoto(f);
        return;
    }
    if (IroOf(f.Y1) == att && IroOf(f.H2) == kAki && IroOf(f.Y2) == kAki) {
        MiaiHyokaUtu(f.G, f.H2, att);
        return;
    }
    if (IroOf(f.ED) == att) {
        AddKohoHyoka(f.G);
        return;
    }
    KeimaWariMain(f);
}

int KeimaWariRyoAtari(int colour, Point p)
{
    if (!IsStone(colour))
        return -1;
    const int opp = Aite(colour);
    TShapeYomi y(TRefusal::GoOn);
    if (!y.PushPlay(colour, p) || KuuOf(p) == 1)
        return -1;
    Point libs[4];
    int n = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point q(p.x + Dir4X[d], p.y + Dir4Y[d]);
        if (IroOf(q) != opp || KuuOf(q) != 1)
            continue;
        const Point l = KuuPointOf(q, 1);
        if (std::find(libs, libs + n, l) == libs + n)
            libs[n++] = l;
    }
    if (n != 2)
        return -1;
    int result = 0;
    for (int i = 0; i < 2; ++i) {
        const int mark = y.Tries();
        if (y.Play(opp, libs[i]))
            y.Play(colour, libs[1 - i]);
        const int w = y.Score(colour);
        result = i == 0 ? w : std::min(result, w);
        y.BackTo(mark);
    }
    return result;
}

int KeimaWariTotal(int total, bool engineOwns, bool wedgeIsLast)
{
    if (total > 15)
        total += 6;
    if (engineOwns && wedgeIsLast && total > 20)
        total += 10;
    return total;
}

int KeimaWariExtraTotal(int total, bool engineAttacks)
{
    if (total <= 0)
        return total;
    if (engineAttacks)
        return total <= 3 ? 2 * total + 2 : total + 3;
    return total == 2 ? 5 : total;
}

int KeimaWariHaneTotal(int total, bool engineAttacks)
{
    if (total > 0 && total <= 6)
        total = engineAttacks ? 2 * total : total + total / 2;
    if (total > 12)
        total += 4;
    return total;
}

} // namespace vorn

#include "engine/shapes/KeimaSoto.h"

#include <algorithm>
#include <optional>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/IkkenOsi.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

using F = TSotoFrame;

constexpr TPerm kMirror = ReversePerm(5);

bool DeadGun(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() != 0;
}

bool WeakGun(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsWeak();
}

// Which orientation a routine takes: the first when its trigger cell holds
// the attacker, else the mirror when the mirrored cell does.
std::optional<F> Orient(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att,
                        int trigger)
{
    if (r.size() < 6 || d.size() < 6 || dc.size() < 6 || !IsStone(att))
        return std::nullopt;
    if (dc[static_cast<std::size_t>(trigger)] == att)
        return F(r, d, att, false);
    if (dc[static_cast<std::size_t>(5 - trigger)] == att)
        return F(r, d, att, true);
    return std::nullopt;
}

// --- The owner's answer after the hane ------------------------------------------

// The owner's best answer around Mq and Sd and its value; p its point.
int KeimaSotoUke(const F& f, Point& p)
{
    const int own = f.own, att = f.att;
    const Point q1 = StepBeyond(f.Mp, f.Sd), q2 = StepBeyond(f.Mq, f.Sd), q3 = StepBeyond(q1, q2);
    const Point oq = StepBeyond(f.Mp, f.Mq), q5 = StepBeyond(f.Mq, oq), q6 = StepBeyond(f.Mp, f.Fd);

    if (CurGoban().IsToruTenPt(att, f.Mq) != 0 || AtariMapAt(att, f.Mq) != 0) {
        p = f.Mq;
        return UtuHyoka(own, f.Mq);
    }
    int v = 0;
    if (IroOf(q1) == own || (IroOf(oq) == kAki && IroOf(q5) == own) ||
        (LineNoPt(f.Mq) == 3 && LineNoPt(f.Mp) == 2)) {
        p = f.Sd;
        v = UtuHyoka(own, f.Sd);
    } else if (IroOf(oq) == kAki && IroOf(q3) == att && IroOf(q2) == kAki) {
        p = f.Sd;
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(own, f.Sd)) {
            y.Play(att, q2);
            v = y.Score(own);
        }
    } else {
        p = f.Mq;
        v = UtuHyoka(own, f.Mq);
        if (!(IroOf(q2) == own && IroOf(q6) == att) && IroOf(oq) == kAki) {
            TShapeYomi y(TRefusal::GoOn);
            if (y.Play(own, f.Sd) && KuuOf(f.Sd) > 2) {
                const int w = y.Score(own);
                if (w >= v) {
                    p = f.Sd;
                    v = w;
                }
            }
        }
    }

    // The block beside Fd, or the jump one line further.
    Point t = f.O4;
    if (IroOf(f.O4) == kAki && LineNoPt(f.O4) > 1 && IroOf(q6) == kAki && EmptyNeighbours(f.O4) >= 3) {
        if (LineNoPt(f.O4) == 2 && LineNoPt(q6) == 3)
            t = q6;
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(own, t)) {
            y.Play(att, f.Mp);
            y.Play(own, f.Mq);
            if (!LadderedAt(f.Na)) {
                y.BackTo(1);
                const int w = y.Score(own);
                if (v < w) {
                    v = w;
                    p = t;
                }
            }
        }
    }
    const Point w1 = StepBeyond(f.Mp, t);
    if (IroOf(w1) == kAki && LineNoPt(w1) > 2) {
        TIroCounts around;
        CountAroundWide(w1, around);
        if (around[kKuro] + around[kSiro] == 0) {
            const int w = UtuHyoka(own, w1);
            if (v < w) {
                v = w;
                p = w1;
            }
        }
    }
    if (IroOf(StepBeyond(f.Mq, f.Nb)) == att && IroOf(q6) == kAki && EmptyNeighbours(q6) >= 3) {
        const int w = UtuHyoka(own, q6);
        if (v < w) {
            v = w;
            p = q6;
        }
    }
    return v;
}

// --- Beside a middle point -------------------------------------------------------

// Attacker stones beside both middle points: each cut read on its own.
void KeimaSotoRyoNaka(const F& f)
{
    const int own = f.own, att = f.att;
    const Point side[2][3] = {{f.Mp, f.Mq, f.Sd}, {f.Mq, f.Mp, f.Fd}};
    for (int i = 0; i < 2; ++i) {
        const Point p = side[i][0], q = side[i][1], s = side[i][2];
        int v = 0;
        {
            TShapeYomi y(TRefusal::GoOn);
            if (!y.Play(att, p))
                continue;
            y.Play(own, q);
            if (y.Play(att, s) && CaughtAt(s))
                y.Back();
            v = y.Score(att);
        }
        v += UtuHyoka(own, p);
        if (i == 1 || v > 0)
            AddKoho(p, v, 0);
    }
}

// The attacker's stone at O1 as well: its hane at Sd after the cut.
void KeimaSotoNakaHane(const F& f)
{
    const int e1 = UtuHyoka(f.own, f.Mp);
    int e2 = 0;
    {
        TShapeYomi y(TRefusal::Stop);
        if (!y.Play(f.att, f.Mp) || !y.Play(f.own, f.Mq) || !y.Play(f.att, f.Sd))
            return;
        if (KuuOf(f.Sd) == 1)
            y.Back();
        e2 = y.Score(f.att);
    }
    AddKoho(f.Mp, e1 + e2, 0);
}

// The owner's stone at Oq against the attacker's at Ob.
void KeimaSotoUraTe(const F& f)
{
    if (SichoOf(f.Ob) == 1)
        return;
    int e1 = 0, e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.Mp) || !y.Play(f.own, f.Mq) || !y.Play(f.att, f.Sd))
            return;
        e1 = y.Score(f.att);
        if (LadderedAt(f.Sd))
            return;
        y.BackTo(1);
        y.Play(f.own, f.Sd);
        y.Play(f.att, f.Mq);
        e2 = y.Score(f.att);
    }
    AddKoho(f.Mp, std::min(e1, e2), 0);
}

// The attacker's stone at Ob as well: the push at Mq behind Nb.
void KeimaSotoNakaUra(const F& f)
{
    const int own = f.own, att = f.att;
    if (IroOf(f.Oq) == own) {
        KeimaSotoUraTe(f);
        return;
    }
    Point po = f.Mq;
    int vo = 0;
    if (IroOf(StepBeyond(f.Nb, f.Ob)) == own) {
        po = f.Oq;
        vo = UtuHyoka(own, f.Oq);
    } else {
        vo = UtuHyoka(own, f.Mq);
        if (IroOf(f.O1) == own) {
            if (const int w = UtuHyoka(own, f.Fd); w > vo) {
                po = f.Fd;
                vo = w;
            }
        }
    }
    int va = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, f.Mq))
            return;
        if (KuuOf(f.Ob) == 2 && SichoCheck(f.Ob) == 1)
            return;
        y.Play(own, f.Mp);
        if (y.Play(att, f.Fd))
            va = KuuOf(f.Fd) == 1 ? 0 : y.Score(att);
        else
            va = y.Score(att);
    }
    Point pa = f.Mq;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(att, f.Mp)) {
            y.Play(own, f.Mq);
            y.Play(att, f.Sd);
            const int w = CaughtAt(f.Sd) ? 0 : y.Score(att);
            if (va < w) {
                va = w;
                pa = f.Mp;
            }
        }
    }
    AddKohoSide(att, pa, po, vo + va);
}

// The attacker's push at Mq and the owner's block at Mp: when a ladder then
// takes the owner's chain at z, the ladder's first move and the attacker's
// value after it.
struct TLadderPush {
    Point first;
    int value = 0;
};
std::optional<TLadderPush> PushAndLadder(const F& f, Point z)
{
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(f.att, f.Mq))
        return std::nullopt;
    y.Play(f.own, f.Mp);
    if (!LadderedAt(z))
        return std::nullopt;
    TLadderPush push;
    push.first = SichoTeOf(z, 1);
    y.Play(f.att, push.first);
    push.value = y.Score(f.att);
    return push;
}

// After a cut that does not work: the attacker's push at Mq with Nb at three
// liberties, when a ladder then takes Nb.
void KeimaSotoNakaSicho(const F& f)
{
    const int own = f.own, att = f.att;
    if (KuuOf(f.Nb) != 3)
        return;
    const std::optional<TLadderPush> push = PushAndLadder(f, f.Nb);
    if (!push)
        return;
    const int v = push->value;
    Point po = f.Mp;
    const Point o4 = StepBeyond(f.Nb, f.Fd);
    if (IroOf(StepBeyond(f.Mp, f.Fd)) == att && IroOf(o4) == kAki) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(own, f.Fd)) {
            y.Play(att, o4);
            CurGoban().Analyze();
            const TGun* g = GunAt(f.Fd);
            if (g != nullptr && g->GetMe() >= 4)
                po = f.Fd;
        }
    }
    AddKohoSide(att, f.Mq, po, v);
}

// The owner's answer to the cut at Mp (first of KeimaSotoNaka's readings);
// false when the owner's stone there dies.
bool SotoNakaOwner(const F& f, int& v, Point& po)
{
    const int own = f.own, att = f.att;
    po = f.Mp;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, f.Mp))
            return false;
        CurGoban().Analyze();
        if (DeadGun(f.Mp))
            return false;
        v = KeimaSotoNakaOwnerValue(HyokaDiff(own));
        const Point z3 = StepBeyond(f.Mp, f.Fd);
        if (JibunIro == own && IroOf(z3) == att && KuuOf(z3) <= 3 && IroOf(f.O4) == kAki &&
            EmptyNeighbours(f.O4) >= 3) {
            y.Play(own, f.O4);
            y.Play(att, f.Fd);
            if (CaughtAt(f.Fd)) {
                const int w = y.Score(own);
                if (v < w)
                    v += (w - v) / 2;
            }
        }
    }
    // The attacker's stone at Oa: the owner's hane behind Na.
    const Point y0 = StepBeyond(f.Mp, f.Na);
    if (IroOf(f.Oa) == att && IroOf(y0) == kAki && EmptyNeighbours(y0) == 3) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(own, y0)) {
            y.Play(att, f.Mp);
            y.Play(own, f.Mq);
            y.Play(att, f.Sd);
            if (LadderedAt(f.Sd)) {
                y.BackTo(1);
                v = std::max(y.Score(own), 0);
                po = y0;
            }
        }
    }
    return true;
}

// The cut at Mp and the owner's block at Mq: k the attacker's value; false
// when the cutting stone is caught.  noCut when the cut at Sd does not work.
bool SotoNakaCut(const F& f, int& k, bool& noCut, int& v, Point& po)
{
    const int own = f.own, att = f.att;
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(att, f.Mp))
        return false;
    y.Play(own, f.Mq);
    if (KuuOf(f.Mp) == 2 && SichoCheck(f.Mp) == 1)
        return false;
    k = KiriHyoka(att, f.Sd, f.Mq, f.Na);
    noCut = k <= 0;
    if (noCut) {
        k = y.Score(att);
        return true;
    }
    y.BackTo(1);
    if (y.Play(own, f.Sd))
        k = std::min(k, IkkenOsiHyoka(f.Nb, f.Sd));
    y.BackAll();
    // The owner's answer from outside at O1, or the solid Sd.
    const Point t1 = StepBeyond(f.Mq, f.Sd);
    if (IroOf(f.O1) != kAki || LineNoPt(f.O1) <= 1)
        return true;
    TIroCounts around;
    CountAround8(f.O1, around);
    if (around[own] != 0 && around[att] == 0)
        return true;
    if (IroOf(t1) == att || NeighboursOf(f.O1, att) >= 2) {
        const int w = UtuHyoka(own, f.Sd);
        if (v < w) {
            v = w;
            po = f.Sd;
        }
    } else {
        const int w = UtuHyoka(own, f.O1);
        if (v < w) {
            po = f.O1;
            v = JibunIro == own ? w : v + (w - v) / 3;
        }
    }
    return true;
}

// --- Beyond a side point ----------------------------------------------------------

// Attacker stones beyond both side points (the first orientation only).
void KeimaSotoHaneKiri(const F& f)
{
    const int own = f.own, att = f.att;
    TShapeYomi y(TRefusal::GoOn);
    const std::optional<int> e1 = y.Line(att, {{att, f.Mp}, {own, f.Mq}, {att, f.Sd}});
    const std::optional<int> e2 = y.Line(att, {{att, f.Mq}, {own, f.Mp}, {att, f.Fd}});
    if (!e1 || !e2)
        return;
    const int va = std::max(*e1, *e2);
    const Point pa = *e1 < *e2 ? f.Mq : f.Mp;
    const Point po = IroOf(f.Oa) == att || IroOf(StepBeyond(f.Om, f.Oa)) == att ? f.Sd : f.Fd;
    AddKohoSide(att, pa, po, UtuHyoka(own, po) + va);
}

// y holds att Mp, own Mq, att Sd with Na in atari above the first line.
void KeimaSotoHaneAtari(TShapeYomi& y, const F& f)
{
    const int own = f.own, att = f.att;
    const Point z = StepBeyond(f.Mp, f.Na);
    if (IroOf(f.Oq) == own || IroOf(z) == kAki) {
        y.BackAll();
        return;
    }
    Point l = KuuPointOf(f.Na, 1);
    if (KuuOf(z) == 1)
        l = KuuPointOf(z, 1);
    const int mark = y.Tries();
    int v = 0;
    if (!y.Play(own, l)) {
        v = y.Score(att);
    } else if (LadderedAt(l)) {
        y.BackTo(mark);
        if (LineNoPt(f.Mp) == 2) {
            y.Play(own, f.Fd);
            y.Play(att, l);
            v = y.Score(att);
            if (v >= 12)
                v += 4;
        } else {
            v = y.Score(att);
        }
    } else {
        v = y.Score(att);
    }
    y.BackAll();
    Point p;
    const int total = KeimaSotoUke(f, p) + v;
    if (JibunIro == att) {
        AddKoho(f.Mp, total, 0);
        AddPreparedTe(f.Mp, f.Mq, f.Sd);
    } else {
        AddKoho(p, total, 0);
    }
}

// A candidate at Sd for the owner, at Mp with its follow-up for the attacker.
void AddSdOrMp(const F& f, int v)
{
    if (JibunIro == f.att) {
        AddKoho(f.Mp, v, 0);
        AddPreparedTe(f.Mp, f.Mq, f.Sd);
    } else {
        AddKoho(f.Sd, v, 0);
    }
}

// y holds att Mp, own Mq, att Sd with the cutting stone at Mp laddered.
void KeimaSotoHaneSichoTe(TShapeYomi& y, const F& f)
{
    const int own = f.own, att = f.att;
    const Point l1 = SichoTeOf(f.Mp, 1), l2 = SichoTeOf(f.Mp, 2);
    const Point q1 = StepBeyond(f.Mq, f.Sd), q2 = StepBeyond(f.Mp, f.Na);
    const Point q3 = StepBeyond(f.Na, q2), q4 = StepBeyond(f.Sd, q1);
    if (IroOf(q2) != kAki) {
        y.BackAll();
        return;
    }
    const int base = y.Tries();
    if (IroOf(q1) == own) {
        Point t;
        if (KuuOf(q1) == 1)
            t = KuuPointOf(q1, 1);
        else if (LadderedAt(q1))
            t = SichoTeOf(q1, 1);
        if (t.x != 0) {
            y.Play(own, l1);
            y.Play(att, t);
            const int e1 = y.Score(att);
            y.BackTo(base);
            y.Play(own, t);
            y.Play(att, l1);
            const int e2 = y.Score(att);
            y.BackAll();
            AddSdOrMp(f, std::min(e1, e2));
            return;
        }
        y.Play(own, l1);
        if (y.Play(att, q2)) {
            y.Play(own, KuuPointOf(f.Mp, 1));
            const int v = y.Score(att);
            y.BackAll();
            AddKoho(f.Mp, v, 0);
        }
        y.BackAll();
        return;
    }
    if (IroOf(q3) != att && IroOf(q4) != att) {
        y.BackAll();
        return;
    }
    y.Play(own, StepBeyond(f.Sd, f.Na));
    CurGoban().Analyze();
    const TGun* g = GunAt(f.Mp);
    const bool d90 = g != nullptr && g->IsDeath90() == 1;
    const bool d70 = g != nullptr && g->IsDeath70() == 1;
    y.BackTo(base);
    if (d90) {
        y.BackAll();
        return;
    }
    y.Play(own, l1);
    y.Play(att, q2);
    y.Play(own, l2);
    int v = y.Score(att);
    y.BackAll();
    if (d70)
        v /= 2;
    AddSdOrMp(f, v);
}

// After the laddered cut: the attacker's push at Mq and the hane at Fd.
void KeimaSotoHaneNobi(const F& f)
{
    const int own = f.own, att = f.att;
    if (WeakGun(f.O1) || IroOf(f.Oq) == own)
        return;
    if (IroOf(StepBeyond(f.Mp, f.Na)) == att && IroOf(StepBeyond(f.Mq, f.Sd)) == kAki)
        return;
    int v = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, f.Mq) || !y.Play(own, f.Mp) || !y.Play(att, f.Fd))
            return;
        if (CaughtAt(f.Fd))
            return;
        if (ToruRenAt(f.Nb) == nullptr) {
            v = y.Score(att);
        } else if (KuuOf(f.Nb) == 1) {
            const Point l = KuuPointOf(f.Nb, 1);
            const int mark = y.Tries();
            if (y.Play(own, l) && LadderedAt(l)) {
                y.BackTo(mark);
                if (y.Play(own, f.O4))
                    y.Play(att, l);
            }
            v = y.Score(att);
        } else {
            v = y.Score(att);
            const TGun* gf = GunAt(f.Fd);
            if (gf != nullptr && gf->IsWeak() && gf->GetDeathLevel() >= 60)
                return;
            const TGun* gn = GunAt(f.Nb);
            if (gn != nullptr && gn->GetIsiSu() == 1) {
                y.Play(own, f.O4);
                y.Play(att, StepBeyond(f.Mp, f.Fd));
                v = std::min(v, y.Score(att));
            }
        }
    }
    Point p;
    const int total = KeimaSotoUke(f, p) + v;
    AddKohoSide(att, f.Mq, p, total);
}

void KeimaSotoHaneMain(const F& f, std::span<const Point> r, std::span<const Point> d)
{
    const int own = f.own, att = f.att;
    if (IroOf(f.Om) != kAki || IroOf(f.Oq) == own || LineNoPt(f.Mp) <= 1 || KuuOf(f.Na) <= 2)
        return;
    if (IroOf(f.O4) == kAki && IroOf(f.Oa) == own) {
        TIroCounts around;
        CountAround8(f.O4, around);
        if (around[kAki] == 8)
            return;
    }
    if (KuuOf(f.O1) <= 2)
        return;
    if (IroOf(f.O4) == att) {
        KeimaSotoHaneKiri(F(r, d, att, false));
        return;
    }

    int v = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, f.Mp) || !y.Play(own, f.Mq) || !y.Play(att, f.Sd))
            return;
        CurGoban().Analyze();
        if (KuuOf(f.Mp) == 1 || KuuOf(f.Sd) == 1 || DeadGun(f.Sd))
            return;
        if (KuuOf(f.Na) == 1 && LineNoPt(f.Na) > 1) {
            KeimaSotoHaneAtari(y, f);
            return;
        }
        if (LadderedAt(f.Mp)) {
            KeimaSotoHaneSichoTe(y, f);
            y.BackAll();
            KeimaSotoHaneNobi(f);
            return;
        }
        if (KuuOf(f.Na) == 1) {
            const Point l = KuuPointOf(f.Na, 1);
            y.Play(own, f.Fd);
            y.Play(att, l);
        } else if (IroOf(f.Ob) == att) {
            y.Play(own, f.Oq);
        }
        v = y.Score(att);
    }
    if (v >= 22 && IroOf(f.O4) == own) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(att, f.Mp)) {
            y.Play(own, f.Om);
            y.Play(att, f.Mq);
            v = std::min(v, y.Score(att));
        }
    }
    const Point z = StepBeyond(f.Mq, f.Sd);
    if (IroOf(z) == att && KuuOf(z) == 3) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(att, f.Mp)) {
            y.Play(own, f.Sd);
            y.Play(att, f.Mq);
            if (LadderedAt(z)) {
                y.Play(own, SichoTeOf(z, 1));
                v = std::min(v, y.Score(att));
            }
        }
    }
    Point p;
    const int total = KeimaSotoUke(f, p) + v;
    if (JibunIro == att) {
        AddKoho(f.Mp, total, 0);
        AddPreparedTe(f.Mp, f.Mq, f.Sd);
        AddPreparedTe(f.Mp, f.Sd, f.Mq);
    } else {
        AddKoho(p, total, 0);
    }
}

} // namespace

TSotoFrame::TSotoFrame(std::span<const Point> r, std::span<const Point> d, int a, bool m)
    : own(IsStone(a) ? Aite(a) : 0), att(a), mirror(m)
{
    const TPerm& p = m ? kMirror : kIdentity;
    const auto at = [](std::span<const Point> s, int i) { return s[static_cast<std::size_t>(i)]; };
    Na = at(r, p[0]);
    Sd = at(r, p[1]);
    Mp = at(r, p[2]);
    Mq = at(r, p[3]);
    Fd = at(r, p[4]);
    Nb = at(r, p[5]);
    Oa = at(d, p[0]);
    O1 = at(d, p[1]);
    Om = at(d, p[2]);
    Oq = at(d, p[3]);
    O4 = at(d, p[4]);
    Ob = at(d, p[5]);
}

void KeimaSotoNaka(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att)
{
    const std::optional<F> of = Orient(r, d, dc, att, 2);
    if (!of)
        return;
    const F& f = *of;
    const int own = f.own;
    if (IroOf(f.Oq) == att) {
        KeimaSotoRyoNaka(f);
        return;
    }
    if (IroOf(f.Oq) == own && IroOf(f.Ob) == kAki)
        return;
    if (IroOf(f.O1) == att) {
        KeimaSotoNakaHane(f);
        return;
    }
    if (IroOf(f.Ob) == att) {
        KeimaSotoNakaUra(f);
        return;
    }
    if (KuuOf(f.Om) == 1)
        return;
    if (IroOf(f.Oa) == own) {
        // The owner's stones around Om already close the attacker in.
        const Point z1 = StepBeyond(f.Mp, f.Om), z2 = StepBeyond(f.Om, f.O4);
        if (IroOf(z1) == kAki && IroOf(f.O4) == kAki && IroOf(z2) == own && NeighboursOf(z1, att) <= 1)
            return;
    }
    int v = 0;
    Point po;
    if (!SotoNakaOwner(f, v, po))
        return;
    int k = 0;
    bool noCut = false;
    if (!SotoNakaCut(f, k, noCut, v, po))
        return;
    const int total = KeimaSotoNakaTotal(v, k, noCut, JibunIro == att);
    if (JibunIro == own) {
        AddKoho(po, total, 0);
        LinkMark1Set(po, 1);
    } else {
        AddKoho(f.Mp, total, 0);
        if (!noCut)
            AddPreparedTe(f.Mp, f.Mq, f.Sd);
    }
    if (noCut)
        KeimaSotoNakaSicho(f);
}

void KeimaSotoHane(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att)
{
    if (const std::optional<F> f = Orient(r, d, dc, att, 1))
        KeimaSotoHaneMain(*f, r, d);
}

void KeimaSotoHaneSicho(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att)
{
    const std::optional<F> of = Orient(r, d, dc, att, 1);
    if (!of)
        return;
    const F& f = *of;
    const int own = f.own;
    const Point z = StepBeyond(f.Mq, f.Oq);
    if (IroOf(z) != own || KuuOf(z) != 2 || SichoOf(z) == 1)
        return;
    const std::optional<TLadderPush> push = PushAndLadder(f, z);
    if (!push)
        return;
    // The owner's answer at the ladder's first move instead of the block.
    const std::optional<int> w = TShapeYomi(TRefusal::GoOn).Line(att, {{att, f.Mq}, {own, push->first}, {att, f.Mp}});
    const int v = w ? std::min(push->value, *w) : push->value;
    AddKoho(f.Mq, UtuHyoka(own, f.Mq) + v, 0);
}

void KeimaSotoTuke(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att)
{
    const std::optional<F> of = Orient(r, d, dc, att, 0);
    if (!of)
        return;
    const F& f = *of;
    const int own = f.own;
    if (IroOf(f.Om) != kAki || LineNoPt(f.Oa) <= 1 || KuuOf(f.Oa) == 1 || IroOf(StepBeyond(f.Mp, f.Om)) == own)
        return;
    const Point k1 = StepBeyond(f.Na, f.Sd), k2 = StepBeyond(f.Mp, f.Om), k3 = StepBeyond(f.Na, f.Om);

    // The owner's side: Mp, or the hane at Om when it ladders the cut.
    Point po = f.Mp;
    int vo = 0;
    bool hane = false;
    if (KuuOf(f.Na) != 2) {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, f.Om))
            return;
        if (y.Play(att, f.Mp) && LadderedAt(f.Mp)) {
            hane = true;
            po = f.Om;
            y.Back();
            if (IroOf(k3) == att)
                y.Play(att, k2);
            vo = y.Score(own);
        }
    }
    if (!hane)
        vo = UtuHyoka(own, f.Mp);

    // The attacker's side: the cut at Mp and what it leaves of Na.
    int va = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, f.Mp))
            return;
        y.Play(own, f.Mq);
        if (KuuOf(f.Na) == 1) {
            y.Play(att, KuuPointOf(f.Na, 1));
            y.Play(own, k1);
            va = y.Score(att);
        } else if (LadderedAt(f.Na)) {
            const Point t = SichoTeOf(f.Na, 1);
            y.Play(att, t);
            if (t == f.Sd && y.Play(own, k1) && KuuOf(t) == 1 && y.Play(att, KuuPointOf(t, 1)))
                va = y.Score(att);
            if (va == 0)
                va = y.Score(att);
        } else {
            // The cut at Sd between Na and the owner's block at Mq.
            va = KiriHyoka(att, f.Sd, f.Mq, f.Na);
            if (va <= 0)
                va = y.Score(att);
        }
    }
    int bonus = 0;
    const int total = KeimaSotoTukeTotal(vo + va, JibunIro == att, bonus);
    AddKohoSide(att, f.Mp, po, total, bonus);
}

int KeimaSotoNakaOwnerValue(int diff) { return diff > 25 ? diff / 4 : diff; }

int KeimaSotoNakaTotal(int v, int k, bool noCut, bool engineAttacks)
{
    int total = v + k;
    if (v < 0 || k < 0)
        total /= 2;
    if (noCut) {
        if (total >= 1 && total <= 3)
            total = 2 * total + 1 + (engineAttacks ? 2 : 0);
        else if (total == 4)
            total = 6;
    }
    if (total == 0)
        total = -1;
    else if (total == 2)
        total = 4;
    return total;
}

int KeimaSotoTukeTotal(int total, bool engineAttacks, int& bonus)
{
    bonus = 0;
    if (total < 0) {
        total *= 2;
        if (engineAttacks)
            bonus = -total;
    }
    return total;
}

} // namespace vorn

#include "engine/shapes/KeimaTuke.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/LinkUtil.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

using F = TKeimaFrame;

int MeOf(Point p)
{
    const TGun* g = GunAt(p);
    return g == nullptr ? 0 : g->GetMe();
}

bool OnBoard(Point p) { return CurGoban().OnBoardPt(p); }

// The engine's side of a reading: ownerPt when the engine owns the link,
// attPt when it attacks.
void AddAt(const F& f, Point ownerPt, Point attPt, int value) { AddKohoSide(f.att, attPt, ownerPt, value); }

// The owner's value vo after its answer at p (standing on the board), raised
// toward a double atari that answer sets up: halfway to its value d, but no
// further than twice the sum with the attacker's value v.
int Smoothed(int vo, int v, Point p)
{
    const int d = RyoAtariHyoka(p);
    if (vo < d)
        vo = std::min(vo + (d - vo) / 2, 2 * (vo + v));
    return vo;
}

// --- Attacker stones on both side points ------------------------------------------

void KeimaRyoTuke(const TKeimaBox& box)
{
    const int own = box.own, att = box.att;
    const Point r2 = box.R[2], r3 = box.R[3];
    int o2 = 0, o3 = 0, a2 = 0, a3 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, r2))
            return;
        if (SichoCheck(r2) == 1) {
            o2 = -9;
        } else {
            y.Play(att, r3);
            o2 = y.Score(own);
        }
    }
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(own, r3))
            return;
        const int mark = y.Tries();
        // An answer the ladder takes is no answer.
        if (y.Play(att, r2) && KuuOf(r2) == 2 && SichoCheck(r2) == 1)
            y.BackTo(mark);
        o3 = y.Score(own);
    }
    for (int i = 0; i < 2; ++i) {
        const Point p = i == 0 ? r2 : r3, q = i == 0 ? r3 : r2;
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(att, p))
            return;
        int v = -9;
        if (SichoCheck(p) != 1) {
            y.Play(own, q);
            v = y.Score(att);
        }
        (i == 0 ? a2 : a3) = v;
    }
    int bo = std::max(o2, o3), ba = std::max(a2, a3);
    const Point po = o3 > o2 ? r3 : r2, pa = a3 > a2 ? r3 : r2;
    if (bo > 0 && ba < 0)
        ba = 0;
    if (bo < 0 && ba > 0)
        bo = 0;
    if (bo + ba > 0)
        AddKohoSide(att, pa, po, bo + ba);
}

// --- The touched stone with two liberties -------------------------------------------

// The owner's stone at E_M: the attacker's double hane around S.
void KeimaTukeRyoAtari(const F& f)
{
    int e1 = 0, e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.M))
            return;
        const int push = y.Tries();
        y.Play(f.own, f.F);
        y.Play(f.att, f.Z);
        e1 = y.Score(f.att);
        y.BackTo(push);
        y.Play(f.own, f.Z);
        y.Play(f.att, f.F);
        Point first;
        if (ToruSicho(f.T, &first))
            y.Play(f.own, first);
        e2 = y.Score(f.att);
    }
    const int v = std::min(e1, e2);
    int vo = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.own, f.N))
            return;
        vo = Smoothed(y.Score(f.own), v, f.N);
    }
    AddAt(f, f.N, f.M, vo + v);
}

// S with two liberties that no ladder takes.
void KeimaTukeDame2(const F& f)
{
    if (IroOf(f.EM) == f.own) {
        KeimaTukeRyoAtari(f);
        return;
    }
    if (!OnBoard(f.Z))
        return;
    // An attacker's chain next to S's chain in atari (the last one).
    Point k;
    if (TRen* rs = ToruRenAt(f.S); rs != nullptr) {
        for (int i = 1; i <= rs->MrenCount(); ++i) {
            TRen* m = CurGoban().RenList.Items(rs->Mren(i));
            if (m != nullptr && m->GetIro() == f.att && m->Kuu() == 1)
                k = m->GetKuu(1);
        }
    }
    int v = 0;
    Point l; // S's liberty after the push; only read without K
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.M))
            return;
        if (k.x != 0) {
            y.Play(f.own, k);
            v = y.Score(f.att);
        } else {
            v = y.Score(f.att);
            l = KuuPointOf(f.S, 1);
        }
    }
    Point p = f.M;
    if (KuuOf(f.T) == 2) {
        if (EmptyNeighbours(f.Z) == 3)
            p = f.Z;
    } else if (IroOf(f.EF) == f.own && IroOf(f.Z) == kAki) {
        if (EmptyNeighbours(f.Z) == 3)
            p = f.Z;
    } else if (k.x == 0 && l == f.EM) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(f.own, f.N) && y.Play(f.att, f.M) && SichoCheck(f.M) == 1)
            p = f.N;
    }
    int vo = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.own, p))
            return;
        vo = Smoothed(y.Score(f.own), v, p);
    }
    const int total = vo + v;
    if (JibunIro == f.att) {
        AddKoho(f.M, total, 0);
        AddPreparedTe(f.M, f.Z, f.N);
        AddPreparedTe(f.M, f.N, f.Z);
    } else {
        AddKoho(p, total, 0);
    }
}

// S with two liberties and a ladder status, above the second line.
void KeimaTukeSicho(const F& f)
{
    if (LineNoPt(f.S) <= 2)
        return;
    int e1 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.own, f.N))
            return;
        CurGoban().Analyze();
        if (SichoCheck(f.S) == 1)
            return;
        e1 = HyokaDiff(f.own);
    }
    const int e2 = UtuHyoka(f.att, f.M);
    AddAt(f, f.N, f.M, e1 + e2);
}

// --- Patterns of the closing block and of a laddered contact stone --------------

// M on the third line, N on the fourth: the push and the hane under it.
void KeimaTukeSanDan(const F& f)
{
    if (LineNoPt(f.M) != 3 || LineNoPt(f.N) != 4)
        return;
    if (IroOf(f.EM) != kAki || EmptyNeighbours(f.EM) < 2 || KuuOf(f.T) <= 2 || IroOf(f.EF) == f.own)
        return;
    const std::optional<int> v = TShapeYomi(TRefusal::GoOn).Line(f.att, {{f.att, f.M}, {f.own, f.N}, {f.att, f.EM}});
    if (!v)
        return;
    if (JibunIro == f.att) {
        AddKoho(f.M, *v, 0);
        AddPreparedTe(f.M, f.N, f.EM);
        return;
    }
    bool laddered = false;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(f.own, f.N) && y.Play(f.att, f.M))
            laddered = SichoCheck(f.M) == 1;
    }
    AddKoho(laddered ? f.N : f.M, *v, 0);
}

// The attacker's hane at Y behind S.
void KeimaTukeHane(const F& f)
{
    if (IroOf(f.Y) != kAki || EmptyNeighbours(f.Y) < 3)
        return;
    int v = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.Y))
            return;
        if (JibunIro == f.att) {
            y.Play(f.att, f.M);
            v = y.Score(f.att) / 2;
        } else {
            v = y.Score(f.att);
        }
    }
    Point p = f.Y;
    if (EmptyNeighbours(f.U) == 3 && IroOf(f.X) != f.att && IroOf(f.EN) != f.att)
        p = f.U;
    int total = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.own, p))
            return;
        total = y.Score(f.own) + v;
    }
    AddKoho(JibunIro == f.att ? f.Y : p, total, 0);
}

// The contact stone caught by a ladder.
void KeimaTukeSichoIsi(const F& f)
{
    if (IroOf(f.X) == f.own)
        return;
    if (EmptyNeighbours(f.W) < 3) {
        const std::optional<int> e1 = TShapeYomi(TRefusal::GoOn).Line(f.att, {{f.att, f.N}, {f.own, f.M}});
        if (!e1)
            return;
        int e2 = 0;
        {
            TShapeYomi y(TRefusal::GoOn);
            if (!y.Play(f.own, f.N))
                return;
            e2 = y.Score(f.own);
            if (JibunIro == f.own && KuuOf(f.T) == 2 && IroOf(f.X) == kAki && EmptyNeighbours(f.X) >= 2) {
                y.Play(f.own, f.X);
                const int e3 = y.Score(f.own);
                if (e2 < e3)
                    e2 += (e3 - e2) / 2;
            }
        }
        int total = *e1 + e2;
        if (total == 2)
            total = 5;
        AddKoho(f.N, total, 0);
        return;
    }
    const int cN2 = IroOf(f.N2);
    if (cN2 == f.own || (cN2 != f.att && IroOf(f.X2) == f.own))
        return;
    int e1 = 0, n = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.N))
            return;
        y.Play(f.own, f.M);
        y.Play(f.att, f.W);
        e1 = y.Score(f.att);
        n = KuuOf(f.N);
    }
    if (n <= 2)
        return;
    Point p = f.N;
    if (Point first; ToruSicho(f.T, &first))
        p = first;
    const int total = e1 + UtuHyoka(f.own, p);
    if (JibunIro == f.own) {
        AddKoho(p, total, 0);
    } else {
        AddKohoEx(f.N, total, kkKeima27, f.N);
        AddKoho(f.N, total, 0);
        AddPreparedTe(f.N, f.M, f.W);
    }
}

// The owner's stone at U with two liberties: the attacker's hane at Y.
void KeimaTukeSoto(const F& f)
{
    if (IroOf(f.U) != f.own || KuuOf(f.U) != 2 || IroOf(f.Y) != kAki || CurGoban().IsSelfAtariPt(f.att, f.Y) == 1)
        return;
    int v = 0;
    Point l;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(f.att, f.Y))
            return;
        l = KuuPointOf(f.U, 1);
        y.Play(f.own, l);
        y.Play(f.att, f.M);
        v = y.Score(f.att);
    }
    if (JibunIro == f.own) {
        AddKoho(f.M, v, 0);
    } else {
        AddKoho(f.Y, v, 0);
        AddPreparedTe(f.Y, l, f.M);
    }
}

// A lone contact stone with two liberties whose capture the owner can force;
// true when handled.
bool KeimaTukeTori(const F& f)
{
    const TRen* rt = ToruRenAt(f.T);
    if (rt == nullptr || rt->IsiCount() != 1 || IroOf(f.X) != kAki)
        return false;
    TIroCounts around;
    CountNeighbour(f.X, around);
    if (around[f.att] != 4 || KuuOf(f.S) != 3)
        return false;
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(f.att, f.M))
        return false;
    y.Play(f.own, f.N);
    const int two = y.Tries();
    if (!y.Play(f.own, f.X) || KuuOf(f.X) != 1)
        return false;
    y.BackTo(two);
    y.Play(f.att, f.X);
    const bool fl = SichoCheck(f.S) == 1;
    y.BackTo(1);
    const int v = fl ? y.Score(f.att) : 0;
    y.BackAll();
    if (!fl)
        return false;
    AddAt(f, f.N, f.M, v / 2);
    return true;
}

// An attacker's stone at Q, beyond F on S's line.
void KeimaTukeNobi(const F& f)
{
    if (IroOf(f.F) != kAki || KuuOf(f.Q) <= 1 || IroOf(f.EF) == f.own)
        return;
    if (IroOf(f.EF) == f.att && LineNoPt(f.N) == 2) {
        const std::optional<int> e1 =
            TShapeYomi(TRefusal::GoOn).Line(f.att, {{f.att, f.N}, {f.own, f.M}, {f.att, f.F}});
        if (e1)
            AddAt(f, f.M, f.N, *e1 + UtuHyoka(f.own, f.M));
        return;
    }
    const int e1 = UtuHyoka(f.att, f.F);
    Point p;
    if (IroOf(f.EM) == f.own)
        p = f.N;
    else if (LineNoPt(f.M) == 2)
        p = f.F;
    else if (KuuOf(f.T) <= 2)
        p = f.N;
    else
        p = f.M;
    int e2 = UtuHyoka(f.own, p);
    if (e2 < 0)
        e2 *= 2;
    AddAt(f, p, f.F, e1 + e2);
}

// --- Readings on the router's push (the attacker at M, the owner at N) --------

// M on the second line and both owner groups alive: the attacker's
// hane behind S.
void KeimaTukeNidan(const F& f)
{
    if (KuuOf(f.S) != 3 || EmptyNeighbours(f.Z) != 2)
        return;
    const int c = Aite(IroOf(f.S));
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(c, f.Z) || SichoCheck(f.M) == 1)
        return;
    AddKoho(f.M, y.Score(c), 0);
}

// The push continued along the edge: the attacker at F, the owner at Q.
int KeimaTukeNobiHyoka(const F& f)
{
    TShapeYomi y(TRefusal::GoOn);
    const bool atF = y.Play(f.att, f.F);
    const bool atQ = y.Play(f.own, f.Q);
    if (atF && atQ && KuuOf(f.Q) >= 3 && KuuOf(f.F) == 2) {
        if (Point first; ToruSicho(f.F, &first))
            y.Play(f.own, first);
    }
    return y.Score(f.att);
}

// The owner's block at N (the last move of y) caught by a ladder: the push
// is worth the position without it.  N is played again afterwards.
void KeimaTukeModosiHyoka(TShapeYomi& y, const F& f)
{
    if (KuuOf(f.N) != 2 || SichoCheck(f.N) == 0)
        return;
    y.Back();
    AddKoho(f.M, y.Score(f.att), 0);
    y.Play(f.own, f.N);
}

// The closing block after the push was read.
void Closing(const F& f)
{
    LinkMark2Set(f.N, 1);
    KeimaTukeHane(f);
    KeimaTukeSichoIsi(f);
    KeimaTukeSanDan(f);
}

// Steps after the push with S at two liberties and no ladder on it: the
// owner's block at N.  True when the closing block is still to run.
bool PushDame2(TShapeYomi& y, const F& f)
{
    if (!y.Play(f.own, f.N))
        return false;
    CurGoban().Analyze();
    const TGun* gm = GunAt(f.M);
    bool keep = gm == nullptr || gm->IsDeath70() != 1;
    if (keep) {
        const bool m = CaughtAt(f.M);
        // Tried on a level of its own, so that this level's analysis stays.
        TShapeYomi x(TRefusal::GoOn);
        if (x.PushPlay(f.own, f.X)) {
            const bool caughtX = CaughtAt(f.X);
            x.BackAll();
            if (m && !caughtX)
                keep = false;
        }
    }
    if (!keep) {
        y.BackAll();
        return true;
    }
    const int v = HyokaDiff(f.att);
    y.BackAll();
    int e1 = 0;
    {
        TShapeYomi z(TRefusal::GoOn);
        if (!z.Play(f.own, f.M))
            return false;
        e1 = z.Score(f.own);
        if (const TGun* g = GunAt(f.M); g != nullptr && g->IsDeath90() == 1)
            return false;
    }
    AddKoho(f.M, e1 + v, 0);
    return false;
}

// Steps after the push with S at one liberty or more than two.  True when
// the closing block is still to run.
bool PushBlock(TShapeYomi& y, const F& f)
{
    if (!y.Play(f.own, f.N))
        return false;
    CurGoban().Analyze();
    if (MeOf(f.S) >= 4 && MeOf(f.N) >= 4) {
        if (LineNoPt(f.M) == 2)
            KeimaTukeNidan(f);
        else
            KeimaTukeModosiHyoka(y, f);
        y.BackAll();
        return true;
    }
    const int me = MeOf(f.M);
    int v = LineNoPt(f.M) == 2 ? KeimaTukeNobiHyoka(f) : y.Score(f.att);
    Point p = f.M;
    if (EmptyNeighbours(f.N) > 0 && IroOf(StepBeyond(f.M, f.EM)) != f.att && SichoCheck2(f.M) == 1)
        p = f.N;
    y.Back();
    if (IroOf(f.EF) == f.own)
        v = std::min(v, y.ScoreAfter(f.att, {{f.own, f.EM}}));
    y.BackAll();
    // A pushing group without two eyes gains little.
    if (me < 4)
        v /= 4;
    AddAt(f, p, f.M, v);
    return false;
}

} // namespace

void KeimaTuke(Point a, Point b)
{
    const TKeimaBox box(a, b);
    const int own = box.own, att = box.att;
    if (att == 0)
        return;
    if (box.c[1] == att && box.c[4] == att) {
        KeimaRyoTuke(box);
        return;
    }
    if (box.c[1] != att && box.c[4] != att)
        return;
    const F f = F::Of(box);

    if (SichoOf(f.T) == 1) {
        KeimaTukeSichoIsi(f);
        KeimaTukeSoto(f);
        KeimaTukeSanDan(f);
        return;
    }
    if (IroOf(f.EM) == att || IroOf(f.Z) == att)
        return;
    if (IroOf(f.Q) == att) {
        KeimaTukeNobi(f);
        return;
    }
    if (IroOf(f.X) == own && IroOf(f.EN) != own)
        return;
    if (KuuOf(f.T) == 1) {
        // The contact stone in atari: the owner takes it, or it runs out at N.
        const int e1 = UtuHyoka(own, f.N);
        int e2 = 0;
        {
            TShapeYomi y(TRefusal::GoOn);
            if (!y.Play(att, f.N))
                return;
            y.Play(own, f.M);
            e2 = y.Score(att);
        }
        AddKoho(f.N, e1 + e2, 0);
        LinkMark2Set(f.N, 1);
        return;
    }
    const int ks = KuuOf(f.S);
    if (ks <= 1)
        return;
    if (ks == 2) {
        if (SichoOf(f.S) >= 1)
            KeimaTukeSicho(f);
        else
            KeimaTukeDame2(f);
        return;
    }
    if (KuuOf(f.T) == 2 && KeimaTukeTori(f))
        return;
    if (IroOf(f.Y) == kAki && OnBoard(f.Y2)) {
        const Point u2 = StepBeyond(f.T, f.U);
        if (IroOf(f.U) == kAki && IroOf(u2) == own && IroOf(f.Y2) == kAki) {
            KeimaStripUtu(f.O, u2);
            return;
        }
    }

    // The push at M.  A refused push reads nothing.
    TShapeYomi y(TRefusal::GoOn);
    if (!y.PushPlay(att, f.M) || CaughtAt(f.M))
        return;
    if (KuuOf(f.T) == 2) {
        if (SichoCheck(f.T) == 1)
            return;
        const int push = y.Tries();
        if (!y.Play(own, f.N) || !y.Play(att, KuuPointOf(f.T, 1)))
            return;
        if (SichoCheck(f.M) == 1) {
            y.BackAll();
            KeimaTukeSichoIsi(f);
            KeimaTukeSoto(f);
            return;
        }
        y.BackTo(push);
    }
    if (KuuOf(f.S) == 2 && SichoCheck(f.S) == 1) {
        // S falls to a ladder after the push.
        const int v = IroOf(f.EM) == own ? y.ScoreAfter(att, {{own, f.F}, {att, f.N}}) : y.Score(att);
        y.BackAll();
        if (JibunIro == att) {
            AddKoho(f.M, v, 0);
            return;
        }
        const int kt = KuuOf(f.T);
        Point p = kt == 1 ? f.N : kt == 2 ? (SichoOf(f.T) >= 1 ? SichoTeOf(f.T, 1) : f.N) : f.M;
        if (p != f.N && (IroOf(f.EM) == own || (IroOf(f.Z) == own && IroOf(f.EF) == own)))
            p = f.N;
        AddKoho(p, UtuHyoka(own, p) + v, 0);
        return;
    }
    const bool closing = KuuOf(f.S) == 2 ? PushDame2(y, f) : PushBlock(y, f);
    y.BackAll();
    if (closing)
        Closing(f);
}

} // namespace vorn

#include "engine/Kyuba.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/Keima.h"

namespace vorn {

TKankeiHandler KeimaKankeiHandler = KeimaRenraku;

int YomiHyoka(int colour) { return Level > 0 ? Hyoka(colour) : 0; }

int LineHyoka(int colour, std::initializer_list<TTe> moves)
{
    TYomiTrial line;
    for (const TTe& te : moves)
        line.Play(te.Iro, te.Pt);
    return YomiHyoka(colour);
}

int PushHyoka(int colour, Point p)
{
    TYomiTrial line;
    line.PushPlay(colour, p);
    return YomiHyoka(colour);
}

namespace {

inline int IroAt(Point p) { return CurGoban().GetIroPt(p); }

inline Point Dir4(Point p, int d) { return Point(p.x + Dir4X[d], p.y + Dir4Y[d]); }

// ca may play at p, and it is no self-atari there (tables of the current
// board).
bool CanAttackAt(int ca, Point p)
{
    const TGoban& b = CurGoban();
    return b.IsKinsiPt(ca, p) == 0 && b.IsSelfAtariPt(ca, p) == 0;
}

// The last chain (direction order) of colour c next to p that is in atari;
// nullptr when none.
TRen* LastAtariRen(Point p, int c)
{
    int chains[4];
    const int n = ListTonariRen(p, c, chains);
    TRen* found = nullptr;
    for (int i = 0; i < n; ++i) {
        TRen* r = CurGoban().RenList.Items(chains[i]);
        if (r != nullptr && r->Kuu() == 1)
            found = r;
    }
    return found;
}

// The first two moves of the ladder that catches the chain at p on the
// current board (chains rebuilt first); false when the ladder fails.
bool LadderStart(Point p, Point& m1, Point& m2)
{
    ToruRenMake();
    if (!ToruSicho(p))
        return false;
    TRen* r = ToruRenAt(p);
    if (r == nullptr)
        return false;
    m1 = r->SichoTe(1);
    m2 = r->SichoTe(2);
    return true;
}

// The owner's way out of the ataris that the stone just played at p gives
// its chains of colour co (read on fresh chains, direction order): for each
// one in atari whose liberty is not `avoid` (nor, with skipRepeat, the
// liberty just taken), ext := its liberty and esc := ext, or the liberty of a
// chain in atari beside it that it can capture instead, which also goes to
// `capture` (kept from an earlier chain when a later one has none).
struct TAtariEscape {
    Point Ext, Esc, Capture;
};
TAtariEscape AtariEscape(Point p, int co, Point avoid, bool skipRepeat)
{
    const TGoban& b = CurGoban();
    TAtariEscape out;
    int chains[4];
    const int n = ListTonariRen(p, co, chains);
    for (int i = 0; i < n; ++i) {
        TRen* x = b.RenList.Items(chains[i]);
        if (x == nullptr || x->Kuu() != 1 || x->GetKuu(1) == avoid || (skipRepeat && x->GetKuu(1) == out.Ext))
            continue;
        out.Ext = out.Esc = x->GetKuu(1);
        for (int j = 1; j <= x->MrenCount(); ++j) {
            TRen* m = b.RenList.Items(x->Mren(j));
            if (m != nullptr && m->Kuu() == 1)
                out.Esc = out.Capture = m->GetKuu(1);
        }
    }
    return out;
}

// A group as it stood when a scan began: its stones and its liberties.  The
// readings of a scan may analyse the board the group lives on again, so the
// scan asks this copy, never the group.
struct TGunSnap {
    Grid<std::uint8_t, 1, 19> Isi{};
    Grid<std::uint8_t, 1, 19> Dame{};

    explicit TGunSnap(const TGun& g)
    {
        const TGoban& b = CurGoban();
        for (int i = 1; i <= g.GetIsiSu(); ++i) {
            const Point p = g.GetYoso(i);
            if (b.OnBoardPt(p))
                Isi[p.x][p.y] = 1;
        }
        for (int i = 1; i <= g.GetFromSu(); ++i) {
            const Point p = g.GetFromB(i);
            if (g.GetFromValue(i) == KankeiTonari && b.OnBoardPt(p))
                Dame[p.x][p.y] = 1;
        }
    }
    bool HasIsi(Point p) const { return CurGoban().OnBoardPt(p) && Isi[p.x][p.y] == 1; }
    bool IsDame(Point p) const { return CurGoban().OnBoardPt(p) && Dame[p.x][p.y] == 1; }
};

// Runs a scan over the whole board, or with a group over a copy of it.
void ScanFor(const TGun* gun, void (*scan)(const TGunSnap*))
{
    if (gun == nullptr) {
        scan(nullptr);
        return;
    }
    const TGunSnap snap(*gun);
    scan(&snap);
}

} // namespace

// ---------------------------------------------------------------------------
// The shared liberty

namespace {

// The owner's liberty lo invites the ladder's answer: it is open, it is an
// atari point of the owner, or it lies between two owner's stones facing
// each other across it.
bool OpenBeside(Point lo, int co)
{
    const int empty = EmptyNeighbours(lo);
    if (empty == 3 || AtariMapAt(co, lo) == 1)
        return true;
    Point own[4];
    return empty == 2 && ListNeighbour(lo, co, own) == 2 && Kyori(own[0], own[1]) == 3;
}

// ca plays li, the liberty R shares with the chain of s; R's owner extends
// at lo, and the ladder catches the chain of s.
void DameShareRead(int ca, Point li, Point lo, Point s)
{
    const int co = Aite(ca);
    {
        // The owner's own move at li must not leave a dead group.
        TYomiTrial t;
        if (!t.PushPlay(co, li))
            return;
        CurGoban().Analyze();
        const TGun* g = GunAt(li);
        if (g != nullptr && g->IsDeath90() != 0)
            return;
    }
    TYomiTrial line;
    if (!line.PushPlay(ca, li))
        return;
    ToruRenMake();
    if (ToruSicho(li) || !line.Play(co, lo))
        return;
    ToruRenMake();
    int around[4];
    if (ListTonariRen(li, co, around) < 2)
        return;
    TRen* r3 = ToruRenAt(s);
    if (r3 == nullptr || r3->Kuu() <= 1 || !ToruSicho(s))
        return;
    const Point k1 = r3->SichoTe(1);
    Point k2 = r3->SichoTe(2);
    if (k2.x == 0)
        k2 = r3->GetKuu(1) != k1 ? r3->GetKuu(1) : r3->GetKuu(2);
    if (k1.x == 0)
        return;
    int v = LineHyoka(ca, {{ca, k1}, {ca, k2}});
    line.Back();
    v = std::min(v, LineHyoka(ca, {{co, k1}, {ca, lo}}));
    line.BackAll();

    if (JibunIro == ca) {
        AddKoho(li, v, 0);
        return;
    }
    if (JibunIro != co)
        return;
    // The owner's answer: the shape point next to li when li cuts, or the
    // liberty lo itself when the cutting stone is then caught.
    Point answer = li;
    if (KiriMapAt(ca, li) == 1) {
        answer = TonariPairTe(li, ca);
        if (OpenBeside(lo, co)) {
            TYomiTrial t;
            if (t.PushPlay(co, lo) && t.Play(ca, li)) {
                ToruRenMake();
                if (ToruSicho(li))
                    answer = lo;
            }
        }
    }
    AddKoho(answer, v, 0);
}

} // namespace

void DameShareThink()
{
    ForEachRen(2, [](TRen* r) { DameShareUtu(r); });
}

void DameShareUtu(TRen* ren)
{
    if (ren == nullptr || ren->Kuu() != 2 || (ren->GetIro() != kKuro && ren->GetIro() != kSiro))
        return;
    const TGoban& b = CurGoban();
    const int co = ren->GetIro(), ca = Aite(co), self = ren->GetNo();
    if (ren->GetSicho() == kSichoToreru || TonariAtariKuu(ren).x != 0)
        return;
    const Point libs[2] = {ren->GetKuu(1), ren->GetKuu(2)};
    for (int i = 0; i < 2; ++i) {
        const Point li = libs[i], lo = libs[1 - i];
        int around[4];
        const int n = ListTonariRen(li, co, around);
        if (!CanAttackAt(ca, li) || n < 2)
            continue;
        // The three-liberty chains beside li, by a stone: the readings
        // below may leave the chain list of this board stale.
        Point shared[4];
        int k = 0;
        for (int j = 0; j < n; ++j) {
            const TRen* r2 = b.RenList.Items(around[j]);
            if (r2 != nullptr && around[j] != self && r2->Kuu() == 3)
                shared[k++] = r2->GetIsi(1);
        }
        for (int j = 0; j < k; ++j)
            DameShareRead(ca, li, lo, shared[j]);
    }
}

// ---------------------------------------------------------------------------
// Atari before the cut

namespace {

// ca ataris at s a chain beside the firm diagonal whose other crossing
// point is t, then cuts at t.
void KosumiAtariKiri(Point p, Point s, Point t, int ca)
{
    if (!InYomiArea(s) || KiriMapAt(ca, s) == 1)
        return;
    const TGun* pg = GunAt(p);
    if (pg != nullptr && pg->GetDeath() == 1)
        return;
    const int co = Aite(ca);
    TYomiTrial line;
    if (!line.PushPlay(ca, s))
        return;
    ToruRenMake();
    // The owner's escape from the atari: a capture of a chain in atari
    // beside the chain (esc), or the extension at its liberty (ext).
    const TAtariEscape way = AtariEscape(s, co, t, false);
    const Point esc = way.Esc, ext = way.Ext;
    if (ext.x == 0)
        return;
    int w1, w2;
    {
        TYomiTrial cut;
        if (!cut.Play(co, esc) || !cut.Play(ca, t))
            return;
        ToruRenMake();
        TRen* r = ToruRenAt(t);
        if (r == nullptr || r->Kuu() == 1 || (r->Kuu() == 2 && ToruSicho(t)))
            return;
        w1 = YomiHyoka(ca);
    }
    w2 = LineHyoka(ca, {{co, t}, {ca, ext}});
    line.BackAll();
    AddKoho(s, std::min(w1, w2), 0);
}

void KosumiAtariScan(const TGunSnap* gun)
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const Point p(x, y);
            if (b.GetIroPt(p) != kKuro && b.GetIroPt(p) != kSiro)
                continue;
            // The diagonal links of p, taken before any reading.
            Point partners[kMaxKankei];
            int n = 0;
            const TLocate& loc = b.GetLocatePt(p);
            for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
                const Point q = loc.GetKankeiPoint(i);
                if (loc.GetKankeiKind(i) == KankeiNaname && loc.GetLinkGrade(i) == 1 && loc.OnBoardAt(i) && p.x <= q.x)
                    partners[n++] = q;
            }
            for (int i = 0; i < n; ++i) {
                const Point q = partners[i];
                const int co = IroAt(q);
                if (co != kKuro && co != kSiro)
                    continue;
                const int ca = Aite(co);
                const Point s1(p.x, q.y), s2(q.x, p.y);
                if (gun != nullptr && !gun->IsDame(s1) && !gun->IsDame(s2))
                    continue;
                if (CanAttackAt(ca, s1) && AtariMapAt(ca, s1) != 0)
                    KosumiAtariKiri(p, s1, s2, ca);
                if (CanAttackAt(ca, s2) && AtariMapAt(ca, s2) != 0)
                    KosumiAtariKiri(p, s2, s1, ca);
            }
        }
}

} // namespace

void KosumiAtariThink(const TGun* gun) { ScanFor(gun, KosumiAtariScan); }

// ---------------------------------------------------------------------------
// Moves on the ladder path

namespace {

// ca ataris at kj, on the path of the ladder of the chain at s0, a chain of
// the owner beside it; after the owner's extension the ladder works.
void SichoMichiAtari(Point kj, Point s0, Point t, int ca)
{
    const int co = Aite(ca);
    int m;
    {
        TYomiTrial line;
        if (!line.PushPlay(ca, kj))
            return;
        ToruRenMake();
        TRen* a = LastAtariRen(kj, co);
        if (a == nullptr)
            return;
        const Point l = a->GetKuu(1);
        if (!line.Play(co, l))
            return;
        ToruRenMake();
        const TRen* al = ToruRenAt(l);
        const TRen* r = ToruRenAt(s0);
        Point m1, m2;
        if (al == nullptr || al->Kuu() == 1 || r == nullptr || r->Kuu() != 2 || !LadderStart(s0, m1, m2))
            return;
        const int w1 = LineHyoka(ca, {{ca, m1}, {ca, m2}});
        line.Back();
        m = std::min(w1, LineHyoka(ca, {{ca, l}}));
    }
    // The owner's answer: kj itself, or the capture that saves the chain at
    // t; around a cut at kj the better of its two open sides.
    ToruRenMake();
    Point y = kj;
    const Point saves = TonariAtariKuu(ToruRenAt(t));
    if (saves.x != 0)
        y = saves;
    int w3 = PushHyoka(co, y);
    if (CurGoban().IsToruTenPt(ca, kj) == 0 && NeighboursOf(kj, co) == 2 && EmptyNeighbours(kj) == 2)
        for (int d = 1; d <= 4; ++d) {
            const Point n = Dir4(kj, d);
            if (IroAt(n) != kAki)
                continue;
            const int v = PushHyoka(co, n);
            if (v > w3) {
                w3 = v;
                y = n;
            }
        }
    AddKohoSide(ca, kj, y, m + w3);
}

// ca cuts at kj, on the path of the ladder of the chain at s0 that starts
// at k1, and the cut leaves an owner's chain beside it caught by a ladder.
void SichoMichiKiri(Point kj, Point s0, Point k1, int ca)
{
    const TGoban& b = CurGoban();
    const int co = Aite(ca);
    if (b.IsToruTenPt(ca, kj) != 0 || !CanAttackAt(ca, kj))
        return;
    bool threeLibs = false;
    for (int d = 1; d <= 4; ++d) {
        const TRen* r = IroAt(Dir4(kj, d)) == co ? ToruRenAt(Dir4(kj, d)) : nullptr;
        threeLibs = threeLibs || (r != nullptr && r->Kuu() == 3);
    }
    if (!threeLibs)
        return;
    int w1, w2;
    {
        TYomiTrial line;
        if (!line.PushPlay(ca, kj))
            return;
        ToruRenMake();
        Point w;
        for (int d = 1; d <= 4; ++d)
            if (IroAt(Dir4(kj, d)) == co && ToruSicho(Dir4(kj, d)))
                w = Dir4(kj, d);
        TRen* rw = ToruRenAt(w);
        if (rw == nullptr)
            return;
        const Point a1 = rw->SichoTe(1), a2 = rw->SichoTe(2);
        {
            TYomiTrial t;
            t.Play(co, a1);
            t.Play(ca, k1);
            ToruRenMake();
            TRen* r = ToruRenAt(s0);
            if (r == nullptr || r->Kuu() < 1)
                return;
            t.Play(ca, r->GetKuu(1));
            w1 = YomiHyoka(ca);
        }
        w2 = LineHyoka(ca, {{co, k1}, {ca, a1}, {ca, a2}});
    }
    AddKoho(kj, std::min(w1, w2), 0);
}

// The moves 3 and on of the escaping ladder of one chain.
void SichoMichiRen(TRen* r)
{
    const TGoban& b = CurGoban();
    const int co = r->GetIro(), ca = Aite(co), self = r->GetNo();
    const Point s0 = r->GetIsi(1);
    // The path, copied: the readings may leave this board's chains stale.
    Point path[kMaxSichoTe];
    const int len = std::min(r->SichoCount(), kMaxSichoTe);
    for (int j = 1; j <= len; ++j)
        path[j - 1] = r->SichoTe(j);
    const Point k1 = len >= 1 ? path[0] : Point();
    for (int j = 3; j <= len; ++j) {
        const Point kj = path[j - 1];
        if (kj.x == 0)
            break;
        if (!CanAttackAt(ca, kj))
            continue;
        if (AtariMapAt(ca, kj) == 1) {
            int chains[4];
            const int n = ListTonariRen(kj, co, chains);
            int counted = 0;
            Point t;
            for (int i = 0; i < n; ++i) {
                TRen* x = b.RenList.Items(chains[i]);
                if (x == nullptr || chains[i] == self || x->Kuu() != 2 || b.IsDeathPt(x->GetIsi(1)) != 0)
                    continue;
                ++counted;
                t = x->GetIsi(1);
            }
            if (counted == 0)
                continue;
            SichoMichiAtari(kj, s0, t, ca);
        }
        if (KiriMapAt(ca, kj) == 1)
            SichoMichiKiri(kj, s0, k1, ca);
    }
}

void SichoMichiScan(const TGunSnap* gun)
{
    ForEachRen(2, [gun](TRen* r) {
        if (r->IsiCount() > 1 && r->GetSicho() == kSichoNigeru && (gun == nullptr || gun->HasIsi(r->GetIsi(1))))
            SichoMichiRen(r);
    });
}

} // namespace

void SichoMichiThink(const TGun* gun) { ScanFor(gun, SichoMichiScan); }

// ---------------------------------------------------------------------------
// Atari, extension, double atari

namespace {

void RyoAtariUtu(int ca, Point li, Point lo, Point y)
{
    const int co = Aite(ca);
    int m = 0;
    TYomiTrial line;
    if (!line.PushPlay(ca, li) || !line.Play(co, lo) || !line.Play(ca, y))
        return;
    ToruRenMake();
    // The owner's chains that the move at y puts in atari.
    Point libs[3];
    int n = 0;
    int chains[4];
    const int k = ListTonariRen(y, co, chains);
    for (int i = 0; i < k && n < 3; ++i) {
        TRen* x = CurGoban().RenList.Items(chains[i]);
        if (x != nullptr && x->Kuu() == 1)
            libs[n++] = x->GetKuu(1);
    }
    if (n == 2 && libs[0] != libs[1]) {
        const int w1 = LineHyoka(ca, {{co, libs[0]}, {ca, libs[1]}});
        int w2 = -1;
        {
            TYomiTrial t;
            if (t.Play(co, libs[1])) {
                t.Play(ca, libs[0]);
                w2 = YomiHyoka(ca);
            }
        }
        m = std::min(w1, w2);
    }
    line.BackTo(1);
    m = std::min(m, LineHyoka(ca, {{co, y}, {ca, lo}}));
    line.BackAll();
    AddKoho(li, m, 0);
}

void RyoAtariRen(TRen* r)
{
    if (TonariAtariKuu(r).x != 0)
        return;
    const TGoban& b = CurGoban();
    const int co = r->GetIro(), ca = Aite(co), self = r->GetNo();
    const Point libs[2] = {r->GetKuu(1), r->GetKuu(2)};
    for (int i = 0; i < 2; ++i) {
        const Point li = libs[i], lo = libs[1 - i];
        if (!CanAttackAt(ca, li))
            continue;
        // The double-atari points: the other liberties of the owner's
        // three-liberty chains at li, taken before any reading.
        Point ys[8];
        int n = 0;
        int chains[4];
        const int k = ListTonariRen(li, co, chains);
        for (int j = 0; j < k; ++j) {
            TRen* x = b.RenList.Items(chains[j]);
            if (x == nullptr || chains[j] == self || x->Kuu() != 3)
                continue;
            for (int q = 1; q <= 3; ++q) {
                const Point y = x->GetKuu(q);
                if (y != li && AtariMapAt(ca, y) != 0 && b.IsSelfAtariPt(ca, y) == 0)
                    ys[n++] = y;
            }
        }
        for (int j = 0; j < n; ++j)
            RyoAtariUtu(ca, li, lo, ys[j]);
    }
}

} // namespace

void RyoAtariThink()
{
    ForEachRen(2, [](TRen* r) {
        if (r->GetSicho() == kSichoNigeru)
            RyoAtariRen(r);
    });
}

// ---------------------------------------------------------------------------
// Cut points in neutral ground

namespace {

// The cut at k is an atari: the owner escapes (or captures), then the cut at
// a, the other crossing point, is read both ways.
void Kiri2AtariUtu(int ca, Point k, Point a)
{
    const int co = Aite(ca);
    Point answer = k;
    int w1, w2;
    {
        TYomiTrial line;
        if (!line.PushPlay(ca, k))
            return;
        ToruRenMake();
        const TAtariEscape way = AtariEscape(k, co, Point(), true);
        const Point e = way.Ext, f = way.Esc;
        if (way.Capture.x != 0)
            answer = way.Capture;
        if (e.x == 0 || e == a)
            return;
        {
            TYomiTrial t;
            if (!t.Play(co, a))
                return;
            t.Play(ca, e);
            w1 = YomiHyoka(ca);
        }
        w2 = LineHyoka(ca, {{co, f}, {ca, a}});
    }
    AddKohoSide(ca, k, answer, std::min(w1, w2) + UtuHyoka(co, answer));
}

// The cut at k leaves an owner's chain caught by a ladder.
void Kiri2SichoUtu(int ca, Point k, Point a)
{
    const int co = Aite(ca);
    if (CurGoban().IsSelfAtariPt(ca, a) != 0)
        return;
    int w1, w2;
    {
        TYomiTrial line;
        if (!line.PushPlay(ca, k))
            return;
        ToruRenMake();
        if (ToruSicho(k))
            return;
        Point m1, m2;
        bool caught = false;
        for (int d = 1; d <= 4; ++d) {
            const Point q = Dir4(k, d);
            const TRen* r = IroAt(q) == co ? ToruRenAt(q) : nullptr;
            Point q1, q2;
            if (r != nullptr && r->Kuu() == 2 && LadderStart(q, q1, q2)) {
                m1 = q1;
                m2 = q2;
                caught = true;
            }
        }
        if (!caught || a == m1 || a == m2)
            return;
        w1 = LineHyoka(ca, {{ca, m1}, {ca, m2}});
        w2 = LineHyoka(ca, {{ca, a}});
    }
    AddKoho(k, std::min(w1, w2) + UtuHyoka(co, k), 0);
}

} // namespace

void Kiri2Think()
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            for (int ca = 1; ca <= 2; ++ca) {
                const Point k(x, y);
                if (Kiri2MapAt(ca, k) != 1 || b.IsSelfAtari(ca, x, y) != 0)
                    continue;
                // The other crossing point of the link: every empty diagonal
                // neighbour marked the same way. Where k crosses two links one
                // of them is the owner's way out, which the readings refuse.
                const bool atari = AtariMapAt(ca, k) == 1;
                for (int d = 1; d <= 4; ++d) {
                    const Point a(x + NanameX[d], y + NanameY[d]);
                    if (IroAt(a) != kAki || Kiri2MapAt(ca, a) != 1)
                        continue;
                    if (atari)
                        Kiri2AtariUtu(ca, k, a);
                    else
                        Kiri2SichoUtu(ca, k, a);
                }
            }
}

// ---------------------------------------------------------------------------
// Enclosed liberty

namespace {

// The peep at e beside the enclosed liberty a, against the owner's stone f
// next to it.
void KeimaNozokiPeep(int ca, Point a, Point e, Point f)
{
    TYomiTrial line;
    if (!line.PushPlay(ca, e))
        return;
    ToruRenMake();
    const TRen* re = ToruRenAt(e);
    if (re == nullptr || re->Kuu() <= 2)
        return;
    const int v = KeimaKankeiUtu(f);
    if (v <= 0)
        return;
    const int h = LineHyoka(ca, {{ca, a}});
    line.BackAll();
    AddKoho(e, std::min(h, v), 0);
}

void KeimaNozokiRen(TRen* r)
{
    const int co = r->GetIro(), ca = Aite(co);
    const Point libs[2] = {r->GetKuu(1), r->GetKuu(2)};
    // a: the liberty the owner's stones shut in on three sides.
    int ai = -1;
    for (int i = 0; i < 2; ++i)
        if (EmptyNeighbours(libs[i]) == 1 && NeighboursOf(libs[i], co) == 3)
            ai = i;
    if (ai < 0)
        return;
    const Point a = libs[ai], bl = libs[1 - ai];
    if (CurGoban().IsSelfAtariPt(ca, a) != 0 || EmptyNeighbours(bl) != 2)
        return;
    // e: the empty neighbour of bl other than a that touches exactly one
    // of the owner's stones, f; both are read when both do.
    for (int d = 1; d <= 4; ++d) {
        const Point e = Dir4(bl, d);
        Point f[4];
        if (IroAt(e) == kAki && e != a && ListNeighbour(e, co, f) == 1)
            KeimaNozokiPeep(ca, a, e, f[0]);
    }
}

} // namespace

void KeimaNozokiThink()
{
    ForEachRen(2, [](TRen* r) { KeimaNozokiRen(r); });
}

// ---------------------------------------------------------------------------
// Hane at the head of two stones

namespace {

void NirenHane(TRen* r)
{
    const Point s1 = r->GetIsi(1), s2 = r->GetIsi(2);
    const int co = r->GetIro(), ca = Aite(co);
    // The ends of the pair: e empty, o the attacker's stone.
    Point e, o;
    for (const Point end : {StepBeyond(s2, s1), StepBeyond(s1, s2)}) {
        if (IroAt(end) == kAki)
            e = end;
        else if (IroAt(end) == ca)
            o = end;
    }
    if (e.x == 0 || o.x == 0)
        return;
    // Rows from e to o: e, the stone next to e, the other stone, o.
    Point box[12];
    BetweenStrip3(e, o, box);
    Point p2, p3, p4, p5;
    if (IroAt(box[3]) == ca && IroAt(box[6]) == ca) {
        p2 = box[2];
        p3 = box[5];
        p4 = box[8];
        p5 = box[3];
    } else if (IroAt(box[5]) == ca && IroAt(box[8]) == ca) {
        p2 = box[0];
        p3 = box[3];
        p4 = box[6];
        p5 = box[5];
    } else {
        return;
    }
    const Point head = box[4];
    if (IroAt(p2) != kAki || (LineNoPt(e) == 2 && LineNoPt(head) == 3))
        return;
    if (IroAt(StepBeyond(head, p3)) == co && IroAt(StepBeyond(head, p4)) == co)
        return;
    TRen* r5 = ToruRenAt(p5);
    if (EmptyNeighbours(e) < 3 || (r5 != nullptr && r5->GetSicho() == kSichoToreru) ||
        IroAt(StepBeyond(head, p5)) == co)
        return;
    int w1, w2;
    {
        TYomiTrial t;
        if (!t.PushPlay(ca, e))
            return;
        t.Play(ca, p2);
        w1 = YomiHyoka(ca);
    }
    w2 = PushHyoka(co, e);
    AddKoho(e, w1 + w2, 0);
}

} // namespace

void NirenThink()
{
    ForEachRen(3, [](TRen* r) {
        if (r->IsiCount() == 2)
            NirenHane(r);
    });
}

// ---------------------------------------------------------------------------
// Liberty moves of one group

bool GunDameTe(const TGun& gun)
{
    constexpr int kMaxNextRen = 30;
    const TGunSnap snap(gun);
    const TGoban& b = CurGoban();
    {
        TKohoKindKeep kind(kkGunDame);
        // The group's chains and the chains next to them, by a stone, taken
        // before any reading.
        Point own[kMaxRen];
        int ownSu = 0;
        int next[kMaxNextRen];
        int nextSu = 0;
        for (int i = 1; i <= gun.GetRenSu(); ++i) {
            TRen* r = b.RenList.Items(gun.GetRen(i));
            if (r == nullptr || r->IsiCount() < 1)
                continue;
            own[ownSu++] = r->GetIsi(1);
            for (int j = 1; j <= r->MrenCount(); ++j)
                AddIntUnique(next, nextSu, kMaxNextRen, r->Mren(j));
        }
        Point nextIsi[kMaxNextRen];
        int nextIsiSu = 0;
        for (int j = 0; j < nextSu; ++j)
            if (const TRen* r = b.RenList.Items(next[j]); r != nullptr && r->IsiCount() >= 1)
                nextIsi[nextIsiSu++] = r->GetIsi(1);
        for (int i = 0; i < ownSu; ++i) {
            ToruRenMake();
            DameShareUtu(ToruRenAt(own[i]));
        }
        for (int j = 0; j < nextIsiSu; ++j) {
            ToruRenMake();
            DameShareUtu(ToruRenAt(nextIsi[j]));
        }
        ToruRenMake();
        KosumiAtariScan(&snap);
        SichoMichiScan(&snap);
    }
    return KohoExists(kkGunDame, 220);
}

// ---------------------------------------------------------------------------
// Knight's-move link value

int KeimaKankeiUtu(Point p)
{
    TGoban& b = CurGoban();
    if (!b.OnBoardPt(p))
        return 0;
    // The game board carries its analysis; a look-ahead board is analysed
    // here.  Its stone relations alone would not do: they grade the links
    // by the board's capture, forbidden and self-atari tables, which still
    // describe whatever position the level held before.
    if (Level > 0)
        b.Analyze();
    Point partners[kMaxKankei];
    int n = 0;
    const TLocate& loc = b.GetLocatePt(p);
    for (int i = 1; i <= loc.GetKankeiSu(); ++i)
        if (loc.GetKankeiKind(i) == KankeiKeima && loc.GetLinkGrade(i) >= 2)
            partners[n++] = loc.GetKankeiPoint(i);
    int result = 0;
    for (int i = 0; i < n; ++i) {
        const int before = KohoCount;
        ToruRenMake();
        KeimaKankeiHandler(p, partners[i]);
        if (KohoCount > before) {
            result = Koho.Value[KohoCount];
            --KohoCount;
        }
    }
    return result;
}

void KyubaReset() { KeimaKankeiHandler = KeimaRenraku; }

} // namespace vorn

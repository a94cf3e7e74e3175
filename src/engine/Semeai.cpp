#include "engine/Semeai.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Kyuba.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"
#include "engine/Think.h"

namespace vorn {

namespace {

constexpr int kNearValue = 15;   // a candidate this good beside the group
constexpr int kLostCap = 19;     // the value of a move for a lost race
constexpr int kMaxBorder = 100;  // border points of one region

// The chain at p has one liberty, or two and the ladder catches it (chains
// fresh).
bool Caught(Point p)
{
    const TRen* r = ToruRenAt(p);
    if (r == nullptr)
        return true;
    return r->Kuu() <= 1 || (r->Kuu() == 2 && ToruSicho(p));
}

// The group at p on the analysed trial board.
const TGun* GunHere(Point p) { return GunAt(p); }

} // namespace

// ---------------------------------------------------------------------------
// The pass

void SemeaiThink()
{
    const TGunList& list = GobanLv[0]->GunList;
    YomiUnwind();
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr || g->GetIsiIro() != JibunIro || g->GetSmai() != 1)
            continue;
        const int d = g->GetDame();
        for (int i = 1; i <= g->GetSemeaiSu(); ++i) {
            const TGun* p = list.GetGun(g->GetSemeai(i));
            if (p == nullptr)
                continue;
            // A partner that also races a weaker group of ours is read there.
            bool weaker = false;
            for (int k = 1; k <= p->GetSemeaiSu() && !weaker; ++k) {
                const TGun* o = list.GetGun(p->GetSemeai(k));
                weaker = o != nullptr && o != g && o->GetDame() < d;
            }
            if (weaker)
                continue;
            const bool done = SemeaiUtu(*g, *p);
            YomiUnwind();
            if (done)
                return;
        }
    }
}

bool SemeaiUtu(const TGun& g, const TGun& p)
{
    if (HasKohoNear(g) || HasKohoNear(p))
        return false;
    const int v = g.GetKati() + p.GetKati() - g.GetDame() - p.GetDame();
    Point gDame[kMaxSemeaiDame], pDame[kMaxSemeaiDame];
    const int ng = SemeaiDameList(g, gDame);
    const int np = SemeaiDameList(p, pDame);
    if (ng < 3 || np < 3) {
        SemeaiShort(g, p, v);
        return false;
    }
    if (SemeaiNigeTe(g, p))
        return false;
    const Point x = SemeaiKiriTe(g.GetIsiIro(), std::span<const Point>(gDame, static_cast<std::size_t>(ng)));
    if (x.x > 0) {
        AddKoho(x, v, 0);
        return false;
    }
    if (SemeaiGunTe(g.GetYoso(1), v))
        return true;
    YomiUnwind();
    // Our first move of the partner's filling order, when it keeps our group.
    Point order[kMaxSemeaiDame];
    const int n = ToruTejun(p, order, kMaxSemeaiDame - 1);
    if (n > 0) {
        bool keeps = false;
        {
            TYomiKeep keep;
            if (ToruPushPlay(g.GetIsiIro(), order[0])) {
                CurGoban().Analyze();
                const TGun* h = GunHere(order[0]);
                keeps = h != nullptr && h->GetDeath() != 1;
            }
        }
        if (keeps)
            AddKoho(order[0], v, 0);
    }
    return false;
}

bool HasKohoNear(const TGun& g)
{
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        if (g.GetFromValue(i) >= KankeiKeima)
            continue;
        const Point b = g.GetFromB(i);
        for (int k = 1; k <= KohoCount; ++k)
            if (Koho.Pt[k] == b && Koho.Value[k] >= kNearValue)
                return true;
    }
    return false;
}

int SemeaiDameList(const TGun& g, std::span<Point> list)
{
    const TGoban& b = CurGoban();
    const int max = std::min(kMaxSemeaiDame, static_cast<int>(list.size()));
    int n = 0;
    for (int i = 1; i <= g.GetDameOutSu(); ++i) {
        const Point p = g.GetDameOut(i);
        if (!b.IsKakeme(p.x, p.y))
            AddPtUnique(list, n, max, p);
    }
    for (int i = 1; i <= g.GetDameInSu(); ++i)
        AddPtUnique(list, n, max, g.GetDameIn(i));
    return n;
}

void SemeaiShort(const TGun& g, const TGun& p, int v)
{
    if (p.GetRenSu() == 1)
        return;
    const int own = g.GetIsiIro(), opp = Aite(own);
    const TGoban& b0 = CurGoban();
    for (int i = 1; i <= g.GetRenSu(); ++i) {
        TRen* r = b0.RenList.Items(g.GetRen(i));
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k) {
            TRen* m = b0.RenList.Items(r->Mren(k));
            if (m == nullptr || m->GetIro() != opp || m->Kuu() != 1)
                continue;
            const Point l = m->GetKuu(1);
            int dame = 0;
            {
                TYomiKeep keep;
                if (!ToruPushPlay(own, l))
                    continue;
                CurGoban().Analyze();
                const TRen* c = ToruRenAt(l);
                if (c == nullptr || (c->Kuu() == 1 && c->IsiCount() >= 3))
                    continue;
                const TGun* h = GunHere(l);
                dame = h == nullptr ? 0 : h->GetDame();
            }
            if (dame <= 2)
                continue;
            {
                // Where the partner's chain could not run out anyway, the
                // capture is worth less.
                TYomiKeep keep;
                bool runs = ToruPushPlay(opp, l);
                if (runs) {
                    ToruRenMake();
                    runs = !ToruSicho(l);
                }
                if (!runs)
                    v /= 2;
            }
            AddKoho(l, v, 0);
        }
    }
}

bool SemeaiNigeTe(const TGun& g, const TGun& p)
{
    const int own = g.GetIsiIro(), opp = Aite(own);
    const TGoban& b0 = CurGoban();
    const Point partner = p.GetYoso(1);
    int counted = 0;
    Point saving{};
    for (int i = 1; i <= g.GetRenSu(); ++i) {
        TRen* r = b0.RenList.Items(g.GetRen(i));
        if (r == nullptr || r->Kuu() >= 2 || r->Kuu() == 0)
            continue;
        const Point l = r->GetKuu(1);
        bool out = false;
        {
            TYomiKeep keep;
            if (ToruPushPlay(opp, l)) {
                CurGoban().Analyze();
                const TGun* h = GunHere(partner);
                out = h != nullptr && h->GetSmai() == 0;
            }
        }
        if (!out)
            continue;
        saving = l;
        if (++counted >= 2)
            return true;
    }
    if (counted == 0)
        return false;
    // One capture takes the partner out: our extension must hold.  When we
    // may not extend, the chain cannot be saved and the race as paired
    // will not stand.
    TYomiKeep keep;
    if (!ToruPushPlay(own, saving))
        return true;
    ToruRenMake();
    return Caught(saving);
}

Point SemeaiKiriTe(int own, std::span<const Point> liberties)
{
    const int opp = Aite(own);
    int best = 0;
    Point x{};
    for (const Point p : liberties) {
        if (CurGoban().IsToruTenPt(opp, p) != 0 || KiriMapAt(opp, p) == 0)
            continue;
        int w = 0, e = 0;
        {
            TYomiKeep keep;
            if (!ToruPushPlay(opp, p))
                continue;
            ToruRenMake();
            if (ToruSicho(p))
                continue;
            w = Hyoka(opp);
        }
        {
            TYomiKeep keep;
            if (!ToruPushPlay(own, p))
                continue;
            ToruRenMake();
            if (Caught(p))
                continue;
            e = Hyoka(own);
        }
        if (e + w > best) {
            best = e + w;
            x = p;
        }
    }
    return x;
}

bool SemeaiGunTe(Point s, int v)
{
    const TGun* g = GunAt(s);
    if (g == nullptr)
        return false;
    GunKankeiKoho(*g);
    YomiUnwind();
    if (GunDameTe(*g) || SemeaiMeTe(*g, v))
        return true;
    const TGunList& list = CurGoban().GunList;
    for (int i = 1; i <= g->GetMgunSu(); ++i) {
        const TGun* m = list.GetGun(g->GetMgun(i));
        if (m != nullptr && GunDameTe(*m))
            return true;
    }
    return false;
}

bool SemeaiMeTe(const TGun& g, int v)
{
    const int own = g.GetIsiIro();
    const int me = g.GetMe();
    const TJiList& jl = CurGoban().JiList;
    bool wins = false;
    for (int i = 1; i <= g.GetJisu(); ++i) {
        const TJi* ji = jl.GetJi(g.GetJi(i));
        if (ji == nullptr || ji->GetMe() != 1)
            continue;
        Point border[kMaxBorder];
        const int n = ji->KohoBorder(border);
        for (int k = 0; k < n; ++k) {
            const Point p = border[k];
            bool helps = false;
            {
                TYomiKeep keep;
                if (!ToruPushPlay(own, p))
                    continue;
                CurGoban().Analyze();
                const TGun* h = GunHere(p);
                if (h == nullptr)
                    continue;
                const int me2 = h->GetMe();
                if ((me2 <= me || me2 < 2) && h->GetSmai() == 1)
                    continue;
                helps = true;
                if (h->GetLost() == 0)
                    wins = true;
                else if (v >= kLostCap + 1)
                    v = kLostCap;
                if (h->GetSmai() == 0)
                    ++v;
            }
            if (helps)
                AddKoho(p, v, 0);
        }
    }
    return wins;
}

// ---------------------------------------------------------------------------
// Filling order

int DameClass(Point p, int a)
{
    const TGoban& b = CurGoban();
    if (!IsStone(a) || b.IsKinsiPt(a, p) != 0)
        return 8;
    if (b.IsSelfAtariPt(a, p) != 0)
        return 7;
    if (b.IsToruTenPt(a, p) != 0)
        return 1;
    if (AtariMapAt(a, p) == 1)
        return 2;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        if (b.GetIroPt(q) == kAki && AtariMapAt(Aite(a), q) == 1)
            return 3;
    }
    TIroCounts n;
    CountNeighbour(p, n);
    if (n[a] > 0)
        return 4;
    CountDiagonal(p, n);
    if (n[a] > 0)
        return 5;
    return 6;
}

int ToruTejun(const TGun& g, std::span<Point> list, int capacity)
{
    const int a = Aite(g.GetIsiIro());
    const int limit = std::min(capacity + 1, static_cast<int>(list.size()));
    if (limit <= 0 || !IsStone(a))
        return 0;
    // The order: outside liberties by class, then the shared ones.  The
    // analysis splits the liberties of groups in a race only; every
    // liberty of any other group is an outside one.
    Point dame[2][kMaxPoints];
    int su[2] = {0, 0};
    if (g.GetSmai() == 1) {
        for (int i = 1; i <= g.GetDameOutSu(); ++i)
            dame[0][su[0]++] = g.GetDameOut(i);
        for (int i = 1; i <= g.GetDameInSu(); ++i)
            dame[1][su[1]++] = g.GetDameIn(i);
    } else {
        for (int i = 1; i <= g.GetFromSu(); ++i)
            if (g.GetFromValue(i) == KankeiTonari)
                dame[0][su[0]++] = g.GetFromB(i);
    }
    Point order[kMaxPoints];
    int no = 0;
    for (int part = 0; part < 2; ++part) {
        int cls[kMaxPoints];
        for (int i = 0; i < su[part]; ++i)
            cls[i] = DameClass(dame[part][i], a);
        for (int c = 1; c <= 6; ++c)
            for (int i = 0; i < su[part]; ++i)
                if (cls[i] == c)
                    order[no++] = dame[part][i];
    }
    // The attacker fills them one after another, the defender passing.
    TYomiKeep keep;
    int n = 0;
    for (int i = 0; i < no && n < limit; ++i) {
        const Point p = order[i];
        if (!ToruPlay(a, p))
            continue;
        ToruRenMake();
        TRen* r = ToruRenAt(p);
        if (r != nullptr && r->Kuu() == 1) {
            // A self-atari: the point that avoids it first, when that one is safe.
            const Point t = r->GetKuu(1);
            YomiModosu();
            if (ToruPlay(a, t)) {
                ToruRenMake();
                const TRen* rt = ToruRenAt(t);
                if (rt != nullptr && rt->Kuu() > 1)
                    list[static_cast<std::size_t>(n++)] = t;
                YomiModosu();
            }
            if (!ToruPlay(a, p))
                continue;
            ToruRenMake();
            if (n >= limit)
                break;
        } else if (r != nullptr && r->Kuu() == 2 && ToruSicho(p)) {
            YomiModosu();
            continue;
        }
        list[static_cast<std::size_t>(n++)] = p;
    }
    return n;
}

} // namespace vorn

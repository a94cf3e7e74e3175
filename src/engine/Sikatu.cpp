#include "engine/Sikatu.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Kyuba.h"
#include "engine/Reading.h"
#include "engine/SikatuKatachi.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"

namespace vorn {

Arr<TSikatuGun, 1, kMaxSikatuGun> SikatuGunCache{};
int SikatuGunCount = 0;
Arr<Point, 1, kMaxSikatuTarget> SikatuTarget{};
int SikatuTargetCount = 0;
std::uint8_t SikatuTargetIro = 0;
std::uint8_t SikatuFirstStop = 1;

namespace {

// Pondering leaves alone a weak group this close to life...
constexpr int kHopelessDeathLevel = 51;
// ... and a group with this many breathing points (kill) ...
constexpr int kFreeKokyu = 4;
// ... or one that a move at a breathing point takes this much further
// from death.
constexpr int kNigeruGain = 10;

// The game position's area value at p (the map of the decision: readings
// overwrite the live one with their trial boards).
int GameArea(Point p) { return CurGoban().OnBoardPt(p) ? AreaMapBackup[p.x][p.y] : 0; }

// The candidates of a filter for colour c.  A look-ahead board's pair list
// is whatever its last use left there: it is made again for this position.
int FilterCandidates(const TGun& g, int c, std::span<Point> buf)
{
    if (Level > 0)
        KohoLocateMake2();
    return g.SikatuKoho(buf, c);
}

// The tests of the filters, on the analysed board after the move at p.
bool KorosuKeeps(Point p, int me0)
{
    const TRen* r = ToruRenAt(p);
    if (r == nullptr || !(r->Kuu() > 1 || r->IsiCount() < 4))
        return false;
    const TGun* t = SikatuTargetGun();
    return t == nullptr || t->GetDeath() == 1 || (t->GetMe() < me0 && t->GetMe() <= 3);
}

bool IkiruKeeps(int me0)
{
    const TGun* t = SikatuTargetGun();
    return t != nullptr && t->GetMe() > me0 && t->GetMe() >= 3;
}

bool FilterApplies(bool kill, const TGun& g)
{
    const int me = g.GetMe();
    return kill ? (me == 3 || me == 4) : me < 4;
}

// One filter: the side's candidates that pass, in candidate order, at most
// `want` of them.
int Filter(bool kill, const TGun& g, std::span<Point> list, int want)
{
    if (!FilterApplies(kill, g))
        return 0;
    const int c = kill ? Aite(g.GetIsiIro()) : g.GetIsiIro();
    const int me0 = g.GetMe();
    Point koho[kMaxSikatuKoho];
    const int k = FilterCandidates(g, c, koho);
    want = std::min({want, kMaxSikatuList, static_cast<int>(list.size())});
    int n = 0;
    for (int i = 0; i < k && n < want; ++i) {
        TYomiKeep keep;
        if (!ToruPushPlay(c, koho[i]))
            continue;
        CurGoban().Analyze();
        if (kill ? KorosuKeeps(koho[i], me0) : IkiruKeeps(me0))
            list[static_cast<std::size_t>(n++)] = koho[i];
    }
    return n;
}

int Search(bool kill, const TGun& g, std::span<Point> list, int want);

// The side's move at p has been played and analysed: it stands when the
// other side has no answer left.
bool Stands(bool kill)
{
    const TGun* t = SikatuTargetGun();
    if (t == nullptr)
        return kill; // the whole target was captured
    Point answers[kMaxSikatuList];
    const int want = SikatuFirstStop == 1 ? 1 : kMaxSikatuList;
    return Search(!kill, *t, answers, want) == 0;
}

// A search: the first kSikatuWidth moves of the side's filter, each read
// on; the moves that stand, at most `want`.
int Search(bool kill, const TGun& g, std::span<Point> list, int want)
{
    if (Level >= kSikatuDepth || !FilterApplies(kill, g))
        return 0;
    want = std::min({want, kMaxSikatuList, static_cast<int>(list.size())});
    const int c = kill ? Aite(g.GetIsiIro()) : g.GetIsiIro();
    int n = 0;
    if (SikatuFirstStop != 1) {
        // The filter's whole list first, then its first moves read on.
        Point moves[kMaxSikatuList];
        const int m = std::min(Filter(kill, g, moves, kMaxSikatuList), kSikatuWidth);
        for (int i = 0; i < m && n < want; ++i) {
            TYomiKeep keep;
            if (!ToruPushPlay(c, moves[i]))
                continue;
            CurGoban().Analyze();
            if (Stands(kill))
                list[static_cast<std::size_t>(n++)] = moves[i];
        }
        return n;
    }
    // The filter's moves as they pass it, each read on from the position the
    // filter analysed; no further than the first kSikatuWidth.
    const int me0 = g.GetMe();
    Point koho[kMaxSikatuKoho];
    const int k = FilterCandidates(g, c, koho);
    int kept = 0;
    for (int i = 0; i < k && kept < kSikatuWidth && n < want; ++i) {
        TYomiKeep keep;
        if (!ToruPushPlay(c, koho[i]))
            continue;
        CurGoban().Analyze();
        if (!(kill ? KorosuKeeps(koho[i], me0) : IkiruKeeps(me0)))
            continue;
        ++kept;
        if (Stands(kill))
            list[static_cast<std::size_t>(n++)] = koho[i];
    }
    return n;
}

// The pondering's progress text.
void PonderStatus(bool on) { Shell().StatusText(on ? Msg("Starts pondering", "長考に入ります。") : ""); }

// Pondering is pointless for a weak group this close to life.
bool Hopeless(const TGun& g) { return g.IsWeak() && g.GetDeathLevel() < kHopelessDeathLevel; }

// The group of g's first stone on the current (analysed) board.
const TGun* GunOfFirstStone(const TGun& g)
{
    const Point s = g.GetYoso(1);
    return CurGoban().GetIroPt(s) == g.GetIsiIro() ? GunAt(s) : nullptr;
}

// g's colour plays p on a new level: the eye value of the group there, -1
// when the move is refused.
int MeAfter(const TGun& g, Point p)
{
    TYomiKeep keep;
    if (!ToruPushPlay(g.GetIsiIro(), p))
        return -1;
    CurGoban().Analyze();
    const TGun* h = GunAt(p);
    return h == nullptr ? -1 : h->GetMe();
}

bool OnFrom(const TGun& g, Point p)
{
    for (int i = 1; i <= g.GetFromSu(); ++i)
        if (g.GetFromB(i) == p)
            return true;
    return false;
}

// A capture or relation answer of value 15 or more already in the table on
// one of g's related points makes it live.
bool SavedByKoho(const TGun& g)
{
    const int n = KohoCount;
    for (int i = 1; i <= n; ++i)
        if (Koho.Kind[i] <= kkKankei && Koho.Value[i] >= 15 && OnFrom(g, Koho.Pt[i]) && MeAfter(g, Koho.Pt[i]) >= 4)
            return true;
    return false;
}

// One of g's breathing points gives it a second eye in prospect.
bool SavedByExtension(const TGun& g)
{
    if (g.GetKokyuSu() == 0 || g.GetMe() >= 3)
        return false;
    for (int i = 1; i <= g.GetKokyuSu(); ++i)
        if (MeAfter(g, g.GetKokyu(i)) >= 3)
            return true;
    return false;
}

// The breathing points on the second line in open ground between both
// colours: one that makes g live, or, for a living g, one of the other
// colour's that takes the life away, is added with its evaluation.
bool SecondLineKokyu(const TGun& g)
{
    const TGoban& b = CurGoban();
    const int own = g.GetIsiIro();
    const int mover = g.GetMe() < 4 ? own : Aite(own);
    bool added = false;
    for (int i = 1; i <= g.GetKokyuSu(); ++i) {
        const Point p = g.GetKokyu(i);
        if (!b.OnBoardPt(p) || LineNoPt(p) != 2 || EmptyNeighbours(p) != 4)
            continue;
        const TLocate& loc = b.GetLocatePt(p);
        if (loc.CountIro(kKuro) == 0 || loc.CountIro(kSiro) == 0)
            continue;
        int value = 0;
        bool ok = false;
        {
            TYomiKeep keep;
            if (!ToruPushPlay(mover, p))
                continue;
            value = Hyoka(mover);
            // The mover's own group at the new stone: alive for the
            // defender, short of life for the other colour.
            const TGun* h = GunAt(p);
            if (h != nullptr && h->GetIsiIro() == mover)
                ok = mover == own ? h->GetMe() >= 4 : h->GetMe() < 4;
        }
        if (ok) {
            AddKoho(p, value, 0);
            added = true;
        }
    }
    return added;
}

} // namespace

// ---------------------------------------------------------------------------
// The pondered groups

TSikatuGun SikatuSignature(const TGun& g)
{
    TSikatuGun s;
    s.IsiSu = g.GetIsiSu();
    s.FromSu = g.GetFromSu();
    for (int i = 1; i <= g.GetIsiSu(); ++i)
        s.XySum += g.GetYoso(i).x + g.GetYoso(i).y;
    for (int i = 1; i <= g.GetFromSu(); ++i)
        s.XySum += g.GetFromB(i).x + g.GetFromB(i).y;
    return s;
}

void ClearSikatuGun()
{
    for (int i = 1; i <= kMaxSikatuGun; ++i)
        SikatuGunCache[i] = TSikatuGun{};
    SikatuGunCount = 0;
}

bool FindSikatuGun(const TGun& g)
{
    const TSikatuGun s = SikatuSignature(g);
    for (int i = 1; i <= SikatuGunCount; ++i)
        if (SikatuGunCache[i] == s)
            return true;
    return false;
}

void AddSikatuGun(const TGun& g)
{
    if (SikatuGunCount >= kMaxSikatuGun || FindSikatuGun(g))
        return;
    SikatuGunCache[++SikatuGunCount] = SikatuSignature(g);
}

// ---------------------------------------------------------------------------
// The target

void SetSikatuTarget(const TGun& g)
{
    SikatuTargetCount = 0;
    SikatuTargetIro = static_cast<std::uint8_t>(g.GetIsiIro());
    auto take = [](const TGun& h) {
        for (int i = 1; i <= h.GetIsiSu() && SikatuTargetCount < kMaxSikatuTarget; ++i)
            SikatuTarget[++SikatuTargetCount] = h.GetYoso(i);
    };
    take(g);
    const TGunList& list = CurGoban().GunList;
    for (int i = 1; i <= g.GetLinkSu(); ++i)
        if (const TGun* h = list.GetGun(g.GetLink(i)); h != nullptr)
            take(*h);
}

const TGun* SikatuTargetGun()
{
    const TGoban& b = CurGoban();
    for (int i = 1; i <= SikatuTargetCount; ++i)
        if (b.GetIroPt(SikatuTarget[i]) == SikatuTargetIro)
            return GunAt(SikatuTarget[i]);
    return nullptr;
}

// ---------------------------------------------------------------------------
// Filters and the search

int SikatuKorosu(const TGun& g, std::span<Point> list) { return Filter(true, g, list, kMaxSikatuList); }

int SikatuIkiru(const TGun& g, std::span<Point> list) { return Filter(false, g, list, kMaxSikatuList); }

int KorosuSearch(const TGun& g, std::span<Point> list) { return Search(true, g, list, kMaxSikatuList); }

int IkiruSearch(const TGun& g, std::span<Point> list) { return Search(false, g, list, kMaxSikatuList); }

// ---------------------------------------------------------------------------
// Pondering

bool NigeruCheck(const TGun& g)
{
    const int before = g.GetDeathLevel();
    for (int i = 1; i <= g.GetKokyuSu(); ++i) {
        TYomiKeep keep;
        if (!ToruPushPlay(g.GetIsiIro(), g.GetKokyu(i)))
            continue;
        CurGoban().Analyze();
        const TGun* h = GunOfFirstStone(g);
        if (h != nullptr && before - h->GetDeathLevel() >= kNigeruGain)
            return true;
    }
    return false;
}

int KorosuYomi(const TGun& g)
{
    if (SikatuYomiOn == 0 || Hopeless(g) || FindSikatuGun(g) || g.GetKokyuSu() >= kFreeKokyu || NigeruCheck(g))
        return 0;
    KohoKind = kkSikatuYomi;
    PonderStatus(true);
    SetSikatuTarget(g);
    const int base = g.GetKati();
    Point list[kMaxSikatuList];
    const int n = KorosuSearch(g, list);
    if (n == 0)
        AddSikatuGun(g);
    const TGoban& b = CurGoban();
    for (int i = 0; i < n; ++i) {
        const Point p = list[i];
        TIroCounts diag;
        CountDiagonal(p, diag);
        const int value = base + (b.GetKakeme(p.x, p.y) == kKakemeYes ? 1 : 0) + (GameArea(p) == 0 ? 1 : 0)
                          + (diag[JibunIro] > 0 ? 1 : 0);
        AddKoho(p, value, 0);
    }
    PonderStatus(false);
    KohoKind = kkSikatu;
    return n;
}

int IkiruYomi(const TGun& g)
{
    if (SikatuYomiOn == 0 || Hopeless(g) || FindSikatuGun(g) || NigeruCheck(g))
        return 0;
    KohoKind = kkSikatuYomi;
    PonderStatus(true);
    SetSikatuTarget(g);
    const int own = g.GetIsiIro();
    const bool ours = own == JibunIro;
    int base = g.GetKati();
    if (g.GetMe() < 3)
        base = base / 2 - 1;
    Point list[kMaxSikatuList];
    const int n = IkiruSearch(g, list);
    // Among several living moves, the better ones by evaluation.
    int bonus[kMaxSikatuList] = {};
    if (n >= 2) {
        int least = 0;
        for (int i = 0; i < n; ++i) {
            bonus[i] = UtuHyoka(own, list[i]);
            least = i == 0 ? bonus[i] : std::min(least, bonus[i]);
        }
        for (int i = 0; i < n; ++i)
            bonus[i] -= least;
    }
    const TGoban& b0 = CurGoban();
    for (int i = 0; i < n; ++i) {
        const Point p = list[i];
        {
            // The engine takes the point: not when it is refused, nor when its
            // chain there is a big one that the ladder catches.
            TYomiKeep keep;
            if (!ToruPushPlay(JibunIro, p))
                continue;
            ToruRenMake();
            const TRen* r = ToruRenAt(p);
            if (r != nullptr && r->IsiCount() >= 3 && r->Kuu() == 2 && ToruSicho(p))
                continue;
        }
        const int value = base + bonus[i] + (b0.GetKakeme(p.x, p.y) == kKakemeYes ? 1 : 0)
                          + (GameArea(p) == 0 ? 1 : 0) + (EmptyNeighbours(p) == 4 ? 5 : 0);
        AddKoho(p, value, 0);
    }
    PonderStatus(false);
    if (n > 0) {
        KohoKind = kkSikatu;
        return n;
    }
    // No living move: the moves that improve the group.
    const int m = SikatuIkiru(g, list);
    for (int i = 0; i < m; ++i) {
        const Point p = list[i];
        const int lineBonus = LineNoPair(p) == Point(2, 3) ? 1 : 0;
        if (!ours) {
            TYomiKeep keep;
            if (ToruPushPlay(AiteIro, p)) {
                CurGoban().Analyze();
                const TGun* h = GunAt(p);
                if (h != nullptr && h->GetMe() < 4)
                    base /= 2;
            }
        }
        bool add = false;
        {
            TYomiKeep keep;
            if (ToruPushPlay(JibunIro, p)) {
                ToruRenMake();
                const TRen* r = ToruRenAt(p);
                add = r != nullptr && r->Kuu() > 1;
            }
        }
        if (add)
            AddKoho(p, base + lineBonus, 0);
    }
    KohoKind = kkSikatu;
    return m;
}

// ---------------------------------------------------------------------------
// The generators

bool GunKankeiKoho(const TGun& g)
{
    const int first = KohoCount + 1;
    g.KohoTe();
    Point p;
    WeakGunPairAnswer(g);
    YomiUnwind();
    SelectKohoFrom(kSikatuUrgentScore, first, p);
    if (p.x != 0)
        return true;
    for (int mode : {1, 2}) {
        PairAnswerRange(mode);
        YomiUnwind();
        SelectKohoFrom(kSikatuUrgentScore, first, p);
        if (p.x != 0)
            return true;
    }
    return false;
}

bool SikatuSkip(const TGun& g)
{
    const int me = g.GetMe();
    if (g.GetIsiSu() < 2 || me < 2 || me > 4 || (me == 4 && g.GetKokyuSu() >= 3) || Hopeless(g))
        return true;
    if (SavedByKoho(g) || GunDameTe(g) || GunKankeiKoho(g) || g.GetKokyuSu() > 5 || SavedByExtension(g)
        || SecondLineKokyu(g))
        return true;
    KohoKind = kkSikatu;
    return false;
}

void SikatuThink()
{
    if (YomiSikatuMode == 0 || JikanOver(5) || InSakiyomi == 1)
        return;
    KohoKind = kkSikatu;
    const TGunList& list = GobanLv[0]->GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        YomiUnwind();
        const TGun* gp = list.GetGun(n);
        if (gp == nullptr || !IsStone(gp->GetIsiIro()))
            continue;
        const TGun& g = *gp;
        const int me = g.GetMe();
        if (g.GetIsiSu() < 2 || (me < 4 && g.GetDeathLevel() == 0) || g.GetKokyuSu() >= 14)
            continue;
        const bool ours = g.GetIsiIro() == JibunIro;
        if (me < 3) {
            if (SikatuSkip(g)) {
                if (ours)
                    SikatuSettle(g);
            } else if (IkiruYomi(g) == 0) {
                SikatuSettle(g);
            }
        } else if (me == 3) {
            if (SikatuSkip(g)) {
                if (ours)
                    SikatuSettle(g);
                else
                    SikatuKillPatterns(g);
            } else if (!ours) {
                KorosuYomi(g);
            } else if (IkiruYomi(g) == 0) {
                SikatuSettle(g);
            }
        } else if (me == 4) {
            bool open = false;
            for (int i = 1; i <= g.GetMgunSu() && !open; ++i) {
                const TGun* m = list.GetGun(g.GetMgun(i));
                open = m != nullptr && m->GetDeath() != 1 && m->GetMe() < 4;
            }
            if (open || SikatuSkip(g))
                continue;
            if ((ours ? IkiruYomi(g) : KorosuYomi(g)) == 0)
                SikatuKillPatterns(g);
        } else if (me <= 6) {
            SikatuMeShape(g);
        }
        YomiUnwind();
    }
    YomiUnwind();
}

void SikatuUrgentThink(Point& out)
{
    out = Point{};
    const TGunList& list = GobanLv[0]->GunList;
    KohoKind = kkSikatu;
    for (int n = 1; n <= list.GetCount(); ++n) {
        YomiUnwind();
        const TGun* g = list.GetGun(n);
        if (g == nullptr || !IsStone(g->GetIsiIro()) || g->GetMe() >= 3)
            continue;
        if ((g->IsWeak() && g->GetDeathLevel() < 71) || g->GetSmai() == 1 || g->GetKokyuSu() >= 3)
            continue;
        SikatuUrgentMe(*g);
    }
    KohoKind = kkSikatuUrgent;
    for (int n = 1; n <= list.GetCount(); ++n) {
        YomiUnwind();
        const TGun* g = list.GetGun(n);
        if (g != nullptr && IsStone(g->GetIsiIro()) && g->GetMe() == 4)
            SikatuUrgentSteal(*g);
    }
    YomiUnwind();
    SelectIfAny(kSikatuUrgentScore, out);
}

void SikatuReset()
{
    ClearSikatuGun();
    SikatuTargetCount = 0;
    SikatuTargetIro = 0;
    SikatuFirstStop = 1;
}

} // namespace vorn

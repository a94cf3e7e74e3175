#include "engine/Hyoka.h"

#include <algorithm>
#include <cmath>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Yomi.h"
#include "board/KuuIsi.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn {

int AreaKuro = 0, AreaSiro = 0;
int GunAreaKuro = 0, GunAreaSiro = 0;
int DeadKuro = 0, DeadSiro = 0;
int SemeaiKuro = 0, SemeaiSiro = 0;
int MeGainKuro = 0, MeGainSiro = 0;
int KakemeKuro = 0, KakemeSiro = 0;
int WeakGunKuro = 0, WeakGunSiro = 0;
long long HyokaCallCount = 0;
int HyokaBaseValue = 0;
int BigGunKuroBase = 0, BigGunSiroBase = 0;
int BigGunKuro = 0, BigGunSiro = 0;

namespace {

// Save cells of SaveHyokaBase.
int g_saveBase = 0;
int g_saveBigKuro = 0;
int g_saveBigSiro = 0;

// --- What the evaluation reads of the groups ------------------------------------

// The group of `g`'s stones on another board: the first group found at one of
// its stones, in stone order; nullptr when none of them has a group there.
const TGun* Counterpart(const TGun& g, const TGoban& other)
{
    for (int i = 1; i <= g.GetIsiSu(); ++i) {
        const Point p = g.GetYoso(i);
        if (other.GunList.GetGunNo(p.x, p.y) != 0)
            return other.GunList.GetGunAt(p);
    }
    return nullptr;
}

// The group is in a capturing race whose partners all have at least
// `minDame` liberties, within five of the group's own.
bool EvenRace(const TGun& g, const TGoban& b, int minDame)
{
    if (g.GetSmai() != 1)
        return false;
    for (int i = 1; i <= g.GetSemeaiSu(); ++i) {
        const TGun* m = b.GunList.GetGun(g.GetSemeai(i));
        if (m == nullptr || m->GetDame() < minDame || std::abs(m->GetDame() - g.GetDame()) > 5)
            return false;
    }
    return true;
}

void AddFor(int colour, int& kuro, int& siro, int v) { (colour == kKuro ? kuro : siro) += v; }

// A nearly dead group hands the area around it to the opponent: its own
// area there stops counting, neutral and border points go over.
void HandOverArea(const TGun& g)
{
    const bool black = g.GetIsiIro() == kKuro;
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const int kind = g.GetFromValue(i);
        if (kind > 4 && kind != KankeiNanameKuu)
            continue;
        const Point bp = g.GetFromB(i);
        const int a = AreaMap[bp.x][bp.y];
        if (black) {
            if (a == 0)
                GunAreaSiro += 2;
            else if (a == -1)
                GunAreaSiro += 1;
            else if (a > 0)
                GunAreaKuro -= a;
        } else {
            if (a == 0)
                GunAreaKuro += 2;
            else if (a == 1)
                GunAreaKuro += 1;
            else if (a < 0)
                GunAreaSiro -= -a; // mirrors the black half
        }
    }
}

// The weak-group term of a group with fewer than four eyes.
void WeakGunTerm(const TGun& g)
{
    if (g.GetLinkSu() > 0)
        return;
    const int dl = g.GetDeathLevel();
    const int v = g.GetKati() * dl / 100;
    const int c = g.GetIsiIro();
    if (g.GetMe() == 3 || dl <= 70) {
        AddFor(c, WeakGunKuro, WeakGunSiro, v);
        return;
    }
    // Nearly dead: its stones count as dead, its surroundings go over, and a
    // little of its value comes back for the chance that it lives.
    AddFor(c, DeadKuro, DeadSiro, 4 * g.GetIsiSu());
    HandOverArea(g);
    AddFor(c, WeakGunKuro, WeakGunSiro, -((100 - dl) * v / 100));
}

// Weak groups, new and settled capturing races and eyes gained since the
// game position, added into the term accumulators.
void GroupTerms()
{
    const TGoban& b = CurGoban();
    const TGoban& b0 = *GobanLv[0];
    for (int n = 1; n <= b.GunList.GetCount(); ++n) {
        const TGun* g = b.GunList.GetGun(n);
        if (g == nullptr || g->GetDeath() != 0)
            continue;
        if (g->GetMe() < 4)
            WeakGunTerm(*g);
        // A race that has begun since the game position.
        if (g->GetIsiSu() >= 5 && g->GetDame() > 1 && EvenRace(*g, b, 2)) {
            const TGun* g0 = Counterpart(*g, b0);
            if (g0 != nullptr && g0->GetSmai() != 1) {
                const int v = g->GetKati() * 2 / 3;
                AddFor(g->GetIsiIro(), SemeaiKuro, SemeaiSiro, g0->GetDeath() == 1 ? -v : v);
            }
        }
    }
    for (int n = 1; n <= b0.GunList.GetCount(); ++n) {
        const TGun* g0 = b0.GunList.GetGun(n);
        if (g0 == nullptr)
            continue;
        // A race of the game position that the reading has settled.
        if (g0->GetDeath() == 0 && g0->GetIsiSu() >= 5 && g0->GetDame() > 2 && EvenRace(*g0, b0, 3)) {
            const TGun* g = Counterpart(*g0, b);
            if (g != nullptr && g->GetSmai() != 1) {
                const int v = g0->GetKati() * 2 / 3;
                AddFor(g0->GetIsiIro(), SemeaiKuro, SemeaiSiro, g->GetDeath() == 1 ? v : -v);
            }
        }
        // An eyeless group that has made an eye, also one the judgement had
        // marked dead (a lost race leaves a group marked dead below 98).
        if (g0->GetMe() < 1 && g0->GetIsiSu() > 2 && g0->GetDeathLevel() < 98) {
            const TGun* g = Counterpart(*g0, b);
            if (g != nullptr && g->GetMe() == 2 && g->GetDeathLevel() < 92)
                AddFor(g->GetIsiIro(), MeGainKuro, MeGainSiro, g0->GetKati() / 3);
        }
    }
}

// Big groups of the current level: five or more stones worth 25 or more,
// linked groups counted once.
void CountBigGun()
{
    BigGunKuro = 0;
    BigGunSiro = 0;
    const TGunList& list = CurGoban().GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr || g->GetIsiSu() < 5 || g->GetKati() < 25)
            continue;
        bool counted = false;
        for (int i = 1; i <= g->GetLinkSu(); ++i)
            counted = counted || g->GetLink(i) < n;
        if (!counted)
            (g->GetIsiIro() == kKuro ? BigGunKuro : BigGunSiro) += 1;
    }
}

// The group at p on the current level is dead by the rule of `percent`
// (70 or 90): marked dead, or weak, out of any race and above that death level.
bool GunDeadByRule(Point p, int percent)
{
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(p))
        return false;
    const TGun* g = b.GunList.GetGunAt(p);
    if (g == nullptr)
        return false;
    return (percent >= 90 ? g->IsDeath90() : g->IsDeath70()) != 0;
}

// --------------------------------------------------------------------------

int Prisoners()
{
    int p = 0;
    for (int lv = 0; lv <= Level; ++lv) {
        const TTejun& t = GobanLv[lv]->Tejun;
        p += 2 * (t.Hama(kKuro) - t.Hama(kSiro));
    }
    return p;
}

// The look-ahead play of the evaluation routines.
bool Play(int colour, Point p) { return CurGoban().OnBoardPt(p) && YomiUtu(colour, p); }

} // namespace

int HyokaCalc()
{
    AreaKuro = AreaSiro = GunAreaKuro = GunAreaSiro = 0;
    DeadKuro = DeadSiro = SemeaiKuro = SemeaiSiro = 0;
    MeGainKuro = MeGainSiro = KakemeKuro = KakemeSiro = 0;
    WeakGunKuro = WeakGunSiro = 0;
    const TGoban& b = CurGoban();
    const int prisoners = Prisoners();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            const int a = AreaMap[x][y];
            if (c == kAki) {
                if (a >= 1)
                    AreaKuro += a;
                else if (a < 0)
                    AreaSiro -= a;
            } else if (b.Death[x][y] != 0) {
                (c == kKuro ? DeadKuro : DeadSiro) += 4;
            }
            // A false eye does not count as area.
            const int k = b.KakemeMap[x][y];
            if (a != 0 && (k == kKakemeYes || k == kKakemeKamo || k == kKakemeNotMe)) {
                const int loss = k == kKakemeYes ? std::abs(a) : 1;
                (a > 0 ? KakemeKuro : KakemeSiro) += loss;
            }
        }
    GroupTerms();
    return prisoners + AreaKuro - AreaSiro + GunAreaKuro - GunAreaSiro - DeadKuro + DeadSiro - WeakGunKuro
           + WeakGunSiro - SemeaiKuro + SemeaiSiro + MeGainKuro - MeGainSiro - KakemeKuro + KakemeSiro;
}

void HyokaBase()
{
    HyokaBaseValue = HyokaCalc();
    CountBigGun();
    BigGunKuroBase = BigGunKuro;
    BigGunSiroBase = BigGunSiro;
}

int HyokaDiff(int colour)
{
    const int h = HyokaCalc();
    const int d = colour == kSiro ? HyokaBaseValue - h : h - HyokaBaseValue;
    CountBigGun();
    const int f = KeiseiHandanNow < 10 ? 2 : 4;
    const bool black = colour != kSiro;
    const int ownBase = black ? BigGunKuroBase : BigGunSiroBase;
    const int ownNow = black ? BigGunKuro : BigGunSiro;
    const int oppBase = black ? BigGunSiroBase : BigGunKuroBase;
    const int oppNow = black ? BigGunSiro : BigGunKuro;
    return d + f * (ownBase - ownNow) + f * (oppNow - oppBase);
}

int Hyoka(int colour)
{
    ++HyokaCallCount;
    CurGoban().Analyze();
    return HyokaDiff(colour);
}

int UtuHyoka(int colour, Point p)
{
    if (!Play(colour, p))
        return 0;
    const int v = Hyoka(colour);
    YomiModosu();
    return v;
}

int DeiriHyoka(Point p) { return UtuHyoka(kKuro, p) + UtuHyoka(kSiro, p); }

int HyokaAiteNigeru(int colour, Point p)
{
    const int o = Aite(colour);
    const TGoban& b = CurGoban();
    // The last adjacent chain of the opponent in atari gives the escape point.
    Point escape{};
    Arr<int, 1, 4> seen{};
    int seenSu = 0;
    for (int d = 1; d <= 4; ++d) {
        const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
        if (b.GetIro(nx, ny) != o)
            continue;
        TRen* r = b.RenList.RenAt(nx, ny);
        if (r == nullptr || std::find(seen.begin(), seen.begin() + seenSu, r->GetNo()) != seen.begin() + seenSu)
            continue;
        seen[++seenSu] = r->GetNo();
        if (r->Kuu() == 1)
            escape = r->GetKuu(1);
    }
    bool stayed = false;
    if (escape.x != 0 && CurGoban().CheckUtu(o, escape.x, escape.y) == kUtuOk && YomiUtuRebuild(o, escape)) {
        const TRen* r = CurGoban().RenList.RenAtPt(escape);
        stayed = r != nullptr && r->Kuu() > 1;
        if (!stayed)
            YomiModosu();
    }
    const int v = Hyoka(colour);
    if (stayed)
        YomiModosu();
    return v;
}

int ItiHyoka(Point p)
{
    if (!Play(JibunIro, p))
        return 0;
    const int e1 = Hyoka(JibunIro);
    if (GunDeadByRule(p, 90)) {
        YomiModosu();
        return -1;
    }
    const bool dead70 = GunDeadByRule(p, 70);
    YomiModosu();
    const int e2 = std::max(UtuHyoka(AiteIro, p), 0);
    int v = e1 + e2;
    if (dead70)
        v = std::min(v / 2, 18);
    return v;
}

void AddKohoHyoka(Point p) { AddKoho(p, ItiHyoka(p), 0); }

namespace {

// Our play at p, then the opponent's; false when our group there dies by the
// 90 rule or our move is illegal.  With `approach`, our value is lowered by
// the opponent's approach plays while our stone is still on p.
bool TryBothSides(Point p, bool approach, int& e1, int& e2, bool& dead70)
{
    if (!Play(JibunIro, p))
        return false;
    CurGoban().Analyze();
    if (GunDeadByRule(p, 90)) {
        YomiModosu();
        return false;
    }
    dead70 = !approach && GunDeadByRule(p, 70);
    e1 = HyokaDiff(JibunIro);
    if (approach)
        e1 = KakariMin(p, e1);
    YomiModosu();
    e2 = 0;
    if (Play(AiteIro, p)) {
        e2 = Hyoka(AiteIro);
        const bool theirsDies = GunDeadByRule(p, 90);
        YomiModosu();
        if (theirsDies)
            return false;
    }
    return true;
}

} // namespace

void AddKohoTry(Point p)
{
    int e1 = 0, e2 = 0;
    bool dead70 = false;
    if (!TryBothSides(p, false, e1, e2, dead70))
        return;
    int v = e1 + e2;
    if (dead70)
        v /= 3;
    AddKoho(p, v == 0 ? -1 : v, 0);
}

void AddKohoTryKakari(Point p)
{
    int e1 = 0, e2 = 0;
    bool dead70 = false;
    if (!TryBothSides(p, true, e1, e2, dead70))
        return;
    const int v = e1 + e2;
    AddKoho(p, v == 0 ? -1 : v, 0);
}

int KakariMin(Point p, int v)
{
    const int own = CurGoban().GetIroPt(p);
    if (own != kKuro && own != kSiro)
        return v;
    const int opp = Aite(own);
    // The own stones in a (2,2) relation to p, from its relation record.
    Arr<Point, 1, kMaxKankei> partners;
    const int n = CurGoban().GetLocatePt(p).GetKindPoints(own, KankeiNaname2, partners);
    for (int i = 1; i <= n; ++i) {
        const Point q = partners[i];
        if (CurGoban().GetIroPt(q) != own)
            continue;
        const Point m{(p.x + q.x) / 2, (p.y + q.y) / 2};
        bool oppNear = false;
        for (int d = 1; d <= 8; ++d)
            oppNear = oppNear || CurGoban().GetIro(m.x + Dir8X[d], m.y + Dir8Y[d]) == opp;
        if (!oppNear || CurGoban().CheckUtu(opp, m.x, m.y) != kUtuOk)
            continue;
        if (YomiPushUtu(opp, m)) {
            v = std::min(v, Hyoka(own));
            YomiModosu();
        }
    }
    return v;
}

void SaveHyokaBase()
{
    g_saveBase = HyokaBaseValue;
    g_saveBigKuro = BigGunKuroBase;
    g_saveBigSiro = BigGunSiroBase;
}

void RestoreHyokaBase()
{
    HyokaBaseValue = g_saveBase;
    BigGunKuroBase = g_saveBigKuro;
    BigGunSiroBase = g_saveBigSiro;
}

int KeiseiHandanCalc()
{
    AreaMapCopy();
    const TGoban& b0 = *GobanLv[0];
    // Komi in halves of a point; a value no game can have is read as none.
    const double komi = std::isfinite(Komi) && std::fabs(Komi) <= 1000.0f ? Komi : 0.0;
    int j = static_cast<int>(std::lround(-komi * 2));
    j += 2 * b0.Tejun.Hama(kKuro) - 2 * b0.Tejun.Hama(kSiro);
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b0.GetIro(x, y);
            if (c == kAki)
                j += AreaMapView[x][y];
            else if (b0.Death[x][y] != 0)
                j += c == kKuro ? -4 : 4;
        }
    // Nearly dead groups count as dead.
    for (int n = 1; n <= b0.GunList.GetCount(); ++n) {
        const TGun* g = b0.GunList.GetGun(n);
        if (g != nullptr && g->GetMe() < 3 && g->GetDeath() == 0 && g->GetDeathLevel() > 70)
            j += (g->GetIsiIro() == kKuro ? -4 : 4) * g->GetIsiSu();
    }
    return j;
}

int KeiseiHandan()
{
    const int j = KeiseiHandanCalc();
    return JibunIro == kSiro ? -j : j;
}

void HyokaReset()
{
    HyokaCallCount = 0;
    AreaKuro = AreaSiro = GunAreaKuro = GunAreaSiro = 0;
    DeadKuro = DeadSiro = SemeaiKuro = SemeaiSiro = 0;
    MeGainKuro = MeGainSiro = KakemeKuro = KakemeSiro = 0;
    WeakGunKuro = WeakGunSiro = 0;
    HyokaBaseValue = 0;
    BigGunKuroBase = BigGunSiroBase = 0;
    BigGunKuro = BigGunSiro = 0;
    g_saveBase = g_saveBigKuro = g_saveBigSiro = 0;
}

} // namespace vorn

#include "engine/Hyoka.h"

#include <algorithm>
#include <cmath>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Yomi.h"
#include "board/KuuIsi.h"
#include "engine/Koho.h"
#include "engine/Pending.h"
#include "engine/Think.h"

namespace vorn {

int AreaKuro = 0, AreaSiro = 0;
int GunAreaKuro = 0, GunAreaSiro = 0;
int DeadKuro = 0, DeadSiro = 0;
int SemeaiKuro = 0, SemeaiSiro = 0;
int MeGainKuro = 0, MeGainSiro = 0;
int KakemeKuro = 0, KakemeSiro = 0;
int WeakGunKuro = 0, WeakGunSiro = 0;
int HyokaBaseValue = 0;
int BigGunKuroBase = 0, BigGunSiroBase = 0;
int BigGunKuro = 0, BigGunSiro = 0;

namespace {

// Save cells of SaveHyokaBase.
int g_saveBase = 0;
int g_saveBigKuro = 0;
int g_saveBigSiro = 0;

// Eye verdicts of a point.
enum { kKakemeYes = 1, kKakemeKamo = 2, kKakemeNotMe = 4 };

// --- What the evaluation reads of the groups ------------------------------------
// The groups of the board model (eye values, death levels, capturing races,
// links, related points) are not in the program yet.  Until they are, a board
// has no groups: the weak-group, race, eye-gain and big-group terms are 0,
// and no move is judged to kill its own group.

// Weak groups, new and settled capturing races and eyes gained (with the area
// handed over around nearly dead groups), added into the term accumulators.
void GroupTerms() {}

// Big groups of the current level: five or more stones worth 25 or more,
// linked groups counted once.
void CountBigGun()
{
    BigGunKuro = 0;
    BigGunSiro = 0;
}

// The group at p on the current level is dead by the rule of `percent`
// (70 or 90): marked dead, or weak, out of any race and above that death level.
bool GunDeadByRule(Point p, int percent)
{
    (void)p;
    (void)percent;
    return false;
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
    // Nearly dead groups (eye value below 3, death level above 70) count as
    // dead: waits for the groups of the board model.
    return j;
}

int KeiseiHandan()
{
    const int j = KeiseiHandanCalc();
    return JibunIro == kSiro ? -j : j;
}

void HyokaReset()
{
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

#include "engine/WeakGun.h"

#include <array>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"

namespace vorn {

TGunKankeiPairTable GunKankeiPair{};
int GunKankeiPairCount = 0;
std::uint8_t GunKankeiPairMode = 0;

namespace {

// Weak enemy groups taken as the partners of one weak group.
constexpr int kMaxWeakPartner = 10;
// Extensions tried by GunHirogeruBest.
constexpr int kMaxHirogeruBest = 10;
// A lone stone this close to death is given up.
constexpr int kGiveUpDeathLevel = 55;
// A candidate of a single weak group this good ends its steps.
constexpr int kSingleEnough = kSelectUrgent;
// ... and of a pair's capture answers.
constexpr int kPairEnough = kSelectHigh;
// A dying group must come at least this much further from death.
constexpr int kHirogeruDeathGain = 3;

using TBox = std::array<Point, 15>;

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// None of the cells of the box holds a stone of colour c.
bool NoStoneOn(int c, const TBox& box, std::initializer_list<int> cells)
{
    for (int i : cells)
        if (IroAt(box[static_cast<std::size_t>(i)]) == c)
            return false;
    return true;
}

bool BothOf(int c, const TBox& box, int i, int j)
{
    return IroAt(box[static_cast<std::size_t>(i)]) == c && IroAt(box[static_cast<std::size_t>(j)]) == c;
}

bool Around8Empty(Point p)
{
    const TGoban& b = CurGoban();
    for (int d = 1; d <= 8; ++d)
        if (b.GetIro(p.x + Dir8X[d], p.y + Dir8Y[d]) != kAki)
            return false;
    return true;
}

// Liberties of the chain of the stone at p, 0 when there is none.
int RenKuu(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->Kuu();
}

// The distinct groups of the enemy chains next to g, in the order of its
// neighbour chains.
template <int Hi>
int EnemyGuns(const TGun& g, Arr<int, 1, Hi>& out)
{
    std::array<int, kMaxMren> chains{};
    const int su = g.ListMren(chains);
    const TGoban& b = CurGoban();
    int n = 0;
    for (int i = 0; i < su; ++i) {
        const TRen* r = b.RenList.Items(chains[static_cast<std::size_t>(i)]);
        if (r == nullptr || r->GetIro() != Aite(g.GetIsiIro()) || r->GetGunNo() == 0)
            continue;
        bool seen = false;
        for (int k = 1; k <= n && !seen; ++k)
            seen = out[k] == r->GetGunNo();
        if (!seen && n < Hi)
            out[++n] = r->GetGunNo();
    }
    return n;
}

// A two-space extension from the stone a to the point b along the third
// line, with no stone of colour opp beside the two points between.
bool NikenClear(Point a, Point b, int opp)
{
    if (LineNoPt(a) != 3 || LineNoPt(b) != 3 || RenKuu(a) <= 1)
        return false;
    TBox box{};
    BetweenStrip3(a, b, box);
    return NoStoneOn(opp, box, {3, 5, 6, 8});
}

// The point of such an extension is open enough: its four neighbours empty
// for our own group, all eight surrounding points for the opponent's.
bool NikenOpen(const TGun& g, Point b)
{
    return g.GetIsiIro() == JibunIro ? EmptyNeighbours(b) == 4 : Around8Empty(b);
}

// The unit's own test of a weak enemy partner.
bool WeakPartner(const TGun& h) { return h.GetDeath() != 1 && h.IsWeak(); }

} // namespace

void AddKohoPair(int colour, Point p1, Point p2, int value)
{
    if (GunKankeiPairCount >= kMaxGunKankeiPair)
        return;
    const int i = ++GunKankeiPairCount;
    GunKankeiPair.Kuro[i] = colour == kKuro ? p1 : p2;
    GunKankeiPair.Siro[i] = colour == kKuro ? p2 : p1;
    GunKankeiPair.Value[i] = value;
}

bool IsWeakGunTarget(const TGun& g)
{
    return g.GetMe() < 4 ? g.GetDeathLevel() > 0 : g.IsWeak();
}

void WeakGunThink(Point& out)
{
    out = Point{};
    KohoKind = kkWeakGun;
    const TGunList& list = CurGoban().GunList;
    Arr<std::uint8_t, 1, kMaxGun> done{};
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr || done[n] == 1 || !IsStone(g->GetIsiIro()) || !IsWeakGunTarget(*g))
            continue;
        Arr<int, 1, kMaxGun> near{};
        const int su = EnemyGuns(*g, near);
        Arr<int, 1, kMaxWeakPartner> partners{};
        int m = 0;
        for (int i = 1; i <= su && m < kMaxWeakPartner; ++i) {
            const TGun* h = list.GetGun(near[i]);
            if (h != nullptr && WeakPartner(*h))
                partners[++m] = near[i];
        }
        if (m == 0) {
            WeakGunSingle(*g);
        } else {
            for (int i = 1; i <= m; ++i) {
                done[partners[i]] = 1;
                const TGun* h = list.GetGun(partners[i]);
                if (h == nullptr)
                    continue;
                if (g->GetIsiIro() == JibunIro)
                    WeakGunPair(*g, *h);
                else
                    WeakGunPair(*h, *g);
            }
        }
        YomiUnwind();
    }
    SelectIfAny(kSelectMiddle, out);
}

void WeakGunSingle(const TGun& g)
{
    if (g.GetIsiSu() < 2 && g.GetDeathLevel() > kGiveUpDeathLevel)
        return;
    const int first = KohoCount + 1;
    g.KohoTe();
    for (int step = 1; step <= 6; ++step) {
        KohoKind = kkWeakGun;
        switch (step) {
        case 1:
            WeakGunPairAnswer(g);
            break;
        case 2:
            PairAnswerRange(1);
            WeakGunNiken(g);
            break;
        case 3:
            // The extension points are looked at again by step 6.
            break;
        case 4:
            WeakGunKankeiMoves(g);
            break;
        case 5:
            PairAnswerRange(2);
            break;
        default: {
            Point ignored;
            WeakGunHirogeru(g, 0, ignored);
            break;
        }
        }
        YomiUnwind();
        Point p;
        SelectKohoFrom(kSingleEnough, first, p);
        if (p.x != 0)
            return;
    }
}

void WeakGunPair(const TGun& g, const TGun& h)
{
    g.KohoTe();
    const int first = KohoCount + 1;
    WeakGunPairAnswer(g);
    Point p;
    SelectKohoFrom(kPairEnough, first, p);
    if (p.x != 0)
        return;
    const TGoban& b = CurGoban();
    const int other = Aite(g.GetIsiIro());
    for (int i = 1; i <= g.GetIsiSu(); ++i) {
        const Point s = g.GetYoso(i);
        const TLocate& loc = b.GetLocatePt(s);
        for (int k = 1; k <= loc.GetKankeiSu(); ++k) {
            const Point q = loc.GetKankeiPoint(k);
            if (!loc.OnBoardAt(k) || b.GetIroPt(q) != other || b.GunList.GetGunNo(q.x, q.y) != h.GetGunNo())
                continue;
            switch (loc.GetKankeiKind(k)) {
            case KankeiTonari:
                GunKankei1Utu(q, s);
                break;
            case KankeiNaname:
                GunKankei2Utu(q, s);
                break;
            case Kankei1ken:
                GunKankei3Utu(q, s, 1);
                break;
            case KankeiKeima:
                GunKankei4Utu(q, s);
                break;
            case KankeiNaname2:
                GunKankei5Utu(q, s);
                break;
            case Kankei2ken:
                GunKankei6Utu(q, s);
                break;
            case KankeiOgeima:
                GunKankei7Utu(q, s, 1);
                break;
            case KankeiKeima23:
                GunKankei8Utu(q, s);
                break;
            default:
                break;
            }
        }
        YomiUnwind();
    }
}

void WeakGunPairAnswer(const TGun&)
{
    const std::uint8_t saved = KohoKind;
    KohoKind = kkToru;
    TGoban& b = CurGoban();
    for (int i = 1; i <= b.PairCount(); ++i) {
        const Point a = b.PairPointA(i);
        if (b.PairFlag(i) == 1 || b.PairKind(i) < kPairJi || !b.OnBoardPt(a) || KohoTeMap[a.x][a.y] != 1)
            continue;
        PairAnswerKind2(b.PairKind(i), a, b.PairPointB(i));
        b.SetPairFlag(i, 1);
        YomiUnwind();
    }
    KohoKind = saved;
}

void PairAnswerRange(int mode)
{
    TGoban& b = CurGoban();
    auto inArea = [&b](Point p) { return KohoTeMap[p.x][p.y] == 1; };
    for (int i = 1; i <= b.PairCount(); ++i) {
        const int kind = b.PairKind(i);
        if (b.PairFlag(i) == 1 || kind >= kPairJi)
            continue;
        const Point a = b.PairPointA(i), s = b.PairPointB(i);
        const bool onA = b.OnBoardPt(a), onS = b.OnBoardPt(s);
        if (!onA && !onS)
            continue;
        if ((onA && !inArea(a)) || (onS && !inArea(s)))
            continue;
        if ((mode == 1 && kind > KankeiOgeima) || (mode == 2 && kind < KankeiKeima23))
            continue;
        // The stone whose link is threatened first, its partner second.
        PairAnswerKind(kind, s, a);
        b.SetPairFlag(i, 1);
        YomiUnwind();
    }
}

void WeakGunNiken(const TGun& g)
{
    const int opp = Aite(g.GetIsiIro());
    const bool ours = g.GetIsiIro() == JibunIro;
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        if (g.GetFromValue(i) != Kankei2ken)
            continue;
        const Point a = g.GetFromA(i), b = g.GetFromB(i);
        if (!NikenClear(a, b, opp) || !NikenOpen(g, b))
            continue;
        const int e1 = UtuHyoka(JibunIro, b);
        // Against the opponent's extension, the gap point next to b when it
        // is already in touch with one of our stones.
        Point target = b;
        if (!ours) {
            TBox box{};
            BetweenStrip3(a, b, box);
            const Point gap = box[7];
            if (CurGoban().OnBoardPt(gap) && CurGoban().GetLocatePt(gap).HasKankeiLE(Kankei2ken, JibunIro))
                target = gap;
        }
        const int e2 = UtuHyoka(AiteIro, target);
        AddKoho(ours ? b : target, e1 + e2, 0);
    }
}

void WeakGunHirogeru(const TGun& g, int noAdd, Point& out)
{
    out = Point{};
    const TGoban& b0 = CurGoban();
    const int col = g.GetIsiIro(), opp = Aite(col);
    const int n = g.GetIsiSu(), dl = g.GetDeathLevel();
    bool enemyWeak = false;
    int enemyStones = 0;
    {
        Arr<int, 1, kMaxGun> near{};
        const int su = EnemyGuns(g, near);
        for (int i = 1; i <= su; ++i)
            if (const TGun* h = b0.GunList.GetGun(near[i])) {
                enemyWeak = enemyWeak || h->IsWeak();
                enemyStones += h->GetIsiSu();
            }
    }
    int best = 0;
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const int k = g.GetFromValue(i);
        const Point a = g.GetFromA(i), b = g.GetFromB(i);
        if (RenKuu(a) == 1)
            continue;
        TBox box{}, diag{};
        if (k == Kankei2ken) {
            if (!NikenClear(a, b, opp))
                continue;
        } else if (k == Kankei1ken) {
            BetweenStrip3(a, b, box);
            if (!NoStoneOn(opp, box, {3, 5}) || BothOf(opp, box, 0, 2) || BothOf(opp, box, 6, 8))
                continue;
        } else if (k == KankeiKeima) {
            if (LineNoPt(b) == 1)
                continue;
            BetweenRows(a, b, box);
            BetweenDiag(a, b, diag);
            if (AtariMapAt(AiteIro, box[2]) != 0 || AtariMapAt(AiteIro, box[3]) != 0 || !NoStoneOn(opp, diag, {2, 3}))
                continue;
        } else {
            continue;
        }
        if (EmptyNeighbours(b) != 4)
            continue;

        int e1 = 0;
        {
            TYomiTrial t;
            if (!t.Play(col, b))
                continue;
            CurGoban().Analyze();
            if (dl > 70) {
                const TGun* after = GunAt(b);
                if (after == nullptr || after->GetDeathLevel() > dl - kHirogeruDeathGain
                    || (col == JibunIro && after->IsDeath70() != 0))
                    continue;
            }
            e1 = KakariMin(b, HyokaDiff(col));
        }
        int e2 = 0;
        {
            TYomiTrial t;
            if (t.Play(opp, b)) {
                e2 = Hyoka(opp);
                if (k == Kankei1ken)
                    e2 = KakariMin(b, e2);
            }
        }
        int v = e1 + e2;
        if (v > best) {
            best = v;
            out = b;
        }
        // A lone stone between strong enemy stones has little to extend for.
        if (n == 1 && !enemyWeak)
            v = HalveTimes(v, enemyStones);
        if (noAdd != 0)
            continue;
        if (col == JibunIro) {
            AddKoho(b, v, 0);
            continue;
        }
        AddKoho(b, 25, std::min(v / 3, 35));
        if (k == KankeiKeima)
            for (int m : {2, 3}) {
                const Point q = box[static_cast<std::size_t>(m)];
                TIroCounts around;
                CountNeighbour(q, around);
                if (IroAt(q) == kAki && around[col] == 0)
                    AddKoho(q, 25, (e1 + UtuHyoka(opp, q)) / 3);
            }
    }
}

void WeakGunKankeiMoves(const TGun& g)
{
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    KankeiGunUtu(g, 0);
    GunKankeiPairMode = 0;
    YomiUnwind();

    const int col = g.GetIsiIro();
    auto ownMove = [col](int i) { return col == kKuro ? GunKankeiPair.Kuro[i] : GunKankeiPair.Siro[i]; };
    auto ourMove = [](int i) { return JibunIro == kKuro ? GunKankeiPair.Kuro[i] : GunKankeiPair.Siro[i]; };
    bool added = false;
    for (int i = 1; i <= GunKankeiPairCount; ++i) {
        bool settled = false;
        {
            TYomiTrial t;
            if (!t.Play(col, ownMove(i)))
                continue;
            CurGoban().Analyze();
            const TGun* after = GunAt(ownMove(i));
            settled = after != nullptr && !IsWeakGunTarget(*after);
        }
        if (settled) {
            AddKoho(ourMove(i), GunKankeiPair.Value[i], 0);
            added = true;
        }
    }
    if (added || GunIkkenNigeru(g))
        return;
    for (int i = 1; i <= GunKankeiPairCount; ++i)
        AddKoho(ourMove(i), GunKankeiPair.Value[i], 0);
}

bool GunIkkenNigeru(const TGun& g)
{
    const TGoban& b = CurGoban();
    const int col = g.GetIsiIro();
    bool added = false;
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        if (g.GetFromValue(i) != Kankei1ken)
            continue;
        const Point a = g.GetFromA(i), p = g.GetFromB(i);
        const TRen* r = ToruRenAt(a);
        if (r == nullptr || r->SichoStatus() == kSichoToreru || !Around8Empty(p))
            continue;
        // Toward another group of ours that already lives.
        const TLocate& loc = b.GetLocatePt(p);
        bool towardLife = false;
        for (int k = 1; k <= loc.GetKankeiSu() && !towardLife; ++k) {
            const Point q = loc.GetKankeiPoint(k);
            if (!loc.OnBoardAt(k) || b.GetIroPt(q) != col)
                continue;
            const TGun* other = b.GunList.GetGunAt(q);
            towardLife = other != nullptr && other->GetGunNo() != g.GetGunNo() && other->GetMe() >= 4;
        }
        if (!towardLife)
            continue;
        AddKoho(p, DeiriHyoka(p) * 13 / 10, 0);
        added = true;
    }
    return added;
}

void GunNikenHirogeru(const TGun& g, Point& out)
{
    out = Point{};
    const int opp = Aite(g.GetIsiIro());
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const Point a = g.GetFromA(i), b = g.GetFromB(i);
        if (g.GetFromValue(i) == Kankei2ken && NikenClear(a, b, opp) && NikenOpen(g, b)) {
            out = b;
            return;
        }
    }
}

int GunIkkenHyoka(const TGun& g)
{
    const int col = g.GetIsiIro(), opp = Aite(col);
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const Point p = g.GetFromB(i);
        if (g.GetFromValue(i) != Kankei1ken || EmptyNeighbours(p) != 4)
            continue;
        TYomiTrial t;
        if (t.Play(col, p))
            return Hyoka(opp);
        break;
    }
    // The position as it stands, analysed on a copy: the caller's board
    // keeps its analysis.
    TYomiKeep keep;
    YomiPush();
    return Hyoka(opp);
}

void GunHirogeruBest(const TGun& g, Point& out)
{
    out = Point{};
    const int col = g.GetIsiIro();
    Arr<Point, 1, kMaxHirogeruBest> pts{};
    int n = 0;
    for (int i = 1; i <= g.GetFromSu() && n < kMaxHirogeruBest; ++i) {
        const int k = g.GetFromValue(i);
        const Point p = g.GetFromB(i);
        if (k != Kankei1ken && k != KankeiKeima && k != Kankei2ken)
            continue;
        if (k == Kankei2ken && (LineNoPt(p) < 2 || LineNoPt(p) > 4))
            continue;
        bool seen = false;
        for (int j = 1; j <= n && !seen; ++j)
            seen = pts[j] == p;
        if (!seen && Around8Empty(p))
            pts[++n] = p;
    }
    int best = -999;
    for (int i = 1; i <= n; ++i) {
        TYomiTrial t;
        if (!t.Play(col, pts[i]))
            continue;
        const int v = Hyoka(col);
        if (v > best) {
            best = v;
            out = pts[i];
        }
    }
}

void WeakGunReset()
{
    GunKankeiPair = {};
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 0;
}

} // namespace vorn

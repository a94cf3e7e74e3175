#include "engine/Yose.h"

#include <algorithm>
#include <array>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Jisho.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Toru2.h"

namespace vorn {

Grid<std::uint8_t, 1, 19> LinkMark1{};
Grid<std::uint8_t, 1, 19> LinkMark2{};
Arr<Grid<int, 1, 19>, 1, 2> YoseCacheValue{};
Arr<Grid<int, 1, 19>, 1, 2> YoseCacheBonus{};
std::uint8_t YoseCacheValid = 0;

namespace {

// A value this big is stored and proposed as (0, 9): the reading that found
// it is not trusted with more.
constexpr int kYoseValueCap = 25;
constexpr int kYoseCapBonus = 9;
// Bonuses of the small points.
constexpr int kBonusSente = 5;        // our sente move
constexpr int kBonusDiagonalArea = 3; // a dame beside someone's open area
constexpr int kBonusBorderOne = 5;    // a border point worth 1
// Fallbacks: a dead stone's liberty, a false eye, a race's liberty.
constexpr int kBonusDeath = 2;
constexpr int kBonusKakeme = 1;
constexpr int kBonusSemeai = 1;
// The cache forgets this far around a move.
constexpr int kInvalidateRadius = 2;

bool OnGame(Point p) { return p.x >= 1 && p.y >= 1 && p.x <= BoardSize && p.y <= BoardSize; }

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

Point Dir4(Point p, int d) { return Point(p.x + Dir4X[d], p.y + Dir4Y[d]); }
Point Diag(Point p, int d) { return Point(p.x + NanameX[d], p.y + NanameY[d]); }

int RenKuu(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->Kuu();
}

// The ladder catches the chain of the stone at p (a chain in atari counts as
// caught); the current board's chains must be fresh.
bool LadderCaught(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r != nullptr && r->Kuu() <= 2 && ToruSicho(p);
}

// The distinct chains of colour c next to p, by number.
int TonariRen(Point p, int c, std::array<int, 4>& chains) { return ListTonariRen(p, c, chains); }

TRen* RenNo(int n) { return CurGoban().RenList.Items(n); }

void SetCell(int colour, Point p, int value, int bonus)
{
    YoseCacheValue[colour][p.x][p.y] = value;
    YoseCacheBonus[colour][p.x][p.y] = bonus;
}

// A filled cell of the engine's colour is proposed again; true when there
// was one.
bool ReAdd(Point p)
{
    int v = 0, b = 0;
    if (!YoseCacheGet(JibunIro, p, v, b))
        return false;
    AddKoho(p, v, b);
    return true;
}

// An atari point of either colour.
bool AtariPoint(Point p) { return AtariMapAt(kKuro, p) == 1 || AtariMapAt(kSiro, p) == 1; }

// The points that the endgame scans visit: empty on the game board, in no
// region, not dealt with by a link handler; y outer, x inner.
template <class F>
void ForEachYosePoint(F&& f)
{
    const int n = BoardSize;
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            const TGoban& b0 = *GobanLv[0];
            if (b0.GetIro(x, y) != kAki || b0.JiList.GetJiNo(x, y) >= 1 || LinkMark1[x][y] == 1)
                continue;
            f(Point(x, y));
            YomiUnwind();
        }
}

// The answer that a move at p forces, among the chains of colour c next to
// p: the escape of a chain in atari (by capturing a neighbour in atari when
// it can), else the first move of the last ladder against one of its
// two-liberty chains.  With `read` the ladder is read afresh, otherwise the
// chain's stored status is taken.
Point ForcingPoint(Point p, int c, bool read)
{
    std::array<int, 4> chains{};
    const int su = TonariRen(p, c, chains);
    Point f{};
    for (int i = 0; i < su; ++i) {
        TRen* r = RenNo(chains[static_cast<std::size_t>(i)]);
        if (r == nullptr)
            continue;
        if (r->Kuu() == 1) {
            const Point capture = TonariAtariKuu(r);
            return capture.x != 0 ? capture : r->GetKuu(1);
        }
        if (r->Kuu() != 2)
            continue;
        Point first{};
        if (read) {
            if (!ToruSicho(r->GetIsi(1), &first))
                continue;
        } else {
            if (r->GetSicho() != kSichoToreru)
                continue;
            first = r->SichoTe(1);
        }
        if (first.x > 0)
            f = first;
    }
    return f;
}

// An empty diagonal neighbour of p lies in someone's area at the start of
// the decision, and the other colour may enter it without self-atari.
bool DiagonalAreaOpen(Point p)
{
    for (int d = 1; d <= 4; ++d) {
        const Point q = Diag(p, d);
        if (!OnGame(q) || GobanLv[0]->GetIroPt(q) != kAki)
            continue;
        const int a = AreaMapBackup[q.x][q.y];
        if ((a < 0 && CanUtu(kKuro, q)) || (a > 0 && CanUtu(kSiro, q)))
            return true;
    }
    return false;
}

// The group of a stone on the game board.
const TGun* Gun0(Point p)
{
    const TGoban& b0 = *GobanLv[0];
    return IsStone(b0.GetIroPt(p)) ? b0.GunList.GetGunAt(p) : nullptr;
}

} // namespace

// ---------------------------------------------------------------------------
// Link marks

void LinkMarkClear()
{
    const int n = BoardSize;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            LinkMark1[x][y] = 0;
            LinkMark2[x][y] = 0;
        }
}

void LinkMark1Set(Point p, int value)
{
    if (OnGame(p))
        LinkMark1[p.x][p.y] = static_cast<std::uint8_t>(value);
}

void LinkMark2Set(Point p, int value)
{
    if (OnGame(p))
        LinkMark2[p.x][p.y] = static_cast<std::uint8_t>(value);
}

// ---------------------------------------------------------------------------
// The cache

void YoseCacheClear()
{
    for (int c = kKuro; c <= kSiro; ++c) {
        FillGrid<int, 1, 19>(YoseCacheValue[c], -1);
        FillGrid<int, 1, 19>(YoseCacheBonus[c], 0);
    }
    YoseCacheValid = 0;
}

void YoseCacheInvalidate(Point p)
{
    if (YoseCacheValid == 0 || !OnGame(p))
        return;
    for (int dx = -kInvalidateRadius; dx <= kInvalidateRadius; ++dx)
        for (int dy = -kInvalidateRadius; dy <= kInvalidateRadius; ++dy) {
            const Point q{p.x + dx, p.y + dy};
            if (OnGame(q))
                for (int c = kKuro; c <= kSiro; ++c)
                    SetCell(c, q, -1, 0);
        }
    // A dame next to a chain that the move shortened may have become a
    // point worth playing.
    const TGoban& b0 = *GobanLv[0];
    TRen* ren = b0.RenList.RenAtPt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()))
        return;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b0.RenList.Items(ren->Mren(i));
        if (m == nullptr || m->Kuu() != 3)
            continue;
        for (int k = 1; k <= 3; ++k) {
            const Point l = m->GetKuu(k);
            for (int c = kKuro; c <= kSiro; ++c)
                if (YoseCacheValue[c][l.x][l.y] == 0 && YoseCacheBonus[c][l.x][l.y] == 0)
                    SetCell(c, l, -1, 0);
        }
    }
}

bool YoseCacheGet(int colour, Point p, int& value, int& bonus)
{
    if (!IsStone(colour) || !OnGame(p) || YoseCacheValue[colour][p.x][p.y] < 0)
        return false;
    value = YoseCacheValue[colour][p.x][p.y];
    bonus = YoseCacheBonus[colour][p.x][p.y];
    return true;
}

void YoseCacheStore(Point p, int value, int bonus)
{
    if (IsStone(JibunIro) && OnGame(p))
        SetCell(JibunIro, p, value, KohoBonusClamp(value, bonus));
    AddKoho(p, value, bonus);
}

bool CanUtu(int colour, Point p)
{
    const TGoban& b0 = *GobanLv[0];
    return IsStone(colour) && b0.OnBoardPt(p) && b0.IsKinsiPt(colour, p) == 0 && b0.IsSelfAtariPt(colour, p) == 0;
}

// ---------------------------------------------------------------------------
// The generator

void YoseThink(Point& out)
{
    out = Point{};
    KohoKind = kkYose;
    YoseLinkMark();
    YoseStoneThink();
    YoseBorderThink();
    YoseDameThink();
    YoseKamoThink();
    YoseCacheValid = 1;
    SelectIfAny(kSelectYose, out);
    if (out.x != 0)
        return;
    YoseDeathThink();
    YoseKakemeThink();
    YoseSemeaiThink();
    SelectIfAny(0, out);
}

void YoseStoneThink()
{
    ForEachYosePoint([](Point p) {
        if (ReAdd(p))
            return;
        TIroCounts around;
        CountNeighbour(p, around);
        const int stones = around[kKuro] + around[kSiro];
        if (stones == 1)
            YoseOneStone(p, around[kKuro] == 1 ? kKuro : kSiro);
        else if (stones == 2 && (around[kKuro] == 2 || around[kSiro] == 2))
            YoseTwoStone(p, around[kKuro] == 2 ? kKuro : kSiro);
    });
}

void YoseBorderThink()
{
    ForEachYosePoint([](Point p) {
        TIroCounts around;
        CountNeighbour(p, around);
        if (around[kAki] >= 1 && around[JibunIro] >= 1 && AiteNearCheck(p))
            YoseBorderValue(p);
    });
}

void YoseDameThink()
{
    ForEachYosePoint([](Point p) {
        TIroCounts around;
        CountNeighbour(p, around);
        if (around[kAki] == 0 && around[kKuro] >= 1 && around[kSiro] >= 1)
            YoseValue(p);
    });
}

void YoseKamoThink()
{
    const TGoban& b0 = *GobanLv[0];
    for (int n = 1; n <= b0.GunList.GetCount(); ++n) {
        const TGun* g = b0.GunList.GetGun(n);
        for (int i = 1; g != nullptr && i <= g->GetJisu(); ++i) {
            const int no = g->GetJi(i);
            const TJi* ji = no >= 1 && no <= kMaxJi ? b0.JiList.GetJi(no) : nullptr;
            if (ji == nullptr || ji->GetKakeme() != kKakemeKamo || ji->GetJisu() != 2 || ji->GetBorder() != 0)
                continue;
            const int r = ji->GetJiIro(), t = Aite(r);
            if (!IsStone(r))
                continue;
            for (int k = 1; k <= 2; ++k) {
                const Point p = ji->GetYoso(k), q = ji->GetYoso(3 - k);
                if (AtariMapAt(t, p) == 0)
                    continue;
                int s = 0;
                {
                    TYomiTrial tr;
                    if (!tr.Play(t, p) || !tr.Play(r, q))
                        continue;
                    s = Hyoka(t);
                }
                const int w = (UtuHyoka(r, p) + s) * 2;
                if (w > 0)
                    AddKoho(p, w, 0);
            }
        }
    }
}

void YoseDeathThink()
{
    const TGoban& b0 = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const Point p{x, y};
            if (b0.GetDeathRenMark(x, y) != 0 && b0.IsKinsiPt(JibunIro, p) == 0 && b0.JiList.GetJiIro(x, y) == JibunIro)
                AddKoho(p, 0, kBonusDeath);
        }
}

void YoseKakemeThink()
{
    const TGoban& b0 = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const Point p{x, y};
            if (b0.GetKakeme(x, y) != kKakemeYes || !CanUtu(JibunIro, p) || b0.IsToruTenPt(AiteIro, p) != 0)
                continue;
            const TJi* ji = b0.JiList.GetJiAt(p);
            if (ji == nullptr || ji->GetJiIro() == AiteIro)
                continue;
            const TGun* owner = ji->GetGunNo() >= 1 ? b0.GunList.GetGun(ji->GetGunNo()) : nullptr;
            const int at = ji->FindYoso(p);
            if (owner == nullptr || owner->GetMe() < 4 || at == 0 || ji->GetBorderMark(at) == 1)
                continue;
            bool safe = false;
            {
                TYomiTrial t;
                if (!t.Play(JibunIro, p))
                    continue;
                ToruRenMake();
                const int kuu = RenKuu(p);
                safe = kuu >= 2 && !(kuu == 2 && LadderCaught(p));
            }
            if (safe)
                AddKoho(p, 0, kBonusKakeme);
        }
}

void YoseSemeaiThink()
{
    const TGoban& b0 = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const Point p{x, y};
            if (b0.GetKakeme(x, y) != kKakemeYes || b0.IsKinsiPt(JibunIro, p) != 0)
                continue;
            const TJi* ji = b0.JiList.GetJiAt(p);
            if (ji == nullptr || ji->GetJiIro() == JibunIro)
                continue;
            const TGun* owner = ji->GetGunNo() >= 1 ? b0.GunList.GetGun(ji->GetGunNo()) : nullptr;
            if (owner != nullptr && owner->GetSmai() != 0)
                AddKoho(p, 0, kBonusSemeai);
        }
}

void YoseLinkMark()
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int s = b.GetIro(x, y);
            if (!IsStone(s))
                continue;
            const TLocate& loc = b.GetLocate(x, y);
            for (int k = 1; k <= loc.GetKankeiSu(); ++k) {
                const Point q = loc.GetKankeiPoint(k);
                if (!loc.OnBoardAt(k) || b.GetIroPt(q) != s)
                    continue;
                if (loc.GetKankeiKind(k) == Kankei1ken)
                    YoseIkkenMark(Point(x, y), q);
                else if (loc.GetKankeiKind(k) == KankeiKeima)
                    YoseKeimaMark(Point(x, y), q);
            }
        }
}

void YoseIkkenMark(Point a, Point b)
{
    if (!OnGame(a) || !OnGame(b))
        return;
    std::array<Point, 9> box{};
    BetweenStrip3(a, b, box);
    const Point gap = box[4];
    const int s = IroAt(a), t = Aite(s);
    if (!IsStone(s) || IroAt(gap) != kAki)
        return;
    auto is = [&box](int i, int c) { return IroAt(box[static_cast<std::size_t>(i)]) == c; };
    if ((is(3, t) && is(5, kAki) && is(2, s) && is(8, s)) || (is(5, t) && is(3, kAki) && is(0, s) && is(6, s)))
        LinkMark1Set(gap, 1);
}

void YoseKeimaMark(Point a, Point b)
{
    if (!OnGame(a) || !OnGame(b))
        return;
    std::array<Point, 6> box{};
    BetweenRows(a, b, box);
    if (IroAt(box[2]) == kAki && IroAt(box[3]) == kAki) {
        LinkMark1Set(box[2], 1);
        LinkMark1Set(box[3], 1);
    }
}

// ---------------------------------------------------------------------------
// Values of one point

void YoseValue(Point p)
{
    if (ReAdd(p))
        return;
    const int j = JibunIro, o = AiteIro;
    if (!CanUtu(j, p))
        return;
    // Only between settled groups.
    for (int d = 1; d <= 4; ++d) {
        const TGun* g = Gun0(Dir4(p, d));
        if (g != nullptr && g->GetMe() < 4)
            return;
    }
    if (AtariPoint(p)) {
        YoseAtariValue(p);
        return;
    }

    // Our move.
    int g1 = 0, f1 = 0, e1 = 0;
    bool sente1 = false;
    {
        TYomiTrial t;
        if (!t.Play(j, p))
            return;
        ToruRenMake();
        if (LadderCaught(p) || GrenSichoKoho(p) || YoseSichoTrap(p) != 0)
            return;
        g1 = Hyoka(j);
        Point q;
        f1 = YoseFollowUp(p, q);
        if (f1 > 0) {
            if (q.x > 0) {
                TYomiTrial answer;
                if (answer.Play(o, q))
                    g1 = Hyoka(j);
            }
            sente1 = g1 * 2 < f1;
        }
        if (g1 == 0 && f1 == 0)
            e1 = YoseDameCheck(p, o);
    }

    // The opponent's move.
    int g2 = 0, f2 = 0, e2 = 0;
    bool sente2 = false;
    if (CanUtu(o, p)) {
        TYomiTrial t;
        if (t.Play(o, p)) {
            ToruRenMake();
            if ((LadderCaught(p) && LastTe.x > 0) || Ren3HorikomiCheck(p))
                return;
            g2 = Hyoka(o);
            Point q;
            f2 = YoseFollowUp(p, q);
            if (f2 >= 1) {
                if (q.x >= 1) {
                    TYomiTrial answer;
                    if (answer.Play(j, q))
                        g2 = Hyoka(o);
                }
                sente2 = g2 * 2 < f2;
            }
            if (g2 == 0 && f2 == 0)
                e2 = YoseDameCheck(p, j);
        }
    }

    int value = g1 + g2, bonus = 0;
    if (sente1 && sente2) {
        value = f1;
    } else if (sente1) {
        value = std::min(2 * value, f1);
        bonus = kBonusSente;
    } else if (sente2) {
        if (2 * value < f2)
            value = 2 * value;
        if (value == 0 && f2 >= 2)
            value = 2;
    }
    if (value == 0)
        value = 2 * e1 + 2 * e2;
    if (value == 0 && bonus == 0 && DiagonalAreaOpen(p))
        bonus = kBonusDiagonalArea;
    if (value < kYoseValueCap)
        YoseCacheStore(p, value, bonus);
    else
        YoseCacheStore(p, 0, kYoseCapBonus);
}

void YoseAtariValue(Point p)
{
    const int j = JibunIro, o = AiteIro;
    int gJ = 0, fJ = 0;
    bool forcingJ = false;
    {
        TYomiTrial t;
        if (!t.Play(j, p))
            return;
        ToruRenMake();
        if (Ren2SichoCheck(ToruRenAt(p)) != 0)
            return;
        const Point f = ForcingPoint(p, o, true);
        if (f.x == 0) {
            gJ = Hyoka(j);
        } else {
            forcingJ = true;
            {
                TYomiTrial answer;
                if (answer.Play(o, f))
                    gJ = Hyoka(j);
            }
            TYomiTrial followUp;
            if (followUp.Play(j, f))
                fJ = Hyoka(j);
        }
    }

    int gO = 0;
    bool forcingO = false;
    {
        TYomiTrial t;
        if (!CanUtu(o, p) || !t.Play(o, p)) {
            t.BackAll();
            YoseCacheStore(p, gJ, 0);
            return;
        }
        ToruRenMake();
        if (Ren2SichoCheck(ToruRenAt(p)) != 0) {
            t.BackAll();
            YoseCacheStore(p, 0, 0);
            return;
        }
        const Point f = ForcingPoint(p, j, false);
        if (f.x == 0) {
            gO = Hyoka(o);
        } else {
            forcingO = true;
            TYomiTrial answer;
            if (answer.Play(j, f))
                gO = Hyoka(o);
        }
    }

    int value = gJ + gO;
    if (forcingJ) {
        value *= 2;
        if (forcingO)
            value += value / 2;
        if (2 * value > fJ)
            value = fJ / 2;
    }
    // The follow-up travels as the bonus.
    YoseCacheStore(p, value, fJ);
}

void YoseBorderValue(Point p)
{
    if (ReAdd(p))
        return;
    const int j = JibunIro, o = AiteIro;
    // Not next to the opponent's dying stones: those are captured, not
    // bargained with.
    for (int d = 1; d <= 8; ++d) {
        const Point q{p.x + Dir8X[d], p.y + Dir8Y[d]};
        const TGun* g = GobanLv[0]->GetIroPt(q) == o ? Gun0(q) : nullptr;
        if (g != nullptr && g->IsDeath70() != 0)
            return;
    }
    if (!CanUtu(j, p) || !YoseIkiGunCheck(p))
        return;
    if (AtariPoint(p)) {
        YoseAtariValue(p);
        return;
    }

    int gJ = 0;
    {
        TYomiTrial t;
        if (!t.Play(j, p))
            return;
        ToruRenMake();
        if (RenKuu(p) == 2) {
            if (LadderCaught(p))
                return;
            // A thin stone that the opponent hanes at its one open side.
            if (EmptyNeighbours(p) == 1)
                for (int d = 1; d <= 4; ++d) {
                    const Point e = Dir4(p, d);
                    if (IroAt(e) == kAki && EmptyNeighbours(e) >= 3)
                        return;
                }
        }
        CurGoban().Analyze();
        const TGun* g = GunAt(p);
        if (g == nullptr || g->GetDeath() == 1)
            return;
        gJ = HyokaDiff(j);
        const Point q = YoseOsaePoint(p);
        if (q.x == 0) {
            gJ = gJ >= 1 ? YoseAtariBonus(p, gJ) : 0;
        } else {
            TYomiTrial answer;
            if (answer.Play(o, q)) {
                ToruRenMake();
                if (RenKuu(q) > 1)
                    gJ = Hyoka(j);
            }
        }
    }

    int gO = 0;
    if (GobanLv[0]->IsKinsiPt(o, p) == 0) {
        TYomiTrial t;
        if (t.Play(o, p)) {
            ToruRenMake();
            if (LadderCaught(p))
                return;
            gO = Hyoka(o);
            if (gO >= -1) {
                const int raised = YoseAtariBonus(p, gO);
                if (gO < raised)
                    gO += (raised - gO) / 2;
            } else {
                gO = 0;
            }
        }
    }

    const int value = gJ + gO;
    if (value >= 2 || value < 0)
        YoseCacheStore(p, value, 0);
    else if (value == 1)
        YoseCacheStore(p, 0, kBonusBorderOne);
    else
        YoseCacheStore(p, 0, 0);
}

void YoseOneStone(Point p, int s)
{
    const TGoban& b0 = *GobanLv[0];
    const int other = Aite(s);
    bool diagonal = false;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Diag(p, d);
        if (b0.GetIroPt(q) != other)
            continue;
        if (b0.IsDeathPt(q) != 0)
            return;
        diagonal = true;
    }
    if (!diagonal)
        return;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4(p, d);
        if (b0.GetIroPt(q) == s && b0.IsDeathPt(q) != 0)
            return;
    }

    const int j = JibunIro, o = AiteIro;
    int g = 0, f = 0;
    {
        TYomiTrial t;
        if (!t.Play(j, p))
            return;
        CurGoban().Analyze();
        const TGun* gun = GunAt(p);
        if (gun == nullptr || gun->GetMe() < 4)
            return;
        g = HyokaDiff(j);
        // The opponent's two-liberty chain that our stone presses: our hane
        // at its open diagonal liberty, its answer at the other.
        std::array<int, 4> chains{};
        const int su = TonariRen(p, o, chains);
        bool found = false;
        for (int i = 0; i < su && !found; ++i) {
            TRen* r = RenNo(chains[static_cast<std::size_t>(i)]);
            if (r == nullptr || r->Kuu() != 2)
                continue;
            const Point libs[2] = {r->GetKuu(1), r->GetKuu(2)};
            for (int k = 0; k < 2 && !found; ++k) {
                if (Kyori(p, libs[k]) != 2 || EmptyNeighbours(libs[k]) < 2)
                    continue;
                found = true;
                TYomiTrial line;
                if (line.Play(j, libs[k]) && line.Play(o, libs[1 - k]))
                    f = Hyoka(j);
            }
        }
    }
    int value = g + UtuHyoka(o, p);
    if (value < f)
        value = std::min(2 * value, f);
    YoseCacheStore(p, value, 0);
    LinkMark1Set(p, 1);
}

void YoseTwoStone(Point p, int s)
{
    if (EmptyNeighbours(p) != 2)
        return;
    if (AtariMapAt(Aite(s), p) == 1) {
        YoseTwoStoneAtari(p, s);
        return;
    }
    for (int d = 1; d <= 4; ++d) {
        const Point e = Dir4(p, d);
        if (IroAt(e) != kAki)
            continue;
        TIroCounts around;
        CountNeighbour(e, around);
        if (around[s] > 1 || around[Aite(s)] < 2)
            return;
    }
    YoseCacheStore(p, ItiHyoka(p), 0);
    LinkMark1Set(p, 1);
}

void YoseTwoStoneAtari(Point p, int s)
{
    const int t = Aite(s);
    int a = 0, b = 0;
    {
        TYomiTrial tr;
        if (!tr.Play(t, p))
            return;
        ToruRenMake();
        Point l{};
        std::array<int, 4> chains{};
        const int su = TonariRen(p, s, chains);
        for (int i = 0; i < su; ++i) {
            TRen* r = RenNo(chains[static_cast<std::size_t>(i)]);
            if (r != nullptr && r->Kuu() == 1)
                l = r->GetKuu(1);
        }
        if (l.x == 0)
            return;
        {
            TYomiTrial escape;
            if (escape.Play(s, l))
                a = Hyoka(t);
        }
        TYomiTrial capture;
        if (capture.Play(t, l))
            b = Hyoka(t);
    }
    // The owner's answer: p itself, or a more open neighbour of it.
    Point answer = p;
    int g = UtuHyoka(s, p);
    for (int d = 1; d <= 4; ++d) {
        const Point e = Dir4(p, d);
        if (IroAt(e) != kAki || EmptyNeighbours(e) < 2)
            continue;
        const int v = UtuHyoka(s, e);
        if (v > g) {
            g = v;
            answer = e;
        }
    }
    int total = g + a;
    if (total * 2 < b)
        total = JibunIro == t ? total * 2 : total + total / 2;
    AddKohoSide(t, p, answer, total);
    LinkMark1Set(p, 1);
}

// ---------------------------------------------------------------------------
// Readings

int YoseFollowUp(Point p, Point& q)
{
    q = Point{};
    const int s = IroAt(p);
    if (!IsStone(s))
        return 0;
    int r = 0;
    std::array<int, 4> chains{};
    const int su = TonariRen(p, Aite(s), chains);
    for (int i = 0; i < su; ++i) {
        TRen* m = RenNo(chains[static_cast<std::size_t>(i)]);
        if (m == nullptr)
            continue;
        if (m->Kuu() == 1) {
            const Point l = m->GetKuu(1);
            TYomiTrial t;
            if (t.PushPlay(s, l)) {
                q = l;
                r = Hyoka(s);
            }
        } else if (m->Kuu() == 2) {
            Point first;
            if (!ToruSicho(m->GetIsi(1), &first) || first.x <= 0)
                continue;
            const Point second = m->SichoTe(2);
            TYomiTrial t;
            if (t.PushPlay(s, first)) {
                t.Play(s, second);
                q = first;
                r = Hyoka(s);
            }
        }
    }
    return r / 2;
}

int YoseDameCheck(Point p, int e)
{
    std::array<int, 4> chains{};
    const int su = TonariRen(p, e, chains);
    for (int i = 0; i < su; ++i) {
        TRen* r = RenNo(chains[static_cast<std::size_t>(i)]);
        if (r == nullptr || r->Kuu() != 2)
            continue;
        for (int k = 1; k <= 2; ++k) {
            const Point l = r->GetKuu(k);
            if (Kyori(p, l) == 2 && EmptyNeighbours(l) >= 2)
                return 1;
        }
    }
    return 0;
}

int YoseSichoTrap(Point p)
{
    TRen* ren = ToruRenAt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()) || ren->Kuu() < 2 || ren->Kuu() > 3)
        return 0;
    const int s = ren->GetIro(), t = Aite(s);
    std::array<Point, 3> libs{};
    const int n = ren->Kuu();
    for (int i = 0; i < n; ++i)
        libs[static_cast<std::size_t>(i)] = ren->GetKuu(i + 1);
    for (int i = 0; i < n; ++i) {
        const Point l = libs[static_cast<std::size_t>(i)];
        TYomiTrial tr;
        if (!tr.PushPlay(t, l))
            continue;
        ToruRenMake();
        if (RenKuu(l) <= 1)
            continue;
        // Our chain in atari next to it escapes...
        Point escape{};
        std::array<int, 4> chains{};
        const int su = TonariRen(l, s, chains);
        for (int k = 0; k < su; ++k) {
            TRen* r = RenNo(chains[static_cast<std::size_t>(k)]);
            if (r != nullptr && r->Kuu() == 1)
                escape = r->GetKuu(1);
        }
        if (escape.x == 0 || !tr.Play(s, escape))
            continue;
        ToruRenMake();
        // ... into a ladder.
        const TRen* theirs = ToruRenAt(l);
        Point last{};
        for (int k = 1; theirs != nullptr && k <= theirs->MrenCount(); ++k) {
            const TRen* m = RenNo(theirs->Mren(k));
            if (m != nullptr && m->Kuu() == 2)
                last = m->GetIsi(1);
        }
        if (last.x == 0 || !ToruSicho(last))
            continue;
        tr.BackAll();
        if (JibunIro == s)
            AddKoho(p, 0, 1);
        return 1;
    }
    return 0;
}

Point YoseOsaePoint(Point p)
{
    const TGoban& b = CurGoban();
    const int s = b.GetIroPt(p);
    if (!IsStone(s))
        return Point{};
    std::array<Point, 4> diag{};
    int n = 0;
    for (int d = 1; d <= 4; ++d)
        if (b.GetIroPt(Diag(p, d)) == Aite(s))
            diag[static_cast<std::size_t>(n++)] = Diag(p, d);
    for (int i = 0; i < n; ++i)
        for (int k = i + 1; k < n; ++k) {
            const Point a = diag[static_cast<std::size_t>(i)], c = diag[static_cast<std::size_t>(k)];
            if (Kyori(a, c) != 3)
                continue;
            const Point m{(a.x + c.x) / 2, (a.y + c.y) / 2};
            if (b.GetIroPt(m) == kAki && b.IsKinsiPt(s, m) == 0 && b.IsSelfAtariPt(s, m) == 0)
                return m;
        }
    return Point{};
}

int YoseAtariBonus(Point p, int g)
{
    const int s = IroAt(p);
    if (!IsStone(s))
        return g;
    int step = std::max(g, 2);
    step = s != JibunIro ? step / 2 : step + 2;
    std::array<int, 4> chains{};
    const int su = TonariRen(p, Aite(s), chains);
    for (int i = 0; i < su; ++i) {
        const TRen* r = RenNo(chains[static_cast<std::size_t>(i)]);
        if (r == nullptr)
            continue;
        if (r->Kuu() == 1 || (r->Kuu() == 2 && ToruSicho(r->GetIsi(1))))
            return g + step;
    }
    return g;
}

bool YoseIkiGunCheck(Point p)
{
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4(p, d);
        const TGun* g = GobanLv[0]->GetIroPt(q) == JibunIro ? Gun0(q) : nullptr;
        if (g != nullptr && g->GetMe() >= 4)
            return true;
    }
    return false;
}

bool AiteNearCheck(Point p)
{
    const TGoban& b0 = *GobanLv[0];
    if (!b0.OnBoardPt(p))
        return false;
    const TLocate& loc = b0.GetLocatePt(p);
    for (int k = 1; k <= loc.GetKankeiSu(); ++k) {
        const int kind = loc.GetKankeiKind(k);
        if ((kind == KankeiTonari || kind == KankeiNaname) && loc.OnBoardAt(k)
            && b0.GetIroPt(loc.GetKankeiPoint(k)) == AiteIro)
            return true;
    }
    return false;
}

int Ren2SichoCheck(TRen* ren)
{
    return ren != nullptr && ren->Kuu() == 2 && ToruSicho(ren->GetIsi(1)) ? 1 : 0;
}

void YoseReset()
{
    LinkMark1 = {};
    LinkMark2 = {};
    YoseCacheClear();
}

} // namespace vorn

#include "engine/Koho.h"

#include <algorithm>
#include <utility>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Yomi.h"
#include "board/Rand.h"
#include "engine/Joban.h"
#include "engine/Think.h"

namespace vorn {

TKohoTable Koho;
int KohoCount = 0;
std::uint8_t KohoKind = 0;
std::uint8_t KohoKindSave = 0;
Point KouTen{};
Point KouTenIsi{};
int KouKohoValue = 0;
std::uint8_t KouKohoFlag = 0;
int KohoBestScore = 0;
int KohoBestValue = 0;
std::uint8_t KohoBestKind = 0;
std::uint8_t KohoBestBonus = 0;
Point ThinkTe{};
TPreparedTeTable PreparedTe;
int PreparedTeCount = 0;
TKohoDspTable KohoDsp;
int KohoDspCount = 0;
int ThinkStageNo = -1;

namespace {

// The game-record move number at which the prepared answers were recorded:
// they serve only the position two moves later (our move, then the reply).
int g_preparedMoveNo = -1;

// Whether p lies in corner c (1 top-left, 2 top-right, 3 bottom-right,
// 4 bottom-left): both corner-local coordinates of the joseki books are 10 or
// less.  Exchanging x and y (the joseki flip) does not change the answer.
bool InJosekiCorner(Point p, int c)
{
    const Point l = JosekiToCorner(p, c);
    return l.x <= 10 && l.y <= 10;
}

// The four overlapping quadrants of the joseki cap; line 10 belongs to two.
bool InQuadrant(Point p, int q)
{
    switch (q) {
    case 1: return InCorner1(p);
    case 2: return InCorner2(p);
    case 3: return InCorner3(p);
    default: return InCorner4(p);
    }
}

int ClampScore(long long s)
{
    return static_cast<int>(std::clamp<long long>(s, -2000000000LL, 2000000000LL));
}

// The selection shared by SelectKohoFrom and SelectKohoNear: the best entry
// from `first` on that passes `takesPart`, ties chosen at random.
template <class Pred>
Point SelectBest(int first, Pred takesPart)
{
    long long best = -99;
    Point chosen{};
    Arr<Point, 1, kMaxKohoTie> ties;
    int tieSu = 0;
    for (int i = std::max(first, 1); i <= KohoCount; ++i) {
        if (!takesPart(i))
            continue;
        const long long score = Koho.Score(i);
        if (score > best) {
            best = score;
            chosen = Koho.Pt[i];
            tieSu = 0;
            KohoBestKind = Koho.Kind[i];
            KohoBestBonus = Koho.Bonus[i];
        } else if (score == best) {
            if (tieSu == 0) {
                ties[1] = chosen;
                ties[2] = Koho.Pt[i];
                tieSu = 2;
            } else if (tieSu < kMaxKohoTie) {
                ties[++tieSu] = Koho.Pt[i];
            }
        }
    }
    if (tieSu >= 2)
        chosen = ties[Random(tieSu) + 1];
    KohoBestScore = ClampScore(best);
    KohoBestValue = KohoBestScore / 10;
    return chosen;
}

} // namespace

void AddKoho(Point p, int value, int bonus) { AddKohoCore(p.x, p.y, value, Point{}, KohoKind, bonus); }

void AddKohoEx(Point p, int value, std::uint8_t reason, Point rel) { AddKohoCore(p.x, p.y, value, rel, reason, 0); }

int KohoBonusClamp(int value, int bonus)
{
    bonus = std::clamp(bonus, 0, 255);
    if (value < 1)
        return std::min(bonus, 9);
    if (bonus > 0 && static_cast<long long>(bonus) > static_cast<long long>(value) * 10)
        return value * 10;
    return bonus;
}

void AddKohoCore(int x, int y, int value, Point rel, int reason, int bonus)
{
    // 1. A relation move of an unsettled group worth more than a big point
    //    keeps its urgency in the bonus instead.
    if (reason == kkGunKankei && bonus == 0 && value >= 26) {
        bonus = value - 13;
        value = 25;
    }
    // 2. The bonus is a byte and never outweighs the value.
    bonus = KohoBonusClamp(value, bonus);
    // 3. Only playable points enter; the ko point is parked.
    if (!KohoCheck(x, y, value))
        return;
    const Point p{x, y};
    // 4. In a corner where joseki continuations are on offer, an urgent
    //    candidate of another generator is cut to a big point.
    if (reason != kkJoseki) {
        for (int c = 1; c <= 4; ++c)
            if (JosekiCornerFlag[c] == 1 && InJosekiCorner(p, c) && JosekiKohoInCorner(p) && value >= 26) {
                value = 25;
                bonus = 1;
            }
    }
    const auto reasonByte = static_cast<std::uint8_t>(reason);
    const auto bonusByte = static_cast<std::uint8_t>(bonus);
    // 5. Merge with the entry of the same point.
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != p)
            continue;
        const int oldV = Koho.Value[i] + Koho.Bonus[i] / 10;
        const int newV = value + bonus / 10;
        if (oldV >= newV) {
            if (Koho.Value[i] == value && bonus > Koho.Bonus[i])
                Koho.Bonus[i] = bonusByte;
        } else {
            Koho.Value[i] = value;
            Koho.Bonus[i] = bonusByte;
            // Captures, escapes and link moves keep their reason (the look-ahead
            // depends on it) unless a capture takes over.
            if (!(Koho.Kind[i] <= kkKankei && reason != kkToru))
                Koho.Kind[i] = reasonByte;
        }
        if (reason == kkKiri && Koho.Kind[i] != kkJoseki) {
            Koho.Kind[i] = kkKiri;
            Koho.RelPt[i] = rel;
        }
        return;
    }
    // 6. A new entry; a full table drops it.
    if (KohoCount >= kMaxKoho)
        return;
    const int n = ++KohoCount;
    Koho.Pt[n] = p;
    Koho.Value[n] = value;
    Koho.Bonus[n] = bonusByte;
    Koho.Kind[n] = reasonByte;
    Koho.RelPt[n] = rel;
    if (KouKohoFlag == 1 && KouKohoValue <= value)
        KouKohoFlag = 0;
}

bool KohoCheck(int x, int y, int value)
{
    // Always the game position and the engine's colour, also while the
    // look-ahead plays on the game board.
    const TGoban& b0 = *GobanLv[0];
    if (b0.GetIro(x, y) != kAki)
        return false;
    const int c = JibunIro;
    const bool colourKnown = (c == kKuro || c == kSiro);
    if (colourKnown && b0.Kinsi[c][x][y] != 0)
        return false;
    // A self-atari of four or more stones is no candidate.
    if (colourKnown && Level == 0) {
        int empties = 0;
        for (int d = 1; d <= 4; ++d)
            if (CurGoban().GetIro(x + Dir4X[d], y + Dir4Y[d]) == kAki)
                ++empties;
        if (empties < 2 && YomiUtuRebuild(c, Point{x, y})) {
            const TRen* r = CurGoban().RenList.RenAt(x, y);
            const bool bigSelfAtari = r != nullptr && r->Kuu() == 1 && r->IsiCount() >= 4;
            YomiModosu();
            if (bigSelfAtari)
                return false;
        }
    }
    if (KouTen.x >= 1 && KouTen == Point(x, y)) {
        KouKohoValue = value;
        KouKohoFlag = 1;
        return false;
    }
    return true;
}

bool JosekiKohoInCorner(Point p)
{
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Kind[i] != kkJoseki)
            continue;
        for (int q = 1; q <= 4; ++q)
            if (InQuadrant(p, q) && InQuadrant(Koho.Pt[i], q))
                return true;
    }
    return false;
}

void SelectKohoFrom(int threshold, int first, Point& out)
{
    const Point chosen = SelectBest(first, [](int) { return true; });
    out = KohoBestScore >= threshold ? chosen : Point{};
}

void SelectIfAny(int threshold, Point& out)
{
    out = Point{};
    if (KohoCount > 0)
        SelectKoho(threshold, out);
}

void SelectKoho(int threshold, Point& out) { SelectKohoFrom(threshold, 1, out); }

void SelectKohoNear(Point& out)
{
    out = SelectBest(1, [](int i) {
        const Point p = Koho.Pt[i];
        const bool inArea = p.x >= 1 && p.y >= 1 && p.x <= 19 && p.y <= 19 && YomiArea[p.x][p.y] == 1;
        return inArea || Koho.Value[i] >= 50;
    });
}

void SortKoho()
{
    for (int i = 1; i < KohoCount; ++i)
        for (int j = i + 1; j <= KohoCount; ++j)
            if (Koho.Score(i) < Koho.Score(j)) {
                std::swap(Koho.Pt[i], Koho.Pt[j]);
                std::swap(Koho.Value[i], Koho.Value[j]);
                std::swap(Koho.Bonus[i], Koho.Bonus[j]);
                std::swap(Koho.Kind[i], Koho.Kind[j]);
                std::swap(Koho.RelPt[i], Koho.RelPt[j]);
            }
}

bool KohoExists(int reason, int bound)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Kind[i] == reason && Koho.Value[i] > bound)
            return true;
    return false;
}

void PushKohoKind(std::uint8_t reason)
{
    KohoKindSave = KohoKind;
    KohoKind = reason;
}

void PopKohoKind() { KohoKind = KohoKindSave; }

void KouTenMake()
{
    KouTen = Point{};
    const TGoban& b0 = *GobanLv[0];
    if (b0.Tejun.Current() < 1 || b0.Tejun.ToruCount() != 1)
        return;
    const Point p = b0.Tejun.ToruIsi(1);
    if (!b0.OnBoardPt(p) || (JibunIro != kKuro && JibunIro != kSiro))
        return;
    if (b0.ToruTen[JibunIro][p.x][p.y] == 0)
        return;
    Arr<int, 1, 4> seen{};
    int seenSu = 0;
    int counted = 0;
    for (int d = 1; d <= 4; ++d) {
        const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
        if (b0.GetIro(nx, ny) != AiteIro)
            continue;
        const TRen* r = b0.RenList.RenAt(nx, ny);
        if (r == nullptr)
            continue;
        const int no = r->GetNo();
        bool dup = false;
        for (int k = 1; k <= seenSu; ++k)
            dup = dup || seen[k] == no;
        if (dup)
            continue;
        seen[++seenSu] = no;
        if (r->Kuu() != 1)
            continue;
        if (r->IsiCount() != 1)
            return;
        KouTenIsi = r->GetIsi(1);
        ++counted;
    }
    if (counted == 1)
        KouTen = p;
}

void AddPreparedTe(Point own, Point reply, Point answer)
{
    if (InSakiyomi == 1 || PreparedTeCount >= kMaxPreparedTe)
        return;
    if (answer.x > 19)
        answer.x = 0;
    const int n = ++PreparedTeCount;
    PreparedTe.OwnTe[n] = own;
    PreparedTe.AiteTe[n] = reply;
    PreparedTe.AnswerTe[n] = answer;
    g_preparedMoveNo = GobanLv[0]->Tejun.Current();
}

void GetPreparedTe(Point& out)
{
    out = Point{};
    if ((PlayerKind[1] == pkComputer && PlayerKind[2] == pkComputer) || InSakiyomi == 1)
        return;
    KohoKind = kkPreparedTe;
    // Answers recorded for another position (a new game, moves taken back)
    // do not apply.
    const bool samePosition = GobanLv[0]->Tejun.Current() == g_preparedMoveNo + 2;
    for (int i = 1; samePosition && i <= PreparedTeCount; ++i)
        if (PreparedTe.OwnTe[i] == ThinkTe && PreparedTe.AiteTe[i] == LastTe) {
            out = PreparedTe.AnswerTe[i];
            break;
        }
    PreparedTeCount = 0;
}

void PreparedTeClear()
{
    PreparedTeCount = 0;
    g_preparedMoveNo = -1;
}

void CopyKohoDsp()
{
    KohoDspCount = KohoCount;
    for (int i = 1; i <= KohoCount; ++i) {
        KohoDsp.Pt[i] = Koho.Pt[i];
        KohoDsp.Value[i] = Koho.Value[i];
        KohoDsp.Bonus[i] = Koho.Bonus[i];
        KohoDsp.Kind[i] = Koho.Kind[i];
    }
}

void KohoClear()
{
    KohoCount = 0;
    KouKohoValue = 0;
    KouKohoFlag = 0;
    KohoBestKind = 0;
}

void KohoReset()
{
    Koho = TKohoTable{};
    KohoCount = 0;
    KohoKind = 0;
    KohoKindSave = 0;
    KouTen = Point{};
    KouTenIsi = Point{};
    KouKohoValue = 0;
    KouKohoFlag = 0;
    KohoBestScore = 0;
    KohoBestValue = 0;
    KohoBestKind = 0;
    KohoBestBonus = 0;
    ThinkTe = Point{};
    JosekiCornerFlag.Fill(0);
    PreparedTe = TPreparedTeTable{};
    PreparedTeClear();
    KohoDsp = TKohoDspTable{};
    KohoDspCount = 0;
    ThinkStageNo = -1;
}

} // namespace vorn

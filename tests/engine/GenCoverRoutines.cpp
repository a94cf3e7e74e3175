// Entries of the problem table generators-cover.tst: the endgame's fallback
// scans and false-eye pass, the ladder trap of a boundary point, and the
// life-and-death move filters, each alone on positions whose answers are
// worked out by hand, and the look-ahead area of a move.  The answer format
// is written at each entry.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "engine/Hyoka.h"
#include "engine/Joban.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Sakiyomi.h"
#include "engine/Sikatu.h"
#include "engine/SikatuKatachi.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// The candidates as "D4=0/2": point, value and bonus; "none" when empty.
std::string ValueAndBonus()
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i]) + '/'
                      + std::to_string(Koho.Bonus[i]));
    return SortedWords(all);
}

// The candidates by their points alone, sorted; "none" when empty.
std::string CandidatePoints()
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]));
    return SortedWords(all);
}

// The group of the row's one point, the stone named.
const TGun& OneGroup(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the routine wants one stone of the group");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    return *g;
}

// One endgame scan alone, under the endgame's reason: its candidates as
// "D4=0/2".
template <void (*Scan)()>
std::string EndgameScan(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the scan takes no points");
    YoseCacheClear();
    KohoKind = kkYose;
    Scan();
    YoseCacheClear();
    return ValueAndBonus();
}

// call YoseDeathThink:cover     the dead chains' last liberties in our area
// call YoseSemeaiThink:cover    the eye points of a racing group's region
const TProblemRoutineAdd deathScan("YoseDeathThink:cover", EndgameScan<YoseDeathThink>);
const TProblemRoutineAdd semeaiScan("YoseSemeaiThink:cover", EndgameScan<YoseSemeaiThink>);

// call YoseKamoThink:cover P Q   the two-point false eye P Q of a region of
// colour r (the colour of the stones around it), t the other colour: the
// candidate at P as "P=w" against w = (u + s) * 2, u the evaluation for r
// after r plays P, s the evaluation for t after t plays P and r answers at
// Q ("P=w+2" when off by 2), the other candidates by their points alone.
// The row says which colour surrounds the region by the first stone found
// next to P.
std::string KamoRead(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the false eye wants its two points");
    const Point p = pts[0], q = pts[1];
    int r = 0;
    for (int d = 1; d <= 4 && r == 0; ++d) {
        const Point n{p.x + Dir4X[d], p.y + Dir4Y[d]};
        if (GobanLv[0]->OnBoardPt(n) && IsStone(GobanLv[0]->GetIroPt(n)))
            r = GobanLv[0]->GetIroPt(n);
    }
    if (r == 0)
        throw std::invalid_argument("no stone next to " + GtpVertex(p));
    const int w = (OneSideValue(r, {p}) + ReadingValue(r ^ 3, {p, q})) * 2;
    KohoKind = kkYose;
    YoseKamoThink();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != p) {
            all.push_back(GtpVertex(Koho.Pt[i]));
            continue;
        }
        const int d = Koho.Value[i] - w;
        all.push_back(GtpVertex(p) + "=w" + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : ""));
    }
    return SortedWords(all);
}

const TProblemRoutineAdd kamo("YoseKamoThink:cover", KamoRead);

// call YoseSichoTrap:cover P   the side to move plays P, then the trap test
// of the stone at P: "trap" when it holds, "free" when not, then the
// candidates it left as "P=0/1" ("none").
// call YoseSichoTrap P   the same on an empty endgame cache, with the
// test's answer as a number ("1" a trap, "0" none) before the candidates.
template <bool Number>
std::string SichoTrap(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the trap test wants one point");
    if (Number)
        YoseCacheClear();
    KohoKind = kkYose;
    int held = 0;
    {
        TYomiTrial t;
        if (!t.Play(JibunIro, pts[0]))
            throw std::invalid_argument("the move at " + GtpVertex(pts[0]) + " is refused");
        ToruRenMake();
        held = YoseSichoTrap(pts[0]);
    }
    if (Number)
        return std::to_string(held) + ' ' + RoutineCandidates();
    return std::string(held != 0 ? "trap " : "free ") + ValueAndBonus();
}

const TProblemRoutineAdd sichoTrap("YoseSichoTrap:cover", SichoTrap<false>);
const TProblemRoutineAdd sichoTrapValue("YoseSichoTrap", SichoTrap<true>);

// call SikatuIkiru:cover V   and   call SikatuKorosu:cover V
// The defender's (or the attacker's) filter on the group at V: the group's
// eye value "me=N", then the moves the filter kept, sorted ("none").
template <bool Kill>
std::string SikatuFilter(const std::vector<Point>& pts)
{
    const TGun* g = &OneGroup(pts);
    SetSikatuTarget(*g);
    Point list[kMaxSikatuList];
    const int n = Kill ? SikatuKorosu(*g, list) : SikatuIkiru(*g, list);
    std::vector<std::string> kept;
    for (int i = 0; i < n; ++i)
        kept.push_back(GtpVertex(list[i]));
    return "me=" + std::to_string(g->GetMe()) + ' ' + SortedWords(kept);
}

const TProblemRoutineAdd ikiruFilter("SikatuIkiru:cover", SikatuFilter<false>);
const TProblemRoutineAdd korosuFilter("SikatuKorosu:cover", SikatuFilter<true>);

// call MakeYomiArea:cover P Q...   the look-ahead area made for the move P
// on the board as analysed: each point Q as "Q" when the area holds it,
// "Q=out" when not; sorted.
std::string AreaAt(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the area wants its move and the points to read");
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            YomiArea[x][y] = 0;
    MakeYomiArea(pts[0]);
    std::vector<std::string> all;
    for (std::size_t i = 1; i < pts.size(); ++i)
        all.push_back(GtpVertex(pts[i]) + (YomiArea[pts[i].x][pts[i].y] == 1 ? "" : "=out"));
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            YomiArea[x][y] = 0;
    return SortedWords(all);
}

const TProblemRoutineAdd yomiArea("MakeYomiArea:cover", AreaAt);

// call SettleNanameAnswer:prepared V   the settling diagonal pass on the
// group at V: its candidates by their points alone, then every prepared
// answer it recorded as "OWN/REPLY/ANSWER"; sorted.
std::string NanamePrepared(const std::vector<Point>& pts)
{
    const TGun* g = &OneGroup(pts);
    PreparedTeClear();
    KohoKind = kkSikatu;
    SettleNanameAnswer(*g);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]));
    for (int i = 1; i <= PreparedTeCount; ++i)
        all.push_back(PreparedTeWord(i));
    PreparedTeClear();
    return SortedWords(all);
}

const TProblemRoutineAdd nanamePrepared("SettleNanameAnswer:prepared", NanamePrepared);

// call YoseLinkMark:cover P...   the endgame's marks of the one-space jumps
// and knight's moves on the board: each point P as "P" when marked dealt
// with, "P=no" when not; sorted.
std::string LinkMarksAt(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the marks want the points to read");
    LinkMarkClear();
    YoseLinkMark();
    std::vector<std::string> all;
    for (const Point p : pts)
        all.push_back(GtpVertex(p) + (LinkMark1[p.x][p.y] == 1 ? "" : "=no"));
    LinkMarkClear();
    return SortedWords(all);
}

const TProblemRoutineAdd linkMarks("YoseLinkMark:cover", LinkMarksAt);

// call IkiruYomi:cover V   the life pondering of the group at V, with the
// pondering switched on and no shape remembered: "n=N" (its answer), then
// its candidates against h, the base of the values (the group's value K,
// or K / 2 - 1 for a group of eye value below 3): "P=h", "P=h/2", "P=h/4"
// (halved once or twice, rounding down) or "P=h+d"; sorted.
std::string IkiruValues(const std::vector<Point>& pts)
{
    const TGun* g = &OneGroup(pts);
    const int h = g->GetMe() < 3 ? g->GetKati() / 2 - 1 : g->GetKati();
    const std::uint8_t on = SikatuYomiOn;
    const unsigned char mode = YomiSikatuMode;
    SikatuYomiOn = 1;
    YomiSikatuMode = 1;
    ClearSikatuGun();
    KohoKind = kkSikatu;
    const int n = IkiruYomi(*g);
    SikatuYomiOn = on;
    YomiSikatuMode = mode;
    std::vector<std::string> all{"n=" + std::to_string(n)};
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i], d = v - h;
        const std::string p = GtpVertex(Koho.Pt[i]) + '=';
        all.push_back(v == h        ? p + "h"
                      : v == h / 2 ? p + "h/2"
                      : v == h / 4 ? p + "h/4"
                                   : p + "h" + (d > 0 ? "+" : "") + std::to_string(d));
    }
    return SortedWords(all);
}

const TProblemRoutineAdd ikiruValues("IkiruYomi:cover", IkiruValues);

// call WeakGunPair:cover V W   the treatment of the engine's weak group at
// V against the enemy group at W: the candidates by their points alone,
// sorted ("none").
std::string PairPoints(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the pair wants a stone of each group");
    const TGun& own = OneGroup({pts[0]});
    const TGun& enemy = OneGroup({pts[1]});
    KohoKind = kkWeakGun;
    WeakGunPair(own, enemy);
    return CandidatePoints();
}

const TProblemRoutineAdd pairPoints("WeakGunPair:cover", PairPoints);

// call JobanEdgeGaps:points   the opening's edge scan alone: its candidates
// by their points alone, sorted ("none"), for rows whose values are the
// evaluation's.
std::string EdgeGapPoints(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the scan takes no points");
    JobanInit();
    KohoKind = kkJoban;
    JobanEdgeGaps();
    return CandidatePoints();
}

const TProblemRoutineAdd edgeGapPoints("JobanEdgeGaps:points", EdgeGapPoints);

// call WeakGunHirogeru:points V   the extensions of the group at V (added,
// the weak group's reason): the candidates by their points alone, sorted
// ("none"), for rows whose values are the evaluation's.
std::string HirogeruPoints(const std::vector<Point>& pts)
{
    const TGun& g = OneGroup(pts);
    KohoKind = kkWeakGun;
    Point best;
    WeakGunHirogeru(g, 0, best);
    return CandidatePoints();
}

const TProblemRoutineAdd hirogeruPoints("WeakGunHirogeru:points", HirogeruPoints);

} // namespace
} // namespace vorn::test

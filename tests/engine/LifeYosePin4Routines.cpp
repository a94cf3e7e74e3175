// Entries of the problem table life-yose-pin4.tst: the life-and-death
// passes over the groups (what they remember, skip and propose), the
// pondering's living points with their extras, the kill patterns' gate,
// the area map's side as a premise, endgame points the other side may not
// take, and the cache forgotten around a move.  The answer format is
// written at each entry.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"
#include "engine/SikatuKatachi.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// call YoseValue:barred P   the point P that the side to move (J) may take
// and the other side (O) may not (a self-atari or a forbidden move for O),
// neither move threatening anything: A = J's evaluation after J at P; O's
// move counts nothing, so r = A, b = 0.  The candidates YoseValue left: the
// one at P as "P=r/b" ("r-1", "b+3" when off), the others by their points,
// "none"; then "O:barred" when O may not play at P ("O:free" when it may)
// and A against 0: "J:g<0", "J:g=0", "J:g>0".
std::string ValueBarred(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the barred point wants the point");
    const Point p = pts[0];
    const int a = ReadingValue(JibunIro, {p});
    const bool barred = !CanUtu(AiteIro, p);
    YoseCacheClear();
    KohoKind = kkYose;
    YoseValue(p);
    YoseCacheClear();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != p) {
            all.push_back(GtpVertex(Koho.Pt[i]));
            continue;
        }
        const int d = Koho.Value[i] - a, b = Koho.Bonus[i];
        all.push_back(GtpVertex(p) + "=r" + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "") + "/b"
                      + (b > 0 ? "+" : "") + (b != 0 ? std::to_string(b) : ""));
    }
    std::string out = SortedWords(all);
    out += barred ? " O:barred" : " O:free";
    out += a < 0 ? " J:g<0" : a == 0 ? " J:g=0" : " J:g>0";
    return out;
}

// call YoseCacheInvalidate:square M V...   the cache forgets around the
// move at M: every V first holds value 5, bonus 0 in the cells of both
// colours, the cache is marked as read once, then M (a stone of the
// diagram, the move just played) invalidates it.  Each V as "V=BW" (the
// colours whose cell still holds the 5: "B", "W", "BW"), "V=-" when both
// were forgotten; sorted.  "YoseCacheInvalidate:zero" the same with the
// value 0, which the cache must tell apart from a forgotten cell.
template <int Held>
std::string InvalidateHolding(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the invalidation wants the move and the cells");
    YoseCacheClear();
    const int own = JibunIro;
    for (std::size_t i = 1; i < pts.size(); ++i)
        for (int c = kKuro; c <= kSiro; ++c) {
            JibunIro = c;
            YoseCacheStore(pts[i], Held, 0);
        }
    JibunIro = own;
    KohoClear();
    YoseCacheValid = 1;
    YoseCacheInvalidate(pts[0]);
    std::vector<std::string> all;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        std::string kept;
        for (int c = kKuro; c <= kSiro; ++c) {
            int v = -1, b = -1;
            if (YoseCacheGet(c, pts[i], v, b) && v == Held && b == 0)
                kept += c == kKuro ? 'B' : 'W';
        }
        all.push_back(GtpVertex(pts[i]) + '=' + (kept.empty() ? "-" : kept));
    }
    YoseCacheClear();
    return SortedWords(all);
}

// call SikatuThink:remembered V   the life-and-death pass over every group,
// with the pondering switched on and no shape remembered at its start:
// "remembered" when the pass left the shape of the group at V remembered as
// pondered for a kill without a result, "not" otherwise.
std::string PassRemembers(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const TPonderOn pondering;
    SikatuThink();
    return FindSikatuGun(g) ? "remembered" : "not";
}

// call AreaMap:side P...   the area map of the decision at each P, by its
// sign: "P=black" (Black's side), "P=white" or "P=neutral" (0); sorted.
// The premise of a row whose value counts a point in no one's area.
std::string AreaSide(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the area map wants points");
    std::vector<std::string> all;
    for (const Point p : pts) {
        const int a = AreaMapBackup[p.x][p.y];
        all.push_back(GtpVertex(p) + (a > 0 ? "=black" : a < 0 ? "=white" : "=neutral"));
    }
    return SortedWords(all);
}

// call IkiruYomi:points V   the life pondering of the group at V, with the
// pondering switched on and no shape remembered: "n=N" (its answer), then
// the points of its candidates, sorted; their values are not read.
std::string IkiruPoints(const std::vector<Point>& pts)
{
    const TGun* g = &GroupAt(pts);
    const TPonderOn pondering;
    const int n = IkiruYomi(*g);
    std::vector<std::string> all{"n=" + std::to_string(n)};
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]));
    return SortedWords(all);
}

// call IkiruYomi:extras V   the life pondering of the group at V (the
// pondering switched on, no shape remembered) where its search finds
// living points: "n=N", then each candidate P as "P=+E": E its value less
// the base h (the group's value K, or K / 2 - 1 for eye value below 3) and
// less its evaluation bonus u (with two or more living points, the
// defender's UtuHyoka at P less the smallest of these; 0 with one): the
// extras of the point alone.  "n=0" and the points alone when the search
// finds no living point.
std::string IkiruExtras(const std::vector<Point>& pts)
{
    const TGun* g = &GroupAt(pts);
    const int own = g->GetIsiIro();
    const int h = g->GetMe() < 3 ? g->GetKati() / 2 - 1 : g->GetKati();
    const TPonderOn pondering;
    SetSikatuTarget(*g);
    Point living[kMaxSikatuList];
    const int found = IkiruSearch(*g, living);
    YomiUnwind();
    std::vector<std::pair<Point, int>> u;
    for (int i = 0; i < found; ++i)
        u.emplace_back(living[i], found >= 2 ? UtuHyoka(own, living[i]) : 0);
    int least = 0;
    for (std::size_t i = 0; i < u.size(); ++i)
        least = i == 0 ? u[i].second : std::min(least, u[i].second);
    ClearSikatuGun();
    KohoKind = kkSikatu;
    const int n = IkiruYomi(*g);
    std::vector<std::string> all{"n=" + std::to_string(n)};
    for (int i = 1; i <= KohoCount; ++i) {
        int bonus = 0;
        bool listed = false;
        for (const auto& [p, v] : u)
            if (p == Koho.Pt[i]) {
                bonus = v - least;
                listed = true;
            }
        all.push_back(GtpVertex(Koho.Pt[i])
                      + (listed ? "=+" + std::to_string(Koho.Value[i] - h - bonus) : std::string()));
    }
    return SortedWords(all);
}

// call SikatuKillPatterns V   the kill patterns on the group at V as the
// pass over the groups runs them: "kokyu=N" (the group's breathing points,
// the premise of the gate), then the points of the candidates, sorted.
std::string KillPatterns(const std::vector<Point>& pts)
{
    const TGun* g = &GroupAt(pts);
    KohoKind = kkSikatu;
    SikatuKillPatterns(*g);
    YomiUnwind();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]));
    return "kokyu=" + std::to_string(g->GetKokyuSu()) + ' ' + SortedWords(all);
}

// call SikatuSkip:gates V   the test that spares the group at V the
// life-and-death reading, on an empty candidate table: the group's counts
// it starts from as "stones=S me=M kokyu=K" (stones, eye value, breathing
// points, as the analysis gives them: the premises), then "skip" when the
// test spares the group, "read" when not.
std::string SkipGates(const std::vector<Point>& pts)
{
    const TGun* g = &GroupAt(pts);
    const std::string counts = "stones=" + std::to_string(g->GetIsiSu()) + " me=" + std::to_string(g->GetMe())
                               + " kokyu=" + std::to_string(g->GetKokyuSu());
    KohoKind = kkSikatu;
    const bool skip = SikatuSkip(*g);
    YomiUnwind();
    return counts + (skip ? " skip" : " read");
}

// call SikatuUrgentThink:table   the urgent life-and-death pass over every
// group: every candidate it left in the table as "P=V:R" (value, reason;
// "P=V/B:R" with its bonus B when it has one), sorted; "none".
std::string UrgentTable(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the urgent pass wants no point");
    Point chosen;
    SikatuUrgentThink(chosen);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i])
                      + (Koho.Bonus[i] != 0 ? '/' + std::to_string(static_cast<int>(Koho.Bonus[i])) : std::string())
                      + ':' + std::to_string(Koho.Kind[i]));
    return SortedWords(all);
}

// call YoseStoneThink:at V...   the endgame scan of the points beside one
// or two stones, alone, on an empty cache and clean marks: each V as "V"
// when the scan left a candidate there, "V=none" when not, with ":mark"
// added when the scan marked V dealt with; sorted.
// call YoseBorderThink:at V...   the same for the scan of the border points
// beside the engine's living groups.
template <void (*Scan)()>
std::string ScanAt(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the scan wants the points to read");
    YoseCacheClear();
    LinkMarkClear();
    KohoKind = kkYose;
    Scan();
    std::vector<std::string> all;
    for (const Point v : pts) {
        bool found = false;
        for (int i = 1; i <= KohoCount; ++i)
            found = found || Koho.Pt[i] == v;
        all.push_back(GtpVertex(v) + (found ? "" : "=none") + (LinkMark1[v.x][v.y] == 1 ? ":mark" : ""));
    }
    YoseCacheClear();
    LinkMarkClear();
    return SortedWords(all);
}

const TProblemRoutineAdd stoneScanAt("YoseStoneThink:at", ScanAt<YoseStoneThink>);
const TProblemRoutineAdd borderScanAt("YoseBorderThink:at", ScanAt<YoseBorderThink>);
const TProblemRoutineAdd urgentTable("SikatuUrgentThink:table", UrgentTable);
const TProblemRoutineAdd skipGates("SikatuSkip:gates", SkipGates);
const TProblemRoutineAdd killPatterns("SikatuKillPatterns", KillPatterns);
const TProblemRoutineAdd ikiruExtras("IkiruYomi:extras", IkiruExtras);
const TProblemRoutineAdd ikiruPoints("IkiruYomi:points", IkiruPoints);
const TProblemRoutineAdd areaSide("AreaMap:side", AreaSide);
const TProblemRoutineAdd passRemembers("SikatuThink:remembered", PassRemembers);
const TProblemRoutineAdd valueBarred("YoseValue:barred", ValueBarred);
const TProblemRoutineAdd invalidateSquare("YoseCacheInvalidate:square", InvalidateHolding<5>);
const TProblemRoutineAdd invalidateZero("YoseCacheInvalidate:zero", InvalidateHolding<0>);

} // namespace
} // namespace vorn::test

// Entries of the problem table weak-pin2.tst: the bonuses the weak-group
// extensions and the double-move pass give their candidates, for rows whose
// values are the evaluation's.  The answer format is written at each entry.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

// Each of the points as "P/b", b the bonus of its candidate, "P=none"
// without one; sorted.
std::string BonusesAt(const std::vector<Point>& pts)
{
    std::vector<std::string> all;
    for (Point p : pts) {
        std::string w = GtpVertex(p) + "=none";
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                w = GtpVertex(p) + '/' + std::to_string(Koho.Bonus[i]);
        all.push_back(w);
    }
    return SortedWords(all);
}

// The group of the row's first point; the other points are the points read.
const TGun& FirstGroup(const std::vector<Point>& pts)
{
    const TGun* g = pts.size() >= 2 ? GobanLv[0]->GunList.GetGunAt(pts[0]) : nullptr;
    if (g == nullptr)
        throw std::invalid_argument("the row wants a stone of a group and the points to read");
    KohoKind = kkWeakGun;
    return *g;
}

std::vector<Point> PointsRead(const std::vector<Point>& pts) { return {pts.begin() + 1, pts.end()}; }

// call WeakGunHirogeru:bonus:pin2 V P...   the extensions of the group at V
// (added, reason 13), read at the points P... as "P/b" (see BonusesAt).
std::string HirogeruBonus(const std::vector<Point>& pts)
{
    Point best;
    WeakGunHirogeru(FirstGroup(pts), 0, best);
    return BonusesAt(PointsRead(pts));
}

const TProblemRoutineAdd hirogeruBonus("WeakGunHirogeru:bonus:pin2", HirogeruBonus);

// call KohoDoubleScan:bonus:pin2 P Q R...   links of the side to move (reason
// 4) worth 2 at P, Q, R..., then the double-move pass over them: every
// point as "P/b" (see BonusesAt).
std::string DoubleScanBonus(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the pass wants two points or more");
    for (Point p : pts)
        AddKohoEx(p, 2, kkTugi, Point());
    KohoKind = kkKankei;
    KohoDoubleScan(kkTugi);
    return BonusesAt(pts);
}

const TProblemRoutineAdd doubleScanBonus("KohoDoubleScan:bonus:pin2", DoubleScanBonus);

// call WeakGunSingle:probe:pin2 V P...   the steps of the lone weak group at
// V, read at the points P... alone: "P=value" ("P=none" without one).
std::string SingleAt(const std::vector<Point>& pts)
{
    WeakGunSingle(FirstGroup(pts));
    return CandidatesAt(PointsRead(pts), false);
}

const TProblemRoutineAdd singleAt("WeakGunSingle:probe:pin2", SingleAt);

} // namespace
} // namespace vorn::test

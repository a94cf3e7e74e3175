// Entries of the problem table generators-probe.tst: single generator
// routines on positions whose answers are worked out by hand.  The answer
// format is written at each entry.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

// The candidate table at the points given, one word each: "D4=25" (the
// value alone, the bonus being the evaluation's), "D4=none" when the table
// holds nothing there; sorted.
std::string ValuesAt(const std::vector<Point>& pts)
{
    std::vector<std::string> all;
    for (Point p : pts) {
        std::string w = GtpVertex(p) + "=none";
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p) {
                w = GtpVertex(p) + '=' + std::to_string(Koho.Value[i]);
                break;
            }
        all.push_back(w);
    }
    std::sort(all.begin(), all.end());
    std::string out;
    for (const std::string& w : all)
        out += (out.empty() ? "" : " ") + w;
    return out;
}

// call WeakGunHirogeru:probe V P...  the extensions of the group at V
// (added, reason 13), answered at the points P... alone.
std::string HirogeruAt(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the extensions want a stone of the group and the points to read");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    KohoKind = kkWeakGun;
    Point best;
    WeakGunHirogeru(*g, 0, best);
    return ValuesAt(std::vector<Point>(pts.begin() + 1, pts.end()));
}

const TProblemRoutineAdd hirogeruAt("WeakGunHirogeru:probe", HirogeruAt);

} // namespace
} // namespace vorn::test

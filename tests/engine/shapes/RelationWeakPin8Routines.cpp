// Routines for tests/problems/relation-weak-pin8.tst.
//
//   call WeakGunHirogeru:best V   the extensions of our own group at V (the
//       side to move's): the best extension the step hands back ("none"),
//       then, as the premise, the extension points whose candidates share
//       the largest value, rows from the top and left to right in each row
//       ("max:C5,E7"; "max:none" without candidates)
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/Pondering.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

std::string HirogeruBest(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    KohoKind = kkWeakGun;
    Point best;
    WeakGunHirogeru(g, 0, best);
    int top = 0;
    bool any = false;
    for (int k = 1; k <= KohoCount; ++k)
        if (!any || Koho.Value[k] > top) {
            top = Koho.Value[k];
            any = true;
        }
    std::vector<Point> at;
    for (int k = 1; k <= KohoCount; ++k)
        if (Koho.Value[k] == top && std::find(at.begin(), at.end(), Koho.Pt[k]) == at.end())
            at.push_back(Koho.Pt[k]);
    // Rows from the top (y counts from the top), left to right in a row.
    std::sort(at.begin(), at.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    std::string premise = "max:";
    for (std::size_t i = 0; i < at.size(); ++i)
        premise += (i == 0 ? "" : ",") + GtpVertex(at[i]);
    if (at.empty())
        premise += "none";
    return (best.x == 0 ? std::string("none") : GtpVertex(best)) + " " + premise;
}

const TProblemRoutineAdd hirogeruBest("WeakGunHirogeru:best", HirogeruBest);

} // namespace
} // namespace vorn::test

// The follow-ups of the peep beside the gap of a jump to the edge, called on
// their own for the rows of tests/problems/links-edge2-cover.tst (the family
// head's own candidate would mix in otherwise); answered as in
// LinkRoutines.cpp, candidates in terms of the row's lines.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/IkkenEdgeNozoki.h"
#include "engine/links/IkkenEdgeTukeYomi.h"
#include "engine/links/IkkenEdgeWarikomi.h"

namespace vorn::test {
namespace {

// IkkenEdgeHasamiHyoka:edge2 S G P [lines]: the opponent's value of its play
// at P first (beside the gap, across from the peep), answered "=value"
// in terms of the lines (-1 when the play is not read).
std::string HasamiHyoka(const std::vector<Point>& pts)
{
    return Expressed(pts, 1, [](const TKankeiBox& box, const std::vector<Point>& p) {
        return std::to_string(IkkenEdgeHasamiHyoka(box, p[0]));
    });
}
const TProblemRoutineAdd ikkenEdgeHasamiHyokaEdge2("IkkenEdgeHasamiHyoka:edge2", HasamiHyoka);

// IkkenEdgeNeraiCheck:edge2 P: whether the side to move's play at P
// threatens the other side's chains beside P, "yes" or "no".
std::string NeraiCheck(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("IkkenEdgeNeraiCheck:edge2 wants one point");
    return IkkenEdgeNeraiCheck(JibunIro, pts[0]) ? "yes" : "no";
}
const TProblemRoutineAdd ikkenEdgeNeraiCheckEdge2("IkkenEdgeNeraiCheck:edge2", NeraiCheck);

// The opponent's play beside the gap that leaves the connection in atari.
const TProblemRoutineAdd ikkenEdgeNozokiAtariEdge2("IkkenEdgeNozokiAtari:edge2", BoxRoutine<IkkenEdgeNozokiAtari>);
// The opponent's play beside the gap followed by the hane above it.
const TProblemRoutineAdd ikkenEdgeNozokiHaneEdge2("IkkenEdgeNozokiHane:edge2", BoxRoutine<IkkenEdgeNozokiHane>);

// IkkenEdgeWarikomi:owner, for rows where the engine owns the stone beside
// the opponent's stone K: the owner's value gains 3 from 10 on and takes the
// cut reason (3) from 20 on.  Each candidate is answered as its value before
// that gain (13 and more less 3; 10 to 12 cannot come out and are answered
// as -999) and with reason 5 when its reason agrees with the gained value
// (3 from 20 on, 5 below), else with 200 plus the reason as it came out.
std::string WarikomiOwner(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        IkkenEdgeWarikomi(box);
        for (int i = 1; i <= KohoCount; ++i) {
            const int v = Koho.Value[i];
            const bool agrees = v >= 20 ? Koho.Kind[i] == kkKiri : Koho.Kind[i] == kkKankei;
            Koho.Kind[i] = static_cast<std::uint8_t>(agrees ? kkKankei : 200 + Koho.Kind[i]);
            Koho.Value[i] = v >= 13 ? v - 3 : v >= 10 ? -999 : v;
        }
        return std::string();
    });
}
const TProblemRoutineAdd ikkenEdgeWarikomiOwner("IkkenEdgeWarikomi:owner", WarikomiOwner);

// IkkenEdgeTukeYomi:less1, for rows where the opponent's push at the gap
// falls to a ladder and its part is the fixed 1: each candidate's value is
// answered less that 1, in terms of the owner's line.
std::string TukeYomiLess1(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        IkkenEdgeTukeYomi(box);
        for (int i = 1; i <= KohoCount; ++i)
            --Koho.Value[i];
        return std::string();
    });
}
const TProblemRoutineAdd ikkenEdgeTukeYomiLess1("IkkenEdgeTukeYomi:less1", TukeYomiLess1);

} // namespace
} // namespace vorn::test

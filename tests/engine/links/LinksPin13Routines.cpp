// One more way of answering the peep beside the gap of a jump to the edge,
// for the rows of tests/problems/links-pin13.tst.
//
// "IkkenEdgeNozoki:owner-offset A B P...": the peep reading on the jump A-B
// ("IkkenEdgeTukeYomi:owner-offset": the reading of the attached pair);
// each candidate answered "POINT=o+d" (or "o-d", "o"), where o is the
// owner's evaluation after the line P... (the owner first, colours
// alternating, a point given twice in a row a pass) and d the rest of the
// value: for rows where the other part is a fixed number, not an
// evaluation.  "none" without a candidate.  ":opponent-offset" the same
// with the line played from the opponent first and p, its evaluation for
// the opponent, in place of o ("POINT=p+d").
//
// "IkkenEdgeNozoki:point A B": the point of the peep reading's candidate
// alone (the first one), "none" without: for rows that pin which point the
// side to move plays, not its value; "IkkenEdgeTukeYomi:point A B" the same
// for the reading of the attached pair.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/links/IkkenEdgeNozoki.h"
#include "engine/links/IkkenEdgeTukeYomi.h"
#include "engine/links/LinkRoutines.h"

namespace vorn::test {
namespace {

template <void (*R)(TKankeiBox), bool Opponent = false>
std::string OwnerOffset(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("owner-offset wants the jump and the owner's line");
    int o = 0;
    {
        const int own = CurGoban().GetIroPt(pts[0]);
        const int first = Opponent ? own ^ 3 : own;
        TYomiTrial t;
        int col = first;
        for (std::size_t i = 2; i < pts.size(); ++i) {
            if (i == 2 || pts[i] != pts[i - 1])
                t.Play(col, pts[i]);
            col ^= 3;
        }
        o = Hyoka(first);
    }
    // The candidates stay in the table after the plain answer.
    BoxRoutine<R>({pts[0], pts[1]});
    if (KohoCount == 0)
        return "none";
    std::string out;
    for (int i = 1; i <= KohoCount; ++i) {
        const int d = Koho.Value[i] - o;
        out += (out.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + (Opponent ? "=p" : "=o")
               + (d == 0 ? "" : (d > 0 ? "+" : "-") + std::to_string(d > 0 ? d : -d));
    }
    return out;
}
const TProblemRoutineAdd nozokiOwnerOffset("IkkenEdgeNozoki:owner-offset", OwnerOffset<IkkenEdgeNozoki>);
const TProblemRoutineAdd tukeYomiOwnerOffset("IkkenEdgeTukeYomi:owner-offset", OwnerOffset<IkkenEdgeTukeYomi>);
const TProblemRoutineAdd tukeYomiOpponentOffset("IkkenEdgeTukeYomi:opponent-offset",
                                                 OwnerOffset<IkkenEdgeTukeYomi, true>);

template <void (*Reading)(TKankeiBox)>
std::string FirstPoint(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a point entry wants the jump's two points");
    BoxRoutine<Reading>(pts);
    return KohoCount == 0 ? std::string("none") : GtpVertex(Koho.Pt[1]);
}
const TProblemRoutineAdd nozokiPoint("IkkenEdgeNozoki:point", FirstPoint<IkkenEdgeNozoki>);
const TProblemRoutineAdd tukeYomiPoint("IkkenEdgeTukeYomi:point", FirstPoint<IkkenEdgeTukeYomi>);

} // namespace
} // namespace vorn::test

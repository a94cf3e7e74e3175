// One more way of answering the reading of the attached pair at a jump to
// the edge, for the rows of tests/problems/links-pin25.tst.
//
// "IkkenEdgeTukeYomi:point A B": the point of the reading's candidate alone
// (the first one), "none" without: for rows that pin which point the side to
// move plays, not its value.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/links/IkkenEdgeTukeYomi.h"
#include "engine/links/LinkRoutines.h"

namespace vorn::test {
namespace {

std::string TukeYomiPoint(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("IkkenEdgeTukeYomi:point wants the jump's two points");
    BoxRoutine<IkkenEdgeTukeYomi>(pts);
    return KohoCount == 0 ? std::string("none") : GtpVertex(Koho.Pt[1]);
}
const TProblemRoutineAdd tukeYomiPoint("IkkenEdgeTukeYomi:point", TukeYomiPoint);

} // namespace
} // namespace vorn::test

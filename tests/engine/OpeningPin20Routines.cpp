// Entries of the problem table opening-pin20.tst.
//
// Answers:
//  - "JobanEdgeGaps:value-at P...": the opening's edge scan alone on the
//    row's position, then the value the opening reads back from the
//    candidate table at each of P..., as "P=value" (0 for a point that holds
//    no candidate).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Joban.h"
#include "engine/Koho.h"

namespace vorn::test {
namespace {

std::string EdgeGapsValueAt(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the values are read at the row's points");
    JobanInit();
    KohoKind = kkJoban;
    JobanEdgeGaps();
    std::string out;
    for (Point p : pts)
        out += (out.empty() ? "" : " ") + GtpVertex(p) + "=" + std::to_string(KohoValueAt(p));
    return out;
}

const TProblemRoutineAdd edgeGapsValueAt("JobanEdgeGaps:value-at", EdgeGapsValueAt);

} // namespace
} // namespace vorn::test

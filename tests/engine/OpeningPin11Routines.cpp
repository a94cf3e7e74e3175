// Entries of the problem table opening-pin11.tst.
//
// Answers:
//  - "JobanHirakiFromStone P Q": the extension point on line 3 that the
//    opening finds from the stone P, far from Q (the group's way out along
//    the edge), "none" without one.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Joban.h"

namespace vorn::test {
namespace {

std::string HirakiFromStone(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the extension wants the stone P and the far point Q");
    GobanLv[0]->Analyze();
    const Point p = JobanHirakiFromStone(pts[0], pts[1]);
    return p.x == 0 ? std::string("none") : GtpVertex(p);
}

const TProblemRoutineAdd hirakiFromStone("JobanHirakiFromStone", HirakiFromStone);

} // namespace
} // namespace vorn::test

// Entries for the rows of tests/problems/links-edge-yomi-pin4.tst that need
// more than the candidates of a jump-to-the-edge routine.
//
// "IkkenEdgeNozoki:mark-values A B": the peep reading on the jump A-B, then
// the first-kind link marks it left, each as "P=v" with v the mark's value
// (the other entries only say whether a point is marked); "none" without a
// mark.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeNozoki.h"

namespace vorn::test {
namespace {

std::string NozokiMarkValues(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("IkkenEdgeNozoki:mark-values wants the jump's two points");
    LinkMarkClear();
    BoxRoutine<IkkenEdgeNozoki>(pts);
    std::string out;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (LinkMark1[x][y] != 0)
                out += (out.empty() ? "" : " ") + GtpVertex(Point(x, y)) + '=' + std::to_string(LinkMark1[x][y]);
    LinkMarkClear();
    return out.empty() ? "none" : out;
}
const TProblemRoutineAdd ikkenEdgeNozokiMarkValues("IkkenEdgeNozoki:mark-values", NozokiMarkValues);

} // namespace
} // namespace vorn::test

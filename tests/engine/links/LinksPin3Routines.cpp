// Entries for the rows of tests/problems/q3-pin3.tst that read a test of its
// own rather than candidates.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/links/IkkenEdgeTukeYomi.h"

namespace vorn::test {
namespace {

// IkkenEdgeKorosuCheck:q3 P Q: whether the colour opposite to the stone at Q,
// playing P, leaves the group at Q dead: "yes" or "no".
std::string KorosuCheck(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("IkkenEdgeKorosuCheck:q3 wants P Q");
    const int c = CurGoban().GetIroPt(pts[1]);
    if (c != 1 && c != 2)
        throw std::invalid_argument("IkkenEdgeKorosuCheck:q3 wants a stone at Q");
    return IkkenEdgeKorosuCheck(pts[0], pts[1], c ^ 3) ? "yes" : "no";
}
const TProblemRoutineAdd ikkenEdgeKorosuCheckQ3("IkkenEdgeKorosuCheck:q3", KorosuCheck);

} // namespace
} // namespace vorn::test

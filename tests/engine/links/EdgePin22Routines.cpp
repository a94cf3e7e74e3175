// Entries for the rows of tests/problems/links-edge-pin22.tst.
//
// "GunMe:tried V S P": the eye value of the group at V once the colour of
// the stone at S has tried the move P and the board is analysed again (the
// premise of a reading that evaluates that move).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Reading.h"

namespace vorn::test {
namespace {

std::string MeTried(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("GunMe:tried wants the group, a stone of the mover and the move");
    const int c = CurGoban().GetIroPt(pts[1]);
    TYomiTrial tr;
    if (!tr.Play(c, pts[2]))
        throw std::invalid_argument("the move at " + GtpVertex(pts[2]) + " is refused");
    CurGoban().Analyze();
    const TGun* g = GunAt(pts[0]);
    return g == nullptr ? "none" : std::to_string(g->GetMe());
}

const TProblemRoutineAdd meTried("GunMe:tried", MeTried);

} // namespace
} // namespace vorn::test

// Entries for the rows of tests/problems/links-edge-pin22.tst.
//
// ("GunMe:tried V S P" is with the other eye-value premises in
// YosePin17Routines.cpp.)
//
// "Hyoka:line-me S Q P1 P2 ...": the colour of the stone at S plays P1, the
// other colour P2, and so on; answered "v=H me=M" with H that colour's
// evaluation after the line and M the eye value the evaluation gives the
// group at Q (the premises of a reading that checks both).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/Reading.h"

namespace vorn::test {
namespace {

std::string LineMe(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("Hyoka:line-me wants a stone, a group and the line");
    const int c = CurGoban().GetIroPt(pts[0]);
    TYomiTrial tr;
    int col = c;
    for (std::size_t i = 2; i < pts.size(); ++i, col ^= 3)
        if (!tr.Play(col, pts[i]))
            throw std::invalid_argument("the move at " + GtpVertex(pts[i]) + " is refused");
    const int v = Hyoka(c);
    const TGun* g = GunAt(pts[1]);
    return "v=" + std::to_string(v) + " me=" + (g == nullptr ? std::string("none") : std::to_string(g->GetMe()));
}

const TProblemRoutineAdd lineMe("Hyoka:line-me", LineMe);

} // namespace
} // namespace vorn::test

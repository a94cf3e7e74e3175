// Entries of tests/problems/shapes-relation-pin21.tst.
//
//   call Reading:value-pass A M1 M2 ...
//
// the attacker's evaluation (the colour opposite the stone at A) after
// M1, M2, ... played alternately from the attacker, where a move named A
// stands for a pass of the side to move: "A E6 E5 A C4" has the attacker
// play E6, the owner E5, the owner pass and the attacker play C4.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Reading.h"

namespace vorn::test {
namespace {

std::string ValueWithPasses(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("Reading:value-pass wants A and the moves");
    const int own = CurGoban().GetIroPt(pts[0]);
    if (own != kKuro && own != kSiro)
        throw std::invalid_argument("A holds no stone");
    const int att = own ^ 3;
    TYomiKeep keep;
    int c = att;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        if (pts[i] != pts[0] && !ToruPlay(c, pts[i]))
            throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(pts[i]));
        c ^= 3;
    }
    return std::to_string(Hyoka(att));
}

const TProblemRoutineAdd valuePass("Reading:value-pass", ValueWithPasses);

} // namespace
} // namespace vorn::test

// Readings around the knight's-move hane for the problem tables
// (tests/problems/shapes-hane-more.tst): the premises the hane rows rest on,
// each read from the attacker's moves the row names.
//
//   call HaneMore:group A P M1 M2 ...
//
// plays M1, M2, ... alternately from the attacker (the colour opposite the
// stone at A), analyses the board, and answers for the group at P
// "dead", or "dl=N weak=W d70=X d90=Y": its death level, whether it counts
// as weak, and whether it counts as dead by the 70 and the 90 rule.
//
//   call HaneMore:value A M1 M2 ...
//
// the attacker's evaluation after M1, M2, ... (played alternately from the
// attacker), as a number: rows state with it where a reading stands against
// a threshold of the pattern, where that rests on the evaluation alone.
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

int Attacker(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the row names the stone A first");
    const int own = CurGoban().GetIroPt(pts[0]);
    if (own != kKuro && own != kSiro)
        throw std::invalid_argument("A holds no stone");
    return own ^ 3;
}

std::string GroupAfter(const std::vector<Point>& pts)
{
    const int att = Attacker(pts);
    if (pts.size() < 2)
        throw std::invalid_argument("HaneMore:group wants A, the group's point and the moves");
    TYomiKeep keep;
    int c = att;
    for (std::size_t i = 2; i < pts.size(); ++i) {
        if (!ToruPlay(c, pts[i]))
            throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(pts[i]));
        c ^= 3;
    }
    CurGoban().Analyze();
    const TGun* g = GunAt(pts[1]);
    if (g == nullptr)
        throw std::invalid_argument("no group at the point");
    if (g->GetDeath() != 0)
        return "dead";
    return "dl=" + std::to_string(g->GetDeathLevel()) + " weak=" + std::to_string(g->IsWeak() ? 1 : 0)
           + " d70=" + std::to_string(g->IsDeath70()) + " d90=" + std::to_string(g->IsDeath90());
}

std::string ValueAfter(const std::vector<Point>& pts)
{
    const int att = Attacker(pts);
    const std::vector<Point> moves(pts.begin() + 1, pts.end());
    if (moves.empty())
        throw std::invalid_argument("HaneMore:value wants the moves");
    return std::to_string(ReadingValue(att, moves));
}

const TProblemRoutineAdd haneMoreGroup("HaneMore:group", GroupAfter);
const TProblemRoutineAdd haneMoreValue("HaneMore:value", ValueAfter);

} // namespace
} // namespace vorn::test

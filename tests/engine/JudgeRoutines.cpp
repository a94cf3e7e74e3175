// The judgement routines that the problem tables call by name ("call NAME
// V..." in tests/problems/judgement.tst).  Each entry answers what the row
// compares; the answer format is written at each entry.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "engine/Hyoka.h"

namespace vorn::test {
namespace {

// The static evaluation of the game position, seen from the group at the
// row's point: "dl=71 me=2 death70=1 weak=-9 dead=12" - the group's death
// level, its eye value, whether it counts as dead by the 70 rule, and the
// weak-group and dead-stone terms of its colour after the evaluation.  The
// rows put no other group of that colour on the board, so the two terms are
// the group's own.
std::string GroupTerms(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("one point: a stone of the group");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at the point");
    HyokaCalc();
    const bool black = g->GetIsiIro() == kKuro;
    return "dl=" + std::to_string(g->GetDeathLevel()) + " me=" + std::to_string(g->GetMe())
           + " death70=" + std::to_string(g->IsDeath70()) + " weak=" + std::to_string(black ? WeakGunKuro : WeakGunSiro)
           + " dead=" + std::to_string(black ? DeadKuro : DeadSiro);
}

const TProblemRoutineAdd groupTerms("HyokaCalc:group", GroupTerms);

} // namespace
} // namespace vorn::test

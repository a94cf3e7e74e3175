// Wedge rows of tests/problems/keima2-cover.tst that the shared entries
// cannot state:
//
//   call KeimaRenraku:pass A B M...
//
// runs the knight's-move handler on the pair (A, B) and answers every
// candidate against the attacker's reading M... (the attacker first, the
// colours alternating, A standing for the owner's pass), as "P=r:5", else
// "P=?value:5".
//
//   call KeimaRenraku:halfway A B P L
//
// answers every candidate against the owner's P answered by the attacker's
// L, raised halfway toward the owner's P and L both (the owner's
// evaluation), plus the attacker's P alone (its own evaluation).
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Problems.h"
#include "engine/Reading.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/PassReading.h"

namespace vorn::test {
namespace {

std::string KeimaRenrakuPass(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("KeimaRenraku:pass wants a pair and the attacker's reading");
    const int ref = PassReadingValue(pts);
    KohoKind = kkKankei;
    KeimaRenraku(pts[0], pts[1]);
    return CandidatesAgainst(ref);
}

std::string KeimaRenrakuHalfway(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("KeimaRenraku:halfway wants a pair, the point P and the liberty L");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    const int v = ReadingValue(own, {pts[2], pts[3]});
    const int w = OneSideValue(own, {pts[2], pts[3]}); // the attacker passing
    const int ref = v + (w - v) / 2 + ReadingValue(att, {pts[2]});
    KohoKind = kkKankei;
    KeimaRenraku(pts[0], pts[1]);
    return CandidatesAgainst(ref);
}

const TProblemRoutineAdd keimaRenrakuHalfway("KeimaRenraku:halfway", KeimaRenrakuHalfway);
const TProblemRoutineAdd keimaRenrakuPass("KeimaRenraku:pass", KeimaRenrakuPass);

} // namespace
} // namespace vorn::test

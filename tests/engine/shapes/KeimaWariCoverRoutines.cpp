// Wedge rows of tests/problems/keima2-cover.tst that the shared entries
// cannot state:
//
//   call KeimaRenraku:pass A B M...
//
// runs the knight's-move handler on the pair (A, B) and answers every
// candidate against the attacker's reading M... (the attacker first, the
// colours alternating, A standing for the owner's pass), as "P=r:5", else
// "P=?value:5".
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Koho.h"
#include "engine/Problems.h"
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

const TProblemRoutineAdd keimaRenrakuPass("KeimaRenraku:pass", KeimaRenrakuPass);

} // namespace
} // namespace vorn::test

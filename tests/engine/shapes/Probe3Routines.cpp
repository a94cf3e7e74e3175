// Shape routines for the problem table tests/problems/shapes-probe3.tst
// whose answers need more than the other tables' entries give: the
// prepared answers a relation move of a group leaves.

#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/shapes/GunKankeiWide.h"

namespace vorn::test {
namespace {

// "GunKankei6Utu:prep A B": the two-space jump pattern of a group on (A, B)
// under the reason code of the relation moves of groups; answers its
// prepared answers as "D2/C2/D3" (own move, the opponent's reply, the
// answer to it), "none" when it left none.
std::string GunKankei6Prep(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("GunKankei6Utu:prep wants two points");
    KohoKind = kkGunKankei;
    GunKankei6Utu(pts[0], pts[1]);
    std::string s;
    for (int i = 1; i <= PreparedTeCount; ++i)
        s += (s.empty() ? "" : " ") + PreparedTeWord(i);
    return s.empty() ? "none" : s;
}

const TProblemRoutineAdd gunKankei6Prep("GunKankei6Utu:prep", GunKankei6Prep);

} // namespace
} // namespace vorn::test

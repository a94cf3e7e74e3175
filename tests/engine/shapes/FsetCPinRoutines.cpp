// Entries of tests/problems/shapes-pc-pin.tst: the one-space jump of a
// group relation with its far point in a large region.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/GunKankei.h"

namespace vorn::test {
namespace {

// "GunKankei3Utu:pc-far A B P M... A N...": the one-space jump of a group
// that is not weak on (A, B) under the relation moves of groups (18).  b is
// the reading M... of B's colour (first, alternating, scored for it), a the
// reading N... of A's colour.  Answers the candidate at P alone as "P=a+b:18"
// or "P=a*4/3+b:18" (a third more of A's reading, toward zero), the value
// read back whole when the table kept 25 with a bonus; else "P=?v:18";
// "none" when P has no candidate.
std::string JumpFar(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a relation wants a pair, the candidate and its readings");
    std::vector<Point> mine{pts[0]}, theirs;
    std::size_t i = 3;
    for (; i < pts.size() && pts[i] != pts[0]; ++i)
        theirs.push_back(pts[i]);
    for (++i; i < pts.size(); ++i)
        mine.push_back(pts[i]);
    const int colA = CurGoban().GetIroPt(pts[0]);
    const int b = theirs.empty() ? 0 : ReadingValue(colA ^ 3, theirs);
    const int a = mine.size() < 2 ? 0 : ReadingValue(colA, std::vector<Point>(mine.begin() + 1, mine.end()));
    KohoKind = kkGunKankei;
    GunKankei3Utu(pts[0], pts[1], 0);
    for (int k = 1; k <= KohoCount; ++k) {
        if (Koho.Pt[k] != pts[2])
            continue;
        int v = Koho.Value[k];
        if (v == 25 && Koho.Bonus[k] > 0)
            v = Koho.Bonus[k] + 13;
        const std::string w = v == a + b ? "a+b" : v == a + a / 3 + b ? "a*4/3+b" : '?' + std::to_string(v);
        return GtpVertex(pts[2]) + '=' + w + ':' + std::to_string(static_cast<int>(Koho.Kind[k]));
    }
    return "none";
}

const TProblemRoutineAdd jumpFar("GunKankei3Utu:pc-far", JumpFar);

} // namespace
} // namespace vorn::test

// Shape routines for the problem table tests/problems/shapes-probe4.tst: the
// large knight's-move handler valued against a reading in which the side
// being attacked passes (the attacker fills two liberties in a row), and the
// knight's-move second pass valued as twice a sum plus an addition.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/Kankei4Hokyo.h"
#include "engine/shapes/Ogeima.h"
#include "engine/shapes/PassReading.h"

namespace vorn::test {
namespace {

// "Kankei7Utu:pass A B M...": the large knight's-move handler on (A, B);
// M... is the attacker's reading (the attacker first, the colours
// alternating, scored for the attacker) in which A stands for a pass.  Each
// candidate answers "P=r:5" when its value is the reading's, else
// "P=?value:5".
std::string Kankei7Pass(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("Kankei7Utu:pass wants a pair and a reading");
    const int ref = PassReadingValue(pts);
    KohoKind = kkKankei;
    Kankei7Utu(pts[0], pts[1]);
    return CandidatesAgainst(ref);
}

// "Kankei4Hokyo:twice A B M... A N...": the knight's-move second pass on
// (A, B) under its reason code (21); M... is the attacker's reading (scored
// for the attacker), N... the owner's (scored for the owner), the owner
// being the colour of A, and r the sum of the two.  Each candidate answers
// "P=2r+k:21" (or "2r-k") for its value 2r + k: a doubled sum with the
// owner's additions.
std::string Kankei4Twice(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("Kankei4Hokyo:twice wants a pair and its readings");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    const auto split = std::find(pts.begin() + 2, pts.end(), pts[0]);
    const std::vector<Point> attMoves(pts.begin() + 2, split);
    const std::vector<Point> ownMoves(split == pts.end() ? split : split + 1, pts.end());
    const int r = (attMoves.empty() ? 0 : ReadingValue(att, attMoves))
                  + (ownMoves.empty() ? 0 : ReadingValue(own, ownMoves));
    KohoKind = kkHokyo;
    Kankei4Hokyo(pts[0], pts[1]);
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        const int k = Koho.Value[i] - 2 * r;
        s += (s.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + "=2r" + (k < 0 ? "-" : "+") + std::to_string(k < 0 ? -k : k)
             + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    return s.empty() ? "none" : s;
}

const TProblemRoutineAdd kankei4Twice("Kankei4Hokyo:twice", Kankei4Twice);
const TProblemRoutineAdd kankei7Pass("Kankei7Utu:pass", Kankei7Pass);

} // namespace
} // namespace vorn::test

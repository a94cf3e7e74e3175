// Entries of tests/problems/shapes-relation-pin6.tst: how a relation move of
// groups worth 26 or more is kept in the candidate table.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

// "GunKankei6Utu:kept A B X F...": the two-space jump pattern on (A, B)
// under the reason of the relation moves of groups (18); r is the formula
// F (outer::FormulaValue, each term alone, halved toward zero when a term
// is negative, as for GunKankei6Utu:pin).  Every candidate by its point,
// sorted; the one at X as "X=kept" when it holds value 25 with the excess
// of r over 13 as its bonus, "X=r" when it holds r with no bonus, else
// "X=?value/bonus".
std::string KeptAt(const std::vector<Point>& pts)
{
    if (pts.size() < 4)
        throw std::invalid_argument("a kept row wants the pair, the candidate and its formula");
    const int r = outer::TermwiseValue(pts, true);
    KohoKind = kkGunKankei;
    GunKankei6Utu(pts[0], pts[1]);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2]) {
            const int v = Koho.Value[i], b = Koho.Bonus[i];
            if (v == 25 && b > 0 && b == r - 13)
                w += "=kept";
            else if (v == r && b == 0)
                w += "=r";
            else
                w += "=?" + std::to_string(v) + '/' + std::to_string(b);
        }
        words.push_back(w);
    }
    return SortedWords(words);
}

const TProblemRoutineAdd gunKankei6Kept("GunKankei6Utu:kept", KeptAt);

} // namespace
} // namespace vorn::test

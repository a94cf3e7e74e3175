// Entries of tests/problems/shapes-diagonal-pin3.tst: the diagonal relation of groups
// when the group minimum is above every value it could reach.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/GunKankei.h"

namespace vorn::test {
namespace {

// "GunKankei2Utu:floored:pin3 A B": the diagonal pattern on (A, B) under the
// relation moves of groups with the minimum at 1000.  Answers each
// candidate as "P=v" with its value, sorted; "none" when there is none.
std::string DiagonalFloored(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the diagonal wants its pair");
    KohoKind = kkGunKankei;
    GunKankeiMin = 1000;
    GunKankei2Utu(pts[0], pts[1]);
    GunKankeiReset();
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i]));
    return words.empty() ? "none" : SortedWords(words);
}

const TProblemRoutineAdd diagonalFloored("GunKankei2Utu:floored:pin3", DiagonalFloored);

} // namespace
} // namespace vorn::test

// Shape routines for the problem table tests/problems/shapes-gunkankei-pin5.tst:
// the whole values a relation move of a group leaves, for rows whose value
// follows from the rule alone (whatever the readings).

#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Koho.h"
#include "engine/shapes/GunKankei.h"

namespace vorn::test {
namespace {

// "GunKankei3Utu:values A B": the one-space jump of a group (not weak) on
// (A, B) under the reason of the relation moves of groups, with the group
// minimum at its start (0); answers the value of every candidate, sorted
// ("0 0"), "none" when it left none.
std::string JumpValues(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("GunKankei3Utu:values wants the pair");
    KohoKind = kkGunKankei;
    GunKankeiReset();
    GunKankei3Utu(pts[0], pts[1], 0);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(std::to_string(Koho.Value[i]));
    return SortedWords(words);
}

const TProblemRoutineAdd jumpValues("GunKankei3Utu:values", JumpValues);

} // namespace
} // namespace vorn::test

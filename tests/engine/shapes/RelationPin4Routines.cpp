// Entries of tests/problems/shapes-relation-pin4.tst: the bonus that the
// (1,4) link leaves beside each candidate's value.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/Kankei11.h"

namespace vorn::test {
namespace {

// "NAME:bonus-words A B": the link handler on (A, B) under the pair
// answers' reason (5); every candidate as "P=b", b its bonus, sorted;
// "none" when it left none.
template <void (*Handler)(Point, Point)>
std::string BonusWords(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a link's bonus words want the pair");
    KohoKind = kkKankei;
    Handler(pts[0], pts[1]);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(static_cast<int>(Koho.Bonus[i])));
    return SortedWords(words);
}

const TProblemRoutineAdd kankei11Bonus("Kankei11Utu:bonus-words", BonusWords<Kankei11Utu>);

} // namespace
} // namespace vorn::test

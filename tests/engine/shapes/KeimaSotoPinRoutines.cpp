// An entry of tests/problems/keima-soto-pin.tst:
//
//   call KeimaSotoHaneSicho:bonus A B
//
// runs the push answer against an owner's stone beyond Oq alone on the
// knight's move (A, B), as "KeimaSotoHaneSicho:at" does, and answers each
// candidate as "P/b", its point and its tie-break bonus; "none" when there
// is none.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

std::string HaneSichoBonus(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("KeimaSotoHaneSicho:bonus wants the pair A B");
    outer::OuterAt<KeimaSotoHaneSicho>(pts);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + '/' + std::to_string(static_cast<int>(Koho.Bonus[i])));
    return SortedWords(words);
}

const TProblemRoutineAdd haneSichoBonus("KeimaSotoHaneSicho:bonus", HaneSichoBonus);

} // namespace
} // namespace vorn::test

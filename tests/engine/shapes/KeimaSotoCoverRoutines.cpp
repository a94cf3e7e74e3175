// An entry of tests/problems/keima-soto-cover.tst:
//
//   call KeimaSotoNaka:bonus A B
//
// runs the answer to an attacker's stone beside a middle point alone on the
// knight's move (A, B), as "KeimaSotoNaka:at" does, and answers every
// candidate as "P/b", its point and the bonus byte that breaks ties within
// a value; "none" when there is none.
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

std::string SotoNakaBonus(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("KeimaSotoNaka:bonus wants the pair A B");
    outer::OuterAt<KeimaSotoNaka>(pts);
    std::string s;
    for (int i = 1; i <= KohoCount; ++i)
        s += (s.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + '/' + std::to_string(static_cast<int>(Koho.Bonus[i]));
    return s.empty() ? "none" : s;
}

const TProblemRoutineAdd sotoNakaBonus("KeimaSotoNaka:bonus", SotoNakaBonus);

} // namespace
} // namespace vorn::test

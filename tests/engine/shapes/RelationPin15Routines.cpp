// Entries of tests/problems/shapes-relation-pin15.tst: the relation handlers
// of the large knight's move, the (2,3) and the (1,4) pair answered with the
// whole value of every candidate, so that a row can write each value out as
// the sum (or share) of readings that premise rows print.
//
//   call NAME:values A B
//
// runs the handler on the pair (A, B) under the pair answer's reason code
// and answers its candidates as "D4=12:5" (value, "/bonus" when it has one,
// reason), sorted, "none" for none, followed by the prepared answers it left
// as "D4/E5/F6" words (own move, the reply, the answer).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/shapes/Kankei11.h"
#include "engine/shapes/Kankei8.h"
#include "engine/shapes/Ogeima.h"

namespace vorn::test {
namespace {

template <void (*Handler)(Point, Point)>
std::string Values(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a values entry wants the pair A B");
    KohoKind = kkKankei;
    Handler(pts[0], pts[1]);
    std::string s = RoutineCandidatesWithReason();
    for (int i = 1; i <= PreparedTeCount; ++i)
        s += ' ' + PreparedTeWord(i);
    return s;
}

const TProblemRoutineAdd kankei7Values("Kankei7Utu:values", Values<Kankei7Utu>);
const TProblemRoutineAdd kankei8Values("Kankei8Utu:values", Values<Kankei8Utu>);
const TProblemRoutineAdd kankei11Values("Kankei11Utu:values", Values<Kankei11Utu>);

} // namespace
} // namespace vorn::test

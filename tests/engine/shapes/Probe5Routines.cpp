// Shape routines for the problem table tests/problems/shapes-probe5.tst: the
// knight's move whose two side points both hold the attacker's stones.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/PassReading.h"

namespace vorn::test {
namespace {

// "KeimaTuke:both A B P Q": the contact handler on the knight's move (A, B)
// whose side points both hold the attacker's stones; P and Q are the two
// middle points (P beside A).  Each side tries both middle points, the other
// side answering at the other one; the best try of each side counts, a
// negative best beside a positive one of the other side counting 0.  The
// row's position has no ladder on the stones of these tries.  Each
// candidate answers "P=r:5" when its value is that sum, else "P=?value:5".
std::string KeimaBoth(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("KeimaTuke:both wants a pair and its two middle points");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    const Point p = pts[2], q = pts[3];
    int bo = std::max(ReadingValue(own, {p, q}), ReadingValue(own, {q, p}));
    int ba = std::max(ReadingValue(att, {p, q}), ReadingValue(att, {q, p}));
    if (bo > 0 && ba < 0)
        ba = 0;
    if (bo < 0 && ba > 0)
        bo = 0;
    const int ref = bo + ba;
    KohoKind = kkKankei;
    KeimaTuke(pts[0], pts[1]);
    return CandidatesAgainst(ref);
}

const TProblemRoutineAdd keimaBoth("KeimaTuke:both", KeimaBoth);

} // namespace
} // namespace vorn::test

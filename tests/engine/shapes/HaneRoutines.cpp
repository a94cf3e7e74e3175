// The knight's-move answers to an attacker's stone beyond a side point,
// called alone by the problem tables (tests/problems/shapes-hane.tst):
//
//   call KeimaSotoHane:at A B [P T...]
//   call KeimaSotoHaneSicho:at A B [P T...]
//
// run the routine on the knight's move (A, B) as the knight's-move router
// hands it over (the box from A toward B, its outer rows, the attacker the
// colour opposite A's, under the pair answers' reason code).  Without P the
// answer is the points of the candidates left ("none" when there is none).
// With P the candidate at P is answered as "P=r:5" when its value is the
// value r of the formula T..., "P=r/2:5" when it is half of it, else
// "P=r+k:5" or "P=r-k:5"; the other candidates by their points alone.
//
// The formula is a sum of terms read left to right.  A starts a term of the
// owner (its readings begin with the owner's move and are scored for the
// owner), B one of the attacker.  The empty points that follow are the
// moves of a reading, the two sides alternating.  Another stone of the
// owner's colour starts an alternative reading of the same term whose
// larger value counts; a stone of the attacker's colour one whose smaller
// value counts.  An empty reading counts 0.
//
//   call Readings:order A B R1... S R2...
//
// compares two readings of the attacker (the colour opposite A's; S any
// stone between them): "<", "=" or ">" as the first is worth less, as much
// or more to the attacker.  Rows state with it which of two cuts a pattern
// keeps, where that choice rests on the evaluation alone.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Between.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

using outer::OuterAt;

std::string ReadingOrder(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("Readings:order wants the pair A B and two readings");
    const int att = CurGoban().GetIroPt(pts[0]) ^ 3;
    std::vector<Point> reading[2];
    int k = 0;
    for (std::size_t i = 2; i < pts.size(); ++i) {
        if (CurGoban().GetIroPt(pts[i]) != kAki)
            k = 1;
        else
            reading[k].push_back(pts[i]);
    }
    if (reading[0].empty() || reading[1].empty())
        throw std::invalid_argument("Readings:order wants two readings");
    const int v1 = ReadingValue(att, reading[0]), v2 = ReadingValue(att, reading[1]);
    return v1 < v2 ? "<" : v1 == v2 ? "=" : ">";
}

const TProblemRoutineAdd haneAt("KeimaSotoHane:at", OuterAt<KeimaSotoHane>);
const TProblemRoutineAdd haneSichoAt("KeimaSotoHaneSicho:at", OuterAt<KeimaSotoHaneSicho>);
const TProblemRoutineAdd readingOrder("Readings:order", ReadingOrder);

} // namespace
} // namespace vorn::test

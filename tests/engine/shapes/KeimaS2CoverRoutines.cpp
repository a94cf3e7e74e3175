// Wedge rows of tests/problems/keima-s2-cover.tst:
//
//   call KeimaRenraku:third A B P L F...
//
// runs the knight's-move handler on the pair (A, B) and answers the
// candidates by their points, the one at P with its value against the
// owner's P raised a third of the way toward the owner's P and L both (when
// that is more), plus the formula F... (the attacker's part, written as in
// KeimaRenraku:at: B opens a reading of the attacker's, a stone of the
// attacker's colour starts an alternative of which the smaller counts).
// The value reads "r", or "r+N" / "r-N" against that sum.
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Problems.h"
#include "engine/Reading.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

std::string KeimaRenrakuThird(const std::vector<Point>& pts)
{
    if (pts.size() < 5)
        throw std::invalid_argument("KeimaRenraku:third wants a pair, the point P, the liberty L and a formula");
    const int own = CurGoban().GetIroPt(pts[0]);
    const int v = ReadingValue(own, {pts[2]});
    // The owner's P and L, the attacker passing between them.
    const int w = OneSideValue(own, {pts[2], pts[3]});
    const int ref = (v < w ? v + (w - v) / 3 : v) + outer::FormulaValue(pts[0], pts[1], pts, 4);
    KohoKind = kkKankei;
    KeimaRenraku(pts[0], pts[1]);
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string c = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2])
            c += '=' + outer::Relative(Koho.Value[i], ref) + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        s += (s.empty() ? "" : " ") + c;
    }
    return s.empty() ? "none" : s;
}

const TProblemRoutineAdd keimaRenrakuThird("KeimaRenraku:third", KeimaRenrakuThird);

} // namespace
} // namespace vorn::test

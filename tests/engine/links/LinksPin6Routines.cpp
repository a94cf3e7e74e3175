// One more way of answering the reading of the attached pair at the edge,
// for the rows of tests/problems/links-pin6.tst.
//
// "IkkenEdgeTukeYomi:bonus-only A B [lines]": the first candidate the
// reading adds and its bonus, "=POINT:bonus", the bonus written like a value
// (an expression of the lines' evaluations, LinkRoutines.cpp); "none"
// without a candidate.  The candidate's value is not answered.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/links/IkkenEdgeTukeYomi.h"

namespace vorn::test {
namespace {

std::string TukeYomiBonusOnly(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        IkkenEdgeTukeYomi(box);
        if (KohoCount < 1)
            return std::string();
        const std::string out = GtpVertex(Koho.Pt[1]) + ':' + std::to_string(static_cast<int>(Koho.Bonus[1]));
        KohoClear();
        return out;
    });
}
const TProblemRoutineAdd tukeYomiBonusOnly("IkkenEdgeTukeYomi:bonus-only", TukeYomiBonusOnly);

} // namespace
} // namespace vorn::test

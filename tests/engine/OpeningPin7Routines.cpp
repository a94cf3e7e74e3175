// Entries of the problem table opening-pin7.tst.
//
// Answers:
//  - "JobanEdgeGaps:with-peeps": the opening's edge scan alone on the row's
//    position, the peep table rebuilt for that position first (as a
//    decision does before its generators run): the candidates by their
//    points alone, sorted ("none" when there are none).  The peep table is
//    cleared again afterwards.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Joban.h"
#include "engine/Koho.h"
#include "engine/Nozoki.h"

namespace vorn::test {
namespace {

std::string EdgeGapsWithPeeps(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the scan takes no points");
    NozokiCheck();
    JobanInit();
    KohoKind = kkJoban;
    JobanEdgeGaps();
    NozokiClear();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]));
    return SortedWords(all);
}

const TProblemRoutineAdd edgeGapsWithPeeps("JobanEdgeGaps:with-peeps", EdgeGapsWithPeeps);

} // namespace
} // namespace vorn::test

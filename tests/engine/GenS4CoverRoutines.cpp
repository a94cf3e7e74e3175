// Entries of the problem table generators-s4-cover.tst: the opening's edge
// scan run after an earlier generator has left a candidate of a given value
// on a point, as when another stretch of the same scan proposed it first,
// and the opening's centre stage read at the row's points.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Joban.h"
#include "engine/Koho.h"

namespace vorn::test {
namespace {

// The scan with the candidate (P, value, 0) already in the table under the
// opening's reason; the answer is every candidate as "P=value/bonus".
std::string ScanAfter(const std::vector<Point>& pts, int value)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the scan wants the point of the earlier candidate");
    JobanInit();
    KohoKind = kkJoban;
    AddKoho(pts[0], value, 0);
    JobanEdgeGaps();
    return RoutineCandidates();
}

// call JobanEdgeGaps:after11 P   P holds a candidate of value 11 first
std::string ScanAfter11(const std::vector<Point>& pts) { return ScanAfter(pts, 11); }
// call JobanEdgeGaps:after10 P   P holds a candidate of value 10 first
std::string ScanAfter10(const std::vector<Point>& pts) { return ScanAfter(pts, 10); }

// call JobanKoho2:points P...   the opening's third stage (centre points
// and, from move 60, caps) on the row's position: the candidates at the
// row's points, "P=value/bonus" or "P=none".
std::string StageThreePoints(const std::vector<Point>& pts)
{
    JobanInit();
    JobanKoho2();
    return CandidatesAt(pts, true);
}

const TProblemRoutineAdd stageThreePoints("JobanKoho2:points", StageThreePoints);
const TProblemRoutineAdd scanAfter11("JobanEdgeGaps:after11", ScanAfter11);
const TProblemRoutineAdd scanAfter10("JobanEdgeGaps:after10", ScanAfter10);

} // namespace
} // namespace vorn::test

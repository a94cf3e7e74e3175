// Entries of the problem table opening-pin6.tst.
//
// Answers:
//  - "JobanEdgeGaps:at P...": the opening's edge scan alone on the row's
//    position; the candidates it left at the row's points, each as
//    "P=value/bonus" ("P=value" without a bonus, "P=none" without one), so
//    that a row may pin the points of one stretch while other stretches of
//    the position propose points whose values are the evaluation's.
//  - "JobanEdgeGaps:value-at P...": the same scan, then the value the
//    opening reads back from the candidate table at each of P..., as
//    "P=value" (0 for a point that holds no candidate).
//  - "JobanTe:vs-computer-after P...": stage 0 against another program
//    (19 x 19) after the row's points were played as the game's first
//    moves (the side to move first, colours alternating) and passes brought
//    the record to four moves; all of them taken back afterwards.  The
//    point it gives, "pass" for none.  "JobanTe:vs-computer-after-one P"
//    the same with P the only move of the record.
//  - "SakiyomiChoose:lens-A-B-C P Q R" (YomiBarRoutines.cpp): the root the
//    look-ahead takes among the three roots P, Q, R read with the scores 5,
//    9 and 7, all of the pair-answer reason, their lines A, B and C moves
//    long.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Tejun.h"
#include "engine/Joban.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

template <bool ValueOnly>
std::string EdgeGapsAt(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the scan is read at the row's points");
    JobanInit();
    KohoKind = kkJoban;
    JobanEdgeGaps();
    if (!ValueOnly)
        return CandidatesAt(pts, true);
    std::string out;
    for (Point p : pts)
        out += (out.empty() ? "" : " ") + GtpVertex(p) + "=" + std::to_string(KohoValueAt(p));
    return out;
}

template <int Moves>
std::string VsComputerAfter(const std::vector<Point>& pts)
{
    if (static_cast<int>(pts.size()) > Moves)
        throw std::invalid_argument("too many moves for the row");
    TGoban& b = *GobanLv[0];
    if (b.Tejun.Current() != 0)
        throw std::invalid_argument("the row's moves must be the game's first");
    int added = 0;
    auto undo = [&] {
        for (; added > 0; --added)
            b.Matta();
        b.Analyze();
    };
    for (Point p : pts) {
        if (b.Utu(p.x, p.y) != kUtuOk) {
            undo();
            throw std::invalid_argument(GtpVertex(p) + " cannot be played");
        }
        ++added;
    }
    while (b.Tejun.Current() < Moves) {
        if (!b.Pass()) {
            undo();
            throw std::runtime_error("the record is full");
        }
        ++added;
    }
    b.Analyze();
    const unsigned char savedMode = VsComputerMode;
    VsComputerMode = 1;
    Point p;
    JobanTe(p);
    VsComputerMode = savedMode;
    undo();
    return p.x == 0 ? std::string("pass") : GtpVertex(p);
}

const TProblemRoutineAdd edgeGapsAt("JobanEdgeGaps:at", EdgeGapsAt<false>);
const TProblemRoutineAdd edgeGapsValueAt("JobanEdgeGaps:value-at", EdgeGapsAt<true>);
const TProblemRoutineAdd vsComputerAfter("JobanTe:vs-computer-after", VsComputerAfter<4>);
const TProblemRoutineAdd vsComputerAfterOne("JobanTe:vs-computer-after-one", VsComputerAfter<1>);

} // namespace
} // namespace vorn::test

// Entries for the rows of tests/problems/links-edge-yomi-pin4.tst that need
// more than the candidates of a jump-to-the-edge routine.
//
// "IkkenEdgeNozoki:mark-values A B": the first-kind link marks that the
// peep reading on the jump A-B leaves, each as "P=v" with v the mark's value
// (the other mark entries only say whether a point is marked); "none"
// without a mark.  The candidates are not answered.
//
// "NAME:prepared A B [lines]" for the peep's routines and the reading of the
// attached pair: the candidates as "NAME A B [lines]" answers them
// (LinkRoutines.cpp), then each prepared answer the routine left, as
// "P/Q/R" (the engine's move, the opponent's reply, the answer to it).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeNozoki.h"
#include "engine/links/IkkenEdgeTukeYomi.h"

namespace vorn::test {
namespace {

std::string NozokiMarkValues(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("IkkenEdgeNozoki:mark-values wants the jump's two points");
    LinkMarkClear();
    BoxRoutine<IkkenEdgeNozoki>(pts);
    std::string out;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (LinkMark1[x][y] != 0)
                out += (out.empty() ? "" : " ") + GtpVertex(Point(x, y)) + '=' + std::to_string(LinkMark1[x][y]);
    LinkMarkClear();
    return out.empty() ? "none" : out;
}
const TProblemRoutineAdd ikkenEdgeNozokiMarkValues("IkkenEdgeNozoki:mark-values", NozokiMarkValues);

template <void (*R)(TKankeiBox)>
std::string WithPrepared(const std::vector<Point>& pts)
{
    PreparedTeClear();
    std::string out = BoxRoutine<R>(pts);
    for (int i = 1; i <= PreparedTeCount; ++i)
        out += ' ' + PreparedTeWord(i);
    PreparedTeClear();
    return out;
}
const TProblemRoutineAdd ikkenEdgeNozokiPrepared("IkkenEdgeNozoki:prepared", WithPrepared<IkkenEdgeNozoki>);
const TProblemRoutineAdd ikkenEdgeNozokiAtariPrepared("IkkenEdgeNozokiAtari:prepared",
                                                      WithPrepared<IkkenEdgeNozokiAtari>);
const TProblemRoutineAdd ikkenEdgeNozokiHanePrepared("IkkenEdgeNozokiHane:prepared", WithPrepared<IkkenEdgeNozokiHane>);
const TProblemRoutineAdd ikkenEdgeTukeYomiPrepared("IkkenEdgeTukeYomi:prepared", WithPrepared<IkkenEdgeTukeYomi>);

} // namespace
} // namespace vorn::test

// Entries for the jump-link rows of tests/problems/links-edge-yomi-pin3.tst
// and links-k6-pin3.tst that answer more than a routine's candidates.
//
// "IkkenEdgeKorosuCheck:pin3 P Q": whether the colour opposite to the stone at
// Q, playing P, leaves the group at Q dead: "yes" or "no".
// "NAME:prep:pin3 A B [lines]": the candidates as "NAME A B [lines]" answers
// them (LinkRoutines.cpp), then each prepared answer as "D4/E5/F6" (the
// engine's move, the opponent's reply, the answer to it).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/links/IkkenEdgeTukeYomi.h"
#include "engine/links/Kankei6EdgeNozoki.h"

namespace vorn::test {
namespace {

std::string KorosuCheck(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("IkkenEdgeKorosuCheck:pin3 wants P Q");
    const int c = CurGoban().GetIroPt(pts[1]);
    if (c != 1 && c != 2)
        throw std::invalid_argument("IkkenEdgeKorosuCheck:pin3 wants a stone at Q");
    return IkkenEdgeKorosuCheck(pts[0], pts[1], c ^ 3) ? "yes" : "no";
}

template <void (*R)(TKankeiBox)>
std::string BoxRoutineWithPrepared(const std::vector<Point>& pts)
{
    PreparedTeClear();
    std::string out = BoxRoutine<R>(pts);
    for (int i = 1; i <= PreparedTeCount; ++i)
        out += ' ' + PreparedTeWord(i);
    return out;
}

const TProblemRoutineAdd ikkenEdgeKorosuCheck("IkkenEdgeKorosuCheck:pin3", KorosuCheck);
const TProblemRoutineAdd edgeNozokiPrepared("Kankei6EdgeNozoki:prep:pin3", BoxRoutineWithPrepared<Kankei6EdgeNozoki>);

} // namespace
} // namespace vorn::test

// Jump-to-the-edge family heads for the rows of
// tests/problems/links-edge-cover.tst, answered as in LinkRoutines.cpp
// (candidates in terms of the row's lines).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"

#include "engine/links/IkkenEdgeTuke.h"
#include "engine/links/IkkenEdgeWarikomi.h"

namespace vorn::test {
namespace {

// The strip patterns of the stone beside the owner's stone, both directions.
const TProblemRoutineAdd ikkenEdgeTukeCover("IkkenEdgeTuke:cover", BoxRoutine<IkkenEdgeTuke>);
// The router of the gap-point family.
const TProblemRoutineAdd ikkenEdgeWarikomiCover("IkkenEdgeWarikomi:cover", BoxRoutine<IkkenEdgeWarikomi>);

// IkkenEdgeTukeHaneKiri:prep S G K2 F: on the strip from K2 to F along the
// edge, the candidates' points (their values left out), then each prepared
// answer as "P/Q/R" (own move, the opponent's reply, the answer to it).
std::string HaneKiriPrep(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("IkkenEdgeTukeHaneKiri:prep wants S G K2 F");
    TKankeiBox strip;
    if (!IkkenEdgeStripMake(pts[2], pts[3], strip))
        throw std::invalid_argument("no strip along the edge");
    KohoKind = kkKankei;
    IkkenEdgeTukeHaneKiri(strip);
    std::string out;
    for (int i = 1; i <= KohoCount; ++i)
        out += (out.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]);
    for (int i = 1; i <= PreparedTeCount; ++i)
        out += (out.empty() ? "" : " ") + PreparedTeWord(i);
    return out.empty() ? "none" : out;
}
const TProblemRoutineAdd ikkenEdgeTukeHaneKiriPrep("IkkenEdgeTukeHaneKiri:prep", HaneKiriPrep);

} // namespace
} // namespace vorn::test

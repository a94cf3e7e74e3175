// The corner reading of the attached stone beside a jump to the edge, called
// on its own for the rows of tests/problems/links-edge3-cover.tst (the family
// head reaches it only with a ladder stored in the chain beyond); answered as
// in LinkRoutines.cpp, candidates in terms of the row's lines.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <string>
#include <vector>

#include "board/Sicho.h"
#include "engine/links/IkkenEdgeTukeYomi.h"

namespace vorn::test {
namespace {

// IkkenEdgeSumiYomi:edge3 S G A B C D L [lines]: the reading at the first-line
// point C next to the corner, with A the stone beside B and D the point the
// other side answers at, after the ladder of the chain at L has been read
// (so that its first moves are stored in the chain).
std::string SumiYomi(const std::vector<Point>& pts)
{
    return Expressed(pts, 5, [](const TKankeiBox&, const std::vector<Point>& p) {
        SichoCheck(p[4]);
        IkkenEdgeSumiYomi(p[0], p[1], p[2], p[3]);
        return std::string();
    });
}
const TProblemRoutineAdd ikkenEdgeSumiYomiEdge3("IkkenEdgeSumiYomi:edge3", SumiYomi);

// IkkenEdgeSumiYomi:edge3-as-found S G A B C D L [lines]: the same reading on
// the chains as the row's lines leave them, without reading the ladder
// first: a chain the lines rebuilt must still give its ladder's first moves.
std::string SumiYomiAsFound(const std::vector<Point>& pts)
{
    return Expressed(pts, 5, [](const TKankeiBox&, const std::vector<Point>& p) {
        IkkenEdgeSumiYomi(p[0], p[1], p[2], p[3]);
        return std::string();
    });
}
const TProblemRoutineAdd ikkenEdgeSumiYomiAsFound("IkkenEdgeSumiYomi:edge3-as-found", SumiYomiAsFound);

} // namespace
} // namespace vorn::test

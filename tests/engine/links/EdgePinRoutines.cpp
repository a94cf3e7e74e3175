// Entries for the rows of tests/problems/links-edge-yomi-pin.tst that need
// more than the candidates' values: the bonus a peep reading gives its
// candidate, and the ladder-threat test of the attached pair.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/links/IkkenEdgeNozoki.h"
#include "engine/links/IkkenEdgeTukeYomi.h"

namespace vorn::test {
namespace {

// IkkenEdgeNozoki:pin-bonus A B [lines]: the peep reading on the jump A-B;
// answered "=P:b" for its first candidate P with b its bonus in terms of the
// lines ("=none:0" without a candidate), then the candidates as
// LinkRoutines.cpp answers them.
std::string NozokiBonus(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        IkkenEdgeNozoki(box);
        if (KohoCount == 0)
            return std::string("none:0");
        return GtpVertex(Koho.Pt[1]) + ":" + std::to_string(static_cast<int>(Koho.Bonus[1]));
    });
}
const TProblemRoutineAdd ikkenEdgeNozokiPinBonus("IkkenEdgeNozoki:pin-bonus", NozokiBonus);

// IkkenEdgeSichoNerai:pin A B C D: whether C's colour, playing D, sets up a
// ladder on the chain at A once the other colour answers at C's liberty:
// "yes" or "no".
std::string SichoNerai(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("IkkenEdgeSichoNerai:pin wants A B C D");
    return IkkenEdgeSichoNerai(pts[0], pts[1], pts[2], pts[3]) ? "yes" : "no";
}
const TProblemRoutineAdd ikkenEdgeSichoNeraiPin("IkkenEdgeSichoNerai:pin", SichoNerai);

} // namespace
} // namespace vorn::test

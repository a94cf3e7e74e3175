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
#include "engine/links/IkkenEdgeTuke.h"
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

// Each candidate's bonus as a plain number, " P/b" a candidate.
std::string BonusWords()
{
    std::string out;
    for (int i = 1; i <= KohoCount; ++i)
        out += ' ' + GtpVertex(Koho.Pt[i]) + '/' + std::to_string(static_cast<int>(Koho.Bonus[i]));
    return out;
}

// NAME:pin-bonus0 A B [lines]: the routine on the jump A-B, answered as
// LinkRoutines.cpp answers it, and then each candidate's bonus as a plain
// number, "P/b": for the rows whose candidates carry no bonus (0).
template <void (*R)(TKankeiBox)>
std::string WithBonus(const std::vector<Point>& pts)
{
    const std::string out = BoxRoutine<R>(pts);
    return out + BonusWords();
}
const TProblemRoutineAdd ikkenEdgeTukeYomiPinBonus0("IkkenEdgeTukeYomi:pin-bonus0", WithBonus<IkkenEdgeTukeYomi>);
const TProblemRoutineAdd ikkenEdgeNozokiAtariPinBonus0("IkkenEdgeNozokiAtari:pin-bonus0",
                                                        WithBonus<IkkenEdgeNozokiAtari>);
const TProblemRoutineAdd ikkenEdgeNozokiHanePinBonus0("IkkenEdgeNozokiHane:pin-bonus0", WithBonus<IkkenEdgeNozokiHane>);

// IkkenEdgeTukeHaneKiri:pin-bonus0 S G K2 F [lines]: the hane-and-cut
// pattern on the strip from K2 to F along the edge, answered as the entry
// IkkenEdgeTukeHaneKiri answers it, then each candidate's bonus, "P/b".
std::string HaneKiriBonus(const std::vector<Point>& pts)
{
    std::string out = Expressed(pts, 2, [](const TKankeiBox&, const std::vector<Point>& p) {
        TKankeiBox strip;
        if (!IkkenEdgeStripMake(p[0], p[1], strip))
            throw std::invalid_argument("no strip along the edge");
        IkkenEdgeTukeHaneKiri(strip);
        return std::string();
    });
    return out + BonusWords();
}
const TProblemRoutineAdd ikkenEdgeTukeHaneKiriPinBonus0("IkkenEdgeTukeHaneKiri:pin-bonus0", HaneKiriBonus);

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

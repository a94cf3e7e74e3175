// Routines of the diagonal link for the problem table
// tests/problems/shapes-diagonal-cover2.tst.
//
// "KosumiRenraku:plus A B P ATT... A OWN...": the diagonal handler on the
// pair (A, B); ATT is the attacker's reading (the attacker first, the two
// sides alternating, scored for the attacker), OWN after A as a separator
// the owner's (the owner first, scored for the owner); the owner is A's
// colour.  P is answered as "P=r+K:REASON" (or "P=r:REASON", "P=r-K:...")
// against the sum r of the two readings, the other candidates by their
// points alone.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/Kosumi.h"

namespace vorn::test {
namespace {

std::string KosumiPlus(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("KosumiRenraku:plus wants A, B and the candidate");
    const int own = CurGoban().GetIroPt(pts[0]);
    if (own != kKuro && own != kSiro)
        throw std::invalid_argument("the first point of the row must hold a stone");
    std::vector<Point> moves[2]; // the attacker's, the owner's
    int side = 0;
    for (std::size_t i = 3; i < pts.size(); ++i) {
        if (pts[i] == pts[0])
            side = 1;
        else
            moves[side].push_back(pts[i]);
    }
    int ref = 0;
    for (int k = 0; k < 2; ++k)
        if (!moves[k].empty())
            ref += ReadingValue(k == 0 ? (own ^ 3) : own, moves[k]);
    KohoKind = kkKankei;
    KosumiRenraku(pts[0], pts[1]);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2]) {
            const int d = Koho.Value[i] - ref;
            w += "=r" + (d > 0 ? '+' + std::to_string(d) : d < 0 ? std::to_string(d) : std::string()) + ':'
                 + std::to_string(static_cast<int>(Koho.Kind[i]));
        }
        all.push_back(w);
    }
    return SortedWords(all);
}

const TProblemRoutineAdd kosumiPlus("KosumiRenraku:plus", KosumiPlus);

} // namespace
} // namespace vorn::test

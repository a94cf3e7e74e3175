// The shape-link routines that the problem tables call by name ("call NAME
// A B" in tests/problems/shapes.tst): each entry runs one routine on the
// points of the row and answers the candidates it left.
#include "engine/Problems.h"

#include "engine/Koho.h"
#include "engine/shapes/Kosumi.h"

namespace vorn::test {
namespace {

// A relation handler on the pair (A, B), under the reason code of the pair
// list's answers, as the relation dispatch calls it.
template <void (*Handler)(Point, Point)>
std::string Pair(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a pair handler wants two points");
    KohoKind = kkKankei;
    Handler(pts[0], pts[1]);
    return RoutineCandidatesWithReason();
}

const TProblemRoutineAdd kosumiRenraku("KosumiRenraku", Pair<KosumiRenraku>);

} // namespace
} // namespace vorn::test

// Entries of the problem table life-pin18.tst: the filters of the
// life-and-death search in the order the search reads their moves (the
// premise of a row whose search stops after the first few), and the stones
// the search follows as its target.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Gun.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"

namespace vorn::test {
namespace {

// call SikatuKorosu:order V   and   call SikatuIkiru:order V
// The attacker's (or the defender's) filter on the group at V: the moves it
// kept, in its own order, the order in which the search reads them
// ("none").
template <bool Kill>
std::string FilterOrder(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    SetSikatuTarget(g);
    Point list[kMaxSikatuList];
    const int n = Kill ? SikatuKorosu(g, list) : SikatuIkiru(g, list);
    YomiUnwind();
    std::string out;
    for (int i = 0; i < n; ++i)
        out += (i > 0 ? " " : "") + GtpVertex(list[i]);
    return n == 0 ? "none" : out;
}

// call SikatuTarget V   the stones the search on the group at V follows:
// the group's own stones, sorted, then "+" and the stones of the groups
// linked to it, sorted ("+ none" without links).
std::string TargetStones(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    SetSikatuTarget(g);
    std::vector<std::string> own, linked;
    for (int i = 1; i <= SikatuTargetCount; ++i)
        (i <= g.GetIsiSu() ? own : linked).push_back(GtpVertex(SikatuTarget[i]));
    return SortedWords(own) + " + " + SortedWords(linked);
}

const TProblemRoutineAdd targetStones("SikatuTarget", TargetStones);
const TProblemRoutineAdd korosuOrder("SikatuKorosu:order", FilterOrder<true>);
const TProblemRoutineAdd ikiruOrder("SikatuIkiru:order", FilterOrder<false>);

} // namespace
} // namespace vorn::test

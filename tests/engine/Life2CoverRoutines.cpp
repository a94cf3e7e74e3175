// Entries of the problem table life2-cover.tst: the look-ahead's root
// window when the top candidate is no root.  The answer format is written
// at each entry.
#include "engine/Problems.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/Sakiyomi.h"

namespace vorn::test {
namespace {

void ClearYomiArea()
{
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            YomiArea[x][y] = 0;
}

// call SelectRootKoho:area T R Q...   the roots taken from a table of two
// candidates, T worth 60 as an opening big point (reason 17, never a root)
// and R worth 40 as a pair answer (reason 5), the staged search having left
// reason 5, YomiWide 10: each root as "root=R", then each point Q as "Q"
// when the look-ahead area then holds it, "Q=out" when not; sorted.
std::string RootArea(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("the roots want the top, the root and the points to read");
    AddKohoEx(pts[0], 60, kkJoban2, Point());
    AddKohoEx(pts[1], 40, kkKankei, Point());
    const int savedWide = YomiWide;
    YomiWide = 10;
    KohoKind = kkKankei;
    const int n = SelectRootKoho();
    YomiWide = savedWide;
    std::vector<std::string> all;
    for (int i = 1; i <= n; ++i)
        all.push_back("root=" + GtpVertex(SakiRoot.Pt[i]));
    for (std::size_t i = 2; i < pts.size(); ++i)
        all.push_back(GtpVertex(pts[i]) + (YomiArea[pts[i].x][pts[i].y] == 1 ? "" : "=out"));
    ClearYomiArea();
    return SortedWords(all);
}

const TProblemRoutineAdd rootArea("SelectRootKoho:area", RootArea);

} // namespace
} // namespace vorn::test

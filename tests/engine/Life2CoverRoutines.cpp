// Entries of the problem table life2-cover.tst: the look-ahead's root
// window when the top candidate is no root, and the double-move pass over
// small links.  The answer format is written at each entry.
#include "engine/Problems.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Hooks.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Reading.h"
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

// call KohoDoubleScan:links P Q R...   the side to move has links (reason
// 4) worth 2 at P, Q, R... (in that order) and runs the double-move pass
// over them; d is its own evaluation after its double move P and Q.
// call KohoDoubleScan:cuts P Q R...   the same with cuts (reason 3): the
// opponent's double move is read, d is the opponent's evaluation after its
// double move P and Q.
// call KohoDoubleScan:cuts-last0 P Q R...   the same, the last point's cut
// worth 0.
// Each candidate then as "P=d", "P=d/4" (rounding down) or "P=v" with its
// value v; sorted.
template <std::uint8_t Reason, int LastValue = 2>
std::string DoubleScan(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("the pass wants three points or more");
    const int c = Reason == kkKiri ? AiteIro : JibunIro;
    int d = 0;
    {
        TYomiKeep keep;
        if (!ToruPushPlay(c, pts[0]) || !ToruPlay(c, pts[1]))
            throw std::invalid_argument("the double move P Q is refused");
        d = Hyoka(c);
    }
    for (std::size_t i = 0; i < pts.size(); ++i)
        AddKohoEx(pts[i], i + 1 == pts.size() ? LastValue : 2, Reason, Point());
    KohoKind = kkKankei;
    KohoDoubleScan(Reason);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i];
        all.push_back(GtpVertex(Koho.Pt[i]) + '='
                      + (v == d ? std::string("d") : v == d / 4 ? std::string("d/4") : std::to_string(v)));
    }
    return SortedWords(all);
}

const TProblemRoutineAdd doubleLinks("KohoDoubleScan:links", DoubleScan<kkTugi>);
const TProblemRoutineAdd doubleCuts("KohoDoubleScan:cuts", DoubleScan<kkKiri>);
const TProblemRoutineAdd doubleCutsLast0("KohoDoubleScan:cuts-last0", DoubleScan<kkKiri, 0>);

} // namespace
} // namespace vorn::test

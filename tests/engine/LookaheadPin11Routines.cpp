// Entries of the problem table lookahead-pin11.tst.
//
// Answers:
//  - "Sakiyomi:top-added-last P Q": the look-ahead on a table of two
//    captures in the order the staged search left them, Q worth 29 first and
//    P worth 40 second, P the point the search chose: the point the
//    look-ahead chooses and "at-once" when no tree node was read, else
//    "read".
//  - "SelectRootKoho:single P": the roots the look-ahead takes from a table
//    of the one candidate P, worth 40 (pair answer); "none" without one.
#include "engine/Problems.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

std::string TopAddedLast(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the search wants the top P and the other root Q");
    AddKohoEx(pts[1], 29, kkToru, Point());
    AddKohoEx(pts[0], 40, kkToru, Point());
    Point top;
    SelectKoho(0, top);
    KohoKind = kkKankei;
    const long long before = ThinkYomiCount;
    const std::uint8_t savedIn = InSakiyomi;
    InSakiyomi = 1;
    Point out;
    Sakiyomi(top, out);
    InSakiyomi = savedIn;
    return GtpVertex(out) + (ThinkYomiCount == before ? " at-once" : " read");
}

const TProblemRoutineAdd topAddedLast("Sakiyomi:top-added-last", TopAddedLast);

std::string SingleRoot(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the roots want the one candidate P");
    AddKohoEx(pts[0], 40, kkKankei, Point());
    KohoKind = kkKankei;
    const int n = SelectRootKoho();
    return n == 0 ? std::string("none") : GtpVertex(SakiRoot.Pt[1]) + (n > 1 ? " more" : "");
}

const TProblemRoutineAdd singleRoot("SelectRootKoho:single", SingleRoot);

} // namespace
} // namespace vorn::test

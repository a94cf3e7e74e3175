// The large knight's move called by name from
// tests/problems/shapes-ogeima-pin4.tst:
//
//   call Kankei7Utu:outer-at A B P M... A N...
//
// as "Kankei7Utu:at" (the other colour's readings after P, alternatives
// split by B of which the worse counts, then after A again A's colour's
// reading; r their sum), but the candidate at P is answered as "P=r",
// "P=r/2" or "P=r*2/3" (toward zero, the shares the outside patterns give
// each side), any other value as "P=value(r=sum)", which no row expects.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/Ogeima.h"

namespace vorn::test {
namespace {

std::string Kankei7OuterAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("Kankei7Utu:outer-at wants a pair, the candidate and its readings");
    const int colA = CurGoban().GetIroPt(pts[0]);
    std::vector<std::vector<Point>> other(1);
    std::vector<Point> own;
    bool ownSide = false;
    for (std::size_t i = 3; i < pts.size(); ++i) {
        if (pts[i] == pts[0])
            ownSide = true;
        else if (ownSide)
            own.push_back(pts[i]);
        else if (pts[i] == pts[1])
            other.emplace_back();
        else
            other.back().push_back(pts[i]);
    }
    int r = 0;
    if (!other[0].empty()) {
        int worst = ReadingValue(colA ^ 3, other[0]);
        for (std::size_t k = 1; k < other.size(); ++k)
            worst = std::min(worst, ReadingValue(colA ^ 3, other[k]));
        r += worst;
    }
    if (!own.empty())
        r += ReadingValue(colA, own);

    KohoKind = kkKankei;
    Kankei7Utu(pts[0], pts[1]);
    std::string out;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string s = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2]) {
            const int v = Koho.Value[i];
            std::string how = std::to_string(v) + "(r=" + std::to_string(r) + ")";
            if (v == r)
                how = "r";
            else if (r != 0 && v == r / 2)
                how = "r/2";
            else if (r != 0 && v == r * 2 / 3)
                how = "r*2/3";
            s += '=' + how + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        }
        out += (out.empty() ? "" : " ") + s;
    }
    return out.empty() ? "none" : out;
}

const TProblemRoutineAdd kankei7OuterAt("Kankei7Utu:outer-at", Kankei7OuterAt);

} // namespace
} // namespace vorn::test

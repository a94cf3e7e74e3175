// Shape routines for the problem table tests/problems/shapes-probe4.tst: the
// large knight's-move handler valued against a reading in which the side
// being attacked passes (the attacker fills two liberties in a row).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/Ogeima.h"

namespace vorn::test {
namespace {

// "Kankei7Utu:pass A B M...": the large knight's-move handler on (A, B);
// M... is the attacker's reading (the attacker first, the colours
// alternating, scored for the attacker) in which A stands for a pass.  Each
// candidate answers "P=r:5" when its value is the reading's, else
// "P=?value:5".
std::string Kankei7Pass(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("Kankei7Utu:pass wants a pair and a reading");
    const int att = CurGoban().GetIroPt(pts[0]) ^ 3;
    int ref = 0;
    {
        TYomiKeep keep;
        int c = att;
        for (std::size_t i = 2; i < pts.size(); c ^= 3, ++i)
            if (pts[i] != pts[0] && !ToruPlay(c, pts[i]))
                throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(pts[i]));
        ref = Hyoka(att);
    }
    KohoKind = kkKankei;
    Kankei7Utu(pts[0], pts[1]);
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i];
        s += (s.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + '=' + (v == ref ? "r" : '?' + std::to_string(v)) + ':'
             + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    return s.empty() ? "none" : s;
}

const TProblemRoutineAdd kankei7Pass("Kankei7Utu:pass", Kankei7Pass);

} // namespace
} // namespace vorn::test

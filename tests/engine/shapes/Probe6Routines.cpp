// Shape routines for the problem table tests/problems/shapes-probe6.tst: the
// knight's-move contact stone caught by a ladder, the owner's block answered
// by a second move beyond the contact stone.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/PassReading.h"

namespace vorn::test {
namespace {

// "KeimaTuke:block A B T N M X": the contact handler on the knight's move
// (A, B), T the attacker's contact stone, N the middle point beside it, M the
// one beside A, X the point beyond T.  The owner's block at N is worth the
// attacker's N answered at M (scored for the attacker) plus the owner's N;
// when the owner's X after its N (the attacker passing) scores more, the
// owner's share rises halfway toward it; a sum of 2 counts 5.  Answers the
// candidate at N as "N=r:5" when its value is that sum, else "N=?value:5";
// the other candidates by their points alone.
std::string KeimaTukeBlock(const std::vector<Point>& pts)
{
    if (pts.size() != 6)
        throw std::invalid_argument("KeimaTuke:block wants a pair and the points T N M X");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    const Point t = pts[2], n = pts[3], m = pts[4], x = pts[5];
    const int e1 = ReadingValue(att, {n, m});
    int e2 = ReadingValue(own, {n});
    const int e3 = PassReadingValue({t, pts[1], n, t, x});
    if (e2 < e3)
        e2 += (e3 - e2) / 2;
    int ref = e1 + e2;
    if (ref == 2)
        ref = 5;
    KohoKind = kkKankei;
    KeimaTuke(pts[0], pts[1]);
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == n)
            w += '=' + (Koho.Value[i] == ref ? std::string("r") : '?' + std::to_string(Koho.Value[i])) + ':'
                 + std::to_string(static_cast<int>(Koho.Kind[i]));
        s += (s.empty() ? "" : " ") + w;
    }
    return s.empty() ? "none" : s;
}

const TProblemRoutineAdd keimaTukeBlock("KeimaTuke:block", KeimaTukeBlock);

} // namespace
} // namespace vorn::test

// Entries of the problem table generators-cover2.tst: the border point of the
// endgame where the opponent's hane point decides J's gain, and the gates
// that drop a border point before it is valued.  The answer format is
// written at each entry.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// YoseBorderValue alone on p under the endgame's reason.
void BorderAlone(Point p)
{
    YoseCacheClear();
    KohoKind = kkYose;
    YoseBorderValue(p);
    YoseCacheClear();
}

// call YoseBorderValue:gate P   the border point P valued alone: the
// candidates left ("P=value", "P=value/bonus"; "none" when a gate drops P).
std::string BorderGate(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the border point wants the point");
    BorderAlone(pts[0]);
    return RoutineCandidates();
}

// call YoseBorderValue:hane P Q   J's stone at P has two of O's stones
// diagonal to it on one side with the empty hane point Q between them, and
// O's hane stone at Q keeps two liberties or more.  A = J's evaluation after
// J at P and O's hane at Q; H = J's evaluation after J at P alone; B = O's
// evaluation after O at P, a move that ataris nothing: counted when
// B >= -1, else 0.  v = A + B is stored as (v, 0)
// when v >= 2 or v < 0, as (0, 5) when v = 1, as (0, 0) when v = 0.  The
// answer: the candidate at P as "P=r/b" ("P=r+1/b" etc. when off, the other
// candidates by their points), then "hane<plain" or "hane>=plain" (A
// against H, so that the row shows which reading counted).
// "YoseBorderValue:hane-caught P Q" reads the same where O's hane stone at
// Q would keep one liberty only: the hane is not read, and A is J's
// evaluation after J at P alone; the last word compares the hane reading
// with it: "hane<plain", "hane=plain" or "hane>plain".
template <bool HaneCaught>
std::string BorderHane(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the border point wants the point and the hane point");
    const Point p = pts[0], q = pts[1];
    const int withHane = ReadingValue(JibunIro, {p, q}), h = ReadingValue(JibunIro, {p});
    const int a = HaneCaught ? h : withHane;
    const int b = ReadingValue(AiteIro, {p});
    const int v = a + (b >= -1 ? b : 0);
    const int r = v >= 2 || v < 0 ? v : 0, bonus = v == 1 ? 5 : 0;
    BorderAlone(p);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == p) {
            const int dv = Koho.Value[i] - r, db = Koho.Bonus[i] - bonus;
            w += "=r" + (dv != 0 ? (dv > 0 ? "+" : "") + std::to_string(dv) : std::string()) + "/b"
                 + (db != 0 ? (db > 0 ? "+" : "") + std::to_string(db) : std::string());
        }
        words.push_back(w);
    }
    if (HaneCaught)
        words.push_back(withHane < h ? "hane<plain" : withHane == h ? "hane=plain" : "hane>plain");
    else
        words.push_back(withHane < h ? "hane<plain" : "hane>=plain");
    return SortedWords(words);
}

const TProblemRoutineAdd borderGate("YoseBorderValue:gate", BorderGate);
const TProblemRoutineAdd borderHane("YoseBorderValue:hane", BorderHane<false>);
const TProblemRoutineAdd borderHaneCaught("YoseBorderValue:hane-caught", BorderHane<true>);

} // namespace
} // namespace vorn::test

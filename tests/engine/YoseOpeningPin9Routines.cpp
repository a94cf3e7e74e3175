// Entries of the problem table yose-opening-pin9.tst: the region number of
// points, a premise for the endgame scans that pass region points by; the
// border point whose opponent's hane stone would be left in atari.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// call JiNo:at V...   the number of the region each V lies in on the game
// board after the analysis, "V=n" (0: in no region); sorted.
std::string RegionNumbersAt(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the region numbers want the points");
    const TGoban& b0 = *GobanLv[0];
    std::vector<std::string> all;
    for (const Point v : pts)
        all.push_back(GtpVertex(v) + '=' + std::to_string(b0.JiList.GetJiNoPt(v)));
    return SortedWords(all);
}

const TProblemRoutineAdd regionNumbers("JiNo:at", RegionNumbersAt);

// call YoseBorderValue:hane-caught P Q   J's stone at P has two of O's
// stones diagonal to it on one side with the empty hane point Q between
// them, but O's hane stone at Q would keep one liberty only: the hane is
// not read.  A = J's evaluation after J at P alone, taken as it is; B = O's
// evaluation after O at P, a move that ataris nothing: counted when
// B >= -1, else 0.  v = A + B is stored as (v, 0) when v >= 2 or v < 0, as
// (0, 5) when v = 1, as (0, 0) when v = 0.  The answer: the candidate at P
// as "P=r/b" ("P=r+1/b" etc. when off, the other candidates by their
// points), then "hane<plain", "hane=plain" or "hane>plain" (J's evaluation
// after J at P and O at Q against A).
std::string BorderHaneCaught(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the border point wants the point and the hane point");
    const Point p = pts[0], q = pts[1];
    const int a = ReadingValue(JibunIro, {p}), hane = ReadingValue(JibunIro, {p, q});
    const int b = ReadingValue(AiteIro, {p});
    const int v = a + (b >= -1 ? b : 0);
    const int r = v >= 2 || v < 0 ? v : 0, bonus = v == 1 ? 5 : 0;
    YoseCacheClear();
    KohoKind = kkYose;
    YoseBorderValue(p);
    YoseCacheClear();
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
    words.push_back(hane < a ? "hane<plain" : hane == a ? "hane=plain" : "hane>plain");
    return SortedWords(words);
}

const TProblemRoutineAdd borderHaneCaught("YoseBorderValue:hane-caught", BorderHaneCaught);

} // namespace
} // namespace vorn::test

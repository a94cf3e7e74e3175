// Knight's-move rows of tests/problems/keima-pin12.tst.
//
//   call KeimaOgeimaHokyo:value P M1 MID K
//
// runs the stage routine for the move between a knight's move and a large
// knight's move and answers the candidate at P (the engine's move M2) against
// the sum r of its two readings: the engine's P, the opponent's M1 and the
// engine's MID, scored for the engine, plus the opponent's K alone, scored
// for the opponent.  "P=r" or "P=r+4" (the addition for a sum of 8 or more),
// else "P=?value"; a bonus follows after a slash ("P=r/1"); every other
// candidate is answered by its point.
//
//   call KeimaOgeimaHokyo:sum P M1 MID K
//
// the sum r itself, for rows whose branch turns on it.
//
//   call Reading:one-side A M...
//
// the evaluation for the colour other than A's after that colour plays all
// of M... in turn, A's side passing, as a number (a premise of a row).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/KankeiHokyo.h"

namespace vorn::test {
namespace {

int ReadingsSum(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("the move between two stones wants P M1 MID K");
    const int me = JibunIro, other = me ^ 3;
    return ReadingValue(me, {pts[0], pts[1], pts[2]}) + ReadingValue(other, {pts[3]});
}

std::string KeimaOgeimaSum(const std::vector<Point>& pts) { return std::to_string(ReadingsSum(pts)); }

std::string OneSideAfter(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("Reading:one-side wants a stone and the moves");
    const int c = CurGoban().GetIroPt(pts[0]) ^ 3;
    return std::to_string(OneSideValue(c, std::vector<Point>(pts.begin() + 1, pts.end())));
}

std::string KeimaOgeimaValueAt(const std::vector<Point>& pts)
{
    const int r = ReadingsSum(pts);
    Point out;
    KeimaOgeimaHokyo(out);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[0]) {
            const int v = Koho.Value[i];
            w += v == r ? "=r" : v == r + 4 ? "=r+4" : "=?" + std::to_string(v);
            if (Koho.Bonus[i] != 0)
                w += '/' + std::to_string(static_cast<int>(Koho.Bonus[i]));
        }
        words.push_back(w);
    }
    return SortedWords(words);
}

const TProblemRoutineAdd oneSide("Reading:one-side", OneSideAfter);
const TProblemRoutineAdd keimaOgeimaSum("KeimaOgeimaHokyo:sum", KeimaOgeimaSum);
const TProblemRoutineAdd keimaOgeimaValue("KeimaOgeimaHokyo:value", KeimaOgeimaValueAt);

} // namespace
} // namespace vorn::test

// Entries of the problem table yose-opening-pin9.tst: the region number of
// points, a premise for the endgame scans that pass region points by.  (The
// border point whose opponent's hane stone would be left in atari,
// "YoseBorderValue:hane-caught", is in GenCover2Routines.cpp.)
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

} // namespace
} // namespace vorn::test

// The bonus that the two-stone point carries ("call NAME V..." in
// tests/problems/yose-pin3.tst).
//
// Answer of "YoseTwoStone:bonus:pin3 V S": the point V beside two stones of the
// colour of the stone S, no atari at stake: each candidate the routine left
// as "P:b=N" (N its bonus) and the bonus of V's cache cell as "cell:b=N"
// ("none" without a candidate, "cell=empty" without a cell).
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

std::string TwoStoneBonus(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the two-stone point wants the point and one of the two stones");
    const int s = GobanLv[0]->GetIroPt(pts[1]);
    if (s != kKuro && s != kSiro)
        throw std::invalid_argument("no stone at " + GtpVertex(pts[1]));
    YoseCacheClear();
    LinkMarkClear();
    KohoKind = kkYose;
    YoseTwoStone(pts[0], s);
    std::string out;
    for (int i = 1; i <= KohoCount; ++i)
        out += (out.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + ":b=" + std::to_string(static_cast<int>(Koho.Bonus[i]));
    if (out.empty())
        out = "none";
    int v = 0, b = 0;
    out += YoseCacheGet(JibunIro, pts[0], v, b) ? " cell:b=" + std::to_string(b) : " cell=empty";
    YoseCacheClear();
    LinkMarkClear();
    return out;
}

const TProblemRoutineAdd twoStoneBonus("YoseTwoStone:bonus:pin3", TwoStoneBonus);

} // namespace
} // namespace vorn::test

// Entries of the problem table weak-pin6.tst: the best extension the link
// generators take from a weak group.  The answer format is written at the
// entry.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

// call GunHirogeruBest V   the best extension of the group at V: its point,
// "none" when there is none.
// call GunHirogeruBest V P...   the best extension of the group at V against
// its colour's evaluation after its play at each of P... (the row's points,
// in the order of the group's related points): "top10" when it is the first
// of P1..P10 whose reading is the largest among them, its point else
// ("none" without one); then "within" when no point after the tenth reads
// more than that largest, "beyond" else.
std::string HirogeruBest(const std::vector<Point>& pts)
{
    const TGun* g = pts.empty() ? nullptr : GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("the entry wants a stone of a group");
    if (pts.size() == 1) {
        Point out;
        GunHirogeruBest(*g, out);
        return out.x == 0 ? "none" : GtpVertex(out);
    }
    const int col = g->GetIsiIro();
    std::vector<int> reads;
    for (std::size_t i = 1; i < pts.size(); ++i)
        reads.push_back(ReadingValue(col, {pts[i]}));
    const std::size_t ten = std::min<std::size_t>(10, reads.size());
    std::size_t top = 0;
    for (std::size_t i = 1; i < ten; ++i)
        if (reads[i] > reads[top])
            top = i;
    bool beyond = false;
    for (std::size_t i = ten; i < reads.size(); ++i)
        beyond = beyond || reads[i] > reads[top];
    Point out;
    GunHirogeruBest(*g, out);
    const std::string w = out.x == 0 ? "none" : out == pts[top + 1] ? "top10" : GtpVertex(out);
    return w + (beyond ? " beyond" : " within");
}

const TProblemRoutineAdd hirogeruBest("GunHirogeruBest", HirogeruBest);

} // namespace
} // namespace vorn::test

// Entries of the problem table yose-pin6.tst: the endgame cache forgetting
// the cells that hold 0 on the liberties of a three-liberty chain beside
// the move.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// call YoseCacheInvalidate:zero M V...   every V holds value 0 with bonus 0
// in the cells of both colours, the cache has been read once, and the move
// at M (a stone of the diagram) makes it forget: each V as "V=BW", "V=B",
// "V=W" (the colours whose cell still holds its 0) or "V=-"; sorted.
std::string InvalidateZero(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the invalidation wants the move and the cells");
    YoseCacheClear();
    const int own = JibunIro;
    for (std::size_t i = 1; i < pts.size(); ++i)
        for (int c = kKuro; c <= kSiro; ++c) {
            JibunIro = c;
            YoseCacheStore(pts[i], 0, 0);
        }
    JibunIro = own;
    KohoClear();
    YoseCacheValid = 1;
    YoseCacheInvalidate(pts[0]);
    std::vector<std::string> all;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        std::string kept;
        for (int c = kKuro; c <= kSiro; ++c) {
            int v = -1, b = -1;
            if (YoseCacheGet(c, pts[i], v, b) && v == 0 && b == 0)
                kept += c == kKuro ? 'B' : 'W';
        }
        all.push_back(GtpVertex(pts[i]) + '=' + (kept.empty() ? "-" : kept));
    }
    YoseCacheClear();
    return SortedWords(all);
}

const TProblemRoutineAdd invalidateZero("YoseCacheInvalidate:zero", InvalidateZero);

} // namespace
} // namespace vorn::test

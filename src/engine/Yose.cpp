#include "engine/Yose.h"

#include "board/Goban.h"

namespace vorn {

Grid<std::uint8_t, 1, 19> LinkMark1{};
Grid<std::uint8_t, 1, 19> LinkMark2{};

namespace {

bool OnGame(Point p) { return p.x >= 1 && p.y >= 1 && p.x <= BoardSize && p.y <= BoardSize; }

} // namespace

void LinkMarkClear()
{
    const int n = BoardSize;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            LinkMark1[x][y] = 0;
            LinkMark2[x][y] = 0;
        }
}

void LinkMark1Set(Point p, int value)
{
    if (OnGame(p))
        LinkMark1[p.x][p.y] = static_cast<std::uint8_t>(value);
}

void LinkMark2Set(Point p, int value)
{
    if (OnGame(p))
        LinkMark2[p.x][p.y] = static_cast<std::uint8_t>(value);
}

void YoseReset()
{
    LinkMark1 = {};
    LinkMark2 = {};
}

} // namespace vorn

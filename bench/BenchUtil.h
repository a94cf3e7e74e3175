// Random positions for the benchmarks.
#pragma once

#include "board/Goban.h"
#include "board/Rand.h"

namespace vorn::bench {

// A legal random move for the side to move that does not fill an own eye.
inline Point BenchMove(TGoban& b)
{
    const int c = b.Tejun.NextColor();
    for (int tries = 0; tries < 2000; ++tries) {
        const int x = 1 + Random(BoardSize), y = 1 + Random(BoardSize);
        if (b.GetIro(x, y) != kAki)
            continue;
        int own = 0;
        for (Point d : {Point(0, -1), Point(1, 0), Point(0, 1), Point(-1, 0)}) {
            const int n = b.GetIro(x + d.x, y + d.y);
            own += (n == c || n == kHen);
        }
        if (own == 4)
            continue;
        if (b.CheckUtu(c, x, y) == kUtuOk)
            return Point(x, y);
    }
    return Point();
}

} // namespace vorn::bench

// The value of a cut and of a double atari on fixed 19x19 shapes: the time of
// one KiriHyoka or RyoAtariHyoka call, after the decision's prologue.
#include <benchmark/benchmark.h>

#include "VornCore.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn {
namespace {

// Rows of a local shape ('X' black, 'O' white) placed with its top-left
// corner at (x0, y0) of the 19x19 board.
void Place(const char* const* rows, int n, int x0, int y0)
{
    TGoban& b = *GobanLv[0];
    for (int r = 0; r < n; ++r)
        for (int c = 0; rows[r][c] != '\0'; ++c) {
            const char ch = rows[r][c];
            if (ch == 'X' || ch == 'O')
                b.SetIro(x0 + c, y0 + r, ch == 'X' ? kKuro : kSiro);
        }
}

// Three shapes on one board: two living White groups joined by a diagonal
// that Black cuts at (4,4) (the cutting stone has two liberties), a cut at
// (12,13) that leaves a White stone in atari, and Black's double atari from
// (15,6) at (16,6).
void SetUpCuts()
{
    ResetProgramState();
    BoardSize = 19;
    Handicap = 0;
    GobanLv[0]->NewGame();
    static const char* const kStrong[] = {
        ".O.OX....", "OOOOX....", "XXXOXXXXX", "....OOOOO", "....XO.O.", "....XOOOO", "....XXXXX",
    };
    static const char* const kAtari[] = {
        "..X.", "..OX", "XO..", ".X..",
    };
    static const char* const kDouble[] = {
        "XO.", ".XO", "..X",
    };
    Place(kStrong, 7, 1, 1);
    Place(kAtari, 4, 10, 11);
    Place(kDouble, 3, 14, 5);
    GobanLv[0]->RenMake();
    Point out;
    VornThink0(-1, out);
    KohoCount = 0;
}

// Times one reading on the shapes; its answer is reported as "value".
template <class F>
void TimeReading(benchmark::State& state, F&& reading)
{
    SetUpCuts();
    int v = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(v = reading());
    state.counters["value"] = v;
}

void BM_KiriHyokaTwoLibertyCutter(benchmark::State& state)
{
    TimeReading(state, [] { return KiriHyoka(kKuro, Point(4, 4), Point(4, 3), Point(5, 4)); });
}
BENCHMARK(BM_KiriHyokaTwoLibertyCutter)->Unit(benchmark::kMicrosecond);

void BM_KiriHyokaAtari(benchmark::State& state)
{
    TimeReading(state, [] { return KiriHyoka(kKuro, Point(12, 13), Point(12, 12), Point(11, 13)); });
}
BENCHMARK(BM_KiriHyokaAtari)->Unit(benchmark::kMicrosecond);

void BM_RyoAtariHyoka(benchmark::State& state)
{
    TimeReading(state, [] { return RyoAtariHyoka(Point(15, 6)); });
}
BENCHMARK(BM_RyoAtariHyoka)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

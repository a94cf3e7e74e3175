// Ladder reading: a ladder that runs across the whole 19x19 board, caught in
// the far corner or broken there, and the ladder status of every chain short
// of liberties in random middle-game positions.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "BenchUtil.h"
#include "VornCore.h"
#include "board/Goban.h"
#include "board/Rand.h"
#include "board/Sicho.h"

namespace vorn {
namespace {

// White's two stones (4,4)-(4,5) boxed in from the left and above, with
// liberties at (5,5) and (4,6): Black's atari at (4,6) drives them down the
// diagonal into the far corner.  With `breaker`, a white stone at (18,16)
// waits beside the ladder's path near its end.
Point LongLadder(bool breaker)
{
    ResetProgramState();
    TGoban& b = *GobanLv[0];
    b.SetIro(4, 4, kSiro);
    b.SetIro(4, 5, kSiro);
    for (Point p : {Point(4, 3), Point(5, 4), Point(3, 4), Point(3, 5)})
        b.SetIro(p.x, p.y, kKuro);
    if (breaker)
        b.SetIro(18, 16, kSiro);
    b.RenMake();
    return Point(4, 4);
}

void LadderAcrossTheBoard(benchmark::State& state, bool breaker)
{
    const Point p = LongLadder(breaker);
    if (SichoCheck(p) != (breaker ? 0 : 1) || SichoYomiCount < 50) {
        state.SkipWithError("the ladder does not run across the board");
        return;
    }
    const int line = SichoYomiCount;
    for (auto _ : state)
        benchmark::DoNotOptimize(SichoCheck(p));
    state.counters["line"] = line;
}

void BM_SichoCheckLongLadderCaught(benchmark::State& state) { LadderAcrossTheBoard(state, false); }
BENCHMARK(BM_SichoCheckLongLadderCaught);

void BM_SichoCheckLongLadderBroken(benchmark::State& state) { LadderAcrossTheBoard(state, true); }
BENCHMARK(BM_SichoCheckLongLadderBroken);

// SichoAll, as the move choice runs it at the start of every decision, on
// positions of 150 random moves.
void BM_SichoAllMidGame(benchmark::State& state)
{
    ResetProgramState();
    RandSeed(7);
    TGoban& b = *GobanLv[0];
    for (int i = 0; i < 150; ++i) {
        const Point p = bench::BenchMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
    b.RenMake();
    int chains = 0;
    for (int n = 1; n <= b.RenList.Count(); ++n)
        if (const TRen* r = b.RenList.Items(n); r != nullptr && r->Kuu() <= 2)
            ++chains;
    for (auto _ : state)
        SichoAll();
    state.counters["chains"] = chains;
}
BENCHMARK(BM_SichoAllMidGame);

} // namespace
} // namespace vorn

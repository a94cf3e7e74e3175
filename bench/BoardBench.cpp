// Play and take-back on the game board.
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchUtil.h"
#include "VornCore.h"
#include "board/Goban.h"
#include "board/Rand.h"

namespace vorn {
namespace {

using bench::BenchMove;

// A 19x19 position after `moves` random moves.
void MidGame(int moves, std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    TGoban& b = *GobanLv[0];
    for (int i = 0; i < moves; ++i) {
        const Point p = BenchMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
}

void BM_PlayAndTakeBack(benchmark::State& state)
{
    MidGame(150, 7);
    TGoban& b = *GobanLv[0];
    const int c = b.Tejun.NextColor();
    std::vector<Point> legal;
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            if (b.GetIro(x, y) == kAki && b.CheckUtu(c, x, y) == kUtuOk)
                legal.push_back(Point(x, y));
    std::size_t i = 0;
    for (auto _ : state) {
        const Point p = legal[i++ % legal.size()];
        benchmark::DoNotOptimize(b.Utu(p.x, p.y));
        b.Matta();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlayAndTakeBack);

void BM_PlayAndTakeBackIncremental(benchmark::State& state)
{
    MidGame(150, 7);
    TGoban& b = *GobanLv[0];
    b.RenMake();
    RenSabun = 1;
    const int c = b.Tejun.NextColor();
    std::vector<Point> legal;
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            if (b.GetIro(x, y) == kAki && b.CheckUtu(c, x, y) == kUtuOk)
                legal.push_back(Point(x, y));
    std::size_t i = 0;
    for (auto _ : state) {
        const Point p = legal[i++ % legal.size()];
        benchmark::DoNotOptimize(b.Utu(p.x, p.y));
        b.Matta();
    }
    RenSabun = 0;
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlayAndTakeBackIncremental);

// Utu over a whole random game (the move choice is outside the timing).
void BM_UtuRandomGame(benchmark::State& state)
{
    ResetProgramState();
    RandSeed(11);
    TGoban& b = *GobanLv[0];
    std::vector<Point> game;
    for (int i = 0; i < 300; ++i) {
        const Point p = BenchMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
        game.push_back(p);
    }
    for (auto _ : state) {
        b.NewGame();
        for (const Point& p : game)
            benchmark::DoNotOptimize(b.Utu(p.x, p.y));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(game.size()));
}
BENCHMARK(BM_UtuRandomGame);

void BM_RenMake(benchmark::State& state)
{
    MidGame(150, 7);
    TGoban& b = *GobanLv[0];
    for (auto _ : state)
        b.RenMake();
}
BENCHMARK(BM_RenMake);

} // namespace
} // namespace vorn

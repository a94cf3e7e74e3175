// Relations and the area map, as every analysis builds them, on 19x19
// positions of 50, 150 and 250 stones.
#include <benchmark/benchmark.h>

#include "VornCore.h"
#include "board/Goban.h"
#include "board/Kankei.h"
#include "board/KuuIsi.h"
#include "board/Rand.h"

namespace vorn {
namespace {

// Board 0 with `stones` stones placed at random, black and white in turn,
// each on a point where it is legal and captures nothing; chains built.
void RandomPosition(int stones, std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    TGoban& b = *GobanLv[0];
    int placed = 0;
    for (int tries = 0; placed < stones && tries < 100000; ++tries) {
        const int c = placed % 2 == 0 ? kKuro : kSiro;
        const int x = 1 + Random(BoardSize), y = 1 + Random(BoardSize);
        if (b.CheckUtu(c, x, y) != kUtuOk || ToruListSu != 0)
            continue;
        b.SetIro(x, y, c);
        ++placed;
    }
    b.RenMake();
}

// Record reset, stone relations, empty-point relations, area map, chain links.
void BM_Relations(benchmark::State& state)
{
    RandomPosition(static_cast<int>(state.range(0)), 3);
    TGoban& b = *GobanLv[0];
    for (auto _ : state) {
        b.SetLocateIro();
        KankeiMakeAll();
        KuuIsiMake();
        KuuIsiArea();
        b.GrenMake();
        benchmark::DoNotOptimize(AreaMap[10][10]);
    }
}
BENCHMARK(BM_Relations)->Arg(50)->Arg(150)->Arg(250);

void BM_KankeiMakeAll(benchmark::State& state)
{
    RandomPosition(static_cast<int>(state.range(0)), 3);
    TGoban& b = *GobanLv[0];
    for (auto _ : state) {
        b.SetLocateIro();
        KankeiMakeAll();
    }
}
BENCHMARK(BM_KankeiMakeAll)->Arg(50)->Arg(150)->Arg(250);

void BM_KuuIsiMakeAndArea(benchmark::State& state)
{
    RandomPosition(static_cast<int>(state.range(0)), 3);
    TGoban& b = *GobanLv[0];
    for (auto _ : state) {
        b.SetLocateIro();
        KuuIsiMake();
        KuuIsiArea();
    }
}
BENCHMARK(BM_KuuIsiMakeAndArea)->Arg(50)->Arg(150)->Arg(250);

} // namespace
} // namespace vorn

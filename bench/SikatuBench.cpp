// Life-and-death pondering: KorosuYomi and IkiruYomi on a fixed set of eye
// shapes, and the whole SikatuThink of a decision on the game positions of
// BenchPositions.h; each with the first-success stop inside the search
// (argument 1) and without it (0).  Median and worst time per call, and the
// median and worst number of full analyses per call.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <vector>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/Sikatu.h"
#include "engine/Think.h"

namespace vorn {
namespace {

// An eye shape, the side to move and the stone of the group it reads.
struct TShape {
    const char* diagram;
    int toMove;
    const char* stone;
};

// The attacker to move: KorosuYomi.  The defender to move: IkiruYomi.
const TShape kShapes[] = {
    {R"(
. . . X O . . . .
X X X X O . . . .
O O O O O . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)", kSiro, "A8"},
    {R"(
. . X O . . . . .
. X X O . . . . .
X X O O . . . . .
O O O . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)", kSiro, "C9"},
    {R"(
. . . X O . . . .
. . X X O . . . .
X X X O O . . . .
O O O O . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)", kSiro, "D9"},
    {R"(
. . . X O . . . .
. . . X O . . . .
X X X X O . . . .
O O O O O . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . O . .
. . . . . . . . .
. . . . . . . . .)", kSiro, "D9"},
    {R"(
. . . . . . . . .
. . . . . . . . .
. . O . . . O . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
O O O O O O O . .
X X X X X X O . .
. . . . . . . . .)", kSiro, "A2"},
    {R"(
. . X O . . . . . . . . .
. . . . . . . . . . . . .
. . . . . . . . . . . . .
. . . O . . . . . O . . .
. . . . . . . . . . . . .
. . . . . . . . . . . . .
. . . . . . . . . . . . .
. . . . . . . . . . . . .
. . . . . . . . . . . . .
O O O O O . . . . O . . .
X X X X O . . . . . . . .
. . X X O . . . . . . . .
. . . X O . . . . . . . .)", kSiro, "A3"},
};

struct TStats {
    std::vector<double> times;
    std::vector<double> analyses;
};

void Report(benchmark::State& state, TStats& s)
{
    std::sort(s.times.begin(), s.times.end());
    std::sort(s.analyses.begin(), s.analyses.end());
    if (!s.times.empty()) {
        state.counters["median_us"] = s.times[s.times.size() / 2];
        state.counters["worst_us"] = s.times.back();
        state.counters["analyses_median"] = s.analyses[s.analyses.size() / 2];
        state.counters["analyses_worst"] = s.analyses.back();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(s.times.size()));
}

// Times call() after setting up the diagram as a decision with pondering on.
template <class F>
void Measure(TStats& s, const char* diagram, int toMove, F call)
{
    SetupPosition(ReadDiagram(diagram), toMove);
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
    SikatuYomiOn = 1;
    YomiSikatuMode = 1;
    const std::uint64_t before = AnalyzeCount;
    const auto start = std::chrono::steady_clock::now();
    call();
    const auto end = std::chrono::steady_clock::now();
    s.analyses.push_back(static_cast<double>(AnalyzeCount - before));
    s.times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
}

void Ponder(benchmark::State& state, bool kill)
{
    ResetProgramState();
    const auto stop = static_cast<std::uint8_t>(state.range(0));
    TStats s;
    for (auto _ : state)
        for (const TShape& shape : kShapes) {
            // Both sides read each shape: the one to move, and the other with
            // the roles turned.
            const int toMove = kill ? shape.toMove : Aite(shape.toMove);
            ClearSikatuGun();
            SikatuFirstStop = stop;
            Measure(s, shape.diagram, toMove, [&] {
                Point p;
                ParseGtpVertex(shape.stone, p);
                const TGun* g = GobanLv[0]->GunList.GetGunAt(p);
                benchmark::DoNotOptimize(kill ? KorosuYomi(*g) : IkiruYomi(*g));
            });
        }
    Report(state, s);
    ResetProgramState();
}

void BM_KorosuYomi(benchmark::State& state) { Ponder(state, true); }
void BM_IkiruYomi(benchmark::State& state) { Ponder(state, false); }

void ThinkOn(benchmark::State& state, const std::vector<const char*>& positions)
{
    ResetProgramState();
    const auto stop = static_cast<std::uint8_t>(state.range(0));
    TStats s;
    for (auto _ : state)
        for (const char* diagram : positions)
            for (int toMove : {kKuro, kSiro}) {
                ClearSikatuGun();
                SikatuFirstStop = stop;
                Measure(s, diagram, toMove, [] { SikatuThink(); });
            }
    Report(state, s);
    ResetProgramState();
}

template <std::size_t N, std::size_t M>
std::vector<const char*> Both(const char* const (&a)[N], const char* const (&b)[M])
{
    std::vector<const char*> v(std::begin(a), std::end(a));
    v.insert(v.end(), std::begin(b), std::end(b));
    return v;
}

void BM_SikatuThink9(benchmark::State& state) { ThinkOn(state, Both(bench::kPositions9, bench::kMiddle9)); }
void BM_SikatuThink19(benchmark::State& state) { ThinkOn(state, Both(bench::kPositions19, bench::kMiddle19)); }

BENCHMARK(BM_KorosuYomi)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkiruYomi)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SikatuThink9)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SikatuThink19)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

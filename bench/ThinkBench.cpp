// The engine's move choice on fixed positions: median and worst time per move.
// The positions come from games of another program and are kept as diagrams
// (rows top to bottom, 'X' black, 'O' white), Black to move, so that other
// engines can be timed on the same ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Think.h"
#include "engine/Toru.h"

namespace vorn {
namespace {

const char* const kPositions9[] = {
    R"(
. . . . . . . . .
O . . . X . . . .
. O O O . X . . .
. O X X . X . . .
. X X . . . . . .
X O O . . . . . .
X . . O . X . . .
. O . . . O . . .
. . . . . . . . .)",
    R"(
. . . . . . . . .
. . . . . . . . .
. . . X X . X X X
X . X O . . X O X
O X X O X X O O O
O O O X X O O . .
. . O O O . . . .
. . . . . . . . .
. . . . . . . . .)",
    R"(
. . . . O O O X .
. . . O O O X X X
. . O O X O O O X
. . . O X X X X X
O O O X . . X . X
O X X . . O X X X
X . . . X X O O X
. X . . X O . O O
. . . . X O O . .)",
};

const char* const kPositions19[] = {
    R"(
. . . . . . . . . . . . . . . . . . .
. . . . X . . . . . . . . . O . . . .
. . . . . . X . . . O . O O X . O . .
. . O . O . . . . . . . . X . X . O .
. . . . . . X . . . . . . . . . . . .
. . . . . . . . . . . O . X . . O . .
. . . . . . . . . . . . . . . . . . .
. . O . . . . . . . . . . X . . . . .
. . . . . . . . . . . . . . . . . . .
. . . X . . . . . X . . . . . . X . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . O . . . . . . . . . . O . X . . .
. . . . . O . . . . O . . . . . . . .
. . . O . . . . . . . . . O . X . . .
. . O . . X . . X . . X . . O O X . .
. . X X . . . . . . . . . . . . X . .
. . . . . . . . . . . . . . . . . . .)",
    R"(
. . . . . . . X O . . O X X O X . . .
. . . . X X X O O . . . O . O X . . .
. . . X . O O X O . . O . . O X X . .
. . X . . O . . O . . . . . O O X . .
. X X O . . . . . . . O . . . O X . .
. O O O . . . . X . . . . O O X O . .
. . . . . . O O O . O . . . X X . . .
. . . . . . O X X O . . O . . X . . .
. . . . O . X . . X X . O O . . X . .
O O O . O X . X . . . X O X X . . . .
O X O O X . X . . X . . X . . . . X .
X X X X . . . . . . O X . X . X . . .
. . . . . . . . . . O O X X . . . . .
. . . . . . X . . O . . O O X X . . O
. . X . . . . . . . . . . . X . X . .
. . . . . X . . . . . . . O O O X X O
. . . X . X O . . O . . . . . . O O .
. . . . X O O . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .)",
    R"(
. . . X X O . . . . . . . O O O . . .
. . X X O . . . . O O O O X O X O . .
. . X O O X O . . O X O X . X X . . .
. . X O . O . O O O X O X X X . X X .
. . X O . O X O X O X X . . O X . . X
. . X O . O X X X X X . X X O X X X O
. X . . O . O X . X . . X O O O O O O
. . X X O . O . O X O O O . . . . . .
X O . X . O . O . O X O . O . O . O O
X . O O O . O . . . X . X . . . O O X
. X . . . X X X X X . X . X . . O X X
. . . O X . . . . O . O X . . . O . X
. . O O X . X X X O . O X . . X O O X
O . O X X . X O O O . X X X X . . . X
X O O X . X O . . . . . O O . X X X .
X X X X . X O . . O . O . . O . O O X
. . . . . X X O . . . . O . . O . O X
. . . X . X O O . . . . . . O O X O X
. . . . X O O . . . . . . . . . O . .)",
};

void SetDiagram(const char* diagram) { SetupPosition(ReadDiagram(diagram), kKuro); }

void Report(benchmark::State& state, std::vector<double>& times)
{
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        state.counters["median_us"] = times[times.size() / 2];
        state.counters["worst_us"] = times.back();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(times.size()));
}

// Times one ThinkMove per position per iteration and reports the median and
// the worst single move in microseconds.
template <std::size_t N>
void ThinkOn(benchmark::State& state, const char* const (&positions)[N])
{
    ResetProgramState();
    std::vector<double> times;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetDiagram(diagram);
            state.ResumeTiming();
            const auto start = std::chrono::steady_clock::now();
            Point out;
            ThinkMove(out);
            benchmark::DoNotOptimize(out);
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    Report(state, times);
    ResetProgramState();
}

// The chain tactics alone (stage 2's RenAnswer) on the same positions, after
// the decision's prologue.
template <std::size_t N>
void TacticsOn(benchmark::State& state, const char* const (&positions)[N])
{
    ResetProgramState();
    ThinkSources = TThinkSources{[](int, Point& out) { out = Point(); },
                                 [](int, Point& out, int& value) {
                                     out = Point();
                                     value = 0;
                                 }};
    std::vector<double> times;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetDiagram(diagram);
            Point out;
            VornThink0(0, out);
            state.ResumeTiming();
            const auto start = std::chrono::steady_clock::now();
            RenAnswer(out);
            benchmark::DoNotOptimize(out);
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    Report(state, times);
    ResetProgramState();
}

void BM_ThinkMove9(benchmark::State& state) { ThinkOn(state, kPositions9); }
void BM_ThinkMove19(benchmark::State& state) { ThinkOn(state, kPositions19); }

void BM_RenAnswer9(benchmark::State& state) { TacticsOn(state, kPositions9); }
void BM_RenAnswer19(benchmark::State& state) { TacticsOn(state, kPositions19); }

BENCHMARK(BM_ThinkMove9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenAnswer9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenAnswer19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

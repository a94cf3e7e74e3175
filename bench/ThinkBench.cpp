// The engine's move choice on fixed positions: median and worst time per move,
// and the full analyses it runs per move.
// The positions come from games of another program and are kept as diagrams
// (rows top to bottom, 'X' black, 'O' white), Black to move, so that other
// engines can be timed on the same ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "VornCore.h"
#include "board/Goban.h"
#include "engine/Nozoki.h"
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

void SetDiagram(const char* diagram)
{
    std::vector<std::string> rows;
    std::istringstream in(diagram);
    std::string line, row;
    while (std::getline(in, line)) {
        row.clear();
        for (char ch : line)
            if (ch == 'X' || ch == 'O' || ch == '.')
                row += ch;
        if (!row.empty())
            rows.push_back(row);
    }
    BoardSize = static_cast<int>(rows.size());
    Handicap = 0;
    Level = 0;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const char ch = rows[y - 1][x - 1];
            b.SetIro(x, y, ch == 'X' ? kKuro : ch == 'O' ? kSiro : kAki);
        }
    b.RenMake();
}

void Report(benchmark::State& state, std::vector<double>& times)
{
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        state.counters["median_us"] = times[times.size() / 2];
        state.counters["worst_us"] = times.back();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(times.size()));
}

// Full analyses per call, from the analyses counted over `calls` calls.
void ReportAnalyses(benchmark::State& state, std::uint64_t analyses, std::size_t calls)
{
    if (calls > 0)
        state.counters["analyses"] = static_cast<double>(analyses) / static_cast<double>(calls);
}

// Times one ThinkMove per position per iteration and reports the median and
// the worst single move in microseconds.
template <std::size_t N>
void ThinkOn(benchmark::State& state, const char* const (&positions)[N])
{
    ResetProgramState();
    std::vector<double> times;
    std::uint64_t analyses = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetDiagram(diagram);
            state.ResumeTiming();
            const std::uint64_t before = AnalyzeCount;
            const auto start = std::chrono::steady_clock::now();
            Point out;
            ThinkMove(out);
            benchmark::DoNotOptimize(out);
            const auto end = std::chrono::steady_clock::now();
            analyses += AnalyzeCount - before;
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    Report(state, times);
    ReportAnalyses(state, analyses, times.size());
    ResetProgramState();
}

// One stage-2 generator alone (the chain tactics, the peeps and urgent
// shapes) on the same positions, after the decision's prologue.
template <std::size_t N>
void GeneratorOn(benchmark::State& state, const char* const (&positions)[N], void (*generator)(Point&))
{
    ResetProgramState();
    ThinkSources = TThinkSources{[](int, Point& out) { out = Point(); },
                                 [](int, Point& out, int& value) {
                                     out = Point();
                                     value = 0;
                                 }};
    std::vector<double> times;
    std::uint64_t analyses = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetDiagram(diagram);
            Point out;
            VornThink0(0, out);
            state.ResumeTiming();
            const std::uint64_t before = AnalyzeCount;
            const auto start = std::chrono::steady_clock::now();
            generator(out);
            benchmark::DoNotOptimize(out);
            const auto end = std::chrono::steady_clock::now();
            analyses += AnalyzeCount - before;
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    Report(state, times);
    ReportAnalyses(state, analyses, times.size());
    ResetProgramState();
}

void BM_ThinkMove9(benchmark::State& state) { ThinkOn(state, kPositions9); }
void BM_ThinkMove19(benchmark::State& state) { ThinkOn(state, kPositions19); }

void BM_RenAnswer9(benchmark::State& state) { GeneratorOn(state, kPositions9, RenAnswer); }
void BM_RenAnswer19(benchmark::State& state) { GeneratorOn(state, kPositions19, RenAnswer); }
void BM_NozokiThink9(benchmark::State& state) { GeneratorOn(state, kPositions9, NozokiThink); }
void BM_NozokiThink19(benchmark::State& state) { GeneratorOn(state, kPositions19, NozokiThink); }

BENCHMARK(BM_ThinkMove9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenAnswer9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenAnswer19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NozokiThink9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NozokiThink19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

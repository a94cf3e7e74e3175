// The engine's move choice on fixed positions: median and worst time per move.
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
#include "board/Hooks.h"
#include "engine/Think.h"
#include "engine/Toru.h"
#include "engine/Yose.h"

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

// Later positions of the engine's own games, Black to move: the middle game
// and the endgame on both sizes.
const char* const kMiddle9[] = {
    R"(
. . . . . . . . .
. . O O X . . . .
. . X . X . O . .
. . X . . . . . .
. . . . X . X X O
. X . . . . . O .
. X O O . O O X .
. O . . . . . O .
. . . . X . . . .)",
};

const char* const kEndgame9[] = {
    R"(
. . . . . . . . .
. . . . . . X X O
. . . . X X O O O
. . X . . X O . .
. . . . X O O . .
. . X . X X . O .
. . . . X O O . .
O . . X O . . . .
. . . X . O . . .)",
    R"(
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .
. . . . O O . . .
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .)",
};

const char* const kMiddle19[] = {
    R"(
. O . X . X . O . O . X . . . . . . X
. . O O X . O . O . . . O . X . . X .
. . . X O . X X X O . . . . O X X . .
O O . . X . . . X X O . X . . O X . X
O O O X . X . . O O . O O . . O O X .
O . X . X O O O . O X O X . O . X . .
. . . O . X O . X X . X X X . . . O .
. . O X . . . . . . . . O X . . X . .
. X X X . O X X . X X O . . . . . . .
. X O O . . . . . . O O O X . . . . .
. O X X X . O . O . O X X . O O . X .
. O O . . . . . . . . . . O . O X . .
O X X O O X . . X . . O . . . . O O .
. O . X O X O . . . . . . . . . . . .
O . O . X X . . X . . X . . X . . O .
O O . O . . . . . . . . O . . . X O .
X . O . O . . . . . O . X X . . . . O
. X . O O X . X . . . X X O . X . O O
. X . X X . . . . O . . . . . . . . X)",
};

const char* const kEndgame19[] = {
    R"(
. O . X . X . O . O . X . O O X . . X
. . O O X O O O O . . . O O X X . X .
. . . X X X X X X O . . O O O X X . .
O O . . X . . X X X O . X X O O X . X
O O O X . X X O O O . O O X X O O X X
O . X X X O O O . O X O X X . X X O X
. . O O . X O O X X . X X X X . X O O
. X O X . . . . . . . . O X . . X X O
X X X X . O X X . X X O . X . X O X O
O X . . X . . X X O O O O X X . O O O
O O X X X X O O O O O X X X O O O X O
O O O O X O O . X X O O O O . O X X .
O X X O O X O O X . . O X O . . O O .
O O X X O X O X . . X O X X O O O . .
O . O X X X X X X X . X X . X X X O .
O O . O . O O O O . . . O . . . X O .
X O O . O . O O X . O . X X . . . . O
X X X O O X X X X . . X X . X X O O O
. X . X X . . . . O . . . X O O O . X)",
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
    // A new game: no endgame values yet.
    YoseCacheClear();
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

// Times one ThinkMove per position per iteration and reports the median and
// the worst single move in microseconds, and the full analyses per decision.
// Warm: the same decision is made once untimed first, so that the endgame
// cache holds the values of the position.
template <std::size_t N>
void ThinkOn(benchmark::State& state, const char* const (&positions)[N], bool warm = false)
{
    ResetProgramState();
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    std::vector<double> times;
    std::uint64_t analyses = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetDiagram(diagram);
            if (warm) {
                Point first;
                ThinkMove(first);
            }
            const std::uint64_t before = AnalyzeCount;
            state.ResumeTiming();
            const auto start = std::chrono::steady_clock::now();
            Point out;
            ThinkMove(out);
            benchmark::DoNotOptimize(out);
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
            analyses += AnalyzeCount - before;
        }
    }
    Report(state, times);
    if (!times.empty())
        state.counters["analyses"] = static_cast<double>(analyses) / static_cast<double>(times.size());
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
void BM_ThinkMove9Middle(benchmark::State& state) { ThinkOn(state, kMiddle9); }
void BM_ThinkMove9Endgame(benchmark::State& state) { ThinkOn(state, kEndgame9); }
void BM_ThinkMove9EndgameWarm(benchmark::State& state) { ThinkOn(state, kEndgame9, true); }
void BM_ThinkMove19Middle(benchmark::State& state) { ThinkOn(state, kMiddle19); }
void BM_ThinkMove19Endgame(benchmark::State& state) { ThinkOn(state, kEndgame19); }
void BM_ThinkMove19EndgameWarm(benchmark::State& state) { ThinkOn(state, kEndgame19, true); }

void BM_RenAnswer9(benchmark::State& state) { TacticsOn(state, kPositions9); }
void BM_RenAnswer19(benchmark::State& state) { TacticsOn(state, kPositions19); }

BENCHMARK(BM_ThinkMove9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove9Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove9Endgame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove9EndgameWarm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove19Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove19Endgame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMove19EndgameWarm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenAnswer9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenAnswer19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

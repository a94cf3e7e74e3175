// The engine's move choice on the fixed positions of BenchPositions.h:
// median and worst time per move, and the full analyses it runs per move.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Array.h"
#include "board/Kiri.h"
#include "engine/Hyoka.h"
#include "engine/PairAnswer.h"
#include "engine/Nozoki.h"
#include "engine/Think.h"
#include "engine/Toru.h"
#include "engine/Yose.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/KankeiBox.h"

namespace vorn {
namespace {

using bench::kPositions19;
using bench::kPositions9;
using bench::kMiddle9;
using bench::kEndgame9;
using bench::kMiddle19;
using bench::kEndgame19;

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

// Full analyses per call, from the analyses counted over `calls` calls.
void ReportAnalyses(benchmark::State& state, std::uint64_t analyses, std::size_t calls)
{
    if (calls > 0)
        state.counters["analyses"] = static_cast<double>(analyses) / static_cast<double>(calls);
}

// Times one ThinkMove per position per iteration and reports the median and
// the worst single move in microseconds.
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
            // A new game: no endgame values yet.
            YoseCacheClear();
            if (warm) {
                // The same decision once untimed, so that the endgame cache
                // holds the values of the position.
                Point first;
                ThinkMove(first);
            }
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

// One stage-2 generator alone on the same positions, after the decision's
// prologue: gen(out) is timed once per position per iteration.
template <std::size_t N, class Gen>
void StageOn(benchmark::State& state, const char* const (&positions)[N], Gen gen)
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
            gen(out);
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

// Evaluations made by the link handlers, by the relation kind of the pair.
Arr<long long, 0, kPairJi - 1> g_hyokaByKind{};

// The one-space jumps by the family their shape goes to (the last entry for
// a jump to the edge): calls and the evaluations they made.
constexpr int kFamilies = kIkkenFree + 2;
const char* const kFamilyNames[kFamilies] = {"wedge", "peep", "kata", "taikaku", "kado1", "free", "edge"};
Arr<long long, 0, kFamilies - 1> g_ikkenCalls{};
Arr<long long, 0, kFamilies - 1> g_ikkenHyoka{};

int IkkenFamily(Point a, Point b)
{
    const TGoban& g = CurGoban();
    TKankeiBox box;
    if (g.GetIroPt(a) == kHen || g.GetIroPt(b) == kHen || !KankeiBoxMake(a, b, box))
        return kFamilies - 1;
    return IkkenShape(box);
}

void CountingRelation(int kind, Point a, Point b)
{
    const int family = kind == 3 ? IkkenFamily(a, b) : -1;
    const long long before = HyokaCallCount;
    PairRelationHandler(kind, a, b);
    if (kind >= 0 && kind < kPairJi)
        g_hyokaByKind[kind] += HyokaCallCount - before;
    if (family >= 0) {
        ++g_ikkenCalls[family];
        g_ikkenHyoka[family] += HyokaCallCount - before;
    }
}

// The pair answers (stage 2's PairAnswer) with the evaluations they make per
// decision: in all, and in the handlers of the jump links (kinds 3, 6, 10).
template <std::size_t N>
void PairsOn(benchmark::State& state, const char* const (&positions)[N])
{
    g_hyokaByKind.Fill(0);
    g_ikkenCalls.Fill(0);
    g_ikkenHyoka.Fill(0);
    long long total = 0, decisions = 0;
    StageOn(state, positions, [&](Point& out) {
        PairSources.Relation = CountingRelation;
        const long long before = HyokaCallCount;
        PairAnswer(out);
        total += HyokaCallCount - before;
        ++decisions;
    });
    const double n = decisions > 0 ? static_cast<double>(decisions) : 1.0;
    state.counters["hyoka"] = static_cast<double>(total) / n;
    for (int kind : {3, 6, 10})
        state.counters["hyoka_kind" + std::to_string(kind)] = static_cast<double>(g_hyokaByKind[kind]) / n;
    // Per one-space jump of each family: calls per decision and evaluations
    // per call.
    for (int f = 0; f < kFamilies; ++f) {
        if (g_ikkenCalls[f] == 0)
            continue;
        const std::string name = kFamilyNames[f];
        state.counters["ikken_" + name + "_calls"] = static_cast<double>(g_ikkenCalls[f]) / n;
        state.counters["ikken_" + name + "_hyoka_per_call"] =
            static_cast<double>(g_ikkenHyoka[f]) / static_cast<double>(g_ikkenCalls[f]);
    }
}

void BM_ThinkMove9(benchmark::State& state) { ThinkOn(state, kPositions9); }
void BM_ThinkMove19(benchmark::State& state) { ThinkOn(state, kPositions19); }
void BM_ThinkMove9Middle(benchmark::State& state) { ThinkOn(state, kMiddle9); }
void BM_ThinkMove9Endgame(benchmark::State& state) { ThinkOn(state, kEndgame9); }
void BM_ThinkMove9EndgameWarm(benchmark::State& state) { ThinkOn(state, kEndgame9, true); }
void BM_ThinkMove19Middle(benchmark::State& state) { ThinkOn(state, kMiddle19); }
void BM_ThinkMove19Endgame(benchmark::State& state) { ThinkOn(state, kEndgame19); }
void BM_ThinkMove19EndgameWarm(benchmark::State& state) { ThinkOn(state, kEndgame19, true); }

void BM_RenAnswer9(benchmark::State& state) { StageOn(state, kPositions9, RenAnswer); }
void BM_RenAnswer19(benchmark::State& state) { StageOn(state, kPositions19, RenAnswer); }

void BM_PairAnswer9(benchmark::State& state) { PairsOn(state, kPositions9); }
void BM_PairAnswer19(benchmark::State& state) { PairsOn(state, kPositions19); }
void BM_NozokiThink9(benchmark::State& state) { StageOn(state, kPositions9, NozokiThink); }
void BM_NozokiThink19(benchmark::State& state) { StageOn(state, kPositions19, NozokiThink); }

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
BENCHMARK(BM_PairAnswer9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairAnswer19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NozokiThink9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NozokiThink19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

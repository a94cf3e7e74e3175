// The pair answers with the (2,2), (2,3) and (3,3) links live: on the fixed
// 19x19 positions, the time of the whole pair list per decision beside the
// pairs of those three kinds it meets, the time they take and the
// evaluations each pair makes; and the engine's move on the same positions
// with those three kinds answered and left out, median and worst.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Array.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn {
namespace {

constexpr int kWideKinds[] = {5, 8, 13};

Arr<long long, 0, kPairJi - 1> g_pairs{};
Arr<long long, 0, kPairJi - 1> g_hyoka{};
Arr<double, 0, kPairJi - 1> g_us{};

void TimedRelation(int kind, Point a, Point b)
{
    const long long before = HyokaCallCount;
    const auto start = std::chrono::steady_clock::now();
    PairRelationHandler(kind, a, b);
    if (kind < 0 || kind >= kPairJi)
        return;
    g_us[kind] += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    g_hyoka[kind] += HyokaCallCount - before;
    ++g_pairs[kind];
}

template <std::size_t N>
void WidePairsOn(benchmark::State& state, const char* const (&positions)[N])
{
    g_pairs.Fill(0);
    g_hyoka.Fill(0);
    g_us.Fill(0);
    double pairUs = 0;
    long long decisions = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            ResetProgramState();
            SetupPosition(ReadDiagram(diagram), kKuro);
            Point out;
            VornThink0(-1, out);
            PairSources.Relation = TimedRelation;
            state.ResumeTiming();
            const auto start = std::chrono::steady_clock::now();
            PairAnswer(out);
            benchmark::DoNotOptimize(out);
            pairUs += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            ++decisions;
        }
    }
    const double n = decisions > 0 ? static_cast<double>(decisions) : 1.0;
    state.counters["pair_us"] = pairUs / n;
    for (const int kind : kWideKinds) {
        const std::string k = std::to_string(kind);
        const double pairs = static_cast<double>(g_pairs[kind]);
        state.counters["pairs_kind" + k] = pairs / n;
        state.counters["us_kind" + k] = g_us[kind] / n;
        state.counters["hyoka_per_pair_kind" + k] = pairs > 0 ? static_cast<double>(g_hyoka[kind]) / pairs : 0.0;
    }
    ResetProgramState();
}

// The pair answers with the three kinds left unanswered, as before they
// were built.
void WithoutWide(int kind, Point a, Point b)
{
    if (kind != 5 && kind != 8 && kind != 13)
        PairRelationHandler(kind, a, b);
}

template <std::size_t N>
void ThinkWideOn(benchmark::State& state, const char* const (&positions)[N], bool live)
{
    std::vector<double> times;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            ResetProgramState();
            PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
            SetupPosition(ReadDiagram(diagram), kKuro);
            YoseCacheClear();
            if (!live)
                PairSources.Relation = WithoutWide;
            state.ResumeTiming();
            const auto start = std::chrono::steady_clock::now();
            Point out;
            ThinkMove(out);
            benchmark::DoNotOptimize(out);
            times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        state.counters["median_us"] = times[times.size() / 2];
        state.counters["worst_us"] = times.back();
    }
    ResetProgramState();
}

void BM_ThinkMoveWide19(benchmark::State& state) { ThinkWideOn(state, bench::kPositions19, state.range(0) != 0); }
void BM_ThinkMoveWide19Middle(benchmark::State& state) { ThinkWideOn(state, bench::kMiddle19, state.range(0) != 0); }

void BM_PairAnswerWide19(benchmark::State& state) { WidePairsOn(state, bench::kPositions19); }
void BM_PairAnswerWide19Middle(benchmark::State& state) { WidePairsOn(state, bench::kMiddle19); }
void BM_PairAnswerWide19Endgame(benchmark::State& state) { WidePairsOn(state, bench::kEndgame19); }

BENCHMARK(BM_PairAnswerWide19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairAnswerWide19Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairAnswerWide19Endgame)->Unit(benchmark::kMicrosecond);
// Argument 1: the three kinds answered; 0: left out.
BENCHMARK(BM_ThinkMoveWide19)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThinkMoveWide19Middle)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

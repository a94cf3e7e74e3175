// The relation moves of stages 3, 4 and 6 on the fixed 19x19 positions: for
// each routine alone (after the decision's prologue) the median and worst
// time of a call, and the full analyses (TGoban::Analyze) and evaluations it
// runs per call; and for whole decisions the analyses that stages 3, 4 and 6
// run beside the decision's total.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/Hiraki.h"
#include "engine/shapes/Utikomi.h"
#include "engine/shapes/WeakGunKankei.h"

namespace vorn {
namespace {

// The 19x19 positions of the middle game.
std::vector<const char*> Positions19()
{
    std::vector<const char*> all(std::begin(bench::kPositions19), std::end(bench::kPositions19));
    all.insert(all.end(), std::begin(bench::kMiddle19), std::end(bench::kMiddle19));
    return all;
}

void NoStages(int, Point& out) { out = Point(); }
void NoKoThreat(int, Point& out, int& value)
{
    out = Point();
    value = 0;
}

// Times routine(out) once per position per iteration, each after the
// decision's prologue with an empty candidate table.
template <class Routine>
void RoutineOn(benchmark::State& state, Routine routine)
{
    ResetProgramState();
    ThinkSources = TThinkSources{NoStages, NoKoThreat};
    const std::vector<const char*> positions = Positions19();
    std::vector<double> times;
    std::uint64_t analyses = 0;
    long long hyoka = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetupPosition(ReadDiagram(diagram), kKuro);
            Point out;
            VornThink0(-1, out);
            KohoCount = 0;
            state.ResumeTiming();
            const std::uint64_t a0 = AnalyzeCount;
            const long long h0 = HyokaCallCount;
            const auto start = std::chrono::steady_clock::now();
            routine(out);
            benchmark::DoNotOptimize(out);
            const auto end = std::chrono::steady_clock::now();
            analyses += AnalyzeCount - a0;
            hyoka += HyokaCallCount - h0;
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        const auto n = static_cast<double>(times.size());
        state.counters["median_us"] = times[times.size() / 2];
        state.counters["worst_us"] = times.back();
        state.counters["analyses"] = static_cast<double>(analyses) / n;
        state.counters["hyoka"] = static_cast<double>(hyoka) / n;
    }
    ResetProgramState();
}

void BM_WeakGunKankeiThink19(benchmark::State& state) { RoutineOn(state, WeakGunKankeiThink); }
void BM_Kankei34Think19(benchmark::State& state) { RoutineOn(state, Kankei34Think); }
void BM_JiUtikomiThink19(benchmark::State& state)
{
    RoutineOn(state, [](Point&) { JiUtikomiThink(); });
}
void BM_AiteKankeiThink19(benchmark::State& state)
{
    RoutineOn(state, [](Point&) { AiteKankeiThink(); });
}
void BM_GunKankeiThink19(benchmark::State& state)
{
    RoutineOn(state, [](Point& out) { GunKankeiThink(0, out); });
}
void BM_IkiGunKankeiThink19(benchmark::State& state) { RoutineOn(state, IkiGunKankeiThink); }
void BM_Kankei6Think19(benchmark::State& state) { RoutineOn(state, Kankei6Think); }

// The analyses of each stage during whole decisions.
std::uint64_t g_stageAnalyses[9] = {};
void CountingStages(int stage, Point& out)
{
    const std::uint64_t before = AnalyzeCount;
    RunStageCalls(stage, out);
    if (stage >= 0 && stage < 9)
        g_stageAnalyses[stage] += AnalyzeCount - before;
}

template <std::size_t N>
void DecisionsOn(benchmark::State& state, const char* const (&positions)[N])
{
    ResetProgramState();
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    ThinkSources = TThinkSources{CountingStages, DefaultThinkSources().KoThreat};
    std::fill(std::begin(g_stageAnalyses), std::end(g_stageAnalyses), 0);
    std::uint64_t total = 0;
    std::size_t decisions = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetupPosition(ReadDiagram(diagram), kKuro);
            YoseCacheClear();
            state.ResumeTiming();
            const std::uint64_t before = AnalyzeCount;
            Point out;
            ThinkMove(out);
            benchmark::DoNotOptimize(out);
            total += AnalyzeCount - before;
            ++decisions;
        }
    }
    const auto n = static_cast<double>(std::max<std::size_t>(decisions, 1));
    state.counters["analyses"] = static_cast<double>(total) / n;
    state.counters["stage3"] = static_cast<double>(g_stageAnalyses[3]) / n;
    state.counters["stage4"] = static_cast<double>(g_stageAnalyses[4]) / n;
    state.counters["stage6"] = static_cast<double>(g_stageAnalyses[6]) / n;
    ResetProgramState();
}

void BM_RelationStages9(benchmark::State& state) { DecisionsOn(state, bench::kPositions9); }
void BM_RelationStages19(benchmark::State& state) { DecisionsOn(state, bench::kPositions19); }
void BM_RelationStages19Middle(benchmark::State& state) { DecisionsOn(state, bench::kMiddle19); }

} // namespace
} // namespace vorn

BENCHMARK(vorn::BM_WeakGunKankeiThink19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_Kankei34Think19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_JiUtikomiThink19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_AiteKankeiThink19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_GunKankeiThink19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_IkiGunKankeiThink19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_Kankei6Think19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_RelationStages9)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_RelationStages19)->Unit(benchmark::kMicrosecond);
BENCHMARK(vorn::BM_RelationStages19Middle)->Unit(benchmark::kMicrosecond);

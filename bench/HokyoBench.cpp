// The second passes over the relations and the (1,3) and (1,4) pair answers
// on the fixed 19x19 positions of BenchPositions.h: time per decision of
// each stage routine of stages 6 and 7, and the evaluations they make; the
// pair answers with the evaluations their (1,3) and (1,4) handlers make per
// pair.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"
#include "engine/shapes/KankeiHokyo.h"

namespace vorn {
namespace {

// The decision's prologue on a fixed position, for Black.
void Prepare(const char* diagram)
{
    ResetProgramState();
    SetupPosition(ReadDiagram(diagram), kKuro);
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

// Times gen(out) once per position per iteration, on a fresh candidate
// table; reports microseconds and evaluations per call.
template <std::size_t N, class Gen>
void TimeStage(benchmark::State& state, const char* const (&positions)[N], Gen gen)
{
    double us = 0;
    long long hyoka = 0, calls = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            Prepare(diagram);
            state.ResumeTiming();
            const long long before = HyokaCallCount;
            const auto start = std::chrono::steady_clock::now();
            Point out;
            gen(out);
            benchmark::DoNotOptimize(out);
            us += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            hyoka += HyokaCallCount - before;
            ++calls;
        }
    }
    const double n = calls > 0 ? static_cast<double>(calls) : 1.0;
    state.counters["us_per_call"] = us / n;
    state.counters["hyoka"] = static_cast<double>(hyoka) / n;
    ResetProgramState();
}

void BM_Stage6KankeiHokyo19(benchmark::State& state)
{
    TimeStage(state, bench::kPositions19, [](Point& out) { KankeiHokyo(2, out); });
}
void BM_Stage6KeimaOgeimaHokyo19(benchmark::State& state)
{
    TimeStage(state, bench::kPositions19, KeimaOgeimaHokyo);
}
void BM_Stage6KeimaHokyo19(benchmark::State& state) { TimeStage(state, bench::kPositions19, KeimaHokyo); }
void BM_Stage7KankeiHokyo19(benchmark::State& state)
{
    TimeStage(state, bench::kPositions19, [](Point& out) { KankeiHokyo(1, out); });
}
void BM_Stage6KankeiHokyo19Middle(benchmark::State& state)
{
    TimeStage(state, bench::kMiddle19, [](Point& out) { KankeiHokyo(2, out); });
}
void BM_Stage7KankeiHokyo19Middle(benchmark::State& state)
{
    TimeStage(state, bench::kMiddle19, [](Point& out) { KankeiHokyo(1, out); });
}

// The second pass of stage 7 split by the kind of the pair: evaluations and
// microseconds per decision of the diagonal, one-space jump and knight's-move
// handlers.
void BM_Stage7ByKind19Middle(benchmark::State& state)
{
    double us[5] = {};
    long long hyoka[5] = {}, decisions = 0;
    for (auto _ : state) {
        for (const char* diagram : bench::kMiddle19) {
            state.PauseTiming();
            Prepare(diagram);
            state.ResumeTiming();
            const TGoban& g = *GobanLv[0];
            KohoKind = kkHokyo;
            for (int i = 1; i <= g.PairCount(); ++i) {
                const int kind = g.PairKind(i);
                if (kind < 2 || kind > 4)
                    continue;
                const long long before = HyokaCallCount;
                const auto start = std::chrono::steady_clock::now();
                KankeiHokyoSmall(kind, g.PairPointB(i), g.PairPointA(i));
                us[kind] += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
                hyoka[kind] += HyokaCallCount - before;
            }
            ++decisions;
        }
    }
    const double n = decisions > 0 ? static_cast<double>(decisions) : 1.0;
    for (int kind = 2; kind <= 4; ++kind) {
        state.counters["us_kind" + std::to_string(kind)] = us[kind] / n;
        state.counters["hyoka_kind" + std::to_string(kind)] = static_cast<double>(hyoka[kind]) / n;
    }
    ResetProgramState();
}

// Pairs and evaluations of the (1,3) and (1,4) handlers in the pair answers.
long long g_pairs7 = 0, g_pairs11 = 0, g_hyoka7 = 0, g_hyoka11 = 0;

void CountingRelation(int kind, Point a, Point b)
{
    const long long before = HyokaCallCount;
    PairRelationHandler(kind, a, b);
    if (kind == 7)
        ++g_pairs7, g_hyoka7 += HyokaCallCount - before;
    else if (kind == 11)
        ++g_pairs11, g_hyoka11 += HyokaCallCount - before;
}

void BM_PairAnswerLargeKnights19(benchmark::State& state)
{
    g_pairs7 = g_pairs11 = g_hyoka7 = g_hyoka11 = 0;
    long long decisions = 0;
    TimeStage(state, bench::kPositions19, [&decisions](Point& out) {
        PairSources.Relation = CountingRelation;
        PairAnswer(out);
        ++decisions;
    });
    const double n = decisions > 0 ? static_cast<double>(decisions) : 1.0;
    state.counters["pairs_kind7"] = static_cast<double>(g_pairs7) / n;
    state.counters["pairs_kind11"] = static_cast<double>(g_pairs11) / n;
    state.counters["hyoka_per_pair_kind7"] = g_pairs7 > 0 ? static_cast<double>(g_hyoka7) / g_pairs7 : 0.0;
    state.counters["hyoka_per_pair_kind11"] = g_pairs11 > 0 ? static_cast<double>(g_hyoka11) / g_pairs11 : 0.0;
}

BENCHMARK(BM_Stage6KankeiHokyo19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage6KeimaOgeimaHokyo19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage6KeimaHokyo19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage7KankeiHokyo19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage6KankeiHokyo19Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage7KankeiHokyo19Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage7ByKind19Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairAnswerLargeKnights19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

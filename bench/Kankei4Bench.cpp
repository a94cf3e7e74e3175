// The knight's-move pass at the end of the pair answers on the fixed
// positions of BenchPositions.h: the time of one Kankei4Think per decision
// (median and worst), the evaluations it makes and the candidates it leaves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/Kankei4.h"

namespace vorn {
namespace {

// Firm knight's moves of both colours, each with the opponent's stones a
// jump away from both middle points.
const char* const kThreats19[] = {R"(
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . X . . . . . . . . X . . . . .
. . O . . . . O . . O . . . . O . . .
. . . . . X . . . . . . X . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . O . . . . . . . . . .
. . . . . X . . . . X . . . . . . . .
. . . . X . . O . . . . . . . . . . .
. . . . . . . . . . . . X . . . . . .
. . . O . . . . . . O . . . . O . . .
. . . . . O . . . . . . . X . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . X . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .)"};

template <std::size_t N>
void ThreatPassOn(benchmark::State& state, const char* const (&positions)[N])
{
    ResetProgramState();
    std::vector<double> times;
    long long hyoka = 0, candidates = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            SetupPosition(ReadDiagram(diagram), kKuro);
            Point none;
            VornThink0(-1, none);
            KohoCount = 0;
            state.ResumeTiming();
            const long long before = HyokaCallCount;
            const auto start = std::chrono::steady_clock::now();
            Point out;
            Kankei4Think(out);
            benchmark::DoNotOptimize(out);
            times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            hyoka += HyokaCallCount - before;
            candidates += KohoCount;
        }
    }
    std::sort(times.begin(), times.end());
    const double n = times.empty() ? 1.0 : static_cast<double>(times.size());
    if (!times.empty()) {
        state.counters["median_us"] = times[times.size() / 2];
        state.counters["worst_us"] = times.back();
    }
    state.counters["hyoka"] = static_cast<double>(hyoka) / n;
    state.counters["candidates"] = static_cast<double>(candidates) / n;
    state.SetItemsProcessed(static_cast<std::int64_t>(times.size()));
    ResetProgramState();
}

void BM_Kankei4Think9(benchmark::State& state) { ThreatPassOn(state, bench::kPositions9); }
void BM_Kankei4Think19(benchmark::State& state) { ThreatPassOn(state, bench::kPositions19); }
void BM_Kankei4Think19Middle(benchmark::State& state) { ThreatPassOn(state, bench::kMiddle19); }
void BM_Kankei4Think19Threats(benchmark::State& state) { ThreatPassOn(state, kThreats19); }

BENCHMARK(BM_Kankei4Think9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kankei4Think19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kankei4Think19Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kankei4Think19Threats)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

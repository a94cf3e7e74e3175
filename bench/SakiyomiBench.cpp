// The look-ahead on the fixed positions of BenchPositions.h (openings,
// middle games and endgames), each with either side to move: per search the tree nodes (ThinkYomi calls), the full
// analyses and the time, median and worst; and the whole move choice with
// the search on and off (off: the clock gate, a budget of no minutes).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn {
namespace {

struct TSamples {
    std::vector<double> times;
    std::vector<double> nodes;
    std::vector<double> analyses;
};

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Worst(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end()); }

void Report(benchmark::State& state, const TSamples& s, int tried)
{
    state.counters["median_us"] = Median(s.times);
    state.counters["worst_us"] = Worst(s.times);
    if (!s.nodes.empty()) {
        state.counters["nodes_median"] = Median(s.nodes);
        state.counters["nodes_worst"] = Worst(s.nodes);
    }
    state.counters["analyses_median"] = Median(s.analyses);
    state.counters["analyses_worst"] = Worst(s.analyses);
    state.counters["samples"] = static_cast<double>(s.times.size());
    state.counters["tried"] = static_cast<double>(tried);
}

void SetUp(const char* diagram, int toMove)
{
    SetupPosition(ReadDiagram(diagram), toMove);
    YoseCacheClear();
}

// The staged search untimed, then the look-ahead on its choice, timed; only
// the searches that read a tree are samples.
void SearchOn(benchmark::State& state, const std::vector<const char*>& positions)
{
    ResetProgramState();
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    TSamples s;
    int tried = 0;
    for (auto _ : state) {
        for (const char* diagram : positions)
            for (int colour : {kKuro, kSiro}) {
                state.PauseTiming();
                SetUp(diagram, colour);
                Point top;
                VornThink0(8, top);
                SortKoho();
                state.ResumeTiming();
                if (KohoCount < 2 || top.x <= 0)
                    continue;
                ++tried;
                const long long nodes = ThinkYomiCount;
                const std::uint64_t analyses = AnalyzeCount;
                const auto start = std::chrono::steady_clock::now();
                InSakiyomi = 1;
                Point out;
                Sakiyomi(top, out);
                InSakiyomi = 0;
                benchmark::DoNotOptimize(out);
                const auto end = std::chrono::steady_clock::now();
                if (ThinkYomiCount == nodes)
                    continue;
                s.times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
                s.nodes.push_back(static_cast<double>(ThinkYomiCount - nodes));
                s.analyses.push_back(static_cast<double>(AnalyzeCount - analyses));
            }
    }
    Report(state, s, tried);
    ResetProgramState();
}

// ThinkMove for either side to move, with the default settings (search on)
// or with no thinking budget (search off).
void DecideOn(benchmark::State& state, const std::vector<const char*>& positions, bool search)
{
    ResetProgramState();
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    TSamples s;
    int searched = 0;
    for (auto _ : state) {
        for (const char* diagram : positions)
            for (int colour : {kKuro, kSiro}) {
                state.PauseTiming();
                SetUp(diagram, colour);
                YomiTime = search ? 40 : 0;
                state.ResumeTiming();
                const long long nodes = ThinkYomiCount;
                const std::uint64_t analyses = AnalyzeCount;
                const auto start = std::chrono::steady_clock::now();
                Point out;
                ThinkMove(out);
                benchmark::DoNotOptimize(out);
                const auto end = std::chrono::steady_clock::now();
                searched += ThinkYomiCount > nodes ? 1 : 0;
                s.times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
                s.analyses.push_back(static_cast<double>(AnalyzeCount - analyses));
            }
    }
    Report(state, s, searched);
    ResetProgramState();
}

// Every benchmark position of one size.
template <std::size_t A, std::size_t B, std::size_t C>
std::vector<const char*> All(const char* const (&a)[A], const char* const (&b)[B], const char* const (&c)[C])
{
    std::vector<const char*> v(std::begin(a), std::end(a));
    v.insert(v.end(), std::begin(b), std::end(b));
    v.insert(v.end(), std::begin(c), std::end(c));
    return v;
}
const std::vector<const char*> kAll9 = All(bench::kPositions9, bench::kMiddle9, bench::kEndgame9);
const std::vector<const char*> kAll19 = All(bench::kPositions19, bench::kMiddle19, bench::kEndgame19);

void BM_Sakiyomi9(benchmark::State& state) { SearchOn(state, kAll9); }
void BM_Sakiyomi19(benchmark::State& state) { SearchOn(state, kAll19); }
void BM_ThinkMoveSearch9(benchmark::State& state) { DecideOn(state, kAll9, true); }
void BM_ThinkMoveNoSearch9(benchmark::State& state) { DecideOn(state, kAll9, false); }
void BM_ThinkMoveSearch19(benchmark::State& state) { DecideOn(state, kAll19, true); }
void BM_ThinkMoveNoSearch19(benchmark::State& state) { DecideOn(state, kAll19, false); }

} // namespace

BENCHMARK(BM_Sakiyomi9)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Sakiyomi19)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ThinkMoveSearch9)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ThinkMoveNoSearch9)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ThinkMoveSearch19)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ThinkMoveNoSearch19)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace vorn

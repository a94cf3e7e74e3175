// The position analysis on 19x19 positions of 50, 150 and 250 stones, the
// pair list and the cut and atari maps made from it, and look-ahead play and
// take-back.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "BenchUtil.h"
#include "VornCore.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Rand.h"
#include "board/Sicho.h"
#include "board/Yomi.h"

namespace vorn {
namespace {

using bench::BenchMove;

int StoneCount(const TGoban& b)
{
    int n = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            n += b.GetIro(x, y) != kAki;
    return n;
}

// Board 0 after random play until it holds `stones` stones.
void PositionOf(int stones, std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    TGoban& b = *GobanLv[0];
    for (int i = 0; i < 3000 && StoneCount(b) < stones; ++i) {
        const Point p = BenchMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
}

// Colours of several positions of one stone count, set up again between
// timings (the record stays empty: the analysis reads only the board).
using TBanCopy = Grid<std::uint8_t, 0, 20>;

std::vector<TBanCopy> Positions(int stones)
{
    std::vector<TBanCopy> set;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        PositionOf(stones, seed * 97 + static_cast<std::uint64_t>(stones));
        set.push_back(GobanLv[0]->Ban);
    }
    return set;
}

void BM_Analyze(benchmark::State& state)
{
    const std::vector<TBanCopy> set = Positions(static_cast<int>(state.range(0)));
    ResetProgramState();
    TGoban& b = *GobanLv[0];
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.Ban = set[i++ % set.size()];
        state.ResumeTiming();
        b.Analyze();
        benchmark::DoNotOptimize(b.Kinsi);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Analyze)->Arg(50)->Arg(150)->Arg(250);

// One step of the analysis on the positions of BM_Analyze/150: the steps
// before it run untimed, then the step is timed alone.
void BM_AnalyzeStep(benchmark::State& state)
{
    const int step = static_cast<int>(state.range(0));
    const std::vector<TBanCopy> set = Positions(150);
    ResetProgramState();
    TGoban& b = *GobanLv[0];
    std::size_t i = 0;
    for (auto _ : state) {
        b.Ban = set[i++ % set.size()];
        for (int k = 1; k < step; ++k)
            b.AnalyzeStep(k);
        const auto start = std::chrono::steady_clock::now();
        b.AnalyzeStep(step);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.SetLabel(TGoban::AnalyzeStepName(step));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnalyzeStep)
    ->DenseRange(1, TGoban::kAnalyzeSteps)
    ->UseManualTime()
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

// Analysis of one position over and over (no set-up between timings).
void BM_AnalyzeSame(benchmark::State& state)
{
    PositionOf(static_cast<int>(state.range(0)), 5);
    TGoban& b = *GobanLv[0];
    for (auto _ : state) {
        b.Analyze();
        benchmark::DoNotOptimize(b.Kinsi);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnalyzeSame)->Arg(50)->Arg(150)->Arg(250);

// The pair list of a freshly analysed position: every two-liberty chain's
// ladder is read on first use.
void BM_KohoLocateMake(benchmark::State& state)
{
    const std::vector<TBanCopy> set = Positions(static_cast<int>(state.range(0)));
    ResetProgramState();
    TGoban& b = *GobanLv[0];
    std::size_t i = 0;
    int pairs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.Ban = set[i++ % set.size()];
        b.Analyze();
        AreaMapSave();
        state.ResumeTiming();
        KohoLocateMake();
        pairs += b.PairCount();
    }
    state.counters["pairs"] = benchmark::Counter(pairs, benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KohoLocateMake)->Arg(50)->Arg(150)->Arg(250);

// The pair list as each engine stage remakes it: the ladders are read once
// per decision (SichoAll), so the stages find the statuses in the chains.
void BM_KohoLocateMakeStage(benchmark::State& state)
{
    PositionOf(static_cast<int>(state.range(0)), 5);
    TGoban& b = *GobanLv[0];
    b.Analyze();
    AreaMapSave();
    SichoAll();
    for (auto _ : state) {
        KohoLocateMake();
        benchmark::DoNotOptimize(b.PairNum);
    }
    state.counters["pairs"] = b.PairCount();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KohoLocateMakeStage)->Arg(50)->Arg(150)->Arg(250);

// The three maps of one decision.
void BM_KiriAtariMaps(benchmark::State& state)
{
    PositionOf(static_cast<int>(state.range(0)), 5);
    GobanLv[0]->Analyze();
    for (auto _ : state) {
        KiriMake();
        Kiri2Make();
        AtariMake();
        benchmark::DoNotOptimize(KiriMap);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KiriAtariMaps)->Arg(50)->Arg(150)->Arg(250);

// The reading benchmarks start from one 150-stone position: the side to
// move and its legal moves there.
struct TReadingStart {
    int c = 0;
    std::vector<Point> legal;
};

TReadingStart ReadingStart()
{
    PositionOf(150, 7);
    TGoban& b = *GobanLv[0];
    TReadingStart s;
    s.c = b.Tejun.NextColor();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (b.GetIro(x, y) == kAki && b.CheckUtu(s.c, x, y) == kUtuOk)
                s.legal.push_back(Point(x, y));
    return s;
}

// Open level 1, play one move, take it back and close the level.
void BM_YomiUtuModosu(benchmark::State& state)
{
    const TReadingStart s = ReadingStart();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(YomiUtu(s.c, s.legal[i++ % s.legal.size()]));
        YomiModosu();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_YomiUtuModosu);

// A reading line: four levels opened with one move each, then unwound.
void BM_YomiPushUtuLine(benchmark::State& state)
{
    const std::vector<Point> legal = ReadingStart().legal;
    std::size_t i = 0;
    for (auto _ : state) {
        int played = 0;
        for (int k = 0; k < 4; ++k) {
            const int c = CurGoban().Tejun.NextColor();
            played += YomiPushUtu(c, legal[(i + 7 * static_cast<std::size_t>(k)) % legal.size()]);
        }
        ++i;
        while (played-- > 0)
            YomiModosu();
    }
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_YomiPushUtuLine);

// A look-ahead move followed by the analysis that readers run on the level.
void BM_YomiUtuAnalyze(benchmark::State& state)
{
    const TReadingStart s = ReadingStart();
    std::size_t i = 0;
    for (auto _ : state) {
        if (YomiUtu(s.c, s.legal[i++ % s.legal.size()])) {
            CurGoban().Analyze();
            YomiModosu();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_YomiUtuAnalyze);

} // namespace
} // namespace vorn

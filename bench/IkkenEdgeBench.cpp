// The jumps to the edge with the opponent's stone beside the stone on the
// second line, against the pair answers that reach them: on the fixed
// positions of every stage of the game, per decision the number of such
// jumps, and per call the time and the evaluations of the strip patterns
// and of the reading of the attached pair, beside the time and the
// evaluations of the whole pair list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "BenchPositions.h"
#include "BenchUtil.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Rand.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/IkkenEdgeTuke.h"
#include "engine/links/IkkenEdgeTukeYomi.h"

namespace vorn {
namespace {

struct TTukeCount {
    long long Decisions = 0, Calls = 0, Read = 0;
    long long TukeHyoka = 0, YomiHyoka = 0, YomiMost = 0, PairHyoka = 0;
    double TukeUs = 0, YomiUs = 0, PairUs = 0;
};

// Board 0 from the diagram, analysed as at the start of a decision for Black.
void Decision(const char* diagram)
{
    ResetProgramState();
    SetupPosition(ReadDiagram(diagram), kKuro);
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

template <class F>
long long Timed(F f, double& us)
{
    const long long before = HyokaCallCount;
    const auto start = std::chrono::steady_clock::now();
    f();
    us += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    return HyokaCallCount - before;
}

// The attached pairs of one decision, each handed to the two routines as the
// jump-to-the-edge dispatcher hands it.
void TukeCalls(TTukeCount& n)
{
    const TGoban& b0 = *GobanLv[0];
    for (int i = 1; i <= b0.PairCount(); ++i) {
        const Point a = b0.PairPointB(i), b = b0.PairPointA(i);
        if (b0.PairKind(i) != 3 || (b0.GetIroPt(a) != kHen && b0.GetIroPt(b) != kHen))
            continue;
        TKankeiBox box;
        if (!KankeiBoxMake(a, b, box) || box.D != 2)
            continue;
        if (box.IsHen(1))
            KankeiEdgeTurn(box);
        if (box.IsHen(0) || box.IsHen(2) || box.Own < 0 || IkkenEdgeShape(box) != kIkkenEdgeTuke)
            continue;
        ++n.Calls;
        n.TukeHyoka += Timed([&box] { IkkenEdgeTuke(box); }, n.TukeUs);
        const long long yomi = Timed([&box] { IkkenEdgeTukeYomi(box); }, n.YomiUs);
        n.YomiHyoka += yomi;
        n.Read += yomi > 0 ? 1 : 0;
        n.YomiMost = std::max(n.YomiMost, yomi);
    }
}

// Board 0 after `moves` random moves on an empty board of that size, the
// random source seeded with `seed`, analysed as at the start of a decision.
void RandomDecision(int size, int moves, std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    BoardSize = size;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    for (int i = 0; i < moves; ++i) {
        const Point p = bench::BenchMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

// The decisions of a benchmark: a fixed list of positions, or seeded random
// games.
template <class Setup>
void TukeOn(benchmark::State& state, int decisions, Setup setup)
{
    TTukeCount n;
    for (auto _ : state) {
        for (int i = 0; i < decisions; ++i) {
            state.PauseTiming();
            setup(i);
            state.ResumeTiming();
            TukeCalls(n);
            KohoCount = 0;
            n.PairHyoka += Timed(
                [] {
                    Point out;
                    PairAnswer(out);
                    benchmark::DoNotOptimize(out);
                },
                n.PairUs);
            ++n.Decisions;
        }
    }
    const double d = n.Decisions > 0 ? static_cast<double>(n.Decisions) : 1.0;
    const double c = n.Calls > 0 ? static_cast<double>(n.Calls) : 1.0;
    state.counters["tuke_per_decision"] = static_cast<double>(n.Calls) / d;
    state.counters["tuke_read_share"] = static_cast<double>(n.Read) / c;
    state.counters["yomi_hyoka_per_reading"] = n.Read > 0 ? static_cast<double>(n.YomiHyoka) / static_cast<double>(n.Read) : 0;
    state.counters["strip_hyoka_per_call"] = static_cast<double>(n.TukeHyoka) / c;
    state.counters["strip_us_per_call"] = n.TukeUs / c;
    state.counters["yomi_hyoka_per_call"] = static_cast<double>(n.YomiHyoka) / c;
    state.counters["yomi_hyoka_most"] = static_cast<double>(n.YomiMost);
    state.counters["yomi_us_per_call"] = n.YomiUs / c;
    state.counters["pair_hyoka"] = static_cast<double>(n.PairHyoka) / d;
    state.counters["pair_us"] = n.PairUs / d;
    ResetProgramState();
}

template <std::size_t N>
void FixedOn(benchmark::State& state, const char* const (&positions)[N])
{
    TukeOn(state, static_cast<int>(N), [&positions](int i) { Decision(positions[i]); });
}

void BM_IkkenEdgeTuke9(benchmark::State& state) { FixedOn(state, bench::kPositions9); }
void BM_IkkenEdgeTuke9Middle(benchmark::State& state) { FixedOn(state, bench::kMiddle9); }
void BM_IkkenEdgeTuke9Endgame(benchmark::State& state) { FixedOn(state, bench::kEndgame9); }
void BM_IkkenEdgeTuke19(benchmark::State& state) { FixedOn(state, bench::kPositions19); }
void BM_IkkenEdgeTuke19Middle(benchmark::State& state) { FixedOn(state, bench::kMiddle19); }
void BM_IkkenEdgeTuke19Endgame(benchmark::State& state) { FixedOn(state, bench::kEndgame19); }
// Seeded random games of 15 to 75 moves on 9 x 9 and 13 x 13: crowded edges
// with many attached pairs.
void BM_IkkenEdgeTukeRandom(benchmark::State& state)
{
    TukeOn(state, 100, [](int i) { RandomDecision(i % 3 == 0 ? 13 : 9, 15 + i * 7 % 60, 9000 + static_cast<std::uint64_t>(i)); });
}

BENCHMARK(BM_IkkenEdgeTuke9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenEdgeTuke9Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenEdgeTuke9Endgame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenEdgeTuke19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenEdgeTuke19Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenEdgeTuke19Endgame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenEdgeTukeRandom)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorn

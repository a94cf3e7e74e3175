// The two-space jumps to the edge: on each fixed position, every such
// relation of the pair list is answered as the pair answers answer it, and
// the benchmark reports how many there are per decision, how many have an
// opponent stone in the box, the evaluations the handler makes in all and on
// the relations without an opponent stone (the dispatcher should spend none
// there), and the time per relation.  The "all_" figures do the same for
// every relation of a stone to the edge in the relation records, before the
// pair list's filters.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"
#include "engine/links/Kankei6EdgeUtu.h"

namespace vorn {
namespace {

struct TEdgeCount {
    long long Links = 0, Shaped = 0, Hyoka = 0, QuietHyoka = 0;
    double Us = 0;
};

// Board 0 as the diagram, prepared as at the start of a decision for Black.
void Prepare(const char* diagram)
{
    SetupPosition(ReadDiagram(diagram), kKuro);
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

// One relation to the edge answered as the pair answers answer it.
void EdgeLink(Point a, Point b, TEdgeCount& n)
{
    TKankeiBox box;
    const bool shaped = Kankei6EdgeBox(a, b, box) && Kankei6EdgeShape(box) != kKankei6EdgeNone;
    const long long before = HyokaCallCount;
    const auto start = std::chrono::steady_clock::now();
    PairAnswerKind(6, a, b);
    n.Us += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    ++n.Links;
    n.Shaped += shaped ? 1 : 0;
    n.Hyoka += HyokaCallCount - before;
    if (!shaped)
        n.QuietHyoka += HyokaCallCount - before;
}

// The relations to the edge of kind 6: those of the pair list into `pairs`,
// every one of the stones' relation records into `all`.
void EdgeLinks(TEdgeCount& pairs, TEdgeCount& all)
{
    const TGoban& b0 = *GobanLv[0];
    for (int i = 1; i <= b0.PairCount(); ++i) {
        const Point a = b0.PairPointB(i), b = b0.PairPointA(i);
        if (b0.PairKind(i) == 6 && (b0.GetIroPt(a) == kHen || b0.GetIroPt(b) == kHen))
            EdgeLink(a, b, pairs);
    }
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TLocate& loc = GobanLv[0]->GetLocatePt(Point(x, y));
            if (loc.GetIro() != kKuro && loc.GetIro() != kSiro)
                continue;
            for (int i = 1; i <= loc.GetKankeiSu(); ++i)
                if (loc.GetKankeiKind(i) == 6 && !loc.OnBoardAt(i))
                    EdgeLink(Point(x, y), loc.GetKankeiPoint(i), all);
        }
}

void Report(benchmark::State& state, const char* prefix, const TEdgeCount& n, long long decisions)
{
    const double d = decisions > 0 ? static_cast<double>(decisions) : 1.0;
    const std::string p = prefix;
    state.counters[p + "links"] = static_cast<double>(n.Links) / d;
    state.counters[p + "with_opponent"] = static_cast<double>(n.Shaped) / d;
    state.counters[p + "hyoka"] = static_cast<double>(n.Hyoka) / d;
    state.counters[p + "hyoka_quiet"] = static_cast<double>(n.QuietHyoka) / d;
    state.counters[p + "us_per_link"] = n.Links > 0 ? n.Us / static_cast<double>(n.Links) : 0;
}

template <std::size_t N>
void EdgeOn(benchmark::State& state, const char* const (&positions)[N])
{
    ResetProgramState();
    TEdgeCount pairs, all;
    long long decisions = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            Prepare(diagram);
            state.ResumeTiming();
            EdgeLinks(pairs, all);
            ++decisions;
        }
    }
    Report(state, "", pairs, decisions);
    Report(state, "all_", all, decisions);
    ResetProgramState();
}

void BM_Kankei6Edge9(benchmark::State& state) { EdgeOn(state, bench::kPositions9); }
void BM_Kankei6Edge19(benchmark::State& state) { EdgeOn(state, bench::kPositions19); }

BENCHMARK(BM_Kankei6Edge9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kankei6Edge19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

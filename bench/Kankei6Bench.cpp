// The free answer of the two-space jump against the pair answers that call
// it: on each fixed 19x19 position, the time and the evaluations of every
// Kankei6Free call the pair answers make (the jumps with no opponent stone
// in the box), beside the time and the evaluations of the whole pair list.
#include <benchmark/benchmark.h>

#include <chrono>

#include "BenchPositions.h"
#include "VornCore.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn {
namespace {

// Board 0 from a diagram of the fixed positions, read cell by cell in
// reading order, analysed as at the start of a decision for Black.
void LoadDecision(const char* diagram)
{
    ResetProgramState();
    int cells = 0;
    for (const char* p = diagram; *p != '\0'; ++p)
        cells += *p == 'X' || *p == 'O' || *p == '.';
    BoardSize = cells == 81 ? 9 : cells == 169 ? 13 : 19;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    int i = 0;
    for (const char* p = diagram; *p != '\0'; ++p) {
        if (*p != 'X' && *p != 'O' && *p != '.')
            continue;
        if (*p != '.')
            b.SetIro(i % BoardSize + 1, i / BoardSize + 1, *p == 'X' ? kKuro : kSiro);
        ++i;
    }
    b.RenMake();
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

// The free answers of one decision: what the pair answers' two-space
// handler hands to Kankei6Free.  Answers the links that were read.
int FreeCalls(double& us, long long& hyoka)
{
    const TGoban& b0 = *GobanLv[0];
    int links = 0;
    for (int i = 1; i <= b0.PairCount(); ++i) {
        if (b0.PairKind(i) != 6)
            continue;
        TKankeiBox box;
        if (!KankeiPrologue(b0.PairPointB(i), b0.PairPointA(i), nullptr, box) || box.D != 3 ||
            Kankei6Shape(box) != kKankei6Free)
            continue;
        const long long before = HyokaCallCount;
        const auto start = std::chrono::steady_clock::now();
        Kankei6Free(box);
        us += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        hyoka += HyokaCallCount - before;
        links += HyokaCallCount > before ? 1 : 0;
    }
    return links;
}

void BM_Kankei6FreeShare19(benchmark::State& state)
{
    double freeUs = 0, pairUs = 0;
    long long freeHyoka = 0, pairHyoka = 0, decisions = 0, links = 0;
    for (auto _ : state) {
        for (const char* diagram : bench::kPositions19) {
            state.PauseTiming();
            LoadDecision(diagram);
            state.ResumeTiming();
            links += FreeCalls(freeUs, freeHyoka);
            KohoCount = 0;
            const long long before = HyokaCallCount;
            const auto start = std::chrono::steady_clock::now();
            Point out;
            PairAnswer(out);
            benchmark::DoNotOptimize(out);
            pairUs += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            pairHyoka += HyokaCallCount - before;
            ++decisions;
        }
    }
    const double n = decisions > 0 ? static_cast<double>(decisions) : 1.0;
    state.counters["free_us"] = freeUs / n;
    state.counters["pair_us"] = pairUs / n;
    state.counters["free_share"] = pairUs > 0 ? freeUs / pairUs : 0;
    state.counters["free_hyoka"] = static_cast<double>(freeHyoka) / n;
    state.counters["pair_hyoka"] = static_cast<double>(pairHyoka) / n;
    state.counters["free_links"] = static_cast<double>(links) / n;
    ResetProgramState();
}

BENCHMARK(BM_Kankei6FreeShare19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

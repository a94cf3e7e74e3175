// The three-space jumps of the pair list: for every kind-10 entry of the
// fixed 9x9 and 19x19 positions and of sparse seeded 19x19 boards (where
// three-space jumps and fourth-line stones are common), the time and the
// evaluations (Hyoka calls) of the relation handler, by the family its shape
// goes to, beside the evaluations of the whole pair list.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

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
#include "engine/links/Kankei10Utu.h"

namespace vorn {
namespace {

// The families in the order of the dispatchers.
enum : int {
    kFamWarikomi, kFamWariHasi, kFamNakaNozoki, kFamNozoki, kFamKado,
    kFamSotoNaka, kFamSotoSoba, kFamSotoKata, kFamSotoNone,
    kFamEdgeFree, kFamEdgeSan, kFamEdgeNi, kFamEdgeSanYoko, kFamEdgeNiYoko, kFamEdgeKata, kFamEdgeNone,
    kFamilies
};
const char* const kFamilyNames[kFamilies] = {
    "warikomi", "warihasi", "nakanozoki", "nozoki", "kado", "soto_naka", "soto_soba", "soto_kata",
    "soto_none", "edge_free", "edge_san", "edge_ni", "edge_sanyoko", "edge_niyoko", "edge_kata", "edge_none"};

// The family Kankei10Utu(a, b) hands the jump to; -1 when it stops before.
int Family(Point a, Point b)
{
    const TGoban& g = CurGoban();
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box))
        return -1;
    if (g.GetIroPt(a) != kHen && g.GetIroPt(b) != kHen) {
        const int s = Kankei10Shape(box);
        if (s != kKankei10Soto)
            return kFamWarikomi + s;
        KankeiStripMake(box, a, b);
        return kFamSotoNaka + Kankei10SotoShape(box);
    }
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    if (box.Own < 0 || box.IsHen(0) || box.IsHen(2))
        return -1;
    int opp = 0;
    for (int i = 0; i <= 11; ++i)
        opp += box.IsOpp(i) ? 1 : 0;
    return opp == 0 ? kFamEdgeFree : kFamEdgeSan + Kankei10EdgeShape(box);
}

struct TTally {
    long long Calls[kFamilies] = {};
    long long Hyoka[kFamilies] = {};
    double Us[kFamilies] = {};
    long long PairHyoka = 0;
    long long Decisions = 0;
};

void Decide(const char* diagram)
{
    SetupPosition(ReadDiagram(diagram), kKuro);
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

void SparseDecision(std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    BoardSize = 19;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    for (int i = 0; i < 30; ++i) {
        const Point p = bench::BenchMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

// Every kind-10 entry of the prepared position through the pair answers'
// entry, then the whole pair list.
void Tally(benchmark::State& state, TTally& t)
{
    const TGoban& b0 = *GobanLv[0];
    for (int i = 1; i <= b0.PairCount(); ++i) {
        if (b0.PairKind(i) != 10)
            continue;
        const Point a = b0.PairPointB(i), b = b0.PairPointA(i);
        const int f = Family(a, b);
        const long long before = HyokaCallCount;
        const auto start = std::chrono::steady_clock::now();
        PairAnswerKind(10, a, b);
        const auto end = std::chrono::steady_clock::now();
        if (f >= 0) {
            ++t.Calls[f];
            t.Hyoka[f] += HyokaCallCount - before;
            t.Us[f] += std::chrono::duration<double, std::micro>(end - start).count();
        }
    }
    KohoCount = 0;
    state.PauseTiming();
    const long long before = HyokaCallCount;
    Point out;
    PairAnswer(out);
    t.PairHyoka += HyokaCallCount - before;
    ++t.Decisions;
    state.ResumeTiming();
}

void Report(benchmark::State& state, const TTally& t)
{
    const double n = t.Decisions > 0 ? static_cast<double>(t.Decisions) : 1.0;
    long long calls = 0, hyoka = 0;
    for (int f = 0; f < kFamilies; ++f) {
        calls += t.Calls[f];
        hyoka += t.Hyoka[f];
        if (t.Calls[f] == 0)
            continue;
        const std::string name = kFamilyNames[f];
        const double c = static_cast<double>(t.Calls[f]);
        state.counters[name + "_calls"] = c / n;
        state.counters[name + "_hyoka_per_call"] = static_cast<double>(t.Hyoka[f]) / c;
        state.counters[name + "_us_per_call"] = t.Us[f] / c;
    }
    state.counters["kind10_calls"] = static_cast<double>(calls) / n;
    state.counters["kind10_hyoka"] = static_cast<double>(hyoka) / n;
    state.counters["pair_hyoka"] = static_cast<double>(t.PairHyoka) / n;
    ResetProgramState();
}

template <std::size_t N>
void FixedOn(benchmark::State& state, const char* const (&positions)[N])
{
    TTally t;
    for (auto _ : state)
        for (const char* diagram : positions) {
            state.PauseTiming();
            ResetProgramState();
            Decide(diagram);
            state.ResumeTiming();
            Tally(state, t);
        }
    Report(state, t);
}

void BM_Kankei10Pairs9(benchmark::State& state) { FixedOn(state, bench::kPositions9); }
void BM_Kankei10Pairs19(benchmark::State& state) { FixedOn(state, bench::kPositions19); }

void BM_Kankei10PairsSparse19(benchmark::State& state)
{
    TTally t;
    for (auto _ : state)
        for (std::uint64_t seed = 1; seed <= 24; ++seed) {
            state.PauseTiming();
            SparseDecision(500 + seed);
            state.ResumeTiming();
            Tally(state, t);
        }
    Report(state, t);
}

BENCHMARK(BM_Kankei10Pairs9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kankei10Pairs19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kankei10PairsSparse19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

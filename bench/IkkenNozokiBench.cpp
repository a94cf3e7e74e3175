// The peep at a one-space jump on the fixed positions of BenchPositions.h:
// every jump of the pair list with an opponent stone beside the gap, read by
// the whole peep handler and by its main reading alone (the cut at the gap,
// the longest one-space reading), with the evaluations (Hyoka calls) and the
// time per call.
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
#include "engine/links/IkkenNozoki.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/KankeiBox.h"

namespace vorn {
namespace {

// The peeps of the game board's pair list for the side to move, after the
// decision's prologue; with `open`, only those whose far point is empty (the
// ones the main reading is meant for).
std::vector<TKankeiBox> Peeps(const char* diagram, bool open)
{
    SetupPosition(ReadDiagram(diagram), kKuro);
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
    KohoKind = kkKankei;
    std::vector<TKankeiBox> boxes;
    const TGoban& b = *GobanLv[0];
    for (int i = 1; i <= b.PairCount(); ++i) {
        TKankeiBox box;
        if (b.PairKind(i) != 3 || !KankeiPrologue(b.PairPointB(i), b.PairPointA(i), nullptr, box) || box.D != 2 ||
            IkkenShape(box) != kIkkenNozoki)
            continue;
        if (open && !box.IsAki(NozokiFrame(box).Pi))
            continue;
        boxes.push_back(box);
    }
    return boxes;
}

template <std::size_t N>
void PeepsOn(benchmark::State& state, const char* const (&positions)[N], void (*f)(TKankeiBox), bool open)
{
    ResetProgramState();
    std::vector<double> times;
    long long hyoka = 0, worst = 0;
    for (auto _ : state) {
        for (const char* diagram : positions) {
            state.PauseTiming();
            const std::vector<TKankeiBox> boxes = Peeps(diagram, open);
            state.ResumeTiming();
            for (const TKankeiBox& box : boxes) {
                const long long before = HyokaCallCount;
                const auto start = std::chrono::steady_clock::now();
                f(box);
                YomiUnwind();
                const auto end = std::chrono::steady_clock::now();
                hyoka += HyokaCallCount - before;
                worst = std::max(worst, HyokaCallCount - before);
                times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
            }
        }
    }
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        state.counters["median_us"] = times[times.size() / 2];
        state.counters["worst_us"] = times.back();
        state.counters["hyoka_per_call"] = static_cast<double>(hyoka) / static_cast<double>(times.size());
        state.counters["hyoka_worst"] = static_cast<double>(worst);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(times.size()));
    ResetProgramState();
}

void BM_IkkenNozoki9(benchmark::State& state) { PeepsOn(state, bench::kPositions9, IkkenNozoki, false); }
void BM_IkkenNozoki19(benchmark::State& state) { PeepsOn(state, bench::kPositions19, IkkenNozoki, false); }
void BM_IkkenNozokiMain9(benchmark::State& state) { PeepsOn(state, bench::kPositions9, IkkenNozokiMain, true); }
void BM_IkkenNozokiMain19(benchmark::State& state) { PeepsOn(state, bench::kPositions19, IkkenNozokiMain, true); }

BENCHMARK(BM_IkkenNozoki9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenNozoki19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenNozokiMain9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IkkenNozokiMain19)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorn

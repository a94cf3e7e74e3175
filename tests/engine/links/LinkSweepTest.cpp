// Every jump-link handler on every jump of the pair lists of random positions
// and of the benchmark positions: no handler throws, and each leaves Level and
// every look-ahead board with its record as it found them.  A unit that adds
// handlers registers them with TLinkHandlerAdd in its own test file.
#include "LinkUtil.h"
#include "Util.h"

#include "BenchPositions.h"
#include "engine/links/IkkenOsi.h"
#include "engine/links/IkkenOuter.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/Kankei10Utu.h"

namespace vorn::test {
namespace {

const TLinkHandlerAdd kIkken({"IkkenRenraku", 3, TLinkPass::First, IkkenRenraku});
const TLinkHandlerAdd kKankei10({"Kankei10Utu", 10, TLinkPass::First, Kankei10Utu});
const TLinkHandlerAdd kIkkenOuter({"IkkenOuterRenraku", 3, TLinkPass::Second, IkkenOuterRenraku});
const TLinkHandlerAdd kIkkenOsi({"IkkenOsiHyoka", 3, TLinkPass::Value, [](Point a, Point b) { (void)IkkenOsiHyoka(a, b); }});

TEST(LinkSweep, RandomPositionsOfEverySize)
{
    TSweepCount count;
    // Sparse and crowded boards: moves from Moves to Moves + Spread - 1.  The
    // sanitizer build sweeps every third game.
    struct TRun {
        int Size, Games, Moves, Spread;
        std::uint64_t Seed;
    };
    for (const TRun& r : {TRun{9, 200, 6, 60, 1}, TRun{13, 60, 20, 120, 1000}, TRun{19, 25, 40, 260, 2000}})
        for (int g = 0; g < r.Games; g += kSanitized ? 3 : 1) {
            ResetProgramState();
            const std::uint64_t seed = r.Seed + static_cast<std::uint64_t>(g);
            RandomDecision(r.Size, r.Moves + g * 37 % r.Spread, seed);
            SweepPairs("size " + std::to_string(r.Size) + " seed " + std::to_string(seed), count);
            if (HasFatalFailure())
                return;
        }
    ResetProgramState();
    EXPECT_GT(count.Calls, 10000);
}

TEST(LinkSweep, BenchmarkPositions)
{
    TSweepCount count;
    int n = 0;
    for (const auto* set : {&bench::kPositions9, &bench::kPositions19})
        for (const char* diagram : *set) {
            ResetProgramState();
            DiagramDecision(diagram);
            SweepPairs("benchmark position " + std::to_string(++n), count);
        }
    ResetProgramState();
    EXPECT_GT(count.Calls, 100);
}

} // namespace
} // namespace vorn::test

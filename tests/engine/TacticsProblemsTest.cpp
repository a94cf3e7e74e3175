// The tactical problems of tests/problems/tactics.tst (each one runs as a
// problem of its own, see ProblemsTest.cpp) seen from the engine's whole
// move choice: where the tactical answer is urgent enough to end stage 2,
// the engine plays it.
#include "Problems.h"
#include "Util.h"

#include "board/Diagram.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

// The stages after the opening: on these small diagrams the opening stages
// would take an empty corner first.
void StagesAfterOpening(int stage, Point& out)
{
    out = Point();
    if (stage >= 2)
        RunStageCalls(stage, out);
}

void NoKoThreat(int, Point& out, int& value)
{
    out = Point();
    value = 0;
}

class TacticsProblems : public VornTest {};

// Where the tactical answer is urgent enough to end stage 2, the engine's
// move choice plays it (after the opening, and with its refinements).
TEST_F(TacticsProblems, UrgentAnswersAreTheEnginesMove)
{
    int checked = 0;
    const std::vector<TProblem> problems = LoadProblems("tactics.tst");
    ASSERT_GE(problems.size(), 10u);
    for (const TProblem& pr : problems) {
        SCOPED_TRACE(pr.Where() + " " + pr.about);
        ASSERT_EQ(pr.error, "");
        ResetProgramState();
        SetupProblem(pr);
        const int best = RunTactics();
        if (best == 0 || Koho.Score(best) < kSelectUrgent)
            continue;
        const Point got = Koho.Pt[best];
        ResetProgramState();
        SetupProblem(pr);
        ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
        Point out;
        ThinkMove(out);
        EXPECT_EQ(out, got) << "engine " << GtpVertex(out) << ", tactics " << GtpVertex(got);
        EXPECT_EQ(Level, 0);
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

} // namespace
} // namespace vorn::test

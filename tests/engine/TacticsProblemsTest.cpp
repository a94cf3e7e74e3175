// The tactical problems of tests/problems/tactics.tst (each one runs as a
// problem of its own, see ProblemsTest.cpp) seen from the engine's whole
// move choice: where the tactical answer is urgent enough to end stage 2,
// the engine plays it.
#include "DecisionUtil.h"
#include "Problems.h"
#include "Util.h"

#include "board/Diagram.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class TacticsProblems : public VornTest {};

// Where the tactical answer is urgent enough to end stage 2, the engine's
// move choice plays stage 2's answer (after the opening, and with its
// refinements): the tactical one, or an urgent shape found beside it that
// is worth more; when the look-ahead reads the candidates, one of its roots.
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
        // The link handlers of the pair answers would speak first.
        PairSources.Relation = [](int, Point, Point) {};
        const int best = RunTactics();
        if (best == 0 || Koho.Score(best) < kSelectUrgent)
            continue;
        const Point got = Koho.Pt[1];
        ResetProgramState();
        SetupProblem(pr);
        ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
        PairSources.Relation = [](int, Point, Point) {};
        const long long nodes = ThinkYomiCount;
        Point out;
        ThinkMove(out);
        if (ThinkYomiCount == nodes) {
            EXPECT_EQ(out, got) << "engine " << GtpVertex(out) << ", tactics " << GtpVertex(got);
        } else {
            // The look-ahead read the urgent candidates and chose one of them.
            bool root = false;
            for (int i = 1; i <= SakiRoot.Count; ++i)
                root = root || SakiRoot.Pt[i] == out;
            EXPECT_TRUE(root) << "engine " << GtpVertex(out) << " is no root of the look-ahead";
            EXPECT_GE(SakiRoot.Count, 2);
        }
        EXPECT_EQ(Level, 0);
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

// A stone in atari whose escape would cut two diagonal links at once: the
// capture is urgent, and ends the tactical stage.  What the escape is worth
// comes from the value of its two cuts.
TEST_F(TacticsProblems, DoubleCutsMakeTheCaptureUrgent)
{
    int checked = 0;
    for (const TProblem& pr : LoadProblems("tactics.tst")) {
        if (pr.id.rfind("double-cut", 0) != 0)
            continue;
        SCOPED_TRACE(pr.Where() + " " + pr.about);
        ResetProgramState();
        SetupProblem(pr);
        const int best = RunTactics();
        ASSERT_GT(best, 0) << CandidateTable();
        const Point want = Koho.Pt[best];
        EXPECT_EQ(TacticsStageChoice, want) << "the tactical stage did not end with it; " << CandidateTable();
        ++checked;
    }
    EXPECT_EQ(checked, 2);
}

} // namespace
} // namespace vorn::test

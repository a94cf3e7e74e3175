// Every problem of the problem files under tests/problems/ as a test of its
// own (Files/ProblemTest.Solves/<file>_<id>), and the reading of the files
// themselves: malformed entries are reported, not skipped.
#include <ostream>

#include "Problems.h"
#include "Util.h"

#include "board/Diagram.h"
#include "board/Goban.h"

namespace vorn::test {

// What GoogleTest prints for a problem: where it is written.
void PrintTo(const TProblem& problem, std::ostream* os) { *os << problem.Where(); }

namespace {

class ProblemTest : public VornTest, public ::testing::WithParamInterface<TProblem> {};

TEST_P(ProblemTest, Solves)
{
    const TProblem& problem = GetParam();
    ASSERT_TRUE(problem.error.empty()) << problem.Where() << ": " << problem.error;
    for (const TProblemCheck& check : problem.checks) {
        ResetProgramState();
        SetupProblem(problem);
        const std::string position = DiagramText(*GobanLv[0]);
        const std::string side = GobanLv[0]->Tejun.NextColor() == kKuro ? "Black" : "White";
        std::string result, detail;
        try {
            result = RunProblemCommand(check, detail);
        } catch (const std::exception& e) {
            ADD_FAILURE() << problem.file << ":" << check.line << " [" << problem.id << "] " << check.text
                          << "\nthrew: " << e.what() << "\n"
                          << side << " to play\n"
                          << position;
            continue;
        }
        const bool met = CheckMet(check, result);
        if (check.knownFailure && met)
            ADD_FAILURE() << problem.file << ":" << check.line << " [" << problem.id << "] " << check.text
                          << "\nunexpected pass (answer " << result << "): take the '*' away";
        else if (!check.knownFailure && !met)
            ADD_FAILURE() << problem.file << ":" << check.line << " [" << problem.id << "] " << problem.about << "\n"
                          << check.text << "\nanswer: " << result << "\n"
                          << side << " to play\n"
                          << position << detail;
    }
}

std::string NameOf(const ::testing::TestParamInfo<TProblem>& info)
{
    const TProblem& p = info.param;
    std::string file = p.file.substr(0, p.file.rfind('.'));
    std::string name = ProblemTestName(file) + "_" + ProblemTestName(p.id);
    // A faulty entry may repeat an id: its line keeps the name apart.
    if (!p.error.empty())
        name += "_line" + std::to_string(p.line);
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, ProblemTest, ::testing::ValuesIn(LoadAllProblems()), NameOf);

// ---------------------------------------------------------------------------
// The reading of problem files

TEST(ProblemFileTest, EntriesAreRead)
{
    const std::vector<TProblem> ps = ParseProblems("t.tst", R"(# A file of two problems.

[ladder-one]
# The plain ladder.
# Two comment lines.
black to play
     A B C D E
   5 . . . . . 5
   4 . X O . . 4
   3 . . X . . 3
   2 . . . . . 2
   1 . . . . . 1
ladder C4 [1 D4]
tactics [D4|C5]
# A comment between the checks.
tactics [!A1|pass] *

[from-a-record]
sgf games/net.sgf 12
move [pass]
)");
    ASSERT_EQ(ps.size(), 2u);
    const TProblem& a = ps[0];
    EXPECT_EQ(a.error, "");
    EXPECT_EQ(a.id, "ladder-one");
    EXPECT_EQ(a.line, 3);
    EXPECT_EQ(a.about, "The plain ladder. Two comment lines.");
    EXPECT_EQ(a.toMove, kKuro);
    EXPECT_EQ(ReadDiagram(a.diagram).size, 5);
    ASSERT_EQ(a.checks.size(), 3u);
    EXPECT_EQ(a.checks[0].command, "ladder");
    EXPECT_EQ(a.checks[0].args, std::vector<std::string>{"C4"});
    EXPECT_EQ(a.checks[0].answers, std::vector<std::string>{"1 D4"});
    EXPECT_EQ(a.checks[0].line, 13);
    EXPECT_EQ(a.checks[1].answers, (std::vector<std::string>{"D4", "C5"}));
    EXPECT_FALSE(a.checks[1].negated);
    EXPECT_TRUE(a.checks[2].negated);
    EXPECT_TRUE(a.checks[2].knownFailure);
    EXPECT_FALSE(a.checks[1].knownFailure);
    const TProblem& b = ps[1];
    EXPECT_EQ(b.error, "");
    EXPECT_EQ(b.sgf, "games/net.sgf");
    EXPECT_EQ(b.sgfMove, 12);
    EXPECT_EQ(b.Where(), "t.tst:18 [from-a-record]");
}

TEST(ProblemFileTest, AnswersAreMatchedAsGtpWords)
{
    const TProblem p = ParseProblems("t.tst", "[a]\nwhite to play\n. .\n. .\nladder A1 [1  b2|0]\nmove [!A1|b2]\n")[0];
    ASSERT_EQ(p.error, "");
    EXPECT_TRUE(CheckMet(p.checks[0], "1 B2"));
    EXPECT_TRUE(CheckMet(p.checks[0], " 0 "));
    EXPECT_FALSE(CheckMet(p.checks[0], "1 A2"));
    EXPECT_FALSE(CheckMet(p.checks[0], "1"));
    EXPECT_TRUE(CheckMet(p.checks[1], "pass"));
    EXPECT_FALSE(CheckMet(p.checks[1], "B2"));
    EXPECT_FALSE(CheckMet(p.checks[1], "a1"));
}

TEST(ProblemFileTest, MalformedEntriesAreReported)
{
    struct Case {
        const char* text;
        const char* error; // part of the error of the first entry
    } const cases[] = {
        {"move [D4]\n", "text before the first problem"},
        {"[a b]\nblack to play\n.\nmove [pass]\n", "an id is made of"},
        {"[a]\nmove [pass]\n", "a check before the position"},
        {"[a]\nblack to play\nmove [pass]\n", "a diagram must follow"},
        {"[a]\nblack to play\n. .\n. .\n", "no check"},
        {"[a]\n", "no position"},
        {"[a]\nblack to play\n. .\n. . .\nmove [pass]\n", "row 2 of the diagram has 3 points"},
        {"[a]\nblack to play\n. .\n. .\nmove D4\n", "in brackets"},
        {"[a]\nblack to play\n. .\n. .\nmove [D4] x\n", "only \"*\" may follow"},
        {"[a]\nblack to play\n. .\n. .\nmove [D4||E5]\n", "an empty answer"},
        {"[a]\nsgf games/x.sgf\nmove [pass]\n", "names one record and a move number"},
        {"[a]\nblack to play\n.\nwhite to play\n.\nmove [pass]\n", "a second position"},
    };
    for (const Case& c : cases) {
        const std::vector<TProblem> ps = ParseProblems("t.tst", c.text);
        ASSERT_FALSE(ps.empty()) << c.text;
        EXPECT_NE(ps[0].error.find(c.error), std::string::npos) << c.text << "\n -> " << ps[0].error;
    }
    // A repeated id, also one that differs only in '-' and '_'.
    const std::vector<TProblem> ps
        = ParseProblems("t.tst", "[a-b]\nblack to play\n.\nmove [pass]\n[a_b]\nblack to play\n.\nmove [pass]\n");
    ASSERT_EQ(ps.size(), 2u);
    EXPECT_EQ(ps[0].error, "");
    EXPECT_EQ(ps[1].error, "the id is used twice in the file");
}

// A problem set up from its diagram has the side to move named, with an
// empty record: no pass and no handicap stand in for White's turn.
class ProblemSetupTest : public VornTest {};

TEST_F(ProblemSetupTest, DiagramPositionsNameTheSideToMove)
{
    const TProblem p = ParseProblems("t.tst", "[w]\nwhite to play\n. X .\n. O .\n. . .\nmove [pass]\n")[0];
    ASSERT_EQ(p.error, "");
    SetupProblem(p);
    const TGoban& b = *GobanLv[0];
    EXPECT_EQ(b.Tejun.NextColor(), kSiro);
    EXPECT_EQ(b.Tejun.Last(), 0);
    EXPECT_EQ(Handicap, 0);
    EXPECT_EQ(DiagramRows(b), ".X.\n.O.\n...\n");
}

} // namespace
} // namespace vorn::test

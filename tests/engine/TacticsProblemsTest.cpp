// Tactical problems with known answers: captures, escapes, ladders, nets and
// throw-ins, read by the tactical stage of the move choice (stage 2) on small
// diagrams.
//
// Each problem gives a diagram ('X' black, 'O' white, '.' empty), the side to
// move, the acceptable answers and the forbidden ones (points as column
// letter and row number counted from the top, A is the left column, the
// letter I is used; "pass" when the stage must find nothing), and the reason.
// An empty list of acceptable answers accepts anything that is not
// forbidden.  The answer is the best tactical candidate (captures, escapes
// and relation answers) of the table after stage 2, pass when there is none;
// the board, its record and the look-ahead level must be as they were.
#include <sstream>
#include <string>
#include <vector>

#include "Util.h"

#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

struct TProblem {
    const char* diagram;
    char toMove; // 'X' or 'O'
    const char* answers;
    const char* forbidden;
    const char* reason;
};

// clang-format off
const TProblem kProblems[] = {
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . X X X . . . .
        . X O O O . . . .
        . . X X X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "F4", "", "captures a chain of three in atari before it runs out"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O O O . .
        . . . . X X X O .
        . . . . O O O . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'O', "D4", "", "the same capture for White"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . X X X . . . .
        . X O O O X . . .
        . . X X . X . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "pass", "", "a chain that may not extend at its liberty is left in atari"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . O X . . . .
        . . O X O X . . .
        . . O X O . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "F5", "D6", "our chain in atari captures the enemy chain in atari beside it instead of extending"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . X O X . . . . .
        . . X . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "C3", "", "the cutting stone in atari is taken, which also saves the two-liberty stone"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . O X O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "D5", "", "our stone in atari runs out into the open"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . O X O . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "", "D5", "our stone in atari does not run into a working ladder"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X X . . .
        . . . X O O X . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "E7", "", "the ladder's first move against two stones with two liberties"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . O . .
        . . X O . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . O . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "", "E4 D5", "no ladder move when breakers stand on both of its paths"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X X . O . .
        . . X O . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . O . . . O . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "E5", "D5 E4", "the net where the ladder fails"},
    {R"(
        X O X . X X . X O
        X . . . . O X X O
        X . . . X . . X .
        O X O . O X O O .
        . . . O O X O X .
        X O . . . X X . O
        . X O O O O X X .
        . X O . O X . X O
        X X . O O . O X O)",
     'O', "A7 B3", "",
     "the throw-in at the false eye, then the ladder, takes the corner chain; the double atari at B3 on the "
     "corner chain and the stone at B4 wins one of them too (GNU Go rates the two 13.4 and 12.1)"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . O O . . . .
        . . O X X O . . .
        . . . O X . . . .
        . . . O . . . . .
        . . . . . . X . .
        . . . . . . . . .
        . . . . . . . . .)",
     'O', "F6", "", "the loose net catches three stones with two liberties (GNU Go's choice too)"},
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X . X . . .
        . . X O . O X . .
        . . . . . . . . .
        . . . O . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "E4", "", "the double atari on the two stones with two liberties each wins one (GNU Go's choice too)"},
};
// clang-format on

// "D5" -> (4, 5); "pass" -> (0, 0).
Point ParsePoint(const std::string& s)
{
    if (s == "pass")
        return Point();
    if (s.size() < 2)
        throw std::runtime_error("bad point " + s);
    const int x = s[0] - 'A' + 1;
    const int y = std::stoi(s.substr(1));
    return Point(x, y);
}

std::vector<Point> ParseList(const char* text)
{
    std::vector<Point> out;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        out.push_back(ParsePoint(word));
    return out;
}

std::string PointName(Point p)
{
    if (p.x == 0)
        return "pass";
    return std::string(1, static_cast<char>('A' + p.x - 1)) + std::to_string(p.y);
}

std::string CandidateList()
{
    std::ostringstream out;
    for (int i = 1; i <= KohoCount; ++i)
        out << ' ' << PointName(Koho.Pt[i]) << '=' << Koho.Value[i] << '/' << static_cast<int>(Koho.Bonus[i]) << ':'
            << static_cast<int>(Koho.Kind[i]);
    return out.str();
}

// Only the tactical stage runs.
void TacticsStage(int stage, Point& out)
{
    out = Point();
    if (stage == 2)
        RunStageCalls(2, out);
}

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

bool Tactical(int reason) { return reason == kkToru || reason == kkNigeru || reason == kkKankei || reason == kkToru28; }

// The best tactical candidate of the sorted table, 0 when none.
int BestTactical()
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Tactical(Koho.Kind[i]))
            return i;
    return 0;
}

// The point the stages chose in the last Solve, pass when none did.
Point g_stageChoice;

// Sets up the problem and runs the move choice up to stage 2: the best
// candidate then, pass when there is none.
Point Solve(const TProblem& pr)
{
    ResetProgramState();
    SetBoard(pr.diagram);
    if (pr.toMove == 'O')
        GobanLv[0]->Pass();
    LastTe = GobanLv[0]->Tejun.CurTe();
    ThinkSources = TThinkSources{TacticsStage, NoKoThreat};
    GobanLv[0]->Analyze();
    const std::uint64_t before = StackHash();
    Point out;
    VornThink0(2, out);
    g_stageChoice = out;
    EXPECT_EQ(StackHash(), before) << "the board, record or level changed";
    EXPECT_EQ(Level, 0);
    SortKoho();
    const int best = BestTactical();
    return best == 0 ? Point() : Koho.Pt[best];
}

class TacticsProblems : public VornTest {};

TEST_F(TacticsProblems, Table)
{
    int n = 0;
    for (const TProblem& pr : kProblems) {
        ++n;
        SCOPED_TRACE(testing::Message() << "problem " << n << ": " << pr.reason);
        const Point got = Solve(pr);
        const std::vector<Point> ok = ParseList(pr.answers);
        const std::vector<Point> bad = ParseList(pr.forbidden);
        const std::string table = CandidateList();
        if (!ok.empty()) {
            EXPECT_NE(std::find(ok.begin(), ok.end(), got), ok.end())
                << "answer " << PointName(got) << ", wanted " << pr.answers << "; candidates" << table;
        }
        EXPECT_EQ(std::find(bad.begin(), bad.end(), got), bad.end())
            << "answer " << PointName(got) << " is forbidden; candidates" << table;
        if (std::getenv("VORN_DUMP"))
            std::cout << "problem " << n << ": " << PointName(got) << " <-" << table << "\n";
    }
}

// A stone in atari whose escape would cut two diagonal links at once: the
// capture is urgent, and ends the tactical stage.  What the escape is worth
// comes from the value of its two cuts.
// clang-format off
const TProblem kDoubleCutProblems[] = {
    {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . O . . . O . .
        . . . . X . . . .
        . . . X O X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     'X', "E6", "", "White's E5 out at E6 would cut at D4 and F4 with C3 and G3 behind the cuts"},
    {R"(
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . O . . . O . . . . .
        . . . . . X . . . . . . .
        . . . . X O X . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .)",
     'X', "F6", "", "the same double cut on 13x13, the cutting stones further off"},
};
// clang-format on

TEST_F(TacticsProblems, DoubleCutsMakeTheCaptureUrgent)
{
    for (const TProblem& pr : kDoubleCutProblems) {
        SCOPED_TRACE(pr.reason);
        const Point want = ParseList(pr.answers).at(0);
        EXPECT_EQ(Solve(pr), want) << "candidates" << CandidateList();
        EXPECT_EQ(g_stageChoice, want) << "the tactical stage did not end with it; candidates" << CandidateList();
    }
}

// Where the tactical answer is urgent enough to end stage 2, the engine's
// move choice plays it (after the opening, and with its refinements).
TEST_F(TacticsProblems, UrgentAnswersAreTheEnginesMove)
{
    int checked = 0;
    for (const TProblem& pr : kProblems) {
        SCOPED_TRACE(pr.reason);
        const Point got = Solve(pr);
        if (got.x == 0 || Koho.Score(BestTactical()) < kSelectUrgent)
            continue;
        ResetProgramState();
        SetBoard(pr.diagram);
        if (pr.toMove == 'O')
            GobanLv[0]->Pass();
        ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
        // The link handlers of the pair answers would speak first.
        PairSources.Relation = [](int, Point, Point) {};
        Point out;
        ThinkMove(out);
        EXPECT_EQ(out, got) << "engine " << PointName(out) << ", tactics " << PointName(got);
        EXPECT_EQ(Level, 0);
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

} // namespace
} // namespace vorn::test

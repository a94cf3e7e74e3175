// The endgame: problems with known answers on settled 9 x 9 positions, the
// endgame played out to two passes (with GNU Go watching the groups), and the
// per-colour cache of values with its edge cases.
//
// Problems name points as column letter and row counted from the top (A is
// the left column, the letter I is used); "pass" when the engine must pass.
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>

#include "DecisionUtil.h"
#include "GnuGo.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Define.h"
#include "board/Hooks.h"
#include "board/Jisho.h"
#include "board/Ren.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// kYoseGap: the one boundary point D5 and dame; kYoseDameOnly: dame only
// (DecisionUtil).
const char* const kGap = kYoseGap;
const char* const kDameOnly = kYoseDameOnly;

// Every point filled: nothing is left to play.
const char* const kFinished = R"(
    . . . X O O . . .
    . . . X O O . . .
    . . . X X O . . .
    . . . X X O . . .
    . . . X O O . . .
    . . . X X O . . .
    . . . X O O . . .
    . . . X X O . . .
    . . . X O O . . .)";

// Black's hane at D9 on the first line ataris White's stone at E9 and White
// must connect at F9: sente.  E1 is worth as much but gote.
const char* const kSente = R"(
    . . . X . . O . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X X O . . .
    . . . . O . O . .)";

// As kSente without E1's shape: the first-line atari alone, and for White
// the extension at D9 is big.
const char* const kFirstLineAtari = R"(
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X X O . . .
    . . . . O . O . .)";

// D5 is worth 25 or more to read between both colours.
const char* const kBigGap = R"(
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . . O O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X X X O . .
    . . . . O O . O .)";

struct TYoseProblem {
    const char* diagram;
    char toMove;
    const char* answers;
    const char* forbidden;
    const char* reason;
};

// clang-format off
const TYoseProblem kProblems[] = {
    {kGap, 'X', "D5", "", "the one boundary point comes before any dame"},
    {kGap, 'O', "D5", "", "the same boundary point for White"},
    {kSente, 'X', "D9", "E1 pass", "a sente first-line atari comes before a gote point of the same size"},
    {kDameOnly, 'X', "E1 E2 E3 E4 E6 E7 E8 E9", "pass", "with only dame left the engine fills one"},
    {kDameOnly, 'O', "E1 E2 E3 E4 E6 E7 E8 E9", "pass", "and so does White"},
    {kFinished, 'X', "pass", "", "nothing left to play: pass"},
    {kFinished, 'O', "pass", "", "nothing left for White either"},
};
// clang-format on

void SetUpProblem(const char* diagram, char toMove)
{
    ResetProgramState();
    SetBoard(diagram);
    if (toMove == 'O')
        GobanLv[0]->Pass();
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
    // The link generators answer links to the edge too, and a first-line
    // connection is also an endgame point: a link candidate found first keeps
    // its reason and can end an earlier stage.  The problems look at the
    // endgame's own answers.
    PairSources.Relation = [](int, Point, Point) {};
}

Point Decide()
{
    Point out;
    ThinkMove(out);
    return out;
}

class YoseProblems : public VornTest {};

TEST_F(YoseProblems, Table)
{
    int n = 0;
    for (const TYoseProblem& pr : kProblems) {
        ++n;
        SCOPED_TRACE(testing::Message() << "problem " << n << ": " << pr.reason);
        SetUpProblem(pr.diagram, pr.toMove);
        const std::uint64_t before = StackHash();
        const Point got = Decide();
        EXPECT_EQ(StackHash(), before) << "the board, record or level changed";
        EXPECT_EQ(Level, 0);
        const std::vector<Point> ok = ParseList(pr.answers);
        const std::vector<Point> bad = ParseList(pr.forbidden);
        const std::string table = CandidateList();
        EXPECT_NE(std::find(ok.begin(), ok.end(), got), ok.end())
            << "answer " << PointName(got) << ", wanted " << pr.answers << "; candidates" << table;
        EXPECT_EQ(std::find(bad.begin(), bad.end(), got), bad.end())
            << "answer " << PointName(got) << " is forbidden; candidates" << table;
        if (got.x > 0) {
            EXPECT_EQ(ThinkStageNo, 8) << "an endgame move ends the last stage";
            // A boundary point that is also the gap of a peeped jump keeps
            // the pair answers' reason in the table.
            EXPECT_TRUE(KohoBestKind == kkYose || KohoBestKind == kkKankei) << int{KohoBestKind};
        }
        if (std::getenv("VORN_DUMP"))
            std::cout << "problem " << n << ": " << PointName(got) << " <-" << table << "\n";
    }
}

// The sente point and the gote point have the same value; the sente one
// carries its follow-up in the bonus.
TEST_F(YoseProblems, SenteAndGotePointsOfOneSize)
{
    SetUpProblem(kSente, 'X');
    Decide();
    const auto sente = KohoValueAt(ParsePoint("D9"));
    const auto gote = KohoValueAt(ParsePoint("E1"));
    ASSERT_TRUE(sente && gote) << CandidateList();
    EXPECT_EQ(*sente, *gote);
    int bonusSente = -1, bonusGote = -1;
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] == ParsePoint("D9"))
            bonusSente = Koho.Bonus[i];
        if (Koho.Pt[i] == ParsePoint("E1"))
            bonusGote = Koho.Bonus[i];
    }
    EXPECT_GT(bonusSente, bonusGote);
}

// --- The endgame played out --------------------------------------------------------

// GNU Go's view of the dragons of one colour: a stone of each chain and
// whether GNU Go calls its dragon alive.
std::map<std::pair<int, int>, bool> AliveStones(GnuGo& gg, int colour)
{
    std::map<std::pair<int, int>, bool> out;
    const TGoban& b0 = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (b0.GetIro(x, y) == colour) {
                const std::string s = gg.Command("dragon_status " + gg.Vertex(Point(x, y)));
                out[{x, y}] = s.rfind("alive", 0) == 0;
            }
    return out;
}

std::string Colour(int c) { return c == kKuro ? "black" : "white"; }

// A chain of colour c next to p has one liberty on the game board.
bool SavesAChainInAtari(Point p, int c)
{
    const TGoban& b0 = *GobanLv[0];
    for (int d = 1; d <= 4; ++d) {
        const Point q{p.x + Dir4X[d], p.y + Dir4Y[d]};
        const TRen* r = b0.GetIroPt(q) == c ? b0.RenList.RenAtPt(q) : nullptr;
        if (r != nullptr && r->Kuu() == 1)
            return true;
    }
    return false;
}

// Both sides are the engine until two passes.  Every move is legal, none is
// played inside the mover's own territory unless a fallback asked for it
// (value 0 with bonus 1 or 2: a dead stone's liberty or a false eye) or it
// saves a chain in atari, and no
// group of the mover that GNU Go called alive is called anything else after
// the move.
void PlayOut(const char* diagram, char toMove)
{
    SetUpProblem(diagram, toMove);
    TGoban& b0 = *GobanLv[0];
    GnuGo gg;
    const bool oracle = GnuGo::Available() && gg.Start(BoardSize);
    if (oracle)
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (b0.GetIro(x, y) != kAki)
                    gg.Command("play " + Colour(b0.GetIro(x, y)) + " " + gg.Vertex(Point(x, y)));
    int passes = 0;
    for (int moves = 0; passes < 2 && moves < 40; ++moves) {
        const int mover = b0.Tejun.NextColor();
        b0.Analyze();
        const Point p = Decide();
        ASSERT_EQ(Level, 0);
        if (p.x == 0) {
            ASSERT_TRUE(b0.Pass());
            if (oracle)
                gg.Command("play " + Colour(mover) + " pass");
            ++passes;
            continue;
        }
        passes = 0;
        ASSERT_GT(p.x, 0) << "no resignation here";
        const bool fallback = KohoBestKind == kkYose && KohoBestValue == 0 && KohoBestBonus >= 1 && KohoBestBonus <= 2;
        EXPECT_TRUE(b0.JiList.GetJiIroPt(p) != mover || fallback || SavesAChainInAtari(p, mover))
            << PointName(p) << " inside the mover's own territory" << CandidateList();
        const auto before = oracle ? AliveStones(gg, mover) : std::map<std::pair<int, int>, bool>{};
        ASSERT_EQ(b0.Utu(p.x, p.y), kUtuOk) << PointName(p);
        b0.Analyze();
        YoseCacheInvalidate(p);
        if (!oracle)
            continue;
        gg.Command("play " + Colour(mover) + " " + gg.Vertex(p));
        const auto after = AliveStones(gg, mover);
        for (const auto& [pt, alive] : before)
            if (alive) {
                const auto it = after.find(pt);
                EXPECT_TRUE(it != after.end() && it->second)
                    << "the group at " << PointName(Point(pt.first, pt.second)) << " died after " << PointName(p);
            }
    }
    EXPECT_EQ(passes, 2) << "the endgame did not end";
}

TEST_F(YoseProblems, EndgamePlayedOutToTwoPasses)
{
    for (const TYoseProblem& pr : kProblems) {
        SCOPED_TRACE(pr.reason);
        PlayOut(pr.diagram, pr.toMove);
    }
}

// --- The cache ----------------------------------------------------------------------

class YoseCacheTest : public VornTest {
protected:
    void Prepare(const char* diagram, int toMove)
    {
        PrepareDecision(diagram, toMove);
        KohoKind = kkYose;
    }
    static int BonusAt(Point p)
    {
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                return Koho.Bonus[i];
        return -1;
    }
    static bool Cell(int colour, Point p, int& v, int& b) { return YoseCacheGet(colour, p, v, b); }
};

TEST_F(YoseCacheTest, ValueOf25OrMoreIsStoredAndProposedAsZeroWithBonus9)
{
    Prepare(kBigGap, kKuro);
    const Point d5 = ParsePoint("D5");
    YoseValue(d5);
    EXPECT_EQ(KohoValueAt(d5), 0) << CandidateList();
    EXPECT_EQ(BonusAt(d5), 9);
    int v = 0, b = 0;
    ASSERT_TRUE(Cell(kKuro, d5, v, b));
    EXPECT_EQ(v, 0);
    EXPECT_EQ(b, 9);
}

TEST_F(YoseCacheTest, BonusIsStoredAsTheTableClampsIt)
{
    Prepare(kGap, kKuro);
    const Point e1 = ParsePoint("E1"), e2 = ParsePoint("E2"), e3 = ParsePoint("E3");
    YoseCacheStore(e1, 0, 40);  // value below 1: at most 9
    YoseCacheStore(e2, 3, 40);  // at most 10 x value
    YoseCacheStore(e3, 2, 300); // a byte, then 10 x value
    int v = 0, b = 0;
    ASSERT_TRUE(Cell(kKuro, e1, v, b));
    EXPECT_EQ(b, 9);
    ASSERT_TRUE(Cell(kKuro, e2, v, b));
    EXPECT_EQ(b, 30);
    ASSERT_TRUE(Cell(kKuro, e3, v, b));
    EXPECT_EQ(b, 20);
    for (Point p : {e1, e2, e3})
        EXPECT_TRUE(Cell(kKuro, p, v, b) && BonusAt(p) == b) << PointName(p);
}

// Black's move at A5 touches White's chain on the fifth row, which has three
// liberties, all outside the square around the move.
const char* const kThreeLiberties = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . X X X X X X X .
    X O O O O O O O .
    . X X X . X X . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(YoseCacheTest, InvalidationClearsTheSquareAndTheZerosOnThreeLibertyChains)
{
    Prepare(kThreeLiberties, kKuro);
    // The white chain's liberties I5, E6 and H6 hold 0, (0, 3) and 4; far
    // away I9 holds 0; C7 lies in the square around A5.
    YoseCacheStore(Pt(9, 5), 0, 0);
    YoseCacheStore(Pt(5, 6), 0, 3);
    YoseCacheStore(Pt(8, 6), 4, 0);
    YoseCacheStore(Pt(9, 9), 0, 0);
    YoseCacheStore(Pt(3, 7), 5, 0);
    // Both colours' caches are kept alike.
    JibunIro = kSiro;
    YoseCacheStore(Pt(9, 5), 0, 0);
    JibunIro = kKuro;
    Point none;
    YoseThink(none); // the cache becomes valid
    ASSERT_EQ(YoseCacheValid, 1);

    YoseCacheInvalidate(Pt(1, 5));
    int v = 0, b = 0;
    EXPECT_FALSE(Cell(kKuro, Pt(9, 5), v, b)) << "a 0 on a liberty of the three-liberty chain";
    EXPECT_FALSE(Cell(kSiro, Pt(9, 5), v, b)) << "White's cache is forgotten alike";
    EXPECT_TRUE(Cell(kKuro, Pt(5, 6), v, b) && v == 0 && b == 3) << "a liberty holding another value";
    EXPECT_TRUE(Cell(kKuro, Pt(8, 6), v, b) && v == 4);
    EXPECT_TRUE(Cell(kKuro, Pt(9, 9), v, b) && v == 0) << "a 0 elsewhere";
    EXPECT_FALSE(Cell(kKuro, Pt(3, 7), v, b)) << "inside the 5 x 5 square";
}

TEST_F(YoseCacheTest, InvalidationBeforeTheFirstYoseThinkChangesNothing)
{
    Prepare(kThreeLiberties, kKuro);
    YoseCacheClear();
    YoseCacheStore(Pt(9, 5), 0, 0);
    YoseCacheStore(Pt(2, 6), 7, 0);
    YoseCacheInvalidate(Pt(1, 5));
    int v = 0, b = 0;
    EXPECT_TRUE(Cell(kKuro, Pt(9, 5), v, b) && v == 0);
    EXPECT_TRUE(Cell(kKuro, Pt(2, 6), v, b) && v == 7);
    // A pass or a point off the board changes nothing either.
    Point none;
    YoseThink(none);
    YoseCacheStore(Pt(2, 6), 7, 0);
    YoseCacheInvalidate(Point());
    YoseCacheInvalidate(Point(0, 5));
    EXPECT_TRUE(Cell(kKuro, Pt(2, 6), v, b) && v == 7);
}

// White's move at E2 would lose two points: stored negative, it is proposed
// at once and read again at the next decision.
const char* const kNegativeBorder = R"(
    . . O . . . . . .
    . X X O . O . . .
    . . . X O . O . .
    . . X . X O . . .
    . . . . X X O . .
    . . O . . . X O .
    . . . X . X . X .
    . O . . . . . . .
    . . . . . . . . .)";

TEST_F(YoseCacheTest, NegativeBorderValueIsProposedAndReadAgain)
{
    Prepare(kNegativeBorder, kSiro);
    const Point e2 = ParsePoint("E2");
    YoseBorderValue(e2);
    const auto v1 = KohoValueAt(e2);
    ASSERT_TRUE(v1.has_value()) << CandidateList();
    EXPECT_LT(*v1, 0);
    int v = 0, b = 0;
    EXPECT_FALSE(Cell(kSiro, e2, v, b)) << "a negative cell counts as empty";
    EXPECT_EQ(YoseCacheValue[kSiro][e2.x][e2.y], *v1);

    // Read again: the reading runs (it analyses), with the same result.
    KohoCount = 0;
    const std::uint64_t before = AnalyzeCount;
    YoseBorderValue(e2);
    EXPECT_GT(AnalyzeCount, before);
    EXPECT_EQ(KohoValueAt(e2), v1);
}

TEST_F(YoseCacheTest, FilledCellIsReAddedWithoutReading)
{
    Prepare(kGap, kKuro);
    const Point d5 = ParsePoint("D5");
    YoseBorderValue(d5);
    const auto first = KohoValueAt(d5);
    ASSERT_TRUE(first && *first > 0) << CandidateList();
    KohoCount = 0;
    const std::uint64_t before = AnalyzeCount;
    YoseBorderValue(d5);
    YoseValue(d5);
    EXPECT_EQ(AnalyzeCount, before);
    EXPECT_EQ(KohoValueAt(d5), first);
}

// White's atari at C4 on Black's five stones: the capture that follows is
// worth more than 100, and travels as the bonus.
const char* const kBigFollowUp = R"(
    . . . . X . . . .
    . . . . . X O . .
    . . . X X O O X .
    . . . X X O X . .
    . . X O O O . X .
    . X O . . O . . .
    . . . O . O X . .
    . . . O . O X . .
    . . . . O X X . .)";

TEST_F(YoseCacheTest, FollowUpOf100OrMoreReadsBackUnchanged)
{
    Prepare(kBigFollowUp, kSiro);
    const Point c4 = ParsePoint("C4");
    YoseAtariValue(c4);
    const auto value = KohoValueAt(c4);
    const int bonus = BonusAt(c4);
    ASSERT_TRUE(value.has_value()) << CandidateList();
    ASSERT_GE(bonus, 100) << CandidateList();
    int v = 0, b = 0;
    ASSERT_TRUE(Cell(kSiro, c4, v, b));
    EXPECT_EQ(v, *value);
    EXPECT_EQ(b, bonus);
    // The next decision proposes the same pair.
    KohoCount = 0;
    YoseValue(c4);
    EXPECT_EQ(KohoValueAt(c4), value);
    EXPECT_EQ(BonusAt(c4), bonus);
}

// The engine plays both colours: Black's value of D9 (a first-line atari,
// small) and White's (an extension, big) are kept apart.
TEST_F(YoseCacheTest, EachColourKeepsItsOwnValues)
{
    const Point d9 = ParsePoint("D9");
    SetUpProblem(kFirstLineAtari, 'X');
    YoseCacheClear();
    Point out;
    ThinkMove(out);
    int vb = 0, bb = 0, vw = 0, bw = 0;
    ASSERT_TRUE(Cell(kKuro, d9, vb, bb));
    EXPECT_FALSE(Cell(kSiro, d9, vw, bw)) << "White has not thought yet";

    // White to move in the same position: its own reading, not Black's value.
    GobanLv[0]->Pass();
    ThinkMove(out);
    ASSERT_TRUE(Cell(kSiro, d9, vw, bw));
    EXPECT_EQ(KohoValueAt(d9), vw);
    EXPECT_NE(std::make_pair(vw, bw), std::make_pair(vb, bb));
    int v = 0, b = 0;
    ASSERT_TRUE(Cell(kKuro, d9, v, b));
    EXPECT_EQ(std::make_pair(v, b), std::make_pair(vb, bb)) << "Black's cell is untouched";

    // Black again: its stored value comes back.
    GobanLv[0]->Pass();
    ThinkMove(out);
    EXPECT_EQ(KohoValueAt(d9), vb);

    YoseCacheClear();
    EXPECT_FALSE(Cell(kKuro, d9, v, b));
    EXPECT_FALSE(Cell(kSiro, d9, v, b));
    EXPECT_EQ(YoseCacheValid, 0);
}

TEST_F(YoseCacheTest, LinkMarksIgnorePointsOffTheBoard)
{
    BoardSize = 9;
    LinkMarkClear();
    for (Point p : {Point(0, 3), Point(3, 0), Point(10, 3), Point(3, 10), Point(-1, -1)}) {
        LinkMark1Set(p, 1);
        LinkMark2Set(p, 1);
    }
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            ASSERT_EQ(LinkMark1[x][y] + LinkMark2[x][y], 0);
    LinkMark1Set(Pt(9, 9), 1);
    EXPECT_EQ(LinkMark1[9][9], 1);
}

} // namespace
} // namespace vorn::test

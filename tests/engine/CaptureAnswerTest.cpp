// The capture answers of the pair list on small positions with known
// answers: chains in atari, ladders, nets and double ataris, from either
// side; and every answer leaves the look-ahead as it found it.
#include <optional>

#include "DecisionUtil.h"
#include "Util.h"

#include "board/Kiri.h"
#include "board/Yomi.h"
#include "engine/CaptureAnswer.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class CaptureAnswerTest : public VornTest {
protected:
    static void Prepare(const char* diagram, int toMove)
    {
        PrepareDecision(diagram, toMove);
        KohoKind = kkToru;
    }

    // The pair of that kind, key point and stone is in the list.
    static bool HasPair(int kind, Point a, Point b)
    {
        const TGoban& g = *GobanLv[0];
        for (int i = 1; i <= g.PairCount(); ++i)
            if (g.PairKind(i) == kind && g.PairPointA(i) == a && g.PairPointB(i) == b)
                return true;
        return false;
    }
};

// Black's stone in atari that can run out.
const char* const kAtariEscape = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . O X O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's stone at (4,4) and White's at (5,4) are both in atari.
const char* const kAtariBoth = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O X . . . .
    . . O X O X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's stone in atari whose extension runs into a ladder.
const char* const kAtariLadder = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . O X O . . . .
    . . . . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's stone with two liberties, caught by the ladder that starts at (5,4).
const char* const kLadder = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . O X . . . . .
    . . . . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's three stones are caught by the ladder from (4,6); White's lone
// stone at (3,5) is itself caught by the ladder that starts at (3,6), and
// playing it frees Black.
const char* const kLadderCounter = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O O . . . . .
    . O X X O . . . .
    . . O X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same with Black's stone at (7,4): after the net Black extends to
// (6,5), White's (6,4) is in atari and Black gets out.
const char* const kNetFails = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O O . . . .
    . . O X X O X . .
    . . . O X . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's two stones share both liberties: after either atari they share
// the escape.
const char* const kSharedEscape = R"(
    . . . . . . . . .
    . . . . X . . . .
    . . . . O X . . .
    . . X O . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

struct AnswerCase {
    const char* name;
    const char* diagram;
    int toMove;
    int kind;
    Point a, b;
    Point expect; // (0, 0): nothing is added
};

TEST_F(CaptureAnswerTest, KnownAnswersForEveryCaptureKind)
{
    const AnswerCase cases[] = {
        {"own chain in atari runs out", kAtariEscape, kKuro, kPairAtariNige, {4, 5}, {4, 4}, {4, 5}},
        {"opponent's chain in atari is taken", kAtariEscape, kSiro, kPairAtariNige, {4, 5}, {4, 4}, {4, 5}},
        {"saved by capturing, not by extending", kAtariBoth, kKuro, kPairAtariNige, {4, 5}, {4, 4}, {5, 5}},
        {"the opponent's chain in atari beside it", kAtariBoth, kKuro, kPairAtariNige, {5, 5}, {5, 4}, {5, 5}},
        {"White saves by capturing too", kAtariBoth, kSiro, kPairAtariNige, {5, 5}, {5, 4}, {4, 5}},
        {"no escape into a ladder", kAtariLadder, kKuro, kPairAtariNige, {4, 5}, {4, 4}, {}},
        {"the ladder's first move", kLadder, kSiro, kPairSicho, {5, 4}, {4, 4}, {5, 4}},
        {"the chain in the ladder runs first", kLadder, kKuro, kPairSicho, {5, 4}, {4, 4}, {5, 4}},
        {"a counter-ladder frees the chain", kLadderCounter, kKuro, kPairSicho, {4, 6}, {3, 4}, {3, 6}},
        {"the net point", kNet, kSiro, kPairGeta, {6, 6}, {4, 4}, {6, 6}},
        // The net as a ladder pair: the attack fills both liberties left
        // after the net, as the chain still has two.
        {"the net's first move as a ladder pair", kNet, kSiro, kPairSicho, {6, 6}, {4, 4}, {6, 6}},
        {"the netted chain runs first", kNet, kKuro, kPairSicho, {6, 6}, {4, 4}, {6, 6}},
        {"the netted chain takes the net point", kNet, kKuro, kPairGeta, {6, 6}, {4, 4}, {6, 6}},
        {"a net the chain breaks out of", kNetFails, kSiro, kPairGeta, {6, 6}, {4, 4}, {}},
        {"the double atari", kDoubleAtari, kKuro, kPairAtari2, {5, 4}, {}, {5, 4}},
        {"the double atari is defended there", kDoubleAtari, kSiro, kPairAtari2, {5, 4}, {}, {5, 4}},
        {"ataris that share the escape", kSharedEscape, kKuro, kPairAtari2, {5, 4}, {}, {}},
        {"ataris that share the escape (other point)", kSharedEscape, kKuro, kPairAtari2, {4, 3}, {}, {}},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        Prepare(c.diagram, c.toMove);
        ASSERT_TRUE(HasPair(c.kind, c.a, c.b)) << "the pair list lacks the pair";
        const std::uint64_t before = StackHash();
        PairAnswerKind2(c.kind, c.a, c.b);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
        if (c.expect.x == 0) {
            EXPECT_EQ(KohoCount, 0);
            continue;
        }
        ASSERT_EQ(KohoCount, 1);
        EXPECT_EQ(Koho.Pt[1], c.expect);
        EXPECT_GT(Koho.Value[1], 0);
        EXPECT_EQ(Koho.Kind[1], kkToru);
    }
}

TEST_F(CaptureAnswerTest, ALadderedChainReadsEveryNeighbour)
{
    // The ladder catches Black's five stones at E3 (liberties C2 and F2).
    // They touch five white chains: F3 in atari at F2, F1 and C1 caught by
    // ladders that start at F2 and C2.  Every neighbour is read and the last
    // answer found stands: the ladder against C1, from C2, frees them.
    Prepare(R"(
        X . O . O X O . .
        O O . X . . X X O
        . . O O X O . O .
        . . X O . X O X .
        X . X O . O O X .
        O . O . O X X X .
        O X . O X O X . X
        O O . X X . O . X
        O . O X X O . X X)",
            kKuro);
    TRen* r = GobanLv[0]->RenList.RenAt(5, 7);
    ASSERT_EQ(r->Kuu(), 2);
    ASSERT_EQ(r->GetSicho(), 1);
    ASSERT_EQ(r->MrenCount(), 5);
    SichoAnswer(Point(6, 8), Point(5, 7));
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Pt[1], Point(3, 8));
    EXPECT_GT(Koho.Value[1], 0);
    EXPECT_EQ(Level, 0);
}

TEST_F(CaptureAnswerTest, BigStakesAreWorthMore)
{
    // Three stones in the net are worth more than the lone stone in atari.
    Prepare(kNet, kSiro);
    GetaAnswer(Point(6, 6), Point(4, 4));
    const std::optional<int> net = KohoValueAt(Point(6, 6));
    Prepare(kAtariEscape, kSiro);
    AtariNigeAnswer(Point(4, 5), Point(4, 4));
    const std::optional<int> one = KohoValueAt(Point(4, 5));
    ASSERT_TRUE(net && one);
    EXPECT_GT(*net, *one);
}

TEST_F(CaptureAnswerTest, TheCaptureIsValuedOnItsOwnAnalysis)
{
    // The value of taking a stone in atari holds the whole gain of the
    // capture, read on the position after it (not on the analysis left on
    // the look-ahead board by the reading of the escape).
    Prepare(kAtariEscape, kSiro);
    const int capture = UtuHyoka(kSiro, Point(4, 5));
    ASSERT_GT(capture, 0);
    AtariNigeAnswer(Point(4, 5), Point(4, 4));
    const std::optional<int> v = KohoValueAt(Point(4, 5));
    ASSERT_TRUE(v);
    EXPECT_GE(*v, capture - 1);
}

TEST_F(CaptureAnswerTest, NetEscapeLeadsTowardAFriendlyStone)
{
    // Black's stone at (3,3) touches both liberties (4,3) and (3,4); the net
    // point is (4,4).  The block (3,3)-(5,5) is empty.
    SetBoard(R"(
        . . . . . . . . .
        . . O . . . . . .
        . O X . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const Point s(3, 3), a(4, 4);
    EXPECT_EQ(GetaEscapePoint(a, s), a);
    // A friendly stone beyond the block below: run down.
    GobanLv[0]->SetIro(3, 6, kKuro);
    EXPECT_EQ(GetaEscapePoint(a, s), Point(3, 4));
    // Beyond it to the right only: run right.
    GobanLv[0]->SetIro(3, 6, kAki);
    GobanLv[0]->SetIro(6, 3, kKuro);
    EXPECT_EQ(GetaEscapePoint(a, s), Point(4, 3));
    // An enemy stone beyond does not lead anywhere.
    GobanLv[0]->SetIro(6, 3, kSiro);
    EXPECT_EQ(GetaEscapePoint(a, s), a);
    // Any stone inside the block: the net point itself.
    GobanLv[0]->SetIro(6, 3, kKuro);
    GobanLv[0]->SetIro(5, 5, kSiro);
    EXPECT_EQ(GetaEscapePoint(a, s), a);
    // A net point that is not diagonal to the stone.
    EXPECT_EQ(GetaEscapePoint(Point(5, 3), s), Point(5, 3));
    EXPECT_EQ(GetaEscapePoint(a, Point()), a);
}

TEST_F(CaptureAnswerTest, AnswersAboveTheGameBoardComeBackToTheirLevel)
{
    // Called on a look-ahead level with a move on it, an answer leaves that
    // level, its move and the game board as they were.
    struct Case {
        const char* diagram;
        int kind;
        Point a, b;
    } cases[] = {
        {kAtariBoth, kPairAtariNige, {4, 5}, {4, 4}},
        {kLadderCounter, kPairSicho, {4, 6}, {3, 4}},
        {kNet, kPairGeta, {6, 6}, {4, 4}},
        {kDoubleAtari, kPairAtari2, {5, 4}, {}},
    };
    for (const Case& c : cases) {
        Prepare(c.diagram, kKuro);
        ASSERT_TRUE(YomiPushUtu(kKuro, Point(9, 9)));
        CurGoban().Analyze();
        const std::uint64_t before = StackHash();
        PairAnswerKind2(c.kind, c.a, c.b);
        EXPECT_EQ(Level, 1) << c.kind;
        EXPECT_EQ(StackHash(), before) << c.kind;
        EXPECT_GE(KohoCount, 1) << c.kind;
        YomiModosu();
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(CaptureAnswerTest, MissingChainsAndOutsidePointsAreIgnored)
{
    Prepare(kDoubleAtari, kKuro);
    const std::uint64_t before = StackHash();
    const Point bad[] = {Point(), Point(-1, 4), Point(10, 10), Point(20, 20), Point(5, 9), Point(4, 4)};
    for (int kind = kPairAtariNige; kind <= kPairAtari2; ++kind)
        for (Point a : bad)
            for (Point b : bad) {
                const int k0 = KohoCount;
                PairAnswerKind2(kind, a, b);
                ASSERT_EQ(StackHash(), before);
                EXPECT_EQ(KohoCount, k0) << kind << " " << a.x << "," << a.y << " " << b.x << "," << b.y;
            }
    // An empty point named as the chain, a stone named as the key point.
    AtariNigeAnswer(Point(5, 4), Point(5, 4));
    SichoAnswer(Point(4, 3), Point(5, 5));
    GetaAnswer(Point(4, 4), Point(1, 1));
    Atari2Answer(Point(4, 4));
    Atari2Point(Point(5, 4));
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(KohoCount, 0);
}

// Positions from seeded random games: every capture answer of every pair
// leaves the look-ahead as it found it, and whatever it adds is a legal point.
TEST_F(CaptureAnswerTest, RandomGamesLeaveTheBoardsAlone)
{
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        ResetProgramState();
        RandSeed(seed);
        BoardSize = 9;
        GobanLv[0]->NewGame();
        TGoban& b0 = *GobanLv[0];
        for (int move = 0; move < 50; ++move) {
            const Point p = RandomMove(b0);
            if (p.x == 0)
                break;
            ASSERT_EQ(b0.Utu(p.x, p.y), kUtuOk);
            if (move < 20 || move % 3 != 0)
                continue;
            Point none;
            VornThink0(-1, none);
            KohoCount = 0;
            const std::uint64_t before = StackHash();
            for (int i = 1; i <= b0.PairCount(); ++i)
                if (b0.PairKind(i) > kPairJi)
                    PairAnswerKind2(b0.PairKind(i), b0.PairPointA(i), b0.PairPointB(i));
            ASSERT_EQ(StackHash(), before) << "seed " << seed << " move " << move;
            for (int i = 1; i <= KohoCount; ++i)
                EXPECT_TRUE(LegalOnGame(Koho.Pt[i])) << seed << ' ' << move;
        }
    }
}

} // namespace
} // namespace vorn::test

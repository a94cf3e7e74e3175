// The weak group's answers to pending link pairs: which entries of the pair
// list each range answers (by kind, and by where their points lie against
// the group's area), in which order the handler gets the two points, and
// which entries stay pending.  Then the relation moves of a weak group: the
// pattern pair table starts empty for each group, and the patterns propose
// candidates again afterwards.
#include <vector>

#include "DecisionUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankeiWide.h"

namespace vorn::test {
namespace {

struct TCall {
    int kind;
    Point a, b;
};

std::vector<TCall> g_seen;

void Record(int kind, Point a, Point b) { g_seen.push_back({kind, a, b}); }

const char* const kEmpty = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

class PairRangeTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        PrepareDecision(kEmpty, kKuro);
        g_seen.clear();
        PairSources.Relation = Record;
        GobanLv[0]->PairClear();
        // The area: the left half of the board (columns 1 to 4).
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                KohoTeMap[x][y] = x <= 4 ? 1 : 0;
    }
    void TearDown() override
    {
        PairAnswerReset();
        GobanLv[0]->PairClear();
        VornTest::TearDown();
    }
    // The kinds of the entries now marked answered, in list order.
    static std::vector<int> Answered()
    {
        const TGoban& b = *GobanLv[0];
        std::vector<int> kinds;
        for (int i = 1; i <= b.PairCount(); ++i)
            if (b.PairFlag(i) == 1)
                kinds.push_back(b.PairKind(i));
        return kinds;
    }
};

// Link kinds 2 to 13, the list's blank kinds 14 and 19, the vital point
// (20) and an escape (21), all inside the area: the first range takes the
// links up to the large knight's move (7), the second the (2,3) shape (8)
// and beyond, up to 19; 20 and 21 are no links and stay pending.
TEST_F(PairRangeTest, EachRangeTakesItsKindsAndLeavesTheCaptureKinds)
{
    TGoban& b = *GobanLv[0];
    for (int k : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 19, int{kPairJi}, int{kPairAtariNige}})
        b.PairAdd(Point(1, k % 9 + 1), Point(2, k % 9 + 1), k);
    PairAnswerRange(1);
    EXPECT_EQ(Answered(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    PairAnswerRange(2);
    EXPECT_EQ(Answered(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 19}));
    // The handler saw the link kinds only, each once, in list order.
    ASSERT_EQ(g_seen.size(), 14U);
    EXPECT_EQ(g_seen[5].kind, 7);
    EXPECT_EQ(g_seen[6].kind, 8);
    EXPECT_EQ(g_seen[13].kind, 19);
}

// The second range alone leaves the large knight's move (7) and takes the
// (2,3) shape (8); the first alone the reverse.
TEST_F(PairRangeTest, TheBoundBetweenTheRangesIsBetweenSevenAndEight)
{
    TGoban& b = *GobanLv[0];
    b.PairAdd(Point(1, 1), Point(2, 1), 7);
    b.PairAdd(Point(1, 2), Point(2, 2), 8);
    PairAnswerRange(2);
    EXPECT_EQ(Answered(), std::vector<int>{8});
    b.PairFlagsClear();
    PairAnswerRange(1);
    EXPECT_EQ(Answered(), std::vector<int>{7});
}

// The pair list keeps the point added second as A and the first as B; the
// handler gets B (the threatened stone) first and A second.
TEST_F(PairRangeTest, TheHandlerGetsTheListsSecondPointFirst)
{
    TGoban& b = *GobanLv[0];
    b.PairAdd(Point(2, 3), Point(4, 4), 4);
    ASSERT_EQ(b.PairPointA(1), Point(4, 4));
    PairAnswerRange(1);
    ASSERT_EQ(g_seen.size(), 1U);
    EXPECT_EQ(g_seen[0].a, Point(2, 3));
    EXPECT_EQ(g_seen[0].b, Point(4, 4));
}

// An entry answered before (by the pair answers or an earlier group) is not
// answered again, whatever its kind.
TEST_F(PairRangeTest, AnEntryAnsweredBeforeIsLeftAlone)
{
    TGoban& b = *GobanLv[0];
    b.PairAdd(Point(1, 1), Point(2, 1), 3);
    b.PairAdd(Point(1, 2), Point(2, 2), 4);
    b.PairAdd(Point(1, 3), Point(2, 3), 10);
    b.SetPairFlag(1, 1);
    b.SetPairFlag(3, 1);
    PairAnswerRange(1);
    PairAnswerRange(2);
    ASSERT_EQ(g_seen.size(), 1U);
    EXPECT_EQ(g_seen[0].kind, 4);
}

// Both points on the board: both must lie in the area.  One point off the
// board: the other must.  Both off: never.
TEST_F(PairRangeTest, ThePointsOnTheBoardMustLieInTheArea)
{
    TGoban& b = *GobanLv[0];
    const Point off(0, 0);
    b.PairAdd(Point(4, 1), Point(4, 2), 2); // both in: answered
    b.PairAdd(Point(4, 3), Point(5, 3), 3); // second out: not
    b.PairAdd(Point(5, 4), Point(4, 4), 4); // first out: not
    b.PairAdd(off, Point(3, 5), 5);         // one off, the other in: answered
    b.PairAdd(Point(3, 6), off, 6);         // the same the other way round
    b.PairAdd(off, Point(6, 7), 7);         // one off, the other out: not
    b.PairAdd(Point(6, 8), off, 3);         // the same the other way round
    b.PairAdd(off, off, 2);                 // both off: not
    PairAnswerRange(1);
    EXPECT_EQ(Answered(), (std::vector<int>{2, 5, 6}));
    EXPECT_EQ(b.PairFlag(1), 1);
    EXPECT_EQ(b.PairFlag(8), 0);
}

// Black's D4 with White's E7 a large knight's move away (13 x 13), and
// Black's lone K10 far from every white stone (more than four lines off).
const char* const kTwoGroups = R"(
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . X . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . O . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . X . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .)";

class RelationMovesTest : public VornTest {};

// The relation moves of the group at p, under the weak-group reason.
void MovesOf(Point p)
{
    const TGun* g = GobanLv[0]->GunList.GetGunAt(p);
    ASSERT_NE(g, nullptr);
    KohoKind = kkWeakGun;
    WeakGunKankeiMoves(*g);
}

// K10 has no relation to a white stone and no one-space jump toward a
// living group of Black's: its relation moves are none, also right after
// D4's moves filled the pair table.
TEST_F(RelationMovesTest, TheLoneFarStoneHasNoMovesAfterAnotherGroups)
{
    PrepareDecision(kTwoGroups, kKuro);
    MovesOf(Point(4, 10));
    ASSERT_GT(GunKankeiPairCount, 0) << "D4's large knight's move to E7 records its pairs";
    KohoClear();
    MovesOf(Point(10, 4));
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(GunKankeiPairCount, 0);
}

// After the relation moves the patterns of groups propose candidates again
// instead of recording pairs.
TEST_F(RelationMovesTest, ThePatternsProposeCandidatesAgainAfterwards)
{
    PrepareDecision(kTwoGroups, kKuro);
    MovesOf(Point(4, 10));
    const int pairs = GunKankeiPairCount;
    KohoClear();
    KohoKind = kkGunKankei;
    GunKankei7Utu(Point(4, 10), Point(5, 7), 0);
    EXPECT_GT(KohoCount, 0);
    EXPECT_EQ(GunKankeiPairCount, pairs);
}

} // namespace
} // namespace vorn::test

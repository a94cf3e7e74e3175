// Territory moves and the last moves: the 2-2 invasions, the fills of a
// group's one territory by its size, the conditions under which the last
// moves stand down, and a sweep of random positions through every late
// generator that checks the boards come back as they were.
#include "DecisionUtil.h"
#include "Util.h"

#include <algorithm>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/Rand.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/LastThink.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

class LastThinkTest : public VornTest {};

// Four settled corners: Black owns the left, White the right.
const char* const kCorners = kYoseGap;

TEST_F(LastThinkTest, TwoTwoPointsOfNineByNineInTheirOrder)
{
    PrepareDecision(kCorners, kKuro);
    KohoKind = kkWeakGunKankei;
    JiNiNi();
    ASSERT_EQ(KohoCount, 4) << CandidateList();
    const Point order[4] = {Pt(2, 2), Pt(2, 8), Pt(8, 2), Pt(8, 8)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Koho.Pt[i + 1], order[i]);
        EXPECT_EQ(Koho.Kind[i + 1], kkWeakGunKankei) << "the reason in force is kept";
    }
    EXPECT_EQ(Level, 0);
}

TEST_F(LastThinkTest, InvasionWorthNothingIsAddedAsMinusOne)
{
    PrepareDecision(kCorners, kKuro);
    // White's invasion at B2 after Black's best answer on the second line is
    // worth exactly nothing to White.
    const Point b2 = Pt(2, 2);
    int v = 0;
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(kSiro, b2));
        v = Hyoka(kSiro);
        for (Point e : {Pt(3, 2), Pt(2, 3)}) {
            TYomiTrial answer;
            ASSERT_TRUE(answer.Play(kKuro, e));
            v = std::min(v, Hyoka(kSiro));
        }
    }
    ASSERT_EQ(v, 0);
    JiNiNi();
    EXPECT_EQ(KohoValueAt(b2), -1) << CandidateList();
    Point out;
    JiThink(out);
    EXPECT_EQ(out, Point()) << "nothing reaches 220";
}

TEST_F(LastThinkTest, LastMovesStandDownForAParkedKoOrALead)
{
    PrepareDecision(kCorners, kKuro);
    const Point d5 = ParsePoint("D5");
    AddKoho(d5, 3, 0);
    Point out;

    KeiseiHandanNow = 1;
    KouKohoValue = 0;
    LastThink(out);
    EXPECT_EQ(out, d5) << "any candidate of score 1 or more";

    KouKohoValue = 5; // a candidate is parked on the ko point
    LastThink(out);
    EXPECT_EQ(out, Point());

    KouKohoValue = 0;
    KeiseiHandanNow = 2;
    LastThink(out);
    EXPECT_EQ(out, Point());
}

// Black's group around the upper-left corner, its one territory of the size
// given; White's wall outside.
struct TFillCase {
    const char* what;
    const char* diagram;
    int fills; // candidates of value 8 expected
};

// clang-format off
const TFillCase kFillCases[] = {
    {"8 points", R"(
        X . . X O . . . .
        . . . X O . . . .
        . . . X O . . . .
        X X X X O . . . .
        O O O O O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", 0},
    {"9 points", R"(
        . . . X O . . . .
        . . . X O . . . .
        . . . X O . . . .
        X X X X O . . . .
        O O O O O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", 1},
    {"12 points", R"(
        . . . X O . . . .
        . . . X O . . . .
        . . . X O . . . .
        . . . X O . . . .
        X X X X O . . . .
        O O O O O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", 2},
    {"13 points", R"(
        . . . X O . . . .
        . . . X O . . . .
        . . . X O . . . .
        . . . . X O . . .
        X X X X O . . . .
        O O O O O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", 0},
};
// clang-format on

TEST_F(LastThinkTest, TerritoryFillsByTheSizeOfTheOneTerritory)
{
    for (const TFillCase& c : kFillCases) {
        SCOPED_TRACE(c.what);
        PrepareDecision(c.diagram, kSiro);
        const TGun* g = GobanLv[0]->GunList.GetGunAt(Pt(4, 1));
        ASSERT_NE(g, nullptr);
        ASSERT_GE(g->GetMe(), 4);
        ASSERT_LE(g->GetMe(), 6);
        Point out;
        GunJiThink(out);
        int fills = 0;
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Value[i] == 8) {
                ++fills;
                EXPECT_EQ(GobanLv[0]->JiList.GetJiIroPt(Koho.Pt[i]), kKuro) << PointName(Koho.Pt[i]);
            }
        EXPECT_EQ(fills, c.fills) << CandidateList();
        EXPECT_EQ(out, Point()) << "value 8 waits for the later stages";
    }
}

TEST_F(LastThinkTest, NoFillWithTwoTerritories)
{
    // Black's group has two territories (3 x 3 and 3 x 3).
    PrepareDecision(R"(
        . . . X . . . X O
        . . . X . . . X O
        . . . X . . . X O
        X X X X X X X X O
        O O O O O O O O O
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
                    kSiro);
    const TGun* g = GobanLv[0]->GunList.GetGunAt(Pt(4, 1));
    ASSERT_NE(g, nullptr);
    int positive = 0;
    for (int i = 1; i <= g->GetJisu(); ++i)
        if (TJi* ji = GobanLv[0]->JiList.GetJi(g->GetJi(i)))
            positive += ji->CalcMe() > 0 ? 1 : 0;
    ASSERT_EQ(positive, 2);
    GunJiFill(*g);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
}

// --- Random positions through every late generator --------------------------------

void RandomPosition(int size, int stones)
{
    ResetProgramState();
    BoardSize = size;
    GobanLv[0]->NewGame();
    for (int i = 0; i < stones; ++i) {
        const Point p = RandomMove(*GobanLv[0]);
        if (p.x == 0)
            break;
        GobanLv[0]->Utu(p.x, p.y);
    }
}

TEST(LateSoak, GeneratorsLeaveTheBoardsAsTheyFoundThem)
{
    for (int seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(seed);
        RandSeed(static_cast<std::uint64_t>(seed));
        RandomPosition(9, 10 + seed * 2);
        Point none;
        VornThink0(-1, none);
        const std::uint64_t before = StackHash();
        KeiseiHandanNow = 0; // let the last moves run
        Point out;
        for (void (*generator)(Point&) : {WeakGunThink, JiThink, GunJiThink, LastThink, YoseThink}) {
            generator(out);
            ASSERT_EQ(Level, 0);
            ASSERT_EQ(StackHash(), before);
            if (out.x != 0) {
                ASSERT_TRUE(LegalOnGame(out)) << PointName(out);
            }
        }
        for (int i = 1; i <= KohoCount; ++i)
            ASSERT_EQ(GobanLv[0]->GetIroPt(Koho.Pt[i]), kAki) << PointName(Koho.Pt[i]);
    }
    ResetProgramState();
}

} // namespace
} // namespace vorn::test

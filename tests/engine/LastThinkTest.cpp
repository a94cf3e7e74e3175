// Territory moves and the last moves: the 2-2 invasions, the fills of a
// group's one territory by its size, the conditions under which the last
// moves stand down, and a sweep of random positions through every late
// generator that checks the boards come back as they were.
#include "DecisionUtil.h"
#include "Util.h"
#include "engine/links/LinkUtil.h"

#include <algorithm>
#include <vector>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/Rand.h"
#include "board/Ren.h"
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

// Black's wall along the second line with White's lone stones on the first
// line at B1, D1, F1, H1 and White's J3 below its end, each with two
// liberties; White's C3 (beside Black's B3) has D3 and C4 left, C4 closed
// by White's B4, D4 and C5.
const char* const kFiveLadders = R"(
    . O . O . O . O .
    X X X X X X X X X
    . X O . . . . . O
    . O . O . . . . .
    . . O . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(LastThinkTest, AtariReadsEveryTwoLibertyNeighbourAndTheLastWins)
{
    PrepareDecision(kFiveLadders, kKuro);
    TRen* c3 = GobanLv[0]->RenList.RenAtPt(Pt(3, 3));
    ASSERT_NE(c3, nullptr);
    ASSERT_EQ(c3->Kuu(), 2);
    // Black's C4 would have no liberty: only D3 is read. Black joins the
    // wall at D3, White extends to C4; the wall then touches five white
    // chains with two liberties, met along it from the left: B1, D1, F1,
    // H1 and last J3.
    int expect = 0, fourth = 0;
    {
        TYomiTrial t;
        ASSERT_TRUE(t.PushPlay(kKuro, Pt(4, 3)));
        ASSERT_TRUE(t.Play(kSiro, Pt(3, 4)));
        ToruRenMake();
        const TRen* wall = ToruRenAt(Pt(4, 3));
        ASSERT_NE(wall, nullptr);
        std::vector<Point> two;
        for (int k = 1; k <= wall->MrenCount(); ++k) {
            const TRen* m = CurGoban().RenList.Items(wall->Mren(k));
            if (m != nullptr && m->Kuu() == 2)
                two.push_back(m->GetIsi(1));
        }
        ASSERT_EQ(two, (std::vector<Point>{Pt(2, 1), Pt(4, 1), Pt(6, 1), Pt(8, 1), Pt(9, 3)}));
        Point first, firstH1;
        ASSERT_TRUE(ToruSicho(Pt(9, 3), &first));
        ASSERT_TRUE(ToruSicho(Pt(8, 1), &firstH1));
        {
            TYomiTrial ladder;
            ASSERT_TRUE(ladder.PushPlay(kKuro, first));
            expect = Hyoka(kKuro);
        }
        {
            TYomiTrial ladder;
            ASSERT_TRUE(ladder.PushPlay(kKuro, firstH1));
            fourth = Hyoka(kKuro);
        }
    }
    ASSERT_NE(expect, fourth) << "the position tells the fifth chain from the fourth";
    const Point p = Pt(5, 7);
    LastRenAtari(c3, p);
    EXPECT_EQ(KohoValueAt(p), expect) << CandidateList();
    EXPECT_EQ(Level, 0);
}

// White's diagonal E2 (second line) - F3 (third line) along the top edge;
// Black's D2 beside E2, and Black's G1, H3 and J3 leave the second line
// beyond F2 three, three and two empty neighbours at G2, H2 and J2.
const char* const kKosumiLadder = R"(
    . . . . . . X . .
    . . . X O . . . .
    . . . . . O . X X
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(LastThinkTest, HaneOnTheSecondLineStartsALadderOnEveryEdge)
{
    // Of the two crossing points of E2-F3 only F2 is on the second line:
    // it has two empty neighbours, F3 has four liberties, and Black's hane
    // there leaves E2 with E1 and E3, caught by the ladder from E3. So F2
    // is proposed with 12 on every edge, from either stone of the diagonal.
    for (int t = 0; t < 8; ++t) {
        SCOPED_TRACE(t);
        const Point t2 = Sym(Pt(5, 2), t), t3 = Sym(Pt(6, 3), t), hane = Sym(Pt(6, 2), t);
        for (const bool twoFirst : {true, false}) {
            SymDecision(kKosumiLadder, t, kKuro);
            KohoCount = 0;
            if (twoFirst)
                LastKosumiLadder(t2, t3);
            else
                LastKosumiLadder(t3, t2);
            ASSERT_EQ(KohoCount, 1) << CandidateList();
            EXPECT_EQ(Koho.Pt[1], hane);
            EXPECT_EQ(Koho.Value[1], 12);
            EXPECT_EQ(Level, 0);
        }
    }
}

// White's knight's move D4-F5 with Black's weak three stones A5-C5 pressed
// against it from the side of D4: C5 is the point beyond D5 (on F5's line
// beside D4) coming from E5.  White's C8 leaves the push worth little to
// Black, and nothing of White's stands where D4 would run along row 4.
const char* const kKeimaPush = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . O . . . . .
    X X X . . O . . .
    O O O . . . . . .
    . . . . . . . . .
    . . O . . . . . .
    . . . . . . . . .)";

TEST_F(LastThinkTest, PushThroughTheKnightsMoveFromTheWeakGroupsSide)
{
    PrepareDecision(kKeimaPush, kKuro);
    const Point a = Pt(4, 4), b = Pt(6, 5);
    const TGun* pusher = GobanLv[0]->GunList.GetGunAt(Pt(3, 5));
    ASSERT_NE(pusher, nullptr);
    ASSERT_LT(pusher->GetMe(), 3);
    ASSERT_GE(pusher->GetIsiSu(), 3);
    // Black pushes at D5 and E4, White answers at E5.  That is worth less
    // than 4 to Black, and White's D4, left with C4 and D3, is then caught
    // by the ladder from D3 (C4, C3, B4, B3, A4, and A3 takes four stones),
    // while F5, joined to E5, has four liberties.  So Black's D3 is read
    // too.  The stone watched is D4 from either end: read from F5, the black
    // stone is found beyond D5 coming from E5, and the end beside D5 is D4.
    // The candidate is D5 with a third of the value after D3.
    int v = 0, pushed = 0;
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(kKuro, Pt(4, 5)));
        ASSERT_TRUE(t.Play(kKuro, Pt(5, 4)));
        ASSERT_TRUE(t.Play(kSiro, Pt(5, 5)));
        pushed = Hyoka(kKuro);
        ASSERT_LT(pushed, 4);
        EXPECT_FALSE(ToruSicho(b));
        Point first;
        ASSERT_TRUE(ToruSicho(a, &first));
        ASSERT_EQ(first, Pt(4, 3));
        TYomiTrial ladder;
        ASSERT_TRUE(ladder.Play(kKuro, first));
        v = Hyoka(kKuro);
    }
    ASSERT_NE(v / 3, pushed / 3) << "the ladder decides the value";
    for (const bool fromA : {true, false}) {
        SCOPED_TRACE(fromA);
        KohoCount = 0;
        if (fromA)
            LastKeimaPush(a, b);
        else
            LastKeimaPush(b, a);
        EXPECT_EQ(KohoValueAt(Pt(4, 5)), v / 3) << CandidateList();
        EXPECT_EQ(KohoCount, 1) << CandidateList();
        EXPECT_EQ(Level, 0);
    }
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

// The evaluation and the position judgement on small positions whose
// analysis tables (area map, dead-stone marks, eye verdicts) are set by hand,
// so that each term is checked on its own.
#include <cmath>
#include <limits>
#include <stdexcept>

#include "Util.h"

#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Yomi.h"
#include "board/KuuIsi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class HyokaTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        SetBoard(R"(
            . . . . .
            . . . . .
            . . . . .
            . . . . .
            . . . . .)");
        for (TGoban* b : {GobanLv[0], GobanLv[1]}) {
            FillGrid<std::uint8_t, 1, 19>(b->Death, 0);
            FillGrid<std::uint8_t, 1, 19>(b->KakemeMap, 0);
        }
    }
    // Sets the area map (and its display copy) from rows of values.
    static void SetArea(std::initializer_list<std::initializer_list<int>> rows)
    {
        int y = 1;
        for (auto row : rows) {
            int x = 1;
            for (int a : row) {
                AreaMap[x][y] = a;
                AreaMapView[x][y] = a;
                ++x;
            }
            ++y;
        }
    }
};

TEST_F(HyokaTest, EmptyBoardScoresTheAreaMap)
{
    EXPECT_EQ(HyokaCalc(), 0);
    SetArea({{2, 2, 1, 0, -1}, {2, 1, 0, -1, -2}, {1, 0, 0, 0, -2}, {0, 0, 0, -1, -2}, {0, 0, 0, -2, -2}});
    EXPECT_EQ(HyokaCalc(), 9 - 13);
    EXPECT_EQ(AreaKuro, 9);
    EXPECT_EQ(AreaSiro, 13);
    EXPECT_EQ(DeadKuro + DeadSiro + WeakGunKuro + WeakGunSiro + SemeaiKuro + SemeaiSiro, 0);
    EXPECT_EQ(MeGainKuro + MeGainSiro + KakemeKuro + KakemeSiro + GunAreaKuro + GunAreaSiro, 0);
}

TEST_F(HyokaTest, StonesAreNoAreaAndDeadStonesCountFour)
{
    SetBoard(R"(
        . X . O .
        . X . O .
        . X . O .
        . X . . .
        . . . . .)");
    SetArea({{2, 2, 0, -2, -2}, {2, 2, 0, -2, -2}, {2, 2, 0, -2, -2}, {2, 2, 0, 0, 0}, {0, 0, 0, 0, 0}});
    // Black: (1,1..4) 8; the stones at column 2 are not area.  White: (5,1..3) 6.
    EXPECT_EQ(HyokaCalc(), 8 - 6);
    GobanLv[0]->Death[4][1] = 1;
    GobanLv[0]->Death[4][2] = 1;
    GobanLv[0]->Death[2][4] = 1;
    EXPECT_EQ(DeadKuro, 0);
    EXPECT_EQ(HyokaCalc(), 8 - 6 - 4 + 8);
    EXPECT_EQ(DeadKuro, 4);
    EXPECT_EQ(DeadSiro, 8);
}

TEST_F(HyokaTest, FalseEyesDoNotCountAsArea)
{
    SetArea({{3, 2, 0, -1, -2}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    TGoban& b = *GobanLv[0];
    b.KakemeMap[1][1] = 1; // false: all of its 3
    b.KakemeMap[2][1] = 2; // maybe false: 1
    b.KakemeMap[3][1] = 1; // no area there: nothing
    b.KakemeMap[4][1] = 4; // not an eye: 1
    b.KakemeMap[5][1] = 3; // a real eye: nothing
    EXPECT_EQ(HyokaCalc(), (5 - 3) - (3 - 1) - 1 + 0);
    EXPECT_EQ(KakemeKuro, 4);
    EXPECT_EQ(KakemeSiro, 1);
}

TEST_F(HyokaTest, PrisonersOfEveryLevelCount)
{
    SetBoard(R"(
        O X . . .
        . . . . .
        . . . . .
        . . . . .
        . . . O X)");
    TGoban& b0 = *GobanLv[0];
    ASSERT_EQ(b0.Utu(1, 2), kUtuOk); // black takes the corner stone
    EXPECT_EQ(HyokaCalc(), 2);
    // White takes back a stone on the look-ahead level.
    GobanLv[1]->CopyBan(b0);
    Level = 1;
    ASSERT_EQ(GobanLv[1]->Utu(5, 4), kUtuOk);
    EXPECT_EQ(GobanLv[1]->GetIro(5, 5), kAki);
    EXPECT_EQ(HyokaCalc(), 0);
    Level = 0;
    EXPECT_EQ(HyokaCalc(), 2);
}

TEST_F(HyokaTest, BaseAndDifferenceFromEitherSide)
{
    SetArea({{2, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    HyokaBase();
    EXPECT_EQ(HyokaBaseValue, 2);
    AreaMap[5][5] = 1;
    AreaMap[4][5] = 1;
    EXPECT_EQ(HyokaDiff(kKuro), 2);
    EXPECT_EQ(HyokaDiff(kSiro), -2);
    SaveHyokaBase();
    HyokaBase();
    EXPECT_EQ(HyokaBaseValue, 4);
    EXPECT_EQ(HyokaDiff(kKuro), 0);
    RestoreHyokaBase();
    EXPECT_EQ(HyokaBaseValue, 2);
}

TEST_F(HyokaTest, JudgementCountsKomiInHalfPoints)
{
    Komi = 6.5f;
    JibunIro = kKuro;
    EXPECT_EQ(KeiseiHandanCalc(), -13);
    SetArea({{2, 2, 0, 0, -1}, {2, 0, 0, 0, -1}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    EXPECT_EQ(KeiseiHandanCalc(), -13 + 6 - 2);
    EXPECT_EQ(KeiseiHandan(), -9);
    JibunIro = kSiro;
    EXPECT_EQ(KeiseiHandan(), 9);
    Komi = 0.5f;
    EXPECT_EQ(KeiseiHandanCalc(), -1 + 4);
    Komi = -5.0f; // a reverse komi
    EXPECT_EQ(KeiseiHandanCalc(), 10 + 4);
    // A komi no game can have is read as none.
    Komi = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(KeiseiHandanCalc(), 4);
    Komi = 1e30f;
    EXPECT_EQ(KeiseiHandanCalc(), 4);
}

TEST_F(HyokaTest, JudgementCountsPrisonersAndDeadStones)
{
    SetBoard(R"(
        . X O . .
        X O . . .
        . X . . .
        . . . . .
        . . . . .)");
    Komi = 0;
    TGoban& b0 = *GobanLv[0];
    ASSERT_EQ(b0.Utu(3, 2), kUtuOk); // black captures (2, 2)
    EXPECT_EQ(b0.Tejun.Hama(kKuro), 1);
    EXPECT_EQ(KeiseiHandanCalc(), 2);
    b0.Death[3][1] = 1; // a dead white stone
    EXPECT_EQ(KeiseiHandanCalc(), 6);
    b0.Death[2][1] = 1; // a dead black stone
    EXPECT_EQ(KeiseiHandanCalc(), 2);
    // Only the game board is judged.
    Level = 1;
    GobanLv[1]->CopyBan(b0);
    EXPECT_EQ(KeiseiHandanCalc(), 2);
    Level = 0;
}

TEST_F(HyokaTest, ApproachPlayLowersTheValueOfAWideDiagonal)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . X . O . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TGoban& b0 = *GobanLv[0];
    b0.Analyze();
    Arr<Point, 1, kMaxKankei> partners;
    ASSERT_EQ(b0.GetLocatePt(Point(3, 3)).GetKindPoints(kKuro, KankeiNaname2, partners), 1);
    HyokaBase();
    // White's approach between the two stones, next to its own stone.
    ASSERT_TRUE(YomiPushUtu(kSiro, Point(4, 4)));
    const int afterApproach = Hyoka(kKuro);
    YomiModosu();
    ASSERT_EQ(Level, 0);
    EXPECT_EQ(KakariMin(Point(3, 3), 1000), afterApproach);
    EXPECT_EQ(KakariMin(Point(3, 3), -1000), -1000);
    EXPECT_EQ(Level, 0);
    // Without a white stone next to the middle point nothing is tried.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . O
        . . . . . . . . .
        . . . . . . . . .)");
    b0.Analyze();
    EXPECT_EQ(KakariMin(Point(3, 3), 1000), 1000);
    // An empty point has no partners.
    EXPECT_EQ(KakariMin(Point(4, 4), 1000), 1000);
}

// --- Terms from the groups of the analysis -----------------------------------

TEST_F(HyokaTest, JoiningTwoBigGroupsScoresTheConnection)
{
    SetBoard(R"(
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . O . . . . . .
        X X X X X X . X X X X X X
        . . . . . . O . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .
        . . . . . . . . . . . . .)");
    TGoban& b0 = *GobanLv[0];
    b0.Analyze();
    ASSERT_NE(b0.GunList.GetGunNo(1, 6), b0.GunList.GetGunNo(13, 6));
    for (int keisei : {0, 10}) {
        SCOPED_TRACE(keisei);
        KeiseiHandanNow = keisei;
        HyokaBase();
        EXPECT_EQ(BigGunKuroBase, 2);
        EXPECT_EQ(BigGunSiroBase, 0);
        ASSERT_TRUE(YomiUtu(kKuro, Point(7, 6)));
        const int diff = Hyoka(kKuro);
        const int plain = HyokaCalc() - HyokaBaseValue;
        EXPECT_EQ(BigGunKuro, 1);
        EXPECT_EQ(diff - plain, keisei < 10 ? 2 : 4);
        // From White's side the joined group costs as much.
        EXPECT_EQ(HyokaDiff(kSiro) + plain, keisei < 10 ? -2 : -4);
        YomiModosu();
    }
}

TEST_F(HyokaTest, WeakGroupLosesItsValueByItsDeathLevel)
{
    SetBoard(R"(
        . . . . . . . . .
        . . O . . . O . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . O . . . O . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TGoban& b0 = *GobanLv[0];
    b0.Analyze();
    const TGun* g = b0.GunList.GetGunAt(Point(5, 4));
    ASSERT_NE(g, nullptr);
    ASSERT_LT(g->GetMe(), 3);
    ASSERT_EQ(g->GetLinkSu(), 0);
    ASSERT_GT(g->GetDeathLevel(), 6);
    ASSERT_LE(g->GetDeathLevel(), 70);
    HyokaCalc();
    EXPECT_EQ(WeakGunKuro, g->GetKati() * g->GetDeathLevel() / 100);
    EXPECT_EQ(DeadKuro, 0);
    // The white stones live (four eyes' worth of room): no term for them.
    EXPECT_EQ(WeakGunSiro, 0);
    EXPECT_EQ(DeadSiro, 0);
}

TEST_F(HyokaTest, NearlyDeadGroupsCountAsDead)
{
    // A capturing race in the corner: White's eight stones (no eye) against
    // Black's five (one eye); neither is marked dead, both are nearly dead.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        X X X X X . . . .
        O O O O X . . . .
        X X . O X . . . .
        . X . O X . . . .
        O X . O X . . . .
        . X . O X . . . .)");
    TGoban& b0 = *GobanLv[0];
    b0.Analyze();
    for (Point p : {Point(1, 5), Point(1, 6)}) {
        const TGun* g = b0.GunList.GetGunAt(p);
        ASSERT_NE(g, nullptr);
        ASSERT_EQ(g->GetDeath(), 0);
        ASSERT_EQ(g->GetSmai(), 1);
        ASSERT_GT(g->GetDeathLevel(), 70);
    }
    // Per colour: the stones of nearly dead groups count as dead stones, and
    // their chance to live comes back.
    Arr<int, 1, 2> dead{}, back{};
    for (int n = 1; n <= b0.GunList.GetCount(); ++n) {
        const TGun* w = b0.GunList.GetGun(n);
        if (w == nullptr || w->GetDeath() != 0 || w->GetMe() >= 3 || w->GetLinkSu() > 0 || w->GetDeathLevel() <= 70)
            continue;
        const int v = w->GetKati() * w->GetDeathLevel() / 100;
        dead[w->GetIsiIro()] += 4 * w->GetIsiSu();
        back[w->GetIsiIro()] += (100 - w->GetDeathLevel()) * v / 100;
    }
    Arr<int, 1, 2> marked{};
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x)
            if (b0.GetIro(x, y) != kAki && b0.IsDeath(x, y))
                marked[b0.GetIro(x, y)] += 4;
    HyokaCalc();
    EXPECT_EQ(DeadKuro, marked[kKuro] + dead[kKuro]);
    EXPECT_EQ(DeadSiro, marked[kSiro] + dead[kSiro]);
    EXPECT_EQ(WeakGunKuro, -back[kKuro]);
    EXPECT_EQ(WeakGunSiro, -back[kSiro]);

    // The judgement counts them too, 4 a stone.
    int nearlyDead = 0;
    for (int n = 1; n <= b0.GunList.GetCount(); ++n) {
        const TGun* w = b0.GunList.GetGun(n);
        if (w != nullptr && w->GetMe() < 3 && w->GetDeath() == 0 && w->GetDeathLevel() > 70)
            nearlyDead += (w->GetIsiIro() == kKuro ? -4 : 4) * w->GetIsiSu();
    }
    EXPECT_NE(nearlyDead, 0);
    Komi = 0;
    int plain = 0;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int c = b0.GetIro(x, y);
            plain += c == kAki ? AreaMap[x][y] : b0.IsDeath(x, y) ? (c == kKuro ? -4 : 4) : 0;
        }
    EXPECT_EQ(KeiseiHandanCalc(), plain + nearlyDead);
}

TEST_F(HyokaTest, MovesThatKillTheirOwnGroupAreWorthLittle)
{
    // Black's (3,8) inside White's wall is lost whatever it does.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        O O O O O . . . .
        . . . . O . . . .
        . . . . O . . . .
        . . . . O . . . .)");
    TGoban& b0 = *GobanLv[0];
    b0.Analyze();
    JibunIro = kKuro;
    AiteIro = kSiro;
    HyokaBase();
    ASSERT_TRUE(YomiUtu(kKuro, Point(2, 8)));
    CurGoban().Analyze();
    const bool dead90 = CurGoban().GunList.GetGunAt(Point(2, 8))->IsDeath90() != 0;
    YomiModosu();
    ASSERT_TRUE(dead90);
    EXPECT_EQ(ItiHyoka(Point(2, 8)), -1);
    KohoClear();
    AddKohoTry(Point(2, 8));
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(Level, 0);
}

TEST_F(HyokaTest, IllegalMovesAreWorthNothing)
{
    SetBoard(R"(
        . X . . .
        X . . . .
        . . . . .
        . . . . .
        . . . . .)");
    GobanLv[0]->Analyze();
    HyokaBase();
    EXPECT_EQ(UtuHyoka(kSiro, Point(1, 1)), 0); // suicide
    EXPECT_EQ(UtuHyoka(kSiro, Point(2, 1)), 0); // occupied
    EXPECT_EQ(UtuHyoka(kSiro, Point(0, 3)), 0); // off the board
    EXPECT_EQ(Level, 0);
}

// The group terms that compare the look-ahead with the game position, on
// positions from seeded random games: a move that starts a capturing race,
// one that settles a race, and one that gives an eyeless group an eye.
class HyokaRaceTest : public HyokaTest {
protected:
    // Board 0 as the diagram, analysed; then `colour` plays p on level 1,
    // which is analysed and evaluated.
    static void Play(const char* diagram, int colour, Point p)
    {
        SetBoard(diagram);
        GobanLv[0]->Analyze();
        ASSERT_TRUE(YomiPushUtu(colour, p));
        CurGoban().Analyze();
        HyokaCalc();
    }
    static const TGun& At(const TGoban& b, Point p)
    {
        const TGun* g = b.GunList.GetGunAt(p);
        if (g == nullptr)
            throw std::runtime_error("no group there");
        return *g;
    }
};

TEST_F(HyokaRaceTest, AMoveThatStartsARaceCostsTwoThirdsOfTheGroup)
{
    // White's E6 cuts into Black's big group: its eight stones round C5 race
    // White's C6 and G5 groups, within five liberties of them.
    Play(R"(
        . . . X X . O O .
        . . . . X . . . X
        X . . . X X . . .
        . . O . . . . . .
        . . X . O X O . .
        O O X . X X . O X
        O . O . . . X . O
        . . O O . O . X O
        . X . . . . X O .)",
         kSiro, Point(5, 4));
    const TGun& before = At(*GobanLv[0], Point(3, 5));
    const TGun& now = At(CurGoban(), Point(3, 5));
    ASSERT_NE(before.GetSmai(), 1);
    ASSERT_EQ(now.GetSmai(), 1);
    ASSERT_EQ(now.GetDeath(), 0);
    ASSERT_GE(now.GetIsiSu(), 5);
    EXPECT_EQ(SemeaiKuro, now.GetKati() * 2 / 3);
    EXPECT_EQ(SemeaiSiro, 0);
    YomiModosu();
}

TEST_F(HyokaRaceTest, ARaceSettledForTheGroupGainsTwoThirdsOfIt)
{
    // White's six stones round E9 race Black's B9 and C6; Black's C9 ends
    // the race and White's group lives on without one.
    Play(R"(
        . X . . O O O . .
        O . . O . . O X .
        . . . . O . . . .
        . . X . X . . X .
        . . . O X . X X O
        X O X . O X . O X
        . . . O . . . . .
        O . O X . . . . X
        . X O . X X . O .)",
         kKuro, Point(3, 1));
    const TGun& before = At(*GobanLv[0], Point(5, 1));
    const TGun& now = At(CurGoban(), Point(5, 1));
    ASSERT_EQ(before.GetSmai(), 1);
    ASSERT_GT(before.GetDame(), 2);
    ASSERT_NE(now.GetSmai(), 1);
    ASSERT_EQ(now.GetDeath(), 0);
    EXPECT_EQ(SemeaiSiro, -(before.GetKati() * 2 / 3));
    EXPECT_EQ(SemeaiKuro, 0);
    YomiModosu();
}

TEST_F(HyokaRaceTest, AGroupMarkedDeadThatMakesAnEyeGainsAThird)
{
    // White's three stones at B9 lost their race and are marked dead
    // without an eye; White's B8 gives them one.
    Play(R"(
        . O . O . . . . .
        . . . . X X . . .
        . . . . . . . . .
        O X . . X . X . O
        . . . . X O O . O
        . . O . . . X X .
        . . X . O . X . O
        O X . O . X . . .
        O X X . X O . X O)",
         kSiro, Point(2, 2));
    const TGun& before = At(*GobanLv[0], Point(2, 1));
    const TGun& now = At(CurGoban(), Point(2, 1));
    ASSERT_NE(before.GetDeath(), 0);
    ASSERT_LT(before.GetMe(), 1);
    ASSERT_GT(before.GetIsiSu(), 2);
    ASSERT_LT(before.GetDeathLevel(), 98);
    ASSERT_EQ(now.GetMe(), 2);
    ASSERT_LT(now.GetDeathLevel(), 92);
    EXPECT_EQ(MeGainSiro, before.GetKati() / 3);
    EXPECT_EQ(MeGainKuro, 0);
    YomiModosu();
}

// Every evaluation routine takes its moves back: the game board, its record
// and the level are as they were, on many random positions.
TEST_F(HyokaTest, EvaluationsLeaveTheBoardAsTheyFoundIt)
{
    for (int size : {9, 19})
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            ResetProgramState();
            RandSeed(seed);
            BoardSize = size;
            TGoban& b0 = *GobanLv[0];
            b0.NewGame();
            for (int i = 0; i < size * size / 2; ++i) {
                const Point p = RandomMove(b0);
                if (p.x == 0)
                    break;
                ASSERT_EQ(b0.Utu(p.x, p.y), kUtuOk);
            }
            b0.Analyze();
            JibunIro = static_cast<std::uint8_t>(b0.Tejun.NextColor());
            AiteIro = static_cast<std::uint8_t>(Aite(JibunIro));
            HyokaBase();
            const std::string before = BoardDiagram(b0);
            const int moves = b0.Tejun.Current();
            for (int k = 0; k < 12; ++k) {
                const Point p{1 + Random(size), 1 + Random(size)};
                UtuHyoka(JibunIro, p);
                DeiriHyoka(p);
                ItiHyoka(p);
                HyokaAiteNigeru(JibunIro, p);
                AddKohoHyoka(p);
                AddKohoTry(p);
                AddKohoTryKakari(p);
                ASSERT_EQ(Level, 0);
                ASSERT_EQ(BoardDiagram(b0), before);
                ASSERT_EQ(b0.Tejun.Current(), moves);
            }
            // A tried move never enters with the value 0.
            KohoClear();
            for (int k = 0; k < 12; ++k)
                AddKohoTry(Point(1 + Random(size), 1 + Random(size)));
            for (int i = 1; i <= KohoCount; ++i)
                EXPECT_NE(Koho.Value[i], 0);
        }
}

} // namespace
} // namespace vorn::test

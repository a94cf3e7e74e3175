// Life and death against GNU Go: the status of groups in small positions with
// a clear answer, the vital point of an eye space, and the dead stones of
// finished games.
#include "GnuGo.h"
#include "LifeUtil.h"
#include "Util.h"

#include <set>
#include <sstream>

#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Jisho.h"

namespace vorn::test {
namespace {

class GnuGoLifeTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
    // Board 0 from the diagram, and the same stones on GNU Go's board.
    void SetUp(GnuGo& gg, const std::string& diagram)
    {
        SetBoard(diagram);
        b0().Analyze();
        ASSERT_TRUE(gg.Start(BoardSize));
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (const int c = b0().GetIro(x, y); c == kKuro || c == kSiro)
                    gg.Command(std::string("play ") + (c == kKuro ? "black " : "white ") + gg.Vertex(Point(x, y)));
    }
    using VornTest::SetUp;
};

TEST_F(GnuGoLifeTest, GroupStatusAgrees)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    const struct {
        const char* diagram;
        Point stone;
        const char* status; // GNU Go's dragon status
        const char* what;
    } cases[] = {
        {life::kTwoEyes,
         {2, 1}, "alive", "two one-point eyes"},
        {life::kFalseEye,
         {2, 1}, "dead", "an eye and a false eye"},
        {life::kStraightFour,
         {5, 1}, "alive", "straight four"},
        {life::kSquareFour,
         {3, 1}, "dead", "square four"},
        {life::kNinePoints,
         {4, 1}, "alive", "nine points"},
        {life::kLoneStone,
         {3, 8}, "dead", "a lone stone inside a wall"},
        {life::kSeki,
         {2, 1}, "alive", "seki"},
    };
    for (const auto& c : cases) {
        GnuGo gg;
        ASSERT_NO_FATAL_FAILURE(SetUp(gg, c.diagram));
        ASSERT_EQ(gg.Command("dragon_status " + gg.Vertex(c.stone)), c.status) << c.what;
        const TGun* g = b0().GunList.GetGunAt(c.stone);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->GetDeath(), std::string(c.status) == "dead" ? 1 : 0) << c.what;
    }
}

TEST_F(GnuGoLifeTest, StraightThreeIsCriticalAtItsVitalPoint)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_NO_FATAL_FAILURE(SetUp(gg, life::kStraightThree));
    // GNU Go: "critical" with the attack and defence at the middle point;
    // the eye space is worth one eye or two.
    std::istringstream status(gg.Command("dragon_status A9"));
    std::string word, attack, defend;
    status >> word >> attack >> defend;
    ASSERT_EQ(word, "critical");
    std::istringstream eye(gg.Command("eval_eye " + gg.Vertex(Point(2, 2))));
    int lo = 0, hi = 0;
    eye >> lo >> hi;
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 2);
    const TGun& g = *b0().GunList.GetGunAt(Point(1, 1));
    EXPECT_EQ(g.GetMe(), 3);
    EXPECT_EQ(g.GetDeath(), 0);
    const TJi& ji = *b0().JiList.GetJiAt(Point(2, 2));
    ASSERT_EQ(ji.GetPartLocateSu(), 1);
    EXPECT_EQ(gg.Vertex(ji.GetPartLocate(1)), attack);
    EXPECT_EQ(gg.Vertex(ji.GetPartLocate(1)), defend);
}

TEST_F(GnuGoLifeTest, DeadStonesOfFinishedGames)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    // A few random opening moves, then GNU Go plays both sides to the end.
    // The count never takes off a stone that GNU Go calls alive, and takes
    // off most of the stones it calls dead.
    int both = 0, gnuOnly = 0;
    for (int game = 0; game < 6; ++game) {
        ResetProgramState();
        GnuGo gg;
        ASSERT_TRUE(gg.Start(9, "--level 0"));
        RandSeed(static_cast<std::uint64_t>(300 + game));
        BoardSize = 9;
        b0().NewGame();
        auto colour = [](int c) { return c == kKuro ? std::string("black") : std::string("white"); };
        for (int i = 0; i < 8; ++i) {
            const Point p = RandomMove(b0());
            const int c = b0().Tejun.NextColor();
            ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk);
            gg.Command("play " + colour(c) + " " + gg.Vertex(p));
        }
        for (int i = 0, passes = 0; i < 200 && passes < 2; ++i) {
            const Point p = gg.FromVertex(gg.Command("genmove " + colour(b0().Tejun.NextColor())));
            if (p.x == 0) {
                ++passes;
                b0().Pass();
                continue;
            }
            passes = 0;
            ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk);
        }
        std::set<std::pair<int, int>> dead;
        std::istringstream list(gg.Command("final_status_list dead"));
        for (std::string v; list >> v;) {
            const Point p = gg.FromVertex(v);
            dead.insert({p.x, p.y});
        }
        GameOver = 1;
        b0().Analyze();
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                if (b0().GetIro(x, y) == kAki)
                    continue;
                const bool theirs = dead.count({x, y}) != 0;
                // The mark the end-of-game count takes the stone off by.
                const TRen* r = b0().RenList.RenAt(x, y);
                const bool ours = r != nullptr && r->GetGunDeath();
                EXPECT_TRUE(theirs || !ours) << "game " << game << " point " << x << "," << y << "\n"
                                             << BoardDiagram(b0());
                both += theirs && ours;
                gnuOnly += theirs && !ours;
            }
    }
    EXPECT_GT(both, gnuOnly);
    EXPECT_GT(both, 0);
}

} // namespace
} // namespace vorn::test

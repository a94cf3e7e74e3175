// SGF exchanged with another program: GNU Go writes records that we open,
// and opens the records that we write; both boards must agree stone by stone.
#include <cstdlib>
#include <set>
#include <sstream>

#include "GnuGo.h"
#include "RecordsUtil.h"
#include "records/KifuSgf.h"

namespace vorn::test {
namespace {

class GnuGoSgfTest : public RecordsTest {
protected:
    void SetUp() override
    {
        RecordsTest::SetUp();
        if (!GnuGo::Available())
            GTEST_SKIP() << "gnugo is not installed";
    }
    // The stones of one colour as GNU Go sees them after loading a file.
    static std::set<std::pair<int, int>> Stones(GnuGo& g, const char* colour)
    {
        std::set<std::pair<int, int>> s;
        std::istringstream in(g.Command(std::string("list_stones ") + colour));
        std::string v;
        while (in >> v) {
            const Point p = g.FromVertex(v);
            s.insert({p.x, p.y});
        }
        return s;
    }
    static std::set<std::pair<int, int>> OurStones(int colour)
    {
        std::set<std::pair<int, int>> s;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                if (GobanLv[0]->GetIro(x, y) == colour)
                    s.insert({x, y});
        return s;
    }
    void ExpectSameBoard(const std::string& file)
    {
        GnuGo g;
        ASSERT_TRUE(g.Start(BoardSize));
        g.Command("loadsgf " + file);
        EXPECT_EQ(Stones(g, "black"), OurStones(kKuro));
        EXPECT_EQ(Stones(g, "white"), OurStones(kSiro));
    }
};

TEST_F(GnuGoSgfTest, OpensAGameThatGnuGoPlayed)
{
    const std::string file = Path("gnugo.sgf");
    ASSERT_TRUE(GnuGo::WriteGame("--boardsize 9 --level 1 --seed 7 --benchmark 20", file));
    ASSERT_TRUE(KifuLoadHeader(file));
    ASSERT_TRUE(KifuLoad(file));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(BoardSize, 9);
    EXPECT_EQ(KifuKomi, "5.5");
    EXPECT_NE(KifuGameName.find("GNU Go"), std::string::npos);
    EXPECT_FALSE(KifuResult.empty());
    EXPECT_GT(GobanLv[0]->Tejun.Last(), 20);
    EXPECT_EQ(GobanLv[0]->Tejun.GetComment(1), "random move");
    ExpectSameBoard(file);
}

TEST_F(GnuGoSgfTest, OpensAHandicapPositionThatGnuGoPrinted)
{
    const std::string file = Path("position.sgf");
    {
        GnuGo g;
        ASSERT_TRUE(g.Start(13, "--level 1"));
        g.Command("fixed_handicap 4");
        for (int i = 0; i < 6; ++i) {
            g.Command("genmove white");
            g.Command("genmove black");
        }
        g.Command("printsgf " + file);
    }
    ASSERT_TRUE(KifuLoadHeader(file));
    ASSERT_TRUE(KifuLoad(file));
    EXPECT_EQ(BoardSize, 13);
    EXPECT_EQ(Handicap, 4);
    // The four handicap stones are the board's own, the rest are setup stones.
    int setupBlack = 0;
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y)
            setupBlack += HaitiBan[x][y] == kKuro;
    EXPECT_EQ(setupBlack, static_cast<int>(OurStones(kKuro).size()) - 4);
    ExpectSameBoard(file);
}

TEST_F(GnuGoSgfTest, GnuGoOpensOurRecords)
{
    BoardSize = 19;
    Handicap = 3;
    GobanLv[0]->NewGame();
    Shell().HaitiIsi(kSiro, 10, 10);
    PlayRandom(120, [](int i) { return i % 41 == 40; });
    GobanLv[0]->Tejun.SetComment(5, "a ] and a \\ in a comment");
    KifuBlackPlayer = "黒";
    const std::string file = Path("ours.sgf");
    ASSERT_TRUE(KifuSave(file));
    ExpectSameBoard(file);
}

} // namespace
} // namespace vorn::test

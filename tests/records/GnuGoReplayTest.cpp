// Records in the read-only formats, held against another program: a game is
// written by the test writers and loaded, GNU Go plays the same moves, and
// both must end with the same stones and the same prisoners.
#include <set>
#include <sstream>

#include "GnuGo.h"
#include "RecordWriters.h"
#include "RecordsUtil.h"
#include "board/Goban.h"

namespace vorn::test {
namespace {

class GnuGoReplayTest : public RecordsTest {
protected:
    void SetUp() override
    {
        RecordsTest::SetUp();
        if (!GnuGo::Available())
            GTEST_SKIP() << "gnugo is not installed";
    }

    // Stones of one colour: GNU Go's and ours, as sorted vertices.
    static std::set<std::string> Stones(GnuGo& g, const char* colour)
    {
        std::set<std::string> s;
        std::istringstream in(g.Command(std::string("list_stones ") + colour));
        for (std::string v; in >> v;)
            s.insert(v);
        return s;
    }
    static std::set<std::string> OurStones(const GnuGo& g, int colour)
    {
        std::set<std::string> s;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                if (GobanLv[0]->GetIro(x, y) == colour)
                    s.insert(g.Vertex(Point(x, y)));
        return s;
    }

    // GNU Go replays the game as written; board 0 holds what we loaded.
    void ExpectGnuGoAgrees(const TTestGame& game)
    {
        GnuGo g;
        ASSERT_TRUE(g.Start(game.size));
        if (game.handicap >= 2) {
            Arr<Point, 1, kMaxHandicapStones> stones;
            const int n = HandicapPoints(game.size, game.handicap, stones);
            std::string command = "set_free_handicap";
            for (int i = 1; i <= n; ++i)
                command += " " + g.Vertex(stones[i]);
            g.Command(command);
        }
        bool black = game.handicap < 2;
        for (const Point p : game.moves) {
            g.Command(std::string("play ") + (black ? "black " : "white ") + g.Vertex(p));
            black = !black;
        }
        EXPECT_EQ(Stones(g, "black"), OurStones(g, kKuro));
        EXPECT_EQ(Stones(g, "white"), OurStones(g, kSiro));
        EXPECT_EQ(std::stoi(g.Command("captures black")), GobanLv[0]->Tejun.Hama(kKuro));
        EXPECT_EQ(std::stoi(g.Command("captures white")), GobanLv[0]->Tejun.Hama(kSiro));
        EXPECT_GT(GobanLv[0]->Tejun.Hama(kKuro) + GobanLv[0]->Tejun.Hama(kSiro), 1);
    }
};

TEST_F(GnuGoReplayTest, EachFormat)
{
    const struct {
        const char* name;
        std::string (*write)(const TTestGame&);
        int size, handicap, moves, passEvery;
    } cases[] = {
        {"g.gw1", WriteGw1, 9, 0, 80, 0},    {"g.re3", WriteRe3, 19, 0, 220, 53}, {"g.wwg", WriteWwg, 13, 2, 120, 0},
        {"g.ugf", WriteUgf, 19, 3, 200, 0}, {"g.icf", WriteIcf, 19, 4, 200, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TTestGame game = PlayTestGame(c.size, c.handicap, c.moves, c.passEvery);
        BoardSize = 9;
        Handicap = 0;
        GobanLv[0]->NewGame();
        ASSERT_TRUE(LoadText(c.name, c.write(game)));
        EXPECT_TRUE(shell.messages.empty());
        EXPECT_EQ(GobanLv[0]->Tejun.Last(), static_cast<int>(game.moves.size()));
        ExpectGnuGoAgrees(game);
    }
}

} // namespace
} // namespace vorn::test

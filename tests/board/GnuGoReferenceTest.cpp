// Seeded random games replayed against GNU Go: legality of every empty point,
// captured stones and the liberties of every chain must agree.
#include "GnuGo.h"
#include "Util.h"

#include <sstream>

namespace vorn::test {
namespace {

class GnuGoReferenceTest : public VornTest {};

TEST_F(GnuGoReferenceTest, RandomGamesAgree)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    TGoban& b = *GobanLv[0];
    for (int size : {9, 13, 19}) {
        for (int game = 0; game < 2; ++game) {
            GnuGo gg;
            ASSERT_TRUE(gg.Start(size));
            RandSeed(77 + size * 10 + game);
            BoardSize = size;
            Handicap = 0;
            b.NewGame();
            gg.Command("clear_board");
            for (int move = 1; move <= size * size * 2; ++move) {
                const int c = b.Tejun.NextColor();
                const std::string colour = c == kKuro ? "black" : "white";
                // Every empty point, for the side to move, every few moves.
                if (move % (size == 19 ? 40 : 15) == 0) {
                    for (int y = 1; y <= size; ++y)
                        for (int x = 1; x <= size; ++x) {
                            if (b.GetIro(x, y) != kAki)
                                continue;
                            const bool ours = b.CheckUtu(c, x, y) == kUtuOk;
                            const bool theirs
                                = gg.Command("is_legal " + colour + " " + gg.Vertex(Point(x, y))) == "1";
                            ASSERT_EQ(ours, theirs) << "point " << x << "," << y << " move " << move << "\n"
                                                    << BoardDiagram(b);
                        }
                }
                const Point p = RandomMove(b);
                if (p.x == 0)
                    break;
                ASSERT_EQ(b.Utu(p.x, p.y), kUtuOk);
                gg.Command("play " + colour + " " + gg.Vertex(p));
                // Captures agree with GNU Go's count of captured stones.
                ASSERT_EQ(std::to_string(b.Tejun.Hama(c)), gg.Command("captures " + colour));
                if (move % 10 != 0)
                    continue;
                // The whole board and the liberties of every chain.
                b.RenMake();
                for (int y = 1; y <= size; ++y)
                    for (int x = 1; x <= size; ++x) {
                        const int col = b.GetIro(x, y);
                        const std::string v = gg.Vertex(Point(x, y));
                        const std::string theirs = gg.Command("color " + v);
                        ASSERT_EQ(theirs, col == kKuro ? "black" : col == kSiro ? "white" : "empty") << v;
                        if (col == kAki)
                            continue;
                        ASSERT_EQ(std::to_string(b.RenList.RenAt(x, y)->Kuu()), gg.Command("countlib " + v))
                            << v;
                    }
            }
        }
    }
}

} // namespace
} // namespace vorn::test

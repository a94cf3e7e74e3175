// Seeded random games replayed against GNU Go: the legality of every empty
// point, the stones on the board, the liberties of every chain and the
// prisoners must agree.  Each is compared as a whole board.
#include "GnuGo.h"
#include "Util.h"

#include <set>
#include <sstream>

#include "board/Diagram.h"

namespace vorn::test {
namespace {

class GnuGoReferenceTest : public VornTest {};

// Stones as "X<liberties>" and "O<liberties>", empty points as '.'.
std::string OurChains(TGoban& b)
{
    b.RenMake();
    return MapDiagram([&b](Point p) {
        const int c = b.GetIroPt(p);
        if (c == kAki)
            return std::string(".");
        return std::string(c == kKuro ? "X" : "O") + std::to_string(b.RenList.RenAtPt(p)->Kuu());
    });
}

std::string TheirChains(GnuGo& gg)
{
    std::set<std::pair<int, int>> black, white;
    for (const char* colour : {"black", "white"}) {
        std::istringstream list(gg.Command(std::string("list_stones ") + colour));
        for (std::string v; list >> v;) {
            const Point p = gg.FromVertex(v);
            (colour[0] == 'b' ? black : white).insert({p.x, p.y});
        }
    }
    return MapDiagram([&](Point p) {
        const bool b = black.count({p.x, p.y}) != 0, w = white.count({p.x, p.y}) != 0;
        if (!b && !w)
            return std::string(".");
        return std::string(b ? "X" : "O") + gg.Command("countlib " + gg.Vertex(p));
    });
}

// Legal empty points as '.', the others as '-'; stones as 'X' and 'O'.
std::string OurLegal(TGoban& b, int c)
{
    return MapDiagram([&b, c](Point p) {
        const int col = b.GetIroPt(p);
        if (col != kAki)
            return std::string(col == kKuro ? "X" : "O");
        return std::string(b.CheckUtu(c, p.x, p.y) == kUtuOk ? "." : "-");
    });
}

std::string TheirLegal(GnuGo& gg, TGoban& b, const std::string& colour)
{
    std::set<std::pair<int, int>> legal;
    std::istringstream list(gg.Command("all_legal " + colour));
    for (std::string v; list >> v;) {
        const Point p = gg.FromVertex(v);
        legal.insert({p.x, p.y});
    }
    return MapDiagram([&](Point p) {
        const int col = b.GetIroPt(p);
        if (col != kAki)
            return std::string(col == kKuro ? "X" : "O");
        return std::string(legal.count({p.x, p.y}) ? "." : "-");
    });
}

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
                SCOPED_TRACE("size " + std::to_string(size) + " game " + std::to_string(game) + " move "
                             + std::to_string(move));
                // Every empty point, for the side to move, every few moves.
                if (move % (size == 19 ? 40 : 15) == 0) {
                    ASSERT_EQ(OurLegal(b, c),
                              gg.Derived("legal " + colour, [&] { return TheirLegal(gg, b, colour); }));
                }
                const Point p = RandomMove(b);
                if (p.x == 0)
                    break;
                ASSERT_EQ(b.Utu(p.x, p.y), kUtuOk);
                gg.Command("play " + colour + " " + gg.Vertex(p));
                if (move % 10 != 0)
                    continue;
                // The whole board with the liberties of every chain, and the
                // prisoners.
                ASSERT_EQ(OurChains(b), gg.Derived("chains", [&] { return TheirChains(gg); }));
                const std::string blackCaptures = gg.Command("captures black");
                ASSERT_EQ(std::to_string(b.Tejun.Hama(kKuro)) + " " + std::to_string(b.Tejun.Hama(kSiro)),
                          blackCaptures + " " + gg.Command("captures white"));
            }
        }
    }
}

} // namespace
} // namespace vorn::test

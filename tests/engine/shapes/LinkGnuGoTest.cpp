// Diagonal and knight's-move links held against GNU Go: with the engine
// owning the link, its answer keeps the stones connected as GNU Go reads them
// (`disconnect` answers 0 after it); with the engine attacking, it proposes a
// cutting point of the shape.
#include <string>
#include <vector>

#include "GnuGo.h"
#include "Util.h"
#include "engine/DecisionUtil.h"

#include "board/Between.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/Kosumi.h"

namespace vorn::test {
namespace {

using LinkGnuGo = VornTest;

struct TLinkCase {
    const char* what;
    int kind; // 2 diagonal, 4 knight's move
    std::vector<std::string> black, white;
    const char* a; // the stone the relation is read from
    const char* b;
};

// 9x9, GTP vertices.
const TLinkCase kCases[] = {
    {"diagonal in the centre, Black's", 2, {"D4", "E5"}, {"E4"}, "D4", "E5"},
    {"diagonal in the centre, White's", 2, {"E4"}, {"D4", "E5"}, "D4", "E5"},
    {"diagonal cut on the third line", 2, {"C3", "D4"}, {"D3"}, "C3", "D4"},
    {"diagonal toward the side", 2, {"F4", "G5"}, {"G4"}, "F4", "G5"},
    {"knight's move with a contact below", 4, {"C3", "D5"}, {"D3"}, "C3", "D5"},
    {"the same, White's", 4, {"D3"}, {"C3", "D5"}, "C3", "D5"},
    {"knight's move in the centre", 4, {"E4", "F6"}, {"F4"}, "E4", "F6"},
    {"knight's move on the second line", 4, {"C2", "D4"}, {"D2"}, "C2", "D4"},
    {"knight's move, contact from above", 4, {"D5", "E3"}, {"E5"}, "D5", "E3"},
    {"knight's move toward the side", 4, {"F4", "G6"}, {"G4"}, "F4", "G6"},
    {"knight's move at the edge", 4, {"B3", "C5"}, {"C3"}, "B3", "C5"},
    {"knight's move, contact at the far end", 4, {"G3", "F5"}, {"F3"}, "G3", "F5"},
    {"knight's move with a wedge", 4, {"C3", "D5"}, {"D4"}, "C3", "D5"},
    {"the same, White's", 4, {"D4"}, {"C3", "D5"}, "C3", "D5"},
    {"knight's move with a stone outside the middle", 4, {"C3", "D5"}, {"B4"}, "C3", "D5"},
    {"the same, White's", 4, {"B4"}, {"C3", "D5"}, "C3", "D5"},
};

std::string Diagram(const GnuGo& gg, const TLinkCase& c)
{
    std::string rows[9];
    for (std::string& r : rows)
        r = std::string(9, '.');
    for (const std::string& v : c.black) {
        const Point p = gg.FromVertex(v);
        rows[p.y - 1][static_cast<std::size_t>(p.x - 1)] = 'X';
    }
    for (const std::string& v : c.white) {
        const Point p = gg.FromVertex(v);
        rows[p.y - 1][static_cast<std::size_t>(p.x - 1)] = 'O';
    }
    std::string d;
    for (const std::string& r : rows)
        d += r + "\n";
    return d;
}

// The shape's cutting points: the open crossing point of a diagonal, the two
// middle points of a knight's move.
std::vector<Point> CuttingPoints(int kind, Point a, Point b)
{
    if (kind == 2)
        return {CurGoban().GetIroPt(Point(a.x, b.y)) == kAki ? Point(a.x, b.y) : Point(b.x, a.y)};
    Point r[6];
    BetweenRows(a, b, r);
    return {r[2], r[3]};
}

// The best candidate of the table, (0, 0) when it is empty.
Point Best()
{
    int best = 0;
    for (int i = 1; i <= KohoCount; ++i)
        if (best == 0 || Koho.Score(i) > Koho.Score(best))
            best = i;
    return best == 0 ? Point() : Koho.Pt[best];
}

TEST_F(LinkGnuGo, AnswersKeepTheLinkAndAttacksCutIt)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_TRUE(gg.Start(9));
    for (const TLinkCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const std::string diagram = Diagram(gg, c);
        const Point a = gg.FromVertex(c.a), b = gg.FromVertex(c.b);
        const auto setUp = [&] {
            gg.Command("clear_board");
            for (const std::string& v : c.black)
                gg.Command("play black " + v);
            for (const std::string& v : c.white)
                gg.Command("play white " + v);
        };
        setUp();
        ASSERT_NE(gg.Command(std::string("disconnect ") + c.a + " " + c.b), "0") << "no threat to the link";
        for (const int engine : {kKuro, kSiro}) {
            ResetProgramState();
            PrepareDecision(diagram.c_str(), engine);
            const int own = GobanLv[0]->GetIroPt(a);
            KohoKind = kkKankei;
            if (c.kind == 2)
                KosumiRenraku(a, b);
            else
                KeimaRenraku(a, b);
            ASSERT_GT(KohoCount, 0) << "engine " << engine;
            if (engine == own) {
                const Point p = Best();
                setUp();
                gg.Command(std::string("play ") + (own == kKuro ? "black " : "white ") + gg.Vertex(p));
                EXPECT_EQ(gg.Command(std::string("disconnect ") + c.a + " " + c.b), "0")
                    << "after the answer " << gg.Vertex(p);
            } else {
                bool cuts = false;
                for (const Point q : CuttingPoints(c.kind, a, b))
                    for (int i = 1; i <= KohoCount; ++i)
                        cuts = cuts || Koho.Pt[i] == q;
                EXPECT_TRUE(cuts) << "no cutting point among the attacker's candidates";
            }
        }
    }
}

} // namespace
} // namespace vorn::test

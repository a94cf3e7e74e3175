// Positions as text: GTP vertices both ways, diagrams read back from what the
// printers write, malformed diagrams refused with the reason, a position set
// up with White to move, and the random mover of the tests and benchmarks.
#include "Util.h"

#include "board/Diagram.h"
#include "board/Yomi.h"

namespace vorn::test {
namespace {

class DiagramTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

TEST_F(DiagramTest, GtpVerticesBothWays)
{
    struct Case {
        Point p;
        int size;
        const char* vertex;
    } const cases[] = {
        {{1, 19}, 19, "A1"},  {{19, 1}, 19, "T19"}, {{8, 12}, 19, "H8"}, {{9, 12}, 19, "J8"},
        {{9, 1}, 9, "J9"},    {{1, 9}, 9, "A1"},    {{5, 5}, 9, "E5"},   {{13, 13}, 13, "N1"},
        {{10, 10}, 19, "K10"}, {{0, 0}, 19, "pass"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GtpVertex(c.p, c.size), c.vertex);
        Point back{-1, -1};
        EXPECT_TRUE(ParseGtpVertex(c.vertex, back, c.size)) << c.vertex;
        EXPECT_EQ(back, c.p) << c.vertex;
    }
    // Either case; BoardSize when no size is given.
    Point p;
    BoardSize = 9;
    ASSERT_TRUE(ParseGtpVertex("c7", p));
    EXPECT_EQ(p, Point(3, 3));
    ASSERT_TRUE(ParseGtpVertex("PASS", p));
    EXPECT_EQ(p, Point());
    EXPECT_EQ(GtpVertex(Point(3, 3)), "C7");
    // Off the board in GTP, and in our own coordinates for messages.
    for (const char* bad : {"", "A", "I5", "J10", "A0", "A01", "Z3", "K1", "5A", "A1x", "A100", "resign"})
        EXPECT_FALSE(ParseGtpVertex(bad, p, 9)) << bad;
    EXPECT_FALSE(ParseGtpVertex("A1", p, 20));
    EXPECT_EQ(GtpVertex(Point(10, 3), 9), "(10,3)");
    EXPECT_EQ(GtpVertex(Point(0, 4), 9), "(0,4)");
}

TEST_F(DiagramTest, PrintedDiagramsReadBack)
{
    for (int size : {9, 13, 19}) {
        ResetProgramState();
        RandSeed(size);
        BoardSize = size;
        b0().NewGame();
        for (Point p; b0().Tejun.Last() < size * size / 2 && (p = RandomMove(b0())).x != 0;)
            ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk);
        const std::string rows = DiagramRows(b0());
        for (const std::string& text : {rows, DiagramText(b0())}) {
            TDiagram d;
            std::string why;
            ASSERT_TRUE(ParseDiagram(text, d, why)) << why << "\n" << text;
            EXPECT_EQ(d.size, size);
            for (int y = 1; y <= size; ++y)
                for (int x = 1; x <= size; ++x)
                    ASSERT_EQ(d.iro[x][y], b0().GetIro(x, y)) << GtpVertex(Point(x, y)) << "\n" << text;
        }
        SetupPosition(ReadDiagram(DiagramText(b0())), kKuro);
        EXPECT_EQ(DiagramRows(b0()), rows);
        EXPECT_TRUE(b0().CheckChains());
    }
}

TEST_F(DiagramTest, TheCoordinateDiagram)
{
    SetupPosition(ReadDiagram("# . +\n. O .\nX . .\n"), kKuro);
    EXPECT_EQ(DiagramRows(b0()), "X..\n.O.\nX..\n");
    EXPECT_EQ(DiagramText(b0()), "    A B C\n"
                                 "  3 X . .\n"
                                 "  2 . O .\n"
                                 "  1 X . .\n");
    // Row numbers, marks and lines of letters around the points are ignored.
    SetupPosition(ReadDiagram("   A B C\n3 X . . 3  <- here\n2 . O . 2\n1 X . . 1\n   A B C\n"), kKuro);
    EXPECT_EQ(DiagramRows(b0()), "X..\n.O.\nX..\n");
    BoardSize = 12;
    const std::string twelve = DiagramText(b0());
    EXPECT_EQ(twelve.substr(0, twelve.find('\n')), "    A B C D E F G H J K L M");
    EXPECT_NE(twelve.find("\n 12 "), std::string::npos);
    EXPECT_NE(twelve.find("\n  9 "), std::string::npos);
}

TEST_F(DiagramTest, MalformedDiagramsAreRefusedWithTheReason)
{
    struct Case {
        std::string text;
        const char* why;
    } const cases[] = {
        {"", "a diagram of 0 rows: a board has 1 to 19"},
        {"hello\n\n", "a diagram of 0 rows: a board has 1 to 19"},
        {". .\n. . .\n. . .\n", "row 1 of the diagram has 2 points, not 3"},
        {". . .\n. . .\n", "row 1 of the diagram has 3 points, not 2"},
        {std::string(20, '\n') + [] {
             std::string s;
             for (int i = 0; i < 20; ++i)
                 s += std::string(20, '.') + "\n";
             return s;
         }(),
         "a diagram of 20 rows: a board has 1 to 19"},
    };
    for (const Case& c : cases) {
        TDiagram d;
        std::string why;
        EXPECT_FALSE(ParseDiagram(c.text, d, why)) << c.text;
        EXPECT_EQ(why, c.why);
        EXPECT_THROW(ReadDiagram(c.text), std::invalid_argument);
    }
    EXPECT_THROW(SetBoard(". .\n."), std::runtime_error);
}

// A position with White to move: the record is empty, White plays first,
// the colours alternate from there on every level, and a new game starts
// with Black again.
TEST_F(DiagramTest, WhiteToMoveWithoutAPass)
{
    SetupPosition(ReadDiagram(". . .\n. X .\n. . .\n"), kSiro);
    TGoban& b = b0();
    EXPECT_EQ(b.Tejun.Last(), 0);
    EXPECT_EQ(b.Tejun.NextColor(), kSiro);
    EXPECT_EQ(Handicap, 0);
    ASSERT_EQ(b.Utu(1, 1), kUtuOk);
    EXPECT_EQ(b.GetIro(1, 1), kSiro);
    EXPECT_EQ(b.Tejun.NextColor(), kKuro);
    // The look-ahead continues the colours of the game board.
    ASSERT_TRUE(YomiUtu(kKuro, Point(3, 3)));
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(CurGoban().Tejun.CurColor(), kKuro);
    EXPECT_EQ(CurGoban().Tejun.NextColor(), kSiro);
    YomiModosu();
    EXPECT_EQ(Level, 0);
    b.Matta();
    EXPECT_EQ(b.Tejun.NextColor(), kSiro);
    b.NewGame();
    EXPECT_EQ(b.Tejun.NextColor(), kKuro);
    // The tests' SetBoard leaves the colour to the handicap, as it did.
    SetBoard(". .\n. .\n", 2);
    EXPECT_EQ(b.Tejun.NextColor(), kSiro);
    SetBoard(". .\n. .\n");
    EXPECT_EQ(b.Tejun.NextColor(), kKuro);
}

TEST_F(DiagramTest, MapsAreBoardShaped)
{
    BoardSize = 3;
    EXPECT_EQ(MapDiagram([](Point p) { return std::to_string(p.x * 10 + p.y); }), "11 21 31\n"
                                                                                   "12 22 32\n"
                                                                                   "13 23 33\n");
    EXPECT_EQ(MapDiagram([](Point p) { return p.x == 2 ? std::string("-10") : std::string("."); }),
              "  . -10   .\n"
              "  . -10   .\n"
              "  . -10   .\n");
}

// The random mover plays legal moves and never fills its own one-point eye;
// with nothing else left it has no move.
TEST_F(DiagramTest, RandomMovesAreLegalAndKeepOwnEyes)
{
    // Black's four one-point eyes: Black keeps them, White may play in
    // none of them.
    const TDiagram eyes = ReadDiagram(R"(
        . X . X .
        X X X X X
        X . X . X
        X X X X X
        . X . X .)");
    for (int c : {kKuro, kSiro}) {
        SetupPosition(eyes, c);
        EXPECT_EQ(RandomLegalMove(b0()), Point()) << c;
    }
    for (int size : {5, 9}) {
        ResetProgramState();
        RandSeed(3);
        BoardSize = size;
        b0().NewGame();
        int moves = 0;
        for (Point p; (p = RandomLegalMove(b0())).x != 0 && moves < 1000; ++moves) {
            const int c = b0().Tejun.NextColor();
            int own = 0;
            for (int d = 1; d <= 4; ++d) {
                const int n = b0().GetIroPt(Dir4Pt(p, d));
                own += n == c || n == kHen;
            }
            ASSERT_LT(own, 4) << GtpVertex(p) << "\n" << DiagramText(b0());
            ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk) << GtpVertex(p);
        }
        EXPECT_LT(moves, 1000);
        EXPECT_GT(moves, size * size / 2);
        EXPECT_GT(b0().Tejun.Hama(kKuro) + b0().Tejun.Hama(kSiro), 0);
    }
}

// ---------------------------------------------------------------------------
// The chain list against the board

TEST_F(DiagramTest, ChainsAgreeWithTheStonesThroughRandomGames)
{
    for (int size : {9, 13, 19}) {
        ResetProgramState();
        RandSeed(40 + size);
        BoardSize = size;
        b0().NewGame();
        for (int i = 1; i <= size * size; ++i) {
            const Point p = RandomMove(b0());
            if (p.x == 0)
                break;
            ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk);
            if (i % 7 != 0)
                continue;
            b0().RenMake();
            std::string why;
            ASSERT_TRUE(b0().CheckChains(&why)) << why << "\n" << DiagramText(b0());
        }
        // Chains kept up to date move by move on a look-ahead board agree too.
        b0().RenMake();
        ASSERT_TRUE(YomiPush());
        CurGoban().RenMake();
        RenSabun = 1;
        for (int i = 0; i < 40; ++i) {
            const Point p = RandomMove(CurGoban());
            if (p.x == 0)
                break;
            ASSERT_EQ(CurGoban().Utu(p.x, p.y), kUtuOk);
            std::string why;
            ASSERT_TRUE(CurGoban().CheckChains(&why)) << why << "\n" << DiagramText(CurGoban());
        }
        for (int i = 0; i < 40 && CurGoban().Tejun.Current() > 0; ++i) {
            CurGoban().Modosu();
            std::string why;
            ASSERT_TRUE(CurGoban().CheckChains(&why)) << why;
        }
        RenSabun = 0;
        Level = 0;
    }
}

TEST_F(DiagramTest, ChainsThatDisagreeAreFound)
{
    const char* const position = R"(
        . . . . .
        . X X . .
        . O . . .
        . . . O .
        . . . . .)";
    struct Case {
        Point p;
        int colour;
        const char* why;
    } const cases[] = {
        {{5, 5}, kKuro, "chain at E1: no chain in the list"},
        {{4, 2}, kKuro, "chain at B4: 2 stones listed, 3 on the board"},
        {{3, 2}, kAki, "chain at B4: 2 stones listed, 1 on the board"},
        {{2, 4}, kSiro, "chain at B3: 1 stones listed, 2 on the board"},
        {{4, 2}, kSiro, "chain at B4: 5 liberties listed, 4 on the board"},
        {{2, 2}, kSiro, "chain at B4: listed with colour 1"},
    };
    for (const Case& c : cases) {
        SetBoard(position);
        ASSERT_TRUE(b0().CheckChains());
        b0().SetIro(c.p.x, c.p.y, c.colour);
        std::string why;
        EXPECT_FALSE(b0().CheckChains(&why)) << c.why;
        EXPECT_EQ(why, c.why);
        b0().RenMake();
        EXPECT_TRUE(b0().CheckChains());
    }
}

} // namespace
} // namespace vorn::test

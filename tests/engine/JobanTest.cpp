// The opening: edge lines, corner points and quadrants.
#include "Util.h"

#include <set>

#include "board/Hooks.h"
#include "engine/Joban.h"
#include "engine/Joseki.h"

namespace vorn::test {
namespace {

class JobanTest : public VornTest {
protected:
    // A new game on an empty board; the dictionaries beside the program
    // when books is set, none otherwise.
    void NewGame(int size, bool books, int handicap = 0)
    {
        std::string d;
        for (int y = 0; y < size; ++y)
            d += std::string(static_cast<std::size_t>(size), '.') + "\n";
        SetBoard(d, handicap);
        if (!books)
            ExeDir = ::testing::TempDir() + "no-books/";
        JosekiOpenGame();
        JobanInit();
        GobanLv[0]->Analyze();
    }
    void Play(Point p)
    {
        const int colour = GobanLv[0]->Tejun.NextColor();
        ASSERT_EQ(GobanLv[0]->Utu(p.x, p.y), kUtuOk);
        GobanLv[0]->Analyze();
        JosekiFeed(p, colour);
        ZenbanFollow(p);
    }
    static Point Te()
    {
        Point p;
        JobanTe(p);
        return p;
    }
    // The first moves of the whole-board book, in every orientation.
    static std::set<std::pair<int, int>> BookFirstMoves()
    {
        std::set<std::pair<int, int>> s;
        ZenbanLjsk.ReadSiblings(1);
        for (int i = 0; i < ZenbanLjsk.Count(); ++i)
            for (int k = 0; k < 8; ++k) {
                int x = ZenbanLjsk.GetNode(i).X, y = ZenbanLjsk.GetNode(i).Y;
                if (k & 4)
                    std::swap(x, y);
                if (k & 1)
                    x = BoardSize + 1 - x;
                if (k & 2)
                    y = BoardSize + 1 - y;
                s.insert({x, y});
            }
        return s;
    }
};

TEST_F(JobanTest, EdgeLinesOfEachBoardSize)
{
    struct {
        int size, edge, line, pos;
        Point p;
    } const cases[] = {
        {19, 1, 3, 3, {3, 3}},   {19, 1, 4, 17, {17, 4}}, {19, 2, 2, 10, {2, 10}}, {19, 2, 6, 3, {6, 3}},
        {19, 3, 3, 5, {5, 17}},  {19, 3, 6, 17, {17, 14}}, {19, 4, 3, 5, {17, 5}}, {19, 4, 5, 12, {15, 12}},
        {13, 1, 4, 11, {11, 4}}, {13, 3, 2, 3, {3, 12}},  {13, 4, 6, 7, {8, 7}},   {9, 3, 3, 7, {7, 7}},
        {9, 4, 2, 3, {8, 3}},    {9, 2, 4, 5, {4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.size << " edge " << c.edge << " line " << c.line << " pos " << c.pos);
        BoardSize = c.size;
        JobanInit();
        EXPECT_EQ(EdgeLinePt[c.edge][c.line][c.pos], c.p);
        EXPECT_EQ(EdgeLineNo(c.p, c.edge), c.line);
    }
}

TEST_F(JobanTest, LinesUpAndDown)
{
    BoardSize = 19;
    JobanInit();
    Point q;
    EdgeLineUp(1, 3, Point(8, 3), q);
    EXPECT_EQ(q, Point(8, 4));
    EdgeLineUp(4, 4, Point(16, 9), q);
    EXPECT_EQ(q, Point(15, 9));
    EdgeLineShift(3, 5, Point(12, 15), q, 2);
    EXPECT_EQ(q, Point(12, 17));
    EdgeLineShift(2, 4, Point(4, 10), q, -2);
    EXPECT_EQ(q, Point(6, 10));
    // Not on that line, a position out of the scanned range, or a line that
    // is not kept: no point.
    EdgeLineUp(1, 3, Point(8, 4), q);
    EXPECT_EQ(q.x, 0);
    EdgeLineUp(1, 3, Point(2, 3), q);
    EXPECT_EQ(q.x, 0);
    EdgeLineUp(1, 6, Point(8, 6), q);
    EXPECT_EQ(q.x, 0);
    EdgeLineShift(1, 2, Point(8, 2), q, 1);
    EXPECT_EQ(q.x, 0);
    EdgeLineUp(5, 3, Point(8, 3), q);
    EXPECT_EQ(q.x, 0);
    // A 9x9 board scans positions 3..7 only.
    BoardSize = 9;
    JobanInit();
    EdgeLineUp(1, 3, Point(7, 3), q);
    EXPECT_EQ(q, Point(7, 4));
    EdgeLineUp(1, 3, Point(8, 3), q);
    EXPECT_EQ(q.x, 0);
}

TEST_F(JobanTest, CornerPointsAndQuadrants)
{
    BoardSize = 13;
    EXPECT_EQ(CornerHosi(3), Point(10, 10));
    EXPECT_EQ(CornerSansan(2), Point(11, 3));
    EXPECT_EQ(CornerHosi(5), Point());
    BoardSize = 9;
    EXPECT_EQ(CornerHosi(4), Point(4, 6));
    EXPECT_EQ(CornerSansan(3), Point(7, 7));
    EXPECT_EQ(CornerSansan(0), Point());

    // The 10th line belongs to two quadrants.
    EXPECT_TRUE(InCorner1(Point(10, 10)));
    EXPECT_TRUE(InCorner2(Point(10, 10)));
    EXPECT_TRUE(InCorner3(Point(10, 10)));
    EXPECT_TRUE(InCorner4(Point(10, 10)));
    EXPECT_TRUE(InCorner2(Point(3, 16)));
    EXPECT_FALSE(InCorner1(Point(3, 16)));
    EXPECT_TRUE(InCorner3(Point(16, 3)));
    EXPECT_FALSE(InCorner4(Point(16, 3)));
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST_F(JobanTest, FirstMovesComeFromTheBook)
{
    for (int size : {19, 9}) {
        for (std::uint64_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(::testing::Message() << size << " seed " << seed);
            NewGame(size, true);
            RandSeed(seed);
            const auto book = BookFirstMoves();
            ASSERT_FALSE(book.empty());
            const Point p = Te();
            EXPECT_TRUE(book.count({p.x, p.y})) << p.x << "," << p.y;
            // The book follows its own move, and answers the next one.
            Play(p);
            EXPECT_EQ(ZenbanOff, 0);
            const Point q = Te();
            EXPECT_NE(q, Point());
        }
    }
}

TEST_F(JobanTest, WithoutBooksTheFreeCornersAreTaken)
{
    struct {
        int size;
        std::set<std::pair<int, int>> points;
    } const cases[] = {
        {19, {{17, 3}, {3, 17}, {17, 17}, {3, 3}, {17, 4}, {3, 16}, {17, 16}, {3, 4}, {16, 3}, {4, 17}, {16, 17}, {4, 3}}},
        {13, {{11, 3}, {3, 11}, {11, 11}, {3, 3}, {11, 4}, {3, 10}, {11, 10}, {3, 4}, {10, 3}, {4, 11}, {10, 11}, {4, 3}}},
        {9, {{7, 3}, {3, 7}, {7, 7}, {3, 3}, {7, 4}, {3, 6}, {7, 6}, {3, 4}, {6, 3}, {4, 7}, {6, 7}, {4, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        NewGame(c.size, false);
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < 300; ++i) {
            const Point p = Te();
            seen.insert({p.x, p.y});
        }
        EXPECT_EQ(seen, c.points);
    }
    // A corner point next to a stone is not free.
    NewGame(9, false);
    Play(Point(4, 4));
    for (int i = 0; i < 100; ++i) {
        const Point p = Te();
        EXPECT_FALSE(p.x <= 5 && p.y <= 5) << p.x << "," << p.y;
    }
}

TEST_F(JobanTest, RandomFirstPointInContinuousGamesOnSmallBoards)
{
    RenzokuMode = 1;
    DevMode = 1;
    NewGame(9, false);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 400; ++i) {
        const Point p = Te();
        ASSERT_TRUE(p.x >= 3 && p.x <= 7 && p.y >= 3 && p.y <= 7);
        seen.insert({p.x, p.y});
    }
    EXPECT_EQ(seen.size(), 25u); // (5, 5) included, which no corner table holds
}

TEST_F(JobanTest, FixedAnswersAgainstAnotherProgram)
{
    VsComputerMode = 1;
    NewGame(19, true);
    EXPECT_EQ(Te(), Point(16, 4));

    struct {
        Point first, answer;
    } const cases[] = {
        {{4, 4}, {16, 16}},  {{16, 3}, {4, 16}}, {{15, 15}, {4, 4}}, {{3, 17}, {16, 4}}, {{10, 4}, {16, 16}},
        {{10, 16}, {4, 4}},  {{4, 10}, {16, 4}}, {{16, 10}, {4, 16}}, {{10, 10}, {4, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.first.x << "," << c.first.y);
        NewGame(19, true);
        Play(c.first);
        EXPECT_EQ(Te(), c.answer);
    }

    // Then the free star points, and the points between own stones.
    NewGame(19, true);
    Play(Point(16, 4));
    Play(Point(15, 16)); // next to the lower right star point
    EXPECT_EQ(Te(), Point(4, 4));
    Play(Point(4, 4));
    Play(Point(4, 16));
    EXPECT_EQ(Te(), Point(10, 4)); // between moves 1 and 3
    Play(Point(10, 4));
    EXPECT_EQ(Te(), Point(9, 16)); // between moves 2 and 4
    Play(Point(17, 10));
    Play(Point(3, 10));
    EXPECT_NE(Te(), Point()); // from move 7 on, the book or a free corner
}

TEST_F(JobanTest, AnOccupiedTablePointIsNotPlayed)
{
    // With two handicap stones the fixed first point holds a stone already.
    VsComputerMode = 1;
    NewGame(19, false, 2);
    GobanLv[0]->SetIro(16, 4, kKuro);
    GobanLv[0]->SetIro(4, 16, kKuro);
    GobanLv[0]->Analyze();
    for (int i = 0; i < 50; ++i) {
        const Point p = Te();
        ASSERT_NE(p, Point());
        EXPECT_EQ(GobanLv[0]->GetIroPt(p), kAki);
    }
}

// The stage-2 and stage-3 readers leave the game as they found it, on every
// board size and through a whole random game.
TEST_F(JobanTest, ReadersLeaveTheGameBoardAlone)
{
    for (int size : {19, 13, 9}) {
        SCOPED_TRACE(size);
        NewGame(size, true);
        RandSeed(static_cast<std::uint64_t>(size));
        TGoban& b = *GobanLv[0];
        for (int move = 0; move < 160; ++move) {
            const Point p = RandomMove(b);
            if (p.x == 0)
                break;
            Play(p);
            const std::string before = BoardDiagram(b);
            const int current = b.Tejun.Current();
            Point out(-1, -1);
            JobanKoho(out);
            JobanKoho2();
            JobanEdgeGaps();
            ASSERT_EQ(Level, 0);
            ASSERT_EQ(BoardDiagram(b), before);
            ASSERT_EQ(b.Tejun.Current(), current);
        }
    }
}

} // namespace
} // namespace vorn::test

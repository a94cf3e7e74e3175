// The opening: edge lines, corner points and quadrants.
#include "Util.h"

#include "engine/Joban.h"

namespace vorn::test {
namespace {

class JobanTest : public VornTest {};

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

// Relation boxes laid over two related stones: the worked layouts of every
// builder, orientation by orientation, and the range test on short boxes.
#include "Util.h"

#include <vector>

#include "board/Between.h"

namespace vorn::test {
namespace {

using Pts = std::vector<Point>;

class BetweenTest : public VornTest {};

Pts Take(const Point* box, int n) { return Pts(box, box + n); }

TEST_F(BetweenTest, Strip3AlongAColumnBothWays)
{
    Point box[15];
    EXPECT_EQ(BetweenStrip3(Point(5, 5), Point(5, 9), box), 14);
    EXPECT_EQ(Take(box, 3), (Pts{{4, 5}, {5, 5}, {6, 5}}));
    EXPECT_EQ(Take(box + 12, 3), (Pts{{4, 9}, {5, 9}, {6, 9}}));
    // A on cell 1, B on cell 3n + 1, the gap points on 4, 7, 10.
    EXPECT_EQ(box[1], Point(5, 5));
    EXPECT_EQ(box[13], Point(5, 9));
    EXPECT_EQ(box[7], Point(5, 7));

    // Upward the rows run 5, 4, ... 1, still left to right inside each row.
    EXPECT_EQ(BetweenStrip3(Point(5, 5), Point(5, 1), box), 14);
    EXPECT_EQ(Take(box, 6), (Pts{{4, 5}, {5, 5}, {6, 5}, {4, 4}, {5, 4}, {6, 4}}));
    EXPECT_EQ(Take(box + 12, 3), (Pts{{4, 1}, {5, 1}, {6, 1}}));
}

TEST_F(BetweenTest, Strip3AlongARowKeepsTheSidesAbsolute)
{
    Point box[9];
    // One-space jump to the left: side 0 stays above the line.
    EXPECT_EQ(BetweenStrip3(Point(7, 3), Point(5, 3), box), 8);
    EXPECT_EQ(Take(box, 9),
              (Pts{{7, 2}, {7, 3}, {7, 4}, {6, 2}, {6, 3}, {6, 4}, {5, 2}, {5, 3}, {5, 4}}));
    // Adjacent pair: 6 cells.
    Point two[6];
    EXPECT_EQ(BetweenStrip3(Point(1, 1), Point(2, 1), two), 5);
    // Off-board cells are written as they are.
    EXPECT_EQ(two[0], Point(1, 0));
    EXPECT_EQ(two[3], Point(2, 0));
}

TEST_F(BetweenTest, Strip5GivesTheOuterLines)
{
    Point box[10];
    EXPECT_EQ(BetweenStrip5(Point(5, 5), Point(5, 8), box), 7);
    EXPECT_EQ(Take(box, 8), (Pts{{3, 5}, {7, 5}, {3, 6}, {7, 6}, {3, 7}, {7, 7}, {3, 8}, {7, 8}}));
    EXPECT_EQ(BetweenStrip5(Point(6, 2), Point(2, 2), box), 9);
    EXPECT_EQ(Take(box, 4), (Pts{{6, 0}, {6, 4}, {5, 0}, {5, 4}}));
    EXPECT_EQ(box[9], Point(2, 4));
}

TEST_F(BetweenTest, RowsStepAlongTheLongSide)
{
    Point box[6];
    BetweenRows(Point(5, 5), Point(6, 7), box);
    EXPECT_EQ(Take(box, 6), (Pts{{5, 5}, {6, 5}, {5, 6}, {6, 6}, {5, 7}, {6, 7}}));
    BetweenRows(Point(5, 5), Point(7, 6), box);
    EXPECT_EQ(Take(box, 6), (Pts{{5, 5}, {5, 6}, {6, 5}, {6, 6}, {7, 5}, {7, 6}}));
    // (1,4) shape, going up-left: 10 cells, B last.
    Point wide[10];
    BetweenRows(Point(5, 5), Point(4, 1), wide);
    EXPECT_EQ(wide[0], Point(5, 5));
    EXPECT_EQ(wide[1], Point(4, 5));
    EXPECT_EQ(wide[9], Point(4, 1));
}

TEST_F(BetweenTest, DiagLinesLieOutsideTheRows)
{
    Point box[6];
    BetweenDiag(Point(5, 5), Point(6, 7), box);
    EXPECT_EQ(Take(box, 6), (Pts{{4, 5}, {7, 5}, {4, 6}, {7, 6}, {4, 7}, {7, 7}}));
    // Stepping along x, B above A: A's outer line is below A.
    BetweenDiag(Point(5, 5), Point(7, 4), box);
    EXPECT_EQ(Take(box, 6), (Pts{{5, 6}, {5, 3}, {6, 6}, {6, 3}, {7, 6}, {7, 3}}));
}

TEST_F(BetweenTest, WideHasAMiddleLine)
{
    Point box[12];
    BetweenWide(Point(5, 5), Point(7, 3), box);
    EXPECT_EQ(Take(box, 9),
              (Pts{{5, 5}, {6, 5}, {7, 5}, {5, 4}, {6, 4}, {7, 4}, {5, 3}, {6, 3}, {7, 3}}));
    // (2,3) stepping along the side of length 3.
    BetweenWide(Point(5, 5), Point(8, 7), box);
    EXPECT_EQ(Take(box, 3), (Pts{{5, 5}, {5, 6}, {5, 7}}));
    EXPECT_EQ(box[11], Point(8, 7));
    BetweenWide(Point(5, 5), Point(3, 8), box);
    EXPECT_EQ(Take(box, 3), (Pts{{5, 5}, {4, 5}, {3, 5}}));
    EXPECT_EQ(box[11], Point(3, 8));
    // Off the board nothing is clipped.
    BetweenWide(Point(1, 1), Point(-1, -1), box);
    EXPECT_EQ(box[4], Point(0, 0));
    EXPECT_EQ(box[8], Point(-1, -1));
}

TEST_F(BetweenTest, Box4RowByRowFromA)
{
    Point box[16];
    BetweenBox4(Point(4, 4), Point(1, 7), box);
    EXPECT_EQ(box[0], Point(4, 4));
    EXPECT_EQ(box[3], Point(1, 4));
    EXPECT_EQ(box[4], Point(4, 5));
    EXPECT_EQ(box[15], Point(1, 7));
}

TEST_F(BetweenTest, ABoxTooSmallForTheShapeIsARangeError)
{
    Point box[8];
    EXPECT_THROW(BetweenStrip3(Point(5, 5), Point(5, 8), box), ERangeError);
    EXPECT_THROW(BetweenBox4(Point(1, 1), Point(4, 4), box), ERangeError);
    Point rows[5];
    EXPECT_THROW(BetweenRows(Point(5, 5), Point(6, 7), rows), ERangeError);
}

} // namespace
} // namespace vorn::test

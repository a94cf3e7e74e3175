// Eye values and eye shapes: the classic eye spaces with their vital
// points, large regions, shape classes of enemy stones inside an eye, and the
// shape tests themselves.
#include "LifeUtil.h"
#include "Util.h"

#include <vector>

#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Me.h"

namespace vorn::test {
namespace {

class MeTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

TEST_F(MeTest, ClassicEyeSpaces)
{
    const struct {
        const char* diagram;
        Point in;     // a point of the eye space
        int me;       // its eye value
        int vital;    // vital points found
        Point first;  // the first of them
        const char* what;
    } cases[] = {
        {life::kStraightThree,
         {3, 2}, 3, 1, {3, 2}, "straight three: one eye and the middle to make two"},
        {life::kStraightFour,
         {1, 1}, 4, 2, {2, 1}, "straight four: two eyes"},
        {life::kSquareFour,
         {1, 1}, 2, 0, {0, 0}, "square four: one eye"},
        {R"(
        . . . X O . . . .
        . X X X O . . . .
        . X O O O . . . .
        X X O . . . . . .
        O O O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         {1, 1}, 4, 3, {2, 1}, "bent five along the corner"},
        {life::kNinePoints,
         {1, 1}, 6, 0, {0, 0}, "nine points inside: a large eye space"},
        {R"(
        O . . . X . . . .
        . . . X X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . . . . . . .)",
         {7, 1}, 4, 0, {0, 0}, "ten points, six inside the border: two eyes"},
    };
    for (const auto& c : cases) {
        SetBoard(c.diagram);
        b0().Analyze();
        TJi& ji = JiAt(c.in);
        EXPECT_EQ(ji.GetMe(), c.me) << c.what;
        EXPECT_EQ(ji.GetPartLocateSu(), c.vital) << c.what;
        if (c.vital > 0) {
            EXPECT_EQ(ji.GetPartLocate(1), c.first) << c.what;
        }
    }
}

TEST_F(MeTest, StraightThreeWithItsMiddleForbiddenIsTwoEyes)
{
    SetBoard(life::kStraightThree);
    b0().Analyze();
    TJi& ji = JiAt(Point(2, 2));
    ASSERT_EQ(ji.CalcMe(), 3);
    EXPECT_EQ(ji.GetBunkatuMark(ji.FindYoso(Point(3, 2))), kBunkatuP);
    EXPECT_EQ(ji.GetBunkatuMark(ji.FindYoso(Point(2, 2))), kBunkatuNone);
    // Dividing at the middle leaves two one-point eyes.
    EXPECT_EQ(ji.PartValue(Point(3, 2)), 4);
    b0().Kinsi[kSiro][3][2] = 1;
    EXPECT_EQ(ji.CalcMe(), 4);
}

TEST_F(MeTest, EyeValueOfOnePointAndBorderRegions)
{
    // A one-point eye that white captures into is half an eye.
    SetBoard(R"(
        . X O . . . . . .
        X X O . . . . . .
        O O O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    b0().Analyze();
    EXPECT_EQ(b0().IsToruTen(kSiro, 1, 1), 1);
    const TGun& black = *b0().GunList.GetGunAt(Point(2, 1));
    EXPECT_EQ(black.GetDeath(), 1);
    EXPECT_LE(black.GetMe(), 1);
}

TEST_F(MeTest, ShapeClasses)
{
    const struct {
        std::vector<Point> points;
        int cls;
        const char* what;
    } cases[] = {
        {{{5, 5}, {6, 5}}, 2, "two points"},
        {{{5, 5}, {6, 5}, {7, 5}}, 3, "three points"},
        {{{1, 1}, {2, 1}, {1, 2}, {1, 3}}, 3, "bent four in the corner"},
        {{{5, 5}, {6, 5}, {7, 5}, {8, 5}}, 4, "straight four"},
        {{{5, 5}, {6, 5}, {5, 6}, {6, 6}}, 2, "square four"},
        {{{5, 5}, {6, 5}, {7, 5}, {7, 6}}, 4, "bent four in the open"},
        {{{5, 5}, {4, 6}, {5, 6}, {6, 6}}, 3, "pyramid four"},
        {{{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}}, 4, "straight five"},
        {{{5, 5}, {4, 6}, {5, 6}, {6, 6}, {5, 7}}, 3, "cross five"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShapeEyeClass(c.points, static_cast<int>(c.points.size())), c.cls) << c.what;
}

TEST_F(MeTest, BentFourInTheCorner)
{
    const int n = BoardSize;
    const struct {
        std::vector<Point> points;
        int bent;
    } cases[] = {
        {{{1, 1}, {2, 1}, {1, 2}, {1, 3}}, 1},
        {{{n, n}, {n - 1, n}, {n - 2, n}, {n, n - 1}}, 1},
        {{{1, 1}, {2, 1}, {3, 1}, {4, 1}}, 0}, // one side: straight
        {{{2, 1}, {3, 1}, {4, 1}, {5, 1}}, 0}, // no corner
        {{{1, 1}, {2, 1}, {1, 2}, {2, 2}}, 0}, // off the first line
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsBentFourCorner(c.points), c.bent);
}

TEST_F(MeTest, MiddleOfThree)
{
    EXPECT_EQ(MiddleOfThree({5, 3}, {5, 1}, {5, 2}), Point(5, 2));
    EXPECT_EQ(MiddleOfThree({3, 7}, {1, 7}, {2, 7}), Point(2, 7));
    // A bent three: the corner, whichever order.
    EXPECT_EQ(MiddleOfThree({1, 1}, {2, 1}, {2, 2}), Point(2, 1));
    EXPECT_EQ(MiddleOfThree({2, 1}, {1, 1}, {2, 2}), Point(2, 1));
    EXPECT_EQ(MiddleOfThree({2, 2}, {1, 1}, {2, 1}), Point(2, 1));
}

TEST_F(MeTest, ALongRingHasNoDividingPoint)
{
    // The border of a 7 x 5 box: 20 points.  Taking one out leaves one part,
    // whose far end lies more than ten points away.
    std::vector<Point> ring;
    for (int x = 3; x <= 9; ++x)
        ring.push_back({x, 3}), ring.push_back({x, 7});
    for (int y = 4; y <= 6; ++y)
        ring.push_back({3, y}), ring.push_back({9, y});
    EXPECT_EQ(ShapeEyeClass(ring, static_cast<int>(ring.size())), 2);
    FillGrid<std::uint8_t, 0, 20>(JiMarkMap, 0);
    for (Point p : ring)
        JiMarkMap[p.x][p.y] = 1;
    JiMarkMap[6][3] = 0;
    EXPECT_EQ(IsDividingPoint(Point(6, 3)), 0);
    Point nb[4];
    EXPECT_EQ(ListMarkedNeighbours(Point(6, 3), nb), 2);
    // Opened at (6,7) as well, the ring falls into two parts.
    JiMarkMap[6][7] = 0;
    EXPECT_EQ(IsDividingPoint(Point(6, 3)), 1);
}

TEST_F(MeTest, EnemyChainShapes)
{
    // A white line of eight stones in the open: each shape left when one
    // liberty is filled has 25 points and no dividing point.
    SetBoard(R"(
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . O O O O O O O O . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .)");
    b0().Analyze();
    const int line = b0().RenList.RenNo(2, 5);
    ASSERT_EQ(b0().RenList.Items(line)->Kuu(), 18);
    EXPECT_EQ(RenShapeClass(line), 2);
    // Four white stones along the edge, black below: with either end filled
    // the rest is a straight five.  Two stones on the side with five
    // liberties leave a block of six without a dividing point.
    SetBoard(R"(
        . O O O O . . . .
        X X X X X X . . .
        . . . . . . . . .
        . . . . . . . O O
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    b0().Analyze();
    EXPECT_EQ(RenShapeClass(b0().RenList.RenNo(2, 1)), 4);
    EXPECT_EQ(RenShapeClass(b0().RenList.RenNo(8, 4)), 2);
}

} // namespace
} // namespace vorn::test

// The shared geometry tables and the point routines: distances, edge lines,
// point arithmetic, small lists, and the shape queries on small diagrams.
#include "Util.h"

#include <cmath>
#include <set>
#include <string>

#include "board/Basic.h"
#include "board/Define.h"

namespace vorn::test {
namespace {

class BasicTest : public VornTest {};

// Clockwise angle from "up" (y grows downward), in [0, 2 pi).
double Clockwise(int dx, int dy)
{
    double a = std::atan2(static_cast<double>(dx), static_cast<double>(-dy));
    return a < 0 ? a + 2 * M_PI : a;
}

// The entries lo..hi of a direction table run clockwise, starting from the
// first one at or after "up".
template <class TX, class TY>
void ExpectClockwise(const TX& xs, const TY& ys, int lo, int hi)
{
    for (int i = lo + 1; i <= hi; ++i)
        EXPECT_LT(Clockwise(xs[i - 1], ys[i - 1]), Clockwise(xs[i], ys[i])) << "entry " << i;
}

TEST_F(BasicTest, DirectionTablesRunClockwiseFromUp)
{
    ExpectClockwise(Dir4X, Dir4Y, 1, 4);
    EXPECT_EQ(Point(Dir4X[1], Dir4Y[1]), Point(0, -1));
    EXPECT_EQ(Point(Dir4X[5], Dir4Y[5]), Point(Dir4X[1], Dir4Y[1]));
    ExpectClockwise(NanameX, NanameY, 1, 4);
    EXPECT_EQ(Point(NanameX[1], NanameY[1]), Point(1, -1));
    for (int d = 1; d <= 4; ++d) {
        EXPECT_EQ(Point(Dir8X[d], Dir8Y[d]), Point(Dir4X[d], Dir4Y[d]));
        EXPECT_EQ(Point(Dir8X[d + 4], Dir8Y[d + 4]), Point(NanameX[d], NanameY[d]));
        EXPECT_EQ(Point(IkkenX[d], IkkenY[d]), Point(2 * Dir4X[d], 2 * Dir4Y[d]));
    }
    ExpectClockwise(KeimaX, KeimaY, 1, 8);
    std::set<std::pair<int, int>> keima;
    for (int d = 1; d <= 8; ++d) {
        EXPECT_EQ(std::abs(KeimaX[d]) * std::abs(KeimaY[d]), 2);
        keima.insert({KeimaX[d], KeimaY[d]});
    }
    EXPECT_EQ(keima.size(), 8u);
    EXPECT_EQ(Point(KeimaX[1], KeimaY[1]), Point(1, -2));
}

TEST_F(BasicTest, RelationStepsAreGroupedByShapeClockwise)
{
    struct Group {
        int lo, hi, a, b; // shape: the larger and smaller coordinate difference
    };
    const Group groups[] = {{1, 4, 1, 0},   {5, 8, 1, 1},   {9, 12, 2, 0},  {13, 20, 2, 1},
                            {21, 24, 2, 2}, {25, 28, 3, 0}, {29, 36, 3, 1}, {37, 44, 3, 2},
                            {45, 48, 4, 0}, {49, 56, 4, 1}, {57, 64, 4, 2}, {65, 68, 3, 3}};
    std::set<std::pair<int, int>> all;
    for (const Group& g : groups) {
        for (int i = g.lo; i <= g.hi; ++i) {
            const int ax = std::abs(KankeiOffsetX[i]), ay = std::abs(KankeiOffsetY[i]);
            EXPECT_EQ(std::max(ax, ay), g.a) << "step " << i;
            EXPECT_EQ(std::min(ax, ay), g.b) << "step " << i;
            all.insert({KankeiOffsetX[i], KankeiOffsetY[i]});
        }
        ExpectClockwise(KankeiOffsetX, KankeiOffsetY, g.lo, g.hi);
    }
    EXPECT_EQ(all.size(), 68u);
    // The first groups are the neighbour, diagonal, jump and knight tables.
    for (int d = 1; d <= 4; ++d) {
        EXPECT_EQ(Point(KankeiOffsetX[d], KankeiOffsetY[d]), Point(Dir4X[d], Dir4Y[d]));
        EXPECT_EQ(Point(KankeiOffsetX[4 + d], KankeiOffsetY[4 + d]), Point(NanameX[d], NanameY[d]));
        EXPECT_EQ(Point(KankeiOffsetX[8 + d], KankeiOffsetY[8 + d]), Point(IkkenX[d], IkkenY[d]));
    }
    for (int d = 1; d <= 8; ++d)
        EXPECT_EQ(Point(KankeiOffsetX[12 + d], KankeiOffsetY[12 + d]), Point(KeimaX[d], KeimaY[d]));
    // Spot checks: the first (2,3) and the last (3,3) step.
    EXPECT_EQ(Point(KankeiOffsetX[37], KankeiOffsetY[37]), Point(2, -3));
    EXPECT_EQ(Point(KankeiOffsetX[68], KankeiOffsetY[68]), Point(-3, -3));
}

TEST_F(BasicTest, RankNamesStrongestFirst)
{
    for (int i = 1; i <= kRanks; ++i) {
        const std::string e = i <= 8 ? std::to_string(9 - i) + "dan" : std::to_string(i - 8) + "kyu";
        EXPECT_EQ(RankNameE[i], e);
    }
    EXPECT_STREQ(RankNameJ[1], "八段");
    EXPECT_STREQ(RankNameJ[8], "初段");
    EXPECT_STREQ(RankNameJ[9], "１級");
    EXPECT_STREQ(RankNameJ[17], "９級");
}

TEST_F(BasicTest, KyoriByShape)
{
    for (int a = 0; a <= 8; ++a)
        EXPECT_EQ(KyoriTable[a], a * (a + 1) / 2);
    const struct {
        Point p, q;
        int kyori;
    } cases[] = {
        {{4, 4}, {13, 4}, 99}, {{4, 4}, {12, 4}, 36}, {{4, 4}, {6, 5}, 4}, {{4, 4}, {5, 4}, 1},
        {{4, 4}, {5, 5}, 2},   {{4, 4}, {4, 6}, 3},   {{4, 4}, {4, 4}, 0}, {{4, 4}, {7, 7}, 9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Kyori(c.p, c.q), c.kyori) << c.q.x << "," << c.q.y;
        EXPECT_EQ(Kyori(c.q, c.p), c.kyori);
    }
}

TEST_F(BasicTest, LineNumbersOnEverySize)
{
    EXPECT_EQ(LineNo(1, 1), 1);
    EXPECT_EQ(LineNo(10, 10), 10);
    EXPECT_EQ(LineNo(19, 4), 1);
    EXPECT_EQ(LineNo(16, 4), 4);
    EXPECT_EQ(LineNoPair(Point(3, 4)), Point(3, 4));
    EXPECT_EQ(LineNoPair(Point(17, 16)), Point(3, 4));
    EXPECT_EQ(LineNoFar(Point(10, 10)), 10);
    BoardSize = 9;
    EXPECT_EQ(LineNo(5, 5), 5);
    EXPECT_EQ(LineNo(9, 5), 1);
    EXPECT_EQ(LineNoPt(Point(7, 6)), 3);
    EXPECT_EQ(LineNoFar(Point(7, 6)), 4);
    BoardSize = 13;
    EXPECT_EQ(LineNo(7, 7), 7);
    EXPECT_EQ(LineNo(12, 7), 2);
}

TEST_F(BasicTest, QuadrantsSplitAtTheMiddleLine)
{
    // 19x19: line 10 belongs to the right and lower quarters.
    EXPECT_EQ(Quadrant(Point(9, 9)), 1);
    EXPECT_EQ(Quadrant(Point(10, 9)), 2);
    EXPECT_EQ(Quadrant(Point(10, 10)), 3);
    EXPECT_EQ(Quadrant(Point(9, 10)), 4);
    EXPECT_EQ(Quadrant(Point(16, 4)), 2);
    // Smaller boards split at their own middle line, so every quarter holds
    // its corner.
    for (int size : {9, 13}) {
        BoardSize = size;
        const int mid = (size + 1) / 2;
        EXPECT_EQ(Quadrant(Point(3, 3)), 1);
        EXPECT_EQ(Quadrant(Point(size - 2, 3)), 2);
        EXPECT_EQ(Quadrant(Point(size - 2, size - 2)), 3);
        EXPECT_EQ(Quadrant(Point(3, size - 2)), 4);
        EXPECT_EQ(Quadrant(Point(mid - 1, mid - 1)), 1);
        EXPECT_EQ(Quadrant(Point(mid, mid - 1)), 2);
        int count[5] = {};
        for (int x = 1; x <= size; ++x)
            for (int y = 1; y <= size; ++y)
                ++count[Quadrant(Point(x, y))];
        EXPECT_EQ(count[1], (mid - 1) * (mid - 1)) << size;
        EXPECT_EQ(count[3], (size - mid + 1) * (size - mid + 1)) << size;
    }
}

TEST_F(BasicTest, PointArithmetic)
{
    EXPECT_EQ(StepBeyond(Point(4, 4), Point(4, 6)), Point(4, 7));
    EXPECT_EQ(StepBeyond(Point(4, 4), Point(6, 6)), Point(7, 7));
    EXPECT_EQ(StepBeyond(Point(4, 4), Point(3, 4)), Point(2, 4));
    EXPECT_EQ(StepBeyond(Point(4, 4), Point(4, 4)), Point(4, 3));
    EXPECT_TRUE(SamePt(Point(3, 2), Point(3, 2)));
    Point p(1, 2), q(3, 4);
    SwapPt(p, q);
    EXPECT_EQ(p, Point(3, 4));
    EXPECT_EQ(q, Point(1, 2));

    SetBoard(R"(
        . . . . .
        . X . . .
        . . O . .
        . . . . .
        . . . . .)");
    // Corners of (2,2) and (3,3): (2,3) empty, (3,2) empty.
    EXPECT_EQ(CrossPt(Point(2, 2), Point(3, 3)), Point(2, 3));
    EXPECT_EQ(CrossPtIsi(Point(2, 2), Point(3, 3)), Point(3, 2));
    GobanLv[0]->SetIro(2, 3, kSiro);
    EXPECT_EQ(CrossPt(Point(2, 2), Point(3, 3)), Point(3, 2));
    EXPECT_EQ(CrossPtIsi(Point(2, 2), Point(3, 3)), Point(2, 3));
    Point corners[2];
    CrossPts(Point(2, 2), Point(3, 3), corners);
    EXPECT_EQ(corners[0], Point(2, 3));
    EXPECT_EQ(corners[1], Point(3, 2));
}

TEST_F(BasicTest, UniqueListsRefuseDuplicatesAndOverflow)
{
    int ints[3] = {};
    int n = 0;
    EXPECT_TRUE(AddIntUnique(ints, n, 2, 7));
    EXPECT_FALSE(AddIntUnique(ints, n, 2, 7));
    EXPECT_TRUE(AddIntUnique(ints, n, 2, 8));
    EXPECT_FALSE(AddIntUnique(ints, n, 2, 9)); // full at max
    EXPECT_EQ(n, 2);
    EXPECT_EQ(ints[2], 0);

    Point pts[2];
    int m = 0;
    EXPECT_TRUE(AddPtUnique(pts, m, 2, Point(1, 1)));
    EXPECT_FALSE(AddPtUnique(pts, m, 2, Point(1, 1)));
    EXPECT_TRUE(AddPtUnique(pts, m, 2, Point(2, 1)));
    EXPECT_FALSE(AddPtUnique(pts, m, 2, Point(3, 1)));
    EXPECT_TRUE(PtInList(Point(2, 1), pts, 2));
    EXPECT_FALSE(PtInList(Point(2, 1), pts, 1));
    // A max beyond the array is caught by the range test, not written past it.
    EXPECT_THROW(AddPtUnique(pts, m, 5, Point(4, 1)), ERangeError);
}

TEST_F(BasicTest, NeighbourCountsAndLists)
{
    TIroCounts n;
    CountNeighbour(Point(1, 1), n);
    EXPECT_EQ(n[kHen], 2);
    EXPECT_EQ(n[kAki], 2);
    CountAroundWide(Point(1, 1), n);
    EXPECT_EQ(n[kAki], 10);
    EXPECT_EQ(n[kHen], 18);
    CountAroundWide(Point(10, 10), n);
    EXPECT_EQ(n[kAki], 28);

    SetBoard(R"(
        . X . . .
        O . X . .
        . O . . .
        . . . . .
        . . . . .)");
    const Point p(2, 2);
    CountNeighbour(p, n);
    EXPECT_EQ(n[kKuro], 2);
    EXPECT_EQ(n[kSiro], 2);
    CountDiagonal(p, n);
    EXPECT_EQ(n[kAki], 4);
    Point list[4];
    ASSERT_EQ(ListNeighbour(p, kKuro, list), 2);
    EXPECT_EQ(list[0], Point(2, 1)); // up before right
    EXPECT_EQ(list[1], Point(3, 2));
    ASSERT_EQ(ListNeighbourOrAki(Point(1, 1), kSiro, list), 1);
    EXPECT_EQ(list[0], Point(1, 2));
    EXPECT_EQ(ListDiagonal(Point(1, 1), kKuro, list), 0);
    int rens[8];
    EXPECT_EQ(ListTonariRen(p, kKuro, rens), 2);
    EXPECT_EQ(ListTonariRenNo(p, rens), 4);
    EXPECT_EQ(ListAroundRen8(Point(2, 1), kSiro, rens), 1);
    EXPECT_EQ(ListAroundRen8All(Point(2, 1), rens), 2);
    // A list shorter than the answer is a range error.
    Point one[1];
    EXPECT_THROW(ListNeighbour(p, kSiro, one), ERangeError);
}

TEST_F(BasicTest, KoShapeAndCanUtu)
{
    SetBoard(R"(
        . X O . . . . . .
        X . X O . . . . .
        . X O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    GobanLv[0]->Analyze();
    // White captures the black stone (3,2) at (2,2): a ko.
    EXPECT_TRUE(IsKouShape(Point(2, 2), kSiro));
    EXPECT_TRUE(RenIsKou(GobanLv[0]->RenList.RenAt(3, 2)));
    EXPECT_FALSE(RenIsKou(GobanLv[0]->RenList.RenAt(2, 1)));
    EXPECT_FALSE(IsKouShape(Point(2, 2), kKuro));
    EXPECT_TRUE(CanUtuXY(kSiro, 2, 2));
    EXPECT_TRUE(CanUtuXY(kKuro, 2, 2)); // black fills its own eye: legal
    EXPECT_FALSE(CanUtuXY(kKuro, 3, 2)); // occupied

    // White takes; black may not retake at once.
    Handicap = 2;
    ASSERT_EQ(GobanLv[0]->Utu(2, 2), kUtuOk);
    GobanLv[0]->Analyze();
    EXPECT_TRUE(IsKouShape(Point(3, 2), kKuro));
    EXPECT_FALSE(CanUtuXY(kKuro, 3, 2));
    EXPECT_TRUE(CanUtuXY(kKuro, 5, 5));
}

TEST_F(BasicTest, TwoStoneCaptureIsNoKoShape)
{
    SetBoard(R"(
        . X O O . . . . .
        X . X X O . . . .
        . X O O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    GobanLv[0]->Analyze();
    EXPECT_TRUE(GobanLv[0]->IsToruTen(kSiro, 2, 2));
    EXPECT_FALSE(IsKouShape(Point(2, 2), kSiro));
}

TEST_F(BasicTest, CrossCutAndSplitShapes)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . O . . .
        . . . . . X . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    // p = (5,5) beside the black stone (6,5); white on (6,4) and (5,6).
    EXPECT_TRUE(IsNarabiCross(Point(5, 5), kKuro));
    GobanLv[0]->SetIro(5, 6, kAki);
    EXPECT_FALSE(IsNarabiCross(Point(5, 5), kKuro));
    GobanLv[0]->SetIro(5, 4, kSiro);
    GobanLv[0]->SetIro(6, 4, kAki);
    GobanLv[0]->SetIro(6, 6, kSiro);
    EXPECT_TRUE(IsNarabiCross(Point(5, 5), kKuro));

    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . O . . .
        . . . . . X . . .
        . . . . . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    // White stones at (6,4) and (6,6) split by black (6,5), seen from (5,5).
    EXPECT_TRUE(IsWareShape(Point(5, 5), kKuro));
    EXPECT_FALSE(IsWareShape(Point(7, 5), kSiro));
    GobanLv[0]->SetIro(4, 5, kKuro);
    EXPECT_FALSE(IsWareShape(Point(5, 5), kKuro));
}

TEST_F(BasicTest, AtariQueriesAroundAPoint)
{
    SetBoard(R"(
        . O X . . . . . .
        . X O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X O X . . .
        . . . . . . . . .
        . . . . . . . X .
        . . . . . . . O .)");
    TGoban& b = *GobanLv[0];
    // White (2,1) and black (3,1) are both in atari.
    TRen* black31 = b.RenList.RenAt(3, 1);
    TRen* white21 = b.RenList.RenAt(2, 1);
    TRen* white32 = b.RenList.RenAt(3, 2);
    EXPECT_EQ(TonariAtariRen(Point(3, 1)), white21);
    EXPECT_EQ(TonariAtariRen(Point(3, 2)), black31);
    EXPECT_EQ(TonariAtariRen(Point(8, 8)), nullptr);
    EXPECT_EQ(TonariAtariRen(Point(5, 5)), b.RenList.RenAt(5, 6));
    // Neighbours of (3,1) in order of meeting: (3,2) first, then (2,1).
    EXPECT_EQ(TonariAtariKuu(black31), Point(1, 1));
    EXPECT_EQ(TonariAtariKuu(white32), Point(4, 1));
    EXPECT_EQ(TonariAtariKuuPt(Point(3, 1)), Point(1, 1));
    EXPECT_EQ(TonariAtariKuuPt(Point(8, 8)), Point());
    EXPECT_EQ(TonariAtariKuuPt(Point(5, 5)), Point(5, 7));
    // Escape of black (3,1): capture (2,1) at (1,1).
    EXPECT_EQ(RenNigeTe(black31), Point(1, 1));
    // White (5,6) has no neighbour in atari: it extends at its liberty.
    EXPECT_EQ(RenNigeTe(b.RenList.RenAt(5, 6)), Point(5, 7));
    EXPECT_EQ(TonariToruTe(white32), Point(4, 1));
    EXPECT_EQ(TonariToruTe(b.RenList.RenAt(5, 5)), Point(5, 7));
    // Black (8,8) touches only a two-liberty chain, White (8,9) on the edge:
    // the ladder catches it, starting with the atari at (7,9).
    EXPECT_EQ(TonariToruTe(b.RenList.RenAt(8, 8)), Point(7, 9));
    EXPECT_EQ(AroundToruTe(Point(4, 2), kKuro), Point(1, 1));
    EXPECT_EQ(AroundToruTe(Point(4, 2), kSiro), Point(4, 1));
    EXPECT_TRUE(HasAtariRen8(Point(4, 2), kKuro));
    EXPECT_FALSE(HasAtariRen8(Point(4, 4), kKuro));
    EXPECT_TRUE(HasAtariRen8(Point(4, 7), kSiro));
    // No groups have been judged: nothing dead or in seki.
    EXPECT_FALSE(HasDeathGun8(Point(4, 2)));
    EXPECT_FALSE(HasSekiGun4(Point(4, 2)));
}

TEST_F(BasicTest, IkkenToCenterLooksForAHigherLine)
{
    EXPECT_EQ(IkkenToCenter(Point(1, 1)), Point());
    EXPECT_EQ(IkkenToCenter(Point(3, 4)), Point(5, 4));
    EXPECT_EQ(IkkenToCenter(Point(4, 17)), Point(4, 15));
    EXPECT_EQ(IkkenToCenter(Point(10, 10)), Point());
}

// TonariPairTe on 9x9 around p = (5,5).
TEST_F(BasicTest, PairAnswerBetweenTwoStonesInLine)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . X . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    // The side point (5,4) faces the white stone: the shape point.
    EXPECT_EQ(TonariPairTe(Point(5, 5), kKuro), Point(5, 4));
    // Asked for white, p has no white neighbour: the black pair answers.
    EXPECT_EQ(TonariPairTe(Point(5, 5), kSiro), Point(5, 4));
    GobanLv[0]->SetIro(5, 3, kAki);
    GobanLv[0]->RenMake();
    EXPECT_EQ(TonariPairTe(Point(5, 5), kKuro), Point(5, 5));
    // One neighbour only: p.
    EXPECT_EQ(TonariPairTe(Point(3, 5), kKuro), Point(3, 5));
}

TEST_F(BasicTest, PairAnswerAroundACorner)
{
    // A = (5,4) above p, B = (6,5) right of p; t1 = (4,4), t2 = (6,6),
    // d = (4,6) the diagonal point away from the pair.
    const struct {
        const char* diagram;
        Point answer;
    } cases[] = {
        // Both diagonals next to the pair are black: d mends the shape.
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X X . . . .
        . . . . . X . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(4, 6)},
        // White holds d and t2 is open: block at s2 = (5,6).
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X X . . . .
        . . . . . X . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(5, 6)},
        // Only t2 is black and u2 = (5,7) is not white: s1 = (4,5).
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . X . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(4, 5)},
        // ... and with white on u2: d.
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . X . . .
        . . . . . X . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(4, 6)},
        // A white stone opposite B whose ladder is not known: nothing.
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X X . . . .
        . . . O . X . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(5, 5)},
    };
    for (const auto& c : cases) {
        SetBoard(c.diagram);
        EXPECT_EQ(TonariPairTe(Point(5, 5), kKuro), c.answer) << c.diagram;
    }
}

TEST_F(BasicTest, PairAnswerOnTheEdgeIsNothing)
{
    SetBoard(R"(
        . . . X . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(TonariPairTe(Point(5, 1), kKuro), Point(5, 1));
}

} // namespace
} // namespace vorn::test

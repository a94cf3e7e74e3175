// The frame of the relation-shape handlers: boxes and their colours by kind,
// the local-mode gate, role views, the output rule and the scoped reader.
#include "Util.h"
#include "engine/DecisionUtil.h"

#include "board/Between.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

using ShapeFrameTest = VornTest;

// A pair of each kind, A first.
struct TPairOfKind {
    int kind;
    Point a, b;
};
constexpr TPairOfKind kPairs[] = {
    {2, {4, 4}, {5, 5}}, {4, {4, 4}, {5, 6}},  {5, {4, 4}, {6, 6}},  {7, {4, 4}, {5, 7}},
    {8, {4, 4}, {6, 7}}, {11, {4, 4}, {5, 8}}, {13, {4, 4}, {7, 7}},
};

const char* const kEmpty9 = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(ShapeFrameTest, BoxesHoldTheirPairAtBothEnds)
{
    SetBoard(kEmpty9);
    for (const TPairOfKind& p : kPairs) {
        SCOPED_TRACE(p.kind);
        CurGoban().SetIro(p.a.x, p.a.y, kKuro);
        const TShape s(p.kind, p.a, p.b);
        ASSERT_TRUE(s.Valid());
        EXPECT_EQ(s.R(0), p.a);
        EXPECT_EQ(s.R(s.High()), p.b);
        EXPECT_EQ(s.Own(), kKuro);
        EXPECT_EQ(s.Opp(), kSiro);
        EXPECT_EQ(static_cast<int>(s.Box().size()), s.High() + 1);
        EXPECT_EQ(s.HasOuter(), p.kind == 7 || p.kind == 11);
        EXPECT_THROW(s.R(s.High() + 1), ERangeError);
        CurGoban().SetIro(p.a.x, p.a.y, kAki);
    }
}

TEST_F(ShapeFrameTest, DiagonalBoxNamesTheCrossingPoints)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const TShape s(2, Point(4, 4), Point(5, 5));
    EXPECT_EQ(s.R(1), Point(4, 5)) << "the crossing point with a stone";
    EXPECT_EQ(s.R(2), Point(5, 4)) << "the cutting point";
    EXPECT_EQ(s.c(1), kSiro);
    EXPECT_EQ(s.c(2), kAki);
    EXPECT_EQ(s.FirstOpp({2, 1}), 1);
}

TEST_F(ShapeFrameTest, CellsOffTheBoardAreNeitherEmptyNorStones)
{
    // A (1,4) pair on the edge: its outer line beyond A lies off the board.
    SetBoard(kEmpty9);
    CurGoban().SetIro(1, 3, kKuro);
    CurGoban().SetIro(2, 7, kKuro);
    const TShape s(11, Point(1, 3), Point(2, 7));
    ASSERT_TRUE(s.HasOuter());
    for (int i = 0; i <= s.High(); i += 2) {
        EXPECT_EQ(s.d(i), kHen) << i;
        EXPECT_EQ(s.Kuu(i), 0) << "no chain on a cell of the box off the board";
    }
    EXPECT_EQ(s.FirstOpp({0, 1, 2, 3}), -1);
    EXPECT_EQ(KuuOf(s.D(0)), 0);
    EXPECT_EQ(ToruRenAt(s.D(0)), nullptr);
}

TEST_F(ShapeFrameTest, GateOpensOnlyOnItsCells)
{
    SetBoard(kEmpty9);
    CurGoban().SetIro(4, 4, kKuro);
    InSakiyomi = 1;
    FillGrid(YomiArea, std::uint8_t{0});
    // (2,3): gate cells [1]..[10]; A and B alone do not open it.
    const TShape wide(8, Point(4, 4), Point(6, 7));
    EXPECT_FALSE(wide.Gate());
    YomiArea[4][4] = 1;
    YomiArea[6][7] = 1;
    EXPECT_FALSE(wide.Gate());
    YomiArea[wide.R(5).x][wide.R(5).y] = 1;
    EXPECT_TRUE(wide.Gate());
    // Diagonal: the empty crossing point only.
    FillGrid(YomiArea, std::uint8_t{0});
    CurGoban().SetIro(4, 5, kSiro);
    CurGoban().SetIro(5, 5, kKuro);
    const TShape diag(2, Point(4, 4), Point(5, 5));
    YomiArea[4][5] = 1;
    EXPECT_FALSE(diag.Gate()) << "the crossing point with White's stone";
    YomiArea[5][4] = 1;
    EXPECT_TRUE(diag.Gate());
    InSakiyomi = 0;
    FillGrid(YomiArea, std::uint8_t{0});
    EXPECT_TRUE(wide.Gate()) << "outside the look-ahead every pair passes";
}

TEST_F(ShapeFrameTest, ReversedRoleIsThePairSeenFromB)
{
    SetBoard(kEmpty9);
    for (const TPairOfKind& p : kPairs) {
        if (p.kind == 2)
            continue;
        SCOPED_TRACE(p.kind);
        CurGoban().SetIro(p.a.x, p.a.y, kKuro);
        CurGoban().SetIro(p.b.x, p.b.y, kKuro);
        const TShape s(p.kind, p.a, p.b);
        const TShape back(p.kind, p.b, p.a);
        const TRole r(s, ReversePerm(s.High()));
        for (int i = 0; i <= s.High(); ++i) {
            EXPECT_EQ(r.R(i), back.R(i)) << i;
            if (s.HasOuter()) {
                EXPECT_EQ(r.D(i), back.D(i)) << i;
            }
        }
        CurGoban().SetIro(p.a.x, p.a.y, kAki);
        CurGoban().SetIro(p.b.x, p.b.y, kAki);
    }
}

TEST_F(ShapeFrameTest, TransposedRoleReflectsTheSquareInItsDiagonal)
{
    SetBoard(kEmpty9);
    CurGoban().SetIro(4, 4, kKuro);
    const TShape s(5, Point(4, 4), Point(6, 6));
    const TRole r(s, TransposePerm3());
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(r.R(i), Point(s.R(i).y, s.R(i).x)) << i;
    // And a strip of three columns in its middle line.
    Point strip[9];
    BetweenStrip3(Point(4, 4), Point(4, 6), strip);
    const TPerm m = ColumnSwapPerm3(8);
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(strip[m[i]], Point(8 - strip[i].x, strip[i].y)) << i;
}

TEST_F(ShapeFrameTest, OutputGoesToTheEnginesSide)
{
    for (const int side : {kKuro, kSiro}) {
        PrepareDecision(R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . . O X . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)", side);
        const TShape s(2, Point(4, 4), Point(5, 5));
        s.Add(Point(5, 4), Point(6, 6), 12);
        ASSERT_EQ(KohoCount, 1);
        EXPECT_EQ(Koho.Pt[1], side == kKuro ? Point(5, 4) : Point(6, 6));
        EXPECT_EQ(Koho.Value[1], 12);
    }
}

// --- The reader -------------------------------------------------------------------

const char* const kCorner = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    O O . . . . . . .
    X O . . . . . . .
    . X . . . . . . .)";

TEST_F(ShapeFrameTest, StopEndsTheLineAtARefusal)
{
    SetBoard(kCorner);
    const std::uint64_t before = StackHash();
    {
        TShapeYomi y;
        ASSERT_TRUE(y.Play(kKuro, Point(5, 5)));
        EXPECT_FALSE(y.Play(kSiro, Point(2, 8))) << "occupied";
        EXPECT_TRUE(y.Stopped());
        EXPECT_FALSE(y.FirstRefused());
        EXPECT_FALSE(y.Play(kSiro, Point(6, 6))) << "nothing is played after a refusal";
        EXPECT_EQ(CurGoban().GetIro(6, 6), kAki);
        EXPECT_EQ(y.Tries(), 2);
        y.Back(); // the refused try: nothing taken back
        EXPECT_FALSE(y.Stopped());
        EXPECT_EQ(CurGoban().GetIro(5, 5), kKuro);
        EXPECT_TRUE(y.Play(kSiro, Point(6, 6)));
    }
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
}

TEST_F(ShapeFrameTest, GoOnPlaysPastARefusal)
{
    SetBoard(kCorner);
    const std::uint64_t before = StackHash();
    {
        TShapeYomi y(TRefusal::GoOn);
        EXPECT_FALSE(y.Play(kKuro, Point(1, 7))) << "occupied";
        EXPECT_TRUE(y.FirstRefused());
        EXPECT_EQ(Level, 0) << "a refused first move opens nothing";
        EXPECT_TRUE(y.Play(kSiro, Point(1, 9))); // captures the black stone at A8
        EXPECT_EQ(CurGoban().GetIro(1, 8), kAki);
        EXPECT_EQ(KuuOf(Point(1, 9)), 1) << "the chains are rebuilt after a move";
        EXPECT_TRUE(y.Play(kKuro, Point(5, 5)));
    }
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
}

TEST_F(ShapeFrameTest, TakingBackOnTheCallersLevelRebuildsItsChains)
{
    SetBoard(kCorner);
    ASSERT_TRUE(ToruPlay(kKuro, Point(5, 5)));
    ToruRenMake();
    const std::uint64_t before = StackHash();
    {
        TShapeYomi y;
        ASSERT_TRUE(y.Play(kSiro, Point(3, 9))); // on the caller's level
        EXPECT_EQ(KuuOf(Point(2, 9)), 1);
        y.Back();
        EXPECT_EQ(KuuOf(Point(2, 9)), 2);
        EXPECT_EQ(Level, 1);
    }
    EXPECT_EQ(StackHash(), before);
    YomiUnwind();
}

TEST_F(ShapeFrameTest, LineScoresAndTakesBack)
{
    PrepareDecision(kCorner, kKuro);
    const std::uint64_t before = StackHash();
    TShapeYomi stop;
    const auto v = stop.Line(kKuro, {{kKuro, Point(5, 5)}, {kSiro, Point(5, 6)}});
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(StackHash(), before);
    EXPECT_FALSE(stop.Line(kKuro, {{kKuro, Point(5, 5)}, {kSiro, Point(5, 5)}}).has_value());
    EXPECT_EQ(StackHash(), before);
    TShapeYomi on(TRefusal::GoOn);
    const auto w = on.Line(kKuro, {{kKuro, Point(5, 5)}, {kSiro, Point(5, 5)}, {kSiro, Point(5, 6)}});
    EXPECT_EQ(w, v) << "the refused move is not played, the rest is";
    EXPECT_FALSE(on.Line(kKuro, {{kKuro, Point(1, 7)}, {kSiro, Point(5, 6)}}).has_value());
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
}

TEST_F(ShapeFrameTest, ReadingThatStandsNoMoveIsWorthTheGamePosition)
{
    // Nothing the reading tried stood: it is the position the decision
    // started from, worth 0, and the game board's analysis is not redone.
    PrepareDecision(kCorner, kKuro);
    const std::uint64_t analyses = AnalyzeCount;
    TShapeYomi y(TRefusal::GoOn);
    EXPECT_EQ(y.ScoreAfter(kKuro, {{kKuro, Point(1, 7)}, {kKuro, Point(0, 3)}}), 0);
    EXPECT_EQ(y.ScoreReached(kSiro), 0);
    EXPECT_EQ(AnalyzeCount, analyses);
    // One move that stands is read as usual.
    const int played = y.ScoreAfter(kKuro, {{kKuro, Point(1, 7)}, {kKuro, Point(5, 5)}});
    EXPECT_EQ(played, UtuHyoka(kKuro, Point(5, 5)));
    EXPECT_EQ(Level, 0);
}

} // namespace
} // namespace vorn::test

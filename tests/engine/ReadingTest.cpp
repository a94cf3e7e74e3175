// The reading guards and the lookups that must be safe off the board: a
// trial takes back exactly the moves that stood, however it is left, and a
// point outside the board has no chain, group, mark or self-atari.
#include "Util.h"

#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

using ReadingTest = VornTest;

constexpr const char* kCorner = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    O O . . . . . . .
    X O . . . . . . .
    . X . . . . . . .
)";

TEST_F(ReadingTest, RefusedMoveInTheMiddleCostsNoMoveOfTheReading)
{
    SetBoard(kCorner);
    const std::uint64_t before = StackHash();
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(1, Pt(3, 3)));
        ASSERT_FALSE(t.Play(2, Pt(2, 7))); // occupied
        ASSERT_TRUE(t.Play(2, Pt(5, 5)));
        EXPECT_EQ(t.Tries(), 3);
        EXPECT_EQ(t.Stood(), 2);
        t.Back(); // the white stone
        t.Back(); // the refused try: nothing to take back
        // The black stone of the first try still stands.
        EXPECT_EQ(CurGoban().GetIroPt(Pt(3, 3)), 1);
        EXPECT_GT(Level, 0);
    }
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(StackHash(), before);
}

TEST_F(ReadingTest, TrialUnwindsOnException)
{
    SetBoard(kCorner);
    const std::uint64_t before = StackHash();
    try {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(2, Pt(1, 9))); // captures the black stone above it
        ASSERT_TRUE(t.PushPlay(1, Pt(5, 5)));
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(StackHash(), before);
}

// The look-ahead tree plays on the game record itself: a line that meets the
// full record, an occupied point or a reader's open level takes back exactly
// its own moves and never a move of the game.
TEST_F(ReadingTest, SameLevelLineTakesBackOnlyItsOwnMoves)
{
    SetBoard(kCorner);
    TGoban& b0 = *GobanLv[0];
    while (b0.Tejun.Last() < kMaxTe - 2)
        ASSERT_TRUE(b0.Pass());
    const std::uint64_t before = BoardHash(b0);
    {
        TYomiSame line;
        EXPECT_TRUE(line.Play(b0.Tejun.NextColor(), Pt(5, 5)));
        EXPECT_FALSE(line.Play(b0.Tejun.NextColor(), Pt(5, 5))); // occupied
        EXPECT_FALSE(line.Play(b0.Tejun.NextColor(), Pt(0, 5))); // off the board
        EXPECT_TRUE(line.Play(b0.Tejun.NextColor(), Pt(6, 6)));  // the 600th move
        EXPECT_FALSE(line.Play(b0.Tejun.NextColor(), Pt(7, 7))); // the record is full
        EXPECT_EQ(line.Played(), 2);
        EXPECT_EQ(b0.Tejun.Last(), kMaxTe);
        EXPECT_EQ(Level, 0);
        line.Back();
        EXPECT_EQ(b0.Tejun.Last(), kMaxTe - 1);
        EXPECT_EQ(b0.GetIroPt(Pt(6, 6)), kAki);
    }
    EXPECT_EQ(b0.Tejun.Last(), kMaxTe - 2);
    EXPECT_EQ(BoardHash(b0), before);

    // A reader that leaves a level open above the line.
    {
        TYomiSame line;
        ASSERT_TRUE(line.Play(b0.Tejun.NextColor(), Pt(5, 5)));
        ASSERT_TRUE(YomiUtu(b0.Tejun.NextColor(), Pt(3, 3)));
        EXPECT_EQ(Level, 1);
    }
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(BoardHash(b0), before);
}

TEST_F(ReadingTest, PointsOffTheBoardHaveNothing)
{
    SetBoard(kCorner);
    TGoban& b = CurGoban();
    b.Analyze();
    for (Point p : {Point(0, 5), Point(10, 5), Point(5, 0), Point(5, 20), Point(20, 20)}) {
        EXPECT_EQ(ToruRenAt(p), nullptr);
        EXPECT_EQ(GunAt(p), nullptr);
        EXPECT_EQ(b.IsSelfAtariPt(1, p), 0);
        EXPECT_EQ(b.IsToruTenPt(2, p), 0);
        EXPECT_EQ(b.IsDeathPt(p), 0);
        EXPECT_EQ(AtariMapAt(1, p), 0);
        EXPECT_EQ(KiriMapAt(2, p), 0);
        LinkMark1Set(p, 1);
        LinkMark2Set(p, 1);
    }
    LinkMark1Set(Pt(9, 9), 1);
    EXPECT_EQ(LinkMark1[9][9], 1);
    LinkMarkClear();
    EXPECT_EQ(LinkMark1[9][9], 0);
}

TEST_F(ReadingTest, ChainsByLibertyCount)
{
    SetBoard(kCorner);
    CurGoban().RenMake();
    int atari = 0, two = 0, all = 0;
    ForEachRen(1, [&](TRen* r) { atari += r->IsiCount(); });
    ForEachRen(2, [&](TRen* r) { two += r->IsiCount(); });
    ForEachRen(0, [&](TRen*) { ++all; });
    EXPECT_EQ(atari, 1); // the black stone on the left edge
    EXPECT_EQ(two, 1);   // the black stone on the first line
    EXPECT_EQ(all, 3);
}

TEST_F(ReadingTest, SideOutputGoesToTheEnginesRole)
{
    SetBoard(kCorner);
    JibunIro = 2;
    AiteIro = 1;
    KohoClear();
    AddKohoSide(2, Pt(1, 9), Pt(3, 9), 12);
    AddKohoSide(1, Pt(4, 4), Pt(5, 5), 7);
    ASSERT_EQ(KohoCount, 2);
    EXPECT_EQ(Koho.Pt[1], Pt(1, 9));
    EXPECT_EQ(Koho.Pt[2], Pt(5, 5));
}

} // namespace
} // namespace vorn::test

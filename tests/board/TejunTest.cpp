// The move record: colours, captures, truncation, comments and marks.
#include "Util.h"

namespace vorn::test {
namespace {

class TejunTest : public VornTest {
protected:
    TTejun& t() { return GobanLv[0]->Tejun; }
};

TEST_F(TejunTest, ColourSequenceWithAndWithoutHandicap)
{
    t().Clear();
    EXPECT_EQ(t().CurTe(), Point());
    EXPECT_EQ(t().NextColor(), kKuro);
    EXPECT_EQ(t().TeColor(1), kKuro);
    EXPECT_EQ(t().TeColor(2), kSiro);
    Handicap = 1;
    EXPECT_EQ(t().NextColor(), kKuro);
    Handicap = 2;
    EXPECT_EQ(t().NextColor(), kSiro);
    EXPECT_EQ(t().TeColor(2), kKuro);
    Handicap = 9;
    EXPECT_EQ(t().TeColor(3), kSiro);
}

TEST_F(TejunTest, ColourContinuesOnLookAheadLevels)
{
    ASSERT_EQ(GobanLv[0]->Utu(4, 4), kUtuOk); // black, move 1
    GobanLv[1]->CopyBan(*GobanLv[0]);
    Level = 1;
    // The level's own record is empty, yet white is to move there.
    EXPECT_EQ(GobanLv[1]->Tejun.NextColor(), kSiro);
    ASSERT_EQ(GobanLv[1]->Utu(5, 5), kUtuOk);
    EXPECT_EQ(GobanLv[1]->GetIro(5, 5), kSiro);
    EXPECT_EQ(GobanLv[1]->Tejun.NextColor(), kKuro);
    Level = 0;
}

TEST_F(TejunTest, CapturesPassesAndFind)
{
    ToruListSu = 2;
    ToruListX[1] = 3, ToruListY[1] = 4;
    ToruListX[2] = 5, ToruListY[2] = 6;
    EXPECT_EQ(t().Add(4, 4), 1);
    ToruListSu = 0;
    EXPECT_EQ(t().Add(0, 0), 2); // a pass
    EXPECT_EQ(t().Add(4, 4), 3);
    EXPECT_EQ(t().Current(), 0); // Add does not step forward
    EXPECT_EQ(t().ToruCountN(1), 2);
    EXPECT_EQ(t().ToruIsiN(1, 2), Point(5, 6));
    EXPECT_EQ(t().ToruCountN(2), 0);
    EXPECT_EQ(t().ToruCountN(3), 0);
    EXPECT_EQ(t().ToruCountN(0), 0);
    EXPECT_THROW(t().ToruIsiN(1, 3), ERangeError);

    // Find searches from the current move down.
    EXPECT_EQ(t().Find(4, 4), 0);
    t().Forward();
    t().Forward();
    EXPECT_EQ(t().Find(4, 4), 1);
    t().Forward();
    EXPECT_EQ(t().Find(4, 4), 3);
    EXPECT_EQ(t().Hama(kKuro), 2);
    t().Forward(); // at the end: nothing
    EXPECT_EQ(t().Current(), 3);
    t().Back();
    t().Back();
    t().Back();
    EXPECT_EQ(t().Hama(kKuro), 0);
    t().Back(); // at 0: nothing
    EXPECT_EQ(t().Current(), 0);
}

TEST_F(TejunTest, TruncateDropsCommentsAndMarksButKeepsPoints)
{
    t().SetComment(0, "before the game");
    ASSERT_EQ(t().Add(4, 4), 1);
    ASSERT_EQ(t().Add(16, 16), 2);
    t().SetComment(2, "a comment");
    t().AddMark(2, "A", 3, 3);
    t().AddMark(2, "B", 4, 5);
    EXPECT_EQ(t().MarkCount(2), 2);
    EXPECT_EQ(t().MarkText(2, 2), "B");
    EXPECT_EQ(t().MarkPoint(2, 2), Point(4, 5));
    EXPECT_EQ(t().MarkCount(0), 0);

    t().Truncate(2);
    EXPECT_EQ(t().Last(), 1);
    EXPECT_FALSE(t().HasComment(2));
    EXPECT_EQ(t().MarkCount(2), 0);
    EXPECT_EQ(t().GetTe(2), Point(16, 16)); // the point stays for the ladder reader
    // A new move under the same number does not bring the old comment back.
    ASSERT_EQ(t().Add(10, 10), 2);
    EXPECT_FALSE(t().HasComment(2));

    t().Truncate(0); // nothing
    EXPECT_EQ(t().Last(), 2);
    t().Truncate(1);
    EXPECT_EQ(t().Last(), 0);
    EXPECT_EQ(t().GetComment(0), "before the game");
    t().Clear();
    EXPECT_EQ(t().GetComment(0), "before the game"); // comment 0 stays
    EXPECT_EQ(t().GetTe(2), Point());

    std::vector<TMark> marks{{"△", 1, 2}};
    t().SetMarks(5, marks);
    EXPECT_EQ(t().MarkText(5, 1), "△");
    t().SetComment(5, "");
    EXPECT_FALSE(t().HasComment(5));
}

TEST_F(TejunTest, StepBackFixesCurrent)
{
    for (int i = 0; i < 5; ++i)
        t().Add(i + 1, 1);
    for (int i = 0; i < 5; ++i)
        t().Forward();
    t().Truncate(3);
    EXPECT_EQ(t().Current(), 2);
    EXPECT_EQ(t().Last(), 2);
}

} // namespace
} // namespace vorn::test

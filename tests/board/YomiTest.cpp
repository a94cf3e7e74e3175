// The look-ahead protocol: levels opened and closed, the inserted pass,
// roll-back of illegal moves, level 10, ko across levels, the thinking
// display, and the balance of long random play/take-back sequences.
#include "Util.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "board/Hooks.h"
#include "board/Yomi.h"

namespace vorn::test {
namespace {

// Records the thinking display as "D<colour>(x,y)" and "E(x,y)".
struct TRecordingHooks : TShellHooks {
    std::vector<std::string> calls;
    void ThinkIsiDraw(int colour, Point p) override
    {
        calls.push_back("D" + std::to_string(colour) + "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")");
    }
    void ThinkIsiErase(Point p) override
    {
        calls.push_back("E(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")");
    }
};

class YomiTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

TEST_F(YomiTest, PlayOpensLevelOneAndTakeBackCloses)
{
    const std::uint64_t before = BoardHash(b0());
    ASSERT_TRUE(YomiUtu(kKuro, Point(4, 4)));
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(CurGoban().GetIro(4, 4), kKuro);
    EXPECT_EQ(CurGoban().Tejun.Last(), 1);
    EXPECT_EQ(b0().GetIro(4, 4), kAki);
    EXPECT_EQ(BoardHash(b0()), before);
    // A second move stays on level 1.
    ASSERT_TRUE(YomiUtu(kSiro, Point(16, 16)));
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(CurGoban().Tejun.Last(), 2);
    YomiModosu();
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(CurGoban().GetIro(16, 16), kAki);
    YomiModosu();
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(BoardHash(b0()), before);
    // At level 0 take-back does nothing.
    YomiModosu();
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(BoardHash(b0()), before);
}

TEST_F(YomiTest, PlayingOutOfTurnInsertsAPassThatGoesWithTheMove)
{
    // Black is to move; white plays first on the level.
    ASSERT_TRUE(YomiUtu(kSiro, Point(3, 3)));
    EXPECT_EQ(Level, 1);
    ASSERT_EQ(CurGoban().Tejun.Last(), 2);
    EXPECT_EQ(CurGoban().Tejun.GetTe(1), Point(0, 0));
    EXPECT_EQ(CurGoban().GetIro(3, 3), kSiro);
    // The same colour twice: another pass.
    ASSERT_TRUE(YomiUtu(kSiro, Point(3, 4)));
    EXPECT_EQ(CurGoban().Tejun.Last(), 4);
    YomiModosu();
    EXPECT_EQ(CurGoban().Tejun.Last(), 2);
    EXPECT_EQ(Level, 1);
    YomiModosu();
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(GobanLv[1]->Tejun.Last(), 0);
}

TEST_F(YomiTest, IllegalMovesLeaveTheStackAsItWas)
{
    SetBoard(R"(
        . X . . . . . . .
        X . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    std::uint64_t h = StackHash();
    EXPECT_FALSE(YomiUtu(kKuro, Point(2, 1))); // occupied
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(StackHash(), h);
    // White into black's corner eye is suicide, and white is not to move:
    // neither the level nor the pass may stay.
    EXPECT_FALSE(YomiUtu(kSiro, Point(1, 1)));
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(StackHash(), h);
    EXPECT_EQ(GobanLv[1]->Tejun.Last(), 0);

    // On level 1, white to move.
    ASSERT_TRUE(YomiUtu(kKuro, Point(5, 5)));
    h = StackHash();
    EXPECT_FALSE(YomiUtu(kSiro, Point(1, 1)));     // suicide
    EXPECT_FALSE(YomiUtu(kKuro, Point(2, 1)));     // out of turn and occupied
    EXPECT_FALSE(YomiPushUtu(kSiro, Point(5, 5))); // occupied on a new level
    EXPECT_FALSE(YomiPushUtu(kSiro, Point(1, 1))); // suicide on a new level
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(StackHash(), h);
}

TEST_F(YomiTest, PushUtuOpensALevelPerMove)
{
    const std::uint64_t before = StackHash();
    ASSERT_TRUE(YomiPushUtu(kKuro, Point(4, 4)));
    ASSERT_TRUE(YomiPushUtu(kSiro, Point(4, 5)));
    EXPECT_EQ(Level, 2);
    EXPECT_EQ(GobanLv[2]->GetIro(4, 4), kKuro);
    EXPECT_EQ(GobanLv[2]->GetIro(4, 5), kSiro);
    EXPECT_EQ(GobanLv[1]->GetIro(4, 5), kAki);
    // Colours continue across levels: black to move on level 2.
    EXPECT_EQ(GobanLv[2]->Tejun.NextColor(), kKuro);
    YomiModosu();
    EXPECT_EQ(Level, 1);
    YomiModosu();
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(StackHash(), before);
}

TEST_F(YomiTest, RebuildAndSameLevelPlay)
{
    ASSERT_TRUE(YomiUtuRebuild(kKuro, Point(4, 4)));
    ASSERT_NE(CurGoban().RenList.RenAt(4, 4), nullptr);
    EXPECT_EQ(CurGoban().RenList.RenAt(4, 4)->Kuu(), 4);
    // YomiUtuSame plays the side to move on this level without a pass.
    ASSERT_TRUE(YomiUtuSame(kSiro, Point(5, 4)));
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(CurGoban().Tejun.Last(), 2);
    YomiModosuSame();
    EXPECT_EQ(CurGoban().Tejun.Last(), 1);
    EXPECT_EQ(Level, 1); // never drops the level
    YomiModosuSame();
    YomiModosuSame(); // empty record: nothing
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(CurGoban().Tejun.Last(), 0);
    // The empty level closes on the next YomiModosu.
    YomiModosu();
    EXPECT_EQ(Level, 0);
}

TEST_F(YomiTest, LadderReaderKeepsItsLevel)
{
    ASSERT_TRUE(YomiPushUtu(kKuro, Point(4, 4)));
    SichoYomiFlag = 1;
    YomiModosu();
    EXPECT_EQ(Level, 1);
    SichoYomiFlag = 0;
    YomiModosu(); // already empty: drops
    EXPECT_EQ(Level, 0);
}

TEST_F(YomiTest, LevelTenIsTheCeiling)
{
    for (int i = 0; i < kMaxLevel; ++i)
        ASSERT_TRUE(YomiPushUtu(i % 2 ? kSiro : kKuro, Point(1 + i, 1)));
    ASSERT_EQ(Level, 10);
    EXPECT_FALSE(YomiPush());
    // Further moves are played on level 10 itself.
    ASSERT_TRUE(YomiPushUtu(kKuro, Point(1, 3)));
    ASSERT_TRUE(YomiUtu(kSiro, Point(2, 3)));
    EXPECT_EQ(Level, 10);
    EXPECT_EQ(GobanLv[10]->Tejun.Last(), 3);
    const std::uint64_t h = StackHash();
    EXPECT_FALSE(YomiPushUtu(kKuro, Point(1, 3))); // occupied: still level 10
    EXPECT_EQ(StackHash(), h);
    YomiModosu();
    YomiModosu();
    EXPECT_EQ(Level, 10);
    YomiModosu(); // empties level 10
    EXPECT_EQ(Level, 9);
    while (Level > 0)
        YomiModosu();
    EXPECT_EQ(b0().Tejun.Last(), 0);
    EXPECT_EQ(b0().GetIro(1, 1), kAki);
}

// White captures the black stone (3,2) by playing (2,2): a ko.
const char* kKoBoard = R"(
        . X O . . . . . .
        X . X O . . . . .
        . X O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";

TEST_F(YomiTest, KoTakenOnTheGameBoardBindsTheFirstLevel)
{
    SetBoard(kKoBoard);
    Handicap = 2; // white moves first
    ASSERT_EQ(b0().Utu(2, 2), kUtuOk); // white takes the ko
    const std::uint64_t game = BoardHash(b0());
    // Black may not retake at once on a look-ahead level either.
    EXPECT_FALSE(YomiUtu(kKuro, Point(3, 2)));
    EXPECT_EQ(Level, 0);
    EXPECT_FALSE(YomiPushUtu(kKuro, Point(3, 2)));
    EXPECT_EQ(Level, 0);
    // After a threat and its answer on the level, the retake is legal.
    ASSERT_TRUE(YomiUtu(kKuro, Point(8, 8)));
    ASSERT_TRUE(YomiUtu(kSiro, Point(8, 7)));
    ASSERT_TRUE(YomiUtu(kKuro, Point(3, 2)));
    EXPECT_EQ(CurGoban().Tejun.ToruCount(), 1);
    EXPECT_EQ(CurGoban().GetIro(2, 2), kAki);
    // ... and white may not take back at once on the next level.
    EXPECT_FALSE(YomiPushUtu(kSiro, Point(2, 2)));
    EXPECT_EQ(Level, 1);
    YomiModosu();
    YomiModosu();
    YomiModosu();
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(BoardHash(b0()), game);
}

TEST_F(YomiTest, KoTakenOnALevelBindsTheNextLevel)
{
    SetBoard(kKoBoard);
    // Black is to move: white takes after an inserted pass.
    ASSERT_TRUE(YomiUtu(kSiro, Point(2, 2)));
    ASSERT_EQ(CurGoban().Tejun.Last(), 2);
    EXPECT_FALSE(YomiPushUtu(kKuro, Point(3, 2)));
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(CurGoban().Tejun.Last(), 2);
    // A threat and its answer on level 2, then the retake on level 3.
    ASSERT_TRUE(YomiPushUtu(kKuro, Point(8, 8)));
    ASSERT_TRUE(YomiUtu(kSiro, Point(8, 7)));
    ASSERT_TRUE(YomiPushUtu(kKuro, Point(3, 2)));
    EXPECT_EQ(Level, 3);
    EXPECT_EQ(CurGoban().GetIro(2, 2), kAki);
    EXPECT_EQ(CurGoban().GetIro(3, 2), kKuro);
    // Playing out of turn puts a pass between: the ko ban is lifted.
    ASSERT_TRUE(YomiPushUtu(kSiro, Point(7, 7)));
    EXPECT_TRUE(YomiUtu(kSiro, Point(2, 2)));
    while (Level > 0)
        YomiModosu();
    EXPECT_EQ(b0().Tejun.Last(), 0);
    EXPECT_EQ(b0().GetIro(3, 2), kKuro);
}

TEST_F(YomiTest, DisplayShowsPlaysCapturesAndTakeBacksInOrder)
{
    SetBoard(kKoBoard);
    TRecordingHooks hooks;
    SetShellHooks(&hooks);
    // Black to move; white captures (3,2) after an inserted pass.
    ASSERT_TRUE(YomiUtu(kSiro, Point(2, 2)));
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"D2(2,2)", "E(3,2)"}));
    hooks.calls.clear();
    YomiModosu();
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"E(2,2)", "D1(3,2)"}));
    EXPECT_EQ(Level, 0);
    // A refused move shows nothing.
    hooks.calls.clear();
    EXPECT_FALSE(YomiUtu(kKuro, Point(2, 1)));
    EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(YomiTest, SameLevelPlayShowsTheColourPlayed)
{
    TRecordingHooks hooks;
    SetShellHooks(&hooks);
    // Black is to move: the stone played and shown is black, whatever the
    // caller says.
    ASSERT_TRUE(YomiUtuSame(kSiro, Point(10, 10)));
    EXPECT_EQ(b0().GetIro(10, 10), kKuro);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"D1(10,10)"}));
    YomiModosuSame();
    EXPECT_EQ(hooks.calls.back(), "E(10,10)");
    EXPECT_EQ(b0().Tejun.Last(), 0);
}

TEST_F(YomiTest, RandomReadingAlwaysReturnsTheGameUntouched)
{
    for (int size : {9, 19}) {
        for (int seed = 1; seed <= 6; ++seed) {
            ResetProgramState();
            RandSeed(1000 * size + seed);
            BoardSize = size;
            b0().NewGame();
            // A game position of some length.
            for (int i = 0; i < size * size / 2; ++i) {
                const Point p = RandomMove(b0());
                if (p.x == 0)
                    break;
                b0().Utu(p.x, p.y);
            }
            const std::uint64_t game = BoardHash(b0());
            // Readers: random plays (either colour, new level or not), with
            // failed attempts, and take-backs; the stack is balanced at the end.
            int played = 0;
            for (int step = 0; step < 400; ++step) {
                const int r = Random(10);
                if (r < 3 && played > 0) {
                    YomiModosu();
                    --played;
                    continue;
                }
                const int c = 1 + Random(2);
                Point p(1 + Random(size), 1 + Random(size));
                const std::uint64_t h = StackHash();
                const bool ok = r < 6 ? YomiUtu(c, p) : YomiPushUtu(c, p);
                if (ok) {
                    ++played;
                } else {
                    ASSERT_EQ(StackHash(), h) << "failed move changed the stack, seed " << seed;
                }
                ASSERT_LE(Level, kMaxLevel);
                if (played > 0) {
                    ASSERT_GE(Level, 1);
                }
            }
            while (played-- > 0)
                YomiModosu();
            EXPECT_EQ(Level, 0);
            EXPECT_EQ(BoardHash(b0()), game) << "size " << size << " seed " << seed;
        }
    }
}

} // namespace
} // namespace vorn::test

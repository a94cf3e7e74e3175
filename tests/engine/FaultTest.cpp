// A run-time error inside the engine ends only the operation: the program is
// put back at the game (level 0, board 0 and its record as they were, chains
// that agree with the stones, a fresh analysis) and then thinks as if nothing
// had happened.
#include "DecisionUtil.h"
#include "Problems.h"
#include "Util.h"

#include "board/Diagram.h"
#include "board/GameKeep.h"
#include "board/Hooks.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Fault.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

// The thinking display that fails at its n-th stone with a real range error
// (a table of the game board read off the board).
class TFailingDisplay : public TShellHooks {
public:
    explicit TFailingDisplay(int failAt) : failAt_(failAt) {}
    void ThinkIsiDraw(int, Point) override
    {
        if (++draws == failAt_)
            (void)GobanLv[0]->IsToruTen(kKuro, 0, BoardSize + 1);
    }
    int draws = 0;

private:
    int failAt_;
};

class FaultTest : public VornTest {
protected:
    // The engine's move with a fresh random source.
    static Point Think()
    {
        RandSeed(5);
        Point out;
        ThinkMove(out);
        return out;
    }
};

// The positions: the shared net and double atari, and the tactics problems.
std::vector<TProblem> Positions()
{
    std::vector<TProblem> out = LoadProblems("tactics.tst");
    for (const char* d : {kNet, kDoubleAtari}) {
        TProblem p;
        p.id = "shared";
        p.diagram = d;
        p.toMove = kKuro;
        out.push_back(p);
    }
    return out;
}

TEST_F(FaultTest, AnErrorAnywhereInTheReadingLeavesTheGameAsItWas)
{
    int failures = 0;
    for (const TProblem& pr : Positions()) {
        SCOPED_TRACE(pr.Where());
        ResetProgramState();
        SetupProblem(pr);
        // How many stones the reading shows, and the answer without a fault.
        TFailingDisplay count(0);
        SetShellHooks(&count);
        const Point clean = Think();
        SetShellHooks(nullptr);
        // A fault at the first, second, third, fifth, eighth ... stone; under
        // the sanitizers at every other of these (1, 3, 8, 21 ...).
        int term = 0;
        for (int a = 1, b = 2; a <= count.draws; std::tie(a, b) = std::pair(b, a + b)) {
            if (kSanitized && term++ % 2 == 1)
                continue;
            SCOPED_TRACE("failing at stone " + std::to_string(a) + " of " + std::to_string(count.draws));
            ResetProgramState();
            SetupProblem(pr);
            const std::uint64_t before = StackHash();
            const std::string stones = DiagramRows(*GobanLv[0]);
            const TGameKeep keep;
            TFailingDisplay failing(a);
            SetShellHooks(&failing);
            // A stone put back by a take-back is only shown: its fault
            // stops nothing.
            try {
                Think();
            } catch (const ERangeError&) {
                ++failures;
            }
            FaultRecover(&keep);
            SetShellHooks(nullptr);
            EXPECT_EQ(Level, 0);
            EXPECT_EQ(SichoYomiFlag, 0);
            EXPECT_EQ(RenSabun, 0);
            EXPECT_EQ(InSakiyomi, 0);
            EXPECT_EQ(StackHash(), before);
            EXPECT_EQ(DiagramRows(*GobanLv[0]), stones);
            std::string why;
            EXPECT_TRUE(GobanLv[0]->CheckChains(&why)) << why;
            // The program goes on: the same answer as without the fault.
            EXPECT_EQ(GtpVertex(Think()), GtpVertex(clean));
            EXPECT_EQ(StackHash(), before);
        }
    }
    EXPECT_GT(failures, 30);
}

// A generator that fails half-way through its own look-ahead, and one that
// leaves a move on the game board: both are taken back.
TEST_F(FaultTest, TheGameBoardAndItsRecordArePutBack)
{
    SetupPosition(ReadDiagram(kNet), kSiro);
    ASSERT_EQ(GobanLv[0]->Utu(1, 1), kUtuOk);
    const std::uint64_t before = StackHash();
    const TGameKeep keep;
    ThinkSources = TThinkSources{[](int stage, Point& out) {
                                     out = Point();
                                     if (stage != 2)
                                         return;
                                     ASSERT_TRUE(YomiPushUtu(kKuro, Point(6, 6)));
                                     ASSERT_TRUE(YomiPushUtu(kSiro, Point(2, 8)));
                                     RenSabun = 1;
                                     Level = 0;
                                     ASSERT_EQ(GobanLv[0]->Utu(9, 9), kUtuOk);
                                     Level = 2;
                                     Arr<int, 1, 4> table{};
                                     (void)table[Level + 3];
                                 },
                                 [](int, Point& out, int& value) {
                                     out = Point();
                                     value = 0;
                                 }};
    Point out;
    EXPECT_THROW(ThinkMove(out), ERangeError);
    EXPECT_TRUE(keep.Changed());
    EXPECT_TRUE(FaultRecover(&keep));
    EXPECT_FALSE(keep.Changed());
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(RenSabun, 0);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    EXPECT_EQ(GobanLv[0]->Tejun.NextColor(), kKuro);
    EXPECT_TRUE(GobanLv[0]->CheckChains());
}

// Without a keep, chains that no longer agree with the stones are rebuilt
// and the analysis made again.
TEST_F(FaultTest, StaleChainsAreRebuilt)
{
    SetBoard(kNet);
    EXPECT_FALSE(FaultRecover());
    GobanLv[0]->SetIro(9, 9, kKuro);
    std::string why;
    EXPECT_FALSE(GobanLv[0]->CheckChains(&why));
    EXPECT_NE(why.find("J1"), std::string::npos) << why;
    EXPECT_TRUE(FaultRecover());
    EXPECT_TRUE(GobanLv[0]->CheckChains());
    ASSERT_NE(GobanLv[0]->GunList.GetGunAt(Point(9, 9)), nullptr);
}

TEST_F(FaultTest, MessagesInTheSelectedLanguage)
{
    const ERangeError range("index 20 outside 1..19");
    const std::runtime_error other("'x' is not a valid integer value");
    Language = lgEnglish;
    EXPECT_EQ(FaultMessage(range), "The operation was stopped by an error: Range check error (index 20 outside 1..19)");
    EXPECT_EQ(FaultMessage(other), "The operation was stopped by an error: 'x' is not a valid integer value");
    EXPECT_EQ(FaultMessage(), "The operation was stopped by an unknown error.");
    Language = lgJapanese;
    EXPECT_EQ(FaultMessage(range), "エラーのため操作を中止しました: 範囲チェックエラー（index 20 outside 1..19）");
    Language = lgChinese;
    EXPECT_EQ(FaultMessage(), "原因不明のエラーのため操作を中止しました。");
}

TEST_F(FaultTest, TheReportShowsThePosition)
{
    SetupPosition(ReadDiagram(". X .\n. O .\n. . .\n"), kSiro);
    EXPECT_EQ(FaultReport("the engine's move", "index 0 outside 1..19"),
              "VORN: the engine's move: index 0 outside 1..19\n"
              "White to play after move 0\n"
              "    A B C\n"
              "  3 . X .\n"
              "  2 . O .\n"
              "  1 . . .\n");
}

} // namespace
} // namespace vorn::test

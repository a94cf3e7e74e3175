// No error takes the program down: an error inside the engine's reading
// ends its turn with a pass, an error that escapes a handler of the window
// is shown by the error display, and the game goes on from the boards as
// they were.
#include <QApplication>
#include <QTimer>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "GameUtil.h"

#include "board/Diagram.h"
#include "board/Yomi.h"
#include "engine/Think.h"
#include "shell/VornApp.h"

namespace vorn::test {
namespace {

// White's stone at F5 has two liberties and Black's ladder catches it: the
// engine, White, reads the ladder before it moves.
constexpr const char* kLadderForWhite = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O . . . . . .
    . . . . . X . . .
    . . . . X O . . .
    . . . . . . X . .
    . . . . . . . . .
    . . X . . . . . .
    . . . . . . . . .)";

// The thinking display: its n-th stone shown while the engine reads on a
// look-ahead board meets a range error (a table of the game board read off
// the board).
class TFailingCanvas : public TNullCanvas {
public:
    void Show(bool now) override
    {
        if (now && failAt > 0 && Level > 0 && ++shown == failAt)
            (void)GobanLv[0]->IsToruTen(kKuro, 0, 0);
    }
    int failAt = 0;
    int shown = 0;
};

class ErrorDisplayTest : public ShellTest {
protected:
    void TearDown() override
    {
        if (ctl.FormCreated == 1)
            ctl.FormClose();
        ShellTest::TearDown();
    }
    // A 9x9 game of a human (Black) against the engine (White) in English,
    // the ladder position set up, the thinking display on.
    void StartAgainstTheEngine()
    {
        WriteIni("[Goban]\nSize=9\n[Form]\nLanguage=1\n");
        ctl.FormCreate(exeDir, {});
        ctl.Turn.Clock = &clock;
        ctl.Click("mnuNew");
        ctl.GameInfo.cmbBlackPlayer.Text = "Man";
        ctl.GameInfo.cmbBlackPlayerChange();
        ctl.GameInfo.cmbWhitePlayer.Text = "VORN";
        ctl.GameInfo.cmbWhitePlayerChange();
        ctl.GameInfo.btnOKClick();
        ASSERT_EQ(ctl.GameRunning, 1);
        const TDiagram d = ReadDiagram(kLadderForWhite);
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x)
                if (d.iro[x][y] != kAki)
                    ctl.HaitiIsi(d.iro[x][y], x, y);
        GobanLv[0]->Analyze();
        ctl.SetChecked("mnuDspThink", true);
    }
    void ClickPoint(int x, int y)
    {
        ctl.FormMouseDown(mbLeft, ctl.Ban.CellLeft(x) + ctl.Ban.BanHalf, ctl.Ban.CellTop(y) + ctl.Ban.BanHalf);
    }

    TRecordingView view;
    TFailingCanvas canvas;
    TScriptPrompt prompt;
    TTestClock clock;
    TMainCtl ctl{view, canvas, prompt};
};

TEST_F(ErrorDisplayTest, AnErrorInTheEnginesReadingEndsItsTurnWithAPass)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainstTheEngine());
    for (int failAt : {1, 4}) {
        SCOPED_TRACE(failAt);
        canvas.failAt = failAt;
        canvas.shown = 0;
        const TTejun& t = GobanLv[0]->Tejun;
        const int moves = t.Last();
        // Black plays far away; White's turn fails in its reading.
        testing::internal::CaptureStderr();
        ClickPoint(failAt == 1 ? 9 : 1, 9);
        const std::string log = testing::internal::GetCapturedStderr();
        ASSERT_EQ(canvas.shown, failAt) << "the engine read nothing";
        EXPECT_EQ(t.Last(), moves + 2);
        EXPECT_EQ(t.CurTe(), Point()) << "the engine passes";
        EXPECT_EQ(Level, 0);
        EXPECT_EQ(ctl.Thinking, 0);
        EXPECT_EQ(ctl.GameRunning, 1);
        EXPECT_EQ(GameOver, 0);
        EXPECT_TRUE(GobanLv[0]->CheckChains());
        EXPECT_TRUE(prompt.messages.empty());
        EXPECT_NE(log.find("VORN: the engine's move: index 0 outside 1..19\n"
                           "White to play after move "
                           + std::to_string(moves + 1)),
                  std::string::npos)
            << log;
        EXPECT_NE(log.find("  5 . . . . X O . . ."), std::string::npos) << log;
    }
    // The stones are the set-up ladder and Black's two moves.
    EXPECT_EQ(DiagramRows(*GobanLv[0]), ".........\n"
                                        ".........\n"
                                        "..O......\n"
                                        ".....X...\n"
                                        "....XO...\n"
                                        "......X..\n"
                                        ".........\n"
                                        "..X......\n"
                                        "X.......X\n");
    // Without the fault the engine answers with a stone: the game goes on.
    canvas.failAt = 0;
    ClickPoint(9, 1);
    const TTejun& t = GobanLv[0]->Tejun;
    EXPECT_GT(t.CurTe().x, 0);
    EXPECT_EQ(t.CurColor(), kSiro);
    EXPECT_EQ(Level, 0);
}

TEST_F(ErrorDisplayTest, AnErrorInTheHintChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainstTheEngine());
    const std::string before = DiagramRows(*GobanLv[0]);
    const int moves = GobanLv[0]->Tejun.Last();
    canvas.failAt = 2;
    testing::internal::CaptureStderr();
    ctl.Click("mnuHint");
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(canvas.shown, 2);
    EXPECT_NE(log.find("VORN: the hint: "), std::string::npos) << log;
    EXPECT_EQ(HintMode, 0);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(DiagramRows(*GobanLv[0]), before);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), moves);
    EXPECT_EQ(ctl.Thinking, 0);
}

// --- The real window -------------------------------------------------------------

class ErrorWindowTest : public WindowTest {
protected:
    // Runs the event loop until the error display has spoken.
    void WaitForMessage()
    {
        for (int i = 0; i < 200 && prompt.messages.empty(); ++i) {
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

// A handler that fails half-way through a reading: a look-ahead of two
// levels, then a range error.
void FailingHandler()
{
    YomiPushUtu(kSiro, Point(5, 5));
    YomiPushUtu(kKuro, Point(6, 6));
    (void)GobanLv[0]->IsToruTen(kKuro, 0, 0);
}

TEST_F(ErrorWindowTest, AnErrorThatEscapesAHandlerIsShownAndTheGameGoesOn)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    NewHumanGame(Ctl());
    Click(3, 3);
    Click(7, 7);
    const std::string before = DiagramRows(*GobanLv[0]);
    const int moves = GobanLv[0]->Tejun.Last();
    ASSERT_EQ(moves, 2);

    testing::internal::CaptureStderr();
    QTimer::singleShot(0, form.get(), FailingHandler);
    WaitForMessage();
    const std::string log = testing::internal::GetCapturedStderr();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "The operation was stopped by an error: Range check error (index 0 outside 1..19)");
    EXPECT_NE(log.find("Black to play after move 2"), std::string::npos) << log;
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(DiagramRows(*GobanLv[0]), before);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), moves);
    EXPECT_TRUE(GobanLv[0]->CheckChains());

    // The window still takes the players' clicks.
    Click(5, 5);
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kKuro);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), moves + 1);
    EXPECT_TRUE(form->isVisible());
}

// Calls into the program from outside the event loop have their guard; the
// message is in the selected language.
TEST_F(ErrorWindowTest, GuardedCallsShowTheirErrors)
{
    Open(9);
    testing::internal::CaptureStderr();
    RunGuarded([] { throw std::invalid_argument("'x' is not a valid integer value"); });
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "エラーのため操作を中止しました: 'x' is not a valid integer value");
    RunGuarded([] { throw 7; });
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[1], "原因不明のエラーのため操作を中止しました。");
    RunGuarded([] {});
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("VORN: error: "), std::string::npos);
}

// A display that fails itself still leaves the program running: the message
// goes to the error stream.
class TFailingPrompt : public TScriptPrompt {
public:
    void Message(const std::string&) override { throw std::runtime_error("no screen"); }
};

TEST_F(ErrorWindowTest, ADisplayThatFailsWritesTheMessageToTheErrorStream)
{
    WriteIni("[Goban]\nSize=9\n[Form]\nLanguage=1\n");
    TFailingPrompt failing;
    TSDIAppForm window({}, &failing, exeDir);
    testing::internal::CaptureStderr();
    QTimer::singleShot(0, &window, FailingHandler);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("VORN: The operation was stopped by an error: Range check error (index 0 outside 1..19)\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(Level, 0);
    EXPECT_TRUE(GobanLv[0]->CheckChains());
}

} // namespace
} // namespace vorn::test

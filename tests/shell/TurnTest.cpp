// The engine's turn, passes, resignation, the hint and the clocks: a human
// plays the engine by clicks, the engine plays itself, and the clock is
// moved by the test.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

#include <filesystem>

#include "GameUtil.h"

#include "engine/Joseki.h"
#include "board/Goban.h"
#include "shell/CommentForm.h"
#include "shell/GameIForm.h"
#include "records/Kifu.h"
#include "shell/Kakugen.h"

namespace vorn::test {
namespace {

// --- Clock arithmetic ----------------------------------------------------------

TEST(GameClockTest, ThinkingTimeInTenths)
{
    struct Case {
        std::int64_t t1, t2;
        std::int32_t want;
    };
    const Case cases[] = {
        {86398500, 86401000, 25},     // 23:59:58.5 to 00:00:01.0 of the next day
        {0, 99, 0},                   // within one tenth
        {99, 100, 1},                 // across a tenth's boundary
        {1000, 900, 0},               // a clock set back charges nothing
        {0, 2LL * 3600 * 1000, 72000},  // two hours: beyond a 16-bit count
        {-250, 50, 3},                // instants before the clock's epoch
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElapsedTenths(c.t1, c.t2), c.want) << c.t1 << ".." << c.t2;
    EXPECT_EQ(JikanAdd(2147483000, 5000), 2147483647);
    EXPECT_EQ(JikanAdd(100, -500), 0);
}

TEST(GameClockTest, TimeTextBothWays)
{
    struct Case {
        std::int64_t tenths;
        const char* text;
    };
    const Case cases[] = {
        {0, "0:00:00.0"}, {39093, "1:05:09.3"}, {37234, "1:02:03.4"}, {6000, "0:10:00.0"}, {432005, "12:00:00.5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JikanText(c.tenths), c.text);
        EXPECT_EQ(JikanParse(c.text), c.tenths / 10 * 10) << c.text;  // the tenths digit is not read back
    }
    for (const char* bad : {"", "abc", "1:2:3", "1:02", "1:60:00.0", "1:02:03x", "-1:00:00.0"})
        EXPECT_EQ(JikanParse(bad), 0) << bad;
    EXPECT_EQ(JikanParse("00:00:00.0"), 0);
    EXPECT_EQ(JikanParse(" 0:01:30 "), 900);
}

// --- A human against the engine, in the real window ------------------------------

class EngineWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        EngineScript.clear();
    }
    QWidget* Dlg(const std::string& name) { return form->GameInfoForm()->Control(name); }
    TTestClock clock;
};

TEST_F(EngineWindowTest, HumanPlaysTheEngineByClicksToTheCountedEnd)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    Ctl().Turn.Think = ScriptedThink;
    Ctl().Turn.Clock = &clock;
    Ctl().Click("mnuNew");
    ASSERT_TRUE(form->GameInfoForm()->isVisible());
    // The user picks the engine for White in the dialog and starts.
    static_cast<QComboBox*>(Dlg("cmbWhitePlayer"))->setEditText("VORN");
    static_cast<QComboBox*>(Dlg("cmbBlackPlayer"))->setEditText("Man");
    EXPECT_EQ(PlayerKind[kSiro], pkComputer);
    static_cast<QPushButton*>(Dlg("btnOK"))->click();
    ASSERT_EQ(Ctl().GameRunning, 1);
    EXPECT_TRUE(form->Timer("timThink").isActive());
    EXPECT_FALSE(Dlg("cmbWhitePlayer")->isVisible());
    EXPECT_EQ(static_cast<QLineEdit*>(Dlg("edtWhitePlayer"))->text(), "VORN");

    // The engine answers inside the click; its thinking is timed.
    EngineScript = {{7, 7}, {3, 7}};
    clock.now = 1000;
    clock.step = 2500;
    Click(3, 3);
    const TGoban& b = *GobanLv[0];
    EXPECT_EQ(b.GetIro(3, 3), kKuro);
    EXPECT_EQ(b.GetIro(7, 7), kSiro);
    EXPECT_EQ(form->TjnInfoLabel()->text().toStdString(), "2 White7-7");
    EXPECT_EQ(Jikan[kSiro], 25);
    EXPECT_EQ(static_cast<QLineEdit*>(Dlg("edtWhiteTime"))->text(), "0:00:02.5");
    EXPECT_TRUE(StartsWith(form->Status()->currentMessage().toStdString(), "Your Turn..."));
    EXPECT_EQ(Ctl().Thinking, 0);
    EXPECT_TRUE(form->Timer("timThink").isActive());
    EXPECT_FALSE(form->Timer("timVornVorn").isActive());

    Click(5, 5);
    EXPECT_EQ(b.GetIro(3, 7), kSiro);
    EXPECT_EQ(Jikan[kSiro], 50);

    // The human passes; the engine, out of moves, passes too: the game ends
    // and is counted.
    Ctl().Click("mnuPass");
    EXPECT_EQ(b.Tejun.Last(), 6);
    EXPECT_EQ(GameOver, 1);
    EXPECT_TRUE(Ctl().Checked("mnuEnd"));
    EXPECT_FALSE(form->Timer("timThink").isActive());
    EXPECT_EQ(form->Status()->currentMessage().toStdString(), "Game end");
    EXPECT_TRUE(StartsWith(static_cast<QLineEdit*>(Dlg("edtResult"))->text().toStdString(), "W+6.5(B=0W=6.5)"));
    EXPECT_TRUE(Dlg("edtResult")->isVisible());
    EXPECT_TRUE(prompt.messages.empty());
}

// --- Input that comes while the engine thinks ---------------------------------------

// What the user does while the engine thinks waits in the queue as the window
// system left it: clicks on points of the board and the take-back key.
QWidget* InputBoard = nullptr;
QWidget* InputWindow = nullptr;
QObject* InputTakeBackItem = nullptr;
const TBanDraw* InputBan = nullptr;
std::vector<Point> InputClicks;
bool InputTakeBack = false;

void PostClick(Point p)
{
    const QPointF at(InputBan->CellLeft(p.x) + InputBan->BanHalf, InputBan->CellTop(p.y) + InputBan->BanHalf);
    const QPointF global = InputBoard->mapToGlobal(at);
    QCoreApplication::postEvent(InputBoard, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                            Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(InputBoard, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                            Qt::NoButton, Qt::NoModifier));
}

// Ctrl+M: the key press, and the shortcut it makes of it for the take-back item.
void PostTakeBack()
{
    QCoreApplication::postEvent(InputWindow, new QKeyEvent(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier));
    QCoreApplication::postEvent(InputTakeBackItem, new QShortcutEvent(QKeySequence(QStringLiteral("Ctrl+M")), 0));
    QCoreApplication::postEvent(InputWindow, new QKeyEvent(QEvent::KeyRelease, Qt::Key_M, Qt::ControlModifier));
}

void ThinkWhileTheUserActs(Point& out)
{
    for (Point p : InputClicks)
        PostClick(p);
    if (InputTakeBack)
        PostTakeBack();
    InputClicks.clear();
    InputTakeBack = false;
    ScriptedThink(out);
}

TEST_F(EngineWindowTest, ClicksAndKeysMadeWhileTheEngineThinksAreDropped)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    Ctl().Turn.Think = ThinkWhileTheUserActs;
    Ctl().Turn.Clock = &clock;
    InputBoard = form->Client();
    InputWindow = form.get();
    InputBan = &Ctl().Ban;
    InputTakeBackItem = form->Action("mnuUndo");
    Ctl().Click("mnuNew");
    static_cast<QComboBox*>(Dlg("cmbWhitePlayer"))->setEditText("VORN");
    static_cast<QComboBox*>(Dlg("cmbBlackPlayer"))->setEditText("Man");
    static_cast<QPushButton*>(Dlg("btnOK"))->click();
    ASSERT_EQ(Ctl().GameRunning, 1);
    const TGoban& b = *GobanLv[0];

    // Three quick clicks and the take-back key while White thinks about its
    // answer to 3-3: once the answer stands, none of them has done anything.
    EngineScript = {{7, 7}, {3, 7}, {7, 3}};
    InputClicks = {{5, 5}, {6, 6}, {4, 6}};
    InputTakeBack = true;
    Click(3, 3);
    QApplication::processEvents();
    EXPECT_EQ(b.Tejun.Last(), 2);
    EXPECT_EQ(b.GetIro(3, 3), kKuro);
    EXPECT_EQ(b.GetIro(7, 7), kSiro);
    for (Point p : {Point{5, 5}, Point{6, 6}, Point{4, 6}})
        EXPECT_EQ(b.GetIro(p.x, p.y), kAki) << p.x << "," << p.y;
    EXPECT_EQ(b.Tejun.NextColor(), kKuro);
    EXPECT_EQ(Ctl().Thinking, 0);
    EXPECT_EQ(EngineScript.size(), 2u);

    // The same input after the think is taken: a click at 5-5 plays (the
    // engine answers 3-7), and the take-back key removes that pair again.
    PostClick({5, 5});
    QApplication::processEvents();
    EXPECT_EQ(b.Tejun.Last(), 4);
    EXPECT_EQ(b.GetIro(5, 5), kKuro);
    EXPECT_EQ(b.GetIro(3, 7), kSiro);
    PostTakeBack();
    QApplication::processEvents();
    EXPECT_EQ(b.Tejun.Last(), 2);
    EXPECT_EQ(b.GetIro(5, 5), kAki);

    // A click while the engine reads for a hint is dropped too.
    InputClicks = {{5, 5}};
    Ctl().Click("mnuHint");
    QApplication::processEvents();
    EXPECT_EQ(EngineCallHintModes.back(), 1);
    EXPECT_EQ(b.Tejun.Last(), 2);
    EXPECT_EQ(b.GetIro(5, 5), kAki);
    EXPECT_TRUE(prompt.messages.empty());
}

// Typed into the comment window while the engine thinks, key by key, with
// the take-back key in the middle.  The keys come as the keyboard sends
// them: to the top-level window, which hands them on to its focus widget.
// They are waiting when the engine's think ends, and are handed out with
// the rest of what waited.
QWindow* InputMemoWindow = nullptr;

void TypeWhileTheEngineThinks(Point& out)
{
    QMetaObject::invokeMethod(
        qApp,
        [] {
            for (const char ch : std::string("Ko "))
                QTest::keyClick(InputMemoWindow, ch);
            QTest::keyClick(InputWindow->windowHandle(), Qt::Key_M, Qt::ControlModifier);
            for (const char ch : std::string("here"))
                QTest::keyClick(InputMemoWindow, ch);
        },
        Qt::QueuedConnection);
    ScriptedThink(out);
}

TEST_F(EngineWindowTest, TextTypedIntoTheCommentWindowWhileTheEngineThinksStays)
{
    Open(9, "", "[Form]\nLanguage=1\nComment=ON\n");
    ASSERT_TRUE(form->CommentForm()->isVisible());
    Ctl().Turn.Think = TypeWhileTheEngineThinks;
    Ctl().Turn.Clock = &clock;
    InputWindow = form.get();
    Ctl().Click("mnuNew");
    static_cast<QComboBox*>(Dlg("cmbWhitePlayer"))->setEditText("VORN");
    static_cast<QComboBox*>(Dlg("cmbBlackPlayer"))->setEditText("Man");
    static_cast<QPushButton*>(Dlg("btnOK"))->click();
    ASSERT_EQ(Ctl().GameRunning, 1);
    form->CommentForm()->Memo()->setFocus();
    InputMemoWindow = form->CommentForm()->windowHandle();
    ASSERT_NE(InputMemoWindow, nullptr);

    // The user types while White thinks about its answer to 3-3: the text is
    // in the comment window once the answer stands, as the comment of that
    // answer; the take-back key typed with it has done nothing.
    EngineScript = {{7, 7}};
    Click(3, 3);
    QApplication::processEvents();
    const TGoban& b = *GobanLv[0];
    EXPECT_EQ(b.Tejun.Last(), 2);
    EXPECT_EQ(b.GetIro(7, 7), kSiro);
    EXPECT_EQ(form->CommentForm()->Memo()->toPlainText(), QStringLiteral("Ko here"));
    EXPECT_TRUE(prompt.messages.empty());

    // The record that is saved holds it.
    const std::string path = exeDir + "typed.sgf";
    prompt.files.push_back(path);
    Ctl().Click("mnuSaveAs");
    EXPECT_EQ(b.Tejun.GetComment(2), "Ko here");
    EXPECT_FALSE(b.Tejun.HasComment(1));
    const std::string sgf = ReadText(path);
    const std::size_t reply = sgf.find(";W[gg]");
    ASSERT_NE(reply, std::string::npos) << sgf;
    EXPECT_NE(sgf.find("C[Ko here]", reply), std::string::npos) << sgf;
}

// --- The engine's turn, headless ----------------------------------------------------

using TurnTest = GameTest;

TEST_F(TurnTest, ResignationIsPutToTheUserOnlyAsItShould)
{
    struct Case {
        const char* what;
        const char* black;
        unsigned char vsComputer;
        bool refusedBefore;
        bool answer;
        bool asked;
        bool resigned;
    };
    const Case cases[] = {
        {"accepted", "Man", 0, false, true, true, true},
        {"refused", "Man", 0, false, false, true, false},
        {"never put in vs-computer mode", "Man", 1, false, true, false, false},
        {"refused once, never again", "Man", 0, true, true, false, false},
        {"engine against engine", "VORN", 0, false, true, false, false},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompt.questions.clear();
        VsComputerMode = c.vsComputer;
        const bool bothEngines = std::string(c.black) == "VORN";
        // White, the engine, offers to resign instead of playing (3,3).
        EngineScript = bothEngines ? std::deque<Point>{{5, 5}, {-3, 3}} : std::deque<Point>{{-3, 3}};
        prompt.answers = {c.answer};
        clock.step = 1000;
        Start(c.black, "VORN");
        ctl.Turn.TouryoRefused = c.refusedBefore ? 1 : 0;
        if (bothEngines)
            ctl.Turn.timVornVornTimer();  // Black played at the start
        else
            ClickPoint(5, 5);
        ASSERT_EQ(prompt.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(prompt.questions[0], "Do you accept VORN's resigns?");
        }
        EXPECT_EQ(ctl.Thinking, 0);
        if (c.resigned) {
            EXPECT_EQ(dlg.edtResult.Text, "Black Win");
            EXPECT_EQ(view.status, "Black Win");
            EXPECT_EQ(ctl.GameRunning, 0);
            EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);  // no move
            EXPECT_EQ(Jikan[kSiro], 0);              // no clock
            EXPECT_FALSE(ctl.Turn.timThink.Enabled);
            EXPECT_TRUE(dlg.Visible);
        } else {
            // The engine plays the move it offered instead.
            EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
            EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kSiro);
            EXPECT_EQ(Jikan[kSiro], 10);
            EXPECT_EQ(ctl.Turn.TouryoRefused, c.asked || c.refusedBefore ? 1 : 0);
        }
        ctl.GameStop();
        dlg.Hide();
    }
}

TEST_F(TurnTest, ResignationTextsInJapanese)
{
    Open(lgJapanese);
    Start("VORN", "人間");
    // Black, the engine, played first; White resigns.
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 1);
    prompt.answers = {true};
    ctl.Click("mnuResign");
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0], "投了しますか？");
    EXPECT_EQ(dlg.edtResult.Text, "黒中押し勝ち");
    EXPECT_EQ(ctl.GameRunning, 0);
}

TEST_F(TurnTest, HumansPassAndResignationOnlyOnTheirTurn)
{
    Open();
    const TGoban& b = *GobanLv[0];
    ctl.Click("mnuPass");  // no game
    ctl.Click("mnuResign");
    EXPECT_EQ(b.Tejun.Last(), 0);
    EXPECT_TRUE(prompt.questions.empty());

    Start("Man", "Man");
    ClickPoint(3, 3);
    ClickPoint(7, 7);
    // A remote player is to move: the human may neither pass nor resign.
    PlayerKind[kKuro] = pkTcp;
    ctl.Click("mnuPass");
    ctl.Click("mnuResign");
    EXPECT_EQ(b.Tejun.Last(), 2);
    EXPECT_TRUE(prompt.questions.empty());
    PlayerKind[kKuro] = pkHuman;
    // While an earlier move is shown a pass would cut the record: nothing.
    GobanLv[0]->Modosu();
    ctl.Click("mnuPass");
    EXPECT_EQ(b.Tejun.Last(), 2);
    GobanLv[0]->Susumu();
    // The engine thinking: nothing either.
    ctl.Thinking = 1;
    ctl.Click("mnuPass");
    EXPECT_EQ(b.Tejun.Last(), 2);
    ctl.Thinking = 0;

    // Two passes by two people end the game.
    ctl.Click("mnuPass");
    EXPECT_EQ(ctl.PassCount, 1);
    EXPECT_EQ(view.tjnInfo, "3 BlackPass");
    EXPECT_EQ(GameOver, 0);
    ctl.Click("mnuPass");
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(b.Tejun.Last(), 4);
    // After the end a pass only enters the record; either colour may.
    PlayerKind[kKuro] = pkComputer;
    ctl.Click("mnuPass");
    EXPECT_EQ(b.Tejun.Last(), 5);
    EXPECT_TRUE(EngineCallHintModes.empty());  // the engine was never asked
}

TEST_F(TurnTest, APassRecordsNoCapturesAndTakesBackCleanly)
{
    Open();
    Start("Man", "Man");
    // Black captures a white stone at (1,1), then White passes.
    for (Point p : {Point{2, 1}, Point{1, 1}, Point{1, 2}})
        ClickPoint(p.x, p.y);
    TGoban& b = *GobanLv[0];
    ASSERT_EQ(b.GetIro(1, 1), kAki);
    ASSERT_EQ(b.Tejun.ToruCountN(3), 1);
    ctl.Click("mnuPass");
    ASSERT_EQ(b.Tejun.CurTe(), Point());
    EXPECT_EQ(b.Tejun.ToruCountN(4), 0);
    const std::string before = BoardDiagram(b);
    b.Modosu();
    EXPECT_EQ(BoardDiagram(b), before);  // no stone comes back with the pass
    EXPECT_EQ(b.GetIro(1, 1), kAki);
}

TEST_F(TurnTest, PassesGoIntoTheRunningRecord)
{
    Open();
    Start("Man", "VORN");
    EngineScript = {{0, 0}, {7, 7}};
    ClickPoint(3, 3);  // the engine passes
    ClickPoint(5, 5);  // and then plays
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 4);
    // The running record read back gives the same colours: without its
    // pass, (5,5) would come back white.
    std::filesystem::copy_file(KifuRecName, exeDir + "again.ig1");
    ASSERT_TRUE(KifuLoad(exeDir + "again.ig1"));
    const TGoban& b = *GobanLv[0];
    EXPECT_EQ(b.Tejun.Last(), 4);
    EXPECT_EQ(b.GetIro(5, 5), kKuro);
    EXPECT_EQ(b.GetIro(7, 7), kSiro);
    EXPECT_EQ(b.Tejun.GetTe(2), Point());
}

TEST_F(TurnTest, AMoveTheBoardRefusesBecomesAPass)
{
    Open();
    Start("Man", "VORN");
    EngineScript = {{5, 5}};
    clock.step = 700;
    ClickPoint(5, 5);  // the engine answers on the stone just played
    const TGoban& b = *GobanLv[0];
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "Forbidden move：<5,5>The point is already occupied");
    EXPECT_EQ(b.Tejun.Last(), 2);
    EXPECT_EQ(b.Tejun.GetTe(2), Point());
    EXPECT_EQ(ctl.PassCount, 1);
    EXPECT_EQ(Jikan[kSiro], 7);
    EXPECT_EQ(ctl.Thinking, 0);
    EXPECT_TRUE(ctl.Turn.timThink.Enabled);

    // A point off the board is no move either.
    EngineScript = {{25, 3}};
    ClickPoint(4, 4);
    EXPECT_EQ(b.Tejun.Last(), 4);
    EXPECT_EQ(b.Tejun.GetTe(4), Point());
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST_F(TurnTest, AFullRecordEndsTheEnginesTurnWithoutLockingTheWindow)
{
    Open();
    Start("Man", "Man");
    TGoban& b = *GobanLv[0];
    while (b.Tejun.Last() < kMaxTe)
        ASSERT_TRUE(b.Pass());
    PlayerKind[b.Tejun.NextColor()] = pkComputer;
    EngineScript = {{4, 4}};
    ctl.Turn.ComUtu();
    EXPECT_EQ(ctl.Thinking, 0);
    EXPECT_EQ(b.Tejun.Last(), kMaxTe);
    EXPECT_EQ(b.GetIro(4, 4), kAki);
    // The record told the user, once for the move and once for the pass.
    EXPECT_EQ(prompt.messages.size(), 2u);
}

TEST_F(TurnTest, TheGameClockChargesTheSideToMove)
{
    Open();
    Start("Man", "Man");
    dlg.Show();
    view.status = "unchanged";
    for (int i = 0; i < 12; ++i)
        ctl.Turn.timThinkTimer();
    EXPECT_EQ(Jikan[kKuro], 120);
    EXPECT_EQ(dlg.edtBlackTime.Text, "0:00:12.0");
    // Between two people the status line carries no proverbs.
    EXPECT_EQ(view.status, "unchanged");
    ClickPoint(3, 3);
    ClickPoint(7, 7);
    ctl.Turn.timThinkTimer();
    EXPECT_EQ(Jikan[kKuro], 130);
    // With an earlier move shown nobody is charged.
    GobanLv[0]->Modosu();
    ctl.Turn.timThinkTimer();
    EXPECT_EQ(Jikan[kKuro], 130);
    EXPECT_EQ(Jikan[kSiro], 0);
}

TEST_F(TurnTest, TheHumansClockRenewsTheProverbEveryTenSeconds)
{
    Open();
    Start("Man", "VORN");
    ClickPoint(3, 3);  // the engine passes
    ASSERT_TRUE(StartsWith(view.status, "Your Turn..."));
    EXPECT_EQ(ctl.Turn.ThinkTicks, 0);
    view.status = "unchanged";
    for (int i = 0; i < 9; ++i)
        ctl.Turn.timThinkTimer();
    EXPECT_EQ(view.status, "unchanged");
    ctl.Turn.timThinkTimer();
    EXPECT_TRUE(StartsWith(view.status, "Your Turn..."));
}

TEST_F(TurnTest, EngineAgainstEnginePlaysAWholeGameToItsEnd)
{
    Open();
    ctl.Turn.Think = RandomThink;
    RandSeed(7);
    // The first move comes at the game start; every further one a second
    // later through the engine-against-engine timer.
    Start("VORN", "VORN");
    const TGoban& b = *GobanLv[0];
    ASSERT_EQ(b.Tejun.Last(), 1);
    EXPECT_TRUE(ctl.Turn.timVornVorn.Enabled);
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
    int ticks = 0;
    while (ctl.Turn.timVornVorn.Enabled && ticks < kMaxTe) {
        ctl.Turn.timVornVornTimer();
        ++ticks;
    }
    EXPECT_EQ(GameOver, 1);
    EXPECT_GT(b.Tejun.Last(), 40);
    EXPECT_EQ(b.Tejun.GetTe(b.Tejun.Last()), Point());
    EXPECT_EQ(b.Tejun.GetTe(b.Tejun.Last() - 1), Point());
    EXPECT_EQ(ctl.Thinking, 0);
    EXPECT_FALSE(ctl.Turn.timVornVorn.Enabled);
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
    EXPECT_TRUE(StartsWith(dlg.edtResult.Text, "B+") || StartsWith(dlg.edtResult.Text, "W+"));
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(TurnTest, EngineAgainstEngineGoesOnAfterBrowsing)
{
    Open();
    ctl.Turn.Think = RandomThink;
    RandSeed(11);
    Start("VORN", "VORN");
    const TGoban& b = *GobanLv[0];
    for (int i = 0; i < 6; ++i)
        ctl.Turn.timVornVornTimer();
    const int last = b.Tejun.Last();
    ASSERT_TRUE(ctl.Turn.timVornVorn.Enabled);
    // A step back while the next move is due: the tick finds an earlier move
    // shown and waits.
    ctl.Click("mnuPrev");
    ctl.Turn.timVornVornTimer();
    EXPECT_EQ(b.Tejun.Last(), last);
    EXPECT_FALSE(ctl.Turn.timVornVorn.Enabled);
    ctl.Click("mnuNext10");
    ASSERT_TRUE(ctl.Turn.timVornVorn.Enabled);
    ctl.Turn.timVornVornTimer();
    EXPECT_EQ(b.Tejun.Last(), last + 1);
    // Once more, back to the first move and to the last; then to the end.
    ctl.Click("mnuFirst");
    ctl.Turn.timVornVornTimer();
    EXPECT_EQ(b.Tejun.Last(), last + 1);
    EXPECT_FALSE(ctl.Turn.timVornVorn.Enabled);
    ctl.Click("mnuLast");
    int ticks = 0;
    while (ctl.Turn.timVornVorn.Enabled && ticks++ < kMaxTe)
        ctl.Turn.timVornVornTimer();
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(view.status, "Game end");
    EXPECT_EQ(ctl.Thinking, 0);
    // After the end, browsing gives the engine no move.
    ctl.Click("mnuPrev");
    ctl.Click("mnuLast");
    EXPECT_FALSE(ctl.Turn.timVornVorn.Enabled);
}

TEST_F(TurnTest, BrowsingGivesTheEngineNoMoveOnTheHumansTurn)
{
    Open();
    EngineScript = {{5, 5}};
    Start("Man", "VORN");
    ClickPoint(3, 3);
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 2);
    ctl.Click("mnuPrev");
    ctl.Click("mnuLast");
    EXPECT_FALSE(ctl.Turn.timVornVorn.Enabled);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
}

// --- With the engine itself -----------------------------------------------------

TEST_F(TurnTest, TheEngineAnswersAHumanInsideTheClick)
{
    Open();
    ctl.Turn.Think = EngineThinkMove;
    Start("Man", "VORN");
    const TGoban& b = *GobanLv[0];
    ClickPoint(3, 3);
    // The engine's answer, a stone or a pass, is in the record; the human
    // is to move again and the clock runs for him.
    ASSERT_EQ(b.Tejun.Last(), 2);
    const Point answer = b.Tejun.GetTe(2);
    EXPECT_TRUE(answer.x == 0 || b.GetIro(answer.x, answer.y) == kSiro);
    EXPECT_EQ(ctl.Thinking, 0);
    EXPECT_EQ(Level, 0);
    EXPECT_TRUE(ctl.Turn.timThink.Enabled);
    EXPECT_TRUE(StartsWith(view.status, "Your Turn..."));
    // The human passes until the engine passes too.
    for (int i = 0; i < 40 && GameOver == 0; ++i)
        ctl.Click("mnuPass");
    EXPECT_EQ(GameOver, 1);
    EXPECT_FALSE(dlg.edtResult.Text.empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(TurnTest, TheEnginePlaysItselfOnNineByNine)
{
    Open();
    ctl.Turn.Think = EngineThinkMove;
    Start("VORN", "VORN");
    const TGoban& b = *GobanLv[0];
    // A long game is ended by the end command once it has shown it plays on.
    for (int ticks = 0; ctl.Turn.timVornVorn.Enabled && ticks < 60; ++ticks)
        ctl.Turn.timVornVornTimer();
    if (GameOver == 0)
        ctl.Click("mnuEnd");
    EXPECT_EQ(GameOver, 1);
    EXPECT_GE(b.Tejun.Last(), 2);
    for (int n = 1; n <= b.Tejun.Last(); ++n) {
        const Point p = b.Tejun.GetTe(n);
        EXPECT_TRUE(p.x == 0 || (p.x >= 1 && p.x <= 9 && p.y >= 1 && p.y <= 9)) << n;
    }
    EXPECT_FALSE(ctl.Turn.timVornVorn.Enabled);
    EXPECT_TRUE(StartsWith(dlg.edtResult.Text, "B+") || StartsWith(dlg.edtResult.Text, "W+"));
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(prompt.questions.empty());
}

// The dictionaries are opened at the game start and follow every move: on
// 19x19 the engine's first moves are corner points of the opening book, also
// after a take-back has rewound the books.
TEST_F(TurnTest, TheEngineOpensFromItsBookAndKeepsToItAfterUndo)
{
    Open(lgEnglish, 19);
    ctl.Turn.Think = EngineThinkMove;
    Start("VORN", "");
    const TGoban& b = *GobanLv[0];
    auto cornerPoint = [](Point p) {
        auto near = [](int v) { return v == 3 || v == 4 || v == 16 || v == 17; };
        return near(p.x) && near(p.y);
    };
    EXPECT_TRUE(ZenbanLjsk.IsOpen());
    EXPECT_TRUE(JosekiLjsk.IsOpen());
    ASSERT_EQ(b.Tejun.Last(), 1);
    EXPECT_TRUE(cornerPoint(b.Tejun.GetTe(1)));
    // White answers in another corner; Black's reply comes from the book too.
    const Point first = b.Tejun.GetTe(1);
    ClickPoint(first.x < 10 ? 16 : 4, first.y < 10 ? 16 : 4);
    ASSERT_EQ(b.Tejun.Last(), 3);
    EXPECT_TRUE(cornerPoint(b.Tejun.GetTe(3)));
    // Undo takes White's move and Black's reply; White plays elsewhere and
    // Black still answers from the book.
    ctl.Click("mnuUndo");
    ASSERT_EQ(b.Tejun.Current(), 1);
    ClickPoint(first.x < 10 ? 4 : 16, first.y < 10 ? 16 : 4);
    ASSERT_EQ(b.Tejun.Last(), 3);
    EXPECT_TRUE(cornerPoint(b.Tejun.GetTe(3)));
    EXPECT_TRUE(prompt.messages.empty());
    // The end of the game closes the books.
    ctl.Click("mnuEnd");
    EXPECT_FALSE(ZenbanLjsk.IsOpen());
    EXPECT_FALSE(JosekiLjsk.IsOpen());
}

TEST_F(TurnTest, TheHintAsksTheEngineWithoutPlaying)
{
    Open();
    ctl.Click("mnuHint");  // no game
    EXPECT_TRUE(EngineCallHintModes.empty());
    Start("Man", "Man");
    EngineScript = {{4, 4}};
    ctl.Click("mnuHint");
    ASSERT_EQ(EngineCallHintModes.size(), 1u);
    EXPECT_EQ(EngineCallHintModes[0], 1);
    EXPECT_EQ(HintMode, 0);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    // Not while an earlier move is shown.
    ClickPoint(3, 3);
    GobanLv[0]->Modosu();
    ctl.Click("mnuHint");
    EXPECT_EQ(EngineCallHintModes.size(), 1u);
}

TEST_F(TurnTest, TheEngineMoveItemKeepsToItsGates)
{
    Open();
    Start("Man", "Man");
    EngineScript = {{4, 4}, {5, 5}};
    GameInfoLock = 1;
    ctl.Click("mnuComUtu");
    GameInfoLock = 0;
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    ctl.Click("mnuComUtu");
    EXPECT_EQ(GobanLv[0]->GetIro(4, 4), kKuro);
    // The engine played for a human side: the human's clock runs again.
    EXPECT_TRUE(ctl.Turn.timThink.Enabled);
    ctl.GameStop();
    ctl.Click("mnuComUtu");
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
}

} // namespace
} // namespace vorn::test

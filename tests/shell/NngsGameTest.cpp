// Whole games on a Go server: the real main window with its server window
// and socket plays the scripted server of NngsServer.h on the loopback
// interface, from the login typed into the entry line through the match
// request of the game dialog to the server's end of the game.  The server
// keeps its own board and record; at the end both must agree with board 0.
// Every wait is bounded, so nothing can hang.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <memory>

#include "GameUtil.h"
#include "NngsServer.h"
#include "net/TcpUtil.h"
#include "shell/NngsConnectWindow.h"
#include "shell/NngsWindow.h"

namespace vorn::test {
namespace {

// Our side: the engine's own choice for its first moves (a random legal move
// where it would pass or resign this early), then random legal moves, then
// passes.
int g_moves = 0, g_engineMoves = 0, g_allMoves = 0;
void EngineThenRandom(Point& out)
{
    TGoban& b = *GobanLv[0];
    out = Point{};
    if (g_moves >= g_allMoves)
        return;
    if (g_moves++ < g_engineMoves)
        EngineThinkMove(out);
    if (out.x <= 0 || b.CheckUtu(b.Tejun.NextColor(), out.x, out.y) != kUtuOk)
        out = RandomMove(b);
}

class NngsGameTest : public ShellTest {
protected:
    void TearDown() override
    {
        form.reset();
        ShellTest::TearDown();
    }
    void Open(int size)
    {
        WriteIni("[Goban]\nSize=" + std::to_string(size) + "\n[Form]\nLanguage=1\nUserName=alice\n");
        form = std::make_unique<TSDIAppForm>(std::vector<std::string>{}, &prompt, exeDir);
        form->resize(500, 560);
        form->show();
        QApplication::processEvents();
    }
    TMainCtl& Ctl() { return form->Ctl(); }
    TNngsWindow& Window() { return *form->NngsWindow(); }
    bool MemoEndsWith(const std::string& text)
    {
        const QString memo = Window().Memo()->toPlainText();
        return memo.endsWith(QString::fromStdString(text));
    }
    // Types a line into the server window's entry and presses Enter.
    void Type(const std::string& text)
    {
        Window().Entry()->setText(QString::fromStdString(text));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(Window().Entry(), &enter);
    }
    // Connects through the host dialog and logs in.
    void Login(TFakeNngsServer& server)
    {
        Window().show();
        Ctl().Nngs.Port = server.Port();
        Window().findChild<QAction*>("mnuHost")->trigger();
        TNngsConnectWindow& dialog = Window().ConnectWindow();
        ASSERT_TRUE(dialog.isVisible());
        dialog.HostEntry()->setText("127.0.0.1");
        dialog.OkButton()->click();
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_TRUE(WaitFor([&] { return MemoEndsWith("Login: "); }));
        EXPECT_EQ(NngsConnected, 1);
        Type("alice");
        ASSERT_TRUE(WaitFor([&] { return MemoEndsWith("alice\nPassword: "); }));
        Type("secret");
        ASSERT_TRUE(WaitFor([&] { return MemoEndsWith("#> "); }));
    }
    // The game dialog: the engine against bob on the server.
    void Confirm(bool engineBlack)
    {
        TGameInfo& d = Ctl().GameInfo;
        Ctl().Click("mnuNew");
        d.chkComm.Checked = d.rdoNNGS.Checked = true;
        d.rdoCom1.Checked = false;
        d.chkAiteWhite.Checked = engineBlack;
        d.cmbBlackPlayer.Text = engineBlack ? "VORN" : "bob";
        d.cmbWhitePlayer.Text = engineBlack ? "bob" : "VORN";
        d.btnOKClick();
    }
    // Plays until the server has ended the game, which ends ours; then
    // compares the two sides.
    void PlayOut(TFakeNngsServer& server, int ms)
    {
        // A fault on either side ends the wait at once.
        const bool done = WaitFor(
            [&] {
                return (server.finished && Ctl().GameRunning == 0) || !server.errors.empty() || !prompt.messages.empty();
            },
            ms);
        std::string sent;
        for (const std::string& l : server.received)
            sent += l + " ";
        ASSERT_TRUE(done && server.finished && Ctl().GameRunning == 0) << "sent: " << sent << "\nmemo tail: "
                          << Window().Memo()->toPlainText().right(600).toStdString();
        EXPECT_TRUE(server.errors.empty()) << server.errors.front();
        EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
        // Both boards alike, and both records (the last pass of a game that
        // the server ended by counting never reaches the client).
        EXPECT_EQ(BoardDiagram(*GobanLv[0]), server.Diagram());
        const TTejun& t = GobanLv[0]->Tejun;
        ASSERT_LE(t.Last(), static_cast<int>(server.record.size()));
        ASSERT_GE(t.Last() + 1, static_cast<int>(server.record.size()));
        for (int n = 1; n <= t.Last(); ++n)
            ASSERT_EQ(t.GetTe(n), server.record[static_cast<std::size_t>(n - 1)]) << "move " << n;
    }

    TScriptPrompt prompt;
    std::unique_ptr<TSDIAppForm> form;
};

TEST_F(NngsGameTest, TheEngineAsBlackPlaysA9x9GameToTheCount)
{
    Open(9);
    TFakeNngsServer server(9, 7);
    server.bobMoves = 30;
    RandSeed(11);
    g_moves = 0;
    g_engineMoves = 10;
    g_allMoves = 36;
    Ctl().Turn.Think = EngineThenRandom;
    Ctl().Nngs.timVorn.Interval = 5;
    ASSERT_NO_FATAL_FAILURE(Login(server));
    Confirm(true);
    ASSERT_TRUE(WaitFor([&] { return Ctl().GameRunning == 1; })) << server.errors.size();
    PlayOut(server, 60000);
    // The lines the client sent, in order: the login, the match request,
    // its moves as column letter and two-digit row, its pass and "done".
    ASSERT_GE(server.received.size(), 6U);
    EXPECT_EQ(std::vector<std::string>(server.received.begin(), server.received.begin() + 4),
              (std::vector<std::string>{"alice", "secret", "set Client TRUE", "match bob B 9 40 0"}));
    for (std::size_t i = 4; i + 1 < server.received.size(); ++i) {
        const std::string& m = server.received[i];
        EXPECT_TRUE(m == "pass" || (m.size() == 3 && m[0] >= 'a' && m[0] <= 'j' && m[0] != 'i' && m[1] == '0'))
            << m;
    }
    EXPECT_EQ(server.received.back(), "done");
    EXPECT_EQ(server.record.back(), kPass);
    EXPECT_NE(Ctl().GameInfo.edtResult.Text, "");
}

TEST_F(NngsGameTest, TheMemoFollowsTheServersLinesWhenALineWraps)
{
    Open(9);
    Window().show();
    QApplication::processEvents();
    // The prompt, answered by a line wider than the memo, then more lines:
    // the last line stays in sight.
    TNngsForm& f = Ctl().Nngs;
    f.MemoTail("#> ");
    f.MemoLine("21 {Game 4: bob vs alice : " + std::string(200, 'x') + "}");
    for (int i = 0; i < 20; ++i)
        f.MemoLine("27  bob [ 3k*] idle " + std::to_string(i));
    QApplication::processEvents();
    const QScrollBar* bar = Window().Memo()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(NngsGameTest, OnA13x13BoardTheServersPassEndsTheGameAndTheEngineSaysDone)
{
    Open(13);
    TFakeNngsServer server(13, 3);
    server.bobMoves = 34;
    RandSeed(23);
    g_moves = 0;
    g_engineMoves = 4;
    g_allMoves = 28;
    Ctl().Turn.Think = EngineThenRandom;
    Ctl().Nngs.timVorn.Interval = 1;
    ASSERT_NO_FATAL_FAILURE(Login(server));
    Confirm(false);
    PlayOut(server, 60000);
    // Bob's pass after ours started the counting on the server: it never
    // reached board 0 as a move, and the engine said "done" to the notice.
    EXPECT_EQ(static_cast<int>(server.record.size()), GobanLv[0]->Tejun.Last() + 1);
    EXPECT_EQ(server.record.back(), kPass);
    EXPECT_EQ(server.received.back(), "done");
    EXPECT_EQ(std::count(server.received.begin(), server.received.end(), "done"), 1);
}

TEST_F(NngsGameTest, TheEngineAsWhitePlaysA19x19GameUntilTheServerResigns)
{
    Open(19);
    TFakeNngsServer server(19, 5);
    server.bobMoves = 66;
    server.bobResigns = true;
    RandSeed(17);
    g_moves = 0;
    g_engineMoves = 2;
    g_allMoves = 400;
    Ctl().Turn.Think = EngineThenRandom;
    Ctl().Nngs.timVorn.Interval = 1;
    ASSERT_NO_FATAL_FAILURE(Login(server));
    // Three handicap stones chosen: the game is played even all the same.
    TGameInfo& d = Ctl().GameInfo;
    Ctl().Click("mnuNew");
    d.cmbTeai.Text = "3";
    d.cmbTeaiChange();
    Confirm(false);
    EXPECT_EQ(Handicap, 0);
    ASSERT_TRUE(WaitFor([&] { return server.received.size() >= 4; }));
    EXPECT_EQ(server.received[3], "match bob W 19 40 0");
    PlayOut(server, 90000);
    // Move numbers past 120 were read; the game ended on bob's resignation.
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 132);
    EXPECT_NE(server.received.back(), "done");
    EXPECT_TRUE(MemoEndsWith("1 5"));
}

} // namespace
} // namespace vorn::test

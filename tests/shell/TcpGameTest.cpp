// Two copies of the program play a whole 9x9 game over TCP on the loopback
// interface and chat: this test is Alice, who listens and plays with the
// engine; Bob is this test program run once more, which connects and clicks
// his moves.  Both are the real main window with its link window and
// sockets.  Every wait is bounded and the second process is killed when the
// test ends, so nothing can hang.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "GameUtil.h"
#include "net/TcpSocket.h"
#include "net/TcpUtil.h"
#include "records/Kifu.h"
#include "shell/TcpWindow.h"

namespace vorn::test {
namespace {

constexpr const char* kPeerPortVar = "VORN_TCP_PEER_PORT";
constexpr const char* kPeerTest = "TcpGameTest.DISABLED_BobsSide";

// Alice's engine: its own choice for ten moves (a random legal move where it
// would pass or resign this early), then passes.
int g_engineMoves = 0;
void TenMovesThenPass(Point& out)
{
    out = Point{};
    if (g_engineMoves >= 10)
        return;
    ++g_engineMoves;
    EngineThinkMove(out);
    TGoban& b = *GobanLv[0];
    if (out.x <= 0 || b.CheckUtu(b.Tejun.NextColor(), out.x, out.y) != kUtuOk)
        out = RandomMove(b);
}

class TcpGameTest : public ShellTest {
protected:
    void TearDown() override
    {
        form.reset();
        ShellTest::TearDown();
    }
    void Open(int language, const std::string& name)
    {
        WriteIni("[Goban]\nSize=9\n[Form]\nLanguage=" + std::to_string(language) + "\nUserName=" + name + "\n");
        form = std::make_unique<TSDIAppForm>(std::vector<std::string>{}, &prompt, exeDir);
        form->resize(500, 560);
        form->show();
        QApplication::processEvents();
    }
    TMainCtl& Ctl() { return form->Ctl(); }
    // The TCP game in the dialog: the local side plays Black when ownBlack.
    void ConfirmTcp(bool ownBlack, const std::string& local, const std::string& remote)
    {
        TGameInfo& d = Ctl().GameInfo;
        d.chkComm.Checked = d.rdoTcpip.Checked = true;
        d.rdoCom1.Checked = false;
        d.chkAiteWhite.Checked = ownBlack;
        d.cmbBlackPlayer.Text = ownBlack ? local : remote;
        d.cmbWhitePlayer.Text = ownBlack ? remote : local;
        d.btnOKClick();
    }
    void Chat(const std::string& text)
    {
        Ctl().Tcp.Edit1 = text;
        Ctl().Tcp.Edit1KeyDown(13);
    }
    // The chat memo, a line each, for the report of a failure.
    std::string MemoText() const
    {
        std::string text;
        for (const std::string& line : form->Ctl().Tcp.Memo1)
            text += line + "\n";
        return text;
    }
    bool MemoHas(const std::string& line) const
    {
        const std::vector<std::string>& m = form->Ctl().Tcp.Memo1;
        return std::find(m.begin(), m.end(), line) != m.end();
    }
    // A left click on the intersection, as the mouse gives it.
    void ClickPoint(Point p)
    {
        const TBanDraw& b = Ctl().Ban;
        const QPointF at(b.CellLeft(p.x) + b.BanHalf, b.CellTop(p.y) + b.BanHalf);
        QMouseEvent press(QEvent::MouseButtonPress, at, form->Client()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form->Client(), &press);
    }
    static std::string Record()
    {
        const TTejun& t = GobanLv[0]->Tejun;
        std::vector<Point> moves;
        for (int n = 1; n <= t.Last(); ++n)
            moves.push_back(t.GetTe(n));
        return TcpKifuText(moves);
    }

    TScriptPrompt prompt;
    std::unique_ptr<TSDIAppForm> form;
};

TEST_F(TcpGameTest, TwoProgramsPlayAWholeGameAndChat)
{
    // Alice's record: 29 moves and a pass of a game with two handicap stones.
    HandicapRecordOnBoard0(23);
    KifuBlackPlayer = "Bob";
    KifuWhitePlayer = "VORN";
    KifuKomi = "0.5";
    const std::string record = exeDir + "alice.sgf";
    ASSERT_TRUE(KifuSave(record));

    Open(lgEnglish, "Alice");
    TMainCtl& a = Ctl();
    RandSeed(3);
    g_engineMoves = 0;
    a.Turn.Think = TenMovesThenPass;
    a.Tcp.timVorn.Interval = 10;
    const int port = form->TcpWindow()->Socket().ListenPort();
    ASSERT_GT(port, 0);
    EXPECT_EQ(a.Tcp.StatusText, "Waiting...");

    QProcess bob;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kPeerPortVar, QString::number(port));
    // The peer runs its one test, whichever share of the tests this run has.
    env.remove(QStringLiteral("GTEST_TOTAL_SHARDS"));
    env.remove(QStringLiteral("GTEST_SHARD_INDEX"));
    bob.setProcessEnvironment(env);
    bob.setProcessChannelMode(QProcess::MergedChannels);
    bob.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=") + kPeerTest});
    struct TKill {
        QProcess& p;
        ~TKill()
        {
            if (p.state() != QProcess::NotRunning) {
                p.kill();
                p.waitForFinished(5000);
            }
        }
    } kill{bob};
    ASSERT_TRUE(bob.waitForStarted(10000));
    auto output = [&] { return "Bob's side:\n" + bob.readAll().toStdString(); };

    ASSERT_TRUE(WaitFor([&] { return a.Tcp.Protocol.PeerName() == "Bob"; }, 30000)) << output();
    EXPECT_EQ(a.Tcp.StatusText, "接続先: 127.0.0.1");
    // Alice opens her record and confirms first: her engine plays White.
    prompt.files.push_back(record);
    a.Click("mnuOpen");
    ASSERT_EQ(GameInfoMode, 1);
    ConfirmTcp(false, "VORN", "Bob");
    Chat("ready?");

    // Bob confirms with the wrong colour, then again; the game runs until
    // both pass.
    // The engine's ten moves on 19x19 take a minute or more in a sanitizer
    // build on a busy machine: the waits leave room for that.
    ASSERT_TRUE(WaitFor([&] { return GameOver == 1 || bob.state() == QProcess::NotRunning; }, 360000)) << output();
    ASSERT_EQ(GameOver, 1) << output() << Record() << "\nAlice's memo:\n" << MemoText()
                           << "status: " << form->statusBar()->currentMessage().toStdString();
    Chat("good game");
    ASSERT_TRUE(WaitFor([&] { return bob.state() == QProcess::NotRunning; }, 30000)) << output();
    const std::string out = output();
    ASSERT_EQ(bob.exitStatus(), QProcess::NormalExit) << out;
    ASSERT_EQ(bob.exitCode(), 0) << out;

    // 30 recorded moves, ten moves each way, two passes; both boards alike.
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 52);
    EXPECT_NE(out.find("@record " + Record() + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("@board\n" + BoardDiagram(*GobanLv[0]) + "@end"), std::string::npos)
        << BoardDiagram(*GobanLv[0]) << out;
    EXPECT_TRUE(MemoHas("(Alice)ready?"));
    EXPECT_TRUE(MemoHas("(Bob)よろしく"));
    EXPECT_NE(out.find("@memo (Alice)good game\n"), std::string::npos) << out;
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
}

TEST_F(TcpGameTest, TheWindowShowsTheLinkAndSendsTheEntryLine)
{
    Open(lgEnglish, "Alice");
    TTcpWindow& w = *form->TcpWindow();
    EXPECT_FALSE(w.isVisible());
    Ctl().Click("mnuTcpIp");
    QApplication::processEvents();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Chat");
    EXPECT_EQ(w.statusBar()->currentMessage(), "Waiting...");
    // The entry line goes out on Enter; with nobody connected the memo says so.
    w.Entry()->setText("<b>hi</b>");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w.Entry(), &enter);
    EXPECT_EQ(w.Entry()->text(), "");
    EXPECT_EQ(w.Memo()->toPlainText(), "Not connected: nothing was sent.\n(Alice)<b>hi</b>");
    // Closing hides the window; the link keeps listening.
    w.close();
    EXPECT_FALSE(Ctl().Tcp.Visible);
    EXPECT_TRUE(w.Socket().Listening());
}

// Bob's side of the game above, run by it in a second process.
TEST_F(TcpGameTest, DISABLED_BobsSide)
{
    const char* port = std::getenv(kPeerPortVar);
    if (port == nullptr)
        GTEST_SKIP() << "run by TwoProgramsPlayAWholeGameAndChat";
    Open(lgJapanese, "Bob");
    TMainCtl& b = Ctl();
    TGameInfo& dlg = b.GameInfo;
    RandSeed(5);
    // The second copy on this machine connects out to the first.
    TcpPort = std::atoi(port);
    prompt.inputs.push_back("127.0.0.1");
    b.Tcp.mnuConnectClick();
    ASSERT_TRUE(WaitFor([&] { return MemoHas("(Alice)ready?"); }, 30000));

    // Alice is ready and plays White; Bob claims White too.
    b.Click("mnuNew");
    ConfirmTcp(false, "Bob", "Alice");
    ASSERT_TRUE(WaitFor([&] { return dlg.btnOK.Visible; }, 10000));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"色の設定が違います"});
    ConfirmTcp(true, "Bob", "Alice");
    ASSERT_TRUE(WaitFor([&] { return b.GameRunning == 1; }, 20000));
    EXPECT_GE(GobanLv[0]->Tejun.Current(), 30);
    EXPECT_EQ(dlg.edtKomi.Text, "0.5");
    EXPECT_EQ(dlg.edtTeai.Text, "２子");
    Chat("よろしく");

    // Ten clicks, then a pass once Alice has passed.
    int clicks = 0;
    const bool over = WaitFor(
        [&] {
            const TTejun& t = GobanLv[0]->Tejun;
            if (GameOver == 1)
                return true;
            if (b.GameRunning != 1 || b.Thinking == 1 || t.NextColor() != kKuro || t.Current() != t.Last())
                return false;
            const Point p = RandomMove(*GobanLv[0]);
            if (clicks >= 10 || p.x == 0) {
                b.Click("mnuPass");
            } else {
                const int before = t.Last();
                ClickPoint(p);
                clicks += t.Last() > before ? 1 : 0;
            }
            return false;
        },
        300000);
    ASSERT_TRUE(over) << Record() << "\nBob's memo:\n" << MemoText() << "status: " << form->statusBar()->currentMessage().toStdString()
                      << " running " << int(b.GameRunning) << " thinking " << int(b.Thinking) << " current "
                      << GobanLv[0]->Tejun.Current() << " last " << GobanLv[0]->Tejun.Last();
    EXPECT_EQ(clicks, 10);
    ASSERT_TRUE(WaitFor([&] { return MemoHas("(Alice)good game"); }, 30000));

    std::cout << "@record " << Record() << "\n@board\n" << BoardDiagram(*GobanLv[0]) << "@end\n";
    for (const std::string& line : b.Tcp.Memo1)
        std::cout << "@memo " << line << "\n";
    std::cout.flush();
}

} // namespace
} // namespace vorn::test

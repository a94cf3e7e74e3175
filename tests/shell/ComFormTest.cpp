// The serial link in the game flow: a game set up through the dialog with
// the peer on COM1, a pseudo-terminal whose other end the test plays by
// writing and reading packets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>

#include <chrono>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "GameUtil.h"
#include "GnuGo.h"
#include "net/GoComm.h"
#include "records/KifuIg1.h"
#include "shell/ComFormWindow.h"

namespace vorn::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// Packets as (command, value).
using TPackets = std::vector<std::pair<int, int>>;

class ComFormTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_GE(pty.master, 0);
        view.ctl = &ctl;
        EngineScript.clear();
    }
    void TearDown() override
    {
        if (ctl.FormCreated == 1)
            ctl.FormClose();
        EngineScript.clear();
        ShellTest::TearDown();
    }
    void Open(const std::string& device, const std::string& more = "")
    {
        WriteIni("[Goban]\nSize=9\n[Form]\nLanguage=1\n[Comm]\nCom1=" + device + "\n" + more);
        ctl.FormCreate(exeDir, {});
        ctl.Turn.Think = ScriptedThink;
    }
    void Start(bool peerBlack) { StartSerialGame(ctl, !peerBlack); }

    // The peer's side of the line.
    void Send(int cmd, int value, bool fresh = true)
    {
        if (fresh)
            own_ ^= 1;
        const TGmpPacket p = GmpPacket(static_cast<std::uint8_t>(seen_ * 2 + own_), cmd, value);
        ASSERT_EQ(write(pty.master, p.data(), 4), 4);
    }
    // The packets our side sent, as (command, value), once count have come
    // (or ms have passed).
    TPackets Receive(std::size_t count, int ms = 3000)
    {
        TPackets got;
        const auto end = steady_clock::now() + milliseconds(ms);
        while (inbox_.size() < 4 * count && steady_clock::now() < end) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            pollfd p{pty.master, POLLIN, 0};
            if (poll(&p, 1, 1) > 0) {
                std::uint8_t buf[256];
                const ssize_t n = read(pty.master, buf, sizeof buf);
                if (n > 0)
                    inbox_.insert(inbox_.end(), buf, buf + n);
            }
        }
        while (inbox_.size() >= 4) {
            seen_ = inbox_[0] & 1;
            got.emplace_back((inbox_[2] & 0x7F) >> 4, (inbox_[2] & 7) * 128 + (inbox_[3] & 0x7F));
            inbox_.erase(inbox_.begin(), inbox_.begin() + 4);
        }
        return got;
    }
    void Pump(int ms = 50)
    {
        const auto end = steady_clock::now() + milliseconds(ms);
        while (steady_clock::now() < end)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // Events until `done` holds or `ms` pass (a busy machine reads the line late).
    template <class Pred>
    void PumpUntil(Pred done, int ms)
    {
        const auto end = steady_clock::now() + milliseconds(ms);
        while (!done() && steady_clock::now() < end)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // A freshly started peer.
    void NewPeer()
    {
        Receive(8, 50);
        own_ = seen_ = 0;
        inbox_.clear();
    }
    // The set-up of a game whose Black is the peer, up to our closing OK.
    void PeerBlackSetUp()
    {
        NewPeer();
        Send(GmpCmdNewGame, 0);
        ASSERT_EQ(Receive(1), (TPackets{{GmpCmdQuery, GmpQueryColor}}));
        Send(GmpCmdAnswer, 2);
        ASSERT_EQ(Receive(1), (TPackets{{GmpCmdQuery, GmpQueryHandicap}}));
        Send(GmpCmdAnswer, 1);
        ASSERT_EQ(Receive(1), (TPackets{{GmpCmdOk, 0x3FF}}));
    }

    PtyPair pty;
    TLinkView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TMainCtl ctl{view, canvas, prompt};

private:
    int own_ = 0, seen_ = 0;
    std::vector<std::uint8_t> inbox_;
};

const TPackets kOkOnly{{GmpCmdOk, 0x3FF}};

TEST_F(ComFormTest, APortThatCannotBeOpenedStartsNoGame)
{
    Open("/nonexistent/ttyV9");
    Start(true);
    ASSERT_EQ(prompt.messages, std::vector<std::string>{"ポートをオープンできませんでした"});
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_TRUE(ctl.GameInfo.Visible);
    EXPECT_FALSE(ctl.Com.CommX1.Opened());
    // The dialog is back as it was set up: the choices can be changed and
    // the game started again, or the dialog cancelled.
    const TGameInfo& d = ctl.GameInfo;
    EXPECT_TRUE(d.btnOK.Visible);
    EXPECT_TRUE(d.btnCancel.Visible);
    EXPECT_TRUE(d.cmbBlackPlayer.Visible && d.cmbWhitePlayer.Visible && d.cmbTeai.Visible && d.cmbBan.Visible);
    EXPECT_FALSE(d.edtBlackPlayer.Visible || d.edtWhitePlayer.Visible || d.edtTeai.Visible || d.edtBan.Visible);
    EXPECT_FALSE(d.edtResult.Visible);
    EXPECT_EQ(d.cmbBlackPlayer.Text, "Peer");
    EXPECT_EQ(GameInfoLock, 1) << "the board waits for the dialog, as before Start";
    // With a port that opens, Start starts the game.
    ctl.Com.CommX1.SetDeviceName(1, pty.name);
    ctl.GameInfo.btnOKClick();
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_TRUE(ctl.Com.CommX1.Opened());
    EXPECT_FALSE(d.btnOK.Visible || d.btnCancel.Visible);
}

TEST_F(ComFormTest, PeerMovesAndPassesGoThroughTheGameFlow)
{
    Open(pty.name);
    Start(true);
    ASSERT_TRUE(ctl.Com.CommX1.Opened());
    EXPECT_EQ(ctl.Com.CommX1.BitRate(), 2400);
    EXPECT_TRUE(ctl.Com.Memo1.empty()) << "the peer starts the set-up";
    PeerBlackSetUp();
    EXPECT_FALSE(ctl.Com.timVorn.Enabled);

    // The peer's move is played for Black; a second later the engine answers.
    ctl.Turn.timThink.Enabled = true;
    Send(GmpCmdMove, GmpPosition(3, 3, 9));
    EXPECT_EQ(Receive(1), kOkOnly);
    EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kKuro);
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
    ASSERT_TRUE(ctl.Com.timVorn.Enabled);
    EngineScript = {Point(5, 5)};
    ctl.Com.timVornTimer();
    EXPECT_FALSE(ctl.Com.timVorn.Enabled);
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kSiro);
    EXPECT_EQ(Receive(1), (TPackets{{GmpCmdMove, 0x200 | GmpPosition(5, 5, 9)}}));
    EXPECT_TRUE(ctl.Com.timSaisou.Enabled) << "our move waits for its OK";
    Send(GmpCmdOk, 0x3FF, false);
    Pump();
    EXPECT_FALSE(ctl.Com.timSaisou.Enabled);

    // The peer passes while the user looks at the start of the game: the
    // pass enters the record after the last move and the running record;
    // the engine's pass ends the game and goes to the peer.
    ctl.Click("mnuFirst");
    ASSERT_EQ(GobanLv[0]->Tejun.Current(), 0);
    Send(GmpCmdMove, 0);
    EXPECT_EQ(Receive(1), kOkOnly);
    EXPECT_EQ(ctl.PassCount, 1);
    ASSERT_TRUE(ctl.Com.timVorn.Enabled);
    ctl.Com.timVornTimer();
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(Receive(1), (TPackets{{GmpCmdMove, 0x200}}));
    const TTejun& t = GobanLv[0]->Tejun;
    ASSERT_EQ(t.Last(), 4);
    EXPECT_EQ(t.GetTe(3), Point());
    const std::string rec = ReadText(KifuRecName);
    EXPECT_NE(rec.find("C03 E05 A00 A00 "), std::string::npos) << rec;

    // The peer confirms the end with one more pass: nothing changes.
    Send(GmpCmdOk, 0x3FF, false);
    Send(GmpCmdMove, 0);
    EXPECT_EQ(Receive(1), kOkOnly);
    EXPECT_EQ(t.Last(), 4);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(ctl.GameRunning, 1);

    // Stopping the game closes the line.
    ctl.GameStop();
    EXPECT_FALSE(ctl.Com.CommX1.Opened());
    EXPECT_FALSE(ctl.Com.timSaisou.Enabled);
}

TEST_F(ComFormTest, MovesThatCannotBePlayedStopTheGameNamingThePoint)
{
    const struct {
        int p;            // what the peer sends; -1: onto the engine's stone
        bool afterReply;  // sent when the engine is to move
        const char* message;
    } cases[] = {
        {-1, false, "Match player's move cannot be played：<5,5>"},
        {82, false, "Match player's move cannot be played：<1,0>"},
        {510, false, "Match player's move cannot be played：<6,-47>"},
        {GmpPosition(7, 7, 9), true, "Match player's move cannot be played：<7,7>"},
    };
    Open(pty.name);
    for (const auto& c : cases) {
        prompt.messages.clear();
        Start(true);
        ASSERT_TRUE(ctl.Com.CommX1.Opened());
        PeerBlackSetUp();
        Send(GmpCmdMove, GmpPosition(3, 3, 9));
        Receive(1);
        EngineScript = {Point(5, 5)};
        if (!c.afterReply) {
            ctl.Com.timVornTimer();
            Receive(1);
            Send(GmpCmdOk, 0x3FF, false);
        }
        Send(GmpCmdMove, c.p < 0 ? GmpPosition(5, 5, 9) : c.p);
        PumpUntil([&] { return !prompt.messages.empty(); }, 3000);
        Pump(20);
        ASSERT_EQ(prompt.messages, std::vector<std::string>{c.message}) << c.p;
        EXPECT_EQ(ctl.Com.Memo1.back(), c.message);
        EXPECT_EQ(ctl.GameRunning, 0) << c.p;
        EXPECT_FALSE(ctl.Com.CommX1.Opened());
        EXPECT_EQ(GobanLv[0]->Tejun.Last(), c.afterReply ? 1 : 2) << "nothing more was played";
    }
}

TEST_F(ComFormTest, SetUpErrorIsShownInTheStatusBar)
{
    Open(pty.name);
    Start(true);
    Send(GmpCmdNewGame, 0);
    Receive(1);
    Send(GmpCmdAnswer, 1);  // the peer says it plays White too
    Pump();
    EXPECT_EQ(view.status, "Color Error");
    EXPECT_EQ(ctl.Com.Memo1.back(), "Color Error");
    EXPECT_TRUE(Receive(1, 100).empty());
}

TEST_F(ComFormTest, EngineBlackStartsWithNewGameAndMovesAfterTheClosingOk)
{
    Open(pty.name);
    Start(false);
    EXPECT_EQ(ctl.Com.Memo1, std::vector<std::string>{"01 a1 a0 80  ---> Send Data"});
    EXPECT_EQ(Receive(1), (TPackets{{GmpCmdNewGame, 0}}));
    for (const auto& [query, answer] : {std::pair{7, 1}, std::pair{9, 9}, std::pair{8, 1}, std::pair{11, 2}}) {
        Send(GmpCmdQuery, query);
        EXPECT_EQ(Receive(1), (TPackets{{GmpCmdAnswer, answer}})) << query;
    }
    EXPECT_FALSE(ctl.Com.timVorn.Enabled);
    Send(GmpCmdOk, 0x3FF, false);
    Pump();
    ASSERT_TRUE(ctl.Com.timVorn.Enabled);
    EngineScript = {Point(3, 7)};
    ctl.Com.timVornTimer();
    EXPECT_EQ(Receive(1), (TPackets{{GmpCmdMove, GmpPosition(3, 7, 9)}}));
    EXPECT_EQ(ctl.Com.Memo1.back(), GmpTraceText(ctl.Com.Gmp.GmpResendPacket, " ---> Send Data(3,7)"));

    // The peer resigns: we acknowledge and say so; the game goes on.
    Send(GmpCmdOk, 0x3FF, false);
    Send(GmpCmdMove, 0x200 | kGmpResign);
    EXPECT_EQ(Receive(1), kOkOnly);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Match player resigned the game"});
    EXPECT_EQ(ctl.GameRunning, 1);
}

TEST_F(ComFormTest, WindowPlaceIsKeptAndTheMenuShowsTheWindow)
{
    Open(pty.name, "[FormCom]\nLeft=120\nTop=40\nWidth=260\nHeight=330\n");
    TComForm& com = ctl.Com;
    EXPECT_EQ(com.Left, 120);
    EXPECT_EQ(com.Top, 40);
    EXPECT_EQ(com.Width, 260);
    EXPECT_EQ(com.Height, 330);
    EXPECT_FALSE(com.Visible);
    ctl.Click("mnuTusin");
    EXPECT_TRUE(com.Visible);
    com.Left = 15;
    com.Height = 280;
    ctl.FormClose();
    const std::string ini = ReadText(IniFile());
    EXPECT_NE(ini.find("[FormCom]"), std::string::npos);
    EXPECT_NE(ini.find("Left=15"), std::string::npos);
    EXPECT_NE(ini.find("Height=280"), std::string::npos);
}

using ComWindowTest = WindowTest;

TEST_F(ComWindowTest, TraceAndTimersFollowTheLink)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    TComFormWindow* w = form->ComForm();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "RS232C");
    EXPECT_FALSE(w->isVisible());
    TComForm& com = Ctl().Com;
    // No port is open: the packet goes nowhere, but it is traced and waits
    // for its answer.
    com.Gmp.SendNewGame();
    QApplication::processEvents();
    EXPECT_EQ(w->Memo()->toPlainText().toStdString(), "01 a1 a0 80  ---> Send Data");
    EXPECT_TRUE(w->SaisouTimer().isActive());
    EXPECT_EQ(w->SaisouTimer().interval(), 20000);
    EXPECT_EQ(w->VornTimer().interval(), 1000);
    Ctl().Click("mnuTusin");
    EXPECT_TRUE(w->isVisible());
    // A move for a serial peer goes to the link; the port is closed, so it
    // is not sent.
    form->SendMove(pkSerial, 3, 3, kKuro);
    EXPECT_EQ(com.Memo1.size(), 1u);
    com.GameStop();
    EXPECT_FALSE(w->SaisouTimer().isActive());
    com.MemoClear();
    com.GmpTrace("again");
    EXPECT_EQ(w->Memo()->toPlainText().toStdString(), "again");
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

class ComFormEndTest : public ComFormTest {
protected:
    // The peer (Black) plays (3, 3), the engine passes: the peer is to move.
    void PeerToMoveAfterTheEnginesPass()
    {
        Open(pty.name);
        Start(true);
        PeerBlackSetUp();
        Send(GmpCmdMove, GmpPosition(3, 3, 9));
        EXPECT_EQ(Receive(1), kOkOnly);
        EngineScript = {kPass};
        ctl.Com.timVornTimer();
        EXPECT_EQ(Receive(1), (TPackets{{GmpCmdMove, 0x200}}));
        EXPECT_EQ(view.status, "Match player's turn");
        Send(GmpCmdOk, 0x3FF, false);
    }
};

TEST_F(ComFormEndTest, ThePeersPassThatEndsTheGameIsShown)
{
    PeerToMoveAfterTheEnginesPass();
    // The peer's pass is the second in a row.
    Send(GmpCmdMove, 0);
    EXPECT_EQ(Receive(1), kOkOnly);
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(view.status, "Game end");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ComFormEndTest, ThePeersResignationEndsTheGameAndKeepsTheLine)
{
    PeerToMoveAfterTheEnginesPass();
    Send(GmpCmdMove, kGmpResign);
    EXPECT_EQ(Receive(1), kOkOnly);
    EXPECT_EQ(GameOver, 1);
    EXPECT_TRUE(ctl.Com.CommX1.Opened());
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
    EXPECT_EQ(view.status, "White Win");
    EXPECT_EQ(ctl.GameInfo.edtResult.Text, "White Win");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Match player resigned the game"});
}

TEST_F(ComFormTest, TheLineHangingUpStopsTheGameWithAMessage)
{
    Open(pty.name);
    Start(true);
    PeerBlackSetUp();
    Send(GmpCmdMove, GmpPosition(3, 3, 9));
    EXPECT_EQ(Receive(1), kOkOnly);
    EngineScript = {Point(5, 5)};
    ctl.Com.timVornTimer();
    EXPECT_TRUE(ctl.Com.timSaisou.Enabled) << "our move waits for its OK";
    // The other end closes the line.
    close(pty.master);
    pty.master = -1;
    PumpUntil([&] { return !prompt.messages.empty(); }, 3000);
    const std::string text = "The other side closed the serial line (COM1). The game was stopped.";
    EXPECT_EQ(prompt.messages, std::vector<std::string>{text});
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_EQ(view.status, "The game was stopped.") << "no longer the match player's turn";
    EXPECT_FALSE(ctl.Com.CommX1.Opened());
    EXPECT_FALSE(ctl.Com.timSaisou.Enabled) << "nothing is sent again";
    EXPECT_EQ(ctl.Com.Memo1.back(), text);
}

TEST_F(ComFormTest, ALineClosedInTheSetUpIsAColourConflictOnlyRightAfterOurColourAnswer)
{
    Open(pty.name);
    // The engine plays Black and starts the set-up; the peer asks its
    // queries, each answered, and then closes the line.
    auto closedAfter = [&](const std::vector<int>& queries) {
        NewPeer();
        prompt.messages.clear();
        Start(false);
        EXPECT_EQ(Receive(1), (TPackets{{GmpCmdNewGame, 0}}));
        for (int q : queries) {
            Send(GmpCmdQuery, q);
            EXPECT_EQ(Receive(1).size(), 1u) << q;
        }
        close(pty.master);
        pty.master = -1;
        PumpUntil([&] { return !prompt.messages.empty(); }, 3000);
        EXPECT_EQ(ctl.GameRunning, 0);
        return prompt.messages;
    };
    // Told that we play Black, the peer hangs up: it does not take that.
    EXPECT_EQ(closedAfter({GmpQueryColor}),
              std::vector<std::string>{"The colours do not agree: told that we play Black, the other side closed the "
                                       "serial line (COM1). The game was stopped."});

    // On a fresh line the peer goes on to the handicap after our colour, and
    // then hangs up: whatever it did not take, it was not the colours.
    PtyPair next;
    ASSERT_GE(next.master, 0);
    std::swap(pty.master, next.master);
    std::swap(pty.slave, next.slave);
    std::swap(pty.name, next.name);
    ctl.Com.CommX1.SetDeviceName(1, pty.name);
    EXPECT_EQ(closedAfter({GmpQueryColor, GmpQueryHandicap}),
              std::vector<std::string>{"The other side closed the serial line (COM1). The game was stopped."});
}

} // namespace
} // namespace vorn::test

// The TCP link window and its game side, headless: the hand-shake through
// the game dialog, the received set-up on board 0, the peer's moves in the
// game flow, and the window's menu, captions and settings.  The peer is
// scripted: its bytes go straight into the link.
#include "GameUtil.h"
#include "board/Goban.h"
#include "net/TcpUtil.h"
#include "records/Kifu.h"
#include "shell/IniFile.h"

namespace vorn::test {
namespace {

class TcpFTest : public GameTest {
protected:
    // The window on 9x9 with the link's window created on a recording
    // transport; formTcp: more settings (lines of section FormTcp).
    void OpenLink(int language = lgEnglish, const std::string& formTcp = "")
    {
        Open(language, 9);
        UserName = "Bob";
        if (!formTcp.empty())
            WriteText(IniFile(), ReadText(IniFile()) + "[FormTcp]\n" + formTcp);
        ctl.Tcp.SetTransport(&wire);
        ctl.Tcp.FormCreate(500);
    }
    // A new game against the TCP peer: the local player ("Bob" or "VORN")
    // plays Black when ownBlack.
    void ConfirmTcp(bool ownBlack, const std::string& local = "Bob")
    {
        ctl.Click("mnuNew");
        dlg.chkComm.Checked = true;
        dlg.rdoCom1.Checked = false;
        dlg.rdoTcpip.Checked = true;
        dlg.chkAiteWhite.Checked = ownBlack;
        (ownBlack ? dlg.cmbBlackPlayer : dlg.cmbWhitePlayer).Text = local;
        (ownBlack ? dlg.cmbWhitePlayer : dlg.cmbBlackPlayer).Text = "Alice";
        dlg.btnOKClick();
    }
    void Feed(const std::string& bytes)
    {
        ctl.Tcp.Protocol.Receive(bytes);
        ctl.Tcp.Protocol.Flush();
    }
    // What went to the peer since the last call.  The moves the window was
    // told to send go to the link first, as the main window sends them.
    std::vector<std::string> Sent()
    {
        for (const std::vector<int>& m : view.sent)
            if (m[0] == pkTcp)
                ctl.Tcp.SendMove(m[1], m[2]);
        view.sent.clear();
        return wire.Take();
    }

    TRecordingTransport wire;
};

TEST_F(TcpFTest, TheReceivedRecordReplacesBoardZeroAndThePeerMovesFirst)
{
    // The peer's game: 29 moves of a 9x9 game with two handicap stones, then
    // a pass.  It is worked out on board 0 before the program starts.
    HandicapRecordOnBoard0(11);
    std::vector<Point> record;
    for (int n = 1; n <= 30; ++n)
        record.push_back(GobanLv[0]->Tejun.GetTe(n));
    const std::string expected = BoardDiagram(*GobanLv[0]);

    // The local user had a game with a setup stone on the board.
    OpenLink();
    NewHumanGame(ctl);
    ctl.HaitiIsi(kSiro, 5, 5);
    ClickPoint(1, 1);
    prompt.answers.push_back(true);  // stop it
    ConfirmTcp(true);
    EXPECT_EQ(Sent(), std::vector<std::string>{"??RD"});
    EXPECT_EQ(TcpReady, 1);
    EXPECT_EQ(TcpMyColor, 1);
    EXPECT_TRUE(ctl.Tcp.Visible);
    EXPECT_EQ(ctl.GameRunning, 0);

    Feed("OKRDCOWHSZ9HA2KM0.5" + TcpKifuText(record));
    EXPECT_EQ(Sent(), (std::vector<std::string>{"??CO", "??SZ", "??HA", "??KM", "??KF", "??ST"}));
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), expected);
    EXPECT_EQ(HaitiBan[5][5], 0);
    EXPECT_EQ(GameInfoMode, 1);
    EXPECT_EQ(dlg.edtBan.Text, "9");
    EXPECT_EQ(dlg.edtTeai.Text, "2");
    EXPECT_EQ(dlg.edtKomi.Text, "0.5");
    // "OKST" and White's first move in one read.
    Feed("OKSTMV0000");
    ASSERT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(TcpReady, 0);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 31);
    EXPECT_EQ(ctl.PassCount, 1);
    EXPECT_TRUE(ctl.Turn.timThink.Enabled) << "the local human's clock runs";
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(TcpFTest, TheEngineAnswersOneTickAfterThePeersMove)
{
    OpenLink();
    ConfirmTcp(false, "VORN");
    Feed("OKRDCOBLSZ9HA0KM6.5KFNOOKST");
    ASSERT_EQ(ctl.GameRunning, 1);
    ASSERT_EQ(PlayerKind[kSiro], pkComputer);
    Sent();
    Feed("MV0303");
    EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kKuro);
    EXPECT_TRUE(ctl.Tcp.timVorn.Enabled);
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
    EngineScript = {{7, 7}};
    ctl.Tcp.timVornTimer();
    EXPECT_FALSE(ctl.Tcp.timVorn.Enabled);
    EXPECT_EQ(Sent(), std::vector<std::string>{"MV0707"});
    // The engine's pass, then the peer's: the game ends and no engine is called.
    Feed("MV0505");
    ctl.Tcp.timVornTimer();
    EXPECT_EQ(Sent(), std::vector<std::string>{"MV0000"});
    EXPECT_EQ(view.status, "Match player's turn");
    Feed("MV0000");
    EXPECT_EQ(GameOver, 1);
    EXPECT_FALSE(ctl.Tcp.timVorn.Enabled);
    // The peer's pass ended the game: the status bar says so.
    EXPECT_EQ(view.status, "Game end");
    // The peer leaving after the game changes nothing but the status.
    ctl.Tcp.Protocol.Disconnected();
    EXPECT_EQ(ctl.Tcp.StatusText, "相手が切断しました。");
    EXPECT_EQ(GameOver, 1);
}

TEST_F(TcpFTest, ABrokenPeerMoveStopsTheGameWithAMessage)
{
    struct Case {
        const char* move;
        const char* named;
    };
    OpenLink();
    for (const Case& c : {Case{"MV0303", "<3,3>"}, {"MV1005", "<10,5>"}}) {
        ConfirmTcp(true);
        Feed("OKRDCOWHSZ9HA0KM6.5KFNOOKST");
        ClickPoint(3, 3);
        ASSERT_EQ(Sent().back(), "MV0303");
        prompt.messages.clear();
        Feed(c.move);
        ASSERT_EQ(prompt.messages.size(), 1u) << c.move;
        EXPECT_NE(prompt.messages[0].find(c.named), std::string::npos) << prompt.messages[0];
        EXPECT_EQ(ctl.GameRunning, 0) << c.move;
        EXPECT_TRUE(dlg.Visible);
        EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    }
    // A letter where a digit goes: that is no move, only a move's head cut
    // short; dropped, it leaves the game running.
    ConfirmTcp(true);
    Feed("OKRDCOWHSZ9HA0KM6.5KFNOOKST");
    ClickPoint(3, 3);
    Sent();
    prompt.messages.clear();
    Feed("MV0a03");
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(ctl.Tcp.Memo1.back(), "The opponent's message stopped short and was dropped: \"MV0\"");
    ctl.GameStop();
    // A socket error stops a game against the peer, but no other game.
    dlg.chkComm.Checked = false;
    NewHumanGame(ctl);
    ctl.Tcp.Protocol.Error(1, "Connection refused");
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(ctl.Tcp.Memo1.back(), "通信エラーが発生しました。1 (Connection refused)");
}

TEST_F(TcpFTest, TheAnsweringSideSendsTheGameItWillPlay)
{
    OpenLink();
    // A new game sends no moves, whatever board 0 shows.
    NewHumanGame(ctl);
    ClickPoint(4, 4);
    prompt.answers.push_back(true);
    ConfirmTcp(true);
    Sent();
    Feed("??KF");
    EXPECT_TRUE(Sent().empty()) << "no set-up asked for yet";
    Feed("??RD??CO??SZ??HA??KM??KF");
    EXPECT_EQ(Sent(), (std::vector<std::string>{"OKRD", "COBL", "SZ9", "HA0", "KM6.5", "KFNO"}));
    // Cancelled: the peer is told "NGRD" and may not go on.
    dlg.btnCancelClick();
    EXPECT_EQ(TcpReady, 0);
    Feed("??RD??ST");
    EXPECT_EQ(Sent(), std::vector<std::string>{"NGRD"});
    EXPECT_EQ(ctl.GameRunning, 0);

    // A loaded record goes on from the move shown.
    const std::string path = exeDir + "game.sgf";
    WriteText(path, "(;SZ[9]KM[6.5];B[cc];W[gg];B[];W[cg])");
    prompt.files.push_back(path);
    ctl.Click("mnuOpen");
    ctl.Click("mnuPrev");
    dlg.cmbBlackPlayer.Text = "Alice";
    dlg.cmbWhitePlayer.Text = "Bob";
    dlg.chkComm.Checked = dlg.rdoTcpip.Checked = true;
    dlg.rdoCom1.Checked = false;
    dlg.btnOKClick();
    Sent();
    Feed("??RD??KF??ST");
    EXPECT_EQ(Sent(), (std::vector<std::string>{"OKRD", "KFccggtt", "OKST"}));
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(GobanLv[0]->Tejun.Current(), 3);
}

TEST_F(TcpFTest, WaitTurnedOffEndsTheGamesConnectionAndSaysSo)
{
    OpenLink(lgJapanese);
    wire.accepted = true;  // the peer connected to the listening socket
    ConfirmTcp(true);
    Feed("OKRDCOWHSZ9HA0KM6.5KFNOOKST");
    ASSERT_EQ(ctl.GameRunning, 1);
    ctl.Tcp.mnuListenClick();
    EXPECT_FALSE(ctl.Tcp.mnuListen.Checked);
    EXPECT_FALSE(wire.open);
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_EQ(ctl.Tcp.StatusText, "切断しました。");
}

TEST_F(TcpFTest, TheWindowsMenuCaptionsAndSettings)
{
    OpenLink(lgJapanese, "Left=12\nTop=34\nHeight=300\nFontSize=11\nFontName=IPAGothic\n");
    EXPECT_EQ(ctl.Tcp.Width, 500) << "the main window's width";
    EXPECT_EQ(ctl.Tcp.Left, 12);
    EXPECT_EQ(ctl.Tcp.MemoHeight, 205);
    EXPECT_EQ(ctl.Tcp.EditTop, 207);
    EXPECT_EQ(ctl.Tcp.Font.Size, 11);
    EXPECT_EQ(ctl.Tcp.Font.Color, kClWindowText);
    EXPECT_EQ(wire.listenPort, 0);
    EXPECT_TRUE(ctl.Tcp.mnuListen.Checked);
    EXPECT_EQ(ctl.Tcp.StatusText, "受信待ち...");
    EXPECT_EQ(ctl.Tcp.Caption, "チャット");
    EXPECT_EQ(ctl.Tcp.mnuDisConnect.Caption, "解除(&D)");
    Language = lgEnglish;
    ctl.Tcp.FormActivate();
    EXPECT_EQ(ctl.Tcp.Caption, "Chat");
    EXPECT_EQ(ctl.Tcp.mnuComm.Caption, "Com&munication");
    EXPECT_EQ(ctl.Tcp.mnuExit.Caption, "E&xit");

    // Disconnect toggles waiting as Wait does.
    ctl.Tcp.mnuDisConnectClick();
    EXPECT_FALSE(wire.listening);
    EXPECT_EQ(ctl.Tcp.StatusText, "");
    // A port held by another copy: reported, and connecting out still works.
    wire.portTaken = true;
    ctl.Tcp.mnuListenClick();
    EXPECT_FALSE(ctl.Tcp.mnuListen.Checked);
    EXPECT_EQ(ctl.Tcp.Memo1.back(), "Cannot wait for a connection on port 0: The address is already in use");
    prompt.inputs = {"go.example.org"};
    ctl.Tcp.mnuConnectClick();
    EXPECT_EQ(prompt.inputQueries, std::vector<std::string>{"コンピュータの接続先|アドレス名:|"});
    EXPECT_EQ(wire.connectedTo, "go.example.org:0");
    ctl.Tcp.mnuConnectClick();  // cancelled: starts from the last host
    EXPECT_EQ(prompt.inputQueries.back(), "コンピュータの接続先|アドレス名:|go.example.org");

    // Chat on Enter; other keys do nothing.
    ctl.Tcp.Edit1 = "hello";
    ctl.Tcp.Edit1KeyDown(65);
    EXPECT_TRUE(Sent().empty());
    ctl.Tcp.Edit1KeyDown(13);
    EXPECT_EQ(Sent(), std::vector<std::string>{"CMhello"});
    EXPECT_EQ(ctl.Tcp.Memo1.back(), "(Bob)hello");
    EXPECT_EQ(ctl.Tcp.Edit1, "");

    ctl.Tcp.Show();
    ctl.Tcp.mnuExitClick();
    EXPECT_FALSE(ctl.Tcp.Visible);
    ctl.Tcp.Font.Name = "Noto Sans";
    ctl.Tcp.FormDestroy();
    const TIniFile ini(IniFile());
    EXPECT_EQ(ini.ReadString("FormTcp", "FontName", ""), "Noto Sans");
    EXPECT_EQ(ini.ReadInteger("FormTcp", "Top", 0), 34);
    EXPECT_EQ(ini.ReadInteger("FormTcp", "FontColor", 0), kClWindowText);
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST_F(TcpFTest, ARefusalIsShownOnlyAfterTheSocketsHandlerReturned)
{
    OpenLink();
    std::vector<std::function<void()>> posted;
    ctl.Tcp.Messages.Post = [&](std::function<void()> fn) { posted.push_back(std::move(fn)); };
    ConfirmTcp(true);
    Feed("OKRDCOWHSZ9HA0KM6.5KFNOOKST");
    ClickPoint(3, 3);
    ASSERT_EQ(Sent().back(), "MV0303");
    // The peer's move on the occupied point: the game stops at once, the
    // message box waits for the event loop.
    Feed("MV0303");
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_EQ(posted.size(), 1u);
    posted[0]();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find("<3,3>"), std::string::npos) << prompt.messages[0];
    // A second refusal is posted anew.
    ConfirmTcp(true);
    Feed("OKRDCOWHSZ9HA0KM6.5KFNOOKST");
    ClickPoint(3, 3);
    Sent();
    Feed("MV1005");
    ASSERT_EQ(posted.size(), 2u);
    posted[1]();
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_NE(prompt.messages[1].find("<10,5>"), std::string::npos) << prompt.messages[1];
    ctl.Tcp.Messages.Post = nullptr;
}

} // namespace
} // namespace vorn::test

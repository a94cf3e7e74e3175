// The Go-server window and its game side, headless: the match request from
// the game dialog, the match notice starting the game, the server's moves
// on board 0 and ours going out on each board size, refused moves, passes,
// counting and resignation, and the window's settings and host dialog.  The
// server is scripted: its bytes go straight into the link.
#include "GameUtil.h"
#include "board/Goban.h"
#include "net/NngsUtil.h"
#include "shell/IniFile.h"

namespace vorn::test {
namespace {

class NngsFTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
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
    // The window on a board of the size with the scripted engine, connected
    // to a recording link; ini: more settings.
    void OpenLink(int size = 9, bool connected = true, const std::string& ini = "")
    {
        WriteIni("[Goban]\nSize=" + std::to_string(size) + "\n[Form]\nLanguage=1\n" + ini);
        ctl.FormCreate(exeDir, {});
        ctl.Turn.Think = ScriptedThink;
        ctl.Nngs.SetTransport(&wire);
        ctl.Nngs.FormCreate(500);
        if (connected)
            ctl.Nngs.Protocol.Opened("nngs.test");
    }
    // A new game against bob on the server; the local player ("VORN" for
    // the engine) plays Black when localBlack.
    void Confirm(bool localBlack, const std::string& local = "VORN", const std::string& teai = "")
    {
        ctl.Click("mnuNew");
        dlg.chkComm.Checked = dlg.rdoNNGS.Checked = true;
        dlg.rdoCom1.Checked = false;
        dlg.chkAiteWhite.Checked = localBlack;
        (localBlack ? dlg.cmbBlackPlayer : dlg.cmbWhitePlayer).Text = local;
        (localBlack ? dlg.cmbWhitePlayer : dlg.cmbBlackPlayer).Text = "bob";
        if (!teai.empty()) {
            dlg.cmbTeai.Text = teai;
            dlg.cmbTeaiChange();
        }
        dlg.btnOKClick();
    }
    void Feed(const std::string& bytes) { ctl.Nngs.Protocol.Receive(bytes); }
    // The match notice of game 4 with bob.
    void Notice(const std::string& more = "") { Feed("9 Creating match [4] with bob.\r\n" + more); }
    // What went to the server since the last call.
    std::string Sent() { return wire.Take(); }
    // The engine's reply to the server's move, as its timer gives it.
    void EngineReplies(Point p)
    {
        ASSERT_TRUE(ctl.Nngs.timVorn.Enabled);
        EngineScript.push_back(p);
        ctl.Nngs.timVornTimer();
    }
    int At(int x, int y) const { return GobanLv[0]->GetIro(x, y); }
    // A 9x9 game of the engine as Black against bob: E5, C3, and the engine
    // is to move.
    void EngineToPlayItsSecondMove()
    {
        OpenLink(9);
        Confirm(true);
        EngineScript.push_back({5, 5});
        Notice();
        Feed(NngsMoveLines(4, 0, 'B', "E5") + NngsMoveLines(4, 1, 'W', "C3"));
    }

    TLinkView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TMainCtl ctl{view, canvas, prompt};
    TGameInfo& dlg = ctl.GameInfo;
    TRecordingNngsTransport wire;
};

TEST_F(NngsFTest, TheMatchRequestFollowsTheDialogOnlyWhileConnected)
{
    OpenLink(9, false);
    Confirm(true);
    EXPECT_EQ(Sent(), "");
    EXPECT_TRUE(ctl.Nngs.Visible);
    EXPECT_EQ(ctl.Nngs.Memo1.back(), "Not connected: connect to the server, then start the game again.");
    EXPECT_EQ(ctl.GameRunning, 0);
    // The dialog waits for a new confirmation.
    EXPECT_TRUE(dlg.btnOK.Visible);
    EXPECT_TRUE(dlg.cmbBlackPlayer.Visible);

    ctl.Nngs.Protocol.Opened("nngs.test");
    EXPECT_EQ(NngsConnected, 1);
    EXPECT_EQ(ctl.Nngs.StatusText, "Connected: nngs.test");
    struct Case {
        bool localBlack;
        const char* lines;
    };
    for (const Case& c : {Case{true, "set Client TRUE\rmatch bob B 9 40 0\r"}, Case{false, "set Client TRUE\rmatch bob W 9 40 0\r"}}) {
        Confirm(c.localBlack, "alice");
        EXPECT_EQ(Sent(), c.lines);
        EXPECT_EQ(PlayerKind[c.localBlack ? kSiro : kKuro], pkNngs);
        EXPECT_EQ(ctl.GameRunning, 0);
        EXPECT_EQ(ctl.Nngs.Memo1.back(), std::string(c.lines).substr(16, 18));
    }
    // The connection goes: the request is not sent again.
    ctl.Nngs.Protocol.Closed();
    EXPECT_EQ(NngsConnected, 0);
    Confirm(true);
    EXPECT_EQ(Sent(), "");
}

TEST_F(NngsFTest, AHandicapChosenIsNotPlayedOnTheServer)
{
    OpenLink(9);
    Confirm(false, "VORN", "3");
    EXPECT_EQ(Handicap, 0);
    EXPECT_EQ(dlg.edtTeai.Text, "0");
    EXPECT_EQ(view.status, "A game on the server is played even: no handicap stones.");
    EXPECT_EQ(Sent(), "set Client TRUE\rmatch bob W 9 40 0\r");
    Notice(NngsMoveLines(4, 0, 'B', "E5"));
    ASSERT_EQ(ctl.GameRunning, 1);
    // No handicap stones: Black's first move is the server's E5.
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    EXPECT_EQ(At(5, 5), kKuro);
    EXPECT_EQ(BoardDiagram(*GobanLv[0]).find('X'), BoardDiagram(*GobanLv[0]).rfind('X'));
}

TEST_F(NngsFTest, MovesGoBothWaysOnEveryBoardSize)
{
    struct Move {
        const char* server;  // the server's move for Black
        Point black;
        Point white;         // the engine's answer
        const char* sent;
    };
    struct Case {
        int size;
        std::vector<Move> moves;
    };
    const Case cases[] = {
        {9, {{"C7", {3, 3}, {9, 9}, "j01"}, {"A1", {1, 9}, {1, 1}, "a09"}, {"J9", {9, 1}, {8, 9}, "h01"},
             {"E5", {5, 5}, {4, 6}, "d04"}}},
        {13, {{"N13", {13, 1}, {13, 13}, "n01"}, {"A13", {1, 1}, {1, 13}, "a01"}, {"H8", {8, 6}, {9, 6}, "j08"},
              {"D4", {4, 10}, {10, 4}, "k10"}}},
        {19, {{"Q16", {16, 4}, {4, 16}, "d04"}, {"T19", {19, 1}, {19, 19}, "t01"}, {"J10", {9, 10}, {9, 19}, "j01"},
              {"A1", {1, 19}, {10, 10}, "k10"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        OpenLink(c.size);
        Confirm(false);
        Sent();
        // The match notice and the server's first move in one read.
        Notice("1 5\r\n" + NngsMoveLines(4, 0, 'B', c.moves[0].server));
        ASSERT_EQ(ctl.GameRunning, 1);
        EXPECT_FALSE(dlg.btnOK.Visible);
        EXPECT_FALSE(dlg.cmbWhitePlayer.Visible || dlg.cmbBlackPlayer.Visible || dlg.cmbTeai.Visible || dlg.cmbBan.Visible);
        EXPECT_TRUE(dlg.edtWhitePlayer.Visible && dlg.edtBlackPlayer.Visible && dlg.edtTeai.Visible && dlg.edtBan.Visible);
        int n = 0;
        for (const Move& m : c.moves) {
            if (n > 0)
                Feed(NngsMoveLines(4, n, 'B', m.server));
            EXPECT_EQ(At(m.black.x, m.black.y), kKuro) << m.server;
            EngineReplies(m.white);
            EXPECT_EQ(Sent(), std::string(m.sent) + "\r");
            EXPECT_EQ(At(m.white.x, m.white.y), kSiro) << m.sent;
            // The server writes our move back: it is not played twice.
            Feed(NngsMoveLines(4, n + 1, 'W', m.sent));
            n += 2;
            EXPECT_EQ(GobanLv[0]->Tejun.Last(), n);
            EXPECT_FALSE(ctl.Nngs.timVorn.Enabled);
        }
        EXPECT_TRUE(prompt.messages.empty());
        ctl.GameStop();
        ctl.FormClose();
    }
}

TEST_F(NngsFTest, AMoveTheBoardCannotTakeStopsTheGameWithAMessage)
{
    struct Case {
        const char* second;  // the server's second move for Black
        const char* message;
    };
    const Case cases[] = {
        {"C7", "Match player's move cannot be played：<3,3> (C7) The game was stopped."},
        {"K5", "The opponent's move cannot be played on this board: K5 The game was stopped."},
        {"Handicap 3", "The opponent's move cannot be played on this board: Handicap The game was stopped."},
    };
    for (const Case& c : cases) {
        OpenLink(9);
        Confirm(false);
        Notice(NngsMoveLines(4, 0, 'B', "C7"));
        EngineReplies({5, 5});
        Sent();
        Feed(NngsMoveLines(4, 2, 'B', c.second));
        EXPECT_EQ(ctl.GameRunning, 0) << c.second;
        EXPECT_EQ(prompt.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(dlg.Visible);
        EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
        prompt.messages.clear();
        ctl.FormClose();
    }
}

TEST_F(NngsFTest, TheEnginesClosingPassSendsDoneAndTheServersCountIsTheResult)
{
    OpenLink(9);
    Confirm(true);
    // The engine plays Black's first move as the game starts.
    EngineScript.push_back({5, 5});
    Notice();
    EXPECT_EQ(Sent(), "set Client TRUE\rmatch bob B 9 40 0\re05\r");
    Feed(NngsMoveLines(4, 0, 'B', "E5") + NngsMoveLines(4, 1, 'W', "Pass"));
    EXPECT_EQ(ctl.PassCount, 1);
    // The engine passes too: the game ends here and on the server.
    EngineReplies(kPass);
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(Sent(), "pass\rdone\r");
    EXPECT_EQ(view.status, "Game end");
    EXPECT_NE(dlg.edtResult.Text, "");
    Feed("9 You can check your score with the score command, type 'done' when finished.\r\n1 7\r\n"
         "20 bob (W:O): 6.5 to VORN (B:#): 81.0\r\n9 bob has resigned the game.\r\n"
         "9 {Game 4: bob vs VORN : White resigns. W 6.5 B 81.0}\r\n1 5\r\n");
    EXPECT_EQ(Sent(), "");
    // The server's count, 81 to 6.5, is the result: Black by 74.5.
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_EQ(dlg.edtResult.Text, "B+74.5(B=81W=6.5)");
    EXPECT_EQ(view.status, "B+74.5(B=81W=6.5)");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(NngsFTest, TheServersCountAndResignationEndOurGame)
{
    struct Case {
        const char* end;
        const char* sent;    // what the engine then tells the server
        const char* result;  // "": the game runs on in counting
    };
    const Case cases[] = {
        // The server's pass after ours never comes as a move line.
        {"9 You can check your score with the score command, type 'done' when finished.\r\n1 7\r\n", "done\r", ""},
        // We play White: bob's resignation is White's win.
        {"9 bob has resigned the game.\r\n9 {Game 4: VORN vs bob : Black resigns.}\r\n", "", "White Win"},
    };
    for (const Case& c : cases) {
        OpenLink(9);
        Confirm(false);
        Notice(NngsMoveLines(4, 0, 'B', "E5"));
        EngineReplies(kPass);
        EXPECT_EQ(Sent(), "set Client TRUE\rmatch bob W 9 40 0\rpass\r");
        // A tell or a shout of the same words ends nothing.
        Feed("24 *carol*: bob has resigned the game.\r\n"
             "21 !dave!: You can check your score with the score command, type 'done' when finished.\r\n");
        EXPECT_EQ(GameOver, 0);
        Feed(c.end);
        if (c.result[0] == '\0') {
            EXPECT_EQ(GameOver, 1) << c.end;
            EXPECT_EQ(ctl.GameRunning, 1);
            EXPECT_NE(dlg.edtResult.Text, "");
        } else {
            EXPECT_EQ(ctl.GameRunning, 0) << c.end;
            EXPECT_EQ(dlg.edtResult.Text, c.result);
            EXPECT_EQ(view.status, c.result);
        }
        EXPECT_EQ(Sent(), c.sent);
        EXPECT_FALSE(ctl.Nngs.timVorn.Enabled);
        ctl.GameStop();
        ctl.FormClose();
    }
}

TEST_F(NngsFTest, TheEntryLineGoesOutOnEnterAndFailuresShowInTheMemo)
{
    OpenLink(9);
    ctl.Nngs.Edit1 = "who";
    ctl.Nngs.Edit1KeyDown(65);
    EXPECT_TRUE(wire.writes.empty());
    // The text and its carriage return, as two writes.
    ctl.Nngs.Edit1KeyDown(13);
    EXPECT_EQ(wire.writes, (std::vector<std::string>{"who", "\r"}));
    EXPECT_EQ(ctl.Nngs.Edit1, "");
    EXPECT_EQ(ctl.Nngs.Memo1.back(), "who");
    ctl.Nngs.Protocol.Failed(1, "Connection refused");
    EXPECT_EQ(NngsConnected, 0);
    wire.open = false;
    ctl.Nngs.Edit1 = "who";
    ctl.Nngs.Edit1KeyDown(13);
    const std::vector<std::string> tail(ctl.Nngs.Memo1.end() - 2, ctl.Nngs.Memo1.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Communication error 1 (Connection refused)", "Not connected: nothing was sent."}));
}

TEST_F(NngsFTest, TheWindowsAndTheHostDialogsSettings)
{
    OpenLink(9, false, "[FormNngs]\nLeft=12\nTop=34\nHeight=300\n[FormNngsConnect]\nLeft=56\nTop=78\n");
    TNngsForm& f = ctl.Nngs;
    EXPECT_EQ(f.Caption, "NNGS通信");
    EXPECT_EQ(std::vector<int>({f.Left, f.Top, f.Width, f.Height}), std::vector<int>({12, 34, 500, 300}));
    EXPECT_EQ(std::vector<int>({f.MemoWidth, f.MemoHeight, f.EditTop}), std::vector<int>({490, 205, 207}));
    TNngsConnectForm& d = f.NngsConnectForm;
    EXPECT_EQ(std::vector<int>({d.Left, d.Top}), std::vector<int>({56, 78}));
    EXPECT_EQ(std::vector<std::string>({d.Caption, d.lblHost, d.OKBtn, d.CancelBtn}),
              std::vector<std::string>({"接続", "ホスト", "接続", "閉じる"}));

    // The connect item uses the host last chosen, first the default.
    f.mnuConnectClick();
    EXPECT_EQ(wire.connectedTo, "localhost:9696");
    f.mnuHostClick();
    EXPECT_TRUE(d.Visible);
    EXPECT_EQ(d.edtHost, "localhost");
    d.SetHost("go.example.net");
    d.CancelBtnClick();
    EXPECT_FALSE(d.Visible);
    EXPECT_EQ(wire.connectedTo, "localhost:9696");
    f.mnuHostClick();
    d.SetHost(std::string(40, 'h'));
    EXPECT_EQ(d.edtHost, std::string(30, 'h'));
    d.SetHost("go.example.net");
    d.OKBtnClick();
    EXPECT_FALSE(d.Visible);
    EXPECT_EQ(wire.connectedTo, "go.example.net:9696");
    EXPECT_EQ(f.Host, "go.example.net");

    f.FormResize(640, 480);
    f.Left = 7;
    d.Left = 9;
    f.FormDestroy();
    const TIniFile ini(IniFile());
    EXPECT_EQ(ini.ReadInteger("FormNngs", "Left", 0), 7);
    EXPECT_EQ(ini.ReadInteger("FormNngs", "Width", 0), 640);
    EXPECT_EQ(ini.ReadInteger("FormNngs", "Height", 0), 480);
    EXPECT_EQ(ini.ReadInteger("FormNngsConnect", "Left", 0), 9);
    EXPECT_EQ(ini.ReadInteger("FormNngsConnect", "Top", 0), 78);
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST_F(NngsFTest, TheServersClosingLinesEndOurGameWithTheServersResult)
{
    struct Case {
        const char* lines;
        const char* result;  // "" keeps the dialog's result as it was
        const char* status;
    };
    // We play Black ("me" in the server's header) against bob.
    const Case cases[] = {
        {"9 bob has resigned the game.\r\n21 {Game 4: bob vs me : White resigns.}\r\n", "Black Win", "Black Win"},
        {"21 {Game 4: bob vs me : White resigns.}\r\n", "Black Win", "Black Win"},
        {"20 bob (W:O): 22.5 to me (B:#): 1.0\r\n21 {Game 4: bob vs me : Black resigns. W 22.5 B 1.0}\r\n",
         "W+21.5(B=1W=22.5)", "W+21.5(B=1W=22.5)"},
        {"9 Game has been adjourned.\r\n21 {Game 4: bob vs me : has adjourned.}\r\n", "",
         "The game was adjourned on the server."},
        // Our own resignation, typed in the server window.
        {"9 me has resigned the game.\r\n21 {Game 4: bob vs me : Black resigns.}\r\n", "White Win", "White Win"},
        {"21 {Game 4: bob vs me : Black forfeits on time.}\r\n", "White Win on time", "White Win on time"},
    };
    for (const Case& c : cases) {
        OpenLink(9);
        Confirm(true);
        EngineScript.push_back({5, 5});
        Notice();
        EXPECT_EQ(Sent(), "set Client TRUE\rmatch bob B 9 40 0\re05\r");
        Feed(NngsMoveLines(4, 0, 'B', "E5") + NngsMoveLines(4, 1, 'W', "C3"));
        ASSERT_TRUE(ctl.Nngs.timVorn.Enabled);
        // Another game's lines end nothing.
        Feed("21 {Game 9: carol vs dave : White resigns.}\r\n9 carol has resigned the game.\r\n");
        EXPECT_EQ(ctl.GameRunning, 1);
        Feed(c.lines);
        EXPECT_EQ(ctl.GameRunning, 0) << c.lines;
        EXPECT_EQ(dlg.edtResult.Text, c.result) << c.lines;
        EXPECT_EQ(view.status, c.status) << c.lines;
        EXPECT_FALSE(ctl.Nngs.timVorn.Enabled);
        EXPECT_FALSE(ctl.Turn.timThink.Enabled);
        EXPECT_TRUE(dlg.Visible);
        // The engine sends no more moves.
        ctl.Nngs.timVornTimer();
        EXPECT_EQ(Sent(), "");
        EXPECT_TRUE(prompt.messages.empty());
        ctl.FormClose();
    }
}

TEST_F(NngsFTest, TheServerRefusingOurMoveStopsTheGameWithAMessage)
{
    OpenLink(9);
    Confirm(true);
    EngineScript.push_back({5, 5});
    Notice();
    Sent();
    Feed(NngsMoveLines(4, 0, 'B', "E5") + NngsMoveLines(4, 1, 'W', "C3"));
    // (3, 3) on 9x9 goes out as "c07".
    EngineReplies({3, 3});
    EXPECT_EQ(Sent(), "c07\r");
    Feed("5 c07: Illegal move.\r\n1 5\r\n");
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"The server refused our move: c07: Illegal move. The game was stopped."});
    // The refused move is no part of the game.
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
    EXPECT_EQ(At(3, 3), kAki);
}

TEST_F(NngsFTest, AMoveTypedHereInTheEnginesTurnIsPlayedAsOurs)
{
    EngineToPlayItsSecondMove();
    ASSERT_TRUE(ctl.Nngs.timVorn.Enabled);
    // The user types "d4" before the engine's timer: the server takes it as
    // Black's third move and sends its move line.
    Feed(NngsMoveLines(4, 2, 'B', "D4"));
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 3);
    EXPECT_EQ(At(4, 6), kKuro);
    EXPECT_FALSE(ctl.Nngs.timVorn.Enabled) << "the engine's turn is over";
    EXPECT_EQ(Sent().find("d04"), std::string::npos);
    // bob answers as usual.
    Feed(NngsMoveLines(4, 3, 'W', "G7"));
    EXPECT_EQ(At(7, 3), kSiro);
    EXPECT_TRUE(ctl.Nngs.timVorn.Enabled);
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST_F(NngsFTest, TheServerConnectionClosingStopsOurGameWithAMessage)
{
    EngineToPlayItsSecondMove();
    ASSERT_EQ(ctl.GameRunning, 1);
    ctl.Nngs.Protocol.Closed();
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_FALSE(ctl.Nngs.timVorn.Enabled);
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"The connection to the Go server closed. The game was stopped."});
    // Closing with no game running only shows in the status bar.
    prompt.messages.clear();
    ctl.Nngs.Protocol.Opened("nngs.test");
    ctl.Nngs.Protocol.Closed();
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(ctl.Nngs.StatusText, "Disconnected");
}

} // namespace
} // namespace vorn::test

#include "shell/NngsF.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/KifuIg1.h"
#include "shell/IniFile.h"
#include "shell/MainCtl.h"
#include "shell/Score.h"
#include "shell/SideWindow.h"

namespace vorn {

unsigned char NngsConnected = 0;

namespace {

// The memo keeps this many lines; older ones go in blocks.
constexpr std::size_t kMemoMax = 5000;
constexpr std::size_t kMemoDrop = 1000;

} // namespace

TNngsForm::TNngsForm(TMainCtl& main) : main_(main) {}

void TNngsForm::Changed()
{
    if (view_ != nullptr)
        view_->Changed();
}

void TNngsForm::TimerSet(bool on)
{
    timVorn.Enabled = on;
    if (view_ != nullptr)
        view_->TimerChanged();
}

const std::string& TNngsForm::IniPath() const { return main_.IniPath; }

// ---------------------------------------------------------------------------
// Life of the window

void TNngsForm::FormCreate(int mainWidth)
{
    {
        const TIniFile ini(main_.IniPath);
        const TSideGeometry g = SideGeometryRead(ini, "FormNngs", {340, 0, mainWidth, 200});
        Left = g.Left, Top = g.Top, Width = g.Width, Height = g.Height;
    }
    FormResize(Width, Height);
    NngsConnectForm.FormCreate();
}

void TNngsForm::FormDestroy()
{
    {
        TIniFile ini(main_.IniPath);
        SideGeometryWrite(ini, "FormNngs", {Left, Top, Width, Height});
    }
    NngsConnectForm.FormDestroy();
}

void TNngsForm::FormResize(int width, int height)
{
    Width = width;
    Height = height;
    MemoWidth = width - 10;
    MemoHeight = height - 95;
    EditTop = height - 93;
    Changed();
}

void TNngsForm::Show()
{
    Visible = true;
    Changed();
}

// ---------------------------------------------------------------------------
// Handlers

void TNngsForm::Edit1KeyDown(int key)
{
    if (key != 13)
        return;
    // The text and its carriage return go as two writes.
    Protocol.SendLine(Edit1, true);
    Edit1.clear();
    Changed();
}

void TNngsForm::mnuConnectClick() { ConnectTo(Host); }

void TNngsForm::mnuHostClick() { NngsConnectForm.Show(); }

void TNngsForm::timVornTimer()
{
    TimerSet(false);
    TMainCtl& m = main_;
    const TTejun& t = GobanLv[0]->Tejun;
    if (m.GameRunning != 1 || GameOver != 0 || m.Thinking != 0 || GameInfoLock == 1 || t.Current() != t.Last())
        return;
    if (PlayerKind[t.NextColor()] == pkComputer)
        m.ComUtu();
}

// ---------------------------------------------------------------------------
// Calls from the game

void TNngsForm::SendLine(const std::string& text) { Protocol.SendLine(text); }

void TNngsForm::SendMove(int x, int y) { Protocol.SendMove(x, y, vorn::BoardSize); }

void TNngsForm::ConnectTo(const std::string& host)
{
    Host = host;
    if (TNngsTransport* t = Protocol.Transport()) {
        StatusText = Msg("Connecting to ", "接続中: ") + host;
        Changed();
        t->Connect(host, Port);
    }
}

void TNngsForm::GameConfirmed()
{
    TGameInfo& d = main_.GameInfo;
    Show();
    // The match request carries no handicap: the server's game is even, and
    // so is ours.
    if (Handicap >= 2) {
        Handicap = 0;
        d.cmbTeai.Text = d.edtTeai.Text = Language == lgJapanese ? TeaiName(0) : "0";
        d.Changed();
        main_.view_.SetStatusText(Msg("A game on the server is played even: no handicap stones.",
                                      "サーバーでの対局は互い先です。置き石は置きません。"));
    }
    if (NngsConnected != 1) {
        MemoAdd(Msg("Not connected: connect to the server, then start the game again.",
                    "接続されていません。サーバーに接続してから、もう一度開始してください。"));
        return;
    }
    const bool localBlack = PlayerKind[kKuro] != pkNngs;
    const std::string& opponent = localBlack ? d.cmbWhitePlayer.Text : d.cmbBlackPlayer.Text;
    Protocol.RequestMatch(opponent, localBlack, vorn::BoardSize);
}

void TNngsForm::SendDone() { Protocol.SendDone(); }

// ---------------------------------------------------------------------------
// The memo

void TNngsForm::MemoAdd(const std::string& line)
{
    tailOpen_ = false;
    Memo1.push_back(line);
    if (Memo1.size() > kMemoMax)
        Memo1.erase(Memo1.begin(), Memo1.begin() + kMemoDrop);
    Changed();
}

void TNngsForm::MemoLine(const std::string& line)
{
    if (tailOpen_) {
        tailOpen_ = false;
        Memo1.back() = line;
        Changed();
        return;
    }
    MemoAdd(line);
}

void TNngsForm::MemoTail(const std::string& tail)
{
    if (tailOpen_) {
        Memo1.back() = tail;
        Changed();
        return;
    }
    MemoAdd(tail);
    tailOpen_ = true;
}

void TNngsForm::Sent(const std::string& text, bool sent)
{
    MemoAdd(sent ? text : std::string(Msg("Not connected: nothing was sent.", "接続されていません。送信できませんでした。")));
}

void TNngsForm::ConnectionChanged(bool open, const std::string& peer, const std::string& why)
{
    NngsConnected = open ? 1 : 0;
    if (!why.empty())
        MemoAdd(why);
    StatusText = open ? Msg("Connected: ", "接続先: ") + peer : Msg("Disconnected", "切断されました");
    Changed();
    // Our game on the server cannot go on without the connection.
    if (!open && Playing() && main_.GameRunning == 1) {
        TimerSet(false);
        Refuse(Msg("The connection to the Go server closed.", "囲碁サーバーとの接続が切れました。"));
        Messages.Flush(main_.prompt_);
    }
}

// ---------------------------------------------------------------------------
// The game

bool TNngsForm::Playing() const
{
    const TMainCtl& m = main_;
    return m.GameRunning == 1 && GameOver == 0 && m.GameInfo.NngsInGame == 1;
}

bool TNngsForm::MatchCreated(int game, const std::string& opponent)
{
    TMainCtl& m = main_;
    TGameInfo& d = m.GameInfo;
    // Only a game dialog confirmed for server play waits for the match.
    if (m.GameRunning == 1 || GameInfoLock != 1 || d.NngsInGame != 1 || !d.Visible)
        return false;
    StatusText = Msg("Game ", "対局 ") + std::to_string(game) + ": " + opponent;
    // The server's game starts from an empty board, whatever board 0 shows.
    if (GameInfoMode != 0) {
        GameInfoMode = 0;
        if (KifuRecOn == 1)
            KifuRecBegin();
    }
    for (TDlgControl* c : {&d.btnOK, &d.cmbWhitePlayer, &d.cmbBlackPlayer, &d.cmbTeai, &d.cmbBan})
        c->Visible = false;
    for (TDlgControl* c : {&d.edtWhitePlayer, &d.edtBlackPlayer, &d.edtTeai, &d.edtBan})
        c->Visible = true;
    d.StartGame();
    Changed();
    return true;
}

int TNngsForm::MoveNumber() const { return GobanLv[0]->Tejun.Last(); }

int TNngsForm::ToMove() const
{
    const TTejun& t = GobanLv[0]->Tejun;
    return t.TeColor(t.Last() + 1);
}

int TNngsForm::BoardSize() const { return vorn::BoardSize; }

void TNngsForm::Refuse(const std::string& why)
{
    MemoAdd(why);
    main_.LinkGameStop();
    Messages.Add(why + Msg(" The game was stopped.", " 対局を中止しました。"));
}

void TNngsForm::OpponentMove(Point p, const std::string& move)
{
    TMainCtl& m = main_;
    if (!Playing())
        return;
    // The line of the side to move when that is ours: a move the user typed
    // in this window, which the server took as ours.  The engine's turn is
    // over.
    const int kind = PlayerKind[ToMove()];
    if (kind != pkNngs) {
        TimerSet(false);
        MemoAdd(Msg("Our move, typed here: ", "こちらの手（ここで入力）: ") + move);
    }
    const std::string refusal = m.Turn.PeerMoveError(kind, p.x, p.y);
    if (!refusal.empty()) {
        Refuse(refusal + " (" + move + ")");
        return;
    }
    m.Turn.TimerSet(m.Turn.timThink, false);
    m.Turn.PeerUtu(p.x, p.y);
    m.PeerMoveShown();
    if (!Playing())
        return;
    switch (PlayerKind[ToMove()]) {
    case pkComputer: TimerSet(true); break;
    case pkHuman: m.Turn.TimerSet(m.Turn.timThink, true); break;
    default: break;
    }
}

void TNngsForm::OpponentMoveUnreadable(const std::string& move)
{
    if (Playing())
        Refuse(Msg("The opponent's move cannot be played on this board: ", "相手の手はこの盤では打てません: ") + move);
}

void TNngsForm::CountingBegan()
{
    TMainCtl& m = main_;
    if (m.GameRunning != 1 || m.GameInfo.NngsInGame != 1)
        return;
    TimerSet(false);
    if (GameOver == 0)
        m.Score.GameEnd();
    // Counting on the server ends when both sides say "done"; the engine
    // says it as it does after its own closing pass.
    const int local = PlayerKind[kKuro] == pkNngs ? kSiro : kKuro;
    if (PlayerKind[local] == pkComputer)
        SendDone();
}

void TNngsForm::GameClosed(const TNngsEnd& end)
{
    TMainCtl& m = main_;
    if (m.GameRunning != 1 || m.GameInfo.NngsInGame != 1)
        return;
    TimerSet(false);
    // The server's result replaces whatever this side counted.
    std::string result, status;
    switch (end.way) {
    case TNngsEnd::Resigned:
    case TNngsEnd::OnTime: result = status = TMainCtl::WinText(end.winner, end.way == TNngsEnd::OnTime, Language); break;
    case TNngsEnd::Counted: result = status = KekkaString(end.black, end.white, Language); break;
    case TNngsEnd::Adjourned:
        status = Msg("The game was adjourned on the server.", "サーバーで対局が打ち掛けになりました。");
        break;
    default: status = Msg("The server ended the game: ", "サーバーが対局を終了しました: ") + end.text; break;
    }
    m.LinkGameEnd(status, result);
}

void TNngsForm::MoveRefused(const std::string& text)
{
    if (!Playing())
        return;
    // The refused move is not part of the game: it leaves our record too.
    const TTejun& t = GobanLv[0]->Tejun;
    if (t.Last() > 0 && PlayerKind[ToMove()] == pkNngs) {
        if (t.Current() != t.Last())
            main_.Nav.mnuLastClick();
        main_.Nav.TakeBackLast();
    }
    Refuse(Msg("The server refused our move: ", "サーバーがこちらの手を受け付けませんでした: ") + text);
}

void TNngsForm::InputHandled()
{
    // A message box runs an event loop: shown only after the socket's
    // handler, no line is handled in the middle of another.
    Messages.Flush(main_.prompt_);
}

} // namespace vorn

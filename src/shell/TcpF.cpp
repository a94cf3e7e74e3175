#include "shell/TcpF.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/Kifu.h"
#include "records/KifuIg1.h"
#include "shell/IniFile.h"
#include "shell/MainCtl.h"
#include "shell/SideWindow.h"

namespace vorn {

unsigned char TcpReady = 0;
unsigned char TcpMyColor = 0;
std::string TcpPeerAddress;
int TcpPort = kTcpPort;

void TcpReset()
{
    TcpReady = 0;
    TcpMyColor = 0;
    TcpPeerAddress.clear();
    TcpPort = kTcpPort;
}

namespace {

std::string PointText(Point p) { return "<" + std::to_string(p.x) + "," + std::to_string(p.y) + ">"; }

// Why the board refuses a move of the peer.
std::string RefusalText(int code, Point p)
{
    const char* why = "";
    switch (code) {
    case kUtuOccupied: why = Msg(" is already occupied.", "には既に石があります。"); break;
    case kUtuSuicide: why = Msg(" would be taken at once (suicide).", "は打ったと同時に取られる手です。"); break;
    case kUtuKou: why = Msg(" retakes the ko at once.", "はコウをすぐ取り返す手です。"); break;
    default: why = Msg(" does not fit in the record (600 moves).", "は棋譜に入りません（600手）。"); break;
    }
    return Msg("The opponent's move ", "相手の手") + PointText(p) + why;
}

// Board 0's record draws no last-move mark while it is replayed.
struct TLastMarkOff {
    TLastMarkOff() { NoLastMark = 1; }
    ~TLastMarkOff() { NoLastMark = 0; }
    TLastMarkOff(const TLastMarkOff&) = delete;
    TLastMarkOff& operator=(const TLastMarkOff&) = delete;
};

} // namespace

TTcpForm::TTcpForm(TMainCtl& main) : main_(main) { FormActivate(); }

void TTcpForm::Changed()
{
    if (view_ != nullptr)
        view_->Changed();
}

void TTcpForm::TimerSet(bool on)
{
    timVorn.Enabled = on;
    if (view_ != nullptr)
        view_->TimerChanged();
}

// ---------------------------------------------------------------------------
// Life of the window

void TTcpForm::FormCreate(int mainWidth)
{
    {
        const TIniFile ini(main_.IniPath);
        const TSideGeometry g = SideGeometryRead(ini, "FormTcp", {340, 0, mainWidth, 200});
        Left = g.Left, Top = g.Top, Width = g.Width, Height = g.Height;
        Font.Color = ini.ReadInteger("FormTcp", "FontColor", kClWindowText);
        Font.Size = ini.ReadInteger("FormTcp", "FontSize", 9);
        Font.Name = ini.ReadString("FormTcp", "FontName", "ＭＳ Ｐゴシック");
    }
    FormResize(Width, Height);
    TcpReady = 0;
    mnuListen.Checked = false;
    mnuListenClick();
    Changed();
}

void TTcpForm::FormDestroy()
{
    TIniFile ini(main_.IniPath);
    SideGeometryWrite(ini, "FormTcp", {Left, Top, Width, Height});
    ini.WriteInteger("FormTcp", "FontColor", Font.Color);
    ini.WriteInteger("FormTcp", "FontSize", Font.Size);
    ini.WriteString("FormTcp", "FontName", Font.Name);
}

void TTcpForm::FormResize(int width, int height)
{
    Width = width;
    Height = height;
    MemoWidth = width - 8;
    MemoHeight = height - 95;
    EditTop = height - 93;
    Changed();
}

void TTcpForm::FormActivate()
{
    const bool en = Language == lgEnglish;
    Caption = en ? "Chat" : "チャット";
    mnuComm.Caption = en ? "Com&munication" : "通信(&M)";
    Font1.Caption = en ? "Font" : "フォント";
    mnuListen.Caption = en ? "&Wait" : "受信待ち(&W)";
    mnuConnect.Caption = en ? "&Connect" : "接続(&C)";
    mnuDisConnect.Caption = en ? "&Disconnect" : "解除(&D)";
    mnuExit.Caption = en ? "E&xit" : "終了(&X)";
    if (StatusText == "Waiting..." || StatusText == "受信待ち...")
        StatusText = Msg("Waiting...", "受信待ち...");
    Changed();
}

void TTcpForm::Show()
{
    Visible = true;
    FormActivate();
}

// ---------------------------------------------------------------------------
// Handlers

void TTcpForm::Edit1KeyDown(int key)
{
    if (key != 13)
        return;
    Protocol.Chat(Edit1);
    Edit1.clear();
    Changed();
}

void TTcpForm::ClosedByMenu(bool wasOpen)
{
    const TTcpTransport* t = Protocol.Transport();
    if (wasOpen && t != nullptr && !t->IsOpen())
        Protocol.Closed();
}

void TTcpForm::mnuListenClick()
{
    TTcpTransport* t = Protocol.Transport();
    const bool wasOpen = t != nullptr && t->IsOpen();
    mnuListen.Checked = !mnuListen.Checked;
    if (mnuListen.Checked) {
        std::string error;
        if (t != nullptr) {
            t->CloseClient();
            ClosedByMenu(wasOpen);
            if (!t->Listen(TcpPort, error)) {
                // Another copy of the program holds the port: this one can
                // still connect out.
                mnuListen.Checked = false;
                StatusText.clear();
                Memo(Msg("Cannot wait for a connection on port ", "ポート") + std::to_string(TcpPort)
                     + Msg(": ", "で受信待ちができません: ") + error);
                return;
            }
        }
        StatusText = Msg("Waiting...", "受信待ち...");
    } else {
        if (t != nullptr && t->Listening())
            t->StopListening();
        // A connection closed with the listening socket leaves "Disconnected".
        StatusText.clear();
        ClosedByMenu(wasOpen);
    }
    Changed();
}

void TTcpForm::mnuConnectClick()
{
    TTcpTransport* t = Protocol.Transport();
    const bool wasOpen = t != nullptr && t->IsOpen();
    if (t != nullptr && t->ClientActive())
        t->CloseClient();
    ClosedByMenu(wasOpen);
    std::string host = TcpPeerAddress;
    if (!main_.prompt_.InputQuery("コンピュータの接続先", "アドレス名:", host) || host.empty())
        return;
    TcpPeerAddress = host;
    if (t != nullptr) {
        const bool open = t->IsOpen();
        t->Connect(host, TcpPort);
        ClosedByMenu(open);
    }
}

void TTcpForm::mnuDisConnectClick() { mnuListenClick(); }

void TTcpForm::mnuExitClick()
{
    if (TTcpTransport* t = Protocol.Transport()) {
        const bool wasOpen = t->IsOpen();
        t->CloseClient();
        t->StopListening();
        ClosedByMenu(wasOpen);
    }
    Visible = false;
    Changed();
}

void TTcpForm::Font1Click()
{
    TTcpFont font = Font;
    if (view_ == nullptr || !view_->FontDialog(font))
        return;
    Font = font;
    Changed();
}

void TTcpForm::timVornTimer()
{
    TimerSet(false);
    TMainCtl& m = main_;
    if (m.GameRunning != 1 || GameOver != 0 || m.Thinking != 0 || GameInfoLock == 1)
        return;
    ToLastMove();
    if (PlayerKind[GobanLv[0]->Tejun.NextColor()] == pkComputer)
        m.ComUtu();
}

// ---------------------------------------------------------------------------
// Calls from the game

void TTcpForm::SetupStart(int myColor)
{
    Show();
    TcpMyColor = static_cast<unsigned char>(myColor);
    TcpReady = 1;
    Protocol.SetupStart();
}

void TTcpForm::SendMove(int x, int y) { Protocol.SendMove(x, y); }

// ---------------------------------------------------------------------------
// The game side of the protocol

void TTcpForm::Memo(const std::string& line)
{
    Memo1.push_back(line);
    Changed();
}

void TTcpForm::Status(const std::string& text)
{
    StatusText = text;
    Changed();
}

void TTcpForm::Message(const std::string& text)
{
    Messages.Add(text);
    Messages.Flush(main_.prompt_);
}

std::string TTcpForm::LocalName() const { return UserName; }

bool TTcpForm::Ready() const { return TcpReady == 1 && GameInfoLock == 1 && main_.GameRunning == 0; }

bool TTcpForm::LocalBlack() const { return main_.GameInfo.chkAiteWhite.Checked; }

int TTcpForm::SetupSize() const { return BoardSize; }

int TTcpForm::SetupTeai() const { return Handicap; }

float TTcpForm::SetupKomi() const { return Komi; }

std::vector<Point> TTcpForm::SetupMoves() const
{
    // A new game starts from an empty board whatever board 0 shows now; a
    // loaded record goes on from the move shown.
    std::vector<Point> moves;
    if (GameInfoMode == 0)
        return moves;
    const TTejun& t = GobanLv[0]->Tejun;
    for (int n = 1; n <= t.Current(); ++n)
        moves.push_back(t.GetTe(n));
    return moves;
}

void TTcpForm::SizeReceived(int size)
{
    BoardSize = size;
    main_.GameInfo.TeaiBanShow();
}

void TTcpForm::TeaiReceived(int teai)
{
    Handicap = teai;
    main_.GameInfo.TeaiBanShow();
}

void TTcpForm::KomiReceived(float komi)
{
    Komi = komi;
    main_.GameInfo.KomiShow();
}

bool TTcpForm::MovesReceived(const std::vector<Point>& moves, std::string& why)
{
    if (moves.empty()) {
        // The peer's game starts anew: so does this one.
        GameInfoMode = 0;
        return true;
    }
    // Board 0 starts over with the peer's size and handicap; nothing of the
    // game or record it showed stays.
    TGoban& b = *GobanLv[0];
    b.NewGame();
    b.Tejun.SetComment(0, std::string());
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
    if (KifuRecOn == 1)
        KifuRecBegin();
    {
        TLastMarkOff noMark;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const Point p = moves[i];
            if (p.x == 0) {
                if (!main_.Turn.PassAppend()) {
                    why = RefusalText(kUtuFull, p);
                    return false;
                }
                continue;
            }
            const int code = b.CheckUtu(b.Tejun.NextColor(), p.x, p.y);
            if (code != kUtuOk || !main_.BanUtu(p.x, p.y, 1)) {
                why = RefusalText(code, p) + Msg(" (move ", "（") + std::to_string(i + 1)
                      + Msg(" of the record)", "手目）");
                return false;
            }
        }
    }
    GameInfoMode = 1;
    return true;
}

void TTcpForm::SetupFailed()
{
    main_.GameInfo.btnOK.Visible = true;
    main_.GameInfo.Changed();
}

void TTcpForm::StartGame()
{
    TcpReady = 0;
    main_.GameInfo.StartGame();
}

bool TTcpForm::InGame() const
{
    const TMainCtl& m = main_;
    return m.GameRunning == 1 && GameOver == 0 && m.GameInfo.TcpInGame == 1;
}

bool TTcpForm::PeerToMove() const
{
    if (!InGame() || main_.Thinking != 0)
        return false;
    const TTejun& t = GobanLv[0]->Tejun;
    return PlayerKind[t.TeColor(t.Last() + 1)] == pkTcp;
}

void TTcpForm::ToLastMove()
{
    const TTejun& t = GobanLv[0]->Tejun;
    if (t.Current() != t.Last())
        main_.Nav.mnuLastClick();
}

bool TTcpForm::PeerMove(Point p, std::string& why)
{
    TMainCtl& m = main_;
    TGoban& b = *GobanLv[0];
    ToLastMove();
    m.Turn.TimerSet(m.Turn.timThink, false);
    if (p.x == 0) {
        if (!m.Turn.PassAppend()) {
            why = RefusalText(kUtuFull, p);
            return false;
        }
        // The second pass in a row ends the game.
        if (m.Pass()) {
            m.PeerMoveShown();
            return true;
        }
    } else {
        const int code = b.Tejun.Last() >= kMaxTe ? kUtuFull : b.CheckUtu(b.Tejun.NextColor(), p.x, p.y);
        if (code != kUtuOk || !m.BanUtu(p.x, p.y, 0)) {
            why = RefusalText(code, p);
            return false;
        }
    }
    switch (PlayerKind[b.Tejun.NextColor()]) {
    case pkComputer: TimerSet(true); break;
    case pkHuman: m.Turn.TimerSet(m.Turn.timThink, true); break;
    default: break;
    }
    return true;
}

void TTcpForm::GameStop()
{
    // Only a game against the TCP peer depends on the link.
    if (main_.GameInfo.TcpInGame != 1)
        return;
    TimerSet(false);
    main_.LinkGameStop();
}

} // namespace vorn

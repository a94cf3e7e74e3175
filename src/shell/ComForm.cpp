#include "shell/ComForm.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "shell/IniFile.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {
constexpr int kBitRate = 2400;
} // namespace

TComForm::TComForm(TMainCtl& main) : main_(main)
{
    CommX1.SetBitRate(kBitRate);
    CommX1.OnReceive = [this](TCustomCommX&, int size) { CommX1Receive(size); };
    CommX1.OnHangUp = [this](TCustomCommX&) { CommX1HangUp(); };
}

TComForm::~TComForm()
{
    // The port's reports stop before this object goes.
    CommX1.Close();
}

void TComForm::Changed()
{
    if (View != nullptr)
        View->Changed();
}

void TComForm::FormCreate()
{
    const TIniFile ini(main_.IniPath);
    Left = ini.ReadInteger("FormCom", "Left", 0);
    Top = ini.ReadInteger("FormCom", "Top", 0);
    Width = ini.ReadInteger("FormCom", "Width", 200);
    Height = ini.ReadInteger("FormCom", "Height", 300);
    for (int port = 1; port <= 2; ++port)
        CommX1.SetDeviceName(port, ini.ReadString("Comm", "Com" + std::to_string(port), ""));
    Changed();
}

void TComForm::FormDestroy()
{
    GameStop();
    TIniFile ini(main_.IniPath);
    ini.WriteInteger("FormCom", "Left", Left);
    ini.WriteInteger("FormCom", "Top", Top);
    ini.WriteInteger("FormCom", "Width", Width);
    ini.WriteInteger("FormCom", "Height", Height);
}

void TComForm::Show()
{
    Visible = true;
    Changed();
}

void TComForm::MemoClear()
{
    Memo1.clear();
    ++MemoClears;
    Changed();
}

bool TComForm::GameStart(int portNo, bool whiteIsPeer)
{
    MemoClear();
    // Nothing of an earlier game may linger: a peer started afresh begins
    // with both sequence bits at 0.
    Gmp.Reset();
    timVorn.Enabled = false;
    CommX1.Close();
    try {
        CommX1.SetPortNo(portNo);
        CommX1.Open();
    } catch (const ECommError& e) {
        Changed();
        main_.prompt_.Message(e.what());
        return false;
    }
    if (whiteIsPeer)
        Gmp.SendNewGame();
    Changed();
    return true;
}

void TComForm::NextGame(bool whiteIsPeer)
{
    Gmp.Reset();
    timVorn.Enabled = false;
    MemoClear();
    if (whiteIsPeer)
        Gmp.SendNewGame();
    Changed();
}

void TComForm::GameStop()
{
    Gmp.Reset();
    timSaisou.Enabled = false;
    timVorn.Enabled = false;
    CommX1.Close();
    Changed();
}

void TComForm::SendMove(int x, int y, int colour)
{
    if (CommX1.Opened())
        Gmp.SendMove(x, y, colour);
}

void TComForm::CommX1Receive(int receiveSize)
{
    std::vector<std::uint8_t> buf(static_cast<std::size_t>(receiveSize) + 1);
    const int n = CommX1.Read(buf.data(), receiveSize);
    if (n > 0)
        Gmp.Receive(buf.data(), n);
    // A message box runs an event loop: shown only after the port's
    // handler, no packet is handled in the middle of another.
    Messages.Flush(main_.prompt_);
}

void TComForm::CommX1HangUp()
{
    // Nothing comes over the line any more: a game on it cannot go on.
    const std::string port = std::to_string(CommX1.PortNo());
    std::string text = std::string(Msg("The other side closed the serial line (COM", "相手がシリアル回線を閉じました（COM"))
                       + port + Msg("). The game was stopped.", "）。対局を中止しました。");
    // Closed in the middle of our set-up, right after it was told our
    // colour: it does not accept the colours (GNU Go ends so).
    if (const int told = Gmp.ColourTold(); told != 0)
        text = std::string(Msg("The colours do not agree: told that we play ", "色の設定が合いません: こちらが"))
               + (told == 2 ? Msg("Black", "黒") : Msg("White", "白"))
               + Msg(", the other side closed the serial line (COM", "番と伝えると、相手がシリアル回線（COM") + port
               + Msg("). The game was stopped.", "）を閉じました。対局を中止しました。");
    GmpTrace(text);
    if (main_.GameRunning == 1 && main_.GameInfo.SerialInGame == 1)
        main_.LinkGameStop();
    else
        GameStop();
    Messages.Add(text);
    Messages.Flush(main_.prompt_);
}

void TComForm::timSaisouTimer()
{
    if (CommX1.Opened())
        Gmp.timSaisouTimer();
}

void TComForm::timVornTimer()
{
    timVorn.Enabled = false;
    Changed();
    const TTejun& t = GobanLv[0]->Tejun;
    if (main_.GameRunning == 1 && GameOver == 0 && GameInfoLock != 1 && t.Current() == t.Last()
        && PlayerKind[t.NextColor()] == pkComputer)
        main_.ComUtu();
}

void TComForm::EngineTurn()
{
    if (main_.GameRunning == 1 && GameOver == 0 && PlayerKind[GobanLv[0]->Tejun.NextColor()] == pkComputer) {
        timVorn.Enabled = true;
        Changed();
    }
}

// ---------------------------------------------------------------------------
// The protocol's requests

void TComForm::GmpWrite(const TGmpPacket& packet)
{
    for (std::uint8_t b : packet)
        CommX1.SendByte(b);
}

void TComForm::GmpTrace(const std::string& line)
{
    Memo1.push_back(line);
    Changed();
}

void TComForm::GmpResendTimer(bool on)
{
    timSaisou.Enabled = on;
    Changed();
}

void TComForm::GmpSetupDone() { EngineTurn(); }

void TComForm::GmpSetupError(const std::string& text)
{
    // The set-up stops here; the trace may be hidden, the status bar is not.
    main_.view_.SetStatusText(text);
}

void TComForm::GmpPeerMove(int x, int y)
{
    const std::string refusal = main_.Turn.PeerMoveError(pkSerial, x, y);
    if (!refusal.empty()) {
        GmpTrace(refusal);
        main_.LinkGameStop();
        Messages.Add(refusal);
        return;
    }
    main_.Turn.PeerUtu(x, y);
    main_.PeerMoveShown();
    EngineTurn();
}

void TComForm::GmpPeerResigned()
{
    Messages.Add(Msg("Match player resigned the game", "相手は投了しました"));
    // The game is over with the local side's win by resignation; the line
    // stays open (the OK is on its way, the peer may start the next game).
    if (main_.GameRunning == 1 && main_.GameInfo.SerialInGame == 1 && GameOver == 0) {
        const std::string win = TMainCtl::WinText(PlayerKind[kKuro] == pkSerial ? kSiro : kKuro, false, Language);
        main_.LinkGameEnd(win, win, false);
        timVorn.Enabled = false;
        Changed();
    }
}

} // namespace vorn

// TTcpForm: the TCP link window (チャット) without its window.  It shows the
// chat and the link's messages in its memo and the connection in its status
// bar, sends a chat line on Enter, listens from start-up and connects out on
// request (its menu), and keeps its place and font in VORN.INI ("FormTcp").
// It is also the game side of the TCP protocol: it answers the peer's
// set-up queries from the game dialog, takes the peer's set-up into the
// dialog and board 0, starts the game when the hand-shake completes, plays
// the peer's moves and lets the engine answer one timer tick later.
//
// The main window's logic owns it; the Qt window (TTcpWindow) shows its
// model and gives it the sockets.
#pragma once

#include <string>
#include <vector>

#include "net/TcpProtocol.h"
#include "shell/GameClock.h"
#include "shell/LinkMessages.h"

namespace vorn {

class TMainCtl;

// Set by the game dialog for the hand-shake: 1 once it was confirmed for TCP
// play (the start clears it again), and the colour of the local side's
// opponent (1 when White is the TCP peer, else 2).
extern unsigned char TcpReady;
extern unsigned char TcpMyColor;
// The host last entered in the connect query.
extern std::string TcpPeerAddress;
// The port the window listens on and connects to (kTcpPort; tests choose
// another, 0 for one the system picks).
extern int TcpPort;
// Back to start-up values.
void TcpReset();

// The memo font: colour ($BBGGRR, or the system's window text colour), size
// in points, family.
constexpr int kClWindowText = -16777208;
struct TTcpFont {
    int Color = kClWindowText;
    int Size = 9;
    std::string Name = "ＭＳ Ｐゴシック";
};

// A menu item of the window.
struct TTcpMenuItem {
    std::string Caption;
    bool Checked = false;
};

// What the logic asks of its window.  The defaults make a silent window.
class TTcpView {
public:
    virtual ~TTcpView() = default;
    // Memo, status, captions, menu, visibility, bounds or font changed.
    virtual void Changed() {}
    // timVorn was started or stopped.
    virtual void TimerChanged() {}
    // The font dialog, starting from the font given; false when cancelled.
    virtual bool FontDialog(TTcpFont& font)
    {
        (void)font;
        return false;
    }
};

class TTcpForm : public TTcpHost {
public:
    explicit TTcpForm(TMainCtl& main);
    TTcpForm(const TTcpForm&) = delete;
    TTcpForm& operator=(const TTcpForm&) = delete;

    void SetView(TTcpView* view) { view_ = view; }
    // The sockets (nullptr: none, as in headless use).
    void SetTransport(TTcpTransport* transport) { Protocol.SetTransport(transport); }

    // --- Life of the window --------------------------------------------------
    // Place and font from VORN.INI (the width defaults to the main window's),
    // then listening starts.
    void FormCreate(int mainWidth);
    // Place and font back to VORN.INI.
    void FormDestroy();
    // The window's outer size changed: the memo and the entry line follow.
    void FormResize(int width, int height);
    // Captions in the selected language.
    void FormActivate();
    void Show();

    // --- Handlers -----------------------------------------------------------------
    // A key in the entry line: Enter (13) sends the line as chat.
    void Edit1KeyDown(int key);
    void mnuListenClick();
    void mnuConnectClick();
    void mnuDisConnectClick();
    void mnuExitClick();
    void Font1Click();
    // The engine's reply, one tick after the peer's move.
    void timVornTimer();

    // --- Calls from the game ----------------------------------------------------
    // The game dialog was confirmed for TCP play; myColor goes to TcpMyColor.
    void SetupStart(int myColor);
    // A local move for the peer; (0, 0) a pass.
    void SendMove(int x, int y);

    // --- Model --------------------------------------------------------------------
    TTcpProtocol Protocol{*this};
    std::string Caption = "チャット";
    std::vector<std::string> Memo1;   // the memo's lines
    std::string Edit1;                // the entry line
    std::string StatusText;           // the status bar's one panel
    TTcpMenuItem mnuComm, mnuListen, mnuConnect, mnuDisConnect, mnuExit, Font1;
    TTcpFont Font;
    bool Visible = false;
    int Left = 340, Top = 0, Width = 400, Height = 200;
    // Places of the memo and the entry line in the window.
    int MemoWidth = 392, MemoHeight = 105, EditTop = 107;
    TGameTimer timVorn{false, 1000};
    // The link's message boxes, shown after the socket's handler.
    TLinkMessages Messages;

    // --- TTcpHost -------------------------------------------------------------------
    void Memo(const std::string& line) override;
    void Status(const std::string& text) override;
    void Message(const std::string& text) override;
    std::string LocalName() const override;
    bool Ready() const override;
    bool LocalBlack() const override;
    int SetupSize() const override;
    int SetupTeai() const override;
    float SetupKomi() const override;
    std::vector<Point> SetupMoves() const override;
    void SizeReceived(int size) override;
    void TeaiReceived(int teai) override;
    void KomiReceived(float komi) override;
    bool MovesReceived(const std::vector<Point>& moves, std::string& why) override;
    void SetupFailed() override;
    void StartGame() override;
    bool InGame() const override;
    bool PeerToMove() const override;
    bool PeerMove(Point p, std::string& why) override;
    void GameStop() override;

private:
    void Changed();
    void TimerSet(bool on);
    // Board 0 shows the end of its record (a move goes there).
    void ToLastMove();
    // After a menu action on the sockets: a connection open before that it
    // closed ends like any other (a game over it stops).
    void ClosedByMenu(bool wasOpen);

    TMainCtl& main_;
    TTcpView* view_ = nullptr;
};

} // namespace vorn

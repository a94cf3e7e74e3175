// TNngsForm: the Go-server window (NNGS通信) without its window.  A terminal
// onto the server: its memo shows everything received and every line sent,
// its entry line sends what the user types, its menu connects.  It is also
// the game side of the server protocol: the game dialog's confirmation sends
// the match request, the server's match notice starts the game, the
// opponent's moves are played on board 0 (the engine answers one timer tick
// later), local moves go out as move lines, the server's counting notice
// counts the game here too, and the server's closing lines (a resignation,
// a count, an adjournment, a loss on time) end the game with the server's
// result or reason.
//
// The main window's logic owns it; the Qt window (TNngsWindow) shows its
// model and gives it the socket.
#pragma once

#include <string>
#include <vector>

#include "net/NngsProtocol.h"
#include "shell/GameClock.h"
#include "shell/LinkMessages.h"
#include "shell/NngsConnect.h"

namespace vorn {

class TMainCtl;

// 1 while the server connection is open (the game dialog clears it at its
// creation and tests it before it requests a match).
extern unsigned char NngsConnected;

// What the logic asks of its window.  The defaults make a silent window.
class TNngsView {
public:
    virtual ~TNngsView() = default;
    // Memo, status, captions, visibility or bounds changed.
    virtual void Changed() {}
    // timVorn was started or stopped.
    virtual void TimerChanged() {}
};

class TNngsForm : public TNngsHost {
public:
    explicit TNngsForm(TMainCtl& main);
    TNngsForm(const TNngsForm&) = delete;
    TNngsForm& operator=(const TNngsForm&) = delete;

    void SetView(TNngsView* view) { view_ = view; }
    // The socket (nullptr: none, as in headless use).
    void SetTransport(TNngsTransport* transport) { Protocol.SetTransport(transport); }

    // --- Life of the window --------------------------------------------------
    // Place from VORN.INI ("FormNngs"; the width defaults to the main
    // window's), and the host dialog's.
    void FormCreate(int mainWidth);
    void FormDestroy();
    // The window's outer size changed: the memo and the entry line follow.
    void FormResize(int width, int height);
    void Show();

    // --- Handlers -----------------------------------------------------------------
    // A key in the entry line: Enter (13) sends the line.
    void Edit1KeyDown(int key);
    // Connects to the host last chosen.
    void mnuConnectClick();
    // The host dialog.
    void mnuHostClick();
    // The engine's reply, one tick after the opponent's move.
    void timVornTimer();

    // --- Calls from the game ----------------------------------------------------
    // Sends a line and shows it in the memo.
    void SendLine(const std::string& text);
    // A local move; (0, 0) a pass.
    void SendMove(int x, int y);
    // Connects to the host.
    void ConnectTo(const std::string& host);
    // The game dialog was confirmed for server play: the window is shown,
    // the game is made even, and the match is requested when connected.
    void GameConfirmed();
    // The engine's closing pass: the server is told "done".
    void SendDone();

    // --- Model --------------------------------------------------------------------
    TNngsProtocol Protocol{*this};
    TNngsConnectForm NngsConnectForm{*this};
    std::string Caption = "NNGS通信";
    std::string mnuCommCaption = "通信(&T)";
    std::string mnuConnectCaption = "接続";
    std::string mnuHostCaption = "ホスト(&H)...";
    std::vector<std::string> Memo1;   // the memo's lines; the last one may still be open
    std::string Edit1;                // the entry line
    std::string StatusText;
    std::string Host = "localhost";   // where the connect item connects
    int Port = kNngsPort;
    bool Visible = false;
    int Left = 340, Top = 0, Width = 400, Height = 200;
    int MemoWidth = 390, MemoHeight = 105, EditTop = 107;
    TGameTimer timVorn{false, 1000};
    // The link's message boxes, shown after the socket's handler.
    TLinkMessages Messages;

    // The settings file, for the host dialog.
    const std::string& IniPath() const;

    // --- TNngsHost --------------------------------------------------------------------
    void MemoLine(const std::string& line) override;
    void MemoTail(const std::string& tail) override;
    void Sent(const std::string& text, bool sent) override;
    void ConnectionChanged(bool open, const std::string& peer, const std::string& why) override;
    bool MatchCreated(int game, const std::string& opponent) override;
    int MoveNumber() const override;
    int ToMove() const override;
    int BoardSize() const override;
    void OpponentMove(Point p, const std::string& move) override;
    void OpponentMoveUnreadable(const std::string& move) override;
    void CountingBegan() override;
    void GameClosed(const TNngsEnd& end) override;
    void MoveRefused(const std::string& text) override;
    void InputHandled() override;

private:
    void Changed();
    void TimerSet(bool on);
    void MemoAdd(const std::string& line);
    // Our game against the server opponent runs and has not ended.
    bool Playing() const;
    // The opponent's move cannot be played: reported, the game stops.
    void Refuse(const std::string& why);

    TMainCtl& main_;
    TNngsView* view_ = nullptr;
    bool tailOpen_ = false;                // the memo's last line is still open
};

} // namespace vorn

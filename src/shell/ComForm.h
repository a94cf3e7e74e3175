// TComForm: the serial link window ("RS232C"), without the window.  It holds
// the serial port and the Go Modem Protocol of a game against another
// program on a serial line, keeps the hexadecimal trace of every packet,
// plays the peer's moves on the main board and starts the engine one second
// after them when the engine is to answer.  The Qt window TComFormWindow
// shows the trace and runs the two timers; tests drive this logic directly.
//
// The game flow reaches it at four points: a game with a serial peer starts
// (GameStart), every local move goes out (SendMove), the next game of a
// continuous match begins (NextGame), the game stops (GameStop).
#pragma once

#include <string>
#include <vector>

#include "net/CommX.h"
#include "net/GoComm.h"
#include "shell/GameClock.h"
#include "shell/LinkMessages.h"

namespace vorn {

class TMainCtl;

// What the logic asks of its window.
class TComView {
public:
    virtual ~TComView() = default;
    // The trace, a timer, the visibility or the place changed.
    virtual void Changed() {}
};

class TComForm : public TGmpHost {
public:
    explicit TComForm(TMainCtl& main);
    ~TComForm() override;
    TComForm(const TComForm&) = delete;
    TComForm& operator=(const TComForm&) = delete;

    // The window's place from VORN.INI ("FormCom"), and the devices of COM1
    // and COM2 ("Comm", keys "Com1" and "Com2").
    void FormCreate();
    // Writes the place back; the port is closed.
    void FormDestroy();
    // The menu item: shows the window, not modally.
    void Show();

    // A game with a serial peer on COM1 or COM2 starts: the protocol and the
    // trace start afresh, the port opens and, when White is the peer, NEWGAME
    // goes out.  A port that cannot be opened is reported; false then.
    bool GameStart(int portNo, bool whiteIsPeer);
    // The next game of a continuous match on the open port.
    void NextGame(bool whiteIsPeer);
    // The game stopped: timers off, the port closed.
    void GameStop();
    // A local move of the colour at the board point (x, y), (0, 0) a pass.
    void SendMove(int x, int y, int colour);

    // Empties the trace.
    void MemoClear();

    // Handlers: input from the port, the line hung up, the resend timer,
    // the engine's timer.
    void CommX1Receive(int receiveSize);
    void CommX1HangUp();
    void timSaisouTimer();
    void timVornTimer();

    TCommX CommX1;
    TGoComm Gmp{*this};
    std::vector<std::string> Memo1;       // the packet trace
    int MemoClears = 0;                   // how often it was emptied
    TGameTimer timSaisou{false, 20000};   // resends the packet not yet answered
    TGameTimer timVorn{false, 1000};      // one-shot: the engine answers the peer
    bool Visible = false;
    int Left = 0, Top = 0, Width = 200, Height = 300;
    TComView* View = nullptr;
    // The link's message boxes, shown after the port's handler.
    TLinkMessages Messages;

    // --- The protocol's requests (TGmpHost) ----------------------------------------
    void GmpWrite(const TGmpPacket& packet) override;
    void GmpTrace(const std::string& line) override;
    void GmpResendTimer(bool on) override;
    void GmpSetupDone() override;
    void GmpSetupError(const std::string& text) override;
    void GmpPeerMove(int x, int y) override;
    void GmpPeerResigned() override;

private:
    void Changed();
    // Starts the engine's timer when the engine is to move in a running game.
    void EngineTurn();

    TMainCtl& main_;
};

} // namespace vorn

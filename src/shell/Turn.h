// TTurn: the main window's side of the engine's move and of the clocks.
// The engine thinks synchronously inside the handler that hands it the
// turn; around that call this unit sets the flags and texts, handles a
// resignation offer, plays the answer, hands the move to a remote opponent,
// charges the measured thinking time to the engine's clock, ends the game
// after two passes and starts the timer that drives the next move.  Also
// here: the human's pass and resignation, the hint, the game clock and the
// engine-against-engine timer.
#pragma once

#include <string>

#include "board/Point.h"
#include "shell/GameClock.h"

namespace vorn {

class TMainCtl;

// The engine's answer for the side to move of board 0: x > 0 a move, x = 0 a
// pass, x < 0 an offer to resign with (-x, y) the move it would play.
using TThinkMove = void (*)(Point& out);
// The engine's move choice as the program calls it.
void EngineThinkMove(Point& out);

class TTurn {
public:
    explicit TTurn(TMainCtl& main);
    TTurn(const TTurn&) = delete;
    TTurn& operator=(const TTurn&) = delete;

    // The engine's move for the side to move of board 0; the clicks and keys
    // that came while it thought are dropped once its turn is over.
    void ComUtu();
    // A pass already in board 0's record: shown and counted; true when it was
    // the second pass in a row and ended the game.
    bool Pass();
    // Menu items: the human's pass and resignation, the hint, the engine's
    // move (developer menu, and the engine-against-engine timer).
    void mnuPassClick();
    void mnuResignClick();
    void mnuHintClick();
    void mnuComUtuClick();
    // Runs the handler of a menu item of this unit; false for other names.
    bool Click(const std::string& name);

    // The game clock: one tick a second while a human or a peer is to move.
    void timThinkTimer();
    // Engine against engine: the next move one second after the last.
    void timVornVornTimer();
    // The record is back at its last move in a running game where the engine
    // is to move (after browsing): its move follows a second later.
    void EngineTurnResume();

    // A remote player's move of the kind (pkSerial, ...) for the side to
    // move, (0, 0) a pass: why it cannot be played now (no game, not that
    // player's turn, a point off the board or one the board refuses), as a
    // message naming the point; "" when it can, and for a pass after the end
    // of the game, which PeerUtu takes as the end confirmed.  The board is
    // first brought to the last move if an earlier one is shown.
    std::string PeerMoveError(int kind, int x, int y);
    // Plays a remote player's move that PeerMoveError let through, by the
    // entries the human's moves take: a point through BanUtu with the game
    // clock stopped, a pass through the pass entry (record, running record,
    // pass count, the end after a second pass).
    void PeerUtu(int x, int y);

    // A win by resignation for the side not to move; the game stops.
    void TouryoShow();
    // The status line of a game against the engine, with a proverb.
    void StatusShow(bool yourTurn);

    // Starts or stops a timer (interval in milliseconds, 0 keeps it).
    void TimerSet(TGameTimer& timer, bool on, int interval = 0);
    // Stops the game clock, the engine-against-engine and the match timers.
    void GameTimersStop();

    // The engine's edge-line tables for the board size (game start).
    void JobanInit();

    TGameTimer timThink{false, 1000};
    TGameTimer timVornVorn{false, 1000};
    TGameTimer timRenzoku{false, 5000};
    int ThinkTicks = 0;               // game-clock ticks since the engine handed the turn to a human
    unsigned char TouryoRefused = 0;  // the user refused the engine's resignation in this game
    TClock* Clock;                    // times the engine's thinking; the steady clock by default
    TThinkMove Think;                 // the engine's move choice; tests put a scripted one here

    // Appends a pass to board 0's record and shows it; false when the full
    // record refuses it.
    bool PassAppend();
    // Asks Think for the engine's answer.  An error inside the engine is
    // logged with the position, the game is put back as it was and the
    // answer is a pass.
    void ThinkSafe(Point& te, const char* operation);

private:
    // The engine's turn: its answer played, the turn handed on.
    void EngineTurn();

    TMainCtl& main_;
    TSteadyClock steady_;
};

} // namespace vorn

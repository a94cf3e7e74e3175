// The Go-server protocol (the NNGS text dialect): the program is a terminal
// onto the server and watches its own game in what the server writes.
// Every line the program sends ends in one carriage return.  After "set
// Client TRUE" every line of the server begins with a numeric code: 9 for
// information ("Creating match [3] with bob.", "You can check your score
// ...", "bob has resigned the game."), 15 for a game's moves (the header
// "Game 3 I: white (...) vs black (...)" and then the move line "  7(B):
// D4", numbered from 0), 1 for the prompt, 24 for a tell, 21 for a shout, and
// so on.  Board points are written as a column letter A to T without I and
// a row number counted from the bottom.
//
// TNngsProtocol is that logic without the socket: bytes in, lines for the
// memo and game events out.  Received bytes are cut into lines (CR LF, LF
// or CR) and each complete line is looked at in order, so a line may be
// split over any number of reads and one read may hold many lines.  Game
// events are taken only from the server's own line forms: the match notice
// while our match request waits, move lines after the header of our game
// (the move number compared as a number, "Pass" only as the line's move),
// and while our game runs: the notice that counting begins, a resignation
// by either side ("bob has resigned the game."), the adjournment ("Game has
// been adjourned."), the closing line of our game ("{Game 3: white vs black
// : White resigns.}", "... : Black resigns. W 22.5 B 1.0}" for a counted
// game, "... : has adjourned.}", "... : Black forfeits on time.}") and an
// error answer ("5 ...") to the move we sent.
// Texts travel as CP932 bytes.
#pragma once

#include <cstddef>
#include <string>

#include "board/Point.h"

namespace vorn {

// The server's port.
constexpr int kNngsPort = 9696;
// A line that grows past this without an end is cut there: what comes
// before its end is shown as one line and not looked at.
constexpr std::size_t kNngsLineMax = 64 * 1024;

// Server line codes.
enum : int {
    kNngsCodePrompt = 1,
    kNngsCodeError = 5,
    kNngsCodeInfo = 9,
    kNngsCodeMove = 15,
    kNngsCodeScore = 20,
    kNngsCodeShout = 21,
    kNngsCodeTell = 24,
};

// --- Line forms ------------------------------------------------------------------

// A local move at (x, y) of a board of the size, (0, 0) a pass: "pass", or a
// lower-case column ("a" .. "t" without "i") and the row counted from the
// bottom in two digits: (4, 16) on 19x19 is "d04", on 9x9 (4, 6) is "d04".
std::string NngsMoveText(int x, int y, int size);
// The match request: "match" + opponent + "B" (the local side plays Black)
// or "W" + size + "40 0", separated by single blanks.
std::string NngsMatchText(const std::string& opponent, bool localBlack, int size);
// A server line's code and the text after it (the blank after the code
// taken off).  False for a line that does not begin with a decimal code.
bool NngsSplitCode(const std::string& line, int& code, std::string& text);
// The text of a move line "%3d(%c): move": the move number (from 0), the
// colour of the mover (kKuro, kSiro) and the move's first word.
bool NngsParseMoveLine(const std::string& text, int& number, int& colour, std::string& move);
// A move word on a board of the size: "Pass" is (0, 0); a column letter
// (either case, no "I") and a row 1..size give the board point, row r being
// board row size + 1 - r.  False for anything else.
bool NngsParsePoint(const std::string& move, int size, Point& p);
// The game number of a header "Game 12 I: ..."; false for another text.
bool NngsParseHeader(const std::string& text, int& game);
// The players of a header "Game 12 I: white (...) vs black (...)"; false
// when the text does not name them so.
bool NngsParsePlayers(const std::string& text, std::string& white, std::string& black);
// The match notice "Creating match [12] with bob.": game number and
// opponent; false for another text.
bool NngsParseMatchNotice(const std::string& text, int& game, std::string& opponent);

// How the server closed a game.
struct TNngsEnd {
    enum TWay { Resigned, Counted, Adjourned, OnTime, Other };
    TWay way = Other;
    int winner = 0;                     // kKuro or kSiro; 0 for none (adjourned, a draw)
    float black = 0.0f, white = 0.0f;   // the server's count (Counted)
    std::string text;                   // the server's words, CP932
};
// The closing line of a game "{Game 3: white vs black : words}": its number
// and how it ended.  A count "W 22.5 B 1.0" at the end of the words makes
// it a counted game whatever the words before it say.  False for another text.
bool NngsParseClosing(const std::string& text, int& game, TNngsEnd& end);

// --- What the protocol needs around it ---------------------------------------------

// The connection to the server as the protocol sees it.
class TNngsTransport {
public:
    virtual ~TNngsTransport() = default;
    // Sends the bytes on the open connection; false when none is open.
    virtual bool Write(const std::string& bytes) = 0;
    virtual bool IsOpen() const = 0;
    // Connects to the host (name or address); a connection that is open
    // closes first.  The result arrives as a connection or an error.
    virtual void Connect(const std::string& host, int port) = 0;
    virtual void Close() = 0;
};

// The game side: the window's memo and the game on board 0.  Texts are UTF-8.
class TNngsHost {
public:
    virtual ~TNngsHost() = default;
    // A complete received line, and the line still open at the end of what
    // has arrived (a prompt such as "Login: "), shown until it completes.
    virtual void MemoLine(const std::string& line) = 0;
    virtual void MemoTail(const std::string& tail) = 0;
    // A line was sent (shown in the memo), or could not be (no connection).
    virtual void Sent(const std::string& text, bool sent) = 0;
    // The connection opened (peer: the host connected to) or closed; why
    // it closed, when it failed.
    virtual void ConnectionChanged(bool open, const std::string& peer, const std::string& why) = 0;
    // The server created our match: the game starts.  False when no game
    // waits for it (the game dialog was cancelled meanwhile).
    virtual bool MatchCreated(int game, const std::string& opponent) = 0;
    // Moves played in the running game, and the colour to move: a move line
    // acts only when its number and colour are these.
    virtual int MoveNumber() const = 0;
    virtual int ToMove() const = 0;
    virtual int BoardSize() const = 0;
    // The opponent's move ((0, 0) a pass), a point of the board; move is the
    // server's text of it.
    virtual void OpponentMove(Point p, const std::string& move) = 0;
    // The opponent's move cannot be read for this board (a handicap set on
    // the server, a point off the board).
    virtual void OpponentMoveUnreadable(const std::string& move) = 0;
    // The server counts our game: both sides mark dead stones and say "done".
    virtual void CountingBegan() = 0;
    // The server closed our game (the words UTF-8).
    virtual void GameClosed(const TNngsEnd& end) = 0;
    // The server answered the move we sent with an error (its text).
    virtual void MoveRefused(const std::string& text) = 0;
    // Everything that arrived has been looked at (messages may be shown now).
    virtual void InputHandled() {}
};

class TNngsProtocol {
public:
    explicit TNngsProtocol(TNngsHost& host) : host_(host) {}
    TNngsProtocol(const TNngsProtocol&) = delete;
    TNngsProtocol& operator=(const TNngsProtocol&) = delete;

    void SetTransport(TNngsTransport* transport) { transport_ = transport; }
    TNngsTransport* Transport() const { return transport_; }
    bool Connected() const { return transport_ != nullptr && transport_->IsOpen(); }

    // --- Events of the connection -----------------------------------------------------
    void Opened(const std::string& peer);
    void Closed();
    void Failed(int code, const std::string& text);
    void Receive(const std::string& bytes);

    // --- Sending ------------------------------------------------------------------------
    // Sends the text and a carriage return (as one write, or as two when
    // apart) and tells the host; false when no connection is open.
    bool SendLine(const std::string& text, bool apart = false);
    // The local move; (0, 0) a pass.
    bool SendMove(int x, int y, int size);
    // The match request ("set Client TRUE", then the match line); our game
    // is whichever match the server then creates with that opponent.
    bool RequestMatch(const std::string& opponent, bool localBlack, int size);
    // "done" once in a game's counting.
    void SendDone();

    // --- State --------------------------------------------------------------------------
    enum class TState { Idle, MatchPending, Playing };
    TState State() const { return state_; }
    int Game() const { return game_; }
    // The opponent's name as the server writes it.
    const std::string& Opponent() const { return opponent_; }

private:
    // Takes the complete lines off the buffer in order.
    void Process();
    // One complete line; the memo already shows its first shown bytes.
    void ParseLine(const std::string& bytes, std::size_t shown);
    // An information line (code 9): match notice, counting, resignation.
    void Info(const std::string& text);
    // A move line (code 15): a header, or a move of our game.
    void ParseMove(const std::string& text);
    // Our game is over on the server.
    void Close(TNngsEnd end);

    TNngsHost& host_;
    TNngsTransport* transport_ = nullptr;
    std::string buffer_;         // bytes of the line not yet complete
    std::size_t shown_ = 0;      // its head that the memo shows as a line of its own
    bool skipLf_ = false;        // a CR ended the last line: an LF next belongs to it
    bool cutting_ = false;       // a line too long was cut: the rest up to its end goes
    bool busy_ = false;
    TState state_ = TState::Idle;
    int game_ = 0;               // our game's number on the server
    int header_ = 0;             // the game of the last move header seen
    bool doneSent_ = false;
    bool localBlack_ = true;     // our colour in the match requested
    bool counting_ = false;      // the server counts our game: its closing line gives the count
    std::string self_;           // our name as the header of our game writes it
    bool moveSent_ = false;      // our move went out and the server's prompt has not come back
    std::string opponent_;       // CP932, as requested, then as the server writes it
};

} // namespace vorn

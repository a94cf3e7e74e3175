// The TCP game protocol: two copies of the program (or the program and a
// compatible peer) exchange short commands over one TCP connection.  A
// message is two command letters and its argument, with no separator and no
// terminator: "??NM" asks for the peer's name, "NM" + name answers, "CM" +
// text is a chat line, "??RD" / "OKRD" / "NGRD" ask whether the peer's game
// dialog is confirmed, "??CO" ... "??ST" walk through the set-up (colours,
// board size, handicap, komi, the moves already played, start) and "MV" +
// xxyy carries a move.  Texts travel as CP932 bytes.
//
// TTcpProtocol is the link's logic without sockets: bytes in, effects out.
// The socket layer feeds it what arrives and the connection's events; it
// answers through a TTcpTransport and asks the game side (TTcpHost) for the
// local set-up and to play what the peer sends.
//
// TCP is a stream, so the receiver keeps a buffer and takes each message off
// it where the format fixes its end: four bytes for "??xx", "OKxx", "NGxx",
// "COxx" and "KFNO", six for "MV" + four digits, the run of digits after
// "SZ" and "HA", of number characters after "KM", of letters after "KF".  A
// message of a fixed length waits for all its bytes however they are split
// over reads as long as each byte that arrives can continue it (a move's
// digits, the letters of a query we know, a colour answer's two letters that
// begin no other message); the first byte that cannot ends the head, which
// is dropped with a line in the memo, and begins the next message (or an
// earlier byte of the head does, when a message begins there).  A head that
// stays cut short is dropped after kTcpStallMs of silence (Expire).  A
// message whose end the format leaves
// open (the free texts "NM" and "CM", a number or letter run at the end of
// what has arrived) is held until the line has been quiet for kTcpQuietMs
// (Flush).  Bytes that begin no known command are skipped up to the next
// known one, so garbage glued to a message does not swallow it; after a
// quiet line the next bytes begin afresh.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "board/Point.h"

namespace vorn {

// The port the program listens on and connects to.
constexpr int kTcpPort = 5555;
// How long the line must be quiet before a message with an open end is taken.
constexpr int kTcpQuietMs = 100;
// How long the sender waits after a message with an open end before it
// sends the next, so that the receiver has taken it by then.
constexpr int kTcpGapMs = 3 * kTcpQuietMs;
// How long a message of a fixed length may wait for its remaining bytes.
constexpr int kTcpStallMs = 5000;
// A receive buffer that grows past this without a message in it, or as
// many bytes skipped as no command, is an abuse: the connection is closed.
constexpr std::size_t kTcpBufferMax = 64 * 1024;
// Free texts (names, chat lines) received are cut to this many bytes.
constexpr std::size_t kTcpTextMax = 999;
// The most moves a transferred record may hold (the move record's capacity).
constexpr int kTcpKifuMax = 600;

// --- Message codec -----------------------------------------------------------

// "MV" + x and y in two digits each; a pass (0, 0) is "MV0000".
std::string TcpMoveText(int x, int y);
// The argument of "MV": exactly four decimal digits, xx then yy.
bool TcpMoveParse(const std::string& arg, Point& p);
// "KF" + two letters per move ("a" = 1; "tt" a pass), or "KFNO" for none.
std::string TcpKifuText(const std::vector<Point>& moves);
// The argument of "KF" (without "NO") on a board of the size: every pair a
// point of the board or "tt"; an odd last letter is ignored; at most
// kTcpKifuMax moves.  False with the reason (selected language) otherwise.
bool TcpKifuParse(const std::string& arg, int size, std::vector<Point>& moves, std::string& why);
// Komi as plain decimal text whatever the locale: "6.5", "0", "-3.5".
std::string TcpKomiText(float komi);
// A komi from the peer: a finite decimal number of sensible size.
bool TcpKomiParse(const std::string& arg, float& komi);
// A small decimal number ("SZ", "HA"): one to three digits and nothing else.
bool TcpNumberParse(const std::string& arg, int& n);
// How the head of the received bytes is framed.
struct TTcpFrame {
    enum TKind {
        Empty,    // nothing
        Whole,    // a complete message of length bytes
        Partial,  // the head of a message whose length is fixed: more must come
        Open,     // a message whose end is open (ends when the line is quiet)
        Unknown,  // length bytes begin no known command: skipped
        Broken,   // the head of a message whose length is fixed, length
                  // bytes, followed by a byte that cannot continue it
    };
    TKind kind = Empty;
    std::size_t length = 0;
};
// At a boundary the bytes follow a message or a quiet line (or begin the
// connection); a free text ("NM", "CM") starts only there, never inside
// skipped bytes.
TTcpFrame TcpFrame(const std::string& bytes, bool boundary = true);
// The length of the message at the head of the bytes when the format fixes
// where it ends and all of it is there; 0 otherwise.
std::size_t TcpMessageLength(const std::string& bytes);

// --- What the protocol needs around it ---------------------------------------

// The connection to the peer as the link's logic sees it.  The socket layer
// implements it; tests put a recorder in its place.
class TTcpTransport {
public:
    virtual ~TTcpTransport() = default;
    // Sends the bytes as one write on the open connection; false when none
    // is open.  After a message whose end is open (openEnd) the next one
    // waits kTcpGapMs.
    virtual bool Write(const std::string& bytes, bool openEnd) = 0;
    // Closes the peer connection (whichever side opened it).
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Listening for a peer (one connection at a time): false with the
    // system's reason when the port cannot be had.
    virtual bool Listen(int port, std::string& error) = 0;
    // Stops listening; an accepted connection closes with it.
    virtual void StopListening() = 0;
    virtual bool Listening() const = 0;
    // Connects out to a host (name or address); the result arrives as a
    // connection or an error event.  A connection that is open closes first.
    virtual void Connect(const std::string& host, int port) = 0;
    // Drops the outgoing connection (or the attempt).
    virtual void CloseClient() = 0;
    virtual bool ClientActive() const = 0;
};

// The game side: the window's memo and status, the game dialog and board 0.
// All texts are UTF-8.
class TTcpHost {
public:
    virtual ~TTcpHost() = default;
    // The link window: a line for its memo, its status text, a message box.
    virtual void Memo(const std::string& line) = 0;
    virtual void Status(const std::string& text) = 0;
    virtual void Message(const std::string& text) = 0;

    // The local player's name.
    virtual std::string LocalName() const = 0;
    // True while the local user has confirmed the game dialog for TCP play
    // and the game has not started yet.
    virtual bool Ready() const = 0;
    // The local side plays Black.
    virtual bool LocalBlack() const = 0;
    // The local set-up that the peer takes over when it drives the set-up:
    // board size, handicap, komi and the moves the game continues from.
    virtual int SetupSize() const = 0;
    virtual int SetupTeai() const = 0;
    virtual float SetupKomi() const = 0;
    virtual std::vector<Point> SetupMoves() const = 0;

    // The peer's set-up, already checked, taken over and shown.
    virtual void SizeReceived(int size) = 0;
    virtual void TeaiReceived(int teai) = 0;
    virtual void KomiReceived(float komi) = 0;
    // The peer's moves: board 0 reset for the received size and handicap,
    // then the moves played (none: a new game).  False with the reason when
    // the board refuses one of them.
    virtual bool MovesReceived(const std::vector<Point>& moves, std::string& why) = 0;
    // The set-up stopped: the user may confirm the game dialog again.
    virtual void SetupFailed() = 0;
    // The set-up is complete: the game starts.
    virtual void StartGame() = 0;

    // A game against the TCP peer runs (and has not ended).
    virtual bool InGame() const = 0;
    // A game against the TCP peer runs and the peer is to move.
    virtual bool PeerToMove() const = 0;
    // Plays the peer's move ((0, 0) a pass), a point of the board; false
    // with the reason when the board refuses it.
    virtual bool PeerMove(Point p, std::string& why) = 0;
    // The game against the peer ends without a result (the link failed).
    virtual void GameStop() = 0;
};

class TTcpProtocol {
public:
    explicit TTcpProtocol(TTcpHost& host) : host_(host) {}
    TTcpProtocol(const TTcpProtocol&) = delete;
    TTcpProtocol& operator=(const TTcpProtocol&) = delete;

    void SetTransport(TTcpTransport* transport) { transport_ = transport; }
    TTcpTransport* Transport() const { return transport_; }

    // --- Events of the connection ---------------------------------------------
    // A connection was made, accepted by the listening side (accepted) or
    // opened to a host; peer is the other side's address or host name.
    void Connected(const std::string& peer, bool accepted);
    // The peer closed the connection.  A game against it stops: it belongs
    // to the connection that set it up, and nobody else may play in it.
    void Disconnected();
    // This side closed the connection (the same for a game against it).
    void Closed();
    // The socket failed (code and the system's text).
    void Error(int code, const std::string& text);
    // A further connection arrived while one was open and was closed at once.
    void Refused(const std::string& peer);
    // Bytes arrived.
    void Receive(const std::string& bytes);
    // Bytes wait in the buffer, or bytes were skipped since the last
    // message: the socket layer calls Flush once the line has been quiet for
    // kTcpQuietMs (a message with an open end is taken; what comes after
    // skipped bytes begins afresh), and Expire after kTcpStallMs (a message
    // cut short is dropped).
    bool Pending() const { return !buffer_.empty() || !boundary_; }
    void Flush();
    void Expire();

    // --- Local actions --------------------------------------------------------
    // Sends one message; false, with a line in the memo, when no connection is open.
    bool SendText(const std::string& text);
    // The local move at (x, y); (0, 0) a pass.
    void SendMove(int x, int y);
    // The record the game continues from.
    void SendKifu();
    // The local game dialog was confirmed for TCP play: "??RD".
    void SetupStart();
    // A chat line: sent, and shown in the memo after the local name.
    void Chat(const std::string& text);

    // Handles one received message.
    void DoCommand(const std::string& message);

    // The peer's name from its "NM" (UTF-8).
    const std::string& PeerName() const { return peerName_; }
    // The answer this side waits for while it drives a set-up ("RD", "CO",
    // "SZ", "HA", "KM", "KF", "ST"), or "" when it waits for none.
    const std::string& Awaited() const { return awaited_; }
    // This side answered "OKRD": it answers the set-up queries of the peer.
    bool Answering() const { return answering_; }

private:
    // Takes the next message off the buffer; with flush, also one whose end
    // the format leaves open.  False when none is complete.
    bool Take(bool flush, std::string& message);
    // Drops the head of length bytes, cut short: a line in the memo (one
    // until the next message is taken).
    void DropHead(std::size_t length);
    // Handles what the buffer holds (reentrant calls only add to it).
    void Process(bool flush);
    void Query(const std::string& what);
    void Answer(const std::string& command, const std::string& arg);
    void PeerMoveReceived(const std::string& arg);
    // LoadKifu: the received record (argument of "KF") onto board 0.
    bool LoadKifu(const std::string& arg);
    // The next step of a set-up this side drives: ask, and wait for the answer.
    void Ask(const char* what);
    // The set-up stops with a message; the user may confirm again.
    void SetupFail(const std::string& text);
    // A value of the peer's set-up that cannot be played: why, then the value.
    void RefuseValue(const char* why, const std::string& arg);
    void ResetSession();
    // The connection that a running game belongs to has ended: the game stops.
    void LinkLost(const std::string& why);

    TTcpHost& host_;
    TTcpTransport* transport_ = nullptr;
    std::string buffer_;
    std::size_t skipped_ = 0;  // bytes skipped as no command since the last message
    bool boundary_ = true;     // the buffer begins where a message can
    bool dropNoted_ = false;   // a head dropped since the last message is in the memo
    bool busy_ = false;
    bool flushWanted_ = false;
    bool accepted_ = false;
    bool answering_ = false;
    std::string awaited_;
    int size_ = 19;  // the board size taken from the peer in this set-up
    std::string peerName_;
};

} // namespace vorn

// TGoComm: the Go Modem Protocol of a game on a serial line.
//
// Both programs exchange four-byte packets: a command, a 10-bit value, a
// checksum and two sequence bits.  Every new packet is acknowledged by the
// next packet the other side sends; a packet of ours that is not answered is
// sent again every 20 seconds.  This unit is the protocol alone: bytes come
// in through Receive, packets, trace lines, timer requests and the peer's
// moves go out through a TGmpHost.  It knows nothing of ports or windows, so
// tests hold whole conversations with it.
//
// Packet layout, in the order of the bytes on the line:
//   byte 0: bits 7..2 zero, bit 1 the sender's copy of the receiver's
//           sequence bit, bit 0 the sender's own sequence bit;
//   byte 1: bit 7 set, bits 6..0 the checksum (byte 0 + byte 2 + byte 3) mod 128;
//   byte 2: bit 7 set, bits 6..4 the command, bit 3 zero, bits 2..0 value bits 9..7;
//   byte 3: bit 7 set, bits 6..0 value bits 6..0.
// A move's value holds the colour in bit 9 (1 white) and the position in bits
// 8..0: (n - y) * n + x on a board of n lines, 0 a pass, 511 a resignation.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vorn {

using TGmpPacket = std::array<std::uint8_t, 4>;

// Commands.
enum { GmpCmdOk = 0, GmpCmdDeny = 1, GmpCmdNewGame = 2, GmpCmdQuery = 3, GmpCmdAnswer = 4, GmpCmdMove = 5 };

// Queries this side asks.
enum { GmpQueryHandicap = 8, GmpQueryColor = 11 };

// The peer's move value that means it resigned.
constexpr int kGmpResign = 511;

// Byte 1 of a packet from its bytes 0, 2 and 3.
std::uint8_t GmpChecksum(std::uint8_t b0, std::uint8_t b2, std::uint8_t b3);
// The packet of a command and its 10-bit value, with byte 0 as given.
TGmpPacket GmpPacket(std::uint8_t b0, int cmd, int value);
// The position of the point (x, y) on a board of n lines; 0 for y = 0 (a pass).
int GmpPosition(int x, int y, int n);
// The point of a position 1..n*n; the same arithmetic outside that range
// gives a point off the board.
void GmpPoint(int p, int n, int& x, int& y);
// A packet as the trace shows it: "%.2x " per byte, then the suffix.
std::string GmpTraceText(const TGmpPacket& packet, const std::string& suffix);

// What the protocol asks of the link around it.
class TGmpHost {
public:
    virtual ~TGmpHost() = default;
    // The four bytes of a packet, in order, to the port.
    virtual void GmpWrite(const TGmpPacket& packet) = 0;
    // A line of the packet trace.
    virtual void GmpTrace(const std::string& line) = 0;
    // Starts or stops the 20-second resend of the last packet sent.
    virtual void GmpResendTimer(bool on) = 0;
    // The peer's OK closed the set-up that our NEWGAME began.
    virtual void GmpSetupDone() = 0;
    // The set-up stopped on an answer that does not fit ("Color Error",
    // "Handicap Error").
    virtual void GmpSetupError(const std::string& text) = 0;
    // The peer's move at (x, y), already acknowledged; (0, 0) a pass.  The
    // point is decoded but not checked.
    virtual void GmpPeerMove(int x, int y) = 0;
    // The peer resigned.
    virtual void GmpPeerResigned() = 0;
};

class TGoComm {
public:
    explicit TGoComm(TGmpHost& host) : host_(host) {}
    TGoComm(const TGoComm&) = delete;
    TGoComm& operator=(const TGoComm&) = delete;

    // Sequence bits, the set-up flag and the packet being received back to
    // their start.
    void GmpReset();
    // Everything back to its start, as for a new game: GmpReset, the pending
    // query, the packet waiting for its answer (its resend stopped).
    void Reset();

    // Outgoing packets.
    void SendPacket(std::uint8_t cmdByte, std::uint8_t valueByte);
    void SendOk();
    void SendNewGame();
    void SendColorQuery();
    // A local move of the colour (1 black, 2 white) at the board point (x, y);
    // (0, 0) a pass.
    void SendMove(int x, int y, int colour);

    // Bytes from the port, any number at a time.  Packets are framed by their
    // first byte (bits 7..2 zero; the other three bytes have bit 7 set); a
    // byte out of place drops the packet begun and starts over.
    void Receive(const std::uint8_t* data, int size);
    // One complete packet received (in GmpRecvPacket).
    void Dispatch();
    void AnswerQuery(int value);
    void CheckAnswer(int value);
    void DoMove(int value);

    // The resend timer's tick: the last packet once more (after crossed
    // NEWGAMEs that the peer left unanswered, or when the peer gave way,
    // asked our colour and fell silent on it, ours gives way instead).
    void timSaisouTimer();

    // The colour we told the peer in the set-up our NEWGAME began (1 white,
    // 2 black), while our answer is the last word: the peer's next packet
    // (another query, its closing OK) clears it; 0 when none is pending.
    int ColourTold() const { return colourTold_; }

    // --- Protocol state ---------------------------------------------------------
    std::uint8_t GmpOwnSeq = 0;          // our sequence bit
    std::uint8_t GmpPeerSeq = 0;         // the peer's, as last received
    std::uint8_t GmpPeerSeqPrev = 0;     // the peer's before the packet being handled
    std::uint8_t GmpNewGamePending = 0;  // 1 from our NEWGAME to the peer's closing OK
    int GmpPendingQuery = 0;             // the query sent and not yet answered
    TGmpPacket GmpSendPacket{};
    TGmpPacket GmpResendPacket{};
    TGmpPacket GmpRecvPacket{};
    int GmpRecvCount = 0;
    int GmpPeerX = 0, GmpPeerY = 0;      // the peer's last move, (0, 0) a pass

private:
    void Send(const std::string& suffix);
    // The last packet sent by SendPacket or SendMove, once more.
    void Resend();
    // Our NEWGAME gives way to the peer's: its packet is taken as new and
    // answered by the colour query; the peer closes the set-up.
    void GiveWay();

    TGmpHost& host_;
    bool gaveWay_ = false;  // our NEWGAME gave way to the peer's sent at the same time
    bool crossed_ = false;  // the peer's NEWGAME crossed ours, which went again
    std::uint8_t crossedSeq_ = 0;  // the peer's sequence bit on its crossed NEWGAME
    bool peerGaveWay_ = false;     // after the crossing the peer gave way to our NEWGAME and asks
    int colourTold_ = 0;
    unsigned resets_ = 0;  // counts Reset calls, so a reset inside a handler ends Receive
};

} // namespace vorn

#include "net/GoComm.h"

#include <cstdio>

#include "board/Goban.h"
#include "board/Hooks.h"

namespace vorn {

namespace {

constexpr std::uint8_t kOkCmd = 0x87, kOkValue = 0xFF;  // OK, value 0x3FF
constexpr std::uint8_t kDenyCmd = 0x90, kZeroValue = 0x80;
constexpr std::uint8_t kNewGameCmd = 0xA0;
constexpr std::uint8_t kQueryCmd = 0xB0;
constexpr std::uint8_t kAnswerCmd = 0xC0;
constexpr std::uint8_t kMoveCmd = 0xD0;

const char* const kSendData = " ---> Send Data";

// The answer to query q, without (f false) or with the flag bit.
int QueryAnswer(int q, bool flag)
{
    switch (q) {
    case 0:
    case 7:
    case 12: return flag ? 15 : 1;
    case 1:
    case 2: return flag ? 15 : 0;
    case 8: return flag ? 15 : (Handicap == 0 ? 1 : Handicap);
    case 9: return flag ? 15 : BoardSize;
    case 11:
        if (flag)
            return 15;
        if (PlayerKind[kSiro] == pkComputer)
            return 1;
        return PlayerKind[kKuro] == pkComputer ? 2 : 0;
    default: return 0;  // 3 to 6, 10, 13 and above
    }
}

// Both ends say "no handicap" as 0 or 1.
int HandicapStones(int h) { return h <= 1 ? 0 : h; }

} // namespace

std::uint8_t GmpChecksum(std::uint8_t b0, std::uint8_t b2, std::uint8_t b3)
{
    return static_cast<std::uint8_t>(0x80 | ((b0 + b2 + b3) & 0x7F));
}

TGmpPacket GmpPacket(std::uint8_t b0, int cmd, int value)
{
    TGmpPacket p{};
    p[0] = b0;
    p[2] = static_cast<std::uint8_t>(0x80 | ((cmd & 7) << 4) | ((value >> 7) & 7));
    p[3] = static_cast<std::uint8_t>(0x80 | (value & 0x7F));
    p[1] = GmpChecksum(p[0], p[2], p[3]);
    return p;
}

int GmpPosition(int x, int y, int n) { return y == 0 ? 0 : (n - y) * n + x; }

void GmpPoint(int p, int n, int& x, int& y)
{
    x = (p - 1) % n + 1;
    y = n - (p - x) / n;
}

std::string GmpTraceText(const TGmpPacket& packet, const std::string& suffix)
{
    std::string line;
    for (std::uint8_t b : packet) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%.2x ", b);
        line += hex;
    }
    return line + suffix;
}

void TGoComm::GmpReset()
{
    GmpOwnSeq = GmpPeerSeq = GmpPeerSeqPrev = 0;
    GmpNewGamePending = 0;
    GmpRecvCount = 0;
}

void TGoComm::Reset()
{
    GmpReset();
    GmpPendingQuery = 0;
    gaveWay_ = crossed_ = peerGaveWay_ = false;
    colourTold_ = 0;
    GmpSendPacket = GmpResendPacket = GmpRecvPacket = TGmpPacket{};
    GmpPeerX = GmpPeerY = 0;
    ++resets_;
    host_.GmpResendTimer(false);
}

void TGoComm::Send(const std::string& suffix)
{
    GmpSendPacket[0] = static_cast<std::uint8_t>(GmpPeerSeq * 2 + GmpOwnSeq);
    GmpSendPacket[1] = GmpChecksum(GmpSendPacket[0], GmpSendPacket[2], GmpSendPacket[3]);
    host_.GmpWrite(GmpSendPacket);
    host_.GmpTrace(GmpTraceText(GmpSendPacket, suffix));
}

void TGoComm::SendPacket(std::uint8_t cmdByte, std::uint8_t valueByte)
{
    GmpOwnSeq = static_cast<std::uint8_t>(1 - GmpOwnSeq);
    GmpSendPacket[2] = cmdByte;
    GmpSendPacket[3] = valueByte;
    Send(kSendData);
    GmpResendPacket = GmpSendPacket;
    host_.GmpResendTimer(true);
}

void TGoComm::SendOk()
{
    GmpSendPacket[2] = kOkCmd;
    GmpSendPacket[3] = kOkValue;
    Send(" ---> Send Data OK");
}

void TGoComm::SendNewGame()
{
    SendPacket(kNewGameCmd, kZeroValue);
    GmpNewGamePending = 1;
}

void TGoComm::SendColorQuery()
{
    SendPacket(kQueryCmd, 0x80 | GmpQueryColor);
    GmpPendingQuery = GmpQueryColor;
}

void TGoComm::SendMove(int x, int y, int colour)
{
    const int p = GmpPosition(x, y, BoardSize);
    GmpOwnSeq = static_cast<std::uint8_t>(1 - GmpOwnSeq);
    GmpSendPacket[2] = static_cast<std::uint8_t>(kMoveCmd + 4 * ((colour >> 1) & 1) + p / 128);
    GmpSendPacket[3] = static_cast<std::uint8_t>(0x80 + p % 128);
    Send(std::string(kSendData) + "(" + std::to_string(x) + "," + std::to_string(y) + ")");
    GmpResendPacket = GmpSendPacket;
    host_.GmpResendTimer(true);
}

void TGoComm::Receive(const std::uint8_t* data, int size)
{
    const unsigned resets = resets_;
    for (int i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        const bool first = (b & 0xFC) == 0;
        if (GmpRecvCount > 0 && (b & 0x80) == 0)
            GmpRecvCount = 0;  // a packet cut short: start over at this byte
        if (GmpRecvCount == 0 && !first)
            continue;          // not the start of a packet
        GmpRecvPacket[GmpRecvCount++] = b;
        if (GmpRecvCount < 4)
            continue;
        GmpRecvCount = 0;
        host_.GmpTrace(GmpTraceText(GmpRecvPacket, " <--- Read Data"));
        Dispatch();
        // A handler that ended the game has reset the link: what follows
        // belongs to no game.
        if (resets_ != resets)
            return;
    }
}

void TGoComm::Dispatch()
{
    const TGmpPacket& r = GmpRecvPacket;
    if (r[1] != GmpChecksum(r[0], r[2], r[3])) {
        // Dropped; the peer sends it again, and our own packet waiting for
        // its answer keeps being resent.
        host_.GmpTrace("Checksum Error");
        return;
    }
    // Each side toggles only its own bit, for each new packet it sends; the
    // peer's copy of ours may be stale (both sent at once) and is not taken.
    GmpPeerSeqPrev = GmpPeerSeq;
    GmpPeerSeq = static_cast<std::uint8_t>(r[0] & 1);
    host_.GmpResendTimer(false);
    const int value = (r[2] & 7) * 128 + (r[3] & 0x7F);
    const int command = (r[2] & 0x7F) >> 4;

    // After crossed NEWGAMEs a query that carries our bit answers our
    // NEWGAME, and it is new whatever its own bit: GNU Go uses again the bit
    // of the NEWGAME it withdrew, a peer that gave way has moved past it.
    const bool takesOurs = crossed_ && command == GmpCmdQuery && ((r[0] >> 1) & 1) == GmpOwnSeq;
    if (GmpPeerSeq == GmpPeerSeqPrev && !takesOurs) {
        // An acknowledgement, or a packet sent again.
        if (r[2] == kOkCmd && r[3] == kOkValue && GmpNewGamePending == 1) {
            GmpNewGamePending = 0;
            crossed_ = false;
            colourTold_ = 0;
            host_.GmpSetupDone();
        }
        return;
    }
    // The peer's NEWGAME crossed ours when it does not carry our bit: it
    // was sent before ours arrived.
    const bool crossing = ((r[0] >> 1) & 1) != GmpOwnSeq;
    if (command == GmpCmdNewGame && GmpNewGamePending == 1 && crossing && !crossed_) {
        // Both sides sent NEWGAME at once.  One of two commands that cross
        // is withdrawn and the other sent again: GNU Go withdraws its own
        // and waits for ours.  So the peer's counts as not received, and
        // ours goes again at once; a peer that keeps its own sends it again,
        // and then ours gives way (GiveWay).
        crossed_ = true;
        crossedSeq_ = GmpPeerSeq;
        GmpPeerSeq = GmpPeerSeqPrev;
        Resend();
        host_.GmpResendTimer(true);
        return;
    }
    if (command == GmpCmdNewGame && GmpNewGamePending == 1) {
        GiveWay();
        return;
    }
    // A peer that gave way asks the set-up questions now; the timer asks
    // back if it falls silent on our colour.
    peerGaveWay_ = takesOurs && GmpPeerSeq != crossedSeq_;
    crossed_ = false;
    // A new packet goes on past our colour answer: a hang-up from here on
    // is not about the colours.
    colourTold_ = 0;
    switch (command) {
    case GmpCmdNewGame: SendColorQuery(); break;
    case GmpCmdQuery: AnswerQuery(value); break;
    case GmpCmdAnswer: CheckAnswer(value); break;
    case GmpCmdMove: DoMove(value); break;
    default: break;  // OK, DENY and the unused commands
    }
}

void TGoComm::GiveWay()
{
    // This side asks the set-up questions and closes the set-up itself.
    GmpNewGamePending = 0;
    crossed_ = false;
    colourTold_ = 0;
    gaveWay_ = true;
    SendColorQuery();
}

void TGoComm::AnswerQuery(int value)
{
    const int v = QueryAnswer(value & 0x1FF, (value & 0x200) != 0);
    if ((value & 0x1FF) == GmpQueryColor && (value & 0x200) == 0 && GmpNewGamePending == 1)
        colourTold_ = v;
    SendPacket(static_cast<std::uint8_t>(kAnswerCmd + v / 128), static_cast<std::uint8_t>(0x80 + v % 128));
}

void TGoComm::CheckAnswer(int value)
{
    if (GmpPendingQuery == GmpQueryColor) {
        // The peer's colour: its own (1 white, 2 black) or 0 (not said).
        const int peerColour = PlayerKind[kSiro] == pkSerial ? 1 : 2;
        if (value != 0 && value != peerColour) {
            host_.GmpTrace("Color Error");
            host_.GmpSetupError("Color Error");
            return;
        }
        SendPacket(kQueryCmd, 0x80 | GmpQueryHandicap);
        GmpPendingQuery = GmpQueryHandicap;
    } else if (GmpPendingQuery == GmpQueryHandicap) {
        if (HandicapStones(value) != HandicapStones(Handicap)) {
            host_.GmpTrace("Handicap Error");
            host_.GmpSetupError("Handicap Error");
            return;
        }
        SendOk();
        GmpPendingQuery = 0;
        if (gaveWay_) {
            // Our NEWGAME gave way: this OK closes the set-up for both.
            gaveWay_ = false;
            host_.GmpSetupDone();
        }
    }
}

void TGoComm::DoMove(int value)
{
    const int p = value & 0x1FF;
    const bool white = (value & 0x200) != 0;
    if (p == kGmpResign) {
        SendOk();
        host_.GmpPeerResigned();
        return;
    }
    if (p == 0)
        GmpPeerX = GmpPeerY = 0;
    else
        GmpPoint(p, BoardSize, GmpPeerX, GmpPeerY);
    const char* who = white ? Msg("Match player white ", "相手は白 ") : Msg("Match player black ", "相手は黒 ");
    host_.GmpTrace(who + std::to_string(GmpPeerX) + " , " + std::to_string(GmpPeerY));
    SendOk();
    host_.GmpPeerMove(GmpPeerX, GmpPeerY);
}

void TGoComm::timSaisouTimer()
{
    if (crossed_) {
        // Our NEWGAME went again, and the peer neither took it nor sent its
        // own again: it waits for an answer to its own.
        GmpPeerSeq = crossedSeq_;
        GiveWay();
        return;
    }
    if (peerGaveWay_ && colourTold_ != 0) {
        // The peer gave way to our NEWGAME, asked our colour and has said
        // nothing since: it does not accept it.  Ours gives way in turn and
        // asks the peer's colour, so that the conflict shows here as well.
        peerGaveWay_ = false;
        GiveWay();
        return;
    }
    Resend();
}

void TGoComm::Resend()
{
    host_.GmpWrite(GmpResendPacket);
    host_.GmpTrace(GmpTraceText(GmpResendPacket, " ---> ReSend Data"));
}

} // namespace vorn

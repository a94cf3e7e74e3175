#include "net/TcpProtocol.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "board/Hooks.h"
#include "records/Charset.h"

namespace vorn {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNumberChar(char c) { return IsDigit(c) || c == '.' || c == '-' || c == '+'; }
bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

std::string PointText(int x, int y) { return "<" + std::to_string(x) + "," + std::to_string(y) + ">"; }

// The head of CP932 bytes that takes at most max bytes, cut between characters.
std::string CutSjis(const std::string& bytes, std::size_t max)
{
    std::size_t n = 0;
    while (n < bytes.size()) {
        const std::size_t len = CharsetCharLen(TByteKind::ShiftJis, static_cast<unsigned char>(bytes[n]));
        if (n + len > max)
            break;
        n += len;
    }
    return bytes.substr(0, std::min(n, bytes.size()));
}

} // namespace

// ---------------------------------------------------------------------------
// Codec

std::string TcpMoveText(int x, int y)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "MV%02d%02d", x < 0 || x > 99 ? 0 : x, y < 0 || y > 99 ? 0 : y);
    return buf;
}

bool TcpMoveParse(const std::string& arg, Point& p)
{
    if (arg.size() != 4)
        return false;
    for (char c : arg)
        if (!IsDigit(c))
            return false;
    p = Point((arg[0] - '0') * 10 + (arg[1] - '0'), (arg[2] - '0') * 10 + (arg[3] - '0'));
    return true;
}

std::string TcpKifuText(const std::vector<Point>& moves)
{
    if (moves.empty())
        return "KFNO";
    std::string s = "KF";
    for (const Point& p : moves) {
        if (p.x == 0) {
            s += "tt";
        } else {
            s += static_cast<char>('a' - 1 + p.x);
            s += static_cast<char>('a' - 1 + p.y);
        }
    }
    return s;
}

bool TcpKifuParse(const std::string& arg, int size, std::vector<Point>& moves, std::string& why)
{
    moves.clear();
    const std::size_t pairs = arg.size() / 2;
    if (pairs > static_cast<std::size_t>(kTcpKifuMax)) {
        why = Msg("The opponent's record holds more than 600 moves.", "相手の棋譜が600手を超えています。");
        return false;
    }
    for (std::size_t i = 0; i < pairs; ++i) {
        const char a = arg[2 * i], b = arg[2 * i + 1];
        if (a == 't' && b == 't') {
            moves.push_back(kPass);
            continue;
        }
        const int x = static_cast<unsigned char>(a) - ('a' - 1);
        const int y = static_cast<unsigned char>(b) - ('a' - 1);
        if (x < 1 || y < 1 || x > size || y > size) {
            why = std::string(Msg("The opponent's record holds a move that is not on the board: move ",
                                  "相手の棋譜に盤上にない手があります: "))
                  + std::to_string(i + 1) + Msg(" \"", "手目 \"") + std::string{a, b} + "\"";
            moves.clear();
            return false;
        }
        moves.emplace_back(x, y);
    }
    return true;
}

std::string TcpKomiText(float komi)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, komi);
    std::string s(buf, r.ec == std::errc() ? r.ptr : buf);
    return s == "-0" || s.empty() ? "0" : s;
}

bool TcpKomiParse(const std::string& arg, float& komi)
{
    if (arg.empty() || arg.size() > 16)
        return false;
    const char* first = arg.data();
    if (*first == '+')
        ++first;
    double v = 0;
    const auto r = std::from_chars(first, arg.data() + arg.size(), v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != arg.data() + arg.size() || !std::isfinite(v) || std::fabs(v) > 1000.0)
        return false;
    komi = static_cast<float>(v);
    return true;
}

namespace {

const char* const kTcpCommands[] = {"??", "OK", "NG", "CO", "MV", "SZ", "HA", "KM", "KF", "NM", "CM"};

// The free texts: they start only where a message can, never inside bytes
// skipped as no command.
bool FreeText(const char* c) { return (c[0] == 'N' || c[0] == 'C') && c[1] == 'M'; }

// The bytes at i begin a known command (or, at the very end, may begin one);
// with texts false, a free text does not count.
bool CommandAt(const std::string& b, std::size_t i, bool texts = true)
{
    for (const char* c : kTcpCommands) {
        if (b[i] != c[0] || (!texts && FreeText(c)))
            continue;
        if (i + 1 == b.size() || b[i + 1] == c[1])
            return true;
    }
    return false;
}

// The two letters after "??", "OK" and "NG" that make a message of ours.
const char* const kTcpQueries[] = {"NM", "RD", "CO", "SZ", "HA", "KM", "KF", "ST"};
const char* const kTcpOkArgs[] = {"RD", "ST"};
const char* const kTcpNgArgs[] = {"RD"};

// How many of the bytes from i on can still be the head of one of the
// two-letter arguments.
template <std::size_t N>
std::size_t ArgFits(const std::string& b, std::size_t i, const char* const (&args)[N])
{
    std::size_t best = 0;
    for (const char* a : args) {
        std::size_t n = 0;
        while (n < 2 && i + n < b.size() && b[i + n] == a[n])
            ++n;
        best = std::max(best, n);
    }
    return best;
}

} // namespace

TTcpFrame TcpFrame(const std::string& b, bool boundary)
{
    TTcpFrame f;
    if (b.empty())
        return f;
    auto whole = [&](std::size_t n) {
        f.kind = TTcpFrame::Whole;
        f.length = n;
        return f;
    };
    auto partial = [&] {
        f.kind = TTcpFrame::Partial;
        return f;
    };
    auto open = [&] {
        f.kind = TTcpFrame::Open;
        return f;
    };
    // A message of n bytes whose bytes from 2 on fit so far as given: the
    // first byte that cannot continue it ends a head cut short.
    auto fixed = [&](std::size_t n, std::size_t fits) {
        const std::size_t have = std::min(b.size(), n);
        if (2 + fits < have) {
            f.kind = TTcpFrame::Broken;
            f.length = 2 + fits;
            // A byte that fitted may begin the next message instead ("??"
            // then "CMhi", "??" then "NGRD"): the head ends before it.
            if (!CommandAt(b, f.length)) {
                for (std::size_t i = 2; i < 2 + fits; ++i) {
                    if (CommandAt(b, i)) {
                        f.length = i;
                        break;
                    }
                }
            }
            return f;
        }
        return b.size() >= n ? whole(n) : partial();
    };
    auto countRun = [&](bool (*inRun)(char)) {
        std::size_t i = 2;
        while (i < b.size() && inRun(b[i]))
            ++i;
        return i - 2;
    };
    auto run = [&](bool (*inRun)(char)) {
        const std::size_t i = 2 + countRun(inRun);
        return i < b.size() ? whole(i) : open();
    };
    if (!CommandAt(b, 0, boundary)) {
        // Skipped up to the next known command.
        std::size_t i = 1;
        while (i < b.size() && !CommandAt(b, i, false))
            ++i;
        f.kind = TTcpFrame::Unknown;
        f.length = i;
        return f;
    }
    if (b.size() < 2)
        return partial();
    const std::string cmd = b.substr(0, 2);
    if (cmd == "??")
        return fixed(4, ArgFits(b, 2, kTcpQueries));
    if (cmd == "OK")
        return fixed(4, ArgFits(b, 2, kTcpOkArgs));
    if (cmd == "NG")
        return fixed(4, ArgFits(b, 2, kTcpNgArgs));
    if (cmd == "CO") {
        // Any two letters answer (all but "BL" are not Black), unless they
        // begin another message: then the "CO" was cut short.
        return fixed(4, b.size() >= 4 && CommandAt(b, 2) ? 0 : 2);
    }
    if (cmd == "MV")
        return fixed(6, countRun(IsDigit));
    if (cmd == "SZ" || cmd == "HA")
        return run(IsDigit);
    if (cmd == "KM")
        return run(IsNumberChar);
    if (cmd == "KF") {
        if (b.size() >= 3 && b[2] == 'N')
            return fixed(4, b.size() >= 4 && b[3] == 'O' ? 2 : 1);
        return run(IsLetter);
    }
    // "NM" and "CM": free texts.
    return open();
}

std::size_t TcpMessageLength(const std::string& b)
{
    const TTcpFrame f = TcpFrame(b);
    return f.kind == TTcpFrame::Whole ? f.length : 0;
}

bool TcpNumberParse(const std::string& arg, int& n)
{
    if (arg.empty() || arg.size() > 3)
        return false;
    n = 0;
    for (char c : arg) {
        if (!IsDigit(c))
            return false;
        n = n * 10 + (c - '0');
    }
    return true;
}

// ---------------------------------------------------------------------------
// Connection events

void TTcpProtocol::ResetSession()
{
    buffer_.clear();
    skipped_ = 0;
    boundary_ = true;
    dropNoted_ = false;
    flushWanted_ = false;
    answering_ = false;
    awaited_.clear();
}

void TTcpProtocol::Connected(const std::string& peer, bool accepted)
{
    ResetSession();
    accepted_ = accepted;
    host_.Status("接続先: " + peer);
    SendText("??NM");
}

void TTcpProtocol::Disconnected()
{
    ResetSession();
    host_.Status("相手が切断しました。");
    LinkLost(Msg("The opponent closed the connection.", "相手が接続を切りました。"));
}

void TTcpProtocol::Closed()
{
    ResetSession();
    host_.Status(Msg("Disconnected", "切断しました。"));
    LinkLost(Msg("The connection to the opponent was closed.", "相手との接続を切りました。"));
}

void TTcpProtocol::LinkLost(const std::string& why)
{
    if (!host_.InGame())
        return;
    host_.Memo(why);
    host_.GameStop();
    host_.Message(why + Msg(" The game was stopped.", " 対局を中止しました。"));
}

void TTcpProtocol::Error(int code, const std::string& text)
{
    std::string line = "通信エラーが発生しました。" + std::to_string(code);
    if (!text.empty())
        line += " (" + text + ")";
    host_.Memo(line);
    host_.GameStop();
}

void TTcpProtocol::Refused(const std::string& peer)
{
    host_.Memo(Msg("A second connection was refused: ", "接続中のため、次の接続を断りました: ") + peer);
}

// ---------------------------------------------------------------------------
// Receiving

bool TTcpProtocol::Take(bool flush, std::string& message)
{
    for (;;) {
        const TTcpFrame f = TcpFrame(buffer_, boundary_);
        switch (f.kind) {
        case TTcpFrame::Unknown:
            skipped_ += f.length;
            boundary_ = false;
            buffer_.erase(0, f.length);
            continue;
        case TTcpFrame::Broken: DropHead(f.length); continue;
        case TTcpFrame::Whole: break;
        case TTcpFrame::Open:
            if (!flush)
                return false;
            message.swap(buffer_);
            buffer_.clear();
            skipped_ = 0;
            boundary_ = true;
            dropNoted_ = false;
            return true;
        default: return false;  // empty, or waiting for the rest of a message
        }
        message = buffer_.substr(0, f.length);
        buffer_.erase(0, f.length);
        skipped_ = 0;
        boundary_ = true;
        dropNoted_ = false;
        return true;
    }
}

void TTcpProtocol::DropHead(std::size_t length)
{
    if (!dropNoted_)
        host_.Memo(Msg("The opponent's message stopped short and was dropped: \"",
                       "相手のメッセージが途中で途切れたため捨てました: \"")
                   + SjisToUtf8(CutSjis(buffer_.substr(0, length), 16)) + "\"");
    dropNoted_ = true;
    // Heads dropped count as skipped bytes: a peer that sends nothing else is cut off.
    skipped_ += length;
    boundary_ = true;
    buffer_.erase(0, length);
}

void TTcpProtocol::Receive(const std::string& bytes)
{
    buffer_ += bytes;
    if (!busy_)
        Process(false);
}

void TTcpProtocol::Flush()
{
    if (busy_) {
        flushWanted_ = true;
        return;
    }
    Process(true);
}

void TTcpProtocol::Expire()
{
    if (busy_ || buffer_.empty())
        return;
    // Only the head of a message cut short is left after Flush.
    Flush();
    if (!buffer_.empty())
        DropHead(buffer_.size());
}

void TTcpProtocol::Process(bool flush)
{
    busy_ = true;
    flushWanted_ = flushWanted_ || flush;
    std::string message;
    for (;;) {
        // A message box shown while a message is handled lets more bytes in:
        // they only join the buffer, and this loop takes them in order.
        if (Take(false, message)) {
            DoCommand(message);
            continue;
        }
        if (flushWanted_) {
            flushWanted_ = false;
            if (Take(true, message)) {
                DoCommand(message);
                continue;
            }
            // The line is quiet: what arrives next begins where a message
            // can, also after bytes skipped as no command.
            if (buffer_.empty())
                boundary_ = true;
        }
        break;
    }
    busy_ = false;
    // Garbage skipped counts as well: a peer that sends nothing but is cut off.
    if (buffer_.size() + skipped_ > kTcpBufferMax) {
        buffer_.clear();
        skipped_ = 0;
        host_.Memo(Msg("The opponent sent too much data without a message; the connection was closed.",
                       "相手から区切りのないデータが多すぎるため、接続を切りました。"));
        if (transport_ != nullptr)
            transport_->Close();
        Closed();
    }
}

// ---------------------------------------------------------------------------
// Sending

bool TTcpProtocol::SendText(const std::string& text)
{
    if (transport_ != nullptr && transport_->IsOpen() && transport_->Write(text, TcpMessageLength(text) != text.size()))
        return true;
    host_.Memo(Msg("Not connected: nothing was sent.", "接続されていません。送信できませんでした。"));
    return false;
}

void TTcpProtocol::SendMove(int x, int y) { SendText(TcpMoveText(x, y)); }

void TTcpProtocol::SendKifu() { SendText(TcpKifuText(host_.SetupMoves())); }

void TTcpProtocol::SetupStart()
{
    answering_ = false;
    awaited_ = "RD";
    if (!SendText("??RD")) {
        awaited_.clear();
        host_.SetupFailed();
    }
}

void TTcpProtocol::Chat(const std::string& text)
{
    SendText("CM" + Utf8ToSjis(text));
    host_.Memo("(" + host_.LocalName() + ")" + text);
}

// ---------------------------------------------------------------------------
// Handling

void TTcpProtocol::DoCommand(const std::string& message)
{
    if (message.size() < 2)
        return;
    const std::string command = message.substr(0, 2);
    const std::string arg = message.substr(2);
    if (command == "??") {
        Query(arg);
    } else if (command == "NM") {
        peerName_ = SjisToUtf8(CutSjis(arg, kTcpTextMax));
    } else if (command == "CM") {
        host_.Memo("(" + peerName_ + ")" + SjisToUtf8(CutSjis(arg, kTcpTextMax)));
    } else if (command == "MV") {
        PeerMoveReceived(arg);
    } else if (command == "OK" || command == "NG" || command == "CO" || command == "SZ" || command == "HA"
               || command == "KM" || command == "KF") {
        Answer(command, arg);
    }
    // Anything else is ignored.
}

void TTcpProtocol::Query(const std::string& what)
{
    if (what == "NM") {
        SendText("NM" + Utf8ToSjis(host_.LocalName()));
        return;
    }
    if (what == "RD") {
        answering_ = host_.Ready();
        SendText(answering_ ? "OKRD" : "NGRD");
        return;
    }
    // The set-up queries come from the peer that this side told "OKRD", and
    // only while the local set-up waits: nobody else may read or start a game.
    if (!answering_ || !host_.Ready())
        return;
    if (what == "CO") {
        SendText(host_.LocalBlack() ? "COBL" : "COWH");
    } else if (what == "SZ") {
        SendText("SZ" + std::to_string(host_.SetupSize()));
    } else if (what == "HA") {
        SendText("HA" + std::to_string(host_.SetupTeai()));
    } else if (what == "KM") {
        SendText("KM" + TcpKomiText(host_.SetupKomi()));
    } else if (what == "KF") {
        SendKifu();
    } else if (what == "ST") {
        answering_ = false;
        awaited_.clear();
        SendText("OKST");
        host_.StartGame();
    }
}

void TTcpProtocol::SetupFail(const std::string& text)
{
    awaited_.clear();
    host_.Message(text);
    host_.SetupFailed();
}

void TTcpProtocol::Ask(const char* what)
{
    awaited_ = what;
    SendText(std::string("??") + what);
}

void TTcpProtocol::RefuseValue(const char* why, const std::string& arg)
{
    SetupFail(why + SjisToUtf8(CutSjis(arg, 16)));
}

void TTcpProtocol::Answer(const std::string& command, const std::string& arg)
{
    // An answer counts only as the one this side waits for in a set-up its
    // user started.
    const std::string which = command == "OK" || command == "NG" ? arg : command;
    if (awaited_.empty() || which != awaited_ || !host_.Ready())
        return;
    if (command == "NG") {
        // The peer is not ready: its own "??RD" will come.
        awaited_.clear();
    } else if (command == "OK" && arg == "RD") {
        // Both sides told each other "OKRD" at once: the side that
        // connected out drives, the listening side answers.
        if (answering_ && accepted_) {
            awaited_.clear();
            return;
        }
        answering_ = false;
        Ask("CO");
    } else if (command == "CO") {
        // The colours fit when exactly one side plays Black.
        if ((arg == "BL") == host_.LocalBlack())
            SetupFail(Msg("Setting of coloring boad is incorrect", "色の設定が違います"));
        else
            Ask("SZ");
    } else if (command == "SZ") {
        int n = 0;
        if (!TcpNumberParse(arg, n) || !(n == 9 || n == 13 || n == 19)) {
            RefuseValue(Msg("The opponent's board size cannot be played: ", "相手の盤の大きさでは対局できません: "), arg);
        } else {
            size_ = n;
            host_.SizeReceived(n);
            Ask("HA");
        }
    } else if (command == "HA") {
        int n = 0;
        if (!TcpNumberParse(arg, n) || n > 14 || (n > 9 && size_ != 19)) {
            RefuseValue(Msg("The opponent's handicap cannot be played: ", "相手の置き石では対局できません: "), arg);
        } else {
            host_.TeaiReceived(n);
            Ask("KM");
        }
    } else if (command == "KM") {
        float komi = 0;
        if (!TcpKomiParse(arg, komi)) {
            RefuseValue(Msg("The opponent's komi is not a number: ", "相手のコミが数ではありません: "), arg);
        } else {
            host_.KomiReceived(komi);
            Ask("KF");
        }
    } else if (command == "KF") {
        if (LoadKifu(arg))
            Ask("ST");
    } else if (command == "OK" && arg == "ST") {
        awaited_.clear();
        host_.StartGame();
    }
}

bool TTcpProtocol::LoadKifu(const std::string& arg)
{
    std::vector<Point> moves;
    std::string why;
    if (arg != "NO" && !TcpKifuParse(arg, size_, moves, why)) {
        SetupFail(why);
        return false;
    }
    if (!host_.MovesReceived(moves, why)) {
        SetupFail(why);
        return false;
    }
    return true;
}

void TTcpProtocol::PeerMoveReceived(const std::string& arg)
{
    if (!host_.PeerToMove())
        return;
    Point p;
    const int size = host_.SetupSize();
    const bool parsed = TcpMoveParse(arg, p);
    std::string why;
    if (!parsed || (p != kPass && (p.x < 1 || p.y < 1 || p.x > size || p.y > size))) {
        why = std::string(Msg("The opponent's move is not on the board: ", "相手の手が盤上にありません: "))
              + (parsed ? PointText(p.x, p.y) : "\"" + SjisToUtf8(arg) + "\"");
    } else if (host_.PeerMove(p, why)) {
        return;
    }
    // Stopped first: the message box lets the connection's events in, and
    // the game they may end is over already.
    host_.GameStop();
    host_.Message(why + Msg(" The game was stopped.", " 対局を中止しました。"));
}

} // namespace vorn

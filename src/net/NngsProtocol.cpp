#include "net/NngsProtocol.h"

#include <algorithm>
#include <cstdio>

#include "board/Hooks.h"
#include "records/Charset.h"

namespace vorn {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWith(const std::string& s, const char* prefix)
{
    return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// A decimal number of at most six digits at s[i]; i moves past it.
bool ReadNumber(const std::string& s, std::size_t& i, int& n)
{
    const std::size_t start = i;
    n = 0;
    while (i < s.size() && IsDigit(s[i]) && i - start < 6)
        n = n * 10 + (s[i++] - '0');
    return i > start && (i == s.size() || !IsDigit(s[i]));
}

void SkipBlanks(const std::string& s, std::size_t& i)
{
    while (i < s.size() && s[i] == ' ')
        ++i;
}

// The server shortens a player's name to the part given in a request.
bool NameMatches(const std::string& requested, const std::string& name)
{
    if (requested.empty() || requested.size() > name.size())
        return false;
    for (std::size_t i = 0; i < requested.size(); ++i)
        if (Lower(requested[i]) != Lower(name[i]))
            return false;
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// Line forms

std::string NngsMoveText(int x, int y, int size)
{
    if (x == 0)
        return "pass";
    char buf[16];
    const char column = static_cast<char>(x < 9 ? 'a' - 1 + x : 'a' + x);
    std::snprintf(buf, sizeof buf, "%c%.2d", column, size + 1 - y);
    return buf;
}

std::string NngsMatchText(const std::string& opponent, bool localBlack, int size)
{
    return "match " + opponent + (localBlack ? " B" : " W") + " " + std::to_string(size) + " 40 0";
}

bool NngsSplitCode(const std::string& line, int& code, std::string& text)
{
    std::size_t i = 0;
    if (!ReadNumber(line, i, code))
        return false;
    if (i < line.size() && line[i] != ' ')
        return false;
    text = i < line.size() ? line.substr(i + 1) : std::string();
    return true;
}

bool NngsParseMoveLine(const std::string& text, int& number, int& colour, std::string& move)
{
    std::size_t i = 0;
    SkipBlanks(text, i);
    if (!ReadNumber(text, i, number))
        return false;
    if (text.compare(i, 1, "(") != 0 || i + 4 > text.size() || text.compare(i + 2, 2, "):") != 0)
        return false;
    const char c = text[i + 1];
    if (c != 'B' && c != 'W')
        return false;
    colour = c == 'B' ? kKuro : kSiro;
    i += 4;
    SkipBlanks(text, i);
    const std::size_t end = text.find(' ', i);
    move = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
    return !move.empty();
}

bool NngsParsePoint(const std::string& move, int size, Point& p)
{
    if (move == "Pass") {
        p = kPass;
        return true;
    }
    if (move.size() < 2 || move.size() > 3)
        return false;
    const char c = Lower(move[0]);
    if (c < 'a' || c > 't' || c == 'i')
        return false;
    const int x = c < 'i' ? c - 'a' + 1 : c - 'a';
    std::size_t i = 1;
    int r = 0;
    if (!ReadNumber(move, i, r) || i != move.size())
        return false;
    if (x > size || r < 1 || r > size)
        return false;
    p = Point(x, size + 1 - r);
    return true;
}

bool NngsParseHeader(const std::string& text, int& game)
{
    if (!StartsWith(text, "Game "))
        return false;
    std::size_t i = 5;
    return ReadNumber(text, i, game) && i < text.size() && text[i] == ' ';
}

bool NngsParseMatchNotice(const std::string& text, int& game, std::string& opponent)
{
    if (!StartsWith(text, "Creating match ["))
        return false;
    std::size_t i = 16;
    if (!ReadNumber(text, i, game) || text.compare(i, 7, "] with ") != 0)
        return false;
    i += 7;
    if (text.size() < i + 2 || text.back() != '.')
        return false;
    opponent = text.substr(i, text.size() - 1 - i);
    return opponent.find(' ') == std::string::npos;
}

// ---------------------------------------------------------------------------
// Connection

void TNngsProtocol::Opened(const std::string& peer)
{
    buffer_.clear();
    shown_ = 0;
    skipLf_ = cutting_ = false;
    host_.ConnectionChanged(true, peer, "");
}

void TNngsProtocol::Closed()
{
    // A game on the server does not outlive the connection for this side.
    state_ = TState::Idle;
    host_.ConnectionChanged(false, "", "");
}

void TNngsProtocol::Failed(int code, const std::string& text)
{
    state_ = TState::Idle;
    std::string why = Msg("Communication error ", "通信エラー ") + std::to_string(code);
    if (!text.empty())
        why += " (" + text + ")";
    host_.ConnectionChanged(false, "", why);
}

// ---------------------------------------------------------------------------
// Receiving

void TNngsProtocol::Receive(const std::string& bytes)
{
    buffer_ += bytes;
    if (busy_)
        return;
    busy_ = true;
    Process();
    busy_ = false;
    host_.InputHandled();
}

void TNngsProtocol::Process()
{
    // A message box shown while a line is handled lets more bytes in: they
    // join the buffer and this loop takes them in order.
    std::size_t start = 0;
    for (;;) {
        std::size_t i = start;
        if (skipLf_ && i < buffer_.size()) {
            skipLf_ = false;
            if (buffer_[i] == '\n')
                start = ++i;
        }
        while (i < buffer_.size() && buffer_[i] != '\r' && buffer_[i] != '\n')
            ++i;
        if (i == buffer_.size())
            break;
        const std::string line = buffer_.substr(start, i - start);
        // The part of the first line that the memo already shows.
        const std::size_t shown = start == 0 ? std::min(shown_, line.size()) : 0;
        shown_ = 0;
        skipLf_ = buffer_[i] == '\r';
        start = i + 1;
        if (cutting_) {
            cutting_ = false;
            continue;
        }
        ParseLine(line, shown);
    }
    buffer_.erase(0, start);
    if (cutting_) {
        buffer_.clear();
        return;
    }
    if (buffer_.size() > kNngsLineMax) {
        // Shown, never looked at; the rest of the line goes unseen.
        host_.MemoLine(SjisToUtf8(SjisHead(buffer_.substr(shown_), kNngsLineMax)));
        buffer_.clear();
        shown_ = 0;
        cutting_ = true;
        return;
    }
    if (buffer_.size() > shown_)
        host_.MemoTail(SjisToUtf8(buffer_.substr(shown_)));
}

void TNngsProtocol::ParseLine(const std::string& bytes, std::size_t shown)
{
    if (shown == 0 || shown < bytes.size())
        host_.MemoLine(SjisToUtf8(bytes.substr(shown)));
    int code = 0;
    std::string text;
    if (!NngsSplitCode(bytes, code, text))
        return;
    if (code == kNngsCodeInfo)
        Info(text);
    else if (code == kNngsCodeMove)
        ParseMove(text);
}

void TNngsProtocol::Info(const std::string& text)
{
    int game = 0;
    std::string name;
    if (state_ == TState::MatchPending && NngsParseMatchNotice(text, game, name) && NameMatches(opponent_, name)) {
        state_ = TState::Playing;
        game_ = game;
        header_ = 0;
        doneSent_ = false;
        opponent_ = name;
        if (!host_.MatchCreated(game, SjisToUtf8(name)))
            state_ = TState::Idle;
        return;
    }
    if (state_ != TState::Playing)
        return;
    if (StartsWith(text, "You can check your score")) {
        host_.GameEnded(false);
    } else if (text == opponent_ + " has resigned the game.") {
        state_ = TState::Idle;
        host_.GameEnded(true);
    } else if (StartsWith(text, "{Game ")) {
        // The server's closing line of a game: ours is over there.
        std::size_t i = 6;
        if (ReadNumber(text, i, game) && game == game_ && text.compare(i, 1, ":") == 0)
            state_ = TState::Idle;
    }
}

void TNngsProtocol::ParseMove(const std::string& text)
{
    int game = 0;
    if (NngsParseHeader(text, game)) {
        header_ = game;
        return;
    }
    if (state_ != TState::Playing || header_ != game_)
        return;
    int number = 0, colour = 0;
    std::string move;
    if (!NngsParseMoveLine(text, number, colour, move))
        return;
    // Our own moves come back too, one number earlier.
    if (number != host_.MoveNumber() || colour != host_.ToMove())
        return;
    Point p;
    if (NngsParsePoint(move, host_.BoardSize(), p))
        host_.OpponentMove(p, move);
    else
        host_.OpponentMoveUnreadable(SjisToUtf8(move));
}

// ---------------------------------------------------------------------------
// Sending

bool TNngsProtocol::SendLine(const std::string& text, bool apart)
{
    bool sent = false;
    // A prompt the server left open stays in the memo as it is; the rest
    // of its line, if any, follows as a line of its own.
    if (!busy_)
        shown_ = buffer_.size();
    if (Connected()) {
        const std::string bytes = Utf8ToSjis(text);
        sent = apart ? transport_->Write(bytes) && transport_->Write("\r") : transport_->Write(bytes + "\r");
    }
    host_.Sent(text, sent);
    return sent;
}

bool TNngsProtocol::SendMove(int x, int y, int size) { return SendLine(NngsMoveText(x, y, size)); }

bool TNngsProtocol::RequestMatch(const std::string& opponent, bool localBlack, int size)
{
    if (!SendLine("set Client TRUE") || !SendLine(NngsMatchText(opponent, localBlack, size)))
        return false;
    state_ = TState::MatchPending;
    opponent_ = Utf8ToSjis(opponent);
    game_ = 0;
    return true;
}

void TNngsProtocol::SendDone()
{
    if (doneSent_)
        return;
    doneSent_ = SendLine("done");
}

} // namespace vorn

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

bool NngsParsePlayers(const std::string& text, std::string& white, std::string& black)
{
    const std::size_t w = text.find(": ");
    const std::size_t vs = text.find(" vs ");
    if (w == std::string::npos || vs == std::string::npos || vs < w)
        return false;
    white = text.substr(w + 2, text.find(' ', w + 2) - (w + 2));
    black = text.substr(vs + 4, text.find(' ', vs + 4) == std::string::npos ? std::string::npos
                                                                             : text.find(' ', vs + 4) - (vs + 4));
    return !white.empty() && !black.empty() && white.find('(') == std::string::npos;
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

namespace {

// A decimal number as the server writes a count: digits, a point, a sign.
bool ParseCount(const std::string& s, float& v)
{
    if (s.empty() || s.size() > 12)
        return false;
    std::size_t i = s[0] == '-' ? 1 : 0;
    bool digits = false, point = false;
    float whole = 0.0f, scale = 1.0f;
    for (; i < s.size(); ++i) {
        if (s[i] == '.' && !point) {
            point = true;
        } else if (IsDigit(s[i])) {
            digits = true;
            if (point) {
                scale /= 10.0f;
                whole += static_cast<float>(s[i] - '0') * scale;
            } else {
                whole = whole * 10.0f + static_cast<float>(s[i] - '0');
            }
        } else {
            return false;
        }
    }
    v = s[0] == '-' ? -whole : whole;
    return digits;
}

// "W 22.5 B 1.0" at the end of the words.
bool ParseCountWords(const std::string& words, float& white, float& black)
{
    const std::size_t w = words.rfind("W ");
    if (w == std::string::npos || (w > 0 && words[w - 1] != ' '))
        return false;
    const std::size_t b = words.find(" B ", w + 2);
    if (b == std::string::npos)
        return false;
    return ParseCount(words.substr(w + 2, b - w - 2), white) && ParseCount(words.substr(b + 3), black);
}

} // namespace

bool NngsParseClosing(const std::string& text, int& game, TNngsEnd& end)
{
    if (!StartsWith(text, "{Game ") || text.back() != '}')
        return false;
    std::size_t i = 6;
    if (!ReadNumber(text, i, game) || text.compare(i, 2, ": ") != 0)
        return false;
    const std::size_t sep = text.find(" : ", i);
    if (sep == std::string::npos)
        return false;
    const std::string words = text.substr(sep + 3, text.size() - 1 - (sep + 3));
    end = TNngsEnd{};
    end.text = words;
    const int loser = StartsWith(words, "White ") ? kSiro : StartsWith(words, "Black ") ? kKuro : 0;
    const int other = loser == kSiro ? kKuro : loser == kKuro ? kSiro : 0;
    if (ParseCountWords(words, end.white, end.black)) {
        end.way = TNngsEnd::Counted;
        end.winner = end.white > end.black ? kSiro : end.black > end.white ? kKuro : 0;
    } else if (loser != 0 && words.find(" resigns") != std::string::npos) {
        end.way = TNngsEnd::Resigned;
        end.winner = other;
    } else if (loser != 0 && words.find(" on time") != std::string::npos) {
        end.way = TNngsEnd::OnTime;
        end.winner = other;
    } else if (words.find("adjourned") != std::string::npos) {
        end.way = TNngsEnd::Adjourned;
    }
    return true;
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
    if (code == kNngsCodePrompt) {
        moveSent_ = false;
    } else if (code == kNngsCodeError) {
        // The answer to the move we sent: refused.
        if (moveSent_ && state_ == TState::Playing) {
            moveSent_ = false;
            host_.MoveRefused(SjisToUtf8(text));
        }
    } else if (code == kNngsCodeMove) {
        ParseMove(text);
    } else if (code == kNngsCodeInfo || code == kNngsCodeShout) {
        // The closing line of a game comes as information or as a shout.
        int game = 0;
        TNngsEnd end;
        if (state_ == TState::Playing && NngsParseClosing(text, game, end)) {
            if (game == game_)
                Close(end);
        } else if (code == kNngsCodeInfo) {
            Info(text);
        }
    }
}

void TNngsProtocol::Close(TNngsEnd end)
{
    state_ = TState::Idle;
    moveSent_ = false;
    end.text = SjisToUtf8(end.text);
    host_.GameClosed(end);
}

void TNngsProtocol::Info(const std::string& text)
{
    int game = 0;
    std::string name;
    if (state_ == TState::MatchPending && NngsParseMatchNotice(text, game, name) && NameMatches(opponent_, name)) {
        state_ = TState::Playing;
        game_ = game;
        header_ = 0;
        self_.clear();
        counting_ = false;
        doneSent_ = false;
        opponent_ = name;
        if (!host_.MatchCreated(game, SjisToUtf8(name)))
            state_ = TState::Idle;
        return;
    }
    if (state_ != TState::Playing)
        return;
    const int local = localBlack_ ? kKuro : kSiro;
    const int remote = localBlack_ ? kSiro : kKuro;
    static const std::string kResigned = " has resigned the game.";
    TNngsEnd end;
    end.text = text;
    if (StartsWith(text, "You can check your score")) {
        counting_ = true;
        host_.CountingBegan();
    } else if (text.size() > kResigned.size() && text.compare(text.size() - kResigned.size(), kResigned.size(), kResigned) == 0
               && text.find(' ') == text.size() - kResigned.size()) {
        // The opponent resigned, or we did (typed in the window); another
        // game's resignation (one we watch) is not ours.
        const std::string name = text.substr(0, text.size() - kResigned.size());
        // In counting, the loser's "resignation" comes before the closing
        // line that gives the count: that line ends the game.
        if ((name != opponent_ && name != self_) || counting_)
            return;
        end.way = TNngsEnd::Resigned;
        end.winner = name == opponent_ ? local : remote;
        Close(end);
    } else if (text == "Game has been adjourned.") {
        end.way = TNngsEnd::Adjourned;
        Close(end);
    }
}

void TNngsProtocol::ParseMove(const std::string& text)
{
    int game = 0;
    if (NngsParseHeader(text, game)) {
        header_ = game;
        std::string white, black;
        if (state_ == TState::Playing && game == game_ && NngsParsePlayers(text, white, black))
            self_ = localBlack_ ? black : white;
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

bool TNngsProtocol::SendMove(int x, int y, int size)
{
    const bool sent = SendLine(NngsMoveText(x, y, size));
    moveSent_ = sent && state_ == TState::Playing;
    return sent;
}

bool TNngsProtocol::RequestMatch(const std::string& opponent, bool localBlack, int size)
{
    if (!SendLine("set Client TRUE") || !SendLine(NngsMatchText(opponent, localBlack, size)))
        return false;
    state_ = TState::MatchPending;
    localBlack_ = localBlack;
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

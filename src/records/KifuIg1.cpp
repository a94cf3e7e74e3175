#include "records/KifuIg1.h"

#include <algorithm>

#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/Charset.h"

namespace vorn {

std::string KifuLine;
int KifuTokPos = 1;

namespace {

const std::string kEol = "\r\n";
const std::string kWideBlank = "\xE3\x80\x80"; // the full-width blank
const std::string kSjisWideBlank = "\x81\x40";  // the same in Shift-JIS
// The comment line that opens a running record (the version follows).
const std::string kRunningMark = "#COMMENT VORN";

// Board size of the last INT line while a file is read.
int g_ig1Size = 19;
// A failure of the running record has been reported in this game.
bool g_recReported = false;

// A header value on one line.
std::string OneLine(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

// Writer lines from "#COMMENT" to "RESULT", in UTF-8.
std::string HeaderLines()
{
    const TKifuHeader h = Shell().GameInfoFields();
    std::string out = "#COMMENT" + kEol;
    out += "GAME_NAME " + OneLine(h.GameName) + kEol;
    out += "DATE " + OneLine(h.Date) + kEol;
    out += "PLACE " + OneLine(h.Place) + kEol;
    out += "KOMI " + OneLine(h.Komi) + kEol;
    out += "WHO " + std::to_string(PlayerKind[kKuro]) + " " + std::to_string(PlayerKind[kSiro]) + kEol;
    out += "PLAYER_WHITE " + OneLine(h.WhitePlayer) + kEol;
    out += "PLAYER_BLACK " + OneLine(h.BlackPlayer) + kEol;
    out += "TIME_WHITE " + OneLine(h.WhiteTime) + kEol;
    out += "TIME_BLACK " + OneLine(h.BlackTime) + kEol;
    out += "RESULT " + OneLine(h.Result) + kEol;
    return out;
}

std::string IntLine() { return "INT " + std::to_string(BoardSize) + " " + std::to_string(Handicap) + kEol; }

void RecWrite(const std::string& bytes, bool append)
{
    std::string error;
    if (KifuWriteQuiet(KifuRecName, bytes, append, error)) {
        if (!append)
            g_recReported = false;
        return;
    }
    if (g_recReported)
        return;
    g_recReported = true;
    Shell().ShowMessage(Msg("Cannot write the running record ", "対局の記録ファイルに書き込めません: ") + KifuRecName
                        + " (" + error + ")");
}

// True for a byte that can follow a Shift-JIS lead byte.
bool SjisSecondByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// The next token of KifuLine, its characters stepped through as the
// character set splits them, with that set's full-width blank.
std::string NextToken(TByteKind kind, const std::string& wideBlank)
{
    if (KifuTokPos < 1)
        KifuTokPos = 1;
    std::string token;
    std::size_t i = static_cast<std::size_t>(KifuTokPos) - 1;
    const std::size_t n = KifuLine.size();
    while (i < n) {
        const bool blank = KifuLine[i] == ' ';
        const bool wide = !blank && KifuLine.compare(i, wideBlank.size(), wideBlank) == 0;
        if (blank || wide) {
            if (!token.empty())
                break;
            i += blank ? 1 : wideBlank.size();
            continue;
        }
        std::size_t len = std::min<std::size_t>(
            static_cast<std::size_t>(CharsetCharLen(kind, static_cast<unsigned char>(KifuLine[i]))), n - i);
        // A Shift-JIS lead byte takes the next byte only when that byte can
        // be a second byte: a stray lead byte (a damaged file, or text in
        // another code) leaves the blank behind it to end the token.
        if (len == 2 && kind == TByteKind::ShiftJis && !SjisSecondByte(static_cast<unsigned char>(KifuLine[i + 1])))
            len = 1;
        token.append(KifuLine, i, len);
        i += len;
    }
    KifuTokPos = static_cast<int>(i) + 1;
    return token;
}

// KifuToken on a line of Shift-JIS bytes: a character's second byte is never
// taken for a blank or the start of one.
std::string SjisToken() { return NextToken(TByteKind::ShiftJis, kSjisWideBlank); }

} // namespace

std::string KifuToken() { return NextToken(TByteKind::Single, kWideBlank); }

std::string KifuTokenRest(std::size_t maxBytes)
{
    std::size_t start = KifuTokPos < 1 ? 0 : static_cast<std::size_t>(KifuTokPos) - 1;
    if (start < KifuLine.size())
        start += KifuLine.compare(start, kWideBlank.size(), kWideBlank) == 0 ? kWideBlank.size() : 1;
    const std::string value = start < KifuLine.size() ? KifuLine.substr(start) : std::string();
    return CutSjisBytes(value, maxBytes);
}

std::string KifuIg1Token(Point p)
{
    char letter = 'A';
    if (p.x >= 1 && p.x <= 8)
        letter = static_cast<char>(64 + p.x);
    else if (p.x >= 9 && p.x <= 19)
        letter = static_cast<char>(65 + p.x);
    const int row = (p.x == 0 || p.y < 0 || p.y > 19) ? 0 : p.y;
    std::string t(1, letter);
    t += static_cast<char>('0' + row / 10);
    t += static_cast<char>('0' + row % 10);
    t += ' ';
    return t;
}

bool KifuIg1Int(TKifuRecord& record, std::string& why)
{
    KifuTokPos = 1;
    KifuToken();
    const std::string sizeText = KifuToken();
    const std::string handicapText = KifuToken();
    int size = 0, handicap = 0;
    if (!KifuParseInt(sizeText, size) || !KifuValidSize(size)) {
        why = std::string(Msg("a board size other than 9, 13 or 19:", "9、13、19 路以外の盤です:")) + " " + KifuLine;
        return false;
    }
    if (!KifuParseInt(handicapText, handicap) || !KifuValidHandicap(handicap)) {
        why = std::string(Msg("a handicap outside 0 to 14:", "0 から 14 以外の置き石数です:")) + " " + KifuLine;
        return false;
    }
    g_ig1Size = size;
    record.Add(TKifuEvent::evReset, size, handicap);
    record.Add(TKifuEvent::evRecBegin);
    return true;
}

void KifuIg1Header(const std::string& keyword, TKifuRecord& record)
{
    static const std::pair<const char*, std::string*> kKeys[] = {
        {"PLAYER_WHITE", &KifuWhitePlayer}, {"PLAYER_BLACK", &KifuBlackPlayer}, {"TIME_BLACK", &KifuBlackTime},
        {"TIME_WHITE", &KifuWhiteTime},     {"GAME_NAME", &KifuGameName},       {"DATE", &KifuDate},
        {"PLACE", &KifuPlace},              {"KOMI", &KifuKomi},                {"RESULT", &KifuResult},
    };
    for (const auto& [key, target] : kKeys) {
        if (keyword != key)
            continue;
        // The whole rest of the line, as the writer wrote it.
        record.Header(*target, KifuTokenRest(std::string::npos));
        return;
    }
}

int KifuIg1Moves(TKifuRecord& record, std::string& why)
{
    KifuTokPos = 1;
    for (;;) {
        if (record.TooLarge(why))
            return kIg1Bad;
        const std::string tok = SjisToken();
        if (tok.empty())
            return kIg1More;
        if (tok.size() != 3) {
            if (tok[0] == '-')
                return kIg1End;
            continue; // other tokens carry nothing
        }
        // Nor does a word in Japanese that happens to take three bytes.
        if (std::any_of(tok.begin(), tok.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            continue;
        if (tok == "MAT") {
            record.Add(TKifuEvent::evTakeBack);
            continue;
        }
        const unsigned char letter = static_cast<unsigned char>(tok[0]);
        const bool digits = tok[1] >= '0' && tok[1] <= '9' && tok[2] >= '0' && tok[2] <= '9';
        int column = letter - 64;
        if (column > 9)
            --column; // "I" and "J" are both column 9
        const int row = digits ? (tok[1] - '0') * 10 + (tok[2] - '0') : -1;
        if (!digits || letter < '@' || letter > 'T') {
            why = std::string(Msg("an unreadable move:", "読めない着手です:")) + " " + tok;
            return kIg1Bad;
        }
        if (column == 0 || row == 0) {
            record.Add(TKifuEvent::evPass);
            continue;
        }
        if (column > g_ig1Size || row > g_ig1Size) {
            why = std::string(Msg("a move off the board:", "盤外の着手:")) + " " + tok;
            return kIg1Bad;
        }
        record.Add(TKifuEvent::evMove, column, row);
    }
}

bool KifuParseIg1(const std::string& bytes, TKifuRecord& record, std::string& why)
{
    record.Header(KifuBlackPlayer, "B");
    record.Header(KifuWhitePlayer, "W");
    // A file without an INT line is read on the board in force.
    g_ig1Size = BoardSize;
    // No Shift-JIS character contains a line-feed byte, so the file splits
    // into lines on its own bytes.  Header lines are read as text; move
    // lines are cut into tokens as the file's bytes stand, so that a word in
    // Japanese among the moves stays one token.
    bool moves = false, sized = false, ended = false, running = false;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        std::size_t end = bytes.find('\n', begin);
        if (end == std::string::npos)
            end = bytes.size();
        KifuLine.assign(bytes, begin, end - begin);
        begin = end + 1;
        if (!KifuLine.empty() && KifuLine.back() == '\r')
            KifuLine.pop_back();
        if (moves) {
            const int r = KifuIg1Moves(record, why);
            if (r == kIg1Bad)
                return false;
            if (r == kIg1End) {
                ended = true;
                break;
            }
            continue;
        }
        KifuLine = SjisToUtf8(KifuLine);
        // The running record has no "-": it ends wherever the game stood.
        if (KifuLine.compare(0, kRunningMark.size(), kRunningMark) == 0)
            running = true;
        KifuTokPos = 1;
        const std::string keyword = KifuToken();
        if (keyword == "INT") {
            if (!KifuIg1Int(record, why))
                return false;
            sized = true;
        } else if (keyword == "MOV") {
            if (!sized) {
                // Older files name no board: the moves go on a new game on
                // the board size and handicap in force.
                record.Add(TKifuEvent::evReset, BoardSize, Handicap);
                record.Add(TKifuEvent::evRecBegin);
            }
            moves = true;
        } else {
            KifuIg1Header(keyword, record);
        }
    }
    if (!sized && !moves) {
        why = Msg("neither a board size line \"INT\" nor a line \"MOV\"",
                  "盤の大きさの行 \"INT\" も行 \"MOV\" もありません");
        return false;
    }
    if (!ended && !running)
        record.CutShort(Msg("moves, before the closing \"-\"", "着手、終わりの \"-\" の前"));
    return true;
}

std::string KifuIg1Text()
{
    std::string out = HeaderLines() + IntLine() + "MOV" + kEol;
    const TTejun& t = GobanLv[0]->Tejun;
    std::string buffer;
    for (int n = 1; n <= t.Last(); ++n) {
        buffer += KifuIg1Token(t.GetTe(n));
        if (buffer.size() >= 60) {
            out += buffer + kEol;
            buffer.clear();
        }
    }
    out += buffer + "-" + kEol;
    return Utf8ToSjis(out);
}

bool KifuSaveIg1(const std::string& fileName) { return KifuWriteFile(fileName, KifuIg1Text()); }

std::string KifuIg1Losses()
{
    const TTejun& t = GobanLv[0]->Tejun;
    // Setup stones: the points of the placement grid and those placed or
    // cleared during the game, each counted once.
    Grid<unsigned char, 1, 19> setup = HaitiBan;
    for (const THaiti& e : t.GetHaiti())
        if (e.x >= 1 && e.y >= 1 && e.x <= 19 && e.y <= 19)
            setup[e.x][e.y] = 1;
    int stones = 0, comments = 0, marks = 0;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            stones += setup[x][y] != 0 ? 1 : 0;
    for (int n = 0; n <= t.Last(); ++n) {
        comments += t.HasComment(n) ? 1 : 0;
        marks += t.MarkCount(n);
    }
    const TKifuHeader h = Shell().GameInfoFields();
    const int ranks = (h.BlackKyu.empty() ? 0 : 1) + (h.WhiteKyu.empty() ? 0 : 1);
    // The header the file does keep, in Shift-JIS.
    int unwritable = 0;
    for (const std::string* s : {&h.GameName, &h.Date, &h.Place, &h.Komi, &h.WhitePlayer, &h.BlackPlayer,
                                 &h.WhiteTime, &h.BlackTime, &h.Result})
        unwritable += SjisLostChars(*s);
    std::string lost;
    auto add = [&lost](int count, const char* what) {
        if (count == 0)
            return;
        if (!lost.empty())
            lost += Msg(", ", "、");
        lost += std::string(what) + Msg(" (", "（") + std::to_string(count) + Msg(")", "）");
    };
    add(stones, Msg("setup stones", "置き石"));
    add(comments, Msg("comments", "コメント"));
    add(marks, Msg("marks", "記号"));
    add(ranks, Msg("ranks", "段級位"));
    add(unwritable, Msg("characters outside Shift-JIS, which become \"?\"", "Shift-JIS にない文字（「?」になります）"));
    if (lost.empty())
        return lost;
    return Msg("An .ig1 file does not keep ", ".ig1 形式のファイルには ") + lost
           + Msg("; they will be missing when the file is read again. Save as .ig1 all the same?",
                 " は保存されず、読み込み直すとなくなります。それでも .ig1 形式で保存しますか？");
}

bool KifuReadIg1(const std::string& fileName) { return KifuLoadWith(KifuParseIg1, fileName, false); }

bool KifuReadIg1Header(const std::string& fileName) { return KifuLoadWith(KifuParseIg1, fileName, true); }

void KifuRecBegin()
{
    const std::string text = HeaderLines() + kRunningMark + "5.91" + kEol + IntLine() + "MOV" + kEol;
    RecWrite(Utf8ToSjis(text), false);
}

void KifuRecBeginWithMoves()
{
    KifuRecBegin();
    const TTejun& t = GobanLv[0]->Tejun;
    std::string moves;
    for (int n = 1; n <= t.Last(); ++n) {
        moves += KifuIg1Token(t.GetTe(n));
        if (n % 10 == 0)
            moves += kEol;
    }
    if (!moves.empty())
        RecWrite(moves, true);
}

void KifuRecAddMove()
{
    const TTejun& t = GobanLv[0]->Tejun;
    const int n = t.Current();
    if (n < 1)
        return;
    std::string token = KifuIg1Token(t.GetTe(n));
    if (n % 10 == 0)
        token += kEol;
    RecWrite(token, true);
}

void KifuRecAddLine(const std::string& text) { RecWrite(Utf8ToSjis(text), true); }

void KifuRecAddBlank() { RecWrite(kEol, true); }

void KifuIg1Reset()
{
    KifuLine.clear();
    KifuTokPos = 1;
    g_ig1Size = 19;
    g_recReported = false;
}

} // namespace vorn

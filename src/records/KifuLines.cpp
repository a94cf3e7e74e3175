#include "records/KifuLines.h"

#include "board/Hooks.h"
#include "board/Goban.h"
#include "records/Charset.h"
#include "records/KifuIg1.h"

namespace vorn {

namespace {

constexpr std::size_t kUgfValueBytes = 40;
constexpr std::size_t kIcfNameBytes = 40;
constexpr std::size_t kIcfCommentBytes = 256;

// The lines of a text one after the other, without their CR LF.
class TLineReader {
public:
    explicit TLineReader(const std::string& text) : text_(text) {}
    bool Next(std::string& line)
    {
        if (pos_ >= text_.size())
            return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string::npos)
            end = text_.size();
        line.assign(text_, pos_, end - pos_);
        pos_ = end + 1;
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }

private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

// A line of the file as a message quotes it.
std::string Quoted(const std::string& utf8Line) { return " \"" + CutChars(utf8Line, 24) + "\""; }

bool NotANumber(const std::string& utf8Line, std::string& why)
{
    why = Msg("a number that cannot be read:", "読めない数値があります:") + Quoted(utf8Line);
    return false;
}

bool EndsBeforeMoves(std::string& why)
{
    why = Msg("the file ends before its moves begin", "着手の前でファイルが終わっています");
    return false;
}

// The two digits of a line from byte at (0-based) as a number.
bool IcfNumber(const std::string& line, std::size_t at, int& value)
{
    return at + 2 <= line.size() && KifuParseInt(line.substr(at, 2), value);
}

// A key line of .ugf (KifuLine): the key ends at a blank or "=", and the
// value starts one byte (or one full-width blank) after it.  "Key value"
// keeps at most 40 bytes; "Key=value" is a field of comma-separated data,
// whole, without the comma that ends it.
void UgfKeyLine(std::string& key, std::string& value)
{
    KifuTokPos = 1;
    const std::string first = KifuToken();
    const std::size_t equals = first.find('=');
    key = first.substr(0, equals);
    if (equals == std::string::npos) {
        value = KifuTokenRest(kUgfValueBytes);
        return;
    }
    KifuTokPos -= static_cast<int>(first.size() - equals);
    value = KifuTokenRest(std::string::npos);
    if (!value.empty() && value.back() == ',')
        value.pop_back();
}

// The items of a .ugf value, separated by blanks or commas.
std::vector<std::string> UgfItems(std::string value)
{
    static const std::string kWideBlank = "\xE3\x80\x80";
    for (std::size_t at = value.find(kWideBlank); at != std::string::npos; at = value.find(kWideBlank))
        value.replace(at, kWideBlank.size(), " ");
    std::vector<std::string> items(1);
    for (const char c : value) {
        if (c == ' ' || c == ',') {
            if (!items.back().empty())
                items.emplace_back();
        } else {
            items.back() += c;
        }
    }
    return items;
}

} // namespace

bool KifuParseWwg(const std::string& bytes, TKifuRecord& record, std::string& why)
{
    const std::string text = SjisToUtf8(bytes);
    TLineReader lines(text);
    int n = 0, size = 0, handicap = 0;
    while (lines.Next(KifuLine)) {
        switch (++n) {
        case 3: record.Header(KifuBlackPlayer, KifuLine); continue;
        case 6: record.Header(KifuWhitePlayer, KifuLine); continue;
        case 9:
            if (!KifuParseInt(KifuLine, size))
                return NotANumber(KifuLine, why);
            continue;
        case 10:
            if (!KifuParseInt(KifuLine, handicap))
                return NotANumber(KifuLine, why);
            if (!KifuBoardOk(size, handicap, why))
                return false;
            continue;
        case 11: record.Header(KifuKomi, KifuLine); continue;
        case 16: record.Header(KifuGameName, KifuLine); continue;
        case 17: record.Header(KifuDate, KifuLine); continue;
        case 18:
            record.Add(TKifuEvent::evReset, size, handicap);
            record.Add(TKifuEvent::evRecBegin);
            continue;
        default: break;
        }
        if (n < 18)
            continue;
        KifuTokPos = 1;
        const std::string colour = KifuToken();
        if (colour != "B" && colour != "W")
            continue;
        int x = 0, y = 0;
        if (!KifuParseInt(KifuToken(), x) || !KifuParseInt(KifuToken(), y))
            return NotANumber(KifuLine, why);
        record.Add(TKifuEvent::evMove, x + 1, y + 1);
        if (record.TooLarge(why))
            return false;
    }
    return n >= 18 || EndsBeforeMoves(why);
}

bool KifuParseUgf(const std::string& bytes, TKifuRecord& record, std::string& why)
{
    static const std::pair<const char*, std::string*> kKeys[] = {
        {"Title", &KifuGameName}, {"Place", &KifuPlace},         {"Date", &KifuDate},
        {"BMemb1", &KifuBlackPlayer}, {"WMemb1", &KifuWhitePlayer},
    };
    // Players as "name,rank,...": the name only.
    static const std::pair<const char*, std::string*> kPlayers[] = {
        {"PlayerB", &KifuBlackPlayer}, {"PlayerW", &KifuWhitePlayer},
    };
    const std::string text = SjisToUtf8(bytes);
    TLineReader lines(text);
    // A key the file leaves out keeps the board of the game before.
    int size = BoardSize, handicap = Handicap;
    bool data = false;
    while (lines.Next(KifuLine)) {
        KifuTokPos = 1;
        const std::string first = KifuToken();
        if (data) {
            // The moves end where the next section begins.
            if (first[0] == '[')
                break;
            if (first.size() < 2)
                continue;
            // A point is two capital letters; one off the board (most often
            // "YA") is how the files write a pass.
            const auto letter = [](char c) { return c >= 'A' && c <= 'Z'; };
            if (!letter(first[0]) || !letter(first[1])) {
                why = std::string(Msg("a line that is not a move:", "着手ではない行:")) + Quoted(KifuLine);
                return false;
            }
            const int x = first[0] - 64, y = first[1] - 64;
            if (x > size || y > size)
                record.Add(TKifuEvent::evPass);
            else
                record.Add(TKifuEvent::evMove, x, y);
            if (record.TooLarge(why))
                return false;
            continue;
        }
        if (KifuLine == "[Data]") {
            if (!KifuBoardOk(size, handicap, why))
                return false;
            record.Add(TKifuEvent::evReset, size, handicap);
            record.Add(TKifuEvent::evRecBegin);
            data = true;
            continue;
        }
        std::string key, value;
        UgfKeyLine(key, value);
        if (key == "Size") {
            if (!KifuParseInt(value, size))
                return NotANumber(KifuLine, why);
        } else if (key == "Hdcp") {
            const std::vector<std::string> items = UgfItems(value);
            if (!KifuParseInt(items[0], handicap))
                return NotANumber(KifuLine, why);
            record.Header(KifuKomi, items.size() > 1 ? items[1] : std::string());
        } else {
            for (const auto& [name, target] : kKeys)
                if (key == name)
                    record.Header(*target, value);
            for (const auto& [name, target] : kPlayers)
                if (key == name)
                    record.Header(*target, value.substr(0, value.find(',')));
        }
    }
    if (!data) {
        why = Msg("no line \"[Data]\" before the moves", "着手の前の行 \"[Data]\" がありません");
        return false;
    }
    return true;
}

void KifuIcfName(const std::string& line, TKifuRecord& record)
{
    static const std::string kBlack = Utf8ToSjis("黒："), kWhite = Utf8ToSjis("白：");
    const std::string head = line.substr(0, kBlack.size());
    if (head != kBlack && head != kWhite)
        return;
    const std::string name = SjisToUtf8(SjisHead(line.substr(head.size()), kIcfNameBytes));
    record.Header(head == kBlack ? KifuBlackPlayer : KifuWhitePlayer, name);
}

int KifuIcfHandicap(const std::string& line)
{
    static const std::pair<const char*, int> kTexts[] = {
        {"互先", 0},   {"先", 1},     {"２子局", 2}, {"３子局", 3}, {"３子局(S)", 3}, {"４子局", 4},
        {"５子局", 5}, {"６子局", 6}, {"７子局", 7}, {"８子局", 8}, {"９子局", 9},
    };
    const std::string text = SjisToUtf8(line);
    for (const auto& [name, handicap] : kTexts)
        if (text == name)
            return handicap;
    return -1;
}

bool KifuIcfSetup(const std::string& line, TKifuRecord& record, std::string& why)
{
    auto digit = [&line](std::size_t i) { return i < line.size() && line[i] >= '0' && line[i] <= '9'; };
    if (digit(1) && digit(2))
        record.Header(KifuKomi, (line[0] == 'S' ? "-" : "") + line.substr(1, 1) + "." + line.substr(2, 1));
    for (std::size_t i = 3; i < line.size();) {
        const char c = line[i];
        if (c == 'K' || c == 'S') {
            int x = 0, y = 0;
            if (!IcfNumber(line, i + 1, x) || !IcfNumber(line, i + 3, y))
                return NotANumber(SjisToUtf8(line.substr(i, 5)), why);
            // The file names no board size: it is read on the one in force.
            if (x < 1 || y < 1 || x > BoardSize || y > BoardSize) {
                why = std::string(Msg("a setup stone off the board:", "盤外の置き石:")) + " "
                      + KifuPointText(x, y);
                return false;
            }
            record.Add(TKifuEvent::evSetup, x, y, c == 'K' ? kKuro : kSiro);
            if (record.TooLarge(why))
                return false;
            i += 5;
        } else if (c == 'C') {
            const std::string raw = line.substr(i + 1, kIcfCommentBytes);
            record.Add(TKifuEvent::evComment, 0, 0, 0, SjisToUtf8(SjisHead(raw, kIcfCommentBytes)));
            i += 1 + kIcfCommentBytes;
        } else {
            ++i;
        }
    }
    return true;
}

bool KifuParseIcf(const std::string& bytes, TKifuRecord& record, std::string& why)
{
    record.Header(KifuGameName, "囲碁倶楽部");
    TLineReader lines(bytes);
    std::string line;
    int n = 0, handicap = Handicap;
    bool ended = false;
    while (lines.Next(line)) {
        if (line == "owa") {
            ended = true;
            break;
        }
        ++n;
        if (n == 1) {
            record.Header(KifuDate, SjisToUtf8(line));
        } else if (n <= 3) {
            KifuIcfName(line, record);
        } else if (n == 4) {
            // A text of no handicap keeps the game's.
            const int h = KifuIcfHandicap(line);
            if (h >= 0)
                handicap = h;
        } else if (n == 5) {
            record.Add(TKifuEvent::evReset, BoardSize, handicap);
            if (!KifuIcfSetup(line, record, why))
                return false;
            record.Add(TKifuEvent::evRecBegin);
        } else if (!line.empty()) {
            int x = 0, y = 0;
            if (!IcfNumber(line, 1, x) || !IcfNumber(line, 3, y))
                return NotANumber(SjisToUtf8(line), why);
            record.Add(TKifuEvent::evMove, x >= 20 ? x - 20 : x, y);
            if (record.TooLarge(why))
                return false;
        }
    }
    if (n < 5)
        return EndsBeforeMoves(why);
    if (!ended)
        record.CutShort(Msg("moves, before the closing \"owa\"", "着手、終わりの \"owa\" の前"));
    return true;
}

bool KifuReadWwg(const std::string& fileName) { return KifuLoadWith(KifuParseWwg, fileName, false); }

bool KifuReadWwgHeader(const std::string& fileName) { return KifuLoadWith(KifuParseWwg, fileName, true); }

bool KifuReadUgf(const std::string& fileName) { return KifuLoadWith(KifuParseUgf, fileName, false); }

bool KifuReadUgfHeader(const std::string& fileName) { return KifuLoadWith(KifuParseUgf, fileName, true); }

bool KifuReadIcf(const std::string& fileName) { return KifuLoadWith(KifuParseIcf, fileName, false); }

} // namespace vorn

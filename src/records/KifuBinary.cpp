#include "records/KifuBinary.h"

#include <algorithm>

#include "board/Hooks.h"
#include "board/Tejun.h"
#include "records/Charset.h"

namespace vorn {

namespace {

constexpr std::int64_t kGw1Header = 60;
constexpr std::int64_t kGw1Info = 195;
constexpr std::int64_t kGw1Move = 10;
constexpr std::int64_t kRe3Header = 36;
constexpr std::int64_t kRe3Info = 38;        // where the information block stands
constexpr std::int64_t kRe3InfoAfter = 112;  // a handicap byte from here on follows one
constexpr std::int64_t kRe3Move = 12;
constexpr std::int64_t kRe3MoveRead = 11;    // the last byte of a move record is not read
constexpr std::size_t kCommentBytes = 1500;
constexpr int kRe3MarkEnd = 255;

// The bytes of a file, read only within their bounds: an offset from the
// file may be anything, so every read first asks whether it lies inside.
class TFileBytes {
public:
    explicit TFileBytes(const std::string& bytes) : bytes_(bytes) {}

    // True when n bytes from offset at lie within the file.
    bool Has(std::int64_t at, std::int64_t n) const
    {
        const auto size = static_cast<std::int64_t>(bytes_.size());
        return at >= 0 && n >= 0 && at <= size && n <= size - at;
    }
    // The readers below answer 0 (or nothing) outside the file.
    int U8(std::int64_t at) const { return Has(at, 1) ? Byte(at) : 0; }
    std::int64_t I32(std::int64_t at) const { return Has(at, 4) ? LeInt32(Ptr(at)) : 0; }
    int U16(std::int64_t at) const { return Has(at, 2) ? LeInt16(Ptr(at)) : 0; }
    int I16(std::int64_t at) const { return Has(at, 2) ? static_cast<std::int16_t>(LeInt16(Ptr(at))) : 0; }
    std::string Raw(std::int64_t at, std::int64_t n) const
    {
        return Has(at, n) ? bytes_.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(n)) : std::string();
    }
    // A text field of fixed width: up to its first NUL, without the blanks
    // that pad it, never ending inside a character.
    std::string Field(std::int64_t at, std::int64_t width) const
    {
        std::string raw = Raw(at, width);
        raw = SjisHead(raw.substr(0, raw.find('\0')), raw.size());
        while (!raw.empty() && raw.back() == ' ')
            raw.pop_back();
        return SjisToUtf8(raw);
    }

private:
    int Byte(std::int64_t at) const { return static_cast<unsigned char>(bytes_[static_cast<std::size_t>(at)]); }
    const unsigned char* Ptr(std::int64_t at) const
    {
        return reinterpret_cast<const unsigned char*>(bytes_.data()) + static_cast<std::size_t>(at);
    }
    const std::string& bytes_;
};

// A comment as the readers keep it: the text up to a NUL, at most 1500
// bytes of the file, cut between characters.
std::string CommentText(const std::string& raw)
{
    return SjisToUtf8(SjisHead(raw.substr(0, raw.find('\0')), kCommentBytes));
}

const char* ShortHeader() { return Msg("the file is shorter than its header", "ヘッダーの途中でファイルが終わっています"); }

// Parts of a file named in the note of a record cut short.
const char* MovesPart() { return Msg("moves", "着手"); }
const char* CommentsPart() { return Msg("comments", "コメント"); }
const char* MarksPart() { return Msg("marks", "記号"); }

enum class TList { Done, Cut, TooLarge };

// The marks of one .re3 move from the entry at p up to the code 255.  A
// list that runs off the end of the file is dropped whole.
TList Re3Marks(const TFileBytes& f, std::int64_t p, TKifuRecord& record, std::string& why)
{
    const std::size_t before = record.events.size();
    for (;; p += 3) {
        if (!f.Has(p, 3) && !(f.Has(p, 1) && f.U8(p) == kRe3MarkEnd)) {
            record.events.resize(before);
            return TList::Cut;
        }
        const int code = f.U8(p);
        if (code == kRe3MarkEnd)
            return TList::Done;
        record.Add(TKifuEvent::evPlayedMark, 20 - f.U8(p + 1), f.U8(p + 2), 0, KifuRe3MarkText(code));
        if (record.TooLarge(why))
            return TList::TooLarge;
    }
}

// The comment of one .re3 move: count NUL-ended strings from p, joined.
// Reading stops once the kept part is complete.
bool Re3Comment(const TFileBytes& f, std::int64_t p, int count, TKifuRecord& record)
{
    std::string raw;
    for (int ended = 0; ended < count && raw.size() < kCommentBytes; ++p) {
        if (!f.Has(p, 1))
            return false;
        const int c = f.U8(p);
        if (c == 0)
            ++ended;
        else
            raw += static_cast<char>(c);
    }
    record.Add(TKifuEvent::evPlayedComment, 0, 0, 0, CommentText(raw));
    return true;
}

} // namespace

std::int32_t LeInt32(const unsigned char* bytes)
{
    const std::uint32_t u = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
                            | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(u);
}

std::uint16_t LeInt16(const unsigned char* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::string KifuRe3MarkText(int code)
{
    static const char* const kLetters[] = {"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ", "Ｉ"};
    static const char* const kDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８"};
    if (code >= 1 && code <= 9)
        return kLetters[code - 1];
    if (code == 10 || code == 19)
        return "△";
    if (code >= 11 && code <= 18)
        return kDigits[code - 11];
    if (code >= 20 && code <= 27)
        return kDigits[code - 20];
    return "？";
}

bool KifuParseGw1(const std::string& bytes, TKifuRecord& record, std::string& why)
{
    const TFileBytes f(bytes);
    if (!f.Has(0, kGw1Header)) {
        why = ShortHeader();
        return false;
    }
    const std::int64_t info = f.I32(0);
    const std::int64_t moves = f.I32(6);
    const int moveBytes = f.U16(10);
    const std::int64_t comments = f.I32(30);
    const int commentBytes = f.U16(34);
    if (!f.Has(info, kGw1Info)) {
        why = Msg("no game information where the header points", "ヘッダーの指す位置に対局情報がありません");
        return false;
    }
    const int size = f.U8(info), handicap = f.U8(info + 1);
    if (!KifuBoardOk(size, handicap, why))
        return false;
    record.Header(KifuGameName, f.Field(info + 2, 44));
    record.Header(KifuDate, f.Field(info + 66, 20));
    record.Header(KifuWhitePlayer, f.Field(info + 106, 12));
    record.Header(KifuBlackPlayer, f.Field(info + 128, 12));
    record.Add(TKifuEvent::evReset, size, handicap);
    record.Add(TKifuEvent::evRecBegin);

    // The format has no pass: a point off the board is skipped (and said so).
    for (int k = 0; k < moveBytes / kGw1Move; ++k) {
        const std::int64_t at = moves + kGw1Move * k;
        if (!f.Has(at, kGw1Move)) {
            record.CutShort(MovesPart());
            return true;
        }
        record.Add(TKifuEvent::evMove, f.U8(at + 2), f.U8(at + 3));
    }

    // Comments name their moves and are attached once all moves stand.
    const std::int64_t end = comments + commentBytes;
    for (std::int64_t p = comments; p < end;) {
        const int move = f.I16(p), length = f.I16(p + 2);
        if (!f.Has(p, 4) || (length >= 0 && !f.Has(p + 4, length))) {
            record.CutShort(CommentsPart());
            break;
        }
        if (length < 0)
            break;
        if (move >= 0 && move <= kMaxTe)
            record.Add(TKifuEvent::evCommentOf, move, 0, 0,
                       CommentText(f.Raw(p + 4, std::min<std::int64_t>(length, kCommentBytes))));
        p += 4 + length;
    }
    return true;
}

bool KifuParseRe3(const std::string& bytes, TKifuRecord& record, std::string& why)
{
    const TFileBytes f(bytes);
    if (!f.Has(0, kRe3Header)) {
        why = ShortHeader();
        return false;
    }
    const std::int64_t handicapAt = f.I32(0);
    const std::int64_t moves = f.I32(6);
    const int moveBytes = f.U16(10);
    const std::int64_t marks = f.I32(18);
    const std::int64_t comments = f.I32(30);
    if (!f.Has(handicapAt, 1)) {
        why = Msg("no handicap where the header points", "ヘッダーの指す位置に置き石数がありません");
        return false;
    }
    int handicap = f.U8(handicapAt);
    if (handicap == 1)
        handicap = 0;
    if (!KifuBoardOk(19, handicap, why))
        return false;
    if (handicapAt >= kRe3InfoAfter) {
        // The information block lies before the handicap byte, so within the file.
        record.Header(KifuWhitePlayer, f.Field(kRe3Info, 12));
        record.Header(KifuBlackPlayer, f.Field(kRe3Info + 13, 12));
        record.Header(KifuDate, f.Field(kRe3Info + 26, 8));
        record.Header(KifuGameName, f.Field(kRe3Info + 35, 38));
    } else {
        record.Header(KifuWhitePlayer, "　　　　　　");
        record.Header(KifuBlackPlayer, "　　　　　　");
    }
    record.Add(TKifuEvent::evReset, 19, handicap);
    record.Add(TKifuEvent::evRecBegin);

    // Captures are not read: playing the move takes them.  Marks and the
    // comment belong to the move just played, and go with it when refused.
    for (int k = 0; k < moveBytes / kRe3Move; ++k) {
        const std::int64_t at = moves + kRe3Move * k;
        if (!f.Has(at, kRe3MoveRead)) {
            record.CutShort(MovesPart());
            return true;
        }
        const int column = f.U8(at);
        if (column == 0)
            record.Add(TKifuEvent::evPass);
        else
            record.Add(TKifuEvent::evMove, 20 - column, f.U8(at + 1));
        const int markAt = f.U16(at + 4);
        const int commentAt = f.U16(at + 8);
        const int strings = f.U8(at + 10);
        if (markAt > 0) {
            const TList r = Re3Marks(f, marks + markAt - 1, record, why);
            if (r == TList::TooLarge)
                return false;
            if (r == TList::Cut) {
                record.CutShort(MarksPart());
                return true;
            }
        }
        if (strings > 0 && !Re3Comment(f, comments + commentAt, strings, record)) {
            record.CutShort(CommentsPart());
            return true;
        }
        if (record.TooLarge(why))
            return false;
    }
    return true;
}

bool KifuReadGw1(const std::string& fileName) { return KifuLoadWith(KifuParseGw1, fileName, false); }

bool KifuReadGw1Header(const std::string& fileName) { return KifuLoadWith(KifuParseGw1, fileName, true); }

bool KifuReadRe3(const std::string& fileName) { return KifuLoadWith(KifuParseRe3, fileName, false); }

bool KifuReadRe3Header(const std::string& fileName) { return KifuLoadWith(KifuParseRe3, fileName, true); }

} // namespace vorn

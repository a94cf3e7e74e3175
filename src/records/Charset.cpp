#include "records/Charset.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cctype>

namespace vorn {

namespace {

std::string Upper(const std::string& s)
{
    std::string u;
    for (char c : s)
        if (!std::isspace(static_cast<unsigned char>(c)))
            u += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

bool IsUtf8Name(const std::string& charset) { return charset == "UTF-8"; }

// Converts with iconv; a sequence the target cannot hold or the source does
// not allow becomes the replacement and the conversion goes on after it.
std::string Convert(const std::string& in, const std::string& from, const std::string& to)
{
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return in;
    const std::string replacement = IsUtf8Name(to) ? "\xEF\xBF\xBD" : "?";
    std::string out;
    out.reserve(in.size() * 3 / 2 + 16);
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (r != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: skip one character of the source.
        out += replacement;
        std::size_t skip = 1;
        if (IsUtf8Name(from))
            skip = static_cast<std::size_t>(Utf8CharLen(static_cast<unsigned char>(*src)));
        if (skip > left)
            skip = left;
        src += skip;
        left -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    // Flush a shift state, if the target has one.
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    iconv(cd, nullptr, nullptr, &dst, &room);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    iconv_close(cd);
    return out;
}

} // namespace

std::string CharsetCanonical(const std::string& name)
{
    const std::string u = Upper(name);
    if (u.empty())
        return u;
    if (u == "SHIFT_JIS" || u == "SHIFT-JIS" || u == "SJIS" || u == "X-SJIS" || u == "MS_KANJI"
        || u == "WINDOWS-31J" || u == "CP932" || u == "MS932" || u == "SHIFTJIS")
        return "CP932";
    if (u == "UTF8" || u == "UTF-8")
        return "UTF-8";
    return u;
}

bool CharsetKnown(const std::string& charset)
{
    if (charset.empty())
        return false;
    iconv_t cd = iconv_open("UTF-8", charset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(cd);
    return true;
}

TByteKind CharsetByteKind(const std::string& charset)
{
    if (charset == "CP932" || charset == "SHIFT_JIS" || charset == "SJIS" || charset == "IBM-943")
        return TByteKind::ShiftJis;
    // Sets whose second byte may fall into the ASCII range.
    if (charset == "GBK" || charset == "CP936" || charset == "GB18030" || charset == "BIG5" || charset == "BIG5-HKSCS"
        || charset == "CP950" || charset == "CP949" || charset == "UHC" || charset == "JOHAB")
        return TByteKind::DoubleByte;
    return TByteKind::Single;
}

std::string ToUtf8(const std::string& bytes, const std::string& charset)
{
    std::string from = CharsetCanonical(charset);
    if (!CharsetKnown(from))
        from = "CP932";
    if (from == "UTF-8") {
        if (IsValidUtf8(bytes))
            return bytes;
    }
    return Convert(bytes, from, "UTF-8");
}

std::string FromUtf8(const std::string& text, const std::string& charset)
{
    const std::string to = CharsetCanonical(charset);
    if (to == "UTF-8")
        return IsValidUtf8(text) ? text : Convert(text, "UTF-8", "UTF-8");
    bool ascii = true;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            ascii = false;
    if (ascii)
        return text;
    return Convert(text, "UTF-8", to);
}

int SjisLostChars(const std::string& text)
{
    const auto marks = [](const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '?')); };
    return marks(Utf8ToSjis(text)) - marks(text);
}

bool UnicodeText(const std::string& bytes, std::string& utf8)
{
    const auto starts = [&bytes](const char* head, std::size_t n) { return bytes.compare(0, n, head, n) == 0; };
    if (starts("\xEF\xBB\xBF", 3)) {
        utf8 = bytes.substr(3);
        if (!IsValidUtf8(utf8))
            utf8 = Convert(utf8, "UTF-8", "UTF-8");
        return true;
    }
    // Byte-order marks, the longer ones first; UTF-16 without a mark.
    static const struct {
        const char* head;
        std::size_t size;
        std::size_t mark;
        const char* from;
    } kForms[] = {
        {"\xFF\xFE\0\0", 4, 4, "UTF-32LE"}, {"\0\0\xFE\xFF", 4, 4, "UTF-32BE"}, {"\xFF\xFE", 2, 2, "UTF-16LE"},
        {"\xFE\xFF", 2, 2, "UTF-16BE"},      {"(\0", 2, 0, "UTF-16LE"},          {"\0(", 2, 0, "UTF-16BE"},
    };
    const char* from = nullptr;
    std::size_t mark = 0;
    for (const auto& f : kForms)
        if (starts(f.head, f.size)) {
            from = f.from;
            mark = f.mark;
            break;
        }
    if (from == nullptr)
        return false;
    utf8 = Convert(bytes.substr(mark), from, "UTF-8");
    return true;
}

int Utf8CharLen(unsigned char b)
{
    if (b >= 0xC2 && b <= 0xDF)
        return 2;
    if (b >= 0xE0 && b <= 0xEF)
        return 3;
    if (b >= 0xF0 && b <= 0xF4)
        return 4;
    return 1;
}

bool IsValidUtf8(const std::string& bytes)
{
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const int len = Utf8CharLen(b);
        if (len == 1 || i + static_cast<std::size_t>(len) > n)
            return false;
        const unsigned char b1 = static_cast<unsigned char>(bytes[i + 1]);
        // Overlong forms, surrogates and values above U+10FFFF.
        if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 > 0x9F) || (b == 0xF0 && b1 < 0x90)
            || (b == 0xF4 && b1 > 0x8F))
            return false;
        for (int k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(len);
    }
    return true;
}

std::string CutSjisBytes(const std::string& text, std::size_t maxBytes)
{
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        std::size_t len = static_cast<std::size_t>(Utf8CharLen(b));
        if (i + len > text.size())
            len = text.size() - i;
        std::size_t width = 2;
        if (b < 0x80) {
            width = 1;
        } else if (len == 3 && b == 0xEF) {
            // Half-width katakana U+FF61..U+FF9F take one byte in Shift-JIS.
            const unsigned code = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6)
                                  | (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            if (code >= 0xFF61 && code <= 0xFF9F)
                width = 1;
        }
        if (used + width > maxBytes)
            break;
        used += width;
        i += len;
    }
    return text.substr(0, i);
}

std::string SjisHead(const std::string& bytes, std::size_t maxBytes)
{
    std::size_t i = 0;
    const std::size_t end = bytes.size() < maxBytes ? bytes.size() : maxBytes;
    for (;;) {
        const std::size_t len =
            i < end ? static_cast<std::size_t>(CharsetCharLen(TByteKind::ShiftJis, static_cast<unsigned char>(bytes[i])))
                    : 0;
        if (len == 0 || i + len > end)
            break;
        i += len;
    }
    return bytes.substr(0, i);
}

std::string CutChars(const std::string& text, std::size_t maxChars)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < maxChars && i < text.size(); ++k) {
        std::size_t len = static_cast<std::size_t>(Utf8CharLen(static_cast<unsigned char>(text[i])));
        i += len;
    }
    return text.substr(0, i < text.size() ? i : text.size());
}

} // namespace vorn

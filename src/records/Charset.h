// Character sets at the file boundary.  Text inside the program is UTF-8;
// record files carry Shift-JIS (code page 932), UTF-8 or whatever an SGF
// file names in its CA property.  Conversion never fails: a byte sequence
// that cannot be converted becomes a replacement character.
#pragma once

#include <cstddef>
#include <string>

namespace vorn {

// How a character set splits bytes into characters, as far as a reader that
// looks for ASCII delimiters must know: in a double-byte set a lead byte
// takes the next byte with it, even when that byte looks like "\" or "]".
enum class TByteKind { Single, ShiftJis, DoubleByte };

// The name iconv knows for a character set named in a file (Shift_JIS, SJIS,
// MS_Kanji, Windows-31J -> CP932; utf8 -> UTF-8); empty for an empty name.
std::string CharsetCanonical(const std::string& name);
// True when iconv can convert from this (canonical) character set.
bool CharsetKnown(const std::string& charset);
TByteKind CharsetByteKind(const std::string& charset);
// Number of bytes of the character that starts with byte b (1 or 2).
inline int CharsetCharLen(TByteKind kind, unsigned char b)
{
    switch (kind) {
    case TByteKind::ShiftJis: return ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
    case TByteKind::DoubleByte: return (b >= 0x81 && b <= 0xFE) ? 2 : 1;
    case TByteKind::Single: break;
    }
    return 1;
}

// Bytes in the character set -> UTF-8 ("?" for what cannot be converted; an
// unknown character set is taken as CP932).
std::string ToUtf8(const std::string& bytes, const std::string& charset);
// UTF-8 -> bytes in the character set ("?" for what it cannot hold).
std::string FromUtf8(const std::string& text, const std::string& charset);
// Shorthands for the Shift-JIS files.
inline std::string SjisToUtf8(const std::string& bytes) { return ToUtf8(bytes, "CP932"); }
inline std::string Utf8ToSjis(const std::string& text) { return FromUtf8(text, "CP932"); }
// How many characters of a UTF-8 text Shift-JIS cannot hold (each becomes
// "?" in Utf8ToSjis).
int SjisLostChars(const std::string& text);

// A text that announces its Unicode form, with a byte-order mark (UTF-8,
// UTF-16 or UTF-32) or as UTF-16 whose first character is "(", in UTF-8
// (the mark left out); false for any other bytes.
bool UnicodeText(const std::string& bytes, std::string& utf8);

bool IsValidUtf8(const std::string& bytes);
// Length of the UTF-8 sequence that starts with byte b (1 for a stray byte).
int Utf8CharLen(unsigned char b);
// The longest head of a UTF-8 text that takes at most maxBytes bytes in
// Shift-JIS, cut between characters.
std::string CutSjisBytes(const std::string& text, std::size_t maxBytes);
// The longest head of Shift-JIS bytes that takes at most maxBytes bytes and
// ends between two characters (a lead byte without its trail byte is left
// out too).
std::string SjisHead(const std::string& bytes, std::size_t maxBytes);
// The first maxChars characters of a UTF-8 text.
std::string CutChars(const std::string& text, std::size_t maxChars);

} // namespace vorn

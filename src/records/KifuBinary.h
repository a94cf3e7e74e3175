// The two binary record formats, read only: .gw1 and .re3.  Both are fixed
// blocks of bytes found through offsets in a header, integers little-endian,
// text in Shift-JIS.
//
// .gw1: a 60-byte header (information block, move data and comment data:
// offsets and lengths), an information block with board size, handicap,
// game name, date and the two players, 10-byte move records (x, y in bytes 2
// and 3), and comment records "move number, length, text" one after another.
//
// .re3: a 36-byte header (offsets of the handicap byte, the moves, the
// captures, the marks and the comments), an information block at offset 38
// when the handicap byte lies at 112 or further, 12-byte move records whose
// column counts from the right (x = 20 - code, code 0 a pass), mark lists
// (label code, column code, row; code 255 ends) and NUL-ended comment strings.
// The board is always 19x19.
//
// A block, record or list cut off by the end of the file ends the read there:
// the record keeps what came before it and says so in its note.  An offset
// outside the file counts as cut off.  A file whose header, board size or
// handicap cannot be read is refused.
#pragma once

#include <cstdint>
#include <string>

#include "records/Kifu.h"

namespace vorn {

// Little-endian integers: four bytes as a signed value, two bytes unsigned.
std::int32_t LeInt32(const unsigned char* bytes);
std::uint16_t LeInt16(const unsigned char* bytes);

bool KifuParseGw1(const std::string& bytes, TKifuRecord& record, std::string& why);
bool KifuParseRe3(const std::string& bytes, TKifuRecord& record, std::string& why);

// The halves of KifuLoad and KifuLoadHeader, for a name of any extension.
bool KifuReadGw1(const std::string& fileName);
bool KifuReadGw1Header(const std::string& fileName);
bool KifuReadRe3(const std::string& fileName);
bool KifuReadRe3Header(const std::string& fileName);

// The label of a .re3 mark code: "Ａ".."Ｉ", "△", "１".."８", "？" for others.
std::string KifuRe3MarkText(int code);

} // namespace vorn

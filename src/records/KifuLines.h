// The three line-based record formats, read only: .wwg, .ugf and .icf.
// Shift-JIS text, lines ending in CR LF (both are taken off before a line is
// matched), lines counted from 1.
//
// .wwg: fixed lines (3 Black, 6 White, 9 board size, 10 handicap, 11 komi,
// 16 game name, 17 date; the board starts at line 18), then move lines
// "B x y" or "W x y" with coordinates from 0.  The colour letter is not
// checked: the side to move plays.
//
// .ugf: key lines "Key value" (values up to 40 bytes) or "Key=value" (the
// whole field, without the comma that ends it) before the line "[Data]",
// then one move a line as two letters "A" = 1 .. "S" = 19 up to the next
// section line "[...]".  Hdcp holds handicap and komi, separated by a blank
// or a comma; PlayerB and PlayerW hold the name before the first comma.  A
// point off the board (most often "YA") is a pass; a line that is no point
// of two capital letters refuses the file.
//
// .icf: line 1 the date, lines 2 and 3 the players ("黒：" or "白："), line 4
// the handicap as text, line 5 komi, setup stones and a comment packed, then
// one move a line (columns 2-3 and 4-5 in decimal, 20 taken off a column of
// 20 or more) up to the line "owa".  The file names no board size: it is
// read on the board size in force.
//
// Moves off the board are skipped and reported by the replay; a number
// field that is no decimal number, a board the program does not play and a
// file that ends before its moves begin are refused.
#pragma once

#include <string>

#include "records/Kifu.h"

namespace vorn {

bool KifuParseWwg(const std::string& bytes, TKifuRecord& record, std::string& why);
bool KifuParseUgf(const std::string& bytes, TKifuRecord& record, std::string& why);
bool KifuParseIcf(const std::string& bytes, TKifuRecord& record, std::string& why);

// The halves of KifuLoad and KifuLoadHeader, for a name of any extension.
// An .icf header load sets 19 lines and the handicap of line 4.
bool KifuReadWwg(const std::string& fileName);
bool KifuReadWwgHeader(const std::string& fileName);
bool KifuReadUgf(const std::string& fileName);
bool KifuReadUgfHeader(const std::string& fileName);
bool KifuReadIcf(const std::string& fileName);

// .icf line handlers, on the bytes of one line.
// A player line: "黒：" or "白：" and the name (40 bytes); others are ignored.
void KifuIcfName(const std::string& line, TKifuRecord& record);
// The handicap a line 4 names, or -1 for a text of no handicap.
int KifuIcfHandicap(const std::string& line);
// Line 5: komi ("S" in front for a negative one, two digits), then setup
// stones "K" (black) or "S" (white) with column and row in two digits each,
// and "C" with the comment before the first move (256 bytes).  False with
// the reason for a setup stone that cannot be read or lies off the board.
bool KifuIcfSetup(const std::string& line, TKifuRecord& record, std::string& why);

} // namespace vorn

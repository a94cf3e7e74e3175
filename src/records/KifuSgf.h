// SGF records: the reader (the first game of a collection, its main line) and
// the writer (FF[4], UTF-8, one item per line, ten moves a line).
#pragma once

#include <string>

#include "records/Kifu.h"
#include "records/SgfTree.h"

namespace vorn {

// The file's bytes to a checked record: board size, handicap, header, setup
// stones, moves and passes, comments and marks of the main line.
bool KifuParseSgf(const std::string& bytes, TKifuRecord& record, std::string& why);
// The level-0 record as SGF text (UTF-8, lines ending in CR LF).
std::string KifuSgfText();
bool KifuSaveSgf(const std::string& fileName);

// The SGF halves of KifuLoad and KifuLoadHeader, for a name of any extension.
bool KifuReadSgf(const std::string& fileName);
bool KifuReadSgfHeader(const std::string& fileName);

// Setup stones of one AB, AW or AE property (colour 1, 2 or 0) into the
// record; false with the reason when a point lies off the board.
bool KifuSgfSetup(int colour, const TSgfProp& prop, int size, TKifuRecord& record, std::string& why);
// Marks of one markup property into the record; false when a point lies off
// the board.
bool KifuSgfMark(const TSgfProp& prop, int size, const std::string& charset, TKifuRecord& record, std::string& why);
// The label a markup property shows ("□", "×", "ａ", "○", "△"); nullptr
// for an identifier that is no markup.
const char* KifuSgfMarkText(const std::string& id);

} // namespace vorn

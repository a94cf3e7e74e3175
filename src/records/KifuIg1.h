// The .ig1 text format (GOTERM) and the running record "bug.ig1".  Files are
// Shift-JIS with CR LF line ends: a header of keyword lines, "INT size
// handicap", "MOV", then move tokens of four bytes ("D04 ", a pass "A00 ")
// up to "-".  The running record is complete on disk after every move; a
// take-back appends "MAT ".
#pragma once

#include <cstddef>
#include <string>

#include "board/Point.h"
#include "records/Kifu.h"

namespace vorn {

// The line a text reader is at (UTF-8, or the file's own Shift-JIS bytes for
// the move lines of .ig1) and the 1-based position in it where KifuToken
// goes on.
extern std::string KifuLine;
extern int KifuTokPos;

// The next token of KifuLine from KifuTokPos: blanks, half- or full-width,
// separate tokens; empty at the end of the line.
std::string KifuToken();
// The value behind a keyword just read by KifuToken: the rest of KifuLine
// after the one separator, at most maxBytes bytes of the (Shift-JIS) file,
// cut between characters.
std::string KifuTokenRest(std::size_t maxBytes);
// The four bytes of a move: column letter ("I" is skipped), row in two
// digits, a blank.  A pass is "A00 ".
std::string KifuIg1Token(Point p);

bool KifuParseIg1(const std::string& bytes, TKifuRecord& record, std::string& why);
// The level-0 record as .ig1 text (Shift-JIS bytes).
std::string KifuIg1Text();
bool KifuSaveIg1(const std::string& fileName);
// What an .ig1 file cannot keep of the level-0 game (setup stones, comments,
// marks, ranks, header characters outside Shift-JIS), as the question whether
// to save it so all the same; empty when the file keeps the whole game.
std::string KifuIg1Losses();
// The .ig1 halves of KifuLoad and KifuLoadHeader, for a name of any extension.
bool KifuReadIg1(const std::string& fileName);
bool KifuReadIg1Header(const std::string& fileName);

// Line handlers of the reader, on KifuLine.  KifuIg1Int: board size and
// handicap (false with the reason when the board does not support them).
bool KifuIg1Int(TKifuRecord& record, std::string& why);
// A header line with its keyword already read.
void KifuIg1Header(const std::string& keyword, TKifuRecord& record);
// A line of moves, the file's own bytes: kIg1More to go on, kIg1End at "-",
// kIg1Bad with the reason.  Tokens that are no move of three bytes (words in
// Japanese too) carry nothing.
enum { kIg1More = 0, kIg1End = 1, kIg1Bad = -1 };
int KifuIg1Moves(TKifuRecord& record, std::string& why);

// The running record (KifuRecName).  Callers write it only while KifuRecOn
// is 1.  KifuRecBegin rewrites it with the header of the game dialog;
// KifuRecAddMove appends move TTejun.Current of board 0 (a pass too), with a
// line end after every tenth move; KifuRecAddLine appends text as it is;
// KifuRecAddBlank a line end.  A failure is reported once per game.
void KifuRecBegin();
// KifuRecBegin, then the moves of board 0 up to the last one recorded: a
// game that goes on from a record read starts its running record so.
void KifuRecBeginWithMoves();
void KifuRecAddMove();
void KifuRecAddLine(const std::string& text);
void KifuRecAddBlank();

void KifuIg1Reset();

} // namespace vorn

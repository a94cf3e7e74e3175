// Game records: the front door of the record files.  The format is chosen by
// the file name's extension; a load reads and checks the whole file first and
// only then replaces the game on board 0, so a bad file leaves the current
// game as it was.  The moves of a record are replayed through the shell's move
// entry (Shell().BanUtu with analysis off), setup stones through
// Shell().HaitiIsi, and the header goes to the game strings of Hooks.h.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vorn {

// One step of a record as a reader found it, replayed in order by KifuApply.
struct TKifuEvent {
    enum EKind : unsigned char {
        evReset,         // new game: x = board size, y = handicap
        evRecBegin,      // the running record starts here (when it is on)
        evMove,          // a stone at (x, y); colour 1 or 2, or 0 when the format names none
        evPass,          // a pass
        evTakeBack,      // the last move is taken back
        evComment,       // text = the comment of the move shown now
        evMark,          // text = label at (x, y) on the move shown now
        evSetup,         // setup stone of colour (0 clears) at (x, y)
        evCommentOf,     // text = the comment of move x; kept only when that move exists
        evPlayedComment, // text = the comment of the move just played (dropped
                         // when the board refused that move)
        evPlayedMark,    // text = label at (x, y) on the move just played (likewise)
        evFileTeai,      // x = the handicap the file names for stones that the
                         // board does not place (comes after the reset)
    };
    EKind kind = evMove;
    int colour = 0;
    int x = 0;
    int y = 0;
    std::string text;
};

// A record read from a file and checked: header strings and the replay.
// Real records hold a few thousand steps; a reader refuses a file that would
// make more than kKifuMaxEvents (point lists can multiply a small file).
constexpr std::size_t kKifuMaxEvents = 100000;
struct TKifuRecord {
    // Game strings to set, in file order (UTF-8).
    std::vector<std::pair<std::string*, std::string>> header;
    std::vector<TKifuEvent> events;
    // What the reader had to leave out of a damaged file that it still read
    // (a record cut short); the replay reports it (selected language).
    std::string note;

    void Header(std::string& target, const std::string& value) { header.emplace_back(&target, value); }
    void Add(TKifuEvent::EKind kind, int x = 0, int y = 0, int colour = 0, const std::string& text = std::string());
    // The board size and handicap of the last reset; false when there is none.
    bool BoardOf(int& size, int& handicap) const;
    // The file ends inside the named part (in the selected language): the
    // note says that what came before was read.
    void CutShort(const std::string& part);
    // True, with the reason, when the record has grown beyond kKifuMaxEvents.
    bool TooLarge(std::string& why) const;
};

// A reader of one format: the file's bytes to a checked record; false with
// the reason (in the selected language) when the file is not a valid record.
using TKifuParser = bool (*)(const std::string& bytes, TKifuRecord& record, std::string& why);
// A writer of one format: the level-0 record into a file; false after it has
// reported the failure.
using TKifuWriter = bool (*)(const std::string& fileName);

// The record formats, chosen by the file name's extension.
struct TKifuFormat {
    const char* ext;     // ".sgf", lower case
    const char* name;    // shown in messages
    TKifuParser parse;   // nullptr: cannot be read yet
    TKifuWriter write;   // nullptr: read-only
};
// The format of a file name (its extension, any case), or nullptr.
const TKifuFormat* KifuFormatOf(const std::string& fileName);

// Reads and checks the record, then sets BoardSize and Handicap from it and
// resets board 0 for a new game (setup stones cleared).  False, with a message
// and nothing changed, for an unknown or unreadable format or a bad file.
bool KifuLoadHeader(const std::string& fileName);
// Reads and checks the record, then replays it into board 0, its record and
// the game strings (NoLastMark is 1 meanwhile).  False, with a message and
// nothing changed, when the file cannot be read or is not a valid record.
bool KifuLoad(const std::string& fileName);
// Writes the level-0 record as SGF (".sgf") or .ig1 (".ig1"); any other name
// is reported and nothing is written.  False after a reported failure.
bool KifuSave(const std::string& fileName);

// A load with a given reader whatever the name: the board half only
// (boardOnly) or the whole record.
bool KifuLoadWith(TKifuParser parse, const std::string& fileName, bool boardOnly);

// Replays a checked record on board 0 following the readers' contract: the
// board reset, moves through the shell's move entry, passes and take-backs
// into the record (and the running record when it is on), comments, marks,
// setup stones and the header.  Moves the board refuses and moves off the
// board are skipped and reported together with the record's note in one
// message; reading stops at the record's capacity.
void KifuApply(const TKifuRecord& record);
// The header half of a load: board size and handicap, board 0 reset.
void KifuApplyBoard(const TKifuRecord& record);
// The handicap of the game on board 0 as a record names it: the one its file
// named for stones the board did not place, else the board's own.
int KifuHandicap();
// Replays the record's moves on a board of its own (board 0 and the game
// are not touched) as KifuApply would; false, with the reason, when a move
// lands on a stone: the move as the file numbers it, or the suicide before it
// that left that stone on the board.
bool KifuNoMoveOnAStone(const TKifuRecord& record, std::string& why);

// Whole-file helpers; they report a failure through Shell().ShowMessage.
bool KifuReadFile(const std::string& fileName, std::string& bytes);
bool KifuWriteFile(const std::string& fileName, const std::string& bytes);
// Writes (or appends) without a message; false with the system's reason.
bool KifuWriteQuiet(const std::string& fileName, const std::string& bytes, bool append, std::string& error);
// Replaces a file whole, through a temporary file in the same directory that
// is flushed to the disk and then renamed over it, so that a crash leaves
// the old file or the new one; false with the system's reason.
bool KifuWriteAtomic(const std::string& fileName, const std::string& bytes, std::string& error);
// Today's date as the game dialog writes it ("2024/05/17").
std::string KifuToday();

// Board sizes and handicaps the board model supports.
bool KifuValidSize(int size);
bool KifuValidHandicap(int handicap);
// Both at once; false with the reason naming the bad value.
bool KifuBoardOk(int size, int handicap, std::string& why);
// A decimal integer that fills the whole text (blanks around it allowed).
bool KifuParseInt(const std::string& text, int& value);
// The message text for a point: "<x,y>".
std::string KifuPointText(int x, int y);

// Back to start-up state (tokenizer line, reported failures).
void KifuReset();

} // namespace vorn

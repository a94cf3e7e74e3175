// The rank exam's state file EXAM53.DAT in the program's directory: who is
// examined, the level examined now and the last one passed, two counters,
// and the moves of an exam game still in progress, so that closing the
// program never loses an exam game.  The file is one block of 1219 bytes,
// written field by field little-endian; every operation that changes it
// reads it, changes it and writes it back whole through a temporary file,
// so a crash leaves the old block or the new one.  A file that is not a
// sound block is reported and never overwritten.
//
// These are the file's operations and the exam game's set-up; the main
// window decides when an exam game runs and calls them (shell/Nintei).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

constexpr std::size_t kExamFileSize = 1219;
constexpr int kExamMaxTe = 600;       // the move record's capacity
constexpr int kExamNameBytes = 12;    // Shift-JIS bytes of the examinee's name
constexpr int kExamRankLow = 16;      // 9 kyu, where a new exam starts
constexpr std::uint8_t kExamNoRank = 255;  // PrevRank before the first pass

// The rank names by level, 0 "8dan" / "八段" to 16 "9kyu" / "９級".
extern const Arr<const char*, 0, 16> RankNameEn;
extern const Arr<const char*, 0, 16> RankNameJa;
// The rank name of a level in the language (English for lgEnglish, else
// Japanese); "" for a level outside 0..16.
const char* RankName(int level, int language);

// The block in memory.
struct TExamState {
    Arr<std::uint8_t, 0, kExamNameBytes - 1> Name{};  // bytes as entered, NUL-padded
    std::uint8_t PrevRank = kExamNoRank;  // level last passed; 0 = the whole series passed
    std::int8_t Rank = kExamRankLow;      // level examined now
    std::int8_t Teai = 14 - kExamRankLow; // handicap and colours: 14 - Rank
    std::uint8_t PassRun = 0;             // exam games passed in a row
    std::uint8_t FailRun = 0;             // exam games failed in a row
    std::uint16_t TeCount = 0;            // stored moves of the unfinished game
    Arr<std::uint16_t, 1, kExamMaxTe> Te{};  // move k as y * 20 + x, 0 a pass

    // The stored game is forgotten: no moves, every entry 0.
    void ClearMoves();
    // The examinee's name as text (the bytes up to the first NUL).
    std::string NameText() const;
};

// The block as the file holds it, and back.  A block is accepted only with
// the right length, a level 0..16 (or any level once the series is passed),
// a last passed level 0..16 or none, at most 600 stored moves and each of
// them a pass or a point of the 19x19 board; Teai is taken as 14 - Rank.
std::string ExamEncode(const TExamState& s);
bool ExamDecode(const std::string& bytes, TExamState& s, std::string& why);

// ExeDir + "EXAM53.DAT".
std::string ExamFileName();
// Reads the file; false after a message (missing, unreadable, damaged).
bool ExamLoad(TExamState& s);
// Writes the file atomically; false after a message.
bool ExamSave(const TExamState& s);

// What ExamSetup answers besides a handicap (0 or more: an unfinished
// game with that handicap is stored).
enum { kExamDamaged = -3, kExamFinished = -2, kExamNewGame = -1 };

// Level and Japanese rank name of the exam game set up last.
extern int ExamLevel;
extern std::string ExamRankText;

// Prepares the next exam game: creates the file when it is missing, fills
// the game strings (game name, "VORN" and the examinee with their ranks,
// komi, date, no place and no result), Handicap, ExamLevel and ExamRankText.
int ExamSetup();
// The exam game is lost: FailRun + 1, PassRun 0, the stored game cleared.
bool ExamEnd();
// The exam game is won: PassRun + 1, FailRun 0, the level passed becomes
// PrevRank and the next level up is examined, the stored game cleared.
// passed is the level passed.
bool ExamAdvance(int& passed);
// The exam game ended with neither side ahead: only the stored game goes.
bool ExamDraw();
// The examinee's name, at most 12 Shift-JIS bytes cut between characters;
// the rest of the field is cleared.
bool ExamSetName(const std::string& name);
// Move n of the exam game (p (0, 0) a pass); nothing beyond move 600.
bool ExamAddMove(int n, Point p);
// Plays the stored moves onto board 0 through the shell's move entry (a
// pass through its pass entry), after restarting the running record when
// it is on.  A move the board refuses ends the replay with a message.
bool ExamReplay();

// Back to start-up state.
void ExamReset();

} // namespace vorn

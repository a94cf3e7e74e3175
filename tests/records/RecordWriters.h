// Writers of the read-only record formats, for the tests only: they make
// files from a game so that the readers can be held against known contents.
// They are written from the formats' byte and line layouts, not from the
// readers, and fill every byte the readers must not look at with junk, so
// that a misread offset or field shows up as a wrong game.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "RecordsUtil.h"
#include "board/Point.h"

namespace vorn::test {

struct TTestMark {
    int code; // .re3 mark code
    int x, y;
};

// A game to write (text in UTF-8).
struct TTestGame {
    int size = 19;
    int handicap = 0;
    std::vector<Point> moves; // (0, 0) a pass
    std::map<int, std::vector<Point>> captures; // stones each move took
    std::map<int, std::string> comments;        // by move number, 0 before the first
    std::map<int, std::vector<TTestMark>> marks;
    std::vector<std::pair<int, Point>> setup; // colour and point (.icf)
    std::string gameName, date, place, komi, black, white;
    bool re3Info = true; // .re3: write the information block
};

// Plays a game on board 0 from a fresh board of the size and handicap
// given: a ko fought on the top edge (a capture, the retake after a threat),
// then random legal moves, a pass where passEvery divides the move number
// (0: none), up to count moves.  Answers the game with its captures.
TTestGame PlayTestGame(int size, int handicap, int count, int passEvery = 0);
// The moves of board 0's record with their captures.
TTestGame GameOfBoard();
// The ko of PlayTestGame: its moves (Black first), the capture at index 6,
// the retake at index 9; index 5 is the point that may not be retaken at
// once.
std::vector<Point> KoMoves(int size);

// Block order of the binary writers (offsets are in the headers):
// .gw1: header, information block, moves, comments;
// .re3: header, (information block), handicap byte, moves, captures, marks,
// comments.
std::string WriteGw1(const TTestGame& g);
std::string WriteRe3(const TTestGame& g);
std::string WriteWwg(const TTestGame& g);
std::string WriteUgf(const TTestGame& g);
std::string WriteIcf(const TTestGame& g);

// Little-endian fields of a file, for tests that damage one.
std::int32_t GetLe32(const std::string& bytes, std::size_t at);
void PutLe32(std::string& bytes, std::size_t at, std::int32_t v);
void PutLe16(std::string& bytes, std::size_t at, int v);

// Games played, written by a writer and loaded again.
class RecordFormatsTest : public RecordsTest {
protected:
    // Plays a game (PlayTestGame), notes how it stands, and starts another
    // one, so that a load has to bring everything back.
    TTestGame Game(int size, int handicap, int count, int passEvery = 0);
    // Loads the file: the game must come back without a message, and GNU Go
    // (when installed) replaying the game's moves must end with the same
    // stones and prisoners.
    void ExpectRoundTrip(const std::string& name, const std::string& bytes, const TTestGame& g);
    std::string played_; // MoveList() of the game played
    std::string board_;
    int hama_[3] = {};
};

} // namespace vorn::test

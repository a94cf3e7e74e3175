// Test helpers shared by every test program: a fixture that resets the whole
// program state, board diagrams, and seeded random games.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "VornCore.h"
#include "board/Goban.h"
#include "board/Rand.h"

namespace vorn::test {

// Sanitizer and debug builds run the long soaks on a shorter set of games
// and fault points; the release build runs them whole.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif

// Every test starts from a fresh program: 19x19 boards at level 0.
class VornTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
};

// Sets up board 0 from a diagram as board/Diagram.h reads it: rows top to
// bottom, 'X' or '#' black, 'O' white, '.' or '+' empty, blanks ignored.
// The board size is the number of rows; the record is cleared and the
// chains rebuilt; Handicap is set afterwards, so the side to move is the
// handicap's (SetupPosition names it instead).  Throws on a bad diagram.
void SetBoard(const std::string& diagram, int handicap = 0);
// The board b as compact rows ("XO..\n"), as DiagramRows writes it;
// DiagramText adds GTP coordinates for messages.
std::string BoardDiagram(const TGoban& b);
// The point (x, y): column from the left and row from the top, 1-based, as
// in the diagram (GTP vertices name it from the bottom: GtpVertex).
Point Pt(int x, int y);

// Chains of a board compared as partitions: for every stone its chain's
// stones, liberties and neighbour counts, independent of chain numbers.
std::string ChainSignature(const TGoban& b);

// A hash of one board with its whole record (moves, captures, prisoners).
std::uint64_t BoardHash(const TGoban& b);
// The state a reader may see: Level and every board up to it.
std::uint64_t StackHash();

// A legal move for the side to move on board b chosen by the random source,
// never filling a single-point eye of its own colour; (0, 0) when none
// (RandomLegalMove of board/Diagram.h).
Point RandomMove(TGoban& b);
// A fresh program with board 0 of the given size after up to `moves` random
// moves (RandomMove, the random source seeded with `seed`).
void RandomPosition(int size, int moves, std::uint64_t seed);

} // namespace vorn::test

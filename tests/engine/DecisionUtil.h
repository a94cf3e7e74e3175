// Helpers of the engine tests that read single generators: a position set
// up as at the start of the engine's decision, and the candidate table.
#pragma once

#include <optional>

#include "board/Point.h"

namespace vorn::test {

// Board 0 from the diagram with `toMove` to play, analysed, and the state of
// a decision made for that side (ladders, pair list, cut and atari maps, ko
// point, base evaluation); the candidate table is empty.
void PrepareDecision(const char* diagram, int toMove);

// Positions shared by the tests (9 x 9).
// Black's three stones at (4,4), (5,4), (5,5) have two liberties; White's
// loose net at (6,6) catches them.
extern const char* const kNet;
// White's cutting stones at (4,4)-(4,5) and (6,4)-(6,5) have two liberties
// each, (5,4) shared: Black's double atari there.
extern const char* const kDoubleAtari;
// Black's diagonal (4,4)-(5,5) is cut at (5,4) by White's (4,5); Black's (2,5)
// is a knight's move from (4,4) and a two-space jump from (5,5) past White's
// (4,6): the cut sets up a ladder on (5,5).
extern const char* const kKeimaPartner;

// The value of the candidate at p, if the table holds one.
std::optional<int> KohoValueAt(Point p);

} // namespace vorn::test

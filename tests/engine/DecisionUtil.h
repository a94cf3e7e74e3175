// Helpers of the engine tests that read single generators: a position set
// up as at the start of the engine's decision, and the candidate table.
#pragma once

#include <optional>
#include <string>
#include <vector>

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
// Settled: Black owns the left, White the right, the middle column is dame
// but for the boundary point D5, where White's stone at E5 presses on
// Black's wall.
extern const char* const kYoseGap;
// The same with D5 closed: only dame are left.
extern const char* const kYoseDameOnly;

// The value of the candidate at p, if the table holds one.
std::optional<int> KohoValueAt(Point p);

// Points of the problem tables: "D5" is (4, 5), column letter first (the
// letter I is used), row counted from the top; "pass" is (0, 0).
Point ParsePoint(const std::string& s);
// A blank-separated list of such points.
std::vector<Point> ParseList(const char* text);
std::string PointName(Point p);
// The candidate table as " D5=22/0:24 ..." (value/bonus:reason).
std::string CandidateList();

// Stage sources for ThinkSources: every stage from 2 on (on small diagrams
// the opening stages would take an empty corner first), and no ko threat.
void StagesAfterOpening(int stage, Point& out);
void NoKoThreat(int limit, Point& out, int& value);

} // namespace vorn::test

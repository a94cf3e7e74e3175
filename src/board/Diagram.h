// Positions as text: the board diagrams that tests, problem files,
// benchmarks, tools and logs read and write, and the GTP vertex notation
// (column letter A.. without I, row 1 at the bottom) that they use for a
// single point.  Inside the program a point stays (x, y) with y counted from
// the top.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGoban;

// --- GTP vertices ----------------------------------------------------------------

// The vertex of p on a board of the given size ("D4"); "pass" for (0, 0).
std::string GtpVertex(Point p, int size);
// The same on a board of BoardSize lines.
std::string GtpVertex(Point p);
// Reads a vertex of a board of the given size, in either case; "pass" is
// (0, 0).  False for anything else, a point off that board included.
bool ParseGtpVertex(std::string_view text, Point& p, int size);
bool ParseGtpVertex(std::string_view text, Point& p);

// --- Diagrams --------------------------------------------------------------------

// A position read from a diagram: the stones of a square board.
struct TDiagram {
    int size = 0;
    Grid<std::uint8_t, 1, 19> iro{}; // kAki, kKuro or kSiro, [x][y]
};

// Reads a diagram: one row of the board per line, the top row first; 'X' or
// '#' a black stone, 'O' a white one, '.' or '+' an empty point.  Blanks,
// row numbers and any other marks are ignored, and so are lines of column
// letters (a line whose first letter is 'A'), so the coordinate diagrams
// below read back.  Lines without a point are skipped.  False, with the
// reason, unless the rows make a square board of 1 to 19 lines.
bool ParseDiagram(std::string_view text, TDiagram& diagram, std::string& why);
// The same; throws std::invalid_argument with the reason.
TDiagram ReadDiagram(std::string_view text);

// Board 0 becomes the position at level 0: the board size of the diagram, no
// handicap, an empty record whose first move is toMove's (kKuro or kSiro),
// the stones placed and the chains built.  Nothing is analysed.
void SetupPosition(const TDiagram& diagram, int toMove);

// The stones of board b, one compact row per line ("XO..\n").
std::string DiagramRows(const TGoban& b);
// The same spaced out, with the GTP column letters above and the row
// numbers at the left: for failure messages and logs.
std::string DiagramText(const TGoban& b);
// A board-shaped map of BoardSize lines: the text of every point (x, y),
// right-aligned to the widest one, the points of a row separated by a blank,
// one row per line.  Per-point tables are compared as one such map.
std::string MapDiagram(const std::function<std::string(Point)>& cell);

// --- Random games ---------------------------------------------------------------

// A legal move for the side to move on board b, drawn by the program's random
// source among the empty points that are not its own one-point eyes; (0, 0)
// when there is none.
Point RandomLegalMove(TGoban& b);

} // namespace vorn

// Random positions around a link shape, for the sweeps of the diagonal and
// knight's-move handlers: the shape's stones stand fixed, in one of the eight
// orientations at a random place of the board, and random stones of both
// colours fill the points around it.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "board/Point.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {

// One cell of a shape in its own coordinates (A at (0, 0)): 'A' the owner's
// stone, 'X' the attacker's stone, '.' kept empty.
struct TShapeCell {
    int dx, dy;
    char what;
};

struct TShapePlacement {
    std::string diagram;
    Point a, b; // the pair on the board
    int own = 0;
};

// A position of `size` lines with the shape's cells (b the pair's other end,
// also an owner's stone) placed under a random symmetry and translation, and
// each other point within two lines of the shape holding a random stone with
// probability percent / 100.  Seeded by the program's random source.  False
// when the stones left a chain without liberties (draw again).
bool PlaceShape(int size, std::initializer_list<TShapeCell> cells, Point b, int percent, TShapePlacement& out);
bool PlaceShape(int size, const std::vector<TShapeCell>& cells, Point b, int percent, TShapePlacement& out);

// The diagram (rows of '.', 'X', 'O') with a stone of `what` ('X' or 'O')
// put at p, as compact rows.
std::string WithStone(const std::string& diagram, Point p, char what);

// The diagram prepared for the engine's colour and the handler called on
// (a, b) under reason 5: the boards and the level must be as found.
void RunHandler(const char* diagram, int engine, Point a, Point b, void (*handler)(Point, Point));

// Diagrams shared by the shape tests (9x9).
// Black's knight's move C7-D5 ((3,7)-(4,5)) with White's contact stone at D7.
inline constexpr const char* kKnightContact = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . X O . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// Black's large knight's move C7-D4 ((3,7)-(4,4)) with White's stone outside
// B's line at A's end, E7.
inline constexpr const char* kLargeKnightFar = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X . O . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Hyoka(scorer) after the moves (the first on a new level), all taken back;
// nullopt when one is refused.
std::optional<int> ScoreAfter(int scorer, std::initializer_list<TYomiMove> moves);

// Draws `positions` placements with place(seed, out) for seeds 1, 2, ...
// (false: that seed gives none), prepares each for both colours and calls
// the named handlers of the contract harness on the pair with its checks.
// Answers how many calls of the first handler left a candidate.
int SweepShapes(int positions, const std::function<bool(std::uint64_t, TShapePlacement&)>& place,
                std::initializer_list<const char*> handlers);

} // namespace vorn::test

// Positions of the (2,2), (2,3) and (3,3) links, shared by their tests and
// the symmetry harness, and the tests' way of calling a handler.  9 x 9
// diagrams; points are (x, y) counted from 1 from the left and from the top.
#pragma once

#include <set>
#include <string>
#include <utility>

#include "engine/links/LinkUtil.h"

#include "board/Point.h"

namespace vorn::test {

using TPt = std::pair<int, int>;

// The handler on (a, b) of the diagram prepared for the engine's colour,
// under the pair answers' reason; the boards as found afterwards, and
// `moves` the stones it tried.
TLinkOutput RunPair(void (*handler)(Point, Point), const char* diagram, int engine, Point a, Point b,
                    int* moves = nullptr);
// The points of the candidates it left.
std::set<TPt> KohoPoints(const TLinkOutput& out);
// A point of the problem tables ("D5") as a key of the output.
TPt Pt(const char* name);
// A 9 x 9 diagram with Black's stones at the points of `black` and White's
// at those of `white` (blank-separated, "C7 E5").
std::string Stones(const char* black, const char* white);

// --- (2,2): Black's C7-E5, the square C7..E5 with its centre at D6 ---------------

inline constexpr Point k5A{3, 7}, k5B{5, 5}, k5Centre{4, 6};

// White on the free corner E7, both its neighbours empty.
inline constexpr const char* k5Corner = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . X . O . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on the corner E7 and on both its neighbours D7 and E6.
inline constexpr const char* k5CornerBoth = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . O . . . .
    . . X O O . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on the corner E7 and on D7 beside it.
inline constexpr const char* k5CornerOne = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . X O O . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on the midpoint D7 (GNU Go's C3, E5 and D3).
inline constexpr const char* k5Midpoint = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . X O . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on both midpoints D7 and E6 of the side of the corner E7.
inline constexpr const char* k5BothMidpoints = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . O . . . .
    . . X O . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on the midpoint D7 with Black's C7 left two liberties by B7.
inline constexpr const char* k5TwoLiberties = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . O X O . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// One white stone two points straight out from the centre, at D8.
inline constexpr const char* k5Jump = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . X . . . . . .
    . . . O . . . . .
    . . . . . . . . .)";

// White at D8 and F6, facing each other across the side of the corner E7.
inline constexpr const char* k5Facing = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . O . . .
    . . X . . . . . .
    . . . O . . . . .
    . . . . . . . . .)";

// --- (2,3): Black's C7-E4, the middle points D6 and D5 -----------------------------

inline constexpr Point k8A{3, 7}, k8B{5, 4};

// White beside the middle point D6 at E6, and touching E4 at E5.
inline constexpr const char* k8Naka = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . O . . . .
    . . . . O . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White touching C7 along the long side, at C6.
inline constexpr const char* k8Tate = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . O . . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's D7-E7 touching C7 across the short side, the corner E7 included.
inline constexpr const char* k8Yoko = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X O O . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White alone on the far corner E7, Black's F7 beyond it.
inline constexpr const char* k8Kado = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X . O X . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White beside A's line at B6 and past A's end at D8.
inline constexpr const char* k8BesideAndPast = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . O . . . . . . .
    . . X . . . . . .
    . . . O . . . . .
    . . . . . . . . .)";

// White alone beside A's line at B5, next to the middle line's D5.
inline constexpr const char* k8SotoYoko = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . O . . . . . . .
    . . . . . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// No white stone near.
inline constexpr const char* k8Empty = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's wedge on the middle point D6.
inline constexpr const char* k8Wedge = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's C8-F6 along the lower edge, White's wedge at D7 and B8 beside C8:
// White at D8 would catch C8 in a ladder.
inline constexpr Point k8LadderA{3, 8}, k8LadderB{6, 6};
inline constexpr const char* k8WedgeLadder = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . X . . .
    . . . O . . . . .
    . O X . . . . . .
    . . . . . . . . .)";

// --- (3,3): Black's C7-F4, the diagonal D6-E5 ------------------------------------

inline constexpr Point k13A{3, 7}, k13B{6, 4};

// White beside the middle of the diagonal at E6.
inline constexpr const char* k13Kata = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . O . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on the side of the square at E7.
inline constexpr const char* k13Side = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X . O . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on the free corner F7.
inline constexpr const char* k13Kado = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X . . O . . .
    . . . . . . . . .
    . . . . . . . . .)";

} // namespace vorn::test

// (2,3) links: two stones of one colour two lines apart on one axis and
// three on the other, the corners of a 3 x 4 rectangle.
//
// The box (BetweenWide) steps from A toward B along the long side:
//
//     [0]=A  [1]   [2]        columns: A's line, the middle line, B's line
//     [3]    [4]   [5]        [4], [7]  the middle points through which the
//     [6]    [7]   [8]                  two stones connect
//     [9]    [10]  [11]=B     [1], [3] touch A; [8], [10] touch B
//
// A half turn of the rectangle maps cell i to 11 - i and exchanges A and B;
// each pattern is written once and read through the half turn for its
// other placement (the first placement first).  Just outside lie the lines
// beside A's and B's lines (W) and the points past the short ends (V):
//
//             V2   V1
//         [0] [1]  [2]
//     W1  [3] [4]  [5]  W3
//     W2  [6] [7]  [8]  W4
//         [9] [10] [11]
//         V4  V3
//
// Kankei8Utu chooses a pattern by where the attacker stands: beside a
// middle point, touching an end stone along the long side or across the
// short one, on a far corner, on a middle point, or outside the box only.
// Each pattern proposes the owner's connection when the engine owns the
// pair and the attacker's cut otherwise, with one value (bonus 0, the reason
// code in force).
//
// Inside their fixed sequences a move the board refuses is not played and
// the sequence goes on: the score reads the position reached.  Every move
// that stood is taken back; the boards and the level end as found.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TShape;

// The eight points just outside a (2,3) box and their colours (3 off the
// board): W1 beyond [3] and W2 beyond [6] away from the middle line, W3
// beyond [5] and W4 beyond [8]; V1 beyond [2] and V2 beyond [1] past A's
// end, V3 beyond [10] and V4 beyond [9] past B's end.
struct TKankei8Soto {
    Arr<Point, 1, 4> W{};
    Arr<Point, 1, 4> V{};
    Arr<std::uint8_t, 1, 4> w{};
    Arr<std::uint8_t, 1, 4> v{};

    explicit TKankei8Soto(const TShape& s);
};

// The pair-answer handler of a (2,3) pair a-b (kind 8).
void Kankei8Utu(Point a, Point b);

// The patterns, over the shape of a pair (kind 8) as Kankei8Utu made it.
// The attacker beside a middle point, on [5] or [6].
void Kankei8NakaUtu(const TShape& s);
// The attacker touching an end stone along the long side, on [3] or [8].
void Kankei8TateTukeUtu(const TShape& s);
// The attacker touching an end stone across the short side, on [1] or [10].
void Kankei8YokoTukeUtu(const TShape& s);
// The attacker on a far corner, [2] or [9], alone.
void Kankei8KadoUtu(const TShape& s);
// No attacker stone in the box: the points just outside decide.
void Kankei8Free(const TShape& s);
// The attacker on exactly one middle point.
void Kankei8WarikomiUtu(const TShape& s);
// One attacker stone outside the box, and where it stands.
void Kankei8SotoIsi(const TShape& s, const TKankei8Soto& o);
// That stone beside a middle line, on W2 or W3.
void Kankei8SotoYokoUtu(const TShape& s, const TKankei8Soto& o);
// That stone past a corner, on V1 or V4.
void Kankei8SotoKadoUtu(const TShape& s, const TKankei8Soto& o);

} // namespace vorn

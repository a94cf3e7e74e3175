// Extensions from empty points, line-3 extensions and invasions of
// territory: generators that look at empty points rather than at pairs.
//
// Kankei6Think (stage 6, reason 20) proposes the empty points from which the
// engine reaches its own stones at a given shape, widest first: the (1,4)
// shape, the three-space jump, the large knight's move, the two-space jump,
// the knight's move, the one-space jump and the diagonal.  A point qualifies
// when no own stone is closer, no opponent's stone touches it and the
// ground between it and the stone is free of the opponent's stones.  The
// wider shapes mark the points between on a skip board, so that the closer
// shapes do not propose them again.
//
// HirakiTobiTe gives the opening a stone's two-space extension along the
// third line or its jump to the fifth line.  JiUtikomiThink proposes
// invasion points inside the largest region and inside the opponent's area.
//
// The area maps read are those of the game board at the start of the
// decision: the look-ahead readings of the generators overwrite the live
// map.
#pragma once

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// The points beside the gaps of the engine's linked two-space jumps, built
// by Kankei6Think (20 at most, no repeats).
constexpr int kMaxKankei6Gap = 20;
extern Arr<Point, 1, kMaxKankei6Gap> Kankei6GapList;
extern int Kankei6GapCount;
// Points between an extension point and its stone: [x][y] 1 when a wider
// shape has covered it in this call of Kankei6Think.
extern Grid<std::uint8_t, 1, 19> Kankei6Skip;

// Stage 6: the extensions toward own stones; the best candidate of the
// table at 110, (0, 0) when it is empty.
void Kankei6Think(Point& out);

// For a stone on line 3: the first clear two-space extension along line 3
// reached from it, else the first clear jump to line 5; (0, 0) when there is
// none.  Adds nothing.
void HirakiTobiTe(Point stone, Point& out);

// Stage 3: invasion points in the largest region and in the opponent's
// area.  Adds candidates under the reason code in force and selects nothing.
void JiUtikomiThink();

// Back to start-up values.
void HirakiReset();

} // namespace vorn

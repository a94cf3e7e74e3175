// A fourth-line stone related to the edge with no opponent stone in front
// of it (cells [0..11] of the turned box): the opponent's approach two lines
// out to one side, and the point that secures the stone's territory toward
// the edge or undermines it.
//
// F, the points two lines out beside each row, from the stone to the first
// line: F[2k] on the column-0 side, F[2k + 1] on the column-2 side.
//
//   F[0] [0] [1] [2] F[1]     the stone's row (fourth line)
//   F[2] [3] [4] [5] F[3]     third line
//   F[4] [6] [7] [8] F[5]     second line
//   F[6] [9] [10] [11] F[7]   first line
#pragma once

#include "board/Array.h"
#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The points two lines out beside the rows of the edge box, and their
// colours.
struct TEdgeSoto {
    Arr<Point, 0, 7> F{};
    Arr<std::uint8_t, 0, 7> Iro{};
};
TEdgeSoto Kankei10EdgeSoto(const TKankeiBox& box);

// No opponent stone in front of the stone: an approach on one side only,
// beside the third line (SotoSan), beside the second (SotoNi) or beside
// both (Soto2).
void Kankei10EdgeFree(TKankeiBox box);
// Approaches beside the third and the second line on one side: the
// opponent's flank of [4] on the far side (or [7] when that flank touches
// an owner stone) against the owner's [7].
void Kankei10EdgeFreeSoto2(const TKankeiBox& box, const TEdgeSoto& f);
// The approach beside the second line: the same points, unless the owner
// already stands beside the third line on the approach's side.
void Kankei10EdgeFreeSotoNi(const TKankeiBox& box, const TEdgeSoto& f);
// The approach beside the third line: the opponent's [7] against the
// owner's flank of [4] on the approach's side (or the second-line point
// below it when the approaching group is weak in eyes).  Valued at most 25
// before move 20.
void Kankei10EdgeFreeSotoSan(const TKankeiBox& box, const TEdgeSoto& f);

} // namespace vorn

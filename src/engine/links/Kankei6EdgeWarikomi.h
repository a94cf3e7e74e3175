// The two-space jump to the edge with the opponent's stone on the near gap
// point [4], the second-line point under the owner's third-line stone.  A
// second opponent stone in the box chooses the reading: beside the intruder
// on the second line (Yoko), beside the owner's stone (KataJibun when the
// owner already holds the gap neighbour on that side, Kata otherwise),
// beside the far gap point (Saki), or none (Tobi, which looks two lines out
// on each side).  Each adds the owner's value and the opponent's and offers
// the owner's point when the engine owns the link, the opponent's otherwise.
//
// The box is the edge box of engine/links/Kankei6EdgeUtu.h:
//
//   third line    [0]  [1]  [2]      [1] the owner's stone
//   second line   [3]  [4]  [5]      [4] the opponent's intruder
//   first line    [6]  [7]  [8]
//
// The readings name their points by the side s of the second stone (0 or 2;
// o = 2 - s the free side): N = [3 + o] beside the intruder on the free side,
// W = [o] beside the stone there, X = [s], M = [3 + s], and
//   N2  two from [4] on the free side      M2, M3  two and three from [4]
//   W2  two from [1] on the free side              on the second stone's side
//   WB  behind W (fourth line)             XB, XBB two and three from [1]
//                                                  on that side
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The router over the second opponent stone.
void Kankei6EdgeWarikomi(TKankeiBox box);
// A second stone beside the intruder: the owner's N (or W, or W2 when the
// stone stands alone) against the opponent's W or its push at the owner's
// point.
void Kankei6EdgeWariYoko(TKankeiBox box);
// A second stone X beside the owner's stone, whose gap neighbour U is the
// owner's: the point T beside the intruder on the free side, for either side.
void Kankei6EdgeWariKataJibun(TKankeiBox box);
// A second stone beside the far gap: the second-line point above it, for
// either side.
void Kankei6EdgeWariSaki(TKankeiBox box);
// A second stone X beside the owner's stone with M empty: the owner's M, N or
// W by what the intruder and X can still do, against the ladder on the
// owner's stone, the opponent's W or N.  May record a prepared answer.
void Kankei6EdgeWariKata(TKankeiBox box);
// The intruder alone in the box: each side read on its own, with the outer
// strip from the stone toward the edge.
void Kankei6EdgeWariTobi(TKankeiBox box);
// One side of it, column 0 of the box and the strip given, which must be
// free of the opponent two lines out.
void Kankei6EdgeWariTobiKata(TKankeiBox box);

} // namespace vorn

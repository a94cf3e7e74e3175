// The one-space jump in the second pass over the relations: a jump with no
// opponent stone in its 3 x 3 box but one two lines out beside the gap,
// from where the opponent threatens to attack the link.  The second pass
// does not unwind between relations: every routine here takes back every
// move it plays.
//
// Outer strip (two lines out): [0] [1] beside A, [2] [3] beside the gap,
// [4] [5] beside B; even cells on the side of box column 0.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// Second-pass handler of a one-space jump A-B (B on the border line for a
// jump to the edge).
void IkkenOuterRenraku(Point a, Point b);
// An opponent stone S two lines out beside the gap: the opponent's atari at
// a corner on S's side, the owner's escape and the wedge are read.  The
// opponent is offered the best atari, the owner the block beside S.
void IkkenSotoIsiUtu(TKankeiBox box);
// The jump toward the edge: A or B lies on the border line.
void IkkenEdgeOuterRenraku(Point a, Point b);
// The gap on the first line with an opponent stone beside it two lines out:
// the gap is offered to either side, valued by the push and the block.
void IkkenEdgeSotoIsiUtu(TKankeiBox box);

} // namespace vorn

// Value routines of the one-space jump: what a push into the gap is worth,
// the cut of two chains short of liberties, and the owner's connecting move
// against a peep.  They add no candidate, answer -1 when their reading does
// not apply, and leave the boards exactly as they found them, also when they
// are called with the caller's own trial moves standing.
#pragma once

#include "board/Point.h"

namespace vorn {

struct TKankeiBox;

// The opponent, who already has a stone beside the gap of the jump A-B,
// wedges at the gap and the owner blocks on the other side: the better of
// the opponent's cuts at the two corners on that side, or the double cut,
// or the plain evaluation.  -1 when the blocking point is occupied.
int IkkenOsiHyoka(Point a, Point b);
// On the board left by IkkenOsiHyoka's wedge and block: the wedging side
// cuts at both corners x1 (beside A) and x2 (beside B) in both orders with
// ladders; the smaller value, -1 when a cut fails or an end escapes.
int IkkenRyoKiri(const TKankeiBox& box, Point x1, Point x2);
// k cuts at p between the other colour's chains at q and r, one with two
// liberties and the other with three, read with ladders; -1 when the
// liberties do not fit or the reading finds nothing.
int IkkenKiriYomi(int k, Point p, Point q, Point r);
// The owner's connecting move against a peep at [3] or [5]: the gap, or a
// point on the free side when exactly one of its corners is secure.
void IkkenTugiTe(const TKankeiBox& box, Point& g);

} // namespace vorn

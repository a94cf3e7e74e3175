// The three-space jump with the opponent's stone beside a gap and none on a
// gap point: the peep.
//
// Beside the middle gap (W = [6] or [8], N the other flank of [7]) the
// owner connects at [7] or takes N; when the jump runs along the third line
// the middle gap is on the second line and the owner's [7] meets the
// intruder's push at [4] or [10] instead.  Beside a gap next to an end
// (S = [3], [5], [9] or [11]) the owner fills that gap G, or plays the far
// flank M2 of the middle gap when its end is short of liberties, against the
// opponent's M2, [7], G or the end-row corner C2.  Each candidate is valued
// by the owner's evaluation of the defence plus the opponent's of the
// attack.
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// W beside the middle gap: [7] (or N when the owner's [7] kills W's group
// or meets an owner stone two lines out) against the opponent's N.  With a
// second opponent stone on W's side beside [4] or [10], N for both sides.
void Kankei10NakaNozoki(TKankeiBox box);
// The same with [7] on the second line: the owner's [7] against the
// opponent's better push at [4] or [10]; with opponent stones beside both
// [4] and [10] on W's side, the flank on the other side for both.
void Kankei10NakaNozokiHen(TKankeiBox box);
// S beside a gap next to an end.  The end E with its gap G, the far flank
// M2 and S itself are each chosen by their own order, so with two such
// stones they may come from different ends.  An owner stone on the far
// end-row corner K leaves only [7] with its point evaluation.
void Kankei10Nozoki(TKankeiBox box);

} // namespace vorn

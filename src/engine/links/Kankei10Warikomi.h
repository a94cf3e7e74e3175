// The three-space jump with the opponent's stone on a gap point.
//
// On the middle gap [7] the owner blocks beside the intruder and the
// intruder extends two lines out; each side of the line is read on its own
// (the second time on the mirrored box and strip).  On a gap next to an end,
// G = [4] or [10], the owner blocks beside G against the intruder's
// extension there, or, with a second opponent stone beside the middle gap
// (Yoko) or beside a gap (Nozoki), plays on the free side of the middle gap
// against the intruder's stone two lines out.  The candidate's value is the
// owner's evaluation plus the intruder's, so it measures what the first
// player gains.
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// The intruder on [7]: Kankei10WariHane on the column-0 side, then on the
// column-2 side; both may add.
void Kankei10Warikomi(TKankeiBox box);
// One side of the [7] intrusion (the column-0 side of the box given): the
// owner's block at [6], with the cuts at [3] and [9] answered at [4] and
// [10] as prepared answers, against the intruder's extension two lines out
// beside [7] (or [3] or [9] when that point is on the first line).  Nothing
// when a cut leaves a two-liberty connection caught by a ladder.  Reads the
// strip as made from [1] to [13].
void Kankei10WariHane(TKankeiBox box);
// The intruder on [4] or [10] (none on [7]): the owner's better block on a
// flank of G against the intruder's better extension.
void Kankei10WariHasi(TKankeiBox box);
// G and a flank of the middle gap W hold the opponent: the owner's N, the
// other flank, against the intruder two lines out beside it.
void Kankei10WariHasiYoko(TKankeiBox box);
// G and a flank of a gap hold the opponent: the owner's D beside G on the
// free side against the intruder two lines out beside the middle gap.
void Kankei10WariHasiNozoki(TKankeiBox box);

} // namespace vorn

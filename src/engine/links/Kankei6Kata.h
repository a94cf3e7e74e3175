// The two-space jump with the opponent's stone only on a corner beside an
// end stone: its push at the gap next to that end.
//
// The corner stone C is the first of [0], [2], [9], [11] that holds the
// opponent; E is the end stone beside it, Ga the gap next to E and Gb the
// other one.  K and L are the flanks of Ga and Gb on C's side, Ao and Bo on
// the other side; Co is E's other corner, Fs the far end's corner on C's
// side.
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// The push at Ga and the owner's answer at Ga or K.  With the owner two
// lines out beside Ga the two-liberty reading of the shape generators
// answers instead; with E's chain long of liberties, Kankei6KataYomi.
void Kankei6Kata(TKankeiBox box);
// E's chain has more than three liberties: the push at Ga with the wedge
// behind it, unless the owner's stone behind E already shuts the corner
// stone in.
void Kankei6KataYomi(TKankeiBox box);

} // namespace vorn

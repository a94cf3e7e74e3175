// The two-space jump with the opponent's stone on a gap point: the wedge.
//
// The wedge X is [4], or [7] when [4] does not hold the opponent; G is the
// other gap point, N the end stone next to X, Far the other end.  A lone
// wedge is read on each side of the line: the owner's block beside it
// against the opponent's extension there.  With a second opponent stone in
// the box one of four readings runs, by where that stone stands: beside
// the wedge (Yoko), on N's corner (Kata), beside G (Saki) or on Far's corner
// (SakiKata).  The second stone's side is t, the other side f.
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// A gap point holds the opponent: a lone wedge read on each side, or, with
// more opponent stones in the box, Kankei6Warikomi2.
void Kankei6Warikomi(TKankeiBox box);
// Two or more opponent stones with one on a gap point: the first of the
// wedge's flanks, N's corners, G's flanks and Far's corners that holds one
// chooses the reading.
void Kankei6Warikomi2(TKankeiBox box);
// Second stone beside the wedge: the owner's block on the free side.
void Kankei6WariYoko(TKankeiBox box);
// Second stone on N's corner: the block on the free side against the push.
void Kankei6WariKata(TKankeiBox box);
// Second stone beside G: on the first line the owner's G with a prepared
// answer, otherwise the two-sided value of the free flank of the wedge.
void Kankei6WariSaki(TKankeiBox box);
// Second stone on Far's corner: the two-sided value of the wedge's flank on
// that side, when no owner stone stands beside the gaps.
void Kankei6WariSakiKata(TKankeiBox box);

} // namespace vorn

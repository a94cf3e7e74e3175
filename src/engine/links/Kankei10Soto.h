// The three-space jump with no opponent stone in its box but one two lines
// out (on the strip made from [1] to [13]).
//
// Beside the middle gap the middle gap [7] is the point for either side;
// with a second opponent stone two lines out beside an end on the same side
// the owner blocks beside the near gap and the opponent pushes into it.
// Beside the first or third gap the owner blocks at the middle gap's flank W
// when the opponent's cut at [7] would then fall to a ladder, else takes
// [7].  Beside an end stone the flank of the near gap on the stone's side is
// the point for either side.
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// Strip [4] or [5] holds the opponent: [7] valued by both sides, or
// Kankei10SotoNakaHasi with a second stone beside an end on that side.
void Kankei10SotoNaka(TKankeiBox box);
// Stones beside the middle gap and beside an end on one side: the owner's
// block P beside the near gap G against the opponent's push at G, which
// carries three prepared answers.
void Kankei10SotoNakaHasi(TKankeiBox box);
// Beside the first or third gap: the owner's W or [7] against the
// opponent's [7], or W when the owner already stands three lines out.
void Kankei10SotoSoba(TKankeiBox box);
// Beside an end stone only: P, the near gap's flank on the stone's side,
// valued by the owner's block there against a seven-move sequence that
// starts with the opponent's P.
void Kankei10SotoKata(TKankeiBox box);

} // namespace vorn

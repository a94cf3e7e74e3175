// A fourth-line stone related to the edge with the opponent's stone on the
// third-line point [4] in front of it (the turned box, the strip made from
// the stone toward the edge).  The opponent's other stones nearby choose the
// answer; most of them propose the flank of [4] on the side away from the
// opponent's support, the simple ones through the engine's own point
// evaluations (AddKohoTry, AddKohoHyoka).
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// The first of: a stone beside [4] (Nozoki), beside the stone (Kata),
// beside [7] (nothing), two lines out beside [4] (Soto), beside the stone
// (SotoKata), beside [7] (SotoNi), none of these (Free).
void Kankei10EdgeSan(TKankeiBox box);
// [4] and a flank of it: the owner's free flank P against the opponent's
// W, P or the corner C beside the stone on P's side.
void Kankei10EdgeSanNozoki(TKankeiBox box);
// [4] and a point beside the stone S: the owner's flank of [4] away from S
// (or S's side flank when S is short of liberties) against the opponent's
// flank away from S.
void Kankei10EdgeSanKata(TKankeiBox box);
// [4] with a stone beside [7]: no answer.
void Kankei10EdgeSanNi(TKankeiBox box);
// Two lines out beside [4]: the far flank of [4], while the stone's chain
// escapes the ladder.
void Kankei10EdgeSanSoto(TKankeiBox box);
// Two lines out beside the stone: the far flank of [4].
void Kankei10EdgeSanSotoKata(TKankeiBox box);
// Two lines out beside [7]: the far flank of [4], unless the corner beside
// the stone on that side is empty and touches an opponent stone.
void Kankei10EdgeSanSotoNi(TKankeiBox box);
// [4] alone: each flank of [4] whose corner beside the stone is empty.
void Kankei10EdgeSanFree(TKankeiBox box);
// The flank [3] when the corner [0] is empty (for the side given).
void Kankei10EdgeSanHiraki(const TKankeiBox& box);

} // namespace vorn

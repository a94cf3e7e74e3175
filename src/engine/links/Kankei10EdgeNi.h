// A fourth-line stone related to the edge with the opponent's stones on the
// second line in front of it or beside the third line, the second line or
// the stone (the turned box, the strip made from the stone toward the edge).
// Each is reached only when the shapes before it in the edge order do not
// hold: [4] is free in all of them, [7] from Kankei10EdgeSanYoko on.
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// [7]: each flank of [4] that stands in open space, with open space two
// lines out beside it, through the engine's two-sided point trial.
void Kankei10EdgeNi(TKankeiBox box);
// S beside [4]: the opponent's F, [7], [4], P or Z against the owner's
// ladder on S, P, [7] or [4]; nothing when the owner's answer leaves its
// group as good as dead.
void Kankei10EdgeSanYoko(TKankeiBox box);
// Beside [7], for a stone exactly on the fourth line: the owner's [7]
// against the opponent's flank of [4] away from the stone (or the other
// second-line point when that flank touches an owner stone).
void Kankei10EdgeNiYoko(TKankeiBox box);
// S beside a black stone: the owner's flank of [4] on S's side or [4]
// against the opponent's [4] or that flank.  A white stone gets no answer.
void Kankei10EdgeKata(TKankeiBox box);

} // namespace vorn

// The one-space jump with the opponent's wedge on the gap [4]: the owner
// ataris the wedging stone from one side of the gap row, and the cuts that
// follow decide what the wedge is worth.  IkkenWarikomi sorts the shape by
// the opponent's other stones in the box: a stone beside the wedge on the
// gap row (engine/links/IkkenWariNobi.h), a stone on a corner
// (IkkenWariKado), or none (IkkenWariNomi).
//
//   A    [0]  [1]  [2]
//   gap  [3]  [4]  [5]      the opponent's stone on [4]
//   B    [6]  [7]  [8]
//
// Every routine takes back all it plays and adds its candidates (bonus 0)
// under the reason in force: the owner's point when the engine owns the
// link, the opponent's otherwise.
#pragma once

#include "engine/links/KankeiBox.h"

namespace vorn {

// The wedge: the first of a gap-row stone beside it, a corner stone, or
// neither decides which reading runs.
void IkkenWarikomi(TKankeiBox box);
// The plain wedge: the owner's atari from [3] and from [5] in turn, each
// valued by the opponent's cuts after extending the wedge; each side adds
// its atari point (for the attacker, the first move of a ladder against an
// end with two liberties instead).
void IkkenWariNomi(TKankeiBox box);
// The wedge with an opponent stone on a corner: the atari from the corner's
// side when it catches the wedge, else the atari from the free side and an
// end in atari, else the two readings below.  The free side's points are
// marked on LinkMark1 before any reading.
void IkkenWariKado(TKankeiBox box);
// An end of the jump with two liberties: the opponent's atari on it from the
// free corner beside it.  True when it added its candidate.
bool IkkenWariKadoDame(TKankeiBox box);
// The opponent extends the wedge to the free gap-row cell `side` (3 or 5);
// e1 is the owner's value of the block there.  Adds `side`'s point unless
// the extended wedge dies.
void IkkenWariKadoNobi(TKankeiBox box, int side, int e1);

} // namespace vorn

// The special shapes of the peep at a one-space jump (engine/links/
// IkkenNozoki.h names the points): the opponent on both sides of the gap or
// on a far corner as well, the far point P held by the owner or off the
// board, a stone beyond P, and the far corners Q and R with the points
// beyond them.
//
// Each routine finds the peep from the box's colours (on [3] when [3] holds
// the opponent, else on [5]), ends on the position it was given and adds its
// candidates (bonus 0) under the reason in force unless it names one: the
// owner's point when the engine owns the link, the opponent's otherwise.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// --- The opponent on the far column too -------------------------------------------

// Peeps on both sides of the gap: both sides' play at the gap, added at the
// gap as a cutting (engine attacks) or connecting (engine owns) move.
void IkkenNozokiRyo(TKankeiBox box);
// A peep and an opponent stone on a far corner K: the cut at the gap against
// the owner's gap or atari at P; reasons as IkkenNozokiRyo.  Marks the gap.
void IkkenNozokiKado(TKankeiBox box);
// The opponent's atari at p on an owner chain: the attacker gets p with the
// cut and the capture as prepared answers to the two escapes, the owner the
// gap.  Nothing when no owner chain next to p is left in atari.
void IkkenNozokiAtari(TKankeiBox box, Point p);

// --- The far point and beyond it --------------------------------------------------

// The owner already holds P: the opponent's cuts at the far corners after
// the cut at the gap; the owner is offered its best defence.
void IkkenNozokiMukai(TKankeiBox box);
// P off the board (a jump along the first line): the cut against the
// owner's connection, for either side.  Marks the gap.
void IkkenNozokiHen(TKankeiBox box);
// The owner's stone on U: the gap, valued by both sides' plays there.
void IkkenNozokiSotoJibun(TKankeiBox box);
// The opponent's stone on U: the far corners read after the cut and P, or
// the gap's plain two-sided value, or IkkenNozokiSotoAite2.
void IkkenNozokiSotoAite(TKankeiBox box);
// The opponent on U and the owner beyond a far corner: the opponent takes
// the other corner after the cut; the ladder on the end beside it.
void IkkenNozokiSotoAite2(TKankeiBox box);

// --- The far corners ---------------------------------------------------------------

// An opponent stone beyond an empty far corner.
void IkkenNozokiKadoSoto(TKankeiBox box);
// The owner holds a far corner: the opponent's cut and its play at the other
// corner; the owner may answer outside the box.
void IkkenNozokiKadoJibun(TKankeiBox box);
// The cut at the gap and the owner's P, then the opponent's atari on an end
// stone from its far corner: when the end's extension leaves P's chain in a
// ladder, the gap for either side (once per corner).  The owner is the colour
// at a.
void IkkenNozokiMae(Point gap, Point p, Point a, Point q, Point b, Point r);

} // namespace vorn

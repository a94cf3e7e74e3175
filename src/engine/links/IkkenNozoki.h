// The peep at a one-space jump: the opponent has a stone beside the gap, on
// [3] or [5] of the box, and threatens to cut at the gap.  IkkenNozoki routes
// the special shapes to their routines (engine/links/IkkenNozokiKata.h) and
// otherwise reads the cut itself: the owner's connection at the gap against
// the opponent's cut and the owner's block on the far side.  IkkenRenraku
// runs IkkenNozokiSoto after it, whatever it did.
//
// The points are named from the peeping stone S (drawn for a peep on [3];
// for a peep on [5] every column is mirrored):
//
//               outside   peep   middle   far    outside
//   A's row                [0]   [1] A    Q [2]    V
//   gap row       T       S [3]  [4] gap  P [5]    U
//   B's row                [6]   [7] B    R [8]    W
//
// P is the far point beside the gap, Q and R the far corners; T lies beyond
// S, U beyond P (both seen from the gap), V beyond Q seen from A and W
// beyond R seen from B.
//
// Every routine ends on the position it was given and adds its candidates
// under the reason in force unless it names a reason of its own.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The peep's named points and the box cells of S, P, Q and R.  The peep is
// on [3] when [3] holds the opponent, else on [5].
struct TNozoki {
    int Si = 3, Pi = 5, Qi = 2, Ri = 8;
    Point A, B, Gap, S, P, Q, R, T, U, V, W;
};
TNozoki NozokiFrame(const TKankeiBox& box);

// The chain at p has one liberty, or two and the ladder catches it (the
// chains of the current board must be fresh).
bool NozokiCaught(Point p);

// The peep: the special shapes first, then the cut read at the gap.  The
// owner is offered the gap (or a better connection), the opponent the cut.
void IkkenNozoki(TKankeiBox box);
// The cut read at the gap, when no special shape applies (P empty): the
// owner's connection there against the opponent's cut and the owner's
// block at P.  Adds the gap for either side, or the owner's better
// connection; an atari at P is read when the cut is worth little.
void IkkenNozokiMain(TKankeiBox box);
// A peep with the opponent beyond the far point and the owner on one far
// corner and behind the other: the point beyond the empty far corner, for
// either side.
void IkkenNozokiSoto(TKankeiBox box);

// --- Readings the cut hands off ---------------------------------------------------

// The opponent's cut at the gap stands and leaves A's or B's chain in atari:
// the end's escape read against the opponent's best reply.  ownerValue is
// what the owner's connection was worth, bonus the candidate's bonus.
void IkkenNozokiRenAtari(TKankeiBox box, Point p, int ownerValue, int bonus);
// The opponent's cut and the owner's P stand: what the cut is worth to the
// opponent by its ataris on the ends beside the far corners (the plain
// evaluation when none applies).  May move the owner's answer g.
int IkkenNozokiKiriHyoka(TKankeiBox box, Point& g);
// The opponent's hanes at both far corners q and r, each read with the
// ladder against the end beside it: the smaller value, or `value` when
// either hane does not work.
int IkkenNozokiKadoHane(Point q, Point r, Point a, Point b, int opp, int value);

} // namespace vorn

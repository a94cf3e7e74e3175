// The one-space jump whose gap [4] holds the opponent's wedge with a second
// opponent stone beside it on the gap row.  The owner's natural answer is
// the block P at the free gap-row point; the stones around P and its two
// corners decide which reading values it.
//
//   opponent on [3]: P = [5], corners Y1 = [2] (beside A), Y2 = [8] (beside B)
//   opponent on [5]: P = [3], corners Y1 = [0], Y2 = [6]
//
// Outside the box: PP one step beyond P seen from the gap, PPP beyond PP;
// Y1o, Y2o beyond the corners seen from their ends; Y1p, Y2p beyond them seen
// from P; AB, BB beyond A and B seen from the gap.
//
// Each routine adds at most two candidates (bonus 0) and takes back all it
// plays.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The block against the wedge beside a gap-row stone.  The owner's candidate
// is P with reason kkKiri and P as its related point; the attacker's is
// added under the reason in force.  Marks P and both corners on LinkMark1.
void IkkenWariNobi(TKankeiBox box);
// The chain at t has two liberties: its other colour ataris at either of
// them (on a new level) and t's side extends; the value for t's colour when
// a stone of t's colour beside the atari is then caught by a ladder and the
// ladder's first move is played.  -999 when there is no such reading.
int IkkenWariDameSicho(Point t);
// An opponent stone just behind the empty corner y (e the end beside it, pp
// the point beyond P): the owner's block at P or y against the opponent's y
// or P.  Adds nothing when the sum is not positive.
void IkkenWariSoto(TKankeiBox box, Point p, Point y, Point e, Point pp);
// The same with the opponent also on pp: the owner's block at P against the
// opponent's corner y.
void IkkenWariSotoOsae(TKankeiBox box, Point p, Point y, Point e, Point pp);
// An owner stone on PP: the block at P, for either side.
void IkkenWariJibunSoto(TKankeiBox box);
// An owner stone on PP and on one corner: the block at P, for either side.
void IkkenWariJibunKado(TKankeiBox box);
// An opponent stone on PP: the block at P, for either side.
void IkkenWariAiteSoto(TKankeiBox box);
// An owner stone on one corner, the other free: the block at P, or for the
// owner a point further out; marks P on LinkMark2.
void IkkenWariKadoJibun(TKankeiBox box);

} // namespace vorn

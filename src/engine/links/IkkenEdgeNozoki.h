// The one-space jump to the edge with the opponent's stone Q on the first
// line right beside the gap: a peep from the edge side.  The owner connects
// at the gap, capturing or chasing Q where the reading allows; the opponent
// pushes into the gap or plays on its far side.  One candidate is added whose
// bonus carries the value of capturing Q, the gap is marked, and two
// follow-ups look for the opponent's attack from the far side of the gap.
//
//   second line   [0]  [1]  [2]      [1] the owner's stone
//   first line    [3]  [4]  [5]      [4] the gap, Q on [3] (else [5])
//
// Points for Q on [3] (mirrored for Q on [5]):
//   S [5], the first-line point across the gap from Q;  T [2] above it
//   U the second-line point beyond T;  R the third-line point above T
//   W the first-line point beyond S
#pragma once

#include "board/Point.h"
#include "engine/Reading.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The family head.  Nothing against a group of eye value 2 or less, a lone
// stone that is as good as dead, or a stone in atari.
void IkkenEdgeNozoki(TKankeiBox box);
// The opponent's value of playing s first, across the gap from Q, when the
// owner's connection at the gap would then be caught by a ladder; -1 when s
// is no such move.  Takes everything back.
int IkkenEdgeHasamiHyoka(const TKankeiBox& box, Point s);
// The escape of the chain in atari at p: its colour extends at the chain's
// liberty, or captures instead the first neighbouring chain that the
// extension leaves in atari.  The move stays on the board as a try of `t`
// (the caller takes it back); e is the point played, (0, 0) when the
// extension was refused.
void IkkenEdgeNigeTe(TYomiTrial& t, Point p, Point& e);
// c's move at p threatens the other colour's chains beside it: two of them
// short of liberties with room around p, or one with two liberties that a
// ladder or net catches.
bool IkkenEdgeNeraiCheck(int c, Point p);
// The opponent's play at S ataris the owner's connection: S for the
// opponent, the gap (or W when the gap would be caught) for the owner.
void IkkenEdgeNozokiAtari(TKankeiBox box);
// The opponent plays S and hanes at T after the owner's connection: S for the
// opponent with the hane as the prepared answer, the gap for the owner.
void IkkenEdgeNozokiHane(TKankeiBox box);

} // namespace vorn

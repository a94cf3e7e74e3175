// The two-space jump to the edge with the opponent's stone X in contact
// beside the owner's third-line stone ([0] or [2]) while neither gap point
// nor a gap neighbour holds the opponent.  Three contact shapes are read
// first (a stone already on the second line beside the hane point, a
// contact short of liberties, a stone behind the contact); otherwise two
// lines are read: the owner's hane K under the contact stone and the
// opponent's push at [4], each scored with the descent to the first line
// (Kankei6EdgeKataHyoka) or the evaluation, and their sum goes to the point
// of the side the engine plays, with a prepared follow-up when its line was
// three moves long.
//
// The box is the edge box of engine/links/Kankei6EdgeUtu.h.  Points by the
// contact stone's column s (o = 2 - s):
//
//   XS2   X    [1]  F         third line    XS2 two from the stone on X's side
//   K2    K    [4]  E    E2   second line   K2, K3 two and three from [4]
//         L7   [7]            first line    E2 two from [4] on the free side
//
// and behind them (fourth line) BACK behind the stone, XB behind X, XS2B
// behind XS2, FB behind F.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The contact reading, under the reason in force.  Marks K and [4] on
// LinkMark1 once the shape passes its filters.  With the owner White it
// reads only when the owner already stands on XS2.
void Kankei6EdgeKata(TKankeiBox box);
// col's descent to the first line under p2 (p1 its neighbour toward the
// stone, p3 the stone behind p2, p4 the one behind p1) read on the current
// position with the caller's moves standing: the evaluation for col after
// the descent and the opponent's block, or of the position as it is when
// the descent does not work.  Leaves the position as it found it.
int Kankei6EdgeKataHyoka(Point p1, Point p2, Point p3, Point p4, int col);

// The opponent on K2 or the owner on E (second line, called with K2 and E):
// K or [4] for either side by which of the two is taken.
void Kankei6EdgeKataNobi(Point k2, Point e);
// One of the touching chains with two liberties: the opponent's F sequence
// or its move at [4] / K against the owner's XS2 sequence or its K / [4].
// True when the contact reading is done (also without output); false only
// when nothing behind the contact and no healthy stone on F or XS2 decides.
bool Kankei6EdgeKataDame2(TKankeiBox box);
// The second box along the second line (from E to K2, turned so that its
// [3] holds the owner's stone): a healthy attacker stone on its [0] or a
// healthy defender stone on its [9].
bool Kankei6EdgeKataDame2Check(const TKankeiBox& second);
// The owner behind the stone or the opponent behind the contact: that
// side's extension along the third line into an open area against the
// other side's point behind it.  False when the area is not open.
bool Kankei6EdgeKataHiraki(Point back, Point xb, Point s, Point x);

} // namespace vorn

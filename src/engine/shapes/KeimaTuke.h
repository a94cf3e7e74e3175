// Knight's-move contact answers.
//
// KeimaTuke handles a knight's move whose middle points are free of the
// attacker while an attacker's stone on a side point touches one of the two
// link stones (the contact frame of Keima.h).  It reads how the touched
// stone stands (liberties, ladders, the points behind and beside it), plays
// the attacker's push at the middle point and the owner's answers on the
// look-ahead boards, and hands the position to one of its pattern readings
// or values it itself.  Candidates go to the engine's side: the owner's
// answer when the engine owns the link, the attacker's point otherwise; all
// carry the reason code in force except one that also carries code 27.
//
// Like every shape handler it takes back exactly the moves that stood.
#pragma once

#include "board/Point.h"

namespace vorn {

// a-b: a knight's move of one colour with the attacker at R[1] or R[4] (both
// for the double contact) and not on the middle points.
void KeimaTuke(Point a, Point b);

} // namespace vorn

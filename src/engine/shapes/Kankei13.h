// (3,3) links: two stones of one colour three diagonal steps apart, the
// corners of a 4 x 4 square (BetweenBox4) with X[4 row + column] the point
// `column` steps from A toward B along x and `row` steps along y:
//
//     X0=A X1  X2  X3
//     X4   X5  X6  X7        X5, X10  the diagonal between A and B
//     X8   X9  X10 X11       X6, X9   beside its middle
//     X12  X13 X14 X15=B     X3, X12  the free corners
//
// When the opponent has a stone inside the square the owner answers on the
// other side of the diagonal, and the attacker cuts at X5 or X10.  The
// readings are single moves valued with UtuHyoka; nothing is marked and no
// answer is prepared.
#pragma once

#include "board/Point.h"

namespace vorn {

class TShape;

// The pair-answer handler of a (3,3) pair a-b (kind 13).
void Kankei13Utu(Point a, Point b);

// The patterns, over the shape of a pair (kind 13) as Kankei13Utu made it.
// The attacker beside the middle of the diagonal, on X6 or X9: the point
// across it.
void Kankei13KataUtu(const TShape& s);
// The attacker on a side of the square next to a free corner (X2, X7, X8 or
// X13): the owner across the diagonal, or the attacker's cut on it.
void Kankei13SideUtu(const TShape& s);
// The attacker on a free corner (X3 or X12).
void Kankei13KadoUtu(const TShape& s);

} // namespace vorn

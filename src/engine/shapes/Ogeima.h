// Large knight's-move links: the handler of the relation kind 7, two stones
// three steps apart along one axis and one along the other, and its second
// pass.
//
// The rows box R (BetweenRows) and the outer lines D (BetweenDiag), step 0
// at A:
//
//     D1  D3  D5  D7       the line beyond B's line
//     R1  R3  R5  R7 = B   B's line
//     R0  R2  R4  R6       A's line (R0 = A)
//     D0  D2  D4  D6       the line beyond A's line
//
// Exchanging A and B maps cell i to 7 - i in both boxes.  Every pattern is
// written once for its trigger cell and run on that placement first, then on
// the mirror image; the first placement whose trigger holds decides.
//
// Kankei7Utu hands the pair by where the attacker stands: inside the
// rectangle (R2..R5), beside an end stone (R1, R6), or on the outer lines
// (OgeimaSoto.h).  Kankei7Hokyo is the second pass: it strengthens a shape
// that the attacker touches only from the far outer line at an end.
//
// Like every shape handler they take back exactly the moves that stood.
#pragma once

#include "board/Point.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

// The A-B exchange of the (1,3) boxes.
inline constexpr TPerm kOgeimaMirror = ReversePerm(7);

// Runs pattern(role) on the written placement and, when it answers false
// (its trigger does not hold there), on the mirror image.
template <class F>
void OgeimaBoth(const TShape& s, F&& pattern)
{
    if (!pattern(TRole(s, kIdentity)))
        pattern(TRole(s, kOgeimaMirror));
}

// The pair-answer handler of a (1,3) pair a-b (kind 7).  Gives reason 3 to
// the attacker's point of one pattern and 18 to one follow-up, the rest
// under the reason code in force.
void Kankei7Utu(Point a, Point b);

// The patterns of the attacker's stones inside the rectangle, and beside an
// end stone; s is a kind-7 shape.
void OgeimaNakaUtu(const TShape& s);
void OgeimaTukeUtu(const TShape& s);

// The second-pass handler of a (1,3) pair: the inner point next to the
// middle, valued for both sides, when the attacker stands only on the far
// outer line at one end.
void Kankei7Hokyo(Point a, Point b);

} // namespace vorn

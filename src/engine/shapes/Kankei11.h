// (1,4) links: two stones of one colour one line apart across and four along
// (the relation kind 11).
//
// The rows box R (BetweenRows) and the outer lines D (BetweenDiag), step 0
// at A:
//
//     D1  D3  D5  D7  D9       the line beyond B's line
//     R1  R3  R5  R7  R9 = B   B's line
//     R0  R2  R4  R6  R8       A's line (R0 = A)
//     D0  D2  D4  D6  D8       the line beyond A's line
//
// A half turn maps cell i to 9 - i in both boxes and exchanges A and B.
// Kankei11Utu hands the pair to one pattern by where the attacker stands:
// inside the rectangle first (the cell pairs 4/5, 3/6, 2/7, 1/8 in this
// order), else on the outer lines (the same pairs of D).  The lower cell of a
// pair is read in the written placement, the higher one in its half-turn
// image.  An attacker only on D0 or D9 gives nothing.
//
// Every pattern proposes the owner's point when the engine owns the pair,
// else the attacker's point, under the reason code in force.  A refused move
// inside a reading is not played and the reading goes on from the position
// reached; only the moves that stood are taken back.
#pragma once

#include "board/Point.h"

namespace vorn {

class TShape;

// The pair-answer handler of a (1,4) pair a-b.
void Kankei11Utu(Point a, Point b);

// The dispatch of a kind-11 shape with some attacker's stone on R, and with
// none there.
void Kankei11NakaUtu(const TShape& s);
void Kankei11SotoUtu(const TShape& s);

} // namespace vorn

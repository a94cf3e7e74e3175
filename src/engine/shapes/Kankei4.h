// Knight's-move answers of the threat list: the last pass of the relation-pair
// answers.
//
// After the point-pair list has been answered, Kankei4Think walks every
// stone's firm knight's-move links over the board and reads the two middle
// points of each, where the opponent threatens to push through between the
// two stones: the push and its block read from either middle point, and the
// push against an end stone short of liberties when an opponent stone stands
// outside the middle points.  Candidates carry reason 5; the pass then
// selects at 160.  It reads nothing inside the root look-ahead.
//
// The box of a pair (P, Q) is BetweenRows(P, Q): P = [0], Q = [5], [2] and
// [3] the middle points, [1] beside P on Q's line and [4] beside Q on P's
// line.
//
// Every reading takes back exactly the moves that stood.
#pragma once

#include "board/Point.h"

namespace vorn {

// The pass: out is the chosen point, (0, 0) when the table is empty; left
// as the caller set it inside the root look-ahead.
void Kankei4Think(Point& out);

// One knight's-move link p-q of the same colour, read once: only when p lies
// left of q.
void Kankei4Pair(Point p, Point q);

} // namespace vorn

// (2,2) links: two stones of one colour two lines apart on both axes, the
// corners of a 3 x 3 square whose centre is the only point on the diagonal
// between them.
//
// The box (BetweenWide) steps from A toward B row by row:
//
//     [0]=A  [1]   [2]        [1], [3], [5], [7]  the edge midpoints
//     [3]    [4]   [5]        [4]                 the centre, the cutting point
//     [6]    [7]   [8]=B      [2], [6]            the two free corners
//
// [1] and [5] lie on the side of corner [2], [3] and [7] on the side of [6];
// [1] and [3] touch A, [5] and [7] touch B.  Reflecting the square in its
// A-B diagonal swaps [1] <-> [3], [2] <-> [6] and [5] <-> [7]: a pattern is
// written once for the [2] side and read through that reflection for the [6]
// side (the side of [2] first).
//
// Kankei5Utu chooses a pattern by where the attacker stands: on a free
// corner, on a midpoint (one, or both of one side), or nowhere in the
// square, where a lone stone just outside decides.  Each pattern proposes
// the owner's answer when the engine owns the pair and the attacker's point
// otherwise, with one value (bonus 0, the reason code in force).
//
// Inside their fixed sequences a move the board refuses is not played and
// the sequence goes on: the score reads the position reached.  Every move
// that stood is taken back; the boards and the level end as found.
#pragma once

#include <span>

#include "board/Point.h"

namespace vorn {

class TShape;

// The most points Kankei5UkeTen lists.
constexpr int kMaxUkeTen = 8;

// The pair-answer handler of a (2,2) pair a-b (kind 5).
void Kankei5Utu(Point a, Point b);

// The patterns, over the shape of a pair (kind 5) as Kankei5Utu made it.
// The attacker on a free corner.
void Kankei5KadoUtu(const TShape& s);
// The attacker on an edge midpoint (both midpoints of one side go on to
// Kankei5HenRyoUtu, an end stone with two liberties to Kankei5Dame2Utu).
void Kankei5HenUtu(const TShape& s);
// The attacker on both midpoints of one side.
void Kankei5HenRyoUtu(const TShape& s);
// The end stone next to the attacker's midpoint stone has two liberties.
void Kankei5Dame2Utu(const TShape& s);
// One attacker stone e two points straight out from the centre, and no other
// near it: the cut at the centre, valued by the attacker's gain.
void Kankei5TobiUtu(const TShape& s, Point e);
// The owner's answers to the attacker's stones just outside the square, in
// order (at most kMaxUkeTen and out's size); answers the count.  The centre
// alone when two stones face each other across one side.
int Kankei5UkeTen(const TShape& s, std::span<Point> out);

} // namespace vorn

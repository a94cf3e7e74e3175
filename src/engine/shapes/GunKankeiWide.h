// Group relation shape moves for the wide shapes: the group patterns
// (GunKankei.h) of a stone a and a stone b of the other colour a knight's
// move (kind 4), a (2,2) diagonal (5), a two-space jump (6), a large knight's
// move (7), a (2,3) shape (8) or a three-space jump (10) apart.
//
// Boxes are laid from a toward b (board/Between.h):
//
//   knight's move   R = BetweenRows 0..5, D = BetweenDiag 0..5
//   (2,2)           W = BetweenWide 0..8, corners W2 and W6
//   (2,3)           W = BetweenWide 0..11, corners W2 and W9
//   two-space       S = BetweenStrip3 0..11 (a = S1, b = S10), T = BetweenStrip5 0..7
//   three-space     S = BetweenStrip3 0..14 (a = S1, b = S13)
//
// The strip sides are absolute: the low side (smaller coordinates) first.
//
// The two-space pattern and the three-space pattern's single trials add
// their candidates in either mode; the two-space pattern has no pair output.
#pragma once

#include "board/Point.h"

namespace vorn {

void GunKankei4Utu(Point a, Point b);
void GunKankei5Utu(Point a, Point b);
void GunKankei6Utu(Point a, Point b);
void GunKankei7Utu(Point a, Point b, int weak);
void GunKankei8Utu(Point a, Point b);
void GunKankei10Utu(Point a, Point b, int weak);

// The large knight's move's points beyond the two stones: H0 beyond b's
// line at b's step, H1 beyond a's line at a's step (the outer cells [7] and
// [0] of BetweenDiag), whose area at the decision's start decides between
// the extension and the small jump.
Point Ogeima7H0(Point a, Point b);
Point Ogeima7H1(Point a, Point b);

} // namespace vorn

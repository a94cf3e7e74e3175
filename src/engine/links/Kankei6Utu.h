// The two-space jump: two stones of one colour three points apart on a line,
// with two empty points between them.  Kankei6Utu is its relation handler in
// the pair answers: it looks where the opponent's stones stand in the 4 x 3
// box (engine/links/KankeiBox.h) and hands the box to one pattern family.
// Here also the family for a jump with no opponent stone in the box
// (Kankei6Free) and the one for an opponent stone two lines out beside a
// gap point (Kankei6Soto).
//
//   A     [0]  [1]  [2]        outer strip, two lines out:
//   gap   [3]  [4]  [5]          [0] [1] beside A
//   gap   [6]  [7]  [8]          [2] [3] beside [4]
//   B     [9] [10] [11]          [4] [5] beside [7]
//                                [6] [7] beside B
//
// The families name their points by the side of the opponent's stone that
// fixes the shape: one role table for the stone on [0] (or [3], or outer
// [2]), read through TKankeiBox::Idx under the orientation that carries
// that cell onto the stone (Kankei6Orient).
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The shapes of a two-space jump, in the order they are tested: the first
// that holds decides.
enum : int {
    kKankei6Warikomi = 0, // a gap point [4] or [7] holds the opponent
    kKankei6Nozoki = 1,   // a gap point's flank does: a peep
    kKankei6Kata = 2,     // a corner beside an end stone does
    kKankei6Free = 3,     // no opponent stone in the box
};
int Kankei6Shape(const TKankeiBox& box);

// Relation handler of the pair answers: A the owner's stone, B its partner
// (a jump to the edge, B or A off the board, goes to Kankei6EdgeUtu).
void Kankei6Utu(Point a, Point b);

// No opponent stone in the box, the points between neutral: the opponent's
// better gap point against the owner's best point beside the gaps, whatever
// the sign of their sum.
void Kankei6Free(TKankeiBox box);

// Opponent stones two lines out beside the gaps (the strip must be made
// from [1] to [10]).  One stone: its approach at the gap and the owner's
// block on its side, under reason kkLink2ken29; with the owner two lines out
// beside the near end stone, Kankei6SotoKiri.  Stones on both sides of one
// gap: Kankei6Soto2.
void Kankei6Soto(TKankeiBox box);
// Stones two lines out on both sides of one gap point: the gap's value for
// either side, at the gap for the attacker, at both its flanks for the owner.
void Kankei6Soto2(TKankeiBox box);
// The outside stone S is cut off from the owner's stone W two lines out
// beside the end E: the owner's point Ns beside the gap Gn against the
// attacker's push at Gn, its corner R1 or Ns itself.
void Kankei6SotoKiri(Point gn, Point no, Point gf, Point fo, Point ns, Point r1, Point w, Point s, int attacker);

// --- Helpers of the two-space families ------------------------------------------------

// The first orientation (plain, across, along, both) under which box cell
// (k, 0) holds the opponent: with k = 0 the corners [0], [2], [9], [11] in
// that order, with k = 1 the flanks [3], [5], [6], [8].  -1 when none does.
int Kankei6Orient(const TKankeiBox& box, int k);
// The same for the strip cell two lines out beside the first gap: outer
// [2], [3], [4], [5] in that order.
int Kankei6StripOrient(const TKankeiBox& box);
// The contact play against the knight's move a, b, and the cut at `cut`
// between a and b for c; a point off the board has no stone to read: 0 and
// -1 for it.
int KeimaTukeOnBoard(Point a, Point b);
int KiriHyokaOnBoard(int c, Point cut, Point a, Point b);
// The groups of the trial position: a full analysis of the current
// look-ahead board.  The game board's analysis is the decision's own and
// already describes its position, so it is not made again there.
void TrialAnalyze();

} // namespace vorn

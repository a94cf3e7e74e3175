// The three-space jump: two stones of one colour four points apart on a line,
// with three empty points between them.  Kankei10Utu is its relation handler
// in the pair answers: it looks where the opponent's stones stand in the 5 x 3
// box (engine/links/KankeiBox.h) and hands the box to one pattern family; with
// no opponent stone in the box it looks two lines out (the strip).  A stone on
// the fourth line related to the edge goes to Kankei10EdgeUtu.
//
//   A        [0]  [1]  [2]        strip, two lines out:
//   gap 1    [3]  [4]  [5]          [0] [1] beside A
//   middle   [6]  [7]  [8]          [2] [3] beside [4]
//   gap 3    [9] [10] [11]          [4] [5] beside [7]
//   B       [12] [13] [14]          [6] [7] beside [10]
//                                   [8] [9] beside B
//
// (even strip cells beyond box column 0, odd ones beyond column 2).  At the
// edge the box is laid from the fourth-line stone toward the edge: [1] the
// stone, [4] the third line, [7] the second, [10] the first; row 4 lies off
// the board and only cells [0..11] are read.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The shapes of a three-space jump, in the order they are tested: the first
// that holds decides.
enum : int {
    kKankei10Warikomi = 0,   // the middle gap [7] holds the opponent
    kKankei10WariHasi = 1,   // a gap next to an end, [4] or [10]
    kKankei10NakaNozoki = 2, // a flank of the middle gap, [6] or [8]
    kKankei10Nozoki = 3,     // a flank of a gap next to an end
    kKankei10Kado = 4,       // only a corner beside an end stone: no answer
    kKankei10Soto = 5,       // no opponent stone in the box: read the strip
};
int Kankei10Shape(const TKankeiBox& box);

// The outside shapes, on the strip made from [1] to [13], first that holds.
enum : int {
    kKankei10SotoNaka = 0, // beside the middle gap, strip [4] or [5]
    kKankei10SotoSoba = 1, // beside the first or third gap
    kKankei10SotoKata = 2, // beside an end stone
    kKankei10SotoNone = 3,
};
int Kankei10SotoShape(const TKankeiBox& box);

// The shapes at the edge, on the turned box and the strip, first that holds.
enum : int {
    kKankei10EdgeSan = 0,     // the third-line point [4] in front of the stone
    kKankei10EdgeNi = 1,      // the second-line point [7]
    kKankei10EdgeSanYoko = 2, // beside [4]
    kKankei10EdgeNiYoko = 3,  // beside [7]
    kKankei10EdgeKata = 4,    // beside the stone
    kKankei10EdgeNone = 5,
};
int Kankei10EdgeShape(const TKankeiBox& box);

// Relation handler of the pair answers: A the owner's stone, B its partner
// (B or A off the board: Kankei10EdgeUtu).
void Kankei10Utu(Point a, Point b);
// A fourth-line stone related to the edge.  The look-ahead gate reads the
// stone's row and the next two rows as laid; the box is turned when A is the
// off-board end; nothing when the stone's row runs off the board.  With no
// opponent stone on cells [0..11] Kankei10EdgeFree answers; otherwise the
// strip is made from a toward b as given (in the pair list the stone is
// always a) and the first edge shape that holds decides.
void Kankei10EdgeUtu(Point a, Point b);

} // namespace vorn

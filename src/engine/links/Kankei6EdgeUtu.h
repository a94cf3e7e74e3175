// The two-space jump to the edge: a stone on the third line whose jump
// partner lies beyond the edge, so that the two points between them are on
// the second and the first line.  The owner keeps the stone linked to the
// edge; the opponent wants to pass under it.
//
// Kankei6EdgeUtu is the handler the two-space jump (engine/links/Kankei6Utu.h)
// hands such a relation to.  It lays the jump's box (engine/links/KankeiBox.h)
// and turns it so that the stone stands at [1] whichever end came first:
//
//   the stone's row (third line)   [0]  [1]  [2]     [1] the owner's stone
//   second line                    [3]  [4]  [5]     [4] the near gap point
//   first line                     [6]  [7]  [8]     [7] the far gap point
//   beyond the edge, or a copy of the stone's row
//
// and hands it on by where the first opponent stone stands: on the near gap
// (engine/links/Kankei6EdgeWarikomi.h), on the far gap (here), beside the
// near gap (engine/links/Kankei6EdgeNozoki.h), beside the stone
// (engine/links/Kankei6EdgeKata.h and the two corner patterns here) or
// beside the far gap (here).  The pattern routines read cells 0..8 only; a
// routine that needs the end beyond the edge takes Kankei6EdgeEnd.  Columns
// keep their sides through the turn: j = 0 the smaller coordinate.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The shapes of a two-space jump to the edge, in the order they are tested.
enum : int {
    kKankei6EdgeWarikomi = 0,  // [4] holds the opponent
    kKankei6EdgeWarikomi2 = 1, // [7] does
    kKankei6EdgeNozoki = 2,    // [3] or [5] does: a peep at the near gap
    kKankei6EdgeKata = 3,      // [0] or [2] does: beside the stone
    kKankei6EdgeNozoki2 = 4,   // [6] or [8] does: beside the far gap
    kKankei6EdgeNone = 5,      // no opponent stone in cells 0..8
};
int Kankei6EdgeShape(const TKankeiBox& box);

// The edge box of the relation (a, b) as the handler reads it: laid, gated
// for the look-ahead over cells 0..8 as laid, turned when a is the end off
// the board.  False when the handler would stop there: not a two-space
// jump, outside the look-ahead area, no stone at [1], or a stone on the
// first line of the other edge ([0] or [2] off the board).
bool Kankei6EdgeBox(Point a, Point b, TKankeiBox& box);
// The end beyond the edge: one step beyond [7] seen from [4].
Point Kankei6EdgeEnd(const TKankeiBox& box);
// The column, 0 or 2, of the first of cells c and c + 2 (c = 0, 3 or 6)
// that holds the opponent; -1 when neither does.
int Kankei6EdgeSide(const TKankeiBox& box, int c);
// The ladder status of colour c's chain at p (TRen::GetSicho); 0 when p
// holds no stone of c.
int Kankei6EdgeSicho(int c, Point p);

// Relation handler for a two-space jump with one end (a or b) off the board.
void Kankei6EdgeUtu(Point a, Point b);

// The opponent on the far gap [7]: each side read on its own, with the
// outer strip from the stone toward the edge.
void Kankei6EdgeWarikomi2(TKankeiBox box);
// One side of it, column 0 of the box and the strip given: the owner's
// block beside the near gap, against the opponent's push two lines out
// beside the far gap when the owner stands two lines out beside the stone.
void Kankei6EdgeWarikomi2Kata(TKankeiBox box);
// The opponent beside the stone: the invasion at the 3-3 point two points
// from the stone on the other side, where the owner stands behind it;
// value 25, bonus 40, the owner's answer at [4].
void Kankei6EdgeSanSanUtikomi(TKankeiBox box);
// The owner's stone on the 3-3 point with the opponent beside it: the hane
// K and the extension behind the corner side for the owner, [4] for the
// opponent, each with its prepared answers; value 25.
void Kankei6EdgeSanSanKata(TKankeiBox box);
// The opponent beside the far gap: the gap against the push on the first
// line on the free side, or the free side's second-line point alone.
void Kankei6EdgeNozoki2(TKankeiBox box);

} // namespace vorn

// Diagonal links.
//
// Two stones of one colour a diagonal step apart share two neighbours, the
// crossing points.  When the opponent holds one of them (C1) and may cut at
// the other (C2), KosumiRenraku reads the cut: the cutting stone's ladder,
// the atari it gives, the owner's defence, and proposes the defence when the
// engine owns the pair (reason 3, the cutting point as related point) or the
// cut when it is the attacker (reason 4).  A handful of shapes around the cut
// (the stone at C1 short of liberties, stones beyond the cutting point, a
// link on the second line) have readings of their own, which add under the
// reason code in force.
//
//     E1 D3 D1         A, B   the pair (A the stone whose owner the
//     A  C2 D2                relation belongs to)
//     C1 B  E2         C1     the crossing point that holds a stone
//                             ((A.x, B.y) when that point is occupied)
//                      C2     the other one, the cutting point
//
// E1, E2 lie beyond A and B away from C1; D1, D2, D3 beyond C2 away from C1,
// from A and from B.
//
// KosumiHokyo is the diagonal's handler of the second pass over the relations:
// a cut that turns the opponent's laddered stone at C1 into a ladder of ours.
//
// Both follow the frame of ShapeFrame.h: they take back every move that stood
// and leave the boards and the level as they found them.
#pragma once

#include "board/Point.h"

namespace vorn {

class TShapeYomi;

// The pair-answer handler of a diagonal a-b (kind 2).
void KosumiRenraku(Point a, Point b);

// The second-pass handler of a diagonal a-b: one candidate at the cutting
// point at most.
void KosumiHokyo(Point a, Point b);

// One step of the cut's reading.  With the cut at c2 standing and our link
// chain at s in atari: we escape at its liberty l, and when we get out the
// cutter runs out (at a liberty near the cut, or at its last one).  The moves
// that stood stay on the boards, recorded in y, for the caller to take back
// once the position is valued.  Answers 1 when our escape fails (nothing is
// left on the board) or the cutting group lives, 0 when it dies; w is where
// the cutter ran out, (0, 0) when it did not.
int KosumiKiriAtari(TShapeYomi& y, Point c2, Point s, Point l, Point& w);

} // namespace vorn

// The one-space jump to the edge: a stone on the second line whose jump
// partner lies beyond the edge, so that the point between them is on the
// first line.  The owner keeps the stone linked to the edge; the opponent
// wants to pass under it along the first line.
//
// IkkenEdgeRenraku is the handler the one-space jump hands such a relation
// to.  It lays the jump's box (engine/links/KankeiBox.h) and turns it so the
// stone stands at [1] whichever end came first:
//
//   the stone's row (second line)   [0]  [1]  [2]     [1] the stone
//   the first line                  [3]  [4]  [5]     [4] the gap
//   beyond the edge, or a copy of the stone's row
//
// and hands it on by where the first opponent stone stands: on the gap
// (engine/links/IkkenEdgeWarikomi.h), beside the gap on the first line
// (engine/links/IkkenEdgeNozoki.h), or beside the stone on the second line
// (engine/links/IkkenEdgeTuke.h, then engine/links/IkkenEdgeTukeYomi.h).  The
// pattern routines read only cells 0..5.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The shapes of a jump to the edge, in the order they are tested.
enum : int {
    kIkkenEdgeWarikomi = 0, // the gap [4] holds the opponent
    kIkkenEdgeNozoki = 1,   // [3] or [5] does
    kIkkenEdgeTuke = 2,     // [0] or [2] does: beside the stone
    kIkkenEdgeNone = 3,     // no opponent stone in the six cells
};
int IkkenEdgeShape(const TKankeiBox& box);

// Relation handler for a one-space jump with one end (a or b) off the board.
// Nothing for a stone whose neighbour along the edge lies off the board (a
// stone next to a corner).
void IkkenEdgeRenraku(Point a, Point b);

// c's attack from q on the stone of the other colour just played at p (a
// first-line point beside the gap): false when a ladder or net catches the
// stone, when the ladder read against it runs ten moves or more, or when c's
// move at q ataris two chains at once.  A refused or self-atari attack leaves
// the stone safe.  Leaves the boards as it found them.
bool IkkenEdgeSafeCheck(int c, Point p, Point q);

// The named cells of one side of the edge box.  Under kOrientPlain the side
// read is j = 2: S = [5], the first-line point beside the gap, and T = [2]
// above it, beside the stone; on the other side N = [3] beside the gap and
// K = [0] beside the stone.  kOrientAcross mirrors them.
struct TIkkenEdgeSide {
    int S, T, N, K;
    Point Stone, Gap;
    Point U; // the second-line point beyond T, two from the stone
    Point W; // the first-line point beyond S, two from the gap
    Point V; // the third-line point above T
};
TIkkenEdgeSide IkkenEdgeSideOf(const TKankeiBox& box, int orient);

// Liberties of colour c's chain at p on the current board; 0 when p holds no
// stone of c (also off the board).
int IkkenEdgeKuu(int c, Point p);

} // namespace vorn

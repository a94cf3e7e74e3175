// The one-space jump: two stones of one colour two points apart on a line,
// with one point between them.  IkkenRenraku is its relation handler in the
// pair answers: it looks at where the opponent's stones stand in the 3 x 3
// box (engine/links/KankeiBox.h) and hands the box to one pattern family.
// Here also the family for a jump with no opponent stone in the box
// (IkkenFree) and the two families of two opponent corners.
//
//   A    [0]  [1]  [2]
//   gap  [3]  [4]  [5]
//   B    [6]  [7]  [8]
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The shapes of a one-space jump, in the order they are tested: the first
// that holds decides.
enum : int {
    kIkkenWarikomi = 0,   // the gap [4] holds the opponent
    kIkkenNozoki = 1,     // [3] or [5] does: a peep
    kIkkenKadoKata = 2,   // both corners of one side
    kIkkenKadoTaikaku = 3, // two diagonal corners
    kIkkenKado1 = 4,      // one corner
    kIkkenFree = 5,       // no opponent stone in the box
};
int IkkenShape(const TKankeiBox& box);

// Relation handler of the pair answers: A the threatened stone, B its
// partner (on the border line for a jump to the edge).  May leave trial
// moves on the look-ahead boards only inside routines of other families;
// the pair answers unwind after every handler.
void IkkenRenraku(Point a, Point b);

// No opponent stone in the box: the wedge at the gap is read when every
// corner is empty with an opponent stone near it.  The owner is offered the
// best of the gap and the four corners (the gap on equal values), the
// opponent the wedge with the two ataris answered by extending.
void IkkenFree(TKankeiBox box);
// Opponent stones on two diagonal corners: the cut at the gap, valued with
// the owner's push on either side of it.
void IkkenKadoTaikaku(TKankeiBox box);
// Opponent stones on both corners of one side: the owner's push between them
// against the opponent's wedge; both points are marked on LinkMark1.
void IkkenKadoKata(TKankeiBox box);
// `colour` plays `move`; the smaller of its cuts at cut1 (between stone and
// end1) and cut2 (between stone and end2), or the plain evaluation when
// either cut does not work.  Takes everything back.
int IkkenKiriMin(Point move, Point cut1, Point cut2, Point stone, Point end1, Point end2, int colour);

} // namespace vorn

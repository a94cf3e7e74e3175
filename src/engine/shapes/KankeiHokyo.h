// The second passes over the relations, late in the move choice: after the
// urgent generators found nothing, the linked pairs of stones are read once
// more, to reinforce the engine's links and cut the opponent's.
//
//   KankeiHokyo       (stages 6 and 7, reason 21) hands every relation pair of
//                     the pair list to its second-pass handler: mode 2 the
//                     two-space jumps and (1,3) shapes, mode 1 the diagonals,
//                     one-space jumps and knight's moves.  It reads the pair
//                     list whatever the pair answers did with it, and does
//                     not unwind between pairs: the handlers take their own
//                     moves back.
//   KeimaOgeimaHokyo  (stage 6, reason 22) plays between two opponent's
//                     stones a knight's move apart that the engine's stone
//                     reaches by a knight's move and a (1,3) shape.
//   KeimaHokyo        (stage 6, the reason code in force) answers an
//                     opponent's stone touching one end of a knight's move.
//
// Each selects from the whole candidate table at 110 (score value * 10 +
// bonus) into out, (0, 0) when the table is empty.
#pragma once

#include "board/Point.h"

namespace vorn {

void KankeiHokyo(int mode, Point& out);
// The second-pass handler of a relation kind (a the entry's first point);
// nothing for a kind without one.
void KankeiHokyoSmall(int kind, Point a, Point b);
void KankeiHokyoLarge(int kind, Point a, Point b);

void KeimaOgeimaHokyo(Point& out);
void KeimaHokyo(Point& out);

// The value rules of the last two: the between move gains 4 from a total of
// 8 up; the answer to a contact is doubled up to a total of 3.
int KeimaOgeimaValue(int sum);
int KeimaHokyoValue(int sum);

} // namespace vorn

// The two-space jump to the edge with the opponent's stone beside the near
// gap: a peep from [3] or [5], the second-line points next to [4], while
// neither gap point holds the opponent.  The owner's answer is as a rule the
// gap [4]; the opponent's the free gap neighbour N or [4].
//
// The box is the edge box of engine/links/Kankei6EdgeUtu.h:
//
//   third line    [0]  [1]  [2]      [1] the owner's stone
//   second line   [3]  [4]  [5]      X = [3 + s] the peeping stone
//   first line    [6]  [7]  [8]
//
// Points by the peep's column s (o = 2 - s the free side): N = [3 + o] the
// free gap neighbour, Y = [s] and W = [o] beside the stone, S7 = [6 + s] and
// F7 = [6 + o] beside [7]; X2, X3 two and three from [4] on X's side, Y2, Y3
// two and three from the stone there, YB behind Y (fourth line), X2E the
// first-line point under X2, BACK behind the stone; and two lines out on the
// free side Q0, Q1, Q2 beside the stone, beside [4] and beside [7].
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The router of the peep: the gap's value when the owner stands two points
// out on the peep's side, the outside reading with the opponent two lines
// out beside [7], the general reading, or a direct reading of the cut at N
// whose value is scaled by the size of the owner's group.
void Kankei6EdgeNozoki(TKankeiBox box);
// The owner's stone on X2 with the opponent on Y2: the gap against N (or the
// gap) when the ladder catches the owner's X2, else the gap's own value.
void Kankei6EdgeNozokiSicho(TKankeiBox box);
// The opponent two lines out beside [7] and the owner two lines out beside
// the stone: the owner's descent at [7] against the opponent's gap.  Marks
// [4] on LinkMark1 for either side.
void Kankei6EdgeNozokiSoto(TKankeiBox box);
// N on the first line of the other edge: the gap's two-sided value, 12 read
// as 19.
void Kankei6EdgeNozokiHen(TKankeiBox box);
// The general reading: the owner's connection at [4] with the fight around
// X2, against the opponent's push at [4] and cut at N or W.  The owner's
// candidate carries the value of the extension at X2 as its bonus.
void Kankei6EdgeNozokiYomi(TKankeiBox box);

} // namespace vorn

// The second pass over the two-space jumps: quiet shapes only.  In the
// middle of the board a single opponent stone on a corner beside an end
// stone; at the edge (one end off the board) a peep beside the gap next to
// the stone, or an opponent stone two lines out beside it.
//
// The edge box is turned so that the stone on the board stands at [1]:
//
//   stone        [0]  [1]  [2]        edge strip, two lines out:
//   second line  [3]  [4]  [5]          [0] [1] beside the stone
//   first line   [6]  [7]  [8]          [2] [3] beside [4]
//                                       [4] [5] beside [7]
//
// The caller of the second pass does not unwind the look-ahead between
// relations: every routine here takes back each move it plays.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// Second-pass handler of a two-space relation; no local-mode gate.
void Kankei6Hokyo(Point a, Point b);
// One opponent stone on a corner beside an end stone, nothing between: the
// owner's block beside the gap against the push; marks [3] to [8] on
// LinkMark1.
void Kankei6HokyoKata(TKankeiBox box);
// A two-space jump from a third-line stone to the edge, given either way
// round.
void Kankei6HokyoEdge(Point a, Point b);
// Edge: a peep beside the second-line gap [4].
void Kankei6HokyoNozoki(TKankeiBox box);
// Edge: nothing in the box; the strip two lines out decides.
void Kankei6HokyoEdgeFree(TKankeiBox box);
// Edge: an opponent stone two lines out beside [4] (strip from [1] to
// [7]): its slide under the stone against the owner's block.
void Kankei6HokyoSoto(TKankeiBox box);
// Edge: the same with room behind the stone: the opponent's wedge at [4]
// and its cut at the stone's corner; u is the owner's block.
void Kankei6HokyoSotoKiri(TKankeiBox box, int u);

} // namespace vorn

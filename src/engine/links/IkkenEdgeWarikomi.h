// The one-space jump to the edge with the opponent's stone on the gap: the
// first-line point under the owner's second-line stone is taken.  The owner
// keeps the stone connected to the edge by blocking on the first line beside
// the gap stone (or on the second line when that fails); the opponent crawls
// on under it.  Each routine reads both sides, adds the owner's evaluation and
// the opponent's, and offers the owner's point when the engine owns the link,
// the opponent's otherwise.
//
// The box is the edge box of engine/links/IkkenEdgeRenraku.h:
//
//   second line   [0]  [1]  [2]      [1] the owner's stone
//   first line    [3]  [4]  [5]      [4] the opponent's gap stone
//
// Points named by the routines, for the side chosen (S):
//   S  the first-line point beside the gap where the owner blocks
//   T  the second-line point above S, beside the stone
//   U  the second-line point beyond T;  V  the third-line point above T
//   W  the first-line point beyond S;   Y  the one beyond W
//   K  the opponent's stone beside the stone on the other side, N below it
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The router: a second opponent stone beside the gap, else one beside the
// stone, else the gap stone alone.
void IkkenEdgeWarikomi(TKankeiBox box);
// The gap stone has a neighbour of its own on the first line: the owner blocks
// on the other side; its candidate carries the opponent's point as the
// related point under kkTugi, worth double when the block ataris the gap
// stone.
void IkkenEdgeWariNobi(TKankeiBox box);
// The gap stone and an opponent stone K beside the owner's stone: the owner
// blocks on the far side.  Marks S and T first; an owner candidate of 20 or
// more goes under kkKiri with the opponent's point as the related point.
void IkkenEdgeWariKata(TKankeiBox box);
// The same shape when the owner's stone is short of liberties (two or fewer).
void IkkenEdgeWariKataDame(TKankeiBox box);
// The gap stone alone in the six cells, with an opponent stone two points
// along the first line from it: the owner blocks away from that stone.
void IkkenEdgeWariTobi(TKankeiBox box);
// The point holds c, or is empty between exactly two stones of c and two
// empty points.
bool IkkenEdgeKabePt(Point p, int c);

} // namespace vorn

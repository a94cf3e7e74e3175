// The one-space jump to the edge with the opponent's stone K on the second
// line right beside the owner's stone: the strip patterns.
//
// The four second-line points K2, K, the stone and F along the edge (K2
// beyond K, F the stone's other neighbour) are laid as a strip of four rows
// with the third and the first line beside them:
//
//            third line  second line  first line
//   row 0       [0]         [1]          [2]        K2
//   row 1       [3]         [4]          [5]        K
//   row 2       [6]         [7]          [8]        the stone ([8] the gap)
//   row 3       [9]         [10]         [11]       F
//
// The patterns are colour-neutral: col is the colour of the row-1 stone,
// oth the other colour, and oth is the side that plays first.  They run on
// the strip and on the strip reversed (rows F, stone, K, K2), so each reads
// the opponent's chances on one side and the owner's on the other, and
// proposes oth's point when the engine plays oth, col's answer otherwise.
//
// The strip is a three-space box of the frame (engine/links/KankeiBox.h):
// only its points and colours are used, never its owner.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The family head: the edge box with an opponent stone on [0] or [2] and none
// on the first-line cells.  Nothing when K2 is not on the second line.
void IkkenEdgeTuke(TKankeiBox box);

// The strip from `from` to `to` (second-line points three apart), its columns
// turned so that j = 0 is the third line and j = 2 the first line, with its
// colours; false when the two points are no such pair.
bool IkkenEdgeStripMake(Point from, Point to, TKankeiBox& strip);
// Rows 0 <-> 3 and 1 <-> 2 exchanged, colours read again.
void IkkenEdgeStripReverse(TKankeiBox& strip);

// oth blocks at [1], beyond the row-1 stone.
void IkkenEdgeTukeHane(TKankeiBox strip);
// The block when col also stands above its row-1 stone, at [3].
void IkkenEdgeTukeHaneKiri(TKankeiBox strip);
// oth's atari from the first line of row 0.
void IkkenEdgeTukeSitaAtari(TKankeiBox strip);
// The stone and K short of liberties (one and two): the short race at the
// empty second-line point of row 0 (else row 3), added for either side.
void IkkenEdgeTukeDame(TKankeiBox strip);
// `colour` captures the chain in atari at z; the other colour answers by
// attacking the chain at p.
void IkkenEdgeTukeAtariTori(Point p, Point z, int colour);

} // namespace vorn

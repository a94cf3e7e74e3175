// The one-space jump to the edge with the opponent's stone K on the second
// line beside the owner's stone: the reading of the attached pair, and the
// small readings it calls for special shapes.
//
// Both stones want the first line under them: the owner wants to play under
// K (at N) to keep the edge, the opponent wants to push in at the gap under
// the owner's stone.  Each side's line is read separately, with up to four
// points (the first is that side's candidate, three points make a prepared
// answer), valued with one evaluation; the two values are added, raised for
// forcing lines, capped, and one candidate goes to the side the engine plays.
//
//   third line     KH1  H1   TH1         (K2H1 above K2)
//   second line    K2   K    St   T      St = [1] the owner's stone
//   first line     NN   N    gap  S      gap = [4]
//
// K is [0] (the smaller coordinate along the edge); with K on the other side
// the pair is read from K's own relation to the edge.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The reading of the attached pair.
void IkkenEdgeTukeYomi(TKankeiBox box);

// --- Small readings -----------------------------------------------------------------

// Both sides hold the third line above the two ends of the pair (P and Q,
// second-line points three apart): the first-line exchange under it.
void IkkenEdgeSitaYomi(Point p, Point q);
// After c's stone at d (c the colour at `c`) and the other colour's atari on
// the chain at `c`, the ladder catches the chain at a; a and b must both have
// two liberties.
bool IkkenEdgeSichoNerai(Point a, Point b, Point c, Point d);
// The owner's move under the opponent's stone would take a ko: colour plays d
// and then beyond c; a third of the evaluation at b, with the prepared answer
// (b, c, d) when the engine plays colour.
void IkkenEdgeKouTe(Point a, Point b, Point c, Point d, int colour);
// The loose move that catches y in a ladder: beyond x and y, played on a
// level of its own by the other colour of the gap's chain; (0, 0) when none.
void IkkenEdgeGetaTe(const TKankeiBox& box, Point x, Point y, Point& r);
// colour's move at p leaves the group at q as good as dead.
bool IkkenEdgeKorosuCheck(Point p, Point q, int colour);
// colour may play p without putting itself in atari.
bool IkkenEdgeUteruCheck(Point p, Point q, int colour);
// p is the liberty of a chain in atari beside the owner's stone: the owner's
// capture against colour's push at the gap.
void IkkenEdgeToruHyoka(const TKankeiBox& box, int colour, Point p);
// c is the first-line point next to a corner: the exchange at c and d that
// catches the stone beyond them in a ladder.
void IkkenEdgeSumiYomi(Point a, Point b, Point c, Point d);

} // namespace vorn

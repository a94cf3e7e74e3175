// Link utilities: small readings that the relation-shape handlers and the
// jump-link handlers share.
//
//   - the other pairs of the pair list that touch a diagonal pair, and the
//     check that a neighbouring one-space or knight's-move pair already
//     answers the situation (LinkPartners, JoinedLinkCheck and the two
//     partner readings);
//   - fixed readings: two points as miai, a peep at a one-space jump, a chain
//     with two liberties, the value of moving first at one of two points, the
//     cut behind a knight's move and the strip of a long knight's move.
//
// Boxes are the callers' (board/Between.h): a one-space jump box is
// BetweenStrip3 of its two ends, ends [1] and [7], the gap [4]:
//
//     [0] [1] [2]      one end's row
//     [3] [4] [5]      the gap's row
//     [6] [7] [8]      the other end's row
//
// Colours are the box points' colours as the caller read them (0 empty,
// 1 black, 2 white, 3 off the board); a box shorter than a routine reads is a
// range error.
//
// Every reading plays on the look-ahead boards, scores with Hyoka, takes back
// exactly the moves the board accepted and adds its candidate (bonus 0) under
// the caller's reason code.  A reading whose first move is refused adds
// nothing; a later refused move is not played and the reading goes on.
#pragma once

#include <cstdint>
#include <span>

#include "board/Point.h"

namespace vorn {

// The most partners LinkPartners lists.
constexpr int kMaxLinkPartners = 8;

// The partners of a or b in the pair list of the current board: for each
// entry of the kind that pairs a or b with another point, that point (the
// pair a-b itself in either order is skipped), in list order.  At most
// kMaxLinkPartners and the list's size; answers the count.
int LinkPartners(Point a, Point b, int kind, std::span<Point> out);

// For a diagonal pair: reads the one-space jumps of its diagonal partners
// (their candidates stay), then the knight's-move partners; 1 when one of
// the knight's-move readings added a candidate (all are read), else 0.
int JoinedLinkCheck(Point a, Point b);
// A partner r a one-space jump from a (else from b) whose gap holds a stone:
// the opponent's attack on the weaker side of the jump.
void IkkenPartnerUtu(Point a, Point b, Point r);
// A partner r a knight's move from one of a, b and a two-space jump from the
// other: the cut at the empty crossing point of a-b; 1 when it added a
// candidate.
int KeimaPartnerCheck(Point a, Point b, Point r);
// The cut at c between k and s when the ladder catches s's chain: the
// smaller of two readings, added at c.
void KeimaPartnerSicho(Point c, Point d, Point k, Point s);

// box: a one-space jump; colour plays p, then the gap and q are miai.  Adds
// p when colour is the engine's, else the gap.
void IkkenMiaiUtu(std::span<const Point> box, Point p, Point q, int colour);
// box: a one-space jump of the other colour, colour's stone beside the gap at
// [3] (else [5]).  The peep at the gap read on each side; 1 when its ladder
// reading added the gap.
int IkkenNozokiYomi(std::span<const Point> box, std::span<const std::uint8_t> colours, int colour);
// box: a one-space jump.  The first of the corners [0], [6], [2], [8] that
// holds colour: whether the point two lines out beside the gap on that side
// holds the other colour.  False when no corner holds colour.
bool IkkenSotoIsiCheck(std::span<const Point> box, std::span<const std::uint8_t> colours, int colour);
// colour attacks the chain at s: with two liberties colour plays u and the
// last two points are miai; otherwise the value of t with u and v as miai.
void Dame2Utu(Point s, Point t, Point u, Point v, int colour);
// The value of playing first at p or q (p on ties), added at the engine's
// point.
void MiaiHyokaUtu(Point p, Point q, int colour);
// colour cuts at p behind the knight's move: adds p.
void KeimaKiriUtu(Point p, Point q, Point r, int colour);
// The strip between p and q, four lines apart on one line (a knight's-move
// reading): adds one candidate.
void KeimaStripUtu(Point p, Point q);
// The same strip when opp already stands on its far side: adds its two
// candidates.
void KeimaStripYomi(std::span<const Point> box, std::span<const std::uint8_t> colours, int opp);
// box: a (1,3) rows box.  Hyoka(col), corrected for the hane beside a stone
// of col on [2] or [5]; reads only.
int Kankei7SubHyoka(std::span<const Point> box, int col);

} // namespace vorn

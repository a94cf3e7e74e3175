// The one-space jump with one opponent stone on a corner of its box: the
// opponent touches one of the owner's stones from the side, diagonally next
// to the gap.  The points are named from that corner C:
//
//   N   the owner's end stone in C's row     Fs  the other end stone
//   D   C's side in Fs's row                 E, F  the other side in C's and Fs's rows
//   G   C's side of the gap row              H   the other side of the gap row
//   I, J  the other side in A's row and in B's row, whichever row C is in
//
// and outside the box, each one step beyond a point seen from another:
// Cout (C from N), Dout (D from Fs), Gout and Hout (G and H from the gap),
// Nout (N from the gap); further D2 (D from G), Cfar (Cout from C), Iout (I
// from N), Jout (J from Fs), I2 and J2 (I and J from H), Dout2 (Dout from
// Gout).
//
// IkkenKado1 reads the opponent's wedge at the gap against the owner's
// answer and adds one candidate; special shapes go to the routines below.
// Every routine adds its candidates (bonus 0) under the reason in force and
// ends on the position it was given.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// The single opponent corner: the owner's defending point when the engine
// owns the link, the wedge (or the extension beside the near stone) when the
// engine attacks it.
void IkkenKado1(TKankeiBox box);

// An opponent stone on Dout with D empty: the owner's G against the
// opponent's wedge; marks G and the gap on LinkMark1.
void IkkenKado1Soto(TKankeiBox box);
// The block at g against the opponent's corner stone c (dout, d as named
// above); marks g on LinkMark1 and adds g for either side.
void IkkenKado1Osae(Point g, Point dout, Point gap, Point d, Point c, int opp);
// The owner's stone on Dout: the opponent's g and gap, added at g only when
// the opponent gains by them.
void IkkenKado1OsaeSoto(Point g, Point gap, Point d, int opp);
// The near stone with two liberties and a stone outside it: the wedge
// against the owner's best point; marks the gap on LinkMark2.
void IkkenKado1Dame2(TKankeiBox box);
// An opponent stone on Gout: the owner's point out (x = 0 when there is
// none) and its value d by the shape outside the box.
void IkkenKado1SotoTe(TKankeiBox box, int& d, Point& out);
// D on the first line and G on the second: the opponent's G against the
// owner's Dout or G.
void IkkenKado1Edge(Point n, Point fs, Point c, Point gap, Point g, Point d, int opp);
// Called with the opponent's wedge standing, when the owner's G would be in
// atari on the second line: the owner's H and the chase of the far stone;
// adds the gap.
void IkkenKado1WariEdge(TKankeiBox box);

} // namespace vorn

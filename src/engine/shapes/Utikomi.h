// Invasions between the opponent's linked stones on the low lines.
//
// AiteKankeiThink (stage 3, reason 31) walks the opponent's linked pairs and
// proposes a fixed-value invasion point inside three shapes: a one-space
// jump on the third or fourth line (the third-line point beside the gap of
// a corner shape), a knight's move from the third line (the point on the
// fifth line beyond it), and a fourth-line stone facing the edge (the
// second-line point under it).  It adds candidates only; the stage's later
// selection decides.
//
// P is the opponent's stone and Q its related point (off the board for a
// link to the edge).
#pragma once

#include "board/Point.h"

namespace vorn {

void AiteKankeiThink();

void AiteIkkenUtikomi(Point p, Point q);
void AiteKeimaUtikomi(Point p, Point q);
// A three-space link to the edge goes to AiteSankenUtikomi.
void AiteSankenCheck(Point p, Point q);
void AiteSankenUtikomi(Point p, Point q);

} // namespace vorn

// The two-space jump with the opponent's stone beside a gap point: the peep.
//
// The peep Pe stands on the first of [3], [5], [6], [8] that holds the
// opponent; Pg is the peeped gap point, Og the other one, N the end stone
// next to Pg and Far the other end.  The far side is the side away from the
// peep: Op is Pg's flank there and Nc N's corner there; Q1, Q2 and Q3 lie
// two lines out on it beside Pg, N and Og, and Q4 is Og's flank on it.
// The opponent's push at Pg and its cut at Nc are weighed against the
// owner's answer at Pg.
#pragma once

#include "board/Point.h"
#include "engine/links/KankeiBox.h"

namespace vorn {

// A peep: the short cases decided by the stones two lines out on the far
// side, else the push into the gap read against the owner's connection.
// Both gap points are marked on LinkMark1 once the peep is read.
void Kankei6Nozoki(TKankeiBox box);
// Opponent stones beside both gap points on one side: each gap point read
// in turn, each may get a candidate (and then both gaps are marked).
void Kankei6Nozoki2(TKankeiBox box);
// The opponent two lines out beside N: its push at Pg, the owner's block at
// Op and the cut at Nc, and the ladder against Op after its approach at Q4.
// The candidate is Pg whichever side the engine plays.
void Kankei6NozokiKiri(Point pg, Point op, Point nc, int attacker, Point og, Point q4);
// The opponent two lines out beside Og: Pg for the owner against Og.
void Kankei6NozokiSoto(TKankeiBox box);
// With the opponent's push at Pg and the owner's block at Op standing: the
// opponent's hane behind Og and its cut at Nc against N's short chain.
// -1 when the shape does not apply.  Takes back everything it plays.
int Kankei6NozokiYomi(const TKankeiBox& box, Point n, Point op);

} // namespace vorn

// Late generators of the move choice: territory moves (stage 5) and the last
// moves before the endgame (stage 8).
//
// JiThink invades the 2-2 points of large corner territories; GunJiThink
// plays inside a settled group's only territory when it is 9 to 12 points
// large.  LastThink gives our weak groups eye space or contact, pushes
// through the opponent's knight's moves and reads the ladders of its
// diagonal shapes on the second line.  None of them sets a reason code:
// their candidates carry the code in force when they run.
#pragma once

#include "board/Point.h"

namespace vorn {

class TGun;
class TRen;

// Stage 5: the 2-2 invasions, then the territory fills; each selects at 220.
void JiThink(Point& out);
void GunJiThink(Point& out);
// Stage 8: selects any candidate of score 1 or more; (0, 0) while a ko
// candidate is parked or while the engine is ahead (judgement 2 or more).
void LastThink(Point& out);

// The four 2-2 points, in the order (2,2), (2,N-1), (N-1,2), (N-1,N-1).
void JiNiNi();
// Points inside the group's one territory of 9 to 12 points.
void GunJiFill(const TGun& g);

// Moves for our group g (colour c) with little eye space.
void LastGunThink(const TGun& g);
// c plays b and a neighbour of it: eye space gained.
void LastMeSpace(Point b, int c);
// c plays b in contact with the other colour, then ataris its two-liberty
// chains there.
void LastContact(Point b, int c);
// The atari of the two-liberty chain ren by the side that played p.
void LastRenAtari(TRen* ren, Point p);
// Pushing through the opponent's knight's move between its stones a and b.
void LastKeimaPush(Point a, Point b);
// The diagonal of the opponent's stones a and b between lines 2 and 3: the
// hane on line 2 that starts a ladder.
void LastKosumiLadder(Point a, Point b);

} // namespace vorn

// Group relation shape moves.
//
// Where a stone A of a group meets a stone B of the other colour at one of
// the relation shapes, both sides would like to play somewhere around the
// contact: an extension, a block, a push.  A group pattern finds that point
// for each side of the shape, reads A's colour's move and the other colour's
// move, and proposes the engine's point with the sum of both gains, the value
// of a point that either side would take.
//
// Stage 3 runs the patterns over every stone of the engine's living groups
// (GunKankeiThink, reason 18).  The weak-group generator runs them over the
// stones of a weak group with GunKankeiPairMode set: most patterns then
// record (Black's move, White's move, value) in its pair table (AddKohoPair)
// instead of adding a candidate.  The adjacent and two-space patterns, the
// three-space pattern's single trials and every AddKohoTry add candidates in
// either mode.
//
// colA is the colour of A, which may be either colour: the weak-group
// generator hands the enemy's stone over as A.  The candidate is always the
// engine's move (JibunIro), A's colour's point or the other colour's.
//
// A refused move of a fixed sequence is not played and the sequence goes on;
// the score reads the position reached, and every move that stood is taken
// back.  This unit has the adjacent, diagonal and one-space patterns;
// GunKankeiWide.h has the wider shapes.
#pragma once

#include <climits>
#include <cstdint>

#include "board/Point.h"

namespace vorn {

class TGun;
class TShapeYomi;

// The least value a group pattern keeps: set by KankeiGunUtu (every caller
// passes 0); a pattern raises a value below it to its own floor.
extern int GunKankeiMin;

// Stage 3: the patterns of every stone of the engine's living groups (eye
// value 4 or more, not dead), reason 18; the best candidate of the table at
// max(160, 10 n), (0, 0) when the table is empty.
void GunKankeiThink(int n, Point& out);
// The patterns of every stone of g, in g's stone order; n becomes
// GunKankeiMin, and g being weak is handed to the patterns that ask.
void KankeiGunUtu(const TGun& g, int n);
// The patterns of the stone a: its relations to stones of the other colour
// in record order (the first ten), each to the pattern of its kind.  Nothing
// when a's chain is in atari or a ladder or net takes it.
void KankeiPatternUtu(Point a, int weak);

// The patterns of the near shapes: a adjacent to b, diagonal, a one-space
// jump apart.
void GunKankei1Utu(Point a, Point b);
void GunKankei2Utu(Point a, Point b);
void GunKankei3Utu(Point a, Point b, int weak);

// --- Shared by the group patterns ------------------------------------------------

// No floor: the value is kept as it is.
constexpr int kNoFloor = INT_MIN;

// The one output of the group patterns: a value below GunKankeiMin becomes
// floor (unless kNoFloor); in pair mode the pair (colA's move own, the other
// colour's move opp, value) is recorded, else the engine's point of the two
// is added with bonus.
void GunKankeiPut(int colA, Point own, Point opp, int value, int floor, int bonus = 0);
// The engine's point of the two: own when the engine plays colA.
Point GunKankeiEnginePt(int colA, Point own, Point opp);

// Hyoka(c) of the position a reader reached; 0 when none of its moves stood
// (the game board is never analysed again for a reading).
int ScoreReached(const TShapeYomi& y, int c);
// Black and white stones, empty points, and stones of colour c among the
// eight points around p (off the board counts as none of them).
int StonesAround(Point p);
int EmptyAround(Point p);
int IroAround(Point p, int c);
// A stone at p is dead, by the dead marks of the current board.
bool DeadStone(Point p);
// The chain at p is in atari or the ladder takes it (status 1).
bool AtariOrSicho(Point p);
// The group of the stone at p on the current board (its analysis fresh) is
// weak, or dead by the 70 or the 90 rule; false without a group.
bool GunWeakAt(Point p);
bool GunDeath70At(Point p);
bool GunDeath90At(Point p);
// v halved n times, toward zero each time.
int HalveTimes(int v, int n);
// The area map of the start of the decision at p; 0 outside the map.
int AreaMapBackupAt(Point p);

// Back to start-up values.
void GunKankeiReset();

} // namespace vorn

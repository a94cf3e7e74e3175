// Relations of empty points and the signed area map.
//
// After the stone relations, every empty point learns which stones (and which
// parts of the edge) it is related to, seen from the empty point, and two
// count maps keep how many near and middle relations it has to each colour.
// From these the area map is seeded and then smoothed: a first estimate of
// whose side each point is on.  The maps are program-wide, shared by all
// look-ahead levels, and rebuilt by every analysis of the current level.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// Positive on Black's side, negative on White's, 0 neutral; +-1 border, +-2 firm.
extern Grid<int, 0, 20> AreaMap;
// The area map as it stood at the start of the engine's decision.
extern Grid<int, 0, 20> AreaMapBackup;
// The area map as the territory display shows it.
extern Grid<int, 0, 20> AreaMapView;

// [k][x][y]: relations of the empty point (x, y) to stones of colour k (k = 3
// the edge); a relation to a dead-marked stone counts for the other colour.
// Near: adjacent, diagonal, one-space jump, knight's move.
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 3> KuuIsiCount;
// Middle: the (2,2) diagonal, two-space jump, large knight's move.
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 3> KuuIsiCount2;

void KuuIsiReset();

// The relations and counts of every empty point of the current level.
void KuuIsiMake();
// The relations and counts of one empty point.
void KuuIsiPoint(int x, int y);
// Recounts one empty point.  Its relation record is not reset: callers that
// must not add relations a second time set KankeiOff around the call.
void KuuIsiRemake(int x, int y);
// While one lives (they nest), the board of the current level does not
// change: KuuIsiRemake tests once whether the last whole-board pass was made
// on it.
class TKuuIsiRecount {
public:
    TKuuIsiRecount();
    ~TKuuIsiRecount();
    TKuuIsiRecount(const TKuuIsiRecount&) = delete;
    TKuuIsiRecount& operator=(const TKuuIsiRecount&) = delete;
};
// The scans of one empty point in one direction.
void KuuIsiLine(int d, int x, int y);   // straight, d 1..4
void KuuIsiKeima(int k, int x, int y);  // knight's moves, k 1..8
void KuuIsiNaname(int d, int x, int y); // diagonals, d 1..4

// The area map of the current level, from the counts and relations.
void KuuIsiArea();
// The seed value of one point.
void KuuIsiAreaPoint(int x, int y);
// The seed values of every point of the board (KuuIsiAreaPoint for each).
void AreaSeedAll();
// Empty edge points with nothing near copy the point inside them.
void AreaCornerShape();
// An open corner square takes the side of the stones related to its middle.
void AreaCorner();
// Neutral empty points take the side of their neighbours or relations.
void AreaVotePass();
// Values with no neutral empty neighbour double, unless the other side
// captures there.
void AreaFirm();
// The side the empty neighbours of (x, y) vote for: 1, -1 or 0.
int AreaVote(int x, int y);
// The number of empty orthogonal neighbours whose area value is 0.
int AreaCountZero(int x, int y);
// The area value at p; 0 outside the map.
int GetAreaMap(Point p);
// The number of empty orthogonal neighbours of p whose area value is v.
int CountAreaNeighbour(Point p, int v);

// AreaMapBackup := AreaMap over 0..BoardSize+1.
void AreaMapSave();
// AreaMapView := AreaMap over 1..BoardSize.
void AreaMapCopy();

} // namespace vorn

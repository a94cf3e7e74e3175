// The opening: the engine's first moves (stage 0), the big points of the
// opening along the edges and in the corners (stage 2), and the big points
// between the opening and the middle game (stage 3).  The edge patterns look
// along each edge for the stretch between two stones on lines 2 to 4 and
// propose extensions, approaches, invasions and pincers in it.
#pragma once

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// The points of the board by edge (1 top, 2 left, 3 bottom, 4 right), line
// counted from that edge (2..6) and position along it (3..N-2).
extern Arr<Arr<Arr<Point, 3, 17>, 2, 6>, 1, 4> EdgeLinePt;

// Builds EdgeLinePt for BoardSize (game start).
void JobanInit();
// The line of p counted from the edge.
int EdgeLineNo(Point p, int edge);
// The point of the same position one line further from the edge (x = 0 when
// p is not on that line of the edge, or no such line is kept).
void EdgeLineUp(int edge, int line, Point p, Point& q);
// The same d lines nearer the edge.
void EdgeLineShift(int edge, int line, Point p, Point& q, int d);

// Corner points of this unit, corners numbered as Quadrant: (0, 0) for any
// other corner number.
Point CornerHosi(int c);
Point CornerSansan(int c);

// Quadrants that share the 10th line (the joseki cap of the candidate table).
bool InCorner1(Point p);
bool InCorner2(Point p);
bool InCorner3(Point p);
bool InCorner4(Point p);

// Stage 0: a fixed first move, a whole-board book move, a random first point
// on a small board or a free corner; (0, 0) when there is none.
void JobanTe(Point& out);
// Stage 2: the edge patterns, the 3-3 invasion, the centre point and lone
// stones; selects at 220.
void JobanKoho(Point& out);
// Stage 3: centre points, invasions of wide framework, caps; adds only.
void JobanKoho2();
// The value of the first candidate at p, 0 when none.
int KohoValueAt(Point p);

// The edge scan of stage 2.
void JobanEdgeGaps();
// An extension on line 3 of the group at p, two spaces or a large knight's
// move from p and far from q (distance index 10 or more), with four empty
// neighbours and no opponent stone beside the two middle rows between p and
// it; (0, 0) when none.
Point JobanHirakiFromStone(Point p, Point q);

void JobanReset();

} // namespace vorn

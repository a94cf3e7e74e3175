// Relation boxes: numbered boxes of points laid over two related stones A and
// B, so that a shape pattern names a cell by its index whatever the pair's
// orientation.  The builders write points only (off-board points included,
// nothing is clipped); the caller reads their colours.  Steps go from A
// toward B: +1 where B's coordinate is larger, -1 otherwise (also when equal).
//
// Cells needed by relation kind (highest index written):
//   BetweenStrip3  adjacent 5, one-space jump 8, two-space 11, three-space 14
//   BetweenStrip5  one-space jump 5, two-space 7, three-space 9
//   BetweenRows    knight's move 5, (1,3) 7, (1,4) 9
//   BetweenDiag    knight's move 5, (1,3) 7, (1,4) 9
//   BetweenWide    (2,2) 8, (2,3) 11
//   BetweenBox4    (3,3) 15
// A box smaller than the shape needs is a range error (ERangeError).
#pragma once

#include <span>

#include "board/Point.h"

namespace vorn {

// Three points across the line per step: out[3k + j] = step k, side j, where
// j = 0 is the smaller coordinate, 1 the line itself, 2 the larger.  For a
// pair on one line A = out[1], B = out[3n + 1].  Answers 3n + 2.
int BetweenStrip3(Point a, Point b, std::span<Point> out);

// Two lines further out than BetweenStrip3: out[2k] two lines to the smaller
// side of step k, out[2k + 1] two lines to the larger side.  Answers 2n + 1.
int BetweenStrip5(Point a, Point b, std::span<Point> out);

// The two lines of a knight-like shape, stepping along its long side:
// out[2k] on A's line, out[2k + 1] on B's line; A = out[0], B the last cell.
void BetweenRows(Point a, Point b, std::span<Point> out);

// The two lines just outside the BetweenRows rectangle, cell for cell:
// out[2k] beyond A (away from B), out[2k + 1] beyond B.
void BetweenDiag(Point a, Point b, std::span<Point> out);

// Three lines along the long side of a (2,2) or (2,3) shape: A's line, the
// middle line, B's line; A = out[0], B the last cell.
void BetweenWide(Point a, Point b, std::span<Point> out);

// The 4 x 4 square of a (3,3) shape, row by row from A's row:
// out[4r + q] = A + (q, r) toward B.
void BetweenBox4(Point a, Point b, std::span<Point> out);

} // namespace vorn

// Eye shapes: the work map and the shape tests by which a region's eye value
// is judged (the region's own operations, TJi::CalcMe and the vital-point
// search, are in Me.cpp too).  Every routine here reads the board of the
// current look-ahead level.
#pragma once

#include <cstdint>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// Work map of the shape under study: 1 on its points.
extern Grid<std::uint8_t, 0, 20> JiMarkMap;

// Fills the flood list with the points joined to p through orthogonal
// neighbours of p's non-zero JiMarkMap value; answers the count.
int PartFloodFill(Point p);
// Taking p out of the marked shape splits it.
int IsDividingPoint(Point p);
// The orthogonal neighbours of p marked in JiMarkMap (direction order).
int ListMarkedNeighbours(Point p, std::span<Point> list);
// Four points on the first line around a corner, over two sides.
int IsBentFourCorner(std::span<const Point> points);
// 2 dead shape, 3 one vital point, 4 two dividing points.
int ShapeEyeClass(std::span<const Point> points, int n);
// The class of the shapes an enemy chain leaves when one liberty is filled.
int RenShapeClass(int renNo);
// The middle of three points in a line, or the corner of a bent three.
Point MiddleOfThree(Point a, Point b, Point c);
// p is one of the empty neighbours of a false-eye point (MakeKakemeNeighbourList).
int InKakemeNeighbourList(Point p);
// At least three open sides of p lie firmly in someone's area.
int IsKuu3PointEx(Point p, int colour);

void MeReset();

} // namespace vorn

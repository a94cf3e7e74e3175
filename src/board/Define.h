// The constant tables of board geometry that the board model and the engine
// share.  Every neighbour scan follows the orders of these tables, so ties
// between neighbours are broken by them.  x grows to the right, y downward.
#pragma once

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// Four directions up, right, down, left; entry 5 repeats entry 1.
inline constexpr Arr<int, 1, 5> Dir4X{{0, 1, 0, -1, 0}};
inline constexpr Arr<int, 1, 5> Dir4Y{{-1, 0, 1, 0, -1}};

// Eight directions: up, right, down, left, up-right, down-right, down-left, up-left.
inline constexpr Arr<int, 1, 8> Dir8X{{0, 1, 0, -1, 1, 1, -1, -1}};
inline constexpr Arr<int, 1, 8> Dir8Y{{-1, 0, 1, 0, -1, 1, 1, -1}};

// Diagonals: up-right, down-right, down-left, up-left.
inline constexpr Arr<int, 1, 4> NanameX{{1, 1, -1, -1}};
inline constexpr Arr<int, 1, 4> NanameY{{-1, 1, 1, -1}};

// One-space jumps (two points away): up, right, down, left.
inline constexpr Arr<int, 1, 4> IkkenX{{0, 2, 0, -2}};
inline constexpr Arr<int, 1, 4> IkkenY{{-2, 0, 2, 0}};

// Knight's moves, clockwise from up-right.
inline constexpr Arr<int, 1, 8> KeimaX{{1, 2, 2, 1, -1, -2, -2, -1}};
inline constexpr Arr<int, 1, 8> KeimaY{{-2, -1, 1, 2, 2, 1, -1, -2}};

// The point one step from p in direction d of the tables above.
constexpr Point Dir4Pt(Point p, int d) { return Point(p.x + Dir4X[d], p.y + Dir4Y[d]); }
constexpr Point Dir8Pt(Point p, int d) { return Point(p.x + Dir8X[d], p.y + Dir8Y[d]); }
constexpr Point NanamePt(Point p, int d) { return Point(p.x + NanameX[d], p.y + NanameY[d]); }

// Distances by the larger coordinate difference: the triangular numbers.
inline constexpr Arr<int, 0, 8> KyoriTable{{0, 1, 3, 6, 10, 15, 21, 28, 36}};

// The 68 relation steps, grouped by shape, each group clockwise from up:
//  1-4 adjacent, 5-8 diagonal, 9-12 (0,2), 13-20 (1,2), 21-24 (2,2),
// 25-28 (0,3), 29-36 (1,3), 37-44 (2,3), 45-48 (0,4), 49-56 (1,4),
// 57-64 (2,4), 65-68 (3,3).
inline constexpr int kKankeiOffsets = 68;
inline constexpr Arr<int, 1, kKankeiOffsets> KankeiOffsetX{{
    0, 1, 0, -1,                  // adjacent
    1, 1, -1, -1,                 // diagonal
    0, 2, 0, -2,                  // one-space jump
    1, 2, 2, 1, -1, -2, -2, -1,   // knight's move
    2, 2, -2, -2,                 // (2,2)
    0, 3, 0, -3,                  // two-space jump
    1, 3, 3, 1, -1, -3, -3, -1,   // (1,3)
    2, 3, 3, 2, -2, -3, -3, -2,   // (2,3)
    0, 4, 0, -4,                  // three-space jump
    1, 4, 4, 1, -1, -4, -4, -1,   // (1,4)
    2, 4, 4, 2, -2, -4, -4, -2,   // (2,4)
    3, 3, -3, -3,                 // (3,3)
}};
inline constexpr Arr<int, 1, kKankeiOffsets> KankeiOffsetY{{
    -1, 0, 1, 0,                  // adjacent
    -1, 1, 1, -1,                 // diagonal
    -2, 0, 2, 0,                  // one-space jump
    -2, -1, 1, 2, 2, 1, -1, -2,   // knight's move
    -2, 2, 2, -2,                 // (2,2)
    -3, 0, 3, 0,                  // two-space jump
    -3, -1, 1, 3, 3, 1, -1, -3,   // (1,3)
    -3, -2, 2, 3, 3, 2, -2, -3,   // (2,3)
    -4, 0, 4, 0,                  // three-space jump
    -4, -1, 1, 4, 4, 1, -1, -4,   // (1,4)
    -4, -2, 2, 4, 4, 2, -2, -4,   // (2,4)
    -3, 3, 3, -3,                 // (3,3)
}};

// Rank names, strongest first.
inline constexpr int kRanks = 17;
inline constexpr Arr<const char*, 1, kRanks> RankNameE{{
    "8dan", "7dan", "6dan", "5dan", "4dan", "3dan", "2dan", "1dan", "1kyu",
    "2kyu", "3kyu", "4kyu", "5kyu", "6kyu", "7kyu", "8kyu", "9kyu"}};
inline constexpr Arr<const char*, 1, kRanks> RankNameJ{{
    "八段", "七段", "六段", "五段", "四段", "三段", "二段", "初段", "１級",
    "２級", "３級", "４級", "５級", "６級", "７級", "８級", "９級"}};

} // namespace vorn

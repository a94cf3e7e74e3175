// Positions with a known life-and-death answer, shared by the group, region,
// eye-shape and GNU Go tests, and lookups of board 0's analysis.
#pragma once

#include "board/Goban.h"

namespace vorn::test {

// 9x9 diagrams; black owns the eye spaces in the upper left.
namespace life {
// One-point eyes at (1,1) and (3,1): alive.
extern const char* const kTwoEyes;
// As kTwoEyes, but white (4,2) makes (3,1) a false eye: dead.
extern const char* const kFalseEye;
// Empty (2,2)-(4,2) inside black: one eye, two with the middle.
extern const char* const kStraightThree;
// Empty (1,1)-(4,1) along the edge: two eyes.
extern const char* const kStraightFour;
// Empty (1,1)-(2,2) square: one eye.
extern const char* const kSquareFour;
// Nine empty points in the corner: a large eye space.
extern const char* const kNinePoints;
// Black (3,8) with two liberties inside a white wall: dead at once.
extern const char* const kLoneStone;
// Black (2,1..3)+(3,3) and white (4,1..3) share their last liberties (3,1)
// and (3,2), each shut in by a living wall of the other colour: seki.
extern const char* const kSeki;
// As kSeki, with a third black liberty at (1,1): black wins the race.
extern const char* const kRace;
} // namespace life

// The group and the region of board 0 at p; throws when there is none.
TGun& GunAt(Point p);
TJi& JiAt(Point p);

} // namespace vorn::test

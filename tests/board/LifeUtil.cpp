#include "LifeUtil.h"

#include <stdexcept>
#include <string>

namespace vorn::test {

namespace life {
const char* const kTwoEyes = R"(
        . X . X O . . . .
        X X X X O . . . .
        O O O O O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
const char* const kFalseEye = R"(
        . X . X O . . . .
        X X X O O . . . .
        O O O O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
const char* const kStraightThree = R"(
        X X X X X O . . .
        X . . . X O . . .
        X X X X X O . . .
        O O O O O O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
const char* const kStraightFour = R"(
        . . . . X O . . .
        X X X X X O . . .
        O O O O O O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
const char* const kSquareFour = R"(
        . . X O . . . . .
        . . X O . . . . .
        X X X O . . . . .
        O O O O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
const char* const kNinePoints = R"(
        . . . X O . . . .
        . . . X O . . . .
        . . . X O . . . .
        X X X X O . . . .
        O O O O O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
const char* const kLoneStone = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . O O O . . . . .
        O . X . O . . . .
        . O O O . . . . .)";
const char* const kSeki = R"(
        O X . O X . . . .
        O X . O X . . . .
        O X X O X . . . .
        O O O X X . . . .
        . O O X . . . . .
        O O X X . . . . .
        . O X . . . . . .
        O O X . . . . . .
        . O X . . . . . .)";
const char* const kRace = R"(
        . X . O X . . . .
        O X . O X . . . .
        O X X O X . . . .
        O O O X X . . . .
        . O O X . . . . .
        O O X X . . . . .
        . O X . . . . . .
        O O X . . . . . .
        . O X . . . . . .)";
} // namespace life

namespace {
std::string At(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
} // namespace

TGun& GunAt(Point p)
{
    TGun* g = GobanLv[0]->GunList.GetGunAt(p);
    if (g == nullptr)
        throw std::runtime_error("no group at " + At(p));
    return *g;
}

TJi& JiAt(Point p)
{
    TJi* ji = GobanLv[0]->JiList.GetJiAt(p);
    if (ji == nullptr)
        throw std::runtime_error("no region at " + At(p));
    return *ji;
}

} // namespace vorn::test

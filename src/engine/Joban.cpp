#include "engine/Joban.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Rand.h"
#include "engine/Joseki.h"

namespace vorn {

Arr<Arr<Arr<Point, 3, 17>, 2, 6>, 1, 4> EdgeLinePt{};

namespace {

// The twelve free-corner points; a negative entry v stands for N + v + 1.
constexpr Arr<int, 1, 12> kRandomCornerX{{-3, 3, -3, 3, -3, 3, -3, 3, -4, 4, -4, 4}};
constexpr Arr<int, 1, 12> kRandomCornerY{{3, -3, -3, 3, 4, -4, -4, 4, 3, -3, -3, 3}};

} // namespace

// ---------------------------------------------------------------------------
// Edge lines

void JobanInit()
{
    const int n = BoardSize;
    if (n - 2 < 3)
        return;
    for (int line = 2; line <= 6; ++line)
        for (int pos = 3; pos <= n - 2 && pos <= 17; ++pos) {
            EdgeLinePt[1][line][pos] = Point(pos, line);
            EdgeLinePt[2][line][pos] = Point(line, pos);
            EdgeLinePt[3][line][pos] = Point(pos, n + 1 - line);
            EdgeLinePt[4][line][pos] = Point(n + 1 - line, pos);
        }
}

int EdgeLineNo(Point p, int edge)
{
    switch (edge) {
    case 1: return p.y;
    case 2: return p.x;
    case 3: return BoardSize - p.y + 1;
    case 4: return BoardSize - p.x + 1;
    default: return 0;
    }
}

void EdgeLineShift(int edge, int line, Point p, Point& q, int d)
{
    q = Point();
    const int to = line - d;
    if (edge < 1 || edge > 4 || line < 2 || line > 6 || to < 2 || to > 6)
        return;
    for (int pos = 3; pos <= BoardSize - 2 && pos <= 17; ++pos)
        if (EdgeLinePt[edge][line][pos] == p) {
            q = EdgeLinePt[edge][to][pos];
            return;
        }
}

void EdgeLineUp(int edge, int line, Point p, Point& q) { EdgeLineShift(edge, line, p, q, -1); }

// ---------------------------------------------------------------------------
// Corners

Point CornerHosi(int c)
{
    const int f = BoardSize - 3;
    switch (c) {
    case 1: return Point(4, 4);
    case 2: return Point(f, 4);
    case 3: return Point(f, f);
    case 4: return Point(4, f);
    default: return Point();
    }
}

Point CornerSansan(int c)
{
    const int f = BoardSize - 2;
    switch (c) {
    case 1: return Point(3, 3);
    case 2: return Point(f, 3);
    case 3: return Point(f, f);
    case 4: return Point(3, f);
    default: return Point();
    }
}

bool InCorner1(Point p) { return p.x <= 10 && p.y <= 10; }
bool InCorner2(Point p) { return p.x <= 10 && p.y >= 10; }
bool InCorner3(Point p) { return p.x >= 10 && p.y <= 10; }
bool InCorner4(Point p) { return p.x >= 10 && p.y >= 10; }

void JobanReset()
{
    for (auto& edge : EdgeLinePt)
        for (auto& line : edge)
            line.Fill(Point());
}

} // namespace vorn

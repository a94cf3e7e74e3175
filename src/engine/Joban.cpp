#include "engine/Joban.h"

#include "board/Basic.h"
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

int FromEdge(int v) { return v < 0 ? BoardSize + v + 1 : v; }

const TTejun& GameRecord() { return GobanLv[0]->Tejun; }
int MovesPlayed() { return GameRecord().Current(); }
int SideToMove() { return GameRecord().NextColor(); }

bool IsEmptyPt(Point p) { return CurGoban().GetIroPt(p) == kAki; }

// No stone stands in relation to p.
bool NoRelation(Point p)
{
    const TLocate& l = CurGoban().GetLocatePt(p);
    return l.CountIro(kKuro) + l.CountIro(kSiro) == 0;
}

// Candidates of the opening.
// PENDING(candidate table): the candidate table has not landed; until it does
// nothing is added.
void Koho(Point p, int value, int bonus) { (void)p, (void)value, (void)bonus; }

// The corners 1..4 that hold no move of the game yet get their star point
// (mode 0) or 3-3 point (mode 1) as a candidate; answers the last one.
Point JobanEmptyCorners(int mode)
{
    Arr<int, 1, 4> moves{};
    for (int n = 1; n <= MovesPlayed(); ++n) {
        const Point p = GameRecord().GetTe(n);
        if (p.x != 0)
            ++moves[Quadrant(p)];
    }
    Point last;
    for (int c = 1; c <= 4; ++c)
        if (moves[c] == 0) {
            last = mode == 0 ? CornerHosi(c) : CornerSansan(c);
            Koho(last, 100, 0);
        }
    return last;
}

// The answer to the opponent's first move: the star point diagonally opposite
// its corner; after the centre point, the star points of the empty corners.
Point JobanSecondMove()
{
    const Point p = GameRecord().GetTe(1);
    if (p == Point(10, 10))
        return JobanEmptyCorners(0);
    int c;
    if (p.x != 10 && p.y != 10)
        c = Quadrant(p);
    else if (p.y == 10)
        c = p.x >= 10 ? 2 : 4;
    else
        c = p.y >= 10 ? 3 : 1;
    switch (c) {
    case 1: return Point(16, 16);
    case 2: return Point(4, 16);
    case 3: return Point(4, 4);
    default: return Point(16, 4);
    }
}

// The first free star point, in the order lower right, upper left, lower
// left, upper right.
Point JobanFreeHosi()
{
    for (Point p : {Point(16, 16), Point(4, 4), Point(4, 16), Point(16, 4)})
        if (IsEmptyPt(p) && NoRelation(p))
            return p;
    return Point();
}

// The middle of moves a and b when it is free.
Point JobanMiddle(int a, int b)
{
    if (MovesPlayed() < a || MovesPlayed() < b)
        return Point();
    const Point pa = GameRecord().GetTe(a), pb = GameRecord().GetTe(b);
    if (pa.x == 0 || pb.x == 0)
        return Point();
    const Point m((pa.x + pb.x) / 2, (pa.y + pb.y) / 2);
    return IsEmptyPt(m) && NoRelation(m) ? m : Point();
}

// Fixed first moves against another program (19x19).
Point JobanVsComputer()
{
    if (BoardSize != 19)
        return Point();
    switch (MovesPlayed()) {
    case 0: return Point(16, 4);
    case 1: return JobanSecondMove();
    case 2:
    case 3: return JobanFreeHosi();
    case 4: return JobanMiddle(1, 3);
    case 5: return JobanMiddle(2, 4);
    default: return Point();
    }
}

// A random free corner point for the side to move.
Point JobanRandomCorner()
{
    Arr<Point, 1, 12> list{};
    int n = 0;
    const int c = SideToMove();
    for (int i = 1; i <= 12; ++i) {
        const Point p(FromEdge(kRandomCornerX[i]), FromEdge(kRandomCornerY[i]));
        if (!CurGoban().OnBoardPt(p) || CurGoban().IsKinsiPt(c, p) == 1)
            continue;
        TIroCounts around;
        CountAround8(p, around);
        if (around[kAki] == 8 && IsEmptyPt(p))
            list[++n] = p;
    }
    return n == 0 ? Point() : list[Random(n) + 1];
}

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

// ---------------------------------------------------------------------------
// Stage 0

void JobanTe(Point& out)
{
    // Every point that a table or a book gives is checked before it is
    // played; one that cannot be played counts as no answer.
    auto playable = [](Point p) { return p.x > 0 && CanUtuXY(SideToMove(), p.x, p.y); };
    out = Point();
    if (VsComputerMode == 1)
        out = JobanVsComputer();
    if (!playable(out))
        ZenbanKoho(out);
    const int n = BoardSize;
    if (!playable(out) && MovesPlayed() == 0 && n < 14 && Handicap < 2 && RenzokuMode == 1 && DevMode == 1)
        out = Point(Random(n - 4) + 3, Random(n - 4) + 3);
    if (!playable(out))
        out = JobanRandomCorner();
    if (!playable(out))
        out = Point();
}

void JobanReset()
{
    for (auto& edge : EdgeLinePt)
        for (auto& line : edge)
            line.Fill(Point());
}

} // namespace vorn

#include "engine/Joban.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Rand.h"
#include "board/Yomi.h"
#include "engine/Center19.h"
#include "engine/Hyoka.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Nozoki.h"
#include "engine/shapes/Hiraki.h"
#include "engine/Think.h"

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

// --- Colours and groups ------------------------------------------------------------

int Own() { return JibunIro; }
int Opp() { return AiteIro; }

// The group of the stone at p on the current board, nullptr when none.
const TGun* GunOf(Point p)
{
    const TGoban& b = CurGoban();
    const int c = b.GetIroPt(p);
    if (c != kKuro && c != kSiro)
        return nullptr;
    return b.GunList.GetGunAt(p);
}
bool GunWeak(Point p)
{
    const TGun* g = GunOf(p);
    return g != nullptr && g->IsWeak();
}
bool GunWeak20(Point p)
{
    const TGun* g = GunOf(p);
    return g != nullptr && g->IsWeak20();
}
bool GunDeath70(Point p)
{
    const TGun* g = GunOf(p);
    return g != nullptr && g->IsDeath70() != 0;
}
bool GunDeath90(Point p)
{
    const TGun* g = GunOf(p);
    return g != nullptr && g->IsDeath90() != 0;
}
int GunLevel(Point p)
{
    const TGun* g = GunOf(p);
    return g == nullptr ? 0 : g->GetDeathLevel();
}
int GunStones(Point p)
{
    const TGun* g = GunOf(p);
    return g == nullptr ? 0 : g->GetIsiSu();
}
bool GunSingle(Point p) { return GunStones(p) == 1; }
// The group's related empty points reached from stone a by a two-space jump
// or a large knight's move, in entry order; answers their count.
int GunExtensions(Point a, Arr<Point, 1, 180>& out)
{
    const TGun* g = GunOf(a);
    if (g == nullptr)
        return 0;
    int n = 0;
    for (int i = 1; i <= g->GetFromSu(); ++i) {
        const int kind = g->GetFromValue(i);
        if (g->GetFromA(i) == a && (kind == Kankei2ken || kind == KankeiOgeima))
            out[++n] = g->GetFromB(i);
    }
    return n;
}
// Every group of one stone, by its stone; answers the count.
int SingleStoneGroups(Arr<Point, 1, kMaxGun>& out)
{
    const TGunList& list = CurGoban().GunList;
    int n = 0;
    for (int i = 1; i <= list.GetCount(); ++i) {
        const TGun* g = list.GetGun(i);
        if (g != nullptr && g->GetIsiSu() == 1)
            out[++n] = g->GetYoso(1);
    }
    return n;
}

// A point where c peeps (the peep table of the decision).
bool Nozoki(int c, Point p) { return CurGoban().OnBoardPt(p) && NozokiMap[c][p.x][p.y] != 0; }

// --- Board reads ----------------------------------------------------------------

int Iro(Point p) { return CurGoban().GetIroPt(p); }
const TLocate& Loc(Point p) { return CurGoban().GetLocatePt(p); }
bool Empty8(Point p)
{
    TIroCounts n;
    CountAround8(p, n);
    return n[kAki] == 8;
}
bool Empty4(Point p)
{
    TIroCounts n;
    CountNeighbour(p, n);
    return n[kAki] == 4;
}
int Liberties(Point p)
{
    const TRen* r = CurGoban().RenList.RenAtPt(p);
    return r == nullptr ? 0 : r->Kuu();
}
int ChainStones(Point p)
{
    const TRen* r = CurGoban().RenList.RenAtPt(p);
    return r == nullptr ? 0 : r->IsiCount();
}

// Plays c at p on the look-ahead boards and analyses the position there;
// false, with nothing played, when the move is illegal.
bool Try(int c, Point p)
{
    if (p.x == 0 || !YomiUtu(c, p))
        return false;
    CurGoban().Analyze();
    return true;
}
void Back() { YomiModosu(); }

// A candidate of value 25 and a bonus; points off the board are no candidates.
void Big(Point p, int bonus)
{
    if (CurGoban().OnBoardPt(p))
        AddKoho(p, 25, bonus);
}
// A lesser move: a small value and bonus 0.
void Small(Point p, int value)
{
    if (CurGoban().OnBoardPt(p))
        AddKoho(p, value, 0);
}

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
            AddKoho(last, 100, 0);
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

// A random first point on a small board, 3..N-2 on both axes (continuous
// games in developer mode, so that they differ).
Point JobanRandomPoint()
{
    const int n = BoardSize;
    return Point(Random(n - 4) + 3, Random(n - 4) + 3);
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
        out = JobanRandomPoint();
    if (!playable(out))
        out = JobanRandomCorner();
    if (!playable(out))
        out = Point();
}

// ---------------------------------------------------------------------------
// Edge gaps

namespace {

// A stretch along an edge between the stone P1 at position K and the stone
// P2 at position M (K < M): G empty positions, H their half.
struct TGap {
    int Edge = 0;
    int K = 0, M = 0, G = 0, H = 0;
    Point P1, P2;

    Point L(int line, int pos) const { return EdgeLinePt[Edge][line][pos]; }
    int Line(Point p) const { return EdgeLineNo(p, Edge); }
    bool On4(Point p) const { return Line(p) == 4; }
    // The line-3 point d positions from stone s (P1 or P2) toward the stretch.
    Point Toward(Point s, int d) const { return s == P1 ? L(3, K + d) : L(3, M - d); }
    // The point n lines above a stone (0, 0 when that line is not kept).
    Point Above(Point s, int n) const
    {
        Point q;
        EdgeLineShift(Edge, Line(s), s, q, -n);
        return q;
    }
    // Candidates at the middle point of the line given, and at the second
    // middle point when the stretch is even.
    void Middle(int line, int bonus) const
    {
        Big(L(line, K + H), bonus);
        if (G % 2 == 0)
            Big(L(line, K + H + 1), bonus);
    }
};

// The stone at pos of the first of the lines given that holds one.
Point StoneAt(const TGap& gap, int pos, std::initializer_list<int> lines)
{
    for (int line : lines) {
        const Point p = gap.L(line, pos);
        if (IsStone(GobanLv[0]->GetIroPt(p)))
            return p;
    }
    return Point();
}

// 1 for a 4-4 stone with no stone of its colour diagonal or nearer but one
// further out (up to the (1,4) shape); 2 otherwise.
int JobanShape44(Point p)
{
    const int c = Iro(p);
    if (LineNoPair(p) == Point(4, 4) && !Loc(p).HasKankeiLE(KankeiNaname, c) && Loc(p).HasKankeiLE(KankeiKeima14, c))
        return 1;
    return 2;
}

} // namespace

Point JobanHirakiFromStone(Point p, Point q)
{
    Arr<Point, 1, 180> ext;
    const int n = GunExtensions(p, ext);
    const int enemy = Aite(Iro(p));
    for (int i = 1; i <= n; ++i) {
        const Point b = ext[i];
        if (LineNoPt(b) != 3 || Kyori(b, q) < 10 || !Empty4(b))
            continue;
        // The strip runs along the long side of the shape, so that entries
        // 3, 5, 6 and 8 are the side points of the two middle rows on every
        // edge; its rows are centred on p's line.
        const bool alongX = std::abs(b.x - p.x) >= std::abs(b.y - p.y);
        std::array<Point, 15> strip{};
        BetweenStrip3(p, alongX ? Point(b.x, p.y) : Point(p.x, b.y), strip);
        bool blocked = false;
        for (int k : {3, 5, 6, 8})
            blocked = blocked || Iro(strip[k]) == enemy;
        if (!blocked)
            return b;
    }
    return Point();
}

namespace {

// The shape of the side between A and C around the middle point B: the jumps
// toward the centre above stones on line 3.  Answers how many of those points
// already hold a stone of A's colour.
int JobanGapSide(const TGap& gap, int base, Point a, Point b, Point c)
{
    const int ac = Iro(a);
    if (Loc(b).HasKankeiLE(Kankei1ken, Aite(ac)))
        return 0;
    if (gap.On4(a) != gap.On4(c)) {
        const Point low = gap.On4(a) ? c : a;
        const Point w = gap.Above(low, 2);
        if (gap.Line(low) != 3 || w.x == 0 || Iro(w) != kAki || !Empty8(w))
            return 0;
        Big(w, base);
    }
    int result = 0;
    Point keptW[2], keptU[2], keptS[2];
    int kept = 0;
    for (Point s : {a, c}) {
        if (gap.Line(s) != 3)
            continue;
        const Point u = gap.Above(s, 1), w = gap.Above(s, 2);
        // One opponent stone beside U on its line.
        int beside = 0;
        for (int d = 1; d <= 4; ++d) {
            const Point n(u.x + Dir4X[d], u.y + Dir4Y[d]);
            if (gap.Line(n) == 4 && Iro(n) == Opp())
                ++beside;
        }
        if (beside == 1)
            Big(u, base + 1);
        if (w.x != 0 && Iro(w) == kAki && Empty8(w)) {
            keptW[kept] = w, keptU[kept] = u, keptS[kept] = s;
            ++kept;
        } else if (w.x != 0 && Iro(w) == ac) {
            ++result;
        }
    }
    if (kept == 2) {
        for (int i = 0; i < 2; ++i) {
            const Point s = keptS[i], u = keptU[i], w = keptW[i];
            TIroCounts n;
            CountNeighbour(s, n);
            const int own = Iro(s);
            if (n[kAki] + n[own] == 4) {
                const int bonus = base + (GunSingle(s) ? 1 : 0);
                Big(w, bonus);
                const Point beyond = StepBeyond(u, w);
                if (n[own] > 0 && Empty8(beyond) && Iro(beyond) == kAki)
                    Big(beyond, bonus);
            } else {
                Big(u, base + 1);
            }
        }
    } else if (kept == 1) {
        const TLocate& l = Loc(keptW[0]);
        const int own = l.CountIro(Own());
        if (own >= 4 && l.CountIro(Opp()) == 0) {
            Big(keptW[0], 0);
        } else if (own >= 3) {
            Big(keptW[0], 2 * base / 3);
            const Point beyond = StepBeyond(keptU[0], keptW[0]);
            if (Iro(beyond) == kAki && Empty8(beyond))
                Big(beyond, 2 * base / 3 + 1);
        } else {
            Big(keptW[0], base);
        }
    }
    return result;
}

// An extension between two own stones.
void JobanGapOwnOwn(const TGap& gap)
{
    const int g = gap.G, k = gap.K, h = gap.H;
    const int lnK = gap.Line(gap.P1), lnM = gap.Line(gap.P2);
    const int f = (lnK == 4) + (lnM == 4);
    const Point s = lnK == 4 ? gap.P1 : gap.P2; // the stone on line 4 when f = 1

    // 1. The line of play and the middle points.
    int line = 4;
    bool contested = false;
    if ((lnK == 4 && lnM == 4) || g >= 7) {
        line = 3;
    } else if (g == 3) {
        for (Point p : {gap.P1, gap.P2})
            if (gap.Line(p) == 3 && Iro(gap.Above(p, 1)) == Opp()) {
                line = 3;
                contested = true;
            }
    }
    Point m1 = gap.L(line, k + h), m2 = gap.L(line, k + h + 1);
    if (line == 4) {
        if (!Empty4(m1))
            m1 = gap.L(3, k + h);
        if (!Empty4(m2))
            m2 = gap.L(3, k + h + 1);
    }
    auto middle = [&](int bonus) {
        Big(m1, bonus);
        if (g % 2 == 0)
            Big(m2, bonus);
    };

    // 2. A wide stretch: its middle on line 3.
    if (g >= 11) {
        gap.Middle(3, VsComputerMode == 1 ? 51 : 50);
        return;
    }

    // 3. Does the opponent's invasion at the middle make our stones weak?
    if (Loc(m1).CountIro(Own()) >= 4)
        return;
    const bool near = Loc(m1).HasKankeiLE(KankeiKeima, Opp());
    if (!Try(Opp(), m1))
        return;
    if (GunDeath90(m1)) {
        Back();
        return;
    }
    int w = 0;
    Point weak;
    for (Point p : {gap.P1, gap.P2})
        if (GunWeak20(p)) {
            ++w;
            weak = p;
        }
    Back();
    if (w == 0 && near)
        w = 1;

    if (w == 0) {
        // 4. Both sides firm: the extension is a big point.
        if (g >= 6) {
            if (f != 1)
                middle(g + 37);
            else
                Big(gap.Toward(s, GunStones(s) >= 3 ? 3 : 2), g + 38);
        } else if (g == 5 && f != 1) {
            for (Point p : {gap.P1, gap.P2}) {
                if (gap.Line(p) != 3)
                    continue;
                const Point q = gap.Above(p, -1);
                if (KohoValueAt(q) >= 11) {
                    Big(q, 39);
                    return;
                }
            }
            const TLocate& l = Loc(m1);
            if (l.CountKankeiLE(KankeiOgeima, Own()) >= 5 && l.CountKankeiLE(KankeiOgeima, Opp()) == 0)
                return;
            Arr<Point, 1, kMaxKankei> close, far;
            if (l.GetKindLEPoints(KankeiOgeima, Opp(), close) == 1 && l.GetKindPoints(Opp(), KankeiOgeima, far) == 1) {
                for (int pos : {k + h + 1, k + h - 1}) {
                    const Point q = gap.L(line, pos);
                    if (Kyori(q, far[1]) == 4)
                        Big(q, 44);
                }
            }
            Big(m1, 38);
        } else if (g == 5) {
            const int shape = JobanShape44(s);
            const Point e = gap.Toward(s, shape);
            const Point next = gap.Toward(s, 1);
            int bonus = 39;
            if (Try(Opp(), next)) {
                if (GunWeak(s) && GunLevel(s) >= 70)
                    bonus = 44;
                Back();
            }
            Big(e, bonus);
        } else if (g == 3 || g == 4) {
            Small(m1, 3 * g + 3);
            if (g == 4)
                Small(m2, 3 * g + 3);
        }
    } else if (w == 1) {
        // 5. One side would suffer.
        if (g >= 7) {
            if (f != 1)
                middle(g + 38);
            else
                Big(gap.Toward(s, 2), g + 38);
        } else if (g >= 4) {
            if (weak.x != 0)
                Big(JobanHirakiFromStone(weak, m1), 41);
            if (f == 1) {
                Big(gap.Toward(s, 2), 39);
            } else if (JobanGapSide(gap, 39, gap.P1, m1, gap.P2) != 0) {
                if (Loc(m1).HasKind(KankeiKeima, Opp()))
                    Big(m1, 38);
            } else {
                auto grade = [&](Point m, Point p) {
                    int b = Empty8(m) ? 38 : 13;
                    const Point up = gap.Line(p) == 3 ? gap.Above(p, 2) : Point();
                    if (up.x != 0 && Iro(up) == Opp())
                        b += 2;
                    return b;
                };
                const int b = grade(m1, gap.P1);
                Arr<Point, 1, kMaxKankei> knights;
                const int n = Loc(m1).GetKindPoints(Opp(), KankeiKeima, knights);
                for (int i = 1; i <= n; ++i) {
                    if (gap.Line(knights[i]) == 5)
                        Big(gap.L(3, gap.Edge == 1 || gap.Edge == 3 ? knights[i].x : knights[i].y), b + 10);
                    else
                        Big(m1, b + 10);
                }
                Big(m1, b);
                if (g % 2 == 0)
                    Big(m2, grade(m2, gap.P2));
            }
        } else if (g == 3) {
            if (weak.x != 0) {
                Point q;
                HirakiTobiTe(weak, q);
                Big(q, 23);
            }
            if (!contested && JobanGapSide(gap, 22, gap.P1, m1, gap.P2) != 0)
                return;
            const TLocate& l = Loc(m1);
            if (l.CountKankeiLE(KankeiOgeima, Own()) < 3 || l.HasKankeiLE(KankeiOgeima, Opp()))
                Big(m1, 17);
        }
    } else {
        // 6. Both sides would suffer.
        if (g >= 7) {
            middle(g + 38);
        } else if (g >= 4) {
            Point e = JobanHirakiFromStone(gap.P1, m1);
            if (e.x == 0)
                e = JobanHirakiFromStone(gap.P2, m1);
            Big(e.x != 0 ? e : m1, 50);
            if (g % 2 == 0)
                Big(m2, 50);
        } else if (g == 3) {
            const TLocate& l = Loc(m1);
            if (GunStones(gap.P1) >= 2 && GunStones(gap.P2) >= 2 && l.CountKankeiLE(KankeiKeima, Own()) >= 3
                && !l.HasKankeiLE(KankeiKeima, Opp()))
                return;
            if (JobanGapSide(gap, 33, gap.P1, m1, gap.P2) == 0)
                Big(m1, 32);
        }
    }
}

// An invasion between two opponent stones.
void JobanGapAiteAite(const TGap& gap)
{
    const int g = gap.G, k = gap.K, m = gap.M, h = gap.H;
    const Point trial = gap.L(3, k + h);
    Point m1 = trial, m2 = gap.L(3, k + h + 1);
    const bool both4 = gap.On4(gap.P1) && gap.On4(gap.P2);
    if (g < 4 && both4)
        m1 = gap.L(4, k + h), m2 = gap.L(4, k + h + 1);
    auto middle = [&](int bonus) {
        Big(m1, bonus);
        if (g % 2 == 0)
            Big(m2, bonus);
    };

    const bool near = Loc(trial).HasKankeiLE(KankeiOgeima, Own());
    if (!Try(Own(), trial))
        return;
    int w = 0;
    Point weak;
    for (Point p : {gap.P1, gap.P2})
        if (GunWeak20(p) && JobanHirakiFromStone(p, trial).x == 0) {
            ++w;
            weak = p;
        }
    if (GunDeath70(trial) && w == 0) {
        Back();
        return;
    }
    if (w == 1 && GunWeak(trial)) {
        const int d1 = GunLevel(weak), d0 = GunLevel(trial);
        if (d0 - d1 >= 40)
            w = 0;
        else if (d1 >= 80 && d0 < 80)
            w = 2;
    }
    Back();
    if (w == 0 && near)
        w = 1;

    if (w == 2) {
        middle(g > 6 ? g + 33 : 27);
    } else if (w == 1) {
        const Point x = weak == gap.P1 ? gap.L(3, k + 2) : gap.L(3, m - 2);
        if (g <= 4) {
            middle(5);
            Big(x, 5);
        } else if (g <= 6) {
            middle(6);
            Big(x, 21);
        } else {
            middle(g + 33);
        }
    } else if (g >= 7) {
        middle(g >= 9 ? g + 36 : 31);
    } else {
        const int v = g + 5 + 2 * gap.On4(gap.P1) + 2 * gap.On4(gap.P2);
        Small(m1, v);
        if (g % 2 == 0)
            Small(m2, v);
        const Point x1 = gap.L(3, k + 2), x2 = gap.L(3, m - 2);
        if (g <= 4) {
            if (both4) {
                Big(x1, 5);
                Big(x2, 5);
            } else if (gap.On4(gap.P1) || gap.On4(gap.P2)) {
                const Point s = gap.On4(gap.P1) ? gap.P1 : gap.P2;
                const Point x = gap.Toward(s, 2);
                const Point up = gap.Above(x, 2);
                if (up.x != 0 && Loc(up).HasKankeiLE(KankeiOgeima, Own()))
                    Big(x, g);
            }
        } else if (g == 5) {
            auto grade = [&](Point x, Point p, Point other) {
                if (!gap.On4(p))
                    Small(x, v);
                else
                    Big(x, gap.On4(other) ? 19 : 18);
            };
            grade(x1, gap.P1, gap.P2);
            grade(x2, gap.P2, gap.P1);
        } else {
            auto grade = [&](Point x, Point p, Point other) {
                Big(x, !gap.On4(p) ? 9 : gap.On4(other) ? 22 : 21);
            };
            grade(x1, gap.P1, gap.P2);
            grade(x2, gap.P2, gap.P1);
        }
    }
}

// Own stone at K, opponent stone at M.
void JobanGapOwnAite(const TGap& gap)
{
    const int g = gap.G, k = gap.K, m = gap.M, h = gap.H;
    if (g >= 10) {
        for (int pos : {k + h, k + h + 1}) {
            if (pos == k + h + 1 && g % 2 != 0)
                break;
            const Point p = gap.L(3, pos);
            Big(p, p.x == 10 || p.y == 10 ? 50 : 49);
        }
        return;
    }
    bool a = false, b = false;
    int dB = 0, nO = 0, nA = 0;
    if (Try(Opp(), gap.L(3, k + 2))) {
        a = GunWeak(gap.P1) && GunLevel(gap.P1) >= 21;
        nO = GunStones(gap.P1);
        Back();
    }
    if (Try(Own(), gap.L(3, m - 2))) {
        b = GunWeak(gap.P2) && GunLevel(gap.P2) >= 21;
        dB = b ? GunLevel(gap.P2) : 0;
        nA = GunStones(gap.P2);
        Back();
    }
    if (a && b) {
        if (g == 3)
            Big(gap.L(3, k + 2), 50);
        else
            for (int p = k + 3; p <= m - 2; ++p)
                Big(gap.L(3, p), 50);
    } else if (a) {
        if (g != 3) {
            Big(gap.L(3, k + 3), 45);
        } else {
            const Point x = gap.L(3, k + 2);
            if (Try(Own(), x)) {
                const bool safe = GunLevel(x) < 60;
                Back();
                if (safe)
                    Big(x, 39);
            }
            const Point up = gap.Line(gap.P1) == 3 ? gap.Above(gap.P1, 2) : Point();
            if (up.x != 0 && Iro(up) == kAki && !Loc(up).HasKankeiLE(KankeiOgeima, Opp()))
                Big(up, 39);
        }
    } else if (b) {
        const int from = g == 5 ? k + 4 : g == 4 ? k + 3 : k + 2;
        for (int p = m - 4; p <= m - 2; ++p) {
            if (p < from)
                continue;
            if (dB < 60)
                Big(gap.L(3, p), g + 17);
            else
                Small(gap.L(3, p), 15);
        }
    } else if (g <= 6 && gap.On4(gap.P2)) {
        Big(gap.L(3, m - 2), gap.On4(gap.P1) ? g + 37 : g + 27);
    } else if (g == 3) {
        Big(gap.L(3, k + 2), 0);
    } else {
        const int bb = 2 * g + 18;
        if (g < 7)
            Big(gap.L(3, k + 3), bb);
        if (g >= 6 && g <= 9)
            Big(gap.L(3, k + 4), bb);
        if (g >= 7)
            Big(gap.L(3, k + 5), bb);
        if (g == 9)
            Big(gap.L(3, k + 6), bb);
        if (g < 7 && nA == 2 && nO >= 3)
            Big(gap.L(3, m - 2), bb + 1);
    }
}

// Opponent stone at K, own stone at M.
void JobanGapAiteOwn(const TGap& gap)
{
    const int g = gap.G, k = gap.K, m = gap.M;
    if (g >= 10) {
        gap.Middle(3, 50);
        return;
    }
    // A group counts as weak from death level 31; at 90 it is lost anyway.
    bool a = false, b = false;
    if (Try(Opp(), gap.L(3, m - 2))) {
        const int d = GunLevel(gap.P2);
        a = GunWeak(gap.P2) && d >= 31;
        Back();
        if (d >= 90)
            return;
    }
    if (Try(Own(), gap.L(3, k + 2))) {
        const int d = GunLevel(gap.P1);
        b = GunWeak(gap.P1) && d >= 31;
        Back();
        if (d >= 90)
            return;
    }
    if (a && b) {
        if (g == 3)
            Big(gap.L(3, m - 2), 50);
        else
            for (int p = k + 2; p <= m - 3; ++p)
                Big(gap.L(3, p), 50);
    } else if (a) {
        const int bonus = g == 3 ? 44 : 45;
        Big(gap.L(3, g == 3 ? m - 2 : m - 3), bonus);
        const Point up = gap.Line(gap.P2) == 3 ? gap.Above(gap.P2, 2) : Point();
        if (up.x != 0 && Iro(up) == kAki && Empty8(up) && !Loc(up).HasKankeiLE(KankeiOgeima, Opp()))
            Big(up, bonus - 1);
    } else if (b) {
        for (int p = k + 2; p <= k + 4 && p <= m - 2; ++p)
            Big(gap.L(3, p), 30);
        if (g == 3 && gap.Line(gap.P1) == 3) {
            const Point q = gap.L(2, k + 1);
            if (Empty4(q))
                Big(q, 35);
        }
    } else if (g <= 6 && gap.On4(gap.P1)) {
        const Point x = gap.L(3, k + 2);
        const int bonus = gap.On4(gap.P2) ? g + 37 : g + 27;
        Big(Loc(x).CountIro(Opp()) >= 3 ? gap.L(3, k + 3) : x, bonus);
    } else if (g == 3) {
        Big(gap.L(3, m - 2), 0);
    } else {
        const int bb = 2 * g + 20;
        if (g < 7)
            Big(gap.L(3, m - 3), bb);
        if (g >= 6 && g <= 9)
            Big(gap.L(3, m - 4), bb);
        if (g >= 7) {
            Big(gap.L(3, m - 5), bb);
            if (gap.On4(gap.P1))
                Big(gap.L(3, m - 6), bb);
        }
        if (g == 9)
            Big(gap.L(3, m - 6), bb);
    }
}

// Two or three empty positions between stones of different colours: the
// second-line slide under the stone on line 4, or the block.
void JobanGapNarrowThink(const TGap& gap)
{
    const Point p1 = gap.P1, p2 = gap.P2;
    const int l1 = gap.Line(p1), l2 = gap.Line(p2);
    if (l1 == 2 || l2 == 2 || l1 == l2)
        return;
    const int cK = Iro(p1), cM = Iro(p2);
    auto tight = [](Point p) { return Liberties(p) < 3 || (Liberties(p) == 3 && ChainStones(p) == 1); };
    Point x, y;
    int a, b, xColour;
    if (l1 == 4) {
        if (tight(p2))
            return;
        x = gap.L(2, gap.K);
        if (!Empty8(x))
            return;
        a = UtuHyoka(cM, x);
        y = l2 == 3 ? gap.L(3, gap.K + 1) : x;
        b = UtuHyoka(cK, y);
        xColour = cM;
    } else {
        if (tight(p1))
            return;
        x = gap.L(2, gap.M);
        if (!Empty8(x))
            return;
        a = UtuHyoka(cK, x);
        y = gap.L(3, gap.M - 1);
        if (Nozoki(cM, gap.L(2, gap.M - 1)))
            y = gap.L(2, gap.M - 1);
        b = UtuHyoka(cM, y);
        xColour = cK;
    }
    int v = a + b, bonus = 0;
    if (v > 25) {
        bonus = std::min(v - 25 + (GunStones(p2) == 2 ? 3 : 0), 48);
        v = 25;
    }
    const Point cand = Own() == xColour ? x : y;
    if (CurGoban().OnBoardPt(cand))
        AddKoho(cand, v, bonus);
}

void JobanWideGap(TGap& gap)
{
    gap.P1 = StoneAt(gap, gap.K, {4, 3, 2});
    gap.P2 = StoneAt(gap, gap.M, {4, 3, 2});
    const bool own1 = Iro(gap.P1) == Own(), own2 = Iro(gap.P2) == Own();
    if (own1 && own2)
        JobanGapOwnOwn(gap);
    else if (!own1 && !own2)
        JobanGapAiteAite(gap);
    else if (own1)
        JobanGapOwnAite(gap);
    else
        JobanGapAiteOwn(gap);
}

void JobanNarrowGap(TGap& gap)
{
    gap.P1 = StoneAt(gap, gap.K, {2, 3, 4});
    gap.P2 = StoneAt(gap, gap.M, {2, 3, 4});
    if (Iro(gap.P1) != Iro(gap.P2))
        JobanGapNarrowThink(gap);
}

} // namespace

void JobanEdgeGaps()
{
    if (GobanLv[0]->Tejun.Current() >= 150)
        return;
    const int n = BoardSize;
    for (int edge = 1; edge <= 4; ++edge)
        for (int k = 3; k <= n - 4; ++k) {
            TGap gap;
            gap.Edge = edge;
            if (StoneAt(gap, k, {2, 3, 4}).x == 0)
                continue;
            int m = 0;
            for (int pos = k + 1; pos <= n - 2 && m == 0; ++pos)
                if (StoneAt(gap, pos, {2, 3, 4}).x != 0)
                    m = pos;
            if (m == 0)
                continue;
            gap.K = k;
            gap.M = m;
            gap.G = m - k - 1;
            gap.H = (gap.G + 1) / 2;
            if (m - k >= 4)
                JobanWideGap(gap);
            else if (m - k >= 2)
                JobanNarrowGap(gap);
        }
}

// ---------------------------------------------------------------------------
// Stage 2: the 3-3 invasion, the centre point and lone stones

namespace {

// The 3-3 point S and the one-step line T beyond: c presses the opponent's
// stone T from the side by invading at S.
void JobanSansanPress(Point s, Point t, int c)
{
    const int o = Aite(c);
    if (Liberties(t) == 1)
        return;
    std::array<Point, 12> strip{};
    BetweenStrip3(s, t, strip);
    // Turned so that entries 3k stand on line 2.
    if (LineNoPt(strip[3]) != 2)
        for (int k = 0; k <= 3; ++k)
            std::swap(strip[3 * k], strip[3 * k + 2]);
    for (int i : {0, 3, 6, 9, 8})
        if (Iro(strip[i]) != kAki)
            return;
    const Point a1 = StepBeyond(strip[4], s);
    const Point a2 = StepBeyond(strip[5], strip[2]);
    const Point a3 = StepBeyond(a1, a2);
    if (Iro(a3) != kAki || !Empty4(a3))
        return;
    int played = 0;
    for (auto [colour, p] : {std::pair{o, s}, std::pair{c, strip[6]}, std::pair{o, a3}}) {
        if (!Try(colour, p))
            break;
        ++played;
    }
    int v = played == 3 ? Hyoka(o) : 0;
    for (int i = 0; i < played; ++i)
        Back();
    if (played < 3)
        return;
    v = std::min(v, o == Own() ? 26 : 24);
    if (o == Own())
        AddKoho(s, v, 0);
    else
        AddKoho(GunDeath70(t) ? s : strip[6], v, 0);
}

void JobanSansanSide(Point s)
{
    for (int d = 1; d <= 4; ++d) {
        const Point e(s.x + Dir4X[d], s.y + Dir4Y[d]);
        if (LineNoPt(e) != 3 || Iro(e) != kAki)
            continue;
        const Point s1 = StepBeyond(s, e);
        const Point s2 = StepBeyond(e, s1);
        const int c1 = Iro(s1), c2 = Iro(s2);
        if (IsStone(c2) && IsStone(c1) && c1 == Aite(c2))
            JobanSansanPress(s, s2, c1);
    }
}

void JobanSansanRead(Point s, Point h)
{
    const int hc = Iro(h);
    if (!IsStone(hc) || GunWeak(h))
        return;
    const int c = Aite(hc);
    if (!Try(c, s))
        return;
    const bool good = GunWeak(h) && HyokaDiff(c) > 25;
    Back();
    if (good)
        AddKoho(s, 25, 10);
}

void JobanSansanInvasion()
{
    PushKohoKind(kkJoban30);
    for (int c = 1; c <= 4; ++c) {
        const Point s = CornerSansan(c), h = CornerHosi(c);
        TIroCounts around;
        CountAround8(s, around);
        if (Iro(s) != kAki || !Empty4(s) || around[kAki] != 7)
            continue;
        JobanSansanSide(s);
        JobanSansanRead(s, h);
        // The stone on the diagonal and how many of its side stand around.
        int dc = kAki;
        for (int d = 1; d <= 4; ++d)
            if (IsStone(Iro(Point(s.x + NanameX[d], s.y + NanameY[d]))))
                dc = Iro(Point(s.x + NanameX[d], s.y + NanameY[d]));
        Arr<Point, 1, kMaxKankei> related;
        const int r = IsStone(dc) ? Loc(s).GetIroPoints(dc, related) : 0;
        if (r < 3) {
            if (Iro(h) == Own())
                AddKoho(s, 20, 0);
            else
                AddKoho(s, 25, 2);
        } else {
            Small(s, r == 3 ? 10 : 6);
        }
    }
    PopKohoKind();
}

// A point of the side toward the centre point: own, or watched by an own
// stone, and no opponent stone near.
bool JobanTengenPoint(Point p, int near)
{
    const TLocate& l = Loc(p);
    if (Iro(p) == Opp())
        return false;
    if (Iro(p) != Own() && !l.HasKankeiLE(near, Own()))
        return false;
    return !l.HasKankeiLE(near, Opp());
}

bool JobanTengenSide(Point a, Point b, Point c)
{
    return JobanTengenPoint(a, 4) && JobanTengenPoint(b, 7) && JobanTengenPoint(c, 4);
}

void JobanTengen()
{
    const Point t(10, 10);
    if (BoardSize != 19 || MovesPlayed() >= 31 || Iro(t) != kAki || !NoRelation(t))
        return;
    static constexpr Point kSides[4][3] = {{{10, 4}, {16, 4}, {16, 10}},
                                           {{16, 10}, {16, 16}, {10, 16}},
                                           {{10, 16}, {4, 16}, {4, 10}},
                                           {{4, 10}, {4, 4}, {10, 4}}};
    for (const auto& side : kSides)
        if (JobanTengenSide(side[0], side[1], side[2])) {
            AddKoho(t, 25, 49);
            return;
        }
}

// A one-space jump toward the centre from a lone stone on line 3 or 4.
void JobanJumpFromStone(Point stone)
{
    Point p;
    for (int d = 1; d <= 4 && p.x == 0; ++d) {
        const Point q(stone.x + IkkenX[d], stone.y + IkkenY[d]);
        if (CurGoban().OnBoardPt(q) && (LineNoPt(q) == 5 || LineNoPt(q) == 6))
            p = q;
    }
    if (p.x == 0 || Iro(p) != kAki || !Empty8(p))
        return;
    const int c = Iro(stone), o = Aite(c);
    const int a = UtuHyoka(c, p);
    int b = 0;
    Arr<Point, 1, kMaxKankei> related;
    const int n = Loc(p).GetIroPoints(o, related);
    bool weak = false;
    for (int i = 1; i <= n && !weak; ++i)
        weak = GunWeak(related[i]);
    if (weak)
        b = UtuHyoka(o, p) - 10;
    Big(p, std::min(a + b, 40));
}

void JobanLoneStones()
{
    Arr<Point, 1, kMaxGun> stones;
    const int n = SingleStoneGroups(stones);
    for (int i = 1; i <= n; ++i) {
        const int line = LineNoPt(stones[i]);
        if (line == 3 || line == 4)
            JobanJumpFromStone(stones[i]);
    }
}

// ---------------------------------------------------------------------------
// Stage 3: points between stones in the centre, caps of lone stones

void JobanCenterBetween()
{
    if (BoardSize != 19)
        return;
    for (int y = 5; y <= 15; ++y)
        for (int x = 5; x <= 15; ++x) {
            const Point p(x, y);
            const TLocate& l = Loc(p);
            if (Iro(p) != kAki || l.GetKankeiSu() == 0 || l.HasKindLE(KankeiTonari)
                || l.HasKankeiLE(KankeiKeima, Own()))
                continue;
            Arr<Point, 1, kMaxKankei> mine, theirs;
            const int a = l.GetIroPoints(Own(), mine);
            const int b = l.GetIroPoints(Opp(), theirs);
            if (a < 1 || a > 2 || b < 1 || b > 2 || a + b != 3)
                continue;
            const auto& two = a == 2 ? mine : theirs;
            if (Kyori(two[1], two[2]) < 12)
                continue;
            int bonus = a == 2 ? 9 : 8;
            if (l.HasKind(KankeiKeima23, Own()))
                --bonus;
            else if (l.HasKind(KankeiNaname2, Own()))
                --bonus;
            if (l.HasKind(KankeiNaname, Opp()))
                bonus = 10;
            Big(p, bonus);
        }
}

void JobanCapLoneStone()
{
    const int n = MovesPlayed();
    if (n < 60 || n > 100)
        return;
    TRenList& list = CurGoban().RenList;
    for (int r = 1; r <= kMaxRen; ++r) {
        const TRen* ren = list.Items(r);
        if (ren == nullptr || ren->GetIro() != Opp() || ren->IsiCount() != 1)
            continue;
        const Point stone = ren->GetIsi(1);
        const int line = LineNoPt(stone);
        if (line < 3 || line > 5 || !Empty8(stone))
            continue;
        const Point p = IkkenToCenter(stone);
        if (p.x == 0 || Iro(p) != kAki)
            continue;
        const TLocate& l = Loc(p);
        if (l.HasKankeiLE(Kankei3ken, Own()) || l.CountIro(Opp()) >= 3)
            continue;
        Big(p, UtuHyoka(Own(), p) - 11);
    }
}

} // namespace

int KohoValueAt(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return Koho.Value[i];
    return 0;
}

void JobanKoho(Point& out)
{
    if (InSakiyomi == 1)
        return;
    KohoKind = kkJoban;
    JobanEdgeGaps();
    JobanSansanInvasion();
    JobanTengen();
    JobanLoneStones();
    if (KohoCount > 0)
        SelectKoho(kSelectHigh, out);
    else
        out = Point();
}

void JobanKoho2()
{
    KohoKind = kkJoban2;
    JobanCenterBetween();
    NikenUtikomiThink();
    JobanCapLoneStone();
}

void JobanReset()
{
    for (auto& edge : EdgeLinePt)
        for (auto& line : edge)
            line.Fill(Point());
}

} // namespace vorn

#include "board/Basic.h"

#include <cstdlib>

#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"

namespace vorn {

namespace {

template <class T>
inline void Put(std::span<T> list, int i, const T& v)
{
    if (i < 0 || static_cast<std::size_t>(i) >= list.size())
        RangeError(i, 0, static_cast<long>(list.size()) - 1);
    list[static_cast<std::size_t>(i)] = v;
}

inline int IroAt(Point p) { return CurGoban().GetIroPt(p); }

inline int Libs(Point p)
{
    const TRen* r = CurGoban().RenList.RenAtPt(p);
    return r == nullptr ? 0 : r->Kuu();
}

// Empty orthogonal neighbours of p.
inline int EmptyAround(Point p)
{
    TIroCounts n;
    CountNeighbour(p, n);
    return n[kAki];
}

// The chain numbers of colour c (any stone when c is 0) at the given points.
int ListRenAt(const Point* pts, int su, int c, std::span<int> list)
{
    const TGoban& b = CurGoban();
    int count = 0;
    for (int i = 0; i < su; ++i) {
        const int col = b.GetIroPt(pts[i]);
        if (!IsStone(col) || (c != 0 && col != c))
            continue;
        const int n = b.RenList.RenNoPt(pts[i]);
        if (n != 0)
            AddIntUnique(list, count, static_cast<int>(list.size()), n);
    }
    return count;
}

// The cut map of the current decision: `c` can cut a diagonal link at p.
bool CutMapAt(int c, Point p) { return KiriMap[c][p.x][p.y] != 0; }

// The relation record of the empty point d favours a move there: exactly two
// relations to stones of colour k and none to the opponent, or at least three
// close relations (kind 4 or less) to k and none close to the opponent.
bool LocateFavours(Point d, int k)
{
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(d))
        return false;
    const TLocate& loc = b.GetLocatePt(d);
    const int o = Aite(k);
    if (loc.CountIro(k) == 2 && loc.CountIro(o) == 0)
        return true;
    return loc.CountKankeiLE(4, k) >= 3 && loc.CountKankeiLE(4, o) == 0;
}

} // namespace

// ---------------------------------------------------------------------------
// Neighbours

void CountNeighbour(Point p, TIroCounts& counts)
{
    counts.Fill(0);
    for (int d = 1; d <= 4; ++d)
        ++counts[IroAt(Dir4Pt(p, d))];
}

int ListNeighbour(Point p, int c, std::span<Point> list)
{
    int n = 0;
    for (int d = 1; d <= 4; ++d)
        if (IroAt(Dir4Pt(p, d)) == c)
            Put(list, n++, Dir4Pt(p, d));
    return n;
}

int ListNeighbourOrAki(Point p, int c, std::span<Point> list)
{
    int n = 0;
    for (int d = 1; d <= 4; ++d) {
        const int col = IroAt(Dir4Pt(p, d));
        if (col == c || col == kAki)
            Put(list, n++, Dir4Pt(p, d));
    }
    return n;
}

void CountDiagonal(Point p, TIroCounts& counts)
{
    counts.Fill(0);
    for (int d = 1; d <= 4; ++d)
        ++counts[IroAt(NanamePt(p, d))];
}

int ListDiagonal(Point p, int c, std::span<Point> list)
{
    int n = 0;
    for (int d = 1; d <= 4; ++d)
        if (IroAt(NanamePt(p, d)) == c)
            Put(list, n++, NanamePt(p, d));
    return n;
}

void CountAround8(Point p, TIroCounts& counts)
{
    counts.Fill(0);
    for (int d = 1; d <= 8; ++d)
        ++counts[IroAt(Dir8Pt(p, d))];
}

void CountAroundWide(Point p, TIroCounts& counts)
{
    CountAround8(p, counts);
    for (int d = 1; d <= 8; ++d)
        ++counts[IroAt(Point(p.x + KeimaX[d], p.y + KeimaY[d]))];
    for (int d = 1; d <= 8; ++d)
        ++counts[IroAt(Dir8Pt(p, d))];
    for (int d = 1; d <= 4; ++d)
        ++counts[IroAt(Point(p.x + IkkenX[d], p.y + IkkenY[d]))];
}

// ---------------------------------------------------------------------------
// Edge lines

int LineNo(int x, int y)
{
    int n = 10;
    for (int v : {x, y, BoardSize + 1 - x, BoardSize + 1 - y})
        if (v < n)
            n = v;
    return n;
}

int LineNoPt(Point p) { return LineNo(p.x, p.y); }

int LineNoFar(Point p)
{
    const int half = BoardSize / 2;
    int x = p.x <= half ? p.x : BoardSize + 1 - p.x;
    const int y = p.y <= half ? p.y : BoardSize + 1 - p.y;
    if (x < 1)
        x = 1;
    return x > y ? x : y;
}

Point LineNoPair(Point p) { return Point(LineNoPt(p), LineNoFar(p)); }

int Quadrant(Point p)
{
    // The middle line: 10 on 19x19, 7 on 13x13, 5 on 9x9.
    const int mid = (BoardSize + 1) / 2;
    if (p.y < mid)
        return p.x < mid ? 1 : 2;
    return p.x < mid ? 4 : 3;
}

// ---------------------------------------------------------------------------
// Legality

bool CanUtuXY(int c, int x, int y)
{
    TGoban& b = CurGoban();
    if (b.GetIro(x, y) != kAki || !b.OnBoard(x, y))
        return false;
    return b.HasAkiNeighbour(x, y) || b.CheckUtu(c, x, y) == kUtuOk;
}

// ---------------------------------------------------------------------------
// Chains and groups near a point

int ListAroundRen8(Point p, int c, std::span<int> list)
{
    Point pts[8];
    for (int d = 1; d <= 8; ++d)
        pts[d - 1] = Dir8Pt(p, d);
    return ListRenAt(pts, 8, c, list);
}

int ListAroundRen8All(Point p, std::span<int> list) { return ListAroundRen8(p, 0, list); }

int ListTonariRen(Point p, int c, std::span<int> list)
{
    Point pts[4];
    for (int d = 1; d <= 4; ++d)
        pts[d - 1] = Dir4Pt(p, d);
    return ListRenAt(pts, 4, c, list);
}

int ListTonariRenNo(Point p, std::span<int> list) { return ListTonariRen(p, 0, list); }

int ListTonariGun(Point p, int c, std::span<int> list)
{
    const TGoban& b = CurGoban();
    int count = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        if (b.GetIroPt(q) != c || !IsStone(c))
            continue;
        const int g = b.GunList.GetGunNo(q.x, q.y);
        if (g != 0)
            AddIntUnique(list, count, 4, g);
    }
    return count;
}

// ---------------------------------------------------------------------------
// Point arithmetic

int Kyori(Point p, Point q)
{
    const int dx = std::abs(p.x - q.x), dy = std::abs(p.y - q.y);
    const int a = dx > dy ? dx : dy, b = dx > dy ? dy : dx;
    if (a > 8)
        return 99;
    return KyoriTable[a] + b;
}

Point StepBeyond(Point p, Point q)
{
    if (p == q)
        return Point(q.x, q.y - 1);
    const int sx = q.x > p.x ? 1 : q.x < p.x ? -1 : 0;
    const int sy = q.y > p.y ? 1 : q.y < p.y ? -1 : 0;
    return Point(q.x + sx, q.y + sy);
}

Point CrossPt(Point p, Point q)
{
    const Point c(p.x, q.y);
    return IroAt(c) == kAki ? c : Point(q.x, p.y);
}

Point CrossPtIsi(Point p, Point q)
{
    const Point c(p.x, q.y);
    return IroAt(c) != kAki ? c : Point(q.x, p.y);
}

void CrossPts(Point p, Point q, std::span<Point> out)
{
    Put(out, 0, Point(p.x, q.y));
    Put(out, 1, Point(q.x, p.y));
}

void SwapPt(Point& p, Point& q)
{
    const Point t = p;
    p = q;
    q = t;
}

bool AddPtUnique(std::span<Point> list, int& count, int max, Point p)
{
    if (count >= max || PtInList(p, list, count))
        return false;
    Put(list, count, p);
    ++count;
    return true;
}

bool AddIntUnique(std::span<int> list, int& count, int max, int n)
{
    if (count >= max)
        return false;
    for (int i = 0; i < count; ++i)
        if (list[static_cast<std::size_t>(i)] == n)
            return false;
    Put(list, count, n);
    ++count;
    return true;
}

bool PtInList(Point p, std::span<const Point> list, int n)
{
    for (int i = 0; i < n && static_cast<std::size_t>(i) < list.size(); ++i)
        if (list[static_cast<std::size_t>(i)] == p)
            return true;
    return false;
}

// ---------------------------------------------------------------------------
// Shape queries

bool IsKouShape(Point p, int c)
{
    TGoban& b = CurGoban();
    if (b.GetIroPt(p) != kAki || !b.ToruTen[c][p.x][p.y])
        return false;
    const int o = Aite(c);
    const TRen* atari = nullptr;
    int atariSu = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        const int col = b.GetIroPt(q);
        if (col == kAki || col == c)
            return false;
        if (col != o)
            continue;
        const TRen* r = b.RenList.RenAtPt(q);
        if (r != nullptr && r->Kuu() == 1 && r != atari) {
            atari = r;
            ++atariSu;
        }
    }
    return atariSu == 1 && atari->IsiCount() == 1;
}

bool RenIsKou(TRen* ren)
{
    if (ren == nullptr || ren->Kuu() != 1)
        return false;
    return IsKouShape(ren->GetKuu(1), Aite(ren->GetIro()));
}

bool IsNarabiCross(Point p, int c)
{
    Point own[4];
    if (ListNeighbour(p, c, own) != 1)
        return false;
    // Cells 0 and 2 beside p, 3 and 5 beside the neighbour; 0 and 3 on the
    // smaller-coordinate side.
    Point box[6];
    BetweenStrip3(p, own[0], box);
    const int o = Aite(c);
    const int am = IroAt(box[0]), ap = IroAt(box[2]), bm = IroAt(box[3]), bp = IroAt(box[5]);
    return (am == kAki && bp == kAki && ap == o && bm == o) || (am == o && bp == o && ap == kAki && bm == kAki);
}

bool IsWareShape(Point p, int c)
{
    TIroCounts n;
    CountNeighbour(p, n);
    if (n[c] >= 2)
        return false;
    const int o = Aite(c);
    // Orthogonal direction d lies between diagonals d-1 and d (up: up-left and
    // up-right, right: up-right and down-right, ...).
    for (int d = 1; d <= 4; ++d) {
        const Point first = NanamePt(p, d == 1 ? 4 : d - 1);
        const Point second = NanamePt(p, d);
        if (IroAt(first) == o && IroAt(second) == o && IroAt(Dir4Pt(p, d)) == c)
            return true;
    }
    return false;
}

bool HasAtariRen8(Point p, int c)
{
    const TGoban& b = CurGoban();
    for (int d = 1; d <= 8; ++d) {
        const Point q = Dir8Pt(p, d);
        if (b.GetIroPt(q) != c)
            continue;
        const TRen* r = b.RenList.RenAtPt(q);
        if (r != nullptr && r->Kuu() == 1)
            return true;
    }
    return false;
}

TRen* TonariAtariRen(Point p)
{
    const TGoban& b = CurGoban();
    const int o = Aite(b.GetIroPt(p));
    TRen* found = nullptr;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        if (b.GetIroPt(q) != o || !IsStone(o))
            continue;
        TRen* r = b.RenList.RenAtPt(q);
        if (r != nullptr && r->Kuu() == 1)
            found = r;
    }
    return found;
}

Point TonariAtariKuu(TRen* ren)
{
    if (ren == nullptr)
        return Point();
    const TGoban& b = CurGoban();
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 1)
            return m->GetKuu(1);
    }
    return Point();
}

Point TonariAtariKuuPt(Point p)
{
    TGoban& b = CurGoban();
    b.RenMake();
    const int c = b.GetIroPt(p);
    if (!IsStone(c))
        return Point();
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        if (b.GetIroPt(q) != Aite(c))
            continue;
        TRen* r = b.RenList.RenAtPt(q);
        if (r != nullptr && r->Kuu() == 1)
            return r->GetKuu(1);
    }
    return Point();
}

Point RenNigeTe(TRen* ren)
{
    if (ren == nullptr)
        return Point();
    const TGoban& b = CurGoban();
    Point te;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 1)
            te = m->GetKuu(1);
    }
    if (te.x == 0 && ren->Kuu() >= 1)
        te = ren->GetKuu(1);
    return te;
}

Point TonariToruTe(TRen* ren)
{
    const Point atari = TonariAtariKuu(ren);
    if (atari.x != 0 || ren == nullptr)
        return atari;
    const TGoban& b = CurGoban();
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 2 && SichoCheck(m->GetIsi(1)) == 1)
            return m->SichoTe(1);
    }
    return Point();
}

Point AroundToruTe(Point p, int c)
{
    int list[8];
    const int su = ListAroundRen8(p, c, list);
    const TGoban& b = CurGoban();
    for (int i = 0; i < su; ++i) {
        const Point te = TonariAtariKuu(b.RenList.Items(list[i]));
        if (te.x != 0)
            return te;
    }
    return Point();
}

namespace {
// A stone among the first n of the eight neighbours belongs to a group whose
// flag (GetDeath, GetSeki) is 1.
bool GunFlagAround(Point p, int n, int (TGun::*flag)() const)
{
    const TGoban& b = CurGoban();
    for (int d = 1; d <= n; ++d) {
        const Point q = Dir8Pt(p, d);
        if (!IsStone(b.GetIroPt(q)))
            continue;
        const TGun* g = b.GunList.GetGunAt(q);
        if (g != nullptr && (g->*flag)() == 1)
            return true;
    }
    return false;
}
} // namespace

bool HasDeathGun8(Point p) { return GunFlagAround(p, 8, &TGun::GetDeath); }

bool HasSekiGun4(Point p) { return GunFlagAround(p, 4, &TGun::GetSeki); }

Point IkkenToCenter(Point p)
{
    const int line = LineNoPt(p);
    for (int d = 1; d <= 4; ++d) {
        const Point q(p.x + IkkenX[d], p.y + IkkenY[d]);
        if (LineNoPt(q) > line)
            return q;
    }
    return Point();
}

// ---------------------------------------------------------------------------
// Shape answer next to two stones

Point TonariPairTe(Point p, int c)
{
    Point st[4];
    int n = ListNeighbour(p, c, st);
    if (n == 0)
        n = ListNeighbour(p, Aite(c), st);
    if (n != 2)
        return p;
    const int k = Kyori(st[0], st[1]);
    if (k == 3)
        return TonariPairTeStraight(st[0], st[1], p);
    if (k == 2)
        return TonariPairTeBent(st[0], st[1], p, CrossPtIsi(st[0], st[1]));
    return p;
}

Point TonariPairTeStraight(Point a, Point b, Point p)
{
    const int o = Aite(IroAt(a));
    Point box[9];
    BetweenStrip3(a, b, box);
    for (int i : {3, 5}) {
        const Point q = box[i];
        if (IroAt(q) != kAki)
            continue;
        TIroCounts n;
        CountNeighbour(q, n);
        if (n[kAki] == 3 && n[o] == 1)
            return q;
    }
    return p;
}

Point TonariPairTeBent(Point a, Point b, Point p, Point corner)
{
    const TGoban& g = CurGoban();
    const int k = g.GetIroPt(a), o = Aite(k);
    const Point s1 = StepBeyond(b, p), s2 = StepBeyond(a, p);
    const Point t1 = StepBeyond(corner, a), t2 = StepBeyond(corner, b);
    const Point u1 = StepBeyond(p, s1), u2 = StepBeyond(p, s2);
    const Point d = StepBeyond(t1, s1);
    const Point w1 = StepBeyond(a, t1), w2 = StepBeyond(b, t2);
    const Point a2 = StepBeyond(p, a), b2 = StepBeyond(p, b), e = StepBeyond(corner, p);
    const int cs1 = g.GetIroPt(s1), cs2 = g.GetIroPt(s2);
    const int ct1 = g.GetIroPt(t1), ct2 = g.GetIroPt(t2);
    const int cu1 = g.GetIroPt(u1), cu2 = g.GetIroPt(u2);
    const int cw1 = g.GetIroPt(w1), cw2 = g.GetIroPt(w2);
    const int cd = g.GetIroPt(d);
    const int libsA = Libs(a), libsB = Libs(b);

    // 1. An opponent stone opposite one of them: ladder it, or nothing.
    if (cs1 == o && cs2 == o)
        return p;
    if (cs1 == o || cs2 == o) {
        TRen* r = g.RenList.RenAtPt(cs1 == o ? s1 : s2);
        if (r != nullptr && r->GetSicho() == 1)
            return r->SichoTe(1);
        return p;
    }
    // 2. An own stone opposite in atari.
    if ((cs1 == k && Libs(s1) == 1) || (cs2 == k && Libs(s2) == 1))
        return p;
    // 3. Near the edge.
    if (LineNoPt(p) <= 2) {
        if (LineNoPt(p) != 2)
            return p;
        if (ct1 == k && ct2 == k) {
            TIroCounts n;
            CountAround8(e, n);
            const TGun* gun = g.GunList.GetGunAt(a);
            if (g.GetIroPt(e) == kAki && n[kAki] == 5 && n[kHen] == 3 && gun != nullptr && gun->GetJisu() == 1)
                return e;
            return p;
        }
        if (ct1 == k && ct2 == kAki && LineNoPt(t2) == 1)
            return s2;
        if (ct2 == k && ct1 == kAki && LineNoPt(t1) == 1)
            return s1;
        return p;
    }
    // 4. The opponent holds the point diagonal to p.
    if (cd == o) {
        if (ct1 == k && ct2 == kAki)
            return s2;
        if (ct1 == kAki && ct2 == k)
            return s1;
        if (cu1 != k && cu2 == k)
            return s2;
        if (cu1 == k && cu2 != k)
            return s1;
        if (cu2 == kAki && cw2 == o)
            return s2;
        if (cu1 == kAki && cw1 == o)
            return s1;
        return p;
    }
    // 5. An own stone there.
    if (cd == k) {
        if (cu1 == o && cu2 == kAki)
            return s1;
        if (cu1 == kAki && cu2 == o)
            return s2;
        const TJiList& ji = g.JiList;
        if (ji.GetJiIroPt(p) == 0)
            return p;
        if (ji.GetJiIroPt(s1) == 0)
            return s1;
        if (ji.GetJiIroPt(s2) == 0)
            return s2;
        if (LineNoPt(p) != 3 || libsA < 3 || libsB < 3)
            return p;
        if (LineNoPt(s1) == 3)
            return s1;
        if (LineNoPt(s2) == 3)
            return s2;
        return p;
    }
    // 6. Off the board.
    if (cd != kAki)
        return p;
    // 7. The diagonal point is empty.
    if (ct1 == k && ct2 == k) {
        TIroCounts n;
        CountNeighbour(d, n);
        if (n[o] < 2)
            return d;
        if (cw1 == o && cu1 == kAki)
            return s1;
        if (cw2 == o && cu2 == kAki)
            return s2;
        return p;
    }
    if (ct1 == kAki && ct2 == k) {
        if (libsA == 2 && EmptyAround(t1) >= 3)
            return t1;
        return cu2 != o ? s1 : d;
    }
    if (ct1 == k && ct2 == kAki) {
        if (libsB == 2 && EmptyAround(t2) >= 3)
            return t2;
        return cu1 != o ? s2 : d;
    }
    if (ct1 == o && ct2 != o && cu1 == kAki)
        return s1;
    if (ct1 != o && ct2 == o && cu2 == kAki)
        return s2;
    if (g.OnBoardPt(t1) && CutMapAt(o, t1))
        return s1;
    if (g.OnBoardPt(t2) && CutMapAt(o, t2))
        return s2;
    if (cu1 == k && cw1 == o)
        return s1;
    if (cu2 == k && cw2 == o)
        return s2;
    if (libsA >= 3 && libsB >= 3) {
        if (LineNoPt(p) == 3) {
            if (LineNoPt(s1) == 3)
                return (g.GetIroPt(b2) == kAki || EmptyAround(b2) == 3) ? p : s1;
            if (LineNoPt(s2) == 3)
                return (g.GetIroPt(a2) == kAki || EmptyAround(a2) == 3) ? p : s2;
            return p;
        }
        if (libsA == 3 && libsB > 3)
            return s1;
        if (libsA > 3 && libsB == 3)
            return s2;
        return LocateFavours(d, k) ? d : p;
    }
    if (!((libsA == 2 || libsB == 2) && libsA + libsB >= 6))
        return p;
    const Point q = libsA == 2 ? t1 : t2;
    return (g.GetIroPt(q) == kAki && EmptyAround(q) == 3) ? q : p;
}

} // namespace vorn

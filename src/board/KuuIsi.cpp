#include "board/KuuIsi.h"

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Kankei.h"
#include "board/Locate.h"

namespace vorn {

Grid<int, 0, 20> AreaMap{};
Grid<int, 0, 20> AreaMapBackup{};
Grid<int, 0, 20> AreaMapView{};
Arr<Grid<std::uint8_t, 1, 19>, 1, 3> KuuIsiCount{};
Arr<Grid<std::uint8_t, 1, 19>, 1, 3> KuuIsiCount2{};

void KuuIsiReset()
{
    FillGrid<int, 0, 20>(AreaMap, 0);
    FillGrid<int, 0, 20>(AreaMapBackup, 0);
    FillGrid<int, 0, 20>(AreaMapView, 0);
    for (int k = 1; k <= 3; ++k) {
        FillGrid<std::uint8_t, 1, 19>(KuuIsiCount[k], 0);
        FillGrid<std::uint8_t, 1, 19>(KuuIsiCount2[k], 0);
    }
}

namespace {

using CountMap = Arr<Grid<std::uint8_t, 1, 19>, 1, 3>;

bool IsStone(int c) { return c == kKuro || c == kSiro; }

bool DeadStone(const TGoban& b, int x, int y) { return b.OnBoard(x, y) && b.IsDeath(x, y) != 0; }

// One empty point looking in one direction.  "Set" is a stone or the edge.
template <int N>
struct TKuuScan : TPatScan<N> {
    using TPatScan<N>::B, TPatScan<N>::X, TPatScan<N>::Y, TPatScan<N>::At, TPatScan<N>::Pt;

    TKuuScan(int d, int x, int y) : TPatScan<N>(d, x, y) {}

    bool IsSet(const TPatPt<N>& p) const { return At(p) != kAki; }
    bool IsEmpty(const TPatPt<N>& p) const { return At(p) == kAki; }
    bool IsStone(const TPatPt<N>& p) const { return vorn::IsStone(At(p)); }

    // A relation of the empty point, valued with the related point's colour.
    void Record(const TPatPt<N>& p, int index, int kind) const { B.SetKankei(X, Y, index, kind, At(p)); }
    // Counts the relation to p at the empty point: for p's colour, for the
    // other colour when p's stone is dead, 3 for the edge.
    void Count(CountMap& map, const TPatPt<N>& p) const
    {
        const Point q = Pt(p);
        int c = At(p);
        if (vorn::IsStone(c) && DeadStone(B, q.x, q.y))
            c = Aite(c);
        ++map[c][X][Y];
    }
};

} // namespace

// ---------------------------------------------------------------------------
// Relations of empty points

void KuuIsiMake()
{
    for (int k = 1; k <= 3; ++k)
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                KuuIsiCount[k][x][y] = 0;
                KuuIsiCount2[k][x][y] = 0;
            }
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (b.GetIro(x, y) == kAki)
                KuuIsiPoint(x, y);
}

void KuuIsiPoint(int x, int y)
{
    for (int d = 1; d <= 4; ++d)
        KuuIsiLine(d, x, y);
    for (int k = 1; k <= 8; ++k)
        KuuIsiKeima(k, x, y);
    for (int d = 1; d <= 4; ++d)
        KuuIsiNaname(d, x, y);
}

void KuuIsiRemake(int x, int y)
{
    if (CurGoban().GetIro(x, y) != kAki)
        return;
    for (int k = 1; k <= 3; ++k) {
        KuuIsiCount[k][x][y] = 0;
        KuuIsiCount2[k][x][y] = 0;
    }
    KuuIsiPoint(x, y);
}

// Straight out from the empty point to the first stone or the edge, unless
// stones beside the line cut it off.
void KuuIsiLine(int d, int x, int y)
{
    using namespace LinePat;
    const TKuuScan<4> s(d, x, y);
    if (s.IsSet(P1)) {
        s.Record(P1, d, KankeiTonari);
        s.Count(KuuIsiCount, P1);
        return;
    }
    int cl = s.IsSet(L1) + s.IsSet(L0);
    int cr = s.IsSet(R1) + s.IsSet(R0);
    if (cl >= 1 && cr >= 1 && (s.IsEmpty(L0) || s.IsEmpty(R0)))
        return;
    if ((s.IsStone(L1) && s.IsSet(RR1)) || (s.IsStone(R1) && s.IsSet(LL1)))
        return;
    if (s.IsSet(P2)) {
        s.Record(P2, 8 + d, Kankei1ken);
        if (!(s.IsSet(L0) && s.IsSet(R0)))
            s.Count(KuuIsiCount, P2);
        return;
    }
    if (s.IsSet(L1) || s.IsSet(R1))
        return;
    cl += s.IsSet(L2);
    cr += s.IsSet(R2);
    if (cl >= 1 && cr >= 1)
        return;
    // A stone beside the second point faces one across the line: only a
    // black and white pair leaves the line open.
    const int l2 = s.At(L2), r2 = s.At(R2);
    if (l2 != kAki) {
        const int rr2 = s.At(RR2), rr1 = s.At(RR1);
        if ((rr2 != kAki && l2 + rr2 != 3) || (rr1 != kAki && l2 + rr1 != 3))
            return;
    }
    if (r2 != kAki) {
        const int ll2 = s.At(LL2), ll1 = s.At(LL1);
        if ((ll2 != kAki && r2 + ll2 != 3) || (ll1 != kAki && r2 + ll1 != 3))
            return;
    }
    if (s.IsSet(L0) && (s.IsSet(RR1) || s.IsSet(RR0)))
        return;
    if (s.IsSet(R0) && (s.IsSet(LL1) || s.IsSet(LL0)))
        return;
    if (s.IsSet(P3)) {
        s.Record(P3, 24 + d, Kankei2ken);
        s.Count(KuuIsiCount2, P3);
        if (s.At(P3) == kHen)
            ++KuuIsiCount[kHen][x][y];
        return;
    }
    if (s.IsSet(L3) || s.IsSet(R3) || s.IsEmpty(P4))
        return;
    s.Record(P4, 44 + d, Kankei3ken);
}

// Knight's moves from the empty point and the shapes beyond them.
void KuuIsiKeima(int k, int x, int y)
{
    using namespace KeimaPat;
    const TKuuScan<8> s(k, x, y);
    if (s.IsSet(N1) || s.IsSet(D))
        return;
    if (s.IsStone(M1) && s.IsStone(O1))
        return;
    if (s.IsSet(K4)) {
        s.Record(K4, 12 + k, KankeiKeima);
        if (s.IsEmpty(ES))
            s.Count(KuuIsiCount, K4);
        return;
    }
    if (s.IsSet(ES) || s.IsSet(EB) || (s.IsSet(O2) && s.IsSet(M1)) || (s.IsSet(M2) && (s.IsSet(O2) || s.IsSet(O1)))
        || (s.IsSet(M0) && s.IsSet(O0)))
        return;
    if (s.IsSet(K7)) {
        s.Record(K7, 28 + k, KankeiOgeima);
        s.Count(KuuIsiCount2, K7);
        return;
    }
    if (s.IsSet(N3))
        return;
    if (s.IsEmpty(O2) && s.IsSet(P8) && s.IsEmpty(O1))
        s.Record(P8, 36 + k, KankeiKeima23);
    if (s.IsSet(N4) || s.IsEmpty(K11) || (s.IsSet(M3) && s.IsSet(O3)))
        return;
    s.Record(K11, 48 + k, KankeiKeima14);
}

// Diagonals from the empty point: the diagonal stone itself (also when one
// crossing point holds its enemy: the half-blocked diagonal), or through an
// open square to the (2,2) point.
void KuuIsiNaname(int d, int x, int y)
{
    using namespace NanamePat;
    const TKuuScan<4> s(d, x, y);
    const int x1 = s.At(X1), x2 = s.At(X2);
    if (x1 != kAki && x2 != kAki)
        return;
    const int g = s.At(G);
    if (IsStone(g)) {
        const int e = Aite(g);
        if (x1 == e) {
            if (x2 == kAki)
                s.Record(G, 4 + d, KankeiNanameKuu);
            if (s.At(Y1) == e || (s.At(Z1) == e && s.IsEmpty(Y1)))
                return;
        } else if (x2 == e) {
            if (x1 == kAki)
                s.Record(G, 4 + d, KankeiNanameKuu);
            if (s.At(Y2) == e || (s.At(Z2) == e && s.IsEmpty(Y2)))
                return;
        }
    }
    if (g != kAki) {
        s.Record(G, 4 + d, KankeiNaname);
        s.Count(KuuIsiCount, G);
        return;
    }
    using namespace Naname2Pat;
    if (!(s.IsEmpty(A1) && s.IsEmpty(B1) && s.IsEmpty(A2) && s.IsEmpty(B2) && s.IsEmpty(A3) && s.IsEmpty(B3)))
        return;
    if (s.IsSet(Q)) {
        s.Record(Q, 20 + d, KankeiNaname2);
        s.Count(KuuIsiCount2, Q);
    }
}

// ---------------------------------------------------------------------------
// The area map

void KuuIsiArea()
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            AreaMap[x][y] = 0;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            KuuIsiAreaPoint(x, y);
    AreaCornerShape();
    AreaCorner();
    AreaVotePass();
    AreaFirm();
}

void KuuIsiAreaPoint(int x, int y)
{
    const TGoban& b = CurGoban();
    AreaMap[x][y] = 0;
    const int c = b.GetIro(x, y);
    if (IsStone(c)) {
        // A dead stone belongs to the side that surrounds it.
        if (DeadStone(b, x, y))
            AreaMap[x][y] = c == kKuro ? -1 : 1;
        return;
    }
    if (c != kAki)
        return;
    const int b1 = KuuIsiCount[kKuro][x][y], w1 = KuuIsiCount[kSiro][x][y];
    const int b2 = KuuIsiCount2[kKuro][x][y], w2 = KuuIsiCount2[kSiro][x][y];
    TIroCounts n;
    int v = 0;
    if (b1 > 0 && w1 + w2 == 0) {
        v = 1;
    } else if (w1 > 0 && b1 + b2 == 0) {
        v = -1;
    } else if (b1 >= 2) {
        CountNeighbour(Point(x, y), n);
        v = (n[kKuro] == 3 && n[kSiro] == 0) ? 1 : 0;
    } else if (w1 >= 2) {
        CountNeighbour(Point(x, y), n);
        v = (n[kSiro] == 3 && n[kKuro] == 0) ? -1 : 0;
    }
    AreaMap[x][y] = v;
}

void AreaCornerShape()
{
    const TGoban& b = CurGoban();
    const int size = BoardSize;
    // An empty edge point related to nothing near takes the value inside it.
    auto copy = [&](int x, int y, int ix, int iy) {
        if (b.GetIro(x, y) == kAki && KuuIsiCount[kKuro][x][y] == 0 && KuuIsiCount[kSiro][x][y] == 0
            && AreaMap[ix][iy] != 0)
            AreaMap[x][y] = AreaMap[ix][iy];
    };
    for (int x = 2; x <= size - 1; ++x) {
        copy(x, 1, x, 2);
        copy(x, size, x, size - 1);
    }
    for (int y = 2; y <= size - 1; ++y) {
        copy(1, y, 2, y);
        copy(size, y, size - 1, y);
    }
    // A corner takes the value its two edge neighbours agree on.
    auto corner = [&](int x, int y, int ax, int ay, int bx, int by) {
        if (b.GetIro(x, y) == kAki && AreaMap[ax][ay] == AreaMap[bx][by] && AreaMap[ax][ay] != 0)
            AreaMap[x][y] = AreaMap[ax][ay];
    };
    corner(1, 1, 1, 2, 2, 1);
    corner(1, size, 1, size - 1, 2, size);
    corner(size, 1, size - 1, 1, size, 2);
    corner(size, size, size - 1, size, size, size - 1);
}

void AreaCorner()
{
    const TGoban& b = CurGoban();
    const int s = BoardSize;
    const Point centres[4] = {Point(2, 2), Point(s - 1, 2), Point(2, s - 1), Point(s - 1, s - 1)};
    TIroCounts n;
    for (const Point p : centres) {
        if (b.GetIro(p.x, p.y) != kAki || AreaMap[p.x][p.y] != 0)
            continue;
        CountAround8(p, n);
        if (n[kAki] != 8)
            continue;
        const TLocate& loc = b.GetLocatePt(p);
        const bool kuro = loc.HasKankeiLE(KankeiOgeima, kKuro);
        const bool siro = loc.HasKankeiLE(KankeiOgeima, kSiro);
        if (kuro == siro)
            continue;
        const int v = kuro ? 1 : -1;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                AreaMap[p.x + dx][p.y + dy] = v;
    }
}

int AreaVote(int x, int y)
{
    const TGoban& b = CurGoban();
    int pos = 0, neg = 0;
    for (int d = 1; d <= 4; ++d) {
        const int nx = x + Dir4X[d], ny = y + Dir4Y[d];
        const int c = b.GetIro(nx, ny);
        if (c == kHen)
            continue;
        if (c != kAki)
            return 0;
        if (AreaMap[nx][ny] > 0)
            ++pos;
        else if (AreaMap[nx][ny] < 0)
            ++neg;
    }
    if (pos > 0 && neg > 0)
        return 0;
    if (pos >= 3)
        return 1;
    if (neg >= 3)
        return -1;
    return 0;
}

void AreaVotePass()
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (b.GetIro(x, y) != kAki || AreaMap[x][y] != 0)
                continue;
            int v = AreaVote(x, y);
            if (v == 0) {
                const TLocate& loc = b.GetLocate(x, y);
                const int kuro = loc.CountIroLive(kKuro), siro = loc.CountIroLive(kSiro);
                if (kuro >= 4 && siro == 0)
                    v = 1;
                else if (siro >= 4 && kuro == 0)
                    v = -1;
            }
            AreaMap[x][y] = v;
        }
}

int AreaCountZero(int x, int y)
{
    const TGoban& b = CurGoban();
    int n = 0;
    for (int d = 1; d <= 4; ++d) {
        const int nx = x + Dir4X[d], ny = y + Dir4Y[d];
        if (b.GetIro(nx, ny) == kAki && AreaMap[nx][ny] == 0)
            ++n;
    }
    return n;
}

void AreaFirm()
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int v = AreaMap[x][y];
            if (v == 0 || AreaCountZero(x, y) != 0)
                continue;
            // The other side can capture here: the border is not firm.
            if ((v < 0 && b.IsToruTen(kKuro, x, y) != 0) || (v > 0 && b.IsToruTen(kSiro, x, y) != 0))
                continue;
            AreaMap[x][y] = v * 2;
        }
}

int GetAreaMap(Point p)
{
    if (!Grid<int, 0, 20>::InRange(p.x) || !Grid<int, 0, 20>::InRange(p.y))
        return 0;
    return AreaMap[p.x][p.y];
}

int CountAreaNeighbour(Point p, int v)
{
    const TGoban& b = CurGoban();
    int n = 0;
    for (int d = 1; d <= 4; ++d) {
        const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
        if (b.GetIro(nx, ny) == kAki && AreaMap[nx][ny] == v)
            ++n;
    }
    return n;
}

void AreaMapSave()
{
    for (int x = 0; x <= BoardSize + 1; ++x)
        for (int y = 0; y <= BoardSize + 1; ++y)
            AreaMapBackup[x][y] = AreaMap[x][y];
}

void AreaMapCopy()
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            AreaMapView[x][y] = AreaMap[x][y];
}

} // namespace vorn

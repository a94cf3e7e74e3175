#include "board/KuuIsi.h"

#include <bit>
#include <cstring>
#include <utility>

#include "board/Basic.h"
#include "board/BitRows.h"
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

// The counted relations of every empty point as the last whole-board pass
// found them, one bit per relation a scan can count: a recount of an
// unchanged board replays them with the dead marks of the moment.  Bits
// 4(d-1)..4(d-1)+3: the straight line d to its first, second and third
// point (near, near, middle) and the third as the edge (near); 16 + 2(k-1)
// and the next: the knight's move k (near) and the large one (middle);
// 32 + 2(d-1) and the next: the diagonal d (near) and the (2,2) point
// (middle).
struct TCountEvent {
    int DX, DY;
    bool Near;
};
constexpr int kCountEvents = 40;
constexpr Arr<TCountEvent, 0, kCountEvents - 1> CountEvents = [] {
    Arr<TCountEvent, 0, kCountEvents - 1> e{};
    for (int d = 1; d <= 4; ++d) {
        const int i = 4 * (d - 1);
        e[i] = {LinePat::P1.DX[d], LinePat::P1.DY[d], true};
        e[i + 1] = {LinePat::P2.DX[d], LinePat::P2.DY[d], true};
        e[i + 2] = {LinePat::P3.DX[d], LinePat::P3.DY[d], false};
        e[i + 3] = {LinePat::P3.DX[d], LinePat::P3.DY[d], true};
        e[32 + 2 * (d - 1)] = {NanamePat::G.DX[d], NanamePat::G.DY[d], true};
        e[33 + 2 * (d - 1)] = {Naname2Pat::Q.DX[d], Naname2Pat::Q.DY[d], false};
    }
    for (int k = 1; k <= 8; ++k) {
        e[16 + 2 * (k - 1)] = {KeimaPat::K4.DX[k], KeimaPat::K4.DY[k], true};
        e[17 + 2 * (k - 1)] = {KeimaPat::K7.DX[k], KeimaPat::K7.DY[k], false};
    }
    return e;
}();
Grid<std::uint64_t, 1, 19> g_counted{};
// The board the bits were made on.
Grid<std::uint8_t, 0, 20> g_countedBan{};
int g_countedSize = 0;
bool g_keepCounted = false;

// Inside a TKuuIsiRecount: 0 not tested yet, 1 valid, 2 not.
int g_recountDepth = 0;
int g_recountValid = 0;

bool CountedValid()
{
    if (g_recountDepth > 0 && g_recountValid != 0)
        return g_recountValid == 1;
    const bool valid =
        g_countedSize == BoardSize && std::memcmp(&g_countedBan, &CurGoban().Ban, sizeof g_countedBan) == 0;
    if (g_recountDepth > 0)
        g_recountValid = valid ? 1 : 2;
    return valid;
}

// The stone rows of BitRows two at a time: word r holds row r in its low
// half and row r + 1 in its high half (past the last row, the edge).
using TScanRow = std::uint64_t;
struct TPairRows {
    TScanRow Set[kBitRows];
    TScanRow Kuro[kBitRows];
    TScanRow Siro[kBitRows];
    TScanRow Dead[kBitRows];
};
TPairRows g_pairs;

void PairRowsMake()
{
    const TBitRows& r = BitRows();
    constexpr TBitRow edge = (TBitRow{1} << kBitRows) - 1;
    for (int i = 0; i < kBitRows; ++i) {
        const bool last = i + 1 == kBitRows;
        g_pairs.Set[i] = r.Set[i] | TScanRow{last ? edge : r.Set[i + 1]} << 32;
        g_pairs.Kuro[i] = r.Kuro[i] | TScanRow{last ? TBitRow{0} : r.Kuro[i + 1]} << 32;
        g_pairs.Siro[i] = r.Siro[i] | TScanRow{last ? TBitRow{0} : r.Siro[i + 1]} << 32;
        g_pairs.Dead[i] = r.Dead[i] | TScanRow{last ? TBitRow{0} : r.Dead[i + 1]} << 32;
    }
}

// Two rows of empty points at once looking in direction D of a pattern
// family: the points of the pattern as masks of rows y and y + 1 (bit x + 4
// and bit x + 36 for the points seen from (x, y) and (x, y + 1)).
template <int N, int D>
struct TRowScan {
    static constexpr int Di = D - 1;
    TGoban& B;
    int Y;
    const TPairRows& R = g_pairs;

    TScanRow Row(const TScanRow* rows, const TPatPt<N>& p) const { return PatRow(rows, Y, p, D); }
    TScanRow Set(const TPatPt<N>& p) const { return Row(R.Set, p); }
    TScanRow Empty(const TPatPt<N>& p) const { return ~Set(p); }
    TScanRow Kuro(const TPatPt<N>& p) const { return Row(R.Kuro, p); }
    TScanRow Siro(const TPatPt<N>& p) const { return Row(R.Siro, p); }
    TScanRow Stone(const TPatPt<N>& p) const { return Kuro(p) | Siro(p); }
    TScanRow Edge(const TPatPt<N>& p) const { return Set(p) & ~Stone(p); }

    // Records the relation to p on the points of the mask, valued with p's
    // colour.
    void Record(TScanRow m, const TPatPt<N>& p, int index, int kind) const
    {
        if (KankeiOff == 1)
            return;
        const TScanRow kuro = Kuro(p), siro = Siro(p), set = Set(p);
        for (; m != 0; m &= m - 1) {
            const int bit = std::countr_zero(m);
            const int x = (bit & 31) - 4, y = Y + (bit >> 5);
            // The point's colour from the rows: a stone, else the edge.
            const int k = static_cast<int>(kuro >> bit & 1), s = static_cast<int>(siro >> bit & 1);
            const int c = k | s << 1 | ((static_cast<int>(set >> bit & 1) & ~(k | s)) * kHen);
            B.Locate.v[x - 1].v[y - 1].AddKankeiIro(index, kind, c, c);
        }
    }
    // Record of the mask m and Count of its part `counted` in one pass.
    void RecordCount(TScanRow m, TScanRow counted, CountMap& map, const TPatPt<N>& p, int index, int kind,
                     int event) const
    {
        if (KankeiOff == 1) {
            Count(counted, map, p, event);
            return;
        }
        const TScanRow kuro = Kuro(p), siro = Siro(p), set = Set(p), dead = Row(R.Dead, p) & (kuro | siro);
        const std::uint64_t eventBit = g_keepCounted ? std::uint64_t{1} << event : 0;
        for (; m != 0; m &= m - 1) {
            const int bit = std::countr_zero(m);
            const int k = static_cast<int>(kuro >> bit & 1), s = static_cast<int>(siro >> bit & 1);
            const int stone = k | s << 1;
            const int edge = (static_cast<int>(set >> bit & 1) & ~(k | s)) * kHen;
            const int x = (bit & 31) - 4, y = Y + (bit >> 5);
            B.Locate.v[x - 1].v[y - 1].AddKankeiIro(index, kind, stone | edge, stone | edge);
            // Counted with a dead stone's colour turned; the edge as itself.
            const unsigned on = static_cast<unsigned>(counted >> bit & 1);
            const int c = (stone ^ static_cast<int>(dead >> bit & 1) * 3) + (1 - (k | s)) * kHen;
            map.v[c - 1].v[x - 1].v[y - 1] += static_cast<std::uint8_t>(on);
            g_counted.v[x - 1].v[y - 1] |= eventBit & (0 - std::uint64_t{on});
        }
    }
    // Counts the relation to p at the points of the mask: for p's colour,
    // for the other colour when p's stone is dead, 3 for the edge (the
    // colours and dead marks of the rows); `event` is its bit in g_counted.
    void Count(TScanRow m, CountMap& map, const TPatPt<N>& p, int event) const
    {
        const TScanRow kuro = Kuro(p), siro = Siro(p), dead = Row(R.Dead, p) & (kuro | siro);
        for (; m != 0; m &= m - 1) {
            const int bit = std::countr_zero(m);
            const int k = static_cast<int>(kuro >> bit & 1), s = static_cast<int>(siro >> bit & 1);
            // A stone, its colour turned when it is dead; else the edge.
            int c = (k | s << 1) ^ static_cast<int>(dead >> bit & 1) * 3;
            c += (1 - (k | s)) * kHen;
            const int x = (bit & 31) - 4, y = Y + (bit >> 5);
            ++map.v[c - 1].v[x - 1].v[y - 1];
            if (g_keepCounted)
                g_counted.v[x - 1].v[y - 1] |= std::uint64_t{1} << event;
        }
    }
};

// Straight out from the empty point to the first stone or the edge, unless
// stones beside the line cut it off.
template <int D>
void LineRow(TGoban& b, int y, TScanRow alive)
{
    using namespace LinePat;
    const TRowScan<4, D> s{b, y};
    TScanRow m = alive & s.Set(P1);
    s.RecordCount(m, m, KuuIsiCount, P1, D, KankeiTonari, 4 * (D - 1));
    alive &= ~m;
    TScanRow cl = s.Set(L1) | s.Set(L0);
    TScanRow cr = s.Set(R1) | s.Set(R0);
    alive &= ~(cl & cr & (s.Empty(L0) | s.Empty(R0)));
    alive &= ~((s.Stone(L1) & s.Set(RR1)) | (s.Stone(R1) & s.Set(LL1)));
    m = alive & s.Set(P2);
    s.RecordCount(m, m & ~(s.Set(L0) & s.Set(R0)), KuuIsiCount, P2, 8 + D, Kankei1ken, 4 * (D - 1) + 1);
    alive &= ~m;
    alive &= ~(s.Set(L1) | s.Set(R1));
    cl |= s.Set(L2);
    cr |= s.Set(R2);
    alive &= ~(cl & cr);
    // A stone beside the second point faces one across the line: only a
    // black and white pair leaves the line open.
    auto pair = [&](const TPatPt<4>& a, const TPatPt<4>& b) {
        return (s.Kuro(a) & s.Siro(b)) | (s.Siro(a) & s.Kuro(b));
    };
    alive &= ~(s.Set(L2) & ((s.Set(RR2) & ~pair(L2, RR2)) | (s.Set(RR1) & ~pair(L2, RR1))));
    alive &= ~(s.Set(R2) & ((s.Set(LL2) & ~pair(R2, LL2)) | (s.Set(LL1) & ~pair(R2, LL1))));
    alive &= ~(s.Set(L0) & (s.Set(RR1) | s.Set(RR0)));
    alive &= ~(s.Set(R0) & (s.Set(LL1) | s.Set(LL0)));
    m = alive & s.Set(P3);
    s.RecordCount(m, m, KuuIsiCount2, P3, 24 + D, Kankei2ken, 4 * (D - 1) + 2);
    s.Count(m & s.Edge(P3), KuuIsiCount, P3, 4 * (D - 1) + 3);
    alive &= ~m;
    alive &= ~(s.Set(L3) | s.Set(R3) | s.Empty(P4));
    s.Record(alive, P4, 44 + D, Kankei3ken);
}

// Knight's moves from the empty point and the shapes beyond them.
template <int K>
void KeimaRow(TGoban& b, int y, TScanRow alive)
{
    using namespace KeimaPat;
    const TRowScan<8, K> s{b, y};
    alive &= ~(s.Set(N1) | s.Set(D));
    alive &= ~(s.Stone(M1) & s.Stone(O1));
    TScanRow m = alive & s.Set(K4);
    s.RecordCount(m, m & s.Empty(ES), KuuIsiCount, K4, 12 + K, KankeiKeima, 16 + 2 * (K - 1));
    alive &= ~m;
    alive &= ~(s.Set(ES) | s.Set(EB) | (s.Set(O2) & s.Set(M1)) | (s.Set(M2) & (s.Set(O2) | s.Set(O1)))
               | (s.Set(M0) & s.Set(O0)));
    m = alive & s.Set(K7);
    s.RecordCount(m, m, KuuIsiCount2, K7, 28 + K, KankeiOgeima, 17 + 2 * (K - 1));
    alive &= ~m;
    alive &= ~s.Set(N3);
    s.Record(alive & s.Empty(O2) & s.Set(P8) & s.Empty(O1), P8, 36 + K, KankeiKeima23);
    alive &= ~(s.Set(N4) | s.Empty(K11) | (s.Set(M3) & s.Set(O3)));
    s.Record(alive, K11, 48 + K, KankeiKeima14);
}

// Diagonals from the empty point: the diagonal stone itself (also when one
// crossing point holds its enemy: the half-blocked diagonal), or through an
// open square to the (2,2) point.
template <int D>
void NanameRow(TGoban& b, int y, TScanRow alive)
{
    using namespace NanamePat;
    const TRowScan<4, D> s{b, y};
    alive &= ~(s.Set(X1) & s.Set(X2));
    // The enemy of the diagonal stone at a point.
    const TScanRow gk = s.Kuro(G), gs = s.Siro(G);
    auto enemy = [&](const TPatPt<4>& p) { return (gk & s.Siro(p)) | (gs & s.Kuro(p)); };
    const TScanRow x1 = enemy(X1);
    const TScanRow x2 = enemy(X2) & ~x1;
    s.Record(alive & ((x1 & s.Empty(X2)) | (x2 & s.Empty(X1))), G, 4 + D, KankeiNanameKuu);
    alive &= ~(x1 & (enemy(Y1) | (enemy(Z1) & s.Empty(Y1))));
    alive &= ~(x2 & (enemy(Y2) | (enemy(Z2) & s.Empty(Y2))));
    TScanRow m = alive & s.Set(G);
    s.RecordCount(m, m, KuuIsiCount, G, 4 + D, KankeiNaname, 32 + 2 * (D - 1));
    alive &= ~m;
    using namespace Naname2Pat;
    m = alive & s.Empty(A1) & s.Empty(B1) & s.Empty(A2) & s.Empty(B2) & s.Empty(A3) & s.Empty(B3) & s.Set(Q);
    s.RecordCount(m, m, KuuIsiCount2, Q, 20 + D, KankeiNaname2, 33 + 2 * (D - 1));
}

// The empty points of row y among `points` (bits x + 4); PointRow scans
// them alone (the low half of the pair of rows y and y + 1).
TBitRow EmptyOfRow(int y, TBitRow points) { return points & ~BitRows().Set[y + 4]; }

void PointRow(int y, TBitRow points)
{
    const TScanRow alive = EmptyOfRow(y, points);
    if (alive == 0)
        return;
    TGoban& b = CurGoban();
    [&]<int... I>(std::integer_sequence<int, I...>) {
        (LineRow<I + 1>(b, y, alive), ...);
    }(std::make_integer_sequence<int, 4>{});
    [&]<int... I>(std::integer_sequence<int, I...>) {
        (KeimaRow<I + 1>(b, y, alive), ...);
    }(std::make_integer_sequence<int, 8>{});
    [&]<int... I>(std::integer_sequence<int, I...>) {
        (NanameRow<I + 1>(b, y, alive), ...);
    }(std::make_integer_sequence<int, 4>{});
}

// PointRow over every row of the board: each scan over all rows in turn, two
// at a time (a point's relations keep their order, as a point lies in one
// row).
void AllRows()
{
    // Rows y and y + 1 together, from y = 1.
    TScanRow alive[kMaxBoard + 1];
    for (int y = 1; y <= BoardSize; y += 2)
        alive[y] = EmptyOfRow(y, BoardBits())
                   | TScanRow{y < BoardSize ? EmptyOfRow(y + 1, BoardBits()) : TBitRow{0}} << 32;
    TGoban& b = CurGoban();
    auto rows = [&](auto scan) {
        for (int y = 1; y <= BoardSize; y += 2)
            if (alive[y] != 0)
                scan(y, alive[y]);
    };
    [&]<int... I>(std::integer_sequence<int, I...>) {
        (rows([&](int y, TScanRow a) { LineRow<I + 1>(b, y, a); }), ...);
    }(std::make_integer_sequence<int, 4>{});
    [&]<int... I>(std::integer_sequence<int, I...>) {
        (rows([&](int y, TScanRow a) { KeimaRow<I + 1>(b, y, a); }), ...);
    }(std::make_integer_sequence<int, 8>{});
    [&]<int... I>(std::integer_sequence<int, I...>) {
        (rows([&](int y, TScanRow a) { NanameRow<I + 1>(b, y, a); }), ...);
    }(std::make_integer_sequence<int, 4>{});
}

// The scans of one direction from one point.
template <int N, template <int> class Scan>
void OneScan(int d, int x, int y)
{
    if (d < 1 || d > N)
        RangeError(d, 1, N);
    if (!CurGoban().OnBoard(x, y))
        RangeError(x, 1, BoardSize);
    BitRowsMakeStones();
    PairRowsMake();
    const TScanRow alive = EmptyOfRow(y, PointBit(x));
    if (alive == 0)
        return;
    TGoban& b = CurGoban();
    [&]<int... I>(std::integer_sequence<int, I...>) {
        ((I + 1 == d ? Scan<I + 1>::Run(b, y, alive) : void()), ...);
    }(std::make_integer_sequence<int, N>{});
}

template <int D>
struct TLineRow {
    static void Run(TGoban& b, int y, TScanRow alive) { LineRow<D>(b, y, alive); }
};
template <int K>
struct TKeimaRow {
    static void Run(TGoban& b, int y, TScanRow alive) { KeimaRow<K>(b, y, alive); }
};
template <int D>
struct TNanameRow {
    static void Run(TGoban& b, int y, TScanRow alive) { NanameRow<D>(b, y, alive); }
};

} // namespace

// ---------------------------------------------------------------------------
// Relations of empty points

void KuuIsiMake()
{
    // The columns of the board's own size (on the largest board, the maps
    // whole at once).
    const std::size_t column = static_cast<std::size_t>(BoardSize);
    if (BoardSize == kMaxBoard) {
        static_assert(sizeof KuuIsiCount.v[0] == kMaxBoard * kMaxBoard);
        std::memset(&KuuIsiCount, 0, sizeof KuuIsiCount);
        std::memset(&KuuIsiCount2, 0, sizeof KuuIsiCount2);
        std::memset(&g_counted, 0, sizeof g_counted);
    } else {
        for (int k = 0; k < 3; ++k)
            for (int x = 0; x < BoardSize; ++x) {
                std::memset(KuuIsiCount.v[k].v[x].v, 0, column);
                std::memset(KuuIsiCount2.v[k].v[x].v, 0, column);
            }
        for (int x = 0; x < BoardSize; ++x)
            std::memset(g_counted.v[x].v, 0, column * sizeof(std::uint64_t));
    }
    BitRowsMakeStones();
    PairRowsMake();
    g_countedBan = CurGoban().Ban;
    g_countedSize = BoardSize;
    g_keepCounted = true;
    AllRows();
    g_keepCounted = false;
}

void KuuIsiPoint(int x, int y)
{
    if (!CurGoban().OnBoard(x, y))
        RangeError(x, 1, BoardSize);
    BitRowsMakeStones();
    PairRowsMake();
    PointRow(y, PointBit(x));
}

TKuuIsiRecount::TKuuIsiRecount()
{
    if (g_recountDepth++ == 0)
        g_recountValid = 0;
}

TKuuIsiRecount::~TKuuIsiRecount()
{
    if (--g_recountDepth == 0)
        g_recountValid = 0;
}

void KuuIsiRemake(int x, int y)
{
    if (CurGoban().GetIro(x, y) != kAki)
        return;
    // Only counts wanted, and the board as the last pass found it: the
    // relations it counted, with the dead marks as they stand now (a dead
    // stone counts for the other colour; off the board the edge).
    if (KankeiOff == 1 && CountedValid()) {
        const TGoban& b = CurGoban();
        // The counts by nearness and colour, eight bits each (at most
        // kCountEvents of them), near ones first.
        std::uint64_t n = 0;
        for (std::uint64_t m = g_counted.v[x - 1].v[y - 1]; m != 0; m &= m - 1) {
            const TCountEvent& e = CountEvents.v[std::countr_zero(m)];
            // Without branches: off the board, the reads at (1, 1) give way
            // to the edge.
            const int qx = x + e.DX, qy = y + e.DY;
            const int on = static_cast<int>(static_cast<unsigned>(qx - 1) < static_cast<unsigned>(BoardSize))
                           & static_cast<int>(static_cast<unsigned>(qy - 1) < static_cast<unsigned>(BoardSize));
            const int ix = (qx - 1) & -on, iy = (qy - 1) & -on;
            const int here = b.Ban.v[ix + 1].v[iy + 1];
            const int dead = static_cast<int>(static_cast<unsigned>(here - 1) < 2u)
                             & static_cast<int>(b.Death.v[ix].v[iy] != 0);
            const int c = ((here ^ dead * 3) & -on) | (kHen & ~-on);
            n += std::uint64_t{1} << (8 * ((e.Near ? 0 : 4) + c));
        }
        for (int k = 1; k <= 3; ++k) {
            KuuIsiCount.v[k - 1].v[x - 1].v[y - 1] = static_cast<std::uint8_t>(n >> (8 * k));
            KuuIsiCount2.v[k - 1].v[x - 1].v[y - 1] = static_cast<std::uint8_t>(n >> (8 * (4 + k)));
        }
        return;
    }
    for (int k = 1; k <= 3; ++k) {
        KuuIsiCount[k][x][y] = 0;
        KuuIsiCount2[k][x][y] = 0;
    }
    KuuIsiPoint(x, y);
}

void KuuIsiLine(int d, int x, int y) { OneScan<4, TLineRow>(d, x, y); }
void KuuIsiKeima(int k, int x, int y) { OneScan<8, TKeimaRow>(k, x, y); }
void KuuIsiNaname(int d, int x, int y) { OneScan<4, TNanameRow>(d, x, y); }

// ---------------------------------------------------------------------------
// The area map

namespace {

// The reads of the area passes at a point (x, y) of the board: its
// neighbours lie on the board or on the border lines.

// The neighbours of (x, y) by colour, eight bits each.
unsigned NeighbourColours(const TGoban& b, int x, int y)
{
    const auto& ban = b.Ban;
    return (1u << (8 * ban.v[x].v[y - 1])) + (1u << (8 * ban.v[x + 1].v[y])) + (1u << (8 * ban.v[x].v[y + 1]))
           + (1u << (8 * ban.v[x - 1].v[y]));
}

void AreaPointOn(const TGoban& b, int x, int y)
{
    const int c = b.Ban.v[x].v[y];
    int v = 0;
    if (IsStone(c)) {
        // A dead stone belongs to the side that surrounds it.
        if (b.Death.v[x - 1].v[y - 1] != 0)
            v = c == kKuro ? -1 : 1;
    } else if (c == kAki) {
        const int b1 = KuuIsiCount.v[0].v[x - 1].v[y - 1], w1 = KuuIsiCount.v[1].v[x - 1].v[y - 1];
        const int b2 = KuuIsiCount2.v[0].v[x - 1].v[y - 1], w2 = KuuIsiCount2.v[1].v[x - 1].v[y - 1];
        if (b1 > 0 && w1 + w2 == 0) {
            v = 1;
        } else if (w1 > 0 && b1 + b2 == 0) {
            v = -1;
        } else if (b1 >= 2 || w1 >= 2) {
            const unsigned n = NeighbourColours(b, x, y);
            const unsigned kuro = n >> 8 & 0xff, siro = n >> 16 & 0xff;
            if (b1 >= 2)
                v = (kuro == 3 && siro == 0) ? 1 : 0;
            else
                v = (siro == 3 && kuro == 0) ? -1 : 0;
        }
    }
    AreaMap.v[x].v[y] = v;
}

int AreaVoteOn(const TGoban& b, int x, int y)
{
    int pos = 0, neg = 0;
    for (int d = 0; d < 4; ++d) {
        const int nx = x + Dir4X.v[d], ny = y + Dir4Y.v[d];
        const int c = b.Ban.v[nx].v[ny];
        if (c == kHen)
            continue;
        if (c != kAki)
            return 0;
        const int a = AreaMap.v[nx].v[ny];
        pos += a > 0;
        neg += a < 0;
    }
    if (pos > 0 && neg > 0)
        return 0;
    if (pos >= 3)
        return 1;
    if (neg >= 3)
        return -1;
    return 0;
}

int AreaCountZeroOn(const TGoban& b, int x, int y)
{
    int n = 0;
    for (int d = 0; d < 4; ++d) {
        const int nx = x + Dir4X.v[d], ny = y + Dir4Y.v[d];
        n += static_cast<int>(b.Ban.v[nx].v[ny] == kAki) & static_cast<int>(AreaMap.v[nx].v[ny] == 0);
    }
    return n;
}

} // namespace

namespace {

// Sixteen points of a column at once, one byte each.
typedef signed char TColumn __attribute__((vector_size(16)));

TColumn ColumnAt(const std::uint8_t* p)
{
    TColumn v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The first values of the points y0..y0 + 15 of column x (AreaPointOn for
// each), as bytes; the points past the board's last row read what the
// arrays hold there and are not used.
TColumn AreaSeedColumn(const TGoban& b, int x, int y0)
{
    const TColumn one = TColumn{} + 1, two = one + one, three = two + one;
    const TColumn c = ColumnAt(&b.Ban.v[x].v[y0]);
    // The neighbours' colours counted, as masks of -1.
    const TColumn near[4] = {ColumnAt(&b.Ban.v[x].v[y0 - 1]), ColumnAt(&b.Ban.v[x].v[y0 + 1]),
                             ColumnAt(&b.Ban.v[x - 1].v[y0]), ColumnAt(&b.Ban.v[x + 1].v[y0])};
    TColumn kuroNear{}, siroNear{};
    for (const TColumn& n : near) {
        kuroNear -= (n == one);
        siroNear -= (n == two);
    }
    const TColumn dead = ColumnAt(&b.Death.v[x - 1].v[y0 - 1]) != TColumn{};
    const TColumn stone = (dead & (c == one) & -one) | (dead & (c == two) & one);
    const TColumn b1 = ColumnAt(&KuuIsiCount.v[0].v[x - 1].v[y0 - 1]);
    const TColumn w1 = ColumnAt(&KuuIsiCount.v[1].v[x - 1].v[y0 - 1]);
    const TColumn b2 = ColumnAt(&KuuIsiCount2.v[0].v[x - 1].v[y0 - 1]);
    const TColumn w2 = ColumnAt(&KuuIsiCount2.v[1].v[x - 1].v[y0 - 1]);
    const TColumn blackOnly = (b1 > 0) & (w1 + w2 == 0);
    const TColumn whiteOnly = ~blackOnly & (w1 > 0) & (b1 + b2 == 0);
    const TColumn rest = ~blackOnly & ~whiteOnly;
    const TColumn blackTwo = rest & (b1 >= 2), whiteTwo = rest & ~(b1 >= 2) & (w1 >= 2);
    const TColumn blackShut = (kuroNear == three) & (siroNear == 0);
    const TColumn whiteShut = (siroNear == three) & (kuroNear == 0);
    const TColumn empty = (blackOnly & one) | (whiteOnly & -one) | (blackTwo & blackShut & one)
                          | (whiteTwo & whiteShut & -one);
    return ((c == one) | (c == two) ? stone : TColumn{}) | ((c == 0) & empty);
}

} // namespace

void KuuIsiArea()
{
    // Every point of the board takes its first value (none reads another),
    // a column at a time: the first sixteen points, and on a larger board
    // the last sixteen.
    AreaSeedAll();
    AreaCornerShape();
    AreaCorner();
    AreaVotePass();
    AreaFirm();
}

void AreaSeedAll()
{
    const TGoban& b = CurGoban();
    const int size = BoardSize;
    for (int x = 1; x <= size; ++x) {
        std::int8_t seed[kMaxBoard + 16];
        const TColumn first = AreaSeedColumn(b, x, 1);
        std::memcpy(seed, &first, sizeof first);
        if (size > 16) {
            const TColumn last = AreaSeedColumn(b, x, size - 15);
            std::memcpy(seed + size - 16, &last, sizeof last);
        }
        for (int y = 1; y <= size; ++y)
            AreaMap.v[x].v[y] = seed[y - 1];
    }
}

void KuuIsiAreaPoint(int x, int y)
{
    const TGoban& b = CurGoban();
    if (b.OnBoard(x, y)) {
        AreaPointOn(b, x, y);
        return;
    }
    AreaMap[x][y] = 0;
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
    if (b.OnBoard(x, y))
        return AreaVoteOn(b, x, y);
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
    const TBitRows& rows = BitRowsMakeStones();
    const TBitRow board = BoardBits();
    for (int y = 1; y <= BoardSize; ++y) {
        // The empty points, and those without a stone beside them (a point
        // off the board does not vote).
        const TBitRow stones = rows.Kuro[y + 4] | rows.Siro[y + 4];
        const TBitRow beside = stones >> 1 | stones << 1 | rows.Kuro[y + 3] | rows.Siro[y + 3] | rows.Kuro[y + 5]
                               | rows.Siro[y + 5];
        const TBitRow empty = board & ~rows.Set[y + 4];
        for (TBitRow m = empty; m != 0; m &= m - 1) {
            const int x = std::countr_zero(m) - 4;
            if (AreaMap.v[x].v[y] != 0)
                continue;
            int v = (beside >> (x + 4) & 1) == 0 ? AreaVoteOn(b, x, y) : 0;
            // Four live stones of one colour need four relations.
            if (const TLocate& loc = b.Locate.v[x - 1].v[y - 1]; v == 0 && loc.GetKankeiSu() >= 4) {
                // The live related stones by colour, the dead marks read
                // from the rows (a related point lies within four steps of
                // the board, inside the rows; the edge is never dead).
                int n[4] = {};
                loc.EachKankei([&](int px, int py, int, int iro) {
                    n[iro] += static_cast<int>(~rows.Dead[py + 4] >> (px + 4) & 1);
                });
                const int kuro = n[kKuro], siro = n[kSiro];
                if (kuro >= 4 && siro == 0)
                    v = 1;
                else if (siro >= 4 && kuro == 0)
                    v = -1;
            }
            AreaMap.v[x].v[y] = v;
        }
    }
}

int AreaCountZero(int x, int y)
{
    const TGoban& b = CurGoban();
    if (b.OnBoard(x, y))
        return AreaCountZeroOn(b, x, y);
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
            const int v = AreaMap.v[x].v[y];
            if (v == 0 || AreaCountZeroOn(b, x, y) != 0)
                continue;
            // The other side can capture here: the border is not firm.
            if ((v < 0 && b.ToruTen.v[0].v[x - 1].v[y - 1] != 0) || (v > 0 && b.ToruTen.v[1].v[x - 1].v[y - 1] != 0))
                continue;
            AreaMap.v[x].v[y] = v * 2;
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

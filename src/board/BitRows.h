// The board of the current level as rows of bits, for the relation passes
// that scan a whole row of points at once: row y + 4 holds the points (x, y)
// of x from -4 to 24 at bit x + 4, so a pattern point up to four steps away
// is one shift of a row.  Beside the stones, the analysis tables the stone
// relations read.  Everything off the board is the edge, forbidden to both
// colours and nothing else.
#pragma once

#include <cstdint>

#include "board/Kankei.h"
#include "board/Point.h"

namespace vorn {

using TBitRow = std::uint32_t;
constexpr int kBitRows = 29;

struct TBitRows {
    TBitRow Set[kBitRows];  // a stone or the edge
    TBitRow Kuro[kBitRows];
    TBitRow Siro[kBitRows];
    TBitRow Dead[kBitRows]; // the dead mark (TGoban::Death)
    // [colour - 1]: TGoban::Kinsi, SelfAtari, ToruTen.
    TBitRow Kinsi[2][kBitRows];
    TBitRow SelfAtari[2][kBitRows];
    TBitRow ToruTen[2][kBitRows];
    // A stone whose chain has one liberty, or carries the dead flag.
    TBitRow Atari[kBitRows];
    TBitRow RenDead[kBitRows];
};

// Only the stones and the dead marks of the board of the current level (the
// rest as they were); they describe that board until they are made again.
const TBitRows& BitRowsMakeStones();
const TBitRows& BitRows();

// The points x of the board in a row (bits x + 4).
inline TBitRow BoardBits() { return ((TBitRow{1} << BoardSize) - 1) << 5; }
inline TBitRow PointBit(int x) { return TBitRow{1} << (x + 4); }

// The row of a table seen from the points of row y: bit x + 4 tells the
// table at the pattern point p of direction d (compile-time in the passes,
// so the shift is fixed).
template <int N, class Row>
[[gnu::always_inline]] inline Row PatRow(const Row* rows, int y, const TPatPt<N>& p, int d)
{
    const int dx = p.DX.v[d - 1];
    const Row r = rows[y + 4 + p.DY.v[d - 1]];
    return dx >= 0 ? r >> dx : r << -dx;
}

// Per bit, how many of the masks added so far hold it (up to 15), in four
// bit planes.
template <class Row>
struct TBitCount {
    Row P[4] = {};
    void Add(Row m)
    {
        for (Row& p : P) {
            const Row carry = p & m;
            p ^= m;
            m = carry;
        }
    }
    Row Exactly(int v) const
    {
        Row r = ~Row{0};
        for (int i = 0; i < 4; ++i)
            r &= (v >> i & 1) != 0 ? P[i] : ~P[i];
        return r;
    }
    Row AtLeast(int v) const
    {
        // From the highest plane down: greater as soon as a plane holds a
        // bit that v lacks while the higher ones are equal.
        Row greater{}, equal = ~Row{0};
        for (int i = 3; i >= 0; --i) {
            if ((v >> i & 1) == 0) {
                greater |= equal & P[i];
                equal &= ~P[i];
            } else {
                equal &= P[i];
            }
        }
        return greater | equal;
    }
};

} // namespace vorn

namespace vorn {

// The rows of the board of the current level, its chains and tables as they
// stand, the tables read a chunk of a column at a time.
const TBitRows& BitRowsMakeByChunks();

} // namespace vorn

#include "board/BitRows.h"

#include <bit>
#include <cstring>

#include "board/Goban.h"

namespace vorn {

namespace {
TBitRows g_rows;
// The board the stone rows were last made from: the analysis makes them for
// the stone relations and again for the empty-point relations on the same
// board, which then finds them made.
decltype(TGoban::Ban) g_stonesBan;
decltype(TGoban::Death) g_stonesDeath;
int g_stonesSize = 0;
// Sixteen bytes in one vector.
typedef unsigned char TBytes16 __attribute__((vector_size(16)));
TBytes16 Bytes16(const std::uint8_t* p)
{
    TBytes16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
} // namespace

const TBitRows& BitRows() { return g_rows; }

const TBitRows& BitRowsMakeStones()
{
    const TGoban& b = CurGoban();
    if (g_stonesSize == BoardSize && std::memcmp(&g_stonesBan, &b.Ban, sizeof g_stonesBan) == 0
        && std::memcmp(&g_stonesDeath, &b.Death, sizeof g_stonesDeath) == 0)
        return g_rows;
    g_stonesBan = b.Ban;
    g_stonesDeath = b.Death;
    g_stonesSize = BoardSize;
    constexpr TBitRow all = (TBitRow{1} << kBitRows) - 1;
    TBitRow empty[kBitRows] = {};
    for (int r = 0; r < kBitRows; ++r)
        g_rows.Kuro[r] = g_rows.Siro[r] = g_rows.Dead[r] = 0;
    // Sixteen points of a column at once, one byte each (the first sixteen,
    // and on a larger board the last sixteen again), eight columns at a
    // time: byte y of a plane gathers bit j for column x0 + j.
    const int size = BoardSize;
    for (int x0 = 1; x0 <= size; x0 += 8) {
        const int columns = size - x0 + 1 < 8 ? size - x0 + 1 : 8;
        for (const int y0 : {1, size - 15}) {
            if (y0 < 1 || (y0 != 1 && size <= 16))
                continue;
            TBytes16 kuro{}, siro{}, aki{}, dead{};
            TBytes16 bit = TBytes16{} + 1;
            for (int j = 0; j < columns; ++j, bit += bit) {
                const TBytes16 c = Bytes16(&b.Ban.v[x0 + j].v[y0]);
                const TBytes16 d = Bytes16(&b.Death.v[x0 + j - 1].v[y0 - 1]);
                kuro |= (c == 1) & bit;
                siro |= (c == 2) & bit;
                aki |= (c == 0) & bit;
                dead |= (d != 0) & bit;
            }
            const int rows = size - y0 + 1 < 16 ? size - y0 + 1 : 16;
            for (int i = 0; i < rows; ++i) {
                const int r = y0 + i + 4, shift = x0 + 4;
                g_rows.Kuro[r] |= TBitRow{kuro[i]} << shift;
                g_rows.Siro[r] |= TBitRow{siro[i]} << shift;
                empty[r] |= TBitRow{aki[i]} << shift;
                g_rows.Dead[r] |= TBitRow{dead[i]} << shift;
            }
        }
    }
    for (int r = 0; r < kBitRows; ++r)
        g_rows.Set[r] = all & ~empty[r];
    return g_rows;
}

// ---------------------------------------------------------------------------
// The tables are read eight points of a column at a time: a table mostly
// holds what is expected of it (nothing, or for the forbidden points the
// stones), and only the eight points that differ are read one by one.

namespace {

// The chunks of a column's 19 points, by the first point's y - 1 (the last
// one overlaps the second).
constexpr int kChunkAt[3] = {0, 8, 11};

std::uint64_t ChunkOf(const std::uint8_t* col, int at)
{
    std::uint64_t w;
    std::memcpy(&w, col + at, sizeof w);
    return w;
}

// The rows of a table: bit x + 4 of rows[y + 4] for a nonzero point.  The
// rows start as `expected` holds them (the board's rows only), where a byte
// of the table is 1 exactly for the points of `expected` (none without
// it); chunks equal to that are not read further.
void TableRows(const Grid<std::uint8_t, 1, 19>& table, const Grid<std::uint8_t, 0, 20>* expected, TBitRow* rows)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    for (int x = 1; x <= BoardSize; ++x) {
        const std::uint8_t* col = table.v[x - 1].v;
        // The colours 0..2 of the column as 0 and 1.
        const std::uint8_t* ban = expected != nullptr ? &expected->v[x].v[1] : nullptr;
        const TBitRow bit = PointBit(x);
        for (const int at : kChunkAt) {
            if (at >= BoardSize)
                break;
            const std::uint64_t want = ban != nullptr ? (ChunkOf(ban, at) | ChunkOf(ban, at) >> 1) & ones : 0;
            if (ChunkOf(col, at) == want)
                continue;
            const int end = at + 8 < BoardSize ? at + 8 : BoardSize;
            for (int j = at; j < end; ++j) {
                TBitRow& r = rows[j + 5];
                r = col[j] != 0 ? r | bit : r & ~bit;
            }
        }
    }
}

} // namespace

const TBitRows& BitRowsMakeByChunks()
{
    BitRowsMakeStones();
    const TGoban& b = CurGoban();
    constexpr TBitRow all = (TBitRow{1} << kBitRows) - 1;
    const TBitRow board = BoardBits();
    for (int r = 0; r < kBitRows; ++r) {
        // Forbidden: the stones, and everything off the board.
        const TBitRow stones = g_rows.Kuro[r] | g_rows.Siro[r];
        g_rows.Kinsi[0][r] = g_rows.Kinsi[1][r] = r >= 5 && r <= BoardSize + 4 ? stones | (all & ~board) : all;
        g_rows.SelfAtari[0][r] = g_rows.SelfAtari[1][r] = 0;
        g_rows.ToruTen[0][r] = g_rows.ToruTen[1][r] = 0;
        g_rows.Atari[r] = g_rows.RenDead[r] = 0;
    }
    for (int k = 0; k < 2; ++k) {
        TableRows(b.Kinsi.v[k], &b.Ban, g_rows.Kinsi[k]);
        TableRows(b.SelfAtari.v[k], nullptr, g_rows.SelfAtari[k]);
        TableRows(b.ToruTen.v[k], nullptr, g_rows.ToruTen[k]);
    }
    // Stones in atari or of a dead chain, by their chains: the flags of
    // each chain counted read once (bit 0 atari, bit 1 dead; none for
    // number 0 or a missing chain), then picked for every stone.
    auto flagsOf = [&](int no) {
        const TRen* ren = b.RenList.Items(no);
        return ren == nullptr ? 0 : (ren->Kuu() == 1 ? 1 : 0) | (ren->GetDeath() ? 2 : 0);
    };
    static Arr<std::uint8_t, 0, kMaxRen> flags;
    const int chains = b.RenList.Count();
    for (int no = 0; no <= chains; ++no)
        flags.v[no] = static_cast<std::uint8_t>(flagsOf(no));
    for (int y = 1; y <= BoardSize; ++y) {
        TBitRow atari = 0, dead = 0;
        for (TBitRow m = g_rows.Kuro[y + 4] | g_rows.Siro[y + 4]; m != 0; m &= m - 1) {
            const int no = b.RenList.RenNo(std::countr_zero(m) - 4, y);
            const TBitRow f = no >= 0 && no <= chains ? flags.v[no] : static_cast<TBitRow>(flagsOf(no));
            const TBitRow bit = m & (~m + 1);
            atari |= bit & (0 - (f & 1));
            dead |= bit & (0 - (f >> 1));
        }
        g_rows.Atari[y + 4] = atari;
        g_rows.RenDead[y + 4] = dead;
    }
    return g_rows;
}

} // namespace vorn

#include "board/BitRows.h"

#include <bit>

#include "board/Goban.h"

namespace vorn {

namespace {
TBitRows g_rows;
} // namespace

const TBitRows& BitRows() { return g_rows; }

const TBitRows& BitRowsMakeStones()
{
    const TGoban& b = CurGoban();
    constexpr TBitRow all = (TBitRow{1} << kBitRows) - 1;
    for (int r = 0; r < kBitRows; ++r) {
        g_rows.Set[r] = all;
        g_rows.Kuro[r] = g_rows.Siro[r] = g_rows.Dead[r] = 0;
    }
    for (int y = 1; y <= BoardSize; ++y) {
        TBitRow kuro = 0, siro = 0, empty = 0, dead = 0;
        for (int x = 1; x <= BoardSize; ++x) {
            const TBitRow bit = PointBit(x);
            const unsigned c = b.Ban.v[x].v[y];
            empty |= c == kAki ? bit : 0;
            kuro |= c == kKuro ? bit : 0;
            siro |= c == kSiro ? bit : 0;
            dead |= b.Death.v[x - 1].v[y - 1] != 0 ? bit : 0;
        }
        g_rows.Set[y + 4] &= ~empty;
        g_rows.Kuro[y + 4] = kuro;
        g_rows.Siro[y + 4] = siro;
        g_rows.Dead[y + 4] = dead;
    }
    return g_rows;
}

const TBitRows& BitRowsMake()
{
    BitRowsMakeStones();
    const TGoban& b = CurGoban();
    constexpr TBitRow all = (TBitRow{1} << kBitRows) - 1;
    const TBitRow board = BoardBits();
    for (int r = 0; r < kBitRows; ++r) {
        g_rows.Kinsi[0][r] = g_rows.Kinsi[1][r] = all;
        g_rows.SelfAtari[0][r] = g_rows.SelfAtari[1][r] = 0;
        g_rows.ToruTen[0][r] = g_rows.ToruTen[1][r] = 0;
        g_rows.Atari[r] = g_rows.RenDead[r] = 0;
    }
    for (int y = 1; y <= BoardSize; ++y) {
        TBitRow atari = 0, renDead = 0;
        TBitRow kinsi[2] = {}, selfAtari[2] = {}, toruTen[2] = {};
        const TBitRow stones = g_rows.Kuro[y + 4] | g_rows.Siro[y + 4];
        for (int x = 1; x <= BoardSize; ++x) {
            const TBitRow bit = PointBit(x);
            const int i = x - 1, j = y - 1;
            for (int k = 0; k < 2; ++k) {
                kinsi[k] |= b.Kinsi.v[k].v[i].v[j] != 0 ? bit : 0;
                selfAtari[k] |= b.SelfAtari.v[k].v[i].v[j] != 0 ? bit : 0;
                toruTen[k] |= b.ToruTen.v[k].v[i].v[j] != 0 ? bit : 0;
            }
        }
        // The chains of the stones (the board's own chain reads: none for a
        // stone without a chain).
        for (TBitRow m = stones; m != 0; m &= m - 1) {
            const TBitRow bit = m & (~m + 1);
            const int x = std::countr_zero(m) - 4;
            if (const TRen* r = b.RenList.RenAt(x, y)) {
                atari |= r->Kuu() == 1 ? bit : 0;
                renDead |= r->GetDeath() ? bit : 0;
            }
        }
        const int r = y + 4;
        for (int k = 0; k < 2; ++k) {
            g_rows.Kinsi[k][r] = (g_rows.Kinsi[k][r] & ~board) | kinsi[k];
            g_rows.SelfAtari[k][r] = selfAtari[k];
            g_rows.ToruTen[k][r] = toruTen[k];
        }
        g_rows.Atari[r] = atari;
        g_rows.RenDead[r] = renDead;
    }
    return g_rows;
}

} // namespace vorn

// The bit rows of the board and its tables: the rows read a chunk of a
// column at a time are the rows read point by point, whatever the tables
// hold.
#include "Util.h"

#include <bit>
#include <cstring>

#include "board/BitRows.h"
#include "board/Rand.h"

namespace vorn::test {
namespace {

class BitRowsTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

// The rows read point by point, each table entry and chain on its own.
TBitRows RowsByPoints()
{
    TBitRows rows = BitRowsMakeStones();
    const TGoban& b = CurGoban();
    constexpr TBitRow all = (TBitRow{1} << kBitRows) - 1;
    const TBitRow board = BoardBits();
    for (int r = 0; r < kBitRows; ++r) {
        rows.Kinsi[0][r] = rows.Kinsi[1][r] = all;
        rows.SelfAtari[0][r] = rows.SelfAtari[1][r] = 0;
        rows.ToruTen[0][r] = rows.ToruTen[1][r] = 0;
        rows.Atari[r] = rows.RenDead[r] = 0;
    }
    for (int y = 1; y <= BoardSize; ++y) {
        TBitRow atari = 0, renDead = 0;
        TBitRow kinsi[2] = {}, selfAtari[2] = {}, toruTen[2] = {};
        const TBitRow stones = rows.Kuro[y + 4] | rows.Siro[y + 4];
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
            rows.Kinsi[k][r] = (rows.Kinsi[k][r] & ~board) | kinsi[k];
            rows.SelfAtari[k][r] = selfAtari[k];
            rows.ToruTen[k][r] = toruTen[k];
        }
        rows.Atari[r] = atari;
        rows.RenDead[r] = renDead;
    }
    return rows;
}

// Every row of the two makings, as one block each.
void ExpectSameRows(const std::string& where)
{
    const TBitRows byPoints = RowsByPoints();
    const TBitRows& byChunks = BitRowsMakeByChunks();
    EXPECT_EQ(std::memcmp(&byPoints, &byChunks, sizeof byPoints), 0) << where;
}

TEST_F(BitRowsTest, ChunksAgreeWithPointsWhateverTheTablesHold)
{
    struct TCase {
        int Size, Moves;
        // Points of the tables changed by hand, with values 0..3.
        int Changes;
    };
    const TCase cases[] = {
        {9, 40, 0}, {9, 40, 12}, {13, 120, 0}, {13, 120, 30}, {19, 150, 0}, {19, 150, 60}, {19, 300, 100}, {7, 20, 8},
    };
    for (const TCase& c : cases)
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            RandomPosition(c.Size, c.Moves, 17 * seed + static_cast<std::uint64_t>(c.Moves));
            TGoban& b = b0();
            b.Analyze();
            const std::string where = "size " + std::to_string(c.Size) + " moves " + std::to_string(c.Moves)
                                      + " changes " + std::to_string(c.Changes) + " seed " + std::to_string(seed);
            ExpectSameRows(where);
            // Tables unlike an analysis: forbidden points cleared under
            // stones, flags other than 1, and values beyond the board's
            // size.
            RandSeed(seed);
            for (int i = 0; i < c.Changes; ++i) {
                const int x = 1 + Random(19), y = 1 + Random(19);
                const std::uint8_t v = static_cast<std::uint8_t>(Random(4));
                switch (Random(4)) {
                case 0:
                    b.Kinsi[kKuro][x][y] = v;
                    break;
                case 1:
                    b.Kinsi[kSiro][x][y] = v;
                    break;
                case 2:
                    b.SelfAtari[1 + Random(2)][x][y] = v;
                    break;
                default:
                    b.ToruTen[1 + Random(2)][x][y] = v;
                    break;
                }
            }
            ExpectSameRows(where + " (changed tables)");
            if (HasFailure())
                return;
        }
}

// The stone rows read point by point: a stone or the edge, each colour, the
// dead marks.
void ExpectStoneRowsByPoints(const std::string& where)
{
    const TBitRows& rows = BitRowsMakeStones();
    const TGoban& b = CurGoban();
    constexpr TBitRow all = (TBitRow{1} << kBitRows) - 1;
    for (int r = 0; r < kBitRows; ++r) {
        const int y = r - 4;
        TBitRow set = all, kuro = 0, siro = 0, dead = 0;
        if (y >= 1 && y <= BoardSize)
            for (int x = 1; x <= BoardSize; ++x) {
                const TBitRow bit = PointBit(x);
                set &= b.Ban[x][y] == kAki ? ~bit : all;
                kuro |= b.Ban[x][y] == kKuro ? bit : 0;
                siro |= b.Ban[x][y] == kSiro ? bit : 0;
                dead |= b.Death[x][y] != 0 ? bit : 0;
            }
        ASSERT_EQ(rows.Set[r], set) << where << " row " << r;
        ASSERT_EQ(rows.Kuro[r], kuro) << where << " row " << r;
        ASSERT_EQ(rows.Siro[r], siro) << where << " row " << r;
        ASSERT_EQ(rows.Dead[r], dead) << where << " row " << r;
    }
}

// The stone rows are made sixteen points of a column at once, eight columns
// at a time: on every board size, with dead marks anywhere, they are the
// rows read point by point.
TEST_F(BitRowsTest, StoneRowsAgreeWithPointsOnEverySize)
{
    for (const int size : {7, 9, 13, 15, 16, 17, 19})
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            RandomPosition(size, size * size * 2 / 3, 31 * seed + static_cast<std::uint64_t>(size));
            TGoban& b = b0();
            const std::string where = "size " + std::to_string(size) + " seed " + std::to_string(seed);
            ExpectStoneRowsByPoints(where);
            for (int x = 1; x <= size; ++x)
                for (int y = 1; y <= size; ++y)
                    b.Death[x][y] = static_cast<std::uint8_t>(Random(4) == 0 ? 1 + Random(3) : 0);
            ExpectStoneRowsByPoints(where + " (dead marks)");
            if (HasFailure())
                return;
        }
}

// The stone rows made again on an unchanged board are kept; a stone put,
// taken or recoloured, a dead mark and another board size each make them
// anew.
TEST_F(BitRowsTest, StoneRowsFollowEveryChangeOfTheBoard)
{
    RandomPosition(19, 150, 5);
    TGoban& b = b0();
    b.Analyze();
    const TBitRows kept = BitRowsMakeStones();
    EXPECT_EQ(std::memcmp(&kept, &BitRowsMakeStones(), sizeof kept), 0);
    const auto expectRow = [&](int x, int y, bool kuro, bool siro, bool dead, const std::string& what) {
        const TBitRows& r = BitRowsMakeStones();
        const TBitRow bit = PointBit(x);
        EXPECT_EQ((r.Kuro[y + 4] & bit) != 0, kuro) << what;
        EXPECT_EQ((r.Siro[y + 4] & bit) != 0, siro) << what;
        EXPECT_EQ((r.Set[y + 4] & bit) != 0, kuro || siro) << what;
        EXPECT_EQ((r.Dead[y + 4] & bit) != 0, dead) << what;
    };
    int ex = 0, ey = 0;
    for (int x = 1; x <= 19 && ex == 0; ++x)
        for (int y = 1; y <= 19 && ex == 0; ++y)
            if (b.Ban[x][y] == kAki) {
                ex = x;
                ey = y;
            }
    ASSERT_NE(ex, 0);
    b.Ban[ex][ey] = kKuro;
    expectRow(ex, ey, true, false, false, "black put");
    b.Ban[ex][ey] = kSiro;
    expectRow(ex, ey, false, true, false, "recoloured");
    b.SetDeathPt(Point{ex, ey}, 1);
    expectRow(ex, ey, false, true, true, "dead mark");
    b.SetDeathPt(Point{ex, ey}, 0);
    b.Ban[ex][ey] = kAki;
    expectRow(ex, ey, false, false, false, "taken");
    EXPECT_EQ(std::memcmp(&kept, &BitRowsMakeStones(), sizeof kept), 0);

    RandomPosition(9, 0, 1);
    const TBitRows& small = BitRowsMakeStones();
    EXPECT_EQ(small.Set[4 + 5] & PointBit(10), PointBit(10)) << "edge of the smaller board";
    EXPECT_EQ(small.Set[4 + 5] & BoardBits(), 0u) << "empty smaller board";
}

} // namespace
} // namespace vorn::test

// Relations under the eight symmetries of the board: a rotated or mirrored
// position must give the rotated or mirrored relations.  This catches a wrong
// entry in any per-direction offset table.
//
// Not every rule is symmetric, so each comparison keeps to what is:
// - Empty points scan all directions with left/right-symmetric rules: all of
//   their relations and counts are invariant, values included.
// - Stones scan the straight lines in every direction, but grade a few links
//   differently on the left and right (kinds 3, 6, 10): under a rotation the
//   values stay; under a reflection only the pairs and kinds.
// - The other stone families look from the stone with the smaller x and
//   judge some shapes from that end (kinds 7, 8, 11, 13, and enemy pairs of
//   kind 4).  Mirroring top and bottom keeps the scanning end, so all pairs,
//   kinds and their values stay; the other symmetries may swap the ends and
//   are compared only on the end-symmetric kinds 1, 2, 5 and own links of 4.
#include "Util.h"
#include "board/RelationUtil.h"

#include <set>
#include <tuple>

#include "board/KuuIsi.h"
#include "board/Locate.h"

namespace vorn::test {
namespace {

// t 0..3: rotations by t quarter turns; 4..7: the same after a left-right mirror.
Point Transform(int t, Point p, int size)
{
    if (t >= 4)
        p.x = size + 1 - p.x;
    for (int i = 0; i < (t & 3); ++i)
        p = Point(size + 1 - p.y, p.x);
    return p;
}

Point Inverse(int t, Point p, int size)
{
    for (int i = 0; i < (t & 3); ++i)
        p = Point(p.y, size + 1 - p.x);
    if (t >= 4)
        p.x = size + 1 - p.x;
    return p;
}

constexpr int kFlipTopBottom = 6; // mirror left-right, then a half turn

using Rel = std::tuple<int, int, int, int, int, int>; // x, y, partner x, y, kind, value (-1: not compared)

struct TRelations {
    std::set<Rel> Stones;
    std::set<Rel> Empty;
    std::set<std::tuple<int, int, int, int, int>> Counts; // x, y, colour, near, middle
    bool Full = false;
};

// Which values of stone relations survive symmetry t.
bool CompareValue(int t, int kind)
{
    const bool rotation = t < 4;
    switch (kind) {
    case KankeiTonari:
    case KankeiNaname:
    case KankeiNaname2:
    case KankeiKeima:
        return true;
    case Kankei1ken:
    case Kankei2ken:
    case Kankei3ken:
        return rotation;
    default:
        return t == kFlipTopBottom;
    }
}

// Which stone relations are compared under symmetry t.
bool CompareKind(int t, int kind, int value)
{
    if (t == 0 || t == kFlipTopBottom)
        return true;
    switch (kind) {
    case KankeiTonari:
    case KankeiNaname:
    case Kankei1ken:
    case KankeiNaname2:
    case Kankei2ken:
    case Kankei3ken:
        return true;
    case KankeiKeima:
        return value != 0;
    default:
        return false;
    }
}

// The stone relations that symmetry t must keep, values masked where it need not.
std::set<Rel> Kept(const std::set<Rel>& all, int t)
{
    std::set<Rel> kept;
    for (const Rel& e : all) {
        const int kind = std::get<4>(e), value = std::get<5>(e);
        if (CompareKind(t, kind, value))
            kept.insert({std::get<0>(e), std::get<1>(e), std::get<2>(e), std::get<3>(e), kind,
                         CompareValue(t, kind) ? value : -1});
    }
    return kept;
}

// The relations of board 0 (transformed by t) mapped back to the original frame.
TRelations Collect(int t)
{
    TRelations r;
    const TGoban& b = *GobanLv[0];
    const int size = BoardSize;
    for (int y = 1; y <= size; ++y)
        for (int x = 1; x <= size; ++x) {
            const TLocate& loc = b.GetLocate(x, y);
            r.Full = r.Full || loc.GetKankeiSu() == kMaxKankei;
            const Point p = Inverse(t, Point(x, y), size);
            for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
                const Point q = Inverse(t, loc.GetKankeiPoint(i), size);
                const int kind = loc.GetKankeiKind(i);
                const int value = loc.GetKankeiValue(i);
                if (loc.GetIro() == kAki)
                    r.Empty.insert({p.x, p.y, q.x, q.y, kind, value});
                else
                    r.Stones.insert({p.x, p.y, q.x, q.y, kind, value});
            }
            for (int k = 1; k <= 3; ++k)
                r.Counts.insert({p.x, p.y, k, KuuIsiCount[k][x][y], KuuIsiCount2[k][x][y]});
        }
    return r;
}

class RelationSymmetryTest : public VornTest {};

TEST_F(RelationSymmetryTest, RotatedAndMirroredPositionsRelateTheSamePairs)
{
    int compared = 0;
    for (int game = 0; game < 12; ++game) {
        const int size = game % 3 == 0 ? 9 : game % 3 == 1 ? 13 : 19;
        RandSeed(500 + game);
        BoardSize = size;
        GobanLv[0]->NewGame();
        const int moves = size * size / (3 + game % 3);
        for (int i = 0; i < moves; ++i) {
            const Point p = RandomMove(*GobanLv[0]);
            if (p.x == 0)
                break;
            GobanLv[0]->Utu(p.x, p.y);
        }
        std::vector<std::vector<int>> colour(size + 1, std::vector<int>(size + 1));
        for (int y = 1; y <= size; ++y)
            for (int x = 1; x <= size; ++x)
                colour[x][y] = GobanLv[0]->GetIro(x, y);

        TRelations base;
        for (int t = 0; t < 8; ++t) {
            std::string diagram;
            for (int y = 1; y <= size; ++y) {
                for (int x = 1; x <= size; ++x) {
                    const Point o = Inverse(t, Point(x, y), size);
                    const int c = colour[o.x][o.y];
                    diagram += c == kKuro ? 'X' : c == kSiro ? 'O' : '.';
                }
                diagram += '\n';
            }
            SetBoard(diagram);
            MakeRelations();
            if (t == 0) {
                base = Collect(0);
                if (base.Full)
                    break; // a full record keeps the relations found first: order-dependent
                ++compared;
                continue;
            }
            const TRelations r = Collect(t);
            ASSERT_FALSE(r.Full);
            EXPECT_EQ(r.Empty, base.Empty) << "symmetry " << t << "\n" << diagram;
            EXPECT_EQ(r.Counts, base.Counts) << "symmetry " << t << "\n" << diagram;
            EXPECT_EQ(Kept(r.Stones, t), Kept(base.Stones, t)) << "symmetry " << t << "\n" << diagram;
        }
    }
    EXPECT_GE(compared, 8);
}

TEST_F(RelationSymmetryTest, TransformsAreInverse)
{
    for (int t = 0; t < 8; ++t)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const Point p(x, y);
                EXPECT_EQ(Inverse(t, Transform(t, p, 9), 9), p) << t;
            }
    // The top-bottom mirror keeps x.
    EXPECT_EQ(Transform(kFlipTopBottom, Point(2, 3), 9), Point(2, 7));
}

} // namespace
} // namespace vorn::test

// Cut and atari maps and the pair list: small positions with known answers,
// the order of the list and its 100-entry limit, and the boards left as they
// were found.
#include "Util.h"

#include <algorithm>
#include <ostream>
#include <array>
#include <vector>

#include "board/Basic.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Sicho.h"

namespace vorn::test {
namespace {

struct TPair {
    int kind;
    Point a, b;
    bool operator==(const TPair&) const = default;
};
using TPairs = std::vector<TPair>;

void PrintTo(const TPair& p, std::ostream* os)
{
    *os << "{" << p.kind << " (" << p.a.x << "," << p.a.y << ") (" << p.b.x << "," << p.b.y << ")}";
}

class KiriTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }

    // Board 0 from a diagram, analysed, with the area map saved as the engine
    // saves it at the start of a decision.
    void Analyzed(const char* diagram)
    {
        SetBoard(diagram);
        b0().Analyze();
        AreaMapSave();
    }

    static std::vector<TPair> Pairs()
    {
        const TGoban& b = CurGoban();
        std::vector<TPair> v;
        for (int i = 1; i <= b.PairCount(); ++i)
            v.push_back({b.PairKind(i), b.PairPointA(i), b.PairPointB(i)});
        return v;
    }
    static std::vector<TPair> OfKind(int kind)
    {
        std::vector<TPair> v;
        for (const TPair& p : Pairs())
            if (p.kind == kind)
                v.push_back(p);
        return v;
    }
    // The marked points of one colour of a map, in scan order.
    static std::vector<Point> Marks(const Arr<Grid<std::uint8_t, 1, 19>, 1, 2>& map, int c)
    {
        std::vector<Point> v;
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (map[c][x][y])
                    v.push_back(Point(x, y));
        return v;
    }
    // The link grade of the relation from s to p, -1 when there is none.
    int Grade(Point s, Point p)
    {
        const TLocate& loc = b0().GetLocatePt(s);
        for (int i = 1; i <= loc.GetKankeiSu(); ++i)
            if (loc.GetKankeiPoint(i) == p)
                return loc.GetLinkGrade(i);
        return -1;
    }
};

using Pts = std::vector<Point>;

// --- Diagonal links: the cut map and kind 2 ----------------------------------

// Black (4,4)-(5,5) with a live white stone on the crossing (5,4) and the
// other crossing (4,5) open: White cuts at (4,5).
const char* const kDiagonalCut = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X O . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(KiriTest, CuttableDiagonalMarksTheOpenCrossingAndMakesAPair)
{
    Analyzed(kDiagonalCut);
    ASSERT_EQ(Grade(Point(4, 4), Point(5, 5)), 2);
    KiriMake();
    EXPECT_EQ(Marks(KiriMap, kSiro), Pts{Point(4, 5)});
    EXPECT_EQ(Marks(KiriMap, kKuro), Pts{});
    KohoLocateMake();
    // Found from (4,4) first; the partner's view is the same link.  (The
    // stones' jumps to the edge are links too.)
    EXPECT_EQ(OfKind(KankeiNaname), (TPairs{{KankeiNaname, Point(5, 5), Point(4, 4)}}));
}

TEST_F(KiriTest, DiagonalWithADeadCutterOnTheOtherCrossingIsNoCut)
{
    // The white stone (4,5) cannot escape: its liberty (4,6) is a self-atari.
    Analyzed(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . X O X . . . .
        . . X . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    ASSERT_EQ(b0().IsDeath(4, 5), 1);
    EXPECT_EQ(Grade(Point(4, 4), Point(5, 5)), 1);
    KiriMake();
    EXPECT_EQ(Marks(KiriMap, kSiro), Pts{});
    KohoLocateMake();
    EXPECT_TRUE(OfKind(KankeiNaname).empty());
}

TEST_F(KiriTest, CrossCutMarksNoOccupiedPoint)
{
    // Both crossings hold live white stones: the link is cut already and no
    // point is left to play.
    Analyzed(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . . O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    ASSERT_EQ(Grade(Point(4, 4), Point(5, 5)), 3);
    KiriMake();
    EXPECT_EQ(Marks(KiriMap, kSiro), Pts{});
    EXPECT_EQ(Marks(KiriMap, kKuro), Pts{});
    KohoLocateMake2();
    // Value 3 diagonals are left to the cut itself.
    for (const TPair& p : Pairs())
        EXPECT_NE(p.kind, KankeiNaname);
}

TEST_F(KiriTest, FirmDiagonalInNeutralAreaMarksItsOpenCrossings)
{
    // White's stone (5,4) cannot cut: the other crossing (4,5) is suicide
    // for White.
    Analyzed(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . X . X . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    ASSERT_EQ(Grade(Point(4, 4), Point(5, 5)), 1);
    // Neutral area at both crossings: the open one is marked, the stone not.
    AreaMap[4][5] = AreaMap[5][4] = 0;
    Kiri2Make();
    EXPECT_EQ(Marks(Kiri2Map, kSiro), Pts{Point(4, 5)});
    // One crossing on Black's side: nothing.
    AreaMap[4][5] = 1;
    Kiri2Make();
    EXPECT_EQ(Marks(Kiri2Map, kSiro), Pts{});

    // A firm diagonal with both crossings open marks both.
    Analyzed(R"(
        . . . . .
        . X . . .
        . . X . .
        . . . . .
        . . . . .)");
    ASSERT_EQ(Grade(Point(2, 2), Point(3, 3)), 1);
    AreaMap[2][3] = AreaMap[3][2] = 0;
    Kiri2Make();
    EXPECT_EQ(Marks(Kiri2Map, kSiro), (Pts{Point(3, 2), Point(2, 3)}));
    EXPECT_EQ(Marks(Kiri2Map, kKuro), Pts{});
}

// --- The cut map in the shape answer ------------------------------------------

TEST_F(KiriTest, CutMapTurnsTheShapeAnswerToTheThreatenedSide)
{
    // Around p = (5,5): A = (5,4) has two liberties and White can cut its
    // diagonal to (4,3) at t1 = (4,4); the answer is then s1 = (4,5).
    Analyzed(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . . . X O . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(TonariPairTe(Point(5, 5), kKuro), Point(5, 5));
    KiriMake();
    ASSERT_EQ(KiriMap[kSiro][4][4], 1);
    EXPECT_EQ(TonariPairTe(Point(5, 5), kKuro), Point(4, 5));
}

// --- Jumps -------------------------------------------------------------------

TEST_F(KiriTest, OneSpaceJumps)
{
    // Firm on an empty board: no pair.
    Analyzed(R"(
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . X . X . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    ASSERT_EQ(Grade(Point(3, 4), Point(5, 4)), 1);
    KohoLocateMake();
    EXPECT_TRUE(Pairs().empty());

    // A white stone beside the jump makes it cuttable.
    Analyzed(R"(
        . . . . . . .
        . . . . . . .
        . . O . . . .
        . . X . X . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    ASSERT_EQ(Grade(Point(3, 4), Point(5, 4)), 2);
    KohoLocateMake();
    EXPECT_EQ(OfKind(Kankei1ken), (TPairs{{Kankei1ken, Point(5, 4), Point(3, 4)}}));

    // A white stone in the gap with both sides shut by three black stones:
    // the wedge cannot push out, no pair.
    Analyzed(R"(
        . . . . . . .
        . . . X . . .
        . . X . X . .
        . . X O X . .
        . . X . X . .
        . . . X . . .
        . . . . . . .)");
    ASSERT_GE(Grade(Point(3, 4), Point(5, 4)), 2);
    KohoLocateMake();
    EXPECT_TRUE(OfKind(Kankei1ken).empty());

    // The same wedge with one side open: a pair; the jump above, with the
    // wedge under its gap, is cuttable too.
    Analyzed(R"(
        . . . . . . .
        . . . . . . .
        . . X . X . .
        . . X O X . .
        . . X . X . .
        . . . X . . .
        . . . . . . .)");
    ASSERT_GE(Grade(Point(3, 4), Point(5, 4)), 2);
    KohoLocateMake();
    EXPECT_EQ(OfKind(Kankei1ken), (TPairs{{Kankei1ken, Point(5, 3), Point(3, 3)}, {Kankei1ken, Point(5, 4), Point(3, 4)}}));
}

// Firm links of the wide kinds count only where the points between them were
// neutral at the start of the decision.
TEST_F(KiriTest, FirmWideLinksNeedNeutralGround)
{
    const struct {
        const char* diagram;
        Point s, p;
        int kind;
        Pts between;
    } cases[] = {
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(3, 4), Point(6, 4), Kankei2ken,
         {Point(4, 3), Point(4, 4), Point(4, 5), Point(5, 3), Point(5, 4), Point(5, 5)}},
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(4, 3), Point(6, 5), KankeiNaname2, {Point(5, 4)}},
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
         Point(4, 3), Point(6, 6), KankeiKeima23,
         {Point(4, 4), Point(5, 4), Point(6, 4), Point(4, 5), Point(5, 5), Point(6, 5)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        Analyzed(c.diagram);
        ASSERT_EQ(Grade(c.s, c.p), 1);
        // Black's own area between the stones: no pair.
        KohoLocateMake2();
        EXPECT_TRUE(OfKind(c.kind).empty());
        for (const Point q : c.between)
            AreaMapBackup[q.x][q.y] = 0;
        KohoLocateMake2();
        EXPECT_EQ(OfKind(c.kind), (TPairs{{c.kind, c.p, c.s}}));
        // One of the points taken again: no pair.
        for (const Point q : c.between) {
            AreaMapBackup[q.x][q.y] = -1;
            KohoLocateMake2();
            EXPECT_TRUE(OfKind(c.kind).empty()) << q.x << "," << q.y;
            AreaMapBackup[q.x][q.y] = 0;
        }
    }
}

// --- Chains in atari: kind 21 --------------------------------------------------

TEST_F(KiriTest, ChainInAtariThatCanEscape)
{
    // White (3,3) extends to (4,3) into open space.
    Analyzed(R"(
        . . . . . . .
        . . X . . . .
        . X O . . . .
        . . X . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    KohoLocateMake();
    EXPECT_EQ(OfKind(kPairAtariNige), (TPairs{{kPairAtariNige, Point(4, 3), Point(3, 3)}}));

    // White (2,1) in the corner: its liberty (1,1) is suicide.
    Analyzed(R"(
        . O X . . . .
        X X . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    ASSERT_EQ(b0().IsKinsi(kSiro, 1, 1), 1);
    KohoLocateMake();
    EXPECT_TRUE(OfKind(kPairAtariNige).empty());

    // White (4,1): extending to (3,1) leaves one liberty and captures nothing.
    Analyzed(R"(
        . . . O X . .
        . . X X . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    ASSERT_EQ(b0().IsSelfAtari(kSiro, 3, 1), 1);
    KohoLocateMake();
    EXPECT_TRUE(OfKind(kPairAtariNige).empty());

    // The same extension capturing Black (2,1): a pair for White (4,1); Black
    // (2,1) escapes by capturing (4,1), White (1,1) by extending to (1,2).
    Analyzed(R"(
        O X . O X . .
        . O X X . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    ASSERT_EQ(b0().IsSelfAtari(kSiro, 3, 1), 1);
    ASSERT_EQ(b0().IsToruTen(kSiro, 3, 1), 1);
    KohoLocateMake();
    const std::vector<TPair> nige = OfKind(kPairAtariNige);
    EXPECT_EQ(nige.size(), 3u);
    for (const TPair& p : {TPair{kPairAtariNige, Point(3, 1), Point(4, 1)},
                           TPair{kPairAtariNige, Point(3, 1), Point(2, 1)},
                           TPair{kPairAtariNige, Point(1, 2), Point(1, 1)}})
        EXPECT_NE(std::find(nige.begin(), nige.end(), p), nige.end()) << p.b.x << "," << p.b.y;
}

// --- Two-liberty chains: kinds 22, 23, 24 and the atari map --------------------

TEST_F(KiriTest, LadderGivesItsFirstMove)
{
    Analyzed(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X O . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    KohoLocateMake();
    EXPECT_EQ(OfKind(kPairSicho), (TPairs{{kPairSicho, Point(6, 5), Point(5, 5)}}));
    EXPECT_EQ(Level, 0);
    // The status is kept in the chain: a second pass reads nothing again.
    ASSERT_NE(b0().RenList.RenAt(5, 5), nullptr);
    EXPECT_EQ(b0().RenList.RenAt(5, 5)->SichoStatus(), kSichoToreru);
}

TEST_F(KiriTest, LooseNetPoint)
{
    // White (5,5) with liberties (6,5) and (5,6), each closed on its far
    // side by a black stone: both open onto (6,6).
    Analyzed(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X O . X . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    KohoLocateMake();
    EXPECT_EQ(OfKind(kPairGeta), (TPairs{{kPairGeta, Point(6, 6), Point(5, 5)}}));

    // The same shape against the edge: the shared point is on the first line.
    Analyzed(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X O . X . .
        . . . . . . . . .)");
    KohoLocateMake();
    EXPECT_TRUE(OfKind(kPairGeta).empty());
}

TEST_F(KiriTest, DoubleAtariPoint)
{
    // Black (4,3) and (3,4) both have two liberties and share (4,4).
    Analyzed(R"(
        . . . . . . .
        . . . O . . .
        . . O X . . .
        . O X . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    KohoLocateMake();
    EXPECT_EQ(OfKind(kPairAtari2), (TPairs{{kPairAtari2, Point(4, 4), Point()}}));
    AtariMake();
    EXPECT_EQ(Marks(AtariMap, kSiro), (Pts{Point(5, 3), Point(4, 4), Point(3, 5)}));
}

TEST_F(KiriTest, AtariMapSkipsPointsTheAttackerCannotPlay)
{
    // White's chain has two liberties: (1,1) and the eye (3,1), which is
    // suicide for Black.
    Analyzed(R"(
        . O . O X . . . .
        X O O O X . . . .
        X X X X X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    AtariMake();
    EXPECT_EQ(Marks(AtariMap, kKuro), Pts{Point(1, 1)});
    EXPECT_EQ(Marks(AtariMap, kSiro), Pts{});
    KohoLocateMake();
    EXPECT_TRUE(OfKind(kPairAtari2).empty());
}

// --- Vital points: kind 20 -------------------------------------------------------

TEST_F(KiriTest, VitalPointsOfGroupsShortOfEyes)
{
    const struct {
        const char* diagram;
        TPairs vital;
    } cases[] = {
        // A straight three in the corner: one eye, and the middle makes two.
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        O O O O O . . . .
        X X X X O . . . .
        . . . X O . . . .)",
         {{kPairJi, Point(2, 9), Point()}}},
        // A straight four: alive, with two points that must be answered.
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        O O O O O O . . .
        X X X X X O . . .
        . . . . X O . . .)",
         {{kPairJi, Point(2, 9), Point()}, {kPairJi, Point(3, 9), Point()}}},
        // Two separate eyes: nothing at stake.
        {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        O O O O O O O . .
        X X X X X X O . .
        . . X . . X O . .
        . . X . . X O . .)",
         {}},
    };
    for (const auto& c : cases) {
        Analyzed(c.diagram);
        KohoLocateMake();
        EXPECT_EQ(OfKind(kPairJi), c.vital) << c.diagram;
    }
}

// --- The whole list --------------------------------------------------------------

// Board 0 after n random moves from a seed, analysed.
void RandomPosition(std::uint64_t seed, int moves)
{
    ResetProgramState();
    RandSeed(seed);
    TGoban& b = *GobanLv[0];
    for (int i = 0; i < moves; ++i) {
        const Point p = RandomMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
    b.Analyze();
    AreaMapSave();
}

TEST_F(KiriTest, ListIsSortedAndLeavesTheBoardsAsFound)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        RandomPosition(seed, 60 + 15 * static_cast<int>(seed));
        const std::uint64_t before = StackHash();
        KohoLocateMake();
        EXPECT_EQ(StackHash(), before) << seed;
        EXPECT_EQ(Level, 0);
        const std::vector<TPair> list = Pairs();
        ASSERT_FALSE(list.empty()) << seed;
        for (std::size_t i = 1; i < list.size(); ++i)
            EXPECT_LE(list[i - 1].kind, list[i].kind) << seed;
        for (const TPair& p : list) {
            EXPECT_TRUE(b0().OnBoardPt(p.a) || p.kind <= 14) << seed;
            if (p.kind == kPairAtariNige || p.kind == kPairSicho || p.kind == kPairGeta) {
                EXPECT_TRUE(b0().OnBoardPt(p.b)) << seed;
            }
            // The link kinds that occur.
            if (p.kind < kPairJi) {
                constexpr std::array<int, 10> kLinkKinds{2, 3, 4, 5, 6, 7, 8, 10, 11, 13};
                EXPECT_NE(std::find(kLinkKinds.begin(), kLinkKinds.end(), p.kind), kLinkKinds.end()) << p.kind;
            }
        }
    }
}

TEST_F(KiriTest, FullListKeepsTheThreatsToChains)
{
    // Crowded positions: the threats to chains come first, so when the list
    // is full it is the links that are dropped.
    int full = 0;
    for (std::uint64_t seed = 1; seed <= 40 && full < 3; ++seed) {
        RandomPosition(seed, 200);
        TGoban& b = b0();
        // The threats alone.
        b.PairClear();
        KohoAtariNige();
        KohoSicho();
        KohoGeta();
        KohoJiAll();
        KohoAtari2();
        const int threats = b.PairCount();
        KohoLocateMake2();
        const std::vector<TPair> links = Pairs();
        if (threats + static_cast<int>(links.size()) <= kMaxPair)
            continue;
        ++full;
        KohoLocateMake();
        const std::vector<TPair> list = Pairs();
        ASSERT_EQ(list.size(), static_cast<std::size_t>(kMaxPair));
        int kept = 0;
        for (const TPair& p : list) {
            if (p.kind >= kPairJi) {
                ++kept;
                continue;
            }
            EXPECT_NE(std::find(links.begin(), links.end(), p), links.end());
        }
        EXPECT_EQ(kept, threats) << seed;
    }
    EXPECT_GE(full, 1);
}

} // namespace
} // namespace vorn::test

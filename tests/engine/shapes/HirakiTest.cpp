// Extensions from empty points toward the engine's stones, the opening's
// line-3 extension and the invasions of territory, on diagrams with known
// answers.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/RelationMoves.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/Hiraki.h"

namespace vorn::test {
namespace {

class HirakiTest : public VornTest {
protected:
    static void Extend(const std::string& diagram, int engine)
    {
        PrepareDecision(diagram.c_str(), engine);
        const std::uint64_t before = StackHash();
        Point out;
        Kankei6Think(out);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
        EXPECT_EQ(KohoKind, kkKankei6);
        for (int i = 1; i <= KohoCount; ++i)
            EXPECT_EQ(Koho.Kind[i], kkKankei6);
    }
    static bool Has(const char* name) { return KohoEntry(ParsePoint(name)) != 0; }
};

TEST_F(HirakiTest, ExtensionsTowardOwnStones)
{
    // Black's D4 alone on 13 x 13: the (1,4) points, the three-space jump,
    // and the closer shapes only where the wider ones left room.
    Extend(Stones(13, {{"D4", 'X'}}), kKuro);
    for (const char* p : {"H3", "H4", "H5", "C8", "D8", "E8"})
        EXPECT_TRUE(Has(p)) << p << CandidateList();
    // The large knight's move G3 lies between H3 and D4: marked, not proposed.
    EXPECT_FALSE(Has("G3")) << CandidateList();
    EXPECT_EQ(Kankei6Skip[7][3], 1);

    // Near the right edge the (1,4) points are gone, and the large knight's
    // moves on that side are proposed; on the left they are still covered.
    Extend(Stones(13, {{"I4", 'X'}}), kKuro);
    EXPECT_TRUE(Has("L3") && Has("L5")) << CandidateList();
    EXPECT_FALSE(Has("F3") || Has("F5")) << CandidateList();
    EXPECT_EQ(Kankei6Skip[6][3], 1);

    // A stone of ours closer to H3 (diagonal from G4) keeps the (1,4)
    // pattern from proposing it.
    Extend(Stones(13, {{"D4", 'X'}, {"G4", 'X'}}), kKuro);
    EXPECT_FALSE(Has("H3")) << CandidateList();
}

TEST_F(HirakiTest, NoExtensionTouchesTheOpponent)
{
    // White's I4 touches the three-space point H4; I3 touches H3.
    const struct {
        const char* white;
        const char* gone;
        const char* kept;
    } cases[] = {{"I4", "H4", "H3"}, {"I3", "H3", "H4"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.white);
        Extend(Stones(13, {{"D4", 'X'}, {c.white, 'O'}}), kKuro);
        EXPECT_FALSE(Has(c.gone)) << CandidateList();
        EXPECT_TRUE(Has(c.kept)) << CandidateList();
    }
    // Only the one-space pattern proposes a point next to White's stone, with
    // White's answer beyond it: D6 a jump from D4 and next to White's D7.
    Extend(Stones(13, {{"D4", 'X'}, {"D7", 'O'}}), kKuro);
    const TGoban& b = *GobanLv[0];
    for (int i = 1; i <= KohoCount; ++i) {
        const Point p = Koho.Pt[i];
        if (NeighboursOf(p, kSiro) == 0)
            continue;
        EXPECT_TRUE(b.GetLocatePt(p).HasKind(Kankei1ken, kKuro)) << PointName(p) << CandidateList();
    }
}

TEST_F(HirakiTest, DiagonalBesideTheGapOfATwoSpaceJump)
{
    // White (the engine) has the two-space jump D3-G3; Black's E6 and G6
    // keep the points beside the gaps neutral.  E4 and F4 are diagonal to
    // White's stones and beside the gaps: worth 4 more from a value of 9.
    Extend(Stones(13, {{"D3", 'O'}, {"G3", 'O'}, {"E6", 'X'}, {"G6", 'X'}}), kSiro);
    const std::vector<Point> gap(Kankei6GapList.begin(), Kankei6GapList.begin() + Kankei6GapCount);
    int below = 0, above = 0;
    for (const char* name : {"E4", "F4"}) {
        const Point e = ParsePoint(name);
        ASSERT_NE(std::find(gap.begin(), gap.end(), e), gap.end()) << name;
        const int i = KohoEntry(e);
        ASSERT_NE(i, 0) << name << CandidateList();
        // Our stone there, and Black's there when Black is near.
        int base = UtuHyoka(kSiro, e);
        if (GobanLv[0]->GetLocatePt(e).HasKankeiLE(Kankei1ken, kKuro)) {
            const int reply = UtuHyoka(kKuro, e);
            ASSERT_LT(reply, 16) << name;
            base += reply;
        }
        EXPECT_EQ(Koho.Value[i], base >= 9 ? base + 4 : base) << name;
        (base >= 9 ? above : below) += 1;
    }
    EXPECT_EQ(above, 1);
    EXPECT_EQ(below, 1);
}

TEST_F(HirakiTest, LineThreeExtension)
{
    struct {
        const char* name;
        int size;
        std::vector<std::pair<const char*, char>> stones;
        const char* stone;
        const char* want;
    } const cases[] = {
        {"two-space extension along the third line", 13, {{"C4", 'X'}}, "C4", "C7"},
        {"a fourth-line stone", 13, {{"D4", 'X'}}, "D4", "pass"},
        {"extensions crowded: the jump to the fifth line", 19, {{"C10", 'X'}, {"C6", 'O'}, {"C14", 'O'}}, "C10", "E10"},
        {"White's stone", 13, {{"C4", 'O'}}, "C4", "C7"},
        {"no stone", 13, {{"C4", 'X'}}, "C5", "pass"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareDecision(Stones(c.size, c.stones).c_str(), kKuro);
        Point out(1, 1);
        HirakiTobiTe(ParsePoint(c.stone), out);
        EXPECT_EQ(PointName(out), c.want);
        EXPECT_EQ(KohoCount, 0);
        EXPECT_EQ(Level, 0);
    }
}

// White's region on the right: 23 points around a neutral pocket at F4,
// between two of its points a large knight's move apart.
const char* const kPocket[] = {
    ".....XO..", "X..O...O.", "........O", "........X", "..X.....O",
    "...O....X", ".XXO...O.", "....O....", "...XX..X.",
};

TEST_F(HirakiTest, InvasionOfTheLargestRegion)
{
    // White stones on points of the region make it smaller: at 20 points the
    // invasion is still proposed, at 19 it is not.
    const struct {
        std::vector<const char*> fill;
        int size;
        bool invaded;
    } cases[] = {{{}, 23, true}, {{"I7", "I6", "D1"}, 20, true}, {{"I7", "I6", "D1", "E1"}, 19, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        std::vector<std::string> rows(std::begin(kPocket), std::end(kPocket));
        for (const char* f : c.fill) {
            const Point p = ParsePoint(f);
            rows.at(static_cast<std::size_t>(p.y - 1)).at(static_cast<std::size_t>(p.x - 1)) = 'O';
        }
        std::string diagram;
        for (const std::string& r : rows)
            diagram += r + "\n";
        PrepareDecision(diagram.c_str(), kKuro);
        const TJiList& list = GobanLv[0]->JiList;
        int largest = 0;
        for (int i = 1; i <= list.GetCount(); ++i)
            if (const TJi* ji = list.GetJi(i))
                largest = std::max(largest, ji->GetJisu());
        ASSERT_EQ(largest, c.size);
        KohoKind = kkGunKankei;
        JiUtikomiThink();
        EXPECT_EQ(KohoEntry(ParsePoint("F4")) != 0, c.invaded) << CandidateList();
        EXPECT_EQ(KohoKind, kkGunKankei) << "no reason code of its own";
        EXPECT_EQ(Level, 0);
        // A reading before it leaves the live area map describing another
        // board: the invasion reads the game's map all the same.
        const std::string first = SortedCandidates();
        UtuHyoka(kSiro, ParsePoint("E5"));
        ASSERT_NE(AreaMap[6][4], AreaMapBackup[6][4]);
        KohoCount = 0;
        JiUtikomiThink();
        EXPECT_EQ(SortedCandidates(), first);
    }
}

TEST_F(HirakiTest, InvasionOfTheOpponentsArea)
{
    // On an open 19 x 19 board White's side has border points away from
    // Black's stones: Black plays into them, at its evaluation less 20.
    const std::string sides = Stones(19, {{"D4", 'X'}, {"K4", 'X'}, {"Q4", 'X'}, {"D16", 'O'}, {"K16", 'O'}, {"Q16", 'O'}});
    PrepareDecision(sides.c_str(), kKuro);
    JiUtikomiThink();
    ASSERT_GT(KohoCount, 0);
    for (int i = 1; i <= KohoCount; ++i) {
        const Point p = Koho.Pt[i];
        if (AreaMapView[p.x][p.y] != -1)
            continue;
        EXPECT_EQ(Koho.Value[i], UtuHyoka(kKuro, p) - 20) << PointName(p);
        EXPECT_EQ(GobanLv[0]->GetLocatePt(p).CountIro(kKuro), 0) << PointName(p);
    }
}

} // namespace
} // namespace vorn::test

// The (2,2) links on diagrams with known answers: which pattern each
// placement of the attacker reaches, the cases that give nothing, the
// answers to stones just outside the square, a crowded centre, and the cut
// and the connection held against GNU Go.  Every call leaves the boards and
// the level as it found them.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "GnuGo.h"
#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/links/LinkUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/WideShapes.h"

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Locate.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/Kankei5.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

using P = TPt;

class Kankei5Test : public VornTest {
protected:
    static TLinkOutput Run(const char* diagram, int engine, int* moves = nullptr, Point a = k5A, Point b = k5B)
    {
        return RunPair(Kankei5Utu, diagram, engine, a, b, moves);
    }
};

// The four midpoints of the square, which the corner and free-square roads
// mark for the generators that skip link points.
const std::set<P> kMidpoints = {{4, 7}, {3, 6}, {5, 6}, {4, 5}};

TEST_F(Kankei5Test, EachPlacementReachesItsPattern)
{
    struct {
        const char* what;
        const char* diagram;
        int engine;
        const char* point; // the one candidate
        bool marks;        // the midpoints marked
    } const cases[] = {
        {"corner, the owner takes the centre", k5Corner, kKuro, "D6", true},
        {"corner, the attacker cuts at the centre", k5Corner, kSiro, "D6", true},
        {"corner and both neighbours: the free corner", k5CornerBoth, kKuro, "C5", true},
        {"corner and one neighbour: the cut", k5CornerOne, kSiro, "D6", true},
        {"midpoint: the free corner", k5Midpoint, kKuro, "C5", false},
        {"midpoint: the cut", k5Midpoint, kSiro, "D6", false},
        {"both midpoints of a side: the free corner", k5BothMidpoints, kKuro, "C5", false},
        {"end stone with two liberties: the attacker's M", k5TwoLiberties, kSiro, "C6", false},
        {"a jump from the centre: the owner's M", k5Jump, kKuro, "D7", false},
        {"a jump from the centre: the cut", k5Jump, kSiro, "D6", false},
        {"stones facing across a side: the centre only", k5Facing, kKuro, "D6", true},
        // Corner and midpoint together: the corner routine, which marks.
        {"corner with its neighbour", k5CornerOne, kKuro, "D6", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TLinkOutput out = Run(c.diagram, c.engine);
        EXPECT_EQ(KohoPoints(out), std::set<P>{Pt(c.point)}) << out.Show();
        EXPECT_EQ(out.Marks, c.marks ? kMidpoints : std::set<P>{});
    }
}

TEST_F(Kankei5Test, ShapesThatGiveNothing)
{
    // Each stops before it reads: no trial move either.
    struct {
        const char* what;
        std::string diagram;
    } const cases[] = {
        {"the centre taken by the attacker", Stones("C7 E5", "D6 E7")},
        {"the centre taken by the owner", Stones("C7 E5 D6", "F6 D7")},
        {"no attacker stone near the centre", Stones("C7 E5", "H2")},
        // Both free corners held: the roles of E7 come first, and the
        // midpoint C6 on the far side faces White's B6.  With C5's roles
        // alone it would read (below).
        {"both corners, E7's roles stop at B6", Stones("C7 E5", "C5 B6 E7")},
    };
    for (const auto& c : cases) {
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << c.what << ", engine " << engine);
            int moves = -1;
            const TLinkOutput out = Run(c.diagram.c_str(), engine, &moves);
            EXPECT_TRUE(out.Koho.empty()) << out.Show();
            EXPECT_TRUE(out.Marks.empty());
            EXPECT_EQ(moves, 0);
        }
    }
    // The same B6 with White on the corner C5 only: its roles read on.
    const TLinkOutput one = Run(Stones("C7 E5", "C5 B6").c_str(), kKuro);
    EXPECT_EQ(one.Marks, kMidpoints);
    EXPECT_FALSE(one.Koho.empty());
}

TEST_F(Kankei5Test, CornerCutIntoADeadGroupGivesNothing)
{
    // Black's stones around the square: White's cut at the centre dies.
    const std::string diagram = Stones("C7 E5 D5 C6 F6 D8", "E7");
    for (const int engine : {kKuro, kSiro}) {
        const TLinkOutput out = Run(diagram.c_str(), engine);
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        // The corner routine ran: it marks before it reads.
        EXPECT_EQ(out.Marks, kMidpoints);
    }
    // The reason: the cut's group is dead by the 90 rule.
    PrepareDecision(diagram.c_str(), kKuro);
    TShapeYomi y;
    ASSERT_TRUE(y.Play(kSiro, k5Centre));
    y.Score(kSiro);
    const TGun* g = GunAt(k5Centre);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->IsDeath90(), 1);
}

TEST_F(Kankei5Test, JumpFromTheCentreProposesOnlyAGain)
{
    // The attacker's gain after the cut, the owner's M and the crawl to G.
    const auto gain = [](const char* diagram, int engine) {
        PrepareDecision(diagram, engine);
        TShapeYomi y(TRefusal::GoOn);
        return y.ScoreAfter(kSiro, {{kSiro, k5Centre}, {kKuro, Point(4, 7)}, {kSiro, Point(5, 6)}});
    };
    for (const int engine : {kKuro, kSiro}) {
        const int h = gain(k5Jump, engine);
        ASSERT_GT(h, 0);
        const TLinkOutput out = Run(k5Jump, engine);
        EXPECT_EQ(out.Koho, (std::map<P, int>{{engine == kKuro ? P(4, 7) : P(4, 6), h}}));
    }
    // Black's wall behind the lone stone: the cut gains nothing.
    const std::string walled = Stones("C7 E5 F5 F6 G7 C8", "D8");
    for (const int engine : {kKuro, kSiro}) {
        EXPECT_LE(gain(walled.c_str(), engine), 0);
        EXPECT_TRUE(Run(walled.c_str(), engine).Koho.empty());
    }
}

TEST_F(Kankei5Test, AnswersToStonesOutsideTheSquare)
{
    // Kankei5UkeTen alone, on the square C7..E5: the [2] side is the side of
    // E7, the [6] side that of C5.
    struct {
        const char* what;
        const char* stones; // White's stones
        const char* list;   // the owner's answers, in order
    } const cases[] = {
        {"none", "", ""},
        {"facing across the [2] side: the centre only", "D8 F6", "D6"},
        {"facing across the [6] side: the centre only", "B6 D4", "D6"},
        {"one beside a midpoint", "D8", "D7"},
        {"one off the [2] corner: the corner", "E8", "E7"},
        {"one off the [6] corner: the corner", "B5", "C5"},
        {"a corner stone and the midpoint beyond it on its line", "F7 D8", "D7"},
        {"both off the [2] corner: the centre only", "E8 F7", "D6"},
        {"a stone on each side", "D8 B5", "D7 C5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PrepareDecision(Stones("C7 E5", c.stones).c_str(), kKuro);
        const TShape s(5, k5A, k5B);
        Point out[kMaxUkeTen];
        const int n = Kankei5UkeTen(s, out);
        std::string got;
        for (int i = 0; i < n; ++i)
            got += (i > 0 ? " " : "") + PointName(out[i]);
        EXPECT_EQ(got, c.list);
    }
    // With White's two stones facing each other, the handler's centre comes
    // first and alone.
    const TLinkOutput out = Run(k5Facing, kKuro);
    EXPECT_EQ(KohoPoints(out), std::set<P>{P(4, 6)}) << out.Show();
}

TEST_F(Kankei5Test, BothMidpointsAgainstTheEdge)
{
    // Black's A7-C5 on the edge with White's B7 and C6: beyond M1 = A6 lies
    // off the board.  One line in, the same shape reads.
    const std::string atEdge = Stones("A7 C5", "B7 C6");
    const std::string inside = Stones("B7 D5", "C7 D6");
    for (const int engine : {kKuro, kSiro}) {
        int moves = -1;
        EXPECT_TRUE(Run(atEdge.c_str(), engine, &moves, Point(1, 7), Point(3, 5)).Koho.empty());
        EXPECT_EQ(moves, 0);
        EXPECT_FALSE(Run(inside.c_str(), engine, nullptr, Point(2, 7), Point(4, 5)).Koho.empty());
    }
}

TEST_F(Kankei5Test, CrowdedCentreListsEveryNearStone)
{
    // White on all four one-space jumps and all eight knight's moves from
    // the centre.  The analysis records only the relations its lines leave
    // open; the record of an empty point has room for all twelve, so they
    // are entered as well: more than eight relations of the attacker's.
    std::vector<TDiagramStone> stones = {{3, 7, 'X'}, {5, 5, 'X'}};
    std::vector<Point> steps;
    for (int i = 9; i <= 20; ++i) {
        steps.emplace_back(KankeiOffsetX[i], KankeiOffsetY[i]);
        stones.push_back({k5Centre.x + KankeiOffsetX[i], k5Centre.y + KankeiOffsetY[i], 'O'});
    }
    const std::string diagram = StoneDiagram(stones);
    for (const int engine : {kKuro, kSiro}) {
        PrepareDecision(diagram.c_str(), engine);
        KohoKind = kkKankei;
        TLocate& loc = CurGoban().GetLocatePt(k5Centre);
        for (int i = 9; i <= 20; ++i) {
            const Point p(k5Centre.x + KankeiOffsetX[i], k5Centre.y + KankeiOffsetY[i]);
            bool known = false;
            for (int k = 1; k <= loc.GetKankeiSu(); ++k)
                known = known || loc.GetKankeiPoint(k) == p;
            if (!known)
                loc.AddKankei(i, i <= 12 ? Kankei1ken : KankeiKeima, kSiro);
        }
        Arr<Point, 1, kMaxKankei> near{};
        ASSERT_EQ(loc.GetKindLEPoints(4, kSiro, near), 12);
        TLinkOutput out;
        EXPECT_NO_THROW(out = RunLink([] { Kankei5Utu(k5A, k5B); }));
        // Stones face each other across both sides: the centre only.
        EXPECT_EQ(KohoPoints(out), std::set<P>{P(4, 6)}) << out.Show();
        EXPECT_EQ(out.Marks, kMidpoints);
    }
}

// The cut and the connection of a (2,2) pair held against GNU Go: with the
// engine attacking, its point is GNU Go's `disconnect` move; with the engine
// owning the pair, where GNU Go accepts our answer, `disconnect` is 0 after
// it.  GTP vertices on 9 x 9.
TEST_F(Kankei5Test, CutAndConnectionAgreeWithGnuGo)
{
    struct {
        const char* what;
        std::vector<std::string> white;
        bool ownerAccepted;
    } const cases[] = {
        {"a midpoint", {"D3"}, false},
        {"a corner", {"E3"}, true},
        {"a jump from the centre", {"D2"}, true},
        {"stones facing across a side", {"D2", "F4"}, true},
    };
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_TRUE(gg.Start(9));
    const auto setUp = [&gg](const std::vector<std::string>& white) {
        gg.Command("clear_board");
        gg.Command("play black C3");
        gg.Command("play black E5");
        for (const std::string& v : white)
            gg.Command("play white " + v);
    };
    // The connection GNU Go knows: C4 beside the attacker's midpoint stone.
    setUp({"D3"});
    EXPECT_EQ(gg.Command("connect C3 E5"), "1 C4");
    gg.Command("play black C4");
    EXPECT_EQ(gg.Command("disconnect C3 E5"), "0");

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<TDiagramStone> stones = {{3, 7, 'X'}, {5, 5, 'X'}};
        for (const std::string& v : c.white) {
            const Point p = gg.FromVertex(v);
            stones.push_back({p.x, p.y, 'O'});
        }
        const std::string diagram = StoneDiagram(stones);
        const TLinkOutput cut = Run(diagram.c_str(), kSiro);
        ASSERT_EQ(cut.Koho.size(), 1u) << cut.Show();
        const Point cutPt(cut.Koho.begin()->first.first, cut.Koho.begin()->first.second);
        setUp(c.white);
        EXPECT_EQ(gg.Command("disconnect C3 E5"), "1 " + gg.Vertex(cutPt));
        if (!c.ownerAccepted)
            continue;
        const TLinkOutput answer = Run(diagram.c_str(), kKuro);
        ASSERT_EQ(answer.Koho.size(), 1u) << answer.Show();
        const Point p(answer.Koho.begin()->first.first, answer.Koho.begin()->first.second);
        gg.Command("play black " + gg.Vertex(p));
        EXPECT_EQ(gg.Command("disconnect C3 E5"), "0") << "after " << gg.Vertex(p);
    }
}

TEST_F(Kankei5Test, RandomPositionsAroundTheSquareKeepTheContract)
{
    // The centre kept empty; the attacker on a corner, on a midpoint, on
    // both midpoints of a side, or outside the square only.
    constexpr int kPositions = 300;
    const int answered = SweepShapes(
        kPositions,
        [](std::uint64_t seed, TShapePlacement& pl) {
            const int density = 20 + static_cast<int>(seed % 4) * 10;
            const int size = seed % 5 == 0 ? 13 : 9;
            switch (seed % 4) {
            case 0:
                return PlaceShape(size, {{1, 1, '.'}, {2, 0, 'X'}}, Point(2, 2), density, pl);
            case 1:
                return PlaceShape(size, {{1, 1, '.'}, {1, 0, 'X'}}, Point(2, 2), density, pl);
            case 2:
                return PlaceShape(size, {{1, 1, '.'}, {1, 0, 'X'}, {2, 1, 'X'}}, Point(2, 2), density, pl);
            default:
                return PlaceShape(size, {{1, 1, '.'}, {1, 0, '.'}, {0, 1, '.'}, {2, 1, '.'}, {1, 2, '.'}, {2, 0, '.'},
                                         {0, 2, '.'}},
                                  Point(2, 2), density, pl);
            }
        },
        {"Kankei5Utu"});
    EXPECT_GT(answered, kPositions / 2) << "the square was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

// The (2,3) links on diagrams with known answers: the pattern each placement
// of the attacker reaches, checked by its points and, where the value is a
// plain sum, by its value; the shapes that give nothing; the +2 of the far
// corner; and the wedge whose cut starts a ladder on the second line.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/links/LinkUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/WideShapes.h"

#include "board/Goban.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/Kankei8.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

using P = TPt;

class Kankei8Test : public VornTest {
protected:
    static TLinkOutput Run(const char* diagram, int engine, int* moves = nullptr, Point a = k8A, Point b = k8B)
    {
        return RunPair(Kankei8Utu, diagram, engine, a, b, moves);
    }
};

TEST_F(Kankei8Test, EachPlacementReachesItsPattern)
{
    // The box of C7-E4: [1] D7, [2] E7, [3] C6, [4] D6, [5] E6, [6] C5,
    // [7] D5, [8] E5, [9] C4, [10] D4.
    struct {
        const char* what;
        std::string diagram;
        const char* owner;    // the engine owns the pair
        const char* attacker; // the engine attacks
    } const cases[] = {
        // [5] with [8]: beside the middle point, not the contact at [8].
        {"beside a middle point and touching B", k8Naka, "D5", "C5"},
        {"touching A along the long side", k8Tate, "D6", "D6"},
        // [2] with [1]: the contact across the short side from [1]; F = C5
        // for the lone A against White's two stones.
        {"two stones across the short side", k8Yoko, "C5", "D5"},
        {"the far corner alone", k8Kado, "E6", "D6"},
        {"the wedge", k8Wedge, "C4", "C5"},
        {"one stone beside A's line at B5", k8SotoYoko, "C5", "D5"},
        {"one stone past the corner at E8", Stones("C7 E4", "E8"), "E7", "D6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TLinkOutput own = Run(c.diagram.c_str(), kKuro);
        EXPECT_EQ(KohoPoints(own), std::set<P>{Pt(c.owner)}) << own.Show();
        const TLinkOutput att = Run(c.diagram.c_str(), kSiro);
        EXPECT_EQ(KohoPoints(att), std::set<P>{Pt(c.attacker)}) << att.Show();
        EXPECT_TRUE(own.Marks.empty());
    }
}

TEST_F(Kankei8Test, SumsOfTheOwnersAndTheAttackersMoves)
{
    // owner's move T + attacker's move U, each valued alone.
    struct {
        const char* what;
        const char* diagram;
        const char* t;
        const char* u;
    } const cases[] = {
        {"beside a middle point and touching B", k8Naka, "D5", "C5"},
        {"one stone beside A's line", k8SotoYoko, "C5", "D5"},
    };
    for (const auto& c : cases) {
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << c.what << ", engine " << engine);
            PrepareDecision(c.diagram, engine);
            const int v = UtuHyoka(kKuro, ParsePoint(c.t)) + UtuHyoka(kSiro, ParsePoint(c.u));
            const TLinkOutput out = Run(c.diagram, engine);
            EXPECT_EQ(out.Koho, (std::map<P, int>{{Pt(engine == kKuro ? c.t : c.u), v}}));
        }
    }
}

TEST_F(Kankei8Test, ShapesThatGiveNothing)
{
    struct {
        const char* what;
        std::string diagram;
    } const cases[] = {
        {"both middle points taken", Stones("C7 E4 D5", "D6")},
        // The wedge routine finds no attacker on a middle point.
        {"the owner on one middle point", Stones("C7 E4 D6", "")},
        {"one stone past A's end, at D8", Stones("C7 E4", "D8")},
        {"one stone past B's end, at D3", Stones("C7 E4", "D3")},
        {"one stone beside A at B6", Stones("C7 E4", "B6")},
        {"the owner beside the middle line at B5", Stones("C7 E4 B5", "D8")},
    };
    for (const auto& c : cases) {
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << c.what << ", engine " << engine);
            int moves = -1;
            const TLinkOutput out = Run(c.diagram.c_str(), engine, &moves);
            EXPECT_TRUE(out.Koho.empty()) << out.Show();
            EXPECT_EQ(moves, 0);
        }
    }
    // No stone near: the engine that would cut into a weak group stays out.
    EXPECT_TRUE(Run(k8Empty, kSiro).Koho.empty());
    EXPECT_EQ(KohoPoints(Run(k8Empty, kKuro)), std::set<P>{Pt("D5")});
}

TEST_F(Kankei8Test, StonesBesideAndPastAGiveTheMiddlePointAlone)
{
    for (const int engine : {kKuro, kSiro}) {
        PrepareDecision(k8BesideAndPast, engine);
        const int v = ItiHyoka(ParsePoint("D6"));
        EXPECT_EQ(Run(k8BesideAndPast, engine).Koho, (std::map<P, int>{{Pt("D6"), v}}));
    }
}

TEST_F(Kankei8Test, FarCornerAddsTwo)
{
    // Black's D on E6, White's push at D6, Black's block at D7: the owner's
    // value, and the attacker's better move at P or D.
    const Point d = ParsePoint("E6"), p = ParsePoint("D6"), n = ParsePoint("D7");
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        PrepareDecision(k8Kado, engine);
        TShapeYomi y(TRefusal::GoOn);
        const int h = y.ScoreAfter(kKuro, {{kKuro, d}, {kSiro, p}, {kKuro, n}});
        const int a = std::max(UtuHyoka(kSiro, p), UtuHyoka(kSiro, d));
        const TLinkOutput out = Run(k8Kado, engine);
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_EQ(out.Koho.begin()->second, h + a + 2);
    }
}

TEST_F(Kankei8Test, WedgeWhoseCutLaddersTheEndStone)
{
    // Black's C8-F6 with White's wedge at D7: White's D8 leaves C8 with two
    // liberties and the ladder takes it, so D8 is the cut.  Without White's
    // B8 the end stone has four liberties and the extension E8 is the cut.
    PrepareDecision(k8WedgeLadder, kSiro);
    {
        TShapeYomi y;
        ASSERT_TRUE(y.Play(kSiro, ParsePoint("D8")));
        EXPECT_EQ(SichoCheck(k8LadderA), 1);
    }
    const std::string open = Stones("C8 F6", "D7");
    EXPECT_EQ(KohoPoints(Run(k8WedgeLadder, kSiro, nullptr, k8LadderA, k8LadderB)), std::set<P>{Pt("D8")});
    EXPECT_EQ(KohoPoints(Run(open.c_str(), kSiro, nullptr, k8LadderA, k8LadderB)), std::set<P>{Pt("E8")});
    // The owner's answer on the far corner either way.
    EXPECT_EQ(KohoPoints(Run(k8WedgeLadder, kKuro, nullptr, k8LadderA, k8LadderB)), std::set<P>{Pt("F8")});
}

TEST_F(Kankei8Test, RandomPositionsAroundTheRectangleKeepTheContract)
{
    // The attacker beside a middle point, touching an end stone, on a far
    // corner, on a middle point, or outside the box only.
    constexpr int kPositions = 300;
    const int answered = SweepShapes(
        kPositions,
        [](std::uint64_t seed, TShapePlacement& pl) {
            const int density = 20 + static_cast<int>(seed % 4) * 10;
            const int size = seed % 5 == 0 ? 13 : 9;
            // Cells (line, step): A at (0, 0), B at (2, 3), the middle
            // points (1, 1) and (1, 2).
            switch (seed % 5) {
            case 0:
                return PlaceShape(size, {{1, 1, '.'}, {1, 2, '.'}, {2, 1, 'X'}}, Point(2, 3), density, pl);
            case 1:
                return PlaceShape(size, {{1, 1, '.'}, {1, 2, '.'}, {0, 1, 'X'}}, Point(2, 3), density, pl);
            case 2:
                return PlaceShape(size, {{1, 1, '.'}, {1, 2, '.'}, {2, 0, 'X'}}, Point(2, 3), density, pl);
            case 3:
                return PlaceShape(size, {{1, 1, 'X'}, {1, 2, '.'}}, Point(2, 3), density, pl);
            default:
                return PlaceShape(size, {{1, 0, '.'}, {2, 0, '.'}, {0, 1, '.'}, {1, 1, '.'}, {2, 1, '.'}, {0, 2, '.'},
                                         {1, 2, '.'}, {2, 2, '.'}, {0, 3, '.'}, {1, 3, '.'}},
                                  Point(2, 3), density, pl);
            }
        },
        {"Kankei8Utu"});
    EXPECT_GT(answered, kPositions / 2) << "the rectangle was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

// The (3,3) links on diagrams with known answers: the point across the
// diagonal, the side table in all its rows, the free corner, and the shapes
// that give nothing.
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/links/LinkUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/WideShapes.h"

#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/Kankei13.h"

namespace vorn::test {
namespace {

using P = TPt;

// The square of C7-F4: X[4 row + column] = (3 + column, 7 - row).
Point X(int i) { return Point(3 + i % 4, 7 - i / 4); }
P Xp(int i) { return {3 + i % 4, 7 - i / 4}; }

class Kankei13Test : public VornTest {
protected:
    // Black's C7 and F4 with the listed stones ('X' Black, 'O' White) on
    // cells of the square or at points given by (x, y).
    static std::string Diagram(const std::vector<std::pair<Point, char>>& more)
    {
        std::vector<TDiagramStone> stones = {{3, 7, 'X'}, {6, 4, 'X'}};
        for (const auto& [p, c] : more)
            stones.push_back({p.x, p.y, c});
        return StoneDiagram(stones);
    }
    static TLinkOutput Run(const std::string& diagram, int engine)
    {
        return RunPair(Kankei13Utu, diagram.c_str(), engine, k13A, k13B);
    }
    // The owner's move at X[p] and the attacker's cuts at X5 and X10, each
    // valued alone on the diagram prepared for the engine.
    struct TValues {
        int e1, e2, e3;
    };
    static TValues Values(const std::string& diagram, int engine, int p)
    {
        PrepareDecision(diagram.c_str(), engine);
        return {UtuHyoka(kKuro, X(p)), UtuHyoka(kSiro, X(5)), UtuHyoka(kSiro, X(10))};
    }
};

TEST_F(Kankei13Test, ShapesThatGiveNothing)
{
    struct {
        const char* what;
        std::vector<std::pair<Point, char>> stones;
    } const cases[] = {
        {"both sides of the diagonal's middle: X9 is taken", {{X(6), 'O'}, {X(9), 'O'}}},
        {"X6 with the owner behind X9 on X12", {{X(6), 'O'}, {X(12), 'X'}}},
        {"X2 with White beyond X4", {{X(2), 'O'}, {Point(2, 6), 'O'}}},
        {"X13 with White beyond X11", {{X(13), 'O'}, {Point(7, 5), 'O'}}},
        {"X7 with the owner on X12", {{X(7), 'O'}, {X(12), 'X'}}},
        {"X1 alone", {{X(1), 'O'}}},
        {"X4 alone", {{X(4), 'O'}}},
        {"X11 alone", {{X(11), 'O'}}},
        {"X14 alone", {{X(14), 'O'}}},
        {"on the diagonal alone", {{X(5), 'O'}}},
    };
    for (const auto& c : cases)
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << c.what << ", engine " << engine);
            const TLinkOutput out = Run(Diagram(c.stones), engine);
            EXPECT_TRUE(out.Koho.empty()) << out.Show();
        }
}

TEST_F(Kankei13Test, BesideTheDiagonalTakesThePointAcross)
{
    for (const auto& [at, across] : {std::pair{6, 9}, std::pair{9, 6}})
        for (const int engine : {kKuro, kSiro}) {
            const std::string d = Diagram({{X(at), 'O'}});
            PrepareDecision(d.c_str(), engine);
            const int v = ItiHyoka(X(across));
            EXPECT_EQ(Run(d, engine).Koho, (std::map<P, int>{{Xp(across), v}})) << "X" << at;
        }
}

TEST_F(Kankei13Test, SideStonesAnswerAcrossOrCutOnTheDiagonal)
{
    // Each row of the side table: the owner's answer P; the engine that
    // attacks gets both diagonal points, each with its own value.
    for (const auto& [at, p] : {std::pair{2, 9}, std::pair{7, 9}, std::pair{8, 6}, std::pair{13, 6}}) {
        SCOPED_TRACE(testing::Message() << "X" << at);
        const std::string d = Diagram({{X(at), 'O'}});
        for (const int engine : {kKuro, kSiro}) {
            const auto [e1, e2, e3] = Values(d, engine, p);
            const std::map<P, int> want = engine == kKuro
                                              ? std::map<P, int>{{Xp(p), std::max(e1 + e2, e1 + e3)}}
                                              : std::map<P, int>{{Xp(5), e1 + e2}, {Xp(10), e1 + e3}};
            EXPECT_EQ(Run(d, engine).Koho, want) << "engine " << engine;
        }
    }
}

TEST_F(Kankei13Test, FreeCornerAnswersBesideTheDiagonal)
{
    for (const auto& [at, p] : {std::pair{3, 6}, std::pair{12, 9}}) {
        SCOPED_TRACE(testing::Message() << "X" << at);
        const std::string d = Diagram({{X(at), 'O'}});
        for (const int engine : {kKuro, kSiro}) {
            const auto [e1, e2, e3] = Values(d, engine, p);
            const P t = e2 < e3 ? Xp(10) : Xp(5);
            const P want = engine == kKuro ? Xp(p) : t;
            EXPECT_EQ(Run(d, engine).Koho, (std::map<P, int>{{want, e1 + std::max(e2, e3)}})) << "engine " << engine;
        }
    }
}

TEST_F(Kankei13Test, RandomPositionsAroundTheSquareKeepTheContract)
{
    constexpr int kPositions = 200;
    const int answered = SweepShapes(
        kPositions,
        [](std::uint64_t seed, TShapePlacement& pl) {
            const int density = 20 + static_cast<int>(seed % 4) * 10;
            // The attacker beside the diagonal, on a side or on a corner.
            static constexpr TShapeCell kAt[] = {{2, 1, 'X'}, {2, 0, 'X'}, {3, 1, 'X'}, {3, 0, 'X'}};
            const TShapeCell& at = kAt[seed % 4];
            return PlaceShape(9, {{1, 1, '.'}, {2, 2, '.'}, at}, Point(3, 3), density, pl);
        },
        {"Kankei13Utu"});
    EXPECT_GT(answered, kPositions / 2) << "the square was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

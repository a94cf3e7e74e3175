// The (1,4) links on diagrams with known answers, and random positions
// around the shape.  Every call leaves the boards and the level as found.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/ShapeHarness.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/Kankei11.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

class Kankei11Test : public VornTest {
protected:
    static void Run(const char* diagram, int engine, Point a, Point b)
    {
        RunHandler(diagram, engine, a, b, Kankei11Utu);
    }
    static std::string TableOf(void (*routine)(const TShape&), Point a, Point b)
    {
        KohoCount = 0;
        KohoKind = kkKankei;
        routine(TShape(11, a, b));
        return CandidateList();
    }
};

// Black's C7-D3 ((3,7)-(4,3)):
//     R0 C7  R1 D7  R2 C6  R3 D6  R4 C5  R5 D5  R6 C4  R7 D4  R8 C3  R9 D3
//     D0 B7  D1 E7  D2 B6  D3 E6  D4 B5  D5 E5  D6 B4  D7 E4  D8 B3  D9 E3
constexpr Point kA(3, 7), kB(4, 3);

TEST_F(Kankei11Test, StonesInsideDecideOverStonesOutside)
{
    const char* const both = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . O . . . . . .
        . O . . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Run(both, engine, kA, kB);
        const std::string got = CandidateList();
        EXPECT_NE(got, "");
        EXPECT_EQ(got, TableOf(Kankei11NakaUtu, kA, kB));
        EXPECT_NE(got, TableOf(Kankei11SotoUtu, kA, kB));
    }
}

TEST_F(Kankei11Test, MiddleStoneWithOneNextToAGivesNothing)
{
    // White at C5 (R4) and C6 (R2): the middle pair is tested first, and its
    // pattern gives up with the attacker at K2 = R2.
    const char* const twoInside = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . O . . . . . .
        . . O . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        Run(twoInside, engine, kA, kB);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
    }
}

TEST_F(Kankei11Test, MiddleStoneWithItsOuterPointOffTheBoardGivesNothing)
{
    // Black's H7-I3 on the edge: White's H5 (R4) has Z = D5 off the board.
    // White's I5 (R5) instead has Z = D4 = G5 on the board.
    const char* const offBoard = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . X
        . . . . . . . . .
        . . . . . . . O .
        . . . . . . . . .
        . . . . . . . X .
        . . . . . . . . .
        . . . . . . . . .)";
    const char* const onBoard = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . X
        . . . . . . . . .
        . . . . . . . . O
        . . . . . . . . .
        . . . . . . . X .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point a(8, 7), b(9, 3);
    for (const int engine : {kKuro, kSiro}) {
        Run(offBoard, engine, a, b);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        Run(onBoard, engine, a, b);
        EXPECT_GT(KohoCount, 0);
    }
}

// The attacker at D2 only: the owner's point plus the attacker's reading,
// quartered when one of them is negative.
TEST_F(Kankei11Test, OuterStoneAtTheFirstStepQuartersANegativeReading)
{
    struct {
        const char* diagram;
        const char *a, *b;
        bool quartered;
    } const cases[] = {
        {R"(
            . . X . . . . . .
            . . . O . . . . .
            . . X . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            O . . . . . . . .
            O X . . . . . . .
            . . . . . . . . .
            X . . O . . . . .)",
         "B7", "C3", true},
        {R"(
            . . . . . . . O .
            . . . X . . . . X
            . . . . . . . . .
            . . . X . . . . .
            . . . . . . O . .
            . . . X . . . . .
            . . . . O . . . O
            . . . . . . . . .
            . . . . . . . . .)",
         "H1", "G5", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        Run(c.diagram, kKuro, ParsePoint(c.a), ParsePoint(c.b));
        const TShape s(11, ParsePoint(c.a), ParsePoint(c.b));
        const int own = s.Own(), att = s.Opp();
        ASSERT_EQ(s.d(2), att);
        const Point p = s.R(2), q = s.R(3), n = s.R(4), m = s.R(5);
        const Point t = s.d(1) == own ? n : p;
        const int e = UtuHyoka(own, t);
        TIroCounts around;
        CountNeighbour(StepBeyond(m, n), around);
        const bool pressed = around[att] >= 2 && around[own] == 0;
        int a = 0;
        if (pressed) {
            a = UtuHyoka(att, m);
        } else {
            TShapeYomi y(TRefusal::GoOn);
            a = y.ScoreAfter(att, {{att, p}, {own, q}, {att, m}});
        }
        ASSERT_EQ(e < 0 || a < 0, c.quartered);
        const Point where = JibunIro == own ? t : (pressed ? m : p);
        const auto v = KohoValueAt(where);
        ASSERT_TRUE(v.has_value()) << CandidateList();
        EXPECT_EQ(*v, c.quartered ? (e + a) / 4 : e + a);
    }
}

// A pattern read in its half-turn placement reads the cells of the pair
// taken the other way round.
TEST_F(Kankei11Test, HalfTurnPlacementReadsAsThePairReversed)
{
    // Black's C7 and D3 alone, and one White stone at the higher cell of
    // each pair: R5, R6, R7, R8 inside, D5, D6, D7, D8 outside.
    const std::string alone = WithStone(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
                                        kA, 'X');
    int answered = 0;
    for (const char* cell : {"D5", "C4", "D4", "C3", "E5", "B4", "E4", "B3"}) {
        const std::string diagram = WithStone(alone, ParsePoint(cell), 'O');
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << cell << ", engine " << engine);
            Run(diagram.c_str(), engine, kA, kB);
            const std::string forward = CandidateList();
            answered += KohoCount > 0 ? 1 : 0;
            Run(diagram.c_str(), engine, kB, kA);
            EXPECT_EQ(CandidateList(), forward);
        }
    }
    EXPECT_GE(answered, 12) << "too few of the placements are answered to test much";
}

TEST(Kankei11Sweep, RandomPositionsAroundTheShapeKeepTheContract)
{
    constexpr int kPositions = 200;
    // One attacker's stone on a cell of each pair, inside or outside.
    const std::vector<TShapeCell> triggers = {{0, 2, 'X'}, {1, 1, 'X'}, {0, 1, 'X'}, {1, 0, 'X'},
                                              {-1, 2, 'X'}, {2, 1, 'X'}, {-1, 1, 'X'}, {2, 0, 'X'}};
    const int answered = SweepShapes(
        kPositions,
        [&triggers](std::uint64_t seed, TShapePlacement& pl) {
            return PlaceShape(seed % 3 == 0 ? 13 : 9, {triggers[seed % triggers.size()]}, Point(1, 4),
                              15 + static_cast<int>(seed % 4) * 10, pl);
        },
        {"Kankei11Utu"});
    EXPECT_GT(answered, kPositions / 4) << "the shape was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

// The second passes over the relations (stages 6 and 7): which pair-list
// entries reach which handler, the knight's-move answers and the move
// between two opponent's stones, on diagrams with known answers.
#include <cstdint>
#include <string>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/ShapeHarness.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/Kankei4Hokyo.h"
#include "engine/shapes/KankeiHokyo.h"
#include "engine/shapes/Ogeima.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

using KankeiHokyoTest = VornTest;

Point P(const char* name) { return ParsePoint(name); }

TEST(KankeiHokyoValue, TotalsAreRaisedAsTheRulesSay)
{
    struct {
        int (*rule)(int);
        int sum, value;
    } const cases[] = {
        // The answer to a contact at a knight's move: small totals doubled.
        {KeimaHokyoValue, 3, 6},
        {KeimaHokyoValue, 4, 4},
        {KeimaHokyoValue, -2, -4},
        // The move between two opponent's stones: 4 more from 8 on.
        {KeimaOgeimaValue, 8, 12},
        {KeimaOgeimaValue, 7, 7},
        // The far answer of the knight's move, for the attacker.
        {[](int v) { return Kankei4FarValue(v, true); }, 2, 4},
        {[](int v) { return Kankei4FarValue(v, true); }, 10, 15},
        {[](int v) { return Kankei4FarValue(v, true); }, -3, -6},
        {[](int v) { return Kankei4FarValue(v, false); }, 2, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rule(c.sum), c.value) << c.sum;
}

TEST_F(KankeiHokyoTest, EachModeHandsItsKindsToTheirHandlers)
{
    struct {
        const char* diagram;
        Point a, b;
        void (*handler)(Point, Point);
        int kind, mode;
        bool handled;
    } const cases[] = {
        {kKnightContact, P("C7"), P("D5"), Kankei4Hokyo, 4, 1, true},
        {kKnightContact, P("C7"), P("D5"), Kankei4Hokyo, 4, 2, false},
        {kKnightContact, P("C7"), P("D5"), Kankei4Hokyo, 24, 1, false},
        {kKnightContact, P("C7"), P("D5"), Kankei4Hokyo, 4, 3, false},
        {kLargeKnightFar, P("C7"), P("D4"), Kankei7Hokyo, 7, 2, true},
        {kLargeKnightFar, P("C7"), P("D4"), Kankei7Hokyo, 7, 1, false},
        {kLargeKnightFar, P("C7"), P("D4"), Kankei7Hokyo, 27, 2, false},
    };
    for (const auto& c : cases) {
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << "kind " << c.kind << " mode " << c.mode << " engine " << engine);
            PrepareDecision(c.diagram, engine);
            KohoKind = kkHokyo;
            c.handler(c.a, c.b);
            ASSERT_GT(KohoCount, 0) << "the handler itself answers";
            const std::string direct = CandidateList();
            KohoCount = 0;
            // The pair answered already: the second pass reads it anyway.
            TGoban& g = *GobanLv[0];
            g.PairClear();
            g.SetPairFlag(g.PairAdd(c.a, c.b, c.kind), 1);
            KohoKind = 0;
            const std::uint64_t before = StackHash();
            Point out;
            KankeiHokyo(c.mode, out);
            EXPECT_EQ(StackHash(), before);
            EXPECT_EQ(KohoKind, kkHokyo);
            EXPECT_EQ(CandidateList(), c.handled ? direct : "");
            if (c.handled && KohoBestScore >= 10 * 11)
                EXPECT_EQ(out, Koho.Pt[1]);
            else
                EXPECT_EQ(out, Point());
        }
    }
}

TEST_F(KankeiHokyoTest, KnightsMoveAnswersNothingWithTheAttackerOnACuttingPoint)
{
    for (const char* extra : {"C6", "D6"}) {
        SCOPED_TRACE(extra);
        const std::string diagram = WithStone(kKnightContact, P(extra), 'O');
        for (const int engine : {kKuro, kSiro}) {
            PrepareDecision(diagram.c_str(), engine);
            KohoKind = kkHokyo;
            Kankei4Hokyo(P("C7"), P("D5"));
            EXPECT_EQ(KohoCount, 0) << CandidateList();
        }
    }
    // Contact stones at both ends: no contact answer.
    const char* const both = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . O X . . . . .
        . . . . . . . . .
        . . X O . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    PrepareDecision(both, kKuro);
    Kankei4Hokyo(P("C7"), P("D5"));
    EXPECT_EQ(KohoCount, 0) << CandidateList();
}

// A 13x13 middle game: Black's knight's move F7-D8 with White's contact
// stone at D7 beside D8; both groups are alive.  Black's answer at E7.
const char* const kLiving = R"(
    . . . . . X . X X . . . .
    O . . O O . . . . . . X X
    X X . X . . O X X O X . .
    . . . . . O . . . O O . X
    O . . O . . O . . . X . O
    O O . . . . . . X O . X X
    O O . O . X . . . O . X O
    X . X X . . . X O X O X O
    . X . . O . . X . X X . .
    X X . X O . O . O . O . .
    X . X . X X . O O O . . O
    . X O . . . O . . O X X X
    X . . O O . O O O . . . .)";

TEST_F(KankeiHokyoTest, ContactAnswerTakesOnlyKnightsMoves)
{
    for (const int kind : {4, 2, 3, 7, 24}) {
        SCOPED_TRACE(kind);
        PrepareDecision(kLiving, kKuro);
        TGoban& g = *GobanLv[0];
        g.PairClear();
        g.PairAdd(P("F7"), P("D8"), kind);
        KohoKind = kkKeimaHokyo;
        const std::uint64_t before = StackHash();
        Point out;
        KeimaHokyo(out);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
        if (kind == 4) {
            ASSERT_EQ(KohoCount, 1) << CandidateList();
            EXPECT_EQ(Koho.Pt[1], P("E7"));
            EXPECT_EQ(Koho.Kind[1], kkKeimaHokyo);
            EXPECT_EQ(out, P("E7"));
        } else {
            EXPECT_EQ(KohoCount, 0) << CandidateList();
            EXPECT_EQ(out, Point());
        }
    }
}

// White's G3 reaches Black's E4 by a knight's move and D2 by a (1,3) shape;
// E4 and D2 are a knight's move apart with nothing around E4.  White plays
// E3 between them (D3, the other middle point, is three from G3), and after
// Black's D3 answers at F4, halfway from G3 to the point E5 above E4.
const char* const kBetween = R"(
    . . X O . . . . . O O . .
    . O O X . . . . O . O . O
    . . . . . . O O . . X . X
    X O O . X . O X . . X . O
    O . X . . . . . . . . O .
    . . . X . . X X O O O X O
    . O X X . . . O O X . . O
    O . X X . . . . . X X . .
    . O O X . . X X O X X O X
    . . O . X O . O . X . . O
    X X X . X O O . X X O O .
    X . . . . . . O X . . . .
    . X X . O . . X O . . . X)";

TEST_F(KankeiHokyoTest, MoveBetweenTwoStonesAndItsPreparedAnswer)
{
    PrepareDecision(kBetween, kSiro);
    KohoKind = 0;
    const std::uint64_t before = StackHash();
    Point out;
    KeimaOgeimaHokyo(out);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(KohoKind, kkKeimaHokyo);
    ASSERT_EQ(KohoCount, 1) << CandidateList();
    EXPECT_EQ(Koho.Pt[1], P("E3"));
    const int w = kSiro, b = kKuro;
    TShapeYomi y(TRefusal::GoOn);
    const int e1 = y.ScoreAfter(w, {{w, P("E3")}, {b, P("D3")}, {w, P("F4")}});
    const int e2 = y.ScoreAfter(b, {{b, P("F3")}});
    EXPECT_EQ(Koho.Value[1], KeimaOgeimaValue(e1 + e2));
    EXPECT_EQ(out, P("E3"));
    ASSERT_EQ(PreparedTeCount, 1);
    EXPECT_EQ(PreparedTe.OwnTe[1], P("E3"));
    EXPECT_EQ(PreparedTe.AiteTe[1], P("D3"));
    EXPECT_EQ(PreparedTe.AnswerTe[1], P("F4"));
    // The opponent's stones are no reason for Black to play between them.
    PrepareDecision(kBetween, kKuro);
    KeimaOgeimaHokyo(out);
    EXPECT_FALSE(KohoValueAt(P("E3")).has_value()) << CandidateList();
}

// White's knight's move C7-D5 with Black's stone outside the middle point
// C6, at B6.  After Black's cut at C6 and White's D6, C7 has two liberties:
// Black's atari from D7 lets White extend to B7, where a ladder from B8
// catches it; Black's atari from B7 lets White extend to D7, with no ladder.
const char* const kOutsideLadder = R"(
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    X . X . . . . . . . . . .
    O . . O O . . . . . . . .
    . X . . . . . . . . . . .
    . . O . . . . . . . . . .
    . . X . . . . . . . . . .
    . . . X . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .)";

TEST_F(KankeiHokyoTest, OutsideStoneReadsTheLadderAfterTheAtari)
{
    const int w = kSiro, b = kKuro;
    const Point p1 = P("C6"), p2 = P("D6"), q = P("D7"), l1 = P("D7"), l2 = P("B7"), m = P("B8");
    PrepareDecision(kOutsideLadder, b);
    KohoKind = kkHokyo;
    const std::uint64_t before = StackHash();
    Kankei4Hokyo(P("C7"), P("D5"));
    EXPECT_EQ(StackHash(), before);
    const auto got = KohoValueAt(p1);
    ASSERT_TRUE(got.has_value()) << CandidateList();

    // The readings of the outside answer, with the engine cutting.
    TShapeYomi y(TRefusal::GoOn);
    ASSERT_TRUE(y.Play(w, p1));
    CurGoban().Analyze();
    const int eDef = HyokaDiff(w);
    y.BackAll();
    ASSERT_TRUE(y.Play(b, p1));
    ASSERT_TRUE(y.Play(w, p2));
    ASSERT_EQ(KuuOf(P("C7")), 2);
    ASSERT_TRUE(y.PushPlay(b, l1));
    ASSERT_TRUE(y.Play(w, l2));
    ASSERT_EQ(SichoCheck(l2), 1);
    ASSERT_EQ(SichoTeOf(l2, 1), m);
    const int ex = y.ScoreAfter(b, {{b, m}});
    y.Back();
    ASSERT_GT(ex, 0);
    const int ey1 = y.ScoreAfter(b, {{w, m}, {b, l2}});
    y.Back();
    // The second atari reaches White's extension but finds no ladder.
    ASSERT_TRUE(y.PushPlay(b, l2));
    ASSERT_TRUE(y.Play(w, l1));
    ASSERT_NE(SichoCheck(l1), 1);
    y.BackTo(1);
    const int ez = y.ScoreAfter(b, {{w, q}, {b, p2}, {w, StepBeyond(p1, p2)}});
    const int bonus = y.ScoreAfter(b, {{b, p2}});
    y.BackAll();
    // The answer to the ladder replaces the cut's own value; the block at
    // D7 may lower it further.
    int eAtt = std::min(ex, ey1);
    if (ez < ex)
        eAtt = ez;
    int v = eDef + eAtt;
    if (2 * v < bonus)
        v *= 2;
    EXPECT_EQ(*got, v);
}

TEST(KnightHokyoSweep, RandomPositionsAroundTheKnightsMoveKeepTheContract)
{
    constexpr int kPositions = 200;
    // An attacker's stone beside an end, outside a middle point, or on the
    // far line.
    const TShapeCell triggers[] = {{1, 0, 'X'}, {-1, 1, 'X'}, {2, 0, 'X'}};
    const int answered = SweepShapes(
        kPositions,
        [&triggers](std::uint64_t seed, TShapePlacement& pl) {
            return PlaceShape(seed % 3 == 0 ? 13 : 9, {triggers[seed % 3], {0, 1, '.'}, {1, 1, '.'}}, Point(1, 2),
                              15 + static_cast<int>(seed % 4) * 10, pl);
        },
        {"Kankei4Hokyo"});
    EXPECT_GT(answered, kPositions / 4) << "the knight's move was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

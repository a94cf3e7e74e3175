// The (1,3) links on diagrams with known answers, and random positions
// around the shape.  Expected values are read on the board by the sequences
// the answers stand for, so a wrong move, a wrong order or a wrong
// correction shows.  Every call leaves the boards and the level as found.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "GnuGo.h"
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
#include "engine/Yose.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/LinkUtil.h"
#include "engine/shapes/Ogeima.h"
#include "engine/shapes/OgeimaSoto.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

class OgeimaTest : public VornTest {
protected:
    // The diagram prepared for the engine's colour, the handler called under
    // reason 5: nothing may be left on the boards.
    static void Run(const char* diagram, int engine, Point a, Point b, void (*handler)(Point, Point) = Kankei7Utu)
    {
        RunHandler(diagram, engine, a, b, handler);
    }
    // Hyoka(scorer) after the moves, all taken back (a refused move is
    // skipped).
    static int After(int scorer, std::initializer_list<TYomiMove> moves)
    {
        TShapeYomi y(TRefusal::GoOn);
        for (const TYomiMove& m : moves)
            y.Play(m.c, m.p);
        return y.ScoreReached(scorer);
    }
    struct TCand {
        int value, bonus, kind;
    };
    static std::optional<TCand> At(Point p)
    {
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                return TCand{Koho.Value[i], Koho.Bonus[i], Koho.Kind[i]};
        return std::nullopt;
    }
};

Point P(const char* name) { return ParsePoint(name); }

// The frame of most diagrams: Black's C7-D4 (A at (3,7), B at (4,4)), so
//     R0 C7  R1 D7  R2 C6  R3 D6  R4 C5  R5 D5  R6 C4  R7 D4
//     D0 B7  D1 E7  D2 B6  D3 E6  D4 B5  D5 E5  D6 B4  D7 E4
constexpr Point kA(3, 7), kB(4, 4);

// The table a pattern routine leaves on the prepared position.
std::string TableOf(void (*routine)(const TShape&), Point a, Point b)
{
    KohoCount = 0;
    KohoKind = kkKankei;
    routine(TShape(7, a, b));
    return CandidateList();
}

TEST_F(OgeimaTest, FirstTriggerInOrderPicksThePattern)
{
    struct {
        const char* what;
        const char* diagram;
        void (*routine)(const TShape&);
        void (*other)(const TShape&); // a later pattern that would also match
    } const cases[] = {
        {"inside at C6 and beside A at D7: inside only", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . . . . . . . .
            . . O . . . . . .
            . . X O . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         OgeimaNakaUtu, OgeimaTukeUtu},
        {"beside A at D7 and on the outer line at E6", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . . . . . . . .
            . . . . O . . . .
            . . X O . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         OgeimaTukeUtu, OgeimaNozokiUtu},
        {"the peep at E6 before the stone outside B's line at E7", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . . . . . . . .
            . . . . O . . . .
            . . X . O . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         OgeimaNozokiUtu, OgeimaSotoUtu},
        {"the cap at B6 before the stone behind A at B7", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . . . . . . . .
            . O . . . . . . .
            . O X . . . . . .
            . . O . . . . . .
            . . . . . . . . .)",
         OgeimaKakeUtu, OgeimaUraUtu},
    };
    for (const auto& c : cases) {
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << c.what << ", engine " << engine);
            PrepareDecision(c.diagram, engine);
            const std::string first = TableOf(c.routine, kA, kB);
            const std::string other = TableOf(c.other, kA, kB);
            Run(c.diagram, engine, kA, kB);
            EXPECT_EQ(CandidateList(), first);
            if (engine == kKuro) {
                EXPECT_NE(first, "") << "the case adds nothing, so it shows no order";
                EXPECT_NE(first, other);
            }
        }
    }
}

TEST_F(OgeimaTest, OneStoneAtC6WithTheAttackerOutsideAtE6GivesNothing)
{
    const char* const alone = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . O . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const char* const withD3 = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . O . O . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        Run(alone, engine, kA, kB);
        EXPECT_GT(KohoCount, 0) << "without E6 the inside stone is answered";
        Run(withD3, engine, kA, kB);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
    }
}

// The owner's R5 against the attacker's R5 answered at R4: doubled when the
// attacker's reading is worth more than twice the sum, else with the
// attacker's reading as the bonus.
TEST_F(OgeimaTest, ContactAnswerCarriesTheAttackersValueAsBonusUnlessDoubled)
{
    struct {
        const char* diagram;
        const char *a, *b, *r4, *r5;
        bool doubled;
    } const cases[] = {
        {R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . O . . . .
            . . X . . . . . .
            . . . . . . . . .
            X . . O . . . . .
            . X O . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         "B7", "C4", "B5", "C5", true},
        {R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . O . . .
            . . . . . O . . .
            . . . . . O . X .
            . . . . . . . . .
            . . . . O X . . O
            . . . . . . X O .)",
         "G9", "H6", "G7", "H7", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        Run(c.diagram, kKuro, P(c.a), P(c.b));
        const int own = kKuro, opp = kSiro;
        const Point r4 = P(c.r4), r5 = P(c.r5);
        const int e1 = After(own, {{own, r5}});
        const int e2 = After(opp, {{opp, r5}});
        const int e3 = After(opp, {{opp, r5}, {own, r4}});
        const int v = e1 + e3;
        ASSERT_EQ(2 * v < e2, c.doubled);
        const auto got = At(r5);
        ASSERT_TRUE(got.has_value()) << CandidateList();
        EXPECT_EQ(got->value, c.doubled ? 2 * v : v);
        EXPECT_EQ(got->bonus, c.doubled ? 0 : KohoBonusClamp(v, e2));
    }
}

// One attacker's stone at R2 with the owner's at D3: when the first reading
// is worth 0 or less, the owner's block outside is read as well; a total of
// 5 or less is doubled for the attacker and raised by half for the owner.
TEST_F(OgeimaTest, CrosscutBesideASecondReadingIsRaised)
{
    struct {
        const char* diagram;
        const char *a, *b;
        int engine;
        int own;
    } const cases[] = {
        {R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . X . . X X
            . . . X . . . . .
            . . . X . . . X O
            . . . X . O . . .
            . . . O X . . O .)",
         "I7", "F8", kKuro, kSiro},
        {R"(
            X . . . . . X . .
            X . . . . . . . .
            . . . X . . . . .
            . X . . . . . . .
            . . . O X . . . .
            . . . . . . . . .
            . . . O . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         "E5", "B4", kKuro, kKuro},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        Run(c.diagram, c.engine, P(c.a), P(c.b));
        const TShape s(7, P(c.a), P(c.b));
        ASSERT_EQ(s.Own(), c.own);
        const int own = s.Own(), opp = s.Opp();
        const Point r1 = s.R(1), r3 = s.R(3), r5 = s.R(5), w = s.D(5);
        const int e0 = After(own, {{own, r3}});
        const int first =
            e0 + std::min(After(opp, {{opp, r3}, {own, r1}, {opp, w}, {own, r5}}), After(opp, {{opp, r3}, {own, w}, {opp, r1}}));
        ASSERT_LE(first, 0) << "the second reading is not reached";
        const int total = e0 + After(opp, {{opp, r3}, {own, r1}, {opp, r5}, {own, w}});
        ASSERT_GE(total, 2);
        ASSERT_LE(total, 5);
        const int second = c.engine == opp ? 2 * total : total + total / 2;
        const auto got = At(r3);
        ASSERT_TRUE(got.has_value()) << CandidateList();
        EXPECT_EQ(got->value, std::max(first, second));
    }
}

TEST_F(OgeimaTest, CapsOnBothOuterLinesValueBothInnerPointsOnly)
{
    const char* const both = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . O . . . .
        . O . . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        Run(both, engine, kA, kB);
        const std::string got = CandidateList();
        KohoCount = 0;
        AddKohoTry(P("C6"));
        AddKohoTry(P("D5"));
        EXPECT_EQ(got, CandidateList());
        EXPECT_EQ(KohoCount, 2);
    }
}

// The engine attacking with the cap at D2: a total of exactly 4 is raised to
// 7, and 0 or less adds nothing at R2 under the pair's reason.
TEST_F(OgeimaTest, CapForTheAttackerRaisesFourToSevenAndDropsNothing)
{
    struct {
        const char* diagram;
        const char *a, *b;
        int value; // at R2 under reason 5; 0 none
    } const cases[] = {
        {R"(
            . . . . . . . . .
            . . . . X . . X X
            . . . X . . . . .
            . . . X . . . X X
            . . . . O . . . O
            . . . X . O . . .
            . . . O . . . . O
            . . . X O O . . .
            . . . O . . O O O)",
         "I5", "F6", 7},
        {R"(
            X X . . . . . . .
            . O . . . O . . .
            X . . . O . . . .
            . . . X . X O . .
            . . . . . . . . .
            . . O O . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         "E3", "B2", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        Run(c.diagram, kKuro, P(c.a), P(c.b));
        const TShape s(7, P(c.a), P(c.b));
        ASSERT_EQ(s.Opp(), kKuro);
        ASSERT_EQ(s.d(2), kKuro);
        const int own = s.Own(), opp = s.Opp();
        // The cut behind the push, as the pattern reads it.
        int k = 0;
        {
            TShapeYomi y(TRefusal::GoOn);
            y.Play(opp, s.R(2));
            y.Play(own, s.R(3));
            k = KiriHyoka(opp, s.R(1), s.R(3), s.R(0));
            if (k < 0)
                k = Kankei7SubHyoka(s.Box(), opp);
        }
        int v = UtuHyoka(own, s.R(2)) + k;
        if (k == 2)
            v *= 2;
        const auto got = At(s.R(2));
        if (c.value == 0) {
            ASSERT_LE(v, 0);
            EXPECT_TRUE(!got.has_value() || got->kind != kkKankei) << CandidateList();
        } else {
            ASSERT_EQ(v, 4);
            ASSERT_TRUE(got.has_value()) << CandidateList();
            EXPECT_EQ(got->value, c.value);
            EXPECT_EQ(got->kind, kkKankei);
        }
    }
}

// The attacker outside B's line at A's end, the owner at D6: the owner's R3
// gets two thirds of the total, the attacker's D5 half of it.
TEST_F(OgeimaTest, StoneOutsideGivesTwoThirdsToTheOwnerAndHalfToTheAttacker)
{
    const char* const outside = R"(
        . . . . . X . O .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . O . O
        . . . O . . X . .
        . . . . . . . O .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point a = P("H1"), b = P("G4");
    for (const int engine : {kKuro, kSiro}) {
        Run(outside, engine, a, b);
        const TShape s(7, a, b);
        const int own = s.Own(), opp = s.Opp();
        ASSERT_EQ(s.d(1), opp);
        ASSERT_EQ(s.d(6), own);
        const int v = UtuHyoka(own, s.R(3)) + After(opp, {{opp, s.R(2)}, {own, s.D(2)}});
        const Point p = engine == own ? s.R(3) : s.D(5);
        const auto got = At(p);
        ASSERT_TRUE(got.has_value()) << CandidateList();
        EXPECT_EQ(got->value, engine == own ? (2 * v) / 3 : v / 2);
    }
}

// A on the first line with the attacker beside it and on two points beyond
// B's line: both sides' play at R2, valued for the attacker.
TEST_F(OgeimaTest, ContactWithAOnTheFirstLineIsReadAtTheHane)
{
    const char* const firstLine = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O O . . . .
        . . O . . X . . .
        . . X . . . . . .)";
    const Point a = P("C9"), b = P("F8"), r2 = P("D9");
    for (const int engine : {kKuro, kSiro}) {
        Run(firstLine, engine, a, b);
        const auto got = At(r2);
        ASSERT_TRUE(got.has_value()) << CandidateList();
        EXPECT_EQ(got->value, After(kSiro, {{kSiro, r2}}) + After(kSiro, {{kKuro, r2}}));
        EXPECT_EQ(LinkMark1[5][8], 1) << "R5 is marked";
    }
}

// Near the edge with the attacker's stone behind R1: the ladder is worth a
// fixed 25, the reading only sets the bonus.
TEST_F(OgeimaTest, LadderOutsideNearTheEdgeIsWorthTwentyFive)
{
    const char* const edge = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . O . . . . . .
        . O . . . X . . .
        . . X . . . . . .
        . . . . . . . . .)";
    const Point a = P("C8"), b = P("F7");
    for (const int engine : {kKuro, kSiro}) {
        Run(edge, engine, a, b);
        const TShape s(7, a, b);
        const int own = s.Own(), opp = s.Opp();
        // The attacker's ladder on A after its own R4, as the value reads it.
        int eOpp = 0;
        {
            TShapeYomi y(TRefusal::GoOn);
            for (const TYomiMove m : {TYomiMove{opp, s.R(4)}, {own, s.R(5)}, {opp, s.R(2)}, {own, s.R(3)},
                                      {opp, s.R(1)}, {own, s.R(6)}})
                y.Play(m.c, m.p);
            ASSERT_EQ(SichoCheck(a), 1);
            y.Play(opp, SichoTeOf(a, 1));
            eOpp = y.Score(opp);
        }
        const int v = UtuHyoka(own, s.R(3)) + eOpp;
        const auto got = At(engine == own ? s.R(3) : s.R(4));
        ASSERT_TRUE(got.has_value()) << CandidateList();
        EXPECT_EQ(got->value, 25);
        EXPECT_EQ(got->bonus, KohoBonusClamp(25, v));
    }
}

// A pattern whose trigger holds only in the mirror placement reads the
// same cells as the pair taken the other way round.
TEST_F(OgeimaTest, MirrorPlacementReadsAsThePairReversed)
{
    struct {
        const char* what;
        const char* diagram;
    } const cases[] = {
        {"inside at D5", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . . O . . . . .
            . . . . . . . . .
            . . X . . . . . .
            . . . . . . . . .
            . . . . . . . . .)"},
        {"beside B at C4", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . O X . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . X . . . . . .
            . . . . . . . . .
            . . . . . . . . .)"},
        {"the cap at E5 with the owner's hane point behind B", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . X . . .
            . . . X . . . . .
            . . . . O . . . .
            . . . . . . . . .
            . . X . . . . . .
            . . . . . . . . .
            . . . . . . . . .)"},
        {"outside A's line at B4", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . O . X . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . X . . . . . .
            . . . . . . . . .
            . . . . . . . . .)"},
    };
    for (const auto& c : cases) {
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << c.what << ", engine " << engine);
            Run(c.diagram, engine, kA, kB);
            const std::string forward = CandidateList();
            Run(c.diagram, engine, kB, kA);
            EXPECT_EQ(CandidateList(), forward);
            if (engine == kKuro) {
                EXPECT_NE(forward, "");
            }
        }
    }
    // The hane behind B: its point beyond B on A's line, C3.
    Run(cases[2].diagram, kKuro, kA, kB);
    const auto hane = At(P("C3"));
    ASSERT_TRUE(hane.has_value()) << CandidateList();
    EXPECT_EQ(hane->value, After(kSiro, {{kSiro, P("D5")}, {kSiro, P("C5")}}));
}

TEST_F(OgeimaTest, SecondPassAnswersOnlyTheStoneOnTheFarOuterLine)
{
    const char* const far = kLargeKnightFar;
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Run(far, engine, kA, kB, Kankei7Hokyo);
        const auto got = At(P("D6"));
        ASSERT_TRUE(got.has_value()) << CandidateList();
        EXPECT_EQ(KohoCount, 1);
        const int v = After(kKuro, {{kKuro, P("D6")}}) +
                      After(kSiro, {{kSiro, P("D6")}, {kKuro, P("C6")}, {kSiro, P("D5")}, {kKuro, P("C5")}, {kSiro, P("E4")}});
        EXPECT_EQ(got->value, v);
        EXPECT_EQ(LinkMark1[4][6], 1);
    }
    // An attacker's stone inside, or on an outer line at step 1 or 2, stops
    // the pass; with stones at both far corners the one at A's end decides.
    std::string base = far;
    for (const char* extra : {"C6", "D6", "C5", "D5", "C4", "D7", "B6", "E6", "B5", "E5"}) {
        SCOPED_TRACE(extra);
        Run(WithStone(base, P(extra), 'O').c_str(), kKuro, kA, kB, Kankei7Hokyo);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
    }
    Run(WithStone(base, P("B4"), 'O').c_str(), kKuro, kA, kB, Kankei7Hokyo);
    EXPECT_TRUE(At(P("D6")).has_value()) << CandidateList();
    EXPECT_FALSE(At(P("C5")).has_value()) << CandidateList();
}

// Large knight's move C3-D6 with White's D4 inside (GTP vertices on 9x9):
// GNU Go joins it at C4 and then finds no way to cut.
TEST_F(OgeimaTest, JoinAgreesWithGnuGo)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_TRUE(gg.Start(9));
    gg.Command("clear_board");
    for (const char* m : {"black C3", "black D6", "white D4"})
        gg.Command(std::string("play ") + m);
    const std::string connect = gg.Command("connect C3 D6");
    Run(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
        kKuro, gg.FromVertex("C3"), gg.FromVertex("D6"));
    int best = 0;
    for (int i = 1; i <= KohoCount; ++i)
        if (best == 0 || Koho.Score(i) > Koho.Score(best))
            best = i;
    ASSERT_GT(best, 0);
    const std::string answer = gg.Vertex(Koho.Pt[best]);
    EXPECT_EQ(answer, "C4");
    EXPECT_NE(connect.find(answer), std::string::npos) << "GNU Go joins with " << connect;
    gg.Command("play black " + answer);
    EXPECT_EQ(gg.Command("disconnect C3 D6"), "0");
}

// The cells of the shape with A at (0, 0) and B at (1, 3): R[2k] at (0, k),
// R[2k + 1] at (1, k), D[2k] at (-1, k), D[2k + 1] at (2, k).
TShapeCell RCell(int i, char what) { return {i % 2, i / 2, what}; }
TShapeCell DCell(int i, char what) { return {i % 2 == 0 ? -1 : 2, i / 2, what}; }

TEST(OgeimaSweep, RandomPositionsAroundTheShapeKeepTheContract)
{
    constexpr int kPositions = 400;
    // The attacker's stones of each pattern (and of some of their readings),
    // the rest at random.
    const std::vector<std::vector<TShapeCell>> triggers = {
        {RCell(2, 'X')},
        {RCell(3, 'X')},
        {RCell(2, 'X'), RCell(5, 'X')},
        {RCell(1, 'X')},
        {RCell(1, 'X'), DCell(0, 'A'), DCell(2, '.'), DCell(3, '.')},
        {RCell(1, 'X'), DCell(3, 'X'), DCell(2, 'A')},
        {DCell(3, 'X')},
        {DCell(3, 'X'), DCell(2, '.'), DCell(4, '.'), DCell(6, 'A'), DCell(1, '.'), DCell(5, '.')},
        {DCell(2, 'X')},
        {DCell(2, 'X'), DCell(6, 'X'), DCell(3, '.'), DCell(4, '.'), DCell(5, '.'), RCell(4, '.')},
        {DCell(2, 'X'), DCell(6, 'X'), DCell(3, '.'), DCell(4, '.'), DCell(5, '.'), RCell(4, '.'), {0, 4, 'A'},
         {1, 4, '.'}},
        {DCell(1, 'X')},
        {DCell(0, 'X')},
    };
    const int answered = SweepShapes(
        kPositions,
        [&triggers](std::uint64_t seed, TShapePlacement& pl) {
            return PlaceShape(seed % 3 == 0 ? 13 : 9, triggers[seed % triggers.size()], Point(1, 3),
                              15 + static_cast<int>(seed % 4) * 10, pl);
        },
        {"Kankei7Utu", "Kankei7Hokyo"});
    EXPECT_GT(answered, kPositions / 4) << "the shape was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

// The diagonal links on diagrams with known answers: which point each side
// gets and with which reason, the cases that give nothing, the corrections of
// the combined value, and the cut's atari reading that leaves its moves for
// its caller.  Every call leaves the boards and the level as it found them.
#include <cstdint>
#include <string>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/ShapeHarness.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Rand.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/Kosumi.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

class KosumiTest : public VornTest {
protected:
    // The diagram prepared for the engine's colour, the handler called under
    // reason 5: nothing may be left on the boards.
    static void Run(const char* diagram, int engine, Point a, Point b, void (*handler)(Point, Point) = KosumiRenraku)
    {
        RunHandler(diagram, engine, a, b, handler);
    }
    // The entry of the candidate at p, 0 when none.
    static int Entry(Point p)
    {
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                return i;
        return 0;
    }
    // The entry of the first candidate with that reason, 0 when none.
    static int EntryOfReason(int reason)
    {
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Kind[i] == reason)
                return i;
        return 0;
    }
    static std::string Table()
    {
        std::string s;
        for (int i = 1; i <= KohoCount; ++i)
            s += " (" + std::to_string(Koho.Pt[i].x) + "," + std::to_string(Koho.Pt[i].y) +
                 ")=" + std::to_string(Koho.Value[i]) + "/" + std::to_string(Koho.Kind[i]);
        return s;
    }
};

// Black's diagonal D4-E5 (A at (4,6), B at (5,5)) with White's stone at E4
// between them: White cuts at D5 (4,5).
const char* const kDiagonal = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . X O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr Point kA(4, 6), kB(5, 5), kCut(4, 5);

TEST_F(KosumiTest, CutPointClosedToTheAttackerGivesNothing)
{
    struct {
        const char* what;
        const char* diagram;
        bool forbidden;
    } const cases[] = {
        {"White may not play at the cut", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . X . X . . . .
            . . . X O . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         true},
        {"the cut is a self-atari", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . X . . . . .
            . . . . X . . . .
            . . . X O . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         false},
    };
    for (const auto& c : cases) {
        for (const int engine : {kKuro, kSiro}) {
            SCOPED_TRACE(testing::Message() << c.what << ", engine " << engine);
            Run(c.diagram, engine, kA, kB);
            const TGoban& g = *GobanLv[0];
            EXPECT_EQ(c.forbidden ? g.IsKinsiPt(kSiro, kCut) : g.IsSelfAtariPt(kSiro, kCut), 1);
            EXPECT_EQ(KohoCount, 0) << Table();
        }
    }
}

TEST_F(KosumiTest, KnightsMovePartnerThatAnswersStopsTheHandler)
{
    const Point a(4, 4), b(5, 5), cut(5, 4);
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        PrepareDecision(kKeimaPartner, engine);
        CurGoban().PairClear();
        CurGoban().PairAdd(a, Point(2, 5), 4);
        KohoKind = kkKankei;
        KosumiRenraku(a, b);
        ASSERT_EQ(KohoCount, 1) << Table();
        EXPECT_EQ(Koho.Pt[1], cut);
        EXPECT_EQ(Koho.Kind[1], kkKankei) << "the partner's candidate, not the diagonal's";
        const std::string partner = Table();
        // Without the partner the diagonal reads the cut itself.
        PrepareDecision(kKeimaPartner, engine);
        CurGoban().PairClear();
        KohoKind = kkKankei;
        KosumiRenraku(a, b);
        EXPECT_GT(KohoCount, 0);
        EXPECT_NE(Table(), partner);
    }
}

TEST_F(KosumiTest, EngineAttackingGetsTheCutWithReasonFour)
{
    Run(kDiagonal, kSiro, kA, kB);
    const int i = EntryOfReason(4);
    ASSERT_NE(i, 0) << Table();
    EXPECT_EQ(Koho.Pt[i], kCut);
    EXPECT_EQ(Koho.RelPt[i], kCut);
    EXPECT_EQ(EntryOfReason(3), 0) << Table();
}

TEST_F(KosumiTest, EngineOwningGetsTheDefenceWithReasonThree)
{
    // White's E4 has two liberties and escapes a ladder: Black's atari from
    // below, E3 (5,7), keeps the link.
    Run(kDiagonal, kKuro, kA, kB);
    const int i = EntryOfReason(3);
    ASSERT_NE(i, 0) << Table();
    EXPECT_EQ(Koho.Pt[i], Point(5, 7));
    EXPECT_EQ(Koho.RelPt[i], kCut);
    EXPECT_EQ(EntryOfReason(4), 0) << Table();
}

// White's E4-E3 (two stones) between Black's diagonal D4-E5 has two
// liberties side by side: F4 (6,6), whose only empty neighbour is F3, and
// F3 (6,7) with two. Black's outer atari is F3; White's F4 after it has no
// liberty and captures nothing, so it is refused. White's ladder escape is
// the capture of Black's E2 at F2, so the pair is not settled as a ladder.
const char* const kOuterRefused = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X X . . .
    . . . X O . X . .
    . . . X O . X . .
    . . . O X . . . .
    . . . . O . . . .)";

TEST_F(KosumiTest, OuterAtariWhoseAnswerIsRefusedIsKept)
{
    // The refused answer leaves the outer atari F3 as Black's defence of the
    // link, with reason 3 and the cut D5 as its related point; the cut point
    // itself is not marked, as it is for the plain defence.
    FillGrid(LinkMark2, std::uint8_t{0});
    Run(kOuterRefused, kKuro, kA, kB);
    const int i = EntryOfReason(3);
    ASSERT_NE(i, 0) << Table();
    EXPECT_EQ(Koho.Pt[i], Point(6, 7)) << Table();
    EXPECT_EQ(Koho.RelPt[i], kCut);
    EXPECT_EQ(LinkMark2[kCut.x][kCut.y], 0);
    EXPECT_EQ(Level, 0);
}

TEST_F(KosumiTest, CutOnTheThirdLineWorthMoreThanTenGainsFive)
{
    // Black C3-D4 (3,7)-(4,6) with White's D3 (4,7): the cut at C4 (3,6) is
    // on the third line.  The defence's and the cut's values read the same
    // combined value; only the attacker's gains 5.
    const char* const line3 = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . X O . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point a(3, 7), b(4, 6), cut(3, 6);
    ASSERT_EQ(LineNo(cut.x, cut.y), 3);
    Run(line3, kKuro, a, b);
    const int own = EntryOfReason(3);
    ASSERT_NE(own, 0) << Table();
    const int vOwn = Koho.Value[own];
    Run(line3, kSiro, a, b);
    const int att = EntryOfReason(4);
    ASSERT_NE(att, 0) << Table();
    EXPECT_EQ(Koho.Pt[att], cut);
    EXPECT_EQ(Koho.Value[att], vOwn + 5);
}

TEST_F(KosumiTest, KoAtTheCrossingPointGivesTwoThirds)
{
    // White's stone at (4,5) between Black's (4,4) and (5,5) is in atari, and
    // Black's capture at (4,6) would be a ko.  The cut at (5,4) is on the
    // fourth line; the defence the board's shape answer gives is (5,3).
    const char* const ko = R"(
        . . . . . . . . .
        . . . . . . O . .
        . . . . . . . . .
        . . X X . . . . .
        . . X O X X . . .
        . . O . O . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point a(4, 4), b(5, 5), cut(5, 4), defence(5, 3);
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        PrepareDecision(ko, engine);
        ASSERT_TRUE(RenIsKou(ToruRenAt(Point(4, 5))));
        const int combined = UtuHyoka(kKuro, defence) + UtuHyoka(kSiro, cut);
        Run(ko, engine, a, b);
        const int i = Entry(engine == kKuro ? defence : cut);
        ASSERT_NE(i, 0) << Table();
        EXPECT_EQ(Koho.Kind[i], engine == kKuro ? 3 : 4);
        EXPECT_EQ(Koho.Value[i], combined * 2 / 3) << "combined " << combined;
    }
}

// The cut's atari reading hands its moves to the caller: the escape and the
// cutter's run stay on the board until the caller has valued the position,
// and the caller takes back exactly those.
TEST_F(KosumiTest, CutAtariReadingLeavesItsMovesForTheCaller)
{
    struct {
        const char* what;
        const char* diagram;
        Point c2, s, l;
        int hold;
        Point w;
        bool escaped; // our extension stands
    } const cases[] = {
        {"both get out: the escape and the cutter's run stand", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . X X X .
            . . . . . O . O .
            . . . . O X . . .
            . . . . X . O . .
            . . O O . . O . .)",
         Point(6, 8), Point(6, 7), Point(7, 7), 1, Point(8, 8), true},
        {"the escape fails: nothing stands", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . O . X . . . .
            . O . X O . . . .
            . . . O . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         Point(4, 5), Point(4, 6), Point(3, 6), 1, Point(), false},
        {"the cutter dies: only the escape stands", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . O X . X X
            . . . . . O . . .
            . . . . . . O X X
            . . . . . . X . .)",
         Point(8, 9), Point(7, 9), Point(6, 9), 0, Point(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int own = kKuro, opp = kSiro;
        PrepareDecision(c.diagram, opp);
        ASSERT_EQ(IroOf(c.s), own);
        TShapeYomi y(TRefusal::GoOn);
        ASSERT_TRUE(y.Play(opp, c.c2));
        ASSERT_EQ(KuuOf(c.s), 1);
        const std::uint64_t cut = StackHash();
        Point w;
        EXPECT_EQ(KosumiKiriAtari(y, c.c2, c.s, c.l, w), c.hold);
        EXPECT_EQ(w, c.w);
        EXPECT_EQ(IroOf(c.l), c.escaped ? own : kAki);
        if (c.w.x != 0) {
            EXPECT_EQ(IroOf(c.w), opp);
        }
        y.BackTo(1);
        EXPECT_EQ(StackHash(), cut) << "the caller's take-back leaves the cut";
        y.BackAll();
        EXPECT_EQ(Level, 0);
    }
}

// --- Random positions around the cut ---------------------------------------------

// The diagonal's handlers on random stones around the shape, for each side:
// the boards, the level and the reason code as found, only codes 3 and 4
// besides the one in force.
TEST_F(KosumiTest, RandomPositionsAroundTheCutKeepTheContract)
{
    constexpr int kPositions = 1000;
    // C1 holds the attacker's stone, C2 is open.
    const int answered = SweepShapes(
        kPositions,
        [](std::uint64_t seed, TShapePlacement& pl) {
            return PlaceShape(seed % 3 == 0 ? 13 : 9, {{0, 1, 'X'}, {1, 0, '.'}}, Point(1, 1),
                              25 + static_cast<int>(seed % 4) * 10, pl);
        },
        {"KosumiRenraku", "KosumiHokyo"});
    EXPECT_GT(answered, kPositions / 4) << "the cut was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

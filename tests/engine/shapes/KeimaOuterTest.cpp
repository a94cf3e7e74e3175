// The knight's move with the attacker's stone on a middle point (the wedge)
// and with its stones just outside the box, on diagrams with known answers.
// Expected values are read on the board by the sequences the answers stand
// for; the totals' corrections are checked on the values they are given.
// Every call leaves the boards and the level as it found them.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/ShapeHarness.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/KeimaWarikomi.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

class KeimaOuterTest : public VornTest {
protected:
    static void Run(const char* diagram, int engine, Point a, Point b)
    {
        RunHandler(diagram, engine, a, b, KeimaRenraku);
    }
};

// Black's knight's move (3,7)-(4,5); White's wedge at (4,6) (R[3]), so the
// frame is the mirrored one: G (3,6), H1 (3,5), E_G (2,6), E_H (2,5),
// E_D (2,7).
constexpr Point kA(3, 7), kB(4, 5);
constexpr Point kG(3, 6), kH1(3, 5), kEG(2, 6);

const char* const kWedge = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . O . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(KeimaOuterTest, WedgeFrameNamesTheBoxFromTheWedge)
{
    PrepareDecision(kWedge, kKuro);
    const TKeimaBox box(kA, kB);
    const TWariFrame f(box.Rs(), box.att, box.c[2] != box.att);
    EXPECT_TRUE(f.atR3);
    EXPECT_EQ(f.W, Point(4, 6));
    EXPECT_EQ(f.G, kG);
    EXPECT_EQ(f.Nn, kB);
    EXPECT_EQ(f.Dd, kA);
    EXPECT_EQ(f.H1, kH1);
    EXPECT_EQ(f.EG, kEG);
    EXPECT_EQ(f.EH, Point(2, 5));
    EXPECT_EQ(f.ED, Point(2, 7));
    EXPECT_EQ(f.V, Point(3, 4));
    EXPECT_EQ(f.Y1, Point(3, 8));
    EXPECT_EQ(f.YN, Point(4, 4));
}

// Black's E6 closes White's wedge D6 to two liberties, C6 (G) and D7:
// Black's atari at C6 or D7 starts a ladder on it.
const char* const kWedgeLadder = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . O X . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(KeimaOuterTest, WedgeLadderFoundByTheRouterIsAnswered)
{
    const Point w(4, 6);
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        // The ladder on the wedge known from the start of the decision:
        // only the router's marks on G and H1.
        PrepareDecision(kWedgeLadder, engine);
        ASSERT_EQ(GobanLv[0]->RenList.RenAtPt(w)->GetSicho(), 1);
        FillGrid(LinkMark1, std::uint8_t{0});
        FillGrid(LinkMark2, std::uint8_t{0});
        const TKeimaBox known(kA, kB);
        KeimaWarikomi(known.Rs(), known.Cs(), known.att);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        EXPECT_EQ(LinkMark1[kG.x][kG.y], 1);
        EXPECT_EQ(LinkMark1[kH1.x][kH1.y], 1);
        EXPECT_EQ(LinkMark2[kG.x][kG.y], 0);

        // Not known before (status 0): the router finds the ladder, and the
        // wedge's extension at G (three liberties then, no ladder) is read:
        // Black's value of G plus White's evaluation after White's G.
        PrepareDecision(kWedgeLadder, engine);
        GobanLv[0]->RenList.RenAtPt(w)->SetSicho(0);
        FillGrid(LinkMark1, std::uint8_t{0});
        FillGrid(LinkMark2, std::uint8_t{0});
        const int e1 = UtuHyoka(kKuro, kG);
        int e2 = 0;
        {
            TYomiTrial t;
            ASSERT_TRUE(t.PushPlay(kSiro, kG));
            e2 = Hyoka(kSiro);
        }
        GobanLv[0]->RenList.RenAtPt(w)->SetSicho(0);
        const TKeimaBox fresh(kA, kB);
        KeimaWarikomi(fresh.Rs(), fresh.Cs(), fresh.att);
        EXPECT_EQ(KohoValueAt(kG), e1 + e2) << CandidateList();
        EXPECT_EQ(KohoCount, 1) << CandidateList();
        EXPECT_EQ(LinkMark1[kEG.x][kEG.y], 1) << "the point outside G";
        EXPECT_EQ(LinkMark2[kG.x][kG.y], 1);
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(KeimaOuterTest, AttackerAtTheOuterPointOfTheCutGivesOnlyTheMarks)
{
    const char* const outer = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . O . O . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Run(outer, engine, kA, kB);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        EXPECT_EQ(LinkMark1[kG.x][kG.y], 1);
        EXPECT_EQ(LinkMark1[kH1.x][kH1.y], 1);
        EXPECT_EQ(LinkMark2[kG.x][kG.y], 1);
    }
}

TEST_F(KeimaOuterTest, WedgeInAtariIsReadOnlyWhenTheFarStoneHasTwoLiberties)
{
    // The wedge (4,6) is in atari at G; Black's far chain (3,7)-(4,7) has
    // three liberties, (3,6), (5,7) and (4,8).  White's (4,8) takes one.
    const char* const three = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . O X . . . .
        . O X X . . . . .
        . . O . . . . . .
        . . . . . . . . .)";
    const char* const two = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . . O X . . . .
        . O X X . . . . .
        . . O O . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Run(three, engine, kA, kB);
        ASSERT_EQ(KuuOf(Point(4, 6)), 1);
        ASSERT_EQ(KuuOf(kA), 3);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        EXPECT_EQ(LinkMark1[kG.x][kG.y], 1);
        EXPECT_EQ(LinkMark1[kH1.x][kH1.y], 1);
        EXPECT_EQ(LinkMark2[kG.x][kG.y], 0) << "the wedge in atari is settled before the cut is marked";

        PrepareDecision(two, engine);
        ASSERT_EQ(KuuOf(kA), 2);
        const std::optional<int> e1 = ScoreAfter(kSiro, {{kSiro, kG}});
        ASSERT_TRUE(e1);
        const int e2 = UtuHyoka(kKuro, kG);
        Run(two, engine, kA, kB);
        ASSERT_EQ(KohoCount, 1) << CandidateList();
        EXPECT_EQ(Koho.Pt[1], kG);
        EXPECT_EQ(Koho.Value[1], *e1 + e2);
    }
}

TEST_F(KeimaOuterTest, WedgeOnTheLastMoveRaisesTheOwnersTotalByTen)
{
    const Point w(4, 6);
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        LastTe = Point(8, 8);
        Run(kWedge, engine, kA, kB);
        const std::optional<int> other = KohoValueAt(kG);
        ASSERT_TRUE(other) << CandidateList();
        ASSERT_GT(*other, 21) << "a total above 20 after the 6 for totals above 15";
        PrepareDecision(kWedge, engine);
        LastTe = w;
        KohoKind = kkKankei;
        KeimaRenraku(kA, kB);
        const std::optional<int> last = KohoValueAt(kG);
        ASSERT_TRUE(last);
        EXPECT_EQ(*last, *other + (engine == kKuro ? 10 : 0));
    }
    LastTe = Point();
}

TEST_F(KeimaOuterTest, AtariFromOutsideCarriesCodeThreeAtTheCut)
{
    // White's (2,5) stands at E_H, beyond the side point H1.
    const char* const ate = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . O . X . . . . .
        . . . O . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Run(ate, engine, kA, kB);
        ASSERT_EQ(KohoCount, 1) << CandidateList();
        EXPECT_EQ(Koho.Pt[1], kG);
        EXPECT_EQ(Koho.Kind[1], kkKiri);
        EXPECT_EQ(Koho.RelPt[1], kG);
        EXPECT_EQ(LinkMark1[kEG.x][kEG.y], 1) << "the point outside G";
    }
}

TEST_F(KeimaOuterTest, DoubleAtariIsTheWorseOfItsTwoAnswers)
{
    // kDoubleAtari: Black's (5,4) puts White's (4,4)-(4,5) and (6,4)-(6,5) in
    // atari at once.
    PrepareDecision(kDoubleAtari, kKuro);
    const Point p(5, 4);
    Point libs[2];
    {
        TShapeYomi y;
        ASSERT_TRUE(y.PushPlay(kKuro, p));
        libs[0] = KuuPointOf(Point(4, 4), 1);
        libs[1] = KuuPointOf(Point(6, 4), 1);
    }
    const std::optional<int> w1 = ScoreAfter(kKuro, {{kKuro, p}, {kSiro, libs[0]}, {kKuro, libs[1]}});
    const std::optional<int> w2 = ScoreAfter(kKuro, {{kKuro, p}, {kSiro, libs[1]}, {kKuro, libs[0]}});
    ASSERT_TRUE(w1 && w2);
    const std::uint64_t before = StackHash();
    EXPECT_EQ(KeimaWariRyoAtari(kKuro, p), std::min(*w1, *w2));
    // One chain in atari, an occupied point, a self-atari: no double atari.
    EXPECT_EQ(KeimaWariRyoAtari(kKuro, Point(3, 4)), -1);
    EXPECT_EQ(KeimaWariRyoAtari(kKuro, Point(4, 4)), -1);
    EXPECT_EQ(KeimaWariRyoAtari(kSiro, p), -1);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
}

TEST_F(KeimaOuterTest, WedgeTotals)
{
    struct TCase {
        int total;
        bool owns, last;
        int want;
    };
    // Above 15: 6 more; the owner's answer to the wedge just played, above 20
    // after that: 10 more.
    for (const TCase& c : {TCase{15, true, true, 15}, TCase{16, false, false, 22}, TCase{16, true, true, 32},
                           TCase{14, true, true, 14}, TCase{21, true, false, 27}, TCase{21, false, true, 27},
                           TCase{21, true, true, 37}})
        EXPECT_EQ(KeimaWariTotal(c.total, c.owns, c.last), c.want) << c.total;
    // The owner's block beside E_G when the hane gains twice the cut.
    for (const auto& [total, attacks, want] : {std::tuple{3, true, 8}, std::tuple{4, true, 7}, std::tuple{1, true, 4},
                                               std::tuple{2, false, 5}, std::tuple{3, false, 3},
                                               std::tuple{0, true, 0}, std::tuple{-2, true, -2}})
        EXPECT_EQ(KeimaWariExtraTotal(total, attacks), want) << total << " " << attacks;
    // The owner's stone at E_H.
    for (const auto& [total, attacks, want] : {std::tuple{4, true, 8}, std::tuple{4, false, 6}, std::tuple{13, true, 17},
                                               std::tuple{13, false, 17}, std::tuple{6, true, 12},
                                               std::tuple{7, false, 7}, std::tuple{0, true, 0}})
        EXPECT_EQ(KeimaWariHaneTotal(total, attacks), want) << total << " " << attacks;
}

// --- Stones outside the box --------------------------------------------------------

TEST_F(KeimaOuterTest, NoAttackerStoneAroundTheBoxGivesNothing)
{
    // White's stones stand two lines or more from the box.
    const char* const far = R"(
        . . . . . . . . .
        . . . . . . O . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . O .
        . . . . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        O . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Run(far, engine, kA, kB);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        const TKeimaBox box(kA, kB);
        KeimaSotoNaka(box.Rs(), box.Ds(), box.Dc(), box.att);
        KeimaSotoHane(box.Rs(), box.Ds(), box.Dc(), box.att);
        KeimaSotoHaneSicho(box.Rs(), box.Ds(), box.Dc(), box.att);
        KeimaSotoTuke(box.Rs(), box.Ds(), box.Dc(), box.att);
        KeimaWarikomi(box.Rs(), box.Cs(), box.att);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(KeimaOuterTest, OutsideTotals)
{
    // The owner's gain beside the attacker's stone: above 25 a quarter.
    for (const auto& [diff, want] : {std::pair{26, 6}, std::pair{25, 25}, std::pair{40, 10}, std::pair{-30, -30}})
        EXPECT_EQ(KeimaSotoNakaOwnerValue(diff), want) << diff;
    struct TCase {
        int v, k;
        bool noCut, attacks;
        int want;
    };
    for (const TCase& c : {
             TCase{1, 1, true, false, 5},   // a cut that fails: 2 becomes 5
             TCase{1, 1, true, true, 7},    // 7 when the engine attacks
             TCase{2, 2, true, false, 6},   // 4 becomes 6
             TCase{0, 0, true, false, -1},  // 0 becomes -1
             TCase{3, -3, false, false, -1}, // halved: 0, then -1
             TCase{1, 1, false, false, 4},  // with the cut standing 2 becomes 4
             TCase{6, -2, true, true, 7},   // halved to 2: 2 * 2 + 1 + 2
             TCase{5, 5, true, true, 10},
             TCase{9, 0, false, false, 9},  // a cut worth 0 halves nothing
             TCase{3, 0, true, false, 7},   // nor does it before the small totals
         })
        EXPECT_EQ(KeimaSotoNakaTotal(c.v, c.k, c.noCut, c.attacks), c.want) << c.v << " " << c.k;
    int bonus = -1;
    EXPECT_EQ(KeimaSotoTukeTotal(-3, true, bonus), -6);
    EXPECT_EQ(bonus, 6);
    EXPECT_EQ(KeimaSotoTukeTotal(-3, false, bonus), -6);
    EXPECT_EQ(bonus, 0);
    EXPECT_EQ(KeimaSotoTukeTotal(5, true, bonus), 5);
    EXPECT_EQ(bonus, 0);
}

// Black's knight's move (4,3)-(6,4) and White's (4,2) against (4,3) from
// outside: the middle point Mp (5,3), the far one Mq (5,4), the side point
// Sd (4,4).
const char* const kOutsideContact = R"(
    . . . . . . . . .
    . . . O . . . . .
    . . . X . . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The cut behind the contact is read between Na and the owner's block at Mq,
// so it reads the same in every orientation of the board.  Between Na and
// the attacker's own stone at Mp the reading took its crossing point from
// the board's orientation: this position tells the two apart.
TEST_F(KeimaOuterTest, ContactFromOutsideReadsTheSameInEveryOrientation)
{
    const Point a(4, 3), b(6, 4);
    SetBoard(kOutsideContact);
    const std::string plain = BoardDiagram(*GobanLv[0]);
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        std::set<int> totals, acrossMp;
        std::set<std::pair<int, int>> points;
        for (int s = 0; s < 8; ++s) {
            std::string mapped;
            for (int y = 1; y <= 9; ++y) {
                for (int x = 1; x <= 9; ++x) {
                    const Point q = UnmapPoint(s, Point(x, y), 9);
                    mapped += plain[static_cast<std::size_t>((q.y - 1) * 10 + (q.x - 1))];
                }
                mapped += '\n';
            }
            const Point ma = MapPoint(s, a, 9), mb = MapPoint(s, b, 9);
            Run(mapped.c_str(), engine, ma, mb);
            ASSERT_EQ(KohoCount, 1) << "symmetry " << s << CandidateList();
            totals.insert(Koho.Value[1]);
            const Point u = UnmapPoint(s, Koho.Pt[1], 9);
            points.insert({u.x, u.y});
            // The attacker's cut at Sd after att Mp, own Mq, read across Mp.
            const TKeimaBox box(ma, mb);
            const TSotoFrame f(box.Rs(), box.Ds(), box.att, false);
            ASSERT_EQ(UnmapPoint(s, f.Mp, 9), Point(5, 3));
            TShapeYomi y;
            ASSERT_TRUE(y.PushPlay(f.att, f.Mp) && y.Play(f.own, f.Mq));
            const int k = KiriHyoka(f.att, f.Sd, f.Mp, f.Na);
            acrossMp.insert(k > 0 ? k : y.Score(f.att));
        }
        EXPECT_EQ(totals.size(), 1u);
        EXPECT_EQ(points.size(), 1u);
        EXPECT_GT(acrossMp.size(), 1u) << "the position does not show the orientation of the cut";
    }
}

TEST_F(KeimaOuterTest, ContactFromOutsideWithANegativeTotalIsDoubledWithTheBonusClamped)
{
    // White's knight's move (5,5)-(6,7) with Black's (4,5) against (5,5) from
    // outside.
    const char* const losing = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . . . . . . . .
        . . . . . O . . .
        . . . X . O . X .
        . . . . X . . . .)";
    const Point a(5, 5), b(6, 7);
    Run(losing, kSiro, a, b);
    ASSERT_EQ(KohoCount, 1) << CandidateList();
    const int owner = Koho.Value[1];
    EXPECT_EQ(Koho.Bonus[1], 0);
    Run(losing, kKuro, a, b);
    ASSERT_EQ(KohoCount, 1) << CandidateList();
    EXPECT_EQ(Koho.Pt[1], Point(5, 6)) << "the attacker's cut at Mp";
    EXPECT_EQ(Koho.Value[1], owner);
    ASSERT_LT(owner, -9) << "a doubled total whose size the bonus byte cannot hold";
    EXPECT_EQ(owner % 2, 0);
    EXPECT_EQ(Koho.Bonus[1], KohoBonusClamp(owner, -owner));
    EXPECT_EQ(Koho.Bonus[1], 9);
}

// --- Random positions -------------------------------------------------------------------

// The dispatcher and both families on random stones around a wedge and
// around stones outside the box, for each side: the boards, the level and
// the reason code as found, only codes 3 and 27 besides the one in force.
TEST_F(KeimaOuterTest, RandomPositionsAroundTheWedgeAndOutsideKeepTheContract)
{
    constexpr int kPositions = 300;
    const int answered = SweepShapes(
        kPositions,
        [](std::uint64_t seed, TShapePlacement& pl) {
            const int density = 20 + static_cast<int>(seed % 4) * 10;
            switch (seed % 4) {
            case 0: // the wedge
                return PlaceShape(9, {{0, 1, 'X'}, {1, 1, '.'}}, Point(1, 2), density, pl);
            case 1: // beside a middle point
                return PlaceShape(9, {{-1, 1, 'X'}, {0, 1, '.'}, {1, 1, '.'}, {1, 0, '.'}}, Point(1, 2), density, pl);
            case 2: // beyond a side point
                return PlaceShape(9, {{2, 0, 'X'}, {0, 1, '.'}, {1, 1, '.'}, {1, 0, '.'}, {-1, 1, '.'}}, Point(1, 2),
                                  density, pl);
            default: // against a link stone from outside
                return PlaceShape(13, {{-1, 0, 'X'}, {0, 1, '.'}, {1, 1, '.'}, {1, 0, '.'}, {-1, 1, '.'}},
                                  Point(1, 2), density, pl);
            }
        },
        {"KeimaRenraku", "KeimaWarikomi", "KeimaSoto"});
    EXPECT_GT(answered, kPositions / 2) << "the shapes were read too rarely to test much";
}

} // namespace
} // namespace vorn::test

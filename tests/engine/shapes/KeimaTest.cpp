// The knight's-move dispatcher, the value of a contact play and the contact
// answers on diagrams with known answers.  The expected values are read on
// the board by the sequences the answers stand for, so a wrong move, a wrong
// order or a wrong correction shows.  Every call leaves the boards and the
// level as it found them.
#include <cstdint>
#include <optional>
#include <algorithm>
#include <iterator>
#include <string>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/LinkShapes.h"
#include "engine/shapes/ShapeHarness.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Rand.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

class KeimaTest : public VornTest {
protected:
    // The diagram prepared for the engine's colour, KeimaRenraku called
    // under reason 5: nothing may be left on the boards.
    static void Run(const char* diagram, int engine, Point a, Point b)
    {
        RunHandler(diagram, engine, a, b, KeimaRenraku);
    }
    static std::string Table()
    {
        std::string s;
        for (int i = 1; i <= KohoCount; ++i)
            s += " (" + std::to_string(Koho.Pt[i].x) + "," + std::to_string(Koho.Pt[i].y) +
                 ")=" + std::to_string(Koho.Value[i]) + "/" + std::to_string(Koho.Kind[i]);
        return s;
    }
    // The frame of the pair on the game board.
    static TKeimaFrame Frame(Point a, Point b) { return TKeimaFrame::Of(TKeimaBox(a, b)); }
    // Hyoka(scorer) after the moves (the first on a new level), all taken back;
    // nullopt when one is refused.
    static std::optional<int> After(int scorer, std::initializer_list<TYomiMove> moves)
    {
        return ScoreAfter(scorer, moves);
    }
};

// --- The value of a contact play ---------------------------------------------------

// Black's knight's move (4,5)-(5,3), White's contact stone at (5,5): S is
// (4,5), M (4,4), N (5,4), Z (3,5).
constexpr Point kS(4, 5), kO(5, 3);

TEST_F(KeimaTest, ContactValueWithTwoLibertiesAndNoLadderIsWhatTheMiddlePointIsWorth)
{
    // White's (4,6) leaves S two liberties, M and Z; Black's (2,5) keeps it
    // out of a ladder.
    const char* const twoLibs = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . X . X O . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        PrepareDecision(twoLibs, engine);
        const TKeimaFrame f = Frame(kS, kO);
        ASSERT_EQ(f.M, Point(4, 4));
        ASSERT_EQ(KuuOf(kS), 2);
        ASSERT_LT(SichoOf(kS), 1);
        const int deiri = DeiriHyoka(f.M);
        const std::uint64_t before = StackHash();
        EXPECT_EQ(KeimaTukeUtu(kS, kO), deiri);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(KohoCount, 0);
    }
}

TEST_F(KeimaTest, ContactValueOfARefusedPushIsZero)
{
    // White's push at M (4,4) would join its stone at F (4,3) with no
    // liberty left.
    const char* const suicide = R"(
        . . . . . . . . .
        . . . X . . . . .
        . . X O X . . . .
        . . X . X . . . .
        . . . X O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    PrepareDecision(suicide, kSiro);
    ASSERT_EQ(KuuOf(kS), 3);
    ASSERT_NE(GobanLv[0]->CheckUtu(kSiro, 4, 4), 0);
    const std::uint64_t before = StackHash();
    EXPECT_EQ(KeimaTukeUtu(kS, kO), 0);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
}

TEST_F(KeimaTest, ContactValueIsQuarteredWhenTheCutStonesAreNearlyDeadAndOursStrong)
{
    // White's knight's move (5,3)-(6,5), Black's contact at (6,3).  After
    // Black's push at (5,4), White's block and the ataris on S, Black's
    // stones are nearly dead and White's groups strong.
    const char* const quarter = R"(
        . . O O . . O . .
        . . . O . . X . .
        . . O . O X X O .
        . . . . . . . . .
        . . . . . O O . .
        . . . . O . . O .
        . . O . . O . O .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point a(5, 3), b(6, 5);
    PrepareDecision(quarter, kSiro);
    const TKeimaFrame f = Frame(a, b);
    const int own = f.own, att = f.att;
    // The reading as the value stands for it: push, block, atari, extension.
    TShapeYomi y(TRefusal::GoOn);
    ASSERT_TRUE(y.PushPlay(att, f.M));
    ASSERT_TRUE(y.Play(own, f.N));
    ASSERT_EQ(KuuOf(f.S), 2);
    const Point l[2] = {KuuPointOf(f.S, 1), KuuPointOf(f.S, 2)};
    int raw = 0, quartered = 0;
    for (int i = 0; i < 2; ++i) {
        const int mark = y.Tries();
        if (y.Play(att, l[i]) && KuuOf(l[i]) != 1 && y.Play(own, l[1 - i])) {
            const int v = y.Score(att);
            const TGun* gt = GunAt(f.T);
            const TGun* gm = GunAt(f.M);
            const TGun* gs = GunAt(f.S);
            const TGun* gn = GunAt(f.N);
            const bool weakCut = gt != nullptr && gm != nullptr && gt->IsDeath70() == 1 && gm->IsDeath70() == 1;
            const bool strong = (gs == nullptr || !gs->IsWeak()) && (gn == nullptr || !gn->IsWeak());
            raw = std::max(raw, v);
            quartered = std::max(quartered, v > 0 && weakCut && strong ? v / 4 : v);
        }
        y.BackTo(mark);
    }
    y.BackAll();
    ASSERT_GE(raw, 4) << "the reading gains so little that a quarter would not show";
    ASSERT_LT(quartered, raw) << "the correction does not apply here";
    EXPECT_EQ(KeimaTukeUtu(a, b), quartered);
    EXPECT_EQ(KohoCount, 0);
}

// --- The dispatcher and the contact answers --------------------------------------------

TEST_F(KeimaTest, TouchedStoneInAtariGivesNothing)
{
    const char* const atari = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . O X O . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        Run(atari, engine, kS, kO);
        EXPECT_EQ(KuuOf(kS), 1);
        EXPECT_EQ(KohoCount, 0) << Table();
    }
}

TEST_F(KeimaTest, OwnStoneBeyondTheContactWithoutOneOutsideNGivesNothing)
{
    // Black's (6,5) stands beyond White's contact chain; with Black's (6,4)
    // outside N as well the answers are read.
    const char* const beyond = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . X O X . . .
        . . . . O . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const char* const outsideN = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . X . . .
        . . . X O X . . .
        . . . . O . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Run(beyond, engine, kS, kO);
        const TKeimaFrame f = Frame(kS, kO);
        ASSERT_EQ(f.X, Point(6, 5));
        ASSERT_NE(SichoOf(f.T), 1);
        EXPECT_EQ(KohoCount, 0) << Table();
        Run(outsideN, engine, kS, kO);
        EXPECT_GT(KohoCount, 0);
    }
}

TEST_F(KeimaTest, ContactStoneInAtariIsAnsweredAtN)
{
    // Black's (7,1)-(6,3), White's contact stone at (6,1) in atari.
    const char* const contact = R"(
        . . . O X O X . O
        . . . O X . . X X
        . . . X O X . O O
        . . . . O O . . X
        . . . . . . O X .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point a(7, 1), b(6, 3);
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        PrepareDecision(contact, engine);
        const TKeimaFrame f = Frame(a, b);
        ASSERT_EQ(KuuOf(f.T), 1);
        const int e1 = UtuHyoka(f.own, f.N);
        const std::optional<int> e2 = After(f.att, {{f.att, f.N}, {f.own, f.M}});
        ASSERT_TRUE(e2);
        Run(contact, engine, a, b);
        ASSERT_EQ(KohoCount, 1) << Table();
        EXPECT_EQ(Koho.Pt[1], f.N);
        EXPECT_EQ(Koho.Value[1], e1 + *e2);
        EXPECT_EQ(LinkMark2[f.N.x][f.N.y], 1);
    }
}

TEST_F(KeimaTest, LadderedContactStoneTotalOfTwoBecomesFive)
{
    // White's (1,3)-(2,5), Black's laddered contact stone at (2,3); the point
    // W outside White's far stone is crowded, so N is read directly.
    const char* const sicho = R"(
        O X . O . . . . .
        . O O O . . . . .
        O X . . . . . . .
        . . . . . . . . .
        . O . X . . . . .
        . . O . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point a(1, 3), b(2, 5);
    PrepareDecision(sicho, kKuro);
    const TKeimaFrame f = Frame(a, b);
    ASSERT_EQ(SichoOf(f.T), 1);
    ASSERT_LT(EmptyNeighbours(f.W), 3);
    const std::optional<int> e1 = After(f.att, {{f.att, f.N}, {f.own, f.M}});
    ASSERT_TRUE(e1);
    const int e2 = UtuHyoka(f.own, f.N);
    ASSERT_EQ(*e1 + e2, 2);
    Run(sicho, kKuro, a, b);
    EXPECT_EQ(KohoValueAt(f.N), 5) << Table();
}

TEST_F(KeimaTest, BothOwnerGroupsAliveWithThePushOnTheSecondLine)
{
    // Black's (7,7)-(9,8) with White's contact at (7,8): after White's push
    // at M (8,7) and Black's block at N (8,8) both Black groups live, and M
    // is on the second line.  Only White's hane behind S and the closing
    // patterns speak.
    const char* const nidan = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . O O X
        . . . . O . . . O
        . . . O O X X . .
        . . . . . . O . X
        . . . X . X . . .)";
    const Point a(7, 7), b(9, 8);
    PrepareDecision(nidan, kSiro);
    const TKeimaFrame f = Frame(a, b);
    ASSERT_EQ(f.M, Point(8, 7));
    ASSERT_EQ(LineNo(f.M.x, f.M.y), 2);
    ASSERT_EQ(EmptyNeighbours(f.Z), 2);
    {
        TShapeYomi y;
        ASSERT_TRUE(y.PushPlay(f.att, f.M));
        ASSERT_TRUE(y.Play(f.own, f.N));
        CurGoban().Analyze();
        ASSERT_TRUE(GunAt(f.S) != nullptr && GunAt(f.S)->GetMe() >= 4);
        ASSERT_TRUE(GunAt(f.N) != nullptr && GunAt(f.N)->GetMe() >= 4);
        ASSERT_EQ(KuuOf(f.S), 3);
    }
    // The hane behind S: White's push, Black's block, White at Z.
    const std::optional<int> hane = After(f.att, {{f.att, f.M}, {f.own, f.N}, {f.att, f.Z}});
    ASSERT_TRUE(hane);
    Run(nidan, kSiro, a, b);
    // The closing patterns propose Y, U, N or the contact stone's ladder move.
    const Point closing[] = {f.Y, f.U, f.N, SichoTeOf(f.T, 1)};
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] == f.M)
            EXPECT_EQ(Koho.Value[i], *hane);
        else
            EXPECT_NE(std::find(std::begin(closing), std::end(closing), Koho.Pt[i]), std::end(closing)) << Table();
    }
    EXPECT_TRUE(KohoValueAt(f.M).has_value()) << Table();
}

TEST_F(KeimaTest, PushingGroupWithoutTwoEyesIsWorthAQuarter)
{
    // Black's (7,6)-(8,8), White's contact at (8,6) pushes at M (7,7).
    const char* const push = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . O . .
        . . . . . X . . X
        . . . . X X X O O
        . . . . . . . . .
        . . . . . O . X .
        . . . . . . . X .)";
    const Point a(7, 6), b(8, 8);
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        PrepareDecision(push, engine);
        const TKeimaFrame f = Frame(a, b);
        ASSERT_NE(IroOf(f.EF), f.own);
        int v = 0, me = 0;
        {
            TShapeYomi y;
            ASSERT_TRUE(y.PushPlay(f.att, f.M));
            ASSERT_TRUE(y.Play(f.own, f.N));
            v = y.Score(f.att);
            me = GunAt(f.M) != nullptr ? GunAt(f.M)->GetMe() : 0;
        }
        ASSERT_LT(me, 4);
        ASSERT_NE(v / 4, v);
        Run(push, engine, a, b);
        ASSERT_EQ(KohoCount, 1) << Table();
        EXPECT_EQ(Koho.Pt[1], f.M);
        EXPECT_EQ(Koho.Value[1], v / 4);
    }
}

// The attacker's chain in atari beside S: the owner captures it after the
// push, and S's liberty is not read.  Here it would be E_M and would move
// the owner's answer to N, where the push is caught by a ladder.
TEST_F(KeimaTest, CaptureBesideTheTouchedStoneKeepsTheAnswerAtM)
{
    const char* const capture = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . X . X . . . .
        . . . . . . . . .
        X O X X O . . . .
        . X O O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        PrepareDecision(capture, engine);
        const TKeimaFrame f = Frame(kS, kO);
        ASSERT_EQ(KuuOf(Point(2, 5)), 1) << "the capture K";
        ASSERT_EQ(KuuOf(f.S), 2);
        ASSERT_LT(SichoOf(f.S), 1);
        {
            TShapeYomi y;
            ASSERT_TRUE(y.PushPlay(f.att, f.M));
            ASSERT_EQ(KuuPointOf(f.S, 1), f.EM);
        }
        {
            TShapeYomi y;
            ASSERT_TRUE(y.PushPlay(f.own, f.N) && y.Play(f.att, f.M));
            ASSERT_EQ(SichoCheck(f.M), 1);
        }
        Run(capture, engine, kS, kO);
        EXPECT_TRUE(KohoValueAt(f.M).has_value()) << Table();
        EXPECT_FALSE(KohoValueAt(f.N).has_value()) << Table();
        if (engine == kSiro) {
            EXPECT_GE(PreparedTeCount, 2);
        }
    }
}

// --- Random positions around the knight's move ----------------------------------------

// The dispatcher and the contact value on random stones around a contact
// (and a double contact), for each side: the boards, the level and the
// reason code as found, only code 27 besides the one in force, and no
// candidate from the value routine.
TEST_F(KeimaTest, RandomPositionsAroundTheContactKeepTheContract)
{
    constexpr int kPositions = 1000;
    const int answered = SweepShapes(
        kPositions,
        [](std::uint64_t seed, TShapePlacement& pl) {
            const int density = 25 + static_cast<int>(seed % 4) * 10;
            switch (seed % 6) {
            case 0: // both side points
                return PlaceShape(9, {{1, 0, 'X'}, {0, 1, '.'}, {1, 1, '.'}, {0, 2, 'X'}}, Point(1, 2), 30, pl);
            case 1: // an attacker's stone beyond F
                return PlaceShape(9, {{1, 0, 'X'}, {0, 1, '.'}, {1, 1, '.'}, {0, 2, '.'}, {0, 3, 'X'}}, Point(1, 2),
                                  density, pl);
            default:
                return PlaceShape(seed % 3 == 0 ? 13 : 9, {{1, 0, 'X'}, {0, 1, '.'}, {1, 1, '.'}}, Point(1, 2), density,
                                  pl);
            }
        },
        {"KeimaRenraku", "KeimaTukeUtu"});
    EXPECT_GT(answered, kPositions / 2) << "the contact was read too rarely to test much";
}

} // namespace
} // namespace vorn::test

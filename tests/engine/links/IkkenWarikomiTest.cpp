// The one-space jump with the opponent's wedge on the gap: the plain wedge,
// the wedge with a corner stone and the wedge beside a gap-row stone, known
// answers (one held against GNU Go), the sweeps with every routine called
// directly, and the answers under the eight symmetries.  Black's jump
// (4,4)-(4,6) with the gap (4,5) unless a position says otherwise.
#include <string>

#include "GnuGo.h"
#include "LinkUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/IkkenWariNobi.h"
#include "engine/links/IkkenWarikomi.h"

namespace vorn::test {
namespace {

constexpr Point kA(4, 4), kB(4, 6), kGap(4, 5);

// White wedges and stands beside the wedge at (3,5): Black's block is (5,5).
constexpr const char* kBeside = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . O O . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// A plain wedge; White's (4,2) and (4,3) leave Black's A with two liberties
// once the wedge has been answered.
constexpr const char* kLadder = R"(
    . . . . . . . . .
    . . . O . . . . .
    . . . O . . . . .
    . . . X . . . . .
    . . . O . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// A plain wedge with White stones two lines out on both sides.
constexpr const char* kPlain = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . O . O . . O . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The wedge with White's corner (3,4); Black holds both corners of the free
// side and Black's atari at (3,5) would be a self-atari.
constexpr const char* kCorner = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . O X X . . . .
    . O . O . . . . .
    . . . X X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The wedge with support on the left; Black's stones beyond both free
// corners invite White's extension at (6,5) and Black's answer at (7,5).
constexpr const char* kNobi = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . X . . .
    . O O O . . . . .
    . . . X . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

using P = std::pair<int, int>;

TKankeiBox Box()
{
    TKankeiBox box;
    EXPECT_TRUE(KankeiBoxMake(kA, kB, box));
    return box;
}

// The routine on the box of the jump, when the box holds a wedge.
void OnWedge(Point a, Point b, void (*f)(TKankeiBox))
{
    TKankeiBox box;
    if (JumpBox(a, b, box) && box.D == 2 && box.IsOpp(4))
        f(box);
}
// The same when the wedge has a stone beside it on the gap row.
void OnWedgeBeside(Point a, Point b, void (*f)(TKankeiBox))
{
    TKankeiBox box;
    if (JumpBox(a, b, box) && box.D == 2 && box.IsOpp(4) && (box.IsOpp(3) || box.IsOpp(5)))
        f(box);
}

// Each routine of the wedge on every wedge of the pair lists, whatever else
// stands in its box.
const TLinkHandlerAdd kAddNomi({"IkkenWariNomi", 3, TLinkPass::First, [](Point a, Point b) { OnWedge(a, b, IkkenWariNomi); }});
const TLinkHandlerAdd kAddKado({"IkkenWariKado", 3, TLinkPass::First, [](Point a, Point b) { OnWedge(a, b, IkkenWariKado); }});
const TLinkHandlerAdd kAddNobi({"IkkenWariNobi", 3, TLinkPass::First, [](Point a, Point b) { OnWedge(a, b, IkkenWariNobi); }});
const TLinkHandlerAdd kAddKadoDame({"IkkenWariKadoDame", 3, TLinkPass::First,
                                 [](Point a, Point b) { OnWedge(a, b, [](TKankeiBox box) { (void)IkkenWariKadoDame(box); }); }});
const TLinkHandlerAdd kAddKadoNobi({"IkkenWariKadoNobi", 3, TLinkPass::First, [](Point a, Point b) {
                                     OnWedge(a, b, [](TKankeiBox box) {
                                         IkkenWariKadoNobi(box, 3, 6);
                                         IkkenWariKadoNobi(box, 5, 9);
                                     });
                                 }});
const TLinkHandlerAdd kAddBeside({"IkkenWari outside readings", 3, TLinkPass::First, [](Point a, Point b) {
                                      OnWedgeBeside(a, b, [](TKankeiBox box) {
                                          IkkenWariJibunSoto(box);
                                          IkkenWariJibunKado(box);
                                          IkkenWariAiteSoto(box);
                                          IkkenWariKadoJibun(box);
                                      });
                                  }});

class IkkenWarikomiTest : public VornTest {};

TEST_F(IkkenWarikomiTest, WedgeAnswerAgreesWithGnuGo)
{
    // Black C3, C5 with White's wedge C4, White E4 and A4 beside it: both
    // sides play D4 (Black's atari from the side where White is strong).
    constexpr const char* kGnu = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X . . . . . .
        O . O . O . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kGnu, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(Point(3, 7), Point(3, 5)); });
        ASSERT_FALSE(out.Koho.empty());
        const auto best = std::max_element(out.Koho.begin(), out.Koho.end(),
                                           [](const auto& x, const auto& y) { return x.second < y.second; });
        EXPECT_EQ(best->first, P(4, 6)) << "colour " << c << ":" << out.Show();
    }
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_TRUE(gg.Start(9));
    for (const char* m : {"black C3", "black C5", "white C4", "white E4", "white A4"})
        gg.Command(std::string("play ") + m);
    EXPECT_EQ(gg.Command("connect C3 C5"), "1 D4");
    EXPECT_EQ(gg.Command("disconnect C3 C5"), "1 D4");
    EXPECT_EQ(gg.FromVertex("D4"), Point(4, 6));
}

TEST_F(IkkenWarikomiTest, PlainWedgeAddsTheAtariOfEachSide)
{
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kPlain, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        EXPECT_EQ(out.Koho.size(), 2u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(3, 5)) && out.Koho.count(P(5, 5))) << out.Show();
    }
    // Black's stones beyond both atari points: no side is read.
    ExpectNoLinkOutput(kPlain, {{Point(2, 5), kKuro}, {Point(6, 5), kKuro}, {Point(7, 5), kAki}},
                       [] { IkkenRenraku(kA, kB); });
}

TEST_F(IkkenWarikomiTest, TheAttackerPrefersTheLadderAgainstAnEnd)
{
    // After Black's atari and White's extension Black's A has two liberties
    // and the ladder catches it: White is offered the ladder's first move,
    // (3,4) after the atari at (3,5) and (5,4) after the one at (5,5).
    PrepareLink(kLadder, kKuro);
    JibunIro = kKuro;
    TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
    EXPECT_EQ(out.Koho.size(), 2u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(3, 5)) && out.Koho.count(P(5, 5))) << out.Show();
    const TLinkOutput owner = out;
    PrepareLink(kLadder, kSiro);
    JibunIro = kSiro;
    out = RunLink([] { IkkenRenraku(kA, kB); });
    EXPECT_EQ(out.Koho.size(), 2u) << out.Show();
    EXPECT_EQ(out.Koho[P(3, 4)], owner.Koho.at(P(3, 5))) << out.Show();
    EXPECT_EQ(out.Koho[P(5, 4)], owner.Koho.at(P(5, 5))) << out.Show();
}

TEST_F(IkkenWarikomiTest, CornerFamilyMarksTheFreeSideBeforeReading)
{
    // Black's atari from the corner's side is a self-atari, and the free
    // side's corners are Black's already: nothing is added, yet the free
    // side is marked.
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kCorner, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_EQ(out.Marks, (std::set<P>{{5, 4}, {5, 5}, {5, 6}}));
    }
    // With the atari point a capture for Black the family stops at once.
    ExpectNoLinkOutput(kCorner, {{Point(2, 4), kKuro}, {Point(3, 3), kKuro}}, [] { IkkenRenraku(kA, kB); });
}

TEST_F(IkkenWarikomiTest, ExtensionBonusOnlyForSmallOwnerValues)
{
    // White extends to (5,5); Black's stones beyond the corners make White
    // push on to (6,5) and Black answer at (7,5): the bonus 4 goes to an
    // owner value of 8, not of 9.
    int values[2] = {};
    for (int i = 0; i < 2; ++i) {
        PrepareLink(kNobi, kKuro);
        JibunIro = kKuro;
        const int e1 = 8 + i;
        const TLinkOutput out = RunLink([e1] { IkkenWariKadoNobi(Box(), 5, e1); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        ASSERT_TRUE(out.Koho.count(P(5, 5))) << out.Show();
        values[i] = out.Koho.at(P(5, 5));
    }
    EXPECT_EQ(values[0] - values[1], 3);
}

TEST_F(IkkenWarikomiTest, BlockBesideTheWedgeCarriesTheCutReasonForTheOwner)
{
    PrepareLink(kBeside, kKuro);
    JibunIro = kKuro;
    TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
    ASSERT_EQ(KohoCount, 1) << out.Show();
    EXPECT_EQ(Koho.Pt[1], Point(5, 5));
    EXPECT_EQ(Koho.Kind[1], kkKiri);
    EXPECT_EQ(Koho.RelPt[1], Point(5, 5));
    EXPECT_EQ(out.Marks, (std::set<P>{{5, 4}, {5, 5}, {5, 6}}));
    // The attacker's extension keeps the reason of the pair answers.
    PrepareLink(kBeside, kSiro);
    JibunIro = kSiro;
    out = RunLink([] { IkkenRenraku(kA, kB); });
    ASSERT_EQ(KohoCount, 1) << out.Show();
    EXPECT_EQ(Koho.Pt[1], Point(5, 5));
    EXPECT_EQ(Koho.Kind[1], kkKankei);
    EXPECT_EQ(Koho.RelPt[1], Point());
}

TEST_F(IkkenWarikomiTest, BlockBesideTheWedgeGivesNothingWhereItCannotHelp)
{
    // Black on both corners of the free side.
    ExpectNoLinkOutput(kBeside, {{Point(5, 4), kKuro}, {Point(5, 6), kKuro}}, [] { IkkenRenraku(kA, kB); },
                       "both corners Black's");
    // White on both corners: Black's block would stand in atari and its
    // group dies; nothing is added or marked after the one trial move.
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kBeside, c, {{Point(5, 4), kSiro}, {Point(5, 6), kSiro}});
        JibunIro = static_cast<std::uint8_t>(c);
        int moves = 0;
        const TLinkOutput out = RunLink([] { IkkenWariNobi(Box()); }, &moves);
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_TRUE(out.Marks.empty());
        EXPECT_EQ(moves, 1);
    }
}

TEST_F(IkkenWarikomiTest, PushValueOfTheOutsideReadings)
{
    // Black's stone on (6,5) beyond the block: the block is offered to both
    // sides at one value; White's stone there gives a block of its own.
    for (int beyond : {kKuro, kSiro}) {
        int value[2] = {};
        for (int c : {kKuro, kSiro}) {
            PrepareLink(kBeside, c, {{Point(6, 5), beyond}});
            JibunIro = static_cast<std::uint8_t>(c);
            const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
            ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
            ASSERT_TRUE(out.Koho.count(P(5, 5))) << out.Show();
            value[c - 1] = out.Koho.at(P(5, 5));
        }
        EXPECT_EQ(value[0], value[1]) << "stone beyond of colour " << beyond;
    }
}

TEST_F(IkkenWarikomiTest, DirectCallsOnJumpsAlongTheFirstLine)
{
    TSweepCount count;
    for (int g = 0; g < 60; ++g) {
        ResetProgramState();
        RandomDecision(9, 40 + g % 30, 7000 + static_cast<std::uint64_t>(g));
        SweepEdgeLine("edge line, seed " + std::to_string(7000 + g), 2, count);
        if (HasFatalFailure())
            return;
    }
    ResetProgramState();
    EXPECT_GT(count.Calls, 100);
}

const TSymCase kSymCases[] = {
    {"plain wedge, attacker", kPlain, kSiro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"plain wedge, owner", kPlain, kKuro, true, [](int t) { return Handler(IkkenRenraku, kB, kA, t); }},
    {"ladder against an end, attacker", kLadder, kSiro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"corner wedge", kCorner, kKuro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"block beside the wedge, owner", kBeside, kKuro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"block beside the wedge, attacker", kBeside, kSiro, true, [](int t) { return Handler(IkkenRenraku, kB, kA, t); }},
    {"extension of the wedge", kNobi, kKuro, true,
     [](int t) {
         // The extension on the side away from White's stone beside the wedge.
         return Handler(
             [](Point a, Point b) {
                 OnWedge(a, b, [](TKankeiBox box) { IkkenWariKadoNobi(box, box.IsOpp(3) ? 5 : 3, 8); });
             },
             kA, kB, t);
     }},
};

TEST_F(IkkenWarikomiTest, MirrorImagesGiveTheSameAnswersAtTheMirroredPoints) { ExpectSymmetric(kSymCases); }

} // namespace
} // namespace vorn::test

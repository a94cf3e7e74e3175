// The one-space jump with one opponent corner: which shapes give nothing
// before any reading, the wedge read against the owner's answer, the special
// shapes (outside stone, near stone short of liberties, ladder on the wedge,
// the edge), the sweeps with every routine called directly, and the answers
// under the eight symmetries.  Black's jump (4,4)-(4,6) with White's corner
// (3,4) unless a position says otherwise: C = (3,4), G = (3,5), the gap
// (4,5), H = (5,5), E = (5,4), F = (5,6), Cout = (2,4), Nout = (4,3).
#include <string>

#include "LinkUtil.h"
#include "Util.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/IkkenKado1.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/KankeiBox.h"

namespace vorn::test {
namespace {

constexpr Point kA(4, 4), kB(4, 6), kGap(4, 5), kG(3, 5);

// White's corner stone backed by a second stone above it.
constexpr const char* kKado = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O . . . . . .
    . . O X . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's corner stone and a stone beside it on Cout: the extension
// outside the lone near stone at Nout is the best move for both.
constexpr const char* kNout = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . O O X . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black holds E and Hout: the wedge at the gap is caught by a ladder.
constexpr const char* kWedgeCaught = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . O X X . . . .
    . . . . . X . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's stone on Dout (2,6) outside the empty D (3,6).
constexpr const char* kDout = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . O X . . . . .
    . . . . . . . . .
    . O . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on Nout leaves the near stone two liberties.
constexpr const char* kDame2 = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . O X . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's jump (4,7)-(4,9) to the bottom edge, White's corner (3,7): D
// (3,9) on the first line, G (3,8) on the second; Dout is (2,9).
constexpr const char* kEdge = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . O X . . . . .
    . . . . . . . . .
    . . . X . . . . .)";

// Black's jump (2,4)-(2,6) on the second line with White's corners (3,4)
// and (3,6) and White's (2,7), (1,7) below B: after White's wedge at (2,5),
// Black's H (1,5) and White's G (3,5), B's extension keeps only E (1,4).
constexpr const char* kWariEdge = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . X O . . . . . .
    . . . . . . . . .
    . X O . . . . . .
    O O . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr Point kEdgeA(2, 4), kEdgeB(2, 6), kEdgeGap(2, 5);

using P = std::pair<int, int>;

TKankeiBox Box(Point a = kA, Point b = kB)
{
    TKankeiBox box;
    EXPECT_TRUE(KankeiBoxMake(a, b, box));
    return box;
}

// The routine on the box of the jump when one of its corners holds the
// opponent, whatever else stands in it.
void OnCorner(Point a, Point b, void (*f)(TKankeiBox))
{
    TKankeiBox box;
    if (JumpBox(a, b, box) && box.D == 2 && (box.IsOpp(0) || box.IsOpp(2) || box.IsOpp(6) || box.IsOpp(8)))
        f(box);
}

// The routines that take named points, with the points named from the first
// opponent corner of [0], [6], [2], [8].
void NamedPoints(TKankeiBox box)
{
    const int c = box.IsOpp(0) ? 0 : box.IsOpp(6) ? 6 : box.IsOpp(2) ? 2 : 8;
    const int o = (c == 2 || c == 8 ? kOrientAcross : 0) | (c == 6 || c == 8 ? kOrientAlong : 0);
    const Point g = box[box.Idx(o, 1, 0)], d = box[box.Idx(o, 2, 0)];
    const Point n = box[box.Idx(o, 0, 1)], fs = box[box.Idx(o, 2, 1)];
    IkkenKado1Osae(g, StepBeyond(fs, d), box[4], d, box[c], box.Opp);
    IkkenKado1OsaeSoto(g, box[4], d, box.Opp);
    IkkenKado1Edge(n, fs, box[c], box[4], g, d, box.Opp);
}

const TLinkHandlerAdd kAddKado1({"IkkenKado1", 3, TLinkPass::First, [](Point a, Point b) { OnCorner(a, b, IkkenKado1); }});
const TLinkHandlerAdd kAddSoto({"IkkenKado1Soto", 3, TLinkPass::First, [](Point a, Point b) { OnCorner(a, b, IkkenKado1Soto); }});
const TLinkHandlerAdd kAddDame2({"IkkenKado1Dame2", 3, TLinkPass::First,
                                 [](Point a, Point b) { OnCorner(a, b, IkkenKado1Dame2); }});
const TLinkHandlerAdd kAddSotoTe({"IkkenKado1SotoTe", 3, TLinkPass::First, [](Point a, Point b) {
                                      OnCorner(a, b, [](TKankeiBox box) {
                                          int d = 0;
                                          Point out;
                                          IkkenKado1SotoTe(box, d, out);
                                      });
                                  }});
const TLinkHandlerAdd kAddNamed({"IkkenKado1 named-point routines", 3, TLinkPass::First,
                                 [](Point a, Point b) { OnCorner(a, b, NamedPoints); }});
const TLinkHandlerAdd kAddWariEdge({"IkkenKado1WariEdge", 3, TLinkPass::First, [](Point a, Point b) {
                                        OnCorner(a, b, [](TKankeiBox box) {
                                            // Entered with the opponent's wedge standing.
                                            TYomiTrial t;
                                            t.Play(box.Opp, box[4]);
                                            IkkenKado1WariEdge(box);
                                        });
                                    }});

class IkkenKado1Test : public VornTest {};

TEST_F(IkkenKado1Test, ShapesWhereTheLinkIsNotAtStakeGiveNothingBeforeAnyReading)
{
    struct TCase {
        const char* What;
        TStones Stones;
    };
    const TCase cases[] = {
        {"White on both corners of A's row", {{Point(5, 4), kSiro}}},
        {"White on both corners of B's row", {{Point(3, 4), kAki}, {Point(3, 6), kSiro}, {Point(5, 6), kSiro}}},
        {"Black on E and F", {{Point(5, 4), kKuro}, {Point(5, 6), kKuro}}},
        {"Black on Cout", {{Point(2, 4), kKuro}, {Point(3, 3), kAki}}},
        {"White's corner with one liberty", {{Point(3, 3), kKuro}, {kG, kKuro}}},
    };
    for (const TCase& k : cases)
        ExpectNoLinkOutput(kKado, k.Stones, [] { IkkenRenraku(kA, kB); }, k.What);
    // The near stone in atari (read directly: White at H makes the box a
    // peep for the dispatch).
    ExpectNoLinkOutput(kKado,
                       {{Point(5, 4), kKuro}, {Point(4, 3), kSiro}, {Point(5, 3), kSiro}, {Point(6, 4), kSiro},
                        {Point(5, 5), kSiro}},
                       [] { IkkenKado1(Box()); }, "near stone in atari");
}

TEST_F(IkkenKado1Test, WedgeAgainstTheBlockBesideTheCorner)
{
    // Black blocks at G; White wedges, and after Black's H answers at G.
    PrepareLink(kKado, kKuro);
    JibunIro = kKuro;
    TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(3, 5))) << out.Show();
    EXPECT_TRUE(out.Prepared.empty());
    PrepareLink(kKado, kSiro);
    JibunIro = kSiro;
    out = RunLink([] { IkkenRenraku(kA, kB); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(4, 5))) << out.Show();
    EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{4, 5, 5, 5, 3, 5}}));
}

TEST_F(IkkenKado1Test, ExtensionOutsideALoneNearStone)
{
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kNout, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(4, 3))) << out.Show();
    }
}

TEST_F(IkkenKado1Test, WedgeCaughtByALadderLeavesTheBlockAtG)
{
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kWedgeCaught, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(3, 5))) << out.Show();
        EXPECT_FALSE(out.Koho.count(P(4, 5)));
        EXPECT_EQ(out.Marks, (std::set<P>{{3, 5}}));
    }
}

TEST_F(IkkenKado1Test, StoneOutsideTheFarCorner)
{
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kDout, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(c == kKuro ? P(3, 5) : P(4, 5))) << out.Show();
        EXPECT_EQ(out.Marks, (std::set<P>{{3, 5}, {4, 5}}));
    }
}

TEST_F(IkkenKado1Test, NearStoneWithTwoLiberties)
{
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kDame2, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(4, 5))) << out.Show();
        EXPECT_EQ(LinkMark2[4][5], 1);
    }
    // With Nout empty the reading does not apply.
    ExpectNoLinkOutput(kKado, {}, [] { IkkenKado1Dame2(Box()); });
}

TEST_F(IkkenKado1Test, CornerOnTheFirstLine)
{
    // Black extends to Dout on the edge, White pushes at G.
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kEdge, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(Point(4, 7), Point(4, 9)); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(c == kKuro ? P(2, 9) : P(3, 8))) << out.Show();
    }
}

TEST_F(IkkenKado1Test, ChaseOfTheFarStoneAlongTheEdge)
{
    // The extended chain's only liberty is E: nothing to read, nothing added.
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kWariEdge, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] {
            TYomiTrial t;
            ASSERT_TRUE(t.Play(kSiro, kEdgeGap));
            IkkenKado1WariEdge(Box(kEdgeA, kEdgeB));
        });
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
    }
    // With (1,7) open White takes it and the gap is added; the attacker
    // also keeps the answer to Black's H.
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kWariEdge, c, {{Point(1, 7), kAki}});
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] {
            TYomiTrial t;
            ASSERT_TRUE(t.Play(kSiro, kEdgeGap));
            IkkenKado1WariEdge(Box(kEdgeA, kEdgeB));
        });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(2, 5))) << out.Show();
        if (c == kSiro)
            EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{2, 5, 1, 5, 3, 5}}));
        else
            EXPECT_TRUE(out.Prepared.empty());
    }
}

TEST_F(IkkenKado1Test, PushOutsideNeedsTheGapAndDEmpty)
{
    // Black's stone on Dout: White's push and wedge are read; nothing is
    // added while the gap or D is taken.
    ExpectNoLinkOutput(kDout, {{Point(2, 6), kKuro}, {Point(3, 6), kSiro}},
                       [] { IkkenKado1OsaeSoto(kG, kGap, Point(3, 6), kSiro); });
}

TEST_F(IkkenKado1Test, DirectCallsOnJumpsAlongTheFirstLine)
{
    TSweepCount count;
    for (int g = 0; g < 40; ++g) {
        ResetProgramState();
        RandomDecision(13, 80 + g % 40, 8000 + static_cast<std::uint64_t>(g));
        SweepEdgeLine("edge line, seed " + std::to_string(8000 + g), 2, count);
        if (HasFatalFailure())
            return;
    }
    ResetProgramState();
    EXPECT_GT(count.Calls, 100);
}

// The jump handler on (a, b) under symmetry t; with gSwapEnds from b's end.
bool gSwapEnds = false;
std::string Jump(Point a, Point b, int t)
{
    return gSwapEnds ? Handler(IkkenRenraku, b, a, t) : Handler(IkkenRenraku, a, b, t);
}

const TSymCase kSymCases[] = {
    {"wedge against the block, owner", kKado, kKuro, true, [](int t) { return Jump(kA, kB, t); }},
    {"wedge against the block, attacker", kKado, kSiro, true, [](int t) { return Jump(kB, kA, t); }},
    {"extension outside the near stone", kNout, kSiro, true, [](int t) { return Jump(kA, kB, t); }},
    {"wedge caught by a ladder", kWedgeCaught, kKuro, true, [](int t) { return Jump(kA, kB, t); }},
    {"stone outside the far corner", kDout, kSiro, true, [](int t) { return Jump(kA, kB, t); }},
    {"near stone with two liberties", kDame2, kKuro, true, [](int t) { return Jump(kB, kA, t); }},
    {"corner on the first line", kEdge, kKuro, true, [](int t) { return Jump(Point(4, 7), Point(4, 9), t); }},
};

TEST_F(IkkenKado1Test, MirrorImagesGiveTheSameAnswersAtTheMirroredPoints) { ExpectSymmetric(kSymCases); }

// Black's jump E4-E6 with White's corner D4 beside E4 and White's G5 beyond
// H (F5); Black's G6 stands beyond J (F6) in E6's row, White's F7 below J.
// The corner points I and J are F4 (in E4's row) and F6 (in E6's row); beyond
// them, seen along their own rows, lie G4 (empty) and G6 (Black). So neither
// the owner's J (G6 taken) nor his I (the point beyond I from H, F3, is not
// White's) is played outside: no point, from either end.
constexpr const char* kCornerRows = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . O X . . . .
    . . O . . . O . .
    . . . . X . X . .
    . . . . . O . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(IkkenKado1Test, PointsBeyondTheCornersAreSeenAlongTheirRowsFromEitherEnd)
{
    for (const bool fromTop : {true, false}) {
        SCOPED_TRACE(fromTop);
        PrepareLink(kCornerRows, kKuro);
        const Point a = fromTop ? Point(5, 4) : Point(5, 6), b = fromTop ? Point(5, 6) : Point(5, 4);
        TKankeiBox box;
        ASSERT_TRUE(KankeiBoxMake(a, b, box));
        int d = -1;
        Point out(9, 9);
        IkkenKado1SotoTe(box, d, out);
        EXPECT_EQ(out, Point());
        EXPECT_EQ(d, 0);
        EXPECT_EQ(Level, 0);
    }
}

// The shapes of the table from the other end of the jump.
TEST_F(IkkenKado1Test, SwappedEndsGiveTheSameAnswersInEveryOrientation)
{
    gSwapEnds = true;
    ExpectSymmetric(kSymCases);
    gSwapEnds = false;
}

} // namespace
} // namespace vorn::test

// The link utilities on diagrams with known answers: which point each
// reading proposes, the partner list of a pair, and the edge cases of their
// rules.  Every reading leaves the boards and the level as it found them.
#include <string>
#include <utility>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/WideShapes.h"

#include "board/Between.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/LinkUtil.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

class LinkUtilTest : public VornTest {
protected:
    // The candidate table as "(x,y)" points in table order.
    static std::string Points()
    {
        std::string s;
        for (int i = 1; i <= KohoCount; ++i)
            s += "(" + std::to_string(Koho.Pt[i].x) + "," + std::to_string(Koho.Pt[i].y) + ")";
        return s;
    }
    // Checks after a reading: nothing left on the boards.
    void ExpectUnchanged(std::uint64_t before)
    {
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
    }
};

// A one-space jump box of the current board with its colours.
struct TJumpBox {
    Point pt[9];
    std::uint8_t iro[9];
    TJumpBox(Point a, Point b)
    {
        BetweenStrip3(a, b, pt);
        for (int i = 0; i < 9; ++i)
            iro[i] = CurGoban().GetIroPt(pt[i]);
    }
};

// --- Partners -------------------------------------------------------------------

TEST_F(LinkUtilTest, LinkPartnersSkipsThePairInEitherOrder)
{
    SetBoard(kDoubleAtari);
    TGoban& g = CurGoban();
    const Point a(3, 3), b(4, 4);
    g.PairClear();
    g.PairAdd(a, b, 2);               // the pair itself
    g.PairAdd(b, a, 2);               // and stored the other way round
    g.PairAdd(Point(2, 4), a, 2);     // a given second
    g.PairAdd(b, Point(5, 3), 2);     // b given second
    g.PairAdd(a, Point(7, 7), 4);     // another kind
    g.PairAdd(Point(8, 8), Point(9, 9), 2);
    Point out[8];
    ASSERT_EQ(LinkPartners(a, b, 2, out), 2);
    EXPECT_EQ(out[0], Point(2, 4));
    EXPECT_EQ(out[1], Point(5, 3));
    ASSERT_EQ(LinkPartners(b, a, 4, out), 1);
    EXPECT_EQ(out[0], Point(7, 7));
}

TEST_F(LinkUtilTest, LinkPartnersStopsAtEight)
{
    SetBoard(kDoubleAtari);
    TGoban& g = CurGoban();
    const Point a(5, 5), b(6, 6);
    g.PairClear();
    for (int i = 1; i <= 9; ++i)
        g.PairAdd(a, Point(i, 1), 2);
    g.PairAdd(Point(1, 9), b, 2);
    Point out[9];
    out[8] = Point(7, 7);
    ASSERT_EQ(LinkPartners(a, b, 2, out), kMaxLinkPartners);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(out[i], Point(i + 1, 1)) << "list order";
    EXPECT_EQ(out[8], Point(7, 7)) << "written past eight";
    // A shorter list is never written past its end.
    Point three[3];
    EXPECT_EQ(LinkPartners(a, b, 2, three), 3);
}

TEST_F(LinkUtilTest, KeimaPartnerProposesTheCut)
{
    for (const int side : {kKuro, kSiro}) {
        SCOPED_TRACE(side);
        PrepareDecision(kKeimaPartner, side);
        CurGoban().PairClear();
        CurGoban().PairAdd(Point(4, 4), Point(2, 5), 4);
        const std::uint64_t before = StackHash();
        EXPECT_EQ(JoinedLinkCheck(Point(4, 4), Point(5, 5)), 1);
        ExpectUnchanged(before);
        EXPECT_EQ(Points(), "(5,4)");
        // The cut is proposed as a plain point, with no bonus, for either side.
        EXPECT_EQ(Koho.Bonus[1], 0);
    }
}

TEST_F(LinkUtilTest, KeimaPartnerWhoseCutIsIllegalReadsNothing)
{
    // The shape of kKeimaPartner with Black's F4 and E3 around the crossing
    // point E4: White's cut there would have no liberty, so the partner
    // gives nothing and the pair is not reported as joined.
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X . X . . .
        . X . O X . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int side : {kKuro, kSiro}) {
        SCOPED_TRACE(side);
        PrepareDecision(kDiagram, side);
        CurGoban().PairClear();
        CurGoban().PairAdd(Point(4, 4), Point(2, 5), 4);
        EXPECT_EQ(KeimaPartnerCheck(Point(4, 4), Point(5, 5), Point(2, 5)), 0);
        EXPECT_EQ(JoinedLinkCheck(Point(4, 4), Point(5, 5)), 0);
        EXPECT_EQ(Points(), "");
    }
}

TEST_F(LinkUtilTest, JoinedLinkCheckReadsEveryKnightsMovePartner)
{
    // The working partner first, then one that is no knight's move: the
    // answer stays 1.  Then the other way round.
    for (const bool workingFirst : {true, false}) {
        SCOPED_TRACE(workingFirst);
        PrepareDecision(kKeimaPartner, kSiro);
        TGoban& g = CurGoban();
        g.PairClear();
        if (workingFirst)
            g.PairAdd(Point(4, 4), Point(2, 5), 4);
        g.PairAdd(Point(5, 5), Point(8, 8), 4);
        if (!workingFirst)
            g.PairAdd(Point(2, 5), Point(4, 4), 4);
        EXPECT_EQ(JoinedLinkCheck(Point(4, 4), Point(5, 5)), 1);
        EXPECT_EQ(Points(), "(5,4)");
    }
}

// Black's diagonal D4-E5 with White's stones at C5-D5 in the crossing point;
// D6 is a one-space jump from D4 and diagonal to E5.  White attacks one end.
TEST_F(LinkUtilTest, IkkenPartnerAttacksOneEnd)
{
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . . O O X . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    // White to move: the hane at E4 above the jump.
    PrepareDecision(kDiagram, kSiro);
    CurGoban().PairClear();
    CurGoban().PairAdd(Point(5, 5), Point(4, 6), 2);
    const std::uint64_t before = StackHash();
    EXPECT_EQ(JoinedLinkCheck(Point(4, 4), Point(5, 5)), 0) << "its result is not used";
    ExpectUnchanged(before);
    EXPECT_EQ(Points(), "(5,4)");
    EXPECT_GT(PreparedTeCount, 0);
    // Black to move: Black strengthens first, away from the edge.
    PrepareDecision(kDiagram, kKuro);
    CurGoban().PairClear();
    CurGoban().PairAdd(Point(5, 5), Point(4, 6), 2);
    JoinedLinkCheck(Point(4, 4), Point(5, 5));
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(EmptyNeighbours(Koho.Pt[1]), 4);
}

// As above with White's C6 and C4: both ends of the jump D6-D4 are down to
// two liberties, and White's hane at E6 (beside D6 on the side of Black's
// E5) is an atari.  White then plays the hane from the far side: D7, beyond
// D6 from the gap, which has three empty neighbours; with White's C7 too
// D7 has only two, and White keeps the hane at E6.  The same at the other
// end of the jump.
TEST_F(LinkUtilTest, IkkenPartnerHaneFromTheFarSide)
{
    const char* const kFar = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . O X . . . . .
        . . O O X . . . .
        . . O X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const char* const kNear = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . O . . . . . .
        . . O X . . . . .
        . . O O X . . . .
        . . O X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    // The other end: White's E6 (D6 keeps two liberties, C6 and D7, but
    // no hane gives atari there) and C4: the hane at E4 ataris D4, so White
    // plays D3 beyond it; with White's C3 too, E4 itself.
    const char* const kOtherFar = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . O O X . . . .
        . . O X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const char* const kOtherNear = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . O O X . . . .
        . . O X . . . . .
        . . O . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const auto& [diagram, hane] : {std::pair{kFar, "(4,3)"}, std::pair{kNear, "(5,4)"}, std::pair{kOtherFar, "(4,7)"},
                                        std::pair{kOtherNear, "(5,6)"}}) {
        SCOPED_TRACE(hane);
        PrepareDecision(diagram, kSiro);
        CurGoban().PairClear();
        CurGoban().PairAdd(Point(5, 5), Point(4, 6), 2);
        PreparedTeCount = 0;
        const std::uint64_t before = StackHash();
        JoinedLinkCheck(Point(4, 4), Point(5, 5));
        ExpectUnchanged(before);
        EXPECT_EQ(Points(), hane);
        // The prepared answers: one per empty neighbour of the chosen hane
        // point, E6 (E7, F6) or E4 (F4, E3), two either way.
        EXPECT_EQ(PreparedTeCount, 2);
    }
}

// The cut E4 on the game board for a direct call: White's stone there, and
// Black's D4 with a stored ladder that starts at C4.
TEST_F(LinkUtilTest, KeimaPartnerSichoValuesTheCut)
{
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . X . X . . . . .
        . X . O X . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    PrepareDecision(kDiagram, kSiro);
    const std::uint64_t before = StackHash();
    ASSERT_TRUE(ToruPlay(kSiro, Point(5, 4)));
    ToruRenMake();
    SichoCheck(Point(4, 4));
    ASSERT_EQ(ToruRenAt(Point(4, 4))->SichoTe(1), Point(3, 4));
    const std::uint64_t inside = StackHash();
    KeimaPartnerSicho(Point(5, 4), Point(3, 4), Point(4, 4), Point(5, 5));
    EXPECT_EQ(StackHash(), inside);
    YomiUnwind();
    ExpectUnchanged(before);
    EXPECT_EQ(Points(), "(5,4)");
}

TEST_F(LinkUtilTest, KeimaPartnerSichoWithoutAStoredLadderReadsNothing)
{
    // D4's chain has no ladder stored: its first ladder move is no point,
    // the reading's first move is refused and nothing is taken back.
    PrepareDecision(kKeimaPartner, kSiro);
    ASSERT_TRUE(ToruPlay(kSiro, Point(5, 4)));
    ToruRenMake();
    const std::uint64_t inside = StackHash();
    KeimaPartnerSicho(Point(5, 4), Point(3, 4), Point(4, 4), Point(5, 5));
    EXPECT_EQ(StackHash(), inside);
    EXPECT_EQ(Level, 1);
    YomiUnwind();
    EXPECT_EQ(KohoCount, 0);
}

// --- Readings ---------------------------------------------------------------------

// White's one-space jump E3-E5; Black peeps from D4 beside the gap.  The
// push through the gap leaves White's E4 blocking stone in a ladder.
const char* const kNozoki = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O . O . . . .
    . . . X . . . . .
    . . . X O . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(LinkUtilTest, PeepWhoseLadderWorksTakesTheGap)
{
    for (const int side : {kKuro, kSiro}) {
        PrepareDecision(kNozoki, side);
        const TJumpBox box(Point(5, 3), Point(5, 5));
        const std::uint64_t before = StackHash();
        EXPECT_EQ(IkkenNozokiYomi(box.pt, box.iro, kKuro), 1);
        ExpectUnchanged(before);
        EXPECT_EQ(Points(), "(5,4)");
    }
}

// kNozoki with White's G5, and its mirror with White's C5: after Black's
// E6, White's push beside the gap, Black's D7 (F7), White's D8 (F8), Black's
// F7 (D7) and White's E8, White's pushing stone has two liberties that
// both touch the new White stone, so the ladder fails.  Black is still
// ahead after the reading: the gap E6 with the fixed value 8, and the
// reading does not count as an answer.
TEST_F(LinkUtilTest, PeepWhoseLadderFailsOffersTheGapAtEight)
{
    const char* const kBreaker = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . O . O . . . .
        . . . X . . . . .
        . . . X O . O . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const char* const kOtherSide = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . O . .
        . . . . . X . . .
        . . O . O X . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const char* diagram : {kBreaker, kOtherSide}) {
        for (const int side : {kKuro, kSiro}) {
            PrepareDecision(diagram, side);
            const TJumpBox box(Point(5, 3), Point(5, 5));
            const std::uint64_t before = StackHash();
            EXPECT_EQ(IkkenNozokiYomi(box.pt, box.iro, kKuro), 0);
            ExpectUnchanged(before);
            ASSERT_EQ(Points(), "(5,4)");
            EXPECT_EQ(Koho.Value[1], 8);
        }
    }
}

TEST_F(LinkUtilTest, PeepFromTheOtherSideTakesTheGap)
{
    // kNozoki seen in a mirror: Black's peeping stones on the other side of
    // White's jump, the same reading and the same gap.
    const char* const kMirrored = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . O . .
        . . . . . X . . .
        . . . . O X . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int side : {kKuro, kSiro}) {
        PrepareDecision(kMirrored, side);
        const TJumpBox box(Point(5, 3), Point(5, 5));
        EXPECT_EQ(IkkenNozokiYomi(box.pt, box.iro, kKuro), 1);
        EXPECT_EQ(Points(), "(5,4)");
    }
}

TEST_F(LinkUtilTest, PeepNeedsAStoneBesideTheGap)
{
    PrepareDecision(kNozoki, kKuro);
    const TJumpBox box(Point(5, 3), Point(5, 5));
    // White has no stone beside its own gap.
    EXPECT_EQ(IkkenNozokiYomi(box.pt, box.iro, kSiro), 0);
    EXPECT_EQ(KohoCount, 0);
}

TEST_F(LinkUtilTest, SotoIsiCheckLooksBeyondTheFirstCorner)
{
    // Black's jump D4-D6; White's corner E4, Black's F5 two lines out beside
    // the gap on that side.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . . . . X . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const TJumpBox box(Point(4, 4), Point(4, 6));
    EXPECT_TRUE(IkkenSotoIsiCheck(box.pt, box.iro, kSiro));
    EXPECT_FALSE(IkkenSotoIsiCheck(box.pt, box.iro, kKuro)) << "no corner holds Black";
    // A White corner C6 comes first: nothing beyond C5.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . . . . X . . .
        . . O X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const TJumpBox first(Point(4, 4), Point(4, 6));
    EXPECT_FALSE(IkkenSotoIsiCheck(first.pt, first.iro, kSiro));
    // White's corner C4 beside A is looked at first: Black's B5 beyond C5
    // from the gap answers yes.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . O X . . . . .
        . X . . . . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const TJumpBox nearA(Point(4, 4), Point(4, 6));
    EXPECT_TRUE(IkkenSotoIsiCheck(nearA.pt, nearA.iro, kSiro));
}

TEST_F(LinkUtilTest, MiaiUtuProposesTheFirstPointOrTheGap)
{
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int side : {kKuro, kSiro}) {
        PrepareDecision(kDiagram, side);
        const TJumpBox box(Point(5, 4), Point(5, 6));
        const std::uint64_t before = StackHash();
        IkkenMiaiUtu(box.pt, Point(4, 5), Point(6, 5), kKuro);
        ExpectUnchanged(before);
        EXPECT_EQ(Points(), side == kKuro ? "(4,5)" : "(5,5)");
    }
    // A refused move in the first line: nothing.
    PrepareDecision(kDiagram, kKuro);
    const TJumpBox box(Point(5, 4), Point(5, 6));
    IkkenMiaiUtu(box.pt, Point(4, 5), Point(5, 6), kKuro);
    EXPECT_EQ(KohoCount, 0);
}

TEST_F(LinkUtilTest, Dame2UtuProposesUOnATwoLibertyChainElseT)
{
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    PrepareDecision(kDiagram, kKuro);
    std::uint64_t before = StackHash();
    Dame2Utu(Point(5, 5), Point(6, 4), Point(6, 5), Point(5, 6), kKuro);
    ExpectUnchanged(before);
    EXPECT_EQ(Points(), "(6,5)");
    // Black's E4 has three liberties: T.
    PrepareDecision(kDiagram, kSiro);
    before = StackHash();
    Dame2Utu(Point(5, 4), Point(6, 4), Point(5, 3), Point(4, 3), kSiro);
    ExpectUnchanged(before);
    EXPECT_EQ(Points(), "(6,4)");
}

TEST_F(LinkUtilTest, MiaiHyokaTieProposesP)
{
    // White's E4 between Black's D5 and F5: D4 and F4 are mirror images.
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . X . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int side : {kKuro, kSiro}) {
        PrepareDecision(kDiagram, side);
        const std::uint64_t before = StackHash();
        MiaiHyokaUtu(Point(4, 4), Point(6, 4), kSiro);
        ExpectUnchanged(before);
        EXPECT_EQ(Points(), "(4,4)");
        KohoCount = 0;
        MiaiHyokaUtu(Point(6, 4), Point(4, 4), kSiro);
        EXPECT_EQ(Points(), "(6,4)");
    }
}

TEST_F(LinkUtilTest, KeimaKiriUtuProposesP)
{
    // White's knight's move D4-E6; Black cuts at D5 against E5.
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . . . X . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    PrepareDecision(kDiagram, kKuro);
    const std::uint64_t before = StackHash();
    KeimaKiriUtu(Point(4, 5), Point(5, 5), Point(4, 4), kKuro);
    ExpectUnchanged(before);
    EXPECT_EQ(Points(), "(4,5)");
    // An occupied first point: nothing.
    KohoCount = 0;
    KeimaKiriUtu(Point(5, 5), Point(4, 5), Point(4, 4), kKuro);
    EXPECT_EQ(KohoCount, 0);
}

// Black's C5 and G5 four apart with Black's E4 beside the middle.
const char* const kStrip = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . X . . . X . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(LinkUtilTest, KeimaStripTakesTheFirstOfEqualSides)
{
    // The shape is symmetric: Black's jump D5, White's push D4, both first.
    for (const int side : {kKuro, kSiro}) {
        PrepareDecision(kStrip, side);
        const std::uint64_t before = StackHash();
        KeimaStripUtu(Point(3, 5), Point(7, 5));
        ExpectUnchanged(before);
        EXPECT_EQ(Points(), side == kKuro ? "(4,5)" : "(4,4)");
    }
}

TEST_F(LinkUtilTest, KeimaStripByTheOwnStonesBesideTheMiddle)
{
    // kStrip with Black's stone beside the middle point E5 on the other side
    // (E6 instead of E4): its mirror image, Black's jump D5 as before and
    // White's push now D6.  With Black on both sides (E4 and E6) the link
    // holds either way: nothing to read.
    struct {
        const char* what;
        const char* stones; // Black's stones beside the middle
        const char* black;  // the answers with Black to play
        const char* white;  // and with White to play
    } const cases[] = {
        {"the other side", "E6", "(4,5)", "(4,6)"},
        {"both sides", "E4 E6", "", ""},
    };
    for (const auto& c : cases)
        for (const int side : {kKuro, kSiro}) {
            SCOPED_TRACE(c.what);
            const std::string black = "C5 G5 " + std::string(c.stones);
            PrepareDecision(Stones(black.c_str(), "").c_str(), side);
            KeimaStripUtu(Point(3, 5), Point(7, 5));
            EXPECT_EQ(Points(), side == kKuro ? c.black : c.white) << side;
        }
}

TEST_F(LinkUtilTest, KeimaStripWithTheFarSideTakenReadsBothPushes)
{
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . X . . . X . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    PrepareDecision(kDiagram, kKuro);
    const std::uint64_t before = StackHash();
    KeimaStripUtu(Point(3, 5), Point(7, 5));
    ExpectUnchanged(before);
    EXPECT_EQ(Points(), "(4,4)(6,4)");
}

TEST_F(LinkUtilTest, Kankei7SubHyokaWithoutAHaneIsTheEvaluation)
{
    // Black's (1,3) C4-F5 with nothing beside it, and with a White hane
    // whose extension is a self-atari for Black.
    const char* const kDiagram = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X . . . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    PrepareDecision(kDiagram, kKuro);
    Point rows[8];
    BetweenRows(Point(3, 4), Point(6, 5), rows);
    const std::uint64_t before = StackHash();
    const int e = Hyoka(kKuro);
    EXPECT_EQ(Kankei7SubHyoka(rows, kKuro), e);
    ExpectUnchanged(before);
    EXPECT_EQ(KohoCount, 0);
}

// White's E6 and E4 on both sides of Q = E5, Black cutting at P (D5 or
// F5) with T (beyond Q from P) empty: besides its two readings at Q and at
// the last liberty L of White's chain, Black's value counts the cut of
// White's extension at T from E6 or from E4, KiriHyoka at the corner
// point beside T (Black at Q, White at L and T).  Value: (min(e1, max(e2,
// k)) + White's evaluation at P) * 3 / 2.  In each placement Black's stones
// beside T make one of the two cuts worth more than e2 and less than e1, so
// the cut decides the value.
TEST_F(LinkUtilTest, KeimaKiriUtuCountsTheCutOfTheStoneBeyond)
{
    struct TCase {
        const char* diagram;
        Point p, t;
    };
    // Black's G6, G5 and F3: the cut at F6 decides; G5 and G4 (and B8 away
    // from the shape): the cut at F4; C6, C5 and D3: the cut at D6, P on the
    // right.
    const TCase cases[] = {{R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . X . .
        . . . . . . X . .
        . . . . O . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(6, 5)}, {R"(
        . . . . . . . . .
        . X . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . . . . X . .
        . . . . O . X . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(6, 5)}, {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X . O . . . .
        . . X . . . . . .
        . . . . O . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(6, 5), Point(4, 5)}};
    const Point q(5, 5), up(5, 4), down(5, 6);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.p.x);
        PrepareDecision(c.diagram, kKuro);
        TShapeYomi y(TRefusal::GoOn);
        y.Play(kKuro, c.p);
        y.Play(kSiro, q);
        const Point l = KuuPointOf(up, 1);
        const int e1 = y.ScoreAfter(kKuro, {{kKuro, l}});
        y.BackTo(1);
        y.Play(kSiro, l);
        y.Play(kKuro, q);
        const int e2 = y.Score(kKuro);
        y.Play(kSiro, c.t);
        const int k = std::max(KiriHyoka(kKuro, Point(c.t.x, 4), c.t, up), KiriHyoka(kKuro, Point(c.t.x, 6), c.t, down));
        y.BackAll();
        ASSERT_LT(e2, k);
        ASSERT_LT(k, e1);
        const int e0 = UtuHyoka(kSiro, c.p);
        const std::uint64_t before = StackHash();
        KeimaKiriUtu(c.p, q, up, kKuro);
        ExpectUnchanged(before);
        ASSERT_EQ(KohoCount, 1);
        EXPECT_EQ(Koho.Pt[1], c.p);
        EXPECT_EQ(Koho.Value[1], (k + e0) * 3 / 2);
    }
}

} // namespace
} // namespace vorn::test

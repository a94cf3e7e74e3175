// The peep at a one-space jump: the cut read at the gap (held against GNU
// Go), the shapes the dispatch sends elsewhere, the readings that run with
// the cut standing, the sweeps with every routine called directly, and the
// answers under the eight symmetries.  Black's jump (4,4)-(4,6) with White's
// peep at (3,5) unless a position says otherwise: the gap (4,5), the far
// point P (5,5), the far corners Q (5,4) and R (5,6), and beyond them U
// (6,5), V (6,4) and W (6,6).
#include <functional>
#include <string>

#include "GnuGo.h"
#include "LinkUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/IkkenNozoki.h"
#include "engine/links/IkkenNozokiKata.h"
#include "engine/links/IkkenOsi.h"
#include "engine/links/IkkenRenraku.h"

namespace vorn::test {
namespace {

constexpr Point kA(4, 4), kB(4, 6), kGap(4, 5), kP(5, 5);

// The peep alone.
constexpr const char* kPeep = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . O . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black C3 and C5, White D4, E5 and E3 (GTP names): the jump (3,5)-(3,7)
// with the peep (4,6) and White's stones behind the peep's corners.
constexpr const char* kGnu = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X . O . . . .
    . . . O . . . . .
    . . X . O . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr Point kGnuA(3, 5), kGnuB(3, 7), kGnuGap(3, 6);

// Peeps on both sides of the gap, open and with Black's corners filled.
constexpr const char* kRyoOpen = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . O . O . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr const char* kRyoSolid = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . X X X . . . .
    . . O . O . . . .
    . . X X X . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr const char* kRyoSolid19 = R"(
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . O . . . . . . . . . . . . . . .
    . . X X X . . . . . . . . . . . . . .
    . . O . O . . . . . . . . . . . . . .
    . . X X X . . . . . . . . . . . . . .
    . . . O . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .)";

// Black holds P; White's stones behind both far corners.
constexpr const char* kMukai = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . O . . .
    . . . X . . . . .
    . . O . X . . . .
    . . . X . . . . .
    . . . . . O . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White at the gap would capture Black's whole chain.
constexpr const char* kToruTen = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O O . . . .
    . . O X X O . . .
    . . O . X O . . .
    . . O X X O . . .
    . . . O O . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on U; Black on R, behind Q at (5,3) and beyond V at (7,4): the
// point V beyond the empty corner is urgent for both.
constexpr const char* kSoto = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . X . . X . .
    . . O . . O . . .
    . . . X X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on U, Black on Q: the opponent's corner is R.
constexpr const char* kSotoAite = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X X . . . .
    . . O . . O . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on V beyond the empty Q, Black on R.
constexpr const char* kKadoSoto = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . O . . .
    . . O . . . . . .
    . . . X X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black holds Q.
constexpr const char* kKadoJibun = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X X . . . .
    . . O . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's peep and White's far corner Q.
constexpr const char* kKado = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X O . . . .
    . . O . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's stones above and beside A: the cut puts A in atari.
constexpr const char* kRenAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . O X . . . . .
    . . O . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's jump (2,4)-(2,6) on the second line, White's peep on the third:
// P (1,5) lies on the first line.
constexpr const char* kEdgeP = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . X . . . . . . .
    . . O . . . . . .
    . X . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's jump (1,4)-(1,6) along the edge: P lies off the board.  In the
// second diagram the cut at (1,5) is caught by a ladder.
constexpr const char* kHen = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    X . . . . . . . .
    . O . . . . . . .
    X . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr const char* kHenSicho = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    X X . . . . . . .
    . O . . . . . . .
    X . . . . . . . .
    X . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black on U with White on its other sides but W: White's P ataris it.
constexpr const char* kAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . O . . .
    . . O . . X O . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

using P = std::pair<int, int>;

TKankeiBox Box(Point a = kA, Point b = kB)
{
    TKankeiBox box;
    EXPECT_TRUE(KankeiBoxMake(a, b, box));
    return box;
}

// Board 0 from the diagram after `passes` passes, prepared for `toMove` as
// PrepareLink does, with JibunIro set.
void Prepare(const char* diagram, int toMove, int passes = 0)
{
    if (passes == 0) {
        PrepareLink(diagram, toMove);
    } else {
        SetBoard(diagram);
        for (int i = 0; i < passes + (toMove == kSiro ? 1 : 0); ++i)
            GobanLv[0]->Pass();
        Point none;
        VornThink0(-1, none);
        ClearLinkOutput();
        KohoKind = kkKankei;
    }
    JibunIro = static_cast<std::uint8_t>(toMove);
    AiteIro = static_cast<std::uint8_t>(toMove ^ 3);
}

// The reason and related point of the candidate at p.
std::pair<int, Point> KohoReason(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return {Koho.Kind[i], Koho.RelPt[i]};
    return {-1, Point()};
}

// --- The sweep ----------------------------------------------------------------------

// Every routine of the peep family called directly on a box with a peep,
// whatever else stands in it, in the sweeps of the pair lists and of the
// jumps along the first line (the dispatch itself runs in IkkenRenraku's
// sweep); the readings that expect the cut (and the owner's P) on the board
// get them first.
void PeepRoutines(Point a, Point b)
{
    TKankeiBox box;
    if (!JumpBox(a, b, box) || box.D != 2 || (!box.IsOpp(3) && !box.IsOpp(5)))
        return;
    for (void (*f)(TKankeiBox) :
         {IkkenNozokiMain, IkkenNozokiRyo, IkkenNozokiKado, IkkenNozokiMukai,
          IkkenNozokiHen, IkkenNozokiSotoJibun, IkkenNozokiSotoAite, IkkenNozokiSotoAite2, IkkenNozokiKadoSoto,
          IkkenNozokiKadoJibun})
        f(box);
    const TNozoki f = NozokiFrame(box);
    IkkenNozokiAtari(box, f.P);
    IkkenNozokiMae(f.Gap, f.P, f.A, f.Q, f.B, f.R);
    TYomiTrial t;
    t.Play(box.Opp, f.Gap);
    IkkenNozokiRenAtari(box, f.P, 3, 8);
    t.Play(box.Own, f.P);
    Point g = f.Gap;
    (void)IkkenNozokiKiriHyoka(box, g);
    (void)IkkenNozokiKadoHane(f.Q, f.R, f.A, f.B, box.Opp, 5);
}

const TLinkHandlerAdd kAddPeep({"IkkenNozoki family", 3, TLinkPass::First, PeepRoutines});

class IkkenNozokiTest : public VornTest {};

// --- The cut at the gap ---------------------------------------------------------------

TEST_F(IkkenNozokiTest, CutAtTheGapAgreesWithGnuGo)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kGnu, c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kGnuA, kGnuB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(kGnuGap.x, kGnuGap.y))) << out.Show();
        // The gap and the far point are marked before any reading.
        EXPECT_EQ(out.Marks, (std::set<P>{{2, 6}, {3, 6}}));
    }
    // The owner's connection stays at the gap in this shape.
    Prepare(kGnu, kKuro);
    Point g;
    IkkenTugiTe(Box(kGnuA, kGnuB), g);
    EXPECT_EQ(g, kGnuGap);

    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_TRUE(gg.Start(9));
    for (const char* m : {"black C3", "black C5", "white D4", "white E5", "white E3"})
        gg.Command(std::string("play ") + m);
    EXPECT_EQ(gg.Command("connect C3 C5"), "1 C4");
    EXPECT_EQ(gg.Command("disconnect C3 C5"), "1 C4");
    EXPECT_EQ(gg.FromVertex("C4"), kGnuGap);
}

TEST_F(IkkenNozokiTest, PeepsOnBothSidesGiveOnlyTheGapAsALinkMove)
{
    // The sum of both sides' readings, raised to 30 on an opening 19-line
    // board when it is small.
    struct TCase {
        const char* What;
        const char* Diagram;
        int Passes;
        int Low, High; // the value's range
    };
    const TCase cases[] = {
        {"open, 9 lines", kRyoOpen, 0, 25, 999},
        {"solid, 9 lines", kRyoSolid, 0, -999, 19},
        {"solid, 19 lines, first move", kRyoSolid19, 0, 30, 30},
        {"solid, 19 lines, after move 50", kRyoSolid19, 52, -999, 19},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Diagram, c, k.Passes);
            const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
            ASSERT_EQ(out.Koho.size(), 1u) << k.What << out.Show();
            ASSERT_TRUE(out.Koho.count(P(4, 5))) << k.What << out.Show();
            const int v = out.Koho.at(P(4, 5));
            EXPECT_TRUE(v >= k.Low && v <= k.High) << k.What << ": " << v;
            // A cutting move for the attacker, a connecting one for the owner.
            EXPECT_EQ(KohoReason(kGap), std::make_pair(c == kKuro ? int{kkKiri} : int{kkTugi}, kGap)) << k.What;
            EXPECT_TRUE(out.Marks.empty()) << k.What;
        }
}

TEST_F(IkkenNozokiTest, OwnerStoneOnTheFarPointReadsOnlyTheCornerCuts)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kMukai, c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        ClearLinkOutput();
        const TLinkOutput alone = RunLink([] { IkkenNozokiMukai(Box()); });
        EXPECT_EQ(out, alone) << out.Show() << " /" << alone.Show();
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        // Black defends outside the far corner, White cuts at the gap.
        EXPECT_TRUE(out.Koho.count(c == kKuro ? P(6, 4) : P(4, 5))) << out.Show();
        EXPECT_TRUE(out.Marks.empty());
    }
    // Black's stone beside Q makes White's cut there a self-atari: nothing
    // is proposed.
    for (int c : {kKuro, kSiro}) {
        PrepareLink(kMukai, c, {{Point(6, 4), kKuro}});
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
    }
}

TEST_F(IkkenNozokiTest, GapThatCapturesGivesNothingAndTheOutsideReadingRunsAfterAnyPeep)
{
    ExpectNoLinkOutput(kToruTen, {}, [] { IkkenRenraku(kA, kB); }, "the gap captures");
    // The peep's reading proposes its own point; the reading from outside
    // still adds V.
    for (int c : {kKuro, kSiro}) {
        Prepare(kSoto, c);
        const TLinkOutput soto = RunLink([] { IkkenNozokiSoto(Box()); });
        ASSERT_EQ(soto.Koho.size(), 1u) << soto.Show();
        ASSERT_TRUE(soto.Koho.count(P(6, 4))) << soto.Show();
        ClearLinkOutput();
        const TLinkOutput out = RunLink([] { IkkenRenraku(kA, kB); });
        EXPECT_EQ(out.Koho.size(), 2u) << out.Show();
        EXPECT_EQ(out.Koho.count(P(6, 4)), 1u) << out.Show();
    }
}

TEST_F(IkkenNozokiTest, AtariAtTheFarPoint)
{
    // After White's P, Black's U escapes at W or Black connects at the gap.
    Prepare(kAtari, kSiro);
    TLinkOutput out = RunLink([] { IkkenNozokiAtari(Box(), kP); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(5, 5))) << out.Show();
    EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{5, 5, 6, 6, 4, 5}, {5, 5, 4, 5, 6, 6}}));
    Prepare(kAtari, kKuro);
    out = RunLink([] { IkkenNozokiAtari(Box(), kP); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(4, 5))) << out.Show();
    EXPECT_TRUE(out.Prepared.empty());
    // U keeps two liberties after White's P: no chain is in atari, nothing is
    // proposed and the board is left as it was.
    for (int c : {kKuro, kSiro}) {
        Prepare(kAtari, c);
        GobanLv[0]->SetIro(7, 5, kAki);
        GobanLv[0]->RenMake();
        out = RunLink([] { IkkenNozokiAtari(Box(), kP); });
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_TRUE(out.Prepared.empty());
    }
}

// --- The shapes sent elsewhere --------------------------------------------------------

TEST_F(IkkenNozokiTest, ShapesAndTheirAnswers)
{
    struct TCase {
        const char* What;
        const char* Diagram;
        Point A, B;
        Point Own, Opp; // the owner engine's point and the attacker's
        int OwnReason, OppReason; // -1: the reason in force
        std::set<P> Marks;
    };
    const Point gap = kGap;
    const std::set<P> gapAndP{{4, 5}, {5, 5}};
    const TCase cases[] = {
        {"opponent beyond P, owner on Q: the opponent's corner R", kSotoAite, kA, kB, Point(5, 6), gap, -1, -1,
         gapAndP},
        {"opponent beyond the empty Q, owner on R: Q", kKadoSoto, kA, kB, Point(5, 4), gap, -1, -1, gapAndP},
        {"owner on Q: the point behind R", kKadoJibun, kA, kB, Point(5, 7), gap, -1, -1, gapAndP},
        {"opponent on a far corner", kKado, kA, kB, gap, gap, kkKiri, kkTugi, {{4, 5}}},
        {"A in atari after the cut", kRenAtari, kA, kB, gap, gap, -1, -1, gapAndP},
        {"P on the first line", kEdgeP, Point(2, 4), Point(2, 6), Point(2, 5), Point(2, 5), -1, -1,
         {{1, 5}, {2, 5}}},
        {"P off the board", kHen, Point(1, 4), Point(1, 6), Point(1, 5), Point(1, 5), kkKiri, kkKiri, {{1, 5}}},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Diagram, c);
            const TLinkOutput out = RunLink([&k] { IkkenRenraku(k.A, k.B); });
            const Point want = c == kKuro ? k.Own : k.Opp;
            ASSERT_EQ(out.Koho.size(), 1u) << k.What << out.Show();
            EXPECT_TRUE(out.Koho.count(P(want.x, want.y))) << k.What << out.Show();
            const int reason = c == kKuro ? k.OwnReason : k.OppReason;
            EXPECT_EQ(KohoReason(want).first, reason < 0 ? int{kkKankei} : reason) << k.What;
            EXPECT_EQ(out.Marks, k.Marks) << k.What;
        }
}

TEST_F(IkkenNozokiTest, EdgeJumpMarksTheGapEvenWhenTheCutIsALadder)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kHenSicho, c);
        const TLinkOutput out = RunLink([] { IkkenRenraku(Point(1, 4), Point(1, 6)); });
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_EQ(out.Marks, (std::set<P>{{1, 5}}));
    }
}

TEST_F(IkkenNozokiTest, CutValueWithoutAtariOnTheEndsIsThePlainEvaluation)
{
    // The ends have four and more liberties: no side of the fallback reading
    // applies and the owner's answer stays where it was.
    Prepare(kPeep, kKuro);
    GobanLv[0]->SetIro(4, 3, kKuro);
    GobanLv[0]->SetIro(4, 7, kKuro);
    GobanLv[0]->RenMake();
    ASSERT_TRUE(YomiUtu(kSiro, kGap));
    ASSERT_TRUE(YomiUtu(kKuro, kP));
    const int want = Hyoka(kSiro);
    Point g(9, 9);
    int v = 0;
    RunLink([&] { v = IkkenNozokiKiriHyoka(Box(), g); });
    EXPECT_EQ(v, want);
    EXPECT_EQ(g, Point(9, 9));
    YomiModosu();
    YomiModosu();
}

// --- Symmetry ----------------------------------------------------------------------

const TSymCase kSymCases[] = {
    {"cut at the gap, owner", kGnu, kKuro, true, [](int t) { return Handler(IkkenRenraku, kGnuA, kGnuB, t); }},
    {"cut at the gap, attacker", kGnu, kSiro, true, [](int t) { return Handler(IkkenRenraku, kGnuB, kGnuA, t); }},
    {"peeps on both sides", kRyoOpen, kKuro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"owner on the far point", kMukai, kKuro, true, [](int t) { return Handler(IkkenRenraku, kB, kA, t); }},
    {"outside reading", kSoto, kSiro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"opponent beyond P", kSotoAite, kKuro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"opponent beyond a far corner", kKadoSoto, kKuro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"owner on a far corner", kKadoJibun, kKuro, true, [](int t) { return Handler(IkkenRenraku, kB, kA, t); }},
    {"opponent on a far corner", kKado, kSiro, false, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"end in atari after the cut", kRenAtari, kSiro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"far point on the first line", kEdgeP, kSiro, true,
     [](int t) { return Handler(IkkenRenraku, Point(2, 4), Point(2, 6), t); }},
    {"far point off the board", kHen, kKuro, true,
     [](int t) { return Handler(IkkenRenraku, Point(1, 6), Point(1, 4), t); }},
    {"atari at the far point", kAtari, kSiro, false, [](int t) {
         ClearLinkOutput();
         TKankeiBox box;
         KankeiBoxMake(Sym(kA, t), Sym(kB, t), box);
         IkkenNozokiAtari(box, Sym(kP, t));
         return TakeLinkOutput(t).Show();
     }},
};

TEST_F(IkkenNozokiTest, MirrorImagesGiveTheSameAnswersAtTheMirroredPoints) { ExpectSymmetric(kSymCases); }

} // namespace
} // namespace vorn::test

// The one-space jump: which family a shape goes to, the free shape, the two
// families of two opponent corners, the second pass, the value routines, the
// local mode of the look-ahead, and all of them under the eight symmetries
// of the board.  Black's jump (4,4)-(4,6) with the gap (4,5) unless a
// position says otherwise.
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
#include "engine/links/IkkenOsi.h"
#include "engine/links/IkkenOuter.h"
#include "engine/links/IkkenRenraku.h"

namespace vorn::test {
namespace {

constexpr Point kA(4, 4), kB(4, 6), kGap(4, 5);

// White two lines out on both sides of the gap: every corner has White
// near it, nothing stands in the box.
constexpr const char* kFree = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . O . . . O . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black D6 and D4, White E6 and C4 (the diagonal corners [2] and [6]).
constexpr const char* kTaikaku = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X O . . . .
    . . . . . . . . .
    . . O X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same with White's corner stones grown outward.
constexpr const char* kTaikakuLong = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . . X O . . . .
    . . . . . . . . .
    . . O X . . . . .
    . . O . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White on both corners [0] and [6] of the left side.
constexpr const char* kKata = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . O X . . . . .
    . . . . . . . . .
    . . O X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's jump (3,4)-(5,4); White's stone (4,6) two lines below the gap
// (4,4) and White's atari at (3,5) on Black's (2,5).
constexpr const char* kOuter = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . O X . X . . . .
    . X . . . . . . .
    X O . O . . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr Point kOuterA(3, 4), kOuterB(5, 4);

// Black (3,2) and its jump to the top edge over (3,1); White (5,1) two
// lines beside the gap on the first line.
constexpr const char* kEdgeOuter = R"(
    . . . . O . . . .
    X . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr Point kEdgeA(3, 2), kEdgeB(3, 0);

// White (4,4) with two liberties and (5,5) with three; Black cuts at (5,4).
constexpr const char* kKiri23 = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . X O . . . . .
    . . X . O . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White peeps at (3,5); Black holds the corner (5,4) across from it.
constexpr const char* kPeep = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X X . . . .
    . . O . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

class IkkenTest : public VornTest {
protected:
    static void Prepare(const char* diagram, int toMove, const TStones& stones = {})
    {
        PrepareLink(diagram, toMove, stones);
    }
    static void ExpectNothing(const char* diagram, const TStones& stones, const std::function<void()>& f,
                              const char* what = "")
    {
        ExpectNoLinkOutput(diagram, stones, f, what);
    }
    static TLinkOutput Run(const std::function<void()>& f, int* moves = nullptr) { return RunLink(f, moves); }

    static TKankeiBox Box(Point a = kA, Point b = kB)
    {
        TKankeiBox box;
        EXPECT_TRUE(KankeiBoxMake(a, b, box));
        return box;
    }
};

using P = std::pair<int, int>;

TEST_F(IkkenTest, TheFirstShapeThatHoldsChoosesTheFamily)
{
    // White on the listed box cells of Black's jump.
    struct TCase {
        std::vector<int> White;
        int Shape;
    };
    const TCase cases[] = {
        {{4, 3, 0}, kIkkenWarikomi},   {{4, 2, 6, 8}, kIkkenWarikomi}, {{3, 0, 8}, kIkkenNozoki},
        {{5, 2}, kIkkenNozoki},        {{0, 6, 8}, kIkkenKadoKata},    {{2, 8, 6}, kIkkenKadoKata},
        {{0, 2, 6, 8}, kIkkenKadoKata}, {{0, 8}, kIkkenKadoTaikaku},   {{2, 6}, kIkkenKadoTaikaku},
        {{0, 2}, kIkkenKado1},         {{8}, kIkkenKado1},             {{}, kIkkenFree},
    };
    for (const TCase& c : cases) {
        SetBoard(kKata);
        TKankeiBox empty = Box();
        TGoban& b = *GobanLv[0];
        for (int i = 0; i <= 8; ++i)
            if (i != 1 && i != 7)
                b.SetIro(empty[i].x, empty[i].y, kAki);
        for (int i : c.White)
            b.SetIro(empty[i].x, empty[i].y, kSiro);
        EXPECT_EQ(IkkenShape(Box()), c.Shape) << "White on " << ::testing::PrintToString(c.White);
    }
    // Black's own stones and the cells off the board never count.
    SetBoard(kKata);
    GobanLv[0]->SetIro(3, 4, kKuro);
    GobanLv[0]->SetIro(4, 5, kKuro);
    EXPECT_EQ(IkkenShape(Box()), kIkkenKado1);
    SetBoard(R"(
        . . . . . . . . .
        X . . . . . . . .
        . . . . . . . . .
        X . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(IkkenShape(Box(Point(1, 2), Point(1, 4))), kIkkenFree);
}

TEST_F(IkkenTest, FreeJumpWedgeForTheAttackerDefenceForTheOwner)
{
    Prepare(kFree, kSiro);
    JibunIro = kSiro;
    TLinkOutput out = Run([] { IkkenRenraku(kA, kB); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(4, 5)));
    // An atari from either side of the wedge is answered by extending on the
    // other side.
    EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{4, 5, 3, 5, 5, 5}, {4, 5, 5, 5, 3, 5}}));

    // The owner: the best of the gap and the corners, the earlier on equal
    // values (so the gap on a tie); no prepared answers.
    Prepare(kFree, kKuro);
    JibunIro = kKuro;
    TKankeiBox box = Box();
    Point best = box[4];
    int bestValue = UtuHyoka(kKuro, best);
    for (int i : {0, 2, 6, 8})
        if (const int v = UtuHyoka(kKuro, box[i]); v > bestValue) {
            bestValue = v;
            best = box[i];
        }
    out = Run([] { IkkenRenraku(kA, kB); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(best.x, best.y))) << out.Show();
    EXPECT_TRUE(out.Prepared.empty());
}

TEST_F(IkkenTest, FreeJumpWithACornerFarFromTheOpponentIsLeftAlone)
{
    // White only on the left: the right corners have no white stone near.
    ExpectNothing(kFree, {{Point(6, 5), kAki}}, [] { IkkenRenraku(kA, kB); });
}

TEST_F(IkkenTest, DiagonalCornersTheCutAtTheGapAgreesWithGnuGo)
{
    Prepare(kTaikaku, kSiro);
    JibunIro = kSiro;
    // Both orders of the jump are read alike: the opponent's corners are
    // [2]/[6] from D6, [0]/[8] from D4.
    for (auto [a, b] : {std::pair{kA, kB}, std::pair{kB, kA}}) {
        ClearLinkOutput();
        const TLinkOutput out = Run([a, b] { IkkenRenraku(a, b); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(4, 5)));
    }
    // The owner pushes beside the gap.
    JibunIro = kKuro;
    ClearLinkOutput();
    TLinkOutput out = Run([] { IkkenRenraku(kA, kB); });
    EXPECT_EQ(out.Koho.size(), 2u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(3, 5)) && out.Koho.count(P(5, 5))) << out.Show();

    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_TRUE(gg.Start(9));
    for (const char* m : {"black D4", "black D6", "white C4", "white E6"})
        gg.Command(std::string("play ") + m);
    EXPECT_EQ(gg.Command("disconnect D4 D6"), "1 D5");
    EXPECT_EQ(gg.FromVertex("D5"), kGap);
}

TEST_F(IkkenTest, DiagonalCornersWithTwoLibertiesOrAStoneBeyondTheGapRow)
{
    // White's C4 with two liberties: no cut is read.
    ExpectNothing(kTaikaku, {{Point(2, 6), kKuro}}, [] { IkkenRenraku(kA, kB); });
    // Black's stone beyond (5,5) holds that side: only (5,5) is offered.
    Prepare(kTaikakuLong, kKuro, {{Point(6, 5), kKuro}});
    JibunIro = kKuro;
    const TLinkOutput out = Run([] { IkkenRenraku(kA, kB); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(5, 5))) << out.Show();
}

TEST_F(IkkenTest, CornersOfOneSideMarkBothPointsWhicheverIsOffered)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kKata, c);
        JibunIro = static_cast<std::uint8_t>(c);
        const TLinkOutput out = Run([] { IkkenRenraku(kA, kB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        // Black pushes between White's corners, White wedges.
        EXPECT_TRUE(out.Koho.count(c == kKuro ? P(3, 5) : P(4, 5))) << out.Show();
        EXPECT_EQ(out.Marks, (std::set<P>{{3, 5}, {4, 5}}));
        // After the push White's answer beyond it is met at the gap; after
        // the wedge Black's block is met by White's push.
        if (c == kKuro)
            EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{3, 5, 2, 5, 4, 5}}));
        else
            EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{4, 5, 5, 5, 3, 5}}));
    }
    // Black's push between the corners would be a self-atari: the gap.
    Prepare(kKata, kKuro, {{Point(2, 5), kSiro}});
    JibunIro = kKuro;
    const TLinkOutput out = Run([] { IkkenRenraku(kA, kB); });
    EXPECT_TRUE(out.Koho.count(P(4, 5))) << out.Show();
    EXPECT_FALSE(out.Koho.count(P(3, 5))) << out.Show();
}

TEST_F(IkkenTest, ThreeCornersGoToOneSideAndAFreeCornerTakenStopsIt)
{
    // White on [0], [6] and [8]: the one-side family runs and stops at the
    // taken free-side corner, though the diagonal corners alone would give
    // the cut at the gap.
    ExpectNothing(kKata, {{Point(5, 6), kSiro}}, [] { IkkenRenraku(kA, kB); });
    Prepare(kKata, kSiro, {{Point(5, 6), kSiro}});
    JibunIro = kSiro;
    TLinkOutput out = Run([] { IkkenKadoTaikaku(Box()); });
    EXPECT_TRUE(out.Koho.count(P(4, 5))) << out.Show();
}

TEST_F(IkkenTest, SecondPassAtariFromOutside)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kOuter, c);
        JibunIro = static_cast<std::uint8_t>(c);
        KohoKind = kkHokyo;
        const TLinkOutput out = Run([] { IkkenOuterRenraku(kOuterA, kOuterB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        if (c == kKuro) {
            // Black blocks on White's side of the gap.
            EXPECT_TRUE(out.Koho.count(P(4, 5))) << out.Show();
            EXPECT_TRUE(out.Prepared.empty());
        } else {
            // White ataris at the corner; after Black's escape White wedges.
            EXPECT_TRUE(out.Koho.count(P(3, 5))) << out.Show();
            EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{3, 5, 1, 5, 4, 4}}));
        }
        EXPECT_EQ(Koho.Kind[1], kkHokyo);
    }
}

TEST_F(IkkenTest, SecondPassNeedsOneOutsideStoneAndAnAtari)
{
    struct TCase {
        const char* What;
        TStones Stones;
    };
    const TCase cases[] = {
        {"White two lines out on both sides", {{Point(4, 2), kSiro}}},
        {"no atari at a corner", {{Point(2, 4), kAki}}},
        {"White in the box", {{Point(5, 5), kSiro}}},
    };
    for (const TCase& k : cases)
        ExpectNothing(kOuter, k.Stones, [] { IkkenOuterRenraku(kOuterA, kOuterB); }, k.What);
}

TEST_F(IkkenTest, SecondPassOnTheFirstLineOffersTheGapToBothSides)
{
    for (int c : {kKuro, kSiro})
        for (auto [a, b] : {std::pair{kEdgeA, kEdgeB}, std::pair{kEdgeB, kEdgeA}}) {
            Prepare(kEdgeOuter, c);
            JibunIro = static_cast<std::uint8_t>(c);
            const TLinkOutput out = Run([a, b] { IkkenOuterRenraku(a, b); });
            ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
            EXPECT_TRUE(out.Koho.count(P(3, 1))) << out.Show();
        }
    // Black's stone two lines out on White's side of the edge gap: nothing.
    Prepare(kEdgeOuter, kKuro, {{Point(5, 2), kKuro}});
    const TLinkOutput out = Run([] { IkkenOuterRenraku(kEdgeA, kEdgeB); });
    EXPECT_TRUE(out.Koho.empty()) << out.Show();
}

TEST_F(IkkenTest, PushValueNeedsAnEmptyBlockingPoint)
{
    // White peeps at (3,5); the block at (5,5) is taken.
    for (int blocker : {kKuro, kSiro}) {
        Prepare(kFree, kKuro, {{Point(3, 5), kSiro}, {Point(5, 5), blocker}});
        int moves = -1;
        int v = 0;
        Run([&v] { v = IkkenOsiHyoka(kA, kB); }, &moves);
        EXPECT_EQ(v, -1);
        EXPECT_EQ(moves, 0);
    }
}

TEST_F(IkkenTest, PushValueWithoutACutIsThePositionAfterWedgeAndBlock)
{
    // Black holds both corners on the blocking side: no cut can be played
    // and the double cut is refused at once.
    Prepare(kFree, kKuro, {{Point(3, 5), kSiro}, {Point(5, 4), kKuro}, {Point(5, 6), kKuro}});
    ASSERT_TRUE(YomiUtu(kSiro, kGap));
    ASSERT_TRUE(YomiUtu(kKuro, Point(5, 5)));
    const int want = Hyoka(kSiro);
    YomiModosu();
    YomiModosu();
    int v = 0;
    Run([&v] { v = IkkenOsiHyoka(kA, kB); });
    EXPECT_EQ(v, want);
}

TEST_F(IkkenTest, PushValueKeepsTheCallersMovesWhenItsWedgeIsRefused)
{
    // Black already fills the gap: the wedge is refused and only the block
    // stands; the caller's own move must survive the take-back.
    Prepare(kFree, kKuro, {{Point(3, 5), kSiro}, {kGap, kKuro}});
    ASSERT_TRUE(YomiUtu(kSiro, Point(8, 8)));
    const std::uint64_t standing = StackHash();
    IkkenOsiHyoka(kA, kB);
    EXPECT_EQ(StackHash(), standing);
    EXPECT_EQ(CurGoban().GetIroPt(Point(8, 8)), kSiro);
    YomiModosu();
    EXPECT_EQ(Level, 0);
}

TEST_F(IkkenTest, CutReadingNeedsTwoAndThreeLiberties)
{
    struct TCase {
        const char* What;
        TStones Stones;
        bool Applies;
    };
    const TCase cases[] = {
        {"two and three", {}, true},
        {"two and two", {{Point(6, 5), kKuro}}, false},
        {"three and three", {{Point(3, 4), kAki}}, false},
    };
    for (const TCase& k : cases) {
        Prepare(kKiri23, kKuro, k.Stones);
        int v1 = 0, v2 = 0, moves = -1;
        Run([&] { v1 = IkkenKiriYomi(kKuro, Point(5, 4), Point(4, 4), Point(5, 5)); }, &moves);
        Run([&] { v2 = IkkenKiriYomi(kKuro, Point(5, 4), Point(5, 5), Point(4, 4)); });
        EXPECT_EQ(v1, v2) << k.What << ": the chains in either order";
        if (k.Applies) {
            EXPECT_NE(v1, -1) << k.What;
        } else {
            EXPECT_EQ(v1, -1) << k.What;
            EXPECT_EQ(moves, 0) << k.What;
        }
    }
}

TEST_F(IkkenTest, ConnectingMoveAgainstAPeep)
{
    // White peeps at (3,5); the free side is x = 5 with corners U (5,4)
    // beside A and V (5,6) beside B, and (5,7) beyond V.
    constexpr Point kPeep(3, 5);
    struct TCase {
        const char* What;
        std::vector<Point> Black, White;
        Point Want;
    };
    const TCase cases[] = {
        {"U secure: beyond V", {Point(5, 4)}, {kPeep}, Point(5, 7)},
        {"both secure", {Point(5, 4), Point(5, 6)}, {kPeep}, kGap},
        {"neither secure", {}, {kPeep}, kGap},
        {"White on a free corner", {Point(5, 4)}, {kPeep, Point(5, 6)}, kGap},
        {"V crowded: V itself", {Point(5, 4)}, {kPeep, Point(6, 6)}, Point(5, 6)},
        {"beyond V hemmed in, Black around it", {Point(5, 4), Point(4, 8)}, {kPeep, Point(5, 8)}, Point(5, 7)},
        {"beyond V hemmed in, alone", {Point(5, 4)}, {kPeep, Point(5, 8)}, Point(5, 6)},
        {"no peep", {Point(5, 4)}, {}, kGap},
    };
    for (const TCase& k : cases) {
        SetBoard(kKata);
        TGoban& b = *GobanLv[0];
        b.SetIro(3, 4, kAki);
        b.SetIro(3, 6, kAki);
        for (Point p : k.Black)
            b.SetIro(p.x, p.y, kKuro);
        for (Point p : k.White)
            b.SetIro(p.x, p.y, kSiro);
        b.RenMake();
        Point g(9, 9);
        IkkenTugiTe(Box(), g);
        EXPECT_EQ(g, k.Want) << k.What;
    }
}

TEST_F(IkkenTest, LookAheadOutsideTheBoxPlaysNothing)
{
    Prepare(kFree, kSiro);
    JibunIro = kSiro;
    InSakiyomi = 1;
    YomiArea = {};
    YomiArea[8][8] = 1;
    int moves = -1;
    TLinkOutput out = Run([] { IkkenRenraku(kA, kB); }, &moves);
    EXPECT_TRUE(out.Koho.empty()) << out.Show();
    EXPECT_EQ(moves, 0);
    // One box point inside the area is enough.
    YomiArea[5][6] = 1;
    out = Run([] { IkkenRenraku(kA, kB); }, &moves);
    EXPECT_TRUE(out.Koho.count(P(4, 5))) << out.Show();
    EXPECT_GT(moves, 0);
    EXPECT_TRUE(out.Prepared.empty()) << "no prepared answers inside the look-ahead";
    InSakiyomi = 0;
    YomiArea = {};
}

// --- Symmetry ----------------------------------------------------------------------

std::string ShowPoint(Point p, int t)
{
    const Point q = SymInverse(p, t);
    return std::to_string(q.x) + "," + std::to_string(q.y);
}

const TSymCase kSymCases[] = {
    {"free, attacker", kFree, kSiro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"free, owner", kFree, kKuro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"diagonal corners, attacker", kTaikakuLong, kSiro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"diagonal corners, owner", kTaikakuLong, kKuro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"diagonal corners from B", kTaikaku, kKuro, false, [](int t) { return Handler(IkkenRenraku, kB, kA, t); }},
    {"one side, attacker", kKata, kSiro, true, [](int t) { return Handler(IkkenRenraku, kA, kB, t); }},
    {"one side, owner", kKata, kKuro, true, [](int t) { return Handler(IkkenRenraku, kB, kA, t); }},
    {"outside stone, attacker", kOuter, kSiro, true,
     [](int t) { return Handler(IkkenOuterRenraku, kOuterA, kOuterB, t); }},
    {"outside stone, owner", kOuter, kKuro, true,
     [](int t) { return Handler(IkkenOuterRenraku, kOuterB, kOuterA, t); }},
    {"first line, edge end first", kEdgeOuter, kKuro, true,
     [](int t) { return Handler(IkkenOuterRenraku, kEdgeB, kEdgeA, t); }},
    {"push value", kPeep, kKuro, false,
     [](int t) { return std::string(IkkenOsiHyoka(Sym(kA, t), Sym(kB, t)) == -1 ? "no push" : "push"); }},
    {"cut reading", kKiri23, kKuro, false,
     [](int t) {
         const int v = IkkenKiriYomi(kKuro, Sym(Point(5, 4), t), Sym(Point(4, 4), t), Sym(Point(5, 5), t));
         return std::string(v == -1 ? "no cut" : "cut");
     }},
    {"connecting move", kPeep, kKuro, true,
     [](int t) {
         TKankeiBox box;
         KankeiBoxMake(Sym(kA, t), Sym(kB, t), box);
         Point g;
         IkkenTugiTe(box, g);
         return ShowPoint(g, t);
     }},
};

TEST_F(IkkenTest, MirrorImagesGiveTheSameAnswersAtTheMirroredPoints) { ExpectSymmetric(kSymCases); }

} // namespace
} // namespace vorn::test

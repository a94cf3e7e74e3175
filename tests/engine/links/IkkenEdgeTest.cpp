// The one-space jump to the edge: which family a shape goes to, the safety of
// a first-line stone, the wedge on the gap and the peep beside it, both
// orders of the relation on every edge, and the relations to the edge of
// seeded random positions.  Black's stone (5,2) on the second line of a 9 x 9
// board jumps to the top edge over the gap (5,1) unless a position says
// otherwise.
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LinkUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/links/IkkenEdgeNozoki.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/IkkenEdgeWarikomi.h"
#include "engine/links/IkkenRenraku.h"

namespace vorn::test {
namespace {

// The sweep also runs the edge handler on every one-space jump, in the middle
// of the board too: the edge readings must stay sound on any box.
const TLinkHandlerAdd kIkkenEdge({"IkkenEdgeRenraku", 3, TLinkPass::First, IkkenEdgeRenraku});

constexpr Point kStone(5, 2), kEdge(5, 0), kGap(5, 1);

// White's gap stone with its neighbour (4,1): Black blocks at (6,1).
constexpr const char* kNobi = R"(
    . . . O O . . . .
    . . . . X . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// With Black (4,2) above White's pair the block at (6,1) ataris it.
const std::vector<std::pair<Point, int>> kNobiAtari{{Point(4, 2), kKuro}};
// White's gap stone alone, White (3,1) two points along the first line.
const std::vector<std::pair<Point, int>> kTobi{{Point(4, 1), kAki}, {Point(3, 1), kSiro}};

// White's gap stone and White (4,2), (4,3) beside Black's stones.
constexpr const char* kKata = R"(
    . . . . O . . . .
    . . . O X . . . .
    . . . O X . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's pair (3,1), (4,1) peeps at the gap under Black's living wall;
// White (7,1) lets a push at the gap escape along the edge.
constexpr const char* kNozoki = R"(
    . . O O . . O . .
    . X X X X . . . .
    X . X . X . . . .
    X X X X X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// A peep at Black's lone stones: the group has no eyes to speak of.
constexpr const char* kNozokiWeak = R"(
    . . . O . . . . .
    . . O . X O . . .
    . . O . X O . . .
    . . . O O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// From a seeded random game: White (5,8) jumps to the bottom edge over
// (5,9), Black peeps at (4,9); White's group has eye value 4 and the stone's
// chain three liberties, so Black's play at (6,9) and hane at (6,8) is read.
constexpr const char* kHane = R"(
    O . . O . . . X .
    . X . O X . X . .
    . . . . . . X . O
    . . . . . . . . .
    X . . . . . . . O
    O . . . . X . . .
    O . . . . . . . O
    . X . X O . . O O
    . X X X . . . . .)";
constexpr Point kHaneStone(5, 8), kHaneEdge(5, 10);

// From a seeded random game: Black (8,4) jumps to the right edge over
// (9,4), White peeps at (9,5).  The connection turns Black's group from eye
// value 3 to 4.
constexpr const char* kNozokiMe3 = R"(
    O . . . . . . X .
    . O O X X O . X X
    . . X O X X O O O
    . X O . . O O X .
    O O . X X X . . .
    . X O . O . . X X
    O . . . . . . . O
    X . X X X X X O .
    . . O O O . O . .)";
constexpr Point kMe3Stone(8, 4), kMe3Edge(10, 4);

class IkkenEdgeTest : public VornTest {
protected:
    using TStones = std::vector<std::pair<Point, int>>;

    // Board 0 from the diagram with the listed points set to a colour (kAki
    // clears one), prepared as at the start of a decision for `toMove`, the
    // engine playing `toMove`.
    static void Prepare(const char* diagram, int toMove, const TStones& stones = {})
    {
        SymDecision(diagram, 0, toMove, stones);
        Engine(toMove);
    }

    static void Engine(int c)
    {
        JibunIro = static_cast<std::uint8_t>(c);
        AiteIro = static_cast<std::uint8_t>(c ^ 3);
        KohoKind = kkKankei;
        ClearLinkOutput();
    }

    // Runs f, checks that it took back every trial move, and answers what it
    // left; `moves` gets the stones it put on the look-ahead boards.
    static TLinkOutput Run(const std::function<void()>& f, int* moves = nullptr)
    {
        ClearLinkOutput();
        return RunLinkHandler(f, moves);
    }

    // The edge box of the relation as the handler turns it.
    static TKankeiBox Box(Point a = kStone, Point b = kEdge)
    {
        TKankeiBox box;
        EXPECT_TRUE(KankeiBoxMake(a, b, box));
        if (box.IsHen(1))
            KankeiEdgeTurn(box);
        return box;
    }

    // The candidate at p: its table index, 0 when none.
    static int KohoAt(Point p)
    {
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                return i;
        return 0;
    }
};

using P = std::pair<int, int>;

TEST_F(IkkenEdgeTest, TheFirstOpponentStoneFromTheGapOutwardChoosesTheFamily)
{
    struct TCase {
        std::vector<int> White; // box cells holding White
        int Shape;
    };
    const TCase cases[] = {
        {{4}, kIkkenEdgeWarikomi},       {{4, 3, 5, 0, 2}, kIkkenEdgeWarikomi}, {{3}, kIkkenEdgeNozoki},
        {{5, 0, 2}, kIkkenEdgeNozoki},   {{0}, kIkkenEdgeTuke},                 {{2}, kIkkenEdgeTuke},
        {{}, kIkkenEdgeNone},
    };
    for (auto [a, b] : {std::pair{kStone, kEdge}, std::pair{kEdge, kStone}})
        for (const TCase& c : cases) {
            SetBoard(kNobi);
            TGoban& g = *GobanLv[0];
            for (int i : {0, 2, 3, 4, 5})
                g.SetIro(Box()[i].x, Box()[i].y, kAki);
            for (int i : c.White)
                g.SetIro(Box()[i].x, Box()[i].y, kSiro);
            g.RenMake();
            const TKankeiBox box = Box(a, b);
            EXPECT_EQ(box[1], kStone);
            EXPECT_EQ(box.Own, kKuro);
            EXPECT_EQ(IkkenEdgeShape(box), c.Shape) << "White on " << ::testing::PrintToString(c.White);
        }
}

TEST_F(IkkenEdgeTest, TheHandlerRunsOnlyTheFamilyThatWins)
{
    struct TCase {
        const char* What;
        const char* Diagram;
        TStones Stones;
        void (*Family)(TKankeiBox);
    };
    const TCase cases[] = {
        {"gap, beside the gap, beside the stone", kNobi, {{Point(4, 2), kSiro}},
         IkkenEdgeWariNobi},
        {"gap and beside the stone", kNobi, {{Point(4, 1), kAki}, {Point(4, 2), kSiro}}, IkkenEdgeWariKata},
        {"gap alone", kNobi, kTobi, IkkenEdgeWariTobi},
        {"beside the gap", kNozoki, {}, IkkenEdgeNozoki},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Diagram, c, k.Stones);
            const TLinkOutput handler = Run([] { IkkenRenraku(kEdge, kStone); });
            const TLinkOutput family = Run([&k] { k.Family(Box()); });
            EXPECT_TRUE(handler == family) << k.What << ": " << handler.Show() << " /" << family.Show();
            EXPECT_FALSE(family.Koho.empty()) << k.What;
        }
}

TEST_F(IkkenEdgeTest, AStoneNextToTheCornerIsNotAnswered)
{
    // Black (1,2) on the second line of the top edge stands on the first
    // line of the left one: its neighbour along the edge is off the board.
    constexpr const char* kCorner = R"(
        O O . . . . . . .
        X . . . . . . . .
        X . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (int c : {kKuro, kSiro})
        for (auto [a, b] : {std::pair{Point(1, 2), Point(1, 0)}, std::pair{Point(1, 0), Point(1, 2)}}) {
            Prepare(kCorner, c);
            int moves = -1;
            const TLinkOutput out = Run([a, b] { IkkenRenraku(a, b); }, &moves);
            EXPECT_TRUE(out.Koho.empty() && out.Marks.empty()) << out.Show();
            EXPECT_EQ(moves, 0);
        }
}

TEST_F(IkkenEdgeTest, LookAheadGateCountsTheBoxAsLaid)
{
    Prepare(kKata, kKuro);
    InSakiyomi = 1;
    YomiArea = {};
    YomiArea[8][8] = 1;
    int moves = -1;
    TLinkOutput out = Run([] { IkkenRenraku(kEdge, kStone); }, &moves);
    EXPECT_TRUE(out.Koho.empty() && out.Marks.empty()) << out.Show();
    EXPECT_EQ(moves, 0);
    // Only a point of the box opens the gate: (4,3) lies beside the box.
    YomiArea[4][3] = 1;
    out = Run([] { IkkenRenraku(kEdge, kStone); }, &moves);
    EXPECT_TRUE(out.Koho.empty()) << out.Show();
    YomiArea[6][2] = 1;
    out = Run([] { IkkenRenraku(kEdge, kStone); }, &moves);
    EXPECT_FALSE(out.Koho.empty());
    EXPECT_GT(moves, 0);
    InSakiyomi = 0;
    YomiArea = {};
}

// --- The safety of a stone beside the gap -----------------------------------------

TEST_F(IkkenEdgeTest, SafeCheckOfAFirstLineStone)
{
    struct TCase {
        const char* What;
        int Size;
        std::vector<Point> Black, White;
        Point P, Q; // White's stone, Black's attack
        bool Safe;
    };
    const TCase cases[] = {
        {"attack on an occupied point", 9, {Point(4, 1)}, {Point(5, 1), Point(5, 2), Point(7, 1)}, Point(5, 1),
         Point(5, 2), true},
        {"attack is a self-atari", 9, {Point(4, 1)}, {Point(5, 1), Point(5, 2), Point(7, 1)}, Point(5, 1), Point(6, 1),
         true},
        {"the first-line ladder works", 9, {Point(4, 1)}, {Point(5, 1)}, Point(5, 1), Point(6, 1), false},
        {"the ladder escapes after twenty moves", 19, {Point(9, 10), Point(10, 11), Point(11, 9)},
         {Point(10, 10), Point(16, 15), Point(5, 5)}, Point(10, 10), Point(11, 10), false},
        {"the ladder escapes at once", 19, {Point(9, 10), Point(10, 11), Point(11, 11)}, {Point(10, 10), Point(11, 8)},
         Point(10, 10), Point(11, 10), true},
        {"double atari", 19, {Point(9, 10), Point(10, 11), Point(13, 10), Point(12, 11)}, {Point(10, 10), Point(12, 10)},
         Point(10, 10), Point(11, 10), false},
        {"single atari", 19, {Point(9, 10), Point(10, 11), Point(13, 10)}, {Point(10, 10), Point(12, 10)},
         Point(10, 10), Point(11, 10), true},
    };
    for (const TCase& k : cases) {
        ResetProgramState();
        BoardSize = k.Size;
        TGoban& g = *GobanLv[0];
        g.NewGame();
        for (Point p : k.Black)
            g.SetIro(p.x, p.y, kKuro);
        for (Point p : k.White)
            g.SetIro(p.x, p.y, kSiro);
        g.RenMake();
        Point none;
        VornThink0(-1, none);
        // White's stone is the caller's trial move: take it off and play it.
        g.SetIro(k.P.x, k.P.y, kAki);
        g.RenMake();
        ASSERT_TRUE(YomiUtu(kSiro, k.P)) << k.What;
        const std::uint64_t before = StackHash();
        EXPECT_EQ(IkkenEdgeSafeCheck(kKuro, k.P, k.Q), k.Safe) << k.What;
        EXPECT_EQ(StackHash(), before) << k.What;
        if (std::string(k.What) == "the ladder escapes after twenty moves") {
            // Neither ladder nor net: only the length of the reading decides.
            EXPECT_EQ(SichoCheck2(k.P), 0);
            EXPECT_GE(ToruRenAt(k.P)->SichoCount(), 10);
        }
        YomiModosu();
        EXPECT_EQ(Level, 0);
    }
}

// --- The gap taken ---------------------------------------------------------------------

TEST_F(IkkenEdgeTest, WedgeWithANeighbourBlocksOnTheOtherSide)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kNobi, c);
        const TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); });
        EXPECT_EQ(out.Marks, (std::set<P>{{6, 1}, {6, 2}})) << out.Show();
        ASSERT_EQ(KohoCount, 1) << out.Show();
        if (c == kKuro) {
            // The block is a link move: the opponent's point goes with it.
            EXPECT_EQ(Koho.Kind[1], kkTugi);
            EXPECT_NE(Koho.RelPt[1].x, 0);
        } else {
            EXPECT_EQ(Koho.Kind[1], kkKankei);
        }
    }
    // White on both sides of its gap stone: still read on the (6,1) side.
    Prepare(kNobi, kSiro, {{Point(6, 1), kSiro}});
    const TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); });
    EXPECT_EQ(out.Marks, (std::set<P>{{6, 1}, {6, 2}})) << out.Show();
}

TEST_F(IkkenEdgeTest, ABlockThatAtarisTheWedgeCountsTwiceForTheOwnerOnly)
{
    // The value of the one candidate for the engine playing c.
    const auto value = [](const TStones& stones, int c) {
        Prepare(kNobi, c, stones);
        Run([] { IkkenEdgeWariNobi(Box()); });
        EXPECT_EQ(KohoCount, 1);
        return KohoCount == 1 ? Koho.Value[1] : 0;
    };
    EXPECT_EQ(value(kNobiAtari, kKuro), 2 * value(kNobiAtari, kSiro));
    // Without the atari the two sides' readings add up alike.
    EXPECT_EQ(value({}, kKuro), value({}, kSiro));
}

TEST_F(IkkenEdgeTest, WedgeBesideTheStoneMarksBeforeItReads)
{
    // Black's block at (6,1) would be a self-atari against White (7,1).
    for (int c : {kKuro, kSiro}) {
        Prepare(kKata, c, {{Point(7, 1), kSiro}});
        int moves = -1;
        const TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); }, &moves);
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_EQ(out.Marks, (std::set<P>{{6, 1}, {6, 2}}));
        EXPECT_EQ(moves, 0);
    }
    // Black's own stone on T: nothing at all.
    Prepare(kKata, kKuro, {{Point(6, 2), kKuro}});
    const TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); });
    EXPECT_TRUE(out.Koho.empty() && out.Marks.empty()) << out.Show();
}

TEST_F(IkkenEdgeTest, WedgeBesideTheStoneIsACutFromTwenty)
{
    // Both sides read the same two parts; the owner's sum gains 3 from 10
    // and is a cut, with the opponent's point as related point, from 20.
    struct TCase {
        const char* What;
        TStones Stones;
        int Kind;
        int Gain;
    };
    const TCase cases[] = {
        {"open board", {}, kkKiri, 3},
        {"Black (7,2) beyond T", {{Point(7, 2), kKuro}}, kkKankei, 3},
        {"White (8,3) outside", {{Point(8, 3), kSiro}}, kkKankei, 0},
    };
    for (const TCase& k : cases) {
        Prepare(kKata, kSiro, k.Stones);
        TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); });
        ASSERT_EQ(KohoCount, 1) << k.What << ":" << out.Show();
        const Point a = Koho.Pt[1];
        const int attacker = Koho.Value[1];
        Engine(kKuro);
        out = Run([] { IkkenRenraku(kStone, kEdge); });
        ASSERT_EQ(KohoCount, 1) << k.What << ":" << out.Show();
        EXPECT_EQ(Koho.Value[1], attacker + k.Gain) << k.What;
        EXPECT_EQ(Koho.Kind[1], k.Kind) << k.What;
        EXPECT_EQ(Koho.RelPt[1], k.Kind == kkKiri ? a : Point()) << k.What;
        EXPECT_EQ(Koho.Value[1] >= 20, k.Kind == kkKiri) << k.What << " value " << Koho.Value[1];
    }
}

TEST_F(IkkenEdgeTest, WedgeAloneNeedsAFarStoneAlongTheEdge)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kNobi, c, kTobi);
        TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        // Black blocks away from White's far stone; White pushes there or
        // hanes above it.
        EXPECT_TRUE(out.Koho.count(c == kKuro ? P(6, 1) : P(6, 2))) << out.Show();
        int moves = -1;
        Prepare(kNobi, c, {{Point(4, 1), kAki}});
        out = Run([] { IkkenRenraku(kStone, kEdge); }, &moves);
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_EQ(moves, 0);
    }
}

// --- The peep beside the gap -------------------------------------------------------------

TEST_F(IkkenEdgeTest, PeepAtAGroupWithoutEyesIsLeftAlone)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kNozokiWeak, c);
        ASSERT_LE(GunAt(kStone)->GetMe(), 2);
        int moves = -1;
        const TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); }, &moves);
        EXPECT_TRUE(out.Koho.empty() && out.Marks.empty()) << out.Show();
        EXPECT_EQ(moves, 0);
    }
}

TEST_F(IkkenEdgeTest, PeepWhoseStonesTheConnectionAtarisCarriesTheCaptureAsBonus)
{
    // After Black connects at the gap White's pair has one liberty left,
    // (2,1): the bonus is Black's evaluation after capturing there.
    for (int c : {kKuro, kSiro}) {
        Prepare(kNozoki, c);
        ASSERT_GT(GunAt(kStone)->GetMe(), 2);
        const int capture = SeqHyoka(kKuro, {{kKuro, kGap}, {kKuro, Point(2, 1)}});
        const TLinkOutput out = Run([] { IkkenRenraku(kStone, kEdge); });
        EXPECT_EQ(out.Marks, (std::set<P>{{5, 1}, {6, 1}})) << out.Show();
        const int i = KohoAt(kGap);
        ASSERT_NE(i, 0) << out.Show();
        const int value = Koho.Value[i];
        int want = std::clamp(capture, 0, 255);
        want = value < 1 ? std::min(want, 9) : std::min(want, value * 10);
        EXPECT_EQ(Koho.Bonus[i], want) << "value " << value << " capture " << capture;
    }
}

TEST_F(IkkenEdgeTest, PeepAndHaneFromTheFarSide)
{
    // White owns the jump; Black is the peeping side.
    Prepare(kHane, kKuro);
    ASSERT_EQ(GunAt(kHaneStone)->GetMe(), 4);
    const TKankeiBox box = Box(kHaneStone, kHaneEdge);
    const Point s(6, 9), gap(5, 9), t(6, 8);
    TLinkOutput out = Run([&box] { IkkenEdgeNozokiHane(box); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    ASSERT_TRUE(out.Koho.count(P(s.x, s.y))) << out.Show();
    const int value = out.Koho.begin()->second;
    EXPECT_GT(value, 0);
    EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{s.x, s.y, gap.x, gap.y, t.x, t.y}}));
    Engine(kSiro);
    out = Run([&box] { IkkenEdgeNozokiHane(box); });
    EXPECT_EQ(out.Koho, (std::map<P, int>{{P(gap.x, gap.y), value}})) << out.Show();
    EXPECT_TRUE(out.Prepared.empty());
    // Black's stone already on the far side: no hane to read.
    Prepare(kHane, kKuro, {{s, kKuro}});
    out = Run([] { IkkenEdgeNozokiHane(Box(kHaneStone, kHaneEdge)); });
    EXPECT_TRUE(out.Koho.empty()) << out.Show();
}

TEST_F(IkkenEdgeTest, ConnectionThatMakesTheGroupLiveKeepsItsPointWithoutAnExtension)
{
    Prepare(kNozokiMe3, kKuro);
    ASSERT_EQ(GunAt(kMe3Stone)->GetMe(), 3);
    const Point gap(9, 4);
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(kKuro, gap));
        CurGoban().Analyze();
        ASSERT_EQ(GunAt(kMe3Stone)->GetMe(), 4);
    }
    // The extension of the living group, when there is one, replaces the
    // connection; without one Black still connects.
    Point ext;
    WeakGunHirogeru(*GunAt(kMe3Stone), 1, ext);
    const Point want = ext.x != 0 ? ext : gap;
    ClearLinkOutput();
    const TLinkOutput out = Run([] { IkkenRenraku(kMe3Edge, kMe3Stone); });
    EXPECT_TRUE(out.Koho.count(P(want.x, want.y))) << out.Show();
}

TEST_F(IkkenEdgeTest, EscapeOfAStoneInAtariStaysOnTheBoard)
{
    struct TCase {
        const char* What;
        const char* Diagram;
        Point Escape;
        std::vector<Point> Empty; // points left empty by the escape
    };
    const TCase cases[] = {
        {"White (4,1) extends at (3,1) to (3,2)", R"(
            . . . O X . . . .
            . . O X . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         Point(3, 1), {}},
        {"the extension stays in atari: White captures (5,1) instead", R"(
            . . . O X O . . .
            . . X X . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         Point(5, 2), {Point(3, 1), Point(5, 1)}},
    };
    for (const TCase& k : cases) {
        SetBoard(k.Diagram);
        {
            TYomiTrial t;
            Point e;
            IkkenEdgeNigeTe(t, Point(4, 1), e);
            EXPECT_EQ(e, k.Escape) << k.What;
            EXPECT_EQ(CurGoban().GetIroPt(k.Escape), kSiro) << k.What;
            for (Point p : k.Empty)
                EXPECT_EQ(CurGoban().GetIroPt(p), kAki) << k.What;
            EXPECT_EQ(t.Tries(), 1) << k.What;
        }
        EXPECT_EQ(Level, 0) << k.What;
    }
}

// --- Both orders, every edge ----------------------------------------------------------

const TEdgeSymCase kSymCases[] = {
    {"wedge with a neighbour, owner", kNobi, {}, kStone, kEdge, kKuro, true},
    {"wedge with a neighbour, attacker", kNobi, {}, kStone, kEdge, kSiro, true},
    {"block that ataris, owner", kNobi, kNobiAtari, kStone, kEdge, kKuro, true},
    {"wedge beside the stone, owner", kKata, {}, kStone, kEdge, kKuro, false},
    {"wedge beside the stone, attacker", kKata, {}, kStone, kEdge, kSiro, false},
    {"wedge alone, owner", kNobi, kTobi, kStone, kEdge, kKuro, true},
    {"wedge alone, attacker", kNobi, kTobi, kStone, kEdge, kSiro, true},
    {"peep, owner", kNozoki, {}, kStone, kEdge, kKuro, true},
    {"peep, attacker", kNozoki, {}, kStone, kEdge, kSiro, true},
};

TEST_F(IkkenEdgeTest, BothOrdersOnEveryEdgeGiveTheSameAnswers) { ExpectEdgeSymmetric(IkkenRenraku, kSymCases); }

// Relations to the edge in seeded random positions: the two orders give the
// same output, and the wedge beside the stone offers the owner a cut (with
// the opponent's point) exactly from 20, after its +3 from 10.
TEST_F(IkkenEdgeTest, RelationsToTheEdgeOfRandomPositions)
{
    int pairs = 0, cuts = 0, links = 0;
    for (int g = 0; g < 200; ++g) {
        ResetProgramState();
        const int size = g % 3 == 0 ? 13 : 9;
        RandomDecision(size, 15 + g * 7 % 60, 7000 + static_cast<std::uint64_t>(g));
        const TGoban& b0 = *GobanLv[0];
        for (int i = 1; i <= b0.PairCount(); ++i) {
            const Point a = b0.PairPointB(i), b = b0.PairPointA(i);
            if (b0.PairKind(i) != 3 || (b0.GetIroPt(a) != kHen && b0.GetIroPt(b) != kHen))
                continue;
            ++pairs;
            for (int c : {kKuro, kSiro}) {
                Engine(c);
                IkkenRenraku(a, b);
                const TLinkOutput ab = TakeLinkOutput();
                const int kind = KohoCount > 0 ? Koho.Kind[1] : 0;
                const int value = KohoCount > 0 ? Koho.Value[1] : 0;
                const Point rel = KohoCount > 0 ? Koho.RelPt[1] : Point();
                Engine(c);
                IkkenRenraku(b, a);
                EXPECT_TRUE(TakeLinkOutput() == ab) << "seed " << 7000 + g << " pair " << i << " colour " << c;
                const TKankeiBox box = Box(a, b);
                const bool kata = IkkenEdgeShape(box) == kIkkenEdgeWarikomi && !box.IsOpp(3) && !box.IsOpp(5) &&
                                  (box.IsOpp(0) || box.IsOpp(2)) && RenKuu(box[1]) > 2;
                if (!kata || c != box.Own || ab.Koho.empty())
                    continue;
                if (kind == kkKiri) {
                    ++cuts;
                    EXPECT_GE(value, 20);
                    EXPECT_NE(rel.x, 0);
                } else {
                    ++links;
                    EXPECT_LT(value, 20);
                    EXPECT_TRUE(value < 10 || value >= 13) << value;
                }
            }
        }
        if (HasFailure())
            return;
    }
    EXPECT_GT(pairs, 100);
    EXPECT_GT(cuts + links, 0);
}

} // namespace
} // namespace vorn::test

// The one-space jump to the edge with the opponent's stone beside the stone on
// the second line: the strip along the edge on every edge and in both
// directions, the strip patterns, the reading of the attached pair with its
// value caps and prepared answers, and the small readings.  Black's stone
// (5,2) of a 9 x 9 board jumps to the top edge over the gap (5,1), White's
// K stands at (4,2), unless a position says otherwise.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LinkUtil.h"
#include "Util.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/IkkenEdgeTuke.h"
#include "engine/links/IkkenEdgeTukeYomi.h"
#include "engine/links/IkkenRenraku.h"

namespace vorn::test {
namespace {

constexpr Point kStone(5, 2), kEdge(5, 0), kGap(5, 1), kK(4, 2), kKEdge(4, 0);

// The edge box as the dispatcher turns it; false where the dispatcher stops.
bool EdgeBox(Point a, Point b, TKankeiBox& box)
{
    if (!KankeiBoxMake(a, b, box) || box.D != 2)
        return false;
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    return !box.IsHen(0) && !box.IsHen(2) && box.Own >= 0;
}

void OnEdgeBox(Point a, Point b, void (*f)(TKankeiBox))
{
    TKankeiBox box;
    if (EdgeBox(a, b, box))
        f(box);
}

// The same for a relation to the edge only: the jumps inside the board reach
// the family through the dispatcher's own sweep.
void OnEdgeRelation(Point a, Point b, void (*f)(TKankeiBox))
{
    if (CurGoban().GetIroPt(a) == kHen || CurGoban().GetIroPt(b) == kHen)
        OnEdgeBox(a, b, f);
}

// The strip patterns on both strips of the box, whatever the liberties.
void StripPatterns(TKankeiBox box)
{
    const Point k = box[box.IsOpp(0) ? 0 : 2], f = box[box.IsOpp(0) ? 2 : 0];
    TKankeiBox strip;
    if (!IkkenEdgeStripMake(StepBeyond(box[1], k), f, strip))
        return;
    for (int side = 0; side < 2; ++side) {
        IkkenEdgeTukeHane(strip);
        IkkenEdgeTukeHaneKiri(strip);
        IkkenEdgeTukeSitaAtari(strip);
        IkkenEdgeTukeDame(strip);
        IkkenEdgeStripReverse(strip);
    }
}

// The small readings on the named points of the box.
void SmallReadings(TKankeiBox box)
{
    const TIkkenEdgeSide e = IkkenEdgeSideOf(box, box.IsOpp(0) ? kOrientPlain : kOrientAcross);
    const Point st = e.Stone, gap = e.Gap, k = box[e.K], n = box[e.N], s = box[e.S], t = box[e.T];
    const Point nn = StepBeyond(gap, n), k2 = StepBeyond(st, k);
    IkkenEdgeSitaYomi(t, k2);
    IkkenEdgeSumiYomi(k, st, s, gap);
    IkkenEdgeSumiYomi(st, k, nn, n);
    IkkenEdgeKouTe(st, gap, s, t, box.Opp);
    if (const Point l = RenKuuPt(st, 1); l.x != 0)
        IkkenEdgeToruHyoka(box, box.Opp, l);
    (void)IkkenEdgeSichoNerai(k, nn, n, k2);
    (void)IkkenEdgeKorosuCheck(n, k, box.Own);
    Point r;
    IkkenEdgeGetaTe(box, s, t, r);
}

// Every routine of the family straight on the box of every relation to the
// edge, the shapes the dispatcher sends elsewhere included.
const TLinkHandlerAdd kAddTuke({"IkkenEdgeTuke", 3, TLinkPass::First,
                                [](Point a, Point b) { OnEdgeRelation(a, b, IkkenEdgeTuke); }});
const TLinkHandlerAdd kAddTukeYomi({"IkkenEdgeTukeYomi", 3, TLinkPass::First,
                                    [](Point a, Point b) { OnEdgeRelation(a, b, IkkenEdgeTukeYomi); }});
const TLinkHandlerAdd kAddStrip({"IkkenEdgeTuke strip patterns", 3, TLinkPass::First,
                                 [](Point a, Point b) { OnEdgeRelation(a, b, StripPatterns); }});
const TLinkHandlerAdd kAddSmall({"IkkenEdgeTukeYomi small readings", 3, TLinkPass::First,
                                 [](Point a, Point b) { OnEdgeRelation(a, b, SmallReadings); }});

// Black blocks at K2 (3,2) beyond White's lone K; White answers above K.
constexpr const char* kHane = R"(
    . . . . . . . . .
    . . . O X . . . .
    . . . . X X . . .
    . . O . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// White's K in atari at (3,2), Black's stone with two liberties: only the
// short race at (3,2) is read.
constexpr const char* kDame = R"(
    . . . X . . . . .
    . . . O X . . . .
    . . . X O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// The other order: Black's stone in atari at (6,2), K with two liberties
// once Black holds K2 (3,2).
constexpr const char* kDameStone = R"(
    . . . . O . . . .
    . . X O X . . . .
    . . . . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's chain through the gap has two liberties, (6,1) and (6,2): White's
// (6,1) is an atari on it.  With Black (7,1) beyond, White's atari from the
// first line is read; without it there is no chain beyond (6,1) to read.
constexpr const char* kSitaAtari = R"(
    . . O X X . X . .
    . . . O X . . . .
    . . . . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
const TStones kSitaAtariBare{{Point(7, 1), kAki}};

// The attached pair with living groups.  Black (6,4) stands next to the
// third-line point (6,3) above T, so Black's line under K is kept; with
// Black's support at (5,5) instead the point above T is open and Black's
// line becomes that extension alone.
constexpr const char* kPair = R"(
    . . . . . . . . .
    . . . O X . . . .
    . . . O . . . . .
    . . . O . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
const TStones kPairOpen{{Point(6, 4), kAki}, {Point(5, 5), kKuro}};

// From seeded random games: White's stone (6,8) on the bottom edge with
// Black (5,8) beside it, worth more than 25 for both sides; and Black's
// stone (2,4) on the left edge with White (2,3), whose capturing follow-up
// is worth more than 20 to the engine.
constexpr const char* kBig = R"(
    . . . . . . . X .
    . . . . . . . . .
    . . . . . O . . .
    . . . . X O . X .
    O . X O . . . . .
    . X O . . . . . .
    . X . X X O . . .
    X . . O X O . O .
    O . . . . . . . .)";
constexpr Point kBigStone(6, 8), kBigEdge(6, 10);
constexpr const char* kBigBonus = R"(
    . . . O . . X . X
    . . . O . . . . X
    . O . . . . . . .
    . X . X . . . O .
    . . . . . . . O .
    . . X . . . . . .
    . . X . . . . . .
    . . . X . . . . O
    O O . . X . . X O)";
constexpr Point kBonusStone(2, 4), kBonusEdge(0, 4);

using P = std::pair<int, int>;

class IkkenEdgeTukeTest : public VornTest {
protected:
    static void Engine(int c)
    {
        JibunIro = static_cast<std::uint8_t>(c);
        AiteIro = static_cast<std::uint8_t>(c ^ 3);
    }
    static void Prepare(const char* diagram, int c, const TStones& stones = {})
    {
        PrepareLink(diagram, c, stones);
        Engine(c);
    }
    static TKankeiBox Box(Point a = kStone, Point b = kEdge)
    {
        TKankeiBox box;
        EXPECT_TRUE(EdgeBox(a, b, box));
        return box;
    }
};

// --- The strip --------------------------------------------------------------------

TEST_F(IkkenEdgeTukeTest, StripRunsFromK2ToFWithTheFirstLineOnTheRight)
{
    // K2 (3,2), K, the stone, F (6,2) along the top edge, under the eight
    // symmetries: every edge, both directions.
    BoardSize = 9;
    for (int t = 0; t < 8; ++t) {
        SymDecision(kHane, t, kKuro);
        const Point k2 = Sym(Point(3, 2), t), f = Sym(Point(6, 2), t);
        TKankeiBox strip;
        ASSERT_TRUE(IkkenEdgeStripMake(k2, f, strip)) << "symmetry " << t;
        for (int reversed = 0; reversed < 2; ++reversed) {
            for (int r = 0; r <= 3; ++r) {
                const int x = reversed == 0 ? 3 + r : 6 - r;
                EXPECT_EQ(strip[3 * r], Sym(Point(x, 3), t)) << "symmetry " << t << " row " << r;
                EXPECT_EQ(strip[3 * r + 1], Sym(Point(x, 2), t)) << "symmetry " << t << " row " << r;
                EXPECT_EQ(strip[3 * r + 2], Sym(Point(x, 1), t)) << "symmetry " << t << " row " << r;
                for (int j = 0; j <= 2; ++j)
                    EXPECT_EQ(strip.Iro[3 * r + j], CurGoban().GetIroPt(strip[3 * r + j]));
            }
            IkkenEdgeStripReverse(strip);
        }
    }
}

// --- The strip patterns -------------------------------------------------------------

// The strip patterns through their family head on one position under
// symmetry t, for the engine playing the side to move.
std::string TukeAt(Point stone, Point edge, int t)
{
    TKankeiBox box;
    if (!EdgeBox(Sym(stone, t), Sym(edge, t), box))
        return "no box";
    ClearLinkOutput();
    IkkenEdgeTuke(box);
    return TakeLinkOutput(t).Show();
}

// The evaluation of the block beyond K is not exactly symmetric: its points
// are compared without their values.
const TSymCase kTukeSym[] = {
    {"block beyond K, owner", kHane, kKuro, false, [](int t) { return TukeAt(kStone, kEdge, t); }},
    {"block beyond K, attacker", kHane, kSiro, false, [](int t) { return TukeAt(kStone, kEdge, t); }},
    {"short race at K2, owner", kDame, kKuro, true, [](int t) { return TukeAt(kStone, kEdge, t); }},
    {"short race at F, attacker", kDameStone, kSiro, true, [](int t) { return TukeAt(kStone, kEdge, t); }},
    {"atari from the first line", kSitaAtari, kSiro, true, [](int t) { return TukeAt(kStone, kEdge, t); }},
};

TEST_F(IkkenEdgeTukeTest, MirrorImagesGiveTheSameStripAnswersAtTheMirroredPoints) { ExpectSymmetric(kTukeSym); }

TEST_F(IkkenEdgeTukeTest, BlockBeyondKForTheOwnerAnswerAboveKForTheOpponent)
{
    for (int c : {kKuro, kSiro}) {
        Prepare(kHane, c);
        const TLinkOutput out = RunLink([] { IkkenEdgeTuke(Box()); });
        // The other direction gives nothing: White's block at F (6,2) meets
        // Black's (5,3) above the stone and no cutting point at (6,3).
        EXPECT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(c == kKuro ? P(3, 2) : P(4, 3))) << out.Show();
    }
}

TEST_F(IkkenEdgeTukeTest, ShortRaceAddsItsPointForEitherSide)
{
    struct TCase {
        const char* What;
        const char* Diagram;
        P X;
    };
    const TCase cases[] = {
        {"K in atari: the race at K2", kDame, {3, 2}},
        {"the stone in atari, K2 taken: the race at F", kDameStone, {6, 2}},
    };
    for (const TCase& k : cases) {
        std::map<P, int> first;
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Diagram, c);
            const TLinkOutput out = RunLink([] { IkkenEdgeTuke(Box()); });
            ASSERT_EQ(out.Koho.size(), 1u) << k.What << ":" << out.Show();
            EXPECT_TRUE(out.Koho.count(k.X)) << k.What << ":" << out.Show();
            if (c == kKuro)
                first = out.Koho;
            else
                EXPECT_EQ(out.Koho, first) << k.What;
        }
    }
}

TEST_F(IkkenEdgeTukeTest, AtariFromTheFirstLineNeedsAChainBeyondIt)
{
    // White (6,1) ataris Black's chain through the gap.  With Black (7,1)
    // beyond it White's point is read and proposed; without it the mark
    // comes from the chain through the gap only and nothing is read.
    Prepare(kSitaAtari, kSiro);
    TKankeiBox strip;
    ASSERT_TRUE(IkkenEdgeStripMake(Point(3, 2), Point(6, 2), strip));
    IkkenEdgeStripReverse(strip);
    ASSERT_EQ(AtariMapAt(kSiro, strip[2]), 1);
    int moves = -1;
    TLinkOutput out = RunLink([&strip] { IkkenEdgeTukeSitaAtari(strip); }, &moves);
    EXPECT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_TRUE(out.Koho.count(P(6, 1))) << out.Show();
    EXPECT_GT(moves, 0);

    for (int c : {kKuro, kSiro}) {
        Prepare(kSitaAtari, c, kSitaAtariBare);
        ASSERT_TRUE(IkkenEdgeStripMake(Point(3, 2), Point(6, 2), strip));
        IkkenEdgeStripReverse(strip);
        ASSERT_EQ(AtariMapAt(kSiro, strip[2]), 1);
        EXPECT_NO_THROW(out = RunLink([&strip] { IkkenEdgeTukeSitaAtari(strip); }, &moves));
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_EQ(moves, 0);
        // The whole handler meets the same shape.
        EXPECT_NO_THROW(RunLink([] { IkkenRenraku(kStone, kEdge); }));
    }
}

// --- The reading of the attached pair -----------------------------------------------

TEST_F(IkkenEdgeTukeTest, OnlyTheStoneWithTheLargerCoordinateReadsThePair)
{
    for (int c : {kKuro, kSiro}) {
        // White's K (4,2) lies on the smaller side of Black's stone: Black's
        // relation reads the pair, White's adds nothing and plays nothing.
        Prepare(kPair, c);
        int moves = -1;
        TLinkOutput out = RunLink([] { IkkenEdgeTukeYomi(Box()); }, &moves);
        EXPECT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_EQ(out.Marks, (std::set<P>{{4, 1}, {5, 1}}));
        EXPECT_GT(moves, 0);
        ClearLinkOutput();
        out = RunLink([] { IkkenEdgeTukeYomi(Box(kK, kKEdge)); }, &moves);
        EXPECT_TRUE(out.Koho.empty() && out.Marks.empty() && out.Prepared.empty()) << out.Show();
        EXPECT_EQ(moves, 0);
    }
}

TEST_F(IkkenEdgeTukeTest, ThePairReadsAlikeOnEveryEdgeFromTheLargerSide)
{
    // The four symmetries that keep the order along the edge read the pair
    // from Black's stone; the other four from White's, as its owner.
    for (int c : {kKuro, kSiro}) {
        TLinkOutput first;
        for (int t = 0; t < 8; ++t) {
            SymDecision(kPair, t, c);
            Engine(c);
            KohoKind = kkKankei;
            const bool kept = t == 0 || t == 2 || t == 4 || t == 5;
            ClearLinkOutput();
            int moves = -1;
            const TLinkOutput black =
                RunLink([t] { OnEdgeBox(Sym(kStone, t), Sym(kEdge, t), IkkenEdgeTukeYomi); }, &moves);
            const TLinkOutput got = TakeLinkOutput(t);
            if (t == 0)
                first = got;
            if (kept) {
                EXPECT_TRUE(got == first) << "symmetry " << t << ":" << got.Show() << " /" << first.Show();
                continue;
            }
            EXPECT_TRUE(black.Koho.empty() && black.Marks.empty()) << "symmetry " << t;
            EXPECT_EQ(moves, 0) << "symmetry " << t;
            ClearLinkOutput();
            OnEdgeBox(Sym(kK, t), Sym(kKEdge, t), IkkenEdgeTukeYomi);
            const TLinkOutput white = TakeLinkOutput(t);
            EXPECT_EQ(white.Marks, (std::set<P>{{4, 1}, {5, 1}})) << "symmetry " << t;
            EXPECT_EQ(white.Koho.size(), 1u) << "symmetry " << t << ":" << white.Show();
        }
    }
}

TEST_F(IkkenEdgeTukeTest, MarksStandWhenTheReadingStopsOnAWeakGroup)
{
    // Black's stones through the gap are dead in the corner of White's wall.
    for (int c : {kKuro, kSiro}) {
        Prepare(kSitaAtari, c, kSitaAtariBare);
        int moves = -1;
        const TLinkOutput out = RunLink([] { IkkenEdgeTukeYomi(Box()); }, &moves);
        EXPECT_TRUE(out.Koho.empty()) << out.Show();
        EXPECT_EQ(out.Marks, (std::set<P>{{4, 1}, {5, 1}}));
        EXPECT_EQ(moves, 0);
    }
}

TEST_F(IkkenEdgeTukeTest, TotalsAboveTwentyFiveAreCut)
{
    struct TCase {
        const char* What;
        const char* Diagram;
        Point Stone, Edge;
        int Value, Urgent; // the candidate's value, and while the urgent pass runs
        bool BigBonus;
    };
    const TCase cases[] = {
        {"cut to 25, to 19 in the urgent pass", kBig, kBigStone, kBigEdge, 25, 19, false},
        {"a bonus above 20 cuts to 18 in either pass", kBigBonus, kBonusStone, kBonusEdge, 18, 18, true},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro})
            for (int urgent : {0, 1}) {
                Prepare(k.Diagram, c);
                UrgentPassFlag = static_cast<std::uint8_t>(urgent);
                const TLinkOutput out = RunLink([&k] { IkkenEdgeTukeYomi(Box(k.Stone, k.Edge)); });
                UrgentPassFlag = 0;
                ASSERT_EQ(KohoCount, 1) << k.What << ":" << out.Show();
                EXPECT_EQ(Koho.Value[1], urgent == 1 ? k.Urgent : k.Value) << k.What << " colour " << c;
                EXPECT_EQ(Koho.Bonus[1] > 20, k.BigBonus) << k.What << " colour " << c;
            }
}

TEST_F(IkkenEdgeTukeTest, ALineResetToTheThirdLineRecordsNoPreparedAnswer)
{
    // Black to play: the push under K at (4,1), White's block at (3,1) and
    // the connection at the gap are a prepared line, unless the point above
    // T is open and Black's line becomes the extension there.
    Prepare(kPair, kKuro);
    TLinkOutput out = RunLink([] { IkkenEdgeTukeYomi(Box()); });
    EXPECT_TRUE(out.Koho.count(P(4, 1))) << out.Show();
    EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{4, 1, 3, 1, 5, 1}})) << out.Show();
    Prepare(kPair, kKuro, kPairOpen);
    out = RunLink([] { IkkenEdgeTukeYomi(Box()); });
    EXPECT_TRUE(out.Koho.count(P(6, 3))) << out.Show();
    EXPECT_TRUE(out.Prepared.empty()) << out.Show();
    // White's line in the same position is not reset: its push at the gap,
    // Black's block at (6,1) and White's (4,1).
    Prepare(kPair, kSiro, kPairOpen);
    out = RunLink([] { IkkenEdgeTukeYomi(Box()); });
    EXPECT_TRUE(out.Koho.count(P(5, 1))) << out.Show();
    EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{5, 1, 6, 1, 4, 1}})) << out.Show();
}

// --- Small readings ----------------------------------------------------------------

// Records the level of every stone the look-ahead puts on a board.
class TLevelRecorder : public TShellHooks {
public:
    TLevelRecorder() { SetShellHooks(this); }
    ~TLevelRecorder() override { SetShellHooks(nullptr); }
    void ThinkIsiDraw(int colour, Point p) override { Levels.push_back({Level, colour, p}); }
    struct TDraw {
        int Lv, Iro;
        Point Pt;
    };
    std::vector<TDraw> Levels;
};

TEST_F(IkkenEdgeTukeTest, LooseMovePlaysOnALevelOfItsOwn)
{
    // Black's connection at the gap leaves its chain three liberties; White's
    // loose move at (6,3), backed by (6,4), catches Black's (6,2).
    constexpr const char* kGeta = R"(
        . . . . . . . . .
        . . . O X . O . .
        . . . . O . . . .
        . . . . . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (bool backed : {true, false}) {
        Prepare(kGeta, kKuro, backed ? TStones{} : TStones{{Point(6, 4), kAki}});
        const TKankeiBox box = Box();
        TYomiTrial caller;
        ASSERT_TRUE(caller.Play(kKuro, kGap));
        ToruRenMake();
        const std::uint64_t before = StackHash();
        Point r;
        TLevelRecorder rec;
        IkkenEdgeGetaTe(box, Point(6, 1), Point(6, 2), r);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 1);
        if (!backed) {
            EXPECT_EQ(r, Point());
            EXPECT_TRUE(rec.Levels.empty());
            continue;
        }
        EXPECT_EQ(r, Point(6, 3));
        ASSERT_GE(rec.Levels.size(), 2u);
        EXPECT_EQ(rec.Levels[0].Lv, 2);
        EXPECT_EQ(rec.Levels[0].Pt, Point(6, 3));
        EXPECT_EQ(rec.Levels[1].Lv, 2);
        EXPECT_EQ(rec.Levels[1].Pt, Point(6, 2));
    }
}

TEST_F(IkkenEdgeTukeTest, KoShapedHaneIsOfferedToEitherSidePreparedOnlyForItsColour)
{
    // White's stone (7,2) beyond T: White hanes at T (6,2) and blocks at
    // (7,1) after Black's block at S; a third of the evaluation at the gap.
    constexpr const char* kKou = R"(
        . . . . . . . . .
        . . . O X . O . .
        . . . O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const Point st = kStone, gap = kGap, s(6, 1), t(6, 2);
    std::map<P, int> first;
    for (int c : {kSiro, kKuro}) {
        Prepare(kKou, c);
        const TLinkOutput out = RunLink([&] { IkkenEdgeKouTe(st, gap, s, t, kSiro); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(gap.x, gap.y))) << out.Show();
        if (c == kSiro) {
            first = out.Koho;
            EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{5, 1, 6, 1, 6, 2}}));
        } else {
            EXPECT_EQ(out.Koho, first);
            EXPECT_TRUE(out.Prepared.empty());
        }
    }
    // Without White's stone beyond T there is nothing to read.
    ExpectNoLinkOutput(kKou, {{Point(7, 2), kAki}}, [&] { IkkenEdgeKouTe(st, gap, s, t, kSiro); });
}

} // namespace
} // namespace vorn::test

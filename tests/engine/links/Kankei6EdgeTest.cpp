// The two-space jump to the edge: which family a shape goes to, the shapes
// that give nothing, the reason codes of the contact reading and the corner
// patterns, the readings of both sides, the owner-colour rule of the contact
// reading, and every case from both ends on every edge.  Black's stone (5,3)
// on the third line of a 9 x 9 board jumps to the top edge over (5,2) and
// (5,1) unless a case says otherwise; its box, turned to the stone:
//
//   (4,3) (5,3) (6,3)      [0]  [1]  [2]
//   (4,2) (5,2) (6,2)      [3]  [4]  [5]
//   (4,1) (5,1) (6,1)      [6]  [7]  [8]
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LinkUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/Kankei6EdgeKata.h"
#include "engine/links/Kankei6EdgeNozoki.h"
#include "engine/links/Kankei6EdgeUtu.h"
#include "engine/links/Kankei6EdgeWarikomi.h"

namespace vorn::test {
namespace {

// The sweep runs the edge handler on every two-space jump, in the middle of
// the board too: its readings must stay sound on any box.
const TLinkHandlerAdd kKankei6Edge({"Kankei6EdgeUtu", 6, TLinkPass::First, Kankei6EdgeUtu});

constexpr Point kStone(5, 3), kEdge(5, 0), kGap(5, 2), kFar(5, 1);

std::string Diagram(const std::vector<TDiagramStone>& stones) { return StoneDiagram(stones); }

// Black's stone (5,3) with more stones.
std::string Edge(std::vector<TDiagramStone> stones)
{
    stones.push_back({5, 3, 'X'});
    return Diagram(stones);
}

// The shapes the cases use.
const std::string kKata = Edge({{4, 3, 'O'}});                        // White beside the stone
const std::string kTobi = Edge({{5, 2, 'O'}});                        // White on the near gap alone
const std::string kTobiOuter = Edge({{5, 2, 'O'}, {7, 2, 'O'}});      // ... and two lines out
const std::string kNozoki = Edge({{4, 2, 'O'}});                      // a peep at the near gap
const std::string kNozoki2 = Edge({{4, 1, 'O'}});                     // White beside the far gap
const std::string kWariYoko = Edge({{5, 2, 'O'}, {4, 2, 'O'}});       // near gap and beside it
const std::string kWariKata = Edge({{5, 2, 'O'}, {4, 3, 'O'}});       // near gap and beside the stone
const std::string kWariJibun = Edge({{5, 2, 'O'}, {4, 3, 'O'}, {4, 2, 'X'}});
const std::string kWariSaki = Edge({{5, 2, 'O'}, {4, 1, 'O'}});       // near gap and beside the far gap
const std::string kBothGaps = Edge({{5, 2, 'O'}, {5, 1, 'O'}});
// White's far-gap stone part of a living group along the edge; Black (3,3)
// two lines out beside the stone on one side only.
const std::string kFarGap = Edge({{4, 1, 'O'}, {5, 1, 'O'}, {6, 1, 'O'}, {2, 1, 'O'}, {1, 2, 'O'}, {1, 3, 'O'},
                                  {2, 3, 'O'}, {8, 1, 'O'}, {9, 2, 'O'}, {9, 3, 'O'}, {8, 3, 'O'}});
const std::string kFarGapOwner = Edge({{4, 1, 'O'}, {5, 1, 'O'}, {6, 1, 'O'}, {2, 1, 'O'}, {1, 2, 'O'}, {1, 3, 'O'},
                                       {2, 3, 'O'}, {8, 1, 'O'}, {9, 2, 'O'}, {9, 3, 'O'}, {8, 3, 'O'}, {3, 3, 'X'}});
// The owner White on the 3-3 point (3,3) with Black beside it, its group
// short of eyes: the corner patterns.
const std::string kSanSanKata = Diagram({{3, 3, 'O'}, {4, 3, 'X'}, {3, 6, 'X'}, {6, 6, 'X'}, {6, 2, 'X'}});
// The owner White on (5,3) with Black beside it and White behind the other
// side: the invasion at the 3-3 point (3,3).
const std::string kUtikomi = Diagram({{5, 3, 'O'}, {6, 3, 'X'}, {4, 4, 'O'}});
// Black's stones behind the stone, White behind the contact stone.
const std::string kHiraki = Edge({{4, 3, 'O'}, {5, 4, 'X'}});
const std::string kHirakiOpp = Edge({{4, 3, 'O'}, {4, 4, 'O'}});
// The contact stone with two liberties.
const std::string kDame2 = Edge({{4, 3, 'O'}, {4, 4, 'X'}});

using P = std::pair<int, int>;
using TPrepared = std::set<std::tuple<int, int, int, int, int, int>>;

class Kankei6EdgeTest : public VornTest {
protected:
    // Board 0 from the diagram, prepared for `toMove`, who is also the engine.
    static void Prepare(const std::string& diagram, int toMove)
    {
        PrepareLink(diagram.c_str(), toMove);
        JibunIro = static_cast<std::uint8_t>(toMove);
        AiteIro = static_cast<std::uint8_t>(toMove ^ 3);
    }

    static TLinkOutput Run(const std::function<void()>& f, int* moves = nullptr)
    {
        ClearLinkOutput();
        return RunLinkHandler(f, moves);
    }

    static TLinkOutput Handler(Point a = kStone, Point b = kEdge, int* moves = nullptr)
    {
        return Run([a, b] { Kankei6EdgeUtu(a, b); }, moves);
    }

    static TKankeiBox Box(Point a = kStone, Point b = kEdge)
    {
        TKankeiBox box;
        EXPECT_TRUE(Kankei6EdgeBox(a, b, box));
        return box;
    }

    static std::set<P> Points(const TLinkOutput& out)
    {
        std::set<P> got;
        for (const auto& [p, v] : out.Koho)
            got.insert(p);
        return got;
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

TEST_F(Kankei6EdgeTest, TheFirstOpponentStoneFromTheNearGapOutwardChoosesTheFamily)
{
    struct TCase {
        std::vector<int> White; // box cells holding White
        int Shape;
    };
    const TCase cases[] = {
        {{4}, kKankei6EdgeWarikomi},   {{4, 7}, kKankei6EdgeWarikomi}, {{4, 3, 0, 8}, kKankei6EdgeWarikomi},
        {{7}, kKankei6EdgeWarikomi2},  {{7, 3, 2}, kKankei6EdgeWarikomi2}, {{3}, kKankei6EdgeNozoki},
        {{5, 0, 6}, kKankei6EdgeNozoki}, {{0}, kKankei6EdgeKata},      {{2, 8}, kKankei6EdgeKata},
        {{6}, kKankei6EdgeNozoki2},    {{8}, kKankei6EdgeNozoki2},     {{}, kKankei6EdgeNone},
    };
    for (auto [a, b] : {std::pair{kStone, kEdge}, std::pair{kEdge, kStone}})
        for (const TCase& c : cases) {
            SetBoard(Edge({}));
            const TKankeiBox empty = Box();
            for (int i : c.White)
                GobanLv[0]->SetIro(empty[i].x, empty[i].y, kSiro);
            GobanLv[0]->RenMake();
            const TKankeiBox box = Box(a, b);
            EXPECT_EQ(box[1], kStone);
            EXPECT_EQ(box[7], kFar);
            EXPECT_EQ(Kankei6EdgeEnd(box), kEdge);
            EXPECT_EQ(box.Own, kKuro);
            EXPECT_EQ(Kankei6EdgeShape(box), c.Shape) << "White on " << ::testing::PrintToString(c.White);
        }
}

TEST_F(Kankei6EdgeTest, TheHandlerRunsOnlyTheFamilyThatWins)
{
    struct TCase {
        const char* What;
        const std::string& Board;
        void (*Family)(TKankeiBox);
    };
    const TCase cases[] = {
        {"both gap points", kBothGaps, Kankei6EdgeWarikomi}, {"far gap", kFarGapOwner, Kankei6EdgeWarikomi2},
        {"peep", kNozoki, Kankei6EdgeNozoki},                {"beside the far gap", kNozoki2, Kankei6EdgeNozoki2},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Board, c);
            const TLinkOutput handler = Handler(kEdge, kStone);
            const TLinkOutput family = Run([&k] { k.Family(Box()); });
            EXPECT_TRUE(handler == family) << k.What << ":" << handler.Show() << " /" << family.Show();
            EXPECT_FALSE(family.Koho.empty()) << k.What;
        }
}

TEST_F(Kankei6EdgeTest, ShapesThatGiveNothing)
{
    struct TCase {
        const char* What;
        std::string Board;
        Point Stone;
    };
    const TCase cases[] = {
        // White two lines out and behind the stone, none in the nine cells.
        {"no opponent stone in the box", Edge({{3, 2, 'O'}, {7, 1, 'O'}, {3, 3, 'O'}, {7, 4, 'O'}}), kStone},
        // Black (1,3) stands on the first line of the left edge.
        {"a stone on the other edge's first line", Diagram({{1, 3, 'X'}, {2, 3, 'O'}, {2, 2, 'O'}}), Point(1, 3)},
        {"the same at the right edge", Diagram({{9, 3, 'X'}, {8, 2, 'O'}}), Point(9, 3)},
        // White owns the stone and has none on XS2: the contact is not read.
        {"owner White beside the stone", Diagram({{5, 3, 'O'}, {4, 3, 'X'}}), kStone},
    };
    for (const TCase& k : cases)
        for (auto [a, b] : {std::pair{k.Stone, Point(k.Stone.x, 0)}, std::pair{Point(k.Stone.x, 0), k.Stone}})
            ExpectNoLinkOutput(k.Board.c_str(), {}, [a, b] { Kankei6EdgeUtu(a, b); }, k.What);
}

TEST_F(Kankei6EdgeTest, LookAheadGateSeesTheNineCellsAsLaid)
{
    // Only the stone's row in the area: from the stone it is cells 0..2 and
    // opens the gate; from the end beyond the edge the nine cells are that
    // row, the second line and the first line, and the gate stays shut.
    Prepare(kKata, kKuro);
    InSakiyomi = 1;
    YomiArea = {};
    for (int x = 4; x <= 6; ++x)
        YomiArea[x][3] = 1;
    int moves = -1;
    TLinkOutput out = Handler(kEdge, kStone, &moves);
    EXPECT_TRUE(out.Koho.empty() && out.Marks.empty()) << out.Show();
    EXPECT_EQ(moves, 0);
    out = Handler(kStone, kEdge, &moves);
    EXPECT_FALSE(out.Koho.empty());
    EXPECT_GT(moves, 0);
    // A first-line point opens it from either end.
    YomiArea = {};
    YomiArea[6][1] = 1;
    EXPECT_FALSE(Handler(kEdge, kStone).Koho.empty());
    EXPECT_FALSE(Handler(kStone, kEdge).Koho.empty());
    InSakiyomi = 0;
    YomiArea = {};
}

// --- Beside the stone: reasons and scores ----------------------------------------------

TEST_F(Kankei6EdgeTest, ContactReadingKeepsTheCallersReason)
{
    // Black hanes under the contact stone at K (4,2); White pushes at [4].
    for (int c : {kKuro, kSiro}) {
        Prepare(kKata, c);
        const TLinkOutput out = Handler();
        EXPECT_EQ(Points(out), (std::set<P>{c == kKuro ? P(4, 2) : P(5, 2)})) << out.Show();
        for (int i = 1; i <= KohoCount; ++i)
            EXPECT_EQ(Koho.Kind[i], kkKankei);
        EXPECT_EQ(out.Marks, (std::set<P>{{4, 2}, {5, 2}}));
        EXPECT_EQ(KohoKind, kkKankei);
    }
}

TEST_F(Kankei6EdgeTest, CornerPatternsHaveTheirOwnReasonAndScores)
{
    struct TCase {
        const char* What;
        const std::string& Board;
        Point A;
        int ToMove;
        std::map<P, int> Scores; // value x 10 + bonus, each under reason 29
        TPrepared Prepared;
    };
    const TCase cases[] = {
        {"3-3 invasion, Black", kUtikomi, kStone, kKuro, {{{3, 3}, 290}}, {}},
        {"3-3 invasion, White", kUtikomi, kStone, kSiro, {{{5, 2}, 290}}, {}},
        {"stone on the 3-3 point, White", kSanSanKata, Point(3, 3), kSiro, {{{4, 2}, 250}, {{2, 4}, 250}},
         {{2, 4, 2, 5, 2, 2}, {2, 4, 3, 2, 2, 2}}},
        {"stone on the 3-3 point, Black", kSanSanKata, Point(3, 3), kKuro, {{{3, 2}, 250}}, {{3, 2, 2, 2, 4, 2}}},
    };
    for (const TCase& k : cases) {
        Prepare(k.Board, k.ToMove);
        const TLinkOutput out = Handler(k.A, Point(k.A.x, 0));
        std::map<P, int> scores;
        for (int i = 1; i <= KohoCount; ++i) {
            scores[{Koho.Pt[i].x, Koho.Pt[i].y}] = Koho.Value[i] * 10 + Koho.Bonus[i];
            EXPECT_EQ(Koho.Kind[i], kkLink2ken29) << k.What;
        }
        EXPECT_EQ(scores, k.Scores) << k.What << ":" << out.Show();
        EXPECT_EQ(out.Prepared, k.Prepared) << k.What;
        EXPECT_EQ(KohoKind, kkKankei) << k.What;
    }
}

TEST_F(Kankei6EdgeTest, OwnerWhiteReadsTheContactOnlyWithItsStoneOnXS2)
{
    // White's (3,3) on XS2 is in atari: the contact is read and marked.
    const std::string board = Diagram({{5, 3, 'O'}, {4, 3, 'X'}, {3, 3, 'O'}, {2, 3, 'X'}, {3, 4, 'X'}});
    for (int c : {kKuro, kSiro}) {
        Prepare(board, c);
        const TLinkOutput out = Handler();
        EXPECT_EQ(out.Marks, (std::set<P>{{4, 2}, {5, 2}}));
        EXPECT_FALSE(out.Koho.empty());
    }
    // The same shape in Black's colours reads without the stone on XS2.
    for (int c : {kKuro, kSiro}) {
        Prepare(kKata, c);
        EXPECT_FALSE(Handler().Marks.empty());
    }
}

TEST_F(Kankei6EdgeTest, ContactShapesReadFirst)
{
    struct TCase {
        const char* What;
        std::string Board;
        P Black, White;
    };
    const TCase cases[] = {
        // A stone on K2 or E: K or [4] for both sides by which is taken.
        {"White on K2", Edge({{4, 3, 'O'}, {3, 2, 'O'}}), {5, 2}, {5, 2}},
        {"Black on E", Edge({{4, 3, 'O'}, {6, 2, 'X'}}), {4, 2}, {4, 2}},
        {"both", Edge({{4, 3, 'O'}, {3, 2, 'O'}, {6, 2, 'X'}}), {4, 2}, {5, 2}},
        // The contact stone with two liberties: Black's XS2 against White's K.
        {"contact short of liberties", kDame2, {3, 3}, {4, 2}},
        // Black behind the stone extends beyond XS2; White answers behind
        // XS2.  White behind the contact: its extension beyond F, Black's
        // answer behind F.
        {"Black behind the stone", kHiraki, {2, 3}, {3, 4}},
        {"White behind the contact", kHirakiOpp, {6, 4}, {7, 3}},
        // No open point for the extension: the main reading answers.
        {"Black behind the stone, crowded", Edge({{4, 3, 'O'}, {5, 4, 'X'}, {1, 4, 'O'}}), {4, 2}, {5, 2}},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Board, c);
            const TLinkOutput out = Handler();
            EXPECT_EQ(Points(out), (std::set<P>{c == kKuro ? k.Black : k.White})) << k.What << ":" << out.Show();
            EXPECT_EQ(out.Marks, (std::set<P>{{4, 2}, {5, 2}})) << k.What;
        }
}

TEST_F(Kankei6EdgeTest, DescentValueLeavesThePositionAsItWas)
{
    // Black's hane K and White's K2 standing, Black connects at [4]: the
    // descent at (3,1) under K2 is read on top of the caller's moves.
    Prepare(kKata, kKuro);
    TYomiTrial t;
    ASSERT_TRUE(t.Play(kKuro, Point(4, 2)));
    ASSERT_TRUE(t.Play(kSiro, Point(3, 2)));
    ASSERT_TRUE(t.Play(kKuro, kGap));
    const auto descent = [] { return Kankei6EdgeKataHyoka(Point(4, 2), Point(3, 2), Point(3, 3), Point(4, 3), kKuro); };
    const std::uint64_t before = StackHash();
    descent();
    EXPECT_EQ(StackHash(), before);
    // With the descent point taken by either side: the position's own value.
    for (int c : {kKuro, kSiro}) {
        ASSERT_TRUE(t.Play(c, Point(3, 1)));
        const int here = Hyoka(kKuro);
        const std::uint64_t taken = StackHash();
        EXPECT_EQ(descent(), here);
        EXPECT_EQ(StackHash(), taken);
        t.Back();
    }
}

// --- Both sides, each on its own ---------------------------------------------------------

TEST_F(Kankei6EdgeTest, BothSidesOfTheGapsAreReadEachOnItsOwn)
{
    struct TCase {
        const char* What;
        const std::string& Board;
        std::set<P> Black, White;
    };
    const TCase cases[] = {
        // The far gap: the block beside the near gap on each side, and with
        // Black two lines out beside the stone White's push at (3,1) there.
        {"far gap", kFarGap, {{4, 2}, {6, 2}}, {{4, 2}, {6, 2}}},
        {"far gap, Black two lines out", kFarGapOwner, {{4, 2}, {6, 2}}, {{3, 1}, {6, 2}}},
        // The near gap alone: each side's second-line point; with White two
        // lines out on the right only the left side reads.
        {"near gap alone", kTobi, {{4, 2}, {6, 2}}, {{4, 2}, {6, 2}}},
        {"near gap, White two lines out", kTobiOuter, {{4, 2}}, {{4, 3}}},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Board, c);
            const TLinkOutput out = Handler();
            EXPECT_EQ(Points(out), c == kKuro ? k.Black : k.White) << k.What << ":" << out.Show();
        }
    // One side of the far gap is the reading of its own side alone.
    for (int c : {kKuro, kSiro}) {
        Prepare(kFarGapOwner, c);
        TKankeiBox box = Box();
        KankeiStripMake(box, box[1], Kankei6EdgeEnd(box));
        const TLinkOutput left = Run([&box] { Kankei6EdgeWarikomi2Kata(box); });
        EXPECT_EQ(Points(left), (std::set<P>{c == kKuro ? P(4, 2) : P(3, 1)})) << left.Show();
        const int v = UtuHyoka(kKuro, Point(4, 2)) + UtuHyoka(kSiro, Point(3, 1));
        EXPECT_EQ(left.Koho.begin()->second, v);
    }
}

TEST_F(Kankei6EdgeTest, PeepAtAStoneNextToTheOtherEdgeCountsTwelveAsNineteen)
{
    // Black (2,3), White peeps at (3,2): the free gap neighbour (1,2) lies on
    // the first line of the left edge.  In the first position the two sides'
    // values at the gap add up to 12.
    constexpr const char* kTwelve = R"(
        . . . . . . . . .
        . . O . . . . . .
        . X . . . . . . .
        . . . . . . . . .
        . . . . . . O . .
        . X . O . . . . .
        . . . . . . . O .
        . . . . . . . . .
        . X . . . . . . .)";
    const std::string other = Diagram({{2, 3, 'X'}, {3, 2, 'O'}});
    for (const std::string& board : {std::string(kTwelve), other})
        for (int c : {kKuro, kSiro}) {
            Prepare(board, c);
            const Point gap(2, 2);
            const int sum = SeqHyoka(kKuro, {{kKuro, gap}}) + SeqHyoka(kSiro, {{kSiro, gap}});
            if (board == kTwelve) {
                ASSERT_EQ(sum, 12);
            } else {
                ASSERT_NE(sum, 12);
            }
            const TLinkOutput out = Handler(Point(2, 3), Point(2, 0));
            EXPECT_EQ(out.Koho, (std::map<P, int>{{{2, 2}, sum == 12 ? 19 : sum}})) << out.Show();
        }
}

// --- Both orders, every edge -------------------------------------------------------------

TEST_F(Kankei6EdgeTest, BothOrdersOnEveryEdgeGiveTheSameAnswers)
{
    const Point san(3, 3), sanEdge(3, 0);
    const TEdgeSymCase cases[] = {
        {"contact, owner", kKata, {}, kStone, kEdge, kKuro, true},
        {"contact, attacker", kKata, {}, kStone, kEdge, kSiro, true},
        {"contact short of liberties", kDame2, {}, kStone, kEdge, kKuro, true},
        {"owner behind the stone", kHiraki, {}, kStone, kEdge, kSiro, true},
        {"3-3 invasion", kUtikomi, {}, kStone, kEdge, kKuro, true},
        {"stone on the 3-3 point", kSanSanKata, {}, san, sanEdge, kSiro, true},
        {"near gap alone", kTobi, {}, kStone, kEdge, kKuro, true},
        {"near gap, outside stone", kTobiOuter, {}, kStone, kEdge, kSiro, true},
        {"near gap and beside it", kWariYoko, {}, kStone, kEdge, kKuro, true},
        {"near gap and beside the stone", kWariKata, {}, kStone, kEdge, kSiro, true},
        {"near gap, beside the stone, owner below", kWariJibun, {}, kStone, kEdge, kKuro, true},
        {"near gap and beside the far gap", kWariSaki, {}, kStone, kEdge, kSiro, false},
        {"far gap", kFarGapOwner, {}, kStone, kEdge, kSiro, true},
        {"peep", kNozoki, {}, kStone, kEdge, kKuro, true},
        {"peep, attacker", kNozoki, {}, kStone, kEdge, kSiro, true},
        {"beside the far gap", kNozoki2, {}, kStone, kEdge, kKuro, true},
    };
    ExpectEdgeSymmetric(Kankei6EdgeUtu, cases);
}

// Relations to the edge in seeded random positions: the two orders give the
// same output, and a box without an opponent stone plays no trial move.
TEST_F(Kankei6EdgeTest, RelationsToTheEdgeOfRandomPositions)
{
    int pairs = 0, quiet = 0, answered = 0;
    for (int g = 0; g < 120; ++g) {
        ResetProgramState();
        const int size = g % 3 == 0 ? 13 : 9;
        RandomDecision(size, 12 + g * 7 % 60, 9100 + static_cast<std::uint64_t>(g));
        const TGoban& b0 = *GobanLv[0];
        for (int i = 1; i <= b0.PairCount(); ++i) {
            const Point a = b0.PairPointB(i), b = b0.PairPointA(i);
            if (b0.PairKind(i) != 6 || (b0.GetIroPt(a) != kHen && b0.GetIroPt(b) != kHen))
                continue;
            ++pairs;
            TKankeiBox box;
            const bool shaped = Kankei6EdgeBox(a, b, box) && Kankei6EdgeShape(box) != kKankei6EdgeNone;
            for (int c : {kKuro, kSiro}) {
                JibunIro = static_cast<std::uint8_t>(c);
                AiteIro = static_cast<std::uint8_t>(c ^ 3);
                KohoKind = kkKankei;
                int moves = -1;
                const TLinkOutput ab = Handler(a, b, &moves);
                EXPECT_TRUE(Handler(b, a) == ab) << "seed " << 9100 + g << " pair " << i << " colour " << c;
                EXPECT_EQ(KohoKind, kkKankei);
                if (!shaped) {
                    ++quiet;
                    EXPECT_TRUE(ab.Koho.empty() && ab.Marks.empty() && moves == 0) << "seed " << 9100 + g;
                }
                answered += ab.Koho.empty() ? 0 : 1;
            }
        }
        if (HasFailure())
            return;
    }
    EXPECT_GT(pairs, 50);
    EXPECT_GT(quiet, 0);
    EXPECT_GT(answered, 0);
}

} // namespace
} // namespace vorn::test

// The three-space jump: which family a shape goes to, the answers of the
// families in the box, two lines out and at the edge, the sweeps with every
// routine called directly, and the answers under the eight symmetries.
// Black's jump (5,3)-(5,7) on 9x9 unless a case says otherwise; the box runs
// from A = (5,3) down to B = (5,7):
//
//   (4,3) (5,3) (6,3)      [0]  [1]  [2]      strip (3,y) even, (7,y) odd:
//   (4,4) (5,4) (6,4)      [3]  [4]  [5]        [0] [1] beside A
//   (4,5) (5,5) (6,5)      [6]  [7]  [8]        [4] [5] beside [7]
//   (4,6) (5,6) (6,6)      [9] [10] [11]        [8] [9] beside B
//   (4,7) (5,7) (6,7)     [12] [13] [14]
//
// At the edge Black's fourth-line stone (5,4) is related to the top edge
// (5,0): [4] = (5,3), [7] = (5,2), [10] = (5,1), [0] = (4,4), [3] = (4,3),
// [6] = (4,2), and the strip runs down x = 3 and x = 7 from y = 4.
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "LinkUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/Kankei10EdgeFree.h"
#include "engine/links/Kankei10EdgeNi.h"
#include "engine/links/Kankei10EdgeSan.h"
#include "engine/links/Kankei10Nozoki.h"
#include "engine/links/Kankei10Soto.h"
#include "engine/links/Kankei10Utu.h"
#include "engine/links/Kankei10Warikomi.h"

namespace vorn::test {
namespace {

constexpr Point kA(5, 3), kB(5, 7), kStone(5, 4), kEdge(5, 0);

// A 9x9 board with Black's and White's stones.
std::string Board(std::initializer_list<Point> black, std::initializer_list<Point> white = {})
{
    std::vector<std::string> rows(9, std::string(9, '.'));
    for (Point p : black)
        rows[p.y - 1][p.x - 1] = 'X';
    for (Point p : white)
        rows[p.y - 1][p.x - 1] = 'O';
    std::string d;
    for (const std::string& r : rows)
        d += "\n" + r;
    return d;
}

// Black's jump alone, and Black's fourth-line stone alone; the cases add
// stones.
const std::string kJumpBoard = Board({kA, kB});
const std::string kFourthBoard = Board({kStone});
const char* const kJump = kJumpBoard.c_str();
const char* const kFourth = kFourthBoard.c_str();
// Black's jump on the third line, (3,3)-(3,7).
constexpr Point kThirdA(3, 3), kThirdB(3, 7);
const std::string kThirdBoard = Board({kThirdA, kThirdB});
const char* const kThird = kThirdBoard.c_str();

TStones W(std::initializer_list<Point> white, std::initializer_list<Point> black = {})
{
    TStones s;
    for (Point p : white)
        s.push_back({p, kSiro});
    for (Point p : black)
        s.push_back({p, kKuro});
    return s;
}

using P = std::pair<int, int>;
using TPrepared = std::set<std::tuple<int, int, int, int, int, int>>;

// The points f proposes, for Black (the owner) and for White.
std::set<P> Points(const TLinkOutput& out)
{
    std::set<P> got;
    for (const auto& [p, v] : out.Koho)
        got.insert(p);
    return got;
}

// Board 0 from the diagram with the stones, prepared for `c`, who is also
// the engine.
void Engine(const char* diagram, const TStones& stones, int c)
{
    PrepareLink(diagram, c, stones);
    JibunIro = static_cast<std::uint8_t>(c);
    AiteIro = static_cast<std::uint8_t>(c ^ 3);
}

TKankeiBox Box(Point a = kA, Point b = kB)
{
    TKankeiBox box;
    EXPECT_TRUE(KankeiBoxMake(a, b, box));
    return box;
}

// What Kankei10Utu(a, b) offers Black (the owner) and White on one shape,
// with the prepared answers each leaves.
struct TAnswer {
    const char* What;
    TStones Stones;
    std::set<P> Black, White;
    TPrepared BlackPrepared = {}, WhitePrepared = {};
};

void ExpectAnswers(const char* board, Point a, Point b, std::initializer_list<TAnswer> cases)
{
    for (const TAnswer& k : cases)
        for (int c : {kKuro, kSiro}) {
            Engine(board, k.Stones, c);
            const TLinkOutput out = RunLink([a, b] { Kankei10Utu(a, b); });
            EXPECT_EQ(Points(out), c == kKuro ? k.Black : k.White) << k.What << ":" << out.Show();
            EXPECT_EQ(out.Prepared, c == kKuro ? k.BlackPrepared : k.WhitePrepared) << k.What;
        }
}

// --- Every routine on every jump of the sweeps ------------------------------------

// The box families on every three-space jump, whatever its shape: each must
// stay sound on any box and take back what it plays.
void BoxRoutines(Point a, Point b)
{
    TKankeiBox box;
    if (!JumpBox(a, b, box) || box.D != 4)
        return;
    for (void (*f)(TKankeiBox) : {Kankei10Warikomi, Kankei10WariHane, Kankei10WariHasi, Kankei10WariHasiYoko,
                                  Kankei10WariHasiNozoki, Kankei10NakaNozoki, Kankei10NakaNozokiHen, Kankei10Nozoki})
        f(box);
    KankeiStripMake(box, box[1], box[13]);
    for (void (*f)(TKankeiBox) : {Kankei10SotoNaka, Kankei10SotoNakaHasi, Kankei10SotoSoba, Kankei10SotoKata})
        f(box);
}

// The edge families on every three-space jump as if B were the edge, and on
// the relations to the edge as the dispatcher turns them.
void EdgeRoutines(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 4 || !KankeiInArea(box, 8))
        return;
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    if (box.Own < 0)
        return;
    const TEdgeSoto f = Kankei10EdgeSoto(box);
    Kankei10EdgeFreeSoto2(box, f);
    Kankei10EdgeFreeSotoNi(box, f);
    Kankei10EdgeFreeSotoSan(box, f);
    KankeiStripMake(box, a, b);
    for (void (*r)(TKankeiBox) : {Kankei10EdgeFree, Kankei10EdgeSan, Kankei10EdgeSanNozoki, Kankei10EdgeSanKata,
                                  Kankei10EdgeSanSoto, Kankei10EdgeSanSotoKata, Kankei10EdgeSanSotoNi,
                                  Kankei10EdgeSanFree, Kankei10EdgeNi, Kankei10EdgeSanYoko, Kankei10EdgeNiYoko,
                                  Kankei10EdgeKata})
        r(box);
}

const TLinkHandlerAdd kAddBox({"Kankei10 box families", 10, TLinkPass::First, BoxRoutines});
const TLinkHandlerAdd kAddEdge({"Kankei10 edge families", 10, TLinkPass::First, EdgeRoutines});

class Kankei10Test : public VornTest {};

// --- Dispatch ---------------------------------------------------------------------------

TEST_F(Kankei10Test, TheFirstShapeThatHoldsChoosesTheFamily)
{
    struct TCase {
        std::vector<int> White;
        int Shape;
    };
    const TCase cases[] = {
        {{7, 4, 6, 3, 0}, kKankei10Warikomi}, {{10, 8, 11}, kKankei10WariHasi}, {{4}, kKankei10WariHasi},
        {{8, 3, 14}, kKankei10NakaNozoki},    {{11, 12}, kKankei10Nozoki},      {{9}, kKankei10Nozoki},
        {{14}, kKankei10Kado},                {{0, 2}, kKankei10Kado},          {{}, kKankei10Soto},
    };
    for (const TCase& c : cases) {
        SetBoard(kJump);
        const TKankeiBox empty = Box();
        for (int i : c.White)
            GobanLv[0]->SetIro(empty[i].x, empty[i].y, kSiro);
        EXPECT_EQ(Kankei10Shape(Box()), c.Shape) << "White on " << ::testing::PrintToString(c.White);
    }
    // Black's own stones never count.
    SetBoard(kJump);
    for (Point p : {Point(5, 5), Point(4, 4), Point(6, 3)})
        GobanLv[0]->SetIro(p.x, p.y, kKuro);
    EXPECT_EQ(Kankei10Shape(Box()), kKankei10Soto);
    // Two lines out: beside the middle gap first, then beside a gap, then
    // beside an end.
    const std::pair<std::vector<Point>, int> strip[] = {
        {{Point(7, 7), Point(3, 5)}, kKankei10SotoNaka},
        {{Point(3, 3), Point(7, 6)}, kKankei10SotoSoba},
        {{Point(7, 7)}, kKankei10SotoKata},
        {{Point(2, 5)}, kKankei10SotoNone},
    };
    for (const auto& [white, shape] : strip) {
        SetBoard(kJump);
        for (Point p : white)
            GobanLv[0]->SetIro(p.x, p.y, kSiro);
        TKankeiBox box = Box();
        KankeiStripMake(box, kA, kB);
        EXPECT_EQ(Kankei10SotoShape(box), shape);
    }
}

TEST_F(Kankei10Test, CornerStoneAloneOrNoOpponentStoneGivesNothing)
{
    // White two lines out beside [7] is answered at [7] ...
    Engine(kJump, W({Point(3, 5)}), kKuro);
    EXPECT_EQ(Points(RunLink([] { Kankei10Utu(kA, kB); })), (std::set<P>{{5, 5}}));
    // ... but not with a White corner stone beside an end: the strip is not
    // read at all.
    for (Point corner : {Point(4, 3), Point(6, 7)})
        ExpectNoLinkOutput(kJump, W({Point(3, 5), corner}), [] { Kankei10Utu(kA, kB); }, "corner stone");
    ExpectNoLinkOutput(kJump, {}, [] { Kankei10Utu(kA, kB); }, "no White stone");
    ExpectNoLinkOutput(kJump, W({Point(2, 5), Point(8, 4)}), [] { Kankei10Utu(kA, kB); }, "White far out");
    ExpectNoLinkOutput(kFourth, W({Point(5, 1), Point(4, 1)}), [] { Kankei10Utu(kStone, kEdge); },
                       "White on the first line only");
}

TEST_F(Kankei10Test, WedgeOnTheMiddleGapWinsOverEveryOtherStone)
{
    // With White also on [10], beside it and on a corner the wedge is read:
    // the same as Kankei10Warikomi on the box.
    const TStones stones = W({Point(5, 5), Point(5, 6), Point(6, 6), Point(6, 7)});
    for (int c : {kKuro, kSiro}) {
        Engine(kJump, stones, c);
        const TLinkOutput direct = RunLink([] { Kankei10Warikomi(Box()); });
        EXPECT_FALSE(direct.Koho.empty());
        ClearLinkOutput();
        EXPECT_EQ(RunLink([] { Kankei10Utu(kA, kB); }), direct);
    }
}

// --- In the box ---------------------------------------------------------------------

TEST_F(Kankei10Test, WedgeOnTheMiddleGapIsAnsweredOnEachSide)
{
    // The owner's block carries the answers to both cuts beside it.
    const TPrepared left{{4, 5, 4, 4, 5, 4}, {4, 5, 4, 6, 5, 6}};
    const TPrepared right{{6, 5, 6, 4, 5, 4}, {6, 5, 6, 6, 5, 6}};
    TPrepared both = left;
    both.insert(right.begin(), right.end());
    ExpectAnswers(kJump, kA, kB, {
        {"both sides open", W({Point(5, 5)}), {{4, 5}, {6, 5}}, {{3, 5}, {7, 5}}, both},
        {"White beside the right strip point", W({Point(5, 5), Point(8, 6)}), {{4, 5}}, {{3, 5}}, left},
        {"Black on the right strip point's line", W({Point(5, 5)}, {Point(8, 5)}), {{4, 5}}, {{3, 5}}, left},
        {"White on the left strip point", W({Point(5, 5), Point(3, 5)}), {{6, 5}}, {{7, 5}}, right},
        {"White on the corner [2]", W({Point(5, 5), Point(6, 3)}), {{4, 5}}, {{3, 5}}, left},
        {"White beside both strip points", W({Point(5, 5), Point(2, 4), Point(8, 6)}), {}, {}},
    });
}

TEST_F(Kankei10Test, WedgeSideFallsWithTheLadderOnTheCut)
{
    // White (5,2) and (6,3) leave Black's A short of liberties; the right
    // side is closed by the corner.  White (7,4) makes the ladder work
    // against Black's connection after the cut at [3]: the left side goes.
    const TStones open = W({Point(5, 5), Point(5, 2), Point(6, 3)});
    TStones caught = open;
    caught.push_back({Point(7, 4), kSiro});
    for (int c : {kKuro, kSiro}) {
        Engine(kJump, open, c);
        EXPECT_EQ(Points(RunLink([] { Kankei10Utu(kA, kB); })), (std::set<P>{{c == kKuro ? 4 : 3, 5}}));
    }
    Engine(kJump, caught, kKuro);
    {
        TYomiTrial t;
        t.Play(kKuro, Point(4, 5));
        t.Play(kSiro, Point(4, 4));
        t.Play(kKuro, Point(5, 4));
        ToruRenMake();
        EXPECT_EQ(RenKuu(Point(5, 4)), 2);
        EXPECT_EQ(SichoCheck(Point(5, 4)), 1);
    }
    for (int c : {kKuro, kSiro}) {
        Engine(kJump, caught, c);
        const TLinkOutput out = RunLink([] { Kankei10Utu(kA, kB); });
        EXPECT_TRUE(out.Koho.empty() && out.Prepared.empty()) << out.Show();
    }
}

TEST_F(Kankei10Test, WedgeWithTheStripPointOnTheFirstLine)
{
    // The jump on the third line: on the edge side the intruder extends at
    // [3] or [9] instead of the first-line strip point.
    Engine(kThird, W({Point(3, 5)}), kSiro);
    const std::set<P> got = Points(RunLink([] { Kankei10Utu(kThirdA, kThirdB); }));
    EXPECT_EQ(got.size(), 2u);
    EXPECT_TRUE(got.count({5, 5}));
    EXPECT_TRUE(got.count({2, 4}) || got.count({2, 6})) << ::testing::PrintToString(got);
}

TEST_F(Kankei10Test, StonesBesideTheGaps)
{
    ExpectAnswers(kJump, kA, kB, {
        // On [4]: the owner's block beside it against the intruder's
        // extension there; two lines out beside the block the owner already
        // stands.
        {"intruder on [4], Black two lines out", W({Point(5, 4)}, {Point(7, 4)}), {}, {}},
        // Beside the middle gap: [7] against the other flank.
        {"peep beside [7]", W({Point(4, 5)}), {{5, 5}}, {{6, 5}}},
        {"peep beside [7] and beside [4]", W({Point(4, 5), Point(4, 4)}), {{6, 5}}, {{6, 5}}},
        {"peep beside [7], N taken", W({Point(4, 5)}, {Point(6, 5)}), {}, {}},
        {"peep beside [7], White beside A's far side", W({Point(4, 5), Point(7, 3)}), {}, {}},
        // Beside [4]: the gap against the opponent's gap, or the far flank
        // of [7] for the owner when A is short of liberties.
        {"peep beside [4]", W({Point(4, 4)}), {{5, 4}}, {{5, 4}}},
        {"peep beside [4], A short of liberties", W({Point(4, 4), Point(5, 2), Point(6, 3)}), {{6, 5}}, {{6, 5}}},
        {"peep beside [4], White two lines out beside A", W({Point(4, 4), Point(7, 3)}), {}, {}},
    });
}

TEST_F(Kankei10Test, IntruderNextToAnEndOnTheThirdLine)
{
    // The jump on the third line, White on [4]: Black blocks on the fourth
    // line; White extends there too rather than at [8] below it.
    for (int c : {kKuro, kSiro}) {
        Engine(kThird, W({Point(3, 4)}), c);
        EXPECT_EQ(Points(RunLink([] { Kankei10Utu(kThirdA, kThirdB); })), (std::set<P>{{4, 4}}));
    }
}

TEST_F(Kankei10Test, PeepWithTheOwnerOnTheFarCornerOnlyValuesTheMiddleGap)
{
    for (int c : {kKuro, kSiro}) {
        Engine(kJump, W({Point(4, 4)}, {Point(6, 3)}), c);
        const TLinkOutput direct = RunLink([] { AddKohoHyoka(Point(5, 5)); });
        ClearLinkOutput();
        const TLinkOutput out = RunLink([] { Kankei10Utu(kA, kB); });
        EXPECT_EQ(Points(out), (std::set<P>{{5, 5}}));
        EXPECT_EQ(out, direct) << out.Show() << " against" << direct.Show();
    }
}

TEST_F(Kankei10Test, PeepAtTheSecondLineMiddleGap)
{
    // The jump on the second line: Black's [7] against White's push at [4]
    // (the first of two equal pushes); with White beside both [4] and [10]
    // as well, Black's group without eyes makes [9] the point for both.
    const Point a(2, 3), b(2, 7);
    const std::string board = Board({a, b}, {Point(3, 5)});
    for (int c : {kKuro, kSiro}) {
        Engine(board.c_str(), {}, c);
        EXPECT_EQ(Points(RunLink([a, b] { Kankei10Utu(a, b); })), (std::set<P>{{2, c == kKuro ? 5 : 4}}));
        Engine(board.c_str(), W({Point(3, 4), Point(3, 6)}), c);
        EXPECT_EQ(Points(RunLink([a, b] { Kankei10Utu(a, b); })), (std::set<P>{{1, 6}}));
    }
}

// --- Two lines out ---------------------------------------------------------------

TEST_F(Kankei10Test, StonesTwoLinesOut)
{
    ExpectAnswers(kJump, kA, kB, {
        {"beside [7]", W({Point(3, 5)}), {{5, 5}}, {{5, 5}}},
        {"beside [7], Black beside A", W({Point(7, 5)}, {Point(3, 3)}), {{5, 5}}, {{5, 5}}},
        {"beside [7] and beside A",
         W({Point(3, 5), Point(3, 3)}),
         {{4, 4}},
         {{5, 4}},
         {},
         {{5, 4, 6, 4, 5, 5}, {5, 4, 4, 4, 4, 3}, {5, 4, 4, 3, 4, 4}}},
        {"beside [7] and beside B on the right",
         W({Point(7, 5), Point(7, 7)}),
         {{6, 6}},
         {{5, 6}},
         {},
         {{5, 6, 4, 6, 5, 5}, {5, 6, 6, 6, 6, 7}, {5, 6, 6, 7, 6, 6}}},
        // Beside an end only: P for both, unless Black holds the corner.
        {"beside A", W({Point(3, 3)}), {{4, 4}}, {{4, 4}}},
        {"beside A, right", W({Point(7, 3)}), {{6, 4}}, {{6, 4}}},
        {"beside B", W({Point(3, 7)}), {{4, 6}}, {{4, 6}}},
        {"beside B, right", W({Point(7, 7)}), {{6, 6}}, {{6, 6}}},
        {"beside A, Black on the corner", W({Point(3, 3)}, {Point(4, 3)}), {}, {}},
        {"beside A, Black two lines out beside [4]", W({Point(3, 3)}, {Point(3, 4)}), {}, {}},
        {"beside [4], Black two lines out beside [7]", W({Point(3, 4)}, {Point(3, 5)}), {}, {}},
    });
}

// --- At the edge ------------------------------------------------------------------

TEST_F(Kankei10Test, EdgeShapes)
{
    ExpectAnswers(kFourth, kStone, kEdge, {
        // No White stone in front: the approach two lines out.
        {"approach beside the third line", W({Point(3, 3)}), {{4, 2}}, {{5, 2}}},
        {"approach beside the second line", W({Point(3, 2)}), {{5, 2}}, {{6, 3}}},
        {"approaches beside the third and second line", W({Point(7, 2), Point(7, 3)}), {{5, 2}}, {{4, 3}}},
        {"approach beside the second line, Black beside the third", W({Point(3, 2)}, {Point(3, 3)}), {}, {}},
        {"approaches on both sides", W({Point(3, 3), Point(7, 2)}), {}, {}},
        {"approach beside the stone", W({Point(3, 4)}), {}, {}},
        // White on [4]: the flanks of [4].
        {"[4] alone", W({Point(5, 3)}), {{4, 3}, {6, 3}}, {{4, 3}, {6, 3}}},
        {"[4], Black on the corner [0]", W({Point(5, 3)}, {Point(4, 4)}), {{6, 3}}, {{6, 3}}},
        {"[4] and [6]", W({Point(5, 3), Point(4, 2)}), {}, {}},
        {"[4] and [8]", W({Point(5, 3), Point(6, 2)}), {}, {}},
        {"[4] and its flank", W({Point(5, 3), Point(4, 3)}), {{6, 3}}, {{6, 4}}},
        {"[4] and the corner [0]", W({Point(5, 3), Point(4, 4)}), {{6, 3}}, {{6, 3}}},
        {"[4], two lines out beside it", W({Point(5, 3), Point(3, 3)}), {{6, 3}}, {{6, 3}}},
        {"[4], two lines out beside [7]", W({Point(5, 3), Point(7, 2)}), {{4, 3}}, {{4, 3}}},
        // Further from the stone.
        {"[7]", W({Point(5, 2)}), {{4, 3}, {6, 3}}, {{4, 3}, {6, 3}}},
        {"[7], White two lines out on the left", W({Point(5, 2), Point(2, 3)}), {{6, 3}}, {{6, 3}}},
        {"beside [4]", W({Point(4, 3)}), {{5, 3}}, {{5, 3}}},
        {"beside [7]", W({Point(4, 2)}), {{5, 2}}, {{6, 3}}},
        {"beside the stone", W({Point(4, 4)}), {{4, 3}}, {{5, 3}}},
    });
}

TEST_F(Kankei10Test, ThirdLinePointAloneUsesThePointEvaluation)
{
    for (int c : {kKuro, kSiro}) {
        Engine(kFourth, W({Point(5, 3)}), c);
        const TLinkOutput direct = RunLink([] {
            AddKohoHyoka(Point(4, 3));
            AddKohoHyoka(Point(6, 3));
        });
        ClearLinkOutput();
        EXPECT_EQ(RunLink([] { Kankei10Utu(kStone, kEdge); }), direct);
    }
}

TEST_F(Kankei10Test, EdgeAnswersThatDependOnTheStone)
{
    // Beside [7]: only a stone exactly on the fourth line; (3,4) is on the
    // third line from the left edge.
    const std::string third = Board({Point(3, 4)}, {Point(2, 2)});
    ExpectNoLinkOutput(third.c_str(), {}, [] { Kankei10Utu(Point(3, 4), Point(3, 0)); }, "third-line stone");
    // Beside the stone: a White stone gets no answer, a Black one does.
    const std::string white = Board({Point(4, 4)}, {kStone});
    ExpectNoLinkOutput(white.c_str(), {}, [] { Kankei10Utu(kStone, kEdge); }, "White's stone");
    // A stone on the second line from the side edge: its row runs off the
    // board two lines out, and the approach is not read.
    const std::string side = Board({Point(2, 4)}, {Point(4, 3)});
    ExpectNoLinkOutput(side.c_str(), {}, [] { Kankei10Utu(Point(2, 4), Point(2, 0)); }, "second line from the side");
}

TEST_F(Kankei10Test, ApproachBesideTheThirdLineIsCappedEarlyInTheGame)
{
    const TStones approach = W({Point(3, 3)});
    for (int c : {kKuro, kSiro}) {
        Engine(kFourth, approach, c);
        ASSERT_EQ(GobanLv[0]->Tejun.Current(), c == kKuro ? 0 : 1);
        const TLinkOutput early = RunLink([] { Kankei10Utu(kStone, kEdge); });
        ASSERT_EQ(early.Koho.size(), 1u);
        Engine(kFourth, approach, c);
        while (GobanLv[0]->Tejun.Current() < 19)
            GobanLv[0]->Pass();
        ASSERT_EQ(RunLink([] { Kankei10Utu(kStone, kEdge); }), early) << "move 19";
        GobanLv[0]->Pass();
        const TLinkOutput late = RunLink([] { Kankei10Utu(kStone, kEdge); });
        ASSERT_EQ(Points(late), Points(early));
        // Uncapped from move 20 on: the same reading is worth more.
        EXPECT_EQ(early.Koho.begin()->second, 25);
        EXPECT_GT(late.Koho.begin()->second, 25);
    }
}

TEST_F(Kankei10Test, LookAheadReadsOnlyTheStonesRowAndTheNextTwo)
{
    Engine(kFourth, W({Point(5, 3)}), kSiro);
    InSakiyomi = 1;
    YomiArea = {};
    YomiArea[5][1] = YomiArea[4][1] = 1;
    int moves = -1;
    EXPECT_TRUE(RunLink([] { Kankei10Utu(kStone, kEdge); }, &moves).Koho.empty());
    EXPECT_EQ(moves, 0);
    YomiArea[6][2] = 1;
    EXPECT_FALSE(RunLink([] { Kankei10Utu(kStone, kEdge); }, &moves).Koho.empty());
    EXPECT_GT(moves, 0);
    InSakiyomi = 0;
    YomiArea = {};
}

// --- Sweeps --------------------------------------------------------------------------

TEST_F(Kankei10Test, SweepOfSparseBoardsAndJumpsAlongTheFirstLine)
{
    // Sparse 19x19 boards hold many three-space jumps and fourth-line
    // stones; crowded 13x13 ones many jumps along the first line.
    TSweepCount count;
    for (int g = 0; g < 8; ++g) {
        ResetProgramState();
        RandomDecision(19, 24 + g * 5, 9100 + static_cast<std::uint64_t>(g));
        SweepPairs("sparse 19x19, seed " + std::to_string(9100 + g), count);
        if (HasFatalFailure())
            return;
    }
    for (int g = 0; g < 20; ++g) {
        ResetProgramState();
        RandomDecision(13, 80 + g % 40, 9200 + static_cast<std::uint64_t>(g));
        SweepEdgeLine("edge line, seed " + std::to_string(9200 + g), 4, count);
        if (HasFatalFailure())
            return;
    }
    ResetProgramState();
    EXPECT_GT(count.Calls, 100);
}

// --- Symmetry --------------------------------------------------------------------------

const std::string kSymWedge = Board({kA, kB}, {Point(5, 5), Point(8, 6)});
const std::string kSymHasi = Board({kThirdA, kThirdB}, {Point(3, 6)});
const std::string kSymNaka = Board({kA, kB}, {Point(6, 5)});
const std::string kSymNozoki = Board({kA, kB}, {Point(6, 6)});
const std::string kSymNakaHasi = Board({kA, kB}, {Point(3, 5), Point(3, 7)});
const std::string kSymSoba = Board({kA, kB}, {Point(7, 6)});
const std::string kSymKata = Board({kA, kB}, {Point(7, 7)});

const TSymCase kSymCases[] = {
    {"wedge, owner", kSymWedge.c_str(), kKuro, true, [](int t) { return Handler(Kankei10Utu, kA, kB, t); }},
    {"wedge, attacker", kSymWedge.c_str(), kSiro, true, [](int t) { return Handler(Kankei10Utu, kB, kA, t); }},
    {"intruder beside B on the third line, owner", kSymHasi.c_str(), kKuro, true,
     [](int t) { return Handler(Kankei10Utu, kThirdA, kThirdB, t); }},
    {"intruder beside B on the third line, attacker", kSymHasi.c_str(), kSiro, true,
     [](int t) { return Handler(Kankei10Utu, kThirdB, kThirdA, t); }},
    {"peep beside [7], attacker", kSymNaka.c_str(), kSiro, true,
     [](int t) { return Handler(Kankei10Utu, kB, kA, t); }},
    {"peep beside [10], owner", kSymNozoki.c_str(), kKuro, true,
     [](int t) { return Handler(Kankei10Utu, kA, kB, t); }},
    {"two stones two lines out, attacker", kSymNakaHasi.c_str(), kSiro, true,
     [](int t) { return Handler(Kankei10Utu, kA, kB, t); }},
    {"two lines out beside [10], owner", kSymSoba.c_str(), kKuro, true,
     [](int t) { return Handler(Kankei10Utu, kA, kB, t); }},
    {"two lines out beside B, attacker", kSymKata.c_str(), kSiro, true,
     [](int t) { return Handler(Kankei10Utu, kB, kA, t); }},
};

TEST_F(Kankei10Test, MirrorImagesGiveTheSameAnswersAtTheMirroredPoints) { ExpectSymmetric(kSymCases); }

const std::string kSymSan = Board({kStone}, {Point(3, 3)});
const std::string kSymNi = Board({kStone}, {Point(7, 2)});
const std::string kSymSanNozoki = Board({kStone}, {Point(5, 3), Point(6, 3)});
const std::string kSymSanYoko = Board({kStone}, {Point(6, 3)});
const std::string kSymNiYoko = Board({kStone}, {Point(6, 2)});
const std::string kSymKataEdge = Board({kStone}, {Point(6, 4)});

const TSymCase kEdgeSymCases[] = {
    {"approach beside the third line, owner", kSymSan.c_str(), kKuro, true,
     [](int t) { return Handler(Kankei10Utu, kStone, kEdge, t); }},
    {"approach beside the second line, attacker", kSymNi.c_str(), kSiro, true,
     [](int t) { return Handler(Kankei10Utu, kStone, kEdge, t); }},
    {"third line and its flank, attacker", kSymSanNozoki.c_str(), kSiro, true,
     [](int t) { return Handler(Kankei10Utu, kStone, kEdge, t); }},
    {"beside the third-line point, owner", kSymSanYoko.c_str(), kKuro, true,
     [](int t) { return Handler(Kankei10Utu, kStone, kEdge, t); }},
    {"beside the second-line point, attacker", kSymNiYoko.c_str(), kSiro, true,
     [](int t) { return Handler(Kankei10Utu, kStone, kEdge, t); }},
    {"beside the stone, owner", kSymKataEdge.c_str(), kKuro, true,
     [](int t) { return Handler(Kankei10Utu, kStone, kEdge, t); }},
};

TEST_F(Kankei10Test, EdgeAnswersAreTheSameOnEveryEdge) { ExpectSymmetric(kEdgeSymCases); }

// The same shapes from either end of the relation: the strip beside the
// jump is read from the stone toward the edge whichever end comes first.
TEST_F(Kankei10Test, EdgeAnswersAreTheSameFromEitherEnd)
{
    // Every case of the table above reads the relation from the stone.
    std::vector<TEdgeSymCase> cases;
    for (const TSymCase& c : kEdgeSymCases)
        cases.push_back({c.Name, c.Diagram, {}, kStone, kEdge, c.ToMove, c.Values});
    ExpectEdgeSymmetric(Kankei10Utu, cases);
}

} // namespace
} // namespace vorn::test

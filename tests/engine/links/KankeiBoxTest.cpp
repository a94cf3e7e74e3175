// The jump-link frame: the edge turn and the mirrors against boxes built the
// other way round, role tables under orientation, first-match dispatch, the
// prologue and its local-mode gate, trial sequences that take back exactly
// what stood, lookups off the board and the output rule.
#include "LinkUtil.h"
#include "Util.h"

#include "board/Between.h"
#include "board/Goban.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/KankeiBox.h"

namespace vorn::test {
namespace {

using KankeiBoxTest = VornTest;

// Black's one-space jump (5,3)-(5,5) with White's wedge at (5,4) between,
// and Black's stones on the edge and beside the wedge.
constexpr const char* kJumps = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    X . . . O X . . X
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(KankeiBoxTest, EdgeTurnRunsTheRowsFromTheStoneTowardTheEdge)
{
    SetBoard(kJumps);
    // The turned box of A-B is the box of B-A in every row but the last,
    // which keeps B's own row; the owner is then B's colour.
    for (int d : {2, 3, 4})
        for (auto [a, b] : {std::pair{Point(5, 3 + d), Point(5, 3)}, std::pair{Point(1, 4), Point(1 + d, 4)}}) {
            TKankeiBox turned, back;
            ASSERT_TRUE(KankeiBoxMake(a, b, turned));
            ASSERT_TRUE(KankeiBoxMake(b, a, back));
            KankeiEdgeTurn(turned);
            EXPECT_EQ(turned.High, 3 * d + 2);
            for (int i = 0; i < 3 * d; ++i) {
                EXPECT_EQ(turned[i], back[i]) << "d " << d << " cell " << i;
                EXPECT_EQ(turned.Iro[i], back.Iro[i]) << "d " << d << " cell " << i;
            }
            for (int j = 0; j <= 2; ++j)
                EXPECT_EQ(turned[3 * d + j], back[j]) << "the last row keeps B's row";
            EXPECT_EQ(turned[1], b);
            // The owner is the stone at [1]; an empty B gives no owner.
            const int c = GobanLv[0]->GetIroPt(b);
            EXPECT_EQ(turned.Own, c == kAki ? -1 : c);
            EXPECT_EQ(turned.Opp, c == kAki ? -1 : c ^ 3);
        }
    // The one-space case as the edge dispatcher describes it: B's row over
    // A's row, the gap row unchanged.
    TKankeiBox box, built;
    ASSERT_TRUE(KankeiBoxMake(Point(1, 5), Point(-1, 5), built));
    box = built;
    KankeiEdgeTurn(box);
    for (int j = 0; j <= 2; ++j) {
        EXPECT_EQ(box[j], built[6 + j]);
        EXPECT_EQ(box[3 + j], built[3 + j]);
        EXPECT_EQ(box[6 + j], built[6 + j]);
    }
}

TEST_F(KankeiBoxTest, MirrorsAndOrientationsNameTheSameCells)
{
    SetBoard(kJumps);
    TKankeiBox box;
    ASSERT_TRUE(KankeiBoxMake(Point(5, 3), Point(5, 7), box));
    KankeiStripMake(box, box[1], box[13]);
    EXPECT_EQ(box.High, 14);
    EXPECT_EQ(box.StripHigh, 9);
    // White's wedge in the first gap, Black's stone beside it (larger x).
    EXPECT_TRUE(box.IsOpp(4));
    EXPECT_TRUE(box.IsOwn(5));
    EXPECT_EQ(box.Idx(kOrientAcross, 1, 0), 5);
    EXPECT_EQ(box.Idx(kOrientAlong, 1, 2), 11);
    EXPECT_EQ(box.Idx(kOrientBoth, 0, 0), 14);
    EXPECT_EQ(box.StripIdx(kOrientBoth, 0, 0), 9);
    TKankeiBox mirrored = box;
    KankeiMirrorBox(mirrored);
    KankeiMirrorStrip(mirrored);
    for (int k = 0; k <= box.D; ++k)
        for (int j = 0; j <= 2; ++j) {
            EXPECT_EQ(mirrored[box.Idx(kOrientPlain, k, j)], box[box.Idx(kOrientAcross, k, j)]);
            EXPECT_EQ(mirrored.Iro[box.Idx(kOrientPlain, k, j)], box.Iro[box.Idx(kOrientAcross, k, j)]);
        }
    for (int k = 0; k <= box.D; ++k)
        for (int j = 0; j <= 1; ++j)
            EXPECT_EQ(mirrored.Strip[box.StripIdx(kOrientPlain, k, j)], box.Strip[box.StripIdx(kOrientAcross, k, j)]);
    // A cell beyond the box is a range error, not a read of the next one.
    EXPECT_THROW((void)box.IsOpp(15), ERangeError);
    TKankeiBox small;
    ASSERT_TRUE(KankeiBoxMake(Point(5, 3), Point(5, 5), small));
    EXPECT_THROW((void)small.IsAki(9), ERangeError);
    EXPECT_THROW((void)small.StripOpp(0), ERangeError) << "no strip made";
}

TEST_F(KankeiBoxTest, OnlyJumpsOnOneLineMakeABox)
{
    SetBoard(kJumps);
    TKankeiBox box;
    for (auto [a, b] : {std::pair{Point(5, 3), Point(6, 5)}, std::pair{Point(5, 3), Point(5, 4)},
                        std::pair{Point(5, 3), Point(5, 8)}, std::pair{Point(5, 3), Point(5, 3)}})
        EXPECT_FALSE(KankeiBoxMake(a, b, box)) << a.x << "," << a.y << " " << b.x << "," << b.y;
}

TEST_F(KankeiBoxTest, FirstMatchTakesTheFirstTestWithAnAlternativeFullyHeld)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . O X O . . .
        . . . . . . . . .
        . . O O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TKankeiBox box;
    ASSERT_TRUE(KankeiBoxMake(Point(5, 3), Point(5, 5), box));
    KankeiStripMake(box, box[1], box[7]);
    // Opponent on [0], [2], [6] and on strip cell 4 (two lines out beside B).
    EXPECT_EQ(KankeiOppCells(box), BoxCells({0, 2, 6}) | StripCells({4}));
    struct TCase {
        std::vector<TKankeiTest> Tests;
        int Want;
    };
    const TCase cases[] = {
        {{{{BoxCells({4})}}, {{BoxCells({0, 8}), BoxCells({2, 6})}}}, 1},
        {{{{BoxCells({0, 8})}}, {{BoxCells({0, 4}), BoxCells({1})}}}, 2},
        {{{{BoxCells({0, 2, 6}) | StripCells({4})}}}, 0},
        {{{{StripCells({5})}}, {{BoxCells({0}), StripCells({4})}}}, 1},
        {{}, 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(KankeiFirstMatch(box, c.Tests), c.Want);
}

TEST_F(KankeiBoxTest, PrologueSendsEdgeJumpsAwayAndGatesInTheLookAhead)
{
    SetBoard(kJumps);
    static std::vector<std::pair<Point, Point>> edgeCalls;
    edgeCalls.clear();
    const TKankeiEdge edge = [](Point a, Point b) { edgeCalls.push_back({a, b}); };
    TKankeiBox box;
    // Both orders of a jump to the edge reach the edge dispatcher unchanged.
    EXPECT_FALSE(KankeiPrologue(Point(1, 4), Point(-1, 4), edge, box));
    EXPECT_FALSE(KankeiPrologue(Point(-1, 4), Point(1, 4), edge, box));
    ASSERT_EQ(edgeCalls.size(), 2u);
    EXPECT_EQ(edgeCalls[0], std::make_pair(Point(1, 4), Point(-1, 4)));
    EXPECT_EQ(edgeCalls[1], std::make_pair(Point(-1, 4), Point(1, 4)));
    // A must hold a stone; B is not asked.  A box from an empty point has
    // no owner, and no cell, empty or off the board, counts for either side.
    EXPECT_FALSE(KankeiPrologue(Point(3, 4), Point(5, 4), edge, box));
    ASSERT_TRUE(KankeiBoxMake(Point(2, 5), Point(2, 3), box));
    for (int i = 0; i <= box.High; ++i)
        EXPECT_FALSE(box.IsOpp(i) || box.IsOwn(i)) << i;
    ASSERT_TRUE(KankeiBoxMake(Point(0, 5), Point(2, 5), box));
    EXPECT_EQ(KankeiOppCells(box), 0u) << "A off the board";
    EXPECT_TRUE(KankeiPrologue(Point(5, 5), Point(5, 7), edge, box));
    EXPECT_EQ(box.Own, kKuro);
    EXPECT_EQ(edgeCalls.size(), 2u);

    // The look-ahead area: only on-board box cells count.  The jump along
    // the edge from (1,4) to (1,6) has its left column off the board.
    InSakiyomi = 1;
    YomiArea = {};
    EXPECT_FALSE(KankeiPrologue(Point(5, 5), Point(5, 7), edge, box));
    YomiArea[6][7] = 1; // the corner beside B
    EXPECT_TRUE(KankeiPrologue(Point(5, 5), Point(5, 7), edge, box));
    GobanLv[0]->SetIro(1, 6, kKuro);
    YomiArea = {};
    EXPECT_FALSE(KankeiPrologue(Point(1, 4), Point(1, 6), edge, box));
    YomiArea[2][5] = 1;
    EXPECT_TRUE(KankeiPrologue(Point(1, 4), Point(1, 6), edge, box));
    InSakiyomi = 0;
    YomiArea = {};
    EXPECT_TRUE(KankeiPrologue(Point(1, 4), Point(1, 6), edge, box)) << "no gate outside the look-ahead";
}

TEST_F(KankeiBoxTest, TrialSequencesTakeBackExactlyWhatStood)
{
    SetBoard(kJumps);
    Point none;
    VornThink0(-1, none);
    // The plain evaluation of black (3,3) and white (7,7), with a refused
    // move (an occupied point) between them and after them.
    const int plain = SeqHyoka(kKuro, {{kKuro, Point(3, 3)}, {kSiro, Point(7, 7)}});
    EXPECT_EQ(Level, 0);
    const int refused = SeqHyoka(kKuro, {{kKuro, Point(3, 3)}, {kSiro, Point(5, 3)}, {kSiro, Point(7, 7)}});
    EXPECT_EQ(refused, plain);
    // With a caller's move standing, a sequence whose every move is refused
    // leaves it in place.
    ASSERT_TRUE(YomiUtu(kSiro, Point(8, 8)));
    const std::uint64_t standing = StackHash();
    SeqHyoka(kKuro, {{kKuro, Point(5, 3)}, {kSiro, Point(5, 4)}});
    EXPECT_EQ(StackHash(), standing);
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(kKuro, Point(2, 2)));
        const int mark = t.Tries();
        TrialHyoka(t, kSiro, {{kSiro, Point(2, 3)}, {kKuro, Point(2, 2)}, {kKuro, Point(3, 2)}});
        EXPECT_EQ(t.Tries(), mark);
        EXPECT_EQ(CurGoban().GetIroPt(Point(2, 2)), kKuro);
        EXPECT_EQ(CurGoban().GetIroPt(Point(2, 3)), kAki);
        // A one-move ladder sequence: the missing second move is a refused
        // try, so two take-backs remove exactly the first.
        TrialSichoPair(t, kSiro, Point(6, 6), Point());
        EXPECT_EQ(t.Tries(), mark + 2);
        EXPECT_EQ(t.Stood(), 2);
        t.Back();
        t.Back();
        EXPECT_EQ(CurGoban().GetIroPt(Point(6, 6)), kAki);
        EXPECT_EQ(CurGoban().GetIroPt(Point(2, 2)), kKuro);
    }
    EXPECT_EQ(StackHash(), standing);
    YomiModosu();
    EXPECT_EQ(Level, 0);
}

TEST_F(KankeiBoxTest, LookupsOffTheBoardFindNothing)
{
    SetBoard(kJumps);
    GobanLv[0]->Analyze();
    for (Point p : {Point(0, 4), Point(-1, 4), Point(10, 4), Point(4, 11), Point(20, 20)}) {
        EXPECT_EQ(RenKuu(p), 0);
        EXPECT_EQ(RenKuuPt(p, 1), Point());
        EXPECT_EQ(KankeiLocateAt(p), nullptr);
    }
    EXPECT_EQ(RenKuu(Point(5, 4)), 1) << "White's wedge";
    EXPECT_EQ(RenKuuPt(Point(5, 4), 3), Point());
    EXPECT_EQ(RenKuu(Point(3, 3)), 0) << "an empty point";
    ASSERT_NE(KankeiLocateAt(Point(5, 3)), nullptr);
    Point s1(9, 9), s2(9, 9);
    SichoFirstTwo(Point(3, 3), s1, s2);
    EXPECT_EQ(s1, Point());
    EXPECT_EQ(s2, Point());
}

TEST_F(KankeiBoxTest, OutputGoesToTheSideTheEnginePlays)
{
    SetBoard(kJumps);
    Point none;
    VornThink0(-1, none);
    TKankeiBox box;
    ASSERT_TRUE(KankeiBoxMake(Point(5, 3), Point(5, 5), box));
    struct TCase {
        int Jibun;
        Point Want;
    };
    for (const TCase& c : {TCase{kKuro, Point(3, 3)}, TCase{kSiro, Point(7, 7)}}) {
        ClearLinkOutput();
        JibunIro = static_cast<std::uint8_t>(c.Jibun);
        KankeiKoho(box, Point(3, 3), Point(7, 7), 12);
        KankeiKohoEx(box, Point(3, 2), Point(7, 8), 5, kkKiri, Point(1, 1));
        ASSERT_EQ(KohoCount, 2);
        EXPECT_EQ(Koho.Pt[1], c.Want);
        EXPECT_EQ(Koho.Value[1], 12);
        EXPECT_EQ(Koho.Bonus[1], 0);
        EXPECT_EQ(Koho.Kind[2], kkKiri);
        EXPECT_EQ(Koho.RelPt[2], Point(1, 1));
    }
    ClearLinkOutput();
    KankeiKoho(box, Point(), Point(), 30);
    EXPECT_EQ(KohoCount, 0);
}

} // namespace
} // namespace vorn::test

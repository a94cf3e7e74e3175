// The two-space jump: which family a shape goes to, the answers of each
// family on small shapes, the reason codes of the outside stone, the second
// pass, and all of it under the eight symmetries of the board.  Black's jump
// (5,3)-(5,6) on 9x9, the gaps (5,4) and (5,5), unless a case says
// otherwise; the box runs from A = (5,3):
//
//   (4,3) (5,3) (6,3)      [0]  [1]  [2]
//   (4,4) (5,4) (6,4)      [3]  [4]  [5]
//   (4,5) (5,5) (6,5)      [6]  [7]  [8]
//   (4,6) (5,6) (6,6)      [9] [10] [11]
//
// and the strip two lines out runs down x = 3 (even cells) and x = 7.
#include <functional>
#include <string>
#include <vector>

#include "GnuGo.h"
#include "LinkUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/KuuIsi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/Kankei6Hokyo.h"
#include "engine/links/Kankei6Utu.h"
#include "engine/links/Kankei6Warikomi.h"
#include "engine/shapes/LinkUtil.h"

namespace vorn::test {
namespace {

const TLinkHandlerAdd kKankei6({"Kankei6Utu", 6, TLinkPass::First, Kankei6Utu});
const TLinkHandlerAdd kKankei6Hokyo({"Kankei6Hokyo", 6, TLinkPass::Second, Kankei6Hokyo});

constexpr Point kA(5, 3), kB(5, 6), kG4(5, 4), kG7(5, 5);
// The jump's stone on the third line and its partner beyond the top edge.
constexpr Point kEdgeA(5, 3), kEdgeB(5, 0);

using TStone = TDiagramStone;
using TStones = std::vector<TStone>;

std::string Diagram(const TStones& stones, int size = 9) { return StoneDiagram(stones, size); }

// Black's jump with more stones.
std::string Jump(TStones stones)
{
    stones.push_back({5, 3, 'X'});
    stones.push_back({5, 6, 'X'});
    return Diagram(stones);
}

using P = std::pair<int, int>;

class Kankei6Test : public VornTest {
protected:
    // Board 0 from the diagram under symmetry t, prepared for `toMove`, who
    // is also the engine.
    static void Prepare(const std::string& diagram, int toMove, int t = 0)
    {
        SymDecision(diagram.c_str(), t, toMove);
        JibunIro = static_cast<std::uint8_t>(toMove);
        AiteIro = static_cast<std::uint8_t>(toMove ^ 3);
        ClearLinkOutput();
    }

    // Runs f and answers what it left, checking that every board is as it
    // was; `moves` gets the stones it put on the look-ahead boards.
    static TLinkOutput Run(const std::function<void()>& f, int* moves = nullptr, int t = 0)
    {
        const std::uint64_t before = StackHash();
        TTrialMoveCounter counter;
        f();
        EXPECT_EQ(StackHash(), before);
        if (moves != nullptr)
            *moves = counter.Moves;
        return TakeLinkOutput(t);
    }

    static TKankeiBox Box(Point a = kA, Point b = kB)
    {
        TKankeiBox box;
        EXPECT_TRUE(KankeiBoxMake(a, b, box));
        return box;
    }
};

// The saved area map neutral between the stones of the jump a-b, as where
// the opponent's stones stand near (Kankei6Free reads only there).
void Neutral(Point a, Point b)
{
    TKankeiBox box;
    KankeiBoxMake(a, b, box);
    for (int i = 3; i <= 8; ++i)
        AreaMapBackup[box[i].x][box[i].y] = 0;
}

// The reason code of the candidate at p; -1 when there is none.
int KindAt(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return Koho.Kind[i];
    return -1;
}

TEST_F(Kankei6Test, TheFirstShapeThatHoldsChoosesTheFamily)
{
    struct TCase {
        std::vector<int> White;
        int Shape;
    };
    const TCase cases[] = {
        {{4, 3}, kKankei6Warikomi}, {{7, 0, 11}, kKankei6Warikomi}, {{3, 0}, kKankei6Nozoki},
        {{8, 11, 9}, kKankei6Nozoki}, {{6}, kKankei6Nozoki},        {{0, 11}, kKankei6Kata},
        {{9}, kKankei6Kata},          {{}, kKankei6Free},
    };
    for (const TCase& c : cases) {
        SetBoard(Jump({}));
        const TKankeiBox empty = Box();
        for (int i : c.White)
            GobanLv[0]->SetIro(empty[i].x, empty[i].y, kSiro);
        EXPECT_EQ(Kankei6Shape(Box()), c.Shape) << "White on " << ::testing::PrintToString(c.White);
    }
    // Black's own stones never count, nor do cells off the board.
    SetBoard(Jump({{5, 4, 'X'}, {4, 4, 'X'}, {6, 3, 'X'}}));
    EXPECT_EQ(Kankei6Shape(Box()), kKankei6Free);
    SetBoard(Diagram({{1, 2, 'X'}, {1, 5, 'X'}}));
    EXPECT_EQ(Kankei6Shape(Box(Point(1, 2), Point(1, 5))), kKankei6Free);
}

TEST_F(Kankei6Test, PeepedGapAgreesWithGnuGo)
{
    // Black C3 and C6, White peeps at D5 and stands at E3 (points counted
    // from the top: C3 is (3,7)).
    const std::string board = Diagram({{3, 7, 'X'}, {3, 4, 'X'}, {4, 5, 'O'}, {5, 7, 'O'}});
    for (int c : {kKuro, kSiro})
        for (auto [a, b] : {std::pair{Point(3, 7), Point(3, 4)}, std::pair{Point(3, 4), Point(3, 7)}}) {
            Prepare(board, c);
            const TLinkOutput out = Run([a, b] { Kankei6Utu(a, b); });
            ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
            EXPECT_TRUE(out.Koho.count(P(3, 5))) << out.Show();
            EXPECT_EQ(out.Marks, (std::set<P>{{3, 5}, {3, 6}}));
        }
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    GnuGo gg;
    ASSERT_TRUE(gg.Start(9));
    for (const char* m : {"black C3", "black C6", "white D5", "white E3"})
        gg.Command(std::string("play ") + m);
    EXPECT_EQ(gg.Command("connect C3 C6"), "1 C5");
    EXPECT_EQ(gg.Command("disconnect C3 C6"), "1 C5");
    EXPECT_EQ(gg.FromVertex("C5"), Point(3, 5));
}

TEST_F(Kankei6Test, AWedgeBesideAPeepIsReadAsAWedgeOnly)
{
    // White on [4] and [3]: the wedge family alone, which sets no marks.
    const std::string board = Jump({{5, 4, 'O'}, {4, 4, 'O'}});
    for (int c : {kKuro, kSiro}) {
        Prepare(board, c);
        const TLinkOutput direct = Run([] { Kankei6Warikomi(Box()); });
        ClearLinkOutput();
        const TLinkOutput out = Run([] { Kankei6Utu(kA, kB); });
        EXPECT_FALSE(out.Koho.empty());
        EXPECT_EQ(out, direct) << out.Show() << " against" << direct.Show();
        EXPECT_TRUE(out.Marks.empty());
    }
}

TEST_F(Kankei6Test, OutsideStoneHasItsOwnReasonAndTheFreeAnswerFollows)
{
    // White two lines out beside [4]: the approach at the gap under reason
    // 29, then the free answer under the pair answers' reason.
    Prepare(Jump({{3, 4, 'O'}}), kSiro);
    Neutral(kA, kB);
    KohoKind = kkKankei;
    TLinkOutput out = Run([] { Kankei6Utu(kA, kB); });
    EXPECT_EQ(KindAt(kG4), kkLink2ken29) << out.Show();
    EXPECT_EQ(out.Prepared, (decltype(out.Prepared){{5, 4, 6, 4, 5, 5}}));
    EXPECT_EQ(KindAt(kG7), kkKankei) << out.Show();
    EXPECT_EQ(KohoKind, kkKankei);
    // Two lines out beside A there is no approach: the free answer alone.
    Prepare(Jump({{3, 3, 'O'}}), kSiro);
    Neutral(kA, kB);
    out = Run([] { Kankei6Utu(kA, kB); });
    ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
    EXPECT_EQ(Koho.Kind[1], kkKankei);
    EXPECT_TRUE(out.Prepared.empty());
    // Black's stone two lines out beside A on the same side: the cut of the
    // outside stone, under the caller's reason.
    for (int c : {kKuro, kSiro}) {
        Prepare(Jump({{3, 4, 'O'}, {3, 3, 'X'}}), c);
        KohoKind = kkKankei;
        out = Run([] { Kankei6Utu(kA, kB); });
        const Point want = c == kKuro ? Point(4, 4) : kG4;
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_EQ(KindAt(want), kkKankei) << out.Show();
    }
}

TEST_F(Kankei6Test, OutsideStonesOnBothSidesOfAGap)
{
    // The gap's two-sided value: at the gap for White, at its two flanks
    // for Black.
    for (int c : {kKuro, kSiro}) {
        Prepare(Jump({{3, 4, 'O'}, {7, 4, 'O'}}), c);
        const TLinkOutput out = Run([] { Kankei6Soto2(Box()); });
        const int v = DeiriHyoka(kG4);
        if (c == kSiro)
            EXPECT_EQ(out.Koho, (std::map<P, int>{{{5, 4}, v}}));
        else
            EXPECT_EQ(out.Koho, (std::map<P, int>{{{4, 4}, v}, {{6, 4}, v}}));
    }
    // Beside different gaps: nothing.
    Prepare(Jump({{3, 4, 'O'}, {7, 5, 'O'}}), kSiro);
    EXPECT_TRUE(Run([] { Kankei6Soto2(Box()); }).Koho.empty());
}

TEST_F(Kankei6Test, FreeAnswerNeedsNeutralPointsAndNoOwnerCorner)
{
    struct TCase {
        const char* What;
        std::string Board;
        bool Neutral;
        Point A = kA, B = kB;
    };
    const TCase cases[] = {
        {"Black's area between the stones", Jump({}), false},
        {"Black's stone on [2]", Jump({{6, 3, 'X'}}), true},
        {"Black's stone on [11]", Jump({{6, 6, 'X'}}), true},
        {"a jump on the first line", Diagram({{1, 3, 'X'}, {1, 6, 'X'}}), true, Point(1, 3), Point(1, 6)},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Board, c);
            const Point a = k.A, b = k.B;
            if (k.Neutral)
                Neutral(a, b);
            int moves = -1;
            const TLinkOutput out = Run([a, b] { Kankei6Utu(a, b); }, &moves);
            EXPECT_TRUE(out.Koho.empty()) << k.What << ":" << out.Show();
            EXPECT_EQ(moves, 0) << k.What;
        }
}

TEST_F(Kankei6Test, FreeAnswerOnEqualValuesTakesTheGapNextToA)
{
    // The middle of an empty 19x19 board: both gaps and all four flanks
    // are worth the same, so either order of the ends offers the first:
    // White the gap next to A, Black the flank [3].
    const std::string board = Diagram({{10, 8, 'X'}, {10, 11, 'X'}}, 19);
    for (auto [a, b] : {std::pair{Point(10, 8), Point(10, 11)}, std::pair{Point(10, 11), Point(10, 8)}}) {
        Prepare(board, kSiro);
        const TKankeiBox box = Box(a, b);
        ASSERT_EQ(UtuHyoka(kSiro, box[4]), UtuHyoka(kSiro, box[7]));
        Neutral(a, b);
        TLinkOutput out = Run([a, b] { Kankei6Utu(a, b); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(box[4].x, box[4].y))) << out.Show();
        Prepare(board, kKuro);
        Neutral(a, b);
        out = Run([a, b] { Kankei6Utu(a, b); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(box[3].x, box[3].y))) << out.Show();
    }
}

// What each family offers Black (the owner) and White on one shape.
struct TFamilyCase {
    const char* What;
    std::string Board;
    std::set<P> Black, White;
    std::set<P> Marks;
    Point A = kA, B = kB;
};

TEST_F(Kankei6Test, EachFamilyOffersItsPoints)
{
    const std::set<P> gaps{{5, 4}, {5, 5}};
    const TFamilyCase cases[] = {
        // A lone wedge: Black blocks on either side, White plays a corner
        // beside A, whose stone the wedge has left short of liberties.
        {"lone wedge", Jump({{5, 4, 'O'}}), {{4, 4}, {6, 4}}, {{4, 3}, {6, 3}}, {}},
        {"wedge with Black beside it", Jump({{5, 4, 'O'}, {6, 4, 'X'}}), {}, {}, {}},
        {"wedges on both gaps", Jump({{5, 4, 'O'}, {5, 5, 'O'}}), {}, {}, {}},
        {"wedge and a stone beside it", Jump({{5, 4, 'O'}, {4, 4, 'O'}}), {{6, 4}}, {{6, 4}}, {}},
        {"wedge and a corner beside A", Jump({{5, 4, 'O'}, {4, 3, 'O'}}), {{6, 4}}, {{6, 4}}, {}},
        {"wedge and a stone beside the other gap", Jump({{5, 4, 'O'}, {4, 5, 'O'}}), {{6, 4}}, {{6, 4}}, {}},
        {"wedge and a corner beside B", Jump({{5, 4, 'O'}, {4, 6, 'O'}}), {{4, 4}}, {{4, 4}}, {}},
        {"peep", Jump({{4, 4, 'O'}}), {{5, 4}}, {{5, 4}}, gaps},
        {"peep, White two lines out across", Jump({{4, 4, 'O'}, {7, 4, 'O'}}), {{5, 4}}, {{5, 4}}, gaps},
        {"peep, Black two lines out across", Jump({{4, 4, 'O'}, {7, 4, 'X'}}), {}, {}, {}},
        // With the knight's-move contact valued, White's push at either gap
        // reads as a cut worth playing.
        {"peeps at both gaps", Jump({{4, 4, 'O'}, {4, 5, 'O'}}), {{5, 4}, {5, 5}}, {{5, 4}, {5, 5}}, gaps},
        {"corner, A short of liberties", Jump({{4, 3, 'O'}, {5, 2, 'O'}}), {{5, 4}}, {{5, 4}}, {}},
        {"corner, A's chain long", Jump({{4, 3, 'O'}, {6, 3, 'X'}}), {{4, 4}}, {{5, 4}}, {}},
        {"corner, Black behind A shuts it in", Jump({{4, 3, 'O'}, {5, 2, 'X'}}), {}, {}, {}},
        // A jump along the first line: the far side of the peep is off the
        // board and is never read.
        {"peep at a first-line jump", Diagram({{2, 1, 'X'}, {5, 1, 'X'}, {3, 2, 'O'}}), {{3, 1}}, {}, {{3, 1}, {4, 1}},
         Point(2, 1), Point(5, 1)},
    };
    for (const TFamilyCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Board, c);
            const Point a = k.A, b = k.B;
            const TLinkOutput out = Run([a, b] { Kankei6Utu(a, b); });
            std::set<P> got;
            for (const auto& [p, v] : out.Koho)
                got.insert(p);
            EXPECT_EQ(got, c == kKuro ? k.Black : k.White) << k.What << " for " << c << ":" << out.Show();
            EXPECT_EQ(out.Marks, k.Marks) << k.What;
        }
}

TEST_F(Kankei6Test, CornerStoneNextToTheEdge)
{
    // Black's jump on the second line, White's corner stone on the first
    // line: the point two lines out beside the gap is off the board.
    const TStones jump{{2, 3, 'X'}, {2, 6, 'X'}, {1, 3, 'O'}};
    const Point a(2, 3), b(2, 6);
    Prepare(Diagram(jump), kSiro);
    EXPECT_TRUE(Run([a, b] { Kankei6Utu(a, b); }).Koho.empty());
    // Across the line instead, with Black two lines out beside the gap: the
    // two-liberty reading answers alone.
    TStones across{{2, 3, 'X'}, {2, 6, 'X'}, {3, 3, 'O'}, {4, 4, 'X'}};
    for (int c : {kKuro, kSiro}) {
        Prepare(Diagram(across), c);
        const TLinkOutput direct = Run([] { Dame2Utu(Point(2, 3), Point(3, 4), Point(2, 4), Point(3, 5), kSiro); });
        ClearLinkOutput();
        const TLinkOutput out = Run([a, b] { Kankei6Utu(a, b); });
        EXPECT_FALSE(out.Koho.empty());
        EXPECT_EQ(out, direct) << out.Show() << " against" << direct.Show();
    }
}

TEST_F(Kankei6Test, SecondPassReadsOnlyQuietShapes)
{
    // One corner stone: the block beside the gap, and the six points
    // between marked.
    for (int c : {kKuro, kSiro}) {
        Prepare(Jump({{4, 3, 'O'}}), c);
        KohoKind = kkHokyo;
        const TLinkOutput out = Run([] { Kankei6Hokyo(kA, kB); });
        ASSERT_EQ(out.Koho.size(), 1u) << out.Show();
        EXPECT_TRUE(out.Koho.count(P(4, 4))) << out.Show();
        EXPECT_EQ(Koho.Kind[1], kkHokyo);
        EXPECT_EQ(out.Marks, (std::set<P>{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {5, 5}, {6, 5}}));
    }
    struct TCase {
        const char* What;
        std::string Board;
    };
    const TCase cases[] = {
        {"corner stones on [0] and [11]", Jump({{4, 3, 'O'}, {6, 6, 'O'}})},
        {"a stone beside a gap", Jump({{6, 4, 'O'}})},
        {"a wedge", Jump({{5, 5, 'O'}})},
        {"nothing near", Jump({})},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            Prepare(k.Board, c);
            int moves = -1;
            const TLinkOutput out = Run([] { Kankei6Hokyo(kA, kB); }, &moves);
            EXPECT_TRUE(out.Koho.empty() && out.Marks.empty()) << k.What << ":" << out.Show();
            EXPECT_EQ(moves, 0) << k.What;
        }
    // The first pass does read the stone beside the gap.
    Prepare(cases[1].Board, kKuro);
    EXPECT_FALSE(Run([] { Kankei6Utu(kA, kB); }).Koho.empty());
}

TEST_F(Kankei6Test, SecondPassAtTheEdgeReadsAlikeFromEitherEnd)
{
    struct TCase {
        const char* What;
        TStones Stones;
        std::set<P> Black, White;
        std::set<std::tuple<int, int, int, int, int, int>> Prepared; // White's
    };
    const TCase cases[] = {
        {"peep beside the second-line gap", {{4, 2, 'O'}}, {{5, 2}}, {{7, 1}}, {}},
        {"White two lines out, room behind the stone", {{3, 2, 'O'}}, {{4, 2}}, {{5, 2}}, {{5, 2, 6, 2, 4, 3}}},
        {"the same on the other side", {{7, 2, 'O'}}, {{6, 2}}, {{5, 2}}, {{5, 2, 4, 2, 6, 3}}},
        {"White beside the stone", {{4, 3, 'O'}}, {}, {}, {}},
        {"White on the first-line gap", {{5, 1, 'O'}}, {}, {}, {}},
    };
    for (const TCase& k : cases)
        for (int c : {kKuro, kSiro}) {
            TStones stones = k.Stones;
            stones.push_back({5, 3, 'X'});
            const std::string board = Diagram(stones);
            TLinkOutput first;
            for (auto [a, b] : {std::pair{kEdgeA, kEdgeB}, std::pair{kEdgeB, kEdgeA}}) {
                Prepare(board, c);
                const TLinkOutput out = Run([a, b] { Kankei6Hokyo(a, b); });
                std::set<P> got;
                for (const auto& [p, v] : out.Koho)
                    got.insert(p);
                EXPECT_EQ(got, c == kKuro ? k.Black : k.White) << k.What << ":" << out.Show();
                EXPECT_EQ(out.Prepared, c == kKuro ? decltype(out.Prepared){} : k.Prepared) << k.What;
                if (a == kEdgeA)
                    first = out;
                else
                    EXPECT_EQ(out, first) << k.What << ": the ends swapped";
            }
        }
}

TEST_F(Kankei6Test, PointsOffTheBoardAreNeverRead)
{
    // A knight's move or a cut with a point off the board has no stones to
    // read: nothing is played.
    Prepare(Diagram({{2, 1, 'X'}, {5, 1, 'X'}, {3, 2, 'O'}}), kKuro);
    int moves = -1;
    Run([] {
        EXPECT_EQ(KeimaTukeOnBoard(Point(3, 0), Point(5, 1)), 0);
        EXPECT_EQ(KiriHyokaOnBoard(kSiro, Point(2, 0), Point(3, 0), Point(2, 1)), -1);
        EXPECT_EQ(KiriHyokaOnBoard(kSiro, Point(4, 1), Point(5, 1), Point(10, 2)), -1);
    }, &moves);
    EXPECT_EQ(moves, 0);
}

TEST_F(Kankei6Test, LookAheadOutsideTheBoxPlaysNothing)
{
    Prepare(Jump({{4, 4, 'O'}}), kSiro);
    InSakiyomi = 1;
    YomiArea = {};
    // The strip two lines out is not part of the gate.
    YomiArea[3][4] = 1;
    int moves = -1;
    TLinkOutput out = Run([] { Kankei6Utu(kA, kB); }, &moves);
    EXPECT_TRUE(out.Koho.empty() && out.Marks.empty()) << out.Show();
    EXPECT_EQ(moves, 0);
    YomiArea[6][6] = 1;
    out = Run([] { Kankei6Utu(kA, kB); }, &moves);
    EXPECT_FALSE(out.Koho.empty());
    EXPECT_GT(moves, 0);
    InSakiyomi = 0;
    YomiArea = {};
}

// --- Symmetry ----------------------------------------------------------------------

struct TSymCase {
    const char* Name;
    std::string Board;
    int ToMove;
    Point A, B;
    void (*Handler)(Point, Point);
};

TEST_F(Kankei6Test, MirrorImagesGiveTheSameAnswersAtTheMirroredPoints)
{
    const TSymCase cases[] = {
        {"lone wedge", Jump({{5, 4, 'O'}}), kKuro, kA, kB, Kankei6Utu},
        {"wedge from B", Jump({{5, 4, 'O'}}), kSiro, kB, kA, Kankei6Utu},
        {"wedge and a stone beside it", Jump({{5, 4, 'O'}, {6, 4, 'O'}}), kKuro, kB, kA, Kankei6Utu},
        {"wedge and a corner beside B", Jump({{5, 4, 'O'}, {6, 6, 'O'}}), kSiro, kA, kB, Kankei6Utu},
        {"peep", Jump({{6, 5, 'O'}}), kSiro, kA, kB, Kankei6Utu},
        {"peeps at both gaps", Jump({{6, 4, 'O'}, {6, 5, 'O'}}), kKuro, kB, kA, Kankei6Utu},
        {"corner", Jump({{6, 6, 'O'}, {5, 7, 'O'}}), kSiro, kA, kB, Kankei6Utu},
        {"outside stone", Jump({{7, 5, 'O'}}), kSiro, kA, kB, Kankei6Utu},
        {"second pass, corner", Jump({{6, 3, 'O'}}), kKuro, kB, kA, Kankei6Hokyo},
        {"second pass, edge peep", Diagram({{5, 3, 'X'}, {6, 2, 'O'}}), kSiro, kEdgeB, kEdgeA, Kankei6Hokyo},
        {"second pass, edge outside", Diagram({{5, 3, 'X'}, {3, 2, 'O'}}), kKuro, kEdgeA, kEdgeB, Kankei6Hokyo},
    };
    for (const TSymCase& k : cases) {
        std::string first;
        for (int t = 0; t < 8; ++t) {
            Prepare(k.Board, k.ToMove, t);
            KohoKind = k.Handler == Kankei6Hokyo ? kkHokyo : kkKankei;
            const std::string got =
                Run([&k, t] { k.Handler(Sym(k.A, t), Sym(k.B, t)); }, nullptr, t).Show();
            if (t == 0) {
                first = got;
                EXPECT_FALSE(first.empty()) << k.Name << " gives nothing to compare";
            } else {
                EXPECT_EQ(got, first) << k.Name << " symmetry " << t;
            }
        }
    }
}

} // namespace
} // namespace vorn::test

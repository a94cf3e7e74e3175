// Chain tactics: the values and marks of single handlers on positions where
// they apply, the shape utilities, and the promises every reader keeps on
// random positions (the board, its record and the look-ahead level are left
// as they were; nothing reads a chain or group that is not there).
#include <functional>

#include "Util.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Nozoki.h"
#include "engine/Think.h"
#include "engine/Toru.h"
#include "engine/Toru2.h"

namespace vorn::test {
namespace {

// The move choice's prologue on the game board with no stage run: the
// analysis and the per-decision state the generators read.
void Prologue(Point& out)
{
    ThinkSources = TThinkSources{[](int, Point& o) { o = Point(); },
                                 [](int, Point& o, int& value) {
                                     o = Point();
                                     value = 0;
                                 }};
    VornThink0(0, out);
}

// Sets up a decision for the side to move on the diagram: the analysis and
// the per-decision state of the move choice, with no stage run.
void Decide(const std::string& diagram, char toMove)
{
    ResetProgramState();
    SetBoard(diagram);
    if (toMove == 'O')
        GobanLv[0]->Pass();
    Point out;
    Prologue(out);
    KohoCount = 0;
    KohoKind = kkToru;
}

TRen* ChainAt(Point p) { return GobanLv[0]->RenList.RenAtPt(p); }

// The candidate at p, 0 when none.
int Find(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return i;
    return 0;
}

class ToruTest : public VornTest {};

TEST_F(ToruTest, ExtensionIntoSelfAtariIsProposedAtScoreTwo)
{
    // White's lone stone at H9 is in atari; extending at I9 would leave it
    // in atari again, and its group is not dead: the capture is worth 0
    // with bonus 2.
    Decide(R"(
        X . . X X . O O .
        . . . X X X . O X
        X . . . X X . . .
        . . O O . . . . .
        O . X . O X O X X
        O O X . X X . O X
        O . O . . . X . O
        . O O O . O . X O
        . X O O . . X O .)",
           'X');
    ASSERT_EQ(GobanLv[0]->IsSelfAtariPt(kSiro, Point(9, 9)), 1);
    RenToru1(ChainAt(Point(8, 9)));
    const int i = Find(Point(9, 9));
    ASSERT_NE(i, 0);
    EXPECT_EQ(Koho.Value[i], 0);
    EXPECT_EQ(Koho.Bonus[i], 2);
    EXPECT_EQ(KohoCount, 1);
}

TEST_F(ToruTest, LoneEdgeStoneRunsAlongTheEdgeWithBonusOne)
{
    // Black's stone at I9 is in atari with its liberty I8 on the edge.
    Decide(R"(
        . . X O . X X O O
        X . . . X . . . O
        X O . X . O . . X
        O O . O O O O X .
        X O . X . . . O .
        X . O X X X . O .
        O X O X . . X . .
        O . . . . . . X .
        O . X O X X O O X)",
           'X');
    TRen* r = ChainAt(Point(9, 9));
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->Kuu(), 1);
    EXPECT_TRUE(EdgeIsi1Nige(r));
    const int i = Find(Point(9, 8));
    ASSERT_NE(i, 0);
    EXPECT_EQ(Koho.Bonus[i], 1);
    EXPECT_LE(Koho.Value[i], 25);
    // The escape handler itself ends there.
    KohoCount = 0;
    RenNigeru1(r);
    EXPECT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Pt[1], Point(9, 8));
}

TEST_F(ToruTest, CuttingPointsStopAtTheCallersCapacity)
{
    // Three distinct cutting points of one-space jumps near I6.
    Decide(R"(
        X . X X X . . . .
        O O O . O O O . .
        . . X . . . . O O
        X . X . O O O . .
        . X O . O X . O X
        X X O O . . . X .
        O X . O . O . O X
        O . X X X . . O .
        . . X . X X X O X)",
           'X');
    const Point p(9, 6);
    Point wide[8];
    const int all = KankeiKiriPoints(p, wide, 8);
    ASSERT_GE(all, 3);
    Point five[5];
    EXPECT_EQ(KankeiKiriPoints(p, five, 5), std::min(all, 5));
    Point two[3] = {Point(), Point(), Point(7, 7)};
    EXPECT_EQ(KankeiKiriPoints(p, two, 2), 2);
    EXPECT_EQ(two[0], wide[0]);
    EXPECT_EQ(two[1], wide[1]);
    EXPECT_EQ(two[2], Point(7, 7)) << "a point was written past the capacity";
    // A capacity larger than the list is the list's size.
    Point one[1];
    EXPECT_EQ(KankeiKiriPoints(p, one, 5), 1);
    EXPECT_EQ(Level, 0);
}

TEST_F(ToruTest, TwoJumpsSharingACuttingPointCountTwice)
{
    // Black's jumps C6-E6 and C4-E4, White wedged in at D6 and D4 and
    // standing on the corners: D5 cuts both links.  Two links to cut are not
    // the one cut the handlers answer.
    Decide(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . O . O . . . .
        . . X O X . . . .
        . . . . . . . . .
        . . X O X . . . .
        . . O . O . . . .
        . . . . . . . . .
        . . . . . . . . .)",
           'X');
    Point cuts[5];
    ASSERT_EQ(KankeiKiriPoints(Point(4, 5), cuts, 5), 2);
    EXPECT_EQ(cuts[0], Point(4, 5));
    EXPECT_EQ(cuts[1], Point(4, 5));

    // On a look-ahead level the pair list is made from what that board
    // holds: its chains and relations, without an analysis of its own.
    ASSERT_TRUE(YomiPushUtu(kKuro, Point(8, 8)));
    CurGoban().RenLocateMake();
    const std::uint64_t analyses = AnalyzeCount;
    EXPECT_EQ(KankeiKiriPoints(Point(4, 5), cuts, 5), 2);
    EXPECT_EQ(AnalyzeCount, analyses);
    YomiModosu();
    EXPECT_EQ(Level, 0);
}

TEST_F(ToruTest, CuttingPointsOfJumpsAndKnightsMoves)
{
    // Black's one-space jump C3-E3 with White wedged in at D3: the points
    // beside the wedge cut.  Black's knight's move G6-H8 with White beside
    // G6 at H6: H7 cuts, G7 does not.
    Decide(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . X O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . X O .
        . . . . . . . . .
        . . . . . . . X .
        . . . . . . . . .)",
           'O');
    EXPECT_TRUE(IsKankeiKiriPoint(Point(4, 2)));
    EXPECT_TRUE(IsKankeiKiriPoint(Point(4, 4)));
    EXPECT_TRUE(IsKankeiKiriPoint(Point(8, 7)));
    EXPECT_FALSE(IsKankeiKiriPoint(Point(7, 7)));
    EXPECT_FALSE(IsKankeiKiriPoint(Point(6, 3)));
    EXPECT_FALSE(IsKankeiKiriPoint(Point(1, 9)));
    EXPECT_FALSE(IsKankeiKiriPoint(Point(5, 5)));
}

TEST_F(ToruTest, CaptureThatFreesTheChainsInAtariRoundAStone)
{
    // White's stone at E5 has just put three black stones in atari and is
    // in atari itself: Black takes it at E6 and none of them stays in atari.
    Decide(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O X O . . .
        . . O X O X O . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
           'X');
    Point p;
    RenAtariTori(Point(5, 5), p);
    EXPECT_EQ(p, Point(5, 6));
    // Black's stone at E4 touches only one chain in atari: nothing.
    RenAtariTori(Point(5, 4), p);
    EXPECT_EQ(p, Point());
    EXPECT_EQ(Level, 0);
}

TEST_F(ToruTest, SharedLibertiesAreFoundPastTheSixteenthTwoLibertyChain)
{
    // Black's comb of rows 4 and 10 touches 24 white stones and pairs, each
    // with two liberties.  The last of them met, the pair at R11-R12, shares
    // both its liberties with the pair at P11-P12 before it, and no other two
    // share one.  Q11 is open to Black; Q12 has two empty neighbours.
    Decide(R"(
        . . . . . . . . . . . . . . . . . . .
        X X X X X X X X X X X X X X X X X X X
        . . O . . O . . O . . O . . O . . O .
        X X X X X X X X X X X X X X X X X X X
        X . O . . O . . O . . O . . O . . O .
        X . X X X X X X X X X X X X X X X X X
        X . . . . . . . . . . . . . . . . . .
        X . X X X X X X X X X X X X X X X X X
        X . O . . O . . O . . O . . O . . O .
        X X X X X X X X X X X X X X X X X X X
        . . O . . O . . O . . O . . X O . O X
        X X X X X X X X X X X X X . X O . O X
        . . . . . . . . . . . . . . X X . X X
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .)",
           'X');
    TRen* comb = ChainAt(Point(1, 10));
    ASSERT_NE(comb, nullptr);
    ASSERT_EQ(comb->MrenCount(), 24);
    ASSERT_EQ(comb->Mren(24), ChainAt(Point(18, 11))->GetNo());
    EXPECT_EQ(SharedDamePt(Point(1, 10)), Point(17, 12));
    Point s, u, v;
    EXPECT_TRUE(RyoAtariPt(comb, s, u, v));
    EXPECT_EQ(s, Point(17, 11));
    EXPECT_EQ(u, Point(17, 12));
    EXPECT_EQ(v, Point(17, 12));
    EXPECT_EQ(Level, 0);
}

TEST_F(ToruTest, EveryChainInAtariRoundAChainIsRead)
{
    // Black's row 10 touches 15 white chains in atari.  Only the last one
    // met, Q11-R11, stands next to a black stone in atari (Q12): White takes
    // it at R12, and no white chain round S10 is then left in atari.
    Decide(R"(
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        X O X O X O X O X O X O X O X . . . .
        X X X X X X X X X X X X X X X X X X X
        X O X O X O X O X O X O X O X X O O X
        . . . . . . . . . . . . . . . O X . .
        . . . . . . . . . . . . . . . O O . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .)",
           'X');
    TRen* row = ChainAt(Point(19, 10));
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->MrenCount(), 16);
    Point p;
    RenAtariTori(Point(19, 10), p);
    EXPECT_EQ(p, Point(18, 12));
    EXPECT_EQ(Level, 0);

    // Black's row 10 touches 18 white stones with two liberties, each beside
    // a black stone in atari.  Black's extension beside each holds; the last
    // one read (the stone at B9 passed over) is the one beside R11: S11.
    Decide(R"(
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        O . O . O . O . O . O . O . O . O . O
        O X O X O X O X O X O X O X O X O X O
        . O . O . O . O . O . O . O . O . O .
        X X X X X X X X X X X X X X X X X X X
        . O . O . O . O . O . O . O . O . O .
        O X O X O X O X O X O X O X O X O X O
        O . O . O . O . O . O . O . O . O . O
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .)",
           'X');
    EXPECT_EQ(NigeToruPt(Point(1, 10), Point(), Point(2, 9)), Point(19, 11));
    EXPECT_EQ(Level, 0);
}

TEST_F(ToruTest, ALadderedChainRunsByTakingTheStoneInAtariBesideIt)
{
    // Black's H9 has two liberties, G9 and H8, and the ladder from G9
    // catches it; White's J9 beside it is in atari.  Black's escape is the
    // capture at J8, and the candidate stands there with the capture's
    // value, not on the ladder's first move.
    Decide(R"(
        . . O . . . . X O
        X . O X X X . . .
        X O . . X . . O .
        . . . . . . . . X
        . . X O . . . O O
        . . X X . X . . .
        O O . X X . O O X
        O . . O . O . . X
        . . O . X . . O .)",
           'X');
    TRen* r = ChainAt(Point(8, 1));
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->Kuu(), 2);
    ASSERT_EQ(r->GetSicho(), 1);
    ASSERT_EQ(r->SichoTe(1), Point(7, 1));
    ASSERT_EQ(ChainAt(Point(9, 1))->Kuu(), 1);
    const std::uint64_t before = StackHash();
    RenNigeru2(r);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Pt[1], Point(9, 2));
    EXPECT_EQ(Koho.Kind[1], kkNigeru);
    EXPECT_GT(Koho.Value[1], 0);
}

TEST_F(ToruTest, AnEscapeAlongTheSecondLineFailsAtAFirmBlock)
{
    // Black's E2 under White's E3 crawls along the second line: White
    // hanes on one side, Black extends to the other, and White blocks one
    // step further.  A blocking stone with three liberties stands as firmly
    // as one with two that the ladder cannot take; one in atari is taken.
    const struct {
        const char* what;
        const char* diagram;
        bool fails;
    } cases[] = {
        {"blocks with three liberties on both sides", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . . X . . . .
        . . . . . . . . .)",
         true},
        {"blocks in atari on both sides", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X . O . X . .
        . X . . X . . X .
        . . . . . . . . .)",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Decide(c.diagram, 'X');
        const std::uint64_t before = StackHash();
        EXPECT_EQ(Line2NigeYomi(Point(5, 7), Point(5, 9), kKuro), c.fails);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(ToruTest, HandlersIgnoreMissingOrUnfitChains)
{
    Decide(R"(
        . . . . .
        . X O . .
        . . . . .
        . . . . .
        . . . . .)",
           'X');
    const std::uint64_t before = StackHash();
    RenToru1(nullptr);
    RenNigeru1(nullptr);
    RenSemeru2(nullptr);
    RenNigeru2(nullptr);
    Ren2Geta(nullptr);
    Ren2KinsiYomi(nullptr);
    Ren3Answer(nullptr);
    EXPECT_FALSE(EdgeIsi1Nige(nullptr));
    // Chains with the wrong number of liberties for the handler.
    TRen* x = ChainAt(Point(2, 2));
    TRen* o = ChainAt(Point(3, 2));
    ASSERT_NE(x, nullptr);
    ASSERT_NE(o, nullptr);
    RenToru1(o);
    RenNigeru1(x);
    RenSemeru2(o);
    RenNigeru2(x);
    Ren3Answer(o);
    // Readers on empty points and off the board.
    EXPECT_EQ(DoubleKiriHyoka(Point(5, 5)), -1);
    EXPECT_EQ(TonariToruHyoka(Point(5, 5)), 0);
    EXPECT_EQ(TonariToruHyoka1(Point(5, 5)), -1);
    EXPECT_EQ(NanameToruHyoka(Point(5, 5)), -1);
    EXPECT_EQ(HaneNigeHyoka(Point(0, 0)), -1);
    EXPECT_FALSE(IsIsi1Atari(Point(5, 5)));
    EXPECT_FALSE(NigeToruCheck(Point(5, 5), kKuro));
    EXPECT_FALSE(Ren3HorikomiCheck(Point(5, 5)));
    Point p{9, 9};
    RenAtariTori(Point(4, 4), p);
    EXPECT_EQ(p, Point());
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(StackHash(), before);
}

// Every handler and reader on every chain of random positions: nothing is
// left played, and the candidate table only grows by legal points.
void CheckReaders(int size, int moves, std::uint64_t seed)
{
    RandomPosition(size, moves, seed);
    TGoban& b0 = *GobanLv[0];
    Point out;
    Prologue(out);
    const std::uint64_t before = StackHash();
    const std::string sig = ChainSignature(b0);
    RenAnswer(out);
    ASSERT_EQ(StackHash(), before) << "seed " << seed;
    ASSERT_EQ(ChainSignature(b0), sig);
    if (out.x != 0) {
        EXPECT_EQ(b0.GetIroPt(out), kAki);
    }
    for (int i = 1; i <= KohoCount; ++i)
        ASSERT_TRUE(b0.OnBoardPt(Koho.Pt[i]) && b0.GetIroPt(Koho.Pt[i]) == kAki) << "seed " << seed;
    // The peeps and urgent shapes that run beside them in the same stage.
    NozokiThink(out);
    ASSERT_EQ(StackHash(), before) << "seed " << seed;
    ASSERT_EQ(ChainSignature(b0), sig);
    // The shared readers on the stones of short chains.
    for (int n = 1; n <= b0.RenList.Count(); ++n) {
        TRen* r = b0.RenList.Items(n);
        if (r == nullptr || r->Kuu() > 3)
            continue;
        const Point s = r->GetIsi(1);
        Point list[5], q;
        KankeiKiriPoints(s, list, 5);
        IsKankeiKiriPoint(r->GetKuu(1));
        RenAtariTori(s, q);
        DoubleKiriHyoka(s);
        TonariToruHyoka(s);
        NigeKatachiCheck(s, r->GetIro());
        NigeToruCheck(s, r->GetIro());
        Ren3HorikomiCheck(s);
        ASSERT_EQ(StackHash(), before) << "seed " << seed << " chain at " << s.x << "," << s.y;
    }
    ASSERT_EQ(Level, 0);
}

TEST(ToruSoak, ReadersLeaveTheBoardsAsTheyFoundThem)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed)
        CheckReaders(9, 20 + static_cast<int>(seed) * 4, seed);
    for (std::uint64_t seed = 1; seed <= 3; ++seed)
        CheckReaders(13, 60 + static_cast<int>(seed) * 10, seed + 100);
    CheckReaders(19, 120, 7);
    ResetProgramState();
}

} // namespace
} // namespace vorn::test

// Move play, legality codes, captures, ko and take-back on the game board.
#include "Util.h"

#include "board/Hooks.h"

namespace vorn::test {
namespace {

class GobanTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
    // Plays a sequence of points for alternating colours from the side to move.
    void Play(std::initializer_list<Point> moves)
    {
        for (Point p : moves) {
            if (p.x == 0)
                ASSERT_TRUE(b0().Pass());
            else
                ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk) << p.x << "," << p.y;
        }
    }
};

TEST_F(GobanTest, BorderAndColourAccess)
{
    BoardSize = 9;
    b0().NewGame();
    EXPECT_EQ(b0().GetIro(0, 5), kHen);
    EXPECT_EQ(b0().GetIroPt(Point(0, 5)), kHen);
    EXPECT_EQ(b0().GetIro(10, 5), kHen);
    EXPECT_EQ(b0().GetIro(-1, 5), kHen);
    EXPECT_EQ(b0().GetIro(5, 5), kAki);
    b0().SetIro(5, 5, 3);
    EXPECT_EQ(b0().GetIro(5, 5), kAki);
    b0().SetIro(5, 5, kSiro);
    EXPECT_EQ(b0().GetIro(5, 5), kSiro);
    b0().SetIro(20, 5, kSiro); // off the board: ignored
    b0().SetIro(0, 5, kSiro);  // the border line stays
    EXPECT_EQ(b0().GetIro(0, 5), kHen);
}

TEST_F(GobanTest, LegalityCodes)
{
    SetBoard(R"(
        . X O . . . . . .
        X O . O . . . . .
        . . O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . X X .
        . . . . . . X . X
        . . . . . . . X X
        . . . . . . . . .)");
    // Occupied.
    EXPECT_EQ(b0().CheckUtu(kKuro, 2, 1), kUtuOccupied);
    // Black at (1,1): no liberty, but it captures nothing either -> suicide.
    EXPECT_EQ(b0().CheckUtu(kSiro, 1, 1), kUtuOk); // white captures the stone at (2,1)
    EXPECT_EQ(ToruListSu, 1);
    EXPECT_EQ(ToruListX[1], 2);
    // White into black's eye at (8,7): suicide.
    EXPECT_EQ(b0().CheckUtu(kSiro, 8, 7), kUtuSuicide);
    // Black at (3,2): no liberty and no capture.
    EXPECT_EQ(b0().CheckUtu(kKuro, 3, 2), kUtuSuicide);
    EXPECT_EQ(b0().CheckUtu(kKuro, 8, 7), kUtuOk);
}

TEST_F(GobanTest, MultiStoneSuicideAndCaptureByLastLiberty)
{
    SetBoard(R"(
        . X O . . . . . .
        X X O . . . . . .
        O O . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    // Black at (1,1) joins a chain whose other liberty... none: three stones die.
    EXPECT_EQ(b0().CheckUtu(kKuro, 1, 1), kUtuSuicide);
    // White at (1,1) fills the black chain's last liberty and captures it.
    EXPECT_EQ(b0().CheckUtu(kSiro, 1, 1), kUtuOk);
    EXPECT_EQ(ToruListSu, 3);
    // The -1 code leaves the capture list as it was.
    EXPECT_EQ(b0().CheckUtu(kSiro, 2, 1), kUtuOccupied);
    EXPECT_EQ(ToruListSu, 3);
}

TEST_F(GobanTest, CaptureOfTwoChainsRecordsEveryStoneOnce)
{
    SetBoard(R"(
        . . . . . . . . .
        . O O . . . . . .
        O X X O . . . . .
        O X . X O . . . .
        . O X X O . . . .
        . . O O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    // Black chains: {(2,3),(3,3),(2,4)} and {(4,4),(3,5),(4,5)}; both have
    // (3,4) as their last liberty.
    b0().Tejun.Clear();
    Handicap = 2; // white to move first
    ASSERT_EQ(b0().Tejun.NextColor(), kSiro);
    ASSERT_EQ(b0().Utu(3, 4), kUtuOk);
    EXPECT_EQ(b0().Tejun.ToruCount(), 6);
    std::set<std::pair<int, int>> seen;
    for (int i = 1; i <= 6; ++i)
        seen.insert({b0().Tejun.ToruIsi(i).x, b0().Tejun.ToruIsi(i).y});
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(b0().Tejun.Hama(kSiro), 6);
    for (auto [x, y] : seen)
        EXPECT_EQ(b0().GetIro(x, y), kAki);
    b0().Matta();
    for (auto [x, y] : seen)
        EXPECT_EQ(b0().GetIro(x, y), kKuro);
    EXPECT_EQ(b0().GetIro(3, 4), kAki);
    EXPECT_EQ(b0().Tejun.Last(), 0);
    EXPECT_EQ(b0().Tejun.Hama(kSiro), 0);
}

TEST_F(GobanTest, KoRetakeIsRefusedUntilAThreat)
{
    SetBoard(R"(
        . . . . . . . . .
        . . X O . . . . .
        . X . X O . . . .
        . . X O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    // White captures at (3,3): takes the black stone at (4,3).
    Handicap = 2; // white moves first
    ASSERT_EQ(b0().Utu(3, 3), kUtuOk);
    ASSERT_EQ(b0().Tejun.ToruCount(), 1);
    EXPECT_EQ(b0().GetIro(4, 3), kAki);
    // Black may not retake at once.
    EXPECT_EQ(b0().Utu(4, 3), kUtuKou);
    EXPECT_EQ(b0().Tejun.Last(), 1);
    // After a threat and its answer the retake is legal.
    ASSERT_EQ(b0().Utu(8, 8), kUtuOk);
    ASSERT_EQ(b0().Utu(8, 7), kUtuOk);
    EXPECT_EQ(b0().Utu(4, 3), kUtuOk);
    EXPECT_EQ(b0().Tejun.ToruCount(), 1);
    // ... and now white may not retake.
    EXPECT_EQ(b0().CheckUtu(kSiro, 3, 3), kUtuKou);
    // Two passes also end the ban.
    ASSERT_TRUE(b0().Pass());
    ASSERT_TRUE(b0().Pass());
    EXPECT_EQ(b0().CheckUtu(kSiro, 3, 3), kUtuOk);
}

TEST_F(GobanTest, SnapbackAndTwoStoneCaptureAreNotKo)
{
    // Snapback: white throws in at (2,1), black takes it, white retakes two.
    SetBoard(R"(
        . . X O . . . . .
        X X X O . . . . .
        O O O O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    Handicap = 2;
    ASSERT_EQ(b0().Utu(2, 1), kUtuOk);   // white throw-in
    ASSERT_EQ(b0().Utu(1, 1), kUtuOk);   // black captures one stone
    EXPECT_EQ(b0().Tejun.ToruCount(), 1);
    EXPECT_EQ(b0().Utu(2, 1), kUtuOk);   // white captures five: not a ko
    EXPECT_EQ(b0().Tejun.ToruCount(), 5);

}

TEST_F(GobanTest, RecordFullRefusesThe601stMove)
{
    struct Hooks : TShellHooks {
        std::vector<std::string> messages;
        void ShowMessage(const std::string& t) override { messages.push_back(t); }
    } hooks;
    SetShellHooks(&hooks);
    for (int i = 0; i < kMaxTe; ++i)
        ASSERT_TRUE(b0().Pass());
    EXPECT_EQ(b0().Tejun.Last(), 600);
    EXPECT_EQ(b0().Utu(10, 10), kUtuFull);
    EXPECT_FALSE(b0().Pass());
    EXPECT_EQ(b0().GetIro(10, 10), kAki);
    ASSERT_EQ(hooks.messages.size(), 2u);
    EXPECT_EQ(hooks.messages[0], "これ以上手順の追加ができません");
    Language = lgEnglish;
    b0().Utu(10, 10);
    EXPECT_EQ(hooks.messages.back(), "No more moves can be added to this record.");
}

TEST_F(GobanTest, PlayingWhileSteppedBackReplacesTheRest)
{
    Play({Point(4, 4), Point(16, 16), Point(4, 16), Point(16, 4)});
    b0().Modosu();
    b0().Modosu();
    ASSERT_EQ(b0().Tejun.Current(), 2);
    EXPECT_EQ(b0().GetIro(4, 16), kAki);
    // Black to move at move 3 plays elsewhere: moves 3 and 4 are replaced.
    ASSERT_EQ(b0().Utu(10, 10), kUtuOk);
    EXPECT_EQ(b0().Tejun.Last(), 3);
    EXPECT_EQ(b0().Tejun.Current(), 3);
    EXPECT_EQ(b0().GetIro(10, 10), kKuro);
    EXPECT_EQ(b0().GetIro(16, 4), kAki);
    EXPECT_EQ(b0().Tejun.NextColor(), kSiro);
    // Forward at the end changes nothing.
    b0().Susumu();
    EXPECT_EQ(b0().Tejun.Current(), 3);
}

TEST_F(GobanTest, PassStoresNoCapturesAndTakesBackCleanly)
{
    SetBoard(R"(
        . X O . . . . . .
        X O . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    // Fill the capture list with a legal capture test first.
    ASSERT_EQ(b0().CheckUtu(kSiro, 1, 1), kUtuOk);
    ASSERT_GT(ToruListSu, 0);
    const std::string before = BoardDiagram(b0());
    ASSERT_TRUE(b0().Pass());
    EXPECT_EQ(ToruListSu, 0);
    EXPECT_EQ(b0().Tejun.ToruCount(), 0);
    EXPECT_EQ(BoardDiagram(b0()), before);
    b0().Modosu();
    EXPECT_EQ(b0().Tejun.Current(), 0);
    EXPECT_EQ(BoardDiagram(b0()), before);
}

TEST_F(GobanTest, PrisonersFollowForwardAndBack)
{
    SetBoard(R"(
        . X O . . . . . .
        X O . . . . . . .
        O . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    Handicap = 2; // white first
    Play({Point(1, 1)}); // white captures the two black stones
    const int hama = b0().Tejun.Hama(kSiro);
    EXPECT_EQ(hama, 2);
    EXPECT_EQ(b0().Tejun.ToruCount(), 2);
    Play({Point(9, 9), Point(8, 9)});
    b0().Modosu();
    b0().Modosu();
    b0().Modosu();
    EXPECT_EQ(b0().Tejun.Hama(kSiro), 0);
    EXPECT_EQ(b0().GetIro(1, 1), kAki);
    b0().Susumu();
    EXPECT_EQ(b0().Tejun.Hama(kSiro), hama);
    EXPECT_EQ(b0().GetIro(1, 1), kSiro);
    b0().Susumu();
    b0().Susumu();
    EXPECT_EQ(b0().Tejun.Current(), 3);
    EXPECT_EQ(b0().GetIro(8, 9), kSiro);
}

// Handicap stones of the standard rules and of the large 19x19 patterns.
TEST_F(GobanTest, HandicapPlacementForEverySize)
{
    struct Case {
        int size, h;
        std::vector<std::pair<int, int>> stones;
    };
    const std::vector<Case> cases = {
        {19, 0, {}},
        {19, 1, {}},
        {19, 2, {{16, 4}, {4, 16}}},
        {19, 3, {{16, 4}, {4, 16}, {16, 16}}},
        {19, 4, {{16, 4}, {4, 16}, {16, 16}, {4, 4}}},
        {19, 5, {{16, 4}, {4, 16}, {16, 16}, {4, 4}, {10, 10}}},
        {19, 6, {{16, 4}, {4, 16}, {16, 16}, {4, 4}, {16, 10}, {4, 10}}},
        {19, 7, {{16, 4}, {4, 16}, {16, 16}, {4, 4}, {16, 10}, {4, 10}, {10, 10}}},
        {19, 8, {{16, 4}, {4, 16}, {16, 16}, {4, 4}, {16, 10}, {4, 10}, {10, 4}, {10, 16}}},
        {19, 9, {{16, 4}, {4, 16}, {16, 16}, {4, 4}, {16, 10}, {4, 10}, {10, 4}, {10, 16}, {10, 10}}},
        {13, 2, {{10, 4}, {4, 10}}},
        {13, 5, {{10, 4}, {4, 10}, {10, 10}, {4, 4}, {7, 7}}},
        {13, 9, {{10, 4}, {4, 10}, {10, 10}, {4, 4}, {10, 7}, {4, 7}, {7, 4}, {7, 10}, {7, 7}}},
        {9, 2, {{7, 3}, {3, 7}}},
        {9, 4, {{7, 3}, {3, 7}, {7, 7}, {3, 3}}},
        {9, 7, {{7, 3}, {3, 7}, {7, 7}, {3, 3}, {7, 5}, {3, 5}, {5, 5}}},
        {9, 9, {{7, 3}, {3, 7}, {7, 7}, {3, 3}, {7, 5}, {3, 5}, {5, 3}, {5, 7}, {5, 5}}},
        // 10..14 on small boards take the standard rules: eight stones, no centre.
        {9, 10, {{7, 3}, {3, 7}, {7, 7}, {3, 3}, {7, 5}, {3, 5}, {5, 3}, {5, 7}}},
        {13, 14, {{10, 4}, {4, 10}, {10, 10}, {4, 4}, {10, 7}, {4, 7}, {7, 4}, {7, 10}}},
    };
    for (const Case& c : cases) {
        BoardSize = c.size;
        Handicap = c.h;
        b0().NewGame();
        std::set<std::pair<int, int>> want(c.stones.begin(), c.stones.end()), got;
        for (int x = 1; x <= c.size; ++x)
            for (int y = 1; y <= c.size; ++y)
                if (b0().GetIro(x, y) != kAki) {
                    EXPECT_EQ(b0().GetIro(x, y), kKuro);
                    got.insert({x, y});
                }
        EXPECT_EQ(got, want) << "size " << c.size << " handicap " << c.h;
        EXPECT_EQ(b0().Tejun.Last(), 0);
    }

    // The large patterns count 13, 13, 17, 20 and 25 stones.
    const int counts[5] = {13, 13, 17, 20, 25};
    BoardSize = 19;
    for (int h = 10; h <= 14; ++h) {
        Handicap = h;
        b0().NewGame();
        int n = 0;
        for (int x = 1; x <= 19; ++x)
            for (int y = 1; y <= 19; ++y)
                n += b0().GetIro(x, y) == kKuro;
        EXPECT_EQ(n, counts[h - 10]) << "handicap " << h;
    }
    Handicap = 12;
    b0().NewGame();
    for (auto [x, y] : {std::pair{7, 13}, {3, 17}, {10, 10}, {17, 3}})
        EXPECT_EQ(b0().GetIro(x, y), kKuro);
    Handicap = 13;
    b0().NewGame();
    EXPECT_EQ(b0().GetIro(8, 7), kKuro);
    EXPECT_EQ(b0().GetIro(10, 10), kAki);
}

TEST_F(GobanTest, StarPoints)
{
    auto stars = [&](int size) {
        BoardSize = size;
        Handicap = 0;
        b0().NewGame();
        std::set<std::pair<int, int>> s;
        for (int x = 1; x <= 19; ++x)
            for (int y = 1; y <= 19; ++y)
                if (Hosi[x][y])
                    s.insert({x, y});
        return s;
    };
    EXPECT_EQ(stars(9), (std::set<std::pair<int, int>>{{5, 5}}));
    EXPECT_EQ(stars(13), (std::set<std::pair<int, int>>{{4, 4}, {4, 10}, {10, 4}, {10, 10}, {7, 7}}));
    EXPECT_EQ(stars(19).size(), 9u);
    EXPECT_TRUE(stars(19).count({16, 10}));
}

TEST_F(GobanTest, FloodFillAndItsLayers)
{
    // An empty 19x19 board is one region; its widest layer holds 37 points
    // from the centre, and from a corner a diagonal of 19.
    b0().NewGame();
    EXPECT_EQ(FloodFill(10, 10), 361);
    EXPECT_FALSE(FloodNoKuu());
    SetBoard(R"(
        . X O . . . . . .
        X O . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(FloodFill(1, 1), 1);
    EXPECT_TRUE(FloodNoKuu());
    EXPECT_EQ(FloodFill(2, 2), 1);
    EXPECT_FALSE(FloodNoKuu());
    EXPECT_EQ(FloodFill(5, 5), 81 - 5);
}

TEST_F(GobanTest, FloodOfARegionAroundScatteredStones)
{
    std::string d;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x)
            d += (y % 2 == 0 && x % 2 == 0 && x != 10) ? 'X' : '.';
        d += '\n';
    }
    SetBoard(d);
    EXPECT_EQ(FloodFill(10, 1), 361 - 81 + 9);
}

TEST_F(GobanTest, MattaAfterCaptureRestoresTheStones)
{
    SetBoard(R"(
        . X O . . . . . .
        X O . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const std::string before = BoardDiagram(b0());
    ASSERT_EQ(b0().Utu(1, 1), kUtuOk); // black connects its two stones
    b0().Matta();
    EXPECT_EQ(BoardDiagram(b0()), before);
    EXPECT_EQ(b0().Tejun.Last(), 0);
    Handicap = 2;
    ASSERT_EQ(b0().Utu(1, 1), kUtuOk); // white captures the stone at (2,1)
    EXPECT_EQ(b0().Tejun.ToruCount(), 1);
    b0().Matta();
    EXPECT_EQ(BoardDiagram(b0()), before);
}

TEST_F(GobanTest, CopyBanCopiesColoursAndClearsTheRecord)
{
    Play({Point(4, 4), Point(5, 5)});
    TGoban& b1 = *GobanLv[1];
    ASSERT_EQ(b1.Utu(1, 1), kUtuOk);
    b1.CopyBan(b0());
    EXPECT_EQ(b1.GetIro(4, 4), kKuro);
    EXPECT_EQ(b1.GetIro(5, 5), kSiro);
    EXPECT_EQ(b1.GetIro(1, 1), kAki);
    EXPECT_EQ(b1.GetIro(0, 0), kHen);
    EXPECT_EQ(b1.Ban[20][20], kHen);
    EXPECT_EQ(b1.Tejun.Last(), 0);
}

// Incremental chains when one move joins chains with many neighbours: three
// black chains meet at (10,10), touched by 28 single white stones.
TEST_F(GobanTest, IncrementalUpdateOfAChainWithManyNeighbours)
{
    std::string d;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x) {
            const bool column = x == 10 && y != 10;
            const bool row = y == 10 && x >= 11;
            const bool besideColumn = (x == 9 || x == 11) && y % 2 == 1;
            const bool besideRow = (y == 9 || y == 11) && x >= 13 && x % 2 == 1;
            d += column || row ? 'X' : besideColumn || besideRow ? 'O' : '.';
        }
        d += '\n';
    }
    SetBoard(d);
    TGoban& b = b0();
    RenSabun = 1;
    ASSERT_EQ(b.Utu(10, 10), kUtuOk);
    TRen* big = b.RenList.RenAt(10, 10);
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->IsiCount(), 28);
    EXPECT_EQ(big->MrenCount(), 28);
    const std::string incremental = ChainSignature(b);
    b.RenMake();
    EXPECT_EQ(incremental, ChainSignature(b));
    // Taken back incrementally: the three chains return.
    RenSabun = 1;
    b.Modosu();
    const std::string back = ChainSignature(b);
    b.RenMake();
    EXPECT_EQ(back, ChainSignature(b));
    EXPECT_NE(b.RenList.RenAt(10, 9), b.RenList.RenAt(10, 11));
}

} // namespace
} // namespace vorn::test

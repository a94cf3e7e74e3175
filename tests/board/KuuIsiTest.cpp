// Empty-point relations, their counts, and the signed area map: seeds, edge
// and corner shapes, votes and firming, on small positions with known maps.
#include "Util.h"
#include "board/RelationUtil.h"

#include "board/KuuIsi.h"
#include "board/Locate.h"
#include "board/Rand.h"

namespace vorn::test {
namespace {

class KuuIsiTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
    // The seed values alone, before the edge, corner, vote and firm passes.
    void Seed()
    {
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                KuuIsiAreaPoint(x, y);
    }
};

const char* const kEmpty9 = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(KuuIsiTest, EmptyPointRecord)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    // Only the one-space jump: the knight's moves and the wide diagonals run
    // into the stone's line.
    EXPECT_EQ(Rels(5, 5), "3:5,3=1");
    EXPECT_EQ(KuuIsiCount[kKuro][5][5], 1);
    // Next to the stone: adjacent only; the stone closes the other lines.
    EXPECT_EQ(Rels(5, 4), "1:5,3=1");
    // Near the corner: jumps and knight's moves to the edge (value 3), and
    // a large knight's move to the stone.
    EXPECT_EQ(Rels(2, 2), "3:2,0=3 3:0,2=3 4:3,0=3 7:5,3=1 4:0,3=3 4:0,1=3 4:1,0=3");
    EXPECT_EQ(KuuIsiCount[kHen][2][2], 6);
    EXPECT_EQ(KuuIsiCount2[kKuro][2][2], 1);
    EXPECT_EQ(KuuIsiCount[kKuro][2][2], 0);
}

TEST_F(KuuIsiTest, HalfBlockedDiagonal)
{
    struct {
        const char* what;
        const char* diagram;
        const char* rel;
    } cases[] = {
        {"one crossing point holds the enemy",
         ". . . . . . .\n. . . . . . .\n. . . O X . .\n. . . E . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .",
         "14=1 2=1"},
        {"and the point beyond the other crossing too",
         ". . . . . . .\n. . . . . . .\n. . . O X . .\n. . . E . . .\n. . . . O . .\n. . . . . . .\n. . . . . . .",
         "14=1"},
        {"both crossing points hold stones",
         ". . . . . . .\n. . . . . . .\n. . . O X . .\n. . . E O . .\n. . . . . . .\n. . . . . . .\n. . . . . . .",
         ""},
        {"open diagonal",
         ". . . . . . .\n. . . . . . .\n. . . . X . .\n. . . E . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .",
         "2=1"},
    };
    for (const auto& c : cases) {
        std::string d = c.diagram;
        for (char& ch : d)
            if (ch == 'E')
                ch = '.';
        SetBoard(d);
        MakeRelations();
        EXPECT_EQ(RelTo({4, 4}, {5, 3}), c.rel) << c.what;
    }
}

TEST_F(KuuIsiTest, SeedValues)
{
    // Next to one black stone, related to no white stone: +1.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    Seed();
    EXPECT_EQ(AreaMap[5][4], 1);
    EXPECT_EQ(AreaMap[5][5], 0); // the stone
    // With a white relation as well, and no other rule: 0.
    SetBoard(R"(
        . . . . . . . . .
        . . O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    Seed();
    EXPECT_EQ(KuuIsiCount[kSiro][4][4], 1); // (3,2) is a knight's move away
    EXPECT_EQ(AreaMap[4][4], 0);
    EXPECT_EQ(AreaMap[5][6], 1);
    // A white near relation and no black one: -1.
    EXPECT_EQ(AreaMap[3][1], -1);
}

TEST_F(KuuIsiTest, ThreeBlackNeighboursOutweighWhiteRelations)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O . O . . .
        . . . X . X . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    Seed();
    // (5,5): black on three sides, open above, two diagonal white stones.
    EXPECT_EQ(KuuIsiCount[kKuro][5][5], 3);
    EXPECT_EQ(KuuIsiCount[kSiro][5][5], 2);
    EXPECT_EQ(RelTo({5, 5}, {6, 4}), "14=2 2=2");
    EXPECT_EQ(AreaMap[5][5], 1);
    // With only two black neighbours the white relations keep it neutral.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O . O . . .
        . . . X . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    Seed();
    EXPECT_EQ(AreaMap[5][5], 0);
}

TEST_F(KuuIsiTest, EdgeAndCornerShapes)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    Seed();
    // (5,2) jumps to the stone; the edge point above it sees it only from
    // three lines away and copies it.
    EXPECT_EQ(AreaMap[5][2], 1);
    EXPECT_EQ(AreaMap[5][1], 0);
    EXPECT_EQ(KuuIsiCount[kKuro][5][1], 0);
    EXPECT_EQ(KuuIsiCount2[kKuro][5][1], 1);
    AreaCornerShape();
    EXPECT_EQ(AreaMap[5][1], 1);

    // Corners copy only when both edge neighbours agree.
    SetBoard(kEmpty9);
    MakeRelations();
    Seed();
    AreaMap[1][2] = 1, AreaMap[2][1] = 1;    // agree
    AreaMap[8][1] = 1, AreaMap[9][2] = -1;   // disagree
    AreaMap[1][8] = -1, AreaMap[2][9] = -1;  // agree
    AreaCornerShape();
    EXPECT_EQ(AreaMap[1][1], 1);
    EXPECT_EQ(AreaMap[9][1], 0);
    EXPECT_EQ(AreaMap[1][9], -1);
    EXPECT_EQ(AreaMap[9][9], 0);
}

TEST_F(KuuIsiTest, OpenCornerTakesTheSideOfItsRelations)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . X . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    Seed();
    AreaCornerShape();
    ASSERT_EQ(AreaMap[2][2], 0);
    AreaCorner();
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y)
            EXPECT_EQ(AreaMap[x][y], 1) << x << "," << y;
    // The other corners have no stone near: untouched.
    EXPECT_EQ(AreaMap[8][8], 0);
}

TEST_F(KuuIsiTest, VotesAndFirming)
{
    SetBoard(kEmpty9);
    MakeRelations();
    FillGrid<int, 0, 20>(AreaMap, 0);
    // Three positive empty neighbours carry a neutral point; one negative
    // among them blocks it.
    AreaMap[4][5] = 1, AreaMap[6][5] = 1, AreaMap[5][4] = 1;
    EXPECT_EQ(AreaVote(5, 5), 1);
    AreaMap[5][6] = -1;
    EXPECT_EQ(AreaVote(5, 5), 0);
    // On the edge the missing neighbour is skipped.
    AreaMap[1][2] = -1, AreaMap[2][1] = -1;
    EXPECT_EQ(AreaVote(1, 1), 0);
    AreaMap[3][1] = -1, AreaMap[2][2] = -1, AreaMap[1][1] = -1;
    EXPECT_EQ(AreaVote(2, 1), -1);
    EXPECT_EQ(CountAreaNeighbour(Point(2, 1), -1), 3);
    EXPECT_EQ(AreaCountZero(2, 1), 0);
    EXPECT_EQ(AreaCountZero(1, 1), 0);
    EXPECT_EQ(AreaCountZero(5, 3), 3);

    // Firming: every value without a neutral empty neighbour doubles...
    FillGrid<int, 0, 20>(AreaMap, 0);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            AreaMap[x][y] = x <= 4 ? 1 : -1;
    AreaMap[9][9] = 0;
    // ...unless the other side captures there.
    b0().ToruTen[kSiro][2][2] = 1;
    b0().ToruTen[kKuro][6][6] = 1;
    b0().ToruTen[kKuro][3][3] = 1; // black capturing on black's side changes nothing
    AreaFirm();
    b0().ToruTen[kSiro][2][2] = 0;
    b0().ToruTen[kKuro][6][6] = 0;
    b0().ToruTen[kKuro][3][3] = 0;
    EXPECT_EQ(AreaMap[1][1], 2);
    EXPECT_EQ(AreaMap[2][2], 1);
    EXPECT_EQ(AreaMap[3][3], 2);
    EXPECT_EQ(AreaMap[6][6], -1);
    EXPECT_EQ(AreaMap[7][7], -2);
    EXPECT_EQ(AreaMap[9][8], -1); // next to the neutral corner
    EXPECT_EQ(AreaMap[8][9], -1);
}

TEST_F(KuuIsiTest, DeadStonesCountForTheOtherSide)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X . X . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    ClearTables(b0());
    b0().Death[5][5] = 1;
    MakeRelations(Tables::AsSet);
    Seed();
    // The dead white stone stands on black's side...
    EXPECT_EQ(AreaMap[5][5], 1);
    // ...and the empty points see black where it stands.
    EXPECT_EQ(KuuIsiCount[kSiro][5][6], 0);
    EXPECT_EQ(KuuIsiCount[kKuro][5][6], 1);
    EXPECT_EQ(RelTo({5, 6}, {5, 5}), "1=2");
    EXPECT_EQ(AreaMap[5][6], 1);
    EXPECT_EQ(AreaMap[5][4], 1);
    // A dead black stone: -1.
    b0().Death[5][5] = 0;
    b0().Death[5][3] = 1;
    Seed();
    EXPECT_EQ(AreaMap[5][3], -1);

    // The analysis marks the white corner stone dead (its escape is
    // self-atari): black's side, doubled where firm.
    SetBoard(R"(
        O X . . . . . . .
        . X . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    ASSERT_EQ(b0().IsDeath(1, 1), 1);
    EXPECT_EQ(KuuIsiCount[kKuro][1][2], 2);
    EXPECT_EQ(KuuIsiCount[kSiro][1][2], 0);
    EXPECT_EQ(AreaMap[1][1], 2);
    EXPECT_EQ(AreaMap[1][2], 2);
}

TEST_F(KuuIsiTest, WallsSplitTheBoard)
{
    SetBoard(R"(
        . . X . . . O . .
        . . X . . . O . .
        . . X . . . O . .
        . . X . . . O . .
        . . X . . . O . .
        . . X . . . O . .
        . . X . . . O . .
        . . X . . . O . .
        . . X . . . O . .)");
    MakeRelations();
    const std::string row = "  2  2  0  0  0  0  0 -2 -2\n";
    std::string expected;
    for (int y = 1; y <= 9; ++y)
        expected += row;
    EXPECT_EQ(AreaDiagram(), expected);
}

TEST_F(KuuIsiTest, RemakeRecountsWithoutNewRelations)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . O . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    const std::string rels = Rels(5, 5);
    const int near = KuuIsiCount[kKuro][5][5], middle = KuuIsiCount2[kSiro][5][5];
    KuuIsiCount[kKuro][5][5] = 9;
    KankeiOff = 1;
    KuuIsiRemake(5, 5);
    KankeiOff = 0;
    EXPECT_EQ(KuuIsiCount[kKuro][5][5], near);
    EXPECT_EQ(KuuIsiCount2[kSiro][5][5], middle);
    EXPECT_EQ(Rels(5, 5), rels);
    // A stone is not an empty point: nothing happens.
    const std::string stone = Rels(5, 3);
    KuuIsiRemake(5, 3);
    EXPECT_EQ(Rels(5, 3), stone);
    EXPECT_EQ(KuuIsiCount[kKuro][5][3], 0);
}

// A recount on the board the last whole-board pass was made on replays the
// relations that pass counted, with the dead marks of the moment; on a
// board changed since, it scans again.  Either way it must count what a scan
// of the point counts now.
TEST_F(KuuIsiTest, RecountCountsTheBoardAsItStands)
{
    auto countsAt = [](int x, int y) {
        std::string s;
        for (int k = 1; k <= 3; ++k)
            s += std::to_string(KuuIsiCount[k][x][y]) + "/" + std::to_string(KuuIsiCount2[k][x][y]) + " ";
        return s;
    };
    // Every empty point recounted, then scanned afresh.
    auto agree = [&](const char* what) {
        KankeiOff = 1;
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x) {
                if (b0().GetIro(x, y) != kAki)
                    continue;
                KuuIsiRemake(x, y);
                const std::string recount = countsAt(x, y);
                for (int k = 1; k <= 3; ++k)
                    KuuIsiCount[k][x][y] = KuuIsiCount2[k][x][y] = 0;
                KuuIsiPoint(x, y);
                ASSERT_EQ(recount, countsAt(x, y)) << what << " at " << x << "," << y << "\n" << BoardDiagram(b0());
            }
        KankeiOff = 0;
    };
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        RandomPosition(seed % 2 == 0 ? 9 : 13, 40 + 10 * static_cast<int>(seed), seed);
        b0().Analyze();
        agree("unchanged board");
        // Dead marks set and cleared since the pass: the replay reads them.
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (b0().GetIro(x, y) != kAki)
                    b0().SetDeathPt(Point(x, y), (x + y + static_cast<int>(seed)) % 3 == 0);
        agree("dead marks changed");
        // A stone played and one taken off since the pass: scanned again.
        const Point p = RandomMove(b0());
        if (p.x != 0)
            b0().SetIro(p.x, p.y, kKuro);
        for (int y = 1; y <= BoardSize && p.x != 0; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (b0().GetIro(x, y) == kSiro) {
                    b0().SetIro(x, y, kAki);
                    y = BoardSize;
                    break;
                }
        agree("stones changed");
    }
}

// The whole-board pass scans the rows two at a time; a point scanned alone
// must get the same relations in the same order and the same counts, on
// every board size, in the top and bottom rows and in both halves of a pair.
TEST_F(KuuIsiTest, WholeBoardPassAgreesWithPointScans)
{
    struct TCase {
        int Size, Moves;
    };
    const TCase cases[] = {{9, 30}, {9, 55}, {13, 70}, {13, 110}, {19, 120}, {19, 220}};
    std::uint64_t seed = 40;
    for (const TCase& c : cases) {
        RandomPosition(c.Size, c.Moves, ++seed);
        // The analysis up to the empty-point pass (later steps recount with
        // new dead marks).
        for (int step = 1; step <= 8; ++step)
            b0().AnalyzeStep(step);
        ASSERT_STREQ(TGoban::AnalyzeStepName(8), "KuuIsi");
        std::string whole[20][20];
        int counts[20][20][6];
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                whole[x][y] = Rels(x, y);
                for (int k = 1; k <= 3; ++k) {
                    counts[x][y][k - 1] = KuuIsiCount[k][x][y];
                    counts[x][y][k + 2] = KuuIsiCount2[k][x][y];
                }
            }
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                if (b0().GetIro(x, y) != kAki)
                    continue;
                b0().GetLocate(x, y).Init(x, y, kAki);
                for (int k = 1; k <= 3; ++k)
                    KuuIsiCount[k][x][y] = KuuIsiCount2[k][x][y] = 0;
                KuuIsiPoint(x, y);
                ASSERT_EQ(Rels(x, y), whole[x][y]) << c.Size << " at " << x << "," << y << "\n" << BoardDiagram(b0());
                for (int k = 1; k <= 3; ++k) {
                    ASSERT_EQ(KuuIsiCount[k][x][y], counts[x][y][k - 1]) << c.Size << " at " << x << "," << y;
                    ASSERT_EQ(KuuIsiCount2[k][x][y], counts[x][y][k + 2]) << c.Size << " at " << x << "," << y;
                }
            }
    }
}

// The whole-board seeds are made sixteen points of a column at a time (the
// last sixteen again on a larger board): each must equal the seed of the
// point alone whatever the counts and dead marks hold, on every size, and
// nothing off the board may be written.
TEST_F(KuuIsiTest, WholeBoardSeedsAgreeWithEachPointWhateverTheCounts)
{
    struct TCase {
        int Size, Moves;
    };
    const TCase cases[] = {{9, 40}, {13, 90}, {16, 140}, {17, 150}, {19, 200}, {19, 260}};
    std::uint64_t seed = 70;
    for (const TCase& c : cases) {
        RandomPosition(c.Size, c.Moves, ++seed);
        for (int step = 1; step <= 8; ++step)
            b0().AnalyzeStep(step);
        // Counts of every size a seed tests (0, 1, 2 and more), and dead
        // marks on stones and empty points alike.
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                for (int k = 1; k <= 3; ++k) {
                    KuuIsiCount[k][x][y] = static_cast<std::uint8_t>(Random(4) == 0 ? 0 : Random(4));
                    KuuIsiCount2[k][x][y] = static_cast<std::uint8_t>(Random(3) == 0 ? 0 : Random(3));
                }
                b0().Death[x][y] = static_cast<std::uint8_t>(Random(5) == 0 ? 1 + Random(2) : 0);
            }
        FillGrid<int, 0, 20>(AreaMap, 77);
        AreaSeedAll();
        Grid<int, 0, 20> whole = AreaMap;
        for (int x = 0; x <= 20; ++x)
            for (int y = 0; y <= 20; ++y) {
                if (x < 1 || y < 1 || x > BoardSize || y > BoardSize) {
                    ASSERT_EQ(whole[x][y], 77) << c.Size << " off the board at " << x << "," << y;
                    continue;
                }
                AreaMap[x][y] = 77;
                KuuIsiAreaPoint(x, y);
                ASSERT_EQ(whole[x][y], AreaMap[x][y]) << c.Size << " at " << x << "," << y << "\n"
                                                      << BoardDiagram(b0());
            }
    }
}

// The vote pass takes its empty points from the bit rows, skips the vote
// beside a stone and reads the dead marks of the related stones from the
// rows: the map must be the one a plain pass point by point makes, with and
// without dead stones.
TEST_F(KuuIsiTest, VotePassAgreesWithAPlainPassWithAndWithoutDeadStones)
{
    struct TCase {
        int Size, Moves;
        bool Dead;
    };
    const TCase cases[] = {{9, 20, false}, {9, 45, true}, {13, 40, false}, {13, 100, true},
                           {19, 80, false}, {19, 80, true}, {19, 180, false}, {19, 180, true}};
    std::uint64_t seed = 90;
    for (const TCase& c : cases) {
        RandomPosition(c.Size, c.Moves, ++seed);
        for (int step = 1; step <= 8; ++step)
            b0().AnalyzeStep(step);
        FillGrid<std::uint8_t, 1, 19>(b0().Death, 0);
        int deadStones = 0;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                if (c.Dead && b0().GetIro(x, y) != kAki && Random(3) == 0) {
                    b0().Death[x][y] = 1;
                    ++deadStones;
                }
        ASSERT_EQ(deadStones > 0, c.Dead);
        // A seed map of two sides with neutral points among them, so that
        // open points find three votes of one side.
        for (int x = 0; x <= 20; ++x)
            for (int y = 0; y <= 20; ++y)
                AreaMap[x][y] = Random(4) == 0 ? 0 : x + y <= BoardSize ? 1 : -1;
        const Grid<int, 0, 20> start = AreaMap;
        // The plain pass, in the pass's order (rows, then points along a row).
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x) {
                if (b0().GetIro(x, y) != kAki || AreaMap[x][y] != 0)
                    continue;
                int v = AreaVote(x, y);
                const TLocate& loc = b0().GetLocate(x, y);
                if (v == 0 && loc.GetKankeiSu() >= 4) {
                    const int kuro = loc.CountIroLive(kKuro), siro = loc.CountIroLive(kSiro);
                    v = kuro >= 4 && siro == 0 ? 1 : siro >= 4 && kuro == 0 ? -1 : 0;
                }
                AreaMap[x][y] = v;
            }
        const Grid<int, 0, 20> plain = AreaMap;
        AreaMap = start;
        AreaVotePass();
        for (int x = 0; x <= 20; ++x)
            for (int y = 0; y <= 20; ++y)
                ASSERT_EQ(AreaMap[x][y], plain[x][y]) << c.Size << " at " << x << "," << y << "\n"
                                                      << BoardDiagram(b0());
    }
}

TEST_F(KuuIsiTest, SnapshotsOfTheMap)
{
    BoardSize = 9;
    FillGrid<int, 0, 20>(AreaMap, 0);
    for (int x = 0; x <= 10; ++x)
        for (int y = 0; y <= 10; ++y)
            AreaMap[x][y] = x * 100 + y;
    AreaMapSave();
    AreaMapCopy();
    EXPECT_EQ(AreaMapBackup[0][0], 0);
    EXPECT_EQ(AreaMapBackup[10][10], 1010);
    EXPECT_EQ(AreaMapBackup[11][11], 0);
    EXPECT_EQ(AreaMapView[0][5], 0);
    EXPECT_EQ(AreaMapView[9][9], 909);
    EXPECT_EQ(AreaMapView[10][9], 0);
    EXPECT_EQ(GetAreaMap(Point(3, 4)), 304);
    EXPECT_EQ(GetAreaMap(Point(-2, 4)), 0);
    EXPECT_EQ(GetAreaMap(Point(4, 25)), 0);
}

TEST_F(KuuIsiTest, RandomPositionsStayInRange)
{
    for (int game = 0; game < 6; ++game) {
        RandSeed(900 + game);
        BoardSize = game % 2 == 0 ? 19 : 13;
        TGoban& b = b0();
        b.NewGame();
        const int moves = 40 + game * 40;
        for (int i = 0; i < moves; ++i) {
            const Point p = RandomMove(b);
            if (p.x == 0)
                break;
            b.Utu(p.x, p.y);
        }
        MakeRelations();
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                const int v = AreaMap[x][y];
                EXPECT_LE(v, 2);
                EXPECT_GE(v, -2);
                // A stone is 0, or on the other side when it is dead.
                if (b.GetIro(x, y) == kKuro) {
                    EXPECT_EQ(v < 0, b.IsDeath(x, y) == 1);
                }
                if (b.GetIro(x, y) == kSiro) {
                    EXPECT_EQ(v > 0, b.IsDeath(x, y) == 1);
                }
                if (b.GetIro(x, y) != kAki && b.IsDeath(x, y) == 0) {
                    EXPECT_EQ(v, 0);
                }
                int counted = 0;
                for (int k = 1; k <= 3; ++k)
                    counted += KuuIsiCount[k][x][y] + KuuIsiCount2[k][x][y];
                EXPECT_LE(counted, 16);
                // Every relation of an empty point reaches a stone or the edge.
                const TLocate& loc = b.GetLocate(x, y);
                if (loc.GetIro() == kAki) {
                    for (int i = 1; i <= loc.GetKankeiSu(); ++i)
                        EXPECT_NE(loc.GetKankeiIro(i), kAki);
                }
            }
    }
}

} // namespace
} // namespace vorn::test

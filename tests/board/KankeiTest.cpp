// Stone relations: hand-worked relation records of small positions, one group
// per pattern family, and the chain links drawn from them.
#include "Util.h"
#include "board/RelationUtil.h"

#include "board/Kankei.h"
#include "board/Locate.h"

namespace vorn::test {
namespace {

class KankeiTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

// A 9x9 board with the stones given as (x, y, colour).
struct TStone {
    int X, Y, Iro;
};
void Place(const std::vector<TStone>& stones)
{
    std::string rows(9 * 10, '.');
    for (int y = 1; y <= 9; ++y)
        rows[static_cast<std::size_t>(y * 10 - 1)] = '\n';
    for (const TStone& s : stones)
        rows[static_cast<std::size_t>((s.Y - 1) * 10 + s.X - 1)] = s.Iro == kKuro ? 'X' : 'O';
    SetBoard(rows);
}
// The same, with its relations built.
void Relate(const std::vector<TStone>& stones)
{
    Place(stones);
    MakeRelations();
}

TEST_F(KankeiTest, NeighboursAndWholeRecords)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . X . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . X O X . . . .
        . . . . . . . . .
        . . . . . . X . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    // Relations in the order found: the diagonal, straight, knight, wide
    // diagonal and (2,3) families of each stone, stones scanned row by row.
    EXPECT_EQ(Rels(5, 2), "3:5,0=1 6:5,5=2 4:3,3=1 7:4,5=0");
    EXPECT_EQ(Rels(3, 3), "6:3,0=1 3:3,5=2 6:0,3=1 4:5,2=1 5:5,5=3");
    EXPECT_EQ(Rels(3, 5), "3:3,3=2 1:4,5=0 3:5,5=3 6:0,5=1");
    EXPECT_EQ(Rels(4, 5), "1:5,5=0 1:3,5=0 10:0,5=3 7:5,2=0");
    EXPECT_EQ(Rels(5, 5), "5:3,3=3 6:5,2=2 1:4,5=0 3:3,5=3 5:7,7=1");
    EXPECT_EQ(Rels(7, 7), "5:5,5=1 6:10,7=1 6:7,10=1");
}

TEST_F(KankeiTest, AdjacentStones)
{
    Relate({{4, 4, kKuro}, {5, 4, kKuro}, {4, 5, kSiro}});
    // Own stones side by side are one chain: no relation.
    EXPECT_EQ(RelTo({4, 4}, {5, 4}), "");
    EXPECT_EQ(RelTo({5, 4}, {4, 4}), "");
    // An enemy neighbour: kind 1, value 0, recorded by each stone for itself.
    EXPECT_EQ(RelTo({4, 4}, {4, 5}), "1=0");
    EXPECT_EQ(RelTo({4, 5}, {4, 4}), "1=0");
    EXPECT_EQ(RelTo({5, 4}, {4, 5}), "2=0");
    EXPECT_EQ(RelTo({4, 5}, {5, 4}), "2=0");
}

TEST_F(KankeiTest, LinksToTheEdge)
{
    struct {
        int y;
        std::initializer_list<TStone> others;
        const char* toEdge;
    } cases[] = {
        {1, {}, ""},                 // on the edge: nothing
        {2, {}, "3=1"},              // second line: one-space jump to the edge
        {3, {}, "6=1"},              // third line: two-space jump
        {4, {}, "10=1"},             // fourth line: three-space jump
        {5, {}, ""},                 // fifth line: too far
        {2, {{4, 1, kSiro}}, "3=2"}, // an enemy beside the jump
        {3, {{4, 2, kSiro}}, "6=2"},
        {4, {{4, 3, kSiro}}, "10=3"},
    };
    for (const auto& c : cases) {
        std::vector<TStone> stones{{5, c.y, kKuro}};
        stones.insert(stones.end(), c.others.begin(), c.others.end());
        Relate(stones);
        EXPECT_EQ(RelTo({5, c.y}, {5, 0}), c.toEdge) << "line " << c.y;
        const TLocate& loc = b0().GetLocate(5, c.y);
        for (int i = 1; i <= loc.GetKankeiSu(); ++i)
            if (loc.GetKankeiPoint(i) == Point(5, 0)) {
                EXPECT_EQ(loc.GetKankeiIro(i), kHen);
                EXPECT_FALSE(loc.OnBoardAt(i));
            }
    }
}

TEST_F(KankeiTest, OneSpaceJumps)
{
    struct {
        const char* what;
        std::initializer_list<TStone> others;
        const char* fromLeft;
        const char* fromRight;
    } cases[] = {
        {"open", {}, "3=1", "3=1"},
        {"enemy in the gap", {{4, 5, kSiro}}, "3=3", "3=3"},
        {"enemy beside the gap", {{4, 4, kSiro}}, "3=2", "3=2"},
        {"enemies on both sides", {{4, 4, kSiro}, {4, 6, kSiro}}, "3=3", "3=3"},
        {"enemy beside a stone", {{3, 4, kSiro}}, "3=2", "3=2"},
        // The gap is self-atari for white: firm.
        {"own stone beside the gap", {{4, 4, kKuro}}, "3=1", "3=1"},
        {"own stone and enemy beside the gap", {{4, 4, kKuro}, {4, 6, kSiro}}, "3=2", "3=2"},
        {"joined beside the gap", {{4, 4, kKuro}, {5, 4, kKuro}, {4, 6, kSiro}}, "", ""},
    };
    for (const auto& c : cases) {
        std::vector<TStone> stones{{3, 5, kKuro}, {5, 5, kKuro}};
        stones.insert(stones.end(), c.others.begin(), c.others.end());
        Relate(stones);
        EXPECT_EQ(RelTo({3, 5}, {5, 5}), c.fromLeft) << c.what;
        EXPECT_EQ(RelTo({5, 5}, {3, 5}), c.fromRight) << c.what;
    }
    // A jump to an enemy stone over an empty point.
    Relate({{3, 5, kKuro}, {5, 5, kSiro}});
    EXPECT_EQ(RelTo({3, 5}, {5, 5}), "3=0");
    EXPECT_EQ(RelTo({5, 5}, {3, 5}), "3=0");
}

TEST_F(KankeiTest, DiagonalGrades)
{
    // Two live enemy stones on the crossing points: cuttable, value 3 (both
    // pairs).
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . . O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    EXPECT_EQ(RelTo({4, 3}, {5, 4}), "2=3");
    EXPECT_EQ(RelTo({5, 4}, {4, 3}), "2=3");
    EXPECT_EQ(RelTo({5, 3}, {4, 4}), "2=3");

    // Both cutters in atari: the cut fails, value 1.
    SetBoard(R"(
        . . . . . . . . .
        . . . . X . . . .
        . . . X O . . . .
        . . X O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    EXPECT_EQ(RelTo({4, 3}, {5, 4}), "2=1");
    EXPECT_EQ(RelTo({5, 4}, {4, 3}), "2=1");

    // One live cutter: value 2.  An own stone on a crossing point joins the
    // two directly: no relation.
    Relate({{4, 3, kKuro}, {5, 4, kKuro}, {5, 3, kSiro}});
    EXPECT_EQ(RelTo({4, 3}, {5, 4}), "2=2");
    Relate({{4, 3, kKuro}, {5, 4, kKuro}, {5, 3, kKuro}});
    EXPECT_EQ(RelTo({4, 3}, {5, 4}), "");
    // Open: value 1; toward an enemy: value 0.
    Relate({{4, 3, kKuro}, {5, 4, kKuro}, {6, 5, kSiro}});
    EXPECT_EQ(RelTo({4, 3}, {5, 4}), "2=1");
    EXPECT_EQ(RelTo({5, 4}, {6, 5}), "2=0");
    EXPECT_EQ(RelTo({6, 5}, {5, 4}), "2=0");
}

TEST_F(KankeiTest, DiagonalWithAnUnplayableCrossingPoint)
{
    // White cannot cut at (4,4): self-atari there, then suicide.
    for (const char* diagram : {R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . X . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . X . X . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)"}) {
        SetBoard(diagram);
        MakeRelations();
        EXPECT_EQ(RelTo({4, 3}, {5, 4}), "2=1") << diagram;
    }
}

TEST_F(KankeiTest, DiagonalReadsTheAnalysisTables)
{
    // The empty crossing point is marked self-atari (or forbidden) for the
    // enemy: the other cutter alone cannot cut, value 1.  A cutter marked
    // dead does not count.
    for (int table = 0; table < 3; ++table) {
        Place({{4, 3, kKuro}, {5, 4, kKuro}, {5, 3, kSiro}});
        ClearTables(b0());
        if (table == 0)
            b0().SelfAtari[kSiro][4][4] = 1;
        else if (table == 1)
            b0().Kinsi[kSiro][4][4] = 1;
        else
            b0().Death[5][3] = 1;
        MakeRelations(Tables::AsSet);
        EXPECT_EQ(RelTo({4, 3}, {5, 4}), "2=1") << table;
    }
}

TEST_F(KankeiTest, KnightsMoves)
{
    struct {
        const char* what;
        std::initializer_list<TStone> others;
        const char* link;
    } cases[] = {
        {"open", {}, "4=1"},
        {"enemy at one end", {{4, 3, kSiro}}, "4=2"},
        {"enemy between", {{3, 4, kSiro}}, "4=3"},
        {"enemies on both points between", {{3, 4, kSiro}, {4, 4, kSiro}}, ""},
        {"own stone between", {{3, 4, kKuro}}, ""},
        {"enemy beside", {{2, 4, kSiro}}, "4=2"},
    };
    for (const auto& c : cases) {
        std::vector<TStone> stones{{3, 3, kKuro}, {4, 5, kKuro}};
        stones.insert(stones.end(), c.others.begin(), c.others.end());
        Relate(stones);
        EXPECT_EQ(RelTo({3, 3}, {4, 5}), c.link) << c.what;
        EXPECT_EQ(RelTo({4, 5}, {3, 3}), c.link) << c.what;
    }
    Relate({{3, 3, kKuro}, {4, 5, kSiro}});
    EXPECT_EQ(RelTo({3, 3}, {4, 5}), "4=0");
    EXPECT_EQ(RelTo({4, 5}, {3, 3}), "4=0");
}

TEST_F(KankeiTest, WiderShapes)
{
    // (1,3), (2,3), (1,4) and (2,2), each alone on an open board: firm links,
    // recorded on both stones with the opposite steps.
    struct {
        Point partner;
        const char* link;
    } cases[] = {
        {{4, 6}, "7=1"},
        {{5, 6}, "8=1"},
        {{4, 7}, "11=1"},
        {{5, 5}, "5=1"},
        {{2, 6}, "7=1"},
        {{6, 4}, "7=1"},
    };
    for (const auto& c : cases) {
        Relate({{3, 3, kKuro}, {c.partner.x, c.partner.y, kKuro}});
        EXPECT_EQ(RelTo({3, 3}, c.partner), c.link) << c.partner.x << "," << c.partner.y;
        EXPECT_EQ(RelTo(c.partner, {3, 3}), c.link) << c.partner.x << "," << c.partner.y;
    }
}

TEST_F(KankeiTest, ThreeThreeDiagonalIsNeverFirm)
{
    Relate({{3, 3, kKuro}, {6, 6, kKuro}});
    EXPECT_EQ(RelTo({3, 3}, {6, 6}), "13=2");
    EXPECT_EQ(RelTo({6, 6}, {3, 3}), "13=2");
    // An enemy beside the far half: 3.
    Relate({{3, 3, kKuro}, {6, 6, kKuro}, {5, 6, kSiro}});
    EXPECT_EQ(RelTo({3, 3}, {6, 6}), "13=3");
    // Only with the (2,2) point empty: an own stone there makes two (2,2) links.
    Relate({{3, 3, kKuro}, {6, 6, kKuro}, {5, 5, kKuro}});
    EXPECT_EQ(RelTo({3, 3}, {6, 6}), "");
    EXPECT_EQ(RelTo({3, 3}, {5, 5}), "5=1");
    // Toward an enemy: nothing of kind 13.
    Relate({{3, 3, kKuro}, {6, 6, kSiro}});
    EXPECT_EQ(RelTo({3, 3}, {6, 6}), "");
}

TEST_F(KankeiTest, FullRecordDropsLaterRelations)
{
    Place({{3, 5, kKuro}, {5, 5, kKuro}});
    TGoban& b = b0();
    b.RenMake();
    ClearTables(b);
    b.SetLocateIro();
    // The right stone's record is full before the left stone scans.
    for (int i = 1; i <= kMaxKankei; ++i)
        b.SetKankei(5, 5, 49, KankeiKeima14, 1);
    KankeiMake(kKuro, 3, 5);
    KankeiMake(kKuro, 5, 5);
    EXPECT_EQ(b.GetLocate(5, 5).GetKankeiSu(), kMaxKankei);
    EXPECT_EQ(RelTo({5, 5}, {3, 5}), "");
    // The partner still records its side.
    EXPECT_EQ(RelTo({3, 5}, {5, 5}), "3=1");
}

TEST_F(KankeiTest, NothingRecordedWhileSwitchedOff)
{
    Place({{3, 5, kKuro}, {5, 5, kKuro}, {4, 4, kSiro}});
    KankeiOff = 1;
    MakeRelations();
    KankeiOff = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            EXPECT_EQ(b0().GetLocate(x, y).GetKankeiSu(), 0);
}

TEST_F(KankeiTest, RelationsOfTheCurrentLevel)
{
    Relate({{3, 5, kKuro}});
    TGoban& b1 = *GobanLv[1];
    b1.CopyBan(b0());
    b1.SetIro(5, 5, kKuro);
    Level = 1;
    b1.RenLocateMake();
    EXPECT_EQ(b1.GetLocate(3, 5).GetKankeiSu() > 0, true);
    Level = 0;
    EXPECT_EQ(RelTo({3, 5}, {5, 5}), "");
    EXPECT_EQ(b1.GetLocate(3, 5).CountIro(kKuro), 1);
}

// The whole board is scanned a row of stones at a time; every record must
// come out as the stone-by-stone scans of KankeiMake write it, in the same
// order, on boards of every size and density, with the analysis tables of
// a full analysis (dead groups, forbidden and self-atari points, ataris).
TEST_F(KankeiTest, WholeBoardAgreesWithStoneByStoneScans)
{
    struct TCase {
        int Size, Moves;
    };
    for (const TCase& t : {TCase{9, 30}, TCase{9, 80}, TCase{13, 60}, TCase{13, 200}, TCase{19, 80}, TCase{19, 250},
                           TCase{19, 600}, TCase{7, 40}, TCase{15, 150}})
        for (std::uint64_t seed = 1; seed <= 30; ++seed) {
            RandomPosition(t.Size, t.Moves, 31 * seed + static_cast<std::uint64_t>(t.Moves));
            TGoban& b = b0();
            b.Analyze();
            b.SetLocateIro();
            KankeiMakeAll();
            std::vector<std::string> rows;
            for (int y = 1; y <= BoardSize; ++y)
                for (int x = 1; x <= BoardSize; ++x)
                    rows.push_back(Rels(x, y));
            b.SetLocateIro();
            for (int y = 1; y <= BoardSize; ++y)
                for (int x = 1; x <= BoardSize; ++x)
                    if (const int c = b.GetIro(x, y); c == kKuro || c == kSiro)
                        KankeiMake(c, x, y);
            for (int y = 1; y <= BoardSize; ++y)
                for (int x = 1; x <= BoardSize; ++x)
                    ASSERT_EQ(rows[static_cast<std::size_t>((y - 1) * BoardSize + x - 1)], Rels(x, y))
                        << "point " << x << "," << y << " size " << t.Size << " moves " << t.Moves << " seed " << seed
                        << "\n"
                        << BoardDiagram(b);
        }
}

TEST_F(KankeiTest, ChainLinksFollowFirmAndCuttableGrades)
{
    SetBoard(R"(
        . . . . . . . . .
        . X . . . . . . .
        . . X . . . . . .
        . . . . . . . . .
        . . X O X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    const TGoban& b = b0();
    auto gren = [&](int x, int y) {
        std::set<int> s;
        const TRen* r = b.RenList.RenAt(x, y);
        for (int i = 1; i <= r->GrenCount(); ++i)
            s.insert(r->Gren(i));
        return s;
    };
    auto no = [&](int x, int y) { return b.RenList.RenNo(x, y); };
    // (2,2)-(3,3) diagonal, value 1: linked both ways.
    EXPECT_TRUE(gren(2, 2).count(no(3, 3)));
    EXPECT_TRUE(gren(3, 3).count(no(2, 2)));
    // (3,5)-(5,5) jump over an enemy stone, value 3: not linked.
    EXPECT_FALSE(gren(3, 5).count(no(5, 5)));
    // (3,3)-(3,5) one-space jump, value 2: linked.
    EXPECT_TRUE(gren(3, 3).count(no(3, 5)));
    // No links to enemy stones, to the edge or to the chain itself.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (const TRen* r = b.RenList.RenAt(x, y))
                for (int i = 1; i <= r->GrenCount(); ++i) {
                    const TRen* m = b.RenList.Items(r->Gren(i));
                    ASSERT_NE(m, nullptr);
                    EXPECT_NE(m, r);
                    EXPECT_EQ(m->GetIro(), r->GetIro());
                }
}

} // namespace
} // namespace vorn::test

// The position analysis: capture, forbidden and self-atari points checked
// against the move test on many random positions, dead chains in atari, the
// marks end-of-game counting takes off, the table accessors and the pair list.
#include "Util.h"

#include <set>
#include <vector>

#include "board/Basic.h"
#include "board/Diagram.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "board/Yomi.h"

namespace vorn::test {
namespace {

class AnalyzeTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

// Liberties of the chain that colour c forms by playing at p, after its
// captures (whether or not the move is legal).
int LibertiesAfter(TGoban& b, int c, Point p)
{
    b.CheckUtu(c, p.x, p.y);
    std::vector<Point> taken;
    for (int i = 1; i <= ToruListSu; ++i)
        taken.push_back(Point(ToruListX[i], ToruListY[i]));
    const std::uint8_t back = static_cast<std::uint8_t>(Aite(c));
    for (Point q : taken)
        b.Ban[q.x][q.y] = kAki;
    b.Ban[p.x][p.y] = static_cast<std::uint8_t>(c);
    const int su = FloodFillOn(b, p.x, p.y);
    std::set<std::pair<int, int>> libs;
    for (int i = 1; i <= su; ++i)
        for (int d = 1; d <= 4; ++d)
            if (const Point q = Dir4Pt(Point(FloodX[i], FloodY[i]), d); b.GetIroPt(q) == kAki)
                libs.insert({q.x, q.y});
    b.Ban[p.x][p.y] = kAki;
    for (Point q : taken)
        b.Ban[q.x][q.y] = back;
    return static_cast<int>(libs.size());
}

// Every table of one analysed position against the move test, as one map
// per colour each: a stone "#" (forbidden, no capture point); an empty point
// its forbidden, capture-point and self-atari marks ("k", "t", "s" or "-")
// and whether the move is playable ("." or "x").  A ko retake is a capture
// point, not marked forbidden, and not playable.
void CheckTables(TGoban& b, const std::string& where)
{
    for (int c = kKuro; c <= kSiro; ++c) {
        const std::string tables = MapDiagram([&b, c](Point p) {
            if (b.GetIroPt(p) != kAki)
                return std::string(b.IsKinsi(c, p.x, p.y) == 1 && b.IsToruTen(c, p.x, p.y) == 0 ? "#" : "!");
            return std::string(1, b.IsKinsi(c, p.x, p.y) ? 'k' : '-') + (b.IsToruTen(c, p.x, p.y) ? 't' : '-')
                   + (b.IsSelfAtari(c, p.x, p.y) ? 's' : '-') + (CanUtuXY(c, p.x, p.y) ? '.' : 'x');
        });
        const std::string moves = MapDiagram([&b, c](Point p) {
            if (b.GetIroPt(p) != kAki)
                return std::string("#");
            const int code = b.CheckUtu(c, p.x, p.y);
            const bool captures = ToruListSu > 0;
            const bool kinsi = code != kUtuOk && code != kUtuKou;
            int empty = 0;
            for (int d = 1; d <= 4; ++d)
                empty += b.GetIroPt(Dir4Pt(p, d)) == kAki;
            // Self-atari, capturing or not (a ko retake included).
            const bool selfAtari = empty < 2 && !kinsi && LibertiesAfter(b, c, p) == 1;
            return std::string(1, kinsi ? 'k' : '-') + (captures ? 't' : '-') + (selfAtari ? 's' : '-')
                   + (code == kUtuOk ? '.' : 'x');
        });
        ASSERT_EQ(tables, moves) << where << " colour " << c << "\n" << DiagramText(b);
    }
}

TEST_F(AnalyzeTest, TablesAgreeWithTheMoveTestOnRandomPositions)
{
    for (int size : {9, 13, 19}) {
        for (int seed = 1; seed <= 4; ++seed) {
            ResetProgramState();
            RandSeed(500 + size * 10 + seed);
            BoardSize = size;
            b0().NewGame();
            const int moves = size * size * 3 / 2;
            for (int i = 1; i <= moves; ++i) {
                const Point p = RandomMove(b0());
                if (p.x == 0)
                    break;
                ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk);
                if (i % (size == 19 ? 60 : 15) != 0 && !(b0().Tejun.ToruCount() == 1 && i % 3 == 0))
                    continue;
                b0().Analyze();
                CheckTables(b0(), "size " + std::to_string(size) + " seed " + std::to_string(seed)
                                      + " move " + std::to_string(i));
                if (HasFatalFailure())
                    return;
            }
        }
    }
}

// After the end of a game the empty regions are numbered as chains too; the
// tables must not change.
TEST_F(AnalyzeTest, EmptyRegionChainsAfterTheGameChangeNoTable)
{
    RandSeed(99);
    BoardSize = 9;
    b0().NewGame();
    for (int i = 0; i < 70; ++i) {
        const Point p = RandomMove(b0());
        if (p.x == 0)
            break;
        b0().Utu(p.x, p.y);
    }
    b0().Analyze();
    const auto toru = b0().ToruTen;
    const auto kinsi = b0().Kinsi;
    const auto self = b0().SelfAtari;
    const auto death = b0().Death;
    GameOver = 1;
    b0().Analyze();
    for (int c = kKuro; c <= kSiro; ++c)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                EXPECT_EQ(b0().ToruTen[c][x][y], toru[c][x][y]);
                EXPECT_EQ(b0().Kinsi[c][x][y], kinsi[c][x][y]);
                EXPECT_EQ(b0().SelfAtari[c][x][y], self[c][x][y]);
                EXPECT_EQ(b0().Death[x][y], death[x][y]);
            }
}

TEST_F(AnalyzeTest, KoRetakeIsACapturePointButNotForbidden)
{
    SetBoard(R"(
        . X O . . . . . .
        X . X O . . . . .
        . X O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    Handicap = 2; // white to move
    ASSERT_EQ(b0().Utu(2, 2), kUtuOk);
    b0().Analyze();
    EXPECT_EQ(b0().IsToruTen(kKuro, 3, 2), 1);
    EXPECT_EQ(b0().IsKinsi(kKuro, 3, 2), 0);
    // The move test itself refuses it, so whatever reads the tables must pass
    // its final choice through it.
    EXPECT_EQ(b0().CheckUtu(kKuro, 3, 2), kUtuKou);
    EXPECT_FALSE(CanUtuXY(kKuro, 3, 2));
    // The capturing stone itself stands in atari: a self-atari capture.
    EXPECT_EQ(b0().IsSelfAtari(kKuro, 3, 2), 1);
}

TEST_F(AnalyzeTest, JoiningTwoChainsOnTheirSharedLibertyIsSelfAtari)
{
    SetBoard(R"(
        O X . X O . . . .
        O X . X O . . . .
        . O . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    b0().Analyze();
    EXPECT_EQ(b0().IsSelfAtari(kKuro, 3, 1), 1);
    EXPECT_TRUE(b0().CheckSelfAtari2(kKuro, Point(3, 1)));
    // (3,2) has two empty neighbours: never tested.
    EXPECT_EQ(b0().IsSelfAtari(kKuro, 3, 2), 0);
    EXPECT_FALSE(b0().CheckSelfAtari2(kKuro, Point(3, 2)));
    EXPECT_FALSE(b0().CheckSelfAtari2(kKuro, Point(2, 1))); // occupied
}

TEST_F(AnalyzeTest, SelfAtariOfAChainLargerThanTwentyStones)
{
    // A black chain of 25 stones with two liberties, (1,1) and (9,3):
    // filling either leaves one.  White to capture at the other.
    SetBoard(R"(
        . X X X X X X X X
        X X X X X X X X X
        X X X X X X X X .
        O O O O O O O O O
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    b0().Analyze();
    EXPECT_EQ(b0().IsSelfAtari(kKuro, 1, 1), 1);
    EXPECT_EQ(b0().IsSelfAtari(kKuro, 9, 3), 1);
    // White inside: the stone has no liberty of its own; suicide.
    EXPECT_EQ(b0().IsKinsi(kSiro, 1, 1), 1);
    // After white fills (9,3), white captures 25 stones at (1,1): the
    // capturing stone then has two liberties, however few own stones it
    // joins.
    b0().SetIro(9, 3, kSiro);
    b0().Analyze();
    EXPECT_EQ(b0().IsToruTen(kSiro, 1, 1), 1);
    EXPECT_EQ(b0().IsSelfAtari(kSiro, 1, 1), 0);
    EXPECT_TRUE(b0().RenList.RenAt(2, 2) != nullptr);
    EXPECT_EQ(b0().RenList.RenAt(2, 2)->IsiCount(), 25);
}

TEST_F(AnalyzeTest, DeadChainsInAtari)
{
    const struct {
        const char* diagram;
        Point stone;
        bool dead;
        const char* why;
    } cases[] = {
        {R"(
        . X O . .
        O O . . .
        . . . . .
        . . . . .
        . . . . .)",
         {2, 1}, true, "extending is suicide and no neighbour is in atari"},
        {R"(
        . X O X .
        O O . . .
        . . . . .
        . . . . .
        . . . . .)",
         {2, 1}, false, "it can capture the white stone (3,1) instead"},
        {R"(
        . X O . .
        O O X . .
        X X . . .
        . . . . .
        . . . . .)",
         {2, 1}, false, "its liberty captures white as well"},
        {R"(
        . . . . .
        O X O . .
        . O . . .
        . . . . .
        . . . . .)",
         {2, 2}, true, "extending along the edge leads into a narrow passage"},
        {R"(
        . O . . .
        O X O . .
        . . . . .
        . . . . .
        . . . . .)",
         {2, 2}, false, "it extends into the open"},
    };
    for (const auto& c : cases) {
        SetBoard(c.diagram);
        b0().Analyze();
        const TRen* r = b0().RenList.RenAtPt(c.stone);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->GetDeath(), c.dead) << c.why;
        // The group judgement rewrites the dead-stone marks; the chain pass
        // alone marks exactly the dead chains.
        FillGrid<std::uint8_t, 1, 19>(b0().Death, 0);
        b0().DeathMake();
        EXPECT_EQ(b0().IsDeathPt(c.stone), c.dead ? 1 : 0) << c.why;
    }
}

TEST_F(AnalyzeTest, DeadChainMarksTheLibertyThatMustBeFilled)
{
    // A dead black stone in white's corner.  White's wall has no other
    // point of area to breathe from, so the liberty must be filled at the
    // end: end-of-game counting takes it off.
    SetBoard(R"(
        X . O . . . . . .
        O O O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    b0().Analyze();
    ASSERT_EQ(b0().IsDeath(1, 1), 1);
    // The wall's liberties are its area, so nothing needs filling.
    EXPECT_EQ(b0().GetDeathRenMark(2, 1), 0);
    // Without any area: nothing to count either.
    FillGrid<int, 0, 20>(AreaMap, 0);
    b0().DeathRenMarkMake();
    EXPECT_EQ(b0().GetDeathRenMark(2, 1), 0);
    AreaMap[2][1] = -2;
    EXPECT_TRUE(b0().IsAreaKuu(Point(2, 1)));
    b0().DeathRenMarkMake();
    EXPECT_EQ(b0().GetDeathRenMark(2, 1), 1);
    // With a point of white area at the wall's liberty (1,3) it is not.
    AreaMap[1][3] = -1;
    b0().DeathRenMarkMake();
    EXPECT_EQ(b0().GetDeathRenMark(2, 1), 0);
    // A false eye there does not count as area.
    b0().SetKakemePt(Point(1, 3), 1);
    b0().DeathRenMarkMake();
    EXPECT_EQ(b0().GetDeathRenMark(2, 1), 1);
}

TEST_F(AnalyzeTest, LinksAcrossACutDoNotSaveTheNeighbour)
{
    // The dead black stone (1,1) has its last liberty at (2,1).  The white
    // chains (1,2)-(2,2) and (3,1) are cut by black (3,2); white (7,3) is
    // not.  Area lies at (2,1) and at the liberties of (3,1) and (7,3).
    SetBoard(R"(
        X . O . . . . . .
        O O X . . . . . .
        . . . . . . O . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TGoban& b = b0();
    b.Analyze();
    ASSERT_EQ(b.IsDeath(1, 1), 1);
    // Area, eye verdicts and links set by hand, so that only the cut decides.
    FillGrid<int, 0, 20>(AreaMap, 0);
    FillGrid<std::uint8_t, 1, 19>(b.KakemeMap, 0);
    AreaMap[2][1] = AreaMap[4][1] = AreaMap[8][3] = -2;
    TRen* wall = b.RenList.RenAt(1, 2);
    TRen* cut = b.RenList.RenAt(3, 1);
    wall->ClearGren();
    cut->ClearGren();
    // Linked to the cut-off chain only: the wall still has no area.
    wall->AddGren(cut->GetNo());
    cut->AddGren(wall->GetNo());
    b.DeathRenMarkMake();
    EXPECT_EQ(b.GetDeathRenMark(2, 1), 1);
    // Linked to a chain with area beyond no cut: nothing to fill.
    wall->AddGren(b.RenList.RenNo(7, 3));
    b.DeathRenMarkMake();
    EXPECT_EQ(b.GetDeathRenMark(2, 1), 0);
}

TEST_F(AnalyzeTest, EachNeighbourOfADeadChainDecidesAlone)
{
    // The dead black stone (2,1) has its last liberty at (2,2), the only
    // point of area beside it.  Its neighbours are the white stones (1,1)
    // and (3,1); (3,1) is linked to the white stone (6,2).  The liberty must
    // be filled when any neighbour, with what it is linked to, has no other
    // point of area to breathe from.
    SetBoard(R"(
        O X O . . . . . .
        . . . . . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TGoban& b = b0();
    b.Analyze();
    // No groups: the chain pass alone.
    b.GunList.Clear();
    struct TCase {
        std::vector<Point> area; // besides the liberty (2,2)
        int mark;
        const char* why;
    };
    const TCase cases[] = {
        {{}, 1, "no neighbour breathes"},
        {{Point(1, 2)}, 1, "the left stone breathes, the right one does not"},
        {{Point(4, 1)}, 1, "the right stone breathes, the left one does not"},
        {{Point(1, 2), Point(4, 1)}, 0, "both breathe"},
        {{Point(1, 2), Point(6, 3)}, 0, "the right stone breathes through its link"},
        {{Point(1, 2), Point(6, 3), Point(4, 1)}, 0, "the right stone breathes itself and through its link"},
    };
    for (const TCase& c : cases) {
        // Dead stones, area, eye verdicts, self-atari points and links set by
        // hand, so that only the neighbours' area decides.
        FillGrid<std::uint8_t, 1, 19>(b.Death, 0);
        b.SetDeathPt(Point(2, 1), 1);
        FillGrid<int, 0, 20>(AreaMap, 0);
        FillGrid<std::uint8_t, 1, 19>(b.KakemeMap, 0);
        FillGrid<std::uint8_t, 1, 19>(b.SelfAtari[kKuro], 0);
        AreaMap[2][2] = -2;
        for (const Point p : c.area)
            AreaMap[p.x][p.y] = -1;
        for (const Point p : {Point(1, 1), Point(3, 1), Point(6, 2)})
            b.RenList.RenAtPt(p)->ClearGren();
        b.RenList.RenAt(3, 1)->AddGren(b.RenList.RenNo(6, 2));
        b.DeathRenMarkMake();
        EXPECT_EQ(b.GetDeathRenMark(2, 2), c.mark) << c.why;
        // A lone neighbour that would fill its own last liberty by the
        // filling move does not count.
        if (c.area.size() == 1 && c.area[0] == Point(4, 1)) {
            b.SelfAtari[kKuro][2][2] = 1;
            b.DeathRenMarkMake();
            EXPECT_EQ(b.GetDeathRenMark(2, 2), 0) << c.why;
        }
    }
}

TEST_F(AnalyzeTest, VerdictAndAreaAccessors)
{
    TGoban& b = b0();
    b.SetKakemePt(Point(3, 3), 1);
    b.SetKakemePt(Point(3, 4), 4);
    b.SetKakemePt(Point(3, 5), 3);
    b.SetKakemePt(Point(3, 6), 2);
    EXPECT_TRUE(b.IsKakeme(3, 3));
    EXPECT_TRUE(b.IsKakeme(3, 4));
    EXPECT_FALSE(b.IsKakeme(3, 5));
    EXPECT_FALSE(b.IsKakeme(3, 6)); // possibly false, but in no region
    EXPECT_EQ(b.GetKakeme(3, 6), 2);
    for (int y = 3; y <= 6; ++y)
        AreaMap[3][y] = 2;
    EXPECT_FALSE(b.IsAreaKuu(Point(3, 3)));
    EXPECT_FALSE(b.IsAreaKuu(Point(3, 4)));
    EXPECT_TRUE(b.IsAreaKuu(Point(3, 5)));
    EXPECT_FALSE(b.IsAreaKuu(Point(4, 5))); // neutral
    EXPECT_EQ(b.IsKinsiPt(kKuro, Point(0, 5)), 1);
    EXPECT_EQ(b.IsKinsiPt(kKuro, Point(5, 5)), 0);
    EXPECT_THROW(b.IsToruTen(3, 5, 5), ERangeError);
    EXPECT_THROW(b.IsKinsi(kKuro, 20, 5), ERangeError);
    b.SetDeathPt(Point(4, 4), 1);
    EXPECT_EQ(b.IsDeath(4, 4), 1);
}

TEST_F(AnalyzeTest, AtariNextToAPointRebuildsTheChains)
{
    SetBoard(R"(
        . . . . .
        . . . . .
        . . . . .
        . . . . .
        . . . . .)");
    // Stones set without rebuilding the chains.
    b0().SetIro(1, 1, kKuro);
    b0().SetIro(2, 1, kSiro);
    EXPECT_TRUE(b0().TonariAtari(kSiro, Point(1, 2)));
    EXPECT_FALSE(b0().TonariAtari(kKuro, Point(1, 2)));
    EXPECT_TRUE(b0().HasAkiNeighbour(1, 1));
    b0().SetIro(1, 2, kSiro);
    EXPECT_FALSE(b0().HasAkiNeighbour(1, 1));
}

TEST_F(AnalyzeTest, DiagonalStonesThatCount)
{
    SetBoard(R"(
        X . O . .
        O . . . .
        . . . . .
        . . . . .
        . . . . .)");
    b0().Analyze();
    ASSERT_EQ(b0().IsDeath(1, 1), 1);
    Point list[4];
    // From (2,2): (1,1) is dead and in no capturing race.
    EXPECT_EQ(b0().ListDiagonalLive(Point(2, 2), kKuro, list), 0);
    ASSERT_EQ(b0().ListDiagonalLive(Point(2, 2), kSiro, list), 1);
    EXPECT_EQ(list[0], Point(3, 1));
}

TEST_F(AnalyzeTest, AnalysisOnALookAheadLevel)
{
    SetBoard(R"(
        . X O . . . . . .
        X . X O . . . . .
        . X O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    b0().Analyze();
    ASSERT_EQ(b0().IsToruTen(kSiro, 2, 2), 1);
    ASSERT_TRUE(YomiUtu(kSiro, Point(2, 2)));
    CurGoban().Analyze();
    EXPECT_EQ(CurGoban().IsToruTen(kKuro, 3, 2), 1);
    EXPECT_EQ(CurGoban().IsKinsi(kKuro, 3, 2), 0);
    EXPECT_FALSE(CanUtuXY(kKuro, 3, 2)); // the ko taken on this level
    CheckTables(CurGoban(), "level 1");
    YomiModosu();
    // Board 0's tables are its own.
    EXPECT_EQ(b0().IsToruTen(kSiro, 2, 2), 1);
    EXPECT_EQ(b0().IsToruTen(kKuro, 3, 2), 0);
}

TEST_F(AnalyzeTest, PairListKeepsOneEntryPerLinkAndSortsByKind)
{
    TGoban& b = b0();
    const Point p(3, 3), q(4, 5), r(10, 10);
    EXPECT_EQ(b.PairAdd(p, q, 5), 1);
    EXPECT_EQ(b.PairPointA(1), q);
    EXPECT_EQ(b.PairPointB(1), p);
    EXPECT_EQ(b.PairAdd(q, p, 5), 1); // the same link from the partner
    EXPECT_EQ(b.PairCount(), 1);
    EXPECT_EQ(b.PairAdd(q, p, 6), 2);
    EXPECT_EQ(b.PointAdd(r, 21), 3);
    EXPECT_EQ(b.PairPointB(3), Point());
    EXPECT_EQ(b.PointAdd(r, 21), 4); // single points are not deduplicated
    EXPECT_EQ(b.PairAdd(p, r, 2), 5);
    EXPECT_TRUE(b.HasPair(p, q));
    EXPECT_TRUE(b.HasPair(q, p));
    EXPECT_FALSE(b.HasPair(q, r));

    b.SetPairFlag(1, 7);
    b.PairSort();
    const int kinds[] = {2, 5, 6, 21, 21};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(b.PairKind(i), kinds[i - 1]);
    EXPECT_EQ(b.PairPointA(1), r);
    EXPECT_EQ(b.PairPointB(1), p);
    EXPECT_EQ(b.PairFlag(1), 7); // flags stay with their slots
    EXPECT_EQ(b.PairFlag(5), 0);
    b.PairFlagsClear();
    EXPECT_EQ(b.PairFlag(1), 0);

    // Full at 100: further entries are dropped.
    b.PairClear();
    for (int i = 1; i <= kMaxPair; ++i)
        ASSERT_EQ(b.PointAdd(Point(1 + i % 19, 1 + i / 19), 20), i);
    EXPECT_EQ(b.PointAdd(r, 20), kMaxPair);
    EXPECT_EQ(b.PairAdd(p, q, 3), 0);
    EXPECT_EQ(b.PairCount(), kMaxPair);
    EXPECT_FALSE(b.HasPair(p, q));
}

} // namespace
} // namespace vorn::test

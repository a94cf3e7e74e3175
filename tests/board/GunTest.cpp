// Groups and their judgement: building, related points, eyes that make a
// group live or die, groups dead at once, capturing races, seki, the death
// level, candidate points, and positions that fill every table.
#include "LifeUtil.h"
#include "Util.h"

#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "board/Basic.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Jisho.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"

namespace vorn::test {
namespace {

class GunTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
    // Sets up and analyses board 0.
    void Analyse(const std::string& diagram)
    {
        SetBoard(diagram);
        b0().Analyze();
    }
    // The sum of the eye values of a group's own regions.
    int RegionMe(const TGun& g)
    {
        int me = 0;
        for (int i = 1; i <= g.GetJisu(); ++i)
            if (const TJi* ji = b0().JiList.GetJi(g.GetJi(i)))
                me += ji->GetMe();
        return me;
    }
};

// A 19x19 diagram whose point (x, y) is cell(x, y): "X ", "O " or ". ".
template <class F>
std::string Diagram19(F cell)
{
    std::string diagram;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x)
            diagram += cell(x, y);
        diagram += "\n";
    }
    return diagram;
}

// ---------------------------------------------------------------------------
// Building

TEST_F(GunTest, EmptyBoardHasNoGroup)
{
    BoardSize = 9;
    b0().NewGame();
    b0().Analyze();
    EXPECT_EQ(b0().GunList.GetCount(), 0);
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            EXPECT_EQ(b0().GunList.GetGunNo(x, y), 0);
    EXPECT_EQ(b0().JiList.GetCount(), 0);
}

TEST_F(GunTest, ChainsLinkedThroughAThirdChainMakeOneGroup)
{
    // Black (2,3) and (6,3) are linked only through (4,3); white (8,7) is
    // alone.  Numbers follow the first stone in scan order.
    Analyse(R"(
        . . . . . . . . .
        . . . . . . . . .
        . X . X . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . O .
        . . . . . . . . .
        . . . . . . . . .)");
    const TGunList& gl = b0().GunList;
    ASSERT_EQ(gl.GetCount(), 2);
    const TGun& black = *gl.GetGun(1);
    EXPECT_EQ(black.GetIsiIro(), kKuro);
    EXPECT_EQ(black.GetRenSu(), 3);
    EXPECT_EQ(black.GetIsiSu(), 3);
    // Grown breadth-first from the first stone.
    EXPECT_EQ(black.GetYoso(1), Point(2, 3));
    EXPECT_EQ(black.GetYoso(2), Point(4, 3));
    EXPECT_EQ(black.GetYoso(3), Point(6, 3));
    EXPECT_EQ(gl.GetGunNo(6, 3), 1);
    EXPECT_EQ(gl.GetGunNo(8, 7), 2);
    EXPECT_EQ(gl.GetGunAt(Point(8, 7))->GetIsiIro(), kSiro);
    EXPECT_EQ(gl.GetGunAt(Point(5, 5)), nullptr);
    // Every chain knows its group.
    EXPECT_EQ(b0().RenList.RenAt(4, 3)->GetGunNo(), 1);
    EXPECT_EQ(black.HasIsi(Point(6, 3)), 1);
    EXPECT_EQ(black.HasIsi(Point(8, 7)), 0);
}

TEST_F(GunTest, GroupsAreNumberedInScanOrderWhateverTheChainNumbers)
{
    // Chains numbered out of scan order (a chain list kept up to date move
    // by move numbers new chains into free slots) give the same groups under
    // the same numbers as chains numbered afresh.
    const std::string diagram = R"(
        . . . . . . . . .
        . X X . . O . . .
        . . . . . O . . .
        . X . . . . . X .
        . . . O . . . . .
        . . . O . . X . .
        . O . . . . . . .
        . . . . . X . O .
        . . . . . . . . .)";
    struct TGroup {
        int Colour;
        std::set<std::pair<int, int>> Stones;
    };
    auto groups = [this] {
        std::vector<TGroup> list;
        const TGunList& gl = b0().GunList;
        for (int n = 1; n <= gl.GetCount(); ++n) {
            const TGun& g = *gl.GetGun(n);
            TGroup e{g.GetIsiIro(), {}};
            for (int i = 1; i <= g.GetIsiSu(); ++i)
                e.Stones.insert({g.GetYoso(i).x, g.GetYoso(i).y});
            list.push_back(e);
        }
        return list;
    };
    Analyse(diagram);
    const std::vector<TGroup> fresh = groups();
    ASSERT_GE(fresh.size(), 4u);

    // Swap the numbers of the first and the last chain, then build again.
    TRenList& rl = b0().RenList;
    const int last = rl.Count();
    const Point first = rl.Items(1)->GetIsi(1), lastStone = rl.Items(last)->GetIsi(1);
    rl.DeleteRen(1);
    rl.DeleteRen(last);
    ASSERT_TRUE(rl.AddRen(lastStone.x, lastStone.y, 1));
    ASSERT_TRUE(rl.AddRen(first.x, first.y, last));
    rl.CalcAll();
    for (int step = 2; step <= 11; ++step)
        b0().AnalyzeStep(step);
    EXPECT_EQ(b0().GunList.GetGunNo(first.x, first.y), 1);
    const std::vector<TGroup> renumbered = groups();
    ASSERT_EQ(renumbered.size(), fresh.size());
    for (std::size_t n = 0; n < fresh.size(); ++n) {
        EXPECT_EQ(renumbered[n].Colour, fresh[n].Colour) << "group " << n + 1;
        EXPECT_EQ(renumbered[n].Stones, fresh[n].Stones) << "group " << n + 1;
        for (const auto& [x, y] : fresh[n].Stones)
            EXPECT_EQ(b0().GunList.GetGunNo(x, y), static_cast<int>(n) + 1);
    }
}

TEST_F(GunTest, RelatedPointsKeepTheClosestKindAndCountLibertiesOnce)
{
    // (3,4) is next to black (3,3) and diagonal to (2,3): it keeps the
    // adjacent kind and the stone beside it.  (4,4) is only diagonal.
    Analyse(R"(
        . . . . . . . . .
        . . . . . . . . .
        . X X . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const TGun& g = GunAt(Point(2, 3));
    // Six liberties, each listed once with kind 1 and the stone beside it.
    EXPECT_EQ(g.GetDame(), 6);
    std::set<std::pair<int, int>> listed;
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const Point p = g.GetFromB(i);
        EXPECT_TRUE(listed.insert({p.x, p.y}).second) << "listed twice: " << p.x << "," << p.y;
        if (p == Point(3, 4)) {
            EXPECT_EQ(g.GetFromValue(i), KankeiTonari);
            EXPECT_EQ(g.GetFromA(i), Point(3, 3));
        }
        if (p == Point(4, 4)) {
            EXPECT_EQ(g.GetFromValue(i), KankeiNaname);
        }
    }
    EXPECT_EQ(g.IsDamePt(Point(3, 4)), 1);
    EXPECT_EQ(g.IsDamePt(Point(4, 4)), 0);
    Point list[8];
    // Liberties reached from (3,3): above, right and below.
    EXPECT_EQ(g.GetFromList(Point(3, 3), KankeiTonari, list), 3);
    // The value of the group: 4 per stone and 2 per point of kind 4 or less.
    int close = 0;
    for (int i = 1; i <= g.GetFromSu(); ++i)
        close += g.GetFromValue(i) < 5;
    EXPECT_EQ(g.GetKati(), 8 + 2 * close);
}

TEST_F(GunTest, RelatedPointsOfEveryGroupAsIfEachRelationWereToldInTurn)
{
    // The analysis lists each group's related points in one pass that keeps
    // the nearest relation per group; telling the group every relation of
    // every empty point one by one (y outer, x inner) must list the same
    // points, in the same order, with the same stones, kinds and liberties.
    for (int size : {9, 13, 19})
        for (int seed = 1; seed <= 5; ++seed) {
            RandomPosition(size, size * size * (2 + seed) / 10, static_cast<std::uint64_t>(7300 + 10 * size + seed));
            TGoban& b = b0();
            for (int step = 1; step <= 12; ++step)
                b.AnalyzeStep(step);
            const TGunList& gl = b.GunList;
            for (int n = 1; n <= gl.GetCount(); ++n) {
                const TGun& g = *gl.GetGun(n);
                auto told = std::make_unique<TGun>();
                for (int y = 1; y <= size; ++y)
                    for (int x = 1; x <= size; ++x) {
                        if (b.Ban[x][y] != kAki)
                            continue;
                        const TLocate& loc = b.Locate[x][y];
                        for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
                            const Point a = loc.GetKankeiPoint(i);
                            if (loc.OnBoardAt(i) && gl.GetGunNo(a.x, a.y) == n)
                                told->AddFrom(a, Point(x, y), loc.GetKankeiKind(i));
                        }
                    }
                const std::string where = "size " + std::to_string(size) + " seed " + std::to_string(seed)
                                          + " group " + std::to_string(n) + "\n" + BoardDiagram(b);
                ASSERT_EQ(g.GetFromSu(), told->GetFromSu()) << where;
                for (int i = 1; i <= g.GetFromSu(); ++i) {
                    EXPECT_EQ(g.GetFromB(i), told->GetFromB(i)) << where << " entry " << i;
                    EXPECT_EQ(g.GetFromA(i), told->GetFromA(i)) << where << " entry " << i;
                    EXPECT_EQ(g.GetFromValue(i), told->GetFromValue(i)) << where << " entry " << i;
                }
                EXPECT_EQ(g.GetDame(), told->GetDame()) << where;
            }
        }
}

TEST_F(GunTest, RegionsStartAtTheLibertiesInTheOrderOfTheRelatedPoints)
{
    // Each liberty on the group's own side that no earlier region of the
    // group holds starts the next region, in the order of the related
    // points; a liberty an earlier region holds starts none.
    int regions = 0;
    for (int size : {9, 13, 19})
        for (int seed = 1; seed <= 4; ++seed) {
            RandomPosition(size, size * size * (3 + seed) / 10, static_cast<std::uint64_t>(8100 + 10 * size + seed));
            TGoban& b = b0();
            for (int step = 1; step <= 14; ++step)
                b.AnalyzeStep(step);
            const TGunList& gl = b.GunList;
            for (int n = 1; n <= gl.GetCount(); ++n) {
                const TGun& g = *gl.GetGun(n);
                const std::string where = "size " + std::to_string(size) + " seed " + std::to_string(seed)
                                          + " group " + std::to_string(n) + "\n" + BoardDiagram(b);
                std::set<std::pair<int, int>> held;
                int next = 1;
                for (int i = 1; i <= g.GetFromSu(); ++i) {
                    const Point p = g.GetFromB(i);
                    const int area = GetAreaMap(p);
                    const bool own = g.GetIsiIro() == kKuro ? area >= 1 : area < 0;
                    if (g.GetFromValue(i) != KankeiTonari || !own || held.count({p.x, p.y}) != 0)
                        continue;
                    ASSERT_LE(next, g.GetJisu()) << where << " liberty " << p.x << "," << p.y;
                    const TJi* ji = b.JiList.GetJi(g.GetJi(next++));
                    ASSERT_NE(ji, nullptr) << where;
                    EXPECT_EQ(ji->GetYoso(1), p) << where;
                    for (int k = 1; k <= ji->GetJisu(); ++k)
                        held.insert({ji->GetYoso(k).x, ji->GetYoso(k).y});
                }
                // Regions of dead stones no group reached come after these.
                for (; next <= g.GetJisu(); ++next) {
                    const TJi* ji = b.JiList.GetJi(g.GetJi(next));
                    ASSERT_NE(ji, nullptr) << where;
                    EXPECT_NE(b.GetIro(ji->GetYoso(1).x, ji->GetYoso(1).y), kAki) << where;
                }
                regions += g.GetJisu();
            }
        }
    EXPECT_GT(regions, 100);
}

TEST_F(GunTest, LibertiesBesideARacePartnerAreToldFromTheOthersInOrder)
{
    // After the judgement a group in a race splits its liberties, in the
    // order of its related points: those related to a stone of a partner
    // group, and the others.
    int racing = 0;
    for (int size : {9, 13, 19})
        for (int seed = 1; seed <= 6; ++seed) {
            RandomPosition(size, size * size * (4 + seed) / 10, static_cast<std::uint64_t>(8600 + 10 * size + seed));
            TGoban& b = b0();
            b.Analyze();
            const TGunList& gl = b.GunList;
            for (int n = 1; n <= gl.GetCount(); ++n) {
                const TGun& g = *gl.GetGun(n);
                if (g.GetSmai() != 1)
                    continue;
                ++racing;
                std::vector<Point> in, out;
                for (int i = 1; i <= g.GetFromSu(); ++i) {
                    if (g.GetFromValue(i) != KankeiTonari)
                        continue;
                    const Point p = g.GetFromB(i);
                    const TLocate& loc = b.Locate[p.x][p.y];
                    bool partner = false;
                    for (int k = 1; k <= loc.GetKankeiSu(); ++k) {
                        if (!loc.OnBoardAt(k))
                            continue;
                        const Point a = loc.GetKankeiPoint(k);
                        for (int j = 1; j <= g.GetSemeaiSu(); ++j)
                            partner = partner || gl.GetGunNo(a.x, a.y) == g.GetSemeai(j);
                    }
                    (partner ? in : out).push_back(p);
                }
                std::vector<Point> listedIn, listedOut;
                for (int i = 1; i <= g.GetDameInSu(); ++i)
                    listedIn.push_back(g.GetDameIn(i));
                for (int i = 1; i <= g.GetDameOutSu(); ++i)
                    listedOut.push_back(g.GetDameOut(i));
                const std::string where = "size " + std::to_string(size) + " seed " + std::to_string(seed)
                                          + " group " + std::to_string(n) + "\n" + BoardDiagram(b);
                EXPECT_EQ(listedIn, in) << where;
                EXPECT_EQ(listedOut, out) << where;
            }
        }
    EXPECT_GT(racing, 5);
}

TEST_F(GunTest, NeighbourGroupsAreListedOnce)
{
    Analyse(R"(
        . . . . . . . . .
        . . O . . . . . .
        . O X O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const TGun& black = GunAt(Point(3, 3));
    EXPECT_GE(black.GetMgunSu(), 1);
    std::set<int> seen;
    for (int i = 1; i <= black.GetMgunSu(); ++i) {
        EXPECT_TRUE(seen.insert(black.GetMgun(i)).second);
        EXPECT_EQ(b0().GunList.GetGun(black.GetMgun(i))->GetIsiIro(), kSiro);
    }
    int mren[8];
    EXPECT_EQ(black.ListMren(mren), 3);
}

// ---------------------------------------------------------------------------
// Life and death by eyes

TEST_F(GunTest, TwoSeparateEyesLive)
{
    Analyse(life::kTwoEyes);
    const TGun& g = GunAt(Point(2, 1));
    EXPECT_EQ(g.GetJisu(), 2);
    EXPECT_EQ(g.GetMe(), 4);
    EXPECT_EQ(g.GetDeath(), 0);
    EXPECT_FALSE(g.IsWeak());
    EXPECT_EQ(g.GetDeathLevel(), 0);
    EXPECT_EQ(g.IsDeath90(), 0);
    EXPECT_EQ(b0().GetKakeme(1, 1), kKakemeNo);
    EXPECT_EQ(b0().GetKakeme(3, 1), kKakemeNo);
}

TEST_F(GunTest, AFalseEyeLeavesOneEyeAndTheGroupDies)
{
    // White (4,2) ataris (4,1): the eye at (3,1) is false.
    Analyse(life::kFalseEye);
    EXPECT_EQ(b0().GetKakeme(3, 1), kKakemeYes);
    EXPECT_EQ(b0().GetKakeme(1, 1), kKakemeNo);
    const TGun& g = GunAt(Point(2, 1));
    EXPECT_EQ(g.GetMe(), 2);
    EXPECT_EQ(g.GetDeath(), 1);
    EXPECT_EQ(b0().IsDeath(2, 2), 1);
    EXPECT_EQ(g.GetDeathLevel(), 94);
    EXPECT_EQ(g.IsDeath90(), 1);
    EXPECT_EQ(GunAt(Point(5, 1)).GetDeath(), 0);
}

// ---------------------------------------------------------------------------
// Dead at once

TEST_F(GunTest, ALoneStoneWithoutRoomIsDeadAtOnce)
{
    // Black (3,8): two liberties inside white's wall, no eye, no room.
    Analyse(life::kLoneStone);
    const TGun& g = GunAt(Point(3, 8));
    EXPECT_EQ(g.GetMe(), 0);
    EXPECT_EQ(g.GetKokyuSu(), 0);
    EXPECT_EQ(g.GetDeath1(), 1);
    EXPECT_EQ(g.GetDeath(), 1);
    EXPECT_EQ(g.GetDeathLevel(), 100);
    // Its point went to white's area.
    EXPECT_LT(AreaMap[3][8], 0);
}

// The empty points near a dead group are counted again with its stones
// dead, and each keeps every relation once: counting them again records no
// relation a second time.
TEST_F(GunTest, ADeadGroupsPointsKeepEachRelationOnce)
{
    struct Case {
        std::string what;
        std::string diagram;
        std::uint64_t seed; // 0: the diagram; else a seeded random 9x9 position
    };
    const Case cases[] = {
        {"a lone stone inside a wall", life::kLoneStone, 0},
        {"an eye and a false eye", life::kFalseEye, 0},
        {"a random position", "", 61},
        {"a random position", "", 62},
        {"a random position", "", 63},
        {"a random position", "", 64},
    };
    int deadGroups = 0;
    for (const Case& c : cases) {
        if (c.seed == 0)
            SetBoard(c.diagram);
        else
            RandomPosition(9, 50, c.seed);
        b0().Analyze();
        const TGunList& gl = b0().GunList;
        for (int n = 1; n <= gl.GetCount(); ++n)
            deadGroups += gl.GetGun(n) != nullptr && gl.GetGun(n)->GetDeath() == 1 ? 1 : 0;
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x) {
                const TLocate& l = b0().GetLocate(x, y);
                std::set<std::tuple<int, int, int>> seen;
                for (int i = 1; i <= l.GetKankeiSu(); ++i) {
                    const Point p = l.GetKankeiPoint(i);
                    EXPECT_TRUE(seen.insert({p.x, p.y, l.GetKankeiKind(i)}).second)
                        << c.what << " " << c.seed << ": point " << x << "," << y << " relates twice to " << p.x
                        << "," << p.y << "\n"
                        << BoardDiagram(b0());
                }
            }
    }
    EXPECT_GE(deadGroups, 4);
}

TEST_F(GunTest, AStoneInAtariBesideAnEnemyChainInAtariIsNotDeadAtOnce)
{
    // Black (2,1) is in atari, and so is white (3,1) beside it.
    Analyse(R"(
        . X O X . . . . .
        O O . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(GunAt(Point(2, 1)).GetDeath1(), 0);
    // Without black (4,1) white (3,1) has two liberties: dead at once.
    Analyse(R"(
        . X O . . . . . .
        O O . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(GunAt(Point(2, 1)).GetDeath(), 1);
}

TEST_F(GunTest, RoomToBreatheSparesAGroupOnlyWhileTheGameRuns)
{
    // White (7,8)-(7,9): one eye's worth of area on the edge and room in
    // the open.  During the game that room is enough; once the game is over
    // the group is judged, and with no weak neighbour it is dead.
    const char* diagram = R"(
        . . . . . . . . .
        X . . . . . . . .
        . O . . . . . X X
        . . . . . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . X X . . . . .
        . . . . . . O . .
        . . . . . . O . .)";
    Analyse(diagram);
    {
        const TGun& g = GunAt(Point(7, 8));
        ASSERT_EQ(g.GetMe(), 2);
        ASSERT_GE(g.GetKokyuSu(), 4);
        EXPECT_EQ(g.GetDeath(), 0);
        EXPECT_EQ(g.GetSmai(), 0);
    }
    GameOver = 1;
    Analyse(diagram);
    EXPECT_EQ(GunAt(Point(7, 8)).GetDeath(), 1);
}

// ---------------------------------------------------------------------------
// Capturing races and seki

TEST_F(GunTest, TwoEyelessGroupsSharingTheirLastLibertiesAreSeki)
{
    Analyse(life::kSeki);
    const TGun& black = GunAt(Point(2, 1));
    const TGun& white = GunAt(Point(4, 1));
    EXPECT_EQ(black.GetSmai(), 1);
    EXPECT_EQ(white.GetSmai(), 1);
    EXPECT_EQ(black.GetSeki(), 1);
    EXPECT_EQ(white.GetSeki(), 1);
    EXPECT_EQ(black.GetDeath(), 0);
    EXPECT_EQ(white.GetDeath(), 0);
    EXPECT_EQ(black.GetSemeai(1), white.GetGunNo());
    // The shared liberties are counted as inside the race.
    EXPECT_EQ(black.GetDameInSu(), 2);
    EXPECT_EQ(black.GetDameOutSu(), 0);
    EXPECT_EQ(GunAt(Point(1, 1)).GetDeath(), 0);
    EXPECT_EQ(GunAt(Point(5, 1)).GetDeath(), 0);
}

TEST_F(GunTest, ALibertyMoreWinsTheCapturingRace)
{
    Analyse(life::kRace);
    const TGun& black = GunAt(Point(2, 1));
    const TGun& white = GunAt(Point(4, 1));
    EXPECT_EQ(black.GetDame(), 3);
    EXPECT_EQ(white.GetDame(), 2);
    EXPECT_EQ(white.GetLost(), 1);
    EXPECT_EQ(white.GetDeath(), 1);
    EXPECT_EQ(black.GetLost(), 0);
    EXPECT_EQ(black.GetWin(), 1);
    EXPECT_EQ(black.GetDeath(), 0);
    EXPECT_EQ(black.GetSeki(), 0);
    // The winner's eye value takes the loser's area.
    EXPECT_GE(black.GetMe(), 4);
    // The loser's neighbours share its area as allies.
    const TGun& wall = GunAt(Point(5, 1));
    EXPECT_EQ(wall.GetLinkSu(), 1);
    EXPECT_EQ(wall.GetLink(1), black.GetGunNo());
    EXPECT_GT(AreaMap[4][2], 0);
}

// ---------------------------------------------------------------------------
// Death level and eye values summed over allies

TEST_F(GunTest, DeathLevelOfAWeakGroupWithTwoJumpsToBreathe)
{
    // The white group at (5,11): one half eye (Me 1), two breathing points
    // of kind 3 next to no living group, and every far point near black:
    // 98 - 3 - 3 - 2 * 5 = 82.
    BoardSize = 13;
    Analyse(R"(
        . . O . . X O . X O O O .
        X . X . X O . X O . X X .
        . O X O X X O O O . O X .
        . X . . O . O O X X X O O
        O O . O O . O . . X . O .
        . . X . X . . . . O X . X
        . . O O . X . X . O X X .
        O O . X . . X . O . . X .
        O X . . . . . X O . X . X
        . X . . . . . X O X . . X
        . X X X O O . . O X . . X
        X X O X . . O X . X . . X
        O . O . . O . . O X O O O)");
    const TGun& g = GunAt(Point(5, 11));
    ASSERT_EQ(g.GetMe(), 1);
    ASSERT_EQ(g.GetKokyuSu(), 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(g.GetKokyuValue(i), Kankei1ken);
        EXPECT_EQ(b0().GetLocatePt(g.GetKokyu(i)).HasLiveGun(g.GetGunNo(), kSiro), 0);
    }
    EXPECT_EQ(g.GetDeathLevel(), 82);
    EXPECT_TRUE(g.IsWeak());
    EXPECT_TRUE(g.IsWeak20());
    EXPECT_EQ(g.IsDeath70(), 0); // in a capturing race
}

TEST_F(GunTest, AllyRegionsReachedTwiceCountOnce)
{
    // Three lone black stones far apart, each with open area of its own.
    Analyse(Diagram19([](int x, int y) {
        const Point p(x, y);
        return p == Point(4, 4) || p == Point(16, 4) || p == Point(10, 16) ? "X " : ". ";
    }));
    TGun& a = GunAt(Point(4, 4));
    TGun& l1 = GunAt(Point(16, 4));
    TGun& l2 = GunAt(Point(10, 16));
    const int own = RegionMe(a), me1 = RegionMe(l1), me2 = RegionMe(l2);
    ASSERT_GT(own, 0);
    ASSERT_GT(me2, 0);
    // a is linked to both, and l1 to l2: l2's regions are reached directly
    // and through l1, and count once.
    a.AddLink(l1.GetGunNo());
    a.AddLink(l2.GetGunNo());
    l1.AddLink(l2.GetGunNo());
    EXPECT_EQ(a.GetLinkSu(), 2);
    a.SetReCount();
    a.CalcMe();
    EXPECT_EQ(a.GetMe(), own + me1 + me2);
    EXPECT_EQ(a.GetMeLink(), a.GetMe() + l1.GetMe() + l2.GetMe());
    EXPECT_EQ(a.GetDameAll(), a.GetDame() + l1.GetDame() + l2.GetDame());
}

TEST_F(GunTest, LinkLimitsAndTheSavedEyeValue)
{
    Analyse(R"(
        . X O . X O . X O
        X X O X X O X X O
        O O O O O O O O O
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TGun& a = GunAt(Point(2, 1));
    const int me = a.GetMe();
    EXPECT_TRUE(a.AddLink(5));
    EXPECT_EQ(a.GetMeSaved(), me);
    EXPECT_FALSE(a.AddLink(5));
    EXPECT_TRUE(a.AddLink(6));
    EXPECT_TRUE(a.AddLink(7));
    EXPECT_FALSE(a.AddLink(8)); // three at most
    EXPECT_EQ(a.GetLinkSu(), kMaxLink);
    // A group alive by eyes with a link is never weak.
    TGun& w = GunAt(Point(1, 3));
    ASSERT_GE(w.GetMe(), 4);
    w.AddLink(a.GetGunNo());
    EXPECT_FALSE(w.IsWeak());
    // Dead: the eye value of a living group is cleared; alive again keeps it.
    w.SetDeath(1);
    EXPECT_EQ(w.GetMe(), 0);
    EXPECT_EQ(b0().IsDeath(1, 3), 1);
    w.SetDeath(0);
    EXPECT_EQ(w.GetMe(), 0);
    EXPECT_EQ(b0().IsDeath(1, 3), 0);
}

// ---------------------------------------------------------------------------
// Candidate points

TEST_F(GunTest, LifeAndDeathCandidatesStartAtTheVitalPoint)
{
    Analyse(life::kStraightThree);
    const TGun& g = GunAt(Point(1, 1));
    ASSERT_EQ(g.GetMe(), 3);
    Point list[kMaxSikatuKoho];
    const int n = g.SikatuKoho(list, kSiro);
    ASSERT_GE(n, 1);
    EXPECT_EQ(list[0], Point(3, 2));
    for (int i = 0; i < n; ++i)
        for (int k = i + 1; k < n; ++k)
            EXPECT_NE(list[i], list[k]);
    // A short list is filled to its end and no further.
    Point one[1];
    EXPECT_EQ(g.SikatuKoho(one, kKuro), 1);

    g.KohoTe();
    EXPECT_EQ(KohoTeMap[1][1], 1); // a stone
    EXPECT_EQ(KohoTeMap[3][2], 1); // a related point
    EXPECT_EQ(KohoTeMap[9][9], 0);
}

TEST_F(GunTest, LifeAndDeathCandidatesTakeTheGapOfAFlankedJump)
{
    // Black's one-space jump C5-E5 with White on both sides of the gap.
    Analyse(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . X . X . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    KohoLocateMake();
    bool jump = false;
    for (int i = 1; i <= b0().PairCount(); ++i)
        jump = jump || b0().PairKind(i) == Kankei1ken;
    ASSERT_TRUE(jump);
    Point list[kMaxSikatuKoho];
    const int n = GunAt(Point(3, 5)).SikatuKoho(list, kSiro);
    EXPECT_TRUE(PtInList(Point(4, 5), list, n));
}

TEST_F(GunTest, LifeAndDeathCandidatesOfGamePositionsWithTheirPairLists)
{
    // Positions of seeded random games with the pair list made as the
    // engine makes it: one-space pairs touching groups are common there.
    int withJumps = 0, positions = 0;
    for (int size : {9, 13, 19})
        for (int seed = 1; seed <= 6; ++seed) {
            RandomPosition(size, size * size / 3 + 10 * seed, static_cast<std::uint64_t>(4400 + 10 * size + seed));
            b0().Analyze();
            KohoLocateMake();
            ++positions;
            const TGunList& gl = b0().GunList;
            bool jump = false;
            for (int i = 1; i <= b0().PairCount(); ++i)
                jump = jump || b0().PairKind(i) == Kankei1ken;
            withJumps += jump ? 1 : 0;
            for (int n = 1; n <= gl.GetCount(); ++n) {
                const TGun* g = gl.GetGun(n);
                ASSERT_NE(g, nullptr);
                for (int c : {kKuro, kSiro}) {
                    Point list[kMaxSikatuKoho];
                    int k = 0;
                    ASSERT_NO_THROW(k = g->SikatuKoho(list, c)) << "size " << size << " seed " << seed;
                    ASSERT_LE(k, kMaxSikatuKoho);
                    for (int i = 0; i < k; ++i) {
                        ASSERT_TRUE(b0().OnBoardPt(list[i])) << BoardDiagram(b0());
                        for (int j = i + 1; j < k; ++j)
                            ASSERT_NE(list[i], list[j]);
                    }
                }
            }
        }
    EXPECT_GT(withJumps, positions / 2);
}

// ---------------------------------------------------------------------------
// The judgement's rules on positions of seeded games

TEST_F(GunTest, ALoneEdgeStoneCountsOnlyThePartsInsideItsRegion)
{
    // A lone first-line stone under enemy stones: dividing its region at a
    // point leaves parts inside the region only; the empty points beside
    // it that belong to no region of its own add nothing.  Three eyes'
    // worth, and the stone is weak.
    const struct {
        const char* diagram;
        Point stone;
    } cases[] = {
        {R"(
        . . . . . . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        X . . . . . . . O
        . . . . . . . . O
        . X O . . . . . X
        . . X X . . . . .
        . O . . . . . . .)",
         {9, 7}},
        {R"(
        . . . X . . . . .
        O . . . . . . O O
        . O X . . . . X .
        X . . . . O . . .
        . . . . . O X . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . X . .)",
         {7, 9}},
    };
    for (const auto& c : cases) {
        Analyse(c.diagram);
        const TGun& g = GunAt(c.stone);
        ASSERT_EQ(g.GetIsiSu(), 1);
        EXPECT_EQ(g.GetMe(), 3) << BoardDiagram(b0());
        EXPECT_TRUE(g.IsWeak()) << BoardDiagram(b0());
    }
}

TEST_F(GunTest, ADeadGroupOfFiveOrMoreWithSomeEyeKeepsItsArea)
{
    // Dead without a race partner: a group of five or more stones with one
    // or two eyes' worth keeps its area; its stones do not become the
    // other side's points (a lone stone's do, as above).
    const struct {
        const char* diagram;
        Point stone;
    } cases[] = {
        {R"(
        . X X X X X . O O
        X . O X X O . . .
        O . O . O . O X .
        X . O O X X O O O
        . X . X O . . O O
        . X . . . X X . X
        . O X . . X O O .
        X X . O X . X . .
        O . . X O O X O O)",
         {2, 1}},
        {R"(
        . . . . O O . . .
        X . X . . . O . X
        . . . . X . . O .
        O . O . X . . O .
        . . O . . O . . X
        . . . X X . . X .
        X . O . . . . X .
        X . . . . . . . .
        O . X . O . . . .)",
         {5, 1}},
    };
    for (const auto& c : cases) {
        Analyse(c.diagram);
        const TGun& g = GunAt(c.stone);
        ASSERT_EQ(g.GetDeath(), 1);
        ASSERT_EQ(g.GetSmai(), 0);
        ASSERT_GE(g.GetIsiSu(), 5);
        ASSERT_GE(g.GetMe(), 1);
        ASSERT_LE(g.GetMe(), 2);
        const int taken = g.GetIsiIro() == kKuro ? -1 : 1;
        for (int i = 1; i <= g.GetIsiSu(); ++i) {
            const Point p = g.GetYoso(i);
            EXPECT_NE(AreaMap[p.x][p.y], taken) << p.x << "," << p.y << "\n" << BoardDiagram(b0());
        }
    }
}

TEST_F(GunTest, WhenBothSidesLoseTheirRaceTheOneWithMoreLibertiesLives)
{
    // Black's A8 and White's A7 groups each lost their race; the counts,
    // each lowered to the side's shortest chain, differ and Black's is the
    // larger: Black lives, White stays dead.
    Analyse(R"(
        O O . O O X X O O
        X X X O . . O . O
        O . O X . X O O O
        X O O X O X . O X
        X X . O X . X X X
        . . O X . O X . X
        X . X . . O O X O
        X O O X O O X . .
        . X X . . . O X X)");
    const TGun& black = GunAt(Point(1, 2));
    const TGun& white = GunAt(Point(1, 3));
    EXPECT_EQ(black.GetLost(), 1);
    EXPECT_EQ(white.GetLost(), 1);
    EXPECT_EQ(black.GetDeath(), 0);
    EXPECT_EQ(white.GetDeath(), 1);
}

TEST_F(GunTest, SekiInsideAnEyeOfAGroupWithoutARace)
{
    // White's E9 group has one region worth an eye, and the stones inside
    // it make a shape the region calls seki: the group is marked seki
    // though it is in no race.
    Analyse(R"(
        . X X . O O O . .
        O X X O . . O X .
        O X O O . . X X .
        O O O . X O X . .
        X . . O . . . X .
        . X . X X X . X X
        O X X X . . . O .
        O . . . O . . . .
        O X . . O . O . .)");
    const TGun& g = GunAt(Point(5, 1));
    EXPECT_EQ(g.GetSmai(), 0);
    EXPECT_EQ(g.GetMe(), 4);
    EXPECT_EQ(g.GetSeki(), 1);
    EXPECT_EQ(g.GetDeath(), 0);
}

TEST_F(GunTest, CandidatesOfFalseEyesAndBorders)
{
    // The diagonal of a point that may become a false eye, where the other
    // side may play.
    Analyse(R"(
        O . . . X . . O .
        O X . X X . . X .
        . . O O . . . . .
        . O O . . . X X .
        X . . O . . . . .
        . . . . . . O . .
        . . . O . . . . .
        . . X . O X . . .
        . X . . . . . . .)");
    Point list[31];
    const TJi& kakeme = JiAt(Point(4, 1));
    EXPECT_EQ(std::vector<Point>(list, list + kakeme.KohoKakeme(std::span<Point>(list, 30))),
              (std::vector<Point>{{3, 2}}));
    // The neutral points just outside the border points, and beside a
    // first-line one the second-line point.
    Analyse(R"(
        . . . . . X . . .
        . . . . . . . X .
        . . . . X . . . .
        . . O . O X . O .
        . . . . O . O X .
        . . . . . X X . O
        . X . . O . X . .
        O X . X . . . . .
        . . . O . . . . O)");
    const TJi& border = JiAt(Point(2, 4));
    EXPECT_EQ(std::vector<Point>(list, list + border.KohoBorder(std::span<Point>(list, 30))),
              (std::vector<Point>{{2, 5}, {1, 5}, {2, 5}, {1, 2}, {2, 2}}));
}

// ---------------------------------------------------------------------------
// Capacities: positions that fill every table

// Checks what every analysis must keep: every stone in the group of its
// colour, the stones of the groups adding up, liberties counted once, region
// points on the board, values in their ranges.
void CheckAnalysis(TGoban& b, const std::string& where)
{
    const TGunList& gl = b.GunList;
    int stones = 0, grouped = 0;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            ASSERT_LE(b.GetKakeme(x, y), kKakemeNotMe) << where;
            if (c != kKuro && c != kSiro)
                continue;
            ++stones;
            const TGun* g = gl.GetGunAt(Point(x, y));
            ASSERT_NE(g, nullptr) << where;
            ASSERT_EQ(g->GetIsiIro(), c) << where;
        }
    for (int n = 1; n <= gl.GetCount(); ++n) {
        const TGun* g = gl.GetGun(n);
        ASSERT_NE(g, nullptr) << where;
        ASSERT_EQ(g->GetGunNo(), n) << where;
        grouped += g->GetIsiSu();
        ASSERT_GE(g->GetMe(), 0) << where;
        ASSERT_GE(g->GetDeathLevel(), 0) << where;
        ASSERT_LE(g->GetDeathLevel(), 100) << where;
        // Liberties: the distinct empty points beside the group.
        std::set<std::pair<int, int>> libs;
        for (int i = 1; i <= g->GetIsiSu(); ++i)
            for (int d = 1; d <= 4; ++d) {
                const Point q = Dir4Pt(g->GetYoso(i), d);
                if (b.GetIroPt(q) == kAki)
                    libs.insert({q.x, q.y});
            }
        ASSERT_EQ(g->GetDame(), static_cast<int>(libs.size())) << where << " group " << n;
        for (int i = 1; i <= g->GetJisu(); ++i) {
            const TJi* ji = b.JiList.GetJi(g->GetJi(i));
            if (ji == nullptr)
                continue;
            ASSERT_GE(ji->GetMe(), 0) << where;
            ASSERT_LE(ji->GetMe(), 6) << where;
            for (int k = 1; k <= ji->GetJisu(); ++k)
                ASSERT_TRUE(b.OnBoardPt(ji->GetYoso(k))) << where;
        }
        Point koho[kMaxSikatuKoho];
        ASSERT_LE(g->SikatuKoho(koho, kKuro), kMaxSikatuKoho) << where;
        g->KohoTe();
    }
    ASSERT_EQ(grouped, stones) << where;
}

// Black on every other point of a 19x19 board, with white stones in the
// holes where `white` says.
template <class F>
std::string Lattice(F white)
{
    return Diagram19([&white](int x, int y) { return (x + y) % 2 == 0 ? "X " : white(x, y) ? "O " : ". "; });
}

TEST_F(GunTest, ALatticeFillsTheChainRegionAndRelatedPointTables)
{
    // One group of 181 single-stone chains joined along the diagonals, with
    // 180 one-point regions.
    Analyse(Lattice([](int, int) { return false; }));
    ASSERT_NO_FATAL_FAILURE(CheckAnalysis(b0(), "lattice"));
    ASSERT_EQ(b0().GunList.GetCount(), 1);
    const TGun& g = *b0().GunList.GetGun(1);
    EXPECT_EQ(g.GetRenSu(), 181);
    EXPECT_EQ(g.GetJisu(), 180);
    EXPECT_EQ(g.GetFromSu(), 180);
    EXPECT_EQ(g.GetDeath(), 0);
    EXPECT_GE(g.GetMe(), 4);
    // White stones in some holes: the false-eye test beside them follows the
    // chain net through the whole lattice.
    Analyse(Lattice([](int x, int y) { return x % 6 == 3 && y % 4 == 2; }));
    ASSERT_NO_FATAL_FAILURE(CheckAnalysis(b0(), "lattice with white"));
    EXPECT_GT(b0().GunList.GetGunAt(Point(1, 1))->GetRenSu(), 100);
}

TEST_F(GunTest, ACheckerboardWithFewHolesMakesOverAHundredGroups)
{
    // Diagonal neighbours of one colour between two enemy stones are not
    // linked: most stones are groups of their own.  (Most chains have
    // no liberty: the analysis takes any colours.)
    const std::string diagram = Diagram19([](int x, int y) {
        return x % 4 == 2 && y % 4 == 2 ? ". " : (x + y) % 2 ? "X " : "O ";
    });
    for (int over = 0; over <= 1; ++over) {
        GameOver = static_cast<unsigned char>(over);
        Analyse(diagram);
        ASSERT_NO_FATAL_FAILURE(CheckAnalysis(b0(), "checkerboard"));
        EXPECT_GT(b0().GunList.GetCount(), 100);
    }
}

TEST_F(GunTest, ALongWallRelatesToMoreThanTwoHundredPoints)
{
    Analyse(Diagram19([](int x, int y) { return (y == 10 && x <= 18) || (x == 10 && y <= 18) ? "X " : ". "; }));
    ASSERT_NO_FATAL_FAILURE(CheckAnalysis(b0(), "wall"));
    EXPECT_GT(b0().GunList.GetGun(1)->GetFromSu(), 180);
}

TEST_F(GunTest, ASmallerBoardAfterALargerOneKeepsItsRegionsOnTheBoard)
{
    // The area map beyond a 9x9 board still holds white's area from the
    // 19x19 position analysed before; a dead black stone on the 9x9 edge
    // hands its area over without reaching past the edge.
    Analyse(Diagram19([](int x, int y) { return (x == 12 && y <= 12) || (y == 12 && x <= 12) ? "O " : ". "; }));
    ASSERT_LT(AreaMap[10][5], 0);
    BoardSize = 9;
    b0().NewGame();
    for (Point p : {Point(8, 4), Point(8, 6), Point(7, 5), Point(9, 4), Point(9, 6), Point(6, 5)})
        b0().SetIro(p.x, p.y, kSiro);
    b0().SetIro(9, 5, kKuro);
    b0().SetIro(8, 5, kKuro);
    b0().Analyze();
    ASSERT_NO_FATAL_FAILURE(CheckAnalysis(b0(), "9x9 after 19x19\n" + BoardDiagram(b0())));
    EXPECT_EQ(GunAt(Point(9, 5)).GetDeath(), 1);
}

TEST_F(GunTest, BreathingPointsOfOneGroupMatchThoseListedForAll)
{
    // The analysis lists every group's breathing points from tests of the
    // whole board made once; one group asked alone tests its points itself.
    // Both must agree on every board size, near the edges and in the open.
    for (int size : {9, 13, 19})
        for (int seed = 1; seed <= 6; ++seed) {
            ResetProgramState();
            RandSeed(static_cast<std::uint64_t>(5100 + 100 * size + seed));
            BoardSize = size;
            b0().NewGame();
            const int density = 10 + 8 * seed; // percent
            for (int y = 1; y <= size; ++y)
                for (int x = 1; x <= size; ++x)
                    if (Random(100) < density)
                        b0().SetIro(x, y, 1 + Random(2));
            for (int step = 1; step <= 17; ++step)
                b0().AnalyzeStep(step);
            const TGunList& gl = b0().GunList;
            for (int n = 1; n <= gl.GetCount(); ++n) {
                TGun& g = *gl.GetGun(n);
                std::vector<std::tuple<int, int, int>> listed;
                for (int i = 1; i <= g.GetKokyuSu(); ++i)
                    listed.emplace_back(g.GetKokyu(i).x, g.GetKokyu(i).y, g.GetKokyuValue(i));
                g.MakeKokyu();
                std::vector<std::tuple<int, int, int>> alone;
                for (int i = 1; i <= g.GetKokyuSu(); ++i)
                    alone.emplace_back(g.GetKokyu(i).x, g.GetKokyu(i).y, g.GetKokyuValue(i));
                EXPECT_EQ(alone, listed) << "size " << size << " seed " << seed << " group " << n << "\n"
                                         << BoardDiagram(b0());
            }
        }
}

TEST_F(GunTest, DenseRandomPositionsUpToAFullBoard)
{
    // Random colours at rising density, whole board filled at the end, with
    // the game running and after it: the analysis must keep its tables.
    for (int over = 0; over <= 1; ++over)
        for (int size : {9, 13, 19}) {
            for (int seed = 1; seed <= (size == 19 ? 12 : 8); ++seed) {
                ResetProgramState();
                GameOver = static_cast<unsigned char>(over);
                RandSeed(static_cast<std::uint64_t>(7000 + 100 * size + seed));
                BoardSize = size;
                b0().NewGame();
                const int density = seed * 100 / (size == 19 ? 12 : 8); // percent, up to full
                for (int y = 1; y <= size; ++y)
                    for (int x = 1; x <= size; ++x)
                        if (Random(100) < density)
                            b0().SetIro(x, y, 1 + Random(2));
                b0().Analyze();
                ASSERT_NO_FATAL_FAILURE(CheckAnalysis(b0(), "size " + std::to_string(size) + " seed "
                                                                 + std::to_string(seed) + " over "
                                                                 + std::to_string(over) + "\n"
                                                                 + BoardDiagram(b0())));
            }
            // Legal play to the end: long games leave many small groups.
            ResetProgramState();
            GameOver = static_cast<unsigned char>(over);
            RandSeed(static_cast<std::uint64_t>(900 + size));
            BoardSize = size;
            b0().NewGame();
            for (int i = 0; i < size * size * 3; ++i) {
                const Point p = RandomMove(b0());
                if (p.x == 0)
                    break;
                b0().Utu(p.x, p.y);
                if (i % (size * 4) == 0) {
                    b0().Analyze();
                    ASSERT_NO_FATAL_FAILURE(CheckAnalysis(b0(), "game move " + std::to_string(i)));
                }
            }
        }
}

} // namespace
} // namespace vorn::test

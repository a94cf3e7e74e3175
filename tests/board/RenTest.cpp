// Chains: liberties, neighbours, numbering, empty regions after the game, and
// the incremental updates checked against a full rebuild.
#include "Util.h"

#include <set>
#include <vector>

#include "board/Hooks.h"

namespace vorn::test {
namespace {

class RenTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

TEST_F(RenTest, CountsOfACornerStone)
{
    b0().SetIro(1, 1, kKuro);
    b0().RenMake();
    TRen* r = b0().RenList.RenAt(1, 1);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Count(0), 2);
    EXPECT_EQ(r->Count(1), 0);
    EXPECT_EQ(r->Count(2), 0);
    EXPECT_EQ(r->Count(3), 2);
    EXPECT_EQ(r->GetKuu(1), Point(2, 1)); // right before down
    EXPECT_EQ(r->GetKuu(2), Point(1, 2));
    EXPECT_EQ(b0().RenList.RenAt(0, 1), nullptr);
    EXPECT_EQ(b0().RenList.RenAt(2, 2), nullptr);
}

TEST_F(RenTest, SharedLibertiesCountOnce)
{
    SetBoard(R"(
        . . . . . . . . .
        . X X . . . . . .
        . X . O . . . . .
        . . O O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TRen* b = b0().RenList.RenAt(2, 2);
    TRen* w = b0().RenList.RenAt(4, 3);
    ASSERT_NE(b, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(b->IsiCount(), 3);
    // Black touches (3,3) from two stones: counted once.
    EXPECT_EQ(b->Kuu(), 7);
    EXPECT_EQ(w->Kuu(), 7);
    EXPECT_EQ(b->MrenCount(), 0);
    EXPECT_EQ(w->Count(1), 0);
    EXPECT_EQ(b->GetNo(), 1);
    EXPECT_EQ(w->GetNo(), 2);
    EXPECT_TRUE(b->HasIsi(Point(2, 3)));
    EXPECT_FALSE(b->HasIsi(Point(3, 3)));
}

TEST_F(RenTest, NumbersAreReused)
{
    SetBoard(R"(
        X . X . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . O)");
    TRenList& list = b0().RenList;
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.RenNo(9, 9), 4);
    list.DeleteRen(3);
    EXPECT_EQ(list.Items(3), nullptr);
    EXPECT_EQ(list.RenNo(5, 1), 0);
    EXPECT_EQ(list.NewNo(), 3);
    EXPECT_EQ(list.Items(0), nullptr);
    EXPECT_EQ(list.Items(-4), nullptr);
}

TEST_F(RenTest, EmptyRegionsAfterTheGameAndTheirOwner)
{
    SetBoard(R"(
        . . X O . . . . .
        . . X O . . . . .
        X X X O . . . . .
        O O O O . . . . .
        . . . . . . . . .
        . . . . . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    GameOver = 1;
    b0().RenMake();
    TRenList& list = b0().RenList;
    // Stones first (black 1, white 2, white 3), then the empty regions.
    EXPECT_EQ(list.RenNo(3, 1), 1);
    EXPECT_EQ(list.RenNo(4, 1), 2);
    EXPECT_EQ(list.RenNo(6, 6), 3);
    EXPECT_EQ(list.RenNo(1, 1), 4);
    EXPECT_EQ(list.RenNo(5, 1), 5);
    TRen* corner = list.RenAt(1, 1);
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->GetIro(), kAki);
    EXPECT_EQ(corner->IsiCount(), 4);
    EXPECT_EQ(corner->JiOwner(), kKuro);
    EXPECT_EQ(list.RenAt(5, 1)->JiOwner(), kSiro);
    // The black chain marked dead: the corner counts for white.
    list.RenAt(3, 1)->SetGunDeath(1);
    EXPECT_EQ(corner->JiOwner(), kSiro);
    GameOver = 0;
    b0().RenMake();
    EXPECT_EQ(list.RenNo(1, 1), 0);
}

TEST_F(RenTest, LadderSequenceAndItsEnd)
{
    SetBoard(R"(
        . X O . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TRen* w = b0().RenList.RenAt(3, 1);
    const Point seq[2] = {Point(4, 1), Point(3, 2)};
    w->SetSichoTejun(seq, 2);
    EXPECT_EQ(w->SichoCount(), 2);
    EXPECT_EQ(w->SichoTe(1), Point(4, 1));
    EXPECT_EQ(w->SichoTe(3), Point()); // two liberties: nothing past the end
    b0().SetIro(4, 1, kKuro);
    b0().RenMake();
    w = b0().RenList.RenAt(3, 1);
    EXPECT_EQ(w->SichoTe(1), Point(3, 2)); // in atari: its liberty
    w->AddGren(5);
    w->AddGren(5);
    EXPECT_EQ(w->GrenCount(), 1);
    for (int i = 0; i < 40; ++i)
        w->AddGren(10 + i);
    EXPECT_EQ(w->GrenCount(), kMaxGren);
}

// After the end of a game every point can be a chain of its own: more than
// 200 chains must fit.
TEST_F(RenTest, CheckerboardHasMoreThanTwoHundredChains)
{
    std::string d;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x)
            d += (x + y) % 3 == 0 ? 'X' : (x + y) % 3 == 1 ? 'O' : '.';
        d += '\n';
    }
    SetBoard(d);
    GameOver = 1;
    b0().RenMake();
    EXPECT_EQ(b0().RenList.Count(), 361);
    EXPECT_NE(b0().RenList.RenAt(19, 19), nullptr);
    EXPECT_GT(b0().RenList.RenNo(19, 19), 255);
}

// Every chain's lists against the board, from a fill of the test's own: its
// stones, its liberties and its neighbouring chains as sets, each listed
// once, and its links as they were added.
void ExpectListsMatchBoard(TGoban& b, const std::string& where)
{
    const TRenList& list = b.RenList;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if (!IsStone(c))
                continue;
            TRen* r = list.RenAt(x, y);
            ASSERT_NE(r, nullptr) << where;
            std::set<std::pair<int, int>> stones, libs, seen;
            std::set<int> mren;
            std::vector<Point> todo{Point(x, y)};
            seen.insert({x, y});
            while (!todo.empty()) {
                const Point s = todo.back();
                todo.pop_back();
                stones.insert({s.x, s.y});
                for (int d = 1; d <= 4; ++d) {
                    const Point q(s.x + Dir4X[d], s.y + Dir4Y[d]);
                    const int n = b.GetIroPt(q);
                    if (n == kAki)
                        libs.insert({q.x, q.y});
                    else if (n == Aite(c))
                        mren.insert(list.RenNoPt(q));
                    else if (n == c && seen.insert({q.x, q.y}).second)
                        todo.push_back(q);
                }
            }
            std::set<std::pair<int, int>> rStones, rLibs;
            for (const TBytePoint s : r->IsiList())
                rStones.insert({s.x, s.y});
            for (int i = 1; i <= r->Kuu(); ++i)
                rLibs.insert({r->GetKuu(i).x, r->GetKuu(i).y});
            std::set<int> rMren;
            for (int i = 1; i <= r->MrenCount(); ++i)
                rMren.insert(r->Mren(i));
            EXPECT_EQ(r->IsiCount(), static_cast<int>(stones.size())) << where << " at " << x << "," << y;
            EXPECT_EQ(rStones, stones) << where << " at " << x << "," << y;
            EXPECT_EQ(r->Kuu(), static_cast<int>(libs.size())) << where << " at " << x << "," << y;
            EXPECT_EQ(rLibs, libs) << where << " at " << x << "," << y;
            EXPECT_EQ(r->MrenCount(), static_cast<int>(mren.size())) << where << " at " << x << "," << y;
            EXPECT_EQ(rMren, mren) << where << " at " << x << "," << y;
        }
}

// Long chains, chains with many liberties and many neighbours keep their
// lists whole, whether they are made by a rebuild, move by move, or
// shortened by a take-back.
TEST_F(RenTest, LongListsOfLargeChainsStayWhole)
{
    struct Case {
        const char* name;
        const char* board;
    };
    const Case cases[] = {
        {"a snake of 24 stones beside short chains", R"(
            . . . . . . . . .
            . X X X X X X X .
            . . . . . . . X .
            . X X X X X X X .
            . X . . . . . . .
            . X X X X X X X .
            . . . . . . . X O
            O X X X X X . . .
            . . . . . . . . .)"},
        {"a wall touched by eleven lone enemy stones", R"(
            . O . O . O . O .
            . X X X X X X X O
            O X . . . . . X .
            . X . O . . . X O
            O X . . . . . X .
            . X X X X X X X O
            . O . O . O . . .
            . . . . . . . . .
            . . . . . . . . .)"},
        {"a chain of twelve stones and one of thirteen", R"(
            X X X X X X X X X
            X X X . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            O O O O O O O O O
            O O O O . . . . .
            . . . . . . . . .)"},
    };
    for (const Case& c : cases) {
        SetBoard(c.board);
        ExpectListsMatchBoard(b0(), c.name);
    }

    // Move by move, and back: the twelve-stone chain grows past what a chain
    // keeps in itself and shrinks back stone by stone.
    SetBoard(cases[2].board);
    RenSabun = 1;
    const Point moves[] = {Point(1, 3), Point(1, 9), Point(1, 4), Point(2, 9)};
    for (const Point p : moves) {
        ASSERT_EQ(b0().Utu(p.x, p.y), kUtuOk);
        ExpectListsMatchBoard(b0(), "after a move");
    }
    EXPECT_EQ(b0().RenList.RenAt(1, 1)->IsiCount(), 14);
    for (int k = 0; k < 4; ++k) {
        b0().Modosu();
        ExpectListsMatchBoard(b0(), "after a take-back");
    }
    EXPECT_EQ(b0().RenList.RenAt(1, 1)->IsiCount(), 12);
    RenSabun = 0;

    // Links: the first of each are kept in the chain, the rest beside it,
    // in the order they were added, up to the most a chain keeps.
    TRen* r = b0().RenList.RenAt(1, 1);
    ASSERT_NE(r, nullptr);
    for (int round = 0; round < 2; ++round) {
        r->ClearGren();
        for (int i = 1; i <= kMaxGren + 5; ++i) {
            r->AddGren(100 + i);
            r->AddGren(100 + (i + 1) / 2);
        }
        ASSERT_EQ(r->GrenCount(), kMaxGren);
        for (int i = 1; i <= kMaxGren; ++i)
            EXPECT_EQ(r->Gren(i), 100 + i) << i;
        r->ClearGren();
        r->AddGrenNew(7);
        EXPECT_EQ(r->GrenCount(), 1);
        EXPECT_EQ(r->Gren(1), 7);
    }
}

// Incremental chains (RenSabun) agree with a full rebuild after every move and
// every take-back of many seeded random games on every board size.
TEST_F(RenTest, IncrementalChainsMatchRebuild)
{
    TGoban& inc = *GobanLv[1];
    TGoban& ref = *GobanLv[2];
    for (int size : {9, 13, 19}) {
        const int games = size == 19 ? 2 : size == 13 ? 3 : 6;
        for (int game = 0; game < games; ++game) {
            RandSeed(1000 * size + game);
            BoardSize = size;
            Handicap = game % 3 == 2 ? 4 : 0;
            inc.NewGame();
            Level = 1; // the chains read the board of the current level
            inc.RenMake();
            RenSabun = 1;
            int moves = 0;
            for (; moves < size * size * 2; ++moves) {
                Point p = RandomMove(inc);
                if (p.x == 0)
                    break;
                ASSERT_EQ(inc.Utu(p.x, p.y), kUtuOk);
                ASSERT_EQ(RenSabun, 1);
                ref.CopyBan(inc);
                ref.RenMake();
                RenSabun = 1;
                ASSERT_EQ(ChainSignature(inc), ChainSignature(ref))
                    << "size " << size << " game " << game << " move " << moves << "\n"
                    << BoardDiagram(inc);
            }
            // Take everything back, checking on the way.
            for (int k = 0; k < moves; ++k) {
                inc.Modosu();
                ref.CopyBan(inc);
                ref.RenMake();
                RenSabun = 1;
                ASSERT_EQ(ChainSignature(inc), ChainSignature(ref)) << "back " << k;
            }
            RenSabun = 0;
            Level = 0;
        }
    }
}

} // namespace
} // namespace vorn::test

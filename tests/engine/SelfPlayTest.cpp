// Seeded games of the engine against itself with every stage live: each
// decision leaves the game board and its record exactly as it found them,
// answers a legal move, and returns to level 0.  Under the sanitizers this
// is the soak of the whole engine.
//
// CI plays fewer games under the sanitizers; VORN_SELFPLAY_FULL=1 plays the
// full set (20 games on 9 x 9 and 3 on 19 x 19, each to two passes).
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "Util.h"

#include "board/Goban.h"
#include "board/Tejun.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "board/Hooks.h"

namespace vorn::test {
namespace {

bool FullSet()
{
    const char* v = std::getenv("VORN_SELFPLAY_FULL");
    return v != nullptr && *v != '\0' && *v != '0';
}

// One game of `size` lines from `opening` random moves, the engine playing
// both sides for at most `limit` moves or until two passes.  Answers the
// moves the engine played.
int PlayGame(int size, int opening, int limit, std::uint64_t seed)
{
    RandomPosition(size, opening, seed);
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    TGoban& b0 = *GobanLv[0];
    b0.Analyze();
    int passes = 0, moves = 0;
    while (passes < 2 && moves < limit) {
        SCOPED_TRACE(testing::Message() << size << "x" << size << " seed " << seed << " move " << b0.Tejun.Current() + 1);
        const std::uint64_t before = BoardHash(b0);
        const std::string board = BoardDiagram(b0);
        Point out;
        ThinkMove(out);
        EXPECT_EQ(Level, 0);
        EXPECT_EQ(BoardHash(b0), before) << "the decision changed the game\n" << board;
        if (testing::Test::HasFailure())
            return moves;
        const Point p{std::abs(out.x), out.y};
        if (p.x == 0) {
            EXPECT_TRUE(b0.Pass());
            ++passes;
        } else {
            EXPECT_EQ(b0.Utu(p.x, p.y), kUtuOk) << p.x << "," << p.y << "\n" << board;
            b0.Analyze();
            YoseCacheInvalidate(p);
            passes = 0;
        }
        ++moves;
    }
    return moves;
}

// One seeded game: its board size, random opening moves, move limit and seed.
struct TSelfPlayGame {
    int size;
    int opening;
    int limit;
    std::uint64_t seed;
};

// Under the sanitizers CI plays four 9 x 9 games and the start of one
// 19 x 19 game; the release build plays twenty and one to the end.
std::vector<TSelfPlayGame> Games(int size)
{
    const bool full = FullSet();
    std::vector<TSelfPlayGame> out;
    if (size == 9) {
        const int games9 = full || !kSanitized ? 20 : 4;
        for (int g = 0; g < games9; ++g)
            out.push_back({9, 2 + g % 5, 9 * 9 * 2, 7000 + static_cast<std::uint64_t>(g)});
    } else {
        const int games19 = full ? 3 : 1;
        const int limit19 = full || !kSanitized ? 19 * 19 * 2 : 24;
        for (int g = 0; g < games19; ++g)
            out.push_back({19, 4 + 6 * g, limit19, 7100 + static_cast<std::uint64_t>(g)});
    }
    return out;
}

void PrintTo(const TSelfPlayGame& game, std::ostream* out)
{
    *out << game.size << "x" << game.size << " from " << game.opening << " random moves, seed " << game.seed;
}

// Each game is a test of its own, so that the games run side by side.
class SelfPlay : public testing::TestWithParam<TSelfPlayGame> {};

TEST_P(SelfPlay, EveryDecisionLeavesTheGameAsItFoundIt)
{
    const TSelfPlayGame& game = GetParam();
    const int played = PlayGame(game.size, game.opening, game.limit, game.seed);
    std::cout << "[ game     ] " << game.size << "x" << game.size << " seed " << game.seed << ", " << played
              << " decisions" << (FullSet() ? " (full set)" : "") << "\n";
    ResetProgramState();
}

std::string GameName(const testing::TestParamInfo<TSelfPlayGame>& info)
{
    return "Seed" + std::to_string(info.param.seed);
}

INSTANTIATE_TEST_SUITE_P(NineByNine, SelfPlay, testing::ValuesIn(Games(9)), GameName);
INSTANTIATE_TEST_SUITE_P(NineteenByNineteen, SelfPlay, testing::ValuesIn(Games(19)), GameName);

} // namespace
} // namespace vorn::test

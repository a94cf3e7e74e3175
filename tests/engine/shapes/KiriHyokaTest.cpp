// The value of a cut and of a double atari on small diagrams with known
// answers.  Every reading leaves the boards, their records and the level as
// it found them.
#include <algorithm>

#include "Util.h"
#include "engine/DecisionUtil.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn::test {
namespace {

using KiriHyokaTest = VornTest;

enum class TKiri { NoCut, Captures, Reads };

struct TKiriCase {
    const char* name;
    const char* diagram;
    Point cut, a, b; // Black cuts at `cut` between White's a and b
    TKiri expect;
};

// clang-format off
const TKiriCase kKiriCases[] = {
    {"the cut captures one of the two stones: the position after it", R"(
        . . . . . . . . .
        . . X . . . . . .
        . X O X . . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(3, 4), Point(3, 3), Point(4, 4), TKiri::Captures},
    {"a ko capture that leaves the cutter in atari is still read", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X O X X . . .
        . X O . O . . . .
        . . X O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(4, 4), Point(5, 5), TKiri::Reads},
    {"the same shape without the ko: the cut is suicide", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X O X X . . .
        . . O . O . . . .
        . . X O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(4, 4), Point(5, 5), TKiri::NoCut},
    {"a cut that is a self-atari capturing nothing", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O X X . . .
        . . O . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(4, 4), Point(5, 5), TKiri::NoCut},
    {"an occupied cutting point", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O X X . . .
        . . . O O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(4, 4), Point(5, 5), TKiri::NoCut},
    {"the ladder catches the cutter", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O O X X . .
        . . . . . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(5, 5), Point(5, 4), Point(6, 5), TKiri::NoCut},
    {"without the stone that makes the ladder the cut works", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O X X . .
        . . . . . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(5, 5), Point(5, 4), Point(6, 5), TKiri::Reads},
    {"the stones on the other crossing point are left in atari", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O O . . .
        . . . O X X . . .
        . . . . O O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(4, 4), Point(5, 5), TKiri::NoCut},
    {"the same with room for those stones", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . O X X . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)", Point(4, 5), Point(4, 4), Point(5, 5), TKiri::Reads},
};
// clang-format on

TEST_F(KiriHyokaTest, Cases)
{
    for (const TKiriCase& c : kKiriCases) {
        SCOPED_TRACE(c.name);
        PrepareDecision(c.diagram, kKuro);
        const std::uint64_t before = StackHash();
        const int v = KiriHyoka(kKuro, c.cut, c.a, c.b);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
        switch (c.expect) {
        case TKiri::NoCut:
            EXPECT_EQ(v, -1);
            break;
        case TKiri::Captures:
            EXPECT_EQ(v, UtuHyoka(kKuro, c.cut));
            EXPECT_GT(v, 0);
            break;
        case TKiri::Reads:
            EXPECT_NE(v, -1);
            break;
        }
    }
}

// Two living White groups joined by a diagonal: cutting them apart is worth
// half of what is left after White's worst atari on the cutting stone.
TEST_F(KiriHyokaTest, NeitherGroupWeakHalvesTheWorstReply)
{
    const char* const kStrong = R"(
        . O . O X . . . .
        O O O O X . . . .
        X X X O X X X X X
        . . . . O O O O O
        . . . . X O . O .
        . . . . X O O O O
        . . . . X X X X X
        . . . . . . . . .
        . . . . . . . . .)";
    const Point cut(4, 4), a(4, 3), b(5, 4);
    PrepareDecision(kStrong, kKuro);
    const std::uint64_t before = StackHash();
    const int v = KiriHyoka(kKuro, cut, a, b);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);

    // The same reading move by move.
    ASSERT_TRUE(YomiPushUtu(kKuro, cut));
    CurGoban().Analyze();
    ASSERT_NE(GunAt(a), nullptr);
    ASSERT_NE(GunAt(b), nullptr);
    EXPECT_FALSE(GunAt(a)->IsWeak());
    EXPECT_FALSE(GunAt(b)->IsWeak());
    int worst = HyokaDiff(kKuro);
    TRen* cutter = CurGoban().RenList.RenAtPt(cut);
    ASSERT_EQ(cutter->Kuu(), 2);
    const Point lib[2] = {cutter->GetKuu(1), cutter->GetKuu(2)};
    int replies = 0;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(YomiUtu(kSiro, lib[i]));
        CurGoban().RenMake();
        if (CurGoban().RenList.RenAtPt(lib[i])->Kuu() > 1) {
            ASSERT_TRUE(YomiUtu(kKuro, lib[1 - i]));
            worst = std::min(worst, Hyoka(kKuro));
            YomiModosu();
            ++replies;
        }
        YomiModosu();
        CurGoban().RenMake();
    }
    YomiModosu();
    EXPECT_EQ(replies, 2);
    EXPECT_EQ(v, worst / 2);
}

TEST_F(KiriHyokaTest, ReadsInsideAReading)
{
    // Called on a look-ahead level, the reading opens one level above it and
    // returns there.
    PrepareDecision(kKiriCases[0].diagram, kKuro);
    ASSERT_TRUE(YomiUtu(kSiro, Point(8, 8)));
    const int level = Level;
    const std::uint64_t before = StackHash();
    const int v = KiriHyoka(kKuro, Point(3, 4), Point(3, 3), Point(4, 4));
    EXPECT_EQ(v, UtuHyoka(kKuro, Point(3, 4)));
    EXPECT_EQ(Level, level);
    EXPECT_EQ(StackHash(), before);
    YomiUnwind();
}

// --- Double atari --------------------------------------------------------------

// Black's stone at D5 touches White's D4 and E5, each with two liberties;
// E4 takes both at once and has room of its own.
const char* const kRyoAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . X O . . . . .
    . . . X O . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(KiriHyokaTest, DoubleAtariIsWorthSomething)
{
    PrepareDecision(kRyoAtari, kKuro);
    const std::uint64_t before = StackHash();
    EXPECT_GT(RyoAtariHyoka(Point(4, 5)), 0);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(CommonDame(CurGoban().RenList.RenAt(4, 4), CurGoban().RenList.RenAt(5, 5)), Point(5, 4));
}

TEST_F(KiriHyokaTest, NoDoubleAtari)
{
    struct TCase {
        const char* name;
        const char* diagram;
        Point stone;
    };
    const TCase cases[] = {
        {"two two-liberty chains with no shared liberty", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . X O . . . . .
            . . . X . . . . .
            . . X O . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)", Point(4, 5)},
        // The shared liberty E4 has one empty neighbour: Black's stone there
        // would be short of liberties itself.
        {"the shared liberty is cramped", kDoubleAtari, Point(5, 5)},
        {"only one neighbour chain has two liberties", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . O . . . . .
            . . . X O . . . .
            . . . . X . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)", Point(4, 5)},
        {"an empty point", kRyoAtari, Point(1, 1)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareDecision(c.diagram, kKuro);
        EXPECT_EQ(RyoAtariHyoka(c.stone), -1);
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(KiriHyokaTest, DoubleAtariIsNotReadInTheLookAhead)
{
    PrepareDecision(kRyoAtari, kKuro);
    InSakiyomi = 1;
    EXPECT_EQ(RyoAtariHyoka(Point(4, 5)), -1);
    InSakiyomi = 0;
}

TEST_F(KiriHyokaTest, EmptyThinkSelectsAt160)
{
    PrepareDecision(kRyoAtari, kKuro);
    Point out(9, 9);
    EmptyThink(out);
    EXPECT_EQ(out, Point());
    const std::uint8_t kind = KohoKind;
    AddKoho(Point(7, 7), 15, 0);
    EmptyThink(out);
    EXPECT_EQ(out, Point()) << "a score of 150 is below the threshold";
    AddKoho(Point(2, 2), 16, 0);
    EmptyThink(out);
    EXPECT_EQ(out, Point(2, 2));
    EXPECT_EQ(KohoKind, kind);
}

} // namespace
} // namespace vorn::test

// Centre moves on 19 x 19 and the invasion beside a two-space jump: the
// board sizes they serve, their small helpers, and positions with known
// answers.
#include <string>

#include "DecisionUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "engine/Center19.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

using Center19Test = VornTest;

// Black to move; the centre holds a diagonal contact (I14) and a one-space
// jump from White's stone (L8) worth looking at.
constexpr const char* kCentre = R"(
    . . . . O . . X . . . . . . . O X . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . O . . . . . . . . . . . O .
    . . O . . . . . . . . . . . . . . . .
    . . . . O . . . . . . . . . O . . . X
    . . . . . . . . . . . . . . . . . . O
    . . . . . . . . . . . . . . . X . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . X . X . .
    . . . . . . . . . . . O . . O . X . .
    . O . . . . . . . . . . . . . . . . .
    . . . . . . X . . . . . . . . . . . .
    . . . . . . . . . . . O . . . X . . .
    . . . X O . . . . . . . . . . . . . .
    O X . . . . . . . O . . . . . . . . .
    . . . . . X . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . X . . . . . . . . . . . . . . . .
    . . . . . . X . . X . . . . . . . . .)";

// The top left corner of kCentre as a smaller board.
std::string Corner(int size)
{
    std::string out;
    int row = 0;
    std::string line;
    for (const char* c = kCentre; *c != '\0' && row < size; ++c) {
        if (*c == '\n') {
            if (!line.empty()) {
                out += line.substr(0, 2 * size) + "\n";
                ++row;
            }
            line.clear();
        } else if (*c != ' ' || !line.empty()) {
            line += *c;
        }
    }
    if (row < size && !line.empty())
        out += line.substr(0, 2 * size) + "\n";
    return out;
}

TEST_F(Center19Test, CentreMovesOnlyOnNineteenLines)
{
    PrepareDecision(kCentre, kKuro);
    Point out;
    Center19Think(out);
    EXPECT_EQ(KohoKind, kkCenter19);
    EXPECT_TRUE(KohoValueAt(ParsePoint("I14")).has_value()) << CandidateList();
    EXPECT_TRUE(KohoValueAt(ParsePoint("L8")).has_value()) << CandidateList();
    for (int i = 1; i <= KohoCount; ++i)
        EXPECT_EQ(Koho.Kind[i], kkCenter19);
    EXPECT_EQ(Level, 0);

    for (int size : {9, 13}) {
        SCOPED_TRACE(size);
        const std::string d = Corner(size);
        PrepareDecision(d.c_str(), kKuro);
        ASSERT_EQ(BoardSize, size);
        out = Point(3, 3);
        Center19Think(out);
        EXPECT_EQ(out, Point());
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        EXPECT_EQ(KohoKind, kkCenter19);
    }
}

TEST_F(Center19Test, SmallestValue)
{
    struct Case {
        std::vector<int> values;
        int count, want;
    } cases[] = {
        {{}, 0, 99},            // no values: the start value
        {{5, 3, 7}, 0, 99},     // none counted
        {{5, 3, 7}, 3, 3},
        {{5, 3, 7}, 1, 5},      // only the first counts
        {{120, 150}, 2, 99},    // never above 99
        {{2, 2, -4}, 3, -4},
    };
    for (const Case& c : cases) {
        Arr<int, 1, kMaxKankei> v{};
        for (std::size_t i = 0; i < c.values.size(); ++i)
            v[static_cast<int>(i) + 1] = c.values[i];
        EXPECT_EQ(MinInt(v, c.count), c.want) << c.count;
    }
}

TEST_F(Center19Test, FarPairsOfRelations)
{
    // Relations of a point: only kinds above 2 pair, and only at a distance
    // index above 4.
    Arr<Point, 1, kMaxKankei> pts{};
    Arr<int, 1, kMaxKankei> kinds{};
    const struct {
        Point p;
        int kind;
    } rel[] = {
        {{10, 8}, 3},  // 1
        {{11, 11}, 2}, // 2: diagonal, never paired
        {{11, 10}, 3}, // 3: distance 4 from 1, not paired with it
        {{10, 13}, 6}, // 4
        {{7, 9}, 7},   // 5
    };
    int n = 0;
    for (const auto& r : rel) {
        ++n;
        pts[n] = r.p;
        kinds[n] = r.kind;
    }
    Arr<Point, 1, kMaxKyoriPairs> firsts{}, seconds{};
    const int want[][2] = {{1, 4}, {1, 5}, {3, 4}, {3, 5}, {4, 5}};
    ASSERT_EQ(KyoriPairs(pts, kinds, n, firsts, seconds), 5);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(firsts[k], pts[want[k - 1][0]]) << k;
        EXPECT_EQ(seconds[k], pts[want[k - 1][1]]) << k;
    }
    EXPECT_EQ(KyoriPairs(pts, kinds, 0, firsts, seconds), 0);
    // Fifteen far points make 105 pairs; the first 14 are kept, all of
    // point 1.
    for (int i = 1; i <= kMaxKankei; ++i) {
        pts[i] = Point(1 + 4 * ((i - 1) % 5), 1 + 4 * ((i - 1) / 5));
        kinds[i] = 6;
    }
    EXPECT_EQ(KyoriPairs(pts, kinds, kMaxKankei, firsts, seconds), kMaxKyoriPairs);
    EXPECT_EQ(firsts[kMaxKyoriPairs], pts[1]);
    EXPECT_EQ(seconds[kMaxKyoriPairs], pts[15]);
}

// White's two-space extension D10-D13 on the fourth line with Black's stone
// C8 below it: the invasion at C12 (third line) runs to C8.  Seen from D10
// and again from D13, the jump is examined once: one prepared answer.
constexpr const char* kNiken = R"(
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . O . . . . . . . . . . . X . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . X . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . O . . . . . . . . . . . X . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . O . . . . . . . . . . . . . . .
    . X . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . X . X . . . . . . . . . . O . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .)";

TEST_F(Center19Test, InvasionBesideATwoSpaceJumpIsReadOnce)
{
    PrepareDecision(kNiken, kKuro);
    KohoKind = kkJoban2;
    NikenUtikomiThink();
    const Point p = ParsePoint("C12");
    ASSERT_TRUE(KohoValueAt(p).has_value()) << CandidateList();
    ASSERT_EQ(PreparedTeCount, 1);
    // White blocks at the middle of the jump; Black runs towards C8.
    EXPECT_EQ(PreparedTe.OwnTe[1], p);
    EXPECT_EQ(PreparedTe.AiteTe[1], ParsePoint("D12"));
    EXPECT_EQ(PreparedTe.AnswerTe[1], ParsePoint("C10"));
    // A big invasion keeps 25 and carries the rest in its bonus.
    EXPECT_EQ(*KohoValueAt(p), 25);
    for (int i = 1; i <= KohoCount; ++i)
        EXPECT_EQ(Koho.Kind[i], kkJoban2);
    EXPECT_EQ(Level, 0);
}

// White to move; White's lone stone P7 has two liberties.  Black's atari at
// P6 with White's extension, and White's own move at P6, are worth nothing:
// the liberty is still a candidate, of value 0.
constexpr const char* kRen2Zero = R"(
    . . . . X . . . . . . . X . . . . . .
    O . . . . . . O . . . . . . . . . . .
    . . . . . . . . . . . X . . . . X . .
    . . . . . . . X X . O . . . . . X X .
    . . . . . . X . . . X . . X . . O O O
    . . X . . O . . . . . . . . . . . . .
    . O . O . X . . . . . . . X . O X . O
    . . . . . O . . . . . . . . . X . . .
    . . . . . . . . . . . . . . . . . . .
    . . . O . . . . . X . . O . . . . O .
    . O . . . . . X . X . . . . O . . . .
    . . . . . X . . X . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . O . . . . . . .
    . . . X . . . . . . . . . O . . . . .
    O . . . . X . . . . . . X . . . . . .
    . . . . . . . . . O O . . . . . . . .
    . . . X . . . . O . . O . . O . . . .
    O X . O . . . X X . . . . . . . . . .)";

TEST_F(Center19Test, LibertyOfALoneStoneCanBeWorthNothing)
{
    PrepareDecision(kRen2Zero, kSiro);
    KohoKind = kkCenter19;
    Center19Ren2();
    const Point p = ParsePoint("P6");
    ASSERT_TRUE(KohoValueAt(p).has_value()) << CandidateList();
    EXPECT_EQ(*KohoValueAt(p), 0);
    for (int i = 1; i <= KohoCount; ++i)
        EXPECT_GE(Koho.Value[i], 0) << CandidateList();
    EXPECT_EQ(Level, 0);
}

} // namespace
} // namespace vorn::test

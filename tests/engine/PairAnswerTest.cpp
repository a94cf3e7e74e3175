// The relation-pair dispatch: every pair answered once, in list order, by the
// handler of its kind under its reason; the double-threat scans after the
// handlers; the selection at 160; the look-ahead unwound after every pair.
#include <functional>
#include <vector>

#include "DecisionUtil.h"
#include "Util.h"

#include "board/Kiri.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

struct HandlerCall {
    int kind;
    Point a, b;
    int level;
    int reason;
};

std::vector<HandlerCall> g_calls;
std::function<void(int, Point, Point)> g_handler;

void RecordingHandler(int kind, Point a, Point b)
{
    g_calls.push_back({kind, a, b, Level, KohoKind});
    if (g_handler)
        g_handler(kind, a, b);
}

// Black's wall at the top; White's stones on the left edge are weak.
// Black's moves in the lower half are worth much to either side, those on
// the top edge behind Black's wall next to nothing.
const char* const kOpenHalf = R"(
    . . . . . . . . .
    . X X X . . . . .
    . O O O X . . . .
    O X X X . . . . .
    O . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

class PairAnswerTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        g_calls.clear();
        g_handler = nullptr;
    }
    void TearDown() override
    {
        g_handler = nullptr;
        VornTest::TearDown();
    }

    static void Prepare(const char* diagram, int toMove) { PrepareDecision(diagram, toMove); }

    static int ValueAt(Point p) { return KohoValueAt(p).value_or(-1000); }

    // What colour c's two moves p and q are worth to c.
    static int DoubleMove(int c, Point p, Point q)
    {
        EXPECT_TRUE(YomiUtu(c, p));
        EXPECT_TRUE(YomiUtu(c, q));
        const int e = Hyoka(c);
        YomiModosu();
        YomiModosu();
        EXPECT_EQ(Level, 0);
        return e;
    }
};

TEST_F(PairAnswerTest, EveryPairOnceInListOrderWithTheStoneFirst)
{
    Prepare(kDoubleAtari, kKuro);
    PairSources.Relation = RecordingHandler;
    // A handler that leaves its reading on the boards: the dispatch takes
    // it back before the next pair.
    g_handler = [](int, Point, Point) {
        ASSERT_TRUE(YomiUtu(JibunIro, Point(9, 9)));
        ASSERT_TRUE(YomiUtu(AiteIro, Point(1, 9)));
    };
    TGoban& b = *GobanLv[0];
    b.PairClear();
    const int kinds[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    for (int k : kinds)
        b.PairAdd(Point(k % 9 + 1, 1), Point(k % 9 + 1, 2), k);
    b.PairAdd(Point(4, 4), Point(5, 4), kPairAtariNige);
    b.PairAdd(Point(4, 4), Point(4, 3), kPairSicho);
    b.PairFlagsClear();
    const std::uint64_t before = StackHash();

    Point out;
    PairAnswer(out);
    EXPECT_EQ(StackHash(), before);
    ASSERT_EQ(g_calls.size(), std::size(kinds));
    for (std::size_t i = 0; i < g_calls.size(); ++i) {
        const HandlerCall& c = g_calls[i];
        EXPECT_EQ(c.kind, kinds[i]);
        EXPECT_EQ(c.a, Point(kinds[i] % 9 + 1, 1)) << "the threatened stone comes first";
        EXPECT_EQ(c.b, Point(kinds[i] % 9 + 1, 2));
        EXPECT_EQ(c.level, 0);
        EXPECT_EQ(c.reason, kkKankei);
    }
    for (int i = 1; i <= b.PairCount(); ++i)
        EXPECT_EQ(b.PairFlag(i), 1) << i;
    // The knight's-move pass ends the answers and leaves its reason 5 in
    // force (the capture pairs before it left kkToru).
    EXPECT_EQ(KohoKind, kkKankei);

    // Answered pairs are not answered again by a later call.
    g_calls.clear();
    PairAnswer(out);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(StackHash(), before);
}

TEST_F(PairAnswerTest, KindsWithoutALinkAreMarkedAnsweredWithoutCandidates)
{
    Prepare(kDoubleAtari, kKuro);
    TGoban& b = *GobanLv[0];
    b.PairClear();
    for (int k : {0, 1, 9, 12, 14, 15, 19, int{kPairJi}})
        b.PairAdd(Point(1, 1), Point(2, 2), k);
    b.PairFlagsClear();
    Point out;
    PairAnswer(out);
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(out, Point());
    for (int i = 1; i <= b.PairCount(); ++i)
        EXPECT_EQ(b.PairFlag(i), 1);
}

TEST_F(PairAnswerTest, NetsAndDoubleAtarisAreAnsweredHereAtarisAndLaddersElsewhere)
{
    // The list of this position holds the two ladders (kind 22) and the
    // double atari (24): only the double atari gets a candidate here.  The
    // cuts of its diagonal links are the link handlers' and stay out (the
    // link pairs only record: White's third-line stones have links to the
    // edge that are answered too).
    Prepare(kDoubleAtari, kKuro);
    PairSources.Relation = RecordingHandler;
    const TGoban& b = *GobanLv[0];
    int ladders = 0, doubles = 0;
    for (int i = 1; i <= b.PairCount(); ++i) {
        ladders += b.PairKind(i) == kPairSicho;
        doubles += b.PairKind(i) == kPairAtari2;
    }
    ASSERT_EQ(ladders, 2);
    ASSERT_EQ(doubles, 1);
    Point out;
    PairAnswer(out);
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Pt[1], Point(5, 4));
    // The double atari is also the gap of White's jump that Black peeps at:
    // the table keeps the link's reason when the peep values it as highly.
    EXPECT_TRUE(Koho.Kind[1] == kkToru || Koho.Kind[1] == kkKankei) << int{Koho.Kind[1]};
    EXPECT_EQ(out, Point(5, 4)) << "worth well over 16";
    EXPECT_EQ(Level, 0);
}

TEST_F(PairAnswerTest, SelectsAtOneHundredSixty)
{
    Prepare(kDoubleAtari, kSiro);
    GobanLv[0]->PairClear();
    Point out;
    PairAnswer(out);
    EXPECT_EQ(out, Point()) << "nothing in the table";
    KohoKind = kkKankei;
    AddKoho(Point(8, 8), 15, 9);
    PairAnswer(out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(KohoBestScore, 159);
    AddKoho(Point(2, 8), 16, 0);
    PairAnswer(out);
    EXPECT_EQ(out, Point(2, 8));
}

TEST_F(PairAnswerTest, OurDoubleThreatRaisesItsPoint)
{
    // Black's links at x, y and z: x with either other point is a big
    // double move; y with z behind the wall is worth nothing.
    Prepare(kOpenHalf, kKuro);
    const Point x(5, 7), y(1, 1), z(3, 1);
    const int exy = DoubleMove(kKuro, x, y), exz = DoubleMove(kKuro, x, z);
    ASSERT_GT(exy, 25);
    ASSERT_GT(exz, 25);
    ASSERT_LE(DoubleMove(kKuro, y, z), 25);
    for (Point p : {x, y, z})
        AddKohoEx(p, 2, kkTugi, Point());
    KohoKind = kkKankei;
    KohoDoubleScan(kkTugi);
    // Two hits at x, one at y and z: only x, at its best value.
    EXPECT_EQ(ValueAt(x), std::max(exy, exz));
    EXPECT_EQ(ValueAt(y), 2);
    EXPECT_EQ(ValueAt(z), 2);
    EXPECT_EQ(Koho.Kind[1], kkTugi) << "a link keeps its reason";
    EXPECT_EQ(Level, 0);

    // A candidate worth more than 10 takes no part: each remaining pair is
    // one threat, worth a quarter.
    Prepare(kOpenHalf, kKuro);
    AddKohoEx(x, 2, kkTugi, Point());
    AddKohoEx(y, 11, kkTugi, Point());
    AddKohoEx(z, 2, kkTugi, Point());
    KohoDoubleScan(kkTugi);
    EXPECT_EQ(ValueAt(x), exz / 4);
    EXPECT_EQ(ValueAt(z), exz / 4);
    EXPECT_EQ(ValueAt(y), 11);
}

TEST_F(PairAnswerTest, OpponentsDoubleCutNeedsTwoHits)
{
    // The same points seen from White: Black's double moves threaten us.
    Prepare(kOpenHalf, kSiro);
    const Point x(5, 7), y(1, 1), z(3, 1);
    // Only one pair: nothing.
    AddKohoEx(x, 2, kkKiri, Point());
    AddKohoEx(z, 2, kkKiri, Point());
    const std::uint64_t before = StackHash();
    KohoDoubleScan(kkKiri);
    EXPECT_EQ(ValueAt(x), 2);
    EXPECT_EQ(ValueAt(z), 2);
    EXPECT_EQ(StackHash(), before);
    // With the third point x makes two: it is raised, the others not.
    AddKohoEx(y, 2, kkKiri, Point());
    const int best = std::max(DoubleMove(kKuro, x, y), DoubleMove(kKuro, x, z));
    KohoDoubleScan(kkKiri);
    EXPECT_EQ(ValueAt(x), best);
    EXPECT_EQ(ValueAt(y), 2);
    EXPECT_EQ(ValueAt(z), 2);
    // Negative candidates and other reasons take no part.
    Prepare(kOpenHalf, kSiro);
    AddKohoEx(x, -1, kkKiri, Point());
    AddKohoEx(y, 2, kkKiri, Point());
    AddKohoEx(z, 2, kkTugi, Point());
    KohoDoubleScan(kkKiri);
    EXPECT_EQ(ValueAt(x), -1);
    EXPECT_EQ(ValueAt(y), 2);
}

TEST_F(PairAnswerTest, DoubleScansRunAfterTheHandlers)
{
    // Link handlers propose small links; the same PairAnswer call finds the
    // double threat among them and selects it.
    Prepare(kOpenHalf, kKuro);
    PairSources.Relation = RecordingHandler;
    g_handler = [](int kind, Point, Point) {
        if (kind == 3)
            AddKohoEx(Point(5, 7), 2, kkTugi, Point());
        if (kind == 6)
            AddKohoEx(Point(1, 1), 2, kkTugi, Point());
        if (kind == 10)
            AddKohoEx(Point(3, 1), 2, kkTugi, Point());
    };
    TGoban& b = *GobanLv[0];
    b.PairClear();
    for (int k : {3, 6, 10})
        b.PairAdd(Point(k - 2, 8), Point(k - 2, 9), k);
    b.PairFlagsClear();
    Point out;
    PairAnswer(out);
    EXPECT_EQ(g_calls.size(), 3u);
    EXPECT_GT(ValueAt(Point(5, 7)), 25);
    EXPECT_EQ(ValueAt(Point(1, 1)), 2);
    EXPECT_EQ(out, Point(5, 7));
}

} // namespace
} // namespace vorn::test

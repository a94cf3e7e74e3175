// Weak groups: which groups are handled and how (alone or as a pair), the
// early stop of a lone group's steps, the halving of a hemmed-in stone's
// extensions, the pattern pair table and the extension routines that the
// link generators call.
#include "DecisionUtil.h"
#include "Util.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Basic.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

class WeakGunTest : public VornTest {
protected:
    static const TGun& GunOf(Point p)
    {
        const TGun* g = GobanLv[0]->GunList.GetGunAt(p);
        if (g == nullptr)
            throw std::runtime_error("no group at " + PointName(p));
        return *g;
    }
    static int CountReason(int reason)
    {
        int n = 0;
        for (int i = 1; i <= KohoCount; ++i)
            n += Koho.Kind[i] == reason ? 1 : 0;
        return n;
    }
};

// A lone black stone between two white stones, its death level 60.
const char* const kLoneStoneDl60 = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . . O X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same stone touched by one white stone only: it has room to run.
const char* const kLoneStoneTouched = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(WeakGunTest, GroupsTheGeneratorWorksOn)
{
    PrepareDecision(kLoneStoneDl60, kKuro);
    const TGun& g = GunOf(Pt(5, 5));
    ASSERT_GT(g.GetDeathLevel(), 55);
    ASSERT_LT(g.GetDeathLevel(), 70);
    EXPECT_TRUE(IsWeakGunTarget(g));
    // A lone stone this close to death gets nothing.
    WeakGunSingle(g);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    EXPECT_EQ(Level, 0);

    // Touched on one side only, it is given extensions under the weak-group
    // reason.
    PrepareDecision(kLoneStoneTouched, kKuro);
    const TGun& h = GunOf(Pt(5, 5));
    ASSERT_LE(h.GetDeathLevel(), 55);
    WeakGunSingle(h);
    EXPECT_GT(CountReason(kkWeakGun), 0) << CandidateList();
    EXPECT_EQ(Level, 0);
}

// Black's weak group can capture White's two cutting stones at E3.
const char* const kCaptureFirst = R"(
    . . . . . . . . .
    . . O . . . O . .
    . . . . . . . . .
    . . . X O X . . .
    . . . X O X . . .
    . . . . X . . . .
    . . O . . . O . .
    . . . . . . . . .
    . . . . . . . . .)";

// The cutting stones out of atari: the group's later steps run.
const char* const kNoCapture = R"(
    . . . . . . . . .
    . . O . . . O . .
    . . . . O . . . .
    . . . X O X . . .
    . . . X O X . . .
    . . . . X . . . .
    . . O . . . O . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(WeakGunTest, UrgentAnswerOfTheFirstStepEndsTheSteps)
{
    PrepareDecision(kCaptureFirst, kKuro);
    WeakGunSingle(GunOf(Pt(4, 4)));
    ASSERT_EQ(KohoCount, 1) << CandidateList();
    EXPECT_EQ(Koho.Pt[1], ParsePoint("E3"));
    EXPECT_EQ(Koho.Kind[1], kkToru) << "capture answers carry the capture reason";
    EXPECT_GE(Koho.Score(1), kSelectUrgent);
    EXPECT_EQ(KohoKind, kkWeakGun) << "the step restores the reason it set";

    PrepareDecision(kNoCapture, kKuro);
    // The link handlers' answers to the same points would carry their own
    // reason: this test is about the steps alone.
    PairSources.Relation = [](int, Point, Point) {};
    WeakGunSingle(GunOf(Pt(4, 4)));
    EXPECT_GT(CountReason(kkWeakGun), 0) << "the extensions of the last step" << CandidateList();
}

// Black's stones at B6, D6, E7 and White's stone at E8 touch; both are weak.
const char* const kWeakPair = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . O . . .
    . . . . . . . . .
    . X . X . . . . .
    . . . . X . . . .
    . . . . O . . . .
    . . . . . . . . .)";

TEST_F(WeakGunTest, WeakPairIsHandledOnceAsAPair)
{
    // White's F4-E8 is a (1,4) link with Black's E7 inside it: its answer
    // would come before the extensions.  This test is about the steps alone.
    PairSources.Relation = [](int, Point, Point) {};
    PrepareDecision(kWeakPair, kSiro);
    const TGun& black = GunOf(Pt(5, 7));
    const TGun& white = GunOf(Pt(5, 8));
    ASSERT_TRUE(IsWeakGunTarget(black) && black.IsWeak());
    ASSERT_TRUE(IsWeakGunTarget(white) && white.IsWeak());
    // Alone, each would be given extensions (once the link answers of its
    // area, which come first, have nothing to say: Black's third-line stone
    // and its jump to the edge are answered there).
    PairSources.Relation = [](int, Point, Point) {};
    WeakGunSingle(black);
    EXPECT_GT(CountReason(kkWeakGun), 0) << CandidateList();
    PrepareDecision(kWeakPair, kSiro);
    WeakGunSingle(GunOf(Pt(5, 8)));
    EXPECT_GT(CountReason(kkWeakGun), 0) << CandidateList();
    PairSources.Relation = PairRelationHandler;

    // As a pair they go through the contact patterns only, and neither is
    // taken again on its own: the generator adds what the pair's patterns
    // add, and nothing of the lone steps.
    PrepareDecision(kWeakPair, kSiro);
    KohoKind = kkWeakGun;
    WeakGunPair(GunOf(Pt(5, 8)), GunOf(Pt(5, 7)));
    YomiUnwind();
    const std::string pair = CandidateList();
    PrepareDecision(kWeakPair, kSiro);
    Point out;
    WeakGunThink(out);
    EXPECT_EQ(CandidateList(), pair);
    EXPECT_EQ(Level, 0);
}

// Black's lone stone under White's three stones, none of them weak.
const char* const kUnderThree = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . O O O . . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(WeakGunTest, LoneStoneNearThreeEnemyStonesHasItsExtensionsHalvedThreeTimes)
{
    PrepareDecision(kUnderThree, kKuro);
    const TGun& g = GunOf(Pt(5, 5));
    const TGun& enemy = GunOf(Pt(5, 4));
    ASSERT_EQ(g.GetIsiSu(), 1);
    ASSERT_EQ(enemy.GetIsiSu(), 3);
    ASSERT_FALSE(enemy.IsWeak());
    const Point jump = ParsePoint("E7"); // the one-space jump down
    // The extension read by hand: our play with the opponent's approach,
    // then the opponent's play there with ours.
    int e1 = 0, e2 = 0;
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(kKuro, jump));
        CurGoban().Analyze();
        e1 = KakariMin(jump, HyokaDiff(kKuro));
    }
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(kSiro, jump));
        e2 = KakariMin(jump, Hyoka(kSiro));
    }
    const int raw = e1 + e2;
    ASSERT_GT(raw, 8);

    Point out;
    WeakGunHirogeru(g, 0, out);
    const auto v = KohoValueAt(jump);
    ASSERT_TRUE(v.has_value()) << CandidateList();
    EXPECT_EQ(*v, raw / 2 / 2 / 2) << "raw " << raw;
    EXPECT_NE(out, Point());
    EXPECT_EQ(Level, 0);

    // With the no-add flag only the best point comes back.
    KohoCount = 0;
    Point again;
    WeakGunHirogeru(g, 1, again);
    EXPECT_EQ(again, out);
    EXPECT_EQ(KohoCount, 0);
}

TEST_F(WeakGunTest, PairTableKeepsTheColoursInOrderAndTwentyEntries)
{
    GunKankeiPairCount = 0;
    AddKohoPair(kKuro, Pt(1, 1), Pt(2, 2), 7);
    AddKohoPair(kSiro, Pt(3, 3), Pt(4, 4), 8);
    EXPECT_EQ(GunKankeiPair.Kuro[1], Pt(1, 1));
    EXPECT_EQ(GunKankeiPair.Siro[1], Pt(2, 2));
    EXPECT_EQ(GunKankeiPair.Value[1], 7);
    EXPECT_EQ(GunKankeiPair.Kuro[2], Pt(4, 4));
    EXPECT_EQ(GunKankeiPair.Siro[2], Pt(3, 3));
    for (int i = 3; i <= kMaxGunKankeiPair; ++i)
        AddKohoPair(kKuro, Pt(i, 1), Pt(i, 2), i);
    ASSERT_EQ(GunKankeiPairCount, kMaxGunKankeiPair);
    AddKohoPair(kKuro, Pt(9, 9), Pt(8, 8), 99);
    EXPECT_EQ(GunKankeiPairCount, kMaxGunKankeiPair);
    EXPECT_EQ(GunKankeiPair.Value[kMaxGunKankeiPair], kMaxGunKankeiPair);
}

// Black's stone on the third line of a 13 x 13 board with room on both
// sides; White's approach at C10 spoils the extension downward.
const char* const kSideStone = R"(
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . X . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . O . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . . . .)";

TEST_F(WeakGunTest, ExtensionRoutinesOfTheLinkGenerators)
{
    PrepareDecision(kSideStone, kKuro);
    const TGun& g = GunOf(Pt(3, 7));
    const std::uint64_t before = StackHash();
    Point niken;
    GunNikenHirogeru(g, niken);
    EXPECT_EQ(niken, Pt(3, 4)) << "the clear two-space extension along the third line";

    Point best;
    GunHirogeruBest(g, best);
    ASSERT_NE(best, Point());
    bool listed = false;
    for (int i = 1; i <= g.GetFromSu(); ++i)
        listed = listed || g.GetFromB(i) == best;
    EXPECT_TRUE(listed) << PointName(best);
    // The best by the group's own evaluation.
    EXPECT_GE(UtuHyoka(kKuro, best), UtuHyoka(kKuro, niken));

    const int ikken = GunIkkenHyoka(g);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(ikken, -UtuHyoka(kKuro, Pt(3, 5))) << "White's view of Black's jump to C5";
    EXPECT_LT(ikken, 0);
}

} // namespace
} // namespace vorn::test

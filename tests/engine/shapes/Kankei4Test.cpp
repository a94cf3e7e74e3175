// The knight's-move pass at the end of the pair answers: the push through a
// firm knight's move read from both middle points, the owner's answers beside
// the end stones, and what the pass leaves alone.
#include <cstdint>
#include <optional>

#include "Util.h"
#include "engine/DecisionUtil.h"

#include "board/Goban.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/Kankei4.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

using Kankei4Test = VornTest;

// Black's firm knight's move (4,4)-(5,6): middle points (4,5) and (5,5),
// side points (5,4) and (4,6).  White's (2,5) and (7,5) stand a jump from
// one middle point each.
const char* const kThreat = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . O . . . . O . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
constexpr Point kP(4, 4), kQ(5, 6);
constexpr Point kM2(4, 5), kM3(5, 5), kS1(5, 4), kS4(4, 6);

int GradeOf(Point p, Point q)
{
    const TLocate& l = GobanLv[0]->GetLocatePt(p);
    for (int i = 1; i <= l.GetKankeiSu(); ++i)
        if (l.GetKankeiPoint(i) == q)
            return l.GetLinkGrade(i);
    return -1;
}

// White's push at m, Black's block at n, White's extension at s.
std::optional<int> Push(Point m, Point n, Point s)
{
    TShapeYomi y;
    if (!y.PushPlay(kSiro, m) || !y.Play(kKuro, n) || !y.Play(kSiro, s))
        return std::nullopt;
    return y.Score(kSiro);
}

TEST_F(Kankei4Test, PushesAreReadFromBothMiddlePoints)
{
    PrepareDecision(kThreat, kSiro);
    ASSERT_EQ(GradeOf(kP, kQ), 1);
    const std::optional<int> v2 = Push(kM2, kM3, kS1), v3 = Push(kM3, kM2, kS4);
    ASSERT_TRUE(v2 && v3);
    const std::uint64_t before = StackHash();
    Point out;
    Kankei4Think(out);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(KohoValueAt(kM2), v2) << CandidateList();
    EXPECT_EQ(KohoValueAt(kM3), v3) << CandidateList();
    EXPECT_EQ(KohoCount, 2) << CandidateList();
    for (int i = 1; i <= KohoCount; ++i)
        EXPECT_EQ(Koho.Kind[i], kkKankei);
    EXPECT_EQ(out, *v2 >= *v3 ? kM2 : kM3);
}

TEST_F(Kankei4Test, OwnerAnswersBesideTheEndStones)
{
    // Beyond each side point, away from the end stone beside it, lies a
    // point with seven empty neighbours and White's stone: (3,6) beside (2,5)
    // and (6,4) beside (7,5).  Both take the larger push's value.
    PrepareDecision(kThreat, kKuro);
    const std::optional<int> v2 = Push(kM2, kM3, kS1), v3 = Push(kM3, kM2, kS4);
    ASSERT_TRUE(v2 && v3);
    Point out;
    Kankei4Think(out);
    EXPECT_EQ(KohoCount, 2) << CandidateList();
    EXPECT_EQ(KohoValueAt(Point(3, 6)), std::max(*v2, *v3)) << CandidateList();
    EXPECT_EQ(KohoValueAt(Point(6, 4)), std::max(*v2, *v3)) << CandidateList();
    EXPECT_FALSE(KohoValueAt(kM2).has_value());
}

TEST_F(Kankei4Test, NothingInsideTheRootLookAhead)
{
    PrepareDecision(kThreat, kSiro);
    InSakiyomi = 1;
    const long long hyoka = HyokaCallCount;
    Point out(9, 9);
    Kankei4Think(out);
    InSakiyomi = 0;
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(out, Point(9, 9)) << "the out point is left as the caller set it";
    EXPECT_EQ(HyokaCallCount, hyoka);
}

TEST_F(Kankei4Test, ThePassLeavesItsReasonInForce)
{
    // Outside the root look-ahead the pass sets reason 5 and leaves it so,
    // whatever stood before; inside it, nothing is touched.
    PrepareDecision(kThreat, kSiro);
    KohoKind = kkWeakGunKankei;
    Point out;
    Kankei4Think(out);
    EXPECT_EQ(KohoKind, kkKankei);
    KohoKind = kkWeakGunKankei;
    InSakiyomi = 1;
    Kankei4Think(out);
    InSakiyomi = 0;
    EXPECT_EQ(KohoKind, kkWeakGunKankei);
}

TEST_F(Kankei4Test, MiddlePointTouchedDiagonallyIsNotRead)
{
    // White's (6,4) is diagonal to the middle point (5,5).  Such a link is
    // not firm, so the pass never reaches it; the reading of the pair
    // itself leaves it alone too.
    const char* const diagonal = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . O . . .
        . O . . . . O . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (const int engine : {kKuro, kSiro}) {
        PrepareDecision(kThreat, engine);
        Kankei4Pair(kP, kQ);
        ASSERT_GT(KohoCount, 0) << "the pair is read without White's (6,4)";
        PrepareDecision(diagonal, engine);
        EXPECT_NE(GradeOf(kP, kQ), 1);
        const long long hyoka = HyokaCallCount;
        Kankei4Pair(kP, kQ);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        EXPECT_EQ(HyokaCallCount, hyoka);
        Point out;
        Kankei4Think(out);
        EXPECT_EQ(KohoCount, 0) << CandidateList();
        EXPECT_EQ(out, Point());
    }
}

TEST_F(Kankei4Test, EachPairIsReadOnceFromItsLeftStone)
{
    PrepareDecision(kThreat, kSiro);
    long long before = HyokaCallCount;
    Kankei4Pair(kQ, kP);
    EXPECT_EQ(HyokaCallCount, before) << "read from the stone on the right";
    EXPECT_EQ(KohoCount, 0);
    Kankei4Pair(kP, kQ);
    const long long one = HyokaCallCount - before;
    ASSERT_GT(one, 0);
    KohoCount = 0;
    before = HyokaCallCount;
    Point out;
    Kankei4Think(out);
    EXPECT_EQ(HyokaCallCount - before, one) << "both stones list the link";
}

} // namespace
} // namespace vorn::test

// The corrections of the outside-stone totals at their bounds: a total of
// exactly 1 after a cut that fails, and an owner's value of 0 beside an odd
// cut value (only a negative side halves the sum).
#include <gtest/gtest.h>

#include "engine/shapes/KeimaSoto.h"

namespace vorn::test {
namespace {

TEST(KeimaSotoTotalBounds, SmallestTotalAfterAFailedCutIsDoubledPlusOne)
{
    // v 1, k 0: total 1, nothing negative; the cut fails, so 2 * 1 + 1 = 3,
    // and 2 more when the engine is the attacker.
    EXPECT_EQ(KeimaSotoNakaTotal(1, 0, true, false), 3);
    EXPECT_EQ(KeimaSotoNakaTotal(1, 0, true, true), 5);
    // With the cut standing a total of 1 stays 1.
    EXPECT_EQ(KeimaSotoNakaTotal(1, 0, false, false), 1);
}

TEST(KeimaSotoTotalBounds, OwnerValueOfZeroDoesNotHalve)
{
    // v 0 is not below zero: 0 + 5 stays 5 (halved it would be 2, then 4).
    EXPECT_EQ(KeimaSotoNakaTotal(0, 5, false, false), 5);
    // v -1 is: (-1 + 6) / 2 = 2, which becomes 4.
    EXPECT_EQ(KeimaSotoNakaTotal(-1, 6, false, false), 4);
}

} // namespace
} // namespace vorn::test

// The counter-capture check: after a move that leaves a chain of each colour
// in atari side by side, the engine takes at once when the swing is large.
#include <vector>

#include "Util.h"

#include "board/Hooks.h"
#include "engine/Hyoka.h"
#include "engine/Think.h"
#include "engine/Ukeru.h"

namespace vorn::test {
namespace {

// Black has just played D3, putting White's D4-D5 in atari next to Black's
// E4-E5, which is in atari too.  White to move: taking at E6 saves D4-D5.
const char* const kSwing = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . X O X O . . .
    . . X O X O . . .
    . . . . . O . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

const Point kLast(4, 3), kBlackTakes(4, 6), kWhiteTakes(5, 6);

// The position after Black's move, analysed, with the decision's base.
void AfterMove(const char* diagram, Point last, Point extra = Point(), int extraColour = 0)
{
    ResetProgramState();
    SetBoard(diagram);
    TGoban& b0 = *GobanLv[0];
    if (extra.x != 0)
        b0.SetIro(extra.x, extra.y, extraColour);
    b0.RenMake();
    if (last.x != 0) {
        ASSERT_EQ(b0.Utu(last.x, last.y), kUtuOk);
    }
    LastTe = b0.Tejun.CurTe();
    JibunIro = static_cast<std::uint8_t>(b0.Tejun.NextColor());
    AiteIro = static_cast<std::uint8_t>(Aite(JibunIro));
    b0.Analyze();
    HyokaBase();
}

class UkeruTest : public VornTest {};

TEST_F(UkeruTest, NoLastMoveNoReading)
{
    AfterMove(kSwing, Point());
    const std::uint64_t before = StackHash();
    Point out{3, 3};
    CounterCapture(out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(StackHash(), before);
    // A pass as the last move is no move either.
    GobanLv[0]->Pass();
    LastTe = GobanLv[0]->Tejun.CurTe();
    CounterCapture(out);
    EXPECT_EQ(out, Point());
}

TEST_F(UkeruTest, SwingIsBothCapturesFromTheMoversSide)
{
    AfterMove(kSwing, kLast);
    const std::uint64_t before = StackHash();
    const int x = UtuHyoka(kKuro, kBlackTakes);
    const int y = -UtuHyoka(kSiro, kWhiteTakes);
    EXPECT_EQ(CaptureSwing(kKuro, kBlackTakes, kWhiteTakes), x + y);
    EXPECT_GT(x, 0);
    EXPECT_LT(y, 0);
    // A move that cannot be played counts 0.
    EXPECT_EQ(CaptureSwing(kKuro, Point(5, 4), kWhiteTakes), y);
    EXPECT_EQ(StackHash(), before);
}

TEST_F(UkeruTest, SwingOfFortyOneIsTakenAndFortyIsNot)
{
    // Raising the base by k lowers both evaluations by k and the swing by
    // 2k, so one position reaches only swings of one parity: a far stone
    // somewhere gives a position of the other parity.
    const Point fars[] = {Point(), Point(9, 9), Point(1, 9), Point(9, 1), Point(8, 8), Point(1, 1), Point(9, 5)};
    bool odd = false, even = false;
    for (const Point far : fars) {
        for (int colour : {kKuro, kSiro}) {
            if (odd && even)
                break;
            AfterMove(kSwing, kLast, far, far.x == 0 ? 0 : colour);
            const int s0 = CaptureSwing(kKuro, kBlackTakes, kWhiteTakes);
            const bool isOdd = (s0 % 2 + 2) % 2 == 1;
            if ((isOdd && odd) || (!isOdd && even))
                continue;
            (isOdd ? odd : even) = true;
            const int base = HyokaBaseValue;
            // Swings just above and just below the line.
            for (int want : isOdd ? std::vector<int>{41, 39} : std::vector<int>{42, 40}) {
                HyokaBaseValue = base + (s0 - want) / 2;
                ASSERT_EQ(CaptureSwing(kKuro, kBlackTakes, kWhiteTakes), want);
                const std::uint64_t before = StackHash();
                Point out;
                CounterCapture(out);
                EXPECT_EQ(out, want > 40 ? kWhiteTakes : Point()) << "swing " << want;
                EXPECT_EQ(StackHash(), before);
            }
        }
    }
    EXPECT_TRUE(odd && even) << "no position of one of the parities";
}

TEST_F(UkeruTest, LoneStonesInAtariAreNotConsidered)
{
    // The same fight with single stones: White's D4 in atari next to
    // Black's E4 in atari.  However large the swing, nothing.
    AfterMove(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . X O X O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
          kLast);
    HyokaBaseValue -= 1000;
    Point out;
    CounterCapture(out);
    EXPECT_EQ(out, Point());
}

} // namespace
} // namespace vorn::test

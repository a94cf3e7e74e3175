// Urgent shapes asked for by other generators: the liberty moves around one
// group (reason 26, its answer, the group it keeps to) and the value of a
// stone's knight's-move links with a scripted relation handler, which also
// drives the enclosed-liberty shape.
//
// Points are named as in the diagrams: column letter, then the row counted
// from the top.
#include "DecisionUtil.h"
#include "UrgentShapes.h"
#include "Util.h"

#include <string>

#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/Kyuba.h"
#include "engine/Nozoki.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

using namespace shapes;

const TGun& GroupAt(const char* name)
{
    const TGun* g = GobanLv[0]->GunList.GetGunAt(At(name));
    if (g == nullptr)
        throw std::runtime_error(std::string("no group at ") + name);
    return *g;
}

class KyubaTest : public VornTest {};

// ---------------------------------------------------------------------------
// GunDameTe

TEST_F(KyubaTest, LibertyMovesOfAGroupCarryTheirReasonAndPutTheCodeBack)
{
    PrepareDecision(kSharedLiberty, kKuro);
    KohoKind = kkJoban;
    const std::uint64_t before = StackHash();
    EXPECT_FALSE(GunDameTe(GroupAt("D4")));
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(KohoKind, kkJoban);
    EXPECT_EQ(KindAt(At("D3")), kkGunDame);
}

TEST_F(KyubaTest, LibertyMovesKeepToTheGroup)
{
    const struct {
        const char* what;
        const char* diagram;
        int side;
        const char* group;
        const char* point; // "" when the group gets nothing
    } cases[] = {
        {"the atari before the cut of the group's diagonal", kAtariBeforeCut, kKuro, "D4", "E4"},
        {"the same shape is not the business of a group far away", nullptr, kKuro, "I9", ""},
        {"the move on the path of the group's ladder", kLadderPath, kSiro, "D4", "E6"},
        {"another group's ladder is not read", kLadderPath, kSiro, "C4", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PrepareDecision(c.diagram != nullptr ? c.diagram : Board9("O I9", kAtariBeforeCut).c_str(), c.side);
        GunDameTe(GroupAt(c.group));
        if (*c.point == 0) {
            EXPECT_EQ(KohoCount, 0);
            continue;
        }
        EXPECT_EQ(KindAt(At(c.point)), kkGunDame);
    }
}

TEST_F(KyubaTest, LibertyMovesAnswerTrueOnlyAboveTwoHundredTwenty)
{
    const struct {
        int reason, value;
        bool answer;
    } cases[] = {
        {kkGunDame, 221, true},
        {kkGunDame, 220, false},
        {kkGunDame, 30, false},
        {kkNozoki, 300, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        PrepareDecision(Board9("O E5").c_str(), kKuro);
        AddKohoEx(At("A1"), c.value, static_cast<std::uint8_t>(c.reason), Point());
        ASSERT_EQ(KohoCount, 1);
        EXPECT_EQ(GunDameTe(GroupAt("E5")), c.answer);
        EXPECT_EQ(KohoCount, 1);
    }
}

// ---------------------------------------------------------------------------
// KeimaKankeiUtu

int gCalls = 0;

// Each call appends a candidate that stays and a later one that carries the
// value; the second call merges into the first one's point.
void AppendTwo(Point, Point)
{
    ++gCalls;
    AddKoho(At("A1"), 10, 0);
    AddKoho(At("A2"), 20 + gCalls, 0);
}

void MergeOnly(Point, Point)
{
    ++gCalls;
    AddKoho(At("A1"), 30, 0);
}

TEST_F(KyubaTest, KnightsMoveValueTakesOutOnlyTheLastAppendedCandidate)
{
    PrepareDecision(kEnclosedLiberty, kKuro);
    gCalls = 0;
    KeimaKankeiHandler = AppendTwo;
    // G7's two knight's-move links (to F5 and E6): the first call appends
    // A1 and A2 (A2 taken out), the second merges into A1 and appends A2.
    EXPECT_EQ(KeimaKankeiUtu(At("G7")), 22);
    EXPECT_EQ(gCalls, 2);
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Pt[1], At("A1"));

    // A candidate merged into an entry already there stays, and nothing is
    // taken out.
    gCalls = 0;
    KeimaKankeiHandler = MergeOnly;
    EXPECT_EQ(KeimaKankeiUtu(At("G7")), 0);
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Value[1], 30);

    // A stone without knight's-move links, and a point off the board.
    gCalls = 0;
    EXPECT_EQ(KeimaKankeiUtu(At("C5")), 0);
    EXPECT_EQ(KeimaKankeiUtu(Point(0, 3)), 0);
    EXPECT_EQ(gCalls, 0);
}

void Worth30(Point, Point) { AddKoho(At("A1"), 30, 0); }
void WorthNothing(Point, Point) { AddKoho(At("A1"), 0, 0); }

TEST_F(KyubaTest, EnclosedLibertyReadsTheKnightsMoveLinks)
{
    // Black's G6 for the engine as attacker and as owner alike.
    KeimaKankeiHandler = Worth30;
    for (const int side : {kKuro, kSiro}) {
        PrepareDecision(kEnclosedLiberty, side);
        const std::uint64_t before = StackHash();
        KeimaNozokiThink();
        EXPECT_EQ(StackHash(), before);
        ASSERT_EQ(KohoCount, 1);
        EXPECT_EQ(Koho.Pt[1], At("G6"));
        EXPECT_GE(Koho.Value[1], 1);
        EXPECT_LE(Koho.Value[1], 30);
    }
    // Through the generator: reason 14.
    PrepareDecision(kEnclosedLiberty, kKuro);
    Point out;
    NozokiThink(out);
    EXPECT_EQ(KindAt(At("G6")), kkNozoki);

    // The same after the look-ahead boards have held other positions: the
    // links are graded on the board as it stands.
    PrepareDecision(kLadderPath, kSiro);
    GunDameTe(GroupAt("D4"));
    PrepareDecision(kEnclosedLiberty, kKuro);
    KeimaNozokiThink();
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Pt[1], At("G6"));

    // Links worth nothing: no candidate.
    PrepareDecision(kEnclosedLiberty, kKuro);
    KeimaKankeiHandler = WorthNothing;
    KeimaNozokiThink();
    EXPECT_EQ(KohoCount, 0);
}

} // namespace
} // namespace vorn::test

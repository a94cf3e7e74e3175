// The moves beside the one-space jumps of the engine's groups, the approach
// to a stone facing ours across a gap and the push beside a knight's move,
// on diagrams with known answers.  Every routine leaves the boards and the
// level as it found them.
#include <cstdint>
#include <string>
#include <vector>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/RelationMoves.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/WeakGunKankei.h"

namespace vorn::test {
namespace {

class WeakGunKankeiTest : public VornTest {
protected:
    // The stage routine on the diagram for the engine's colour; nothing may
    // be left on the boards.
    static Point Stage(const std::string& diagram, int engine, void (*routine)(Point&))
    {
        PrepareDecision(diagram.c_str(), engine);
        PreparedTeClear();
        const std::uint64_t before = StackHash();
        Point out;
        routine(out);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
        return out;
    }
};

struct TCase {
    const char* name;
    const char* diagram;
    std::vector<const char*> want;   // candidates that must be there
    std::vector<const char*> absent; // and those that must not
    const char* prepared = nullptr;  // the prepared answers, when given
};

void Expect(const TCase& c)
{
    SCOPED_TRACE(c.name);
    for (const char* p : c.want)
        EXPECT_NE(KohoEntry(ParsePoint(p)), 0) << p << ":" << CandidateList();
    for (const char* p : c.absent)
        EXPECT_EQ(KohoEntry(ParsePoint(p)), 0) << p << ":" << CandidateList();
    if (c.prepared != nullptr) {
        EXPECT_EQ(PreparedList(), c.prepared);
    }
}

// Black's weak jump D5-F5 between White's stones.
const char* const kWeakJump = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . O . . . O . .
    . . . X . X . . .
    . . . . . . . . .
    . . O . . . O . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(WeakGunKankeiTest, WeakGroupsJumps)
{
    const TCase cases[] = {
        {"both sides two lines out", kWeakJump, {"E3", "E7"}, {}, ""},
        {"White two lines out beside D5: the cap read, three answers prepared", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . O . . . . .
            . . O . . . O . .
            . . . X . X . . .
            . . . . . . . . .
            . . O . . . O . .
            . . . . . . . . .
            . . . . . . . . .)",
         {"E3", "E7"}, {}, " E3:E2>F3 E3:E4>D4 E3:D4>E4"},
        {"E7 hemmed in by White's D7 and E8 (two empty neighbours): that side gives nothing", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . O . . . O . .
            . . . X . X . . .
            . . . . . . . . .
            . . O O . . O . .
            . . . . O . . . .
            . . . . . . . . .)",
         {"E3"}, {"E7"}},
        {"a stone of ours next to E7: that side gives nothing", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . O . . . O . .
            . . . X . X . . .
            . . . . . . . . .
            . . O . . . O . .
            . . . . X . . . .
            . . . . . . . . .)",
         {"E3"}, {"E7"}},
        {"the point two lines out on the second line, the other side closed", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . O . . . .
            . . . X . X . . .
            . . O . . . O . .
            . . . . . . . . .
            . . . . . . . . .)",
         {}, {"E8", "E4"}},
        {"a knight's move is passed over", R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . O . . . O . .
            . . . X . . . . .
            . . . . . . . . .
            . . O . X . O . .
            . . . . . . . . .
            . . . . . . . . .)",
         {}, {"C5", "C7", "F5", "F7", "E5", "D6", "D7", "E6"}},
    };
    for (const TCase& c : cases) {
        Stage(c.diagram, kKuro, WeakGunKankeiThink);
        Expect(c);
        for (int i = 1; i <= KohoCount; ++i)
            EXPECT_EQ(Koho.Kind[i], kkWeakGunKankei) << c.name;
    }
    // The last case has no candidate at all: the selection finds nothing.
    EXPECT_EQ(KohoCount, 0) << CandidateList();
}

TEST_F(WeakGunKankeiTest, WhichGroupsEachStageReads)
{
    // An open jump is alive: stage 4 reads it, stage 3 does not.
    const std::string open = Stones(9, {{"D5", 'X'}, {"F5", 'X'}});
    const Point out = Stage(open, kKuro, IkiGunKankeiThink);
    EXPECT_NE(KohoEntry(ParsePoint("E3")), 0) << CandidateList();
    EXPECT_NE(KohoEntry(ParsePoint("E7")), 0) << CandidateList();
    EXPECT_NE(out, Point());
    Stage(open, kKuro, WeakGunKankeiThink);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    // The opponent's groups are never read.
    Stage(kWeakJump, kSiro, WeakGunKankeiThink);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
}

// Black's six stones around M7 have eye value 3 and death level 0: neither
// weak by the stage's test nor alive by their eyes.
const char* const kFewEyesNoDeath = R"(
    . . . . . . . X X . . . . . . . . O .
    O O . X . . . . . . . . . O . . . . .
    . . . . . . . . . . . . O . . . . . .
    . . . . . . X . . . . . . . . X . . X
    . . . . . . . . . . . . . O . . . . .
    . . . O . X O . . . . . O . . . . . .
    . . . . . O . . . O . . X . O . O . X
    X O . O . . . . . . X . . . . . . X .
    . . . X . . X . . O . . O X . . . . .
    O . . . . . . . . . X X . . . . . . .
    . . . . . . O X . X . . X . . . O X .
    . . . . . . . . . . X . . O O . . . .
    . . . . . . . . . . . . . O . X . X .
    . . . . X . . O . . . . . . . . . . .
    . . . . . X O X . . O . O . . . O . .
    . . . . . . . . . . . . . O X . . . .
    . . . . . . . O . . . . . . X . . . .
    . . X . O O O . . . . . . X X . X . .
    . . . . . . X O . . . . . . . . . . .)";

TEST_F(WeakGunKankeiTest, GroupWithFewEyesButNoDeathLevelIsPassedOver)
{
    PrepareDecision(kFewEyesNoDeath, kKuro);
    const TGun* g = GobanLv[0]->GunList.GetGunAt(ParsePoint("M7"));
    ASSERT_NE(g, nullptr);
    ASSERT_LT(g->GetMe(), 4);
    ASSERT_EQ(g->GetDeathLevel(), 0);
    // Read on its own, its jumps have moves two lines out...
    KohoKind = kkWeakGunKankei;
    GunKankeiScan(*g);
    YomiUnwind();
    const std::vector<Point> own = {ParsePoint("I9"), ParsePoint("I13")};
    for (Point p : own)
        ASSERT_NE(KohoEntry(p), 0) << PointName(p) << CandidateList();
    // ... which neither stage proposes.
    for (void (*routine)(Point&) : {WeakGunKankeiThink, IkiGunKankeiThink}) {
        Stage(kFewEyesNoDeath, kKuro, routine);
        for (Point p : own)
            EXPECT_EQ(KohoEntry(p), 0) << PointName(p) << CandidateList();
    }
}

TEST_F(WeakGunKankeiTest, JumpsToTheEdgeGiveNothing)
{
    // Second-line stones jump to the edge: the related point lies off the
    // board, and so do the points beside it.
    PrepareDecision(Stones(9, {{"E2", 'X'}, {"B5", 'X'}, {"H6", 'X'}, {"E5", 'O'}}).c_str(), kKuro);
    int links = 0;
    for (const char* name : {"E2", "B5", "H6"}) {
        const Point s = ParsePoint(name);
        const TLocate& loc = GobanLv[0]->GetLocatePt(s);
        for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
            if (loc.GetKankeiKind(i) != Kankei1ken || loc.OnBoardAt(i))
                continue;
            ++links;
            const Point edge = loc.GetKankeiPoint(i);
            GunIkkenUtu(s, edge);
            GunIkkenUtu(edge, s);
            IkkenAiteUtu(s, edge);
            IkkenAiteUtu(edge, s);
        }
    }
    EXPECT_EQ(links, 3);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    EXPECT_EQ(Level, 0);
}

TEST_F(WeakGunKankeiTest, InsideTheLookAheadTheStagesStandDown)
{
    for (void (*routine)(Point&) : {WeakGunKankeiThink, IkiGunKankeiThink, Kankei34Think}) {
        PrepareDecision(kWeakJump, kKuro);
        InSakiyomi = 1;
        KohoKind = kkKankei;
        const Point mark(9, 9);
        Point out = mark;
        routine(out);
        EXPECT_EQ(out, mark);
        EXPECT_EQ(KohoCount, 0);
        EXPECT_EQ(KohoKind, kkKankei);
        InSakiyomi = 0;
    }
}

// --- A stone facing the opponent's -------------------------------------------------

// The value and bonus of the approach at p for a reading total e: from 25
// on, value 25 and the rest in the bonus.
struct TApproach {
    int value, bonus;
};
TApproach Approach(int e, int bonusFrom25)
{
    return e >= 25 ? TApproach{25, bonusFrom25} : TApproach{e, 0};
}

TEST_F(WeakGunKankeiTest, ApproachBesideTheOpponentsStone)
{
    // White's F5 faces Black's D5 across E5; White's E6 beside the gap is
    // caught by a ladder once Black fills the gap: Black approaches at F4.
    const char* const side = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . O . . .
        . . . X O . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .)";
    Stage(side, kKuro, Kankei34Think);
    const Point p = ParsePoint("F4"), x = ParsePoint("F3");
    const int i = KohoEntry(p);
    ASSERT_NE(i, 0) << CandidateList();
    const int e = UtuHyoka(kKuro, p) + UtuHyoka(kSiro, x);
    const TApproach want = Approach(e, e / 10 + 11);
    EXPECT_EQ(Koho.Value[i], want.value);
    EXPECT_EQ(Koho.Bonus[i], want.bonus);
    EXPECT_EQ(Koho.Kind[i], kkGunKankei);
    EXPECT_EQ(PreparedList(), " F4:G4>F3 F4:E4>E5 F4:E5>E4");
}

TEST_F(WeakGunKankeiTest, ApproachToALoneStone)
{
    // White's lone G6 faces Black's E6; White's J6 keeps it company.
    const std::vector<std::pair<const char*, char>> base = {{"E6", 'X'}, {"G6", 'O'}, {"J6", 'O'}};
    struct {
        const char* name;
        std::vector<std::pair<const char*, char>> more;
        std::vector<const char*> want;
    } const cases[] = {
        {"both sides", {}, {"G5", "G7"}},
        {"White beside our stone on one side: the other side only", {{"E7", 'O'}}, {"G5"}},
        {"the lone stone's group weak", {{"I4", 'X'}, {"I8", 'X'}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto stones = base;
        stones.insert(stones.end(), c.more.begin(), c.more.end());
        Stage(Stones(13, stones), kKuro, Kankei34Think);
        EXPECT_EQ(KohoCount, static_cast<int>(c.want.size())) << CandidateList();
        for (const char* name : c.want) {
            const Point p = ParsePoint(name);
            const int i = KohoEntry(p);
            ASSERT_NE(i, 0) << name << CandidateList();
            // X two lines out beside G6 on the side of p.
            const Point x(p.x, p.y + (p.y - 6));
            const int e = UtuHyoka(kKuro, p) + UtuHyoka(kSiro, x);
            const TApproach want = Approach(e, e - 14);
            EXPECT_EQ(Koho.Value[i], want.value) << name;
            EXPECT_EQ(Koho.Bonus[i], want.bonus) << name;
        }
        if (c.want.empty()) {
            // The premises: the stone is lone and has its friend, its group is weak.
            const TGun* g = GobanLv[0]->GunList.GetGunAt(ParsePoint("G6"));
            ASSERT_NE(g, nullptr);
            EXPECT_TRUE(g->IsWeak());
            EXPECT_GT(GobanLv[0]->GetLocatePt(ParsePoint("G6")).CountKankeiLE(Kankei2ken, kSiro), 0);
        }
    }
    // Alone, with no opponent's stone near it, the lone stone is left alone.
    Stage(Stones(13, {{"E6", 'X'}, {"G6", 'O'}}), kKuro, Kankei34Think);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    // The answers prepared for each approach, in their order: beyond it the
    // jump out (there is room), in the gap and beside it, behind the stone.
    Stage(Stones(13, base), kKuro, Kankei34Think);
    EXPECT_EQ(PreparedList(), " G5:H5>G4 G5:F5>F6 G5:F6>F5 G5:H6>F5 G7:H7>G8 G7:F7>F6 G7:F6>F7 G7:H6>F7");
}

TEST_F(WeakGunKankeiTest, PushBesideAKnightsMove)
{
    // Black's knight's move D5-E7 with White's E4 beyond the side point E5.
    const char* const knight = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . X . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    for (int engine : {kKuro, kSiro}) {
        Stage(knight, engine, Kankei34Think);
        EXPECT_NE(KohoEntry(ParsePoint("E5")), 0) << engine << CandidateList();
    }
    // D5 short of a liberty: no push.
    Stage(Stones(9, {{"D5", 'X'}, {"E7", 'X'}, {"E4", 'O'}, {"C5", 'O'}}), kKuro, Kankei34Think);
    EXPECT_EQ(KohoEntry(ParsePoint("E5")), 0) << CandidateList();
}

} // namespace
} // namespace vorn::test

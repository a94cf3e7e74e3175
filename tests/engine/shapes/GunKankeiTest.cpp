// The group relation shape moves: which stones and relations are read, the
// value rules of the shapes, the pair output of the weak-group generator and
// the stage's selection.  Every call leaves the boards and the level as it
// found them.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Util.h"
#include <cstdlib>
#include "engine/DecisionUtil.h"
#include "engine/shapes/RelationMoves.h"

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn::test {
namespace {

class GunKankeiTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        GunKankeiMin = 0;
    }
    // The position for the engine's colour, the candidate table empty and
    // reason 5 in force (no relation-move capping of large values).
    static void Prepare(const std::string& diagram, int engine)
    {
        PrepareDecision(diagram.c_str(), engine);
        PreparedTeClear();
        KohoKind = kkKankei;
    }
    // A call that must leave everything as it found it.
    template <class F>
    static void Call(F&& f)
    {
        const std::uint64_t before = StackHash();
        f();
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(Level, 0);
    }
    static void Patterns(const char* stone, int weak = 0)
    {
        Call([&] { KankeiPatternUtu(ParsePoint(stone), weak); });
    }
    static int ValueAt(const char* name)
    {
        const int i = KohoEntry(ParsePoint(name));
        return i == 0 ? -1000 : Koho.Value[i];
    }
};

// Black's F7 and White's H7 a one-space jump apart in the open (13 x 13).
const std::string kJump = Stones(13, {{"F7", 'X'}, {"H7", 'O'}});

TEST_F(GunKankeiTest, StoneInAtariOrCaughtIsNotRead)
{
    Prepare(kJump, kKuro);
    Patterns("F7");
    ASSERT_GT(KohoCount, 0);
    // The same jump with Black's stone short of liberties.
    const struct {
        const char* name;
        std::vector<std::pair<const char*, char>> more;
        int kuu;
    } cases[] = {
        {"in atari", {{"E7", 'O'}, {"F6", 'O'}, {"G7", 'O'}}, 1},
        {"two liberties and caught by a ladder", {{"E7", 'O'}, {"F6", 'O'}, {"G8", 'O'}}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<const char*, char>> stones = {{"F7", 'X'}, {"H7", 'O'}};
        stones.insert(stones.end(), c.more.begin(), c.more.end());
        Prepare(Stones(13, stones), kKuro);
        ASSERT_EQ(KuuOf(ParsePoint("F7")), c.kuu);
        if (c.kuu == 2) {
            ASSERT_EQ(SichoOf(ParsePoint("F7")), 1);
        }
        Patterns("F7");
        EXPECT_EQ(KohoCount, 0) << CandidateList();
    }
}

TEST_F(GunKankeiTest, StageReadsTheEngineLivingGroups)
{
    // The open jump: Black's lone stone is alive by its eyes.
    Prepare(kJump, kKuro);
    Point out;
    Call([&] { GunKankeiThink(0, out); });
    EXPECT_GT(KohoCount, 0);
    EXPECT_NE(out, Point());
    for (int i = 1; i <= KohoCount; ++i)
        EXPECT_EQ(Koho.Kind[i], kkGunKankei);
    // A threshold of ten times n: nothing is chosen at 1000.
    Prepare(kJump, kKuro);
    Call([&] { GunKankeiThink(100, out); });
    EXPECT_GT(KohoCount, 0);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(GunKankeiMin, 100);
    // Black's stone shut in among White's: not alive, not read.
    const std::string shut =
        Stones(9, {{"E5", 'X'}, {"E3", 'O'}, {"C5", 'O'}, {"G5", 'O'}, {"E7", 'O'}, {"D4", 'O'}, {"F6", 'O'}});
    Prepare(shut, kKuro);
    ASSERT_LT(GobanLv[0]->GunList.GetGunAt(ParsePoint("E5"))->GetMe(), 4);
    Call([&] { GunKankeiThink(0, out); });
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    EXPECT_EQ(out, Point());
}

// The step index of the offset (dx, dy) in the relation tables.
int StepOf(int dx, int dy)
{
    for (int s = 1; s <= kKankeiOffsets; ++s)
        if (KankeiOffsetX[s] == dx && KankeiOffsetY[s] == dy)
            return s;
    return 0;
}

TEST_F(GunKankeiTest, RelationsThatAreNotRead)
{
    // Black's F7 (13 x 13) with its record rewritten to hold one relation.
    struct {
        const char* name;
        const char* other;
        char colour;
        int kind;
        bool read;
    } const cases[] = {
        {"a one-space jump to White", "H7", 'O', Kankei1ken, true},
        {"a one-space jump to Black", "H7", 'X', Kankei1ken, false},
        {"the (1,4) shape", "J6", 'O', KankeiKeima14, false},
        {"the (3,3) diagonal", "I4", 'O', KankeiNaname3, false},
        {"the half-blocked diagonal", "G6", 'O', KankeiNanameKuu, false},
    };
    const Point a = ParsePoint("F7");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Prepare(Stones(13, {{"F7", 'X'}, {c.other, c.colour}}), kKuro);
        const Point b = ParsePoint(c.other);
        TLocate& loc = GobanLv[0]->GetLocate(a.x, a.y);
        loc.Init(a.x, a.y, kKuro);
        loc.AddKankei(StepOf(b.x - a.x, b.y - a.y), c.kind, c.colour == 'X' ? 1 : 0);
        ASSERT_EQ(loc.GetKankeiPoint(1), b);
        Patterns("F7");
        EXPECT_EQ(KohoCount > 0, c.read) << CandidateList();
    }
}

TEST_F(GunKankeiTest, OnlyTheFirstTenRelationsAreRead)
{
    // Black's J10 (19 x 19) and White's L10, a one-space jump east, G10 a
    // two-space jump west and H8 a (2,2) diagonal.  The record of J10 is
    // rewritten with twelve relations: ten to L10, then G10 and H8.
    const Point a = ParsePoint("J10"), jump = ParsePoint("L10"), far = ParsePoint("G10"), diag = ParsePoint("H8");
    const std::string diagram = Stones(19, {{"J10", 'X'}, {"L10", 'O'}, {"G10", 'O'}, {"H8", 'O'}});
    auto record = [&] {
        TLocate& loc = GobanLv[0]->GetLocate(a.x, a.y);
        loc.Init(a.x, a.y, kKuro);
        for (int i = 0; i < 10; ++i)
            loc.AddKankei(10, Kankei1ken, 0); // (2, 0)
        loc.AddKankei(28, Kankei2ken, 0);     // (-3, 0)
        loc.AddKankei(24, KankeiNaname2, 0);  // (-2, -2)
        ASSERT_EQ(loc.GetKankeiSu(), 12);
        ASSERT_EQ(loc.GetKankeiPoint(11), far);
        ASSERT_EQ(loc.GetKankeiPoint(12), diag);
    };
    // The jump's pattern alone, and with the patterns of the last two
    // relations, which add more.
    Prepare(diagram, kKuro);
    Call([&] { GunKankei3Utu(a, jump, 0); });
    const std::string ten = SortedCandidates();
    ASSERT_FALSE(ten.empty());
    Prepare(diagram, kKuro);
    Call([&] {
        GunKankei3Utu(a, jump, 0);
        GunKankei6Utu(a, far);
        GunKankei5Utu(a, diag);
    });
    ASSERT_NE(SortedCandidates(), ten);
    // Through the dispatch, which reads the first ten relations.
    Prepare(diagram, kKuro);
    record();
    Patterns("J10");
    EXPECT_EQ(SortedCandidates(), ten);
}

TEST_F(GunKankeiTest, AdjacentStones)
{
    // Black's F7 and White's G7 side by side in the open: on each side Black
    // hanes beside White's stone and White beside Black's, and the engine's
    // point gets four fifths of both readings.
    const std::string contact = Stones(13, {{"F7", 'X'}, {"G7", 'O'}});
    const struct {
        const char* black;
        const char* white;
    } sides[] = {{"G8", "F8"}, {"G6", "F6"}};
    for (int engine : {kKuro, kSiro}) {
        Prepare(contact, engine);
        Patterns("F7");
        EXPECT_EQ(KohoCount, 2) << CandidateList();
        for (const auto& s : sides) {
            const int both = UtuHyoka(kKuro, ParsePoint(s.black)) + UtuHyoka(kSiro, ParsePoint(s.white));
            EXPECT_EQ(ValueAt(engine == kKuro ? s.black : s.white), both * 4 / 5) << CandidateList();
        }
    }
    // Kinds 1 and 6 add even while the weak-group generator collects pairs.
    Prepare(contact, kKuro);
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    Patterns("F7");
    GunKankeiPairMode = 0;
    EXPECT_EQ(GunKankeiPairCount, 0);
    EXPECT_EQ(KohoCount, 2);
    // White's stone dead between two of Black's: nothing.
    Prepare(Stones(13, {{"F7", 'X'}, {"G7", 'O'}, {"H7", 'X'}}), kKuro);
    ASSERT_NE(GobanLv[0]->IsDeathPt(ParsePoint("G7")), 0);
    Patterns("F7");
    EXPECT_EQ(KohoCount, 0) << CandidateList();
}

// Two positions of seeded games with a diagonal contact: Black's I8
// against White's J7 (13 x 13), and White's C4 against Black's D5 (19 x 19).
const char* const kDiagonalNegative = R"(
    X O . O . . . . . . . . .
    . . . . . . . . . . . . .
    . . . . . . X . . . . . .
    O . . . . . . . . X . . .
    . . . X O X . . . . . . .
    . . . . . . . . . . . . .
    . . O . O . . . . O . . .
    . . O . X O . . X . . X X
    . X . . . . . . . O . . .
    . . . . . . . . . . . . .
    . . . . . . . . . . O . .
    . . . . . . . . . . . . .
    . . . . . X . . . . . . .)";
const char* const kDiagonalNothing = R"(
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . O O . . . O . . . . . . . . . . . O
    . . . X . . . . X . . . . . O . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . O . . O . . . . . . . . . . . . . .
    X . . . . . . . . . . . . . . . . . .
    . . . . . . . . . O . . . . . . . O .
    . . . . . . . X . . . . . . . . X . .
    . . . . . . . . . . . . . X . . . . .
    . . . . . . . . . . X . . . X . X . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . X . . . . . . . . . . O . .
    . . . . . . . . . . . . . . X . X . .
    . . O . . . . . . . . O . . . . . . X
    . . . . . . . O . . . . X . . . . . .
    . . . . . . . . . . . . . . . . . . .)";

TEST_F(GunKankeiTest, DiagonalReadings)
{
    // Black's block at I7 loses a little, White's there gains: the sum is
    // halved.
    Prepare(kDiagonalNegative, kKuro);
    const Point x = ParsePoint("I7");
    const int black = UtuHyoka(kKuro, x), white = UtuHyoka(kSiro, x);
    ASSERT_LT(black, 0);
    Call([] { GunKankei2Utu(ParsePoint("I8"), ParsePoint("J7")); });
    EXPECT_EQ(ValueAt("I7"), (black + white) / 2) << CandidateList();
    // On the side of C5 the readings sum to nothing: only the other side,
    // White's E3, is proposed, and only it is recorded as a pair.
    Prepare(kDiagonalNothing, kSiro);
    Call([] { GunKankei2Utu(ParsePoint("C4"), ParsePoint("D5")); });
    EXPECT_EQ(KohoCount, 1) << CandidateList();
    EXPECT_NE(KohoEntry(ParsePoint("E3")), 0) << CandidateList();
    Prepare(kDiagonalNothing, kSiro);
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    Call([] { GunKankei2Utu(ParsePoint("C4"), ParsePoint("D5")); });
    GunKankeiPairMode = 0;
    EXPECT_EQ(GunKankeiPairCount, 1);
}

TEST_F(GunKankeiTest, OneSpaceJumpGates)
{
    struct {
        const char* name;
        const char* a;
        const char* b;
    } const cases[] = {
        {"A on the edge line", "F1", "F3"},
        {"B on the edge line", "F3", "F1"},
        {"both on the second line", "E2", "G2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Prepare(Stones(13, {{c.a, 'X'}, {c.b, 'O'}}), kKuro);
        Call([&] { GunKankei3Utu(ParsePoint(c.a), ParsePoint(c.b), 0); });
        EXPECT_EQ(KohoCount, 0) << CandidateList();
    }
}

TEST_F(GunKankeiTest, OneSpaceJumpTowardTheEdge)
{
    // Black's F4 and White's H4 on the fourth line: toward the edge the
    // point beside the gap, G3, is read for both sides; the sum above 23
    // goes to the bonus, and under 50 the value stays at 23.
    for (int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        Prepare(Stones(13, {{"F4", 'X'}, {"H4", 'O'}}), engine);
        const Point n = ParsePoint("G3");
        const int e1 = UtuHyoka(kKuro, n), e2 = UtuHyoka(kSiro, n);
        Call([&] { GunKankei3Utu(ParsePoint("F4"), ParsePoint("H4"), 0); });
        const int i = KohoEntry(n);
        if (e1 < 0 || e2 < 0) {
            EXPECT_EQ(i, 0);
            continue;
        }
        ASSERT_NE(i, 0) << CandidateList();
        const int total = e1 + e2;
        ASSERT_GT(total, 23);
        EXPECT_EQ(Koho.Value[i], total < 50 ? 23 : total);
        EXPECT_EQ(Koho.Bonus[i], total - 23);
    }
}

TEST_F(GunKankeiTest, KnightsMoveAgainstALoneStone)
{
    // Black's three stones H10-J10 against White's lone L9 (19 x 19): the
    // pair's value is halved once per Black stone.
    Prepare(Stones(19, {{"H10", 'X'}, {"I10", 'X'}, {"J10", 'X'}, {"L9", 'O'}}), kKuro);
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    Call([] { GunKankei4Utu(ParsePoint("J10"), ParsePoint("L9")); });
    GunKankeiPairMode = 0;
    ASSERT_GT(GunKankeiPairCount, 0);
    for (int i = 1; i <= GunKankeiPairCount; ++i) {
        const int sum = UtuHyoka(kKuro, GunKankeiPair.Kuro[i]) + UtuHyoka(kSiro, GunKankeiPair.Siro[i]);
        int want = sum;
        for (int k = 0; k < 3; ++k)
            want /= 2;
        EXPECT_EQ(GunKankeiPair.Value[i], want < 0 ? 1 : want) << sum;
    }
}

TEST_F(GunKankeiTest, TwoSpaceJumpOnTheThirdLine)
{
    // Black's E3 and White's H3: under the jump each side hanes under the
    // other's stone.  White's B2 keeps the side reading off the edge side.
    Prepare(Stones(13, {{"E3", 'X'}, {"H3", 'O'}, {"C2", 'O'}}), kKuro);
    int e1 = 0, e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(kKuro, ParsePoint("G2"));
        y.Play(kSiro, ParsePoint("H2"));
        y.Play(kKuro, ParsePoint("G3"));
        e1 = y.Score(kKuro);
    }
    {
        TShapeYomi y(TRefusal::GoOn);
        y.Play(kSiro, ParsePoint("F2"));
        y.Play(kKuro, ParsePoint("E2"));
        y.Play(kSiro, ParsePoint("F3"));
        e2 = y.Score(kSiro);
    }
    ASSERT_GT(e1 + e2, 19);
    Call([] { GunKankei6Utu(ParsePoint("E3"), ParsePoint("H3")); });
    EXPECT_EQ(ValueAt("G2"), 19) << CandidateList();
    EXPECT_EQ(PreparedList(), " G2:H2>G3");
}

TEST_F(GunKankeiTest, ThreeSpaceJumpOfAWeakGroup)
{
    // Black's C4 and White's G4 on the fourth line.
    const std::string jump = Stones(13, {{"C4", 'X'}, {"G4", 'O'}});
    Prepare(jump, kKuro);
    Call([] { GunKankei10Utu(ParsePoint("C4"), ParsePoint("G4"), 0); });
    EXPECT_GT(KohoCount, 1) << CandidateList();
    // For a weak group with the gaps open only the try at the middle gap.
    Prepare(jump, kKuro);
    Call([] { GunKankei10Utu(ParsePoint("C4"), ParsePoint("G4"), 1); });
    ASSERT_EQ(KohoCount, 1) << CandidateList();
    EXPECT_EQ(Koho.Pt[1], ParsePoint("E4"));
    const int value = ValueAt("E4");
    KohoCount = 0;
    AddKohoTry(ParsePoint("E4"));
    EXPECT_EQ(ValueAt("E4"), value);
}

TEST_F(GunKankeiTest, ThreeSpaceJumpOnTheThirdLineIsLeftAlone)
{
    // Black's C3 and White's G3 both on the third line: nothing, weak or not.
    const std::string jump = Stones(13, {{"C3", 'X'}, {"G3", 'O'}});
    for (int weak : {0, 1}) {
        Prepare(jump, kKuro);
        Call([weak] { GunKankei10Utu(ParsePoint("C3"), ParsePoint("G3"), weak); });
        EXPECT_EQ(KohoCount, 0) << weak << CandidateList();
    }
}

TEST_F(GunKankeiTest, WeakGroupWithAStoneInTheGapReadsTheOpenSide)
{
    // Black's D3 beside the first gap (row 3) closes that side: the weak
    // group no longer only tries the middle gap E4 but reads the open side,
    // row 5: Black's own point E5 beside the middle gap, and the point
    // F5 next to the gap before White's stone (four empty neighbours).
    Prepare(Stones(13, {{"C4", 'X'}, {"G4", 'O'}, {"D3", 'X'}}), kKuro);
    Call([] { GunKankei10Utu(ParsePoint("C4"), ParsePoint("G4"), 1); });
    EXPECT_NE(KohoEntry(ParsePoint("E5")), 0) << CandidateList();
    EXPECT_NE(KohoEntry(ParsePoint("F5")), 0) << CandidateList();
    EXPECT_EQ(KohoEntry(ParsePoint("E3")), 0) << CandidateList();
}

TEST_F(GunKankeiTest, TwoThreeShapeWithTheJumpBlocked)
{
    // Black's E7 and White's G4: on the side of E4, three from E7 on a line,
    // White's D6 stands in the way of Black's jump.
    Prepare(Stones(13, {{"E7", 'X'}, {"G4", 'O'}}), kKuro);
    Call([] { GunKankei8Utu(ParsePoint("E7"), ParsePoint("G4")); });
    ASSERT_NE(KohoEntry(ParsePoint("E4")), 0) << CandidateList();
    const int open = KohoCount;
    Prepare(Stones(13, {{"E7", 'X'}, {"G4", 'O'}, {"D6", 'O'}}), kKuro);
    Call([] { GunKankei8Utu(ParsePoint("E7"), ParsePoint("G4")); });
    EXPECT_EQ(KohoEntry(ParsePoint("E4")), 0) << CandidateList();
    EXPECT_EQ(KohoCount, open - 1) << CandidateList();
}

TEST_F(GunKankeiTest, LargeKnightsMoveTakesTheBetterPointAndTheExtensionOnTies)
{
    // Over the large knight's moves between stones of seeded games: on the
    // side where the point two from a stone is its own, that colour takes the
    // better of the extension F and the small jump G beside it, F on ties.
    int sides = 0, ties = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        RandomPosition(seed % 2 ? 9 : 13, 10 + static_cast<int>(seed % 30), seed);
        Prepare(BoardDiagram(*GobanLv[0]), kKuro);
        const TGoban& b = *GobanLv[0];
        ForEachStoneKankei([&](Point a, const TLocate& loc, int i) {
            const Point c = loc.GetKankeiPoint(i);
            if (loc.GetKankeiKind(i) != KankeiOgeima || !loc.OnBoardAt(i) || b.GetIroPt(c) != Aite(b.GetIroPt(a)))
                return;
            const int colA = b.GetIroPt(a);
            const int sx = c.x > a.x ? 1 : -1, sy = c.y > a.y ? 1 : -1;
            const bool longX = std::abs(c.x - a.x) == 3;
            // F0 two from a across toward c's side, G0 one further toward c;
            // F1 and G1 the same from c.
            const Point f0 = longX ? Point(a.x, a.y + 2 * sy) : Point(a.x + 2 * sx, a.y);
            const Point g0 = longX ? Point(f0.x + sx, f0.y) : Point(f0.x, f0.y + sy);
            const Point f1 = longX ? Point(c.x, c.y - 2 * sy) : Point(c.x - 2 * sx, c.y);
            const Point g1 = longX ? Point(f1.x - sx, f1.y) : Point(f1.x, f1.y - sy);
            GunKankeiPairCount = 0;
            GunKankeiPairMode = 1;
            GunKankei7Utu(a, c, 0);
            GunKankeiPairMode = 0;
            for (int k = 1; k <= GunKankeiPairCount; ++k) {
                const Point own = colA == kKuro ? GunKankeiPair.Kuro[k] : GunKankeiPair.Siro[k];
                const Point other = colA == kKuro ? GunKankeiPair.Siro[k] : GunKankeiPair.Kuro[k];
                const bool side0 = own == f0 || own == g0;
                const int mover = side0 ? colA : Aite(colA);
                const Point f = side0 ? f0 : f1, g = side0 ? g0 : g1, got = side0 ? own : other;
                const int ef = UtuHyoka(mover, f), eg = UtuHyoka(mover, g);
                EXPECT_EQ(got, eg > ef ? g : f) << "seed " << seed << " " << PointName(a) << "-" << PointName(c);
                ++sides;
                ties += ef == eg ? 1 : 0;
            }
        });
    }
    EXPECT_GT(sides, 20);
    EXPECT_GT(ties, 0);
}

// --- Pair mode -------------------------------------------------------------------------

// One relation of each kind with a pair output, Black's stone first.
struct TPairCase {
    const char* name;
    const char* black;
    const char* white;
    void (*pattern)(Point a, Point b);
};

const TPairCase kPairCases[] = {
    {"diagonal", "F7", "G6", GunKankei2Utu},
    {"one-space jump", "F7", "H7", [](Point a, Point b) { GunKankei3Utu(a, b, 0); }},
    {"knight's move", "F7", "H6", GunKankei4Utu},
    {"large knight's move", "E7", "F4", [](Point a, Point b) { GunKankei7Utu(a, b, 0); }},
    {"(2,3)", "E7", "G4", GunKankei8Utu},
    {"three-space jump", "C4", "G4", [](Point a, Point b) { GunKankei10Utu(a, b, 0); }},
};

TEST_F(GunKankeiTest, PairModeRecordsBothColoursMoves)
{
    for (const TPairCase& c : kPairCases)
        for (bool blackFirst : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (blackFirst ? ", Black's stone as A" : ", White's stone as A"));
            const std::string diagram = Stones(13, {{c.black, 'X'}, {c.white, 'O'}});
            const Point a = ParsePoint(blackFirst ? c.black : c.white), b = ParsePoint(blackFirst ? c.white : c.black);
            for (int engine : {kKuro, kSiro}) {
                // The pairs, each colour's move in its own column.
                Prepare(diagram, engine);
                GunKankeiPairCount = 0;
                GunKankeiPairMode = 1;
                Call([&] { c.pattern(a, b); });
                GunKankeiPairMode = 0;
                ASSERT_GT(GunKankeiPairCount, 0);
                const std::string trials = SortedCandidates();
                std::map<std::string, int> pairs;
                for (int i = 1; i <= GunKankeiPairCount; ++i) {
                    const Point p = engine == kKuro ? GunKankeiPair.Kuro[i] : GunKankeiPair.Siro[i];
                    int& v = pairs.emplace(PointName(p), GunKankeiPair.Value[i]).first->second;
                    v = std::max(v, GunKankeiPair.Value[i]);
                }
                // Outside pair mode the engine's move of each pair is added.
                Prepare(diagram, engine);
                Call([&] { c.pattern(a, b); });
                for (const auto& [p, v] : pairs)
                    EXPECT_EQ(ValueAt(p.c_str()), v) << p << CandidateList();
                // Only the three-space jump's single trials are added in pair
                // mode, and they are added outside it too.
                if (std::string(c.name) == "three-space jump")
                    EXPECT_FALSE(trials.empty());
                else
                    EXPECT_TRUE(trials.empty()) << trials;
            }
        }
}

} // namespace
} // namespace vorn::test

// Capturing races: the classes of a liberty, the attacker's filling order
// (its substitute for a self-atari, its capacity), which races are read and
// which are left alone, and the value of an eye for a lost race.  Points are
// GTP vertices, as in the problem files.
#include "DecisionUtil.h"
#include "Util.h"

#include <set>

#include "board/Diagram.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Semeai.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class SemeaiTest : public VornTest {
protected:
    static Point V(const char* vertex)
    {
        Point p;
        if (!ParseGtpVertex(vertex, p))
            throw std::invalid_argument(vertex);
        return p;
    }
    static const TGun& GunOf(const char* vertex)
    {
        const TGun* g = GobanLv[0]->GunList.GetGunAt(V(vertex));
        if (g == nullptr)
            throw std::runtime_error(std::string("no group at ") + vertex);
        return *g;
    }
    static std::string Names(const Point* list, int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += (i > 0 ? " " : "") + GtpVertex(list[i]);
        return s;
    }
};

TEST_F(SemeaiTest, DameClassTakesTheFirstTestThatHolds)
{
    // White attacks.  A1: suicide.  E1: one liberty left.  J5 captures H5.
    // F5 ataris E5.  E8 touches D8, where Black would atari C8.  G8 touches
    // White's G9, H8 only diagonally; B5 nothing at all.
    PrepareDecision(R"(
        . . X . . . O . .
        . X O . . . . . .
        . . . . . . . . .
        . . . . O . . O .
        . . . O X . O X .
        . . . . . . . O .
        . . . . . . . . .
        X . . . . . . . .
        . X . X . X . . .)",
                    kSiro);
    const struct {
        const char* point;
        int cls;
    } cases[] = {
        {"A1", 8}, {"E1", 7}, {"J5", 1}, {"F5", 2}, {"E8", 3}, {"G8", 4}, {"H8", 5}, {"B5", 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DameClass(V(c.point), kSiro), c.cls) << c.point;
    // The classes are the attacker's: for Black, F5 is only beside its stone.
    EXPECT_EQ(DameClass(V("F5"), kKuro), 4);
    EXPECT_EQ(DameClass(V("A1"), kKuro), 4);
}

// A filling order, checked against the board it was made on: no point that
// is forbidden or a self-atari for the attacker there, the group's
// liberties outside ones first and each part in class order, and any other
// point (a substitute) right before a liberty.
void CheckOrder(const TGun& g, const Point* list, int n, const std::string& where)
{
    const TGoban& b = *GobanLv[0];
    const int a = Aite(g.GetIsiIro());
    std::set<std::pair<int, int>> out, in;
    if (g.GetSmai() == 1) {
        for (int i = 1; i <= g.GetDameOutSu(); ++i)
            out.insert({g.GetDameOut(i).x, g.GetDameOut(i).y});
        for (int i = 1; i <= g.GetDameInSu(); ++i)
            in.insert({g.GetDameIn(i).x, g.GetDameIn(i).y});
    } else {
        for (int i = 1; i <= g.GetFromSu(); ++i)
            if (g.GetFromValue(i) == KankeiTonari)
                out.insert({g.GetFromB(i).x, g.GetFromB(i).y});
    }
    int last = 0; // part * 10 + class of the last liberty listed
    for (int i = 0; i < n; ++i) {
        const Point p = list[i];
        ASSERT_TRUE(b.OnBoardPt(p)) << where;
        ASSERT_EQ(b.GetIroPt(p), kAki) << where;
        const bool isOut = out.count({p.x, p.y}) != 0, isIn = in.count({p.x, p.y}) != 0;
        if (!isOut && !isIn) {
            // A substitute comes right before the liberty it makes safe.
            ASSERT_LT(i + 1, n) << where << ": substitute " << GtpVertex(p) << " last";
            continue;
        }
        EXPECT_EQ(b.IsKinsiPt(a, p), 0) << where << " " << GtpVertex(p);
        EXPECT_EQ(b.IsSelfAtariPt(a, p), 0) << where << " " << GtpVertex(p);
        const int key = (isOut ? 0 : 10) + DameClass(p, a);
        EXPECT_GE(key, last) << where << " " << GtpVertex(p);
        last = key;
    }
}

TEST_F(SemeaiTest, FillingOrdersOfGamePositions)
{
    int groups = 0;
    for (int seed = 1; seed <= 24; ++seed) {
        RandomPosition(9, 20 + 2 * seed, static_cast<std::uint64_t>(8100 + seed));
        const TGoban& b = *GobanLv[0];
        PrepareDecision(DiagramRows(b).c_str(), b.Tejun.NextColor());
        const std::uint64_t before = StackHash();
        for (int n = 1; n <= GobanLv[0]->GunList.GetCount(); ++n) {
            const TGun* g = GobanLv[0]->GunList.GetGun(n);
            Point list[kMaxSemeaiDame];
            const int k = ToruTejun(*g, list, kMaxSemeaiDame - 1);
            ASSERT_EQ(StackHash(), before);
            ASSERT_EQ(Level, 0);
            ASSERT_NO_FATAL_FAILURE(CheckOrder(*g, list, k, "seed " + std::to_string(seed) + "\n" + DiagramText(b)));
            ++groups;
        }
    }
    EXPECT_GT(groups, 100);
}

TEST_F(SemeaiTest, ASelfAtariIsFilledAfterThePointThatAvoidsIt)
{
    // White fills the liberties of Black's group at A9: after D9 and B7,
    // White's stone at A6 would be in atari, so D8 comes first.
    PrepareDecision(R"(
        X . X . O O X . .
        X X O . X O O O X
        X . O X X . X . X
        . O O X O . X X O
        O X X . . X X X O
        X O . O . X . O O
        X O O . O X X O O
        . X X O . O O . O
        X X X O O . O O O)",
                    kSiro);
    const TGun& g = GunOf("A9");
    Point list[kMaxSemeaiDame];
    const int n = ToruTejun(g, list, kMaxSemeaiDame - 1);
    EXPECT_EQ(Names(list, n), "D9 B7 D8 A6");
    EXPECT_EQ(g.IsDamePt(V("D8")), 0);
    EXPECT_EQ(g.IsDamePt(V("A6")), 1);
    // Played in that order, the stone at A6 is not left in atari; without
    // D8 it would be.
    for (bool withSubstitute : {false, true}) {
        TYomiKeep keep;
        ASSERT_TRUE(ToruPlay(kSiro, V("D9")));
        ASSERT_TRUE(ToruPlay(kSiro, V("B7")));
        if (withSubstitute) {
            ASSERT_TRUE(ToruPlay(kSiro, V("D8")));
        }
        ASSERT_TRUE(ToruPlay(kSiro, V("A6")));
        ToruRenMake();
        EXPECT_EQ(ToruRenAt(V("A6"))->Kuu() > 1, withSubstitute);
    }
}

TEST_F(SemeaiTest, TheFillingOrderKeepsToItsCapacity)
{
    // A cross of 21 black stones in the middle of the big board: 40 liberties.
    std::string diagram;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x)
            diagram += (x == 10 && y >= 5 && y <= 15) || (y == 10 && x >= 5 && x <= 15) ? "X " : ". ";
        diagram += "\n";
    }
    PrepareDecision(diagram.c_str(), kSiro);
    const TGun& g = GunOf("K10");
    ASSERT_EQ(g.GetDame(), 40);
    for (int capacity : {29, 5, 0}) {
        Point list[64];
        for (Point& p : list)
            p = Point(99, 99);
        const int n = ToruTejun(g, list, capacity);
        EXPECT_EQ(n, capacity + 1);
        for (int i = n; i < 64; ++i)
            ASSERT_EQ(list[i], Point(99, 99)) << "written past the capacity at " << i;
    }
    // A list shorter than the capacity is not written past its end.
    Point three[3];
    EXPECT_EQ(ToruTejun(g, three, 29), 3);
    EXPECT_EQ(Level, 0);
}

// White's group at J4 races Black's group at H5, which also races a white
// group with fewer liberties.
const char* const kSharedPartner = R"(
    . . . . . X . . .
    . . . . . . . X .
    . . . . X . . . .
    . . O . O X . O .
    . . . . O . O X .
    . . . . . X X . O
    . X . . O . X . .
    O X . X . . . . .
    . . . O . . . . O)";

TEST_F(SemeaiTest, APartnerThatRacesAWeakerGroupIsReadThereOnly)
{
    // Black's group at J2 races White's J5, and J5 also races Black's
    // weaker group at J7.
    PrepareDecision(R"(
        . . O . X O . . .
        . . X . X . . . O
        O . . . . X X O X
        O . . . O . . . X
        . . . X X . . . O
        . . O X . X . O O
        . . O . . . . . .
        O . . . . . . . X
        . O X . . . . . X)",
                    kKuro);
    const TGun& g = GunOf("J2");
    const TGun& p = GunOf("J5");
    ASSERT_EQ(g.GetSmai(), 1);
    bool weaker = false;
    for (int i = 1; i <= p.GetSemeaiSu(); ++i) {
        const TGun* o = GobanLv[0]->GunList.GetGun(p.GetSemeai(i));
        weaker = weaker || (o != &g && o->GetDame() < g.GetDame());
    }
    ASSERT_TRUE(weaker);
    // Read alone, the race would propose G4.
    SemeaiUtu(g, p);
    YomiUnwind();
    ASSERT_TRUE(KohoValueAt(V("G4")).has_value()) << CandidateList();
    KohoCount = 0;
    SemeaiThink();
    EXPECT_FALSE(KohoValueAt(V("G4")).has_value()) << CandidateList();
    EXPECT_EQ(Level, 0);
}

TEST_F(SemeaiTest, TwoChainsInAtariThatBreakTheRaceStopIt)
{
    // White's group at G9 has two chains in atari; Black's capture of
    // either takes White's partner at H2 out of the race.
    PrepareDecision(R"(
        X . X . X X O O .
        X X X O O O X X O
        . X O O X X X O .
        X O O X X O X X O
        X X X . O O X O .
        X O X X X X X O O
        X O O O X . O O O
        X X O O X O . X X
        X O O O O . X X .)",
                    kSiro);
    const TGun& g = GunOf("G9");
    const TGun& p = GunOf("H2");
    int atari = 0;
    for (int i = 1; i <= g.GetRenSu(); ++i)
        atari += GobanLv[0]->RenList.Items(g.GetRen(i))->Kuu() == 1 ? 1 : 0;
    ASSERT_GE(atari, 2);
    EXPECT_TRUE(SemeaiNigeTe(g, p));
    EXPECT_FALSE(SemeaiUtu(g, p));
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    EXPECT_EQ(Level, 0);
}

TEST_F(SemeaiTest, ACandidateBesideTheGroupLeavesTheRaceAlone)
{
    PrepareDecision(kSharedPartner, kSiro);
    const TGun& g = GunOf("J4");
    const TGun& p = GunOf("H5");
    // A liberty of the group.
    Point beside;
    for (int i = 1; i <= g.GetFromSu() && beside.x == 0; ++i)
        if (g.GetFromValue(i) == KankeiTonari)
            beside = g.GetFromB(i);
    ASSERT_NE(beside.x, 0);
    for (int value : {15, 14}) {
        KohoCount = 0;
        AddKoho(beside, value, 0);
        ASSERT_EQ(KohoCount, 1);
        const std::uint64_t before = AnalyzeCount;
        EXPECT_FALSE(SemeaiUtu(g, p));
        YomiUnwind();
        if (value >= 15) {
            EXPECT_EQ(AnalyzeCount, before) << "read with a candidate of " << value;
            EXPECT_EQ(KohoCount, 1);
        } else {
            EXPECT_GT(AnalyzeCount, before) << "not read with a candidate of " << value;
        }
    }
}

TEST_F(SemeaiTest, AnEyeForALostRaceIsWorthNineteen)
{
    // Black's group at A2 has lost its race against A7; B1 makes an eye.
    PrepareDecision(R"(
        . X . . O . O X .
        X X X . . X . . .
        O . . X O . O . .
        . . O X . . . X O
        X . . . . . . . X
        X O . . . X . O .
        O . . . . . O O O
        X X . . . O O X .
        . . O . O O X . X)",
                    kKuro);
    const TGun& g = GunOf("A2");
    ASSERT_EQ(g.GetLost(), 1);
    for (int v : {54, 20, 19, 12}) {
        KohoCount = 0;
        EXPECT_FALSE(SemeaiMeTe(g, v));
        YomiUnwind();
        const std::optional<int> got = KohoValueAt(V("B1"));
        ASSERT_TRUE(got.has_value()) << v << ": " << CandidateList();
        EXPECT_EQ(*got, v >= 20 ? 19 : v) << v;
    }
}

} // namespace
} // namespace vorn::test

// The candidate table: clamps and merges, selection with ties, the joseki cap,
// the ko park and the prepared answers.
#include <map>
#include <set>

#include "Util.h"

#include "board/Hooks.h"
#include "board/Sicho.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class KohoTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        BoardSize = 19;
        GobanLv[0]->NewGame();
        // The analysis tables are not part of a new game.
        for (int c = 1; c <= 2; ++c) {
            FillGrid<std::uint8_t, 1, 19>(GobanLv[0]->Kinsi[c], 0);
            FillGrid<std::uint8_t, 1, 19>(GobanLv[0]->ToruTen[c], 0);
        }
        JibunIro = kKuro;
        AiteIro = kSiro;
    }
    // The entry of point p, 0 when p is not in the table.
    static int Find(Point p)
    {
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                return i;
        return 0;
    }
    static void ExpectEntry(Point p, int value, int bonus, int kind)
    {
        const int i = Find(p);
        ASSERT_NE(i, 0) << p.x << "," << p.y;
        EXPECT_EQ(Koho.Value[i], value);
        EXPECT_EQ(Koho.Bonus[i], bonus);
        EXPECT_EQ(Koho.Kind[i], kind);
    }
};

// --- Clamps ---------------------------------------------------------------

struct ClampCase {
    int value, bonus, reason;
    int wantValue, wantBonus;
};

TEST_F(KohoTest, ValueAndBonusClamps)
{
    const ClampCase cases[] = {
        {30, 0, kkGunKankei, 25, 17},   // urgency of a relation move goes to the bonus
        {26, 0, kkGunKankei, 25, 13},
        {25, 0, kkGunKankei, 25, 0},    // not above a big point: unchanged
        {30, 4, kkGunKankei, 30, 4},    // an explicit bonus: unchanged
        {300, 0, kkGunKankei, 25, 250}, // clamped to a byte, then to value * 10
        {30, 0, kkToru, 30, 0},
        {0, 40, kkToru, 0, 9},          // a value below 1 keeps a bonus below 10
        {-5, 300, kkToru, -5, 9},
        {3, 40, kkToru, 3, 30},         // the bonus never outweighs the value
        {3, 30, kkToru, 3, 30},
        {20, -7, kkToru, 20, 0},
        {40, 999, kkToru, 40, 255},
    };
    int x = 1;
    for (const ClampCase& c : cases) {
        const Point p{x++, 1};
        AddKohoCore(p.x, p.y, c.value, Point{}, c.reason, c.bonus);
        SCOPED_TRACE(testing::Message() << "value " << c.value << " bonus " << c.bonus);
        ExpectEntry(p, c.wantValue, c.wantBonus, c.reason);
    }
}

// --- Merging --------------------------------------------------------------

struct MergeCase {
    const char* what;
    int oldValue, oldBonus, oldKind;
    int newValue, newBonus, newKind;
    int wantValue, wantBonus, wantKind;
};

TEST_F(KohoTest, MergeWithExistingEntry)
{
    const MergeCase cases[] = {
        {"lower bonus, same value: kept", 25, 9, kkJoban, 25, 5, kkJoban, 25, 9, kkJoban},
        {"higher bonus, same value: raised", 25, 5, kkJoban, 25, 9, kkJoban, 25, 9, kkJoban},
        {"26 does not beat 25 + 15/10", 25, 15, kkJoban, 26, 0, kkJoban2, 25, 15, kkJoban},
        {"27 beats 25 + 15/10", 25, 15, kkJoban, 27, 0, kkJoban2, 27, 0, kkJoban2},
        {"capture keeps its reason", 20, 0, kkToru, 30, 0, kkJoban, 30, 0, kkToru},
        {"link move keeps its reason", 20, 0, kkTugi, 30, 2, kkYose, 30, 2, kkTugi},
        {"capture takes over a link move", 20, 0, kkTugi, 30, 0, kkToru, 30, 0, kkToru},
        {"losing capture changes nothing", 30, 0, kkTugi, 20, 0, kkToru, 30, 0, kkTugi},
        {"losing cut still marks the cut", 30, 0, kkJoban, 20, 0, kkKiri, 30, 0, kkKiri},
        {"winning cut over a capture", 20, 0, kkToru, 30, 0, kkKiri, 30, 0, kkKiri},
        {"a cut never replaces joseki", 25, 40, kkJoseki, 20, 0, kkKiri, 25, 40, kkJoseki},
        {"reason 0 is protected too", 20, 0, 0, 30, 0, kkYose, 30, 0, 0},
    };
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(c.what);
        KohoClear();
        const Point p{5, 5};
        AddKohoCore(p.x, p.y, c.oldValue, Point{}, c.oldKind, c.oldBonus);
        AddKohoCore(p.x, p.y, c.newValue, Point{7, 7}, c.newKind, c.newBonus);
        EXPECT_EQ(KohoCount, 1);
        ExpectEntry(p, c.wantValue, c.wantBonus, c.wantKind);
        if (c.newKind == kkKiri && c.wantKind == kkKiri) {
            EXPECT_EQ(Koho.RelPt[1], Point(7, 7));
        }
    }
}

TEST_F(KohoTest, AddKohoUsesCurrentReasonAndAddKohoExItsOwn)
{
    KohoKind = kkYose;
    AddKoho(Point(3, 3), 12, 4);
    ExpectEntry(Point(3, 3), 12, 4, kkYose);
    EXPECT_EQ(Koho.RelPt[1], Point());
    AddKohoEx(Point(4, 3), 30, kkTugi, Point(5, 4));
    ExpectEntry(Point(4, 3), 30, 0, kkTugi);
    EXPECT_EQ(Koho.RelPt[2], Point(5, 4));
    EXPECT_EQ(KohoKind, kkYose);
}

TEST_F(KohoTest, FullTableDropsNewPointsButStillMerges)
{
    for (int i = 0; i < kMaxKoho; ++i)
        AddKoho(Point(1 + i % 19, 1 + i / 19), 10, 0);
    ASSERT_EQ(KohoCount, kMaxKoho);
    AddKoho(Point(19, 19), 50, 0); // the 121st distinct point
    EXPECT_EQ(KohoCount, kMaxKoho);
    EXPECT_EQ(Find(Point(19, 19)), 0);
    AddKoho(Point(1, 1), 50, 0); // an existing point still merges
    EXPECT_EQ(Koho.Value[1], 50);
}

TEST_F(KohoTest, OccupiedOffBoardAndForbiddenPointsAreRefused)
{
    GobanLv[0]->SetIro(4, 4, kSiro);
    AddKoho(Point(4, 4), 30, 0);
    AddKoho(Point(0, 0), 30, 0);
    AddKoho(Point(20, 3), 30, 0);
    AddKoho(Point(-1, 3), 30, 0);
    BoardSize = 9;
    AddKoho(Point(10, 3), 30, 0);
    BoardSize = 19;
    GobanLv[0]->Kinsi[kKuro][6][6] = 1;
    AddKoho(Point(6, 6), 30, 0);
    EXPECT_EQ(KohoCount, 0);
    // Forbidden for the opponent only: fine for us.
    GobanLv[0]->Kinsi[kSiro][7][7] = 1;
    AddKoho(Point(7, 7), 30, 0);
    EXPECT_EQ(KohoCount, 1);
}

TEST_F(KohoTest, SelfAtariOfFourStonesIsRefused)
{
    SetBoard(R"(
        X X X . O . . . .
        . O O O . . . . .
        O . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        O . . . . . . . .
        . O O . . . . . .
        X X . O . . . . .)");
    GobanLv[0]->Analyze();
    JibunIro = kKuro;
    AddKoho(Point(4, 1), 30, 0); // four stones, one liberty left
    AddKoho(Point(1, 2), 30, 0);
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(GobanLv[0]->GetIro(4, 1), kAki);
    // A three-stone self-atari may enter: it can be a sacrifice.
    AddKoho(Point(3, 9), 30, 0);
    EXPECT_EQ(KohoCount, 1);
    // On a look-ahead level the test is skipped.
    Level = 1;
    GobanLv[1]->CopyBan(*GobanLv[0]);
    AddKoho(Point(4, 1), 30, 0);
    Level = 0;
    EXPECT_EQ(KohoCount, 2);
}

TEST_F(KohoTest, LadderMoveAgainstALinkedChainIsProposed)
{
    // White's (8,4) is linked to (5,5), which a ladder catches: the ladder's
    // first move enters the table with value 0 and bonus 1.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . O .
        . . . X O . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    GobanLv[0]->Analyze();
    JibunIro = kKuro;
    KohoKind = kkToru;
    ASSERT_TRUE(GrenSichoKoho(Point(8, 4)));
    ASSERT_EQ(KohoCount, 1);
    EXPECT_EQ(Koho.Pt[1], GobanLv[0]->RenList.RenAt(5, 5)->SichoTe(1));
    EXPECT_EQ(Koho.Value[1], 0);
    EXPECT_EQ(Koho.Bonus[1], 1);
    EXPECT_EQ(Koho.Kind[1], kkToru);
}

// --- The joseki cap -------------------------------------------------------

TEST_F(KohoTest, UrgentCandidateNearJosekiIsCutToABigPoint)
{
    AddKohoEx(Point(4, 3), 25, kkJoseki, Point());
    JosekiCornerFlag[1] = 1;
    KohoKind = kkWeakGun;
    AddKoho(Point(6, 4), 30, 7);
    ExpectEntry(Point(6, 4), 25, 1, kkWeakGun);
    // Below 26 the value is left alone.
    AddKoho(Point(7, 4), 25, 7);
    ExpectEntry(Point(7, 4), 25, 7, kkWeakGun);
    // Another corner without joseki candidates is not capped.
    AddKoho(Point(16, 16), 30, 7);
    ExpectEntry(Point(16, 16), 30, 7, kkWeakGun);
    // A joseki candidate itself is never capped.
    AddKohoEx(Point(3, 5), 40, kkJoseki, Point());
    ExpectEntry(Point(3, 5), 40, 0, kkJoseki);
}

TEST_F(KohoTest, JosekiCapNeedsTheCornerFlag)
{
    AddKohoEx(Point(4, 3), 25, kkJoseki, Point());
    KohoKind = kkWeakGun;
    AddKoho(Point(6, 4), 30, 7);
    ExpectEntry(Point(6, 4), 30, 7, kkWeakGun);
}

TEST_F(KohoTest, JosekiQuadrantsOverlapOnLineTen)
{
    AddKohoEx(Point(10, 10), 25, kkJoseki, Point());
    EXPECT_TRUE(JosekiKohoInCorner(Point(1, 1)));
    EXPECT_TRUE(JosekiKohoInCorner(Point(19, 19)));
    KohoClear();
    AddKohoEx(Point(4, 16), 25, kkJoseki, Point());
    EXPECT_TRUE(JosekiKohoInCorner(Point(10, 10)));
    EXPECT_TRUE(JosekiKohoInCorner(Point(3, 12)));
    EXPECT_FALSE(JosekiKohoInCorner(Point(16, 16)));
    EXPECT_FALSE(JosekiKohoInCorner(Point(4, 4)));
}

// --- Selection ------------------------------------------------------------

TEST_F(KohoTest, SelectionAtTheThresholdBoundary)
{
    AddKoho(Point(3, 3), 21, 9); // score 219
    AddKoho(Point(4, 4), 10, 0);
    Point out{9, 9};
    SelectKoho(220, out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(KohoBestScore, 219);
    EXPECT_EQ(KohoBestValue, 21);
    SelectKoho(219, out);
    EXPECT_EQ(out, Point(3, 3));
    // From a first index past the best entry.
    SelectKohoFrom(100, 2, out);
    EXPECT_EQ(out, Point(4, 4));
    EXPECT_EQ(KohoBestScore, 100);
}

TEST_F(KohoTest, NegativeScoresTruncateTowardZero)
{
    AddKoho(Point(3, 3), -3, 5); // score -25
    Point out;
    SelectKoho(-30, out);
    EXPECT_EQ(out, Point(3, 3));
    EXPECT_EQ(KohoBestScore, -25);
    EXPECT_EQ(KohoBestValue, -2);
}

TEST_F(KohoTest, EmptyRangeKeepsTheLastReasonAndBonus)
{
    AddKoho(Point(3, 3), 30, 4);
    Koho.Kind[1] = kkJoban;
    Point out;
    SelectKoho(0, out);
    EXPECT_EQ(KohoBestKind, kkJoban);
    SelectKohoFrom(0, 5, out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(KohoBestScore, -99);
    EXPECT_EQ(KohoBestValue, -9);
    EXPECT_EQ(KohoBestKind, kkJoban);
    EXPECT_EQ(KohoBestBonus, 4);
    // -99 and below never wins, whatever the threshold.
    KohoClear();
    AddKoho(Point(5, 5), -20, 0);
    SelectKoho(-1000, out);
    EXPECT_EQ(out, Point());
}

TEST_F(KohoTest, TiesAreChosenAtRandomAndReportTheFirst)
{
    KohoKind = kkJoban;
    AddKoho(Point(3, 3), 30, 2);
    KohoKind = kkYose;
    AddKoho(Point(4, 4), 30, 2);
    KohoKind = kkHokyo;
    AddKoho(Point(5, 5), 30, 2);
    AddKoho(Point(6, 6), 29, 9);
    std::map<int, int> seen;
    for (int seed = 1; seed <= 60; ++seed) {
        RandSeed(seed);
        Point out;
        SelectKoho(160, out);
        EXPECT_EQ(KohoBestKind, kkJoban);
        EXPECT_EQ(KohoBestBonus, 2);
        EXPECT_EQ(KohoBestScore, 302);
        ++seen[out.x];
        // The same seed gives the same choice.
        RandSeed(seed);
        Point again;
        SelectKoho(160, again);
        EXPECT_EQ(again, out);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen.count(6), 0u);
}

TEST_F(KohoTest, TieListHoldsTwentyPoints)
{
    for (int i = 1; i <= 30; ++i)
        AddKoho(Point(i <= 19 ? i : i - 19, i <= 19 ? 1 : 2), 20, 0);
    std::set<int> chosen;
    for (int seed = 1; seed <= 400; ++seed) {
        RandSeed(seed);
        Point out;
        SelectKoho(0, out);
        chosen.insert(Find(out));
    }
    // Only the first twenty tied entries are ever chosen.
    EXPECT_EQ(*chosen.begin(), 1);
    EXPECT_EQ(*chosen.rbegin(), 20);
    EXPECT_GT(chosen.size(), 15u);
}

TEST_F(KohoTest, NearSelectionKeepsToTheArea)
{
    AddKoho(Point(3, 3), 40, 0);
    AddKoho(Point(10, 10), 30, 0);
    AddKoho(Point(16, 16), 20, 0);
    YomiArea[10][10] = 1;
    YomiArea[16][16] = 1;
    Point out;
    SelectKohoNear(out);
    EXPECT_EQ(out, Point(10, 10));
    // Fifty or more takes part wherever it lies.
    AddKoho(Point(3, 4), 50, 0);
    SelectKohoNear(out);
    EXPECT_EQ(out, Point(3, 4));
    FillGrid<std::uint8_t, 1, 19>(YomiArea, 0);
    KohoClear();
    AddKoho(Point(3, 3), 40, 0);
    SelectKohoNear(out);
    EXPECT_EQ(out, Point());
}

TEST_F(KohoTest, ExchangeSortByScoreDescending)
{
    AddKohoEx(Point(1, 1), 10, kkYose, Point());     // 100
    AddKohoEx(Point(2, 1), 30, kkKiri, Point(9, 9)); // 300
    AddKohoEx(Point(3, 1), 10, kkHokyo, Point());    // 100
    AddKoho(Point(4, 1), 25, 60);                    // 310
    SortKoho();
    // Equal scores are never exchanged with each other, but the exchanges
    // with higher entries can still reorder them.
    const Point want[] = {Point(4, 1), Point(2, 1), Point(3, 1), Point(1, 1)};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(Koho.Pt[i], want[i - 1]) << i;
    EXPECT_EQ(Koho.RelPt[2], Point(9, 9));
    EXPECT_EQ(Koho.Kind[3], kkHokyo);
    EXPECT_EQ(Koho.Bonus[1], 60);
}

TEST_F(KohoTest, ReasonQueriesAndTheOneSaveCell)
{
    AddKohoEx(Point(3, 3), 20, kkToru, Point());
    EXPECT_TRUE(KohoExists(kkToru, 19));
    EXPECT_FALSE(KohoExists(kkToru, 20));
    EXPECT_FALSE(KohoExists(kkYose, -100));
    KohoKind = kkYose;
    PushKohoKind(kkGunKankei);
    EXPECT_EQ(KohoKind, kkGunKankei);
    PushKohoKind(kkLink2ken29); // a second push overwrites the saved code
    PopKohoKind();
    EXPECT_EQ(KohoKind, kkGunKankei);
}

TEST_F(KohoTest, DisplayCopy)
{
    AddKoho(Point(3, 3), 20, 3);
    AddKohoEx(Point(4, 4), 30, kkKiri, Point(5, 5));
    CopyKohoDsp();
    EXPECT_EQ(KohoDspCount, 2);
    EXPECT_EQ(KohoDsp.Pt[2], Point(4, 4));
    EXPECT_EQ(KohoDsp.Value[2], 30);
    EXPECT_EQ(KohoDsp.Bonus[1], 3);
    EXPECT_EQ(KohoDsp.Kind[2], kkKiri);
}

// --- Ko park --------------------------------------------------------------

TEST_F(KohoTest, CandidateOnTheKoPointIsParked)
{
    KouTen = Point(5, 5);
    AddKoho(Point(5, 5), 40, 0);
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(KouKohoValue, 40);
    EXPECT_EQ(KouKohoFlag, 1);
    AddKoho(Point(6, 6), 39, 0);
    EXPECT_EQ(KouKohoFlag, 1);
    AddKoho(Point(6, 6), 45, 0); // a merge is no append
    EXPECT_EQ(KouKohoFlag, 1);
    AddKoho(Point(7, 7), 40, 0);
    EXPECT_EQ(KouKohoFlag, 0);
    EXPECT_EQ(KouKohoValue, 40);
    KohoClear();
    EXPECT_EQ(KouKohoValue, 0);
    EXPECT_EQ(KouKohoFlag, 0);
}

// Capture points of board 0, as the analysis marks them: the liberty of
// every chain in atari, for the opponent.
void MarkCapturePoints()
{
    TGoban& b = *GobanLv[0];
    b.RenMake();
    for (int c = 1; c <= 2; ++c)
        FillGrid<std::uint8_t, 1, 19>(b.ToruTen[c], 0);
    for (int n = 1; n <= kMaxRen; ++n)
        if (TRen* r = b.RenList.Items(n); r && r->Kuu() == 1) {
            const Point l = r->GetKuu(1);
            b.ToruTen[Aite(r->GetIro())][l.x][l.y] = 1;
        }
}

TEST_F(KohoTest, KoPointFromTheLastCaptureIsParked)
{
    SetBoard(R"(
        . . . . . . . . .
        . . X O . . . . .
        . X O . O . . . .
        . . X O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    ASSERT_EQ(GobanLv[0]->Utu(4, 3), kUtuOk); // black takes the ko
    MarkCapturePoints();
    JibunIro = kSiro;
    AiteIro = kKuro;
    KouTenMake();
    EXPECT_EQ(KouTen, Point(3, 3));
    EXPECT_EQ(KouTenIsi, Point(4, 3));
    // White may not retake at once: the retake is parked with its value.
    AddKoho(Point(3, 3), 35, 0);
    AddKoho(Point(7, 7), 20, 0);
    EXPECT_EQ(KohoCount, 1);
    EXPECT_EQ(KouKohoValue, 35);
    EXPECT_EQ(KouKohoFlag, 1);
    // After a ko threat and its answer the point is free again.
    ASSERT_EQ(GobanLv[0]->Utu(8, 8), kUtuOk);
    ASSERT_EQ(GobanLv[0]->Utu(8, 7), kUtuOk);
    MarkCapturePoints();
    KouTenMake();
    EXPECT_EQ(KouTen, Point());
}

TEST_F(KohoTest, NoKoPointWithoutASingleStoneRetake)
{
    // Black captures one stone, but the capturing chain has two stones:
    // white's recapture would take both, which is no ko.
    SetBoard(R"(
        . . . . . . . . .
        . . X O . . . . .
        . X O . O . . . .
        . . X X O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    ASSERT_EQ(GobanLv[0]->Utu(4, 3), kUtuOk);
    MarkCapturePoints();
    JibunIro = kSiro;
    AiteIro = kKuro;
    KouTenMake();
    EXPECT_EQ(KouTen, Point());
    // A move that captured nothing leaves no ko point either.
    SetBoard(R"(
        . . .
        . . .
        . . .)");
    ASSERT_EQ(GobanLv[0]->Utu(2, 2), kUtuOk);
    MarkCapturePoints();
    KouTenMake();
    EXPECT_EQ(KouTen, Point());
}

// --- Prepared answers -----------------------------------------------------

class PreparedTeTest : public KohoTest {
protected:
    void SetUp() override
    {
        KohoTest::SetUp();
        PlayerKind[kKuro] = pkComputer;
        PlayerKind[kSiro] = pkHuman;
        // Recorded while the engine chose move 1 at (4, 4).
        AddPreparedTe(Point(4, 4), Point(5, 4), Point(5, 5));
        AddPreparedTe(Point(4, 4), Point(4, 5), Point(3, 5));
        ThinkTe = Point(4, 4);
        ASSERT_EQ(GobanLv[0]->Utu(4, 4), kUtuOk);
    }
};

TEST_F(PreparedTeTest, UsedOnceForTheExpectedReply)
{
    ASSERT_EQ(GobanLv[0]->Utu(4, 5), kUtuOk);
    LastTe = Point(4, 5);
    Point out;
    GetPreparedTe(out);
    EXPECT_EQ(out, Point(3, 5));
    EXPECT_EQ(KohoKind, kkPreparedTe);
    EXPECT_EQ(PreparedTeCount, 0);
    GetPreparedTe(out);
    EXPECT_EQ(out, Point());
}

TEST_F(PreparedTeTest, AnotherReplyEmptiesTheTable)
{
    ASSERT_EQ(GobanLv[0]->Utu(10, 10), kUtuOk);
    LastTe = Point(10, 10);
    Point out;
    GetPreparedTe(out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(PreparedTeCount, 0);
}

TEST_F(PreparedTeTest, NotOfferedWhenTheEngineTakesBothSides)
{
    PlayerKind[kSiro] = pkComputer;
    ASSERT_EQ(GobanLv[0]->Utu(4, 5), kUtuOk);
    LastTe = Point(4, 5);
    KohoKind = kkYose;
    Point out{1, 1};
    GetPreparedTe(out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(KohoKind, kkYose);
}

TEST_F(PreparedTeTest, NotOfferedAfterTakeBackOrANewGame)
{
    // Take back the reply and our move; the same two moves come again from
    // another position of the record.
    ASSERT_EQ(GobanLv[0]->Utu(4, 5), kUtuOk);
    GobanLv[0]->Matta();
    GobanLv[0]->Matta();
    ASSERT_EQ(GobanLv[0]->Utu(16, 16), kUtuOk);
    ASSERT_EQ(GobanLv[0]->Utu(4, 4), kUtuOk);
    ASSERT_EQ(GobanLv[0]->Utu(4, 5), kUtuOk);
    LastTe = Point(4, 5);
    Point out;
    GetPreparedTe(out);
    EXPECT_EQ(out, Point());

    // Cleared explicitly by the game flow.
    AddPreparedTe(Point(4, 4), Point(4, 5), Point(3, 5));
    PreparedTeClear();
    EXPECT_EQ(PreparedTeCount, 0);
}

TEST_F(PreparedTeTest, NothingRecordedDuringTheLookAheadOrBeyondThirty)
{
    InSakiyomi = 1;
    AddPreparedTe(Point(1, 1), Point(1, 2), Point(2, 2));
    EXPECT_EQ(PreparedTeCount, 2);
    InSakiyomi = 0;
    for (int i = 0; i < 40; ++i)
        AddPreparedTe(Point(1, 1), Point(1, 2), Point(25, 2));
    EXPECT_EQ(PreparedTeCount, kMaxPreparedTe);
    EXPECT_EQ(PreparedTe.AnswerTe[kMaxPreparedTe], Point(0, 2));
}

} // namespace
} // namespace vorn::test

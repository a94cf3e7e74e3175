// Life and death: which groups the filters and the search read, where the
// search gives up, the cache of pondered shapes, a capture of the whole
// target, the gates of the generator, the pondering's status text, the
// first-success stop, and the pattern passes on small shapes.
#include "DecisionUtil.h"
#include "Problems.h"
#include "Util.h"

#include <map>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"
#include "engine/SikatuKatachi.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

// Black's straight three in the corner: one eye and the vital point B9.
const char* const kStraightThree = R"(
    . . . X O . . . .
    X X X X O . . . .
    O O O O O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . O . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's rectangular six in the corner, judged alive (eye value 4); White
// kills with the placement B8.
const char* const kRectSix = R"(
    . . . X O . . . .
    . . . X O . . . .
    X X X X O . . . .
    O O O O O . . . .
    . . . . . . . . .
    . . . . . . O . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's six stones on the second line from the corner: alive, and no
// white move kills them.
const char* const kSecondLine = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O . . . O . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    O O O O O O O . .
    X X X X X X O . .
    . . . . . . . . .)";

// Black's nine-point eye space: a large eye (eye value 5 or more).
const char* const kNinePoints = R"(
    . . . X O . . . .
    . . . X O . . . .
    . . . X O . . . .
    X X X X O . . . .
    O O O O O . . . .
    . . . . . . . . .
    . . . . . . O . .
    . . . . . . . . .
    . . . . . . . . .)";

class SikatuTest : public VornTest {
protected:
    static const TGun& GunOf(Point p)
    {
        const TGun* g = GobanLv[0]->GunList.GetGunAt(p);
        if (g == nullptr)
            throw std::runtime_error("no group at " + PointName(p));
        return *g;
    }
    // A decision for `toMove` with pondering on, as the move choice runs it.
    static void Prepare(const char* diagram, int toMove)
    {
        PrepareDecision(diagram, toMove);
        SikatuYomiOn = 1;
        YomiSikatuMode = 1;
    }
    static std::vector<Point> Moves(const Point* list, int n) { return std::vector<Point>(list, list + n); }
};

TEST_F(SikatuTest, FiltersReadOnlyGroupsShortOfEyes)
{
    struct Case {
        const char* diagram;
        const char* stone;
        int me;          // the group's eye value (the premise)
        bool korosu;     // SikatuKorosu reads it
        bool ikiru;      // SikatuIkiru reads it
    } const cases[] = {
        {kStraightThree, "A2", 3, true, true},
        {kRectSix, "A3", 4, true, false},
        {kNinePoints, "A4", 5, false, false},
    };
    for (const Case& c : cases) {
        Prepare(c.diagram, kSiro);
        const TGun& g = GunOf(ParsePoint(c.stone));
        ASSERT_GE(g.GetMe(), c.me) << c.stone;
        ASSERT_LE(g.GetMe(), c.me == 5 ? 6 : c.me) << c.stone;
        SetSikatuTarget(g);
        Point list[kMaxSikatuList];
        const std::uint64_t before = AnalyzeCount;
        const int k = SikatuKorosu(g, list);
        EXPECT_EQ(k > 0, c.korosu) << c.stone;
        if (!c.korosu) {
            EXPECT_EQ(AnalyzeCount, before) << c.stone << ": nothing is read";
        }
        const std::uint64_t mid = AnalyzeCount;
        const int i = SikatuIkiru(g, list);
        EXPECT_EQ(i > 0, c.ikiru) << c.stone;
        if (!c.ikiru) {
            EXPECT_EQ(AnalyzeCount, mid) << c.stone << ": nothing is read";
        }
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(SikatuTest, TheVitalPointPassesBothFilters)
{
    Prepare(kStraightThree, kSiro);
    const TGun& g = GunOf(ParsePoint("A2"));
    SetSikatuTarget(g);
    Point list[kMaxSikatuList];
    const int k = SikatuKorosu(g, list);
    EXPECT_TRUE(PtInList(ParsePoint("B1"), list, k));
    const int i = SikatuIkiru(g, list);
    EXPECT_TRUE(PtInList(ParsePoint("B1"), list, i));
    // A list shorter than the filter's answer is filled to its end.
    Point one[1];
    EXPECT_EQ(SikatuKorosu(g, one), 1);
}

TEST_F(SikatuTest, ASearchGivesUpAtLevelEight)
{
    Prepare(kStraightThree, kSiro);
    Point list[kMaxSikatuList];
    // From level 7 the kill is still found: the defender's answer at level 8
    // is not read, so the attacker's move stands.
    for (int lv = 1; lv <= 7; ++lv)
        ASSERT_TRUE(YomiPush());
    CurGoban().Analyze();
    SetSikatuTarget(*GunAt(ParsePoint("A2")));
    EXPECT_GE(KorosuSearch(*GunAt(ParsePoint("A2")), list), 1);
    ASSERT_TRUE(YomiPush());
    CurGoban().Analyze();
    const TGun& g = *GunAt(ParsePoint("A2"));
    SetSikatuTarget(g);
    const std::uint64_t before = AnalyzeCount;
    EXPECT_EQ(KorosuSearch(g, list), 0);
    EXPECT_EQ(IkiruSearch(g, list), 0);
    EXPECT_EQ(AnalyzeCount, before);
    EXPECT_EQ(Level, 8);
    YomiUnwind();
}

TEST_F(SikatuTest, AShapeWithoutAKillIsPonderedOncePerGame)
{
    Prepare(kSecondLine, kSiro);
    const TGun& g = GunOf(ParsePoint("A8"));
    ASSERT_EQ(g.GetMe(), 4);
    ASSERT_FALSE(FindSikatuGun(g));
    std::uint64_t before = AnalyzeCount;
    EXPECT_EQ(KorosuYomi(g), 0);
    EXPECT_GT(AnalyzeCount, before);
    EXPECT_TRUE(FindSikatuGun(g));
    EXPECT_EQ(SikatuGunCount, 1);
    // The same signature again: nothing is read.
    before = AnalyzeCount;
    EXPECT_EQ(KorosuYomi(g), 0);
    EXPECT_EQ(AnalyzeCount, before);
    AddSikatuGun(g);
    EXPECT_EQ(SikatuGunCount, 1);
    // A new game forgets it.
    ClearSikatuGun();
    EXPECT_FALSE(FindSikatuGun(g));
    before = AnalyzeCount;
    EXPECT_EQ(KorosuYomi(g), 0);
    EXPECT_GT(AnalyzeCount, before);
    EXPECT_EQ(KohoCount, 0);
}

TEST_F(SikatuTest, AKillFoundIsNotCachedAndLifeIsNever)
{
    Prepare(kRectSix, kSiro);
    const TGun& g = GunOf(ParsePoint("A3"));
    EXPECT_EQ(KorosuYomi(g), 1);
    EXPECT_FALSE(FindSikatuGun(g));
    ASSERT_TRUE(KohoValueAt(ParsePoint("B2")).has_value()) << CandidateList();
    EXPECT_EQ(Koho.Kind[1], kkSikatuYomi);
    EXPECT_EQ(KohoKind, kkSikatu);

    Prepare(kSecondLine, kKuro);
    EXPECT_EQ(IkiruYomi(GunOf(ParsePoint("A8"))), 0);
    EXPECT_EQ(SikatuGunCount, 0);
}

TEST_F(SikatuTest, TheCacheKeepsTwentyShapes)
{
    Prepare(kSecondLine, kSiro);
    const TGun& g = GunOf(ParsePoint("A8"));
    for (int i = 1; i <= kMaxSikatuGun; ++i)
        SikatuGunCache[i] = TSikatuGun{100 + i, 0, 0};
    SikatuGunCount = kMaxSikatuGun;
    AddSikatuGun(g);
    EXPECT_EQ(SikatuGunCount, kMaxSikatuGun);
    EXPECT_FALSE(FindSikatuGun(g));
    // The signature: stones, related points and the coordinate sum.
    const TSikatuGun s = SikatuSignature(g);
    EXPECT_EQ(s.IsiSu, 6);
    EXPECT_EQ(s.FromSu, g.GetFromSu());
    int sum = 0;
    for (int x = 1; x <= 6; ++x)
        sum += x + 8;
    for (int i = 1; i <= g.GetFromSu(); ++i)
        sum += g.GetFromB(i).x + g.GetFromB(i).y;
    EXPECT_EQ(s.XySum, sum);
}

// A white chain of eye value 3 in atari: Black's capture at C9 takes the
// whole target.
const char* const kTargetInAtari = R"(
    . O O . O O X X O
    O X X O . X . X .
    X X O . O O X . X
    X . X X X O O X X
    O X . X O O X . O
    O X X X X X X . O
    O O O X O O X X X
    O O O O O O X . X
    O X . X O O X X X)";

TEST_F(SikatuTest, ACaptureOfTheWholeTargetKillsWithoutALifeSearch)
{
    Prepare(kTargetInAtari, kKuro);
    const TGun& g = GunOf(ParsePoint("A5"));
    ASSERT_GE(g.GetMe(), 3);
    ASSERT_LE(g.GetMe(), 4);
    SetSikatuTarget(g);
    Point koho[kMaxSikatuKoho];
    const int k = g.SikatuKoho(koho, kKuro);
    Point list[kMaxSikatuList];
    const std::uint64_t before = AnalyzeCount;
    const int n = KorosuSearch(g, list);
    ASSERT_GE(n, 1);
    EXPECT_EQ(list[0], ParsePoint("C9"));
    // Each candidate is analysed once for the filter; the capture needs no
    // more than that, and it is the only move that passes.
    EXPECT_LE(AnalyzeCount - before, static_cast<std::uint64_t>(k)) << "a life search followed the capture";
    EXPECT_EQ(SikatuTargetGun(), &g);
}

TEST_F(SikatuTest, TheTargetIsTheGroupAtItsFirstStoneStanding)
{
    Prepare(kStraightThree, kSiro);
    const TGun& g = GunOf(ParsePoint("A2"));
    SetSikatuTarget(g);
    EXPECT_EQ(SikatuTargetCount, g.GetIsiSu());
    EXPECT_EQ(SikatuTargetIro, kKuro);
    EXPECT_EQ(SikatuTargetGun(), &g);
    // Captured: no target group is left.
    {
        TYomiKeep keep;
        ASSERT_TRUE(ToruPushPlay(kSiro, ParsePoint("B1")));
        ASSERT_TRUE(ToruPlay(kSiro, ParsePoint("A1")));
        ASSERT_TRUE(ToruPlay(kSiro, ParsePoint("C1")));
        CurGoban().Analyze();
        EXPECT_EQ(SikatuTargetGun(), nullptr);
    }
    EXPECT_EQ(Level, 0);
}

TEST_F(SikatuTest, TheGeneratorsGates)
{
    struct Case {
        const char* what;
        void (*set)();
        bool proposes;
    } const cases[] = {
        {"gates open", [] {}, true},
        {"pondering switched off", [] { YomiSikatuMode = 0; }, false},
        {"the clock within five minutes of the budget",
         [] {
             YomiTime = 10;
             Jikan[kSiro] = 5 * 600 + 1;
         },
         false},
        {"the clock just inside", [] {
             YomiTime = 10;
             Jikan[kSiro] = 5 * 600;
         },
         true},
        {"the look-ahead running", [] { InSakiyomi = 1; }, false},
    };
    for (const Case& c : cases) {
        ResetProgramState();
        Prepare(kStraightThree, kSiro);
        c.set();
        const std::uint64_t before = AnalyzeCount;
        SikatuThink();
        EXPECT_EQ(KohoValueAt(ParsePoint("B1")).has_value(), c.proposes) << c.what << ": " << CandidateList();
        if (!c.proposes) {
            EXPECT_EQ(AnalyzeCount, before) << c.what;
        }
        EXPECT_EQ(Level, 0) << c.what;
    }
    // Pondering runs only inside the move choice.
    ResetProgramState();
    Prepare(kStraightThree, kSiro);
    SikatuYomiOn = 0;
    EXPECT_EQ(KorosuYomi(GunOf(ParsePoint("A2"))), 0);
    EXPECT_EQ(IkiruYomi(GunOf(ParsePoint("A2"))), 0);
    EXPECT_EQ(KohoCount, 0);
}

// Black's wall with a ten-point space above, one-point eyes at A9 and C9 and
// the half eye E9 beside White's G9: far more than two eyes. White's wall is
// alive in one large area.
const char* const kManyEyes = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    O O O O O O O . .
    X X X X X X O . .
    . . . . . X O . .
    . . . . . X O . .
    X X X X X X O . .
    . X . X . . O . .)";

TEST_F(SikatuTest, TheEyeShapePassIsForEyeValuesFiveAndSixOnly)
{
    Prepare(kManyEyes, kSiro);
    const TGun& black = GunOf(ParsePoint("A5"));
    // The shape the pass looks for is there: a half eye and a one-point eye
    // in the corner, so the pass alone reads the shape ...
    ASSERT_GE(black.GetMe(), 7);
    std::uint64_t before = AnalyzeCount;
    SikatuMeShape(black);
    EXPECT_GT(AnalyzeCount, before);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    YomiUnwind();
    // ... but the generator leaves a group of eye value 7 or more alone.
    Prepare(kManyEyes, kSiro);
    before = AnalyzeCount;
    SikatuThink();
    EXPECT_EQ(AnalyzeCount, before);
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    EXPECT_EQ(Level, 0);
}

// Black's corner group lives with the eyes A1 and C1 and breathes at F2 on
// the second line; White's stone G3 and Black's wall on the right see F2.
// White's F2 would be a small group squeezed between Black's groups.
const char* const kSecondLineBreath = R"(
    . X . X . . . X .
    X X X X . . . X .
    O O O . . . O X .
    . . O O . . . X .
    . . . . . X X . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(SikatuTest, SecondLineBreathReadsTheGroupOfTheStonePlayed)
{
    Prepare(kSecondLineBreath, kKuro);
    const Point f2 = ParsePoint("F2");
    const TGun& black = GunOf(ParsePoint("D2"));
    ASSERT_EQ(black.GetMe(), 4);
    ASSERT_LT(black.GetKokyuSu(), 3);
    bool breathes = false;
    for (int i = 1; i <= black.GetKokyuSu(); ++i)
        breathes = breathes || black.GetKokyu(i) == f2;
    ASSERT_TRUE(breathes);
    {
        // White's F2: White's group there is short of two eyes, Black's
        // corner keeps both of its eyes.
        TYomiTrial t;
        ASSERT_TRUE(t.PushPlay(kSiro, f2));
        CurGoban().Analyze();
        const TGun* white = CurGoban().GunList.GetGunAt(f2);
        ASSERT_NE(white, nullptr);
        ASSERT_LT(white->GetMe(), 4);
        const TGun* corner = CurGoban().GunList.GetGunAt(ParsePoint("D2"));
        ASSERT_NE(corner, nullptr);
        ASSERT_EQ(corner->GetMe(), 4);
    }
    // So White's F2 is added, and the group needs no more reading.
    EXPECT_TRUE(SikatuSkip(black));
    EXPECT_TRUE(KohoValueAt(f2).has_value()) << CandidateList();
    EXPECT_EQ(Level, 0);
}

// The status bar as the pondering leaves it, text by text.
class TStatusHooks : public TShellHooks {
public:
    void StatusText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

TEST_F(SikatuTest, PonderingAnnouncesItselfInTheUsersLanguage)
{
    for (int language : {lgEnglish, lgJapanese}) {
        for (bool kill : {true, false}) {
            ResetProgramState();
            TStatusHooks hooks;
            SetShellHooks(&hooks);
            Language = language;
            Prepare(kStraightThree, kill ? kSiro : kKuro);
            const TGun& g = GunOf(ParsePoint("A2"));
            EXPECT_EQ(kill ? KorosuYomi(g) : IkiruYomi(g), 1);
            const std::vector<std::string> want
                = {language == lgEnglish ? "Starts pondering" : "長考に入ります。", ""};
            EXPECT_EQ(hooks.texts, want) << (kill ? "kill" : "life") << " in language " << language;
            SetShellHooks(nullptr);
        }
    }
}

// Every pondering of the problem file proposes the same moves with and
// without the first-success stop inside the search, and the stop never
// reads more.
TEST_F(SikatuTest, TheFirstSuccessStopKeepsTheMovesProposed)
{
    int checks = 0;
    for (const TProblem& p : LoadProblems("sikatu.tst"))
        for (const TProblemCheck& check : p.checks) {
            if (check.command != "kill" && check.command != "live")
                continue;
            std::map<int, std::string> tables;
            std::map<int, std::uint64_t> analyses;
            for (int stop : {0, 1}) {
                ResetProgramState();
                SetupProblem(p);
                SikatuFirstStop = static_cast<std::uint8_t>(stop);
                std::string detail;
                const std::uint64_t before = AnalyzeCount;
                RunProblemCommand(check, detail);
                analyses[stop] = AnalyzeCount - before;
                tables[stop] = detail;
            }
            EXPECT_EQ(tables[0], tables[1]) << p.Where() << " " << check.text;
            EXPECT_LE(analyses[1], analyses[0]) << p.Where() << " " << check.text;
            ++checks;
        }
    EXPECT_GE(checks, 10);
}

} // namespace
} // namespace vorn::test

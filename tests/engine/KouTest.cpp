// Ko fights: the threat search and its list, the ko threat the engine plays
// when it may not retake (checked by GNU Go), and the ko shapes of the
// fourth stage and of the chain tactics.
#include <string>

#include "DecisionUtil.h"
#include "GnuGo.h"
#include "Util.h"

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Kou.h"
#include "engine/Reading.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

using KouTest = VornTest;

// Before White takes the ko at E5 (the black stone there goes): White's
// one-space jump G5-J5 on the right has Black's wall right above its gap.
constexpr const char* kWallKo = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    X X X X . X X X X
    O O O O X O O . O
    . . . . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The ko point, and the threat and the chain it threatens.
const Point kKoPoint = Pt(5, 5);
const Point kThreat = Pt(8, 5);
const Point kThreatened = Pt(9, 5);

// A generator of the program's that values the ko point at 60 for Black:
// while Black may not retake there its value is parked.
void StagesWithKoValue(int stage, Point& out)
{
    StagesAfterOpening(stage, out);
    if (stage == 2)
        AddKohoEx(kKoPoint, 60, kkYose, Point());
}

// The position after White's ko capture, Black to move, the engine's stages
// with the ko valued, and the program's own threat search.
void SetUpWallKo()
{
    SetupPosition(ReadDiagram(kWallKo), kSiro);
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    TGoban& b0 = *GobanLv[0];
    ASSERT_EQ(b0.Utu(5, 4), kUtuOk);
    b0.Analyze();
    ThinkSources = TThinkSources{StagesWithKoValue, DefaultThinkSources().KoThreat};
}

TEST_F(KouTest, ThreatWorthMoreThanTheBestMoveIsPlayedAndTheKoRetaken)
{
    SetUpWallKo();
    TGoban& b0 = *GobanLv[0];
    Point out;
    ThinkMove(out);
    ASSERT_EQ(KouTen, kKoPoint);
    EXPECT_EQ(KouKohoValue, 60);
    ASSERT_GT(KouDateCount, 0);
    EXPECT_EQ(out, kThreat) << CandidateList();
    EXPECT_EQ(out, KouDatePt);
    // Worth more than every candidate of the staged search.
    for (int i = 1; i <= KohoCount; ++i)
        EXPECT_LT(Koho.Value[i], KouDateValue) << CandidateList();
    EXPECT_EQ(KohoBestValue, KouDateValue);

    // GNU Go: after the threat, Black's next move takes the threatened stone.
    if (GnuGo::Available()) {
        GnuGo gg;
        ASSERT_TRUE(gg.Start(9));
        const TTejun& t = b0.Tejun;
        const TDiagram start = ReadDiagram(kWallKo);
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                const int c = start.iro[x][y];
                if (c == kKuro || c == kSiro)
                    gg.Command(std::string(c == kKuro ? "play black " : "play white ") + gg.Vertex(Point(x, y)));
            }
        for (int n = 1; n <= t.Current(); ++n)
            gg.Command(std::string(t.TeColor(n) == kKuro ? "play black " : "play white ") + gg.Vertex(t.GetTe(n)));
        gg.Command("play black " + gg.Vertex(out));
        const std::string attack = gg.Command("attack " + gg.Vertex(kThreatened));
        const std::string owl = gg.Command("owl_attack " + gg.Vertex(kThreatened));
        EXPECT_TRUE(attack.rfind('0', 0) != 0 || owl.rfind('0', 0) != 0) << attack << " / " << owl;
    }

    // White answers; now Black retakes.
    ASSERT_EQ(b0.Utu(out.x, out.y), kUtuOk);
    b0.Analyze();
    ASSERT_EQ(b0.Utu(9, 6), kUtuOk);
    b0.Analyze();
    ThinkMove(out);
    EXPECT_EQ(out, kKoPoint) << CandidateList();
    EXPECT_EQ(Level, 0);
}

TEST_F(KouTest, NoThreatSearchWhenTheKoIsWorthNoMoreThanTheBest)
{
    SetUpWallKo();
    ThinkSources = TThinkSources{[](int stage, Point& out) {
                                     StagesAfterOpening(stage, out);
                                     if (stage == 2)
                                         AddKohoEx(kKoPoint, 20, kkYose, Point());
                                 },
                                 DefaultThinkSources().KoThreat};
    Point out;
    ThinkMove(out);
    EXPECT_EQ(KouKohoValue, 20);
    EXPECT_EQ(KouDateCount, 0) << "the threat search ran";
    EXPECT_GE(KohoBestValue, 20);
}

TEST_F(KouTest, ThreatsAreNeverTheKoPointNorNextToTheStonesAtStake)
{
    SetUpWallKo();
    Point none;
    VornThink0(-1, none);
    // The threat search finds the atari on J5 ...
    Point threat;
    KouDate(0, threat);
    ASSERT_GT(KouDateCount, 0);
    bool onJ5 = false;
    for (int i = 1; i <= KouDateCount; ++i) {
        EXPECT_NE(KouDateList[i], KouTen);
        onJ5 = onJ5 || KouDateList[i] == kThreat;
    }
    EXPECT_TRUE(onJ5);
    // ... and the list never takes the ko point.
    KouDateAdd(KouTen, 99);
    for (int i = 1; i <= KouDateCount; ++i)
        EXPECT_NE(KouDateList[i], KouTen);

    // The two-liberty stone J5 next to stones at stake in the ko is no threat.
    KouDateCount = 0;
    KouDateValue = 0;
    KouDateLimit = 1000;
    KouAtariIsi = Pt(8, 4); // our wall stone next to J5
    KouDateUtu();
    for (int i = 1; i <= KouDateCount; ++i)
        EXPECT_NE(KouDateList[i], kThreat) << "J5 used as a threat";

    // A stone at stake left from an earlier ko keeps nothing out.
    KouDate(0, threat);
    EXPECT_EQ(KouAtariIsi, Point());
    onJ5 = false;
    for (int i = 1; i <= KouDateCount; ++i)
        onJ5 = onJ5 || KouDateList[i] == kThreat;
    EXPECT_TRUE(onJ5);
}

TEST_F(KouTest, ThreatListKeepsPointsAndValuesAtOneIndex)
{
    KouTen = Pt(1, 1);
    struct Add {
        Point p;
        int value;
    };
    // 25 threats, one a repeat and one on the ko point: 20 are kept.
    std::vector<Add> adds;
    for (int i = 1; i <= 22; ++i)
        adds.push_back({Pt(1 + i % 9, 2 + i / 9), 10 + (i * 7) % 13});
    adds.insert(adds.begin() + 3, {Pt(1, 1), 90});
    adds.insert(adds.begin() + 5, {adds[0].p, 95});
    KouDateCount = 0;
    KouDateValue = 0;
    for (const Add& a : adds)
        KouDateAdd(a.p, a.value);
    ASSERT_EQ(KouDateCount, kMaxKouDate);
    int best = 0;
    Point bestPt;
    int k = 0;
    for (const Add& a : adds) {
        if (a.p == Pt(1, 1) || (a.value == 95))
            continue;
        if (++k > kMaxKouDate)
            break;
        EXPECT_EQ(KouDateList[k], a.p) << k;
        EXPECT_EQ(KouDateListValue[k], a.value) << k;
        if (a.value > best) {
            best = a.value;
            bestPt = a.p;
        }
    }
    EXPECT_EQ(KouDateValue, best);
    EXPECT_EQ(KouDatePt, bestPt);
}

// The ko at E6: Black takes the white stone E5 there.  When White fills
// instead, Black's F5 (two liberties) is caught by the ladder starting at
// F4.
constexpr const char* kLadderKo = R"(
    . . . O . X . . .
    . O . . . X . X .
    X . O . O . . . X
    . . . O X . . O .
    X X . X O X . O .
    X O . O . O . X O
    O O . . O . . . O
    O X O O . X . X O
    . X X . . . . X X)";

TEST_F(KouTest, KoReadingProposesTheLadderOfTheTakersChain)
{
    const Point p = Pt(5, 6), s = Pt(5, 5), ladder = Pt(6, 4);
    // White, the owner of E5: the ladder's first move.
    PrepareDecision(kLadderKo, kSiro);
    KouYomi(p, s);
    EXPECT_TRUE(KohoValueAt(ladder).has_value()) << CandidateList();
    EXPECT_FALSE(KohoValueAt(p).has_value()) << CandidateList();
    const int value = *KohoValueAt(ladder);
    // Half of White's evaluation after White fills at E6 and plays both of
    // the ladder's first two points itself: F4 (the ladder's first move)
    // and G5 (Black's only way out), which takes F5.
    int expect = 0;
    {
        TYomiTrial t;
        ASSERT_TRUE(t.Play(kSiro, p));
        ASSERT_TRUE(t.PushPlay(kSiro, Pt(6, 4)));
        ASSERT_TRUE(t.Play(kSiro, Pt(7, 5)));
        ASSERT_EQ(CurGoban().GetIroPt(Pt(6, 5)), kAki) << "F5 is taken";
        expect = Hyoka(kSiro) / 2;
    }
    EXPECT_EQ(value, expect);

    // Black, the taker: the ko point itself ...
    PrepareDecision(kLadderKo, kKuro);
    KouYomi(p, s);
    EXPECT_TRUE(KohoValueAt(p).has_value()) << CandidateList();
    // ... unless a good move of ours lies on the ladder's path.
    PrepareDecision(kLadderKo, kKuro);
    AddKoho(ladder, 30, 0);
    KouYomi(p, s);
    EXPECT_FALSE(KohoValueAt(p).has_value()) << CandidateList();

    // The stage generator finds the same shape and selects nothing below 160.
    PrepareDecision(kLadderKo, kSiro);
    Point out;
    KouThink(out);
    EXPECT_TRUE(KohoValueAt(ladder).has_value()) << CandidateList();
    EXPECT_EQ(out, Point());
    EXPECT_EQ(Level, 0);
}

// White can take the black stone A2 at A1 in a ko; Black's fill there
// leaves three stones in atari, and Black's B1 cannot escape at C1.
constexpr const char* kCornerKo = R"(
    . X . . . . . . .
    X O O . . . . . .
    O . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(KouTest, KoCaptureIsWorthHalfAgainTheTakersAnswer)
{
    const Point p = Pt(1, 1), s = Pt(1, 2), l = Pt(3, 1);
    for (int engine : {kKuro, kSiro}) {
        SCOPED_TRACE(engine);
        PrepareDecision(kCornerKo, engine);
        // White's answer at C1 after the take, valued for White.
        int w = 0;
        {
            TYomiTrial t;
            ASSERT_TRUE(t.Play(kSiro, p));
            ASSERT_TRUE(t.Play(kSiro, l));
            w = Hyoka(kSiro);
        }
        KouYomi(p, s);
        ASSERT_TRUE(KohoValueAt(p).has_value()) << CandidateList();
        EXPECT_EQ(*KohoValueAt(p), 3 * w / 2);
        EXPECT_EQ(Level, 0);
    }
}

} // namespace
} // namespace vorn::test

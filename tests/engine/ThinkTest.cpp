// The staged move driver: stage order and thresholds with scripted
// generators, hint mode, the ko threat, the resignation offer, the checks on
// points returned directly, and whole engine-against-engine games.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "DecisionUtil.h"
#include "GnuGo.h"
#include "Util.h"

#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// Scripted generators: the test says what each stage adds and selects.
std::function<void(int, Point&)> g_stage;
std::vector<int> g_stagesRun;
std::function<void(int, Point&, int&)> g_koThreat;

void ScriptedStage(int stage, Point& out)
{
    g_stagesRun.push_back(stage);
    out = Point{};
    if (g_stage)
        g_stage(stage, out);
}

void ScriptedKoThreat(int limit, Point& out, int& value)
{
    out = Point{};
    value = 0;
    if (g_koThreat)
        g_koThreat(limit, out, value);
}

class ThinkTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        g_stage = nullptr;
        g_koThreat = nullptr;
        g_stagesRun.clear();
        ThinkSources = TThinkSources{ScriptedStage, ScriptedKoThreat};
        SetBoard(R"(
            . . . . . . . . .
            . . . . . . . . .
            . . X . . . O . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . O . . . X . .
            . . . . . . . . .
            . . . . . . . . .)");
    }
    void TearDown() override
    {
        g_stage = nullptr;
        g_koThreat = nullptr;
        VornTest::TearDown();
    }
};

TEST_F(ThinkTest, StageBelowItsThresholdFallsToTheNextStage)
{
    // A stage-2 candidate of score 259 does not end stage 2, but wins stage 3.
    g_stage = [](int stage, Point& out) {
        if (stage == 2) {
            AddKoho(Point(5, 5), 25, 9);
            SelectKoho(kSelectUrgent, out);
        } else if (stage == 3) {
            SelectKoho(kSelectMiddle, out);
        }
    };
    Point out;
    ThinkMove(out);
    EXPECT_EQ(out, Point(5, 5));
    EXPECT_EQ(ThinkStageNo, 3);
    EXPECT_EQ(g_stagesRun, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(KohoDspCount, 1);
    EXPECT_EQ(ThinkTe, Point(5, 5));
}

TEST_F(ThinkTest, DirectPointsAreCheckedAndFallThrough)
{
    // The opening stage names an occupied point, the joseki stage a legal one.
    g_stage = [](int stage, Point& out) {
        if (stage == 0)
            out = Point(3, 3);
        if (stage == 1)
            out = Point(4, 3);
    };
    Point out;
    ThinkMove(out);
    EXPECT_EQ(out, Point(4, 3));
    EXPECT_EQ(ThinkStageNo, 1);
    // Off the board is no better.
    g_stage = [](int stage, Point& out) {
        if (stage == 0)
            out = Point(10, 4);
        if (stage == 8)
            out = Point(1, 1);
    };
    ThinkMove(out);
    EXPECT_EQ(out, Point(1, 1));
    EXPECT_EQ(ThinkStageNo, 8);
}

TEST_F(ThinkTest, HintModeNeedsThreeCandidates)
{
    HintMode = 1;
    auto script = [](int candidates) {
        return [candidates](int stage, Point& out) {
            if (stage == 2) {
                for (int i = 0; i < candidates; ++i)
                    AddKoho(Point(5 + i, 5), 30, 0);
                SelectKoho(kSelectUrgent, out);
            } else if (stage >= 3) {
                SelectKoho(kSelectMiddle, out);
            }
        };
    };
    g_stage = script(2);
    Point out;
    ThinkMove(out);
    EXPECT_EQ(g_stagesRun, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(out, Point());
    EXPECT_EQ(ThinkStageNo, -1);

    g_stagesRun.clear();
    g_stage = script(3);
    ThinkMove(out);
    EXPECT_EQ(g_stagesRun, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(out.y, 5);
    EXPECT_EQ(ThinkStageNo, 2);
}

TEST_F(ThinkTest, StageNumberIsResetByEveryDecision)
{
    g_stage = [](int stage, Point& out) {
        if (stage == 3)
            out = Point(5, 5);
    };
    Point out;
    ThinkMove(out);
    EXPECT_EQ(ThinkStageNo, 3);
    g_stage = nullptr;
    ThinkMove(out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(ThinkStageNo, -1);
}

TEST_F(ThinkTest, NothingIsThoughtAfterTheEndOfTheGame)
{
    GameOver = 1;
    g_stage = [](int, Point& out) { out = Point(5, 5); };
    Point out{1, 1};
    ThinkMove(out);
    EXPECT_EQ(out, Point());
    EXPECT_TRUE(g_stagesRun.empty());
}

TEST_F(ThinkTest, ParkedKoCandidateBringsAKoThreat)
{
    g_stage = [](int stage, Point& out) {
        if (stage == 8) {
            KouKohoValue = 40; // a retake worth 40 was parked
            AddKoho(Point(5, 5), 12, 0);
            SelectKoho(kSelectYose, out);
        }
    };
    int limitSeen = -1;
    g_koThreat = [&limitSeen](int limit, Point& out, int& value) {
        limitSeen = limit;
        out = Point(8, 8);
        value = 20;
    };
    Point out;
    ThinkMove(out);
    EXPECT_EQ(limitSeen, 12);
    EXPECT_EQ(out, Point(8, 8));
    EXPECT_EQ(KohoBestValue, 20);

    // A threat worth no more than the best candidate is not played.
    g_koThreat = [](int, Point& out, int& value) {
        out = Point(8, 8);
        value = 12;
    };
    ThinkMove(out);
    EXPECT_EQ(out, Point(5, 5));

    // Without a parked ko candidate nobody looks for threats.
    limitSeen = -1;
    g_koThreat = [&limitSeen](int limit, Point& out, int& value) {
        limitSeen = limit;
        out = Point(8, 8);
        value = 99;
    };
    g_stage = [](int stage, Point& out) {
        if (stage == 8) {
            AddKoho(Point(5, 5), 12, 0);
            SelectKoho(kSelectYose, out);
        }
    };
    ThinkMove(out);
    EXPECT_EQ(limitSeen, -1);
    EXPECT_EQ(out, Point(5, 5));
}

TEST_F(ThinkTest, NegativeBestValueIsRaisedBeforeTheThreatSearch)
{
    g_stage = [](int stage, Point& out) {
        if (stage == 8) {
            KouKohoValue = 5;
            AddKoho(Point(5, 5), -3, 0);
            SelectKoho(-99 + 1, out);
        }
    };
    int limitSeen = -1;
    g_koThreat = [&limitSeen](int limit, Point& out, int& value) {
        limitSeen = limit;
        out = Point{};
        value = 0;
    };
    Point out;
    ThinkMove(out);
    EXPECT_EQ(limitSeen, 0);
    EXPECT_EQ(out, Point(5, 5));
}

// Resignation: the engine (Black, to move) is judged 2 per point of komi
// behind on an empty board; the move comes from one stage with one value.
struct ResignCase {
    const char* what;
    float komi;
    int stage, value;
    unsigned char renzoku;
    Point want;
};

TEST_F(ThinkTest, ResignationOfferOnlyWhenAllowed)
{
    // An empty board: no area for either side, only the komi counts.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const ResignCase cases[] = {
        {"lost, only a small last move", 60.0f, 8, 10, 0, Point(-5, 5)},
        {"lost at exactly -100", 50.0f, 8, 10, 0, Point(-5, 5)},
        {"never in a continuous match", 60.0f, 8, 10, 1, Point(5, 5)},
        {"a move worth more", 60.0f, 8, 11, 0, Point(5, 5)},
        {"a move from an earlier stage", 60.0f, 7, 10, 0, Point(5, 5)},
        {"judgement -99", 49.5f, 8, 10, 0, Point(5, 5)},
        {"no move at all: a pass", 60.0f, 99, 10, 0, Point()},
    };
    for (const ResignCase& c : cases) {
        SCOPED_TRACE(c.what);
        Komi = c.komi;
        RenzokuMode = c.renzoku;
        g_stage = [&c](int stage, Point& out) {
            if (stage == c.stage) {
                AddKoho(Point(5, 5), c.value, 0);
                SelectKoho(0, out);
            }
        };
        Point out;
        ThinkMove(out);
        EXPECT_EQ(out, c.want);
        if (c.want.x != 0) {
            EXPECT_EQ(ThinkTe, Point(5, 5));
        }
    }
}

TEST_F(ThinkTest, IllegalChoiceGivesWayToTheBestLegalCandidate)
{
    g_stage = [](int stage, Point& out) {
        if (stage == 4) {
            AddKoho(Point(5, 5), 20, 0);
            AddKoho(Point(6, 6), 22, 0);
            // A stale entry on a stone (as a generator could leave it).
            Koho.Pt[1] = Point(3, 3);
            Koho.Value[1] = 40;
            SelectKoho(kSelectMiddle, out);
        }
    };
    Point out;
    ThinkMove(out);
    EXPECT_EQ(out, Point(6, 6));
}

TEST_F(ThinkTest, PreparedAnswerIsCheckedBeforeItIsPlayed)
{
    ResetProgramState();
    ThinkSources = TThinkSources{ScriptedStage, ScriptedKoThreat};
    BoardSize = 9;
    GobanLv[0]->NewGame();
    PlayerKind[kKuro] = pkComputer;
    g_stage = [](int stage, Point& out) {
        if (stage == 8)
            out = Point(7, 7);
    };
    // Black's move 1 at (3, 3) with two answers ready.
    AddPreparedTe(Point(3, 3), Point(4, 3), Point(4, 4));
    AddPreparedTe(Point(3, 3), Point(3, 4), Point(3, 4)); // names the reply itself
    ThinkTe = Point(3, 3);
    ASSERT_EQ(GobanLv[0]->Utu(3, 3), kUtuOk);
    ASSERT_EQ(GobanLv[0]->Utu(3, 4), kUtuOk);
    Point out;
    ThinkMove(out);
    EXPECT_EQ(out, Point(7, 7)); // the occupied answer falls through
    EXPECT_TRUE(g_stagesRun.size() == 9u);

    // A legal prepared answer is played without any stage.
    g_stagesRun.clear();
    AddPreparedTe(Point(7, 7), Point(4, 3), Point(4, 4));
    ASSERT_EQ(GobanLv[0]->Utu(7, 7), kUtuOk);
    ASSERT_EQ(GobanLv[0]->Utu(4, 3), kUtuOk);
    ThinkMove(out);
    EXPECT_EQ(out, Point(4, 4));
    EXPECT_TRUE(g_stagesRun.empty());
}

TEST_F(ThinkTest, LookAheadReasons)
{
    for (int r : std::initializer_list<int>{0, kkToru, kkNigeru, kkKiri, kkTugi, kkKankei, 6, kkSikatu, kkSikatuYomi, kkNozoki, kkSikatuUrgent})
        EXPECT_TRUE(NeedSakiyomi(r)) << r;
    for (int r : std::initializer_list<int>{7, 8, kkJoseki, kkJoban, kkJoban2, kkGunKankei, kkYose, kkPreparedTe, kkSikatuSettle})
        EXPECT_FALSE(NeedSakiyomi(r)) << r;
    // A weak-group move goes to the look-ahead when another candidate is a
    // real capture or worth more than 30; the top entry itself does not count.
    AddKohoEx(Point(1, 1), 60, kkWeakGun, Point());
    AddKohoEx(Point(2, 1), 12, kkToru, Point());
    AddKohoEx(Point(3, 1), 30, kkYose, Point());
    EXPECT_FALSE(NeedSakiyomi(kkWeakGun));
    Koho.Value[2] = 13;
    EXPECT_TRUE(NeedSakiyomi(kkWeakGun));
    EXPECT_TRUE(NeedSakiyomi(kkWeakGunKankei));
    Koho.Value[2] = 12;
    Koho.Value[3] = 31;
    EXPECT_TRUE(NeedSakiyomi(kkWeakGunKankei));
    KohoClear();
    AddKohoEx(Point(1, 1), 60, kkToru, Point());
    EXPECT_FALSE(NeedSakiyomi(kkWeakGun));
}

TEST_F(ThinkTest, EngineSettingsAreClamped)
{
    struct Case {
        int value, wide, deep, time;
    } cases[] = {
        {3, 3, 3, 3}, {-5, 1, 0, 0}, {0, 1, 0, 0}, {1000000, 20, 10, 1000}, {10, 10, 10, 10},
    };
    for (const Case& c : cases) {
        YomiWide = YomiDeep = YomiTime = c.value;
        EXPECT_EQ(SettingYomiWide(), c.wide) << c.value;
        EXPECT_EQ(SettingYomiDeep(), c.deep) << c.value;
        EXPECT_EQ(SettingYomiTime(), c.time) << c.value;
    }
    // The clock: 40 minutes, 5 kept in reserve.
    YomiTime = 40;
    JibunIro = kSiro;
    Jikan[kSiro] = 35 * 600;
    EXPECT_FALSE(JikanOver(5));
    Jikan[kSiro] += 1;
    EXPECT_TRUE(JikanOver(5));
    EXPECT_FALSE(JikanOver(-1));
    YomiTime = 2000000000; // would overflow the tenths
    EXPECT_FALSE(JikanOver(5));
}

TEST_F(ThinkTest, TraceLinesOfADecision)
{
    const auto old = std::filesystem::current_path();
    std::string tmpl = (std::filesystem::temp_directory_path() / "vorn-think-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    std::filesystem::current_path(tmpl);
    LogMode = 1;
    g_stage = [](int stage, Point& out) {
        if (stage == 5)
            out = Point(6, 4);
    };
    Point out;
    ThinkMove(out);
    std::ifstream in("log.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::filesystem::current_path(old);
    std::filesystem::remove_all(tmpl);
    EXPECT_EQ(text.str(), "YS=<6,4>5\r\nReCheck()=<6,4>\r\nVornThink0(8)=<6,4>\r\n");
}

// --- Whole games with the generators of the program ------------------------

// Look-ahead nodes read in the games played so far.
long long g_soakNodes = 0;

// The engine plays both sides from seeded random openings until two passes
// in a row; every answer must be legal and leave the look-ahead at level 0,
// and the game board and its record as they were.  firstPass is the number
// of the move that was the first of the two passes.  Without `search` the
// clock gate (no thinking budget) keeps the look-ahead off.
void PlaySelfTo(int size, int randomMoves, std::uint64_t seed, int& firstPass, bool search = true)
{
    ResetProgramState();
    if (!search)
        YomiTime = 0;
    RandSeed(seed);
    BoardSize = size;
    GobanLv[0]->NewGame();
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    TGoban& b0 = *GobanLv[0];
    for (int i = 0; i < randomMoves; ++i) {
        const Point p = RandomMove(b0);
        if (p.x == 0)
            break;
        ASSERT_EQ(b0.Utu(p.x, p.y), kUtuOk);
    }
    int passes = 0;
    int moves = 0;
    const int limit = size * size * 2;
    while (passes < 2 && moves < limit) {
        const std::uint64_t before = BoardHash(b0);
        Point out;
        ThinkMove(out);
        ASSERT_EQ(Level, 0);
        ASSERT_EQ(BoardHash(b0), before) << "size " << size << " seed " << seed << " move " << moves;
        ASSERT_EQ(b0.Tejun.Current(), b0.Tejun.Last());
        const Point p{std::abs(out.x), out.y};
        if (p.x == 0) {
            ASSERT_TRUE(b0.Pass());
            if (passes++ == 0)
                firstPass = b0.Tejun.Current();
        } else {
            ASSERT_EQ(b0.CheckUtu(b0.Tejun.NextColor(), p.x, p.y), kUtuOk)
                << "size " << size << " seed " << seed << " move " << p.x << "," << p.y;
            ASSERT_EQ(b0.Utu(p.x, p.y), kUtuOk);
            // The shell's part after a move: analysis, then the endgame cache.
            b0.Analyze();
            YoseCacheInvalidate(p);
            passes = 0;
        }
        ++moves;
    }
    EXPECT_EQ(passes, 2) << "the game did not end";
    g_soakNodes += ThinkYomiCount;
}

int PlaySelf(int size, int randomMoves, std::uint64_t seed, bool search)
{
    int firstPass = 0;
    PlaySelfTo(size, randomMoves, seed, firstPass, search);
    return firstPass;
}

// The look-ahead on the larger boards costs seconds a move; the 9 x 9 games
// read it, the others play without it.  Four seeds on each size (the last
// two under the sanitizers), each game a test of its own so that the games
// run side by side.
class EngineAgainstEngine : public testing::TestWithParam<std::tuple<int, std::uint64_t>> {};

TEST_P(EngineAgainstEngine, OnEverySize)
{
    const auto [size, seed] = GetParam();
    const int opening = static_cast<int>(seed * size);
    const long long nodes = g_soakNodes;
    const int firstPass = PlaySelf(size, opening, seed * 31 + size, size == 9);
    // The look-ahead reads in every 9 x 9 game and nowhere else.
    EXPECT_EQ(g_soakNodes > nodes, size == 9) << "size " << size << " seed " << seed;
    // On 9 x 9 the engine plays the game out, well past the opening.
    if (size == 9) {
        EXPECT_GE(firstPass - opening, 8) << "seed " << seed << " passed at move " << firstPass;
    }
    ResetProgramState();
}

INSTANTIATE_TEST_SUITE_P(ThinkSoak, EngineAgainstEngine,
                         testing::Combine(testing::Values(9, 13, 19),
                                          testing::Range<std::uint64_t>(kSanitized ? 3 : 1, 5)));

// GNU Go's score of the game as it stands, from Black's side ("B+3.5" is
// 3.5, "W+2.0" is -2.0).
double GnuGoScore(GnuGo& gg)
{
    const std::string s = gg.Command("final_score");
    if (s.size() < 2 || s[0] == '0')
        return 0.0;
    const double v = std::atof(s.c_str() + 2);
    return s[0] == 'B' ? v : -v;
}

// GNU Go finds the game finished when, for each side to move, its best move
// is a pass or changes its score by at most one point.
bool GnuGoFinished(GnuGo& gg)
{
    const double score = GnuGoScore(gg);
    for (const char* colour : {"black", "white"}) {
        const std::string move = gg.Command(std::string("reg_genmove ") + colour);
        if (move == "PASS" || move == "pass")
            continue;
        gg.Command(std::string("play ") + colour + " " + move);
        const double after = GnuGoScore(gg);
        gg.Command("undo");
        if (std::abs(after - score) > 1.0)
            return false;
    }
    return true;
}

// Seeded 9 x 9 games from a few random moves, played by the engine to two
// passes and then shown to GNU Go.  The share of finished games is printed;
// a handful of games under the sanitizers, more in the release build.
TEST(ThinkSoak, NineByNineGamesEndFinished)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "GNU Go is not installed";
    // Under the sanitizers: the games are played and shown, no share kept.
    const int games = kSanitized ? 3 : 12;
    const int atLeast = kSanitized ? 0 : 4;
    int finished = 0;
    std::ostringstream passes;
    for (int g = 1; g <= games; ++g) {
        const std::uint64_t seed = 1000 + static_cast<std::uint64_t>(g);
        int firstPass = 0;
        PlaySelfTo(9, 4 + g % 5, seed, firstPass);
        GnuGo gg;
        ASSERT_TRUE(gg.Start(9, "--level 1"));
        const TTejun& t = GobanLv[0]->Tejun;
        for (int n = 1; n <= t.Current(); ++n)
            gg.Command(std::string("play ") + (t.TeColor(n) == kKuro ? "black " : "white ") + gg.Vertex(t.GetTe(n)));
        const bool done = GnuGoFinished(gg);
        finished += done ? 1 : 0;
        passes << ' ' << firstPass << (done ? "" : "*");
    }
    std::cout << "[ share    ] " << finished << " of " << games << " seeded 9x9 games finished by GNU Go's judgement;"
              << " first passes at moves (* unfinished)" << passes.str() << "\n";
    EXPECT_GE(finished, atLeast);
    ResetProgramState();
}


// --- Stages with the program's generators -----------------------------------------

class LateStageTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
        PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    }
    // The decision with the trace log on; answers the trace.
    static std::string DecideTraced(Point& out)
    {
        const auto old = std::filesystem::current_path();
        std::string tmpl = (std::filesystem::temp_directory_path() / "vorn-stage-XXXXXX").string();
        if (mkdtemp(tmpl.data()) == nullptr)
            throw std::runtime_error("no temporary directory");
        std::filesystem::current_path(tmpl);
        LogMode = 1;
        ThinkMove(out);
        LogMode = 0;
        std::ifstream in("log.txt", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::filesystem::current_path(old);
        std::filesystem::remove_all(tmpl);
        return text.str();
    }
};

TEST_F(LateStageTest, WeakGroupCandidateEndsStageThreeAndIsRefined)
{
    // White's lone stone at B9 is weak; Black's attacks on it are worth 25
    // with a bonus, enough for stage 3.  Nothing else is urgent, so the move
    // goes through the weak-group refinement.
    SetBoard(R"(
        . . . . . . O . .
        . . O X . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . O . . . . X . .)");
    // D8 stands on the fourth line from the left edge with White's C8 in
    // front of it: the three-space jump's edge answer would end stage 2.
    PairSources.Relation = [](int kind, Point a, Point b) {
        if (kind != 10)
            PairRelationHandler(kind, a, b);
    };
    Point out;
    const std::string trace = DecideTraced(out);
    EXPECT_EQ(ThinkStageNo, 3) << CandidateList();
    EXPECT_EQ(KohoBestKind, kkWeakGun);
    EXPECT_GE(KohoBestScore, kSelectMiddle);
    EXPECT_GT(out.x, 0);
    EXPECT_NE(trace.find("VornThinkWeakGun("), std::string::npos) << trace;
    EXPECT_EQ(Level, 0);
}

TEST_F(LateStageTest, LostEndgameOffersResignationExceptInContinuousGames)
{
    // Only dame are left (worth 0) and Black is 150 points behind.
    const char* dameOnly = kYoseDameOnly;
    SetBoard(dameOnly);
    Komi = 150.0f;
    RenzokuMode = 0;
    Point out;
    ThinkMove(out);
    EXPECT_LT(out.x, 0) << "a resignation offer";
    EXPECT_EQ(ThinkStageNo, 8);
    EXPECT_LE(KeiseiHandanNow, -100);

    SetBoard(dameOnly);
    RenzokuMode = 1;
    ThinkMove(out);
    EXPECT_GT(out.x, 0) << "a continuous match plays on";
    EXPECT_EQ(GobanLv[0]->GetIroPt(out), kAki);

    // Even, the same position is simply played.
    SetBoard(dameOnly);
    Komi = 0.0f;
    RenzokuMode = 0;
    ThinkMove(out);
    EXPECT_GT(out.x, 0);
}
} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

// --- Refinements that read the groups -----------------------------------------

class RefineTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        g_stage = nullptr;
        g_stagesRun.clear();
        ThinkSources = TThinkSources{ScriptedStage, ScriptedKoThreat};
    }
    static void PlayGame(std::initializer_list<Point> moves)
    {
        for (Point p : moves)
            ASSERT_EQ(GobanLv[0]->Utu(p.x, p.y), kUtuOk) << p.x << "," << p.y;
    }
};

TEST_F(RefineTest, LoneFarStoneIsAnsweredByAJumpFromIt)
{
    PlayGame({{4, 4}, {16, 4}, {4, 16}, {16, 16}, {3, 10}, {17, 10}, {10, 3}, {10, 17}, {4, 7}, {16, 7}, {4, 13},
              {10, 10}});
    Point out;
    ThinkMove(out);
    const Point jumps[] = {{10, 8}, {12, 10}, {10, 12}, {8, 10}};
    EXPECT_NE(std::find(std::begin(jumps), std::end(jumps), out), std::end(jumps)) << out.x << "," << out.y;
    EXPECT_TRUE(g_stagesRun.empty());
    EXPECT_EQ(Level, 0);
}

TEST_F(RefineTest, NoJumpReplyTooEarlyNearTheEdgeOrNearOurStones)
{
    auto decide = [](std::initializer_list<Point> moves) {
        ResetProgramState();
        ThinkSources = TThinkSources{ScriptedStage, ScriptedKoThreat};
        g_stagesRun.clear();
        PlayGame(moves);
        Point out;
        ThinkMove(out);
        return g_stagesRun.size();
    };
    // Before move 10.
    EXPECT_EQ(decide({{4, 4}, {16, 4}, {4, 16}, {16, 16}, {3, 10}, {17, 10}, {10, 3}, {10, 10}}), 9u);
    // On line 6.
    EXPECT_EQ(decide({{4, 4}, {16, 4}, {4, 16}, {16, 16}, {3, 10}, {17, 10}, {10, 3}, {10, 17}, {4, 7}, {16, 7},
                      {4, 13}, {10, 6}}),
              9u);
    // Black's stone three spaces away.
    EXPECT_EQ(decide({{4, 4}, {16, 4}, {4, 16}, {16, 16}, {3, 10}, {17, 10}, {10, 3}, {10, 17}, {4, 7}, {16, 7},
                      {10, 14}, {10, 10}}),
              9u);
}

// White to choose; Black's lone stone at (5,4) among White's four is weak.
class PreCheckTest : public RefineTest {
protected:
    void SetUp() override
    {
        RefineTest::SetUp();
        SetBoard(R"(
            . . . . . . . . .
            . . O . . . O . .
            . . . . . . . . .
            . . . . X . . . .
            . . . . . . . . .
            . . O . . . O . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)");
        GobanLv[0]->Analyze();
        JibunIro = kSiro;
        AiteIro = kKuro;
        LastTe = Point(9, 9);
        AddKohoEx(Point(5, 6), 28, kkWeakGun, Point());
        AddKohoEx(Point(8, 3), 24, kkJoban, Point());
        AddKohoEx(Point(2, 8), 25, kkJoban, Point());
        SortKoho();
    }
};

TEST_F(PreCheckTest, SlowAttackFarFromTheLastMoveGivesWayToABigPoint)
{
    ASSERT_TRUE(GobanLv[0]->GunList.GetGunAt(Point(5, 4))->IsWeak());
    Point out;
    SakiyomiPreCheck(Point(5, 6), out);
    EXPECT_EQ(out, Point(2, 8));
}

TEST_F(PreCheckTest, UrgentOrNearOrDefendingMovesStand)
{
    Point out;
    LastTe = Point(6, 7); // near the last move
    SakiyomiPreCheck(Point(5, 6), out);
    EXPECT_EQ(out, Point());
    LastTe = Point(9, 9);
    Koho.Kind[1] = kkToru; // a capture
    SakiyomiPreCheck(Point(5, 6), out);
    EXPECT_EQ(out, Point());
    Koho.Kind[1] = kkWeakGun;
    Koho.Value[1] = 30; // worth 30 on line 4
    SakiyomiPreCheck(Point(5, 6), out);
    EXPECT_EQ(out, Point());
    Koho.Value[1] = 28;
    JibunIro = kKuro; // the weak group is our own
    AiteIro = kSiro;
    SakiyomiPreCheck(Point(5, 6), out);
    EXPECT_EQ(out, Point());
    SakiyomiPreCheck(Point(), out);
    EXPECT_EQ(out, Point());
}

TEST_F(RefineTest, WeakGroupMoveGivesWayToALinkThatMustNotBeCut)
{
    BoardSize = 19;
    GobanLv[0]->NewGame();
    GobanLv[0]->Analyze();
    JibunIro = kKuro;
    AiteIro = kSiro;
    AddKohoEx(Point(10, 10), 40, kkWeakGun, Point());
    AddKohoEx(Point(12, 13), 30, kkTugi, Point(12, 14));
    AddKohoEx(Point(11, 10), 29, kkKiri, Point());
    SortKoho();
    Point out;
    VornThinkWeakGun(Point(10, 10), out);
    EXPECT_EQ(out, Point(12, 13));
    // Too far away: 13 or more.
    Koho.Pt[2] = Point(16, 16);
    VornThinkWeakGun(Point(10, 10), out);
    EXPECT_EQ(out, Point(10, 10));
    // On line 3 or 4 the move stands.
    VornThinkWeakGun(Point(10, 16), out);
    EXPECT_EQ(out, Point(10, 16));
}

TEST_F(RefineTest, WeakGroupMoveBecomesAnExtensionAlongTheSide)
{
    // Black's stone on line 4; the move at (10,14) joins it; the two-space
    // extension from it along line 4 is better.
    BoardSize = 19;
    GobanLv[0]->NewGame();
    GobanLv[0]->SetIro(10, 16, kKuro);
    GobanLv[0]->Analyze();
    JibunIro = kKuro;
    AiteIro = kSiro;
    Point out;
    VornThinkWeakGun(Point(10, 14), out);
    EXPECT_EQ(out, Point(7, 16));
    EXPECT_EQ(Level, 0);

    // On line 3 the extension moves up to line 4 when one side is cramped.
    GobanLv[0]->NewGame();
    GobanLv[0]->SetIro(10, 17, kKuro);
    GobanLv[0]->Analyze();
    VornThinkWeakGun(Point(10, 15), out);
    EXPECT_EQ(out, Point(7, 17));
    GobanLv[0]->SetIro(5, 17, kKuro);
    GobanLv[0]->Analyze();
    VornThinkWeakGun(Point(10, 15), out);
    EXPECT_EQ(out, Point(8, 16));

    // A move that joins nothing stands.
    VornThinkWeakGun(Point(15, 10), out);
    EXPECT_EQ(out, Point(15, 10));
}

} // namespace
} // namespace vorn::test

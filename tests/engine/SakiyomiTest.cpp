// The look-ahead search: which candidates become roots, when the search runs
// at all (roots, clock, record), the choice among the read roots, the
// look-ahead lines left as the move's comment, and the game as the search
// leaves it: board, record, comments, level and analysis as before.
#include <sstream>
#include <string>
#include <vector>

#include "BenchPositions.h"
#include "DecisionUtil.h"
#include "Util.h"

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Rand.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Kou.h"
#include "engine/Nozoki.h"
#include "engine/Reading.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// A middle-game fight of the benchmarks: Black's cut at G6 and the peep at
// F4 are read.
const char* const kFight = bench::kMiddle9[0];

struct TRootEntry {
    const char* point;
    int value;
    int reason;
};

class SakiyomiTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    }
    // Board 0 from the diagram, analysed as at the start of a decision for
    // toMove, with the candidate table as the staged search left it.
    static void Table(const char* diagram, int toMove, std::initializer_list<TRootEntry> entries, int kind = kkKankei)
    {
        PrepareDecision(diagram, toMove);
        for (const TRootEntry& e : entries)
            AddKohoEx(ParsePoint(e.point), e.value, static_cast<std::uint8_t>(e.reason), Point());
        SortKoho();
        Point top;
        SelectKoho(0, top);
        KohoKind = static_cast<std::uint8_t>(kind);
    }
    // The search on the table's top point; nodes gets the tree nodes read.
    static Point Search(long long& nodes)
    {
        const long long before = ThinkYomiCount;
        InSakiyomi = 1;
        Point out;
        Sakiyomi(Koho.Pt[1], out);
        InSakiyomi = 0;
        nodes = ThinkYomiCount - before;
        return out;
    }
    static std::vector<Point> Roots()
    {
        std::vector<Point> roots;
        for (int i = 1; i <= SakiRoot.Count; ++i)
            roots.push_back(SakiRoot.Pt[i]);
        return roots;
    }
};

std::vector<Point> Points(const char* text) { return ParseList(text); }

// A few stones in the upper left of a 19 x 19 board, Black to move.
constexpr const char* kCorner19 = R"(
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . X . . . . . . . . . . . . . . .
    . . . . . O . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .
    . . . . . . . . . . . . . . . . . . .)";

TEST_F(SakiyomiTest, RootsAreTheCandidatesThatPassTheFilters)
{
    const auto table = [] {
        Table(kCorner19, kKuro,
              {
                  {"E5", 60, kkToru},        // the top: the area is around it
                  {"F6", 40, kkKankei},      // taken
                  {"P16", 35, kkToru},       // outside the area, but 31 or more
                  {"O3", 30, kkKankei},      // outside the area and below 31
                  {"H8", 28, kkJoban2},      // reason 17 or more
                  {"C7", 27, kkWeakGun},     // above the staged search's reason
                  {"G3", 26, kkNozoki},      // one more than YomiWide roots
                  {"B2", 25, kkToru},        // a capture is never too many
                  {"G7", 24, kkNozoki},      // 36 below a top of 60
                  {"I2", 20, kkToru},        // below the floor of 23
              });
    };
    table();
    EXPECT_EQ(SelectRootKoho(), 4);
    EXPECT_EQ(Roots(), Points("E5 F6 P16 B2"));
    // The window of a root outside the first area joins it; far points not.
    EXPECT_EQ(YomiArea[18][18], 1);
    EXPECT_EQ(YomiArea[13][13], 0);
    EXPECT_EQ(YomiArea[5][11], 1);
    // Four roots besides the top with YomiWide 4; the scan stops at five.
    YomiWide = 4;
    table();
    EXPECT_EQ(SelectRootKoho(), 5);
    EXPECT_EQ(Roots(), Points("E5 F6 P16 G3 B2"));
    // The floor is 13 under a top below 45.
    YomiWide = 3;
    Table(kCorner19, kKuro, {{"E5", 40, kkKankei}, {"F6", 14, kkToru}, {"G7", 14, kkKankei}, {"C3", 12, kkToru}});
    EXPECT_EQ(SelectRootKoho(), 2);
    EXPECT_EQ(Roots(), Points("E5 F6"));
}

TEST_F(SakiyomiTest, SearchRunsOnlyForTwoRootsOrForMoreWithTheMode)
{
    long long nodes = 0;
    // One root: the top candidate stands.
    Table(kFight, kKuro, {{"G6", 40, kkKiri}, {"F4", 12, kkToru}});
    EXPECT_EQ(Search(nodes), ParsePoint("G6"));
    EXPECT_EQ(nodes, 0);
    // Three roots: only with the look-ahead over three or more allowed.
    const auto three = [] { Table(kFight, kKuro, {{"G6", 40, kkKiri}, {"F4", 35, kkKankei}, {"E7", 30, kkToru}}); };
    SakiyomiMode = 0;
    three();
    EXPECT_EQ(Search(nodes), ParsePoint("G6"));
    EXPECT_EQ(nodes, 0);
    SakiyomiMode = 1;
    three();
    const Point out = Search(nodes);
    EXPECT_GT(nodes, 0);
    EXPECT_EQ(SakiRoot.Count, 3);
    EXPECT_EQ(Roots(), Points("G6 F4 E7"));
    EXPECT_TRUE(out == ParsePoint("G6") || out == ParsePoint("F4") || out == ParsePoint("E7"));
    EXPECT_EQ(Level, 0);
}

TEST_F(SakiyomiTest, ClockGates)
{
    // 40 minutes: no search at all past 35 minutes used, none over three or
    // more roots past 30.
    YomiTime = 40;
    struct Case {
        int tenths;
        bool threeRoots;
        bool searched;
    } cases[] = {
        {35 * 600, false, true},  {35 * 600 + 1, false, false}, {30 * 600 + 1, false, true},
        {30 * 600, true, true},   {30 * 600 + 1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tenths) + (c.threeRoots ? " three roots" : " two roots"));
        if (c.threeRoots)
            Table(kFight, kKuro, {{"G6", 40, kkKiri}, {"F4", 35, kkKankei}, {"E7", 30, kkToru}});
        else
            Table(kFight, kKuro, {{"G6", 40, kkKiri}, {"F4", 35, kkKankei}});
        Jikan[kKuro] = c.tenths;
        long long nodes = 0;
        Search(nodes);
        EXPECT_EQ(nodes > 0, c.searched);
    }
}

// Black's I1 takes the white stone H1 and stands in atari, but its group
// lives: the look-ahead takes the capture at once.
constexpr const char* kSnap = R"(
    . . . . X . O O .
    . . . . X . . . X
    X . . . X X . . .
    . . O . . . . . .
    . . X . O X O . .
    O O X . . X . O .
    O . . . . . X . O
    . . O O . . . X O
    . X . . . . X O .)";

TEST_F(SakiyomiTest, CaptureIntoAtariThatLivesIsTakenAtOnce)
{
    long long nodes = 0;
    Table(kSnap, kKuro, {{"I9", 40, kkToru}, {"H7", 35, kkToru}});
    EXPECT_EQ(Search(nodes), ParsePoint("I9"));
    EXPECT_EQ(nodes, 0);
    // Worth 28 or less, it is read like any root.
    Table(kSnap, kKuro, {{"H7", 40, kkToru}, {"I9", 28, kkToru}});
    Search(nodes);
    EXPECT_GT(nodes, 0);
    EXPECT_EQ(Level, 0);
}

struct ChoiceCase {
    const char* what;
    std::vector<int> scores, lens, reasons;
    int want; // the root chosen, 1-based
};

TEST_F(SakiyomiTest, ChoiceAmongTheReadRoots)
{
    const ChoiceCase cases[] = {
        {"no answer to the first root, long lines elsewhere", {-10, 5, 8}, {1, 3, 4}, {5, 5, 5}, 1},
        {"another line of length 2", {-10, 5, 8}, {1, 2, 4}, {5, 5, 5}, 3},
        {"two roots without an answer", {-10, -9, 8}, {1, 1, 4}, {5, 5, 5}, 3},
        {"a capture 4 below the best", {10, 6}, {3, 3}, {5, 1}, 2},
        {"a capture 5 below the best", {10, 5}, {3, 3}, {5, 1}, 1},
        {"the best is a capture", {10, 8}, {3, 3}, {1, 1}, 1},
        {"the first capture decides", {10, 4, 3}, {3, 3, 3}, {5, 1, 1}, 1},
        {"a long best line against our quick top choice", {5, 9, 7}, {3, 7, 2}, {5, 5, 5}, 3},
        {"no short line among the others: the capture rule", {5, 9, 8}, {3, 7, 6}, {5, 5, 1}, 3},
        {"no short line and no capture: the best", {5, 9, 8}, {3, 7, 6}, {5, 5, 5}, 2},
        {"equal scores keep their order", {5, 7, 7}, {3, 3, 3}, {5, 5, 5}, 2},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const int n = static_cast<int>(c.scores.size());
        Arr<int, 1, kMaxSakiRoot> score{};
        SakiRoot = TSakiRootList{};
        for (int i = 1; i <= n; ++i) {
            SakiRoot.Pt[i] = Point(i, 1);
            SakiRoot.Len[i] = c.lens[i - 1];
            SakiRoot.Kind[i] = static_cast<std::uint8_t>(c.reasons[i - 1]);
            score[i] = c.scores[i - 1];
        }
        SakiRoot.Count = n;
        EXPECT_EQ(SakiyomiChoose(n, score), Point(c.want, 1));
    }
}

// The look-ahead comment read back as the comment reader of the main window
// reads it: "<" empties the buffer, "," ends x, ">" ends y and adds the move,
// "=" empties the buffer, a line feed ends the value, a carriage return is
// skipped.
struct TReadLine {
    std::vector<Point> moves;
    int value = 0;
};

std::vector<TReadLine> ReadLookAheadComment(const std::string& text)
{
    std::vector<TReadLine> lines(1);
    std::string buf;
    int x = 0;
    for (char ch : text) {
        if (ch == '<' || ch == '=') {
            buf.clear();
        } else if (ch == ',') {
            x = std::stoi(buf);
            buf.clear();
        } else if (ch == '>') {
            lines.back().moves.push_back(Point(x, std::stoi(buf)));
            buf.clear();
        } else if (ch == '\n') {
            lines.back().value = std::stoi(buf);
            buf.clear();
            lines.emplace_back();
        } else if (ch != '\r') {
            buf += ch;
        }
    }
    lines.pop_back();
    return lines;
}

TEST_F(SakiyomiTest, LinesBecomeTheMovesCommentAndReadBack)
{
    for (int colour : {kKuro, kSiro}) {
        SCOPED_TRACE(colour);
        ResetProgramState();
        PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
        SetupPosition(ReadDiagram(kFight), colour);
        ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
        Point out;
        ThinkMove(out);
        ASSERT_GE(SakiRoot.Count, 2);
        ASSERT_GT(ThinkYomiCount, 0);
        const std::string comment = GobanLv[0]->Tejun.GetComment(0);
        EXPECT_TRUE(IsSakiyomiComment(comment)) << comment;
        const std::vector<TReadLine> lines = ReadLookAheadComment(comment);
        ASSERT_EQ(static_cast<int>(lines.size()), SakiRoot.Count) << comment;
        for (int i = 1; i <= SakiRoot.Count; ++i) {
            const TReadLine& line = lines[i - 1];
            ASSERT_FALSE(line.moves.empty());
            EXPECT_EQ(line.moves[0], SakiRoot.Pt[i]);
            EXPECT_EQ(line.value, SakiRoot.Value[i]);
            EXPECT_LE(static_cast<int>(line.moves.size()), 3 + SettingYomiDeep());
            // Each line is a sequence of legal moves from the position, the
            // colours taking turns.
            TYomiTrial t;
            int c = colour;
            for (Point p : line.moves) {
                EXPECT_TRUE(t.Play(c, p)) << comment;
                c = Aite(c);
            }
        }
        bool chosen = false;
        for (int i = 1; i <= SakiRoot.Count; ++i)
            chosen = chosen || SakiRoot.Pt[i] == out;
        EXPECT_TRUE(chosen);
    }
}

TEST_F(SakiyomiTest, CommentsOfTheRecordAreKept)
{
    struct Case {
        const char* before;
        bool replaced;
    } cases[] = {
        {"", true},
        {"<3,4><5,6>-12\r\n<7,7>4\r\n", true},
        {"<3,4>=12\r\n", true},
        {"Black should cut here.", false},
        {"<3,4> looks good\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        ResetProgramState();
        PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
        SetupPosition(ReadDiagram(kFight), kKuro);
        TGoban& b0 = *GobanLv[0];
        // A record with a move and a comment on each.
        ASSERT_EQ(b0.Utu(1, 1), kUtuOk);
        ASSERT_EQ(b0.Utu(9, 9), kUtuOk);
        b0.Tejun.SetComment(1, "the first move");
        b0.Tejun.SetComment(2, c.before);
        ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
        Point out;
        ThinkMove(out);
        ASSERT_GT(ThinkYomiCount, 0);
        EXPECT_EQ(b0.Tejun.GetComment(1), "the first move");
        if (c.replaced) {
            EXPECT_NE(b0.Tejun.GetComment(2), c.before);
            EXPECT_TRUE(IsSakiyomiComment(b0.Tejun.GetComment(2)));
        } else {
            EXPECT_EQ(b0.Tejun.GetComment(2), c.before);
        }
    }
}

TEST_F(SakiyomiTest, LookAheadCommentsAreRecognised)
{
    EXPECT_TRUE(IsSakiyomiComment("<1,2>3\r\n"));
    EXPECT_TRUE(IsSakiyomiComment("<1,2><3,4>-5\r\n<6,7>=0\r\n"));
    EXPECT_TRUE(IsSakiyomiComment("<10,12>7\n"));
    // A record editor may drop the last line's end: the lines still read.
    EXPECT_TRUE(IsSakiyomiComment("<1,2>3"));
    EXPECT_TRUE(IsSakiyomiComment("<1,2>3\r\n<4,5>=-6"));
    for (const char* text : {"", "\r\n", "hello", "<1,2>\r\n", "<1,2>x\r\n", "<1>3\r\n", "<1,2>3\r\nmy note",
                             "3\r\n", "<1,2>3 4\r\n", "<a,b>3\r\n"})
        EXPECT_FALSE(IsSakiyomiComment(text)) << text;
}

// The game and the engine's view of it, as the overlays, the developer views
// and the next decision read them: board 0's analysis, the decision's maps
// and tables, the candidate table and the engine's colours.
std::string DecisionSignature()
{
    const TGoban& b = *GobanLv[0];
    std::ostringstream s;
    s << ChainSignature(b) << '|';
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const Point p(x, y);
            s << b.IsDeath(x, y) << b.GetKakeme(x, y) << b.GetDeathRenMark(x, y) << AreaMapBackup[x][y] << ','
              << AreaMapView[x][y];
            for (int c = kKuro; c <= kSiro; ++c)
                s << b.IsToruTen(c, x, y) << b.IsKinsi(c, x, y) << b.IsSelfAtari(c, x, y) << int(KiriMap[c][x][y])
                  << int(Kiri2Map[c][x][y]) << int(AtariMap[c][x][y]) << int(NozokiMap[c][x][y]);
            if (const TGun* g = b.GunList.GetGunAt(p))
                s << 'g' << g->GetIsiSu() << ',' << g->GetMe() << ',' << g->GetDeathLevel() << ',' << g->GetDeath() << ','
                  << g->GetSmai();
            s << ';';
        }
    s << '|' << b.PairCount();
    for (int i = 1; i <= b.PairCount(); ++i)
        s << ' ' << b.PairKind(i) << PointName(b.PairPointA(i)) << PointName(b.PairPointB(i)) << b.PairFlag(i);
    s << '|' << NozokiCount;
    for (int i = 1; i <= NozokiCount; ++i)
        s << ' ' << PointName(NozokiFrom[i]) << PointName(NozokiTo[i]);
    s << '|' << PointName(KouTen) << int(JibunIro) << int(AiteIro) << '|' << HyokaBaseValue << ',' << BigGunKuroBase
      << ',' << BigGunSiroBase << '|' << KohoBestValue << ',' << int(KohoBestKind) << ',' << KouKohoValue << ','
      << KouDateCount << '|' << CandidateList();
    return s.str();
}

TEST_F(SakiyomiTest, GameAndAnalysisAreAsBeforeTheSearch)
{
    const std::uint64_t seeds = kSanitized ? 8 : 24;
    const int atLeast = kSanitized ? 2 : 6;
    int searched = 0;
    for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        const int moves = 14 + static_cast<int>(seed % 4) * 6;
        // The same decision with the search and without it (no thinking
        // budget), from the same random state.
        std::string with, without;
        std::uint64_t boardWith = 0, boardWithout = 0;
        long long nodes = 0;
        for (bool search : {true, false}) {
            RandomPosition(9, moves, seed);
            PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
            ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
            TGoban& b0 = *GobanLv[0];
            b0.Tejun.SetComment(1, "a comment of the record");
            YomiTime = search ? 40 : 0;
            // The life-and-death reading is gated by the same clock: keep it
            // off in both runs, so that only the search differs.
            YomiSikatuMode = 0;
            RandSeed(seed);
            Point out;
            ThinkMove(out);
            ASSERT_EQ(Level, 0);
            ASSERT_EQ(b0.Tejun.Last(), moves);
            ASSERT_EQ(b0.Tejun.Current(), moves);
            EXPECT_EQ(b0.Tejun.GetComment(1), "a comment of the record");
            (search ? with : without) = DecisionSignature();
            (search ? boardWith : boardWithout) = BoardHash(b0);
            if (search)
                nodes = ThinkYomiCount;
        }
        searched += nodes > 0 ? 1 : 0;
        EXPECT_EQ(boardWith, boardWithout);
        EXPECT_EQ(with, without);
    }
    // Enough of the positions were searched.
    EXPECT_GE(searched, atLeast);
}

TEST_F(SakiyomiTest, RecordNearlyFullOrSteppedBackIsNotSearched)
{
    struct Case {
        const char* what;
        int passes;      // passes after the position (an odd number: Black to move)
        int stepsBack;   // moves then stepped back
        bool searched;
    } cases[] = {
        {"room for the longest line", 591, 0, true},
        {"599 moves", 599, 0, false},
        {"593 moves", 593, 0, false},
        {"stepped back two moves", 1, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
        SetupPosition(ReadDiagram(kFight), kSiro);
        TGoban& b0 = *GobanLv[0];
        for (int i = 0; i < c.passes; ++i)
            ASSERT_TRUE(b0.Pass());
        if (c.stepsBack > 0) {
            // Two moves far from the fight, then back to the position.
            ASSERT_EQ(b0.Utu(1, 9), kUtuOk);
            ASSERT_EQ(b0.Utu(9, 1), kUtuOk);
            for (int i = 0; i < c.stepsBack; ++i)
                b0.Modosu();
        }
        const int last = b0.Tejun.Last();
        const std::uint64_t before = BoardHash(b0);
        ThinkSources = TThinkSources{StagesAfterOpening, NoKoThreat};
        Point out;
        ThinkMove(out);
        EXPECT_EQ(ThinkYomiCount > 0, c.searched);
        EXPECT_EQ(b0.Tejun.Last(), last);
        EXPECT_EQ(BoardHash(b0), before);
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(SakiyomiTest, KoThreatOfTheStagedSearchStands)
{
    // A parked retake worth 99 and a threat at A9 that is no candidate.
    ResetProgramState();
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    SetupPosition(ReadDiagram(kFight), kKuro);
    ThinkSources = TThinkSources{[](int stage, Point& out) {
                                     StagesAfterOpening(stage, out);
                                     KouKohoValue = 99;
                                 },
                                 [](int, Point& out, int& value) {
                                     out = ParsePoint("A9");
                                     value = 98;
                                 }};
    Point out;
    ThinkMove(out);
    EXPECT_EQ(out, ParsePoint("A9"));
    EXPECT_EQ(ThinkYomiCount, 0);
}

} // namespace
} // namespace vorn::test

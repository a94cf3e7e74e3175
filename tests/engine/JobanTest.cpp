// The opening: edge lines, corner points and quadrants.
#include "Util.h"

#include <algorithm>
#include <set>

#include "board/Hooks.h"
#include "engine/Hyoka.h"
#include "engine/Joban.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class JobanTest : public VornTest {
protected:
    // A new game on an empty board; the dictionaries beside the program
    // when books is set, none otherwise.
    void NewGame(int size, bool books, int handicap = 0)
    {
        std::string d;
        for (int y = 0; y < size; ++y)
            d += std::string(static_cast<std::size_t>(size), '.') + "\n";
        SetBoard(d, handicap);
        if (!books)
            ExeDir = ::testing::TempDir() + "no-books/";
        JosekiOpenGame();
        JobanInit();
        GobanLv[0]->Analyze();
    }
    void Play(Point p)
    {
        const int colour = GobanLv[0]->Tejun.NextColor();
        ASSERT_EQ(GobanLv[0]->Utu(p.x, p.y), kUtuOk);
        GobanLv[0]->Analyze();
        JosekiFeed(p, colour);
        ZenbanFollow(p);
    }
    static Point Te()
    {
        Point p;
        JobanTe(p);
        return p;
    }
    // The first moves of the whole-board book, in every orientation.
    static std::set<std::pair<int, int>> BookFirstMoves()
    {
        std::set<std::pair<int, int>> s;
        ZenbanLjsk.ReadSiblings(1);
        for (int i = 0; i < ZenbanLjsk.Count(); ++i)
            for (int k = 0; k < 8; ++k) {
                int x = ZenbanLjsk.GetNode(i).X, y = ZenbanLjsk.GetNode(i).Y;
                if (k & 4)
                    std::swap(x, y);
                if (k & 1)
                    x = BoardSize + 1 - x;
                if (k & 2)
                    y = BoardSize + 1 - y;
                s.insert({x, y});
            }
        return s;
    }
};

TEST_F(JobanTest, EdgeLinesOfEachBoardSize)
{
    struct {
        int size, edge, line, pos;
        Point p;
    } const cases[] = {
        {19, 1, 3, 3, {3, 3}},   {19, 1, 4, 17, {17, 4}}, {19, 2, 2, 10, {2, 10}}, {19, 2, 6, 3, {6, 3}},
        {19, 3, 3, 5, {5, 17}},  {19, 3, 6, 17, {17, 14}}, {19, 4, 3, 5, {17, 5}}, {19, 4, 5, 12, {15, 12}},
        {13, 1, 4, 11, {11, 4}}, {13, 3, 2, 3, {3, 12}},  {13, 4, 6, 7, {8, 7}},   {9, 3, 3, 7, {7, 7}},
        {9, 4, 2, 3, {8, 3}},    {9, 2, 4, 5, {4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.size << " edge " << c.edge << " line " << c.line << " pos " << c.pos);
        BoardSize = c.size;
        JobanInit();
        EXPECT_EQ(EdgeLinePt[c.edge][c.line][c.pos], c.p);
        EXPECT_EQ(EdgeLineNo(c.p, c.edge), c.line);
    }
}

TEST_F(JobanTest, LinesUpAndDown)
{
    BoardSize = 19;
    JobanInit();
    Point q;
    EdgeLineUp(1, 3, Point(8, 3), q);
    EXPECT_EQ(q, Point(8, 4));
    EdgeLineUp(4, 4, Point(16, 9), q);
    EXPECT_EQ(q, Point(15, 9));
    EdgeLineShift(3, 5, Point(12, 15), q, 2);
    EXPECT_EQ(q, Point(12, 17));
    EdgeLineShift(2, 4, Point(4, 10), q, -2);
    EXPECT_EQ(q, Point(6, 10));
    // Line 2 is kept too: one line up from it is line 3.
    EdgeLineUp(1, 2, Point(8, 2), q);
    EXPECT_EQ(q, Point(8, 3));
    // Not on that line, a position out of the scanned range, or a line that
    // is not kept: no point.
    EdgeLineUp(1, 3, Point(8, 4), q);
    EXPECT_EQ(q.x, 0);
    EdgeLineUp(1, 3, Point(2, 3), q);
    EXPECT_EQ(q.x, 0);
    EdgeLineUp(1, 6, Point(8, 6), q);
    EXPECT_EQ(q.x, 0);
    EdgeLineShift(1, 2, Point(8, 2), q, 1);
    EXPECT_EQ(q.x, 0);
    EdgeLineUp(5, 3, Point(8, 3), q);
    EXPECT_EQ(q.x, 0);
    // A 9x9 board scans positions 3..7 only.
    BoardSize = 9;
    JobanInit();
    EdgeLineUp(1, 3, Point(7, 3), q);
    EXPECT_EQ(q, Point(7, 4));
    EdgeLineUp(1, 3, Point(8, 3), q);
    EXPECT_EQ(q.x, 0);
}

TEST_F(JobanTest, EdgeLinesOfTheSmallestBoardThatHasAPosition)
{
    // 19x19, then 9x9: the bottom edge's line-2 point of pos 3 is (3, 8),
    // of pos 7 (= N-2) (7, 8); the right edge's line-4 point of pos 3 is
    // (6, 3).  Pos 8 lies beyond N-2 and keeps the 19x19 entry (8, 18).
    BoardSize = 19;
    JobanInit();
    BoardSize = 9;
    JobanInit();
    EXPECT_EQ(EdgeLinePt[3][2][3], Point(3, 8));
    EXPECT_EQ(EdgeLinePt[3][2][7], Point(7, 8));
    EXPECT_EQ(EdgeLinePt[3][2][8], Point(8, 18));
    EXPECT_EQ(EdgeLinePt[4][4][3], Point(6, 3));
    // 4x4: positions 3..N-2 are none at all, so nothing is written and the
    // table keeps the 9x9 entries.
    BoardSize = 4;
    JobanInit();
    EXPECT_EQ(EdgeLinePt[3][2][3], Point(3, 8));
    EXPECT_EQ(EdgeLinePt[4][4][3], Point(6, 3));
    // 5x5: N-2 = 3, so pos 3 alone is written: bottom (pos, N+1-line),
    // right (N+1-line, pos).  Pos 4 lies beyond N-2 and keeps the 9x9 entry.
    BoardSize = 5;
    JobanInit();
    EXPECT_EQ(EdgeLinePt[3][2][3], Point(3, 4));
    EXPECT_EQ(EdgeLinePt[4][4][3], Point(2, 3));
    EXPECT_EQ(EdgeLinePt[1][5][3], Point(3, 5));
    EXPECT_EQ(EdgeLinePt[3][2][4], Point(4, 8));
}

TEST_F(JobanTest, CornerPointsAndQuadrants)
{
    BoardSize = 13;
    EXPECT_EQ(CornerHosi(3), Point(10, 10));
    EXPECT_EQ(CornerSansan(2), Point(11, 3));
    EXPECT_EQ(CornerHosi(5), Point());
    BoardSize = 9;
    EXPECT_EQ(CornerHosi(4), Point(4, 6));
    EXPECT_EQ(CornerSansan(3), Point(7, 7));
    EXPECT_EQ(CornerSansan(0), Point());

    // The 10th line belongs to two quadrants.
    EXPECT_TRUE(InCorner1(Point(10, 10)));
    EXPECT_TRUE(InCorner2(Point(10, 10)));
    EXPECT_TRUE(InCorner3(Point(10, 10)));
    EXPECT_TRUE(InCorner4(Point(10, 10)));
    EXPECT_TRUE(InCorner2(Point(3, 16)));
    EXPECT_FALSE(InCorner1(Point(3, 16)));
    EXPECT_TRUE(InCorner3(Point(16, 3)));
    EXPECT_FALSE(InCorner4(Point(16, 3)));
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST_F(JobanTest, FirstMovesComeFromTheBook)
{
    for (int size : {19, 9}) {
        for (std::uint64_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(::testing::Message() << size << " seed " << seed);
            NewGame(size, true);
            RandSeed(seed);
            const auto book = BookFirstMoves();
            ASSERT_FALSE(book.empty());
            const Point p = Te();
            EXPECT_TRUE(book.count({p.x, p.y})) << p.x << "," << p.y;
            // The book follows its own move, and answers the next one.
            Play(p);
            EXPECT_EQ(ZenbanOff, 0);
            const Point q = Te();
            EXPECT_NE(q, Point());
        }
    }
}

TEST_F(JobanTest, WithoutBooksTheFreeCornersAreTaken)
{
    struct {
        int size;
        std::set<std::pair<int, int>> points;
    } const cases[] = {
        {19, {{17, 3}, {3, 17}, {17, 17}, {3, 3}, {17, 4}, {3, 16}, {17, 16}, {3, 4}, {16, 3}, {4, 17}, {16, 17}, {4, 3}}},
        {13, {{11, 3}, {3, 11}, {11, 11}, {3, 3}, {11, 4}, {3, 10}, {11, 10}, {3, 4}, {10, 3}, {4, 11}, {10, 11}, {4, 3}}},
        {9, {{7, 3}, {3, 7}, {7, 7}, {3, 3}, {7, 4}, {3, 6}, {7, 6}, {3, 4}, {6, 3}, {4, 7}, {6, 7}, {4, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        NewGame(c.size, false);
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < 300; ++i) {
            const Point p = Te();
            seen.insert({p.x, p.y});
        }
        EXPECT_EQ(seen, c.points);
    }
    // A corner point next to a stone is not free.
    NewGame(9, false);
    Play(Point(4, 4));
    for (int i = 0; i < 100; ++i) {
        const Point p = Te();
        EXPECT_FALSE(p.x <= 5 && p.y <= 5) << p.x << "," << p.y;
    }
}

TEST_F(JobanTest, RandomFirstPointInContinuousGamesOnSmallBoards)
{
    RenzokuMode = 1;
    DevMode = 1;
    NewGame(9, false);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 400; ++i) {
        const Point p = Te();
        ASSERT_TRUE(p.x >= 3 && p.x <= 7 && p.y >= 3 && p.y <= 7);
        seen.insert({p.x, p.y});
    }
    EXPECT_EQ(seen.size(), 25u); // (5, 5) included, which no corner table holds
}

TEST_F(JobanTest, FixedAnswersAgainstAnotherProgram)
{
    VsComputerMode = 1;
    NewGame(19, true);
    EXPECT_EQ(Te(), Point(16, 4));

    struct {
        Point first, answer;
    } const cases[] = {
        {{4, 4}, {16, 16}},  {{16, 3}, {4, 16}}, {{15, 15}, {4, 4}}, {{3, 17}, {16, 4}}, {{10, 4}, {16, 16}},
        {{10, 16}, {4, 4}},  {{4, 10}, {16, 4}}, {{16, 10}, {4, 16}}, {{10, 10}, {4, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.first.x << "," << c.first.y);
        NewGame(19, true);
        Play(c.first);
        EXPECT_EQ(Te(), c.answer);
    }

    // Then the free star points, and the points between own stones.
    NewGame(19, true);
    Play(Point(16, 4));
    Play(Point(15, 16)); // next to the lower right star point
    EXPECT_EQ(Te(), Point(4, 4));
    Play(Point(4, 4));
    Play(Point(4, 16));
    EXPECT_EQ(Te(), Point(10, 4)); // between moves 1 and 3
    Play(Point(10, 4));
    EXPECT_EQ(Te(), Point(9, 16)); // between moves 2 and 4
    Play(Point(17, 10));
    Play(Point(3, 10));
    EXPECT_NE(Te(), Point()); // from move 7 on, the book or a free corner
}

TEST_F(JobanTest, AnOccupiedTablePointIsNotPlayed)
{
    // With two handicap stones the fixed first point holds a stone already.
    VsComputerMode = 1;
    NewGame(19, false, 2);
    GobanLv[0]->SetIro(16, 4, kKuro);
    GobanLv[0]->SetIro(4, 16, kKuro);
    GobanLv[0]->Analyze();
    for (int i = 0; i < 50; ++i) {
        const Point p = Te();
        ASSERT_NE(p, Point());
        EXPECT_EQ(GobanLv[0]->GetIroPt(p), kAki);
    }
}

// The stage-2 and stage-3 readers leave the game as they found it, on every
// board size and through a whole random game.
TEST_F(JobanTest, ReadersLeaveTheGameBoardAlone)
{
    for (int size : {19, 13, 9}) {
        SCOPED_TRACE(size);
        NewGame(size, true);
        RandSeed(static_cast<std::uint64_t>(size));
        TGoban& b = *GobanLv[0];
        for (int move = 0; move < 160; ++move) {
            const Point p = RandomMove(b);
            if (p.x == 0)
                break;
            Play(p);
            const std::string before = BoardDiagram(b);
            const int current = b.Tejun.Current();
            Point out(-1, -1);
            JobanKoho(out);
            JobanKoho2();
            JobanEdgeGaps();
            ASSERT_EQ(Level, 0);
            ASSERT_EQ(BoardDiagram(b), before);
            ASSERT_EQ(b.Tejun.Current(), current);
        }
    }
}

// --- Stage 2: the edge gaps ----------------------------------------------------

// A candidate: its point, value and bonus (-1: the evaluation decides).
struct TCand {
    Point p;
    int value;
    int bonus;
};

std::string Board19(const std::vector<std::pair<Point, int>>& stones)
{
    std::string d;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x) {
            char ch = '.';
            for (const auto& [p, c] : stones)
                if (p == Point(x, y))
                    ch = c == kKuro ? 'X' : 'O';
            d += ch;
        }
        d += '\n';
    }
    return d;
}

// The candidates a generator adds for `own` in the position of the stones.
std::vector<TCand> Proposals(const std::vector<std::pair<Point, int>>& stones, int own, void (*generator)())
{
    SetBoard(Board19(stones));
    JobanInit();
    GobanLv[0]->Analyze();
    JibunIro = static_cast<std::uint8_t>(own);
    AiteIro = static_cast<std::uint8_t>(Aite(own));
    HyokaBase();
    KohoClear();
    KohoKind = kkJoban;
    generator();
    EXPECT_EQ(Level, 0);
    std::vector<TCand> out;
    for (int i = 1; i <= KohoCount; ++i)
        out.push_back({Koho.Pt[i], Koho.Value[i], Koho.Bonus[i]});
    return out;
}

std::string Describe(const std::vector<TCand>& list)
{
    std::string s;
    for (const TCand& c : list)
        s += "(" + std::to_string(c.p.x) + "," + std::to_string(c.p.y) + ")=" + std::to_string(c.value) + "/"
             + std::to_string(c.bonus) + " ";
    return s;
}

// The same candidates, in any order; a bonus of -1 matches any.
bool SameCandidates(std::vector<TCand> got, const std::vector<TCand>& want)
{
    if (got.size() != want.size())
        return false;
    for (const TCand& w : want) {
        auto it = std::find_if(got.begin(), got.end(), [&](const TCand& g) {
            return g.p == w.p && g.value == w.value && (w.bonus < 0 || g.bonus == w.bonus);
        });
        if (it == got.end())
            return false;
        got.erase(it);
    }
    return true;
}

// Cases are written along the top edge (x the position, y the line) and run
// along all four edges.
Point ToEdge(Point p, int edge)
{
    switch (edge) {
    case 2: return Point(p.y, p.x);
    case 3: return Point(p.x, 20 - p.y);
    case 4: return Point(20 - p.y, p.x);
    default: return p;
    }
}

TEST_F(JobanTest, EdgeGapTable)
{
    constexpr int B = kKuro, W = kSiro;
    struct {
        const char* name;
        std::vector<std::pair<Point, int>> stones;
        std::vector<TCand> want;
        unsigned char vsComputer = 0;
    } const cases[] = {
        // Extensions between own stones, by gap size and line.
        {"own-own, 11 apart: the middle on line 3", {{{4, 3}, B}, {{16, 3}, B}}, {{{10, 3}, 25, 50}}},
        {"own-own, 11 apart, against a program", {{{4, 3}, B}, {{16, 3}, B}}, {{{10, 3}, 25, 51}}, 1},
        {"own-own, 12 apart: both middle points", {{{4, 3}, B}, {{17, 3}, B}}, {{{10, 3}, 25, 50}, {{11, 3}, 25, 50}}},
        {"own-own, 8 apart on line 3", {{{4, 3}, B}, {{13, 3}, B}}, {{{8, 3}, 25, 45}, {{9, 3}, 25, 45}}},
        {"own-own, 8 apart on line 4: played on line 3", {{{4, 4}, B}, {{13, 4}, B}}, {{{8, 3}, 25, 45}, {{9, 3}, 25, 45}}},
        {"own-own, 6 apart: played on line 4", {{{4, 3}, B}, {{11, 3}, B}}, {{{7, 4}, 25, 43}, {{8, 4}, 25, 43}}},
        {"own-own, 6 apart, one middle point crowded",
         {{{4, 3}, B}, {{11, 3}, B}, {{7, 5}, B}},
         {{{7, 3}, 25, 43}, {{8, 4}, 25, 43}}},
        {"own-own, 6 apart with a 4-4 stone: two from it on line 3", {{{4, 4}, B}, {{11, 3}, B}}, {{{6, 3}, 25, 44}}},
        {"own-own, 5 apart", {{{4, 3}, B}, {{10, 3}, B}}, {{{7, 4}, 25, 38}}},
        {"own-own, 5 apart with a 4-4 stone", {{{4, 4}, B}, {{10, 3}, B}}, {{{6, 3}, 25, 39}}},
        {"own-own, 4 apart: a small move", {{{4, 3}, B}, {{9, 3}, B}}, {{{6, 4}, 15, 0}, {{7, 4}, 15, 0}}},
        {"own-own, 3 apart: a small move", {{{4, 3}, B}, {{8, 3}, B}}, {{{6, 4}, 12, 0}}},
        {"own-own, 3 apart, the invasion leaves one weak: its extension",
         {{{4, 3}, B}, {{8, 3}, B}, {{9, 5}, W}},
         {{{11, 3}, 25, 23}, {{4, 5}, 25, 22}, {{6, 4}, 25, 17}}},
        {"own-own, 3 apart, one weak and its extension crowded: the jump",
         {{{4, 3}, B}, {{8, 3}, B}, {{10, 3}, W}},
         {{{8, 5}, 25, 23}, {{4, 5}, 25, 22}, {{6, 4}, 25, 17}}},
        // Invasions between opponent stones.
        {"opponent-opponent, 8 apart", {{{4, 3}, W}, {{13, 3}, W}}, {{{8, 3}, 25, 31}, {{9, 3}, 25, 31}}},
        {"opponent-opponent, 10 apart", {{{4, 3}, W}, {{15, 3}, W}}, {{{9, 3}, 25, 46}, {{10, 3}, 25, 46}}},
        {"opponent-opponent, 6 apart",
         {{{4, 3}, W}, {{11, 3}, W}},
         {{{7, 3}, 11, 0}, {{8, 3}, 11, 0}, {{6, 3}, 25, 9}, {{9, 3}, 25, 9}}},
        {"opponent-opponent, 4 apart on line 4", {{{4, 4}, W}, {{9, 4}, W}}, {{{6, 3}, 25, 5}, {{7, 3}, 25, 5}}},
        // Approaches and pincers between stones of both colours.
        {"own-opponent, 10 apart: the 10th line is worth one more",
         {{{4, 3}, B}, {{15, 3}, W}},
         {{{9, 3}, 25, 49}, {{10, 3}, 25, 50}}},
        {"own-opponent, 7 apart", {{{4, 3}, B}, {{12, 3}, W}}, {{{8, 3}, 25, 32}, {{9, 3}, 25, 32}}},
        {"own-opponent, 5 apart", {{{4, 3}, B}, {{10, 3}, W}}, {{{7, 3}, 25, 28}}},
        {"opponent-own, 10 apart", {{{4, 3}, W}, {{15, 3}, B}}, {{{9, 3}, 25, 50}, {{10, 3}, 25, 50}}},
        {"opponent-own, 7 apart", {{{4, 3}, W}, {{12, 3}, B}}, {{{7, 3}, 25, 34}, {{8, 3}, 25, 34}}},
        {"opponent-own, 5 apart, own stone capped: extend from it",
         {{{4, 3}, W}, {{10, 3}, B}, {{10, 5}, W}},
         {{{7, 3}, 25, 45}}},
        // Two or three apart: the slide under a 4th-line stone, or the block.
        {"narrow, engine under the 4-4 stone", {{{4, 4}, B}, {{7, 3}, W}}, {{{5, 3}, 25, -1}}},
        {"narrow, engine slides", {{{4, 4}, W}, {{7, 3}, B}}, {{{4, 2}, 25, -1}}},
        {"narrow, one colour: nothing", {{{4, 4}, B}, {{7, 3}, B}}, {}},
        {"narrow, both on one line: nothing", {{{4, 3}, B}, {{7, 3}, W}}, {}},
        // What the scan leaves alone.
        {"next to each other: nothing", {{{4, 3}, B}, {{5, 4}, W}}, {}},
        {"stones on line 5: nothing", {{{4, 5}, B}, {{16, 5}, B}}, {}},
        {"a stone two points from the corner: nothing", {{{2, 3}, B}, {{14, 3}, B}}, {}},
    };
    for (const auto& c : cases)
        for (int edge = 1; edge <= 4; ++edge) {
            SCOPED_TRACE(::testing::Message() << c.name << ", edge " << edge);
            VsComputerMode = c.vsComputer;
            std::vector<std::pair<Point, int>> stones;
            for (const auto& [p, colour] : c.stones)
                stones.push_back({ToEdge(p, edge), colour});
            std::vector<TCand> want;
            for (const TCand& w : c.want)
                want.push_back({ToEdge(w.p, edge), w.value, w.bonus});
            const std::vector<TCand> got = Proposals(stones, B, [] { JobanEdgeGaps(); });
            EXPECT_TRUE(SameCandidates(got, want)) << Describe(got);
        }
}

TEST_F(JobanTest, LargeKnightsMoveExtensionOnEveryEdge)
{
    // Black's K4 on the fourth line has two large knight's-move extensions
    // on line 3, G3 and N3. Between K4 and G3 the middle rows are the points
    // at positions 9 and 8; a White stone beside them on line 5 (H5) closes
    // that way, leaving N3; with White's M3 beside the other way's middle
    // rows too, there is none. The same on every edge.
    constexpr int B = kKuro, W = kSiro;
    const Point p(10, 4), far(10, 19);
    struct {
        const char* name;
        std::vector<std::pair<Point, int>> white;
        Point want;
    } const cases[] = {
        {"beside the middle rows toward G3", {{{8, 5}, W}}, Point(13, 3)},
        {"beside both ways' middle rows", {{{8, 5}, W}, {{12, 3}, W}}, Point()},
        {"beside the middle row nearer K4 toward N3", {{{11, 5}, W}}, Point(7, 3)},
    };
    for (const auto& c : cases)
        for (int edge = 1; edge <= 4; ++edge) {
            SCOPED_TRACE(::testing::Message() << c.name << ", edge " << edge);
            std::vector<std::pair<Point, int>> stones{{ToEdge(p, edge), B}};
            for (const auto& [q, colour] : c.white)
                stones.push_back({ToEdge(q, edge), colour});
            SetBoard(Board19(stones));
            GobanLv[0]->Analyze();
            const Point got = JobanHirakiFromStone(ToEdge(p, edge), ToEdge(far, edge));
            EXPECT_EQ(got, c.want.x == 0 ? Point() : ToEdge(c.want, edge));
        }
}

TEST_F(JobanTest, LargeKnightsMoveExtensionAwayFromTheNearSide)
{
    // Black's N16 on the fourth line with White's N17 under it, alone on the
    // board.  Of Black's related points, only the two large knight's moves
    // K17 and Q17 lie on line 3 (the two-space jumps stand on lines 1, 4 and
    // 7, the other large knight's moves on lines 1 and 7); both are reached
    // from N16, since nothing stands between.  The one within distance 10 of
    // the far point given is passed over; the other has its strip's middle
    // rows free of White and four empty neighbours.  The same on every edge.
    constexpr int B = kKuro, W = kSiro;
    const Point p(13, 4), under(13, 3);
    struct {
        Point far, want;
    } const cases[] = {
        {{10, 4}, {16, 3}}, // K17 is 1 from K16; Q17 is 6 + 1 = 22 away
        {{16, 4}, {10, 3}}, // Q17 is 1 from Q16; K17 is 22 away
    };
    for (const auto& c : cases)
        for (int edge = 1; edge <= 4; ++edge) {
            SCOPED_TRACE(::testing::Message() << "far " << c.far.x << "," << c.far.y << ", edge " << edge);
            SetBoard(Board19({{ToEdge(p, edge), B}, {ToEdge(under, edge), W}}));
            GobanLv[0]->Analyze();
            EXPECT_EQ(JobanHirakiFromStone(ToEdge(p, edge), ToEdge(c.far, edge)), ToEdge(c.want, edge));
        }
}

TEST_F(JobanTest, EdgeGapsRestAfter150Moves)
{
    NewGame(19, false);
    for (int i = 0; i < 75; ++i) {
        ASSERT_TRUE(GobanLv[0]->Pass());
        ASSERT_TRUE(GobanLv[0]->Pass());
    }
    for (auto [p, c] : {std::pair{Point(4, 3), kKuro}, std::pair{Point(16, 3), kKuro}})
        GobanLv[0]->SetIro(p.x, p.y, c);
    GobanLv[0]->Analyze();
    JibunIro = kKuro;
    AiteIro = kSiro;
    KohoClear();
    JobanEdgeGaps();
    EXPECT_EQ(KohoCount, 0);
    // One move less, and the stretch is proposed.
    GobanLv[0]->Matta();
    JobanEdgeGaps();
    EXPECT_EQ(KohoCount, 1);
}

// --- Stage 2: 3-3 invasion, centre point, lone stones --------------------------------

TEST_F(JobanTest, ThreeThreeInvasionUnderAStarPoint)
{
    const std::vector<std::pair<Point, int>> star{{{4, 4}, kKuro}};
    auto both = [] {
        Point out;
        JobanKoho(out);
    };
    // Invading the opponent's corner is a big point; reinforcing one's own a lesser one.
    const auto white = Proposals(star, kSiro, both);
    ASSERT_EQ(white.size(), 1u) << Describe(white);
    EXPECT_EQ(white[0].p, Point(3, 3));
    EXPECT_EQ(white[0].value, 25);
    EXPECT_EQ(Koho.Kind[1], kkJoban30);
    EXPECT_EQ(KohoKind, kkJoban); // the reason is put back
    const auto black = Proposals(star, kKuro, both);
    EXPECT_TRUE(SameCandidates(black, {{{3, 3}, 20, 0}})) << Describe(black);
    // With three stones of that side in view of the 3-3 point, it is a small move.
    const auto crowded = Proposals({{{4, 4}, kKuro}, {{1, 1}, kKuro}, {{1, 4}, kKuro}}, kSiro, both);
    EXPECT_TRUE(std::any_of(crowded.begin(), crowded.end(), [](const TCand& c) {
        return c.p == Point(3, 3) && c.value == 10 && c.bonus == 0;
    })) << Describe(crowded);
}

TEST_F(JobanTest, CentrePointBetweenThreeOwnSides)
{
    auto koho = [] {
        Point out;
        JobanKoho(out);
    };
    const std::vector<std::pair<Point, int>> sides{
        {{10, 4}, kKuro}, {{16, 4}, kKuro}, {{16, 10}, kKuro}, {{4, 16}, kSiro}};
    auto has = [](const std::vector<TCand>& list, Point p, int bonus) {
        for (const TCand& c : list)
            if (c.p == p && c.value == 25 && c.bonus == bonus)
                return true;
        return false;
    };
    EXPECT_TRUE(has(Proposals(sides, kKuro, koho), Point(10, 10), 49));
    // Not for the opponent of that side, and not once a stone is near the centre.
    EXPECT_FALSE(has(Proposals(sides, kSiro, koho), Point(10, 10), 49));
    auto near = sides;
    near.push_back({{12, 12}, kSiro});
    EXPECT_FALSE(has(Proposals(near, kKuro, koho), Point(10, 10), 49));
}

TEST_F(JobanTest, JumpFromALoneStone)
{
    auto koho = [] {
        Point out;
        JobanKoho(out);
    };
    const auto list = Proposals({{{10, 3}, kKuro}}, kSiro, koho);
    ASSERT_EQ(list.size(), 1u) << Describe(list);
    EXPECT_EQ(list[0].p, Point(10, 5));
    EXPECT_EQ(list[0].value, 25);
    EXPECT_LE(list[0].bonus, 40);
    // No room above the stone: nothing.
    EXPECT_TRUE(Proposals({{{10, 3}, kKuro}, {{11, 6}, kSiro}}, kSiro, koho).empty());
}

TEST_F(JobanTest, PointsBetweenStonesInTheCentre)
{
    const auto list = Proposals({{{10, 7}, kKuro}, {{7, 10}, kSiro}, {{13, 10}, kSiro}}, kKuro, [] { JobanKoho2(); });
    ASSERT_FALSE(list.empty());
    for (const TCand& c : list) {
        EXPECT_EQ(c.value, 25);
        EXPECT_EQ(c.bonus, 8); // one own stone, two opponent stones far apart
    }
    EXPECT_TRUE(std::any_of(list.begin(), list.end(), [](const TCand& c) { return c.p == Point(10, 10); }));
    EXPECT_EQ(Koho.Kind[1], kkJoban2);
    // Two own stones and one of the opponent's: one more.
    const auto mine = Proposals({{{10, 7}, kSiro}, {{7, 10}, kKuro}, {{13, 10}, kKuro}}, kKuro, [] { JobanKoho2(); });
    EXPECT_TRUE(std::any_of(mine.begin(), mine.end(), [](const TCand& c) { return c.p == Point(10, 10) && c.bonus == 9; }))
        << Describe(mine);
}

TEST_F(JobanTest, CapOfALoneStoneBetweenMoves60And100)
{
    auto cap = [this](int moves) {
        NewGame(19, false);
        TGoban& b = *GobanLv[0];
        // Moves far from the top: Black on rows 15 and 16, White on 18 and 19.
        for (int i = 0; i < moves / 2; ++i) {
            const int x = 1 + i % 19;
            EXPECT_EQ(b.Utu(x, i < 19 ? 16 : 15), kUtuOk);
            EXPECT_EQ(b.Utu(x, i < 19 ? 18 : 19), kUtuOk);
        }
        b.SetIro(10, 4, kSiro);
        b.Analyze();
        JibunIro = static_cast<std::uint8_t>(b.Tejun.NextColor());
        AiteIro = static_cast<std::uint8_t>(Aite(JibunIro));
        HyokaBase();
        KohoClear();
        JobanKoho2();
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == Point(10, 6))
                return true;
        return false;
    };
    EXPECT_FALSE(cap(58));
    EXPECT_TRUE(cap(60));
    EXPECT_TRUE(cap(70));
}

TEST_F(JobanTest, StageTwoSelectsAt220AndStandsDownInTheLookAhead)
{
    SetBoard(Board19({{{4, 3}, kKuro}, {{16, 3}, kKuro}}));
    JobanInit();
    GobanLv[0]->Analyze();
    JibunIro = kKuro;
    AiteIro = kSiro;
    HyokaBase();
    KohoClear();
    Point out;
    JobanKoho(out);
    EXPECT_EQ(out, Point(10, 3));
    EXPECT_EQ(KohoBestScore, 300);

    KohoClear();
    InSakiyomi = 1;
    out = Point(7, 7);
    JobanKoho(out);
    EXPECT_EQ(out, Point(7, 7));
    EXPECT_EQ(KohoCount, 0);
}

// --- The engine's first moves ---------------------------------------------------------

TEST_F(JobanTest, EngineOpensFromTheBook)
{
    for (int size : {19, 9}) {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(::testing::Message() << size << " seed " << seed);
            NewGame(size, true);
            const auto book = BookFirstMoves();
            RandSeed(seed);
            Point p;
            ThinkMove(p);
            EXPECT_TRUE(book.count({p.x, p.y})) << p.x << "," << p.y;
            // A few more moves of a game against itself, all legal and
            // followed by the books.
            for (int move = 0; move < 6 && p.x > 0; ++move) {
                Play(p);
                ThinkMove(p);
                ASSERT_GE(p.x, 0);
                EXPECT_EQ(Level, 0);
            }
            EXPECT_EQ(ZenbanCount > 0, true);
        }
    }
}

} // namespace
} // namespace vorn::test

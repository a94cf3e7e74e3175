// Following the whole-board and corner dictionaries: orientations, tenuki
// answers, marks, unsafe files and the board sizes the books serve.
#include "Util.h"

#include <fstream>
#include <map>
#include <set>
#include <string>

#include <unistd.h>

#include "board/Hooks.h"
#include "engine/Joseki.h"
#include "engine/JosekiBook.h"
#include "engine/JskNode.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

std::vector<TJskNode> Compile(int mode, const std::string& sgf)
{
    TJosekiBook book(mode);
    std::vector<std::string> errors;
    EXPECT_TRUE(book.ParseSgf(sgf, errors)) << (errors.empty() ? "" : errors[0]);
    return book.Compile();
}

// One of the eight symmetries of an n x n board.
Point Sym(Point p, int s, int n)
{
    if (s & 4)
        p = Point(p.y, p.x);
    if (s & 1)
        p.x = n + 1 - p.x;
    if (s & 2)
        p.y = n + 1 - p.y;
    return p;
}

Point Sgf(const char* s) { return Point(s[0] - 'a' + 1, s[1] - 'a' + 1); }

// The board point of corner-local point l in corner c, x and y exchanged
// first when flip is set (worked out here independently of the engine).
Point InCorner(Point l, int c, int flip)
{
    if (flip)
        l = Point(l.y, l.x);
    if (c == 2 || c == 3)
        l.x = 20 - l.x;
    if (c == 3 || c == 4)
        l.y = 20 - l.y;
    return l;
}

class JosekiTest : public VornTest {
protected:
    // Starts a game on an empty board of the given size with the books given.
    void Start(int size, const std::string& whole, const std::string& corner, int handicap = 0)
    {
        SetBoard(Empty(size), handicap);
        if (!whole.empty())
            ZenbanLjsk.OpenRecords(Compile(kJskWhole, whole), kJskWhole);
        if (!corner.empty())
            JosekiLjsk.OpenRecords(Compile(kJskCorner, corner), kJskCorner);
        JosekiStart();
        RandSeed(7);
    }
    static std::string Empty(int size)
    {
        std::string d;
        for (int y = 0; y < size; ++y)
            d += std::string(static_cast<std::size_t>(size), '.') + "\n";
        return d;
    }
    // Plays p for the side to move and feeds it as the main window does.
    void Play(Point p)
    {
        const int colour = GobanLv[0]->Tejun.NextColor();
        ASSERT_EQ(GobanLv[0]->Utu(p.x, p.y), kUtuOk) << p.x << "," << p.y;
        JosekiFeed(p, colour);
        ZenbanFollow(p);
    }
    Point Zenban()
    {
        Point p;
        ZenbanKoho(p);
        return p;
    }
    Point Te()
    {
        Point p;
        JosekiTe(p);
        return p;
    }
};

// --- Whole-board book --------------------------------------------------------

TEST_F(JosekiTest, WholeBoardLineFollowedInAllEightOrientations)
{
    // A 3-4 point first, so that each orientation of the line is a distinct game.
    const char* line[] = {"qd", "dp", "pq", "dd"};
    for (int s = 0; s < 8; ++s) {
        SCOPED_TRACE(s);
        Start(19, "(;SZ[19];B[qd];W[dp];B[pq];W[dd])", "");
        for (int i = 0; i < 3; ++i) {
            Play(Sym(Sgf(line[i]), s, 19));
            ASSERT_EQ(ZenbanOff, 0);
            EXPECT_EQ(ZenbanCount, i + 1);
        }
        EXPECT_EQ(Zenban(), Sym(Sgf(line[3]), s, 19));
    }
}

TEST_F(JosekiTest, WholeBoardMoveOutOfBookEndsFollowing)
{
    Start(19, "(;SZ[19];B[qd];W[dp];B[pq];W[dd])", "");
    Play(Sgf("qd"));
    Play(Sgf("dd")); // not in the book
    EXPECT_EQ(ZenbanOff, 1);
    EXPECT_EQ(Zenban(), Point());
    Play(Sgf("pq"));
    EXPECT_EQ(ZenbanCount, 1);
}

TEST_F(JosekiTest, NineByNineCentreOpeningOrientsOnTheSecondMove)
{
    for (int s = 0; s < 8; ++s) {
        SCOPED_TRACE(s);
        Start(9, "(;SZ[9];B[ee];W[cg];B[df])", "");
        EXPECT_EQ(Zenban(), Point(5, 5));
        Play(Point(5, 5));
        Play(Sym(Sgf("cg"), s, 9));
        ASSERT_EQ(ZenbanOff, 0);
        EXPECT_EQ(Zenban(), Sym(Sgf("df"), s, 9));
    }
}

TEST_F(JosekiTest, NineByNineFirstMoveIsTurnedAtRandom)
{
    Start(9, "(;SZ[9];B[cf])", "");
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 64; ++i) {
        const Point p = Zenban();
        seen.insert({p.x, p.y});
    }
    const std::set<std::pair<int, int>> images{{3, 6}, {7, 4}, {6, 3}, {4, 7}};
    EXPECT_EQ(seen, images);
}

TEST_F(JosekiTest, NoWholeBoardBookOn13OrWithHandicap)
{
    Start(13, "(;SZ[19];B[dd])", "(;SZ[19];B[dd];W[fc];B[cf])");
    EXPECT_EQ(Zenban(), Point());
    EXPECT_EQ(ZenbanOff, 1);

    Start(19, "(;SZ[19];B[dd])", "", 2);
    EXPECT_EQ(Zenban(), Point());
    EXPECT_EQ(ZenbanOff, 1);
}

TEST_F(JosekiTest, YieldedPointsAreChecked)
{
    // A book move on an occupied point is never proposed.
    Start(19, "(;SZ[19];B[qd];W[dp](;B[dd])(;B[pq]))", "(;SZ[19];B[cd];W[ec](;B[ed])(;B[dd]))");
    Play(Sgf("qd"));
    GobanLv[0]->SetIro(4, 4, kSiro);
    Play(Sgf("dp"));
    std::set<std::pair<int, int>> whole, corner;
    for (int i = 0; i < 40; ++i) {
        const Point p = Zenban();
        whole.insert({p.x, p.y});
    }
    Play(Sgf("cd"));
    Play(Sgf("ec"));
    for (int i = 0; i < 40; ++i) {
        const Point q = Te();
        corner.insert({q.x, q.y});
    }
    EXPECT_EQ(whole, (std::set<std::pair<int, int>>{{0, 0}, {16, 17}}));
    EXPECT_EQ(corner, (std::set<std::pair<int, int>>{{5, 4}}));
}

// --- Corner book ---------------------------------------------------------------

const char* kKomoku = "(;SZ[19];B[cd];W[ec];B[ed];W[fd];B[dd])";

TEST_F(JosekiTest, CornerLineFollowedInEveryCornerAndBothOrientations)
{
    const char* line[] = {"cd", "ec", "ed", "fd", "dd"};
    for (int c = 1; c <= 4; ++c)
        for (int flip = 0; flip <= 1; ++flip) {
            SCOPED_TRACE(c * 10 + flip);
            Start(19, "", kKomoku);
            auto board = [&](const char* s) { return InCorner(Sgf(s), c, flip); };
            for (int i = 0; i < 4; ++i)
                Play(board(line[i]));
            EXPECT_EQ(JosekiDepth[c], 4);
            EXPECT_EQ(JosekiOrientFixed[c], 1);
            EXPECT_EQ(JosekiFlip[c], flip);
            EXPECT_EQ(Te(), board(line[4]));
            EXPECT_EQ(JosekiFromCorner(Sgf("dd"), c), board("dd"));
            for (int other = 1; other <= 4; ++other) {
                if (other != c) {
                    EXPECT_EQ(JosekiDepth[other], 0);
                }
            }
        }
}

TEST_F(JosekiTest, CornerMoveOutOfBookEmptiesTheCorner)
{
    Start(19, "", kKomoku);
    Play(Sgf("cd"));
    Play(Sgf("dd")); // not in the book
    EXPECT_EQ(JosekiCacheCount[1], 0);
    EXPECT_EQ(Te(), Point());
    Play(Sgf("ec"));
    EXPECT_EQ(JosekiDepth[1], 2); // an empty corner no longer follows
}

TEST_F(JosekiTest, TenukiAnswersAreUsedWhenTheSameSidePlaysTwice)
{
    const std::string book = "(;SZ[19];B[dd](;W[];B[fc](;W[cf]))(;W[fc](;B[cf])(;B[];W[cf];B[ce])))";
    // Black 4-4, White elsewhere, Black encloses (written the other way round).
    Start(19, "", book);
    Play(Sgf("dd"));
    Play(Point(16, 16));
    EXPECT_EQ(JosekiDepth[3], 1); // the other corner follows White's 4-4
    Play(Sgf("cf"));
    EXPECT_EQ(JosekiDepth[1], 2);
    EXPECT_EQ(JosekiFlip[1], 1);
    EXPECT_EQ(JosekiCacheCount[1], 1); // White's approach after the enclosure

    // Black 4-4, White approaches, Black elsewhere, White approaches again.
    Start(19, "", book);
    Play(Sgf("dd"));
    Play(Sgf("fc"));
    EXPECT_EQ(JosekiTenukiCount[1], 1);
    Play(Point(16, 16));
    Play(Sgf("cf"));
    EXPECT_EQ(JosekiDepth[1], 3);
    ASSERT_EQ(JosekiCacheCount[1], 1);
    // Black to move: the corner expects Black, and its answer is proposed.
    EXPECT_EQ(Te(), Sgf("ce"));
}

TEST_F(JosekiTest, EveryContinuationCanBePicked)
{
    Start(19, "", "(;SZ[19];B[dd];W[fc](;B[cf])(;B[cg])(;B[df]))");
    Play(Sgf("dd"));
    Play(Sgf("fc"));
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 64; ++i) {
        const Point p = Te();
        seen.insert({p.x, p.y});
    }
    EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{3, 6}, {3, 7}, {4, 6}}));
    EXPECT_EQ(JosekiTeCount, 3);
}

TEST_F(JosekiTest, MarkedNodesAreFollowedButNeverPicked)
{
    Start(19, "(;SZ[19](;B[dd]JM[1];W[pp])(;B[pd]JM[1];W[dp]))",
          "(;SZ[19];B[dd];W[fc](;B[cf]JM[1];W[ic])(;B[cg]JM[1]))");
    EXPECT_EQ(Zenban(), Point());
    Play(Sgf("dd"));
    EXPECT_EQ(ZenbanOff, 0); // a marked move is still followed
    Play(Sgf("fc"));
    EXPECT_EQ(Te(), Point());
    EXPECT_EQ(JosekiCacheCount[1], 2);
    Play(Sgf("cf"));
    EXPECT_EQ(JosekiCacheCount[1], 1);
}

TEST_F(JosekiTest, RandomPickSeesTheFirstTwentyUnmarkedNodes)
{
    std::vector<TJskNode> recs(1);
    for (int i = 0; i < 25; ++i) {
        TJskNode n;
        n.X = static_cast<std::uint8_t>(1 + i % 19);
        n.Y = static_cast<std::uint8_t>(1 + i / 19);
        n.Mark = i == 0 ? 1 : 0;
        n.Next = i + 1 < 25 ? i + 2 : 0;
        recs.push_back(n);
    }
    TLjsk d;
    d.OpenRecords(recs, kJskWhole);
    ASSERT_EQ(d.ReadSiblings(1), 25);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 400; ++i) {
        Point p;
        d.RandomKoho(p);
        seen.insert({p.x, p.y});
    }
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_FALSE(seen.count({1, 1})); // marked
    EXPECT_TRUE(seen.count({2, 2}));  // node 21, the twentieth unmarked
    EXPECT_FALSE(seen.count({3, 2}));
}

TEST_F(JosekiTest, CornerBookServesOnly19x19)
{
    for (int size : {9, 13}) {
        Start(size, "", "(;SZ[19];B[cc];W[dd];B[dc])");
        EXPECT_EQ(JosekiOff, 1);
        Play(Point(3, 3));
        Play(Point(4, 4));
        EXPECT_EQ(JosekiLastPt, Point());
        EXPECT_EQ(Te(), Point());
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(JosekiCacheCount[c], 0);
    }
}

TEST_F(JosekiTest, HandicapStonesReachTheCornersAfterAnEarlierGameEnded)
{
    Start(19, "", "(;SZ[19];B[dd](;W[fc])(;W[];B[jd];W[];B[dj];W[cc]))");
    JosekiOff = 1; // left by the previous game
    Start(19, "", "(;SZ[19];B[dd](;W[fc])(;W[];B[jd];W[];B[dj];W[cc]))", 4);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(JosekiDepth[c], 1);
        EXPECT_EQ(JosekiNextIro[c], kSiro);
    }
    Start(19, "", "(;SZ[19];B[dd](;W[fc])(;W[];B[jd];W[];B[dj];W[cc]))", 9);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(JosekiDepth[c], 3) << c;
        ASSERT_EQ(JosekiCacheCount[c], 1);
        EXPECT_EQ(JosekiFromCorner(Point(3, 3), c), Sym(Point(3, 3), c == 1 ? 0 : c == 2 ? 1 : c == 3 ? 3 : 2, 19));
    }
}

// --- The 4-4 approach check ------------------------------------------------------

class JosekiKakariTest : public JosekiTest {
protected:
    // The marks of Black's answers after Black's 4-4 and White's low approach
    // in corner c, in orientation flip, with the stones given on the board
    // and the engine playing `own`.
    std::string Marks(int c, int flip, int own, const std::vector<std::pair<Point, int>>& stones)
    {
        Start(19, "", "(;SZ[19];B[dd];W[fc](;B[cf]JW[70])(;B[cg])(;B[jc]JM[1])(;B[hc]))");
        for (const auto& [p, colour] : stones)
            GobanLv[0]->SetIro(p.x, p.y, colour);
        JibunIro = static_cast<std::uint8_t>(own);
        Play(InCorner(Point(4, 4), c, flip));
        Play(InCorner(Point(6, 3), c, flip));
        std::string marks;
        for (int i = 0; i < JosekiCacheCount[c]; ++i) {
            const TJskNode& n = JosekiCache[c][i];
            marks += std::string{static_cast<char>('a' + n.X - 1), static_cast<char>('a' + n.Y - 1)} + "="
                     + std::to_string(n.Mark) + " ";
        }
        return marks;
    }
};

TEST_F(JosekiKakariTest, FarPincerWorksWithAnOwnStoneAtTheFarEnd)
{
    const std::string plain = "cf=0 cg=0 jc=1 hc=0 ";
    const std::string turned = "cf=1 cg=1 jc=0 hc=0 ";
    struct {
        const char* name;
        int c, flip, own;
        std::vector<std::pair<Point, int>> stones;
        std::string marks;
    } const cases[] = {
        {"no stone on the side", 1, 0, kKuro, {}, plain},
        {"own 3-4 point, 12 steps out on the approach's line", 1, 0, kKuro, {{{16, 3}, kKuro}}, turned},
        {"own 4-4 point, 12 steps out on the 4-4's line", 1, 0, kKuro, {{{16, 4}, kKuro}}, turned},
        {"own stone 13 steps out", 1, 0, kKuro, {{{17, 4}, kKuro}}, turned},
        {"own stone only 11 steps out", 1, 0, kKuro, {{{15, 3}, kKuro}}, plain},
        {"own stone on the 5th line", 1, 0, kKuro, {{{16, 5}, kKuro}}, plain},
        {"opponent stone at the far end", 1, 0, kKuro, {{{16, 4}, kSiro}}, plain},
        {"an opponent stone stands in between", 1, 0, kKuro, {{{12, 4}, kSiro}, {{16, 3}, kKuro}}, plain},
        {"the engine is the approaching side", 1, 0, kSiro, {{{16, 3}, kSiro}}, plain},
        {"approach from the other side", 1, 1, kKuro, {{{3, 16}, kKuro}}, turned},
        {"top right corner", 2, 0, kKuro, {{{4, 3}, kKuro}}, turned},
        {"bottom right corner, turned", 3, 1, kKuro, {{{17, 4}, kKuro}}, turned},
        {"bottom left corner", 4, 0, kKuro, {{{16, 17}, kKuro}}, turned},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(Marks(k.c, k.flip, k.own, k.stones), k.marks);
    }
    // With the marks turned, the far pincer is proposed and the knight's
    // moves are not.
    Marks(1, 0, kKuro, {{{16, 3}, kKuro}});
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 40; ++i) {
        const Point p = Te();
        seen.insert({p.x, p.y});
    }
    EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{10, 3}, {8, 3}}));
}

// --- Stage 2: every corner's continuations as candidates -----------------------------

class JosekiKohoTest : public JosekiTest {
protected:
    // The joseki candidates for the side to move: point -> bonus.
    std::map<std::pair<int, int>, int> Candidates()
    {
        GobanLv[0]->Analyze();
        JibunIro = static_cast<std::uint8_t>(GobanLv[0]->Tejun.NextColor());
        AiteIro = static_cast<std::uint8_t>(Aite(JibunIro));
        KohoClear();
        JosekiKoho();
        std::map<std::pair<int, int>, int> m;
        for (int i = 1; i <= KohoCount; ++i) {
            EXPECT_EQ(Koho.Kind[i], kkJoseki);
            EXPECT_EQ(Koho.Value[i], 25);
            m[{Koho.Pt[i].x, Koho.Pt[i].y}] = Koho.Bonus[i];
        }
        return m;
    }
};

TEST_F(JosekiKohoTest, ContinuationsOfEveryCornerWithTheirWeights)
{
    using M = std::map<std::pair<int, int>, int>;
    const std::string book = "(;SZ[19];B[dd](;W[fc]JW[70](;B[cf]JW[80])(;B[jc]JM[1])(;B[];W[cf]JW[40]))(;W[cc]JW[30]))";
    // Before any move every corner offers the first move, in both orientations
    // of a move off the diagonal.
    Start(19, "", "(;SZ[19](;B[dd]JW[50])(;B[cd]JW[20]))");
    M first = Candidates();
    EXPECT_EQ(first.size(), 12u);
    EXPECT_EQ((first[{4, 4}]), 25);
    EXPECT_EQ((first[{3, 4}]), 10);
    EXPECT_EQ((first[{4, 3}]), 10);
    EXPECT_EQ((first[{17, 16}]), 10);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(JosekiCornerFlag[c], 1);

    // White to answer Black's 4-4: both orientations of the open corner, two
    // more for the corner of the last move.
    Start(19, "", book);
    Play(Point(4, 4));
    M answers = Candidates();
    EXPECT_EQ((answers[{6, 3}]), 35);
    EXPECT_EQ((answers[{3, 6}]), 35);
    EXPECT_EQ((answers[{3, 3}]), 15);
    Play(Point(6, 3));
    M black = Candidates();
    EXPECT_EQ((black[{3, 6}]), 42); // 40 + 2 in the corner of the last move
    EXPECT_FALSE(black.count({10, 3})); // marked
    EXPECT_FALSE(black.count({6, 3}));

    // Black plays elsewhere: White's answers after the tenuki.
    Play(Point(16, 16));
    M white = Candidates();
    EXPECT_EQ((white[{3, 6}]), 20);
    EXPECT_FALSE(white.count({10, 3}));
    EXPECT_EQ(JosekiCornerFlag[1], 1);
}

TEST_F(JosekiKohoTest, SwitchesItselfOffWhenNothingIsLeft)
{
    Start(19, "", "(;SZ[19];B[dd];W[fc];B[cf])");
    Play(Point(4, 4));
    Play(Point(6, 3));
    Play(Point(3, 6));
    // The other three corners still offer the 4-4 point.
    EXPECT_EQ(Candidates().size(), 3u);
    EXPECT_EQ(JosekiOff, 0);
    // Moves off the book in the other three corners.
    Play(Point(15, 15));
    Play(Point(15, 5));
    Play(Point(5, 15));
    EXPECT_TRUE(Candidates().empty());
    EXPECT_EQ(JosekiOff, 1);

    // On 13x13 the corner book switches itself off at once.
    Start(13, "", "(;SZ[19];B[dd])");
    JosekiOff = 0;
    EXPECT_TRUE(Candidates().empty());
    EXPECT_EQ(JosekiOff, 1);
}

// --- Unsafe files --------------------------------------------------------------

std::string WriteBytes(const std::string& name, const std::vector<TJskNode>& recs, int extra = 0)
{
    // one file per process: several test runs may share the temporary folder
    const std::string path = ::testing::TempDir() + std::to_string(::getpid()) + '-' + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::uint8_t buf[kJskRecordSize];
    for (const TJskNode& n : recs) {
        JskEncode(n, buf);
        out.write(reinterpret_cast<const char*>(buf), kJskRecordSize);
    }
    for (int i = 0; i < extra; ++i)
        out.put(static_cast<char>(7));
    return path;
}

TEST_F(JosekiTest, MissingDictionaryReadsAsEmpty)
{
    ExeDir = ::testing::TempDir() + "no-such-directory/";
    BoardSize = 19;
    JosekiOpenGame();
    EXPECT_FALSE(ZenbanLjsk.IsOpen());
    EXPECT_FALSE(JosekiLjsk.IsOpen());
    EXPECT_EQ(Zenban(), Point());
    Play(Point(4, 4));
    Play(Point(6, 3));
    EXPECT_EQ(Te(), Point());
    JosekiKoho();
    EXPECT_EQ(JosekiOff, 1);
}

TEST_F(JosekiTest, MalformedFilesAreReadSafely)
{
    TLjsk d;
    // A partial record at the end is ignored.
    ASSERT_TRUE(d.Open(WriteBytes("partial.jsk", {Node(0, 0, 0, 0), Node(4, 4, 0, 0)}, 7), kJskWhole));
    EXPECT_EQ(d.RecordCount(), 2);
    EXPECT_EQ(d.ReadSiblings(1), 1);

    // A chain that runs back into itself is cut.
    ASSERT_TRUE(d.Open(WriteBytes("cycle.jsk", {Node(0, 0, 0, 0), Node(4, 4, 0, 2), Node(5, 5, 0, 1)}), kJskWhole));
    EXPECT_EQ(d.ReadSiblings(1), 2);

    // Record numbers beyond the file, negative ones, and record 0.
    ASSERT_TRUE(d.Open(WriteBytes("numbers.jsk", {Node(0, 0, 0, 0), Node(4, 4, 99, 2), Node(5, 5, -3, 1000)}),
                       kJskWhole));
    EXPECT_EQ(d.ReadSiblings(1), 2);
    EXPECT_EQ(d.FindChild(Point(5, 5)), 0);
    EXPECT_EQ(d.ReadSiblings(d.FindChild(Point(4, 4))), 0);
    EXPECT_EQ(d.ReadSiblings(-1), 0);
    EXPECT_EQ(d.ReadSiblings(0), 0);

    // A chain longer than 31 records is read as its first 31.
    std::vector<TJskNode> recs{Node(0, 0, 0, 0)};
    for (int i = 1; i <= 40; ++i)
        recs.push_back(Node(1 + i % 19, 1 + i / 19, 0, i < 40 ? i + 1 : 0));
    ASSERT_TRUE(d.Open(WriteBytes("long.jsk", recs), kJskWhole));
    EXPECT_EQ(d.ReadSiblings(1), kJskChain);

    // Following a game through the broken file never leaves the board.
    ZenbanLjsk.Open(WriteBytes("numbers.jsk", {Node(0, 0, 0, 0), Node(4, 4, 99, 2), Node(5, 5, -3, 1000)}),
                    kJskWhole);
    JosekiLjsk.Open(WriteBytes("corner.jsk", {Node(0, 0, 0, 0), Node(4, 4, 2, 0), Node(6, 3, 77, -1)}), kJskCorner);
    BoardSize = 19;
    JosekiStart();
    Play(Point(4, 4));
    Play(Point(6, 3));
    EXPECT_EQ(JosekiCacheCount[1], 0);
    EXPECT_EQ(Te(), Point());
}

// --- The dictionaries of the program ----------------------------------------------

TEST_F(JosekiTest, ProgramDictionariesOpenAndPropose)
{
    BoardSize = 19;
    JosekiOpenGame();
    ASSERT_TRUE(ZenbanLjsk.IsOpen());
    ASSERT_TRUE(JosekiLjsk.IsOpen());
    EXPECT_GT(JosekiCacheCount[1], 0);
    RandSeed(3);
    const Point first = Zenban();
    EXPECT_NE(first, Point());

    BoardSize = 9;
    SetBoard(Empty(9));
    JosekiOpenGame();
    ASSERT_TRUE(ZenbanLjsk.IsOpen());
    EXPECT_EQ(JosekiOff, 1);
    RandSeed(3);
    EXPECT_NE(Zenban(), Point());

    BoardSize = 13;
    SetBoard(Empty(13));
    JosekiOpenGame();
    EXPECT_FALSE(ZenbanLjsk.IsOpen());
    EXPECT_EQ(Zenban(), Point());
}

} // namespace
} // namespace vorn::test

// Ladder and net reading: known positions with their statuses and capturing
// sequences, the limits of the reader, the board left as it was found, and
// GNU Go's ladder reading as an independent reference.
#include "GnuGo.h"
#include "Util.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

#include "board/Diagram.h"
#include "board/Sicho.h"
#include "board/Yomi.h"

namespace vorn::test {
namespace {

class SichoTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
    TRen* At(Point p) { return CurGoban().RenList.RenAtPt(p); }
    static std::vector<Point> Seq(TRen* r)
    {
        std::vector<Point> s;
        for (int i = 1; i <= r->SichoCount(); ++i)
            s.push_back(r->SichoTe(i));
        return s;
    }
};

// A plain ladder on an empty board: White at (5,5) with two liberties.
const char* const kPlainLadder = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . X O . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same with a white stone on each of the two ladder paths.
const char* const kBrokenLadder = R"(
    . . . . . . . . .
    . . . . . . . O .
    . . . . . . . . .
    . . . . X . . . .
    . . . X O . . . .
    . . . . . X . . .
    . . . . . . . . .
    . O . . . . . . .
    . . . . . . . . .)";

TEST_F(SichoTest, PlainLadderIsCaughtStartingWithTheAtari)
{
    SetBoard(kPlainLadder);
    const Point w(5, 5);
    EXPECT_EQ(SichoCheck(w), 1);
    EXPECT_EQ(Level, 0);
    TRen* r = At(w);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->SichoStatus(), kSichoToreru);
    const std::vector<Point> s = Seq(r);
    ASSERT_GE(s.size(), 3u);
    // Black's atari from the right drives White to the lower left corner.
    EXPECT_EQ(s.front(), Point(6, 5));
    EXPECT_EQ(s[1], Point(5, 6));
    EXPECT_EQ(s.back(), Point(1, 9));

    // Replaying the line, Black first, captures the chain with the last move.
    int c = kKuro;
    for (const Point& p : s) {
        ASSERT_TRUE(YomiUtu(c, p)) << p.x << "," << p.y;
        c = Aite(c);
    }
    EXPECT_EQ(CurGoban().GetIroPt(w), kAki);
    for (std::size_t i = 0; i < s.size(); ++i)
        YomiModosu();
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(b0().GetIroPt(w), kSiro);
}

TEST_F(SichoTest, LadderBreakerLetsTheChainEscape)
{
    SetBoard(kBrokenLadder);
    const Point w(5, 5);
    EXPECT_EQ(SichoCheck(w), 0);
    TRen* r = At(w);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->SichoStatus(), kSichoNigeru);
    const std::vector<Point> s = Seq(r);
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s.front(), Point(6, 5));
    // The line ends with White's escaping reply: after the attacker's last
    // try and that reply, the chain has three liberties.
    int c = kKuro;
    for (const Point& p : s) {
        ASSERT_TRUE(YomiUtu(c, p));
        c = Aite(c);
    }
    CurGoban().RenMake();
    ASSERT_NE(At(w), nullptr);
    EXPECT_GE(At(w)->Kuu(), 3);
    for (std::size_t i = 0; i < s.size(); ++i)
        YomiModosu();
    EXPECT_EQ(Level, 0);
}

TEST_F(SichoTest, StatusIsReadOnFirstUseAndKept)
{
    SetBoard(kPlainLadder);
    TRen* r = At(Point(5, 5));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->SichoStatus(), kSichoUnread);
    EXPECT_EQ(r->GetSicho(), kSichoToreru);
    EXPECT_EQ(r->SichoTe(1), Point(6, 5));

    // A chain of the game board is not read while a look-ahead level is
    // current: its status stays unread and the level is untouched.
    SetBoard(kPlainLadder);
    r = At(Point(5, 5));
    ASSERT_TRUE(YomiUtu(kKuro, Point(1, 1)));
    const std::uint64_t h = StackHash();
    EXPECT_EQ(r->GetSicho(), kSichoUnread);
    EXPECT_EQ(StackHash(), h);
    YomiModosu();
    EXPECT_EQ(r->GetSicho(), kSichoToreru);
}

TEST_F(SichoTest, DefenderCapturesAnAttackerChainInAtariFirst)
{
    // Black's (5,4) is in atari at (6,4): whichever atari Black gives, White's
    // first reply captures it and White escapes.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . O X . . . .
        . . . X O . . . .
        . . . . . X . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const Point w(5, 5);
    // The reply list after Black's atari at (6,5): the capture, then the liberty.
    ASSERT_TRUE(YomiUtuRebuild(kKuro, Point(6, 5)));
    Arr<Point, 1, 4> list;
    ASSERT_EQ(SichoNigeList(w, list), 2);
    EXPECT_EQ(list[1], Point(6, 4));
    EXPECT_EQ(list[2], Point(5, 6));
    YomiModosu();
    ASSERT_EQ(Level, 0);

    // The capture leaves White with two liberties; the ladder goes on and fails.
    EXPECT_EQ(SichoCheck(w), 0);
    const std::vector<Point> s = Seq(At(w));
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s[0], Point(6, 5));
    EXPECT_EQ(s[1], Point(6, 4));
}

TEST_F(SichoTest, AtariStoneThatIsItselfInAtariIsCaptured)
{
    // Both of Black's ataris, (6,5) and (5,6), would stand in atari
    // themselves: White takes the atari stone and escapes.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . X O . O . .
        . . . O . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const Point w(5, 5);
    EXPECT_EQ(SichoCheck(w), 0);
    EXPECT_EQ(At(w)->SichoStatus(), kSichoNigeru);
    // Black tries the atari from the right first (the other one would also
    // push White into its own dead end at (5,6)); White's first reply takes it.
    const std::vector<Point> s = Seq(At(w));
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s[0], Point(6, 5));
    EXPECT_EQ(s[1], Point(6, 4));
}

TEST_F(SichoTest, SecondLineLadderAgainstTheEdge)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X . . . . . .
        . X O . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(SichoCheck(Point(3, 8)), 1);
    // Atari from above drives White onto the first line, where it dies.
    const std::vector<Point> s = Seq(At(Point(3, 8)));
    const std::vector<Point> want{{4, 8}, {3, 9}, {4, 9}, {2, 9}, {1, 9}};
    EXPECT_EQ(s, want);
}

TEST_F(SichoTest, DeadEndLibertyIsAttackedFromTheOtherSide)
{
    // White's (9,1) corner point is a dead end: Black ataris at (9,3) and the
    // extension into the corner dies at once.
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . X O
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(SichoCheck(Point(9, 2)), 1);
    const std::vector<Point> want{{9, 3}, {9, 1}, {8, 1}};
    EXPECT_EQ(Seq(At(Point(9, 2))), want);
}

TEST_F(SichoTest, ChainsInAtari)
{
    // (2,1) may not extend into (1,1): that is suicide.  (7,5) extends to
    // (7,6) and runs.  (7,8) extends to (6,8) into a ladder along the edge.
    SetBoard(R"(
        . O X . . . . . .
        X X . . . . . . .
        . . . . . . . . .
        . . . . . . X . .
        . . . . . X O X .
        . . . . . . . . .
        . . . . . . . X .
        . . . . . . . O X
        . . . . . . X X .)");
    const Point forbidden(2, 1), runs(7, 5), dies(8, 8);
    EXPECT_EQ(SichoAtariCheck(forbidden), 1);
    EXPECT_EQ(At(forbidden)->SichoStatus(), kSichoToreru);
    EXPECT_EQ(At(forbidden)->SichoCount(), 0);
    EXPECT_EQ(At(forbidden)->SichoTe(1), Point(1, 1)); // past the end: the liberty

    EXPECT_EQ(SichoAtariCheck(runs), 0);
    EXPECT_EQ(At(runs)->SichoStatus(), kSichoNigeru);
    EXPECT_EQ(At(runs)->SichoTe(1), Point(7, 6));

    // The extension at (8,8)'s liberty leaves two liberties and the ladder.
    EXPECT_EQ(SichoAtariCheck(dies), 1);
    EXPECT_EQ(At(dies)->SichoStatus(), kSichoToreru);
    EXPECT_EQ(At(dies)->SichoTe(1), Point(7, 8));
    EXPECT_EQ(Level, 0);
}

// White's (2,1) in atari on a point it may not play, Black's (3,1) with two
// liberties that runs, and the plain ladder of White's (5,5).
const char* const kMixed = R"(
    . O X . . . . . .
    X X . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . X O . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST_F(SichoTest, SichoAllReadsChainsWithOneOrTwoLiberties)
{
    SetBoard(kMixed);
    SichoAll();
    EXPECT_EQ(At(Point(2, 1))->SichoStatus(), kSichoToreru); // atari, forbidden liberty
    EXPECT_EQ(At(Point(5, 5))->SichoStatus(), kSichoToreru); // ladder
    EXPECT_EQ(At(Point(3, 1))->SichoStatus(), kSichoNigeru); // two liberties, runs
    EXPECT_EQ(At(Point(5, 4))->SichoStatus(), kSichoUnread);  // three liberties
    EXPECT_EQ(SichoKind, 1); // the last two-liberty chain read, (5,5), is a ladder
    EXPECT_EQ(Level, 0);
}

TEST_F(SichoTest, LadderLongerThanTheLimitEscapes)
{
    SetBoard(kPlainLadder);
    // A level whose record already holds more moves than the ladder reads.
    ASSERT_TRUE(YomiPush());
    TGoban& b = CurGoban();
    b.RenMake();
    for (int i = 0; i <= kMaxSichoYomi; ++i)
        ASSERT_TRUE(b.Pass());
    RenSabun = 1;
    EXPECT_EQ(SichoYomi(Point(5, 5)), 0);
    RenSabun = 0;
    for (int i = 0; i <= kMaxSichoYomi; ++i)
        b.Matta();
    Level = 0;
}

// Plays a stored ladder line from board 0, the attacker first, and answers
// whether the chain at p is gone at the end; every move is taken back.  A
// defender's reply that the board refuses (a suicide) stands in the line
// as the reply tried: it is passed over.
bool LineCaptures(const std::vector<Point>& line, Point p)
{
    const int def = GobanLv[0]->GetIroPt(p);
    int c = Aite(def), played = 0;
    bool ok = true;
    for (const Point& q : line) {
        if (YomiUtu(c, q))
            ++played;
        else if (c == Aite(def))
            ok = false; // the attacker's own move must be playable
        c = Aite(c);
    }
    ok = ok && CurGoban().GetIroPt(p) == kAki;
    for (; played > 0; --played)
        YomiModosu();
    return ok;
}

// Positions of seeded games where the attacker's first try fails and the
// other liberty catches the chain: the line starts with the one that
// catches.  Played, that first move leaves the chain caught.
TEST_F(SichoTest, CaughtLineStartsWithTheTryThatCatches)
{
    struct TCase {
        const char* diagram;
        Point chain;
        std::vector<Point> line;
    };
    const TCase cases[] = {
        {R"(
            . X X . . . . . .
            X X X O O X . . .
            O . . . . . . X X
            . X . . . O X O .
            O . O . . . . O .
            . O . O X . . . .
            . . . . X . . . .
            X . . . O X . . .
            O . . . O . . . .)",
         {1, 8}, {{2, 8}, {2, 9}, {1, 7}, {1, 9}, {3, 9}}},
        {R"(
            X O . . X . . . .
            . . . . . X . X X
            O . O . . O . . .
            . . . O . . . X .
            X . . X . . . O .
            . X . . X . . O X
            . X . . O . . O .
            . . . . . . . . .
            O O . . O X . O X)",
         {2, 1}, {{2, 2}, {1, 2}, {3, 1}, {1, 1}, {2, 3}, {1, 4}, {2, 4}}},
        {R"(
            . . . X X X . . O
            . X . X O O . . X
            O X O . . . . . .
            . . X . . . . O O
            X . X X . . X . .
            X O O O X X O O .
            . O X . O . . X O
            . X X O . X O O O
            O . . . . . . . .)",
         {9, 2}, {{8, 2}, {8, 1}, {9, 3}, {9, 1}, {7, 1}}},
        {R"(
            X X X O X O X . O
            . . O . X O X . .
            . X . X O O X X O
            X . O O O . O X .
            X . . X . . O O O
            . X O X O . X O .
            X O O . O X X . X
            X O O X X . . . O
            . X O . . X O O .)",
         {1, 1}, {{2, 2}, {4, 2}, {1, 2}, {4, 1}, {3, 3}}},
    };
    for (const TCase& c : cases) {
        SetBoard(c.diagram);
        ASSERT_EQ(SichoCheck(c.chain), 1) << c.diagram;
        EXPECT_EQ(Seq(At(c.chain)), c.line) << c.diagram;
        EXPECT_TRUE(LineCaptures(c.line, c.chain)) << c.diagram;
        // The first move played, the chain in atari is still caught.
        ASSERT_TRUE(YomiUtuRebuild(Aite(b0().GetIroPt(c.chain)), c.line.front()));
        EXPECT_EQ(SichoAtariCheck(c.chain), 1) << c.diagram;
        YomiModosu();
        EXPECT_EQ(Level, 0);
    }
}

TEST_F(SichoTest, RefusedLastReplyEndsTheLineWithTheCapture)
{
    // Black's atari at (3,9) leaves White only (1,9), a suicide: the line is
    // the atari, the reply tried and the capture there, whatever an earlier
    // reading left behind.
    const char* const corner = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        X X . . . . . . .
        . O . . . . . . .)";
    const std::vector<Point> want{{3, 9}, {1, 9}, {1, 9}};
    for (bool earlier : {false, true}) {
        SetBoard(corner);
        if (earlier) {
            SichoToruPt = Point(5, 5);
            SichoYomiTejun.Fill(Point(7, 7));
        } else {
            SichoReset();
        }
        EXPECT_EQ(SichoCheck(Point(2, 9)), 1);
        EXPECT_EQ(Seq(At(Point(2, 9))), want) << "after an earlier reading: " << earlier;
    }
}

// Every chain with one or two liberties of seeded games: its stored line is
// the same after a fresh start and after readings of other chains and
// positions left their traces, and a caught chain's line captures it.
TEST_F(SichoTest, StoredLineDependsOnTheReadingAlone)
{
    int caught = 0;
    for (int size : {9, 13}) {
        for (int seed = 1; seed <= 40; ++seed) {
            RandomPosition(size, size * size / 2, 9100 * size + seed);
            TGoban& b = b0();
            b.RenMake();
            std::vector<Point> stones;
            for (int n = 1; n <= b.RenList.Count(); ++n)
                if (TRen* r = b.RenList.Items(n); r != nullptr && r->Kuu() <= 2)
                    stones.push_back(r->GetIsi(1));
            auto readAll = [&](bool reverse) {
                std::vector<std::vector<Point>> out(stones.size());
                for (std::size_t k = 0; k < stones.size(); ++k) {
                    const std::size_t i = reverse ? stones.size() - 1 - k : k;
                    const Point p = stones[i];
                    if (!reverse)
                        SichoReset();
                    const std::uint8_t r = At(p)->Kuu() == 2 ? SichoCheck(p) : SichoAtariCheck(p);
                    out[i] = Seq(At(p));
                    out[i].push_back(Point(r, 0));
                }
                return out;
            };
            const auto fresh = readAll(false);
            // The levels above hold another position with its analysis.
            for (int lv = 1; lv <= 3; ++lv) {
                TGoban& g = *GobanLv[lv];
                g.CopyBan(b);
                for (int x = 1; x <= size; ++x)
                    for (int y = 1; y <= size; ++y)
                        if (g.GetIro(x, y) == kAki && (x * 7 + y * 3 + lv) % 5 == 0)
                            g.SetIro(x, y, (x + y) % 2 ? kKuro : kSiro);
                Level = lv;
                g.RenList.Rebuild();
                g.Analyze();
                Level = 0;
            }
            const auto after = readAll(true);
            for (std::size_t i = 0; i < stones.size(); ++i) {
                ASSERT_EQ(fresh[i], after[i]) << "size " << size << " seed " << seed << " chain " << stones[i].x
                                              << "," << stones[i].y << "\n" << BoardDiagram(b);
                const Point p = stones[i];
                if (fresh[i].back().x != 1 || At(p)->Kuu() != 2)
                    continue;
                ++caught;
                std::vector<Point> line(fresh[i].begin(), fresh[i].end() - 1);
                ASSERT_TRUE(LineCaptures(line, p)) << "size " << size << " seed " << seed << " chain " << p.x << ","
                                                   << p.y << "\n" << BoardDiagram(b);
            }
        }
    }
    EXPECT_GT(caught, 100);
}

// ---------------------------------------------------------------------------
// Nets

// The net at (6,6): both extensions of White's (5,5) are caught.  GNU Go's
// attack finds the same move.
const char* const kNet = R"(
    . . . . . . . . .
    . . O . . . . . .
    . . . . X . . . .
    . . . . X X . O .
    . . . X O . . . .
    . . . X . . O . .
    . . . O . . . X .
    . . . . . . . X .
    . . . . . . . . .)";

TEST_F(SichoTest, ClassicNet)
{
    SetBoard(kNet);
    const Point w(5, 5);
    EXPECT_EQ(SichoCheck(w), 0); // no ladder
    EXPECT_EQ(SichoCheck2(w), 1);
    EXPECT_EQ(SichoKind, 2);
    TRen* r = At(w);
    EXPECT_EQ(r->SichoStatus(), kSichoGeta);
    const std::vector<Point> want{{6, 6}};
    EXPECT_EQ(Seq(r), want);
    EXPECT_EQ(Level, 0);

    // The net reading alone, as the capture generators use it.
    GetaClear();
    EXPECT_EQ(GetaYomi(w), 1);
    Point t;
    GetaFirstTe(t);
    EXPECT_EQ(t, Point(6, 6));
    GetaClear();
    GetaFirstTe(t);
    EXPECT_EQ(t, Point());
}

TEST_F(SichoTest, AtariThenNet)
{
    // White's (7,4) cannot be netted at once; Black's atari at (7,3) forces
    // (7,5), and the net at (6,6) then catches the chain.
    SetBoard(R"(
        . . . . . . . . .
        . O . . X . . . .
        . . O . . . . . .
        . O . . . X O X .
        . . O . . . . X .
        . . X O . . . X .
        . . . O . . . . .
        . . . . X O . . .
        . . . . . . . . .)");
    const Point w(7, 4);
    EXPECT_EQ(SichoCheck2(w), 1);
    TRen* r = At(w);
    EXPECT_EQ(r->SichoStatus(), kSichoAtariGeta);
    const std::vector<Point> want{{7, 3}, {7, 5}, {6, 6}};
    EXPECT_EQ(Seq(r), want);
}

TEST_F(SichoTest, SqueezeWhenOnlyOneExtensionIsCaught)
{
    // The net at (4,4): White's extension at (5,4) is caught, the one at
    // (4,5) runs out to (3,5).
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . O . . .
        . . . . . X . . .
        . . . . O X . X .
        . . . . X . . . .
        . . . . . . . . .
        . . X . . . X O .
        . . . . . . . . .)");
    const Point w(5, 5);
    EXPECT_EQ(SichoCheck2(w), 0);
    EXPECT_EQ(SichoKind, 4);
    TRen* r = At(w);
    EXPECT_EQ(r->SichoStatus(), kSichoSiboru);
    const std::vector<Point> want{{4, 4}, {4, 5}, {3, 5}};
    EXPECT_EQ(Seq(r), want);

    // A net reading that finds no squeeze does not report an old one.
    SetBoard(kPlainLadder);
    SiboruFlag = 1;
    EXPECT_EQ(GetaCheck(Point(4, 5)), 0);
    EXPECT_EQ(SiboruFlag, 0);
}

TEST_F(SichoTest, NoNetNextToAnAttackerChainInAtari)
{
    // The net shape of kNet, but Black's (5,4) group is in atari: White
    // captures first, so no net is read.
    SetBoard(R"(
        . . . . . . . . .
        . . O . O . . . .
        . . . O X O . . .
        . . . O X X O O .
        . . . X O . . . .
        . . . X . . O . .
        . . . O . . . X .
        . . . . . . . X .
        . . . . . . . . .)");
    ASSERT_EQ(At(Point(5, 4))->Kuu(), 1);
    GetaCount = 7;
    EXPECT_EQ(GetaCheck(Point(5, 5)), 0);
    EXPECT_EQ(GetaCount, 7); // nothing was read
}

// ---------------------------------------------------------------------------
// Special readings

// White's chain crawls along the first line under Black's wall.
const char* const kCrawl = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . X X . . . . . .
    . X O O . . . . .)";

// The eight symmetries of a square diagram.
std::string Transform(const std::string& diagram, int t)
{
    const TDiagram d = ReadDiagram(diagram);
    const int n = d.size;
    std::string out;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            int sx = (t & 1) ? n - 1 - x : x, sy = (t & 2) ? n - 1 - y : y;
            if (t & 4)
                std::swap(sx, sy);
            out += ".XO"[d.iro[sx + 1][sy + 1]];
        }
        out += '\n';
    }
    return out;
}

Point TransformPt(Point p, int t, int n)
{
    // The inverse of Transform's lookup: where the source point lands.
    int x = p.x - 1, y = p.y - 1;
    if (t & 4)
        std::swap(x, y);
    if (t & 1)
        x = n - 1 - x;
    if (t & 2)
        y = n - 1 - y;
    return Point(x + 1, y + 1);
}

TEST_F(SichoTest, FirstLineCrawlIsCaughtOnEveryEdge)
{
    for (int t = 0; t < 8; ++t) {
        SetBoard(Transform(kCrawl, t));
        const Point w = TransformPt(Point(3, 9), t, 9);
        ASSERT_EQ(b0().GetIroPt(w), kSiro) << t;
        EXPECT_EQ(HenYomi(w), 1) << "symmetry " << t << "\n" << BoardDiagram(b0());
        EXPECT_EQ(Level, 0);
    }
    // A white stone diagonally ahead after the crawl saves it; a black one
    // there settles it at once.
    for (int t = 0; t < 8; ++t) {
        std::string d = Transform(kCrawl, 0);
        d[7 * 10 + 6] = 'O'; // (7,8)
        SetBoard(Transform(d, t));
        EXPECT_EQ(HenYomi(TransformPt(Point(3, 9), t, 9)), 0) << "symmetry " << t;
        d[7 * 10 + 6] = 'X';
        SetBoard(Transform(d, t));
        EXPECT_EQ(HenYomi(TransformPt(Point(3, 9), t, 9)), 1) << "symmetry " << t;
    }
}

TEST_F(SichoTest, CapturingPoint)
{
    SetBoard(kMixed);
    Point t;
    SichoToruTe(Point(2, 1), t);
    EXPECT_EQ(t, Point(1, 1)); // in atari: its liberty
    SichoToruTe(Point(5, 5), t);
    EXPECT_EQ(t, Point(6, 5)); // the ladder's first move
    SichoToruTe(Point(3, 1), t);
    EXPECT_EQ(t.x, 0); // escapes
    SichoToruTe(Point(5, 4), t);
    EXPECT_EQ(t.x, 0); // three liberties
    SichoToruTe(Point(9, 9), t);
    EXPECT_EQ(t.x, 0); // no chain
    EXPECT_EQ(Level, 0);
}

// Every relation record of a board: kinds, points, values and colours.
std::string LocateSignature(const TGoban& b)
{
    std::string s;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TLocate& loc = b.GetLocate(x, y);
            s += std::to_string(loc.GetKankeiSu()) + ':';
            for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
                const Point q = loc.GetKankeiPoint(i);
                s += std::to_string(loc.GetKankeiKind(i)) + '/' + std::to_string(q.x) + ',' + std::to_string(q.y)
                     + '/' + std::to_string(loc.GetKankeiValue(i)) + '/' + std::to_string(loc.GetKankeiIro(i)) + ' ';
            }
            s += '\n';
        }
    return s;
}

TEST_F(SichoTest, LinkedChainCaughtByALadder)
{
    // White's (8,4) is linked to (5,5) by a large knight's move; (5,5) is
    // caught by the ladder.
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
    b0().Analyze();
    const std::string relations = LocateSignature(b0());
    // The empty points' relations of the analysis are part of what must stay.
    ASSERT_GT(b0().GetLocate(6, 4).GetKankeiSu(), 0);
    TRen* far = At(Point(8, 4));
    const int caught = At(Point(5, 5))->GetNo();
    far->ClearGren();
    EXPECT_TRUE(GrenSichoKoho(Point(8, 4)));
    EXPECT_EQ(At(Point(5, 5))->SichoStatus(), kSichoToreru);
    ASSERT_GE(far->GrenCount(), 1);
    EXPECT_EQ(far->Gren(1), caught);
    EXPECT_EQ(LocateSignature(b0()), relations);
    // (5,5)'s only linked chain has four liberties: nothing to propose.
    EXPECT_FALSE(GrenSichoKoho(Point(5, 5)));
    EXPECT_FALSE(GrenSichoKoho(Point(1, 1)));
    EXPECT_EQ(LocateSignature(b0()), relations);
    EXPECT_EQ(Level, 0);
}

// ---------------------------------------------------------------------------
// Limits

TEST_F(SichoTest, NoLevelLeftMeansNotRead)
{
    SetBoard(kPlainLadder);
    const Point w(5, 5);
    // Climb to the top level with moves far from the ladder.
    for (int i = 0; i < kMaxLevel; ++i)
        ASSERT_TRUE(YomiPushUtu(i % 2 ? kSiro : kKuro, Point(1 + i % 9, 1 + i / 9)));
    ASSERT_EQ(Level, kMaxLevel);
    CurGoban().RenMake();
    const std::uint64_t h = StackHash();
    EXPECT_EQ(SichoCheck(w), 0);
    EXPECT_EQ(At(w)->SichoStatus(), kSichoUnread);
    EXPECT_EQ(At(w)->GetSicho(), kSichoUnread);
    EXPECT_EQ(SichoCheck2(w), 0);
    EXPECT_EQ(GetaCheck(w), 0);
    EXPECT_EQ(HenYomi(w), 0);
    EXPECT_EQ(AtariGetaYomi(w), 0);
    EXPECT_EQ(At(w)->SichoStatus(), kSichoUnread);
    EXPECT_EQ(StackHash(), h);
    EXPECT_EQ(Level, kMaxLevel);

    // One level lower, the ladder is read on the last level.
    YomiModosu();
    ASSERT_EQ(Level, kMaxLevel - 1);
    CurGoban().RenMake();
    EXPECT_EQ(SichoCheck(w), 1);
    EXPECT_EQ(Level, kMaxLevel - 1);
    while (Level > 0)
        YomiModosu();
}

TEST_F(SichoTest, StaleChainListIsNeverDereferenced)
{
    SetBoard(kPlainLadder);
    // A stone put on the board without a rebuild has no chain in the list.
    b0().SetIro(5, 6, kSiro);
    ASSERT_EQ(At(Point(5, 6)), nullptr);
    EXPECT_EQ(SichoCheck(Point(5, 6)), 0); // White now has three liberties
    EXPECT_EQ(SichoAtariCheck(Point(5, 6)), 0);
    EXPECT_EQ(GetaCheck(Point(5, 6)), 0);
    // A point whose chain number belongs to the other colour now.
    b0().SetIro(5, 5, kKuro);
    SichoCheck(Point(5, 5));
    EXPECT_EQ(At(Point(5, 5))->SichoStatus(), kSichoUnread);
    // Off the board and on empty points: nothing is read.
    EXPECT_EQ(SichoCheck(Point(0, 0)), 0);
    EXPECT_EQ(SichoCheck(Point(20, 3)), 0);
    EXPECT_EQ(SichoCheck(Point(1, 1)), 0);
    EXPECT_EQ(Line3Yomi(Point(-1, 3)), 0);
    EXPECT_EQ(GetaYomi(Point(1, 1)), 0);
    EXPECT_EQ(Level, 0);
}

// Every reader, on every chain short of liberties in random positions, at
// the game board and two levels up: the boards up to the caller's level,
// their records, Level and the caller's chains are as they were.
TEST_F(SichoTest, ReadersLeaveEverythingAsTheyFoundIt)
{
    int read = 0;
    for (int size : {9, 13, 19}) {
        for (int seed = 1; seed <= 4; ++seed) {
            ResetProgramState();
            RandSeed(300 * size + seed);
            BoardSize = size;
            b0().NewGame();
            for (int i = 0; i < size * size * 2 / 3; ++i) {
                const Point p = RandomMove(b0());
                if (p.x == 0)
                    break;
                b0().Utu(p.x, p.y);
            }
            b0().RenMake();
            for (int up = 0; up <= 2; up += 2) {
                for (int i = 0; i < up; ++i) {
                    const Point p = RandomMove(CurGoban());
                    ASSERT_TRUE(YomiPushUtu(CurGoban().Tejun.NextColor(), p));
                }
                TGoban& b = CurGoban();
                b.RenMake();
                const int level = Level;
                const std::uint64_t h = StackHash();
                const std::string chains = ChainSignature(b);
                std::vector<Point> stones;
                for (int n = 1; n <= b.RenList.Count(); ++n)
                    if (TRen* r = b.RenList.Items(n); r != nullptr && r->Kuu() <= 3)
                        stones.push_back(r->GetIsi(1));
                for (const Point& p : stones) {
                    using Reader = std::uint8_t (*)(Point);
                    for (Reader f : {SichoCheck, SichoAtariCheck, SichoCheck2, GetaCheck, GetaYomi,
                                     AtariGetaYomi, GetaYomi2, Line3Yomi, HenYomi}) {
                        f(p);
                        ASSERT_EQ(Level, level);
                        ASSERT_EQ(StackHash(), h) << "seed " << seed << " at " << p.x << "," << p.y;
                    }
                    Point t;
                    SichoToruTe(p, t);
                    GrenSichoKoho(p);
                    ASSERT_EQ(StackHash(), h);
                    ASSERT_EQ(ChainSignature(b), chains);
                    ++read;
                }
                SichoAll();
                ASSERT_EQ(StackHash(), h);
                ASSERT_EQ(ChainSignature(b), chains);
                ASSERT_EQ(SichoYomiFlag, 0);
                ASSERT_EQ(RenSabun, 0);
                while (Level > 0)
                    YomiModosu();
            }
        }
    }
    EXPECT_GT(read, 200);
}

// ---------------------------------------------------------------------------
// GNU Go as a reference: on every two-liberty chain of seeded random games and
// of GNU Go's own games, our ladder reading and GNU Go's ladder_attack agree
// (GNU Go's answers that need a ko are left out: this reader has no ko).

struct TLadderTally {
    int agree = 0;
    int kou = 0;
};

void CompareLadders(GnuGo& gg, TLadderTally& tally, int move)
{
    TGoban& b = *GobanLv[0];
    b.RenMake();
    std::vector<Point> chains;
    for (int n = 1; n <= b.RenList.Count(); ++n)
        if (TRen* r = b.RenList.Items(n); r != nullptr && r->Kuu() == 2)
            chains.push_back(r->GetIsi(1));
    if (chains.empty())
        return;
    // GNU Go's answers to the chains of this position, one line each: "0",
    // or a result code and the move: 1 wins, 2 and 3 through a ko.
    std::string label = "ladder_attack";
    for (const Point& p : chains)
        label += " " + gg.Vertex(p);
    std::istringstream theirs(gg.Derived(label, [&] {
        std::string answers;
        for (const Point& p : chains)
            answers += gg.Command("ladder_attack " + gg.Vertex(p)) + "\n";
        return answers;
    }));
    for (const Point& p : chains) {
        const std::uint8_t ours = SichoCheck(p);
        std::string answer;
        ASSERT_TRUE(std::getline(theirs, answer)) << gg.Vertex(p);
        if (answer[0] == '2' || answer[0] == '3') {
            ++tally.kou;
            continue;
        }
        ASSERT_EQ(ours, answer[0] == '1' ? 1 : 0)
            << "move " << move << " chain " << gg.Vertex(p) << " GNU Go " << answer << "\n"
            << DiagramText(b);
        ++tally.agree;
    }
}

void PlayBoth(GnuGo& gg, int c, Point p)
{
    ASSERT_EQ(GobanLv[0]->Utu(p.x, p.y), kUtuOk);
    gg.Command(std::string("play ") + (c == kKuro ? "black " : "white ") + gg.Vertex(p));
}

TEST_F(SichoTest, LaddersAgreeWithGnuGoInRandomGames)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    TLadderTally tally;
    for (int size : {9, 13, 19}) {
        for (int game = 0; game < 3; ++game) {
            ResetProgramState();
            RandSeed(500 + size * 10 + game);
            BoardSize = size;
            GobanLv[0]->NewGame();
            GnuGo gg;
            ASSERT_TRUE(gg.Start(size));
            for (int move = 1; move <= size * size; ++move) {
                const int c = GobanLv[0]->Tejun.NextColor();
                const Point p = RandomMove(*GobanLv[0]);
                if (p.x == 0)
                    break;
                PlayBoth(gg, c, p);
                if (move % 5 == 0)
                    CompareLadders(gg, tally, move);
                if (HasFatalFailure())
                    return;
            }
        }
    }
    EXPECT_GT(tally.agree, 1000);
}

TEST_F(SichoTest, LaddersAgreeWithGnuGoInItsOwnGames)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    TLadderTally tally;
    for (int game = 0; game < 4; ++game) {
        ResetProgramState();
        BoardSize = 9;
        GobanLv[0]->NewGame();
        GnuGo gg;
        ASSERT_TRUE(gg.Start(9, "--level 1 --seed " + std::to_string(11 + game)));
        for (int move = 1; move <= 120; ++move) {
            const int c = GobanLv[0]->Tejun.NextColor();
            const std::string v = gg.Command(std::string("genmove ") + (c == kKuro ? "black" : "white"));
            if (v == "resign" || v == "PASS" || v == "pass")
                break;
            const Point p = gg.FromVertex(v);
            ASSERT_EQ(GobanLv[0]->Utu(p.x, p.y), kUtuOk) << v;
            CompareLadders(gg, tally, move);
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_GT(tally.agree, 50);
}

} // namespace
} // namespace vorn::test

// Peeps and urgent shapes: the peep table on positions with known peeps, the
// nine shapes of the peep generator on diagrams where each applies (the
// attacker's point with the engine as attacker, the owner's answer with the
// engine as owner) and on near misses, the reason codes, GNU Go as referee of
// the answers, and the promise every reading keeps on random positions.
//
// Points are named as in the diagrams: column letter, then the row counted
// from the top.
#include "DecisionUtil.h"
#include "GnuGo.h"
#include "UrgentShapes.h"
#include "Util.h"
#include "engine/links/LinkUtil.h"

#include <sstream>
#include <string>
#include <vector>

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Rand.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Kyuba.h"
#include "engine/Nozoki.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

using namespace shapes;

std::string Name(Point p)
{
    return p.x == 0 ? "none" : std::string(1, static_cast<char>('A' + p.x - 1)) + std::to_string(p.y);
}

std::string Table()
{
    std::string s;
    for (int i = 1; i <= KohoCount; ++i)
        s += " " + Name(Koho.Pt[i]) + "=" + std::to_string(Koho.Value[i]) + ":" + std::to_string(Koho.Kind[i]);
    return s.empty() ? " (empty)" : s;
}

int MapTotal(int c)
{
    int n = 0;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            n += NozokiMap[c][x][y];
    return n;
}

bool HasPeep(Point from, Point to)
{
    for (int i = 1; i <= NozokiCount; ++i)
        if (NozokiFrom[i] == from && NozokiTo[i] == to)
            return true;
    return false;
}

class NozokiTest : public VornTest {};

// ---------------------------------------------------------------------------
// The peep table

TEST_F(NozokiTest, PeepTableOfKnownShapes)
{
    const struct {
        const char* what;
        const char* stones; // on the empty 9 x 9 board
        const char* peeps;  // "from>to" pairs, in any order
        int black, white;   // NozokiMap totals
    } cases[] = {
        {"the empty board has no peeps", "", "", 0, 0},
        {"a one-space jump is examined once: each side point peeps at the gap", "O C3 E3", "D2>D3 D4>D3", 2, 0},
        {"a vertical jump, the same from its upper stone", "X E4 E6", "D5>E5 F5>E5", 0, 2},
        {"an occupied gap gives no peep", "O C3 E3 X D3", "", 0, 0},
        {"an own stone beside the gap: neither side point peeps", "O C3 E3 D2", "", 0, 0},
        {"a diagonal with both crossing points empty gives none", "O D4 E5", "", 0, 0},
        {"a diagonal with an enemy stone on one crossing point: the cut is peeped at", "O D4 E5 X E4", "C5>D5 D6>D5",
         2, 0},
        {"a diagonal with both crossing points occupied gives none", "O D4 E5 X E4 D5", "", 0, 0},
        {"an enemy stone in atari on the crossing point gives none", "O E3 D4 E5 X E4", "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetBoard(Board9(c.stones));
        GobanLv[0]->Analyze();
        NozokiCheck();
        std::istringstream peeps(c.peeps);
        std::string pair;
        int n = 0;
        while (peeps >> pair) {
            const std::size_t gt = pair.find('>');
            EXPECT_TRUE(HasPeep(At(pair.substr(0, gt).c_str()), At(pair.substr(gt + 1).c_str()))) << pair;
            ++n;
        }
        EXPECT_EQ(NozokiCount, n);
        EXPECT_EQ(MapTotal(kKuro), c.black);
        EXPECT_EQ(MapTotal(kSiro), c.white);
    }
}

TEST_F(NozokiTest, TheSixtyFirstPeepIsDroppedAndNotCounted)
{
    // Four rows of one-space jumps on 19 lines: 4 x 9 jumps, two peeps each.
    std::string diagram;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x)
            diagram += (y % 4 == 0 && x % 2 == 1) ? "X " : ". ";
        diagram += "\n";
    }
    SetBoard(diagram);
    GobanLv[0]->Analyze();
    NozokiCheck();
    EXPECT_EQ(NozokiCount, kMaxNozoki);
    EXPECT_EQ(MapTotal(kSiro), kMaxNozoki);
    EXPECT_EQ(MapTotal(kKuro), 0);
}

TEST_F(NozokiTest, AddRefusesRepeatsAndAFullTable)
{
    NozokiClear();
    EXPECT_TRUE(NozokiAdd(At("D4"), At("D3")));
    EXPECT_FALSE(NozokiAdd(At("D4"), At("D3")));
    EXPECT_TRUE(NozokiAdd(At("D4"), At("E4")));
    EXPECT_TRUE(NozokiAdd(At("D3"), At("D4")));
    EXPECT_EQ(NozokiCount, 3);
    for (int i = NozokiCount; i < kMaxNozoki; ++i)
        EXPECT_TRUE(NozokiAdd(Point(1 + i % 19, 1 + i / 19), Point(1, 1)));
    EXPECT_FALSE(NozokiAdd(At("A2"), At("A1")));
    EXPECT_EQ(NozokiCount, kMaxNozoki);
    NozokiClear();
    EXPECT_EQ(NozokiCount, 0);
}

TEST_F(NozokiTest, ListKeepsToItsCapacity)
{
    NozokiClear();
    const Point e = At("E5");
    for (const char* t : {"E4", "F5", "E6", "D5"})
        ASSERT_TRUE(NozokiAdd(e, At(t)));
    ASSERT_TRUE(NozokiAdd(At("A1"), At("A2")));
    Point list[4] = {};
    // Room for two (high 1): the first two targets in table order, and the
    // rest of the list untouched.
    EXPECT_EQ(NozokiList(e, list, 1), 2);
    EXPECT_EQ(list[0], At("E4"));
    EXPECT_EQ(list[1], At("F5"));
    EXPECT_EQ(list[2], Point());
    EXPECT_EQ(NozokiList(e, list, 3), 4);
    EXPECT_EQ(list[3], At("D5"));
    // A high index past the list's end is held to the list.
    Point two[2] = {};
    EXPECT_EQ(NozokiList(e, two, 9), 2);
    EXPECT_EQ(NozokiList(At("A1"), list, 3), 1);
    EXPECT_EQ(NozokiList(At("J9"), list, 3), 0);
    EXPECT_EQ(NozokiList(e, list, -1), 0);
}

// ---------------------------------------------------------------------------
// The nine shapes

void KosumiAtariAll() { KosumiAtariThink(nullptr); }
void SichoMichiAll() { SichoMichiThink(nullptr); }

struct TShapeCase {
    const char* what;
    const char* base;
    const char* edit; // stones put on the base (Board9); "" for none
    void (*pattern)();
    char attacker;          // the colour that attacks the shape
    const char* attackerPt; // the engine as attacker; "" for a near miss
    const char* ownerPt;    // the engine as owner
    int reason;             // the code NozokiThink leaves on the attacker's point
};

const TShapeCase kShapes[] = {
    {"double peep: the peep, and the owner takes the point", kDoublePeep, "", DoubleNozokiThink, 'X', "D4", "D4",
     kkKankei},
    {"double peep with the cutting stones ready: the owner connects", kDoublePeepCut, "", DoubleNozokiThink, 'X', "D4",
     "D3", kkKankei},
    {"a point that peeps at one cut only is not read", kDoublePeep, ". E5", DoubleNozokiThink, 'X', "", "", 0},
    {"shared liberty: the atari that ladders the other chain; the owner's shape point", kSharedLiberty, "",
     DameShareThink, 'X', "D3", "C3", kkToru},
    {"shared liberty with a ladder breaker", kSharedLiberty, "O F1", DameShareThink, 'X', "", "", 0},
    {"atari before the cut", kAtariBeforeCut, "", KosumiAtariAll, 'X', "E4", "E4", kkNozoki},
    {"atari before the cut that would be a self-atari", kAtariBeforeCut, ". E3", KosumiAtariAll, 'X', "", "", 0},
    {"ladder path: the atari on the ladder breaker", kLadderPath, "", SichoMichiAll, 'O', "E6", "E6", kkNozoki},
    {"ladder path where the breaker is strong", kLadderPath, "X E8", SichoMichiAll, 'O', "", "", 0},
    {"atari, extension, double atari", kAtariDoubleAtari, "", RyoAtariThink, 'X', "E5", "E5", kkNozoki},
    {"no double atari when the second chain has three liberties", kAtariDoubleAtari, ". E8", RyoAtariThink, 'X', "", "",
     0},
    {"cut in neutral ground that is an atari", kAtariBeforeCut, "", Kiri2Think, 'X', "E4", "E4", kkNozoki},
    {"cut in neutral ground that ladders a chain", kNeutralCut, "", Kiri2Think, 'O', "E2", "E2", kkNozoki},
    {"the same cut in the attacked side's own area", kNeutralCut, ". C5 D5 D6", Kiri2Think, 'O', "", "", 0},
    {"enclosed liberty: the push beside it, read through White's knight's-move links", kEnclosedLiberty, "",
     KeimaNozokiThink, 'X', "G6", "G6", kkNozoki},
    {"peep at an atari point; the owner captures", kPeepAtari, "", NozokiAtariThink, 'X', "C8", "A8", kkNozoki},
    {"peep at an atari point with nothing to capture", kPeepAtari, ". A9", NozokiAtariThink, 'X', "", "", 0},
    {"hane at the head of two stones", kNirenHane, "", NirenThink, 'X', "C5", "C5", kkNozoki},
    {"no hane when the point beside the head is taken", kNirenHane, "O C4", NirenThink, 'X', "", "", 0},
};

// One pattern alone for the engine playing `side`: the candidate table it
// leaves, the boards as they were.
void RunShape(const TShapeCase& c, int side)
{
    PrepareDecision(Board9(c.edit, c.base).c_str(), side);
    const std::uint64_t before = StackHash();
    KohoKind = kkNozoki;
    c.pattern();
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
}

TEST_F(NozokiTest, EachShapeGivesItsPointForEitherSide)
{
    for (const TShapeCase& c : kShapes) {
        SCOPED_TRACE(c.what);
        const int ca = c.attacker == 'X' ? kKuro : kSiro;
        for (const int side : {ca, Aite(ca)}) {
            RunShape(c, side);
            const char* want = side == ca ? c.attackerPt : c.ownerPt;
            if (*want == 0) {
                EXPECT_EQ(KohoCount, 0) << "near miss, table" << Table();
                continue;
            }
            const std::optional<int> v = KohoValueAt(At(want));
            ASSERT_TRUE(v.has_value()) << "engine " << side << " wants " << want << ", table" << Table();
            EXPECT_GE(*v, 1) << Table();
        }
    }
}

// Two shapes whose second point is picked among neighbours in direction
// order, under the eight symmetries of the board: the cut E4 crosses White's
// links D4-E5 and E5-F4, and only D5's side is a cut (E3 is the way out of
// the atari on F4); beside White's enclosed liberty E5, G5's neighbour G6
// touches White's G7 while G4 touches no white stone, so Black pushes at G6.
TEST_F(NozokiTest, NeutralCutAndEnclosedLibertyInEveryOrientation)
{
    struct TCase {
        const char* what;
        const char* diagram;
        void (*pattern)();
        const char* point;
    } const cases[] = {
        {"cut in neutral ground that is an atari", kAtariBeforeCut, Kiri2Think, "E4"},
        {"enclosed liberty", kEnclosedLiberty, KeimaNozokiThink, "G6"},
    };
    for (const TCase& c : cases)
        for (int t = 0; t < 8; ++t)
            for (const int side : {kKuro, kSiro}) {
                SCOPED_TRACE(testing::Message() << c.what << ", symmetry " << t << ", engine " << side);
                SymDecision(c.diagram, t, side);
                KohoCount = 0;
                KohoKind = kkNozoki;
                const std::uint64_t before = StackHash();
                c.pattern();
                EXPECT_EQ(StackHash(), before);
                const std::optional<int> v = KohoValueAt(Sym(At(c.point), t));
                ASSERT_TRUE(v.has_value()) << Table();
                EXPECT_GE(*v, 1) << Table();
                EXPECT_EQ(KohoCount, 1) << Table();
            }
}

TEST_F(NozokiTest, ReasonCodesOfTheGenerator)
{
    for (const TShapeCase& c : kShapes) {
        if (c.reason == 0)
            continue;
        SCOPED_TRACE(c.what);
        const int ca = c.attacker == 'X' ? kKuro : kSiro;
        PrepareDecision(Board9(c.edit, c.base).c_str(), ca);
        KohoKind = kkJoban;
        const std::uint64_t before = StackHash();
        Point out;
        NozokiThink(out);
        EXPECT_EQ(StackHash(), before);
        EXPECT_EQ(KindAt(At(c.attackerPt)), c.reason) << Table();
    }
}

TEST_F(NozokiTest, GeneratorSelectsAtItsThreshold)
{
    // The hane at the head of two stones is worth more than 26.
    PrepareDecision(kNirenHane, kKuro);
    Point out;
    NozokiThink(out);
    EXPECT_EQ(out, At("C5")) << Table();
    EXPECT_GE(KohoBestScore, kSelectUrgent);
    // Nothing on the empty board.
    PrepareDecision(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
                    kKuro);
    NozokiThink(out);
    EXPECT_EQ(out, Point());
    EXPECT_EQ(KohoCount, 0);
    EXPECT_EQ(NozokiCount, 0);
}

TEST_F(NozokiTest, EmptyEntriesOfTheDriver)
{
    Point out = At("C3");
    UrgentStage4Think(out);
    EXPECT_EQ(out, At("C3"));
    KosumiKankeiUtu(out);
    EXPECT_EQ(out, Point());
}

// ---------------------------------------------------------------------------
// GNU Go as referee

// The pattern alone for the engine playing `side`: its best candidate.
Point EngineAnswer(const char* diagram, void (*pattern)(), int side)
{
    PrepareDecision(diagram, side);
    KohoKind = kkNozoki;
    pattern();
    int best = 0;
    for (int i = 1; i <= KohoCount; ++i)
        if (best == 0 || Koho.Score(i) > Koho.Score(best))
            best = i;
    return best == 0 ? Point() : Koho.Pt[best];
}

// GNU Go with the stones of board 0 (set up by EngineAnswer).
bool StartWithBoard(GnuGo& gg)
{
    if (!gg.Start(BoardSize))
        return false;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (const int c = GobanLv[0]->GetIro(x, y); c == kKuro || c == kSiro)
                gg.Command(std::string("play ") + (c == kKuro ? "black " : "white ") + gg.Vertex(Point(x, y)));
    return true;
}

std::string Colour(int c) { return c == kKuro ? "black" : "white"; }

// A verdict of GNU Go's reading commands: "0", or a result code and a move.
bool Succeeds(const std::string& verdict) { return !verdict.empty() && verdict[0] != '0'; }

// A referee case: the engine plays `side` and the pattern gives `point`;
// `what` lists the owner's links ("A-B C-D") or the attacker's target.
struct TRefereeCase {
    const char* what;
    const char* diagram;
    void (*pattern)();
    int side;
    const char* point;
    const char* stones;
};

// The engine's point for the case, checked, and GNU Go with the position.
Point RefereeStart(const TRefereeCase& c, GnuGo& gg)
{
    const Point p = EngineAnswer(c.diagram, c.pattern, c.side);
    EXPECT_EQ(p, At(c.point));
    EXPECT_TRUE(StartWithBoard(gg));
    return p;
}

TEST_F(NozokiTest, GnuGoFindsTheLinkSafeAfterTheOwnersAnswer)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    const TRefereeCase cases[] = {
        {"the owner takes the double peep point", kDoublePeep, DoubleNozokiThink, kSiro, "D4", "C3-E3"},
        {"the owner connects against the cutting stones", kDoublePeepCut, DoubleNozokiThink, kSiro, "D3",
         "C3-E3 E3-E5"},
        {"the owner captures the stone that the peep at the atari point would save", kPeepAtari, NozokiAtariThink, kSiro,
         "A8", "B7-D7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GnuGo gg;
        const Point answer = RefereeStart(c, gg);
        // GNU Go's verdict on each link: before the answer, then after it.
        auto verdicts = [&gg](const std::string& links) {
            std::vector<std::string> out;
            for (std::size_t at = 0; at < links.size();) {
                const std::size_t dash = links.find('-', at), end = std::min(links.find(' ', at), links.size());
                out.push_back(gg.Command("disconnect " + gg.Vertex(At(links.substr(at, dash - at).c_str())) + " " +
                                         gg.Vertex(At(links.substr(dash + 1, end - dash - 1).c_str()))));
                at = end + 1;
            }
            return out;
        };
        for (const std::string& v : verdicts(c.stones))
            EXPECT_TRUE(Succeeds(v)) << "cuttable before the answer";
        gg.Command("play white " + gg.Vertex(answer));
        for (const std::string& v : verdicts(c.stones))
            EXPECT_EQ(v, "0") << "safe after the answer";
    }
}

TEST_F(NozokiTest, GnuGoFindsTheTargetLostAfterTheAttackersMove)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    // The target is safe before the move and lost after it, whatever the
    // owner answers.
    const TRefereeCase cases[] = {
        {"the atari before the cut wins the stone in atari", kAtariBeforeCut, KosumiAtariAll, kKuro, "E4", "F4"},
        {"the atari on the ladder breaker makes the ladder work", kLadderPath, SichoMichiAll, kSiro, "E6", "D4"},
        {"the atari that threatens a double atari", kAtariDoubleAtari, RyoAtariThink, kKuro, "E5", "E4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GnuGo gg;
        const Point move = RefereeStart(c, gg);
        const std::string target = gg.Vertex(At(c.stones));
        EXPECT_EQ(gg.Command("attack " + target), "0");
        gg.Command("play " + Colour(c.side) + " " + gg.Vertex(move));
        gg.Command("genmove " + Colour(Aite(c.side)));
        // An error answer means the target is gone already.
        std::string verdict;
        if (gg.TryCommand("attack " + target, verdict)) {
            EXPECT_TRUE(Succeeds(verdict)) << "attack " << target << ": " << verdict;
        }
    }
}

// ---------------------------------------------------------------------------
// Random positions

void CheckShapes(int size, int moves, std::uint64_t seed)
{
    RandomPosition(size, moves, seed);
    const TGoban& b0 = *GobanLv[0];
    const std::string diagram = BoardDiagram(b0);
    PrepareDecision(diagram.c_str(), b0.Tejun.NextColor());
    const std::uint64_t before = StackHash();
    const std::string chains = ChainSignature(*GobanLv[0]);
    Point out;
    NozokiThink(out);
    ASSERT_EQ(StackHash(), before) << "seed " << seed;
    ASSERT_EQ(ChainSignature(*GobanLv[0]), chains) << "seed " << seed;
    for (int i = 1; i <= KohoCount; ++i)
        ASSERT_EQ(GobanLv[0]->GetIroPt(Koho.Pt[i]), kAki) << "seed " << seed;
    // The shapes one by one, and those asked for by the other generators.
    for (const TShapeCase& c : kShapes)
        c.pattern();
    ASSERT_EQ(StackHash(), before) << "seed " << seed;
    KohoKind = kkJoban;
    for (int n = 1; n <= GobanLv[0]->GunList.GetCount(); ++n)
        if (const TGun* g = GobanLv[0]->GunList.GetGun(n); g != nullptr)
            GunDameTe(*g);
    ASSERT_EQ(KohoKind, kkJoban);
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            KeimaKankeiUtu(Point(x, y));
    ASSERT_EQ(StackHash(), before) << "seed " << seed;
    ASSERT_EQ(Level, 0);
}

TEST(NozokiSoak, ShapesLeaveTheBoardsAsTheyFoundThem)
{
    for (std::uint64_t seed = 1; seed <= 40; ++seed)
        CheckShapes(9, 20 + static_cast<int>(seed) * 2, seed + 300);
    for (std::uint64_t seed = 1; seed <= 4; ++seed)
        CheckShapes(13, 60 + static_cast<int>(seed) * 15, seed + 400);
    CheckShapes(19, 140, 401);
    CheckShapes(19, 220, 402);
    ResetProgramState();
}

} // namespace
} // namespace vorn::test

// The Go-server protocol without a socket: the line forms both ways, lines
// taken off the stream however it is cut, and which server lines act on our
// game.  The host is scripted: it keeps a move count and plays nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Util.h"
#include "board/Hooks.h"
#include "net/NngsProtocol.h"
#include "NngsUtil.h"

namespace vorn::test {
namespace {

// How a game ended, as the tests write it: the way, the winner (B, W or -),
// and the count or the server's words where they matter.
std::string EndText(const TNngsEnd& e)
{
    static const char* const ways[] = {"resigned", "counted", "adjourned", "on time", "other"};
    std::string s = std::string(ways[e.way]) + " " + (e.winner == kKuro ? "B" : e.winner == kSiro ? "W" : "-");
    if (e.way == TNngsEnd::Counted) {
        char count[48];
        std::snprintf(count, sizeof count, " W %.1f B %.1f", e.white, e.black);
        s += count;
    } else if (e.way == TNngsEnd::Other) {
        s += " " + e.text;
    }
    return s;
}

// --- Line forms ----------------------------------------------------------------

TEST(NngsLines, MovesGoOutAsColumnLetterAndRowFromTheBottom)
{
    struct Case {
        int x, y, size;
        const char* text;
    };
    const Case cases[] = {
        {4, 16, 19, "d04"}, {19, 1, 19, "t19"}, {9, 19, 19, "j01"}, {8, 10, 19, "h10"}, {10, 10, 19, "k10"},
        {0, 0, 19, "pass"}, {1, 1, 9, "a09"},   {9, 9, 9, "j01"},   {4, 6, 9, "d04"},   {13, 1, 13, "n13"},
        {7, 7, 13, "g07"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NngsMoveText(c.x, c.y, c.size), c.text) << c.x << "," << c.y << " on " << c.size;
    EXPECT_EQ(NngsMatchText("bob", true, 19), "match bob B 19 40 0");
    EXPECT_EQ(NngsMatchText("alice", false, 9), "match alice W 9 40 0");
}

TEST(NngsLines, ServerMovesAreReadForTheBoardSize)
{
    struct Case {
        const char* move;
        int size;
        int x, y;  // x = -1: refused
    };
    const Case cases[] = {
        {"Q16", 19, 16, 4}, {"D4", 19, 4, 16},  {"J10", 19, 9, 10}, {"T19", 19, 19, 1}, {"A1", 19, 1, 19},
        {"H8", 19, 8, 12},  {"d4", 19, 4, 16},  {"Pass", 19, 0, 0}, {"A1", 9, 1, 9},    {"J9", 9, 9, 1},
        {"E5", 9, 5, 5},    {"N13", 13, 13, 1}, {"A13", 13, 1, 1},  {"G7", 13, 7, 7},
        // Off the board, not a point, or a handicap set on the server.
        {"K9", 9, -1, 0},   {"J10", 9, -1, 0},  {"I5", 19, -1, 0},  {"U1", 19, -1, 0},  {"D0", 19, -1, 0},
        {"D20", 19, -1, 0}, {"D", 19, -1, 0},   {"D4x", 19, -1, 0}, {"4D", 19, -1, 0},  {"pass", 19, -1, 0},
        {"D004", 19, -1, 0}, {"Handicap", 19, -1, 0},
    };
    for (const Case& c : cases) {
        Point p(-5, -5);
        const bool ok = NngsParsePoint(c.move, c.size, p);
        EXPECT_EQ(ok, c.x >= 0) << c.move << " on " << c.size;
        if (ok && c.x >= 0) {
            EXPECT_EQ(p, Point(c.x, c.y)) << c.move << " on " << c.size;
        }
    }
}

TEST(NngsLines, CodesMoveLinesHeadersAndMatchNotices)
{
    struct CodeCase {
        const char* line;
        int code;  // -1: no code
        const char* text;
    };
    const CodeCase codes[] = {
        {"15   0(B): D4", 15, "  0(B): D4"}, {"9 Creating match [1] with bob.", 9, "Creating match [1] with bob."},
        {"1 5", 1, "5"}, {"15", 15, ""}, {"", -1, ""}, {"Login: ", -1, ""}, {"15x", -1, ""}, {" 15 a", -1, ""},
        {"9999999 x", -1, ""},
    };
    for (const CodeCase& c : codes) {
        int code = -1;
        std::string text;
        const bool ok = NngsSplitCode(c.line, code, text);
        EXPECT_EQ(ok ? code : -1, c.code) << c.line;
        if (ok) {
            EXPECT_EQ(text, c.text) << c.line;
        }
    }

    struct MoveCase {
        const char* text;
        int number, colour;  // number -1: not a move line
        const char* move;
    };
    const MoveCase moves[] = {
        {"  0(B): D4", 0, kKuro, "D4"},       {" 15(W): Q16", 15, kSiro, "Q16"}, {"120(B): Pass", 120, kKuro, "Pass"},
        {"1234(W): A1", 1234, kSiro, "A1"},   {"  3(W): C3 extra", 3, kSiro, "C3"},
        {"15(X): D4", -1, 0, ""},             {"15 (W): D4", -1, 0, ""},         {"(W): D4", -1, 0, ""},
        {"15(W) D4", -1, 0, ""},              {"15(W):", -1, 0, ""},             {"15(W): ", -1, 0, ""},
        {"Game 1 I: a (0 0 0) vs b (0 0 0)", -1, 0, ""},
    };
    for (const MoveCase& c : moves) {
        int number = -1, colour = 0;
        std::string move;
        const bool ok = NngsParseMoveLine(c.text, number, colour, move);
        EXPECT_EQ(ok ? number : -1, c.number) << c.text;
        if (ok) {
            EXPECT_EQ(colour, c.colour) << c.text;
            EXPECT_EQ(move, c.move) << c.text;
        }
    }

    int game = 0;
    std::string name;
    EXPECT_TRUE(NngsParseHeader("Game 12 I: alice (0 2400 -1) vs bob (0 2400 -1)", game));
    EXPECT_EQ(game, 12);
    EXPECT_FALSE(NngsParseHeader("Game: 12", game));
    EXPECT_FALSE(NngsParseHeader("Games 12 I:", game));
    EXPECT_TRUE(NngsParseMatchNotice("Creating match [7] with bob.", game, name));
    EXPECT_EQ(game, 7);
    EXPECT_EQ(name, "bob");
    for (const char* bad : {"Creating match [7] with bob", "Creating match [] with bob.", "Creating match [7] bob.",
                            "Creating match [7] with .", "Creating match [7] with two words."})
        EXPECT_FALSE(NngsParseMatchNotice(bad, game, name)) << bad;
}

// --- The protocol ----------------------------------------------------------------

// Records the protocol's requests; plays the opponent's moves into a count.
class TFakeHost : public TNngsHost {
public:
    void MemoLine(const std::string& line) override
    {
        if (tailOpen)
            memo.back() = line;
        else
            memo.push_back(line);
        tailOpen = false;
    }
    void MemoTail(const std::string& tail) override
    {
        if (tailOpen)
            memo.back() = tail;
        else
            memo.push_back(tail);
        tailOpen = true;
    }
    void Sent(const std::string& text, bool ok) override
    {
        tailOpen = false;
        memo.push_back(ok ? text : "(not sent) " + text);
    }
    void ConnectionChanged(bool open, const std::string& peer, const std::string& why) override
    {
        events.push_back(std::string(open ? "open " : "closed ") + peer + why);
    }
    bool MatchCreated(int game, const std::string& opponent) override
    {
        events.push_back("match " + std::to_string(game) + " " + opponent);
        moves = 0;
        return true;
    }
    int MoveNumber() const override { return moves; }
    int ToMove() const override { return moves % 2 == 0 ? kKuro : kSiro; }
    int BoardSize() const override { return size; }
    void OpponentMove(Point p, const std::string& move) override
    {
        events.push_back("move " + std::to_string(moves) + " " + std::to_string(p.x) + "," + std::to_string(p.y)
                         + " " + move);
        ++moves;
    }
    void OpponentMoveUnreadable(const std::string& move) override { events.push_back("unreadable " + move); }
    void CountingBegan() override { events.push_back("counting"); }
    void GameClosed(const TNngsEnd& e) override { events.push_back(EndText(e)); }
    void MoveRefused(const std::string& text) override { events.push_back("refused " + text); }
    void InputHandled() override { ++handled; }

    std::vector<std::string> memo, events;
    bool tailOpen = false;
    int moves = 0, size = 19, handled = 0;
};

class NngsProtocolTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        protocol.SetTransport(&wire);
    }
    // Bytes from the server, in reads of the given size (0: one read).
    void Feed(const std::string& bytes, std::size_t chunk = 0)
    {
        if (chunk == 0) {
            protocol.Receive(bytes);
            return;
        }
        for (std::size_t i = 0; i < bytes.size(); i += chunk)
            protocol.Receive(bytes.substr(i, chunk));
    }
    // Our match with bob as game 3, we play Black.
    void Match()
    {
        ASSERT_TRUE(protocol.RequestMatch("bob", true, 19));
        Feed("9 Match [3] with bob in 40 accepted.\r\n9 Creating match [3] with bob.\r\n"
             "15 Game 3 I: bob (0 2400 -1) vs me (0 2400 -1)\r\n1 6\r\n");
        ASSERT_EQ(protocol.State(), TNngsProtocol::TState::Playing);
        host.events.clear();
    }
    TFakeHost host;
    TRecordingNngsTransport wire;
    TNngsProtocol protocol{host};
};

TEST_F(NngsProtocolTest, TheMatchRequestAndTheNoticeThatStartsOurGame)
{
    // A notice before any request is somebody else's business.
    Feed("9 Creating match [2] with bob.\r\n");
    EXPECT_TRUE(host.events.empty());

    ASSERT_TRUE(protocol.RequestMatch("Bob", true, 19));
    EXPECT_EQ(wire.Take(), "set Client TRUE\rmatch Bob B 19 40 0\r");
    EXPECT_EQ(std::vector<std::string>(host.memo.end() - 2, host.memo.end()),
              (std::vector<std::string>{"set Client TRUE", "match Bob B 19 40 0"}));
    // Another player's match does not start ours; bob's does, in the
    // server's spelling of his name (the request may give a part of it).
    Feed("9 Creating match [2] with alice.\r\n9 Creating match [4] with bobby.\r\n");
    EXPECT_EQ(host.events, std::vector<std::string>{"match 4 bobby"});
    EXPECT_EQ(protocol.Game(), 4);
    // A second notice is no second start.
    Feed("9 Creating match [5] with bobby.\r\n");
    EXPECT_EQ(host.events.size(), 1U);

    // White's request; without a connection nothing is sent or awaited.
    wire.Take();
    ASSERT_TRUE(protocol.RequestMatch("carol", false, 9));
    EXPECT_EQ(wire.Take(), "set Client TRUE\rmatch carol W 9 40 0\r");
    wire.open = false;
    TNngsProtocol other(host);
    other.SetTransport(&wire);
    EXPECT_FALSE(other.RequestMatch("carol", false, 9));
    EXPECT_EQ(other.State(), TNngsProtocol::TState::Idle);
    EXPECT_EQ(host.memo.back(), "(not sent) set Client TRUE");
}

TEST_F(NngsProtocolTest, OnlyOurGamesMoveLinesForTheMoveExpectedAct)
{
    Match();
    // We play Black: the server echoes our move 0; bob answers with move 1.
    host.moves = 1;
    Feed(NngsMoveLines(3, 0, 'B', "D4"));
    EXPECT_TRUE(host.events.empty());
    // Another game's header and moves, then a listing line "15(W):" that
    // carries the number 5 of our next move's key only as a substring, and
    // a move line without its header.
    host.moves = 5;
    Feed(NngsMoveLines(7, 5, 'W', "C3") + "15  15(W): Q16\r\n");
    EXPECT_TRUE(host.events.empty());
    // The header of our game, then move 5 as White: played.
    Feed(NngsMoveLines(3, 5, 'W', "Q16"));
    EXPECT_EQ(host.events, std::vector<std::string>{"move 5 16,4 Q16"});
    // A number written with more blanks is the same number; a wrong colour
    // is not our move.
    host.events.clear();
    Feed(NngsMoveLines(3, 6, 'W', "C3") + NngsMoveLines(3, 6, 'B', "C3"));
    EXPECT_EQ(host.events, std::vector<std::string>{"move 6 3,17 C3"});
    // "Pass" only as the line's move; a point off the board is reported.
    host.events.clear();
    Feed(NngsMoveLines(3, 7, 'W', "Pass") + NngsMoveLines(3, 8, 'B', "Z9") + NngsMoveLines(3, 8, 'B', "Handicap 2"));
    EXPECT_EQ(host.events, (std::vector<std::string>{"move 7 0,0 Pass", "unreadable Z9", "unreadable Handicap"}));
}

TEST_F(NngsProtocolTest, TellsAndShoutsNeverActOnTheGame)
{
    Match();
    host.moves = 5;
    const std::string noise =
        "24 *carol*: 5(W): Pass\r\n"
        "24 *carol*: bob has resigned the game.\r\n"
        "21 !dave!: You can check your score with the score command, type 'done' when finished.\r\n"
        "9 Creating match [3] with bob.\r\n"
        "19 bob: Pass\r\n"
        "5(W): Pass\r\n"
        "9 {Game 12: x vs y : Black resigns.}\r\n"
        "9 carol has resigned the game.\r\n";
    Feed(noise);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(protocol.State(), TNngsProtocol::TState::Playing);
    // The server's own notices end it: counting, then bob's resignation
    // (the server also writes it after counting).
    Feed("9 You can check your score with the score command, type 'done' when finished.\r\n1 7\r\n");
    EXPECT_EQ(host.events, std::vector<std::string>{"counting"});
    Feed("9 bob has resigned the game.\r\n9 {Game 3: bob vs me : White resigns.}\r\n");
    EXPECT_EQ(host.events, (std::vector<std::string>{"counting", "resigned B"}));
    EXPECT_EQ(protocol.State(), TNngsProtocol::TState::Idle);
    // After the end nothing of that game acts any more.
    Feed(NngsMoveLines(3, 5, 'W', "D4") + "9 bob has resigned the game.\r\n");
    EXPECT_EQ(host.events.size(), 2U);
}

TEST(NngsLines, ClosingLinesGiveTheGameAndHowItEnded)
{
    struct Case {
        const char* text;
        int game;       // -1: not a closing line
        const char* end;
    };
    const Case cases[] = {
        {"{Game 1: gnubot vs alice : White resigns.}", 1, "resigned B"},
        {"{Game 7: gnubot vs alice : Black resigns.}", 7, "resigned W"},
        // A counted game says "resigns" too: the count decides.
        {"{Game 2: gnubot vs alice : Black resigns. W 22.5 B 1.0}", 2, "counted W W 22.5 B 1.0"},
        {"{Game 2: gnubot vs alice : White resigns. W 6.5 B 81.0}", 2, "counted B W 6.5 B 81.0"},
        {"{Game 5: a vs b : Black resigns. W 6.0 B 6.0}", 5, "counted - W 6.0 B 6.0"},
        {"{Game 2: gnubot vs alice : has adjourned.}", 2, "adjourned -"},
        {"{Game 3: gnubot vs alice : Black forfeits on time.}", 3, "on time W"},
        {"{Game 4: gnubot vs alice : something new.}", 4, "other - something new."},
        {"{Game x: a vs b : White resigns.}", -1, ""},
        {"{Game 4: a vs b White resigns.}", -1, ""},
        {"{Game 4: a vs b : White resigns.", -1, ""},
        {"Game 4: a vs b : White resigns.}", -1, ""},
    };
    for (const Case& c : cases) {
        int game = -1;
        TNngsEnd end;
        const bool ok = NngsParseClosing(c.text, game, end);
        EXPECT_EQ(ok ? game : -1, c.game) << c.text;
        if (ok) {
            EXPECT_EQ(EndText(end), c.end) << c.text;
        }
    }
    std::string white, black;
    ASSERT_TRUE(NngsParsePlayers("Game 3 I: bob (0 2400 -1) vs me (0 2400 -1)", white, black));
    EXPECT_EQ(white, "bob");
    EXPECT_EQ(black, "me");
}

TEST_F(NngsProtocolTest, EveryWayOurGameEndsOnTheServerEndsItHere)
{
    struct Case {
        const char* lines;
        const char* end;
    };
    // We are "me", Black, against bob (White) in game 3.
    const Case cases[] = {
        {"9 bob has resigned the game.\r\n21 {Game 3: bob vs me : White resigns.}\r\n", "resigned B"},
        {"21 {Game 3: bob vs me : White resigns.}\r\n", "resigned B"},
        // Our own resignation, typed in the window.
        {"9 me has resigned the game.\r\n21 {Game 3: bob vs me : Black resigns.}\r\n", "resigned W"},
        {"20 bob (W:O): 22.5 to me (B:#): 1.0\r\n21 {Game 3: bob vs me : Black resigns. W 22.5 B 1.0}\r\n",
         "counted W W 22.5 B 1.0"},
        {"9 Game has been adjourned.\r\n21 {Game 3: bob vs me : has adjourned.}\r\n", "adjourned -"},
        {"21 {Game 3: bob vs me : Black forfeits on time.}\r\n", "on time W"},
    };
    for (const Case& c : cases) {
        TFakeHost h;
        TNngsProtocol p(h);
        p.SetTransport(&wire);
        ASSERT_TRUE(p.RequestMatch("bob", true, 19));
        p.Receive("9 Creating match [3] with bob.\r\n" + NngsMoveLines(3, 0, 'B', "D4"));
        h.events.clear();
        // Another game's closing line and resignation are not ours.
        p.Receive("21 {Game 8: carol vs dave : White resigns.}\r\n9 carol has resigned the game.\r\n");
        EXPECT_TRUE(h.events.empty()) << c.lines;
        p.Receive(c.lines);
        EXPECT_EQ(h.events, std::vector<std::string>{c.end}) << c.lines;
        EXPECT_EQ(p.State(), TNngsProtocol::TState::Idle);
    }
}

TEST_F(NngsProtocolTest, AnErrorAnswerToOurMoveIsReported)
{
    Match();
    wire.Take();
    host.moves = 1;
    // An error to a command the user typed is only shown.
    ASSERT_TRUE(protocol.SendLine("stats"));
    Feed("5 stats: Unknown command.\r\n1 5\r\n");
    EXPECT_TRUE(host.events.empty());
    // The answer to our move.
    ASSERT_TRUE(protocol.SendMove(8, 13, 19));
    EXPECT_EQ(wire.Take(), "stats\rh07\r");
    Feed("5 h07: Unknown command.\r\n1 5\r\n");
    EXPECT_EQ(host.events, std::vector<std::string>{"refused h07: Unknown command."});
    // The prompt after an accepted move ends the wait for an answer.
    host.events.clear();
    ASSERT_TRUE(protocol.SendMove(4, 16, 19));
    Feed("1 6\r\n5 stats: Unknown command.\r\n");
    EXPECT_TRUE(host.events.empty());
}

TEST_F(NngsProtocolTest, AConversationActsTheSameHoweverItIsCut)
{
    const std::string conversation =
        "9 Match [3] with bob in 40 accepted.\r\n9 Creating match [3] with bob.\r\n"
        "15 Game 3 I: bob (0 2400 -1) vs me (0 2400 -1)\n1 6\r"
        + NngsMoveLines(3, 0, 'B', "D4") + "24 *bob*: 1(W): Pass\n" + NngsMoveLines(3, 1, 'W', "Q16") + NngsMoveLines(3, 2, 'B', "Pass")
        + NngsMoveLines(3, 3, 'W', "Pass") + "\r\n\n"
        + "9 You can check your score with the score command, type 'done' when finished.\r\n";
    std::vector<std::string> expected;
    for (std::size_t chunk : {0, 1, 2, 3, 7, 64}) {
        TFakeHost h;
        TNngsProtocol p(h);
        p.SetTransport(&wire);
        ASSERT_TRUE(p.RequestMatch("bob", false, 19));
        for (std::size_t i = 0; i < conversation.size(); i += chunk == 0 ? conversation.size() : chunk)
            p.Receive(conversation.substr(i, chunk == 0 ? std::string::npos : chunk));
        if (chunk == 0) {
            expected = h.events;
            // The match notice and the first move in one read: both act.
            EXPECT_EQ(expected, (std::vector<std::string>{"match 3 bob", "move 0 4,16 D4", "move 1 16,4 Q16",
                                                          "move 2 0,0 Pass", "move 3 0,0 Pass", "counting"}));
            // CR LF, LF and CR each end one line; no line is lost or doubled.
            EXPECT_EQ(h.memo.size(), 22U);
        } else {
            EXPECT_EQ(h.events, expected) << "reads of " << chunk << " bytes";
        }
        EXPECT_FALSE(h.tailOpen);
    }
}

TEST_F(NngsProtocolTest, LongLinesAreShownButNeverLookedAt)
{
    Match();
    host.moves = 1;
    // A 20 KB tell holding a header and a move line, then our move.
    const std::string big = "24 *carol*: 15 Game 3 I: " + std::string(20000, 'x') + " 15   1(W): D4";
    Feed(big + "\r\n" + NngsMoveLines(3, 1, 'W', "C3"), 1000);
    EXPECT_EQ(host.events, std::vector<std::string>{"move 1 3,17 C3"});
    // A line longer than 64 KiB is cut: its head shows as one line, the rest
    // up to its end is dropped, and the next line is read as ever.
    host.memo.clear();
    Feed(std::string(70000, 'y') + "15   2(B): D4\r\n" + NngsMoveLines(3, 2, 'B', "E5"), 4096);
    ASSERT_GE(host.memo.size(), 2U);
    EXPECT_EQ(host.memo[0].size(), kNngsLineMax);
    EXPECT_EQ(host.events.back(), "move 2 5,15 E5");
    EXPECT_EQ(host.events.size(), 2U);
}

TEST_F(NngsProtocolTest, APromptLeftOpenIsShownAndAnsweredOnItsLine)
{
    Feed("Welcome\r\nLog");
    Feed("in: ");
    EXPECT_EQ(host.memo, (std::vector<std::string>{"Welcome", "Login: "}));
    EXPECT_TRUE(host.tailOpen);
    protocol.SendLine("guest", true);
    EXPECT_EQ(wire.writes, (std::vector<std::string>{"guest", "\r"}));
    // The server ends the prompt's line later: it is not shown twice.
    Feed("\r\n1 1\r\n");
    EXPECT_EQ(host.memo, (std::vector<std::string>{"Welcome", "Login: ", "guest", "1 1"}));
    EXPECT_GE(host.handled, 3);
}

TEST_F(NngsProtocolTest, DoneGoesOnceAndTheConnectionsEventsReachTheHost)
{
    Match();
    wire.Take();
    protocol.SendDone();
    protocol.SendDone();
    EXPECT_EQ(wire.Take(), "done\r");
    protocol.Opened("nngs.local");
    protocol.Failed(1, "Connection refused");
    Language = lgEnglish;
    protocol.Failed(2, "");
    EXPECT_EQ(host.events, (std::vector<std::string>{"open nngs.local", "closed 通信エラー 1 (Connection refused)",
                                                     "closed Communication error 2"}));
    EXPECT_EQ(protocol.State(), TNngsProtocol::TState::Idle);
}

} // namespace
} // namespace vorn::test

// The TCP game protocol without sockets: the message codec, taking messages
// off a byte stream however it is cut, the hand-shake between two link
// objects, and what a hostile or broken peer may send.
#include <clocale>
#include <string>
#include <vector>

#include "TcpUtil.h"

namespace vorn::test {
namespace {

// --- Codec ---------------------------------------------------------------------

TEST(TcpCodec, MovesRecordsKomiAndNumbers)
{
    struct MoveCase {
        int x, y;
        const char* text;
    };
    for (const MoveCase& c : {MoveCase{4, 16, "MV0416"}, {0, 0, "MV0000"}, {3, 12, "MV0312"}, {10, 1, "MV1001"},
                              {19, 19, "MV1919"}}) {
        EXPECT_EQ(TcpMoveText(c.x, c.y), c.text);
        Point p;
        ASSERT_TRUE(TcpMoveParse(std::string(c.text).substr(2), p)) << c.text;
        EXPECT_EQ(p, Point(c.x, c.y));
    }
    Point p;
    for (const char* bad : {"", "041", "04161", "04a6", " 416", "-416"})
        EXPECT_FALSE(TcpMoveParse(bad, p)) << bad;

    // A record of (4, 4), a pass and (16, 17) both ways; the empty record.
    const std::vector<Point> record = {{4, 4}, kPass, {16, 17}};
    EXPECT_EQ(TcpKifuText(record), "KFddttpq");
    EXPECT_EQ(TcpKifuText({}), "KFNO");
    std::vector<Point> moves;
    std::string why;
    ASSERT_TRUE(TcpKifuParse("ddttpq", 19, moves, why));
    EXPECT_EQ(moves, record);

    struct KifuCase {
        std::string arg;
        int size;
        int moves;  // -1: refused
    };
    const KifuCase kifu[] = {
        {"ddt", 19, 1},    // an odd last letter is ignored
        {"ss", 19, 1},     // (19, 19)
        {"ee", 9, 1},      {"jj", 9, -1},  // (10, 10) lies off a 9x9 board
        {"ta", 19, -1},    // only "tt" is a pass
        {"uu", 19, -1},    {"dD", 19, -1}, {"d`", 19, -1},
        {std::string(1200, 't'), 19, 600},   // the record's capacity
        {std::string(1202, 't'), 19, -1},
    };
    for (const KifuCase& c : kifu) {
        const bool ok = TcpKifuParse(c.arg, c.size, moves, why);
        EXPECT_EQ(ok ? static_cast<int>(moves.size()) : -1, c.moves) << c.arg.substr(0, 8);
        if (!ok) {
            EXPECT_FALSE(why.empty());
        }
    }

    struct KomiCase {
        float komi;
        const char* text;
    };
    for (const KomiCase& c : {KomiCase{6.5f, "6.5"}, {0.0f, "0"}, {-0.0f, "0"}, {-3.5f, "-3.5"}, {7.0f, "7"},
                              {0.5f, "0.5"}}) {
        EXPECT_EQ(TcpKomiText(c.komi), c.text);
        float k = 99;
        ASSERT_TRUE(TcpKomiParse(c.text, k)) << c.text;
        EXPECT_EQ(k, c.komi);
    }
    float k = 0;
    EXPECT_TRUE(TcpKomiParse("+5.5", k));
    EXPECT_EQ(k, 5.5f);
    for (const char* bad : {"", "abc", "6,5", "nan", "inf", "1e5", "6.5x", "9999", " 6.5"})
        EXPECT_FALSE(TcpKomiParse(bad, k)) << bad;
    // A locale with a decimal comma changes nothing on the wire.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(TcpKomiText(6.5f), "6.5");
        EXPECT_TRUE(TcpKomiParse("6.5", k));
        std::setlocale(LC_NUMERIC, "C");
    }

    int n = 0;
    EXPECT_TRUE(TcpNumberParse("19", n));
    EXPECT_EQ(n, 19);
    for (const char* bad : {"", "1a", "1234", "-1", "+9"})
        EXPECT_FALSE(TcpNumberParse(bad, n)) << bad;
}

// --- One link and a scripted peer ------------------------------------------------

// A link whose user confirmed the game dialog after the peer's: it drives
// the set-up and has sent "??RD".
struct TDriver {
    TFakeHost h;
    TRecordingTransport w;
    TTcpProtocol p{h};
    explicit TDriver(bool black = false)
    {
        p.SetTransport(&w);
        h.ready = true;
        h.black = black;
        p.SetupStart();
    }
};

class TcpProtocolTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        Language = lgEnglish;
        link.SetTransport(&wire);
    }
    // The peer's bytes in pieces of the given size (0: all at once), then
    // the quiet time after them.
    void Feed(const std::string& bytes, std::size_t piece = 0)
    {
        if (piece == 0)
            piece = bytes.size();
        for (std::size_t i = 0; i < bytes.size(); i += piece)
            link.Receive(bytes.substr(i, piece));
        link.Flush();
    }
    // This side drives a set-up: its dialog confirmed after the peer's.
    void StartDriving()
    {
        host.ready = true;
        link.SetupStart();
        ASSERT_EQ(wire.Take(), std::vector<std::string>{"??RD"});
    }

    TFakeHost host;
    TRecordingTransport wire;
    TTcpProtocol link{host};
};

TEST_F(TcpProtocolTest, AnswersOfTheAnsweringSideInThePartsOrder)
{
    host.size = 13;
    host.teai = 3;
    host.komi = 0.5f;
    host.black = true;
    host.moves = {{4, 4}, kPass, {10, 11}};
    Feed("??NM");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"NMAlice"});
    Feed("??RD");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"NGRD"});
    host.ready = true;
    Feed("??RD");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"OKRD"});
    // All queries at once, cut into single bytes: each is answered in turn.
    Feed("??CO??SZ??HA??KM??KF??ST", 1);
    EXPECT_EQ(wire.Take(), (std::vector<std::string>{"COBL", "SZ13", "HA3", "KM0.5", "KFddttjk", "OKST"}));
    EXPECT_TRUE(host.running);
    // The set-up is over: a second "??ST" starts nothing and reads nothing.
    host.running = false;
    Feed("??ST??KF");
    EXPECT_TRUE(wire.Take().empty());
    EXPECT_FALSE(host.running);
}

TEST_F(TcpProtocolTest, TheDrivingSideTakesThePeersSetUpHoweverTheStreamIsCut)
{
    // The peer's answers and its first move, as they may arrive: at once,
    // byte by byte, or in odd pieces ("OKST" and "MV0303" in one read too).
    std::string record;
    for (int i = 1; i <= 29; ++i)
        record += std::string{static_cast<char>('a' + (i - 1) % 9), static_cast<char>('a' + (i - 1) / 9)};
    record += "tt";
    // The peer plays White; after 30 moves of a handicap game White is to move.
    const std::string stream = "OKRDCOWHSZ9HA2KM0.5KF" + record + "OKSTMV0909";
    for (std::size_t piece : {0, 1, 2, 3, 7, 64}) {
        TDriver d(true);
        auto& [h, w, p] = d;
        for (std::size_t i = 0; i < stream.size(); i += piece == 0 ? stream.size() : piece)
            p.Receive(stream.substr(i, piece == 0 ? stream.size() : piece));
        p.Flush();
        EXPECT_EQ(w.Take(), (std::vector<std::string>{"??RD", "??CO", "??SZ", "??HA", "??KM", "??KF", "??ST"}))
            << piece;
        EXPECT_EQ(h.size, 9);
        EXPECT_EQ(h.teai, 2);
        EXPECT_EQ(h.komi, 0.5f);
        ASSERT_EQ(h.moves.size(), 31u) << piece;
        EXPECT_EQ(h.moves[0], Point(1, 1));
        EXPECT_EQ(h.moves[28], Point(2, 4));
        EXPECT_EQ(h.moves[29], kPass);
        EXPECT_EQ(h.moves[30], Point(9, 9)) << "the move that came with OKST, piece " << piece;
        EXPECT_TRUE(h.running);
        EXPECT_TRUE(h.messages.empty());
    }
}

TEST_F(TcpProtocolTest, NumbersAndFreeTextsWaitForTheQuietLine)
{
    StartDriving();
    Feed("OKRDCOBL");
    EXPECT_EQ(wire.Take(), (std::vector<std::string>{"??CO", "??SZ"}));
    // "SZ1" may go on: nothing is taken until the line is quiet.
    link.Receive("SZ1");
    link.Receive("9");
    EXPECT_TRUE(link.Pending());
    EXPECT_TRUE(wire.Take().empty());
    link.Flush();
    EXPECT_EQ(host.size, 19);
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"??HA"});
    // A name cut into three reads is one name.
    for (const char* piece : {"NM", "Bo", "b"})
        link.Receive(piece);
    EXPECT_EQ(link.PeerName(), "");
    link.Flush();
    EXPECT_EQ(link.PeerName(), "Bob");
    // "KFN" may still become "KFNO".
    host.moves = {{3, 3}};
    Feed("HA0KM6.5");
    EXPECT_EQ(wire.Take(), (std::vector<std::string>{"??KM", "??KF"}));
    link.Receive("KFN");
    EXPECT_TRUE(wire.Take().empty());
    link.Receive("O");
    EXPECT_TRUE(host.moves.empty()) << "KFNO: the game starts anew";
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"??ST"});
}

TEST_F(TcpProtocolTest, ARecordOfSixHundredMovesArrivesWhole)
{
    // 300 points and 300 passes, in pieces as TCP may cut them.
    std::string pairs;
    for (int i = 0; i < 300; ++i)
        pairs += std::string{static_cast<char>('a' + i % 19), static_cast<char>('a' + i / 19), 't', 't'};
    for (int extra : {0, 1}) {
        TDriver d;
        auto& [h, w, p] = d;
        const std::string stream = "OKRDCOBLSZ19HA0KM6.5KF" + pairs + (extra ? "tt" : "") + "OKST";
        for (std::size_t i = 0; i < stream.size(); i += 100)
            p.Receive(stream.substr(i, 100));
        p.Flush();
        if (extra == 0) {
            EXPECT_EQ(h.moves.size(), 600u);
            EXPECT_TRUE(h.running);
        } else {
            EXPECT_TRUE(h.moves.empty());
            EXPECT_FALSE(h.running);
            ASSERT_EQ(h.messages.size(), 1u);
            EXPECT_NE(h.messages[0].find("600"), std::string::npos);
            EXPECT_EQ(h.setupFailures, 1);
        }
    }
}

TEST_F(TcpProtocolTest, TheColourCheckNeedsExactlyOneBlack)
{
    struct Case {
        bool localBlack;
        const char* answer;
        bool fits;
    };
    for (const Case& c : {Case{true, "COWH", true}, {false, "COBL", true}, {true, "COBL", false},
                          {false, "COWH", false}, {true, "COxx", true}}) {
        TDriver d(c.localBlack);
        auto& [h, w, p] = d;
        p.Receive(std::string("OKRD") + c.answer);
        EXPECT_EQ(w.Take().back(), c.fits ? "??SZ" : "??CO") << c.answer;
        EXPECT_EQ(h.setupFailures, c.fits ? 0 : 1);
        if (!c.fits) {
            EXPECT_EQ(h.messages, std::vector<std::string>{"Setting of coloring boad is incorrect"});
            EXPECT_EQ(p.Awaited(), "");
        }
    }
    Language = lgJapanese;
    StartDriving();
    host.black = true;
    link.Receive("OKRDCOBL");
    EXPECT_EQ(host.messages, std::vector<std::string>{"色の設定が違います"});
}

TEST_F(TcpProtocolTest, ASetUpThePeerCannotHaveStopsWithAMessage)
{
    struct Case {
        const char* answers;
        int size, teai;
    };
    const Case cases[] = {
        {"SZ25", 19, 0},  {"SZ", 19, 0},       {"SZ0", 19, 0},      {"SZ9HA99", 9, 0},
        {"SZ9HA12", 9, 0}, {"SZ19HA12KMabc", 19, 12}, {"SZ9HA0KMnan", 9, 0},
        {"SZ9HA0KM6.5KFjj", 9, 0},  // (10, 10) lies off the board
    };
    for (const Case& c : cases) {
        TDriver d;
        auto& [h, w, p] = d;
        p.Receive(std::string("OKRDCOBL") + c.answers);
        p.Flush();
        EXPECT_EQ(h.messages.size(), 1u) << c.answers;
        EXPECT_EQ(h.setupFailures, 1) << c.answers;
        EXPECT_EQ(p.Awaited(), "") << c.answers;
        EXPECT_EQ(h.size, c.size) << c.answers;
        EXPECT_EQ(h.teai, c.teai) << c.answers;
        EXPECT_FALSE(h.running);
        // The set-up stopped: a late "OKST" starts nothing.
        p.Receive("OKST");
        EXPECT_FALSE(h.running) << c.answers;
    }
    // A record move the board refuses stops the set-up too.
    StartDriving();
    host.black = true;
    Feed("OKRDCOWHSZ19HA0KM6.5KFdddd");
    EXPECT_EQ(host.setupFailures, 1);
    EXPECT_EQ(host.messages, std::vector<std::string>{"occupied"});
}

TEST_F(TcpProtocolTest, SetUpMessagesOutsideALocalSetUpAreIgnored)
{
    host.moves = {{5, 5}};
    // Not ready: the peer may neither read the game nor start one.
    for (const char* m : {"??CO", "??KF", "??ST", "OKRD", "COBL", "SZ9", "KFaa", "KFNO", "OKST"})
        Feed(m);
    EXPECT_TRUE(wire.Take().empty());
    EXPECT_FALSE(host.running);
    EXPECT_EQ(host.size, 19);
    EXPECT_EQ(host.moves, (std::vector<Point>{{5, 5}}));
    // Ready, but the peer never asked "??RD": still nothing.
    host.ready = true;
    Feed("??KF??ST");
    EXPECT_TRUE(wire.Take().empty());
    EXPECT_FALSE(host.running);
    // Driving, an answer out of turn is no answer.
    link.SetupStart();
    wire.Take();
    Feed("OKST");
    Feed("SZ9");
    EXPECT_FALSE(host.running);
    EXPECT_EQ(host.size, 19);
    EXPECT_EQ(link.Awaited(), "RD");
}

TEST_F(TcpProtocolTest, APeersMoveIsPlayedOnlyInTurnAndOnlyOnTheBoard)
{
    // No game: nothing happens.
    Feed("MV0404");
    EXPECT_TRUE(host.moves.empty());
    EXPECT_TRUE(host.messages.empty());
    // The local side (Black) is to move: a move from the peer is ignored.
    host.running = true;
    host.black = true;
    Feed("MV0404");
    EXPECT_TRUE(host.moves.empty());
    host.Play({3, 3});
    Feed("MV0404MV0505");  // the second comes out of turn
    EXPECT_EQ(host.moves, (std::vector<Point>{{3, 3}, {4, 4}}));
    EXPECT_TRUE(host.messages.empty());

    struct Case {
        const char* message;
        const char* named;  // what the report names
    };
    for (const Case& c : {Case{"MV2020", "<20,20>"}, {"MV0020", "<0,20>"}, {"MV0400", "<4,0>"},
                          {"MV0303", "refused"}}) {
        host.running = true;
        host.moves = {{3, 3}};
        host.refuseNext = std::string(c.message) == "MV0303";  // the board says occupied
        host.messages.clear();
        host.stops = 0;
        Feed(c.message);
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_NE(host.messages[0].find(c.named), std::string::npos) << host.messages[0];
        EXPECT_NE(host.messages[0].find("stopped"), std::string::npos) << host.messages[0];
        EXPECT_EQ(host.stops, 1) << c.message;
        EXPECT_EQ(host.moves.size(), 1u);
    }
    // Letters where the digits go: no move at all, only its head, dropped.
    host.running = true;
    host.messages.clear();
    host.stops = 0;
    Feed("MVab12");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.stops, 0);
    EXPECT_EQ(host.moves.size(), 1u);
}

TEST(TcpCodec, TheHeadOfTheStreamIsFramedByItsCommand)
{
    using K = TTcpFrame;
    struct Case {
        std::string bytes;
        TTcpFrame::TKind kind;
        std::size_t length;  // Whole: the message; Unknown: the bytes skipped
    };
    const Case cases[] = {
        {"", K::Empty, 0},
        {"M", K::Partial, 0},        // may become "MV"
        {"MV04", K::Partial, 0},     // a move is six bytes
        {"MV0416", K::Whole, 6},
        {"??N", K::Partial, 0},
        {"??NMCMhi", K::Whole, 4},
        {"KFN", K::Partial, 0},      // "KFNO" is four bytes
        {"KFddpp", K::Open, 0},      // the record may go on
        {"SZ19MV", K::Whole, 4},
        {"CMhello", K::Open, 0},
        {"\x01zzMV0606", K::Unknown, 3},  // up to the move
        {"xMV0606", K::Unknown, 1},
        {"Mx", K::Unknown, 2},
        {"zzz", K::Unknown, 3},
        {"zzM", K::Unknown, 2},      // the last byte may begin a command
        {"zzCMhiMV0101", K::Unknown, 6},  // a chat starts only where a message can
    };
    for (const Case& c : cases) {
        const TTcpFrame f = TcpFrame(c.bytes);
        EXPECT_EQ(f.kind, c.kind) << c.bytes;
        if (c.kind == K::Whole || c.kind == K::Unknown)
            EXPECT_EQ(f.length, c.length) << c.bytes;
    }
}

TEST_F(TcpProtocolTest, AMessageCutShortWaitsForItsRestAndGarbageIsSkipped)
{
    host.running = true;
    host.black = true;
    host.Play({3, 3});
    // The quiet line does not cut a move in two.
    link.Receive("MV04");
    link.Flush();
    EXPECT_EQ(host.moves.size(), 1u);
    EXPECT_TRUE(host.messages.empty());
    link.Receive("16");
    EXPECT_EQ(host.moves, (std::vector<Point>{{3, 3}, {4, 16}}));
    // Nor a query.
    link.Receive("??N");
    link.Flush();
    EXPECT_TRUE(wire.Take().empty());
    link.Receive("M");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"NMAlice"});
    // Unknown bytes glued to a move: the move is played at once.
    host.Play({5, 5});
    link.Receive("\x01zzMV0606");
    EXPECT_EQ(host.moves.back(), Point(6, 6));
    EXPECT_FALSE(link.Pending());
    // A head that never completes is dropped after the long silence, with a line.
    host.Play({7, 7});
    link.Receive("MV08");
    link.Flush();
    EXPECT_TRUE(link.Pending());
    link.Expire();
    EXPECT_FALSE(link.Pending());
    ASSERT_EQ(host.memo.size(), 1u);
    EXPECT_EQ(host.memo[0], "The opponent's message stopped short and was dropped: \"MV08\"");
    // What follows is read from a clean start.
    link.Receive("MV0809");
    EXPECT_EQ(host.moves.back(), Point(8, 9));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.stops, 0);
}

TEST_F(TcpProtocolTest, AHeadCutShortGivesWayToTheNextMessage)
{
    host.running = true;
    host.black = true;
    host.Play({3, 3});
    // Garbage, an unknown query, and a move's head; the move itself comes
    // after a pause.  "??" cannot go on with "X", nor "MV" with "M": both
    // heads are dropped (the memo tells of the first), and the real move
    // is played.
    Feed("\x01\x02zz??XXMV");
    EXPECT_EQ(host.moves.size(), 1u);
    Feed("MV0505");
    EXPECT_EQ(host.moves, (std::vector<Point>{{3, 3}, {5, 5}}));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.stops, 0);
    ASSERT_EQ(host.memo.size(), 1u);
    EXPECT_EQ(host.memo[0], "The opponent's message stopped short and was dropped: \"??\"");
    EXPECT_FALSE(link.Pending());
    // A query's head followed by a move: no query begins "M", so the move
    // is the next message, and nothing is answered.
    host.Play({6, 6});
    Feed("??");
    Feed("MV0707");
    EXPECT_EQ(host.moves.back(), Point(7, 7));
    EXPECT_TRUE(wire.Take().empty());
    EXPECT_EQ(host.memo.back(), "The opponent's message stopped short and was dropped: \"??\"");
    EXPECT_EQ(host.stops, 0);
}

TEST_F(TcpProtocolTest, AColourAnswerCutShortGivesWayToTheMoveAfterIt)
{
    // A colour answer split over two reads is one answer.
    StartDriving();
    Feed("OKRD");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"??CO"});
    Feed("CO");
    Feed("BL");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"??SZ"});
    // In a game, a stray "CO" and, after a pause, the peer's move: "MV"
    // answers no colour, so the "CO" is dropped with a line and the move is
    // played.
    host.running = true;
    Feed("CO");
    Feed("MV0505");
    EXPECT_EQ(host.moves, std::vector<Point>{Point(5, 5)});
    EXPECT_EQ(host.memo, std::vector<std::string>{"The opponent's message stopped short and was dropped: \"CO\""});
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TcpProtocolTest, ADroppedHeadKeepsTheFirstByteOfTheNextMessage)
{
    Feed("NMBob");
    // "??" cut short, then a chat after a pause: the chat is shown whole.
    Feed("??");
    Feed("CMhello");
    // "??" cut short, then the peer's refusal: it still ends the wait.
    StartDriving();
    Feed("??");
    Feed("NGRD");
    EXPECT_EQ(link.Awaited(), "");
    EXPECT_TRUE(wire.Take().empty());
    EXPECT_EQ(host.memo, (std::vector<std::string>{"The opponent's message stopped short and was dropped: \"??\"",
                                                   "(Bob)hello",
                                                   "The opponent's message stopped short and was dropped: \"??\""}));
}

TEST_F(TcpProtocolTest, AfterAStrayByteAndAPauseAChatBeginsAfresh)
{
    Feed("NMBob");
    // A chat glued to garbage in one read is no chat.
    Feed("\x01"
         "CMhi");
    EXPECT_TRUE(host.memo.empty());
    // A stray byte alone: the socket layer waits for the quiet line, after
    // which the next message begins afresh.
    link.Receive("\x01");
    EXPECT_TRUE(link.Pending());
    link.Flush();
    EXPECT_FALSE(link.Pending());
    Feed("CMhello");
    EXPECT_EQ(host.memo, std::vector<std::string>{"(Bob)hello"});
}

TEST_F(TcpProtocolTest, DataWithoutABoundaryClosesTheConnection)
{
    for (const std::string head : {"CM", "xx", "SZ1", "KFab"}) {
        TFakeHost h;
        TRecordingTransport w;
        TTcpProtocol p{h};
        p.SetTransport(&w);
        p.Receive(head);
        const std::string chunk(4096, head == "SZ1" ? '1' : head == "KFab" ? 'c' : 'x');
        std::size_t sent = 0;
        while (w.open && sent < (1u << 20)) {
            p.Receive(chunk);
            sent += chunk.size();
        }
        EXPECT_FALSE(w.open) << head;
        EXPECT_LE(sent, kTcpBufferMax + chunk.size()) << head;
        EXPECT_FALSE(p.Pending());
        ASSERT_EQ(h.memo.size(), 1u);
        EXPECT_NE(h.memo[0].find("closed"), std::string::npos);
        EXPECT_EQ(h.status, "Disconnected") << "the closed connection leaves the status";
    }
}

TEST_F(TcpProtocolTest, ChatAndNamesTravelAsShiftJis)
{
    host.name = "碁打ち";
    Feed("??NM");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"NM\x8C\xE9\x91\xC5\x82\xBF"});
    link.Chat("こんにちは");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"CM\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD"});
    EXPECT_EQ(host.memo, std::vector<std::string>{"(碁打ち)こんにちは"});
    Feed("NM\x8E\x9F\x98\x59");  // 次郎
    Feed("CM<b>\x82\xA0</b>");
    EXPECT_EQ(link.PeerName(), "次郎");
    EXPECT_EQ(host.memo.back(), "(次郎)<b>あ</b>");
    // A name is cut to 999 bytes, never inside a character.
    Feed("NM" + std::string(1001, '\x82') + "\xA0");
    EXPECT_EQ(link.PeerName().size(), 499u * 3);
    // Nothing to send to: the memo says so.
    wire.open = false;
    host.memo.clear();
    link.Chat("hello");
    EXPECT_EQ(host.memo.size(), 2u);
    EXPECT_EQ(host.memo[0], "Not connected: nothing was sent.");
    EXPECT_EQ(host.memo[1], "(碁打ち)hello");
}

TEST_F(TcpProtocolTest, ConnectionEventsShowInStatusAndMemo)
{
    link.Connected("192.0.2.7", true);
    EXPECT_EQ(host.status, "接続先: 192.0.2.7");
    EXPECT_EQ(wire.Take(), std::vector<std::string>{"??NM"});
    link.Receive("SZ1");
    link.Disconnected();
    EXPECT_EQ(host.status, "相手が切断しました。");
    EXPECT_FALSE(link.Pending());
    EXPECT_EQ(host.stops, 0);
    link.Error(10054, "Connection reset");
    EXPECT_EQ(host.memo.back(), "通信エラーが発生しました。10054 (Connection reset)");
    EXPECT_EQ(host.stops, 1);
    // Confirming the dialog with no peer: the memo says so and the dialog
    // may be confirmed again.
    wire.open = false;
    host.ready = true;
    link.SetupStart();
    EXPECT_EQ(host.memo.back(), "Not connected: nothing was sent.");
    EXPECT_EQ(host.setupFailures, 1);
    EXPECT_EQ(link.Awaited(), "");
}

// --- Two link objects ------------------------------------------------------------------

// Two links wired back to back: every message one side sends reaches the
// other, each followed by the quiet time.
struct TWiredPair {
    TFakeHost a, b;
    TRecordingTransport wa, wb;
    TTcpProtocol la{a}, lb{b};
    TWiredPair()
    {
        a.name = "Alice";
        b.name = "Bob";
        la.SetTransport(&wa);
        lb.SetTransport(&wb);
    }
    void Pump()
    {
        for (int round = 0; round < 100; ++round) {
            const std::vector<std::string> fromA = wa.Take(), fromB = wb.Take();
            if (fromA.empty() && fromB.empty())
                return;
            for (const std::string& m : fromA) {
                lb.Receive(m);
                lb.Flush();
            }
            for (const std::string& m : fromB) {
                la.Receive(m);
                la.Flush();
            }
        }
        FAIL() << "the links never fell silent";
    }
};

TEST(TcpPair, BothDialogsConfirmedAtOnceLetTheConnectingSideDrive)
{
    TWiredPair w;
    w.la.Connected("b", true);   // A listened
    w.lb.Connected("a", false);  // B connected out
    w.Pump();
    EXPECT_EQ(w.la.PeerName(), "Bob");
    EXPECT_EQ(w.lb.PeerName(), "Alice");
    w.a.ready = w.b.ready = true;
    w.a.black = true;
    w.a.size = 9;
    w.la.SetupStart();
    w.lb.SetupStart();
    w.Pump();
    EXPECT_TRUE(w.a.running);
    EXPECT_TRUE(w.b.running);
    EXPECT_EQ(w.b.size, 9) << "B drove and took A's set-up";
    EXPECT_TRUE(w.a.messages.empty());
    EXPECT_TRUE(w.b.messages.empty());
}

} // namespace
} // namespace vorn::test

// The Go Modem Protocol as a state machine: packets, checksums and
// positions, and whole conversations with a scripted peer that keeps its
// sequence bits as GNU Go does (a new packet toggles its own bit and must
// carry our last bit; an OK keeps both).
#include <gtest/gtest.h>

#include <deque>

#include "Util.h"
#include "board/Hooks.h"
#include "net/GoComm.h"

namespace vorn::test {
namespace {

// The link around the protocol: everything it asks for, recorded.
class TRecordingHost : public TGmpHost {
public:
    void GmpWrite(const TGmpPacket& p) override { sent.push_back(p); }
    void GmpTrace(const std::string& line) override { trace.push_back(line); }
    void GmpResendTimer(bool on) override { resend = on; }
    void GmpSetupDone() override { ++setupDone; }
    void GmpSetupError(const std::string& text) override { errors.push_back(text); }
    void GmpPeerMove(int x, int y) override { moves.push_back(Point(x, y)); }
    void GmpPeerResigned() override { ++resigned; }

    // The packets sent since the last call.
    std::vector<TGmpPacket> Take()
    {
        std::vector<TGmpPacket> r;
        r.swap(sent);
        return r;
    }

    std::vector<TGmpPacket> sent;
    std::vector<std::string> trace, errors;
    std::vector<Point> moves;
    bool resend = false;
    int setupDone = 0, resigned = 0;
};

// The other program's end of the line.
struct TPeer {
    int own = 0;   // its sequence bit
    int seen = 0;  // our bit as it last saw it

    TGmpPacket Make(int cmd, int value, bool fresh)
    {
        if (fresh)
            own ^= 1;
        return GmpPacket(static_cast<std::uint8_t>(seen * 2 + own), cmd, value);
    }
    TGmpPacket Ok() { return Make(GmpCmdOk, 0x3FF, false); }
    // Takes our packet in as GNU Go does: a new one of ours must carry its
    // own bit and toggle ours; an OK must repeat both.
    void Sees(const TGmpPacket& p, bool isOk)
    {
        const int ours = p[0] & 1, theirs = (p[0] >> 1) & 1;
        EXPECT_EQ(theirs, own) << "our packet does not acknowledge the peer's last one";
        if (isOk)
            EXPECT_EQ(ours, seen) << "an OK must not change our bit";
        else
            EXPECT_NE(ours, seen) << "a new packet must change our bit";
        seen = ours;
    }
};

int Command(const TGmpPacket& p) { return (p[2] & 0x7F) >> 4; }
int Value(const TGmpPacket& p) { return (p[2] & 7) * 128 + (p[3] & 0x7F); }

class GoCommTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        BoardSize = 9;
        Handicap = 0;
        Language = lgEnglish;
    }
    void Feed(const TGmpPacket& p) { gmp.Receive(p.data(), 4); }
    void Feed(const std::vector<std::uint8_t>& bytes) { gmp.Receive(bytes.data(), static_cast<int>(bytes.size())); }
    // The one packet our side answered with, checked as the peer sees it.
    TGmpPacket Answer(bool isOk = false)
    {
        std::vector<TGmpPacket> s = host.Take();
        EXPECT_EQ(s.size(), 1u);
        if (s.empty())
            return {};
        peer.Sees(s[0], isOk);
        return s[0];
    }

    TRecordingHost host;
    TGoComm gmp{host};
    TPeer peer;
};

TEST_F(GoCommTest, ChecksumAndPositions)
{
    EXPECT_EQ(GmpChecksum(0x01, 0xA0, 0x80), 0xA1);
    EXPECT_EQ(GmpChecksum(0x03, 0xFF, 0xFF), 0x81);  // the sum wraps at 128
    EXPECT_EQ(GmpChecksum(0x00, 0x87, 0xFF), 0x86);

    const struct {
        int x, y, n, p;
    } cases[] = {{4, 16, 19, 61}, {19, 1, 19, 361}, {1, 19, 19, 1}, {0, 0, 19, 0}, {1, 9, 9, 1}, {9, 1, 9, 81},
                 {5, 5, 9, 41},   {13, 13, 13, 13}};
    for (const auto& c : cases) {
        EXPECT_EQ(GmpPosition(c.x, c.y, c.n), c.p) << c.x << "," << c.y;
        if (c.p > 0) {
            int x = 0, y = 0;
            GmpPoint(c.p, c.n, x, y);
            EXPECT_EQ(Point(x, y), Point(c.x, c.y)) << "p " << c.p;
        }
    }
    // Every point of every board goes there and back.
    for (int n : {9, 13, 19})
        for (int y = 1; y <= n; ++y)
            for (int x = 1; x <= n; ++x) {
                int px = 0, py = 0;
                GmpPoint(GmpPosition(x, y, n), n, px, py);
                ASSERT_EQ(Point(px, py), Point(x, y)) << n;
            }
}

TEST_F(GoCommTest, MovePacketsAndTheirTrace)
{
    BoardSize = 19;
    gmp.SendMove(4, 16, kKuro);
    gmp.SendMove(4, 16, kSiro);
    gmp.SendMove(0, 0, kKuro);
    gmp.SendMove(19, 1, kSiro);
    const std::vector<TGmpPacket> s = host.Take();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ((TGmpPacket{0x01, GmpChecksum(0x01, 0xD0, 0xBD), 0xD0, 0xBD}), s[0]);
    EXPECT_EQ(s[1][2], 0xD4);
    EXPECT_EQ(s[1][3], 0xBD);
    EXPECT_EQ(s[2][2], 0xD0);  // a pass
    EXPECT_EQ(s[2][3], 0x80);
    EXPECT_EQ(Value(s[3]), 0x200 + 361);
    EXPECT_EQ(host.trace[0], GmpTraceText(s[0], " ---> Send Data(4,16)"));
    EXPECT_EQ(host.trace[2], GmpTraceText(s[2], " ---> Send Data(0,0)"));
    EXPECT_TRUE(host.resend);
}

TEST_F(GoCommTest, OurNewGameAndTheQueriesGnuGoAsks)
{
    // The engine plays Black, the peer White: our side starts.
    PlayerKind[kKuro] = pkComputer;
    PlayerKind[kSiro] = pkSerial;
    gmp.SendNewGame();
    ASSERT_EQ(host.trace.size(), 1u);
    EXPECT_EQ(host.trace[0], "01 a1 a0 80  ---> Send Data");
    Answer();
    EXPECT_EQ(gmp.GmpNewGamePending, 1);
    EXPECT_TRUE(host.resend);

    // GNU Go asks rules, size, handicap and colour, each answer
    // acknowledging the query, then closes with an OK.
    const struct {
        int query, answer;
    } queries[] = {{7, 1}, {9, 9}, {8, 1}, {11, 2}};
    for (const auto& q : queries) {
        Feed(peer.Make(GmpCmdQuery, q.query, true));
        const TGmpPacket a = Answer();
        EXPECT_EQ(Command(a), GmpCmdAnswer) << q.query;
        EXPECT_EQ(Value(a), q.answer) << q.query;
        EXPECT_TRUE(host.resend);
    }
    EXPECT_EQ(host.setupDone, 0);
    Feed(peer.Ok());
    EXPECT_FALSE(host.resend) << "the OK stops the resend of our answer";
    EXPECT_EQ(host.setupDone, 1);
    EXPECT_EQ(gmp.GmpNewGamePending, 0);
    EXPECT_TRUE(host.Take().empty()) << "an OK is not answered";
    // The same OK once more changes nothing.
    Feed(peer.Ok());
    EXPECT_EQ(host.setupDone, 1);

    // Our first move, the peer's OK and its answer.
    gmp.SendMove(3, 3, kKuro);
    Answer();
    Feed(peer.Ok());
    Feed(peer.Make(GmpCmdMove, 0x200 | GmpPosition(7, 7, 9), true));
    const TGmpPacket ok = Answer(true);
    EXPECT_EQ(ok[2], 0x87);
    EXPECT_EQ(ok[3], 0xFF);
    ASSERT_EQ(host.moves.size(), 1u);
    EXPECT_EQ(host.moves[0], Point(7, 7));
    EXPECT_EQ(host.trace.back(), GmpTraceText(gmp.GmpSendPacket, " ---> Send Data OK"));
    EXPECT_EQ(host.trace[host.trace.size() - 2], "Match player white 7 , 7");
}

TEST_F(GoCommTest, ThePeersNewGameIsAnsweredByTheColourAndHandicapQueries)
{
    PlayerKind[kKuro] = pkSerial;
    PlayerKind[kSiro] = pkComputer;
    Handicap = 0;
    Feed(peer.Make(GmpCmdNewGame, 0, true));
    TGmpPacket q = Answer();
    EXPECT_EQ(Command(q), GmpCmdQuery);
    EXPECT_EQ(Value(q), GmpQueryColor);
    Feed(peer.Make(GmpCmdAnswer, 2, true));  // the peer plays Black
    q = Answer();
    EXPECT_EQ(Value(q), GmpQueryHandicap);
    Feed(peer.Make(GmpCmdAnswer, 1, true));  // none, said as 1
    EXPECT_EQ(Command(Answer(true)), GmpCmdOk);
    EXPECT_EQ(gmp.GmpNewGamePending, 0);
    EXPECT_EQ(host.setupDone, 0) << "the peer moves first";
    EXPECT_TRUE(host.errors.empty());

    // GNU Go then asks its own queries, and moves.
    for (const auto& [query, answer] : {std::pair{7, 1}, std::pair{9, 9}, std::pair{8, 1}}) {
        Feed(peer.Make(GmpCmdQuery, query, true));
        EXPECT_EQ(Value(Answer()), answer) << query;
    }
    Feed(peer.Make(GmpCmdMove, GmpPosition(5, 5, 9), true));
    EXPECT_EQ(Command(Answer(true)), GmpCmdOk);
    ASSERT_EQ(host.moves.size(), 1u);
    EXPECT_EQ(host.moves[0], Point(5, 5));
}

TEST_F(GoCommTest, SetUpAnswersThatDoNotFit)
{
    const struct {
        int handicap, colourAnswer, handicapAnswer;
        const char* error;  // "" when the set-up closes with our OK
    } cases[] = {
        {0, 1, 0, "Color Error"},  // the peer wants White as well
        {0, 0, 0, ""},             // the peer does not say its colour
        {0, 2, 3, "Handicap Error"},
        {3, 2, 3, ""},
        {3, 2, 1, "Handicap Error"},
        {1, 2, 1, ""},  // no handicap, said as 1 on both ends
        {1, 2, 0, ""},
    };
    for (const auto& c : cases) {
        TRecordingHost h;
        TGoComm g{h};
        TPeer p;
        Handicap = c.handicap;
        TGmpPacket pk = p.Make(GmpCmdNewGame, 0, true);
        g.Receive(pk.data(), 4);
        p.Sees(h.Take().at(0), false);
        pk = p.Make(GmpCmdAnswer, c.colourAnswer, true);
        g.Receive(pk.data(), 4);
        std::vector<TGmpPacket> s = h.Take();
        if (std::string(c.error) == "Color Error") {
            EXPECT_TRUE(s.empty());
        } else {
            p.Sees(s.at(0), false);
            pk = p.Make(GmpCmdAnswer, c.handicapAnswer, true);
            g.Receive(pk.data(), 4);
            s = h.Take();
            if (c.error[0] == '\0')
                EXPECT_EQ(Command(s.at(0)), GmpCmdOk) << c.handicap << " " << c.handicapAnswer;
            else
                EXPECT_TRUE(s.empty());
        }
        if (c.error[0] == '\0') {
            EXPECT_TRUE(h.errors.empty()) << c.handicap << " " << c.handicapAnswer;
        } else {
            ASSERT_EQ(h.errors.size(), 1u);
            EXPECT_EQ(h.errors[0], c.error);
            EXPECT_EQ(h.trace.back(), c.error);
            // The peer's resend of the same answer is a repeat: ignored.
            g.Receive(pk.data(), 4);
            EXPECT_TRUE(h.Take().empty());
        }
    }
}

TEST_F(GoCommTest, QueryTable)
{
    Handicap = 0;
    BoardSize = 9;
    PlayerKind[kKuro] = pkComputer;
    PlayerKind[kSiro] = pkComputer;
    const struct {
        int query;
        int plain, flagged;
    } table[] = {{0, 1, 15},  {1, 0, 15}, {2, 0, 15},  {3, 0, 0},  {4, 0, 0},  {5, 0, 0},   {6, 0, 0},  {7, 1, 15},
                 {8, 1, 15},  {9, 9, 15}, {10, 0, 0},  {11, 1, 15}, {12, 1, 15}, {13, 0, 0}, {200, 0, 0}, {511, 0, 0}};
    for (const auto& t : table)
        for (bool flag : {false, true}) {
            Feed(peer.Make(GmpCmdQuery, t.query | (flag ? 0x200 : 0), true));
            EXPECT_EQ(Value(Answer()), flag ? t.flagged : t.plain) << "query " << t.query << " flag " << flag;
        }
    // The variable answers.
    const struct {
        int query, handicap, size, black, white, answer;
    } answers[] = {
        {8, 4, 19, pkHuman, pkComputer, 4},   {8, 0, 13, pkHuman, pkComputer, 1},
        {9, 0, 13, pkHuman, pkComputer, 13},  {11, 0, 9, pkComputer, pkSerial, 2},
        {11, 0, 9, pkSerial, pkComputer, 1},  {11, 0, 9, pkHuman, pkSerial, 0},
    };
    for (const auto& a : answers) {
        Handicap = a.handicap;
        BoardSize = a.size;
        PlayerKind[kKuro] = a.black;
        PlayerKind[kSiro] = a.white;
        Feed(peer.Make(GmpCmdQuery, a.query, true));
        EXPECT_EQ(Value(Answer()), a.answer) << "query " << a.query;
    }
}

TEST_F(GoCommTest, RepeatsAndDenialsAreNotAnswered)
{
    const TGmpPacket q = peer.Make(GmpCmdQuery, 9, true);
    Feed(q);
    Answer();
    Feed(q);  // sent again: our answer was lost on the way
    EXPECT_TRUE(host.Take().empty());
    Feed(peer.Make(GmpCmdDeny, 0, true));
    EXPECT_TRUE(host.Take().empty());
    for (int cmd : {6, 7}) {
        Feed(peer.Make(cmd, 0, true));
        EXPECT_TRUE(host.Take().empty()) << cmd;
    }
    EXPECT_TRUE(host.moves.empty());
}

TEST_F(GoCommTest, UnansweredPacketIsSentAgainUntilAValidPacketComes)
{
    gmp.SendMove(3, 4, kKuro);
    const TGmpPacket move = Answer();
    for (int tick = 0; tick < 3; ++tick) {
        ASSERT_TRUE(host.resend);
        gmp.timSaisouTimer();
        EXPECT_EQ(host.Take(), std::vector<TGmpPacket>{move});
        EXPECT_EQ(host.trace.back(), GmpTraceText(move, " ---> ReSend Data"));
    }
    // A damaged packet changes nothing: the move keeps going out.
    TGmpPacket bad = peer.Ok();
    bad[1] ^= 0x01;
    Feed(bad);
    EXPECT_TRUE(host.resend);
    EXPECT_TRUE(host.Take().empty()) << "nothing replaces the packet waiting for its answer";
    EXPECT_EQ(host.trace.back(), "Checksum Error");
    gmp.timSaisouTimer();
    EXPECT_EQ(host.Take(), std::vector<TGmpPacket>{move});
    Feed(peer.Ok());
    EXPECT_FALSE(host.resend);
}

TEST_F(GoCommTest, PacketsAreFramedWhateverTheReadsHoldAndGarbageIsSkipped)
{
    const TGmpPacket m1 = peer.Make(GmpCmdMove, GmpPosition(3, 3, 9), true);
    // 3 bytes, then 1.
    Feed(std::vector<std::uint8_t>(m1.begin(), m1.begin() + 3));
    EXPECT_TRUE(host.moves.empty());
    Feed(std::vector<std::uint8_t>(m1.begin() + 3, m1.end()));
    ASSERT_EQ(host.moves.size(), 1u);
    peer.Sees(host.Take().at(0), true);

    // An OK and a move in one read (a reader one second late): both count.
    gmp.SendMove(4, 4, kKuro);
    peer.Sees(host.Take().at(0), false);
    const TGmpPacket ok = peer.Ok();
    const TGmpPacket m2 = peer.Make(GmpCmdMove, GmpPosition(5, 5, 9), true);
    std::vector<std::uint8_t> both(ok.begin(), ok.end());
    both.insert(both.end(), m2.begin(), m2.end());
    Feed(both);
    ASSERT_EQ(host.moves.size(), 2u);
    EXPECT_EQ(host.moves[1], Point(5, 5));
    peer.Sees(host.Take().at(0), true);

    // Noise before a packet, and a packet cut short by the start of the next.
    gmp.SendMove(6, 6, kKuro);
    peer.Sees(host.Take().at(0), false);
    Feed(peer.Ok());
    const TGmpPacket m3 = peer.Make(GmpCmdMove, GmpPosition(7, 7, 9), true);
    std::vector<std::uint8_t> noisy = {0xFF, 0x80, 0x9C, m3[0], m3[1], 0x02};
    noisy.insert(noisy.end(), {0x83, 0x87});  // a stray start and its tail...
    noisy.insert(noisy.end(), m3.begin(), m3.end());
    Feed(noisy);
    ASSERT_EQ(host.moves.size(), 3u);
    EXPECT_EQ(host.moves[2], Point(7, 7));
    EXPECT_EQ(host.Take().size(), 1u);
}

TEST_F(GoCommTest, MovePositionsFromThePeer)
{
    const struct {
        int p;
        Point expected;  // what the link is asked to play
        bool resign;
    } cases[] = {
        {0, Point(0, 0), false},   {1, Point(1, 9), false},   {81, Point(9, 1), false},
        {82, Point(1, 0), false},  // one past the board: off it
        {510, Point(6, -47), false}, {511, Point(0, 0), true},
    };
    for (const auto& c : cases) {
        TRecordingHost h;
        TGoComm g{h};
        TPeer p;
        const TGmpPacket m = p.Make(GmpCmdMove, c.p, true);
        g.Receive(m.data(), 4);
        const std::vector<TGmpPacket> s = h.Take();
        ASSERT_EQ(s.size(), 1u) << c.p;
        EXPECT_EQ(Command(s[0]), GmpCmdOk) << c.p;
        if (c.resign) {
            EXPECT_EQ(h.resigned, 1);
            EXPECT_TRUE(h.moves.empty());
        } else {
            ASSERT_EQ(h.moves.size(), 1u) << c.p;
            EXPECT_EQ(h.moves[0], c.expected) << c.p;
            EXPECT_EQ(h.resigned, 0);
        }
    }
    // The trace speaks the user's language.
    Language = lgJapanese;
    Feed(peer.Make(GmpCmdMove, GmpPosition(2, 3, 9), true));
    EXPECT_EQ(host.trace[host.trace.size() - 2], "相手は黒 2 , 3");
}

TEST_F(GoCommTest, ANewGameStartsFromClearSequenceBits)
{
    // A game left both bits at 1 and a packet half read.
    gmp.SendMove(3, 3, kKuro);
    Answer();
    Feed(peer.Make(GmpCmdMove, GmpPosition(4, 4, 9), true));
    gmp.Receive(std::vector<std::uint8_t>{0x01, 0x85}.data(), 2);
    gmp.GmpPendingQuery = GmpQueryHandicap;
    ASSERT_EQ(gmp.GmpOwnSeq, 1);
    ASSERT_EQ(gmp.GmpPeerSeq, 1);
    host.Take();

    gmp.Reset();
    EXPECT_FALSE(host.resend);
    EXPECT_EQ(gmp.GmpPendingQuery, 0);
    EXPECT_EQ(gmp.GmpRecvCount, 0);
    gmp.SendNewGame();
    EXPECT_EQ(host.trace.back(), "01 a1 a0 80  ---> Send Data");

    // A freshly started peer's first packet carries its bit 1: new to us.
    TPeer fresh;
    fresh.Sees(host.Take().at(0), false);
    Feed(fresh.Make(GmpCmdQuery, 9, true));
    EXPECT_EQ(Value(host.Take().at(0)), 9);

    // The same after a peer that started the game itself.
    gmp.Reset();
    host.Take();
    TPeer starter;
    Feed(starter.Make(GmpCmdNewGame, 0, true));
    const std::vector<TGmpPacket> s = host.Take();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(Value(s[0]), GmpQueryColor);
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST_F(GoCommTest, BothNewGamesAtOnceStillStartTheGame)
{
    // The engine plays Black, GNU Go White; both send NEWGAME at once.
    PlayerKind[kKuro] = pkComputer;
    PlayerKind[kSiro] = pkSerial;
    using Bytes = std::vector<std::uint8_t>;
    auto sent = [&] {
        std::vector<Bytes> r;
        for (const TGmpPacket& p : host.Take())
            r.emplace_back(p.begin(), p.end());
        return r;
    };
    gmp.SendNewGame();
    EXPECT_EQ(sent(), (std::vector<Bytes>{Bytes{0x01, 0xA1, 0xA0, 0x80}}));
    // The peer's NEWGAME: its bit 1, our bit as it knew it 0.  Ours goes
    // again at once, as sent.
    Feed(Bytes{0x01, 0xA1, 0xA0, 0x80});
    EXPECT_EQ(sent(), (std::vector<Bytes>{Bytes{0x01, 0xA1, 0xA0, 0x80}}));
    EXPECT_EQ(gmp.GmpNewGamePending, 1);
    // This peer keeps its own and sends it again.  Now ours gives way: the
    // colour query goes out with our bit toggled to 0 and the peer's bit 1
    // acknowledged.
    Feed(Bytes{0x01, 0xA1, 0xA0, 0x80});
    EXPECT_EQ(sent(), (std::vector<Bytes>{Bytes{0x02, 0xBD, 0xB0, 0x8B}}));
    EXPECT_EQ(gmp.GmpNewGamePending, 0);
    // The peer plays White (answer 1): fits.  The handicap query follows.
    Feed(Bytes{0x00, 0xC1, 0xC0, 0x81});
    EXPECT_EQ(sent(), (std::vector<Bytes>{Bytes{0x01, 0xB9, 0xB0, 0x88}}));
    // No handicap, said as 1: our OK closes the set-up, and Black's engine
    // is to move.
    Feed(Bytes{0x03, 0xC4, 0xC0, 0x81});
    EXPECT_EQ(sent(), (std::vector<Bytes>{Bytes{0x03, 0x89, 0x87, 0xFF}}));
    EXPECT_EQ(host.setupDone, 1);
    EXPECT_TRUE(host.errors.empty());
    // Our first move, (3, 3) on 9x9 = position 57, goes out with our bit
    // toggled again and the peer's bit 1.
    gmp.SendMove(3, 3, kKuro);
    EXPECT_EQ(sent(), (std::vector<Bytes>{Bytes{0x02, 0x8B, 0xD0, 0xB9}}));
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

// Two of our programs on the two ends of one line, on a clock of their own:
// a packet takes 5 ms, a port opened later has lost what came before, and
// each side's resend timer ticks every 20 s while it is on.
class TLineEnd : public TGmpHost {
public:
    TLineEnd(int black, int white) : black_(black), white_(white) {}

    // This program's players, for the protocol's answers.
    void Players() const
    {
        PlayerKind[kKuro] = black_;
        PlayerKind[kSiro] = white_;
    }
    void GmpWrite(const TGmpPacket& p) override { out.push_back(p); }
    void GmpTrace(const std::string& line) override { trace.push_back(line); }
    void GmpResendTimer(bool on) override
    {
        if (on && tick < 0)
            tick = now + 20000;
        else if (!on)
            tick = -1;
    }
    void GmpSetupDone() override { ++setupDone; }
    void GmpSetupError(const std::string& text) override { errors.push_back(text); }
    void GmpPeerMove(int x, int y) override { moves.push_back(Point(x, y)); }
    void GmpPeerResigned() override {}

    TGoComm gmp{*this};
    std::vector<TGmpPacket> out;  // written, not yet on the line
    std::vector<std::string> trace, errors;
    std::vector<Point> moves;
    int setupDone = 0;
    long now = 0, tick = -1;  // the clock, and the resend timer's next tick (-1 off)
    long opened = -1;         // when the port was opened (-1 not yet)

private:
    int black_, white_;
};

TEST_F(GoCommTest, TwoOfOurProgramsEndTheSetUpWhicheverStartsFirst)
{
    const struct {
        const char* name;
        int bBlack, bWhite;  // B's players; A's engine always plays Black
        long bOpens;         // ms after A sent its NEWGAME
    } setups[] = {
        {"both Black, both at once", pkComputer, pkSerial, 0},
        {"both Black, A's NEWGAME lost", pkComputer, pkSerial, 700},
        {"colours apart, A's NEWGAME lost", pkSerial, pkComputer, 700},
    };
    for (const auto& s : setups) {
        TLineEnd a(pkComputer, pkSerial), b(s.bBlack, s.bWhite);
        struct TFlight {
            long at;
            TLineEnd* to;
            TGmpPacket packet;
        };
        std::vector<TFlight> line;
        long now = 0;
        // What a side wrote goes on the line.
        auto after = [&](TLineEnd& from, TLineEnd& to) {
            for (const TGmpPacket& p : from.out)
                line.push_back({now + 5, &to, p});
            from.out.clear();
        };
        auto start = [&](TLineEnd& side, TLineEnd& other) {
            side.now = now;
            side.opened = now;
            side.Players();
            if (PlayerKind[kSiro] == pkSerial)
                side.gmp.SendNewGame();
            after(side, other);
        };
        // A side's handler on the clock; when it closed the set-up, Black's
        // engine plays its first move at once.
        int moved = 0;
        auto run = [&](TLineEnd& side, TLineEnd& other, auto&& what) {
            side.now = now;
            side.Players();
            const int done = side.setupDone;
            what();
            if (side.setupDone > done && PlayerKind[kKuro] == pkComputer && moved++ == 0)
                side.gmp.SendMove(3, 3, kKuro);
            after(side, other);
        };
        start(a, b);
        for (now = 0; now <= 120000; ++now) {
            if (now == s.bOpens)
                start(b, a);
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (line[i].at != now)
                    continue;
                TLineEnd& to = *line[i].to;
                TLineEnd& from = &to == &a ? b : a;
                const TGmpPacket p = line[i].packet;
                if (to.opened >= 0)
                    run(to, from, [&] { to.gmp.Receive(p.data(), 4); });
            }
            for (TLineEnd* side : {&a, &b}) {
                TLineEnd& other = side == &a ? b : a;
                if (side->tick == now && side->opened >= 0) {
                    side->tick += 20000;
                    run(*side, other, [&] { side->gmp.timSaisouTimer(); });
                }
            }
        }
        if (s.bBlack == pkComputer) {
            // Both play Black: each side is told so and says so.
            EXPECT_EQ(a.errors, std::vector<std::string>{"Color Error"}) << s.name;
            EXPECT_EQ(b.errors, std::vector<std::string>{"Color Error"}) << s.name;
            EXPECT_EQ(a.setupDone + b.setupDone, 0) << s.name;
        } else {
            // The game starts: A's Black moves, and B plays that move.
            EXPECT_TRUE(a.errors.empty() && b.errors.empty()) << s.name;
            EXPECT_EQ(a.setupDone, 1) << s.name;
            EXPECT_EQ(b.moves, std::vector<Point>{Point(3, 3)}) << s.name;
        }
    }
}

} // namespace
} // namespace vorn::test

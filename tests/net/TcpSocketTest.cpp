// The TCP link over real sockets on the loopback interface: two link objects
// play a game and chat, and a raw socket plays a hostile or careless peer.
// Every wait is bounded, so a broken link fails a test instead of hanging it.
#include <QEventLoop>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

#include "TcpUtil.h"
#include "net/TcpSocket.h"

namespace vorn::test {
namespace {

// One end of the link: its game side, protocol and sockets.
struct TLink {
    TFakeHost host;
    TTcpProtocol protocol{host};
    TTcpSocket socket{protocol};
    explicit TLink(const std::string& name) { host.name = name; }
};

class TcpSocketTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        Language = lgEnglish;
        std::string error;
        ASSERT_TRUE(alice.socket.Listen(0, error)) << error;
        port = alice.socket.ListenPort();
        ASSERT_GT(port, 0);
    }
    // A raw peer connected to Alice, past her "??NM".
    std::unique_ptr<QTcpSocket> RawPeer()
    {
        auto raw = std::make_unique<QTcpSocket>();
        raw->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        EXPECT_TRUE(WaitFor([&] { return raw->state() == QAbstractSocket::ConnectedState; }));
        EXPECT_EQ(Read(*raw, 4), "??NM");
        return raw;
    }
    // The next n bytes the raw peer receives ("" after the time-out).
    static std::string Read(QTcpSocket& raw, int n)
    {
        if (!WaitFor([&] { return raw.bytesAvailable() >= n; }))
            return "";
        return raw.read(n).toStdString();
    }
    static void Write(QTcpSocket& raw, const std::string& bytes)
    {
        raw.write(bytes.data(), static_cast<qint64>(bytes.size()));
        raw.flush();
    }
    // Writes one byte at a time, each read by the link before the next.
    static void WriteBytewise(QTcpSocket& raw, const std::string& bytes)
    {
        for (char c : bytes) {
            Write(raw, std::string(1, c));
            WaitFor([] { return false; }, 3);
        }
    }

    TLink alice{"Alice"};
    int port = 0;
};

TEST_F(TcpSocketTest, TwoLinksSetUpPlayAndChat)
{
    TLink bob("Bob");
    bob.socket.Connect("127.0.0.1", port);
    ASSERT_TRUE(WaitFor([&] { return alice.protocol.PeerName() == "Bob" && bob.protocol.PeerName() == "Alice"; }));
    EXPECT_EQ(alice.host.status, "接続先: 127.0.0.1");
    EXPECT_EQ(bob.host.status, "接続先: 127.0.0.1");

    // Alice confirms first, with a recorded game of 30 moves and a pass on
    // 9x9 with two handicap stones; Bob is not ready.
    alice.host.ready = true;
    alice.host.black = true;
    alice.host.size = 9;
    alice.host.teai = 2;
    alice.host.komi = 0.5f;
    for (int i = 0; i < 29; ++i)
        alice.host.moves.emplace_back(1 + i % 9, 1 + i / 9);
    alice.host.moves.push_back(kPass);
    alice.protocol.SetupStart();
    ASSERT_TRUE(WaitFor([&] { return alice.protocol.Awaited().empty(); })) << "NGRD";
    bob.host.ready = true;
    bob.protocol.SetupStart();
    ASSERT_TRUE(WaitFor([&] { return alice.host.running && bob.host.running; }));
    EXPECT_EQ(bob.host.size, 9);
    EXPECT_EQ(bob.host.teai, 2);
    EXPECT_EQ(bob.host.komi, 0.5f);
    EXPECT_EQ(bob.host.moves, alice.host.moves);

    // Ten moves each way; White (Bob) first.
    for (int i = 0; i < 20; ++i) {
        TLink& mover = alice.host.ToMove() == kKuro ? alice : bob;
        TLink& other = &mover == &alice ? bob : alice;
        const Point p = i == 7 ? kPass : Point(1 + i % 9, 6 + i / 9);
        ASSERT_TRUE(mover.host.Play(p));
        mover.protocol.SendMove(p.x, p.y);
        ASSERT_TRUE(WaitFor([&] { return other.host.moves.size() == mover.host.moves.size(); })) << i;
    }
    EXPECT_EQ(alice.host.moves, bob.host.moves);
    EXPECT_EQ(alice.host.moves.size(), 50u);

    alice.protocol.Chat("onegaishimasu");
    bob.protocol.Chat("よろしく");
    ASSERT_TRUE(WaitFor([&] { return alice.host.memo.size() == 2 && bob.host.memo.size() == 2; }));
    EXPECT_EQ(alice.host.memo, (std::vector<std::string>{"(Alice)onegaishimasu", "(Bob)よろしく"}));
    EXPECT_EQ(bob.host.memo, (std::vector<std::string>{"(Bob)よろしく", "(Alice)onegaishimasu"}));
    EXPECT_TRUE(alice.host.messages.empty());
    EXPECT_TRUE(bob.host.messages.empty());
}

TEST_F(TcpSocketTest, ARawPeerByteByByteAndTwoMessagesInOneWrite)
{
    auto raw = RawPeer();
    WriteBytewise(*raw, "NMEve");
    ASSERT_TRUE(WaitFor([&] { return alice.protocol.PeerName() == "Eve"; }));
    WriteBytewise(*raw, "??RD");
    EXPECT_EQ(Read(*raw, 4), "NGRD");

    // Alice drives the set-up; the peer plays Black and sends its first move
    // in the same write as "OKST".
    alice.host.ready = true;
    alice.protocol.SetupStart();
    const std::pair<const char*, const char*> talk[] = {
        {"??RD", "OKRD"}, {"??CO", "COBL"}, {"??SZ", "SZ9"}, {"??HA", "HA0"}, {"??KM", "KM6.5"}, {"??KF", "KFNO"},
    };
    for (const auto& [query, answer] : talk) {
        ASSERT_EQ(Read(*raw, 4), query);
        WriteBytewise(*raw, answer);
    }
    ASSERT_EQ(Read(*raw, 4), "??ST");
    Write(*raw, "OKSTMV0505");
    ASSERT_TRUE(WaitFor([&] { return alice.host.moves.size() == 1; }));
    EXPECT_TRUE(alice.host.running);
    EXPECT_EQ(alice.host.moves[0], Point(5, 5));
    EXPECT_EQ(alice.host.size, 9);

    // Alice answers; the peer's next move lies off the 9x9 board.
    alice.host.Play({3, 3});
    alice.protocol.SendMove(3, 3);
    EXPECT_EQ(Read(*raw, 6), "MV0303");
    Write(*raw, "MV1010");
    ASSERT_TRUE(WaitFor([&] { return alice.host.stops == 1; }));
    ASSERT_EQ(alice.host.messages.size(), 1u);
    EXPECT_NE(alice.host.messages[0].find("<10,10>"), std::string::npos);
}

TEST_F(TcpSocketTest, AMessageAfterAFreeTextWaitsUntilThePeerHasTakenIt)
{
    auto raw = RawPeer();
    QElapsedTimer clock;
    clock.start();
    alice.protocol.Chat("hi");
    alice.protocol.SendMove(3, 3);
    EXPECT_EQ(Read(*raw, 4), "CMhi");
    EXPECT_EQ(Read(*raw, 6), "MV0303");
    EXPECT_GE(clock.elapsed(), kTcpGapMs * 9 / 10);
}

TEST_F(TcpSocketTest, AMegabyteWithoutABoundaryClosesTheConnection)
{
    auto raw = RawPeer();
    Write(*raw, "CM" + std::string(1 << 20, 'x'));
    ASSERT_TRUE(WaitFor([&] { return raw->state() == QAbstractSocket::UnconnectedState; }));
    ASSERT_FALSE(alice.host.memo.empty());
    EXPECT_NE(alice.host.memo.back().find("closed"), std::string::npos);
    EXPECT_FALSE(alice.socket.IsOpen());
    // Alice listens on: a new peer is welcome.
    auto again = RawPeer();
    Write(*again, "??NM");
    EXPECT_EQ(Read(*again, 7), "NMAlice");
}

TEST_F(TcpSocketTest, ASecondConnectionIsClosedAndTheFirstKeepsItsGame)
{
    auto raw = RawPeer();
    alice.host.running = true;
    alice.host.black = true;
    QTcpSocket intruder;
    intruder.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    ASSERT_TRUE(WaitFor([&] { return !alice.host.memo.empty(); }));
    EXPECT_NE(alice.host.memo.back().find("second connection"), std::string::npos);
    ASSERT_TRUE(WaitFor([&] { return intruder.state() == QAbstractSocket::UnconnectedState; }));
    // Alice's moves still go to her peer, and only there.
    alice.host.Play({4, 4});
    alice.protocol.SendMove(4, 4);
    EXPECT_EQ(Read(*raw, 6), "MV0404");
    Write(*raw, "MV0505");
    ASSERT_TRUE(WaitFor([&] { return alice.host.moves.size() == 2; }));
}

TEST_F(TcpSocketTest, ThePeerLeavingMidGameStopsTheGameAndNoOtherConnectionPlaysInIt)
{
    auto raw = RawPeer();
    alice.host.running = true;
    alice.host.black = true;
    alice.host.moves = {{3, 3}};
    raw->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return alice.host.status == "相手が切断しました。"; }));
    // The game belonged to that connection: it stops with a message.
    EXPECT_FALSE(alice.host.running);
    EXPECT_EQ(alice.host.stops, 1);
    ASSERT_EQ(alice.host.messages.size(), 1u);
    EXPECT_EQ(alice.host.messages[0], "The opponent closed the connection. The game was stopped.");
    alice.protocol.SendMove(4, 4);
    EXPECT_EQ(alice.host.memo.back(), "Not connected: nothing was sent.");
    // Whoever connects next and sends a move without a set-up plays nothing
    // and hears nothing but the name query.
    auto next = RawPeer();
    Write(*next, "MV0505");
    WaitFor([] { return false; }, 2 * kTcpQuietMs);
    EXPECT_EQ(alice.host.moves, (std::vector<Point>{{3, 3}}));
    EXPECT_EQ(next->bytesAvailable(), 0);
    EXPECT_EQ(alice.host.stops, 1);
}

TEST_F(TcpSocketTest, ATakenPortIsReportedAndConnectingOutStillWorks)
{
    TLink second("Second");
    std::string error;
    EXPECT_FALSE(second.socket.Listen(port, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(second.socket.Listening());
    second.socket.Connect("127.0.0.1", port);
    ASSERT_TRUE(WaitFor([&] { return alice.protocol.PeerName() == "Second"; }));
    EXPECT_TRUE(second.socket.ClientActive());
    // Connecting to a port where nobody listens is a socket error.
    alice.socket.StopListening();
    EXPECT_FALSE(second.socket.IsOpen() && alice.socket.IsOpen());
    TLink lonely("Lonely");
    lonely.socket.Connect("127.0.0.1", port);
    ASSERT_TRUE(WaitFor([&] { return !lonely.host.memo.empty(); }));
    EXPECT_EQ(lonely.host.memo.back().rfind("通信エラーが発生しました。", 0), 0u);
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

// What a message box does while it is up: an event loop of its own, here
// until the condition holds (at most five seconds); answers the condition.
bool MessageBoxUntil(const std::function<bool()>& done)
{
    QEventLoop box;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, [&] {
        if (done())
            box.quit();
    });
    QTimer::singleShot(5000, &box, &QEventLoop::quit);
    poll.start(5);
    box.exec();
    return done();
}

TEST_F(TcpSocketTest, ThePeerClosingWhileARefusalIsShownLeavesNoSocketBehind)
{
    // The refusal is shown as a message box would: an event loop runs until
    // the peer's close has been seen, then the user presses OK.
    auto raw = RawPeer();
    alice.host.running = true;
    alice.host.black = true;
    alice.host.moves = {{4, 4}};
    bool closeSeen = false;
    alice.host.onMessage = [&] {
        raw->disconnectFromHost();
        closeSeen = MessageBoxUntil([&] { return alice.host.status == "相手が切断しました。"; });
    };
    // (4, 4) is taken: the board refuses the peer's move.
    Write(*raw, "MV0404");
    ASSERT_TRUE(WaitFor([&] { return alice.host.stops == 1; }));
    EXPECT_TRUE(closeSeen);
    ASSERT_EQ(alice.host.messages.size(), 1u);
    EXPECT_EQ(alice.host.messages[0], "refused The game was stopped.");
    EXPECT_FALSE(alice.socket.IsOpen());
    // The socket goes once the handlers are done; the link listens on.
    WaitFor([] { return false; }, 50);
    alice.host.onMessage = nullptr;
    auto again = RawPeer();
    Write(*again, "??NM");
    EXPECT_EQ(Read(*again, 7), "NMAlice");
}

TEST_F(TcpSocketTest, TheServerClosingWhileARefusalIsShownLeavesNoSocketBehind)
{
    // The same on a connection this side opened: the peer listens.
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
    TLink bob("Bob");
    bob.socket.Connect("127.0.0.1", listener.serverPort());
    ASSERT_TRUE(WaitFor([&] { return listener.hasPendingConnections(); }));
    std::unique_ptr<QTcpSocket> raw(listener.nextPendingConnection());
    ASSERT_EQ(Read(*raw, 4), "??NM");
    bob.host.running = true;
    bob.host.black = true;
    bob.host.moves = {{4, 4}};
    QPointer<QTcpSocket> link = bob.socket.findChild<QTcpSocket*>();
    ASSERT_FALSE(link.isNull());
    bool deletedInBox = false;
    bob.host.onMessage = [&] {
        raw->disconnectFromHost();
        MessageBoxUntil([&] { return bob.host.status == "相手が切断しました。"; });
        deletedInBox = link.isNull();
    };
    Write(*raw, "MV0404");
    ASSERT_TRUE(WaitFor([&] { return bob.host.stops == 1; }));
    EXPECT_EQ(bob.host.status, "相手が切断しました。");
    EXPECT_FALSE(deletedInBox) << "the socket went while its handler ran";
    EXPECT_FALSE(bob.socket.IsOpen());
    // Gone once its handlers are done.
    EXPECT_TRUE(WaitFor([&] { return link.isNull(); }));
}

TEST_F(TcpSocketTest, ConnectionsArrivingWhileTheGamesEndIsShownAreTakenInOrder)
{
    // Alice plays over raw; a first newcomer arrives while that connection is
    // open and is held back.  Raw leaves: the game stops with a message box,
    // and while it is up a second newcomer arrives.  The first takes the
    // place, the second is refused.
    auto raw = RawPeer();
    alice.host.running = true;
    alice.host.black = true;
    alice.host.moves = {{3, 3}};
    QTcpSocket first, second;
    first.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    ASSERT_TRUE(WaitFor([&] { return first.state() == QAbstractSocket::ConnectedState; }));
    WaitFor([] { return false; }, kTcpQuietMs / 5);  // seen and held, well within the wait
    alice.host.onMessage = [&] {
        second.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        QElapsedTimer up;
        up.start();
        MessageBoxUntil([&] { return up.elapsed() > 3 * kTcpQuietMs; });
    };
    raw->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return alice.host.stops == 1; }));
    ASSERT_EQ(alice.host.messages.size(), 1u);
    EXPECT_EQ(Read(first, 4), "??NM") << "the first newcomer has the place";
    ASSERT_TRUE(WaitFor([&] { return second.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(second.bytesAvailable(), 0);
    EXPECT_NE(alice.host.memo.back().find("second connection"), std::string::npos);
    alice.host.onMessage = nullptr;
}

TEST_F(TcpSocketTest, RapidConnectAndCloseCyclesAreNeverRefused)
{
    for (int i = 0; i < 200; ++i) {
        QTcpSocket raw;
        raw.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        ASSERT_TRUE(WaitFor([&] { return raw.state() == QAbstractSocket::ConnectedState; })) << i;
        raw.abort();
    }
    auto last = RawPeer();
    Write(*last, "NMZed");
    ASSERT_TRUE(WaitFor([&] { return alice.protocol.PeerName() == "Zed"; }));
    for (const std::string& line : alice.host.memo)
        EXPECT_EQ(line.find("second connection"), std::string::npos) << line;
}

TEST_F(TcpSocketTest, AMoveSplitByAPauseAndGarbageBeforeAMoveArriveWhole)
{
    auto raw = RawPeer();
    alice.host.running = true;
    alice.host.black = true;
    alice.host.moves = {{3, 3}};
    // Twice the quiet time between the halves of a move.
    Write(*raw, "MV04");
    WaitFor([] { return false; }, 2 * kTcpQuietMs + 50);
    EXPECT_EQ(alice.host.moves.size(), 1u);
    Write(*raw, "16");
    ASSERT_TRUE(WaitFor([&] { return alice.host.moves.size() == 2; }));
    EXPECT_EQ(alice.host.moves[1], Point(4, 16));
    // A query split the same way is answered.
    Write(*raw, "??N");
    WaitFor([] { return false; }, 2 * kTcpQuietMs + 50);
    Write(*raw, "M");
    EXPECT_EQ(Read(*raw, 7), "NMAlice");
    // Unknown bytes glued to a move in one write.
    alice.host.Play({5, 5});
    Write(*raw, std::string("\x01zz") + "MV0606");
    ASSERT_TRUE(WaitFor([&] { return alice.host.moves.size() == 4; }));
    EXPECT_EQ(alice.host.moves[3], Point(6, 6));
    EXPECT_TRUE(alice.host.messages.empty());
    EXPECT_EQ(alice.host.stops, 0);
}

} // namespace
} // namespace vorn::test

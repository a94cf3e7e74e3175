// The serial-port component on a pseudo-terminal made by the test: the
// program's side opens the slave as its port, the test reads and writes the
// master as the other end of the line.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "GnuGo.h"
#include "net/CommX.h"

namespace vorn::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// The component's reports need an event loop: one application for the run.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance() == nullptr)
            app_ = new QCoreApplication(argc_, argv_);
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "vorn_tests_net";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication* app_ = nullptr;
};
[[maybe_unused]] ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Runs the event loop until done() holds; false after ms.
template <class F>
bool PumpUntil(F done, int ms = 5000)
{
    const auto end = steady_clock::now() + milliseconds(ms);
    while (!done()) {
        if (steady_clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(milliseconds(1));
    }
    return true;
}

void Pump(int ms)
{
    PumpUntil([] { return false; }, ms);
}

// Reads the master side until want bytes came or ms passed without any.
std::string Drain(int fd, std::size_t want, int ms = 2000)
{
    std::string got;
    char buf[65536];
    while (got.size() < want) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, ms) <= 0)
            break;
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        got.append(buf, static_cast<std::size_t>(n));
    }
    return got;
}

std::string Pattern(std::size_t n)
{
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return s;
}

std::string ErrorOf(TCommX& c, void (*op)(TCommX&))
{
    try {
        op(c);
    } catch (const ECommError& e) {
        return e.what();
    }
    return "";
}

class CommXTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GE(pty.master, 0);
        comm.SetDeviceName(1, pty.name);
        comm.OnTrans = [this](TCustomCommX&, int size) { trans.push_back(size); };
    }
    termios SlaveSettings() const
    {
        termios t{};
        tcgetattr(pty.slave, &t);
        return t;
    }

    PtyPair pty;
    TCommX comm;
    std::vector<int> trans;
};

TEST_F(CommXTest, ClosedPortAnswers)
{
    const char data[] = "abc";
    char buf[8];
    EXPECT_FALSE(comm.Opened());
    EXPECT_EQ(comm.Handle(), -1);
    EXPECT_TRUE(comm.Write(data, 0));
    EXPECT_FALSE(comm.Write(data, 3));
    EXPECT_FALSE(comm.SendByte(1));
    EXPECT_EQ(comm.Read(buf, sizeof buf), -1);
    EXPECT_EQ(comm.InQueCount(), 0);
    comm.Close();
    comm.PurgeTrans();
    comm.PurgeReceive();
    comm.SetRts(true);
    EXPECT_FALSE(comm.Opened());
}

TEST_F(CommXTest, DefaultsFlowWordsAndLimits)
{
    TCommX c;
    EXPECT_EQ(c.PortNo(), 1);
    EXPECT_EQ(c.BitRate(), 9600);
    EXPECT_EQ(c.CharSize(), 8);
    EXPECT_EQ(c.ParityBit(), cpbNone);
    EXPECT_EQ(c.StopBit(), csb1);
    EXPECT_EQ(c.FlowCtrl(), cfcRtsCts);
    EXPECT_EQ(c.TimeOutTrans(), 3000);
    EXPECT_EQ(c.TimeOutReceive(), 3000);
    EXPECT_EQ(c.BufLenTrans(), 2048);
    EXPECT_EQ(c.BufLenReceive(), 2048);
    EXPECT_EQ(c.DeviceName(1), "/dev/ttyS0");
    EXPECT_EQ(c.DeviceName(2), "/dev/ttyS1");

    const struct {
        int flow, word;
    } words[] = {{cfcRtsCts, 0x2017}, {cfcDtrDsr, 0x102B}, {cfcXonXoff, 0x1313},
                 {cfcHalfHigh, 0x0013}, {cfcHalfLow, 0x1013}, {cfcNone, 0x1013}};
    for (const auto& w : words) {
        c.SetFlowCtrl(w.flow);
        EXPECT_EQ(c.FlagWord(), w.word) << w.flow;
    }
    const struct {
        int buf, xon, xoff;
    } limits[] = {{2048, 512, 1536}, {100, 25, 75}, {3, 0, 0}, {87380, 21845, 65535}};
    for (const auto& l : limits) {
        c.SetBufLenReceive(l.buf);
        EXPECT_EQ(c.XonLim(), l.xon) << l.buf;
        EXPECT_EQ(c.XoffLim(), l.xoff) << l.buf;
    }
    // Limits the line cannot have are refused and the old value stays.
    EXPECT_EQ(ErrorOf(c, [](TCommX& x) { x.SetBufLenReceive(87384); }), "通信用ポートのバッファを準備できませんでした");
    EXPECT_EQ(ErrorOf(c, [](TCommX& x) { x.SetBufLenTrans(0); }), "通信用ポートのバッファを準備できませんでした");
    EXPECT_EQ(ErrorOf(c, [](TCommX& x) { x.SetBitRate(-1); }), "通信速度の設定でエラーが発生しました");
    EXPECT_EQ(ErrorOf(c, [](TCommX& x) { x.SetCharSize(256); }), "通信ビット数の設定でエラーが発生しました");
    EXPECT_EQ(c.BufLenReceive(), 87380);
    EXPECT_EQ(c.BufLenTrans(), 2048);
    EXPECT_EQ(c.BitRate(), 9600);
    EXPECT_EQ(c.CharSize(), 8);
    // On a closed port every other value is only stored.
    c.SetCharSize(9);
    c.SetStopBit(csb1p5);
    c.SetPortNo(2);
    EXPECT_EQ(c.CharSize(), 9);
    EXPECT_EQ(c.PortNo(), 2);
    EXPECT_FALSE(c.Opened());
}

TEST_F(CommXTest, OpenFailures)
{
    const std::string plain = "/tmp/vorn-commx-not-a-tty";
    std::ofstream(plain) << "x";
    for (const std::string& device : {std::string("/nonexistent/ttyV0"), plain}) {
        TCommX c;
        c.SetDeviceName(1, device);
        EXPECT_EQ(ErrorOf(c, [](TCommX& x) { x.Open(); }), "ポートをオープンできませんでした") << device;
        EXPECT_EQ(c.Handle(), -1);
    }
    std::remove(plain.c_str());

    // A setting the line refuses closes the port again.
    comm.SetCharSize(9);
    EXPECT_EQ(ErrorOf(comm, [](TCommX& x) { x.Open(); }), "通信ビット数の設定でエラーが発生しました");
    EXPECT_FALSE(comm.Opened());
    comm.SetCharSize(8);
    comm.SetStopBit(csb1p5);
    EXPECT_EQ(ErrorOf(comm, [](TCommX& x) { x.Open(); }), "通信ストップビット数の設定でエラーが発生しました");
    EXPECT_FALSE(comm.Opened());
    comm.SetStopBit(csb1);

    // Opening twice is refused and leaves the port working.
    comm.Open();
    EXPECT_EQ(ErrorOf(comm, [](TCommX& x) { x.Open(); }), "ポートは、すでにオープンされています");
    ASSERT_TRUE(comm.Opened());
    ASSERT_TRUE(comm.SendByte(0x5A));
    EXPECT_EQ(Drain(pty.master, 1), "Z");
}

TEST_F(CommXTest, SettingsReachTheLine)
{
    comm.Open();
    termios t = SlaveSettings();
    EXPECT_EQ(t.c_lflag & (ECHO | ICANON), 0u) << "raw mode";
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);

    // (A pseudo-terminal keeps 8 data bits and no parity bit whatever it
    // is given; the parity check of the input shows the parity setting.)
    comm.SetBitRate(2400);
    comm.SetParityBit(cpbOdd);
    comm.SetStopBit(csb2);
    comm.SetFlowCtrl(cfcXonXoff);
    t = SlaveSettings();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B2400));
    EXPECT_NE(t.c_iflag & INPCK, 0u);
    EXPECT_NE(t.c_cflag & PARODD, 0u);
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    EXPECT_EQ(t.c_cc[VSTART], 0x11);
    EXPECT_EQ(t.c_cc[VSTOP], 0x13);

    comm.SetParityBit(cpbEven);
    t = SlaveSettings();
    EXPECT_NE(t.c_iflag & INPCK, 0u);
    EXPECT_EQ(t.c_cflag & PARODD, 0u);
    comm.SetParityBit(cpbNone);
    comm.SetParityBit(7);  // no such parity: stored, nothing applied
    comm.SetFlowCtrl(cfcNone);
    t = SlaveSettings();
    EXPECT_EQ(t.c_iflag & INPCK, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(comm.ParityBit(), 7);

    // Refused settings raise their own messages; the port stays open.
    const struct {
        void (*op)(TCommX&);
        const char* message;
    } refused[] = {
        {[](TCommX& x) { x.SetBitRate(12345); }, "通信速度の設定でエラーが発生しました"},
        {[](TCommX& x) { x.SetCharSize(9); }, "通信ビット数の設定でエラーが発生しました"},
        {[](TCommX& x) { x.SetStopBit(csb1p5); }, "通信ストップビット数の設定でエラーが発生しました"},
        {[](TCommX& x) { x.SetTimeOutTrans(-1); }, "通信タイムアウト時間の設定で失敗しました"},
    };
    for (const auto& r : refused)
        EXPECT_EQ(ErrorOf(comm, r.op), r.message);
    EXPECT_TRUE(comm.Opened());
    EXPECT_EQ(comm.CharSize(), 9);
}

TEST_F(CommXTest, FiveThousandBytesGoOutInThreeChunks)
{
    comm.Open();
    const std::string data = Pattern(5000);
    ASSERT_TRUE(comm.Write(data.data(), static_cast<int>(data.size())));
    EXPECT_EQ(Drain(pty.master, data.size()), data);
    ASSERT_TRUE(PumpUntil([&] { return trans.size() >= 3; }));
    Pump(20);
    EXPECT_EQ(trans, (std::vector<int>{2048, 2048, 904}));
}

TEST_F(CommXTest, WriteReturnsBeforeThePeerReads)
{
    // Far more than the line holds while nobody reads it.
    comm.SetBufLenTrans(8192);
    comm.Open();
    const std::string data = Pattern(32 * 8192);
    ASSERT_TRUE(comm.Write(data.data(), static_cast<int>(data.size())));
    Pump(20);
    EXPECT_LT(trans.size(), 32u) << "written before the peer read";
    EXPECT_EQ(Drain(pty.master, data.size()), data);
    ASSERT_TRUE(PumpUntil([&] { return trans.size() == 32; }));
}

TEST_F(CommXTest, AtMostThirtyTwoChunksWait)
{
    // Chunks that cannot be written within the time-out give way.
    comm.SetBufLenTrans(8192);
    comm.SetTimeOutTrans(5);
    comm.Open();
    const std::string data = Pattern(36 * 8192);
    ASSERT_TRUE(comm.Write(data.data(), static_cast<int>(data.size())));
    ASSERT_TRUE(PumpUntil([&] { return trans.size() == 36; }));
    EXPECT_LT(Drain(pty.master, data.size(), 100).size(), data.size());
}

TEST_F(CommXTest, PurgeDiscardsQueuedChunks)
{
    comm.SetBufLenTrans(8192);
    comm.Open();
    const std::string data = Pattern(32 * 8192);
    ASSERT_TRUE(comm.Write(data.data(), static_cast<int>(data.size())));
    comm.PurgeTrans();
    ASSERT_TRUE(PumpUntil([&] { return trans.size() == 32; })) << "every chunk is reported, written or not";
    EXPECT_LT(Drain(pty.master, data.size(), 100).size(), data.size());
    // The line works on.
    ASSERT_TRUE(comm.SendByte('k'));
    EXPECT_EQ(Drain(pty.master, 1).back(), 'k');
}

TEST_F(CommXTest, InputIsReportedAndReadAtOnce)
{
    std::vector<int> sizes;
    std::string got;
    comm.OnReceive = [&](TCustomCommX& c, int size) {
        sizes.push_back(size);
        std::vector<char> buf(static_cast<std::size_t>(size));
        const int n = c.Read(buf.data(), size);
        if (n > 0)
            got.append(buf.data(), static_cast<std::size_t>(n));
    };
    comm.Open();
    char none[4];
    EXPECT_EQ(comm.Read(none, 4), 0) << "nothing there: no wait";
    ASSERT_EQ(write(pty.master, "hello", 5), 5);
    ASSERT_TRUE(PumpUntil([&] { return got.size() == 5; }));
    EXPECT_EQ(got, "hello");
    EXPECT_EQ(sizes, std::vector<int>{5});
    ASSERT_EQ(write(pty.master, "\x01\x82\x83", 3), 3);
    ASSERT_TRUE(PumpUntil([&] { return got.size() == 8; }));
    EXPECT_EQ(got.substr(5), "\x01\x82\x83");
    EXPECT_EQ(comm.InQueCount(), 0);

    // A report nobody takes is not repeated until more comes.
    sizes.clear();
    comm.OnReceive = [&](TCustomCommX&, int size) { sizes.push_back(size); };
    ASSERT_EQ(write(pty.master, "ab", 2), 2);
    ASSERT_TRUE(PumpUntil([&] { return !sizes.empty(); }));
    Pump(150);
    EXPECT_EQ(sizes, std::vector<int>{2});
    ASSERT_EQ(write(pty.master, "c", 1), 1);
    ASSERT_TRUE(PumpUntil([&] { return sizes.size() == 2; }));
    EXPECT_EQ(sizes[1], 3);
    comm.PurgeReceive();
    EXPECT_EQ(comm.InQueCount(), 0);
}

TEST_F(CommXTest, ReportsAfterCloseAreIgnored)
{
    int reports = 0;
    comm.OnReceive = [&](TCustomCommX&, int) { ++reports; };
    comm.Open();
    ASSERT_EQ(write(pty.master, "xyz", 3), 3);
    // The receive thread has seen the bytes and waits for its report.
    const auto end = steady_clock::now() + milliseconds(2000);
    while (comm.InQueCount() < 3 && steady_clock::now() < end)
        std::this_thread::sleep_for(milliseconds(1));
    std::this_thread::sleep_for(milliseconds(150));
    comm.Close();
    Pump(50);
    EXPECT_EQ(reports, 0);
    // Opened again, the port reports afresh.
    comm.Open();
    ASSERT_EQ(write(pty.master, "w", 1), 1);
    EXPECT_TRUE(PumpUntil([&] { return reports == 1; }));
}

TEST_F(CommXTest, ReportsBecomeEvents)
{
    // Modem lines, breaks and line errors do not happen on a
    // pseudo-terminal: the reports are handed to the component directly.
    std::string events;
    comm.OnSignal = [&](TCustomCommX&, int mask) { events += "signal " + std::to_string(mask) + ";"; };
    comm.OnBreak = [&](TCustomCommX&) { events += "break;"; };
    comm.OnError = [&](TCustomCommX&, int bits) { events += "error " + std::to_string(bits) + ";"; };
    comm.OnReceive = [&](TCustomCommX&, int size) { events += "receive " + std::to_string(size) + ";"; };
    comm.Open();
    const unsigned g = comm.Generation();
    const struct {
        int msg, param;
        unsigned generation;
        const char* events;
    } reports[] = {
        {TCustomCommX::kMsgSignal, evCts, g, "signal 8;"},
        {TCustomCommX::kMsgSignal, evBreak, g, "break;"},
        {TCustomCommX::kMsgSignal, evBreak | evRing, g, "signal 320;break;"},
        {TCustomCommX::kMsgSignal, evDsr | evRlsd, g, "signal 48;"},
        {TCustomCommX::kMsgError, ceOverrun | ceFrame, g, "error 10;"},
        {TCustomCommX::kMsgReceive, 0, g, ""},  // the bytes were read already
        {TCustomCommX::kMsgTrans, 7, g, ""},    // goes to OnTrans (below)
        {TCustomCommX::kMsgSignal, evCts, g - 1, ""},  // from an earlier opening
        {0x504, 1, g, ""},
    };
    for (const auto& r : reports) {
        events.clear();
        comm.WndProc(r.msg, r.param, r.generation);
        EXPECT_EQ(events, r.events) << std::hex << r.msg << " " << r.param;
    }
    EXPECT_EQ(trans, std::vector<int>{7});
    comm.Close();
    events.clear();
    comm.WndProc(TCustomCommX::kMsgError, ceRxParity, g);
    EXPECT_EQ(events, "") << "a closed port reports nothing";
}

TEST_F(CommXTest, ChangingThePortNumberReopens)
{
    PtyPair second;
    ASSERT_GE(second.master, 0);
    comm.SetDeviceName(2, second.name);
    comm.Open();
    comm.SetPortNo(2);
    ASSERT_TRUE(comm.Opened());
    ASSERT_TRUE(comm.SendByte('2'));
    EXPECT_EQ(Drain(second.master, 1), "2");
    EXPECT_EQ(Drain(pty.master, 1, 50), "");
    comm.Close();
    comm.SetPortNo(1);
    EXPECT_FALSE(comm.Opened());
}

TEST_F(CommXTest, CloseWithOutputPendingAndDestruction)
{
    const std::string data = Pattern(32 * 4096);
    for (int round = 0; round < 8; ++round) {
        auto c = std::make_unique<TCommX>();
        c->SetDeviceName(1, pty.name);
        c->SetBufLenTrans(4096);
        int reports = 0;
        c->OnTrans = [&](TCustomCommX&, int) { ++reports; };
        c->Open();
        ASSERT_TRUE(c->Write(data.data(), static_cast<int>(data.size())));
        if (round % 2 == 0) {
            c->Close();
            c->Open();  // at once, within the second
            ASSERT_TRUE(c->SendByte(1));
        }
        c.reset();  // with output pending
        Pump(5);
        Drain(pty.master, data.size() + 1, 20);
    }
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST_F(CommXTest, TheLineHangingUpIsReportedOnceAfterTheLastInput)
{
    int hangUps = 0;
    std::string got;
    comm.OnHangUp = [&](TCustomCommX&) { ++hangUps; };
    comm.OnReceive = [&](TCustomCommX& c, int size) {
        std::vector<char> buf(static_cast<std::size_t>(size));
        const int n = c.Read(buf.data(), size);
        if (n > 0)
            got.append(buf.data(), static_cast<std::size_t>(n));
    };
    comm.Open();
    Pump(150);
    EXPECT_EQ(hangUps, 0) << "an open line does not hang up";
    ASSERT_EQ(write(pty.master, "bye", 3), 3);
    ASSERT_TRUE(PumpUntil([&] { return got == "bye"; }));
    close(pty.master);
    pty.master = -1;
    ASSERT_TRUE(PumpUntil([&] { return hangUps == 1; }));
    Pump(300);
    EXPECT_EQ(hangUps, 1);
    EXPECT_EQ(got, "bye");
    comm.Close();
}

} // namespace
} // namespace vorn::test

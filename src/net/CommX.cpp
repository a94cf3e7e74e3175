#include "net/CommX.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace vorn {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const char* const kAlreadyOpen = "ポートは、すでにオープンされています";
const char* const kCannotOpen = "ポートをオープンできませんでした";
const char* const kNoTransThread = "送信用スレッドを生成できませんでした";
const char* const kNoReceiveThread = "受信用スレッドを生成できませんでした";
const char* const kBitRateError = "通信速度の設定でエラーが発生しました";
const char* const kCharSizeError = "通信ビット数の設定でエラーが発生しました";
const char* const kParityError = "通信パリティチェックの設定でエラーが発生しました";
const char* const kStopBitError = "通信ストップビット数の設定でエラーが発生しました";
const char* const kFlowCtrlError = "通信フロー制御の設定で失敗しました";
const char* const kTimeOutError = "通信タイムアウト時間の設定で失敗しました";
const char* const kBufferError = "通信用ポートのバッファを準備できませんでした";

constexpr int kMaxPendingChunks = 32;
constexpr int kWaitSlice = 20;  // ms between looks at the flags while waiting on the line

// The Windows control block's flag word of each flow control.
int FlagWordOf(int flow)
{
    switch (flow) {
    case cfcRtsCts: return 0x2017;
    case cfcDtrDsr: return 0x102B;
    case cfcXonXoff: return 0x1313;
    case cfcHalfHigh: return 0x0013;
    default: return 0x1013;  // cfcHalfLow, cfcNone
    }
}

bool SpeedOf(int rate, speed_t& speed)
{
    static const struct {
        int rate;
        speed_t speed;
    } kSpeeds[] = {{50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
                   {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
                   {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
                   {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
                   {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {1152000, B1152000},
                   {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
                   {3500000, B3500000}, {4000000, B4000000}};
    for (const auto& s : kSpeeds)
        if (s.rate == rate) {
            speed = s.speed;
            return true;
        }
    return false;
}

// Waits up to ms on the wake descriptor (Close writes it), and empties it.
void Nap(int wakeFd, int ms)
{
    pollfd p{wakeFd, POLLIN, 0};
    if (poll(&p, 1, ms) > 0) {
        std::uint64_t n;
        (void)!read(wakeFd, &n, sizeof n);
    }
}

// A handshake for reports the receive thread sends: it waits until the GUI
// thread has handled each, or until the port closes.
struct TSendGate {
    std::mutex mu;
    std::condition_variable cv;
    std::uint64_t sent = 0, handled = 0;
    bool released = false;

    void Done(std::uint64_t seq)
    {
        {
            std::lock_guard lk(mu);
            handled = std::max(handled, seq);
        }
        cv.notify_all();
    }
    void Release()
    {
        {
            std::lock_guard lk(mu);
            released = true;
        }
        cv.notify_all();
    }
};

class TCommEvent : public QEvent {
public:
    static Type Kind()
    {
        static const int kind = registerEventType();
        return static_cast<Type>(kind);
    }
    TCommEvent(int msg, int param, unsigned generation, std::shared_ptr<TSendGate> gate = {}, std::uint64_t seq = 0)
        : QEvent(Kind()), Msg(msg), Param(param), Generation(generation), Gate(std::move(gate)), Seq(seq)
    {
    }
    int Msg, Param;
    unsigned Generation;
    std::shared_ptr<TSendGate> Gate;  // set when the sender waits for the report to be handled
    std::uint64_t Seq;
};

} // namespace

struct TCustomCommX::TBlock {
    termios tio{};
};

// The hidden receiver of the threads' reports, living on the GUI thread.
struct TCustomCommX::THidden : QObject {
    explicit THidden(TCustomCommX& owner) : owner_(owner) {}
    bool event(QEvent* e) override
    {
        if (e->type() != TCommEvent::Kind())
            return QObject::event(e);
        auto* ce = static_cast<TCommEvent*>(e);
        struct TRelease {
            TCommEvent* ce;
            ~TRelease()
            {
                if (ce->Gate)
                    ce->Gate->Done(ce->Seq);
            }
        } release{ce};
        try {
            owner_.WndProc(ce->Msg, ce->Param, ce->Generation);
        } catch (const std::exception& ex) {
            // No exception may leave Qt's event dispatch.
            qWarning("serial port event: %s", ex.what());
        }
        return true;
    }
    TCustomCommX& owner_;
};

// Both threads and what they share with the GUI thread.
struct TCustomCommX::TThreads {
    TThreads(int fd_, int wake_, QObject* hidden_, unsigned generation_)
        : fd(fd_), wakeFd(wake_), hidden(hidden_), generation(generation_), gate(std::make_shared<TSendGate>())
    {
    }

    const int fd;
    const int wakeFd;          // an event counter that wakes the receive thread
    QObject* const hidden;
    const unsigned generation;
    std::atomic<int> flowCtrl{cfcRtsCts};
    std::atomic<int> timeOutTrans{3000};

    // Transmit side.
    std::thread tx;
    std::mutex txMu;           // guards the queue
    std::condition_variable txCv;
    std::deque<std::vector<std::uint8_t>> queue;
    std::atomic<bool> txTerminate{false};
    std::atomic<bool> purge{false};
    std::mutex W;              // port writes against output purges
    std::mutex P;              // the pending counters
    int pendingBytes = 0, pendingChunks = 0;

    // Receive side.
    std::thread rx;
    std::atomic<bool> rxTerminate{false};
    std::shared_ptr<TSendGate> gate;
    std::atomic<std::uint64_t> reads{0};  // Read calls that took bytes

    // Line-error and modem counters last seen (either thread, or Read).
    std::mutex errMu;
    serial_icounter_struct lastCount{};
    bool countOk = false;

    void Post(int msg, int param) { QCoreApplication::postEvent(hidden, new TCommEvent(msg, param, generation)); }

    void Send(int msg, int param)
    {
        std::unique_lock lk(gate->mu);
        const std::uint64_t seq = ++gate->sent;
        QCoreApplication::postEvent(hidden, new TCommEvent(msg, param, generation, gate, seq));
        gate->cv.wait(lk, [&] { return gate->handled >= seq || gate->released; });
    }

    // Overrun, parity and framing errors since the last look, and whether a
    // break came; a port without counters (a pseudo-terminal) has none.
    int LineErrors(bool* brk = nullptr)
    {
        serial_icounter_struct now{};
        if (ioctl(fd, TIOCGICOUNT, &now) != 0)
            return 0;
        std::lock_guard lk(errMu);
        int bits = 0;
        if (countOk) {
            if (now.overrun != lastCount.overrun || now.buf_overrun != lastCount.buf_overrun)
                bits |= ceOverrun;
            if (now.parity != lastCount.parity)
                bits |= ceRxParity;
            if (now.frame != lastCount.frame)
                bits |= ceFrame;
            if (brk != nullptr)
                *brk = now.brk != lastCount.brk;
        }
        lastCount = now;
        countOk = true;
        return bits;
    }
    void ReportLineError(bool sent)
    {
        const int bits = LineErrors();
        if (bits == 0)
            return;
        if (sent)
            Send(kMsgError, bits);
        else
            Post(kMsgError, bits);
    }

    void Lines(int set, int clear)
    {
        if (set != 0)
            (void)ioctl(fd, TIOCMBIS, &set);
        if (clear != 0)
            (void)ioctl(fd, TIOCMBIC, &clear);
    }
    void RtsBefore()
    {
        const int flow = flowCtrl;
        if (flow != cfcHalfHigh && flow != cfcHalfLow)
            return;
        std::this_thread::sleep_for(milliseconds(100));
        flow == cfcHalfHigh ? Lines(TIOCM_RTS, 0) : Lines(0, TIOCM_RTS);
        std::this_thread::sleep_for(milliseconds(10));
    }
    void RtsAfter()
    {
        const int flow = flowCtrl;
        if (flow != cfcHalfHigh && flow != cfcHalfLow)
            return;
        std::this_thread::sleep_for(milliseconds(20));
        flow == cfcHalfHigh ? Lines(0, TIOCM_RTS) : Lines(TIOCM_RTS, 0);
    }

    // Writes one chunk; the write time-out, a purge or the close ends it
    // early without an error.  False when the port refused the write.
    bool WriteChunk(const std::vector<std::uint8_t>& chunk)
    {
        const int limit = timeOutTrans;
        const auto deadline = Clock::now() + milliseconds(limit);
        std::size_t done = 0;
        while (done < chunk.size()) {
            if (purge || txTerminate)
                return true;
            ssize_t n;
            {
                std::lock_guard lk(W);
                n = write(fd, chunk.data() + done, chunk.size() - done);
            }
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            if (limit > 0 && Clock::now() >= deadline)
                return true;
            pollfd p{fd, POLLOUT, 0};
            (void)poll(&p, 1, kWaitSlice);
        }
        return true;
    }

    void TransLoop()
    {
        while (!txTerminate) {
            std::deque<std::vector<std::uint8_t>> burst;
            {
                std::unique_lock lk(txMu);
                txCv.wait_for(lk, milliseconds(100), [&] { return !queue.empty() || txTerminate; });
                burst.swap(queue);
            }
            bool wrote = false;
            for (const std::vector<std::uint8_t>& chunk : burst) {
                if (!purge && !txTerminate) {
                    if (!wrote)
                        RtsBefore();
                    wrote = true;
                    if (!WriteChunk(chunk))
                        ReportLineError(false);
                }
                const int size = static_cast<int>(chunk.size());
                Post(kMsgTrans, size);
                std::lock_guard lk(P);
                pendingBytes = std::max(0, pendingBytes - size);
                if (pendingChunks > 0)
                    --pendingChunks;
            }
            if (wrote)
                RtsAfter();
        }
    }

    void ReceiveLoop()
    {
        int lines = 0;
        bool linesOk = ioctl(fd, TIOCMGET, &lines) == 0;
        (void)LineErrors();
        // Input that a report left unread (no handler took it) is reported
        // again only when more arrives or somebody reads.
        int staleQueued = -1;
        std::uint64_t staleReads = 0;
        bool hungUp = false;  // the hang-up has been reported
        while (!rxTerminate) {
            pollfd p[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
            const int r = poll(p, 2, 100);
            if (rxTerminate)
                break;
            if (r < 0 && errno != EINTR) {
                Nap(wakeFd, kWaitSlice);
                continue;
            }
            if (p[1].revents & POLLIN)
                Nap(wakeFd, 0);
            bool brk = false;
            if (const int bits = LineErrors(&brk))
                Send(kMsgError, bits);
            int mask = brk ? evBreak : 0;
            int now = 0;
            if (linesOk && ioctl(fd, TIOCMGET, &now) == 0) {
                const int changed = now ^ lines;
                if (changed & TIOCM_CTS)
                    mask |= evCts;
                if (changed & TIOCM_DSR)
                    mask |= evDsr;
                if (changed & TIOCM_CD)
                    mask |= evRlsd;
                if (changed & TIOCM_RI)
                    mask |= evRing;
                lines = now;
            }
            if (mask != 0)
                Send(kMsgSignal, mask);
            int queued = 0;
            if (ioctl(fd, FIONREAD, &queued) != 0)
                queued = 0;
            if (staleQueued >= 0 && (reads != staleReads || queued != staleQueued))
                staleQueued = -1;
            if (queued > 0 && staleQueued < 0) {
                const std::uint64_t before = reads;
                Send(kMsgReceive, 0);
                if (reads == before && !rxTerminate) {
                    staleQueued = queued;
                    staleReads = before;
                }
            } else if (queued == 0 && (p[0].revents & POLLHUP) != 0 && !hungUp) {
                // The other end closed the line: reported once, after the
                // last input was taken.
                hungUp = true;
                Send(kMsgHangUp, 0);
            } else if (queued > 0 || (p[0].revents & (POLLHUP | POLLERR | POLLNVAL))) {
                // Bytes nobody takes, or a line that hung up, keep the port
                // readable: look again a little later.
                Nap(wakeFd, kWaitSlice);
            }
        }
    }
};

// ---------------------------------------------------------------------------

TCustomCommX::TCustomCommX() : block_(std::make_unique<TBlock>()), hidden_(std::make_unique<THidden>(*this)) {}

TCustomCommX::~TCustomCommX()
{
    Close();
    // Reports still queued for the hidden receiver go with it.
    hidden_.reset();
}

void TCustomCommX::SetDeviceName(int portNo, const std::string& path)
{
    if (path.empty())
        devices_.erase(portNo);
    else
        devices_[portNo] = path;
}

std::string TCustomCommX::DeviceName(int portNo) const
{
    const auto it = devices_.find(portNo);
    if (it != devices_.end())
        return it->second;
    return "/dev/ttyS" + std::to_string(portNo - 1);
}

void TCustomCommX::Open()
{
    if (fd_ >= 0)
        throw ECommError(kAlreadyOpen);
    const std::string path = DeviceName(portNo_);
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw ECommError(kCannotOpen);
    if (tcgetattr(fd, &block_->tio) != 0) {
        ::close(fd);  // not a terminal
        throw ECommError(kCannotOpen);
    }
    // Nobody else may open the line while we hold it.
    (void)ioctl(fd, TIOCEXCL);
    fd_ = fd;
    ++generation_;
    try {
        ApplyBuffers();
        PurgeTrans();
        PurgeReceive();
        termios& t = block_->tio;
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        t.c_cc[VSTART] = 0x11;
        t.c_cc[VSTOP] = 0x13;
        SetBitRate(bitRate_);
        SetCharSize(charSize_);
        SetParityBit(parityBit_);
        SetStopBit(stopBit_);
        SetFlowCtrl(flowCtrl_);
        ApplyTimeOuts();
        StartThreads();
    } catch (...) {
        Close();
        throw;
    }
}

void TCustomCommX::StartThreads()
{
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0)
        throw ECommError(kNoReceiveThread);
    threads_ = std::make_unique<TThreads>(fd_, wake, hidden_.get(), generation_);
    TThreads& t = *threads_;
    t.flowCtrl = flowCtrl_;
    t.timeOutTrans = timeOutTrans_;
    try {
        t.tx = std::thread([&t] { t.TransLoop(); });
    } catch (const std::system_error&) {
        throw ECommError(kNoTransThread);
    }
    try {
        t.rx = std::thread([&t] { t.ReceiveLoop(); });
    } catch (const std::system_error&) {
        throw ECommError(kNoReceiveThread);
    }
}

void TCustomCommX::StopThreads()
{
    if (!threads_)
        return;
    TThreads& t = *threads_;
    {
        std::lock_guard lk(t.txMu);
        t.txTerminate = true;
    }
    t.txCv.notify_all();
    t.rxTerminate = true;
    const std::uint64_t one = 1;
    (void)!write(t.wakeFd, &one, sizeof one);
    // A report the receive thread waits on is let go.
    t.gate->Release();
    if (t.tx.joinable())
        t.tx.join();
    if (t.rx.joinable())
        t.rx.join();
    ::close(t.wakeFd);
    threads_.reset();
}

void TCustomCommX::Close()
{
    if (fd_ < 0)
        return;
    SetDtr(false);
    SetRts(false);
    PurgeTrans();
    PurgeReceive();
    StopThreads();
    (void)ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

bool TCustomCommX::Write(const void* buf, int len)
{
    if (len == 0)
        return true;
    if (buf == nullptr || len < 0)
        return false;
    const auto* p = static_cast<const std::uint8_t*>(buf);
    bool all = true;
    while (len > 0) {
        if (fd_ < 0 || !threads_)
            return false;
        // At most 32 chunks wait: the reports of the chunks written keep
        // coming meanwhile, and input that arrives is taken afterwards.
        for (;;) {
            {
                std::lock_guard lk(threads_->P);
                if (threads_->pendingChunks < kMaxPendingChunks)
                    break;
            }
            writeWaiting_ = true;
            QCoreApplication::sendPostedEvents(hidden_.get(), TCommEvent::Kind());
            writeWaiting_ = false;
            if (fd_ < 0 || !threads_)
                return false;  // a report's handler closed the port
            std::this_thread::sleep_for(milliseconds(1));
        }
        if (receiveDeferred_) {
            receiveDeferred_ = false;
            QCoreApplication::postEvent(hidden_.get(), new TCommEvent(kMsgReceive, 0, generation_));
        }
        TThreads& t = *threads_;
        const int n = std::min(len, bufLenTrans_);
        try {
            std::vector<std::uint8_t> chunk(p, p + n);
            {
                std::lock_guard lk(t.P);
                t.pendingBytes += n;
                ++t.pendingChunks;
            }
            {
                std::lock_guard lk(t.txMu);
                t.queue.push_back(std::move(chunk));
            }
            t.txCv.notify_one();
        } catch (const std::bad_alloc&) {
            all = false;  // this chunk is not sent
        }
        p += n;
        len -= n;
    }
    return all;
}

int TCustomCommX::Read(void* buf, int len)
{
    if (fd_ < 0 || !threads_ || buf == nullptr)
        return -1;
    if (len <= 0)
        return 0;
    const ssize_t n = ::read(fd_, buf, static_cast<std::size_t>(len));
    if (n > 0)
        ++threads_->reads;
    if (n >= 0)
        return static_cast<int>(n);
    if (errno == EAGAIN || errno == EINTR)
        return 0;
    threads_->ReportLineError(false);
    return -1;
}

int TCustomCommX::InQueCount() const
{
    int n = 0;
    if (fd_ < 0 || ioctl(fd_, FIONREAD, &n) != 0)
        return 0;
    return n;
}

void TCustomCommX::PurgeTrans()
{
    if (fd_ < 0)
        return;
    if (!threads_) {
        tcflush(fd_, TCOFLUSH);
        return;
    }
    TThreads& t = *threads_;
    t.purge = true;
    t.txCv.notify_one();
    // The transmit thread discards every queued chunk and so brings the
    // pending bytes to 0; a chunk being written stops at its next slice.
    const auto giveUp = Clock::now() + std::chrono::seconds(5);
    for (;;) {
        {
            std::lock_guard lk(t.W);
            tcflush(fd_, TCOFLUSH);
        }
        std::this_thread::sleep_for(milliseconds(1));
        {
            std::lock_guard lk(t.P);
            if (t.pendingBytes == 0)
                break;
        }
        if (Clock::now() > giveUp)
            break;
    }
    t.purge = false;
}

void TCustomCommX::PurgeReceive()
{
    if (fd_ >= 0)
        tcflush(fd_, TCIFLUSH);
}

void TCustomCommX::SetRts(bool on)
{
    if (fd_ < 0)
        return;
    int bit = TIOCM_RTS;
    (void)ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit);
}

void TCustomCommX::SetDtr(bool on)
{
    if (fd_ < 0)
        return;
    int bit = TIOCM_DTR;
    (void)ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit);
}

// ---------------------------------------------------------------------------
// Settings

void TCustomCommX::Apply(const char* failure)
{
    if (tcsetattr(fd_, TCSANOW, &block_->tio) != 0)
        throw ECommError(failure);
}

void TCustomCommX::SetPortNo(int v)
{
    portNo_ = v;
    if (fd_ >= 0) {
        Close();
        Open();
    }
}

void TCustomCommX::SetBitRate(int v)
{
    if (v < 0)
        throw ECommError(kBitRateError);
    bitRate_ = v;
    if (fd_ < 0)
        return;
    speed_t speed;
    if (!SpeedOf(v, speed))
        throw ECommError(kBitRateError);
    cfsetispeed(&block_->tio, speed);
    cfsetospeed(&block_->tio, speed);
    Apply(kBitRateError);
}

void TCustomCommX::SetCharSize(int v)
{
    if (v < 0 || v > 255)
        throw ECommError(kCharSizeError);
    charSize_ = v;
    if (fd_ < 0)
        return;
    static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    if (v < 5 || v > 8)
        throw ECommError(kCharSizeError);
    block_->tio.c_cflag = (block_->tio.c_cflag & ~CSIZE) | kSizes[v - 5];
    Apply(kCharSizeError);
}

void TCustomCommX::SetParityBit(int v)
{
    parityBit_ = v;
    if (fd_ < 0 || v < cpbNone || v > cpbEven)
        return;
    termios& t = block_->tio;
    t.c_cflag &= ~(PARENB | PARODD);
    t.c_iflag &= ~INPCK;
    if (v != cpbNone) {
        t.c_cflag |= v == cpbOdd ? (PARENB | PARODD) : PARENB;
        t.c_iflag |= INPCK;
    }
    Apply(kParityError);
}

void TCustomCommX::SetStopBit(int v)
{
    stopBit_ = v;
    if (fd_ < 0 || v < csb1 || v > csb2)
        return;
    // One and a half stop bits is no setting of a POSIX line.
    if (v == csb1p5)
        throw ECommError(kStopBitError);
    if (v == csb2)
        block_->tio.c_cflag |= CSTOPB;
    else
        block_->tio.c_cflag &= ~CSTOPB;
    Apply(kStopBitError);
}

void TCustomCommX::SetFlowCtrl(int v)
{
    flowCtrl_ = v;
    xonLim_ = bufLenReceive_ / 4;
    xoffLim_ = 3 * xonLim_;
    flagWord_ = FlagWordOf(v);
    if (fd_ < 0)
        return;
    ApplyFlowCtrl();
}

void TCustomCommX::ApplyFlowCtrl()
{
    termios& t = block_->tio;
    t.c_cflag &= ~CRTSCTS;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (flowCtrl_ == cfcRtsCts)
        t.c_cflag |= CRTSCTS;
    else if (flowCtrl_ == cfcXonXoff)
        t.c_iflag |= IXON | IXOFF;
    Apply(kFlowCtrlError);
    if (threads_)
        threads_->flowCtrl = flowCtrl_;
    // DTR is held up in every mode; RTS too, except that the half-duplex
    // high mode raises it only around each burst (and RTS/CTS leaves it to
    // the driver).
    SetDtr(true);
    if (flowCtrl_ == cfcHalfHigh)
        SetRts(false);
    else if (flowCtrl_ != cfcRtsCts)
        SetRts(true);
}

void TCustomCommX::SetTimeOutTrans(int ms)
{
    timeOutTrans_ = ms;
    ApplyTimeOuts();
}

void TCustomCommX::SetTimeOutReceive(int ms)
{
    timeOutReceive_ = ms;
    ApplyTimeOuts();
}

void TCustomCommX::ApplyTimeOuts()
{
    if (fd_ < 0)
        return;
    if (timeOutTrans_ < 0 || timeOutReceive_ < 0)
        throw ECommError(kTimeOutError);
    // Reads never wait; writes give up on a chunk after TimeOutTrans.
    if (threads_)
        threads_->timeOutTrans = timeOutTrans_;
}

void TCustomCommX::SetBufLenTrans(int v)
{
    // A chunk holds at least one byte.
    if (v < 1)
        throw ECommError(kBufferError);
    bufLenTrans_ = v;
    ApplyBuffers();
}

void TCustomCommX::SetBufLenReceive(int v)
{
    // The Xoff limit, three quarters of the queue, is a 16-bit number.
    if (v < 0 || v / 4 * 3 > 0xFFFF)
        throw ECommError(kBufferError);
    bufLenReceive_ = v;
    ApplyBuffers();
    SetFlowCtrl(flowCtrl_);
}

void TCustomCommX::ApplyBuffers()
{
    // The driver's queues have their own sizes here; only the limits are kept.
    if (fd_ >= 0 && (bufLenTrans_ < 1 || bufLenReceive_ < 0))
        throw ECommError(kBufferError);
}

// ---------------------------------------------------------------------------
// Reports on the GUI thread

void TCustomCommX::WndProc(int msg, int param, unsigned generation)
{
    if (fd_ < 0 || generation != generation_)
        return;
    switch (msg) {
    case kMsgTrans: DoTrans(param); break;
    case kMsgReceive: DoReceive(); break;
    case kMsgSignal: DoSignal(param); break;
    case kMsgError: DoError(param); break;
    case kMsgHangUp:
        if (OnHangUp)
            OnHangUp(*this);
        break;
    default: break;
    }
}

void TCustomCommX::DoTrans(int size)
{
    if (OnTrans && threads_)
        OnTrans(*this, size);
}

void TCustomCommX::DoReceive()
{
    if (writeWaiting_) {
        // Write waits for room in its queue: the input is taken after it.
        receiveDeferred_ = true;
        return;
    }
    const int count = InQueCount();
    if (OnReceive && count != 0)
        OnReceive(*this, count);
}

void TCustomCommX::DoSignal(int mask)
{
    if ((mask & (evCts | evDsr | evRlsd | evRing)) != 0 && OnSignal)
        OnSignal(*this, mask);
    if ((mask & evBreak) != 0 && OnBreak)
        OnBreak(*this);
}

void TCustomCommX::DoError(int bits)
{
    if (OnError)
        OnError(*this, bits);
}

} // namespace vorn

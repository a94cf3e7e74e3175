// TCommX: one serial port, moving bytes between the GUI thread and the line
// without ever blocking the GUI thread in the driver.
//
// A transmit thread writes what Write hands it, in chunks of at most
// BufLenTrans bytes (at most 32 pending); a receive thread waits for input,
// modem-line changes and line errors.  Both report to the thread that made
// the component (the GUI thread) through its event queue, and the component
// raises its events there: OnTrans for every chunk written or discarded,
// OnReceive when characters arrived, OnSignal and OnBreak for modem lines and
// breaks, OnError for overrun, parity and framing errors, OnHangUp once when
// the line hangs up (the other end closed it).  Read never waits and never
// runs an event loop.
//
// Settings are properties, applied to an open port at once; a setting the
// port refuses raises ECommError with a fixed Japanese message.  Port 1 and 2
// are /dev/ttyS0 and /dev/ttyS1 unless SetDeviceName names other devices.
//
// On Linux there is no DTR/DSR flow control, no driver queue size and no
// Xon/Xoff limit: those values are kept (XonLim and XoffLim are computed as
// a Windows driver would be given them) and nothing else is done with them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace vorn {

class ECommError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TCommParityBits : std::uint8_t { cpbNone, cpbOdd, cpbEven };
enum TCommStopBits : std::uint8_t { csb1, csb1p5, csb2 };
enum TCommFlowCtrls : std::uint8_t { cfcRtsCts, cfcDtrDsr, cfcXonXoff, cfcHalfHigh, cfcHalfLow, cfcNone };

// Bits of an OnSignal event mask.
enum : int { evCts = 0x008, evDsr = 0x010, evRlsd = 0x020, evBreak = 0x040, evRing = 0x100 };
// Bits of an OnError error state.
enum : int { ceOverrun = 0x02, ceRxParity = 0x04, ceFrame = 0x08 };

class TCustomCommX;
using TCommTransEvent = std::function<void(TCustomCommX& sender, int transSize)>;
using TCommReceiveEvent = std::function<void(TCustomCommX& sender, int receiveSize)>;
using TCommSignalEvent = std::function<void(TCustomCommX& sender, int eventMask)>;
using TCommBreakEvent = std::function<void(TCustomCommX& sender)>;
using TCommErrEvent = std::function<void(TCustomCommX& sender, int errorState)>;

class TCustomCommX {
public:
    // Made and used on one thread, which must run a Qt event loop for the
    // events to arrive.
    TCustomCommX();
    virtual ~TCustomCommX();
    TCustomCommX(const TCustomCommX&) = delete;
    TCustomCommX& operator=(const TCustomCommX&) = delete;

    // Opens and configures the port and starts both threads.
    void Open();
    // Joins both threads and closes the port; nothing when closed.
    void Close();
    // Queues len bytes; true when all were queued (or len is 0), false when
    // the port is closed or a chunk could not be queued.  Returns before the
    // bytes are written.
    virtual bool Write(const void* buf, int len);
    bool SendByte(std::uint8_t b) { return Write(&b, 1); }
    // Up to len bytes that have arrived, at once: the number read (0 when
    // none are there), -1 when the port is closed or the read failed.
    virtual int Read(void* buf, int len);
    // Bytes waiting to be read; 0 when closed.
    int InQueCount() const;
    // Discards pending output with its queued chunks (each still reported by
    // OnTrans), or pending input.
    void PurgeTrans();
    void PurgeReceive();
    void SetRts(bool on);
    void SetDtr(bool on);

    bool Opened() const { return fd_ >= 0; }
    // The port's descriptor, -1 while closed.
    int Handle() const { return fd_; }

    // --- Properties ---------------------------------------------------------------
    int PortNo() const { return portNo_; }
    void SetPortNo(int v);
    int BitRate() const { return bitRate_; }
    void SetBitRate(int v);
    int CharSize() const { return charSize_; }
    void SetCharSize(int v);
    int ParityBit() const { return parityBit_; }
    void SetParityBit(int v);
    int StopBit() const { return stopBit_; }
    void SetStopBit(int v);
    int FlowCtrl() const { return flowCtrl_; }
    void SetFlowCtrl(int v);
    int TimeOutTrans() const { return timeOutTrans_; }
    void SetTimeOutTrans(int ms);
    int TimeOutReceive() const { return timeOutReceive_; }
    void SetTimeOutReceive(int ms);
    int BufLenTrans() const { return bufLenTrans_; }
    void SetBufLenTrans(int v);
    int BufLenReceive() const { return bufLenReceive_; }
    void SetBufLenReceive(int v);

    // What a Windows driver would be given for the flow control: the Xon and
    // Xoff limits (from BufLenReceive) and the control block's flag word.
    int XonLim() const { return xonLim_; }
    int XoffLim() const { return xoffLim_; }
    int FlagWord() const { return flagWord_; }

    // The device of a port number; "/dev/ttyS<n-1>" unless one was named.
    void SetDeviceName(int portNo, const std::string& path);
    std::string DeviceName(int portNo) const;

    TCommTransEvent OnTrans;
    TCommReceiveEvent OnReceive;
    TCommSignalEvent OnSignal;
    TCommBreakEvent OnBreak;
    TCommErrEvent OnError;
    TCommBreakEvent OnHangUp;

    // The reports of the two threads, as the hidden receiver gets them.
    enum { kMsgTrans = 0x500, kMsgReceive = 0x501, kMsgSignal = 0x502, kMsgError = 0x503, kMsgHangUp = 0x504 };
    // Raises the event of one report (GUI thread); reports of a port closed
    // or opened again since are ignored.
    void WndProc(int msg, int param, unsigned generation);
    // Counts the openings of the port; reports carry the count of theirs.
    unsigned Generation() const { return generation_; }

    struct TThreads;

private:
    friend struct TThreads;
    void Apply(const char* failure);
    void ApplyFlowCtrl();
    void ApplyTimeOuts();
    void ApplyBuffers();
    void StartThreads();
    void StopThreads();
    void DoTrans(int size);
    void DoReceive();
    void DoSignal(int mask);
    void DoError(int bits);

    int fd_ = -1;
    unsigned generation_ = 0;  // counts Open calls
    int portNo_ = 1;
    int bitRate_ = 9600;
    int charSize_ = 8;
    int parityBit_ = cpbNone;
    int stopBit_ = csb1;
    int flowCtrl_ = cfcRtsCts;
    int timeOutTrans_ = 3000;
    int timeOutReceive_ = 3000;
    int bufLenTrans_ = 2048;
    int bufLenReceive_ = 2048;
    int xonLim_ = 512, xoffLim_ = 1536, flagWord_ = 0x2017;
    std::map<int, std::string> devices_;
    struct TBlock;
    std::unique_ptr<TBlock> block_;      // the line settings as the port is given them
    std::unique_ptr<TThreads> threads_;  // both threads and what they share; empty while closed
    struct THidden;
    std::unique_ptr<THidden> hidden_;    // receives the threads' reports on the GUI thread
    bool writeWaiting_ = false;          // Write waits for room in the queue
    bool receiveDeferred_ = false;       // input arrived meanwhile
};

// The component as the serial window holds it.
class TCommX : public TCustomCommX {
public:
    using TCustomCommX::TCustomCommX;
};

} // namespace vorn

// TTcpSocket: the TCP link's sockets, on the GUI thread with Qt Network.  A
// listening socket and at most one peer connection, either accepted or
// opened to a host; a further connection that arrives while one is open is
// closed at once.  Bytes and events of the connection go to the protocol;
// Nagle's algorithm is off, so every message leaves as it is written.  A
// message whose end the format leaves open is handed over once the line has
// been quiet for kTcpQuietMs; after sending one, the next message waits
// kTcpGapMs, so the peer takes the two apart.  A message of a fixed length
// cut short is dropped after kTcpStallMs of silence.
//
// A connection that arrives while one is open waits kTcpQuietMs before it
// is refused: the open one may have closed without its end being seen yet,
// and its close frees the place at once.  The close is reported to the
// protocol from the event loop, after the socket's handler (the report may
// show a message box); connections that arrive until then wait, and the
// place goes to them in the order they came.  A socket is never deleted
// while a handler of its signals runs (TSocketKeeper).
#pragma once

#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <deque>
#include <string>
#include <utility>

#include "net/SocketKeeper.h"
#include "net/TcpProtocol.h"

class QTcpSocket;

namespace vorn {

class TTcpSocket : public QObject, public TTcpTransport {
    Q_OBJECT
public:
    explicit TTcpSocket(TTcpProtocol& protocol, QObject* parent = nullptr);
    ~TTcpSocket() override;

    bool Write(const std::string& bytes, bool openEnd) override;
    void Close() override;
    bool IsOpen() const override;
    bool Listen(int port, std::string& error) override;
    void StopListening() override;
    bool Listening() const override;
    void Connect(const std::string& host, int port) override;
    void CloseClient() override;
    bool ClientActive() const override;

    // The port listened on (the one the system chose when 0 was asked);
    // 0 while not listening.
    int ListenPort() const;

private:
    void Accept();
    // The connection held back while another was open: it takes the place
    // when that one has gone, or is refused.
    void HeldDecide();
    void Refuse(QTcpSocket* s, const std::string& address);
    // The peer connection closed: its place is free; the close is reported
    // after the handler at hand (ReportGone).
    void PeerGone();
    void ReportGone();
    // The socket becomes the peer connection.
    void Attach(QTcpSocket* s, bool accepted);
    // Forgets the peer connection: closed at once, no events any more.
    void Drop();
    void Read(QTcpSocket* s);
    // Writes one message now.
    bool Send(const std::string& bytes, bool openEnd);
    // The gap after a message with an open end is over: what waits goes out.
    void SendWaiting();

    TTcpProtocol& protocol_;
    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
    bool peerAccepted_ = false;
    QTimer quiet_;
    QTimer stall_;
    QTimer gap_;
    QTcpSocket* held_ = nullptr;
    bool goneUnreported_ = false;  // a close waits to be reported
    std::string heldAddress_;
    QTimer grace_;
    TSocketKeeper keeper_;
    std::deque<std::pair<std::string, bool>> waiting_;
};

} // namespace vorn

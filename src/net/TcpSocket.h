// TTcpSocket: the TCP link's sockets, on the GUI thread with Qt Network.  A
// listening socket and at most one peer connection, either accepted or
// opened to a host; a further connection that arrives while one is open is
// closed at once.  Bytes and events of the connection go to the protocol;
// Nagle's algorithm is off, so every message leaves as it is written.  A
// message whose end the format leaves open is handed over once the line has
// been quiet for kTcpQuietMs; after sending one, the next message waits
// kTcpGapMs, so the peer takes the two apart.
#pragma once

#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <deque>
#include <string>
#include <utility>

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
    QTimer gap_;
    std::deque<std::pair<std::string, bool>> waiting_;
};

} // namespace vorn

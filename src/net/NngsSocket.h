// TNngsSocket: the Go-server connection, a client socket on the GUI thread
// with Qt Network.  Its bytes and events go to the protocol.  A socket is
// never deleted while a handler of its signals runs (TSocketKeeper).
#pragma once

#include <QObject>

#include <string>

#include "net/NngsProtocol.h"
#include "net/SocketKeeper.h"

class QTcpSocket;

namespace vorn {

class TNngsSocket : public QObject, public TNngsTransport {
    Q_OBJECT
public:
    explicit TNngsSocket(TNngsProtocol& protocol, QObject* parent = nullptr);
    ~TNngsSocket() override;

    bool Write(const std::string& bytes) override;
    bool IsOpen() const override;
    void Connect(const std::string& host, int port) override;
    void Close() override;

private:
    // Forgets the connection: closed at once, no events any more.
    void Drop();
    void Read(QTcpSocket* s);

    TNngsProtocol& protocol_;
    QTcpSocket* socket_ = nullptr;
    TSocketKeeper keeper_;
};

} // namespace vorn

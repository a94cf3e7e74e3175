#include "net/NngsSocket.h"

#include <QTcpSocket>

namespace vorn {

TNngsSocket::TNngsSocket(TNngsProtocol& protocol, QObject* parent) : QObject(parent), protocol_(protocol)
{
    protocol_.SetTransport(this);
}

TNngsSocket::~TNngsSocket()
{
    if (protocol_.Transport() == this)
        protocol_.SetTransport(nullptr);
    Drop();
}

bool TNngsSocket::Write(const std::string& bytes)
{
    if (!IsOpen())
        return false;
    const auto n = static_cast<qint64>(bytes.size());
    return socket_->write(bytes.data(), n) == n;
}

bool TNngsSocket::IsOpen() const
{
    return socket_ != nullptr && socket_->state() == QAbstractSocket::ConnectedState;
}

void TNngsSocket::Connect(const std::string& host, int port)
{
    Drop();
    auto* s = new QTcpSocket(this);
    socket_ = s;
    connect(s, &QTcpSocket::connected, this, [this, s] {
        const TSocketKeeper::Scope scope(keeper_);
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        protocol_.Opened(s->peerName().toStdString());
    });
    connect(s, &QTcpSocket::readyRead, this, [this, s] { Read(s); });
    connect(s, &QTcpSocket::disconnected, this, [this, s] {
        const TSocketKeeper::Scope scope(keeper_);
        if (s != socket_)
            return;
        Drop();
        protocol_.Closed();
    });
    connect(s, &QTcpSocket::errorOccurred, this, [this, s](QAbstractSocket::SocketError e) {
        const TSocketKeeper::Scope scope(keeper_);
        // The server closing is no error: the disconnection reports it.
        if (s != socket_ || e == QAbstractSocket::RemoteHostClosedError)
            return;
        const std::string text = s->errorString().toStdString();
        Drop();
        protocol_.Failed(static_cast<int>(e), text);
    });
    s->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

void TNngsSocket::Close() { Drop(); }

void TNngsSocket::Drop()
{
    QTcpSocket* s = socket_;
    if (s == nullptr)
        return;
    socket_ = nullptr;
    disconnect(s, nullptr, this, nullptr);
    s->abort();
    keeper_.Retire(s);
}

void TNngsSocket::Read(QTcpSocket* s)
{
    const TSocketKeeper::Scope scope(keeper_);
    // An event loop run while a line is handled may let more bytes arrive
    // without a signal of their own: read until none is left.
    while (s == socket_ && s->bytesAvailable() > 0) {
        const QByteArray bytes = s->readAll();
        protocol_.Receive(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
}

} // namespace vorn

#include "net/TcpSocket.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <utility>

namespace vorn {

namespace {

// The peer's address as a person reads it (an IPv4 peer of a dual-stack
// listener without its "::ffff:" prefix).
std::string AddressText(const QHostAddress& a)
{
    bool v4 = false;
    const quint32 ip = a.toIPv4Address(&v4);
    return (v4 ? QHostAddress(ip) : a).toString().toStdString();
}

} // namespace

TTcpSocket::TTcpSocket(TTcpProtocol& protocol, QObject* parent) : QObject(parent), protocol_(protocol)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kTcpQuietMs);
    connect(&quiet_, &QTimer::timeout, this, [this] { protocol_.Flush(); });
    stall_.setSingleShot(true);
    stall_.setInterval(kTcpStallMs);
    connect(&stall_, &QTimer::timeout, this, [this] { protocol_.Expire(); });
    grace_.setSingleShot(true);
    grace_.setInterval(kTcpQuietMs);
    connect(&grace_, &QTimer::timeout, this, &TTcpSocket::HeldDecide);
    gap_.setSingleShot(true);
    gap_.setInterval(kTcpGapMs);
    connect(&gap_, &QTimer::timeout, this, &TTcpSocket::SendWaiting);
    connect(&server_, &QTcpServer::newConnection, this, &TTcpSocket::Accept);
    protocol_.SetTransport(this);
}

TTcpSocket::~TTcpSocket()
{
    if (protocol_.Transport() == this)
        protocol_.SetTransport(nullptr);
    Drop();
    if (held_ != nullptr) {
        held_->abort();
        delete held_;
    }
    server_.close();
}

bool TTcpSocket::Write(const std::string& bytes, bool openEnd)
{
    if (!IsOpen())
        return false;
    if (gap_.isActive() || !waiting_.empty()) {
        waiting_.emplace_back(bytes, openEnd);
        return true;
    }
    return Send(bytes, openEnd);
}

bool TTcpSocket::Send(const std::string& bytes, bool openEnd)
{
    const auto n = static_cast<qint64>(bytes.size());
    const bool written = peer_->write(bytes.data(), n) == n;
    if (openEnd)
        gap_.start();
    return written;
}

void TTcpSocket::SendWaiting()
{
    while (!waiting_.empty() && !gap_.isActive() && IsOpen()) {
        const auto [bytes, openEnd] = waiting_.front();
        waiting_.pop_front();
        Send(bytes, openEnd);
    }
}

void TTcpSocket::Close() { Drop(); }

bool TTcpSocket::IsOpen() const { return peer_ != nullptr && peer_->state() == QAbstractSocket::ConnectedState; }

bool TTcpSocket::Listen(int port, std::string& error)
{
    if (server_.isListening())
        return true;
    if (server_.listen(QHostAddress::Any, static_cast<quint16>(port)))
        return true;
    error = server_.errorString().toStdString();
    return false;
}

void TTcpSocket::StopListening()
{
    server_.close();
    grace_.stop();
    if (QTcpSocket* s = std::exchange(held_, nullptr)) {
        s->abort();
        keeper_.Retire(s);
    }
    // Like the listening socket of the platform, it takes its connection along.
    if (peer_ != nullptr && peerAccepted_)
        Drop();
}

bool TTcpSocket::Listening() const { return server_.isListening(); }

int TTcpSocket::ListenPort() const { return server_.isListening() ? server_.serverPort() : 0; }

void TTcpSocket::Connect(const std::string& host, int port)
{
    Drop();
    auto* s = new QTcpSocket(this);
    Attach(s, false);
    connect(s, &QTcpSocket::connected, this, [this, s] {
        const TSocketKeeper::Scope scope(keeper_);
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        protocol_.Connected(s->peerName().toStdString(), false);
    });
    s->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

void TTcpSocket::CloseClient()
{
    if (peer_ != nullptr && !peerAccepted_)
        Drop();
}

bool TTcpSocket::ClientActive() const { return peer_ != nullptr && !peerAccepted_; }

void TTcpSocket::Accept()
{
    // Connections that arrive before a close is reported wait for it.
    while (QTcpSocket* s = goneUnreported_ ? nullptr : server_.nextPendingConnection()) {
        const std::string address = AddressText(s->peerAddress());
        // A connection that has closed frees its place at once.
        if (peer_ != nullptr && peerAccepted_ && peer_->state() != QAbstractSocket::ConnectedState)
            PeerGone();
        if (peer_ == nullptr && held_ == nullptr && !goneUnreported_) {
            Attach(s, true);
            s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            protocol_.Connected(address, true);
            if (s == peer_ && s->bytesAvailable() > 0)
                Read(s);
            continue;
        }
        if (held_ == nullptr) {
            held_ = s;
            heldAddress_ = address;
            grace_.start();
            continue;
        }
        Refuse(s, address);
    }
}

void TTcpSocket::Refuse(QTcpSocket* s, const std::string& address)
{
    s->abort();
    keeper_.Retire(s);
    protocol_.Refused(address);
}

void TTcpSocket::HeldDecide()
{
    // Not before the close of the last connection is reported: that decides.
    if (goneUnreported_)
        return;
    QTcpSocket* s = std::exchange(held_, nullptr);
    grace_.stop();
    if (s == nullptr)
        return;
    if (peer_ != nullptr || !server_.isListening()) {
        Refuse(s, heldAddress_);
        return;
    }
    if (s->state() != QAbstractSocket::ConnectedState) {
        // It went before it was taken.
        s->abort();
        keeper_.Retire(s);
        return;
    }
    Attach(s, true);
    s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    protocol_.Connected(heldAddress_, true);
    if (s == peer_ && s->bytesAvailable() > 0)
        Read(s);
}

void TTcpSocket::PeerGone()
{
    Drop();
    // Reported once the handler at hand has returned: the report may show a
    // message box, whose event loop, run inside this handler, would let a
    // later connection take the place before the one that came first.
    goneUnreported_ = true;
    QMetaObject::invokeMethod(this, [this] { ReportGone(); }, Qt::QueuedConnection);
}

void TTcpSocket::ReportGone()
{
    protocol_.Disconnected();
    goneUnreported_ = false;
    // The place is free: a connection held back takes it, then those that
    // arrived meanwhile come in their order.
    if (held_ != nullptr)
        HeldDecide();
    Accept();
}

void TTcpSocket::Attach(QTcpSocket* s, bool accepted)
{
    peer_ = s;
    peerAccepted_ = accepted;
    connect(s, &QTcpSocket::readyRead, this, [this, s] { Read(s); });
    connect(s, &QTcpSocket::disconnected, this, [this, s] {
        const TSocketKeeper::Scope scope(keeper_);
        if (s == peer_)
            PeerGone();
    });
    connect(s, &QTcpSocket::errorOccurred, this, [this, s](QAbstractSocket::SocketError e) {
        const TSocketKeeper::Scope scope(keeper_);
        // The peer closing is no error: the disconnection reports it.
        if (s != peer_ || e == QAbstractSocket::RemoteHostClosedError)
            return;
        const std::string text = s->errorString().toStdString();
        Drop();
        protocol_.Error(static_cast<int>(e), text);
    });
}

void TTcpSocket::Drop()
{
    quiet_.stop();
    stall_.stop();
    gap_.stop();
    waiting_.clear();
    QTcpSocket* s = peer_;
    if (s == nullptr)
        return;
    peer_ = nullptr;
    peerAccepted_ = false;
    disconnect(s, nullptr, this, nullptr);
    s->abort();
    keeper_.Retire(s);
}

void TTcpSocket::Read(QTcpSocket* s)
{
    const TSocketKeeper::Scope scope(keeper_);
    // An event loop run while a message is handled may let more bytes
    // arrive without a signal of their own: read until none is left.  The
    // protocol may close the connection meanwhile.
    while (s == peer_ && s->bytesAvailable() > 0) {
        const QByteArray bytes = s->readAll();
        protocol_.Receive(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    if (peer_ != nullptr && protocol_.Pending()) {
        quiet_.start();
        stall_.start();
    } else {
        quiet_.stop();
        stall_.stop();
    }
}

} // namespace vorn

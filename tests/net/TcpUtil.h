// Helpers of the TCP link tests: a game side that keeps a small game of its
// own (no board model: stones are never captured in these games), a
// transport that records what is sent, and a bounded wait on the event loop.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Util.h"
#include "board/Hooks.h"
#include "net/TcpProtocol.h"

namespace vorn::test {

class TFakeHost : public TTcpHost {
public:
    void Memo(const std::string& line) override { memo.push_back(line); }
    void Status(const std::string& text) override { status = text; }
    void Message(const std::string& text) override
    {
        messages.push_back(text);
        if (onMessage)
            onMessage();
    }
    std::string LocalName() const override { return name; }
    bool Ready() const override { return ready && !running; }
    bool LocalBlack() const override { return black; }
    int SetupSize() const override { return size; }
    int SetupTeai() const override { return teai; }
    float SetupKomi() const override { return komi; }
    std::vector<Point> SetupMoves() const override { return moves; }
    void SizeReceived(int n) override { size = n; }
    void TeaiReceived(int n) override { teai = n; }
    void KomiReceived(float k) override { komi = k; }
    bool MovesReceived(const std::vector<Point>& received, std::string& why) override;
    void SetupFailed() override { ++setupFailures; }
    void StartGame() override { running = true; }
    bool InGame() const override { return running; }
    bool PeerToMove() const override;
    bool PeerMove(Point p, std::string& why) override;
    void GameStop() override
    {
        ++stops;
        running = false;
    }

    // The colour to move: White first in a handicap game.
    int ToMove() const;
    // Plays a local move into the record; false on an occupied point.
    bool Play(Point p);

    std::string name = "Alice";
    bool ready = false, black = false, running = false;
    int size = 19, teai = 0;
    float komi = 6.5f;
    std::vector<Point> moves;
    bool refuseNext = false;  // the board refuses the next received move
    std::function<void()> onMessage;  // runs while the message is shown
    std::vector<std::string> memo, messages;
    std::string status;
    int setupFailures = 0, stops = 0;
};

// Records every write; the connection is open until closed, an accepted
// one (accepted) also until listening stops.
class TRecordingTransport : public TTcpTransport {
public:
    bool Write(const std::string& bytes, bool) override
    {
        if (!open)
            return false;
        sent.push_back(bytes);
        return true;
    }
    void Close() override
    {
        open = false;
        ++closes;
    }
    bool IsOpen() const override { return open; }
    bool Listen(int port, std::string& error) override
    {
        listenPort = port;
        if (portTaken)
            error = "The address is already in use";
        return listening = !portTaken;
    }
    void StopListening() override
    {
        listening = false;
        if (accepted)
            open = false;
    }
    bool Listening() const override { return listening; }
    void Connect(const std::string& host, int port) override { connectedTo = host + ":" + std::to_string(port); }
    void CloseClient() override {}
    bool ClientActive() const override { return false; }
    // Everything sent since the last call, then forgotten.
    std::vector<std::string> Take() { return std::exchange(sent, {}); }

    bool open = true, listening = false, portTaken = false, accepted = false;
    int closes = 0, listenPort = -1;
    std::string connectedTo;
    std::vector<std::string> sent;
};

// Runs the event loop until the condition holds or ms milliseconds passed;
// answers the condition.
inline bool WaitFor(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

} // namespace vorn::test

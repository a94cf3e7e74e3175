// A scripted Go server for the tests, speaking the NNGS dialect on an
// ephemeral loopback port to one client: a login ("Login: " and
// "Password: " left open), the numeric line codes once the client sets
// "Client TRUE", a match request answered by its own player "bob", move
// lines as the server writes them to both players (the header "Game N I:
// ..." and "%3d(%c): move", numbered from 0), no move line for the pass that
// starts the counting but the counting notice instead, "done" from both
// sides ending the game with the score and closing lines, and a
// resignation.  Between the moves it writes what a busy server writes:
// shouts, tells and another game's moves that look like ours.
//
// It keeps its own board (captures, suicide, simple ko) and record, plays
// random legal moves for bob that fill none of his eyes, checks every move
// of the client, and notes anything the client did wrong.
#pragma once

#include <QObject>
#include <QTcpServer>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "board/Point.h"

class QTcpSocket;

namespace vorn::test {

// A Go board of its own: colours 0 empty, 1 black, 2 white; x from the left
// and y from the top, 1..size.
class TMiniBoard {
public:
    explicit TMiniBoard(int size);
    int Size() const { return size_; }
    int At(int x, int y) const;
    // Plays the colour at (x, y): false (and nothing changes) on an occupied
    // point, a suicide or an immediate ko recapture.
    bool Play(int colour, int x, int y);
    void Pass() { ko_ = Point{}; }
    // Rows top to bottom, 'X' black, 'O' white, '.' empty, each ending "\n".
    std::string Diagram() const;
    // A point whose every neighbour on the board is the colour's.
    bool IsEye(int colour, int x, int y) const;

private:
    bool On(int x, int y) const { return x >= 1 && y >= 1 && x <= size_ && y <= size_; }
    // The chain at (x, y) and whether it has a liberty.
    bool Liberty(int x, int y, std::vector<Point>& chain) const;
    int size_;
    std::vector<int> cells_;
    Point ko_;
};

// (Plain QObject: its slots are member functions connected by pointer.)
class TFakeNngsServer : public QObject {
public:
    TFakeNngsServer(int size, std::uint64_t seed);
    ~TFakeNngsServer() override;
    int Port() const { return server_.serverPort(); }

    // Bob's play: his moves before he passes, or resigns instead.
    int bobMoves = 40;
    bool bobResigns = false;
    const std::string bob = "bob";
    const int game = 5;

    // What happened.
    std::vector<std::string> received;  // the client's lines
    std::vector<Point> record;          // every move the game took, (0, 0) a pass
    std::vector<std::string> errors;    // what the client did wrong
    std::string login;
    bool clientBlack = false;
    bool finished = false;              // the game ended on the server
    std::string Diagram() const { return board_.Diagram(); }

private:
    void Accept();
    void Read();
    void Line(const std::string& line);
    void Send(const std::string& text);
    void Match(const std::string& line);
    void ClientMove(const std::string& move);
    // Bob's turn: a move, a pass, or his resignation.
    void BobTurn();
    // A move into the game: echoed to the client as the server does; the
    // second pass in a row starts the counting instead.
    void Take(int colour, Point p);
    void Noise(int number);
    int ToMove() const { return record.size() % 2 == 0 ? 1 : 2; }
    std::string Header() const;

    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    std::string buffer_;
    TMiniBoard board_;
    std::mt19937_64 random_;
    int stage_ = 0;  // 0 login, 1 password, 2 logged in
    bool clientMode_ = false;
    bool playing_ = false, counting_ = false;
    int bobPlayed_ = 0;
};

} // namespace vorn::test

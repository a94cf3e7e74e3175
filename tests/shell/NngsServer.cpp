#include "NngsServer.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <algorithm>
#include <cstdio>

namespace vorn::test {

namespace {

constexpr Point kSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

// ---------------------------------------------------------------------------
// The board

TMiniBoard::TMiniBoard(int size) : size_(size), cells_(static_cast<std::size_t>(size * size), 0) {}

int TMiniBoard::At(int x, int y) const { return On(x, y) ? cells_[static_cast<std::size_t>((y - 1) * size_ + x - 1)] : 3; }

bool TMiniBoard::Liberty(int x, int y, std::vector<Point>& chain) const
{
    const int c = At(x, y);
    chain = {Point(x, y)};
    std::vector<bool> seen(cells_.size(), false);
    seen[static_cast<std::size_t>((y - 1) * size_ + x - 1)] = true;
    bool liberty = false;
    for (std::size_t i = 0; i < chain.size(); ++i)
        for (const Point& d : kSteps) {
            const int nx = chain[i].x + d.x, ny = chain[i].y + d.y;
            if (!On(nx, ny))
                continue;
            if (At(nx, ny) == 0)
                liberty = true;
            const std::size_t k = static_cast<std::size_t>((ny - 1) * size_ + nx - 1);
            if (At(nx, ny) == c && !seen[k]) {
                seen[k] = true;
                chain.emplace_back(nx, ny);
            }
        }
    return liberty;
}

bool TMiniBoard::Play(int colour, int x, int y)
{
    if (!On(x, y) || At(x, y) != 0 || Point(x, y) == ko_)
        return false;
    const std::vector<int> before = cells_;
    auto set = [&](int px, int py, int c) { cells_[static_cast<std::size_t>((py - 1) * size_ + px - 1)] = c; };
    set(x, y, colour);
    std::vector<Point> captured, chain;
    for (const Point& d : kSteps) {
        const int nx = x + d.x, ny = y + d.y;
        if (At(nx, ny) == 3 - colour && !Liberty(nx, ny, chain))
            for (const Point& p : chain) {
                set(p.x, p.y, 0);
                captured.push_back(p);
            }
    }
    if (!Liberty(x, y, chain)) {
        cells_ = before;
        return false;
    }
    ko_ = Point{};
    if (captured.size() == 1 && chain.size() == 1) {
        // A lone stone that took a lone stone and has that one liberty.
        int libs = 0;
        for (const Point& d : kSteps)
            libs += At(x + d.x, y + d.y) == 0 ? 1 : 0;
        if (libs == 1)
            ko_ = captured.front();
    }
    return true;
}

bool TMiniBoard::IsEye(int colour, int x, int y) const
{
    for (const Point& d : kSteps) {
        const int c = At(x + d.x, y + d.y);
        if (c != colour && c != 3)
            return false;
    }
    return true;
}

std::string TMiniBoard::Diagram() const
{
    std::string s;
    for (int y = 1; y <= size_; ++y) {
        for (int x = 1; x <= size_; ++x)
            s += At(x, y) == 1 ? 'X' : At(x, y) == 2 ? 'O' : '.';
        s += '\n';
    }
    return s;
}

// ---------------------------------------------------------------------------
// The server

TFakeNngsServer::TFakeNngsServer(int size, std::uint64_t seed) : board_(size), random_(seed)
{
    connect(&server_, &QTcpServer::newConnection, this, &TFakeNngsServer::Accept);
    server_.listen(QHostAddress::LocalHost, 0);
}

TFakeNngsServer::~TFakeNngsServer()
{
    if (client_ != nullptr) {
        client_->disconnect(this);
        client_->abort();
    }
}

void TFakeNngsServer::Accept()
{
    while (QTcpSocket* s = server_.nextPendingConnection()) {
        if (client_ != nullptr) {
            s->abort();
            errors.push_back("a second connection");
            continue;
        }
        client_ = s;
        connect(s, &QTcpSocket::readyRead, this, &TFakeNngsServer::Read);
        // The prompt stays open, and arrives in two pieces.
        client_->write("Log");
        client_->flush();
        client_->write("in: ");
    }
}

void TFakeNngsServer::Send(const std::string& text)
{
    if (client_ != nullptr)
        client_->write(text.data(), static_cast<qint64>(text.size()));
}

void TFakeNngsServer::Read()
{
    buffer_ += client_->readAll().toStdString();
    for (;;) {
        const std::size_t end = buffer_.find_first_of("\r\n");
        if (end == std::string::npos)
            break;
        const std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        if (!line.empty())
            Line(line);
    }
}

void TFakeNngsServer::Line(const std::string& line)
{
    received.push_back(line);
    if (stage_ == 0) {
        login = line;
        stage_ = 1;
        Send("Password: ");
        return;
    }
    if (stage_ == 1) {
        stage_ = 2;
        Send("\r\nNo Name Go Server (NNGS) test\r\n#> ");
        return;
    }
    const std::string lower = Lower(line);
    if (lower == "set client true") {
        clientMode_ = true;
        Send("1 5\r\n");
    } else if (lower.compare(0, 6, "match ") == 0) {
        Match(line);
    } else if (lower == "done") {
        if (!counting_) {
            errors.push_back("done outside the counting");
            Send("5 Cannot type done until both sides have passed.\r\n1 6\r\n");
            return;
        }
        // Bob has said done already: the game ends as the server ends it.
        counting_ = playing_ = false;
        finished = true;
        int black = 0, white = 0;
        for (char c : board_.Diagram()) {
            black += c == 'X' ? 1 : 0;
            white += c == 'O' ? 1 : 0;
        }
        const std::string& w = clientBlack ? bob : login;
        const std::string& b = clientBlack ? login : bob;
        char score[160];
        std::snprintf(score, sizeof score, "20 %s (W:O): %d.5 to %s (B:#): %d.0\r\n", w.c_str(), white, b.c_str(),
                      black);
        const bool blackLoses = black <= white;
        Send(score + std::string("9 ") + (blackLoses ? b : w) + " has resigned the game.\r\n9 {Game "
             + std::to_string(game) + ": " + w + " vs " + b + " : " + (blackLoses ? "Black" : "White")
             + " resigns. W " + std::to_string(white) + ".5 B " + std::to_string(black) + ".0}\r\n1 5\r\n");
    } else if (playing_ && !counting_ && (lower == "pass" || (lower.size() == 3 && lower[0] >= 'a' && lower[0] <= 't'))) {
        ClientMove(lower);
    } else if (clientMode_) {
        Send("5 Unknown command: " + line + "\r\n1 5\r\n");
    }
}

std::string TFakeNngsServer::Header() const
{
    const std::string& w = clientBlack ? bob : login;
    const std::string& b = clientBlack ? login : bob;
    return "15 Game " + std::to_string(game) + " I: " + w + " (0 2385 -1) vs " + b + " (0 2390 -1)\r\n";
}

void TFakeNngsServer::Match(const std::string& line)
{
    char name[64] = {}, colour = 0;
    int size = 0, time = 0, byo = -1;
    if (!clientMode_ || std::sscanf(line.c_str(), "match %63s %c %d %d %d", name, &colour, &size, &time, &byo) != 5
        || name != bob || (colour != 'B' && colour != 'W') || size != board_.Size() || time != 40 || byo != 0) {
        errors.push_back("match request: " + line);
        Send("5 Bad match request.\r\n1 5\r\n");
        return;
    }
    clientBlack = colour == 'B';
    playing_ = true;
    Send("9 Match [" + std::to_string(game) + "] with " + bob + " in 40 accepted.\r\n9 Creating match ["
         + std::to_string(game) + "] with " + bob + ".\r\n" + Header() + "1 6\r\n");
    if (!clientBlack)
        BobTurn();
}

void TFakeNngsServer::ClientMove(const std::string& move)
{
    const int mine = clientBlack ? 1 : 2;
    if (ToMove() != mine) {
        errors.push_back("not the client's move: " + move);
        Send("5 It is not your move.\r\n1 6\r\n");
        return;
    }
    Point p;
    if (move != "pass") {
        char column = 0;
        int row = 0;
        if (std::sscanf(move.c_str(), "%c%d", &column, &row) != 2 || column == 'i') {
            errors.push_back("not a move: " + move);
            return;
        }
        const int size = board_.Size();
        p = Point(column < 'i' ? column - 'a' + 1 : column - 'a', size + 1 - row);
        if (!board_.Play(mine, p.x, p.y)) {
            errors.push_back("illegal move: " + move);
            Send("5 Your move is not valid.\r\n5 Illegal move.\r\n1 6\r\n");
            return;
        }
    }
    Take(mine, p);
    if (playing_ && !counting_)
        BobTurn();
}

void TFakeNngsServer::BobTurn()
{
    const int colour = clientBlack ? 2 : 1;
    if (bobPlayed_ >= bobMoves && bobResigns) {
        playing_ = false;
        finished = true;
        Send("9 " + bob + " has resigned the game.\r\n9 {Game " + std::to_string(game) + ": "
             + (clientBlack ? bob + " vs " + login : login + " vs " + bob) + " : " + (colour == 1 ? "Black" : "White")
             + " resigns.}\r\n1 5\r\n");
        return;
    }
    Point p;
    if (bobPlayed_ < bobMoves) {
        std::vector<Point> free;
        for (int y = 1; y <= board_.Size(); ++y)
            for (int x = 1; x <= board_.Size(); ++x)
                if (board_.At(x, y) == 0 && !board_.IsEye(colour, x, y))
                    free.emplace_back(x, y);
        std::shuffle(free.begin(), free.end(), random_);
        for (const Point& q : free)
            if (board_.Play(colour, q.x, q.y)) {
                p = q;
                break;
            }
    }
    ++bobPlayed_;
    Noise(static_cast<int>(record.size()));
    Take(colour, p);
}

void TFakeNngsServer::Take(int colour, Point p)
{
    if (p.x == 0)
        board_.Pass();
    const bool secondPass = p.x == 0 && !record.empty() && record.back().x == 0;
    const int number = static_cast<int>(record.size());
    record.push_back(p);
    if (secondPass) {
        counting_ = true;
        Send("9 You can check your score with the score command, type 'done' when finished.\r\n1 7\r\n");
        return;
    }
    std::string move = "Pass";
    if (p.x != 0) {
        move = static_cast<char>(p.x < 9 ? 'A' - 1 + p.x : 'A' + p.x);
        move += std::to_string(board_.Size() + 1 - p.y);
    }
    char line[64];
    std::snprintf(line, sizeof line, "15 %3d(%c): ", number, colour == 1 ? 'B' : 'W');
    Send(Header() + line + move + "\r\n1 6\r\n");
}

void TFakeNngsServer::Noise(int number)
{
    // Lines that carry our game's next key, "Pass" and the end notices
    // elsewhere: another game's moves, tells and shouts.
    char key[32];
    std::snprintf(key, sizeof key, "%d(%c): ", number, ToMove() == 1 ? 'B' : 'W');
    char other[64];
    std::snprintf(other, sizeof other, "15 %3d(%c): ", number, ToMove() == 1 ? 'B' : 'W');
    switch (number % 4) {
    case 0: Send("15 Game 2 I: carol (0 600 -1) vs dave (0 600 -1)\r\n" + std::string(other) + "A1\r\n1 6\r\n"); break;
    case 1: Send("24 *carol*: " + std::string(key) + "Pass\r\n1 6\r\n"); break;
    case 2: Send("\r\n21 !dave!: " + bob + " has resigned the game.\r\n1 6\r\n"); break;
    default:
        Send("21 !dave!: You can check your score with the score command, type 'done' when finished.\r\n"
             "9 Creating match [9] with " + bob + ".\r\n");
        break;
    }
}

} // namespace vorn::test
